// The MDI classes and the find dialog by name: the members and methods the
// class layer and the standard menus send at run time.
#include "core/tdlg_find.h"
#include "core/tmdi_child.h"
#include "core/tmdi_client.h"
#include "core/tmdi_frame.h"
#include "graphics/class_names.h"
#include "services/int32.h"

namespace core {
namespace {

using rt::Arg;

template <class T, class F>
auto Nil(F f) {
  return [f](T& w, rt::Args a) {
    f(w, a);
    return rt::Value();
  };
}

long Number(rt::Args a, std::size_t i, long fallback = 0) {
  return Arg(a, i).IsNumber() ? svc::ToInt32(a[i]) : fallback;
}

MdiFrameArgs FrameArgs(rt::Args a) {
  MdiFrameArgs f;
  rt::Value* fields[] = {&f.nTop,     &f.nLeft,    &f.nBottom,  &f.nRight,    &f.cTitle,   &f.nStyle,
                         &f.oMenu,    &f.oBrush,   &f.oIcon,    &f.nClrFore,  &f.nClrBack, &f.lVScroll,
                         &f.lHScroll, &f.nMenuInfo, &f.nFlags,  &f.oWnd,      &f.lPixel};
  for (std::size_t i = 0; i < std::size(fields) && i < a.size(); ++i) *fields[i] = a[i];
  return f;
}

}  // namespace

const rt::ClassInfo& TMdiFrame::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kMdiFrame), &TWindow::ClassDef(), rt::FactoryOf<TMdiFrame>(), [](rt::ClassInfo& c) {
        using F = TMdiFrame;
        rt::ClassBuilder<F>(c)
            .Data("oWndActive", &F::oWndActive)
            .Data("oWndClient", &F::oWndClient)
            .Data("oMenuStart", &F::oMenuStart)
            .Data("nMenuInfo", &F::nMenuInfo)
            .Data("bOnOpen", &F::bOnOpen)
            .Method("New", [](F& w, rt::Args a) { return w.New(FrameArgs(a)).Self(); })
            .Method("ChildNew", [](F& w, rt::Args a) { return w.ChildNew(a); })
            .Method("Cascade", Nil<F>([](F& w, rt::Args) { w.Cascade(); }))
            .Method("CloseAll", [](F& w, rt::Args) { return rt::Value(w.CloseAll()); })
            .Method("IconizeAll", Nil<F>([](F& w, rt::Args) { w.IconizeAll(); }))
            .Method("Tile", Nil<F>([](F& w, rt::Args a) { w.Tile(Arg(a, 0).AsLogical()); }))
            .Method("ArrangeIcons", Nil<F>([](F& w, rt::Args) { w.ArrangeIcons(); }))
            .Method("NextWindow", Nil<F>([](F& w, rt::Args) { w.NextWindow(); }))
            .Method("PrevWindow", Nil<F>([](F& w, rt::Args) { w.PrevWindow(); }))
            .Method("Select", Nil<F>([](F& w, rt::Args a) { w.Select(Number(a, 0)); }))
            .Method("Open", [](F& w, rt::Args) { return w.Open(); })
            .Method("End", [](F& w, rt::Args) { return rt::Value(w.End()); })
            .Method("Print", [](F& w, rt::Args) { return w.PrintActive(); })
            .Method("SetMenu", Nil<F>([](F& w, rt::Args a) { w.SetMenu(Arg(a, 0), Number(a, 1, w.nMenuInfo)); }));
      });
  return info;
}

const rt::ClassInfo& TMdiClient::ClassDef() {
  static const rt::ClassInfo info("TMDICLIENT", &TWindow::ClassDef(), rt::FactoryOf<TMdiClient>(), [](rt::ClassInfo& c) {
    using C = TMdiClient;
    rt::ClassBuilder<C>(c)
        .Data("aWnd", &C::aWnd)
        .Method("Display", [](C& w, rt::Args) { return w.Display(); })
        .Method("Tile", Nil<C>([](C& w, rt::Args a) { w.Tile(Arg(a, 0).AsLogical()); }))
        .Method("Cascade", Nil<C>([](C& w, rt::Args) { w.Cascade(); }))
        .Method("ArrangeIcons", Nil<C>([](C& w, rt::Args) { w.ArrangeIcons(); }))
        .Method("NextWindow", Nil<C>([](C& w, rt::Args) { w.NextWindow(); }))
        .Method("PrevWindow", Nil<C>([](C& w, rt::Args) { w.PrevWindow(); }))
        .Method("GetActive", [](C& w, rt::Args) { return w.GetActive(); })
        .Method("Add", Nil<C>([](C& w, rt::Args a) { w.Add(Arg(a, 0)); }))
        .Method("ChildNew", [](C& w, rt::Args a) { return w.ChildNew(a); })
        .Method("ChildActivate", Nil<C>([](C& w, rt::Args a) { w.ChildActivate(Arg(a, 0)); }))
        .Method("ChildMaximize", Nil<C>([](C& w, rt::Args a) { w.ChildMaximize(Arg(a, 0)); }))
        .Method("ChildRestore", Nil<C>([](C& w, rt::Args a) { w.ChildRestore(Arg(a, 0)); }))
        .Method("ChildClose", Nil<C>([](C& w, rt::Args a) { w.ChildClose(Arg(a, 0)); }))
        .Method("ChildNext", Nil<C>([](C& w, rt::Args a) { w.ChildNext(Arg(a, 0), Arg(a, 1).AsLogical()); }))
        .Method("lCloseAll", [](C& w, rt::Args) { return rt::Value(w.lCloseAll()); })
        // What the window-list pop-up's "C&lose All" sends.
        .Method("CloseAll", [](C& w, rt::Args) { return rt::Value(w.lCloseAll()); })
        .Method("IconizeAll", Nil<C>([](C& w, rt::Args) { w.IconizeAll(); }))
        .Method("Select", Nil<C>([](C& w, rt::Args a) { w.Select(Number(a, 0)); }));
  });
  return info;
}

const rt::ClassInfo& TMdiChild::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kMdiChild), &TWindow::ClassDef(), rt::FactoryOf<TMdiChild>(), [](rt::ClassInfo& c) {
        using H = TMdiChild;
        rt::ClassBuilder<H>(c)
            .Data("oWndClient", &H::oWndClient)
            .Data("oControl", &H::oControl)
            .Data("lKeepMenu", &H::lKeepMenu)
            .Data("nMenuInfo", &H::nMenuInfo)
            .Method("Maximize", Nil<H>([](H& w, rt::Args) { w.Maximize(); }))
            .Method("Restore", Nil<H>([](H& w, rt::Args) { w.Restore(); }))
            .Method("Activate", [](H& w, rt::Args a) { return w.Activate(a); })
            .Method("End", [](H& w, rt::Args) { return rt::Value(w.End()); })
            .Method("Center", Nil<H>([](H& w, rt::Args) { w.Center(); }))
            .Method("Next", Nil<H>([](H& w, rt::Args) { w.Next(); }))
            .Method("Prev", Nil<H>([](H& w, rt::Args) { w.Prev(); }))
            .Method("SetControl", Nil<H>([](H& w, rt::Args a) { w.SetControl(Arg(a, 0)); }))
            .Method("SetMenu", Nil<H>([](H& w, rt::Args a) { w.SetMenu(Arg(a, 0)); }))
            .Method("SetFocus", Nil<H>([](H& w, rt::Args) { w.SetFocus(); }))
            .Method("SetSize", Nil<H>([](H& w, rt::Args a) {
                      w.SetSize(static_cast<int>(Number(a, 0)), static_cast<int>(Number(a, 1)));
                    }))
            .Method("IsZoomed", [](H& w, rt::Args) { return rt::Value(w.IsZoomed()); })
            .Method("IsIconic", [](H& w, rt::Args) { return rt::Value(w.IsIconic()); })
            .Method("Print", [](H& w, rt::Args) { return w.PrintDocument(); })
            .Method("MdiActivate", [](H& w, rt::Args a) {
              return w.MdiActivate(Arg(a, 0).AsLogical(), svc::ToHandle(Arg(a, 1)), svc::ToHandle(Arg(a, 2)));
            });
      });
  return info;
}

const rt::ClassInfo& TDlgFind::ClassDef() {
  static const rt::ClassInfo info("TDLGFIND", &TDialog::ClassDef(), rt::FactoryOf<TDlgFind>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TDlgFind>(c).Method("New", [](TDlgFind& d, rt::Args a) {
      return d.New(Arg(a, 0).IsString() ? a[0].AsString() : std::string(), Arg(a, 1)).Self();
    });
  });
  return info;
}

RT_CLASS_REGISTER(TMdiFrame);
RT_CLASS_REGISTER(TMdiClient);
RT_CLASS_REGISTER(TMdiChild);
RT_CLASS_REGISTER(TDlgFind);

}  // namespace core
