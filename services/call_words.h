#pragma once
// The machine-level call behind CALLDLL: a generic i686 caller that pushes an
// argument block of 32-bit words and calls an entry point of either calling
// convention.

#include <cstdint>

extern "C" std::uint64_t CallWords(const void* entry, const std::uint32_t* words, std::uint32_t count);
