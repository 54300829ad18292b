// TListBox by name.
#include "controls/positional_args.h"
#include "controls/tlistbox.h"
#include "graphics/class_names.h"
#include "services/int32.h"

namespace controls {

namespace {

long Pos(rt::Args a, std::size_t i) { return rt::Arg(a, i).IsNumber() ? rt::Arg(a, i).AsInt() : 0; }

}  // namespace

const rt::ClassInfo& TListBox::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kListBox), &TControl::ClassDef(), rt::FactoryOf<TListBox>(), [](rt::ClassInfo& c) {
        using L = TListBox;
        rt::ClassBuilder<L>(c)
            .Data("aItems", &L::aItems)
            .Data("lOwnerDraw", &L::lOwnerDraw)
            .Data("cFileSpec", &L::cFileSpec)
            .Data("bDrawItem", &L::bDrawItem)
            .Method("New",
                    [](L& l, rt::Args a) {
                      ListBoxArgs n;
                      FillArgs(a, {&n.nRow, &n.nCol, &n.bSetGet, &n.aItems, &n.nWidth, &n.nHeight, &n.bChange, &n.oWnd,
                                   &n.bValid, &n.nClrFore, &n.nClrBack, &n.lPixel, &n.lDesign, &n.bLDblClick, &n.oFont,
                                   &n.cMsg, &n.lUpdate, &n.bWhen, &n.aBitmaps, &n.bDrawItem, &n.lMulti, &n.lSort});
                      return l.New(n).Self();
                    })
            .Method("ReDefine",
                    [](L& l, rt::Args a) {
                      ListBoxRedefineArgs n;
                      FillArgs(a, {&n.nId, &n.bSetGet, &n.aItems, &n.bChange, &n.oWnd, &n.nHelpId, &n.aBitmaps,
                                   &n.bValid, &n.cFileSpec, &n.nClrFore, &n.nClrBack, &n.bLDblClick, &n.cMsg,
                                   &n.lUpdate, &n.bWhen, &n.bDrawItem});
                      return l.ReDefine(n).Self();
                    })
            .Method("Add", [](L& l, rt::Args a) { l.Add(rt::Arg(a, 0), Pos(a, 1)); return rt::Value(); })
            .Method("Insert", [](L& l, rt::Args a) { l.Insert(rt::Arg(a, 0), Pos(a, 1)); return rt::Value(); })
            .Method("Modify", [](L& l, rt::Args a) { l.Modify(rt::Arg(a, 0), Pos(a, 1)); return rt::Value(); })
            .Method("Del", [](L& l, rt::Args a) { l.Del(Pos(a, 0)); return rt::Value(); })
            .Method("Select", [](L& l, rt::Args a) { l.Select(Pos(a, 0)); return rt::Value(); })
            .Method("Set", [](L& l, rt::Args a) { l.Set(rt::Arg(a, 0).AsString()); return rt::Value(); })
            .Method("SetItems", [](L& l, rt::Args a) { l.SetItems(rt::Arg(a, 0)); return rt::Value(); })
            .Method("GetPos", [](L& l, rt::Args) { return rt::Value(l.GetPos()); })
            .Method("GetSelText", [](L& l, rt::Args) { return rt::Value(l.GetSelText()); })
            .Method("GetItem", [](L& l, rt::Args a) { return rt::Value(l.GetItem(Pos(a, 0))); })
            .Method("Len", [](L& l, rt::Args) { return rt::Value(l.Len()); })
            .Method("aSelections", [](L& l, rt::Args) { return l.aSelections(); })
            .Method("FillMeasure", [](L& l, rt::Args a) { return l.FillMeasure(static_cast<LPARAM>(svc::ToHandle(rt::Arg(a, 0)))); })
            .Method("cGenPrg", [](L& l, rt::Args) { return rt::Value(l.cGenPrg()); });
        c.AddData("nBmpWidth", [](const rt::Object& o) { return rt::Value(static_cast<const L&>(o).nBmpWidth()); }, nullptr);
        c.AddData("nBmpHeight", [](const rt::Object& o) { return rt::Value(static_cast<const L&>(o).nBmpHeight()); }, nullptr);
        c.AddData("aBitmaps", [](const rt::Object& o) { return static_cast<const L&>(o).aBitmaps(); }, nullptr);
      });
  return info;
}

RT_CLASS_REGISTER(TListBox);

}  // namespace controls
