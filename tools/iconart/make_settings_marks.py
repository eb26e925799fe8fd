#!/usr/bin/env python3
"""Draws the Settings page's row marks as one 96 x 16 24-bit .bmp strip of six 16 x 16 images
on the mask colour cyan: 0 a ticked box, 1 a group heading, 2 an empty box, 3 a box that cannot
be changed, 4 the heading of a group with changes not yet applied, 5 a number row.

Run by a developer when the artwork changes; the result is kept in src/ui/res/settings.
Usage: make_settings_marks.py OUTDIR
"""
import os
import sys

import icoart
from icoart import polygon, rect, segment, union
from make_page_bitmaps import (BLACK, CARD, GOLD, NIGHT, OUTLINE, SKY, bmp_bytes, glint)

SIZE = 16
MASK = (0, 255, 255)
GREY = (160, 160, 160)
PALE_GREY = (225, 225, 225)


def box(c, fill=CARD, outline=OUTLINE):
    c.paint(rect(3, 3, 29, 29), fill, outline, width=1)


def ticked(c):
    box(c)
    c.paint(union(segment((8, 16), (13.5, 22), 2.6), segment((13.5, 22), (24, 9), 2.6)), NIGHT, None)


def heading(c):
    c.paint(glint(16, 16, 14, 4.5), SKY, OUTLINE)


def empty(c):
    box(c)


def fixed(c):
    box(c, PALE_GREY, GREY)


def changed_heading(c):
    c.paint(glint(16, 16, 14, 4.5), GOLD, OUTLINE)


def number(c):
    box(c)
    c.paint(polygon([(16, 6), (23, 13.5), (9, 13.5)]), NIGHT, None)
    c.paint(polygon([(9, 18.5), (23, 18.5), (16, 26)]), NIGHT, None)


MARKS = [ticked, heading, empty, fixed, changed_heading, number]


def strip():
    rows = [[MASK] * (SIZE * len(MARKS)) for _ in range(SIZE)]
    for i, draw in enumerate(MARKS):
        canvas = icoart.Canvas(SIZE)
        draw(canvas)
        for y, line in enumerate(canvas.px):
            for x, colour in enumerate(line):
                if colour is not None:
                    rows[y][i * SIZE + x] = colour
    return rows


def main():
    if len(sys.argv) != 2:
        sys.stderr.write('usage: make_settings_marks.py OUTDIR\n')
        return 2
    os.makedirs(sys.argv[1], exist_ok=True)
    with open(os.path.join(sys.argv[1], 'marks.bmp'), 'wb') as f:
        f.write(bmp_bytes(strip()))
    return 0


if __name__ == '__main__':
    sys.exit(main())
