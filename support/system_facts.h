#pragma once
// What the error log reports about the program and the system at the moment
// of an error.

#include "support/error_log.h"

namespace support {

// The program file and its size, the processor, the physical memory, the
// Windows version and its running applications, and the memory figures:
// the process's private bytes now and at their peak (its pagefile-backed
// commit, which is what the program's own allocations grow); the count of
// "Static variables" is the number of runtime objects alive, the lasting
// state a program of this library keeps.
SystemFacts GatherSystemFacts();

}  // namespace support
