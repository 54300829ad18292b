#pragma once
// A document window of an MDI frame. It is created by the client window,
// keeps the system's MDI child procedure as the procedure behind its own
// and sends its editing requests on to its main control.

#include <windows.h>

#include "core/twindow.h"

namespace core {

// The arguments of New, in order; what is left out takes its default.
struct MdiChildArgs {
  rt::Value nTop, nLeft, nBottom, nRight, cTitle, nStyle, oMenu, oWnd, oIcon, lVScroll, nClrFore, nClrBack, oCursor,
      oBrush, lPixel, lHScroll, nHelpId, cBorder, lSysMenu, lCaption, lMin, lMax, nMenuInfo;
};

class TMdiChild : public TWindow {
 public:
  RT_CLASS_DECL()

  rt::Value oWndClient, oControl;
  bool lKeepMenu = false;
  long nMenuInfo = 0;

  // oWnd is the frame.
  TMdiChild& New(const MdiChildArgs& args = {});
  void Maximize();
  void Restore();
  rt::Value Activate(rt::Args args = {});
  // Refuses (.F.) while bValid does; else ends its menu (unless kept) and
  // the client closes it.
  bool End();
  // Centred over the client window.
  void Center();
  void Next();
  void Prev();
  void SetControl(const rt::Value& oCtrl);
  void SetMenu(const rt::Value& menu);
  void SetFocus();
  void SetSize(int width, int height);
  bool IsZoomed() const;
  bool IsIconic() const;
  rt::Value MdiActivate(bool lOn, LPARAM hWndActivated, LPARAM hWndDeactivated);
  rt::Value PrintDocument();

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

  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  rt::Value Close(LPARAM nWParam) override;
  rt::Value GotFocus(LPARAM hWndLosing) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value KeyDown(long nKey, long nFlags) override;

 private:
  rt::Value ToControl(const char* method, rt::Value (TWindow::*own)());
  void RegisterChildClass();
};

}  // namespace core
