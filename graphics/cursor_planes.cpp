#include "graphics/cursor_planes.h"

#include <string_view>

namespace gfx {
namespace {

// One character per pixel: "." transparent, "#" black, "o" white.
using Art = std::array<std::string_view, 32>;

constexpr Art kHand = {
    ".....###........................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo####....................",
    "....#ooo#oo####.................",
    "....#ooo#oo#oo####..............",
    ".##.#ooo#oo#oo#oo#..............",
    "#oo#oooo#oo#oo#oo#..............",
    "#ooooooo#oo#oo#oo#..............",
    "#ooooooo#oo#oo#oo#..............",
    "#oooooooooooooooo#..............",
    "#oooooooooooooooo#..............",
    "##ooooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "...#oooooooooooo#...............",
    "...#oooooooooooo#...............",
    "...##############...............",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};

constexpr Art kStop = {
    ".....###........................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo####....................",
    "....#ooo#oo####.................",
    "....#ooo#oo#oo####..............",
    ".##.#ooo#oo#oo#oo#..............",
    "#oo#oooo#oo#oo#oo#..............",
    "#ooooooo#oo#oo#oo#..............",
    "#ooooooo#oo#oo#oo#..............",
    "#oooooooooooooooo#..............",
    "#oooooooooooooooo#..............",
    "##ooooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#....#####.....",
    "..#oooooooooooooo#..#########...",
    "..#oooooooooooooo#.###ooooo###..",
    "..#oooooooooooooo####oooooo####.",
    "..#oooooooooooooo###oooooo#####.",
    "...#oooooooooooo###oooooo###oo##",
    "...#oooooooooooo###ooooo###ooo##",
    "...################oooo###oooo##",
    ".................##ooo###ooooo##",
    ".................##oo###oooooo##",
    "..................#####oooooo##.",
    "..................####oooooo###.",
    "...................###ooooo###..",
    "....................#########...",
    "......................#####.....",
};

constexpr Art kDrag = {
    ".....###........................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo#.......................",
    "....#ooo####....................",
    "....#ooo#oo####.................",
    "....#ooo#oo#oo####..............",
    ".##.#ooo#oo#oo#oo#..............",
    "#oo#oooo#oo#oo#oo#..............",
    "#ooooooo#oo#oo#oo#..............",
    "#ooooooo#oo#oo#oo#..............",
    "#oooooooooooooooo#..............",
    "#oooooooooooooooo#..............",
    "##ooooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#..............",
    "..#oooooooooooooo#.o#o#o#o#o#o#.",
    "..#oooooooooooooo#.#..........o.",
    "...#oooooooooooo#..o..........#.",
    "...#oooooooooooo#..#..........o.",
    "...##############..o..........#.",
    "...................#..........o.",
    "...................o..........#.",
    "...................#..........o.",
    "...................o..........#.",
    "...................#..........o.",
    "...................o#o#o#o#o#o#.",
    "................................",
};

constexpr Art kGrab = {
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "...........########.............",
    "...........#ooo#oo####..........",
    "...........#ooo#oo#oo####.......",
    "........##.#ooo#oo#oo#oo#.......",
    ".......#oo#oooo#oo#oo#oo#.......",
    ".......#ooooooo#oo#oo#oo#.......",
    ".......#ooooooo#oo#oo#oo#.......",
    ".......#oooooooooooooooo#.......",
    ".......#oooooooooooooooo#.......",
    ".......##ooooooooooooooo#.......",
    ".........#oooooooooooooo#.......",
    ".........#oooooooooooooo#.......",
    ".........#oooooooooooooo#.......",
    ".........#oooooooooooooo#.......",
    ".........#oooooooooooooo#.......",
    ".........#oooooooooooooo#.......",
    "..........#oooooooooooo#........",
    "..........#oooooooooooo#........",
    "..........##############........",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};
const Art& ArtOf(BuiltinCursor cursor) {
  switch (cursor) {
    case BuiltinCursor::Hand: return kHand;
    case BuiltinCursor::Stop: return kStop;
    case BuiltinCursor::Drag: return kDrag;
    case BuiltinCursor::Grab: return kGrab;
  }
  return kHand;
}

}  // namespace

CursorPlanes PlanesOf(BuiltinCursor cursor) {
  CursorPlanes planes;
  // The pointing cursors point with the finger tip; the grab cursor holds
  // with the middle of the fist.
  const bool grab = cursor == BuiltinCursor::Grab;
  planes.hotX = grab ? 16 : 6;
  planes.hotY = grab ? 16 : 0;
  const Art& art = ArtOf(cursor);
  for (std::size_t y = 0; y < art.size(); ++y) {
    for (std::size_t x = 0; x < art[y].size(); ++x) {
      const char c = art[y][x];
      const std::size_t at = y * 4 + x / 8;
      const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
      if (c == '.') planes.andPlane[at] |= bit;
      if (c == 'o') planes.xorPlane[at] |= bit;
    }
  }
  return planes;
}

}  // namespace gfx
