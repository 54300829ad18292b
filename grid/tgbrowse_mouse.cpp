// The grid's mouse: clicks that move the row and the cell, heading clicks
// and their actions, dragging a column's width or the column itself on the
// header row, double clicks, the middle button, the pointer's shapes and
// the icon under the pointer in icon view. The gfx::CURSOR... functions
// set the pointer themselves.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "graphics/cursors.h"
#include "grid/grid_geometry.h"
#include "grid/grid_messages.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"

namespace grid {
namespace {

constexpr long kKeyDown = 40, kEnter = 13, kSpace = 32;
// How near the pointer must come to a column border to grab it.
constexpr long kBorderGrip = 2;
// The width drag's line: never left of this x, this wide.
constexpr long kLineLeftmost = 10;
constexpr int kLineWidth = 4;
// A column never shrinks below this width by a drag.
constexpr long kMinColWidth = 5;
constexpr long kIconCell = 50, kIconHotFrom = 9, kIconHotTo = 41;
// How far above the pointer the width tip stands.
constexpr int kTipRise = 24;

}  // namespace

long TGBrowse::nAtIcon(long nRow, long nCol) const {
  nRow = SignedPixel(nRow);
  nCol = SignedPixel(nCol);
  if (nRow < 0 || nCol < 0) return 0;
  const long inRow = nRow % kIconCell, inCol = nCol % kIconCell;
  if (inRow < kIconHotFrom || inRow > kIconHotTo || inCol < kIconHotFrom || inCol > kIconHotTo) return 0;
  const long perLine = IconsPerLine();
  const long column = nCol / kIconCell;
  if (column >= perLine) return 0;
  return (nRow / kIconCell) * perLine + column + 1;
}

void TGBrowse::RowClicked(long row) {
  ResetSeek();
  Draw([this] { DrawLine(); });
  const long skipped = Skip(row - nRowPos);
  nRowPos += skipped;
  BarToRow();
  lHitTop = lHitBottom = false;
  lAppendMode = false;
  const auto owner = Container();
  bChange.Eval(Self(), owner ? owner->nLastKey : 0L);
}

rt::Value TGBrowse::LButtonDown(long nRow, long nCol, long nFlags) {
  nRow = SignedPixel(nRow);
  nCol = SignedPixel(nCol);
  if (lDesign) {
    Refresh();
    return TControl::LButtonDown(nRow, nCol, nFlags);
  }
  const long row = nTGBRow(nRow);
  const bool header = lDrawHeaders && row == 0 && nRow >= 0;
  const bool body = row > 0 && row != kFooterRow;
  const auto owner = Container();
  lFirstFocus = false;
  EndOpenEditor();
  if (owner) {
    const HWND focused = GetFocus();
    if (focused && focused != hWnd && GetParent(focused) == owner->hWnd) {
      SendMessageA(focused, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    }
  }
  if (hWnd) ::SetFocus(hWnd);
  if (Count() == 0 || oTxtFile.IsObject()) {
    if (lCanAppend && !oTxtFile.IsObject() && body) PostMessageA(hWnd, WM_KEYDOWN, kKeyDown, 0);
    return rt::Value(0);
  }
  if (header && aActions.IsArray()) {
    const long column = nAtCol(nCol);
    if (column <= static_cast<long>(aActions.Len()) && aActions.At(static_cast<std::size_t>(column)).IsBlock()) {
      Draw([this] { DrawHeaders(); });
      aActions.At(static_cast<std::size_t>(column)).Eval(Self(), nRow, nCol);
      Draw([this] { DrawHeaders(); });
    }
  }
  if (lIconView) {
    DrawIcon(nAtIcon(nRow, nCol));
    return rt::Value(0);
  }
  if (header && lMChange) {
    long border = 0;
    for (long i = 1; i <= std::min(nFreeze, nColCount()); ++i) {
      border += ColSize(i);
      if (std::abs(nCol - border) <= kBorderGrip && !lLineDrag) {
        lLineDrag = true;
        VertLine(border, i, border - nCol);
      }
    }
    for (long i = std::max(nColPos, nFreeze + 1); i <= nColCount() && !lLineDrag && border <= nWidth(); ++i) {
      border += ColSize(i);
      if (std::abs(nCol - border) <= kBorderGrip) {
        lLineDrag = true;
        VertLine(border, i, border - nCol);
      }
    }
    if (!lLineDrag) {
      lColDrag = true;
      nDragCol = nAtCol(nCol);
    }
    lCaptured = true;
    Capture();
  }
  const long oldRow = nRowPos, oldCell = nCell;
  if (body && row != nRowPos && row <= nRowCount()) RowClicked(row);
  bLClicked.Eval(nRow, nCol, nFlags, Self());
  if (body && !(lLockFreeze && nClickedCol(nCol) <= nFreeze) && HiliteCell(nCell, nCol)) HBarTo(nCell);
  if (nRowPos != oldRow || nCell != oldCell) Draw([this] { DrawSelect(); });
  lGrasp = !header && bDragBegin.IsBlock();
  lMouseDown = true;
  return rt::Value(0);
}

rt::Value TGBrowse::LButtonUp(long nRow, long nCol, long nFlags) {
  nRow = SignedPixel(nRow);
  nCol = SignedPixel(nCol);
  if (lDesign) {
    if (lColDrag) {
      lColDrag = false;
      return rt::Value(0);
    }
    return TControl::LButtonUp(nRow, nCol, nFlags);
  }
  if (lCaptured && (lLineDrag || lColDrag)) {
    lCaptured = false;
    ReleaseCapture();
    if (lLineDrag) {
      VertLine();
    } else {
      lColDrag = false;
      // Dropped on the header row over another column, inside the grid.
      const bool onHeader = nRow >= 0 && nTGBRow(nRow) == 0 && nCol > 0 && nCol < nWidth();
      const long target = nAtCol(nCol);
      if (onHeader && target != nDragCol && nDragCol >= 1 && nDragCol <= nColCount()) {
        if (lMoveCols) {
          MoveColumn(nDragCol, target);
        } else {
          Exchange(nDragCol, target);
        }
      }
      nDragCol = 0;
    }
  }
  lGrasp = false;
  return TControl::LButtonUp(nRow, nCol, nFlags);
}

rt::Value TGBrowse::LDblClick(long nRow, long nCol, long nFlags) {
  nRow = SignedPixel(nRow);
  nCol = SignedPixel(nCol);
  const auto owner = Container();
  if (owner) owner->nLastKey = 0;
  lFirstFocus = false;
  const long row = nTGBRow(nRow);
  if (lDrawHeaders && row == 0 && nRow >= 0) {
    SetOrder(nAtCol(nCol));
    return rt::Value(0);
  }
  if (row == nRowPos || !lDrawHeaders) {
    const auto column = Col(nCell);
    if (lCellBrw && column && column->lEdit && !lCanSelect) {
      const rt::Value value = IsTable() ? InArea([&] { return column->bData.Eval(); }) : column->bData.Eval();
      if (value.IsLogical() && rt::IsTrue(column->lBitMap)) {
        nKeyDown = kSpace;
        KeyDown(kSpace, 0);
      } else {
        if (owner) owner->nLastKey = kEnter;
        SendMessageA(hWnd, WM_KEYDOWN, kEnter, 0);
      }
      return rt::Value(0);
    }
    if (lCanSelect) ToggleSelected(kKeyDown);
  }
  bLDblClick.Eval(nRow, nCol, nFlags);
  return rt::Value(0);
}

rt::Value TGBrowse::MButtonDown(long nRow, long nCol, long nFlags) {
  bMButtonDown.Eval(SignedPixel(nRow), SignedPixel(nCol), nFlags);
  return rt::Value(0);
}

rt::Value TGBrowse::MouseMove(long nRow, long nCol, long nFlags) {
  nRow = SignedPixel(nRow);
  nCol = SignedPixel(nCol);
  if (lIconView) {
    const long icon = nAtIcon(nRow, nCol);
    if (icon != nIconPos) {
      if (nIconPos > 0) DrawIcon(nIconPos);
      if (icon > 0) DrawIcon(icon, true);
      nIconPos = icon;
    }
    gfx::CURSORHAND();
    return rt::Value(0);
  }
  // During a width drag the pointer may leave the header row or the grid:
  // the line stays on the header and inside the grid.
  const bool header = lDrawHeaders && ((nRow >= 0 && nTGBRow(nRow) == 0) || lLineDrag || lColDrag);
  long frozenWidth = 0;
  for (long i = 1; i <= std::min(nFreeze, nColCount()); ++i) frozenWidth += ColSize(i);
  const bool overFrozen = nFreeze > 0 && nCol < frozenWidth && !lLineDrag;
  if (!header || !lMChange || overFrozen) {
    if (lGrasp && !header) return TControl::MouseMove(nRow, nCol, nFlags);
    gfx::CURSORARROW();
    if (lLineDrag) {
      lCaptured = false;
      ReleaseCapture();
      VertLine();
    }
    return TControl::MouseMove(nRow, nCol, nFlags);
  }
  if (lColDrag) {
    gfx::CURSORSIZE();
    return rt::Value(0);
  }
  if (lLineDrag) {
    VertLine(nCol);
    gfx::CURSORWE();
    return rt::Value(0);
  }
  long border = frozenWidth;
  bool nearBorder = nFreeze > 0 && std::abs(nCol - border) <= kBorderGrip;
  for (long i = std::max(nColPos, nFreeze + 1); i <= nColCount() && !nearBorder && border <= nWidth(); ++i) {
    border += ColSize(i);
    nearBorder = std::abs(nCol - border) <= kBorderGrip;
  }
  if (nearBorder) {
    gfx::CURSORWE();
  } else {
    gfx::CURSORHAND();
  }
  return rt::Value(0);
}

void TGBrowse::VertLine(const rt::Value& nX, const rt::Value& nColumn, const rt::Value& nOffset) {
  if (!hWnd) return;
  RECT client{};
  GetClientRect(hWnd, &client);
  const auto invert = [&](long x) {
    const HDC dc = ::GetDC(hWnd);
    PatBlt(dc, static_cast<int>(x), 0, kLineWidth, client.bottom, DSTINVERT);
    ::ReleaseDC(hWnd, dc);
  };
  if (nColumn.IsNumber()) {
    widthDrag_ = WidthDrag{nColumn.AsInt(), nX.AsInt(), -1, nOffset.IsNumber() ? nOffset.AsInt() : 0};
  }
  const long column = widthDrag_.column;
  if (column < 1 || column > nColCount()) {
    lLineDrag = false;
    return;
  }
  const long oldWidth = ColSize(column);
  if (!nX.IsNumber()) {
    if (widthDrag_.drawn >= 0) {
      invert(widthDrag_.drawn);
      const long width = std::max(kMinColWidth, oldWidth + widthDrag_.drawn - widthDrag_.border);
      RebuildColSizes();
      aColSizes.Items()[static_cast<std::size_t>(column - 1)] = rt::Value(width);
      Col(column)->nWidth = width;
      Refresh(false);
    }
    EndWidthTip();
    widthDrag_ = WidthDrag{};
    lLineDrag = false;
    return;
  }
  // The line stays inside the client area, and never narrows the column
  // below its least width.
  const long leftmost = std::max(kLineLeftmost, widthDrag_.border - oldWidth + kMinColWidth);
  const long x = std::clamp(SignedPixel(nX.AsInt()) + (nColumn.IsNumber() ? 0 : widthDrag_.offset), leftmost,
                            std::max(leftmost, static_cast<long>(client.right) - kLineWidth));
  if (widthDrag_.drawn >= 0) invert(widthDrag_.drawn);
  invert(x);
  widthDrag_.drawn = x;
  ShowWidthTip(x, oldWidth + x - widthDrag_.border);
}

void TGBrowse::ShowWidthTip(long nX, long nNewWidth) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%5ld", nNewWidth);
  std::string text = GridMessage(31) + " " + digits;
  TOOLINFOA info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  info.hwnd = hWnd;
  info.lpszText = text.data();
  if (!widthTip_) {
    widthTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWnd, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!widthTip_) return;
    SendMessageA(widthTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageA(widthTip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
  }
  SendMessageA(widthTip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  POINT at{static_cast<LONG>(nX), 0};
  ClientToScreen(hWnd, &at);
  SendMessageA(widthTip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, std::max(0L, static_cast<long>(at.y) - kTipRise)));
}

void TGBrowse::EndWidthTip() {
  if (widthTip_) DestroyWindow(widthTip_);
  widthTip_ = nullptr;
}

}  // namespace grid
