#include "core/tdlg_find.h"

#include <map>

#include "core/modeless.h"
#include "services/common_dialogs.h"

namespace core {
namespace {

// The find dialog of each owner window.
std::map<HWND, std::weak_ptr<TDlgFind>>& FindDialogs() {
  static std::map<HWND, std::weak_ptr<TDlgFind>> dialogs;
  return dialogs;
}

}  // namespace

TDlgFind& TDlgFind::New(const std::string& cText, const rt::Value& owner) {
  lModal = false;
  lCentered = false;
  lHelpIcon = rt::Value(true);
  oWnd = owner;
  rt::Value nMsg;
  hWnd = svc::FINDTEXT(cText, ParentHandle(owner), nMsg);
  if (nFindMsgString == 0) nFindMsgString = static_cast<UINT>(nMsg.AsInt());
  if (!hWnd) return *this;
  REGDIALOG(hWnd);
  Link();
  FindDialogs()[GetWindow(hWnd, GW_OWNER)] =
      std::static_pointer_cast<TDlgFind>(shared_from_this());
  return *this;
}

rt::Value TDlgFind::FindEvent(LPARAM) {
  MessageBeep(MB_OK);
  return {};
}

rt::Value TDlgFind::Command(LPARAM, LPARAM) {
  MessageBeep(MB_OK);
  return {};
}

rt::Value TDlgFind::CtlColor(LPARAM, LPARAM) { return {}; }

rt::Value TDlgFind::Destroy() {
  DEREGDIALOG(hWnd);
  std::erase_if(FindDialogs(), [this](const auto& entry) {
    const auto dialog = entry.second.lock();
    return !dialog || dialog.get() == this;
  });
  return TDialog::Destroy();
}

rt::Value TDlgFind::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nFindMsgString != 0 && nMsg == nFindMsgString) FindEvent(nLParam);
  return TDialog::HandleEvent(nMsg, nWParam, nLParam);
}

rt::Value DLGFINDTEXT(const std::string& cText, const rt::Value& oWnd) {
  auto dialog = std::make_shared<TDlgFind>();
  dialog->New(cText, oWnd);
  return dialog->Self();
}

bool RouteFindMessage(HWND hOwner, UINT nMsg, WPARAM nWParam, LPARAM nLParam, rt::Value& result) {
  if (TDlgFind::nFindMsgString == 0 || nMsg != TDlgFind::nFindMsgString) return false;
  const auto it = FindDialogs().find(hOwner);
  if (it == FindDialogs().end()) return false;
  const auto dialog = it->second.lock();
  if (!dialog || dialog->hWnd == hOwner) return false;
  result = dialog->HandleEvent(nMsg, nWParam, nLParam);
  return true;
}

}  // namespace core
