#include "services/global_memory.h"

#include <windows.h>

#include <mutex>

#include "services/int32.h"
#include "services/slot_registry.h"

namespace svc {
namespace {

std::mutex blocksLock;

SlotRegistry& Blocks() {
  static SlotRegistry blocks;
  return blocks;
}

}  // namespace

std::intptr_t GLOBALALLOC(unsigned flags, std::uint32_t bytes) {
  HGLOBAL h = GlobalAlloc(flags, bytes);
  if (h) {
    std::lock_guard lock(blocksLock);
    Blocks().Add(static_cast<std::uintptr_t>(HandleNumber(h)));
  }
  return HandleNumber(h);
}

bool GLOBALFREE(std::intptr_t hMem) {
  if (!hMem) return false;
  {
    std::lock_guard lock(blocksLock);
    Blocks().Remove(static_cast<std::uintptr_t>(hMem));
  }
  return GlobalFree(HandleOf<HGLOBAL>(hMem)) == nullptr;
}

std::intptr_t GLOBALLOCK(std::intptr_t hMem) { return HandleNumber(GlobalLock(HandleOf<HGLOBAL>(hMem))); }

bool GLOBALUNLOCK(std::intptr_t hMem) { return GlobalUnlock(HandleOf<HGLOBAL>(hMem)) != 0; }

double NEXTMEM() {
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return static_cast<double>(status.dwTotalPhys);
}

std::vector<std::intptr_t> GlobalBlocksInUse() {
  std::lock_guard lock(blocksLock);
  std::vector<std::intptr_t> live;
  for (std::uintptr_t h : Blocks().Slots()) {
    if (h) live.push_back(static_cast<std::intptr_t>(h));
  }
  return live;
}

}  // namespace svc
