#!/usr/bin/env python3
"""Writes barn.svg: the trade centre's barn and grain silo on a farmyard, painted.

Light comes from the upper left, as on every icon of the trade screen: the barn's gable end
faces it, its long side and the silo's right flank turn away into shade, and the shadows
fall to the lower right. The boards, the grain in them and the grass are placed from fixed
seeds, so the file is the same on every run."""
import math
import os
import random
import sys


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "tools"))
from generators import output_dir  # noqa: E402  (shared by the generators)

W, H = 190, 151.4
OUTLINE = '#2a1006'


def f(v):
    s = f'{v:.2f}'.rstrip('0').rstrip('.')
    return '0' if s == '-0' else s


def pts(points):
    return ' '.join(f'{f(x)},{f(y)}' for x, y in points)


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


# ---- Geometry ----

HORIZON = 92
# Gable end of the barn (facing the viewer and the light) and its long side going back.
WALL_L, WALL_R, EAVE_Y, BASE_Y = 58, 128, 74, 120
GABLE = [(WALL_L, BASE_Y), (WALL_L, EAVE_Y), (66, 52), (93, 35), (120, 52), (WALL_R, EAVE_Y),
         (WALL_R, BASE_Y)]
BACK = (38, -4)  # from the front corners to the back ones, in the picture
SIDE = [(WALL_R, BASE_Y), (WALL_R, EAVE_Y), (WALL_R + BACK[0], EAVE_Y + BACK[1]),
        (WALL_R + BACK[0], BASE_Y + BACK[1] * 1.6)]
# The roof's front edge: eave, knuckle, ridge, knuckle, eave; it overhangs the wall a little.
EDGE = [(54, 77), (63, 50.5), (93, 31), (123, 50.5), (132, 77)]
SILO_X0, SILO_X1, SILO_TOP, SILO_BASE = 20, 48, 34, 119


def back(p, k=1.0):
    return (p[0] + BACK[0] * k, p[1] + BACK[1] * k)


def defs():
    return f'''<defs>
<radialGradient id="halo" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0.8" stop-color="#fff"/><stop offset="1" stop-color="#fff" stop-opacity="0"/>
</radialGradient>
<mask id="vign" maskUnits="userSpaceOnUse" x="0" y="0" width="{W}" height="{H}">
  <ellipse cx="95" cy="76" rx="97.5" ry="78" fill="url(#halo)"/>
</mask>
<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#5a84b8"/><stop offset="0.5" stop-color="#a8c0d0"/>
  <stop offset="0.85" stop-color="#f2d8a6"/><stop offset="1" stop-color="#f8e4b8"/>
</linearGradient>
<radialGradient id="sunlight" gradientUnits="userSpaceOnUse" cx="8" cy="6" r="90">
  <stop offset="0" stop-color="#fff4d0" stop-opacity="0.9"/>
  <stop offset="0.45" stop-color="#ffe8b0" stop-opacity="0.35"/>
  <stop offset="1" stop-color="#ffe8b0" stop-opacity="0"/>
</radialGradient>
<linearGradient id="hills" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#7f9c78"/><stop offset="1" stop-color="#5f7e5a"/>
</linearGradient>
<linearGradient id="ground" gradientUnits="userSpaceOnUse" x1="0" y1="{HORIZON}" x2="0" y2="{H}">
  <stop offset="0" stop-color="#a8b45c"/><stop offset="0.4" stop-color="#7e9a3a"/>
  <stop offset="1" stop-color="#46621e"/>
</linearGradient>
<linearGradient id="path" gradientUnits="userSpaceOnUse" x1="0" y1="118" x2="0" y2="{H}">
  <stop offset="0" stop-color="#b89a6a"/><stop offset="1" stop-color="#8a6a40"/>
</linearGradient>
<linearGradient id="front" gradientUnits="userSpaceOnUse" x1="{WALL_L}" y1="35" x2="{WALL_R}" y2="{BASE_Y}">
  <stop offset="0" stop-color="#d24a2a"/><stop offset="0.55" stop-color="#a82c18"/>
  <stop offset="1" stop-color="#7e1c0e"/>
</linearGradient>
<linearGradient id="side" gradientUnits="userSpaceOnUse" x1="{WALL_R}" y1="0" x2="{WALL_R + BACK[0]}" y2="0">
  <stop offset="0" stop-color="#74180c"/><stop offset="1" stop-color="#521008"/>
</linearGradient>
<linearGradient id="door" x1="0" y1="0" x2="1" y2="1">
  <stop offset="0" stop-color="#9a2614"/><stop offset="1" stop-color="#5e140a"/>
</linearGradient>
<linearGradient id="glass" x1="0" y1="0" x2="1" y2="1">
  <stop offset="0" stop-color="#e8f0f4"/><stop offset="0.45" stop-color="#8aa6b8"/>
  <stop offset="1" stop-color="#3a4e5e"/>
</linearGradient>
<linearGradient id="roofUp" gradientUnits="userSpaceOnUse" x1="93" y1="31" x2="150" y2="50">
  <stop offset="0" stop-color="#b4bcc2"/><stop offset="1" stop-color="#7c868e"/>
</linearGradient>
<linearGradient id="roofLow" gradientUnits="userSpaceOnUse" x1="123" y1="50" x2="160" y2="76">
  <stop offset="0" stop-color="#7a848c"/><stop offset="1" stop-color="#4a525a"/>
</linearGradient>
<linearGradient id="silo" gradientUnits="userSpaceOnUse" x1="{SILO_X0}" y1="0" x2="{SILO_X1}" y2="0">
  <stop offset="0" stop-color="#8a949c"/><stop offset="0.22" stop-color="#f4f8fa"/>
  <stop offset="0.45" stop-color="#c0c8ce"/><stop offset="0.8" stop-color="#6a747c"/>
  <stop offset="1" stop-color="#3e464e"/>
</linearGradient>
<radialGradient id="dome" gradientUnits="userSpaceOnUse" cx="28" cy="22" r="22">
  <stop offset="0" stop-color="#ffffff"/><stop offset="0.45" stop-color="#b8c0c6"/>
  <stop offset="1" stop-color="#4a525a"/>
</radialGradient>
<linearGradient id="post" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#c8a070"/><stop offset="1" stop-color="#6a4a28"/>
</linearGradient>
<radialGradient id="bale" cx="0.38" cy="0.35" r="0.7">
  <stop offset="0" stop-color="#fff0a8"/><stop offset="0.6" stop-color="#e0b450"/>
  <stop offset="1" stop-color="#a87a28"/>
</radialGradient>
<linearGradient id="baleSide" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#d8a848"/><stop offset="1" stop-color="#8a6420"/>
</linearGradient>
<filter id="grain" filterUnits="userSpaceOnUse" x="0" y="0" width="{W}" height="{H}">
  <feTurbulence type="fractalNoise" baseFrequency="0.9 0.045" numOctaves="3" seed="4"/>
  <feColorMatrix type="matrix" values="0 0 0 0 0.16  0 0 0 0 0.04  0 0 0 0 0.02  -1.6 0 0 0 0.95"/>
</filter>
<filter id="speckle" filterUnits="userSpaceOnUse" x="0" y="0" width="{W}" height="{H}">
  <feTurbulence type="fractalNoise" baseFrequency="0.55" numOctaves="2" seed="12"/>
  <feColorMatrix type="matrix" values="0 0 0 0 0.1  0 0 0 0 0.12  0 0 0 0 0.02  0 -1.8 0 0 0.95" result="n"/>
  <feComposite in="n" in2="SourceGraphic" operator="in"/>
</filter>
<filter id="blur1" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="1"/></filter>
<filter id="blur2" x="-30%" y="-30%" width="160%" height="160%"><feGaussianBlur stdDeviation="2.2"/></filter>
<filter id="blur4" x="-40%" y="-40%" width="180%" height="180%"><feGaussianBlur stdDeviation="4"/></filter>
<clipPath id="gableClip"><polygon points="{pts(GABLE)}"/></clipPath>
<clipPath id="sideClip"><polygon points="{pts(SIDE)}"/></clipPath>
<clipPath id="siloClip"><rect x="{SILO_X0}" y="{SILO_TOP - 2}" width="{SILO_X1 - SILO_X0}" height="{SILO_BASE - SILO_TOP + 6}"/></clipPath>
</defs>'''


def sky_and_land(rng):
    out = [f'<rect width="{W}" height="{H}" fill="url(#sky)"/>',
           f'<rect width="{W}" height="{H}" fill="url(#sunlight)"/>']
    # soft clouds, lit on their upper left
    for cx, cy, rx, ry in ((150, 22, 22, 6), (132, 28, 14, 4.5), (70, 16, 16, 4), (172, 44, 12, 3.5)):
        out.append(f'<ellipse cx="{cx + 1.5}" cy="{cy + 2}" rx="{rx}" ry="{ry}" fill="#9aa8bc" '
                   f'opacity="0.45" filter="url(#blur2)"/>')
        out.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="#fffaf0" '
                   f'opacity="0.85" filter="url(#blur2)"/>')
    # far hills with a line of trees
    out.append('<path d="M0 90 Q24 76 52 84 Q80 74 112 82 Q146 72 190 84 L190 100 L0 100 Z" '
               'fill="url(#hills)"/>')
    trees = []
    for i in range(26):
        x = 2 + i * 7.3 + rng.uniform(-1.5, 1.5)
        y = 91 + rng.uniform(-1.5, 1)
        r = rng.uniform(2.2, 3.6)
        trees.append((x, y, r))
    for x, y, r in trees:
        out.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(r)}" fill="#4e6e44"/>')
        out.append(f'<circle cx="{f(x - r * 0.3)}" cy="{f(y - r * 0.35)}" r="{f(r * 0.55)}" '
                   f'fill="#7e9a6a"/>')
    # the yard
    out.append(f'<path d="M0 94 Q60 88 120 92 T190 90 L190 {H} L0 {H} Z" fill="url(#ground)"/>')
    out.append(f'<path d="M0 94 Q60 88 120 92 T190 90 L190 {H} L0 {H} Z" '
               f'filter="url(#speckle)" opacity="0.5"/>')
    # a dirt track from the doors to the front
    out.append(f'<path d="M76 120 L111 120 Q128 134 150 {H} L58 {H} Q70 134 76 120 Z" '
               f'fill="url(#path)"/>')
    out.append(f'<path d="M84 122 Q80 136 74 {H} M103 122 Q110 136 122 {H}" fill="none" '
               f'stroke="#6e5030" stroke-width="1.6" opacity="0.5"/>')
    out.append(f'<path d="M76 120 L111 120 Q128 134 150 {H} L58 {H} Q70 134 76 120 Z" '
               f'filter="url(#speckle)" opacity="0.35"/>')
    return out


def shadows():
    side_base = [SIDE[0], SIDE[3]]
    shadow = [side_base[0], side_base[1], (side_base[1][0] + 26, side_base[1][1] + 9),
              (side_base[0][0] + 22, side_base[0][1] + 11), (WALL_L + 10, BASE_Y + 5)]
    return [
        f'<polygon points="{pts(shadow)}" fill="#1a2606" opacity="0.7" filter="url(#blur2)"/>',
        f'<ellipse cx="{SILO_X1 + 4}" cy="{SILO_BASE + 2.5}" rx="20" ry="3.5" fill="#1e2a08" '
        f'opacity="0.5" filter="url(#blur2)"/>',
    ]


def boards(x0, x1, y0, y1, width, rng, skew=0.0):
    """Vertical boards: each a slightly different shade, with a dark seam between them."""
    out = []
    x = x0
    while x < x1:
        w = width + rng.uniform(-0.4, 0.4)
        tone = rng.choice(('#ffffff', '#ffe0c0', '#000000', '#300800'))
        out.append(f'<rect x="{f(x)}" y="{y0}" width="{f(w)}" height="{y1 - y0}" fill="{tone}" '
                   f'opacity="{f(rng.uniform(0.02, 0.09))}"/>')
        out.append(f'<path d="M{f(x)} {y0}V{y1}" stroke="#3a0804" stroke-width="0.55" '
                   f'opacity="0.7"/>')
        out.append(f'<path d="M{f(x + 0.6)} {y0}V{y1}" stroke="#f08060" stroke-width="0.35" '
                   f'opacity="0.35"/>')
        x += w
    return out


def barn(rng):
    out = []
    # long side, turned away from the light
    out.append(f'<polygon points="{pts(SIDE)}" fill="url(#side)"/>')
    out.append('<g clip-path="url(#sideClip)">')
    n = 11
    for i in range(1, n):
        top = lerp(SIDE[1], SIDE[2], i / n)
        bot = lerp(SIDE[0], SIDE[3], i / n)
        out.append(f'<path d="M{f(top[0])} {f(top[1])}L{f(bot[0])} {f(bot[1])}" '
                   f'stroke="#2a0402" stroke-width="0.5" opacity="0.7"/>')
    out.append(f'<rect width="{W}" height="{H}" filter="url(#grain)" opacity="0.5"/>')
    # a small window on the side, and the shade under the eaves
    win = [lerp(SIDE[1], SIDE[2], 0.45), lerp(SIDE[1], SIDE[2], 0.7)]
    wy0, wy1 = 88, 99
    out.append(f'<polygon points="{f(win[0][0])},{f(wy0)} {f(win[1][0])},{f(wy0 - 1.2)} '
               f'{f(win[1][0])},{f(wy1 - 1.2)} {f(win[0][0])},{f(wy1)}" fill="#2a3a46" '
               f'stroke="#c8beb0" stroke-width="1.2"/>')
    out.append(f'<path d="M{f((win[0][0] + win[1][0]) / 2)} {f(wy0 - 0.6)}V{f(wy1 - 0.6)}" '
               f'stroke="#c8beb0" stroke-width="0.7"/>')
    out.append(f'<path d="M{WALL_R} {EAVE_Y + 1}L{f(SIDE[2][0])} {f(SIDE[2][1] + 1)}" '
               f'stroke="#1a0200" stroke-width="6" opacity="0.5" filter="url(#blur2)"/>')
    out.append('</g>')
    out.append(f'<polygon points="{pts(SIDE)}" fill="none" stroke="{OUTLINE}" stroke-width="1"/>')

    # gable end, in the light
    out.append(f'<polygon points="{pts(GABLE)}" fill="url(#front)"/>')
    out.append('<g clip-path="url(#gableClip)">')
    out += boards(WALL_L, WALL_R, 30, BASE_Y, 3.6, rng)
    out.append(f'<rect width="{W}" height="{H}" filter="url(#grain)" opacity="0.45"/>')
    # worn paint towards the ground, and the shade under the roof's edge
    out.append(f'<rect x="{WALL_L}" y="{BASE_Y - 10}" width="{WALL_R - WALL_L}" height="10" '
               f'fill="#4a1008" opacity="0.35" filter="url(#blur2)"/>')
    out.append(f'<polyline points="{pts(EDGE)}" fill="none" stroke="#1a0200" stroke-width="7" '
               f'opacity="0.45" transform="translate(1.5 3)" filter="url(#blur2)"/>')
    out.append('</g>')

    # white trim: corner boards and the band at the eaves
    out.append(f'<g fill="#efe6d6" stroke="{OUTLINE}" stroke-width="0.7">'
               f'<rect x="{WALL_L}" y="{EAVE_Y}" width="3" height="{BASE_Y - EAVE_Y}"/>'
               f'<rect x="{WALL_R - 3}" y="{EAVE_Y}" width="3" height="{BASE_Y - EAVE_Y}" fill="#d4c8b4"/>'
               f'<rect x="{WALL_L}" y="{EAVE_Y - 0.5}" width="{WALL_R - WALL_L}" height="2.6"/></g>')

    # hayloft door with its hoist beam
    out.append('<rect x="90" y="39" width="6" height="3.2" fill="#6a4a2a" stroke="#2a1006" stroke-width="0.6"/>'
               '<path d="M93 42.2 V47" stroke="#3a2a1a" stroke-width="0.6"/>'
               '<circle cx="93" cy="47.6" r="0.9" fill="#8a8a8a" stroke="#2a1006" stroke-width="0.4"/>')
    out.append(_door(83, 50, 20, 17, x_brace=True))
    out.append('<path d="M84.5 66 q4 -2 8 -0.5 q4 -1.4 9 0.2" fill="none" stroke="#f0c860" stroke-width="1.3"/>')

    # the big doors: the left one shut, the right one slid open on the dim, hay-strewn inside
    out.append(f'<rect x="75" y="83" width="36" height="{BASE_Y - 83}" fill="#2a1408"/>')
    out.append(f'<path d="M93 {BASE_Y} L93 100 Q100 96 111 99 L111 {BASE_Y} Z" fill="#5a3a1a"/>')
    out.append(f'<path d="M93 {BASE_Y} Q96 108 104 110 Q108 112 111 110 L111 {BASE_Y} Z" fill="#c89a40"/>')
    out.append(f'<path d="M95 118 l4 -3 M99 119 l5 -4 M104 118 l3 -2" stroke="#f0d070" stroke-width="0.6"/>')
    out.append(_door(75, 83, 18, BASE_Y - 83, x_brace=True))
    out.append(_door(110, 83, 17, BASE_Y - 83, x_brace=True, shade=True))
    # door track above them
    out.append(f'<rect x="73" y="80.5" width="55" height="2.2" fill="#3a3a40" stroke="{OUTLINE}" stroke-width="0.5"/>')
    # a window beside the doors
    out.append(_window(62.5, 88, 9, 10))

    # the roof: corrugated metal over the long side, its front edge trimmed in white
    ridge_b, knuckle_b, eave_b = back(EDGE[2], 1.0), back(EDGE[3], 1.0), back(EDGE[4], 1.0)
    upper = [EDGE[2], EDGE[3], knuckle_b, ridge_b]
    lower = [EDGE[3], EDGE[4], eave_b, knuckle_b]
    out.append(f'<polygon points="{pts(upper)}" fill="url(#roofUp)"/>')
    out.append(f'<polygon points="{pts(lower)}" fill="url(#roofLow)"/>')
    for face, colour_hi, colour_lo in ((upper, '#f0f4f6', '#3a4248'), (lower, '#c8d0d6', '#22282e')):
        a, b, c, d = face
        n = 14
        for i in range(1, n):
            p = lerp(a, d, i / n)
            q = lerp(b, c, i / n)
            out.append(f'<path d="M{f(p[0])} {f(p[1])}L{f(q[0])} {f(q[1])}" stroke="{colour_lo}" '
                       f'stroke-width="0.7" opacity="0.55"/>')
            out.append(f'<path d="M{f(p[0] - 0.9)} {f(p[1] + 0.1)}L{f(q[0] - 0.9)} {f(q[1] + 0.1)}" '
                       f'stroke="{colour_hi}" stroke-width="0.5" opacity="0.5"/>')
    # a few rust streaks running down the sheets
    for t, length in ((0.3, 0.7), (0.62, 0.5), (0.8, 0.9)):
        p = lerp(EDGE[3], knuckle_b, t)
        q = lerp(p, lerp(EDGE[4], eave_b, t), length)
        out.append(f'<path d="M{f(p[0])} {f(p[1])}L{f(q[0])} {f(q[1])}" stroke="#a0522a" '
                   f'stroke-width="1.4" opacity="0.4" filter="url(#blur1)"/>')
    out.append(f'<polygon points="{pts(upper)}" fill="none" stroke="{OUTLINE}" stroke-width="0.9" stroke-linejoin="round"/>')
    out.append(f'<polygon points="{pts(lower)}" fill="none" stroke="{OUTLINE}" stroke-width="0.9" stroke-linejoin="round"/>')
    # front edge: the sheet's thickness and the white barge board
    out.append(f'<polyline points="{pts(EDGE)}" fill="none" stroke="{OUTLINE}" stroke-width="4.6" '
               f'stroke-linejoin="round" stroke-linecap="round"/>')
    out.append(f'<polyline points="{pts(EDGE)}" fill="none" stroke="#efe6d6" stroke-width="3" '
               f'stroke-linejoin="round" stroke-linecap="round"/>')
    out.append(f'<polyline points="{pts(EDGE[2:])}" fill="none" stroke="#c0b4a0" stroke-width="1.2" '
               f'stroke-linejoin="round" transform="translate(0.5 0.9)"/>')
    # a louvred cupola on the ridge, a cockerel turning on its rod
    c = lerp(EDGE[2], ridge_b, 0.45)
    cx, cy = c[0], c[1]
    out.append(f'<rect x="{f(cx - 4.5)}" y="{f(cy - 8)}" width="9" height="8.5" fill="#d84a2a" '
               f'stroke="{OUTLINE}" stroke-width="0.8"/>'
               f'<rect x="{f(cx + 1.5)}" y="{f(cy - 8)}" width="3" height="8.5" fill="#8a2010"/>'
               f'<path d="M{f(cx - 3)} {f(cy - 6)}h4M{f(cx - 3)} {f(cy - 4.3)}h4M{f(cx - 3)} {f(cy - 2.6)}h4" '
               f'stroke="#efe6d6" stroke-width="0.8"/>'
               f'<path d="M{f(cx - 6)} {f(cy - 7.5)}L{f(cx)} {f(cy - 12.5)}L{f(cx + 6)} {f(cy - 7.5)}Z" '
               f'fill="#8e989e" stroke="{OUTLINE}" stroke-width="0.8" stroke-linejoin="round"/>'
               f'<path d="M{f(cx)} {f(cy - 12.5)}L{f(cx + 6)} {f(cy - 7.5)}H{f(cx + 1)}Z" fill="#5a646c"/>'
               f'<path d="M{f(cx)} {f(cy - 12.5)}V{f(cy - 17)}" stroke="{OUTLINE}" stroke-width="0.7"/>'
               f'<path d="M{f(cx - 3)} {f(cy - 18.5)}q1.2 -0.4 1.8 -2.4q0.6 -1 1.4 -0.2l0.8 -0.1l-0.6 0.7'
               f'q0.4 1.8 2.8 0.6q0.4 -1.6 1.6 -1.4q-0.2 2.4 -1.4 3.6q-2.4 1.2 -5.2 0.2z" '
               f'fill="#2a1a10"/>')
    out.append(f'<polygon points="{pts(GABLE)}" fill="none" stroke="{OUTLINE}" stroke-width="1" stroke-linejoin="round"/>')
    return out


def _door(x, y, w, h, x_brace, shade=False):
    fill = '#5e140a' if shade else 'url(#door)'
    trim = '#d4c8b4' if shade else '#efe6d6'
    s = [f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}" fill="{fill}"/>']
    for i in range(1, int(w / 3.4) + 1):
        xx = x + i * w / (int(w / 3.4) + 1)
        s.append(f'<path d="M{f(xx)} {f(y)}V{f(y + h)}" stroke="#300604" stroke-width="0.45" opacity="0.8"/>')
    s.append(f'<rect x="{f(x + 1)}" y="{f(y + 1)}" width="{f(w - 2)}" height="{f(h - 2)}" '
             f'fill="none" stroke="{trim}" stroke-width="1.8"/>')
    if x_brace:
        s.append(f'<path d="M{f(x + 1.6)} {f(y + 1.6)}L{f(x + w - 1.6)} {f(y + h - 1.6)}'
                 f'M{f(x + w - 1.6)} {f(y + 1.6)}L{f(x + 1.6)} {f(y + h - 1.6)}" '
                 f'stroke="{trim}" stroke-width="1.6"/>')
    s.append(f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}" fill="none" '
             f'stroke="{OUTLINE}" stroke-width="0.7"/>')
    return ''.join(s)


def _window(x, y, w, h):
    return (f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}" fill="url(#glass)" '
            f'stroke="#efe6d6" stroke-width="1.4"/>'
            f'<path d="M{f(x + w / 2)} {f(y)}V{f(y + h)}M{f(x)} {f(y + h / 2)}H{f(x + w)}" '
            f'stroke="#efe6d6" stroke-width="0.9"/>'
            f'<path d="M{f(x + 1)} {f(y + 3.5)}l2.6 -2.6" stroke="#fff" stroke-width="0.7" opacity="0.8"/>'
            f'<rect x="{f(x - 0.7)}" y="{f(y - 0.7)}" width="{f(w + 1.4)}" height="{f(h + 1.4)}" '
            f'fill="none" stroke="{OUTLINE}" stroke-width="0.6"/>')


def silo():
    x0, x1, top, base = SILO_X0, SILO_X1, SILO_TOP, SILO_BASE
    cx = (x0 + x1) / 2
    out = []

    def arc(y):
        # rings bow upwards above the eye and downwards below it
        k = (y - HORIZON) * 0.06
        return f'M{x0} {f(y)}Q{f(cx)} {f(y + k * 2)} {x1} {f(y)}'

    body = f'M{x0} {top}L{x1} {top}L{x1} {base}Q{f(cx)} {f(base + 3.4)} {x0} {base}Z'
    out.append(f'<path d="{body}" fill="url(#silo)"/>')
    out.append('<g clip-path="url(#siloClip)">')
    # corrugation: close ribs, each a lit crest over a dark trough
    y = top + 1.0
    while y < base:
        out.append(f'<path d="{arc(y)}" fill="none" stroke="#1e262c" stroke-width="0.45" opacity="0.35"/>')
        out.append(f'<path d="{arc(y + 0.8)}" fill="none" stroke="#ffffff" stroke-width="0.4" opacity="0.35"/>')
        y += 1.9
    # seams between the sheets, with rivets
    for y in range(top + 12, base, 14):
        out.append(f'<path d="{arc(y)}" fill="none" stroke="#2a3238" stroke-width="0.9" opacity="0.7"/>')
        for i in range(1, 7):
            xx = x0 + i * (x1 - x0) / 7
            t = (xx - x0) / (x1 - x0)
            yy = y + 4 * t * (1 - t) * (y - HORIZON) * 0.06
            out.append(f'<circle cx="{f(xx)}" cy="{f(yy - 1)}" r="0.35" fill="#2a3238" opacity="0.6"/>')
    # rust around the lowest seam and at the foot
    out.append(f'<rect x="{x0}" y="{base - 8}" width="{x1 - x0}" height="9" fill="#8a4a20" '
               f'opacity="0.3" filter="url(#blur2)"/>')
    out.append('</g>')
    out.append(f'<path d="{body}" fill="none" stroke="{OUTLINE}" stroke-width="1"/>')
    # ladder on the shaded side
    lx0, lx1 = x1 - 7, x1 - 3.5
    out.append(f'<path d="M{lx0} {top + 2}V{base - 1}M{lx1} {top + 2}V{base - 1}" stroke="#2a3036" stroke-width="0.7"/>')
    rungs = ''.join(f'M{lx0} {y}H{lx1}' for y in range(top + 4, base - 1, 3))
    out.append(f'<path d="{rungs}" stroke="#2a3036" stroke-width="0.55"/>')
    # dome roof with a hatch on top
    dome = f'M{x0 - 1} {top + 0.5}Q{x0 - 0.5} {top - 13} {f(cx)} {top - 14}Q{x1 + 0.5} {top - 13} {x1 + 1} {top + 0.5}Z'
    out.append(f'<path d="{dome}" fill="url(#dome)" stroke="{OUTLINE}" stroke-width="1"/>')
    for i in range(1, 6):
        t = i / 6
        bx = x0 - 1 + (x1 - x0 + 2) * t
        out.append(f'<path d="M{f(cx)} {top - 13.5}Q{f((cx + bx) / 2 + (bx - cx) * 0.35)} {top - 9} '
                   f'{f(bx)} {top + 0.5}" fill="none" stroke="#3a4248" stroke-width="0.45" opacity="0.55"/>')
    out.append(f'<path d="M{x0 - 1} {top + 0.5}Q{f(cx)} {top + 3} {x1 + 1} {top + 0.5}" fill="none" '
               f'stroke="{OUTLINE}" stroke-width="1.2"/>')
    out.append(f'<rect x="{f(cx - 2)}" y="{top - 17}" width="4" height="3.4" rx="0.8" fill="#9aa2a8" '
               f'stroke="{OUTLINE}" stroke-width="0.7"/>')
    return out


def fence():
    out = []
    posts = [(4, 113, 26), (17, 116, 25), (30, 119, 24), (43, 122, 23)]
    rails = []
    for dy in (5, 13):
        rails.append(' '.join(f'{f(x + 1.5)},{f(y + dy)}' for x, y, h in posts))
    for r in rails:
        out.append(f'<polyline points="{r}" fill="none" stroke="{OUTLINE}" stroke-width="3.2" stroke-linecap="round"/>')
        out.append(f'<polyline points="{r}" fill="none" stroke="#a8804e" stroke-width="1.8" stroke-linecap="round"/>')
        out.append(f'<polyline points="{r}" fill="none" stroke="#e0c090" stroke-width="0.6" '
                   f'stroke-linecap="round" transform="translate(0 -0.5)"/>')
    for x, y, h in posts:
        out.append(f'<ellipse cx="{x + 4}" cy="{y + h - 1}" rx="4" ry="1.2" fill="#1e2a08" opacity="0.4" filter="url(#blur1)"/>')
        out.append(f'<path d="M{x} {y + 1}L{x + 1.5} {y - 0.6}L{x + 3} {y + 1}V{y + h}H{x}Z" fill="url(#post)" '
                   f'stroke="{OUTLINE}" stroke-width="0.8"/>')
    return out


def bale():
    cx, cy, r = 156, 127, 11.5
    out = [f'<ellipse cx="{cx + 12}" cy="{cy + r - 0.5}" rx="18" ry="3.4" fill="#1e2a08" opacity="0.55" filter="url(#blur2)"/>',
           f'<path d="M{cx} {cy - r}L{cx + 13} {cy - r - 1.5}A{r * 0.55} {r + 0.5} 0 0 1 {cx + 13} {f(cy + r - 1)}'
           f'L{cx} {cy + r}Z" fill="url(#baleSide)" stroke="{OUTLINE}" stroke-width="0.9"/>',
           f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#bale)" stroke="{OUTLINE}" stroke-width="0.9"/>']
    # the rolled straw, as a spiral
    d = [f'M{cx} {cy}']
    for i in range(1, 60):
        a = i * 0.32
        rr = r * 0.92 * i / 59
        d.append(f'L{f(cx + math.cos(a) * rr)} {f(cy + math.sin(a) * rr)}')
    out.append(f'<path d="{"".join(d)}" fill="none" stroke="#9a6c1a" stroke-width="0.55" opacity="0.75"/>')
    for k in range(5):
        y = cy - r + 3 + k * 4.2
        out.append(f'<path d="M{cx + 2} {f(y)}Q{cx + 8} {f(y - 0.8)} {cx + 15} {f(y - 0.6)}" fill="none" '
                   f'stroke="#fff0b0" stroke-width="0.5" opacity="0.5"/>')
    return out


def grass(rng):
    out = []
    for _ in range(150):
        x = rng.uniform(0, W)
        y = rng.uniform(100, H)
        if 58 < x < 150 and y > 118 and abs(x - (93 + (y - 118) * 0.6)) < 22 + (y - 118) * 0.9:
            continue  # keep the track bare
        if WALL_L - 2 < x < WALL_R + BACK[0] and y < BASE_Y:
            continue
        if 136 < x < 172 and 112 < y < 137:
            continue  # not over the bale
        h = 1.5 + (y - 100) * 0.07
        lean = rng.uniform(-1, 1)
        colour = rng.choice(('#3e5a18', '#5a7a26', '#8aa840', '#b0c45c'))
        out.append(f'<path d="M{f(x)} {f(y)}q{f(lean * 0.5)} {f(-h * 0.6)} {f(lean)} {f(-h)}" '
                   f'stroke="{colour}" stroke-width="0.6" fill="none" opacity="0.9"/>')
    for x, y in ((132, 140), (40, 140), (20, 132), (170, 110), (150, 112)):
        for dx, dy, c in ((0, 0, '#fff4e0'), (1.8, 0.8, '#ffe070'), (-1.2, 1.4, '#fff4e0')):
            out.append(f'<circle cx="{f(x + dx)}" cy="{f(y + dy)}" r="0.8" fill="{c}"/>')
    return out


def main():
    rng = random.Random(1907)
    body = []
    body += sky_and_land(rng)
    # the buildings, a little smaller than drawn, so they sit inside the oval
    body.append('<g transform="translate(97 122) scale(0.86) translate(-97 -122)">')
    body += shadows()
    body += silo()
    body += barn(rng)
    body += fence()
    body += bale()
    body.append('</g>')
    body += grass(rng)
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">\n'
           f'{defs()}\n<g mask="url(#vign)">\n' + '\n'.join(body) + '\n</g>\n</svg>\n')
    here = output_dir(__file__)
    with open(os.path.join(here, 'barn.svg'), 'w', encoding='utf-8', newline='\n') as out:
        out.write(svg)


if __name__ == '__main__':
    main()
