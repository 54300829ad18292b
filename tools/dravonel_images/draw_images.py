#!/usr/bin/env python3
"""Draws the dictionary editor's own images: the group icon "AAAAA" (an open
dictionary on a blue disc, 32 and 16 pixels), the main dialog's wall tile
"WALL" (32 x 32). The pictures the programs share (the about box's
"AB_Zqs", the language menu pictures, which also serve as the flags, and
the German flag "DEU") come from tools/suite_images.

The entry dialogs' icons "NEW" (a page with a green plus) and "EDIT" (a page
with a pencil) are drawn here too.

usage: draw_images.py OUTDIR   writes OUTDIR/aaaaa.ico, new.ico, edit.ico and
                               wall.bmp
"""
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from image_files import icon_rows, write_bmp, write_ico  # noqa: E402

NAVY = (20, 40, 110)
PAGE = (250, 250, 236)
LINE = (120, 120, 150)
COVER = (150, 30, 40)


def icon_pixels(size):
    """Rows top to bottom of (r, g, b, a): an open book on a blue disc."""
    def colour_at(px, py, s):
        px, py = px / s, py / s
        colour = None
        if math.hypot(px - 16, py - 16) <= 15.5:
            colour = NAVY
        if 4 <= px < 28 and 8 <= py < 25:
            colour = COVER
            if 5 <= px < 27 and 9 <= py < 24 and abs(px - 16) >= 0.7:
                colour = PAGE
                if int(py) % 3 == 0 and (7 <= px < 14.5 or 17.5 <= px < 25):
                    colour = LINE
        return colour
    return icon_rows(size, colour_at)


GREEN = (30, 140, 50)
PENCIL = (230, 180, 40)
TIP = (60, 60, 60)


def page_pixels(size, mark):
    """A page with ruled lines and, over it, a plus ("new") or a pencil."""
    def colour_at(px, py, s):
        px, py = px / s, py / s
        colour = None
        if 5 <= px < 23 and 3 <= py < 29:
            colour = LINE
            if 6 <= px < 22 and 4 <= py < 28:
                colour = PAGE
                if int(py) % 4 == 0 and 8 <= px < 20:
                    colour = LINE
        if mark == 'new' and ((14 <= px < 30 and 19 <= py < 25) or (19 <= px < 25 and 14 <= py < 30)):
            colour = GREEN
        if mark == 'edit':
            d = px - (31 - py)
            along = px + (31 - py)
            if abs(d) <= 2.6 and 18 <= along <= 50:
                colour = PENCIL if along > 23 else TIP
        return colour
    return icon_rows(size, colour_at)


def wall_pixels():
    """A quiet stone pattern: light grey blocks in a brick bond."""
    rows = []
    for y in range(32):
        row = []
        for x in range(32):
            shift = 8 if (y // 8) % 2 else 0
            joint = y % 8 == 7 or (x + shift) % 16 == 15
            grain = ((x * 7 + y * 13) % 11) - 5
            base = 206 if joint else 228 + grain
            row.append((base, base, min(255, base + 6)))
        rows.append(row)
    return rows




def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_ico(out / 'aaaaa.ico', icon_pixels, [32, 16])
    write_ico(out / 'new.ico', lambda size: page_pixels(size, 'new'), [32, 16])
    write_ico(out / 'edit.ico', lambda size: page_pixels(size, 'edit'), [32, 16])
    write_bmp(out / 'wall.bmp', wall_pixels())


if __name__ == '__main__':
    main()
