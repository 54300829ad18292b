// Messages that a window passes on: commands, notifications and scrolling to
// its menus and controls, owner-drawn items, menus, dropped files, DDE,
// timers and the system commands.
#include <dde.h>

#include <array>
#include <bit>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/send_soft.h"
#include "core/tdde.h"
#include "core/twindow.h"
#include "core/window_defaults.h"
#include "core/window_geometry.h"
#include "core/window_list.h"
#include "core/window_messages.h"
#include "core/window_state.h"
#include "core/window_text.h"
#include "graphics/palette_bitmap.h"
#include "runtime/setkey.h"
#include "runtime/callstack.h"
#include "services/atoms.h"
#include "services/bits.h"
#include "services/dropped_files.h"
#include "services/int32.h"
#include "services/timer.h"

namespace core {

namespace {

// The library's private messages to its own controls.
constexpr UINT kClick = 0x800;
constexpr UINT kChange = 0x805;
constexpr UINT kColors = 0x806;
constexpr UINT kDrawItem = 0x808;
constexpr UINT kCommand8 = 0x812;
constexpr std::array<UINT, 6> kScrollMessages{0x801, 0x802, 0x803, 0x804, 0x80A, 0x80E};
constexpr std::array<const char*, 6> kScrollMethods{"GoUp", "GoDown", "PageUp", "PageDown", "ThumbPos", "ThumbTrack"};

constexpr long kKeyMenu = 61696;
constexpr long kFirstSystemCommand = 61440;
constexpr long kClose = 61536;
constexpr long kCloseAlt = 61539;
constexpr long kF10 = 121;

HWND AsHandle(long n) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(n)); }
long Low(long n) { return static_cast<long>(static_cast<std::uint32_t>(n) & 0xFFFF); }
long High(long n) { return static_cast<long>(static_cast<std::uint32_t>(n) >> 16); }

// The control in aControls whose id is nId.
rt::Value ControlWithId(const rt::Value& controls, long id) {
  if (!controls.IsArray()) return {};
  for (const rt::Value& control : controls.Items()) {
    if (Ask(control, "nId").AsInt() == id) return control;
  }
  return {};
}

rt::Value Scroll(const rt::Value& bar, long nWParam, long nLParam) {
  const long code = Low(nWParam), pos = High(nWParam);
  if (code < 0 || code >= static_cast<long>(kScrollMessages.size())) return rt::Value(0);
  if (nLParam == 0) {
    if (code >= 4) {
      Ask(bar, kScrollMethods[code], pos);
    } else {
      Ask(bar, kScrollMethods[code]);
    }
  } else {
    SendMessageA(AsHandle(nLParam), kScrollMessages[code], code >= 4 ? pos : 0, 0);
  }
  return rt::Value(0);
}

// What the message bar showed when the open menu opened: it shows it again
// when the menu closes. A thread tracks one menu at a time.
std::optional<std::string>& MsgBeforeMenu() {
  static std::optional<std::string> shown;
  return shown;
}

}  // namespace

bool TWindow::PopupHolds(long nId) const {
  return oPopup.IsObject() && !Ask(oPopup, "GetMenuItem", nId).IsNil();
}

rt::Value TWindow::OpenPopup(LPARAM hMenu) const {
  for (const rt::Value* menu : {&oPopup, &oMenu}) {
    if (!menu->IsObject()) continue;
    if (svc::ToHandle(Ask(*menu, "hMenu")) == hMenu) return *menu;
    if (rt::Value sub = Ask(*menu, "GetSubMenu", hMenu); sub.IsObject()) return sub;
  }
  // A pop-up of another object (a bar button's drop-down, a control's own
  // menu) that this window only owns while it shows.
  const rt::Value& any = oPopup.IsObject() ? oPopup : oMenu;
  return Ask(any, "GetPopup", hMenu);
}

rt::Value TWindow::SelectedMenuItem(long nItem, long nFlags, LPARAM hMenu) const {
  // A closed menu selects nothing.
  if (hMenu == 0 && nFlags == 0xFFFF) return {};
  // An entry that opens a submenu is named by its position; its submenu's
  // handle finds it.
  LPARAM key = nItem;
  if (nFlags & MF_POPUP) {
    const HMENU sub = GetSubMenu(svc::HandleOf<HMENU>(hMenu), static_cast<int>(nItem));
    if (!sub) return {};
    key = svc::HandleNumber(sub);
  }
  for (const rt::Value* menu : {&oPopup, &oMenu})
    if (rt::Value item = Ask(*menu, "GetMenuItem", key); item.IsObject()) return item;
  return {};
}

rt::Value TWindow::Command(LPARAM nWParam, LPARAM nLParam) {
  const long code = High(nWParam), id = Low(nWParam);
  if (nLParam == 0) {
    if (PopupHolds(id)) return Ask(oPopup, "Command", id);
    return oMenu.IsObject() ? Ask(oMenu, "Command", id) : rt::Value();
  }
  const HWND sender = AsHandle(nLParam);
  if (GETCLASSNAME(sender) == "ToolbarWindow32") {
    if (const auto toolbar = OWNDFROMHWND(sender)) return toolbar->Command(nWParam, nLParam);
    return {};
  }
  switch (code) {
    case 0:
      SendMessageA(sender, kClick, 0, 0);
      break;
    case 8:
      SendMessageA(sender, kCommand8, 0, 0);
      break;
    case 1:
      SendMessageA(sender, kChange, 0, 0);
      break;
    default:
      break;
  }
  return {};
}

rt::Value TWindow::Notify(LPARAM nIdCtrl, LPARAM pNMHDR) {
  const long code = GETNMHDRCODE(pNMHDR);
  const auto sender = OWNDFROMHWND(GETNMHDRHWNDFROM(pNMHDR));
  // A window told of itself has no one to pass it to.
  if (!sender || sender.get() == this) return {};
  const rt::Value senderValue(sender);
  if (code == 103 || code == -402) Ask(senderValue, "SELCHANGED");
  if (code == -759) Ask(senderValue, "Changed");
  return sender->Notify(nIdCtrl, pNMHDR);
}

rt::Value TWindow::VScroll(LPARAM nWParam, LPARAM nLParam) { return Scroll(oVScroll, nWParam, nLParam); }
rt::Value TWindow::HScroll(LPARAM nWParam, LPARAM nLParam) { return Scroll(oHScroll, nWParam, nLParam); }

rt::Value TWindow::CtlColor(LPARAM hWndChild, LPARAM hDCChild) {
  const HWND child = AsHandle(hWndChild);
  if (GetDlgCtrlID(child) == 65535 || GETPARENT(child) != hWnd) return {};
  return rt::Value(static_cast<long>(SendMessageA(child, kColors, static_cast<WPARAM>(hDCChild), 0)));
}

rt::Value TWindow::SysCommand(LPARAM nWParam, LPARAM nLParam) {
  if (nWParam == kKeyMenu) {
    if (const rt::Value handler = rt::SETKEY(kF10); handler.IsBlock()) {
      handler.Eval(rt::PROCNAME(0), rt::PROCLINE(0), Self());
      return rt::Value(0);
    }
  }
  if (nWParam < kFirstSystemCommand && oSysMenu.IsObject()) return Ask(oSysMenu, "Command", nWParam, nLParam);
  if (nWParam == kClose || nWParam == kCloseAlt) return rt::Value(End());
  return {};
}

rt::Value TWindow::DrawItem(LPARAM nWParam, LPARAM nLParam) {
  // Menu items (id 0) are drawn by the menu that shows them.
  if (nWParam == 0) return Ask(oPopup.IsObject() ? oPopup : oMenu, "DrawItem", nLParam);
  const HWND child = GetDlgItem(hWnd, static_cast<int>(nWParam));
  if (!child) return {};
  return rt::Value(static_cast<long>(SendMessageA(child, kDrawItem, static_cast<WPARAM>(nWParam), nLParam)));
}

rt::Value TWindow::MeasureItem(LPARAM nWParam, LPARAM nLParam) {
  if (nWParam == 0) return Ask(oPopup.IsObject() ? oPopup : oMenu, "MeasureItem", nLParam);
  return Ask(ControlWithId(aControls, nWParam), "FillMeasure", nLParam);
}

rt::Value TWindow::MenuSelect(long nItem, long nFlags, LPARAM hMenu) {
  DestroyToolTip();
  oMItemSelect = SelectedMenuItem(nItem, nFlags, hMenu);
  // The message bar tells what the selected item does (its default text
  // for an item without a message); a closed menu gives the bar back what
  // it showed before.
  if (hMenu == 0 && nFlags == 0xFFFF) {
    if (MsgBeforeMenu()) SetMsg(rt::Value(*std::exchange(MsgBeforeMenu(), std::nullopt)));
  } else {
    if (!MsgBeforeMenu()) MsgBeforeMenu() = MsgShown();
    const rt::Value message = Ask(oMItemSelect, "cMsg");
    SetMsg(message.IsString() ? message : rt::Value(std::string()));
  }
  return bMenuSelect.IsBlock() ? bMenuSelect.Eval(oMItemSelect, nFlags, hMenu) : rt::Value();
}

rt::Value TWindow::MenuChar(long nKey, long, LPARAM hMenu) {
  // The item whose "&" letter is the typed key is executed. The prompts
  // are the menu object's: an owner-drawn entry has no native text.
  const auto menu = reinterpret_cast<HMENU>(static_cast<std::intptr_t>(hMenu));
  const rt::Value items = Ask(OpenPopup(hMenu), "aItems");
  const int count = GetMenuItemCount(menu);
  const int key = std::toupper(static_cast<unsigned char>(nKey));
  for (int pos = 0; pos < count; ++pos) {
    std::string text;
    if (items.IsArray() && static_cast<std::size_t>(pos) < items.Len()) {
      const rt::Value prompt = Ask(items.At(static_cast<std::size_t>(pos) + 1), "cPrompt");
      if (prompt.IsString()) text = prompt.AsString();
    } else {
      char prompt[256] = {};
      GetMenuStringA(menu, static_cast<UINT>(pos), prompt, sizeof prompt, MF_BYPOSITION);
      text = prompt;
    }
    const auto amp = text.find('&');
    if (amp != std::string::npos && amp + 1 < text.size() &&
        std::toupper(static_cast<unsigned char>(text[amp + 1])) == key) {
      return rt::Value(static_cast<long>(svc::NMAKELONG(pos, MNC_EXECUTE)));
    }
  }
  return rt::Value(0);
}

rt::Value TWindow::InitMenuPopup(LPARAM hMenu, long, bool lSysMenu) {
  // Only the pop-up being opened is initialised: oPopup stays the context
  // menu that TMenu's Activate is tracking, so that commands of the bar and
  // of child controls never go to a drop-down that has closed.
  return Ask(lSysMenu ? oSysMenu : OpenPopup(hMenu), "Initiate", hMenu);
}

rt::Value TWindow::DropFiles(LPARAM hDrop) {
  const auto drop = reinterpret_cast<HDROP>(static_cast<std::intptr_t>(hDrop));
  rt::Value result;
  if (bDropFiles.IsBlock()) {
    const rt::Value point = rt::Value::Array({0, 0});
    svc::DRAGQUERYPOINT(drop, point);
    // The block takes the row (y) first and the column (x) second.
    result = bDropFiles.Eval(point.At(2), point.At(1), svc::DRAGQUERYFILES(drop));
  }
  svc::DRAGFINISH(drop);
  return result;
}

rt::Value TWindow::DropOver(long nRow, long nCol, LPARAM nKeyFlags) {
  return bDropOver.IsBlock() ? bDropOver.Eval(GETDROPINFO(), nRow, nCol, nKeyFlags) : rt::Value();
}

rt::Value TWindow::AsyncSelect(LPARAM nWParam, LPARAM nLParam) {
  return bSocket.IsBlock() ? bSocket.Eval(nWParam, nLParam) : rt::Value();
}

rt::Value TWindow::TaskBar(LPARAM nWParam, LPARAM nLParam) {
  return bTaskBar.IsBlock() ? bTaskBar.Eval(nWParam, nLParam) : rt::Value();
}

rt::Value TWindow::CommNotify(LPARAM nWParam, LPARAM nLParam) {
  return bCommNotify.IsBlock() ? bCommNotify.Eval(nWParam, nLParam) : rt::Value();
}

rt::Value TWindow::DdeInitiate(LPARAM hWndClient, long nApp, long nTopic) {
  if (!bDdeInit.IsBlock()) return {};
  if (!bDdeInit.Eval(svc::GLOBALGETATOMNAME(nApp), svc::GLOBALGETATOMNAME(nTopic)).AsLogical()) return {};
  SendMessageA(AsHandle(hWndClient), WM_DDE_ACK, reinterpret_cast<WPARAM>(hWnd), svc::NMAKELONG(nApp, nTopic));
  return rt::Value(0);
}

rt::Value TWindow::DdeExecute(LPARAM hWndClient, LPARAM nLParam) {
  UINT_PTR unused = 0, commands = 0;
  UnpackDDElParam(WM_DDE_EXECUTE, static_cast<LPARAM>(nLParam), &unused, &commands);
  const auto memory = reinterpret_cast<HGLOBAL>(commands);
  std::string command;
  if (const auto* text = static_cast<const char*>(GlobalLock(memory))) {
    command = text;
    GlobalUnlock(memory);
  }
  if (bDdeExecute.IsBlock()) bDdeExecute.Eval(command);
  // A positive acknowledgement, handing the command memory back.
  ::DDEACK ack{};
  ack.fAck = 1;
  static_assert(sizeof(::DDEACK) == sizeof(WORD));
  const WORD status = std::bit_cast<WORD>(ack);
  PostMessageA(AsHandle(hWndClient), WM_DDE_ACK, reinterpret_cast<WPARAM>(hWnd),
               ReuseDDElParam(static_cast<LPARAM>(nLParam), WM_DDE_EXECUTE, WM_DDE_ACK, status, commands));
  return rt::Value(0);
}

rt::Value TWindow::DdeAck(LPARAM hWndServer, LPARAM nLParam) {
  DDEACK(svc::HandleOf<HWND>(hWndServer), nLParam);
  return rt::Value(0);
}

rt::Value TWindow::DdeTerminate(LPARAM hWndPartner, LPARAM nLParam) {
  DDETERMINATE(svc::HandleOf<HWND>(hWndPartner), nLParam, hWnd);
  return rt::Value(0);
}

rt::Value TWindow::Timer(LPARAM nWParam, LPARAM) { return rt::Value(svc::TIMEREVENT(nWParam)); }

// The bitmap layer keeps the palettes of the program's pictures: it
// realises the foreground one and repaints the windows of the others.
rt::Value TWindow::PaletteChanged(LPARAM hWndChanging) {
  gfx::PALCHGEVENT(AsHandle(hWndChanging));
  return {};
}

rt::Value TWindow::QueryNewPalette() {
  if (ISICONIC(hWnd)) return rt::Value(0);
  return rt::Value(gfx::QRYNEWPALEVENT(hWnd));
}

rt::Value TWindow::QueryEndSession() { return rt::Value(End() ? 1 : 0); }

rt::Value TWindow::GetMinMaxInfo(LPARAM pMinMaxInfo) {
  if (!aMinMaxInfo.IsArray()) return {};
  SETMINMAX(pMinMaxInfo, aMinMaxInfo);
  return rt::Value(0);
}

}  // namespace core
