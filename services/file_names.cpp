#include "services/file_names.h"

#include <windows.h>

#include <cstdio>

#include "runtime/strings.h"
#include "runtime/text_case.h"

namespace svc {
namespace {

// The name part without the upper-casing of CFILENOPATH.
std::string_view NamePart(std::string_view cPath) {
  std::size_t slash = cPath.rfind('\\');
  if (slash != std::string_view::npos) return cPath.substr(slash + 1);
  if (cPath.size() >= 2 && cPath[1] == ':') return cPath.substr(2);
  return cPath;
}

bool Exists(const std::string& name) { return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

std::string CFILEDISC(std::string_view cPath) {
  if (cPath.size() >= 2 && cPath[1] == ':') return rt::AsciiUpper(cPath.substr(0, 2));
  return {};
}

std::string CFILEPATH(std::string_view cPath) {
  std::size_t slash = cPath.rfind('\\');
  if (slash == std::string_view::npos) return CFILEDISC(cPath) + "\\";
  return rt::AsciiUpper(cPath.substr(0, slash + 1));
}

std::string CFILENOPATH(std::string_view cPath) { return rt::AsciiUpper(NamePart(cPath)); }

std::string CFILENAME(std::string_view cPath) { return CFILENOPATH(cPath); }

std::string CFILEMASK(std::string_view cPath) {
  std::string_view name = NamePart(cPath);
  if (name.find_first_of("*?") == std::string_view::npos) return {};
  return std::string(name);
}

std::string CFILENOEXT(std::string_view cPath) {
  std::string_view name = NamePart(cPath);
  return rt::TrimBlanks(name.substr(0, name.find('.')));
}

std::string CFILEEXT(std::string_view cPath) {
  std::string_view name = NamePart(cPath);
  std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  return rt::TrimBlanks(name.substr(dot + 1));
}

std::string CFILESUBDIR(std::string_view cPath) {
  if (!cPath.empty() && cPath.back() == '\\') cPath.remove_suffix(1);
  return CFILEPATH(cPath);
}

std::string CNEWFILENAME(std::string_view cRoot, std::string_view cExt) {
  for (unsigned n = 1;; ++n) {
    char digits[16];
    std::snprintf(digits, sizeof digits, n == 1 ? "%u" : n < 100 ? "%02u" : "%03u", n);
    std::string name = std::string(cRoot) + digits + "." + std::string(cExt);
    if (!Exists(name)) return name;
  }
}

std::string CTEMPFILE() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02u%02u%02u", t.wHour % 100u, t.wMinute % 100u, t.wSecond % 100u);
  return digits;
}

}  // namespace svc
