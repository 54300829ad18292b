#pragma once
// Bitwise operations and 16-bit word packing on 32-bit signed numbers.

#include <concepts>
#include <cstdint>

namespace svc {

template <std::convertible_to<std::int32_t>... N>
std::int32_t NOR(N... values) {
  return (std::int32_t{0} | ... | static_cast<std::int32_t>(values));
}

template <std::convertible_to<std::int32_t>... N>
std::int32_t NAND(N... values) {
  return (std::int32_t{-1} & ... & static_cast<std::int32_t>(values));
}

constexpr std::int32_t NNOT(std::int32_t n) { return ~n; }

constexpr bool LAND(std::int32_t a, std::int32_t b) { return (a & b) != 0; }

constexpr std::int32_t NLOWORD(std::int32_t n) { return static_cast<std::int16_t>(n & 0xFFFF); }

constexpr std::int32_t NHIWORD(std::int32_t n) {
  return static_cast<std::int16_t>((static_cast<std::uint32_t>(n) >> 16) & 0xFFFF);
}

constexpr std::int32_t NLOBYTE(std::int32_t n) { return n & 0xFF; }

constexpr std::int32_t NMAKELONG(std::int32_t low, std::int32_t high) {
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(low) & 0xFFFF) |
                                   ((static_cast<std::uint32_t>(high) & 0xFFFF) << 16));
}

}  // namespace svc
