// Code pages 850 and 1252 and the language tables.
#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "runtime/codepage.h"
#include "runtime/error.h"
#include "runtime/lang.h"

namespace rt {
namespace {

TEST(CodePage, EveryByteSurvivesARoundTrip) {
  std::set<int> images850, images1252;
  for (int b = 0; b < 256; ++b) {
    const auto c = static_cast<unsigned char>(b);
    EXPECT_EQ(Cp850To1252(Cp1252To850(c)), c) << "1252 byte " << b;
    EXPECT_EQ(Cp1252To850(Cp850To1252(c)), c) << "850 byte " << b;
    images850.insert(Cp1252To850(c));
    images1252.insert(Cp850To1252(c));
  }
  EXPECT_EQ(images850.size(), 256u);
  EXPECT_EQ(images1252.size(), 256u);
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Cp850To1252(Cp1252To850(all)), all);
  EXPECT_EQ(Cp1252To850(Cp850To1252(all)), all);
}

TEST(CodePage, SharedCharactersKeepTheirMeaning) {
  int shared = 0;
  for (int b = 0x80; b < 256; ++b) {
    const auto c = static_cast<unsigned char>(b);
    const char32_t u = Cp1252ToUnicode(c);
    bool in850 = false;
    for (int o = 0x80; o < 256; ++o) in850 = in850 || Cp850ToUnicode(static_cast<unsigned char>(o)) == u;
    if (u != 0 && in850) {
      ++shared;
      EXPECT_EQ(Cp850ToUnicode(Cp1252To850(c)), u) << "1252 byte " << b;
    }
  }
  EXPECT_EQ(shared, 97);
  for (int b = 0; b < 0x80; ++b) EXPECT_EQ(Cp1252To850(static_cast<unsigned char>(b)), b);
}

TEST(CodePage, GermanLetters) {
  // a-, o-, u-umlaut, their capitals and sharp s.
  EXPECT_EQ(Cp1252To850("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"), "\x84\x94\x81\x8E\x99\x9A\xE1");
  EXPECT_EQ(Cp850To1252("\x84\x94\x81\x8E\x99\x9A\xE1"), "\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
  EXPECT_EQ(Cp850ToUnicode(0xD5), U'\u0131');  // dotless i: 850, not 437
  EXPECT_EQ(Cp1252ToUnicode(0x80), U'\u20AC');
  EXPECT_EQ(Cp1252ToUnicode(0x81), 0u);
  EXPECT_EQ(Cp1252To850(0x95), 0xFE);  // bullet and square stand for each other
}

class LangTest : public testing::Test {
 protected:
  void TearDown() override { HB_LANGSELECT("EN"); }
};

TEST_F(LangTest, SelectingTablesByName) {
  EXPECT_EQ(HB_LANGSELECT(), "EN");
  EXPECT_EQ(HB_LANGSELECT("de"), "EN");
  EXPECT_EQ(HB_LANGSELECT(), "DE");
  EXPECT_EQ(CurrentLang().codePage, 850);
  EXPECT_EQ(HB_LANGSELECT("XX"), "DE");  // unknown: the table stays
  EXPECT_EQ(HB_LANGSELECT(), "DE");
  EXPECT_EQ(HB_LANGSELECT("EN"), "DE");
  EXPECT_EQ(CurrentLang().codePage, 1252);
}

TEST_F(LangTest, GermanErrorTextsInErrorObjects) {
  HB_LANGSELECT("DE");
  EXPECT_EQ(MakeError(EG_ZERODIV, 1340, "BASE", "/")->description, "Division durch Null");
  EXPECT_EQ(Cp850To1252(MakeError(EG_OPEN, 1001, "DBFNTX", "DBUSEAREA")->description), "Fehler beim \xD6" "ffnen");
  EXPECT_EQ(Cp850To1252(CurrentLang().ErrorText(EG_CLOSE)), "Fehler beim Schlie\xDF" "en");
  EXPECT_EQ(CurrentLang().ErrorText(EG_SYNTAX), "Syntaxfehler");
  EXPECT_EQ(CurrentLang().ErrorText(EG_LOCK), "Sperre fehlgeschlagen");
  HB_LANGSELECT("EN");
  EXPECT_EQ(MakeError(EG_ZERODIV, 1340, "BASE", "/")->description, "Zero divisor");
}

TEST_F(LangTest, BothTablesNameEveryErrorTheOtherNames) {
  HB_LANGSELECT("EN");
  const LangTable& en = CurrentLang();
  HB_LANGSELECT("DE");
  const LangTable& de = CurrentLang();
  for (std::size_t i = 0; i < en.errors.size(); ++i)
    EXPECT_EQ(en.errors[i].empty(), de.errors[i].empty()) << "error " << i;
  for (const auto& m : de.months) EXPECT_FALSE(m.empty());
  for (const auto& d : de.days) EXPECT_FALSE(d.empty());
  // Syntax error details fill the same blanks in both languages.
  for (std::size_t i = 0; i < en.syntax.size(); ++i) {
    EXPECT_FALSE(en.syntax[i].empty()) << "syntax " << i;
    EXPECT_FALSE(de.syntax[i].empty()) << "syntax " << i;
    for (std::string_view blank : {"%1", "%2"})
      EXPECT_EQ(en.syntax[i].find(blank) == std::string_view::npos, de.syntax[i].find(blank) == std::string_view::npos)
          << "syntax " << i << " " << blank;
  }
  for (std::size_t i = 0; i < en.tokenWords.size(); ++i)
    EXPECT_TRUE(!en.tokenWords[i].empty() && !de.tokenWords[i].empty()) << "token word " << i;
}

}  // namespace
}  // namespace rt
