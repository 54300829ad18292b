#pragma once
// Routines of the editor's later parts (the child dialog, the maintenance
// actions, the error-log offer) are reached by their public names, so that
// the start-up and the menus work before those parts are linked in.

#include <string_view>
#include <utility>

#include "runtime/macro.h"
#include "runtime/value.h"

namespace dravonel {

// Calls the public routine of that name; NIL while it does not exist.
template <class... A>
rt::Value CallRoutine(std::string_view name, A&&... a) {
  const rt::PublicFn* fn = rt::FindFunction(name);
  if (!fn) return {};
  rt::Value slots[] = {rt::Value(), rt::Value(std::forward<A>(a))...};
  return (*fn)(rt::Args(slots + 1, sizeof...(A)));
}

}  // namespace dravonel
