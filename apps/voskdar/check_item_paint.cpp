#include "apps/voskdar/check_item_paint.h"

#include <algorithm>
#include <array>

#include "graphics/bitmap.h"
#include "graphics/gdi_scope.h"
#include "grid/dark_color.h"
#include "grid/owned_gdi.h"

namespace voskdar {
namespace {

using grid::OwnedBrush;
using grid::OwnedPen;
using grid::SolidBrush;
using grid::SolidPen;

COLORREF Darker(COLORREF colour, long amount) { return static_cast<COLORREF>(grid::DARKCOLOR(colour, amount)); }

void Polyline(HDC hDC, std::initializer_list<POINT> points, HPEN pen) {
  gfx::Selection usePen(hDC, pen);
  ::Polyline(hDC, points.begin(), static_cast<int>(points.size()));
}

void Polygon(HDC hDC, std::initializer_list<POINT> points, HPEN pen, HBRUSH brush) {
  gfx::Selection usePen(hDC, pen);
  gfx::Selection useBrush(hDC, brush);
  ::Polygon(hDC, points.begin(), static_cast<int>(points.size()));
}

// The diamond inset by n pixels: top, right, bottom, left corners.
std::array<POINT, 4> Diamond(int x, int y, int n) {
  return {POINT{x + 6, y + n}, POINT{x + 12 - n, y + 6}, POINT{x + 6, y + 12 - n}, POINT{x + n, y + 6}};
}

struct Tools {
  explicit Tools(const RadioItem& r)
      : penA(SolidPen(Darker(r.nClrPane, 48))),
        penB(SolidPen(Darker(r.nClrPane, -48))),
        markPen(SolidPen(r.lDisabled ? GetSysColor(COLOR_BTNSHADOW) : RGB(0, 0, 0))),
        markBrush(SolidBrush(r.lDisabled ? GetSysColor(COLOR_BTNSHADOW) : RGB(0, 0, 0))),
        faceBrush(SolidBrush(r.lDisabled ? GetSysColor(COLOR_BTNFACE) : r.nClrPane)) {}
  OwnedPen penA, penB, markPen;
  OwnedBrush markBrush, faceBrush;
  HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
};

void DrawDiamond(HDC hDC, const RadioItem& r, const Tools& t, bool pressed) {
  const int x = r.nLeft;
  const int y = r.nTop;
  const HBRUSH fill = pressed ? t.hollow : t.faceBrush.get();
  const auto outer = Diamond(x, y, 0);
  Polygon(hDC, {outer[0], outer[1], outer[2], outer[3]}, t.penA.get(), fill);
  if (r.nStyle == kStyleGross) {
    const auto inner = Diamond(x, y, 1);
    Polygon(hDC, {inner[0], inner[1], inner[2], inner[3]}, t.penA.get(), t.hollow);
  }
  // The upper edges catch the light.
  Polyline(hDC, {outer[3], outer[0], outer[1]}, t.penB.get());
  if (r.lTicked) {
    const auto mark = Diamond(x, y, 4);
    Polygon(hDC, {mark[0], mark[1], mark[2], mark[3]}, t.markPen.get(), t.markBrush.get());
  }
}

void DrawPointer(HDC hDC, const RadioItem& r, const Tools& t, HPEN pen) {
  if (r.hBitmap) {
    gfx::DRAWBITMAP(hDC, r.hBitmap, r.nTop, r.nLeft);
    return;
  }
  const int x = r.nLeft;
  const int y = r.nTop;
  Polygon(hDC, {{x + 4, y + 2}, {x + 9, y + 7}, {x + 4, y + 12}, {x + 4, y + 9}, {x, y + 9}, {x, y + 5}, {x + 4, y + 5}},
          pen, t.faceBrush.get());
}

void DrawSquare(HDC hDC, const RadioItem& r, const Tools& t, bool pressed) {
  const int x = r.nLeft;
  const int y = r.nTop;
  {
    gfx::Selection usePen(hDC, pressed ? t.markPen.get() : t.penA.get());
    gfx::Selection useBrush(hDC, pressed ? t.hollow : t.faceBrush.get());
    Rectangle(hDC, x, y, x + 13, y + 13);
  }
  if (!pressed) Polyline(hDC, {{x + 12, y}, {x, y}, {x, y + 12}}, t.penB.get());
  if (r.lTicked) {
    Polyline(hDC, {{x + 9, y + 3}, {x + 2, y + 10}, {x + 2, y + 6}, {x + 3, y + 5}, {x + 3, y + 10}, {x + 10, y + 3}},
             t.markPen.get());
  }
}

void DrawShape(HDC hDC, const RadioItem& r, const Tools& t) {
  const bool hidden = r.lDisabled && !r.lTicked;
  switch (r.nStyle) {
    case kStylePointer:
      if (r.lTicked) DrawPointer(hDC, r, t, t.markPen.get());
      break;
    case kStyleCheck:
      if (!hidden) DrawSquare(hDC, r, t, false);
      break;
    case kStyleCircle:
      if (!hidden && r.hBitmap) gfx::DRAWBITMAP(hDC, r.hBitmap, r.nTop, r.nLeft);
      break;
    case kStyleThin:
    case kStyleGross:
      if (!hidden) DrawDiamond(hDC, r, t, false);
      break;
    case kStylePressedDiamond: DrawDiamond(hDC, r, t, true); break;
    case kStylePressedPointer: DrawPointer(hDC, r, t, t.penB.get()); break;
    case kStylePressedCheck: DrawSquare(hDC, r, t, true); break;
    default: break;
  }
}

}  // namespace

void DRAWRADIO(const RadioItem& r) {
  const HDC hDC = r.hDC;
  if (!hDC) return;
  gfx::Selection font(hDC, r.hFont);
  const Tools tools(r);
  gfx::Selection face(hDC, tools.faceBrush.get());

  TEXTMETRICA tm{};
  GetTextMetricsA(hDC, &tm);
  SIZE extent{};
  GetTextExtentPoint32A(hDC, r.cText.data(), static_cast<int>(r.cText.size()), &extent);
  RECT text{r.nLeft, r.nTop, r.nLeft + extent.cx - tm.tmOverhang, r.nTop + std::max<int>(tm.tmHeight, r.nBmpHeight)};

  DrawShape(hDC, r, tools);

  if (r.nStyle >= kStyleThin && r.nStyle <= kStyleCircle) {
    OffsetRect(&text, std::max(16, r.nBmpWidth + 2), 1);
    const int oldMode = SetBkMode(hDC, TRANSPARENT);
    const COLORREF oldColour = GetTextColor(hDC);
    const int length = static_cast<int>(r.cText.size());
    // The rectangle places the text; it does not clip it, so that a font
    // whose drawn text runs wider than its measured extent keeps its last letter.
    const UINT flags = DT_SINGLELINE | DT_NOCLIP;
    if (r.l3D) {
      RECT moved = text;
      OffsetRect(&moved, -1, -1);
      SetTextColor(hDC, *r.l3D ? r.nClrLight : r.nClrDark);
      DrawTextA(hDC, r.cText.data(), length, &moved, flags);
      moved = text;
      OffsetRect(&moved, 1, 1);
      SetTextColor(hDC, *r.l3D ? r.nClrDark : r.nClrLight);
      DrawTextA(hDC, r.cText.data(), length, &moved, flags);
    }
    SetTextColor(hDC, r.nClrText);
    DrawTextA(hDC, r.cText.data(), length, &text, flags);
    SetTextColor(hDC, oldColour);
    SetBkMode(hDC, oldMode);
  }

  if (r.lFocused && ((!r.lDisabled && r.lTicked) || r.lCheckStyle)) {
    RECT mark = text;
    InflateRect(&mark, 1, 1);
    DrawFocusRect(hDC, &mark);
    if (r.lCheckStyle && r.lTwice) DrawFocusRect(hDC, &mark);
  }
}

int BoxTypeNumber(const std::string& cBoxType) {
  static const char* const names[] = {"WBOX", "GBOX", "BBOX", "WRBOX", "GRBOX", "BRBOX"};
  for (int i = 0; i < 6; ++i) {
    if (cBoxType == names[i]) return i + 1;
  }
  return 0;
}

void DRAWBOXES(HDC hDC, HWND hWnd, int nType, const std::string& cLabel, HFONT hFont, int nAlign,
               std::optional<COLORREF> nClrLight, std::optional<COLORREF> nClrDark, std::optional<COLORREF> nClrLabel) {
  if (!hDC || nType < 1 || nType > 6) return;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF light = nClrLight.value_or(Darker(face, -48));
  const COLORREF dark = nClrDark.value_or(Darker(face, 48));
  RECT client{};
  GetClientRect(hWnd, &client);
  gfx::Selection font(hDC, hFont);
  TEXTMETRICA tm{};
  GetTextMetricsA(hDC, &tm);
  const int frameTop = cLabel.empty() ? 0 : tm.tmHeight / 2;

  const int saved = SaveDC(hDC);
  RECT label{};
  if (!cLabel.empty()) {
    SIZE extent{};
    GetTextExtentPoint32A(hDC, cLabel.data(), static_cast<int>(cLabel.size()), &extent);
    int x = client.left + 8;
    if (nAlign == 1) x = (client.right - extent.cx) / 2;
    if (nAlign == 2) x = client.right - 8 - extent.cx;
    label = {x - 2, 0, x + extent.cx + 2, tm.tmHeight};
    // The frame passes behind the label, not through it.
    ExcludeClipRect(hDC, label.left, label.top, label.right, label.bottom);
  }
  const bool rounded = nType >= 4;
  const int kind = (nType - 1) % 3;  // 0 line, 1 groove, 2 ridge
  OwnedPen darkPen = SolidPen(dark);
  OwnedPen lightPen = SolidPen(light);
  const auto frame = [&](HPEN pen, int inset) {
    gfx::Selection usePen(hDC, pen);
    gfx::Selection hollow(hDC, GetStockObject(HOLLOW_BRUSH));
    const int right = client.right - 1 + inset;
    const int bottom = client.bottom - 1 + inset;
    if (rounded) {
      RoundRect(hDC, client.left + inset, frameTop + inset, right, bottom, 8, 8);
    } else {
      Rectangle(hDC, client.left + inset, frameTop + inset, right, bottom);
    }
  };
  if (kind == 0) {
    frame(darkPen.get(), 0);
  } else {
    frame(kind == 1 ? darkPen.get() : lightPen.get(), 0);
    frame(kind == 1 ? lightPen.get() : darkPen.get(), 1);
  }
  RestoreDC(hDC, saved);
  if (!cLabel.empty()) {
    const int oldMode = SetBkMode(hDC, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(hDC, nClrLabel.value_or(GetSysColor(COLOR_BTNTEXT)));
    RECT at = label;
    at.left += 2;
    DrawTextA(hDC, cLabel.data(), static_cast<int>(cLabel.size()), &at, DT_SINGLELINE);
    SetTextColor(hDC, oldColour);
    SetBkMode(hDC, oldMode);
  }
}

}  // namespace voskdar
