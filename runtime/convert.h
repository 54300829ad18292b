#pragma once
// Conversions between typed C++ data members and values, used where a member
// is read or assigned by name.

#include <memory>
#include <string>
#include <type_traits>

#include "runtime/value.h"

namespace rt {

template <class T>
Value ToValue(const T& v) {
  if constexpr (std::is_same_v<T, Value>) {
    return v;
  } else if constexpr (std::is_enum_v<T>) {
    return Value(static_cast<long>(v));
  } else {
    return Value(v);
  }
}

template <class T>
struct FromValueImpl {
  static T Get(const Value& v) {
    if constexpr (std::is_same_v<T, bool>) {
      return v.AsLogical();
    } else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) {
      return static_cast<T>(v.AsInt());
    } else if constexpr (std::is_floating_point_v<T>) {
      return static_cast<T>(v.AsNumber());
    } else if constexpr (std::is_same_v<T, std::string>) {
      return v.AsString();
    } else {
      static_assert(std::is_same_v<T, Value>, "no conversion from Value to this member type");
      return v;
    }
  }
};

template <class T>
struct FromValueImpl<std::shared_ptr<T>> {
  static std::shared_ptr<T> Get(const Value& v) { return v.As<T>(); }
};

template <class T>
T FromValue(const Value& v) {
  return FromValueImpl<T>::Get(v);
}

}  // namespace rt
