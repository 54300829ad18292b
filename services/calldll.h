#pragma once
// Run-time binding of library functions: loading a library by name, binding
// an entry point into a call descriptor, and calling through the descriptor
// with arguments converted by their declared type codes.
//
// Call descriptor (P + 3 + n bytes, P the size of a pointer: 7 + n in the
// 32-bit programs): entry address (little-endian, 0 when not found),
// convention flag (1 = callee removes its arguments; the x86_64 build has one
// convention and ignores it), return-type code, argument count n, then one
// type code per argument. The descriptor lives only in memory.
//
// Type codes, for arguments and for the result:
//   0       nothing / NIL              5       logical as 32 bits
//   1, 2    16-bit integer             7,10,12 handle, pointer, unsigned
//   3, 4, 6 32-bit integer                     (pointer sized); by reference:
//   8, 9    string address                     address of a cell written
//                                              back after the call
//   11      64-bit double (result: address of a double)
//   13+     nothing / NIL

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/value.h"

namespace svc {

enum DllType : int {
  DLL_VOID = 0, DLL_WORD = 1, DLL_WORD2 = 2, DLL_LONG = 3, DLL_LONG2 = 4, DLL_BOOL = 5,
  DLL_LONG3 = 6, DLL_HANDLE = 7, DLL_STRING = 8, DLL_LPSTR = 9, DLL_PTR = 10, DLL_DOUBLE = 11,
  DLL_DWORD = 12
};

// One argument of CALLDLL: a value, or with Ref() the caller's variable, into
// which a by-reference number or string is written back after the call.
class DllArg {
 public:
  template <class T>
    requires std::constructible_from<rt::Value, T&&>
  DllArg(T&& v) : value_(std::forward<T>(v)) {}

  const rt::Value& Get() const { return ref_ ? *ref_ : value_; }
  rt::Value* RefTarget() const { return ref_; }

 private:
  friend DllArg Ref(rt::Value& variable);
  DllArg() = default;
  rt::Value value_;
  rt::Value* ref_ = nullptr;
};

inline DllArg Ref(rt::Value& variable) {
  DllArg a;
  a.ref_ = &variable;
  return a;
}

// The module handle as a number; 32 or less means failure.
std::intptr_t LOADLIBRARY(std::string_view name);
std::int32_t FREELIBRARY(std::intptr_t hDll);
inline std::intptr_t LOADLIB32(std::string_view name) { return LOADLIBRARY(name); }
inline std::int32_t FREELIB32(std::intptr_t hDll) { return FREELIBRARY(hDll); }

// cEntry is the entry point's name, or a number taken as its ordinal.
std::string GETPROCADDRESS(std::intptr_t hDll, const rt::Value& entry, bool calleePops, int returnType,
                           std::initializer_list<int> argTypes = {});

// Returns NIL without calling when the descriptor holds no entry address.
rt::Value CALLDLL(std::string_view descriptor, std::span<const DllArg> args);
inline rt::Value CALLDLL(std::string_view descriptor, std::initializer_list<DllArg> args = {}) {
  return CALLDLL(descriptor, std::span<const DllArg>(args.begin(), args.size()));
}

}  // namespace svc
