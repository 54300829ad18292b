#pragma once
// An icon with its tool tip in the notification area. The shell reports
// the mouse over the icon to a hidden message window, and the icon turns
// those reports into calls of its blocks.

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/object.h"
#include "runtime/value.h"

namespace svc {
class TStruct;
}

namespace core {

class TWindow;

// Every member left NIL is taken from the owner window's member of the
// same name.
struct TrayIconArgs {
  rt::Value oWnd, oIcon, cCaption, bLClicked, bRClicked, bMMoved, bLDblClick, bLButtonUp, bRButtonUp;
};

// The message window's style: a disabled pop-up.
inline constexpr long kTrayWindowStyle = static_cast<long>(WS_POPUP | WS_DISABLED);

class TTrayIcon : public rt::Object {
 public:
  RT_CLASS_DECL()

  std::shared_ptr<svc::TStruct> oTray;  // the last record handed to the shell
  std::shared_ptr<TWindow> oWnd;        // the message window
  rt::Value oIcon;                      // an icon handle, object or resource name
  std::string cCaption;
  rt::Value bLClicked, bRClicked, bMMoved, bLDblClick, bLButtonUp, bRButtonUp;

  // Creates the message window (which hides the owner) and registers the
  // icon.
  TTrayIcon& New(const TrayIconArgs& args);
  // Removes the icon and ends the message window; true.
  bool End();
  // Registers (lAdd) or updates the icon; a NIL icon or tip keeps the
  // current one.
  void Refresh(const rt::Value& icon = {}, const rt::Value& cTip = {}, bool lAdd = false);
  void SetIcon(const rt::Value& icon, const rt::Value& cTip = {}) { Refresh(icon, cTip); }
  void SetText(const rt::Value& cTip) { Refresh({}, cTip); }
  // One report of the shell: nLParam is the mouse message. The matching
  // block runs with the cursor's row and column.
  rt::Value Command(LPARAM nWParam, LPARAM nLParam);

  HICON IconHandle() const;
};

}  // namespace core
