#pragma once
// Text conversions between the OEM and the ANSI code page, by the platform.

#include <string>
#include <string_view>

#include "runtime/value.h"

namespace svc {

// A copy of the text converted, of the same length; "" for a non-text value.
std::string OEMTOANSI(const rt::Value& text = {});
std::string ANSITOOEM(const rt::Value& text = {});
// .T. when some byte is 0xE0 or above.
bool ISANSI(std::string_view text);

}  // namespace svc
