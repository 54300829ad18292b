// The editor's entry maintenance driven through the real program under
// Wine: menu commands chosen from the keyboard, the entry dialog typed
// into, message boxes read and answered, the files checked afterwards; and
// the program killed in the middle of a save and of the duplicate walk.
// With VD_SHOT set to a folder the add and the edit dialog over the main
// window are saved there as "dravonel_add.bmp" and "dravonel_edit.bmp".

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "apps/common/transchr.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "tests/apps/dravonel/program/program_folder.h"
#include "tests/apps/program_driver.h"
#include "tests/graphics/window_shot.h"

namespace {

namespace fs = std::filesystem;
using namespace apps_test;
using Rows = std::vector<std::pair<std::string, std::string>>;

const std::string kMainTitle = " ZQS Voskdar W\xF6rtbuch v1.41";

void MakeWords(const Rows& rows) {
  const rt::Value structure = rt::Value::Array(
      {rt::Value::Array({"DEUTSCH", "C", 50, 0}), rt::Value::Array({"FREMD", "C", 50, 0}),
       rt::Value::Array({"SPRACHE", "C", 2, 0}), rt::Value::Array({"STATUS", "N", 1, 0})});
  ASSERT_TRUE(rt::DBCREATE("DEUENG.DBF", structure));
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.DBF", "MAKE", false, false));
  for (const auto& [german, foreign] : rows) {
    rt::DBAPPEND();
    rt::FIELDPUT("DEUTSCH", german);
    rt::FIELDPUT("FREMD", foreign);
    rt::FIELDPUT("SPRACHE", std::string("EN"));
    rt::FIELDPUT("STATUS", 0);
  }
  rt::DBCLOSEAREA();
}

// Makes the closed table count rows long, its rows repeated in turn,
// written straight into its file: appending them one by one would take the
// test far longer than the program takes to read them.
void RepeatRows(const fs::path& table, std::uint32_t count) {
  const std::string file = FileBytes(table);
  ASSERT_GE(file.size(), 32u);
  const auto number = [&file](std::size_t at, int bytes) {
    std::uint32_t n = 0;
    for (int i = bytes - 1; i >= 0; --i)
      n = n << 8 | static_cast<unsigned char>(file[at + static_cast<std::size_t>(i)]);
    return n;
  };
  const std::uint32_t rows = number(4, 4), headerLength = number(8, 2), rowLength = number(10, 2);
  ASSERT_GT(rows, 0u);
  ASSERT_GE(file.size(), headerLength + std::size_t{rows} * rowLength);
  std::string out = file.substr(0, headerLength);
  for (int i = 0; i < 4; ++i) out[4 + static_cast<std::size_t>(i)] = static_cast<char>(count >> (8 * i) & 0xFF);
  out.reserve(out.size() + std::size_t{count} * rowLength + 1);
  for (std::uint32_t r = 0; r < count; ++r)
    out.append(file, headerLength + std::size_t{r % rows} * rowLength, rowLength);
  out += '\x1A';
  std::ofstream(table, std::ios::binary | std::ios::trunc) << out;
}

std::string Trimmed(const char* field) { return rt::RTRIM(rt::FIELDGET(field).AsString()); }

// The table with both orders as the program left it; each order walked
// against the table: one key per record, equal to its expression.
void ExpectConsistentTable() {
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.DBF", "CHECK", false, true));
  ASSERT_TRUE(rt::ORDLISTADD("DEUENG1"));
  ASSERT_TRUE(rt::ORDLISTADD("DEUENG2"));
  for (int order : {1, 2}) {
    SCOPED_TRACE(order);
    const auto key = [order] {
      const std::string foreign = rt::UPPER(rt::FIELDGET("FREMD").AsString());
      return order == 1 ? rt::UPPER(rt::FIELDGET("DEUTSCH").AsString()) + foreign : foreign;
    };
    std::vector<std::pair<std::string, long>> walked, expected;
    rt::ORDSETFOCUS(rt::Value(0));
    for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) expected.emplace_back(key(), rt::RECNO());
    rt::ORDSETFOCUS(rt::Value(order));
    for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) walked.emplace_back(key(), rt::RECNO());
    EXPECT_TRUE(std::is_sorted(walked.begin(), walked.end(),
                               [](const auto& l, const auto& r) { return l.first < r.first; }));
    std::sort(walked.begin(), walked.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(walked, expected);
  }
  // No live blank row: an unfinished add is never an entry.
  rt::ORDSETFOCUS(rt::Value(0));
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1))
    EXPECT_FALSE(!rt::DELETED() && Trimmed("DEUTSCH").empty() && Trimmed("FREMD").empty())
        << "blank row " << rt::RECNO();
  rt::DBCLOSEAREA();
}

// The process's visible dialog whose title ends with suffix.
HWND DialogEndingWith(const Started& program, const std::string& suffix) {
  HWND found = nullptr;
  Await(program.Process(), [&] {
    for (HWND h = GetTopWindow(nullptr); h && !found; h = GetWindow(h, GW_HWNDNEXT)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(h, &pid);
      const std::string title = Text(h);
      if (pid == GetProcessId(program.Process()) && IsWindowVisible(h) && ClassOf(h) == "#32770" &&
          title.size() >= suffix.size() && title.compare(title.size() - suffix.size(), suffix.size(), suffix) == 0)
        found = h;
    }
    return found != nullptr;
  });
  return found;
}

// The process's visible dialog box other than but, found by its class.
HWND ShownBox(const Started& program, HWND but) {
  for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (h != but && pid == GetProcessId(program.Process()) && IsWindowVisible(h) && ClassOf(h) == "#32770") return h;
  }
  return nullptr;
}

HWND ChildWithText(HWND parent, const std::string& text) {
  for (HWND h : Children(parent))
    if (Text(h) == text) return h;
  return nullptr;
}

std::vector<HWND> Edits(HWND dialog) {
  std::vector<HWND> out;
  for (HWND h : Children(dialog))
    if (ClassOf(h) == "Edit") out.push_back(h);
  return out;
}

void Type(HWND edit, const std::string& text) {
  for (char c : text) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
}

class Maintenance : public EditorFolder {
 protected:
  void SetUp() override {
    EditorFolder::SetUp();
    if (HasFatalFailure()) return;
    std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary) << "[Dravonel]\r\nSprache=DEUENG\r\nExtern=1\r\n";
  }

  // Starts the program (its start-up builds the orders) and waits for the
  // main window.
  HWND Start(std::unique_ptr<Started>& program) {
    program = std::make_unique<Started>(exe_, dir_);
    if (!program->Ok()) return nullptr;
    return program->AwaitWindow(kMainTitle);
  }
  // Chooses a menu item from the keyboard: the bar's mnemonic, then the
  // item's.
  static void Choose(const Started& program, HWND main, char bar, char item) {
    SetForegroundWindow(main);
    PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, bar);
    HWND popup = nullptr;
    Await(program.Process(), [&] { return (popup = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(popup); });
    PostMessageA(popup, WM_CHAR, static_cast<unsigned char>(item), 0);
  }
  // Waits for the box with that title, checks it shows text and answers.
  static void Answer(const Started& program, const std::string& title, const std::string& text, int button) {
    HWND box = program.AwaitWindow(title, "#32770");
    ASSERT_NE(box, nullptr) << title;
    EXPECT_NE(StaticTexts(box).find(text), std::string::npos) << StaticTexts(box);
    PostMessageA(box, WM_COMMAND, button, 0);
    Await(program.Process(), [&] { return !IsWindow(box); });
  }
  static void CloseProgram(Started& program, HWND main, bool askedToPack = false) {
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (askedToPack) Answer(program, "L\xF6schen", "Gel\xF6schte Datens\xE4tze nun entfernen ?", IDNO);
    EXPECT_EQ(program.Wait(), 0u);
  }

};

TEST_F(Maintenance, AddAndEditThroughTheirDialogs) {
  MakeWords({{"Baum", "tree"}});
  std::unique_ptr<Started> program;
  HWND main = Start(program);
  ASSERT_NE(main, nullptr);

  Choose(*program, main, 'a', 'a');
  HWND add = DialogEndingWith(*program, " - Neuer Begriff");
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(Text(add), "Voskdar - Neuer Begriff");
  HWND save = ChildWithText(add, "&Speichern");
  ASSERT_NE(save, nullptr);
  EXPECT_FALSE(IsWindowEnabled(save));
  ASSERT_EQ(Edits(add).size(), 2u);
  Type(Edits(add)[0], "Haus");
  PostMessageA(Edits(add)[0], WM_CHAR, VK_TAB, 0);
  Type(Edits(add)[1], "house");
  ASSERT_TRUE(Await(program->Process(), [&] { return IsWindowEnabled(save) != FALSE; }));
  if (const char* shot = std::getenv("VD_SHOT")) {
    RECT all{}, r{};
    GetWindowRect(main, &all);
    GetWindowRect(add, &r);
    UnionRect(&all, &all, &r);
    RedrawWindow(add, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SaveScreenShot(all, std::string(shot) + "/dravonel_add.bmp");
  }
  PostMessageA(save, BM_CLICK, 0, 0);
  ASSERT_TRUE(Await(program->Process(), [&] { return !IsWindow(add); }));
  EXPECT_EQ(Setting(dir_, "Export", "DEUENG"), "1");

  // The added row is the current one: edit it.
  Choose(*program, main, 'a', 'b');
  HWND edit = DialogEndingWith(*program, " - Begriff bearbeiten");
  ASSERT_NE(edit, nullptr);
  ASSERT_EQ(Edits(edit).size(), 2u);
  EXPECT_EQ(rt::RTRIM(Text(Edits(edit)[0])), "Haus");
  EXPECT_EQ(rt::RTRIM(Text(Edits(edit)[1])), "house");
  save = ChildWithText(edit, "&Speichern");
  ASSERT_NE(save, nullptr);
  EXPECT_FALSE(IsWindowEnabled(save));
  Type(Edits(edit)[0], "Villa");
  ASSERT_TRUE(Await(program->Process(),
                    [&] { return IsWindowEnabled(save) != FALSE && rt::RTRIM(Text(Edits(edit)[0])) == "Villa"; }));
  if (const char* shot = std::getenv("VD_SHOT")) {
    RECT r{};
    GetWindowRect(edit, &r);
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SaveScreenShot(r, std::string(shot) + "/dravonel_edit.bmp");
  }
  PostMessageA(save, BM_CLICK, 0, 0);
  ASSERT_TRUE(Await(program->Process(), [&] { return !IsWindow(edit); }));
  CloseProgram(*program, main);

  ExpectConsistentTable();
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.DBF", "CHECK", false, true));
  ASSERT_EQ(rt::RECCOUNT(), 2);
  rt::DBGOTO(2);
  EXPECT_EQ(Trimmed("DEUTSCH"), "Villa");
  EXPECT_EQ(Trimmed("FREMD"), "house");
  EXPECT_EQ(Trimmed("SPRACHE"), "");
  EXPECT_EQ(rt::FIELDGET("STATUS").AsNumber(), 2);
  ASSERT_TRUE(rt::ORDLISTADD("DEUENG1"));
  ASSERT_TRUE(rt::ORDLISTADD("DEUENG2"));
  EXPECT_TRUE(rt::DBSEEK(rt::Value("VILLA")));
  rt::ORDSETFOCUS(rt::Value(2));
  EXPECT_TRUE(rt::DBSEEK(rt::Value("HOUSE")));
  EXPECT_EQ(rt::RECNO(), 2);
  rt::DBCLOSEAREA();
  EXPECT_EQ(Setting(dir_, "Export", "DEUENG"), "1");
}

// Duplicates found and deleted, the current row deleted, then exported and
// imported; the close asks about the pending deletions.
TEST_F(Maintenance, DuplicatesDeleteExportAndImport) {
  MakeWords({{"Haus", "house"}, {"haus", "HOUSE"}, {"Haus", "home"}});
  // Changes not yet exported: the export item is enabled.
  std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary) << "[Dravonel]\r\nSprache=DEUENG\r\nExtern=1\r\n[Export]\r\nDEUENG=1\r\n";
  std::unique_ptr<Started> program;
  HWND main = Start(program);
  ASSERT_NE(main, nullptr);

  Choose(*program, main, 'd', 'u');
  Answer(*program, "Duplikate l\xF6schen", "M\xF6" "chten Sie Duplikate aus der Datenbank entfernen ?", IDYES);
  Answer(*program, "Duplikate l\xF6schen", "Es wurden 1 Datens\xE4tze gel\xF6scht.", IDOK);

  // The list reset put the table on its first row in order 1: Haus/home.
  Choose(*program, main, 'a', 'l');
  Answer(*program, "Begriff l\xF6schen", "M\xF6" "chten Sie den Begriff 'Haus / home' aus der Datenbank l\xF6schen ?",
         IDYES);

  // No own rows: the export writes an empty file and clears the flag.
  Choose(*program, main, 'd', 'x');
  Answer(*program, "Exportieren", "M\xF6" "chten Sie Ihre eigenen \xC4nderungen aus der Datenbank exportieren ?", IDYES);
  Answer(*program, "Exportieren", "Ihre \xC4nderungen wurden exportiert !", IDOK);
  EXPECT_EQ(Setting(dir_, "Export", "DEUENG"), "0");
  ASSERT_TRUE(fs::exists(dir_ / "DEUENG.EXP"));
  CloseProgram(*program, main, true);

  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.DBF", "CHECK", false, true));
  EXPECT_EQ(rt::RECCOUNT(), 3);
  std::vector<bool> deleted;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) deleted.push_back(rt::DELETED());
  EXPECT_EQ(deleted, (std::vector<bool>{false, true, true}));
  // Two own rows for the next import.
  rt::DBCLOSEAREA();
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.DBF", "CHECK", false, false));
  ASSERT_TRUE(rt::DbCopy("DEUENG.EXP"));
  rt::DBCLOSEAREA();
  ExpectConsistentTable();

  main = Start(program);
  ASSERT_NE(main, nullptr);
  Choose(*program, main, 'd', 'm');
  Answer(*program, "Importieren", "M\xF6" "chten Sie Ihre eigenen \xC4nderungen in die Datenbank importieren ?", IDYES);
  Answer(*program, "Importieren", "Ihre \xC4nderungen wurden importiert. Importdatei nun l\xF6schen ?", IDYES);
  CloseProgram(*program, main);
  EXPECT_FALSE(fs::exists(dir_ / "DEUENG.EXP"));
  ExpectConsistentTable();
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.DBF", "CHECK", false, true));
  EXPECT_EQ(rt::RECCOUNT(), 6);
  rt::DBCLOSEAREA();
}

// The program killed while it saves an entry or walks the duplicates:
// started again, its tables open with both orders true to the table and
// no blank entry, and every row saved before is there.
TEST_F(Maintenance, KilledDuringASaveOrTheDuplicateWalk) {
  Rows rows;
  for (int i = 0; i < 3000; ++i) rows.emplace_back("Wort" + std::to_string(i / 2), "word" + std::to_string(i / 2));
  MakeWords(rows);
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    std::unique_ptr<Started> program;
    HWND main = Start(program);
    ASSERT_NE(main, nullptr);
    if (round < 2) {
      Choose(*program, main, 'a', 'a');
      HWND add = DialogEndingWith(*program, " - Neuer Begriff");
      ASSERT_NE(add, nullptr);
      Type(Edits(add)[0], "Neu" + std::to_string(round));
      PostMessageA(Edits(add)[0], WM_CHAR, VK_TAB, 0);
      Type(Edits(add)[1], "new");
      HWND save = ChildWithText(add, "&Speichern");
      ASSERT_TRUE(Await(program->Process(), [&] { return IsWindowEnabled(save) != FALSE; }));
      PostMessageA(save, BM_CLICK, 0, 0);
      if (round == 1) {
        // The delete question names the added row once its save is through.
        Await(program->Process(), [&] { return !IsWindow(add); });
        Choose(*program, main, 'a', 'l');
        HWND box = program->AwaitWindow("Begriff l\xF6schen", "#32770");
        ASSERT_NE(box, nullptr);
        EXPECT_NE(StaticTexts(box).find("'Neu1 / new'"), std::string::npos) << StaticTexts(box);
      }
    } else {
      Choose(*program, main, 'd', 'u');
      HWND box = program->AwaitWindow("Duplikate l\xF6schen", "#32770");
      ASSERT_NE(box, nullptr);
      PostMessageA(box, WM_COMMAND, IDYES, 0);
      Await(program->Process(), [&] { return !IsWindow(box); });
    }
    TerminateProcess(program->Process(), 9);
    program->Wait();
    fs::remove(dir_ / "Dravonel.Sem");

    // Started again: the start-up check and the open repair what the kill
    // left; then closed without packing.
    main = Start(program);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (HWND ask = program->AwaitWindow("L\xF6schen", "#32770")) PostMessageA(ask, WM_COMMAND, IDNO, 0);
    EXPECT_EQ(program->Wait(), 0u);
    ExpectConsistentTable();
    ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.DBF", "CHECK", false, true));
    EXPECT_GE(rt::RECCOUNT(), 3000);
    for (long r = 1; r <= 3000; r += 499) {
      rt::DBGOTO(r);
      EXPECT_EQ(Trimmed("DEUTSCH"), "Wort" + std::to_string((r - 1) / 2));
    }
    if (round == 1) {
      rt::DBGOTO(rt::RECCOUNT());
      EXPECT_EQ(Trimmed("DEUTSCH"), "Neu1");
    }
    rt::DBCLOSEAREA();
  }
}

// While the export reads a long table the windows keep answering and the
// bar tells what runs. The test asks the bar for its text again and again:
// the program answers at its next look at its messages, and an answer asked
// for and received while the main window took no input and no export box
// showed was given inside the export.
TEST_F(Maintenance, TheBarTellsOfTheExportWhileItRuns) {
  // A thousand words a hundred times over, three rows of them the user's
  // own.
  Rows words;
  for (int i = 0; i < 1000; ++i) words.emplace_back("Wort" + std::to_string(i), "word" + std::to_string(i));
  MakeWords(words);
  RepeatRows(dir_ / "DEUENG.DBF", 100000);
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.DBF", "MAKE", false, false));
  ASSERT_EQ(rt::RECCOUNT(), 100000);
  const std::vector<std::pair<long, std::string>> own{{7, "Eigen3"}, {50000, "Eigen1"}, {99999, "Eigen2"}};
  for (const auto& [r, german] : own) {
    rt::DBGOTO(r);
    rt::FIELDPUT("DEUTSCH", german);
    rt::FIELDPUT("STATUS", 1);
  }
  rt::DBCLOSEAREA();
  std::ofstream(dir_ / "VOSKDAR.INI", std::ios::binary)
      << "[Dravonel]\r\nSprache=DEUENG\r\nExtern=1\r\n[Export]\r\nDEUENG=1\r\n";
  std::unique_ptr<Started> program;
  HWND main = Start(program);
  ASSERT_NE(main, nullptr);
  HWND bar = nullptr;
  for (HWND h : Children(main))
    if (ClassOf(h) == "TMSGBAR") bar = h;
  ASSERT_NE(bar, nullptr);

  Choose(*program, main, 'd', 'x');
  HWND ask = program->AwaitWindow("Exportieren", "#32770");
  ASSERT_NE(ask, nullptr);
  PostMessageA(ask, WM_COMMAND, IDYES, 0);
  // Neither look sends the program a message that it would answer only at
  // its next look at its messages.
  const auto box = [&] { return ShownBox(*program, ask); };
  const auto exporting = [&] { return !IsWindowEnabled(main) && !IsWindowVisible(ask) && !box(); };
  std::vector<std::string> during;
  HWND done = nullptr;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!(done = box())) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the export did not end";
    ASSERT_EQ(WaitForSingleObject(program->Process(), 0), WAIT_TIMEOUT) << "the program ended";
    const bool before = exporting();
    std::string text = Text(bar);
    if (before && exporting()) during.push_back(std::move(text));
  }
  EXPECT_FALSE(during.empty()) << "the windows did not answer while the export ran";
  for (const std::string& text : during) EXPECT_EQ(text, "Eigene Daten werden exportiert, bitte warten !");
  EXPECT_NE(StaticTexts(done).find("Ihre \xC4nderungen wurden exportiert !"), std::string::npos) << StaticTexts(done);
  PostMessageA(done, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(Await(program->Process(), [&] { return !IsWindow(done); }));
  CloseProgram(*program, main);

  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG.EXP", "CHECK", false, true));
  std::vector<std::string> exported;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) exported.push_back(Trimmed("DEUTSCH"));
  rt::DBCLOSEAREA();
  EXPECT_EQ(exported, (std::vector<std::string>{"Eigen1", "Eigen2", "Eigen3"}));
}

}  // namespace
