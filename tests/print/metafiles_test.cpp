// Metafiles under Wine: recording a page file, reading placeable files
// (the fuzz corpus included) and the enhanced-metafile functions.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "print/metafiles.h"
#include "tests/runtime/scratch_dir.h"

namespace {

std::string Corpus(const char* name) { return std::string(VD_METAFILE_CORPUS) + "/" + name; }

// A page file with a black rectangle in it.
std::string RecordRectangle(const rt::test::ScratchDir& dir) {
  const std::string file = dir.In("page.wmf");
  HDC dc = prn::CREATEMETAFILE(file);
  EXPECT_TRUE(dc);
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Rectangle(dc, 10, 10, 50, 30);
  prn::DELETEMETAFILE(prn::CLOSEMETAFILE(dc));
  return file;
}

COLORREF PlayedPixel(HMETAFILE meta, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 700, 700);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  RECT all{0, 0, 700, 700};
  FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_TRUE(prn::PLAYMETAFILE(mem, meta));
  const COLORREF c = GetPixel(mem, x, y);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  return c;
}

TEST(Metafiles, RecordedPageLoadsAndPlays) {
  rt::test::ScratchDir dir;
  const std::string file = RecordRectangle(dir);
  HMETAFILE meta = prn::GETMETAFILE(file);
  ASSERT_TRUE(meta);
  EXPECT_EQ(PlayedPixel(meta, 20, 20), RGB(0, 0, 0));
  EXPECT_EQ(PlayedPixel(meta, 70, 70), RGB(255, 255, 255));
  EXPECT_NE(prn::DELETEMETAFILE(meta), 0);
  EXPECT_FALSE(prn::GETMETAFILE(dir.In("missing.wmf")));
}

TEST(Metafiles, PlaceableFileFillsOnlyAFiveElementInfo) {
  const rt::Value five = rt::Value::ArrayOf(5), four = rt::Value::Array({1, 2, 3, 4});
  const std::intptr_t meta = prn::GETPMETAFILE(Corpus("rectangle.wmf"), five);
  ASSERT_NE(meta, -1);
  // The rectangle has the default pen and brush: a black outline.
  EXPECT_EQ(PlayedPixel(reinterpret_cast<HMETAFILE>(meta), 100, 300), RGB(0, 0, 0));
  DeleteMetaFile(reinterpret_cast<HMETAFILE>(meta));
  EXPECT_EQ(five.At(1), rt::Value(0));
  EXPECT_EQ(five.At(2), rt::Value(0));
  EXPECT_EQ(five.At(3), rt::Value(800));
  EXPECT_EQ(five.At(4), rt::Value(1000));
  EXPECT_EQ(five.At(5), rt::Value(1440));
  const std::intptr_t other = prn::GETPMETAFILE(Corpus("minimal.wmf"), four);
  ASSERT_NE(other, -1);
  DeleteMetaFile(reinterpret_cast<HMETAFILE>(other));
  EXPECT_EQ(four.At(4), rt::Value(4));
}

TEST(Metafiles, DamagedPlaceableFilesGiveMinusOne) {
  rt::test::ScratchDir dir;
  EXPECT_EQ(prn::GETPMETAFILE(dir.In("missing.wmf")), -1);
  EXPECT_EQ(prn::GETPMETAFILE(Corpus("oversized.wmf")), -1);
  EXPECT_EQ(prn::GETPMETAFILE(Corpus("short.wmf")), -1);
  // Every truncation of a good file is refused or read whole; none crashes.
  std::ifstream in(Corpus("rectangle.wmf"), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    const std::string cut = dir.In("cut.wmf");
    std::ofstream(cut, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(n));
    EXPECT_EQ(prn::GETPMETAFILE(cut), -1) << n;
  }
  for (const auto& entry : std::filesystem::directory_iterator(VD_METAFILE_CORPUS)) {
    const std::intptr_t meta = prn::GETPMETAFILE(entry.path().string());
    if (meta != -1) DeleteMetaFile(reinterpret_cast<HMETAFILE>(meta));
  }
}

TEST(Metafiles, StandardFileBecomesAnEnhancedOne) {
  rt::test::ScratchDir dir;
  HENHMETAFILE emf = prn::WMF2EMF(RecordRectangle(dir));
  ASSERT_TRUE(emf);
  ENHMETAHEADER header{};
  EXPECT_EQ(prn::GETEMFHEADER(emf, sizeof header, &header), sizeof header);
  EXPECT_EQ(header.dSignature, static_cast<DWORD>(ENHMETA_SIGNATURE));
  EXPECT_TRUE(prn::DELETEEMF(emf));
  EXPECT_FALSE(prn::WMF2EMF(dir.In("missing.wmf")));
}

}  // namespace
