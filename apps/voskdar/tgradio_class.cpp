// The check-item control by name.
#include "apps/voskdar/tgradio.h"

namespace voskdar {

const rt::ClassInfo& TGRadio::ClassDef() {
  static const rt::ClassInfo info("TGRADIO", &TControl::ClassDef(), rt::FactoryOf<TGRadio>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TGRadio>(c)
        .Data("lCheckBox", &TGRadio::lCheckBox)
        .Data("nItem", &TGRadio::nItem)
        .Data("uForced", &TGRadio::uForced)
        .Method("Force",
                [](TGRadio& g, rt::Args a) {
                  g.Force(rt::Arg(a, 0));
                  return rt::Value();
                })
        .Method("Refresh", [](TGRadio& g, rt::Args) {
          g.Refresh();
          return rt::Value();
        });
  });
  return info;
}

RT_CLASS_REGISTER(TGRadio);

}  // namespace voskdar
