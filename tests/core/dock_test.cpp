#include <gtest/gtest.h>
#include <windows.h>

#include "core/window_dock.h"
#include "core/window_geometry.h"

namespace {

HWND Child(HWND parent, int w, int h) {
  return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, w, h, parent, nullptr, nullptr, nullptr);
}

struct Placed {
  int x, y, w, h;
  bool operator==(const Placed&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Placed& p) {
  return os << "{x " << p.x << ", y " << p.y << ", w " << p.w << ", h " << p.h << "}";
}

Placed Where(HWND h) {
  RECT rc = core::WindowRectInParent(h);
  return {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

// A parent with a 300 x 200 client area, bars of 20 (top) and 15 (bottom),
// panes of 40 (left) and 30 (right) and a client window; the parent is
// top-level or itself a child.
struct Layout {
  explicit Layout(bool nested) {
    outer = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    parent = nested ? Child(outer, 300, 200)
                    : CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    top = Child(parent, 50, 20);
    bottom = Child(parent, 50, 15);
    left = Child(parent, 40, 50);
    right = Child(parent, 30, 50);
    client = Child(parent, 10, 10);
  }
  ~Layout() {
    DestroyWindow(parent);
    DestroyWindow(outer);
  }
  HWND outer, parent, top, bottom, left, right, client;
};

TEST(DockTest, BarsPanesAndClientOfATopLevelParent) {
  Layout l(false);
  core::WNDADJTOP(l.top);
  EXPECT_EQ(Where(l.top), (Placed{-1, -1, 302, 20}));
  core::WNDADJBOTTOM(l.bottom);
  EXPECT_EQ(Where(l.bottom), (Placed{-1, 186, 302, 15}));
  core::WNDADJLEFT(l.left, l.top, l.bottom);
  EXPECT_EQ(Where(l.left), (Placed{0, 20, 40, 167}));
  core::WNDADJRIGHT(l.right, l.top, l.bottom);
  EXPECT_EQ(Where(l.right), (Placed{270, 20, 30, 167}));
  core::WNDADJLEFT(l.left);  // nothing docked above or below
  EXPECT_EQ(Where(l.left), (Placed{0, 0, 40, 202}));

  struct Case {
    const char* name;
    HWND top;
    bool frame;
    int bevel;
    Placed want;
  };
  const Case cases[] = {
      {"plain", l.top, false, 0, {38, 18, 233, 168}},
      {"frame", l.top, true, 0, {38, 19, 233, 167}},
      {"no top bar", nullptr, false, 0, {38, -1, 233, 188}},
      {"no top bar, frame", nullptr, true, 0, {38, -1, 233, 186}},
      {"bevel", l.top, false, 2, {41, 22, 227, 161}},
  };
  for (const auto& c : cases) {
    core::WNDADJCLIENT(l.client, c.top, l.bottom, l.left, l.right, c.frame, c.bevel);
    EXPECT_EQ(Where(l.client), c.want) << c.name;
  }
}

TEST(DockTest, AParentThatIsAChildLosesThePixelOverlap) {
  Layout l(true);
  core::WNDADJTOP(l.top);
  EXPECT_EQ(Where(l.top), (Placed{-1, -1, 302, 20}));
  core::WNDADJBOTTOM(l.bottom);
  EXPECT_EQ(Where(l.bottom), (Placed{-1, 185, 302, 15}));
  core::WNDADJLEFT(l.left, l.top, l.bottom);
  EXPECT_EQ(Where(l.left), (Placed{0, 19, 40, 166}));
  core::WNDADJCLIENT(l.client, l.top, l.bottom, l.left, l.right);
  EXPECT_EQ(Where(l.client), (Placed{39, 18, 231, 167}));
  core::WNDADJCLIENT(l.client, nullptr, l.bottom, nullptr, nullptr);
  EXPECT_EQ(Where(l.client), (Placed{0, 0, 300, 186}));
}

}  // namespace
