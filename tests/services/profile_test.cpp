#include "services/profile.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

using rt::Value;

// A settings file in a scratch folder; the system's cache of it is flushed
// before the folder goes.
class ProfileTest : public ::testing::Test {
 protected:
  void TearDown() override { WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str()); }
  ScratchDir dir;
  std::string file = dir / "profile_test.ini";
};

TEST_F(ProfileTest, ReadsWritesAndDefaults) {
  EXPECT_EQ(svc::GETPVPROFSTRING("Main", "Missing", "dflt", file), "dflt");
  EXPECT_EQ(svc::GETPVPROFSTRING("Main", "Missing", Value(), file), "");
  EXPECT_TRUE(svc::WRITEPPROSTRING("Main", "Empty", "", file));
  EXPECT_EQ(svc::GETPVPROFSTRING("Main", "Empty", "dflt", file), "");
  EXPECT_TRUE(svc::WRITEPPROSTRING("Main", "Word", "Gr\xf6\xdf" "e", file));
  EXPECT_EQ(svc::GETPVPROFSTRING("MAIN", "word", "", file), "Gr\xf6\xdf" "e");

  EXPECT_TRUE(svc::WRITEPPROSTRING("Main", "Count", "12abc", file));
  EXPECT_EQ(svc::GETPVPROFINT("Main", "Count", 5, file), 12);
  EXPECT_EQ(svc::GETPVPROFINT("Main", "Nothing", 5, file), 5);
  EXPECT_EQ(svc::GETPVPROFINT("Main", "Nothing", Value(), file), 0);
}

TEST_F(ProfileTest, ValuesAreCutAt1023Characters) {
  std::string longValue(1500, 'x');
  longValue[1022] = 'y';
  ASSERT_TRUE(svc::WRITEPPROSTRING("Main", "Long", longValue, file));
  EXPECT_EQ(svc::GETPVPROFSTRING("Main", "Long", "", file), longValue.substr(0, 1023));
}

TEST_F(ProfileTest, NullEntryListsTheKeys) {
  svc::WRITEPPROSTRING("Keys", "one", "1", file);
  svc::WRITEPPROSTRING("Keys", "two", "2", file);
  EXPECT_EQ(svc::GETPVPROFSTRING("Keys", Value(), "", file), std::string("one\0two\0", 8));
  EXPECT_EQ(svc::GETPVPROFSTRING("Nowhere", Value(), "", file), "");
}

TEST_F(ProfileTest, NonTextArgumentsDelete) {
  svc::WRITEPPROSTRING("A", "k1", "1", file);
  svc::WRITEPPROSTRING("A", "k2", "2", file);
  svc::WRITEPPROSTRING("B", "k", "3", file);

  EXPECT_TRUE(svc::WRITEPPROSTRING("A", "k1", 17, file));  // a number deletes the key
  EXPECT_EQ(svc::GETPVPROFSTRING("A", "k1", "gone", file), "gone");
  EXPECT_EQ(svc::GETPVPROFSTRING("A", "k2", "", file), "2");

  EXPECT_TRUE(svc::WRITEPPROSTRING("A", Value(), "x", file));  // no entry: the section goes
  EXPECT_EQ(svc::GETPVPROFSTRING("A", "k2", "gone", file), "gone");

  svc::WRITEPPROSTRING("C", "a", "1", file);
  svc::WRITEPPROSTRING("C", "b", "2", file);
  EXPECT_TRUE(svc::DELINIENTRY("C", "a", file));
  EXPECT_EQ(svc::GETPVPROFSTRING("C", Value(), "", file), std::string("b\0", 2));
  EXPECT_TRUE(svc::DELINISECTION("C", file));
  EXPECT_EQ(svc::GETPVPROFSTRING("C", "b", "gone", file), "gone");
  EXPECT_EQ(svc::GETPVPROFSTRING("B", "k", "", file), "3");
}

TEST(SystemProfileTest, ReadsAndWritesTheSystemProfile) {
  ASSERT_TRUE(svc::WRITEPROFSTRING("VdServicesTest", "Key", "Wert"));
  EXPECT_EQ(svc::GETPROFSTRING("VdServicesTest", "Key", ""), "Wert");
  ASSERT_TRUE(svc::WRITEPROFSTRING("VdServicesTest", "Num", "42"));
  EXPECT_EQ(svc::GETPROFINT("VdServicesTest", "Num", 0), 42);
  EXPECT_TRUE(svc::WRITEPROFSTRING("VdServicesTest"));
  EXPECT_EQ(svc::GETPROFSTRING("VdServicesTest", "Key", "gone"), "gone");
}

}  // namespace
