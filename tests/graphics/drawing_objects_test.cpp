#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "box_catcher.h"
#include "graphics/colour.h"
#include "graphics/cursors.h"
#include "graphics/tbrush.h"
#include "graphics/tcursor.h"
#include "graphics/tfont.h"
#include "graphics/tpen.h"
#include "runtime/object.h"
#include "services/int32.h"

namespace {

using gfx::TBrush;
using gfx::TFont;

bool InFontPool(const gfx::TFontPtr& f) {
  const auto& pool = gfx::FontPool();
  return std::find(pool.begin(), pool.end(), f) != pool.end();
}

bool InBrushPool(const gfx::TBrushPtr& b) {
  const auto& pool = gfx::BrushPool();
  return std::find(pool.begin(), pool.end(), b) != pool.end();
}

// A printer stand-in: only its vertical resolution matters here.
class Device : public rt::Object {
 public:
  RT_CLASS_DECL()
  double nLogPixelY = 600;
};

const rt::ClassInfo& Device::ClassDef() {
  static const rt::ClassInfo info(
      "TTESTDEVICE", &rt::Object::ClassDef(), rt::FactoryOf<Device>(),
      [](rt::ClassInfo& c) { rt::ClassBuilder<Device>(c).Data("nLogPixelY", &Device::nLogPixelY); });
  return info;
}
RT_CLASS_REGISTER(Device);

// A file of the source tree, reached through Wine's drive for the Unix root.
std::string SourceFile(const std::string& relative) {
  return std::string("Z:") + VD_SOURCE_DIR + "/tests/graphics/" + relative;
}

gfx::TFontPtr NewFont(const std::string& face, double width, double height) {
  return std::make_shared<TFont>()->New(face, width, height);
}

gfx::TBrushPtr NewBrush(const rt::Value& style, const rt::Value& colour, const rt::Value& file = {},
                        const rt::Value& res = {}) {
  return std::make_shared<TBrush>()->New(style, colour, file, res);
}

// Runs the test inside an empty directory of its own, so that the
// diagnostic file it provokes can be read back alone.
class ScratchDir {
 public:
  ScratchDir() : old_(std::filesystem::current_path()) {
    dir_ = std::filesystem::temp_directory_path() / ("vd_objects_" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
  }
  ~ScratchDir() {
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }
  std::string Read(const char* name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  std::filesystem::path old_;
  std::filesystem::path dir_;
};

TEST(TFontPool, EqualFontsShareOneObjectUntilTheLastEnd) {
  auto first = NewFont("Arial", 0, -12);
  auto second = NewFont("Arial", 0, -12);
  ASSERT_EQ(first, second);
  EXPECT_EQ(first->nCount, 2);
  EXPECT_FALSE(second->lNew);
  HFONT handle = first->hFont;
  ASSERT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_FONT));

  first->End();
  EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_FONT));
  EXPECT_TRUE(InFontPool(first));

  second->End();
  EXPECT_EQ(GetObjectType(handle), 0u);
  EXPECT_EQ(first->hFont, nullptr);
  EXPECT_FALSE(InFontPool(first));
}

TEST(TFontPool, FaceNamesCompareWithCaseButStockNamesWithout) {
  auto mixed = NewFont("Arial", 0, -14);
  auto upper = NewFont("ARIAL", 0, -14);
  EXPECT_NE(mixed, upper);
  EXPECT_TRUE(InFontPool(mixed));
  EXPECT_TRUE(InFontPool(upper));
  mixed->End();
  upper->End();

  auto stock = NewFont("ansi_var_font", 0, 14);
  EXPECT_EQ(stock->hFont, GetStockObject(ANSI_VAR_FONT));
  EXPECT_FALSE(stock->lDestroy);
  EXPECT_FALSE(InFontPool(stock));
  EXPECT_GT(stock->nInpHeight, 0);  // measured from the stock font

  auto system1 = std::make_shared<TFont>()->New();
  auto system2 = std::make_shared<TFont>()->New();
  EXPECT_NE(system1, system2);
  EXPECT_EQ(system1->hFont, GetStockObject(SYSTEM_FONT));
  system1->End();
  EXPECT_EQ(system1->hFont, GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), static_cast<DWORD>(OBJ_FONT));
  stock->End();
  system2->End();
}

TEST(TFontPool, DialogFaceIsTahomaOfAtLeastTwelvePixels) {
  auto small = NewFont("SysTahoma", 0, -8);
  EXPECT_EQ(small->cFaceName, "TAHOMA");
  EXPECT_EQ(small->nInpHeight, -12);
  auto large = NewFont("SYSTAHOMA", 0, -16);
  EXPECT_EQ(large->nInpHeight, -16);
  small->End();
  large->End();
}

TEST(TFontPool, BoldRaisesTheWeight) {
  auto bold = std::make_shared<TFont>()->New("Arial", 0, -13, false, true);
  EXPECT_EQ(bold->nWeight, 700);
  EXPECT_TRUE(bold->lBold);
  LOGFONTA lf{};
  GetObjectA(bold->hFont, sizeof lf, &lf);
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  bold->End();
}

TEST(TFontSize, PointsInQuarterStepsOnA96DpiScreen) {
  const struct {
    double height;
    double points;
  } cases[] = {{-13, 10}, {-11, 8}, {-10, 7.75}, {-12, 9}, {-16, 12}};
  for (const auto& c : cases) {
    TFont f;
    f.nInpHeight = c.height;
    EXPECT_DOUBLE_EQ(f.nSize(), c.points) << c.height;
  }
  TFont f;
  f.nInpHeight = -12;
  EXPECT_DOUBLE_EQ(f.nWidth(), 5.28);
  f._nWidth(7);
  EXPECT_DOUBLE_EQ(f.nWidth(), 7);
  EXPECT_DOUBLE_EQ(f.nHeight(), 12);
}

TEST(TFontEnd, FailedDeleteLeavesALineInTheResourceLog) {
  ScratchDir scratch;
  auto font = NewFont("Courier New", 0, -17);
  DeleteObject(font->hFont);  // gone behind the pool's back
  font->End();
  const std::string log = scratch.Read("resources.txt");
  EXPECT_NE(log.find("DeleteObject( ::hFont ) failed from TFont:End()\t"), std::string::npos) << log;
  EXPECT_EQ(log.substr(log.size() - 2), "\r\n");
  EXPECT_TRUE(InFontPool(font));
}

TEST(TFontActivate, SelectsAndPutsBackTheFont) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
  auto font = NewFont("Arial", 0, -20);
  font->Activate(dc);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font->hFont);
  font->DeActivate(dc);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
  DeleteDC(dc);
  font->End();
}

TEST(TFontChoose, CancelKeepsTheFontAndConfirmingReplacesIt) {
  // A font with its own width: the dialog gives fonts of the face's width.
  auto font = NewFont("Arial", 7, -19);
  {
    BoxCatcher box(IDCANCEL);
    EXPECT_EQ(font->Choose(), font);
    ASSERT_TRUE(box.Seen());
  }
  EXPECT_EQ(font->nCount, 1);
  HFONT old = font->hFont;

  gfx::TFontPtr chosen;
  {
    BoxCatcher box(IDOK);
    chosen = font->Choose();
    ASSERT_TRUE(box.Seen());
  }
  ASSERT_TRUE(chosen);
  EXPECT_EQ(GetObjectType(old), 0u);  // the old font gave up its only use
  EXPECT_NE(chosen, font);
  EXPECT_EQ(chosen->cFaceName, "Arial");
  EXPECT_LT(chosen->nInpHeight, 0);
  EXPECT_EQ(chosen->nInpWidth, 0);
  EXPECT_EQ(chosen->nCount, 1);
  chosen->End();
}

TEST(DeviceUnits, FontHeightInPointsAndPenWidthFollowTheDevice) {
  const rt::Value printer(std::make_shared<Device>());
  auto font =
      std::make_shared<TFont>()->New("Arial", 0, -12, false, false, 0, 0, 0, false, false, false, 0, 0, 0, 0, printer);
  EXPECT_DOUBLE_EQ(font->nInpHeight, -100);  // 12 points at 600 dots per inch
  LOGFONTA lf{};
  GetObjectA(font->hFont, sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, -100);
  font->End();

  gfx::TPen pen;
  pen.New(PS_SOLID, 3, 0, printer);
  EXPECT_DOUBLE_EQ(pen.nWidth, 25);
  LOGPEN lp{};
  GetObjectA(pen.hPen, sizeof lp, &lp);
  EXPECT_EQ(lp.lopnWidth.x, 3);  // the pen itself keeps its width
  pen.End();
}

TEST(TBrushKinds, PatternsFromABitmapFileOrResource) {
  const std::string file = SourceFile("fixtures/grey256.bmp");
  ASSERT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file;
  const struct {
    rt::Value style;
    rt::Value file;
    rt::Value resource;
  } cases[] = {{{}, file, {}}, {"WALLPAPER", file, {}}, {{}, {}, "GREY256"}};
  for (const auto& c : cases) {
    auto brush = NewBrush(c.style, {}, c.file, c.resource);
    ASSERT_NE(brush->hBitmap, nullptr);
    LOGBRUSH lb{};
    GetObjectA(brush->hBrush, sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_PATTERN));
    brush->End();
  }
}

TEST(TBrushPool, StockColoursAreSharedAndNeverDeleted) {
  const struct {
    long rgb;
    int stock;
  } cases[] = {{gfx::NRGB(255, 255, 255), WHITE_BRUSH},
               {gfx::NRGB(0, 0, 0), BLACK_BRUSH},
               {gfx::NRGB(192, 192, 192), LTGRAY_BRUSH},
               {gfx::NRGB(128, 128, 128), GRAY_BRUSH},
               {gfx::NRGB(64, 64, 64), DKGRAY_BRUSH}};
  for (const auto& c : cases) {
    auto brush = NewBrush({}, c.rgb);
    EXPECT_TRUE(brush->lSystem) << c.rgb;
    EXPECT_EQ(brush->hBrush, GetStockObject(c.stock)) << c.rgb;
    brush->End();
    EXPECT_FALSE(InBrushPool(brush));
    EXPECT_EQ(GetObjectType(GetStockObject(c.stock)), static_cast<DWORD>(OBJ_BRUSH));
  }
  auto solid = NewBrush({}, gfx::NRGB(10, 20, 30));
  LOGBRUSH lb{};
  GetObjectA(solid->hBrush, sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(lb.lbColor, RGB(10, 20, 30));
  EXPECT_FALSE(solid->lSystem);
  HBRUSH handle = solid->hBrush;
  solid->End();
  EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(TBrushPool, EqualHatchesShareOneBrush) {
  auto a = NewBrush("CROSS", gfx::NRGB(255, 0, 0));
  auto b = NewBrush("CROSS", gfx::NRGB(255, 0, 0));
  ASSERT_EQ(a, b);
  EXPECT_EQ(a->nCount, 2);
  LOGBRUSH lb{};
  GetObjectA(a->hBrush, sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
  EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
  HBRUSH handle = a->hBrush;
  a->End();
  EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
  b->End();
  EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(TBrushPool, EndingRemovesTheEndedBrushNotAnotherWithTheSameHandle) {
  // Both get the stock white brush; they differ only in an unreadable file.
  auto first = NewBrush({}, gfx::NRGB(255, 255, 255));
  auto second = NewBrush({}, gfx::NRGB(255, 255, 255), "no such file.bmp");
  ASSERT_NE(first, second);
  ASSERT_EQ(first->hBrush, second->hBrush);
  second->End();
  EXPECT_TRUE(InBrushPool(first));
  EXPECT_FALSE(InBrushPool(second));
  first->End();
  EXPECT_FALSE(InBrushPool(first));
}

TEST(TBrushKinds, PatternsNullAndMissingBitmaps) {
  auto bricks = NewBrush("BRICKS", {});
  ASSERT_NE(bricks->hBitmap, nullptr);
  LOGBRUSH lb{};
  GetObjectA(bricks->hBrush, sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_PATTERN));
  EXPECT_EQ(bricks->cGenPRG(), "\r\n DEFINE BRUSH oBrush BITMAP \"brush.bmp\"\r\n");
  HBITMAP bitmap = bricks->hBitmap;
  bricks->End();
  EXPECT_EQ(GetObjectType(bitmap), 0u);

  auto hollow = NewBrush("NULL", {});
  EXPECT_EQ(hollow->hBrush, GetStockObject(NULL_BRUSH));
  EXPECT_EQ(hollow->cGenPRG(), "\r\n DEFINE BRUSH oBrush \r\n");
  hollow->End();

  auto missing = NewBrush({}, {}, {}, "NO SUCH BITMAP");
  EXPECT_EQ(missing->hBrush, nullptr);
  EXPECT_EQ(missing->hBitmap, nullptr);
  missing->End();
}

TEST(TPen, KeepsItsWidthAndIsDeletedByEnd) {
  gfx::TPen pen;
  pen.New(PS_DASH, 1, gfx::NRGB(0, 0, 255));
  LOGPEN lp{};
  ASSERT_EQ(GetObjectA(pen.hPen, sizeof lp, &lp), static_cast<int>(sizeof lp));
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
  EXPECT_EQ(lp.lopnColor, RGB(0, 0, 255));
  HPEN handle = pen.hPen;
  pen.End();
  EXPECT_EQ(pen.hPen, nullptr);
  EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(TCursor, PredefinedCursorsAreSharedAndUnknownNamesRefused) {
  gfx::TCursor hand;
  hand.New({}, "hand");
  EXPECT_EQ(hand.hCursor, gfx::GETCURSORHAND());
  EXPECT_TRUE(hand.lPredef);
  hand.End();
  EXPECT_EQ(gfx::GETCURSORHAND(), gfx::GETCURSORHAND());
  EXPECT_NE(gfx::GETCURSORHAND(), nullptr);

  gfx::TCursor wait;
  wait.New({}, "Wait");
  EXPECT_EQ(wait.hCursor, LoadCursorA(nullptr, IDC_WAIT));

  gfx::TCursor wrong;
  {
    BoxCatcher box(IDOK);
    wrong.New({}, "SPIRAL");
    ASSERT_TRUE(box.Seen());
    EXPECT_EQ(box.Texts(), "Wrong predefined cursor type!\n");
  }
  EXPECT_EQ(wrong.hCursor, nullptr);
  EXPECT_FALSE(wrong.lPredef);
}

TEST(TCursor, FromABitmapOwnsItsCursor) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  gfx::TCursor cursor;
  cursor.NewBmp(svc::HandleNumber(bitmap), 2, 3);
  ASSERT_NE(cursor.hCursor, nullptr);
  EXPECT_FALSE(cursor.lPredef);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor.hCursor, &info));
  EXPECT_EQ(info.xHotspot, 3u);
  EXPECT_EQ(info.yHotspot, 2u);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  cursor.End();
  EXPECT_EQ(cursor.hCursor, nullptr);
  gfx::TCursor none;
  none.NewBmp(0);
  EXPECT_EQ(none.hCursor, nullptr);
  DeleteObject(bitmap);
}

TEST(DrawingObjectsByName, MessagesReachTheTypedMethods) {
  rt::Value font = rt::CreateObject("TFONT");
  rt::Value pooled = rt::SendV(font, "New", "Arial", 0, -15);
  ASSERT_TRUE(pooled.IsObject());
  EXPECT_EQ(rt::Send(pooled, "nCount").AsInt(), 1);
  EXPECT_DOUBLE_EQ(rt::Send(pooled, "nHeight").AsNumber(), 15);
  rt::SendV(pooled, "_nWidth", 9);
  EXPECT_DOUBLE_EQ(rt::Send(pooled, "nWidth").AsNumber(), 9);
  rt::Send(pooled, "End");
  EXPECT_EQ(rt::Send(pooled, "hFont").AsInt(), 0);
}

}  // namespace
