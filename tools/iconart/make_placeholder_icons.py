#!/usr/bin/env python3
"""Draws the placeholder icons that glimmerdeck.exe carries for the Package Builder slots,
the missing-image and changed markers of the slot lists, and the .rc fragment that lists them.

The catalogue names placeholders by icon index, which is the position of the icon group in the
executable: the program icon (128) is index 0, so placeholder index i gets identifier 128 + i
and the identifiers must stay ascending. The markers are loaded by identifier (276 and 278) and
come last.

Each icon has a category shape and colour and a short label of its slot (cursor slots are drawn
as the cursor they stand for), in 16, 32 and 48 pixels, each in 4, 8 and 32 bits per pixel.

Run by a developer when the artwork changes; the results are kept in the repository.
Usage: make_placeholder_icons.py [--out DIR] [--rc FILE]
       (defaults: src/ui/res/placeholders and src/ui/placeholder_icons.rc2 of this checkout)
"""
import argparse
import math
import os
import sys

import icoart
from icoart import circle, polygon, rect, ring, segment, transformed, union

SIZES = (16, 32, 48)
DEPTHS = (4, 8, 32)
FIRST_PLACEHOLDER_ID = 129
MISSING_ID = 276
CHANGED_ID = 278

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
SILVER = (192, 192, 192)
GREY = (128, 128, 128)

# index: (category, label, slot name). Labels are at most three characters of the pixel font.
SLOTS = {
    1: ('desktop', 'DOC', 'My Documents'),
    2: ('desktop', 'PC', 'My Computer'),
    3: ('desktop', 'NET', 'Network Neighborhood'),
    4: ('desktop', 'IE', 'Internet Explorer / Internet'),
    5: ('desktop', 'IN', 'In Box'),
    6: ('desktop', 'BRF', 'My Briefcase'),
    7: ('desktop', 'RB', 'Recycle Bin (empty)'),
    8: ('desktop', 'RB+', 'Recycle Bin (full)'),
    9: ('start', 'PRG', 'Programs'),
    10: ('start', 'FAV', 'Favorites'),
    11: ('start', 'DOC', 'Documents'),
    12: ('start', 'SET', 'Settings'),
    13: ('start', 'FND', 'Find'),
    14: ('start', 'HLP', 'Help'),
    15: ('start', 'RUN', 'Run...'),
    16: ('start', 'LOG', 'Log Off...'),
    17: ('start', 'SUS', 'Suspend'),
    18: ('start', 'OFF', 'Shut Down...'),
    19: ('start', 'CPL', 'Settings - Control Panel'),
    20: ('start', 'PRN', 'Settings - Printers'),
    21: ('folder', 'CLS', 'Closed Folder'),
    22: ('folder', 'OPN', 'Open Folder'),
    23: ('folder', 'PG', 'Program Group'),
    24: ('folder', 'UPG', 'Users Program Group'),
    25: ('folder', 'CPL', 'Control Panel'),
    26: ('folder', 'ADM', 'Administrative Tools'),
    27: ('folder', 'FNT', 'Fonts'),
    28: ('folder', 'DUN', 'Dial-Up Networking'),
    29: ('folder', 'PRN', 'Printers'),
    30: ('folder', 'SCH', 'Scheduled Tasks'),
    31: ('folder', 'WEB', 'Web Folders'),
    32: ('folder', 'AX', 'ActiveX Cache'),
    33: ('folder', 'FAV', 'Favorites'),
    34: ('folder', 'SUB', 'Subscriptions'),
    35: ('folder', 'URL', 'Url History'),
    36: ('drive', 'FD5', 'Floppy Drive 5 1/4'),
    37: ('drive', 'FD3', 'Floppy Drive 3 1/2'),
    38: ('drive', 'HD', 'Hard Drive'),
    39: ('drive', 'NET', 'Network Drive (connected)'),
    40: ('drive', 'NT-', 'Network Drive (offline)'),
    41: ('drive', 'CD', 'CD-ROM Drive'),
    42: ('drive', 'RMV', 'Removable Drive'),
    43: ('drive', 'RAM', 'RAM Drive'),
    44: ('other', 'LNK', 'Shortcut Overlay'),
    45: ('other', 'SHR', 'Sharing Overlay'),
    46: ('other', 'DSK', 'Desktop'),
    47: ('other', 'ENT', 'Entire Network'),
    48: ('other', 'WG', 'Workgroup'),
    49: ('other', 'PC', 'Computer'),
    50: ('other', 'CDA', 'Audio CD'),
    51: ('file', 'BMP', 'Bitmap Image'),
    52: ('file', 'INI', 'Configuration Settings'),
    53: ('file', 'DEF', 'Default Icon'),
    54: ('file', 'DOC', 'Default Document'),
    55: ('file', 'GIF', 'GIF Image'),
    56: ('file', 'HTM', 'Internet Document'),
    57: ('file', 'JPG', 'JPEG Image'),
    58: ('file', 'MED', 'Media Clip'),
    59: ('file', 'MID', 'MIDI Sequence'),
    60: ('file', 'MPG', 'Movie Clip'),
    61: ('file', 'EXE', 'MS-DOS Application'),
    62: ('file', 'BAT', 'MS-DOS Batch File'),
    63: ('file', 'RTF', 'Rich Text Format'),
    64: ('file', 'TXT', 'Text Document'),
    65: ('file', 'AVI', 'Video Clip'),
    66: ('file', 'WAV', 'Wave Sound'),
    67: ('file', 'WRI', 'Write Document'),
    68: ('file', 'ZIP', 'Zip File'),
    69: ('cursor', 'arrow', 'Normal Select'),
    70: ('cursor', 'help', 'Help Select'),
    71: ('cursor', 'appstarting', 'Working In Background'),
    72: ('cursor', 'wait', 'Busy'),
    73: ('cursor', 'cross', 'Precision Select'),
    74: ('cursor', 'ibeam', 'Text Select'),
    75: ('cursor', 'pen', 'Handwriting'),
    76: ('cursor', 'no', 'Unavailable'),
    77: ('cursor', 'size_ns', 'Vertical Resize'),
    78: ('cursor', 'size_we', 'Horizontal Resize'),
    79: ('cursor', 'size_nwse', 'Diagonal Resize 1'),
    80: ('cursor', 'size_nesw', 'Diagonal Resize 2'),
    81: ('cursor', 'move', 'Move'),
    82: ('cursor', 'uparrow', 'Alternate Select'),
    83: ('cursor', 'hand', 'Hand'),
    84: ('start', 'EML', 'E-mail'),
    85: ('start', 'TSK', 'Settings - Taskbar and Start Menu'),
    86: ('folder', 'MUS', 'My Music'),
    87: ('folder', 'PIC', 'My Pictures'),
    88: ('folder', 'VID', 'My Videos'),
    89: ('other', 'SVC', 'Network Service'),
}
PLACEHOLDER_COUNT = 89


def label_scale(size):
    return {16: 1, 32: 2, 48: 3}[size]


def outline_width(size):
    return 2 if size >= 48 else 1


# --- Category artwork: each draws its shape; the label goes in the category's box (design
# units, inside the outlines) in the category's text colour. -----------------------------------

def draw_desktop(c, index):
    """A monitor with a teal screen."""
    w = outline_width(c.n)
    c.paint(union(rect(7, 25, 25, 30), rect(12, 22, 20, 26)), SILVER, BLACK, w)
    c.paint(rect(0, 2, 32, 24), SILVER, BLACK, w)
    c.paint(rect(2, 4, 30, 22), (0, 128, 128), BLACK, 1)


def draw_start(c, index):
    """A start-menu panel: grey menu body with a blue banner down its left side."""
    w = outline_width(c.n)
    c.paint(rect(0, 2, 32, 30), SILVER, BLACK, w)
    c.paint(rect(0, 2, 7, 30), (0, 0, 128), BLACK, w)


def draw_folder(c, index):
    """A yellow folder with a tab; the open folder's front leans back."""
    w = outline_width(c.n)
    c.paint(union(rect(0, 4, 13, 9), rect(0, 7, 32, 30)), (200, 160, 40), BLACK, w)
    if index == OPEN_FOLDER:
        c.paint(polygon([(2, 11), (32, 11), (30, 30), (0, 30)]), (255, 230, 100), BLACK, w)
    else:
        c.paint(rect(0, 10, 32, 30), (255, 220, 80), BLACK, w)


def draw_drive(c, index):
    """A drive: a grey box with a green light."""
    c.paint(rect(0, 8, 32, 26), SILVER, BLACK, outline_width(c.n))
    c.paint(rect(24, 22, 29, 24.5), (0, 200, 0), None)


def draw_other(c, index):
    """A purple disc."""
    c.paint(circle(16, 16, 16), (128, 0, 128), BLACK, outline_width(c.n))


def draw_file(c, index):
    """A page with a folded corner and a dark red label band across it."""
    w = outline_width(c.n)
    c.paint(polygon([(5, 0), (21, 0), (27, 6), (27, 32), (5, 32)]), WHITE, BLACK, w)
    c.paint(polygon([(21, 0), (21, 6), (27, 6)]), SILVER, BLACK, 1)
    c.paint(rect(0, 9, 32, 24), (128, 0, 0), BLACK, w)


OPEN_FOLDER = 22
CATEGORY_ART = {
    'desktop': (draw_desktop, (3, 5, 29, 21), WHITE),
    'start': (draw_start, (7.5, 4, 30, 28), BLACK),
    'folder': (draw_folder, (2, 12, 30, 28), BLACK),
    'drive': (draw_drive, (2, 10, 30, 21), BLACK),
    'other': (draw_other, (3, 7, 29, 25), WHITE),
    'file': (draw_file, (1, 10.5, 31, 22.5), WHITE),
}


def label_box(index):
    category = SLOTS[index][0]
    return (3, 12, 29, 28) if index == OPEN_FOLDER else CATEGORY_ART[category][1]


def label_style(category, size):
    """The largest text scale that fits every label of a category, so that the icons of one
    category look alike."""
    members = [i for i, slot in SLOTS.items() if slot[0] == category]
    for scale in range(label_scale(size), 0, -1):
        if all(label_fits(i, size, scale, False) for i in members):
            return scale
    raise ValueError('labels of %s do not fit at %d pixels' % (category, size))


def label_fits(index, size, scale, wide):
    x0, y0, x1, y1 = icoart.Canvas(size).box_pixels(label_box(index))
    w, h = icoart.text_size(SLOTS[index][1], scale, wide)
    return w <= x1 - x0 and h <= y1 - y0


def draw_labelled(size, index):
    category, label, _ = SLOTS[index]
    c = icoart.Canvas(size)
    draw, _, colour = CATEGORY_ART[category]
    draw(c, index)
    scale = label_style(category, size)
    # Wide M, N and W read better but need room: not at 16 pixels, and only where they fit.
    wide = size >= 32 and label_fits(index, size, scale, True)
    c.text_centred(label, label_box(index), colour, scale, wide)
    return c


# --- Cursor artwork: each looks like the system cursor its slot replaces. --------------------

ARROW = [(0, 0), (0, 22), (5, 17), (9, 26), (13, 24.5), (9, 16), (16, 16)]
HOURGLASS = [(0, 0), (12, 0), (12, 2), (7.5, 9), (12, 16), (12, 18), (0, 18), (0, 16), (4.5, 9),
             (0, 2)]


def double_arrow(half_length, angle, head=7.0, half_head=7.0, half_shaft=2.0):
    """A two-headed arrow centred in the icon, along the given angle."""
    h, b = half_length, half_length - head
    pts = [(-h, 0), (-b, -half_head), (-b, -half_shaft), (b, -half_shaft), (b, -half_head),
           (h, 0), (b, half_head), (b, half_shaft), (-b, half_shaft), (-b, half_head)]
    return polygon(transformed(pts, angle, 1.0, 16, 16))


def cursor_arrow(c, scale=1.2, dx=3, dy=2):
    c.paint(polygon(transformed(ARROW, 0, scale, dx, dy)), WHITE, BLACK, outline_width(c.n))


def cursor_hourglass(c, scale, dx, dy):
    glass = polygon(transformed(HOURGLASS, 0, scale, dx, dy))
    c.paint(glass, WHITE, BLACK, outline_width(c.n))
    sand = union(polygon(transformed([(3, 4), (9, 4), (6, 8)], 0, scale, dx, dy)),
                 polygon(transformed([(6, 11), (10, 16), (2, 16)], 0, scale, dx, dy)))
    c.paint(lambda u, v, p: sand(u, v, p) and glass(u, v, p), (230, 180, 0), None)
    c.paint(union(rect(dx - scale, dy - scale, dx + 13 * scale, dy + 1.5 * scale),
                  rect(dx - scale, dy + 16.5 * scale, dx + 13 * scale, dy + 19 * scale)),
            (90, 60, 20), BLACK, 1)


def dark_with_halo(c, shape):
    """Black cursor shapes carry a white border so they show on dark backgrounds."""
    c.halo(shape, WHITE, 1)
    c.paint(shape, BLACK, None)


def draw_cursor(size, kind):
    c = icoart.Canvas(size)
    w = outline_width(size)
    if kind == 'arrow':
        cursor_arrow(c)
    elif kind == 'help':
        cursor_arrow(c, 1.0, 2, 2)
        scale = label_scale(size) * 2 if size < 48 else 4
        left, top = size - 3 * scale - max(1, size // 16), size // 4
        c.text('?', left, top, BLACK, scale)
    elif kind == 'appstarting':
        cursor_arrow(c, 1.0, 2, 1)
        cursor_hourglass(c, 0.8, 20, 16)
    elif kind == 'wait':
        cursor_hourglass(c, 1.45, 7.3, 2.5)
    elif kind == 'cross':
        dark_with_halo(c, union(segment((16, 1), (16, 12), 0.5), segment((16, 20), (16, 31), 0.5),
                                segment((1, 16), (12, 16), 0.5), segment((20, 16), (31, 16), 0.5)))
    elif kind == 'ibeam':
        dark_with_halo(c, union(rect(14.5, 4, 17.5, 28), rect(9, 2, 14.5, 4.5),
                                rect(17.5, 2, 23, 4.5), rect(9, 27.5, 14.5, 30),
                                rect(17.5, 27.5, 23, 30), rect(12, 15, 20, 17)))
    elif kind == 'pen':
        body = [(-3, -14), (3, -14), (3, 6), (0, 12), (-3, 6)]
        c.paint(polygon(transformed(body, 45, 1.3, 17, 15)), WHITE, BLACK, w)
        c.paint(polygon(transformed([(-3, 6), (3, 6), (0, 12)], 45, 1.3, 17, 15)), BLACK, None)
        c.paint(polygon(transformed([(-3, -14), (3, -14), (3, -9), (-3, -9)], 45, 1.3, 17, 15)),
                (0, 0, 200), BLACK, 1)
    elif kind == 'no':
        slash = polygon(transformed([(-13, -2.2), (13, -2.2), (13, 2.2), (-13, 2.2)], 45, 1, 16, 16))
        shape = union(ring(16, 16, 15, 10.5), slash)
        clipped = lambda u, v, p: shape(u, v, p) and (u - 16) ** 2 + (v - 16) ** 2 <= 15 * 15
        c.paint(clipped, (220, 0, 0), BLACK if size >= 32 else None, 1)
    elif kind in ('size_ns', 'size_we', 'size_nwse', 'size_nesw'):
        angle, half = {'size_ns': (90, 14.5), 'size_we': (0, 14.5),
                       'size_nwse': (45, 17), 'size_nesw': (135, 17)}[kind]
        dark_with_halo(c, double_arrow(half, angle))
    elif kind == 'move':
        dark_with_halo(c, union(double_arrow(15, 0, 6, 6, 1.6), double_arrow(15, 90, 6, 6, 1.6)))
    elif kind == 'uparrow':
        arrow = [(0, -14), (8, -4), (2.2, -4), (2.2, 14), (-2.2, 14), (-2.2, -4), (-8, -4)]
        dark_with_halo(c, polygon(transformed(arrow, 0, 1.05, 16, 16)))
    elif kind == 'hand':
        hand = union(
            rect(9, 3, 14, 19), circle(11.5, 3.5, 2.5),               # pointing finger
            rect(14, 11, 19, 19), circle(16.5, 11.5, 2.5),            # middle finger
            rect(19, 12.5, 24, 19), circle(21.5, 13, 2.5),            # ring finger
            rect(24, 14, 28, 22), circle(26, 14.5, 2),                # little finger
            polygon([(9, 14), (9, 24), (3, 18), (2, 20), (8, 28), (10, 31), (26, 31),
                     (28, 22), (28, 17), (9, 17)]),                   # palm and thumb
        )
        c.paint(hand, WHITE, BLACK, w)
        for x in (14, 19, 24):
            c.paint(rect(x - 0.5, 14.5, x + 0.5, 19), BLACK, None)
    else:
        raise ValueError(kind)
    return c


# --- Markers of the slot lists. --------------------------------------------------------------

def draw_missing(size):
    """No image could be extracted: a red cross on a white card."""
    c = icoart.Canvas(size)
    c.paint(rect(1, 1, 31, 31), WHITE, GREY, outline_width(size))
    c.paint(union(segment((7, 7), (25, 25), 2.6), segment((25, 7), (7, 25), 2.6)), (220, 0, 0), None)
    return c


def draw_changed(size):
    """A changed slot: a gold star, kept in the left part of the icon because the list draws it
    overlapping the left edge of the slot's own icon."""
    c = icoart.Canvas(size)
    pts = []
    # Small icons are not drawn over another icon, so there the star may fill the square.
    cx, cy, r_out = (16, 16.5, 16) if size < 32 else (9.5, 10, 9)
    for i in range(10):
        r = r_out if i % 2 == 0 else r_out * 0.42
        a = math.radians(-90 + 36 * i)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.paint(polygon(pts), (255, 200, 0), (160, 80, 0), outline_width(size))
    return c


# ---------------------------------------------------------------------------------------------

def placeholder_canvas(index, size):
    category, label, _ = SLOTS[index]
    if category == 'cursor':
        return draw_cursor(size, label)
    return draw_labelled(size, index)


def icon_file(draw):
    images = []
    for size in reversed(SIZES):
        rows = draw(size).rows()
        for bits in DEPTHS:
            images.append((size, bits, icoart.image_bytes(rows, bits)))
    return icoart.ico_bytes(images)


def check_table():
    assert sorted(SLOTS) == list(range(1, PLACEHOLDER_COUNT + 1)), 'every index needs art'
    seen = set()
    for index, (category, label, _) in SLOTS.items():
        assert (category, label) not in seen, 'two slots would look alike: %d' % index
        seen.add((category, label))
        if category != 'cursor':
            assert len(label) <= 3 and all(ch in icoart.FONT for ch in label), label


def rc_fragment():
    lines = [
        '// Generated by tools/iconart/make_placeholder_icons.py; edit the generator, not this file.',
        '// The catalogue finds these icons by their position in the executable (the program icon',
        '// 128 is index 0), so their identifiers must stay ascending and follow 128 without gaps.',
    ]
    for index in range(1, PLACEHOLDER_COUNT + 1):
        lines.append('%d ICON "res/placeholders/p%02d.ico" // index %d: %s'
                     % (FIRST_PLACEHOLDER_ID + index - 1, index, index, SLOTS[index][2]))
    lines.append('// Markers of the slot lists, loaded by identifier.')
    lines.append('%d ICON "res/placeholders/missing.ico"' % MISSING_ID)
    lines.append('%d ICON "res/placeholders/changed.ico"' % CHANGED_ID)
    return '\n'.join(lines) + '\n'


def main():
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--out', default=os.path.join(root, 'src', 'ui', 'res', 'placeholders'))
    parser.add_argument('--rc', default=os.path.join(root, 'src', 'ui', 'placeholder_icons.rc2'))
    args = parser.parse_args()
    check_table()
    os.makedirs(args.out, exist_ok=True)
    outputs = [('p%02d.ico' % i, lambda n, i=i: placeholder_canvas(i, n))
               for i in range(1, PLACEHOLDER_COUNT + 1)]
    outputs += [('missing.ico', draw_missing), ('changed.ico', draw_changed)]
    for name, draw in outputs:
        with open(os.path.join(args.out, name), 'wb') as f:
            f.write(icon_file(draw))
    with open(args.rc, 'w', newline='\n') as f:
        f.write(rc_fragment())
    return 0


if __name__ == '__main__':
    sys.exit(main())
