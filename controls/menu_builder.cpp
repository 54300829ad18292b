// MENUBEGIN, MENUADDITEM and MENUEND: programs declare nested menus
// top-down; each level collects its items and becomes the submenu of the
// last item of the level around it.
#include <utility>
#include <vector>

#include "controls/tacctable.h"
#include "controls/tmenu.h"
#include "core/send_soft.h"

namespace ctl {
namespace {

using rt::Arg;

struct Level {
  std::shared_ptr<TMenu> menu;
  std::vector<std::shared_ptr<TMenuItem>> items;
};

std::vector<Level>& Stack() {
  static std::vector<Level> stack;
  return stack;
}

// The keys of the items, for the outermost menu.
std::shared_ptr<TAccTable>& PendingTable() {
  static std::shared_ptr<TAccTable> table;
  return table;
}


}  // namespace

rt::Value MENUBEGIN(bool lPopup, bool lSystem, const rt::Value& oWnd) {
  auto menu = std::make_shared<TMenu>();
  if (lSystem) {
    menu->NewSys(oWnd);
    core::Ask(oWnd, "_oSysMenu", rt::Value(menu));
  } else {
    menu->New(lPopup);
  }
  Stack().push_back(Level{menu, {}});
  return rt::Value(menu);
}

rt::Value MENUADDITEM(rt::Args a) {
  auto item = std::make_shared<TMenuItem>();
  const rt::Value block = Arg(a, 8);
  item->New(MenuItemArgs{Arg(a, 0), Arg(a, 1), Arg(a, 2), Arg(a, 3), block.IsNil() ? Arg(a, 4) : block, Arg(a, 5),
                         Arg(a, 6), Arg(a, 9), Arg(a, 10), Arg(a, 11), Arg(a, 12), Arg(a, 13), Arg(a, 14)});
  if (!Stack().empty()) Stack().back().items.push_back(item);
  if (Arg(a, 10).IsNumber()) {
    auto& table = PendingTable();
    if (!table) {
      table = std::make_shared<TAccTable>();
      table->New();
    }
    table->Add(item->nVKState, item->nVirtKey, item->nId);
  }
  return rt::Value(item);
}

rt::Value MENUEND() {
  auto& stack = Stack();
  if (stack.empty()) return {};
  Level level = std::move(stack.back());
  const bool outermost = stack.size() == 1;
  for (const auto& item : level.items) level.menu->Add(item, outermost && !level.menu->lPopup);
  stack.pop_back();
  if (!stack.empty()) {
    if (!stack.back().items.empty()) stack.back().items.back()->bAction = rt::Value(level.menu);
  } else if (PendingTable()) {
    level.menu->oAccTable = rt::Value(std::exchange(PendingTable(), nullptr));
  }
  return rt::Value(level.menu);
}

rt::Value LASTMENU() { return Stack().empty() ? rt::Value() : rt::Value(Stack().back().menu); }

rt::Value LASTITEMPOS() {
  return Stack().empty() ? rt::Value() : rt::Value(static_cast<long>(Stack().back().items.size()));
}

}  // namespace ctl
