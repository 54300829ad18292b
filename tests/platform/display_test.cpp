// Pixel and layout checks rely on a fixed resolution and on the Windows face
// names resolving to the metric-compatible Liberation fonts.
#include <windows.h>

#include <cctype>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

class SelectedFont {
 public:
  SelectedFont(HDC dc, HFONT font) : dc_(dc), font_(font), old_(SelectObject(dc, font)) {}
  ~SelectedFont() {
    SelectObject(dc_, old_);
    DeleteObject(font_);
  }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ old_;
};

TEST(Display, ScreenHas96Dpi) {
  ScreenDc dc;
  ASSERT_NE(dc.get(), nullptr);
  EXPECT_EQ(GetDeviceCaps(dc.get(), LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(dc.get(), LOGPIXELSY), 96);
}

struct FaceCase {
  const char* requested;
  const char* fontFace;
};

void PrintTo(const FaceCase& c, std::ostream* os) { *os << '"' << c.requested << '"'; }

class FontReplacement : public testing::TestWithParam<FaceCase> {};

TEST_P(FontReplacement, WindowsFaceIsServedByLiberationFont) {
  const FaceCase& c = GetParam();
  constexpr LONG kCharHeight = 16;
  ScreenDc dc;
  HFONT font = CreateFontA(-kCharHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, c.requested);
  ASSERT_NE(font, nullptr);
  SelectedFont selected(dc.get(), font);

  // Without a replacement Wine quietly falls back to another installed face
  // and reports that face's name instead of the requested one.
  char face[LF_FACESIZE] = {};
  ASSERT_GT(GetTextFaceA(dc.get(), LF_FACESIZE, face), 0);
  EXPECT_STREQ(face, c.requested);

  const UINT size = GetOutlineTextMetricsA(dc.get(), 0, nullptr);
  ASSERT_GT(size, 0u) << c.requested << " is not an outline font";
  std::vector<char> buffer(size);
  auto* metrics = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
  ASSERT_EQ(GetOutlineTextMetricsA(dc.get(), size, metrics), size);

  const auto faceOffset = reinterpret_cast<std::uintptr_t>(metrics->otmpFaceName);
  EXPECT_STREQ(buffer.data() + faceOffset, c.fontFace);
  const TEXTMETRICA& tm = metrics->otmTextMetrics;
  EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_TRUETYPE);
  // Wine rounds ascent and descent separately, so the character height may
  // be a pixel off the request; a bitmap stand-in or a wrong scale is more.
  EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, kCharHeight, 1);
}

std::string TestNameOf(const testing::TestParamInfo<FaceCase>& info) {
  std::string name;
  for (const char* p = info.param.requested; *p != '\0'; ++p) {
    if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(WindowsFaces, FontReplacement,
                         testing::Values(FaceCase{"Arial", "Liberation Sans"},
                                         FaceCase{"Helvetica", "Liberation Sans"},
                                         FaceCase{"MS Sans Serif", "Liberation Sans"},
                                         FaceCase{"Microsoft Sans Serif", "Liberation Sans"},
                                         FaceCase{"Tahoma", "Liberation Sans"},
                                         FaceCase{"Segoe UI", "Liberation Sans"},
                                         FaceCase{"Times New Roman", "Liberation Serif"},
                                         FaceCase{"Courier New", "Liberation Mono"},
                                         FaceCase{"Courier", "Liberation Mono"}),
                         TestNameOf);

}  // namespace
