// Pixel and layout checks rely on a fixed resolution, on the Windows face
// names resolving to the metric-compatible Liberation fonts, and on the
// faces that only Wine's own fonts give: Marlett, whose letters the caption
// buttons are drawn with, and the bitmap MS Sans Serif of the dialogs.
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

HFONT FontOf(const char* face, LONG height, LONG weight = FW_NORMAL) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

// The metrics of the font the prefix gives for the face, which must be the
// face itself and not a fallback.
TEXTMETRICA MetricsOf(HDC dc, const char* face, LONG height, LONG weight) {
  SelectedFont selected(dc, FontOf(face, height, weight));
  char got[LF_FACESIZE] = {};
  GetTextFaceA(dc, LF_FACESIZE, got);
  EXPECT_STREQ(got, face) << "no font of the prefix provides " << face;
  TEXTMETRICA tm = {};
  EXPECT_TRUE(GetTextMetricsA(dc, &tm));
  return tm;
}

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
  HFONT font = FontOf(c.requested, -kCharHeight);
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

// Without Marlett the caption buttons show the letters their glyphs sit on.
TEST(WineFonts, CaptionButtonsHaveMarlett) {
  ScreenDc dc;
  const TEXTMETRICA tm = MetricsOf(dc.get(), "Marlett", -13, FW_NORMAL);
  EXPECT_EQ(tm.tmCharSet, SYMBOL_CHARSET);
  EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_TRUETYPE);

  SelectedFont selected(dc.get(), FontOf("Marlett", -13));
  // Minimise, maximise, restore and close.
  const char buttons[] = "012r";
  WORD glyphs[4] = {};
  ASSERT_EQ(GetGlyphIndicesA(dc.get(), buttons, 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for '" << buttons[i] << "'";
}

struct SansSerifCase {
  LONG height;
  LONG weight;
  LONG cellHeight;  // the size's character cell: 8 points 13 pixels, 10 points 16
  LONG ascent;
};

void PrintTo(const SansSerifCase& c, std::ostream* os) { *os << c.height << " weight " << c.weight; }

class MsSansSerif : public testing::TestWithParam<SansSerifCase> {};

// The programs ask for "Ms Sans Serif" -8: on Windows a bitmap font that has
// no size below 8 points, so that request gets the 8-point font, as any up
// to its character height of 11 does; a scalable stand-in would shrink to 8.
TEST_P(MsSansSerif, ServedByBitmapSizeAsOnWindows) {
  const SansSerifCase& c = GetParam();
  ScreenDc dc;
  const TEXTMETRICA tm = MetricsOf(dc.get(), "MS Sans Serif", c.height, c.weight);
  EXPECT_FALSE(tm.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR)) << "not a bitmap font";
  EXPECT_EQ(tm.tmHeight, c.cellHeight);
  EXPECT_EQ(tm.tmAscent, c.ascent);
  EXPECT_EQ(tm.tmWeight, c.weight);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MsSansSerif,
                         testing::Values(SansSerifCase{-8, FW_NORMAL, 13, 11}, SansSerifCase{-8, FW_BOLD, 13, 11},
                                         SansSerifCase{-10, FW_BOLD, 13, 11}, SansSerifCase{-11, FW_NORMAL, 13, 11},
                                         SansSerifCase{-12, FW_NORMAL, 13, 11},
                                         SansSerifCase{-13, FW_NORMAL, 16, 13}));

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
                                         FaceCase{"Microsoft Sans Serif", "Liberation Sans"},
                                         FaceCase{"Tahoma", "Liberation Sans"},
                                         FaceCase{"Segoe UI", "Liberation Sans"},
                                         FaceCase{"Times New Roman", "Liberation Serif"},
                                         FaceCase{"Courier New", "Liberation Mono"},
                                         FaceCase{"Courier", "Liberation Mono"}),
                         TestNameOf);

}  // namespace
