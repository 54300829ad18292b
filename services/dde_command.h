#pragma once
// The shareable memory block that carries a DDE command to a server.

#include <windows.h>

#include <string>

namespace svc {

// A new movable, shareable block holding cText and its zero byte; null when
// the memory cannot be had.
HGLOBAL DDECOMMAND(const std::string& cText);
// The zero-ended text of a block, read no further than the block reaches.
std::string DDEGETCOMMAND(HGLOBAL hMem);

}  // namespace svc
