// TScrollBar by name: windows reach their own bars only this way.
#include "controls/positional_args.h"
#include "controls/tscrollbar.h"
#include "graphics/class_names.h"

namespace controls {

namespace {

using rt::Arg;

template <class F>
auto Void(F f) {
  return [f](TScrollBar& s, rt::Args a) {
    f(s, a);
    return rt::Value();
  };
}

}  // namespace

const rt::ClassInfo& TScrollBar::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kScrollBar), &TControl::ClassDef(), rt::FactoryOf<TScrollBar>(), [](rt::ClassInfo& c) {
        rt::ClassBuilder<TScrollBar>(c)
            .Data("lVertical", &TScrollBar::lVertical)
            .Data("lReDraw", &TScrollBar::lReDraw)
            .Data("lIsChild", &TScrollBar::lIsChild)
            .Data("nMin", &TScrollBar::nMin)
            .Data("nMax", &TScrollBar::nMax)
            .Data("nPgStep", &TScrollBar::nPgStep)
            .Data("bGoUp", &TScrollBar::bGoUp)
            .Data("bGoDown", &TScrollBar::bGoDown)
            .Data("bGoTop", &TScrollBar::bGoTop)
            .Data("bGoBottom", &TScrollBar::bGoBottom)
            .Data("bPageUp", &TScrollBar::bPageUp)
            .Data("bPageDown", &TScrollBar::bPageDown)
            .Data("bPos", &TScrollBar::bPos)
            .Data("bTrack", &TScrollBar::bTrack)
            .Method("New",
                    [](TScrollBar& s, rt::Args a) {
                      ScrollBarArgs n;
                      FillArgs(a, {&n.nRow, &n.nCol, &n.nMin, &n.nMax, &n.nPgStep, &n.lVertical, &n.oWnd, &n.nWidth,
                                   &n.nHeight, &n.bGoUp, &n.bGoDown, &n.bPageUp, &n.bPageDown, &n.bPos, &n.lPixel,
                                   &n.nClrText, &n.nClrBack, &n.cMsg, &n.lUpdate, &n.bWhen, &n.bValid, &n.lDesign});
                      return s.New(n).Self();
                    })
            .Method("WinNew",
                    [](TScrollBar& s, rt::Args a) {
                      WinScrollBarArgs n;
                      FillArgs(a, {&n.nMin, &n.nMax, &n.nPgStep, &n.lVertical, &n.oWnd, &n.bGoUp, &n.bGoDown,
                                   &n.bPageUp, &n.bPageDown, &n.bPos, &n.nClrText, &n.nClrBack, &n.lUpdate, &n.bWhen,
                                   &n.bValid});
                      return s.WinNew(n).Self();
                    })
            .Method("ReDefine",
                    [](TScrollBar& s, rt::Args a) {
                      ScrollBarRedefineArgs n;
                      FillArgs(a, {&n.nId, &n.nMin, &n.nMax, &n.nPgStep, &n.oWnd, &n.bGoUp, &n.bGoDown, &n.bPageUp,
                                   &n.bPageDown, &n.bPos, &n.nClrText, &n.nClrBack, &n.cMsg, &n.lUpdate, &n.bWhen,
                                   &n.bValid});
                      return s.ReDefine(n).Self();
                    })
            .Method("GetPos", [](TScrollBar& s, rt::Args) { return rt::Value(s.GetPos()); })
            .Method("GetRange", [](TScrollBar& s, rt::Args) { return s.GetRange(); })
            .Method("SetPos", Void([](TScrollBar& s, rt::Args a) { s.SetPos(Arg(a, 0).AsInt()); }))
            .Method("SetRange", Void([](TScrollBar& s, rt::Args a) { s.SetRange(Arg(a, 0).AsInt(), Arg(a, 1).AsInt()); }))
            .Method("SetPage", Void([](TScrollBar& s, rt::Args a) { s.SetPage(Arg(a, 0).AsInt()); }))
            .Method("GoUp", Void([](TScrollBar& s, rt::Args) { s.GoUp(); }))
            .Method("GoDown", Void([](TScrollBar& s, rt::Args) { s.GoDown(); }))
            .Method("GoTop", Void([](TScrollBar& s, rt::Args) { s.GoTop(); }))
            .Method("GoBottom", Void([](TScrollBar& s, rt::Args) { s.GoBottom(); }))
            .Method("PageUp", Void([](TScrollBar& s, rt::Args) { s.PageUp(); }))
            .Method("PageDown", Void([](TScrollBar& s, rt::Args) { s.PageDown(); }))
            .Method("ThumbPos", Void([](TScrollBar& s, rt::Args a) { s.ThumbPos(Arg(a, 0).AsInt()); }))
            .Method("ThumbTrack", Void([](TScrollBar& s, rt::Args a) { s.ThumbTrack(Arg(a, 0).AsInt()); }));
      });
  return info;
}

RT_CLASS_REGISTER(TScrollBar);

}  // namespace controls
