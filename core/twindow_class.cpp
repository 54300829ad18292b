// TWindow by name: its data members and methods as the class layer sends
// them at run time (send by name, persistence, the designer).
#include <cstdint>
#include <utility>

#include "core/twindow.h"
#include "core/twindow_design.h"
#include "graphics/class_names.h"
#include "services/int32.h"

namespace core {

namespace {

template <class P>
P ArgAs(rt::Args a, std::size_t i) {
  if constexpr (std::is_same_v<P, bool>) {
    return i < a.size() && a[i].AsLogical();
  } else {
    return i < a.size() ? svc::ToInt32(a[i]) : 0;
  }
}

std::string TextArg(rt::Args a, std::size_t i) { return Arg(a, i).IsString() ? Arg(a, i).AsString() : std::string(); }

template <class... P, std::size_t... I>
rt::Value Invoke(TWindow& w, rt::Value (TWindow::*m)(P...), [[maybe_unused]] rt::Args a, std::index_sequence<I...>) {
  return (w.*m)(ArgAs<P>(a, I)...);
}

// An event method sent by name: its arguments read by position, missing
// ones 0.
template <class... P>
auto Adapt(rt::Value (TWindow::*m)(P...)) {
  return [m](TWindow& w, rt::Args a) { return Invoke(w, m, a, std::index_sequence_for<P...>()); };
}

// A method without a result of its own answers NIL.
template <class F>
auto Nil(F f) {
  return [f](TWindow& w, rt::Args a) {
    f(w, a);
    return rt::Value();
  };
}

template <class H>
rt::Value HandleOf(H h) {
  return rt::Value(reinterpret_cast<std::intptr_t>(h));
}

template <class H>
H ToHandle(const rt::Value& v) {
  return reinterpret_cast<H>(svc::ToHandle(v));
}

template <class H>
void HandleData(rt::ClassInfo& c, const char* name, H TWindow::*member) {
  c.AddData(
      name, [member](const rt::Object& o) { return HandleOf(static_cast<const TWindow&>(o).*member); },
      [member](rt::Object& o, const rt::Value& v) { static_cast<TWindow&>(o).*member = ToHandle<H>(v); });
}

// Element n (from 1) of a designer table; NIL outside it.
rt::Value TableEntry(const rt::Value& table, long n) {
  return table.IsArray() && n >= 1 && n <= static_cast<long>(table.Len()) ? table.At(static_cast<std::size_t>(n))
                                                                          : rt::Value();
}

rt::Value TableLength(const rt::Value& table) { return rt::Value(table.IsArray() ? table.Len() : 0); }

WindowArgs NewArgs(rt::Args a) {
  WindowArgs w;
  rt::Value* fields[] = {&w.nTop,    &w.nLeft,   &w.nBottom,  &w.nRight,   &w.cTitle,   &w.nStyle,   &w.oMenu,
                         &w.oBrush,  &w.oIcon,   &w.oWnd,     &w.lVScroll, &w.lHScroll, &w.nClrFore, &w.nClrBack,
                         &w.oCursor, &w.cBorder, &w.lSysMenu, &w.lCaption, &w.lMin,     &w.lMax,     &w.lPixel};
  for (std::size_t i = 0; i < std::size(fields) && i < a.size(); ++i) *fields[i] = a[i];
  return w;
}

}  // namespace

const rt::ClassInfo& TWindow::ClassDef() {
  static const rt::ClassInfo info(std::string(vdclass::kWindow), &Object::ClassDef(), rt::FactoryOf<TWindow>(), [](rt::ClassInfo& c) {
    HandleData(c, "hWnd", &TWindow::hWnd);
    HandleData(c, "hDC", &TWindow::hDC);
    HandleData(c, "hCtlFocus", &TWindow::hCtlFocus);
    c.AddData(
        "nOldProc",
        [](const Object& o) {
          WNDPROC p = static_cast<const TWindow&>(o).nOldProc;
          return p ? HandleOf(p) : rt::Value();
        },
        [](Object& o, const rt::Value& v) {
          static_cast<TWindow&>(o).nOldProc = v.IsNil() ? nullptr : ToHandle<WNDPROC>(v);
        });
    c.AddData(
        "cTitle", [](const Object& o) { return rt::Value(static_cast<const TWindow&>(o).cTitle()); },
        [](Object& o, const rt::Value& v) { static_cast<TWindow&>(o)._cTitle(v.AsString()); });
    c.AddData(
        "nWidth", [](const Object& o) { return rt::Value(static_cast<const TWindow&>(o).nWidth()); },
        [](Object& o, const rt::Value& v) { static_cast<TWindow&>(o)._nWidth(v.AsInt()); });
    c.AddData(
        "nHeight", [](const Object& o) { return rt::Value(static_cast<const TWindow&>(o).nHeight()); },
        [](Object& o, const rt::Value& v) { static_cast<TWindow&>(o)._nHeight(v.AsInt()); });
    // Assigned by name (as a loaded design is), the place moves a living
    // window with it.
    c.AddData(
        "nTop", [](const Object& o) { return rt::Value(static_cast<const TWindow&>(o).nTop); },
        [](Object& o, const rt::Value& v) {
          auto& w = static_cast<TWindow&>(o);
          w.MoveCorner(static_cast<int>(v.AsInt()), w.nLeft);
        });
    c.AddData(
        "nLeft", [](const Object& o) { return rt::Value(static_cast<const TWindow&>(o).nLeft); },
        [](Object& o, const rt::Value& v) {
          auto& w = static_cast<TWindow&>(o);
          w.MoveCorner(w.nTop, static_cast<int>(v.AsInt()));
        });
    TWindow::aProperties = PropertiesArray();
    TWindow::aEvents = EventsArray();
    c.AddData(
        "aProperties", [](const Object&) { return TWindow::aProperties; },
        [](Object&, const rt::Value& v) { TWindow::aProperties = v; });
    c.AddData(
        "aEvents", [](const Object&) { return TWindow::aEvents; },
        [](Object&, const rt::Value& v) { TWindow::aEvents = v; });
    c.AddData(
        "nToolTip", [](const Object&) { return rt::Value(TWindow::nToolTip); },
        [](Object&, const rt::Value& v) { TWindow::nToolTip = svc::ToInt32(v); });
    c.AddData(
        "oMItemSelect", [](const Object&) { return TWindow::oMItemSelect; },
        [](Object&, const rt::Value& v) { TWindow::oMItemSelect = v; });

    rt::ClassBuilder<TWindow> b(c);
#define VD_DATA(m) b.Data(#m, &TWindow::m);
#define VD_FLAG_DATA(m, initial) VD_DATA(m)
    VD_TWINDOW_HOOKS(VD_DATA)
    VD_TWINDOW_OWNED(VD_DATA)
    VD_TWINDOW_VALUES(VD_DATA)
    VD_TWINDOW_FLAGS(VD_FLAG_DATA)
    VD_TWINDOW_NUMBERS(VD_DATA)
#undef VD_FLAG_DATA
#undef VD_DATA
#define VD_EVENT(name, params) b.Method(#name, Adapt(&TWindow::name));
    VD_TWINDOW_EVENTS(VD_EVENT)
#undef VD_EVENT
    c.AddData(
        "cPS", [](const Object& o) { return static_cast<const TWindow&>(o).cPS(); },
        [](Object& o, const rt::Value& v) { static_cast<TWindow&>(o)._cPS(v); });
    b.Data("nPaintCount", &TWindow::nPaintCount)
        .Data("nBottom", &TWindow::nBottom)
        .Data("nRight", &TWindow::nRight)
        .Data("cCaption", &TWindow::cCaption)
        .Data("oBrush", &TWindow::oBrush)
        .Data("oCursor", &TWindow::oCursor)
        .Data("oFont", &TWindow::oFont);
    c.AddData(
        "lRegistered", [](const rt::Object& o) { return rt::Value(static_cast<const TWindow&>(o).lRegistered()); },
        [](rt::Object& o, const rt::Value& v) { static_cast<TWindow&>(o)._lRegistered(v.AsLogical()); });

    b.Method("New", [](TWindow& w, rt::Args a) { return w.New(NewArgs(a)).Self(); })
        .Method("Activate", [](TWindow& w, rt::Args a) { return w.Activate(a); })
        .Method("End", [](TWindow& w, rt::Args) { return rt::Value(w.End()); })
        .Method("lValid", [](TWindow& w, rt::Args) { return rt::Value(w.lValid()); })
        .Method("lWhen", [](TWindow& w, rt::Args) { return rt::Value(w.lWhen()); })
        .Method("AEvalWhen", Nil([](TWindow& w, rt::Args) { w.AEvalWhen(); }))
        .Method("Register", Nil([](TWindow& w, rt::Args a) {
                  w.Register(Arg(a, 0).IsNumber() ? static_cast<UINT>(svc::ToInt32(a[0])) : CS_VREDRAW | CS_HREDRAW);
                }))
        .Method("Create", Nil([](TWindow& w, rt::Args a) { w.Create(TextArg(a, 0)); }))
        .Method("Link", Nil([](TWindow& w, rt::Args a) { w.Link(Arg(a, 0).IsNil() || a[0].AsLogical()); }))
        .Method("UnLink", Nil([](TWindow& w, rt::Args) { w.UnLink(); }))
        .Method("SetColor",
                Nil([](TWindow& w, rt::Args a) { w.SetColor(Arg(a, 0), Arg(a, 1), Arg(a, 2).As<gfx::TBrush>()); }))
        .Method("SetBrush", Nil([](TWindow& w, rt::Args a) { w.SetBrush(Arg(a, 0).As<gfx::TBrush>()); }))
        .Method("GetFont", Nil([](TWindow& w, rt::Args) { w.GetFont(); }))
        .Method("SetFont", Nil([](TWindow& w, rt::Args a) { w.SetFont(Arg(a, 0).As<gfx::TFont>()); }))
        .Method("SetIcon", Nil([](TWindow& w, rt::Args a) { w.SetIcon(Arg(a, 0)); }))
        .Method("SetMenu", Nil([](TWindow& w, rt::Args a) { w.SetMenu(Arg(a, 0)); }))
        .Method("SetMsg", Nil([](TWindow& w, rt::Args a) { w.SetMsg(Arg(a, 0)); }))
        .Method("GetDC", [](TWindow& w, rt::Args) { return HandleOf(w.GetDC()); })
        .Method("ReleaseDC", Nil([](TWindow& w, rt::Args) { w.ReleaseDC(); }))
        .Method("DispBegin", [](TWindow& w, rt::Args a) { return w.DispBegin(ArgAs<bool>(a, 0)); })
        .Method("DispEnd", Nil([](TWindow& w, rt::Args a) { w.DispEnd(Arg(a, 0)); }))
        .Method("CoorsUpdate", Nil([](TWindow& w, rt::Args) { w.CoorsUpdate(); }))
        .Method("Move", Nil([](TWindow& w, rt::Args a) {
                  w.Move(ArgAs<long>(a, 0), ArgAs<long>(a, 1), ArgAs<long>(a, 2), ArgAs<long>(a, 3), ArgAs<bool>(a, 4));
                }))
        .Method("Center", Nil([](TWindow& w, rt::Args a) { w.Center(Arg(a, 0)); }))
        .Method("Show", Nil([](TWindow& w, rt::Args) { w.Show(); }))
        .Method("Hide", Nil([](TWindow& w, rt::Args) { w.Hide(); }))
        .Method("Enable", Nil([](TWindow& w, rt::Args) { w.Enable(); }))
        .Method("Disable", Nil([](TWindow& w, rt::Args) { w.Disable(); }))
        .Method("SetFocus", Nil([](TWindow& w, rt::Args) { w.SetFocus(); }))
        .Method("Refresh", Nil([](TWindow& w, rt::Args a) { w.Refresh(Arg(a, 0).IsNil() || a[0].AsLogical()); }))
        .Method("SendMsg",
                [](TWindow& w, rt::Args a) {
                  return rt::Value(w.SendMsg(static_cast<UINT>(ArgAs<long>(a, 0)),
                                             static_cast<WPARAM>(ArgAs<long>(a, 1)), ArgAs<long>(a, 2)));
                })
        .Method("PostMsg",
                [](TWindow& w, rt::Args a) {
                  return rt::Value(w.PostMsg(static_cast<UINT>(ArgAs<long>(a, 0)),
                                             static_cast<WPARAM>(ArgAs<long>(a, 1)), ArgAs<long>(a, 2)));
                })
        .Method("Maximize", Nil([](TWindow& w, rt::Args) { w.Maximize(); }))
        .Method("Minimize", Nil([](TWindow& w, rt::Args) { w.Minimize(); }))
        .Method("Normal", Nil([](TWindow& w, rt::Args) { w.Normal(); }))
        .Method("Restore", Nil([](TWindow& w, rt::Args) { w.Restore(); }))
        .Method("Iconize", Nil([](TWindow& w, rt::Args) { w.Iconize(); }))
        .Method("GoTop", Nil([](TWindow& w, rt::Args) { w.GoTop(); }))
        .Method("Capture", Nil([](TWindow& w, rt::Args) { w.Capture(); }))
        .Method("GetText", [](TWindow& w, rt::Args) { return rt::Value(w.GetText()); })
        .Method("SetText", Nil([](TWindow& w, rt::Args a) { w.SetText(TextArg(a, 0)); }))
        .Method("GetCliRect", [](TWindow& w, rt::Args) { return w.GetCliRect(); })
        .Method("GetRect", [](TWindow& w, rt::Args) { return w.GetRect(); })
        .Method("GetWidth",
                [](TWindow& w, rt::Args a) { return rt::Value(w.GetWidth(TextArg(a, 0), Arg(a, 1).As<gfx::TFont>())); })
        .Method("nVertRes", [](TWindow& w, rt::Args) { return rt::Value(w.nVertRes()); })
        .Method("nHorzRes", [](TWindow& w, rt::Args) { return rt::Value(w.nHorzRes()); })
        .Method("ToolWindow", Nil([](TWindow& w, rt::Args) { w.ToolWindow(); }))
        .Method("ClientEdge", Nil([](TWindow& w, rt::Args) { w.ClientEdge(); }))
        .Method("ChildLevel",
                [](TWindow& w, rt::Args a) {
                  const rt::Value c = Arg(a, 0);
                  return rt::Value(w.ChildLevel(c.IsObject() ? c.AsObject()->ClassName() : c.AsString()));
                })
        .Method("Say", Nil([](TWindow& w, rt::Args a) {
                  w.Say(ArgAs<long>(a, 0), ArgAs<long>(a, 1), Arg(a, 2), Arg(a, 3), Arg(a, 4),
                        Arg(a, 5).As<gfx::TFont>(), ArgAs<bool>(a, 6), ArgAs<bool>(a, 7), Arg(a, 8));
                }))
        .Method("SayRect", Nil([](TWindow& w, rt::Args a) {
                  w.SayRect(ArgAs<long>(a, 0), ArgAs<long>(a, 1), Arg(a, 2), ArgAs<long>(a, 3), ArgAs<long>(a, 4),
                            Arg(a, 5), Arg(a, 6));
                }))
        .Method("Line", Nil([](TWindow& w, rt::Args a) {
                  w.Line(ArgAs<long>(a, 0), ArgAs<long>(a, 1), ArgAs<long>(a, 2), ArgAs<long>(a, 3));
                }))
        .Method("Box", Nil([](TWindow& w, rt::Args a) {
                  w.Box(ArgAs<long>(a, 0), ArgAs<long>(a, 1), ArgAs<long>(a, 2), ArgAs<long>(a, 3));
                }))
        .Method("Circle",
                Nil([](TWindow& w, rt::Args a) { w.Circle(ArgAs<long>(a, 0), ArgAs<long>(a, 1), ArgAs<long>(a, 2)); }))
        .Method("SetPixel", Nil([](TWindow& w, rt::Args a) {
                  w.SetPixel(ArgAs<long>(a, 0), ArgAs<long>(a, 1), ArgAs<long>(a, 2));
                }))
        .Method("FloodFill", Nil([](TWindow& w, rt::Args a) {
                  w.FloodFill(ArgAs<long>(a, 0), ArgAs<long>(a, 1), ArgAs<long>(a, 2), Arg(a, 3));
                }))
        .Method("Copy", [](TWindow& w, rt::Args) { return w.Copy(); })
        .Method("Cut", [](TWindow& w, rt::Args) { return w.Cut(); })
        .Method("Delete", [](TWindow& w, rt::Args) { return w.Delete(); })
        .Method("Find", [](TWindow& w, rt::Args) { return w.Find(); })
        .Method("FindNext", [](TWindow& w, rt::Args) { return w.FindNext(); })
        .Method("Paste", [](TWindow& w, rt::Args) { return w.Paste(); })
        .Method("ReDo", [](TWindow& w, rt::Args) { return w.ReDo(); })
        .Method("Replace", [](TWindow& w, rt::Args) { return w.Replace(); })
        .Method("SelectAll", [](TWindow& w, rt::Args) { return w.SelectAll(); })
        .Method("UnDo", [](TWindow& w, rt::Args) { return w.UnDo(); })
        .Method("Properties", [](TWindow& w, rt::Args) { return w.Properties(); })
        .Method("Zip", [](TWindow& w, rt::Args a) { return w.Zip(Arg(a, 0)); })
        .Method("UnZip", [](TWindow& w, rt::Args a) { return w.UnZip(Arg(a, 0)); })
        .Method("FirstActiveCtrl", [](TWindow& w, rt::Args) { return w.FirstActiveCtrl(); })
        .Method("LastActiveCtrl", [](TWindow& w, rt::Args) { return w.LastActiveCtrl(); })
        .Method("Update", Nil([](TWindow& w, rt::Args) { w.Update(); }))
        .Method("SetCoors", Nil([](TWindow& w, rt::Args a) {
                  if (const auto rect = Arg(a, 0).As<gfx::TRect>()) w.SetCoors(*rect);
                }))
        .Method("SetBounds", Nil([](TWindow& w, rt::Args a) {
                  w.SetBounds(ArgAs<long>(a, 0), ArgAs<long>(a, 1), ArgAs<long>(a, 2), ArgAs<long>(a, 3));
                }))
        .Method("SetSize",
                Nil([](TWindow& w, rt::Args a) { w.SetSize(ArgAs<long>(a, 0), ArgAs<long>(a, 1), ArgAs<bool>(a, 2)); }))
        .Method("AddControl", Nil([](TWindow& w, rt::Args a) { w.AddControl(Arg(a, 0)); }))
        .Method("GoNextCtrl", Nil([](TWindow& w, rt::Args a) { w.GoNextCtrl(ToHandle<HWND>(Arg(a, 0))); }))
        .Method("GoPrevCtrl", Nil([](TWindow& w, rt::Args a) { w.GoPrevCtrl(ToHandle<HWND>(Arg(a, 0))); }))
        .Method("HelpTopic", [](TWindow& w, rt::Args) { return w.HelpTopic(); })
        .Method("CheckToolTip", Nil([](TWindow& w, rt::Args) { w.CheckToolTip(); }))
        .Method("ShowToolTip", Nil([](TWindow& w, rt::Args) { w.ShowToolTip(); }))
        .Method("DestroyToolTip", Nil([](TWindow& w, rt::Args) { w.DestroyToolTip(); }))
        .Method("Save", [](TWindow& w, rt::Args) { return rt::Value(w.Save()); })
        .Method("Load", Nil([](TWindow& w, rt::Args a) { w.Load(TextArg(a, 0)); }))
        .Method("SaveFile", [](TWindow& w, rt::Args a) { return rt::Value(w.SaveFile(TextArg(a, 0))); })
        .Method("LoadFile", [](TWindow& w, rt::Args a) { return rt::Value(w.LoadFile(TextArg(a, 0))); })
        .Method("SaveToText", [](TWindow& w, rt::Args a) { return rt::Value(w.SaveToText(ArgAs<long>(a, 0))); })
        .Method("cGenPrg", [](TWindow& w, rt::Args a) { return rt::Value(w.cGenPrg(TextArg(a, 0))); })
        .Method("GenDbf", [](TWindow& w, rt::Args a) { return rt::Value(w.GenDbf(TextArg(a, 0))); })
        .Method("Property", [](TWindow&, rt::Args a) { return TableEntry(TWindow::aProperties, ArgAs<long>(a, 0)); })
        .Method("PropCount", [](TWindow&, rt::Args) { return TableLength(TWindow::aProperties); })
        .Method("Event", [](TWindow&, rt::Args a) { return TableEntry(TWindow::aEvents, ArgAs<long>(a, 0)); })
        .Method("EveCount", [](TWindow&, rt::Args) { return TableLength(TWindow::aEvents); })
        .Method("HandleEvent",
                [](TWindow& w, rt::Args a) {
                  return w.HandleEvent(static_cast<UINT>(ArgAs<long>(a, 0)), static_cast<WPARAM>(ArgAs<long>(a, 1)),
                                       ArgAs<long>(a, 2));
                })
        .Method("Help", [](TWindow& w, rt::Args) { return w.Help(); })
        .Method("KillFocus", Adapt(&TWindow::KillFocus))
        .Method("nGetChrHeight", [](TWindow& w, rt::Args) { return rt::Value(w.nGetChrHeight()); })
        .Method("SayBitmap", Nil([](TWindow& w, rt::Args a) {
                  w.SayBitmap(ArgAs<long>(a, 0), ArgAs<long>(a, 1), Arg(a, 2), ArgAs<long>(a, 3), ArgAs<long>(a, 4));
                }))
        .Method("SelColor",
                [](TWindow& w, rt::Args a) { return rt::Value(w.SelColor(Arg(a, 0).IsNil() || a[0].AsLogical())); })
        .Method("Print",
                [](TWindow& w, rt::Args a) {
                  return w.Print(Arg(a, 0), ArgAs<int>(a, 1), ArgAs<int>(a, 2), ArgAs<int>(a, 3));
                })
        .Method("HardCopy", [](TWindow& w, rt::Args a) { return w.HardCopy(ArgAs<int>(a, 0)); })
        .Method("ReadFile", [](TWindow& w, rt::Args a) { return w.ReadFile(TextArg(a, 0)); })
        .Method("Inspect", [](TWindow& w, rt::Args a) { return w.Inspect(TextArg(a, 0)); })
        .Method("SelFont", [](TWindow& w, rt::Args) { return rt::Value(w.SelFont()); });
  });
  return info;
}

RT_CLASS_REGISTER(TWindow);

}  // namespace core
