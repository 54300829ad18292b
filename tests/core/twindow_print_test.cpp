// Printing a window's image onto a printer object's page, or through the
// window's own print hook.
#include <windows.h>

#include <commdlg.h>

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "tests/graphics/canvas.h"
#include "runtime/object.h"
#include "services/comdlg_entry.h"
#include "test_support.h"
#include "twindow_support.h"
#include "services/int32.h"

namespace {

using coretest::CallLog;
using coretest::OwnedWindow;

// A printer of a later layer as the window sees it: a device context and
// page calls. Its page is a white bitmap in memory.
class TPageProbe : public rt::Object {
 public:
  RT_CLASS_DECL()
  CallLog* log = nullptr;
  HDC dc = nullptr;
};

const rt::ClassInfo& TPageProbe::ClassDef() {
  static const rt::ClassInfo info("TPAGEPROBE", &Object::ClassDef(), rt::FactoryOf<TPageProbe>(), [](rt::ClassInfo& c) {
    c.AddData(
        "hDC",
        [](const rt::Object& o) {
          return rt::Value(svc::HandleNumber(static_cast<const TPageProbe&>(o).dc));
        },
        [](rt::Object&, const rt::Value&) {});
    for (const char* name : {"StartPage", "EndPage"}) {
      c.AddMethod(name, [name](rt::Object& o, rt::Args a) {
        static_cast<TPageProbe&>(o).log->Add(name, a);
        return rt::Value();
      });
    }
  });
  return info;
}

RT_CLASS_REGISTER(TPageProbe);

constexpr COLORREF kPane = RGB(200, 0, 0);
constexpr COLORREF kPaper = RGB(255, 255, 255);

// A borderless 40 x 30 window of one colour, painted on the screen.
core::WindowArgs PaneWindow() {
  core::WindowArgs args = coretest::PixelArgs(20, 20, 49, 59, WS_POPUP | WS_VISIBLE);
  args.nClrBack = rt::Value(static_cast<long>(kPane));
  return args;
}

TEST(TWindowPrint, TheImageLandsAtTheGivenPlaceAndScaleOfThePage) {
  struct Case {
    int row, col, scale, printedScale;
  };
  // Scale 0 keeps the size on paper; the memory page has the screen's
  // resolution.
  const Case cases[] = {{10, 20, 0, 1}, {5, 7, 2, 2}, {3, 4, 3, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scale);
    OwnedWindow w(PaneWindow());
    UpdateWindow(w->hWnd);
    gfxtest::Canvas page(300, 200);
    CallLog log;
    auto printer = std::make_shared<TPageProbe>();
    printer->log = &log;
    printer->dc = page.dc();
    EXPECT_EQ(rt::SendV(w.value(), "Print", rt::Value(printer), c.row, c.col, c.scale), rt::Value(true));
    EXPECT_EQ(log.Joined(), "StartPage() EndPage()");
    const int bottom = c.row + 30 * c.printedScale - 1, right = c.col + 40 * c.printedScale - 1;
    EXPECT_EQ(page.Pixel(c.col, c.row), kPane);
    EXPECT_EQ(page.Pixel(right, bottom), kPane);
    EXPECT_EQ(page.Pixel(right + 1, bottom), kPaper);
    EXPECT_EQ(page.Pixel(right, bottom + 1), kPaper);
    EXPECT_EQ(page.Pixel(c.col, c.row - 1), kPaper);
    EXPECT_EQ(page.Pixel(c.col - 1, c.row), kPaper);
  }
}

TEST(TWindowPrint, ThePrintHookPrintsInstead) {
  OwnedWindow w(PaneWindow());
  gfxtest::Canvas page(300, 200);
  CallLog log(w.value());
  auto printer = std::make_shared<TPageProbe>();
  printer->log = &log;
  printer->dc = page.dc();
  w->bPrint = log.Block("bPrint", rt::Value("gedruckt"));
  EXPECT_EQ(w->Print(rt::Value(printer), 0, 0, 1), rt::Value("gedruckt"));
  EXPECT_EQ(w->HardCopy(), rt::Value("gedruckt"));
  EXPECT_EQ(log.Joined(), "bPrint(Self) bPrint(Self)");
  EXPECT_EQ(page.Pixel(0, 0), kPaper);
}

TEST(TWindowPrint, APrinterWithoutDeviceContextPrintsNothing) {
  OwnedWindow w(PaneWindow());
  CallLog log;
  auto printer = std::make_shared<TPageProbe>();
  printer->log = &log;
  EXPECT_EQ(w->Print(rt::Value(printer)), rt::Value(false));
  EXPECT_EQ(log.Joined(), "");
}

bool HasDefaultPrinter() {
  auto printDlg = svc::ComDlgFunction<BOOL WINAPI(LPPRINTDLGA)>("PrintDlgA");
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
  const bool found = printDlg && printDlg(&pd);
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  return found;
}

TEST(TWindowPrint, WithoutAPrinterNothingIsPrintedAndNothingAsked) {
  if (HasDefaultPrinter()) GTEST_SKIP() << "this system has a printer";
  OwnedWindow w(PaneWindow());
  coretest::BoxWatch boxes;
  EXPECT_EQ(w->Print(), rt::Value(false));
  EXPECT_EQ(w->HardCopy(2), rt::Value(false));
  EXPECT_TRUE(boxes.boxes().empty());
}

}  // namespace
