#include "controls/menu_draw_item.h"

#include "graphics/bitmap.h"
#include "graphics/frames.h"
#include "services/int32.h"

namespace ctl {
namespace {

constexpr int kImageColumn = 17;
constexpr int kHighlightFrom = 19;
constexpr int kTextIndent = 21;
constexpr int kTextDrop = 2;
// The system's check-mark bitmap.
constexpr int kCheckBitmap = 32760;
// Paints the selected brush where the source is white, leaves the rest.
constexpr DWORD kPaintWhereSourceSet = 0xE20746;

void Fill(HDC dc, const RECT& r, int colourIndex) {
  HBRUSH brush = CreateSolidBrush(GetSysColor(colourIndex));
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void DrawImage(HDC dc, HBITMAP bitmap, const RECT& item, bool dithered) {
  if (dithered)
    gfx::DrawMaskedDithered(dc, bitmap, item.top + 1, item.left + 1);
  else
    gfx::DRAWMASKED(dc, bitmap, item.top + 1, item.left + 1);
}

void DrawPrompt(HDC dc, RECT r, const std::string& prompt) {
  r.top += kTextDrop;
  r.left += kTextIndent;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const UINT flags = DT_SINGLELINE | DT_NOCLIP;
  // The key name follows the first tab, however long the label is.
  const std::size_t tab = prompt.find('\t');
  if (tab == std::string::npos) {
    DrawTextA(dc, prompt.c_str(), static_cast<int>(prompt.size()), &r, DT_LEFT | flags);
  } else {
    DrawTextA(dc, prompt.c_str(), static_cast<int>(tab), &r, DT_LEFT | flags);
    RECT key = r;
    key.right -= kTextIndent;
    const std::string keyName = prompt.substr(tab + 1);
    DrawTextA(dc, keyName.c_str(), static_cast<int>(keyName.size()), &key, DT_RIGHT | flags);
  }
  SetBkMode(dc, oldMode);
}

void PaintThrough(HDC dc, const RECT& r, int dx, HDC mask, int colourIndex) {
  HBRUSH brush = CreateSolidBrush(GetSysColor(colourIndex));
  HGDIOBJ old = SelectObject(dc, brush);
  BitBlt(dc, r.left + dx, r.top + dx, r.right - r.left, r.bottom - r.top, mask, 0, 0, kPaintWhereSourceSet);
  SelectObject(dc, old);
  DeleteObject(brush);
}

// The embossed disabled look over the menu colour: every other pixel
// becomes a shadow with a highlight echo one pixel right and down.
void Emboss(HDC dc, const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  HDC mask = CreateCompatibleDC(dc);
  HBITMAP bits = CreateBitmap(w, h, 1, 1, nullptr);
  HGDIOBJ oldBits = SelectObject(mask, bits);
  const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_MENU));
  BitBlt(mask, 0, 0, w, h, dc, r.left, r.top, SRCCOPY);  // menu colour turns white
  PatBlt(mask, 0, 0, w, h, DSTINVERT);                   // now white marks the drawing
  Fill(dc, r, COLOR_MENU);
  SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  PaintThrough(dc, r, 1, mask, COLOR_BTNHIGHLIGHT);
  PaintThrough(dc, r, 0, mask, COLOR_BTNSHADOW);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  SelectObject(mask, oldBits);
  DeleteObject(bits);
  DeleteDC(mask);
}

}  // namespace

rt::Value MENUDRAWITEM(LPARAM nDrawItem, const std::string& cPrompt, bool, HBITMAP hBitmap) {
  const auto* item = svc::HandleOf<const DRAWITEMSTRUCT*>(nDrawItem);
  if (!item) return {};
  if (item->itemAction == ODA_FOCUS) return rt::Value(false);
  if (item->itemAction != ODA_DRAWENTIRE && item->itemAction != ODA_SELECT) return {};
  HDC dc = item->hDC;
  const RECT rect = item->rcItem;
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  const bool grayed = (item->itemState & ODS_GRAYED) != 0;
  const bool checked = (item->itemState & ODS_CHECKED) != 0;

  Fill(dc, rect, COLOR_MENU);
  if (selected && !grayed) {
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    RECT bar = rect;
    bar.left += kHighlightFrom;
    Fill(dc, bar, COLOR_HIGHLIGHT);
  } else {
    SetBkColor(dc, GetSysColor(COLOR_MENU));
    SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
    Fill(dc, rect, COLOR_MENU);
  }

  const RECT imageBox{rect.left, rect.top, rect.left + kImageColumn, rect.bottom - 1};
  if (selected && !grayed && !checked) {
    if (hBitmap) {
      gfx::DrawFrame(dc, imageBox, gfx::FrameKind::Raised);
    } else {
      const RECT wide{imageBox.left, imageBox.top, imageBox.right + 2, imageBox.bottom + 1};
      Fill(dc, wide, COLOR_HIGHLIGHT);
    }
  }
  if (checked) {
    HBITMAP check = LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckBitmap));
    if (check) {
      DrawImage(dc, check, rect, !selected);
      DeleteObject(check);
    }
    gfx::DrawFrame(dc, imageBox, gfx::FrameKind::Sunken);
  }
  if (hBitmap) DrawImage(dc, hBitmap, rect, checked && !selected);

  DrawPrompt(dc, rect, cPrompt);
  if (grayed) Emboss(dc, rect);
  return rt::Value(true);
}

}  // namespace ctl
