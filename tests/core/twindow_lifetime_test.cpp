// A destroyed window dies: its hooks, bars, menus and controls may all name
// the window, and none of them may keep it alive once it is destroyed.
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "runtime/object.h"
#include "twindow_support.h"

namespace {

// A bar, menu or control of a later layer: it holds the window it belongs to.
class OwnedPart : public rt::Object {
 public:
  RT_CLASS_DECL()
  rt::Value oWnd;
};

const rt::ClassInfo& OwnedPart::ClassDef() {
  static const rt::ClassInfo info("TOWNEDPART", &Object::ClassDef(), rt::FactoryOf<OwnedPart>(),
                                  [](rt::ClassInfo& c) { rt::ClassBuilder<OwnedPart>(c).Data("oWnd", &OwnedPart::oWnd); });
  return info;
}

rt::Value PartOf(const rt::Value& window) {
  auto part = std::make_shared<OwnedPart>();
  part->oWnd = window;
  return rt::Value(part);
}

// A window whose hooks, parts and child windows all refer back to it. It
// lives inside a hidden holder: a child window costs the display nothing, so
// ten thousand of them take seconds where top-level ones take a minute.
void MakeAndDestroyWindowThatHoldsItself(const rt::Value& holder) {
  auto w = std::make_shared<core::TWindow>();
  w->New(coretest::PixelArgs(10, 10, 109, 209, WS_CHILD, holder));
  const rt::Value self(w);
  w->bLClicked = rt::Value::Block([self](rt::Args) { return self; });
  w->bPainted = rt::Value::Block([self](rt::Args) { return self; });
  w->OnClick = rt::Value::Block([self](rt::Args) { return self; });
  w->cToolTip = rt::Value::Block([self](rt::Args) { return self; });
  w->oMenu = PartOf(self);
  w->oBar = PartOf(self);
  w->oMsgBar = PartOf(self);
  w->oVScroll = PartOf(self);
  w->oHScroll = PartOf(self);
  w->AddControl(PartOf(self));
  auto child = std::make_shared<core::TWindow>();
  child->New(coretest::PixelArgs(1, 1, 20, 20, WS_CHILD | WS_VISIBLE, self));
  child->bRClicked = rt::Value::Block([self](rt::Args) { return self; });
  w->oClient = rt::Value(child);
  ASSERT_TRUE(IsWindow(w->hWnd));
  DestroyWindow(w->hWnd);
}

TEST(TWindowLifetime, DestroyedWindowsWhoseHooksReferToThemselvesDie) {
  coretest::OwnedWindow holder(coretest::PixelArgs(0, 0, 299, 299));
  // The first window makes the class data and the window class.
  MakeAndDestroyWindowThatHoldsItself(holder.value());
  const long before = rt::Object::LiveCount();
  for (int i = 0; i < 10000; ++i) MakeAndDestroyWindowThatHoldsItself(holder.value());
  EXPECT_EQ(rt::Object::LiveCount(), before);
}

TEST(TWindowLifetime, TheObjectCountFollowsObjects) {
  const long before = rt::Object::LiveCount();
  {
    auto part = std::make_shared<OwnedPart>();
    EXPECT_EQ(rt::Object::LiveCount(), before + 1);
    part->oWnd = PartOf(rt::Value());
    EXPECT_EQ(rt::Object::LiveCount(), before + 2);
  }
  EXPECT_EQ(rt::Object::LiveCount(), before);
}

}  // namespace
