#include <gtest/gtest.h>

#include <string>

#include "canvas.h"
#include "graphics/ctl3d.h"
#include "graphics/theme.h"

namespace {

using gfxtest::Canvas;
using gfxtest::TestWindow;

// The copy of this program that runs with the optional libraries disabled.
constexpr const char* kChildName = "vd_nolibs_child.exe";
constexpr const char* kChildOverrides = "Software\\Wine\\AppDefaults\\vd_nolibs_child.exe";

std::string ProgramPath() {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  return exe;
}

bool LibrariesDisabled() {
  const std::string exe = ProgramPath();
  return exe.size() >= std::char_traits<char>::length(kChildName) &&
         lstrcmpiA(exe.c_str() + exe.size() - std::char_traits<char>::length(kChildName), kChildName) == 0;
}

TEST(Themes, NotThemedWithoutAManifest) {
  if (LibrariesDisabled()) GTEST_SKIP() << "the child checks the missing libraries only";
  ASSERT_EQ(FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr);
  ASSERT_NE(gfx::UXTHEME().library, nullptr);
  ASSERT_NE(gfx::UXTHEME().IsAppThemed, nullptr);
  EXPECT_FALSE(gfx::ISAPPTHEMED());
  EXPECT_FALSE(gfx::ISAPPTHEMED());

  TestWindow window(0, 0, 30, 20);
  Canvas canvas(30, 20);
  EXPECT_EQ(gfx::DRAWPBACK(window.hwnd(), canvas.dc()), 0);
  EXPECT_EQ(canvas.CountOther(0, 0, 30, 20, RGB(255, 255, 255)), 0);
}

TEST(Themes, Ctl3dLoadedOnceAndRegistered) {
  if (LibrariesDisabled()) GTEST_SKIP() << "the child checks the missing libraries only";
  TestWindow window(0, 0, 30, 20);
  gfx::CTL3DLOOK(window.hwnd());
  gfx::CTL3DLOOK(window.hwnd());
  const gfx::Ctl3dState& state = gfx::CTL3DSTATE();
  EXPECT_NE(state.library, nullptr);
  EXPECT_TRUE(state.registered);
  EXPECT_EQ(state.loadAttempts, 1);
  EXPECT_GE(state.uses, 2);
}

// A parent painted red under a child control, and the control's own DC
// stand-in: a white canvas of the control's size.
struct ControlOnRed {
  explicit ControlOnRed(const char* cls, DWORD style)
      : parent(0, 0, 100, 60),
        control(CreateWindowExA(0, cls, "Wahl", WS_CHILD | WS_VISIBLE | style, 10, 10, 40, 20, parent.hwnd(),
                                nullptr, GetModuleHandleA(nullptr), nullptr)),
        canvas(40, 20) {
    UpdateWindow(parent.hwnd());
    HDC dc = GetDC(parent.hwnd());
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 100, 60};
    FillRect(dc, &all, red);
    DeleteObject(red);
    ReleaseDC(parent.hwnd(), dc);
  }
  ~ControlOnRed() { DestroyWindow(control); }
  TestWindow parent;
  HWND control;
  Canvas canvas;
};

TEST(Themes, DrawThemedPreparesEachKindOfControl) {
  if (LibrariesDisabled()) GTEST_SKIP() << "the child checks the missing libraries only";
  {
    ControlOnRed check("BUTTON", BS_AUTOCHECKBOX);
    EXPECT_EQ(gfx::DRAWTHEMED(check.control, check.canvas.dc()), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(check.canvas.CountOther(0, 0, 40, 20, RGB(255, 0, 0)), 0);
  }
  {
    ControlOnRed push("BUTTON", BS_PUSHBUTTON);
    EXPECT_EQ(gfx::DRAWTHEMED(push.control, push.canvas.dc()), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(push.canvas.CountOther(0, 0, 40, 20, RGB(255, 255, 255)), 0);
  }
  {
    ControlOnRed group("BUTTON", BS_GROUPBOX);
    EXPECT_EQ(gfx::DRAWTHEMED(group.control, group.canvas.dc()), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(group.canvas.CountOther(0, 0, 40, 20, RGB(255, 255, 255)), 0);
  }
  {
    ControlOnRed label("STATIC", SS_LEFT);
    SetBkMode(label.canvas.dc(), OPAQUE);
    EXPECT_EQ(gfx::DRAWTHEMED(label.control, label.canvas.dc()), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetBkMode(label.canvas.dc()), TRANSPARENT);
  }
}

// Runs in a child process started with both optional libraries disabled.
TEST(MissingLibraries, EveryFunctionFallsBack) {
  if (!LibrariesDisabled()) GTEST_SKIP() << "runs in the child of StartedWithoutThemeAnd3dLibraries";
  EXPECT_EQ(gfx::UXTHEME().library, nullptr);
  EXPECT_FALSE(gfx::ISAPPTHEMED());
  TestWindow window(0, 0, 30, 20);
  Canvas canvas(30, 20);
  EXPECT_EQ(gfx::DRAWPBACK(window.hwnd(), canvas.dc()), 0);
  gfx::DrawThemedSizeGrip(window.hwnd(), canvas.dc());
  gfx::DrawThemedGripper(window.hwnd(), canvas.dc());
  EXPECT_EQ(canvas.CountOther(0, 0, 30, 20, RGB(255, 255, 255)), 0);
  EXPECT_EQ(gfx::UXTHEME().loadAttempts, 1);  // never looked for again

  EXPECT_FALSE(gfx::CTL3DLOOK(window.hwnd()));
  EXPECT_FALSE(gfx::CTL3DLOOK(window.hwnd()));
  EXPECT_EQ(gfx::CTL3DSTATE().library, nullptr);
  EXPECT_FALSE(gfx::CTL3DSTATE().registered);
  EXPECT_EQ(gfx::CTL3DSTATE().loadAttempts, 2);  // tried again on each call
}

TEST(MissingLibraries, StartedWithoutThemeAnd3dLibraries) {
  if (LibrariesDisabled()) GTEST_SKIP() << "this is the child";
  // Wine takes WINEDLLOVERRIDES of a child from the Unix environment it was
  // started in, never from ours, so the child is a copy of this program
  // under its own name with both libraries disabled in Wine's per-program
  // overrides, the registry form of the same setting.
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string child = std::string(temp) + kChildName;
  ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), child.c_str(), FALSE));
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kChildOverrides) + "\\DllOverrides").c_str(), 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  for (const char* dll : {"uxtheme", "ctl3d32"}) {
    RegSetValueExA(key, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);  // "" disables
  }
  RegCloseKey(key);

  std::string command = "\"" + child + "\" --gtest_filter=MissingLibraries.EveryFunctionFallsBack";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
  DWORD code = 1;
  if (started) {
    WaitForSingleObject(pi.hProcess, INFINITE);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, kChildOverrides);
  DeleteFileA(child.c_str());
  ASSERT_TRUE(started);
  EXPECT_EQ(code, 0u);
}

}  // namespace
