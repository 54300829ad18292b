#pragma once
// The grid's single-line cell editor: a Get that lives alone in the pop-up
// over a cell. The keys that end an edit (Enter, Up, Down, and Left/Right
// when asked) go to the grid through bKeyDown once the value is valid; the
// focus leaving it by any other way cancels the edit as Esc does.

#include <memory>
#include <string>

#include "controls/tget.h"

namespace ctl {
class TMenu;
}

namespace grid {

// The key that ended the last edit of each editor class; reset whenever an
// editor of that class gains the focus.
long& TGGetLastKey();
long& TGBtnGetLastKey();

// The labels of the editors' right-click menu, in its order: undo, cut,
// copy, paste, delete, select all.
struct EditMenuLabels {
  const char* undo;
  const char* cut;
  const char* copy;
  const char* paste;
  const char* del;
  const char* selectAll;
};

class TGGet : public controls::TGet {
 public:
  RT_CLASS_DECL()

  bool lRightLeftExit = false;
  // NIL, .T. or .F.: .T. keeps the wide caret whatever the insert mode.
  rt::Value lFixCaret;

  rt::Value GetDlgCode(LPARAM nKey) override;
  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value _GotFocus(LPARAM hCtlLost);
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  // Nothing to validate while the focus is back on the editor or inside it
  // (on its own button).
  rt::Value VDLostFocus(LPARAM hWndNew) override;
  bool lValid();
  rt::Value RButtonDown(long nRow, long nCol, long nFlags) override;
  // The right-click menu as it is for the editor's state now.
  std::shared_ptr<ctl::TMenu> EditMenu();

 protected:
  // What differs in the button editor.
  virtual long& LastKey() { return TGGetLastKey(); }
  virtual const EditMenuLabels& MenuLabels() const;
  // A key after the navigation keys that the editor consumes itself.
  virtual bool OwnKey(long) { return false; }
  // Whether losing the focus to hWndNew keeps the edit open.
  virtual bool KeepsEditOn(HWND) { return false; }
  virtual void ClearFocusState() {}
  // The window that holds the pop-up (the grid's owner).
  std::shared_ptr<core::TWindow> PopupOwner() const;
  void NoteKey(long nKey);
  void BuildCaret();
};

}  // namespace grid
