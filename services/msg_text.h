#pragma once
// How the message boxes show a text or caption argument that is not a
// character string.

#include <string>

#include "runtime/value.h"

namespace svc {

// NIL "nil"; integers as their digits; other numbers with six decimals;
// dates in the SET DATE format; ".T."/".F."; "Array"; "Object"; text as is.
std::string MsgText(const rt::Value& v);

}  // namespace svc
