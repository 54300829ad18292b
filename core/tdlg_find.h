#pragma once
// The system's modeless find dialog. The system sends its find message to
// the dialog's owner, so the owner's window hands it on to the owner's find
// dialog (RouteFindMessage).

#include <windows.h>

#include "core/tdialog.h"

namespace core {

class TDlgFind : public TDialog {
 public:
  RT_CLASS_DECL()

  // Class data: the number of the registered find message, 0 before the
  // first find dialog.
  inline static UINT nFindMsgString = 0;

  TDlgFind& New(const std::string& cText, const rt::Value& oWnd);
  // The user asked to find the text of the record: a beep.
  virtual rt::Value FindEvent(LPARAM pFindReplace);

  rt::Value Command(LPARAM nWParam, LPARAM nLParam) override;
  rt::Value CtlColor(LPARAM hWndChild, LPARAM hDCChild) override;
  rt::Value Destroy() override;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
};

rt::Value DLGFINDTEXT(const std::string& cText, const rt::Value& oWnd);

// The find message to the window hOwner goes to the find dialog it owns;
// false when it is no find message or hOwner owns no find dialog.
bool RouteFindMessage(HWND hOwner, UINT nMsg, WPARAM nWParam, LPARAM nLParam, rt::Value& result);

}  // namespace core
