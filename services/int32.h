#pragma once
// Numbers as the native layer reads them: 32-bit integers with the fraction
// cut off. Values outside the signed range wrap as they do in a 32-bit
// register, so a handle or address above 2^31 given as a positive number
// keeps its bits, and its signed and unsigned readings convert to the same
// bits.

#include <cmath>
#include <cstdint>

#include "runtime/value.h"

namespace svc {

inline std::int32_t ToInt32(double d) {
  d = std::trunc(d);
  if (!std::isfinite(d)) return 0;
  double wrapped = std::fmod(d, 4294967296.0);
  if (wrapped < 0) wrapped += 4294967296.0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(wrapped));
}

// The one reading of a value as a handle, message parameter or result: a
// number as above, .T. as 1, .F. as 0, a date as its day number, anything
// else as 0.
inline std::int32_t ToInt32(const rt::Value& v) {
  switch (v.type()) {
    case rt::Type::Number:
      return ToInt32(v.AsNumber());
    case rt::Type::Logical:
      return v.AsLogical() ? 1 : 0;
    case rt::Type::Date:
      return v.AsJulian();
    default:
      return 0;
  }
}

// A handle or pointer as the number the class layer keeps it in.
inline std::int32_t HandleNumber(const void* h) {
  return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(h));
}

template <class H>
H HandleOf(std::int32_t n) {
  return reinterpret_cast<H>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(n)));
}

}  // namespace svc
