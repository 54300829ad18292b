#include "grid/cell_painter.h"

#include "graphics/bitmap.h"
#include "graphics/gdi_scope.h"
#include "grid/cell_parts.h"
#include "grid/owned_gdi.h"
#include "services/int32.h"

namespace grid {
namespace {

// The painter's parameters count from 1, as the callers number them.
const rt::Value& Param(rt::Args args, std::size_t oneBased) { return rt::Arg(args, oneBased - 1); }

int IntArg(rt::Args args, std::size_t n) { return svc::ToInt32(Param(args, n)); }
COLORREF ColourArg(rt::Args args, std::size_t n) { return static_cast<COLORREF>(IntArg(args, n)) & 0xFFFFFF; }
template <class H>
H HandleArg(rt::Args args, std::size_t n) {
  return svc::HandleOf<H>(svc::ToHandle(Param(args, n)));
}

bool IsTitle3D(const CellRequest& c) {
  return c.l3DLook && (c.nKind == CellKind::SuperHeader || (c.nKind == CellKind::Header && c.nHeightSuper == 0));
}

// Top of the cell, by its kind: a footer stands at the bottom edge
// whichever row it was passed with.
int CellTop(const CellRequest& c, int clientHeight) {
  if (c.nKind == CellKind::Footer) return clientHeight - c.nHeightFoot;
  if (c.nRow == 0) return c.nKind == CellKind::Header ? c.nHeightSuper - 1 : 0;
  return c.nHeightHead + c.nHeightSuper + (c.nRow - 1) * c.nHeightCell - 1;
}

int BandHeight(const CellRequest& c) {
  if (c.nKind == CellKind::Header) return c.nHeightHead;
  if (c.nKind == CellKind::SuperHeader) return c.nHeightSuper;
  return c.nHeightCell;
}

void DrawBitmapCell(HDC hDC, const CellRequest& c, const RECT& rect, COLORREF entryBack) {
  const int bmpWidth = gfx::NBMPWIDTH(c.hBitmap);
  const int bmpHeight = gfx::NBMPHEIGHT(c.hBitmap);
  if (bmpWidth <= 0 || bmpHeight <= 0) return;
  int x = rect.left;
  int y = rect.top;
  if (c.lAdjBmp) {
    if (c.l3DLook) {
      gfx::DRAWBITMAP(hDC, c.hBitmap, rect.top + 1, rect.left - 1, rect.right - rect.left + 1,
                      rect.bottom - rect.top - 1);
    } else {
      gfx::DRAWBITMAP(hDC, c.hBitmap, rect.top, rect.left - 2, rect.right - rect.left + 3, rect.bottom - rect.top - 1);
    }
  } else {
    y = rect.top + (rect.bottom - rect.top + 1) / 2 - bmpHeight / 2 - 1;
    if (c.nAlign == 1) x = rect.left + (rect.right - rect.left + 1) / 2 - bmpWidth / 2 - 1;
    if (c.nAlign == 2) x = rect.right - bmpWidth - 1;
    gfx::DRAWBITMAP(hDC, c.hBitmap, y, x);
  }
  if (c.nBitmapKind != 1) return;
  const COLORREF corner = GetPixel(hDC, x + 1, y + 1);
  if (corner != CLR_INVALID && corner != entryBack) ReplaceColour(hDC, rect, corner, GetBkColor(hDC));
}

void DrawTextCell(HDC hDC, const CellRequest& c, RECT rect) {
  const bool header = c.nKind == CellKind::Header;
  if (c.nAlign == 0) rect.left += 2;
  if (!header && c.nLineStyle == 5) rect.bottom -= 1;
  if (c.nMode == static_cast<int>(CellMode::RotatedHeader)) {
    rect.right += 4 * static_cast<int>(c.cText.size());
    rect.bottom += 8;
  }
  if (c.nMode == static_cast<int>(CellMode::Checked) || c.nMode == static_cast<int>(CellMode::Unchecked)) {
    OwnedPen light = SolidPen(GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawCheckBox(hDC, rect, light.get(), c.nAlign, c.nMode == static_cast<int>(CellMode::Checked));
    return;
  }
  UINT flags = DT_NOPREFIX | static_cast<UINT>(c.nAlign & 3);
  if (!(c.lMultiLine && c.nVertAlign < 2)) flags |= DT_SINGLELINE;
  if (c.nVertAlign == 2) flags |= DT_BOTTOM;
  if (c.nVertAlign == 1 || c.nVertAlign > 2 || c.nVertAlign < 0) flags |= DT_VCENTER;
  const int oldMode = SetBkMode(hDC, TRANSPARENT);
  const int length = static_cast<int>(c.cText.size());
  if (c.l3DTextCell) {
    const COLORREF first = *c.l3DTextCell ? c.nClr3DLCell : c.nClr3DSCell;
    const COLORREF second = *c.l3DTextCell ? c.nClr3DSCell : c.nClr3DLCell;
    RECT moved = rect;
    OffsetRect(&moved, -1, -1);
    SetTextColor(hDC, first);
    DrawTextA(hDC, c.cText.data(), length, &moved, flags);
    moved = rect;
    OffsetRect(&moved, 1, 1);
    SetTextColor(hDC, second);
    DrawTextA(hDC, c.cText.data(), length, &moved, flags);
    SetTextColor(hDC, c.nClrFore);
  }
  DrawTextA(hDC, c.cText.data(), length, &rect, flags);
  SetBkMode(hDC, oldMode);
}

}  // namespace

void DrawCell(const CellRequest& c) {
  // Without a DC and a window there is nothing to paint on; the screen's DC
  // is never the target.
  if (!c.hDC && !IsWindow(c.hWnd)) return;
  OwnedPen linePen = SolidPen(c.nClrLine);
  OwnedPen lightPen = SolidPen(GetSysColor(COLOR_BTNHIGHLIGHT));
  gfx::BorrowedDc dc(c.hWnd, c.hDC);
  const HDC hDC = dc.get();
  if (!hDC) return;
  const COLORREF entryBack = GetBkColor(hDC);
  gfx::Selection font(hDC, c.hFont);
  RECT client{};
  GetClientRect(c.hWnd, &client);
  const COLORREF oldText = SetTextColor(hDC, c.nClrFore);
  SetBkColor(hDC, c.nClrBack);

  const bool header = c.nKind == CellKind::Header;
  const bool title3D = IsTitle3D(c);
  RECT rect{};
  rect.top = CellTop(c, client.bottom);
  const bool fits = rect.top + c.nHeightCell <= client.bottom && c.nLeft <= client.right;
  if (fits) {
    rect.bottom = rect.top + BandHeight(c);
    rect.left = c.nLeft;
    rect.right = c.nWidth >= 0 && c.nLeft + c.nWidth <= client.right ? c.nLeft + c.nWidth : client.right;

    rect.right += title3D ? 1 : 2;
    if (!header && (c.nLineStyle == 0 || c.nLineStyle == 2 || c.nLineStyle == 5)) rect.bottom += 1;
    if (c.lGradient) {
      FillGradient(hDC, rect, c.nClrBack, c.nClrGradEnd);
    } else if (c.hBrush) {
      FillRect(hDC, &rect, c.hBrush);
    } else {
      ExtTextOutA(hDC, rect.left, rect.top, ETO_OPAQUE | ETO_CLIPPED, &rect, "", 0, nullptr);
    }

    rect.left += 2;
    rect.right -= title3D ? 3 : 4;
    if (!header && c.nLineStyle == 5) rect.bottom -= 1;

    if (c.nBitmapKind != 0) {
      DrawBitmapCell(hDC, c, rect, entryBack);
    } else {
      DrawTextCell(hDC, c, rect);
    }

    if (c.nWidth != -2 && c.nLineStyle > 0) {
      RECT frame = rect;
      if (c.l3DLook) {
        frame.left -= 2;
        frame.right += 1;
        frame.bottom -= c.nKind == CellKind::SuperHeader ? 2 : 1;
        const bool title = header || c.nKind == CellKind::SuperHeader;
        DrawCellLines(hDC, frame, lightPen.get(), linePen.get(), c.nLineStyle, title);
      } else {
        frame.top -= 1;
        frame.left -= 3;
        frame.right += 1;
        frame.bottom -= 1;
        DrawCellLines(hDC, frame, linePen.get(), linePen.get(), c.nLineStyle, c.nKind != CellKind::Body);
      }
    }
  }
  SetTextColor(hDC, oldText);
  SetBkColor(hDC, entryBack);
}

CellRequest CellRequestOf(rt::Args args) {
  CellRequest c;
  c.hWnd = HandleArg<HWND>(args, 1);
  c.hDC = HandleArg<HDC>(args, 2);
  c.nRow = IntArg(args, 3);
  c.nLeft = IntArg(args, 4);
  c.nWidth = IntArg(args, 5);
  c.nBitmapKind = IntArg(args, 11);
  if (c.nBitmapKind != 0) {
    c.hBitmap = HandleArg<HBITMAP>(args, 6);
  } else {
    c.cText = Param(args, 6).AsString();
  }
  c.nAlign = IntArg(args, 7);
  c.nClrFore = ColourArg(args, 8);
  c.nClrBack = ColourArg(args, 9);
  c.hFont = HandleArg<HFONT>(args, 10);
  c.nHeightCell = IntArg(args, 12);
  c.l3DLook = Param(args, 13).AsLogical();
  c.nLineStyle = IntArg(args, 14);
  c.nClrLine = ColourArg(args, 15);
  const int kind = IntArg(args, 16);
  c.nKind = kind >= 0 && kind <= 3 ? static_cast<CellKind>(kind) : CellKind::Body;
  c.nHeightHead = IntArg(args, 17);
  c.nHeightFoot = IntArg(args, 18);
  c.nHeightSuper = IntArg(args, 19);
  c.lAdjBmp = Param(args, 20).AsLogical();
  c.lMultiLine = Param(args, 21).AsLogical();
  c.nVertAlign = IntArg(args, 22);
  c.nMode = IntArg(args, 23);
  c.nClrGradEnd = ColourArg(args, 24);
  c.lGradient = Param(args, 25).AsLogical();
  c.hBrush = HandleArg<HBRUSH>(args, 26);
  if (Param(args, 27).IsLogical()) c.l3DTextCell = Param(args, 27).AsLogical();
  c.nClr3DLCell = ColourArg(args, 28);
  c.nClr3DSCell = ColourArg(args, 29);
  return c;
}

void TGDRAWCELL(rt::Args args) { DrawCell(CellRequestOf(args)); }

}  // namespace grid
