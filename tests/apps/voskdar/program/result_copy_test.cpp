// The result list's copy on a small scratch table: what reaches the
// clipboard and the settings file, and a refused copy that leaves the
// user's clipboard alone.

#include "apps/voskdar/result_copy.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "../../../services/box_driver.h"
#include "apps/voskdar/program_state.h"
#include "core/tclipboard.h"
#include "runtime/table_fns.h"
#include "services/profile.h"
#include "tests/apps_common/work_dir.h"

namespace voskdar {
namespace {

struct ScratchRow {
  const char *wort, *fremd, *sprache, *bitmap;
};

class ResultCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    const rt::Value structure = rt::Value::Array(
        {rt::Value::Array({"WORT", "C", 50, 0}), rt::Value::Array({"FREMD", "C", 50, 0}),
         rt::Value::Array({"SPRACHE", "C", 2, 0}), rt::Value::Array({"BITMAP", "C", 3, 0})});
    ASSERT_TRUE(rt::DBCREATE("VOSKTEMP.DBF", structure));
    ASSERT_TRUE(rt::DBUSEAREA(true, "", "VOSKTEMP.DBF", "DTMP", false, false));
    const ScratchRow rows[] = {{"          Deutsch - Englisch", "", "", "ENG"},
                               {"Haus", "house  ", "EN", ""},
                               {"Haus", "home", "", ""},  // added by the editor
                               {"          Englisch - Deutsch", "", "", "DEU"},
                               {"Haus", "house", "EN", ""}};
    for (const ScratchRow& r : rows) {
      rt::DBAPPEND();
      rt::FIELDPUT("WORT", std::string(r.wort));
      rt::FIELDPUT("FREMD", std::string(r.fremd));
      rt::FIELDPUT("SPRACHE", std::string(r.sprache));
      rt::FIELDPUT("BITMAP", std::string(r.bitmap));
    }
    saved_ = Program().oClip;
    Program().oClip = std::make_shared<core::TClipBoard>();
    Program().oClip->New();
    ASSERT_TRUE(Program().oClip->SetText("mine"));
  }
  void TearDown() override {
    Program().oClip = saved_;
    rt::DBCLOSEALL();
  }

  static std::string Recorded() {
    return svc::GETPVPROFSTRING(rt::Value("Seek"), rt::Value("String"), rt::Value(""),
                                rt::Value(".\\VOSKDAR.INI"));
  }

  common::test::WorkDir dir;
  std::shared_ptr<core::TClipBoard> saved_;
};

TEST_F(ResultCopy, DataRowsCopyTheTranslationTrimmed) {
  struct Case {
    long recno;
    const char* word;
  };
  for (const Case& c : {Case{2, "house"}, Case{3, "home"}, Case{5, "Haus"}}) {
    rt::DBGOTO(c.recno);
    EXPECT_TRUE(PUTCLIPBOARD()) << c.recno;
    EXPECT_EQ(Program().oClip->GetText(), c.word);
    EXPECT_EQ(Recorded(), c.word);
  }
}

TEST_F(ResultCopy, AHeaderRowIsRefusedAndTheClipboardKept) {
  rt::DBGOTO(4);
  BoxDriver driver(BoxDriver::PressEnter);
  EXPECT_FALSE(PUTCLIPBOARD());
  const SeenBox& seen = driver.Seen();
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(seen.caption, "Fehler");
  EXPECT_NE(seen.Joined().find("W\xE4hlen Sie einen Begriff aus !"), std::string::npos) << seen.Joined();
  EXPECT_EQ(Program().oClip->GetText(), "mine");
  EXPECT_EQ(Recorded(), "");
}

}  // namespace
}  // namespace voskdar
