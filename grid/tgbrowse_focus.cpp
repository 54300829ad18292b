// The grid taking and losing the focus, and a change of its size. A table
// grid remembers its record, row and order when the focus leaves, and gets
// them back when it returns, unless the program keeps the position itself
// (lNoResetPos).
#include <windows.h>

#include <algorithm>

#include "grid/tgbrowse.h"
#include "runtime/table_fns.h"

namespace grid {

rt::Value TGBrowse::GotFocus(LPARAM hWndLost) {
  TControl::GotFocus(hWndLost);
  if (IsTable() && !lEditing && !lNoResetPos) {
    if (lFirstFocus) {
      GoTop();
      if (lPainted) {
        Refresh(false);
        if (Count() == 0) GoDown();
      }
    } else if (lPainted) {
      if (bTagOrder.IsBlock() && !uLastTag.IsNil()) bTagOrder.Eval(uLastTag);
      if (nLastPos > 0) {
        InArea([this] {
          rt::DBGOTO(nLastPos);
          return rt::Value();
        });
      }
      nAt = nLastnAt;
    }
  }
  if (lPainted) lFirstFocus = false;
  lHasFocus = true;
  if (lPainted && Count() > 0 && !lIconView && !lEditing) Draw([this] { DrawSelect(); });
  return rt::Value(0);
}

rt::Value TGBrowse::LostFocus(LPARAM hWndNew) {
  if (lEditing) return rt::Value(0);
  TControl::LostFocus(hWndNew);
  lHasFocus = false;
  if (lPainted && Count() > 0 && !lIconView) Draw([this] { DrawSelect(); });
  if (IsTable()) {
    nLastPos = RowNumber();
    nLastnAt = nAt;
    if (bTagOrder.IsBlock() && bLastTag.IsBlock() && !lNoResetPos) uLastTag = bLastTag.Eval();
  }
  return rt::Value(0);
}

rt::Value TGBrowse::ReSize(long nSizeType, long nWidthNew, long nHeightNew) {
  const long rows = nRowCount();
  if (rows > 0) nRowPos = std::clamp(nRowPos, 1L, rows);
  return TControl::ReSize(nSizeType, nWidthNew, nHeightNew);
}

}  // namespace grid
