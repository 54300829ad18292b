// TPrinter by name: what the preview, the fonts scaled to the printer and
// the windows printing onto its pages ask of it.
#include "graphics/class_names.h"
#include "graphics/function_names.h"
#include "print/tprinter.h"

#include "runtime/macro.h"
#include "services/int32.h"

namespace prn {

void TPrinter::Preview() {
  const rt::PublicFn* preview = rt::FindFunction(vdfn::kRPreview);
  if (lMeta && nPage > 0 && hDC && preview) {
    rt::Value args[] = {Self()};
    (*preview)(args);
    return;
  }
  End();
}

const rt::ClassInfo& TPrinter::ClassDef() {
  static const rt::ClassInfo info(std::string(vdclass::kPrinter), &Object::ClassDef(), rt::FactoryOf<TPrinter>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TPrinter>(c)
        .Data("aMeta", &TPrinter::aMeta)
        .Data("cDir", &TPrinter::cDir)
        .Data("cDocument", &TPrinter::cDocument)
        .Data("cModel", &TPrinter::cModel)
        .Data("nPage", &TPrinter::nPage)
        .Data("nXOffset", &TPrinter::nXOffset)
        .Data("nYOffset", &TPrinter::nYOffset)
        .Data("nPad", &TPrinter::nPad)
        .Data("nOrient", &TPrinter::nOrient)
        .Data("lMeta", &TPrinter::lMeta)
        .Data("lStarted", &TPrinter::lStarted)
        .Data("lModified", &TPrinter::lModified)
        .Data("lPrvModal", &TPrinter::lPrvModal)
        .Method("hDC", [](TPrinter& p, rt::Args) { return rt::Value(svc::HandleNumber(p.hDC)); })
        .Method("hDCOut", [](TPrinter& p, rt::Args) { return rt::Value(svc::HandleNumber(p.hDCOut)); })
        .Method("StartPage", [](TPrinter& p, rt::Args) {
          p.StartPage();
          return rt::Value();
        })
        .Method("EndPage", [](TPrinter& p, rt::Args) {
          p.EndPage();
          return rt::Value();
        })
        .Method("Preview", [](TPrinter& p, rt::Args) {
          p.Preview();
          return rt::Value();
        })
        .Method("End", [](TPrinter& p, rt::Args) {
          p.End();
          return rt::Value();
        })
        .Method("Say", [](TPrinter& p, rt::Args a) {
          p.Say(rt::Arg(a, 0).AsNumber(), rt::Arg(a, 1).AsNumber(), rt::Arg(a, 2).AsString(),
                rt::Arg(a, 3).As<gfx::TFont>(), rt::Arg(a, 4).AsNumber(), rt::Arg(a, 5),
                rt::Arg(a, 6).IsNumber() ? static_cast<int>(rt::Arg(a, 6).AsInt()) : TRANSPARENT, rt::Arg(a, 7));
          return rt::Value();
        })
        .Method("GetTextHeight", [](TPrinter& p, rt::Args a) {
          return rt::Value(p.GetTextHeight(rt::Arg(a, 0).AsString(), rt::Arg(a, 1).As<gfx::TFont>()));
        })
        .Method("GetTextWidth", [](TPrinter& p, rt::Args a) {
          return rt::Value(p.GetTextWidth(rt::Arg(a, 0).AsString(), rt::Arg(a, 1).As<gfx::TFont>()));
        })
        .Method("nVertRes", [](TPrinter& p, rt::Args) { return rt::Value(p.nVertRes()); })
        .Method("nHorzRes", [](TPrinter& p, rt::Args) { return rt::Value(p.nHorzRes()); })
        .Method("nVertSize", [](TPrinter& p, rt::Args) { return rt::Value(p.nVertSize()); })
        .Method("nHorzSize", [](TPrinter& p, rt::Args) { return rt::Value(p.nHorzSize()); })
        .Method("nLogPixelX", [](TPrinter& p, rt::Args) { return rt::Value(p.nLogPixelX()); })
        .Method("nLogPixelY", [](TPrinter& p, rt::Args) { return rt::Value(p.nLogPixelY()); });
  });
  return info;
}

RT_CLASS_REGISTER(TPrinter);

}  // namespace prn
