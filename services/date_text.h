#pragma once
// A date as text in the SET DATE format, its year in four digits with SET
// CENTURY on and in two without; the empty date as the format with blanks
// for its digits.

#include <cstdint>
#include <string>

namespace svc {

std::string DateText(std::int32_t julian);

}  // namespace svc
