#!/usr/bin/env python3
"""Generates starmap.svg: the star map with its eight planets.

Deterministic (fixed seed). Each planet sits centred in its clickable area
on the map screen, so the circles below must follow those areas.
"""
import os
import random
import sys


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "tools"))
from generators import output_dir  # noqa: E402  (shared by the generators)

W, H = 487, 426
rnd = random.Random(1957)

# name, area (left, top, width, height)
AREAS = {
    "pardonolia": (24, 64, 65, 73),
    "karot": (104, 224, 33, 25),
    "pasim": (168, 280, 17, 17),
    "zemlya": (208, 328, 49, 41),
    "shekarama": (216, 184, 25, 33),
    "filiy": (232, 72, 25, 33),
    "miranda": (392, 88, 41, 49),
    "dorav": (368, 240, 33, 41),
}

# Planet looks: base gradient (light, dark), texture layers
# (colour, base frequency, seed, alpha gain, alpha offset), atmosphere colour.
LOOKS = {
    "pardonolia": dict(base=("#5fae3c", "#24601e"), atmo="#9cf08a", layers=[
        ("#1c4a16", "0.09", 3, 4.0, -1.7),
        ("#b8d05a", "0.11", 8, 4.0, -2.3),
        ("#2a6a9a", "0.07", 21, 5.0, -3.1),
        ("#ffffff", "0.05 0.14", 5, 2.2, -1.15),
    ]),
    "karot": dict(base=("#a8683a", "#5a3014"), atmo="#e0a070", layers=[
        ("#4a2410", "0.18 0.35", 11, 3.0, -1.3),
        ("#c88a56", "0.12 0.3", 4, 3.0, -1.8),
    ]),
    "pasim": dict(base=("#a6a048", "#5a5820"), atmo="#d8d890", layers=[
        ("#4c4a18", "0.3", 7, 3.0, -1.3),
        ("#ccc070", "0.35", 2, 3.0, -1.7),
    ]),
    "zemlya": dict(base=("#3a78d8", "#123a8a"), atmo="#7ab8ff", layers=[
        ("#3c8a34", "0.07", 14, 6.0, -3.0),
        ("#a89050", "0.12", 30, 5.0, -3.3),
        ("#ffffff", "0.06 0.16", 9, 3.4, -1.7),
    ]),
    "shekarama": dict(base=("#b0aca4", "#5a5854"), atmo="#d8d4cc", layers=[
        ("#6a6660", "0.2", 17, 3.0, -1.4),
        ("#d4d0c8", "0.25", 23, 3.0, -1.8),
    ]),
    "filiy": dict(base=("#9cb0c8", "#48566c"), atmo="#b8d0f0", layers=[
        ("#5a6a82", "0.25", 19, 2.5, -1.2),
    ]),
    "miranda": dict(base=("#f09a3a", "#a04a10"), atmo="#ffc080", layers=[
        ("#8a8680", "0.03 0.11", 27, 5.0, -2.4),
        ("#5a5652", "0.12", 33, 4.0, -2.6),
        ("#ffd080", "0.1 0.3", 6, 3.0, -1.8),
    ]),
    "dorav": dict(base=("#f6ecda", "#c8b49a"), atmo="#ffe8d0", layers=[]),
}

out = []
defs = []
add = out.append


def f(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


# --- background and nebula haze -------------------------------------------
defs.append('''<radialGradient id="hazeA" gradientUnits="userSpaceOnUse" cx="0" cy="0" r="1"
    gradientTransform="translate(150 330) rotate(-25) scale(210 120)">
  <stop offset="0" stop-color="#fff"/><stop offset="0.6" stop-color="#888"/><stop offset="1" stop-color="#000"/>
</radialGradient>
<radialGradient id="hazeB" gradientUnits="userSpaceOnUse" cx="0" cy="0" r="1"
    gradientTransform="translate(360 70) rotate(15) scale(190 90)">
  <stop offset="0" stop-color="#ccc"/><stop offset="0.6" stop-color="#666"/><stop offset="1" stop-color="#000"/>
</radialGradient>
<mask id="nebMask" maskUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">
  <rect width="%d" height="%d" fill="url(#hazeA)"/>
  <rect width="%d" height="%d" fill="url(#hazeB)" style="mix-blend-mode:screen"/>
</mask>
<filter id="nebula" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">
  <feTurbulence type="fractalNoise" baseFrequency="0.006 0.009" numOctaves="5" seed="4"/>
  <feColorMatrix type="matrix" values="0.55 0 0 0 0.08  0 0.1 0 0 0.02  0 0 0.9 0 0.15  1.6 0 0 0 -0.62"/>
</filter>
<filter id="nebula2" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">
  <feTurbulence type="fractalNoise" baseFrequency="0.012" numOctaves="4" seed="12"/>
  <feColorMatrix type="matrix" values="0 0 0 0 0.15  0 0 0 0 0.35  0 0 0 0 0.7  0 1.8 0 0 -0.85"/>
</filter>
<filter id="glow" x="-3" y="-3" width="7" height="7">
  <feGaussianBlur stdDeviation="1.6"/>
</filter>''' % (W, H, W, H, W, H, W, H, W, H))
add('<rect width="%d" height="%d" fill="#020208"/>' % (W, H))
add('<g mask="url(#nebMask)" opacity="0.55"><rect width="%d" height="%d" filter="url(#nebula)"/>'
    '<rect width="%d" height="%d" filter="url(#nebula2)"/></g>' % (W, H, W, H))

# --- stars ----------------------------------------------------------------
TINTS = ["#ffffff", "#ffffff", "#ffffff", "#dfe8ff", "#c8d8ff", "#fff2d8", "#ffe0b0", "#ffd0c8"]
stars = []
for _ in range(620):
    x, y = rnd.uniform(0, W), rnd.uniform(0, H)
    r = rnd.choice([0.35, 0.4, 0.45, 0.5, 0.55, 0.6, 0.7])
    o = rnd.uniform(0.25, 0.95)
    stars.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%s"/>' % (f(x), f(y), f(r), rnd.choice(TINTS), f(o)))
for _ in range(45):
    x, y = rnd.uniform(0, W), rnd.uniform(0, H)
    r = rnd.uniform(0.8, 1.15)
    stars.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(x), f(y), f(r), rnd.choice(TINTS)))
add('<g>' + "".join(stars) + '</g>')
# a few bright stars with a soft glow and faint spikes
for _ in range(11):
    x, y = rnd.uniform(5, W - 5), rnd.uniform(5, H - 5)
    c = rnd.choice(TINTS)
    s = rnd.uniform(3.5, 6.5)
    add('<g><circle cx="%s" cy="%s" r="2.6" fill="%s" opacity="0.55" filter="url(#glow)"/>'
        '<path d="M%s %sh%sM%s %sv%s" stroke="%s" stroke-width="0.5" opacity="0.55"/>'
        '<circle cx="%s" cy="%s" r="1.1" fill="#fff"/></g>'
        % (f(x), f(y), c, f(x - s), f(y), f(2 * s), f(x), f(y - s), f(2 * s), c, f(x), f(y)))

# --- planets --------------------------------------------------------------
defs.append('''<radialGradient id="shade" cx="0.42" cy="0.4" r="0.66" fx="0.3" fy="0.28">
  <stop offset="0" stop-color="#fff" stop-opacity="0.38"/>
  <stop offset="0.3" stop-color="#fff" stop-opacity="0"/>
  <stop offset="0.55" stop-color="#000" stop-opacity="0.18"/>
  <stop offset="0.8" stop-color="#000" stop-opacity="0.7"/>
  <stop offset="1" stop-color="#000" stop-opacity="0.94"/>
</radialGradient>
<radialGradient id="rim" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0.8" stop-color="#fff" stop-opacity="0"/>
  <stop offset="0.97" stop-color="#fff" stop-opacity="0.25"/>
  <stop offset="1" stop-color="#fff" stop-opacity="0"/>
</radialGradient>''')


def planet(name):
    lx, ty, w, h = AREAS[name]
    cx, cy = lx + w / 2.0, ty + h / 2.0
    r = min(w, h) / 2.0 - 0.5
    look = LOOKS[name]
    x0, y0, d = cx - r, cy - r, 2 * r
    p = name
    defs.append('<clipPath id="c_%s"><circle cx="%s" cy="%s" r="%s"/></clipPath>' % (p, f(cx), f(cy), f(r)))
    defs.append('<radialGradient id="b_%s" cx="0.4" cy="0.38" r="0.7"><stop offset="0" stop-color="%s"/>'
                '<stop offset="1" stop-color="%s"/></radialGradient>' % (p, look["base"][0], look["base"][1]))
    defs.append('<filter id="a_%s" x="-1" y="-1" width="3" height="3"><feGaussianBlur stdDeviation="%s"/></filter>'
                % (p, f(max(1.2, r * 0.12))))
    # atmosphere halo behind the disc
    add('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s" opacity="0.45" filter="url(#a_%s)"/>'
        % (f(cx), f(cy), f(r), look["atmo"], f(max(1.2, r * 0.1)), p))
    add('<g clip-path="url(#c_%s)">' % p)
    add('<circle cx="%s" cy="%s" r="%s" fill="url(#b_%s)"/>' % (f(cx), f(cy), f(r), p))
    scale = 32.0 / r  # keep texture detail similar in pixels
    for i, (col, bf, seed, gain, off) in enumerate(look["layers"]):
        bfs = " ".join(f(float(v) * min(scale, 2.6) * 0.7) for v in bf.split())
        c = col.lstrip("#")
        rr, gg, bb = (int(c[k:k + 2], 16) / 255.0 for k in (0, 2, 4))
        fid = "t_%s_%d" % (p, i)
        defs.append('<filter id="%s" filterUnits="userSpaceOnUse" x="%s" y="%s" width="%s" height="%s">'
                    '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="4" seed="%d"/>'
                    '<feColorMatrix type="matrix" values="0 0 0 0 %s  0 0 0 0 %s  0 0 0 0 %s  %s 0 0 0 %s"/>'
                    '</filter>' % (fid, f(x0), f(y0), f(d), f(d), bfs, seed,
                                   f(rr), f(gg), f(bb), f(gain), f(off)))
        add('<rect x="%s" y="%s" width="%s" height="%s" filter="url(#%s)"/>' % (f(x0), f(y0), f(d), f(d), fid))
    if name == "zemlya":
        # polar caps
        add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#f4f8ff" opacity="0.9"/>' % (f(cx), f(cy - r), f(r * 0.55), f(r * 0.18)))
        add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#f4f8ff" opacity="0.9"/>' % (f(cx), f(cy + r), f(r * 0.5), f(r * 0.15)))
    if name == "dorav":
        defs.append('<filter id="wig" filterUnits="userSpaceOnUse" x="%s" y="%s" width="%s" height="%s">'
                    '<feTurbulence type="fractalNoise" baseFrequency="0.09 0.25" numOctaves="2" seed="3" result="n"/>'
                    '<feDisplacementMap in="SourceGraphic" in2="n" scale="4" xChannelSelector="R" yChannelSelector="G" result="d"/>'
                    '<feGaussianBlur in="d" stdDeviation="0.45"/></filter>' % (f(x0 - 4), f(y0 - 4), f(d + 8), f(d + 8)))
        bands = [(-0.72, 0.09, "#c86048", 0.7), (-0.5, 0.14, "#b83a2a", 0.9), (-0.26, 0.05, "#d8806a", 0.7),
                 (-0.08, 0.16, "#a82e22", 0.95), (0.16, 0.07, "#e09a80", 0.7), (0.33, 0.13, "#b8402e", 0.9),
                 (0.56, 0.06, "#c8604a", 0.8), (0.74, 0.1, "#a83a2c", 0.7)]
        add('<g filter="url(#wig)" transform="rotate(-14 %s %s)">' % (f(cx), f(cy)))
        for (yy, hh, col, op) in bands:
            add('<rect x="%s" y="%s" width="%s" height="%s" fill="%s" opacity="%s"/>'
                % (f(x0 - 6), f(cy + yy * r), f(d + 12), f(hh * r * 1.3), col, f(op)))
        add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#f0c8b0" stroke="#902818" stroke-width="0.7"/>'
            % (f(cx + r * 0.28), f(cy + r * 0.06), f(r * 0.2), f(r * 0.1)))
        add('</g>')
    if name == "filiy":
        for (dx, dy, cr) in [(-0.35, -0.3, 0.2), (0.3, 0.15, 0.26), (-0.1, 0.5, 0.14), (0.45, -0.45, 0.12),
                             (-0.55, 0.25, 0.12), (0.05, -0.05, 0.1), (0.0, -0.62, 0.09)]:
            x, y, rc = cx + dx * r, cy + dy * r, cr * r
            add('<circle cx="%s" cy="%s" r="%s" fill="#3c4858" opacity="0.55"/>' % (f(x), f(y), f(rc)))
            add('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="#dfe8f6" stroke-width="%s" opacity="0.6"'
                ' stroke-dasharray="%s %s" transform="rotate(110 %s %s)"/>'
                % (f(x + rc * 0.12), f(y + rc * 0.12), f(rc), f(max(0.45, rc * 0.25)),
                   f(rc * 3.14 * 0.9), f(rc * 3.14 * 1.1), f(x), f(y)))
    if name == "shekarama":
        # faint light streaks so it reads different from the cratered Filiy
        add('<g opacity="0.35" transform="rotate(20 %s %s)">' % (f(cx), f(cy)))
        for yy in (-0.5, -0.1, 0.35):
            add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#efe8dc"/>' % (f(cx), f(cy + yy * r), f(r), f(r * 0.07)))
        add('</g>')
    add('<circle cx="%s" cy="%s" r="%s" fill="url(#shade)"/>' % (f(cx), f(cy), f(r)))
    add('<circle cx="%s" cy="%s" r="%s" fill="url(#rim)" opacity="0.8"/>' % (f(cx), f(cy), f(r)))
    add('</g>')


for n in AREAS:
    planet(n)

svg = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
       '<defs>\n%s\n</defs>\n%s\n</svg>\n' % (W, H, W, H, "\n".join(defs), "\n".join(out)))
with open(os.path.join(output_dir(__file__), "starmap.svg"), "w", encoding="utf-8", newline="\n") as fh:
    fh.write(svg)
