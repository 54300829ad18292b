// The grid's icon view: one icon per row in cells of 50 pixels, each with
// its text below, from the current row on.
#include <windows.h>

#include <algorithm>

#include "core/send_soft.h"
#include "graphics/icons.h"
#include "graphics/tfont.h"
#include "grid/tgbrowse.h"
#include "runtime/table_fns.h"
#include "runtime/value_text.h"
#include "services/int32.h"
#include "services/win_version.h"

namespace grid {

namespace {

constexpr int kIconCell = 50;
constexpr int kIconMargin = 10;
constexpr int kIconSize = 32;
constexpr int kIconTextBox = 48;

// The background the icons stand on: the pane colour when it is a plain
// colour, else the window colour.
COLORREF PaneOf(const rt::Value& pane) {
  return pane.IsNumber() ? static_cast<COLORREF>(svc::ToInt32(pane)) : GetSysColor(COLOR_WINDOW);
}

}  // namespace

long TGBrowse::IconsPerLine() const {
  // A new line starts when the next icon's x reaches the width less 32.
  long n = 1;
  while (kIconMargin + n * kIconCell < nWidth() - kIconSize) ++n;
  return n;
}

HICON TGBrowse::IconOfRow() {
  if (aIcons.IsArray() && aIcons.Len() > 0 && bIconDraw.IsBlock()) {
    const rt::Value at = bIconDraw.Eval(Self());
    const long i = at.IsNumber() ? at.AsInt() : 0;
    // A position outside the list shows the default icon.
    if (i >= 1 && i <= static_cast<long>(aIcons.Len())) {
      const rt::Value icon = aIcons.At(static_cast<std::size_t>(i));
      const rt::Value handle = icon.IsObject() ? core::Ask(icon, "hIcon") : icon;
      if (const auto h = svc::HandleOf<HICON>(svc::ToHandle(handle))) return h;
    }
  }
  return gfx::DEFAULTICON();
}

void TGBrowse::DrawIcons() {
  if (!hDC) return;
  const std::string face = svc::GETSYSFONT();
  auto font = std::make_shared<gfx::TFont>()->New(face, 0, face == "Tahoma" ? -11 : -8);
  const HGDIOBJ oldFont = SelectObject(hDC, font->hFont);
  const COLORREF oldText = SetTextColor(hDC, RGB(255, 255, 255));
  const COLORREF oldBack = SetBkColor(hDC, 0x800000);
  const int oldMode = SetBkMode(hDC, OPAQUE);
  RECT client{};
  GetClientRect(hWnd, &client);
  const HBRUSH pane = CreateSolidBrush(PaneOf(nClrPaneValue));
  FillRect(hDC, &client, pane);
  DeleteObject(pane);
  const long width = nWidth();
  const long most = (width / kIconCell) * (nHeight() / kIconCell);
  long drawn = 0, moved = 0;
  long x = kIconMargin, y = kIconMargin;
  while (drawn < most) {
    gfx::DRAWICON(hDC, static_cast<int>(y), static_cast<int>(x), IconOfRow());
    const rt::Value label = bIconText.IsBlock() ? bIconText.Eval(Self()) : rt::Value();
    const std::string text = bIconText.IsBlock() ? rt::CVALTOCHAR(label) : std::to_string(RowNumber());
    RECT box{static_cast<LONG>(x - (kIconTextBox - kIconSize) / 2), static_cast<LONG>(y + kIconSize + 1),
             static_cast<LONG>(x - (kIconTextBox - kIconSize) / 2 + kIconTextBox),
             static_cast<LONG>(y + kIconCell - 1)};
    DrawTextA(hDC, text.c_str(), static_cast<int>(text.size()), &box, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    ++drawn;
    if (drawn >= most || Skip(1) != 1) break;
    ++moved;
    x += kIconCell;
    if (x >= width - kIconSize) {
      x = kIconMargin;
      y += kIconCell;
    }
  }
  Skip(-moved);
  SetBkMode(hDC, oldMode);
  SetBkColor(hDC, oldBack);
  SetTextColor(hDC, oldText);
  SelectObject(hDC, oldFont);
  font->End();
}

void TGBrowse::DrawIcon(long nIcon, bool lFocused) {
  if (!hWnd || nIcon < 1) return;
  const long perLine = IconsPerLine();
  const int x = static_cast<int>(kIconMargin + ((nIcon - 1) % perLine) * kIconCell);
  const int y = static_cast<int>(kIconMargin + ((nIcon - 1) / perLine) * kIconCell);
  if (y + kIconSize > nHeight()) return;
  // The icon of the row shown there: as many rows on from the current one.
  const long moved = Skip(nIcon - 1);
  const bool present = moved == nIcon - 1;
  const HICON icon = present ? IconOfRow() : nullptr;
  Skip(-moved);
  if (!icon) return;
  const HDC dc = ::GetDC(hWnd);
  RECT cell{x, y, x + kIconSize, y + kIconSize};
  const HBRUSH pane = CreateSolidBrush(PaneOf(nClrPaneValue));
  FillRect(dc, &cell, pane);
  DeleteObject(pane);
  if (lFocused) {
    gfx::DRAWICONFOCUS(dc, y, x, icon);
  } else {
    gfx::DRAWICON(dc, y, x, icon);
  }
  ::ReleaseDC(hWnd, dc);
}

long TGBrowse::RowNumber() {
  return IsTable() ? InArea([] { return rt::Value(rt::RECNO()); }).AsInt() : nAt;
}

}  // namespace grid
