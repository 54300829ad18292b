// Reports into text files: the device's columns and code pages, and a
// report over a small word table with a group on the first letter and a
// numeric total, compared byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "print/treport.h"
#include "print/trfile.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "tests/runtime/scratch_dir.h"

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ReportText : public ::testing::Test {
 protected:
  void SetUp() override {
    prn::ReportShell shell;
    shell.stop = [this](const std::string& text, const std::string&) { stops.push_back(text); };
    prn::SetReportShell(shell);
  }
  void TearDown() override {
    rt::DBCLOSEALL();
    prn::SetReportShell({});
  }
  std::string Path(const std::string& name) const { return (scratch_.Dir() / name).string(); }

  // WORT C12, ZAHL N3: two words on A, two on B, one on C.
  void OpenWords() {
    ASSERT_TRUE(rt::DBCREATE(Path("words.dbf"), rt::Value::Array({rt::Value::Array({"WORT", "C", 12, 0}),
                                                                  rt::Value::Array({"ZAHL", "N", 3, 0})})));
    ASSERT_TRUE(rt::DBUSEAREA(true, "", Path("words.dbf"), "W", false, false));
    const std::pair<const char*, int> rows[] = {{"Apfel", 3}, {"Ameise", 2}, {"B\xE4r", 5}, {"Brot", 1}, {"Chor", 4}};
    for (const auto& [word, n] : rows) {
      rt::DBAPPEND();
      rt::FIELDPUT("WORT", rt::Value(word));
      rt::FIELDPUT("ZAHL", rt::Value(n));
    }
    rt::DBGOTOP();
  }

  // The words report into a text file of 16 lines a page.
  std::string WordsReport(bool summary) {
    OpenWords();
    const std::string out = Path(summary ? "summary.txt" : "words.txt");
    auto file = std::make_shared<prn::TRFile>();
    file->New(out);
    file->SetHeight(16);
    prn::ReportArgs args;
    args.aTitle = rt::Value::Array({rt::Value("W\xF6rter")});
    args.aHead = rt::Value::Array({rt::Value("Kopf")});
    args.aFoot = rt::Value::Array({rt::Value("Fu\xDF")});
    args.lSummary = rt::Value(summary);
    args.oDevice = rt::Value(file);
    const auto report = prn::RPTBEGIN(args);
    rt::Value word[] = {rt::Value::Array({rt::Value("Wort")}), rt::Value(0),
                        rt::Value::Block([](rt::Args) { return rt::Value(rt::TRIM(rt::FIELDGET("WORT").AsString())); }),
                        rt::Value(8)};
    prn::RPTADDCOLUMN(word);
    rt::Value count[] = {rt::Value::Array({rt::Value("Zahl")}), rt::Value(0),
                         rt::Value::Block([](rt::Args) { return rt::FIELDGET("ZAHL"); }), rt::Value(5),
                         rt::Value(), rt::Value(), rt::Value(true), rt::Value(), rt::Value(), rt::Value(),
                         rt::Value(true)};
    prn::RPTADDCOLUMN(count);
    rt::Value group[] = {rt::Value::Block([](rt::Args) { return rt::Value(rt::FIELDGET("WORT").AsString().substr(0, 1)); }),
                         rt::Value::Block([](rt::Args) {
                           return rt::Value("Buchstabe " + rt::FIELDGET("WORT").AsString().substr(0, 1));
                         }),
                         rt::Value("Summe")};
    prn::RPTADDGROUP(group);
    EXPECT_EQ(prn::RPTEND(), report);
    report->cGrandTotal = "Gesamt";
    report->Activate();
    EXPECT_FALSE(file->Ready()) << "the report closed its file";
    return Slurp(out);
  }

  std::vector<std::string> stops;

 private:
  rt::test::ScratchDir scratch_;
};

TEST_F(ReportText, SayPlacesTextByColumnAndConvertsToOem) {
  prn::TRFile f;
  f.New(Path("say.txt"));
  f.Say(0, 10, "Wort", 1, 0, 0, false);
  f.Say(1, 1, "Gr\xF6\xDF" "e", 1, 8, 1, false);  // right in 8 columns
  f.Say(1, 3, "XY", 1, 0, 0, false);              // over columns 3 and 4
  f.Say(2, 1, "abschneiden", 1, 4, 0, false);
  f.SayRule(3, 1, "\xC4\xCD\xB3");
  f.Say(99, 1, "outside", 1, 0, 0, false);
  f.EndPage();
  f.SetSize(10, 5);
  f.StartPage();
  f.Say(0, 1, "l\xE4nger als zehn", 1, 0, 0, false);
  f.EndPage();
  f.End();
  std::string expected = std::string(9, ' ') + "Wort\r\n" + "  XYr\x94\xE1" "e\r\n" + "absc\r\n" + "\xC4\xCD\xB3\r\n";
  for (int i = 4; i < 64; ++i) expected += "\r\n";
  expected += "\x0C\x0Fl\x84nger als zehn\r\n\r\n\r\n\r\n\r\n\x0C";
  EXPECT_EQ(Slurp(Path("say.txt")), expected);
}

TEST_F(ReportText, AFileThatCannotBeCreatedMakesNoReport) {
  prn::ReportArgs args;
  args.cFile = rt::Value(Path("no such dir/report.txt"));
  auto report = std::make_shared<prn::TReport>();
  EXPECT_FALSE(report->New(args));
  EXPECT_FALSE(report->oDevice);
  ASSERT_EQ(stops.size(), 1u);
  EXPECT_NE(stops[0].find("report.txt"), std::string::npos) << stops[0];
}

TEST_F(ReportText, ReportWithoutColumnsPrintsNothing) {
  prn::ReportArgs args;
  args.cFile = rt::Value(Path("empty.txt"));
  const auto report = prn::RPTBEGIN(args);
  prn::RPTEND();
  report->Activate();
  EXPECT_FALSE(report->lCreated);
  EXPECT_EQ(Slurp(Path("empty.txt")), "");
}

// Pages of 16 lines as the rows that hold text; every line ends in CR LF,
// every page in a form feed.
std::string Pages(const std::vector<std::vector<std::pair<int, std::string>>>& pages) {
  std::string text;
  for (const auto& page : pages) {
    std::vector<std::string> lines(16);
    for (const auto& [row, line] : page) lines[static_cast<std::size_t>(row)] = line;
    for (const std::string& line : lines) text += line + "\r\n";
    text += '\x0C';
  }
  return text;
}

// Rules in code page 437: double above and below the titles, single before
// a group's footer, double before the page totals; the grid bar 0xB3 beside
// the total column. The group footer comes before the next record's lines.
TEST_F(ReportText, WordsWithGroupsAndTotals) {
  const std::string expected = Pages({
      {{0, "   Kopf"},
       {1, "       W\x94rter"},
       {2, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xD1\xCD\xCD\xCD\xCD\xCD\xB8"},
       {3, "   Wort    \xB3 Zahl\xB3"},
       {4, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xD8\xCD\xCD\xCD\xCD\xCD\xB5"},
       {5, "   Buchstabe A   \xB3"},
       {6, "   Apfel   \xB3    3\xB3"},
       {7, "   Ameise  \xB3    2\xB3"},
       {8, "   \xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC1\xC4\xC4\xC4\xC4\xC4\xD9"},
       {9, "   Summe   \xB3 5.00\xB3"},
       {10, "   Buchstabe B   \xB3"},
       {11, "   B\x84r     \xB3    5\xB3"},
       {12, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCF\xCD\xCD\xCD\xCD\xCD\xBE"},
       {13, "            10.00"},
       {14, "   Fu\xE1"}},
      {{0, "   Kopf"},
       {1, "       W\x94rter"},
       {2, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xD1\xCD\xCD\xCD\xCD\xCD\xB8"},
       {3, "   Wort    \xB3 Zahl\xB3"},
       {4, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xD8\xCD\xCD\xCD\xCD\xCD\xB5"},
       {5, "   Brot    \xB3    1\xB3"},
       {6, "   \xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC1\xC4\xC4\xC4\xC4\xC4\xD9"},
       {7, "   Summe   \xB3 6.00\xB3"},
       {8, "   Buchstabe C   \xB3"},
       {9, "   Chor    \xB3    4\xB3"},
       {10, "   \xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xC1\xC4\xC4\xC4\xC4\xC4\xD9"},
       {11, "   Summe   \xB3 4.00\xB3"},
       {12, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCF\xCD\xCD\xCD\xCD\xCD\xBE"},
       {13, "            15.00"},
       {14, "   Fu\xE1"}},
      {{0, "   Kopf"},
       {1, "       W\x94rter"},
       {2, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xD1\xCD\xCD\xCD\xCD\xCD\xB8"},
       {3, "   Wort    \xB3 Zahl\xB3"},
       {4, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xD8\xCD\xCD\xCD\xCD\xCD\xB5"},
       {5, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCF\xCD\xCD\xCD\xCD\xCD\xBE"},
       {6, "   Gesamt   15.00"},
       {14, "   Fu\xE1"}}
  });
  EXPECT_EQ(WordsReport(false), expected);
}

TEST_F(ReportText, SummaryPrintsGroupLinesAndTotalsOnly) {
  const std::string expected = Pages({
      {{0, "   Kopf"},
       {1, "       W\x94rter"},
       {2, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xD1\xCD\xCD\xCD\xCD\xCD\xB8"},
       {3, "   Wort    \xB3 Zahl\xB3"},
       {4, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xD8\xCD\xCD\xCD\xCD\xCD\xB5"},
       {5, "   Buchstabe A   \xB3"},
       {6, "   Summe   \xB3 5.00\xB3"},
       {7, "   Buchstabe B   \xB3"},
       {8, "   Summe   \xB3 6.00\xB3"},
       {9, "   Buchstabe C   \xB3"},
       {10, "   Summe   \xB3 4.00\xB3"},
       {11, "   \xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCF\xCD\xCD\xCD\xCD\xCD\xBE"},
       {12, "   Gesamt   15.00"},
       {14, "   Fu\xE1"}}
  });
  EXPECT_EQ(WordsReport(true), expected);
}

}  // namespace
