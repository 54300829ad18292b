#include "services/dde_command.h"

#include <cstring>

namespace svc {

HGLOBAL DDECOMMAND(const std::string& cText) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, cText.size() + 1);
  if (!block) return nullptr;
  auto* bytes = static_cast<char*>(GlobalLock(block));
  if (!bytes) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(bytes, cText.c_str(), cText.size() + 1);
  GlobalUnlock(block);
  return block;
}

std::string DDEGETCOMMAND(HGLOBAL hMem) {
  const auto* bytes = static_cast<const char*>(GlobalLock(hMem));
  if (!bytes) return {};
  std::string text(bytes, strnlen(bytes, GlobalSize(hMem)));
  GlobalUnlock(hMem);
  return text;
}

}  // namespace svc
