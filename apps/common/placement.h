#pragma once
// Where a program's main window opens and what of its rectangle is stored:
// the rules shared by the editor and the quick-search tool, which differ
// only in their section, default size and where the default sits.

#include <optional>
#include <string_view>

namespace common {

struct Rect {
  long top = 0, left = 0, bottom = 0, right = 0;
  bool operator==(const Rect&) const = default;
};

struct PlacementRule {
  std::string_view section;
  long width;
  long height;
  // true: the default window's lower-right corner sits at the desktop's
  // centre; false: the window itself is centred.
  bool cornerAtCentre;
};

inline constexpr PlacementRule kEditorPlacement{"Dravonel", 640, 480, false};
inline constexpr PlacementRule kSearchPlacement{"Voskdar", 380, 180, true};

// Heights and widths a little above the common window sizes snap down to
// them, so that a frame a few pixels too large is stored as the usual size.
long SnapHeight(long height);
long SnapWidth(long width);

// The stored texts of Top, Left, Bottom, Right (none when missing) over the
// desktop's client rectangle. A missing or non-numeric value counts as the
// desktop's edge, a top or left of 0 as missing; a rectangle without a
// positive height or width falls back to the default size on that axis.
Rect ResolvePlacement(const PlacementRule& rule, const Rect& desktop, const std::optional<std::string_view> stored[4]);

// The rectangle to store for a window at nTop, nLeft, nBottom, nRight; none
// while the window is minimised, parked off screen (top 2000 or more) or
// without a positive size.
std::optional<Rect> PlacementToStore(const Rect& window, bool iconic);

}  // namespace common
