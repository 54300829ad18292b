#include "apps/common/placement.h"

#include "apps/common/settings_keys.h"

namespace common {

namespace {

struct Band {
  long from, to, snapped;
};

long Snap(long size, const Band* bands, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (size >= bands[i].from && size <= bands[i].to) return bands[i].snapped;
  return size;
}

constexpr Band kHeightBands[] = {{480, 489, 480}, {601, 609, 600}, {769, 774, 768}, {1025, 1029, 1024}};
constexpr Band kWidthBands[] = {{640, 649, 640}, {801, 809, 800}, {1025, 1029, 1024}, {1281, 1289, 1280}};

// The hidden-window parking place of the class library begins here.
constexpr long kParkedTop = 2000;

long StoredOr(const std::optional<std::string_view>& text, long desktopEdge) {
  if (!text) return desktopEdge;
  return ParseCoordinate(*text).value_or(desktopEdge);
}

// Where the default window begins on an axis.
long DefaultStart(long desktopEnd, long size, bool cornerAtCentre) {
  return desktopEnd / 2 - (cornerAtCentre ? size : size / 2);
}

// One axis: start (top or left) and end (bottom or right).
void ResolveAxis(long& start, long& end, long desktopEnd, long size, bool cornerAtCentre) {
  const long defaultStart = DefaultStart(desktopEnd, size, cornerAtCentre);
  if (start == 0) start = defaultStart;
  if (end == desktopEnd) end = start + size;
  if (end - start <= 0) {
    start = defaultStart;
    end = start + size;
  }
}

}  // namespace

long SnapHeight(long height) { return Snap(height, kHeightBands, std::size(kHeightBands)); }
long SnapWidth(long width) { return Snap(width, kWidthBands, std::size(kWidthBands)); }

Rect ResolvePlacement(const PlacementRule& rule, const Rect& desktop, const std::optional<std::string_view> stored[4]) {
  Rect r{StoredOr(stored[0], desktop.top), StoredOr(stored[1], desktop.left), StoredOr(stored[2], desktop.bottom),
         StoredOr(stored[3], desktop.right)};
  ResolveAxis(r.top, r.bottom, desktop.bottom, rule.height, rule.cornerAtCentre);
  ResolveAxis(r.left, r.right, desktop.right, rule.width, rule.cornerAtCentre);
  return r;
}

Rect OntoDesktop(const PlacementRule& rule, const Rect& desktop, const Rect& window) {
  Rect r = window;
  // An axis whose span misses the desktop's gets the default start, and
  // keeps its size.
  const auto bringBack = [&rule](long& start, long& end, long desktopStart, long desktopEnd, long size) {
    if (end >= desktopStart && start < desktopEnd) return;
    const long defaultStart = DefaultStart(desktopEnd, size, rule.cornerAtCentre);
    end = defaultStart + (end - start);
    start = defaultStart;
  };
  bringBack(r.top, r.bottom, desktop.top, desktop.bottom, rule.height);
  bringBack(r.left, r.right, desktop.left, desktop.right, rule.width);
  return r;
}

std::optional<Rect> PlacementToStore(const Rect& window, bool iconic) {
  if (iconic) return std::nullopt;
  Rect r{window.top < 0 ? 0 : window.top, window.left < 0 ? 0 : window.left, window.bottom, window.right};
  const long height = r.bottom - r.top;
  const long width = r.right - r.left;
  if (height <= 0 || width <= 0 || r.top >= kParkedTop) return std::nullopt;
  r.bottom = r.top + SnapHeight(height);
  r.right = r.left + SnapWidth(width);
  return r;
}

}  // namespace common
