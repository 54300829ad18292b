#pragma once
// A pop-up menu whose items act on a control held weakly: a menu that
// outlives its control does nothing when chosen.

#include <memory>

#include "controls/tmenu.h"
#include "controls/tmenuitem.h"
#include "runtime/value.h"

namespace ctl {

template <class T>
class WeakPopup {
 public:
  explicit WeakPopup(const std::shared_ptr<T>& target) : target_(target) { menu_->New(true); }

  void Add(const rt::Value& cPrompt, bool lActive, void (*act)(T&)) {
    std::weak_ptr<T> weak = target_;
    Item(cPrompt, lActive, rt::Value::Block([weak, act](rt::Args) {
           if (const auto target = weak.lock()) act(*target);
           return rt::Value();
         }));
  }
  void Separator() { Item({}, true, {}); }
  const std::shared_ptr<TMenu>& Menu() const { return menu_; }

 private:
  void Item(const rt::Value& cPrompt, bool lActive, const rt::Value& bAction) {
    auto item = std::make_shared<TMenuItem>();
    item->New({.cPrompt = cPrompt, .lActive = rt::Value(lActive), .bAction = bAction});
    menu_->Add(item);
  }

  std::weak_ptr<T> target_;
  std::shared_ptr<TMenu> menu_ = std::make_shared<TMenu>();
};

}  // namespace ctl
