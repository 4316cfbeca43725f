#!/usr/bin/env python3
"""Generates the nine intro story pages (page1.svg .. page9.svg), and for the pages that carry
text an English variant (page1_en.svg, ...) with the same scene under English text.

Deterministic: every random choice comes from a fixed seed per page.
Run from anywhere: python3 assets/intro/pages.py [output-dir]
"""
import math
import os
import random
import sys


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "tools"))
from generators import output_dir  # noqa: E402  (shared by the generators)

W, H = 615, 461


def f(v):
    """Short number formatting keeps the files small."""
    s = "%.1f" % v
    return s[:-2] if s.endswith(".0") else s


# ---------------------------------------------------------------- common

def svg_open(w, h):
    return ['<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" '
            'width="%d" height="%d" viewBox="0 0 %d %d">' % (w, h, w, h)]


def nebula_filter(fid, seed, freq, octaves, rgb, gain, off, w=W, h=H, kind="fractalNoise"):
    """Cloud layer: noise red channel drives alpha of a flat colour."""
    r, g, b = rgb
    return ('<filter id="%s" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
            '<feTurbulence type="%s" baseFrequency="%s" numOctaves="%d" seed="%d"/>'
            '<feColorMatrix type="matrix" values="0 0 0 0 %.3f 0 0 0 0 %.3f 0 0 0 0 %.3f %.2f 0 0 0 %.2f"/>'
            '</filter>' % (fid, w, h, kind, freq, octaves, seed, r / 255, g / 255, b / 255, gain, off))


def hexrgb(c):
    c = c.lstrip("#")
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def common_defs():
    return [
        '<filter id="soft" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="1.2"/></filter>',
        '<filter id="glow4" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="4"/></filter>',
        '<filter id="glow10" x="-100%" y="-100%" width="300%" height="300%"><feGaussianBlur stdDeviation="10"/></filter>',
        '<filter id="glow20" x="-100%" y="-100%" width="300%" height="300%"><feGaussianBlur stdDeviation="20"/></filter>',
        '<filter id="subshadow" x="-5%" y="-40%" width="110%" height="180%"><feGaussianBlur stdDeviation="1.6"/></filter>',
        '<radialGradient id="starglow"><stop offset="0" stop-color="#fff" stop-opacity="1"/>'
        '<stop offset="0.25" stop-color="#cfe0ff" stop-opacity="0.5"/><stop offset="1" stop-color="#8ab" stop-opacity="0"/></radialGradient>',
    ]


def stars(rnd, w, h, n, big=6, avoid=None, tint=None):
    """Dots of varied size and hue; a few large ones get a glow and cross flare."""
    out = ['<g>']
    cols = tint or ["#ffffff", "#fff4e0", "#dde8ff", "#ffe6c8", "#cfd8ff"]
    for _ in range(n):
        x, y = rnd.uniform(0, w), rnd.uniform(0, h)
        if avoid and avoid(x, y):
            continue
        r = rnd.choice([0.35, 0.45, 0.5, 0.6, 0.7, 0.8, 1.0, 1.2])
        o = rnd.uniform(0.35, 1.0)
        out.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%.2f"/>' %
                   (f(x), f(y), r, rnd.choice(cols), o))
    for _ in range(big):
        x, y = rnd.uniform(0, w), rnd.uniform(0, h)
        if avoid and avoid(x, y):
            continue
        s = rnd.uniform(5, 11)
        out.append(sparkle(x, y, s))
    out.append('</g>')
    return "".join(out)


def sparkle(x, y, s, col="#fff", op=0.9):
    return ('<g transform="translate(%s %s)" opacity="%.2f">'
            '<circle r="%s" fill="url(#starglow)"/>'
            '<path d="M0 %s L%s 0 L0 %s L%s 0 Z M%s 0 L0 %s L%s 0 L0 %s Z" fill="%s"/>'
            '<circle r="%s" fill="#fff"/></g>' %
            (f(x), f(y), op, f(s * 0.9), f(-s), f(s * 0.08), f(s), f(-s * 0.08),
             f(-s * 0.7), f(s * 0.06), f(s * 0.7), f(-s * 0.06), col, f(max(0.8, s * 0.12))))


def subtitle(lines, color, size=21, bottom=None, w=W, h=H, font="Z003", lh=None):
    """Two-pass text: a blurred dark stroke behind, then the coloured fill."""
    lh = lh or size * 1.18
    bottom = bottom if bottom is not None else h - 14
    y0 = bottom - lh * (len(lines) - 1)
    style = ('font-family="%s, DejaVu Serif" font-style="italic" font-size="%s" text-anchor="middle"' %
             (font, size))
    out = ['<rect x="0" y="%d" width="%d" height="%d" fill="url(#subband)"/>' %
           (h - int(lh * len(lines) + 40), w, int(lh * len(lines) + 40))]
    shadow, fill = [], []
    for i, t in enumerate(lines):
        y = y0 + i * lh
        shadow.append('<text x="%s" y="%s">%s</text>' % (f(w / 2 + 1), f(y + 1.5), t))
        fill.append('<text x="%s" y="%s">%s</text>' % (f(w / 2), f(y), t))
    out.append('<g %s fill="#000" stroke="#000" stroke-width="5" stroke-linejoin="round" '
               'opacity="0.95" filter="url(#subshadow)">%s</g>' % (style, "".join(shadow)))
    # a crisp dark outline, then the fill stroked in its own colour: the thin chancery strokes
    # read bolder against the busy scenes
    out.append('<g %s fill="none" stroke="#0a0400" stroke-width="2.2" stroke-linejoin="round" '
               'opacity="0.8">%s</g>' % (style, "".join(fill)))
    out.append('<g %s fill="%s" stroke="%s" stroke-width="0.55" stroke-linejoin="round">%s</g>' %
               (style, color, color, "".join(fill)))
    return "".join(out)


def subband_def(h=H):
    return ('<linearGradient id="subband" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#000" stop-opacity="0"/>'
            '<stop offset="0.6" stop-color="#000" stop-opacity="0.45"/>'
            '<stop offset="1" stop-color="#000" stop-opacity="0.65"/></linearGradient>')


def cloud_layers(specs, w=W, h=H):
    """specs: (id, seed, freq, oct, colour, gain, off, extra-attrs). Returns (defs, body)."""
    defs, body = [], []
    for fid, seed, freq, octv, col, gain, off, attrs in specs:
        defs.append(nebula_filter(fid, seed, freq, octv, hexrgb(col), gain, off, w, h))
        body.append('<rect width="%d" height="%d" filter="url(#%s)" %s/>' % (w, h, fid, attrs))
    return defs, body


def write(name, parts):
    path = os.path.join(output_dir(__file__), name)
    with open(path, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("\n".join(parts) + "\n")


def write_page(name, scene, ru=None, en=None):
    """Writes name.svg and, when the page has English text, name_en.svg: the scene is drawn
    once, and the two differ only in the text laid over it."""
    write(name + ".svg", scene + ([ru] if ru else []) + ['</svg>'])
    if en is not None:
        write(name + "_en.svg", scene + [en, '</svg>'])


# ---------------------------------------------------------------- ships

def ship_defs():
    return [
        '<linearGradient id="hullg" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#7a4a26"/><stop offset="0.45" stop-color="#4a2a14"/>'
        '<stop offset="1" stop-color="#1a0c06"/></linearGradient>',
        '<linearGradient id="hullp" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#3a3040"/><stop offset="0.5" stop-color="#1e1824"/>'
        '<stop offset="1" stop-color="#08060a"/></linearGradient>',
        '<linearGradient id="sailc" x1="0" y1="0" x2="1" y2="0.3">'
        '<stop offset="0" stop-color="#fff4d8"/><stop offset="0.55" stop-color="#e8d2a4"/>'
        '<stop offset="1" stop-color="#9c8058"/></linearGradient>',
        '<linearGradient id="saild" x1="0" y1="0" x2="1" y2="0.3">'
        '<stop offset="0" stop-color="#6a2a34"/><stop offset="0.55" stop-color="#3e1620"/>'
        '<stop offset="1" stop-color="#1a080c"/></linearGradient>',
        '<linearGradient id="sailb" x1="0" y1="0" x2="1" y2="0.3">'
        '<stop offset="0" stop-color="#c8a878"/><stop offset="0.5" stop-color="#8a6440"/>'
        '<stop offset="1" stop-color="#3a2414"/></linearGradient>',
        '<radialGradient id="wake" cx="0.8" cy="0.5" r="0.6">'
        '<stop offset="0" stop-color="#9fd8ff" stop-opacity="0.8"/>'
        '<stop offset="1" stop-color="#3050ff" stop-opacity="0"/></radialGradient>',
        '<radialGradient id="lamp"><stop offset="0" stop-color="#fff6c0"/>'
        '<stop offset="0.3" stop-color="#ffb040" stop-opacity="0.8"/>'
        '<stop offset="1" stop-color="#ff6000" stop-opacity="0"/></radialGradient>',
    ]


def sail(x, yt, yb, w):
    m = (yt + yb) / 2
    return ('M%s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Z' %
            (f(x - w), f(yt), f(x), f(yt + 4), f(x + w), f(yt),
             f(x + w + 6), f(m), f(x + w + 2), f(yb),
             f(x), f(yb + 9), f(x - w - 2), f(yb),
             f(x - w + 5), f(m), f(x - w), f(yt)))


def ship(tx, ty, sc, hull="hullg", sails="sailc", flip=False, wake=True, lights=True,
         extra="", flag="#c01818"):
    """Galleon, bow to the right in local 0..240 x 0..160 space."""
    t = 'translate(%s %s) scale(%s %s)' % (f(tx), f(ty), -sc if flip else sc, sc)
    o = ['<g transform="%s">' % t]
    if wake:
        o.append('<ellipse cx="-10" cy="132" rx="120" ry="16" fill="url(#wake)" filter="url(#glow4)"/>')
        o.append('<path d="M30 136 Q-40 146 -110 140 Q-40 140 40 128 Z" fill="#bfe6ff" opacity="0.25" filter="url(#glow4)"/>')
    # rigging behind sails
    rig = [(64, 36, 18, 84), (110, 8, 18, 84), (110, 8, 190, 110), (158, 24, 238, 80),
           (158, 24, 110, 8), (64, 36, 110, 8), (110, 8, 62, 110), (158, 24, 190, 110)]
    o.append('<g stroke="#1a0e08" stroke-width="0.7" opacity="0.8">')
    for a, b, c, d in rig:
        o.append('<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (a, b, c, d))
    o.append('</g>')
    # masts and bowsprit
    o.append('<g stroke="#2a180c" stroke-linecap="round">'
             '<line x1="110" y1="112" x2="110" y2="4" stroke-width="3"/>'
             '<line x1="158" y1="112" x2="158" y2="20" stroke-width="2.6"/>'
             '<line x1="64" y1="100" x2="64" y2="32" stroke-width="2.4"/>'
             '<line x1="200" y1="104" x2="242" y2="78" stroke-width="2.4"/></g>')
    # sails
    tiers = [(110, [(12, 40, 24), (44, 74, 32), (78, 104, 37)]),
             (158, [(26, 50, 19), (54, 78, 25), (82, 104, 28)])]
    o.append('<g fill="url(#%s)" stroke="#3a2410" stroke-width="0.8">' % sails)
    # jib and spanker
    o.append('<path d="M158 28 L238 80 Q204 86 168 100 Q176 70 158 28 Z"/>')
    o.append('<path d="M64 38 L26 62 Q34 80 24 98 L64 98 Q56 70 64 38 Z"/>')
    for x, ts in tiers:
        for yt, yb, w in ts:
            o.append('<path d="%s"/>' % sail(x, yt, yb, w))
    o.append('</g>')
    # yards
    o.append('<g stroke="#2a180c" stroke-width="1.8" stroke-linecap="round">')
    for x, ts in tiers:
        for yt, yb, w in ts:
            o.append('<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (x - w - 3, yt, x + w + 3, yt))
    o.append('</g>')
    # sail seams
    o.append('<g stroke="#000" stroke-width="0.5" opacity="0.25" fill="none">')
    for x, ts in tiers:
        for yt, yb, w in ts:
            for k in (-0.5, 0, 0.5):
                o.append('<path d="M%s %s Q%s %s %s %s"/>' % (f(x + k * w), yt + 2, f(x + k * w * 1.15), f((yt + yb) / 2), f(x + k * w), yb + 4))
    o.append('</g>')
    # hull
    o.append('<path d="M16 82 L62 88 L64 110 L190 110 L218 95 Q206 128 176 146 '
             'Q120 155 64 150 Q32 146 22 124 Z" fill="url(#%s)" stroke="#120804" stroke-width="1.4"/>' % hull)
    o.append('<path d="M20 112 Q110 126 212 104" fill="none" stroke="#d8a040" stroke-width="2"/>')
    o.append('<path d="M24 126 Q110 140 200 120" fill="none" stroke="#a87020" stroke-width="1.2" opacity="0.8"/>')
    o.append('<path d="M16 82 L62 88 L64 110" fill="none" stroke="#d8a040" stroke-width="1.4"/>')
    # gun ports
    o.append('<g fill="#0c0604" stroke="#b08030" stroke-width="0.6">')
    for gx in range(72, 186, 15):
        o.append('<rect x="%d" y="%s" width="7" height="5"/>' % (gx, f(118 + (gx - 110) ** 2 / 3000 - (gx - 72) * 0.05)))
    o.append('</g>')
    if lights:
        o.append('<g fill="#ffd070">'
                 '<rect x="24" y="92" width="5" height="7"/><rect x="33" y="93" width="5" height="7"/>'
                 '<rect x="42" y="94" width="5" height="7"/><rect x="51" y="95" width="5" height="7"/></g>')
        o.append('<circle cx="15" cy="78" r="14" fill="url(#lamp)"/><circle cx="15" cy="78" r="2.2" fill="#fff8d0"/>')
    else:
        o.append('<g fill="#201008"><rect x="24" y="92" width="5" height="7"/><rect x="33" y="93" width="5" height="7"/>'
                 '<rect x="42" y="94" width="5" height="7"/></g>')
    # pennant
    o.append('<path d="M110 4 Q122 0 134 6 Q122 6 110 12 Z" fill="%s"/>' % flag)
    o.append(extra)
    o.append('</g>')
    return "".join(o)


def fire_defs():
    return [
        '<filter id="flick" x="-30%" y="-30%" width="160%" height="160%">'
        '<feTurbulence type="turbulence" baseFrequency="0.06 0.03" numOctaves="2" seed="4" result="t"/>'
        '<feDisplacementMap in="SourceGraphic" in2="t" scale="14" xChannelSelector="R" yChannelSelector="G"/></filter>',
        '<linearGradient id="flame" x1="0" y1="1" x2="0" y2="0">'
        '<stop offset="0" stop-color="#fff8c0"/><stop offset="0.25" stop-color="#ffd040"/>'
        '<stop offset="0.6" stop-color="#ff7010"/><stop offset="1" stop-color="#c01000" stop-opacity="0"/></linearGradient>',
        '<radialGradient id="fireglow"><stop offset="0" stop-color="#ffb040" stop-opacity="0.9"/>'
        '<stop offset="0.4" stop-color="#ff5010" stop-opacity="0.45"/><stop offset="1" stop-color="#ff2000" stop-opacity="0"/></radialGradient>',
        '<filter id="smoke" x="-50%" y="-50%" width="200%" height="200%">'
        '<feGaussianBlur in="SourceGraphic" stdDeviation="9" result="b"/>'
        '<feTurbulence type="fractalNoise" baseFrequency="0.035" numOctaves="4" seed="11" result="t"/>'
        '<feColorMatrix in="t" type="matrix" values="0 0 0 0 0.3 0 0 0 0 0.25 0 0 0 0 0.26 3.4 0 0 0 -0.8" result="tc"/>'
        '<feComposite in="tc" in2="b" operator="in"/></filter>',
    ]


def flame(x, y, hgt, wid, rot=0):
    return ('<path transform="rotate(%s %s %s)" d="M%s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Z" fill="url(#flame)"/>' %
            (f(rot), f(x), f(y),
             f(x - wid), f(y), f(x - wid * 1.1), f(y - hgt * 0.5), f(x - wid * 0.15), f(y - hgt),
             f(x - wid * 0.2), f(y - hgt * 0.55), f(x + wid * 0.2), f(y - hgt * 0.75),
             f(x + wid * 0.5), f(y - hgt * 0.35), f(x + wid), f(y),
             f(x), f(y + wid * 0.5), f(x - wid), f(y)))


def fire_cluster(rnd, pts, scale=1.0):
    """pts: (x, y, size). Glow under, flickering flames over, embers."""
    o = ['<g>']
    for x, y, s in pts:
        o.append('<circle cx="%s" cy="%s" r="%s" fill="url(#fireglow)"/>' % (f(x), f(y - s * 0.6), f(s * 2.2)))
    o.append('<g filter="url(#flick)">')
    for x, y, s in pts:
        for _ in range(4):
            o.append(flame(x + rnd.uniform(-s * 0.5, s * 0.5), y + rnd.uniform(-s * 0.1, s * 0.2),
                           s * rnd.uniform(1.2, 2.2), s * rnd.uniform(0.3, 0.5), rnd.uniform(-15, 5)))
    o.append('</g>')
    o.append('<g fill="#ffc060">')
    for x, y, s in pts:
        for _ in range(5):
            o.append('<circle cx="%s" cy="%s" r="%s" opacity="%.2f"/>' %
                     (f(x + rnd.uniform(-s * 1.5, s * 1.0)), f(y - rnd.uniform(s, s * 4)),
                      f(rnd.uniform(0.4, 1.1)), rnd.uniform(0.4, 1)))
    o.append('</g></g>')
    return "".join(o)


# ---------------------------------------------------------------- page 1

def page1():
    w, h = 720, 536
    rnd = random.Random(101)
    p = svg_open(w, h)
    d = ['<defs>'] + common_defs()
    d.append('<radialGradient id="bg" cx="0.5" cy="0.42" r="0.75">'
             '<stop offset="0" stop-color="#3a1260"/><stop offset="0.55" stop-color="#1c0836"/>'
             '<stop offset="1" stop-color="#07020f"/></radialGradient>')
    d.append('<radialGradient id="nebmask" cx="0.5" cy="0.45" r="0.6">'
             '<stop offset="0" stop-color="#fff"/><stop offset="0.7" stop-color="#888"/>'
             '<stop offset="1" stop-color="#222"/></radialGradient>')
    d.append('<mask id="nm" maskUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
             '<rect width="%d" height="%d" fill="url(#nebmask)"/></mask>' % (w, h, w, h))
    cd, cb = cloud_layers([
        ("n1", 3, "0.0045", 5, "#8a3cd8", 2.6, -1.05, 'opacity="0.85"'),
        ("n2", 17, "0.008", 5, "#e050b8", 3.0, -1.45, 'opacity="0.7"'),
        ("n3", 29, "0.006 0.011", 4, "#5a70ff", 2.8, -1.3, 'opacity="0.55"'),
        ("n4", 41, "0.018", 3, "#ffd0f0", 3.4, -1.95, 'opacity="0.5"'),
    ], w, h)
    d += cd
    # gold for the title
    d.append('<linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#fffbe0"/><stop offset="0.28" stop-color="#ffe070"/>'
             '<stop offset="0.5" stop-color="#d89a18"/><stop offset="0.54" stop-color="#8a5200"/>'
             '<stop offset="0.72" stop-color="#e8aa30"/><stop offset="1" stop-color="#fff2a8"/></linearGradient>')
    d.append('<linearGradient id="orange" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#ffd080"/><stop offset="0.5" stop-color="#ff8a1a"/>'
             '<stop offset="1" stop-color="#d85000"/></linearGradient>')
    d.append('<filter id="bevel" x="-5%" y="-20%" width="110%" height="140%">'
             '<feGaussianBlur in="SourceAlpha" stdDeviation="1.8" result="b"/>'
             '<feSpecularLighting in="b" surfaceScale="5" specularConstant="1.1" specularExponent="22" '
             'lighting-color="#fff" result="s"><feDistantLight azimuth="235" elevation="42"/></feSpecularLighting>'
             '<feComposite in="s" in2="SourceAlpha" operator="in" result="s2"/>'
             '<feComposite in="SourceGraphic" in2="s2" operator="arithmetic" k1="0" k2="1" k3="0.9" k4="0"/></filter>')
    d.append('<clipPath id="pl1c"><circle cx="640" cy="640" r="240"/></clipPath>')
    d.append('<filter id="pl1b" filterUnits="userSpaceOnUse" x="400" y="380" width="320" height="156">'
             '<feTurbulence type="fractalNoise" baseFrequency="0.012 0.05" numOctaves="4" seed="12"/>'
             '<feColorMatrix type="matrix" values="0 0 0 0 0.75 0 0 0 0 0.45 0 0 0 0 0.8 2.4 0 0 0 -0.9"/></filter>')
    d.append('<radialGradient id="planet1" cx="0.35" cy="0.3" r="0.8">'
             '<stop offset="0" stop-color="#5a3a7a"/><stop offset="0.6" stop-color="#24103a"/>'
             '<stop offset="1" stop-color="#0a0412"/></radialGradient>')
    d.append('<radialGradient id="rim1" cx="0.5" cy="0.5" r="0.5">'
             '<stop offset="0.9" stop-color="#ff9040" stop-opacity="0"/>'
             '<stop offset="0.975" stop-color="#ffb060" stop-opacity="0.9"/>'
             '<stop offset="1" stop-color="#ff7020" stop-opacity="0"/></radialGradient>')
    d.append('</defs>')
    p += d
    p.append('<rect width="%d" height="%d" fill="url(#bg)"/>' % (w, h))
    p.append('<g mask="url(#nm)">' + "".join(cb) + '</g>')
    p.append(stars(rnd, w, h, 420, big=12))
    # planet rising at the lower right
    p.append('<circle cx="640" cy="640" r="250" fill="#ff8030" opacity="0.35" filter="url(#glow20)"/>')
    p.append('<circle cx="640" cy="640" r="240" fill="url(#planet1)"/>')
    p.append('<g clip-path="url(#pl1c)"><rect x="400" y="380" width="320" height="156" filter="url(#pl1b)" opacity="0.6"/></g>')
    p.append('<circle cx="640" cy="640" r="246" fill="url(#rim1)"/>')
    # small moon
    p.append('<circle cx="92" cy="448" r="26" fill="#2a1840"/>'
             '<path d="M92 422 A26 26 0 0 1 92 474 A20 26 0 0 0 92 422 Z" fill="#ffc890" opacity="0.85"/>')
    # title glow, shadow, bevelled gold
    title = ('<text x="360" y="210" text-anchor="middle" font-family="C059" font-weight="bold" '
             'font-size="66" letter-spacing="2" %s>PLANET ORMAL</text>')
    p.append(title % 'fill="#ff9a20" opacity="0.75" filter="url(#glow10)"')
    p.append(title % 'fill="#1a0800" transform="translate(3 4)" opacity="0.8" filter="url(#soft)"')
    p.append(title % 'fill="url(#gold)" stroke="#4a2400" stroke-width="2" filter="url(#bevel)"')
    p.append(title % 'fill="none" stroke="#fff6c8" stroke-width="0.6" opacity="0.6"')
    # ornamental rules above the title
    for sx in (1, -1):
        p.append('<g transform="translate(360 120) scale(%d 1)" fill="url(#gold)" stroke="#4a2400" stroke-width="0.8">'
                 '<path d="M14 0 L230 -2 L250 0 L230 2 Z"/><circle cx="258" cy="0" r="4"/>'
                 '<path d="M0 -9 L9 0 L0 9 L-9 0 Z"/></g>' % sx)
    p.append(sparkle(130, 150, 16, op=0.95))
    p.append(sparkle(598, 216, 12, op=0.9))
    p.append(sparkle(402, 158, 9, op=0.8))
    # Russian title in orange script with a swash underline
    sub = ('<text x="360" y="300" text-anchor="middle" font-family="Z003" font-size="58" %s>Планета Ормаль</text>')
    p.append(sub % 'fill="#ff6a00" opacity="0.7" filter="url(#glow4)"')
    p.append(sub % 'fill="#200800" transform="translate(2 3)" opacity="0.8" filter="url(#soft)"')
    p.append(sub % 'fill="url(#orange)" stroke="#4a1800" stroke-width="0.8"')
    swash = 'M196 318 Q360 306 524 316 Q548 318 560 310 Q548 324 520 322 Q360 316 196 322 Q184 322 178 316 Q186 318 196 318 Z'
    p.append('<path d="%s" fill="#ff6a00" opacity="0.7" filter="url(#glow4)"/>' % swash)
    p.append('<path d="%s" fill="url(#orange)" stroke="#4a1800" stroke-width="0.6"/>' % swash)
    # the English title: the same script, smaller, under the swash
    en = ('<text x="360" y="372" text-anchor="middle" font-family="Z003" font-size="42" %s>Planet Ormal</text>')
    write_page("page1", p, en="".join([
        en % 'fill="#ff6a00" opacity="0.6" filter="url(#glow4)"',
        en % 'fill="#200800" transform="translate(2 3)" opacity="0.8" filter="url(#soft)"',
        en % 'fill="url(#orange)" stroke="#4a1800" stroke-width="0.55"']))


# ---------------------------------------------------------------- page 2

def page2():
    rnd = random.Random(202)
    p = svg_open(W, H)
    d = ['<defs>'] + common_defs() + ship_defs() + fire_defs() + [subband_def()]
    d.append('<linearGradient id="bg" x1="0" y1="0" x2="0.3" y2="1">'
             '<stop offset="0" stop-color="#050a24"/><stop offset="0.6" stop-color="#0e1640"/>'
             '<stop offset="1" stop-color="#1a0c2a"/></linearGradient>')
    cd, cb = cloud_layers([
        ("n1", 5, "0.005", 5, "#2a58c0", 2.6, -1.1, 'opacity="0.8"'),
        ("n2", 13, "0.009 0.006", 4, "#7a3ab0", 2.8, -1.35, 'opacity="0.6"'),
        ("n3", 23, "0.012", 4, "#ff8050", 3.0, -1.75, 'opacity="0.35"'),
    ])
    d += cd + ['</defs>']
    p += d
    p.append('<rect width="%d" height="%d" fill="url(#bg)"/>' % (W, H))
    p += cb
    p.append(stars(rnd, W, H, 320, big=9))
    # distant galaxy smear
    p.append('<ellipse cx="520" cy="70" rx="60" ry="12" fill="#d8c8ff" opacity="0.35" transform="rotate(-18 520 70)" filter="url(#glow4)"/>')
    p.append('<ellipse cx="520" cy="70" rx="14" ry="4" fill="#fff" opacity="0.8" transform="rotate(-18 520 70)" filter="url(#soft)"/>')
    # smoke column from the burning trader drifts up-left
    p.append('<g filter="url(#smoke)">'
             '<path d="M400 200 Q380 120 300 70 Q240 30 160 30 L150 -10 L260 -10 Q380 40 440 120 Q470 170 470 210 Z" fill="#000"/>'
             '<ellipse cx="430" cy="180" rx="60" ry="40" fill="#000"/></g>')
    p.append('<g filter="url(#smoke)" opacity="0.8"><path d="M350 60 Q300 20 220 0 L330 0 Q380 30 400 60 Z" fill="#000"/></g>')
    p.append('<ellipse cx="430" cy="190" rx="90" ry="50" fill="#ff6020" opacity="0.35" filter="url(#glow20)"/>')
    # trader (big, burning) on the right
    burn = fire_cluster(rnd, [(60, 108, 16), (110, 104, 20), (150, 108, 14), (110, 60, 16), (158, 70, 12),
                              (34, 92, 10), (180, 112, 10)])
    p.append('<circle cx="420" cy="250" r="150" fill="#ff5010" opacity="0.25" filter="url(#glow20)"/>')
    p.append(ship(300, 150, 1.35, hull="hullg", sails="sailb", lights=False, wake=True, extra=burn, flag="#2050c0"))
    # smoke pouring off the burning sails, in front of the rigging
    p.append('<g filter="url(#smoke)" opacity="0.85"><path d="M430 200 Q420 150 380 120 Q350 100 330 70 L380 60 Q430 110 470 150 Q480 180 470 210 Z" fill="#000"/>'
             '<ellipse cx="470" cy="200" rx="30" ry="26" fill="#000"/></g>')
    # pirate ship in the foreground, dark sails, sailing in from the left
    p.append(ship(40, 250, 0.95, hull="hullp", sails="saild", wake=True, flag="#111"))
    # cannon shots from pirate to trader
    for (x1, y1, x2, y2) in [(250, 370, 350, 330), (240, 362, 372, 296)]:
        p.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#ffb060" stroke-width="3" opacity="0.5" filter="url(#soft)"/>'
                 '<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#fff0c0" stroke-width="1"/>' % (x1, y1, x2, y2, x1, y1, x2, y2))
    p.append('<circle cx="248" cy="366" r="10" fill="url(#fireglow)"/>')
    write_page("page2", p,
               ru=subtitle(["Издавна пираты нападали на огромные торговые корабли",
                            "и безжалостно грабили их."], "#ffe040", size=22),
               en=subtitle(["Since olden times pirates had attacked huge merchant ships",
                            "and robbed them without mercy."], "#ffe040", size=22))




# ---------------------------------------------------------------- shapes

def blob(rnd, cx, cy, rx, ry, n=11, jag=0.28, rot=0.0):
    """Irregular closed outline through jittered points, smoothed with quadratics."""
    pts = []
    for k in range(n):
        a = rot + 2 * math.pi * k / n + rnd.uniform(-0.2, 0.2)
        r = 1 + rnd.uniform(-jag, jag)
        pts.append((cx + math.cos(a) * rx * r, cy + math.sin(a) * ry * r))
    mids = [((pts[k][0] + pts[(k + 1) % n][0]) / 2, (pts[k][1] + pts[(k + 1) % n][1]) / 2) for k in range(n)]
    d = 'M%s %s' % (f(mids[-1][0]), f(mids[-1][1]))
    for k in range(n):
        d += ' Q%s %s %s %s' % (f(pts[k][0]), f(pts[k][1]), f(mids[k][0]), f(mids[k][1]))
    return d + ' Z'


def rock_defs():
    return [
        '<linearGradient id="rockg" x1="0" y1="0" x2="1" y2="1">'
        '<stop offset="0" stop-color="#3a2e34"/><stop offset="0.5" stop-color="#1e171c"/>'
        '<stop offset="1" stop-color="#08060a"/></linearGradient>',
        '<linearGradient id="rockgr" x1="1" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#4a3a3c"/><stop offset="0.45" stop-color="#1e171c"/>'
        '<stop offset="1" stop-color="#08060a"/></linearGradient>',
        '<radialGradient id="rockrl" cx="0.3" cy="0.3" r="0.9">'
        '<stop offset="0" stop-color="#3e3032"/><stop offset="0.45" stop-color="#151012"/>'
        '<stop offset="1" stop-color="#040304"/></radialGradient>',
        '<radialGradient id="rockrr" cx="0.7" cy="0.3" r="0.9">'
        '<stop offset="0" stop-color="#3e3032"/><stop offset="0.45" stop-color="#151012"/>'
        '<stop offset="1" stop-color="#040304"/></radialGradient>',
        '<filter id="rocktex" x="-10%" y="-10%" width="120%" height="120%">'
        '<feTurbulence type="fractalNoise" baseFrequency="0.06" numOctaves="4" seed="9" result="n"/>'
        '<feDiffuseLighting in="n" surfaceScale="5" diffuseConstant="1.3" lighting-color="#fff" result="l">'
        '<feDistantLight azimuth="225" elevation="55"/></feDiffuseLighting>'
        '<feComposite in="SourceGraphic" in2="l" operator="arithmetic" k1="1.25" k2="0" k3="0" k4="0" result="m"/>'
        '<feComposite in="m" in2="SourceAlpha" operator="in"/><feGaussianBlur stdDeviation="0.7"/></filter>',
    ]


def _hex(c):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(v)))) for v in c)


def boulder(rnd, rid, cx, cy, rx, ry, haze=0.0, craters=0, albedo=(72, 63, 64), haze_col=(30, 30, 70)):
    """A floating rock. Its silhouette, blurred, is the height of a low dome; noise adds knobs
    and hollows; the sun at the upper left lights that relief, the body darkens away from it,
    and a red glow from behind catches the far edge. Far rocks fade toward the sky colour.
    Returns (svg, outline path, clip id)."""
    R = (rx + ry) / 2
    n = rnd.randint(11, 15)
    base = [2 * math.pi * (k + rnd.uniform(-0.3, 0.3)) / n for k in range(n)]
    lump = [1 + rnd.uniform(-0.09, 0.09) for _ in range(n)]
    for _ in range(2):  # a dent and a bulge or two
        lump[rnd.randrange(n)] *= rnd.choice([0.8, 1.15])
    tilt = rnd.uniform(-0.5, 0.5)
    ct, st = math.cos(tilt), math.sin(tilt)
    pts = []
    for k in range(n):
        ex, ey = math.cos(base[k]) * rx * lump[k], math.sin(base[k]) * ry * lump[k]
        pts.append((cx + ex * ct - ey * st, cy + ex * st + ey * ct))
    # straight facets with a few rounded shoulders
    d = 'M%s %s' % (f(pts[0][0]), f(pts[0][1]))
    for k in range(1, n + 1):
        x, y = pts[k % n]
        if rnd.random() < 0.35:
            px_, py_ = pts[k - 1]
            mx, my = (px_ + x) / 2, (py_ + y) / 2
            ox, oy = mx - cx, my - cy
            d += ' Q%s %s %s %s' % (f(mx + ox * 0.12), f(my + oy * 0.12), f(x), f(y))
        else:
            d += ' L%s %s' % (f(x), f(y))
    d += ' Z'
    cid = "bc%s" % rid
    fid = "bv%s" % rid
    x0, y0 = cx - R * 1.6, cy - R * 1.6
    # the relief: dome (blurred silhouette) plus noise; the noise's scale follows the rock's size
    soft = R * 0.32
    o = ['<filter id="%s" filterUnits="userSpaceOnUse" x="%s" y="%s" width="%s" height="%s" color-interpolation-filters="sRGB">'
         '<feGaussianBlur in="SourceAlpha" stdDeviation="%s" result="dome"/>'
         '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="5" seed="%d" result="noise"/>'
         '<feComposite in="dome" in2="noise" operator="arithmetic" k1="0" k2="1" k3="0.7" k4="-0.6" result="h"/>'
         '<feDiffuseLighting in="h" surfaceScale="%s" diffuseConstant="1.25" lighting-color="#ffe4c8" result="key">'
         '<feDistantLight azimuth="225" elevation="32"/></feDiffuseLighting>'
         '<feComposite in="key" in2="SourceGraphic" operator="arithmetic" k1="1.3" k3="0.1" result="lit"/>'
         '<feComposite in="lit" in2="SourceAlpha" operator="in"/></filter>' %
         (fid, f(x0), f(y0), f(R * 3.2), f(R * 3.2), f(max(0.8, soft)), "%.4f" % (2.2 / R), rnd.randint(1, 999),
          f(min(R * 0.55, 48))),
         '<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, d),
         '<g clip-path="url(#%s)">' % cid,
         '<path d="%s" fill="%s" filter="url(#%s)"/>' % (d, _hex(albedo), fid)]
    # craters: the wall toward the sun in shadow, the far wall lit
    for _ in range(craters):
        a = rnd.uniform(0, 2 * math.pi)
        dist = rnd.uniform(0.1, 0.55)
        x, y = cx + math.cos(a) * rx * dist, cy + math.sin(a) * ry * dist
        cr = R * rnd.uniform(0.06, 0.12)
        cq = cr * rnd.uniform(0.5, 0.75)
        o.append('<g transform="translate(%s %s) rotate(%s)" fill="none" stroke-linecap="round" filter="url(#bsoft)">'
                 '<ellipse rx="%s" ry="%s" fill="#000" opacity="0.16"/>'
                 '<path d="M%s 0 A%s %s 0 0 1 %s 0" stroke="#000" stroke-width="%s" opacity="0.3" transform="translate(0 %s)"/>'
                 '<path d="M%s 0 A%s %s 0 0 0 %s 0" stroke="#ffd8b8" stroke-width="%s" opacity="0.16"/></g>' %
                 (f(x), f(y), f(rnd.uniform(-70, -20)), f(cr), f(cq),
                  f(-cr), f(cr), f(cq), f(cr), f(cq * 0.5), f(cq * 0.15),
                  f(-cr * 0.85), f(cr * 0.85), f(cq * 0.85), f(cr * 0.85), f(max(0.6, cq * 0.2))))
    # the body as a whole turning away from the sun; a warm edge where the sun grazes it and a
    # red one from the glow behind
    o.append('<path d="%s" fill="url(#bshade)"/>' % d)
    edge = "bsoft" if R < 30 else "bsoftl"
    o.append('<path d="%s" fill="none" stroke="url(#bkey)" stroke-width="%s" filter="url(#%s)"/>' % (d, f(max(1.2, R * 0.06)), edge))
    o.append('<path d="%s" fill="none" stroke="url(#bback)" stroke-width="%s" filter="url(#%s)" opacity="0.55"/>' % (d, f(max(1.4, R * 0.1)), edge))
    if haze:
        o.append('<path d="%s" fill="%s" opacity="%.2f"/>' % (d, _hex(haze_col), haze))
    o.append('</g>')
    return "".join(o), d, cid


def boulder_defs():
    return [
        '<radialGradient id="bshade" cx="0.3" cy="0.28" r="0.85">'
        '<stop offset="0.2" stop-color="#000" stop-opacity="0"/><stop offset="1" stop-color="#000" stop-opacity="0.82"/></radialGradient>',
        '<filter id="bsoft" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="0.6"/></filter>',
        '<filter id="bsoftl" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="3"/></filter>',
        '<linearGradient id="bkey" x1="0" y1="0" x2="1" y2="0.8">'
        '<stop offset="0" stop-color="#ffe8cc" stop-opacity="0.9"/><stop offset="0.4" stop-color="#ffd8b0" stop-opacity="0"/></linearGradient>',
        '<linearGradient id="bback" x1="0" y1="0" x2="1" y2="0.8">'
        '<stop offset="0.6" stop-color="#ff6a30" stop-opacity="0"/><stop offset="1" stop-color="#ff7040" stop-opacity="0.8"/></linearGradient>',
    ]


def cast_shadow(outline, cid, dx, dy, blur="soft", op=0.6):
    """The shadow of a rock in front, thrown onto the rock clipped by cid."""
    return ('<g clip-path="url(#%s)"><path d="%s" transform="translate(%s %s)" fill="#000" opacity="%.2f" filter="url(#%s)"/></g>' %
            (cid, outline, f(dx), f(dy), op, blur))


def building(rnd, x, base, wdt, hgt, body, win, kind):
    """One silhouette standing on y=base (local, grows upward)."""
    o = []
    top = base - hgt
    if kind == "tower":
        o.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x), f(top), f(wdt), f(hgt + 4), body))
        o.append('<path d="M%s %s L%s %s L%s %s Z" fill="%s"/>' % (f(x - 1), f(top), f(x + wdt / 2), f(top - wdt * 0.9), f(x + wdt + 1), f(top), body))
    elif kind == "dome":
        o.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x), f(top + wdt / 2), f(wdt), f(hgt - wdt / 2 + 4), body))
        o.append('<path d="M%s %s A%s %s 0 0 1 %s %s Z" fill="%s"/>' % (f(x), f(top + wdt / 2 + 0.5), f(wdt / 2), f(wdt / 2), f(x + wdt), f(top + wdt / 2 + 0.5), body))
    elif kind == "spire":
        o.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x), f(top + hgt * 0.35), f(wdt), f(hgt * 0.65 + 4), body))
        o.append('<path d="M%s %s L%s %s L%s %s Z" fill="%s"/>' % (f(x), f(top + hgt * 0.35), f(x + wdt / 2), f(top - hgt * 0.25), f(x + wdt), f(top + hgt * 0.35), body))
    elif kind == "mast":
        o.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x), f(top + hgt * 0.5), f(wdt), f(hgt * 0.5 + 4), body))
        o.append('<rect x="%s" y="%s" width="1.4" height="%s" fill="%s"/>' % (f(x + wdt / 2 - 0.7), f(top - hgt * 0.3), f(hgt * 0.8), body))
        o.append('<circle cx="%s" cy="%s" r="1.6" fill="#ff4030"/>' % (f(x + wdt / 2), f(top - hgt * 0.3)))
    else:  # block
        o.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x), f(top), f(wdt), f(hgt + 4), body))
        o.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x + wdt * 0.2), f(top - 4), f(wdt * 0.6), "4", body))
    # windows
    if win:
        ys = top + 4
        lim = base - 3
        while ys < lim:
            xs = x + 2
            while xs < x + wdt - 3:
                if rnd.random() < 0.33:
                    o.append('<rect x="%s" y="%s" width="1.6" height="2" fill="%s"/>' % (f(xs), f(ys), rnd.choice(win)))
                xs += 3.5
            ys += 5
    return "".join(o)


def city_on_arc(rnd, cx, cy, r, a0, a1, step, hmin, hmax, body, win, scale=1.0):
    """Buildings standing outward along a circle arc (angles in degrees, y down)."""
    o = []
    a = a0
    while a < a1:
        wdt = rnd.uniform(6, 18) * scale
        hgt = rnd.uniform(hmin, hmax) * scale
        # taller in the middle of the run
        mid = 1 - abs((a - a0) / (a1 - a0) - 0.5) * 1.2
        hgt *= 0.6 + mid
        kind = rnd.choice(["tower", "tower", "block", "block", "dome", "spire", "mast"])
        rad = math.radians(a)
        bx, by = cx + r * math.cos(rad), cy + r * math.sin(rad)
        o.append('<g transform="translate(%s %s) rotate(%s)">%s</g>' %
                 (f(bx), f(by), f(a + 90), building(rnd, -wdt / 2, 4, wdt, hgt, body, win, kind)))
        a += step * rnd.uniform(0.5, 1.1) * (wdt / (12 * scale))
    return "".join(o)


# ---------------------------------------------------------------- page 3

def eye(cx, cy, rx, ry, tilt, iris="eyeY"):
    return ('<g transform="translate(%s %s) rotate(%s)">'
            '<ellipse rx="%s" ry="%s" fill="#050803" opacity="0.85" filter="url(#soft)"/>'
            '<ellipse rx="%s" ry="%s" fill="url(#%s)" opacity="0.7" filter="url(#glow4)"/>'
            '<ellipse rx="%s" ry="%s" fill="url(#%s)" stroke="#100400" stroke-width="1.2"/>'
            '<ellipse rx="%s" ry="%s" fill="#050000"/>'
            '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#fff" opacity="0.85"/>'
            '<path d="M%s 0 Q0 %s %s 0" fill="none" stroke="#0c1408" stroke-width="%s" stroke-linecap="round" opacity="0.9"/>'
            '</g>' %
            (f(cx), f(cy), f(tilt),
             f(rx * 1.35), f(ry * 1.6),
             f(rx * 1.2), f(ry * 1.3), iris,
             f(rx), f(ry), iris,
             f(rx * 0.14), f(ry * 0.85),
             f(-rx * 0.35), f(-ry * 0.4), f(rx * 0.12), f(ry * 0.12),
             f(-rx * 1.1), f(-ry * 1.9), f(rx * 1.1), f(max(2, ry * 0.35))))


def page3():
    rnd = random.Random(303)
    p = svg_open(W, H)
    d = ['<defs>'] + common_defs() + [subband_def()]
    d.append('<radialGradient id="bg" cx="0.5" cy="0.4" r="0.8">'
             '<stop offset="0" stop-color="#3a1030"/><stop offset="0.6" stop-color="#160614"/>'
             '<stop offset="1" stop-color="#040104"/></radialGradient>')
    cd, cb = cloud_layers([
        ("n1", 31, "0.007", 5, "#a02040", 2.6, -1.2, 'opacity="0.6"'),
        ("n2", 37, "0.011", 4, "#40a060", 2.8, -1.6, 'opacity="0.35"'),
    ])
    d += cd
    d.append('<radialGradient id="skinc" cx="0.5" cy="0.65" r="0.65">'
             '<stop offset="0" stop-color="#8aa860"/><stop offset="0.45" stop-color="#4e6a3a"/>'
             '<stop offset="0.8" stop-color="#26361e"/><stop offset="1" stop-color="#0c140a"/></radialGradient>')
    d.append('<filter id="skin" x="0" y="0" width="100%" height="100%">'
             '<feTurbulence type="fractalNoise" baseFrequency="0.035" numOctaves="5" seed="7" result="n"/>'
             '<feDiffuseLighting in="n" surfaceScale="4" diffuseConstant="1.15" lighting-color="#fff" result="l">'
             '<feDistantLight azimuth="90" elevation="48"/></feDiffuseLighting>'
             '<feComposite in="SourceGraphic" in2="l" operator="arithmetic" k1="1.35" k2="0" k3="0" k4="0" result="m"/>'
             '<feComposite in="m" in2="SourceAlpha" operator="in"/></filter>')
    d.append('<radialGradient id="eyeY" cx="0.5" cy="0.5" r="0.5">'
             '<stop offset="0" stop-color="#ffffb0"/><stop offset="0.45" stop-color="#ffd020"/>'
             '<stop offset="0.85" stop-color="#e05000"/><stop offset="1" stop-color="#601000"/></radialGradient>')
    d.append('<radialGradient id="eyeR" cx="0.5" cy="0.5" r="0.5">'
             '<stop offset="0" stop-color="#ffe0a0"/><stop offset="0.4" stop-color="#ff6020"/>'
             '<stop offset="0.85" stop-color="#a00010"/><stop offset="1" stop-color="#300000"/></radialGradient>')
    d.append('<radialGradient id="eyeG" cx="0.5" cy="0.5" r="0.5">'
             '<stop offset="0" stop-color="#f0ffc0"/><stop offset="0.45" stop-color="#a0f040"/>'
             '<stop offset="0.85" stop-color="#208010"/><stop offset="1" stop-color="#082004"/></radialGradient>')
    d.append('<radialGradient id="mouthg" cx="0.5" cy="0.3" r="0.7">'
             '<stop offset="0" stop-color="#000"/><stop offset="0.5" stop-color="#2a0004"/>'
             '<stop offset="1" stop-color="#70101a"/></radialGradient>')
    d.append('<linearGradient id="fang" x1="0" y1="0" x2="1" y2="0">'
             '<stop offset="0" stop-color="#8a7a50"/><stop offset="0.4" stop-color="#fffbe8"/>'
             '<stop offset="1" stop-color="#b8a878"/></linearGradient>')
    d.append('<linearGradient id="hat" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#2a2030"/><stop offset="1" stop-color="#0a080c"/></linearGradient>')
    d.append('<linearGradient id="goldh" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#ffe690"/><stop offset="0.5" stop-color="#c88a20"/><stop offset="1" stop-color="#6a4008"/></linearGradient>')
    d.append('<linearGradient id="tent" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#3a5230"/><stop offset="1" stop-color="#0e1a0c"/></linearGradient>')
    d.append('</defs>')
    p += d
    p.append('<rect width="%d" height="%d" fill="url(#bg)"/>' % (W, H))
    p += cb
    p.append(stars(rnd, W, H, 160, big=4))
    # sickly green backlight behind the head
    p.append('<ellipse cx="307" cy="230" rx="230" ry="200" fill="#60ff80" opacity="0.18" filter="url(#glow20)"/>')
    # tentacle beard hanging from the jaw
    tents = []
    for k, (x0, ln, bend) in enumerate([(215, 90, -30), (250, 110, -14), (285, 120, -4), (330, 120, 8),
                                         (365, 110, 18), (400, 92, 32), (190, 70, -40), (424, 70, 42)]):
        wth = 13 - abs(k - 3.5) * 0.6
        y0 = 360 + (abs(x0 - 307) < 80) * 20
        xe, ye = x0 + bend, y0 + ln
        tents.append('<path d="M%s %s Q%s %s %s %s Q%s %s %s %s Q%s %s %s %s Z" fill="url(#tent)" stroke="#050a04" stroke-width="1"/>' %
                     (f(x0 - wth), f(y0), f(x0 - wth + bend * 0.2), f(y0 + ln * 0.6), f(xe - 2), f(ye),
                      f(xe + bend * 0.3), f(ye - 2), f(xe + 2), f(ye - 6),
                      f(x0 + wth + bend * 0.5), f(y0 + ln * 0.5), f(x0 + wth), f(y0)))
        for j in range(4):
            t = 0.25 + j * 0.17
            sx = x0 + bend * t * t + (wth * 0.3)
            sy = y0 + ln * t
            tents.append('<circle cx="%s" cy="%s" r="%s" fill="#a8c070" opacity="0.55"/>' % (f(sx), f(sy), f(2.4 - j * 0.4)))
    p.append('<g>' + "".join(tents) + '</g>')
    # head
    head = 'M140 110 Q112 210 160 300 Q205 392 307 404 Q409 392 454 300 Q502 210 474 110 Q307 70 140 110 Z'
    p.append('<path d="%s" fill="url(#skinc)" filter="url(#skin)"/>' % head)
    p.append('<path d="%s" fill="none" stroke="#0a1208" stroke-width="3"/>' % head)
    # ears / fins
    for sx in (1, -1):
        p.append('<g transform="translate(307 0) scale(%d 1)">'
                 '<path d="M160 170 Q230 130 250 90 Q236 170 168 236 Q196 200 160 170 Z" fill="#2e4224" stroke="#0a1208" stroke-width="2" filter="url(#skin)"/>'
                 '<path d="M176 184 Q214 150 236 110" fill="none" stroke="#0a1208" stroke-width="1.5" opacity="0.7"/>'
                 '<circle cx="178" cy="246" r="9" fill="none" stroke="url(#goldh)" stroke-width="3.5"/>'
                 '</g>' % sx)
    # brow ridges and wrinkles
    p.append('<g fill="none" stroke="#0c1608" stroke-linecap="round" opacity="0.8">'
             '<path d="M190 160 Q240 135 296 168" stroke-width="5"/><path d="M424 160 Q374 135 318 168" stroke-width="5"/>'
             '<path d="M300 230 Q307 262 314 230" stroke-width="3"/>'
             '<path d="M200 236 Q230 258 262 246" stroke-width="2"/><path d="M414 236 Q384 258 352 246" stroke-width="2"/>'
             '<path d="M180 282 Q200 310 206 300" stroke-width="2"/><path d="M434 282 Q414 310 408 300" stroke-width="2"/>'
             '</g>')
    # nostrils
    p.append('<ellipse cx="296" cy="258" rx="5" ry="3" fill="#060a04"/><ellipse cx="318" cy="258" rx="5" ry="3" fill="#060a04"/>')
    # eyes: the big pair, a third in the forehead and a scatter of smaller ones
    eyes = [(245, 196, 34, 20, 14, "eyeY"), (369, 196, 34, 20, -14, "eyeY"),
            (307, 150, 16, 11, 0, "eyeR"),
            (192, 252, 13, 8, 20, "eyeR"), (422, 252, 13, 8, -20, "eyeR"),
            (176, 200, 9, 6, 10, "eyeG"), (438, 200, 9, 6, -10, "eyeG"),
            (266, 142, 9, 6, -8, "eyeG"), (348, 142, 9, 6, 8, "eyeG"),
            (228, 292, 8, 5, 24, "eyeY"), (386, 292, 8, 5, -24, "eyeY")]
    for ex, ey, rx, ry, tl, ir in eyes:
        p.append(eye(ex, ey, rx, ry, tl, ir))
    # mouth
    mouth = 'M196 300 C240 336 374 336 418 300 C410 376 360 390 307 390 C254 390 204 376 196 300 Z'
    p.append('<path d="%s" fill="url(#mouthg)" stroke="#060804" stroke-width="3"/>' % mouth)
    # tongue
    p.append('<path d="M262 380 Q307 340 352 380 Q307 392 262 380 Z" fill="#8a2030" opacity="0.8"/>')
    # fangs along the upper lip (pointing down) and the lower jaw (pointing up)
    fangs = []
    n = 11
    for k in range(n):
        t = (k + 0.5) / n
        x = 196 + 222 * t
        yu = 300 + 0.75 * 36 * math.sin(math.pi * t) * 1.0 + 3
        big = 1.0 + (k in (2, n - 3)) * 1.2
        ln = (14 + 8 * math.sin(math.pi * t)) * big
        wd = 8 * (0.8 + 0.3 * big)
        fangs.append('<path d="M%s %s Q%s %s %s %s Q%s %s %s %s Z" fill="url(#fang)" stroke="#2a2010" stroke-width="1"/>' %
                     (f(x - wd / 2), f(yu - 4), f(x - wd * 0.3), f(yu + ln * 0.6), f(x + wd * 0.08), f(yu + ln),
                      f(x + wd * 0.15), f(yu + ln * 0.5), f(x + wd / 2), f(yu - 4)))
    for k in range(n - 2):
        t = (k + 1) / (n - 1)
        x = 196 + 222 * t
        yl = 300 + 90 * math.sin(math.pi * t) * (1 - 0.12) - 6 * (1 - math.sin(math.pi * t))
        yl = min(yl, 386)
        big = 1.0 + (k in (0, n - 3)) * 0.9
        ln = (10 + 6 * math.sin(math.pi * t)) * big
        wd = 7 * (0.8 + 0.3 * big)
        fangs.append('<path d="M%s %s Q%s %s %s %s Q%s %s %s %s Z" fill="url(#fang)" stroke="#2a2010" stroke-width="1"/>' %
                     (f(x - wd / 2), f(yl + 4), f(x - wd * 0.2), f(yl - ln * 0.5), f(x - wd * 0.05), f(yl - ln),
                      f(x + wd * 0.3), f(yl - ln * 0.6), f(x + wd / 2), f(yl + 4)))
    p.append('<g>' + "".join(fangs) + '</g>')
    p.append('<path d="M196 300 C240 336 374 336 418 300" fill="none" stroke="#1c2a14" stroke-width="4" stroke-linecap="round"/>')
    # drool
    p.append('<path d="M262 352 Q264 372 262 380 Q259 372 260 352 Z" fill="#c8e8a0" opacity="0.6"/>')
    # tricorn hat with gold trim and a skull badge
    hat = 'M60 118 Q120 40 200 52 Q250 0 307 6 Q364 0 414 52 Q494 40 554 118 Q470 96 307 118 Q144 96 60 118 Z'
    p.append('<path d="%s" fill="#000" opacity="0.6" transform="translate(0 10)" filter="url(#glow4)"/>' % hat)
    p.append('<path d="%s" fill="url(#hat)" stroke="url(#goldh)" stroke-width="5" stroke-linejoin="round"/>' % hat)
    p.append('<path d="M150 84 Q230 40 307 38 Q384 40 464 84" fill="none" stroke="#3a3040" stroke-width="2" opacity="0.8"/>')
    p.append('<g transform="translate(307 68)">'
             '<path d="M-26 -14 L26 18 M26 -14 L-26 18" stroke="#e8e0c8" stroke-width="5" stroke-linecap="round"/>'
             '<path d="M-13 0 Q-13 -16 0 -16 Q13 -16 13 0 Q13 8 7 10 L7 15 L-7 15 L-7 10 Q-13 8 -13 0 Z" fill="#f0e8d0" stroke="#201810" stroke-width="1"/>'
             '<circle cx="-5" cy="-3" r="3.4" fill="#100808"/><circle cx="5" cy="-3" r="3.4" fill="#100808"/>'
             '<path d="M0 2 L-2 6 L2 6 Z" fill="#100808"/></g>')
    p.append('<path d="M80 112 Q150 96 307 112 Q464 96 534 112" fill="none" stroke="#fff0a0" stroke-width="1" opacity="0.5"/>')
    write_page("page3", p,
               ru=subtitle(["Самым знаменитым из них был один пиратский капитан."], "#70ff60", size=23),
               en=subtitle(["The most famous of them all was a certain pirate captain."], "#70ff60", size=23))


# ---------------------------------------------------------------- page 4

def page4():
    rnd = random.Random(404)
    p = svg_open(W, H)
    d = ['<defs>'] + common_defs() + ship_defs() + fire_defs() + [subband_def()]
    d.append('<radialGradient id="bg" cx="0.62" cy="0.4" r="0.8">'
             '<stop offset="0" stop-color="#301040"/><stop offset="0.5" stop-color="#0c0620"/>'
             '<stop offset="1" stop-color="#020108"/></radialGradient>')
    cd, cb = cloud_layers([
        ("n1", 43, "0.006", 5, "#4030a0", 2.6, -1.2, 'opacity="0.7"'),
        ("n2", 47, "0.01", 4, "#a02060", 2.8, -1.5, 'opacity="0.45"'),
    ])
    d += cd
    d.append('<radialGradient id="rift" cx="0.5" cy="0.5" r="0.5">'
             '<stop offset="0" stop-color="#ffffff"/><stop offset="0.12" stop-color="#fff4b0"/>'
             '<stop offset="0.3" stop-color="#ffa030"/><stop offset="0.55" stop-color="#c02810" stop-opacity="0.8"/>'
             '<stop offset="0.8" stop-color="#400830" stop-opacity="0.5"/><stop offset="1" stop-color="#100418" stop-opacity="0"/></radialGradient>')
    d.append('<filter id="swirl" filterUnits="userSpaceOnUse" x="160" y="0" width="455" height="400">'
             '<feTurbulence type="turbulence" baseFrequency="0.012 0.03" numOctaves="2" seed="21" result="t"/>'
             '<feDisplacementMap in="SourceGraphic" in2="t" scale="60" xChannelSelector="R" yChannelSelector="B" result="dm"/>'
             '<feGaussianBlur in="dm" stdDeviation="2"/></filter>')
    d.append('<filter id="flick2" filterUnits="userSpaceOnUse" x="150" y="0" width="465" height="360">'
             '<feTurbulence type="turbulence" baseFrequency="0.03 0.05" numOctaves="2" seed="6" result="t"/>'
             '<feDisplacementMap in="SourceGraphic" in2="t" scale="9" xChannelSelector="R" yChannelSelector="G" result="d"/>'
             '<feGaussianBlur in="d" stdDeviation="1.2" result="b"/>'
             '<feMerge><feMergeNode in="b"/><feMergeNode in="d"/></feMerge></filter>')
    d.append('<filter id="bigsmoke" x="-30%" y="-30%" width="160%" height="160%">'
             '<feGaussianBlur in="SourceGraphic" stdDeviation="14" result="b"/>'
             '<feTurbulence type="fractalNoise" baseFrequency="0.022" numOctaves="4" seed="5" result="t"/>'
             '<feColorMatrix in="t" type="matrix" values="0 0 0 0 0.30 0 0 0 0 0.24 0 0 0 0 0.26 3 0 0 0 -0.95" result="tc"/>'
             '<feComposite in="tc" in2="b" operator="in"/></filter>')
    d.append('<linearGradient id="fadeship" x1="0" y1="0" x2="1" y2="0">'
             '<stop offset="0" stop-color="#fff"/><stop offset="0.5" stop-color="#fff"/>'
             '<stop offset="0.95" stop-color="#000"/></linearGradient>')
    d.append('<mask id="emerge" maskUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
             '<rect width="%d" height="%d" fill="url(#fadeship)"/></mask>' % (W, H, W, H))
    d.append('</defs>')
    p += d
    p.append('<rect width="%d" height="%d" fill="url(#bg)"/>' % (W, H))
    p += cb
    p.append(stars(rnd, W, H, 240, big=6))
    cx, cy = 430, 190
    # the abyss: a fiery tear ringed with swirling cloud
    p.append('<ellipse cx="%d" cy="%d" rx="250" ry="190" fill="url(#rift)" opacity="0.6" filter="url(#glow20)"/>' % (cx, cy))
    p.append('<g filter="url(#swirl)">')
    for k in range(9):
        rr = 40 + k * 18
        col = ["#fff8d0", "#ffe080", "#ffb040", "#ff8020", "#e05018", "#b02818", "#702040", "#401850", "#201040"][k]
        p.append('<ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="none" stroke="%s" stroke-width="%d" opacity="%.2f" transform="rotate(-20 %d %d)"/>' %
                 (cx, cy, rr * 1.25, rr * 0.85, col, 12 + k * 2, 0.85 - k * 0.05, cx, cy))
    p.append('</g>')
    p.append('<ellipse cx="%d" cy="%d" rx="70" ry="52" fill="#fffbe0" filter="url(#glow10)" transform="rotate(-20 %d %d)"/>' % (cx, cy, cx, cy))
    # radial streaks of fire thrown out of the tear
    st = ['<g stroke-linecap="round" filter="url(#soft)">']
    for k in range(40):
        a = rnd.uniform(0, 2 * math.pi)
        r0 = rnd.uniform(70, 120)
        r1 = r0 + rnd.uniform(40, 160)
        st.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" opacity="%.2f"/>' %
                  (f(cx + math.cos(a) * r0 * 1.2), f(cy + math.sin(a) * r0 * 0.8),
                   f(cx + math.cos(a) * r1 * 1.2), f(cy + math.sin(a) * r1 * 0.8),
                   rnd.choice(["#ffd080", "#ff9040", "#fff0c0"]), f(rnd.uniform(0.8, 2.4)), rnd.uniform(0.3, 0.8)))
    st.append('</g>')
    p.append("".join(st))
    # smoke billowing out around the ship
    p.append('<g filter="url(#bigsmoke)">'
             '<ellipse cx="300" cy="130" rx="150" ry="70" fill="#000"/>'
             '<ellipse cx="220" cy="300" rx="180" ry="70" fill="#000"/>'
             '<ellipse cx="520" cy="330" rx="120" ry="60" fill="#000"/></g>')
    # a mantle of fire streaming back from the ship into the tear
    p.append('<path d="M180 250 Q300 200 470 150 Q420 260 200 320 Z" fill="#ff7020" opacity="0.55" filter="url(#glow20)"/>')
    p.append('<g filter="url(#flick2)" opacity="0.9">')
    for k in range(16):
        x = 190 + k * 17 + rnd.uniform(-6, 6)
        y = 300 - k * 6 + rnd.uniform(-30, 10)
        p.append(flame(x, y, rnd.uniform(110, 190), rnd.uniform(14, 26), rot=rnd.uniform(62, 76)))
    for k in range(8):
        x = 240 + k * 22 + rnd.uniform(-6, 6)
        y = 120 + k * 4 + rnd.uniform(-10, 10)
        p.append(flame(x, y, rnd.uniform(80, 140), rnd.uniform(10, 18), rot=rnd.uniform(70, 90)))
    p.append('</g>')
    # ship bursting out, bow to the viewer's left, stern still inside the glow
    burn = fire_cluster(rnd, [(200, 140, 12), (60, 150, 10), (26, 100, 14), (120, 150, 10)])
    p.append('<g mask="url(#emerge)">')
    p.append('<g transform="rotate(10 300 200)">' +
             ship(520, 70, 1.55, hull="hullp", sails="saild", flip=True, wake=False, flag="#000",
                  extra=burn +
                  '<g transform="translate(110 58)"><circle r="9" fill="#e8e0c8" opacity="0.85"/>'
                  '<circle cx="-3.4" cy="-1" r="2.4" fill="#200808"/><circle cx="3.4" cy="-1" r="2.4" fill="#200808"/>'
                  '<path d="M-9 10 L9 16 M9 10 L-9 16" stroke="#e8e0c8" stroke-width="2.4"/></g>') + '</g>')
    p.append('</g>')
    # flames licking back along the hull toward the tear
    p.append('<ellipse cx="%d" cy="%d" rx="40" ry="30" fill="#fff" opacity="0.6" filter="url(#glow10)"/>' % (cx + 20, cy + 20))
    write_page("page4", p,
               ru=subtitle(["Его команда головорезов появлялась со своим кораблём из бездны,",
                            "захватывала несметные богатства и исчезала в никуда."], "#ffffff", size=21),
               en=subtitle(["His cutthroat crew would come out of the abyss with their ship,",
                            "seize untold riches and vanish into nowhere."], "#ffffff", size=21))


# ---------------------------------------------------------------- page 5

def page5():
    rnd = random.Random(505)
    p = svg_open(W, H)
    d = ['<defs>'] + common_defs() + boulder_defs() + [subband_def()]
    d.append('<radialGradient id="bg" cx="0.55" cy="0.4" r="0.8">'
             '<stop offset="0" stop-color="#1a1a40"/><stop offset="0.6" stop-color="#0a0a20"/>'
             '<stop offset="1" stop-color="#020208"/></radialGradient>')
    cd, cb = cloud_layers([
        ("n1", 51, "0.005", 5, "#3050b0", 2.6, -1.2, 'opacity="0.7"'),
        ("n2", 53, "0.009", 4, "#c04060", 2.8, -1.5, 'opacity="0.45"'),
        ("n3", 57, "0.015", 3, "#ffc080", 3.2, -1.9, 'opacity="0.3"'),
    ])
    d += cd
    px, py, pr = 330, 195, 108
    d.append('<clipPath id="pclip"><circle cx="%d" cy="%d" r="%d"/></clipPath>' % (px, py, pr))
    d.append('<filter id="bands" filterUnits="userSpaceOnUse" x="%d" y="%d" width="%d" height="%d">'
             '<feTurbulence type="fractalNoise" baseFrequency="0.003 0.045" numOctaves="4" seed="8"/>'
             '<feColorMatrix type="matrix" values="1.4 0 0 0 -0.05  1.0 0 0 0 -0.08  0.5 0 0 0 -0.05  0 0 0 0 1"/>'
             '</filter>' % (px - pr, py - pr, pr * 2, pr * 2))
    d.append('<radialGradient id="pshade" cx="0.3" cy="0.3" r="0.85">'
             '<stop offset="0" stop-color="#fff0d0" stop-opacity="0.25"/><stop offset="0.5" stop-color="#000" stop-opacity="0"/>'
             '<stop offset="0.85" stop-color="#000" stop-opacity="0.75"/><stop offset="1" stop-color="#000" stop-opacity="0.95"/></radialGradient>')
    d.append('<radialGradient id="patm" cx="0.5" cy="0.5" r="0.5">'
             '<stop offset="0.88" stop-color="#ffc080" stop-opacity="0"/><stop offset="0.97" stop-color="#ffd0a0" stop-opacity="0.6"/>'
             '<stop offset="1" stop-color="#ffa060" stop-opacity="0"/></radialGradient>')
    # the front half of the rings: below the planet's centre line in the ring's own frame
    d.append('<clipPath id="front"><rect x="%d" y="%d" width="700" height="400" transform="rotate(-16 %d %d)"/></clipPath>' %
             (px - 350, py, px, py))
    d.append('</defs>')
    p += d
    p.append('<rect width="%d" height="%d" fill="url(#bg)"/>' % (W, H))
    p += cb
    p.append(stars(rnd, W, H, 300, big=7))

    def rings():
        o = ['<g transform="rotate(-16 %d %d)" fill="none">' % (px, py)]
        for rx, sw, col, op in [(150, 10, "#c8a070", 0.7), (166, 6, "#e8c898", 0.8), (178, 3, "#806040", 0.6),
                                (192, 12, "#d8b080", 0.55), (210, 4, "#a08060", 0.45), (222, 2, "#e0c8a0", 0.4)]:
            o.append('<ellipse cx="%d" cy="%d" rx="%d" ry="%s" stroke="%s" stroke-width="%d" opacity="%.2f"/>' %
                     (px, py, rx, f(rx * 0.22), col, sw, op))
        o.append('</g>')
        return "".join(o)
    p.append('<circle cx="%d" cy="%d" r="%d" fill="#ffb070" opacity="0.25" filter="url(#glow20)"/>' % (px, py, pr + 10))
    p.append(rings())  # back half
    p.append('<g clip-path="url(#pclip)"><rect x="%d" y="%d" width="%d" height="%d" fill="#a06030"/>'
             '<rect x="%d" y="%d" width="%d" height="%d" filter="url(#bands)" transform="rotate(-16 %d %d)" opacity="0.9"/>'
             '<ellipse cx="%d" cy="%d" rx="%d" ry="14" fill="#000" opacity="0.45" transform="rotate(-16 %d %d)" filter="url(#soft)"/>'
             '<circle cx="%d" cy="%d" r="%d" fill="url(#pshade)"/></g>' %
             (px - pr, py - pr, pr * 2, pr * 2, px - pr, py - pr, pr * 2, pr * 2, px, py,
              px, py - 18, pr + 20, px, py, px, py, pr))
    p.append('<circle cx="%d" cy="%d" r="%d" fill="url(#patm)"/>' % (px, py, pr + 4))
    p.append('<g clip-path="url(#front)">' + rings() + '</g>')
    # floating rocks, all lit by the sun that lights the planet: hazy far ones, a few in
    # front of the planet, and big near ones framing the view, throwing shadows on each other
    far, mid = [], []
    k = 0
    while len(far) < 14:
        x, y = rnd.uniform(10, 605), rnd.uniform(20, 380)
        if math.hypot(x - px, (y - py) * 1.6) < 235:
            continue
        s = rnd.uniform(3.5, 9)
        far.append(boulder(rnd, "f%d" % k, x, y, s * 1.3, s, haze=0.5)[0])
        k += 1
    p.append("".join(far))
    for k, (x, y, rx, ry, cr) in enumerate([(250, 128, 15, 11, 0), (468, 250, 24, 17, 1), (164, 178, 28, 20, 2),
                                            (410, 332, 14, 10, 0), (206, 318, 11, 8, 0)]):
        mid.append(boulder(rnd, "m%d" % k, x, y, rx, ry, haze=0.2, craters=cr)[0])
    p.append("".join(mid))
    near = []
    for k, (x, y, rx, ry, cr) in enumerate([(36, 58, 92, 62, 4), (588, 72, 74, 50, 3),
                                            (66, 366, 134, 84, 5), (566, 352, 112, 90, 4)]):
        near.append(boulder(rnd, "n%d" % k, x, y, rx, ry, craters=cr))
    # small rocks hanging just in front of the big ones, and their shadows on them
    casters = [(0, 86, 34, 16, 11), (2, 168, 306, 22, 15), (3, 486, 300, 15, 11)]
    for (i, x, y, rx, ry) in casters:
        svg, outline, cid = near[i]
        small = boulder(rnd, "s%d" % i, x, y, rx, ry, craters=1)
        # the sun is up and to the left: the shadow falls down and to the right
        p.append(svg + cast_shadow(small[1], cid, rx * 0.9, ry * 1.2, op=0.65))
        near[i] = None
        p.append(small[0])
    p.append("".join(n[0] for n in near if n))
    write_page("page5", p,
               ru=subtitle(["Легенды гласят, что на таинственной планете",
                            "пират спрятал свою добычу."], "#ff6a50", size=22),
               en=subtitle(["Legends tell that on a mysterious planet",
                            "the pirate hid his plunder."], "#ff6a50", size=22))


# ---------------------------------------------------------------- page 6 / 7

def violet_sky(rnd, seedbase):
    d = ['<linearGradient id="bg" x1="0" y1="0" x2="0.2" y2="1">'
         '<stop offset="0" stop-color="#0c0420"/><stop offset="0.55" stop-color="#2c0c50"/>'
         '<stop offset="1" stop-color="#4a1a70"/></linearGradient>']
    cd, cb = cloud_layers([
        ("n1", seedbase, "0.004", 5, "#9a50e0", 2.6, -1.15, 'opacity="0.6"'),
        ("n2", seedbase + 4, "0.008 0.005", 4, "#e080ff", 3.0, -1.6, 'opacity="0.4"'),
        ("n3", seedbase + 8, "0.006", 4, "#4060ff", 2.8, -1.4, 'opacity="0.4"'),
    ])
    return d + cd, cb


def crescent(cx, cy, r, ang, thick, soft=4, night=0.9, night_cols=("#1c0c38", "#06030e"), bloom=0.5, lit_reach=None, halo=(("glow20", 26, 0.55), ("glow10", 10, 0.7))):
    """A world lit from behind it: the sunlit sliver along the limb facing angle ang (degrees,
    y down), thick pixels at its widest and tapering to the horns, and the night side.
    Returns (defs, halo, body): the halo goes behind anything standing on the limb. The
    limb stays sharp; only the terminator is soft."""
    b = r - thick
    at = 'translate(%s %s) rotate(%s)' % (f(cx), f(cy), f(ang))  # local +x faces the sun
    rad = math.radians(ang)
    mx, my = cx + r * math.cos(rad), cy + r * math.sin(rad)  # middle of the lit limb
    sliver = 'M0 %s A%s %s 0 0 1 0 %s A%s %s 0 0 0 0 %s Z' % (f(-r), f(r), f(r), f(r), f(b), f(r), f(-r))
    # everything sunward of the terminator, reaching past the limb so that the blur
    # softens the terminator alone once clipped to the disc
    R = r + 40
    sunward = ('M0 %s L%s %s L%s %s L0 %s L0 %s A%s %s 0 0 0 0 %s Z' %
               (f(-R), f(R), f(-R), f(R), f(R), f(R), f(r), f(b), f(r), f(-r)))
    defs = [
        '<clipPath id="disc"><circle cx="%s" cy="%s" r="%s"/></clipPath>' % (f(cx), f(cy), f(r)),
        '<mask id="outside" maskUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
        '<rect width="%d" height="%d" fill="#fff"/><circle cx="%s" cy="%s" r="%s" fill="#000"/></mask>' %
        (W, H, W, H, f(cx), f(cy), f(r - 1)),
        '<filter id="termsoft" x="-20%%" y="-20%%" width="140%%" height="140%%"><feGaussianBlur stdDeviation="%s"/></filter>' % f(soft),
        '<mask id="litm" maskUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
        '<g clip-path="url(#disc)"><path d="%s" transform="%s" fill="#fff" filter="url(#termsoft)"/></g></mask>' %
        (W, H, sunward, at),
        # bright where the sun stands behind the limb, dimmer toward the horns
        '<radialGradient id="litg" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">'
        '<stop offset="0" stop-color="#ffffff"/><stop offset="0.35" stop-color="#fdf4ff"/>'
        '<stop offset="0.75" stop-color="#e4ccff"/><stop offset="1" stop-color="#b488f4"/></radialGradient>' %
        (f(mx), f(my), f(lit_reach or r * 1.45)),
        '<radialGradient id="nightg" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient>' %
        (f(mx), f(my), f(r * 1.8), night_cols[0], night_cols[1]),
        # cloud streaks across the lit face
        '<filter id="litcloud" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
        '<feTurbulence type="fractalNoise" baseFrequency="0.018 0.06" numOctaves="4" seed="61"/>'
        '<feColorMatrix type="matrix" values="0 0 0 0 0.62 0 0 0 0 0.45 0 0 0 0 0.9 2.2 0 0 0 -0.95"/></filter>' % (W, H),
        nebula_filter("nightc", 66, "0.01 0.02", 4, (150, 90, 220), 2.4, -1.0),
    ]
    # the night side hides the stars and dims the clouds behind it
    body = ['<circle cx="%s" cy="%s" r="%s" fill="url(#nightg)" opacity="%.2f"/>' % (f(cx), f(cy), f(r), night)]
    # scattered light: a halo hugging the lit limb, widest where the sliver is, outside the disc
    back = ['<g mask="url(#outside)"><g transform="%s">' % at]
    for flt, grow, op in halo:
        back.append('<path d="%s" transform="scale(%s 1)" fill="#c890ff" opacity="%.2f" filter="url(#%s)"/>' %
                    (sliver, f((r + grow) / r), op, flt))
    back.append('</g></g>')
    body.append('<g clip-path="url(#disc)" opacity="0.07"><rect width="%d" height="%d" filter="url(#nightc)"/></g>' % (W, H))
    body.append('<g mask="url(#litm)"><rect width="%d" height="%d" fill="url(#litg)"/>'
                '<g transform="rotate(%s %s %s)"><rect x="-200" y="-200" width="%d" height="%d" filter="url(#litcloud)" opacity="0.3"/></g>'
                '</g>' % (W, H, f(ang + 90), f(cx), f(cy), W + 400, H + 400))
    # the limb itself brightest: a thin line along the sunward edge, fading to the horns
    body.append('<g transform="%s" mask="url(#litm)"><path d="M0 %s A%s %s 0 0 1 0 %s" transform="scale(0.995)" fill="none" '
                'stroke="#fff" stroke-width="2.5" opacity="0.9"/></g>' % (at, f(-r), f(r), f(r), f(r)))
    # a bloom of the sliver's own light over both sides of its edges
    body.append('<g filter="url(#glow4)" opacity="%.2f"><rect width="%d" height="%d" fill="#f4e0ff" mask="url(#litm)"/></g>' %
                (bloom, W, H))
    return defs, "".join(back), "".join(body)


def page6():
    rnd = random.Random(606)
    p = svg_open(W, H)
    sd, sb = violet_sky(rnd, 61)
    cx, cy, r = 372, 246, 146
    ang = -126  # the sun stands behind the world's upper left limb
    cd, chalo, cbody = crescent(cx, cy, r, ang, 20, soft=3, night=1, night_cols=("#1c0c38", "#0c0620"))
    rad = math.radians(ang)
    sx, sy = cx + (r + 4) * math.cos(rad), cy + (r + 4) * math.sin(rad)
    d = ['<defs>'] + common_defs() + sd + cd
    # the sky darkens around the night side, so the dark disc sinks into it and the lit
    # sliver stands alone
    d.append('<radialGradient id="dusk" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">'
             '<stop offset="0.45" stop-color="#06020e" stop-opacity="0.85"/>'
             '<stop offset="1" stop-color="#06020e" stop-opacity="0"/></radialGradient>' %
             (f(cx + 40), f(cy + 34), f(r * 2.2)))
    d.append('<radialGradient id="sunhaze" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">'
             '<stop offset="0" stop-color="#f0c8ff" stop-opacity="0.55"/>'
             '<stop offset="0.4" stop-color="#b070f0" stop-opacity="0.25"/>'
             '<stop offset="1" stop-color="#6030c0" stop-opacity="0"/></radialGradient>' %
             (f(sx), f(sy), f(r * 1.5)))
    # nebula drifting in front of the world veils its night side, thinning toward the sliver
    vd, vb = cloud_layers([
        ("v1", 163, "0.006 0.009", 5, "#7a3cd0", 2.4, -0.85, 'opacity="0.8"'),
        ("v2", 167, "0.011", 4, "#d070f0", 2.8, -1.45, 'opacity="0.45"'),
    ])
    d += vd
    d.append('<radialGradient id="veilg" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">'
             '<stop offset="0.25" stop-color="#fff"/><stop offset="1" stop-color="#000"/></radialGradient>' %
             (f(cx + 140), f(cy + 150), f(r * 1.55)))
    d.append('<mask id="veilm" maskUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
             '<rect width="%d" height="%d" fill="url(#veilg)"/></mask>' % (W, H, W, H))
    d.append('</defs>')
    p += d
    p.append('<rect width="%d" height="%d" fill="url(#bg)"/>' % (W, H))
    p += sb
    p.append('<rect width="%d" height="%d" fill="url(#dusk)"/>' % (W, H))
    p.append('<rect width="%d" height="%d" fill="url(#sunhaze)"/>' % (W, H))
    p.append(stars(rnd, W, H, 360, big=10, avoid=lambda x, y: math.hypot(x - cx, y - cy) < r + 6))
    p.append(chalo + cbody)
    # the city on the rim shows as a string of lights just past the terminator
    lights = ['<g>']
    for _ in range(70):
        a = math.radians(ang + rnd.uniform(-38, 30))
        rr = r - 30 - rnd.expovariate(1 / 9.0)
        x, y = cx + rr * math.cos(a), cy + rr * math.sin(a)
        lights.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%.2f"/>' %
                      (f(x), f(y), f(rnd.uniform(0.4, 0.9)), rnd.choice(["#ffc060", "#ffe0a0", "#ff9040"]), rnd.uniform(0.3, 0.8)))
    lights.append('</g>')
    p.append('<g filter="url(#soft)">' + "".join(lights) + '</g>' + "".join(lights))
    p.append('<g mask="url(#veilm)">' + "".join(vb) + '</g>')
    # the sun just hidden behind the limb
    p.append('<circle cx="%s" cy="%s" r="30" fill="#fff" opacity="0.45" filter="url(#glow10)"/>' % (f(sx), f(sy)))
    p.append(sparkle(sx, sy, 34, op=1))
    write_page("page6", p)


def page7():
    rnd = random.Random(707)
    p = svg_open(W, H)
    sd, sb = violet_sky(rnd, 71)
    # the rim of the world on the page before, close up: the same sun behind the same limb
    cx, cy, r = 560, 900, 760
    ang = -126
    cd, chalo, cbody = crescent(cx, cy, r, ang, 22, soft=3, night=1, night_cols=("#140a2c", "#08040f"),
                                bloom=0.6, lit_reach=620, halo=(("glow10", 12, 0.8),))
    d = ['<defs>'] + common_defs() + sd + cd + ship_defs()
    d.append('<filter id="haze" x="-5%" y="-5%" width="110%" height="110%"><feGaussianBlur stdDeviation="0.8"/></filter>')
    d.append('</defs>')
    p += d
    p.append('<rect width="%d" height="%d" fill="url(#bg)"/>' % (W, H))
    p += sb
    p.append(stars(rnd, W, H, 300, big=8, avoid=lambda x, y: math.hypot(x - cx, y - cy) < r))
    # the glow of the rim behind the skyline
    p.append('<circle cx="%d" cy="%d" r="%d" fill="none" stroke="#d0a0ff" stroke-width="50" opacity="0.5" filter="url(#glow20)"/>' % (cx, cy, r + 14))
    p.append(chalo)
    # far skyline, hazy violet, then the near one in silhouette with lit windows
    p.append('<g filter="url(#haze)" opacity="0.8">' +
             city_on_arc(rnd, cx, cy, r - 4, -151, -64, 3.2, 20, 70, "#5a3488", ["#ffd8a0", "#ffe8c0"], 1.0) + '</g>')
    p.append('<g>' + city_on_arc(rnd, cx, cy, r - 3, -150, -64, 2.2, 12, 48, "#140824",
                                 ["#ffd070", "#ffb050", "#fff0b0", "#80d0ff"], 1.0) + '</g>')
    p.append(cbody)
    # lights of the city spilling down the dark side below the rim
    lights = ['<g>']
    for _ in range(220):
        a = math.radians(rnd.uniform(-150, -64))
        rr = r - 30 - rnd.expovariate(1 / 40.0)
        x, y = cx + rr * math.cos(a), cy + rr * math.sin(a)
        lights.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%.2f"/>' %
                      (f(x), f(y), f(rnd.uniform(0.5, 1.3)), rnd.choice(["#ffc060", "#ffe0a0", "#ff9040"]), rnd.uniform(0.3, 0.9)))
    lights.append('</g>')
    p.append('<g filter="url(#soft)" opacity="0.8">' + "".join(lights) + '</g>')
    p.append("".join(lights))
    # ships coming in to the city
    p.append(ship(80, 70, 0.16, wake=True, sails="sailc"))
    p.append(ship(250, 40, 0.1, flip=True, wake=True, sails="sailb"))
    for k in range(6):
        x, y = rnd.uniform(60, 560), rnd.uniform(40, 180)
        if math.hypot(x - cx, y - cy) < r + 60:
            continue
        p.append('<circle cx="%s" cy="%s" r="4" fill="#ffe0a0" opacity="0.5" filter="url(#soft)"/><circle cx="%s" cy="%s" r="1.2" fill="#fff"/>' % (f(x), f(y), f(x), f(y)))
    write_page("page7", p)


# ---------------------------------------------------------------- page 8 / 9

def port_rock(rnd, cx, cy, wd, ht, seed_idx):
    """Floating rock with a crowded port on top. Returns svg."""
    o = []
    top = cy - ht * 0.15
    # underside: a jagged hanging mass
    pts = [(cx - wd / 2, top)]
    n = 26
    for k in range(1, n):
        t = k / n
        x = cx - wd / 2 + wd * t
        depth = ht * (0.2 + 0.8 * math.sin(math.pi * t) ** 1.3) * rnd.uniform(0.7, 1.1)
        if k % 5 == 2:
            depth *= 1.25  # hanging spurs
        pts.append((x + rnd.uniform(-5, 5), top + depth))
    pts.append((cx + wd / 2, top))
    dpath = 'M%s %s ' % (f(pts[0][0]), f(pts[0][1])) + " ".join('L%s %s' % (f(x), f(y)) for x, y in pts[1:])
    # wavy top edge back to start
    dpath += ' Q%s %s %s %s Q%s %s %s %s Z' % (f(cx + wd * 0.25), f(top - 14), f(cx), f(top - 6),
                                              f(cx - wd * 0.25), f(top + 4), f(cx - wd / 2), f(top))
    o.append('<clipPath id="portc%d"><path d="%s"/></clipPath>' % (seed_idx, dpath))
    o.append('<g clip-path="url(#portc%d)">' % seed_idx)
    o.append('<path d="%s" fill="#7a5a58"/>' % dpath)
    o.append('<path d="%s" transform="translate(6 5)" fill="url(#rockg)" filter="url(#rocktex)"/>' % dpath)
    # crevices running down the face
    for _ in range(14):
        x = rnd.uniform(cx - wd * 0.45, cx + wd * 0.45)
        o.append('<path d="M%s %s q%s %s %s %s q%s %s %s %s" fill="none" stroke="#050406" stroke-width="%s" opacity="0.45"/>' %
                 (f(x), f(top + rnd.uniform(10, 40)), f(rnd.uniform(-10, 10)), f(rnd.uniform(20, 40)), f(rnd.uniform(-6, 6)),
                  f(rnd.uniform(40, 70)), f(rnd.uniform(-10, 10)), f(rnd.uniform(20, 40)), f(rnd.uniform(-6, 6)),
                  f(rnd.uniform(40, 80)), f(rnd.uniform(1, 2.5))))
    o.append('<rect x="%s" y="%s" width="%s" height="%s" fill="url(#rockdark)"/>' % (f(cx - wd / 2), f(top), f(wd), f(ht * 1.3)))
    o.append('</g>')
    return "".join(o), top


def skyline(rnd, x0, x1, base, hmin, hmax, body, win, kinds=None, gap=(0, 4)):
    o = []
    x = x0
    kinds = kinds or ["tower", "tower", "block", "block", "dome", "spire", "mast"]
    while x < x1:
        wdt = rnd.uniform(8, 22)
        mid = 1 - abs((x - x0) / (x1 - x0) - 0.5) * 1.3
        hgt = rnd.uniform(hmin, hmax) * (0.5 + mid)
        o.append(building(rnd, x, base, wdt, hgt, body, win, rnd.choice(kinds)))
        x += wdt + rnd.uniform(*gap)
    return "".join(o)


def craft(tx, ty, sc, rot=0):
    return ('<g transform="translate(%s %s) rotate(%s) scale(%s)">'
            # engine glow and trail behind (to the right, flying left)
            '<ellipse cx="110" cy="8" rx="60" ry="8" fill="#80e0ff" opacity="0.45" filter="url(#glow4)"/>'
            '<path d="M60 0 L190 7 L60 16 Z" fill="#c0f0ff" opacity="0.25" filter="url(#soft)"/>'
            '<circle cx="78" cy="8" r="16" fill="url(#engine)"/>'
            '<ellipse cx="0" cy="10" rx="86" ry="22" fill="url(#hullm)" stroke="#101820" stroke-width="2"/>'
            '<ellipse cx="0" cy="4" rx="80" ry="10" fill="none" stroke="#e0f0ff" stroke-width="1.2" opacity="0.6"/>'
            '<path d="M-84 12 Q0 36 84 12" fill="none" stroke="#05080c" stroke-width="2" opacity="0.6"/>'
            '<g fill="#ffe080">'
            '<circle cx="-60" cy="16" r="2.2"/><circle cx="-36" cy="20" r="2.2"/><circle cx="-12" cy="22" r="2.2"/>'
            '<circle cx="12" cy="22" r="2.2"/><circle cx="36" cy="20" r="2.2"/><circle cx="60" cy="16" r="2.2"/></g>'
            '<path d="M-46 2 A46 42 0 0 1 46 2 Z" fill="url(#glass)" stroke="#a0e0ff" stroke-width="1.5"/>'
            '<path d="M-30 -10 Q-22 -30 0 -36" fill="none" stroke="#fff" stroke-width="3" opacity="0.7" stroke-linecap="round"/>'
            '<path d="M-14 2 L-14 -14 Q-10 -22 -6 -14 L-6 2 Z" fill="#102030" opacity="0.7"/>'
            '<circle cx="-10" cy="-18" r="5" fill="#102030" opacity="0.7"/>'
            '<circle cx="-90" cy="10" r="3" fill="#ff4040"/><circle cx="-90" cy="10" r="8" fill="#ff4040" opacity="0.4" filter="url(#soft)"/>'
            '</g>' % (f(tx), f(ty), f(rot), sc))


def craft_defs():
    return [
        '<linearGradient id="hullm" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#e8f0f8"/><stop offset="0.35" stop-color="#8aa0b8"/>'
        '<stop offset="0.7" stop-color="#3a4858"/><stop offset="1" stop-color="#141c26"/></linearGradient>',
        '<radialGradient id="glass" cx="0.4" cy="0.3" r="0.8">'
        '<stop offset="0" stop-color="#e0ffff" stop-opacity="0.9"/><stop offset="0.5" stop-color="#40b0e0" stop-opacity="0.6"/>'
        '<stop offset="1" stop-color="#103050" stop-opacity="0.85"/></radialGradient>',
        '<radialGradient id="engine"><stop offset="0" stop-color="#fff"/><stop offset="0.3" stop-color="#a0f0ff"/>'
        '<stop offset="1" stop-color="#2060ff" stop-opacity="0"/></radialGradient>',
    ]


def page8():
    rnd = random.Random(808)
    p = svg_open(W, H)
    d = ['<defs>'] + common_defs() + rock_defs() + craft_defs() + ship_defs()
    d.append('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#040c20"/><stop offset="0.6" stop-color="#0c2040"/>'
             '<stop offset="1" stop-color="#1a1030"/></linearGradient>')
    cd, cb = cloud_layers([
        ("n1", 81, "0.005", 5, "#2080b0", 2.6, -1.15, 'opacity="0.6"'),
        ("n2", 83, "0.009", 4, "#60e0c0", 3.0, -1.65, 'opacity="0.35"'),
        ("n3", 87, "0.007", 4, "#a040a0", 2.8, -1.45, 'opacity="0.4"'),
    ])
    d += cd
    d.append('<radialGradient id="farp" cx="0.3" cy="0.3" r="0.8"><stop offset="0" stop-color="#a8d0f0"/>'
             '<stop offset="0.5" stop-color="#4878a8"/><stop offset="1" stop-color="#10203a"/></radialGradient>')
    d.append('<radialGradient id="farshade" cx="0.22" cy="0.22" r="1.0"><stop offset="0.3" stop-color="#000" stop-opacity="0"/>'
             '<stop offset="0.7" stop-color="#020610" stop-opacity="0.85"/><stop offset="1" stop-color="#020610" stop-opacity="0.95"/></radialGradient>')
    d.append('<clipPath id="farc"><circle cx="110" cy="90" r="54"/></clipPath>')
    d.append('<filter id="farb" filterUnits="userSpaceOnUse" x="56" y="36" width="108" height="108">'
             '<feTurbulence type="fractalNoise" baseFrequency="0.004 0.08" numOctaves="3" seed="3"/>'
             '<feColorMatrix type="matrix" values="0 0 0 0 0.05 0 0 0 0 0.1 0 0 0 0 0.2 2 0 0 0 -0.6"/></filter>')
    d.append('<linearGradient id="rockdark" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#000" stop-opacity="0"/><stop offset="1" stop-color="#000" stop-opacity="0.75"/></linearGradient>')
    d.append('</defs>')
    p += d
    p.append('<rect width="%d" height="%d" fill="url(#bg)"/>' % (W, H))
    p += cb
    p.append(stars(rnd, W, H, 300, big=8))
    # a far gas giant
    p.append('<circle cx="110" cy="90" r="56" fill="#60a0d0" opacity="0.25" filter="url(#glow10)"/>'
             '<circle cx="110" cy="90" r="54" fill="url(#farp)"/>'
             '<g clip-path="url(#farc)" opacity="0.35"><rect x="56" y="36" width="108" height="108" filter="url(#farb)"/></g>'
             '<circle cx="110" cy="90" r="54" fill="url(#farshade)"/>')
    # the port: far hazy towers, rock, near dense skyline
    rx, ry, rw, rh = 380, 250, 440, 230
    rockp, top = port_rock(rnd, rx, ry, rw, rh, 0)
    p.append('<g opacity="0.7">' + skyline(rnd, rx - rw * 0.42, rx + rw * 0.42, top - 6, 30, 110, "#2a4060",
                                           ["#ffe0a0", "#a0e0ff"], gap=(0, 2)) + '</g>')
    p.append('<g>' + skyline(rnd, rx - rw * 0.48, rx + rw * 0.47, top + 4, 14, 60, "#0a0e18",
                             ["#ffd070", "#ffb050", "#fff0b0", "#80d0ff"], gap=(-2, 2)) + '</g>')
    p.append(rockp)
    # docking arms sticking out of the rock with small ships moored
    for (x, y, ln, sgn) in [(rx - rw / 2 + 10, top + 10, 60, -1), (rx + rw / 2 - 10, top + 20, 50, 1), (rx + rw / 2 - 30, top + 70, 40, 1)]:
        x2 = x + sgn * ln
        p.append('<path d="M%s %s L%s %s L%s %s L%s %s Z" fill="#1a2230" stroke="#5a7090" stroke-width="0.8"/>' %
                 (f(x), f(y), f(x2), f(y + 2), f(x2), f(y + 6), f(x), f(y + 8)))
        p.append('<circle cx="%s" cy="%s" r="2" fill="#ffe080"/><circle cx="%s" cy="%s" r="6" fill="#ffe080" opacity="0.4" filter="url(#soft)"/>' % (f(x2), f(y + 3), f(x2), f(y + 3)))
    p.append(ship(560, 14, 0.3, flip=True, wake=True))
    p.append(ship(rx - rw / 2 - 18, top - 44, 0.32, flip=True, wake=False, sails="sailb"))
    # lights on the rock face
    lt = ['<g>']
    for _ in range(90):
        x = rnd.uniform(rx - rw * 0.45, rx + rw * 0.45)
        yy = top + rnd.uniform(4, rh * 0.6 * math.sin(math.pi * (x - rx + rw / 2) / rw) + 4)
        lt.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%.2f"/>' %
                  (f(x), f(yy), f(rnd.uniform(0.5, 1.2)), rnd.choice(["#ffc060", "#ffe0a0", "#80d0ff"]), rnd.uniform(0.3, 0.9)))
    lt.append('</g>')
    p.append("".join(lt))
    # beacon glows
    # the domed craft in the foreground, flying left
    p.append(craft(170, 350, 1.0, rot=-6))
    write_page("page8", p)


def lantern(x, y, r=7):
    """A port lamp: glow, then the bright flame."""
    return ('<circle cx="%s" cy="%s" r="%s" fill="url(#lamp)"/><circle cx="%s" cy="%s" r="%s" fill="#fff6d0"/>' %
            (f(x), f(y), f(r), f(x), f(y), f(max(0.9, r * 0.18))))


def rope(x0, y0, x1, y1, sag, col="#120c0a", w=0.8, op=0.9):
    return ('<path d="M%s %s Q%s %s %s %s" fill="none" stroke="%s" stroke-width="%s" opacity="%.2f"/>' %
            (f(x0), f(y0), f((x0 + x1) / 2), f((y0 + y1) / 2 + sag), f(x1), f(y1), col, f(w), op))


def mooring_mast(x, base, top):
    """A tall post on the pier with a yard, a lantern at its head and a ladder of rungs."""
    o = ['<g stroke-linecap="round">',
         '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#0c0808" stroke-width="4"/>' % (f(x), f(base), f(x), f(top)),
         '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#7a5a40" stroke-width="1" opacity="0.8"/>' % (f(x - 1.2), f(base), f(x - 1.2), f(top)),
         '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#0c0808" stroke-width="2"/>' % (f(x - 12), f(top + 10), f(x + 12), f(top + 10)),
         '<path d="M%s %s L%s %s L%s %s" fill="none" stroke="#0c0808" stroke-width="0.8"/>' % (f(x - 12), f(top + 10), f(x), f(top), f(x + 12), f(top + 10))]
    for yy in range(int(top) + 20, int(base) - 4, 7):
        o.append('<line x1="%s" y1="%d" x2="%s" y2="%d" stroke="#3a2a20" stroke-width="0.8"/>' % (f(x - 3), yy, f(x + 3), yy))
    o.append('</g>')
    o.append(lantern(x, top - 3, 10))
    o.append(lantern(x - 12, top + 12, 5) + lantern(x + 12, top + 12, 5))
    return "".join(o)


def gangway(x0, y0, x1, y1):
    """A plank with a hand rope on posts, from the pier (x0, y0) up to a ship's rail (x1, y1)."""
    o = ['<g stroke-linecap="round">',
         '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#1a0e08" stroke-width="3.2"/>' % (f(x0), f(y0), f(x1), f(y1)),
         '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#a07850" stroke-width="1"/>' % (f(x0), f(y0 - 1.2), f(x1), f(y1 - 1.2))]
    for t in (0.0, 0.5, 1.0):
        x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        o.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#1a0e08" stroke-width="1"/>' % (f(x), f(y), f(x), f(y - 7)))
    o.append(rope(x0, y0 - 7, x1, y1 - 7, 2, w=0.7))
    o.append('</g>')
    return "".join(o)


def figure(x, base, s=1.0, load=False):
    """A docker in silhouette, a crate on his shoulder if he carries one."""
    o = ('<g transform="translate(%s %s) scale(%s)" fill="#0a0608">'
         '<circle cx="0" cy="-11" r="1.6"/><path d="M-1.8 -9 L1.8 -9 L2 -3 L1.2 0 L0.3 0 L0 -3 L-0.4 0 L-1.3 0 L-2 -3 Z"/>' %
         (f(x), f(base), f(s)))
    if load:
        o += '<rect x="-1" y="-15" width="5" height="4" fill="#5a3a20" stroke="#0a0608" stroke-width="0.4"/>'
    return o + '</g>'


def page9():
    rnd = random.Random(909)
    p = svg_open(W, H)
    d = ['<defs>'] + common_defs() + rock_defs() + ship_defs() + [subband_def()]
    d.append('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#060818"/><stop offset="0.6" stop-color="#142040"/>'
             '<stop offset="1" stop-color="#1a1428"/></linearGradient>')
    cd, cb = cloud_layers([
        ("n1", 91, "0.005", 5, "#3060c0", 2.6, -1.2, 'opacity="0.6"'),
        ("n2", 93, "0.009", 4, "#d07040", 3.0, -1.65, 'opacity="0.35"'),
    ])
    d += cd
    deck = 300  # the level of the quay and the pier
    dx, dy, dr = 460, deck - 4, 150
    d.append('<radialGradient id="domeg" cx="0.45" cy="0.75" r="0.75">'
             '<stop offset="0" stop-color="#ffd890" stop-opacity="0.75"/><stop offset="0.5" stop-color="#e09050" stop-opacity="0.45"/>'
             '<stop offset="0.85" stop-color="#6080c0" stop-opacity="0.35"/><stop offset="1" stop-color="#a0d0ff" stop-opacity="0.7"/></radialGradient>')
    d.append('<clipPath id="domec"><path d="M%d %d A%d %d 0 0 1 %d %d Z"/></clipPath>' % (dx - dr, dy, dr, dr, dx + dr, dy))
    d.append('<linearGradient id="wall" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#6a5a60"/><stop offset="0.15" stop-color="#3a3040"/><stop offset="1" stop-color="#16121a"/></linearGradient>')
    d.append('<linearGradient id="planks" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#c8a070"/><stop offset="0.3" stop-color="#6a4a30"/><stop offset="1" stop-color="#20140c"/></linearGradient>')
    d.append('<linearGradient id="rockdark" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#000" stop-opacity="0"/><stop offset="1" stop-color="#000" stop-opacity="0.8"/></linearGradient>')
    d.append('<radialGradient id="pool"><stop offset="0" stop-color="#ffc870" stop-opacity="0.55"/>'
             '<stop offset="1" stop-color="#ff9030" stop-opacity="0"/></radialGradient>')
    d.append('</defs>')
    p += d
    p.append('<rect width="%d" height="%d" fill="url(#bg)"/>' % (W, H))
    p += cb
    p.append(stars(rnd, W, H, 300, big=8, avoid=lambda x, y: math.hypot(x - dx, y - dy) < dr and y < dy))

    # ships out in the sky: one coming in to the port, one far off leaving it
    p.append(ship(130, 34, 0.36, wake=True, sails="saild", flag="#111"))
    p.append(ship(600, 30, 0.2, flip=True, wake=True, sails="sailc"))
    p.append(ship(40, 120, 0.12, wake=True, sails="sailb"))

    # the great dome: glass over a warm lit city
    p.append('<circle cx="%d" cy="%d" r="%d" fill="#ffb060" opacity="0.25" filter="url(#glow20)"/>' % (dx, dy, dr + 10))
    inside = ['<g clip-path="url(#domec)">']
    inside.append('<rect x="%d" y="%d" width="%d" height="%d" fill="#201830"/>' % (dx - dr, dy - dr, 2 * dr, dr))
    inside.append('<g opacity="0.8">' + skyline(rnd, dx - dr + 10, dx + dr - 10, dy + 2, 26, 92, "#3a2838",
                                                ["#ffd890", "#fff0c0"]) + '</g>')
    inside.append(skyline(rnd, dx - dr, dx + dr, dy + 2, 12, 46, "#140c18", ["#ffd070", "#ffb050", "#fff0b0"], gap=(-1, 1)))
    inside.append('<rect x="%d" y="%d" width="%d" height="%d" fill="url(#domeg)"/>' % (dx - dr, dy - dr, 2 * dr, dr))
    inside.append('</g>')
    p.append("".join(inside))
    rib = ['<g fill="none" stroke="#c8e4ff" stroke-width="1.2" opacity="0.55">']
    for k in range(-3, 4):
        rxk = dr * abs(math.sin(math.pi * k / 8))
        if k == 0:
            rib.append('<line x1="%d" y1="%d" x2="%d" y2="%d"/>' % (dx, dy, dx, dy - dr))
        else:
            sweep = 0 if k < 0 else 1
            rib.append('<path d="M%d %d A%s %d 0 0 %d %s %d"/>' % (dx, dy - dr, f(rxk), dr, sweep, f(dx + (rxk if k > 0 else -rxk)), dy))
    for k in range(1, 5):
        yk = dy - dr * k / 5
        hx = math.sqrt(dr * dr - (dy - yk) ** 2)
        rib.append('<path d="M%s %s Q%d %s %s %s"/>' % (f(dx - hx), f(yk), dx, f(yk + 14 * (1 - k / 5)), f(dx + hx), f(yk)))
    rib.append('</g>')
    p.append("".join(rib))
    p.append('<path d="M%d %d A%d %d 0 0 1 %d %d" fill="none" stroke="#e8f4ff" stroke-width="3"/>' % (dx - dr, dy, dr, dr, dx + dr, dy))
    p.append('<path d="M%s %s A%s %s 0 0 1 %s %s" fill="none" stroke="#fff" stroke-width="5" opacity="0.5" stroke-linecap="round" filter="url(#soft)"/>' %
             (f(dx - dr * 0.8), f(dy - dr * 0.6), f(dr * 0.95), f(dr * 0.95), f(dx - dr * 0.2), f(dy - dr * 0.96)))
    # the stone ring the dome stands on
    p.append('<rect x="%d" y="%d" width="%d" height="6" fill="url(#wall)" stroke="#8a7a80" stroke-width="0.6"/>' % (dx - dr - 6, dy - 2, 2 * dr + 12))

    # the island the port is built on: a quay wall with lit windows over a hanging rock
    isl = 226
    rockd = ['M%d %d' % (isl - 8, deck + 14)]
    xs = list(range(isl, 630, 22))
    for k, x in enumerate(xs):
        t = (x - isl) / (760 - isl)  # the island runs on past the right edge
        depth = 40 + 150 * math.sin(math.pi * t) ** 0.7 * rnd.uniform(0.75, 1.05)
        if k % 4 == 2:
            depth += 26
        rockd.append('L%s %s' % (f(x + rnd.uniform(-6, 6)), f(deck + 14 + depth)))
    rockd.append('L630 %d Z' % (deck + 14))
    rockd = " ".join(rockd)
    p.append('<path d="%s" fill="#3a2c30"/>' % rockd)
    p.append('<path d="%s" transform="translate(5 4)" fill="url(#rockg)" filter="url(#rocktex)"/>' % rockd)
    p.append('<path d="%s" fill="url(#rockdark)"/>' % rockd)
    p.append('<rect x="%d" y="%d" width="%d" height="16" fill="url(#wall)"/>' % (isl - 10, deck, 630 - isl))
    p.append('<line x1="%d" y1="%d" x2="615" y2="%d" stroke="#b89878" stroke-width="1.2"/>' % (isl - 10, deck + 0.5, deck + 0.5))
    win = ['<g>']
    for x in range(isl, 612, 13):
        win.append('<path d="M%d %d v-5 a2.5 2.5 0 0 1 5 0 v5 Z" fill="%s"/>' % (x, deck + 13, rnd.choice(["#ffd070", "#ffb050", "#3a2a20", "#ffe0a0"])))
    win.append('</g>')
    p.append("".join(win))

    # the ships at their berths, just beyond the pier's edge
    ax, asc = 2, 0.8
    bx, bsc = 372, 0.62
    ay, by = deck - asc * 142, deck - bsc * 142
    p.append(ship(bx, by, bsc, flip=True, wake=False, sails="sailb", flag="#2050c0"))
    p.append(ship(ax, ay, asc, wake=False, sails="sailc"))

    # the pier: a plank deck on an open truss, reaching out from the island over nothing
    tr = ['<g stroke="#0e0a0c" fill="none">',
          '<line x1="-4" y1="%d" x2="%d" y2="%d" stroke-width="3"/>' % (deck + 30, isl, deck + 30)]
    for x in range(0, isl, 28):
        tr.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke-width="2"/>' % (x, deck + 6, x, deck + 30))
        tr.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke-width="1.4"/>' % (x, deck + 30, x + 28, deck + 6))
    tr.append('</g>')
    p.append("".join(tr))
    p.append('<rect x="-2" y="%d" width="%d" height="7" fill="url(#planks)" stroke="#0e0a0c" stroke-width="0.8"/>' % (deck, isl + 2))
    for x in range(6, isl, 9):
        p.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#2a1a10" stroke-width="0.5"/>' % (x, deck + 1, x, deck + 7))
    # pools of lamplight on the planks and the quay
    for x in range(20, 600, 48):
        p.append('<ellipse cx="%d" cy="%d" rx="20" ry="4" fill="url(#pool)"/>' % (x, deck + 1))
    # railing along the pier's near edge
    rail = ['<g stroke="#0e0a0c">', '<line x1="-2" y1="%d" x2="%d" y2="%d" stroke-width="1.2"/>' % (deck - 8, isl, deck - 8)]
    for x in range(2, isl, 11):
        rail.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke-width="0.9"/>' % (x, deck - 8, x, deck))
    rail.append('</g>')
    p.append("".join(rail))
    # bollards, crates and barrels on the quay
    for x in (40, 188, 226, 380):
        p.append('<rect x="%d" y="%d" width="5" height="5" rx="1.5" fill="#1a1214" stroke="#6a5040" stroke-width="0.5"/>' % (x, deck - 5))
    for x, y, w_, h_ in [(402, deck - 8, 9, 8), (410, deck - 8, 8, 8), (405, deck - 15, 8, 7), (560, deck - 9, 10, 9), (571, deck - 7, 7, 7)]:
        p.append('<rect x="%d" y="%d" width="%d" height="%d" fill="#6a4828" stroke="#1a0e06" stroke-width="0.7"/>'
                 '<path d="M%d %d L%d %d" stroke="#1a0e06" stroke-width="0.5"/>' % (x, y, w_, h_, x, y, x + w_, y + h_))
    for x in (122, 129):
        p.append('<rect x="%d" y="%d" width="7" height="9" rx="2" fill="#4a3020" stroke="#140a04" stroke-width="0.6"/>'
                 '<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#a08050" stroke-width="0.6"/>' % (x, deck - 9, x, deck - 5, x + 7, deck - 5))
    # mooring lines from bow and stern to the bollards, and gangways up to the rails
    def at(x0, y0, sc, lx, ly, flip=False):  # a point of a ship's own drawing, on the page
        return (x0 - lx * sc if flip else x0 + lx * sc), y0 + ly * sc
    for (lx, ly), (qx, qy), sag in [((22, 110), (42, deck - 5), 5), ((212, 100), (190, deck - 5), 4)]:
        p.append(rope(*at(ax, ay, asc, lx, ly), qx, qy, sag))
    for (lx, ly), (qx, qy), sag in [((212, 100), (228, deck - 5), 3), ((22, 110), (382, deck - 5), 4)]:
        p.append(rope(*at(bx, by, bsc, lx, ly, True), qx, qy, sag))
    p.append(gangway(152, deck - 1, *at(ax, ay, asc, 150, 108)))
    p.append(gangway(268, deck - 1, *at(bx, by, bsc, 130, 108, True)))
    # mooring masts on the pier and the quay: lines to the ships' mastheads, lanterns lit
    masts = [(206, deck - 124), (398, deck - 108)]
    for x, top in masts:
        p.append(mooring_mast(x, deck, top))
    p.append(rope(206, masts[0][1] + 10, *at(ax, ay, asc, 158, 24), 8))
    p.append(rope(206, masts[0][1] + 10, *at(bx, by, bsc, 158, 24, True), 6))
    p.append(rope(398, masts[1][1] + 10, *at(bx, by, bsc, 64, 34, True), 6))
    # lamp posts along the railing
    for x in range(20, 600, 48):
        if any(abs(x - mx) < 14 for mx, _ in masts):
            continue
        p.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="#0a0808" stroke-width="1.6"/>' % (x, deck, x, deck - 22))
        p.append(lantern(x, deck - 24, 7))
    # dockers at work
    p.append(figure(164, deck, 1.3, load=True) + figure(104, deck, 1.3) + figure(250, deck, 1.25, load=True) +
             figure(286, deck, 1.3) + figure(470, deck, 1.2))
    write_page("page9", p,
               ru=subtitle(["И вот вы отправляетесь в порт, чтобы нанять корабль",
                            "и отыскать карту затерянной планеты."], "#70ff60", size=22),
               en=subtitle(["And so you set off for the port to hire a ship",
                            "and seek out the map of the lost planet."], "#70ff60", size=22))


def main():
    page1()
    page2()
    page3()
    page4()
    page5()
    page6()
    page7()
    page8()
    page9()


if __name__ == "__main__":
    main()
