#pragma once
// The machine-level call behind CALLDLL: a generic caller that lays out an
// argument block of stack slots and calls an entry point of either calling
// convention. A slot is 32 bits on i686 (a double takes two) and 64 bits on
// x86_64 (a double takes one).

#include <cstdint>

namespace svc {
#if defined(__x86_64__)
using CallSlot = std::uint64_t;
#elif defined(__i386__)
using CallSlot = std::uint32_t;
#else
#error "CALLDLL's caller exists for i686 and x86_64 only"
#endif
}  // namespace svc

// The integer result register(s): EDX:EAX on i686, RAX on x86_64.
extern "C" std::uint64_t CallWords(const void* entry, const svc::CallSlot* words, std::uint32_t count);
