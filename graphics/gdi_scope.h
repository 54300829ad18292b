#pragma once
// Scope guards for the DCs and selections the drawing functions borrow, so
// that every early return gives them back.

#include <windows.h>

#include <optional>

namespace gfx {

// A DC of a window (the screen for 0), released at the end of the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND hWnd = nullptr) : hWnd_(hWnd), dc_(GetDC(hWnd)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(hWnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hWnd_;
  HDC dc_;
};

// The DC a painter draws into: the caller's, or, when the caller gave none,
// one of the window, released at the end of the scope.
class BorrowedDc {
 public:
  BorrowedDc(HWND hWnd, HDC hDC) : dc_(hDC) {
    if (!dc_) dc_ = own_.emplace(hWnd).get();
  }
  HDC get() const { return dc_; }

 private:
  std::optional<WindowDc> own_;
  HDC dc_;
};

// A memory DC compatible with another one, deleted at the end of the scope.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (old_) SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Selects a palette (foreground or background) and realises it; the previous
// palette comes back at the end of the scope. A 0 palette does nothing.
class PaletteSelection {
 public:
  PaletteSelection(HDC dc, HPALETTE palette, bool background)
      : dc_(dc), old_(palette ? SelectPalette(dc, palette, background) : nullptr) {
    if (palette) RealizePalette(dc);
  }
  ~PaletteSelection() {
    if (old_) SelectPalette(dc_, old_, TRUE);
  }
  PaletteSelection(const PaletteSelection&) = delete;
  PaletteSelection& operator=(const PaletteSelection&) = delete;

 private:
  HDC dc_;
  HPALETTE old_;
};

}  // namespace gfx
