#pragma once
// Whole-file reads for the image readers.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gfx {

// Nothing when the file cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

}  // namespace gfx
