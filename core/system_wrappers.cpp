#include "core/system_wrappers.h"

#include <cstdint>
#include <string>

#include "core/win_values.h"
#include "services/int32.h"

namespace core {
namespace {

// A class or menu name is a text, or a resource number below 65536.
rt::Value NameOrNumber(LPCSTR name) {
  if (!name) return {};
  auto n = reinterpret_cast<std::uintptr_t>(name);
  if (n < 0x10000) return static_cast<long>(n);
  return std::string(name);
}

}  // namespace

HINSTANCE GETINSTANCE() {
  static const HINSTANCE instance = GetModuleHandleA(nullptr);
  return instance;
}

bool ISWINNT() { return (GetVersion() & 0x80000000u) == 0; }

bool ISWIN95() {
  DWORD v = GetVersion();
  return (v & 0x80000000u) != 0 && LOBYTE(LOWORD(v)) > 3;
}

rt::Value GETCLASSINFO(HINSTANCE hInstance, std::string_view cClassName) {
  WNDCLASSA wc{};
  if (!GetClassInfoA(hInstance, std::string(cClassName).c_str(), &wc)) return {};
  return rt::Value::Array({static_cast<long>(wc.style), svc::HandleNumber(reinterpret_cast<const void*>(wc.lpfnWndProc)),
                           wc.cbClsExtra, wc.cbWndExtra, svc::HandleNumber(wc.hInstance), svc::HandleNumber(wc.hIcon),
                           svc::HandleNumber(wc.hCursor), svc::HandleNumber(wc.hbrBackground), NameOrNumber(wc.lpszMenuName),
                           NameOrNumber(wc.lpszClassName)});
}

HWND MGETCREATE(std::string_view cClass, std::string_view cText, DWORD nStyle, int nLeft, int nTop, int nWidth,
                int nHeight, HWND hParent, int nId, const rt::Value& cParam) {
  std::string cls(cClass), text(cText), param = cParam.IsString() ? cParam.AsString() : std::string();
  void* create = cParam.IsString() ? static_cast<void*>(param.data()) : nullptr;
  return CreateWindowExA(0, cls.c_str(), text.c_str(), nStyle, nLeft, nTop, nWidth, nHeight, hParent,
                         reinterpret_cast<HMENU>(static_cast<std::intptr_t>(nId)), GETINSTANCE(), create);
}

}  // namespace core
