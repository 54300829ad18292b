// Scroll bars: the control, a window's own bars reached by name, the
// library's scroll messages and positions beyond 16 bits.
#include <gtest/gtest.h>
#include <windows.h>

#include "controls/tscrollbar.h"
#include "core/tmdi_child.h"
#include "core/tmdi_frame.h"
#include "owner_window.h"

namespace {

using controltest::OwnerWindow;

void Pump() {
  MSG msg;
  for (int i = 0; i < 500 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// A block that counts its calls and keeps the scroll bar's position seen
// at the last one.
struct Probe {
  int calls = 0;
  long seenPos = -1;
  rt::Value Block(const std::shared_ptr<controls::TScrollBar>& bar) {
    return rt::Value::Block([this, weak = std::weak_ptr<controls::TScrollBar>(bar)](rt::Args) {
      ++calls;
      if (const auto b = weak.lock()) seenPos = b->GetPos();
      return rt::Value();
    });
  }
};

std::shared_ptr<controls::TScrollBar> Bar(const OwnerWindow& owner, long min, long max, long page,
                                          bool vertical = true) {
  auto bar = std::make_shared<controls::TScrollBar>();
  controls::ScrollBarArgs a;
  a.nMin = min;
  a.nMax = max;
  a.nPgStep = page;
  a.lVertical = vertical;
  a.oWnd = owner.value();
  a.nRow = 1;
  a.nCol = 2;
  bar->New(a);
  return bar;
}

TEST(TScrollBar, PlaceAndDefaultSizes) {
  OwnerWindow owner(300, 300);
  const auto v = Bar(owner, 0, 10, 1, true);
  const auto h = Bar(owner, 0, 10, 1, false);
  EXPECT_EQ(v->nTop, 14);
  EXPECT_EQ(v->nLeft, 16);
  EXPECT_EQ(v->nRight - v->nLeft + 1, 16);
  EXPECT_EQ(v->nBottom - v->nTop + 1, 100);
  EXPECT_EQ(h->nRight - h->nLeft + 1, 100);
  EXPECT_EQ(h->nBottom - h->nTop + 1, 17);
  EXPECT_TRUE(GetWindowLongA(v->hWnd, GWL_STYLE) & SBS_VERT);
  EXPECT_FALSE(GetWindowLongA(h->hWnd, GWL_STYLE) & SBS_VERT);
  EXPECT_FALSE(v->lIsChild);
  const rt::Value range = v->GetRange();
  EXPECT_EQ(range.At(1).AsInt(), 0);
  EXPECT_EQ(range.At(2).AsInt(), 10);
}

TEST(TScrollBar, StepsEvaluateTheirBlocksAtTheLimitsToo) {
  OwnerWindow owner(300, 300);
  const auto bar = Bar(owner, 0, 10, 4);
  Probe up, down, pageDown, pageUp;
  bar->bGoUp = up.Block(bar);
  bar->bGoDown = down.Block(bar);
  bar->bPageDown = pageDown.Block(bar);
  bar->bPageUp = pageUp.Block(bar);

  bar->GoUp();
  EXPECT_EQ(bar->GetPos(), 0);
  EXPECT_EQ(up.calls, 1);
  bar->GoDown();
  EXPECT_EQ(bar->GetPos(), 1);
  EXPECT_EQ(down.seenPos, 1);
  // A page step runs its block first, then moves.
  bar->PageDown();
  EXPECT_EQ(pageDown.seenPos, 1);
  EXPECT_EQ(bar->GetPos(), 5);
  bar->PageUp();
  EXPECT_EQ(pageUp.seenPos, 5);
  EXPECT_EQ(bar->GetPos(), 1);
  bar->GoBottom();
  bar->GoDown();
  EXPECT_EQ(bar->GetPos(), 10);
  EXPECT_EQ(down.calls, 2);
}

TEST(TScrollBar, LibraryMessagesAnswerZeroAndTheOwnerRoutesNotifications) {
  OwnerWindow owner(300, 300);
  const auto bar = Bar(owner, 0, 100, 10);
  Probe down, pageDown, thumb, track;
  bar->bGoDown = down.Block(bar);
  bar->bPageDown = pageDown.Block(bar);
  int thumbAt = -1, trackAt = -1;
  bar->bPos = rt::Value::Block([&thumbAt](rt::Args a) {
    thumbAt = static_cast<int>(a[0].AsInt());
    return rt::Value();
  });
  bar->bTrack = rt::Value::Block([&trackAt](rt::Args a) {
    trackAt = static_cast<int>(a[0].AsInt());
    return rt::Value();
  });
  EXPECT_EQ(SendMessageA(bar->hWnd, controls::WM_VD_GODOWN, 0, 0), 0);
  EXPECT_EQ(SendMessageA(bar->hWnd, controls::WM_VD_PAGEDOWN, 0, 0), 0);
  EXPECT_EQ(SendMessageA(bar->hWnd, controls::WM_VD_THUMBPOS, 42, 0), 0);
  EXPECT_EQ(SendMessageA(bar->hWnd, controls::WM_VD_THUMBTRACK, 17, 0), 0);
  EXPECT_EQ(down.calls, 1);
  EXPECT_EQ(pageDown.calls, 1);
  EXPECT_EQ(thumbAt, 42);
  EXPECT_EQ(trackAt, 17);
  // The native notification reaches the bar through its owner.
  SendMessageA(owner.w->hWnd, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar->hWnd));
  EXPECT_EQ(down.calls, 2);
}

TEST(TScrollBar, ThumbBeyondSixteenBitsReadsTheFullPosition) {
  OwnerWindow owner(300, 300);
  const auto bar = Bar(owner, 0, 200000, 10);
  long seen = -1;
  bar->bPos = rt::Value::Block([&seen](rt::Args a) {
    seen = a[0].AsInt();
    return rt::Value();
  });
  bar->SetPos(150000);
  bar->ThumbPos(150000 & 0xFFFF);
  EXPECT_EQ(seen, 150000);
}

TEST(TScrollBar, WindowsOwnBarsAreScrollBarObjects) {
  auto w = std::make_shared<core::TWindow>();
  core::WindowArgs a;
  a.nTop = 0;
  a.nLeft = 0;
  a.nBottom = 200;
  a.nRight = 200;
  a.lPixel = true;
  a.lVScroll = true;
  a.lHScroll = true;
  w->New(a);
  const auto v = w->oVScroll.As<controls::TScrollBar>();
  const auto h = w->oHScroll.As<controls::TScrollBar>();
  ASSERT_TRUE(v && h);
  EXPECT_TRUE(v->lIsChild);
  EXPECT_TRUE(v->lVertical);
  EXPECT_FALSE(h->lVertical);
  EXPECT_EQ(v->hWnd, nullptr);
  int min = -1, max = -1;
  GetScrollRange(w->hWnd, SB_VERT, &min, &max);
  EXPECT_EQ(min, 1);
  EXPECT_EQ(max, 2);
  int downs = 0;
  v->bGoDown = rt::Value::Block([&downs](rt::Args) {
    ++downs;
    return rt::Value();
  });
  SendMessageA(w->hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(GetScrollPos(w->hWnd, SB_VERT), 2);
  DestroyWindow(w->hWnd);
}

TEST(TScrollBar, MdiDocumentsGetTheirBars) {
  auto frame = std::make_shared<core::TMdiFrame>();
  core::MdiFrameArgs fa;
  fa.nTop = 0;
  fa.nLeft = 0;
  fa.nBottom = 300;
  fa.nRight = 400;
  fa.lPixel = true;
  frame->New(fa);
  rt::Value args[16];
  args[4] = rt::Value("Dokument");
  args[9] = true;
  args[15] = true;
  const auto child = frame->ChildNew(rt::Args(args, 16)).As<core::TMdiChild>();
  ASSERT_TRUE(child);
  const auto v = child->oVScroll.As<controls::TScrollBar>();
  const auto h = child->oHScroll.As<controls::TScrollBar>();
  ASSERT_TRUE(v && h);
  EXPECT_TRUE(v->lIsChild && v->lVertical);
  EXPECT_FALSE(h->lVertical);
  int ups = 0;
  v->bGoUp = rt::Value::Block([&ups](rt::Args) {
    ++ups;
    return rt::Value();
  });
  SendMessageA(child->hWnd, WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(ups, 1);
  DestroyWindow(frame->hWnd);
  Pump();
}

}  // namespace
