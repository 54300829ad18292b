// Opening the preview, its modal wait and its end.
#include "core/send_soft.h"
#include "print/rpreview.h"

#include <windows.h>

#include "core/message_loop.h"
#include "core/window_list.h"
#include "graphics/function_names.h"
#include "graphics/tcursor.h"
#include "graphics/tfont.h"
#include "print/rpreview_state.h"
#include "runtime/macro.h"
#include "services/int32.h"
#include "services/msgbox.h"

namespace prn {

namespace preview {

namespace {

rt::Value Scroll(void (*f)(int, bool, const rt::Value&), int type, bool page) {
  return rt::Value::Block([f, type, page](rt::Args) {
    f(type, page, rt::Value());
    return rt::Value();
  });
}

std::shared_ptr<gfx::TCursor> NewCursor(const rt::Value& resource, const rt::Value& predefined) {
  auto cursor = std::make_shared<gfx::TCursor>();
  cursor->New(resource, predefined);
  return cursor;
}

void MakeWindow(State& s, const std::shared_ptr<core::TWindow>& main) {
  core::WindowArgs w;
  w.cTitle = s.device->cDocument;
  w.oMenu = BUILDMENU();
  // The main window's icon by its handle: the preview's end must not end
  // the main window's icon object, however its window goes.
  if (main) w.oIcon = rt::Value(svc::HandleNumber(main->IconHandle()));
  w.lVScroll = true;
  w.lHScroll = true;
  w.nClrFore = static_cast<double>(RGB(0, 0, 0));
  w.nClrBack = static_cast<double>(RGB(192, 192, 192));
  s.window = std::make_shared<core::TWindow>();
  s.window->New(w);
  for (const rt::Value& bar : {s.window->oVScroll, s.window->oHScroll}) core::Ask(bar, "SetRange", 0, 0);
}

void BindThumbs(State& s) {
  core::Ask(s.window->oHScroll, "_bPos", rt::Value::Block([](rt::Args a) {
              HSCROLL(0, false, rt::Arg(a, 0));
              return rt::Value();
            }));
  core::Ask(s.window->oVScroll, "_bPos", rt::Value::Block([](rt::Args a) {
              VSCROLL(0, false, rt::Arg(a, 0));
              return rt::Value();
            }));
}

void Activate(State& s) {
  rt::Value args[17];
  args[0] = "MAXIMIZED";
  args[4] = rt::Value::Action(PAINTMETA);
  args[8] = Scroll(VSCROLL, 1, false);
  args[9] = Scroll(VSCROLL, 2, false);
  args[10] = Scroll(VSCROLL, 1, true);
  args[11] = Scroll(VSCROLL, 2, true);
  args[12] = Scroll(HSCROLL, 1, false);
  args[13] = Scroll(HSCROLL, 2, false);
  args[14] = Scroll(HSCROLL, 1, true);
  args[15] = Scroll(HSCROLL, 2, true);
  args[16] = rt::Value::Block([](rt::Args) {
    Finish();
    return rt::Value(true);
  });
  const auto window = s.window;
  window->Activate(rt::Args(args, std::size(args)));
}

// Until the preview has closed: a quit, which stays queued for the
// program's loop, or a window destroyed without closing ends it too.
void Wait(const std::shared_ptr<core::TWindow>& window) {
  const HWND hWnd = window->hWnd;
  core::STOPUNTIL(rt::Value::Block(
      [hWnd](rt::Args) { return rt::Value(Current().finished || !IsWindow(hWnd)); }));
  if (Current().finished) return;
  Finish();
  if (IsWindow(hWnd)) DestroyWindow(hWnd);
}

}  // namespace

void ExitPreview() {
  if (const auto window = Current().window) window->End();
}

void Finish() {
  State& s = Current();
  if (s.finished) return;
  s.finished = true;
  if (s.left) std::exchange(s.left, nullptr)->End();
  if (s.right) std::exchange(s.right, nullptr)->End();
  if (s.device) std::exchange(s.device, nullptr)->End();
  if (const auto hand = s.handCursor.As<gfx::TCursor>()) hand->End();
  if (const auto font = s.font.As<gfx::TFont>()) font->End();
  s = State{};
}

}  // namespace preview

rt::Value RPREVIEW(const rt::Value& oDevice) {
  using namespace preview;
  const TPrinterPtr device = oDevice.As<TPrinter>();
  if (!device) return {};
  const auto main = core::WNDMAIN();
  std::shared_ptr<core::TWindow> window;
  {
    const LibraryResources library;
    // The printer ends here as it would when the preview closes: its DC
    // and page files must not outlive a preview that never opened.
    if (!library.Loaded()) {
      svc::MSGSTOP(std::string(kLibrary) + " not found, imposible to continue", std::string("Vindral Printing Error"));
      if (device != Current().device) device->End();
      return {};
    }
    State& s = Current();
    if (s.window) {
      svc::MSGSTOP(LibraryText(kAlreadyOpen));
      if (device != s.device) device->End();
      return {};
    }
    if (!device->aMeta.IsArray() || device->aMeta.Len() == 0 || !device->hDC) {
      device->End();
      return {};
    }
    s = State{};
    s.device = device;
    s.finished = false;
    s.font = rt::Value(std::make_shared<gfx::TFont>()->New("MS Sans Serif", 0, -12));
    s.lupaCursor = rt::Value(NewCursor(rt::Value("Lupa"), {}));
    s.handCursor = rt::Value(NewCursor({}, rt::Value("HAND")));
    MakeWindow(s, main);
    BuildBar(s);
    BuildPages(s);
    s.window->Center();
    core::SYSREFRESH();
    window = s.window;
  }
  // The pending messages may have closed it already.
  if (Current().window != window) return {};
  const bool modal = device->lPrvModal && main && main->hWnd;
  if (modal) main->Hide();
  BindThumbs(Current());
  SETFACTOR();
  Activate(Current());
  if (modal) {
    Wait(window);
    if (main->hWnd) main->Show();
  }
  return {};
}

void RegisterPreview() {
  rt::RegisterFunction(vdfn::kRPreview, [](rt::Args a) { return RPREVIEW(rt::Arg(a, 0)); });
}

}  // namespace prn
