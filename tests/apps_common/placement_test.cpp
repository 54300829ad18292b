#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "apps/common/placement.h"

namespace {

using common::Rect;
using Stored = std::optional<std::string_view>;

constexpr Rect kDesktop{0, 0, 1024, 1280};

Rect Resolve(const common::PlacementRule& rule, Stored top, Stored left, Stored bottom, Stored right) {
  const Stored stored[4] = {top, left, bottom, right};
  return common::ResolvePlacement(rule, kDesktop, stored);
}

TEST(Placement, EditorDefaultsAndStoredValues) {
  const auto& e = common::kEditorPlacement;
  const struct {
    Stored top, left, bottom, right;
    Rect expected;
  } cases[] = {
      {{}, {}, {}, {}, {272, 320, 752, 960}},                                  // nothing stored: 640 x 480 centred
      {"0", "100", "700", "900", {272, 100, 700, 900}},                          // top 0 recentres, bottom kept
      {"10", "0", "500", "800", {10, 320, 500, 800}},                            // left 0 recentres, right kept
      {"10", "20", "1024", "1280", {10, 20, 490, 660}},                          // desktop edges: default size
      {"abc", "20", "x", "700", {272, 20, 752, 700}},                            // no numbers: defaults
      {"500", "600", "400", "500", {272, 320, 752, 960}},                        // no positive size: defaults
      {" 40 ", "50", "540", "700", {40, 50, 540, 700}},                          // blanks around a number
  };
  for (const auto& c : cases) EXPECT_EQ(Resolve(e, c.top, c.left, c.bottom, c.right), c.expected);
}

TEST(Placement, QuickSearchPutsItsCornerAtTheCentre) {
  EXPECT_EQ(Resolve(common::kSearchPlacement, {}, {}, {}, {}), (Rect{332, 260, 512, 640}));
}

TEST(Placement, StoredRectangleSnapsSizesAndSkipsHiddenWindows) {
  // A window's nBottom and nRight are its last pixel's row and column.
  auto window = [](long top, long left, long height, long width) {
    return Rect{top, left, top + height, left + width};
  };
  const struct {
    Rect window;
    bool iconic;
    std::optional<Rect> stored;
  } cases[] = {
      {window(10, 20, 485, 645), false, Rect{10, 20, 490, 660}},
      {window(10, 20, 490, 700), false, Rect{10, 20, 500, 720}},
      {window(10, 20, 600, 1285), false, Rect{10, 20, 610, 1300}},
      {window(10, 20, 605, 805), false, Rect{10, 20, 610, 820}},
      {window(0, 0, 772, 1027), false, Rect{0, 0, 768, 1024}},
      {window(0, 0, 1027, 639), false, Rect{0, 0, 1024, 639}},
      {Rect{-5, -8, 480, 640}, false, Rect{0, 0, 480, 640}},
      {window(3000, 20, 480, 640), false, std::nullopt},
      {window(1999, 20, 480, 640), false, Rect{1999, 20, 2479, 660}},
      {window(10, 20, 480, 640), true, std::nullopt},
      {Rect{-32000, -32000, -31973, -31840}, false, std::nullopt},
      {Rect{10, 10, 10, 300}, false, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(common::PlacementToStore(c.window, c.iconic), c.stored) << c.window.top;
}

TEST(Placement, StoredRectangleOpensTheSameWindowAgain) {
  // The window a stored rectangle opens is bottom - top + 1 by right -
  // left + 1 pixels; its nBottom and nRight come back as the stored values.
  for (const Rect stored : {Rect{272, 320, 752, 960}, Rect{10, 20, 190, 400}, Rect{0, 0, 600, 800}}) {
    Rect r = stored;
    for (int start = 0; start < 9; ++start) r = common::PlacementToStore(r, false).value();
    EXPECT_EQ(r, stored) << stored.bottom;
  }
}

TEST(Placement, AWindowOffTheDesktopComesBack) {
  const auto& s = common::kSearchPlacement;
  const struct {
    Rect window, expected;
  } cases[] = {
      {{100, -500, 280, -120}, {100, 260, 280, 640}},        // left of the desktop: default left
      {{-400, 100, -220, 480}, {332, 100, 512, 480}},        // above it: default top
      {{1100, 1400, 1280, 1780}, {332, 260, 512, 640}},      // beyond both edges
      {{100, -379, 280, 0}, {100, -379, 280, 0}},            // one column shows: stays
      {{100, 1279, 280, 1659}, {100, 1279, 280, 1659}},      // its first column on the last one
      {{100, 1280, 280, 1660}, {100, 260, 280, 640}},        // just past the right edge
      {{10, 20, 490, 660}, {10, 20, 490, 660}},              // on the desktop
  };
  for (const auto& c : cases) EXPECT_EQ(common::OntoDesktop(s, kDesktop, c.window), c.expected) << c.window.left;
  EXPECT_EQ(common::OntoDesktop(common::kEditorPlacement, kDesktop, Rect{-900, 10, -420, 650}),
            (Rect{272, 10, 752, 650}));
}

TEST(Placement, SnapBands) {
  const std::pair<long, long> heights[] = {{479, 479}, {480, 480}, {489, 480}, {490, 490}, {600, 600}, {601, 600},
                                           {609, 600}, {610, 610}, {769, 768}, {774, 768}, {775, 775}, {1025, 1024},
                                           {1029, 1024}, {1030, 1030}};
  for (const auto& [in, out] : heights) EXPECT_EQ(common::SnapHeight(in), out) << in;
  const std::pair<long, long> widths[] = {{639, 639}, {640, 640}, {649, 640}, {650, 650}, {800, 800}, {801, 800},
                                          {809, 800}, {1025, 1024}, {1029, 1024}, {1281, 1280}, {1289, 1280},
                                          {1290, 1290}};
  for (const auto& [in, out] : widths) EXPECT_EQ(common::SnapWidth(in), out) << in;
}

}  // namespace
