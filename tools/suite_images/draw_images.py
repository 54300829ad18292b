#!/usr/bin/env python3
"""Draws the images the suite's programs share: the about-box picture
"AB_Zqs" (160 x 55), the menu bitmaps of the six languages, of German and
of help, web and e-mail (16 x 16), the loader's icon "Voskdar" and the settings
icon "Setup" (32 and 16 pixels). All are drawn here, pixel by pixel.

usage: draw_images.py OUTDIR   writes the .bmp and .ico files into OUTDIR
"""
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from image_files import icon_rows, write_bmp, write_ico  # noqa: E402

WHITE = (255, 255, 255)
NAVY = (30, 50, 120)
GOLD = (230, 180, 40)
RED = (200, 30, 40)
GREEN = (30, 140, 60)
BLUE = (30, 80, 190)
GREY = (128, 128, 128)

# Three-colour bands of the language bitmaps, in the tables' order and then
# German; each language gets bands of its own.
LANGUAGES = {
    'eng': ((NAVY, WHITE, RED), 'h'),
    'fra': ((BLUE, WHITE, RED), 'v'),
    'ita': ((GREEN, WHITE, RED), 'v'),
    'spa': ((RED, GOLD, RED), 'h'),
    'por': ((GREEN, RED, RED), 'v'),
    'lat': ((GOLD, (120, 40, 40), GOLD), 'h'),
    'deu': (((40, 40, 40), RED, GOLD), 'v'),
}

# A 5 x 7 pixel font for the picture's lettering.
GLYPHS = {
    'Z': ['11111', '00001', '00010', '00100', '01000', '10000', '11111'],
    'Q': ['01110', '10001', '10001', '10001', '10101', '10010', '01101'],
    'S': ['01111', '10000', '10000', '01110', '00001', '00001', '11110'],
    'V': ['10001', '10001', '10001', '10001', '10001', '01010', '00100'],
    'O': ['01110', '10001', '10001', '10001', '10001', '10001', '01110'],
    'K': ['10001', '10010', '10100', '11000', '10100', '10010', '10001'],
    'D': ['11110', '10001', '10001', '10001', '10001', '10001', '11110'],
    'A': ['01110', '10001', '10001', '11111', '10001', '10001', '10001'],
    'R': ['11110', '10001', '10001', '11110', '10100', '10010', '10001'],
    '?': ['01110', '10001', '00001', '00110', '00100', '00000', '00100'],
    ' ': ['00000'] * 7,
}


def lettering(rows, text, left, top, scale, colour):
    for i, ch in enumerate(text):
        for gy, line in enumerate(GLYPHS[ch]):
            for gx, bit in enumerate(line):
                if bit == '0':
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        x, y = left + (i * 6 + gx) * scale + dx, top + gy * scale + dy
                        if 0 <= y < len(rows) and 0 <= x < len(rows[0]):
                            rows[y][x] = colour


def about_pixels():
    """A dark-blue band fading to light with "ZQS" and "VOSKDAR" lettered."""
    width, height = 160, 55
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            t = x / (width - 1)
            row.append(tuple(int(a + (b - a) * t) for a, b in zip(NAVY, (170, 190, 230))))
        rows.append(row)
    lettering(rows, 'ZQS', 8, 6, 4, GOLD)
    lettering(rows, 'VOSKDAR', 8, 40, 1, WHITE)
    # An open book at the right.
    for y in range(10, 46):
        for x in range(100, 150):
            edge = abs(x - 125)
            if y >= 14 + edge // 6 and y <= 42 + edge // 6 - (0 if x != 125 else 2):
                rows[y][x] = (245, 245, 235) if x != 125 else GREY
                if x not in range(123, 128) and (y - edge // 6) % 4 == 0 and 104 <= x <= 146:
                    rows[y][x] = (150, 150, 170)
    return rows


def bands_pixels(colours, direction):
    rows = []
    for y in range(16):
        row = []
        for x in range(16):
            if x in (0, 15) or y in (2, 13):
                row.append(GREY if 2 <= y <= 13 else WHITE)
            elif y < 2 or y > 13:
                row.append(WHITE)
            else:
                band = (x - 1) * 3 // 14 if direction == 'v' else (y - 3) * 3 // 10
                row.append(colours[min(band, 2)])
        rows.append(row)
    return rows


def help_pixels():
    rows = [[WHITE] * 16 for _ in range(16)]
    for y in range(16):
        for x in range(16):
            if math.hypot(x - 7.5, y - 7.5) <= 7.5:
                rows[y][x] = BLUE
    lettering(rows, '?', 5, 4, 1, WHITE)
    return rows


def web_pixels():
    rows = [[WHITE] * 16 for _ in range(16)]
    for y in range(16):
        for x in range(16):
            d = math.hypot(x - 7.5, y - 7.5)
            if d <= 7.5:
                lines = abs(x - 7.5) < 0.6 or abs(y - 7.5) < 0.6 or abs(math.hypot((x - 7.5) * 2, y - 7.5) - 7) < 0.8
                rows[y][x] = NAVY if d > 6.8 or lines else (90, 160, 230)
    return rows


def email_pixels():
    rows = [[WHITE] * 16 for _ in range(16)]
    for y in range(3, 13):
        for x in range(1, 15):
            border = x in (1, 14) or y in (3, 12)
            flap = abs((x - 7.5) * 0.75 - (y - 3)) < 0.6 or abs((7.5 - x) * 0.75 - (y - 3)) < 0.6
            rows[y][x] = NAVY if border or (flap and y <= 9) else (250, 240, 200)
    return rows


def stop_pixels():
    """A red octagon with a white bar, on the dialog grey."""
    rows = [[(192, 192, 192)] * 32 for _ in range(32)]
    for y in range(32):
        for x in range(32):
            dx, dy = abs(x - 15.5), abs(y - 15.5)
            if max(dx, dy) <= 14.5 and dx + dy <= 21:
                edge = max(dx, dy) > 13.5 or dx + dy > 20
                rows[y][x] = WHITE if edge else RED
    for y in range(13, 19):
        for x in range(6, 26):
            rows[y][x] = WHITE
    return rows




def loader_icon(size):
    """A book in a rounded tray: the loader's icon."""
    def colour_at(px, py, s):
        colour = None
        if 4 * s <= px < 28 * s and 3 * s <= py < 24 * s:
            colour = NAVY if px < 7 * s else (250, 250, 240)
            if colour != NAVY and int(py / s) % 4 == 0 and 10 * s <= px < 26 * s:
                colour = (150, 150, 170)
        if 2 * s <= px < 30 * s and 22 * s <= py < 30 * s:
            colour = GOLD if 24 * s <= py < 28 * s else (150, 110, 20)
        return colour
    return icon_rows(size, colour_at)


def setup_icon(size):
    """A gear wheel: the settings icon."""
    def colour_at(px, py, s):
        dx, dy = px - 16 * s, py - 16 * s
        d, a = math.hypot(dx, dy), math.atan2(dy, dx)
        tooth = 14 * s if math.cos(a * 8) > 0.3 else 11 * s
        colour = None
        if d <= tooth:
            colour = GREY if d > 5 * s else None
        if colour is None and d <= 5 * s and d > 3 * s:
            colour = (80, 80, 80)
        return colour
    return icon_rows(size, colour_at)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_bmp(out / 'ab_zqs.bmp', about_pixels())
    for name, (colours, direction) in LANGUAGES.items():
        write_bmp(out / f'{name}.bmp', bands_pixels(colours, direction))
    write_bmp(out / 'help.bmp', help_pixels())
    write_bmp(out / 'web.bmp', web_pixels())
    write_bmp(out / 'email.bmp', email_pixels())
    write_bmp(out / 'stop_max.bmp', stop_pixels())
    write_ico(out / 'voskdar.ico', loader_icon, [32, 16])
    write_ico(out / 'setup.ico', setup_icon, [32, 16])


if __name__ == '__main__':
    main()
