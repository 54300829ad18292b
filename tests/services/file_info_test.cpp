#include "services/file_info.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/dates.h"
#include "scratch_dir.h"

namespace {

using rt::Value;

TEST(FileInfoTest, SizeDateAndTimeOfTheFirstMatch) {
  ScratchDir dir;
  dir.Write("a.txt", "12345");
  HANDLE h = CreateFileA((dir / "a.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SYSTEMTIME local{2024, 3, 0, 5, 14, 7, 9, 0};
  FILETIME lt, ft;
  SystemTimeToFileTime(&local, &lt);
  LocalFileTimeToFileTime(&lt, &ft);
  ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &ft));
  CloseHandle(h);

  EXPECT_EQ(svc::FSIZE(dir / "a.txt"), 5);
  EXPECT_EQ(svc::FSIZE(dir / "*.txt"), 5);
  EXPECT_EQ(svc::FDATE(dir / "a.txt"), Value(rt::MakeDate(2024, 3, 5)));
  EXPECT_EQ(svc::FTIME(dir / "a.txt"), "14:07:09");
  EXPECT_EQ(svc::FSIZE(dir / "none.txt"), 0);
  EXPECT_EQ(svc::FDATE(dir / "none.txt"), Value(rt::Date{}));
  EXPECT_EQ(svc::FTIME(dir / "none.txt"), "");
}

TEST(FileInfoTest, IsDirKeepsTheCurrentDirectory) {
  ScratchDir dir;
  char before[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, before);
  EXPECT_TRUE(svc::LISDIR(dir.Path()));
  EXPECT_FALSE(svc::LISDIR(dir / "missing"));
  EXPECT_FALSE(svc::LISDIR(""));
  char after[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, after);
  EXPECT_STREQ(before, after);
}

TEST(FileInfoTest, FindFileSearchesFiveLevelsDown) {
  ScratchDir dir;
  std::string path = dir.Path() + "root";
  CreateDirectoryA(path.c_str(), nullptr);
  dir.Write("root\\Ziel.txt", "");
  std::string level = path;
  for (int depth = 1; depth <= 6; ++depth) {
    level += "\\d" + std::to_string(depth);
    CreateDirectoryA(level.c_str(), nullptr);
    dir.Write(level.substr(dir.Path().size()) + "\\ZIEL.TXT", "");
  }
  Value found = svc::AFINDFILE("ziel.txt", path);
  ASSERT_TRUE(found.IsArray());
  std::vector<std::string> names;
  for (const Value& f : found.Items()) names.push_back(f.AsString());
  std::sort(names.begin(), names.end());
  // The directory itself and the five levels below it; the sixth is too deep.
  const std::vector<std::string> want = {path + "\\d1\\d2\\d3\\d4\\d5\\ziel.txt", path + "\\d1\\d2\\d3\\d4\\ziel.txt",
                                         path + "\\d1\\d2\\d3\\ziel.txt", path + "\\d1\\d2\\ziel.txt",
                                         path + "\\d1\\ziel.txt", path + "\\ziel.txt"};
  EXPECT_EQ(names, want);

  Value more = Value::Array({"schon da"});
  svc::AFINDFILE("ziel.txt", path + "\\d1\\d2\\d3\\d4\\", more);
  EXPECT_EQ(more.Len(), 4u);  // appended to the caller's array: d4, d5, d6
}

TEST(FileInfoTest, DrivesOfTheMachine) {
  Value all = svc::ADRIVES();
  ASSERT_GE(all.Len(), 1u);
  bool hasC = false;
  for (const Value& d : all.Items()) hasC = hasC || d == Value("C:");
  EXPECT_TRUE(hasC);
  Value others = svc::ADRIVES(2);
  EXPECT_EQ(others.At(1), Value("C:"));
  const Value floppies = svc::ADRIVES(1);
  for (const Value& d : floppies.Items()) EXPECT_TRUE(d == Value("A:") || d == Value("B:"));
  EXPECT_FALSE(svc::ISCDROM("C:"));
  EXPECT_FALSE(svc::ISDISKETTE("C"));
  EXPECT_FALSE(svc::ISCDROM(""));
}

}  // namespace
