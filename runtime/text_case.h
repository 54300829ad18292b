#pragma once
// Case changes of the xBase kind: only the letters a to z change, so that
// accented letters and umlauts keep their case (index keys depend on it).

#include <string>
#include <string_view>

namespace rt {

inline char AsciiUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
inline char AsciiLowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline void AsciiUpperInPlace(std::string& s) {
  for (char& c : s) c = AsciiUpperChar(c);
}

inline void AsciiLowerInPlace(std::string& s) {
  for (char& c : s) c = AsciiLowerChar(c);
}

inline std::string AsciiUpper(std::string_view s) {
  std::string r(s);
  AsciiUpperInPlace(r);
  return r;
}

inline std::string AsciiLower(std::string_view s) {
  std::string r(s);
  AsciiLowerInPlace(r);
  return r;
}

}  // namespace rt
