#pragma once
// The DC a painter draws into: the caller's, or, when the caller gave none,
// one of the window that is released at the end of the scope.

#include <windows.h>

namespace gfx {

class BorrowedDc {
 public:
  BorrowedDc(HWND hWnd, HDC hDC) : hWnd_(hWnd), own_(hDC ? nullptr : GetDC(hWnd)), dc_(hDC ? hDC : own_) {}
  ~BorrowedDc() {
    if (own_) ReleaseDC(hWnd_, own_);
  }
  BorrowedDc(const BorrowedDc&) = delete;
  BorrowedDc& operator=(const BorrowedDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hWnd_;
  HDC own_;
  HDC dc_;
};

}  // namespace gfx
