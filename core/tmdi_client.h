#pragma once
// The client window of an MDI frame: the system's "MDICLIENT" window, which
// lays out, activates and lists the document windows it holds.

#include <windows.h>

#include "core/twindow.h"

namespace core {

class TMdiClient : public TWindow {
 public:
  RT_CLASS_DECL()

  // The documents in the order they were created.
  rt::Value aWnd = rt::Value::Array();

  // nMenuInfo: 1-based position of the frame menu's window-list pop-up.
  TMdiClient& New(const rt::Value& oFrame, long nMenuInfo, long nId, const std::shared_ptr<gfx::TBrush>& brush,
                  bool lVScroll, bool lHScroll);

  rt::Value Display();
  void Tile(bool lHorizontal = false);
  void Cascade();
  void ArrangeIcons();
  void NextWindow();
  void PrevWindow();
  // The active document, NIL when there is none.
  rt::Value GetActive() const;
  void Add(const rt::Value& oChild);
  rt::Value ChildNew(rt::Args args);
  void ChildActivate(const rt::Value& oChild);
  void ChildMaximize(const rt::Value& oChild);
  void ChildRestore(const rt::Value& oChild);
  void ChildClose(const rt::Value& oChild);
  void ChildNext(const rt::Value& oChild, bool lPrevious = false);
  // Ends the documents from the last one on; .F. at the first that refuses.
  bool lCloseAll();
  void IconizeAll();
  // Activates document n (from 1); out of range, asks the system for the
  // active one.
  void Select(long n);
  // Hands the frame menu and its window-list pop-up to the system.
  void SetMenu(const rt::Value& menu, HMENU hWindowMenu);

  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value GotFocus(LPARAM hWndLosing) override;

 private:
  long Find(const rt::Value& oChild) const;
};

// The window handle of a window object held as a value; null for none.
HWND HandleOfWindow(const rt::Value& oWnd);

}  // namespace core
