#pragma once
// The programs name their files relative to the current folder (".\DEUENG.DBF"),
// so each test runs in a fresh folder of its own that it makes current, and
// returns to the previous one afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace common::test {

class WorkDir {
 public:
  WorkDir() : previous_(std::filesystem::current_path()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("vdapps_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
  }
  ~WorkDir() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(dir_, ec);
  }
  WorkDir(const WorkDir&) = delete;
  WorkDir& operator=(const WorkDir&) = delete;

  const std::filesystem::path& Dir() const noexcept { return dir_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path dir_;
};

}  // namespace common::test
