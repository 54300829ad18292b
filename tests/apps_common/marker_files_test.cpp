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

  common::ZQDROPSEM("Dravonel");
  EXPECT_FALSE(common::MarkerExists(common::kEditorSemaphore));
  common::EraseMarker(common::kEditorSemaphore);  // missing: passed over
  common::ZQDROPSEM("Voskdar");
}

#ifdef _WIN32
// Another program erases only the semaphore of a program that has gone.
TEST(MarkerFiles, ALiveSemaphoreCannotBeErased) {
  common::test::WorkDir dir;
  common::ZQMAKESEM("Voskdar");
  common::EraseMarker(common::kSearchSemaphore);
  EXPECT_TRUE(common::MarkerExists(common::kSearchSemaphore));
  common::ZQDROPSEM("Voskdar");
  EXPECT_FALSE(common::MarkerExists(common::kSearchSemaphore));
}
#endif

TEST(MarkerFiles, UncreatableSemaphoreIsNotReported) {
  common::test::WorkDir dir;
  EXPECT_TRUE(common::ZQMAKESEM("no_such_folder\\Dravonel").IsNil());
  EXPECT_FALSE(common::MarkerExists(".\\no_such_folder\\Dravonel.Sem"));
}

}  // namespace
