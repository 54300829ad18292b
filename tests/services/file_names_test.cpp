#include "services/file_names.h"

#include <gtest/gtest.h>

#include <functional>

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

TEST(FileNamesTest, TempFileIsTheTimeOfDay) {
  std::string t = svc::CTEMPFILE();
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t.find_first_not_of("0123456789"), std::string::npos);
  EXPECT_LT(std::stoi(t.substr(0, 2)), 24);
  EXPECT_LT(std::stoi(t.substr(2, 2)), 60);
}

}  // namespace
