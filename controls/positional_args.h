#pragma once
// A method sent by name gets its arguments by position; these copy them
// into the fields of a constructor's argument record, in order.

#include <initializer_list>

#include "runtime/value.h"

namespace controls {

inline void FillArgs(rt::Args a, std::initializer_list<rt::Value*> fields) {
  std::size_t i = 0;
  for (rt::Value* field : fields) {
    if (i >= a.size()) break;
    *field = a[i++];
  }
}

}  // namespace controls
