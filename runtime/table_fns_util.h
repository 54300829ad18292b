#pragma once
// Small helpers shared by the table function sources.

#include <string>
#include <string_view>

namespace rt {

// The file name with the default extension added and SET DEFAULT's folder
// put in front of a bare name.
std::string ResolvePath(std::string_view file, std::string_view ext);

}  // namespace rt
