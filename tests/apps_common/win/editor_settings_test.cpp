#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "apps/common/settings_file.h"
#include "apps/common/window_placement.h"
#include "apps/dravonel/check_ini.h"
#include "apps/dravonel/editor_state.h"
#include "core/twindow.h"
#include "runtime/memvar.h"
#include "services/profile.h"
#include "tests/apps_common/work_dir.h"

namespace {

std::string Stored(const char* section, const char* key) {
  return svc::GETPVPROFSTRING(rt::Value(section), rt::Value(key), rt::Value("<none>"), rt::Value(".\\VOSKDAR.INI"));
}

class EditorSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::PUBLIC(dravonel::kReleaseVar, rt::Value(""));
    rt::PUBLIC(dravonel::kShortNameVar, rt::Value("Corvanel Helvorindastrum"));
    dravonel::Editor() = {};
  }
  common::test::WorkDir dir_;
};

TEST_F(EditorSettings, NoSettingsFileGivesTheDefaultsAndWritesTheExitKeys) {
  dravonel::CHECKINI(true);
  const auto& s = dravonel::Editor();
  EXPECT_EQ(s.cDictBase, "DEUENG");
  EXPECT_FALSE(s.lExtern);
  EXPECT_FALSE(s.lExportPending);
  EXPECT_EQ(rt::MEMVARGET(dravonel::kReleaseVar).AsString(), "ZQS Voskdar W\xF6rtbuch v1.41");
  EXPECT_EQ(rt::MEMVARGET(dravonel::kShortNameVar).AsString(), "Voskdar");
  EXPECT_FALSE(std::filesystem::exists("VOSKDAR.INI"));  // reads write nothing back

  dravonel::CHECKINI(false);
  EXPECT_EQ(Stored("Dravonel", "Sprache"), "DEUENG");
  EXPECT_EQ(Stored("Dravonel", "Extern"), "0");
}

TEST_F(EditorSettings, StoredValuesAndSectionsWithoutCase) {
  std::ofstream(".\\VOSKDAR.INI") << "[SYSTEM]\r\nClsCopy=0\r\n[dravonel]\r\nSPRACHE=DEUFRA\r\nExtern=1\r\n"
                                  << "[Export]\r\nDEUFRA=1\r\n[Project]\r\nEmail_Menue=Mail\r\n";
  dravonel::CHECKINI(true);
  const auto& s = dravonel::Editor();
  EXPECT_EQ(s.cDictBase, "DEUFRA");
  EXPECT_TRUE(s.lExtern);
  EXPECT_TRUE(s.lExportPending);
  EXPECT_EQ(s.cMailMenu, "Mail");
  EXPECT_FALSE(common::ReadSwitch("System", "ClsCopy"));
  common::WriteSwitch("System", "ClsCopy", true);
  EXPECT_TRUE(common::ReadSwitch("SYSTEM", "CLSCOPY"));
  EXPECT_EQ(svc::GETPVPROFSTRING(rt::Value("SYSTEM"), rt::Value(), rt::Value(), rt::Value(".\\VOSKDAR.INI")),
            std::string("ClsCopy\0", 8));
}

TEST_F(EditorSettings, CopyAndRestoreOnlyWhatExists) {
  common::CopySettings();
  EXPECT_FALSE(std::filesystem::exists("Voskdar.sav"));
  common::WriteSetting("Dravonel", "Sprache", "DEULAT");
  common::CopySettings();
  common::WriteSetting("Dravonel", "Sprache", "DEUITA");
  common::RestoreSettings();
  EXPECT_EQ(Stored("Dravonel", "Sprache"), "DEULAT");
}

TEST_F(EditorSettings, WindowPlacementReadAndStored) {
  RECT desk;
  GetClientRect(GetDesktopWindow(), &desk);
  long t = 0, l = 0, b = 0, r = 0;
  common::GETCOORDS(common::kEditorPlacement, t, l, b, r);
  EXPECT_EQ(t, desk.bottom / 2 - 240);
  EXPECT_EQ(l, desk.right / 2 - 320);
  EXPECT_EQ(b - t, 480);
  EXPECT_EQ(r - l, 640);

  common::WriteSetting("Dravonel", "Top", "0");
  common::WriteSetting("Dravonel", "Bottom", "700");
  common::GETCOORDS(common::kEditorPlacement, t, l, b, r);
  EXPECT_EQ(t, desk.bottom / 2 - 240);
  EXPECT_EQ(b, 700);

  core::TWindow wnd;
  wnd.nTop = 10;
  wnd.nLeft = 20;
  // The window's last pixel, as CoorsUpdate keeps it.
  wnd.nBottom = 10 + 485;
  wnd.nRight = 20 + 640;
  common::PUTCOORDS(common::kEditorPlacement, wnd);
  EXPECT_EQ(Stored("Dravonel", "Top"), "10");
  EXPECT_EQ(Stored("Dravonel", "Bottom"), "490");
  EXPECT_EQ(Stored("Dravonel", "Right"), "660");
  wnd.nTop = 3000;
  wnd.nBottom = 3000 + 480;
  common::PUTCOORDS(common::kEditorPlacement, wnd);
  EXPECT_EQ(Stored("Dravonel", "Top"), "10");
}

}  // namespace
