// The browse grid by name: its members, its constructors with their
// positional arguments and the operations a program sends by name.
#include "grid/tgbrowse.h"
#include "services/int32.h"

namespace grid {

namespace {

BrowseArgs BrowseArgsOf(rt::Args a) {
  static constexpr rt::Value BrowseArgs::*kOrder[] = {
      &BrowseArgs::nRow,      &BrowseArgs::nCol,     &BrowseArgs::nWidth,     &BrowseArgs::nHeight,
      &BrowseArgs::bLine,     &BrowseArgs::aHeaders, &BrowseArgs::aColSizes,  &BrowseArgs::oWnd,
      &BrowseArgs::cField,    &BrowseArgs::uValue1,  &BrowseArgs::uValue2,    &BrowseArgs::bChange,
      &BrowseArgs::bLDblClick, &BrowseArgs::bRClicked, &BrowseArgs::oFont,    &BrowseArgs::oCursor,
      &BrowseArgs::aColors,   &BrowseArgs::cMsg,     &BrowseArgs::lUpdate,    &BrowseArgs::cAlias,
      &BrowseArgs::lPixel,    &BrowseArgs::bWhen,    &BrowseArgs::lDesign,    &BrowseArgs::bValid,
      &BrowseArgs::lCellBrw,  &BrowseArgs::nStyle,   &BrowseArgs::bLClicked,  &BrowseArgs::aActions,
      &BrowseArgs::nLineStyle};
  BrowseArgs args;
  for (std::size_t i = 0; i < std::size(kOrder) && i < a.size(); ++i) args.*kOrder[i] = a[i];
  return args;
}

BrowseRedefineArgs RedefineArgsOf(rt::Args a) {
  static constexpr rt::Value BrowseRedefineArgs::*kOrder[] = {
      &BrowseRedefineArgs::nId,        &BrowseRedefineArgs::bLine,     &BrowseRedefineArgs::oWnd,
      &BrowseRedefineArgs::aHeaders,   &BrowseRedefineArgs::aColSizes, &BrowseRedefineArgs::cField,
      &BrowseRedefineArgs::uValue1,    &BrowseRedefineArgs::uValue2,   &BrowseRedefineArgs::bChange,
      &BrowseRedefineArgs::bLDblClick, &BrowseRedefineArgs::bRClicked, &BrowseRedefineArgs::oFont,
      &BrowseRedefineArgs::oCursor,    &BrowseRedefineArgs::aColors,   &BrowseRedefineArgs::cMsg,
      &BrowseRedefineArgs::lUpdate,    &BrowseRedefineArgs::cAlias,    &BrowseRedefineArgs::bWhen,
      &BrowseRedefineArgs::bValid,     &BrowseRedefineArgs::lCellBrw,  &BrowseRedefineArgs::bLClicked,
      &BrowseRedefineArgs::aActions,   &BrowseRedefineArgs::nLineStyle};
  BrowseRedefineArgs args;
  for (std::size_t i = 0; i < std::size(kOrder) && i < a.size(); ++i) args.*kOrder[i] = a[i];
  return args;
}

long N(rt::Args a, std::size_t i, long dflt = 0) { return rt::Arg(a, i).IsNumber() ? rt::Arg(a, i).AsInt() : dflt; }
bool L(rt::Args a, std::size_t i, bool dflt) { return rt::Arg(a, i).IsLogical() ? rt::Arg(a, i).AsLogical() : dflt; }
rt::Value ColumnValue(const std::shared_ptr<TGColumn>& c) { return c ? rt::Value(c) : rt::Value(); }

}  // namespace

const rt::ClassInfo& TGBrowse::ClassDef() {
  static const rt::ClassInfo info("TGBROWSE", &TControl::ClassDef(), rt::FactoryOf<TGBrowse>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<TGBrowse>(c)
        .Data("aActions", &TGBrowse::aActions)
        .Data("aArray", &TGBrowse::aArray)
        .Data("aBitmaps", &TGBrowse::aBitmaps)
        .Data("aDefault", &TGBrowse::aDefault)
        .Data("aClipBoard", &TGBrowse::aClipBoard)
        .Data("aColSizes", &TGBrowse::aColSizes)
        .Data("aColumns", &TGBrowse::aColumns)
        .Data("aHeaders", &TGBrowse::aHeaders)
        .Data("aDefValue", &TGBrowse::aDefValue)
        .Data("aIcons", &TGBrowse::aIcons)
        .Data("aImages", &TGBrowse::aImages)
        .Data("aJustify", &TGBrowse::aJustify)
        .Data("aMsg", &TGBrowse::aMsg)
        .Data("aKeyRemap", &TGBrowse::aKeyRemap)
        .Data("aSelected", &TGBrowse::aSelected)
        .Data("aSuperHead", &TGBrowse::aSuperHead)
        .Data("bAddRec", &TGBrowse::bAddRec)
        .Data("bBitMapH", &TGBrowse::bBitMapH)
        .Data("bContext", &TGBrowse::bContext)
        .Data("bDelete", &TGBrowse::bDelete)
        .Data("bFileLock", &TGBrowse::bFileLock)
        .Data("bGoToPos", &TGBrowse::bGoToPos)
        .Data("bIconDraw", &TGBrowse::bIconDraw)
        .Data("bIconText", &TGBrowse::bIconText)
        .Data("bLastTag", &TGBrowse::bLastTag)
        .Data("bLine", &TGBrowse::bLine)
        .Data("bSkip", &TGBrowse::bSkip)
        .Data("bGoTop", &TGBrowse::bGoTop)
        .Data("bGoBottom", &TGBrowse::bGoBottom)
        .Data("bLogicLen", &TGBrowse::bLogicLen)
        .Data("bKeyNo", &TGBrowse::bKeyNo)
        .Data("bOnDraw", &TGBrowse::bOnDraw)
        .Data("bPostDel", &TGBrowse::bPostDel)
        .Data("bRecLock", &TGBrowse::bRecLock)
        .Data("bScope", &TGBrowse::bScope)
        .Data("bSeekChange", &TGBrowse::bSeekChange)
        .Data("bSelected", &TGBrowse::bSelected)
        .Data("bSetOrder", &TGBrowse::bSetOrder)
        .Data("bTagOrder", &TGBrowse::bTagOrder)
        .Data("bUserKeys", &TGBrowse::bUserKeys)
        .Data("cAlias", &TGBrowse::cAlias)
        .Data("cDriver", &TGBrowse::cDriver)
        .Data("cField", &TGBrowse::cField)
        .Data("uValue1", &TGBrowse::uValue1)
        .Data("uValue2", &TGBrowse::uValue2)
        .Data("cOrderType", &TGBrowse::cOrderType)
        .Data("cPrefix", &TGBrowse::cPrefix)
        .Data("cSeek", &TGBrowse::cSeek)
        .Data("hBmpCursor", &TGBrowse::hBmpCursor)
        .Data("lHitTop", &TGBrowse::lHitTop)
        .Data("lHitBottom", &TGBrowse::lHitBottom)
        .Data("lMChange", &TGBrowse::lMChange)
        .Data("lAppendMode", &TGBrowse::lAppendMode)
        .Data("lAutoCtx", &TGBrowse::lAutoCtx)
        .Data("lAutoEdit", &TGBrowse::lAutoEdit)
        .Data("lAutoSkip", &TGBrowse::lAutoSkip)
        .Data("lIconView", &TGBrowse::lIconView)
        .Data("lCellStyle", &TGBrowse::lCellStyle)
        .Data("lCanAppend", &TGBrowse::lCanAppend)
        .Data("lCanDelete", &TGBrowse::lCanDelete)
        .Data("lCanSelect", &TGBrowse::lCanSelect)
        .Data("lCellBrw", &TGBrowse::lCellBrw)
        .Data("lChanged", &TGBrowse::lChanged)
        .Data("lClipMore", &TGBrowse::lClipMore)
        .Data("lColDrag", &TGBrowse::lColDrag)
        .Data("lConfirm", &TGBrowse::lConfirm)
        .Data("lDbfObj", &TGBrowse::lDbfObj)
        .Data("lDescend", &TGBrowse::lDescend)
        .Data("lDrawHeaders", &TGBrowse::lDrawHeaders)
        .Data("lDrawFooters", &TGBrowse::lDrawFooters)
        .Data("lEditing", &TGBrowse::lEditing)
        .Data("lFilterMode", &TGBrowse::lFilterMode)
        .Data("lFirstFocus", &TGBrowse::lFirstFocus)
        .Data("lFirstPaint", &TGBrowse::lFirstPaint)
        .Data("lFixCaret", &TGBrowse::lFixCaret)
        .Data("lFooting", &TGBrowse::lFooting)
        .Data("lGrasp", &TGBrowse::lGrasp)
        .Data("lGridLine", &TGBrowse::lGridLine)
        .Data("lHasChanged", &TGBrowse::lHasChanged)
        .Data("lHasFocus", &TGBrowse::lHasFocus)
        .Data("lIsDbf", &TGBrowse::lIsDbf)
        .Data("lIsV22", &TGBrowse::lIsV22)
        .Data("lLineDrag", &TGBrowse::lLineDrag)
        .Data("lLockFreeze", &TGBrowse::lLockFreeze)
        .Data("lMoveCols", &TGBrowse::lMoveCols)
        .Data("lMyFont", &TGBrowse::lMyFont)
        .Data("lNoGrayBar", &TGBrowse::lNoGrayBar)
        .Data("lNoHScroll", &TGBrowse::lNoHScroll)
        .Data("lNoLiteBar", &TGBrowse::lNoLiteBar)
        .Data("lNoMoveCols", &TGBrowse::lNoMoveCols)
        .Data("lNoResetPos", &TGBrowse::lNoResetPos)
        .Data("lNoVScroll", &TGBrowse::lNoVScroll)
        .Data("lLogicDrop", &TGBrowse::lLogicDrop)
        .Data("lPageMode", &TGBrowse::lPageMode)
        .Data("lPainted", &TGBrowse::lPainted)
        .Data("lRePaint", &TGBrowse::lRePaint)
        .Data("lUndo", &TGBrowse::lUndo)
        .Data("lUpdated", &TGBrowse::lUpdated)
        .Data("lUpperSeek", &TGBrowse::lUpperSeek)
        .Data("lSeek", &TGBrowse::lSeek)
        .Data("nAdjColumn", &TGBrowse::nAdjColumn)
        .Data("nCell", &TGBrowse::nCell)
        .Data("nClrHeadBack", &TGBrowse::nClrHeadBack)
        .Data("nClrHeadFore", &TGBrowse::nClrHeadFore)
        .Data("nClrFocuBack", &TGBrowse::nClrFocuBack)
        .Data("nClrFocuFore", &TGBrowse::nClrFocuFore)
        .Data("nClrEditBack", &TGBrowse::nClrEditBack)
        .Data("nClrEditFore", &TGBrowse::nClrEditFore)
        .Data("nClrFootBack", &TGBrowse::nClrFootBack)
        .Data("nClrFootFore", &TGBrowse::nClrFootFore)
        .Data("nClrSeleBack", &TGBrowse::nClrSeleBack)
        .Data("nClrSeleFore", &TGBrowse::nClrSeleFore)
        .Data("nClrOrdeBack", &TGBrowse::nClrOrdeBack)
        .Data("nClrOrdeFore", &TGBrowse::nClrOrdeFore)
        .Data("nClrLine", &TGBrowse::nClrLine)
        .Data("nClrText", &TGBrowse::nClrTextValue)
        .Data("nClrPane", &TGBrowse::nClrPaneValue)
        .Data("nColOrder", &TGBrowse::nColOrder)
        .Data("nDragCol", &TGBrowse::nDragCol)
        .Data("nFireKey", &TGBrowse::nFireKey)
        .Data("nFreeze", &TGBrowse::nFreeze)
        .Data("nHeightCell", &TGBrowse::nHeightCell)
        .Data("nHeightHead", &TGBrowse::nHeightHead)
        .Data("nHeightFoot", &TGBrowse::nHeightFoot)
        .Data("nHeightSuper", &TGBrowse::nHeightSuper)
        .Data("nIconPos", &TGBrowse::nIconPos)
        .Data("nKeyDown", &TGBrowse::nKeyDown)
        .Data("nKeyFlag", &TGBrowse::nKeyFlag)
        .Data("nLastPainted", &TGBrowse::nLastPainted)
        .Data("nLastPos", &TGBrowse::nLastPos)
        .Data("nLastnAt", &TGBrowse::nLastnAt)
        .Data("nLineStyle", &TGBrowse::nLineStyle)
        .Data("nFirstKey", &TGBrowse::nFirstKey)
        .Data("nMaxFilter", &TGBrowse::nMaxFilter)
        .Data("nOffset", &TGBrowse::nOffset)
        .Data("nPhantom", &TGBrowse::nPhantom)
        .Data("nPrevRec", &TGBrowse::nPrevRec)
        .Data("nRowPos", &TGBrowse::nRowPos)
        .Data("nAt", &TGBrowse::nAt)
        .Data("nColPos", &TGBrowse::nColPos)
        .Data("nLen", &TGBrowse::nLen)
        .Data("oDbf", &TGBrowse::oDbf)
        .Data("oCtx", &TGBrowse::oCtx)
        .Data("oGet", &TGBrowse::oGet)
        .Data("oItem", &TGBrowse::oItem)
        .Data("oTree", &TGBrowse::oTree)
        .Data("oTxtFile", &TGBrowse::oTxtFile)
        .Data("uLastTag", &TGBrowse::uLastTag)
        .Method("New", [](TGBrowse& g, rt::Args a) { return g.New(BrowseArgsOf(a)).Self(); })
        .Method("ReDefine", [](TGBrowse& g, rt::Args a) { return g.ReDefine(RedefineArgsOf(a)).Self(); })
        .Method("AddColumn", [](TGBrowse& g, rt::Args a) { return g.AddColumn(rt::Arg(a, 0).As<TGColumn>()).Self(); })
        .Method("AddSuperHead", [](TGBrowse& g, rt::Args a) { return g.AddSuperHead(a).Self(); })
        .Method("InsColumn", [](TGBrowse& g, rt::Args a) { return ColumnValue(g.InsColumn(N(a, 0, 1), rt::Arg(a, 1).As<TGColumn>())); })
        .Method("DelColumn", [](TGBrowse& g, rt::Args a) { return ColumnValue(g.DelColumn(N(a, 0, 1))); })
        .Method("GetColumn", [](TGBrowse& g, rt::Args a) { return ColumnValue(g.GetColumn(N(a, 0, 1))); })
        .Method("SwitchCols", [](TGBrowse& g, rt::Args a) { return g.SwitchCols(N(a, 0), N(a, 1)).Self(); })
        .Method("MoveColumn", [](TGBrowse& g, rt::Args a) { return g.MoveColumn(N(a, 0), N(a, 1)).Self(); })
        .Method("Exchange", [](TGBrowse& g, rt::Args a) { return g.Exchange(N(a, 0), N(a, 1)).Self(); })
        .Method("SetColumns", [](TGBrowse& g, rt::Args a) { return g.SetColumns(rt::Arg(a, 0), rt::Arg(a, 1), rt::Arg(a, 2)).Self(); })
        .Method("LoadFields", [](TGBrowse& g, rt::Args a) { return g.LoadFields(L(a, 0, true)).Self(); })
        .Method("SetData", [](TGBrowse& g, rt::Args a) { return g.SetData(N(a, 0), rt::Arg(a, 1), rt::Arg(a, 2)).Self(); })
        .Method("SetHeaders", [](TGBrowse& g, rt::Args a) { return g.SetHeaders(a).Self(); })
        .Method("SetColSize", [](TGBrowse& g, rt::Args a) { return g.SetColSize(rt::Arg(a, 0), rt::Arg(a, 1)).Self(); })
        .Method("SetAlign", [](TGBrowse& g, rt::Args a) { return g.SetAlign(N(a, 0), N(a, 1), rt::Arg(a, 2)).Self(); })
        .Method("SetIndexCols", [](TGBrowse& g, rt::Args a) { return g.SetIndexCols(a).Self(); })
        .Method("SetBtnGet", [](TGBrowse& g, rt::Args a) { return g.SetBtnGet(N(a, 0), rt::Arg(a, 1), rt::Arg(a, 2), N(a, 3, 16)).Self(); })
        .Method("SetSpinner", [](TGBrowse& g, rt::Args a) {
          return g.SetSpinner(N(a, 0), L(a, 1, true), rt::Arg(a, 2), rt::Arg(a, 3), rt::Arg(a, 4), rt::Arg(a, 5)).Self();
        })
        .Method("SetSelectMode", [](TGBrowse& g, rt::Args a) { return g.SetSelectMode(L(a, 0, false), rt::Arg(a, 1)).Self(); })
        .Method("SetDeleteMode", [](TGBrowse& g, rt::Args a) {
          return g.SetDeleteMode(L(a, 0, true), L(a, 1, true), rt::Arg(a, 2), rt::Arg(a, 3)).Self();
        })
        .Method("SetAppendMode", [](TGBrowse& g, rt::Args a) { return rt::Value(g.SetAppendMode(rt::Arg(a, 0))); })
        .Method("FreezeCol", [](TGBrowse& g, rt::Args a) { return g.FreezeCol(L(a, 0, true)).Self(); })
        .Method("SetColor", [](TGBrowse& g, rt::Args a) { return rt::Value(g.SetColor(rt::Arg(a, 0), rt::Arg(a, 1), N(a, 2))); })
        .Method("SetFont", [](TGBrowse& g, rt::Args a) {
          g.SetFont(rt::Arg(a, 0).As<gfx::TFont>());
          return g.Self();
        })
        .Method("ChangeFont", [](TGBrowse& g, rt::Args a) { return g.ChangeFont(rt::Arg(a, 0).As<gfx::TFont>(), N(a, 1), rt::Arg(a, 2)).Self(); })
        .Method("Look3D", [](TGBrowse& g, rt::Args a) { return g.Look3D(L(a, 0, true), N(a, 1), N(a, 2), L(a, 3, true)).Self(); })
        .Method("Set3DText", [](TGBrowse& g, rt::Args a) {
          return g.Set3DText(L(a, 0, true), L(a, 1, true), N(a, 2), N(a, 3), rt::Arg(a, 4), rt::Arg(a, 5)).Self();
        })
        .Method("Proper", [](TGBrowse& g, rt::Args a) { return rt::Value(g.Proper(rt::Arg(a, 0).AsString())); })
        .Method("Skip", [](TGBrowse& g, rt::Args a) { return rt::Value(g.Skip(N(a, 0, 1))); })
        .Method("DbSkipper", [](TGBrowse& g, rt::Args a) { return rt::Value(g.DbSkipper(N(a, 0))); })
        .Method("SetArray", [](TGBrowse& g, rt::Args a) { return g.SetArray(rt::Arg(a, 0)).Self(); })
        .Method("SetTxtFile", [](TGBrowse& g, rt::Args a) { return g.SetTxtFile(rt::Arg(a, 0), rt::Arg(a, 1), L(a, 2, false)); })
        .Method("SetTree", [](TGBrowse& g, rt::Args a) { return g.SetTree(rt::Arg(a, 0)).Self(); })
        .Method("SetoDBF", [](TGBrowse& g, rt::Args a) { return g.SetoDBF(rt::Arg(a, 0)).Self(); })
        .Method("SetFilter", [](TGBrowse& g, rt::Args a) {
          g.SetFilter(rt::Arg(a, 0), rt::Arg(a, 1), rt::Arg(a, 2));
          return rt::Value();
        })
        .Method("ResetBarPos", [](TGBrowse& g, rt::Args a) {
          g.ResetBarPos(L(a, 0, false));
          return rt::Value();
        })
        .Method("RecCount", [](TGBrowse& g, rt::Args a) { return rt::Value(g.RecCount(rt::Arg(a, 0))); })
        .Method("nLogicPos", [](TGBrowse& g, rt::Args) { return rt::Value(g.nLogicPos()); })
        .Method("GetRealPos", [](TGBrowse& g, rt::Args a) { return rt::Value(g.GetRealPos(N(a, 0))); })
        .Method("UpStable", [](TGBrowse& g, rt::Args) {
          g.UpStable();
          return rt::Value();
        })
        .Method("BugUp", [](TGBrowse& g, rt::Args) {
          g.BugUp();
          return rt::Value();
        })
        .Method("Reset", [](TGBrowse& g, rt::Args) {
          g.Reset();
          return rt::Value();
        })
        .Method("SyncChild", [](TGBrowse& g, rt::Args a) {
          g.SyncChild(rt::Arg(a, 0), rt::Arg(a, 1));
          return rt::Value();
        })
        .Method("GoTop", [](TGBrowse& g, rt::Args) { return g.GoTop().Self(); })
        .Method("Report",
                [](TGBrowse& g, rt::Args a) {
                  return g
                      .Report(rt::Arg(a, 0), !rt::Arg(a, 1).IsLogical() || rt::Arg(a, 1).AsLogical(), rt::Arg(a, 2),
                              rt::Arg(a, 4), rt::IsTrue(rt::Arg(a, 5)))
                      .Self();
                })
        .Method("GoDown", [](TGBrowse& g, rt::Args) { return g.GoDown().Self(); })
        .Method("GoUp", [](TGBrowse& g, rt::Args) { return g.GoUp().Self(); })
        .Method("GoBottom", [](TGBrowse& g, rt::Args) { return g.GoBottom().Self(); })
        .Method("PageDown", [](TGBrowse& g, rt::Args a) { return g.PageDown(N(a, 0)).Self(); })
        .Method("PageUp", [](TGBrowse& g, rt::Args a) {
          g.PageUp(N(a, 0));
          return rt::Value();
        })
        .Method("GoLeft", [](TGBrowse& g, rt::Args) { return g.GoLeft().Self(); })
        .Method("GoRight", [](TGBrowse& g, rt::Args) { return g.GoRight().Self(); })
        .Method("GoHome", [](TGBrowse& g, rt::Args) { return g.GoHome().Self(); })
        .Method("GoEnd", [](TGBrowse& g, rt::Args) { return g.GoEnd().Self(); })
        .Method("PanHome", [](TGBrowse& g, rt::Args) { return g.PanHome().Self(); })
        .Method("PanEnd", [](TGBrowse& g, rt::Args) { return g.PanEnd().Self(); })
        .Method("nAtCol", [](TGBrowse& g, rt::Args a) { return rt::Value(g.nAtCol(N(a, 0), rt::IsTrue(rt::Arg(a, 1)))); })
        .Method("IsColVisible", [](TGBrowse& g, rt::Args a) { return rt::Value(g.IsColVisible(N(a, 0))); })
        .Method("IsColVis2", [](TGBrowse& g, rt::Args a) { return rt::Value(g.IsColVis2(N(a, 0))); })
        .Method("GoPos", [](TGBrowse& g, rt::Args a) {
          g.GoPos(rt::Arg(a, 0), rt::Arg(a, 1));
          return rt::Value();
        })
        .Method("PanLeft", [](TGBrowse& g, rt::Args) { return g.PanLeft().Self(); })
        .Method("PanRight", [](TGBrowse& g, rt::Args) { return g.PanRight().Self(); })
        .Method("GoNext", [](TGBrowse& g, rt::Args) { return g.GoNext().Self(); })
        .Method("HThumbDrag", [](TGBrowse& g, rt::Args a) {
          g.HThumbDrag(N(a, 0));
          return rt::Value();
        })
        .Method("HScroll", [](TGBrowse& g, rt::Args a) { return g.HScroll(N(a, 0), N(a, 1)); })
        .Method("VScroll", [](TGBrowse& g, rt::Args a) { return g.VScroll(N(a, 0), N(a, 1)); })
        .Method("ResetSeek", [](TGBrowse& g, rt::Args) { return g.ResetSeek(); })
        .Method("SetOrder", [](TGBrowse& g, rt::Args a) { return rt::Value(g.SetOrder(N(a, 0), rt::Arg(a, 1))); })
        .Method("Seek", [](TGBrowse& g, rt::Args a) { return g.Seek(N(a, 0)).Self(); })
        .Method("lEditCol",
                [](TGBrowse& g, rt::Args a) {
                  return rt::Value(g.lEditCol(rt::Arg(a, 0), N(a, 1), rt::Arg(a, 2), rt::Arg(a, 3), rt::Arg(a, 4),
                                              rt::Arg(a, 5)));
                })
        .Method("EditExit",
                [](TGBrowse& g, rt::Args a) {
                  return rt::Value(g.EditExit(N(a, 0), rt::Arg(a, 1), rt::Arg(a, 2), rt::Arg(a, 3), N(a, 4)));
                })
        .Method("PostEdit", [](TGBrowse& g, rt::Args a) {
          g.PostEdit(rt::Arg(a, 0), N(a, 1), rt::Arg(a, 2));
          return rt::Value();
        })
        .Method("DeleteRow", [](TGBrowse& g, rt::Args) { return g.DeleteRow().Self(); })
        .Method("lIgnoreKey", [](TGBrowse& g, rt::Args a) { return rt::Value(g.lIgnoreKey(N(a, 0), N(a, 1))); })
        .Method("VertLine", [](TGBrowse& g, rt::Args a) {
          g.VertLine(rt::Arg(a, 0), rt::Arg(a, 1), rt::Arg(a, 2));
          return rt::Value();
        })
        .Method("nAtIcon", [](TGBrowse& g, rt::Args a) { return rt::Value(g.nAtIcon(N(a, 0), N(a, 1))); })
        .Method("HiliteCell", [](TGBrowse& g, rt::Args a) {
          // With a pixel x it is the mouse's form.
          return rt::Value(rt::Arg(a, 1).IsNumber() ? g.HiliteCell(N(a, 0, 1), N(a, 1)) : g.HiliteCell(N(a, 0, 1)));
        })
        .Method("Init", [](TGBrowse& g, rt::Args a) {
          g.Init(svc::HandleOf<HWND>(svc::ToHandle(rt::Arg(a, 0))));
          return rt::Value();
        })
        .Method("ShowSizes", [](TGBrowse& g, rt::Args) {
          g.ShowSizes();
          return rt::Value();
        })
        .Method("GetColSizes", [](TGBrowse& g, rt::Args) { return g.GetColSizes(); })
        .Method("nColCount", [](TGBrowse& g, rt::Args) { return rt::Value(g.nColCount()); })
        .Method("nRowCount", [](TGBrowse& g, rt::Args) { return rt::Value(g.nRowCount()); })
        .Method("nTGBRow", [](TGBrowse& g, rt::Args a) { return rt::Value(g.nTGBRow(rt::Arg(a, 0))); })
        .Method("TGBrwScroll", [](TGBrowse& g, rt::Args a) {
          g.TGBrwScroll(N(a, 0));
          return rt::Value();
        })
        .Method("SetContext", [](TGBrowse& g, rt::Args a) {
          g.SetContext(rt::Arg(a, 0), !a.empty());
          return rt::Value();
        })
        .Method("lCloseArea", [](TGBrowse& g, rt::Args) { return rt::Value(g.lCloseArea()); })
        .Method("Paint", [](TGBrowse& g, rt::Args) { return g.Paint(); })
        .Method("Display", [](TGBrowse& g, rt::Args) { return g.Display(); })
        .Method("DrawLine", [](TGBrowse& g, rt::Args a) {
          g.DrawLine(N(a, 0));
          return rt::Value();
        })
        .Method("DrawSelect", [](TGBrowse& g, rt::Args) {
          g.DrawSelect();
          return rt::Value();
        })
        .Method("DrawHeaders", [](TGBrowse& g, rt::Args) {
          g.DrawHeaders();
          return rt::Value();
        })
        .Method("DrawFooters", [](TGBrowse& g, rt::Args) {
          g.DrawFooters();
          return rt::Value();
        })
        .Method("DrawIcons", [](TGBrowse& g, rt::Args) {
          g.DrawIcons();
          return rt::Value(0);
        })
        .Method("DrawIcon", [](TGBrowse& g, rt::Args a) {
          g.DrawIcon(rt::Arg(a, 0).AsInt(), rt::IsTrue(rt::Arg(a, 1)));
          return rt::Value(0);
        })
        .Method("DrawSuper", [](TGBrowse& g, rt::Args) {
          g.DrawSuper();
          return rt::Value();
        });
    c.AddData("aProperties", [](const rt::Object&) { return aProperties(); }, [](rt::Object&, const rt::Value&) {});
  });
  return info;
}

RT_CLASS_REGISTER(TGBrowse);

}  // namespace grid
