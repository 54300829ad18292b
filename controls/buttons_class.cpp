// TButton and TBtnBmp by name.
#include "controls/positional_args.h"
#include "controls/tbtnbmp.h"
#include "controls/tbutton.h"
#include "graphics/class_names.h"
#include "services/int32.h"

namespace controls {

namespace {

using rt::Arg;

template <class T, class F>
auto Void(F f) {
  return [f](T& o, rt::Args a) {
    f(o, a);
    return rt::Value();
  };
}

std::string Text(rt::Args a, std::size_t i) { return Arg(a, i).IsString() ? Arg(a, i).AsString() : std::string(); }

// A picture's bitmap and palette as the pair of handle members of its slot.
void PictureData(rt::ClassInfo& c, const char* bitmap, const char* palette, Picture TBtnBmp::*slot) {
  c.AddData(
      bitmap, [slot](const rt::Object& o) { return rt::Value(svc::HandleNumber((static_cast<const TBtnBmp&>(o).*slot).bitmap)); },
      [slot](rt::Object& o, const rt::Value& v) {
        (static_cast<TBtnBmp&>(o).*slot).bitmap = svc::HandleOf<HBITMAP>(svc::ToHandle(v));
      });
  c.AddData(
      palette,
      [slot](const rt::Object& o) { return rt::Value(svc::HandleNumber((static_cast<const TBtnBmp&>(o).*slot).palette)); },
      [slot](rt::Object& o, const rt::Value& v) {
        (static_cast<TBtnBmp&>(o).*slot).palette = svc::HandleOf<HPALETTE>(svc::ToHandle(v));
      });
}

}  // namespace

const rt::ClassInfo& TButton::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kButton), &TControl::ClassDef(), rt::FactoryOf<TButton>(), [](rt::ClassInfo& c) {
        rt::ClassBuilder<TButton>(c)
            .Data("bAction", &TButton::bAction)
            .Data("lDefault", &TButton::lDefault)
            .Data("lProcessing", &TButton::lProcessing)
            .Method("New",
                    [](TButton& b, rt::Args a) {
                      ButtonArgs n;
                      FillArgs(a, {&n.nRow, &n.nCol, &n.cCaption, &n.oWnd, &n.bAction, &n.nWidth, &n.nHeight,
                                   &n.nHelpId, &n.oFont, &n.lDefault, &n.lPixel, &n.lDesign, &n.cMsg, &n.lUpdate,
                                   &n.bWhen, &n.bValid, &n.lCancel});
                      return b.New(n).Self();
                    })
            .Method("ReDefine",
                    [](TButton& b, rt::Args a) {
                      ButtonRedefineArgs n;
                      FillArgs(a, {&n.nId, &n.bAction, &n.oWnd, &n.nHelpId, &n.cMsg, &n.lUpdate, &n.bWhen, &n.bValid,
                                   &n.cCaption, &n.lCancel});
                      return b.ReDefine(n).Self();
                    })
            .Method("Click", [](TButton& b, rt::Args) { return b.Click(); })
            .Method("cGenPRG", [](TButton& b, rt::Args) { return rt::Value(b.cGenPRG()); });
      });
  return info;
}

const rt::ClassInfo& TBtnBmp::ClassDef() {
  static const rt::ClassInfo info(
      std::string(vdclass::kBtnBmp), &TControl::ClassDef(), rt::FactoryOf<TBtnBmp>(), [](rt::ClassInfo& c) {
        PictureData(c, "hBitmap1", "hPalette1", &TBtnBmp::picture1);
        PictureData(c, "hBitmap2", "hPalette2", &TBtnBmp::picture2);
        PictureData(c, "hBitmap3", "hPalette3", &TBtnBmp::picture3);
        using B = TBtnBmp;
        rt::ClassBuilder<B>(c)
            .Data("bAction", &B::bAction)
            .Data("cAction", &B::cAction)
            .Data("lPressed", &B::lPressed)
            .Data("lAdjust", &B::lAdjust)
            .Data("lGroup", &B::lGroup)
            .Data("lWorking", &B::lWorking)
            .Data("lBtnUp", &B::lBtnUp)
            .Data("lBtnDown", &B::lBtnDown)
            .Data("cResName1", &B::cResName1)
            .Data("cResName2", &B::cResName2)
            .Data("cResName3", &B::cResName3)
            .Data("cBmpFile1", &B::cBmpFile1)
            .Data("cBmpFile2", &B::cBmpFile2)
            .Data("cBmpFile3", &B::cBmpFile3)
            .Data("lProcessing", &B::lProcessing)
            .Data("lBorder", &B::lBorder)
            .Data("oPopup", &B::oPopup)
            .Data("nLayout", &B::nLayout)
            .Method("New",
                    [](B& b, rt::Args a) {
                      BtnBmpArgs n;
                      FillArgs(a, {&n.nTop, &n.nLeft, &n.nWidth, &n.nHeight, &n.cResName1, &n.cResName2,
                                   &n.cBmpFile1, &n.cBmpFile2, &n.bAction, &n.oWnd, &n.cMsg, &n.bWhen, &n.lAdjust,
                                   &n.lUpdate, &n.cCaption, &n.oFont, &n.cResName3, &n.cBmpFile3, &n.lBorder,
                                   &n.cLayout});
                      return b.New(n).Self();
                    })
            .Method("NewBar",
                    [](B& b, rt::Args a) {
                      BtnBmpBarArgs n;
                      FillArgs(a, {&n.cResName1, &n.cResName2, &n.cBmpFile1, &n.cBmpFile2, &n.cMsg, &n.bAction,
                                   &n.lGroup, &n.oBar, &n.lAdjust, &n.bWhen, &n.cToolTip, &n.lPressed, &n.bDropOver,
                                   &n.cAction, &n.nPos, &n.cCaption, &n.oFont, &n.cResName3, &n.cBmpFile3,
                                   &n.lBorder, &n.oPopup, &n.cLayout});
                      return b.NewBar(n).Self();
                    })
            .Method("ReDefine",
                    [](B& b, rt::Args a) {
                      BtnBmpRedefineArgs n;
                      FillArgs(a, {&n.nId, &n.cResName1, &n.cResName2, &n.cBmpFile1, &n.cBmpFile2, &n.cMsg,
                                   &n.bAction, &n.oWnd, &n.lAdjust, &n.bWhen, &n.lUpdate, &n.cToolTip, &n.cCaption,
                                   &n.oFont, &n.cResName3, &n.cBmpFile3, &n.lBorder, &n.cLayout});
                      return b.ReDefine(n).Self();
                    })
            .Method("Click", [](B& b, rt::Args) { return b.Click(); })
            .Method("Disable", Void<B>([](B& b, rt::Args) { b.Disable(); }))
            .Method("Enable", Void<B>([](B& b, rt::Args) { b.Enable(); }))
            .Method("FreeBitmaps", Void<B>([](B& b, rt::Args) { b.FreeBitmaps(); }))
            .Method("LoadBitmaps", Void<B>([](B& b, rt::Args a) {
                      b.LoadBitmaps(Arg(a, 0), Arg(a, 1), Text(a, 2), Text(a, 3), Arg(a, 4), Text(a, 5));
                    }))
            .Method("SetFile", Void<B>([](B& b, rt::Args a) { b.SetFile(Text(a, 0), Text(a, 1)); }))
            .Method("GoUp", Void<B>([](B& b, rt::Args) { b.GoUp(); }))
            .Method("GoDown", Void<B>([](B& b, rt::Args) { b.GoDown(); }))
            .Method("ResetBorder", Void<B>([](B& b, rt::Args) { b.ResetBorder(); }))
            .Method("Toggle", Void<B>([](B& b, rt::Args) { b.Toggle(); }))
            .Method("cGenPRG", [](B& b, rt::Args) { return rt::Value(b.cGenPRG()); });
      });
  return info;
}

RT_CLASS_REGISTER(TButton);
RT_CLASS_REGISTER(TBtnBmp);

}  // namespace controls
