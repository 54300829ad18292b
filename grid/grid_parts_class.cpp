// The grid's scroll bar and label by name.
#include "grid/tgbscrlbar.h"
#include "grid/tgtsay.h"

namespace grid {

namespace {

int IntArg(rt::Args a, std::size_t i) { return static_cast<int>(rt::Arg(a, i).AsInt()); }

ScrlBarArgs ScrlBarArgsOf(rt::Args a) {
  static constexpr rt::Value ScrlBarArgs::*kOrder[] = {
      &ScrlBarArgs::nRow,   &ScrlBarArgs::nCol,     &ScrlBarArgs::nMin,     &ScrlBarArgs::nMax,
      &ScrlBarArgs::nPgStep, &ScrlBarArgs::lVertical, &ScrlBarArgs::oWnd,   &ScrlBarArgs::nWidth,
      &ScrlBarArgs::nHeight, &ScrlBarArgs::bUpAct,  &ScrlBarArgs::bDownAct, &ScrlBarArgs::bPgUp,
      &ScrlBarArgs::bPgDown, &ScrlBarArgs::bPos,    &ScrlBarArgs::lPixel,   &ScrlBarArgs::nClrText,
      &ScrlBarArgs::nClrBack, &ScrlBarArgs::cMsg,   &ScrlBarArgs::lUpdate,  &ScrlBarArgs::bWhen,
      &ScrlBarArgs::bValid, &ScrlBarArgs::lDesign};
  ScrlBarArgs args;
  for (std::size_t i = 0; i < std::size(kOrder) && i < a.size(); ++i) args.*kOrder[i] = a[i];
  return args;
}

ScrlBarWinArgs ScrlBarWinArgsOf(rt::Args a) {
  static constexpr rt::Value ScrlBarWinArgs::*kOrder[] = {
      &ScrlBarWinArgs::nMin,     &ScrlBarWinArgs::nMax,    &ScrlBarWinArgs::nPgStep,   &ScrlBarWinArgs::lVertical,
      &ScrlBarWinArgs::oWnd,     &ScrlBarWinArgs::bUpAction, &ScrlBarWinArgs::bDownAction, &ScrlBarWinArgs::bPgUp,
      &ScrlBarWinArgs::bPgDown,  &ScrlBarWinArgs::bPos,    &ScrlBarWinArgs::nClrText,  &ScrlBarWinArgs::nClrBack,
      &ScrlBarWinArgs::lUpdate,  &ScrlBarWinArgs::bWhen,   &ScrlBarWinArgs::bValid};
  ScrlBarWinArgs args;
  for (std::size_t i = 0; i < std::size(kOrder) && i < a.size(); ++i) args.*kOrder[i] = a[i];
  return args;
}

TSayArgs TSayArgsOf(rt::Args a) {
  static constexpr rt::Value TSayArgs::*kOrder[] = {
      &TSayArgs::nRow,    &TSayArgs::nCol,   &TSayArgs::bText,   &TSayArgs::oWnd,    &TSayArgs::cPicture,
      &TSayArgs::oFont,   &TSayArgs::lCentered, &TSayArgs::lRight, &TSayArgs::uUnused, &TSayArgs::lPixels,
      &TSayArgs::aColors, &TSayArgs::nWidth, &TSayArgs::nHeight, &TSayArgs::lDesign, &TSayArgs::lUpdate,
      &TSayArgs::lShaded, &TSayArgs::cBox,   &TSayArgs::aBlink,  &TSayArgs::bWhen};
  TSayArgs args;
  for (std::size_t i = 0; i < std::size(kOrder) && i < a.size(); ++i) args.*kOrder[i] = a[i];
  return args;
}

rt::Value Nil() { return {}; }

}  // namespace

const rt::ClassInfo& TGBScrlBar::ClassDef() {
  static const rt::ClassInfo info("TGBSCRLBAR", &TControl::ClassDef(), rt::FactoryOf<TGBScrlBar>(),
                                  [](rt::ClassInfo& c) {
    rt::ClassBuilder<TGBScrlBar>(c)
        .Data("lVertical", &TGBScrlBar::lVertical)
        .Data("lReDraw", &TGBScrlBar::lReDraw)
        .Data("lIsChild", &TGBScrlBar::lIsChild)
        .Data("nMin", &TGBScrlBar::nMin)
        .Data("nMax", &TGBScrlBar::nMax)
        .Data("nPgStep", &TGBScrlBar::nPgStep)
        .Data("bGoUp", &TGBScrlBar::bGoUp)
        .Data("bGoDown", &TGBScrlBar::bGoDown)
        .Data("bGoTop", &TGBScrlBar::bGoTop)
        .Data("bGoBottom", &TGBScrlBar::bGoBottom)
        .Data("bPageUp", &TGBScrlBar::bPageUp)
        .Data("bPageDown", &TGBScrlBar::bPageDown)
        .Data("bPos", &TGBScrlBar::bPos)
        .Data("bTrack", &TGBScrlBar::bTrack)
        .Data("l32Bit", &TGBScrlBar::l32Bit)
        .Data("lShowDisabled", &TGBScrlBar::lShowDisabled)
        .Method("New", [](TGBScrlBar& s, rt::Args a) { return s.New(ScrlBarArgsOf(a)).Self(); })
        .Method("WinNew", [](TGBScrlBar& s, rt::Args a) { return s.WinNew(ScrlBarWinArgsOf(a)).Self(); })
        .Method("GetPos", [](TGBScrlBar& s, rt::Args) { return rt::Value(s.GetPos()); })
        .Method("GetRange", [](TGBScrlBar& s, rt::Args) { return s.GetRange(); })
        .Method("SetPos", [](TGBScrlBar& s, rt::Args a) { s.SetPos(IntArg(a, 0)); return Nil(); })
        .Method("SetRange", [](TGBScrlBar& s, rt::Args a) { s.SetRange(IntArg(a, 0), IntArg(a, 1)); return Nil(); })
        .Method("SetPage", [](TGBScrlBar& s, rt::Args a) { s.SetPage(IntArg(a, 0), rt::IsTrue(rt::Arg(a, 1))); return Nil(); })
        .Method("SetMode", [](TGBScrlBar& s, rt::Args a) { return rt::Value(s.SetMode(!rt::Arg(a, 0).IsLogical() || rt::Arg(a, 0).AsLogical())); })
        .Method("GoUp", [](TGBScrlBar& s, rt::Args) { s.GoUp(); return Nil(); })
        .Method("GoDown", [](TGBScrlBar& s, rt::Args) { s.GoDown(); return Nil(); })
        .Method("GoTop", [](TGBScrlBar& s, rt::Args) { s.GoTop(); return Nil(); })
        .Method("GoBottom", [](TGBScrlBar& s, rt::Args) { s.GoBottom(); return Nil(); })
        .Method("PageUp", [](TGBScrlBar& s, rt::Args) { s.PageUp(); return Nil(); })
        .Method("PageDown", [](TGBScrlBar& s, rt::Args) { s.PageDown(); return Nil(); })
        .Method("ThumbPos", [](TGBScrlBar& s, rt::Args a) { s.ThumbPos(IntArg(a, 0)); return Nil(); })
        .Method("ThumbTrack", [](TGBScrlBar& s, rt::Args a) { s.ThumbTrack(IntArg(a, 0)); return Nil(); });
    c.AddData("aProperties", [](const rt::Object&) { return aProperties(); }, [](rt::Object&, const rt::Value&) {});
  });
  return info;
}

const rt::ClassInfo& TGTSay::ClassDef() {
  static const rt::ClassInfo info("TGTSAY", &TControl::ClassDef(), rt::FactoryOf<TGTSay>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TGTSay>(c)
        .Data("aColors", &TGTSay::aColors)
        .Data("aBlink", &TGTSay::aBlink)
        .Data("bGet", &TGTSay::bGet)
        .Data("blWhen", &TGTSay::blWhen)
        .Data("bEnd", &TGTSay::bEnd)
        .Data("cPicture", &TGTSay::cPicture)
        .Data("lRaised", &TGTSay::lRaised)
        .Data("lShaded", &TGTSay::lShaded)
        .Data("lRepaint", &TGTSay::lRepaint)
        .Data("lCentered", &TGTSay::lCentered)
        .Data("lRight", &TGTSay::lRight)
        .Data("lWantClick", &TGTSay::lWantClick)
        .Data("lBlink", &TGTSay::lBlink)
        .Data("lPainted", &TGTSay::lPainted)
        .Data("lHidden", &TGTSay::lHidden)
        .Data("lMulti", &TGTSay::lMulti)
        .Data("nBlinkTot", &TGTSay::nBlinkTot)
        .Data("nMaxBlink", &TGTSay::nMaxBlink)
        .Data("nClrBlink", &TGTSay::nClrBlink)
        .Method("New", [](TGTSay& s, rt::Args a) { return s.New(TSayArgsOf(a)).Self(); })
        .Method("End", [](TGTSay& s, rt::Args) { s.End(); return Nil(); })
        .Method("Refresh", [](TGTSay& s, rt::Args a) { s.Refresh(!rt::Arg(a, 0).IsLogical() || rt::Arg(a, 0).AsLogical()); return Nil(); })
        .Method("SetText", [](TGTSay& s, rt::Args a) { s.SetText(rt::Arg(a, 0)); return Nil(); })
        .Method("SetBlink", [](TGTSay& s, rt::Args a) { s.SetBlink(rt::Arg(a, 0), rt::Arg(a, 1), rt::Arg(a, 2)); return Nil(); })
        .Method("StopBlink", [](TGTSay& s, rt::Args) { s.StopBlink(); return Nil(); });
  });
  return info;
}

RT_CLASS_REGISTER(TGBScrlBar);
RT_CLASS_REGISTER(TGTSay);

}  // namespace grid
