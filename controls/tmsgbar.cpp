#include "controls/tmsgbar.h"

#include <utility>

#include <algorithm>

#include "controls/control_owner.h"
#include "controls/running_time.h"
#include "graphics/colour.h"
#include "graphics/cursors.h"
#include "graphics/fonts.h"
#include "graphics/msg_paint.h"
#include "runtime/dates.h"
#include "runtime/strings.h"
#include "runtime/transform.h"
#include "runtime/value_text.h"
#include "services/compat.h"
#include "services/display_info.h"
#include "services/int32.h"
#include "services/keyboard.h"
#include "services/process.h"
#include "services/win_version.h"

namespace controls {

namespace {

constexpr UINT kTickMilliseconds = 400;
constexpr int kVkNum = 144, kVkCaps = 20, kVkIns = 45;

std::string Thousands(double n) { return rt::ALLTRIM(rt::TRANSFORM(rt::Value(n), "999,999,999,999")); }

}  // namespace

std::string ResourceReadOut(double memUsed, double memMax, int freeResources, const std::string& runningTime) {
  return "(32 bits) MemUsed: " + Thousands(memUsed) + " MemMax: " + Thousands(memMax) +
         " Resources: " + std::to_string(freeResources) + "%" + " Running time: " + runningTime;
}

TMsgBar& TMsgBar::New(const MsgBarArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const auto owner = oWnd.As<core::TWindow>();
  cMsgDef = a.cMsg.IsString() ? a.cMsg.AsString() : std::string();
  cMsg = rt::Value(cMsgDef);
  lCentered = rt::IsTrue(a.lCentered);
  lInset = a.lInset.IsLogical() ? a.lInset.AsLogical() : true;
  nClrText = a.nClrText.IsNumber() ? svc::ToInt32(a.nClrText) : 0;
  nClrPane = a.nClrPane.IsNumber() ? svc::ToInt32(a.nClrPane) : gfx::GETSYSCOLOR(COLOR_BTNFACE);
  KeepFont(a.oFont.As<gfx::TFont>());
  nStyle = WS_VISIBLE | WS_CHILD | WS_BORDER;
  RECT client{};
  if (owner && owner->hWnd) GetClientRect(owner->hWnd, &client);
  nBarHeight = gfx::GETTEXTHEIGHT(owner ? owner->hWnd : nullptr) + 8;
  nTop = client.bottom - nBarHeight;
  nBottom = client.bottom;
  nLeft = -1;
  nRight = client.right + 1;
  aItem.clear();
  // The window's text is the message shown, for whoever reads the screen.
  cCaption = cMsgDef;
  Register();
  Create();
  if (owner) owner->oMsgBar = Self();
  Default();
  if (rt::IsTrue(a.lKeyboard)) KeybOn();
  if (rt::IsTrue(a.lDate)) DateOn();
  if (rt::IsTrue(a.lClock)) ClockOn();
  return *this;
}

void TMsgBar::Default() {
  if (oFont) {
    // Given by the caller: New has taken the bar's use of it.
    SetFont(oFont);
  } else {
    // Set first, then the creation's use is dropped: the bar holds exactly
    // one use, and the font lives as long as the bar.
    const auto font = std::make_shared<gfx::TFont>()->New(svc::GETSYSFONT(), 0, -8);
    SetFont(font);
    font->End();
  }
  SetColor(rt::Value(nClrText), rt::Value(nClrPane));
}

void TMsgBar::Adjust() {
  const auto owner = oWnd.As<core::TWindow>();
  if (!owner || !owner->hWnd || !hWnd) return;
  RECT client{};
  GetClientRect(owner->hWnd, &client);
  nTop = client.bottom - nBarHeight;
  nLeft = client.left - 1;
  nBottom = client.bottom;
  nRight = client.right;
  MoveWindow(hWnd, nLeft, nTop, nRight - nLeft + 1, nBottom - nTop + 1, TRUE);
}

void TMsgBar::AddItem(const TMsgItemPtr& item) {
  if (!item) return;
  aItem.push_back(item);
  Refresh();
}

void TMsgBar::InsItem(const TMsgItemPtr& item, const rt::Value& nAt) {
  if (!item || !nAt.IsNumber() || nAt.AsInt() < 1) return;
  const std::size_t at = std::min(static_cast<std::size_t>(nAt.AsInt() - 1), aItem.size());
  aItem.insert(aItem.begin() + static_cast<std::ptrdiff_t>(at), item);
  Refresh();
}

void TMsgBar::DelItem(const TMsgItemPtr& item) {
  const auto it = std::find(aItem.begin(), aItem.end(), item);
  if (it == aItem.end()) return;
  aItem.erase(it);
  nItem = 0;
  Refresh();
}

void TMsgBar::RemoveItem(TMsgItemPtr& member) {
  if (!member) return;
  const auto item = std::exchange(member, nullptr);
  DelItem(item);
  item->Release();
}

void TMsgBar::CheckTimer() {
  if (oTimer) return;
  oTimer = std::make_shared<svc::TTimer>();
  const std::weak_ptr<TMsgBar> weak = std::static_pointer_cast<TMsgBar>(shared_from_this());
  oTimer->New(kTickMilliseconds, rt::Value::Block([weak](rt::Args) {
                if (const auto bar = weak.lock()) bar->TimerEval();
                return rt::Value();
              }),
              Self());
  oTimer->Activate();
}

void TMsgBar::ClockOn() {
  if (oClock) return;
  MsgItemArgs a;
  a.oMsgBar = Self();
  a.cMsg = rt::TIME();
  a.nWidth = GetWidth(rt::TIME()) + 12;
  a.lAdd = true;
  a.bAction = rt::Value::Block([](rt::Args) { return rt::Value(svc::WINEXEC("Control date/time")); });
  oClock = std::make_shared<TMsgItem>();
  oClock->New(a);
  oClock->lTimer = true;
  oClock->bMsg = rt::Value::Block([](rt::Args) { return rt::Value(rt::TIME()); });
  CheckTimer();
}

void TMsgBar::ClockOff() { RemoveItem(oClock); }

void TMsgBar::DateOn() {
  if (oDate) return;
  const std::string today = rt::DTOC(rt::DATE());
  MsgItemArgs a;
  a.oMsgBar = Self();
  a.cMsg = today;
  a.nWidth = GetWidth(today) + 12;
  a.lAdd = true;
  a.bAction = rt::Value::Block([](rt::Args) { return rt::Value(svc::WINEXEC("Control date/time")); });
  oDate = std::make_shared<TMsgItem>();
  oDate->New(a);
  oDate->lTimer = true;
  oDate->bMsg = rt::Value::Block([](rt::Args) { return rt::Value(rt::DTOC(rt::DATE())); });
  CheckTimer();
}

void TMsgBar::DateOff() { RemoveItem(oDate); }

TMsgItemPtr TMsgBar::KeyPanel(const std::string& text, int vkey) {
  MsgItemArgs a;
  a.oMsgBar = Self();
  a.cMsg = text;
  a.nWidth = GetWidth(text) + 12;
  a.lAdd = true;
  auto item = std::make_shared<TMsgItem>();
  const std::weak_ptr<TMsgItem> weak = item;
  a.bAction = rt::Value::Block([weak, vkey](rt::Args) {
    svc::KEYTOGGLE(vkey);
    if (const auto panel = weak.lock()) {
      panel->lActive = panel->lWasActive = svc::GETKEYTOGGLE(vkey);
      panel->Paint();
    }
    return rt::Value();
  });
  item->New(a);
  item->nClrDisabled = gfx::GETSYSCOLOR(COLOR_BTNSHADOW);
  item->lTimer = true;
  item->lActive = item->lWasActive = svc::GETKEYTOGGLE(vkey);
  item->bMsg = rt::Value::Block([weak, vkey, text](rt::Args) {
    if (const auto panel = weak.lock()) panel->lActive = svc::GETKEYTOGGLE(vkey);
    return rt::Value(text);
  });
  return item;
}

void TMsgBar::KeybOn() {
  if (oKeyNum) return;
  oKeyNum = KeyPanel("Num", kVkNum);
  oKeyCaps = KeyPanel("Caps", kVkCaps);
  oKeyIns = KeyPanel("Ins", kVkIns);
  CheckTimer();
}

void TMsgBar::KeybOff() {
  RemoveItem(oKeyNum);
  RemoveItem(oKeyCaps);
  RemoveItem(oKeyIns);
}

long TMsgBar::RightLimit() const {
  if (aItem.empty()) return 0;
  return std::max(1L, aItem.front()->nLeft());
}

void TMsgBar::PaintMessage(HDC dc, bool l3D) {
  gfx::MSGPAINT(hWnd, cMsg.AsString(), cMsgDef, l3D, lCentered, static_cast<int>(RightLimit()),
                static_cast<COLORREF>(nClrText), static_cast<COLORREF>(nClrPane), oFont ? oFont->hFont : nullptr,
                lInset, dc);
  gfx::MSGPAINT3L(hWnd, static_cast<COLORREF>(nClrPane), dc);
}

void TMsgBar::SetMsg(const std::string& cText) {
  if (!hWnd) return;
  const std::string current = cMsg.IsString() ? cMsg.AsString() : std::string();
  if (cText == current) return;
  cMsg = rt::Value(cText);
  SetWindowTextA(hWnd, (cText.empty() ? cMsgDef : cText).c_str());
  const HDC dc = ::GetDC(hWnd);
  PaintMessage(dc, false);
  ::ReleaseDC(hWnd, dc);
}

rt::Value TMsgBar::Paint() {
  const rt::Value restore = DispBegin();
  RECT client{};
  GetClientRect(hWnd, &client);
  if (oBrush) FillRect(hDC, &client, oBrush->hBrush);
  gfx::MSGPAINT(hWnd, cMsg.AsString(), cMsgDef, true, lCentered, static_cast<int>(RightLimit()),
                static_cast<COLORREF>(nClrText), static_cast<COLORREF>(nClrPane), oFont ? oFont->hFont : nullptr,
                lInset, hDC);
  for (const TMsgItemPtr& item : aItem) item->Paint(hDC);
  gfx::MSGPAINT3L(hWnd, static_cast<COLORREF>(nClrPane), hDC);
  DispEnd(restore);
  return {};
}

rt::Value TMsgBar::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  return rt::Value(0);
}

void TMsgBar::TimerEval() {
  // A copy: a panel's block may add or remove panels.
  const std::vector<TMsgItemPtr> items = aItem;
  for (const TMsgItemPtr& item : items) {
    if (item->lTimer) item->Refresh();
  }
  const auto owner = oWnd.As<core::TWindow>();
  if (!owner || !owner->hWnd) return;
  if (lCheckRes) {
    owner->_cTitle(ResourceReadOut(svc::MEMUSED(), svc::MEMMAX(), svc::GETFREESYSTEMRESOURCES(), TIMEFROMSTART()));
  } else if (Cargo.IsString()) {
    owner->_cTitle(Cargo.AsString());
    Cargo = rt::Value();
  }
}

rt::Value TMsgBar::MouseMove(long nRow, long nCol, long nFlags) {
  for (std::size_t i = 0; i < aItem.size(); ++i) {
    if (!aItem[i]->IsOver(nRow, nCol)) continue;
    gfx::CURSORHAND();
    if (static_cast<long>(i) + 1 != nItem) {
      nItem = static_cast<long>(i) + 1;
      DestroyToolTip();
    }
    if (ShowToolTip()) {
      // Above the bar, over the panel: as many rows of 14 pixels as the
      // text has lines of 254 characters.
      const long lines = std::max(1L, (static_cast<long>(cToolTip.AsString().size()) + 253) / 254);
      CheckToolTip(rt::Value(-(lines * 14) - 2), rt::Value(aItem[i]->nLeft()));
    }
    return {};
  }
  DestroyToolTip();
  nItem = 0;
  return TWindow::MouseMove(nRow, nCol, nFlags);
}

rt::Value TMsgBar::LButtonDown(long nRow, long nCol, long nFlags) {
  const std::vector<TMsgItemPtr> items = aItem;
  for (const TMsgItemPtr& item : items) {
    if (item->IsOver(nRow, nCol)) {
      item->Click(nRow, nCol);
      return {};
    }
  }
  return TWindow::LButtonDown(nRow, nCol, nFlags);
}

bool TMsgBar::ShowToolTip() {
  if (nItem < 1 || nItem > static_cast<long>(aItem.size())) return false;
  const TMsgItemPtr& item = aItem[static_cast<std::size_t>(nItem - 1)];
  const rt::Value text = item->cToolTip.IsBlock() ? item->cToolTip.Eval() : item->cToolTip;
  const std::string shown = text.IsString() ? text.AsString() : rt::CVALTOCHAR(text);
  if (shown.empty()) return false;
  cToolTip = rt::Value(shown);
  return true;
}

rt::Value TMsgBar::LDblClick(long nRow, long nCol, long nFlags) {
  if (lInfoRes || lCheckRes) {
    lCheckRes = !lCheckRes;
    if (lCheckRes) {
      if (const auto owner = oWnd.As<core::TWindow>()) Cargo = rt::Value(owner->cTitle());
    }
  }
  return TWindow::LDblClick(nRow, nCol, nFlags);
}

rt::Value TMsgBar::Destroy() {
  // Every panel's pictures and font use go with the bar.
  for (const TMsgItemPtr& item : aItem) item->Release();
  for (TMsgItemPtr* member : {&oKeyNum, &oKeyCaps, &oKeyIns, &oClock, &oDate}) *member = nullptr;
  aItem.clear();
  if (oTimer) std::exchange(oTimer, nullptr)->End();
  return TWindow::Destroy();
}

}  // namespace controls
