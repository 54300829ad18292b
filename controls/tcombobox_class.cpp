// TComboBox by name.
#include "controls/positional_args.h"
#include "controls/tcombobox.h"
#include "graphics/class_names.h"
#include "services/int32.h"

namespace controls {

namespace {

long Pos(rt::Args a, std::size_t i) { return rt::Arg(a, i).IsNumber() ? rt::Arg(a, i).AsInt() : 0; }

}  // namespace

const rt::ClassInfo& TComboBox::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kComboBox), &TControl::ClassDef(), rt::FactoryOf<TComboBox>(), [](rt::ClassInfo& c) {
        using C = TComboBox;
        rt::ClassBuilder<C>(c)
            .Data("aItems", &C::aItems)
            .Data("lOwnerDraw", &C::lOwnerDraw)
            .Data("nAt", &C::nAt)
            .Data("bDrawItem", &C::bDrawItem)
            .Data("bCloseUp", &C::bCloseUp)
            .Data("cError", &C::cError)
            .Method("New",
                    [](C& o, rt::Args a) {
                      ComboBoxArgs n;
                      FillArgs(a, {&n.nRow, &n.nCol, &n.bSetGet, &n.aItems, &n.nWidth, &n.nHeight, &n.oWnd, &n.nHelpId,
                                   &n.bChange, &n.bValid, &n.nClrFore, &n.nClrBack, &n.lPixel, &n.oFont, &n.cMsg,
                                   &n.lUpdate, &n.bWhen, &n.lDesign, &n.aBitmaps, &n.bDrawItem, &n.nStyle, &n.cPicture,
                                   &n.bEditChange});
                      return o.New(n).Self();
                    })
            .Method("ReDefine",
                    [](C& o, rt::Args a) {
                      ComboBoxRedefineArgs n;
                      FillArgs(a, {&n.nId, &n.bSetGet, &n.aItems, &n.oWnd, &n.nHelpId, &n.bValid, &n.bChange,
                                   &n.nClrFore, &n.nClrBack, &n.cMsg, &n.lUpdate, &n.bWhen, &n.aBitmaps, &n.bDrawItem,
                                   &n.nStyle, &n.cPicture, &n.bEditChange});
                      return o.ReDefine(n).Self();
                    })
            .Method("DefControl", [](C& o, rt::Args a) { o.DefControl(rt::Arg(a, 0)); return rt::Value(); })
            .Method("Add", [](C& o, rt::Args a) { o.Add(rt::Arg(a, 0), Pos(a, 1)); return rt::Value(); })
            .Method("Insert", [](C& o, rt::Args a) { o.Insert(rt::Arg(a, 0), Pos(a, 1)); return rt::Value(); })
            .Method("Modify", [](C& o, rt::Args a) { o.Modify(rt::Arg(a, 0), Pos(a, 1)); return rt::Value(); })
            .Method("Del", [](C& o, rt::Args a) { o.Del(Pos(a, 0)); return rt::Value(); })
            .Method("Select", [](C& o, rt::Args a) { o.Select(Pos(a, 0)); return rt::Value(); })
            .Method("Set", [](C& o, rt::Args a) { o.Set(rt::Arg(a, 0)); return rt::Value(); })
            .Method("SetItems", [](C& o, rt::Args a) { o.SetItems(rt::Arg(a, 0)); return rt::Value(); })
            .Method("VarGet", [](C& o, rt::Args) { return o.VarGet(); })
            .Method("FindString", [](C& o, rt::Args a) { return rt::Value(o.FindString(rt::Arg(a, 0).AsString(), Pos(a, 1))); })
            .Method("Open", [](C& o, rt::Args) { o.Open(); return rt::Value(); })
            .Method("IsOpen", [](C& o, rt::Args) { return rt::Value(o.IsOpen()); })
            .Method("FillMeasure", [](C& o, rt::Args a) { return o.FillMeasure(static_cast<LPARAM>(svc::ToHandle(rt::Arg(a, 0)))); });
        c.AddData("oGet", [](const rt::Object& o) {
          const auto& self = static_cast<const C&>(o);
          return self.oGet ? rt::Value(self.oGet) : rt::Value();
        }, nullptr);
        c.AddData("aBitmaps", [](const rt::Object& o) { return static_cast<const C&>(o).aBitmaps(); }, nullptr);
      });
  return info;
}

RT_CLASS_REGISTER(TComboBox);

}  // namespace controls
