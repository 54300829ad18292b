#include "services/cpu_info.h"

#include <windows.h>

#include <cpuid.h>
#include <x86intrin.h>

#include <algorithm>
#include <cmath>

namespace svc {

namespace {

#if defined(__i386__)
constexpr std::uint32_t kIdFlag = 1u << 21;
constexpr std::uint32_t kAlignmentCheckFlag = 1u << 18;

// Whether the flag bit of the flags register can be toggled: how an i386
// tells a 386 from a 486 and a 486 without CPUID from later processors.
bool FlagToggles(std::uint32_t bit) {
  std::uint32_t before = 0;
  std::uint32_t after = 0;
  asm volatile(
      "pushfl\n\t"
      "popl %0\n\t"
      "movl %0, %1\n\t"
      "xorl %2, %1\n\t"
      "pushl %1\n\t"
      "popfl\n\t"
      "pushfl\n\t"
      "popl %1\n\t"
      "pushl %0\n\t"
      "popfl\n\t"
      : "=&r"(before), "=&r"(after)
      : "r"(bit)
      : "cc");
  return ((before ^ after) & bit) != 0;
}

bool HasCpuid() { return FlagToggles(kIdFlag); }
const char* PreCpuidName() { return FlagToggles(kAlignmentCheckFlag) ? "486" : "386"; }
#else
// Every x86_64 processor has CPUID.
bool HasCpuid() { return true; }
const char* PreCpuidName() { return ""; }
#endif

bool IsCeleronCache(const std::array<std::uint8_t, 16>& cache) {
  return std::any_of(cache.begin() + 1, cache.end(),
                     [](std::uint8_t b) { return b == 0x40 || b == 0x41 || b == 0x79; });
}

}  // namespace

std::string CpuName(const CpuIdLeaves& l) {
  if (l.maxLeaf == 0) return "GetCPU() failed!";
  switch (l.brand & 0xFF) {
    case 1: return "Intel Celeron";
    case 2: return "Intel Pentium III";
    case 3: return "Intel Pentium III Xeon";
    case 8: return "Intel Pentium IV";
    default: break;
  }
  const bool mmx = l.features & (1u << 23);
  const bool sse = l.features & (1u << 25);
  const bool sse2 = l.features & (1u << 26);
  switch ((l.signature >> 8) & 0xF) {
    case 4: return "486";
    case 5: return mmx ? "Pentium MMX" : "Pentium classic";
    case 6:
      if (!mmx) return "Pentium Pro";
      if (!sse) return IsCeleronCache(l.cache) ? "(PII core) Celeron" : "Pentium II";
      if (!sse2) return IsCeleronCache(l.cache) ? "(PIII core) Celeron" : "Pentium III";
      return "Pentium IV";
    default: return "GetCPU() failed!";
  }
}

std::string GETCPU() {
  if (!HasCpuid()) return PreCpuidName();
  CpuIdLeaves l;
  unsigned a = 0, b = 0, c = 0, d = 0;
  __cpuid(0, a, b, c, d);
  l.maxLeaf = a;
  if (l.maxLeaf >= 1) {
    __cpuid(1, a, b, c, d);
    l.signature = a;
    l.brand = b;
    l.features = d;
  }
  if (l.maxLeaf >= 2) {
    __cpuid(2, a, b, c, d);
    const unsigned regs[4] = {a, b, c, d};
    for (int r = 0; r < 4; ++r) {
      for (int i = 0; i < 4; ++i) l.cache[static_cast<std::size_t>(r * 4 + i)] = (regs[r] >> (8 * i)) & 0xFF;
    }
  }
  return CpuName(l);
}

int CpuSpeedRound(float mhz) {
  int r = static_cast<int>(std::trunc(std::trunc((mhz + 8.3333f) * 0.06f) * 16.6667f + 0.5f));
  if (r % 100 == 67 && r != 667) --r;
  if (mhz < 200) {
    const int s = static_cast<int>(std::trunc(std::trunc((mhz + 15) * 0.0333f) * 15 + 0.5f));
    if (std::fabs(s - mhz) < std::fabs(r - mhz)) r = s;
  }
  if (std::fabs(75 - mhz) < std::fabs(r - mhz)) r = 75;
  if (r < 50) r = static_cast<int>(std::trunc(mhz + 0.5f));
  return r;
}

int GETCPUSPEED() {
  LARGE_INTEGER frequency{}, t0{}, t1{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&t0);
  const unsigned long long c0 = __rdtsc();
  do {
    QueryPerformanceCounter(&t1);
  } while (t1.QuadPart - t0.QuadPart <= frequency.QuadPart / 32);
  const unsigned long long c1 = __rdtsc();
  const float mhz = static_cast<float>(c1 - c0) / static_cast<float>(t1.QuadPart - t0.QuadPart) *
                    static_cast<float>(frequency.QuadPart) * 0.000001f;
  return CpuSpeedRound(mhz);
}

}  // namespace svc
