#include "services/file_names.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "scratch_dir.h"

namespace {

TEST(FileNamesTest, PiecesOfAPath) {
  struct Case {
    const char* fn;
    std::function<std::string(std::string_view)> f;
    const char* path;
    const char* want;
  };
  const Case cases[] = {
      {"CFILEDISC", svc::CFILEDISC, "c:\\dir\\name.ext", "C:"},
      {"CFILEDISC", svc::CFILEDISC, "\\dir\\name.ext", ""},
      {"CFILEPATH", svc::CFILEPATH, "c:\\dir\\sub\\name.ext", "C:\\DIR\\SUB\\"},
      {"CFILEPATH", svc::CFILEPATH, "c:name.ext", "C:\\"},
      {"CFILEPATH", svc::CFILEPATH, "name.ext", "\\"},
      {"CFILENOPATH", svc::CFILENOPATH, "c:\\dir\\Name.Ext", "NAME.EXT"},
      {"CFILENAME", svc::CFILENAME, "c:Name.ext", "NAME.EXT"},
      {"CFILEMASK", svc::CFILEMASK, "c:\\dir\\*.dbf", "*.dbf"},
      {"CFILEMASK", svc::CFILEMASK, "c:\\dir\\deu?.ntx", "deu?.ntx"},
      {"CFILEMASK", svc::CFILEMASK, "c:\\dir\\name.dbf", ""},
      {"CFILENOEXT", svc::CFILENOEXT, "c:\\dir.x\\name.tar.gz", "name"},
      {"CFILEEXT", svc::CFILEEXT, "c:\\dir\\name.tar.gz ", "gz"},
      {"CFILEEXT", svc::CFILEEXT, "c:\\dir.x\\name", ""},
      {"CFILESUBDIR", svc::CFILESUBDIR, "c:\\a\\b\\", "C:\\A\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.f(c.path), c.want) << c.fn << "(" << c.path << ")";
}

TEST(FileNamesTest, NewFileNameSkipsTakenNumbers) {
  ScratchDir dir;
  std::string root = dir / "LOG";
  EXPECT_EQ(svc::CNEWFILENAME(root, "TXT"), root + "1.TXT");
  dir.Write("LOG1.TXT", "");
  dir.Write("LOG02.TXT", "");
  EXPECT_EQ(svc::CNEWFILENAME(root, "TXT"), root + "03.TXT");
}

// The name is the local time as hhmmss, taken between two readings of it
// (a reading across midnight is taken again).
TEST(FileNamesTest, TempFileIsTheTimeOfDay) {
  auto secondOfDay = [] {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
  };
  int before = 0, after = 0;
  std::string name;
  do {
    before = secondOfDay();
    name = svc::CTEMPFILE();
    after = secondOfDay();
  } while (after < before);
  ASSERT_EQ(name.size(), 6u);
  ASSERT_EQ(name.find_first_not_of("0123456789"), std::string::npos) << name;
  const int named = std::stoi(name.substr(0, 2)) * 3600 + std::stoi(name.substr(2, 2)) * 60 + std::stoi(name.substr(4, 2));
  EXPECT_GE(named, before) << name;
  EXPECT_LE(named, after) << name;
}

}  // namespace
