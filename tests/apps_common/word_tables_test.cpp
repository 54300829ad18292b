#include <gtest/gtest.h>

#include "apps/common/word_tables.h"

namespace {

using common::KeyStyle;

TEST(WordTables, SixBasesWithFilesKeysAndTexts) {
  struct Expected {
    const char* base;
    const char* foreignKey;
    const char* text1;
    const char* text2;
  };
  const Expected expected[] = {
      {"DEUENG", "upper(FREMD)", "Deutsch/Englisch Index aufbauen...", "Englisch/Deutsch Index aufbauen..."},
      {"DEUFRA", "upper(TransChr(FREMD))", "Deutsch/Franz\xF6sisch Index aufbauen...",
       "Franz\xF6sisch/Deutsch Index aufbauen..."},
      {"DEUITA", "upper(TransChr(FREMD))", "Deutsch/Italienisch Index aufbauen...",
       "Italienisch/Deutsch Index aufbauen..."},
      {"DEUSPA", "upper(TransChr(FREMD))", "Deutsch/Spanisch Index aufbauen...", "Spanisch/Deutsch Index aufbauen..."},
      {"DEUPOR", "upper(TransChr(FREMD))", "Deutsch/Portugiesisch Index aufbauen...",
       "Portugiesisch/Deutsch Index aufbauen..."},
      {"DEULAT", "upper(FREMD)", "Deutsch/Latein Index aufbauen...", "Latein/Deutsch Index aufbauen..."},
  };
  ASSERT_EQ(common::kWordTables.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const auto& t = common::kWordTables[i];
    const std::string base = expected[i].base;
    EXPECT_EQ(t.base, base);
    EXPECT_EQ(common::FindWordTable(base), &t);
    EXPECT_EQ(common::TablePath(t), ".\\" + base + ".DBF");
    EXPECT_EQ(common::IndexName(t, 1), base + "1");
    EXPECT_EQ(common::IndexPath(t, 2), ".\\" + base + "2.NTX");
    EXPECT_EQ(common::ExportName(t), base + ".EXP");
    EXPECT_EQ(common::OrderKey(t, 1, KeyStyle::Editor), "upper(DEUTSCH)+upper(FREMD)");
    EXPECT_EQ(common::OrderKey(t, 1, KeyStyle::QuickSearch), "upper(DEUTSCH)");
    EXPECT_EQ(common::OrderKey(t, 2, KeyStyle::Editor), expected[i].foreignKey);
    EXPECT_EQ(common::OrderKey(t, 2, KeyStyle::QuickSearch), expected[i].foreignKey);
    EXPECT_EQ(common::MeterText(t, 1), expected[i].text1);
    EXPECT_EQ(common::MeterText(t, 2), expected[i].text2);
  }
  EXPECT_EQ(common::FindWordTable("DEUGRI"), nullptr);
}

}  // namespace
