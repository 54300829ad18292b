#include "core/mdi_create.h"

namespace core {
namespace {

// The class layer's "system default" for a coordinate.
constexpr int kSystemDefault = 32768;

}  // namespace

std::string CMDISTRUCT(const std::string& cClass, const std::string& cTitle, int nTop, int nLeft, int nBottom,
                       int nRight, DWORD nStyle, LPARAM nParam) {
  static std::string className, title;
  className = cClass;
  title = cTitle;
  MDICREATESTRUCTA record{};
  record.szClass = className.c_str();
  record.szTitle = title.c_str();
  record.hOwner = GetModuleHandleA(nullptr);
  record.x = nLeft;
  record.y = nTop;
  record.cx = nRight - nLeft + 1;
  record.cy = nBottom - nTop + 1;
  // 32768 is a 16-bit system's default: the platform's own value keeps the
  // child from becoming a 32768-pixel window off screen.
  if (nRight == kSystemDefault) {
    record.x = record.y = record.cx = record.cy = CW_USEDEFAULT;
  }
  record.style = nStyle;
  record.lParam = nParam;
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

}  // namespace core
