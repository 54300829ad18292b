// Every drawing object the layer creates reaches the drawing-handle registry
// with its tag, and leaves it when the layer deletes it.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "bmp_fixture.h"
#include "graphics/bitmap.h"
#include "graphics/builtin_images.h"
#include "graphics/cursors.h"
#include "graphics/dc.h"
#include "graphics/dib.h"
#include "graphics/fonts.h"
#include "services/global_memory.h"
#include "services/handle_registry.h"
#include "services/int32.h"

namespace {

std::string TagOf(HANDLE h) {
  for (const svc::TrackedHandle& e : svc::TrackedHandles()) {
    if (e.handle == h) return e.tag;
  }
  return "";
}

class Tracking : public testing::Test {
 protected:
  void SetUp() override { svc::SetHandleTracking(true); }
  void TearDown() override { svc::SetHandleTracking(false); }
};

struct Creation {
  const char* name;
  const char* tag;
  std::function<HGDIOBJ()> create;
};

class TrackedObject : public Tracking, public testing::WithParamInterface<Creation> {};

TEST_P(TrackedObject, IsRegisteredWithItsTagUntilDeleted) {
  HGDIOBJ object = GetParam().create();
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(TagOf(object), GetParam().tag);
  EXPECT_TRUE(gfx::DELETEOBJECT(object));
  EXPECT_EQ(TagOf(object), "");
}

std::vector<std::uint8_t> Grey256() { return gfxtest::MakeBmp(2, 2, 8, 256); }

INSTANTIATE_TEST_SUITE_P(
    Table, TrackedObject,
    testing::Values(
        Creation{"SolidBrush", "BRUSH", [] { return gfx::CREATESOLIDBRUSH(0xFF); }},
        Creation{"HatchBrush", "BRUSH", [] { return gfx::CREATEHATCHBRUSH(HS_CROSS, 0xFF00); }},
        Creation{"PatternBrush", "BRUSH",
                 [] {
                   HBITMAP pattern = gfx::VDBRUSHES(3);
                   HBRUSH brush = gfx::CREATEPATTERNBRUSH(pattern);
                   gfx::DELETEOBJECT(pattern);
                   return brush;
                 }},
        Creation{"BrushPattern", "BMP", [] { return gfx::VDBRUSHES(4); }},
        Creation{"FileBitmap", "BMP",
                 [] {
                   gfxtest::ScratchFile file(Grey256());
                   return gfx::READBITMAP(nullptr, file.path());
                 }},
        Creation{"Font", "FONT",
                 [] {
                   return gfx::CREATEFONT(
                       rt::Value::Array({-12, 0, 0, 0, 400, false, false, false, 0, 0, 0, 0, 0, "Arial"}));
                 }},
        Creation{"DibPalette", "PAL",
                 [] {
                   gfxtest::ScratchFile file(Grey256());
                   HGLOBAL dib = gfx::DIBREAD(file.path());
                   HPALETTE palette = gfx::DIBPALETTE(dib);
                   svc::GLOBALFREE(svc::HandleNumber(dib));
                   return palette;
                 }}),
    [](const testing::TestParamInfo<Creation>& info) { return std::string(info.param.name); });

TEST_F(Tracking, CursorsAreRegisteredAsCur) {
  EXPECT_EQ(TagOf(gfx::GETCURSORDRAG()), "CUR");
  HBITMAP bitmap = gfxtest::MakeBitmap(1, 1, {RGB(0, 0, 0)});
  HCURSOR cursor = gfx::CREATEBMPCURSOR(bitmap, nullptr, 0, 0, false, rt::Value::Array({0}), {}, {}, {});
  EXPECT_EQ(TagOf(cursor), "CUR");
  EXPECT_TRUE(gfx::DESTROYCURSOR(cursor));
  EXPECT_EQ(TagOf(cursor), "");
  DeleteObject(bitmap);
}

}  // namespace
