// TMultiGet by name.
#include "controls/positional_args.h"
#include "controls/tmultiget.h"
#include "graphics/class_names.h"

namespace controls {

namespace {

std::string Text(rt::Args a, std::size_t i) { return rt::Arg(a, i).IsString() ? rt::Arg(a, i).AsString() : std::string(); }

}  // namespace

const rt::ClassInfo& TMultiGet::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kMultiGet), &TControl::ClassDef(), rt::FactoryOf<TMultiGet>(), [](rt::ClassInfo& c) {
        using M = TMultiGet;
        rt::ClassBuilder<M>(c)
            .Data("lReadOnly", &M::lReadOnly)
            .Data("nPos", &M::nPos)
            .Data("hHeap", &M::hHeap)
            .Method("New",
                    [](M& m, rt::Args a) {
                      MultiGetArgs n;
                      FillArgs(a, {&n.nRow, &n.nCol, &n.bSetGet, &n.oWnd, &n.nWidth, &n.nHeight, &n.oFont, &n.lHScroll,
                                   &n.nClrFore, &n.nClrBack, &n.oCursor, &n.lPixel, &n.cMsg, &n.lUpdate, &n.bWhen,
                                   &n.lCenter, &n.lRight, &n.lReadOnly, &n.bValid, &n.bChange, &n.lDesign,
                                   &n.lNoBorder, &n.lNoVScroll});
                      return m.New(n).Self();
                    })
            .Method("ReDefine",
                    [](M& m, rt::Args a) {
                      MultiGetRedefineArgs n;
                      FillArgs(a, {&n.nId, &n.bSetGet, &n.oWnd, &n.nHelpId, &n.nClrFore, &n.nClrBack, &n.oFont,
                                   &n.oCursor, &n.cMsg, &n.lUpdate, &n.bWhen, &n.lReadOnly, &n.bValid, &n.bChange});
                      return m.ReDefine(n).Self();
                    })
            .Method("SetCoors",
                    [](M& m, rt::Args a) {
                      if (const auto rect = rt::Arg(a, 0).As<gfx::TRect>()) m.SetCoors(*rect);
                      return rt::Value();
                    })
            .Method("Print", [](M& m, rt::Args) { return rt::Value(m.Print()); })
            .Method("cText",
                    [](M& m, rt::Args a) {
                      if (!a.empty()) m.cText(Text(a, 0));
                      return rt::Value(m.cText());
                    })
            .Method("Refresh", [](M& m, rt::Args) { m.Refresh(); return rt::Value(); })
            .Method("Replace", [](M& m, rt::Args a) { m.Replace(Text(a, 0)); return rt::Value(); })
            .Method("Append", [](M& m, rt::Args a) { m.Append(Text(a, 0)); return rt::Value(); })
            .Method("SaveToFile", [](M& m, rt::Args a) { return rt::Value(m.SaveToFile(Text(a, 0))); })
            .Method("GoTo", [](M& m, rt::Args a) { m.GoTo(rt::Arg(a, 0).AsInt()); return rt::Value(); })
            .Method("GetRow", [](M& m, rt::Args) { return rt::Value(m.GetRow()); })
            .Method("GetCol", [](M& m, rt::Args) { return rt::Value(m.GetCol()); })
            .Method("GetSel", [](M& m, rt::Args) { return rt::Value(m.GetSel()); })
            .Method("DelLine", [](M& m, rt::Args a) { m.DelLine(rt::Arg(a, 0).AsInt()); return rt::Value(); })
            .Method("DlgGoLine", [](M& m, rt::Args) { m.DlgGoLine(); return rt::Value(); })
            .Method("Len", [](M& m, rt::Args) { return rt::Value(m.Len()); });
      });
  return info;
}

RT_CLASS_REGISTER(TMultiGet);

}  // namespace controls
