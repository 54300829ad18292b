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
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "apps/common/transchr.h"
#include "apps/common/word_tables.h"
#include "apps/voskdar/quick_search.h"
#include "apps/voskdar/result_list.h"
#include "apps/voskdar/voskdar_main.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "tests/apps/program_driver.h"
#include "tests/apps/word_table_file.h"
#include "tests/graphics/window_shot.h"

namespace {

namespace fs = std::filesystem;
using apps_test::Children;
using apps_test::ClassOf;
using apps_test::MakeWordTable;
using apps_test::PutClipboard;
using apps_test::Text;

const char* const kTitle = " ZQS Voskdar - Suchmaschine v1.41";
const char* const kAboutTitle = "ZQS Voskdar - Suchmaschine v1.41";

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
  // onNotice answers the update notice, when it shows.
  Started(const fs::path& dir, const std::string& arg, bool expectMain = true,
          std::function<void(HWND)> onNotice = {})
      : onNotice_(std::move(onNotice)) {
    std::string command = "\"" + (dir / "Voskdar.exe").string() + "\"" + (arg.empty() ? "" : " " + arg);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    const std::string cwd = dir.string();
    ok_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, cwd.c_str(), &si, &pi_);
    if (!ok_) return;
    WaitForInputIdle(pi_.hProcess, 30000);
    if (!expectMain) return;
    // Until the main window shows, note the boxes the start-up shows first
    // and how long each stayed.
    const DWORD begin = GetTickCount();
    while (GetTickCount() - begin < 30000 && WaitForSingleObject(pi_.hProcess, 20) == WAIT_TIMEOUT) {
      for (const char* title : {kAboutTitle, "Achtung"}) {
        if (HWND box = FindWindowA("#32770", title)) {
          Seen& seen = seen_[title];
          if (!seen.box) seen = {box, GetTickCount(), 0};
          if (std::string(title) == "Achtung" && onNotice_) onNotice_(box);
        }
      }
      for (auto& [title, seen] : seen_)
        if (seen.box && !seen.ms && !IsWindow(seen.box)) seen.ms = GetTickCount() - seen.shown;
      MainSearch find{pi_.dwProcessId, nullptr};
      EnumWindows(FindMain, reinterpret_cast<LPARAM>(&find));
      if ((main_ = find.found)) break;
    }
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
  HANDLE Process() const { return pi_.hProcess; }
  // A box the start-up showed before the main window: its window and the
  // milliseconds it stayed open (0 while it is open).
  struct Seen {
    HWND box = nullptr;
    DWORD shown = 0, ms = 0;
  };
  Seen Shown(const std::string& title) const {
    const auto it = seen_.find(title);
    return it == seen_.end() ? Seen{} : it->second;
  }
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
  std::function<void(HWND)> onNotice_;
  std::map<std::string, Seen> seen_;
};

// Presses "&Suchen", which opens the result list, ends the list with
// "&Abbrechen" and waits until the search has closed the scratch table;
// false when no list opened.
bool SearchAndCancel(const Started& program, HWND search) {
  const auto press = [](HWND button) {
    PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  };
  press(search);
  HWND list = nullptr, cancel = nullptr;
  const std::string title = std::string(voskdar::kResultsTitle) + "HAUS";
  // The list shows once its controls exist.
  if (!apps_test::Await(program.Process(), [&] {
        list = FindWindowA("#32770", title.c_str());
        if (!list || !IsWindowVisible(list)) return false;
        for (HWND h : Children(list))
          if (ClassOf(h) == "Button" && Text(h) == "&Abbrechen") cancel = h;
        return cancel != nullptr;
      }))
    return false;
  press(cancel);
  // The search closes its tables after the list has gone: the scratch
  // table opens again once it has.
  return apps_test::Await(program.Process(), [&] {
    if (IsWindow(list)) return false;
    HANDLE scratch = CreateFileA("VOSKTEMP.DBF", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    if (scratch == INVALID_HANDLE_VALUE) return false;
    CloseHandle(scratch);
    return true;
  });
}

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
    const std::string exe = apps_test::WindowsPath(VD_VOSKDAR_EXE);
    ASSERT_TRUE(CopyFileA(exe.c_str(), (dir_ / "Voskdar.exe").string().c_str(), FALSE)) << exe;
    previous_ = fs::current_path();
    fs::current_path(dir_);
    MakeWordTable(common::kWordTables[0], {{"Haus", "house"}, {"Haus", "home"}, {"Haust\xFCr", "front door"},
                                           {"Baumhaus", "tree house"}, {"Hausboot", "houseboat"}},
                  "EN", common::KeyStyle::QuickSearch);
    MakeWordTable(common::kWordTables[1], {{"Haus", "maison"}, {"Caf\xE9", "caf\xE9"}, {"naiv", "na\xEFve"}}, "FR",
                  common::KeyStyle::QuickSearch);
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

    ASSERT_TRUE(SearchAndCancel(program, search));
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
  ASSERT_TRUE(SearchAndCancel(program, search));
  const Rows rows = ReadScratch();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rt::RTRIM(rows[1][0]), "Haus");
  EXPECT_EQ(program.Close(), 0u);
}

TEST_F(VoskdarProgram, RefusesToRunBesideTheEditor) {
  std::FILE* marker = std::fopen("Dravonel.sem", "wb");
  ASSERT_NE(marker, nullptr);
  std::fclose(marker);
  Started program(dir_, "haus", false);
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

TEST_F(VoskdarProgram, ShowsTheSplashOnlyForAStartWithoutTerm) {
  const struct {
    const char* arg;
    bool shown;
  } cases[] = {{"", true}, {"@", false}, {"haus", false}};
  for (const auto& c : cases) {
    Started program(dir_, c.arg);
    ASSERT_NE(program.Main(), nullptr) << c.arg;
    const auto about = program.Shown(kAboutTitle);
    EXPECT_EQ(about.box != nullptr, c.shown) << c.arg;
    if (c.shown) {
      // It closed by itself, three seconds after it first painted.
      EXPECT_GE(about.ms, 2500u);
      EXPECT_LT(about.ms, 15000u);
    }
    EXPECT_EQ(program.Close(), 0u) << c.arg;
  }
}

std::string Bytes(const fs::path& file) {
  std::string bytes;
  if (std::FILE* f = std::fopen(file.string().c_str(), "rb")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) bytes.append(buf, n);
    std::fclose(f);
  }
  return bytes;
}

TEST_F(VoskdarProgram, ExitWritesEveryOptionAndCopiesTheSettings) {
  const std::string ini = (dir_ / "VOSKDAR.INI").string();
  // Italian is on but its table is missing; German side off, exact on.
  WritePrivateProfileStringA("Voskdar", "Ita", "1", ini.c_str());
  WritePrivateProfileStringA("Voskdar", "Deu", "0", ini.c_str());
  WritePrivateProfileStringA("Voskdar", "Exact", "1", ini.c_str());
  WritePrivateProfileStringA("Info", "Product", "alt", ini.c_str());
  std::FILE* scratch = std::fopen("VOSKTEMP.DBF", "wb");
  ASSERT_NE(scratch, nullptr);
  std::fclose(scratch);
  {
    Started program(dir_, "@");
    ASSERT_NE(program.Main(), nullptr);
    EXPECT_TRUE(fs::exists(dir_ / "Voskdar.Sem"));
    EXPECT_EQ(program.Close(), 0u);
  }
  const std::pair<const char*, const char*> keys[] = {{"Eng", "1"}, {"Fra", "1"}, {"Ita", "0"},   {"Spa", "0"},
                                                      {"Por", "0"}, {"Lat", "0"}, {"Deu", "0"},   {"Fremd", "1"},
                                                      {"Exact", "1"}};
  for (const auto& [key, value] : keys) EXPECT_EQ(Setting(dir_, "Voskdar", key), value) << key;
  EXPECT_EQ(Setting(dir_, "Info", "Product"), "ZQS Voskdar - Suchmaschine v1.41");
  EXPECT_FALSE(fs::exists(dir_ / "VOSKTEMP.DBF"));
  EXPECT_FALSE(fs::exists(dir_ / "Voskdar.Sem"));
  const std::string written = Bytes(dir_ / "VOSKDAR.INI");
  EXPECT_FALSE(written.empty());
  EXPECT_EQ(Bytes(dir_ / "VOSKDAR.SAV"), written);
}

// The key text stored in an index file of the table.
std::string StoredKey(const common::WordTable& table, int order) {
  const std::string file = std::string(table.base) + ".DBF";
  if (!rt::DBUSEAREA(true, "", file, "KEYS", false, true)) return "<no table>";
  std::string key = rt::ORDLISTADD(common::IndexName(table, order)) ? rt::ORDKEY() : "<no index>";
  rt::DBCLOSEAREA();
  return key;
}

TEST_F(VoskdarProgram, AnUpdateRebuildsEveryIndexAndSaysSoWhenTheFirstExisted) {
  const common::WordTable& eng = common::kWordTables[0];
  const common::WordTable& fra = common::kWordTables[1];
  for (const bool firstExists : {true, false}) {
    // Indexes on a key the program never builds, so that a rebuild shows.
    for (const auto* table : {&eng, &fra}) {
      ASSERT_TRUE(rt::DBUSEAREA(true, "", std::string(table->base) + ".DBF", "OLD", false, false));
      for (int order : {1, 2}) ASSERT_TRUE(rt::ORDCREATE(common::IndexName(*table, order), "", "SPRACHE"));
      rt::DBCLOSEAREA();
    }
    if (!firstExists) {
      ASSERT_TRUE(fs::remove(dir_ / (common::IndexName(eng, 1) + ".NTX")));
    }
    std::FILE* marker = std::fopen("Update.Sem", "wb");
    ASSERT_NE(marker, nullptr);
    std::fclose(marker);

    std::string notice;
    {
      Started program(dir_, "haus", true, [&notice](HWND box) {
        for (HWND h : Children(box))
          if (ClassOf(h) == "Static" && !Text(h).empty()) notice = Text(h);
        SendMessageA(box, WM_COMMAND, IDOK, 0);
      });
      ASSERT_NE(program.Main(), nullptr);
      EXPECT_EQ(program.Shown("Achtung").box != nullptr, firstExists);
      EXPECT_EQ(program.Close(), 0u);
    }
    EXPECT_EQ(notice, firstExists ? "Sie haben ein Update installiert, die Datenbank wird reorganisiert." : "");
    EXPECT_FALSE(fs::exists(dir_ / "Update.Sem"));
    EXPECT_EQ(StoredKey(eng, 1), "upper(DEUTSCH)");
    EXPECT_EQ(StoredKey(eng, 2), "upper(FREMD)");
    EXPECT_EQ(StoredKey(fra, 1), "upper(DEUTSCH)");
    EXPECT_EQ(StoredKey(fra, 2), "upper(TransChr(FREMD))");
  }
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
