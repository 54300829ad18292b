#pragma once
// The processor's name and clock, for the error log.

#include <array>
#include <cstdint>
#include <string>

namespace svc {

// What the processor's identification instruction reported.
struct CpuIdLeaves {
  std::uint32_t maxLeaf = 0;                // leaf 0, EAX
  std::uint32_t signature = 0;              // leaf 1, EAX
  std::uint32_t brand = 0;                  // leaf 1, EBX
  std::uint32_t features = 0;               // leaf 1, EDX
  std::array<std::uint8_t, 16> cache{};     // leaf 2, EAX..EDX bytes
};

// The name for the leaves read; "GetCPU() failed!" for no leaves or an
// unknown family.
std::string CpuName(const CpuIdLeaves& leaves);
// The processor name, "386" or "486" for processors without the
// identification instruction.
std::string GETCPU();

// A measured clock rounded to the usual marketing steps (multiples of 50/3
// MHz, 15 MHz below 200 MHz, 75 MHz).
int CpuSpeedRound(float mhz);
// The clock in MHz, measured over about a thirty-second of a second.
int GETCPUSPEED();

}  // namespace svc
