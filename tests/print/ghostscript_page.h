#pragma once
// A printed PostScript file turned into pixels by the host's Ghostscript,
// started from inside Wine (which runs Unix programs as well). The pixels
// come back as a 24-bit BMP read into memory, top row first.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <fstream>
#include <string>
#include <vector>

namespace printtest {

constexpr const char* kGhostscript = "Z:\\usr\\bin\\gs";

inline bool HaveGhostscript() { return GetFileAttributesA(kGhostscript) != INVALID_FILE_ATTRIBUTES; }

// The Unix path that Ghostscript needs for a Windows one.
inline std::string UnixPath(const std::string& windowsPath) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  std::wstring wide(windowsPath.begin(), windowsPath.end());
  char* unixPath = toUnix(wide.c_str());
  if (!unixPath) return {};
  std::string result(unixPath);
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

// Runs Ghostscript on the first page of ps into out with the device given
// ("bmp16m", "png16m") at dpi dots per inch; true when it succeeded. Wine
// gives no waitable handle for a Unix process, so the picture is written
// under a second name and renamed when complete, and its arrival awaited.
inline bool RenderFirstPage(const std::string& ps, const std::string& out, const char* device, int dpi) {
  const std::string in = UnixPath(ps), target = UnixPath(out);
  if (in.empty() || target.empty()) return false;
  DeleteFileA(out.c_str());
  const std::string gs = "gs -q -dSAFER -dBATCH -dNOPAUSE -dFirstPage=1 -dLastPage=1 -dTextAlphaBits=1 "
                         "-dGraphicsAlphaBits=1 -sDEVICE=" + std::string(device) + " -r" + std::to_string(dpi) +
                         " -o '" + target + ".part' '" + in + "' && mv '" + target + ".part' '" + target + "'";
  std::string command = "Z:\\bin\\sh -c \"" + gs + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  if (pi.hThread) CloseHandle(pi.hThread);
  if (pi.hProcess) CloseHandle(pi.hProcess);
  for (int waited = 0; waited < 120000; waited += 50) {
    if (GetFileAttributesA(out.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Sleep(50);
  }
  return false;
}

// A page's pixels from a 24-bit bottom-up BMP.
class PagePixels {
 public:
  explicit PagePixels(const std::string& bmp) {
    std::ifstream in(bmp, std::ios::binary);
    std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() < 54) return;
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    std::memcpy(&file, data.data(), sizeof file);
    std::memcpy(&info, data.data() + sizeof file, sizeof info);
    if (info.biBitCount != 24 || info.biHeight <= 0) return;
    width_ = info.biWidth;
    height_ = info.biHeight;
    stride_ = (width_ * 3 + 3) & ~3;
    if (data.size() < file.bfOffBits + static_cast<std::size_t>(stride_) * height_) return;
    bits_.assign(data.begin() + file.bfOffBits, data.end());
  }
  bool Loaded() const { return !bits_.empty(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF At(int row, int col) const {
    if (row < 0 || col < 0 || row >= height_ || col >= width_) return RGB(255, 255, 255);
    const auto* p = reinterpret_cast<const unsigned char*>(bits_.data()) +
                    static_cast<std::size_t>(height_ - 1 - row) * stride_ + col * 3;
    return RGB(p[2], p[1], p[0]);
  }
  // The box {top, left, bottom, right} of the pixels in the area that
  // match; all -1 when none does.
  template <class Match>
  RECT Find(const RECT& area, Match match) const {
    RECT found{-1, -1, -1, -1};
    for (int row = area.top; row < area.bottom; ++row)
      for (int col = area.left; col < area.right; ++col) {
        if (!match(At(row, col))) continue;
        if (found.top < 0) found = {col, row, col, row};
        found.left = std::min<LONG>(found.left, col);
        found.right = std::max<LONG>(found.right, col);
        found.bottom = row;
      }
    return found;
  }

 private:
  int width_ = 0, height_ = 0, stride_ = 0;
  std::vector<char> bits_;
};

inline bool Dark(COLORREF c) { return GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96; }

}  // namespace printtest
