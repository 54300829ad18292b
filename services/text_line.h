#pragma once
// Line-by-line reading of an open file.

#include <cstdint>
#include <string>

namespace svc {

// Reads the next line of the file open under handle (the operating system's
// file handle, as a number) into line, without its CR LF; a line longer
// than maxLen comes back in pieces of maxLen bytes (0: 1024). Returns .F.,
// with line "", at the end of the file or when the handle cannot be read.
bool LGETTEXTLINE(std::int32_t handle, std::string& line, int maxLen = 0);

}  // namespace svc
