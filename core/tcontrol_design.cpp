// Design mode: the eight sizing handles around the control being laid out,
// and resizing by dragging one of them.
#include <algorithm>
#include <array>
#include <memory>

#include "core/callback_guard.h"
#include "core/tcontrol.h"
#include "graphics/design_outline.h"

namespace core {

namespace {

constexpr char kDotClass[] = "VdDesignDot";

// The handles are shared by every control: only one control is laid out at
// a time, and the handles follow it.
std::array<HWND, 8> dots{};
std::weak_ptr<TControl> dotsOwner;

LPCSTR DotCursor(int handle) {
  static const std::array<LPCSTR, 4> cursors{IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE};
  return cursors[static_cast<std::size_t>((handle - 1) % 4)];
}

LRESULT CALLBACK DotProc(HWND hWnd, UINT nMsg, WPARAM w, LPARAM l) {
  return GuardCallback([&]() -> LRESULT {
    const int handle = static_cast<int>(GetWindowLongPtrA(hWnd, GWLP_ID));
    if (nMsg == WM_SETCURSOR) {
      SetCursor(LoadCursorA(nullptr, DotCursor(handle)));
      return TRUE;
    }
    if (nMsg == WM_LBUTTONDOWN) {
      if (const auto owner = dotsOwner.lock(); owner && owner->hWnd) {
        POINT p{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
        MapWindowPoints(hWnd, owner->hWnd, &p, 1);
        owner->MResize(handle, p.y, p.x, rt::Value());
      }
      return 0;
    }
    return DefWindowProcA(hWnd, nMsg, w, l);
  });
}

bool DotsExist() { return dots[0] && IsWindow(dots[0]); }

}  // namespace

RECT ResizedByHandle(RECT r, int handle, int dRow, int dCol) {
  const bool top = handle == 1 || handle == 2 || handle == 3;
  const bool right = handle == 3 || handle == 4 || handle == 5;
  const bool bottom = handle == 5 || handle == 6 || handle == 7;
  const bool left = handle == 7 || handle == 8 || handle == 1;
  if (top) r.top = std::min(r.top + dRow, r.bottom);
  if (bottom) r.bottom = std::max(r.bottom + dRow, r.top);
  if (left) r.left = std::min(r.left + dCol, r.right);
  if (right) r.right = std::max(r.right + dCol, r.left);
  return r;
}

std::array<HWND, 8> TControl::Dots() { return dots; }

void TControl::CheckDots() {
  const auto owner = Container();
  if (!DotsExist() && owner && owner->hWnd) {
    static const ATOM registered = [] {
      WNDCLASSA wc{};
      wc.lpfnWndProc = DotProc;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
      wc.lpszClassName = kDotClass;
      return RegisterClassA(&wc);
    }();
    (void)registered;
    for (std::size_t i = 0; i < dots.size(); ++i) {
      dots[i] = CreateWindowA(kDotClass, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 2, 2, owner->hWnd,
                              reinterpret_cast<HMENU>(i + 1), GetModuleHandleA(nullptr), nullptr);
    }
  }
  if (hWnd) MoveCorner(SnapRow(nTop), SnapCol(nLeft));
}

void TControl::ShowDots() {
  const auto owner = Container();
  if (!hWnd || !owner || !owner->hWnd) return;
  if (!DotsExist()) CheckDots();
  if (!DotsExist()) return;
  dotsOwner = std::static_pointer_cast<TControl>(shared_from_this());
  for (HWND dot : dots) {
    if (GetParent(dot) != owner->hWnd) SetParent(dot, owner->hWnd);
  }
  gfx::DOTSADJUST(hWnd, dots);
  for (HWND dot : dots) ShowWindow(dot, SW_SHOWNA);
}

void TControl::HideDots() {
  if (!DotsExist()) return;
  for (HWND dot : dots) ShowWindow(dot, SW_HIDE);
  if (dotsOwner.lock().get() == this) dotsOwner.reset();
}

void TControl::MResize(long nHandle, long nRow, long nCol, const rt::Value&) {
  if (nHandle < 1 || nHandle > 8) return;
  nMResize = nHandle;
  nLastRow = SnapRow(static_cast<int>(nRow));
  nLastCol = SnapCol(static_cast<int>(nCol));
  lCaptured = true;
  Capture();
  ShowOutline(nRow, nCol);
}

void TControl::ShowOutline(long nRow, long nCol) {
  HideOutline();
  Outline o;
  o.row = SnapRow(static_cast<int>(nRow));
  o.col = SnapCol(static_cast<int>(nCol));
  o.dRow = o.row - static_cast<int>(nLastRow);
  o.dCol = o.col - static_cast<int>(nLastCol);
  o.mode = static_cast<int>(nMResize);
  gfx::CTRLDRAWFOCUS(hWnd, o.dRow, o.dCol, o.row, o.col, o.mode);
  outline_ = o;
}

void TControl::HideOutline() {
  if (!outline_) return;
  gfx::CTRLDRAWFOCUS(hWnd, outline_->dRow, outline_->dCol, outline_->row, outline_->col, outline_->mode);
  outline_.reset();
}

void TControl::ResizeByDot(long nRow, long nCol) {
  RECT r{};
  GetWindowRect(hWnd, &r);
  MapWindowPoints(nullptr, GetParent(hWnd), reinterpret_cast<POINT*>(&r), 2);
  r = ResizedByHandle(r, static_cast<int>(nMResize), SnapRow(static_cast<int>(nRow)) - static_cast<int>(nLastRow),
                      SnapCol(static_cast<int>(nCol)) - static_cast<int>(nLastCol));
  nMResize = 0;
  SetWindowPos(hWnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  CoorsUpdate();
}

}  // namespace core
