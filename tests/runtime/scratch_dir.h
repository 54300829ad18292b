#pragma once
// A fresh folder per test below the system's temporary folder, removed again
// at the end, so that no test leaves files where it was started. The name
// comes from the running test and the folder the test program was started
// in: a death test's child, which runs the test again from its start, lands
// in the same folder as its parent, and test programs of other build trees
// running at the same time on the same machine never share a folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace rt::test {

class ScratchDir {
 public:
  ScratchDir() {
    const auto* unit = ::testing::UnitTest::GetInstance();
    const auto* info = unit->current_test_info();
    const std::size_t tree = std::hash<std::string>{}(unit->original_working_dir());
    dir_ = std::filesystem::temp_directory_path() / (std::string("vdrt_") + std::to_string(tree % 1000000007) + "_" +
                                                     info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Dir() const noexcept { return dir_; }
  // A file in the folder, named as the programs name their files: with "\".
  std::string In(const std::string& name) const { return dir_.string() + "\\" + name; }

 private:
  std::filesystem::path dir_;
};

}  // namespace rt::test
