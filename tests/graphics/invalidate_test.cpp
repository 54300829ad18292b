#include <gtest/gtest.h>

#include "canvas.h"
#include "graphics/dc.h"
#include "graphics/rect.h"

namespace {

// A window that records whether its last paint had to erase and what it
// had to paint.
class PaintProbe {
 public:
  PaintProbe() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &PaintProbe::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GfxPaintProbe";
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, "GfxPaintProbe", "", WS_POPUP, 0, 0, 100, 80, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    gfxtest::ShowWindowWithoutActivating(hwnd_);
    UpdateWindow(hwnd_);
  }
  ~PaintProbe() { DestroyWindow(hwnd_); }
  PaintProbe(const PaintProbe&) = delete;
  PaintProbe& operator=(const PaintProbe&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Paints what is pending; true when the background was erased.
  bool Paint() {
    erased_ = false;
    painted_ = RECT{};
    UpdateWindow(hwnd_);
    return erased_;
  }
  static RECT painted() { return painted_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) erased_ = true;
    if (msg == WM_PAINT) {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      painted_ = ps.rcPaint;
      EndPaint(hwnd, &ps);
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  static inline bool erased_ = false;
  static inline RECT painted_{};
  HWND hwnd_;
};

struct InvalidateCase {
  const char* name;
  rt::Value second;
  rt::Value third;
  bool erase;
  RECT area;
};

class Invalidate : public testing::TestWithParam<InvalidateCase> {};

TEST_P(Invalidate, MarksTheAreaWithTheEraseFlag) {
  PaintProbe probe;
  const InvalidateCase& c = GetParam();
  gfx::INVALIDATERECT(probe.hwnd(), c.second, c.third);
  EXPECT_EQ(probe.Paint(), c.erase);
  const RECT painted = PaintProbe::painted();
  EXPECT_EQ(painted.left, c.area.left);
  EXPECT_EQ(painted.top, c.area.top);
  EXPECT_EQ(painted.right, c.area.right);
  EXPECT_EQ(painted.bottom, c.area.bottom);
}

rt::Value Part() { return rt::Value::Array({10, 20, 30, 40}); }

INSTANTIATE_TEST_SUITE_P(
    Table, Invalidate,
    testing::Values(InvalidateCase{"Whole", {}, {}, true, RECT{0, 0, 100, 80}},
                    InvalidateCase{"WholeNoErase", false, {}, false, RECT{0, 0, 100, 80}},
                    InvalidateCase{"Rect", Part(), {}, true, RECT{20, 10, 40, 30}},
                    InvalidateCase{"RectNoErase", Part(), false, false, RECT{20, 10, 40, 30}},
                    InvalidateCase{"ThirdWinsOverSecond", true, false, false, RECT{0, 0, 100, 80}}),
    [](const testing::TestParamInfo<InvalidateCase>& info) { return std::string(info.param.name); });

TEST(Invalidate, WindowZeroDoesNothing) {
  PaintProbe probe;
  gfx::INVALIDATERECT(nullptr);
  EXPECT_FALSE(GetUpdateRect(probe.hwnd(), nullptr, FALSE));
}

TEST(MoveGet, FormattingRectangleBecomesTheClientArea) {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_MULTILINE, 0, 0, 120, 60, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  RECT narrow{5, 5, 50, 30};
  SendMessageA(edit, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&narrow));
  gfx::MOVEGET(edit);
  RECT format{};
  SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  RECT client{};
  GetClientRect(edit, &client);
  EXPECT_EQ(format.left, client.left);
  EXPECT_EQ(format.right, client.right);
  // The control keeps whole lines: the bottom comes as near as a line allows.
  EXPECT_GT(format.bottom, narrow.bottom);
  EXPECT_LE(format.bottom, client.bottom);
  DestroyWindow(edit);
}

TEST(CreateDc, ShortDeviceModeBlockIsNotPassedOn) {
  HDC display = gfx::CREATEDC("DISPLAY", "", "");
  ASSERT_NE(display, nullptr);
  EXPECT_TRUE(gfx::DELETEDC(display));
  HDC withShortBlock = gfx::CREATEDC("DISPLAY", "", "", std::string("\x01\x02", 2));
  ASSERT_NE(withShortBlock, nullptr);
  EXPECT_TRUE(gfx::DELETEDC(withShortBlock));
}

}  // namespace
