#include <gtest/gtest.h>

#include <map>
#include <string>

#include "apps/common/transchr.h"
#include "runtime/error.h"
#include "runtime/macro.h"

namespace {

using common::TRANSCHR;

TEST(TransChr, FoldsAccentsAndKeepsUmlautsAndTilde) {
  const std::pair<const char*, const char*> cases[] = {
      {"Cr\xE8me Br\xFBl\xE9" "e", "Creme Brulee"},
      {"M\xFCller", "M\xFCller"},
      {"\xC4gypten", "\xC4gypten"},
      {"se\xF1or", "se\xF1or"},
      {"Stra\xDF" "e \xC6 \xE6 \xD8 \xF8 \xD1", "Stra\xDF" "e \xC6 \xE6 \xD8 \xF8 \xD1"},
      {"", ""},
      {"Gar\xE7on \xC7" "a \xFF \xDD", "Garcon Ca y Y"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(TRANSCHR(in), out) << in;
}

TEST(TransChr, EveryByteFoldsExactlyAsListed) {
  const std::map<unsigned char, char> folded = {
      {0xC0, 'A'}, {0xC1, 'A'}, {0xC2, 'A'}, {0xC3, 'A'}, {0xC5, 'A'}, {0xE0, 'a'}, {0xE1, 'a'}, {0xE2, 'a'},
      {0xE3, 'a'}, {0xE5, 'a'}, {0xC8, 'E'}, {0xC9, 'E'}, {0xCA, 'E'}, {0xCB, 'E'}, {0xE8, 'e'}, {0xE9, 'e'},
      {0xEA, 'e'}, {0xEB, 'e'}, {0xCC, 'I'}, {0xCD, 'I'}, {0xCE, 'I'}, {0xCF, 'I'}, {0xEC, 'i'}, {0xED, 'i'},
      {0xEE, 'i'}, {0xEF, 'i'}, {0xD2, 'O'}, {0xD3, 'O'}, {0xD4, 'O'}, {0xD5, 'O'}, {0xF2, 'o'}, {0xF3, 'o'},
      {0xF4, 'o'}, {0xF5, 'o'}, {0xD9, 'U'}, {0xDA, 'U'}, {0xDB, 'U'}, {0xF9, 'u'}, {0xFA, 'u'}, {0xFB, 'u'},
      {0xDD, 'Y'}, {0xFD, 'y'}, {0xFF, 'y'}, {0xC7, 'C'}, {0xE7, 'c'},
  };
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string out = TRANSCHR(all);
  ASSERT_EQ(out.size(), 256u);
  for (int b = 0; b < 256; ++b) {
    const auto it = folded.find(static_cast<unsigned char>(b));
    const char expected = it == folded.end() ? static_cast<char>(b) : it->second;
    EXPECT_EQ(out[b], expected) << "byte " << b;
  }
}

TEST(TransChr, KeyExpressionsFindItByNameInAnyCase) {
  common::RegisterWordFunctions();
  EXPECT_EQ(rt::MacroEval("upper(TransChr('cr\xE8me'))").AsString(), "CREME");
  EXPECT_EQ(rt::MacroEval("ENTCRYPT('Haus')").AsString(), "Haus");
  EXPECT_EQ(rt::MacroEval("VERCRYPT(VAL('12'))").AsNumber(), 12);
}

TEST(TransChr, NonTextRaisesAnArgumentErrorNamingIt) {
  common::RegisterWordFunctions();
  rt::ErrorPtr seen;
  rt::ErrorBlockScope scope(rt::Value::Block([&seen](rt::Args a) {
    seen = a[0].As<rt::Error>();
    return rt::Value("?");
  }));
  EXPECT_EQ(rt::MacroEval("TRANSCHR(12)").AsString(), "?");
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->genCode, rt::EG_ARG);
  EXPECT_EQ(seen->operation, "TRANSCHR");
}

}  // namespace
