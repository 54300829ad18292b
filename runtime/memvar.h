#pragma once
// Memory variables by name. PUBLIC variables live until the program ends; a
// PRIVATE variable hides an older one of the same name until the function
// that made it returns (its CallGuard releases it).

#include <cstddef>
#include <string_view>

#include "runtime/value.h"

namespace rt {

// Makes a public variable, initially .F.; an existing variable is kept.
void PUBLIC(std::string_view name, Value init = Value(false));
// Makes a private variable of the running function.
void PRIVATE(std::string_view name, Value init = Value());
bool MEMVAREXISTS(std::string_view name);
// Reading or assigning an unknown name raises "variable does not exist"
// (reading gives the block's substitute, assigning creates a private).
Value MEMVARGET(std::string_view name);
void MEMVARPUT(std::string_view name, Value v);
void MEMVARRELEASE(std::string_view name);  // the variable reads NIL from now on

std::size_t PrivateMark();
void ReleasePrivates(std::size_t mark);

}  // namespace rt
