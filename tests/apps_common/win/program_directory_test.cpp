// The program's own directory made current whatever its form.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "apps/common/program_directory.h"

namespace {

std::wstring CurrentDirectory() {
  std::vector<wchar_t> buffer(40000);
  const DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
  return std::wstring(buffer.data(), n);
}

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// Returns to the directory the test started in.
struct KeepCurrent {
  std::wstring before = CurrentDirectory();
  ~KeepCurrent() { SetCurrentDirectoryW((L"\\\\?\\" + before).c_str()) || SetCurrentDirectoryW(before.c_str()); }
};

TEST(ProgramDirectory, DirectoryOfEveryFormOfName) {
  const std::string longDir = "C:\\" + std::string(296, 'x') + "\\";
  const struct {
    std::string file, dir;
  } cases[] = {
      {"C:\\Programme\\ZQS\\Dravonel.exe", "C:\\Programme\\ZQS\\"},
      {"\\\\server\\woerter\\zqs\\Dravonel.exe", "\\\\server\\woerter\\zqs\\"},
      {longDir + "Dravonel.exe", longDir},
      {"Dravonel.exe", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(common::DirectoryOf(c.file), c.dir) << c.file;
  EXPECT_EQ(longDir.size(), 300u);
}

TEST(ProgramDirectory, MakesExactlyThatDirectoryCurrent) {
  KeepCurrent keep;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string base = std::string(temp) + "vd_progdir\\";
  CreateDirectoryA(base.c_str(), nullptr);
  ASSERT_TRUE(common::MakeCurrentDirectory(base));
  EXPECT_EQ(CurrentDirectory() + L"\\", Wide(base));

  // A directory of 300 characters, made piece by piece.
  std::string longDir = base;
  while (longDir.size() < 300) {
    longDir += std::string(std::min<std::size_t>(60, 300 - longDir.size()), 'w');
    if (longDir.size() < 300) longDir += "\\";
    CreateDirectoryW((L"\\\\?\\" + Wide(longDir)).c_str(), nullptr);
  }
  ASSERT_EQ(longDir.size(), 300u);
  ASSERT_TRUE(common::MakeCurrentDirectory(longDir + "\\"));
  EXPECT_EQ(CurrentDirectory(), Wide(longDir));

  // A share that does not exist: refused, and nothing changes.
  const std::wstring before = CurrentDirectory();
  EXPECT_FALSE(common::MakeCurrentDirectory("\\\\keinserver\\keinefreigabe\\zqs\\"));
  EXPECT_FALSE(common::MakeCurrentDirectory(""));
  EXPECT_EQ(CurrentDirectory(), before);
}

TEST(ProgramDirectory, TheRunningProgramsDirectory) {
  KeepCurrent keep;
  const std::string file = common::ProgramFileName();
  EXPECT_NE(file.find("apps_win_tests.exe"), std::string::npos) << file;
  std::string dir;
  ASSERT_TRUE(common::EnterProgramDirectory(dir));
  EXPECT_EQ(dir, common::DirectoryOf(file));
  EXPECT_EQ(CurrentDirectory() + L"\\", Wide(dir));
}

}  // namespace
