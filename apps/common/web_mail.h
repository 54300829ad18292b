#pragma once
// The help menus' web page and e-mail items: only "http://" and "https://"
// addresses are opened ("www." ones as "http://"), and the mail subject is
// percent-encoded, so that no setting can start a program or smuggle
// parameters into the mail.

#include <windows.h>

#include <string>

namespace common {

// The address the web item opens: url itself when it begins with "http://"
// or "https://", "http://" + url when it begins with "www." (letters in
// either case); "" for any other.
std::string WebAddress(const std::string& url);
// False when nothing was started; an address that WebAddress refuses is
// named in a short message first.
bool OpenWebPage(HWND hWnd, const std::string& url);
bool WriteMail(HWND hWnd, const std::string& address, const std::string& subject);
// "%XX" for every byte outside the unreserved characters.
std::string PercentEncoded(const std::string& text);

}  // namespace common
