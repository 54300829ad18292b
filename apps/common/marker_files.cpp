#include "apps/common/marker_files.h"

#include <map>
#include <string>

#include "runtime/files.h"

namespace common {

namespace {

std::string SemaphorePath(std::string_view name) { return ".\\" + std::string(name) + ".Sem"; }

// The open semaphores of this process by path.
std::map<std::string, long>& Held() {
  static std::map<std::string, long> held;
  return held;
}

}  // namespace

rt::Value ZQMAKESEM(std::string_view name) {
  const std::string path = SemaphorePath(name);
  if (const auto it = Held().find(path); it != Held().end()) {
    rt::FCLOSE(it->second);
    Held().erase(it);
  }
  const long handle = rt::FCREATE(path, rt::FC_NORMAL);
  if (handle >= 0) Held()[path] = handle;
  return {};
}

void ZQDROPSEM(std::string_view name) {
  const std::string path = SemaphorePath(name);
  if (const auto it = Held().find(path); it != Held().end()) {
    rt::FCLOSE(it->second);
    Held().erase(it);
  }
  rt::FERASE(path);
}

bool MarkerExists(std::string_view path) { return rt::FileExists(path); }

void EraseMarker(std::string_view path) { rt::FERASE(path); }

}  // namespace common
