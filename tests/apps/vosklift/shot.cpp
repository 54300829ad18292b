#include "tests/apps/vosklift/shot.h"

#include <cstdio>

namespace vdtest {

void SaveScreen(RECT r, const std::string& path) {
  const int w = r.right - r.left, ht = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = ht;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, ht, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD size = static_cast<DWORD>(((w * 3 + 3) & ~3) * ht);
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  fh.bfSize = fh.bfOffBits + size;
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
    std::fwrite(bits, size, 1, f);
    std::fclose(f);
  }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
}

}  // namespace vdtest
