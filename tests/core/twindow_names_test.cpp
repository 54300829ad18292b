// Names of the base window reached by name: the class data, the off-screen
// buffer pair, the character height and the focus alias.
#include <windows.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "core/window_defaults.h"
#include "runtime/object.h"
#include "runtime/value.h"
#include "services/int32.h"
#include "twindow_support.h"

namespace {

using coretest::OwnedWindow;

TEST(TWindowClassData, ToolTipDelayAndDesignerTablesKeepWhatIsAssigned) {
  OwnedWindow w;
  const rt::Value self = w.value();
  EXPECT_EQ(rt::SendV(self, "nToolTip"), rt::Value(900));
  EXPECT_EQ(rt::SendV(self, "PropCount"), rt::Value(11));
  EXPECT_EQ(rt::SendV(self, "Property", 1), rt::Value("cTitle"));
  EXPECT_EQ(rt::SendV(self, "EveCount"), rt::Value(6));
  const rt::Value properties = rt::SendV(self, "aProperties");
  const rt::Value events = rt::SendV(self, "aEvents");

  rt::SendV(self, "_nToolTip", 1500);
  rt::Value mine = rt::Value::Array({rt::Value("Cargo")});
  rt::SendV(self, "_aProperties", mine);
  rt::SendV(self, "_aEvents", rt::Value::Array());
  // Class data: another window sees the same.
  OwnedWindow other;
  EXPECT_EQ(rt::SendV(other.value(), "nToolTip"), rt::Value(1500));
  EXPECT_EQ(rt::SendV(other.value(), "aProperties"), mine);
  EXPECT_EQ(rt::SendV(other.value(), "PropCount"), rt::Value(1));
  EXPECT_EQ(rt::SendV(other.value(), "Property", 1), rt::Value("Cargo"));
  EXPECT_EQ(rt::SendV(other.value(), "EveCount"), rt::Value(0));
  EXPECT_TRUE(rt::SendV(other.value(), "Event", 1).IsNil());

  rt::SendV(self, "_nToolTip", 900);
  rt::SendV(self, "_aProperties", properties);
  rt::SendV(self, "_aEvents", events);
}

TEST(TWindowDisp, DispEndPutsBackTheDcDispBeginFoundAndReleasesTheOneItGot) {
  OwnedWindow w(coretest::PixelArgs(10, 10, 109, 209));
  const rt::Value self = w.value();
  for (const bool create : {false, true}) {
    SCOPED_TRACE(create ? "own DC" : "window's DC");
    HDC screen = GetDC(w->hWnd);
    w->hDC = create ? nullptr : screen;
    const rt::Value restore = rt::SendV(self, "DispBegin", create);
    ASSERT_TRUE(restore.IsArray());
    ASSERT_EQ(restore.Len(), 3u);
    const rt::Value disp = restore.At(1);
    ASSERT_TRUE(disp.IsArray());
    EXPECT_EQ(w->hDC, reinterpret_cast<HDC>(svc::ToHandle(disp.At(3))));
    EXPECT_EQ(GetObjectType(w->hDC), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(restore.At(2).IsNil(), !create);
    EXPECT_EQ(restore.At(3), rt::Value(svc::HandleNumber(create ? nullptr : screen)));
    const HDC memDC = w->hDC;
    rt::SendV(self, "DispEnd", restore);
    EXPECT_EQ(w->hDC, create ? nullptr : screen);
    EXPECT_EQ(GetObjectType(memDC), 0u) << "the memory DC is deleted";
    ReleaseDC(w->hWnd, screen);
  }
}

TEST(TWindowNames, CharacterHeightFocusAliasAndDefaultWindow) {
  OwnedWindow w;
  const rt::Value self = w.value();
  ASSERT_TRUE(w->oFont);
  EXPECT_EQ(rt::SendV(self, "nGetChrHeight"), rt::Value(std::abs(static_cast<long>(w->oFont->nInpHeight))));
  EXPECT_GT(w->nGetChrHeight(), 0);

  rt::Value got;
  w->bLostFocus = rt::Value::Block([&got](rt::Args a) {
    got = a.empty() ? rt::Value() : a[0];
    return rt::Value(7);
  });
  EXPECT_EQ(rt::SendV(self, "KillFocus", 1234), rt::Value(7));
  EXPECT_EQ(got, rt::Value(1234));

  core::_SETWNDDEFAUL(self);
  EXPECT_EQ(core::GETWNDDEFAULT(), self);
  core::SETWNDDEFAULT(rt::Value());
}

}  // namespace
