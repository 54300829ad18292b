#pragma once
// Numbers as the native layer reads them: 32-bit integers with the fraction
// cut off. Values outside the signed range wrap as they do in a 32-bit
// register, so a handle or address above 2^31 given as a positive number
// keeps its bits.

#include <cmath>
#include <cstdint>

#include "runtime/value.h"

namespace svc {

inline std::int32_t ToInt32(double d) {
  if (!std::isfinite(d) || std::fabs(d) >= 9.2e18) return 0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(d)));
}

inline std::int32_t ToInt32(const rt::Value& v) { return ToInt32(v.AsNumber()); }

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

inline std::intptr_t ToHandle(const rt::Value& v) { return ToHandle(v.AsNumber()); }

template <class H>
H HandleOf(std::intptr_t n) {
  return reinterpret_cast<H>(n);
}

}  // namespace svc
