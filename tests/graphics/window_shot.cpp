#include "window_shot.h"

#include <cstdlib>
#include <fstream>

void SaveDcShot(HDC dc, const RECT& area, const std::string& file) {
  const int w = area.right - area.left, ht = area.bottom - area.top;
  const HDC mem = CreateCompatibleDC(dc);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, ht, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, ht, dc, area.left, area.top, SRCCOPY);
  GdiFlush();
  const DWORD size = static_cast<DWORD>(((w * 3 + 3) & ~3) * ht);
  const BITMAPFILEHEADER fh{0x4D42,
                            static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
                            static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
  out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
}

void SaveWindowShot(HWND h, const std::string& file) {
  RedrawWindow(h, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT r{};
  GetWindowRect(h, &r);
  const HDC screen = GetDC(nullptr);
  SaveDcShot(screen, r, file);
  ReleaseDC(nullptr, screen);
}

void ShotIfAsked(HWND h, const char* variable) {
  if (const char* file = std::getenv(variable)) SaveWindowShot(h, file);
}
