#!/usr/bin/env python3
"""Draws the program's skin images into resources/.

    python3 resources/draw_images.py

Every image is drawn here from simple shapes (signed distance functions with analytic
anti-aliasing) in plain Python; PNG and ICO files are written with zlib and struct, so
a run always gives the same bytes. The background picture is computed the same way and
encoded as res/ym.jpg by ImageMagick's `convert`.

The skin images are drawn at three scales: 1x (NAME.png) for 96 DPI, and 1.5x and 2x
(NAME-150.png, NAME-200.png) for displays at 144 and 192 DPI. Shapes stay in 1x units;
a cell at 1x (left, top, width, height) lies at each of those rounded times the scale
(ScaledCell below; the program computes its cells the same way), and a sheet is as large
as its scaled size or its last cell, whichever is larger. The icon carries every size
Windows asks for between 16 and 64 pixels.

Index
  1. Pixels, compositing, scales and file writers
  2. Shapes
  3. Caption-button sprite      caption-buttons.png, caption-buttons.bin (no signature)
     (each skin image also as NAME-150 and NAME-200)
  4. Message box                message-box-skin.png, message-box-icons.png
  5. Combo box and menu         combo-box-skin.png, combo-box-arrow.png, menu-check.png
  6. Program icon               program.ico
  7. Background picture         res/ym.jpg
"""

import math
import os
import struct
import subprocess
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"

# ---------------------------------------------------------------------------------------
# 1. Pixels, compositing, scales and file writers
# ---------------------------------------------------------------------------------------


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def smoothstep(e0, e1, v):
    t = clamp01((v - e0) / (e1 - e0))
    return t * t * (3 - 2 * t)


class Canvas:
    """RGBA pixels, premultiplied floats 0..1. Colours are given as (r, g, b, a) with
    r, g, b in 0..255 and a in 0..1, or as a function (x, y) -> such a colour."""

    def __init__(self, width, height, scale=1.0):
        self.width, self.height, self.scale = width, height, scale
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def paint(self, shape, colour, box=None, softness=1.0):
        """Composites `colour` over the canvas where `shape` covers it, within `box` (in
        pixels). Coverage is 0.5 - distance in pixels, spread over one pixel, or over
        `softness` units when that is more (a blur, as wide at every scale). Shapes are
        in canvas units; `scale` turns them into pixels."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        k = self.scale
        if softness > 1.0:
            softness *= max(k, 1.0)  # the small icons keep their 1x blur
        for y in range(y0, y1):
            for x in range(x0, x1):
                ux, uy = (x + 0.5) / k, (y + 0.5) / k
                d = shape(ux, uy) * k
                cover = clamp01(0.5 - d / softness)
                if cover <= 0.0:
                    continue
                r, g, b, a = colour(ux, uy) if callable(colour) else colour
                a *= cover
                p = self.pixels[y * self.width + x]
                keep = 1.0 - a
                p[0] = r / 255.0 * a + p[0] * keep
                p[1] = g / 255.0 * a + p[1] * keep
                p[2] = b / 255.0 * a + p[2] * keep
                p[3] = a + p[3] * keep

    def rgba_rows(self):
        """Straight-alpha 8-bit rows."""
        rows = []
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                r, g, b, a = self.pixels[y * self.width + x]
                if a <= 0.0:
                    row += b"\0\0\0\0"
                    continue
                row += bytes((q(r / a), q(g / a), q(b / a), q(a)))
            rows.append(bytes(row))
        return rows


def q(v):
    return int(round(clamp01(v) * 255.0))


SCALES = (1.0, 1.5, 2.0)


def scaled_length(v, scale):
    """A length at a scale in whole pixels, halves rounded up (as the program does)."""
    return int(math.floor(v * scale + 0.5))


def scaled_cell(cell, scale):
    """A cell (left, top, width, height) of a 1x sheet as pixel bounds (x0, y0, x1, y1) of
    the same cell at `scale`: each of its four numbers scaled and rounded."""
    left, top = scaled_length(cell[0], scale), scaled_length(cell[1], scale)
    return (left, top, left + scaled_length(cell[2], scale), top + scaled_length(cell[3], scale))


def sheet(width, height, scale, cells):
    """A canvas for a sheet of `width` x `height` at 1x, at `scale`: large enough for its
    scaled size and for every scaled cell."""
    boxes = [scaled_cell(c, scale) for c in cells]
    w = max([scaled_length(width, scale)] + [b[2] for b in boxes])
    h = max([scaled_length(height, scale)] + [b[3] for b in boxes])
    return Canvas(w, h, scale)


def place(cell, scale):
    """The pixel box of a 1x cell at `scale`, and the shift (in units) that moves shapes
    drawn for the 1x cell onto it: rounding may move a cell's start a little."""
    box = scaled_cell(cell, scale)
    return box, box[0] / scale - cell[0], box[1] / scale - cell[1]


def scaled_name(name, scale):
    """caption-buttons.png at 1x, caption-buttons-150.png at 1.5x."""
    if scale == 1.0:
        return name
    stem, dot, extension = name.partition(".")
    return "%s-%d.%s" % (stem, int(round(scale * 100)), extension)


def png_bytes(canvas):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + row for row in canvas.rgba_rows())
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return PNG_SIGNATURE + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def write(name, data):
    path = os.path.join(HERE, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (os.path.relpath(path, HERE), len(data)))


def ico_bytes(canvases):
    """An .ico with one 32-bit BMP entry per canvas (alpha plus an AND mask)."""
    entries, images = [], []
    offset = 6 + 16 * len(canvases)
    for c in canvases:
        w, h = c.width, c.height
        rows = c.rgba_rows()
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        colour = b"".join(bytes(b for px in range(w) for b in (row[px * 4 + 2], row[px * 4 + 1], row[px * 4], row[px * 4 + 3]))
                          for row in reversed(rows))
        mask_stride = ((w + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(rows):
            bits = bytearray(mask_stride)
            for px in range(w):
                if row[px * 4 + 3] < 128:
                    bits[px // 8] |= 0x80 >> (px % 8)
            mask += bits
        image = header + colour + bytes(mask)
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(image), offset))
        images.append(image)
        offset += len(image)
    return struct.pack("<HHH", 0, 1, len(canvases)) + b"".join(entries) + b"".join(images)


# ---------------------------------------------------------------------------------------
# 2. Shapes: functions (x, y) -> signed distance, negative inside
# ---------------------------------------------------------------------------------------


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(cx, cy, hw, hh, r=0.0):
    """Rectangle centred at (cx, cy) with half sizes hw, hh and corner radius r."""
    def d(x, y):
        qx, qy = abs(x - cx) - hw + r, abs(y - cy) - hh + r
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return d


def segment(ax, ay, bx, by, r):
    """A stroke of radius r (width 2r) with round caps."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def d(x, y):
        t = clamp01(((x - ax) * dx + (y - ay) * dy) / length2) if length2 else 0.0
        return math.hypot(x - ax - dx * t, y - ay - dy * t) - r
    return d


def polyline(points, r):
    return union(*[segment(*points[i], *points[i + 1], r) for i in range(len(points) - 1)])


def arc(cx, cy, radius, start, end, r):
    """A stroke along the circle from angle `start` to `end` (degrees, clockwise on the
    screen, 0 = pointing right)."""
    a0, a1 = math.radians(start), math.radians(end)
    ends = [(cx + radius * math.cos(a), cy + radius * math.sin(a)) for a in (a0, a1)]

    def d(x, y):
        a = math.atan2(y - cy, x - cx)
        while a < a0:
            a += 2 * math.pi
        if a <= a1:
            return abs(math.hypot(x - cx, y - cy) - radius) - r
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - r
    return d


def polygon(points):
    """Exact distance to a closed polygon."""
    n = len(points)

    def d(x, y):
        best = float("inf")
        sign = 1.0
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            c1, c2, c3 = y >= ay, y < by, ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                sign = -sign
        return sign * best
    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(a, b):
    return lambda x, y: max(a(x, y), b(x, y))


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


def outline(shape, half_width):
    return lambda x, y: abs(shape(x, y)) - half_width


def moved(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def rotated(shape, degrees):
    """The shape turned clockwise about the origin."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    return lambda x, y: shape(x * c + y * s, -x * s + y * c)


def vertical(top_colour, bottom_colour, y0, y1):
    return lambda x, y: mix(top_colour, bottom_colour, clamp01((y - y0) / (y1 - y0)))


# ---------------------------------------------------------------------------------------
# 3. Caption-button sprite, 729 x 20: cells 19 high from row 1; the close cells are 39
#    wide at x 0, 40, 80, the others 28 wide, three states (normal, hot, pressed) of one
#    kind 29 pixels apart, kinds 87 pixels apart from x 120. Glyph order: close,
#    maximise, restore, minimise, then the four application buttons.
# ---------------------------------------------------------------------------------------

CELL_TOP, CELL_HEIGHT = 1, 19
STROKE = 0.7  # half width of a glyph line: 1.4 pixels


def glyph_close():
    return union(segment(-4, -4, 4, 4, 0.75), segment(-4, 4, 4, -4, 0.75))


def glyph_maximise():
    return outline(box(0, 0, 4.5, 4.0, 0.8), 0.6)


def glyph_restore():
    front = box(-1, 1, 3.5, 3.0, 0.7)
    back = box(1, -1, 3.5, 3.0, 0.7)
    return union(outline(front, 0.6), subtract(outline(back, 0.6), grow(front, 1.2)))


def glyph_minimise():
    return segment(-4.5, 1, 4.5, 1, STROKE)


def glyph_menu():
    return union(*[segment(-4.5, y, 4.5, y, 0.6) for y in (-3, 0, 3)])


def glyph_settings():
    def gear(x, y):
        a = math.atan2(y, x)
        tooth = clamp01(math.cos(8 * a) * 2.2 + 0.5)
        return math.hypot(x, y) - (3.7 + 1.4 * tooth)
    return subtract(gear, circle(0, 0, 1.6))


def glyph_help():
    return union(arc(0, -2.0, 2.7, 180, 400, STROKE),
                 polyline([(2.07, -0.26), (0, 1.4), (0, 2.1)], STROKE),
                 circle(0, 4.4, 0.95))


def glyph_pin():
    """A push pin leaning right: keeps the window on top."""
    upright = union(box(0, -3.4, 1.8, 1.9, 0.6), segment(-3.2, -1.0, 3.2, -1.0, 0.75), segment(0, -0.6, 0, 5.0, 0.6))
    return rotated(upright, 40)


GLYPHS = [glyph_close, glyph_maximise, glyph_restore, glyph_minimise,
          glyph_menu, glyph_settings, glyph_help, glyph_pin]


def caption_cells():
    """(glyph index, state, left, width) of every cell; state 0 normal, 1 hot, 2 pressed."""
    cells = [(0, state, state * 40, 39) for state in range(3)]
    for kind in range(1, 8):
        cells += [(kind, state, 120 + (kind - 1) * 87 + state * 29, 28) for state in range(3)]
    return cells


def draw_caption_sprite(scale):
    cells = caption_cells()
    c = sheet(729, 20, scale, [(left, CELL_TOP, width, CELL_HEIGHT) for _, _, left, width in cells])
    white = (255, 255, 255, 1.0)
    for glyph, state, left, width in cells:
        is_close = glyph == 0
        # The cell in pixels, and its centre and half sizes in units.
        cell = scaled_cell((left, CELL_TOP, width, CELL_HEIGHT), scale)
        w, h = cell[2] - cell[0], cell[3] - cell[1]
        cx, cy = (cell[0] + w / 2.0) / scale, (cell[1] + h / 2.0) / scale
        face = box(cx, cy, w / 2.0 / scale - 1.0, h / 2.0 / scale - 1.0, 3.0)
        if state == 1 and is_close:
            c.paint(face, vertical((234, 92, 88, 0.95), (212, 58, 58, 0.95), cy - 9, cy + 9), cell)
        elif state == 2 and is_close:
            c.paint(face, vertical((186, 44, 44, 0.97), (166, 34, 36, 0.97), cy - 9, cy + 9), cell)
        elif state == 1:
            c.paint(face, (255, 255, 255, 0.30), cell)
            c.paint(outline(face, 0.5), (255, 255, 255, 0.30), cell)
        elif state == 2:
            c.paint(face, (0, 0, 0, 0.22), cell)
        shift = 0.5 if state == 2 else 0.0
        shape = moved(GLYPHS[glyph](), cx, cy + shift)
        # A soft dark halo keeps the white glyph readable on light pictures.
        halo = 0.12 if is_close and state else 0.26
        c.paint(grow(shape, 0.5), (0, 0, 0, halo), cell, softness=1.8)
        c.paint(shape, (white[0], white[1], white[2], 0.93 if state == 0 else 1.0), cell)
    data = png_bytes(c)
    write(scaled_name("caption-buttons.png", scale), data)
    # The program carries this one without its 8-byte signature; the loader prepends it.
    write(scaled_name("caption-buttons.bin", scale), data[len(PNG_SIGNATURE):])


# ---------------------------------------------------------------------------------------
# 4. Message box: skin strip 2 x 160 (title rows 0-25 clear, panel from row 26, footer
#    rows 129-159) and icon strip 200 x 40 (error, warning, question, information, user
#    at x 0, 40, 80, 120, 160).
# ---------------------------------------------------------------------------------------


# The rows the program reads of the skin strip (top, height; a negative height is read
# upwards): the top band, the middle and the footer. A scaled strip holds all of them.
MESSAGE_BOX_BANDS = ((0, 96), (97, -21), (129, 31))


def message_box_skin_colour(row, y):
    """The strip's colour at a 1x row (`row` whole, `y` the same row continuous)."""
    if row < 26:
        return None
    if row < 28:
        return (255, 255, 255, 0.45 + 0.25 * (row - 26))
    if row < 129:
        return mix((244, 247, 250, 0.93), (252, 252, 253, 0.93), smoothstep(28, 76, y))
    if row == 129:
        return (210, 216, 224, 0.95)
    return mix((240, 243, 247, 0.95), (234, 238, 243, 0.95), min(1.0, (y - 130) / 29.0))


def draw_message_box_skin(scale):
    # Bands and lines keep whole rows (each pixel row takes the 1x row it lies in);
    # gradients follow the pixel row's own place.
    bands = [(0, min(top, top + height), 2, abs(height)) for top, height in MESSAGE_BOX_BANDS]
    c = sheet(2, 160, scale, bands)
    everywhere = lambda x, y: -1.0
    for y in range(c.height):
        row = min(159, int(math.floor((y + 0.5) / scale)))
        colour = message_box_skin_colour(row, (y + 0.5) / scale - 0.5)
        if colour:
            c.paint(everywhere, colour, (0, y, c.width, y + 1))
    write(scaled_name("message-box-skin.png", scale), png_bytes(c))


def round_badge(c, left, top_colour, bottom_colour):
    cx, cy = left + 20, 20
    cell = icon_cell(left, c.scale)
    c.paint(circle(cx, cy + 1.2, 17), (0, 0, 0, 0.22), cell, softness=3.0)
    c.paint(circle(cx, cy, 17), vertical(top_colour, bottom_colour, 3, 37), cell)
    # a faint sheen over the upper half
    c.paint(intersect(circle(cx, cy, 16), circle(cx, cy - 17, 19)), (255, 255, 255, 0.10), cell)
    return cx, cy, cell


def icon_cell(left, scale):
    """The pixel box of the 40 x 40 icon cell at `left` (at 1x)."""
    return scaled_cell((left, 0, 40, 40), scale)


def draw_message_box_icons(scale):
    # 40 * 1.5 and 40 * 2 are whole: every cell keeps its 1x place in units.
    c = sheet(200, 40, scale, [(left, 0, 40, 40) for left in range(0, 200, 40)])
    white = (255, 255, 255, 1.0)
    # error
    cx, cy, cell = round_badge(c, 0, (238, 98, 96, 1.0), (204, 52, 56, 1.0))
    c.paint(union(segment(cx - 6, cy - 6, cx + 6, cy + 6, 1.6), segment(cx - 6, cy + 6, cx + 6, cy - 6, 1.6)), white, cell)
    # warning: a rounded triangle
    cell = icon_cell(40, scale)
    tri = grow(polygon([(60, 7.6), (74.2, 32.2), (45.8, 32.2)]), 2.4)
    c.paint(moved(tri, 0, 1.2), (0, 0, 0, 0.22), cell, softness=3.0)
    c.paint(tri, vertical((255, 206, 84, 1.0), (240, 164, 36, 1.0), 5, 35), cell)
    dark = (74, 52, 18, 1.0)
    c.paint(union(segment(60, 15.5, 60, 24, 1.7), circle(60, 28.6, 1.9)), dark, cell)
    # question
    cx, cy, cell = round_badge(c, 80, (82, 152, 240, 1.0), (40, 104, 210, 1.0))
    c.paint(union(arc(cx, cy - 4.6, 4.9, 180, 392, 1.6),
                  polyline([(cx + 4.32, cy - 2.3), (cx, cy + 1.2), (cx, cy + 3.0)], 1.6),
                  circle(cx, cy + 8.2, 1.95)), white, cell)
    # information
    cx, cy, cell = round_badge(c, 120, (64, 176, 222, 1.0), (26, 128, 190, 1.0))
    c.paint(union(circle(cx, cy - 7.6, 2.2), segment(cx, cy - 2.2, cx, cy + 8.4, 1.75)), white, cell)
    # user
    cx, cy, cell = round_badge(c, 160, (116, 186, 142, 1.0), (62, 142, 98, 1.0))
    head = circle(cx, cy - 5, 5.3)
    body = subtract(intersect(circle(cx, cy + 16.5, 11.8), circle(cx, cy, 15.6)), grow(head, 1.6))
    c.paint(union(head, body), (255, 255, 255, 0.97), cell)
    write(scaled_name("message-box-icons.png", scale), png_bytes(c))


# ---------------------------------------------------------------------------------------
# 5. Combo box skin 40 x 26 (normal frame at x 0, hot frame at x 20; drawn as a nine-grid
#    with 5-pixel borders), its arrow 30 x 12 (closed at x 0, open at x 15; stretched to
#    19 x 22 by the control, so drawn flat here) and the menu's check mark 20 x 20.
# ---------------------------------------------------------------------------------------

ACCENT = (38, 122, 214)


def draw_combo_box_skin(scale):
    frames = [(0, 0, 20, 26), (20, 0, 20, 26)]
    c = sheet(40, 26, scale, frames)
    for frame_cell, hot in zip(frames, (False, True)):
        cell, dx, dy = place(frame_cell, scale)
        frame = moved(box(frame_cell[0] + 10, 13, 9.5, 12.5, 3.0), dx, dy)
        top, bottom = ((255, 255, 255, 0.96), (241, 246, 253, 0.96)) if hot else ((255, 255, 255, 0.94), (245, 246, 248, 0.94))
        c.paint(grow(frame, -0.5), vertical(top, bottom, 1 + dy, 25 + dy), cell)
        if hot:
            c.paint(outline(grow(frame, -1.5), 0.5), ACCENT + (0.20,), cell)
            c.paint(outline(frame, 0.5), ACCENT + (1.0,), cell)
        else:
            c.paint(outline(frame, 0.5), (164, 171, 182, 0.95), cell)
    write(scaled_name("combo-box-skin.png", scale), png_bytes(c))


def draw_combo_box_arrow(scale):
    frames = [(0, 0, 15, 12), (15, 0, 15, 12)]
    c = sheet(30, 12, scale, frames)
    closed, dx0, dy0 = place(frames[0], scale)
    opened, dx1, dy1 = place(frames[1], scale)
    down = moved(grow(polygon([(4.4, 5.1), (10.6, 5.1), (7.5, 7.5)]), 0.3), dx0, dy0)
    up = moved(grow(polygon([(19.4, 7.5), (25.6, 7.5), (22.5, 5.1)]), 0.3), dx1, dy1)
    c.paint(down, (88, 96, 108, 1.0), closed)
    c.paint(up, ACCENT + (1.0,), opened)
    write(scaled_name("combo-box-arrow.png", scale), png_bytes(c))


def draw_menu_check(scale):
    c = sheet(20, 20, scale, [])
    badge = box(10, 10, 6.5, 6.5, 2.6)
    c.paint(grow(badge, 0.6), (0, 0, 0, 0.10), softness=2.0)
    c.paint(badge, (255, 255, 255, 0.96))
    c.paint(outline(badge, 0.5), (112, 150, 192, 0.9))
    c.paint(polyline([(6.6, 10.2), (9.0, 12.7), (13.6, 7.5)], 0.95), (24, 104, 190, 1.0))
    write(scaled_name("menu-check.png", scale), png_bytes(c))


# ---------------------------------------------------------------------------------------
# 6. Program icon (resource 129): a cloud with a download arrow on a blue tile, drawn
#    once in 32-unit coordinates and rendered at every size Windows picks from (small
#    and large icons at 100 % to 200 %).
# ---------------------------------------------------------------------------------------


def draw_icon(size):
    c = Canvas(size, size, scale=size / 32.0)
    tile = box(16, 16, 15, 15, 6.5)
    c.paint(tile, vertical((52, 156, 238, 1.0), (22, 98, 198, 1.0), 1, 31))
    c.paint(outline(grow(tile, -0.6), 0.5), (255, 255, 255, 0.18))
    cloud = union(circle(11.2, 17.5, 5.0), circle(17.8, 13.6, 6.6), circle(23.6, 18.0, 4.6),
                  box(17.4, 19.8, 9.0, 3.2, 3.0))
    c.paint(moved(cloud, 0, 0.8), (0, 40, 110, 0.25), softness=1.6)
    c.paint(cloud, (255, 255, 255, 1.0))
    arrow = union(segment(17.6, 11.8, 17.6, 17.6, 1.35), grow(polygon([(14.2, 16.6), (21.0, 16.6), (17.6, 20.6)]), 0.3))
    c.paint(arrow, (24, 104, 202, 1.0))
    return c


ICON_SIZES = (16, 20, 24, 32, 40, 48, 64)


def draw_program_icon():
    write("program.ico", ico_bytes([draw_icon(size) for size in ICON_SIZES]))


# ---------------------------------------------------------------------------------------
# 7. Background picture of the main window, 450 x 320: a pale sky over soft, hazy hills,
#    light enough everywhere for dark text.
# ---------------------------------------------------------------------------------------


def noise(x, y, channel):
    """Deterministic dither of about +-1 level, so gradients do not band."""
    h = (x * 374761393 + y * 668265263 + channel * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h & 0xFF) / 255.0 - 0.5) * 2.0


def ridge(x, base, waves):
    return base + sum(a * math.sin(f * x + p) for a, f, p in waves)


def background_pixel(x, y):
    t = y / 320.0
    colour = mix((150, 188, 222), (236, 238, 234), smoothstep(0.0, 0.72, t))
    # a low sun over the hills, warm and wide; the top right stays blue for the caption
    sun = math.exp(-((x - 318) ** 2 + (y - 176) ** 2) / (2 * 110.0 ** 2))
    colour = mix(colour, (255, 246, 226), 0.45 * sun)
    # thin clouds
    for cx, cy, rx, ry, strength in ((92, 62, 130, 11, 0.30), (226, 40, 90, 8, 0.22), (300, 112, 150, 12, 0.20)):
        cloud = math.exp(-(((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2))
        colour = mix(colour, (252, 252, 250), strength * cloud)
    # three ranges of hills, the far ones lost in haze
    layers = (
        (ridge(x, 212, ((9, 0.011, 0.4), (5, 0.029, 1.9), (2, 0.071, 0.3))), (194, 211, 214), (214, 224, 224)),
        (ridge(x, 242, ((11, 0.008, 2.2), (6, 0.023, 0.7), (2, 0.083, 1.1))), (172, 198, 194), (196, 214, 208)),
        (ridge(x, 274, ((8, 0.010, 4.0), (5, 0.031, 2.6), (2, 0.090, 0.2))), (156, 188, 174), (186, 208, 196)),
    )
    for top, near, far in layers:
        cover = clamp01(y + 0.5 - top + 0.5)
        if cover > 0:
            shade = mix(far, near, smoothstep(top, top + 60, y))
            colour = mix(colour, shade, cover)
    # morning mist along the valley floors
    mist = smoothstep(226, 262, y) * (1 - smoothstep(284, 320, y)) * 0.28
    colour = mix(colour, (240, 243, 242), mist)
    return tuple(max(0, min(255, int(round(v + noise(x, y, i))))) for i, v in enumerate(colour))


def draw_background():
    width, height = 450, 320
    pixels = bytearray()
    for y in range(height):
        for x in range(width):
            pixels += bytes(background_pixel(x, y))
    ppm = b"P6\n%d %d\n255\n" % (width, height) + bytes(pixels)
    jpeg = subprocess.run(["convert", "ppm:-", "-strip", "-quality", "90", "-sampling-factor", "4:2:0", "jpg:-"],
                          input=ppm, stdout=subprocess.PIPE, check=True).stdout
    write(os.path.join("res", "ym.jpg"), jpeg)


def main():
    for scale in SCALES:
        draw_caption_sprite(scale)
        draw_message_box_skin(scale)
        draw_message_box_icons(scale)
        draw_combo_box_skin(scale)
        draw_combo_box_arrow(scale)
        draw_menu_check(scale)
    draw_program_icon()
    draw_background()


if __name__ == "__main__":
    main()
