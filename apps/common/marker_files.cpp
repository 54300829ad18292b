#include "apps/common/marker_files.h"

#include <string>

#include "runtime/files.h"

namespace common {

rt::Value ZQMAKESEM(std::string_view name) {
  const long handle = rt::FCREATE(".\\" + std::string(name) + ".Sem", rt::FC_NORMAL);
  if (handle >= 0) rt::FCLOSE(handle);
  return {};
}

bool MarkerExists(std::string_view path) { return rt::FileExists(path); }

void EraseMarker(std::string_view path) { rt::FERASE(path); }

}  // namespace common
