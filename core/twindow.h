#pragma once
// The base class of every window of the library. It owns the window handle,
// the window's place, colours, brush, font, cursor, icon, menu, scroll bars,
// bars and child controls, and the user's event hooks (code blocks).
//
// Every event method answers NIL for "not handled": the message then goes on
// to the window's previous procedure. Any other answer ends the message and
// becomes its result. An event method evaluates its hook only when one is
// set; mouse methods take (row, column, key flags).
//
// Menus, bars, scroll bars and controls are held as plain objects and
// reached by name (send_soft.h), so any class that answers the names works.

#include <windows.h>

#include <memory>
#include <string>

#include "core/twindow_members.h"
#include "graphics/disp.h"
#include "graphics/tbrush.h"
#include "graphics/tcursor.h"
#include "graphics/tfont.h"
#include "graphics/trect.h"
#include "runtime/object.h"
#include "runtime/value.h"

namespace core {

// The arguments of New, in order; what is left out takes its default.
struct WindowArgs {
  rt::Value nTop, nLeft, nBottom, nRight, cTitle, nStyle, oMenu, oBrush, oIcon, oWnd, lVScroll, lHScroll,
      nClrFore, nClrBack, oCursor, cBorder, lSysMenu, lCaption, lMin, lMax, lPixel;
};

class TWindow : public rt::Object {
 public:
  RT_CLASS_DECL()

  HWND hWnd = nullptr;
  // The procedure that the slot's entry point replaced; null (NIL by name)
  // while the window is not subclassed.
  WNDPROC nOldProc = nullptr;

#define VD_VALUE_MEMBER(m) rt::Value m;
#define VD_FLAG_MEMBER(m, initial) bool m = initial;
#define VD_NUMBER_MEMBER(m) long m = 0;
  VD_TWINDOW_HOOKS(VD_VALUE_MEMBER)
  VD_TWINDOW_OWNED(VD_VALUE_MEMBER)
  VD_TWINDOW_VALUES(VD_VALUE_MEMBER)
  VD_TWINDOW_FLAGS(VD_FLAG_MEMBER)
  VD_TWINDOW_NUMBERS(VD_NUMBER_MEMBER)
#undef VD_VALUE_MEMBER
#undef VD_FLAG_MEMBER
#undef VD_NUMBER_MEMBER

  std::string cCaption;
  // The paint record of the paint under way as text (by name "cPS"); NIL
  // outside a paint.
  rt::Value cPS() const;
  void _cPS(const rt::Value& record);
  int nPaintCount = 0;  // depth of device-context use
  HDC hDC = nullptr;

  // Pixels in the parent's client coordinates; bottom and right inclusive.
  int nTop = 0, nLeft = 0, nBottom = 0, nRight = 0;

  HWND hCtlFocus = nullptr;

  std::shared_ptr<gfx::TBrush> oBrush;
  std::shared_ptr<gfx::TCursor> oCursor;
  std::shared_ptr<gfx::TFont> oFont;

  // Class data: the menu item under selection, for F1 help in a menu.
  inline static rt::Value oMItemSelect;
  // Class data: the tooltip's delay, and the names a designer saves (the
  // properties, then each event with its parameters). The tables are filled
  // when the class is described.
  inline static long nToolTip = 900;
  inline static constinit rt::Value aProperties, aEvents;

  // Construction, registration and creation.
  TWindow& New(const WindowArgs& args = {});
  void Register(UINT nClassStyle = CS_VREDRAW | CS_HREDRAW);
  // Class data: whether Register has made the window class of this
  // object's class. Clearing it makes the next Register look at the system's
  // classes again.
  bool lRegistered() const;
  void _lRegistered(bool registered);
  void Create(const std::string& cClassName = {});
  // Arguments: show mode, then the blocks for left click, right click, move,
  // resize, paint, key down, init, the four vertical scroll actions (line
  // up, line down, page up, page down), the four horizontal ones, valid,
  // dropped files and left button up.
  rt::Value Activate(rt::Args args = {});
  // Posts WM_CLOSE when lValid() holds; its answer.
  bool End();
  bool lValid();
  bool lWhen();
  void AEvalWhen();

  // Link into the window list and, when lSubclass holds, put the slot's entry
  // point in place as the window procedure. A window without a handle is not
  // linked; linking again keeps slot and procedure.
  void Link(bool lSubclass = true);
  // Puts the previous window procedure back and frees the slot.
  void UnLink();

  // Colours, brush, font, cursor, icon and menu.
  void SetColor(const rt::Value& nClrFore, const rt::Value& nClrBack = {},
                const std::shared_ptr<gfx::TBrush>& brush = nullptr);
  void SetBrush(const std::shared_ptr<gfx::TBrush>& brush);
  void GetFont();
  void SetFont(const std::shared_ptr<gfx::TFont>& font);
  // Holds a use of the font (and ends the use of the one it replaces)
  // without telling the window: a font given by the caller or shared with
  // the owner lives until its last holder has ended it.
  void KeepFont(std::shared_ptr<gfx::TFont> font);
  // The colour dialog for the text colour (lFore) or the pane colour; the
  // colour chosen, or the old one when cancelled.
  long SelColor(bool lFore = true);
  // The font dialog, with the text colour among its effects; the window's
  // font afterwards.
  std::shared_ptr<gfx::TFont> SelFont();
  void SetIcon(const rt::Value& icon);
  void SetMenu(const rt::Value& menu);
  void SetMsg(const rt::Value& cText = {});
  // The message the window's message bar (or its nearest parent's) shows
  // now; empty without a bar.
  std::string MsgShown() const;
  // The handle of oIcon, or the system's application icon.
  HICON IconHandle() const;

  // Device contexts and double-buffered painting.
  HDC GetDC();
  void ReleaseDC();
  // Swaps hDC for an off-screen copy of the client area, taken from a DC of
  // its own (lCreateDC) or from hDC; answers {the buffer, the DC it got or
  // NIL, the hDC before}, which DispEnd takes back.
  rt::Value DispBegin(bool lCreateDC = false);
  // Copies the buffer to the screen, releases the DC DispBegin got and puts
  // the previous hDC back.
  void DispEnd(const rt::Value& aRestore);

  // Place, size and state.
  void CoorsUpdate();
  std::string cTitle() const;
  void _cTitle(const std::string& text);
  long nWidth() const;
  long nHeight() const;
  void _nWidth(long n);
  void _nHeight(long n);
  void Move(int top, int left, int width = 0, int height = 0, bool repaint = false);
  // Moves the top-left corner, keeping the size.
  void MoveCorner(int top, int left);
  // Place and size from a rectangle object (bottom and right inclusive).
  void SetCoors(const gfx::TRect& rect);
  void SetBounds(int top, int left, int width, int height);
  void SetSize(int width, int height, bool repaint = false);
  void Center(const rt::Value& over = {});
  void Show();
  void Hide();
  void Enable();
  void Disable();
  void SetFocus();
  void Refresh(bool lErase = true);
  long SendMsg(UINT nMsg, WPARAM nWParam = 0, LPARAM nLParam = 0);
  bool PostMsg(UINT nMsg, WPARAM nWParam = 0, LPARAM nLParam = 0);

  void Maximize();
  void Minimize();
  void Normal();
  void Restore();
  void Iconize();
  void GoTop();
  void Capture();
  std::string GetText() const;
  void SetText(const std::string& text);
  // Rectangle objects of the client area and of the window in its parent.
  rt::Value GetCliRect() const;
  rt::Value GetRect() const;
  long GetWidth(const std::string& text, const std::shared_ptr<gfx::TFont>& font = nullptr) const;
  long nVertRes() const;
  long nHorzRes() const;
  void ToolWindow();
  void ClientEdge();
  // Depth of the nearest parent of that class, 0 when there is none.
  int ChildLevel(const std::string& className) const;

  // The height of a character of the window's font, measured again.
  long nGetChrHeight();
  // The window's help: its help topic.
  virtual rt::Value Help();
  // Focus going to hWndGetting: the same as LostFocus.
  rt::Value KillFocus(LPARAM hWndGetting);

  // Drawing outside a paint: each takes a device context of its own.
  // Colours left out are the window's; a colour string gives both.
  void Say(int nRow, int nCol, const rt::Value& cText, const rt::Value& nClrFore = {}, const rt::Value& nClrBack = {},
           const std::shared_ptr<gfx::TFont>& font = nullptr, bool lPixel = false, bool lTransparent = false,
           const rt::Value& nAlign = {});
  void SayRect(int nRow, int nCol, const rt::Value& cText, int nBottom, int nRight, const rt::Value& nClrFore = {},
               const rt::Value& nClrBack = {});
  void Line(int nTop, int nLeft, int nBottom, int nRight);
  // A bitmap resource (by name or number), or the bitmap of a bitmap object
  // (hBitmap, hPalette by name), at (nRow, nCol) in nWidth x nHeight (0: its
  // own size), its background in the pane colour.
  void SayBitmap(int nRow, int nCol, const rt::Value& xBitmap, int nWidth = 0, int nHeight = 0);
  void Box(int nTop, int nLeft, int nBottom, int nRight);
  void Circle(int nRow, int nCol, int nWidth);
  void SetPixel(int nRow, int nCol, long nColor);
  void FloodFill(int nRow, int nCol, long nBorder, const rt::Value& nFill = {});

  // Prints the window's image at (nRow, nCol) of a page, nScale times its
  // size (0: its size on paper), on the printer object oTarget (by name:
  // hDC, StartPage, EndPage) or else on the default printer. bPrint, when
  // set, prints instead and its answer is returned; else .T. when printed.
  rt::Value Print(const rt::Value& oTarget = {}, int nRow = 0, int nCol = 0, int nScale = 0);
  // The window's image on the default printer.
  rt::Value HardCopy(int nScale = 0);

  // Editing requests, each answered by the hook of its name with the window.
  virtual rt::Value Copy();
  virtual rt::Value Cut();
  virtual rt::Value Delete();
  virtual rt::Value Find();
  virtual rt::Value FindNext();
  virtual rt::Value Paste();
  virtual rt::Value ReDo();
  virtual rt::Value Replace();
  virtual rt::Value SelectAll();
  virtual rt::Value UnDo();
  virtual rt::Value Properties();
  virtual rt::Value Zip(const rt::Value& uArg);
  virtual rt::Value UnZip(const rt::Value& uArg);

  // Child controls and the Tab order.
  void AddControl(const rt::Value& oCtrl);
  void GoNextCtrl(HWND hCtrl);
  void GoPrevCtrl(HWND hCtrl);
  virtual rt::Value HelpTopic();
  // The first and last controls that are visible, enabled and tab stops;
  // else the first control (NIL without controls).
  rt::Value FirstActiveCtrl() const;
  rt::Value LastActiveCtrl() const;
  // Refreshes every control that asks for it.
  void Update();

  // Tooltips.
  // With a position (client row and column of this window, NIL for none)
  // the tip stands there instead of at the mouse.
  void CheckToolTip(const rt::Value& nRow = {}, const rt::Value& nCol = {});
  void ShowToolTip(const rt::Value& nRow = {}, const rt::Value& nCol = {});
  void DestroyToolTip();

  // Persistence and the designer.
  std::string Save() const;
  void Load(const std::string& cData);
  bool SaveFile(const std::string& cFile) const;
  bool LoadFile(const std::string& cFile);
  std::string SaveToText(int nIndent = 0) const;
  std::string cGenPrg(const std::string& cFile = {}) const;
  bool GenDbf(const std::string& cFile = {}) const;
  // An object stored in a file by an outside designer: none is supported,
  // so NIL.
  rt::Value ReadFile(const std::string& cFile);
  // The design-time editor of a data member, for classes that offer one;
  // the base window offers none (NIL).
  virtual rt::Value Inspect(const std::string& cDataName);

  virtual rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam);

#define VD_EVENT_METHOD(name, params) virtual rt::Value name params;
  VD_TWINDOW_EVENTS(VD_EVENT_METHOD)
#undef VD_EVENT_METHOD

 protected:
  // The menu routing: whether the tracked context menu holds a command id;
  // the open pop-up with that handle (the tracked one's submenus first,
  // then the bar's); the item that WM_MENUSELECT names.
  bool PopupHolds(long nId) const;
  rt::Value OpenPopup(LPARAM hMenu) const;
  rt::Value SelectedMenuItem(long nItem, long nFlags, LPARAM hMenu) const;

 private:
  // nChrHeight and nChrWidth from oFont.
  void MeasureFont();
  // Drops the hooks and owned objects at Destroy.
  void ReleaseOwned();

  // The off-screen buffer of the base window's own paint, kept typed so that
  // painting allocates nothing.
  gfx::DispBuffer paintBuffer_;
  // The paint record, kept typed for the same reason.
  PAINTSTRUCT paint_{};
  bool painting_ = false;
};

using TWindowPtr = std::shared_ptr<TWindow>;

// The parent window handle of a window object held as a value; null when
// there is none.
HWND ParentHandle(const rt::Value& oWnd);

}  // namespace core
