#!/usr/bin/env python3
"""Writes preview_fortress.svg: a fencer in a full lunge, in black ink on white.

The figure is built on a skeleton of eight heads' height, so the proportions hold: the
front shin stands upright with the knee over the foot, the back leg is straight, the sword
arm and the blade make one line, and the rear arm is thrown up behind for balance. Each
limb is drawn as a tapered body round its bone, the whole figure as one black silhouette;
thin white cuts mark where parts overlap, and the mask keeps its mesh."""
import math
import os
import sys


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "tools"))
from generators import output_dir  # noqa: E402  (shared by the generators)

W, H = 187, 111.27  # the picture's natural size, in pixels
FLOOR = 101.5
U = 11.8  # one head


def f(v):
    s = f'{v:.2f}'.rstrip('0').rstrip('.')
    return '0' if s == '-0' else s


def add(p, q, k=1.0):
    return (p[0] + q[0] * k, p[1] + q[1] * k)


def polar(p, length, degrees):
    """The point at length from p, at an angle in degrees counted upwards from the right."""
    a = math.radians(degrees)
    return (p[0] + math.cos(a) * length, p[1] - math.sin(a) * length)


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


# ---- The skeleton ----

# The front leg: the foot flat, the shin upright over it, the thigh close to level.
FRONT_ANKLE = (96.0, FLOOR - 4.2)
FRONT_KNEE = (FRONT_ANKLE[0] + 0.6, FRONT_ANKLE[1] - 2.0 * U)
HIP = polar(FRONT_KNEE, 2.0 * U, 165)
# The back leg, straight from the hip to the foot on the floor.
_reach = 4.0 * U
_drop = FLOOR - 4.2 - HIP[1]
BACK_ANKLE = (HIP[0] - math.sqrt(_reach ** 2 - _drop ** 2), FLOOR - 4.2)
BACK_KNEE = lerp(HIP, BACK_ANKLE, 0.5)
# The trunk leans a little into the thrust.
SHOULDER = polar(HIP, 2.45 * U, 80)
NECK = polar(SHOULDER, 0.32 * U, 72)
HEAD = polar(NECK, 0.62 * U, 78)
# The sword arm: straight, a little above level, the blade going on in the same line.
ARM_ANGLE = 6
SWORD_SHOULDER = add(SHOULDER, (1.5, 0.8))
ELBOW = polar(SWORD_SHOULDER, 1.5 * U, ARM_ANGLE)
WRIST = polar(ELBOW, 1.3 * U, ARM_ANGLE)
GUARD = polar(WRIST, 3.2, ARM_ANGLE)
TIP = polar(GUARD, 4.15 * U, ARM_ANGLE + 1.2)
# The rear arm: thrown up behind, the elbow bent, the hand loose.
REAR_SHOULDER = add(SHOULDER, (-2.0, 1.2))
REAR_ELBOW = polar(REAR_SHOULDER, 1.5 * U, 148)
REAR_WRIST = polar(REAR_ELBOW, 1.3 * U, 112)


# ---- Shapes round the bones ----

def body(samples):
    """A closed smooth outline round a chain of bone points.

    samples: (point, left, right): half widths to the left and right of the direction of
    travel; the ends are rounded."""
    left, right = [], []
    n = len(samples)
    for i, (p, wl, wr) in enumerate(samples):
        a = samples[max(i - 1, 0)][0]
        b = samples[min(i + 1, n - 1)][0]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1
        nx, ny = -dy / ln, dx / ln  # left normal (y points down)
        left.append((p[0] - nx * wl, p[1] - ny * wl))
        right.append((p[0] + nx * wr, p[1] + ny * wr))
    # round caps
    def cap(p, q, w, forward):
        dx, dy = q[0] - p[0], q[1] - p[1]
        ln = math.hypot(dx, dy) or 1
        return (p[0] + dx / ln * w * 0.8 * forward, p[1] + dy / ln * w * 0.8 * forward)
    start = cap(samples[0][0], samples[1][0], (samples[0][1] + samples[0][2]) / 2, -1)
    end = cap(samples[-1][0], samples[-2][0], (samples[-1][1] + samples[-1][2]) / 2, -1)
    ring = left + [end] + right[::-1] + [start]
    return smooth_closed(ring)


def smooth_closed(points):
    n = len(points)
    out = [f'M{f(points[0][0])} {f(points[0][1])}']
    for i in range(n):
        p0, p1, p2, p3 = (points[(i + k) % n] for k in (-1, 0, 1, 2))
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        out.append(f'C{f(c1[0])} {f(c1[1])} {f(c2[0])} {f(c2[1])} {f(p2[0])} {f(p2[1])}')
    return ' '.join(out) + 'Z'


def chain(joints, profile):
    """Bone samples along a chain of joints: profile is (t along the chain, left, right)."""
    lengths = [math.dist(joints[i], joints[i + 1]) for i in range(len(joints) - 1)]
    total = sum(lengths)
    out = []
    for t, wl, wr in profile:
        d = t * total
        for i, ln in enumerate(lengths):
            if d <= ln or i == len(lengths) - 1:
                out.append((lerp(joints[i], joints[i + 1], min(d / ln, 1.0)), wl, wr))
                break
            d -= ln
    return out


def leg(hip, knee, ankle, front):
    # travel from hip to ankle; for the front leg "left" is the top of the thigh and the
    # front of the shin, for the back leg the back of the leg
    if front:
        profile = [(0, 6.6, 6.2), (0.14, 6.3, 6.3), (0.32, 5.1, 5.3), (0.47, 3.6, 3.8),
                   (0.52, 3.4, 3.6), (0.6, 3.1, 4.4), (0.7, 2.6, 4.0), (0.86, 2.0, 2.4),
                   (1.0, 1.8, 1.9)]
    else:
        profile = [(0, 6.4, 6.6), (0.14, 6.0, 5.8), (0.32, 4.9, 4.4), (0.47, 3.6, 3.3),
                   (0.52, 3.5, 3.2), (0.6, 4.4, 3.0), (0.7, 4.0, 2.6), (0.86, 2.4, 1.9),
                   (1.0, 1.9, 1.7)]
    return body(chain([hip, knee, ankle], profile))


def arm(shoulder, elbow, wrist, rear):
    if rear:
        profile = [(0, 3.8, 3.9), (0.2, 3.3, 3.4), (0.5, 2.4, 2.5), (0.62, 2.6, 2.8),
                   (0.9, 1.7, 1.8), (1.0, 1.5, 1.6)]
    else:
        profile = [(0, 4.0, 4.4), (0.2, 3.5, 3.7), (0.5, 2.6, 2.7), (0.6, 2.8, 2.9),
                   (0.9, 1.9, 1.9), (1.0, 1.8, 1.8)]
    return body(chain([shoulder, elbow, wrist], profile))


def trunk():
    # from the hips up to the neck; "left" of the travel is the fencer's back
    pelvis = add(HIP, (-1.0, 1.0))
    waist = lerp(HIP, SHOULDER, 0.42)
    chest = lerp(HIP, SHOULDER, 0.75)
    samples = [(pelvis, 7.0, 6.4), (lerp(pelvis, waist, 0.5), 6.4, 5.6), (waist, 5.4, 5.6),
               (chest, 5.8, 7.0), (SHOULDER, 5.2, 5.2), (NECK, 2.9, 2.7)]
    return body(samples)


def foot_front():
    x, y = FRONT_ANKLE
    return (f'M{f(x - 4.2)} {f(y + 0.2)}Q{f(x - 4.6)} {f(FLOOR)} {f(x - 2.5)} {f(FLOOR)}'
            f'L{f(x + 9.5)} {f(FLOOR)}Q{f(x + 12.2)} {f(FLOOR - 0.4)} {f(x + 11.6)} {f(FLOOR - 2.2)}'
            f'Q{f(x + 9)} {f(y - 0.4)} {f(x + 2)} {f(y - 2.6)}Q{f(x - 1.5)} {f(y - 3.4)} {f(x - 4.2)} {f(y + 0.2)}Z')


def foot_back():
    # turned out square to the line, seen along its length: short, flat on the floor
    x, y = BACK_ANKLE
    return (f'M{f(x - 3.6)} {f(y - 0.4)}Q{f(x - 5.2)} {f(FLOOR)} {f(x - 3)} {f(FLOOR)}'
            f'L{f(x + 5.6)} {f(FLOOR)}Q{f(x + 7.4)} {f(FLOOR - 0.6)} {f(x + 6)} {f(FLOOR - 2.6)}'
            f'Q{f(x + 3)} {f(y - 2.4)} {f(x - 0.5)} {f(y - 2.6)}Z')


def hand_sword():
    # a fist round the grip, knuckles up, turned along the arm
    return (f'<g transform="translate({f(WRIST[0])} {f(WRIST[1])}) rotate({f(-ARM_ANGLE)})">'
            '<path d="M-1.2 -2.4 Q1.5 -3.6 4.2 -2.6 Q5.6 -1 5 1.8 Q3.8 3.2 0.8 2.8 Q-1.4 2.2 -1.2 -2.4Z"/>'
            '</g>')


def hand_rear():
    # open hand, fingers curled forward over the head
    a = math.degrees(math.atan2(-(REAR_WRIST[1] - REAR_ELBOW[1]), REAR_WRIST[0] - REAR_ELBOW[0]))
    return (f'<g transform="translate({f(REAR_WRIST[0])} {f(REAR_WRIST[1])}) rotate({f(-a)})">'
            '<path d="M-0.5 -1.8 Q3 -2.6 5.6 -2 Q7.6 -1.2 7.4 0.2 Q6 0 4.6 -0.2 Q5.8 1.2 4.8 2 '
            'Q2.4 2.4 -0.5 1.6Z"/>'
            '<path d="M1 -2 Q2.4 -4.4 3.6 -3.6 Q3.6 -2.6 2.8 -1.6Z"/>'
            '</g>')


def mask():
    # seen from the side: the mesh dome over the face, the bib under the chin, the back
    # of the head in its strap; all turned with the head
    cx, cy = HEAD
    return (f'<g transform="translate({f(cx)} {f(cy)}) rotate(-8) scale(1.18)">'
            '<path d="M-5.6 -1.4 Q-5.8 -6.6 -1 -7.2 Q4.6 -7.6 6.6 -3 Q7.8 1 6.4 4.2 '
            'Q5.2 6.2 2.2 6 L-3.6 5.4 Q-6.2 3.4 -5.6 -1.4Z"/>'
            '<path d="M-1.4 5.2 Q3 7.6 6.6 5.6 L7 9.2 Q2.8 11.2 -2.6 8.4Z"/>'
            '</g>')


def mesh():
    cx, cy = HEAD
    lines = []
    for k in range(5):
        x = 1.2 + k * 1.15
        lines.append(f'M{f(x)} -6.4 Q{f(x + 1.6)} 0 {f(x - 0.4)} 5.2')
    for k in range(5):
        y = -4.6 + k * 2.1
        lines.append(f'M0.8 {f(y)} Q4 {f(y - 0.6)} 7 {f(y + 0.3)}')
    return (f'<g transform="translate({f(cx)} {f(cy)}) rotate(-8) scale(1.18)">'
            f'<clipPath id="meshclip"><path d="M0.6 -6.6 Q5 -7 6.6 -3 Q7.6 1 6.2 4.2 Q5 5.8 2 5.6 '
            f'Q-0.2 0 0.6 -6.6Z"/></clipPath>'
            f'<path d="{" ".join(lines)}" clip-path="url(#meshclip)" fill="none" stroke="#fff" '
            f'stroke-width="0.42"/>'
            '<path d="M0.6 -6.6 Q-0.4 0 2 5.8" fill="none" stroke="#fff" stroke-width="0.7"/>'
            '<path d="M-1 5.6 Q3 7.6 6.5 5.8" fill="none" stroke="#fff" stroke-width="0.55"/>'
            '</g>')


def blade():
    # a foil: square blade tapering to a buttoned tip, flexing a hair as it drives home
    a = math.radians(ARM_ANGLE)
    g = GUARD
    mid = lerp(GUARD, TIP, 0.55)
    mid = (mid[0] - math.sin(a) * 0.6, mid[1] - math.cos(a) * 0.6)
    return (f'<path d="M{f(g[0])} {f(g[1])}Q{f(mid[0])} {f(mid[1])} {f(TIP[0])} {f(TIP[1])}" '
            f'fill="none" stroke="#000" stroke-width="1.25" stroke-linecap="round"/>'
            f'<path d="M{f(lerp(GUARD, TIP, 0.45)[0])} {f(lerp(GUARD, TIP, 0.45)[1] - 0.3)}'
            f'Q{f(mid[0])} {f(mid[1])} {f(TIP[0])} {f(TIP[1])}" fill="none" stroke="#000" '
            f'stroke-width="0.8" stroke-linecap="round"/>'
            f'<circle cx="{f(TIP[0])}" cy="{f(TIP[1])}" r="1.05"/>'
            # bell guard, seen edge on, and the pommel behind the fist
            f'<g transform="translate({f(GUARD[0])} {f(GUARD[1])}) rotate({f(-ARM_ANGLE)})">'
            '<path d="M-1.2 -5.6 Q1.2 -5.4 1.6 0 Q1.2 5.4 -1.2 5.6 Q0 0 -1.2 -5.6Z"/>'
            '</g>'
            f'<circle cx="{f(polar(WRIST, 1.6, ARM_ANGLE + 180)[0])}" '
            f'cy="{f(polar(WRIST, 1.6, ARM_ANGLE + 180)[1])}" r="1.5"/>')


def cuts():
    """White lines where one part lies over another, and the seams of the kit."""
    out = []
    w = '#fff'
    # the jacket's hem across the hips
    hem0 = add(HIP, (-6.6, -2.2))
    hem1 = add(HIP, (6.2, -4.2))
    out.append(f'<path d="M{f(hem0[0])} {f(hem0[1])}Q{f(HIP[0])} {f(HIP[1] - 1.8)} {f(hem1[0])} '
               f'{f(hem1[1])}" stroke="{w}" stroke-width="0.9" fill="none"/>')
    # breeches buckled below the knees
    for knee, ankle in ((FRONT_KNEE, FRONT_ANKLE), (BACK_KNEE, BACK_ANKLE)):
        p = lerp(knee, ankle, 0.16)
        d = (ankle[0] - knee[0], ankle[1] - knee[1])
        ln = math.hypot(*d)
        n = (-d[1] / ln, d[0] / ln)
        a, b = add(p, n, -4.2), add(p, n, 4.4)
        out.append(f'<path d="M{f(a[0])} {f(a[1])}L{f(b[0])} {f(b[1])}" stroke="{w}" '
                   f'stroke-width="0.9"/>')
    # the front thigh over the back one at the hip, and the sword arm's line over the chest
    t0 = add(HIP, (-2.5, 5.2))
    t1 = add(FRONT_KNEE, (-7, 4.6))
    out.append(f'<path d="M{f(t0[0])} {f(t0[1])}Q{f((t0[0] + t1[0]) / 2)} {f(t0[1] + 1.6)} '
               f'{f(t1[0])} {f(t1[1])}" stroke="{w}" stroke-width="0.8" fill="none"/>')
    s0 = add(SWORD_SHOULDER, (-3.6, 4.2))
    s1 = polar(SWORD_SHOULDER, 8, ARM_ANGLE)
    s1 = (s1[0], s1[1] + 2.6)
    out.append(f'<path d="M{f(s0[0])} {f(s0[1])}Q{f(SWORD_SHOULDER[0] + 1)} {f(SWORD_SHOULDER[1] + 3.4)} '
               f'{f(s1[0])} {f(s1[1])}" stroke="{w}" stroke-width="0.7" fill="none"/>')
    # light from the upper left: a highlight just inside the back, the rear arm and the
    # front thigh, as a cut in the ink
    out += highlights()
    # glove cuff
    c = polar(WRIST, 3.4, ARM_ANGLE + 180)
    out.append(f'<path d="M{f(c[0] + 0.3)} {f(c[1] - 2.4)}L{f(c[0] - 0.3)} {f(c[1] + 2.4)}" '
               f'stroke="{w}" stroke-width="0.7"/>')
    # shoe welts
    x, y = FRONT_ANKLE
    out.append(f'<path d="M{f(x - 3)} {f(FLOOR - 1.1)}H{f(x + 10.5)}" stroke="{w}" stroke-width="0.5"/>')
    x, y = BACK_ANKLE
    out.append(f'<path d="M{f(x - 3)} {f(FLOOR - 1.1)}H{f(x + 5)}" stroke="{w}" stroke-width="0.5"/>')
    return out


def inner_line(joints, t0, t1, side, inset, width):
    """A tapered white stroke just inside one edge of a limb, from t0 to t1 along it."""
    lengths = [math.dist(joints[i], joints[i + 1]) for i in range(len(joints) - 1)]
    total = sum(lengths)
    pts = []
    for k in range(9):
        t = t0 + (t1 - t0) * k / 8
        d = t * total
        for i, ln in enumerate(lengths):
            if d <= ln or i == len(lengths) - 1:
                a, b = joints[i], joints[i + 1]
                p = lerp(a, b, min(d / ln, 1.0))
                break
            d -= ln
        dx, dy = b[0] - a[0], b[1] - a[1]
        n = math.hypot(dx, dy)
        off = side(t) - inset
        pts.append((p[0] + dy / n * off, p[1] - dx / n * off, width * math.sin(math.pi * k / 8)))
    left = [(x + 0, y - w / 2) for x, y, w in pts]
    right = [(x, y + w / 2) for x, y, w in pts[::-1]]
    ring = left + right
    return f'<path d="{smooth_closed(ring)}" fill="#fff"/>'


def highlights():
    waist = lerp(HIP, SHOULDER, 0.42)
    chest = lerp(HIP, SHOULDER, 0.75)
    return [
        # the back, from the shoulder blade down to the small of the back
        inner_line([waist, chest, SHOULDER], 0.15, 0.85, lambda t: 5.4 + 0.3 * t, 1.5, 1.4),
        # the top of the rear arm
        inner_line([REAR_SHOULDER, REAR_ELBOW, REAR_WRIST], 0.08, 0.45, lambda t: 3.4 - 1.4 * t, 1.2, 1.0),
        # the top of the front thigh
        inner_line([HIP, FRONT_KNEE], 0.22, 0.8, lambda t: 6.0 - 2.2 * t, 1.5, 1.2),
        # the back leg's upper edge
        inner_line([HIP, BACK_KNEE, BACK_ANKLE], 0.18, 0.42, lambda t: 5.6 - 3.2 * t, 1.4, 1.0),
    ]


def floor_and_motion():
    out = []
    # a brushed floor line, thick under the feet and fading out at both ends
    x0, x1 = BACK_ANKLE[0] - 22, FRONT_ANKLE[0] + 34
    out.append(f'<path d="M{f(x0)} {f(FLOOR + 0.9)}Q{f((x0 + x1) / 2)} {f(FLOOR + 0.2)} {f(x1)} '
               f'{f(FLOOR + 0.7)}Q{f((x0 + x1) / 2)} {f(FLOOR + 3.4)} {f(x0)} {f(FLOOR + 0.9)}Z"/>')
    # the fencer's shadow on the floor, as ink hatching
    for k in range(9):
        x = BACK_ANKLE[0] + 4 + k * (FRONT_ANKLE[0] - BACK_ANKLE[0] - 4) / 8
        out.append(f'<path d="M{f(x)} {f(FLOOR + 4.6)}l3.2 -1.6" stroke="#000" stroke-width="0.7" '
                   f'stroke-linecap="round"/>')
    # dust kicked up by the front foot landing
    x = FRONT_ANKLE[0] + 12
    out.append(f'<path d="M{f(x + 1)} {f(FLOOR - 1.6)}q2.6 -1.8 4.6 -1.4M{f(x + 1.6)} {f(FLOOR - 4)}'
               f'q2 -2.6 4.4 -3" stroke="#000" stroke-width="0.8" fill="none" stroke-linecap="round"/>')
    # motion: short strokes trailing the thrust, under the sword arm and behind the back
    for dy, length, back in ((6.5, 13, 3), (10.5, 9, 7)):
        a = polar(WRIST, back, ARM_ANGLE + 180)
        a = (a[0], a[1] + dy)
        b = polar(a, length, ARM_ANGLE + 180)
        out.append(f'<path d="M{f(a[0])} {f(a[1] - 0.45)}L{f(b[0])} {f(b[1])}L{f(a[0])} {f(a[1] + 0.45)}Z" '
                   f'stroke="#000" stroke-width="0.3" stroke-linejoin="round"/>')
    for dy, length in ((-3, 12), (3, 8)):
        a = (HIP[0] - 12, HIP[1] + dy - 14)
        b = (a[0] - length, a[1] + 0.8)
        out.append(f'<path d="M{f(a[0])} {f(a[1] - 0.45)}L{f(b[0])} {f(b[1])}L{f(a[0])} {f(a[1] + 0.45)}Z" '
                   f'stroke="#000" stroke-width="0.3" stroke-linejoin="round"/>')
    return out


def main():
    parts = [
        arm(REAR_SHOULDER, REAR_ELBOW, REAR_WRIST, rear=True),
        leg(HIP, BACK_KNEE, BACK_ANKLE, front=False),
        trunk(),
        leg(HIP, FRONT_KNEE, FRONT_ANKLE, front=True),
        foot_front(),
        foot_back(),
        arm(SWORD_SHOULDER, ELBOW, WRIST, rear=False),
    ]
    svg = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
           f'viewBox="0 0 {W} {H}">',
           f'<rect width="{W}" height="{H}" fill="#fff"/>']
    svg += floor_and_motion()
    svg.append('<g fill="#000">')
    svg += [f'<path d="{d}"/>' for d in parts]
    svg.append(hand_rear())
    svg.append(hand_sword())
    svg.append(mask())
    svg.append(blade())
    svg.append('</g>')
    svg += cuts()
    svg.append(mesh())
    svg.append('</svg>')
    here = output_dir(__file__)
    with open(os.path.join(here, 'preview_fortress.svg'), 'w', encoding='utf-8', newline='\n') as out:
        out.write('\n'.join(svg) + '\n')


if __name__ == '__main__':
    main()
