#include "controls/tmenuitem.h"

#include <cassert>
#include <set>

#include "controls/menu_functions.h"
#include "controls/tmenu.h"
#include "core/twindow.h"
#include "graphics/bitmap.h"
#include "graphics/class_names.h"
#include "graphics/dc.h"
#include "runtime/files.h"
#include "services/help.h"
#include "services/int32.h"
#include "services/resources.h"

namespace ctl {
namespace {

constexpr long kFirstId = 20001;
constexpr long kLastId = 65535;

std::set<long>& LivingIds() {
  static std::set<long> ids;
  return ids;
}

long NextId() {
  long& counter = MenuItemInitId();
  for (long tries = 0; tries <= kLastId - kFirstId; ++tries) {
    counter = counter >= kLastId ? kFirstId : counter + 1;
    if (!IsMenu(svc::HandleOf<HMENU>(counter)) && !LivingIds().contains(counter)) return counter;
  }
  // Every id is taken by a living item: the program has lost track of its
  // menus, and a doubled id would run the wrong action.
  assert(!"no free menu item id");
  return counter;
}

bool Flag(const rt::Value& v, bool fallback) { return v.IsLogical() ? v.AsLogical() : fallback; }

}  // namespace

long& MenuItemInitId() {
  static long nInitId = kFirstId - 1;
  return nInitId;
}

TMenuItem::~TMenuItem() {
  if (nId) LivingIds().erase(nId);
  if (hBitmap) gfx::DELETEOBJECT(hBitmap);
}

TMenuItem& TMenuItem::New(const MenuItemArgs& a) {
  cPrompt = a.cPrompt;
  cMsg = a.cMsg.IsString() ? a.cMsg.AsString() : "";
  lChecked = Flag(a.lChecked, false);
  lActive = Flag(a.lActive, true);
  bAction = a.bAction;
  lHelp = Flag(a.lHelp, false);
  lBreak = Flag(a.lBreak, false);
  nHelpId = a.nHelpId.IsNumber() ? a.nHelpId.AsInt() : 0;
  bWhen = a.bWhen;
  nVKState = a.nVKState.IsNumber() ? a.nVKState.AsInt() : 0;
  nVirtKey = a.nVirtKey.IsNumber() ? a.nVirtKey.AsInt() : 0;
  hBitmap = nullptr;
  if (nId) LivingIds().erase(nId);
  nId = NextId();
  LivingIds().insert(nId);
  const std::string bmpFile = a.cBmpFile.IsString() ? a.cBmpFile.AsString() : "";
  if (a.cResName.IsString() && !a.cResName.AsString().empty()) {
    hBitmap = gfx::LOADBITMAP(svc::HandleOf<HINSTANCE>(svc::GETRESOURCES()), a.cResName);
  } else if (!bmpFile.empty() && rt::FileExists(bmpFile)) {
    hBitmap = gfx::READBITMAP(nullptr, bmpFile);
  }
  return *this;
}

std::shared_ptr<TMenu> TMenuItem::Submenu() const { return bAction.IsObject() ? bAction.As<TMenu>() : nullptr; }

namespace {

HMENU MenuOf(const TMenuItem& item) {
  const auto menu = item.oMenu.IsObject() ? item.oMenu.As<TMenu>() : nullptr;
  return menu ? menu->hMenu : nullptr;
}

// A submenu entry is found in its menu by its submenu's handle.
UINT_PTR NativeId(const TMenuItem& item) {
  if (const auto sub = item.Submenu()) return reinterpret_cast<UINT_PTR>(sub->hMenu);
  return static_cast<UINT_PTR>(item.nId);
}

}  // namespace

void TMenuItem::SetCheck(bool lOnOff) {
  lChecked = lOnOff;
  CHECKMENUITEM(MenuOf(*this), static_cast<UINT>(NativeId(*this)), lOnOff ? MF_CHECKED : MF_UNCHECKED);
  nFlags = lOnOff ? (nFlags | MF_CHECKED) : (nFlags & ~UINT(MF_CHECKED));
}

void TMenuItem::Enable() {
  lActive = true;
  ENABLEMENUITEM(MenuOf(*this), static_cast<UINT>(NativeId(*this)), MF_ENABLED);
  nFlags &= ~UINT(MF_GRAYED | MF_DISABLED);
  if (const auto sub = Submenu()) sub->Enable();
}

void TMenuItem::Disable() {
  lActive = false;
  ENABLEMENUITEM(MenuOf(*this), static_cast<UINT>(NativeId(*this)), MF_GRAYED | MF_DISABLED);
  nFlags |= MF_GRAYED | MF_DISABLED;
  if (const auto sub = Submenu()) sub->Disable();
}

void TMenuItem::End() {
  if (hBitmap) gfx::DELETEOBJECT(hBitmap);
  hBitmap = nullptr;
}

void TMenuItem::SetPrompt(const std::string& prompt) {
  cPrompt = rt::Value(prompt);
  const HMENU menu = MenuOf(*this);
  if (!menu) return;
  // The flags Add gave the entry stay, owner-drawing included.
  ModifyMenuA(menu, static_cast<UINT>(NativeId(*this)), MF_BYCOMMAND | (nFlags & ~UINT(MF_BYPOSITION)), NativeId(*this),
              prompt.c_str());
  const auto holder = oMenu.As<TMenu>();
  if (const auto window = holder && holder->oWnd.IsObject() ? holder->oWnd.As<core::TWindow>() : nullptr)
    DRAWMENUBAR(window->hWnd);
}

void TMenuItem::HelpTopic() {
  if (nHelpId) {
    svc::HELPTOPIC(rt::Value(nHelpId));
  } else if (const auto menu = oMenu.IsObject() ? oMenu.As<TMenu>() : nullptr) {
    menu->HelpTopic();
  } else {
    svc::HELPINDEX();
  }
}

// The entry leaves its menu before its submenu is destroyed, so that the
// menu never holds a dead submenu handle.
void TMenuItem::Destroy() {
  const UINT_PTR native = NativeId(*this);
  const rt::Value self = Self();  // alive while its menu lets it go
  if (const auto menu = oMenu.IsObject() ? oMenu.As<TMenu>() : nullptr) {
    auto& items = menu->aItems.Items();
    std::erase_if(items, [this](const rt::Value& v) { return v.AsObject().get() == this; });
    if (menu->hMenu) REMOVEMENU(menu->hMenu, static_cast<UINT>(native), MF_BYCOMMAND);
  }
  if (const auto sub = Submenu()) sub->End();
}

TMenuItem& TMenuItem::New(std::string prompt, long id) {
  New(MenuItemArgs{.cPrompt = rt::Value(std::move(prompt))});
  LivingIds().erase(nId);
  nId = id;
  LivingIds().insert(nId);
  return *this;
}

const rt::ClassInfo& TMenuItem::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kMenuItem), &rt::Object::ClassDef(), rt::FactoryOf<TMenuItem>(), [](rt::ClassInfo& c) {
        c.AddData(
            "hBitmap",
            [](const Object& o) { return rt::Value(svc::HandleNumber(static_cast<const TMenuItem&>(o).hBitmap)); },
            [](Object& o, const rt::Value& v) {
              static_cast<TMenuItem&>(o).hBitmap = svc::HandleOf<HBITMAP>(svc::ToHandle(v));
            });
        c.AddData(
            "cCaption", [](const Object& o) { return static_cast<const TMenuItem&>(o).cPrompt; },
            [](Object& o, const rt::Value& v) { static_cast<TMenuItem&>(o).SetPrompt(v.AsString()); });
        rt::ClassBuilder<TMenuItem>(c)
            .Data("cPrompt", &TMenuItem::cPrompt)
            .Data("cMsg", &TMenuItem::cMsg)
            .Data("cVarName", &TMenuItem::cVarName)
            .Data("nId", &TMenuItem::nId)
            .Data("nHelpId", &TMenuItem::nHelpId)
            .Data("bAction", &TMenuItem::bAction)
            .Data("bWhen", &TMenuItem::bWhen)
            .Data("cWebAction", &TMenuItem::cWebAction)
            .Data("lActive", &TMenuItem::lActive)
            .Data("lBreak", &TMenuItem::lBreak)
            .Data("lChecked", &TMenuItem::lChecked)
            .Data("lHelp", &TMenuItem::lHelp)
            .Data("oMenu", &TMenuItem::oMenu)
            .Data("nVKState", &TMenuItem::nVKState)
            .Data("nVirtKey", &TMenuItem::nVirtKey)
            .Data("Cargo", &TMenuItem::Cargo)
            .Method("New",
                    [](TMenuItem& m, rt::Args a) {
                      auto arg = [&a](std::size_t i) -> const rt::Value& { return rt::Arg(a, i); };
                      return m
                          .New(MenuItemArgs{arg(0), arg(1), arg(2), arg(3), arg(4), arg(5), arg(6), arg(7), arg(8),
                                            arg(9), arg(10), arg(11), arg(12)})
                          .Self();
                    })
            .Method("SetCheck",
                    [](TMenuItem& m, rt::Args a) {
                      m.SetCheck(!a.empty() && a[0].AsLogical());
                      return rt::Value();
                    })
            .Method("Enable",
                    [](TMenuItem& m, rt::Args) {
                      m.Enable();
                      return rt::Value();
                    })
            .Method("Disable",
                    [](TMenuItem& m, rt::Args) {
                      m.Disable();
                      return rt::Value();
                    })
            .Method("End",
                    [](TMenuItem& m, rt::Args) {
                      m.End();
                      return rt::Value();
                    })
            .Method("SetPrompt",
                    [](TMenuItem& m, rt::Args a) {
                      m.SetPrompt(a.empty() ? "" : a[0].AsString());
                      return rt::Value();
                    })
            .Method("HelpTopic",
                    [](TMenuItem& m, rt::Args) {
                      m.HelpTopic();
                      return rt::Value();
                    })
            .Method("Destroy",
                    [](TMenuItem& m, rt::Args) {
                      m.Destroy();
                      return rt::Value();
                    })
            .Method("Save", [](TMenuItem& m, rt::Args) { return rt::Value(m.Save()); })
            .Method("Load", [](TMenuItem& m, rt::Args a) {
              m.Load(a.empty() ? "" : a[0].AsString());
              return rt::Value();
            });
      });
  return info;
}
RT_CLASS_REGISTER(TMenuItem);

}  // namespace ctl
