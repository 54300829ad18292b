#pragma once
// A folder of its own for each test of the real editor: the program copied
// into it and made the current directory, all of it removed afterwards.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "apps/common/transchr.h"
#include "runtime/table_fns.h"
#include "tests/apps/program_driver.h"

class EditorFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    common::RegisterWordFunctions();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("dravonel_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    exe_ = dir_ / "Dravonel.exe";
    ASSERT_TRUE(CopyFileA(apps_test::WindowsPath(VD_DRAVONEL_EXE).c_str(), exe_.string().c_str(), FALSE));
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    rt::DBCLOSEALL();
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(dir_, ec);
  }

  std::filesystem::path dir_, previous_, exe_;
};
