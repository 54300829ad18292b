#pragma once
// What the runtime says about itself and the system it runs on: its version
// text, the operating system's name and the memory in use.

#include <string>

namespace rt {

// The runtime's version text. It names no other runtime's release, so code
// that picks a feature by the version it finds takes the portable path.
std::string VERSION();
// The operating system's name and version, such as "Windows NT 10.0".
std::string OS();

// MEMORY(n): for 0, 1 and 2 the free memory in kilobytes; for 1001 the bytes
// the program holds now and for 1002 the most it has held; else 0.
inline constexpr int kMemoryInUse = 1001;
inline constexpr int kMemoryPeak = 1002;
double MEMORY(int n);

}  // namespace rt
