#pragma once
// A fresh folder per test below the system's temporary folder, removed again
// at the end, so that no test leaves files where it was started. The name
// comes from the running test and the run: a death test's child, which runs
// the test again from its start, lands in the same folder as its parent,
// while two runs at once (two checkouts, two builds) keep apart.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#endif

namespace rt::test {

// The id of the run: the process id of the first test process, handed to
// death-test children through the environment.
inline std::string RunId() {
  constexpr const char* kName = "VDRT_SCRATCH_RUN";
  if (const char* id = std::getenv(kName)) return id;
#if defined(_WIN32)
  const std::string id = std::to_string(_getpid());
  _putenv_s(kName, id.c_str());
#else
  const std::string id = std::to_string(getpid());
  setenv(kName, id.c_str(), 1);
#endif
  return id;
}

class ScratchDir {
 public:
  ScratchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("vdrt_" + RunId() + "_" + info->test_suite_name() + "_" + info->name());
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
