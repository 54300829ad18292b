// The quick-search program itself under Wine: started in a folder of its
// own with two small word tables, driven through its windows, and its
// files read back. With VD_SHOT set to a folder the window is saved there
// as "voskdar_search.bmp" (the picture in docs/).

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "apps/common/transchr.h"
#include "apps/common/word_tables.h"
#include "apps/voskdar/quick_search.h"
#include "apps/voskdar/voskdar_main.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "tests/graphics/window_shot.h"

namespace {

namespace fs = std::filesystem;

const char* const kTitle = " ZQS Voskdar - Suchmaschine v1.41";

// The build's program, by its Windows name.
std::string ProgramPath() {
  std::string unix = VD_VOSKDAR_EXE;
  for (char& c : unix)
    if (c == '/') c = '\\';
  return "Z:" + unix;
}

void MakeTable(const common::WordTable& table, const std::vector<std::pair<std::string, std::string>>& rows,
               const char* sprache) {
  const rt::Value structure = rt::Value::Array(
      {rt::Value::Array({"DEUTSCH", "C", 50, 0}), rt::Value::Array({"FREMD", "C", 50, 0}),
       rt::Value::Array({"SPRACHE", "C", 2, 0}), rt::Value::Array({"STATUS", "N", 1, 0})});
  const std::string file = std::string(table.base) + ".DBF";
  ASSERT_TRUE(rt::DBCREATE(file, structure));
  ASSERT_TRUE(rt::DBUSEAREA(true, "", file, "MAKE", false, false));
  for (const auto& [german, foreign] : rows) {
    rt::DBAPPEND();
    rt::FIELDPUT("DEUTSCH", german);
    rt::FIELDPUT("FREMD", foreign);
    rt::FIELDPUT("SPRACHE", std::string(sprache));
  }
  for (int order : {1, 2})
    ASSERT_TRUE(rt::ORDCREATE(common::IndexName(table, order), "",
                              common::OrderKey(table, order, common::KeyStyle::QuickSearch)));
  rt::DBCLOSEAREA();
}

using Rows = std::vector<std::vector<std::string>>;

Rows ReadScratch() {
  Rows rows;
  if (!rt::DBUSEAREA(true, "", "VOSKTEMP.DBF", "CHECK", true, true)) return rows;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP()) {
    std::vector<std::string> row;
    for (int f = 1; f <= 4; ++f) row.push_back(rt::FIELDGET(f).AsString());
    rows.push_back(row);
  }
  rt::DBCLOSEAREA();
  return rows;
}

// By WM_GETTEXT: GetWindowText of another process's window gives the text
// the window was created with, not what an edit holds now.
std::string Text(HWND h) {
  char buf[256] = {};
  SendMessageA(h, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
  return buf;
}

std::string ClassOf(HWND h) {
  char buf[64] = {};
  GetClassNameA(h, buf, sizeof buf);
  return buf;
}

BOOL CALLBACK CollectChild(HWND h, LPARAM p) {
  reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
  return TRUE;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> out;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&out));
  return out;
}

// The visible top-level window of the process with the main window's title.
struct MainSearch {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindMain(HWND h, LPARAM p) {
  auto* f = reinterpret_cast<MainSearch*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == f->pid && IsWindowVisible(h) && GetParent(h) == nullptr && Text(h) == kTitle) {
    f->found = h;
    return FALSE;
  }
  return TRUE;
}

// A started program with its main window.
class Started {
 public:
  Started(const fs::path& dir, const std::string& arg) {
    std::string command = "\"" + (dir / "Voskdar.exe").string() + "\"" + (arg.empty() ? "" : " " + arg);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    const std::string cwd = dir.string();
    ok_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, cwd.c_str(), &si, &pi_);
    if (!ok_) return;
    WaitForInputIdle(pi_.hProcess, 30000);
    MainSearch find{pi_.dwProcessId, nullptr};
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&find));
    main_ = find.found;
  }
  ~Started() {
    if (!ok_) return;
    if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) {
      if (main_) SendMessageA(main_, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(pi_.hProcess, 30000) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 1);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  HWND Main() const { return main_; }
  HWND Dialog() const {
    for (HWND h : Children(main_))
      if (ClassOf(h) == "#32770") return h;
    return nullptr;
  }
  HWND Button(const std::string& caption) const {
    for (HWND h : Children(main_))
      if (ClassOf(h) == "Button" && Text(h) == caption) return h;
    return nullptr;
  }
  // Ends the program through its close box and waits for its exit.
  DWORD Close() {
    SendMessageA(main_, WM_CLOSE, 0, 0);
    return Wait();
  }
  // Waits for the program's exit; its exit code.
  DWORD Wait() {
    EXPECT_EQ(WaitForSingleObject(pi_.hProcess, 30000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
  }

 private:
  bool ok_ = false;
  PROCESS_INFORMATION pi_{};
  HWND main_ = nullptr;
};

std::string Setting(const fs::path& dir, const char* section, const char* key) {
  char buf[256] = {};
  GetPrivateProfileStringA(section, key, "<none>", buf, sizeof buf, (dir / "VOSKDAR.INI").string().c_str());
  return buf;
}

class VoskdarProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    common::RegisterWordFunctions();
    dir_ = fs::temp_directory_path() /
           (std::string("voskdar_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), (dir_ / "Voskdar.exe").string().c_str(), FALSE)) << ProgramPath();
    previous_ = fs::current_path();
    fs::current_path(dir_);
    MakeTable(common::kWordTables[0], {{"Haus", "house"}, {"Haus", "home"}, {"Haust\xFCr", "front door"},
                                       {"Baumhaus", "tree house"}, {"Hausboot", "houseboat"}},
              "EN");
    MakeTable(common::kWordTables[1], {{"Haus", "maison"}, {"Caf\xE9", "caf\xE9"}, {"naiv", "na\xEFve"}}, "FR");
  }
  void TearDown() override {
    rt::DBCLOSEALL();
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(dir_, ec);
  }

  fs::path dir_, previous_;
};

TEST_F(VoskdarProgram, SearchesTheTermOfItsCommandLineIntoTheScratchTable) {
  Rows fromProgram;
  {
    Started program(dir_, "haus");
    ASSERT_NE(program.Main(), nullptr);
    EXPECT_TRUE(fs::exists(dir_ / "Voskdar.Sem"));
    // A start with a term shows no about box.
    EXPECT_EQ(FindWindowA(nullptr, "ZQS Voskdar - Suchmaschine v1.41"), nullptr);
    EXPECT_EQ(GetWindowLongA(program.Main(), GWL_STYLE) & (WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX),
              WS_SYSMENU);

    HWND search = program.Button("&Suchen");
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(IsWindowEnabled(search));
    for (HWND h : Children(program.Dialog()))
      if (ClassOf(h) == "Edit") {
        EXPECT_EQ(rt::RTRIM(Text(h)), "haus");
      }
    for (const char* caption : {"&Einf\xFCgen", "&Hilfe", "&Beenden"}) EXPECT_NE(program.Button(caption), nullptr);

    // The nine items: a language is enabled only when its table exists.
    std::vector<HWND> items;
    for (HWND h : Children(program.Dialog()))
      if (ClassOf(h) == "ListBox") items.push_back(h);
    ASSERT_EQ(items.size(), 9u);
    const bool enabled[9] = {true, true, false, false, false, false, true, true, true};
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(IsWindowEnabled(items[i]) != 0, enabled[i]) << i;
    // They stand where the dialog's half-pixel numbers put them.
    const POINT at[9] = {{31, 21}, {56, 21}, {81, 21}, {106, 21}, {131, 21}, {156, 21}, {31, 36}, {106, 36}, {31, 46}};
    for (std::size_t i = 0; i < items.size(); ++i) {
      RECT r{};
      GetWindowRect(items[i], &r);
      MapWindowPoints(nullptr, program.Dialog(), reinterpret_cast<POINT*>(&r), 2);
      EXPECT_EQ(r.left, at[i].x * 2) << i;
      EXPECT_EQ(r.top, at[i].y * 2) << i;
    }

    if (const char* shot = std::getenv("VD_SHOT")) SaveWindowShot(program.Main(), std::string(shot) + "/voskdar_search.bmp");

    SendMessageA(search, BM_CLICK, 0, 0);
    fromProgram = ReadScratch();
    EXPECT_EQ(program.Close(), 0u);
  }
  // The exit: scratch table and semaphore gone, settings written and copied.
  EXPECT_FALSE(fs::exists(dir_ / "VOSKTEMP.DBF"));
  EXPECT_FALSE(fs::exists(dir_ / "Voskdar.Sem"));
  EXPECT_EQ(Setting(dir_, "Voskdar", "Eng"), "1");
  EXPECT_EQ(Setting(dir_, "Voskdar", "Ita"), "0");
  EXPECT_EQ(Setting(dir_, "Voskdar", "Exact"), "0");
  EXPECT_EQ(Setting(dir_, "Info", "Product"), "ZQS Voskdar - Suchmaschine v1.41");
  EXPECT_TRUE(fs::exists(dir_ / "Voskdar.sav"));

  // The same search by the search core in this process, with the options
  // the program had (its settings' defaults and the tables present).
  voskdar::SearchOptions options;
  options.languages = {true, true, false, false, false, false};
  rt::Sets().deleted = true;
  ASSERT_GT(voskdar::SearchTables("haus", options, {[](std::string_view) {}, {}}), 0);
  rt::DBCLOSEALL();
  EXPECT_EQ(fromProgram, ReadScratch());
  ASSERT_GE(fromProgram.size(), 1u);
  EXPECT_EQ(rt::RTRIM(fromProgram[0][0]), "          Deutsch - Englisch");
}

TEST_F(VoskdarProgram, AnEmptyTermLeavesSearchDisabledUntilTheFirstKey) {
  Started program(dir_, "@");
  ASSERT_NE(program.Main(), nullptr);
  HWND search = program.Button("&Suchen");
  ASSERT_NE(search, nullptr);
  EXPECT_FALSE(IsWindowEnabled(search));
  HWND edit = nullptr;
  for (HWND h : Children(program.Dialog()))
    if (ClassOf(h) == "Edit") edit = h;
  ASSERT_NE(edit, nullptr);
  SendMessageA(edit, WM_CHAR, 'h', 1);
  EXPECT_TRUE(IsWindowEnabled(search));
  EXPECT_EQ(rt::RTRIM(Text(edit)), "h");
  EXPECT_EQ(program.Close(), 0u);
}

// Puts text on the clipboard as the test process's own.
void PutClipboard(const std::string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

TEST_F(VoskdarProgram, PastesTheClipboardsFirstLine) {
  PutClipboard("Haus\r\nzweite Zeile");
  Started program(dir_, "@");
  ASSERT_NE(program.Main(), nullptr);
  HWND search = program.Button("&Suchen");
  HWND paste = program.Button("&Einf\xFCgen");
  ASSERT_TRUE(search && paste);
  EXPECT_FALSE(IsWindowEnabled(search));
  EXPECT_TRUE(IsWindowEnabled(paste));
  SendMessageA(paste, BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindowEnabled(search));
  HWND edit = nullptr;
  for (HWND h : Children(program.Dialog()))
    if (ClassOf(h) == "Edit") edit = h;
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(rt::RTRIM(Text(edit)), "Haus");
  // The paste took the clipboard's text away.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  CloseClipboard();
  SendMessageA(search, BM_CLICK, 0, 0);
  const Rows rows = ReadScratch();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rt::RTRIM(rows[1][0]), "Haus");
  EXPECT_EQ(program.Close(), 0u);
}

TEST_F(VoskdarProgram, RefusesToRunBesideTheEditor) {
  std::FILE* marker = std::fopen("Dravonel.sem", "wb");
  ASSERT_NE(marker, nullptr);
  std::fclose(marker);
  Started program(dir_, "haus");
  EXPECT_EQ(program.Main(), nullptr);
  HWND box = FindWindowA("#32770", "Problem");
  ASSERT_NE(box, nullptr);
  bool said = false;
  for (HWND h : Children(box))
    said = said || Text(h) == "Bitte beenden Sie zuerst das Corvanel Helvorindastrum W\xF6rterbuch !";
  EXPECT_TRUE(said);
  SendMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program.Wait(), 0u);
  EXPECT_FALSE(fs::exists(dir_ / "Voskdar.Sem"));
  EXPECT_FALSE(fs::exists(dir_ / "VOSKDAR.INI"));
}

TEST(StartTerm, IsTheFirstLineOfTheWordInFortyCharacters) {
  const std::string blanks(40, ' ');
  EXPECT_EQ(voskdar::StartTerm(std::nullopt), blanks);
  EXPECT_EQ(voskdar::StartTerm("@"), blanks);
  EXPECT_EQ(voskdar::StartTerm("   "), blanks);
  EXPECT_EQ(voskdar::StartTerm("haus"), "haus" + std::string(36, ' '));
  EXPECT_EQ(voskdar::StartTerm(std::string(50, 'x')), std::string(40, 'x'));
  EXPECT_EQ(voskdar::StartTerm("haus\r\nt\xFCr"), "haus" + std::string(36, ' '));
  EXPECT_EQ(voskdar::StartTerm("\"a'b\""), "\"a'b\"" + std::string(35, ' '));
}

}  // namespace
