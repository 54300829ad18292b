#pragma once
// The frame window of the multiple-document interface. Its client window
// (TMdiClient) holds the document windows (TMdiChild); the editing requests
// that reach the frame go on to the active document.

#include <windows.h>

#include "core/twindow.h"

namespace core {

// The arguments of New, in order; what is left out takes its default.
struct MdiFrameArgs {
  rt::Value nTop, nLeft, nBottom, nRight, cTitle, nStyle, oMenu, oBrush, oIcon, nClrFore, nClrBack, lVScroll,
      lHScroll, nMenuInfo, nFlags, oWnd, lPixel;
};

class TMdiFrame : public TWindow {
 public:
  RT_CLASS_DECL()

  rt::Value oWndActive, oWndClient, oMenuStart, bOnOpen;
  // 1-based position of the window-list pop-up in the frame's menu.
  long nMenuInfo = 0;

  // Coordinates left out ask the system for its default place and size.
  // Without a menu the frame builds its own (by name, from the menu classes
  // of a later layer): "&Childs", the window list and help.
  TMdiFrame& New(const MdiFrameArgs& args = {});

  // The first menu set is the frame's own; later ones are documents' menus
  // shown while their document is active. nMenuInfo below 1 counts the
  // window-list pop-up from the end.
  void SetMenu(const rt::Value& menu, long nMenuInfo = 0);

  rt::Value ChildNew(rt::Args args);
  void Cascade();
  bool CloseAll();
  void IconizeAll();
  void Tile(bool lHorizontal = false);
  void ArrangeIcons();
  void NextWindow();
  void PrevWindow();
  void Select(long n);
  rt::Value Open();
  // Refuses (.F.) while bValid does or a document does not close.
  bool End();

  rt::Value Copy() override;
  rt::Value Cut() override;
  rt::Value Delete() override;
  rt::Value Find() override;
  rt::Value FindNext() override;
  rt::Value Paste() override;
  rt::Value ReDo() override;
  rt::Value Replace() override;
  rt::Value SelectAll() override;
  rt::Value UnDo() override;
  rt::Value Properties() override;
  rt::Value PrintActive();

  rt::Value Command(LPARAM nWParam, LPARAM nLParam) override;
  // The documents go first, each let go of by the client.
  rt::Value Destroy() override;
  rt::Value GotFocus(LPARAM hWndLosing) override;
  rt::Value ReSize(long nSizeType, long nWidth, long nHeight) override;

 private:
  // Sends an editing request on to the active document, else to the
  // frame's own hook.
  rt::Value ToActive(const char* method, rt::Value (TWindow::*own)());
};

// The last frame created; NIL before the first.
rt::Value GETWNDFRAME();

}  // namespace core
