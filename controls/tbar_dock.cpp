// Moving the button bar: docking at a side of its owner, floating in a tool
// window, and the menus that offer the places.
#include <memory>
#include <string>

#include "controls/tbar.h"
#include "controls/tbtnbmp.h"
#include "controls/tmenu.h"
#include "core/send_soft.h"
#include "core/window_defaults.h"
#include "graphics/class_names.h"
#include "graphics/colour.h"

namespace controls {

namespace {

// Extra width of a side bar for the drop-down arrows of its buttons.
constexpr int kDropDownExtra = 12;
// Extra width of the tool window per drop-down button.
constexpr int kFloatDropDown = 14;

struct Place {
  const char* prompt;
  int mode;
};
// The floating window's menus offer the places in this order.
constexpr Place kTopFirst[] = {{"&Top", kBarTop}, {"&Left", kBarLeft}, {"&Right", kBarRight}, {"&Bottom", kBarBottom}};
constexpr Place kSysOrder[] = {{"&Top", kBarTop}, {"&Bottom", kBarBottom}, {"&Left", kBarLeft}, {"&Right", kBarRight}};

std::shared_ptr<ctl::TMenuItem> Item(const char* prompt, bool active, rt::Value action) {
  auto item = std::make_shared<ctl::TMenuItem>();
  item->New(ctl::MenuItemArgs{.cPrompt = rt::Value(prompt), .lActive = rt::Value(active), .bAction = std::move(action)});
  return item;
}

std::shared_ptr<ctl::TMenuItem> Separator() {
  auto item = std::make_shared<ctl::TMenuItem>();
  item->New();
  return item;
}

}  // namespace

bool TBar::PlaceFree(int mode) const {
  const auto owner = Container();
  if (!owner) return false;
  switch (mode) {
    case kBarTop: return !owner->oTop.IsObject() && !owner->oBar.IsObject();
    case kBarLeft: return !owner->oLeft.IsObject();
    case kBarRight: return !owner->oRight.IsObject();
    case kBarBottom: return !owner->oBottom.IsObject() && !owner->oMsgBar.IsObject();
    default: return true;
  }
}

void TBar::ClearOwnerSlot() {
  const auto owner = Container();
  if (!owner) return;
  const auto clear = [this](rt::Value& slot) {
    if (slot.AsObject().get() == this) slot = rt::Value();
  };
  switch (nMode) {
    case kBarTop:
      clear(owner->oBar);
      clear(owner->oTop);
      break;
    case kBarLeft: clear(owner->oLeft); break;
    case kBarRight: clear(owner->oRight); break;
    case kBarBottom: clear(owner->oBottom); break;
    default: break;
  }
}

void TBar::FillOwnerSlot() {
  const auto owner = Container();
  if (!owner) return;
  switch (nMode) {
    case kBarTop:
      owner->oBar = Self();
      owner->oTop = Self();
      break;
    case kBarLeft: owner->oLeft = Self(); break;
    case kBarRight: owner->oRight = Self(); break;
    case kBarBottom: owner->oBottom = Self(); break;
    default: break;
  }
}

void TBar::RepaintMdiClient() const {
  const auto owner = Container();
  if (!owner || !owner->IsKindOf(vdclass::kMdiFrame)) return;
  if (const auto client = core::Ask(oWnd, "oWndClient").As<core::TWindow>()) {
    InvalidateRect(client->hWnd, nullptr, TRUE);
  }
}

void TBar::Dock(int mode) {
  if (nMode == mode) return;
  const auto owner = Container();
  ClearOwnerSlot();
  nMode = mode;
  FillOwnerSlot();
  RECT client{};
  if (owner && owner->hWnd) GetClientRect(owner->hWnd, &client);
  if (Horizontal()) {
    SetSize(client.right + 2, static_cast<int>(nBtnHeight) + (l3D ? 2 : 1));
  } else {
    const int width = static_cast<int>(nBtnWidth) + (l3D ? 5 : 3) + (AnyDropDown() ? kDropDownExtra : 0);
    SetSize(width, client.bottom);
  }
  if (owner && owner->hWnd) owner->ReSize(SIZE_RESTORED, client.right, client.bottom);
  RepaintMdiClient();
  BtnAdjust();
  if (mode == kBarTop) Refresh();
}

void TBar::GoTop() { Dock(kBarTop); }
void TBar::GoLeft() { Dock(kBarLeft); }
void TBar::GoRight() { Dock(kBarRight); }
void TBar::GoDown() { Dock(kBarBottom); }

rt::Value TBar::DockMenu() {
  auto menu = std::make_shared<ctl::TMenu>();
  menu->New(true);
  const std::weak_ptr<TBar> weak = std::static_pointer_cast<TBar>(shared_from_this());
  for (const Place& place : kTopFirst) {
    if (place.mode == nMode) continue;
    const int mode = place.mode;
    menu->Add(Item(place.prompt, PlaceFree(mode), rt::Value::Block([weak, mode](rt::Args) {
                     if (const auto bar = weak.lock()) bar->Dock(mode);
                     return rt::Value();
                   })));
  }
  menu->Add(Separator());
  menu->Add(Item("&Float", true, rt::Value::Block([weak](rt::Args) {
                   if (const auto bar = weak.lock()) bar->Float();
                   return rt::Value();
                 })));
  return rt::Value(menu);
}

rt::Value TBar::RButtonDown(long nRow, long nCol, long nFlags) {
  if (bRClicked.IsBlock()) return bRClicked.Eval(nRow, nCol, nFlags);
  const rt::Value menu = DockMenu();
  menu.As<ctl::TMenu>()->Activate(nRow, nCol, Self());
  return rt::Value(0);
}

void TBar::SizeFloatWindow() {
  if (!floatWnd_ || !floatWnd_->hWnd) return;
  const std::size_t count = ButtonCount();
  int width = 2 * static_cast<int>(nBtnWidth) + (l3D ? -2 : 2);
  int dropDowns = 0;
  for (std::size_t i = 0; i < count && dropDowns < 2; ++i) {
    if (const auto b = Button(i); b && b->oPopup.IsObject()) ++dropDowns;
  }
  width += kFloatDropDown * dropDowns;
  const int rows = static_cast<int>((count + 1) / 2);
  const int height = GetSystemMetrics(SM_CYCAPTION) + 1 + (static_cast<int>(nBtnHeight) + (l3D ? -5 : 1)) * rows + 10;
  floatWnd_->SetSize(width, height, true);
}

void TBar::Float() {
  if (nMode == kBarFloat) return;
  const auto owner = Container();
  if (!owner || !owner->hWnd || !hWnd) return;
  ClearOwnerSlot();
  nMode = kBarFloat;
  const rt::Value client = owner->IsKindOf(vdclass::kMdiFrame) ? core::Ask(oWnd, "oWndClient") : rt::Value();
  const rt::Value home = client.IsObject() ? client : oWnd;
  const std::weak_ptr<TBar> weak = std::static_pointer_cast<TBar>(shared_from_this());
  const rt::Value defaultWnd = core::GETWNDDEFAULT();
  auto tool = std::make_shared<core::TWindow>();
  core::WindowArgs w;
  w.nTop = 0;
  w.nLeft = 0;
  w.nBottom = 10;
  w.nRight = 10;
  w.cTitle = "";
  w.nStyle = static_cast<double>(WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN);
  w.oWnd = home;
  w.lPixel = true;
  w.nClrFore = static_cast<double>(gfx::GETSYSCOLOR(COLOR_BTNTEXT));
  w.nClrBack = static_cast<double>(gfx::GETSYSCOLOR(COLOR_BTNFACE));
  tool->New(w);
  core::SETWNDDEFAULT(defaultWnd);
  tool->ToolWindow();
  floatWnd_ = tool;
  // The buttons live in the tool window: closing it otherwise than by a
  // place would end them with it.
  tool->bValid = rt::Value::Block([weak](rt::Args) {
    const auto bar = weak.lock();
    return rt::Value(!bar || bar->nMode != kBarFloat);
  });
  tool->bRClicked = rt::Value::Block([weak](rt::Args a) {
    if (const auto bar = weak.lock()) bar->FloatClick(rt::Arg(a, 0).AsInt(), rt::Arg(a, 1).AsInt(), rt::Value(bar->floatWnd_));
    return rt::Value();
  });
  auto sysMenu = std::make_shared<ctl::TMenu>();
  sysMenu->NewSys(rt::Value(tool));
  sysMenu->Add(Separator());
  for (const Place& place : kSysOrder) {
    const int mode = place.mode;
    sysMenu->Add(Item(place.prompt, PlaceFree(mode), rt::Value::Block([weak, mode](rt::Args) {
                        if (const auto bar = weak.lock()) bar->Unfloat(mode);
                        return rt::Value();
                      })));
  }
  tool->oSysMenu = rt::Value(sysMenu);
  for (std::size_t i = 0; i < ButtonCount(); ++i) {
    if (const auto b = Button(i); b && b->hWnd) SetParent(b->hWnd, tool->hWnd);
  }
  SizeFloatWindow();
  POINT at{30, 30};
  ClientToScreen(hWnd, &at);
  ScreenToClient(GetParent(tool->hWnd), &at);
  tool->MoveCorner(at.y, at.x);
  Hide();
  RECT area{};
  GetClientRect(owner->hWnd, &area);
  owner->ReSize(SIZE_RESTORED, area.right, area.bottom);
  tool->Show();
  BtnAdjust();
  tool->SetFocus();
  RepaintMdiClient();
}

void TBar::Unfloat(int mode) {
  if (nMode != kBarFloat || !floatWnd_) return;
  const auto tool = floatWnd_;
  tool->Hide();
  for (std::size_t i = 0; i < ButtonCount(); ++i) {
    if (const auto b = Button(i); b && b->hWnd) SetParent(b->hWnd, hWnd);
  }
  // Docked from the float: any place is new to the bar.
  nMode = 0;
  Show();
  Dock(mode);
  floatWnd_ = nullptr;
  tool->End();
}

void TBar::FloatClick(long nRow, long nCol, const rt::Value& oFloatWnd) {
  auto menu = std::make_shared<ctl::TMenu>();
  menu->New(true);
  const std::weak_ptr<TBar> weak = std::static_pointer_cast<TBar>(shared_from_this());
  for (const Place& place : kTopFirst) {
    const int mode = place.mode;
    menu->Add(Item(place.prompt, PlaceFree(mode), rt::Value::Block([weak, mode](rt::Args) {
                     if (const auto bar = weak.lock()) bar->Unfloat(mode);
                     return rt::Value();
                   })));
  }
  menu->Activate(nRow, nCol, oFloatWnd);
}

}  // namespace controls
