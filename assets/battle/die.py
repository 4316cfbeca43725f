#!/usr/bin/env python3
"""Writes die1.svg .. die6.svg: white dice on the die boxes' olive colour.

The edges are exactly the box colour, so the strip of box below the picture joins it."""
import os
import sys


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "tools"))
from generators import output_dir  # noqa: E402  (shared by the generators)

W, H = 63, 58
# die face: x0, y0, size; set low in the picture so that it sits in the middle of the
# 63 x 63 die box
X0, Y0, S = 9.5, 8.5, 42
C = 11.5  # pip offset from face centre

LAYOUT = {
    1: [(0, 0)],
    2: [(1, -1), (-1, 1)],
    3: [(1, -1), (0, 0), (-1, 1)],
    4: [(-1, -1), (1, -1), (-1, 1), (1, 1)],
    5: [(-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1)],
    6: [(-1, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (1, 1)],
}

HEAD = f'''<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">
  <defs>
    <radialGradient id="bg" cx="0.5" cy="0.45" r="0.75">
      <stop offset="0" stop-color="#b5a564"/>
      <stop offset="0.7" stop-color="#a59554"/>
      <stop offset="1" stop-color="#a59554"/>
    </radialGradient>
    <linearGradient id="side" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#d9d6cc"/>
      <stop offset="1" stop-color="#8f8a7c"/>
    </linearGradient>
    <radialGradient id="face" cx="0.35" cy="0.3" r="0.85">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="0.6" stop-color="#f3f1ea"/>
      <stop offset="1" stop-color="#d4d0c4"/>
    </radialGradient>
    <radialGradient id="pip" cx="0.6" cy="0.65" r="0.6">
      <stop offset="0" stop-color="#3a3a44"/>
      <stop offset="0.7" stop-color="#141418"/>
      <stop offset="1" stop-color="#000"/>
    </radialGradient>
    <radialGradient id="pip1" cx="0.6" cy="0.65" r="0.6">
      <stop offset="0" stop-color="#e0343a"/>
      <stop offset="0.7" stop-color="#9a0c12"/>
      <stop offset="1" stop-color="#4a0004"/>
    </radialGradient>
    <filter id="soft" x="-30%" y="-30%" width="160%" height="160%">
      <feGaussianBlur stdDeviation="2"/>
    </filter>
  </defs>
  <rect width="{W}" height="{H}" fill="url(#bg)"/>
  <rect x="{X0 + 2.5}" y="{Y0 + 3.5}" width="{S + 1}" height="{S + 1}" rx="9" fill="#3c3212" opacity="0.55" filter="url(#soft)"/>
  <rect x="{X0}" y="{Y0}" width="{S + 2}" height="{S + 2.5}" rx="9" fill="url(#side)" stroke="#4a4636" stroke-width="1"/>
  <rect x="{X0 + 0.6}" y="{Y0 + 0.6}" width="{S - 0.6}" height="{S - 0.6}" rx="8" fill="url(#face)"/>
  <path d="M{X0 + 3} {Y0 + S - 10} L{X0 + 3} {Y0 + 9} Q{X0 + 3} {Y0 + 3} {X0 + 9} {Y0 + 3} L{X0 + S - 10} {Y0 + 3}" fill="none" stroke="#ffffff" stroke-width="1.4" stroke-linecap="round" opacity="0.9"/>
'''


def die(n):
    cx, cy = X0 + S / 2, Y0 + S / 2
    r = 6.2 if n == 1 else 4.4
    grad = 'pip1' if n == 1 else 'pip'
    out = [HEAD]
    for dx, dy in LAYOUT[n]:
        x, y = cx + dx * C, cy + dy * C
        # recessed pip: lit lower-right rim, dark hollow
        out.append(f'  <circle cx="{x + 0.5:.1f}" cy="{y + 0.6:.1f}" r="{r:.1f}" fill="#ffffff" opacity="0.9"/>\n')
        out.append(f'  <circle cx="{x:.1f}" cy="{y:.1f}" r="{r:.1f}" fill="url(#{grad})"/>\n')
    out.append('</svg>\n')
    return ''.join(out)


dest = output_dir(__file__)
for n in range(1, 7):
    with open(os.path.join(dest, f'die{n}.svg'), 'w', encoding='utf-8', newline='\n') as f:
        f.write(die(n))
