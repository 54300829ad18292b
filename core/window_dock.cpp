#include "core/window_dock.h"

namespace core {
namespace {

struct Parent {
  int width = 0;   // client area
  int height = 0;
  bool nested = false;  // the parent has a parent of its own
};

Parent ParentOf(HWND hWnd) {
  Parent p;
  HWND parent = GetParent(hWnd);
  RECT rc{};
  GetClientRect(parent, &rc);
  p.width = rc.right - rc.left;
  p.height = rc.bottom - rc.top;
  p.nested = parent && GetParent(parent);
  return p;
}

int Width(HWND h) {
  RECT rc{};
  return h && GetWindowRect(h, &rc) ? rc.right - rc.left : 0;
}

int Height(HWND h) {
  RECT rc{};
  return h && GetWindowRect(h, &rc) ? rc.bottom - rc.top : 0;
}

bool Place(HWND hWnd, int x, int y, int w, int h) { return MoveWindow(hWnd, x, y, w, h, TRUE) != 0; }

bool DockSide(HWND hWnd, HWND hWndTop, HWND hWndBottom, bool right) {
  Parent p = ParentOf(hWnd);
  int t = Height(hWndTop), b = Height(hWndBottom), w = Width(hWnd);
  int y = t - (p.nested ? 1 : 0);
  int h = p.height + 1 - t - b + (p.nested ? 0 : 1);
  return Place(hWnd, right ? p.width - w : 0, y, w, h);
}

}  // namespace

bool WNDADJTOP(HWND hWnd) {
  Parent p = ParentOf(hWnd);
  return Place(hWnd, -1, -1, p.width + 2, Height(hWnd));
}

bool WNDADJBOTTOM(HWND hWnd) {
  Parent p = ParentOf(hWnd);
  int h = Height(hWnd);
  return Place(hWnd, -1, p.height - h + (p.nested ? 0 : 1), p.width + 2, h);
}

bool WNDADJLEFT(HWND hWnd, HWND hWndTop, HWND hWndBottom) { return DockSide(hWnd, hWndTop, hWndBottom, false); }

bool WNDADJRIGHT(HWND hWnd, HWND hWndTop, HWND hWndBottom) { return DockSide(hWnd, hWndTop, hWndBottom, true); }

bool WNDADJCLIENT(HWND hWnd, HWND hWndTop, HWND hWndBottom, HWND hWndLeft, HWND hWndRight, bool lFrame,
                  int nBevel) {
  Parent p = ParentOf(hWnd);
  int t = Height(hWndTop), b = Height(hWndBottom);
  int l = hWndLeft ? Width(hWndLeft) - 1 : 0, r = Width(hWndRight);
  int f = lFrame ? 1 : 0;
  if (nBevel > 0) {
    t += nBevel;
    b += nBevel;
    l += nBevel;
    r += nBevel;
    return Place(hWnd, l, t, p.width - l - r, p.height - t - b);
  }
  if (!p.nested) {
    int y = t - (t != 0 ? 2 - f : 1);
    int h = p.height - t - b + (t != 0 ? 1 : 0) + (t == 0 && f == 0 ? 1 : 0) + 3 - (f ? 2 : 1);
    return Place(hWnd, l - 1, y, p.width - l - r + 2, h);
  }
  return Place(hWnd, l, t - (t != 0 ? 2 : 0), p.width - l - r, p.height - t - b + (t != 0 ? 1 : 0) + 1);
}

}  // namespace core
