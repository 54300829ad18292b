#include "services/xpad.h"

#include <gtest/gtest.h>

namespace {

// Five pixels a character, except the control character 1, which has no
// width at all.
int FiveEach(std::string_view text) {
  int w = 0;
  for (char c : text) w += c == '\x01' ? 0 : 5;
  return w;
}

TEST(XPad, PadsToAtLeastTheWidth) {
  const struct {
    const char* text;
    int pixels;
    const char* pad;
    const char* right;
    const char* left;
  } cases[] = {
      {"ab", 22, nullptr, "ab   ", "   ab"},
      {"ab", 20, "*", "ab**", "**ab"},
      {"abcdef", 10, nullptr, "abcdef", "abcdef"},  // wide enough already
      {"", 0, nullptr, "", ""},
  };
  for (const auto& c : cases) {
    const rt::Value pad = c.pad ? rt::Value(c.pad) : rt::Value();
    EXPECT_EQ(svc::XPADR(c.text, c.pixels, pad, FiveEach), c.right) << c.text << " " << c.pixels;
    EXPECT_EQ(svc::XPADL(c.text, c.pixels, pad, FiveEach), c.left) << c.text << " " << c.pixels;
  }
}

TEST(XPad, PadOfNoWidthEndsThePadding) {
  EXPECT_EQ(svc::XPADR("ab", 100, "\x01", FiveEach), "ab");
  EXPECT_EQ(svc::XPADL("ab", 100, "\x01", FiveEach), "ab");
  EXPECT_EQ(svc::XPADC("ab", 100, "\x01", FiveEach), "ab");
}

TEST(XPad, CentresTheTrimmedText) {
  EXPECT_EQ(svc::XPADC("ab", 30, "*", FiveEach), "**ab**");
  EXPECT_EQ(svc::XPADC(" ab ", 30, "*", FiveEach), "**ab**");
  EXPECT_EQ(svc::XPADC(rt::Value(12), 30, "-", FiveEach), "------");
  EXPECT_EQ(svc::XPADC("abcdef", 10, "*", FiveEach), "ab");  // cut to what fits
}

TEST(XPad, MeasuresOnTheScreen) {
  const std::string padded = svc::XPADR("Wort", 100);
  ASSERT_GT(padded.size(), 4u);
  EXPECT_EQ(padded.substr(0, 4), "Wort");
  EXPECT_GE(svc::ScreenTextWidth(padded), 100);
  EXPECT_LT(svc::ScreenTextWidth(padded.substr(0, padded.size() - 1)), 100);
  EXPECT_EQ(svc::XPADR(padded, 100), padded);
}

}  // namespace
