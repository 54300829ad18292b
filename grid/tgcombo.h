#pragma once
// The grid's list cell editor: a combo box in the pop-up over a cell, for
// columns with a list of values and for logical values shown as "Ja" and
// "Nein". Tab, Enter and Esc go to the grid; a click on the field opens or
// closes the list by its real state.

#include "controls/tcombobox.h"

namespace grid {

// nLastKey while the list stays open from a click on the field.
inline constexpr long kComboOpenedByClick = 9999;

class TGCombo : public controls::TComboBox {
 public:
  RT_CLASS_DECL()

  rt::Value Change() override;
  rt::Value GetDlgCode(LPARAM nKey) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
};

}  // namespace grid
