#include "services/lchdir.h"

#include <windows.h>

namespace svc {

bool LCHDIR(const std::optional<std::string>& directory) {
  return directory && SetCurrentDirectoryA(directory->c_str()) != 0;
}

}  // namespace svc
