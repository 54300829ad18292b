#pragma once
// Changing the current directory.

#include <optional>
#include <string>

namespace svc {

// .T. on success; .F. on failure or without a directory.
bool LCHDIR(const std::optional<std::string>& directory = std::nullopt);

}  // namespace svc
