#include "services/tini.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "runtime/dates.h"
#include "runtime/settings.h"
#include "services/profile.h"
#include "scratch_dir.h"

namespace {

using rt::Value;

class TIniTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ini = std::make_shared<svc::TIni>();
    ini->New(file);
  }
  void TearDown() override { WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str()); }
  std::string Stored(const char* section, const char* entry) {
    return svc::GETPVPROFSTRING(section, entry, "<missing>", file);
  }
  ScratchDir dir;
  std::string file = dir / "tini_test.cfg";
  std::shared_ptr<svc::TIni> ini;
};

TEST_F(TIniTest, NewNamesTheFile) {
  EXPECT_EQ(ini->cIniFile, file);  // holds a point: unchanged
  EXPECT_TRUE(ini->lAutoSet);
  svc::TIni other;
  EXPECT_EQ(other.New("einstellungen").cIniFile, "einstellungen.ini");
  EXPECT_EQ(other.New().cIniFile, "");
}

TEST_F(TIniTest, LogicalsAreWrittenAsDotTDotF) {
  EXPECT_EQ(ini->Get("Bar", "Visible", false), Value(false));
  EXPECT_EQ(Stored("Bar", "Visible"), ".F.");  // the default, written back

  ini->Set("Bar", "Visible", true);
  EXPECT_EQ(Stored("Bar", "Visible"), ".T.");
  EXPECT_EQ(ini->Get("Bar", "Visible", false), Value(true));

  for (const char* text : {".t.", ".T."}) {
    svc::WRITEPPROSTRING("Bar", "Flag", text, file);
    EXPECT_EQ(ini->Get("Bar", "Flag", false), Value(true)) << text;
  }
  for (const char* text : {"1", "yes", "T", "..T."}) {
    svc::WRITEPPROSTRING("Bar", "Flag", text, file);
    EXPECT_EQ(ini->Get("Bar", "Flag", true), Value(false)) << text;
  }
}

TEST_F(TIniTest, NumbersTextsAndDates) {
  svc::WRITEPPROSTRING("Win", "Top", "12abc", file);
  EXPECT_EQ(ini->Get("Win", "Top", 0), Value(12));
  EXPECT_EQ(ini->Get("Win", "Left", 7), Value(7));
  EXPECT_EQ(Stored("Win", "Left"), "7");

  EXPECT_EQ(ini->Get("Win", "Title", "Suche"), Value("Suche"));
  EXPECT_EQ(Stored("Win", "Title"), "Suche");
  EXPECT_EQ(ini->Get("Win", "Other", Value(), "x"), Value(""));  // type from uVar

  rt::Sets().dateFormat = "dd.mm.yyyy";
  rt::Sets().century = true;
  const Value day(rt::Date{2460375});
  ini->Set("Win", "Day", day);
  EXPECT_EQ(Stored("Win", "Day"), "05.03.2024");
  EXPECT_EQ(ini->Get("Win", "Day", Value(rt::Date{})), day);
  rt::Sets().dateFormat = "mm/dd/yy";
  rt::Sets().century = false;
}

TEST_F(TIniTest, AutoSetOffWritesNothing) {
  ini->lAutoSet = false;
  EXPECT_EQ(ini->Get("Bar", "Visible", false), Value(false));
  EXPECT_EQ(Stored("Bar", "Visible"), "<missing>");
}

TEST_F(TIniTest, SectionsAndDeletion) {
  EXPECT_TRUE(ini->Sections().Items().empty());
  ini->Set("Eins", "a", "1");
  ini->Set("Zwei", "b", "2");
  ini->Set("Zwei", "c", "3");
  Value names = ini->Sections();
  ASSERT_EQ(names.Len(), 2u);
  EXPECT_EQ(names.At(1), Value("Eins"));
  EXPECT_EQ(names.At(2), Value("Zwei"));

  EXPECT_TRUE(ini->DelEntry("Zwei", "b"));
  EXPECT_EQ(Stored("Zwei", "b"), "<missing>");
  EXPECT_EQ(Stored("Zwei", "c"), "3");
  EXPECT_TRUE(ini->DelSection("Eins"));
  EXPECT_EQ(ini->Sections().Len(), 1u);
}

TEST(TIniNameTest, BareNameGetsIniInTheWindowsDirectory) {
  svc::TIni ini;
  ini.New("vd_tini_bare");
  ini.Set("S", "k", "v");
  char path[MAX_PATH];
  GetWindowsDirectoryA(path, MAX_PATH);
  std::string full = std::string(path) + "\\vd_tini_bare.ini";
  EXPECT_EQ(svc::GETPVPROFSTRING("S", "k", "", full), "v");
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, full.c_str());
  DeleteFileA(full.c_str());
}

TEST(TIniNameTest, SystemProfileWhenUnnamed) {
  svc::TIni ini;
  ini.New();
  ini.Set("VdTIniTest", "Key", 5);
  EXPECT_EQ(svc::GETPROFSTRING("VdTIniTest", "Key", ""), "5");
  EXPECT_EQ(ini.Get("VdTIniTest", "Key", 0), Value(5));
  svc::WRITEPROFSTRING("VdTIniTest");
}

}  // namespace
