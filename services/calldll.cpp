#include "services/calldll.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "services/call_words.h"
#include "services/int32.h"

namespace svc {
namespace {

bool IsCellType(int code) { return code == DLL_HANDLE || code == DLL_PTR || code == DLL_DWORD; }

constexpr std::size_t kAddressSize = sizeof(void*);
constexpr std::size_t kHeaderSize = kAddressSize + 3;

// The argument block of one call, and the storage its pointers point into.
// Strings are copies, so a callee cannot change a string it was given by
// value; cells are 64 bits wide, so a callee that writes a 64-bit result
// through a pointer (a free-space count, say) stays inside its cell.
struct ArgBlock {
  explicit ArgBlock(std::size_t n) : strings(n), cells(n) {}
  std::vector<CallSlot> slots;
  std::vector<std::string> strings;
  std::vector<std::uint64_t> cells;

  void PushInteger(std::intptr_t n) { slots.push_back(static_cast<CallSlot>(static_cast<std::uintptr_t>(n))); }
  void PushPointer(const void* p) { slots.push_back(static_cast<CallSlot>(reinterpret_cast<std::uintptr_t>(p))); }
  // A double takes two slots on i686 and one on x86_64.
  void PushDouble(double d) {
    CallSlot parts[sizeof d / sizeof(CallSlot)];
    std::memcpy(parts, &d, sizeof d);
    slots.insert(slots.end(), std::begin(parts), std::end(parts));
  }
};

void Push(ArgBlock& f, std::size_t i, int code, const DllArg& arg) {
  const rt::Value& v = arg.Get();
  switch (code) {
    case DLL_WORD:
    case DLL_WORD2:
      // Widened to a full stack slot, as the convention passes shorts.
      f.PushInteger(ToInt32(v) & 0xFFFF);
      break;
    case DLL_LONG:
    case DLL_LONG2:
    case DLL_LONG3:
      f.PushInteger(ToInt32(v));
      break;
    case DLL_BOOL:
      f.PushInteger(v.AsLogical() ? 1 : 0);
      break;
    case DLL_HANDLE:
    case DLL_PTR:
    case DLL_DWORD:
      if (arg.RefTarget()) {
        f.cells[i] = static_cast<std::uint64_t>(static_cast<std::uintptr_t>(ToHandle(v)));
        f.PushPointer(&f.cells[i]);
      } else {
        f.PushInteger(ToHandle(v));
      }
      break;
    case DLL_STRING:
    case DLL_LPSTR:
      if (v.IsString()) {
        f.strings[i] = v.AsString();
        f.PushPointer(f.strings[i].data());
      } else {
        f.PushPointer(nullptr);
      }
      break;
    case DLL_DOUBLE:
      f.PushDouble(v.AsNumber());
      break;
    default:
      break;
  }
}

// The number a callee left in a cell. Callees write 32 bits through a DWORD
// pointer and a pointer's width through a handle or pointer out-parameter;
// when the upper half is as it was before the call, only the lower one was
// written, and it is read back as a signed 32-bit number, as in the 32-bit
// programs.
rt::Value CellNumber(std::uint64_t before, std::uint64_t after) {
  if (sizeof(std::intptr_t) == 4 || (before >> 32) == (after >> 32)) {
    return rt::Value(static_cast<std::int32_t>(static_cast<std::uint32_t>(after)));
  }
  return rt::Value(static_cast<std::int64_t>(after));
}

void WriteBack(const ArgBlock& f, std::size_t i, int code, const DllArg& arg) {
  rt::Value* target = arg.RefTarget();
  if (!target) return;
  if (IsCellType(code)) {
    *target = CellNumber(static_cast<std::uint64_t>(static_cast<std::uintptr_t>(ToHandle(*target))), f.cells[i]);
  } else if ((code == DLL_STRING || code == DLL_LPSTR) && target->IsString()) {
    // The callee wrote into the copy; the variable keeps its own length.
    *target = rt::Value(f.strings[i]);
  }
}

rt::Value Result(int code, std::uintptr_t result) {
  const auto word = static_cast<std::int32_t>(static_cast<std::uint32_t>(result));
  switch (code) {
    case DLL_WORD:
    case DLL_WORD2:
    case DLL_LONG:
    case DLL_LONG2:
    case DLL_LONG3:
      return rt::Value(word);
    case DLL_HANDLE:
    case DLL_PTR:
    case DLL_DWORD:
      return rt::Value(static_cast<std::intptr_t>(result));
    case DLL_BOOL:
      return rt::Value(word != 0);
    case DLL_STRING:
    case DLL_LPSTR: {
      const char* s = reinterpret_cast<const char*>(result);
      return rt::Value(std::string(s ? s : ""));
    }
    case DLL_DOUBLE: {
      const double* d = reinterpret_cast<const double*>(result);
      return rt::Value(d ? *d : 0.0);
    }
    default:
      return rt::Value();
  }
}

}  // namespace

std::intptr_t LOADLIBRARY(std::string_view name) {
  return HandleNumber(LoadLibraryA(std::string(name).c_str()));
}

std::int32_t FREELIBRARY(std::intptr_t hDll) { return FreeLibrary(HandleOf<HMODULE>(hDll)); }

std::string GETPROCADDRESS(std::intptr_t hDll, const rt::Value& entry, bool calleePops, int returnType,
                           std::initializer_list<int> argTypes) {
  FARPROC proc = nullptr;
  if (entry.IsString()) {
    proc = GetProcAddress(HandleOf<HMODULE>(hDll), entry.AsString().c_str());
  } else if (entry.IsNumber()) {
    proc = GetProcAddress(HandleOf<HMODULE>(hDll), MAKEINTRESOURCEA(ToInt32(entry) & 0xFFFF));
  }
  auto address = reinterpret_cast<std::uintptr_t>(proc);
  std::string d(kHeaderSize, '\0');
  std::memcpy(d.data(), &address, kAddressSize);
  d[kAddressSize] = calleePops ? 1 : 0;
  d[kAddressSize + 1] = static_cast<char>(returnType);
  d[kAddressSize + 2] = static_cast<char>(argTypes.size());
  for (int t : argTypes) d.push_back(static_cast<char>(t));
  return d;
}

rt::Value CALLDLL(std::string_view descriptor, std::span<const DllArg> args) {
  if (descriptor.size() < kHeaderSize) return rt::Value();
  std::uintptr_t address;
  std::memcpy(&address, descriptor.data(), kAddressSize);
  if (!address) return rt::Value();
  const int returnType = static_cast<unsigned char>(descriptor[kAddressSize + 1]);
  const std::size_t n =
      std::min<std::size_t>(static_cast<unsigned char>(descriptor[kAddressSize + 2]), descriptor.size() - kHeaderSize);
  auto code = [&](std::size_t i) { return static_cast<unsigned char>(descriptor[kHeaderSize + i]); };

  static const DllArg missing{rt::Value()};
  auto arg = [&](std::size_t i) -> const DllArg& { return i < args.size() ? args[i] : missing; };

  ArgBlock frame(n);
  for (std::size_t i = 0; i < n; ++i) Push(frame, i, code(i), arg(i));
  const auto result = static_cast<std::uintptr_t>(CallWords(
      reinterpret_cast<const void*>(address), frame.slots.data(), static_cast<std::uint32_t>(frame.slots.size())));
  for (std::size_t i = 0; i < n; ++i) WriteBack(frame, i, code(i), arg(i));
  return Result(returnType, result);
}

}  // namespace svc
