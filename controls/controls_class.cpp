// The small controls by name.
#include "controls/tgroup.h"
#include "controls/ticon.h"
#include "controls/tmeter.h"
#include "controls/tsay.h"
#include "services/int32.h"

namespace controls {
namespace {

using rt::Arg;

std::string TextArg(rt::Args a, std::size_t i) {
  const rt::Value v = Arg(a, i);
  return v.IsString() ? v.AsString() : std::string();
}

}  // namespace

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
                  s.SetText(rt::Arg(a, 0));
                  return rt::Value();
                })
        .Method("cGenPrg", [](TSay& s, rt::Args) { return rt::Value(s.cGenPrg()); })
        .Method("ReDefine", [](TSay& s, rt::Args a) {
          s.ReDefine(svc::ToInt32(Arg(a, 0)), Arg(a, 1), Arg(a, 2), Arg(a, 3), Arg(a, 4), Arg(a, 5),
                     rt::IsTrue(Arg(a, 6)), Arg(a, 7));
          return s.Self();
        });
  });
  return info;
}

const rt::ClassInfo& TGroup::ClassDef() {
  static const rt::ClassInfo info("TGROUP", &TControl::ClassDef(), rt::FactoryOf<TGroup>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TGroup>(c).Method("ReDefine", [](TGroup& g, rt::Args a) {
      g.ReDefine(Arg(a, 0), Arg(a, 1), Arg(a, 2), Arg(a, 3), Arg(a, 4), Arg(a, 5), rt::IsTrue(Arg(a, 6)));
      return g.Self();
    });
  });
  return info;
}

const rt::ClassInfo& TIcon::ClassDef() {
  static const rt::ClassInfo info("TICON", &TControl::ClassDef(), rt::FactoryOf<TIcon>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TIcon>(c)
        .Data("cIcoFile", &TIcon::cIcoFile)
        .Data("cResName", &TIcon::cResName)
        .Method("End", [](TIcon& i, rt::Args) { return rt::Value(i.End()); })
        .Method("ReDefine", [](TIcon& i, rt::Args a) {
          i.ReDefine(svc::ToInt32(Arg(a, 0)), TextArg(a, 1), TextArg(a, 2), Arg(a, 3), rt::IsTrue(Arg(a, 4)),
                     Arg(a, 5), Arg(a, 6));
          return i.Self();
        });
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
                  m.Set(rt::Arg(a, 0));
                  return rt::Value();
                })
        .Method("SetTotal",
                [](TMeter& m, rt::Args a) {
                  m.SetTotal(a.empty() ? 0 : a[0].AsNumber());
                  return rt::Value();
                })
        .Method("ReDefine", [](TMeter& m, rt::Args a) {
          MeterRedefineArgs r;
          rt::Value* slots[] = {&r.nId,   &r.bSetGet,       &r.nTotal,   &r.oWnd,     &r.lUpdate, &r.oFont,
                                &r.cText, &r.lNoPercentage, &r.nClrPane, &r.nClrText, &r.nClrBar, &r.nClrBText};
          for (std::size_t i = 0; i < std::size(slots); ++i) *slots[i] = Arg(a, i);
          m.ReDefine(r);
          return m.Self();
        });
  });
  return info;
}

RT_CLASS_REGISTER(TSay);
RT_CLASS_REGISTER(TGroup);
RT_CLASS_REGISTER(TIcon);
RT_CLASS_REGISTER(TMeter);

}  // namespace controls
