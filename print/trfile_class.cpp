// TRFile by name: it answers what a printer is asked, so that a report or
// a program drives either. What text has no use for does nothing.
#include "print/report_parts.h"
#include "print/trfile.h"

namespace prn {

namespace {

using F = TRFile;

int IntOr(rt::Args a, std::size_t i, int dflt) { return static_cast<int>(NumberOr(rt::Arg(a, i), dflt)); }

// Say(nRow, nCol, cText, oFont, nWidth, nClrText, nBkMode, nPad).
rt::Value SayByName(F& f, rt::Args a) {
  f.Say(NumberOr(rt::Arg(a, 0), 0), NumberOr(rt::Arg(a, 1), 1), rt::Arg(a, 2).AsString(), 1,
        NumberOr(rt::Arg(a, 4), 0), IntOr(a, 7, 0), false);
  return {};
}

constexpr const char* kWithoutEffect[] = {
    "SayBitmap",     "SetPos",          "Line",        "Box",          "SetPixelMode",  "SetTwipsMode",
    "SetLoInchMode", "SetHiInchMode",   "SetLoMetricMode", "SetHiMetricMode", "SetIsotropicMode",
    "SetAnisotropicMode", "SetWindowExt", "SetViewPortExt", "FillRect", "SetLandscape", "SetPortrait",
    "SetCopies",     "Setup",           "Rebuild",     "Font",         "Inch2Pix"};

}  // namespace

const rt::ClassInfo& TRFile::ClassDef() {
  static const rt::ClassInfo info("TRFILE", &rt::Object::ClassDef(), rt::FactoryOf<TRFile>(), [](rt::ClassInfo& c) {
    c.AddData("aRows", [](const rt::Object& o) {
      rt::Value rows = rt::Value::Array();
      for (const std::string& row : static_cast<const F&>(o).aRows) rows.Items().push_back(rt::Value(row));
      return rows;
    }, nullptr);
    rt::ClassBuilder<F> b(c);
    b.Data("hDC", &F::hDC)
        .Data("cDocument", &F::cDocument)
        .Data("cPrnComp", &F::cPrnComp)
        .Data("nHeight", &F::nHeight)
        .Data("nWidth", &F::nWidth)
        .Data("lPrint", &F::lPrint)
        .Method("New", [](F& f, rt::Args a) { return f.New(rt::Arg(a, 0).AsString()).Self(); })
        .Method("StartPage", [](F& f, rt::Args) {
          f.StartPage();
          return rt::Value();
        })
        .Method("EndPage", [](F& f, rt::Args) {
          f.EndPage();
          return rt::Value();
        })
        .Method("End", [](F& f, rt::Args) {
          f.End();
          return rt::Value();
        })
        .Method("Say", SayByName)
        .Method("CharSay", SayByName)
        .Method("SetHeight", [](F& f, rt::Args a) {
          f.SetHeight(IntOr(a, 0, f.nHeight));
          return rt::Value();
        })
        .Method("GetTextWidth", [](F& f, rt::Args a) { return rt::Value(f.TextWidth(rt::Arg(a, 0).AsString(), 1)); })
        .Method("GetTextHeight", [](F&, rt::Args) { return rt::Value(1); })
        .Method("SetSize", [](F& f, rt::Args a) {
          f.SetSize(IntOr(a, 0, f.nWidth), IntOr(a, 1, f.nHeight));
          return rt::Value();
        })
        .Method("GetPhySize", [](F& f, rt::Args) { return rt::Value::Array({f.nWidth, f.nHeight}); })
        .Method("CharWidth", [](F&, rt::Args) { return rt::Value(1); })
        .Method("CharHeight", [](F&, rt::Args) { return rt::Value(1); })
        .Method("nVertRes", [](F& f, rt::Args) { return rt::Value(f.nHeight); })
        .Method("nHorzRes", [](F& f, rt::Args) { return rt::Value(f.nWidth); })
        .Method("nVertSize", [](F& f, rt::Args) { return rt::Value(f.nHeight * 25.4); })
        .Method("nHorzSize", [](F& f, rt::Args) { return rt::Value(f.nWidth * 25.4); })
        .Method("nLogPixelX", [](F&, rt::Args) { return rt::Value(1); })
        .Method("nLogPixelY", [](F&, rt::Args) { return rt::Value(1); })
        .Method("GetOrientation", [](F&, rt::Args) { return rt::Value(2); });
    for (const char* name : kWithoutEffect) b.Method(name, [](F&, rt::Args) { return rt::Value(); });
  });
  return info;
}

RT_CLASS_REGISTER(TRFile);

}  // namespace prn
