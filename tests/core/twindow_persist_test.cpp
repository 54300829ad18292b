// A window's design saved and loaded, as text, as a program and as a table
// of its controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/twindow.h"
#include "core/twindow_design.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/numbers.h"
#include "runtime/object.h"
#include "runtime/table_fns.h"
#include "runtime/value_text.h"
#include "test_support.h"
#include "twindow_support.h"

namespace {

using coretest::OwnedWindow;

// A scratch directory made current for the test's lifetime.
class ScratchDir {
 public:
  ScratchDir() {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    dir_ = std::string(temp) + "vdtwindow";
    CreateDirectoryA(dir_.c_str(), nullptr);
    GetCurrentDirectoryA(sizeof old_, old_);
    SetCurrentDirectoryA(dir_.c_str());
  }
  ~ScratchDir() { SetCurrentDirectoryA(old_); }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

 private:
  std::string dir_;
  char old_[MAX_PATH] = {};
};

// A designed window: title, name, colour, place, a free array and a
// designer event.
std::shared_ptr<core::TWindow> Designed() {
  core::WindowArgs a = coretest::PixelArgs(10, 20, 109, 219);
  a.cTitle = "W\xF6rter";
  auto w = std::make_shared<core::TWindow>();
  w->New(a);
  w->cVarName = "oMain";
  w->nClrText = 255;
  w->Cargo = rt::Value::Array({rt::Value(3), rt::Value::Array({rt::Value("x"), rt::Value(true)})});
  w->OnClick = "MsgInfo(nRow)";
  return w;
}

TEST(TWindowSave, RecordRoundTripsThroughLoadAndAFile) {
  OwnedWindow w(Designed());
  const std::string record = w->Save();
  ASSERT_FALSE(record.empty());
  EXPECT_EQ(record[0], 'O');
  EXPECT_EQ(rt::BIN2I(record.substr(1, 2)), static_cast<int>(record.size()) - 3);
  EXPECT_EQ(rt::BIN2I(record.substr(3, 2)), 7);
  EXPECT_EQ(record.substr(5, 7), "TWINDOW");

  auto check = [](const core::TWindow& loaded) {
    const rt::Value v(std::const_pointer_cast<core::TWindow>(
        std::static_pointer_cast<const core::TWindow>(loaded.shared_from_this())));
    EXPECT_EQ(rt::Send(v, "cTitle").AsString(), "W\xF6rter");
    EXPECT_EQ(rt::Send(v, "cVarName").AsString(), "oMain");
    EXPECT_EQ(rt::Send(v, "nClrText").AsInt(), 255);
    EXPECT_EQ(rt::Send(v, "nTop").AsInt(), 10);
    EXPECT_EQ(rt::Send(v, "nLeft").AsInt(), 20);
    EXPECT_EQ(rt::Send(v, "nWidth").AsInt(), 200);
    EXPECT_EQ(rt::Send(v, "nHeight").AsInt(), 100);
    const rt::Value cargo = rt::Send(v, "Cargo");
    ASSERT_EQ(cargo.Len(), 2u);
    EXPECT_EQ(cargo.At(1).AsInt(), 3);
    ASSERT_EQ(cargo.At(2).Len(), 2u);
    EXPECT_EQ(cargo.At(2).At(1).AsString(), "x");
    EXPECT_TRUE(cargo.At(2).At(2).AsLogical());
    EXPECT_EQ(rt::Send(v, "OnClick").AsString(), "MsgInfo(nRow)");
  };
  OwnedWindow fromRecord;
  fromRecord->Load(record.substr(12));
  check(*fromRecord.ptr());

  ScratchDir scratch;
  ASSERT_TRUE(w->SaveFile("window.vdw"));
  OwnedWindow fromFile;
  ASSERT_TRUE(fromFile->LoadFile("window.vdw"));
  check(*fromFile.ptr());
}

TEST(TWindowSave, OnlyWhatDiffersFromANewObject) {
  auto w = std::make_shared<core::TWindow>();
  w->cVarName = "oWin";
  const std::string record = w->Save();
  const std::string items = record.substr(12);
  EXPECT_EQ(rt::BIN2I(items.substr(0, 2)), 1);
  EXPECT_EQ(items.substr(2), rt::I2BIN(8) + "cVarName" + "C" + rt::I2BIN(4) + "oWin");
}

TEST(TWindowSave, AValueTooLongForTheRecordIsRefused) {
  auto w = std::make_shared<core::TWindow>();
  w->Cargo = std::string(40000, 'x');
  rt::ErrorPtr seen;
  rt::ErrorBlockScope scope(rt::Value::Block([&](rt::Args a) {
    seen = a[0].As<rt::Error>();
    return rt::Value(false);
  }));
  EXPECT_EQ(w->Save(), "");
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->genCode, rt::EG_LIMIT);
  EXPECT_NE(seen->description.find("Cargo"), std::string::npos);
  ScratchDir scratch;
  EXPECT_FALSE(w->SaveFile("long.vdw"));
}

TEST(TWindowLoadFile, AMissingFileIsReportedInAStopBox) {
  OwnedWindow w;
  coretest::BoxWatch watch;
  EXPECT_FALSE(w->LoadFile("C:\\nowhere\\missing.vdw"));
  ASSERT_EQ(watch.boxes().size(), 1u);
  EXPECT_EQ(watch.boxes()[0].title, "Stop");
  EXPECT_EQ(watch.boxes()[0].text, "File not found: C:\\nowhere\\missing.vdw");
}

TEST(TWindowDesign, SourceTextOfTheProperties) {
  OwnedWindow w(Designed());
  const std::string text = w->SaveToText();
  for (const char* line :
       {"OBJECT oMain AS TWINDOW\r\n", "   ::cTitle = \"W\xF6rter\"\r\n", "   ::nTop = 10\r\n",
        "   ::Cargo = Array( 2 )\r\n", "      ::Cargo[1] = 3\r\n", "      ::Cargo[2] = Array( 2 )\r\n",
        "         ::Cargo[2][1] = \"x\"\r\n", "   ::OnClick = { |Self, nRow, nCol| MsgInfo(nRow) }\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(text.substr(text.size() - 11), "ENDOBJECT\r\n");
}

TEST(TWindowDesign, ProgramThatRecreatesTheWindow) {
  OwnedWindow w;
  ScratchDir scratch;
  const std::string text = w->cGenPrg("window.prg");
  for (const char* part : {"#include \"Vindral.ch\"", "static oWnd", "function Main()", "DEFINE WINDOW oWnd TITLE \"\"",
                           "FROM 2, 2 TO 20, 70", "BRUSH oBrush", "ACTIVATE WINDOW oWnd", "return nil"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part;
  }
  EXPECT_LT(text.find("function Main()"), text.find("ACTIVATE WINDOW oWnd"));
  EXPECT_LT(text.find("ACTIVATE WINDOW oWnd"), text.find("return nil"));
  EXPECT_EQ(rt::MEMOREAD("window.prg"), text);
}

TEST(TWindowDesign, FileNameFromTheCaptionKeepsOnlyValidCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"W\xF6rterbuch", "W\xF6rterbu.dbf"},
      {"a/b\\c:d*e?f\"g<h>i|j", "abcdefgh.dbf"},
      {"Tab\there", "Tabhere.dbf"},
      {"Ende...", "Ende.dbf"},
  };
  for (const auto& [caption, name] : cases) EXPECT_EQ(core::DbfNameFromCaption(caption), name) << caption;
}

TEST(TWindowDesign, TableOfTheControls) {
  ScratchDir scratch;
  core::WindowArgs a = coretest::PixelArgs(10, 10, 209, 309);
  a.cTitle = "Fen?s:ter*1\"x";
  OwnedWindow w(a);
  OwnedWindow first(coretest::PixelArgs(5, 6, 24, 55, WS_CHILD | WS_VISIBLE, w.value()));
  OwnedWindow second(coretest::PixelArgs(30, 6, 49, 105, WS_CHILD | WS_VISIBLE, w.value()));
  first->nId = 101;
  first->_cTitle("Erstes");
  second->nId = 102;
  w->AddControl(first.value());
  w->AddControl(second.value());
  ASSERT_TRUE(w->GenDbf());
  ASSERT_TRUE(rt::FileExists("Fenster1.dbf"));
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "Fenster1.dbf", "", false));
  const rt::Value st = rt::DBSTRUCT();
  const std::string expected =
      "CONTROL C 15 0|CAPTION C 40 0|ID N 4 0|TOP N 4 0|LEFT N 4 0|WIDTH N 4 0|HEIGHT N 4 0|STYLE N 15 0|"
      "CLRFORE N 8 0|CLRBACK N 8 0|FNTNAME C 15 0|FNTWIDTH N 4 0|FNTHEIGHT N 4 0|FNTBOLD L 1 0|FNTITALIC L 1 0|";
  std::string layout;
  for (const rt::Value& f : st.Items()) {
    layout += f.At(1).AsString() + " " + f.At(2).AsString() + " " + std::to_string(f.At(3).AsInt()) + " " +
              std::to_string(f.At(4).AsInt()) + "|";
  }
  EXPECT_EQ(layout, expected);
  EXPECT_EQ(rt::RECCOUNT(), 2);
  rt::DBGOTOP();
  EXPECT_EQ(rt::FIELDGET("CONTROL").AsString().substr(0, 7), "TWINDOW");
  EXPECT_EQ(rt::FIELDGET("CAPTION").AsString().substr(0, 6), "Erstes");
  EXPECT_EQ(rt::FIELDGET("ID").AsInt(), 101);
  EXPECT_EQ(rt::FIELDGET("TOP").AsInt(), 5);
  EXPECT_EQ(rt::FIELDGET("LEFT").AsInt(), 6);
  EXPECT_EQ(rt::FIELDGET("WIDTH").AsInt(), 50);
  EXPECT_EQ(rt::FIELDGET("HEIGHT").AsInt(), 20);
  rt::DBSKIP();
  EXPECT_EQ(rt::FIELDGET("ID").AsInt(), 102);
  EXPECT_EQ(rt::FIELDGET("WIDTH").AsInt(), 100);
  rt::DBCLOSEAREA();
}

}  // namespace
