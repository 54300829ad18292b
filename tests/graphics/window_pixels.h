#pragma once
// The client-area pixels of a window as they are on screen, for checks of
// drawing that goes straight to a window's DC.

#include <windows.h>

#include <vector>

struct WindowPixels {
  explicit WindowPixels(HWND hWnd);
  COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  // Positions whose colour differs between the two snapshots.
  int Differences(const WindowPixels& other) const;
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
};
