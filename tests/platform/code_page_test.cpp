// The programs keep single-byte text in Windows-1252 and read DOS-era files
// in code page 850, as on a German Windows; the prefix must agree.
#include <windows.h>

#include <ostream>

#include <gtest/gtest.h>

namespace {

TEST(CodePage, PrefixUsesGermanCodePages) {
  EXPECT_EQ(GetACP(), 1252u);
  EXPECT_EQ(GetOEMCP(), 850u);
}

struct ByteToChar {
  UINT codePage;
  unsigned char byte;
  wchar_t expected;
};

void PrintTo(const ByteToChar& c, std::ostream* os) {
  *os << "code page " << c.codePage << ", byte 0x" << std::hex << unsigned{c.byte};
}

class CodePageConversion : public testing::TestWithParam<ByteToChar> {};

TEST_P(CodePageConversion, DecodesByteAsGermanWindowsDoes) {
  const ByteToChar& c = GetParam();
  const char in = static_cast<char>(c.byte);
  wchar_t out = 0;
  ASSERT_EQ(MultiByteToWideChar(c.codePage, MB_ERR_INVALID_CHARS, &in, 1, &out, 1), 1);
  EXPECT_EQ(static_cast<unsigned>(out), static_cast<unsigned>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    GermanText, CodePageConversion,
    testing::Values(ByteToChar{CP_ACP, 0x80, L'\u20AC'},    // euro sign
                    ByteToChar{CP_ACP, 0xE4, L'\u00E4'},    // a umlaut
                    ByteToChar{CP_ACP, 0xDF, L'\u00DF'},    // sharp s
                    ByteToChar{CP_OEMCP, 0x84, L'\u00E4'},  // a umlaut
                    ByteToChar{CP_OEMCP, 0xE1, L'\u00DF'},  // sharp s
                    ByteToChar{CP_OEMCP, 0xD5, L'\u0131'}   // dotless i: 850, not 437
                    ));

}  // namespace
