#!/usr/bin/env python3
"""Draws Glimmerdeck's program icon (three stacked cards with a glint) as a 32-bit .ico.

Run by a developer when the artwork changes; the result is kept in src/ui/res.
Usage: make_program_icon.py OUT.ico
"""
import struct
import sys


def draw(size):
    """RGBA rows, top row first."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    s = size / 32.0
    cards = [(3, 9, (70, 90, 160)), (7, 6, (90, 140, 210)), (11, 3, (250, 250, 255))]
    for x0, y0, colour in cards:
        x0, y0 = int(x0 * s), int(y0 * s)
        w, h = int(18 * s), int(24 * s)
        for y in range(y0, min(size, y0 + h)):
            for x in range(x0, min(size, x0 + w)):
                edge = x in (x0, x0 + w - 1) or y in (y0, y0 + h - 1)
                px[y][x] = (40, 40, 60, 255) if edge else colour + (255,)
    # The glint: a four-pointed star on the front card.
    cx, cy, r = int(20 * s), int(15 * s), max(2, int(6 * s))
    for d in range(-r, r + 1):
        for x, y in ((cx + d, cy), (cx, cy + d)):
            if 0 <= x < size and 0 <= y < size:
                px[y][x] = (240, 180, 20, 255)
    return px


def image_bytes(size):
    rows = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def main():
    sizes = (16, 32, 48)
    images = [image_bytes(n) for n in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(sys.argv[1], 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
