// Text functions and memo lines, with exact results.
#include <gtest/gtest.h>

#include "runtime/error.h"
#include "runtime/memolines.h"
#include "runtime/strings.h"

namespace rt {
namespace {

TEST(Strings, Substr) {
  EXPECT_EQ(SUBSTR("Hello", 2, 3), "ell");
  EXPECT_EQ(SUBSTR("Hello", 2), "ello");
  EXPECT_EQ(SUBSTR("Hello", 0, 2), "He");
  EXPECT_EQ(SUBSTR("Hello", -3), "llo");
  EXPECT_EQ(SUBSTR("Hello", -3, 2), "ll");
  EXPECT_EQ(SUBSTR("Hello", -9, 2), "He");
  EXPECT_EQ(SUBSTR("Hello", 9), "");
  EXPECT_EQ(SUBSTR("Hello", 2, -1), "");
  EXPECT_EQ(SUBSTR("Hello", 4, 100), "lo");
  EXPECT_EQ(LEFT("Hello", 2), "He");
  EXPECT_EQ(LEFT("Hello", -1), "");
  EXPECT_EQ(LEFT("Hi", 5), "Hi");
  EXPECT_EQ(RIGHT("Hello", 3), "llo");
  EXPECT_EQ(RIGHT("Hi", 5), "Hi");
  EXPECT_EQ(RIGHT("Hi", -2), "");
}

TEST(Strings, SearchAndReplace) {
  EXPECT_EQ(AT("l", "Hello"), 3u);
  EXPECT_EQ(RAT("l", "Hello"), 4u);
  EXPECT_EQ(AT("", "Hello"), 0u);
  EXPECT_EQ(AT("z", "Hello"), 0u);
  EXPECT_EQ(STRTRAN("a.b.c", "."), "abc");
  EXPECT_EQ(STRTRAN("a.b.c", ".", "-", 2), "a.b-c");
  EXPECT_EQ(STRTRAN("aaaa", "a", "b", 2, 2), "abba");
  EXPECT_EQ(STRTRAN("abc", "", "x"), "abc");
  EXPECT_EQ(STRTRAN("abab", "ab", "abab"), "abababab");
  EXPECT_EQ(STUFF("Hello", 2, 3, "ipp"), "Hippo");
  EXPECT_EQ(STUFF("abc", 4, 0, "d"), "abcd");
  EXPECT_EQ(STUFF("abc", 2, 10, ""), "a");
  EXPECT_EQ(STUFF("abc", 0, 1, "X"), "Xbc");
}

TEST(Strings, PaddingAndTrimming) {
  EXPECT_EQ(PADR("ab", 4), "ab  ");
  EXPECT_EQ(PADL("ab", 4, '*'), "**ab");
  EXPECT_EQ(PADC("ab", 5), " ab  ");
  EXPECT_EQ(PADR("abcdef", 3), "abc");
  EXPECT_EQ(PADL("abcdef", 3), "abc");
  EXPECT_EQ(PADC("abcdef", 3), "abc");
  EXPECT_EQ(PADR("x", -1), "");
  EXPECT_EQ(PadText(Value(42)), "42");
  EXPECT_EQ(PadText(Value(Date{})), "  /  /  ");
  EXPECT_EQ(ALLTRIM("  a b  "), "a b");
  EXPECT_EQ(LTRIM("\t\r\n x "), "x ");
  EXPECT_EQ(RTRIM(" x\t "), " x\t");
  EXPECT_EQ(TRIM("x  "), "x");
  EXPECT_EQ(ALLTRIM("   "), "");
  EXPECT_EQ(TrimBlanks("\t a b \r\n  "), "\t a b \r\n");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(SPACE(3), "   ");
  EXPECT_EQ(SPACE(-1), "");
  EXPECT_EQ(REPLICATE("ab", 3), "ababab");
  EXPECT_EQ(REPLICATE("x", 0), "");
}

TEST(Strings, CaseChangesOnlyTheLettersAToZ) {
  // Windows-1252: a-umlaut, o-umlaut, u-umlaut, e-acute and their capitals.
  EXPECT_EQ(UPPER("\xE4\xF6\xFC\xE9 abc"), "\xE4\xF6\xFC\xE9 ABC");
  EXPECT_EQ(UPPER("\xE4\xF6\xFC\xE9"), "\xE4\xF6\xFC\xE9");
  EXPECT_EQ(LOWER("\xC4\xD6\xDC\xC9 ABC"), "\xC4\xD6\xDC\xC9 abc");
  EXPECT_EQ(UPPER("stra\xDF" "e"), "STRA\xDF" "E");
}

TEST(Strings, CharacterTests) {
  EXPECT_TRUE(ISALPHA("a1"));
  EXPECT_FALSE(ISALPHA("1a"));
  EXPECT_FALSE(ISALPHA("\xE4"));
  EXPECT_FALSE(ISALPHA(""));
  EXPECT_TRUE(ISDIGIT("9x"));
  EXPECT_TRUE(ISUPPER("Ab"));
  EXPECT_FALSE(ISLOWER("Ab"));
  EXPECT_TRUE(ISLOWER("ab"));
  EXPECT_EQ(CHR(65), "A");
  EXPECT_EQ(CHR(256 + 66), "B");
  EXPECT_EQ(CHR(-1), "\xFF");
  EXPECT_EQ(CHR(0), std::string(1, '\0'));
  EXPECT_EQ(ASC("A"), 65);
  EXPECT_EQ(ASC(""), 0);
  EXPECT_EQ(ASC("\xE4"), 228);
}

TEST(Strings, OverlongResultsRaiseStringOverflow) {
  int raised = 0;
  ErrorBlockScope block(Value::Block([&](Args a) {
    EXPECT_EQ(a[0].As<Error>()->genCode, EG_STROVERFLOW);
    ++raised;
    return Value(false);
  }));
  EXPECT_EQ(SPACE(static_cast<long>(kMaxStringLength) + 1), "");
  EXPECT_EQ(REPLICATE("abc", 1L << 30), "");
  EXPECT_EQ(raised, 2);
}

const char* const kFox = "Der schnelle braune Fuchs springt";

struct MemoCase {
  const char* text;
  long lineLen;
  long tab;
  bool wrap;
  std::vector<std::string> lines;
};

class MemoLineCases : public testing::TestWithParam<MemoCase> {};

TEST_P(MemoLineCases, CountAndLines) {
  const MemoCase& c = GetParam();
  ASSERT_EQ(MLCOUNT(c.text, c.lineLen, c.tab, c.wrap), static_cast<long>(c.lines.size()));
  for (std::size_t i = 0; i < c.lines.size(); ++i)
    EXPECT_EQ(MEMOLINE(c.text, c.lineLen, static_cast<long>(i) + 1, c.tab, c.wrap), c.lines[i]) << "line " << i + 1;
  EXPECT_EQ(MEMOLINE(c.text, c.lineLen, static_cast<long>(c.lines.size()) + 1, c.tab, c.wrap), "");
}

// The reader that a loop over a memo uses gives the same lines forwards,
// when a line is skipped or asked for again, and after going back.
TEST_P(MemoLineCases, ReaderGivesTheSameLinesInAnyOrder) {
  const MemoCase& c = GetParam();
  const long count = static_cast<long>(c.lines.size());
  MemoLines reader(c.text, c.lineLen, c.tab, c.wrap);
  for (long n : {1L, 1L, 3L, 2L, count, count + 1, 1L, count}) {
    const long line = std::max(n, 1L);  // line 0 reads as line 1
    EXPECT_EQ(reader.Line(n), line <= count ? c.lines[static_cast<std::size_t>(line - 1)] : "") << "line " << n;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoLineCases,
    testing::Values(
        MemoCase{kFox, 10, 4, true, {"Der       ", "schnelle  ", "braune    ", "Fuchs     ", "springt   "}},
        MemoCase{kFox, 10, 4, false, {"Der schnel", "le braune ", "Fuchs spri", "ngt       "}},
        MemoCase{"ab\r\ncd\x8D\nef", 5, 4, true, {"ab   ", "cd   ", "ef   "}},
        MemoCase{"ab\r\n", 5, 4, true, {"ab   "}},
        MemoCase{"\r\n\r\n", 3, 4, true, {"   ", "   "}},
        MemoCase{"", 5, 4, true, {}},
        MemoCase{"abcdefghijkl", 5, 4, true, {"abcde", "fghij", "kl   "}},
        MemoCase{"abcde fgh", 5, 4, true, {"abcde", "fgh  "}},
        MemoCase{"abcde\r\nx", 5, 4, true, {"abcde", "x    "}},
        MemoCase{"a\tb", 10, 4, true, {"a   b     "}},
        MemoCase{"a\tb", 10, 0, true, {"a b       "}},  // a tab size of 0 counts as 1
        MemoCase{"a\tb\tc", 6, 0, true, {"a b c "}},
        MemoCase{"one\ntwo", 4, 4, true, {"one ", "two "}}));

TEST(MemoLines, HardCrTurnsSoftReturnsIntoHardOnes) {
  EXPECT_EQ(HARDCR("a\x8D\nb\r\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(HARDCR("\x8D"), "\x8D");
}

}  // namespace
}  // namespace rt
