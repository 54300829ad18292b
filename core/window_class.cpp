#include "core/window_class.h"

#include <cstdint>

#include "core/startup.h"

namespace core {

bool REGISTERCLASS(const std::string& cClassName, UINT nStyle, int nClsExtra, int nWndExtra, HINSTANCE hInstance,
                   HCURSOR hCursor, HBRUSH hBrush, const std::optional<std::string>& cMenuName, WNDPROC nWndProc,
                   HICON hIcon) {
  CoreStartup();
  WNDCLASSA wc{};
  wc.style = nStyle;
  wc.lpfnWndProc = nWndProc ? nWndProc : DefWindowProcA;
  wc.cbClsExtra = nClsExtra;
  wc.cbWndExtra = nWndExtra;
  wc.hInstance = hInstance ? hInstance : GetModuleHandleA(nullptr);
  wc.hIcon = hIcon;
  wc.hCursor = hCursor;
  wc.hbrBackground = hBrush ? hBrush : reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszMenuName = cMenuName ? cMenuName->c_str() : nullptr;
  wc.lpszClassName = cClassName.c_str();
  return RegisterClassA(&wc) != 0;
}

HWND CREATEWINDOW(const std::string& cClassName, const std::string& cTitle, DWORD nStyle, int nLeft, int nTop,
                  int nWidth, int nHeight, HWND hWndParent, long nMenuOrId, const std::optional<std::string>& cParam) {
  CoreStartup();
  void* param = cParam ? const_cast<char*>(cParam->c_str()) : nullptr;
  return CreateWindowExA(0, cClassName.c_str(), cTitle.c_str(), nStyle, nLeft, nTop, nWidth, nHeight, hWndParent,
                         reinterpret_cast<HMENU>(static_cast<std::intptr_t>(nMenuOrId)), GetModuleHandleA(nullptr),
                         param);
}

std::string GETERRMSG() {
  const DWORD code = GetLastError();
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
      0x400, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result(text ? text : "", length);
  LocalFree(text);
  return result;
}

}  // namespace core
