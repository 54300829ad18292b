#include "apps/common/program_directory.h"

#include <windows.h>

#include <vector>

#include "services/msgbox.h"

namespace common {

namespace {

// Paths beyond the classic limit go through the wide call with the
// long-path prefix.
constexpr std::size_t kClassicLimit = MAX_PATH - 2;

std::wstring Wide(const std::string& text) {
  const int n = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

}  // namespace

std::string ProgramFileName() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return std::string(buffer.data(), n);
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::string DirectoryOf(const std::string& fileName) {
  const std::size_t slash = fileName.find_last_of('\\');
  return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

bool MakeCurrentDirectory(const std::string& dir) {
  if (dir.empty()) return false;
  if (dir.size() <= kClassicLimit) return SetCurrentDirectoryA(dir.c_str()) != 0;
  std::wstring wide = Wide(dir);
  if (wide.rfind(L"\\\\", 0) == 0) {
    wide = L"\\\\?\\UNC\\" + wide.substr(2);
  } else {
    wide = L"\\\\?\\" + wide;
  }
  return SetCurrentDirectoryW(wide.c_str()) != 0;
}

bool EnterProgramDirectory(std::string& dir) {
  dir = DirectoryOf(ProgramFileName());
  if (MakeCurrentDirectory(dir)) return true;
  svc::MSGSTOP("Das Programmverzeichnis kann nicht ge\xF6" "ffnet werden:\r\n" + dir, "Problem");
  return false;
}

}  // namespace common
