#include "apps/common/web_mail.h"

#include <cctype>
#include <cstdio>

namespace common {

std::string PercentEncoded(const std::string& text) {
  std::string out;
  for (const unsigned char c : text) {
    if ((std::isalnum(c) && c < 0x80) || c == '-' || c == '_' || c == '.' || c == '~') {
      out += static_cast<char>(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      out += hex;
    }
  }
  return out;
}

bool OpenWebPage(HWND hWnd, const std::string& url) {
  if (url.rfind("http://", 0) != 0 && url.rfind("https://", 0) != 0) return false;
  const auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteA(hWnd, nullptr, url.c_str(), nullptr, "", SW_SHOWNORMAL));
  return result > 32;
}

bool WriteMail(HWND hWnd, const std::string& address, const std::string& subject) {
  if (address.empty()) return false;
  const std::string target = "mailto:" + address + "?subject=" + PercentEncoded(subject);
  const auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteA(hWnd, nullptr, target.c_str(), nullptr, "", SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace common
