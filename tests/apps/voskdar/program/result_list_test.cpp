// The result list of the real Voskdar under Wine, over a sample table built
// from Debian's German-English dictionary: its count, the refusal of a
// header row, the copy of a data row and the end after a copy. In this
// process, scrolling the list keeps the number of drawing objects. With
// VD_SHOT set to a folder the list is saved there as
// "voskdar_results.bmp" (the picture in docs/).

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "../../../services/box_driver.h"
#include "apps/common/transchr.h"
#include "apps/common/word_tables.h"
#include "apps/voskdar/flag_bitmaps.h"
#include "apps/voskdar/program_state.h"
#include "apps/voskdar/quick_search.h"
#include "apps/voskdar/result_list.h"
#include "core/twindow.h"
#include "grid/tgbrowse.h"
#include "core/window_list.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/handle_registry.h"
#include "services/help.h"
#include "services/int32.h"
#include "services/resources.h"
#include "tests/apps/program_driver.h"
#include "tests/apps_common/work_dir.h"
#include "tests/graphics/window_shot.h"
#include "tools/word_tables/cp1252.h"
#include "tools/word_tables/sources.h"

namespace {

namespace fs = std::filesystem;
using apps_test::Children;
using apps_test::ClassOf;
using apps_test::ClipboardText;
using apps_test::PutClipboard;
using apps_test::Text;

const char* const kMainTitle = " ZQS Voskdar - Suchmaschine v1.41";
const std::string kListTitle = std::string(voskdar::kResultsTitle) + "HAUS";
// A row as the editor adds it: no language code.
const std::pair<std::string, std::string> kEditorRow{"Hausschl\xFCsselbrett", "key rack, added"};

// The pairs of Debian's German-English dictionary whose German term begins
// with "Haus", in Windows-1252; read once.
const WordPairs& HausPairs() {
  static const WordPairs pairs = [] {
    WordPairs all, kept;
    ReadTransDeEn(apps_test::WindowsPath("/usr/share/trans/de-en"), static_cast<std::size_t>(-1), all);
    for (const auto& [german, english] : all)
      if (rt::UPPER(german).rfind("HAUS", 0) == 0) kept.emplace_back(Utf8ToCp1252(german), Utf8ToCp1252(english));
    return kept;
  }();
  return pairs;
}

void AddRows(const std::vector<std::pair<std::string, std::string>>& rows, const char* sprache) {
  for (const auto& [german, foreign] : rows) {
    rt::DBAPPEND();
    rt::FIELDPUT("DEUTSCH", german);
    rt::FIELDPUT("FREMD", foreign);
    rt::FIELDPUT("SPRACHE", std::string(sprache));
  }
}

void MakeTable(const common::WordTable& table, const WordPairs& rows, const char* sprache, bool editorRow) {
  const rt::Value structure = rt::Value::Array(
      {rt::Value::Array({"DEUTSCH", "C", 50, 0}), rt::Value::Array({"FREMD", "C", 50, 0}),
       rt::Value::Array({"SPRACHE", "C", 2, 0}), rt::Value::Array({"STATUS", "N", 1, 0})});
  const std::string file = std::string(table.base) + ".DBF";
  ASSERT_TRUE(rt::DBCREATE(file, structure));
  ASSERT_TRUE(rt::DBUSEAREA(true, "", file, "MAKE", false, false));
  AddRows(rows, sprache);
  if (editorRow) AddRows({kEditorRow}, "");
  for (int order : {1, 2})
    ASSERT_TRUE(rt::ORDCREATE(common::IndexName(table, order), "",
                              common::OrderKey(table, order, common::KeyStyle::QuickSearch)));
  rt::DBCLOSEAREA();
}

// Records of the table whose upper-cased German term begins with the prefix,
// counted by reading every record.
long CountGerman(const common::WordTable& table, const std::string& prefix) {
  long n = 0;
  if (!rt::DBUSEAREA(true, "", std::string(table.base) + ".DBF", "COUNT", true, true)) return -1;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP())
    n += rt::UPPER(rt::FIELDGET("DEUTSCH").AsString()).rfind(prefix, 0) == 0;
  rt::DBCLOSEAREA();
  return n;
}

// German digit groups, as the count shows them.
std::string Grouped(long n) {
  std::string digits = std::to_string(n);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ".");
  return digits;
}

// Posts the button's click to its dialog, which runs the action in its own
// loop.
void Press(HWND button) {
  PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

HWND ChildOf(HWND parent, const std::string& cls, const std::string& text = {}) {
  for (HWND h : Children(parent))
    if (ClassOf(h) == cls && (text.empty() || Text(h) == text)) return h;
  return nullptr;
}

// The scratch rows the program's search writes, as {FREMD trimmed, BITMAP
// trimmed}, by the search core in this process.
std::vector<std::pair<std::string, std::string>> ScratchRows(const voskdar::SearchOptions& options) {
  std::vector<std::pair<std::string, std::string>> rows;
  rt::Sets().deleted = true;
  if (voskdar::SearchTables("haus", options, {[](std::string_view) {}, {}}) <= 0) return rows;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP())
    rows.emplace_back(rt::RTRIM(rt::FIELDGET("FREMD").AsString()), rt::RTRIM(rt::FIELDGET("BITMAP").AsString()));
  rt::DBCLOSEALL();
  return rows;
}

class ResultList : public ::testing::Test {
 protected:
  void SetUp() override {
    common::RegisterWordFunctions();
    ASSERT_GT(HausPairs().size(), 10u) << "Debian's trans-de-en is needed";
    ASSERT_TRUE(CopyFileA(apps_test::WindowsPath(VD_VOSKDAR_EXE).c_str(), "Voskdar.exe", FALSE));
    MakeTable(common::kWordTables[0], HausPairs(), "EN", true);
    MakeTable(common::kWordTables[1], {{"Haus", "maison"}, {"Hausaufgabe", "devoir"}, {"Caf\xE9", "caf\xE9"}}, "FR",
              false);
    options.languages = {true, true, false, false, false, false};
    options.german = true;
    options.foreign = false;
    rows = ScratchRows(options);
    const std::string ini = (dir.Dir() / "VOSKDAR.INI").string();
    for (const auto& [key, value] : std::map<std::string, std::string>{{"Eng", "1"}, {"Fra", "1"}, {"Deu", "1"},
                                                                         {"Fremd", "0"}, {"Exact", "0"}})
      WritePrivateProfileStringA("Voskdar", key.c_str(), value.c_str(), ini.c_str());
  }

  // Starts the program with "haus", presses "&Suchen" and waits for the
  // list, drawn.
  HWND OpenList(apps_test::Started& program) {
    HWND main = program.AwaitWindow(kMainTitle);
    if (!main) return nullptr;
    HWND search = ChildOf(main, "Button", "&Suchen");
    if (!search) return nullptr;
    Press(search);
    HWND list = program.AwaitWindow(kListTitle, "#32770");
    if (list) RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return list;
  }

  long DataRows() const {
    long n = 0;
    for (const auto& row : rows) n += row.second.empty();
    return n;
  }

  common::test::WorkDir dir;
  voskdar::SearchOptions options;
  std::vector<std::pair<std::string, std::string>> rows;
};

TEST_F(ResultList, CountsTheHitsRefusesAHeaderRowAndCopiesADataRow) {
  WritePrivateProfileStringA("System", "ClsCopy", "0", (dir.Dir() / "VOSKDAR.INI").string().c_str());
  ASSERT_GE(rows.size(), 3u);
  ASSERT_FALSE(rows[0].second.empty());
  ASSERT_TRUE(rows[1].second.empty());
  // Every record whose German term begins with HAUS, and only those, is a
  // hit; the header rows are not counted.
  const long hits = CountGerman(common::kWordTables[0], "HAUS") + CountGerman(common::kWordTables[1], "HAUS");
  EXPECT_EQ(DataRows(), hits);
  PutClipboard("mine");

  apps_test::Started program(dir.Dir() / "Voskdar.exe", dir.Dir(), "haus");
  ASSERT_TRUE(program.Ok());
  HWND list = OpenList(program);
  ASSERT_NE(list, nullptr);
  if (const char* shot = std::getenv("VD_SHOT")) SaveWindowShot(list, std::string(shot) + "/voskdar_results.bmp");

  // "Treffer:" with the count beside it.
  const std::string texts = apps_test::StaticTexts(list);
  EXPECT_NE(texts.find("Treffer:|" + Grouped(hits) + "|"), std::string::npos) << texts;
  HWND grid = ChildOf(list, "TGBrowse");
  HWND copy = ChildOf(list, "Button", "&Kopieren");
  ASSERT_TRUE(grid && copy);
  for (const char* caption : {"&Hilfe", "&Abbrechen"}) EXPECT_NE(ChildOf(list, "Button", caption), nullptr);
  // The list opens on its first row, a header: no copy from there.
  EXPECT_TRUE(apps_test::Await(program.Process(), [&] { return !IsWindowEnabled(copy); }));

  // A double click on the header row: the message, and the clipboard kept.
  PostMessageA(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 31));
  HWND box = program.AwaitWindow("Fehler", "#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(apps_test::StaticTexts(box).find("W\xE4hlen Sie einen Begriff aus !"), std::string::npos)
      << apps_test::StaticTexts(box);
  EXPECT_EQ(ClipboardText(), "mine");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(apps_test::Await(program.Process(), [&] { return !IsWindow(box); }));
  EXPECT_TRUE(IsWindow(list));

  // One row down, a data row: the copy puts its translation on the
  // clipboard and records it, and ends the list only.
  PostMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_TRUE(apps_test::Await(program.Process(), [&] { return IsWindowEnabled(copy) != 0; }));
  Press(copy);
  EXPECT_TRUE(apps_test::Await(program.Process(), [&] { return !IsWindow(list); }));
  EXPECT_EQ(ClipboardText(), rows[1].first);
  EXPECT_EQ(apps_test::Setting(dir.Dir(), "Seek", "String"), rows[1].first);
  HWND main = program.Window(kMainTitle);
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.Wait(), 0u);
}

TEST_F(ResultList, ACopyOfARowTheEditorAddedEndsTheProgram) {
  std::size_t editorRow = 0;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].first == kEditorRow.second) editorRow = i;
  ASSERT_GT(editorRow, 0u);
  PutClipboard("mine");

  apps_test::Started program(dir.Dir() / "Voskdar.exe", dir.Dir(), "haus");
  ASSERT_TRUE(program.Ok());
  HWND list = OpenList(program);
  ASSERT_NE(list, nullptr);
  HWND grid = ChildOf(list, "TGBrowse");
  HWND copy = ChildOf(list, "Button", "&Kopieren");
  ASSERT_TRUE(grid && copy);
  for (std::size_t i = 0; i < editorRow; ++i) PostMessageA(grid, WM_VSCROLL, SB_LINEDOWN, 0);
  Press(copy);
  // [System] ClsCopy is "1" by default: the copy ends the whole program.
  EXPECT_EQ(program.Wait(), 0u);
  EXPECT_EQ(ClipboardText(), kEditorRow.second);
  EXPECT_EQ(apps_test::Setting(dir.Dir(), "Seek", "String"), kEditorRow.second);
  EXPECT_FALSE(fs::exists(dir.Dir() / "VOSKTEMP.DBF"));
}

// Live drawing objects by tag.
std::map<std::string, int> LiveHandles() {
  std::map<std::string, int> tags;
  for (const auto& h : svc::TrackedHandles()) ++tags[h.tag];
  return tags;
}

// In this process: the help topic while the list runs and after it, the
// buttons' tool tips, and the drawing objects, which scrolling keeps and
// the list's end frees.
TEST_F(ResultList, ScrollingKeepsTheDrawingObjectsAndTheEndFreesThem) {
  rt::Sets().deleted = true;
  ASSERT_GT(voskdar::SearchTables("haus", options, {[](std::string_view) {}, {}}), 0);
  svc::SetHandleTracking(true);
  std::map<std::string, int> opened, scrolled;
  std::string topic;
  std::map<std::string, std::string> tips;
  BoxDriver driver([&](HWND list) {
    HWND grid = ChildOf(list, "TGBrowse");
    if (!grid) return;
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    opened = LiveHandles();
    topic = svc::GETHELPTOPIC();
    for (const char* caption : {"&Kopieren", "&Hilfe", "&Abbrechen"})
      if (const auto button = core::OWNDFROMHWND(ChildOf(list, "Button", caption)))
        tips[caption] = button->cToolTip.AsString();
    for (int i = 0; i < 40; ++i) {
      SendMessageA(grid, WM_VSCROLL, i % 10 == 9 ? SB_PAGEDOWN : SB_LINEDOWN, 0);
      if (i % 7 == 0) RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    SendMessageA(grid, WM_VSCROLL, SB_TOP, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    scrolled = LiveHandles();
    Press(ChildOf(list, "Button", "&Abbrechen"));
  });
  EXPECT_FALSE(voskdar::SHOWTEMP(nullptr, "HAUS"));
  ASSERT_TRUE(driver.Seen().appeared);
  EXPECT_EQ(driver.Seen().caption, kListTitle);
  svc::SetHandleTracking(false);
  std::map<std::string, int> closed = LiveHandles();
  rt::DBCLOSEALL();
  EXPECT_EQ(topic, "Trefferliste");
  EXPECT_EQ(svc::GETHELPTOPIC(), "Begriff suchen");
  const std::map<std::string, std::string> expectedTips{
      {"&Kopieren", "Begriff kopieren"}, {"&Hilfe", "Hilfe anzeigen"}, {"&Abbrechen", "Trefferliste verlassen"}};
  EXPECT_EQ(tips, expectedTips);
  // Seven flags and the brush's picture, each loaded once for the list.
  EXPECT_EQ(opened["BMP"], 8);
  EXPECT_EQ(scrolled, opened);
  EXPECT_EQ(closed["BMP"], 0);
  EXPECT_EQ(closed["PEN"], 0);
}

// The columns of the list: the flag, then German and translation, or the
// translation alone in an exact search.
TEST_F(ResultList, AnExactSearchShowsTheTranslationAlone) {
  struct Case {
    bool exact;
    std::vector<std::pair<std::string, long>> columns;
  };
  const Case cases[] = {
      {false, {{" ", 20}, {" Deutsch", 172}, {" \xDC" "bersetzung", 185}}},
      {true, {{" ", 20}, {" \xDC" "bersetzung", 355}}},
  };
  const bool saved = voskdar::Program().options.exact;
  for (const Case& c : cases) {
    options.exact = c.exact;
    voskdar::Program().options.exact = c.exact;
    rt::Sets().deleted = true;
    ASSERT_GT(voskdar::SearchTables("haus", options, {[](std::string_view) {}, {}}), 0);
    std::vector<std::pair<std::string, long>> columns;
    BoxDriver driver([&](HWND list) {
      const auto grid = std::dynamic_pointer_cast<grid::TGBrowse>(core::OWNDFROMHWND(ChildOf(list, "TGBrowse")));
      if (grid)
        for (long i = 1; i <= grid->nColCount(); ++i)
          columns.emplace_back(grid->GetColumn(i)->cHeading.AsString(), grid->GetColumn(i)->nWidth);
      Press(ChildOf(list, "Button", "&Abbrechen"));
    });
    EXPECT_FALSE(voskdar::SHOWTEMP(nullptr, "HAUS"));
    ASSERT_TRUE(driver.Seen().appeared);
    rt::DBCLOSEALL();
    EXPECT_EQ(columns, c.columns) << c.exact;
  }
  voskdar::Program().options.exact = saved;
}

// Each flag is there once; a header code without a flag, a data row and a
// resource module without the flags give none, and the row is drawn bare.
TEST(FlagBitmaps, GiveEachHeaderItsFlag) {
  {
    const voskdar::FlagBitmaps flags;
    std::vector<HBITMAP> seen;
    for (const char* code : {"ENG", "FRA", "ITA", "SPA", "POR", "LAT", "DEU"}) {
      const HBITMAP flag = flags.Of(code);
      EXPECT_NE(flag, nullptr) << code;
      EXPECT_EQ(std::count(seen.begin(), seen.end(), flag), 0) << code;
      seen.push_back(flag);
    }
    EXPECT_EQ(flags.Of("DEU"), flags.Of("DEU"));
    EXPECT_EQ(flags.Of("ENG "), flags.Of("ENG"));
    for (const char* code : {"", "   ", "XYZ", "EN"}) EXPECT_EQ(flags.Of(code), nullptr) << code;
  }
  svc::SETRESOURCES(rt::Value(static_cast<double>(svc::HandleNumber(GetModuleHandleA("kernel32.dll")))));
  {
    const voskdar::FlagBitmaps flags;
    EXPECT_EQ(flags.Of("ENG"), nullptr);
    EXPECT_EQ(flags.Of("DEU"), nullptr);
  }
  svc::SETRESOURCES(rt::Value(0));
}

}  // namespace
