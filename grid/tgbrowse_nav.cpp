// The grid's move to the top, its seek reset, order change and cell
// highlight.
#include <windows.h>

#include "core/send_soft.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "runtime/macro.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "runtime/value_fns.h"

namespace grid {

namespace {

constexpr long kUp = 38;

}  // namespace

TGBrowse& TGBrowse::GoTop() {
  const FlagWatch watch(*this);
  if (bLogicLen.IsBlock()) nLen = bLogicLen.Eval().AsInt();
  if (nLen == 0) return *this;
  lAppendMode = false;
  ResetSeek();
  if (lHitTop) return *this;
  bGoTop.Eval();
  lHitBottom = false;
  nRowPos = nAt = 1;
  if (hWnd) Refresh(false);
  if (auto v = oVScroll.As<TGBScrlBar>()) v->SetPos(1);
  bChange.Eval(Self(), kUp);
  HiliteCell(nCell);
  return *this;
}

rt::Value TGBrowse::ResetSeek() {
  if (nColOrder > 0) cSeek = cOrderType.AsString() == "D" ? rt::Value("  /  /    ") : rt::Value("");
  bSeekChange.Eval();
  return cSeek;
}

bool TGBrowse::SetOrder(long nCol, const rt::Value& prefix) {
  auto column = Col(nCol);
  if (!column || !IsTable() || column->cOrder.AsString().empty() || nCol == nColOrder) return false;
  if (cDriver.IsNil()) ResetBarPos(true);
  std::string tag = column->cOrder.AsString();
  if (const auto dot = tag.find('.'); dot != std::string::npos) {
    tag = tag.substr(0, dot);
    column->cOrder = tag;
  }
  if (bTagOrder.IsBlock()) bTagOrder.Eval(tag);
  // A grid made while its table had no active order holds a tag block
  // that does nothing: the order is activated here then.
  InArea([&] {
    if (rt::UPPER(rt::ORDSETFOCUS()) != rt::UPPER(tag)) rt::ORDSETFOCUS(tag);
    return rt::Value();
  });
  cOrderType = InArea([] {
    const std::string key = rt::ORDKEY();
    return rt::Value(key.empty() ? std::string() : rt::VALTYPE(rt::MacroEval(key)));
  });
  if (cOrderType.IsNil()) cOrderType = "";
  if (hWnd) UpStable();
  ResetBarPos();
  nColOrder = nCol;
  ResetSeek();
  bSetOrder.Eval(Self(), tag);
  InArea([] {
    rt::DBGOTOP();
    return rt::Value();
  });
  lHitTop = false;
  GoTop();
  if (hWnd) ::SetFocus(hWnd);
  if (!prefix.IsNil()) cPrefix = prefix;
  return true;
}

long TGBrowse::nClickedCol(long nX) const {
  // The scrolled count reads a point over a frozen column as the hidden
  // column just left of the first scrolled one: the frozen count wins there.
  const long frozenHit = nAtCol(nX, true), scrolledHit = nAtCol(nX);
  return frozenHit <= nFreeze && scrolledHit > nFreeze ? frozenHit : scrolledHit;
}

bool TGBrowse::HiliteCell(long, long nX) {
  if (nColCount() == 0) return false;
  const long target = nClickedCol(nX);
  const long before = nCell;
  while (nCell < target) {
    ++nCell;
    if (nCell > nFreeze && !IsColVisible(nCell) && nColPos < nCell) {
      ++nColPos;
      if (hWnd) Refresh(false);
    }
  }
  while (nCell > target && nCell > 1) --nCell;
  if (lCellBrw) {
    for (long i = 1; i <= nColCount(); ++i) {
      auto column = Col(i);
      column->lNoLite = !column->lFixLite;
    }
    Col(nCell)->lNoLite = false;
  }
  return nCell != before;
}

bool TGBrowse::HiliteCell(long nCol) {
  if (!lCellBrw || nColCount() == 0) return false;
  nCol = std::clamp(nCol, 1L, nColCount());
  const bool changed = nCell != nCol;
  nColPos = std::max(nColPos, nFreeze + 1);
  if (lLockFreeze && nFreeze > 0) nCol = std::max(nCol, nFreeze + 1);
  nCell = std::min(nCol, nColCount());
  if (changed) {
    if (auto h = oHScroll.As<TGBScrlBar>()) {
      h->SetPos(static_cast<int>(nCell));
      if (hWnd) Refresh(false);
    }
  }
  for (long i = 1; i <= nColCount(); ++i) {
    auto column = Col(i);
    column->lNoLite = !column->lFixLite;
  }
  Col(nCell)->lNoLite = false;
  return changed;
}

}  // namespace grid
