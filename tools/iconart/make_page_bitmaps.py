#!/usr/bin/env python3
"""Draws the pictures of the main window's page list (packages, icons and cursors, settings,
explorer) as 48 x 48 24-bit .bmp files, each on the list's grey and on the selected item's white.

Run by a developer when the artwork changes; the result is kept in src/ui/res/pages.
Usage: make_page_bitmaps.py OUTDIR

The list copies the bitmaps opaquely onto its items, so each picture carries the background
of the item it is drawn on. The label sits just below the picture, so the artwork keeps a
margin of background on every side.
"""
import os
import struct
import sys

import icoart
from icoart import circle, minus, polygon, rect, ring, segment, transformed, union

SIZE = 48
MARGIN = 4
NORMAL_BACKGROUND = (128, 128, 128)
SELECTED_BACKGROUND = (255, 255, 255)

# The program icon's colours.
OUTLINE = (40, 40, 60)
NIGHT = (70, 90, 160)
SKY = (90, 140, 210)
CARD = (250, 250, 255)
GOLD = (240, 180, 20)
PALE_GOLD = (255, 215, 90)
GLASS = (190, 215, 245)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def glint(cx, cy, r, waist):
    """The four-pointed star of the program icon, as a filled shape."""
    return polygon([(cx, cy - r), (cx + waist, cy - waist), (cx + r, cy), (cx + waist, cy + waist),
                    (cx, cy + r), (cx - waist, cy + waist), (cx - r, cy), (cx - waist, cy - waist)])


def draw_packages(c):
    """A box holding a row of icon cards, the front one with the program icon's gold glint."""
    c.paint(rect(2.5, 4, 13, 20), NIGHT, OUTLINE)
    c.paint(circle(6.5, 9.5, 2.4), GOLD, None)
    c.paint(rect(19, 6, 29.5, 20), SKY, OUTLINE)
    c.paint(polygon([(25.5, 8), (28, 10.5), (25.5, 13), (23, 10.5)]), CARD, None)
    c.paint(rect(10, 1, 22, 20), CARD, OUTLINE)
    c.paint(glint(16, 8, 4.5, 1.4), GOLD, None)
    c.paint(rect(3, 17, 29, 31), NIGHT, OUTLINE)
    c.paint(rect(1.5, 15, 30.5, 19.5), SKY, OUTLINE)
    c.paint(glint(16, 25, 5.5, 1.8), GOLD, OUTLINE)


def pointer(head, tail):
    """The classic arrow pointer as pixel rows (B outline, W fill, space clear), built the way
    the system draws it: a right-angled head with a one-pixel diagonal, a notch, and a tail that
    moves one pixel right every two rows. head 9, tail 5 gives the system's own arrow."""
    rows = [['B'] + ['W'] * (r - 1) + ['B'] * (r > 0) for r in range(head + 1)]
    fill = (head + 1) // 2
    rows.append(['B'] + ['W'] * fill + ['B'] * (head + 1 - fill))
    for j in range(1, tail + 2):
        line = [' '] * (head + 2)
        stem = fill - 1 - j                    # below the notch the body narrows to the left edge
        if stem >= 0:
            line[0] = 'B'
            for x in range(1, stem):
                line[x] = 'W'
            line[stem] = 'B'
        left = fill - 2 + min(j, tail) // 2
        if j <= tail:
            line[left] = line[left + 3] = 'B'
            line[left + 1] = line[left + 2] = 'W'
        else:                                  # the end closes under the last row's fill
            line[left + 1] = line[left + 2] = 'B'
        rows.append(line)
    return [''.join(line).rstrip() for line in rows]


def draw_icons(c):
    """A desktop icon (a framed picture of a sun over hills) with the mouse pointer on it."""
    c.paint(rect(1, 1, 24, 24), CARD, OUTLINE)
    c.paint(rect(3.5, 3.5, 21.5, 21.5), SKY, OUTLINE)
    c.paint(circle(15.5, 9, 3.2), GOLD, OUTLINE)
    hills = polygon([(3.5, 21.5), (3.5, 15), (9, 10.5), (14, 15.5), (17, 13), (21.5, 17),
                     (21.5, 21.5)])
    c.paint(lambda u, v, p: hills(u, v, p) and 3.5 <= u < 21.5 and v < 21.5, NIGHT, OUTLINE)
    # Drawn pixel for pixel: scaled, the pointer's thin diagonal outline breaks up.
    left, top = c.n * 21 // 32, c.n * 14 // 32
    for y, line in enumerate(pointer(12, 7)):
        for x, cell in enumerate(line):
            if cell != ' ':
                c.px[top + y][left + x] = BLACK if cell == 'B' else WHITE


def draw_settings(c):
    """A gear with a gold hub."""
    teeth = [polygon(transformed([(-2.6, -15), (2.6, -15), (3.4, -9), (-3.4, -9)], 45 * i, 1.0,
                                 16, 16)) for i in range(8)]
    gear = minus(union(circle(16, 16, 11), *teeth), circle(16, 16, 4))
    c.paint(gear, SKY, OUTLINE)
    c.paint(ring(16, 16, 7, 4), GOLD, OUTLINE)


def draw_explorer(c):
    """A gold folder looked into with a magnifying glass."""
    c.paint(union(rect(1, 4, 13, 9), rect(1, 7, 27, 26)), GOLD, OUTLINE)
    c.paint(rect(1, 10, 27, 26), PALE_GOLD, OUTLINE)
    c.paint(segment((24, 24), (29.5, 29.5), 2.2), NIGHT, OUTLINE)
    # A plain dark rim: a blue one between two outlines breaks up into single pixels.
    c.paint(circle(20, 19, 7.5), OUTLINE, None)
    c.paint(circle(20, 19, 5.8), GLASS, None)
    c.paint(segment((16.5, 16), (18, 14.5), 0.6), WHITE, None)


PAGES = [
    ('packages', draw_packages),
    ('icons', draw_icons),
    ('settings', draw_settings),
    ('explorer', draw_explorer),
]


def brighter(colour, amount):
    return tuple(int(round(v + (255 - v) * amount)) for v in colour)


def picture(draw, background, lift=0.0):
    """RGB rows, top row first: the artwork drawn inside the margin on a solid background."""
    inner = icoart.Canvas(SIZE - 2 * MARGIN)
    draw(inner)
    rows = [[background] * SIZE for _ in range(SIZE)]
    for y, line in enumerate(inner.px):
        for x, colour in enumerate(line):
            if colour is not None:
                # The outlines stay dark so the picture keeps its edge on white.
                keep = colour in (OUTLINE, BLACK, WHITE)
                rows[MARGIN + y][MARGIN + x] = colour if keep else brighter(colour, lift)
    return rows


def bmp_bytes(rows):
    """A 24-bit uncompressed bottom-up .bmp file from RGB rows, top row first."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray(b''.join(bytes((b, g, r)) for r, g, b in row))
        line += bytes(stride - len(line))
        data += line
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + bytes(data)


def main():
    if len(sys.argv) != 2:
        sys.stderr.write('usage: make_page_bitmaps.py OUTDIR\n')
        return 2
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, draw in PAGES:
        for variant, background, lift in (('normal', NORMAL_BACKGROUND, 0.0),
                                          ('selected', SELECTED_BACKGROUND, 0.1)):
            with open(os.path.join(out, '%s_%s.bmp' % (name, variant)), 'wb') as f:
                f.write(bmp_bytes(picture(draw, background, lift)))
    return 0


if __name__ == '__main__':
    sys.exit(main())
