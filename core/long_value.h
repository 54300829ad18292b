#pragma once
// Numbers cross between Windows and the class layer as 32-bit values: window
// handles, procedure addresses, message parameters and results. A value may
// have been stored as the signed or as the unsigned reading of those 32 bits,
// so both readings convert back to the same bits.

#include <windows.h>

#include "runtime/value.h"

namespace core {

// A message result or a handle read from a value: a number by its low 32 bits,
// .T. as 1, .F. as 0, a date as its day number, anything else as 0.
long LongOf(const rt::Value& v) noexcept;

// A message result, parameter, handle or pointer read from a value at the
// pointer's width, so that nothing is cut in a 64-bit process: a number as
// svc::ToHandle reads it, anything else as LongOf.
LPARAM ParamOf(const rt::Value& v) noexcept;

}  // namespace core
