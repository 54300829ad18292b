// The printer by name, as hooks, the preview and programs reach it: each
// drawing message leaves its record in a recorded page, conversions answer
// by reference, the map modes are eight messages; and pictures drawn on a
// page leave no drawing handle or memory block behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "graphics/dc.h"
#include "graphics/palette_bitmap.h"
#include "print/print_settings.h"
#include "services/int32.h"
#include "tests/print/report_fixture.h"

namespace {

using printtest::ReadFile;

using PrinterByName = printtest::ReportPrinting;

const std::string kPicture = std::string(VD_SOURCE_DIR) + "/tests/graphics/fixtures/grey256.bmp";

TEST_F(PrinterByName, DrawingMessagesReachTheRecordedPage) {
  const rt::Value p = rt::CreateObject("TPRINTER");
  rt::SendV(p, "New", "Namen", false, true);
  ASSERT_NE(rt::Send(p, "hDC").AsNumber(), 0);
  const rt::Value pen = rt::Value(std::make_shared<gfx::TPen>());
  pen.As<gfx::TPen>()->New(PS_SOLID, 3, 0xFF);
  const struct {
    const char* message;
    std::vector<rt::Value> args;
    WORD record;  // 0: the page holds the text "Probe"
  } cases[] = {
      {"Say", {100, 100, "Probe"}, 0},
      {"CmSay", {2, 2, "Probe"}, 0},
      {"InchSay", {1, 1, "Probe", rt::Value(), 300}, 0},
      {"CharSay", {3, 4, "Probe"}, 0},
      {"SetPos", {10, 20}, META_MOVETO},
      {"Line", {10, 10, 200, 400, pen}, META_LINETO},
      {"Box", {10, 10, 200, 400}, META_RECTANGLE},
      {"RoundBox", {10, 10, 200, 400, 20, 20, rt::Value(), 0xFF00}, META_ROUNDRECT},
      {"Arc", {10, 10, 200, 400, 0, 0, 400, 0}, META_ARC},
      {"Chord", {10, 10, 200, 400, 0, 0, 400, 0}, META_CHORD},
      {"Ellipse", {10, 10, 200, 400}, META_ELLIPSE},
      {"Pie", {10, 10, 200, 400, 0, 0, 400, 0}, META_PIE},
      {"SetPixel", {5, 6, 0xFF}, META_SETPIXEL},
      {"SayBitmap", {50, 50, kPicture, 100, 100}, META_STRETCHDIB},
      {"SayBitmap", {50, 50, "GREY256", 100, 100}, META_STRETCHDIB},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    rt::Send(p, "StartPage");
    std::vector<rt::Value> args = c.args;
    rt::Send(p, c.message, rt::Args(args.data(), args.size()));
    rt::Send(p, "EndPage");
    const rt::Value pages = rt::Send(p, "aMeta");
    const std::string page = ReadFile(pages.At(pages.Len()).AsString().c_str());
    if (c.record == 0) {
      EXPECT_NE(page.find("Probe"), std::string::npos);
    } else {
      const auto records = printtest::MetaRecords(page);
      EXPECT_NE(std::find(records.begin(), records.end(), c.record), records.end());
    }
  }
  EXPECT_EQ(rt::Send(p, "nPage").AsNumber(), static_cast<double>(std::size(cases)));
  rt::Send(p, "End");
  pen.As<gfx::TPen>()->End();
  EXPECT_EQ(rt::Send(p, "hDC").AsNumber(), 0);
  EXPECT_EQ(NewTempEntries(), std::vector<std::string>{});
  EXPECT_EQ(NewHandles(), printtest::Tags{});
  EXPECT_EQ(NewBlocks(), 0u);
}

TEST_F(PrinterByName, ConversionsAndAnswers) {
  const auto printer = std::make_shared<prn::TPrinter>();
  prn::TPrinter& direct = *printer;
  direct.New(rt::Value("Namen"));
  ASSERT_TRUE(direct.hDC);
  const rt::Value p = direct.Self();
  // Row and column come back by reference.
  rt::Value slots[] = {rt::Value(2), rt::Value(3)};
  const rt::Value answer = rt::Send(p, "Cmtr2Pix", rt::Args(slots, 2));
  double row = 2, col = 3;
  direct.Cmtr2Pix(row, col);
  EXPECT_DOUBLE_EQ(slots[0].AsNumber(), row);
  EXPECT_DOUBLE_EQ(slots[1].AsNumber(), col);
  EXPECT_DOUBLE_EQ(answer.At(2).AsNumber(), col);
  rt::Value inches[] = {rt::Value(1), rt::Value(1)};
  rt::Send(p, "Inch2Pix", rt::Args(inches, 2));
  EXPECT_NEAR(inches[0].AsNumber(), direct.nLogPixelY() - direct.nYOffset, 1);

  const struct {
    const char* message;
    std::vector<rt::Value> args;
    std::function<bool(const rt::Value&)> holds;
  } cases[] = {
      {"nLogPixelY", {}, [&](const rt::Value& v) { return v.AsNumber() == direct.nLogPixelY(); }},
      {"nHorzRes", {}, [&](const rt::Value& v) { return v.AsNumber() == direct.nHorzRes(); }},
      {"Pix2Inch", {direct.nLogPixelY(), 0}, [](const rt::Value& v) { return v.At(1).AsNumber() == 1; }},
      {"Pix2Mmtr", {direct.nLogPixelY(), 0}, [](const rt::Value& v) { return std::abs(v.At(1).AsNumber() - 25.4) < 1e-9; }},
      {"CmRect2Pix", {rt::Value::Array({2, 2, 3, 3})}, [](const rt::Value& v) { return v.Len() == 4; }},
      {"SizeInch2Pix", {1, 2}, [&](const rt::Value& v) { return std::abs(v.At(1).AsNumber() - 2 * direct.nLogPixelX()) < 2; }},
      {"GetModel", {}, [](const rt::Value& v) { return v.AsString() == "VD Test A"; }},
      {"GetDriver", {}, [](const rt::Value& v) { return !v.AsString().empty(); }},
      {"GetPort", {}, [](const rt::Value& v) { return !v.AsString().empty(); }},
      {"GetOrientation", {}, [](const rt::Value& v) { return v.AsNumber() == DMORIENT_PORTRAIT; }},
      {"GetPhySize", {}, [](const rt::Value& v) { return v.At(1).AsNumber() > 100 && v.At(2).AsNumber() > 100; }},
      {"GetTextWidth", {"BB"}, [&](const rt::Value& v) { return v.AsNumber() == 2 * direct.GetTextWidth("B"); }},
      {"GetTextHeight", {"B"}, [](const rt::Value& v) { return v.AsNumber() > 0; }},
      {"CharWidth", {}, [](const rt::Value& v) { return v.AsNumber() > 10; }},
      {"CharHeight", {}, [](const rt::Value& v) { return v.AsNumber() > 10; }},
      {"SetFont", {}, [&](const rt::Value& v) { return v.As<gfx::TFont>() == direct.oFont; }},
      {"ResetDC", {}, [](const rt::Value& v) { return v.IsLogical(); }},
      {"cDocument", {}, [](const rt::Value& v) { return v.AsString() == "Namen"; }},
  };
  for (const auto& c : cases) {
    std::vector<rt::Value> args = c.args;
    EXPECT_TRUE(c.holds(rt::Send(p, c.message, rt::Args(args.data(), args.size())))) << c.message;
  }

  // The eight map modes, each its own message.
  const std::pair<const char*, int> modes[] = {
      {"SetPixelMode", MM_TEXT},         {"SetTwipsMode", MM_TWIPS},       {"SetLoInchMode", MM_LOENGLISH},
      {"SetHiInchMode", MM_HIENGLISH},   {"SetLoMetricMode", MM_LOMETRIC}, {"SetHiMetricMode", MM_HIMETRIC},
      {"SetIsotropicMode", MM_ISOTROPIC}, {"SetAnisotropicMode", MM_ANISOTROPIC}};
  for (const auto& [message, mode] : modes) {
    rt::Send(p, message);
    EXPECT_EQ(GetMapMode(direct.hDC), mode) << message;
  }
  rt::SendV(p, "SetWindowExt", 100, 200);
  SIZE ext{};
  GetWindowExtEx(direct.hDC, &ext);
  EXPECT_EQ(ext.cy, 200);
  rt::Send(p, "SetPixelMode");

  // Settings rebuild the DC and are put back by End.
  rt::Send(p, "SetLandscape");
  EXPECT_EQ(rt::Send(p, "GetOrientation").AsNumber(), DMORIENT_LANDSCAPE);
  EXPECT_TRUE(rt::Send(p, "lModified").AsLogical());
  EXPECT_NE(rt::Send(p, "hDC").AsNumber(), 0);
  rt::Send(p, "End");
  EXPECT_EQ(prn::PRNGETORIENTATION(), DMORIENT_PORTRAIT);
  EXPECT_EQ(NewHandles(), printtest::Tags{});
}

// A picture from a resource (256 colours: a palette is made with it), from
// a file, or an image already loaded, on a page printed directly (which
// makes the picture's palette) or recorded.
TEST_F(PrinterByName, PicturesLeaveNothingBehind) {
  const rt::Value image = gfx::PALBMPLOAD(rt::Value("GREY256"));
  ASSERT_NE(image.At(1).AsNumber(), 0);
  const printtest::Tags imageHandles = NewHandles();
  for (const bool record : {false, true}) {
    prn::TPrinter p;
    p.New(rt::Value("Bilder"), false, record);
    ASSERT_TRUE(p.hDC);
    p.StartPage();
    const struct {
      const char* from;
      std::function<void()> draw;
    } cases[] = {
        {"resource", [&] { p.SayBitmap(10, 10, rt::Value("GREY256"), 40, 40); }},
        {"file", [&] { p.SayBitmap(10, 60, rt::Value(kPicture), 40, 40); }},
        {"image", [&] { p.SayImage(10, 110, image, 40); }},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(record ? "recorded, " : "direct, ") + c.from);
      c.draw();
      EXPECT_EQ(NewHandles(), imageHandles);
      EXPECT_EQ(NewBlocks(), 0u);
    }
    p.EndPage();
    p.End();
  }
  gfx::DELETEOBJECT(reinterpret_cast<HGDIOBJ>(svc::ToHandle(image.At(1))));
  gfx::DELETEOBJECT(reinterpret_cast<HGDIOBJ>(svc::ToHandle(image.At(2))));
  EXPECT_EQ(NewHandles(), printtest::Tags{});
}

}  // namespace
