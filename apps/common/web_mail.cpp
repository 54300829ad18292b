#include "apps/common/web_mail.h"

#include <cctype>
#include <cstdio>

#include "runtime/text_case.h"
#include "services/msgbox.h"

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

std::string WebAddress(const std::string& url) {
  const std::string lower = rt::AsciiLower(url);
  if (lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0) return url;
  // The form the about box's own address has.
  if (lower.rfind("www.", 0) == 0 && url.size() > 4) return "http://" + url;
  return {};
}

bool OpenWebPage(HWND hWnd, const std::string& url) {
  const std::string address = WebAddress(url);
  if (address.empty()) {
    svc::MSGALERT("Die Internetadresse '" + url + "' kann nicht ge\xF6" "ffnet werden.", std::string("Internet"));
    return false;
  }
  const auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteA(hWnd, nullptr, address.c_str(), nullptr, "", SW_SHOWNORMAL));
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
