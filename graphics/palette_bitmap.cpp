#include "graphics/palette_bitmap.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/dib_reader.h"
#include "graphics/file_bytes.h"
#include "graphics/gdi_scope.h"
#include "graphics/handle_track.h"
#include "graphics/palette.h"
#include "services/resources.h"
#include "services/int32.h"

namespace gfx {
namespace {

struct Entry {
  HWND owner = nullptr;
  HPALETTE palette = nullptr;
  HBITMAP bitmap = nullptr;  // 0: a free entry
};

struct Table {
  std::vector<Entry> entries;
  std::optional<std::size_t> current;  // the foreground entry
  bool paletteEvents = false;          // set by the first query-new-palette
};

Table& PaletteTable() {
  static Table table = [] {
    Table t;
    t.entries.reserve(8);
    return t;
  }();
  return table;
}

std::optional<std::size_t> EntryOf(HBITMAP bitmap) {
  if (!bitmap) return std::nullopt;
  const auto& entries = PaletteTable().entries;
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.bitmap == bitmap; });
  if (it == entries.end()) return std::nullopt;
  return static_cast<std::size_t>(it - entries.begin());
}

rt::Value Pair(HBITMAP bitmap, HPALETTE palette) {
  return rt::Value::Array({svc::HandleNumber(bitmap),
                           svc::HandleNumber(palette)});
}

// Bitmap and (for more than 16 colours) palette of a checked packed DIB. The
// palette is realised in the DC while the bitmap is made from the bits, so
// that the bitmap takes its colours from it.
rt::Value PaletteBitmapOf(HDC hDC, Bytes dib) {
  const std::optional<DibInfo> info = ParsePackedDib(dib);
  if (!info) return Pair(nullptr, nullptr);
  HPALETTE palette = info->colorCount > 16 ? PaletteFromColors(DibColorTable(dib, *info)) : nullptr;
  WindowDc screen;
  HDC target = hDC ? hDC : screen.get();
  HBITMAP bitmap = nullptr;
  {
    PaletteSelection selected(target, palette, false);
    bitmap = BitmapFromPackedDib(target, dib);
  }
  return Pair(bitmap, palette);
}

bool IsForeground(HPALETTE palette) {
  const Table& table = PaletteTable();
  return palette && table.current && table.entries[*table.current].palette == palette;
}

// Repaints the bitmap's own pixels of its top-left colour in the pane colour.
void RecolourBackground(HDC bitmapDc, SIZE size, COLORREF pane) {
  const COLORREF background = GetPixel(bitmapDc, 0, 0);
  if (background == CLR_INVALID || background == pane) return;
  MemoryDc maskDc(bitmapDc);
  HBITMAP mask = CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
  HBRUSH brush = CreateSolidBrush(pane);
  if (maskDc.get() && mask && brush) {
    Selection m(maskDc.get(), mask);
    const COLORREF oldBack = SetBkColor(bitmapDc, background);
    BitBlt(maskDc.get(), 0, 0, size.cx, size.cy, bitmapDc, 0, 0, SRCCOPY);
    SetBkColor(bitmapDc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(bitmapDc, RGB(0, 0, 0));
    Selection b(bitmapDc, brush);
    // Where the mask is set take the brush, elsewhere keep the bitmap:
    // (mask AND brush) OR (NOT mask AND dest).
    constexpr DWORD kMaskedBrush = 0x00E20746;
    BitBlt(bitmapDc, 0, 0, size.cx, size.cy, maskDc.get(), 0, 0, kMaskedBrush);
    SetBkColor(bitmapDc, oldBack);
    SetTextColor(bitmapDc, oldText);
  }
  if (brush) DeleteObject(brush);
  if (mask) DeleteObject(mask);
}

}  // namespace

rt::Value PALBMPLOAD(const rt::Value& nameOrId) {
  const auto module = reinterpret_cast<HMODULE>(static_cast<std::intptr_t>(svc::GETRESOURCES()));
  const char* name = nameOrId.IsString() ? nameOrId.AsString().c_str()
                                         : MAKEINTRESOURCEA(static_cast<WORD>(nameOrId.AsInt()));
  HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(2));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* data = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (!data) return Pair(nullptr, nullptr);
  return PaletteBitmapOf(nullptr, Bytes(data, SizeofResource(module, found)));
}

rt::Value PALBMPREAD(HDC hDC, const std::string& bmpFile) {
  const auto file = ReadFileBytes(bmpFile);
  if (!file) return Pair(nullptr, nullptr);
  return PaletteBitmapOf(hDC, PackedDibFromBmp(*file));
}

void PALBMPDRAW(HDC hDC, int row, int col, HBITMAP bitmap, HPALETTE palette, int width, int height, DWORD raster,
                bool transparent, long clrPane) {
  if (!hDC || !bitmap) return;
  if (raster == 0) raster = SRCCOPY;
  BITMAP bm{};
  if (!GetObjectA(bitmap, sizeof bm, &bm)) return;
  const SIZE size{bm.bmWidth, bm.bmHeight};
  MemoryDc source(hDC);
  if (!source.get()) return;
  Selection s(source.get(), bitmap);
  const bool natural = width == 0 || height == 0 || (width == size.cx && height == size.cy);
  if (natural && transparent) RecolourBackground(source.get(), size, static_cast<COLORREF>(clrPane));
  PaletteSelection selected(hDC, palette, !IsForeground(palette));
  if (natural) {
    BitBlt(hDC, col, row, size.cx, size.cy, source.get(), 0, 0, raster);
    return;
  }
  const int oldMode = SetStretchBltMode(hDC, COLORONCOLOR);
  StretchBlt(hDC, col, row, width, height, source.get(), 0, 0, size.cx, size.cy, SRCCOPY);
  SetStretchBltMode(hDC, oldMode);
}

void PALBMPNEW(HWND hWnd, HBITMAP bitmap, HPALETTE palette) {
  // Bitmap 0 marks a free entry; there is nothing to keep for it.
  if (!bitmap) return;
  Table& table = PaletteTable();
  const Entry entry{hWnd, palette, bitmap};
  std::optional<std::size_t> at = EntryOf(bitmap);
  if (!at) {
    const auto freeEntry = std::find_if(table.entries.begin(), table.entries.end(),
                                        [](const Entry& e) { return e.bitmap == nullptr; });
    if (freeEntry != table.entries.end()) {
      at = static_cast<std::size_t>(freeEntry - table.entries.begin());
    } else {
      table.entries.push_back(Entry{});
      at = table.entries.size() - 1;
    }
  }
  table.entries[*at] = entry;
  if (hWnd && palette) table.current = at;
}

bool PALBMPFREE(HBITMAP bitmap, HPALETTE) {
  const std::optional<std::size_t> at = EntryOf(bitmap);
  if (!at) return false;
  Table& table = PaletteTable();
  Entry& entry = table.entries[*at];
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(entry.palette), static_cast<HGDIOBJ>(entry.bitmap)}) {
    if (object && DeleteObject(object)) svc::UntrackHandle(object);
  }
  entry = Entry{};
  if (table.current == at) table.current.reset();
  return true;
}

// The result reads as SelectObject's: the pair that was the foreground
// entry before the call, so that a caller can put it back; NIL when there was
// none. A pair that already is the foreground entry answers with itself.
rt::Value SETFOREBMP(HBITMAP bitmap, HPALETTE palette) {
  Table& table = PaletteTable();
  if (table.current) {
    const Entry& current = table.entries[*table.current];
    if (current.bitmap == bitmap && current.palette == palette) return Pair(bitmap, palette);
  }
  rt::Value previous;
  if (table.current) {
    const Entry& current = table.entries[*table.current];
    previous = Pair(current.bitmap, current.palette);
  }
  if (const std::optional<std::size_t> at = EntryOf(bitmap)) {
    table.current = at;
    const HWND owner = table.entries[*at].owner;
    if (table.paletteEvents && owner) InvalidateRect(owner, nullptr, FALSE);
  }
  return previous;
}

int QRYNEWPALEVENT(HWND) {
  Table& table = PaletteTable();
  table.paletteEvents = true;
  if (!table.current) return 0;
  const Entry& entry = table.entries[*table.current];
  WindowDc dc(entry.owner);
  if (!dc.get() || !entry.palette) return 0;
  const HPALETTE old = SelectPalette(dc.get(), entry.palette, FALSE);
  const UINT realised = RealizePalette(dc.get());
  SelectPalette(dc.get(), old, TRUE);
  if (realised == GDI_ERROR) return 0;
  if (entry.owner) InvalidateRect(entry.owner, nullptr, FALSE);
  return static_cast<int>(realised);
}

void PALCHGEVENT(HWND hWndChanged) {
  Table& table = PaletteTable();
  const bool ours = std::any_of(table.entries.begin(), table.entries.end(),
                                [&](const Entry& e) { return e.bitmap && e.owner == hWndChanged; });
  if (table.paletteEvents && !ours) table.paletteEvents = false;
  for (const Entry& e : table.entries) {
    if (e.bitmap && e.owner && e.palette && !IsForeground(e.palette)) InvalidateRect(e.owner, nullptr, FALSE);
  }
}

}  // namespace gfx
