#include "graphics/trect.h"

namespace gfx {

const rt::ClassInfo& TRect::ClassDef() {
  static const rt::ClassInfo info("TRECT", &rt::Object::ClassDef(), rt::FactoryOf<TRect>(), [](rt::ClassInfo& c) {
    auto num = [](rt::Args a, std::size_t i) { return a.size() > i ? static_cast<int>(a[i].AsInt()) : 0; };
    rt::ClassBuilder<TRect>(c)
        .Data("nTop", &TRect::nTop)
        .Data("nLeft", &TRect::nLeft)
        .Data("nBottom", &TRect::nBottom)
        .Data("nRight", &TRect::nRight)
        .Method("New", [=](TRect& r, rt::Args a) { return r.New(num(a, 0), num(a, 1), num(a, 2), num(a, 3)).Self(); })
        .Method("nWidth", [](TRect& r, rt::Args) { return rt::Value(r.nWidth()); })
        .Method("nHeight", [](TRect& r, rt::Args) { return rt::Value(r.nHeight()); });
  });
  return info;
}
RT_CLASS_REGISTER(TRect);

TRect& TRect::New(int top, int left, int bottom, int right) {
  nTop = top;
  nLeft = left;
  nBottom = bottom;
  nRight = right;
  return *this;
}

}  // namespace gfx
