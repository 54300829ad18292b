// The editor's main window under Wine as a user meets it: where it opens
// after earlier starts and after a bad stored position, the focus after a
// search started with Enter, the grid's scroll thumb after an added entry,
// and the web item of the help menu.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "apps/common/word_tables.h"
#include "runtime/strings.h"
#include "tests/apps/dravonel/program/program_folder.h"
#include "tests/apps/program_driver.h"
#include "tests/apps/word_table_file.h"

namespace {

namespace fs = std::filesystem;
using namespace apps_test;

const std::string kTitle = " ZQS Voskdar W\xF6rtbuch v1.41";

// More rows than the grid shows, in German order from A to M.
WordPairs Rows() {
  WordPairs rows;
  for (int i = 10; i < 90; ++i) rows.emplace_back("Mittel" + std::to_string(i), "middle" + std::to_string(i));
  rows.emplace_back("Abend", "evening");
  rows.emplace_back("Haus", "house");
  return rows;
}

void CollectAll(HWND parent, std::vector<HWND>& out) {
  for (HWND h : Children(parent)) {
    out.push_back(h);
    CollectAll(h, out);
  }
}

class EditorWindow : public EditorFolder {
 protected:
  void SetUp() override {
    EditorFolder::SetUp();
    if (HasFatalFailure()) return;
    MakeWordTable(common::kWordTables[0], Rows(), "EN", common::KeyStyle::Editor);
    Settings("");
  }
  // The settings file: the editor's own keys (no splash), then `more` in
  // the same section or in the sections it opens.
  void Settings(const std::string& more) {
    std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary)
        << "[Dravonel]\r\nSprache=DEUENG\r\nExtern=1\r\n" << more;
  }
  HWND Start() {
    program_ = std::make_unique<Started>(exe_, dir_);
    if (!program_->Ok()) return nullptr;
    main_ = program_->AwaitWindow(kTitle);
    return main_;
  }
  DWORD Close() {
    PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return program_->Wait();
  }
  // A window of the main dialog: the class (its start) and, when given, the
  // text.
  HWND Part(const std::string& cls, const std::string& text = {}) const {
    std::vector<HWND> all;
    CollectAll(main_, all);
    for (HWND h : all)
      if (ClassOf(h).rfind(cls, 0) == 0 && (text.empty() || Text(h) == text) && IsWindowVisible(h)) return h;
    return nullptr;
  }
  HWND Grid() const {
    HWND grid = Part("TGBrowse");
    return grid ? grid : Part("TGBROWSE");
  }
  // The edit fields of the main dialog, left to right.
  std::vector<HWND> Fields() const {
    std::vector<HWND> all, edits;
    CollectAll(main_, all);
    for (HWND h : all)
      if (ClassOf(h) == "Edit") edits.push_back(h);
    std::sort(edits.begin(), edits.end(), [](HWND a, HWND b) {
      RECT ra{}, rb{};
      GetWindowRect(a, &ra);
      GetWindowRect(b, &rb);
      return ra.left < rb.left;
    });
    return edits;
  }
  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info) ? info.hwndFocus : nullptr;
  }
  // A menu item from the keyboard: the bar's mnemonic, then the item's.
  void Choose(char bar, char item) {
    PostMessageA(main_, WM_SYSCOMMAND, SC_KEYMENU, bar);
    HWND popup = nullptr;
    ASSERT_TRUE(Await(program_->Process(),
                      [&] { return (popup = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(popup); }));
    PostMessageA(popup, WM_CHAR, static_cast<unsigned char>(item), 0);
  }

  std::unique_ptr<Started> program_;
  HWND main_ = nullptr;
};

// The grid's vertical scroll bar as the screen shows it: the pixels down
// its middle, between the arrows, after the grid has drawn its frame again.
// (The system tells no other process where a window's thumb stands.)
std::vector<COLORREF> ScrollBarPixels(HWND grid) {
  RedrawWindow(grid, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  RECT r{};
  GetWindowRect(grid, &r);
  const int width = GetSystemMetrics(SM_CXVSCROLL), arrow = GetSystemMetrics(SM_CYVSCROLL);
  const int x = r.right - 1 - width / 2;
  std::vector<COLORREF> pixels;
  HDC screen = GetDC(nullptr);
  for (int y = r.top + arrow + 2; y < r.bottom - arrow - 2; ++y) pixels.push_back(GetPixel(screen, x, y));
  ReleaseDC(nullptr, screen);
  return pixels;
}

RECT WindowRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

TEST_F(EditorWindow, EveryStartOpensTheWindowOfTheLastOne) {
  std::vector<RECT> opened;
  for (int start = 0; start < 3; ++start) {
    ASSERT_NE(Start(), nullptr) << start;
    opened.push_back(WindowRect(main_));
    EXPECT_EQ(Close(), 0u);
  }
  for (const RECT& r : opened) {
    EXPECT_EQ(r.left, opened[0].left);
    EXPECT_EQ(r.top, opened[0].top);
    EXPECT_EQ(r.right, opened[0].right);
    EXPECT_EQ(r.bottom, opened[0].bottom);
  }
  // The default window: 640 by 480 as stored, one more pixel each way.
  EXPECT_EQ(opened[0].right - opened[0].left, 641);
  EXPECT_EQ(opened[0].bottom - opened[0].top, 481);
}

TEST_F(EditorWindow, APositionOffTheDesktopOpensOnIt) {
  RECT desk{};
  GetClientRect(GetDesktopWindow(), &desk);
  Settings("Left=-2000\r\nTop=3000\r\nBottom=3480\r\n");
  ASSERT_NE(Start(), nullptr);
  const RECT r = WindowRect(main_);
  EXPECT_EQ(r.left, desk.right / 2 - 320);
  EXPECT_EQ(r.top, desk.bottom / 2 - 240);
  EXPECT_EQ(r.right - r.left, 641);
  EXPECT_EQ(r.bottom - r.top, 481);
  EXPECT_EQ(Close(), 0u);
}

TEST_F(EditorWindow, EnterInTheGermanFieldSearchesAndLeavesItTheFocus) {
  ASSERT_NE(Start(), nullptr);
  std::vector<HWND> fields;
  ASSERT_TRUE(Await(program_->Process(), [&] { return (fields = Fields()).size() >= 2; }));
  HWND german = fields[0];
  PostMessageA(german, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageA(german, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  ASSERT_TRUE(Await(program_->Process(), [&] { return Focus() == german; }));
  for (unsigned char c : std::string("haus")) PostMessageA(german, WM_CHAR, c, 1);
  ASSERT_TRUE(Await(program_->Process(), [&] { return rt::TRIM(Text(german)) == "haus"; }));
  // The key as the keyboard sends it: the loop makes the character.
  PostMessageA(german, WM_KEYDOWN, VK_RETURN, 1);
  // The search found the row and cleared the fields; the German field has
  // the focus, as after a click on "&Suchen", and takes what is typed next.
  // Typing waits for the grid's paint after the search, which clears the
  // fields once more.
  HWND grid = Grid();
  ASSERT_NE(grid, nullptr);
  ASSERT_TRUE(Await(program_->Process(),
                    [&] { return rt::TRIM(Text(german)).empty() && !GetUpdateRect(grid, nullptr, FALSE); }));
  EXPECT_TRUE(Await(program_->Process(), [&] { return Focus() == german; }))
      << ClassOf(Focus()) << " " << Text(Focus());
  PostMessageA(Focus(), WM_CHAR, 'x', 1);
  EXPECT_TRUE(Await(program_->Process(), [&] { return rt::TRIM(Text(german)) == "x"; }));
  EXPECT_EQ(Close(), 0u);
}

TEST_F(EditorWindow, TheScrollThumbShowsTheRowJustAdded) {
  ASSERT_NE(Start(), nullptr);
  HWND grid = nullptr;
  ASSERT_TRUE(Await(program_->Process(), [&] { return (grid = Grid()) != nullptr; }));
  const std::vector<COLORREF> before = ScrollBarPixels(grid);
  ASSERT_GT(before.size(), 20u);

  // "Zylinder" comes last in the German order.
  Choose('a', 'a');
  HWND add = nullptr;
  ASSERT_TRUE(Await(program_->Process(), [&] {
    add = nullptr;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
      const std::string title = Text(h);
      if (ClassOf(h) == "#32770" && IsWindowVisible(h) && title.find(" - Neuer Begriff") != std::string::npos) add = h;
    }
    return add != nullptr;
  }));
  std::vector<HWND> edits;
  for (HWND h : Children(add))
    if (ClassOf(h) == "Edit") edits.push_back(h);
  ASSERT_EQ(edits.size(), 2u);
  for (unsigned char c : std::string("Zylinder")) PostMessageA(edits[0], WM_CHAR, c, 0);
  PostMessageA(edits[0], WM_CHAR, VK_TAB, 0);
  for (unsigned char c : std::string("cylinder")) PostMessageA(edits[1], WM_CHAR, c, 0);
  HWND save = nullptr;
  for (HWND h : Children(add))
    if (Text(h) == "&Speichern") save = h;
  ASSERT_NE(save, nullptr);
  ASSERT_TRUE(Await(program_->Process(), [&] { return IsWindowEnabled(save) != FALSE; }));
  PostMessageA(save, BM_CLICK, 0, 0);
  ASSERT_TRUE(Await(program_->Process(), [&] { return !IsWindow(add); }));
  // The thumb left the top for the new row's place, the last one, at once:
  // the bar's lower end shows what its upper end showed before.
  const std::vector<COLORREF> after = ScrollBarPixels(grid);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_NE(after, before);
  const std::size_t end = before.size() / 5;
  EXPECT_NE(std::vector<COLORREF>(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(end)),
            std::vector<COLORREF>(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(end)))
      << "the thumb is still at the top";
  EXPECT_EQ(Close(), 0u);
}

TEST_F(EditorWindow, TheWebItemNamesAnAddressItRefuses) {
  Settings("[Project]\r\nInternet_Menue=&Web\r\nInternet_URL=ftp://zqs.example\r\n");
  ASSERT_NE(Start(), nullptr);
  Choose('h', 'w');
  HWND box = program_->AwaitWindow("Internet", "#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(StaticTexts(box).find("Die Internetadresse 'ftp://zqs.example' kann nicht ge\xF6" "ffnet werden."),
            std::string::npos)
      << StaticTexts(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(Await(program_->Process(), [&] { return !IsWindow(box); }));
  EXPECT_EQ(Close(), 0u);
}

}  // namespace
