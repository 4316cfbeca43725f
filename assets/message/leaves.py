#!/usr/bin/env python3
"""Writes leaves.svg: a garland strip of leaves and small flowers for the message window."""
import math
import os
import random
import sys


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "tools"))
from generators import output_dir  # noqa: E402  (shared by the generators)

W, H = 581.07, 22.4
MID = H / 2
rnd = random.Random(1957)


def stem_y(x):
    return MID + 3.2 * math.sin(x * 2 * math.pi / 48)


def stem_slope(x):
    return 3.2 * 2 * math.pi / 48 * math.cos(x * 2 * math.pi / 48)


out = [f'''<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">
  <defs>
    <linearGradient id="lf" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#2f6a1c"/>
      <stop offset="0.6" stop-color="#5fa234"/>
      <stop offset="1" stop-color="#a6d064"/>
    </linearGradient>
    <linearGradient id="lf2" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#1f5418"/>
      <stop offset="0.6" stop-color="#3f8a2a"/>
      <stop offset="1" stop-color="#7fb84a"/>
    </linearGradient>
    <radialGradient id="pk" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#fff0f4"/>
      <stop offset="0.55" stop-color="#f07898"/>
      <stop offset="1" stop-color="#b02850"/>
    </radialGradient>
    <radialGradient id="bl" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#f4f0ff"/>
      <stop offset="0.55" stop-color="#8a90e8"/>
      <stop offset="1" stop-color="#3a3ca0"/>
    </radialGradient>
    <radialGradient id="ctr" cx="0.4" cy="0.35" r="0.6">
      <stop offset="0" stop-color="#fff8b0"/>
      <stop offset="1" stop-color="#d08a10"/>
    </radialGradient>
    <path id="leaf" d="M0 0 C2 -2.6 6 -3 9 0 C6 3 2 2.6 0 0 Z"/>
    <g id="fl_pk">
      <g fill="url(#pk)" stroke="#7a1434" stroke-width="0.35">
        <ellipse cx="0" cy="-2.2" rx="1.7" ry="2.3"/>
        <ellipse cx="0" cy="-2.2" rx="1.7" ry="2.3" transform="rotate(72)"/>
        <ellipse cx="0" cy="-2.2" rx="1.7" ry="2.3" transform="rotate(144)"/>
        <ellipse cx="0" cy="-2.2" rx="1.7" ry="2.3" transform="rotate(216)"/>
        <ellipse cx="0" cy="-2.2" rx="1.7" ry="2.3" transform="rotate(288)"/>
      </g>
      <circle r="1.3" fill="url(#ctr)" stroke="#7a4a08" stroke-width="0.3"/>
    </g>
    <g id="fl_bl">
      <g fill="url(#bl)" stroke="#22246a" stroke-width="0.35">
        <circle cx="0" cy="-1.9" r="1.5"/>
        <circle cx="0" cy="-1.9" r="1.5" transform="rotate(90)"/>
        <circle cx="0" cy="-1.9" r="1.5" transform="rotate(180)"/>
        <circle cx="0" cy="-1.9" r="1.5" transform="rotate(270)"/>
      </g>
      <circle r="1.1" fill="url(#ctr)" stroke="#7a4a08" stroke-width="0.3"/>
    </g>
  </defs>
''']

# the vine
pts = [(x / 2, stem_y(x / 2)) for x in range(0, int(W * 2) + 2)]
d = 'M' + ' L'.join(f'{x:.2f} {y:.2f}' for x, y in pts)
out.append(f'  <path d="{d}" fill="none" stroke="#2a4a14" stroke-width="1.3" stroke-linecap="round"/>\n')
out.append(f'  <path d="{d}" fill="none" stroke="#7aa040" stroke-width="0.5" transform="translate(0 -0.3)"/>\n')

# leaves in pairs along the vine, flowers between
x = 3.0
i = 0
flowers = []
while x < W - 4:
    y = stem_y(x)
    base = math.degrees(math.atan(stem_slope(x)))
    side = -1 if i % 2 == 0 else 1
    ang = base + side * (38 + rnd.uniform(-8, 8))
    s = rnd.uniform(0.85, 1.1)
    grad = 'lf' if i % 3 else 'lf2'
    out.append(f'  <use href="#leaf" fill="url(#{grad})" stroke="#173a0c" stroke-width="0.45" '
               f'transform="translate({x:.2f} {y:.2f}) rotate({ang:.1f}) scale({s:.2f})"/>\n')
    # central vein
    out.append(f'  <path d="M0.6 0 L7.4 0" stroke="#cfe89a" stroke-width="0.35" stroke-opacity="0.8" '
               f'transform="translate({x:.2f} {y:.2f}) rotate({ang:.1f}) scale({s:.2f})"/>\n')
    if i % 4 == 2:
        flowers.append((x + 3.0, stem_y(x + 3.0), 'fl_pk' if (i // 4) % 2 == 0 else 'fl_bl'))
    x += 6.0
    i += 1

for fx, fy, kind in flowers:
    if fx > W - 4:
        continue
    s = 1.0 if kind == 'fl_pk' else 0.95
    out.append(f'  <use href="#{kind}" transform="translate({fx:.2f} {fy:.2f}) rotate({rnd.uniform(0, 72):.0f}) scale({s})"/>\n')
    # a tiny bud beside each flower
    bx = fx + 4.5
    out.append(f'  <circle cx="{bx:.2f}" cy="{stem_y(bx) - 2.5:.2f}" r="0.9" fill="#f6c0d0" stroke="#7a1434" stroke-width="0.3"/>\n')

out.append('</svg>\n')
with open(os.path.join(output_dir(__file__), 'leaves.svg'), 'w', encoding='utf-8', newline='\n') as f:
    f.write(''.join(out))
