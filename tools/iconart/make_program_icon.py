#!/usr/bin/env python3
"""Draws Glimmerdeck's program icon (three stacked cards with a glint) as a 32-bit .ico.

Run by a developer when the artwork changes; the result is kept in src/ui/res.
Usage: make_program_icon.py OUT.ico
"""
import sys

import icoart


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


def main():
    sizes = (16, 32, 48)
    data = icoart.ico_bytes([(n, 32, icoart.image_bytes(draw(n), 32)) for n in sizes])
    with open(sys.argv[1], 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    main()
