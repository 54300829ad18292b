#pragma once
// The combo box: the native combo bound to a variable (the entry's 1-based
// position when numeric, its text otherwise). The drop-down style with an
// edit field (2) edits through an embedded TGet on the native edit, and
// keeps a typed text that is not in the list.

#include <string>

#include "controls/list_bitmaps.h"
#include "controls/tget.h"
#include "core/tcontrol.h"

namespace controls {

// Posted by the embedded field when the combo box's validation refused the
// focus change: the combo box takes the focus back once the change is done.
inline constexpr UINT WM_VD_COMBOFOCUS = 0x814;
// Sent by the container for the close-up notification.
inline constexpr UINT WM_VD_CLOSEUP = core::WM_VD_COMMAND8;

struct ComboBoxArgs {
  rt::Value nRow, nCol, bSetGet, aItems, nWidth, nHeight, oWnd, nHelpId, bChange, bValid, nClrFore, nClrBack, lPixel,
      oFont, cMsg, lUpdate, bWhen, lDesign, aBitmaps, bDrawItem, nStyle, cPicture, bEditChange;
};

struct ComboBoxRedefineArgs {
  rt::Value nId, bSetGet, aItems, oWnd, nHelpId, bValid, bChange, nClrFore, nClrBack, cMsg, lUpdate, bWhen, aBitmaps,
      bDrawItem, nStyle, cPicture, bEditChange;
};

class TComboBox : public core::TControl {
 public:
  RT_CLASS_DECL()

  rt::Value aItems = rt::Value::Array();
  bool lOwnerDraw = false;
  long nAt = 0;
  rt::Value bDrawItem, bCloseUp;
  std::string cError;
  std::shared_ptr<TGet> oGet;

  int nBmpWidth() const { return bitmaps_.nWidth; }
  int nBmpHeight() const { return bitmaps_.nHeight; }
  const rt::Value& aBitmaps() const { return bitmaps_.aBitmaps; }

  TComboBox& New(const ComboBoxArgs& args = {});
  TComboBox& ReDefine(const ComboBoxRedefineArgs& args);
  void Initiate(HWND hDlg) override;
  void Default() override;
  void DefControl(const rt::Value& oCtrl);
  rt::Value Destroy() override;
  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "COMBOBOX" : cClass);
  }

  void Set(const rt::Value& u);
  void Select(long n);
  rt::Value Change() override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value VarGet();
  bool lValid();
  void Refresh();

  void Add(const rt::Value& cItem, long nAt = 0);
  void Insert(const rt::Value& cItem, long nAt = 0);
  void Modify(const rt::Value& cItem, long nAt = 0);
  void Del(long nAt = 0);
  void SetItems(const rt::Value& aNew);
  void Reset();

  // 1-based position of the first entry after nFrom starting with cText, 0
  // for none.
  long FindString(const std::string& cText, long nFrom = 0) const;
  bool Find(const std::string& cText) const { return FindString(cText) != 0; }
  void Open() { SendMessageA(hWnd, CB_SHOWDROPDOWN, TRUE, 0); }
  bool State() const { return SendMessageA(hWnd, CB_GETDROPPEDSTATE, 0, 0) != 0; }
  bool IsOpen() const { return State(); }
  bool IsClosed() const { return !State(); }
  long GetMinVisible() const;
  bool SetMinVisible(long n);
  void CloseUp();

  void SetBitmaps(const rt::Value& aNames);
  rt::Value DrawItem(LPARAM nId, LPARAM pDrawItem) override;
  rt::Value FillMeasure(LPARAM pMeasure) override;
  void ShowToolTip();

  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;

  long Len() const;
  std::string GetItem(long n) const;
  std::string EditText() const;

 private:
  void MakeField(const rt::Value& cPicture, const rt::Value& bEditChange);
  void BindField();
  void FieldLostFocus(HWND hNext);
  long CurSel() const;
  void NilToFirst();
  void ItemHeight();

  ListBitmaps bitmaps_;
};

}  // namespace controls
