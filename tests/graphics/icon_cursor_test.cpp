#include <gtest/gtest.h>

#include "bmp_fixture.h"
#include "canvas.h"
#include "graphics/cursors.h"
#include "graphics/icons.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 32 x 32 icon: an opaque red square from 8 to 23, transparent around it.
class RedSquareIcon {
 public:
  RedSquareIcon() {
    std::vector<COLORREF> colour(32 * 32, RGB(0, 0, 0));
    std::vector<std::uint8_t> mask(4 * 32, 0xFF);
    for (int y = 8; y < 24; ++y) {
      for (int x = 8; x < 24; ++x) {
        colour[static_cast<std::size_t>(y * 32 + x)] = kRed;
        mask[static_cast<std::size_t>(y * 4 + x / 8)] &= static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
      }
    }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = gfxtest::MakeBitmap(32, 32, colour);
    info.hbmMask = CreateBitmap(32, 32, 1, 1, mask.data());
    icon_ = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  ~RedSquareIcon() { DestroyIcon(icon_); }
  RedSquareIcon(const RedSquareIcon&) = delete;
  RedSquareIcon& operator=(const RedSquareIcon&) = delete;
  HICON get() const { return icon_; }

 private:
  HICON icon_;
};

TEST(Icons, LoadAndExtract) {
  EXPECT_NE(gfx::LOADICON(nullptr, 32512), nullptr);
  EXPECT_EQ(gfx::LOADICON(GetModuleHandleA(nullptr), "NOSUCHICON"), nullptr);
  HICON extracted = gfx::EXTRACTICON("shell32.dll", 0);
  ASSERT_NE(extracted, nullptr);
  ICONINFO info{};
  EXPECT_TRUE(GetIconInfo(extracted, &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_TRUE(gfx::DESTROYICON(extracted));
}

TEST(Icons, DrawAtColumnAndRow) {
  RedSquareIcon icon;
  gfxtest::Canvas canvas(60, 60, kGreen);
  EXPECT_TRUE(gfx::DRAWICON(canvas.dc(), 4, 20, icon.get()));
  EXPECT_EQ(canvas.Pixel(28, 12), kRed);
  EXPECT_EQ(canvas.Pixel(27, 12), kGreen);
  EXPECT_EQ(canvas.Pixel(28, 11), kGreen);
}

TEST(Icons, FocusLookHalvesAndTintsOpaquePixels) {
  RedSquareIcon icon;
  gfxtest::Canvas canvas(60, 60, kGreen);
  EXPECT_TRUE(gfx::DRAWICONFOCUS(canvas.dc(), 4, 20, icon.get()));
  EXPECT_EQ(canvas.Pixel(28, 12), RGB(127, 0, 64));
  EXPECT_EQ(canvas.Pixel(43, 27), RGB(127, 0, 64));
  EXPECT_EQ(canvas.Pixel(27, 12), kGreen);
  EXPECT_EQ(canvas.Pixel(20, 4), kGreen);
}

TEST(Icons, FocusLookOnEightBitsIsCheckeredDarkBlue) {
  RedSquareIcon icon;
  gfxtest::Canvas canvas(40, 40, kGreen, {RGB(0, 0, 0), kRed, kGreen, RGB(0, 0, 192), kWhite});
  EXPECT_TRUE(gfx::DRAWICONFOCUS(canvas.dc(), 0, 0, icon.get()));
  EXPECT_EQ(canvas.Pixel(8, 8), kRed);
  EXPECT_EQ(canvas.Pixel(9, 8), RGB(0, 0, 192));
  EXPECT_EQ(canvas.Pixel(8, 9), RGB(0, 0, 192));
  EXPECT_EQ(canvas.Pixel(9, 9), kRed);
  EXPECT_EQ(canvas.Pixel(7, 8), kGreen);
}

// The AND (top half) and XOR (bottom half) planes of a monochrome cursor.
struct Planes {
  explicit Planes(HCURSOR cursor) {
    ICONINFO info{};
    ok = GetIconInfo(cursor, &info) != 0;
    hot = POINT{static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
    mask = info.hbmMask;
    if (info.hbmColor) DeleteObject(info.hbmColor);
  }
  ~Planes() { DeleteObject(mask); }
  Planes(const Planes&) = delete;
  Planes& operator=(const Planes&) = delete;
  bool And(int x, int y) const { return gfxtest::BitmapPixel(mask, x, y) != 0; }
  bool Xor(int x, int y) const { return gfxtest::BitmapPixel(mask, x, y + 32) != 0; }

  bool ok;
  POINT hot;
  HBITMAP mask;
};

TEST(Cursors, BuiltInCursorsAreMadeOnceAndShared) {
  HCURSOR stop = gfx::GETCURSORSTOP();
  ASSERT_NE(stop, nullptr);
  EXPECT_EQ(gfx::GETCURSORSTOP(), stop);
  EXPECT_EQ(gfx::GETCURSORDRAG(), gfx::GETCURSORDRAG());
  EXPECT_NE(gfx::GETCURSORDRAG(), stop);
  EXPECT_NE(gfx::GETCURSORHAND(), nullptr);
  EXPECT_FALSE(gfx::DESTROYCURSOR(stop));
  Planes planes(gfx::GETCURSORSTOP());
  EXPECT_TRUE(planes.ok);
}

TEST(Cursors, BuiltInPlanesAndHotSpots) {
  Planes stop(gfx::GETCURSORSTOP());
  ASSERT_TRUE(stop.ok);
  EXPECT_EQ(stop.hot.x, 6);
  EXPECT_EQ(stop.hot.y, 0);
  EXPECT_FALSE(stop.And(6, 0));  // black finger tip
  EXPECT_FALSE(stop.Xor(6, 0));
  EXPECT_FALSE(stop.And(6, 1));  // white finger
  EXPECT_TRUE(stop.Xor(6, 1));
  EXPECT_TRUE(stop.And(0, 0));  // transparent
  EXPECT_FALSE(stop.Xor(0, 0));

  gfx::CURSORCATCH();
  HCURSOR grab = gfx::CURSORARROW();
  Planes grabPlanes(grab);
  ASSERT_TRUE(grabPlanes.ok);
  EXPECT_EQ(grabPlanes.hot.x, 16);
  EXPECT_EQ(grabPlanes.hot.y, 16);
  EXPECT_EQ(grab, gfx::GetCursorGrab());
}

TEST(Cursors, SystemCursorsAreSet) {
  gfx::CURSORIBEAM();
  EXPECT_EQ(gfx::CURSORWE(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32513)));
  EXPECT_EQ(gfx::CURSORSIZE(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));
  gfx::CURSORWAIT();
  EXPECT_EQ(gfx::CURSORHAND(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));
  EXPECT_EQ(gfx::WSETCURSOR(gfx::LOADCURSOR(nullptr, 32512)), gfx::GETCURSORHAND());
}

TEST(BmpCursor, BitmapZeroGivesZero) {
  EXPECT_EQ(gfx::CREATEBMPCURSOR(nullptr, nullptr, 0, 0, false, rt::Value::Array({0}), {}, {}, {}), nullptr);
}

TEST(BmpCursor, ColourClassesAndTransparentRest) {
  HBITMAP bitmap = gfxtest::MakeBitmap(4, 1, {kRed, kBlue, kGreen, kWhite});
  HCURSOR cursor = gfx::CREATEBMPCURSOR(bitmap, nullptr, 2, 3, false, rt::Value::Array({long{kRed}}),
                                        rt::Value::Array({long{kBlue}}), rt::Value::Array({long{kWhite}}),
                                        rt::Value::Array({long{kGreen}}));
  ASSERT_NE(cursor, nullptr);
  Planes planes(cursor);
  ASSERT_TRUE(planes.ok);
  EXPECT_EQ(planes.hot.x, 3);
  EXPECT_EQ(planes.hot.y, 2);
  EXPECT_FALSE(planes.And(0, 0));  // black
  EXPECT_FALSE(planes.Xor(0, 0));
  EXPECT_FALSE(planes.And(1, 0));  // white
  EXPECT_TRUE(planes.Xor(1, 0));
  EXPECT_TRUE(planes.And(2, 0));  // inverted
  EXPECT_TRUE(planes.Xor(2, 0));
  for (POINT p : {POINT{3, 0}, POINT{0, 1}, POINT{20, 20}, POINT{31, 31}}) {
    EXPECT_TRUE(planes.And(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_FALSE(planes.Xor(p.x, p.y)) << p.x << "," << p.y;
  }
  EXPECT_TRUE(gfx::DESTROYCURSOR(cursor));
  DeleteObject(bitmap);
}

TEST(BmpCursor, RangesPairEntriesAndIgnoreAnUnpairedLast) {
  HBITMAP bitmap = gfxtest::MakeBitmap(3, 1, {RGB(100, 0, 0), RGB(0, 100, 0), RGB(0, 0, 100)});
  // Pairs {RGB(50,0,0), RGB(200,0,0)}; the unpaired RGB(0,100,0) is ignored.
  const rt::Value black = rt::Value::Array({long{RGB(50, 0, 0)}, long{RGB(200, 0, 0)}, long{RGB(0, 100, 0)}});
  HCURSOR cursor = gfx::CREATEBMPCURSOR(bitmap, nullptr, 0, 0, true, black, {}, {}, {});
  ASSERT_NE(cursor, nullptr);
  Planes planes(cursor);
  EXPECT_FALSE(planes.And(0, 0));
  EXPECT_TRUE(planes.And(1, 0));
  EXPECT_TRUE(planes.And(2, 0));
  EXPECT_TRUE(gfx::DESTROYCURSOR(cursor));
  DeleteObject(bitmap);
}

}  // namespace
