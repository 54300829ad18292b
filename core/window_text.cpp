#include "core/window_text.h"

#include <vector>

namespace core {

std::string GETWINDOWTEXT(HWND hWnd) {
  if (!IsWindow(hWnd)) return {};
  int n = GetWindowTextLengthA(hWnd);
  if (n <= 0) return {};
  std::vector<char> text(static_cast<std::size_t>(n) + 1, '\0');
  int got = GetWindowTextA(hWnd, text.data(), n + 1);
  return std::string(text.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

bool SETWINDOWTEXT(HWND hWnd, const rt::Value& cText) {
  if (!IsWindow(hWnd)) return false;
  return SetWindowTextA(hWnd, cText.IsString() ? cText.AsString().c_str() : "") != 0;
}

long GETWINTXTLENGHT(HWND hWnd) { return GetWindowTextLengthA(hWnd); }

std::string MGETLINE(HWND hWnd, long nLine) {
  constexpr WORD kRoom = 255;
  char line[kRoom + 1] = {};
  *reinterpret_cast<WORD*>(line) = kRoom;
  LRESULT n = SendMessageA(hWnd, EM_GETLINE, static_cast<WPARAM>(nLine - 1), reinterpret_cast<LPARAM>(line));
  if (n <= 0 || n > kRoom) return {};
  return std::string(line, static_cast<std::size_t>(n));
}

long MGETREPLACE(HWND hWnd, std::string_view cText) {
  std::string text(cText);
  return static_cast<long>(SendMessageA(hWnd, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::string GETCLASSNAME(HWND hWnd) {
  char name[257] = {};
  int n = GetClassNameA(hWnd, name, sizeof name);
  return std::string(name, static_cast<std::size_t>(n > 0 ? n : 0));
}

std::string LOADSTRING(HINSTANCE hInstance, UINT nId) {
  char text[250] = {};
  int n = LoadStringA(hInstance, nId, text, sizeof text);
  return std::string(text, static_cast<std::size_t>(n > 0 ? n : 0));
}

}  // namespace core
