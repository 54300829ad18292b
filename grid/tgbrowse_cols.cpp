// The grid's horizontal moves between cells and the column tests they use:
// which column lies under a pixel, and whether a column shows (fully or in
// part) between the frozen ones and the right edge.
#include <windows.h>

#include <algorithm>

#include "core/message_loop.h"
#include "grid/grid_geometry.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "services/ttxtfile.h"

namespace grid {

namespace {

// The steps of a text source's sideways moves, in characters.
constexpr long kTextStep = 5;
constexpr long kTextPanLeft = 10;
constexpr long kTextPanRight = 20;

}  // namespace

bool TGBrowse::IsText() const { return cAlias.AsString() == "TEXT_" && oTxtFile.IsObject(); }

long TGBrowse::TextOffsetMax() {
  const auto text = oTxtFile.As<svc::TTxtFile>();
  if (!text) return 1;
  if (nTextLongest < 0) {
    // Measured once per text: every sideways move is clamped by it.
    const long line = text->nLine;
    nTextLongest = 0;
    for (long i = 1; i <= text->nTLines; ++i) {
      text->GoTo(i);
      nTextLongest = std::max(nTextLongest, static_cast<long>(text->ReadLine().size()));
    }
    text->GoTo(line);
  }
  const int measured = hWnd ? SBGETHEIGHT(hWnd, FontHandle(), 1) : 0;
  const long charWidth = measured > 0 ? measured : 8;
  return std::max(1L, nTextLongest - VisibleWidth() / charWidth);
}

long TGBrowse::HBarMax() { return IsText() ? TextOffsetMax() : std::max(1L, nColCount()); }

void TGBrowse::TextOffset(long n) {
  const long offset = std::clamp(n, 1L, TextOffsetMax());
  if (offset == nOffset) return;
  nOffset = offset;
  HBarTo(nOffset);
  if (hWnd) Refresh(false);
}

long TGBrowse::VisibleWidth() const { return nWidth() - (oVScroll.IsObject() ? 16 : 0); }

long TGBrowse::nAtCol(long nX, bool lFromFirst) const {
  long sum = 0, n = 0;
  if (lFromFirst) {
    n = 0;
  } else {
    for (long i = 1; i <= std::min(nFreeze, nColCount()); ++i) sum += ColSize(i);
    n = std::max(nColPos, nFreeze + 1) - 1;
  }
  while (n < nColCount() && (n == 0 || sum < nX)) sum += ColSize(++n);
  return std::max(1L, std::min(n, nColCount()));
}

bool TGBrowse::ColShows(long n, bool fully) const {
  if (n < nColPos && n > nFreeze) return false;
  const long width = VisibleWidth();
  long sum = 0;
  for (long i = 1; i <= std::min(nFreeze, nColCount()); ++i) {
    if (sum >= width) return false;
    sum += ColSize(i);
    if (i == n) return !fully || sum <= width;
  }
  for (long i = std::max(nColPos, nFreeze + 1); i <= nColCount() && sum < width; ++i) {
    sum += ColSize(i);
    if (i == n) return !fully || sum <= width;
  }
  return false;
}

void TGBrowse::HBarTo(long nPos) {
  if (auto h = oHScroll.As<TGBScrlBar>()) h->SetPos(static_cast<int>(nPos));
}

TGBrowse& TGBrowse::GoLeft() {
  if (IsText()) {
    TextOffset(nOffset - kTextStep);
    return *this;
  }
  ResetSeek();
  if (lCellBrw) {
    long target = nCell - 1;
    while (target >= 1 && Col(target)->lNoHiLite) --target;
    if (target < 1) return *this;
    nCell = target;
    if (nCell < nColPos && nCell > nFreeze) {
      nColPos = nCell;
      Refresh(false);
    }
    HBarTo(nCell);
    HiliteCell(nCell);
    Draw([this] { DrawSelect(); });
  } else if (nCell > nFreeze + 1) {
    nColPos = nCell = nFreeze + 1;
    Refresh(false);
    HBarTo(1);
  }
  return *this;
}

TGBrowse& TGBrowse::GoRight() {
  if (IsText()) {
    TextOffset(nOffset + kTextStep);
    return *this;
  }
  ResetSeek();
  if (nColCount() == 0) return *this;
  if (lCellBrw) {
    if (nCell >= nColCount() && IsColVisible(nCell)) return *this;
    long target = nCell + 1;
    while (target <= nColCount() && Col(target)->lNoHiLite) ++target;
    if (target > nColCount()) return *this;
    StepRightTo(target, !lEditing);
  } else if (!IsColVisible(nColCount())) {
    PageRight();
  }
  return *this;
}

TGBrowse& TGBrowse::GoHome() {
  if (IsText()) {
    TextOffset(1);
    return *this;
  }
  CellTo(nColPos);
  return *this;
}

TGBrowse& TGBrowse::GoEnd() {
  if (IsText()) {
    TextOffset(TextOffsetMax());
    return *this;
  }
  long last = std::max(nColPos, nFreeze + 1);
  while (last < nColCount() && IsColVisible(last + 1)) ++last;
  CellTo(last);
  return *this;
}

void TGBrowse::StepRightTo(long nColumn, bool lDrawSelect) {
  nCell = nColumn;
  const long before = nColPos;
  while (!IsColVisible(nCell) && nColPos < nCell) ++nColPos;
  if (nColPos != before) {
    Refresh(false);
  } else if (lDrawSelect) {
    Draw([this] { DrawSelect(); });
  }
  HiliteCell(nCell);
  HBarTo(nCell);
}

void TGBrowse::CellTo(long nColumn) {
  if (nCell == nColumn) return;
  nCell = nColumn;
  Refresh(false);
  HBarTo(nCell);
  HiliteCell(nCell);
}

TGBrowse& TGBrowse::PanHome() {
  if (IsText()) {
    TextOffset(1);
    return *this;
  }
  long first = 1;
  while (first < nColCount() && Col(first)->lNoHiLite) ++first;
  nCell = first;
  nColPos = 1;
  if (lEditing) {
    Draw([this] { Paint(); });
  } else {
    Refresh(false);
  }
  HBarTo(1);
  HiliteCell(nCell);
  return *this;
}

TGBrowse& TGBrowse::PanEnd() {
  if (IsText()) {
    TextOffset(TextOffsetMax());
    return *this;
  }
  if (nColCount() == 0) return *this;
  nColPos = nCell = nColCount();
  // Further left while the columns up to the last one still fit.
  while (nColPos > nFreeze + 1) {
    --nColPos;
    if (!IsColVisible(nColCount())) {
      ++nColPos;
      break;
    }
  }
  Refresh(false);
  if (auto h = oHScroll.As<TGBScrlBar>()) {
    h->SetRange(1, static_cast<int>(nColCount()));
    h->SetPos(static_cast<int>(nColCount()));
  }
  HiliteCell(nColCount());
  return *this;
}


TGBrowse& TGBrowse::PanLeft() {
  if (IsText()) {
    TextOffset(nOffset - kTextPanLeft);
    return *this;
  }
  if (nFreeze >= nColCount()) return *this;
  const long before = nCell;
  long all = 0;
  for (long i = 1; i <= nColCount(); ++i) all += ColSize(i);
  if (all <= VisibleWidth()) {
    nCell = lLockFreeze ? nFreeze + 1 : 1;
    nColPos = 1;
  } else {
    // A page to the left: as many columns before the first shown one as
    // fit together with it and the frozen ones.
    long sum = ColSize(std::max(nColPos, nFreeze + 1));
    for (long i = 1; i <= nFreeze; ++i) sum += ColSize(i);
    long first = std::max(nColPos, nFreeze + 1);
    while (first - 1 > nFreeze && sum + ColSize(first - 1) <= VisibleWidth()) sum += ColSize(--first);
    nColPos = nCell = first;
  }
  if (nCell != before) Refresh(false);
  HBarTo(nCell);
  if (lCellBrw) HiliteCell(nCell);
  return *this;
}

TGBrowse& TGBrowse::PageRight() {
  if (IsText()) return PanRight();
  long next = nColPos + 1;
  while (next < nColCount() && IsColVisible(next)) ++next;
  if (next >= nColCount()) {
    // The last page: the first shown column advances until the last column
    // shows completely.
    while (!IsColVisible(nColCount()) && nColPos < nColCount()) ++nColPos;
    nCell = nColCount();
    if (auto h = oHScroll.As<TGBScrlBar>()) h->SetPos(h->GetRange().At(2).AsInt());
  } else {
    nColPos = nCell = std::max(nFreeze + 1, next);
    HBarTo(nCell);
  }
  Refresh(false);
  if (lCellBrw) HiliteCell(nCell);
  return *this;
}

long TGBrowse::FrozenWidth() const {
  long sum = 0;
  for (long i = 1; i <= std::min(nFreeze, nColCount()); ++i) sum += ColSize(i);
  return sum;
}

TGBrowse& TGBrowse::PanRight() {
  if (IsText()) {
    TextOffset(nOffset + kTextPanRight);
    return *this;
  }
  const long n = nColCount();
  if (nFreeze >= n) return *this;
  const long before = nCell, beforePos = nColPos;
  const long width = VisibleWidth();
  const long first = std::max(nColPos, nFreeze + 1);
  const auto widthFrom = [&](long k) {
    long sum = FrozenWidth();
    for (long i = k; i <= n; ++i) sum += ColSize(i);
    return sum;
  };
  if (widthFrom(first) <= width) {
    nCell = n;
  } else {
    if (first + 1 <= n && widthFrom(first + 1) <= width) {
      nCell = first + 1;
    } else {
      long sum = FrozenWidth() + ColSize(first);
      nCell = first;
      while (nCell < n && sum + ColSize(nCell + 1) <= width) sum += ColSize(++nCell);
      nCell = std::max(nCell, first + 1);
    }
    nColPos = nCell;
    if (nFreeze > 0 ? IsColVis2(n) : IsColVisible(n)) nCell = n;
  }
  if (nCell != before || nColPos != beforePos) Refresh(false);
  HBarTo(nCell);
  HiliteCell(nCell);
  return *this;
}

bool TGBrowse::Enterable(long n) const {
  const auto column = Col(n);
  return column && column->lEdit && !column->lNoHiLite &&
         (!column->bWhen.IsBlock() || rt::IsTrue(column->bWhen.Eval()));
}

TGBrowse& TGBrowse::GoNext() {
  const long n = nColCount();
  long next = nCell + 1;
  while (next <= n && !Enterable(next)) ++next;
  if (next <= n) {
    StepRightTo(next, true);
    return *this;
  }
  long first = 1;
  while (first <= n && !Enterable(first)) ++first;
  if (first > n) return *this;
  if (!IsColVisible(first)) nColPos = nFreeze + 1;
  nCell = first;
  HBarTo(nCell);
  HiliteCell(nCell);
  Refresh(false);
  core::SYSREFRESH();
  GoDown();
  return *this;
}

void TGBrowse::HThumbDrag(long nPos) {
  if (IsText()) {
    TextOffset(nPos);
    return;
  }
  if (nColCount() == 0) return;
  if (nPos >= nColCount()) {
    if (IsColVisible(nColCount())) {
      nCell = nColCount();
      HiliteCell(nCell);
      Refresh(false);
    } else {
      PanEnd();
    }
    if (auto h = oHScroll.As<TGBScrlBar>()) h->SetPos(h->GetRange().At(2).AsInt());
    return;
  }
  nCell = std::max(1L, nPos);
  if (lLockFreeze && nFreeze > 0) nCell = std::max(nCell, nFreeze + 1);
  HBarTo(nCell);
  // The leftmost first column from which the columns up to the cell fit.
  long frozen = 0;
  for (long i = 1; i <= nFreeze; ++i) frozen += ColSize(i);
  long first = std::max(nCell, nFreeze + 1);
  long sum = frozen + ColSize(first);
  while (first - 1 > nFreeze && sum + ColSize(first - 1) <= VisibleWidth()) sum += ColSize(--first);
  nColPos = first;
  HiliteCell(nCell);
  Refresh(false);
}

rt::Value TGBrowse::HScroll(LPARAM nCode, LPARAM nPos) {
  EndOpenEditor();
  if (hWnd) ::SetFocus(hWnd);
  const long position = HIWORD(nCode) != 0 ? HIWORD(nCode) : static_cast<long>(nPos);
  switch (LOWORD(nCode)) {
    case SB_LINELEFT: GoLeft(); break;
    case SB_LINERIGHT: GoRight(); break;
    case SB_PAGELEFT: PanLeft(); break;
    case SB_PAGERIGHT: PageRight(); break;
    case SB_LEFT: PanHome(); break;
    case SB_RIGHT: PanEnd(); break;
    case SB_THUMBPOSITION: HThumbDrag(position); break;
    default: return {};
  }
  return rt::Value(0);
}

}  // namespace grid
