// The message bar and its panels: placement, the message area's repaints,
// panel layout, the keyboard panels, the read-out and what Destroy frees.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "../graphics/bmp_fixture.h"
#include "../graphics/window_pixels.h"
#include "controls/running_time.h"
#include "controls/tmsgbar.h"
#include "graphics/colour.h"
#include "graphics/fonts.h"
#include "owner_window.h"
#include "services/keyboard.h"

namespace {

using controltest::OwnerWindow;

std::shared_ptr<controls::TMsgBar> Bar(const OwnerWindow& owner, const char* message = "Bereit") {
  auto bar = std::make_shared<controls::TMsgBar>();
  controls::MsgBarArgs a;
  a.oWnd = owner.value();
  a.cMsg = message;
  bar->New(a);
  return bar;
}

std::shared_ptr<controls::TMsgItem> Panel(const std::shared_ptr<controls::TMsgBar>& bar, const char* text,
                                          rt::Value width, rt::Value colours = {}) {
  auto item = std::make_shared<controls::TMsgItem>();
  controls::MsgItemArgs a;
  a.oMsgBar = rt::Value(bar);
  a.cMsg = text;
  a.nWidth = width;
  a.nClrText = colours;
  a.lAdd = true;
  item->New(a);
  return item;
}

TEST(TMsgBar, SitsAtTheOwnersClientBottom) {
  OwnerWindow owner(300, 400);
  const int textHeight = gfx::GETTEXTHEIGHT(owner.w->hWnd);
  const auto bar = Bar(owner);
  RECT client{};
  GetClientRect(owner.w->hWnd, &client);
  EXPECT_EQ(bar->Height(), textHeight + 8);
  EXPECT_EQ(bar->nTop, client.bottom - bar->Height());
  EXPECT_EQ(bar->nLeft, -1);
  EXPECT_EQ(bar->nRight, client.right + 1);
  EXPECT_EQ(owner.w->oMsgBar.AsObject().get(), bar.get());
  EXPECT_EQ(bar->cMsgDef, "Bereit");
  EXPECT_EQ(bar->nClrPane, gfx::GETSYSCOLOR(COLOR_BTNFACE));
  // The bar's own font: one use, held by the bar.
  ASSERT_TRUE(bar->oFont);
  EXPECT_EQ(bar->oFont->nCount, 1);
  EXPECT_EQ(GetObjectType(bar->oFont->hFont), static_cast<DWORD>(OBJ_FONT));
}

TEST(TMsgBar, PanelLayoutFromTheRightEdge) {
  OwnerWindow owner(300, 500);
  const auto bar = Bar(owner);
  EXPECT_EQ(bar->RightLimit(), 0);
  const auto language = Panel(bar, "Sprache: DEUENG", 120, "R*/BG");
  const auto count = Panel(bar, "Begriffe: 1234", 90, "R*/BG");
  EXPECT_EQ(language->nClrText, gfx::NGETFORERGB(rt::Value("R*/BG")));
  EXPECT_EQ(language->nClrPane, gfx::NGETBACKRGB(rt::Value("R*/BG")));
  EXPECT_EQ(count->nLeft(), bar->nRight - 13 - (90 - 2));
  EXPECT_EQ(language->nLeft(), bar->nRight - 13 - (90 + 4) - (120 - 2));
  EXPECT_EQ(bar->RightLimit(), language->nLeft());
  bar->ClockOn();
  const auto after = Panel(bar, "danach", 50);
  EXPECT_GT(after->nLeft(), bar->oClock->nLeft());
  EXPECT_EQ(bar->oClock->nWidth, bar->GetWidth(bar->oClock->cMsg) + 12);
  // Panels wider than the bar leave no message area, yet still count as
  // panels.
  Panel(bar, "breit", 2000);
  bar->InsItem(Panel(bar, "vorn", 40), rt::Value(1));
  EXPECT_EQ(bar->aItem.front()->cMsg, "vorn");
  EXPECT_GE(bar->RightLimit(), 1);
  bar->DelItem(after);
  EXPECT_EQ(bar->GetItem(), 6);
  // A maximised owner without themes has no size grip: panels move right.
  const long normal = bar->nRight - count->nLeft();
  ShowWindow(owner.w->hWnd, SW_MAXIMIZE);
  EXPECT_EQ(normal - (bar->nRight - count->nLeft()), 10);
}

TEST(TMsgBar, SetMsgPaintsOnlyAChange) {
  OwnerWindow owner(300, 400);
  const auto bar = Bar(owner, "");
  RedrawWindow(bar->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  auto blacken = [&] {
    HDC dc = GetDC(bar->hWnd);
    RECT r{6, 6, 40, bar->Height() - 6};
    FillRect(dc, &r, black);
    ReleaseDC(bar->hWnd, dc);
  };
  auto black_at = [&] { return WindowPixels(bar->hWnd).At(20, bar->Height() / 2) == RGB(0, 0, 0); };
  bar->SetMsg("Suche");
  blacken();
  bar->SetMsg("Suche");
  EXPECT_TRUE(black_at()) << "the current text is not painted again";
  bar->SetMsg("");
  EXPECT_FALSE(black_at()) << "clearing repaints";
  blacken();
  bar->SetMsg("");
  EXPECT_TRUE(black_at()) << "clearing twice repaints once";
  bar->SetMsg("Neu");
  EXPECT_FALSE(black_at());
}

TEST(TMsgBar, CapsPanelClickTogglesTheKeyAndTheLook) {
  OwnerWindow owner(300, 400);
  const auto bar = Bar(owner);
  bar->KeybOn();
  ASSERT_TRUE(bar->oKeyCaps && bar->oTimer);
  EXPECT_EQ(bar->oKeyNum->cMsg, "Num");
  EXPECT_EQ(bar->oKeyIns->cMsg, "Ins");
  EXPECT_EQ(bar->oKeyCaps->nClrDisabled, gfx::GETSYSCOLOR(COLOR_BTNSHADOW));
  const bool before = svc::GETKEYTOGGLE(VK_CAPITAL);
  const long col = bar->oKeyCaps->nLeft() + 2;
  SendMessageA(bar->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(col, 8));
  EXPECT_EQ(svc::GETKEYTOGGLE(VK_CAPITAL), !before);
  EXPECT_EQ(bar->oKeyCaps->lActive, !before);
  SendMessageA(bar->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(col, 8));
  EXPECT_EQ(svc::GETKEYTOGGLE(VK_CAPITAL), before);
  EXPECT_EQ(bar->oKeyCaps->lActive, before);
  bar->KeybOff();
  EXPECT_EQ(bar->GetItem(), 0);
}

TEST(TMsgBar, PanelTextFromAnyValue) {
  OwnerWindow owner(300, 400);
  const auto bar = Bar(owner);
  const auto item = Panel(bar, "", 60);
  item->bMsg = rt::Value::Block([](rt::Args) { return rt::Value(1234); });
  item->Refresh();
  EXPECT_EQ(item->cMsg, "1234");
  item->SetText(rt::Value(true));
  EXPECT_EQ(item->cMsg, ".T.");
}

TEST(TMsgBar, RunningTimeCountsWholeDays) {
  const struct {
    long startDay, startSeconds, nowDay, nowSeconds, seconds;
  } cases[] = {
      {100, 1000, 100, 4723, 3723},                // the same day
      {100, 86000, 101, 3323, 3723},               // past midnight
      {100, 0, 102, 0, 2 * 86400},                 // two whole days
      {100, 5000, 99, 9000, 0},                    // the clock set back
  };
  for (const auto& c : cases) {
    EXPECT_EQ(controls::SecondsBetween(c.startDay, c.startSeconds, c.nowDay, c.nowSeconds), c.seconds);
  }
  EXPECT_EQ(controls::ResourceReadOut(1234567, 2345678, 100,
                                      controls::RunningTimeText(controls::SecondsBetween(100, 86000, 101, 3323))),
            "(32 bits) MemUsed: 1,234,567 MemMax: 2,345,678 Resources: 100% Running time: 1 hours 2 mins 3 secs ");
}

TEST(TMsgBar, DoubleClickShowsTheReadOutAndPutsTheTitleBack) {
  OwnerWindow owner(300, 400);
  owner.w->_cTitle("W\xF6rterbuch");
  const auto bar = Bar(owner);
  SendMessageA(bar->hWnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10));
  EXPECT_TRUE(bar->lCheckRes);
  EXPECT_EQ(bar->Cargo.AsString(), "W\xF6rterbuch");
  bar->TimerEval();
  EXPECT_EQ(owner.w->cTitle().rfind("(32 bits) MemUsed: ", 0), 0u);
  SendMessageA(bar->hWnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10));
  bar->TimerEval();
  EXPECT_EQ(owner.w->cTitle(), "W\xF6rterbuch");
  EXPECT_TRUE(bar->Cargo.IsNil());
}

TEST(TMsgBar, DestroyFreesEveryPanelsPicturesAndKeepsSharedFonts) {
  OwnerWindow owner(300, 400);
  const auto bar = Bar(owner);
  const int barUses = bar->oFont->nCount;
  const gfxtest::ScratchFile active(gfxtest::MakeBmp(16, 16, 24, 0, 0x80));
  const gfxtest::ScratchFile inactive(gfxtest::MakeBmp(12, 16, 24, 0, 0x40));
  auto item = std::make_shared<controls::TMsgItem>();
  controls::MsgItemArgs a;
  a.oMsgBar = rt::Value(bar);
  a.cBitmap1 = active.path();
  a.cBitmap2 = inactive.path();
  a.lAdd = true;
  item->New(a);
  EXPECT_EQ(item->nWidth, 16 + 7);
  const HBITMAP one = item->picture1.bitmap, two = item->picture2.bitmap;
  ASSERT_TRUE(one && two);
  // A panel on the bar's font holds its own use: changing it leaves the
  // bar's font alive.
  const auto barFont = bar->oFont;
  EXPECT_EQ(barFont->nCount, barUses + 1);
  item->SetFont(nullptr);
  EXPECT_EQ(barFont->nCount, barUses);
  EXPECT_EQ(GetObjectType(barFont->hFont), static_cast<DWORD>(OBJ_FONT));
  auto missing = std::make_shared<controls::TMsgItem>();
  controls::MsgItemArgs m;
  m.oMsgBar = rt::Value(bar);
  m.cBitmap1 = "kein_bild.bmp";
  missing->New(m);
  EXPECT_EQ(missing->picture1.bitmap, nullptr);
  EXPECT_EQ(missing->nWidth, 40);
  DestroyWindow(bar->hWnd);
  EXPECT_EQ(GetObjectType(one), 0u);
  EXPECT_EQ(GetObjectType(two), 0u);
}

}  // namespace
