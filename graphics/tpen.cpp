#include "graphics/tpen.h"

#include "graphics/dc.h"
#include "services/int32.h"

namespace gfx {


const rt::ClassInfo& TPen::ClassDef() {
  static const rt::ClassInfo info("TPEN", &rt::Object::ClassDef(), rt::FactoryOf<TPen>(), [](rt::ClassInfo& c) {
    c.AddData(
        "hPen", [](const rt::Object& o) { return rt::Value(svc::HandleNumber(static_cast<const TPen&>(o).hPen)); },
        [](rt::Object& o, const rt::Value& v) { static_cast<TPen&>(o).hPen = svc::HandleOf<HPEN>(svc::ToHandle(v)); });
    rt::ClassBuilder<TPen>(c)
        .Data("nStyle", &TPen::nStyle)
        .Data("nWidth", &TPen::nWidth)
        .Data("nColor", &TPen::nColor)
        .Data("oDevice", &TPen::oDevice)
        .Method("New",
                [](TPen& p, rt::Args a) {
                  return p
                      .New(Arg(a, 0).IsNumber() ? Arg(a, 0).AsInt() : PS_SOLID,
                           Arg(a, 1).IsNumber() ? Arg(a, 1).AsInt() : 1, Arg(a, 2).AsInt(), Arg(a, 3))
                      .Self();
                })
        .Method("End",
                [](TPen& p, rt::Args) {
                  p.End();
                  return rt::Value();
                })
        .Method("Release", [](TPen& p, rt::Args) {
          p.Release();
          return rt::Value();
        });
  });
  return info;
}
RT_CLASS_REGISTER(TPen);

TPen& TPen::New(int style, int width, long colour, const rt::Value& device) {
  hPen = CREATEPEN(style, width, colour);
  nStyle = style;
  nWidth = width;
  nColor = colour;
  if (device.IsObject()) {
    // The pen keeps the width it was made with; nWidth tells the device's.
    nWidth = rt::Send(device, "nLogPixelY").AsNumber() / 72 * width;
    oDevice = device;
  }
  return *this;
}

void TPen::End() {
  DELETEOBJECT(hPen);
  hPen = nullptr;
}

}  // namespace gfx
