#pragma once
// The library's byte scrambler.

#include <string>
#include <string_view>

namespace svc {

// Each byte is XORed with the key (repeated; no key: left as is), rotated
// right by its position mod 8, and XORed with the low byte of the length.
std::string DECRYPT(std::string_view data, std::string_view key = {});

}  // namespace svc
