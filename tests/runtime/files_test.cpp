// File functions, directory listings, the environment and the command line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "runtime/env.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "tests/runtime/scratch_dir.h"

namespace rt {
namespace {

namespace fs = std::filesystem;

class FilesTest : public testing::Test {
 protected:
  std::string In(const std::string& name) const { return scratch_.In(name); }
  std::string Bytes(const std::string& name) const {
    std::ifstream in(scratch_.Dir() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  test::ScratchDir scratch_;
};

TEST_F(FilesTest, CreateWriteReadSeek) {
  long h = FCREATE(In("Test.TXT"));
  ASSERT_GE(h, 0);
  EXPECT_EQ(FERROR(), 0);
  EXPECT_EQ(FWRITE(h, "hello world", 5), 5);
  EXPECT_TRUE(FCLOSE(h));
  EXPECT_EQ(Bytes("Test.TXT"), "hello");

  h = FOPEN(In("test.txt"));  // names match without regard to case
  ASSERT_GE(h, 0);
  std::string buffer(10, ' ');
  EXPECT_EQ(FREAD(h, buffer, 10), 5);
  EXPECT_EQ(buffer, "hello     ");
  std::string small(2, ' ');
  EXPECT_EQ(FSEEK(h, 1), 1);
  EXPECT_EQ(FREAD(h, small, 10), 2);  // no more than the buffer holds
  EXPECT_EQ(small, "el");
  EXPECT_EQ(FSEEK(h, 0, FS_END), 5);
  EXPECT_EQ(FSEEK(h, -2, FS_RELATIVE), 3);
  EXPECT_EQ(FREADSTR(h, 10), "lo");
  EXPECT_TRUE(FCLOSE(h));
}

TEST_F(FilesTest, FailedOpensGiveMinusOneAndAnErrorCode) {
  EXPECT_EQ(FOPEN(In("missing.txt")), -1);
  EXPECT_EQ(FERROR(), 2);
  EXPECT_EQ(FOPEN(In("nodir\\missing.txt")), -1);
  EXPECT_EQ(FERROR(), 3);
  EXPECT_EQ(FCREATE(In("nodir\\new.txt")), -1);
  EXPECT_EQ(FERROR(), 3);
}

TEST_F(FilesTest, ShareModes) {
  long h = FCREATE(In("shared.dbf"));
  ASSERT_GE(h, 0);
  FCLOSE(h);
  long exclusive = FOPEN(In("shared.dbf"), FO_READWRITE | FO_EXCLUSIVE);
  ASSERT_GE(exclusive, 0);
  EXPECT_EQ(FOPEN(In("shared.dbf"), FO_READ | FO_SHARED), -1);
  EXPECT_EQ(FERROR(), 32);
  EXPECT_EQ(FCREATE(In("shared.dbf")), -1);
  EXPECT_EQ(FERROR(), 32);
  FCLOSE(exclusive);
  long a = FOPEN(In("shared.dbf"), FO_READ | FO_SHARED);
  long b = FOPEN(In("shared.dbf"), FO_READWRITE | FO_DENYNONE);
  EXPECT_GE(a, 0);
  EXPECT_GE(b, 0);
  EXPECT_EQ(FOPEN(In("shared.dbf"), FO_READ | FO_EXCLUSIVE), -1);
  FCLOSE(a);
  FCLOSE(b);
}

TEST_F(FilesTest, FileFindsNamesWithWildcardsAndWithoutCase) {
  FCLOSE(FCREATE(In("Dravonel.sem")));
  fs::create_directory(scratch_.Dir() / "sub.dir");
  EXPECT_TRUE(FileExists(In("DRAVONEL.SEM")));
  EXPECT_TRUE(FileExists(In("*.sem")));
  EXPECT_TRUE(FileExists(In("drav?nel.*")));
  EXPECT_TRUE(FileExists(In("*.*")));
  EXPECT_FALSE(FileExists(In("Voskdar.Sem")));
  EXPECT_FALSE(FileExists(In("sub.dir")));  // a directory is no file
  EXPECT_FALSE(FileExists(In("nodir\\*.*")));
  EXPECT_TRUE(WildMatch("*.*", "README"));
  EXPECT_TRUE(WildMatch("DEU*1.NTX", "deueng1.ntx"));
  EXPECT_FALSE(WildMatch("DEU*1.NTX", "deueng2.ntx"));
  EXPECT_TRUE(WildMatch("a*b*c", "aXbYbc"));
  EXPECT_FALSE(WildMatch("?", ""));
}

TEST_F(FilesTest, EraseAndRename) {
  FCLOSE(FCREATE(In("a.txt")));
  FCLOSE(FCREATE(In("b.txt")));
  EXPECT_EQ(FRENAME(In("a.txt"), In("b.txt")), -1);  // an existing target stays
  EXPECT_EQ(FRENAME(In("A.TXT"), In("c.txt")), 0);
  EXPECT_FALSE(FileExists(In("a.txt")));
  EXPECT_TRUE(FileExists(In("c.txt")));
  EXPECT_EQ(FERASE(In("C.txt")), 0);
  EXPECT_FALSE(FileExists(In("c.txt")));
  EXPECT_EQ(FERASE(In("c.txt")), -1);
  EXPECT_EQ(FERROR(), 2);
}

TEST_F(FilesTest, MemoReadAndWrite) {
  EXPECT_TRUE(MEMOWRIT(In("memo.txt"), "Zeile 1\r\nZeile 2"));
  EXPECT_EQ(Bytes("memo.txt"), "Zeile 1\r\nZeile 2\x1A");
  EXPECT_EQ(MEMOREAD(In("memo.txt")), "Zeile 1\r\nZeile 2");
  EXPECT_TRUE(MEMOWRIT(In("raw.txt"), "x", false));
  EXPECT_EQ(Bytes("raw.txt"), "x");
  EXPECT_EQ(MEMOREAD(In("missing.txt")), "");
  EXPECT_EQ(FERROR(), 2);
  std::string big(200000, 'z');
  EXPECT_TRUE(MEMOWRIT(In("big.txt"), big));
  EXPECT_EQ(MEMOREAD(In("big.txt")), big);
  EXPECT_FALSE(MEMOWRIT(In("nodir\\x.txt"), "x"));
}

TEST_F(FilesTest, CopyFile) {
  std::string data(100000, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
  ASSERT_TRUE(MEMOWRIT(In("VOSKDAR.INI"), data, false));
  EXPECT_TRUE(FileCopy(In("voskdar.ini"), In("VOSKDAR.SAV")));
  EXPECT_EQ(Bytes("VOSKDAR.SAV"), data);

  std::vector<int> codes;
  ErrorBlockScope block(Value::Block([&](Args a) {
    codes.push_back(a[0].As<Error>()->genCode);
    return Value(false);  // default: give up
  }));
  EXPECT_FALSE(FileCopy(In("missing.ini"), In("x.sav")));
  EXPECT_FALSE(FileCopy(In("VOSKDAR.INI"), In("nodir\\x.sav")));
  EXPECT_EQ(codes, (std::vector<int>{EG_OPEN, EG_CREATE}));
}

TEST_F(FilesTest, DirectoryListsMatchingEntries) {
  ASSERT_TRUE(MEMOWRIT(In("one.ntx"), "12345", false));
  ASSERT_TRUE(MEMOWRIT(In("two.NTX"), "", false));
  ASSERT_TRUE(MEMOWRIT(In("three.dbf"), "abc", false));
  fs::create_directory(scratch_.Dir() / "sub");
  Value list = DIRECTORY(In("*.ntx"));
  ASSERT_EQ(list.Len(), 2u);
  std::map<std::string, Value> byName;
  for (const Value& e : list.Items()) byName[e.At(1).AsString()] = e;
  ASSERT_EQ(byName.count("one.ntx"), 1u);
  const Value& one = byName["one.ntx"];
  EXPECT_EQ(one.At(2).AsNumber(), 5);
  EXPECT_TRUE(one.At(3).IsDate());
  EXPECT_EQ(one.At(4).AsString().size(), 8u);
  EXPECT_EQ(one.At(5).AsString().find('D'), std::string::npos);
  EXPECT_EQ(DIRECTORY(In("")).Len(), 3u);
  EXPECT_EQ(DIRECTORY(In(""), "D").Len(), 4u);
  EXPECT_EQ(DIRECTORY(In("nothing.*")).Len(), 0u);
}

TEST(Environment, Variables) {
  const char* path = std::getenv("PATH");
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(GETENV("PATH"), path);
  EXPECT_EQ(GETENV("VD_SURELY_NOT_SET_ANYWHERE"), "");
}

TEST(Environment, CurrentDirectoryWithoutDriveAndSeparators) {
  std::string expected = fs::current_path().string();
  if (expected.size() >= 2 && expected[1] == ':') expected.erase(0, 2);
  for (char& c : expected)
    if (c == '/') c = '\\';
  while (!expected.empty() && expected.front() == '\\') expected.erase(0, 1);
  while (!expected.empty() && expected.back() == '\\') expected.pop_back();
  EXPECT_EQ(CURDIR(), expected);
#ifdef _WIN32
  EXPECT_EQ(CURDRIVE().size(), 1u);
  EXPECT_EQ(CURDRIVE(CURDRIVE()), CURDRIVE());
#else
  EXPECT_EQ(CURDRIVE(), "");
#endif
}

TEST(CommandLine, SplitsAtBlanksWithQuotesGrouping) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitCommandLine("voskdar.exe Haus"), (V{"voskdar.exe", "Haus"}));
  EXPECT_EQ(SplitCommandLine("  prog  a \"b c\"\td  "), (V{"prog", "a", "b c", "d"}));
  EXPECT_EQ(SplitCommandLine("prog x\"y z\"w"), (V{"prog", "xy zw"}));
  EXPECT_EQ(SplitCommandLine("prog \"\" x"), (V{"prog", "", "x"}));
  EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\Voskdar.exe\" @"), (V{"C:\\Program Files\\Voskdar.exe", "@"}));
  EXPECT_EQ(SplitCommandLine(""), V{});
  std::string many = "prog";
  for (int i = 0; i < 100; ++i) many += " a" + std::to_string(i);
  V args = SplitCommandLine(many);
  ASSERT_EQ(args.size(), kMaxArgs);
  EXPECT_EQ(args.back(), "a62");
}

TEST(CommandLine, ProgramArguments) {
  SetCommandLine("voskdar.exe \"Haus und Hof\" extra");
  EXPECT_EQ(HB_ARGC(), 2);
  EXPECT_EQ(HB_ARGV(0), "voskdar.exe");
  EXPECT_EQ(HB_ARGV(1), "Haus und Hof");
  EXPECT_EQ(HB_ARGV(3), "");
  const char* argv[] = {"prog", "one"};
  SetArgs(2, argv);
  EXPECT_EQ(HB_ARGC(), 1);
  EXPECT_EQ(HB_ARGV(1), "one");
}

}  // namespace
}  // namespace rt
