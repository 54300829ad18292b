#pragma once
// The base class of every window of the library, as far as the event road
// needs it: the window handle, the replaced window procedure, linking into
// the window list, the dispatcher and the event methods it calls.
//
// Every event method answers NIL for "not handled": the message then goes on
// to the window's previous procedure. Any other answer ends the message and
// becomes its result.

#include <windows.h>

#include "runtime/object.h"
#include "runtime/value.h"

namespace core {

class TWindow : public rt::Object {
 public:
  RT_CLASS_DECL()

  HWND hWnd = nullptr;
  // The procedure that the slot's entry point replaced; null (NIL by name)
  // while the window is not subclassed.
  WNDPROC nOldProc = nullptr;

  // Takes the window into the window list and, when lSubclass holds, puts
  // its slot's entry point in place as its window procedure. A window
  // without a handle is not linked; linking again keeps slot and procedure.
  void Link(bool lSubclass = true);
  // Puts the previous window procedure back and frees the slot.
  void UnLink();

  virtual rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam);

  // Mouse methods take (row, column, key flags).
  virtual rt::Value AsyncSelect(long nWParam, long nLParam);
  virtual rt::Value BeginPaint();
  virtual rt::Value Close(long nWParam);
  virtual rt::Value Command(long nWParam, long nLParam);
  virtual rt::Value CommNotify(long nWParam, long nLParam);
  virtual rt::Value CtlColor(long hWndChild, long hDCChild);
  virtual rt::Value DdeAck(long nWParam, long nLParam);
  virtual rt::Value DdeExecute(long nWParam, long nLParam);
  virtual rt::Value DdeInitiate(long nWParam, long nLow, long nHigh);
  virtual rt::Value DdeTerminate(long nWParam);
  virtual rt::Value Destroy();
  virtual rt::Value DrawItem(long nWParam, long nLParam);
  virtual rt::Value DropFiles(long hDrop);
  virtual rt::Value DropOver(long nLow, long nHigh, long nLParam);
  virtual rt::Value EndPaint();
  virtual rt::Value EraseBkGnd(long hDC);
  virtual rt::Value GetDlgCode(long nWParam);
  virtual rt::Value GetMinMaxInfo(long pMinMaxInfo);
  virtual rt::Value GotFocus(long hWndLosing);
  virtual rt::Value HelpF1();
  virtual rt::Value HScroll(long nWParam, long nLParam);
  virtual rt::Value InitMenuPopup(long hMenu, long nPos, bool lSysMenu);
  virtual rt::Value KeyChar(long nKey, long nFlags);
  virtual rt::Value KeyDown(long nKey, long nFlags);
  virtual rt::Value LButtonDown(long nRow, long nCol, long nFlags);
  virtual rt::Value LButtonUp(long nRow, long nCol, long nFlags);
  virtual rt::Value LDblClick(long nRow, long nCol, long nFlags);
  virtual rt::Value LostFocus(long hWndGetting);
  virtual rt::Value MButtonDown(long nRow, long nCol, long nFlags);
  virtual rt::Value MButtonUp(long nRow, long nCol, long nFlags);
  virtual rt::Value MeasureItem(long nWParam, long nLParam);
  virtual rt::Value MenuChar(long nKey, long nFlags, long hMenu);
  virtual rt::Value MenuSelect(long nItem, long nFlags, long hMenu);
  virtual rt::Value MouseMove(long nRow, long nCol, long nFlags);
  virtual rt::Value MouseWheel(long nKeys, long nDelta, long nX, long nY);
  virtual rt::Value Moved(long nWParam, long nX, long nY);
  virtual rt::Value NcActivate(bool lActive);
  virtual rt::Value NcMouseMove(long nHitTest, long nRow, long nCol);
  virtual rt::Value Notify(long nIdCtrl, long pNMHDR);
  virtual rt::Value Paint();
  virtual rt::Value PaletteChanged(long hWndChanging);
  virtual rt::Value QueryDragIcon();
  virtual rt::Value QueryEndSession();
  virtual rt::Value QueryNewPalette();
  virtual rt::Value RButtonDown(long nRow, long nCol, long nFlags);
  virtual rt::Value RButtonUp(long nRow, long nCol, long nFlags);
  virtual rt::Value ReSize(long nSizeType, long nWidth, long nHeight);
  virtual rt::Value SysCommand(long nWParam, long nLParam);
  virtual rt::Value TaskBar(long nWParam, long nLParam);
  virtual rt::Value Timer(long nWParam, long nLParam);
  virtual rt::Value VScroll(long nWParam, long nLParam);
};

}  // namespace core
