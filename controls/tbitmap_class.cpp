// TBitmap by name; the clipboard reads its picture as hBitmap.
#include "controls/positional_args.h"
#include "controls/tbitmap.h"
#include "services/int32.h"

namespace controls {

namespace {

using rt::Arg;

template <class F>
auto Void(F f) {
  return [f](TBitmap& o, rt::Args a) {
    f(o, a);
    return rt::Value();
  };
}

std::string Text(rt::Args a, std::size_t i) { return Arg(a, i).IsString() ? Arg(a, i).AsString() : std::string(); }

}  // namespace

const rt::ClassInfo& TBitmap::ClassDef() {
  static const rt::ClassInfo info("TBITMAP", &TControl::ClassDef(), rt::FactoryOf<TBitmap>(), [](rt::ClassInfo& c) {
    c.AddData(
        "hBitmap", [](const rt::Object& o) { return rt::Value(svc::HandleNumber(static_cast<const TBitmap&>(o).picture.bitmap)); },
        [](rt::Object& o, const rt::Value& v) {
          static_cast<TBitmap&>(o).picture.bitmap = svc::HandleOf<HBITMAP>(svc::ToHandle(v));
        });
    c.AddData(
        "hPalette",
        [](const rt::Object& o) { return rt::Value(svc::HandleNumber(static_cast<const TBitmap&>(o).picture.palette)); },
        [](rt::Object& o, const rt::Value& v) {
          static_cast<TBitmap&>(o).picture.palette = svc::HandleOf<HPALETTE>(svc::ToHandle(v));
        });
    c.AddData(
        "nWidth", [](const rt::Object& o) { return rt::Value(static_cast<const TBitmap&>(o).PictureWidth()); },
        [](rt::Object& o, const rt::Value& v) { static_cast<TBitmap&>(o)._nWidth(v.AsInt()); });
    c.AddData(
        "nHeight", [](const rt::Object& o) { return rt::Value(static_cast<const TBitmap&>(o).PictureHeight()); },
        [](rt::Object& o, const rt::Value& v) { static_cast<TBitmap&>(o)._nHeight(v.AsInt()); });
    rt::ClassBuilder<TBitmap>(c)
        .Data("nX", &TBitmap::nX)
        .Data("nY", &TBitmap::nY)
        .Data("nOldX", &TBitmap::nOldX)
        .Data("nOldY", &TBitmap::nOldY)
        .Data("cBmpFile", &TBitmap::cBmpFile)
        .Data("cResName", &TBitmap::cResName)
        .Data("lScroll", &TBitmap::lScroll)
        .Data("lStretch", &TBitmap::lStretch)
        .Data("aHotAreas", &TBitmap::aHotAreas)
        .Data("nVStep", &TBitmap::nVStep)
        .Data("nHStep", &TBitmap::nHStep)
        .Data("nZoom", &TBitmap::nZoom)
        .Data("lTransparent", &TBitmap::lTransparent)
        .Method("New",
                [](TBitmap& b, rt::Args a) {
                  BitmapArgs n;
                  FillArgs(a, {&n.nTop, &n.nLeft, &n.nWidth, &n.nHeight, &n.cResName, &n.cBmpFile, &n.lNoBorder,
                               &n.oWnd, &n.bLClicked, &n.bRClicked, &n.lScroll, &n.lStretch, &n.oCursor, &n.uUnused,
                               &n.lUpdate, &n.bWhen, &n.lPixel, &n.bValid, &n.lDesign});
                  return b.New(n).Self();
                })
        .Method("Define", [](TBitmap& b, rt::Args a) { return b.Define(Arg(a, 0), Text(a, 1), Arg(a, 2)).Self(); })
        .Method("ReDefine",
                [](TBitmap& b, rt::Args a) {
                  BitmapRedefineArgs n;
                  FillArgs(a, {&n.nId, &n.cResName, &n.cBmpFile, &n.oWnd, &n.bLClicked, &n.bRClicked, &n.lScroll,
                               &n.lStretch, &n.oCursor, &n.uUnused, &n.lUpdate, &n.bWhen, &n.bValid, &n.lTransparent});
                  return b.ReDefine(n).Self();
                })
        .Method("AdjControls", Void([](TBitmap& b, rt::Args a) { b.AdjControls(rt::IsTrue(Arg(a, 0))); }))
        .Method("Center", Void([](TBitmap& b, rt::Args) { b.Center(); }))
        .Method("CopyToClipboard", [](TBitmap& b, rt::Args) { return rt::Value(b.CopyToClipboard()); })
        .Method("Zoom", [](TBitmap& b, rt::Args a) { return rt::Value(b.Zoom(Arg(a, 0))); })
        .Method("LoadFromClipboard", Void([](TBitmap& b, rt::Args) { b.LoadFromClipboard(); }))
        .Method("LoadImage", [](TBitmap& b, rt::Args a) { return rt::Value(b.LoadImage(Arg(a, 0), Text(a, 1))); })
        .Method("ReLoad", Void([](TBitmap& b, rt::Args a) { b.ReLoad(Arg(a, 0), Text(a, 1)); }))
        .Method("SetBMP", Void([](TBitmap& b, rt::Args a) { b.SetBMP(Arg(a, 0)); }))
        .Method("LoadBMP", Void([](TBitmap& b, rt::Args a) { b.LoadBMP(Text(a, 0)); }))
        .Method("ScrollAdjust", Void([](TBitmap& b, rt::Args) { b.ScrollAdjust(); }))
        .Method("ScrollUp", Void([](TBitmap& b, rt::Args) { b.ScrollUp(); }))
        .Method("ScrollDown", Void([](TBitmap& b, rt::Args) { b.ScrollDown(); }))
        .Method("ScrollLeft", Void([](TBitmap& b, rt::Args) { b.ScrollLeft(); }))
        .Method("ScrollRight", Void([](TBitmap& b, rt::Args) { b.ScrollRight(); }))
        .Method("PageUp", Void([](TBitmap& b, rt::Args) { b.PageUp(); }))
        .Method("PageDown", Void([](TBitmap& b, rt::Args) { b.PageDown(); }))
        .Method("PageLeft", Void([](TBitmap& b, rt::Args) { b.PageLeft(); }))
        .Method("PageRight", Void([](TBitmap& b, rt::Args) { b.PageRight(); }))
        .Method("nXExtra", [](TBitmap& b, rt::Args) { return rt::Value(b.nXExtra()); })
        .Method("nYExtra", [](TBitmap& b, rt::Args) { return rt::Value(b.nYExtra()); })
        .Method("Inspect", [](TBitmap& b, rt::Args a) { return b.Inspect(Text(a, 0)); });
  });
  return info;
}

RT_CLASS_REGISTER(TBitmap);

}  // namespace controls
