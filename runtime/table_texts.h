#pragma once
// The table drivers' descriptions of a failure, taken from the selected
// language table in that table's code page, like the runtime's other error
// texts.

#include <string>
#include <string_view>

#include "runtime/lang.h"

namespace rt {

// The text with %1 replaced by arg.
std::string TableMessage(TableText text, std::string_view arg = {});

}  // namespace rt
