#!/usr/bin/env python3
"""Writes fragment_tl.svg .. fragment_br.svg: one treasure map, drawn once, torn in four.

The map is drawn in the coordinates of the map panel, with its origin at the top left
corner of the top left piece; each piece is that same drawing seen through its own torn
outline and shifted to its place. Laid out on the panel, the coastline, the frame and the
dotted route therefore run on across the gaps between the pieces. The paper outside each
torn outline is the panel's brown, so the pieces sit on the panel without a seam."""
import math
import os
import random
import sys


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "tools"))
from generators import output_dir  # noqa: E402  (shared by the generators)

PANEL = '#804000'
INK = '#4a2a10'

# Each piece: name, place on the panel relative to the top left piece, size in pixels.
PIECES = [
    ('tl', 0, 0, 51, 46),
    ('tr', 56, 0, 55, 49),
    ('bl', 0, 56, 50, 50),
    ('br', 56, 56, 56, 48),
]
SHEET_W, SHEET_H = 112, 106


def f(v):
    """A coordinate as short, stable text."""
    s = f'{v:.2f}'.rstrip('0').rstrip('.')
    return '0' if s == '-0' else s


def smooth_closed(points):
    """A closed Catmull-Rom curve through the points, as SVG cubic segments."""
    n = len(points)
    out = [f'M{f(points[0][0])} {f(points[0][1])}']
    for i in range(n):
        p0, p1, p2, p3 = (points[(i + k) % n] for k in (-1, 0, 1, 2))
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        out.append(f'C{f(c1[0])} {f(c1[1])} {f(c2[0])} {f(c2[1])} {f(p2[0])} {f(p2[1])}')
    return ' '.join(out) + 'Z'


def smooth_open(points):
    """An open Catmull-Rom curve through the points."""
    pts = [points[0]] + points + [points[-1]]
    out = [f'M{f(points[0][0])} {f(points[0][1])}']
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        out.append(f'C{f(c1[0])} {f(c1[1])} {f(c2[0])} {f(c2[1])} {f(p2[0])} {f(p2[1])}')
    return ' '.join(out)


def wiggle(points, rng, amount, steps=2):
    """Adds points between the given ones, nudged a little, so the coast reads as drawn."""
    out = []
    n = len(points)
    for i in range(n):
        a, b = points[i], points[(i + 1) % n]
        out.append(a)
        for k in range(1, steps):
            t = k / steps
            x = a[0] + (b[0] - a[0]) * t
            y = a[1] + (b[1] - a[1]) * t
            # across the segment
            dx, dy = b[0] - a[0], b[1] - a[1]
            ln = math.hypot(dx, dy) or 1
            d = rng.uniform(-amount, amount)
            out.append((x - dy / ln * d, y + dx / ln * d))
    return out


# ---- The island: its coast crosses all four cuts ----

COAST = [
    (27, 24), (34, 19), (42, 18), (49, 20), (56, 16), (64, 18), (72, 15), (80, 18),
    (84, 23), (89, 22), (95, 27), (94, 34), (98, 41), (96, 49), (100, 57), (97, 65),
    (99, 73), (93, 80), (92, 87), (84, 91), (76, 88), (68, 92), (59, 90), (51, 93),
    (43, 89), (35, 91), (28, 86), (21, 87), (14, 82), (16, 75), (13, 68), (18, 61),
    (15, 53), (19, 46), (16, 38), (21, 31),
]

# A lake in the north-west with a stream out to the west coast.
LAKE = [(33, 31), (38, 29), (43, 31), (44, 35), (40, 38), (34, 37), (31, 34)]
STREAM = [(33, 37), (29, 40), (25, 41), (21, 43), (17.5, 43.5)]

# The route: from the ship in the north-east bay, west past the lake, south across the
# lower cut, and east again to the cross.
SHIP = (101, 13)
ROUTE = [
    (97, 17), (90, 24), (82, 27), (72, 29), (62, 28), (53, 30), (48, 36),
    (44, 42), (38, 46), (34, 52), (33, 59), (36, 66), (44, 71), (53, 72),
    (62, 74), (70, 76), (77, 77),
]
CROSS = (82, 78)

MOUNTAINS = [  # x, foot y, height, half width
    (61, 45, 7, 5), (68, 43, 9, 5.5), (75, 45, 6.5, 4.5), (56, 48, 5, 4), (81, 47, 5, 4),
    (64, 51, 5, 4), (73, 52, 4.5, 3.8),
]
PALMS = [(23, 69), (28, 74), (21, 78), (42, 80), (48, 84), (88, 66), (85, 57)]
BUSHES = [
    (27, 63), (30, 79), (36, 84), (45, 63), (51, 65), (58, 84), (64, 84), (72, 83),
    (90, 73), (79, 62), (62, 63), (40, 25), (48, 25), (25, 36), (86, 36), (90, 44),
]
WAVES = [
    (8, 33), (6, 58), (103, 36), (106, 66), (100, 95), (60, 101), (30, 100), (44, 7),
    (70, 7), (9, 88), (105, 80), (86, 101), (18, 17),
]


def mountain(x, y, h, w):
    peak = (x + 0.3, y - h)
    lit = f'M{f(x - w)} {f(y)}L{f(peak[0])} {f(peak[1])}L{f(x + 0.6)} {f(y)}Z'
    shade = f'M{f(peak[0])} {f(peak[1])}L{f(x + w)} {f(y)}L{f(x + 0.6)} {f(y)}Z'
    ridge = f'M{f(x - w)} {f(y)}L{f(peak[0])} {f(peak[1])}L{f(x + w)} {f(y)}'
    return (f'<path d="{lit}" fill="#e2c48a"/><path d="{shade}" fill="#9a7448"/>'
            f'<path d="{ridge}" fill="none" stroke="{INK}" stroke-width="0.75" '
            f'stroke-linejoin="round"/>')


def palm(x, y):
    top = (x + 1.2, y - 5.5)
    trunk = f'M{f(x)} {f(y)}Q{f(x + 0.2)} {f(y - 3)} {f(top[0])} {f(top[1])}'
    fronds = ' '.join(
        f'M{f(top[0])} {f(top[1])}q{f(dx * 0.5)} {f(-1.6)} {f(dx)} {f(dy)}'
        for dx, dy in ((-3.2, 1.2), (3.2, 1.4), (-2.2, -0.4), (2.4, -0.2)))
    return (f'<ellipse cx="{f(x + 0.4)}" cy="{f(y + 0.3)}" rx="1.8" ry="0.6" fill="#8a6a3a" '
            f'opacity="0.5"/><path d="{trunk}" fill="none" stroke="#5a3a18" stroke-width="0.8"/>'
            f'<path d="{fronds}" fill="none" stroke="#2f5a1a" stroke-width="1" '
            f'stroke-linecap="round"/>')


def bush(x, y):
    return (f'<circle cx="{f(x + 0.5)}" cy="{f(y + 0.5)}" r="1.5" fill="#7a6a30" opacity="0.5"/>'
            f'<circle cx="{f(x)}" cy="{f(y)}" r="1.4" fill="#6e8a34"/>'
            f'<circle cx="{f(x - 0.4)}" cy="{f(y - 0.4)}" r="0.6" fill="#a8b860"/>')


def wave(x, y):
    return f'<path d="M{f(x - 3)} {f(y)}q1.5 -1.4 3 0t3 0" fill="none" stroke="#4e6e70" stroke-width="0.6"/>'


def compass(cx, cy, r):
    out = [f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r * 0.62)}" fill="none" stroke="{INK}" '
           f'stroke-width="0.5"/>']
    for k in range(8):
        a = k * math.pi / 4 - math.pi / 2
        rr = r if k % 2 == 0 else r * 0.55
        tip = (cx + math.cos(a) * rr, cy + math.sin(a) * rr)
        for side, colour in ((-1, INK), (1, '#f4e2b8')):
            b = a + side * math.pi / 2
            base = (cx + math.cos(b) * r * 0.16, cy + math.sin(b) * r * 0.16)
            out.append(f'<path d="M{f(cx)} {f(cy)}L{f(base[0])} {f(base[1])}L{f(tip[0])} '
                       f'{f(tip[1])}Z" fill="{colour}" stroke="{INK}" stroke-width="0.3"/>')
    # N for north, above the star
    out.append(f'<path d="M{f(cx - 1.1)} {f(cy - r - 1)}v-2.6l2.2 2.6v-2.6" fill="none" '
               f'stroke="{INK}" stroke-width="0.55"/>')
    return ''.join(out)


def ship(x, y):
    return (
        f'<g transform="translate({f(x)} {f(y)})">'
        '<path d="M-5 1.5 q5 2.2 10 0 l-1.4 2.4 h-7.2z" fill="#6a3a18" stroke="#2a1406" '
        'stroke-width="0.4"/>'
        '<path d="M-0.4 1.6 v-8.5 M2.6 1.6 v-6" stroke="#2a1406" stroke-width="0.5"/>'
        '<path d="M-0.1 -6.6 q2.4 2.6 0 5.6 h-3.8 q1.8 -2.8 0 -5.6z" fill="#f6ead0" '
        'stroke="#2a1406" stroke-width="0.35"/>'
        '<path d="M2.9 -4.6 q1.7 2 0 4.2 h-2.4 q1.2 -2.1 0 -4.2z" fill="#f6ead0" '
        'stroke="#2a1406" stroke-width="0.35"/>'
        '<path d="M-0.4 -6.9 l2.4 -0.8 l-2.4 -0.8z" fill="#b8281a"/>'
        '<path d="M-7 4.4 q1.4 -0.9 2.8 0 M5 4.4 q1.4 -0.9 2.8 0" fill="none" stroke="#4e6e70" '
        'stroke-width="0.5"/>'
        '</g>')


def serpent(x, y):
    return (
        f'<g transform="translate({f(x)} {f(y)})" fill="none" stroke-linecap="round">'
        '<path d="M-7 1 q1.6 -4 3.2 0 M-2.4 1 q1.8 -4.6 3.6 0 M2.8 1 q1.4 -3.4 2.8 0" '
        'stroke="#2e5a3a" stroke-width="1.3"/>'
        '<path d="M5.6 1 q0.6 -3.6 2.6 -4.2 q1.2 0 1.4 1" stroke="#2e5a3a" stroke-width="1.1"/>'
        '<circle cx="8.6" cy="-3.5" r="0.35" fill="#f4e2b8" stroke="none"/>'
        '<path d="M-8 1.6 h17.5" stroke="#4e6e70" stroke-width="0.45"/>'
        '</g>')


def the_map():
    rng = random.Random(1492)
    coast = smooth_closed(wiggle(COAST, rng, 0.9, 3))
    lake = smooth_closed(wiggle(LAKE, rng, 0.4, 2))
    stream = smooth_open(STREAM)
    route = smooth_open(ROUTE)
    out = []
    add = out.append

    # paper: warm in the middle, darker towards the sheet's edges
    add(f'<rect width="{SHEET_W}" height="{SHEET_H}" fill="url(#paper)"/>')
    # age stains, placed once on the whole sheet
    stains = random.Random(7)
    for _ in range(16):
        x, y = stains.uniform(0, SHEET_W), stains.uniform(0, SHEET_H)
        rx, ry = stains.uniform(5, 14), stains.uniform(4, 11)
        add(f'<ellipse cx="{f(x)}" cy="{f(y)}" rx="{f(rx)}" ry="{f(ry)}" fill="url(#stain)" '
            f'opacity="{f(stains.uniform(0.25, 0.6))}"/>')

    # the sea, a blue-green wash with ripple lines following the coast
    add(f'<rect width="{SHEET_W}" height="{SHEET_H}" fill="#6f9c98" opacity="0.42"/>')
    for width, colour, opacity in ((9, '#4e7a7a', 0.35), (7.6, '#a9c4b4', 0.9),
                                   (5, '#4e7a7a', 0.45), (3.8, '#b8cfbc', 1)):
        add(f'<path d="{coast}" fill="none" stroke="{colour}" stroke-width="{width}" '
            f'opacity="{opacity}" stroke-linejoin="round"/>')
    for x, y in WAVES:
        add(wave(x, y))

    # the land: sand at the shore, grass inland, lit from the upper left
    add(f'<path d="{coast}" fill="#e8cf96"/>')
    add(f'<g clip-path="url(#land)">'
        f'<path d="{coast}" fill="url(#grass)" transform="translate(57 55) scale(0.8) '
        f'translate(-57 -55)" filter="url(#blur2)" opacity="0.75"/>'
        f'<path d="{coast}" fill="none" stroke="#8a6a3a" stroke-width="2.2" opacity="0.45" '
        f'transform="translate(0.8 1)" filter="url(#blur1)"/></g>')
    add(f'<path d="{coast}" fill="none" stroke="{INK}" stroke-width="1.2" '
        f'stroke-linejoin="round"/>')

    # the lake and its stream
    add(f'<path d="{stream}" fill="none" stroke="#5a8a90" stroke-width="1.5" '
        f'stroke-linecap="round"/>')
    add(f'<path d="{stream}" fill="none" stroke="#a8ccc8" stroke-width="0.6" '
        f'stroke-linecap="round"/>')
    add(f'<path d="{lake}" fill="#8fb8b4" stroke="{INK}" stroke-width="0.7"/>')
    add(f'<path d="M35 33 q2 -1.2 4 0" fill="none" stroke="#dcefe6" stroke-width="0.5"/>')

    for x, y in BUSHES:
        add(bush(x, y))
    for m in sorted(MOUNTAINS, key=lambda m: m[1]):
        add(mountain(*m))
    for x, y in sorted(PALMS, key=lambda p: p[1]):
        add(palm(x, y))

    # the route, with a light underlay so the dashes stay readable on grass and sand
    add(f'<path d="{route}" fill="none" stroke="#f4e4bc" stroke-width="2" opacity="0.55" '
        f'stroke-linecap="round"/>')
    add(f'<path d="{route}" fill="none" stroke="#a01e10" stroke-width="1.15" '
        f'stroke-dasharray="1.7 1.5" stroke-linecap="round"/>')

    # the cross where the route ends
    cx, cy = CROSS
    add(f'<g stroke-linecap="round" transform="translate({f(cx)} {f(cy)})">'
        f'<path d="M-3.6 -3.6L3.6 3.6M3.6 -3.6L-3.6 3.6" stroke="#5a0a04" stroke-width="3.4" '
        f'opacity="0.45" transform="translate(0.5 0.7)"/>'
        f'<path d="M-3.6 -3.6L3.6 3.6M3.6 -3.6L-3.6 3.6" stroke="#d0200c" stroke-width="2.5"/>'
        f'<path d="M-3 -3.4L3.2 2.8" stroke="#ff7a50" stroke-width="0.6" opacity="0.8"/></g>')

    add(ship(*SHIP))
    add(compass(10.5, 12.5, 7))
    add(serpent(12, 97))

    # a ruled double frame round the sheet
    add(f'<rect x="3.5" y="3.5" width="{SHEET_W - 7}" height="{SHEET_H - 7}" fill="none" '
        f'stroke="{INK}" stroke-width="0.7" opacity="0.85"/>')
    add(f'<rect x="5.2" y="5.2" width="{f(SHEET_W - 10.4)}" height="{f(SHEET_H - 10.4)}" '
        f'fill="none" stroke="{INK}" stroke-width="0.35" opacity="0.7"/>')
    return '\n'.join(out), coast


def torn_outline(piece, rng):
    """The paper's outline: close to the sheet's own edges, ragged along the tears."""
    name, x0, y0, w, h = piece
    x1, y1 = x0 + w, y0 + h
    outer = {
        'top': y0 == 0, 'left': x0 == 0,
        'bottom': y1 >= SHEET_H - 3, 'right': x1 >= SHEET_W - 2,
    }

    def edge(a, b, along_x, fixed, inward, is_outer):
        pts = []
        length = abs(b - a)
        step = 3.2 if is_outer else 1.6
        n = max(2, int(length / step))
        # the drop shadow falls to the lower right: leave it room inside the picture there
        room = 1.4 if inward > 0 else 2.6
        for i in range(n):
            t = i / n
            p = a + (b - a) * t
            if is_outer:
                d = room + rng.uniform(-0.3, 0.3)
            else:
                d = room + 0.9 + rng.uniform(-1.1, 1.1)
                if rng.random() < 0.12:
                    d += rng.uniform(0.8, 1.6)  # a deeper bite out of the tear
            q = fixed + inward * d
            pts.append((p, q) if along_x else (q, p))
        return pts

    pts = []
    pts += edge(x0, x1, True, y0, 1, outer['top'])
    pts += edge(y0, y1, False, x1, -1, outer['right'])
    pts += edge(x1, x0, True, y1, -1, outer['bottom'])
    pts += edge(y1, y0, False, x0, 1, outer['left'])
    # keep the corners inside too
    pts = [(min(max(x, x0 + 1.1), x1 - 2.4), min(max(y, y0 + 1.1), y1 - 2.4)) for x, y in pts]
    return 'M' + 'L'.join(f'{f(x)} {f(y)}' for x, y in pts) + 'Z'


DEFS = '''<defs>
<radialGradient id="paper" gradientUnits="userSpaceOnUse" cx="50" cy="46" r="78">
  <stop offset="0" stop-color="#f6e4b8"/><stop offset="0.6" stop-color="#ecd29c"/>
  <stop offset="1" stop-color="#c89a5c"/>
</radialGradient>
<radialGradient id="stain">
  <stop offset="0" stop-color="#b88a4a" stop-opacity="0.35"/>
  <stop offset="0.8" stop-color="#a87a3a" stop-opacity="0.18"/>
  <stop offset="1" stop-color="#a87a3a" stop-opacity="0"/>
</radialGradient>
<linearGradient id="grass" gradientUnits="userSpaceOnUse" x1="20" y1="20" x2="95" y2="92">
  <stop offset="0" stop-color="#b8c474"/><stop offset="1" stop-color="#7e9444"/>
</linearGradient>
<filter id="blur1" x="-10%" y="-10%" width="120%" height="120%"><feGaussianBlur stdDeviation="0.8"/></filter>
<filter id="blur2" x="-10%" y="-10%" width="120%" height="120%"><feGaussianBlur stdDeviation="2.2"/></filter>
<filter id="edge" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="1.1"/></filter>
<filter id="drop" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="0.7"/></filter>
<filter id="grain" filterUnits="userSpaceOnUse" x="0" y="0" width="{W}" height="{H}">
  <feTurbulence type="fractalNoise" baseFrequency="0.75" numOctaves="2" seed="5"/>
  <feColorMatrix type="matrix" values="0 0 0 0 0.35  0 0 0 0 0.22  0 0 0 0 0.08  0 0 -1.1 0 0.62"/>
</filter>
<clipPath id="land"><path d="{COAST}"/></clipPath>
<clipPath id="tear"><path d="{TEAR}"/></clipPath>
</defs>'''


def piece_svg(piece, drawing, coast):
    name, x0, y0, w, h = piece
    rng = random.Random(100 + x0 * 7 + y0)
    tear = torn_outline(piece, rng)
    defs = (DEFS.replace('{COAST}', coast).replace('{TEAR}', tear)
            .replace('{W}', str(SHEET_W)).replace('{H}', str(SHEET_H)))
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">
{defs}
<rect width="{w}" height="{h}" fill="{PANEL}"/>
<g transform="translate({-x0} {-y0})">
<path d="{tear}" fill="#1e0c00" opacity="0.6" transform="translate(0.6 0.8)" filter="url(#drop)"/>
<g clip-path="url(#tear)">
{drawing}
<rect width="{SHEET_W}" height="{SHEET_H}" filter="url(#grain)" opacity="0.3"/>
<path d="{tear}" fill="none" stroke="#7a4a1a" stroke-width="2" opacity="0.55" filter="url(#edge)"/>
</g>
<path d="{tear}" fill="none" stroke="#5a3010" stroke-width="0.5" opacity="0.8"/>
</g>
</svg>
'''


def main():
    here = output_dir(__file__)
    drawing, coast = the_map()
    for piece in PIECES:
        with open(os.path.join(here, f'fragment_{piece[0]}.svg'), 'w', encoding='utf-8', newline='\n') as out:
            out.write(piece_svg(piece, drawing, coast))


if __name__ == '__main__':
    main()
