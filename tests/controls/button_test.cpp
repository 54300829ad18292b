// Push buttons and bitmap buttons: defaults, the click guard, keys, the
// mouse state machine, the drop-down strip and the painted face.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "../graphics/window_pixels.h"
#include "controls/tbtnbmp.h"
#include "controls/tbutton.h"
#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "owner_window.h"
#include "runtime/error.h"

namespace {

using controltest::OwnerWindow;

void Pump() {
  MSG msg;
  for (int i = 0; i < 500 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

rt::Value Counter(int& n) {
  return rt::Value::Block([&n](rt::Args) {
    ++n;
    return rt::Value();
  });
}

std::shared_ptr<controls::TButton> PushButton(const OwnerWindow& owner, controls::ButtonArgs a = {}) {
  a.oWnd = owner.value();
  auto b = std::make_shared<controls::TButton>();
  b->New(a);
  return b;
}

TEST(TButton, DefaultsAndPlaces) {
  OwnerWindow owner(300, 400);
  struct Case {
    rt::Value caption, row, col, pixel;
    int top, left, width;
  } cases[] = {
      {{}, 2, 3, {}, 36, 18, 42},                  // "&Button": 7 characters x 6
      {"OK", 1, 1, {}, 18, 6, 30},                 // never narrower than 30
      {"Abbrechen", 20, 30, true, 20, 30, 54},     // pixel coordinates stay
  };
  for (const Case& c : cases) {
    controls::ButtonArgs a;
    a.cCaption = c.caption;
    a.nRow = c.row;
    a.nCol = c.col;
    a.lPixel = c.pixel;
    const auto b = PushButton(owner, a);
    EXPECT_EQ(b->nTop, c.top);
    EXPECT_EQ(b->nLeft, c.left);
    EXPECT_EQ(b->nRight - b->nLeft, c.width);
    EXPECT_EQ(b->nBottom - b->nTop, 13);
    EXPECT_EQ(b->nHelpId.AsInt(), 100);
  }
  EXPECT_EQ(PushButton(owner)->cCaption, "&Button");
  EXPECT_EQ(PushButton(owner)->GetText(), "&Button");
}

// A button holds a use of the font it was given, or of its owner's: its
// end gives back only its own use.
TEST(TButton, EndsOnlyItsOwnUseOfTheFont) {
  for (const bool given : {true, false}) {
    SCOPED_TRACE(given);
    OwnerWindow owner(100, 200);
    const auto font = std::make_shared<gfx::TFont>()->New("Arial", 0, -11);
    owner.w->SetFont(font);
    const long before = font->nCount;
    controls::ButtonArgs a;
    if (given) a.oFont = rt::Value(font);
    const auto b = PushButton(owner, a);
    EXPECT_EQ(b->oFont, font);
    EXPECT_EQ(font->nCount, before + 1);
    DestroyWindow(b->hWnd);
    EXPECT_EQ(font->nCount, before);
    EXPECT_NE(font->hFont, nullptr);
    font->End();
  }
}

TEST(TButton, GeneratedSource) {
  OwnerWindow owner(300, 400);
  controls::ButtonArgs a;
  a.cCaption = "OK";
  a.nRow = 10;
  a.nCol = 20;
  a.nWidth = 60;
  a.nHeight = 24;
  a.lPixel = true;
  EXPECT_EQ(PushButton(owner, a)->cGenPRG(),
            "\r\n   @  10,  20 BUTTON \"OK\" SIZE  61,  25 PIXEL OF oWnd ;\r\n"
            "      ACTION MsgInfo( \"Not defined yet!\" )\r\n");
}

TEST(TButton, EnterPostsTheClickToTheButtonItself) {
  OwnerWindow owner(300, 400);
  int clicks = 0;
  controls::ButtonArgs a;
  a.bAction = Counter(clicks);
  const auto b = PushButton(owner, a);
  SendMessageA(b->hWnd, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(clicks, 0);
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(owner.w->nLastKey, VK_RETURN);
}

TEST(TButton, ClickDuringTheActionIsIgnoredAndBreakLeavesItUsable) {
  OwnerWindow owner(300, 400);
  int runs = 0;
  bool breakOut = false;
  std::shared_ptr<controls::TButton> b;
  controls::ButtonArgs a;
  a.bAction = rt::Value::Block([&](rt::Args) {
    ++runs;
    SendMessageA(b->hWnd, core::WM_VD_CLICK, 0, 0);
    if (breakOut) rt::BREAK();
    return rt::Value();
  });
  b = PushButton(owner, a);
  b->Click();
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(b->lProcessing);
  breakOut = true;
  rt::Sequence([&] { b->Click(); }, [](const rt::Value&) {});
  EXPECT_EQ(runs, 2);
  EXPECT_FALSE(b->lProcessing);
  breakOut = false;
  b->Click();
  EXPECT_EQ(runs, 3);
}

TEST(TButton, FocusedButtonLooksLikeTheDefault) {
  OwnerWindow owner(300, 400);
  const auto first = PushButton(owner);
  const auto second = PushButton(owner);
  SetFocus(first->hWnd);
  Pump();
  EXPECT_TRUE(GetWindowLongA(first->hWnd, GWL_STYLE) & BS_DEFPUSHBUTTON);
  SetFocus(second->hWnd);
  Pump();
  EXPECT_FALSE(GetWindowLongA(first->hWnd, GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongA(second->hWnd, GWL_STYLE) & BS_DEFPUSHBUTTON);
}

// A pop-up menu stand-in that records where it was opened.
class RecordingPopup : public rt::Object {
 public:
  RT_CLASS_DECL()
  int opened = 0;
  long row = -1, col = -1;
  rt::Value window;
};

const rt::ClassInfo& RecordingPopup::ClassDef() {
  static const rt::ClassInfo info("TRECORDINGPOPUP", &Object::ClassDef(), rt::FactoryOf<RecordingPopup>(),
                                  [](rt::ClassInfo& c) {
                                    rt::ClassBuilder<RecordingPopup>(c).Method(
                                        "Activate", [](RecordingPopup& p, rt::Args a) {
                                          ++p.opened;
                                          p.row = rt::Arg(a, 0).AsInt();
                                          p.col = rt::Arg(a, 1).AsInt();
                                          p.window = rt::Arg(a, 2);
                                          return rt::Value();
                                        });
                                  });
  return info;
}

std::shared_ptr<controls::TBtnBmp> BitmapButton(const OwnerWindow& owner, controls::BtnBmpArgs a = {}) {
  a.oWnd = owner.value();
  if (a.nWidth.IsNil()) a.nWidth = 60;
  if (a.nHeight.IsNil()) a.nHeight = 24;
  if (a.nTop.IsNil()) a.nTop = 10;
  if (a.nLeft.IsNil()) a.nLeft = 10;
  auto b = std::make_shared<controls::TBtnBmp>();
  b->New(a);
  return b;
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

TEST(TBtnBmp, DefaultsAndLayoutWords) {
  OwnerWindow owner(300, 400);
  const auto b = BitmapButton(owner);
  EXPECT_EQ(b->nRight - b->nLeft + 1, 60);
  EXPECT_EQ(b->nBottom - b->nTop + 1, 24);
  EXPECT_EQ(b->cMsg.AsString(), " ");
  EXPECT_TRUE(b->lBorder);
  EXPECT_FALSE(b->l97Look);
  EXPECT_EQ(b->nDlgCode.AsInt(), 4);
  EXPECT_EQ(b->nStyle & (WS_BORDER | WS_TABSTOP), WS_BORDER | WS_TABSTOP);
  EXPECT_EQ(b->nClrPane, gfx::GETSYSCOLOR(COLOR_BTNFACE));
  controls::BtnBmpArgs flat;
  flat.lBorder = false;
  const auto f = BitmapButton(owner, flat);
  EXPECT_TRUE(f->l97Look);
  EXPECT_EQ(f->nStyle & (WS_BORDER | WS_TABSTOP), 0);
  const struct {
    const char* word;
    int layout;
  } words[] = {{"CENTER", 0}, {"TOP", 1}, {"LEFT", 2}, {"BOTTOM", 3}, {"RIGHT", 4}, {"top", 0}, {"MITTE", 0}};
  for (const auto& w : words) EXPECT_EQ(controls::LayoutOf(rt::Value(w.word)), w.layout) << w.word;
  EXPECT_EQ(b->cGenPRG(), "\r\n\r\n   DEFINE BTNBMP OF oBar ACTION MsgInfo( \"Not defined yet\" )");
}

TEST(TBtnBmp, ReleaseOutsideAfterAPressDoesNotClick) {
  OwnerWindow owner(300, 400);
  int clicks = 0;
  controls::BtnBmpArgs a;
  a.bAction = Counter(clicks);
  const auto b = BitmapButton(owner, a);
  SendMessageA(b->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_TRUE(b->lPressed);
  EXPECT_EQ(GetCapture(), b->hWnd);
  SendMessageA(b->hWnd, WM_MOUSEMOVE, MK_LBUTTON, At(200, 200));
  EXPECT_FALSE(b->lPressed);
  SendMessageA(b->hWnd, WM_LBUTTONUP, 0, At(200, 200));
  EXPECT_FALSE(b->lPressed);
  EXPECT_NE(GetCapture(), b->hWnd);
  EXPECT_EQ(clicks, 0);
  SendMessageA(b->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageA(b->hWnd, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(clicks, 1);
}

TEST(TBtnBmp, ReleaseDuringThePressSetupClicksOnceAndRunsItsBlockOnce) {
  OwnerWindow owner(300, 400);
  int clicks = 0, ups = 0;
  controls::BtnBmpArgs a;
  a.bAction = Counter(clicks);
  const auto b = BitmapButton(owner, a);
  b->bLButtonUp = Counter(ups);
  // The release waits in the queue; the press lets it run while it sets up.
  PostMessageA(b->hWnd, WM_LBUTTONUP, 0, At(5, 5));
  SendMessageA(b->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(ups, 1);
  EXPECT_FALSE(b->lPressed);
  EXPECT_FALSE(b->lBtnUp);
}

TEST(TBtnBmp, ToggledButtonStaysDownAndClickGuards) {
  OwnerWindow owner(300, 400);
  int clicks = 0;
  bool allowed = false;
  controls::BtnBmpArgs a;
  a.bAction = Counter(clicks);
  a.bWhen = rt::Value::Block([&allowed](rt::Args) { return rt::Value(allowed); });
  const auto b = BitmapButton(owner, a);
  b->Click();
  EXPECT_EQ(clicks, 0);
  allowed = true;
  b->GoDown();
  SendMessageA(b->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageA(b->hWnd, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(b->lPressed);
  b->Toggle();
  EXPECT_FALSE(b->lPressed);
  EXPECT_FALSE(b->lBtnDown);
  SendMessageA(b->hWnd, WM_CHAR, VK_SPACE, 0);
  SendMessageA(b->hWnd, WM_CHAR, VK_RETURN, 0);
  EXPECT_EQ(clicks, 3);
}

TEST(TBtnBmp, DropDownOpensOnlyFromTheRightStrip) {
  OwnerWindow owner(300, 400);
  int clicks = 0;
  controls::BtnBmpArgs a;
  a.bAction = Counter(clicks);
  const auto b = BitmapButton(owner, a);
  auto popup = std::make_shared<RecordingPopup>();
  b->oPopup = rt::Value(popup);
  const int w = static_cast<int>(b->nWidth());
  for (int col : {w - 14, w - 13, w - 3}) {
    SendMessageA(b->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(col, 5));
    SendMessageA(b->hWnd, WM_LBUTTONUP, 0, At(col, 5));
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(popup->opened, 2);
  EXPECT_EQ(popup->row, b->nTop + b->nHeight());
  EXPECT_EQ(popup->col, b->nLeft);
  EXPECT_EQ(popup->window.AsObject().get(), owner.w.get());
  EXPECT_TRUE(owner.w->oPopup.IsNil());
}

TEST(TBtnBmp, FlatButtonRaisesItsBorderWhileHovered) {
  OwnerWindow owner(300, 400);
  controls::BtnBmpArgs a;
  a.lBorder = false;
  const auto b = BitmapButton(owner, a);
  EXPECT_FALSE(b->lBorder);
  SendMessageA(b->hWnd, WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_TRUE(b->lBorder);
  EXPECT_EQ(GetCapture(), b->hWnd);
  SendMessageA(b->hWnd, WM_MOUSEMOVE, 0, At(300, 5));
  EXPECT_FALSE(b->lBorder);
  EXPECT_NE(GetCapture(), b->hWnd);
}

TEST(TBtnBmp, FaceArrowSeparatorAndFocusRectangle) {
  OwnerWindow owner(300, 400);
  const auto b = BitmapButton(owner);
  b->oPopup = rt::Value(std::make_shared<RecordingPopup>());
  RedrawWindow(b->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  WindowPixels face(b->hWnd);
  const int w = face.width, h = face.height;
  EXPECT_EQ(face.At(w - 7, h / 2), RGB(0, 0, 0));
  EXPECT_EQ(face.At(w - 9, h / 2 - 1), RGB(0, 0, 0));
  EXPECT_EQ(face.At(w - 5, h / 2 - 1), RGB(0, 0, 0));
  EXPECT_EQ(face.At(w - 12, h / 2), static_cast<COLORREF>(gfx::GETSYSCOLOR(COLOR_BTNHIGHLIGHT)));
  EXPECT_EQ(face.At(w - 13, h / 2), static_cast<COLORREF>(gfx::GETSYSCOLOR(COLOR_BTNSHADOW)));

  // The focus rectangle: drawn once by the paint, only above 25 pixels.
  for (int width : {26, 25}) {
    controls::BtnBmpArgs a;
    a.nWidth = width;
    a.nTop = 60;
    const auto f = BitmapButton(owner, a);
    RedrawWindow(f->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    WindowPixels before(f->hWnd);
    SetFocus(f->hWnd);
    RedrawWindow(f->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    WindowPixels focused(f->hWnd);
    EXPECT_EQ(focused.Differences(before) > 0, width > 25) << width;
    f->End();
  }
}

}  // namespace

RT_CLASS_REGISTER(RecordingPopup);
