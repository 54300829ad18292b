#pragma once
// Messages to the objects a window holds (menus, bars, scroll bars, child
// controls) go by name, and only when the object's class answers that name:
// a window must keep working with objects of any class it is given.

#include <string_view>
#include <utility>

#include "runtime/object.h"
#include "runtime/value.h"

namespace core {

// Whether the object's class has a method or data member of that name ("_x"
// asks for the assignable member x).
bool Understands(const rt::Value& object, std::string_view message);

// Send when understood; NIL otherwise.
template <class... A>
rt::Value Ask(const rt::Value& object, std::string_view message, A&&... a) {
  rt::Value slots[] = {rt::Value(), rt::Value(std::forward<A>(a))...};
  return rt::TrySend(object, message, rt::Args(slots + 1, sizeof...(A))).value_or(rt::Value());
}

}  // namespace core
