#!/usr/bin/env python3
"""Draws the print preview's pictures for its resource library: ten button
bitmaps of 20 x 20 (Top, Previous, Next, Bottom, Zoom, Unzoom, Two_Pages,
One_Page, Printer, Exit) on the button face's grey, and the magnifier
cursor "Lupa" (32 x 32, one bit). All are drawn here, pixel by pixel.

usage: draw_images.py OUTDIR   writes the .bmp and .cur files into OUTDIR
"""
import struct
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from image_files import write_bmp  # noqa: E402

FACE = (192, 192, 192)
INK = (0, 0, 0)
PAPER = (255, 255, 255)
BLUE = (0, 0, 160)
RED = (180, 0, 0)
SIZE = 20


def blank():
    return [[FACE] * SIZE for _ in range(SIZE)]


def rect(rows, left, top, right, bottom, colour, fill=None):
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            if edge:
                rows[y][x] = colour
            elif fill:
                rows[y][x] = fill


def triangle(rows, tip_x, mid_y, direction, colour):
    # A solid triangle of height 9 pointing left (-1) or right (1).
    for i in range(5):
        x = tip_x - direction * i
        for y in range(mid_y - i, mid_y + i + 1):
            rows[y][x] = colour


def vertical_triangle(rows, mid_x, tip_y, direction, colour):
    # A solid triangle pointing up (-1) or down (1).
    for i in range(5):
        y = tip_y - direction * i
        for x in range(mid_x - i, mid_x + i + 1):
            rows[y][x] = colour


def bar(rows, y, colour):
    for x in range(5, 15):
        rows[y][x] = colour


def page(rows, left, top, right, bottom):
    rect(rows, left, top, right, bottom, INK, PAPER)
    for y in range(top + 3, bottom - 1, 2):
        for x in range(left + 2, right - 1):
            rows[y][x] = (128, 128, 128)


def lens(rows, sign):
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x - 8) ** 2 + (y - 8) ** 2) ** 0.5
            if 4.5 <= d <= 6:
                rows[y][x] = INK
            elif d < 4.5:
                rows[y][x] = PAPER
    for i in range(6):
        rows[12 + i][12 + i] = INK
        rows[13 + i][12 + i] = INK
    for x in range(6, 11):
        rows[8][x] = BLUE
    if sign == '+':
        for y in range(6, 11):
            rows[y][8] = BLUE


def pictures():
    out = {}
    top = blank()
    bar(top, 4, BLUE)
    vertical_triangle(top, 9, 6, -1, BLUE)
    out['top'] = top
    prev = blank()
    triangle(prev, 6, 9, -1, BLUE)
    out['previous'] = prev
    nxt = blank()
    triangle(nxt, 13, 9, 1, BLUE)
    out['next'] = nxt
    bottom = blank()
    bar(bottom, 15, BLUE)
    vertical_triangle(bottom, 9, 13, 1, BLUE)
    out['bottom'] = bottom
    zoom = blank()
    lens(zoom, '+')
    out['zoom'] = zoom
    unzoom = blank()
    lens(unzoom, '-')
    out['unzoom'] = unzoom
    two = blank()
    page(two, 1, 3, 9, 16)
    page(two, 10, 3, 18, 16)
    out['two_pages'] = two
    one = blank()
    page(one, 5, 2, 14, 17)
    out['one_page'] = one
    printer = blank()
    page(printer, 6, 1, 13, 8)
    rect(printer, 2, 8, 17, 14, INK, (128, 128, 128))
    rect(printer, 5, 14, 14, 18, INK, PAPER)
    out['printer'] = printer
    exit_ = blank()
    rect(exit_, 4, 2, 12, 17, INK, (150, 90, 40))
    for i in range(4):
        for y in range(9 - i, 10 + i + 1):
            exit_[y][16 - i] = RED
    out['exit'] = exit_
    return out




def write_magnifier_cursor(path):
    # One bit: black outline, white lens, the rest transparent (AND 1, XOR 0).
    side = 32
    ink, glass = set(), set()
    for y in range(side):
        for x in range(side):
            d = ((x - 11) ** 2 + (y - 11) ** 2) ** 0.5
            if 7 <= d <= 9:
                ink.add((x, y))
            elif d < 7:
                glass.add((x, y))
    for i in range(10):
        for w in range(3):
            ink.add((17 + i + w, 18 + i))
    xor_rows, and_rows = [], []
    for y in reversed(range(side)):
        xor_bits = and_bits = 0
        for x in range(side):
            bit = 1 << (31 - x)
            if (x, y) in glass:
                xor_bits |= bit
            elif (x, y) not in ink:
                and_bits |= bit
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    info = struct.pack('<IiiHHIIiiII', 40, side, side * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info + palette + b''.join(xor_rows) + b''.join(and_rows)
    head = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', side, side, 2, 0, 11, 11, len(image), 6 + 16)
    path.write_bytes(head + entry + image)


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, rows in pictures().items():
        write_bmp(out / f'{name}.bmp', rows)
    write_magnifier_cursor(out / 'lupa.cur')


if __name__ == '__main__':
    main()
