// The chains of parent windows and whether two windows share their
// top-level window.
#include "core/window_parents.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"
#include "twindow_support.h"
#include "services/int32.h"

namespace {

using coretest::OwnedWindow;
using coretest::ScopedWindow;

rt::Value Handle(HWND h) { return rt::Value(svc::HandleNumber(h)); }

HWND Child(HWND parent) {
  return CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
}

std::vector<HWND> Chain(const rt::Value& o) {
  std::vector<HWND> handles;
  const rt::Value chain = core::SCANPARENTS(o);
  for (const rt::Value& h : chain.Items()) {
    handles.push_back(reinterpret_cast<HWND>(svc::ToHandle(h)));
  }
  return handles;
}

// A top-level window with a child that holds a grandchild (a page in a
// folder), a second top-level window with a child, and a pop-up owned by
// the first.
struct Family {
  ScopedWindow top{coretest::NewTestWindow()};
  HWND child = Child(top.get());
  HWND grandchild = Child(child);
  ScopedWindow other{coretest::NewTestWindow()};
  HWND cousin = Child(other.get());
  ScopedWindow owned{CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, top.get(), nullptr, nullptr, nullptr)};
};

TEST(ScanParents, ChainRunsFromTheWindowToItsTopLevelWindow) {
  Family f;
  EXPECT_EQ(Chain(Handle(f.grandchild)), (std::vector<HWND>{f.grandchild, f.child, f.top.get()}));
  EXPECT_EQ(Chain(Handle(f.top.get())), (std::vector<HWND>{f.top.get()}));
  // An owned pop-up is a top-level window of its own.
  EXPECT_EQ(Chain(Handle(f.owned.get())), (std::vector<HWND>{f.owned.get()}));
  EXPECT_TRUE(Chain(rt::Value()).empty());
  EXPECT_TRUE(Chain(rt::Value(0)).empty());
  ScopedWindow gone(coretest::NewTestWindow());
  const rt::Value dead = Handle(gone.get());
  DestroyWindow(gone.get());
  EXPECT_TRUE(Chain(dead).empty());
}

TEST(ScanParents, WindowObjectsGiveTheChainOfTheirWindow) {
  OwnedWindow parent;
  OwnedWindow w(coretest::PixelArgs(5, 5, 50, 50, WS_CHILD, parent.value()));
  EXPECT_EQ(Chain(w.value()), (std::vector<HWND>{w->hWnd, parent->hWnd}));
  EXPECT_TRUE(core::WNDPARENTS(w.value(), parent.value()));
  EXPECT_TRUE(core::WNDPARENTS(w.value(), Handle(parent->hWnd)));
}

TEST(WndParents, WindowsShareParentsOnlyInOneTopLevelWindow) {
  Family f;
  struct Case {
    const char* name;
    HWND a, b;
    bool shared;
  };
  const Case cases[] = {
      {"grandchild and child", f.grandchild, f.child, true},
      {"grandchild and its top", f.grandchild, f.top.get(), true},
      {"a window and itself", f.child, f.child, true},
      {"child and cousin", f.child, f.cousin, false},
      {"two top-level windows", f.top.get(), f.other.get(), false},
      {"child and the owned pop-up", f.child, f.owned.get(), false},
      {"child and no window", f.child, nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::WNDPARENTS(Handle(c.a), Handle(c.b)), c.shared);
    EXPECT_EQ(core::WNDPARENTS(Handle(c.b), Handle(c.a)), c.shared);
  }
}

}  // namespace
