#include "save_window.h"

#include <fstream>

namespace controltest {

void SaveWindow(HWND h, const char* file, HWND popup) {
  RECT r{};
  GetWindowRect(h, &r);
  const int w = r.right - r.left, ht = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, ht, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, ht, screen, r.left, r.top, SRCCOPY);
  if (popup) {
    // A pop-up the screen copy may miss draws itself into the picture.
    RECT p{};
    GetWindowRect(popup, &p);
    POINT origin{};
    SetViewportOrgEx(mem, p.left - r.left, p.top - r.top, &origin);
    SendMessageA(popup, WM_PRINT, reinterpret_cast<WPARAM>(mem), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(mem, origin.x, origin.y, nullptr);
  }
  GdiFlush();
  const DWORD size = static_cast<DWORD>(((w * 3 + 3) & ~3) * ht);
  BITMAPFILEHEADER fh{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
                      static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
  out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
}

}  // namespace controltest
