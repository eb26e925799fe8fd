#!/usr/bin/env python3
"""Draws the program's strips of 16 x 16 pictures as 24-bit .bmp files on the mask colour cyan:

settings/marks.bmp, the Settings page's row marks: 0 a ticked box, 1 a group heading, 2 an
empty box, 3 a box that cannot be changed, 4 the heading of a group with changes not yet
applied, 5 a number row.
preview/toolbar.bmp, the Preview window's buttons: 0 previous category, 1 next category,
2 copy image, 3 package information.
icons/tabs.bmp, the Icons & Cursors page's tabs: desktop, start menu, folders, drives, other
icons, file types, cursors, Quick Launch.

Run by a developer when the artwork changes; the results are kept in src/ui/res.
Usage: make_strips.py RESDIR
"""
import os
import sys

import icoart
from icoart import circle, polygon, rect, segment, union
from make_page_bitmaps import (CARD, GOLD, NIGHT, OUTLINE, PALE_GOLD, SKY, bmp_bytes, glint)

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


def desktop(c):
    c.paint(rect(2, 4, 30, 23), NIGHT, OUTLINE)
    c.paint(rect(5, 7, 27, 20), SKY, None)
    c.paint(rect(11, 23, 21, 28), GREY, OUTLINE)
    c.paint(rect(7, 27, 25, 30), GREY, OUTLINE)


def start(c):
    c.paint(rect(2, 2, 18, 30), CARD, OUTLINE)
    for y in (7, 13, 19):
        c.paint(rect(5, y, 15, y + 3), SKY, None)
    c.paint(glint(23, 22, 8, 2.5), GOLD, OUTLINE)


def folder(c):
    c.paint(union(rect(2, 6, 14, 11), rect(2, 9, 30, 27)), GOLD, OUTLINE)
    c.paint(rect(2, 12, 30, 27), PALE_GOLD, OUTLINE)


def drive(c):
    c.paint(rect(2, 10, 30, 24), PALE_GREY, OUTLINE)
    c.paint(rect(20, 15, 26, 19), (60, 180, 60), None)


def others(c):
    c.paint(circle(16, 16, 13), SKY, OUTLINE)
    c.paint(union(rect(14.5, 4, 17.5, 28), rect(4, 14.5, 28, 17.5)), NIGHT, None)


def file_type(c):
    c.paint(polygon([(6, 2), (20, 2), (26, 8), (26, 30), (6, 30)]), CARD, OUTLINE)
    for y in (12, 17, 22):
        c.paint(rect(10, y, 22, y + 2), SKY, None)


def cursor(c):
    c.paint(polygon([(8, 2), (8, 26), (13.5, 20.5), (17.5, 29), (21.5, 27), (17.5, 19), (25, 19)]), CARD, OUTLINE)


def quick_launch(c):
    c.paint(polygon([(19, 2), (7, 18), (15, 18), (12, 30), (25, 12), (17, 12)]), GOLD, OUTLINE)


TABS = [desktop, start, folder, drive, others, file_type, cursor, quick_launch]


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
    strips = (('settings', 'marks.bmp', MARKS), ('preview', 'toolbar.bmp', BUTTONS), ('icons', 'tabs.bmp', TABS))
    for folder, name, pictures in strips:
        os.makedirs(os.path.join(sys.argv[1], folder), exist_ok=True)
        with open(os.path.join(sys.argv[1], folder, name), 'wb') as f:
            f.write(bmp_bytes(strip(pictures)))
    return 0


if __name__ == '__main__':
    sys.exit(main())
