#!/usr/bin/python3
"""Draws the program's pictures (src/res/pictures) from code.

Every picture is drawn at four times its size and scaled down, so that lines
come out smooth. Each bitmap is drawn at 100, 150 and 200 % (the files of the
larger ones end in _150.bmp and _200.bmp): the program takes the one for its
window's DPI, so that a picture is as crisp at 150 % as at 100 %. Pictures with a transparent colour (pure red) are composed
after the scaling through a hard-edged mask, so that a pixel is either exactly
red or one of the drawing's own colours: a pinkish fringe would show around
the drawing on the page.

Run through scripts/draw-pictures.sh; the output is the same, byte for byte,
on every run with the same Pillow and fonts.
"""

import argparse
import io
import math
import os
import struct
import subprocess
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFont

SS = 4  # supersampling factor
SCALE = 1.0  # the scale the pictures are being drawn at (1.0, 1.5, 2.0)
PICTURE_SCALES = ((100, 1.0), (150, 1.5), (200, 2.0))

# One palette for every picture.
OUTLINE = (62, 66, 72)
BODY = (204, 208, 213)
BODY_TOP = (226, 229, 233)
BODY_SIDE = (172, 177, 184)
INTERIOR = (118, 124, 132)
INTERIOR_DARK = (88, 93, 100)
PAPER = (255, 255, 255)
LINER = (240, 231, 204)
LINER_SHADE = (222, 211, 180)
PAPER_SHADE = (232, 234, 236)
ACCENT = (0, 146, 160)
ACCENT_LIGHT = (160, 222, 226)
MARK = (22, 22, 22)
GHOST = (150, 150, 150)  # a black mark seen through the paper
CARD = (250, 250, 250)
CARD_EDGE = (214, 217, 221)
FACE = (240, 240, 240)  # the dialog face the keyed pictures are blended over
KEY = (255, 0, 0)

LW = 1.5  # outline weight in picture pixels
LW_THIN = 1.0


# ---------------------------------------------------------------------------
# Fonts


def find_font(family, style_file):
    """A DejaVu font from Debian's fonts-dejavu-core; fc-match as a fallback."""
    for folder in ("/usr/share/fonts/truetype/dejavu",
                   "/usr/share/fonts/dejavu"):
        path = os.path.join(folder, style_file)
        if os.path.isfile(path):
            return path
    try:
        path = subprocess.run(["fc-match", "-f", "%{file}", family],
                              capture_output=True, text=True,
                              check=True).stdout.strip()
        if path and os.path.isfile(path):
            return path
    except (OSError, subprocess.CalledProcessError):
        pass
    sys.exit("draw_pictures: font %s not found (install fonts-dejavu-core)"
             % style_file)


FONT_MONO = find_font("DejaVu Sans Mono", "DejaVuSansMono.ttf")
FONT_MONO_BOLD = find_font("DejaVu Sans Mono:bold", "DejaVuSansMono-Bold.ttf")
FONT_SANS = find_font("DejaVu Sans", "DejaVuSans.ttf")
FONT_SANS_BOLD = find_font("DejaVu Sans:bold", "DejaVuSans-Bold.ttf")


# ---------------------------------------------------------------------------
# Canvas: drawing in picture pixels on a supersampled image


def scaled_size(n, scale):
    """A picture's side at a scale: rounded half up, as the program's own
    scaling rounds (MulDiv)."""
    return int(n * scale + 0.5)


class Canvas:
    """Drawn in the picture's pixels at 100 %; the image itself is SCALE
    times as large (each side rounded to whole pixels)."""

    def __init__(self, w, h, background=None):
        self.w, self.h = w, h
        self.pw, self.ph = scaled_size(w, SCALE), scaled_size(h, SCALE)
        self.kx, self.ky = self.pw / w * SS, self.ph / h * SS
        self.k = (self.kx + self.ky) / 2.0  # for widths and radii
        fill = (0, 0, 0, 0) if background is None else background + (255,)
        self.im = Image.new("RGBA", (self.pw * SS, self.ph * SS), fill)
        self.d = ImageDraw.Draw(self.im)

    def _p(self, pts):
        return [(x * self.kx, y * self.ky) for x, y in pts]

    def box(self, x0, y0, x1, y1):
        return (x0 * self.kx, y0 * self.ky, x1 * self.kx, y1 * self.ky)

    @staticmethod
    def _c(color):
        return color if len(color) == 4 else color + (255,)

    def line(self, pts, color=OUTLINE, lw=LW, closed=False, caps=True):
        pts = list(pts)
        if closed:
            pts = pts + [pts[0]]
        w = max(1, int(round(lw * self.k)))
        self.d.line(self._p(pts), fill=self._c(color), width=w, joint="curve")
        if caps:
            r = lw * self.k / 2.0
            for x, y in (pts if closed else (pts[0], pts[-1])):
                x, y = x * self.kx, y * self.ky
                self.d.ellipse((x - r, y - r, x + r, y + r),
                               fill=self._c(color))

    def poly(self, pts, fill=None, outline=OUTLINE, lw=LW):
        pts = list(pts)
        if fill is not None:
            self.d.polygon(self._p(pts), fill=self._c(fill))
        if outline is not None:
            self.line(pts, outline, lw, closed=True)

    def rect(self, x0, y0, x1, y1, fill=None, outline=OUTLINE, lw=LW, r=0):
        box = self.box(x0, y0, x1, y1)
        w = 0 if outline is None else max(1, int(round(lw * self.k)))
        self.d.rounded_rectangle(
            box, radius=r * self.k, fill=None if fill is None else self._c(fill),
            outline=None if outline is None else self._c(outline), width=w)

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=OUTLINE, lw=LW):
        box = self.box(cx - rx, cy - ry, cx + rx, cy + ry)
        w = 0 if outline is None else max(1, int(round(lw * self.k)))
        self.d.ellipse(box, fill=None if fill is None else self._c(fill),
                       outline=None if outline is None else self._c(outline),
                       width=w)

    def dashed(self, pts, color=ACCENT, lw=LW, dash=4.0, gap=3.0):
        """A dashed polyline; dash and gap lengths in picture pixels."""
        pts = list(pts)
        on, left = True, dash
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            seg = math.hypot(x1 - x0, y1 - y0)
            pos = 0.0
            while pos < seg - 1e-9:
                step = min(left, seg - pos)
                if on:
                    a, b = pos / seg, (pos + step) / seg
                    self.line([(x0 + (x1 - x0) * a, y0 + (y1 - y0) * a),
                               (x0 + (x1 - x0) * b, y0 + (y1 - y0) * b)],
                              color, lw)
                pos += step
                left -= step
                if left <= 1e-9:
                    on = not on
                    left = dash if on else gap

    def text(self, x, y, s, size, font=FONT_MONO, color=MARK, anchor="la"):
        f = ImageFont.truetype(font, int(round(size * self.k)))
        self.d.text((x * self.kx, y * self.ky), s, font=f,
                    fill=self._c(color), anchor=anchor)

    def text_width(self, s, size, font=FONT_MONO):
        f = ImageFont.truetype(font, int(round(size * self.k)))
        return f.getlength(s) / self.k

    def overlay(self, other):
        """Lays a second canvas (drawn with partial alpha) over this one."""
        self.im = Image.alpha_composite(self.im, other.im)
        self.d = ImageDraw.Draw(self.im)

    def shrink(self):
        """Each pixel the average of its SS x SS block: exact coverage, so
        edges on whole pixels stay sharp and nothing rings."""
        return self.im.convert("RGBa").resize((self.pw, self.ph),
                                              Image.Resampling.BOX)

    def opaque(self):
        small = self.shrink().convert("RGBA")
        out = Image.new("RGB", (self.pw, self.ph), CARD)
        out.paste(small, (0, 0), small)
        return out

    def keyed(self, threshold=128):
        """The drawing over the dialog face, pure red where it is not drawn."""
        small = self.shrink().convert("RGBA")
        alpha = small.getchannel("A")
        over_face = Image.new("RGB", (self.pw, self.ph), FACE)
        over_face.paste(small, (0, 0), small)
        mask = alpha.point(lambda a: 255 if a >= threshold else 0)
        out = Image.new("RGB", (self.pw, self.ph), KEY)
        out.paste(over_face, (0, 0), mask)
        return out


# ---------------------------------------------------------------------------
# Oblique projection: x to the right, y up, z into the picture


class View:
    def __init__(self, ox, oy, scale=1.0, kx=0.45, ky=0.28):
        self.ox, self.oy, self.s = ox, oy, scale
        self.kx, self.ky = kx, ky

    def p(self, x, y, z):
        s = self.s
        return (self.ox + s * (x + z * self.kx), self.oy - s * (y + z * self.ky))

    def ps(self, pts):
        return [self.p(*q) for q in pts]

    def faces_viewer(self, n):
        """Whether a face with normal n is turned to the viewer."""
        return -n[0] * self.kx - n[1] * self.ky + n[2] < 0


def box(c, v, x0, y0, z0, x1, y1, z1, front=BODY, top=BODY_TOP, side=BODY_SIDE,
        lw=LW):
    """A box seen from the front, top and right."""
    c.poly(v.ps([(x1, y0, z0), (x1, y0, z1), (x1, y1, z1), (x1, y1, z0)]),
           side, lw=lw)
    c.poly(v.ps([(x0, y1, z0), (x1, y1, z0), (x1, y1, z1), (x0, y1, z1)]),
           top, lw=lw)
    c.poly(v.ps([(x0, y0, z0), (x1, y0, z0), (x1, y1, z0), (x0, y1, z0)]),
           front, lw=lw)


def cylinder_x(c, v, x0, x1, cy, cz, r, fill=INTERIOR_DARK, end=None, lw=LW):
    """A cylinder along x (a roller), seen from the front-right."""
    n = 40
    ring = [(cy + r * math.sin(t), cz - r * math.cos(t))
            for t in (2 * math.pi * i / n for i in range(n))]
    # Silhouette: both end rings together, as a convex hull on the picture.
    pts = [v.p(x0, y, z) for y, z in ring] + [v.p(x1, y, z) for y, z in ring]
    c.poly(convex_hull(pts), fill, lw=lw)
    c.poly([v.p(x1, y, z) for y, z in ring], end or fill, lw=lw)


def convex_hull(pts):
    pts = sorted(set((round(x, 6), round(y, 6)) for x, y in pts))
    if len(pts) < 3:
        return pts

    def cross(o, a, b):
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])

    lower, upper = [], []
    for p in pts:
        while len(lower) >= 2 and cross(lower[-2], lower[-1], p) <= 0:
            lower.pop()
        lower.append(p)
    for p in reversed(pts):
        while len(upper) >= 2 and cross(upper[-2], upper[-1], p) <= 0:
            upper.pop()
        upper.append(p)
    return lower[:-1] + upper[:-1]


# ---------------------------------------------------------------------------
# Arrows and marks


def arrow(c, pts, color=ACCENT, lw=LW, head=7.0, both=False, outline=OUTLINE):
    """A thick arrow along a polyline, ending in a filled head."""
    pts = list(pts)
    body = 3.0

    def head_at(tip, prev):
        dx, dy = tip[0] - prev[0], tip[1] - prev[1]
        d = math.hypot(dx, dy) or 1.0
        ux, uy = dx / d, dy / d
        bx, by = tip[0] - ux * head * 1.3, tip[1] - uy * head * 1.3
        return [tip, (bx - uy * head, by + ux * head),
                (bx + uy * head, by - ux * head)], (bx + ux * 1.0, by + uy * 1.0)

    h1, end1 = head_at(pts[-1], pts[-2])
    shaft = pts[:-1] + [end1]
    h0 = None
    if both:
        h0, end0 = head_at(pts[0], pts[1])
        shaft = [end0] + shaft[1:]
    # Outline first (wider), then the colour on top.
    c.line(shaft, outline, body + 2 * lw)
    c.line(shaft, color, body)
    for h in (h1, h0):
        if h:
            c.poly(h, color, outline, lw)


def curved_arrow(c, cx, cy, r, a0, a1, **kw):
    n = 24
    pts = [(cx + r * math.cos(a0 + (a1 - a0) * i / n),
            cy + r * math.sin(a0 + (a1 - a0) * i / n)) for i in range(n + 1)]
    arrow(c, pts, **kw)


def highlight(c, cx, cy, rx, ry):
    """A teal ring drawing the eye to a part."""
    glow = Canvas(c.w, c.h)
    glow.ellipse(cx, cy, rx, ry, fill=ACCENT_LIGHT + (90,), outline=None)
    c.overlay(glow)
    c.ellipse(cx, cy, rx, ry, outline=ACCENT, lw=2.0)


# ---------------------------------------------------------------------------
# Media: a strip of label stock bent along a curve
#
# The strip runs along a centre line in the x-y plane (a list of points),
# and across it from z0 to z1. Shapes on it (labels, marks) are given in strip
# coordinates (s = distance along the centre line, z) and bent with it.


class Strip:
    """path: the centre line as (u, y) points, u being x (along="x") or z
    (along="z"); the strip spans z0..z1 (or x0..x1) across."""

    def __init__(self, path, z0, z1, along="x"):
        self.path = path
        self.along = along
        self.z0, self.z1 = z0, z1
        self.cum = [0.0]
        for (xa, ya), (xb, yb) in zip(path, path[1:]):
            self.cum.append(self.cum[-1] + math.hypot(xb - xa, yb - ya))
        self.length = self.cum[-1]

    def at(self, s):
        """Point and unit tangent of the centre line at s."""
        s = min(max(s, 0.0), self.length)
        for i in range(len(self.path) - 1):
            if s <= self.cum[i + 1] or i == len(self.path) - 2:
                seg = self.cum[i + 1] - self.cum[i] or 1.0
                t = (s - self.cum[i]) / seg
                (xa, ya), (xb, yb) = self.path[i], self.path[i + 1]
                return ((xa + (xb - xa) * t, ya + (yb - ya) * t),
                        ((xb - xa) / seg, (yb - ya) / seg))
        raise AssertionError

    def top_visible(self, v, s):
        _, (tu, ty) = self.at(s)
        if self.along == "x":
            return v.faces_viewer((-ty, tu, 0.0))
        return v.faces_viewer((0.0, tu, -ty))

    def runs(self, v):
        """(s0, s1, top side visible) for the stretches of the strip."""
        cuts = [0.0]
        for c in self.cum[1:-1]:
            cuts.append(c)
        cuts.append(self.length)
        runs = []
        for a, b in zip(cuts, cuts[1:]):
            vis = self.top_visible(v, (a + b) / 2)
            if runs and runs[-1][2] == vis:
                runs[-1] = (runs[-1][0], b, vis)
            else:
                runs.append((a, b, vis))
        return runs

    def to3d(self, s, w):
        (u, y), _ = self.at(s)
        return (u, y, w) if self.along == "x" else (w, y, u)

    def shape(self, pts2d, s0, s1):
        """A shape in strip coordinates, clipped to s0..s1 and bent."""
        pts = clip_s(pts2d, s0, s1)
        out = []
        for (a, z), (b, w) in zip(pts, pts[1:] + pts[:1]):
            out.append((a, z))
            # Follow the bend along long edges.
            n = int(abs(b - a) / 2.0)
            for i in range(1, n):
                out.append((a + (b - a) * i / n, z + (w - z) * i / n))
        return [self.to3d(s, z) for s, z in out]


def clip_s(pts, s0, s1):
    def clip(pts, inside, cut):
        out = []
        for i, cur in enumerate(pts):
            prev = pts[i - 1]
            if inside(cur):
                if not inside(prev):
                    out.append(cut(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(cut(prev, cur))
        return out

    def cut_at(s):
        def cut(a, b):
            t = (s - a[0]) / (b[0] - a[0])
            return (s, a[1] + (b[1] - a[1]) * t)
        return cut

    pts = clip(list(pts), lambda p: p[0] >= s0, cut_at(s0))
    if pts:
        pts = clip(pts, lambda p: p[0] <= s1, cut_at(s1))
    return pts


def rounded_rect_pts(s0, z0, s1, z1, r, n=6):
    pts = []
    for cx, cz, a0 in ((s1 - r, z1 - r, 0), (s0 + r, z1 - r, 90),
                       (s0 + r, z0 + r, 180), (s1 - r, z0 + r, 270)):
        for i in range(n + 1):
            a = math.radians(a0 + 90 * i / n)
            pts.append((cx + r * math.cos(a), cz + r * math.sin(a)))
    return pts


def draw_strip(c, v, strip, top_shapes, back_shapes, base=LINER,
               back_base=None, ghosts=(), lw=LW):
    """Draws a strip stretch by stretch; each stretch shows the side turned to
    the viewer. Shapes are (points in strip coordinates, fill colour).
    ghosts: shapes on the back, seen faintly through the paper from the top."""
    back_base = back_base or base
    for s0, s1, top in strip.runs(v):
        rect = [(s0, strip.z0), (s1, strip.z0), (s1, strip.z1), (s0, strip.z1)]
        c.poly(v.ps(strip.shape(rect, s0, s1)),
               (base if top else back_base), outline=None)
        shapes = top_shapes if top else back_shapes
        for pts, color in shapes:
            poly = strip.shape(pts, s0, s1)
            if len(poly) >= 3:
                c.poly(v.ps(poly), color, OUTLINE, LW_THIN)
        if top and ghosts:
            layer = Canvas(c.w, c.h)
            for pts, color in ghosts:
                poly = strip.shape(pts, s0, s1)
                if len(poly) >= 3:
                    layer.poly(v.ps(poly), color + (150,), None)
            c.overlay(layer)
        c.poly(v.ps(strip.shape(rect, s0, s1)), None, OUTLINE, lw)


def label_shapes(s_from, s_to, pitch, length, z0, z1, margin=3.0, r=3.0,
                 color=PAPER):
    shapes = []
    s = s_from
    while s + length <= s_to + 1e-6:
        shapes.append((rounded_rect_pts(s, z0 + margin, s + length,
                                        z1 - margin, r), color))
        s += pitch
    return shapes


def mark_shapes(s_from, s_to, pitch, length, z0, z1, color=MARK):
    shapes = []
    s = s_from
    while s + length <= s_to + 1e-6:
        shapes.append(([(s, z0), (s + length, z0), (s + length, z1),
                        (s, z1)], color))
        s += pitch
    return shapes


# ---------------------------------------------------------------------------
# The printer


class Printer:
    """A desktop label printer in world units (picture pixels at scale 1)."""
    W, H, D = 170.0, 52.0, 110.0  # base
    COVER_H = 32.0
    HINGE_Z = D
    SENSOR_Z = 44.0  # the sensors sit this far behind the front
    SENSOR_X = 98.0  # the lower sensor's position across the path
    PLATEN_Z = 14.0
    PATH_X0, PATH_X1 = 22.0, 148.0  # the media path across the printer

    def __init__(self, view):
        self.v = view

    def cover_point(self, x, y, z, angle):
        """A point of the cover (closed coordinates) opened by angle deg."""
        a = math.radians(angle)
        dy, dz = y - self.H, z - self.HINGE_Z
        return (x, self.H + dy * math.cos(a) - dz * math.sin(a),
                self.HINGE_Z + dy * math.sin(a) + dz * math.cos(a))

    def closed(self, c):
        v, W, H, D, CH = self.v, self.W, self.H, self.D, self.COVER_H
        box(c, v, 0, 0, 0, W, H, D)
        # The cover, its front bevelled.
        bevel = 16.0
        side = [(W, H, 0), (W, H, D), (W, H + CH, D), (W, H + CH, bevel),
                (W, H + CH - 10, 0)]
        c.poly(v.ps(side), BODY_SIDE)
        top = [(0, H + CH, bevel), (W, H + CH, bevel), (W, H + CH, D),
               (0, H + CH, D)]
        c.poly(v.ps(top), BODY_TOP)
        slope = [(0, H + CH - 10, 0), (W, H + CH - 10, 0), (W, H + CH, bevel),
                 (0, H + CH, bevel)]
        c.poly(v.ps(slope), BODY_TOP)
        front = [(0, H, 0), (W, H, 0), (W, H + CH - 10, 0),
                 (0, H + CH - 10, 0)]
        c.poly(v.ps(front), BODY)
        # The seam between cover and base, the exit slot and a status lamp.
        c.line(v.ps([(0, H, 0), (W, H, 0)]), OUTLINE, LW)
        slot = [(self.PATH_X0 - 4, H - 8, 0), (self.PATH_X1 + 4, H - 8, 0),
                (self.PATH_X1 + 4, H - 4, 0), (self.PATH_X0 - 4, H - 4, 0)]
        c.poly(v.ps(slot), INTERIOR_DARK, OUTLINE, LW_THIN)
        lx, ly = v.p(W - 20, 18, 0)
        c.ellipse(lx, ly, 3.2 * v.s, 3.2 * v.s, ACCENT, OUTLINE, LW_THIN)
        bx0, by0 = v.p(W - 44, 22, 0)
        bx1, by1 = v.p(W - 30, 14, 0)
        c.rect(bx0, by0, bx1, by1, BODY_TOP, OUTLINE, LW_THIN, r=2 * v.s)
        # Feet.
        for x in (12, W - 26):
            foot = [(x, -3, 4), (x + 14, -3, 4), (x + 14, 0, 4), (x, 0, 4)]
            c.poly(v.ps(foot), INTERIOR_DARK, OUTLINE, LW_THIN)

    def open(self, c, angle=102.0):
        v, W, H, D, CH = self.v, self.W, self.H, self.D, self.COVER_H
        cp = lambda x, y, z: v.p(*self.cover_point(x, y, z, angle))
        # The opened cover stands behind the base; we see its inside.
        side = [(W, H, 0), (W, H, D), (W, H + CH, D), (W, H + CH, 0)]
        c.poly([cp(*q) for q in side], BODY_SIDE)
        inner = [(0, H, 0), (W, H, 0), (W, H, D), (0, H, D)]
        c.poly([cp(*q) for q in inner], INTERIOR)
        rim = 7.0
        c.poly([cp(*q) for q in [(rim, H, rim), (W - rim, H, rim),
                                   (W - rim, H, D - rim), (rim, H, D - rim)]],
               BODY_SIDE, OUTLINE, LW_THIN)
        # The upper sensor on the inside of the cover, above the lower one.
        ux = self.SENSOR_X
        up = [(ux - 10, H, self.SENSOR_Z - 8), (ux + 10, H, self.SENSOR_Z - 8),
              (ux + 10, H, self.SENSOR_Z + 8), (ux - 10, H, self.SENSOR_Z + 8)]
        c.poly([cp(*q) for q in up], ACCENT, OUTLINE, LW_THIN)
        # The print head bar on the cover.
        head = [(self.PATH_X0, H, self.PLATEN_Z - 4),
                (self.PATH_X1, H, self.PLATEN_Z - 4),
                (self.PATH_X1, H, self.PLATEN_Z + 4),
                (self.PATH_X0, H, self.PLATEN_Z + 4)]
        c.poly([cp(*q) for q in head], INTERIOR_DARK, OUTLINE, LW_THIN)

        # The base, open at the top.
        c.poly(v.ps([(W, 0, 0), (W, 0, D), (W, H, D), (W, H, 0)]), BODY_SIDE)
        c.poly(v.ps([(0, H, 0), (W, H, 0), (W, H, D), (0, H, D)]), BODY_TOP)
        well = [(rim, H, rim), (W - rim, H, rim), (W - rim, H, D - rim),
                (rim, H, D - rim)]
        c.poly(v.ps(well), BODY_SIDE, OUTLINE, LW_THIN)
        # The well's far and left walls, a little darker.
        depth = 18.0
        c.poly(v.ps([(rim, H, D - rim), (W - rim, H, D - rim),
                     (W - rim, H - depth, D - rim),
                     (rim, H - depth, D - rim)]), INTERIOR, None)
        c.poly(v.ps([(rim, H, rim), (rim, H, D - rim),
                     (rim, H - depth, D - rim), (rim, H - depth, rim)]),
               INTERIOR, None)
        c.poly(v.ps([(rim, H - depth, rim), (W - rim, H - depth, rim),
                     (W - rim, H - depth, D - rim),
                     (rim, H - depth, D - rim)]), BODY_SIDE, None)
        c.line(v.ps([(rim, H - depth, D - rim), (W - rim, H - depth, D - rim)]),
               OUTLINE, LW_THIN)
        c.line(v.ps([(rim, H - depth, rim), (rim, H - depth, D - rim)]),
               OUTLINE, LW_THIN)
        c.poly(v.ps(well), None, OUTLINE, LW_THIN)
        # The roll holder: two guides at the back of the well.
        floor = H - depth
        for gx in (self.PATH_X0 - 6, self.PATH_X1 + 2):
            box(c, v, gx, floor, 78, gx + 4, floor + 30, 100, lw=LW_THIN)
        # The media path: a plate along the front with the sensor slot.
        plate_y = H - 4
        plate = [(self.PATH_X0 - 8, plate_y, 22), (self.PATH_X1 + 8, plate_y, 22),
                 (self.PATH_X1 + 8, plate_y, 74), (self.PATH_X0 - 8, plate_y, 74)]
        c.poly(v.ps(plate), BODY_TOP, OUTLINE, LW_THIN)
        slot = [(self.PATH_X0, plate_y, self.SENSOR_Z - 2),
                (self.PATH_X1, plate_y, self.SENSOR_Z - 2),
                (self.PATH_X1, plate_y, self.SENSOR_Z + 2),
                (self.PATH_X0, plate_y, self.SENSOR_Z + 2)]
        c.poly(v.ps(slot), INTERIOR_DARK, OUTLINE, LW_THIN)
        # The platen roller at the front.
        cylinder_x(c, v, self.PATH_X0 - 4, self.PATH_X1 + 4, plate_y - 2,
                   self.PLATEN_Z, 6.0, INTERIOR_DARK, end=INTERIOR)
        # The lower sensor sits in the slot and slides along it.
        sx, sz = self.SENSOR_X, self.SENSOR_Z
        box(c, v, sx - 10, plate_y, sz - 8, sx + 10, plate_y + 5, sz + 8,
            front=ACCENT, top=ACCENT_LIGHT, side=ACCENT, lw=LW_THIN)
        # The base's front face last.
        c.poly(v.ps([(0, 0, 0), (W, 0, 0), (W, H, 0), (0, H, 0)]), BODY)
        lx, ly = v.p(W - 20, 18, 0)
        c.ellipse(lx, ly, 3.2 * v.s, 3.2 * v.s, ACCENT, OUTLINE, LW_THIN)
        bx0, by0 = v.p(W - 44, 22, 0)
        bx1, by1 = v.p(W - 30, 14, 0)
        c.rect(bx0, by0, bx1, by1, BODY_TOP, OUTLINE, LW_THIN, r=2 * v.s)
        for x in (12, W - 26):
            foot = [(x, -3, 4), (x + 14, -3, 4), (x + 14, 0, 4), (x, 0, 4)]
            c.poly(v.ps(foot), INTERIOR_DARK, OUTLINE, LW_THIN)
        return {
            "lower": v.p(sx, plate_y + 4, sz),
            "upper": cp(sx, H, sz),
            "slot_left": v.p(self.PATH_X0 + 4, plate_y, sz),
            "slot_right": v.p(self.PATH_X1 - 4, plate_y, sz),
            "plate_y": plate_y,
        }


# ---------------------------------------------------------------------------
# The pictures


def card(w, h):
    """A guide picture's ground: near white with a faint edge."""
    c = Canvas(w, h, CARD)
    c.rect(0.5, 0.5, w - 0.5, h - 0.5, None, CARD_EDGE, 1.0)
    return c


def draw_easy_media(kind):
    """Labels with gaps, black marks or continuous stock, seen flat."""
    w = 80 if kind == "continuous" else 81
    h = 109
    c = card(w, h)
    x0, x1 = 15.0, w - 15.0
    top, bottom = 6.0, h - 6.0
    wave = 1.5

    def edge(y, sign):
        n = 10
        return [(x0 + (x1 - x0) * i / n,
                 y + sign * wave * math.sin(math.pi * i / n * 2.0))
                for i in range(n + 1)]

    outline = edge(top, 1) + list(reversed(edge(bottom, -1)))
    stock = PAPER if kind == "continuous" else LINER
    c.poly(outline, stock, None)
    if kind != "continuous":
        pitch, length = 52.0, 44.0
        y = top - 20.0
        while y < bottom:
            ya, yb = y, y + length
            if kind == "marks":
                # The black mark across the stock at the label's top edge.
                c.rect(x0, max(ya - 7, top - 3), x1, max(ya - 1, top - 3),
                       MARK, None)
            if yb > top:
                c.rect(x0 + 5, ya, x1 - 5, yb, PAPER, OUTLINE, LW_THIN, r=5)
            y += pitch
        # Whatever ran past the wavy ends is covered by the ground again.
        c.poly([(0, 0), (w, 0)] + edge(top, 1)[::-1], CARD, None)
        c.poly([(0, h), (w, h)] + edge(bottom, -1)[::-1], CARD, None)
        c.rect(0.5, 0.5, w - 0.5, h - 0.5, None, CARD_EDGE, 1.0)
    c.poly(outline, None, OUTLINE, LW)
    return c.opaque()


# -- calibration guide ------------------------------------------------------

GUIDE_W, GUIDE_H = 376, 235
LABEL_PITCH, LABEL_LEN = 66.0, 58.0
STRIP_W = 96.0


def guide_view():
    """The printer pictures share one view, looking in from above."""
    return View(96, 214, 0.85, kx=0.4, ky=0.5)


def closeup_view():
    """The media close-ups: the same angle, nearer. Strips start at x = 0,
    out of the picture, so that along a strip s and x agree."""
    return View(-56, 170, 1.0, kx=0.4, ky=0.5)


def draw_open_printer():
    """Step 1: the opened printer, sensor adjuster in sight, and a close-up
    of the lower sensor in its slot."""
    c = card(GUIDE_W, GUIDE_H)
    v = guide_view()
    v.ox = 40
    pr = Printer(v)
    pts = pr.open(c, angle=102.0)
    # The lower sensor sits below its partner in the cover.
    lx, ly = pts["lower"]
    ux, uy = pts["upper"]
    c.dashed([(lx, ly - 4), (ux, uy + 4)], ACCENT, 1.5, 4, 3)
    highlight(c, ux, uy, 17, 12)
    highlight(c, lx, ly - 1, 19, 12)

    # The close-up: the sensor slides along its slot across the media path.
    cx, cy, r = 306.0, 116.0, 62.0
    c.line([(lx + 19, ly - 3), (cx - r * 0.96, cy + r * 0.28)], ACCENT, 2.0)
    zoom = 1.9
    py, sx, sz = pts["plate_y"], Printer.SENSOR_X, Printer.SENSOR_Z
    cv = View(0, 0, zoom, kx=0.4, ky=0.5)
    ox, oy = cv.p(sx, py, sz)
    cv.ox, cv.oy = cx - ox, cy - oy
    inset = Canvas(c.w, c.h)
    inset.rect(cx - r, cy - r, cx + r, cy + r, BODY_SIDE, None)
    inset.poly(cv.ps([(sx - 60, py, 22), (sx + 60, py, 22), (sx + 60, py, 74),
                      (sx - 60, py, 74)]), BODY_TOP, OUTLINE, LW)
    inset.poly(cv.ps([(sx - 60, py, sz - 2.5), (sx + 60, py, sz - 2.5),
                      (sx + 60, py, sz + 2.5), (sx - 60, py, sz + 2.5)]),
               INTERIOR_DARK, OUTLINE, LW)
    cylinder_x(inset, cv, sx - 60, sx + 60, py - 2, Printer.PLATEN_Z, 6.0,
               INTERIOR_DARK, end=INTERIOR)
    box(inset, cv, sx - 10, py, sz - 8, sx + 10, py + 5, sz + 8,
        front=ACCENT, top=ACCENT_LIGHT, side=ACCENT)
    for a_, b_ in ((sx - 12, sx - 27), (sx + 12, sx + 27)):
        arrow(inset, [cv.p(a_, py + 2, sz), cv.p(b_, py + 2, sz)], head=6.0)
    mask = Image.new("L", inset.im.size, 0)
    ImageDraw.Draw(mask).ellipse(inset.box(cx - r, cy - r, cx + r, cy + r),
                                 fill=255)
    alpha = ImageChops.multiply(inset.im.getchannel("A"), mask)
    inset.im.putalpha(alpha)
    c.overlay(inset)
    c.ellipse(cx, cy, r, r, None, ACCENT, 2.0)
    return c.opaque()


def arc_path(start, flat, radius, a0, a1, n=24, tail=0.0):
    """A strip path: straight from start for flat, then bending on an arc
    from angle a0 to a1 (degrees, position on the circle), then straight on
    for tail."""
    x, y = start
    xa, ya = x + flat, y
    cx = xa - radius * math.cos(math.radians(a0))
    cy = ya - radius * math.sin(math.radians(a0))
    pts = [(x, y)]
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        pts.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
    if tail:
        t = math.radians(a1 + (90.0 if a1 > a0 else -90.0))
        x, y = pts[-1]
        pts.append((x + tail * math.cos(t), y + tail * math.sin(t)))
    return pts


def labels_on(s_from, s_to, z0=0.0, z1=STRIP_W):
    return label_shapes(s_from, s_to, LABEL_PITCH, LABEL_LEN, z0, z1)


def draw_liner_shown():
    """Step 2 (gaps): the first labels peeled off, the liner left bare."""
    c = card(GUIDE_W, GUIDE_H)
    v = closeup_view()
    end = 396.0
    strip = Strip([(0, 0), (end, 0)], 0, STRIP_W)
    first = 4.0
    labels = labels_on(first, first + 3 * LABEL_PITCH)
    draw_strip(c, v, strip, labels, [])
    # The next label half peeled: its tail still sticks, the rest is folded
    # back, showing its underside.
    s_l = first + 3 * LABEL_PITCH
    flat = 18.0
    radius = 5.0
    bend = radius * math.radians(105.0)
    peel = arc_path((s_l, 0.0), flat, radius, -90.0, 15.0, n=12,
                    tail=LABEL_LEN - flat - bend)
    pstrip = Strip(peel, 4.0, STRIP_W - 4.0)
    draw_strip(c, v, pstrip, [], [], base=PAPER, back_base=PAPER_SHADE)
    # Pull it up and back.
    tx, ty = v.p(*pstrip.to3d(pstrip.length, STRIP_W))
    curved_arrow(c, tx - 10, ty + 30, 36, math.radians(-10),
                 math.radians(-100), head=6.0)
    return c.opaque()


def sensor_pair(c, v, sx, sz, upper=True, lower=True):
    """Draws the lower sensor (under the media) or the upper one on its arm."""
    if lower:
        box(c, v, sx - 12, -30, sz - 10, sx + 12, -8, sz + 10, ACCENT,
            ACCENT_LIGHT, ACCENT)
    if upper:
        box(c, v, sx - 6, 56, sz - 4, sx + 6, 64, 150, BODY, BODY_TOP,
            BODY_SIDE)
        box(c, v, sx - 12, 40, sz - 10, sx + 12, 56, sz + 10, ACCENT,
            ACCENT_LIGHT, ACCENT)


def see_through(c, v, pts3d, color, alpha):
    glow = Canvas(c.w, c.h)
    glow.poly(v.ps(pts3d), color + (alpha,), None)
    c.overlay(glow)


def draw_liner_between_sensors():
    """Step 3 (gaps): the bare liner runs between the upper and lower sensor."""
    c = card(GUIDE_W, GUIDE_H)
    v = closeup_view()
    sx, sz = 250.0, STRIP_W / 2
    sensor_pair(c, v, sx, sz, upper=False)
    strip = Strip([(0, 0), (380, 0)], 0, STRIP_W)
    draw_strip(c, v, strip, labels_on(-10, 180), [])
    # The liner lets the light through: the lower sensor shows faintly.
    see_through(c, v, [(sx - 12, 0, sz - 10), (sx + 12, 0, sz - 10),
                       (sx + 12, 0, sz + 10), (sx - 12, 0, sz + 10)],
                ACCENT, 110)
    sensor_pair(c, v, sx, sz, lower=False)
    c.dashed([v.p(sx, 40, sz), v.p(sx, 0, sz)], ACCENT, 1.5, 4, 3)
    # The way the media goes in.
    a = v.p(150, 0, -14)
    arrow(c, [(a[0] - 50, a[1]), (a[0] + 20, a[1])], head=6.0)
    return c.opaque()


MARK_LEN = 14.0


def marks_on_back(s_from, s_to):
    """Black marks on the back, one at each gap between labels."""
    return mark_shapes(s_from, s_to, LABEL_PITCH, MARK_LEN, 0.0, STRIP_W)


def draw_marks_on_back():
    """Step 2 (black marks): the media's end turned up shows the marks on its
    back; they go face down."""
    c = card(GUIDE_W, GUIDE_H)
    v = closeup_view()
    v.oy = 164
    flat_end = 286.0
    path = arc_path((0, 0), flat_end, 26.0, -90.0, 140.0, n=40)
    strip = Strip(path, 0, STRIP_W)
    # Labels placed so that a mark shows on the turned-up end.
    first = -24.0
    gap = LABEL_PITCH - LABEL_LEN
    labels = labels_on(first, strip.length)
    marks = marks_on_back(first + LABEL_LEN + gap / 2 - MARK_LEN / 2,
                          strip.length)
    draw_strip(c, v, strip, labels, marks, ghosts=[(p, MARK) for p, _ in marks])
    # Marks face down.
    x, y = v.p(flat_end + 58, 0, -6)
    arrow(c, [(x, y - 34), (x, y + 4)], head=7.0)
    return c.opaque()


def draw_marks_clear():
    """Step 3 (black marks): a mark on the back lies beside the sensor."""
    c = card(GUIDE_W, GUIDE_H)
    v = closeup_view()
    v.oy = 156
    sx, sz = 292.0, STRIP_W / 2
    sensor_pair(c, v, sx, sz, upper=False)
    # The sensor under the middle of the last label, the marks either side.
    first = sx - LABEL_LEN / 2 - 4 * LABEL_PITCH
    gap = LABEL_PITCH - LABEL_LEN
    end = first + 5 * LABEL_PITCH - gap / 2
    strip = Strip([(0, 0), (end, 0)], 0, STRIP_W)
    labels = labels_on(first, end)
    marks = marks_on_back(first + LABEL_LEN + gap / 2 - MARK_LEN / 2, end)
    draw_strip(c, v, strip, labels, [], ghosts=[(p, MARK) for p, _ in marks])
    see_through(c, v, [(sx - 12, 0, sz - 10), (sx + 12, 0, sz - 10),
                       (sx + 12, 0, sz + 10), (sx - 12, 0, sz + 10)],
                ACCENT, 130)
    hx, hy = v.p(sx, 0, sz)
    highlight(c, hx, hy, 26, 18)
    return c.opaque()


def draw_closed_printer(media_kind):
    """Step 4: the cover swung shut on the loaded media."""
    c = card(GUIDE_W, GUIDE_H)
    v = guide_view()
    v.ox, v.oy = 100, 170
    pr = Printer(v)
    pr.closed(c)
    # The cover swings shut: an arc above its front edge.
    pts = []
    for i in range(17):
        a = 44.0 - 40.0 * i / 16
        pts.append(v.p(*pr.cover_point(pr.W * 0.55, pr.H + pr.COVER_H + 14,
                                       10, a)))
    arrow(c, pts, head=7.0)

    # The media out of the slot: level at first, then down onto the table.
    y_slot = pr.H - 6
    r = y_slot / 2
    path = [(-96, 0.0)]
    for i in range(17):  # rising from the table
        t = math.radians(90 * i / 16)
        path.append((-10 - 2 * r + r * math.sin(t), r - r * math.cos(t)))
    for i in range(1, 17):  # turning level into the slot
        t = math.radians(90 * i / 16)
        path.append((-10 - r + r * (1 - math.cos(t)), r + r * math.sin(t)))
    path.append((0.0, y_slot))
    x0, x1 = pr.PATH_X0 + 4, pr.PATH_X1 - 4
    strip = Strip(path, x0, x1, along="z")
    pitch, length = 58.0, 50.0
    first = 6.0
    labels = label_shapes(first, strip.length, pitch, length, x0, x1)
    ghosts = ()
    if media_kind == "marks":
        ghosts = [(pts, MARK) for pts, _ in mark_shapes(
            first + length + (pitch - length) / 2 - 6, strip.length, pitch,
            12.0, x0, x1)]
    draw_strip(c, v, strip, labels, [], ghosts=ghosts)
    return c.opaque()


def inlay_shapes(s_mid, z0=0.0, z1=STRIP_W):
    """The RFID inlay inside a label centred at s_mid: a dipole antenna
    across the label, its arms ending in wide pads, and the chip in the
    middle; seen through the label's paper."""
    zc = (z0 + z1) / 2
    arms = [(s_mid - 1.8, z0 + 16), (s_mid + 1.8, z0 + 16),
            (s_mid + 1.8, z1 - 16), (s_mid - 1.8, z1 - 16)]
    pads = [[(s_mid - 11, z0 + 9), (s_mid + 11, z0 + 9), (s_mid + 11, z0 + 20),
             (s_mid - 11, z0 + 20)],
            [(s_mid - 11, z1 - 20), (s_mid + 11, z1 - 20),
             (s_mid + 11, z1 - 9), (s_mid - 11, z1 - 9)]]
    chip = [(s_mid - 4, zc - 4), (s_mid + 4, zc - 4), (s_mid + 4, zc + 4),
            (s_mid - 4, zc + 4)]
    return [(arms, ACCENT), (pads[0], ACCENT), (pads[1], ACCENT),
            (chip, MARK)]


def draw_rfid_labels_between_sensors():
    """RFID calibration, step 2: the RFID labels, face up and left on their
    liner, run between the upper and the lower sensor; each label's inlay
    (antenna and chip) shows through its paper, one answers with radio
    waves; an arrow shows the way the media goes in."""
    c = card(GUIDE_W, GUIDE_H)
    v = closeup_view()
    sx, sz = 250.0, STRIP_W / 2
    sensor_pair(c, v, sx, sz, upper=False)
    end = 380.0
    strip = Strip([(0, 0), (end, 0)], 0, STRIP_W)
    first = -10.0
    labels = labels_on(first, end)
    inlays = []
    s = first
    while s + LABEL_LEN <= end + 1e-6:
        inlays += inlay_shapes(s + LABEL_LEN / 2)
        s += LABEL_PITCH
    draw_strip(c, v, strip, labels, [], ghosts=inlays)
    # The lower sensor shows faintly through label and liner.
    see_through(c, v, [(sx - 12, 0, sz - 10), (sx + 12, 0, sz - 10),
                       (sx + 12, 0, sz + 10), (sx - 12, 0, sz + 10)],
                ACCENT, 90)
    sensor_pair(c, v, sx, sz, lower=False)
    c.dashed([v.p(sx, 40, sz), v.p(sx, 0, sz)], ACCENT, 1.5, 4, 3)
    # Radio waves rising from the inlay of a label in front of the sensors.
    wx, wy = v.p(first + LABEL_PITCH + LABEL_LEN / 2, 0, STRIP_W)
    wy -= 6
    for i, rr in enumerate((10.0, 17.0, 24.0)):
        pts = [(wx + rr * math.cos(a), wy - rr * math.sin(a)) for a in
               (math.radians(50 + 80 * k / 16) for k in range(17))]
        c.line(pts, ACCENT if i < 2 else ACCENT_LIGHT, 2.0)
    # The way the media goes in.
    a = v.p(150, 0, -14)
    arrow(c, [(a[0] - 50, a[1]), (a[0] + 20, a[1])], head=6.0)
    return c.opaque()


# -- media rolls ------------------------------------------------------------


def bezier(p0, p1, p2, p3, n=24):
    pts = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        pts.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] +
                    3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] +
                    3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return pts


def draw_roll(kind):
    """A roll of label stock, its end unwound and laid out to the right."""
    c = Canvas(140, 120)
    v = View(31, 72, 1.0, kx=0.4, ky=0.5)
    R, core, hole, width = 27.0, 11.0, 7.5, 40.0
    # The roll's curved side: the hull of its two end circles.
    ring = [(R * math.cos(a), R * math.sin(a)) for a in
            (2 * math.pi * i / 64 for i in range(64))]
    hull = convex_hull([v.p(x, y, 0) for x, y in ring] +
                       [v.p(x, y, width) for x, y in ring])
    c.poly(hull, PAPER)
    # The end face: the wound stock, the core and its hole.
    cx, cy = v.p(0, 0, 0)
    c.ellipse(cx, cy, R, R, LINER, OUTLINE, LW)
    for r in (R - 5, R - 9.5):
        c.ellipse(cx, cy, r, r, None, LINER_SHADE, LW_THIN)
    c.ellipse(cx, cy, core, core, BODY, OUTLINE, LW)
    c.ellipse(cx, cy, hole, hole, INTERIOR, OUTLINE, LW_THIN)
    # The unwound end: off the top of the roll, down to the table and on.
    path = bezier((0.0, R), (34.0, R), (30.0, -R), (62.0, -R)) + [(88.0, -R)]
    strip = Strip(path, 0, width)
    pitch, length = 38.0, 32.0
    first = 14.0
    labels = label_shapes(first, strip.length, pitch, length, 0, width,
                          margin=2.5, r=3.0)
    if kind == "marks":
        # As on the Easy page: a black bar at each label's top edge.
        marks = mark_shapes(first - 5.5, strip.length, pitch, 5.0, 0, width)
        draw_strip(c, v, strip, marks + labels, [])
    else:
        draw_strip(c, v, strip, labels, [])
    return c.keyed()


def draw_rfid_label():
    """An RFID label: label stock lying on its liner, the tag's antenna coil
    and chip inside the label, and the radio waves it answers with."""
    c = Canvas(140, 120)
    v = View(6, 112, 1.0, kx=0.5, ky=0.8)
    # The liner strip on the table (y = 0), running into the picture.
    lx0, lx1, lz0, lz1 = 0.0, 90.0, -4.0, 84.0
    c.poly(v.ps([(lx0, 0, lz0), (lx1, 0, lz0), (lx1, 0, lz1), (lx0, 0, lz1)]),
           LINER)
    # The label on it: a rounded rectangle in the table's plane.
    x0, x1, z0, z1, r = 5.0, 85.0, 4.0, 76.0, 5.0
    c.poly([v.p(x, 0, z) for x, z in rounded_rect_pts(x0, z0, x1, z1, r)],
           PAPER)
    # The antenna: a coil of three turns around the chip.
    for i in range(3):
        d = 7.0 + 4.0 * i
        c.poly(v.ps([(x0 + d, 0, z0 + d), (x1 - d, 0, z0 + d),
                     (x1 - d, 0, z1 - d), (x0 + d, 0, z1 - d)]),
               None, ACCENT, LW)
    cx, cz = (x0 + x1) / 2, (z0 + z1) / 2
    c.poly(v.ps([(cx - 5, 0, cz - 4), (cx + 5, 0, cz - 4),
                 (cx + 5, 0, cz + 4), (cx - 5, 0, cz + 4)]), MARK, OUTLINE)
    # The coil's ends run to the chip.
    c.line([v.p(x0 + 15, 0, cz), v.p(cx - 5, 0, cz)], ACCENT, LW)
    c.line([v.p(cx + 5, 0, cz), v.p(x1 - 15, 0, cz)], ACCENT, LW)
    # Radio waves rising from the tag.
    wx, wy = v.p(cx, 0, z1)
    wy -= 4
    for i, rr in enumerate((10.0, 16.0, 22.0)):
        pts = [(wx + rr * math.cos(a), wy - rr * math.sin(a)) for a in
               (math.radians(50 + 80 * k / 16) for k in range(17))]
        c.line(pts, ACCENT if i < 2 else ACCENT_LIGHT, LW)
    c.text(24, 6, "RFID", 12, FONT_SANS_BOLD, OUTLINE, anchor="ma")
    return c.keyed()


# -- printouts --------------------------------------------------------------

PRINT_W, PRINT_H = 282, 431
PAPER_X0, PAPER_X1 = 22.0, 258.0


def paper_strip(c):
    """The printed strip: white stock, torn off at the bottom."""
    top, bottom = 4.0, PRINT_H - 8.0
    n = 24
    torn = [(PAPER_X1 - (PAPER_X1 - PAPER_X0) * i / n,
             bottom + (2.5 if i % 2 else -1.5)) for i in range(n + 1)]
    shape = [(PAPER_X0, top), (PAPER_X1, top)] + torn
    shadow = [(x + 3, y + 3) for x, y in shape]
    c.poly(shadow, BODY_SIDE, None)
    c.poly(shape, PAPER, OUTLINE, LW)
    return top, bottom


# What the self-test printout of each model says where the models differ:
# its name, machine lines and the defaults of its settings.
SELF_TEST_MODELS = {
    "VX-120-ZKQ": {"FIRMWARE": "V1.08A", "BOOT": "V1.02",
                   "SERIAL NUMBER": "ZK24010583", "RESOLUTION": "203 DPI",
                   "PRINT DARKNESS": "10", "PRINT METHOD": "DIRECT",
                   "MEDIA SENSOR": "SEE THROUGH",
                   "CONT. MEDIA LENGTH": "100.0 MM"},
    "VX-135-ZKQ": {"FIRMWARE": "V2.03B", "BOOT": "V1.05",
                   "SERIAL NUMBER": "ZK35020417", "RESOLUTION": "300 DPI",
                   "PRINT DARKNESS": "15", "PRINT METHOD": "TRANSFER",
                   "MEDIA SENSOR": "REFLECT",
                   "CONT. MEDIA LENGTH": "101.6 MM"},
}


def draw_self_test(model="VX-120-ZKQ"):
    """An example configuration printout of `model`: machine lines and
    settings."""
    m = SELF_TEST_MODELS[model]
    c = Canvas(PRINT_W, PRINT_H)
    top, bottom = paper_strip(c)
    x = PAPER_X0 + 12
    y = top + 10
    c.text(x, y, model, 13, FONT_SANS_BOLD)
    y += 20
    lines = [
        ("", "MACHINE"),
        ("FIRMWARE", m["FIRMWARE"]),
        ("BOOT", m["BOOT"]),
        ("SERIAL NUMBER", m["SERIAL NUMBER"]),
        ("RESOLUTION", m["RESOLUTION"]),
        ("PRINT COUNTER", "001234 M"),
        ("SERVICE COUNTER", "000867 M"),
        ("CUT COUNTER", "0000000"),
        ("", "PAGE SETUP"),
        ("PRINT SPEED", "6 IPS"),
        ("PRINT DARKNESS", m["PRINT DARKNESS"]),
        ("PRINT METHOD", m["PRINT METHOD"]),
        ("MEDIA SENSOR", m["MEDIA SENSOR"]),
        ("CONT. MEDIA LENGTH", m["CONT. MEDIA LENGTH"]),
        ("FUNCTION SELECT", "TEAR"),
        ("PAPER POSITION", "0.0 MM"),
        ("", "SYSTEM SETUP"),
        ("SENSOR LEVEL", "1.5 V"),
        ("PAPER END LEVEL", "0.50 V"),
        ("SYMBOL SET", "PC"),
        ("KEYBOARD LOCK", "OFF"),
        ("", "INTERFACE"),
        ("IPV4 DHCP", "OFF"),
        ("IPV4 ADDRESS", "192.168.10.21"),
        ("IPV4 SUBNET MASK", "255.255.255.0"),
        ("IPV4 GATEWAY", "192.168.10.1"),
        ("PORT NUMBER", "9100"),
        ("TIMEOUT", "10 SEC"),
        ("RS-232C BAUD", "9600"),
        ("RS-232C PARITY", "NONE"),
        ("RS-232C LENGTH", "8 BIT"),
    ]
    size = 7.6
    right = PAPER_X1 - 12
    for key, value in lines:
        if not key:
            y += 3
            c.rect(x, y + 1, right, y + 10, MARK, None)
            c.text(x + 3, y + 1.5, value, size, FONT_MONO_BOLD, PAPER)
            y += 13
            continue
        c.text(x + 2, y, key, size, FONT_MONO)
        c.text(right - 2, y, value, size, FONT_MONO, anchor="ra")
        y += 10.4
    # The head check pattern closes the printout.
    y += 6
    steps = 12
    wdt = (right - x) / steps
    for i in range(steps):
        h = 4 + (i % 4) * 3
        c.rect(x + i * wdt, y + (13 - h), x + (i + 1) * wdt - 1, y + 13, MARK,
               None)
    assert y + 13 < bottom - 4, y
    return c.keyed()


EAN_L = ["0001101", "0011001", "0010011", "0111101", "0100011", "0110001",
         "0101111", "0111011", "0110111", "0001011"]
EAN_PARITY = ["LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG", "LGGLLG",
              "LGGGLL", "LGLGLL", "LGLLGL", "LLGLLL"]


def ean13_modules(digits12):
    d = [int(ch) for ch in digits12]
    total = sum(x * (3 if i % 2 else 1) for i, x in enumerate(d))
    d.append((10 - total % 10) % 10)
    bits = "101"
    for i, x in enumerate(d[1:7]):
        code = EAN_L[x]
        if EAN_PARITY[d[0]][i] == "G":
            code = "".join("1" if ch == "0" else "0" for ch in code)[::-1]
        bits += code
    bits += "01010"
    for x in d[7:]:
        bits += "".join("1" if ch == "0" else "0" for ch in EAN_L[x])
    bits += "101"
    return bits, "".join(str(x) for x in d)


ITF_DIGITS = ["nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw", "wnwnn", "nwwnn",
              "nnnww", "wnnwn", "nwnwn"]


def itf_elements(digits):
    """Interleaved 2 of 5: (is_bar, wide) pairs."""
    out = [(True, False), (False, False), (True, False), (False, False)]
    for a, b in zip(digits[0::2], digits[1::2]):
        for pa, pb in zip(ITF_DIGITS[int(a)], ITF_DIGITS[int(b)]):
            out.append((True, pa == "w"))
            out.append((False, pb == "w"))
    out += [(True, True), (False, False), (True, False)]
    return out


def lcg_bits(seed, n):
    """A fixed pseudo-random bit sequence (the same on every run)."""
    x, bits = seed, []
    for _ in range(n):
        x = (x * 1103515245 + 12345) & 0x7FFFFFFF
        bits.append((x >> 16) & 1)
    return bits


def draw_sample_print():
    """An example sample print: title, grey bars, barcodes and text sizes."""
    c = Canvas(PRINT_W, PRINT_H)
    top, bottom = paper_strip(c)
    x0, x1 = PAPER_X0 + 12, PAPER_X1 - 12
    y = top + 10
    c.rect(x0, y, x1, y + 30, MARK, None, r=2)
    c.text((x0 + x1) / 2, y + 15, "TEST PRINT", 19, FONT_SANS_BOLD, PAPER,
           anchor="mm")
    y += 40
    # Grey steps, then two full bars.
    steps = 8
    wdt = (x1 - x0) / steps
    for i in range(steps):
        g = int(round(235 - (235 - 22) * i / (steps - 1)))
        c.rect(x0 + i * wdt, y, x0 + (i + 1) * wdt, y + 18, (g, g, g), None)
    c.rect(x0, y, x1, y + 18, None, OUTLINE, LW_THIN)
    y += 24
    c.rect(x0, y, x1, y + 6, (128, 128, 128), None)
    y += 9
    c.rect(x0, y, x1, y + 6, MARK, None)
    y += 14
    # A barcode with its digits.
    bits, text = ean13_modules("490123456789")
    mod = 1.6
    bx = (x0 + x1) / 2 - len(bits) * mod / 2
    for i, bit in enumerate(bits):
        if bit == "1":
            guard = i < 3 or 45 <= i < 50 or i >= 92
            c.rect(bx + i * mod, y, bx + (i + 1) * mod, y + (52 if guard else 46),
                   MARK, None)
    c.text(bx - 8, y + 47, text[0], 8, FONT_MONO)
    c.text(bx + 3 * mod + 42 * mod / 2, y + 47, text[1:7], 8, FONT_MONO,
           anchor="ma")
    c.text(bx + 50 * mod + 42 * mod / 2, y + 47, text[7:], 8, FONT_MONO,
           anchor="ma")
    y += 64
    # A second barcode beside a 2D code.
    elems = itf_elements("0123456789")
    narrow = 1.25
    bx = x0
    for is_bar, wide in elems:
        wd = narrow * (2.5 if wide else 1)
        if is_bar:
            c.rect(bx, y, bx + wd, y + 44, MARK, None)
        bx += wd
    c.text((x0 + bx) / 2, y + 46, "0123456789", 7.5, FONT_MONO, anchor="ma")
    n = 18
    cell = 3.0
    qx, qy = x1 - n * cell, y
    bits = lcg_bits(2024, n * n)
    for r in range(n):
        for col in range(n):
            on = bits[r * n + col]
            if col == 0 or r == n - 1:
                on = 1  # the solid finder edges
            elif r == 0:
                on = col % 2 == 0  # the clock edges
            elif col == n - 1:
                on = r % 2 == 1
            if on:
                c.rect(qx + col * cell, qy + r * cell, qx + (col + 1) * cell,
                       qy + (r + 1) * cell, MARK, None)
    y += 62
    # Text in several sizes.
    for size, s in ((6.5, "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789"),
                    (8.5, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                    (11, "abcdefghijklmnopqrs"),
                    (14, "0123456789 ABCDE"),
                    (19, "TEST PRINT")):
        c.text(x0, y, s, size, FONT_SANS_BOLD if size > 15 else FONT_SANS)
        y += size * 1.45 + 2
    # Shapes: a checkerboard, a hatched box, rings and a disc.
    y += 6
    side = 40.0
    gap = (x1 - x0 - 4 * side) / 3
    sx = x0
    cell = side / 8
    for r in range(8):
        for col in range(8):
            if (r + col) % 2 == 0:
                c.rect(sx + col * cell, y + r * cell, sx + (col + 1) * cell,
                       y + (r + 1) * cell, MARK, None)
    sx += side + gap
    c.rect(sx, y, sx + side, y + side, None, MARK, LW)
    for i in range(1, 8):
        d = side * i / 8
        c.line([(sx + d, y), (sx, y + d)], MARK, 1.0, caps=False)
        c.line([(sx + side, y + d), (sx + d, y + side)], MARK, 1.0,
               caps=False)
    c.line([(sx + side, y), (sx, y + side)], MARK, 1.0, caps=False)
    sx += side + gap
    for r in (side / 2, side / 2 - 6, side / 2 - 12):
        c.ellipse(sx + side / 2, y + side / 2, r, r, None, MARK, 1.6)
    sx += side + gap
    c.ellipse(sx + side / 2, y + side / 2, side / 2, side / 2, MARK, None)
    y += side + 12
    # Fine lines for the head: a ladder of thin rules.
    for i in range(7):
        c.line([(x0, y + i * 3.2), (x1, y + i * 3.2)], MARK, 0.8, caps=False)
    assert y + 22 < bottom - 4, y
    return c.keyed()


# -- icon -------------------------------------------------------------------


def draw_icon(size):
    """The program's icon: a label printer with a label coming out. Drawn on
    a 16-unit grid; small sizes leave out the top face."""
    k = size / 16.0
    c = Canvas(size, size)
    lw = {16: 1.0, 20: 1.0, 24: 1.25, 32: 1.5, 40: 1.75, 48: 2.0}.get(
        size, size / 28.0)

    def R(x0, y0, x1, y1, fill, outline=OUTLINE, r=0.0):
        c.rect(x0 * k, y0 * k, x1 * k, y1 * k, fill, outline, lw, r=r * k)

    if size >= 32:
        # A top face gives it depth.
        c.poly([(x * k, y * k) for x, y in
                [(1.5, 5.0), (3.5, 2.0), (14.5, 2.0), (14.5, 3.5),
                 (13.0, 5.0)]], BODY_TOP, OUTLINE, lw)
        c.poly([(x * k, y * k) for x, y in
                [(13.0, 5.0), (14.5, 3.5), (14.5, 10.0), (13.0, 11.5)]],
               BODY_SIDE, OUTLINE, lw)
        c.poly([(x * k, y * k) for x, y in
                [(1.5, 5.0), (13.0, 5.0), (13.0, 11.5), (1.5, 11.5)]],
               BODY, OUTLINE, lw)
        slot = (3.0, 9.0, 11.5, 10.1)
        lamp = (11.0, 6.9, 0.75)
        label = (4.2, 9.4, 10.3, 15.2)
    else:
        # Whole units: at 16 pixels every edge falls on a pixel.
        R(0, 2, 16, 11, BODY, r=1.5)
        R(0, 2, 16, 6, BODY_TOP, r=1.5)
        slot = (2, 8, 14, 9)
        lamp = (12.5, 6.9, 0.8)
        label = (4, 8, 12, 16)
    # The label coming out of the slot, its top edge hidden in the slot.
    lx0, ly0, lx1, ly1 = label
    R(lx0, ly0, lx1, ly1, PAPER, r=0.7)
    R(slot[0], slot[1], slot[2], slot[3], INTERIOR_DARK, None)
    c.ellipse(lamp[0] * k, lamp[1] * k, lamp[2] * k, lamp[2] * k, ACCENT,
              None)
    # What is printed on it: lines of text and a teal band.
    if size >= 32:
        y = ly0 + 1.4
        R(lx0 + 1.2, y, lx1 - 1.2, y + 0.5, MARK, None)
    if size >= 32:
        R(lx0 + 1.2, ly1 - 2.5, lx1 - 1.2, ly1 - 1.3, ACCENT, None)
    else:
        R(lx0 + 2, ly1 - 3, lx1 - 2, ly1 - 2, ACCENT, None)
    return c.shrink().convert("RGBA")


# ---------------------------------------------------------------------------
# Files


def bmp_bytes(im):
    buf = io.BytesIO()
    im.convert("RGB").save(buf, format="BMP")
    return buf.getvalue()


def ico_bytes(images):
    """An icon file: 32-bit images with alpha; the 256-pixel one as PNG."""
    entries, blobs = [], []
    for im in images:
        w, h = im.size
        if w >= 256:
            buf = io.BytesIO()
            im.save(buf, format="PNG", compress_level=9)
            blob = buf.getvalue()
        else:
            rows = []
            px = im.tobytes("raw", "BGRA")
            for y in range(h - 1, -1, -1):
                rows.append(px[y * w * 4:(y + 1) * w * 4])
            mask_stride = ((w + 31) // 32) * 4
            alpha = im.getchannel("A").tobytes()
            mask_rows = []
            for y in range(h - 1, -1, -1):
                bits = bytearray(mask_stride)
                for x in range(w):
                    if alpha[y * w + x] == 0:
                        bits[x // 8] |= 0x80 >> (x % 8)
                mask_rows.append(bytes(bits))
            header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                                 w * h * 4 + mask_stride * h, 0, 0, 0, 0)
            blob = header + b"".join(rows) + b"".join(mask_rows)
        entries.append((w, h))
        blobs.append(blob)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (w, h), blob in zip(entries, blobs):
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)

# (file name, id, width, height, drawing function, keyed)
PICTURES = [
    ("easy_labels_with_gaps_103.bmp", 103, 81, 109,
     lambda: draw_easy_media("gaps"), False),
    ("easy_black_marks_104.bmp", 104, 81, 109,
     lambda: draw_easy_media("marks"), False),
    ("easy_continuous_106.bmp", 106, 80, 109,
     lambda: draw_easy_media("continuous"), False),
    ("guide_open_printer_250.bmp", 250, 376, 235, draw_open_printer, False),
    ("guide_marks_clear_of_sensor_251.bmp", 251, 376, 235, draw_marks_clear,
     False),
    ("guide_liner_between_sensors_252.bmp", 252, 376, 235,
     draw_liner_between_sensors, False),
    ("guide_closed_printer_marks_253.bmp", 253, 376, 235,
     lambda: draw_closed_printer("marks"), False),
    ("guide_closed_printer_gaps_254.bmp", 254, 376, 235,
     lambda: draw_closed_printer("gaps"), False),
    ("roll_black_marks_256.bmp", 256, 140, 120, lambda: draw_roll("marks"),
     True),
    ("roll_labels_with_gaps_257.bmp", 257, 140, 120, lambda: draw_roll("gaps"),
     True),
    ("rfid_label_258.bmp", 258, 140, 120, draw_rfid_label, True),
    ("guide_liner_shown_266.bmp", 266, 376, 235, draw_liner_shown, False),
    ("guide_marks_on_back_267.bmp", 267, 376, 235, draw_marks_on_back, False),
    ("guide_rfid_labels_between_sensors_268.bmp", 268, 376, 235,
     draw_rfid_labels_between_sensors, False),
    ("print_self_test_272.bmp", 272, 282, 431, draw_self_test, True),
    ("print_sample_273.bmp", 273, 282, 431, draw_sample_print, True),
    ("print_self_test_vx135_274.bmp", 274, 282, 431,
     lambda: draw_self_test("VX-135-ZKQ"), True),
]
ICON_FILE = "program_icon_10.ico"


def scaled_name(name, percent):
    """The file of a picture at a scale: name.bmp at 100 %, name_150.bmp..."""
    return name if percent == 100 else "%s_%d.bmp" % (name[:-4], percent)


# The resource ids of the larger drawings: the picture's id plus this (the
# program's PictureResourceId).
SCALE_ID_OFFSETS = {150: 10000, 200: 20000}


def scaled_resources():
    """src/res/scaled_pictures.rc: the resource lines of the larger
    drawings."""
    lines = ["// The program's pictures at 150 and 200 %, for windows at a "
             "higher DPI (the",
             "// pictures at 100 % come with the page templates). Written by "
             "scripts/draw_pictures.py."]
    for percent, offset in sorted(SCALE_ID_OFFSETS.items()):
        for name, id_, _w, _h, _draw, _keyed in PICTURES:
            lines.append('%d BITMAP "pictures/%s"' %
                         (id_ + offset, scaled_name(name, percent)))
    return "\n".join(lines) + "\n"


def check_unkeyed(name, im):
    """A picture without a transparent colour never holds it either: the
    program's scaling takes pure red for transparent in every picture."""
    if KEY in set(im.getdata()):
        sys.exit("draw_pictures: %s holds the transparent red" % name)


def check_keyed(name, im):
    """Only exact red or clearly non-red colours next to the transparent
    colour: a near-red pixel would show as a pink fringe."""
    for r, g, b in set(im.getdata()):
        if (r, g, b) != KEY and r > 160 and g < 120 and b < 120:
            sys.exit("draw_pictures: %s has a near-red pixel %r" %
                     (name, (r, g, b)))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", required=True, help="folder to write into")
    ap.add_argument("--png", help="also write enlarged PNG copies here")
    ap.add_argument("--only", help="draw only files whose name contains this")
    ap.add_argument("--rc", help="write the resource script of the larger "
                    "drawings here (src/res/scaled_pictures.rc)")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)

    global SCALE
    for percent, scale in PICTURE_SCALES:
        SCALE = scale
        for base, _id, w, h, draw, keyed in PICTURES:
            name = scaled_name(base, percent)
            if args.only and args.only not in name:
                continue
            im = draw()
            size = (scaled_size(w, scale), scaled_size(h, scale))
            assert im.size == size, (name, im.size)
            assert im.mode == "RGB"
            if keyed:
                check_keyed(name, im)
            else:
                check_unkeyed(name, im)
            with open(os.path.join(args.out, name), "wb") as f:
                f.write(bmp_bytes(im))
            if args.png:
                zoom = (3 if w < 200 else 2) if percent == 100 else 1
                im.resize((size[0] * zoom, size[1] * zoom),
                          Image.Resampling.NEAREST).save(
                    os.path.join(args.png, name[:-4] + ".png"))
    SCALE = 1.0
    if args.rc:
        with open(args.rc, "w") as f:
            f.write(scaled_resources())

    if not args.only or args.only in ICON_FILE:
        icons = [draw_icon(s) for s in ICON_SIZES]
        with open(os.path.join(args.out, ICON_FILE), "wb") as f:
            f.write(ico_bytes(icons))
        if args.png:
            sheet = Image.new("RGBA", (sum(ICON_SIZES[:-1]) * 4 +
                                       8 * len(ICON_SIZES) + 256, 256),
                              (240, 240, 240, 255))
            x = 0
            for im in icons:
                z = 1 if im.size[0] >= 256 else 4
                big = im.resize((im.size[0] * z, im.size[1] * z),
                                Image.Resampling.NEAREST)
                sheet.alpha_composite(big, (x, 0))
                x += big.size[0] + 8
            sheet.save(os.path.join(args.png, "icon_sheet.png"))


if __name__ == "__main__":
    main()
