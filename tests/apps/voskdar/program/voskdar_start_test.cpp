// The quick-search program under Wine, from its start to its window: where
// the window opens after earlier starts and after a bad stored position,
// the folder it works in, the word table start-up cannot read, and the
// paste button following the clipboard.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "apps/common/transchr.h"
#include "apps/common/word_tables.h"
#include "apps/voskdar/result_list.h"
#include "apps/voskdar/scratch_table.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "tests/apps/program_driver.h"
#include "tests/apps/word_table_file.h"

namespace {

namespace fs = std::filesystem;
using namespace apps_test;

const std::string kTitle = " ZQS Voskdar - Suchmaschine v1.41";

class VoskdarStart : public ::testing::Test {
 protected:
  void SetUp() override {
    common::RegisterWordFunctions();
    dir_ = fs::temp_directory_path() /
           (std::string("voskstart_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    previous_ = fs::current_path();
    fs::current_path(dir_);
    MakeWordTable(common::kWordTables[0], {{"Haus", "house"}, {"Baum", "tree"}}, "EN",
                  common::KeyStyle::QuickSearch);
    MakeWordTable(common::kWordTables[1], {{"Haus", "maison"}}, "FR", common::KeyStyle::QuickSearch);
    exe_ = dir_ / "Voskdar.exe";
    ASSERT_TRUE(CopyFileA(WindowsPath(VD_VOSKDAR_EXE).c_str(), exe_.string().c_str(), FALSE));
  }
  void TearDown() override {
    rt::DBCLOSEALL();
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(dir_, ec);
  }

  // Starts the program with "@" (no splash) and waits for its window.
  HWND Start(std::unique_ptr<Started>& program) {
    program = std::make_unique<Started>(exe_, dir_, "@");
    return program->Ok() ? program->AwaitWindow(kTitle) : nullptr;
  }
  static DWORD Close(Started& program, HWND main) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    return program.Wait();
  }
  static HWND Find(HWND main, const std::string& cls, const std::string& text = {}) {
    for (HWND h : Children(main))
      if (ClassOf(h) == cls && (text.empty() || Text(h) == text)) return h;
    return nullptr;
  }

  fs::path dir_, previous_, exe_;
};

RECT WindowRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

TEST_F(VoskdarStart, EveryStartOpensTheWindowOfTheLastOne) {
  std::vector<RECT> opened;
  for (int start = 0; start < 3; ++start) {
    std::unique_ptr<Started> program;
    HWND main = Start(program);
    ASSERT_NE(main, nullptr) << start;
    opened.push_back(WindowRect(main));
    EXPECT_EQ(Close(*program, main), 0u);
  }
  for (const RECT& r : opened) {
    EXPECT_EQ(r.right - r.left, opened[0].right - opened[0].left);
    EXPECT_EQ(r.bottom - r.top, opened[0].bottom - opened[0].top);
    EXPECT_EQ(r.left, opened[0].left);
    EXPECT_EQ(r.top, opened[0].top);
  }
  // The default window: 380 by 180 as stored, one more pixel each way.
  EXPECT_EQ(opened[0].right - opened[0].left, 381);
  EXPECT_EQ(opened[0].bottom - opened[0].top, 181);
}

TEST_F(VoskdarStart, APositionOffTheDesktopOpensOnIt) {
  RECT desk{};
  GetClientRect(GetDesktopWindow(), &desk);
  const struct {
    const char* key;
    const char* value;
  } cases[] = {{"Left", "-500"}, {"Top", "-1000"}, {"Left", "5000"}};
  for (const auto& c : cases) {
    std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary) << "[Voskdar]\r\n" << c.key << "=" << c.value << "\r\n";
    std::unique_ptr<Started> program;
    HWND main = Start(program);
    ASSERT_NE(main, nullptr) << c.key << c.value;
    const RECT r = WindowRect(main);
    EXPECT_NE(MonitorFromRect(&r, MONITOR_DEFAULTTONULL), nullptr) << c.key << c.value;
    EXPECT_GE(r.left, 0) << c.key << c.value;
    EXPECT_GE(r.top, 0) << c.key << c.value;
    EXPECT_LE(r.right, desk.right) << c.key << c.value;
    EXPECT_LE(r.bottom, desk.bottom) << c.key << c.value;
    EXPECT_EQ(r.right - r.left, 381) << c.key << c.value;
    EXPECT_EQ(Close(*program, main), 0u);
  }
}

TEST_F(VoskdarStart, AnUnreadableTableIsNamedOnceAtStartUp) {
  rt::DBCLOSEALL();
  std::ofstream(dir_ / "DEUFRA.DBF", std::ios::binary | std::ios::trunc) << "kein Tabellenkopf";
  auto program = std::make_unique<Started>(exe_, dir_, "@");
  ASSERT_TRUE(program->Ok());
  HWND box = program->AwaitWindow("Problem", "#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(StaticTexts(box).find("Die W\xF6rterbuchdatei DEUFRA.DBF kann nicht gelesen werden."), std::string::npos)
      << StaticTexts(box);
  EXPECT_EQ(StaticTexts(box).find("DEUENG"), std::string::npos) << StaticTexts(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  HWND main = program->AwaitWindow(kTitle);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(program->Window("Problem", "#32770"), nullptr) << "said once";
  EXPECT_EQ(Close(*program, main), 0u);
}

TEST_F(VoskdarStart, PasteFollowsTheClipboardAndLeavesTheTermWhenItGivesNothing) {
  PutClipboard("");
  std::unique_ptr<Started> program;
  HWND main = Start(program);
  ASSERT_NE(main, nullptr);
  HWND dialog = Find(main, "#32770");
  ASSERT_NE(dialog, nullptr);
  HWND paste = nullptr, edit = nullptr;
  for (HWND h : Children(dialog)) {
    if (ClassOf(h) == "Button" && Text(h) == "&Einf\xFCgen") paste = h;
    if (ClassOf(h) == "Edit") edit = h;
  }
  ASSERT_TRUE(paste && edit);
  EXPECT_FALSE(IsWindowEnabled(paste));

  // Text copied after the dialog opened enables the button; taken away, it
  // disables it again.
  PutClipboard("Haus");
  EXPECT_TRUE(Await(program->Process(), [&] { return IsWindowEnabled(paste) != 0; }));
  PutClipboard("");
  EXPECT_TRUE(Await(program->Process(), [&] { return !IsWindowEnabled(paste); }));

  // Pressed while the clipboard gives nothing, it leaves the typed term:
  // the search that follows looks for it.
  for (char c : std::string("haus")) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  ASSERT_TRUE(Await(program->Process(), [&] { return rt::RTRIM(Text(edit)) == "haus"; }));
  const auto press = [&](HWND button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
  };
  press(paste);
  press(Find(dialog, "Button", "&Suchen"));
  HWND list = program->AwaitWindow(std::string(voskdar::kResultsTitle) + "HAUS", "#32770");
  EXPECT_NE(list, nullptr);
  EXPECT_EQ(program->Window("Fehler", "#32770"), nullptr);
  if (list) PostMessageA(list, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Await(program->Process(), [&] { return !IsWindow(list); }));
  EXPECT_EQ(rt::RTRIM(Text(edit)), "haus");
  EXPECT_EQ(Close(*program, main), 0u);
}

// The program in a folder with blanks in its name, started from the folder
// above, which holds other tables: it searches its own tables and keeps
// its semaphore, scratch table and settings beside them.
TEST_F(VoskdarStart, WorksInItsOwnFolderWhateverTheCurrentOne) {
  const fs::path own = dir_ / "Programm Ordner";
  fs::create_directories(own);
  fs::current_path(own);
  MakeWordTable(common::kWordTables[0], {{"Fenster", "window"}}, "EN", common::KeyStyle::QuickSearch);
  MakeWordTable(common::kWordTables[1], {{"Fenster", "fen\xEAtre"}}, "FR", common::KeyStyle::QuickSearch);
  fs::current_path(dir_);
  fs::copy_file(exe_, own / "Voskdar.exe");
  fs::remove(exe_);
  exe_ = own / "Voskdar.exe";
  std::unique_ptr<Started> program;
  HWND main = Start(program);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(fs::exists(own / "Voskdar.Sem"));
  HWND dialog = Find(main, "#32770");
  ASSERT_NE(dialog, nullptr);
  HWND edit = Find(dialog, "Edit"), search = Find(dialog, "Button", "&Suchen");
  ASSERT_TRUE(edit && search);
  for (char c : std::string("fenster")) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  ASSERT_TRUE(Await(program->Process(), [&] { return rt::RTRIM(Text(edit)) == "fenster"; }));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(search), BN_CLICKED), reinterpret_cast<LPARAM>(search));
  HWND list = program->AwaitWindow(std::string(voskdar::kResultsTitle) + "FENSTER", "#32770");
  EXPECT_NE(list, nullptr) << "the program's own tables were not searched";
  EXPECT_TRUE(fs::exists(own / voskdar::kScratchFile));
  if (list) PostMessageA(list, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Await(program->Process(), [&] { return !IsWindow(list); }));
  EXPECT_EQ(Close(*program, main), 0u);
  EXPECT_TRUE(fs::exists(own / "VOSKDAR.INI"));
  for (const fs::path& name : {fs::path("Voskdar.Sem"), fs::path("VOSKDAR.INI"), fs::path(voskdar::kScratchFile)})
    EXPECT_FALSE(fs::exists(dir_ / name)) << name;
}

// A folder whose name the program's code page cannot write (the program
// reads its own name through it): the program says it cannot open its
// folder and ends, and the current folder stays as it was.
TEST_F(VoskdarStart, AFolderItsCodePageCannotNameEndsWithItsError) {
  const fs::path own = dir_ / L"S\u0142ownik";
  fs::create_directories(own);
  fs::copy_file(exe_, own / "Voskdar.exe");
  exe_ = own / "Voskdar.exe";
  std::vector<fs::path> before;
  for (const auto& entry : fs::directory_iterator(dir_)) before.push_back(entry.path());
  auto program = std::make_unique<Started>(exe_, dir_, "@");
  ASSERT_TRUE(program->Ok());
  HWND box = nullptr, main = nullptr;
  Await(program->Process(), [&] {
    box = program->Window("Problem", "#32770");
    main = program->Window(kTitle);
    return box || main;
  });
  EXPECT_EQ(main, nullptr) << "the program runs in the current folder";
  ASSERT_NE(box, nullptr);
  EXPECT_NE(StaticTexts(box).find("Das Programmverzeichnis kann nicht ge\xF6" "ffnet werden:"), std::string::npos)
      << StaticTexts(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program->Wait(), 1u);
  std::vector<fs::path> after;
  for (const auto& entry : fs::directory_iterator(dir_)) after.push_back(entry.path());
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, before);
}

}  // namespace
