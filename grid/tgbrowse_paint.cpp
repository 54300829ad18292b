// The grid's painting: the paint entry, the row loop and the painters of
// plain and highlighted rows, headers, footers and super-headers. Every
// cell goes through one call of the cell painter.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "core/send_soft.h"
#include "graphics/class_names.h"
#include "graphics/tfont.h"
#include "grid/grid_geometry.h"
#include "grid/owned_gdi.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "runtime/table_fns.h"
#include "runtime/transform.h"
#include "runtime/value_text.h"
#include "services/int32.h"

namespace grid {

namespace {

CellPainter& Painter() {
  static CellPainter painter = DrawCell;
  return painter;
}

// A colour value as the painter takes it: a number, a gradient pair or a
// brush object; a block has been evaluated before.
struct Colour {
  COLORREF colour = 0;
  COLORREF gradEnd = 0;
  bool gradient = false;
  HBRUSH brush = nullptr;
};

COLORREF Rgb(const rt::Value& v) { return v.IsNumber() ? static_cast<COLORREF>(svc::ToInt32(v)) : 0; }

Colour Resolve(rt::Value v, const std::vector<rt::Value>& args) {
  if (v.IsBlock()) v = v.EvalArgs(rt::Args(const_cast<rt::Value*>(args.data()), args.size()));
  Colour c;
  if (v.IsArray()) {
    auto item = [&](std::size_t i) {
      rt::Value e = i <= v.Len() ? v.At(i) : rt::Value();
      return e.IsBlock() ? e.Eval() : e;
    };
    c.colour = Rgb(item(1));
    c.gradEnd = Rgb(item(2));
    c.gradient = true;
  } else if (v.IsObject()) {
    const rt::Value handle = core::Ask(v, "hBrush");
    c.brush = reinterpret_cast<HBRUSH>(svc::ToHandle(handle));
    c.colour = Rgb(core::Ask(v, "nRGBColor"));
  } else {
    c.colour = Rgb(v);
  }
  return c;
}

HFONT FontOf(const rt::Value& font, HFONT fallback) {
  const auto f = font.As<gfx::TFont>();
  return f && f->hFont ? f->hFont : fallback;
}

long IntOf(const rt::Value& v) { return v.IsBlock() ? v.Eval().AsInt() : v.AsInt(); }

void ApplyColours(CellRequest& cell, const Colour& fore, const Colour& back) {
  cell.nClrFore = fore.colour;
  cell.nClrBack = back.colour;
  cell.nClrGradEnd = back.gradEnd;
  cell.lGradient = back.gradient;
  cell.hBrush = back.brush;
}

std::optional<bool> TextLook(const rt::Value& v) {
  if (v.IsLogical()) return v.AsLogical();
  return std::nullopt;
}

}  // namespace

void SetCellPainter(CellPainter painter) { Painter() = painter ? std::move(painter) : CellPainter(DrawCell); }

const CellPainter& GridCellPainter() { return Painter(); }

rt::Value TGBrowse::Display() {
  const auto owner = Container();
  const bool ownerShown = owner && owner->hWnd && IsWindowVisible(owner->hWnd);
  if (!ownerShown || (cAlias.AsString().empty() && !oTree.IsObject())) {
    ValidateRect(hWnd, nullptr);
    return rt::Value(0);
  }
  BeginPaint();
  if (auto v = oVScroll.As<TGBScrlBar>()) {
    const long count = IsTable() ? InArea([&] { return bLogicLen.Eval(); }).AsInt() : bLogicLen.Eval().AsInt();
    if (v->nMax != std::min(count, 32767L) || nLen != count) {
      nLen = count;
      v->SetRange(1, static_cast<int>(std::max(std::min(count, 32767L), 1L)));
    }
  }
  if (auto h = oHScroll.As<TGBScrlBar>()) h->SetRange(1, static_cast<int>(HBarMax()));
  Paint();
  EndPaint();
  if (IsTable() && lFocused && (nLen == 0 || nRowPos == 0)) GoDown();
  // The change hook hears of a new current row, not of every repaint: a
  // repaint of the same row must not undo what the hook's owner shows.
  const long rec = IsTable() ? InArea([] { return rt::Value(rt::RECNO()); }).AsInt() : 0;
  if (lPainted && (!bChangeRan_ || rec != lastChangeRec_ || nAt != lastChangeAt_)) {
    bChangeRan_ = true;
    lastChangeRec_ = rec;
    lastChangeAt_ = nAt;
    bChange.Eval(Self(), 0);
  }
  return rt::Value(0);
}

rt::Value TGBrowse::Paint() {
  const long colPos = nColPos;
  const long appendRow = lAppendMode && cAlias.AsString() != "ARRAY" ? 1 : 0;
  if (!lRePaint || !hDC) return rt::Value(0);
  const auto owner = Container();
  const bool plainWindow = !(owner && owner->IsKindOf(vdclass::kDialog));
  // A grid on a plain window prepares its columns and bars on its first
  // paint, once its columns are known.
  if (plainWindow && !lPainted && !defaultedAtPaint_) {
    defaultedAtPaint_ = true;
    Default();
  }
  if (lFirstPaint) {
    // The first paint of a grid on a plain window draws nothing; the window
    // is invalidated again, so that the rows show without another cause.
    lFirstPaint = false;
    if (plainWindow) {
      InvalidateRect(hWnd, nullptr, TRUE);
      return rt::Value(0);
    }
  }
  const long lastRow = std::min(nLen + appendRow, nRowCount());
  if (lIconView) {
    DrawIcons();
    return rt::Value(0);
  }
  if (nHeightSuper > 0) {
    nColPos = nFreeze + 1;
    DrawSuper();
    nColPos = colPos;
  }
  DrawHeaders();
  if (!lFocused) core::Ask(oCtx, "Restore");
  if (lAppendMode && lFilterMode) bGoBottom.Eval();
  const bool arrayAppend = cAlias.AsString() == "ARRAY" && lAppendMode;
  if (arrayAppend) lAppendMode = false;
  // The row position follows the rows actually skipped: near the top of
  // the source fewer rows lie above the current record than nRowPos says.
  const long skippedUp = Skip(1 - nRowPos);
  nRowPos = 1 - skippedUp;
  long row = 1;
  long moved = 1;
  while (row <= lastRow && moved == 1) {
    if (row == nRowPos) {
      DrawSelect();
    } else {
      DrawLine(row);
    }
    nLastPainted = row;
    moved = Skip(1);
    if (moved == 1) ++row;
  }
  if (arrayAppend) lAppendMode = true;
  if (lAppendMode) row = std::max(1L, row - 1);
  Skip(nRowPos - row);
  if (nLen < nRowPos) nRowPos = nLen;
  if (lAppendMode && nLen == nRowPos && nRowPos < lastRow) {
    ++nRowPos;
    DrawLine(nRowPos);
  }
  if (!lFocused) core::Ask(oCtx, "Save");
  lPainted = true;
  return rt::Value(0);
}

void TGBrowse::DrawLine(long nRow) { DrawRow(nRow > 0 ? nRow : nRowPos, false); }

void TGBrowse::DrawSelect() {
  if (lNoLiteBar || (lNoGrayBar && !lFocused)) {
    DrawRow(nRowPos, false);
    return;
  }
  DrawRow(nRowPos, true);
  bOnDraw.Eval(Self());
}

void TGBrowse::DrawRow(long nRow, bool highlighted) {
  if (nLen <= 0 || nColCount() == 0 || !hWnd) return;
  const long rec = IsTable() ? InArea([] { return rt::Value(rt::RECNO()); }).AsInt() : nAt;
  bool selected = false;
  if (lCanSelect && aSelected.IsArray()) {
    for (const rt::Value& s : aSelected.Items()) selected = selected || s.AsInt() == rec;
  }
  const rt::Value self = Self();
  const bool arraySource = cAlias.AsString() == "ARRAY";
  const long width = nWidth();
  nColPos = std::max(nColPos, nFreeze + 1);
  std::vector<long> order;
  for (long i = 1; i <= std::min(nFreeze, nColCount()); ++i) order.push_back(i);
  for (long i = nColPos; i <= nColCount(); ++i) order.push_back(i);
  long x = 0;
  const auto lastColumn = Col(nColCount());
  for (std::size_t k = 0; k <= order.size(); ++k) {
    const bool filler = k == order.size();
    if (!filler && x > width) continue;
    const long n = filler ? nColCount() : order[k];
    const auto column = Col(n);
    CellRequest cell;
    cell.hWnd = hWnd;
    cell.hDC = hDC;
    cell.nRow = static_cast<int>(nRow);
    cell.nLeft = static_cast<int>(x);
    cell.nHeightCell = static_cast<int>(nHeightCell);
    cell.nLineStyle = static_cast<int>(nLineStyle);
    cell.nClrLine = Rgb(nClrLine.IsBlock() ? nClrLine.Eval() : nClrLine);
    cell.nKind = CellKind::Body;
    cell.nHeightHead = static_cast<int>(lDrawHeaders ? nHeightHead : 0);
    cell.nHeightFoot = static_cast<int>(lFooting && rt::IsTrue(lDrawFooters) ? nHeightFoot : 0);
    cell.nHeightSuper = static_cast<int>(lDrawHeaders ? nHeightSuper : 0);
    cell.nVertAlign = 1;
    cell.hFont = FontOf(column->oFont, FontHandle());
    const std::vector<rt::Value> args{rt::Value(nAt), rt::Value(n), self};
    if (filler) {
      cell.nWidth = static_cast<int>(nPhantom);
      const rt::Value back = nPhantom == -1 ? (lastColumn->nClrBack.IsNil() ? nClrPaneValue : lastColumn->nClrBack)
                                            : nClrPaneValue;
      ApplyColours(cell, Resolve(nClrTextValue, args), Resolve(back, args));
      cell.l3DLook = l3DLook;
      Painter()(cell);
      break;
    }
    const long size = ColSize(n);
    cell.nWidth = static_cast<int>(size);
    const bool lit = highlighted && !column->lNoLite;
    rt::Value value;
    if (!(arraySource && (lAppendMode || nAt > static_cast<long>(aArray.Len())))) value = column->bData.Eval();
    if (highlighted && n == 1 && !hBmpCursor.IsNil()) {
      value = hBmpCursor;
    }
    const bool bitmapColumn = rt::IsTrue(column->lBitMap) || (highlighted && n == 1 && !hBmpCursor.IsNil()) ||
                              (oTree.IsObject() && value.IsNumber());
    if (bitmapColumn && value.IsLogical()) {
      cell.nMode = static_cast<int>(value.AsLogical() ? CellMode::Checked : CellMode::Unchecked);
    } else if (bitmapColumn) {
      rt::Value handle = value;
      if (value.IsObject()) handle = bBitMapH.Eval(value);
      if (value.IsNumber() && aBitmaps.IsArray() && aBitmaps.Len() > 0 && !(highlighted && n == 1)) {
        // A number outside the list shows no bitmap; the cell is still drawn.
        const long i = value.AsInt();
        handle = i >= 1 && i <= static_cast<long>(aBitmaps.Len()) ? aBitmaps.At(static_cast<std::size_t>(i))
                                                                  : rt::Value();
        if (handle.IsObject()) handle = bBitMapH.Eval(handle);
      }
      cell.hBitmap = reinterpret_cast<HBITMAP>(svc::ToHandle(handle));
      cell.nBitmapKind = cell.hBitmap ? 1 : 0;
      cell.lAdjBmp = column->lAdjBmp && !oTree.IsObject();
    } else {
      cell.cText = column->cPicture.IsString() && !column->cPicture.AsString().empty()
                       ? rt::TRANSFORM(value, column->cPicture.AsString())
                       : rt::CVALTOCHAR(value);
      cell.lMultiLine = cell.cText.find('\r') != std::string::npos;
    }
    cell.nAlign = static_cast<int>(IntOf(column->nAlign));
    Colour fore, back;
    if (highlighted) {
      if (!lit) {
        fore = Resolve(column->nClrFore.IsNil() ? nClrTextValue : column->nClrFore, args);
        back = Resolve(column->nClrBack.IsNil() ? nClrPaneValue : column->nClrBack, args);
      } else if (lFocused) {
        fore = Resolve(column->nClrFocuFore.IsNil() ? nClrFocuFore : column->nClrFocuFore, args);
        back = Resolve(column->nClrFocuBack.IsNil() ? nClrFocuBack : column->nClrFocuBack, args);
      } else {
        fore = Resolve(column->nClrSeleFore.IsNil() ? nClrSeleFore : column->nClrSeleFore, args);
        back = Resolve(column->nClrSeleBack.IsNil() ? nClrSeleBack : column->nClrSeleBack, args);
      }
      if (cell.nBitmapKind == 0 && cell.nMode == 0) cell.lAdjBmp = lCellBrw ? n == nCell : true;
    } else {
      const rt::Value f = column->nClrFore.IsNil() || selected ? (selected ? nClrSeleFore : nClrTextValue)
                                                               : column->nClrFore;
      const rt::Value b = column->nClrBack.IsNil() || selected ? (selected ? nClrSeleBack : nClrPaneValue)
                                                               : column->nClrBack;
      fore = Resolve(f, args);
      back = Resolve(b, args);
    }
    ApplyColours(cell, fore, back);
    cell.l3DLook = column->l3DLook;
    cell.l3DTextCell = TextLook(column->l3DTextCell);
    cell.nClr3DLCell = Resolve(column->nClr3DLCell, args).colour;
    cell.nClr3DSCell = Resolve(column->nClr3DSCell, args).colour;
    Painter()(cell);
    x += size;
  }
}

void TGBrowse::DrawHeaders() {
  if (!hWnd) return;
  if (!aColSizes.IsArray() || static_cast<long>(aColSizes.Len()) < nColCount()) RebuildColSizes();
  if (nColCount() == 0) return;
  if (aSuperHead.IsArray() && aSuperHead.Len() > 0 && nHeightSuper > 0) DrawSuper();
  const bool headers = lDrawHeaders;
  const bool footers = lFooting && rt::IsTrue(lDrawFooters);
  if (!headers && !footers) return;
  const long width = nWidth();
  const long colPos = std::max(nColPos, nFreeze + 1);
  std::vector<long> order;
  for (long i = 1; i <= std::min(nFreeze, nColCount()); ++i) order.push_back(i);
  for (long i = colPos; i <= nColCount(); ++i) order.push_back(i);
  const auto last = Col(nColCount());
  const long rows = nRowCount();
  for (int band = 0; band < 2; ++band) {
    const bool head = band == 0;
    if ((head && !headers) || (!head && !footers)) continue;
    long x = 0;
    for (std::size_t k = 0; k <= order.size(); ++k) {
      const bool filler = k == order.size();
      if (!filler && x > width) continue;
      const long n = filler ? nColCount() : order[k];
      const auto column = Col(n);
      CellRequest cell;
      cell.hWnd = hWnd;
      cell.hDC = hDC;
      cell.nRow = head ? 0 : static_cast<int>(rows);
      cell.nLeft = static_cast<int>(x);
      cell.nHeightCell = static_cast<int>(head ? nHeightHead : nHeightFoot);
      cell.nLineStyle = 1;
      cell.nClrLine = Rgb(nClrLine.IsBlock() ? nClrLine.Eval() : nClrLine);
      cell.nKind = head ? CellKind::Header : CellKind::Footer;
      cell.nHeightHead = static_cast<int>(headers ? nHeightHead : 0);
      cell.nHeightFoot = static_cast<int>(footers ? nHeightFoot : 0);
      cell.nHeightSuper = static_cast<int>(headers ? nHeightSuper : 0);
      cell.nVertAlign = 1;
      const std::vector<rt::Value> none;
      const std::vector<rt::Value> textArgs{rt::Value(0), rt::Value(n)};
      if (filler) {
        cell.nWidth = static_cast<int>(nPhantom);
        const rt::Value foreValue = head ? (last->nClrHeadFore.IsNil() ? nClrHeadFore : last->nClrHeadFore)
                                         : (last->nClrFootFore.IsNil() ? nClrFootFore : last->nClrFootFore);
        rt::Value backValue = nClrPaneValue;
        if (nPhantom == -1) {
          backValue = head ? (last->nClrHeadBack.IsNil() ? nClrHeadBack : last->nClrHeadBack)
                           : (last->nClrFootBack.IsNil() ? nClrFootBack : last->nClrFootBack);
        }
        ApplyColours(cell, Resolve(foreValue, none), Resolve(backValue, none));
        cell.l3DLook = head ? last->l3DLookHead : last->l3DLookFoot;
        cell.hFont = FontHandle();
        Painter()(cell);
        break;
      }
      const long size = ColSize(n);
      cell.nWidth = static_cast<int>(size);
      const rt::Value text = head ? (column->cHeading.IsBlock() ? column->cHeading.Eval() : column->cHeading)
                                  : (column->cFooting.IsBlock() ? column->cFooting.Eval() : column->cFooting);
      const rt::Value fontValue = head ? column->oFontHead : column->oFontFoot;
      cell.hFont = FontOf(fontValue, FontHandle());
      cell.nAlign = static_cast<int>(IntOf(head ? column->nHAlign : column->nFAlign));
      cell.l3DLook = head ? column->l3DLookHead : column->l3DLookFoot;
      cell.l3DTextCell = TextLook(head ? column->l3DTextHead : column->l3DTextFoot);
      cell.nClr3DLCell = Resolve(head ? column->nClr3DLHead : column->nClr3DLFoot, textArgs).colour;
      cell.nClr3DSCell = Resolve(head ? column->nClr3DSHead : column->nClr3DSFoot, textArgs).colour;
      rt::Value fore, back;
      if (head && nColOrder == n) {
        fore = column->nClrOrdeFore.IsNil() ? nClrOrdeFore : column->nClrOrdeFore;
        back = column->nClrOrdeBack.IsNil() ? nClrOrdeBack : column->nClrOrdeBack;
      } else if (head) {
        fore = column->nClrHeadFore.IsNil() ? nClrHeadFore : column->nClrHeadFore;
        back = column->nClrHeadBack.IsNil() ? nClrHeadBack : column->nClrHeadBack;
      } else {
        fore = column->nClrFootFore.IsNil() ? nClrFootFore : column->nClrFootFore;
        back = column->nClrFootBack.IsNil() ? nClrFootBack : column->nClrFootBack;
      }
      ApplyColours(cell, Resolve(fore, none), Resolve(back, none));
      if (text.IsNumber() || text.IsObject()) {
        const rt::Value handle = text.IsObject() ? bBitMapH.Eval(text) : text;
        cell.hBitmap = reinterpret_cast<HBITMAP>(svc::ToHandle(handle));
        cell.nBitmapKind = 1;
        cell.lAdjBmp = head ? column->lAdjBmpHead : column->lAdjBmpFoot;
        Painter()(cell);
      } else {
        cell.cText = rt::CVALTOCHAR(text);
        cell.lMultiLine = cell.cText.find('\r') != std::string::npos;
        if (head && cell.lMultiLine) cell.nVertAlign = 0;
        if (head && cell.nAlign == 3) {
          // A vertical heading: a font turned by 90 degrees made from the
          // heading font, deleted after the call.
          LOGFONTA lf{};
          GetObjectA(cell.hFont ? cell.hFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), sizeof lf, &lf);
          lf.lfEscapement = 900;
          lf.lfOrientation = 900;
          OwnedGdi<HFONT> turned(CreateFontIndirectA(&lf), "FONT");
          cell.hFont = turned.get();
          cell.nAlign = 1;
          cell.nVertAlign = 2;
          cell.nMode = static_cast<int>(CellMode::RotatedHeader);
          Painter()(cell);
        } else {
          Painter()(cell);
        }
      }
      x += size;
    }
  }
}

void TGBrowse::DrawSuper() {
  if (!hWnd || nColCount() == 0 || !aSuperHead.IsArray() || aSuperHead.Len() == 0) return;
  // Entries clamped to the columns, gaps filled with blank entries.
  std::vector<rt::Value> entries;
  long next = 1;
  const rt::Value firstEntry = aSuperHead.At(1);
  for (const rt::Value& e : aSuperHead.Items()) {
    if (!e.IsArray() || e.Len() < 14) continue;
    const long from = std::clamp(e.At(1).AsInt(), next, nColCount());
    const long to = std::clamp(e.At(2).AsInt(), from, nColCount());
    if (from > next) {
      rt::Value blank = ArrayCopyOneLevel(firstEntry);
      blank.At(1) = rt::Value(next);
      blank.At(2) = rt::Value(from - 1);
      blank.At(3) = rt::Value("");
      blank.At(8) = rt::Value(false);
      blank.At(9) = rt::Value(false);
      blank.At(12) = rt::Value(1);
      blank.At(13) = rt::Value(1);
      blank.At(14) = rt::Value(false);
      entries.push_back(blank);
    }
    if (next > nColCount()) break;
    rt::Value copy = ArrayCopyOneLevel(e);
    copy.At(1) = rt::Value(from);
    copy.At(2) = rt::Value(to);
    entries.push_back(copy);
    next = to + 1;
  }
  if (entries.empty()) return;
  if (next <= nColCount()) {
    rt::Value blank = ArrayCopyOneLevel(entries.back());
    blank.At(1) = rt::Value(next);
    blank.At(2) = rt::Value(nColCount());
    blank.At(3) = rt::Value("");
    blank.At(8) = rt::Value(false);
    entries.push_back(blank);
  }
  const long start = nColPos == nFreeze + 1 ? nColPos - nFreeze : nColPos;
  long x = 0;
  const long width = nWidth();
  bool first = true;
  for (const rt::Value& e : entries) {
    const long from = e.At(1).AsInt(), to = e.At(2).AsInt();
    if (to < start && !(from <= nFreeze)) continue;
    long size = 0;
    if (first && from < start) {
      for (long i = 1; i <= std::min(nFreeze, to); ++i) size += ColSize(i);
      for (long i = std::max(start, nFreeze + 1); i <= to; ++i) size += ColSize(i);
    } else {
      for (long i = from; i <= to; ++i) size += ColSize(i);
    }
    first = false;
    if (size <= 0) continue;
    CellRequest cell;
    cell.hWnd = hWnd;
    cell.hDC = hDC;
    cell.nRow = 0;
    cell.nLeft = static_cast<int>(x);
    cell.nWidth = static_cast<int>(size);
    const rt::Value heading = e.At(3).IsBlock() ? e.At(3).Eval() : e.At(3);
    const bool isBitmap = rt::IsTrue(e.At(8));
    if (isBitmap) {
      cell.hBitmap = reinterpret_cast<HBITMAP>(svc::ToHandle(heading));
      cell.nBitmapKind = rt::IsTrue(e.At(14)) ? 1 : 2;
    } else {
      cell.cText = rt::CVALTOCHAR(heading);
      cell.lMultiLine = cell.cText.find('\r') != std::string::npos;
    }
    cell.nAlign = static_cast<int>(e.At(12).AsInt());
    ApplyColours(cell, Resolve(e.At(4), {}), Resolve(e.At(5), {}));
    cell.hFont = reinterpret_cast<HFONT>(svc::ToHandle(e.At(7)));
    cell.nHeightCell = static_cast<int>(nHeightHead);
    cell.l3DLook = rt::IsTrue(e.At(6));
    cell.nLineStyle = static_cast<int>(e.At(10).AsInt());
    cell.nClrLine = Rgb(e.At(11));
    cell.nKind = CellKind::SuperHeader;
    cell.nHeightHead = static_cast<int>(lDrawHeaders ? nHeightHead : 0);
    cell.nHeightFoot = static_cast<int>(lFooting && rt::IsTrue(lDrawFooters) ? nHeightFoot : 0);
    cell.nHeightSuper = static_cast<int>(lDrawHeaders ? nHeightSuper : 0);
    cell.lAdjBmp = rt::IsTrue(e.At(9));
    cell.nVertAlign = static_cast<int>(e.At(13).AsInt());
    if (const auto column = Col(from)) {
      const std::vector<rt::Value> textArgs{rt::Value(0), rt::Value(x)};
      cell.l3DTextCell = TextLook(column->l3DTextHead);
      cell.nClr3DLCell = Resolve(column->nClr3DLHead, textArgs).colour;
      cell.nClr3DSCell = Resolve(column->nClr3DSHead, textArgs).colour;
    }
    Painter()(cell);
    x += size;
    if (x > width) return;
  }
  CellRequest closing;
  closing.hWnd = hWnd;
  closing.hDC = hDC;
  closing.nLeft = static_cast<int>(x);
  closing.nWidth = static_cast<int>(nPhantom);
  const rt::Value lastEntry = entries.back();
  ApplyColours(closing, Resolve(lastEntry.At(4), {}),
               Resolve(nPhantom == -2 ? nClrPaneValue : lastEntry.At(5), {}));
  closing.nHeightCell = static_cast<int>(nHeightHead);
  closing.nLineStyle = static_cast<int>(lastEntry.At(10).AsInt());
  closing.nClrLine = Rgb(lastEntry.At(11));
  closing.nKind = CellKind::SuperHeader;
  closing.nHeightHead = static_cast<int>(lDrawHeaders ? nHeightHead : 0);
  closing.nHeightFoot = static_cast<int>(lFooting && rt::IsTrue(lDrawFooters) ? nHeightFoot : 0);
  closing.nHeightSuper = static_cast<int>(lDrawHeaders ? nHeightSuper : 0);
  closing.nVertAlign = 1;
  Painter()(closing);
}

}  // namespace grid
