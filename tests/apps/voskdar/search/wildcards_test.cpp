// The wildcard rules of the quick search, case by case.

#include "apps/voskdar/wildcards.h"

#include <gtest/gtest.h>

namespace voskdar {
namespace {

TEST(SeekWord, IsTheTextBeforeTheFirstWildcard) {
  EXPECT_EQ(GETSEEKWORD("HAUS"), "HAUS");
  EXPECT_EQ(GETSEEKWORD("HA?S*"), "HA");
  EXPECT_EQ(GETSEEKWORD("HAU*S?"), "HAU");
  EXPECT_EQ(GETSEEKWORD("*HAUS"), "");
  EXPECT_EQ(GETSEEKWORD("?"), "");
}

TEST(CheckStr, ComparesFromTheStartOnAndIgnoresLongerText) {
  EXPECT_TRUE(CHECKSTR("HAUS", "H?US", 2));
  EXPECT_TRUE(CHECKSTR("HAUST\xDCR", "H?US", 2));  // text beyond the pattern
  EXPECT_FALSE(CHECKSTR("HUS", "H?US", 2));        // shorter than the pattern
  EXPECT_TRUE(CHECKSTR("XAUS", "H?US", 2));        // positions before the start are the caller's
  EXPECT_FALSE(CHECKSTR("HANS", "H?US", 2));
  EXPECT_TRUE(CHECKSTR("", "", 1));
}

struct WildCase {
  const char* text;
  const char* pattern;
  bool whole;
  bool matches;
};

class Wildcard : public ::testing::TestWithParam<WildCase> {};

TEST_P(Wildcard, MatchesAsTheSixCasesSay) {
  const WildCase& c = GetParam();
  EXPECT_EQ(ZQ_WILDCARD(c.text, c.pattern, c.whole), c.matches) << c.text << " ~ " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Wildcard,
    ::testing::Values(
        // No wildcard at all: the caller's seek decided.
        WildCase{"ANYTHING", "HAUS", false, true},
        // "?" only: a prefix match with any character at each "?".
        WildCase{"HAUS", "H?US", false, true}, WildCase{"HAUST\xDCR", "H?US", false, true},
        WildCase{"HANS", "H?US", false, false}, WildCase{"H", "?", false, true},
        // ... and with `whole` the lengths must agree.
        WildCase{"HAUS", "H?US", true, true}, WildCase{"HAUST\xDCR", "H?US", true, false},
        // "?" before "*": the start position-wise, the end literally.
        WildCase{"HAUSBOOT", "H?US*OOT", false, true}, WildCase{"HANSBOOT", "H?US*OOT", false, false},
        WildCase{"HAUSBOOT", "H?US*?OT", false, false},  // "?" after the "*" is a plain character
        // "*" before "?": the start literally, the end position-wise.
        WildCase{"HAUSBOOT", "HA*B??T", false, true}, WildCase{"HAUSBOOT", "HA*B?", false, false},
        WildCase{"HAUS", "HA*BOOT?", false, false},
        // "*" alone at the start: the end.
        WildCase{"BAUMHAUS", "*HAUS", false, true}, WildCase{"HAUSBOOT", "*HAUS", false, false},
        WildCase{"", "*", false, true},
        // Start and end, which may overlap.
        WildCase{"HANS", "HA*S", false, true}, WildCase{"HAUS", "HA*S", false, true},
        WildCase{"HAUST\xDCR", "HA*S", false, false}, WildCase{"ABC", "AB*BC", false, true},
        WildCase{"AB", "AB*BC", false, false},
        // Only the first "*" acts; trailing blanks of the end part are dropped.
        WildCase{"A*B", "A**B", false, true}, WildCase{"AXB", "A**B", false, false},
        WildCase{"AB", "A*B  ", false, true},
        // Case-sensitive: both sides arrive upper-cased.
        WildCase{"haus", "HA*S", false, false}));

}  // namespace
}  // namespace voskdar
