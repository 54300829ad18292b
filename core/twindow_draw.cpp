// Drawing on a window outside its paint, and its editing requests.
#include <cstdint>

#include "core/send_soft.h"
#include "core/twindow.h"
#include "core/window_paint.h"
#include "graphics/colour.h"
#include "graphics/frames.h"
#include "graphics/palette_bitmap.h"
#include "graphics/primitives.h"
#include "runtime/value_text.h"
#include "services/int32.h"

namespace core {

namespace {

struct Colours {
  COLORREF fore, back;
};

Colours ColoursOf(const TWindow& w, const rt::Value& fore, const rt::Value& back) {
  if (fore.IsString()) {
    return {static_cast<COLORREF>(gfx::NGETFORERGB(fore)), static_cast<COLORREF>(gfx::NGETBACKRGB(fore))};
  }
  return {static_cast<COLORREF>(fore.IsNil() ? w.nClrText : svc::ToInt32(fore)),
          static_cast<COLORREF>(back.IsNil() ? w.nClrPane : svc::ToInt32(back))};
}

std::string TextOf(const rt::Value& v) { return v.IsString() ? v.AsString() : rt::CVALTOCHAR(v); }

// A device context of the window for one drawing call.
class DrawingDC {
 public:
  explicit DrawingDC(TWindow& w) : w_(w), dc_(w.GetDC()) {}
  ~DrawingDC() { w_.ReleaseDC(); }
  DrawingDC(const DrawingDC&) = delete;
  DrawingDC& operator=(const DrawingDC&) = delete;
  HDC get() const { return dc_; }

 private:
  TWindow& w_;
  HDC dc_;
};

rt::Value Hook(TWindow& w, const rt::Value& hook) { return hook.IsBlock() ? hook.Eval(w.Self()) : rt::Value(); }

}  // namespace

void TWindow::Say(int nRow, int nCol, const rt::Value& cText, const rt::Value& nClrFore, const rt::Value& nClrBack,
                  const std::shared_ptr<gfx::TFont>& font, bool lPixel, bool lTransparent, const rt::Value& nAlign) {
  const Colours c = ColoursOf(*this, nClrFore, nClrBack);
  const HFONT hFont = font ? font->hFont : oFont ? oFont->hFont : nullptr;
  DrawingDC dc(*this);
  std::optional<UINT> align;
  if (nAlign.IsNumber()) align = static_cast<UINT>(svc::ToInt32(nAlign));
  WSAY(hWnd, dc.get(), nRow, nCol, TextOf(cText), c.fore, c.back, hFont, lPixel, lTransparent, align);
}

void TWindow::SayRect(int nRow, int nCol, const rt::Value& cText, int nBottomRow, int nRightCol,
                      const rt::Value& nClrFore, const rt::Value& nClrBack) {
  const Colours c = ColoursOf(*this, nClrFore, nClrBack);
  DrawingDC dc(*this);
  WSAYRECT(hWnd, dc.get(), nRow, nCol, TextOf(cText), c.fore, c.back, oFont ? oFont->hFont : nullptr, nBottomRow,
           nRightCol);
}

void TWindow::SayBitmap(int nRow, int nCol, const rt::Value& xBitmap, int nWidth, int nHeight) {
  rt::Value bitmap, palette;
  const bool loaded = !xBitmap.IsObject();
  if (loaded) {
    const rt::Value pair = gfx::PALBMPLOAD(xBitmap);
    bitmap = pair.At(1);
    palette = pair.At(2);
  } else {
    bitmap = Ask(xBitmap, "hBitmap");
    palette = Ask(xBitmap, "hPalette");
  }
  const auto hBitmap = reinterpret_cast<HBITMAP>(svc::ToHandle(bitmap));
  const auto hPalette = reinterpret_cast<HPALETTE>(svc::ToHandle(palette));
  if (hBitmap) {
    DrawingDC dc(*this);
    gfx::PALBMPDRAW(dc.get(), nRow, nCol, hBitmap, hPalette, nWidth, nHeight, 0, true, nClrPane);
  }
  if (loaded) {
    if (hBitmap) DeleteObject(hBitmap);
    if (hPalette) DeleteObject(hPalette);
  }
}

void TWindow::Line(int top, int left, int bottom, int right) {
  DrawingDC dc(*this);
  gfx::MOVETO(dc.get(), left, top);
  gfx::LINETO(dc.get(), right, bottom);
}

void TWindow::Box(int top, int left, int bottom, int right) {
  DrawingDC dc(*this);
  gfx::WNDBOX(dc.get(), top, left, bottom, right);
}

void TWindow::Circle(int nRow, int nCol, int nWidth) {
  DrawingDC dc(*this);
  gfx::ELLIPSE(dc.get(), nCol, nRow, nCol + nWidth, nRow + nWidth);
}

void TWindow::SetPixel(int nRow, int nCol, long nColor) {
  DrawingDC dc(*this);
  gfx::SETPIXEL(dc.get(), nCol, nRow, nColor);
}

void TWindow::FloodFill(int nRow, int nCol, long nBorder, const rt::Value& nFill) {
  DrawingDC dc(*this);
  std::optional<long> fill;
  if (!nFill.IsNil()) fill = svc::ToInt32(nFill);
  gfx::FLOODFILL(dc.get(), nCol, nRow, nBorder, fill);
}

rt::Value TWindow::Copy() { return Hook(*this, bCopy); }
rt::Value TWindow::Cut() { return Hook(*this, bCut); }
rt::Value TWindow::Delete() { return Hook(*this, bDelete); }
rt::Value TWindow::Find() { return Hook(*this, bFind); }
rt::Value TWindow::FindNext() { return Hook(*this, bFindNext); }
rt::Value TWindow::Paste() { return Hook(*this, bPaste); }
rt::Value TWindow::ReDo() { return Hook(*this, bReDo); }
rt::Value TWindow::Replace() { return Hook(*this, bReplace); }
rt::Value TWindow::SelectAll() { return Hook(*this, bSelectAll); }
rt::Value TWindow::UnDo() { return Hook(*this, bUnDo); }
rt::Value TWindow::Properties() { return Hook(*this, bProperties); }
rt::Value TWindow::Zip(const rt::Value& uArg) { return bZip.IsBlock() ? bZip.Eval(uArg) : rt::Value(); }
rt::Value TWindow::UnZip(const rt::Value& uArg) { return bUnZip.IsBlock() ? bUnZip.Eval(uArg) : rt::Value(); }

}  // namespace core
