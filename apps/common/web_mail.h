#pragma once
// The help menus' web page and e-mail items: only "http://" and "https://"
// addresses are opened, and the mail subject is percent-encoded, so that
// no setting can start a program or smuggle parameters into the mail.

#include <windows.h>

#include <string>

namespace common {

// False when nothing was started.
bool OpenWebPage(HWND hWnd, const std::string& url);
bool WriteMail(HWND hWnd, const std::string& address, const std::string& subject);
// "%XX" for every byte outside the unreserved characters.
std::string PercentEncoded(const std::string& text);

}  // namespace common
