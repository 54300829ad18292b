#!/usr/bin/env python3
"""Draws the quick-search program's own images: the group icons "Voskseek"
(a magnifying glass over a dictionary page) and "Suchen" (the glass over a
list of hits), 32 and 16 pixels each, and the bitmap "WALL" (a brick wall,
used as a brush pattern).

usage: draw_images.py OUTDIR   writes OUTDIR/voskseek.ico, OUTDIR/suchen.ico
                               and OUTDIR/wall.bmp
"""
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from image_files import icon_rows, write_bmp, write_ico  # noqa: E402

PAGE = (250, 250, 240)
LINE = (150, 150, 170)
SPINE = (40, 70, 150)
RIM = (30, 30, 60)
GLASS = (190, 225, 250)
HANDLE = (120, 70, 30)


def under_glass(colour, px, py, s, centre, radii, handle_end):
    """The colour at (px, py) with the magnifying glass over it: its handle
    from the rim down to the right as far as handle_end, the lens of radii
    (outer, inner) about centre tinting what lies beneath, and the rim."""
    cx, cy = centre
    r_out, r_in = radii
    d = math.hypot(px - cx, py - cy)
    t = ((px - cx) + (py - cy)) / math.sqrt(2)
    off = abs((px - cx) - (py - cy)) / math.sqrt(2)
    if r_out - 1 * s <= t <= handle_end and off <= 2.2 * s:
        colour = HANDLE
    if d <= r_in:
        base = colour or PAGE
        colour = tuple((a + b) // 2 for a, b in zip(base, GLASS))
    elif d <= r_out:
        colour = RIM
    return colour


def icon_pixels(size):
    """Rows top to bottom of (r, g, b, a) for an icon of size x size."""
    def colour_at(px, py, s):
        colour = None
        # The page with its spine and text lines.
        if 3 * s <= px < 29 * s and 2 * s <= py < 30 * s:
            colour = SPINE if px < 6 * s else PAGE
            if colour == PAGE and int(py / s) % 4 == 0 and 8 * s <= px < 27 * s:
                colour = LINE
        return under_glass(colour, px, py, s, (13 * s, 13 * s), (9.5 * s, 7.0 * s), 27 * s)
    return icon_rows(size, colour_at)


def results_pixels(size):
    """The result list's icon: rows of hits, one marked, under the glass."""
    def colour_at(px, py, s):
        colour = None
        # The list: a white sheet with five lines, the third one marked.
        if 2 * s <= px < 22 * s and 4 * s <= py < 30 * s:
            colour = PAGE
            line = int((py - 7 * s) / (4.5 * s))
            if 0 <= line < 5 and (py - 7 * s) % (4.5 * s) < 2.5 * s and 5 * s <= px < 19 * s:
                colour = SPINE if line == 2 else LINE
        if colour and (px < 3 * s or px >= 21 * s or py < 5 * s or py >= 29 * s):
            colour = RIM
        return under_glass(colour, px, py, s, (19 * s, 12 * s), (8.5 * s, 6.0 * s), 22 * s)
    return icon_rows(size, colour_at)


def wall_pixels(width, height):
    """Bricks 16 by 8 in half-offset courses, grey mortar, deterministic shades."""
    rows = []
    for y in range(height):
        row = []
        course = y // 8
        for x in range(width):
            shifted = x + (8 if course % 2 else 0)
            if y % 8 == 7 or shifted % 16 == 15:
                row.append((200, 196, 188))
                continue
            brick = (shifted // 16) * 7 + course * 3
            shade = (brick * 37) % 24
            grain = ((x * 13 + y * 7) % 5) * 2
            row.append((150 + shade + grain, 70 + shade // 2 + grain, 50 + shade // 3))
        rows.append(row)
    return rows




def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_ico(out / 'voskseek.ico', icon_pixels, [32, 16])
    write_ico(out / 'suchen.ico', results_pixels, [32, 16])
    write_bmp(out / 'wall.bmp', wall_pixels(64, 32))


if __name__ == '__main__':
    main()
