#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "apps/common/marker_files.h"
#include "tests/apps_common/work_dir.h"

namespace {

TEST(MarkerFiles, MakeSemLeavesAnEmptyFileAndTruncates) {
  common::test::WorkDir dir;
  EXPECT_TRUE(common::ZQMAKESEM("Dravonel").IsNil());
  EXPECT_TRUE(common::MarkerExists(common::kEditorSemaphore));
  EXPECT_EQ(std::filesystem::file_size(dir.Dir() / "Dravonel.Sem"), 0u);

  std::ofstream(dir.Dir() / "Voskdar.Sem") << "stale";
  common::ZQMAKESEM("Voskdar");
  EXPECT_EQ(std::filesystem::file_size(dir.Dir() / "Voskdar.Sem"), 0u);

  common::EraseMarker(common::kEditorSemaphore);
  EXPECT_FALSE(common::MarkerExists(common::kEditorSemaphore));
  common::EraseMarker(common::kEditorSemaphore);  // missing: passed over
}

TEST(MarkerFiles, UncreatableSemaphoreIsNotReported) {
  common::test::WorkDir dir;
  EXPECT_TRUE(common::ZQMAKESEM("no_such_folder\\Dravonel").IsNil());
  EXPECT_FALSE(common::MarkerExists(".\\no_such_folder\\Dravonel.Sem"));
}

}  // namespace
