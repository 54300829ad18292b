// The report's columns, text lines and groups by name.
#include "print/report_parts.h"
#include "print/treport.h"

namespace prn {

const rt::ClassInfo& TRColumn::ClassDef() {
  static const rt::ClassInfo info("TRCOLUMN", &Object::ClassDef(), rt::FactoryOf<TRColumn>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TRColumn>(c)
        .Data("nWidth", &TRColumn::nWidth)
        .Data("nDataHeight", &TRColumn::nDataHeight)
        .Data("nTitleHeight", &TRColumn::nTitleHeight)
        .Data("nPad", &TRColumn::nPad)
        .Data("lTotal", &TRColumn::lTotal)
        .Data("lGrid", &TRColumn::lGrid)
        .Data("lShadow", &TRColumn::lShadow)
        .Data("lSeparator", &TRColumn::lSeparator)
        .Data("cTotalPict", &TRColumn::cTotalPict)
        .Data("Cargo", &TRColumn::Cargo)
        .Method("TitleHeight", [](TRColumn& column, rt::Args) {
          return column.oReport && column.oReport->oDevice ? rt::Value(column.TitleHeight()) : rt::Value();
        });
  });
  return info;
}

const rt::ClassInfo& TRLine::ClassDef() {
  static const rt::ClassInfo info("TRLINE", &Object::ClassDef(), rt::FactoryOf<TRLine>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TRLine>(c).Data("nHeight", &TRLine::nHeight).Data("nWidth", &TRLine::nWidth).Data(
        "Cargo", &TRLine::Cargo);
  });
  return info;
}

const rt::ClassInfo& TRGroup::ClassDef() {
  static const rt::ClassInfo info("TRGROUP", &Object::ClassDef(), rt::FactoryOf<TRGroup>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TRGroup>(c)
        .Data("cValue", &TRGroup::cValue)
        .Data("nCounter", &TRGroup::nCounter)
        .Data("lEject", &TRGroup::lEject)
        .Data("Cargo", &TRGroup::Cargo);
  });
  return info;
}

RT_CLASS_REGISTER(TRColumn);
RT_CLASS_REGISTER(TRLine);
RT_CLASS_REGISTER(TRGroup);

}  // namespace prn
