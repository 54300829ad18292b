#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "apps/common/index_check.h"
#include "apps/common/marker_files.h"
#include "apps/common/transchr.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/table_fns.h"
#include "tests/apps_common/word_table_fixture.h"
#include "tests/apps_common/work_dir.h"

namespace {

using common::KeyStyle;
using common::test::MakeWordTable;
using common::test::NumberedRows;

struct Notice {
  std::string text, title;
};

// Runs the check with the given keys, builds without a dialog, and records
// what it showed and built.
struct CheckRun {
  std::vector<Notice> notices;
  std::vector<std::string> meterTexts;
  std::vector<long> progress;

  void Run(KeyStyle keys = KeyStyle::Editor) {
    common::CheckDataHooks hooks;
    hooks.keys = keys;
    hooks.notify = [this](std::string_view text, std::string_view title) {
      notices.push_back({std::string(text), std::string(title)});
    };
    hooks.build = [this](std::string_view text, std::string_view key, std::string_view file) {
      meterTexts.emplace_back(text);
      common::BuildIndexFile(key, file, [this](long recno) {
        progress.push_back(recno);
        return true;
      });
    };
    EXPECT_TRUE(common::CheckData(hooks));
  }
};

// The key stored in an index file, read back through the driver.
std::string StoredKey(const std::string& table, const std::string& index) {
  if (!rt::DBUSEAREA(true, "", table, "PROBE", true, true)) return "(table not opened)";
  rt::ORDLISTADD(index);
  std::string key = rt::ORDKEY(rt::Value(1));
  rt::DBCLOSEAREA();
  return key;
}

class IndexCheck : public ::testing::Test {
 protected:
  void SetUp() override { common::RegisterWordFunctions(); }
  common::test::WorkDir dir_;
};

TEST_F(IndexCheck, UpdateMarkerRebuildsEveryPresentTableWithTheProgramsKeys) {
  ASSERT_TRUE(MakeWordTable("DEUENG.DBF", NumberedRows(3)));
  ASSERT_TRUE(MakeWordTable("DEUFRA.DBF", {{"Sahne", "cr\xE8me"}, {"Mann", "homme"}}));
  CheckRun first;
  first.Run(KeyStyle::QuickSearch);
  EXPECT_TRUE(first.notices.empty());
  EXPECT_EQ(StoredKey("DEUENG.DBF", "DEUENG1"), "upper(DEUTSCH)");

  rt::FCLOSE(rt::FCREATE(common::kUpdateMarker, rt::FC_NORMAL));
  CheckRun second;
  second.Run(KeyStyle::Editor);
  ASSERT_EQ(second.notices.size(), 1u);
  EXPECT_EQ(second.notices[0].text, "Sie haben ein Update installiert, die Datenbank wird reorganisiert.");
  EXPECT_EQ(second.notices[0].title, "Achtung");
  EXPECT_FALSE(common::MarkerExists(common::kUpdateMarker));
  EXPECT_EQ(second.meterTexts,
            (std::vector<std::string>{"Deutsch/Englisch Index aufbauen...", "Englisch/Deutsch Index aufbauen...",
                                      "Deutsch/Franz\xF6sisch Index aufbauen...",
                                      "Franz\xF6sisch/Deutsch Index aufbauen..."}));
  EXPECT_EQ(StoredKey("DEUENG.DBF", "DEUENG1"), "upper(DEUTSCH)+upper(FREMD)");
  EXPECT_EQ(StoredKey("DEUENG.DBF", "DEUENG2"), "upper(FREMD)");
  EXPECT_EQ(StoredKey("DEUFRA.DBF", "DEUFRA1"), "upper(DEUTSCH)+upper(FREMD)");
  EXPECT_EQ(StoredKey("DEUFRA.DBF", "DEUFRA2"), "upper(TransChr(FREMD))");
  EXPECT_FALSE(rt::USED());

  // The folded order finds an accented word by its plain spelling.
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUFRA", "DBUCH", true, true));
  rt::ORDLISTADD("DEUFRA2");
  EXPECT_TRUE(rt::DBSEEK(rt::Value("CREME")));
  EXPECT_EQ(rt::FIELDGET("DEUTSCH").AsString().substr(0, 5), "Sahne");
  rt::DBCLOSEALL();
}

TEST_F(IndexCheck, UpdateMarkerWithoutTheFirstIndexAsksNothing) {
  ASSERT_TRUE(MakeWordTable("DEUFRA.DBF", NumberedRows(2)));
  std::ofstream("DEUITA1.NTX") << "old";
  rt::FCLOSE(rt::FCREATE(common::kUpdateMarker, rt::FC_NORMAL));
  CheckRun run;
  run.Run();
  EXPECT_TRUE(run.notices.empty());
  EXPECT_FALSE(common::MarkerExists(common::kUpdateMarker));
  EXPECT_FALSE(rt::FileExists("DEUITA1.NTX"));
}

TEST_F(IndexCheck, OnlyPresentTablesGetTheirPair) {
  ASSERT_TRUE(MakeWordTable("DEUFRA.DBF", NumberedRows(2)));
  CheckRun run;
  run.Run();
  std::vector<std::string> indexes;
  for (const auto& e : std::filesystem::directory_iterator(".")) {
    const std::string name = e.path().filename().string();
    if (name.ends_with(".NTX") || name.ends_with(".ntx")) indexes.push_back(name);
  }
  std::sort(indexes.begin(), indexes.end());
  EXPECT_EQ(indexes, (std::vector<std::string>{"DEUFRA1.NTX", "DEUFRA2.NTX"}));

  CheckRun again;  // both files present and sound: nothing is built
  again.Run();
  EXPECT_TRUE(again.meterTexts.empty());
}

TEST_F(IndexCheck, SmallTableIsIndexedRowByRow) {
  ASSERT_TRUE(MakeWordTable("DEUENG.DBF", NumberedRows(50)));
  CheckRun run;
  run.Run();
  ASSERT_EQ(run.meterTexts.size(), 2u);
  EXPECT_EQ(run.progress.size(), 100u);  // every row of both builds
  for (const char* index : {"DEUENG1", "DEUENG2"}) {
    ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG", "PROBE", true, true));
    rt::ORDLISTADD(index);
    EXPECT_EQ(rt::ORDKEYCOUNT(), 50) << index;
    rt::DBCLOSEAREA();
  }
}

TEST_F(IndexCheck, DamagedOrForeignIndexIsRebuilt) {
  ASSERT_TRUE(MakeWordTable("DEUENG.DBF", NumberedRows(5)));
  CheckRun first;
  first.Run();
  std::ofstream("DEUENG1.NTX", std::ios::binary | std::ios::trunc) << std::string(1500, '\x7F');
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUENG", "W", false, false));
  rt::ORDCREATE("DEUENG2", "", "upper(SPRACHE)");
  rt::DBCLOSEAREA();

  CheckRun run;
  run.Run();
  EXPECT_EQ(run.meterTexts, (std::vector<std::string>{"Deutsch/Englisch Index aufbauen...",
                                                      "Englisch/Deutsch Index aufbauen..."}));
  EXPECT_EQ(StoredKey("DEUENG.DBF", "DEUENG1"), "upper(DEUTSCH)+upper(FREMD)");
  EXPECT_EQ(StoredKey("DEUENG.DBF", "DEUENG2"), "upper(FREMD)");
}

TEST_F(IndexCheck, TableHeldElsewhereOrDamagedIsPassedOver) {
  ASSERT_TRUE(MakeWordTable("DEUENG.DBF", NumberedRows(5)));
  ASSERT_TRUE(MakeWordTable("DEUFRA.DBF", NumberedRows(5)));
  std::ofstream("DEUITA.DBF", std::ios::binary) << std::string(40, '\x03');
  const long held = rt::FOPEN("DEUENG.DBF", rt::FO_READWRITE | rt::FO_EXCLUSIVE);
  ASSERT_GE(held, 0);
  int reached = 0;
  rt::ErrorBlockScope outer(rt::Value::Block([&reached](rt::Args) {
    ++reached;
    return rt::Value(false);
  }));
  CheckRun run;
  run.Run();
  rt::FCLOSE(held);
  EXPECT_EQ(reached, 0);
  EXPECT_FALSE(rt::FileExists("DEUENG1.NTX"));
  EXPECT_FALSE(rt::FileExists("DEUITA1.NTX"));
  EXPECT_TRUE(rt::FileExists("DEUFRA1.NTX"));
  EXPECT_TRUE(rt::FileExists("DEUFRA2.NTX"));
}

TEST_F(IndexCheck, TableWithoutAWordFieldIsNamedBeforeAnyBuild) {
  ASSERT_TRUE(MakeWordTable("DEUSPA.DBF", NumberedRows(2), {"DEUTSCH", "STATUS"}));
  std::vector<rt::ErrorPtr> errors;
  rt::ErrorBlockScope outer(rt::Value::Block([&errors](rt::Args a) {
    errors.push_back(a[0].As<rt::Error>());
    return rt::Value(false);
  }));
  CheckRun run;
  run.Run();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]->operation, "FREMD");
  EXPECT_EQ(errors[0]->filename, "DEUSPA.DBF");
  EXPECT_NE(errors[0]->description.find("FREMD"), std::string::npos);
  EXPECT_TRUE(run.meterTexts.empty());
  EXPECT_FALSE(rt::FileExists("DEUSPA1.NTX"));
}

}  // namespace
