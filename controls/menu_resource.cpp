// Menus from the resource library: MENUCLONE copies a native menu entry by
// entry, RESBUILD gives a menu object the items of its native menu.
#include "controls/menu_resource.h"

#include <string>

#include "controls/menu_functions.h"
#include "services/int32.h"
#include "services/resources.h"

namespace ctl {

void MENUCLONE(HMENU hSource, HMENU hTarget) {
  const int count = GetMenuItemCount(hSource);
  for (int pos = 0; pos < count; ++pos) {
    const UINT state = GetMenuState(hSource, pos, MF_BYPOSITION);
    const std::string text = GETMENUSTRING(hSource, pos, MF_BYPOSITION);
    if (state & MF_SEPARATOR) {
      AppendMenuA(hTarget, MF_SEPARATOR, 0, "");
    } else if (HMENU sub = GetSubMenu(hSource, pos)) {
      HMENU copy = CreatePopupMenu();
      MENUCLONE(sub, copy);
      AppendMenuA(hTarget, (state & 0xFF) | MF_POPUP, reinterpret_cast<UINT_PTR>(copy), text.c_str());
    } else {
      AppendMenuA(hTarget, state & 0xFF, GetMenuItemID(hSource, pos), text.c_str());
    }
  }
}

void RESBUILD(TMenu& menu) {
  menu.aItems = rt::Value::Array();
  const int count = GetMenuItemCount(menu.hMenu);
  for (int pos = 0; pos < count; ++pos) {
    const UINT state = GetMenuState(menu.hMenu, pos, MF_BYPOSITION);
    auto item = std::make_shared<TMenuItem>();
    const HMENU sub = GetSubMenu(menu.hMenu, pos);
    item->New(GETMENUSTRING(menu.hMenu, pos, MF_BYPOSITION),
              sub ? 0 : static_cast<long>(GetMenuItemID(menu.hMenu, pos)));
    item->lChecked = (state & MF_CHECKED) != 0;
    item->lActive = (state & (MF_GRAYED | MF_DISABLED)) == 0;
    item->lBreak = (state & MF_MENUBREAK) != 0;
    item->nFlags = state & 0xFF;
    item->oMenu = menu.Self();
    if (sub) {
      auto submenu = std::make_shared<TMenu>();
      submenu->hMenu = sub;
      submenu->lPopup = true;
      submenu->attached_ = true;
      RESBUILD(*submenu);
      item->bAction = rt::Value(submenu);
    }
    menu.aItems.Items().push_back(rt::Value(item));
  }
}

TMenu& TMenu::ReDefine(const rt::Value& cResName, bool popup) {
  lPopup = popup;
  lSysMenu = false;
  HMENU loaded = LOADMENU(svc::HandleOf<HINSTANCE>(svc::GETRESOURCES()), cResName);
  if (!loaded) {
    // A missing resource gives an empty menu, never a dead handle.
    hMenu = popup ? CreatePopupMenu() : CreateMenu();
  } else if (popup) {
    hMenu = CreatePopupMenu();
    MENUCLONE(loaded, hMenu);
    DestroyMenu(loaded);
  } else {
    hMenu = loaded;
  }
  RESBUILD(*this);
  return *this;
}

}  // namespace ctl
