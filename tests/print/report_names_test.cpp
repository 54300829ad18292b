// The report, its columns and its text-file device by name: every member
// they declare answers, and hook blocks drive a report through its
// messages, checked in the text file it writes.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "print/treport.h"
#include "print/trfile.h"
#include "runtime/error.h"
#include "tests/runtime/scratch_dir.h"

namespace {

bool Knows(const rt::ClassInfo& info, std::string_view name) {
  const auto member = info.Find(name);
  return member.method || member.data;
}

TEST(ReportNames, EveryDeclaredMemberAnswers) {
  const struct {
    const rt::ClassInfo& info;
    std::vector<std::string_view> names;
  } classes[] = {
      {prn::TReport::ClassDef(),
       {"oDevice",      "oTitle",       "oHeader",     "oFooter",      "oRptWnd",     "oShdBrush",   "oPenHorz",
        "aGroups",      "aColumns",     "aFont",       "aCols",        "aText",       "aData",       "aPen",
        "aDataHeight",  "aClrText",     "bFor",        "bWhile",       "bInit",       "bEnd",        "bStartLine",
        "bEndLine",     "bStartPage",   "bEndPage",    "bStartGroup",  "bEndGroup",   "bSkip",       "bStdFont",
        "bPreview",     "bChange",      "bPostEnd",    "bPostPage",    "bPostGroup",  "bStartRecord", "cRptFile",
        "cResName",     "cFile",        "cName",       "cPageTotal",   "cGrandTotal", "cCharPattern", "nWidth",
        "nHeight",      "nMargin",      "nRow",        "nPage",        "nMaxTitle",   "nMaxData",    "nSeparator",
        "nLeftMargin",  "nRightMargin", "nTopMargin",  "nDnMargin",    "nTitleRow",   "nBottomRow",
        "nStdLineHeight", "nRptWidth",  "nLogPixX",    "nLogPixY",     "nFirstdrow",  "nLastdrow",
        "nTitleHeight", "nCounter",     "nTotalLine",  "nGroupLine",   "nTitleUpLine", "nTitleDnLine",
        "nClrShadow",   "nDataLine",    "hOldRes",     "lSummary",     "lTotal",      "lFinish",     "lStable",
        "lGroup",       "lPrinter",     "lScreen",     "lFirstRow",    "lCreated",    "lBreak",      "lShadow",
        "lGrid",        "lJoin",        "lSeparator",  "lAutoLand",    "lIsNarrow",   "lBoxOnTotal", "lNoCancel",
        "lPageTotal",   "Cargo",        "New",         "AddColumn",    "DelColumn",   "InsColumn",   "AddGroup",
        "DelGroup",     "Stabilize",    "Skip",        "End",          "StartLine",   "EndLine",     "StartGroup",
        "EndGroup",     "StartPage",    "EndPage",     "NeedNewPage",  "NewLine",     "BackLine",    "ColTitle",
        "TotalLine",    "PageTotal",    "Activate",    "Play",         "Margin",      "Say",         "SayBitmap",
        "Box",          "Line",         "Shadow",      "Grid",         "Separator",   "CellView",    "PhyWidth",
        "PhyHeight",    "SetTxtColor",  "SetShdColor", "SetPenColor"}},
      {prn::TRFile::ClassDef(),
       {"hDC",           "aRows",         "cDocument",      "cPrnComp",        "nHeight",         "nWidth",
        "lPrint",        "New",           "StartPage",      "EndPage",         "End",             "Say",
        "SetHeight",     "GetTextWidth",  "GetTextHeight",  "SetSize",         "GetPhySize",      "CharWidth",
        "CharHeight",    "nVertRes",      "nHorzRes",       "nVertSize",       "nHorzSize",       "nLogPixelX",
        "nLogPixelY",    "CharSay",       "GetOrientation", "SayBitmap",       "SetPos",          "Line",
        "Box",           "SetPixelMode",  "SetTwipsMode",   "SetLoInchMode",   "SetHiInchMode",   "SetLoMetricMode",
        "SetHiMetricMode", "SetIsotropicMode", "SetAnisotropicMode", "SetWindowExt", "SetViewPortExt", "FillRect",
        "SetLandscape",  "SetPortrait",   "SetCopies",      "Setup",           "Rebuild",         "Font",
        "Inch2Pix"}},
      {prn::TRColumn::ClassDef(), {"TitleHeight"}},
  };
  for (const auto& c : classes)
    for (const std::string_view name : c.names) EXPECT_TRUE(Knows(c.info, name)) << c.info.Name() << ":" << name;
}

TEST(ReportNames, TheTextFileAnswersAsAPrinterDoes) {
  rt::test::ScratchDir scratch;
  const rt::Value file = rt::CreateObject("TRFILE");
  rt::SendV(file, "New", (scratch.Dir() / "f.txt").string());
  rt::SendV(file, "SetSize", 30, 5);
  const struct {
    const char* message;
    rt::Value answer;
  } cases[] = {
      {"nHorzRes", rt::Value(30)},    {"nVertRes", rt::Value(5)},      {"nHorzSize", rt::Value(30 * 25.4)},
      {"nVertSize", rt::Value(5 * 25.4)}, {"nLogPixelX", rt::Value(1)}, {"nLogPixelY", rt::Value(1)},
      {"CharWidth", rt::Value(1)},    {"CharHeight", rt::Value(1)},    {"GetTextHeight", rt::Value(1)},
      {"GetOrientation", rt::Value(2)}, {"SetLoMetricMode", rt::Value()}, {"Rebuild", rt::Value()},
  };
  for (const auto& c : cases)
    EXPECT_EQ(rt::Send(file, c.message).AsNumber(), c.answer.AsNumber()) << c.message;
  EXPECT_EQ(rt::SendV(file, "GetTextWidth", "Wort").AsNumber(), 4);
  const rt::Value size = rt::Send(file, "GetPhySize");
  EXPECT_EQ(size.At(1).AsNumber(), 30);
  EXPECT_EQ(size.At(2).AsNumber(), 5);
  rt::SendV(file, "StartPage");
  rt::SendV(file, "Say", 0, 3, "ab");
  rt::SendV(file, "CharSay", 1, 2, "cd");
  EXPECT_EQ(rt::Send(file, "aRows").At(1).AsString(), "  ab");
  EXPECT_EQ(rt::Send(file, "aRows").At(2).AsString(), " cd");
  rt::Send(file, "End");
}

// A report of the numbers 1 to 3 (column "Nr", four wide) into a text file
// of 14 lines a page: the hooks are set by the case, which reaches the
// report by name through the value it is given.
class ReportByName : public ::testing::Test {
 protected:
  using Setup = std::function<void(const rt::Value& report, prn::ReportHooks& hooks)>;

  // The page's lines, without CR LF and form feed.
  std::vector<std::string> Run(const Setup& setup) {
    const std::string out = (scratch_.Dir() / ("r" + std::to_string(++runs_) + ".txt")).string();
    auto file = std::make_shared<prn::TRFile>();
    file->New(out);
    file->SetHeight(14);
    prn::ReportArgs args;
    args.oDevice = rt::Value(file);
    report = prn::RPTBEGIN(args);
    auto n = std::make_shared<int>(1);
    rt::Value column[] = {rt::Value::Array({rt::Value("Nr")}), rt::Value(0),
                          rt::Value::Block([n](rt::Args) { return rt::Value(*n); }), rt::Value(4)};
    prn::RPTADDCOLUMN(column);
    prn::RPTEND();
    report->bSkip = rt::Value::Block([n](rt::Args) {
      ++*n;
      return rt::Value();
    });
    prn::ReportHooks hooks;
    hooks.bWhile = rt::Value::Block([n](rt::Args) { return rt::Value(*n <= 3); });
    setup(rt::Value(report), hooks);
    report->Activate(hooks);
    std::ifstream in(out, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::vector<std::string> lines;
    std::string text = s.str();
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
      lines.push_back(text.substr(at, end - at));
    return lines;
  }

  // A block that sends the messages, each with its arguments, in turn. It
  // holds the report by address, as the report holds the block.
  static rt::Value Sends(const rt::Value& report, std::vector<std::pair<const char*, std::vector<rt::Value>>> sends) {
    prn::TReport* r = report.As<prn::TReport>().get();
    return rt::Value::Block([r, sends](rt::Args) {
      for (auto [message, args] : sends) rt::Send(r->Self(), message, rt::Args(args.data(), args.size()));
      return rt::Value();
    });
  }

  prn::TReportPtr report;

 private:
  rt::test::ScratchDir scratch_;
  int runs_ = 0;
};

// Without hooks: the titles between double rules, three numbers, the
// closing rule.
TEST_F(ReportByName, TheBareReport) {
  const std::vector<std::string> lines = Run([](const rt::Value&, prn::ReportHooks&) {});
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(lines[0], "   \xCD\xCD\xCD\xCD");
  EXPECT_EQ(lines[1], "     Nr");
  EXPECT_EQ(lines[2], "   \xCD\xCD\xCD\xCD");
  EXPECT_EQ(lines[3], "      1");
  EXPECT_EQ(lines[5], "      3");
  EXPECT_EQ(lines[6], "");
}

TEST_F(ReportByName, HooksDriveTheReportByName) {
  using Lines = std::vector<std::string>;
  const struct {
    const char* family;
    Setup setup;
    std::function<void(const Lines&, const prn::TReport&)> check;
  } cases[] = {
      {"text in a column at the current row",
       [](const rt::Value& r, prn::ReportHooks& h) { h.bEnd = Sends(r, {{"Say", {1, "Ende", 1, 1}}}); },
       [](const Lines& l, const prn::TReport&) { EXPECT_EQ(l[6], "   Ende"); }},
      {"text at a given row, right-aligned",
       [](const rt::Value& r, prn::ReportHooks& h) {
         h.bEnd = Sends(r, {{"Say", {1, "x", 1, 2, 10}}});
       },
       [](const Lines& l, const prn::TReport&) { EXPECT_EQ(l[10], "      x"); }},
      {"a new line, then back two lines",
       [](const rt::Value& r, prn::ReportHooks& h) {
         h.bEnd = Sends(r, {{"NewLine", {}}, {"Say", {1, "neu"}}, {"BackLine", {3}}, {"Say", {1, "alt"}}});
       },
       [](const Lines& l, const prn::TReport&) {
         EXPECT_EQ(l[7], "   neu ");
         EXPECT_EQ(l[4], "   alt ");
       }},
      {"rules and separators",
       [](const rt::Value& r, prn::ReportHooks& h) {
         h.bEnd = Sends(r, {{"TotalLine", {1, 0}}, {"Separator", {}}});
       },
       [](const Lines& l, const prn::TReport&) {
         EXPECT_EQ(l[6], "   \xC4\xC4\xC4\xC4");
         EXPECT_EQ(l[7], "  \xC3\xC4\xC4\xC4\xC4\xB4");
       }},
      {"cell view draws the grid beside every line",
       [](const rt::Value& r, prn::ReportHooks& h) { h.bInit = Sends(r, {{"CellView", {}}}); },
       [](const Lines& l, const prn::TReport& rep) {
         EXPECT_EQ(l[3], "  \xB3   1\xB3");
         EXPECT_TRUE(rep.lJoin && rep.lSeparator && rep.lBoxOnTotal);
       }},
      {"colours of the text and the shadow",
       [](const rt::Value& r, prn::ReportHooks& h) {
         h.bInit = Sends(r, {{"SetTxtColor", {255, 1}}, {"SetTxtColor", {7, 2}}, {"SetShdColor", {0x00FF00}},
                             {"SetPenColor", {0xFF}}});
       },
       [](const Lines&, const prn::TReport& rep) {
         EXPECT_EQ(rep.aClrText, std::vector<long>{255}) << "font 2 does not exist";
         EXPECT_EQ(rep.nClrShadow, 0x00FF00);
       }},
      {"members read and set from a hook",
       [](const rt::Value& r, prn::ReportHooks& h) {
         h.bEnd = rt::Value::Block([report = r.As<prn::TReport>().get()](rt::Args) {
           const rt::Value r = report->Self();
           rt::SendV(r, "_Cargo", rt::Value::Array({rt::Send(r, "nPage"), rt::Send(r, "NeedNewPage"),
                                                    rt::Send(r, "aColumns").Len(), rt::Send(r, "aCols").At(1),
                                                    rt::Send(r, "PhyWidth"), rt::SendV(r, "PhyHeight", 2),
                                                    rt::Send(r, "oDevice")}));
           return rt::Value();
         });
       },
       [](const Lines&, const prn::TReport& rep) {
         const rt::Value& c = rep.Cargo;
         EXPECT_EQ(c.At(1).AsNumber(), 1);
         EXPECT_FALSE(c.At(2).AsLogical());
         EXPECT_EQ(c.At(3).AsNumber(), 1);
         EXPECT_EQ(c.At(4).AsNumber(), rep.aCols[0]);
         EXPECT_EQ(c.At(5).AsNumber(), 14) << "four columns and ten separators";
         EXPECT_DOUBLE_EQ(c.At(6).AsNumber(), 14 * 2.54);
         EXPECT_EQ(c.At(7).As<prn::TRFile>().get(), rep.oDevice.get());
       }},
      {"a hook set by name wins over Activate's",
       [](const rt::Value& r, prn::ReportHooks& h) {
         rt::SendV(r, "_bEnd", Sends(r, {{"Say", {1, "Name"}}}));
         h.bEnd = Sends(r, {{"Say", {1, "Arg"}}});
       },
       [](const Lines& l, const prn::TReport&) { EXPECT_EQ(l[6], "   Name"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.family);
    const Lines lines = Run(c.setup);
    ASSERT_EQ(lines.size(), 14u);
    c.check(lines, *report);
  }
}

// Hooks of the wrong type end the report cleanly; a hook or a column's
// data block that breaks out leaves the file closed, and the break reaches
// the program's sequence.
TEST_F(ReportByName, BadHooksEndTheReportCleanly) {
  const struct {
    const char* hook;
    Setup setup;
    bool breaks;
  } cases[] = {
      {"bWhile answers a number",
       [](const rt::Value&, prn::ReportHooks& h) { h.bWhile = rt::Value::Block([](rt::Args) { return rt::Value(1); }); },
       false},
      {"bFor answers a text",
       [](const rt::Value&, prn::ReportHooks& h) { h.bFor = rt::Value::Block([](rt::Args) { return rt::Value("ja"); }); },
       false},
      {"bStartLine breaks out",
       [](const rt::Value&, prn::ReportHooks& h) {
         h.bStartLine = rt::Value::Block([](rt::Args) -> rt::Value { rt::BREAK(rt::Value("raus")); });
       },
       true},
      {"a column's data block breaks out",
       [](const rt::Value& r, prn::ReportHooks&) {
         r.As<prn::TReport>()->aColumns[0]->aData[0] =
             rt::Value::Block([](rt::Args) -> rt::Value { rt::BREAK(rt::Value("raus")); });
       },
       true},
      {"bEnd breaks out",
       [](const rt::Value&, prn::ReportHooks& h) {
         h.bEnd = rt::Value::Block([](rt::Args) -> rt::Value { rt::BREAK(rt::Value("raus")); });
       },
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hook);
    rt::Value recovered;
    std::vector<std::string> lines;
    rt::Sequence([&] { lines = Run(c.setup); }, [&](const rt::Value& v) { recovered = v; });
    EXPECT_EQ(recovered.IsString(), c.breaks);
    EXPECT_FALSE(report->oDevice->Ready()) << "the file is closed";
    EXPECT_TRUE(report->lFinish);
    EXPECT_EQ(report->lBreak, c.breaks);
    for (std::size_t i = 3; !c.breaks && i < lines.size(); ++i) EXPECT_EQ(lines[i], "") << "no data line " << i;
  }
}

TEST_F(ReportByName, ColumnsAndGroupsAreEditedByName) {
  const std::vector<std::string> lines = Run([](const rt::Value& r, prn::ReportHooks&) {
    const rt::Value second = rt::CreateObject("TRCOLUMN");
    ASSERT_TRUE(second.IsObject());
    second.As<prn::TRColumn>()->New(rt::Value::Array({rt::Value("Zwei")}), 0,
                                    rt::Value::Array({rt::Value("zz")}), 4);
    rt::SendV(r, "InsColumn", second, 1);
    rt::SendV(r, "AddColumn", rt::CreateObject("TRCOLUMN"));
    rt::SendV(r, "DelColumn", 3);
    rt::SendV(r, "DelColumn", 9);
    const rt::Value group = rt::CreateObject("TRGROUP");
    rt::SendV(r, "AddGroup", group);
    EXPECT_EQ(rt::Send(r, "aGroups").Len(), 1u);
    rt::SendV(r, "DelGroup", 1);
    EXPECT_EQ(rt::Send(r, "aGroups").Len(), 0u);
    EXPECT_EQ(rt::Send(r, "aColumns").Len(), 2u);
  });
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[1], "   Zwei   Nr");
  EXPECT_EQ(lines[3], "   zz      1");
}

TEST_F(ReportByName, TitleHeightMeasuresAColumnTheReportHasNotLaidOut) {
  Run([](const rt::Value& r, prn::ReportHooks&) {
    const rt::Value column = rt::CreateObject("TRCOLUMN");
    const auto c = column.As<prn::TRColumn>();
    c->New(rt::Value::Array({rt::Value("Ueberschrift")}), 0, rt::Value::Array({rt::Value("abc")}));
    EXPECT_TRUE(rt::Send(column, "TitleHeight").IsNil()) << "no report yet";
    rt::SendV(r, "AddColumn", column);
    EXPECT_EQ(rt::Send(column, "TitleHeight").AsNumber(), 1);
    EXPECT_EQ(c->nWidth, 12) << "the widest of title and data";
    rt::SendV(r, "DelColumn", 2);
  });
}

}  // namespace
