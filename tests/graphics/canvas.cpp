#include "canvas.h"

namespace gfxtest {

std::vector<long> Numbers(const rt::Value& array) {
  std::vector<long> out;
  if (array.IsArray()) {
    for (const rt::Value& v : array.Items()) out.push_back(v.AsInt());
  }
  return out;
}

Canvas::Canvas(int width, int height, COLORREF fill, const std::vector<COLORREF>& palette) {
  // Room for a 256-entry colour table after the header.
  std::vector<std::uint8_t> block(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
  info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info->bmiHeader.biWidth = width;
  info->bmiHeader.biHeight = -height;
  info->bmiHeader.biPlanes = 1;
  info->bmiHeader.biBitCount = palette.empty() ? 32 : 8;
  info->bmiHeader.biClrUsed = static_cast<DWORD>(palette.size());
  for (std::size_t i = 0; i < palette.size(); ++i) {
    info->bmiColors[i] = RGBQUAD{GetBValue(palette[i]), GetGValue(palette[i]), GetRValue(palette[i]), 0};
  }
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, info, DIB_RGB_COLORS, &bits, nullptr, 0);
  old_ = SelectObject(dc_, bitmap_);
  HBRUSH brush = CreateSolidBrush(fill);
  RECT all{0, 0, width, height};
  FillRect(dc_, &all, brush);
  DeleteObject(brush);
}

Canvas::~Canvas() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF Canvas::Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

int Canvas::CountOther(int x0, int y0, int x1, int y1, COLORREF colour) const {
  GdiFlush();
  int n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) n += Pixel(x, y) != colour;
  }
  return n;
}

TestWindow::TestWindow(int x, int y, int width, int height, HWND parent)
    : hwnd_(CreateWindowExA(0, "STATIC", "", parent ? WS_CHILD : WS_POPUP, x, y, width, height, parent, nullptr,
                            GetModuleHandleA(nullptr), nullptr)) {
  ShowWindowWithoutActivating(hwnd_);
}

void ShowWindowWithoutActivating(HWND hwnd) {
  // Under Wine a window that was activated on showing takes seconds to
  // destroy; the tests need it visible, not active.
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
}

TestWindow::~TestWindow() { DestroyWindow(hwnd_); }

RECT InParent(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace gfxtest
