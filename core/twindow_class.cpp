#include <cstdint>
#include <utility>

#include "core/long_value.h"
#include "core/twindow.h"

namespace core {

namespace {

template <class P>
P ArgAs(rt::Args a, std::size_t i) {
  if constexpr (std::is_same_v<P, bool>) {
    return i < a.size() && a[i].AsLogical();
  } else {
    return i < a.size() ? LongOf(a[i]) : 0;
  }
}

template <class... P, std::size_t... I>
rt::Value Invoke(TWindow& w, rt::Value (TWindow::*m)(P...), [[maybe_unused]] rt::Args a,
                 std::index_sequence<I...>) {
  return (w.*m)(ArgAs<P>(a, I)...);
}

// An event method sent by name: its arguments read by position, missing
// ones 0.
template <class... P>
auto Adapt(rt::Value (TWindow::*m)(P...)) {
  return [m](TWindow& w, rt::Args a) { return Invoke(w, m, a, std::index_sequence_for<P...>()); };
}

rt::Value Handle(HWND h) { return rt::Value(static_cast<long>(reinterpret_cast<std::intptr_t>(h))); }

}  // namespace

const rt::ClassInfo& TWindow::ClassDef() {
  static const rt::ClassInfo info("TWINDOW", &Object::ClassDef(), rt::FactoryOf<TWindow>(), [](rt::ClassInfo& c) {
    c.AddData(
        "hWnd", [](const Object& o) { return Handle(static_cast<const TWindow&>(o).hWnd); },
        [](Object& o, const rt::Value& v) {
          static_cast<TWindow&>(o).hWnd = reinterpret_cast<HWND>(static_cast<std::intptr_t>(LongOf(v)));
        });
    c.AddData(
        "nOldProc",
        [](const Object& o) {
          WNDPROC p = static_cast<const TWindow&>(o).nOldProc;
          return p ? rt::Value(static_cast<long>(reinterpret_cast<std::intptr_t>(p))) : rt::Value();
        },
        [](Object& o, const rt::Value& v) {
          static_cast<TWindow&>(o).nOldProc =
              v.IsNil() ? nullptr : reinterpret_cast<WNDPROC>(static_cast<std::intptr_t>(LongOf(v)));
        });
    rt::ClassBuilder<TWindow>(c)
      .Method("HandleEvent",
              [](TWindow& w, rt::Args a) {
                return w.HandleEvent(static_cast<UINT>(ArgAs<long>(a, 0)), static_cast<WPARAM>(ArgAs<long>(a, 1)),
                                     ArgAs<long>(a, 2));
              })
      .Method("Link",
              [](TWindow& w, rt::Args a) {
                w.Link(a.empty() || a[0].IsNil() || a[0].AsLogical());
                return rt::Value();
              })
      .Method("UnLink",
              [](TWindow& w, rt::Args) {
                w.UnLink();
                return rt::Value();
              })
      .Method("Destroy", Adapt(&TWindow::Destroy))
      .Method("AsyncSelect", Adapt(&TWindow::AsyncSelect))
      .Method("BeginPaint", Adapt(&TWindow::BeginPaint))
      .Method("Close", Adapt(&TWindow::Close))
      .Method("Command", Adapt(&TWindow::Command))
      .Method("CommNotify", Adapt(&TWindow::CommNotify))
      .Method("CtlColor", Adapt(&TWindow::CtlColor))
      .Method("DdeAck", Adapt(&TWindow::DdeAck))
      .Method("DdeExecute", Adapt(&TWindow::DdeExecute))
      .Method("DdeInitiate", Adapt(&TWindow::DdeInitiate))
      .Method("DdeTerminate", Adapt(&TWindow::DdeTerminate))
      .Method("DrawItem", Adapt(&TWindow::DrawItem))
      .Method("DropFiles", Adapt(&TWindow::DropFiles))
      .Method("DropOver", Adapt(&TWindow::DropOver))
      .Method("EndPaint", Adapt(&TWindow::EndPaint))
      .Method("EraseBkGnd", Adapt(&TWindow::EraseBkGnd))
      .Method("GetDlgCode", Adapt(&TWindow::GetDlgCode))
      .Method("GetMinMaxInfo", Adapt(&TWindow::GetMinMaxInfo))
      .Method("GotFocus", Adapt(&TWindow::GotFocus))
      .Method("HelpF1", Adapt(&TWindow::HelpF1))
      .Method("HScroll", Adapt(&TWindow::HScroll))
      .Method("InitMenuPopup", Adapt(&TWindow::InitMenuPopup))
      .Method("KeyChar", Adapt(&TWindow::KeyChar))
      .Method("KeyDown", Adapt(&TWindow::KeyDown))
      .Method("LButtonDown", Adapt(&TWindow::LButtonDown))
      .Method("LButtonUp", Adapt(&TWindow::LButtonUp))
      .Method("LDblClick", Adapt(&TWindow::LDblClick))
      .Method("LostFocus", Adapt(&TWindow::LostFocus))
      .Method("MButtonDown", Adapt(&TWindow::MButtonDown))
      .Method("MButtonUp", Adapt(&TWindow::MButtonUp))
      .Method("MeasureItem", Adapt(&TWindow::MeasureItem))
      .Method("MenuChar", Adapt(&TWindow::MenuChar))
      .Method("MenuSelect", Adapt(&TWindow::MenuSelect))
      .Method("MouseMove", Adapt(&TWindow::MouseMove))
      .Method("MouseWheel", Adapt(&TWindow::MouseWheel))
      .Method("Moved", Adapt(&TWindow::Moved))
      .Method("NcActivate", Adapt(&TWindow::NcActivate))
      .Method("NcMouseMove", Adapt(&TWindow::NcMouseMove))
      .Method("Notify", Adapt(&TWindow::Notify))
      .Method("Paint", Adapt(&TWindow::Paint))
      .Method("PaletteChanged", Adapt(&TWindow::PaletteChanged))
      .Method("QueryDragIcon", Adapt(&TWindow::QueryDragIcon))
      .Method("QueryEndSession", Adapt(&TWindow::QueryEndSession))
      .Method("QueryNewPalette", Adapt(&TWindow::QueryNewPalette))
      .Method("RButtonDown", Adapt(&TWindow::RButtonDown))
      .Method("RButtonUp", Adapt(&TWindow::RButtonUp))
      .Method("ReSize", Adapt(&TWindow::ReSize))
      .Method("SysCommand", Adapt(&TWindow::SysCommand))
      .Method("TaskBar", Adapt(&TWindow::TaskBar))
      .Method("Timer", Adapt(&TWindow::Timer))
      .Method("VScroll", Adapt(&TWindow::VScroll));
  });
  return info;
}

RT_CLASS_REGISTER(TWindow);

}  // namespace core
