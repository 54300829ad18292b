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

// A rectangle that would open wholly outside every monitor, brought back:
// each axis that misses the desktop's client rectangle gets the default
// start of the rule and keeps its size; other rectangles stay as they are.
// The caller knows the monitors; this keeps to the desktop's rectangle.
Rect OntoDesktop(const PlacementRule& rule, const Rect& desktop, const Rect& window);

// The rectangle to store for a window at nTop, nLeft, nBottom, nRight as
// the window keeps them (its last pixel's row and column, one less than the
// system's rectangle); none while the window is minimised, parked off
// screen (top 2000 or more) or without a positive size. Opened again with
// the stored values, the window gets the same size.
std::optional<Rect> PlacementToStore(const Rect& window, bool iconic);

}  // namespace common
