#pragma once
// A dialog box: from a dialog resource, or from a template built in memory
// from its controls; modal (DIALOGBOX, reached through its dialog procedure
// only) or modeless (CREATEDLG, linked like any window once Initiate runs and
// kept in the modeless registry). Its controls are TControl objects, bound to
// the dialog's children in Initiate.

#include <windows.h>

#include <string>

#include "core/twindow.h"

namespace core {

// The arguments of New, in order; what is left out takes its default.
struct DialogArgs {
  rt::Value nTop, nLeft, nBottom, nRight, cCaption, cResName, hResources, lVbx, nStyle, nClrText, nClrBack, oBrush,
      oWnd, lPixel, oIcon, oFont, nHelpId, nWidth, nHeight;
};

// The arguments of Activate, in order.
struct DialogActivation {
  rt::Value bLClicked, bMoved, bPainted, lCentered, bValid, lModal, bInit, bRClicked, bWhen, lResize16;
};

class TDialog : public TWindow {
 public:
  RT_CLASS_DECL()

  rt::Value cResName, cResData, hResources;
  bool lCentered = false, lModal = true, lModify = true;
  rt::Value bStart, lHelpIcon;
  bool lResize16 = false;

  TDialog& New(const DialogArgs& args = {});
  void Define(int nTop, int nLeft, int nBottom, int nRight, const std::string& cCaption, long nStyle,
              bool lVbx = false, const rt::Value& nClrFore = {}, const rt::Value& nClrBack = {},
              const std::shared_ptr<gfx::TBrush>& brush = nullptr);
  rt::Value Activate(const DialogActivation& args = {});

  // The in-memory template, placed relative to the owner's window.
  std::string cToChar(HWND hWndOwner);
  // Appends a control; an id not set becomes the next id the dialog does not
  // hold yet, an id it holds already raises library error 2.
  void DefControl(const rt::Value& oCtrl);
  // The child whose text has nChar (any case) after "&", else 0.
  HWND GetHotPos(long nChar) const;
  HWND GetItem(long nId) const;
  // The control object with that id, NIL when there is none.
  rt::Value ControlOfId(long nId) const;

  // Binds the dialog's window; the result tells Windows whether to set the
  // focus itself.
  rt::Value Initiate(LPARAM hWndFocus, LPARAM hDlg);
  rt::Value Display();
  bool End(long nResult = IDCANCEL);
  void ChangeFocus();
  void SetControl(const rt::Value& oCtrl);
  void Help95();
  long PrintClient(LPARAM) { return 1; }
  // WM_HELP: after the caption's help button the control under the click
  // shows its topic, else the dialog shows its own; the button's state is
  // cleared.
  rt::Value Help(LPARAM nWParam, LPARAM nLParam);
  using TWindow::Help;
  void AdjTop();

  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
  rt::Value Close(LPARAM nResult) override;
  rt::Value Command(LPARAM nWParam, LPARAM nLParam) override;
  rt::Value CtlColor(LPARAM hWndChild, LPARAM hDCChild) override;
  rt::Value Destroy() override;
  rt::Value EraseBkGnd(LPARAM hDC) override;
  rt::Value KeyChar(long nKey, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
  rt::Value Paint() override;
  rt::Value QueryEndSession() override;
  rt::Value SysCommand(LPARAM nWParam, LPARAM nLParam) override;
  void SetFont(const std::shared_ptr<gfx::TFont>& font);

  // Dialogs inside their Activate, for the owner rule.
  static int ActivationDepth();
};

using TDialogPtr = std::shared_ptr<TDialog>;

// Library error 3 with the dialog's resource name and caption.
void CREATEDLGERROR(const TDialog& oDlg);

}  // namespace core
