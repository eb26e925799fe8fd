#!/usr/bin/env python3
"""Draws the program's strips of 16 x 16 pictures as 24-bit .bmp files on the mask colour cyan:

settings/marks.bmp, the Settings page's row marks: 0 a ticked box, 1 a group heading, 2 an
empty box, 3 a box that cannot be changed, 4 the heading of a group with changes not yet
applied, 5 a number row.
preview/toolbar.bmp, the Preview window's buttons: 0 previous category, 1 next category,
2 copy image, 3 package information.

Run by a developer when the artwork changes; the results are kept in src/ui/res.
Usage: make_strips.py RESDIR
"""
import os
import sys

import icoart
from icoart import circle, polygon, rect, segment, union
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


def arrow(c, pointing_right):
    tip, back = (27, 5) if pointing_right else (5, 27)
    middle = 15 if pointing_right else 17
    c.paint(polygon([(tip, 16), (middle, 4), (middle, 11), (back, 11), (back, 21), (middle, 21), (middle, 28)]),
            SKY, OUTLINE)


def previous(c):
    arrow(c, False)


def following(c):
    arrow(c, True)


def copy(c):
    c.paint(rect(3, 3, 20, 23), CARD, OUTLINE)
    c.paint(rect(12, 9, 29, 29), CARD, OUTLINE)
    c.paint(glint(20.5, 19, 6.5, 2), GOLD, None)


def information(c):
    c.paint(circle(16, 16, 14), NIGHT, OUTLINE)
    c.paint(circle(16, 9, 2.6), CARD, None)
    c.paint(rect(13.5, 13.5, 18.5, 25), CARD, None)


BUTTONS = [previous, following, copy, information]


def strip(pictures):
    rows = [[MASK] * (SIZE * len(pictures)) for _ in range(SIZE)]
    for i, draw in enumerate(pictures):
        canvas = icoart.Canvas(SIZE)
        draw(canvas)
        for y, line in enumerate(canvas.px):
            for x, colour in enumerate(line):
                if colour is not None:
                    rows[y][i * SIZE + x] = colour
    return rows


def main():
    if len(sys.argv) != 2:
        sys.stderr.write('usage: make_strips.py RESDIR\n')
        return 2
    for folder, name, pictures in (('settings', 'marks.bmp', MARKS), ('preview', 'toolbar.bmp', BUTTONS)):
        os.makedirs(os.path.join(sys.argv[1], folder), exist_ok=True)
        with open(os.path.join(sys.argv[1], folder, name), 'wb') as f:
            f.write(bmp_bytes(strip(pictures)))
    return 0


if __name__ == '__main__':
    sys.exit(main())
