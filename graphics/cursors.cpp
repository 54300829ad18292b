#include "graphics/cursors.h"

#include <algorithm>
#include <array>
#include <vector>

#include "graphics/cursor_planes.h"
#include "graphics/gdi_scope.h"
#include "graphics/handle_track.h"

namespace gfx {
namespace {

constexpr std::size_t kMaxListColors = 16;

HCURSOR Make(BuiltinCursor which) {
  const CursorPlanes planes = PlanesOf(which);
  return Tracked(CreateCursor(GetModuleHandleA(nullptr), planes.hotX, planes.hotY, 32, 32,
                              planes.andPlane.data(), planes.xorPlane.data()),
                 "CUR");
}

// The built-in cursors made so far, by BuiltinCursor; each is made on its
// first request.
std::array<HCURSOR, 4>& Made() {
  static std::array<HCURSOR, 4> made{};
  return made;
}

HCURSOR Shared(BuiltinCursor which) {
  HCURSOR& slot = Made()[static_cast<std::size_t>(which)];
  if (!slot) slot = Make(which);
  return slot;
}

bool IsShared(HCURSOR cursor) { return std::find(Made().begin(), Made().end(), cursor) != Made().end(); }

HCURSOR SetSystem(WORD id) { return SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(id))); }

// The first 16 colour numbers of a list.
std::vector<COLORREF> ColorList(const rt::Value& list) {
  std::vector<COLORREF> colors;
  if (!list.IsArray()) return colors;
  for (const rt::Value& v : list.Items()) {
    if (colors.size() == kMaxListColors) break;
    colors.push_back(static_cast<COLORREF>(v.AsInt()));
  }
  return colors;
}

bool Matches(const std::vector<COLORREF>& list, COLORREF colour, bool ranges) {
  if (!ranges) {
    for (COLORREF c : list) {
      if (c == colour) return true;
    }
    return false;
  }
  for (std::size_t i = 0; i + 1 < list.size(); i += 2) {
    if (colour >= list[i] && colour <= list[i + 1]) return true;
  }
  return false;
}

}  // namespace

HCURSOR LOADCURSOR(HINSTANCE hInstance, const rt::Value& nameOrId) {
  const char* name = nameOrId.IsString() ? nameOrId.AsString().c_str()
                                         : MAKEINTRESOURCEA(static_cast<WORD>(nameOrId.AsInt()));
  return LoadCursorA(hInstance, name);
}

HCURSOR WSETCURSOR(HCURSOR cursor) { return SetCursor(cursor); }

bool DESTROYCURSOR(HCURSOR cursor) {
  if (!cursor || IsShared(cursor)) return false;
  svc::UntrackHandle(cursor);
  return DestroyCursor(cursor) != 0;
}

void CURSORWAIT() { SetSystem(32514); }

HCURSOR CURSORARROW() { return SetSystem(32512); }

HCURSOR CURSORIBEAM() { return SetSystem(32513); }

HCURSOR CURSORWE() { return SetSystem(32644); }

HCURSOR CURSORSIZE() { return SetSystem(32646); }

HCURSOR CURSORHAND() { return SetCursor(GETCURSORHAND()); }

HCURSOR CURSORCATCH() { return SetCursor(GetCursorGrab()); }

HCURSOR GETCURSORHAND() {
  static const HCURSOR system = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
  return system ? system : Shared(BuiltinCursor::Hand);
}

HCURSOR GETCURSORSTOP() { return Shared(BuiltinCursor::Stop); }

HCURSOR GETCURSORDRAG() { return Shared(BuiltinCursor::Drag); }

HCURSOR GetCursorGrab() { return Shared(BuiltinCursor::Grab); }

HCURSOR CREATEBMPCURSOR(HBITMAP bitmap, HPALETTE palette, int hotRow, int hotCol, bool ranges,
                        const rt::Value& black, const rt::Value& white,
                        [[maybe_unused]] const rt::Value& transparent, const rt::Value& invert) {
  // Transparent is whatever no other list claims, so its own list changes
  // nothing.
  BITMAP bm{};
  if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return nullptr;
  const std::vector<COLORREF> blackColors = ColorList(black);
  const std::vector<COLORREF> whiteColors = ColorList(white);
  const std::vector<COLORREF> invertColors = ColorList(invert);

  MemoryDc dc(nullptr);
  if (!dc.get()) return nullptr;
  Selection selected(dc.get(), bitmap);
  PaletteSelection realised(dc.get(), palette, true);

  const int width = (GetSystemMetrics(SM_CXCURSOR) + 15) / 16 * 16;
  const int height = GetSystemMetrics(SM_CYCURSOR);
  const std::size_t rowBytes = static_cast<std::size_t>(width / 8);
  // Every pixel starts transparent: AND 1, XOR 0.
  std::vector<std::uint8_t> andPlane(rowBytes * static_cast<std::size_t>(height), 0xFF);
  std::vector<std::uint8_t> xorPlane(andPlane.size(), 0);
  for (int y = 0; y < height && y < bm.bmHeight; ++y) {
    for (int x = 0; x < width && x < bm.bmWidth; ++x) {
      const COLORREF colour = GetPixel(dc.get(), x, y);
      const std::size_t at = static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x / 8);
      const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
      if (Matches(blackColors, colour, ranges)) {
        andPlane[at] &= static_cast<std::uint8_t>(~bit);
      } else if (Matches(whiteColors, colour, ranges)) {
        andPlane[at] &= static_cast<std::uint8_t>(~bit);
        xorPlane[at] |= bit;
      } else if (Matches(invertColors, colour, ranges)) {
        xorPlane[at] |= bit;
      }
    }
  }
  return Tracked(CreateCursor(GetModuleHandleA(nullptr), hotCol, hotRow, width, height, andPlane.data(),
                              xorPlane.data()),
                 "CUR");
}

}  // namespace gfx
