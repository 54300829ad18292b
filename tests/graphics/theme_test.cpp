#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
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

bool RunningAs(const char* name) {
  const std::string exe = ProgramPath();
  const std::size_t length = std::char_traits<char>::length(name);
  return exe.size() >= length && lstrcmpiA(exe.c_str() + exe.size() - length, name) == 0;
}

bool LibrariesDisabled() { return RunningAs(kChildName); }

// The copy of this program that carries the programs' manifest.
constexpr const char* kThemedName = "vd_themed_child.exe";

bool CarriesManifest() { return RunningAs(kThemedName); }

// Starts a copy of this program with the filter and gives its exit code.
DWORD RunChild(const std::string& exe, const char* filter) {
  std::string command = "\"" + exe + "\" --gtest_filter=" + filter;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 255;
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 255;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

std::string TempPath(const char* name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + name;
}

TEST(Themes, NotThemedWithoutAManifest) {
  if (LibrariesDisabled() || CarriesManifest()) GTEST_SKIP() << "the children check their own case only";
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
  if (LibrariesDisabled() || CarriesManifest()) GTEST_SKIP() << "the children check their own case only";
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
  if (LibrariesDisabled() || CarriesManifest()) GTEST_SKIP() << "the children check their own case only";
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
  if (LibrariesDisabled() || CarriesManifest()) GTEST_SKIP() << "this is a child";
  // Wine takes WINEDLLOVERRIDES of a child from the Unix environment it was
  // started in, never from ours, so the child is a copy of this program
  // under its own name with both libraries disabled in Wine's per-program
  // overrides, the registry form of the same setting.
  const std::string child = TempPath(kChildName);
  ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), child.c_str(), FALSE));
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kChildOverrides) + "\\DllOverrides").c_str(), 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  for (const char* dll : {"uxtheme", "ctl3d32"}) {
    RegSetValueExA(key, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);  // "" disables
  }
  RegCloseKey(key);
  const DWORD code = RunChild(child, "MissingLibraries.EveryFunctionFallsBack");
  RegDeleteTreeA(HKEY_CURRENT_USER, kChildOverrides);
  DeleteFileA(child.c_str());
  EXPECT_EQ(code, 0u);
}

// Runs in a child copy that carries the programs' manifest.
TEST(WithManifest, ThemedUnderWine) {
  if (!CarriesManifest()) GTEST_SKIP() << "runs in the child of StartedWithTheProgramsManifest";
  EXPECT_TRUE(gfx::ISAPPTHEMED());
  TestWindow window(0, 0, 120, 30);
  Canvas canvas(120, 30);
  gfx::DrawThemedGripper(window.hwnd(), canvas.dc());
  EXPECT_GT(canvas.CountOther(0, 0, 120, 30, RGB(255, 255, 255)), 0);
}

TEST(WithManifest, StartedWithTheProgramsManifest) {
  if (LibrariesDisabled() || CarriesManifest()) GTEST_SKIP() << "this is a child";
  // The manifest file of the source tree, reached through Wine's drive for
  // the Unix root.
  const std::string source = std::string("Z:") + VD_SOURCE_DIR + "/res/vd.manifest";
  std::ifstream in(source, std::ios::binary);
  ASSERT_TRUE(in) << source;
  std::stringstream bytes;
  bytes << in.rdbuf();
  const std::string manifest = bytes.str();

  const std::string child = TempPath(kThemedName);
  ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), child.c_str(), FALSE));
  HANDLE update = BeginUpdateResourceA(child.c_str(), FALSE);
  ASSERT_NE(update, nullptr);
  ASSERT_TRUE(UpdateResourceA(update, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1),
                              MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), const_cast<char*>(manifest.data()),
                              static_cast<DWORD>(manifest.size())));
  ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
  const DWORD code = RunChild(child, "WithManifest.ThemedUnderWine");
  DeleteFileA(child.c_str());
  EXPECT_EQ(code, 0u);
}

}  // namespace
