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

// Never destroyed: items held by a program's own lasting state (a menu
// item it keeps to enable later) die among the static objects at the
// process's exit, after a static set would already be gone.
std::set<long>& LivingIds() {
  static auto& ids = *new std::set<long>;
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

rt::Value NamesArray(const std::vector<std::string>& names) {
  rt::Value array = rt::Value::Array();
  for (const std::string& name : names) array.Items().push_back(rt::Value(name));
  return array;
}

// Element n (from 1) of a class table; NIL outside it.
rt::Value TableEntry(const std::vector<std::string>& names, const rt::Value& n) {
  const long i = n.IsNumber() ? n.AsInt() : 0;
  return i >= 1 && i <= static_cast<long>(names.size()) ? rt::Value(names[static_cast<std::size_t>(i - 1)])
                                                         : rt::Value();
}

}  // namespace

const std::vector<std::string>& MenuItemProperties() {
  static const std::vector<std::string> names{"cCaption", "cMsg", "cVarName", "lActive", "lBreak", "lChecked", "nId"};
  return names;
}

const std::vector<std::string>& MenuItemEvents() {
  static const std::vector<std::string> names{"OnActivate", "OnClick"};
  return names;
}

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
  if (const auto sub = Submenu()) {
    sub->attached_ = false;
    sub->End();
  }
}

TMenuItem& TMenuItem::ReDefine(const MenuItemRedefinition& a) {
  const rt::Value menuValue = a.oMenu.IsObject() ? a.oMenu : oMenu;
  const auto menu = menuValue.IsObject() ? menuValue.As<TMenu>() : nullptr;
  const auto existing =
      menu && a.nId.IsNumber() ? menu->GetMenuItem(a.nId.AsInt()).As<TMenuItem>() : std::shared_ptr<TMenuItem>();
  if (!existing) return *this;
  if (a.cMsg.IsString()) existing->cMsg = a.cMsg.AsString();
  if (!a.bAction2.IsNil())
    existing->bAction = a.bAction2;
  else if (!a.bAction.IsNil())
    existing->bAction = a.bAction;
  if (a.nVKState.IsNumber()) existing->nVKState = a.nVKState.AsInt();
  if (a.nVirtKey.IsNumber()) existing->nVirtKey = a.nVirtKey.AsInt();
  if (a.nHelpId.IsNumber()) existing->nHelpId = a.nHelpId.AsInt();
  if (!a.bWhen.IsNil()) existing->bWhen = a.bWhen;
  if (a.cResName.IsString() && !a.cResName.AsString().empty()) {
    existing->End();
    existing->hBitmap = gfx::LOADBITMAP(svc::HandleOf<HINSTANCE>(svc::GETRESOURCES()), a.cResName);
  } else if (a.cBmpFile.IsString() && rt::FileExists(a.cBmpFile.AsString())) {
    existing->End();
    existing->hBitmap = gfx::READBITMAP(nullptr, a.cBmpFile.AsString());
  }
  if (a.lChecked.IsLogical()) existing->SetCheck(a.lChecked.AsLogical());
  if (a.lActive.IsLogical()) a.lActive.AsLogical() ? existing->Enable() : existing->Disable();
  if (a.cPrompt.IsString()) existing->SetPrompt(a.cPrompt.AsString());
  // This object now stands for the bound item; the id stays the item's.
  if (nId && nId != existing->nId) LivingIds().erase(nId);
  LivingIds().insert(existing->nId);
  cPrompt = existing->cPrompt;
  cMsg = existing->cMsg;
  cVarName = existing->cVarName;
  nId = existing->nId;
  nHelpId = existing->nHelpId;
  bAction = existing->bAction;
  bWhen = existing->bWhen;
  cWebAction = existing->cWebAction;
  lActive = existing->lActive;
  lBreak = existing->lBreak;
  lChecked = existing->lChecked;
  lHelp = existing->lHelp;
  oMenu = existing->oMenu;
  nVKState = existing->nVKState;
  nVirtKey = existing->nVirtKey;
  Cargo = existing->Cargo;
  nFlags = existing->nFlags;
  return *this;
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
            "aProperties", [](const Object&) { return NamesArray(MenuItemProperties()); }, nullptr);
        c.AddData(
            "aEvents", [](const Object&) { return NamesArray(MenuItemEvents()); }, nullptr);
        c.AddData(
            "nInitId", [](const Object&) { return rt::Value(MenuItemInitId()); }, nullptr);
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
            .Method("ReDefine",
                    [](TMenuItem& m, rt::Args a) {
                      auto arg = [&a](std::size_t i) -> const rt::Value& { return rt::Arg(a, i); };
                      return m
                          .ReDefine(MenuItemRedefinition{arg(0), arg(1), arg(2), arg(3), arg(4), arg(5), arg(6),
                                                         arg(7), arg(8), arg(9), arg(10), arg(11), arg(12), arg(13)})
                          .Self();
                    })
            .Method("PropCount",
                    [](TMenuItem&, rt::Args) { return rt::Value(static_cast<long>(MenuItemProperties().size())); })
            .Method("EveCount",
                    [](TMenuItem&, rt::Args) { return rt::Value(static_cast<long>(MenuItemEvents().size())); })
            .Method("Property", [](TMenuItem&, rt::Args a) { return TableEntry(MenuItemProperties(), rt::Arg(a, 0)); })
            .Method("Event", [](TMenuItem&, rt::Args a) { return TableEntry(MenuItemEvents(), rt::Arg(a, 0)); })
            // The designer's editors and a redraw hook: an item has neither.
            .Method("Inspect", [](TMenuItem&, rt::Args) { return rt::Value(); })
            .Method("Refresh", [](TMenuItem&, rt::Args) { return rt::Value(); })
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
