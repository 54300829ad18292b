// The grid's vertical moves: a row up or down, a page up or down, to the
// bottom, and the vertical scroll bar's messages. Rows move through Skip;
// only the rows that change are redrawn, and the window scrolls by one row
// where a single row comes into view.
#include <windows.h>

#include <algorithm>
#include <utility>

#include "core/send_soft.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "runtime/table_fns.h"

namespace grid {

namespace {

constexpr long kKeyUp = 38;
constexpr long kKeyPgUp = 33;
constexpr long kKeyPgDn = 34;

}  // namespace

TGBrowse::FlagWatch::FlagWatch(TGBrowse& grid) : g(grid) {
  if (g.flagRec_ < 0 || g.RowNumber() == g.flagRec_) return;
  g.lHitTop = g.lHitBottom = false;
  g.ResetBarPos();
}

TGBrowse::FlagWatch::~FlagWatch() { g.flagRec_ = g.RowNumber(); }

void TGBrowse::Draw(const std::function<void()>& draw) {
  if (!hWnd) return;
  if (hDC) {
    draw();
    return;
  }
  hDC = ::GetDC(hWnd);
  draw();
  ::ReleaseDC(hWnd, hDC);
  hDC = nullptr;
}

void TGBrowse::BarToRow() {
  if (auto v = oVScroll.As<TGBScrlBar>()) v->SetPos(static_cast<int>(BarPosOf(nLogicPos())));
}

long TGBrowse::Count() {
  if (bLogicLen.IsBlock()) nLen = IsTable() ? InArea([&] { return bLogicLen.Eval(); }).AsInt() : bLogicLen.Eval().AsInt();
  return nLen;
}

bool TGBrowse::TextScrollsFrom(long nRow) {
  if (nLen <= nRowCount()) return false;
  nRowPos += Skip(nRow - nRowPos);
  return true;
}

TGBrowse& TGBrowse::GoDown() {
  const FlagWatch watch(*this);
  if (Count() == 0) {
    if (!lCanAppend) return *this;
    nRowPos = 1;
  }
  ResetSeek();
  if (IsText() && lNoLiteBar && !TextScrollsFrom(nRowCount())) return *this;
  if (!lAppendMode) nPrevRec = rt::Value(RowNumber());
  if (!lHitBottom) {
    if (!lAppendMode) Draw([this] { DrawLine(); });
    if (Skip(1) == 1) {
      lHitTop = false;
      const long rows = nRowCount();
      if (nRowPos < rows) {
        ++nRowPos;
      } else if (lPageMode) {
        nRowPos = 1;
        Refresh(true);
      } else {
        // The window scrolls one row; its next paint message only turns
        // painting back on.
        lRePaint = false;
        TGBrwScroll(1);
      }
    } else {
      lHitBottom = true;
    }
    if (!lAppendMode && !lEditing) Draw([this] { DrawSelect(); });
    if (!lAppendMode) BarToRow();
    bChange.Eval(Self(), core::Ask(oWnd, "nLastKey"));
  }
  if (lHitBottom && lCanAppend && !lAppendMode) OpenAppendRow();
  return *this;
}

void TGBrowse::OpenAppendRow() {
  long first = 0;
  for (long i = 1; i <= nColCount() && first == 0; ++i) {
    const auto column = Col(i);
    if (column->lEdit && (!column->bWhen.IsBlock() || rt::IsTrue(column->bWhen.Eval()))) first = i;
  }
  if (first == 0) return;
  nCell = first;
  if (nCell < nColPos && nCell > nFreeze) nColPos = nCell;
  lHitTop = lHitBottom = false;
  lAppendMode = true;
  GoDown();
  if (const auto owner = Container()) owner->nLastKey = VK_RETURN;
  Draw([this] { DrawLine(); });
  PostMessageA(hWnd, WM_KEYDOWN, VK_RETURN, 0);
}

TGBrowse& TGBrowse::GoUp() {
  const FlagWatch watch(*this);
  if (Count() == 0) {
    if (lAppendMode && lCanAppend) {
      lAppendMode = false;
      nRowPos = std::max(0L, nRowPos - 1);
    }
    return *this;
  }
  ResetSeek();
  if (IsText() && lNoLiteBar && !TextScrollsFrom(1)) return *this;
  if (lAppendMode && lFilterMode && nPrevRec.IsNumber()) {
    const long rec = nPrevRec.AsInt();
    InArea([rec] {
      rt::DBGOTO(rec);
      return rt::Value();
    });
  }
  if (!lHitTop) {
    if (!lAppendMode) Draw([this] { DrawLine(); });
    if (Skip(-1) == -1) {
      lHitBottom = false;
      const long rows = nRowCount();
      if (nRowPos > 1) {
        if (!lAppendMode || nLen < rows) --nRowPos;
        if (lAppendMode) {
          if (lFilterMode) Skip(1);
          Refresh(false);
          HiliteCell(nCell);
        }
      } else if (lPageMode) {
        nRowPos = rows;
        Refresh(true);
      } else {
        lRePaint = false;
        TGBrwScroll(-1);
      }
    } else if (!lAppendMode) {
      lHitTop = true;
    }
    Draw([this] { DrawSelect(); });
    if (!lAppendMode) BarToRow();
    bChange.Eval(Self(), kKeyUp);
  }
  lAppendMode = false;
  nPrevRec = rt::Value();
  return *this;
}

TGBrowse& TGBrowse::PageDown(long n) {
  const FlagWatch watch(*this);
  const long rows = nRowCount();
  if (n <= 0) n = rows;
  lAppendMode = false;
  ResetSeek();
  if (Count() == 0 || lHitBottom) return *this;
  Draw([this] { DrawLine(); });
  bool pageUsed = false;
  long skipped;
  if (lPageMode && nRowPos < n) {
    skipped = Skip(n - nRowPos);
    pageUsed = true;
  } else {
    skipped = Skip(2 * n - nRowPos);
  }
  if (skipped > 0) lHitTop = false;
  if (skipped == 0) lHitBottom = true;
  if (skipped < n && !pageUsed) {
    if (skipped > n - nRowPos) {
      // The last page: the rows above the new current one are redrawn
      // from the top of the window.
      Skip(-n);
      for (long row = 1; row < n; ++row) {
        Draw([this, row] { DrawLine(row); });
        Skip(1);
      }
      Skip(1);
    }
    nRowPos = std::min(nRowPos + skipped, n);
  } else if (skipped < n) {
    Refresh(true);
  } else {
    // A whole page on: back to the first row of the new page, then to the
    // current row's place in it.
    for (long i = 0; i < n; ++i) Skip(-1);
    Skip(nRowPos);
    Refresh(nLen < rows);
  }
  Draw([this] { DrawSelect(); });
  bChange.Eval(Self(), kKeyPgDn);
  if (auto v = oVScroll.As<TGBScrlBar>()) {
    if (lHitBottom) {
      v->SetPos(v->GetRange().At(2).AsInt());
    } else {
      BarToRow();
    }
  }
  return *this;
}

void TGBrowse::PageUp(long n) {
  const FlagWatch watch(*this);
  const long rows = nRowCount();
  if (n <= 0) n = rows;
  lHitBottom = lAppendMode = false;
  ResetSeek();
  if (lPageMode && nRowPos > 1) {
    Draw([this] { DrawLine(); });
    Skip(1 - nRowPos);
    nRowPos = 1;
    Refresh(false);
    BarToRow();
    bChange.Eval(Self(), kKeyPgUp);
    return;
  }
  const long skipped = Skip(-n);
  if (Count() == 0) return;
  auto v = oVScroll.As<TGBScrlBar>();
  if (lHitTop) {
    if (v) v->SetPos(v->GetRange().At(1).AsInt());
    return;
  }
  if (skipped == 0) {
    lHitTop = true;
    if (v) v->SetPos(v->GetRange().At(1).AsInt());
    return;
  }
  if (-skipped < n) {
    nRowPos = 1;
    if (v) v->SetPos(1);
  } else {
    BarToRow();
  }
  Refresh(false);
  bChange.Eval(Self(), kKeyPgUp);
}

TGBrowse& TGBrowse::GoBottom() {
  const FlagWatch watch(*this);
  if (Count() == 0) return *this;
  lAppendMode = false;
  ResetSeek();
  if (lHitBottom) return *this;
  bGoBottom.Eval();
  lHitBottom = true;
  lHitTop = false;
  nRowPos = std::min(nRowCount(), nLen);
  nAt = cDriver.AsString() == "ADS" ? nLogicPos() : nLen;
  bChange.Eval(Self(), core::Ask(oWnd, "nLastKey"));
  if (auto v = oVScroll.As<TGBScrlBar>()) v->SetPos(v->GetRange().At(2).AsInt());
  Refresh(nLen < nRowCount());
  return *this;
}

rt::Value TGBrowse::VScroll(LPARAM nCode, LPARAM nPos) {
  if (hWnd) ::SetFocus(hWnd);
  lFirstFocus = false;
  const long position = HIWORD(nCode) != 0 ? HIWORD(nCode) : static_cast<long>(nPos);
  switch (LOWORD(nCode)) {
    case SB_LINEUP: GoUp(); break;
    case SB_LINEDOWN:
      if (!lHitBottom) GoDown();
      break;
    case SB_PAGEUP: PageUp(); break;
    case SB_PAGEDOWN: PageDown(); break;
    case SB_TOP: GoTop(); break;
    case SB_BOTTOM: GoBottom(); break;
    case SB_THUMBPOSITION: ThumbTo(position); break;
    default: return {};
  }
  return rt::Value(0);
}

void TGBrowse::ThumbTo(long nPos) {
  const FlagWatch watch(*this);
  auto v = oVScroll.As<TGBScrlBar>();
  if (Count() == 0 || !v) return;
  const long barMax = v->GetRange().At(2).AsInt();
  if (nPos <= 1) {
    lHitTop = false;
    GoTop();
    return;
  }
  if (nPos + v->nPgStep - 1 >= barMax) {
    lHitBottom = false;
    GoBottom();
    return;
  }
  const HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  if (bGoToPos.IsBlock()) {
    bGoToPos.Eval(GetRealPos(nPos));
    nAt = GetRealPos(nPos);
  } else {
    Skip(GetRealPos(nPos) - GetRealPos(v->GetPos()));
  }
  SetCursor(old);
  lHitTop = lHitBottom = false;
  v->SetPos(static_cast<int>(nPos));
  const long rows = nRowCount();
  if (nPos <= v->GetRange().At(1).AsInt()) {
    nRowPos = 1;
  } else if (barMax - nPos < std::min(rows, nLen)) {
    nRowPos = std::min(rows, nLen) - (barMax - nPos);
  }
  Refresh(false);
  bChange.Eval(Self(), 0);
}


void TGBrowse::GoPos(const rt::Value& nRow, const rt::Value& nCol) {
  if (!nRow.IsNumber() || !nCol.IsNumber()) return;
  const rt::Value scope = bScope.IsBlock() ? bScope.Eval() : rt::Value();
  const bool scoped = scope.IsString() ? !scope.AsString().empty() : !scope.IsNil();
  const long current = cAlias.AsString() == "ARRAY" ? nAt : scoped ? nLogicPos() : nRowPos;
  const long rowBefore = RowNumber();
  // The hook hears once, after all the single moves.
  const rt::Value hook = std::exchange(bChange, rt::Value());
  const auto owner = Container();
  for (long d = nCol.AsInt() - nCell; d != 0; d += d > 0 ? -1 : 1) {
    if (d > 0) {
      GoRight();
    } else {
      GoLeft();
    }
  }
  for (long d = nRow.AsInt() - current; d != 0; d += d > 0 ? -1 : 1) {
    if (owner) owner->nLastKey = d > 0 ? VK_DOWN : VK_UP;
    if (d > 0) {
      GoDown();
    } else {
      GoUp();
    }
  }
  bChange = hook;
  if (RowNumber() != rowBefore) bChange.Eval(Self(), owner ? rt::Value(owner->nLastKey) : rt::Value());
}

}  // namespace grid
