// Activating an MDI frame: painting, right clicks and scrolling belong to
// its client window, which covers the frame's client area.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/tmdi_frame.h"
#include "core/twindow.h"
#include "runtime/object.h"
#include "twindow_support.h"

namespace {

using coretest::CallLog;
using coretest::OwnedWindow;

// A scroll-bar object of a later layer by name: its four step actions.
class TScrollProbe : public rt::Object {
 public:
  RT_CLASS_DECL()
  rt::Value bGoUp, bGoDown, bPageUp, bPageDown;
};

const rt::ClassInfo& TScrollProbe::ClassDef() {
  static const rt::ClassInfo info("TSCROLLPROBE", &Object::ClassDef(), rt::FactoryOf<TScrollProbe>(),
                                  [](rt::ClassInfo& c) {
                                    rt::ClassBuilder<TScrollProbe>(c)
                                        .Data("bGoUp", &TScrollProbe::bGoUp)
                                        .Data("bGoDown", &TScrollProbe::bGoDown)
                                        .Data("bPageUp", &TScrollProbe::bPageUp)
                                        .Data("bPageDown", &TScrollProbe::bPageDown);
                                  });
  return info;
}

RT_CLASS_REGISTER(TScrollProbe);

std::shared_ptr<TScrollProbe> Scroll(core::TWindow& w, bool vertical) {
  auto bar = std::make_shared<TScrollProbe>();
  (vertical ? w.oVScroll : w.oHScroll) = rt::Value(bar);
  return bar;
}

std::vector<rt::Value> Hooks(const TScrollProbe& bar) { return {bar.bGoUp, bar.bGoDown, bar.bPageUp, bar.bPageDown}; }

TEST(TWindowActivate, AnMdiFramePaintsClicksAndScrollsThroughItsClient) {
  for (const bool mdi : {true, false}) {
    SCOPED_TRACE(mdi ? "MDI frame" : "plain window");
    OwnedWindow parent(coretest::PixelArgs(10, 10, 309, 409));
    const auto frameObject = mdi ? std::make_shared<core::TMdiFrame>() : std::make_shared<core::TWindow>();
    OwnedWindow frame(frameObject);
    frame->New(coretest::PixelArgs(0, 0, 199, 299, WS_CHILD | WS_VISIBLE, parent.value()));
    OwnedWindow client(coretest::PixelArgs(0, 0, 199, 299, WS_CHILD | WS_VISIBLE, frame.value()));
    if (mdi) std::static_pointer_cast<core::TMdiFrame>(frameObject)->oWndClient = client.value();
    const auto frameV = Scroll(*frameObject, true), frameH = Scroll(*frameObject, false);
    const auto clientV = Scroll(*client.ptr(), true), clientH = Scroll(*client.ptr(), false);

    // Painting, clicks and scrolling belong to this window.
    const std::shared_ptr<core::TWindow> surface = mdi ? client.ptr() : frameObject;
    const std::shared_ptr<core::TWindow> other = mdi ? frameObject : client.ptr();
    CallLog log{rt::Value(surface)};
    rt::Value args[19];
    args[0] = rt::Value("NORMAL");
    args[2] = log.Block("bRClicked");
    args[5] = log.Block("bPainted");
    for (int i = 0; i < 8; ++i) args[8 + i] = log.Block("scroll" + std::to_string(i));
    frame->Activate(rt::Args(args, 19));

    EXPECT_EQ(surface->bRClicked, args[2]);
    EXPECT_EQ(surface->bPainted, args[5]);
    EXPECT_TRUE(other->bRClicked.IsNil());
    EXPECT_TRUE(other->bPainted.IsNil());
    const std::vector<rt::Value> vertical(args + 8, args + 12), horizontal(args + 12, args + 16);
    EXPECT_EQ(Hooks(mdi ? *clientV : *frameV), vertical);
    EXPECT_EQ(Hooks(mdi ? *clientH : *frameH), horizontal);
    for (const rt::Value& hook : Hooks(mdi ? *frameV : *clientV)) EXPECT_TRUE(hook.IsNil());

    // A right click where the user sees the frame's client area.
    log.Clear();
    SendMessageA(surface->hWnd, WM_RBUTTONDOWN, 0, MAKELPARAM(7, 3));
    EXPECT_EQ(log.Joined(), "bRClicked(3,7,0,Self)");
  }
}

}  // namespace
