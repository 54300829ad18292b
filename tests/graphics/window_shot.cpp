#include "window_shot.h"

#include <cstdlib>
#include <fstream>

namespace {

void SaveShot(HDC dc, const RECT& area, const std::string& file, HWND popup) {
  const int w = area.right - area.left, ht = area.bottom - area.top;
  const HDC mem = CreateCompatibleDC(dc);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, ht, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, ht, dc, area.left, area.top, SRCCOPY);
  if (popup) {
    RECT p{};
    GetWindowRect(popup, &p);
    POINT origin{};
    SetViewportOrgEx(mem, p.left - area.left, p.top - area.top, &origin);
    SendMessageA(popup, WM_PRINT, reinterpret_cast<WPARAM>(mem), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(mem, origin.x, origin.y, nullptr);
  }
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

}  // namespace

void SaveDcShot(HDC dc, const RECT& area, const std::string& file) { SaveShot(dc, area, file, nullptr); }

void SaveScreenShot(const RECT& area, const std::string& file) {
  const HDC screen = GetDC(nullptr);
  SaveShot(screen, area, file, nullptr);
  ReleaseDC(nullptr, screen);
}

void SaveWindowShot(HWND h, const std::string& file, HWND popup) {
  RedrawWindow(h, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT r{};
  GetWindowRect(h, &r);
  const HDC screen = GetDC(nullptr);
  SaveShot(screen, r, file, popup);
  ReleaseDC(nullptr, screen);
}

void ShotIfAsked(HWND h, const char* variable) {
  if (const char* file = std::getenv(variable)) SaveWindowShot(h, file);
}
