// Class data of the registration, and the hooks that the base window leaves
// to classes of later layers: frame painting, design-time editors and VBX
// events.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "runtime/object.h"
#include "twindow_support.h"

namespace {

using coretest::OwnedWindow;

// A class of its own, registered with the system by the first New.
class RegisteredProbe : public core::TWindow {
 public:
  RT_CLASS_DECL()
};

const rt::ClassInfo& RegisteredProbe::ClassDef() {
  static const rt::ClassInfo info("TREGISTEREDPROBE", &TWindow::ClassDef(), rt::FactoryOf<RegisteredProbe>(),
                                  [](rt::ClassInfo&) {});
  return info;
}

RT_CLASS_REGISTER(RegisteredProbe);

TEST(TWindowRegistered, IsClassDataOfEachClass) {
  const rt::Value probe = rt::CreateObject("TREGISTEREDPROBE");
  ASSERT_TRUE(probe.IsObject());
  // As before the class's first window, also when the test runs again.
  rt::SendV(probe, "_lRegistered", false);
  EXPECT_EQ(rt::Send(probe, "lRegistered"), rt::Value(false));
  OwnedWindow plain;
  EXPECT_EQ(rt::Send(plain.value(), "lRegistered"), rt::Value(true));
  EXPECT_EQ(rt::Send(probe, "lRegistered"), rt::Value(false));

  OwnedWindow first(probe.As<core::TWindow>());
  first->New(coretest::PixelArgs(0, 0, 20, 20, WS_POPUP));
  EXPECT_EQ(rt::Send(probe, "lRegistered"), rt::Value(true));
  // Every object of the class sees the same flag.
  const rt::Value second = rt::CreateObject("TREGISTEREDPROBE");
  EXPECT_EQ(rt::Send(second, "lRegistered"), rt::Value(true));

  // Cleared, the next Register finds the system's class and sets it again.
  rt::SendV(second, "_lRegistered", false);
  EXPECT_EQ(rt::Send(probe, "lRegistered"), rt::Value(false));
  OwnedWindow again(second.As<core::TWindow>());
  again->New(coretest::PixelArgs(0, 0, 20, 20, WS_POPUP));
  ASSERT_TRUE(IsWindow(again->hWnd));
  EXPECT_EQ(rt::Send(probe, "lRegistered"), rt::Value(true));
}

// Answers each hook with its name, as a class of a later layer does.
class HookProbe : public core::TWindow {
 public:
  rt::Value NcPaint(LPARAM) override { return rt::Value("NcPaint"); }
  rt::Value Inspect(const std::string& name) override { return rt::Value("Inspect " + name); }
  rt::Value VbxFireEvent(LPARAM) override { return rt::Value("VbxFireEvent"); }
};

TEST(TWindowLaterLayerHooks, BaseAnswersNilAndByNameTheOverrideIsReached) {
  OwnedWindow base;
  const auto probe = std::make_shared<HookProbe>();
  struct Case {
    const char* method;
    rt::Value arg;
    rt::Value overridden;
  };
  const Case cases[] = {
      {"NcPaint", rt::Value(1), rt::Value("NcPaint")},
      {"Inspect", rt::Value("nClrPane"), rt::Value("Inspect nClrPane")},
      {"VbxFireEvent", rt::Value(0), rt::Value("VbxFireEvent")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method);
    EXPECT_TRUE(rt::SendV(base.value(), c.method, c.arg).IsNil());
    EXPECT_EQ(rt::SendV(rt::Value(probe), c.method, c.arg), c.overridden);
  }
}

}  // namespace
