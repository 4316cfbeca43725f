#!/usr/bin/env python3
"""Generates the eight planet surface pictures (surface_*.svg) beside this file.

Each planet is painted in three layers: a colour layer (ground, roads, patches), a relief
layer (a grey height map lit from the upper left by an SVG lighting filter, laid over the
colour with a hard-light blend, with cast shadows) and the things that stand on the land
(water, trees, buildings). Buildings are drawn in a slight oblique view from the south:
roofs seen from above, south faces seen, shadows falling down-right.

Deterministic: every planet has its own fixed seed. Run: python3 surfaces.py [output-dir]
"""
import math
import os
import random
import sys


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "tools"))
from generators import output_dir  # noqa: E402  (shared by the generators)

W, H = 512, 571
# Where the planet screen puts its hotspots: the trade centre and the fortress.
TRADE_BOX = (8, 72, 160, 216)
FORT_BOX = (360, 88, 504, 216)
# Shadow offset on the ground per pixel of height: light from the upper left.
SHX, SHY = 1.25, 0.62


def f(v):
    s = ('%.1f' % v).rstrip('0').rstrip('.')
    return '0' if s == '-0' else s


def hexrgb(c):
    c = c.lstrip('#')
    return [int(c[i:i + 2], 16) / 255 for i in (0, 2, 4)]


def mix(a, b, t):
    ca, cb = hexrgb(a), hexrgb(b)
    return '#' + ''.join('%02x' % round(255 * (x + (y - x) * t)) for x, y in zip(ca, cb))


def poly(points, close=True):
    return 'M' + ' L'.join('%s %s' % (f(x), f(y)) for x, y in points) + ('Z' if close else '')


def fi(v):
    return '%d' % round(v)


def catmull(points, closed, coarse=False):
    """Smooth path through points (Catmull-Rom turned into cubic Beziers).
    coarse: whole-pixel coordinates, enough for terrain."""
    f = fi if coarse else globals()['f']
    n = len(points)
    pts = ([points[-1]] + points + points[:2]) if closed else ([points[0]] + points + [points[-1]])
    d = 'M%s %s' % (f(pts[1][0]), f(pts[1][1]))
    for i in range(1, (n if closed else n - 1) + 1):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += 'C%s %s %s %s %s %s' % (f(c1[0]), f(c1[1]), f(c2[0]), f(c2[1]), f(p2[0]), f(p2[1]))
    return d + ('Z' if closed else '')


def spline(points, step=6):
    """Points along the Catmull-Rom curve through points, about `step` pixels apart."""
    pts = [points[0]] + points + [points[-1]]
    out = [points[0]]
    for i in range(1, len(points)):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        n = max(1, int(math.hypot(p2[0] - p1[0], p2[1] - p1[1]) / step))
        for k in range(1, n + 1):
            t = k / n
            out.append(tuple(0.5 * (2 * p1[j] + (-p0[j] + p2[j]) * t + (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t * t
                                    + (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t ** 3) for j in (0, 1)))
    return out


def blob_pts(rng, cx, cy, r, n=10, jit=0.3, sx=1.0, sy=1.0, rot=0.0):
    ca, sa = math.cos(rot), math.sin(rot)
    pts = []
    for i in range(n):
        a = 2 * math.pi * i / n
        rr = r * (1 + rng.uniform(-jit, jit))
        x, y = math.cos(a) * rr * sx, math.sin(a) * rr * sy
        pts.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return pts


def blob(rng, cx, cy, r, n=10, jit=0.3, sx=1.0, sy=1.0, rot=0.0):
    return catmull(blob_pts(rng, cx, cy, r, n, jit, sx, sy, rot), True)


def wander(rng, pts, jit):
    return [(x + rng.uniform(-jit, jit), y + rng.uniform(-jit, jit)) for x, y in pts]


def densify(pts, step):
    """Points every `step` pixels along a polyline."""
    out = [pts[0]]
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        n = max(1, int(math.hypot(bx - ax, by - ay) / step))
        out += [(ax + (bx - ax) * k / n, ay + (by - ay) * k / n) for k in range(1, n + 1)]
    return out


def meander(rng, pts, step=14, amp=6.0):
    """A polyline made to wander smoothly sideways, for rivers and tracks."""
    d = densify(pts, step)
    out, off, vel = [], 0.0, 0.0
    for i, (x, y) in enumerate(d):
        a, b = d[max(0, i - 1)], d[min(len(d) - 1, i + 1)]
        tx, ty = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(tx, ty) or 1
        vel = 0.7 * vel + rng.uniform(-1, 1) * amp * 0.5
        off = max(-amp * 2, min(amp * 2, off + vel))
        end = 0 if i in (0, len(d) - 1) else 1
        out.append((x - ty / ln * off * end, y + tx / ln * off * end))
    return out


def banks(pts, width):
    """The outline of a river of varying width along a centre line: width(i, n) gives its width."""
    left, right = [], []
    n = len(pts)
    for i, (x, y) in enumerate(pts):
        a, b = pts[max(0, i - 1)], pts[min(n - 1, i + 1)]
        tx, ty = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(tx, ty) or 1
        w = width(i, n) / 2
        left.append((x + ty / ln * w, y - tx / ln * w))
        right.append((x - ty / ln * w, y + tx / ln * w))
    return left + right[::-1]


def seg_dist(x, y, pts):
    best = 1e9
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        dx, dy = bx - ax, by - ay
        ll = dx * dx + dy * dy or 1
        t = max(0, min(1, ((x - ax) * dx + (y - ay) * dy) / ll))
        best = min(best, math.hypot(x - ax - t * dx, y - ay - t * dy))
    return best


def by_fill(items):
    """Elements given as (fill, element) pairs, written in groups of one fill each."""
    groups = {}
    for c, e in items:
        groups.setdefault(c, []).append(e)
    return ''.join('<g fill="%s">%s</g>' % (c, ''.join(es)) for c, es in sorted(groups.items()))


def in_box(x, y, box, margin=0):
    x0, y0, x1, y1 = box
    return x0 - margin <= x <= x1 + margin and y0 - margin <= y <= y1 + margin


def scatter(rng, r, area=(-10, -10, W + 10, H + 10), tries=30, keep=None):
    """Points no closer than r to each other (dart throwing on a grid), in a fixed order."""
    x0, y0, x1, y1 = area
    cell = r / math.sqrt(2)
    grid = {}
    pts = []
    n = int((x1 - x0) * (y1 - y0) / (r * r) * 1.6)
    for _ in range(n * tries // 10):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        gx, gy = int((x - x0) / cell), int((y - y0) / cell)
        ok = True
        for i in range(gx - 2, gx + 3):
            for j in range(gy - 2, gy + 3):
                q = grid.get((i, j))
                if q and (q[0] - x) ** 2 + (q[1] - y) ** 2 < r * r:
                    ok = False
                    break
            if not ok:
                break
        if ok and (keep is None or keep(x, y)):
            grid[(gx, gy)] = (x, y)
            pts.append((x, y))
    return pts


class Doc:
    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.defs = []
        self.body = []
        self.ids = set()

    def d(self, s):
        self.defs.append(s)

    def b(self, s):
        self.body.append(s)

    def once(self, key, s):
        """A definition shared by everything that uses it, written once."""
        if key not in self.ids:
            self.ids.add(key)
            self.defs.append(s)

    def write(self, name, title):
        path = os.path.join(output_dir(__file__), name)
        with open(path, 'w', encoding='utf-8', newline='\n') as out:
            out.write('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
                      'width="%d" height="%d" viewBox="0 0 %d %d">\n' % (W, H, W, H))
            out.write('<!-- %s. Generated by surfaces.py -->\n' % title)
            out.write('<defs>\n' + '\n'.join(self.defs) + '\n</defs>\n')
            out.write('\n'.join(self.body) + '\n</svg>\n')


# ---------------------------------------------------------------- the land

def common_defs(doc):
    for k, s in ((1, 0.8), (2, 1.6), (3, 3), (4, 5), (5, 9)):
        doc.d('<filter id="blur%d" x="-50%%" y="-50%%" width="200%%" height="200%%"><feGaussianBlur stdDeviation="%s"/></filter>'
              % (k, s))
    # smooth mounds and hollows: a cosine profile, flat at the rim so no edge shows in the light
    prof = ''.join('<stop offset="%s" stop-color="%%s" stop-opacity="%.2f"/>' % (f(t), (1 + math.cos(math.pi * t)) / 2)
                   for t in (0, 0.2, 0.4, 0.6, 0.8, 0.9, 1))
    doc.d('<radialGradient id="bump">%s</radialGradient>' % (prof % (('#fff',) * 7)))
    doc.d('<radialGradient id="dent">%s</radialGradient>' % (prof % (('#000',) * 7)))
    # the same in a unit circle's own space, for mounds that are scaled and turned (see mound)
    for k in ('bump', 'dent'):
        doc.d('<radialGradient id="%sU" xlink:href="#%s" gradientUnits="userSpaceOnUse" cx="0" cy="0" r="1"/>' % (k, k))
    doc.d('<radialGradient id="vign" cx="0.5" cy="0.41" r="0.72">'
          '<stop offset="0.7" stop-color="#000" stop-opacity="0"/>'
          '<stop offset="1" stop-color="#000" stop-opacity="0.22"/></radialGradient>')


def noise_paint(doc, fid, c0, c1, freq, seed, octaves=3, gain=2.4, alpha=None, opacity=1.0):
    """Ground colour from fractal noise, spread between two colours.
    alpha: (a, b) makes the paint appear only where the noise is high: alpha = a * n + b."""
    l, h = hexrgb(c0), hexrgb(c1)
    rows = []
    for c in range(3):
        dlt = h[c] - l[c]
        rows.append('%.3f 0 0 0 %.3f' % (gain * dlt, l[c] + dlt * (0.5 - 0.5 * gain)))
    rows.append(('%.3f 0 0 0 %.3f' % alpha) if alpha else '0 0 0 0 1')
    bf = freq if isinstance(freq, str) else str(freq)
    doc.d('<filter id="%s" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d" color-interpolation-filters="sRGB">'
          '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="%d" seed="%d"/>'
          '<feColorMatrix type="matrix" values="%s"/></filter>' % (fid, W, H, bf, octaves, seed, '  '.join(rows)))
    doc.b('<rect width="%d" height="%d" filter="url(#%s)"%s/>'
          % (W, H, fid, '' if opacity == 1 else ' opacity="%s"' % opacity))


def speckle(doc, fid, colour, freq, seed, cut=0.62, opacity=1.0):
    """Grit: fine dots of one colour where high-frequency noise passes a threshold."""
    r, g, b = hexrgb(colour)
    k = 12
    doc.d('<filter id="%s" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d" color-interpolation-filters="sRGB">'
          '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="1" seed="%d"/>'
          '<feColorMatrix type="matrix" values="0 0 0 0 %.3f  0 0 0 0 %.3f  0 0 0 0 %.3f  %d 0 0 0 %s"/></filter>'
          % (fid, W, H, freq, seed, r, g, b, k, f(-k * cut)))
    doc.b('<rect width="%d" height="%d" filter="url(#%s)"%s/>' % (W, H, fid, '' if opacity == 1 else ' opacity="%s"' % opacity))


def relief(doc, items, strength=6.0, blur=1.0, noise=(0.06, 0.12, 3, 1), shadow=(4, 3.0, 1.4), elev=42,
           opacity=1.0, under=None):
    """Lights a grey height map (mid grey is the datum; lighter is higher) from the upper left and
    lays the light over what is drawn so far. noise: (frequency, amount, octaves, seed) of fine
    relief added to the map; shadow: (length, strength, softness) of the shadows that high ground
    casts down-right. under: extra elements drawn before the height items (full-size washes)."""
    kd = 0.5 / math.sin(math.radians(elev))
    parts = ['<rect x="-20" y="-20" width="%d" height="%d" fill="#808080"/>' % (W + 40, H + 40)]
    parts += under or []
    doc.d('<g id="height">' + ''.join(parts + items) + '</g>')
    nf, na, no, ns = noise
    sl, ss, sb = shadow
    doc.d('<filter id="relief" filterUnits="userSpaceOnUse" x="-16" y="-16" width="%d" height="%d" '
          'color-interpolation-filters="sRGB">'
          '<feGaussianBlur in="SourceGraphic" stdDeviation="%s"/>'
          '<feColorMatrix type="luminanceToAlpha" result="a"/>'
          '<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="%d" seed="%d"/>'
          '<feColorMatrix type="matrix" values="0 0 0 0 0  0 0 0 0 0  0 0 0 0 0  1 0 0 0 0" result="n"/>'
          '<feComposite in="a" in2="n" operator="arithmetic" k2="1" k3="%s" k4="%s" result="h"/>'
          '<feDiffuseLighting in="h" surfaceScale="%s" diffuseConstant="%.3f" lighting-color="#fff" result="lit">'
          '<feDistantLight azimuth="225" elevation="%d"/></feDiffuseLighting>'
          '<feOffset in="h" dx="%s" dy="%s" result="hs"/>'
          '<feComposite in="hs" in2="h" operator="arithmetic" k2="%s" k3="-%s" result="sh"/>'
          '<feGaussianBlur in="sh" stdDeviation="%s" result="shb"/>'
          '<feComposite in="shb" in2="lit" operator="over"/>'
          '</filter>' % (W + 32, H + 32, blur, nf, no, ns, na, '%.3f' % (-na / 2), strength, kd, elev,
                         f(sl * 1.2), f(sl * 0.75), ss, ss, sb))
    doc.b('<use xlink:href="#height" filter="url(#relief)" style="mix-blend-mode:hard-light"%s/>'
          % ('' if opacity == 1 else ' opacity="%s"' % opacity))


def banded(doc, fid, colour, blur=2.0, noise=None, opacity=1.0, offset=0.0, steps=41, kind='table', dither=0.0):
    """Colours the height map by height: stripes following its contours (rock strata).
    colour(v) gives the colour at height v, 0 the lowest, 0.5 the datum, 1 the highest.
    dither: fine grain added to the heights, so that gentle slopes do not band in steps."""
    cols = [hexrgb(colour(i / (steps - 1))) for i in range(steps)]
    tab = [' '.join('%.3f' % c[i] for c in cols) for i in range(3)]
    nz = ''
    if noise:
        nf, na, ns = noise
        nz = ('<feTurbulence type="fractalNoise" baseFrequency="%s" numOctaves="3" seed="%d"/>'
              '<feColorMatrix type="matrix" values="1 0 0 0 0  1 0 0 0 0  1 0 0 0 0  0 0 0 0 1" result="n"/>'
              '<feComposite in="g" in2="n" operator="arithmetic" k2="1" k3="%s" k4="%s" result="g"/>'
              % (nf, ns, na, '%.3f' % (-na / 2 + offset)))
    if dither:
        nz += ('<feTurbulence type="fractalNoise" baseFrequency="0.8" numOctaves="1" seed="3"/>'
               '<feColorMatrix type="matrix" values="1 0 0 0 0  1 0 0 0 0  1 0 0 0 0  0 0 0 0 1" result="d"/>'
               '<feComposite in="g" in2="d" operator="arithmetic" k2="1" k3="%s" k4="%s" result="g"/>' % ('%.3f' % (dither * 2), '%.3f' % -dither))
    doc.d('<filter id="%s" filterUnits="userSpaceOnUse" x="-16" y="-16" width="%d" height="%d" color-interpolation-filters="sRGB">'
          '<feGaussianBlur in="SourceGraphic" stdDeviation="%s" result="g"/>%s'
          '<feComponentTransfer><feFuncR type="%s" tableValues="%s"/><feFuncG type="%s" tableValues="%s"/>'
          '<feFuncB type="%s" tableValues="%s"/><feFuncA type="linear" slope="0" intercept="1"/></feComponentTransfer>'
          '<feGaussianBlur stdDeviation="0.6"/></filter>'
          % (fid, W + 32, H + 32, blur, nz, kind, tab[0], kind, tab[1], kind, tab[2]))
    doc.b('<use xlink:href="#height" filter="url(#%s)"%s/>' % (fid, '' if opacity == 1 else ' opacity="%s"' % opacity))


def grey(v):
    """A height as a grey: 0 is the datum, +1 the highest, -1 the lowest."""
    g = max(0, min(255, round(128 + 127 * v)))
    return '#%02x%02x%02x' % (g, g, g)


def mound(x, y, rx, ry, rot=0, kind='bump', opacity=1.0):
    """An oval rise (or hollow) on the height map. A unit circle scaled into place, because a
    bounding-box gradient on a turned ellipse gets a hard rim."""
    return '<circle r="1" fill="url(#%sU)"%s transform="translate(%s %s) rotate(%d) scale(%s %s)"/>' % (
        kind, '' if opacity == 1 else ' opacity="%.2f"' % opacity,
        fi(x), fi(y), rot, fi(rx), fi(ry))


def vignette(doc):
    doc.b('<rect width="%d" height="%d" fill="url(#vign)"/>' % (W, H))


# ---------------------------------------------------------------- buildings

class Mat:
    """A building material: colours of roofs (lit to shaded), south faces (top to foot),
    round bodies (lit side to shaded side), its outline and an optional face texture."""

    def __init__(self, doc, name, top, front, line='#1d1a17', round_=None, tex=None, tex_top=None):
        self.name, self.line, self.tex, self.tex_top = name, line, tex, tex_top
        self.top, self.front = top, front
        t0, t1 = top
        fr0, fr1 = front
        r0, r1 = round_ or (mix(t0, '#ffffff', 0.1), mix(fr1, '#000000', 0.35))
        doc.d('<linearGradient id="%s_t" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="%s"/>'
              '<stop offset="1" stop-color="%s"/></linearGradient>' % (name, t0, t1))
        doc.d('<linearGradient id="%s_f" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="%s"/>'
              '<stop offset="0.75" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
              % (name, fr0, fr1, mix(fr1, '#000000', 0.3)))
        doc.d('<linearGradient id="%s_r" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="%s"/>'
              '<stop offset="0.3" stop-color="%s"/><stop offset="0.75" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
              '</linearGradient>' % (name, mix(r0, r1, 0.25), r0, mix(r0, r1, 0.7), r1))
        doc.d('<radialGradient id="%s_c" cx="0.35" cy="0.35" r="0.75"><stop offset="0" stop-color="%s"/>'
              '<stop offset="1" stop-color="%s"/></radialGradient>' % (name, mix(t0, '#ffffff', 0.15), t1))


class Scene:
    """Things standing on the land: their soft shadows first, then the bodies back to front."""

    def __init__(self, doc, shade='#140c06', opacity=0.62):
        self.doc, self.shade, self.opacity = doc, shade, opacity
        self.shadows = []
        self.thin = []     # shadows of slim things, kept sharper
        self.ground = []   # pads, aprons, roads: drawn before the shadows
        self.body = []

    def g(self, s):
        self.body.append(s)

    # ---- shadows on the ground
    def shadow_box(self, x0, y0, x1, y1, h):
        dx, dy = h * SHX, h * SHY
        self.shadows.append('<path d="%s"/>' % poly([(x0, y0), (x1, y0), (x1 + dx, y0 + dy), (x1 + dx, y1 + dy),
                                                      (x0 + dx, y1 + dy), (x0, y1)]))

    def shadow_round(self, cx, cy, r, h):
        self.shadows.append('<path d="M%s %sL%s %s" stroke-width="%s" stroke-linecap="round"/>'
                            % (f(cx), f(cy), f(cx + h * SHX), f(cy + h * SHY), f(2 * r)))

    def shadow_spike(self, cx, cy, r, h):
        """A cone or a mast of base radius r and height h."""
        tx, ty = cx + h * SHX, cy + h * SHY
        a = math.atan2(ty - cy, tx - cx)
        self.shadows.append('<path d="M%s %s L%s %s L%s %s Z"/>' % (
            f(cx + r * math.cos(a + 1.57)), f(cy + r * math.sin(a + 1.57)), f(tx), f(ty),
            f(cx + r * math.cos(a - 1.57)), f(cy + r * math.sin(a - 1.57))))
        self.shadows.append('<circle cx="%s" cy="%s" r="%s"/>' % (f(cx), f(cy), f(r)))

    def shadow_disc(self, cx, cy, r, z, ry=None):
        """The shadow of something round held up at height z (a deck, a cloud)."""
        self.shadows.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % (f(cx + z * SHX), f(cy + z * SHY), f(r), f(ry or r)))

    def shadow_path(self, d):
        self.shadows.append('<path d="%s"/>' % d)

    # ---- bodies
    def box(self, m, x0, y0, x1, y1, h, z=0, top=True, front=True, lip=True, cast=True, top_fill=None):
        """A block standing at height z, its roof at z + h. Casts its shadow on the ground when z is 0."""
        if cast and z == 0:
            self.shadow_box(x0, y0, x1, y1, h)
        yt0, yt1, yb = y0 - z - h, y1 - z - h, y1 - z
        g = []
        if front and h > 0:
            g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="url(#%s_f)" stroke="%s" stroke-width="1"/>'
                     % (f(x0), f(yt1), f(x1 - x0), f(yb - yt1), m.name, m.line))
            if m.tex:
                g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="url(#%s)"/>'
                         % (f(x0 + 0.5), f(yt1), f(x1 - x0 - 1), f(yb - yt1 - 0.5), m.tex))
        if top:
            g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s" stroke="%s" stroke-width="1"/>'
                     % (f(x0), f(yt0), f(x1 - x0), f(yt1 - yt0), top_fill or 'url(#%s_t)' % m.name, m.line))
            if m.tex_top:
                g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="url(#%s)"/>'
                         % (f(x0 + 0.5), f(yt0 + 0.5), f(x1 - x0 - 1), f(yt1 - yt0 - 1), m.tex_top))
            if lip:
                # sunlit north and west edges, and the bright lip where roof meets wall
                g.append('<path d="M%s %s V%s H%s" fill="none" stroke="#fff" stroke-opacity="0.35" stroke-width="1"/>'
                         % (f(x0 + 1), f(yt1 - 1), f(yt0 + 1), f(x1 - 1)))
                g.append('<path d="M%s %s H%s" stroke="#fff" stroke-opacity="0.25" stroke-width="1"/>'
                         % (f(x0 + 1), f(yt1 + 1), f(x1 - 1)))
        self.body.extend(g)

    def cylinder(self, m, cx, cy, r, h, z=0, top=True, cast=True, top_fill=None):
        if cast and z == 0:
            self.shadow_round(cx, cy, r, h)
        yb, yt = cy - z, cy - z - h
        g = ['<path d="M%s %s V%s A%s %s 0 0 0 %s %s V%s Z" fill="url(#%s_r)" stroke="%s" stroke-width="1"/>'
             % (f(cx - r), f(yt), f(yb), f(r), f(r), f(cx + r), f(yb), f(yt), m.name, m.line)]
        if m.tex:
            g.append('<path d="M%s %s V%s A%s %s 0 0 0 %s %s V%s Z" fill="url(#%s)"/>'
                     % (f(cx - r), f(yt), f(yb), f(r), f(r), f(cx + r), f(yb), f(yt), m.tex))
        if top:
            g.append('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1"/>'
                     % (f(cx), f(yt), f(r), top_fill or 'url(#%s_c)' % m.name, m.line))
        self.body.extend(g)

    def cone(self, m, cx, cy, r, hb, ht, ribs=8):
        """A conical roof: base circle at height hb, tip at height ht."""
        yb, yt = cy - hb, cy - ht
        dy = yb - yt
        # tangent points from the tip to the base circle (the tip is above the circle's centre)
        if dy > r:
            s = r * r / dy
            ty = yb - s
            tx = math.sqrt(max(0, r * r - s * s))
            d = 'M%s %s L%s %s A%s %s 0 1 0 %s %s Z' % (f(cx), f(yt), f(cx + tx), f(ty), f(r), f(r), f(cx - tx), f(ty))
        else:
            d = 'M%s %s m%s 0 a%s %s 0 1 0 %s 0 a%s %s 0 1 0 %s 0' % (f(cx), f(yb), f(-r), f(r), f(r), f(2 * r), f(r), f(r), f(-2 * r))
        g = ['<path d="%s" fill="url(#%s_r)" stroke="%s" stroke-width="1"/>' % (d, m.name, m.line)]
        rib = ''.join('M%s %sL%s %s' % (f(cx), f(yt), f(cx + r * math.cos(a)), f(yb + r * math.sin(a)))
                      for a in [math.pi * (0.1 + 0.8 * k / (ribs - 1)) for k in range(ribs)])
        g.append('<path d="%s" stroke="%s" stroke-opacity="0.45" stroke-width="0.7"/>' % (rib, m.line))
        self.body.extend(g)

    def pyramid(self, m, x0, y0, x1, y1, hb, ht, z=0):
        """A hipped roof over a rectangle: four faces meeting at a ridge (or a point)."""
        cy = (y0 + y1) / 2
        inset = min(x1 - x0, y1 - y0) / 2
        rx0, rx1 = x0 + inset, x1 - inset
        top = lambda x, y, hh: (x, y - z - hh)
        A, B, C, D = top(x0, y0, hb), top(x1, y0, hb), top(x1, y1, hb), top(x0, y1, hb)
        R0, R1 = top(rx0, cy, ht), top(rx1, cy, ht)
        t0, t1 = m.top
        faces = [((A, B, R1, R0), mix(t0, '#ffffff', 0.12)),    # north: towards the light
                 ((A, R0, D), t0),                              # west
                 ((B, C, R1), mix(t1, '#000000', 0.2)),          # east
                 ((D, C, R1, R0), t1)]                           # south
        for pts, c in faces:
            self.body.append('<path d="%s" fill="%s" stroke="%s" stroke-width="1" stroke-linejoin="round"/>'
                             % (poly(pts), c, m.line))
        if m.tex_top:
            self.body.append('<path d="%s" fill="url(#%s)"/>' % (poly([A, B, C, D]), m.tex_top))

    def merlons(self, m, pts, z, size=3.2, gap=3.0, h=3.0):
        """Battlements: small blocks along a line of the wall top (at height z)."""
        g = []
        for (ax, ay), (bx, by) in zip(pts, pts[1:]):
            ln = math.hypot(bx - ax, by - ay)
            n = int(ln // (size + gap))
            for k in range(n + 1):
                t = min(1.0, k * (size + gap) / ln)
                x, y = ax + (bx - ax) * t, ay + (by - ay) * t
                g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="url(#%s_f)" stroke="%s" stroke-width="0.6"/>'
                         % (f(x - size / 2), f(y - z - h), f(size), f(h + size * 0.6), m.name, m.line))
                g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="url(#%s_t)" stroke="%s" stroke-width="0.6"/>'
                         % (f(x - size / 2), f(y - z - h - size * 0.6), f(size), f(size * 0.6), m.name, m.line))
        self.body.extend(g)

    def ring_merlons(self, m, cx, cy, r, z, n=10, size=2.8):
        g = []
        for k in range(n):
            a = 2 * math.pi * k / n
            x, y = cx + r * math.cos(a), cy - z + r * math.sin(a)
            g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="url(#%s_f)" stroke="%s" stroke-width="0.5"/>'
                     % (f(x - size / 2), f(y - size * 1.4), f(size), f(size * 1.4), m.name, m.line))
        # the far half first, so the near merlons hide it
        g.sort(key=lambda s: float(s.split('y="')[1].split('"')[0]))
        self.body.extend(g)

    def flag(self, cx, cy, z, h, colour, dark='#2a1a10'):
        self.shadows.append('<path d="M%s %sL%s %s" stroke-width="1.2"/>' % (f(cx), f(cy), f(cx + (z + h) * SHX), f(cy + (z + h) * SHY)))
        top = cy - z - h
        self.body.append('<path d="M%s %sV%s" stroke="%s" stroke-width="1.2"/>' % (f(cx), f(cy - z), f(top), dark))
        self.body.append('<path d="M%s %s c4 -2 8 2 12 0 v7 c-4 2 -8 -2 -12 0z" fill="%s" stroke="%s" stroke-width="0.6"/>'
                         % (f(cx), f(top), colour, dark))

    def emit(self, gid, blur='blur3', grain=0.22, seed=3):
        """Writes the scene. grain: strength of the weathering laid over the bodies."""
        doc = self.doc
        doc.once('grain', '<filter id="grain" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d" '
                 'color-interpolation-filters="sRGB">'
                 '<feTurbulence type="fractalNoise" baseFrequency="0.14" numOctaves="2" seed="%d"/>'
                 '<feColorMatrix type="matrix" values="1 0 0 0 0  1 0 0 0 0  1 0 0 0 0  0 0 0 0 1" result="n"/>'
                 '<feComposite in="SourceGraphic" in2="n" operator="arithmetic" k1="%s" k2="%s"/></filter>'
                 % (W, H, seed, f(grain * 2), f(1 - grain)))
        doc.b('<g id="%s">' % gid)
        doc.b('<g filter="url(#grain)">' + ''.join(self.ground) + '</g>')
        doc.b('<g fill="%s" stroke="%s" opacity="%s" filter="url(#%s)">%s</g>'
              % (self.shade, self.shade, self.opacity, blur, ''.join(self.shadows)))
        if self.thin:
            doc.b('<g fill="%s" stroke="%s" opacity="%s" filter="url(#blur1)">%s</g>'
                  % (self.shade, self.shade, self.opacity, ''.join(self.thin)))
        doc.b('<g filter="url(#grain)">' + ''.join(self.body) + '</g>')
        doc.b('</g>')


def pattern(doc, pid, w, h, content, rot=None):
    doc.once(pid, '<pattern id="%s" patternUnits="userSpaceOnUse" width="%s" height="%s"%s>%s</pattern>'
             % (pid, w, h, ' patternTransform="rotate(%s)"' % rot if rot else '', content))


def ramp(sc, x0, x1, y_face, h, y_low, fill, edge, line, treads='#000', side=None):
    """A ramp running south from a door h high in a south face (at y_face) down to the ground at y_low.
    side: the colour of its east flank, seen when it stands free of the wall."""
    sc.shadow_path(poly([(x1, y_face), (x1 + h * SHX, y_face + h * SHY), (x1 + 2, y_low), (x1, y_low)]))
    top, bot = y_face - h, y_low
    spread = (bot - top) / 20
    if side:
        sc.g('<path d="%s" fill="%s" stroke="%s" stroke-width="1"/>' % (poly([(x1, top), (x1 + spread, bot), (x1, y_face)]), side, line))
    sc.g('<path d="%s" fill="%s" stroke="%s" stroke-width="1.2"/>' % (poly([(x0, top), (x1, top), (x1 + spread, bot), (x0 - spread, bot)]), fill, line))
    n = int((bot - top) / 5)
    for i in range(1, n):
        y = top + i * (bot - top) / n
        t = (y - top) / (bot - top)
        sc.g('<path d="M%s %s H%s" stroke="%s" stroke-width="1" opacity="0.55"/>' % (f(x0 - spread * t + 1), f(y), f(x1 + spread * t - 1), treads))
    sc.g('<path d="M%s %s L%s %s M%s %s L%s %s" stroke="%s" stroke-width="1.6"/>'
         % (f(x0), f(top), f(x0 - spread), f(bot), f(x1), f(top), f(x1 + spread), f(bot), edge))


def pad(sc, cx, cy, r, ring, paint, surface='#3a3a3e', lights='#ffd060', letter=True, on_top=False):
    """A round landing pad set into the ground (or laid on a plinth: on_top), with its markings and lights."""
    g = sc.body if on_top else sc.ground
    g.append('<circle cx="%s" cy="%s" r="%s" fill="#000" opacity="0.35" filter="url(#blur2)"/>' % (f(cx + 1.5), f(cy + 1.5), f(r + 1)))
    g.append('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="2"/>' % (f(cx), f(cy), f(r), ring, '#1a1814'))
    g.append('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="#000" stroke-opacity="0.5"/>' % (f(cx), f(cy), f(r - 4), surface))
    g.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="1.6"/>' % (f(cx), f(cy), f(r - 7), paint))
    g.append('<path d="M%s %s a%s %s 0 0 1 %s %s" fill="none" stroke="#fff" stroke-opacity="0.25" stroke-width="1.5"/>'
             % (f(cx - r + 4.5), f(cy), f(r - 4.5), f(r - 4.5), f(r - 4.5), f(-(r - 4.5))))
    if letter:
        s = (r - 7) * 0.45
        g.append('<path d="M%s %s V%s M%s %s V%s M%s %s H%s" stroke="%s" stroke-width="%s" stroke-linecap="square"/>'
                 % (f(cx - s * 0.6), f(cy - s), f(cy + s), f(cx + s * 0.6), f(cy - s), f(cy + s), f(cx - s * 0.6), f(cy),
                    f(cx + s * 0.6), paint, f(max(1.6, s * 0.32))))
    for k in range(8):
        a = k * math.pi / 4
        g.append('<circle cx="%s" cy="%s" r="1.3" fill="%s"/>' % (f(cx + (r - 2) * math.cos(a)), f(cy + (r - 2) * math.sin(a)), lights))


def road(items, pts, width, fill, edge, ruts=None, opacity=1.0):
    d = catmull(pts, False)
    op = '' if opacity == 1 else ' opacity="%s"' % opacity
    items.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"%s/>'
                 % (d, edge, f(width + 3), op))
    items.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"%s/>'
                 % (d, fill, f(width), op))
    if ruts:
        for s in (-1, 1):
            items.append('<path d="%s" fill="none" stroke="%s" stroke-width="1.2" opacity="0.5" transform="translate(%s %s)"/>'
                         % (d, ruts, f(s * width * 0.2), f(s * width * 0.2)))
    return d


def glow(doc):
    doc.once('glow', '<radialGradient id="glow"><stop offset="0" stop-color="#fff"/><stop offset="0.3" stop-color="#ffe890"/>'
             '<stop offset="1" stop-color="#ffb030" stop-opacity="0"/></radialGradient>')


def fortress(sc, wall, tower, box, t=9, hw=16, shape='round', tr=12, ht=26, roof=None, roof_mat=None, roof_h=12,
             court='#6a5a48', inner=None, gate_w=14, door='#2a1a0e', merlon=True, tower_merlons=True, gate_mat=None, mid=False):
    """A walled square with a tower at each corner and a gate in the south wall.
    inner(sc) draws what stands in the courtyard; roof is None (battlements), 'cone', 'pyramid' or 'dome'."""
    x0, y0, x1, y1 = box
    gx = (x0 + x1) / 2
    sc.ground.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x0 + t), f(y0 + t), f(x1 - x0 - 2 * t), f(y1 - y0 - 2 * t), court))

    def twr(cx, cy):
        if shape == 'round':
            sc.cylinder(tower, cx, cy, tr, ht)
        else:
            sc.box(tower, cx - tr, cy - tr, cx + tr, cy + tr, ht)
        rm = roof_mat or tower
        if roof == 'cone':
            sc.shadow_spike(cx, cy, tr, ht + roof_h)
            sc.cone(rm, cx, cy, tr + 1.5, ht, ht + roof_h)
        elif roof == 'pyramid':
            sc.shadow_spike(cx, cy, tr, ht + roof_h)
            sc.pyramid(rm, cx - tr - 1.5, cy - tr - 1.5, cx + tr + 1.5, cy + tr + 1.5, ht, ht + roof_h)
        elif roof == 'dome':
            # a dome on the tower top: its base circle below, its crown rising roof_h above
            r = tr * 0.85
            yb = cy - ht
            sc.shadow_round(cx + ht * SHX, cy + ht * SHY, r, roof_h)
            sc.g('<path d="M%s %s A%s %s 0 0 0 %s %s A%s %s 0 0 0 %s %s Z" fill="url(#%s_c)" stroke="%s" stroke-width="1"/>'
                 % (f(cx - r), f(yb), f(r), f(r), f(cx + r), f(yb), f(r), f(roof_h + r * 0.3), f(cx - r), f(yb), rm.name, rm.line))
            sc.g('<path d="M%s %s A%s %s 0 0 1 %s %s" fill="none" stroke="#fff" stroke-opacity="0.4" stroke-width="1.2"/>'
                 % (f(cx - r * 0.6), f(yb - roof_h * 0.2), f(r * 0.6), f(roof_h * 0.8), f(cx - r * 0.05), f(yb - roof_h - r * 0.1)))
        if tower_merlons and roof in (None, 'dome'):
            if shape == 'round':
                sc.ring_merlons(tower, cx, cy, tr - 1.6, ht, n=max(8, int(tr * 0.9)))
            else:
                e = tr - 1.6
                sc.merlons(tower, [(cx - e, cy - e), (cx + e, cy - e), (cx + e, cy + e)], ht)
                sc.merlons(tower, [(cx - e, cy - e), (cx - e, cy + e), (cx + e, cy + e)], ht)

    sc.box(wall, x0, y0, x1, y0 + t, hw)
    if merlon:
        sc.merlons(wall, [(x0, y0 + 1.6), (x1, y0 + 1.6)], hw)
    if inner:
        inner(sc)
    sc.box(wall, x0, y0, x0 + t, y1, hw, front=False)
    sc.box(wall, x1 - t, y0, x1, y1, hw, front=False)
    if merlon:
        sc.merlons(wall, [(x0 + 1.6, y0), (x0 + 1.6, y1)], hw)
        sc.merlons(wall, [(x1 - 1.6, y0), (x1 - 1.6, y1)], hw)
    twr(x0, y0)
    twr(x1, y0)
    if mid:
        # flanking towers half way along the east and west walls
        twr(x0, (y0 + y1) / 2)
        twr(x1, (y0 + y1) / 2)
    gl, gr = gx - gate_w / 2 - 5, gx + gate_w / 2 + 5
    sc.box(wall, x0, y1 - t, gl, y1, hw)
    sc.box(wall, gr, y1 - t, x1, y1, hw)
    if merlon:
        sc.merlons(wall, [(x0, y1 - 1.6), (gl, y1 - 1.6)], hw)
        sc.merlons(wall, [(gr, y1 - 1.6), (x1, y1 - 1.6)], hw)
    # gatehouse: a taller block over the gate, the doors in its south face
    gm = gate_mat or wall
    sc.box(gm, gl, y1 - t - 3, gr, y1 + 2, hw + 6)
    sc.g('<path d="M%s %s V%s a%s %s 0 0 1 %s 0 V%s Z" fill="%s" stroke="%s" stroke-width="1"/>'
         % (f(gx - gate_w / 2), f(y1 + 2), f(y1 + 2 - hw + gate_w / 2), f(gate_w / 2), f(gate_w / 2), f(gate_w), f(y1 + 2), door, gm.line))
    sc.g('<path d="M%s %s V%s" stroke="#000" stroke-opacity="0.5" stroke-width="1"/>' % (f(gx), f(y1 + 2), f(y1 + 2 - hw + 2)))
    twr(x0, y1)
    twr(x1, y1)


def flatten(items, boxes, blur='blur5', level='#808080'):
    """Levels the height map under the buildings."""
    for x0, y0, x1, y1 in boxes:
        items.append('<rect x="%s" y="%s" width="%s" height="%s" rx="10" fill="%s" filter="url(#%s)"/>'
                     % (f(x0), f(y0), f(x1 - x0), f(y1 - y0), level, blur))


# ---------------------------------------------------------------- planets

def karot():
    """Brown badlands: terraced mesas, a dry river bed, scrub; an adobe market and a mud-brick fort."""
    doc = Doc(1101)
    common_defs(doc)
    rng = doc.rng
    hm, col = [], []
    road_a = [(150, 204), (205, 218), (262, 226), (330, 232), (380, 230), (432, 222)]
    road_b = [(262, 226), (238, 290), (214, 360), (236, 420), (222, 480), (246, 590)]
    wadi = meander(rng, [(-20, 300), (60, 286), (140, 300), (190, 372), (300, 410), (370, 330), (470, 300), (540, 250)], 16, 5)
    mesas = [(96, 410, 62, 0.9), (400, 400, 56, 1.0), (330, 540, 46, 0.8), (120, 270, 30, 0.7),
             (300, 110, 34, 0.85), (476, 292, 22, 0.6), (40, 520, 40, 0.9), (200, 60, 20, 0.6)]
    # low ground: gentle swells
    for _ in range(26):
        x, y, r = rng.uniform(0, W), rng.uniform(220, H), rng.uniform(20, 50)
        hm.append('<circle cx="%s" cy="%s" r="%s" fill="url(#%s)" opacity="0.12"/>' % (f(x), f(y), f(r), rng.choice(('bump', 'dent'))))
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="34" filter="url(#blur4)"/>' % (catmull(wadi, False), grey(-0.28)))
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="16" filter="url(#blur2)"/>' % (catmull(wadi, False), grey(-0.4)))
    for pts in (road_a, road_b):
        hm.append('<path d="%s" fill="none" stroke="#808080" stroke-width="20" filter="url(#blur3)"/>' % catmull(pts, False))
    # mesas: a talus apron, a cliff of thin strata, terraces stepping up off-centre
    shapes, cliffs = [], []
    for cx, cy, r, hgt in mesas:
        sx, rot = rng.uniform(1.0, 1.45), rng.uniform(0, 3.1)
        pts = blob_pts(rng, cx, cy, r, 26, 0.13, sx, 1.0, rot)
        shapes.append((cx, cy, r * sx, pts))
        hm.append('<path d="%s" fill="%s" filter="url(#blur5)" transform="translate(%s %s) scale(1.22)"/>'
                  % (catmull(pts, True, True), grey(0.12 * hgt), f(-cx * 0.22), f(-cy * 0.22)))
        ox, oy = rng.uniform(-0.3, 0.3) * r, rng.uniform(-0.3, 0.3) * r
        levels = [(i * 2.0, 0.12 + 0.055 * i) for i in range(7)] + [(r * 0.3, 0.56), (r * 0.32 + 2.5, 0.6), (r * 0.55, 0.66)]
        for inset, v in levels:
            lvl = []
            for x, y in pts:
                dx, dy = x - cx, y - cy
                dl = math.hypot(dx, dy) or 1
                k = max(0.05, 1 - inset / dl)
                sh = 1 - k
                lvl.append((cx + ox * sh + dx * k + rng.uniform(-1.2, 1.2), cy + oy * sh + dy * k + rng.uniform(-1.2, 1.2)))
            cliffs.append('<path d="%s" fill="%s"/>' % (catmull(lvl, True, True), grey(v * hgt)))
        # notches where gullies bite into the cliff
        for p in pts[::3]:
            a = math.atan2(p[1] - cy, p[0] - cx)
            cliffs.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                          % (f(p[0] - math.cos(a) * 3), f(p[1] - math.sin(a) * 3), f(rng.uniform(3, 6)), grey(0.1 * hgt)))
        hm.append('<g filter="url(#blur1)">' + ''.join(cliffs) + '</g>')
        cliffs = []
    flatten(hm, [(6, 70, 166, 222), (356, 84, 508, 224)])

    def clear(x, y, r):
        return not (in_box(x, y, TRADE_BOX, r + 6) or in_box(x, y, FORT_BOX, r + 8)
                    or seg_dist(x, y, road_a) < r + 12 or seg_dist(x, y, road_b) < r + 12)

    def mesa_dist(x, y):
        return min(math.hypot(x - cx, y - cy) - r for cx, cy, r, _ in shapes)

    # scrub: thick along the river bed and at the foot of the cliffs, sparse elsewhere
    bush, bumps = [], []
    for x, y in scatter(rng, 7, keep=lambda x, y: clear(x, y, 4)):
        dw, dm = seg_dist(x, y, wadi), mesa_dist(x, y)
        if dm < 6 or dw < 9:
            continue
        p = 0.5 * math.exp(-((dw - 16) / 12) ** 2) + 0.3 * math.exp(-((dm - 16) / 10) ** 2) + 0.02
        if rng.random() > p:
            continue
        for _ in range(rng.randint(1, 3)):
            bx, by, r = x + rng.uniform(-3, 3), y + rng.uniform(-3, 3), rng.uniform(1.6, 3.4)
            c = rng.choice(('#5a5a28', '#6a6830', '#4e4c22', '#76703a', '#5e4a24'))
            bush.append((c, '<circle cx="%s" cy="%s" r="%s"/>' % (f(bx), f(by), f(r))))
            bumps.append('<circle cx="%s" cy="%s" r="%s"/>' % (fi(bx), fi(by), f(r * 1.3)))
    rocks, stones = [], []
    for x, y in scatter(rng, 12, keep=lambda x, y: clear(x, y, 5)):
        dm = mesa_dist(x, y)
        if dm < 4 or rng.random() > 0.45 * math.exp(-((dm - 12) / 14) ** 2) + 0.02:
            continue
        r = rng.uniform(1.8, 5)
        pts = blob_pts(rng, x, y, r, 6, 0.35)
        rocks.append((rng.choice(('#9a6a44', '#b08058', '#8a5a38', '#c09468')), '<path d="%s"/>' % catmull(pts, True)))
        stones.append('<circle cx="%s" cy="%s" r="%s"/>' % (fi(x), fi(y), f(r)))
    hm.append('<g fill="url(#bump)" fill-opacity="0.6">' + ''.join(bumps) + '</g>')
    hm.append('<g fill="%s">%s</g>' % (grey(0.45), ''.join(stones)))

    noise_paint(doc, 'base', '#6e4426', '#b8824e', 0.012, 11, 4, gain=2.2)
    noise_paint(doc, 'varnish', '#4a2a16', '#6a3c20', 0.02, 12, 3, alpha=(3.2, -1.7), opacity=0.55)
    noise_paint(doc, 'ochre', '#c89050', '#d8a464', 0.035, 13, 3, alpha=(3.0, -1.6), opacity=0.35)

    def strata(v):
        if v < 0.57:
            return mix('#3e2412', '#6e4628', v / 0.57)
        if v < 0.86:
            k = int((v - 0.57) / 0.022)
            return ('#8a4a2a', '#c8905a', '#7a3e22', '#d8a870', '#a2582e', '#e4bc86', '#b06a3a', '#f0cc98',
                    '#8e4a28', '#cc965e', '#b87444', '#e0b47e', '#9a5a36', '#d0a06c')[k % 14]
        return mix('#a87a50', '#c49a6c', (v - 0.86) / 0.14)
    banded(doc, 'strata', strata, blur=0.6, noise=(0.05, 0.03, 5), opacity=0.8)
    # the dry river bed: pale sand with a darker thread where the water last ran
    wd = catmull(wadi, False)
    doc.b('<path d="%s" fill="none" stroke="#c09868" stroke-width="26" opacity="0.75" filter="url(#blur3)"/>' % wd)
    doc.b('<path d="%s" fill="none" stroke="#e0c494" stroke-width="13" opacity="0.75" filter="url(#blur2)"/>' % wd)
    doc.b('<path d="%s" fill="none" stroke="#7a5634" stroke-width="1.6" opacity="0.5" transform="translate(3 1)"/>' % catmull(meander(rng, wadi, 10, 3), False))
    for x, y in densify(wadi, 5):
        if rng.random() < 0.5:
            doc.b('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(x + rng.uniform(-9, 9)), f(y + rng.uniform(-9, 9)),
                                                                f(rng.uniform(0.8, 1.8)), rng.choice(('#f0dcb0', '#8a6a4a', '#b8946a'))))
    road(col, road_a, 8, '#a88358', '#6a4a2e', ruts='#6a4a2c', opacity=0.9)
    road(col, road_b, 7, '#a88358', '#6a4a2e', ruts='#6a4a2c', opacity=0.9)
    speckle(doc, 'grit1', '#d0a474', 0.4, 16, 0.7, 0.45)
    speckle(doc, 'grit2', '#4a2a14', 0.45, 17, 0.69, 0.45)
    doc.b(''.join(col) + by_fill(bush) + by_fill(rocks))
    relief(doc, hm, strength=10, blur=1.0, noise=(0.07, 0.1, 3, 5), shadow=(5, 3.5, 1.6), elev=38)
    karot_buildings(doc)
    vignette(doc)
    doc.write('surface_karot.svg', 'Karot: brown badlands with an adobe market and a mud-brick fort')


def karot_buildings(doc):
    sc = Scene(doc, shade='#2a1206', opacity=0.55)
    pattern(doc, 'adobe', 10, 6, '<path d="M0 0.5H10M0 3.5H10M3 0.5V3.5M8 3.5V6.5" stroke="#4a2a14" stroke-opacity="0.35" stroke-width="0.7"/>')
    pattern(doc, 'flags', 16, 12, '<rect width="16" height="12" fill="#c8a47a"/><path d="M0 0.5H16M0 6.5H16M0.5 0V6M8.5 6V12" '
            'stroke="#6a4a2a" stroke-width="1"/><rect x="9" y="1" width="6" height="5" fill="#d8b88a"/><rect x="1" y="7" width="6" height="5" fill="#b8926a"/>')
    clay = Mat(doc, 'clay', ('#e4b47a', '#b47a48'), ('#c0804a', '#8a5230'), line='#3a1e0c', tex='adobe')
    clayd = Mat(doc, 'clayd', ('#d09a64', '#9a6236'), ('#a86a3c', '#744020'), line='#3a1e0c', tex='adobe')
    wood = Mat(doc, 'woodk', ('#a67a4e', '#6a4628'), ('#7a5232', '#4a2e18'), line='#24160a')
    Mat(doc, 'canvas', ('#f0e4c8', '#c8b48c'), ('#d8c8a4', '#a89470'), line='#4a3a24')  # the awnings
    # trade centre: a flagstone market square; the adobe hall stands to the east, the pad and the
    # stalls to the west, the ramp runs down from its doors into the square
    sc.ground.append('<rect x="12" y="100" width="146" height="112" rx="3" fill="url(#flags)" stroke="#4a2c16" stroke-width="1.5"/>')
    sc.ground.append('<rect x="12" y="100" width="146" height="112" rx="3" fill="none" stroke="#f0d8b0" stroke-opacity="0.35" stroke-width="1" transform="translate(1 1)"/>')
    pad(sc, 40, 186, 21, '#d8c8a8', '#f4f0e4', surface='#8a6a4a', lights='#fff4c0')
    sc.box(clay, 64, 112, 152, 156, 30)
    # roof: parapet round a sunken roof court with beams, a wind tower, a water tank
    sc.g('<rect x="69" y="86" width="78" height="34" fill="#a8703e" stroke="#3a1e0c" stroke-width="0.8"/>')
    sc.g('<path d="M69 120 V86 H147" fill="none" stroke="#4a2810" stroke-opacity="0.6" stroke-width="2"/>')
    for k in range(5):
        sc.g('<path d="M%d 87 V119" stroke="#6a4226" stroke-width="1.2" opacity="0.6"/>' % (78 + k * 14))
    sc.g('<path d="M134 118 l9 6 h8 v-14 z" fill="#000" opacity="0.3"/>')
    sc.box(clayd, 134, 116, 146, 126, 12, z=30, cast=False)
    sc.g('<path d="M136 77 h8 M136 80 h8" stroke="#3a1e0c" stroke-width="1.2"/>')
    sc.g('<circle cx="84" cy="98" r="7" fill="#000" opacity="0.3"/>')
    sc.cylinder(Mat(doc, 'tankk', ('#d8d4cc', '#8a867e'), ('#c8c4bc', '#7a766e'), line='#2a2620'), 80, 130, 7, 6, z=30, cast=False)
    for x in (70, 142):
        sc.g('<rect x="%d" y="134" width="6" height="9" rx="3" fill="#2a1408"/>' % x)
    sc.g('<rect x="94" y="132" width="24" height="20" rx="2" fill="#2a1408" stroke="#3a1e0c"/>')
    ramp(sc, 94, 118, 156, 8, 192, '#c89464', '#e8c498', '#3a1e0c', treads='#7a5030')
    # striped market awnings on posts
    for x0, y0, c in ((16, 110, '#b8321e'), (38, 110, '#2a6a9a'), (16, 134, '#d09a1e')):
        sc.shadow_box(x0, y0, x0 + 18, y0 + 16, 10)
        sc.g('<rect x="%d" y="%d" width="18" height="16" fill="url(#canvas_t)" stroke="#4a3a24" stroke-width="1"/>' % (x0, y0 - 10))
        sc.g('<path d="M%d %d V%d M%d %d V%d M%d %d V%d" stroke="%s" stroke-width="3"/>'
             % (x0 + 3, y0 - 10, y0 + 6, x0 + 9, y0 - 10, y0 + 6, x0 + 15, y0 - 10, y0 + 6, c))
        sc.g('<path d="M%d %d V%d M%d %d V%d" stroke="#3a2614" stroke-width="1.2"/>' % (x0 + 1, y0 + 6, y0 + 16, x0 + 17, y0 + 6, y0 + 16))
    # crates and clay jars by the ramp
    for x, y, s_ in ((124, 164, 10), (136, 164, 10), (124, 176, 10), (146, 172, 8)):
        sc.box(wood, x, y, x + s_, y + s_, s_ * 0.8)
        sc.g('<path d="M%s %s l%s %s M%s %s l%s %s" stroke="#3a2412" stroke-width="0.7" opacity="0.7"/>'
             % (f(x), f(y - s_ * 0.8), s_, s_, f(x + s_), f(y - s_ * 0.8), -s_, s_))
    for x, y in ((128, 196), (136, 200), (146, 194), (150, 204), (70, 172), (78, 176)):
        sc.cylinder(clayd, x, y, 3.6, 6)
        sc.g('<circle cx="%d" cy="%d" r="1.6" fill="#2a1408"/>' % (x, y - 6))
    # fortress: rammed-earth walls, square towers, a tall keep, a dry ditch
    sc.ground.append('<rect x="370" y="118" width="126" height="94" rx="4" fill="none" stroke="#3e2210" stroke-width="7" opacity="0.7"/>')
    sc.ground.append('<rect x="370" y="118" width="126" height="94" rx="4" fill="none" stroke="#c89a6a" stroke-width="1" opacity="0.6" transform="translate(2 2)"/>')
    pattern(doc, 'yard', 8, 8, '<rect width="8" height="8" fill="#a27446"/><circle cx="2" cy="3" r="1" fill="#8a5e36"/><circle cx="6" cy="6" r="0.8" fill="#c08c5a"/>')
    fm = Mat(doc, 'ram', ('#d29a62', '#a0643a'), ('#b0703e', '#7a4624'), line='#2e1608', tex='adobe')
    ft = Mat(doc, 'ramt', ('#dca872', '#a86c40'), ('#ba7a46', '#80482a'), line='#2e1608', tex='adobe')

    def inner(sc):
        sc.box(wood, 386, 144, 396, 176, 7)       # stables along the west wall
        sc.box(ft, 414, 138, 452, 172, 36)         # the keep
        sc.g('<rect x="418" y="105" width="30" height="26" fill="#8a5430" stroke="#2e1608" stroke-width="0.8"/>')
        sc.merlons(ft, [(415.5, 139.5), (450.5, 139.5), (450.5, 170.5)], 36)
        sc.merlons(ft, [(415.5, 139.5), (415.5, 170.5), (450.5, 170.5)], 36)
        for x in (422, 432, 442):
            sc.g('<rect x="%d" y="146" width="3" height="6" fill="#1a0a04"/>' % x)
            sc.g('<rect x="%d" y="158" width="3" height="6" fill="#1a0a04"/>' % x)
        sc.flag(433, 152, 36, 16, '#d02a1a')
    fortress(sc, fm, ft, (376, 126, 490, 206), t=8, hw=16, shape='square', tr=10, ht=26, court='url(#yard)', inner=inner,
             door='#3a2010', mid=True)
    sc.emit('buildings')


def crown_defs(doc, rng, name, n, core, lobes):
    """n lobed crown shapes for trees and shrubs, unit size about `core` * 1.6."""
    for k in range(n):
        g = []
        for j in range(lobes + 2):
            a = 2 * math.pi * j / (lobes + 2) + rng.uniform(-0.3, 0.3)
            d = core * rng.uniform(0.5, 0.75)
            g.append('<circle cx="%s" cy="%s" r="%s"/>' % (f(math.cos(a) * d), f(math.sin(a) * d), f(core * rng.uniform(0.6, 0.85))))
        doc.d('<g id="%s%d"><circle r="%s"/>%s</g>' % (name, k, f(core), ''.join(g)))


def pardonolia():
    """Large and green: rainforest canopy, a broad brown river with sandbars, a timber market in a
    clearing, a log stockade; a plank bridge carries the road over the river."""
    doc = Doc(2202)
    common_defs(doc)
    rng = doc.rng
    hm, col = [], []
    river = meander(rng, spline([(300, -20), (262, 60), (262, 140), (240, 222), (282, 296), (336, 334), (300, 392),
                                 (206, 412), (176, 470), (230, 530), (250, 600)], 8), 10, 1.5)
    road_a = [(152, 196), (196, 214), (236, 222), (280, 226), (330, 226), (392, 222), (432, 218)]
    road_b = [(330, 226), (372, 262), (420, 300), (452, 360), (462, 440), (500, 520), (530, 580)]
    glades = [(70, 330, 46), (120, 520, 40), (420, 470, 34)]

    def near_road(x, y, m):
        return seg_dist(x, y, road_a) < m or seg_dist(x, y, road_b) < m

    # clearings, glades and the river valley on the height map
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="58" filter="url(#blur5)"/>' % (catmull(river, False, True), grey(-0.25)))
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="34" filter="url(#blur2)"/>' % (catmull(river, False, True), grey(-0.45)))
    for pts in (road_a, road_b):
        hm.append('<path d="%s" fill="none" stroke="#808080" stroke-width="16" filter="url(#blur2)"/>' % catmull(pts, False, True))
    flatten(hm, [(4, 68, 168, 224), (356, 84, 510, 226)])
    # the forest floor and the open ground
    noise_paint(doc, 'floor', '#0e2a0c', '#2e5418', 0.02, 21, 3)
    for cx, cy, r in glades:
        doc.b('<path d="%s" fill="#5a8a2e" filter="url(#blur4)"/>' % blob(rng, cx, cy, r, 12, 0.25, 1.3))
        doc.b('<path d="%s" fill="#7aa840" opacity="0.6" filter="url(#blur3)"/>' % blob(rng, cx - 4, cy - 4, r * 0.6, 10, 0.3, 1.3))
    doc.b('<path d="%s" fill="#6a7a34" filter="url(#blur4)"/>' % blob(rng, 86, 150, 92, 16, 0.1, 1.0, 0.88))
    doc.b('<path d="%s" fill="#5e7030" filter="url(#blur4)"/>' % blob(rng, 432, 158, 86, 16, 0.1, 1.0, 0.9))
    noise_paint(doc, 'grassmix', '#4a6a24', '#8aa048', 0.05, 23, 3, alpha=(2.2, -1.0), opacity=0.35)
    # muddy banks
    doc.b('<path d="%s" fill="none" stroke="#4a3a1e" stroke-width="46" stroke-linecap="round" filter="url(#blur3)"/>' % catmull(river, False, True))
    doc.b('<path d="%s" fill="none" stroke="#8a7446" stroke-width="38" stroke-linecap="round" filter="url(#blur1)"/>' % catmull(river, False, True))
    road(col, road_a, 9, '#9a7a4a', '#5a4424', ruts='#5a4022', opacity=0.95)
    road(col, road_b, 7, '#8a6c40', '#4e3a1e', ruts='#4a3418', opacity=0.9)
    doc.b(''.join(col))

    # canopy: lobed crowns, painted in many greens and raised on the height map
    for k in range(4):
        lobes = []
        for j in range(5):
            a = 2 * math.pi * j / 5 + rng.uniform(-0.3, 0.3)
            d = rng.uniform(3.5, 5)
            lobes.append('<circle cx="%s" cy="%s" r="%s"/>' % (f(math.cos(a) * d), f(math.sin(a) * d), f(rng.uniform(4.5, 6))))
        doc.d('<g id="crown%d"><circle r="7"/>%s</g>' % (k, ''.join(lobes)))
    greens = ('#347a20', '#428a26', '#529a2c', '#2e6a1c', '#62a832', '#46802a', '#74b63a', '#2a5e1c', '#568c28', '#3c8a34')
    blooms = ('#c89a3a', '#b86a6a', '#c8b048', '#a8c040')
    free = lambda x, y: (seg_dist(x, y, river) > 24 and math.hypot(x - 86, (y - 150) * 1.1) > 86
                         and math.hypot(x - 432, (y - 158) * 1.1) > 80 and not near_road(x, y, 14)
                         and all(math.hypot(x - gx, (y - gy) * 1.2) > gr * 0.9 for gx, gy, gr in glades))
    crowns = []
    for x, y in scatter(rng, 11, keep=free):
        s = rng.uniform(0.85, 1.25)
        crowns.append((y, x, s, rng.randrange(4)))
    for x, y in scatter(rng, 40, keep=free):
        if rng.random() < 0.5:
            crowns.append((y + 0.5, x, rng.uniform(1.7, 2.1), rng.randrange(4)))
    crowns.sort()
    paint, raise_ = [], []
    for y, x, s, k in crowns:
        c = rng.choice(blooms) if rng.random() < 0.02 else rng.choice(greens)
        if s > 1.5:
            c = mix(c, '#9ac850', 0.25)
        t = 'translate(%s %s) scale(%s) rotate(%d)' % (fi(x), fi(y), '%.2f' % s, rng.randrange(0, 360, 30))
        paint.append('<use xlink:href="#crown%d" transform="%s" fill="%s"/>' % (k, t, c))
        raise_.append('<use xlink:href="#crown%d" transform="%s"/>' % (k, t))
    doc.b(''.join(paint))
    hm.append('<g fill="url(#bump)">' + ''.join(raise_) + '</g>')
    relief(doc, hm, strength=9, blur=0.8, noise=(0.12, 0.1, 2, 7), shadow=(4, 2.6, 1.2), elev=40)

    # the river: brown-green water, darker and greener where it runs deep, light on the ripples
    rd = catmull(river, False, True)
    outline = catmull(banks(river, lambda i, n: 30 + 8 * math.sin(i * 0.45) + 5 * math.sin(i * 1.3)), True, True)
    doc.d('<clipPath id="riverclip"><path d="%s"/></clipPath>' % outline)
    doc.b('<path d="%s" fill="#5a4a26" stroke="#3a2e16" stroke-width="2" filter="url(#blur1)"/>' % outline)
    doc.b('<g clip-path="url(#riverclip)"><path d="%s" fill="#6a7440"/>'
          '<path d="%s" fill="none" stroke="#3a5a3c" stroke-width="24" stroke-linecap="round" filter="url(#blur3)"/>'
          '<path d="%s" fill="none" stroke="#25402e" stroke-width="12" stroke-linecap="round" filter="url(#blur3)"/>'
          '<path d="%s" fill="none" stroke="#0e1a0c" stroke-width="10" opacity="0.45" filter="url(#blur3)" transform="translate(-13 -9)"/>'
          % (outline, rd, rd, outline))
    doc.b('<path d="%s" fill="none" stroke="#a8c0a0" stroke-width="5" opacity="0.35" filter="url(#blur2)" transform="translate(-6 -4)"/>' % rd)
    for i in range(3, len(river) - 3, 2):
        x, y = river[i]
        (ax, ay), (bx, by) = river[i - 1], river[i + 1]
        a = math.degrees(math.atan2(by - ay, bx - ax))
        off = rng.uniform(-9, 9)
        doc.b('<path d="M-4 0 q4 -1.6 8 0" fill="none" stroke="#e0ecd0" stroke-width="0.9" opacity="%s" '
              'transform="translate(%s %s) rotate(%d) translate(0 %s)"/>' % (f(rng.uniform(0.2, 0.5)), f(x), f(y), a, f(off)))
    doc.b('</g>')
    # mist over the water
    for x, y in river[3::7]:
        doc.b('<ellipse cx="%s" cy="%s" rx="%d" ry="%d" fill="#f0f4f0" opacity="0.16" filter="url(#blur4)"/>'
              % (fi(x + rng.uniform(-10, 10)), fi(y), rng.randint(20, 34), rng.randint(8, 12)))
    bx, by = min(river, key=lambda q: seg_dist(q[0], q[1], road_a))
    pardonolia_buildings(doc, (bx, by))
    vignette(doc)
    doc.write('surface_pardonolia.svg', 'Pardonolia: rainforest and a broad river, a timber market and a log stockade')


def pardonolia_buildings(doc, bridge):
    sc = Scene(doc, shade='#061404', opacity=0.62)
    pattern(doc, 'planks', 6, 30, '<rect width="6" height="30" fill="#8a6234"/><path d="M0.5 0V30" stroke="#3a2410" stroke-width="1"/>'
            '<path d="M3 8V14" stroke="#b08850" stroke-width="0.6"/>')
    pattern(doc, 'logs', 5, 20, '<rect width="5" height="20" fill="none"/><path d="M0.5 0V20" stroke="#2a1a0a" stroke-opacity="0.55" stroke-width="1"/>'
            '<path d="M2.5 0V20" stroke="#d0a870" stroke-opacity="0.25" stroke-width="1"/>')
    pattern(doc, 'seams', 7, 10, '<path d="M0.5 0V10" stroke="#1a3a30" stroke-opacity="0.5" stroke-width="1"/>'
            '<path d="M1.5 0V10" stroke="#c8f0d8" stroke-opacity="0.3" stroke-width="0.6"/>')
    pattern(doc, 'thatch', 5, 4, '<path d="M0 1 q1.2 2 2.5 0 q1.2 2 2.5 0 M-2.5 3 q1.2 2 2.5 0 q1.2 2 2.5 0 q1.2 2 2.5 0" fill="none" '
            'stroke="#5a4010" stroke-opacity="0.45" stroke-width="0.6"/>')
    timber = Mat(doc, 'timber', ('#a2743e', '#6e4a22'), ('#8a5e30', '#5a3a1a'), line='#21140a', tex='logs')
    copper = Mat(doc, 'copper', ('#7ac8a4', '#3a8a6c'), ('#5aa88a', '#2a6a52'), line='#143a2c', tex_top='seams')
    stone = Mat(doc, 'mossy', ('#9aa08a', '#5a6250'), ('#7a8070', '#4a5042'), line='#1e2218')
    thatch = Mat(doc, 'thatch', ('#d8b45a', '#9a7a2e'), ('#b8943e', '#7a5a20'), line='#3a2a0e', tex_top='thatch')
    # trade centre: stone plinth, a timber hall under a copper roof, a plank ramp, a timber landing deck
    sc.ground.append('<path d="M12 100 H154 V212 H12 Z" fill="#8a7a5a" stroke="#2a2414" stroke-width="1.4"/>')
    pattern(doc, 'cobble', 9, 9, '<rect width="9" height="9" fill="#8a8470"/><path d="M0 4.5H9M4.5 0V4.5M0 4.5V9" stroke="#3a3a2a" stroke-opacity="0.45" stroke-width="0.8"/>')
    sc.ground.append('<path d="M14 102 H152 V210 H14 Z" fill="url(#cobble)"/>')
    sc.box(stone, 18, 108, 108, 160, 6)
    sc.box(timber, 22, 112, 104, 156, 22, z=6, cast=False)
    sc.shadow_box(18, 108, 108, 160, 40)
    sc.pyramid(copper, 19, 110, 107, 158, 28, 44)
    sc.g('<path d="M40 %s H86" stroke="#e0fff0" stroke-opacity="0.5" stroke-width="1"/>' % f(134 - 44))
    # dormer-like skylights on the south slope
    for x in (34, 56, 78):
        sc.g('<path d="M%d 120 h10 v6 h-10 z" fill="#cfe8f0" stroke="#143a2c" stroke-width="0.8"/>' % x)
        sc.g('<path d="M%d 120 l4 0 l-3 6 h-1 z" fill="#fff" opacity="0.6"/>' % (x + 1))
    sc.g('<rect x="52" y="136" width="22" height="14" fill="#24160a" stroke="#21140a"/>')
    ramp(sc, 50, 76, 156, 8, 190, 'url(#planks)', '#5a3a1a', '#21140a', treads='#3a2410')
    # timber landing deck on posts
    sc.shadow_round(130, 184, 23, 5)
    sc.g('<circle cx="130" cy="181" r="23" fill="url(#planks)" stroke="#21140a" stroke-width="1.4"/>')
    sc.g('<path d="M107 181 a23 23 0 0 0 46 0 v3 a23 23 0 0 1 -46 0 z" fill="#4a3018" stroke="#21140a"/>')
    sc.g('<circle cx="130" cy="181" r="16" fill="none" stroke="#f0e0a0" stroke-width="2"/>')
    sc.g('<path d="M124 174 V188 M136 174 V188 M124 181 H136" stroke="#f0e0a0" stroke-width="2.6"/>')
    for k in range(8):
        a = k * math.pi / 4
        sc.g('<circle cx="%s" cy="%s" r="1.4" fill="#ffe080"/>' % (f(130 + 20 * math.cos(a)), f(181 + 20 * math.sin(a))))
    # fruit crates and sacks by the deck
    for x, y, c in ((114, 108, '#d84a2a'), (126, 108, '#e8b030'), (138, 108, '#7ab030'), (114, 122, '#e8b030'), (126, 122, '#c83a5a')):
        sc.box(timber, x, y, x + 11, y + 10, 7)
        sc.g('<rect x="%d" y="%d" width="9" height="8" fill="%s" opacity="0.9"/>' % (x + 1, y - 6, c))
        sc.g('<path d="M%d %d h9 M%d %d h9" stroke="#fff" stroke-opacity="0.35" stroke-width="1" stroke-dasharray="1.5 1.5"/>' % (x + 1, y - 4, x + 1, y - 1))
    for x, y in ((146, 130), (142, 140), (150, 142)):
        sc.g('<ellipse cx="%d" cy="%d" rx="5" ry="4" fill="#c8b080" stroke="#4a3a20" stroke-width="0.8"/>' % (x, y))
    # fortress: a log stockade on a stone footing, log towers with thatched roofs, a longhouse
    sc.ground.append('<rect x="368" y="118" width="130" height="96" rx="10" fill="none" stroke="#2a2a14" stroke-width="9" opacity="0.75"/>')
    sc.ground.append('<rect x="368" y="118" width="130" height="96" rx="10" fill="none" stroke="#4a5a3a" stroke-width="5"/>')
    pattern(doc, 'earth', 7, 7, '<rect width="7" height="7" fill="#6a5634"/><circle cx="2" cy="2" r="1" fill="#4a3a20"/><circle cx="5" cy="5" r="0.8" fill="#8a7444"/>')
    pal = Mat(doc, 'palisade', ('#8a6434', '#5a3e1c'), ('#7a5228', '#4a3014'), line='#1e1206', tex='logs')
    twr = Mat(doc, 'logtower', ('#9a6e3a', '#5e3e1c'), ('#845a2e', '#4e3216'), line='#1e1206', tex='logs')

    def inner(sc):
        sc.box(timber, 410, 146, 456, 170, 12)
        sc.pyramid(thatch, 408, 144, 458, 172, 12, 26)
        sc.box(pal, 386, 150, 400, 174, 8)
        sc.g('<rect x="386" y="%d" width="14" height="24" fill="url(#thatch_t)" stroke="#3a2a0e" stroke-width="0.8"/>' % (150 - 8))
        sc.flag(433, 158, 26, 14, '#c82a1a')
    fortress(sc, pal, twr, (378, 128, 488, 206), t=6, hw=16, shape='square', tr=10, ht=24, roof='pyramid', roof_mat=thatch,
             roof_h=12, court='url(#earth)', inner=inner, merlon=False, door='#3a2410', gate_w=12)
    # plank bridge where the road crosses the river
    bx, by = bridge
    x0, x1, y0, y1 = bx - 28, bx + 28, by - 7, by + 7
    sc.box(timber, x0, y0, x1, y1, 5, top_fill='url(#planks)')
    pattern(doc, 'deck', 4, 10, '<rect width="4" height="10" fill="#9a7444"/><path d="M0.5 0V10" stroke="#3a2410" stroke-width="0.9"/>')
    sc.g('<rect x="%s" y="%s" width="%s" height="%s" fill="url(#deck)" stroke="#21140a"/>' % (f(x0), f(y0 - 5), f(x1 - x0), f(y1 - y0)))
    for yy in (y0 - 5, y1 - 5):
        sc.g('<path d="M%s %s H%s" stroke="#5a3a1a" stroke-width="2"/>' % (f(x0 + 2), f(yy), f(x1 - 2)))
        sc.g('<path d="M%s %s H%s" stroke="#c8a060" stroke-width="0.8" opacity="0.7"/>' % (f(x0 + 2), f(yy - 1), f(x1 - 2)))
    # sharpened log tips along the wall tops
    for x0, y0, x1, y1 in ((378, 128, 488, 128), (378, 206, 488, 206)):
        sc.g('<path d="M%d %d H%d" stroke="#c8a060" stroke-width="1.6" stroke-dasharray="1.6 2.4" opacity="0.8"/>' % (x0 + 10, y0 - 16 + 1, x1 - 10))
    sc.emit('buildings')


def water(doc, cid, outline, centre, shallow, deep, shore, shine='#e8f0e0', depth_w=16):
    """Open water inside an outline: a muddy shore line, shallow edges, a deep middle along centre lines."""
    doc.d('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, outline))
    doc.b('<path d="%s" fill="%s" stroke="%s" stroke-width="3" stroke-linejoin="round" filter="url(#blur1)"/>' % (outline, shore, shore))
    g = ['<path d="%s" fill="%s"/>' % (outline, shallow)]
    for c in centre:
        g.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" filter="url(#blur4)"/>' % (c, deep, depth_w))
    # the north-west bank shades the water beside it; the sky brightens the middle
    g.append('<path d="%s" fill="none" stroke="#000" stroke-width="8" opacity="0.3" filter="url(#blur3)" transform="translate(-5 -4)"/>' % outline)
    for c in centre:
        g.append('<path d="%s" fill="none" stroke="%s" stroke-width="4" opacity="0.25" filter="url(#blur2)" transform="translate(-3 -3)"/>' % (c, shine))
    doc.b('<g clip-path="url(#%s)">%s</g>' % (cid, ''.join(g)))


def ripples(doc, rng, pts, spread, colour='#e0ecd0', every=2, size=4):
    g = []
    for i in range(2, len(pts) - 2, every):
        x, y = pts[i]
        (ax, ay), (bx, by) = pts[i - 1], pts[i + 1]
        a = math.degrees(math.atan2(by - ay, bx - ax))
        g.append('<path d="M%s 0 q%s %s %s 0" transform="translate(%s %s) rotate(%d) translate(0 %s)" opacity="%s"/>'
                 % (f(-size), f(size), f(-size * 0.4), f(2 * size), fi(x), fi(y), a, f(rng.uniform(-spread, spread)), f(rng.uniform(0.2, 0.5))))
    doc.b('<g fill="none" stroke="%s" stroke-width="0.9">%s</g>' % (colour, ''.join(g)))


def pasim():
    """Olive steppe and marsh: a slow looping river with an oxbow, reed beds, pools and tussocks;
    a corrugated store on a concrete plinth, a stone fort in a moat."""
    doc = Doc(3303)
    common_defs(doc)
    rng = doc.rng
    hm, col = [], []
    river = meander(rng, spline([(-20, 330), (50, 300), (120, 330), (150, 400), (230, 420), (290, 360), (350, 330),
                                 (400, 380), (380, 450), (430, 500), (520, 490)], 7), 9, 1.2)
    oxbow = spline([(120, 250), (170, 236), (200, 262), (186, 300), (150, 292)], 6)
    pools = [(300, 470, 18, 1.5, 0.3), (80, 460, 22, 1.3, -0.4), (250, 290, 12, 1.4, 0.8), (460, 300, 16, 1.2, 0.2),
             (60, 560, 24, 1.4, 0.1), (330, 540, 14, 1.6, 0.5)]
    road_a = [(152, 194), (200, 214), (260, 222), (330, 222), (390, 224), (432, 226)]
    road_b = [(200, 214), (206, 260), (250, 300), (320, 300), (356, 290), (440, 280), (530, 276)]

    def near_water(x, y, m):
        return (seg_dist(x, y, river) < m + 12 or seg_dist(x, y, oxbow) < m + 6
                or any(math.hypot((x - px) / ps, y - py) < pr + m for px, py, pr, ps, _ in pools))

    # rolling ground: long low swells
    for _ in range(18):
        x, y = rng.uniform(-40, W + 40), rng.uniform(200, H + 40)
        hm.append(mound(x, y, rng.uniform(50, 110), rng.uniform(20, 40), -20, rng.choice(('bump', 'dent')), 0.35))
    rv = catmull(river, False, True)
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="50" filter="url(#blur5)"/>' % (rv, grey(-0.3)))
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="24" filter="url(#blur5)"/>' % (catmull(oxbow, False, True), grey(-0.2)))
    for pts in (road_a, road_b):
        hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="14" filter="url(#blur2)"/>' % (catmull(pts, False, True), grey(0.04)))
    flatten(hm, [(4, 68, 168, 224), (350, 80, 510, 234)])

    noise_paint(doc, 'base', '#4a4c1c', '#8c8a3c', 0.012, 31, 4, gain=2.0)
    noise_paint(doc, 'dry', '#a89a50', '#c8b868', 0.02, 32, 3, alpha=(3.0, -1.5), opacity=0.5)
    # wind-combed grass
    doc.d('<filter id="comb" filterUnits="userSpaceOnUse" x="0" y="0" width="%d" height="%d">'
          '<feTurbulence type="fractalNoise" baseFrequency="0.012 0.16" numOctaves="2" seed="4"/>'
          '<feColorMatrix type="matrix" values="0 0 0 0 0.8  0 0 0 0 0.78  0 0 0 0 0.4  2.6 0 0 0 -1.35"/></filter>' % (W + 200, H + 200))
    doc.b('<g transform="rotate(-24 256 285)"><rect x="-100" y="-100" width="%d" height="%d" filter="url(#comb)" opacity="0.3"/></g>' % (W + 200, H + 200))
    # wet ground round the water, darker and greener
    for d, w in ((rv, 60), (catmull(oxbow, False, True), 40)):
        doc.b('<path d="%s" fill="none" stroke="#3a4a1e" stroke-width="%d" opacity="0.55" filter="url(#blur5)"/>' % (d, w))
    for px, py, pr, ps, rot in pools:
        doc.b('<ellipse cx="%d" cy="%d" rx="%s" ry="%s" fill="#3a4a1e" opacity="0.55" filter="url(#blur4)"/>' % (px, py, f(pr * ps * 1.8), f(pr * 1.8)))
    # hay meadows on the dry ground, mown in strips, with stacks drying
    meadows = [([(176, 30), (262, 14), (286, 96), (196, 118)], -16, '#b4aa58', '#8a8640'),
               ([(268, 12), (352, 26), (344, 104), (290, 96)], 70, '#c4b460', '#98904a'),
               ([(200, 124), (288, 102), (332, 190), (222, 200)], -14, '#a8a450', '#80823a'),
               ([(20, 20), (140, 6), (150, 60), (30, 66)], 8, '#bcae5c', '#928a44')]
    for i, (pts, rot, a, b_) in enumerate(meadows):
        doc.d('<pattern id="mown%d" patternUnits="userSpaceOnUse" width="8" height="8" patternTransform="rotate(%d)">'
              '<rect width="8" height="8" fill="%s"/><rect width="8" height="3.5" fill="%s"/></pattern>' % (i, rot, a, b_))
        d = catmull(wander(rng, densify(pts + [pts[0]], 26)[:-1], 2), True)
        doc.b('<path d="%s" fill="url(#mown%d)" opacity="0.85" filter="url(#blur1)"/>' % (d, i))
        cx = sum(p[0] for p in pts) / 4
        cy = sum(p[1] for p in pts) / 4
        for _ in range(5):
            x, y = cx + rng.uniform(-26, 26), cy + rng.uniform(-18, 18)
            hm.append('<circle cx="%s" cy="%s" r="6.5" fill="url(#bump)"/>' % (fi(x), fi(y)))
            col.append('<circle cx="%s" cy="%s" r="4.6" fill="#d0c068" stroke="#7a6a30" stroke-width="0.6"/>' % (fi(x), fi(y)))
    road(col, road_a, 8, '#a08e5a', '#5a4e2a', ruts='#5a4a26', opacity=0.9)
    road(col, road_b, 6, '#988656', '#544826', ruts='#5a4a26', opacity=0.85)
    doc.b(''.join(col))

    # willow scrub in clumps by the water, tussocks on the dry steppe, raised
    crown_defs(doc, rng, 'shrub', 3, 4.5, 3)
    paint, raise_, tuft, bumps = [], [], [], []
    for x, y in scatter(rng, 7, keep=lambda x, y: not in_box(x, y, TRADE_BOX, 8) and not in_box(x, y, FORT_BOX, 12)
                        and seg_dist(x, y, road_a) > 10 and seg_dist(x, y, road_b) > 9 and not near_water(x, y, 3)):
        wet = near_water(x, y, 30)
        if wet and rng.random() < 0.5:
            s_, k = rng.uniform(0.7, 1.3), rng.randrange(3)
            t = 'translate(%s %s) scale(%s) rotate(%d)' % (fi(x), fi(y), '%.2f' % s_, rng.randrange(0, 360, 30))
            paint.append('<use xlink:href="#shrub%d" transform="%s" fill="%s"/>' % (k, t, rng.choice(('#4a5e22', '#566a28', '#3e5020', '#62722c'))))
            raise_.append('<use xlink:href="#shrub%d" transform="%s"/>' % (k, t))
        elif not wet and rng.random() < 0.08:
            r = rng.uniform(1.2, 2.4)
            tuft.append((rng.choice(('#7a7a32', '#8a843a', '#6a6c2a', '#9a9044')), '<circle cx="%s" cy="%s" r="%s"/>' % (fi(x), fi(y), f(r))))
            bumps.append('<circle cx="%s" cy="%s" r="%s"/>' % (fi(x), fi(y), f(r * 1.5)))
    doc.b(by_fill(tuft) + ''.join(paint))
    hm.append('<g fill="url(#bump)" fill-opacity="0.5">' + ''.join(bumps) + '</g>')
    hm.append('<g fill="url(#bump)">' + ''.join(raise_) + '</g>')
    relief(doc, hm, strength=7, blur=0.8, noise=(0.09, 0.1, 3, 8), shadow=(4, 2.5, 1.2), elev=40)

    # water: river, oxbow, pools
    outline = catmull(banks(river, lambda i, n: 22 + 5 * math.sin(i * 0.5)), True, True)
    water(doc, 'riv', outline, [rv], '#4a6446', '#1e3a30', '#3a3a1a', depth_w=10)
    ox = catmull(banks(oxbow, lambda i, n: 12 * math.sin(math.pi * (i + 0.5) / n) + 3), True, True)
    water(doc, 'ox', ox, [catmull(oxbow, False, True)], '#566e44', '#2a4634', '#3a3a1a', depth_w=4)
    pl = ''.join(blob(rng, px, py, pr, 10, 0.2, ps, 1.0, rot) for px, py, pr, ps, rot in pools)
    water(doc, 'pools', pl, ['M%d %d h1' % (px, py) for px, py, pr, ps, rot in pools], '#4e6846', '#23402e', '#3a3a1a', depth_w=18)
    ripples(doc, rng, river, 6, '#d8e4c0', every=3, size=3)
    # reed beds along the banks
    reeds = []
    for x, y in scatter(rng, 3.2, keep=lambda x, y: near_water(x, y, 8) and not near_water(x, y, 0) and not in_box(x, y, FORT_BOX, 10)
                        and seg_dist(x, y, road_a) > 8 and seg_dist(x, y, road_b) > 8):
        if rng.random() < 0.4:
            continue
        h = rng.uniform(3, 5)
        lean = rng.uniform(0.5, 2)
        c = rng.choice(('#b0a450', '#98943e', '#7a8434', '#c0b466', '#62722a'))
        reeds.append((c, '<path d="M%s %s l%s %s"/>' % (fi(x), fi(y), f(lean), f(-h))))
    doc.b('<g stroke-width="1.1" stroke-linecap="round" fill="none">' + ''.join(
        '<g stroke="%s">%s</g>' % (c, ''.join(es)) for c, es in sorted({c: [e for cc, e in reeds if cc == c] for c, _ in reeds}.items())) + '</g>')
    pasim_buildings(doc)
    vignette(doc)
    doc.write('surface_pasim.svg', 'Pasim: olive steppe and marsh, a corrugated store and a stone fort in a moat')


def pasim_buildings(doc):
    sc = Scene(doc, shade='#141a06', opacity=0.62)
    pattern(doc, 'corrug', 4, 10, '<rect width="4" height="10" fill="none"/><path d="M1 0V10" stroke="#fff" stroke-opacity="0.28" stroke-width="1.2"/>'
            '<path d="M3 0V10" stroke="#000" stroke-opacity="0.28" stroke-width="1.2"/>')
    pattern(doc, 'conc', 20, 20, '<rect width="20" height="20" fill="#a8a490"/><path d="M0 0.5H20M0.5 0V20" stroke="#5a584a" stroke-width="1"/>'
            '<circle cx="6" cy="12" r="0.8" fill="#8a8674"/><circle cx="14" cy="5" r="0.6" fill="#c8c4b0"/>')
    pattern(doc, 'grate', 4, 4, '<rect width="4" height="4" fill="#5a5e58"/><path d="M0 2H4M2 0V4" stroke="#2a2c28" stroke-width="0.8"/>')
    pattern(doc, 'fieldstone', 9, 7, '<rect width="9" height="7" fill="none"/><path d="M0 0.5H9M0 3.7H9M2 0.5V3.7M6.5 3.7V7" stroke="#20241a" stroke-opacity="0.45" stroke-width="0.8"/>')
    tin = Mat(doc, 'tin', ('#8a9a58', '#5a6a34'), ('#7a8a4a', '#4a5628'), line='#1a200e', tex='corrug', tex_top='corrug')
    rust = Mat(doc, 'rusttin', ('#b0683a', '#7a3e1e'), ('#9a5a30', '#6a3418'), line='#2a140a', tex='corrug', tex_top='corrug')
    conc = Mat(doc, 'concrete', ('#c8c4b0', '#8a8674'), ('#9a9682', '#6a6656'), line='#2a2820')
    fstone = Mat(doc, 'fstone', ('#a0a488', '#6a6e56'), ('#868a70', '#54583f'), line='#1a1c12', tex='fieldstone')
    slate = Mat(doc, 'slate', ('#5a6450', '#2e3428'), ('#4a5240', '#262a1e'), line='#12140c')
    # trade centre: concrete plinth above the wet ground, a corrugated store, steel ramp, pad
    sc.box(conc, 12, 102, 158, 212, 4)
    sc.g('<rect x="12" y="98" width="146" height="110" fill="url(#conc)" stroke="#2a2820" stroke-width="1"/>')
    # a long hangar running north to south, its doors and ramp at the south end; the pad and the
    # fuel store on the west side of the plinth
    sc.box(tin, 70, 100, 148, 168, 24, z=4, cast=False)
    sc.shadow_box(70, 100, 150, 212, 28)
    sc.g('<rect x="70" y="72" width="78" height="12" fill="url(#rusttin_t)" stroke="#2a140a"/>')
    sc.g('<rect x="70" y="72" width="78" height="12" fill="url(#corrug)"/>')
    sc.g('<path d="M109 84 V140" stroke="#2a3018" stroke-width="1.2" opacity="0.7"/>')
    for y in (92, 108, 124):
        sc.g('<rect x="%d" y="%d" width="10" height="6" fill="#000" opacity="0.3"/>' % (108, y + 2))
        sc.box(conc, 104, y + 28 + 8, 114, y + 28 + 14, 5, z=28, cast=False)
    sc.g('<rect x="96" y="144" width="26" height="20" fill="#1e2216" stroke="#1a200e"/>')
    sc.g('<path d="M96 148 H122 M96 152 H122 M96 156 H122 M96 160 H122" stroke="#3a4028" stroke-width="1"/>')
    ramp(sc, 96, 122, 168, 4, 204, 'url(#grate)', '#d8c040', '#1a1c18', treads='#2a2c28')
    pad(sc, 38, 180, 22, '#8a8674', '#f0e060', surface='#4a4c44', lights='#ffe070', on_top=True)
    oil = Mat(doc, 'oiltank', ('#e0dcc8', '#9a9684'), ('#c8c4b0', '#8a8674'), line='#2a2820')
    sc.cylinder(oil, 28, 120, 9, 12)
    sc.cylinder(oil, 52, 114, 7, 10)
    for x, y in ((24, 140), (32, 143), (40, 139), (52, 134)):
        sc.cylinder(rust, x, y, 3.2, 5)
    sc.g('<path d="M60 120 H70" stroke="#2a2820" stroke-width="2"/>')
    # fortress: fieldstone curtain in a moat, round towers with battlements, slate-roofed keep
    sc.ground.append('<rect x="366" y="114" width="134" height="104" rx="12" fill="#2a3a26" stroke="#3a3a1a" stroke-width="3"/>')
    sc.ground.append('<rect x="366" y="114" width="134" height="104" rx="12" fill="none" stroke="#8a9a78" stroke-width="1" opacity="0.5" transform="translate(-1 -1)"/>')
    sc.ground.append('<rect x="372" y="120" width="122" height="92" rx="8" fill="#5a5a2e"/>')
    pattern(doc, 'sward', 6, 6, '<rect width="6" height="6" fill="#6a6a30"/><path d="M1 4 l1 -2 M4 5 l1 -2" stroke="#8a8a40" stroke-width="0.8"/>')
    tw = Mat(doc, 'fstonet', ('#aaae92', '#70745a'), ('#8e9276', '#585c42'), line='#1a1c12', tex='fieldstone')

    def inner(sc):
        sc.box(fstone, 414, 142, 452, 174, 26)
        sc.pyramid(slate, 412, 140, 454, 176, 26, 40)
        sc.box(tin, 388, 146, 400, 180, 8)
        sc.flag(433, 158, 40, 12, '#b8201a')
    fortress(sc, fstone, tw, (380, 130, 486, 204), t=8, hw=15, shape='round', tr=12, ht=22, court='url(#sward)', inner=inner,
             door='#2a2014', gate_w=12)
    # drawbridge over the moat
    sc.g('<path d="M426 206 h14 v14 h-14 z" fill="#7a5a30" stroke="#2a1a0a"/>')
    sc.g('<path d="M426 210 h14 M426 214 h14 M426 218 h14" stroke="#3a2410" stroke-width="0.8"/>')
    sc.emit('buildings')


def dorav():
    """Pale sandstone swept into red bands: domes of cross-bedded rock, a banded gorge with a sandy
    floor; a white stucco market with a red frieze, a fort of striped red and cream masonry."""
    doc = Doc(4404)
    common_defs(doc)
    rng = doc.rng
    hm = []
    doc.d('<linearGradient id="tilt" x1="0" y1="0" x2="0.25" y2="1"><stop offset="0" stop-color="%s"/>'
          '<stop offset="1" stop-color="%s"/></linearGradient>' % (grey(0.45), grey(-0.3)))
    gorge = meander(rng, spline([(-20, 380), (60, 350), (140, 390), (220, 340), (300, 360), (350, 430), (420, 420),
                                 (470, 360), (530, 350)], 7), 9, 1.5)
    side = spline([(220, 340), (250, 290), (236, 250)], 6)
    road_a = [(152, 150), (200, 190), (280, 220), (350, 222), (400, 226), (432, 228)]
    road_b = [(280, 220), (300, 260), (310, 300), (290, 330)]
    # domes and swales of cross-bedded rock
    for _ in range(22):
        x, y = rng.uniform(-40, W + 40), rng.uniform(-20, H + 40)
        if in_box(x, y, TRADE_BOX, 30) or in_box(x, y, FORT_BOX, 30):
            continue
        rx, ry = rng.uniform(50, 110), rng.uniform(28, 60)
        hm.append(mound(x, y, rx, ry, rng.randint(-25, 25), rng.choice(('bump', 'bump', 'dent')), rng.uniform(0.25, 0.5)))
    gd = catmull(gorge, False, True)
    for w, v, b in ((90, -0.12, 'blur5'), (60, -0.3, 'blur4'), (40, -0.5, 'blur3'), (26, -0.68, 'blur2')):
        hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="%d" stroke-linecap="round" filter="url(#%s)"/>' % (gd, grey(v), w, b))
        hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="%d" stroke-linecap="round" filter="url(#%s)"/>'
                  % (catmull(side, False, True), grey(v * 0.8), w * 0.6, b))
    for pts in (road_a, road_b):
        hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="16" filter="url(#blur3)"/>' % (catmull(pts, False, True), grey(0.18)))
    # buttes standing in the gorge
    for cx, cy, r in ((130, 386, 12), (400, 424, 14), (300, 358, 9)):
        hm.append('<path d="%s" fill="%s" filter="url(#blur1)"/>' % (blob(rng, cx, cy, r, 10, 0.2), grey(0.1)))

    def sandstone(v):
        if v < 0.2:
            return mix('#8a3a22', '#b8663e', v / 0.2)
        k = int(round(v * 60)) % 6
        base = mix('#e8cca4', '#f8ecd4', min(1, (v - 0.2) / 0.5))
        return (mix(base, '#b8401e', 0.85), mix(base, '#d0683a', 0.5), base, base, mix(base, '#ffffff', 0.3),
                mix(base, '#d88858', 0.25))[k]
    banded(doc, 'rock', sandstone, blur=1.0, noise=(0.01, 0.06, 9), steps=61, dither=0.007)
    noise_paint(doc, 'dust', '#f4e4c4', '#fff4dc', 0.02, 41, 3, alpha=(2.6, -1.3), opacity=0.35)
    # wind-blown sand on the gorge floor
    doc.b('<path d="%s" fill="none" stroke="#d8a070" stroke-width="12" stroke-linecap="round" opacity="0.75" filter="url(#blur2)"/>' % gd)
    doc.d('<filter id="ripple" filterUnits="userSpaceOnUse" x="-200" y="-200" width="%d" height="%d">'
          '<feTurbulence type="fractalNoise" baseFrequency="0.01 0.2" numOctaves="2" seed="6"/>'
          '<feColorMatrix type="matrix" values="0 0 0 0 0.5  0 0 0 0 0.25  0 0 0 0 0.12  3 0 0 0 -1.5"/></filter>' % (W + 400, H + 400))
    doc.d('<clipPath id="floor"><path d="%s"/></clipPath>' % catmull(banks(gorge, lambda i, n: 14), True, True))
    doc.b('<g clip-path="url(#floor)"><rect x="-200" y="-200" width="%d" height="%d" filter="url(#ripple)" opacity="0.4" transform="rotate(30 256 380)"/></g>'
          % (W + 400, H + 400))
    col = []
    road(col, road_a, 9, '#e8d0a8', '#a8704a', ruts='#b0805a', opacity=0.95)
    road(col, road_b, 7, '#e8d0a8', '#a8704a', ruts='#b0805a', opacity=0.9)
    doc.b(''.join(col))
    relief(doc, hm, strength=9, blur=1.2, noise=(0.06, 0.06, 3, 9), shadow=(5, 1.8, 2), elev=40, under=['<rect x="-20" y="-20" width="%d" height="%d" fill="url(#tilt)"/>' % (W + 40, H + 40)])
    dorav_buildings(doc)
    vignette(doc)
    doc.write('surface_dorav.svg', 'Dorav: pale sandstone in red bands, a white market and a striped fort')


def dorav_buildings(doc):
    sc = Scene(doc, shade='#4a1a0a', opacity=0.5)
    pattern(doc, 'tiles', 8, 8, '<rect width="8" height="8" fill="#c8603a"/><path d="M0 0.5H8M0.5 0V8" stroke="#7a2e16" stroke-width="0.9"/>'
            '<rect x="1" y="1" width="3" height="3" fill="#d8784a" opacity="0.6"/>')
    pattern(doc, 'ablaq', 8, 6, '<rect width="8" height="3" fill="#e8d0a8" opacity="0.55"/><path d="M0 3H8" stroke="#5a1a0a" stroke-opacity="0.3" stroke-width="0.5"/>')
    pattern(doc, 'paving', 12, 12, '<rect width="12" height="12" fill="#ead6b4"/><path d="M0 0.5H12M0.5 0V12" stroke="#a88058" stroke-width="0.8"/>'
            '<path d="M6 0V12M0 6H12" stroke="#c8a47a" stroke-width="0.5" opacity="0.6"/>')
    stucco = Mat(doc, 'stucco', ('#fffaf0', '#d8ccb8'), ('#ece0cc', '#b8a890'), line='#4a2a1a')
    redst = Mat(doc, 'redstone', ('#d0603a', '#9a3a1e'), ('#b84e2e', '#7e2e16'), line='#2e0e04', tex='ablaq')
    dome = Mat(doc, 'creamdome', ('#fff4e0', '#c8a880'), ('#e8d4b4', '#a8845c'), line='#4a2a14')
    # trade centre: paved court, stucco hall with a red frieze, a glass dome, colonnade, tiled ramp
    sc.ground.append('<rect x="12" y="98" width="146" height="114" rx="2" fill="url(#paving)" stroke="#8a5a34" stroke-width="1.5"/>')
    sc.ground.append('<rect x="16" y="102" width="138" height="106" rx="2" fill="none" stroke="#c0482a" stroke-width="2" stroke-dasharray="6 3"/>')
    sc.box(stucco, 18, 108, 98, 150, 28)
    sc.g('<rect x="18" y="80" width="80" height="5" fill="#c0482a" stroke="#4a2a1a" stroke-width="0.8"/>')
    sc.g('<rect x="18" y="132" width="80" height="4" fill="#c0482a"/>')
    sc.g('<rect x="18" y="127" width="80" height="1.5" fill="#c0482a" opacity="0.8"/>')
    doc.d('<radialGradient id="glassdome" cx="0.35" cy="0.3" r="0.8"><stop offset="0" stop-color="#ffffff"/>'
          '<stop offset="0.3" stop-color="#9ad0e8"/><stop offset="1" stop-color="#2a5a7a"/></radialGradient>')
    sc.g('<ellipse cx="61" cy="107" rx="18" ry="13" fill="#000" opacity="0.25" transform="translate(3 3)"/>')
    sc.g('<ellipse cx="58" cy="104" rx="17" ry="13" fill="url(#glassdome)" stroke="#2a3a4a" stroke-width="1"/>')
    sc.g('<path d="M41 104 h34 M58 91 v26 M45 96 q13 6 26 0 M45 112 q13 -6 26 0" fill="none" stroke="#2a3a4a" stroke-width="0.6" opacity="0.7"/>')
    # colonnade of slim columns along the front, either side of the ramp
    for x in (24, 34, 82, 92):
        sc.cylinder(stucco, x, 160, 2.2, 14)
    sc.box(stucco, 20, 150, 38, 162, 2, z=14, cast=False)
    sc.box(stucco, 78, 150, 96, 162, 2, z=14, cast=False)
    sc.shadow_box(20, 150, 38, 162, 16)
    sc.shadow_box(78, 150, 96, 162, 16)
    sc.g('<rect x="48" y="128" width="22" height="20" rx="2" fill="#3a1a0e" stroke="#4a2a1a"/>')
    ramp(sc, 46, 72, 150, 4, 190, 'url(#tiles)', '#e8c8a0', '#4a1a0a', treads='#7a2e16')
    pad(sc, 128, 128, 21, '#f0e4cc', '#c0482a', surface='#d8c09a', lights='#ffffff')
    # water jars
    for x, y in ((112, 176), (122, 180), (134, 174), (146, 182), (118, 194), (140, 198)):
        sc.cylinder(redst, x, y, 4, 7)
        sc.g('<circle cx="%d" cy="%d" r="2" fill="#2e0e04"/>' % (x, y - 7))
    # fortress: striped masonry, square towers with cream domes, domed keep
    sc.ground.append('<rect x="372" y="122" width="124" height="92" rx="3" fill="#c8a07a" stroke="#8a4a2a" stroke-width="1.4"/>')
    pattern(doc, 'sandyard', 9, 9, '<rect width="9" height="9" fill="#e0c49a"/><circle cx="3" cy="3" r="1" fill="#c8a47a"/><circle cx="7" cy="7" r="0.8" fill="#f0dcb8"/>')

    def inner(sc):
        sc.box(redst, 416, 144, 450, 174, 24)
        sc.g('<ellipse cx="433" cy="%s" rx="14" ry="12" fill="url(#creamdome_c)" stroke="#4a2a14" stroke-width="1"/>' % (159 - 24 - 6))
        sc.g('<path d="M433 %s v-8" stroke="#4a2a14" stroke-width="1.4"/><circle cx="433" cy="%s" r="2" fill="#f0c040" stroke="#4a2a14" stroke-width="0.6"/>'
             % (159 - 24 - 17, 159 - 24 - 26))
        sc.box(stucco, 388, 148, 402, 176, 9)
        sc.box(stucco, 462, 148, 474, 170, 9)
    fortress(sc, redst, redst, (382, 136, 484, 206), t=8, hw=16, shape='round', tr=10, ht=22, roof='dome', roof_mat=dome,
             roof_h=14, court='url(#sandyard)', inner=inner, door='#3a1408', gate_w=12, tower_merlons=False)
    # gilded finials on the domes
    for tx, ty in ((382, 136), (484, 136), (382, 206), (484, 206)):
        sc.g('<path d="M%s %s v-6" stroke="#4a2a14" stroke-width="1.2"/><circle cx="%s" cy="%s" r="1.6" fill="#f0c040" stroke="#4a2a14" stroke-width="0.5"/>'
             % (f(tx), f(ty - 22 - 15), f(tx), f(ty - 22 - 21)))
    sc.emit('buildings')


def zemlya():
    """Blue and white: a green plain with a blue lake and its river, woods, hedged fields and drifting
    clouds; the single tall station stands on its apron at the upper left. No fortress."""
    doc = Doc(5505)
    common_defs(doc)
    rng = doc.rng
    hm, col = [], []
    lake = blob_pts(rng, 438, 150, 78, 16, 0.14, 1.05, 0.95)
    river = meander(rng, spline([(410, 220), (392, 280), (350, 330), (372, 400), (420, 450), (400, 520), (420, 600)], 7), 9, 1.5)
    road_a = [(120, 214), (160, 250), (214, 300), (236, 380), (226, 460), (250, 590)]
    road_b = [(214, 300), (290, 286), (350, 296)]
    fields = [[(20, 300), (118, 284), (132, 360), (30, 376)], [(122, 282), (200, 270), (212, 340), (134, 358)],
              [(32, 382), (134, 364), (146, 436), (40, 452)], [(138, 362), (214, 346), (206, 418), (148, 434)],
              [(42, 458), (148, 440), (160, 520), (52, 540)], [(280, 460), (356, 470), (352, 540), (276, 530)]]
    woods = [(260, 110, 40), (300, 190, 22), (480, 330, 34), (150, 560, 30), (300, 400, 26), (40, 240, 24)]

    for _ in range(16):
        x, y = rng.uniform(-40, W + 40), rng.uniform(200, H + 40)
        hm.append(mound(x, y, rng.uniform(50, 120), rng.uniform(30, 60), rng.randint(-30, 30), rng.choice(('bump', 'dent')), 0.3))
    hm.append('<path d="%s" fill="%s" filter="url(#blur5)"/>' % (catmull(lake, True, True), grey(-0.35)))
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="36" filter="url(#blur5)"/>' % (catmull(river, False, True), grey(-0.25)))
    flatten(hm, [(6, 140, 170, 222)])

    noise_paint(doc, 'meadow', '#3e7a22', '#86b848', 0.01, 51, 4, gain=2.0)
    noise_paint(doc, 'lush', '#2e6a1c', '#4a8a2a', 0.03, 52, 3, alpha=(2.8, -1.4), opacity=0.45)
    noise_paint(doc, 'sunny', '#a8c860', '#c8d870', 0.02, 53, 3, alpha=(3.0, -1.7), opacity=0.4)
    # fields: crops in rows, each field its own crop and direction
    crops = (('#c8b450', '#a8943a'), ('#7aa83a', '#5e8a2a'), ('#d8c870', '#b8a450'), ('#5e9a34', '#4a7e26'), ('#b0a048', '#8a7e34'),
             ('#9ac050', '#7aa03a'))
    for i, (pts, (a, b_)) in enumerate(zip(fields, crops)):
        rot = rng.randint(-30, 30) + (90 if i % 2 else 0)
        doc.d('<pattern id="crop%d" patternUnits="userSpaceOnUse" width="5" height="5" patternTransform="rotate(%d)">'
              '<rect width="5" height="5" fill="%s"/><rect width="5" height="2" fill="%s"/></pattern>' % (i, rot, a, b_))
        d = catmull(wander(rng, densify(pts + [pts[0]], 30)[:-1], 1.5), True)
        doc.b('<path d="%s" fill="url(#crop%d)" stroke="#4a6a26" stroke-width="1" opacity="0.92"/>' % (d, i))
    road(col, road_a, 7, '#c8b484', '#7a6a44', ruts='#8a7a50')
    road(col, road_b, 6, '#c8b484', '#7a6a44', ruts='#8a7a50')
    doc.b(''.join(col))
    # hedgerows along the field edges, woods, lone trees: crowns raised on the height map
    crown_defs(doc, rng, 'oak', 4, 5, 4)
    trees = []
    for pts in fields:
        for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
            for x, y in densify([(ax, ay), (bx, by)], 6)[::1]:
                if rng.random() < 0.55:
                    trees.append((x + rng.uniform(-1.5, 1.5), y + rng.uniform(-1.5, 1.5), rng.uniform(0.45, 0.7)))
    for cx, cy, r in woods:
        for x, y in scatter(rng, 8, (cx - r * 1.3, cy - r, cx + r * 1.3, cy + r),
                            keep=lambda x, y: ((x - cx) / 1.3) ** 2 + (y - cy) ** 2 < r * r * rng.uniform(0.6, 1.1)):
            trees.append((x, y, rng.uniform(0.8, 1.25)))
    for x, y in scatter(rng, 40, keep=lambda x, y: not in_box(x, y, TRADE_BOX, 10) and seg_dist(x, y, river) > 16):
        if rng.random() < 0.35:
            trees.append((x, y, rng.uniform(0.8, 1.2)))
    inlake = lambda x, y: math.hypot((x - 438) / 1.05, (y - 150) / 0.95) < 92
    trees = [t for t in trees if not inlake(t[0], t[1]) and not in_box(t[0], t[1], TRADE_BOX, 6)
             and seg_dist(t[0], t[1], road_a) > 8 and seg_dist(t[0], t[1], road_b) > 8 and seg_dist(t[0], t[1], river) > 14]
    trees.sort(key=lambda t: t[1])
    paint, raise_ = [], []
    for x, y, s_ in trees:
        k = rng.randrange(4)
        t = 'translate(%s %s) scale(%s) rotate(%d)' % (fi(x), fi(y), '%.2f' % s_, rng.randrange(0, 360, 30))
        paint.append('<use xlink:href="#oak%d" transform="%s" fill="%s"/>' % (k, t, rng.choice(('#2e6a1e', '#3a7a24', '#4a8a2a', '#28601a', '#56922e'))))
        raise_.append('<use xlink:href="#oak%d" transform="%s"/>' % (k, t))
    doc.b(''.join(paint))
    hm.append('<g fill="url(#bump)">' + ''.join(raise_) + '</g>')
    # flowers in the meadows
    dots = []
    for x, y in scatter(rng, 6, keep=lambda x, y: not inlake(x, y) and not in_box(x, y, TRADE_BOX, 4)):
        if rng.random() < 0.5 * max(0, math.sin(x * 0.021) * math.cos(y * 0.017)) ** 2:
            dots.append((rng.choice(('#ffffff', '#fff4a0', '#f0c0e0', '#ffe060')), '<circle cx="%s" cy="%s" r="0.9"/>' % (fi(x), fi(y))))
    doc.b(by_fill(dots))
    relief(doc, hm, strength=7, blur=0.8, noise=(0.1, 0.06, 2, 11), shadow=(4, 2.6, 1.2), elev=42)

    # the lake and its river, blue, with a pale sandy shore
    lk = catmull(lake, True, True)
    outline = catmull(banks(river, lambda i, n: 14 + 3 * math.sin(i * 0.6)), True, True)
    water(doc, 'riv', outline, [catmull(river, False, True)], '#4a9ad0', '#1e64a8', '#a8a884', shine='#d0ecff', depth_w=6)
    # the lake: a soft sandy shore, turquoise shallows, deep blue water, the sky in it
    doc.b('<path d="%s" fill="#b8b48c" stroke="#c8c098" stroke-width="10" filter="url(#blur3)"/>' % lk)
    doc.d('<clipPath id="lakeclip"><path d="%s"/></clipPath>' % lk)
    doc.d('<radialGradient id="lakedeep" cx="0.55" cy="0.55" r="0.55"><stop offset="0" stop-color="#1a5aa0"/>'
          '<stop offset="0.6" stop-color="#2a78c0"/><stop offset="1" stop-color="#2a78c0" stop-opacity="0"/></radialGradient>')
    doc.b('<g clip-path="url(#lakeclip)"><path d="%s" fill="#58aacc"/>'
          '<path d="%s" fill="url(#lakedeep)" transform="translate(438 150) scale(0.86) translate(-438 -150)"/>'
          '<path d="%s" fill="none" stroke="#0e3050" stroke-width="10" opacity="0.3" filter="url(#blur3)" transform="translate(-5 -4)"/>'
          '<ellipse cx="418" cy="126" rx="40" ry="18" fill="#d8f0ff" opacity="0.22" filter="url(#blur4)"/>'
          '<path d="M396 104 q24 -10 52 -4 M410 118 q18 -6 40 0 M452 196 q14 -4 26 0" fill="none" stroke="#ffffff" stroke-width="1" opacity="0.25"/>'
          '</g>' % (lk, lk, lk))
    doc.b('<path d="%s" fill="none" stroke="#8aa878" stroke-width="3" opacity="0.5" filter="url(#blur2)"/>' % lk)
    ripples(doc, rng, river, 4, '#e0f0ff', every=3, size=2.5)
    # a flock of sheep in the meadow
    for x, y in scatter(rng, 5, (300, 226, 346, 258)):
        doc.b('<ellipse cx="%s" cy="%s" rx="2" ry="1.5" fill="#000" opacity="0.3" transform="translate(1.5 1)"/>' % (f(x), f(y)))
        doc.b('<ellipse cx="%s" cy="%s" rx="2" ry="1.5" fill="#f8f8f0"/>' % (f(x), f(y)))
    zemlya_station(doc)
    # white clouds drifting over, each a heap of sunlit puffs, their shadows on the land
    doc.d('<radialGradient id="puff" cx="0.42" cy="0.4" r="0.6"><stop offset="0" stop-color="#ffffff"/>'
          '<stop offset="0.55" stop-color="#f4f7fa"/><stop offset="0.85" stop-color="#c8d2de"/>'
          '<stop offset="1" stop-color="#b8c4d2" stop-opacity="0"/></radialGradient>')
    for cx, cy, r in ((336, 396, 40), (70, 506, 32), (486, 40, 26)):
        puffs = []
        for _ in range(int(r / 2.2)):
            a = rng.uniform(0, 2 * math.pi)
            d = rng.uniform(0, 1) ** 0.7
            x, y = cx + math.cos(a) * r * 1.3 * d, cy + math.sin(a) * r * 0.6 * d
            puffs.append((y - rng.uniform(0, 4), x, r * rng.uniform(0.28, 0.45) * (1.2 - 0.5 * d)))
        puffs.sort()
        shade = ''.join('<circle cx="%s" cy="%s" r="%s"/>' % (fi(x), fi(y), f(pr)) for y, x, pr in puffs)
        doc.b('<g fill="#0a2a10" opacity="0.25" filter="url(#blur4)" transform="translate(30 18)">%s</g>' % shade)
        doc.b('<g filter="url(#blur1)" opacity="0.92">%s</g>'
              % ''.join('<circle cx="%s" cy="%s" r="%s" fill="url(#puff)"/>' % (fi(x), fi(y), f(pr * 1.15)) for y, x, pr in puffs))
    vignette(doc)
    doc.write('surface_zemlya.svg', 'Zemlya: a green plain, a blue lake, the tall station')


def zemlya_station(doc):
    sc = Scene(doc, shade='#082008', opacity=0.6)
    pattern(doc, 'apron', 12, 12, '<rect width="12" height="12" fill="#d8dad4"/><path d="M0 0.5H12M0.5 0V12" stroke="#8a8e88" stroke-width="0.8"/>')
    white = Mat(doc, 'white', ('#ffffff', '#c8d0da'), ('#e8eef4', '#a8b4c2'), line='#28303c', round_=('#ffffff', '#6a7888'))
    blue = Mat(doc, 'blue', ('#8ac8f0', '#2a6aa8'), ('#4a8ac8', '#1a4a80'), line='#0e2440', round_=('#aee0ff', '#1a4a80'))
    glass = Mat(doc, 'glass', ('#d8f4ff', '#5a9ac8'), ('#8ac8e8', '#2a5a88'), line='#0e2440', round_=('#e8faff', '#2a5a88'))
    # apron, ramp-fronted base block, pad
    sc.ground.append('<rect x="18" y="146" width="140" height="66" rx="4" fill="url(#apron)" stroke="#4a5048" stroke-width="1.5"/>')
    sc.ground.append('<path d="M24 206 H152" stroke="#3a8ac8" stroke-width="2"/>')
    pad(sc, 134, 184, 18, '#c8ccc4', '#2a7ac8', surface='#5a6068', lights='#bfe8ff')
    sc.box(white, 30, 156, 104, 196, 14)
    sc.g('<rect x="30" y="140" width="74" height="4" fill="#3a8ac8"/>')
    sc.g('<path d="M56 182 H78 L80 206 H54 Z" fill="#b8c0c8" stroke="#28303c" stroke-width="1"/>')
    sc.g('<path d="M56 186 H78 M55 190 H79 M55 194 H79 M54 198 H80 M54 202 H80" stroke="#6a7480" stroke-width="0.8"/>')
    # the tower: a tapering shaft from the base block to the sky, two decks and a beacon
    cx, cy = 67, 176
    top = 104

    def shaft(z0, z1, r0, r1, m):
        sc.g('<path d="M%s %s L%s %s A%s %s 0 0 1 %s %s L%s %s A%s %s 0 0 1 %s %s Z" fill="url(#%s_r)" stroke="#28303c" stroke-width="1"/>'
             % (f(cx - r0), f(cy - z0), f(cx - r1), f(cy - z1), f(r1), f(r1 * 0.5), f(cx + r1), f(cy - z1), f(cx + r0), f(cy - z0),
                f(r0), f(r0 * 0.5), f(cx - r0), f(cy - z0), m.name))
    # its shadow: the shaft as a long wedge, the decks as discs along it
    ex, ey = cx + top * SHX, cy + top * SHY
    sc.shadows.append('<path d="%s"/>' % poly([(cx - 6, cy + 7), (ex - 2, ey + 2), (ex + 2, ey - 2), (cx + 8, cy - 6)]))
    sc.thin.append('<path d="%s"/>' % poly([(cx - 5, cy + 6), (ex - 1.5, ey + 1.5), (ex + 1.5, ey - 1.5), (cx + 7, cy - 5)]))
    sc.thin.append('<ellipse cx="%s" cy="%s" rx="15" ry="9" transform="rotate(26 %s %s)"/>' % (f(cx + 54 * SHX), f(cy + 54 * SHY), f(cx + 54 * SHX), f(cy + 54 * SHY)))
    sc.thin.append('<ellipse cx="%s" cy="%s" rx="9" ry="5" transform="rotate(26 %s %s)"/>' % (f(cx + 82 * SHX), f(cy + 82 * SHY), f(cx + 82 * SHX), f(cy + 82 * SHY)))
    shaft(14, 54, 10, 6.5, white)
    sc.cylinder(blue, cx, cy, 16, 4, z=52, cast=False)
    sc.cylinder(glass, cx, cy, 12, 3.5, z=56, cast=False)
    shaft(59, 80, 5.5, 4.2, white)
    sc.cylinder(glass, cx, cy, 8, 5, z=80, cast=False)
    sc.cylinder(white, cx, cy, 8.6, 1.5, z=85, cast=False)
    shaft(86, 96, 3, 1.6, white)
    sc.g('<path d="M%s %s V%s" stroke="#28303c" stroke-width="1.2"/>' % (f(cx), f(cy - 96), f(cy - top)))
    sc.g('<path d="M%s %s L%s %s" stroke="#3a8ac8" stroke-width="1.6"/>' % (f(cx - 3.5), f(cy - 18), f(cx - 2.5), f(cy - 50)))
    for z in (24, 36, 66, 74):
        sc.g('<rect x="%s" y="%s" width="1.6" height="2" fill="#ffe080"/>' % (f(cx + 1.5), f(cy - z)))
    glow(doc)
    sc.g('<circle cx="%s" cy="%s" r="5" fill="url(#glow)"/>' % (f(cx), f(cy - top)))
    sc.emit('station', grain=0.1)


def crater_defs(doc):
    """A crater's profile as a gradient: a bowl sunk below the datum, a raised rim, a gentle skirt."""
    prof = ((0, -0.95), (0.25, -0.9), (0.45, -0.75), (0.62, -0.5), (0.74, -0.2), (0.8, 0.1), (0.86, 0.55), (0.9, 0.5),
            (0.95, 0.2), (1, 0))
    stops = ''.join('<stop offset="%s" stop-color="%s" stop-opacity="%.2f"/>' % (f(t), '#fff' if v > 0 else '#000', abs(v))
                    for t, v in prof)
    doc.d('<radialGradient id="crater" gradientUnits="userSpaceOnUse" cx="0" cy="0" r="1">%s</radialGradient>' % stops)


def craters(hm, col, rng, spots, ray_col, floor_col):
    """Impact craters on the height map, from the oldest (worn shallow) to the youngest (deep, with
    a central peak when big); pale ejecta and rays painted round the young ones."""
    for cx, cy, r, age in spots:
        k = 1 - 0.7 * age
        sq = rng.uniform(0.88, 1.0)
        rot = rng.randint(0, 180)
        R = r * 1.25
        hm.append('<circle r="1" fill="url(#crater)" opacity="%.2f" transform="translate(%s %s) rotate(%d) scale(%s %s)"/>'
                  % (k, fi(cx), fi(cy), rot, f(R), f(R * sq)))
        if r > 20:
            hm.append(mound(cx + rng.uniform(-2, 2), cy + rng.uniform(-2, 2), r * 0.16, r * 0.13, rng.randint(0, 90), 'bump', 0.9 * k))
        col.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%.2f" filter="url(#blur2)"/>' % (fi(cx), fi(cy), f(r * 0.85), floor_col, 0.4 * k))
        if age < 0.35:
            col.append('<circle cx="%s" cy="%s" r="%s" fill="url(#ejecta)"/>' % (fi(cx), fi(cy), f(r * 2.3)))
            rays = []
            for _ in range(int(6 + r / 4)):
                a = rng.uniform(0, 2 * math.pi)
                ln = r * rng.uniform(2.5, 5.5)
                da = rng.uniform(0.08, 0.18)
                rays.append('M%s %s L%s %s L%s %s Z' % (
                    fi(cx + math.cos(a + da) * r), fi(cy + math.sin(a + da) * r), fi(cx + math.cos(a) * ln), fi(cy + math.sin(a) * ln),
                    fi(cx + math.cos(a - da) * r), fi(cy + math.sin(a - da) * r)))
            col.append('<path d="%s" fill="%s" opacity="0.3" filter="url(#blur2)"/>' % (''.join(rays), ray_col))


def shekarama():
    """Dark grey and cratered: old worn craters, young bright ones with rays, a winding rille, boulder
    fields; a metal trade station with solar wings, a steel fort with gun domes."""
    doc = Doc(6606)
    common_defs(doc)
    rng = doc.rng
    hm, col = [], []
    doc.d('<radialGradient id="ejecta"><stop offset="0.4" stop-color="#b8b8b4" stop-opacity="0.5"/>'
          '<stop offset="1" stop-color="#b8b8b4" stop-opacity="0"/></radialGradient>')
    rille = meander(rng, spline([(-20, 470), (80, 440), (170, 470), (260, 440), (330, 470), (380, 540), (420, 600)], 7), 9, 1.2)
    road_a = [(150, 200), (220, 228), (300, 236), (380, 230), (432, 222)]
    road_b = [(300, 236), (226, 254), (176, 296), (168, 350), (150, 420), (146, 500), (136, 600)]
    spots = [(270, 336, 54, 0.1), (80, 380, 34, 0.5), (424, 370, 40, 0.7), (250, 90, 30, 0.3), (62, 290, 18, 0.2),
             (370, 500, 26, 0.6), (470, 520, 20, 0.2), (210, 540, 24, 0.8), (470, 280, 16, 0.5),
             (40, 520, 30, 0.9), (320, 40, 14, 0.2), (330, 160, 12, 0.4)]
    for _ in range(70):
        x, y = rng.uniform(-10, W + 10), rng.uniform(-10, H + 10)
        r = 2 + 10 * rng.random() ** 2.5
        spots.append((x, y, r, rng.random()))
    keep = lambda x, y, r: (not in_box(x, y, TRADE_BOX, r + 6) and not in_box(x, y, FORT_BOX, r + 8)
                            and seg_dist(x, y, road_a) > r + 8 and seg_dist(x, y, road_b) > r + 8)
    spots = [c for c in spots if keep(c[0], c[1], c[2])]
    spots.sort(key=lambda c: -c[3])     # old first, young on top
    # maria: dark lava plains in the low ground
    for cx, cy, r in ((140, 420, 120), (400, 300, 90)):
        hm.append('<path d="%s" fill="%s" filter="url(#blur5)"/>' % (blob(rng, cx, cy, r, 12, 0.25, 1.2), grey(-0.1)))
    rd = catmull(rille, False, True)
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="24" stroke-linecap="round" filter="url(#blur3)"/>' % (rd, grey(-0.3)))
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="12" stroke-linecap="round" filter="url(#blur2)"/>' % (rd, grey(-0.55)))
    noise_paint(doc, 'regolith', '#2c2c2e', '#646260', 0.012, 61, 4, gain=2.0)
    for cx, cy, r in ((140, 420, 120), (400, 300, 90)):
        doc.b('<path d="%s" fill="#2a2a2c" opacity="0.55" filter="url(#blur5)"/>' % blob(rng, cx, cy, r, 12, 0.25, 1.2))
    noise_paint(doc, 'dust', '#7a7874', '#8a8884', 0.04, 62, 3, alpha=(2.6, -1.4), opacity=0.3)
    crater_defs(doc)
    craters(hm, col, rng, spots, '#c8c8c4', '#1a1a1c')
    road(col, road_a, 8, '#8a8884', '#3a3a3a', ruts='#4a4a48', opacity=0.85)
    road(col, road_b, 6, '#8a8884', '#3a3a3a', ruts='#4a4a48', opacity=0.8)
    doc.b(''.join(col))
    doc.b('<path d="%s" fill="none" stroke="#18181a" stroke-width="12" opacity="0.5" filter="url(#blur3)"/>' % rd)
    # boulder fields round the big young crater
    stones, bumps = [], []
    for x, y in scatter(rng, 6, (150, 220, 380, 440)):
        d = math.hypot(x - 270, y - 336)
        if not 64 < d < 110 or rng.random() > 0.45 * (1 - (d - 64) / 46) or not keep(x, y, 2):
            continue
        r = rng.uniform(1, 2.6)
        stones.append((rng.choice(('#9a9894', '#7a7874', '#b4b2ac')), '<circle cx="%s" cy="%s" r="%s"/>' % (fi(x), fi(y), f(r))))
        bumps.append('<circle cx="%s" cy="%s" r="%s"/>' % (fi(x), fi(y), f(r * 1.5)))
    doc.b(by_fill(stones))
    hm.append('<g fill="url(#bump)">' + ''.join(bumps) + '</g>')
    flatten(hm, [(6, 68, 168, 222), (354, 84, 510, 228)])
    relief(doc, hm, strength=9, blur=0.8, noise=(0.05, 0.12, 4, 13), shadow=(5, 3.0, 1.2), elev=34)
    shekarama_buildings(doc)
    vignette(doc)
    doc.write('surface_shekarama.svg', 'Shekarama: dark grey cratered ground, a metal station and a steel fort')


def shekarama_buildings(doc):
    sc = Scene(doc, shade='#000000', opacity=0.7)
    pattern(doc, 'panels', 10, 10, '<rect width="10" height="10" fill="none"/><path d="M0 0.5H10M0.5 0V10" stroke="#000" stroke-opacity="0.35" stroke-width="0.8"/>'
            '<circle cx="2" cy="2" r="0.5" fill="#fff" opacity="0.4"/>')
    pattern(doc, 'cells', 6, 4, '<rect width="6" height="4" fill="#1a2a4a"/><rect x="0.4" y="0.4" width="5.2" height="3.2" fill="#2a4a7a"/>'
            '<path d="M0.8 0.8 h2" stroke="#8ab0e0" stroke-width="0.6" opacity="0.7"/>')
    pattern(doc, 'plates', 14, 8, '<rect width="14" height="8" fill="none"/><path d="M0 0.5H14M0.5 0V8" stroke="#000" stroke-opacity="0.4" stroke-width="0.8"/>'
            '<circle cx="2.5" cy="2.5" r="0.6" fill="#000" opacity="0.5"/><circle cx="11.5" cy="2.5" r="0.6" fill="#000" opacity="0.5"/>')
    metal = Mat(doc, 'alu', ('#e4e8ec', '#9aa2ac'), ('#b8c0c8', '#7a828c'), line='#16191d', tex_top='panels')
    orange = Mat(doc, 'hazard', ('#f0a040', '#b86418'), ('#d88a30', '#985010'), line='#2a1606')
    steel = Mat(doc, 'steel', ('#7a8088', '#3e434a'), ('#5a6068', '#2a2e34'), line='#0c0d0f', tex='plates', tex_top='plates')
    gun = Mat(doc, 'gundome', ('#9aa0a8', '#3a3e44'), ('#6a7078', '#2a2e34'), line='#0c0d0f', round_=('#a8aeb6', '#2a2e34'))
    # trade centre: a plated apron; a domed habitat to the west joined by a tube to the long store,
    # solar wings behind, a ramp down from the store's doors, the pad and the gas bottles
    sc.ground.append('<rect x="12" y="96" width="146" height="116" rx="3" fill="#4a4a4c" stroke="#1a1a1c" stroke-width="1.5"/>')
    sc.ground.append('<rect x="12" y="96" width="146" height="116" rx="3" fill="url(#panels)"/>')
    sc.ground.append('<path d="M16 100 H154 V208 H16 Z" fill="none" stroke="#f0a040" stroke-width="1.6" stroke-dasharray="8 5"/>')
    for x0 in (76, 116):
        sc.shadow_box(x0, 92, x0 + 36, 108, 8)
        sc.g('<path d="M%d 100 v-8" stroke="#16191d" stroke-width="2"/>' % (x0 + 18))
        sc.g('<rect x="%d" y="76" width="36" height="18" fill="url(#cells)" stroke="#0c0d0f" stroke-width="1"/>' % x0)
        sc.g('<path d="M%d 77 h34" stroke="#c0d8ff" stroke-width="0.8" opacity="0.6"/>' % (x0 + 1))
    sc.cylinder(metal, 40, 140, 22, 12)
    sc.g('<ellipse cx="40" cy="%s" rx="22" ry="19" fill="url(#alu_c)" stroke="#16191d" stroke-width="1"/>' % (140 - 12 - 6))
    sc.g('<path d="M20 122 q20 8 40 0 M40 104 v36" fill="none" stroke="#16191d" stroke-width="0.7" opacity="0.5"/>')
    sc.g('<ellipse cx="34" cy="114" rx="6" ry="4" fill="#9ad0f0" stroke="#16191d" stroke-width="0.7"/>')
    sc.box(metal, 60, 128, 74, 140, 9)
    sc.box(metal, 72, 114, 154, 150, 22)
    sc.g('<rect x="72" y="106" width="82" height="4" fill="url(#hazard_t)"/>')
    sc.g('<ellipse cx="138" cy="%s" rx="10" ry="8" fill="url(#alu_c)" stroke="#16191d" stroke-width="1"/>' % (130 - 22 - 4))
    sc.g('<ellipse cx="136" cy="%s" rx="6" ry="4.6" fill="#5a626c" opacity="0.6"/>' % (130 - 22 - 5))
    sc.g('<path d="M138 %s l6 -6" stroke="#16191d" stroke-width="1.2"/>' % (130 - 22 - 4))
    sc.g('<rect x="100" y="132" width="24" height="18" fill="#101214" stroke="#16191d"/>')
    sc.g('<path d="M112 132 V150" stroke="#f0a040" stroke-width="1"/>')
    ramp(sc, 100, 124, 150, 6, 184, 'url(#alu_t)', '#f0a040', '#16191d', treads='#3a4048')
    pad(sc, 46, 186, 21, '#6a6a6c', '#f0a040', surface='#2a2a2e', lights='#ff5030')
    for x, y in ((136, 176), (148, 182), (136, 194), (148, 200)):
        sc.cylinder(orange, x, y, 5, 10)
    # fortress: riveted steel walls, round towers under gun domes, a command block with a mast
    sc.ground.append('<rect x="370" y="120" width="128" height="94" rx="6" fill="#2a2a2c" stroke="#0c0d0f" stroke-width="1.4"/>')
    sc.ground.append('<rect x="370" y="120" width="128" height="94" rx="6" fill="url(#panels)"/>')

    def inner(sc):
        sc.box(steel, 414, 140, 452, 172, 30)
        sc.g('<rect x="420" y="114" width="26" height="18" fill="#22262a" stroke="#0c0d0f"/>')
        sc.g('<rect x="424" y="117" width="18" height="4" fill="#ff4020" opacity="0.8"/>')
        sc.g('<path d="M433 126 V100" stroke="#0c0d0f" stroke-width="1.4"/>')
        sc.thin.append('<path d="M433 156 L%s %s" stroke-width="1.4"/>' % (f(433 + 56 * SHX), f(156 + 56 * SHY)))
        sc.g('<circle cx="433" cy="100" r="2.4" fill="#ff3020"/>')
        sc.box(steel, 388, 146, 400, 178, 10)
        sc.box(steel, 464, 146, 476, 178, 10)
    fortress(sc, steel, steel, (380, 130, 486, 206), t=8, hw=16, shape='round', tr=12, ht=24, roof='dome', roof_mat=gun,
             roof_h=12, court='#3a3a3c', inner=inner, door='#0c0d0f', gate_w=12, merlon=False, tower_merlons=False)
    # twin gun barrels out of each dome, facing outwards
    for tx, ty in ((380, 130), (486, 130), (380, 206), (486, 206)):
        d = -1 if tx < 430 else 1
        for dy in (-2, 2):
            sc.g('<path d="M%s %s h%s" stroke="#0c0d0f" stroke-width="2" stroke-linecap="round"/>' % (f(tx + d * 6), f(ty - 24 - 6 + dy), f(d * 9)))
    sc.emit('buildings')


def crag(rng, cx, cy, r, h, light, dark, line, snow=None):
    """A rock outcrop of flat facets round one or two summits, each facet shaded by how it faces the
    light (from the upper left and above). snow: a colour laid on the flatter, lit facets."""
    n = rng.randint(9, 12)
    rim = [(cx + math.cos(2 * math.pi * k / n) * r * rng.uniform(0.65, 1.1) * 1.2,
            cy + math.sin(2 * math.pi * k / n) * r * rng.uniform(0.65, 1.1)) for k in range(n)]
    a = rng.uniform(0, math.pi)
    tops = [(cx + math.cos(a) * r * 0.3, cy + math.sin(a) * r * 0.3, h), (cx - math.cos(a) * r * 0.3, cy - math.sin(a) * r * 0.3, h * 0.75)]
    lx, ly, lz = -0.55, -0.55, 0.63
    g = []
    for i in range(n):
        p, q = rim[i], rim[(i + 1) % n]
        mx, my = (p[0] + q[0]) / 2, (p[1] + q[1]) / 2
        t = min(tops, key=lambda t: (t[0] - mx) ** 2 + (t[1] - my) ** 2)
        # the facet's normal from its three corners (the rim at height 0)
        ux, uy, uz = p[0] - t[0], p[1] - t[1], -t[2]
        vx, vy, vz = q[0] - t[0], q[1] - t[1], -t[2]
        nx, ny, nz = uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx
        if nz < 0:
            nx, ny, nz = -nx, -ny, -nz
        ln = math.sqrt(nx * nx + ny * ny + nz * nz) or 1
        lam = max(0.0, (nx * lx + ny * ly + nz * lz) / ln)
        c = mix(dark, light, min(1, lam * 1.15))
        if snow and nz / ln > 0.75 and rng.random() < 0.6:
            c = mix(c, snow, 0.8)
        g.append('<path d="%s" fill="%s" stroke="%s" stroke-width="0.6" stroke-linejoin="round"/>' % (poly([(t[0], t[1]), p, q]), c, line))
    # the ridge between the two summits
    g.append('<path d="M%s %sL%s %s" stroke="%s" stroke-width="0.8"/>' % (f(tops[0][0]), f(tops[0][1]), f(tops[1][0]), f(tops[1][1]), line))
    return g, rim


def filiy():
    """Pale icy grey: a glacier with flow bands, moraines and crevasses, dark rock peaks through the
    snow, a frozen lake, wind-carved drifts; an insulated orange hall, a fort of ice blocks."""
    doc = Doc(7707)
    common_defs(doc)
    rng = doc.rng
    hm, col = [], []
    flow = spline([(540, 262), (460, 300), (380, 330), (320, 380), (290, 450), (300, 520), (290, 600)], 5)
    lake = blob_pts(rng, 96, 420, 60, 14, 0.16, 1.25, 0.8, 0.2)
    peaks = [(206, 320, 34), (470, 440, 44), (110, 545, 30), (250, 60, 26), (410, 540, 24), (40, 262, 22), (320, 140, 18),
             (500, 360, 20)]
    road_a = [(152, 198), (210, 216), (280, 226), (350, 226), (404, 224), (432, 224)]
    road_b = [(210, 216), (170, 270), (140, 330), (132, 362)]
    gl = catmull(flow, False, True)
    width = lambda i, n: 64 + 26 * (i / n)
    edge = banks(flow, width)
    n = len(flow)
    left, right = edge[:n], edge[n:][::-1]
    # height: the glacier's convex tongue between moraine ridges; rock peaks; the lake's flat
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="80" stroke-linecap="round" filter="url(#blur5)"/>' % (gl, grey(0.22)))
    for side in (left, right):
        hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="6" filter="url(#blur2)"/>' % (catmull(side, False, True), grey(0.42)))
    hm.append('<path d="%s" fill="%s" filter="url(#blur3)"/>' % (catmull(lake, True, True), grey(-0.12)))
    for _ in range(10):
        x, y = rng.uniform(-40, W + 40), rng.uniform(-40, H + 40)
        hm.append(mound(x, y, rng.uniform(70, 150), rng.uniform(50, 100), rng.randint(-40, 40), 'bump', 0.45))
    for _ in range(30):
        x, y = rng.uniform(-20, W + 20), rng.uniform(-20, H + 20)
        if in_box(x, y, TRADE_BOX, 20) or in_box(x, y, FORT_BOX, 20):
            continue
        hm.append(mound(x, y, rng.uniform(30, 70), rng.uniform(8, 14), -32, 'bump', rng.uniform(0.06, 0.14)))
    rocks = []
    for cx, cy, r in peaks:
        for k in range(rng.randint(2, 4)):
            x, y = cx + rng.uniform(-r, r) * 0.8, cy + rng.uniform(-r, r) * 0.6
            rr = r * rng.uniform(0.35, 0.6) if k else r * 0.8
            g, rim = crag(rng, x, y, rr, rr * 1.1, '#c8ccd4', '#3a3e48', '#2a2e36', snow='#f4f8fc')
            rocks.append((y, g))
            hm.append('<path d="%s" fill="%s" filter="url(#blur2)"/>' % (poly(rim), grey(0.5)))
    rocks.sort(key=lambda t: t[0])
    for pts in (road_a, road_b):
        hm.append('<path d="%s" fill="none" stroke="#808080" stroke-width="14" filter="url(#blur2)"/>' % catmull(pts, False, True))
    flatten(hm, [(6, 68, 168, 222), (354, 84, 510, 228)])

    noise_paint(doc, 'snow', '#c4ccd6', '#f4f7fa', 0.01, 71, 4, gain=2.0)
    noise_paint(doc, 'blue', '#b0c4dc', '#c8d8ec', 0.03, 72, 3, alpha=(2.6, -1.3), opacity=0.4)
    # wind-carved sastrugi
    doc.d('<filter id="sastrugi" filterUnits="userSpaceOnUse" x="-100" y="-100" width="%d" height="%d">'
          '<feTurbulence type="fractalNoise" baseFrequency="0.008 0.14" numOctaves="2" seed="5"/>'
          '<feColorMatrix type="matrix" values="0 0 0 0 0.55  0 0 0 0 0.62  0 0 0 0 0.72  3 0 0 0 -1.6"/></filter>' % (W + 200, H + 200))
    doc.b('<g transform="rotate(-32 256 285)"><rect x="-100" y="-100" width="%d" height="%d" filter="url(#sastrugi)" opacity="0.4"/></g>' % (W + 200, H + 200))
    # the glacier: bluish ice, flow bands, moraines of grey rubble
    doc.d('<clipPath id="ice"><path d="%s"/></clipPath>' % catmull(edge, True, True))
    g = ['<path d="%s" fill="#dce8f4"/>' % catmull(edge, True, True)]
    for k in range(-5, 6):
        off = k / 5.5
        band = [(a[0] + (b[0] - a[0]) * (0.5 + off / 2), a[1] + (b[1] - a[1]) * (0.5 + off / 2)) for a, b in zip(left, right)]
        g.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" opacity="0.5"/>'
                 % (catmull(wander(rng, band, 1.2), False, True), rng.choice(('#a8bcd4', '#c0d0e4', '#9ab0cc', '#ffffff')), f(rng.uniform(1, 3))))
    mid = [((a[0] + b[0]) / 2, (a[1] + b[1]) / 2) for a, b in zip(left, right)]
    rubble = []
    for line, spread in ((left, 5), (right, 5), (mid, 3)):
        for x, y in densify(line, 2.2):
            rubble.append('<circle cx="%s" cy="%s" r="%s"/>' % (f(x + rng.uniform(-spread, spread)), f(y + rng.uniform(-spread, spread)), f(rng.uniform(0.6, 1.5))))
    g.append('<g fill="#6a6870" opacity="0.7">%s</g>' % ''.join(rubble))
    # crevasses across the flow where it bends
    for i in range(6, n - 6, 2):
        (ax, ay), (bx, by) = flow[i - 3], flow[i + 3]
        turn = abs(math.atan2(by - flow[i][1], bx - flow[i][0]) - math.atan2(flow[i][1] - ay, flow[i][0] - ax))
        if turn < 0.12 and rng.random() < 0.75:
            continue
        tx, ty = bx - ax, by - ay
        ln = math.hypot(tx, ty) or 1
        nx, ny = -ty / ln, tx / ln
        wdt = width(i, n) * 0.42
        for _ in range(rng.randint(1, 3)):
            o = rng.uniform(-0.7, 0.7) * wdt
            cx, cy = flow[i][0] + nx * o + tx / ln * rng.uniform(-3, 3), flow[i][1] + ny * o + ty / ln * rng.uniform(-3, 3)
            L = rng.uniform(6, 14)
            d = 'M%s %s q%s %s %s %s' % (f(cx - nx * L), f(cy - ny * L), f(nx * L + tx / ln * 3), f(ny * L + ty / ln * 3), f(2 * nx * L), f(2 * ny * L))
            g.append('<path d="%s" fill="none" stroke="#2a4a78" stroke-width="1.8" stroke-linecap="round"/>' % d)
            g.append('<path d="%s" fill="none" stroke="#ffffff" stroke-width="1" stroke-linecap="round" transform="translate(1 1)"/>' % d)
    doc.b('<g clip-path="url(#ice)">' + ''.join(g) + '</g>')
    road(col, road_a, 8, '#e8eef4', '#8a9ab0', ruts='#9aaac0')
    road(col, road_b, 6, '#e8eef4', '#8a9ab0', ruts='#9aaac0')
    doc.b(''.join(col))
    relief(doc, hm, strength=8, blur=1.0, noise=(0.05, 0.08, 3, 14), shadow=(5, 1.6, 2), elev=36)
    doc.b('<g>' + ''.join(''.join(g) for _, g in rocks) + '</g>')
    # the frozen lake: clear ice, cracks, snow drifted across it
    lk = catmull(lake, True, True)
    doc.d('<clipPath id="lake"><path d="%s"/></clipPath>' % lk)
    doc.d('<radialGradient id="lakeice" cx="0.45" cy="0.45" r="0.6"><stop offset="0" stop-color="#b8d4e4"/>'
          '<stop offset="0.7" stop-color="#8aaec8"/><stop offset="1" stop-color="#c8dce8"/></radialGradient>')
    g = ['<path d="%s" fill="url(#lakeice)"/>' % lk]
    for _ in range(7):
        x, y = rng.uniform(40, 160), rng.uniform(390, 450)
        pts = [(x, y)]
        a = rng.uniform(0, 6.28)
        for _ in range(8):
            a += rng.uniform(-0.6, 0.6)
            x, y = x + math.cos(a) * 8, y + math.sin(a) * 8
            pts.append((x, y))
        g.append('<path d="%s" fill="none" stroke="#f4fbff" stroke-width="1" opacity="0.8"/>' % poly(pts, False))
    for _ in range(4):
        x, y = rng.uniform(50, 150), rng.uniform(390, 450)
        g.append('<ellipse cx="%s" cy="%s" rx="%s" ry="4" fill="#ffffff" opacity="0.6" filter="url(#blur2)" transform="rotate(-32 %s %s)"/>'
                 % (fi(x), fi(y), fi(rng.uniform(12, 24)), fi(x), fi(y)))
    g.append('<path d="%s" fill="none" stroke="#2a4a6a" stroke-width="6" opacity="0.3" filter="url(#blur2)" transform="translate(-3 -3)"/>' % lk)
    doc.b('<path d="%s" fill="none" stroke="#ffffff" stroke-width="5" filter="url(#blur1)"/>' % lk)
    doc.b('<g clip-path="url(#lake)">' + ''.join(g) + '</g>')
    # marker poles along the ice road
    for x, y in densify(road_b, 14)[1:]:
        doc.b('<path d="M%s %s v-5" stroke="#d8401e" stroke-width="1.2"/>' % (f(x + 6), f(y)))
    filiy_buildings(doc)
    vignette(doc)
    doc.write('surface_filiy.svg', 'Filiy: pale grey ice, a glacier and rock peaks, an orange hall and an ice fort')


def filiy_buildings(doc):
    sc = Scene(doc, shade='#1a2a48', opacity=0.45)
    pattern(doc, 'clad', 8, 10, '<rect width="8" height="10" fill="none"/><path d="M0.5 0V10" stroke="#5a2a08" stroke-opacity="0.5" stroke-width="1"/>'
            '<path d="M1.5 0V10" stroke="#fff" stroke-opacity="0.25" stroke-width="0.6"/>')
    pattern(doc, 'iceblock', 12, 8, '<rect width="12" height="8" fill="none"/><path d="M0 0.5H12M0 4.5H12M4 0.5V4.5M10 4.5V8.5" stroke="#5a7a9a" stroke-opacity="0.45" stroke-width="0.8"/>'
            '<path d="M1 1.5H3" stroke="#fff" stroke-width="0.6" opacity="0.8"/>')
    pattern(doc, 'packed', 10, 10, '<rect width="10" height="10" fill="#e4ecf4"/><path d="M0 3 q5 -2 10 0 M0 8 q5 -2 10 0" fill="none" stroke="#b0c0d4" stroke-width="0.7"/>')
    clad = Mat(doc, 'clad', ('#f0a050', '#c06a20'), ('#d8803a', '#a85418'), line='#3a1a06', tex='clad')
    Mat(doc, 'snowroof', ('#ffffff', '#d0dcea'), ('#e8f0f8', '#b8c8dc'), line='#4a5a70')
    ice = Mat(doc, 'iceblk', ('#f4faff', '#b8d0e8'), ('#d0e4f4', '#8ab0d4'), line='#2a4a6a', tex='iceblock', round_=('#f4faff', '#7aa0c8'))
    slate = Mat(doc, 'blueslate', ('#6a86b0', '#2a3e60'), ('#4a6490', '#1e2e4a'), line='#0e1a2e')
    # trade centre: a packed-snow yard, the orange insulated hall under a snow-laden roof, a heated ramp
    sc.ground.append('<rect x="12" y="98" width="146" height="114" rx="6" fill="url(#packed)" stroke="#7a8aa0" stroke-width="1.5"/>')
    sc.ground.append('<rect x="12" y="98" width="146" height="114" rx="6" fill="none" stroke="#fff" stroke-width="1" transform="translate(1 1)" opacity="0.8"/>')
    # a tall hall to the west, a low vehicle shed to the east, both under snow
    sc.box(clad, 18, 112, 84, 160, 32)
    sc.g('<rect x="19" y="81" width="64" height="46" rx="3" fill="url(#snowroof_t)" stroke="#4a5a70" stroke-width="0.8"/>')
    sc.g('<path d="M20 127 q6 3 12 0 q6 4 12 0 q6 3 12 0 q6 4 12 0 q6 3 12 0 q4 3 4 0" fill="#ffffff" stroke="#8aa0bc" stroke-width="0.8"/>')
    for x in (30, 52):
        sc.cylinder(clad, x + 6, 124, 4, 6, z=32, cast=False)
        sc.g('<ellipse cx="%d" cy="%d" rx="4" ry="2" fill="#fff" opacity="0.9"/>' % (x + 6, 124 - 38 - 1))
    for x in (24, 70):
        sc.g('<rect x="%d" y="134" width="8" height="8" fill="#ffe8a0" stroke="#3a1a06"/>' % x)
    sc.g('<rect x="38" y="140" width="22" height="18" fill="#3a2410" stroke="#3a1a06"/>')
    sc.box(clad, 92, 110, 152, 140, 14)
    sc.g('<rect x="93" y="97" width="58" height="28" rx="2" fill="url(#snowroof_t)" stroke="#4a5a70" stroke-width="0.8"/>')
    sc.g('<path d="M94 125 q6 3 12 0 q6 4 12 0 q6 3 12 0 q6 4 12 0 q5 3 8 0" fill="#ffffff" stroke="#8aa0bc" stroke-width="0.8"/>')
    for x in (98, 124):
        sc.g('<rect x="%d" y="128" width="22" height="12" fill="#6a727e" stroke="#2a3040"/>' % x)
        sc.g('<path d="M%d 131 h22 M%d 134 h22 M%d 137 h22" stroke="#3a4250" stroke-width="0.8"/>' % (x, x, x))
    ramp(sc, 38, 60, 160, 8, 196, 'url(#grate)', '#f0a050', '#2a3040', treads='#2a3040')
    pad(sc, 122, 180, 22, '#c8d4e0', '#e8601e', surface='#5a6678', lights='#ff8040')
    for x, y in ((70, 178), (70, 190), (82, 184)):
        sc.box(clad, x, y, x + 10, y + 8, 7)
        sc.g('<rect x="%d" y="%d" width="10" height="3" fill="#fff"/>' % (x, y - 7))
    pattern(doc, 'grate', 4, 4, '<rect width="4" height="4" fill="#5a5e58"/><path d="M0 2H4M2 0V4" stroke="#2a2c28" stroke-width="0.8"/>')
    # fortress: walls of cut ice blocks, round towers with slate cones capped in snow, a keep
    sc.ground.append('<rect x="368" y="118" width="130" height="98" rx="10" fill="none" stroke="#a8c0dc" stroke-width="6" opacity="0.8"/>')

    def inner(sc):
        sc.box(ice, 414, 144, 452, 174, 26)
        sc.pyramid(slate, 412, 142, 454, 176, 26, 40)
        sc.g('<path d="M433 %s l-12 %s h24 z" fill="#ffffff" opacity="0.9"/>' % (159 - 40, 9))
        sc.box(ice, 388, 148, 400, 180, 8)
        sc.flag(433, 159, 40, 12, '#2a5ad0')
    fortress(sc, ice, ice, (380, 136, 486, 206), t=8, hw=16, shape='round', tr=10, ht=22, roof='cone', roof_mat=slate,
             roof_h=24, court='url(#packed)', inner=inner, door='#1e2e4a', gate_w=12)
    for tx, ty in ((380, 136), (486, 136), (380, 206), (486, 206)):
        sc.g('<path d="M%s %s l-4 7 q4 2 8 0 z" fill="#ffffff" stroke="#8aa0bc" stroke-width="0.5"/>' % (f(tx), f(ty - 22 - 24)))
    sc.emit('buildings')


def miranda():
    """Orange and grey: orange dust plains, grey basalt flows with ropy crusts, a smoking cone with a
    glowing lava channel; a heat-shielded grey store, a black basalt fort behind a lava moat."""
    doc = Doc(8808)
    common_defs(doc)
    rng = doc.rng
    hm, col = [], []
    vx, vy = 300, 370
    lava = meander(rng, spline([(vx + 10, vy + 8), (340, 420), (330, 480), (380, 530), (370, 600)], 6), 8, 1.5)
    flows = [[(252, 390), (210, 400), (150, 380), (80, 420), (-20, 410)], [(352, 340), (390, 326), (440, 320), (530, 290)],
             [(272, 420), (250, 450), (200, 500), (180, 600)]]
    road_a = [(152, 198), (210, 220), (280, 232), (350, 234), (410, 232), (432, 230)]
    road_b = [(280, 232), (230, 270), (150, 290), (60, 300), (-20, 296)]
    basalt = []
    for pts in flows:
        fl = meander(rng, spline(pts, 6), 8, 2)
        w = lambda i, n: 46 * (1 - 0.55 * i / n) + 6 * math.sin(i * 0.7)
        ol = catmull(banks(fl, w), True, True)
        basalt.append(ol)
        hm.append('<path d="%s" fill="%s" filter="url(#blur2)"/>' % (ol, grey(0.12)))
        # ropy ridges across the flow
        for i in range(3, len(fl) - 2, 2):
            (ax, ay), (bx, by) = fl[i - 1], fl[i + 1]
            tx, ty = bx - ax, by - ay
            ln = math.hypot(tx, ty) or 1
            hw = w(i, len(fl)) * 0.4
            x, y = fl[i]
            hm.append('<path d="M%s %s q%s %s %s %s" fill="none" stroke="%s" stroke-width="2.2" filter="url(#blur1)"/>'
                      % (fi(x - ty / ln * hw), fi(y + tx / ln * hw), fi(ty / ln * hw + tx / ln * 5), fi(-tx / ln * hw + ty / ln * 5),
                         fi(2 * ty / ln * hw), fi(-2 * tx / ln * hw), grey(0.3)))
    # the cone over the heads of the flows
    hm.append('<circle cx="%d" cy="%d" r="130" fill="url(#bump)" opacity="0.5"/>' % (vx, vy))
    hm.append('<circle cx="%d" cy="%d" r="78" fill="url(#bump)"/>' % (vx, vy))
    hm.append('<circle cx="%d" cy="%d" r="40" fill="url(#bump)"/>' % (vx, vy))
    # gullies down the flanks of the cone
    gul = []
    for k in range(30):
        a = 2 * math.pi * k / 30 + rng.uniform(-0.06, 0.06)
        r0, r1 = rng.uniform(17, 22), rng.uniform(48, 74)
        b = a + rng.uniform(-0.12, 0.12)
        gul.append('M%s %s Q%s %s %s %s' % (fi(vx + math.cos(a) * r0), fi(vy + math.sin(a) * r0), fi(vx + math.cos(a) * (r0 + r1) / 2),
                                            fi(vy + math.sin(a) * (r0 + r1) / 2), fi(vx + math.cos(b) * r1), fi(vy + math.sin(b) * r1)))
    hm.append('<path d="%s" fill="none" stroke="%s" stroke-width="3" stroke-linecap="round" opacity="0.6" filter="url(#blur2)"/>' % (''.join(gul), grey(0.3)))
    hm.append('<circle cx="%d" cy="%d" r="19" fill="%s" stroke="%s" stroke-width="4" filter="url(#blur1)"/>' % (vx, vy, grey(0.1), grey(0.75)))
    hm.append('<circle cx="%d" cy="%d" r="12" fill="%s" filter="url(#blur1)"/>' % (vx, vy, grey(-0.1)))
    for cx, cy, r in ((120, 470, 26), (450, 480, 30), (60, 240, 18), (470, 300, 16), (230, 120, 20)):
        hm.append('<circle cx="%d" cy="%d" r="%s" fill="url(#bump)"/>' % (cx, cy, f(r * 1.4)))
        hm.append('<circle cx="%d" cy="%d" r="%s" fill="url(#dent)" opacity="0.9"/>' % (cx, cy, f(r * 0.5)))
    for pts in (road_a, road_b):
        hm.append('<path d="%s" fill="none" stroke="#808080" stroke-width="14" filter="url(#blur2)"/>' % catmull(pts, False, True))
    flatten(hm, [(6, 68, 168, 224), (354, 84, 510, 232)])
    # orange dust plains, grey basalt
    noise_paint(doc, 'dust', '#a8541c', '#e89448', 0.012, 81, 4, gain=2.0)
    noise_paint(doc, 'sulphur', '#d8a040', '#f0c060', 0.03, 82, 3, alpha=(3.0, -1.7), opacity=0.45)
    for ol in basalt:
        doc.b('<path d="%s" fill="#4a4644" stroke="#2a2624" stroke-width="1.5" filter="url(#blur1)"/>' % ol)
    doc.b('<circle cx="%d" cy="%d" r="110" fill="#5a4e48" opacity="0.5" filter="url(#blur5)"/>' % (vx, vy))
    doc.b('<circle cx="%d" cy="%d" r="74" fill="#4a423e" filter="url(#blur4)"/>' % (vx, vy))
    doc.b('<path d="%s" fill="none" stroke="#2a2220" stroke-width="1.4" opacity="0.35" filter="url(#blur1)"/>' % ''.join(gul))
    doc.b('<path d="%s" fill="none" stroke="#b0642a" stroke-width="1.2" opacity="0.25" transform="rotate(5 %d %d)"/>' % (''.join(gul), vx, vy))
    doc.b('<circle cx="%d" cy="%d" r="20" fill="none" stroke="#7a6a60" stroke-width="3"/>' % (vx, vy))
    noise_paint(doc, 'ash', '#3a3634', '#6a6460', 0.05, 83, 3, alpha=(2.0, -0.9), opacity=0.35)
    # cinder cones: dark scoria
    for cx, cy, r in ((120, 470, 26), (450, 480, 30), (60, 240, 18), (470, 300, 16), (230, 120, 20)):
        doc.b('<circle cx="%d" cy="%d" r="%s" fill="#3a302c" filter="url(#blur3)"/>' % (cx, cy, f(r * 1.2)))
        doc.b('<circle cx="%d" cy="%d" r="%s" fill="#1e1816" filter="url(#blur1)"/>' % (cx, cy, f(r * 0.45)))
    road(col, road_a, 8, '#c88a50', '#5a3a20', ruts='#7a4a28')
    road(col, road_b, 7, '#c88a50', '#5a3a20', ruts='#7a4a28')
    doc.b(''.join(col))
    # scattered bombs of basalt
    stones, bumps = [], []
    for x, y in scatter(rng, 9, keep=lambda x, y: not in_box(x, y, TRADE_BOX, 8) and not in_box(x, y, FORT_BOX, 12)
                        and seg_dist(x, y, road_a) > 9 and seg_dist(x, y, road_b) > 9):
        d = math.hypot(x - vx, y - vy)
        if d < 80 or rng.random() > 0.12 * math.exp(-((d - 110) / 50) ** 2) + 0.006:
            continue
        r = rng.uniform(1.2, 3)
        stones.append((rng.choice(('#4a4440', '#5a534e', '#3a3430')), '<circle cx="%s" cy="%s" r="%s"/>' % (fi(x), fi(y), f(r))))
        bumps.append('<circle cx="%s" cy="%s" r="%s"/>' % (fi(x), fi(y), f(r * 1.5)))
    doc.b(by_fill(stones))
    hm.append('<g fill="url(#bump)">' + ''.join(bumps) + '</g>')
    relief(doc, hm, strength=10, blur=0.8, noise=(0.07, 0.1, 3, 15), shadow=(5, 2.8, 1.3), elev=38)
    # lava: the crater glows, a channel runs out of its breach
    doc.d('<radialGradient id="magma"><stop offset="0" stop-color="#fff6b0"/><stop offset="0.35" stop-color="#ffb830"/>'
          '<stop offset="0.75" stop-color="#e84a10"/><stop offset="1" stop-color="#7a1004" stop-opacity="0"/></radialGradient>')
    ld = catmull(lava, False, True)
    doc.b('<path d="%s" fill="none" stroke="#ff5a10" stroke-width="18" opacity="0.5" filter="url(#blur4)"/>' % ld)
    doc.b('<path d="%s" fill="none" stroke="#2a0e06" stroke-width="9" stroke-linecap="round"/>' % ld)
    doc.b('<path d="%s" fill="none" stroke="#e8400c" stroke-width="6" stroke-linecap="round"/>' % ld)
    doc.b('<path d="%s" fill="none" stroke="#ffb030" stroke-width="2.6" stroke-linecap="round"/>' % ld)
    doc.b('<path d="%s" fill="none" stroke="#2a0e06" stroke-width="2" stroke-dasharray="3 9" opacity="0.7"/>' % ld)
    doc.b('<circle cx="%d" cy="%d" r="30" fill="#ff6010" opacity="0.45" filter="url(#blur5)"/>' % (vx, vy))
    doc.b('<path d="%s" fill="url(#magma)"/>' % blob(rng, vx, vy, 12, 10, 0.15))
    # a plume of smoke drifting east
    for k in range(6):
        doc.b('<circle cx="%s" cy="%s" r="%s" fill="#5a5250" opacity="%.2f" filter="url(#blur5)"/>'
              % (f(vx + 12 + k * 18), f(vy - 20 - k * 12), f(10 + k * 5), 0.35 - k * 0.05))
    miranda_buildings(doc)
    vignette(doc)
    doc.write('surface_miranda.svg', 'Miranda: orange dust and grey basalt, a volcano, a grey store and a basalt fort')


def miranda_buildings(doc):
    sc = Scene(doc, shade='#1a0a04', opacity=0.6)
    pattern(doc, 'shield', 10, 10, '<rect width="10" height="10" fill="none"/><path d="M0 0.5H10M0.5 0V10" stroke="#000" stroke-opacity="0.35" stroke-width="0.8"/>'
            '<path d="M1 1.5H4" stroke="#fff" stroke-opacity="0.3" stroke-width="0.6"/>')
    pattern(doc, 'basaltblk', 10, 7, '<rect width="10" height="7" fill="none"/><path d="M0 0.5H10M0 3.8H10M3 0.5V3.8M8 3.8V7" stroke="#000" stroke-opacity="0.5" stroke-width="0.8"/>'
            '<path d="M0.5 1.2H2.5" stroke="#8a7a70" stroke-width="0.6"/>')
    pattern(doc, 'hatch', 12, 12, '<rect width="12" height="12" fill="#5a524c"/><path d="M0 12 L12 0" stroke="#f0a030" stroke-width="3"/>', rot=None)
    grey_ = Mat(doc, 'heatgrey', ('#b8b4ae', '#6e6a66'), ('#8e8a84', '#5a5652'), line='#161412', tex_top='shield', tex='shield')
    orng = Mat(doc, 'orng', ('#f8a040', '#c05a10'), ('#e07820', '#a04808'), line='#2a1204')
    basalt = Mat(doc, 'basaltw', ('#5a524e', '#2a2624'), ('#403a36', '#1e1a18'), line='#0a0806', tex='basaltblk', tex_top='basaltblk')
    # trade centre: a ceramic-tiled yard; a long heat-shielded store across the back with orange bands
    # and vents, a ramp down from its west doors, the pad and the fuel tanks in front
    sc.ground.append('<rect x="12" y="96" width="146" height="116" rx="3" fill="#8a847c" stroke="#2a2622" stroke-width="1.5"/>')
    sc.ground.append('<rect x="12" y="96" width="146" height="116" rx="3" fill="url(#shield)"/>')
    sc.box(grey_, 16, 104, 154, 140, 22)
    sc.g('<rect x="16" y="86" width="138" height="5" fill="url(#orng_t)" stroke="#2a1204" stroke-width="0.6"/>')
    sc.g('<rect x="16" y="126" width="138" height="4" fill="#e07820"/>')
    for x in (62, 86, 110, 134):
        sc.g('<rect x="%d" y="%d" width="12" height="8" fill="#000" opacity="0.3"/>' % (x - 3, 116 - 22 + 2))
        sc.box(grey_, x - 6, 114, x + 4, 122, 6, z=22, cast=False)
        sc.g('<circle cx="%d" cy="%d" r="2.6" fill="#1a1614"/>' % (x - 1, 114 - 28 + 4))
    sc.g('<rect x="24" y="122" width="22" height="16" fill="#1a1614" stroke="#161412"/>')
    sc.g('<rect x="120" y="124" width="26" height="14" fill="#1a1614" stroke="#161412"/>')
    sc.g('<path d="M120 128 H146 M120 132 H146" stroke="#3a3430" stroke-width="1"/>')
    pattern(doc, 'hatchramp', 8, 8, '<rect width="8" height="8" fill="#6a625a"/><path d="M0 8 L8 0" stroke="#f0a030" stroke-width="2.2"/>')
    ramp(sc, 24, 46, 140, 8, 176, 'url(#hatchramp)', '#f0a030', '#161412', treads='#2a2420')
    pad(sc, 110, 180, 24, '#6a645e', '#f0a030', surface='#2e2a28', lights='#ffd060')
    for x, y in ((26, 196), (40, 200), (56, 194)):
        sc.cylinder(orng, x, y, 6, 12)
        sc.g('<path d="M%s %s h12" stroke="#fff" stroke-opacity="0.4"/>' % (f(x - 6), f(y - 6)))
    sc.g('<path d="M62 194 H86" stroke="#2a2420" stroke-width="2"/>')
    # fortress: black basalt blocks inside a moat of lava, bronze-domed towers, a keep with a beacon
    sc.ground.append('<rect x="364" y="116" width="138" height="102" rx="12" fill="#ff5a10" opacity="0.55" filter="url(#blur3)"/>')
    sc.ground.append('<rect x="367" y="119" width="132" height="96" rx="10" fill="none" stroke="#2a0e06" stroke-width="10"/>')
    sc.ground.append('<rect x="367" y="119" width="132" height="96" rx="10" fill="none" stroke="#e8400c" stroke-width="6"/>')
    sc.ground.append('<rect x="367" y="119" width="132" height="96" rx="10" fill="none" stroke="#ffc040" stroke-width="1.6" stroke-dasharray="5 7"/>')
    sc.ground.append('<rect x="374" y="126" width="118" height="82" rx="4" fill="#3a3430"/>')

    def inner(sc):
        sc.box(basalt, 416, 144, 450, 172, 30)
        glow(doc)
        sc.g('<circle cx="433" cy="%s" r="7" fill="url(#glow)"/>' % (158 - 30))
        sc.g('<circle cx="433" cy="%s" r="3" fill="#ff7020"/>' % (158 - 30))
        sc.box(basalt, 388, 148, 402, 178, 9)
        sc.box(basalt, 464, 148, 478, 178, 9)
    fortress(sc, basalt, basalt, (380, 130, 486, 206), t=8, hw=16, shape='square', tr=10, ht=26, court='#4a3e38', inner=inner,
             door='#1a0a04', gate_w=12, mid=True)
    # fire baskets glowing on the tower tops
    glow(doc)
    for tx, ty in ((380, 130), (486, 130), (380, 168), (486, 168), (380, 206), (486, 206)):
        sc.g('<circle cx="%s" cy="%s" r="3" fill="#2a1a10" stroke="#0a0806"/><circle cx="%s" cy="%s" r="6" fill="url(#glow)"/>'
             % (f(tx), f(ty - 26), f(tx), f(ty - 27)))
    sc.g('<path d="M426 206 h14 v12 h-14 z" fill="#3a3430" stroke="#0a0806"/>')
    sc.emit('buildings')


PLANETS = {'karot': karot, 'pardonolia': pardonolia, 'pasim': pasim, 'dorav': dorav, 'zemlya': zemlya,
           'shekarama': shekarama, 'filiy': filiy, 'miranda': miranda}

if __name__ == '__main__':
    for draw in PLANETS.values():
        draw()
