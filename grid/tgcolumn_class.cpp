// The grid column by name: created by OREAD from its class name, its
// members read and assigned by name.
#include "grid/tgcolumn.h"

namespace grid {

namespace {

ColumnArgs ColumnArgsOf(rt::Args a) {
  static constexpr rt::Value ColumnArgs::*kOrder[] = {
      &ColumnArgs::cHeading, &ColumnArgs::bData,     &ColumnArgs::cPicture,  &ColumnArgs::aColors,
      &ColumnArgs::aAlign,   &ColumnArgs::nWidth,    &ColumnArgs::lBitMap,   &ColumnArgs::lEdit,
      &ColumnArgs::bValid,   &ColumnArgs::lNoLite,   &ColumnArgs::cOrder,    &ColumnArgs::cFooting,
      &ColumnArgs::bPrevEdit, &ColumnArgs::bPostEdit, &ColumnArgs::nEditMove, &ColumnArgs::lFixLite,
      &ColumnArgs::a3DLook,  &ColumnArgs::bWhen,     &ColumnArgs::oBrw,      &ColumnArgs::lSpinner,
      &ColumnArgs::bUp,      &ColumnArgs::bDown,     &ColumnArgs::bMin,      &ColumnArgs::bMax,
      &ColumnArgs::lAppend,  &ColumnArgs::cMsg,      &ColumnArgs::uUnused};
  ColumnArgs args;
  for (std::size_t i = 0; i < std::size(kOrder) && i < a.size(); ++i) args.*kOrder[i] = a[i];
  return args;
}

}  // namespace

const rt::ClassInfo& TGColumn::ClassDef() {
  static const rt::ClassInfo info("TGCOLUMN", nullptr, rt::FactoryOf<TGColumn>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TGColumn> b(c);
    b.Data("aExport", &TGColumn::aExport)
        .Data("aList", &TGColumn::aList)
        .Data("bPrevEdit", &TGColumn::bPrevEdit)
        .Data("bPostEdit", &TGColumn::bPostEdit)
        .Data("bData", &TGColumn::bData)
        .Data("bDown", &TGColumn::bDown)
        .Data("bAction", &TGColumn::bAction)
        .Data("bHAction", &TGColumn::bHAction)
        .Data("bMax", &TGColumn::bMax)
        .Data("bMin", &TGColumn::bMin)
        .Data("bUp", &TGColumn::bUp)
        .Data("bValid", &TGColumn::bValid)
        .Data("bWhen", &TGColumn::bWhen)
        .Data("Cargo", &TGColumn::Cargo)
        .Data("cData", &TGColumn::cData)
        .Data("cError", &TGColumn::cError)
        .Data("cFooting", &TGColumn::cFooting)
        .Data("cHeading", &TGColumn::cHeading)
        .Data("cMsg", &TGColumn::cMsg)
        .Data("cOrder", &TGColumn::cOrder)
        .Data("cPicture", &TGColumn::cPicture)
        .Data("cResName", &TGColumn::cResName)
        .Data("oFont", &TGColumn::oFont)
        .Data("oFontHead", &TGColumn::oFontHead)
        .Data("oFontFoot", &TGColumn::oFontFoot)
        .Data("l3DLook", &TGColumn::l3DLook)
        .Data("l3DLookHead", &TGColumn::l3DLookHead)
        .Data("l3DLookFoot", &TGColumn::l3DLookFoot)
        .Data("l3DTextCell", &TGColumn::l3DTextCell)
        .Data("l3DTextHead", &TGColumn::l3DTextHead)
        .Data("l3DTextFoot", &TGColumn::l3DTextFoot)
        .Data("lAppend", &TGColumn::lAppend)
        .Data("lBitMap", &TGColumn::lBitMap)
        .Data("lAdjBmp", &TGColumn::lAdjBmp)
        .Data("lAdjBmpHead", &TGColumn::lAdjBmpHead)
        .Data("lAdjBmpFoot", &TGColumn::lAdjBmpFoot)
        .Data("lChildHead", &TGColumn::lChildHead)
        .Data("lEdit", &TGColumn::lEdit)
        .Data("lFixLite", &TGColumn::lFixLite)
        .Data("lIndexCol", &TGColumn::lIndexCol)
        .Data("lNoLite", &TGColumn::lNoLite)
        .Data("lNoHiLite", &TGColumn::lNoHiLite)
        .Data("lSpinner", &TGColumn::lSpinner)
        .Data("nAlign", &TGColumn::nAlign)
        .Data("nBmpWidth", &TGColumn::nBmpWidth)
        .Data("nClrFore", &TGColumn::nClrFore)
        .Data("nClrBack", &TGColumn::nClrBack)
        .Data("nClrHeadBack", &TGColumn::nClrHeadBack)
        .Data("nClrHeadFore", &TGColumn::nClrHeadFore)
        .Data("nClrFocuBack", &TGColumn::nClrFocuBack)
        .Data("nClrFocuFore", &TGColumn::nClrFocuFore)
        .Data("nClrEditBack", &TGColumn::nClrEditBack)
        .Data("nClrEditFore", &TGColumn::nClrEditFore)
        .Data("nClrFootBack", &TGColumn::nClrFootBack)
        .Data("nClrFootFore", &TGColumn::nClrFootFore)
        .Data("nClrSeleBack", &TGColumn::nClrSeleBack)
        .Data("nClrSeleFore", &TGColumn::nClrSeleFore)
        .Data("nClrOrdeBack", &TGColumn::nClrOrdeBack)
        .Data("nClrOrdeFore", &TGColumn::nClrOrdeFore)
        .Data("nClr3DLCell", &TGColumn::nClr3DLCell)
        .Data("nClr3DLHead", &TGColumn::nClr3DLHead)
        .Data("nClr3DLFoot", &TGColumn::nClr3DLFoot)
        .Data("nClr3DSCell", &TGColumn::nClr3DSCell)
        .Data("nClr3DSHead", &TGColumn::nClr3DSHead)
        .Data("nClr3DSFoot", &TGColumn::nClr3DSFoot)
        .Data("nEditMove", &TGColumn::nEditMove)
        .Data("nFAlign", &TGColumn::nFAlign)
        .Data("nHAlign", &TGColumn::nHAlign)
        .Data("nWidth", &TGColumn::nWidth)
        .Data("OnEdit", &TGColumn::OnEdit);
    c.AddData("aProperties", [](const rt::Object&) { return aProperties(); }, [](rt::Object&, const rt::Value&) {});
    c.AddData("aEvents", [](const rt::Object&) { return aEvents(); }, [](rt::Object&, const rt::Value&) {});
    b.Method("New", [](TGColumn& col, rt::Args a) { return col.New(ColumnArgsOf(a)).Self(); })
        .Method("End",
                [](TGColumn& col, rt::Args) {
                  col.End();
                  return rt::Value();
                })
        .Method("Save", [](TGColumn& col, rt::Args) { return rt::Value(col.Save()); })
        .Method("Load", [](TGColumn& col, rt::Args a) { return rt::Value(col.Load(rt::Arg(a, 0).AsString())); });
  });
  return info;
}

RT_CLASS_REGISTER(TGColumn);

}  // namespace grid
