#include "services/text_line.h"

#include <windows.h>

#include <string_view>
#include <vector>

#include "services/int32.h"

namespace svc {

bool LGETTEXTLINE(std::int32_t handle, std::string& line, int maxLen) {
  const std::size_t max = maxLen > 0 ? static_cast<std::size_t>(maxLen) : 1024;
  HANDLE file = HandleOf<HANDLE>(handle);
  // Two bytes beyond the piece: a CR LF that starts in the piece's last byte,
  // or right after a piece that ends exactly at its line's end, still ends
  // this line instead of leaving a stray LF or an empty line for the next
  // read.
  std::vector<char> buf(max + 2);
  DWORD got = 0;
  if (!ReadFile(file, buf.data(), static_cast<DWORD>(buf.size()), &got, nullptr) || got == 0) {
    line.clear();
    return false;
  }
  std::string_view read(buf.data(), got);
  std::size_t cr = read.find("\r\n");
  std::size_t consumed;
  if (cr != std::string_view::npos && cr <= max) {
    line.assign(read.substr(0, cr));
    consumed = cr + 2;
  } else {
    line.assign(read.substr(0, std::min<std::size_t>(got, max)));
    consumed = line.size();
  }
  if (consumed < got) {
    SetFilePointer(file, -static_cast<LONG>(got - consumed), nullptr, FILE_CURRENT);
  }
  return true;
}

}  // namespace svc
