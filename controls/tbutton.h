#pragma once
// A push button: the native button that evaluates its action when clicked,
// never twice at once, and keeps the default-button look while it has the
// focus.

#include <memory>
#include <string>

#include "core/tcontrol.h"

namespace controls {

struct ButtonArgs {
  rt::Value nRow, nCol, cCaption, oWnd, bAction, nWidth, nHeight, nHelpId, oFont, lDefault, lPixel, lDesign, cMsg,
      lUpdate, bWhen, bValid, lCancel;
};

struct ButtonRedefineArgs {
  rt::Value nId, bAction, oWnd, nHelpId, cMsg, lUpdate, bWhen, bValid, cCaption, lCancel;
};

// The button's set-style message and the two looks.
inline constexpr UINT kSetButtonStyle = BM_SETSTYLE;

class TButton : public core::TControl {
 public:
  RT_CLASS_DECL()

  rt::Value bAction;
  bool lDefault = false, lProcessing = false;

  TButton& New(const ButtonArgs& args = {});
  TButton& ReDefine(const ButtonRedefineArgs& args);
  void Initiate(HWND hDlg) override;
  std::string cToChar(const std::string& cClass = {}) override {
    return TControl::cToChar(cClass.empty() ? "BUTTON" : cClass);
  }
  std::string cGenPRG();

  rt::Value Click() override;
  rt::Value Colors(LPARAM) override { return rt::Value(0); }
  rt::Value GotFocus(LPARAM hWndLost) override;
  rt::Value LostFocus(LPARAM hWndNew) override;
  rt::Value KeyDown(long nKey, long nFlags) override;
  rt::Value MouseMove(long nRow, long nCol, long nFlags) override;
};

// A dialog's row of pixel-placed buttons, 10 pixels high, of one width
// and, when given, one font.
struct ButtonRow {
  rt::Value oWnd;
  int nRow = 0, nWidth = 0;
  rt::Value oFont{};

  std::shared_ptr<TButton> Add(int nCol, const char* cCaption, bool lDefault, rt::Value bAction) const;
};

}  // namespace controls
