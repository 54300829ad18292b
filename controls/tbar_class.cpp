// TBar by name: the bitmap buttons ask their bar for their places, and the
// print preview makes its bar this way.
#include "controls/positional_args.h"
#include "controls/tbar.h"
#include "graphics/class_names.h"
#include "services/int32.h"

namespace controls {

namespace {

using rt::Arg;

template <class F>
auto Void(F f) {
  return [f](TBar& o, rt::Args a) {
    f(o, a);
    return rt::Value();
  };
}

long Pos(rt::Args a, std::size_t i) { return Arg(a, i).IsNumber() ? svc::ToInt32(Arg(a, i)) : 0; }
std::string Text(rt::Args a, std::size_t i) { return Arg(a, i).IsString() ? Arg(a, i).AsString() : std::string(); }

}  // namespace

const rt::ClassInfo& TBar::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kBar), &TControl::ClassDef(), rt::FactoryOf<TBar>(), [](rt::ClassInfo& c) {
        using B = TBar;
        rt::ClassBuilder<B>(c)
            .Data("nGroups", &B::nGroups)
            .Data("nMode", &B::nMode)
            .Data("nBtnWidth", &B::nBtnWidth)
            .Data("nBtnHeight", &B::nBtnHeight)
            .Data("l3D", &B::l3D)
            .Method("New",
                    [](B& b, rt::Args a) {
                      BarArgs n;
                      FillArgs(a, {&n.oWnd, &n.nBtnWidth, &n.nBtnHeight, &n.l3D, &n.cMode, &n.oCursor});
                      return b.New(n).Self();
                    })
            .Method("NewAt",
                    [](B& b, rt::Args a) {
                      BarAtArgs n;
                      FillArgs(a, {&n.nRow, &n.nCol, &n.nWidth, &n.nHeight, &n.nBtnWidth, &n.nBtnHeight, &n.oWnd,
                                   &n.l3D, &n.cMode, &n.oCursor});
                      return b.NewAt(n).Self();
                    })
            .Method("Add", Void([](B& b, rt::Args a) { b.Add(Arg(a, 0), Arg(a, 1)); }))
            .Method("AddGroup", Void([](B& b, rt::Args a) { b.AddGroup(Pos(a, 0)); }))
            .Method("DelGroup", Void([](B& b, rt::Args a) { b.DelGroup(Pos(a, 0)); }))
            .Method("Del", Void([](B& b, rt::Args a) { b.Del(Pos(a, 0)); }))
            .Method("GetBtnTop",
                    [](B& b, rt::Args a) { return rt::Value(b.GetBtnTop(rt::IsTrue(Arg(a, 0)), Arg(a, 1))); })
            .Method("GetBtnLeft",
                    [](B& b, rt::Args a) { return rt::Value(b.GetBtnLeft(rt::IsTrue(Arg(a, 0)), Arg(a, 1))); })
            .Method("Adjust", Void([](B& b, rt::Args) { b.Adjust(); }))
            .Method("BtnAdjust", Void([](B& b, rt::Args) { b.BtnAdjust(); }))
            .Method("GoTop", Void([](B& b, rt::Args) { b.GoTop(); }))
            .Method("GoLeft", Void([](B& b, rt::Args) { b.GoLeft(); }))
            .Method("GoRight", Void([](B& b, rt::Args) { b.GoRight(); }))
            .Method("GoDown", Void([](B& b, rt::Args) { b.GoDown(); }))
            .Method("Float", Void([](B& b, rt::Args) { b.Float(); }))
            .Method("FloatClick",
                    Void([](B& b, rt::Args a) { b.FloatClick(Pos(a, 0), Pos(a, 1), Arg(a, 2)); }))
            .Method("SaveIni", Void([](B& b, rt::Args a) { b.SaveIni(Text(a, 0), Text(a, 1)); }))
            .Method("cGenPRG", [](B& b, rt::Args) { return rt::Value(b.cGenPRG()); });
      });
  return info;
}

RT_CLASS_REGISTER(TBar);

}  // namespace controls
