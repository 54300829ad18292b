// The grid's scroll bar, label, blinking notice, message table and
// proper-case helper on real windows.
#include <gtest/gtest.h>
#include <windows.h>

#include "../controls/owner_window.h"
#include "../graphics/window_pixels.h"
#include "tests/graphics/window_shot.h"
#include "core/message_loop.h"
#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "grid/dark_color.h"
#include "grid/date_seek.h"
#include "grid/grid_messages.h"
#include "grid/scroll_natives.h"
#include "grid/tbtndown.h"
#include "grid/tgbscrlbar.h"
#include "grid/tgtsay.h"
#include "runtime/codepage.h"
#include "services/timer.h"

namespace {

using controltest::ClassOf;
using controltest::OwnerWindow;
using grid::TGBScrlBar;
using grid::TGTSay;

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Paints the window and its children now.
void Settle(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Runs messages until a notice other than the one given shows (or none,
// when asked for none); the next notice waits for the messages of the
// moment to run.
std::shared_ptr<TGTSay> AwaitNotice(const std::shared_ptr<TGTSay>& previous = nullptr, bool none = false) {
  auto done = [&] {
    const auto now = grid::MsgBlinkLabel();
    return none ? now == nullptr : now && now != previous;
  };
  for (int i = 0; i < 1000 && !done(); ++i) {
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    DispatchMessageA(&msg);
  }
  return grid::MsgBlinkLabel();
}

TEST(TGBScrlBar, ControlBarsPlaceStyleAndSize) {
  OwnerWindow owner(300, 400);
  auto v = std::make_shared<TGBScrlBar>();
  grid::ScrlBarArgs a;
  a.nRow = 2;
  a.nCol = 3;
  a.nMin = 1;
  a.nMax = 50;
  a.oWnd = owner.value();
  v->New(a);
  ASSERT_TRUE(IsWindow(v->hWnd));
  EXPECT_EQ(ClassOf(v->hWnd), "ScrollBar");
  EXPECT_EQ(GetWindowLongA(v->hWnd, GWL_STYLE), 0x50010001);
  RECT r{};
  GetWindowRect(v->hWnd, &r);
  MapWindowPoints(nullptr, owner.w->hWnd, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 28);
  EXPECT_EQ(r.left, 24);
  EXPECT_EQ(r.right - r.left, 16);
  EXPECT_EQ(r.bottom - r.top, 100);
  EXPECT_EQ(v->GetPos(), 1);
  EXPECT_EQ(v->GetRange().At(2).AsInt(), 50);

  auto h = std::make_shared<TGBScrlBar>();
  grid::ScrlBarArgs b;
  b.lVertical = false;
  b.oWnd = owner.value();
  h->New(b);
  EXPECT_EQ(GetWindowLongA(h->hWnd, GWL_STYLE), 0x50010000);
  GetWindowRect(h->hWnd, &r);
  EXPECT_EQ(r.right - r.left, 100);
  EXPECT_EQ(r.bottom - r.top, 17);
}

TEST(TGBScrlBar, NotificationsRunTheMovesAndTheirBlocks) {
  OwnerWindow owner(300, 400);
  auto bar = std::make_shared<TGBScrlBar>();
  grid::ScrlBarArgs a;
  a.nMin = 1;
  a.nMax = 100;
  a.nPgStep = 10;
  a.oWnd = owner.value();
  std::vector<std::string> log;
  auto note = [&log](std::string what) {
    return rt::Value::Block([&log, what](rt::Args args) {
      log.push_back(what + (args.empty() ? "" : std::to_string(args[0].AsInt())));
      return rt::Value();
    });
  };
  a.bUpAct = note("up");
  a.bDownAct = note("down");
  a.bPgDown = note("pgdn");
  a.bPos = note("pos");
  bar->New(a);
  // Each block sees the position before its move, the move follows.
  bar->bPageDown = rt::Value::Block([&](rt::Args) {
    log.push_back("pgdn@" + std::to_string(bar->GetPos()));
    return rt::Value();
  });
  SendMessageA(bar->hWnd, grid::WM_VD_SCROLLUP, 0, 0);
  EXPECT_EQ(bar->GetPos(), 1);
  SendMessageA(bar->hWnd, grid::WM_VD_SCROLLDOWN, 0, 0);
  EXPECT_EQ(bar->GetPos(), 2);
  SendMessageA(bar->hWnd, grid::WM_VD_SCROLLPAGEDOWN, 0, 0);
  EXPECT_EQ(bar->GetPos(), 12);
  SendMessageA(bar->hWnd, grid::WM_VD_THUMBTRACK, 40, 0);
  bar->bTrack = note("track");
  SendMessageA(bar->hWnd, grid::WM_VD_THUMBTRACK, 41, 0);
  SendMessageA(bar->hWnd, grid::WM_VD_THUMBPOS, 42, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"up", "down", "pgdn@2", "pos40", "track41", "pos42"}));
  // The container's scroll message reaches the bar as the same notification.
  SendMessageA(owner.w->hWnd, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar->hWnd));
  EXPECT_EQ(bar->GetPos(), 13);
  EXPECT_EQ(log.back(), "down");
}

TEST(TGBScrlBar, AWindowsOwnBarAndFunctionsOnNoWindow) {
  OwnerWindow owner(300, 400);
  auto bar = std::make_shared<TGBScrlBar>();
  grid::ScrlBarWinArgs a;
  a.nMin = 1;
  a.nMax = 250;
  a.oWnd = owner.value();
  bar->WinNew(a);
  EXPECT_TRUE(bar->lIsChild);
  EXPECT_EQ(bar->hWnd, nullptr);
  const rt::Value range = grid::GETSCROLLRANGE(owner.w->hWnd, SB_VERT);
  EXPECT_EQ(range.At(1).AsInt(), 1);
  EXPECT_EQ(range.At(2).AsInt(), 250);
  bar->SetPos(77);
  EXPECT_EQ(grid::GETSCROLLPOS(owner.w->hWnd, SB_VERT), 77);
  bar->SetPage(20);
  SCROLLINFO si{sizeof si, SIF_PAGE, 0, 0, 0, 0, 0};
  GetScrollInfo(owner.w->hWnd, SB_VERT, &si);
  EXPECT_EQ(si.nPage, 20u);
  EXPECT_TRUE(grid::SETSCROLLRANGE(owner.w->hWnd, SB_HORZ, 0, 9, true, false, true).AsLogical());

  const HWND gone = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FF0));
  EXPECT_EQ(grid::SETSCROLLRANGE(gone, 1, 0, 5), rt::Value(0));
  EXPECT_EQ(grid::SETSCROLLRANGE(gone, 1, 0, 5, true, false, true), rt::Value(false));
  EXPECT_FALSE(grid::SETSCROLLPOS(gone, 1, 3));
  EXPECT_FALSE(grid::SETSCROLLINFO(gone, 1, 3));
  EXPECT_EQ(grid::GETSCROLLPOS(gone, 1), 0);
  EXPECT_EQ(grid::GETSCROLLRANGE(gone, 1).At(2).AsInt(), 0);
}

constexpr COLORREF kPane = RGB(255, 255, 255);

std::shared_ptr<TGTSay> Label(const OwnerWindow& owner, int row, const char* box, bool shaded,
                              rt::Value colours = rt::Value::Array({RGB(0, 0, 255), RGB(128, 128, 128)}),
                              const std::string& text = "MMMM", const rt::Value& font = {}) {
  auto say = std::make_shared<TGTSay>();
  grid::TSayArgs a;
  a.nRow = row;
  a.nCol = 10;
  a.lPixels = true;
  a.bText = rt::Value::Block([text](rt::Args) { return rt::Value(text); });
  a.oWnd = owner.value();
  a.aColors = colours;
  a.oFont = font;
  a.nWidth = font.IsNil() ? 80 : 200;
  a.nHeight = font.IsNil() ? 24 : 30;
  a.lShaded = shaded;
  if (box) a.cBox = box;
  say->New(a);
  return say;
}

int CountColour(const WindowPixels& px, const RECT& r, COLORREF c) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += px.At(x, y) == c;
  return n;
}

TEST(TGTSay, RaisedSunkenShadedAndPlainColours) {
  OwnerWindow owner(200, 300, kPane);
  const COLORREF c1 = RGB(0, 0, 255), c2 = RGB(128, 128, 128);
  const COLORREF light = static_cast<COLORREF>(grid::DARKCOLOR(c2, -48));
  const COLORREF dark = static_cast<COLORREF>(grid::DARKCOLOR(c2, 48));
  auto raised = Label(owner, 10, "RAISED", false);
  auto sunken = Label(owner, 50, "bass", false);
  auto shaded = Label(owner, 90, nullptr, true);
  auto plain = Label(owner, 130, nullptr, false);
  EXPECT_TRUE(GetWindowLongA(raised->hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  UpdateWindow(owner.w->hWnd);
  Pump();
  const WindowPixels px(owner.w->hWnd);
  const RECT rRaised{8, 8, 92, 36}, rSunken{8, 48, 92, 76}, rShaded{8, 88, 92, 116}, rPlain{8, 128, 92, 156};
  for (const RECT* r : {&rRaised, &rSunken}) {
    EXPECT_GT(CountColour(px, *r, c1), 20);
    EXPECT_GT(CountColour(px, *r, light), 5);
    EXPECT_GT(CountColour(px, *r, dark), 5);
  }
  EXPECT_GT(CountColour(px, rShaded, c1), 20);
  EXPECT_GT(CountColour(px, rShaded, dark), 5);
  EXPECT_EQ(CountColour(px, rShaded, light), 0);
  EXPECT_GT(CountColour(px, rPlain, c1), 20);
  EXPECT_EQ(CountColour(px, rPlain, dark), 0);
  // Raised text has its light shade above and left of the face.
  int firstLight = 1000, firstFace = 1000;
  for (int y = rRaised.top; y < rRaised.bottom; ++y)
    for (int x = rRaised.left; x < rRaised.right; ++x) {
      if (px.At(x, y) == light) firstLight = std::min(firstLight, y);
      if (px.At(x, y) == c1) firstFace = std::min(firstFace, y);
    }
  EXPECT_LT(firstLight, firstFace);
}

TEST(TGTSay, WhenBlockHidesAtPaintAndRefreshShowsAgain) {
  OwnerWindow owner(200, 300, kPane);
  bool show = false;
  auto say = Label(owner, 10, nullptr, false);
  say->blWhen = rt::Value::Block([&show](rt::Args) { return rt::Value(show); });
  Settle(owner.w->hWnd);
  EXPECT_TRUE(say->lHidden);
  EXPECT_FALSE(IsWindowVisible(say->hWnd));
  show = true;
  say->Refresh();
  EXPECT_TRUE(IsWindowVisible(say->hWnd));
  EXPECT_FALSE(say->lHidden);
}

TEST(TGTSay, EmptyCaptionHasNoNegativeWidth) {
  OwnerWindow owner(200, 300, kPane);
  auto say = std::make_shared<TGTSay>();
  grid::TSayArgs a;
  a.oWnd = owner.value();
  say->New(a);
  EXPECT_EQ(say->nRight - say->nLeft + 1, 0);
}

TEST(TGTSay, BlinkAlternatesAndEndsAfterItsTime) {
  OwnerWindow owner(200, 300, kPane);
  const COLORREF c1 = RGB(0, 0, 255), blink = RGB(255, 0, 0);
  auto say = Label(owner, 10, nullptr, false);
  int ended = 0;
  say->bEnd = rt::Value::Block([&ended](rt::Args) {
    ++ended;
    return rt::Value();
  });
  say->SetBlink(static_cast<long>(blink), 100, 250);
  EXPECT_TRUE(say->aBlink.IsArray());
  Settle(owner.w->hWnd);
  ASSERT_NE(say->oBlink, nullptr);
  const RECT r{8, 8, 92, 36};
  auto faceNow = [&]() {
    Settle(owner.w->hWnd);
    const WindowPixels px(owner.w->hWnd);
    return std::make_pair(CountColour(px, r, c1), CountColour(px, r, blink));
  };
  // The first paint starts blinking in the blink phase.
  auto [f0, b0] = faceNow();
  EXPECT_EQ(f0, 0);
  EXPECT_GT(b0, 20);
  const long id = say->oBlink->nId;
  svc::TIMEREVENT(id);
  auto [f1, b1] = faceNow();
  EXPECT_GT(f1, 20);
  EXPECT_EQ(b1, 0);
  svc::TIMEREVENT(id);
  EXPECT_EQ(faceNow().second > 20, true);
  EXPECT_EQ(ended, 0);
  svc::TIMEREVENT(id);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(say->oBlink, nullptr);
  EXPECT_GT(faceNow().first, 20);
}

TEST(MSGBLINK, NoticesShowOneAtATimeInCallOrder) {
  OwnerWindow owner(200, 400, kPane);
  grid::MSGBLINK("Eins", owner.value(), {}, {}, {}, false, 1000);
  grid::MSGBLINK("Zwei;Zeile", owner.value(), {}, {}, {}, false, 500);
  grid::MSGBLINK("Drei", owner.value(), {}, {}, {}, false, 600);
  auto first = grid::MsgBlinkLabel();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(grid::MsgBlinkQueued(), 2u);
  EXPECT_EQ(first->cCaption, "Eins");
  EXPECT_EQ(first->aColors.At(1).AsInt(), grid::DARKCOLOR(65280, 127));
  EXPECT_EQ(first->nTop, 100);
  Settle(owner.w->hWnd);
  const long id = first->oBlink->nId;
  // 500 ms a tick: past 1000 ms at the third tick.
  for (int i = 0; i < 3; ++i) svc::TIMEREVENT(id);
  auto second = AwaitNotice(first);
  EXPECT_FALSE(IsWindow(first->hWnd));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->cCaption, "Zwei\r\nZeile");
  EXPECT_TRUE(second->lMulti);
  EXPECT_EQ(grid::MsgBlinkQueued(), 1u);
  // The window of the notice closes mid-notice: the next one still shows.
  OwnerWindow other(200, 400, kPane);
  grid::MSGBLINK("Vier", other.value(), {}, {}, {}, false, 500);
  DestroyWindow(owner.w->hWnd);
  auto fourth = AwaitNotice(second);
  ASSERT_NE(fourth, nullptr);
  EXPECT_EQ(fourth->cCaption, "Vier");
  EXPECT_EQ(grid::MsgBlinkQueued(), 0u);
  fourth->End();
  EXPECT_EQ(AwaitNotice(fourth, true), nullptr);
  grid::MSGBLINK("", other.value(), {}, {}, {}, false, 500);
  const auto empty = grid::MsgBlinkLabel();
  ASSERT_NE(empty, nullptr);
  empty->End();
  EXPECT_EQ(AwaitNotice(empty, true), nullptr);
}

std::shared_ptr<grid::TBtnDown> DropButton(const OwnerWindow& owner, int top, int left, int size,
                                           const rt::Value& bAction = {}) {
  auto b = std::make_shared<grid::TBtnDown>();
  controls::BtnBmpArgs a;
  a.nTop = top;
  a.nLeft = left;
  a.nWidth = size;
  a.nHeight = size;
  a.oWnd = owner.value();
  a.lBorder = false;
  a.bAction = bAction;
  b->New(a);
  return b;
}

TEST(TBtnDown, ArrowWithoutABitmapShiftsWhilePressed) {
  OwnerWindow owner(200, 200);
  auto b = DropButton(owner, 10, 10, 20);
  ASSERT_TRUE(IsWindow(b->hWnd));
  EXPECT_EQ(b->ClassName(), "TBTNBMP");
  EXPECT_TRUE(b->lBorder);
  RECT client{};
  GetClientRect(b->hWnd, &client);
  const int w = client.right, h = client.bottom;
  struct Probe {
    int x, y;
  };
  // The two upper corners and the tip of the triangle.
  const Probe points[] = {{w / 2 - 2, h / 2 - 1}, {w / 2 + 2, h / 2 - 1}, {w / 2, h / 2 + 1}};
  for (bool pressed : {false, true}) {
    b->lPressed = pressed;
    InvalidateRect(b->hWnd, nullptr, FALSE);
    UpdateWindow(b->hWnd);
    const WindowPixels px(b->hWnd);
    const int d = pressed ? 1 : 0;
    for (const Probe& p : points) EXPECT_EQ(px.At(p.x + d, p.y + d), RGB(0, 0, 0)) << pressed << " " << p.x << "," << p.y;
    // Above the arrow's top edge, in the other position, is face colour.
    EXPECT_NE(px.At(w / 2, h / 2 - 2 + d), RGB(0, 0, 0)) << pressed;
    if (pressed) {
      EXPECT_NE(px.At(w / 2 - 2, h / 2 - 1), RGB(0, 0, 0));
    }
  }
}

TEST(TBtnDown, ABitmapNameDrawsNoArrowAndAClickLeavesItUnlit) {
  OwnerWindow owner(200, 200);
  int clicks = 0;
  auto b = DropButton(owner, 10, 10, 20, rt::Value::Block([&clicks](rt::Args) {
                        ++clicks;
                        return rt::Value();
                      }));
  b->cResName1 = "KEINBILD";
  InvalidateRect(b->hWnd, nullptr, FALSE);
  UpdateWindow(b->hWnd);
  const WindowPixels px(b->hWnd);
  EXPECT_NE(px.At(10, 10), RGB(0, 0, 0));
  b->Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(b->lBorder);
}

TEST(GridMessages, TableAndProperCase) {
  const rt::Value msg = grid::LOADMSG();
  ASSERT_EQ(msg.Len(), 55u);
  for (std::size_t i = 42; i <= 50; ++i) EXPECT_EQ(msg.At(i), rt::Value(""));
  EXPECT_EQ(msg.At(6), rt::Value("&R\xFC" "ckg\xE4ngig"));
  EXPECT_EQ(msg.At(9), rt::Value("Spalte E&inf\xFCgen"));
  EXPECT_EQ(msg.At(27), rt::Value("TGBrowse SetFilter() Typ passt nicht zum aktuellen Index"));
  EXPECT_EQ(msg.At(34), rt::Value("&\xDC" "bernehmen"));
  EXPECT_EQ(msg.At(41), rt::Value("Taste [Esc] beendet die Bearbeitung"));
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {{"DEUTSCH", "Deutsch"},
                        {" VON A BIS Z ", "Von A bis Z"},
                        {"STRASSE.NR", "Strasse.Nr"},
                        {"HAUS UND HOF ODER IN DER STADT", "Haus und Hof oder in Der Stadt"},
                        {"", ""}};
  for (const Case& k : cases) EXPECT_EQ(grid::PROPER(k.in), k.out) << k.in;
}

}  // namespace

namespace {

TEST(GridParts, LabelsBarsAndANoticeTogether) {
  OwnerWindow owner(260, 420, RGB(212, 208, 200));
  const rt::Value colours = rt::Value::Array({RGB(0, 0, 128), RGB(212, 208, 200)});
  auto font = std::make_shared<gfx::TFont>()->New("Arial", 0, -22, false, true);
  auto raised = Label(owner, 12, "RAISED", false, colours, "Erhaben", rt::Value(font));
  auto sunken = Label(owner, 50, "BASS", false, colours, "Vertieft", rt::Value(font));
  auto shaded = Label(owner, 88, nullptr, true, colours, "Schattiert", rt::Value(font));
  auto v = std::make_shared<TGBScrlBar>();
  grid::ScrlBarArgs a;
  a.nRow = 10;
  a.nCol = 380;
  a.nMin = 1;
  a.nMax = 100;
  a.lPixel = true;
  a.nHeight = 150;
  a.oWnd = owner.value();
  v->New(a);
  v->SetPos(30);
  auto h = std::make_shared<TGBScrlBar>();
  grid::ScrlBarArgs b;
  b.nRow = 170;
  b.nCol = 120;
  b.nMin = 1;
  b.nMax = 10;
  b.nWidth = 240;
  b.lPixel = true;
  b.lVertical = false;
  b.oWnd = owner.value();
  h->New(b);
  h->SetPos(4);
  auto drop = DropButton(owner, 130, 10, 17);
  grid::MSGBLINK("Wort gespeichert;Liste aktualisiert", owner.value(), 200, 10, {}, false, 5000);
  const auto notice = grid::MsgBlinkLabel();
  ASSERT_NE(notice, nullptr);
  Settle(owner.w->hWnd);
  for (HWND w : {raised->hWnd, sunken->hWnd, shaded->hWnd, v->hWnd, h->hWnd, drop->hWnd, notice->hWnd}) EXPECT_TRUE(IsWindowVisible(w));
  // The notice's text colour is the dark shade of its green.
  const WindowPixels px(owner.w->hWnd);
  int text = 0;
  for (int y = 200; y < 240; ++y)
    for (int x = 10; x < 300; ++x) text += px.At(x, y) == RGB(0, 128, 0) || px.At(x, y) == RGB(0, 255, 0);
  EXPECT_GT(text, 20);
  ShotIfAsked(owner.w->hWnd, "VD_GRID_PARTS_SHOT");
  notice->End();
  EXPECT_EQ(AwaitNotice(notice, true), nullptr);
  for (const auto& label : {raised, sunken, shaded}) label->End();
  font->End();
}

// The date seek text through one key: digits fill from the left, Backspace
// steps back over the separators, anything else leaves the text alone.
TEST(GridMessages, DateSeekKeys) {
  struct Case {
    const char* text;
    int key;
    const char* out;
  };
  const Case cases[] = {
      {"  /  /    ", '1', "1 /  /    "},   // digit into the first blank
      {"12/  /    ", '3', "12/3 /    "},   // the separator is stepped over
      {"12/31/2026", '7', "12/31/2026"},   // full text: unchanged
      {"12/  /    ", 'A', "12/  /    "},   // a letter: unchanged
      {"  /  /    ", 8, "  /  /    "},     // first blank at 1: nothing to take back
      {"12/  /    ", 8, "1 /  /    "},     // first blank at 4: the digit before the separator
      {"12/3 /    ", 8, "12/  /    "},     // first blank at 5: the fourth character
      {"12/34/    ", 8, "12/3 /    "},     // first blank at 7
      {"12/34/2026", 8, "12/34/202 "},     // no blank: the last character goes
      {"1", '2', "12/  /    "},            // a short text takes the mask's separators
  };
  for (const Case& k : cases) EXPECT_EQ(grid::DATESEEK(k.text, k.key), k.out) << k.text << " + " << k.key;
}

}  // namespace
