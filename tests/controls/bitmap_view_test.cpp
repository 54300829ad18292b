// The bitmap view: loading, zoom, scrolling a picture larger than its
// window, controls on the picture and the clipboard.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "../graphics/bmp_fixture.h"
#include "controls/tbitmap.h"
#include "controls/tbutton.h"
#include "controls/tscrollbar.h"
#include "core/tdialog.h"
#include "owner_window.h"

namespace {

using controltest::OwnerWindow;

std::shared_ptr<controls::TBitmap> View(const OwnerWindow& owner, const std::string& file, bool scroll,
                                        int width = 120, int height = 90) {
  controls::BitmapArgs a;
  a.nTop = 10;
  a.nLeft = 10;
  a.nWidth = width;
  a.nHeight = height;
  a.cBmpFile = file;
  a.lScroll = scroll;
  a.lPixel = true;
  a.oWnd = owner.value();
  auto view = std::make_shared<controls::TBitmap>();
  view->New(a);
  return view;
}

long Range(const rt::Value& bar) { return bar.As<controls::TScrollBar>()->nMax; }

struct Pictures {
  gfxtest::ScratchFile large{gfxtest::MakeBmp(400, 300, 24, 0, 0x80)};
  gfxtest::ScratchFile small{gfxtest::MakeBmp(40, 30, 24, 0, 0x40)};
};

TEST(TBitmap, LoadsSizesAndRefusesBadZoomAndBadFiles) {
  OwnerWindow owner(400, 500);
  Pictures p;
  const auto view = View(owner, p.large.path(), false);
  ASSERT_TRUE(view->picture.bitmap);
  EXPECT_EQ(view->cBmpFile, p.large.path());
  EXPECT_EQ(view->PictureWidth(), 400);
  EXPECT_EQ(view->Zoom(rt::Value(2)), 2);
  EXPECT_EQ(view->PictureWidth(), 800);
  EXPECT_EQ(view->PictureHeight(), 600);
  for (int bad : {0, -3}) EXPECT_EQ(view->Zoom(rt::Value(bad)), 2);
  const HBITMAP before = view->picture.bitmap;
  std::vector<std::uint8_t> damaged = gfxtest::MakeBmp(10, 10, 24, 0);
  damaged.resize(30);
  const gfxtest::ScratchFile broken(damaged);
  EXPECT_FALSE(view->LoadImage(rt::Value(""), broken.path()));
  EXPECT_FALSE(view->LoadImage(rt::Value(""), "kein_bild.bmp"));
  EXPECT_EQ(view->picture.bitmap, before);
  EXPECT_TRUE(view->LoadImage(rt::Value(""), p.small.path()));
  EXPECT_EQ(GetObjectType(before), 0u) << "the old picture is freed";
  // Without a size the view takes the picture's, at most the owner's.
  controls::BitmapArgs a;
  a.cBmpFile = p.large.path();
  a.oWnd = owner.value();
  auto natural = std::make_shared<controls::TBitmap>();
  natural->New(a);
  EXPECT_EQ(natural->nRight - natural->nLeft + 1, 400);
  EXPECT_EQ(natural->nBottom - natural->nTop + 1, 300);
}

TEST(TBitmap, SmallOrStretchedPicturesNeverScroll) {
  OwnerWindow owner(400, 500);
  Pictures p;
  const auto small = View(owner, p.small.path(), true);
  EXPECT_EQ(Range(small->oVScroll), 0);
  EXPECT_EQ(Range(small->oHScroll), 0);
  small->ScrollUp();
  small->ScrollLeft();
  EXPECT_EQ(small->nX, 0);
  EXPECT_EQ(small->nY, 0);
  const auto stretched = View(owner, p.large.path(), true);
  stretched->lStretch = true;
  stretched->ScrollAdjust();
  EXPECT_EQ(Range(stretched->oVScroll), 0);
  stretched->ScrollUp();
  stretched->PageDown();
  EXPECT_EQ(stretched->nX, 0);
}

TEST(TBitmap, ScrollsByStepsAndPagesWithinThePicture) {
  OwnerWindow owner(400, 500);
  Pictures p;
  const auto view = View(owner, p.large.path(), true);
  EXPECT_GT(Range(view->oVScroll), 0);
  EXPECT_GT(Range(view->oHScroll), 0);
  view->nVStep = 0;  // counts as 1
  view->ScrollUp();
  EXPECT_EQ(view->nX, -1);
  view->nVStep = 10;
  SendMessageA(view->hWnd, WM_VSCROLL, SB_BOTTOM, 0);
  const int bottom = view->nX;
  EXPECT_LT(bottom, -100);
  SendMessageA(view->hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(view->nX, bottom) << "one more line past the bottom keeps the offset";
  // A page up moves one page, not to the top.
  view->PageUp();
  EXPECT_LT(view->nX, 0);
  EXPECT_GT(view->nX, bottom);
  SendMessageA(view->hWnd, WM_KEYDOWN, VK_UP, 0);
  for (int i = 0; i < 5; ++i) view->PageUp();
  EXPECT_EQ(view->nX, 0);
  EXPECT_EQ(view->oVScroll.As<controls::TScrollBar>()->GetPos(), 0);
}

TEST(TBitmap, ControlsOnThePictureFollowEveryScroll) {
  OwnerWindow owner(400, 500);
  Pictures p;
  const auto view = View(owner, p.large.path(), true);
  int clicks = 0;
  controls::ButtonArgs b;
  b.nRow = 40;
  b.nCol = 50;
  b.lPixel = true;
  b.oWnd = rt::Value(view);
  b.bAction = rt::Value::Block([&clicks](rt::Args) {
    ++clicks;
    return rt::Value();
  });
  auto button = std::make_shared<controls::TButton>();
  button->New(b);
  auto place = [&] {
    RECT r{};
    GetWindowRect(button->hWnd, &r);
    MapWindowPoints(nullptr, view->hWnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  view->nVStep = 10;
  view->nHStep = 7;
  view->ScrollUp();
  EXPECT_EQ(place().top, 30);
  view->ScrollLeft();
  EXPECT_EQ(place().left, 43);
  view->ScrollRight();
  view->ScrollRight();  // already at the left edge: nothing moves
  EXPECT_EQ(place().left, 50);
  view->ScrollDown();
  EXPECT_EQ(place().top, 40);
  view->PageDown();
  EXPECT_EQ(place().top, 40 + view->nX);
  // A notification from a control is passed on by the control's full
  // handle.
  SendMessageA(view->hWnd, WM_COMMAND, MAKEWPARAM(button->nId, BN_CLICKED),
               reinterpret_cast<LPARAM>(button->hWnd));
  EXPECT_EQ(clicks, 1);
}

TEST(TBitmap, ClipboardWithoutABitmapChangesNothing) {
  OwnerWindow owner(400, 500);
  Pictures p;
  const auto view = View(owner, p.small.path(), false);
  ASSERT_TRUE(OpenClipboard(owner.w->hWnd));
  EmptyClipboard();
  CloseClipboard();
  const HBITMAP before = view->picture.bitmap;
  view->LoadFromClipboard();
  EXPECT_EQ(view->picture.bitmap, before);
  EXPECT_TRUE(view->CopyToClipboard());
  const auto other = View(owner, p.large.path(), false);
  const HBITMAP replaced = other->picture.bitmap;
  other->LoadFromClipboard();
  EXPECT_NE(other->picture.bitmap, replaced);
  EXPECT_EQ(other->PictureWidth(), 40);
  EXPECT_EQ(GetObjectType(replaced), 0u);
}

}  // namespace

namespace {

// A view given to a dialog before the dialog exists is made with the dialog
// and shows with it, as the dialog's other controls do.
TEST(TBitmap, MadeForADialogBeforeItExistsShowsWithIt) {
  Pictures p;
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = 100;
  d.nRight = 200;
  d.lPixel = true;
  dialog->New(d);
  controls::BitmapArgs a;
  a.nWidth = 40;
  a.nHeight = 30;
  a.cBmpFile = p.small.path();
  a.lNoBorder = true;
  a.lPixel = true;
  a.oWnd = rt::Value(dialog);
  auto view = std::make_shared<controls::TBitmap>();
  view->New(a);
  bool visible = false;
  dialog->bStart = rt::Value::Block([&](rt::Args) {
    visible = view->hWnd && IsWindowVisible(view->hWnd);
    dialog->End();
    return rt::Value();
  });
  dialog->Activate(core::DialogActivation{});
  EXPECT_TRUE(visible);
}

}  // namespace
