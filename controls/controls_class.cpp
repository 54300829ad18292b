// The small controls by name.
#include "controls/tgroup.h"
#include "controls/ticon.h"
#include "controls/tmeter.h"
#include "controls/tsay.h"

namespace controls {

const rt::ClassInfo& TSay::ClassDef() {
  static const rt::ClassInfo info("TSAY", &TControl::ClassDef(), rt::FactoryOf<TSay>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TSay>(c)
        .Data("l3D", &TSay::l3D)
        .Data("cPicture", &TSay::cPicture)
        .Data("bGet", &TSay::bGet)
        .Data("lWantClick", &TSay::lWantClick)
        .Method("Refresh",
                [](TSay& s, rt::Args) {
                  s.Refresh();
                  return rt::Value();
                })
        .Method("SetText",
                [](TSay& s, rt::Args a) {
                  s.SetText(a.empty() ? rt::Value() : a[0]);
                  return rt::Value();
                })
        .Method("cGenPrg", [](TSay& s, rt::Args) { return rt::Value(s.cGenPrg()); });
  });
  return info;
}

const rt::ClassInfo& TGroup::ClassDef() {
  static const rt::ClassInfo info("TGROUP", &TControl::ClassDef(), rt::FactoryOf<TGroup>(), [](rt::ClassInfo&) {});
  return info;
}

const rt::ClassInfo& TIcon::ClassDef() {
  static const rt::ClassInfo info("TICON", &TControl::ClassDef(), rt::FactoryOf<TIcon>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TIcon>(c)
        .Data("cIcoFile", &TIcon::cIcoFile)
        .Data("cResName", &TIcon::cResName)
        .Method("End", [](TIcon& i, rt::Args) { return rt::Value(i.End()); });
  });
  return info;
}

const rt::ClassInfo& TMeter::ClassDef() {
  static const rt::ClassInfo info("TMETER", &TControl::ClassDef(), rt::FactoryOf<TMeter>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TMeter>(c)
        .Data("nTotal", &TMeter::nTotal)
        .Data("nRefresh", &TMeter::nRefresh)
        .Data("nClrBar", &TMeter::nClrBar)
        .Data("nClrBText", &TMeter::nClrBText)
        .Data("cText", &TMeter::cText)
        .Data("lPercentage", &TMeter::lPercentage)
        .Method("Set",
                [](TMeter& m, rt::Args a) {
                  m.Set(a.empty() ? rt::Value() : a[0]);
                  return rt::Value();
                })
        .Method("SetTotal", [](TMeter& m, rt::Args a) {
          m.SetTotal(a.empty() ? 0 : a[0].AsNumber());
          return rt::Value();
        });
  });
  return info;
}

RT_CLASS_REGISTER(TSay);
RT_CLASS_REGISTER(TGroup);
RT_CLASS_REGISTER(TIcon);
RT_CLASS_REGISTER(TMeter);

}  // namespace controls
