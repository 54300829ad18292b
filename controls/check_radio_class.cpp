// Check boxes, radio buttons and radio groups by name.
#include "controls/tcheckbox.h"
#include "controls/tradio.h"

namespace controls {

const rt::ClassInfo& TCheckBox::ClassDef() {
  static const rt::ClassInfo info("TCHECKBOX", &TControl::ClassDef(), rt::FactoryOf<TCheckBox>(),
                                  [](rt::ClassInfo& c) {
                                    rt::ClassBuilder<TCheckBox>(c)
                                        .Method("Refresh",
                                                [](TCheckBox& b, rt::Args) {
                                                  b.Refresh();
                                                  return rt::Value();
                                                })
                                        .Method("SetCheck",
                                                [](TCheckBox& b, rt::Args a) {
                                                  b.SetCheck(!a.empty() && a[0].AsLogical());
                                                  return rt::Value();
                                                })
                                        .Method("cGenPrg", [](TCheckBox& b, rt::Args) { return rt::Value(b.cGenPrg()); });
                                  });
  return info;
}

const rt::ClassInfo& TRadio::ClassDef() {
  static const rt::ClassInfo info("TRADIO", &TControl::ClassDef(), rt::FactoryOf<TRadio>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TRadio>(c)
        .Data("lChecked", &TRadio::lChecked)
        .Data("oRadMenu", &TRadio::oRadMenu)
        .Data("nPos", &TRadio::nPos)
        .Method("lIsChecked", [](TRadio& r, rt::Args) { return rt::Value(r.lIsChecked()); });
  });
  return info;
}

const rt::ClassInfo& TRadMenu::ClassDef() {
  static const rt::ClassInfo info("TRADMENU", &rt::Object::ClassDef(), rt::FactoryOf<TRadMenu>(),
                                  [](rt::ClassInfo& c) {
                                    rt::ClassBuilder<TRadMenu>(c)
                                        .Data("aItems", &TRadMenu::aItems)
                                        .Data("bSetGet", &TRadMenu::bSetGet)
                                        .Data("bChange", &TRadMenu::bChange)
                                        .Data("cMsg", &TRadMenu::cMsg)
                                        .Data("cVarName", &TRadMenu::cVarName)
                                        .Data("lUpdate", &TRadMenu::lUpdate)
                                        .Method("nOption", [](TRadMenu& m, rt::Args) { return rt::Value(m.nOption()); })
                                        .Method("SetOption", [](TRadMenu& m, rt::Args a) {
                                          m.SetOption(a.empty() ? 0 : a[0].AsInt());
                                          return rt::Value();
                                        });
                                  });
  return info;
}

RT_CLASS_REGISTER(TCheckBox);
RT_CLASS_REGISTER(TRadio);
RT_CLASS_REGISTER(TRadMenu);

}  // namespace controls
