#pragma once
// The registry of public functions behind RegisterFunction/FindFunction
// (macro.h): one table, names without case. The runtime's own functions are
// entered on first use and marked as built in, which TYPE() needs: an
// expression calling a program's function gives "UI" without being run.

#include <string_view>

#include "runtime/macro.h"

namespace rt {

void RegisterBuiltinFunction(std::string_view name, PublicFn fn);
bool IsBuiltinFunction(std::string_view name);

// Enters the runtime's functions; builtins.cpp defines it.
void RegisterRuntimeFunctions();

}  // namespace rt
