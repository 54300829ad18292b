#include "services/calldll.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "services/call_words.h"
#include "services/int32.h"

namespace svc {
namespace {

bool IsCellType(int code) { return code == DLL_HANDLE || code == DLL_PTR || code == DLL_DWORD; }

// The argument block of one call, and the storage its pointers point into.
// Strings are copies, so a callee cannot change a string it was given by
// value; cells are 64 bits wide, so a callee that writes a 64-bit result
// through a pointer (a free-space count, say) stays inside its cell.
struct ArgBlock {
  explicit ArgBlock(std::size_t n) : strings(n), cells(n) {}
  std::vector<std::uint32_t> words;
  std::vector<std::string> strings;
  std::vector<std::uint64_t> cells;
};

void Push(ArgBlock& f, std::size_t i, int code, const DllArg& arg) {
  const rt::Value& v = arg.Get();
  switch (code) {
    case DLL_WORD:
    case DLL_WORD2:
      // Widened to a full stack slot, as the i386 convention passes shorts.
      f.words.push_back(static_cast<std::uint32_t>(ToInt32(v)) & 0xFFFF);
      break;
    case DLL_LONG:
    case DLL_LONG2:
    case DLL_LONG3:
      f.words.push_back(static_cast<std::uint32_t>(ToInt32(v)));
      break;
    case DLL_BOOL:
      f.words.push_back(v.AsLogical() ? 1 : 0);
      break;
    case DLL_HANDLE:
    case DLL_PTR:
    case DLL_DWORD:
      if (arg.RefTarget()) {
        f.cells[i] = static_cast<std::uint32_t>(ToInt32(v));
        f.words.push_back(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&f.cells[i])));
      } else {
        f.words.push_back(static_cast<std::uint32_t>(ToInt32(v)));
      }
      break;
    case DLL_STRING:
    case DLL_LPSTR:
      if (v.IsString()) {
        f.strings[i] = v.AsString();
        f.words.push_back(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(f.strings[i].data())));
      } else {
        f.words.push_back(0);
      }
      break;
    case DLL_DOUBLE: {
      double d = v.AsNumber();
      std::uint32_t halves[2];
      std::memcpy(halves, &d, sizeof d);
      f.words.push_back(halves[0]);
      f.words.push_back(halves[1]);
      break;
    }
    default:
      break;
  }
}

void WriteBack(const ArgBlock& f, std::size_t i, int code, const DllArg& arg) {
  rt::Value* target = arg.RefTarget();
  if (!target) return;
  if (IsCellType(code)) {
    *target = rt::Value(static_cast<std::int32_t>(static_cast<std::uint32_t>(f.cells[i])));
  } else if ((code == DLL_STRING || code == DLL_LPSTR) && target->IsString()) {
    // The callee wrote into the copy; the variable keeps its own length.
    *target = rt::Value(f.strings[i]);
  }
}

rt::Value Result(int code, std::uint32_t eax) {
  switch (code) {
    case DLL_WORD:
    case DLL_WORD2:
    case DLL_LONG:
    case DLL_LONG2:
    case DLL_LONG3:
    case DLL_HANDLE:
    case DLL_PTR:
    case DLL_DWORD:
      return rt::Value(static_cast<std::int32_t>(eax));
    case DLL_BOOL:
      return rt::Value(eax != 0);
    case DLL_STRING:
    case DLL_LPSTR: {
      const char* s = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(eax));
      return rt::Value(std::string(s ? s : ""));
    }
    case DLL_DOUBLE: {
      const double* d = reinterpret_cast<const double*>(static_cast<std::uintptr_t>(eax));
      return rt::Value(d ? *d : 0.0);
    }
    default:
      return rt::Value();
  }
}

}  // namespace

std::int32_t LOADLIBRARY(std::string_view name) {
  return HandleNumber(LoadLibraryA(std::string(name).c_str()));
}

std::int32_t FREELIBRARY(std::int32_t hDll) { return FreeLibrary(HandleOf<HMODULE>(hDll)); }

std::string GETPROCADDRESS(std::int32_t hDll, const rt::Value& entry, bool calleePops, int returnType,
                           std::initializer_list<int> argTypes) {
  FARPROC proc = nullptr;
  if (entry.IsString()) {
    proc = GetProcAddress(HandleOf<HMODULE>(hDll), entry.AsString().c_str());
  } else if (entry.IsNumber()) {
    proc = GetProcAddress(HandleOf<HMODULE>(hDll), MAKEINTRESOURCEA(ToInt32(entry) & 0xFFFF));
  }
  auto address = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(proc));
  std::string d(7, '\0');
  std::memcpy(d.data(), &address, 4);
  d[4] = calleePops ? 1 : 0;
  d[5] = static_cast<char>(returnType);
  d[6] = static_cast<char>(argTypes.size());
  for (int t : argTypes) d.push_back(static_cast<char>(t));
  return d;
}

rt::Value CALLDLL(std::string_view descriptor, std::span<const DllArg> args) {
  if (descriptor.size() < 7) return rt::Value();
  std::uint32_t address;
  std::memcpy(&address, descriptor.data(), 4);
  if (!address) return rt::Value();
  const int returnType = static_cast<unsigned char>(descriptor[5]);
  const std::size_t n = std::min<std::size_t>(static_cast<unsigned char>(descriptor[6]), descriptor.size() - 7);
  auto code = [&](std::size_t i) { return static_cast<unsigned char>(descriptor[7 + i]); };

  static const DllArg missing{rt::Value()};
  auto arg = [&](std::size_t i) -> const DllArg& { return i < args.size() ? args[i] : missing; };

  ArgBlock frame(n);
  for (std::size_t i = 0; i < n; ++i) Push(frame, i, code(i), arg(i));
  const auto eax = static_cast<std::uint32_t>(
      CallWords(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address)), frame.words.data(),
                static_cast<std::uint32_t>(frame.words.size())));
  for (std::size_t i = 0; i < n; ++i) WriteBack(frame, i, code(i), arg(i));
  return Result(returnType, eax);
}

}  // namespace svc
