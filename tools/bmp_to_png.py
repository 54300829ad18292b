#!/usr/bin/env python3
"""Turns the 24-bit BMP files that the screenshot tests save into PNG files
for docs/, optionally enlarged by a whole factor.

usage: bmp_to_png.py IN.bmp OUT.png [SCALE]
"""
import struct
import sys
import zlib
from pathlib import Path


def read_bmp(path):
    data = Path(path).read_bytes()
    offset = struct.unpack_from('<I', data, 10)[0]
    width, height, _, bits = struct.unpack_from('<iiHH', data, 18)
    if bits != 24:
        sys.exit(f'{path}: only 24-bit pictures')
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        start = offset + y * stride
        line = data[start:start + width * 3]
        rows.append(bytes(b for i in range(0, len(line), 3) for b in (line[i + 2], line[i + 1], line[i])))
    return width, abs(height), rows if height < 0 else rows[::-1]


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    raw = b''.join(b'\0' + row for row in rows)
    png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')
    Path(path).write_bytes(png)


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    scale = int(sys.argv[3]) if len(sys.argv) == 4 else 1
    width, height, rows = read_bmp(sys.argv[1])
    big = []
    for row in rows:
        line = b''.join(row[x * 3:x * 3 + 3] * scale for x in range(width))
        big.extend([line] * scale)
    write_png(sys.argv[2], width * scale, height * scale, big)


if __name__ == '__main__':
    main()
