// The dictionary editor itself under Wine: started in a folder of its own
// with small word tables, driven through its windows, and its files read
// back. With VD_SHOT set to a folder the splash and the main window with
// its dictionary menu open are saved there as "dravonel_splash.bmp" and
// "dravonel_menu.bmp" (the pictures in docs/).

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "apps/common/placement.h"
#include "apps/common/transchr.h"
#include "apps/common/window_placement.h"
#include "apps/common/word_tables.h"
#include "runtime/table_fns.h"
#include "support/error_dialog.h"
#include "tests/apps/dravonel/program/program_folder.h"
#include "tests/apps/program_driver.h"
#include "tests/apps/word_table_file.h"
#include "tests/graphics/window_shot.h"

namespace {

namespace fs = std::filesystem;
using namespace apps_test;
using Clock = std::chrono::steady_clock;

const std::string kRelease = "ZQS Voskdar W\xF6rtbuch v1.41";

long Milliseconds(Clock::duration d) {
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

// A word table with its two index files as the editor builds them.
void MakeTable(const common::WordTable& table, int rows) {
  WordPairs pairs;
  for (int i = 1; i <= rows; ++i) pairs.emplace_back("Wort" + std::to_string(i), "word" + std::to_string(i));
  MakeWordTable(table, pairs, "XX", common::KeyStyle::Editor);
}

// Closing as through the close box: the window asks its closing check.
DWORD CloseBox(Started& program, HWND main) {
  PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  return program.Wait();
}

class DravonelProgram : public EditorFolder {
 protected:
  void Tables(std::initializer_list<std::size_t> which) {
    for (std::size_t i : which) MakeTable(common::kWordTables[i], 5);
  }
  void Ini(const std::string& text) { std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary) << text; }

};

TEST_F(DravonelProgram, IsAWindowsGuiProgramWithItsResources) {
  const std::string bytes = FileBytes(exe_);
  ASSERT_GT(bytes.size(), 0x200u);
  const auto u16 = [&](std::size_t at) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) |
                                                static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8; };
  const std::size_t pe = u16(0x3C) | u16(0x3E) << 16;
  ASSERT_EQ(bytes.substr(pe, 4), std::string("PE\0\0", 4));
  // PE32 for the 32-bit build, PE32+ for the 64-bit one; both GUI programs.
  EXPECT_EQ(u16(pe + 24), sizeof(void*) == 4 ? 0x10Bu : 0x20Bu);
  EXPECT_EQ(u16(pe + 24 + 68), static_cast<unsigned>(IMAGE_SUBSYSTEM_WINDOWS_GUI));

  HMODULE module = LoadLibraryExA(exe_.string().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr) << "manifest";
  EXPECT_NE(FindResourceA(module, "AAAAA", MAKEINTRESOURCEA(14)), nullptr) << "icon";
  const struct {
    const char* name;
    long width, height;
  } bitmaps[] = {{"AB_Zqs", 160, 55}, {"Eng", 16, 16}, {"Fra", 16, 16}, {"Ita", 16, 16}, {"Spa", 16, 16},
                 {"Por", 16, 16},     {"Lat", 16, 16}, {"ENG", 16, 16}, {"Help", 16, 16}, {"Web", 16, 16},
                 {"Email", 16, 16}};
  for (const auto& b : bitmaps) {
    HBITMAP bmp = static_cast<HBITMAP>(LoadImageA(module, b.name, IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(bmp, nullptr) << b.name;
    BITMAP info{};
    GetObjectA(bmp, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, b.width) << b.name;
    EXPECT_EQ(info.bmHeight, b.height) << b.name;
    DeleteObject(bmp);
  }
  FreeLibrary(module);
}

TEST_F(DravonelProgram, RefusesToRunBesideTheQuickSearchTool) {
  Tables({0});
  const std::string ini = "[Dravonel]\r\nSprache=DEUENG\r\nExtern=1\r\n";
  Ini(ini);
  std::ofstream(dir_ / "Voskdar.sem").flush();
  Started program(exe_, dir_);
  ASSERT_TRUE(program.Ok());
  HWND box = program.AwaitWindow("Problem", "#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(StaticTexts(box).find("Bitte beenden Sie zuerst die Corvanel Helvorindastrum Suchmaschine !|") !=
                std::string::npos,
            true)
      << StaticTexts(box);
  EXPECT_EQ(program.Window(" " + kRelease), nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program.Wait(), 0u);
  EXPECT_FALSE(fs::exists(dir_ / "Dravonel.Sem"));
  EXPECT_FALSE(fs::exists(dir_ / "Voskdar.sav"));
  EXPECT_EQ(FileBytes(dir_ / "VOSKDAR.INI"), ini);
}

TEST_F(DravonelProgram, WithoutSettingsSplashMainWindowMenusAndExit) {
  Tables({0, 1});
  Started program(exe_, dir_);
  ASSERT_TRUE(program.Ok());

  // The splash, shown before the main window, closes about three seconds
  // after its first paint; repainting does not start it again.
  HWND splash = program.AwaitWindow(kRelease, "#32770");
  ASSERT_NE(splash, nullptr);
  const auto seen = Clock::now();
  EXPECT_NE(StaticTexts(splash).find("ZQS Sprachsoftware\rAm Wortacker 12\rD-12345 Lexingen|"), std::string::npos)
      << StaticTexts(splash);
  EXPECT_EQ(program.Window(" " + kRelease), nullptr);
  if (const char* shot = std::getenv("VD_SHOT")) {
    RECT r{};
    GetWindowRect(splash, &r);
    SaveScreenShot(r, std::string(shot) + "/dravonel_splash.bmp");
  }
  for (int i = 0; i < 3; ++i) RedrawWindow(splash, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_TRUE(Await(program.Process(), [&] { return !IsWindow(splash); }));
  const long shown = Milliseconds(Clock::now() - seen);
  // Measured from when this process first saw the box, a little after its
  // first paint, on a shared and busy machine.
  EXPECT_GE(shown, 2000);
  EXPECT_LT(shown, 8000);

  HWND main = program.AwaitWindow(" " + kRelease);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(fs::exists(dir_ / "Dravonel.Sem"));
  // The style asked for plus the visible and sibling-clipping bits.
  EXPECT_EQ(static_cast<unsigned long>(GetWindowLongA(main, GWL_STYLE)), 0x16CE0000ul);
  long top = 0, left = 0, bottom = 0, right = 0;
  common::GETCOORDS(common::kEditorPlacement, top, left, bottom, right);
  RECT r{};
  GetWindowRect(main, &r);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.left, left);
  // Showing a sizable frame without a window manager lets Wine add a pixel
  // to each side's extent; the window itself was made at the size asked
  // for, which its first move stored.
  EXPECT_NEAR(r.bottom - r.top, bottom - top + 1, 1);
  EXPECT_NEAR(r.right - r.left, right - left + 1, 1);
  const std::string stored[4] = {Setting(dir_, "Dravonel", "Top"), Setting(dir_, "Dravonel", "Left"),
                                 Setting(dir_, "Dravonel", "Bottom"), Setting(dir_, "Dravonel", "Right")};
  EXPECT_EQ(stored[0], std::to_string(top));
  EXPECT_EQ(stored[1], std::to_string(left));
  EXPECT_EQ(stored[2], std::to_string(bottom));
  EXPECT_EQ(stored[3], std::to_string(right));

  // The menus live in the program's process; their items and states are
  // tested in the program's library (dravonel_main_test). Here the open
  // menu is only pictured.
  if (const char* shot = std::getenv("VD_SHOT")) {
    // The file menu opened from the keyboard, then its first item's submenu.
    SetForegroundWindow(main);
    PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 'd');
    HWND popup = nullptr;
    Await(program.Process(), [&] { return (popup = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(popup); });
    PostMessageA(popup, WM_KEYDOWN, VK_RIGHT, 0);
    Await(program.Process(), [&] {
      int shown = 0;
      for (HWND h = FindWindowA("#32768", nullptr); h; h = FindWindowExA(nullptr, h, "#32768", nullptr))
        shown += IsWindowVisible(h) ? 1 : 0;
      return shown >= 2;
    });
    RECT all{};
    GetWindowRect(main, &all);
    for (HWND h = FindWindowA("#32768", nullptr); h; h = FindWindowExA(nullptr, h, "#32768", nullptr)) {
      RECT m{};
      if (IsWindowVisible(h) && GetWindowRect(h, &m)) UnionRect(&all, &all, &m);
    }
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SaveScreenShot(all, std::string(shot) + "/dravonel_menu.bmp");
    PostMessageA(main, WM_CANCELMODE, 0, 0);
  }

  EXPECT_EQ(CloseBox(program, main), 0u);
  EXPECT_FALSE(fs::exists(dir_ / "Dravonel.Sem"));
  EXPECT_EQ(Setting(dir_, "Dravonel", "Sprache"), "DEUENG");
  EXPECT_EQ(Setting(dir_, "Dravonel", "Extern"), "0");
}

TEST_F(DravonelProgram, AClickClosesTheSplashAtOnce) {
  Tables({0});
  Started program(exe_, dir_);
  HWND splash = program.AwaitWindow(kRelease, "#32770");
  ASSERT_NE(splash, nullptr);
  const auto clicked = Clock::now();
  PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(280, 150));
  ASSERT_TRUE(Await(program.Process(), [&] { return !IsWindow(splash); }));
  EXPECT_LT(Milliseconds(Clock::now() - clicked), 2000);
  HWND main = program.AwaitWindow(" " + kRelease);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(CloseBox(program, main), 0u);
}

// Started by the loader (no splash), with the dictionary of the settings
// or, when its table is missing, the first one present.
TEST_F(DravonelProgram, StartsTheDictionaryItFindsAndWritesItsKeysAfterTheCopy) {
  const struct {
    const char* sprache;
    std::initializer_list<std::size_t> tables;
    const char* opened;
  } cases[] = {{"DEUFRA", {0, 1}, "DEUFRA"},
               {"DEUXXX", {0, 1}, "DEUENG"},
               {"DEUITA", {1, 5}, "DEUFRA"},
               {"deulat", {0, 5}, "DEULAT"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sprache);
    for (const auto& t : common::kWordTables) {
      for (const std::string& f : {std::string(t.base) + ".DBF", common::IndexName(t, 1) + ".NTX",
                                   common::IndexName(t, 2) + ".NTX"})
        fs::remove(dir_ / f);
    }
    Tables(c.tables);
    const std::string ini = std::string("[Dravonel]\r\nSprache=") + c.sprache + "\r\nExtern=1\r\n";
    Ini(ini);
    fs::remove(dir_ / "Voskdar.sav");
    Started program(exe_, dir_);
    ASSERT_TRUE(program.Ok());
    HWND main = program.Window(" " + kRelease);
    ASSERT_NE(main, nullptr) << "no splash before the main window";
    EXPECT_EQ(program.Window(kRelease, "#32770"), nullptr);
    EXPECT_EQ(CloseBox(program, main), 0u);
    EXPECT_FALSE(fs::exists(dir_ / "Dravonel.Sem"));
    EXPECT_EQ(Setting(dir_, "Dravonel", "Sprache"), c.opened);
    EXPECT_EQ(Setting(dir_, "Dravonel", "Extern"), "0");
    // The copy was made before the exit keys were written.
    char saved[64] = {};
    GetPrivateProfileStringA("Dravonel", "Extern", "", saved, sizeof saved, (dir_ / "Voskdar.sav").string().c_str());
    EXPECT_EQ(std::string(saved), "1");
    GetPrivateProfileStringA("Dravonel", "Sprache", "", saved, sizeof saved, (dir_ / "Voskdar.sav").string().c_str());
    EXPECT_EQ(std::string(saved), c.sprache);
  }
}

// Coordinates that are no numbers fall back to the default place; a very
// long title is shown as the settings give it.
TEST_F(DravonelProgram, BadSettingsGiveDefaults) {
  Tables({0});
  const std::string title(600, 'T');
  Ini("[Project]\r\nPDravonel=" + title + "\r\n[Dravonel]\r\nSprache=\r\nExtern=1\r\nTop=oben\r\nLeft=-\r\n"
      "Bottom=12x\r\nRight=\r\n");
  Started program(exe_, dir_);
  ASSERT_TRUE(program.Ok());
  HWND main = nullptr;
  Await(program.Process(), [&] {
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(h, &pid);
      if (pid == GetProcessId(program.Process()) && IsWindowVisible(h) && GetMenu(h)) main = h;
    }
    return main != nullptr;
  });
  ASSERT_NE(main, nullptr);
  const std::string caption = Text(main);
  EXPECT_EQ(caption.substr(0, 11), " " + title.substr(0, 10));
  long top = 0, left = 0, bottom = 0, right = 0;
  {
    const std::string ini = FileBytes(dir_ / "VOSKDAR.INI");
    fs::remove(dir_ / "VOSKDAR.INI");
    common::GETCOORDS(common::kEditorPlacement, top, left, bottom, right);
    std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary) << ini;
  }
  RECT r{};
  GetWindowRect(main, &r);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(CloseBox(program, main), 0u);
  EXPECT_EQ(Setting(dir_, "Dravonel", "Sprache"), "DEUENG");
}

// The start-up check finds an index file whose header is damaged and
// builds it again before the table is opened.
TEST_F(DravonelProgram, ADamagedIndexIsBuiltAgain) {
  Tables({0});
  Ini("[Dravonel]\r\nSprache=DEUENG\r\nExtern=1\r\n");
  {
    std::fstream f(dir_ / "DEUENG1.NTX", std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(0);
    f << "damaged!damaged!damaged!";
  }
  Started program(exe_, dir_);
  ASSERT_TRUE(program.Ok());
  HWND main = program.Window(" " + kRelease);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(CloseBox(program, main), 0u);
  EXPECT_NE(FileBytes(dir_ / "DEUENG1.NTX").substr(0, 8), "damaged!");
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.DBF", "CHECK", true, true));
  ASSERT_TRUE(rt::ORDLISTADD("DEUENG1"));
  EXPECT_TRUE(rt::DBSEEK(rt::Value("WORT3")));
  rt::DBCLOSEAREA();
}

TEST_F(DravonelProgram, WithoutAnyTableOnlyTheProblemShows) {
  Started program(exe_, dir_);
  ASSERT_TRUE(program.Ok());
  HWND box = program.AwaitWindow("Problem", "#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(StaticTexts(box).find("Es wurde kein W\xF6rterbuch gefunden !|"), std::string::npos) << StaticTexts(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program.Wait(), 0u);
  EXPECT_FALSE(fs::exists(dir_ / "Dravonel.Sem"));
  EXPECT_FALSE(fs::exists(dir_ / "VOSKDAR.INI"));
}

// A table that cannot be read or opened ends the program through the error
// dialog, which names the file; the table stays as it was and no setting is
// written.
TEST_F(DravonelProgram, ADamagedOrHeldTableIsReportedByName) {
  const std::string ini = "[Dravonel]\r\nSprache=DEUENG\r\nExtern=1\r\n";
  for (const bool held : {false, true}) {
    SCOPED_TRACE(held ? "held" : "damaged");
    Tables({0});
    Ini(ini);
    HANDLE lock = INVALID_HANDLE_VALUE;
    if (held) {
      lock = CreateFileA((dir_ / "DEUENG.DBF").string().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    } else {
      std::fstream f(dir_ / "DEUENG.DBF", std::ios::in | std::ios::out | std::ios::binary);
      f.seekp(0);
      f << "damaged!";
    }
    const std::string before = held ? std::string() : FileBytes(dir_ / "DEUENG.DBF");
    Started program(exe_, dir_);
    ASSERT_TRUE(program.Ok());
    HWND box = program.AwaitWindow(support::kErrorDialogTitle);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(StaticTexts(box).find("DEUENG.DBF"), std::string::npos) << StaticTexts(box);
    if (!held) {
      EXPECT_NE(StaticTexts(box).find("DBFNTX/"), std::string::npos) << StaticTexts(box);
    }
    HWND quit = nullptr;
    for (HWND h : Children(box))
      if (Text(h) == "&Quit") quit = h;
    ASSERT_NE(quit, nullptr);
    PostMessageA(quit, BM_CLICK, 0, 0);
    EXPECT_EQ(program.Wait(), 1u);
    const std::string log = FileBytes(dir_ / "Error.log");
    EXPECT_EQ(log.rfind("Application\r\n===========\r\n", 0), 0u);
    EXPECT_NE(log.find("DEUENG.DBF"), std::string::npos);
    fs::remove(dir_ / "Error.log");
    if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
    if (!held) {
      EXPECT_EQ(FileBytes(dir_ / "DEUENG.DBF"), before);
    }
    // Only the window's place was stored; the exit keys were not written.
    EXPECT_EQ(Setting(dir_, "Dravonel", "Extern"), "1");
    EXPECT_FALSE(fs::exists(dir_ / "Voskdar.sav"));
  }
}

}  // namespace
