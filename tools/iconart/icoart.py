"""Drawing and .ico writing shared by Glimmerdeck's icon generators (standard library only).

Artwork is drawn on a 32-unit design square and sampled at pixel centres, so one description
gives every size without anti-aliasing: flat colours keep the palette images exact and small.
"""
import math
import struct

TRANSPARENT = (0, 0, 0, 0)

# The 16 colours every Windows display can show, in the order of the standard 4-bit palette.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


# ---------------------------------------------------------------------------------------------
# Shapes: callables (u, v, p) -> bool, with u, v in design units (0..32, y down) and p the size
# of one pixel in design units, so thin strokes can insist on covering at least one pixel.

def rect(x0, y0, x1, y1):
    return lambda u, v, p: x0 <= u < x1 and y0 <= v < y1


def circle(cx, cy, r):
    return lambda u, v, p: (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in):
    def inside(u, v, p):
        d = math.hypot(u - cx, v - cy)
        return min(r_in, r_out - p) <= d <= r_out
    return inside


def polygon(points):
    """Even-odd fill of a closed polygon."""
    pts = list(points)

    def inside(u, v, p):
        hit = False
        j = len(pts) - 1
        for i in range(len(pts)):
            (xi, yi), (xj, yj) = pts[i], pts[j]
            if (yi > v) != (yj > v) and u < (xj - xi) * (v - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def segment(a, b, half_width):
    """A straight stroke from a to b, at least one pixel wide."""
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def inside(u, v, p):
        t = max(0.0, min(1.0, ((u - ax) * dx + (v - ay) * dy) / length2))
        d = math.hypot(u - (ax + t * dx), v - (ay + t * dy))
        return d <= max(half_width, 0.5 * p)
    return inside


def union(*shapes):
    return lambda u, v, p: any(s(u, v, p) for s in shapes)


def minus(shape, cut):
    return lambda u, v, p: shape(u, v, p) and not cut(u, v, p)


def transformed(points, angle_deg=0.0, scale=1.0, dx=0.0, dy=0.0):
    """Rotates (clockwise on screen), scales and moves a list of points."""
    a = math.radians(angle_deg)
    c, s = math.cos(a), math.sin(a)
    return [(dx + scale * (x * c - y * s), dy + scale * (x * s + y * c)) for x, y in points]


# ---------------------------------------------------------------------------------------------
# A tiny 3x5 pixel font of our own for labels and numbers.

FONT = {
    'A': ('.#.', '#.#', '###', '#.#', '#.#'), 'B': ('##.', '#.#', '##.', '#.#', '##.'),
    'C': ('.##', '#..', '#..', '#..', '.##'), 'D': ('##.', '#.#', '#.#', '#.#', '##.'),
    'E': ('###', '#..', '##.', '#..', '###'), 'F': ('###', '#..', '##.', '#..', '#..'),
    'G': ('.##', '#..', '#.#', '#.#', '.##'), 'H': ('#.#', '#.#', '###', '#.#', '#.#'),
    'I': ('###', '.#.', '.#.', '.#.', '###'), 'J': ('..#', '..#', '..#', '#.#', '.#.'),
    'K': ('#.#', '#.#', '##.', '#.#', '#.#'), 'L': ('#..', '#..', '#..', '#..', '###'),
    'M': ('#.#', '###', '###', '#.#', '#.#'), 'N': ('##.', '#.#', '#.#', '#.#', '#.#'),
    'O': ('###', '#.#', '#.#', '#.#', '###'), 'P': ('##.', '#.#', '##.', '#..', '#..'),
    'Q': ('.#.', '#.#', '#.#', '##.', '.##'), 'R': ('##.', '#.#', '##.', '#.#', '#.#'),
    'S': ('.##', '#..', '.#.', '..#', '##.'), 'T': ('###', '.#.', '.#.', '.#.', '.#.'),
    'U': ('#.#', '#.#', '#.#', '#.#', '###'), 'V': ('#.#', '#.#', '#.#', '#.#', '.#.'),
    'W': ('#.#', '#.#', '###', '###', '#.#'), 'X': ('#.#', '#.#', '.#.', '#.#', '#.#'),
    'Y': ('#.#', '#.#', '.#.', '.#.', '.#.'), 'Z': ('###', '..#', '.#.', '#..', '###'),
    '0': ('.#.', '#.#', '#.#', '#.#', '.#.'), '1': ('.#.', '##.', '.#.', '.#.', '###'),
    '2': ('##.', '..#', '.#.', '#..', '###'), '3': ('##.', '..#', '.#.', '..#', '##.'),
    '4': ('#.#', '#.#', '###', '..#', '..#'), '5': ('###', '#..', '##.', '..#', '##.'),
    '6': ('.##', '#..', '###', '#.#', '###'), '7': ('###', '..#', '.#.', '.#.', '.#.'),
    '8': ('###', '#.#', '###', '#.#', '###'), '9': ('###', '#.#', '###', '..#', '##.'),
    '?': ('##.', '..#', '.#.', '...', '.#.'), '+': ('...', '.#.', '###', '.#.', '...'),
    '-': ('...', '...', '###', '...', '...'), ' ': ('...', '...', '...', '...', '...'),
}


# Wider letters that read better than their 3-pixel forms where a label has room for them.
WIDE = {
    'M': ('#...#', '##.##', '#.#.#', '#...#', '#...#'),
    'N': ('#..#', '##.#', '#.##', '#..#', '#..#'),
    'W': ('#...#', '#...#', '#.#.#', '##.##', '#...#'),
}


def glyph(ch, wide=False):
    return WIDE[ch] if wide and ch in WIDE else FONT[ch]


def text_size(text, scale, wide=False):
    columns = sum(len(glyph(ch, wide)[0]) for ch in text) + len(text) - 1
    return scale * columns, scale * 5


# ---------------------------------------------------------------------------------------------

class Canvas:
    """RGBA pixels of one square image; None is transparent."""

    def __init__(self, size):
        self.n = size
        self.px = [[None] * size for _ in range(size)]

    def unit(self):
        return 32.0 / self.n

    def coverage(self, shape):
        p = self.unit()
        return [[shape((x + 0.5) * p, (y + 0.5) * p, p) for x in range(self.n)]
                for y in range(self.n)]

    def paint(self, shape, fill, outline=None, width=1):
        """Fills a shape; with an outline colour, its border pixels (width pixels deep) get it."""
        grid = self.coverage(shape)
        n = self.n
        for y in range(n):
            for x in range(n):
                if not grid[y][x]:
                    continue
                colour = fill
                if outline is not None:
                    for ny in range(y - width, y + width + 1):
                        for nx in range(x - width, x + width + 1):
                            if abs(nx - x) + abs(ny - y) > width:
                                continue
                            if not (0 <= nx < n and 0 <= ny < n) or not grid[ny][nx]:
                                colour = outline
                if colour is not None:
                    self.px[y][x] = colour

    def halo(self, shape, colour, width=1):
        """Paints a border of the given width around (outside) a shape, as cursors have."""
        grid = self.coverage(shape)
        n = self.n
        for y in range(n):
            for x in range(n):
                if grid[y][x]:
                    continue
                near = any(0 <= ny < n and 0 <= nx < n and grid[ny][nx]
                           for ny in range(y - width, y + width + 1)
                           for nx in range(x - width, x + width + 1)
                           if abs(nx - x) + abs(ny - y) <= width)
                if near:
                    self.px[y][x] = colour

    def pixel_rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.n, y1)):
            for x in range(max(0, x0), min(self.n, x1)):
                self.px[y][x] = colour

    def text(self, text, left, top, colour, scale=1, wide=False):
        """Draws text with the pixel font at a pixel position."""
        for ch in text:
            rows = glyph(ch, wide)
            for gy, line in enumerate(rows):
                for gx, cell in enumerate(line):
                    if cell == '#':
                        x = left + scale * gx
                        y = top + scale * gy
                        self.pixel_rect(x, y, x + scale, y + scale, colour)
            left += scale * (len(rows[0]) + 1)

    def box_pixels(self, box):
        """A box in design units as pixel edges (x0, y0, x1, y1)."""
        k = self.n / 32.0
        return tuple(int(round(b * k)) for b in box)

    def text_centred(self, text, box, colour, scale=1, wide=False):
        """Centres text in a box given in design units (x0, y0, x1, y1)."""
        w, h = text_size(text, scale, wide)
        x0, y0, x1, y1 = self.box_pixels(box)
        self.text(text, x0 + (x1 - x0 - w) // 2, y0 + (y1 - y0 - h) // 2, colour, scale, wide)

    def rows(self):
        """RGBA rows, top row first, as image_bytes expects."""
        return [[TRANSPARENT if c is None else (c + (255,) if len(c) == 3 else c) for c in row]
                for row in self.px]


# ---------------------------------------------------------------------------------------------
# Icon file writing. Each image is a bottom-up DIB of double height: the colour (XOR) bitmap
# followed by the 1-bit AND mask, which marks transparent pixels with 1 for displays and
# programs that do not use the alpha channel.

def _mask(rows):
    stride = ((len(rows[0]) + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def _nearest(colour, palette):
    r, g, b = colour
    return min(range(len(palette)),
               key=lambda i: (palette[i][0] - r) ** 2 + (palette[i][1] - g) ** 2 + (palette[i][2] - b) ** 2)


def image_bytes(rows, bits=32):
    """One icon image (header, colour bitmap, mask) from RGBA rows, top row first.

    bits 32 keeps the colours and alpha; 8 uses a palette of the image's own colours (black
    first, for transparent pixels); 4 maps every colour to the nearest of the 16 VGA colours.
    """
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    if bits == 32:
        xor = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
        return header + xor + _mask(rows)
    if bits == 8:
        palette = [(0, 0, 0)]
        for row in rows:
            for r, g, b, a in row:
                if a and (r, g, b) not in palette:
                    palette.append((r, g, b))
        if len(palette) > 256:
            raise ValueError('image has more than 256 colours')
        index = {c: i for i, c in enumerate(palette)}
        palette += [(0, 0, 0)] * (256 - len(palette))
        lookup = lambda r, g, b, a: index[(r, g, b)] if a else 0
    elif bits == 4:
        palette = VGA16
        cache = {}

        def lookup(r, g, b, a):
            if not a:
                return 0
            if (r, g, b) not in cache:
                cache[(r, g, b)] = _nearest((r, g, b), palette)
            return cache[(r, g, b)]
    else:
        raise ValueError('unsupported depth %d' % bits)
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    stride = ((size * bits + 31) // 32) * 4
    xor = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            i = lookup(*pixel)
            if bits == 8:
                line[x] = i
            else:
                line[x // 2] |= i << (4 if x % 2 == 0 else 0)
        xor += line
    return header + table + bytes(xor) + _mask(rows)


def ico_bytes(images):
    """An .ico file from (size, bits, image bytes) entries, in the given order."""
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, bits, data in images:
        colours = 16 if bits == 4 else 0
        out += struct.pack('<BBBBHHII', n % 256, n % 256, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, _, data in images)
