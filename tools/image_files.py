"""Writes the pictures the drawing scripts make: 24-bit BMP files and
32-bit icon files with their AND masks. Pixel rows run top to bottom, each
pixel (r, g, b) for a BMP and (r, g, b, a) for an icon, a = 0 being
transparent."""
import struct


def write_bmp(path, rows):
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = b''.join(bytes((b, g, r)) for (r, g, b) in row)
        data += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    path.write_bytes(head + info + bytes(data))


def icon_rows(size, colour_at):
    """The rows of a size x size icon drawn on a 32-pixel grid:
    colour_at(px, py, s) gives the (r, g, b) at the pixel's centre (px, py),
    s being the scale to 32 pixels, or None where the icon is transparent."""
    s = size / 32.0
    return [[colour + (255,) if colour else (0, 0, 0, 0)
             for colour in (colour_at(x + 0.5, y + 0.5, s) for x in range(size))]
            for y in range(size)]


def icon_image(rows):
    """One icon image: BITMAPINFOHEADER, 32-bit XOR rows, 1-bit AND mask."""
    size = len(rows)
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


def write_ico(path, draw, sizes):
    """An icon file with one image per size, draw(size) giving its rows."""
    images = [icon_image(draw(s)) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    path.write_bytes(out + b''.join(images))
