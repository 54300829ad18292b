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

// The one reading of a value as a 32-bit number: a number as above, .T. as
// 1, .F. as 0, a date as its day number, anything else as 0. ToHandle reads
// the same way at a pointer's width.
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

// A handle or pointer as the number the class layer keeps it in: pointer
// sized, so a module handle or an address above 4 GiB of a 64-bit process
// survives the trip. A double holds it exactly: user-mode addresses use
// fewer than 53 bits.
inline std::intptr_t HandleNumber(const void* h) { return reinterpret_cast<std::intptr_t>(h); }

// A number as a handle or pointer. Values outside the signed range wrap as
// in a register of the pointer's width, so a 32-bit handle above 2^31 given
// as a positive number keeps its bits.
inline std::intptr_t ToHandle(double d) {
  if (!std::isfinite(d) || std::fabs(d) >= 9.2e18) return 0;
  return static_cast<std::intptr_t>(static_cast<std::uintptr_t>(static_cast<std::int64_t>(d)));
}

// A handle, pointer, message parameter or result read from a value: read as
// ToInt32 reads it, but a number keeps a pointer's width, so nothing is cut
// in a 64-bit process.
inline std::intptr_t ToHandle(const rt::Value& v) {
  return v.type() == rt::Type::Number ? ToHandle(v.AsNumber()) : ToInt32(v);
}

template <class H>
H HandleOf(std::intptr_t n) {
  return reinterpret_cast<H>(n);
}

}  // namespace svc
