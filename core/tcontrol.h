#pragma once
// The base of every control. A control is a child window of a container
// (oWnd): either made by its subclass (Create) or bound to a child of a
// dialog with Redefine, which Initiate completes once the dialog's window
// exists. It adds the value binding (bSetGet), the change hook, its place in
// the container's focus and validation chain, the library's private
// notifications from the container, docking and a design mode with a snap
// grid.
//
// The container keeps the chain's state: nLastKey (the key that left the
// last control), lValidating (a validation is under way), nResult and
// oCtlFocus (the control that has the focus).

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "core/twindow.h"

namespace core {

// The library's private messages between a container and its controls.
enum ControlMessage : UINT {
  WM_VD_CLICK = 0x800,
  WM_VD_CHANGE = 0x805,
  WM_VD_COLORS = 0x806,
  WM_VD_LOSTFOCUS = 0x809,
  WM_VD_CHANGEFOCUS = 0x810,
  WM_VD_COMMAND8 = 0x812,
};

// Docking sides of nAlign.
enum ControlAlign { kAlignNone = 1, kAlignTop, kAlignLeft, kAlignBottom, kAlignRight, kAlignClient };

// The design-mode snap grid; a size below 1 means no snapping.
void SETGRIDSIZE(int nWidth, int nHeight);
// {nWidth, nHeight}.
rt::Value GETGRIDSIZE();
// The position snapped down to the grid (unchanged without a grid).
int SnapRow(int nRow);
int SnapCol(int nCol);

// The rectangle r with the edges that sizing handle 1-8 names moved by the
// deltas (1 top-left, then clockwise to 8 left); an edge never passes the
// opposite one.
RECT ResizedByHandle(RECT r, int handle, int dRow, int dCol);

class TControl : public TWindow {
 public:
  RT_CLASS_DECL()

  rt::Value bSetGet, bChange, bDragBegin;
  bool lCaptured = false, lDrag = false, lMouseDown = false, lUpdate = false, l3DLook = false;
  long nLastRow = 0, nLastCol = 0, nMResize = 0;
  // The answer to WM_GETDLGCODE; NIL leaves it to the previous procedure.
  rt::Value nDlgCode;
  // The control that gets the focus after the next validation.
  rt::Value oJump;
  bool l97Look = false;
  long nClientBevel = 0;

  // The next free control id: 100 at start, one counter for every control
  // class. Ids stay within the 16 bits of WM_COMMAND: after 65535 it starts
  // again at 100.
  static long GetNewId();
  // Restarts the counter (for a process that starts over, and the tests).
  static void ResetIds();

  // The container as a window, null when there is none.
  std::shared_ptr<TWindow> Container() const;

  // Binds the control to child nId of the container's dialog (made later).
  void Redefine(long id, const rt::Value& container);
  // Binds the control to its child of hDlg: links it and sets its font.
  // Library error 1 when hDlg has no such child.
  virtual void Initiate(HWND hDlg);
  // The control's entry of an in-memory dialog template; cClass defaults to
  // the object's class name.
  virtual std::string cToChar(const std::string& cClass = {});
  virtual void Default();

  rt::Value VarGet();
  virtual void VarPut(const rt::Value& u);

  // Removes the control from its container, then ends its window.
  bool End();
  void ChangeFocus();

  // Docking in the container.
  long nAlign() const;
  void _nAlign(long side);
  void AdjTop();
  void AdjBottom();
  void AdjLeft();
  void AdjRight();
  void AdjClient();

  bool l3D() const { return l3DLook; }
  void _l3D(bool on);
  // Gives the control the 3-D look of the look library (CTL3DLOOK).
  void Set3DLook();

  // Hooks of the subclasses: set-up after creation, key releases, and the
  // size of an owner-drawn entry (pMeasureItem).
  virtual rt::Value Init();
  virtual rt::Value KeyUp(long nKey, long nFlags);
  virtual rt::Value FillMeasure(LPARAM pMeasureItem);
  // The start of a drag outside design mode: captures the mouse and runs
  // bDragBegin(nRow, nCol, nFlags, Self).
  void DragBegin(long nRow, long nCol, long nFlags);
  // The container's topic, else the help index, else the pop-up help of
  // nHelpId.
  rt::Value HelpTopic() override;

  // The focus and validation chain.
  virtual rt::Value Click();
  virtual rt::Value Change();
  virtual rt::Value Colors(LPARAM hDC);
  virtual rt::Value KillFocus(LPARAM hWndNew);
  virtual rt::Value VDLostFocus(LPARAM hWndNew);
  void ForWhen();
  // Gives this control the focus when lWhen() holds, else the next window.
  void SetFocus();

  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  rt::Value EraseBkGnd(LPARAM hDC) override;
  rt::Value GetDlgCode(LPARAM nKey) override;
  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value LButtonDown(long nRow, long nCol, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value LButtonUp(long nRow, long nCol, long nFlags) override;
  // Alt + letter (the keyboard menu) goes to the control with that hot key.
  rt::Value SysCommand(LPARAM nWParam, LPARAM nLParam) override;
  virtual rt::Value Display();

  // Design mode: CheckDots makes the eight sizing handles once and snaps the
  // control to the grid; ShowDots puts them around this control, HideDots
  // hides them; MResize starts a resize from handle nHandle at (nRow, nCol)
  // of the control, which the release of the button completes.
  void CheckDots();
  void ShowDots();
  void HideDots();
  void MResize(long nHandle, long nRow, long nCol, const rt::Value& oDot = {});
  static std::array<HWND, 8> Dots();

 private:
  void ResizeByDot(long nRow, long nCol);
  // Design mode's XOR outline of the control being moved or sized: drawing
  // the same outline twice removes it, so the one on screen is remembered.
  struct Outline {
    int dRow = 0, dCol = 0, row = 0, col = 0, mode = 0;
  };
  void ShowOutline(long nRow, long nCol);
  void HideOutline();
  std::optional<Outline> outline_;

  inline static long nInitID_ = 100;
};

using TControlPtr = std::shared_ptr<TControl>;

}  // namespace core
