#pragma once
// A memory canvas for pixel probes, white when made, and a plain
// top-level window for the functions that need a real one.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "runtime/value.h"

namespace gfxtest {

// The elements of an array of numbers, for comparing results.
std::vector<long> Numbers(const rt::Value& array);

class Canvas {
 public:
  // 32 bits per pixel, or 8 with the given colour table.
  Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255), const std::vector<COLORREF>& palette = {});
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  COLORREF Pixel(int x, int y) const;
  // Pixels in [x0, x1) x [y0, y1) that differ from the colour.
  int CountOther(int x0, int y0, int x1, int y1, COLORREF colour) const;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

void ShowWindowWithoutActivating(HWND hwnd);

// A window's rectangle in its parent's client coordinates.
RECT InParent(HWND hwnd);

class TestWindow {
 public:
  TestWindow(int x, int y, int width, int height, HWND parent = nullptr);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

}  // namespace gfxtest
