#include "window_pixels.h"

WindowPixels::WindowPixels(HWND hWnd) {
  RECT rc{};
  GetClientRect(hWnd, &rc);
  width = rc.right;
  height = rc.bottom;
  HDC dc = GetDC(hWnd);
  pixels.reserve(static_cast<std::size_t>(width * height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(hWnd, dc);
}

int WindowPixels::Differences(const WindowPixels& other) const {
  int n = 0;
  for (std::size_t i = 0; i < pixels.size() && i < other.pixels.size(); ++i) n += pixels[i] != other.pixels[i];
  return n;
}
