#!/usr/bin/env python3
"""Draws the sample icon package "Glimmer Sample" and zips it as samples/Glimmer Sample.gd.

The package carries icons of every category and cursors, all our own artwork (a night-blue and
gold "glimmer" look), each icon in 16, 32 and 48 pixels at 4, 8 and 32 bits per pixel, two
cursors (.cur) and two animated cursors (.ani). Its package file names every slot as packages
do (the older names: "Network Neighborhood", "The Internet", "Floppy Drive (3.5)", ...), so it
loads on every Windows version; each name is a slot of Windows XP's catalogue.

The package file is code page 1252 text with CRLF line ends, as the platform's profile writer
leaves it. The archive lists its files by name relative to the package folder, compressed with
deflate and stamped with one fixed time, so the same artwork always gives the same bytes.

Run by a developer when the artwork changes; the archive is kept in the repository.
Usage: make_sample_package.py [--out FILE] [--folder DIR]
       (default: samples/Glimmer Sample.gd of this checkout; --folder also writes the unzipped
       package folder there)
"""
import argparse
import math
import os
import struct
import sys
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'iconart'))
import icoart  # noqa: E402
from icoart import circle, minus, polygon, rect, ring, segment, transformed, union  # noqa: E402

PACKAGE = 'Glimmer Sample'
VERSION = '1.0.0'
DATE = 'December 01, 2026'
STAMP = (2026, 12, 1, 12, 0, 0)
SIZES = (16, 32, 48)
DEPTHS = (4, 8, 32)
CURSOR_SIZE = 32
CURSOR_DEPTHS = (4, 32)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
NIGHT = (24, 36, 96)
SKY = (80, 150, 230)
TEAL = (0, 140, 150)
GOLD = (245, 195, 40)
AMBER = (200, 120, 20)
PAPER = (250, 248, 232)
GREEN = (40, 160, 80)
RED = (200, 40, 50)
SILVER = (192, 192, 200)


def outline(c):
    return 2 if c.n >= 48 else 1


def sparkle(cx, cy, r, turn=0.0):
    """The four-pointed star that every icon of the package carries somewhere."""
    points = []
    for i in range(8):
        radius = r if i % 2 == 0 else r * 0.32
        a = math.radians(-90 + 45 * i + turn)
        points.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
    return polygon(points)


def add_sparkle(c, cx, cy, r, turn=0.0, colour=GOLD):
    edge = AMBER if colour == GOLD else BLACK
    c.paint(sparkle(cx, cy, r, turn), colour, edge if c.n >= 32 else None, 1)


# --- Shared pieces --------------------------------------------------------------------------

def monitor(c, x0, y0, x1, y1, screen=TEAL):
    w = outline(c)
    mid = (x0 + x1) / 2
    stand = (y1 - y0) * 0.25
    c.paint(union(rect(mid - 2.5, y1, mid + 2.5, y1 + stand * 0.6),
                  rect(mid - 6, y1 + stand * 0.5, mid + 6, y1 + stand)), SILVER, BLACK, 1)
    c.paint(rect(x0, y0, x1, y1), NIGHT, BLACK, w)
    inset = max(1.5, (x1 - x0) * 0.1)
    c.paint(rect(x0 + inset, y0 + inset, x1 - inset, y1 - inset), screen, None)


def globe(c, cx, cy, r):
    c.paint(circle(cx, cy, r), SKY, BLACK, outline(c))
    ball = circle(cx, cy, r - 0.8)
    land = union(polygon([(cx - r * 0.7, cy - r * 0.5), (cx - r * 0.1, cy - r * 0.7),
                          (cx + r * 0.1, cy - r * 0.1), (cx - r * 0.4, cy + r * 0.3)]),
                 polygon([(cx + r * 0.2, cy + r * 0.2), (cx + r * 0.8, cy),
                          (cx + r * 0.6, cy + r * 0.7), (cx + r * 0.1, cy + r * 0.8)]))
    c.paint(lambda u, v, p: land(u, v, p) and ball(u, v, p), GREEN, None)


def page(c, band=None, label=None):
    w = outline(c)
    c.paint(polygon([(5, 0), (21, 0), (27, 6), (27, 32), (5, 32)]), PAPER, BLACK, w)
    c.paint(polygon([(21, 0), (21, 6), (27, 6)]), SILVER, BLACK, 1)
    if band is not None:
        c.paint(rect(0, 10, 32, 23), band, BLACK, w)
        scale = {16: 1, 32: 2, 48: 3}[c.n]
        c.text_centred(label, (1, 10.5, 31, 22.5), WHITE, scale)


def folder(c, open_front=False):
    w = outline(c)
    c.paint(union(rect(0, 4, 13, 9), rect(0, 7, 32, 30)), AMBER, BLACK, w)
    if open_front:
        c.paint(polygon([(3, 12), (32, 12), (29, 30), (0, 30)]), GOLD, BLACK, w)
    else:
        c.paint(rect(0, 11, 32, 30), GOLD, BLACK, w)


def emblem_badge(c):
    """The round night-blue badge that folder emblems sit on, lower right."""
    c.paint(circle(22, 21, 8.5), NIGHT, BLACK, 1)


def drive_box(c, light=GREEN):
    c.paint(rect(0, 9, 32, 25), SILVER, BLACK, outline(c))
    c.paint(rect(3, 19, 22, 21), NIGHT, None)
    c.paint(rect(25, 19, 29, 21.5), light, None)


def disc(c, cx, cy, r):
    c.paint(circle(cx, cy, r), SILVER, BLACK, outline(c))
    c.paint(ring(cx, cy, r * 0.75, r * 0.55), SKY, None)
    c.paint(circle(cx, cy, r * 0.22), WHITE, BLACK, 1)


def envelope(c, x0, y0, x1, y1):
    c.paint(rect(x0, y0, x1, y1), PAPER, BLACK, outline(c))
    mid = (x0 + x1) / 2
    c.paint(union(segment((x0, y0), (mid, (y0 + y1) / 2 + 1), 0.7),
                  segment((x1, y0), (mid, (y0 + y1) / 2 + 1), 0.7)), NIGHT, None)


def magnifier(c, cx, cy, r):
    c.paint(segment((cx + r * 0.7, cy + r * 0.7), (cx + r * 1.9, cy + r * 1.9), 1.8), AMBER, None)
    c.paint(ring(cx, cy, r, r - 2.2), NIGHT, None)
    c.paint(circle(cx, cy, r - 2.2), (200, 230, 255), None)


def start_badge(c):
    c.paint(rect(0, 0, 32, 32), NIGHT, BLACK, outline(c))


# --- Desktop --------------------------------------------------------------------------------

def my_computer(c):
    monitor(c, 1, 3, 31, 23)
    add_sparkle(c, 23, 9, 5)


def my_documents(c):
    c.paint(polygon([(9, 2), (25, 2), (31, 8), (31, 30), (9, 30)]), SILVER, BLACK, 1)
    page(c)
    c.paint(union(*[rect(8, y, 24, y + 1.5) for y in (11, 15, 19, 23)]), NIGHT, None)
    add_sparkle(c, 23, 7, 5)


def network_neighborhood(c):
    c.paint(union(segment((16, 11), (16, 22), 0.8), segment((7, 22), (25, 22), 0.8)), BLACK, None)
    monitor(c, 9, 0, 23, 10)
    monitor(c, 0, 17, 14, 27)
    monitor(c, 18, 17, 32, 27)


def the_internet(c):
    globe(c, 15, 17, 14)
    add_sparkle(c, 25, 6, 6)


def recycle_bin(c, full):
    w = outline(c)
    c.paint(polygon([(5, 8), (27, 8), (24, 31), (8, 31)]), TEAL, BLACK, w)
    c.paint(union(segment((11, 12), (12, 28), 0.6), segment((16, 12), (16, 28), 0.6),
                  segment((21, 12), (20, 28), 0.6)), (0, 90, 100), None)
    c.paint(rect(3, 5, 29, 9), (0, 110, 120), BLACK, w)
    if full:
        c.paint(union(circle(11, 4, 4), circle(19, 3.5, 4.5)), PAPER, BLACK, 1)
        add_sparkle(c, 26, 3, 3.5)


# --- Start menu -----------------------------------------------------------------------------

def start_internet(c):
    start_badge(c)
    globe(c, 16, 16, 12)


def start_email(c):
    start_badge(c)
    envelope(c, 4, 8, 28, 24)


def start_help(c):
    start_badge(c)
    c.paint(circle(16, 16, 12), GOLD, BLACK, 1)
    c.text_centred('?', (4, 4, 28, 28), NIGHT, {16: 2, 32: 4, 48: 5}[c.n])


def start_find(c):
    start_badge(c)
    magnifier(c, 13, 13, 8)


def start_run(c):
    start_badge(c)
    c.paint(rect(14, 6, 28, 26), PAPER, BLACK, 1)
    c.paint(polygon([(3, 13), (13, 13), (13, 8), (22, 16), (13, 24), (13, 19), (3, 19)]),
            GOLD, BLACK, 1)


# --- Folders --------------------------------------------------------------------------------

def closed_folder(c):
    folder(c)
    add_sparkle(c, 23, 20, 6, colour=NIGHT)


def open_folder(c):
    folder(c, open_front=True)
    add_sparkle(c, 21, 21, 6, colour=NIGHT)


def program_group(c):
    folder(c)
    emblem_badge(c)
    c.paint(rect(17, 16, 27, 26), WHITE, BLACK, 1)
    c.paint(rect(17, 16, 27, 18.5), SKY, None)


def my_pictures(c):
    folder(c)
    emblem_badge(c)
    c.paint(polygon([(15, 26), (20, 17), (24, 23), (26, 20), (29, 26)]), GREEN, None)
    c.paint(circle(25, 16, 1.8), GOLD, None)


def control_panel(c):
    folder(c)
    emblem_badge(c)
    for x, y in ((18, 18), (22, 23), (26, 17)):
        c.paint(rect(x - 0.6, 15, x + 0.6, 27), WHITE, None)
        c.paint(rect(x - 1.8, y - 1.2, x + 1.8, y + 1.2), GOLD, None)


def fonts(c):
    folder(c)
    emblem_badge(c)
    c.text_centred('A', (14, 13, 30, 29), GOLD, {16: 1, 32: 2, 48: 3}[c.n])


def printers(c):
    folder(c)
    emblem_badge(c)
    c.paint(rect(18, 14, 26, 19), WHITE, None)
    c.paint(rect(15, 18, 29, 25), SILVER, BLACK, 1)


def dial_up_networking(c):
    folder(c)
    emblem_badge(c)
    c.paint(polygon([(23, 13), (17, 22), (21, 22), (19, 29), (27, 19), (23, 19), (25, 13)]),
            GOLD, None)


def favorites(c):
    folder(c)
    emblem_badge(c)
    add_sparkle(c, 22, 21, 7.5)


# --- Drives ---------------------------------------------------------------------------------

def floppy_35(c):
    w = outline(c)
    c.paint(polygon([(2, 2), (28, 2), (30, 4), (30, 30), (2, 30)]), NIGHT, BLACK, w)
    c.paint(rect(8, 2, 24, 11), SILVER, BLACK, 1)
    c.paint(rect(18, 3.5, 21, 9.5), NIGHT, None)
    c.paint(rect(6, 16, 26, 30), PAPER, BLACK, 1)
    add_sparkle(c, 16, 23, 4.5)


def hard_drive(c):
    drive_box(c)
    add_sparkle(c, 7, 14, 3.5)


def cd_rom_drive(c):
    drive_box(c, light=GOLD)
    disc(c, 20, 11, 10)


def network_drive_connected(c):
    c.paint(segment((16, 25), (16, 31), 0.9), BLACK, None)
    c.paint(rect(4, 30, 28, 32), GREEN, None)
    drive_box(c)


def removable_drive(c):
    drive_box(c)
    c.paint(rect(5, 12, 20, 15), NIGHT, None)
    add_sparkle(c, 26, 13, 3)


# --- Others ---------------------------------------------------------------------------------

def shortcut_overlay(c):
    c.paint(rect(0, 20, 12, 32), WHITE, BLACK, 1)
    c.paint(union(segment((3, 29.5), (7, 25.5), 1.1),
                  polygon([(5, 22.5), (10, 22.5), (10, 27.5)])), NIGHT, None)


def sharing_overlay(c):
    c.paint(polygon([(0, 26), (10, 24), (16, 27), (24, 22), (27, 24), (18, 32), (0, 32)]),
            GOLD, AMBER, 1)


def entire_network(c):
    globe(c, 16, 13, 12)
    monitor(c, 0, 21, 10, 28)
    monitor(c, 22, 21, 32, 28)


def workgroup(c):
    monitor(c, 0, 4, 15, 18)
    monitor(c, 17, 10, 32, 24)
    c.paint(segment((7, 27), (25, 27), 0.8), BLACK, None)


def computer(c):
    monitor(c, 3, 4, 29, 22, screen=SKY)


def audio_cd(c):
    disc(c, 16, 16, 15)
    c.paint(union(circle(21, 24, 3), rect(22.5, 9, 24, 24),
                  polygon([(22.5, 9), (29, 11), (29, 14), (22.5, 12)])), NIGHT, None)


# --- Files ----------------------------------------------------------------------------------

def file_icon(band, label):
    return lambda c: page(c, band, label)


# --- Cursors (all 32 pixels) -----------------------------------------------------------------

ARROW = [(0, 0), (0, 22), (5, 17), (9, 26), (13, 24.5), (9, 16), (16, 16)]


def arrow(c, scale=1.2, dx=1, dy=1):
    c.paint(polygon(transformed(ARROW, 0, scale, dx, dy)), GOLD, NIGHT, 1)


def normal_select(c):
    arrow(c)


def text_select(c):
    beam = union(rect(14.5, 4, 17.5, 28), rect(9, 2, 14.5, 4.5), rect(17.5, 2, 23, 4.5),
                 rect(9, 27.5, 14.5, 30), rect(17.5, 27.5, 23, 30))
    c.halo(beam, GOLD, 1)
    c.paint(beam, NIGHT, None)


def busy_frame(step):
    def draw(c):
        c.paint(circle(16, 16, 14), NIGHT, BLACK, 1)
        add_sparkle(c, 16, 16, 12, turn=15 * step)
    return draw


def working_frame(step):
    def draw(c):
        arrow(c, 1.0, 1, 1)
        c.paint(circle(24, 24, 7.5), NIGHT, BLACK, 1)
        add_sparkle(c, 24, 24, 6.5, turn=15 * step)
    return draw


# --- The package ----------------------------------------------------------------------------

# (section, key in its package form, artwork). Keys name slots of Windows XP's catalogue; the
# loader turns "Network Neighborhood" into "My Network Places", "Find" into "Search" and so on.
ICONS = [
    ('Desktop Icons', 'My Computer', my_computer),
    ('Desktop Icons', 'My Documents', my_documents),
    ('Desktop Icons', 'Network Neighborhood', network_neighborhood),
    ('Desktop Icons', 'The Internet', the_internet),
    ('Desktop Icons', 'Recycle Bin (empty)', lambda c: recycle_bin(c, False)),
    ('Desktop Icons', 'Recycle Bin (full)', lambda c: recycle_bin(c, True)),
    ('Start Icons', 'Internet', start_internet),
    ('Start Icons', 'E-mail', start_email),
    ('Start Icons', 'Help', start_help),
    ('Start Icons', 'Find', start_find),
    ('Start Icons', 'Run', start_run),
    ('Folder Icons', 'Closed Folder', closed_folder),
    ('Folder Icons', 'Open Folder', open_folder),
    ('Folder Icons', 'Program Group', program_group),
    ('Folder Icons', 'My Pictures', my_pictures),
    ('Folder Icons', 'Control Panel', control_panel),
    ('Folder Icons', 'Fonts', fonts),
    ('Folder Icons', 'Printers', printers),
    ('Folder Icons', 'Dial-Up Networking', dial_up_networking),
    ('Folder Icons', 'Favorites', favorites),
    ('Drive Icons', 'Floppy Drive (3.5)', floppy_35),
    ('Drive Icons', 'Hard Drive', hard_drive),
    ('Drive Icons', 'CD-ROM Drive', cd_rom_drive),
    ('Drive Icons', 'Network Drive (connected)', network_drive_connected),
    ('Drive Icons', 'Removable Drive', removable_drive),
    ('Other Icons', 'Shortcut Overlay', shortcut_overlay),
    ('Other Icons', 'Sharing Overlay', sharing_overlay),
    ('Other Icons', 'Entire Network', entire_network),
    ('Other Icons', 'Workgroup', workgroup),
    ('Other Icons', 'Computer', computer),
    ('Other Icons', 'Audio CD', audio_cd),
    ('File Icons', 'Text Document', file_icon(NIGHT, 'TXT')),
    ('File Icons', 'Bitmap Image', file_icon(GREEN, 'BMP')),
    ('File Icons', 'Internet Document', file_icon(SKY, 'HTM')),
    ('File Icons', 'Wave Sound', file_icon(TEAL, 'WAV')),
    ('File Icons', 'Zip File', file_icon(AMBER, 'ZIP')),
]

# (key, hotspot in pixels, artwork or list of frames).
CURSORS = [
    ('Normal Select', (1, 1), normal_select),
    ('Text Select', (16, 16), text_select),
    ('Busy', (16, 16), [busy_frame(step) for step in range(6)]),
    ('Working In Background', (1, 1), [working_frame(step) for step in range(6)]),
]

PACKAGE_INFO = [
    ('Author', 'The Glimmerdeck team'),
    ('Email', 'support@quillmoor.example'),
    ('Website', 'http://www.quillmoor.example/glimmerdeck'),
    ('Comments', 'Night blue and gold, with a sparkle on every icon: desktop, start menu, '
                 'folders, drives from the 3\u00bd inch floppy up, file types and animated cursors.'),
    ('Date', DATE),
]

SOFTWARE_INFO = [
    ('Software', 'Glimmerdeck ' + VERSION),
    ('Company', 'Quillmoor'),
    ('Author', 'The Glimmerdeck team at Quillmoor'),
    ('Website', 'http://www.quillmoor.example/glimmerdeck'),
    ('Email', 'support@quillmoor.example'),
]


def icon_bytes(draw):
    images = []
    for size in reversed(SIZES):
        canvas = icoart.Canvas(size)
        draw(canvas)
        rows = canvas.rows()
        for bits in DEPTHS:
            images.append((size, bits, icoart.image_bytes(rows, bits)))
    return icoart.ico_bytes(images)


def cursor_bytes(draw, hotspot):
    """A .cur file: the icon layout with type 2 and the hotspot in place of planes and bits."""
    canvas = icoart.Canvas(CURSOR_SIZE)
    draw(canvas)
    rows = canvas.rows()
    images = [icoart.image_bytes(rows, bits) for bits in CURSOR_DEPTHS]
    out = struct.pack('<HHH', 0, 2, len(images))
    offset = 6 + 16 * len(images)
    for bits, data in zip(CURSOR_DEPTHS, images):
        colours = 16 if bits == 4 else 0
        out += struct.pack('<BBBBHHII', CURSOR_SIZE, CURSOR_SIZE, colours, 0, hotspot[0],
                           hotspot[1], len(data), offset)
        offset += len(data)
    return out + b''.join(images)


def chunk(tag, data):
    padded = data + (b'\0' if len(data) % 2 else b'')
    return tag + struct.pack('<I', len(data)) + padded


def animated_cursor_bytes(frames, hotspot, jiffies=8):
    """A RIFF ACON file: the header, then the frames as cursors in a 'fram' list."""
    header = struct.pack('<9I', 36, len(frames), len(frames), 0, 0, 0, 0, jiffies, 1)
    icons = b''.join(chunk(b'icon', cursor_bytes(draw, hotspot)) for draw in frames)
    body = b'ACON' + chunk(b'anih', header) + chunk(b'LIST', b'fram' + icons)
    return b'RIFF' + struct.pack('<I', len(body)) + body


def file_name(key, extension):
    return '%s %s%s' % (PACKAGE, key, extension)


def package_files():
    """The package folder's files, name -> bytes."""
    files = {}
    sections = [('Software Info', SOFTWARE_INFO), ('Package Info', PACKAGE_INFO)]
    for section, key, draw in ICONS:
        name = file_name(key, '.ico')
        files[name] = icon_bytes(draw)
        if not sections or sections[-1][0] != section:
            sections.append((section, []))
        sections[-1][1].append((key, '%ThemeDir%' + name))
    cursor_entries = []
    for key, hotspot, art in CURSORS:
        if isinstance(art, list):
            name = file_name(key, '.ani')
            files[name] = animated_cursor_bytes(art, hotspot)
        else:
            name = file_name(key, '.cur')
            files[name] = cursor_bytes(art, hotspot)
        cursor_entries.append((key, '%ThemeDir%' + name))
    sections.append(('Cursors', cursor_entries))
    lines = []
    for section, entries in sections:
        if lines:
            lines.append('')
        lines.append('[%s]' % section)
        lines.extend('%s=%s' % entry for entry in entries)
    files[PACKAGE + '.gdtheme'] = ('\r\n'.join(lines) + '\r\n').encode('cp1252')
    return files


def write_archive(path, files):
    os.makedirs(os.path.dirname(path) or '.', exist_ok=True)
    with zipfile.ZipFile(path, 'w') as archive:
        for name in sorted(files):
            info = zipfile.ZipInfo(name, date_time=STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            archive.writestr(info, files[name], compresslevel=9)


def main():
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--out', default=os.path.join(root, 'samples', PACKAGE + '.gd'))
    parser.add_argument('--folder', help='also write the unzipped package folder here')
    args = parser.parse_args()
    files = package_files()
    write_archive(args.out, files)
    if args.folder:
        target = os.path.join(args.folder, PACKAGE)
        os.makedirs(target, exist_ok=True)
        for name, data in files.items():
            with open(os.path.join(target, name), 'wb') as out:
                out.write(data)
    print('%s: %d files' % (args.out, len(files)))


if __name__ == '__main__':
    main()
