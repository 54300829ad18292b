#pragma once
// The class library's own run-time errors, numbered 1 to 6.

#include <string>

#include "runtime/error.h"

namespace core {

// _VDGENERROR: the error object of library error n with cOperation; null for
// a number outside 1 to 6.
rt::ErrorPtr VDGENERROR(int nError, const std::string& cOperation);

}  // namespace core
