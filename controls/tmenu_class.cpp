// The names of TMenu's members and methods, for sends by name: the window
// reaches its menus only this way.
#include "controls/tmenu.h"
#include "services/int32.h"
#include "graphics/class_names.h"

namespace ctl {
namespace {

using rt::Arg;

LPARAM HandleArg(rt::Args a, std::size_t i) { return static_cast<LPARAM>(svc::ToHandle(Arg(a, i))); }
bool Logical(rt::Args a, std::size_t i, bool fallback) {
  return Arg(a, i).IsLogical() ? Arg(a, i).AsLogical() : fallback;
}

template <class F>
auto Void(F f) {
  return [f](TMenu& m, rt::Args a) {
    f(m, a);
    return rt::Value();
  };
}

}  // namespace

const rt::ClassInfo& TMenu::ClassDef() {
  static const rt::ClassInfo info(std::string(vdclass::kMenu), &rt::Object::ClassDef(), rt::FactoryOf<TMenu>(), [](rt::ClassInfo& c) {
    c.AddData(
        "hMenu", [](const Object& o) { return rt::Value(svc::HandleNumber(static_cast<const TMenu&>(o).hMenu)); },
        [](Object& o, const rt::Value& v) { static_cast<TMenu&>(o).hMenu = svc::HandleOf<HMENU>(svc::ToHandle(v)); });
    rt::ClassBuilder<TMenu>(c)
        .Data("aItems", &TMenu::aItems)
        .Data("oWnd", &TMenu::oWnd)
        .Data("lSysMenu", &TMenu::lSysMenu)
        .Data("lPopup", &TMenu::lPopup)
        .Data("nHelpId", &TMenu::nHelpId)
        .Data("cVarName", &TMenu::cVarName)
        .Data("oAccTable", &TMenu::oAccTable)
        .Data("oMenuItemPopup", &TMenu::oMenuItemPopup)
        .Method("New", [](TMenu& m, rt::Args a) { return m.New(Logical(a, 0, false), Arg(a, 1)).Self(); })
        .Method("ReDefine", [](TMenu& m, rt::Args a) { return m.ReDefine(Arg(a, 0), Logical(a, 1, false)).Self(); })
        .Method("NewSys", [](TMenu& m, rt::Args a) { return m.NewSys(Arg(a, 0)).Self(); })
        .Method("Add", Void([](TMenu& m, rt::Args a) {
                  m.Add(Arg(a, 0).IsObject() ? Arg(a, 0).As<TMenuItem>() : nullptr, Logical(a, 1, false));
                }))
        .Method("AddEdit", Void([](TMenu& m, rt::Args) { m.AddEdit(); }))
        .Method("AddFile", Void([](TMenu& m, rt::Args) { m.AddFile(); }))
        .Method("AddHelp", Void([](TMenu& m, rt::Args a) { m.AddHelp(Arg(a, 0), Arg(a, 1)); }))
        .Method("AddMdi", Void([](TMenu& m, rt::Args) { m.AddMdi(); }))
        .Method("Insert", Void([](TMenu& m, rt::Args a) {
                  m.Insert(Arg(a, 0).IsObject() ? Arg(a, 0).As<TMenuItem>() : nullptr, Arg(a, 1).AsInt());
                }))
        .Method("Initiate", Void([](TMenu& m, rt::Args) { m.Initiate(); }))
        .Method("Command", Void([](TMenu& m, rt::Args a) { m.Command(Arg(a, 0).AsInt()); }))
        .Method("LastItem", [](TMenu&, rt::Args) { return TMenu::LastItem(); })
        .Method("Load", Void([](TMenu& m, rt::Args a) { m.Load(Arg(a, 0).AsString()); }))
        .Method("GetMenuItem", [](TMenu& m, rt::Args a) { return m.GetMenuItem(HandleArg(a, 0)); })
        .Method("GetPopup", [](TMenu&, rt::Args a) { return TMenu::GetPopup(HandleArg(a, 0)); })
        .Method("GetSubMenu", [](TMenu& m, rt::Args a) { return m.GetSubMenu(HandleArg(a, 0)); })
        .Method("HelpTopic", Void([](TMenu& m, rt::Args) { m.HelpTopic(); }))
        .Method("Activate", Void([](TMenu& m, rt::Args a) {
                  m.Activate(Arg(a, 0).AsInt(), Arg(a, 1).AsInt(), Arg(a, 2), Logical(a, 3, true));
                }))
        .Method("DelItems", Void([](TMenu& m, rt::Args) { m.DelItems(); }))
        .Method("Refresh", Void([](TMenu& m, rt::Args) { m.Refresh(); }))
        .Method("Reset", Void([](TMenu& m, rt::Args) { m.Reset(); }))
        .Method("Destroy", Void([](TMenu& m, rt::Args) { m.Destroy(); }))
        .Method("End", Void([](TMenu& m, rt::Args) { m.End(); }))
        .Method("Hilite", Void([](TMenu& m, rt::Args a) { m.Hilite(Arg(a, 0).AsInt()); }))
        .Method("UnHilite", Void([](TMenu& m, rt::Args a) { m.UnHilite(Arg(a, 0).AsInt()); }))
        .Method("Disable", Void([](TMenu& m, rt::Args) { m.Disable(); }))
        .Method("Enable", Void([](TMenu& m, rt::Args) { m.Enable(); }))
        .Method("Save", [](TMenu& m, rt::Args) { return rt::Value(m.Save()); })
        .Method("DrawItem", [](TMenu& m, rt::Args a) { return m.DrawItem(HandleArg(a, 0)); })
        .Method("MeasureItem", [](TMenu& m, rt::Args a) { return m.MeasureItem(HandleArg(a, 0)); });
  });
  return info;
}
RT_CLASS_REGISTER(TMenu);

}  // namespace ctl
