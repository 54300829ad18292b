// TReport by name: every member its hooks and callers reach. Methods that
// draw do nothing on a report that has no device.
#include <algorithm>

#include "graphics/class_names.h"
#include "print/treport.h"

namespace prn {

namespace {

using R = TReport;

int IntOr(rt::Args a, std::size_t i, int dflt) { return static_cast<int>(NumberOr(rt::Arg(a, i), dflt)); }
double NumOr(rt::Args a, std::size_t i, double dflt) { return NumberOr(rt::Arg(a, i), dflt); }

template <class T>
rt::Value ObjectsOf(const std::vector<std::shared_ptr<T>>& items) {
  rt::Value array = rt::Value::Array();
  for (const auto& item : items) array.Items().push_back(rt::Value(item));
  return array;
}

template <class T>
rt::Value NumbersOf(const std::vector<T>& items) {
  rt::Value array = rt::Value::Array();
  for (const T n : items) array.Items().push_back(rt::Value(static_cast<double>(n)));
  return array;
}

// The title or data blocks, by column and line.
rt::Value BlocksOf(const R& r, std::vector<rt::Value> TRColumn::*lines) {
  rt::Value array = rt::Value::Array();
  for (const auto& c : r.aColumns) {
    rt::Value column = rt::Value::Array();
    column.Items() = (*c).*lines;
    array.Items().push_back(column);
  }
  return array;
}

// A group by its number from 1, or none.
bool GroupIndex(const R& r, rt::Args a, std::size_t& index) {
  const long n = rt::Arg(a, 0).IsNumber() ? rt::Arg(a, 0).AsInt() : 0;
  if (n < 1 || n > static_cast<long>(r.aGroups.size())) return false;
  index = static_cast<std::size_t>(n - 1);
  return true;
}

// A method that answers NIL: the void ones, run only with a device.
template <class F>
auto Does(F fn) {
  return [fn](R& r, rt::Args a) {
    if (r.oDevice) fn(r, a);
    return rt::Value();
  };
}

template <class F>
auto Answers(F fn) {
  return [fn](R& r, rt::Args a) { return r.oDevice ? rt::Value(fn(r, a)) : rt::Value(); };
}

void Describe(rt::ClassInfo& c) {
  c.AddData("oDevice", [](const rt::Object& o) {
    const auto& r = static_cast<const R&>(o);
    return r.oDevice ? r.oDevice->AsValue() : rt::Value();
  }, nullptr);
  c.AddData("oShdBrush", [](const rt::Object& o) {
    const auto& r = static_cast<const R&>(o);
    return r.oDevice ? r.oDevice->ShadeBrush() : rt::Value();
  }, nullptr);
  c.AddData("oPenHorz", [](const rt::Object& o) {
    const auto& r = static_cast<const R&>(o);
    return r.oDevice ? r.oDevice->RulePen() : rt::Value();
  }, nullptr);
  c.AddData("aGroups", [](const rt::Object& o) { return ObjectsOf(static_cast<const R&>(o).aGroups); }, nullptr);
  c.AddData("aColumns", [](const rt::Object& o) { return ObjectsOf(static_cast<const R&>(o).aColumns); }, nullptr);
  c.AddData("aFont", [](const rt::Object& o) {
    const auto& r = static_cast<const R&>(o);
    return r.oDevice ? r.oDevice->Fonts() : rt::Value::Array();
  }, nullptr);
  c.AddData("aPen", [](const rt::Object& o) {
    const auto& r = static_cast<const R&>(o);
    return r.oDevice ? r.oDevice->Pens() : rt::Value::Array();
  }, nullptr);
  c.AddData("aCols", [](const rt::Object& o) { return NumbersOf(static_cast<const R&>(o).aCols); }, nullptr);
  c.AddData("aText", [](const rt::Object& o) { return BlocksOf(static_cast<const R&>(o), &TRColumn::aTitle); },
            nullptr);
  c.AddData("aData", [](const rt::Object& o) { return BlocksOf(static_cast<const R&>(o), &TRColumn::aData); },
            nullptr);
  c.AddData("aDataHeight", [](const rt::Object& o) { return NumbersOf(static_cast<const R&>(o).aDataHeight); },
            nullptr);
  c.AddData("aClrText", [](const rt::Object& o) { return NumbersOf(static_cast<const R&>(o).aClrText); }, nullptr);
  // The shadow colour reaches the device through the report's shadows.
  c.AddData("nClrShadow", [](const rt::Object& o) { return rt::Value(static_cast<const R&>(o).nClrShadow); },
            [](rt::Object& o, const rt::Value& v) { static_cast<R&>(o).SetShdColor(v.AsInt()); });

  rt::ClassBuilder<R>(c)
      .Data("oTitle", &R::oTitle)
      .Data("oHeader", &R::oHeader)
      .Data("oFooter", &R::oFooter)
      .Data("oRptWnd", &R::oRptWnd)
      .Data("bFor", &R::bFor)
      .Data("bWhile", &R::bWhile)
      .Data("bInit", &R::bInit)
      .Data("bEnd", &R::bEnd)
      .Data("bStartLine", &R::bStartLine)
      .Data("bEndLine", &R::bEndLine)
      .Data("bStartPage", &R::bStartPage)
      .Data("bEndPage", &R::bEndPage)
      .Data("bStartGroup", &R::bStartGroup)
      .Data("bEndGroup", &R::bEndGroup)
      .Data("bSkip", &R::bSkip)
      .Data("bStdFont", &R::bStdFont)
      .Data("bPreview", &R::bPreview)
      .Data("bChange", &R::bChange)
      .Data("bPostEnd", &R::bPostEnd)
      .Data("bPostPage", &R::bPostPage)
      .Data("bPostGroup", &R::bPostGroup)
      .Data("bStartRecord", &R::bStartRecord)
      .Data("cRptFile", &R::cRptFile)
      .Data("cResName", &R::cResName)
      .Data("cFile", &R::cFile)
      .Data("cName", &R::cName)
      .Data("cPageTotal", &R::cPageTotal)
      .Data("cGrandTotal", &R::cGrandTotal)
      .Data("cCharPattern", &R::cCharPattern)
      .Data("nWidth", &R::nWidth)
      .Data("nHeight", &R::nHeight)
      .Data("nMargin", &R::nMargin)
      .Data("nRow", &R::nRow)
      .Data("nPage", &R::nPage)
      .Data("nMaxTitle", &R::nMaxTitle)
      .Data("nMaxData", &R::nMaxData)
      .Data("nSeparator", &R::nSeparator)
      .Data("nLeftMargin", &R::nLeftMargin)
      .Data("nRightMargin", &R::nRightMargin)
      .Data("nTopMargin", &R::nTopMargin)
      .Data("nDnMargin", &R::nDnMargin)
      .Data("nTitleRow", &R::nTitleRow)
      .Data("nBottomRow", &R::nBottomRow)
      .Data("nStdLineHeight", &R::nStdLineHeight)
      .Data("nRptWidth", &R::nRptWidth)
      .Data("nLogPixX", &R::nLogPixX)
      .Data("nLogPixY", &R::nLogPixY)
      .Data("nFirstdrow", &R::nFirstdrow)
      .Data("nLastdrow", &R::nLastdrow)
      .Data("nTitleHeight", &R::nTitleHeight)
      .Data("nCounter", &R::nCounter)
      .Data("nTotalLine", &R::nTotalLine)
      .Data("nGroupLine", &R::nGroupLine)
      .Data("nTitleUpLine", &R::nTitleUpLine)
      .Data("nTitleDnLine", &R::nTitleDnLine)
      .Data("nDataLine", &R::nDataLine)
      .Data("hOldRes", &R::hOldRes)
      .Data("lSummary", &R::lSummary)
      .Data("lTotal", &R::lTotal)
      .Data("lFinish", &R::lFinish)
      .Data("lStable", &R::lStable)
      .Data("lGroup", &R::lGroup)
      .Data("lPrinter", &R::lPrinter)
      .Data("lScreen", &R::lScreen)
      .Data("lFirstRow", &R::lFirstRow)
      .Data("lCreated", &R::lCreated)
      .Data("lBreak", &R::lBreak)
      .Data("lShadow", &R::lShadow)
      .Data("lGrid", &R::lGrid)
      .Data("lJoin", &R::lJoin)
      .Data("lSeparator", &R::lSeparator)
      .Data("lAutoLand", &R::lAutoLand)
      .Data("lIsNarrow", &R::lIsNarrow)
      .Data("lBoxOnTotal", &R::lBoxOnTotal)
      .Data("lNoCancel", &R::lNoCancel)
      .Data("lPageTotal", &R::lPageTotal)
      .Data("Cargo", &R::Cargo)
      .Method("New", [](R& r, rt::Args a) { return r.New(ReportArgsOf(a)) ? r.Self() : rt::Value(); })
      .Method("AddColumn", [](R& r, rt::Args a) {
        if (const auto column = rt::Arg(a, 0).As<TRColumn>()) r.AddColumn(column);
        return rt::Value();
      })
      .Method("DelColumn", [](R& r, rt::Args a) {
        r.DelColumn(static_cast<std::size_t>(std::max(0, IntOr(a, 0, 0))));
        return rt::Value();
      })
      .Method("InsColumn", [](R& r, rt::Args a) {
        r.InsColumn(rt::Arg(a, 0).As<TRColumn>(), static_cast<std::size_t>(std::max(0, IntOr(a, 1, 1))));
        return rt::Value();
      })
      .Method("AddGroup", [](R& r, rt::Args a) {
        if (const auto group = rt::Arg(a, 0).As<TRGroup>()) r.AddGroup(group);
        return rt::Value();
      })
      .Method("DelGroup", [](R& r, rt::Args a) {
        r.DelGroup(static_cast<std::size_t>(std::max(0, IntOr(a, 0, 0))));
        return rt::Value();
      })
      .Method("Stabilize", Does([](R& r, rt::Args) { r.Stabilize(); }))
      .Method("Skip", Does([](R& r, rt::Args a) { r.Skip(IntOr(a, 0, 1)); }))
      .Method("End", [](R& r, rt::Args) {
        r.End();
        return rt::Value();
      })
      .Method("StartLine", Does([](R& r, rt::Args a) {
        r.StartLine(NumOr(a, 0, r.nStdLineHeight), rt::IsTrue(rt::Arg(a, 1)));
      }))
      .Method("EndLine", Does([](R& r, rt::Args a) { r.EndLine(NumOr(a, 0, r.nStdLineHeight)); }))
      .Method("StartGroup", Does([](R& r, rt::Args a) {
        if (std::size_t n = 0; GroupIndex(r, a, n)) r.StartGroup(n);
      }))
      .Method("EndGroup", Does([](R& r, rt::Args a) {
        if (std::size_t n = 0; GroupIndex(r, a, n)) r.EndGroup(n);
      }))
      .Method("StartPage", Does([](R& r, rt::Args) { r.StartPage(); }))
      .Method("EndPage", Does([](R& r, rt::Args) { r.EndPage(); }))
      .Method("NeedNewPage", [](R& r, rt::Args) { return rt::Value(r.NeedNewPage()); })
      .Method("NewLine", Does([](R& r, rt::Args a) { r.NewLine(NumOr(a, 0, r.nStdLineHeight)); }))
      .Method("BackLine", [](R& r, rt::Args a) {
        r.BackLine(NumOr(a, 0, 1));
        return rt::Value();
      })
      .Method("ColTitle", Does([](R& r, rt::Args) { r.ColTitle(); }))
      .Method("TotalLine", Does([](R& r, rt::Args a) { r.TotalLine(IntOr(a, 0, 1), IntOr(a, 1, 0)); }))
      .Method("PageTotal", Does([](R& r, rt::Args) { r.PageTotal(); }))
      .Method("Activate", [](R& r, rt::Args a) {
        r.Activate(ReportHooksOf(a));
        return rt::Value();
      })
      .Method("Play", Does([](R& r, rt::Args) { r.Play(); }))
      .Method("Margin", [](R& r, rt::Args a) {
        r.Margin(NumOr(a, 0, 0.2), IntOr(a, 1, 1), IntOr(a, 2, 1));
        return rt::Value();
      })
      .Method("Say", Does([](R& r, rt::Args a) {
        r.Say(IntOr(a, 0, 1), rt::Arg(a, 1), IntOr(a, 2, 1), IntOr(a, 3, 1), rt::Arg(a, 4));
      }))
      .Method("SayBitmap", Does([](R& r, rt::Args a) {
        r.SayBitmap(NumOr(a, 0, 0.2), NumOr(a, 1, 0.2), rt::Arg(a, 2), NumOr(a, 3, 5), NumOr(a, 4, 5),
                    IntOr(a, 5, 1));
      }))
      .Method("Box", Does([](R& r, rt::Args a) {
        r.Box(NumOr(a, 0, 0.2), NumOr(a, 1, 0.2), NumOr(a, 2, 5), NumOr(a, 3, 5), IntOr(a, 4, 1), IntOr(a, 5, 1));
      }))
      .Method("Line", Does([](R& r, rt::Args a) {
        r.Line(NumOr(a, 0, 0.2), NumOr(a, 1, 0.2), NumOr(a, 2, 5), NumOr(a, 3, 5), IntOr(a, 4, 1), IntOr(a, 5, 1));
      }))
      .Method("Shadow", Does([](R& r, rt::Args a) { r.Shadow(NumOr(a, 0, r.nStdLineHeight)); }))
      .Method("Grid", Does([](R& r, rt::Args a) {
        r.Grid(NumOr(a, 0, r.nStdLineHeight), NumOr(a, 1, r.nRow),
               rt::Arg(a, 2).IsString() ? rt::Arg(a, 2).AsString() : std::string("\xB3"));
      }))
      .Method("Separator", Does([](R& r, rt::Args a) { r.Separator(IntOr(a, 0, 0), NumOr(a, 1, -1)); }))
      .Method("CellView", [](R& r, rt::Args) {
        r.CellView();
        return rt::Value();
      })
      .Method("PhyWidth", Answers([](R& r, rt::Args a) { return r.PhyWidth(IntOr(a, 0, 1)); }))
      .Method("PhyHeight", Answers([](R& r, rt::Args a) { return r.PhyHeight(IntOr(a, 0, 1)); }))
      .Method("SetTxtColor", [](R& r, rt::Args a) {
        r.SetTxtColor(static_cast<long>(NumOr(a, 0, 0)), IntOr(a, 1, 1));
        return rt::Value();
      })
      .Method("SetShdColor", [](R& r, rt::Args a) {
        r.SetShdColor(static_cast<long>(NumOr(a, 0, 0)));
        return rt::Value();
      })
      .Method("SetPenColor", [](R& r, rt::Args a) {
        r.SetPenColor(static_cast<long>(NumOr(a, 0, 0)));
        return rt::Value();
      });
}

}  // namespace

const rt::ClassInfo& TReport::ClassDef() {
  static const rt::ClassInfo info(std::string(vdclass::kReport), &Object::ClassDef(), rt::FactoryOf<TReport>(),
                                  Describe);
  return info;
}

RT_CLASS_REGISTER(TReport);

}  // namespace prn
