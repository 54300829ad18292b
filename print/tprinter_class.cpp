// TPrinter by name: every member of the printer, for the preview, the
// report's hooks, the fonts scaled to the printer and the windows printing
// onto its pages.
#include "graphics/class_names.h"
#include "graphics/function_names.h"
#include "graphics/tbrush.h"
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

namespace {

using P = TPrinter;

int IntOr(rt::Args a, std::size_t i, int dflt) {
  return rt::Arg(a, i).IsNumber() ? static_cast<int>(rt::Arg(a, i).AsInt()) : dflt;
}
double NumOr(rt::Args a, std::size_t i, double dflt) {
  return rt::Arg(a, i).IsNumber() ? rt::Arg(a, i).AsNumber() : dflt;
}
std::shared_ptr<gfx::TPen> PenAt(rt::Args a, std::size_t i) { return rt::Arg(a, i).As<gfx::TPen>(); }
std::shared_ptr<gfx::TFont> FontAt(rt::Args a, std::size_t i) { return rt::Arg(a, i).As<gfx::TFont>(); }

// A brush object or a brush handle as a number.
HBRUSH BrushAt(rt::Args a, std::size_t i) {
  if (const auto brush = rt::Arg(a, i).As<gfx::TBrush>()) return brush->hBrush;
  return reinterpret_cast<HBRUSH>(svc::ToHandle(rt::Arg(a, i)));
}

// An image object (its hBitmap and hPalette) or {hBitmap, hPalette}.
rt::Value ImageAt(rt::Args a, std::size_t i) {
  const rt::Value& image = rt::Arg(a, i);
  if (!image.IsObject()) return image;
  return rt::Value::Array({rt::TrySend(image, "hBitmap").value_or(rt::Value(0)),
                           rt::TrySend(image, "hPalette").value_or(rt::Value(0))});
}

// Say and its centimetre and inch forms:
// nRow, nCol, cText, oFont, nWidth, nClrText, nBkMode, nPad.
template <class Say>
auto Saying(Say say) {
  return [say](P& p, rt::Args a) {
    double row = NumOr(a, 0, 0), col = NumOr(a, 1, 0);
    (p.*say)(row, col, rt::Arg(a, 2).AsString(), FontAt(a, 3), NumOr(a, 4, 0), rt::Arg(a, 5),
             IntOr(a, 6, TRANSPARENT), rt::Arg(a, 7));
    return rt::Value();
  };
}

// A conversion whose row and column come back by reference.
template <class Convert>
auto ByReference(Convert convert) {
  return [convert](P& p, rt::Args a) {
    double row = NumOr(a, 0, 0), col = NumOr(a, 1, 0);
    const rt::Value result = (p.*convert)(row, col);
    if (a.size() > 0) a[0] = rt::Value(row);
    if (a.size() > 1) a[1] = rt::Value(col);
    return result;
  };
}

// A method without arguments or answer.
template <class Member>
auto Plain(Member member) {
  return [member](P& p, rt::Args) {
    (p.*member)();
    return rt::Value();
  };
}

// A figure of four corners, four arc points and a pen.
template <class Figure>
auto ArcFigure(Figure figure) {
  return [figure](P& p, rt::Args a) {
    (p.*figure)(IntOr(a, 0, 0), IntOr(a, 1, 0), IntOr(a, 2, 0), IntOr(a, 3, 0), IntOr(a, 4, 0), IntOr(a, 5, 0),
                IntOr(a, 6, 0), IntOr(a, 7, 0), PenAt(a, 8));
    return rt::Value();
  };
}

template <class Figure>
auto BoxFigure(Figure figure) {
  return [figure](P& p, rt::Args a) {
    (p.*figure)(IntOr(a, 0, 0), IntOr(a, 1, 0), IntOr(a, 2, 0), IntOr(a, 3, 0), PenAt(a, 4));
    return rt::Value();
  };
}

void Describe(rt::ClassInfo& c) {
  c.AddData("oFont", [](const rt::Object& o) {
    const auto& p = static_cast<const P&>(o);
    return p.oFont ? rt::Value(p.oFont) : rt::Value();
  }, [](rt::Object& o, const rt::Value& v) { static_cast<P&>(o).SetFont(v.As<gfx::TFont>()); });
  c.AddData("hDC", [](const rt::Object& o) { return rt::Value(svc::HandleNumber(static_cast<const P&>(o).hDC)); },
            nullptr);
  c.AddData("hDCOut",
            [](const rt::Object& o) { return rt::Value(svc::HandleNumber(static_cast<const P&>(o).hDCOut)); },
            nullptr);
  rt::ClassBuilder<P>(c)
      .Data("aMeta", &P::aMeta)
      .Data("cDir", &P::cDir)
      .Data("cDocument", &P::cDocument)
      .Data("cModel", &P::cModel)
      .Data("nPage", &P::nPage)
      .Data("nXOffset", &P::nXOffset)
      .Data("nYOffset", &P::nYOffset)
      .Data("nPad", &P::nPad)
      .Data("nOrient", &P::nOrient)
      .Data("lMeta", &P::lMeta)
      .Data("lStarted", &P::lStarted)
      .Data("lModified", &P::lModified)
      .Data("lPrvModal", &P::lPrvModal)
      .Method("New", [](P& p, rt::Args a) {
        return p.New(rt::Arg(a, 0), rt::IsTrue(rt::Arg(a, 1)), rt::IsTrue(rt::Arg(a, 2)), rt::Arg(a, 3),
                     rt::IsTrue(rt::Arg(a, 4)))
            .Self();
      })
      .Method("StartPage", Plain(&P::StartPage))
      .Method("EndPage", Plain(&P::EndPage))
      .Method("End", Plain(&P::End))
      .Method("Say", Saying(&P::Say))
      .Method("CmSay", Saying(&P::CmSay))
      .Method("InchSay", Saying(&P::InchSay))
      .Method("SayBitmap", [](P& p, rt::Args a) {
        p.SayBitmap(IntOr(a, 0, 0), IntOr(a, 1, 0), rt::Arg(a, 2), IntOr(a, 3, 0), IntOr(a, 4, 0),
                    static_cast<DWORD>(NumOr(a, 5, SRCCOPY)));
        return rt::Value();
      })
      .Method("SayImage", [](P& p, rt::Args a) {
        p.SayImage(IntOr(a, 0, 0), IntOr(a, 1, 0), ImageAt(a, 2), IntOr(a, 3, 0), IntOr(a, 4, 0),
                   static_cast<DWORD>(NumOr(a, 5, SRCCOPY)));
        return rt::Value();
      })
      .Method("SetPos", [](P& p, rt::Args a) {
        p.SetPos(IntOr(a, 0, 0), IntOr(a, 1, 0));
        return rt::Value();
      })
      .Method("Line", BoxFigure(&P::Line))
      .Method("Box", BoxFigure(&P::Box))
      .Method("RoundBox", [](P& p, rt::Args a) {
        p.RoundBox(IntOr(a, 0, 0), IntOr(a, 1, 0), IntOr(a, 2, 0), IntOr(a, 3, 0), IntOr(a, 4, 0), IntOr(a, 5, 0),
                   PenAt(a, 6), rt::Arg(a, 7));
        return rt::Value();
      })
      .Method("Arc", ArcFigure(&P::Arc))
      .Method("Chord", ArcFigure(&P::Chord))
      .Method("Ellipse", BoxFigure(&P::Ellipse))
      .Method("Pie", ArcFigure(&P::Pie))
      .Method("GetPixel",
              [](P& p, rt::Args a) { return rt::Value(static_cast<double>(p.GetPixel(IntOr(a, 0, 0), IntOr(a, 1, 0)))); })
      .Method("SetPixel", [](P& p, rt::Args a) {
        p.SetPixel(IntOr(a, 0, 0), IntOr(a, 1, 0), static_cast<COLORREF>(NumOr(a, 2, 0)));
        return rt::Value();
      })
      .Method("Cmtr2Pix", ByReference(&P::Cmtr2Pix))
      .Method("Inch2Pix", ByReference(&P::Inch2Pix))
      .Method("DraftMode", [](P& p, rt::Args a) {
        p.DraftMode(rt::IsTrue(rt::Arg(a, 0)));
        return rt::Value();
      })
      .Method("Pix2Mmtr", [](P& p, rt::Args a) { return p.Pix2Mmtr(NumOr(a, 0, 0), NumOr(a, 1, 0)); })
      .Method("Pix2Inch", [](P& p, rt::Args a) { return p.Pix2Inch(NumOr(a, 0, 0), NumOr(a, 1, 0)); })
      .Method("CmRect2Pix", [](P& p, rt::Args a) { return p.CmRect2Pix(rt::Arg(a, 0)); })
      .Method("SizeInch2Pix", [](P& p, rt::Args a) { return p.SizeInch2Pix(NumOr(a, 0, 0), NumOr(a, 1, 0)); })
      .Method("nVertRes", [](P& p, rt::Args) { return rt::Value(p.nVertRes()); })
      .Method("nHorzRes", [](P& p, rt::Args) { return rt::Value(p.nHorzRes()); })
      .Method("nVertSize", [](P& p, rt::Args) { return rt::Value(p.nVertSize()); })
      .Method("nHorzSize", [](P& p, rt::Args) { return rt::Value(p.nHorzSize()); })
      .Method("nLogPixelX", [](P& p, rt::Args) { return rt::Value(p.nLogPixelX()); })
      .Method("nLogPixelY", [](P& p, rt::Args) { return rt::Value(p.nLogPixelY()); })
      .Method("SetPixelMode", Plain(&P::SetPixelMode))
      .Method("SetTwipsMode", Plain(&P::SetTwipsMode))
      .Method("SetLoInchMode", Plain(&P::SetLoInchMode))
      .Method("SetHiInchMode", Plain(&P::SetHiInchMode))
      .Method("SetLoMetricMode", Plain(&P::SetLoMetricMode))
      .Method("SetHiMetricMode", Plain(&P::SetHiMetricMode))
      .Method("SetIsotropicMode", Plain(&P::SetIsotropicMode))
      .Method("SetAnisotropicMode", Plain(&P::SetAnisotropicMode))
      .Method("SetWindowExt", [](P& p, rt::Args a) {
        p.SetWindowExt(IntOr(a, 0, 0), IntOr(a, 1, 0));
        return rt::Value();
      })
      .Method("SetViewPortExt", [](P& p, rt::Args a) {
        p.SetViewPortExt(IntOr(a, 0, 0), IntOr(a, 1, 0));
        return rt::Value();
      })
      .Method("GetTextWidth",
              [](P& p, rt::Args a) { return rt::Value(p.GetTextWidth(rt::Arg(a, 0).AsString(), FontAt(a, 1))); })
      .Method("GetTextHeight",
              [](P& p, rt::Args a) { return rt::Value(p.GetTextHeight(rt::Arg(a, 0).AsString(), FontAt(a, 1))); })
      .Method("Preview", Plain(&P::Preview))
      .Method("FillRect", [](P& p, rt::Args a) {
        p.FillRect(rt::Arg(a, 0), BrushAt(a, 1));
        return rt::Value();
      })
      .Method("ResetDC", [](P& p, rt::Args) { return rt::Value(p.ResetDC()); })
      .Method("GetOrientation", [](P& p, rt::Args) { return rt::Value(p.GetOrientation()); })
      .Method("SetLandscape", Plain(&P::SetLandscape))
      .Method("SetPortrait", Plain(&P::SetPortrait))
      .Method("SetCopies", [](P& p, rt::Args a) {
        p.SetCopies(IntOr(a, 0, 1));
        return rt::Value();
      })
      .Method("SetSize", [](P& p, rt::Args a) {
        p.SetSize(IntOr(a, 0, 0), IntOr(a, 1, 0));
        return rt::Value();
      })
      .Method("SetPage", [](P& p, rt::Args a) {
        p.SetPage(IntOr(a, 0, 0));
        return rt::Value();
      })
      .Method("SetBin", [](P& p, rt::Args a) {
        p.SetBin(IntOr(a, 0, 0));
        return rt::Value();
      })
      .Method("GetModel", [](P& p, rt::Args) { return rt::Value(p.GetModel()); })
      .Method("GetDriver", [](P& p, rt::Args) { return rt::Value(p.GetDriver()); })
      .Method("GetPort", [](P& p, rt::Args) { return rt::Value(p.GetPort()); })
      .Method("GetPhySize", [](P& p, rt::Args) { return p.GetPhySize(); })
      .Method("Setup", Plain(&P::Setup))
      .Method("Rebuild", Plain(&P::Rebuild))
      .Method("SetFont", [](P& p, rt::Args a) { return rt::Value(p.SetFont(FontAt(a, 0))); })
      .Method("CharSay", [](P& p, rt::Args a) {
        p.CharSay(IntOr(a, 0, 1), IntOr(a, 1, 1), rt::Arg(a, 2).AsString());
        return rt::Value();
      })
      .Method("CharWidth", [](P& p, rt::Args) { return rt::Value(p.CharWidth()); })
      .Method("CharHeight", [](P& p, rt::Args) { return rt::Value(p.CharHeight()); })
      .Method("ImportWMF", [](P& p, rt::Args a) {
        p.ImportWMF(rt::Arg(a, 0).AsString(), !rt::Arg(a, 1).IsLogical() || rt::Arg(a, 1).AsLogical());
        return rt::Value();
      })
      .Method("ImportRAW", [](P& p, rt::Args a) { return rt::Value(p.ImportRAW(rt::Arg(a, 0).AsString())); });
}

}  // namespace

const rt::ClassInfo& TPrinter::ClassDef() {
  static const rt::ClassInfo info(std::string(vdclass::kPrinter), &Object::ClassDef(), rt::FactoryOf<TPrinter>(),
                                  Describe);
  return info;
}

RT_CLASS_REGISTER(TPrinter);

}  // namespace prn
