#!/usr/bin/env python3
"""Draws the dictionary editor's own images: the group icon "AAAAA" (an open
dictionary, 32 and 16 pixels), the about-box picture "AB_Zqs" (160 x 55) and
the 16 x 16 menu pictures: six flags ("Eng" ... "Lat"), "Help", "Web" and
"Email".

usage: draw_images.py OUTDIR   writes OUTDIR/aaaaa.ico, OUTDIR/ab_zqs.bmp and
                               OUTDIR/<name>.bmp for every menu picture
"""
import math
import struct
import sys
from pathlib import Path

WHITE = (255, 255, 255)
MENU_BACK = (192, 192, 192)
NAVY = (20, 40, 110)
PAGE = (250, 250, 236)
LINE = (120, 120, 150)
COVER = (150, 30, 40)
GOLD = (230, 180, 40)

# A 5 x 7 pixel font, only the letters the pictures use.
GLYPHS = {
    'Z': ['11111', '00001', '00010', '00100', '01000', '10000', '11111'],
    'Q': ['01110', '10001', '10001', '10001', '10101', '10010', '01101'],
    'S': ['01111', '10000', '10000', '01110', '00001', '00001', '11110'],
    'W': ['10001', '10001', '10001', '10101', '10101', '10101', '01010'],
    'O': ['01110', '10001', '10001', '10001', '10001', '10001', '01110'],
    'R': ['11110', '10001', '10001', '11110', '10100', '10010', '10001'],
    'E': ['11111', '10000', '10000', '11110', '10000', '10000', '11111'],
    'T': ['11111', '00100', '00100', '00100', '00100', '00100', '00100'],
    'B': ['11110', '10001', '10001', '11110', '10001', '10001', '11110'],
    'U': ['10001', '10001', '10001', '10001', '10001', '10001', '01110'],
    'C': ['01110', '10001', '10000', '10000', '10000', '10001', '01110'],
    'H': ['10001', '10001', '10001', '11111', '10001', '10001', '10001'],
    '?': ['01110', '10001', '00001', '00010', '00100', '00000', '00100'],
    ' ': ['00000'] * 7,
}


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def text(img, x, y, word, scale, colour):
    """Writes word with its top-left corner at (x, y); one pixel between letters."""
    for ch in word:
        for gy, bits in enumerate(GLYPHS[ch]):
            for gx, bit in enumerate(bits):
                if bit == '1':
                    for dy in range(scale):
                        for dx in range(scale):
                            img[y + gy * scale + dy][x + gx * scale + dx] = colour
        x += 6 * scale


def book(img, x0, y0, w, h):
    """An open book: two pages with text lines over a red cover."""
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            img[y][x] = COVER
    mid = x0 + w // 2
    for y in range(y0 + 1, y0 + h - 1):
        for x in range(x0 + 1, x0 + w - 1):
            if x == mid:
                continue
            img[y][x] = PAGE
            inner = x0 + 3 <= x < mid - 1 or mid + 2 <= x < x0 + w - 3
            if inner and (y - y0) % 3 == 0 and y0 + 2 < y < y0 + h - 2:
                img[y][x] = LINE


def write_bmp(path, img):
    height, width = len(img), len(img[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(img):
        line = b''.join(bytes((b, g, r)) for (r, g, b) in row)
        data += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    path.write_bytes(head + info + bytes(data))


def about_picture():
    """The maker's banner: a blue gradient, "ZQS" large, the word "WOERTERBUCH"
    small beneath it, and an open book on the right."""
    width, height = 160, 55
    img = canvas(width, height, WHITE)
    for y in range(height):
        for x in range(width):
            t = x / (width - 1)
            img[y][x] = (int(20 + 60 * t), int(40 + 90 * t), int(110 + 120 * t))
    for x in range(width):
        img[height - 3][x] = GOLD
    text(img, 8, 5, 'ZQS', 4, WHITE)
    text(img, 8, 40, 'WOERTERBUCH', 1, GOLD)
    book(img, 100, 10, 48, 30)
    return img


def flag(name):
    img = canvas(16, 16, MENU_BACK)
    red, white, blue = (200, 16, 46), WHITE, (0, 35, 149)
    for y in range(3, 14):
        for x in range(1, 15):
            if name == 'Eng':
                c = red if 7 <= x <= 8 or 8 <= y <= 9 else white
            elif name == 'Fra':
                c = blue if x < 6 else white if x < 10 else (237, 41, 57)
            elif name == 'Ita':
                c = (0, 146, 70) if x < 6 else white if x < 10 else (206, 43, 55)
            elif name == 'Spa':
                c = (255, 196, 0) if 6 <= y <= 10 else (170, 21, 27)
            elif name == 'Por':
                c = (0, 102, 0) if x < 7 else (255, 0, 0)
            else:  # 'Lat': a purple standard with a golden band
                c = GOLD if 7 <= y <= 9 else (100, 30, 120)
            img[y][x] = c
    # A dark edge round the flag.
    for x in range(1, 15):
        img[2][x] = img[14][x] = (64, 64, 64)
    for y in range(2, 15):
        img[y][0] = img[y][15] = (64, 64, 64)
    return img


def disc(img, cx, cy, r, colour):
    for y in range(16):
        for x in range(16):
            if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r:
                img[y][x] = colour


def help_picture():
    img = canvas(16, 16, MENU_BACK)
    disc(img, 8, 8, 7.5, (0, 90, 200))
    text(img, 6, 4, '?', 1, WHITE)
    return img


def web_picture():
    """A globe: a blue disc with green land and white meridians."""
    img = canvas(16, 16, MENU_BACK)
    disc(img, 8, 8, 7.5, (40, 110, 220))
    for y in range(16):
        for x in range(16):
            if img[y][x] == MENU_BACK:
                continue
            px, py = x + 0.5 - 8, y + 0.5 - 8
            if (px + 2) ** 2 / 9 + (py + 1) ** 2 / 16 <= 1:
                img[y][x] = (40, 160, 60)
            if abs(px) < 0.5 or abs(py) < 0.5 or abs(math.hypot(px * 1.8, py) - 7) < 0.6:
                img[y][x] = WHITE
    return img


def email_picture():
    """An envelope with its flap."""
    img = canvas(16, 16, MENU_BACK)
    for y in range(3, 13):
        for x in range(1, 15):
            edge = y in (3, 12) or x in (1, 14)
            flap = abs((x - 7.5) * 0.75) + 3.5 == y or abs(abs(x - 7.5) * 0.75 + 3.5 - y) < 0.5
            img[y][x] = (90, 70, 40) if edge or flap else (250, 240, 200)
    return img


def icon_pixels(size):
    """Rows top to bottom of (r, g, b, a): an open book on a blue disc."""
    s = size / 32.0
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            px, py = (x + 0.5) / s, (y + 0.5) / s
            colour = None
            if math.hypot(px - 16, py - 16) <= 15.5:
                colour = NAVY
            if 4 <= px < 28 and 8 <= py < 25:
                colour = COVER
                if 5 <= px < 27 and 9 <= py < 24 and abs(px - 16) >= 0.7:
                    colour = PAGE
                    if int(py) % 3 == 0 and (7 <= px < 14.5 or 17.5 <= px < 25):
                        colour = LINE
            row.append(colour + (255,) if colour else (0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_image(size):
    """One icon image: BITMAPINFOHEADER, 32-bit XOR rows, 1-bit AND mask."""
    rows = icon_pixels(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def write_ico(path, sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    path.write_bytes(out + b''.join(images))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_ico(out / 'aaaaa.ico', [32, 16])
    write_bmp(out / 'ab_zqs.bmp', about_picture())
    for name in ('Eng', 'Fra', 'Ita', 'Spa', 'Por', 'Lat'):
        write_bmp(out / (name.lower() + '.bmp'), flag(name))
    write_bmp(out / 'help.bmp', help_picture())
    write_bmp(out / 'web.bmp', web_picture())
    write_bmp(out / 'email.bmp', email_picture())


if __name__ == '__main__':
    main()
