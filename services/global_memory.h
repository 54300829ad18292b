#pragma once
// Global memory for the class layer. Every block allocated here is kept in a
// registry until it is freed here.

#include <cstdint>
#include <vector>

namespace svc {

// Handles and addresses are numbers, as the class layer keeps them.
std::intptr_t GLOBALALLOC(unsigned flags, std::uint32_t bytes);
// .T. on success; .F. for 0 without calling the platform.
bool GLOBALFREE(std::intptr_t hMem);
// The block's address; 0 when it cannot be locked.
std::intptr_t GLOBALLOCK(std::intptr_t hMem);
// The platform's answer: .T. while the block is still locked.
bool GLOBALUNLOCK(std::intptr_t hMem);
// Total physical memory in bytes.
double NEXTMEM();

// The blocks allocated through GLOBALALLOC and not yet freed.
std::vector<std::intptr_t> GlobalBlocksInUse();

}  // namespace svc
