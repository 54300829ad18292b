#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "services/bits.h"
#include "services/decrypt.h"
#include "services/int32.h"
#include "services/keyboard.h"
#include "services/lchdir.h"
#include "services/oem_ansi.h"
#include "services/strtoken.h"

namespace {

using rt::Value;

// Handles, message parameters and results all read a value the same way:
// logicals as 1 and 0, numbers by the low 32 bits of their integer part.
TEST(Int32Test, OneReadingOfEveryType) {
  struct Case {
    Value v;
    std::int32_t expected;
  };
  const Case cases[] = {
      {Value(true), 1},          {Value(false), 0},          {Value(42.9), 42},
      {Value(-1.5), -1},         {Value(4294967295.0), -1},  {Value(2147483648.0), INT32_MIN},
      {Value(4294967297.0), 1},  {Value(1e20), 1661992960}, {Value(rt::Date{2451545}), 2451545},
      {Value("12"), 0},          {Value(), 0},               {Value::Array({1}), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(svc::ToInt32(c.v), c.expected) << c.v.AsNumber();
}

TEST(BitsTest, WordsBytesAndBitwise) {
  EXPECT_EQ(svc::NLOWORD(65535), -1);
  EXPECT_EQ(svc::NLOWORD(0x12345), 0x2345);
  EXPECT_EQ(svc::NHIWORD(65536), 1);
  EXPECT_EQ(svc::NHIWORD(-1), -1);
  EXPECT_EQ(svc::NHIWORD(0x7FFF0000), 0x7FFF);
  EXPECT_EQ(svc::NLOBYTE(0x1FF), 255);
  EXPECT_EQ(svc::NMAKELONG(1, 1), 65537);
  EXPECT_EQ(svc::NMAKELONG(0x1FFFF, 0xFFFF), -1);
  EXPECT_EQ(svc::NMAKELONG(0, 0x8000), INT32_MIN);
  EXPECT_EQ(svc::NAND(), -1);
  EXPECT_EQ(svc::NOR(), 0);
  EXPECT_EQ(svc::NOR(1, 2, 8), 11);
  EXPECT_EQ(svc::NAND(7, 14, 6), 6);
  EXPECT_EQ(svc::NNOT(0), -1);
  EXPECT_TRUE(svc::LAND(6, 2));
  EXPECT_FALSE(svc::LAND(4, 2));
}

TEST(StrTokenTest, Table) {
  struct Case {
    const char* text;
    int occurrence;
    const char* delimiter;
    const char* token;
  } cases[] = {
      {"  a  b", 2, " ", "b"},     {"  a  b", 1, " ", "a"},   {"  a  b", 0, " ", "a"},
      {"a,,b", 1, ",", "a"},       {"a,,b", 2, ",", ""},      {"a,,b", 3, ",", "b"},
      {"a b", 5, " ", ""},         {"", 1, " ", ""},          {",x", 1, ",", "x"},
      {",,x", 1, ",", ""},         {"eins zwei", 2, " ", "zwei"},
      {"k\xe4se\xa7wurst", 2, "\xa7", "wurst"},  // a delimiter above 127
      {"a;b", 2, ";;", "b"},       // only the first delimiter byte counts
      {"a b", 1, "", "a b"},       // empty delimiter: the zero byte
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " #" + std::to_string(c.occurrence) + " '" + c.delimiter + "'");
    EXPECT_EQ(svc::STRTOKEN(c.text, c.occurrence, c.delimiter), c.token);
  }
  EXPECT_EQ(svc::STRTOKEN("  a  b", 2), "b");  // blank by default
}

TEST(OemAnsiTest, RoundTripThroughTheGermanCodePages) {
  const std::string ansi = "Gr\xf6\xdf" "e";
  const std::string oem = svc::ANSITOOEM(ansi);
  EXPECT_EQ(oem, "Gr\x94\xe1" "e");  // code page 850
  EXPECT_EQ(svc::OEMTOANSI(oem), ansi);
  EXPECT_EQ(svc::OEMTOANSI(Value(12)), "");
  EXPECT_EQ(svc::ANSITOOEM(), "");
  EXPECT_EQ(svc::ANSITOOEM(std::string("a\0b", 3)), std::string("a\0b", 3));
  EXPECT_TRUE(svc::ISANSI("Stra\xdf" "e\xe4"));
  EXPECT_FALSE(svc::ISANSI("Stra\xdf" "e"));
}

TEST(DecryptTest, ScramblesByPositionLengthAndKey) {
  EXPECT_EQ(svc::DECRYPT("A"), "@");
  EXPECT_EQ(svc::DECRYPT(""), "");
  // Two bytes: byte 0 not rotated, byte 1 rotated right by one; both XOR 2.
  EXPECT_EQ(svc::DECRYPT(std::string("\x01\x01", 2)), std::string("\x03\x82", 2));
  // The key repeats: "ab" XOR "ab" is zero, so only the length XOR is left.
  EXPECT_EQ(svc::DECRYPT("abab", "ab"), std::string(4, '\x04'));
  const std::string bytes("\x00\x80\xff\x10\x7e\x42\x01\x02\x03", 9);
  EXPECT_EQ(svc::DECRYPT(bytes, "Schl\xfc" "ssel").size(), bytes.size());
}

TEST(KeyboardTest, ToggleFlipsTheKeyState) {
  const bool before = (GetKeyState(VK_SCROLL) & 1) != 0;
  svc::KEYTOGGLE(VK_SCROLL);
  EXPECT_EQ((GetKeyState(VK_SCROLL) & 1) != 0, !before);
  EXPECT_EQ(svc::GETKEYTOGGLE(VK_SCROLL), !before);
  svc::KEYTOGGLE(VK_SCROLL);
  EXPECT_EQ(svc::GETKEYTOGGLE(VK_SCROLL), before);
  svc::KEYTOGGLE(300);  // outside the table: nothing happens
  EXPECT_FALSE(svc::GETASYNCKEY('Q'));
}

TEST(KeyboardTest, DownIsTheHighBitToggledTheLow) {
  BYTE saved[256];
  ASSERT_TRUE(GetKeyboardState(saved));
  BYTE state[256] = {};
  state['Q'] = 0x80;
  state['W'] = 0x01;
  SetKeyboardState(state);
  EXPECT_TRUE(svc::GETKEYSTATE('Q'));
  EXPECT_FALSE(svc::GETKEYSTATE('W'));
  EXPECT_TRUE(svc::GETKEYTOGGLE('W'));
  EXPECT_FALSE(svc::GETKEYTOGGLE('E'));
  SetKeyboardState(saved);
}

TEST(LchdirTest, ChangesOrReportsFailure) {
  char before[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, before);
  CreateDirectoryA("lchdir_sub", nullptr);
  EXPECT_TRUE(svc::LCHDIR("lchdir_sub"));
  char now[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, now);
  EXPECT_NE(std::string(now).find("lchdir_sub"), std::string::npos);
  EXPECT_TRUE(svc::LCHDIR(std::string(before)));
  RemoveDirectoryA("lchdir_sub");
  EXPECT_FALSE(svc::LCHDIR("does_not_exist_here"));
  EXPECT_FALSE(svc::LCHDIR());
}

}  // namespace
