#!/usr/bin/env python3
"""Write the Mathematics papers for topic 3 (Angles, papers 111-115) and
topic 4 (Decimals, papers 116-120), with their diagrams.

Run from anywhere:  python3 course/tools/gen_math_t3_t4.py
The output is deterministic (fixed seeds), so running it twice gives the same
files.  Every key is worked out from the numbers printed on the page, and
every marked angle in a diagram is measured from the drawn coordinates and
checked against the number it is labelled with.
"""

import math
import os
import xml.etree.ElementTree as ET
import random
import re
from decimal import Decimal, ROUND_HALF_UP
from fractions import Fraction as Fr

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
MATHS = os.path.join(COURSE, "mathematics")
FIGS = os.path.join(MATHS, "figures")


# ---------------------------------------------------------------------------
# Plane geometry helpers (mathematical coordinates, y upwards, degrees)
# ---------------------------------------------------------------------------

def polar(c, r, deg):
    a = math.radians(deg)
    return (c[0] + r * math.cos(a), c[1] + r * math.sin(a))


def add(p, q):
    return (p[0] + q[0], p[1] + q[1])


def sub(p, q):
    return (p[0] - q[0], p[1] - q[1])


def dist(p, q):
    return math.hypot(p[0] - q[0], p[1] - q[1])


def heading(p, q):
    """Direction of the ray p->q in degrees, 0..360."""
    return math.degrees(math.atan2(q[1] - p[1], q[0] - p[0])) % 360.0


def ccw(v, p, q):
    """Anticlockwise angle turned from ray v->p to ray v->q, 0..360."""
    return (heading(v, q) - heading(v, p)) % 360.0


def meet(p, dp, q, dq):
    """Intersection of the line through p with direction dp (degrees) and the
    line through q with direction dq."""
    ux, uy = math.cos(math.radians(dp)), math.sin(math.radians(dp))
    vx, vy = math.cos(math.radians(dq)), math.sin(math.radians(dq))
    den = ux * (-vy) - uy * (-vx)
    assert abs(den) > 1e-9, "parallel lines"
    rx, ry = q[0] - p[0], q[1] - p[1]
    t = (rx * (-vy) - ry * (-vx)) / den
    return (p[0] + t * ux, p[1] + t * uy)


def rotate(p, deg):
    a = math.radians(deg)
    c, s = math.cos(a), math.sin(a)
    return (p[0] * c - p[1] * s, p[0] * s + p[1] * c)


def lerp(p, q, t):
    return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)


# ---------------------------------------------------------------------------
# Diagrams
# ---------------------------------------------------------------------------

def text_width(s):
    w = 0.0
    for ch in s:
        if ch == "\u00b0":
            w += 5.5
        elif ch in ".,":
            w += 4.0
        elif ch in "1":
            w += 7.8
        elif ch in "WMNE":
            w += 11.0
        else:
            w += 8.0
    return w


def seg_hits_rect(p, q, r):
    """Liang-Barsky: does segment p-q meet the rectangle r=(x0,y0,x1,y1)?"""
    x0, y0, x1, y1 = r
    dx, dy = q[0] - p[0], q[1] - p[1]
    t0, t1 = 0.0, 1.0
    for pk, qk in ((-dx, p[0] - x0), (dx, x1 - p[0]),
                   (-dy, p[1] - y0), (dy, y1 - p[1])):
        if abs(pk) < 1e-12:
            if qk < 0:
                return False
        else:
            t = qk / pk
            if pk < 0:
                if t > t1:
                    return False
                t0 = max(t0, t)
            else:
                if t < t0:
                    return False
                t1 = min(t1, t)
    return t0 <= t1


def rects_meet(a, b):
    return not (a[2] < b[0] or b[2] < a[0] or a[3] < b[1] or b[3] < a[1])


def esc_svg(s):
    return (s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace("\u00b0", "&#176;"))


def is_letter_label(s):
    return bool(re.fullmatch(r"[0-9]*[a-z]( ?[+-] ?[0-9]+\u00b0?)?", s))


class Fig:
    """A diagram built in mathematical coordinates and drawn to scale."""

    def __init__(self, maxw=270, maxh=200):
        self.maxw, self.maxh = maxw, maxh
        self.lines = []      # (p, q, width)
        self.circles = []    # (c, r, width)
        self.dots = []       # (c, r)
        self.angles = []     # (v, p, q, label, radius)
        self.rights = []     # (v, p, q)
        self.tick_marks = []  # (p, q, n)
        self.arrow_marks = []  # (p, q, n)
        self.plabels = []    # (p, text, pref_dir or None)
        self.texts = []      # (p, text, size, bold, italic)
        self.arrows = []     # (p, q) lines with an arrow head at q
        self.rot = 0.0
        self.checked = 0

    # -- building -----------------------------------------------------------
    def line(self, p, q, width=2.0):
        self.lines.append((p, q, width))

    def poly(self, pts, width=2.0):
        for i in range(len(pts)):
            self.line(pts[i], pts[(i + 1) % len(pts)], width)

    def circle(self, c, r, width=2.0):
        self.circles.append((c, r, width))

    def dot(self, c, r=2.5):
        self.dots.append((c, r))

    def angle(self, v, p, q, label, value, radius=None, reflex=False):
        """Mark the angle at v between rays v->p and v->q with an arc and a
        label.  The drawn angle is measured and must equal `value`."""
        m = ccw(v, p, q)
        if reflex:
            if m < 180:
                p, q = q, p
                m = ccw(v, p, q)
            assert m > 180
        elif m > 180:
            p, q = q, p
            m = ccw(v, p, q)
        assert abs(m - float(value)) < 0.01, (label, value, m)
        assert abs(float(value) - 90) > 0.5, "mark right angles with a square"
        self.checked += 1
        self.angles.append((v, p, q, label, radius))

    def right(self, v, p, q):
        m = ccw(v, p, q)
        assert abs(m - 90) < 0.01 or abs(m - 270) < 0.01, m
        self.checked += 1
        self.rights.append((v, p, q))

    def ticks(self, p, q, n=1):
        self.tick_marks.append((p, q, n))

    def parallel(self, p, q, n=1):
        self.arrow_marks.append((p, q, n))

    def label(self, p, text, direction=None):
        self.plabels.append((p, text, direction))

    def text(self, p, text, size=14, bold=False, italic=False):
        self.texts.append((p, text, size, bold, italic))

    def arrow(self, p, q):
        self.arrows.append((p, q))

    # -- drawing ------------------------------------------------------------
    def render(self):
        R = lambda p: rotate(p, self.rot)
        geo = []
        for p, q, _ in self.lines:
            geo += [R(p), R(q)]
        for c, r, _ in self.circles:
            c = R(c)
            geo += [(c[0] - r, c[1] - r), (c[0] + r, c[1] + r)]
        for p, q in self.arrows:
            geo += [R(p), R(q)]
        assert geo, "empty figure"
        minx = min(p[0] for p in geo)
        maxx = max(p[0] for p in geo)
        miny = min(p[1] for p in geo)
        maxy = max(p[1] for p in geo)
        w, h = maxx - minx, maxy - miny
        s = min(self.maxw / w if w > 1e-9 else 1e9,
                self.maxh / h if h > 1e-9 else 1e9)

        def T(p):
            p = R(p)
            return ((p[0] - minx) * s, (maxy - p[1]) * s)

        def sdir(deg):  # mathematical direction -> screen unit vector
            a = math.radians(deg + self.rot)
            return (math.cos(a), -math.sin(a))

        out_lines = []   # (p, q, width) in screen space
        obstacles = []   # segments in screen space
        rects = []       # placed text boxes

        def seg(p, q, width):
            out_lines.append((p, q, width))
            obstacles.append((p, q))

        for p, q, wd in self.lines:
            seg(T(p), T(q), wd)
        out_circles = []
        for c, r, wd in self.circles:
            cc = T(c)
            out_circles.append((cc, r * s, wd))
            n = 72
            for i in range(n):
                a1, a2 = 2 * math.pi * i / n, 2 * math.pi * (i + 1) / n
                obstacles.append(((cc[0] + r * s * math.cos(a1), cc[1] + r * s * math.sin(a1)),
                                  (cc[0] + r * s * math.cos(a2), cc[1] + r * s * math.sin(a2))))
        out_dots = [(T(c), r) for c, r in self.dots]
        for p, q in self.arrows:
            a, b = T(p), T(q)
            seg(a, b, 1.6)
            d = heading((a[0], -a[1]), (b[0], -b[1]))
            for da in (150, -150):
                u = (math.cos(math.radians(d + da)), -math.sin(math.radians(d + da)))
                seg(b, (b[0] + 9 * u[0], b[1] + 9 * u[1]), 1.6)

        # right-angle squares
        for v, p, q in self.rights:
            V, P, Q = T(v), T(p), T(q)
            u1 = sub(P, V)
            u2 = sub(Q, V)
            l1, l2 = math.hypot(*u1), math.hypot(*u2)
            a = 11.0
            assert min(l1, l2) > a * 1.6, "side too short for right-angle mark"
            u1 = (u1[0] / l1 * a, u1[1] / l1 * a)
            u2 = (u2[0] / l2 * a, u2[1] / l2 * a)
            A = add(V, u1)
            B = add(add(V, u1), u2)
            C = add(V, u2)
            seg(A, B, 1.5)
            seg(B, C, 1.5)

        # equal-side ticks and parallel arrows
        for p, q, n in self.tick_marks:
            P, Q = T(p), T(q)
            L = dist(P, Q)
            u = ((Q[0] - P[0]) / L, (Q[1] - P[1]) / L)
            nrm = (-u[1], u[0])
            M = lerp(P, Q, 0.5)
            for i in range(n):
                off = (i - (n - 1) / 2) * 5
                c = (M[0] + u[0] * off, M[1] + u[1] * off)
                seg((c[0] - nrm[0] * 6, c[1] - nrm[1] * 6),
                    (c[0] + nrm[0] * 6, c[1] + nrm[1] * 6), 1.5)
        for p, q, n in self.arrow_marks:
            P, Q = T(p), T(q)
            L = dist(P, Q)
            u = ((Q[0] - P[0]) / L, (Q[1] - P[1]) / L)
            nrm = (-u[1], u[0])
            M = lerp(P, Q, 0.5)
            for i in range(n):
                off = (i - (n - 1) / 2) * 6 + 3
                tip = (M[0] + u[0] * off, M[1] + u[1] * off)
                for sgn in (1, -1):
                    seg(tip, (tip[0] - u[0] * 7 + sgn * nrm[0] * 5,
                              tip[1] - u[1] * 7 + sgn * nrm[1] * 5), 1.5)

        # fixed texts
        out_texts = []
        for p, t, size, bold, italic in self.texts:
            P = T(p)
            hw = text_width(t) * size / 14 / 2
            hh = size * 0.5
            rects.append((P[0] - hw, P[1] - hh, P[0] + hw, P[1] + hh))
            out_texts.append((P, t, size, bold, italic))

        # arcs
        arcs = []
        for v, p, q, label, radius in self.angles:
            sweep = ccw(v, p, q)
            a1 = heading(v, p)
            if radius is None:
                if sweep > 180:
                    radius = 16
                elif sweep >= 60:
                    radius = 20
                elif sweep >= 40:
                    radius = 25
                else:
                    radius = 32
            V = T(v)
            lp, lq = dist(V, T(p)), dist(V, T(q))
            assert radius < 0.8 * min(lp, lq), ("arc too big", label, radius, lp, lq)
            n = max(6, int(sweep / 4))
            pts = []
            for i in range(n + 1):
                u = sdir(a1 + sweep * i / n)
                pts.append((V[0] + radius * u[0], V[1] + radius * u[1]))
            for i in range(n):
                obstacles.append((pts[i], pts[i + 1]))
            arcs.append((pts, V, a1, sweep, label, radius))

        def free(box):
            for a, b in obstacles:
                if seg_hits_rect(a, b, box):
                    return False
            for r in rects:
                if rects_meet(r, box):
                    return False
            return True

        labels_out = []
        for pts, V, a1, sweep, label, radius in arcs:
            hw = text_width(label) / 2 + 1.5
            hh = 8.0
            placed = None
            tries = [0.0, 0.12, -0.12, 0.22, -0.22, 0.3, -0.3]
            for dd in range(0, 70, 2):
                for f in tries:
                    if sweep < 30 and f != 0:
                        continue
                    ang = a1 + sweep * (0.5 + f)
                    u = sdir(ang)
                    D = radius + 3 + hw * abs(u[0]) + hh * abs(u[1]) + dd
                    c = (V[0] + D * u[0], V[1] + D * u[1])
                    box = (c[0] - hw, c[1] - hh, c[0] + hw, c[1] + hh)
                    if free(box):
                        placed = c
                        break
                if placed:
                    break
            assert placed, ("no room for angle label", label)
            rects.append((placed[0] - hw, placed[1] - hh, placed[0] + hw, placed[1] + hh))
            labels_out.append((placed, label, is_letter_label(label)))

        # point labels
        allpts = [T(p) for p, q, _ in self.lines] + [T(q) for p, q, _ in self.lines]
        cx = sum(p[0] for p in allpts) / len(allpts)
        cy = sum(p[1] for p in allpts) / len(allpts)
        for p, text, pref in self.plabels:
            P = T(p)
            if pref is None:
                d = heading((cx, -cy), (P[0], -P[1])) - self.rot
            else:
                d = pref
            hw = text_width(text) / 2 + 1
            hh = 8.0
            placed = None
            for dd in (0, 3, 6, 10, 16, 22, 28, 34):
                for k in (0, 1, -1, 2, -2, 3, -3, 4, -4, 5, -5, 6, -6, 8, -8, 10, -10, 12):
                    u = sdir(d + 15 * k)
                    D = 4 + hw * abs(u[0]) + hh * abs(u[1]) + dd
                    c = (P[0] + D * u[0], P[1] + D * u[1])
                    box = (c[0] - hw, c[1] - hh, c[0] + hw, c[1] + hh)
                    if free(box):
                        placed = c
                        break
                if placed:
                    break
            assert placed, ("no room for point label", text)
            rects.append((placed[0] - hw, placed[1] - hh, placed[0] + hw, placed[1] + hh))
            labels_out.append((placed, text, False))

        # bounding box of everything
        xs, ys = [], []
        for p, q, _ in out_lines:
            xs += [p[0], q[0]]
            ys += [p[1], q[1]]
        for c, r, _ in out_circles:
            xs += [c[0] - r, c[0] + r]
            ys += [c[1] - r, c[1] + r]
        for pts, *_ in arcs:
            xs += [p[0] for p in pts]
            ys += [p[1] for p in pts]
        for r in rects:
            xs += [r[0], r[2]]
            ys += [r[1], r[3]]
        m = 8
        x0, x1 = min(xs) - m, max(xs) + m
        y0, y1 = min(ys) - m, max(ys) + m
        W, H = x1 - x0, y1 - y0
        if W < 240:
            x0 -= (240 - W) / 2
            W = 240
        W, H = int(math.ceil(W)), int(math.ceil(H))
        assert 240 <= W <= 380, ("figure width", W)
        assert H <= 330, ("figure height", H)

        def f(v):
            return ("%.1f" % v).rstrip("0").rstrip(".")

        def X(p):
            return f(p[0] - x0), f(p[1] - y0)

        o = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (W, H, W, H),
             '<rect x="0" y="0" width="%d" height="%d" fill="white"/>' % (W, H)]
        for c, r, wd in out_circles:
            cx_, cy_ = X(c)
            o.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="black" stroke-width="%s"/>'
                     % (cx_, cy_, f(r), f(wd)))
        for p, q, wd in out_lines:
            a, b = X(p), X(q)
            o.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="black" stroke-width="%s" stroke-linecap="round"/>'
                     % (a[0], a[1], b[0], b[1], f(wd)))
        for pts, *_ in arcs:
            o.append('<polyline points="%s" fill="none" stroke="black" stroke-width="1.5"/>'
                     % " ".join("%s,%s" % X(p) for p in pts))
        for c, r in out_dots:
            cx_, cy_ = X(c)
            o.append('<circle cx="%s" cy="%s" r="%s" fill="black"/>' % (cx_, cy_, f(r)))
        for P, t, size, bold, italic in out_texts:
            x, y = X((P[0], P[1] + size * 0.36))
            extra = (' font-weight="bold"' if bold else '') + (' font-style="italic"' if italic else '')
            o.append('<text x="%s" y="%s" font-family="sans-serif" font-size="%d" text-anchor="middle"%s>%s</text>'
                     % (x, y, size, extra, esc_svg(t)))
        for P, t, italic in labels_out:
            x, y = X((P[0], P[1] + 5))
            extra = ' font-style="italic"' if italic else ''
            o.append('<text x="%s" y="%s" font-family="sans-serif" font-size="14" text-anchor="middle"%s>%s</text>'
                     % (x, y, extra, esc_svg(t)))
        o.append('</svg>')
        return "\n".join(o) + "\n"


# ---------------------------------------------------------------------------
# Questions and papers
# ---------------------------------------------------------------------------

LETTERS = "abcdefghij"


class Q:
    def __init__(self, instr=None):
        self.instr = instr
        self.body = []
        self.ans = []
        self.figs = {}
        self.qid = None

    def p(self, html):
        self.body.append("<p>%s</p>" % html)

    def part(self, html):
        k = len([b for b in self.body if b.startswith('<p class="part">')])
        self.body.append('<p class="part">(%s) %s</p>' % (LETTERS[k], html))

    def options(self, opts):
        self.body.append('<ol class="options">' + "".join("<li>%s</li>" % o for o in opts) + "</ol>")

    def fig(self, f, alt, suffix=""):
        name = "q%d%s.svg" % (self.qid, suffix)
        svg = f.render()
        root = ET.fromstring(svg.split("?>", 1)[1])
        assert 240 <= int(root.get("width")) <= 380
        self.figs[name] = svg
        self.body.append('<div class="figure"><img src="figures/%s" alt="%s"></div>' % (name, alt))

    def N(self, value, marks=1):
        self.ans.append(("N", marks, nkey(value)))

    def key(self, typ, key, marks=1):
        self.ans.append((typ, marks, key))


def nkey(v):
    if isinstance(v, bool):
        raise TypeError
    if isinstance(v, int):
        return str(v)
    if isinstance(v, Fr):
        return dec(v)
    if isinstance(v, Decimal):
        return dec(Fr(v))
    if isinstance(v, str):
        return v
    if isinstance(v, float):
        assert abs(v - round(v)) < 1e-9, v
        return str(int(round(v)))
    raise TypeError(v)


def dec(v, places=None):
    """Exact decimal text of a Fraction (must terminate)."""
    v = Fr(v)
    k = 0
    while (v * 10 ** k).denominator != 1:
        k += 1
        assert k <= 8, v
    if places is not None:
        assert places >= k, (v, places)
        k = places
    n = int(v * 10 ** k)
    neg = n < 0
    n = abs(n)
    s = str(n).rjust(k + 1, "0")
    out = s[:len(s) - k] + ("." + s[len(s) - k:] if k else "")
    if places is None and "." in out:
        out = out.rstrip("0").rstrip(".")
    return ("-" if neg else "") + out


# ---------------------------------------------------------------------------
# Topic 3: Angles
# ---------------------------------------------------------------------------

def D(v):
    """An angle in the page text."""
    return "%d&deg;" % v


def lab(v):
    """An angle label in a diagram."""
    return "%d\u00b0" % v


def and_list(items):
    items = list(items)
    if len(items) == 1:
        return items[0]
    return ", ".join(items[:-1]) + " and " + items[-1]


def alt_deg(v):
    return "%d degrees" % v


FIND_X = ["Find the value of x.", "Find the value of x. Give your answer in degrees.",
          "Work out the size of angle x in degrees.", "Find the size of the angle marked x."]

INSTR_FIND = ["Find the unknown angle.", "Work out the unknown angle.",
              "Use the angle facts you know.", "Find the value of the unknown."]


def spread(rng, total, n, lo, step=1, hi=None):
    """n whole numbers, multiples of step, each >= lo (and <= hi), adding to total."""
    for _ in range(10000):
        cuts = sorted(rng.sample(range(1, total // step), n - 1))
        parts = [b - a for a, b in zip([0] + cuts, cuts + [total // step])]
        parts = [x * step for x in parts]
        if min(parts) >= lo and (hi is None or max(parts) <= hi) and all(abs(x - 90) > 4 for x in parts):
            return parts
    raise RuntimeError("spread failed")


def fresh(rng, tag, seq):
    """Choose from seq, avoiding what this paper has already used under tag."""
    seq = list(seq)
    used = rng.used.setdefault(tag, [])
    avail = [x for x in seq if x not in used]
    if not avail:
        del used[:]
        avail = seq
    x = rng.choice(avail)
    used.append(x)
    return x


def pick(rng, lo, hi, step=1, avoid=()):
    vals = [v for v in range(lo, hi + 1) if v % step == 0 and v not in avoid]
    assert vals, (lo, hi, step)
    return rng.choice(vals)


def t_line(rng, L, q):
    f = Fig()
    O, A, B = (0, 0), (-130, 0), (130, 0)
    f.line(A, B)
    step = 5 if L == 0 else 1
    if L <= 1 and (L == 0 or rng.random() < 0.5):
        secs = spread(rng, 180, 2, 30, step)
        while abs(secs[0] - 90) < 8:
            secs = spread(rng, 180, 2, 30, step)
        labels = [lab(s) for s in secs]
        k = rng.randrange(2)
        labels[k] = "x"
        ans = secs[k]
    elif L <= 2 or rng.random() < 0.35:
        secs = spread(rng, 180, 3, 32, step)
        labels = [lab(s) for s in secs]
        k = rng.randrange(3)
        labels[k] = "x"
        ans = secs[k]
    elif L == 3:
        # two equal angles marked x
        a = pick(rng, 30, 110, 2)
        xv = (180 - a) // 2
        secs = [xv, xv, a]
        labels = ["x", "x", lab(a)]
        order = rng.choice([(0, 1, 2), (2, 0, 1), (0, 2, 1)])
        secs = [secs[i] for i in order]
        labels = [labels[i] for i in order]
        ans = xv
    else:
        # x and 2x (or 3x) with a given angle
        m = rng.choice([2, 2, 3])
        xv = pick(rng, 20, 38 if m == 3 else 45)
        a = 180 - (m + 1) * xv
        assert a >= 30
        secs = [xv, m * xv, a]
        labels = ["x", "%dx" % m, lab(a)]
        order = rng.choice([(0, 1, 2), (1, 2, 0), (0, 2, 1), (2, 1, 0)])
        secs = [secs[i] for i in order]
        labels = [labels[i] for i in order]
        ans = xv
    assert sum(secs) == 180
    names = "CDE"
    rays = [B]
    cum = 0
    for i, s in enumerate(secs[:-1]):
        cum += s
        P = polar(O, 115, cum)
        f.line(O, P)
        f.label(P, names[i])
        rays.append(P)
    rays.append(A)
    for i, s in enumerate(secs):
        f.angle(O, rays[i], rays[i + 1], labels[i], s)
    f.label(A, "A", 180)
    f.label(B, "B", 0)
    f.label(O, "O", 270)
    q.instr = rng.choice(INSTR_FIND)
    q.p("In the diagram, AOB is a straight line.")
    q.fig(f, "A straight line AOB with lines drawn from O. The angles at O, from B round to A, are "
          + and_list(l.replace("\u00b0", " degrees") for l in labels) + ".")
    if "2x" in labels or "3x" in labels:
        q.p("Find the value of x.")
    elif labels.count("x") == 2:
        q.p("The two angles marked x are equal. Find the value of x.")
    else:
        q.p(rng.choice(FIND_X))
    q.N(ans, 2 if L >= 3 else 1)


def t_point(rng, L, q):
    f = Fig(250, 230)
    O = (0, 0)
    step = 5 if L == 0 else 1
    right = False
    mult = None
    if L == 0:
        secs = spread(rng, 360, 3, 70, step, 170)
        labels = [lab(s) for s in secs]
        k = rng.randrange(3)
        labels[k] = "x"
        ans = secs[k]
    elif L == 1:
        n = rng.choice([3, 4])
        secs = spread(rng, 360, n, 45 if n == 4 else 70, 1, 170)
        labels = [lab(s) for s in secs]
        k = rng.randrange(n)
        labels[k] = "x"
        ans = secs[k]
    elif L == 2:
        rest = spread(rng, 270, 3, 50, 1, 150)
        secs = [90] + rest
        labels = ["R"] + [lab(s) for s in rest]
        k = rng.randrange(1, 4)
        labels[k] = "x"
        ans = secs[k]
        right = True
    elif L == 3:
        a, b = spread(rng, 360 - 2 * pick(rng, 50, 85), 2, 60, 1, 160)
        if (360 - a - b) % 2:
            a += 1
        yv = (360 - a - b) // 2
        secs = [yv, a, yv, b]
        labels = ["y", lab(a), "y", lab(b)]
        if rng.random() < 0.5:
            secs = [yv, yv, a, b]
            labels = ["y", "y", lab(a), lab(b)]
        ans = yv
    else:
        m = rng.choice([2, 3])
        while True:
            yv = pick(rng, 35, 60)
            a = pick(rng, 60, 150)
            b = 360 - a - (m + 1) * yv
            if 60 <= b <= 150:
                break
        secs = [yv, a, m * yv, b]
        labels = ["y", lab(a), "%dy" % m, lab(b)]
        if rng.random() < 0.5:
            secs = [a, yv, m * yv, b]
            labels = [lab(a), "y", "%dy" % m, lab(b)]
        ans = yv
        mult = m
    assert sum(secs) == 360
    d0 = rng.randint(0, 359)
    rays = []
    cum = d0
    names = "ABCD"
    for i, s in enumerate(secs):
        P = polar(O, 100, cum)
        rays.append(P)
        f.line(O, P)
        f.label(P, names[i])
        cum += s
    n = len(secs)
    for i in range(n):
        if labels[i] == "R":
            f.right(O, rays[i], rays[(i + 1) % n])
        else:
            f.angle(O, rays[i], rays[(i + 1) % n], labels[i], secs[i])
    var = "y" if "y" in labels else "x"
    alt = "Lines meeting at a point. The angles around the point are " + and_list(
        "a right angle" if l == "R" else l.replace("\u00b0", " degrees") for l in labels) + "."
    q.instr = rng.choice(["Angles at a point add up to 360&deg;.", "Find the unknown angle.",
                          "Use angles at a point."]) if L < 2 else rng.choice(INSTR_FIND)
    q.p("The diagram shows %d lines that meet at a point." % n)
    q.fig(f, alt)
    if mult:
        q.p("Find the value of y.")
    elif var == "y":
        q.p("The two angles marked y are equal. Find the value of y.")
    else:
        q.p(rng.choice(FIND_X))
    q.N(ans, 2 if L >= 3 else 1)


def t_vopp(rng, L, q):
    f = Fig()
    O = (0, 0)
    d0 = rng.randint(-20, 20)
    if L <= 1:
        a = pick(rng, 35, 145, 5 if L == 0 else 1, avoid=range(82, 99))
        secs = [a, 180 - a, a, 180 - a]
        pts = []
        cum = d0
        for s in secs:
            pts.append(polar(O, 110, cum))
            cum += s
        for i in range(2):
            f.line(pts[i], pts[i + 2])
        k = rng.randrange(4)
        names = {0: "B", 1: "C", 2: "A", 3: "D"}
        for i in range(4):
            f.label(pts[i], names[i])
        labels = [None] * 4
        labels[k] = lab(a if k % 2 == 0 else 180 - a)
        labels[(k + 2) % 4] = "x"
        labels[(k + 1) % 4] = "y"
        for i in range(4):
            if labels[i]:
                f.angle(O, pts[i], pts[(i + 1) % 4], labels[i], secs[i])
        given = secs[k]
        q.instr = "Answer both parts."
        q.p("AB and CD are straight lines.")
        q.fig(f, "Two straight lines AB and CD crossing each other. One angle is %s; the angle opposite it is "
              "marked x and the angle next to it is marked y." % alt_deg(given))
        q.part("Find the value of x.")
        q.part("Find the value of y.")
        q.N(secs[(k + 2) % 4])
        q.N(secs[(k + 1) % 4])
    else:
        while True:
            a, b, c = spread(rng, 180, 3, 35, 1)
            if L >= 3 or max(a, b, c) < 100:
                break
        secs = [a, b, c, a, b, c]
        pts = []
        cum = d0
        for s in secs:
            pts.append(polar(O, 105, cum))
            cum += s
        for i in range(3):
            f.line(pts[i], pts[i + 3])
        while True:
            sa, sb, sx = rng.choice([0, 3]), rng.choice([1, 4]), rng.choice([2, 5])
            if sorted([sa, sb, sx]) not in ([0, 1, 2], [3, 4, 5]):
                break
        names = ["B", "D", "F", "A", "C", "E"]
        for i in range(6):
            f.label(pts[i], names[i])
        labs = {sa: lab(a), sb: lab(b), sx: "x"}
        for i, l in labs.items():
            f.angle(O, pts[i], pts[(i + 1) % 6], l, secs[i])
        q.instr = rng.choice(INSTR_FIND)
        q.p("AB, CD and EF are straight lines that meet at a point.")
        q.fig(f, "Three straight lines AB, CD and EF meeting at a point, with angles of %s and %s marked, "
              "and an angle marked x." % (alt_deg(a), alt_deg(b)))
        q.p(rng.choice(FIND_X))
        q.N(c, 2)


def t_reflex(rng, L, q):
    f = Fig(220, 200)
    O = (0, 0)
    a = pick(rng, 35, 160, 5 if L == 0 else 1, avoid=range(85, 96))
    d0 = rng.randint(0, 359)
    P = polar(O, 110, d0)
    R = polar(O, 110, d0 + a)
    f.line(O, P)
    f.line(O, R)
    f.label(P, "A")
    f.label(R, "B")
    if L <= 1 or rng.random() < 0.5:
        f.angle(O, P, R, lab(a), a)
        f.angle(O, P, R, "x", 360 - a, reflex=True)
        q.instr = rng.choice(["Find the reflex angle.", "Angles at a point add up to 360&deg;."])
        q.fig(f, "Two lines OA and OB. The smaller angle between them is %s and the reflex angle is marked x." % alt_deg(a))
        q.p("Find the size of the reflex angle x. Give your answer in degrees.")
        q.N(360 - a)
    else:
        f.angle(O, P, R, "x", a)
        f.angle(O, P, R, lab(360 - a), 360 - a, reflex=True)
        q.instr = "Find the unknown angle."
        q.fig(f, "Two lines OA and OB. The reflex angle between them is %s and the smaller angle is marked x." % alt_deg(360 - a))
        q.p(rng.choice(FIND_X))
        q.N(a)


def tri_from(b, c, base=200.0):
    B = (0.0, 0.0)
    C = (base, 0.0)
    A = meet(B, b, C, 180 - c)
    return A, B, C


def mark_tri(f, A, B, C, la, lb, lc, va, vb, vc):
    if la:
        f.angle(A, B, C, la, va)
    if lb:
        f.angle(B, C, A, lb, vb)
    if lc:
        f.angle(C, A, B, lc, vc)


def tri_angles(rng, L, lo=30, hi=115, step=1):
    while True:
        a, b, c = spread(rng, 180, 3, lo, step, hi)
        if L < 2 and max(a, b, c) > 100:
            continue
        return a, b, c


def t_tri(rng, L, q):
    f = Fig()
    step = 5 if L == 0 else 1
    a, b, c = tri_angles(rng, L, 32, 120 if L >= 2 else 100, step)
    A, B, C = tri_from(b, c)
    f.poly([A, B, C])
    if L >= 2:
        f.rot = rng.choice([0, 0, rng.randint(-25, 25)])
    k = 0 if L == 0 else rng.randrange(3)
    labels = [lab(a), lab(b), lab(c)]
    labels[k] = "x"
    mark_tri(f, A, B, C, labels[0], labels[1], labels[2], a, b, c)
    for P, n in ((A, "A"), (B, "B"), (C, "C")):
        f.label(P, n)
    given = [v for i, v in enumerate((a, b, c)) if i != k]
    q.instr = rng.choice(["Angles in a triangle add up to 180&deg;.", "Find the unknown angle."])
    q.fig(f, "Triangle ABC with two angles of %s and %s marked; the third angle is marked x."
          % (alt_deg(given[0]), alt_deg(given[1])))
    q.p(rng.choice(FIND_X))
    q.N((a, b, c)[k])


def t_right_tri(rng, L, q):
    f = Fig()
    c = pick(rng, 28, 62, 5 if L == 0 else 1, avoid=(45,))
    a = 90 - c
    B = (0.0, 0.0)
    C = (200.0, 0.0)
    A = (0.0, 200.0 * math.tan(math.radians(c)))
    f.poly([A, B, C])
    if L >= 2:
        f.rot = rng.randint(-30, 30)
    f.right(B, C, A)
    if rng.random() < 0.5:
        f.angle(C, A, B, lab(c), c)
        f.angle(A, B, C, "x", a)
        g = c
        ans = a
    else:
        f.angle(C, A, B, "x", c)
        f.angle(A, B, C, lab(a), a)
        g = a
        ans = c
    for P, n in ((A, "P"), (B, "Q"), (C, "R")):
        f.label(P, n)
    q.instr = rng.choice(["Find the unknown angle.", "Use the angle sum of a triangle."])
    q.p("PQR is a right-angled triangle.")
    q.fig(f, "Right-angled triangle PQR with the right angle at Q. One angle is %s and the other is marked x." % alt_deg(g))
    q.p(rng.choice(FIND_X))
    q.N(ans)


def t_iso(rng, L, q):
    f = Fig()
    step = 2 if L == 0 else 1
    if rng.random() < 0.5:
        apex = pick(rng, 30, 110, 10 if L == 0 else 2, avoid=(60, 90))
        base = (180 - apex) // 2
        mode = "apex"
    else:
        base = pick(rng, 35, 75, 5 if L == 0 else 1, avoid=(45, 60))
        apex = 180 - 2 * base
        mode = "base"
    A, B, C = tri_from(base, base, 160)
    f.poly([A, B, C])
    f.ticks(A, B)
    f.ticks(A, C)
    if L >= 2:
        f.rot = rng.choice([0, 180, rng.randint(-40, 40), 90, -90])
    if mode == "apex":
        side = rng.choice(["b", "c"])
        mark_tri(f, A, B, C, lab(apex), "x" if side == "b" else None, "x" if side == "c" else None,
                 apex, base, base)
        ans = base
        alt = "Isosceles triangle ABC with AB = AC. The angle at A is %s and one base angle is marked x." % alt_deg(apex)
    else:
        side = rng.choice(["b", "c"])
        mark_tri(f, A, B, C, "x", lab(base) if side == "b" else None, lab(base) if side == "c" else None,
                 apex, base, base)
        ans = apex
        alt = "Isosceles triangle ABC with AB = AC. One base angle is %s and the angle at A is marked x." % alt_deg(base)
    for P, n in ((A, "A"), (B, "B"), (C, "C")):
        f.label(P, n)
    q.instr = rng.choice(["Find the unknown angle.", "Use the properties of an isosceles triangle."])
    q.p("Triangle ABC is isosceles with AB = AC.")
    q.fig(f, alt)
    q.p(rng.choice(FIND_X))
    q.N(ans, 1)


def t_equi(rng, L, q):
    f = Fig()
    A, B, C = tri_from(60, 60, 150)
    Dp = (C[0] + 110, 0.0)
    f.poly([A, B, C])
    f.line(C, Dp)
    f.ticks(A, B)
    f.ticks(B, C)
    f.ticks(A, C)
    f.angle(C, Dp, A, "x", 120)
    for P, n in ((A, "A"), (B, "B"), (Dp, "D")):
        f.label(P, n)
    f.label(C, "C", 270)
    q.instr = "Find the unknown angle."
    q.p("ABC is an equilateral triangle. BCD is a straight line.")
    q.fig(f, "Equilateral triangle ABC with side BC extended to D. The angle ACD is marked x.")
    q.p(rng.choice(FIND_X))
    q.N(120, 2)


def t_ext(rng, L, q):
    f = Fig()
    while True:
        a, b, c = tri_angles(rng, 2, 35, 105)
        if c < 110:
            break
    A, B, C = tri_from(b, c, 170)
    Dp = (C[0] + 100, 0.0)
    f.poly([A, B, C])
    f.line(C, Dp)
    e = a + b
    if L <= 2 or rng.random() < 0.4:
        f.angle(A, B, C, lab(a), a)
        f.angle(B, C, A, lab(b), b)
        f.angle(C, Dp, A, "x", e)
        ans = e
        alt = "Triangle ABC with side BC extended to D. Angle A is %s, angle B is %s and angle ACD is marked x." % (
            alt_deg(a), alt_deg(b))
    else:
        f.angle(A, B, C, "x", a)
        f.angle(B, C, A, lab(b), b)
        f.angle(C, Dp, A, lab(e), e)
        ans = a
        alt = "Triangle ABC with side BC extended to D. Angle B is %s, angle ACD is %s and angle A is marked x." % (
            alt_deg(b), alt_deg(e))
    for P, n in ((A, "A"), (B, "B"), (Dp, "D")):
        f.label(P, n)
    f.label(C, "C", 270)
    q.instr = rng.choice(INSTR_FIND)
    q.p("In the diagram, BCD is a straight line.")
    q.fig(f, alt)
    q.p(rng.choice(FIND_X))
    q.N(ans, 2)


def quad_from_angles(rng, angs, tries=300):
    """Convex quadrilateral V0..V3 (anticlockwise) with the given interior angles."""
    assert sum(angs) == 360
    for _ in range(tries):
        L0 = 200.0
        L1 = rng.uniform(100, 190)
        V0 = (0.0, 0.0)
        V1 = (L0, 0.0)
        h1 = 180 - angs[1]
        V2 = polar(V1, L1, h1)
        h2 = h1 + 180 - angs[2]
        h3 = h2 + 180 - angs[3]
        V3 = meet(V2, h2, V0, h3)
        t = dist(V2, V3)
        u = dist(V3, V0)
        # check directions are forward
        if abs(heading(V2, V3) - h2 % 360) > 1e-6 and abs(abs(heading(V2, V3) - h2 % 360) - 360) > 1e-6:
            continue
        if abs(heading(V3, V0) - h3 % 360) > 1e-6 and abs(abs(heading(V3, V0) - h3 % 360) - 360) > 1e-6:
            continue
        if not (90 <= t <= 230 and 90 <= u <= 230):
            continue
        pts = [V0, V1, V2, V3]
        for i in range(4):
            m = ccw(pts[i], pts[(i + 1) % 4], pts[i - 1])
            assert abs(m - angs[i]) < 1e-6
        return pts
    return None


def t_quad(rng, L, q):
    f = Fig()
    step = 5 if L == 0 else 1
    while True:
        angs = spread(rng, 360, 4, 55, step, 150)
        if max(angs) - min(angs) > 20 and not all(abs(x - 90) < 3 for x in angs):
            pts = quad_from_angles(rng, angs)
            if pts:
                break
    f.poly(pts)
    if L >= 1:
        f.rot = rng.randint(-20, 20)
    k = rng.randrange(4)
    names = "ABCD"
    for i in range(4):
        f.angle(pts[i], pts[(i + 1) % 4], pts[i - 1], "x" if i == k else lab(angs[i]), angs[i])
        f.label(pts[i], names[i])
    q.instr = rng.choice(["The angles of a quadrilateral add up to 360&deg;.", "Find the unknown angle."])
    q.p("ABCD is a quadrilateral.")
    q.fig(f, "Quadrilateral ABCD with three angles marked %s; the fourth angle is marked x." %
          and_list(alt_deg(v) for i, v in enumerate(angs) if i != k))
    q.p(rng.choice(FIND_X))
    q.N(angs[k])


def parallelogram(a, w=190.0, s=120.0):
    A = (0.0, 0.0)
    B = (w, 0.0)
    Dp = polar(A, s, a)
    C = add(B, Dp)
    return A, B, C, Dp


def t_para(rng, L, q):
    f = Fig()
    a = pick(rng, 50, 80, 5 if L == 0 else 1)
    if rng.random() < 0.3:
        a = 180 - a
    A, B, C, Dp = parallelogram(a)
    f.poly([A, B, C, Dp])
    f.parallel(A, B, 1)
    f.parallel(Dp, C, 1)
    f.parallel(A, Dp, 2)
    f.parallel(B, C, 2)
    if L >= 2:
        f.rot = rng.randint(-20, 20)
    pts = [A, B, C, Dp]
    angs = [a, 180 - a, a, 180 - a]
    g = rng.randrange(4)
    xi = (g + 1) % 4 if rng.random() < 0.5 else (g - 1) % 4
    yi = (g + 2) % 4
    marks = {g: lab(angs[g]), xi: "x", yi: "y"}
    for i, l in marks.items():
        f.angle(pts[i], pts[(i + 1) % 4], pts[i - 1], l, angs[i])
    for P, n in zip(pts, "ABCD"):
        f.label(P, n)
    q.instr = "Answer both parts."
    q.p("ABCD is a parallelogram.")
    q.fig(f, "Parallelogram ABCD with one angle of %s marked and two other angles marked x and y." % alt_deg(angs[g]))
    q.part("Find the value of x.")
    q.part("Find the value of y.")
    q.N(angs[xi])
    q.N(angs[yi])


def t_rhombus(rng, L, q):
    f = Fig()
    a = pick(rng, 50, 130, 2, avoid=range(84, 97))
    A, B, C, Dp = parallelogram(a, 150, 150)
    f.poly([A, B, C, Dp])
    f.line(B, Dp)
    for P1, P2 in ((A, B), (B, C), (C, Dp), (Dp, A)):
        f.ticks(P1, P2)
    if L >= 3:
        f.rot = rng.choice([0, rng.randint(-20, 20)])
    xv = (180 - a) // 2
    f.angle(A, B, Dp, lab(a), a)
    f.angle(B, C, Dp, "x", xv)
    f.label(A, "A")
    f.label(B, "B")
    f.label(C, "C")
    f.label(Dp, "D")
    q.instr = rng.choice(INSTR_FIND)
    q.p("ABCD is a rhombus and BD is one of its diagonals.")
    if L >= 4:
        f.angle(C, Dp, B, "y", a)
        q.fig(f, "Rhombus ABCD with diagonal BD. Angle DAB is %s. Angle DBC is marked x and angle BCD is marked y." % alt_deg(a))
        q.part("Find the value of x.")
        q.part("Find the value of y.")
        q.N(xv, 2)
        q.N(a)
    else:
        q.fig(f, "Rhombus ABCD with diagonal BD. Angle DAB is %s and angle DBC is marked x." % alt_deg(a))
        q.p(rng.choice(FIND_X))
        q.N(xv, 2)


def t_trap(rng, L, q):
    f = Fig()
    while True:
        a = pick(rng, 50, 120, 5 if L == 0 else 1, avoid=range(85, 96))
        b = pick(rng, 50, 120, 5 if L == 0 else 1, avoid=range(85, 96))
        h = 110.0
        A = (0.0, 0.0)
        B = (230.0, 0.0)
        Dp = (h / math.tan(math.radians(a)), h)
        C = (230.0 - h / math.tan(math.radians(b)), h)
        if C[0] - Dp[0] > 70 and abs(a - b) > 6:
            break
    f.poly([A, B, C, Dp])
    f.parallel(A, B)
    f.parallel(Dp, C)
    angs = [a, b, 180 - b, 180 - a]
    pts = [A, B, C, Dp]
    if L <= 2:
        marks = {0: lab(a), 1: lab(b), 3: "x", 2: "y"}
    else:
        marks = {3: lab(180 - a), 1: lab(b), 0: "x", 2: "y"}
    for i, l in marks.items():
        f.angle(pts[i], pts[(i + 1) % 4], pts[i - 1], l, angs[i])
    for P, n in zip(pts, "ABCD"):
        f.label(P, n)
    q.instr = "Answer both parts."
    q.p("ABCD is a trapezium. AB is parallel to DC.")
    q.fig(f, "Trapezium ABCD with AB parallel to DC. " + " ".join(
        "The angle at %s is %s." % ("ABCD"[i], "marked " + l if l in "xy" else l.replace("\u00b0", " degrees"))
        for i, l in sorted(marks.items())))
    q.part("Find the value of x.")
    q.part("Find the value of y.")
    q.N(angs[3] if L <= 2 else angs[0])
    q.N(angs[2])


def t_rect(rng, L, q):
    f = Fig()
    w, h = 230.0, 130.0
    A, B, C, Dp = (0.0, 0.0), (w, 0.0), (w, h), (0.0, h)
    while True:
        a = pick(rng, 25, 58, 5 if L == 0 else 1)
        E = (h * math.tan(math.radians(a)), h)
        if 50 < E[0] < w - 50:
            break
    f.poly([A, B, C, Dp])
    f.line(A, E)
    f.right(B, C, A)
    f.right(C, Dp, B)
    f.right(Dp, A, C)
    f.angle(A, E, Dp, lab(a), a)
    for P, n in ((A, "A"), (B, "B"), (C, "C"), (Dp, "D")):
        f.label(P, n)
    f.label(E, "E", 90)
    q.instr = rng.choice(INSTR_FIND)
    q.p("ABCD is a rectangle. E is a point on DC.")
    if L <= 1:
        f.angle(A, B, E, "x", 90 - a)
        q.fig(f, "Rectangle ABCD with a line from A to E on DC. Angle DAE is %s and angle EAB is marked x." % alt_deg(a))
        q.p(rng.choice(FIND_X))
        q.N(90 - a)
    else:
        f.angle(E, A, C, "x", 90 + a)
        f.angle(E, Dp, A, "y", 90 - a)
        q.fig(f, "Rectangle ABCD with a line from A to E on DC. Angle DAE is %s; angle AED is marked y and angle AEC is marked x." % alt_deg(a))
        q.part("Find the value of y.")
        q.part("Find the value of x.")
        q.N(90 - a)
        q.N(90 + a)


def t_iso_ext(rng, L, q):
    f = Fig()
    e = pick(rng, 105, 140)
    base = 180 - e
    apex = 180 - 2 * base
    A, B, C = tri_from(base, base, 150)
    Dp = (C[0] + 100, 0.0)
    f.poly([A, B, C])
    f.line(C, Dp)
    f.ticks(A, B)
    f.ticks(A, C)
    f.angle(C, Dp, A, lab(e), e)
    f.angle(A, B, C, "x", apex)
    for P, n in ((A, "A"), (B, "B"), (Dp, "D")):
        f.label(P, n)
    f.label(C, "C", 270)
    q.instr = rng.choice(INSTR_FIND)
    q.p("Triangle ABC is isosceles with AB = AC. BCD is a straight line.")
    q.fig(f, "Isosceles triangle ABC with AB = AC and side BC extended to D. Angle ACD is %s and angle BAC is marked x." % alt_deg(e))
    q.p(rng.choice(FIND_X))
    q.N(apex, 2)


def t_para_ext(rng, L, q):
    f = Fig()
    a = pick(rng, 55, 80)
    A, B, C, Dp = parallelogram(a, 170, 120)
    E = polar(C, 90, 0)
    f.poly([A, B, C, Dp])
    f.line(C, E)
    f.parallel(A, B, 1)
    f.parallel(Dp, C, 1)
    f.parallel(A, Dp, 2)
    f.parallel(B, C, 2)
    f.angle(C, E, B, lab(180 - a), 180 - a)
    f.angle(A, B, Dp, "x", a)
    for P, n in ((A, "A"), (B, "B"), (Dp, "D"), (E, "E")):
        f.label(P, n)
    f.label(C, "C", 90)
    q.instr = rng.choice(INSTR_FIND)
    q.p("ABCD is a parallelogram. DCE is a straight line.")
    q.fig(f, "Parallelogram ABCD with side DC extended to E. Angle BCE is %s and angle DAB is marked x." % alt_deg(180 - a))
    q.p(rng.choice(FIND_X))
    q.N(a, 2)


def t_bowtie(rng, L, q):
    f = Fig(300, 190)
    while True:
        a = pick(rng, 40, 80)
        b = pick(rng, 40, 80)
        c = 180 - a - b
        d = pick(rng, 35, 85)
        x = a + b - d
        if 35 <= x <= 85 and abs(x - d) > 5 and 30 <= c <= 90:
            break
    C = (0.0, 0.0)
    A = polar(C, 120, 180 - c / 2)
    cb = 120 * math.sin(math.radians(a)) / math.sin(math.radians(b))
    B = polar(C, cb, 180 + c / 2)
    k = 100.0
    Dp = polar(C, k, -c / 2)
    ce = k * math.sin(math.radians(d)) / math.sin(math.radians(x))
    E = polar(C, ce, c / 2)
    f.poly([A, B, C])
    f.poly([C, Dp, E])
    f.angle(A, B, C, lab(a), a)
    f.angle(B, C, A, lab(b), b)
    f.angle(Dp, E, C, lab(d), d)
    f.angle(E, C, Dp, "x", x)
    for P, n in ((A, "A"), (B, "B"), (Dp, "D"), (E, "E")):
        f.label(P, n)
    f.label(C, "C", 90)
    q.instr = rng.choice(INSTR_FIND)
    q.p("AD and BE are straight lines that cross at C.")
    q.fig(f, "Two triangles ABC and CDE joined at C, where the straight lines AD and BE cross. Angle CAB is %s, "
          "angle CBA is %s, angle CDE is %s and angle CED is marked x." % (alt_deg(a), alt_deg(b), alt_deg(d)))
    q.p(rng.choice(FIND_X))
    q.N(x, 2)


def t_square_iso(rng, L, q):
    f = Fig(230, 230)
    th = pick(rng, 20, 70, 2)
    s = 180.0
    A, B, C, Dp = (0.0, 0.0), (s, 0.0), (s, s), (0.0, s)
    E = polar(B, s, 90 + th)
    f.poly([A, B, C, Dp])
    f.line(B, E)
    f.line(C, E)
    f.line(A, E)
    f.right(Dp, A, C)
    if L < 4:
        f.right(C, Dp, B)
    f.ticks(B, E, 2)
    f.ticks(B, C, 2)
    f.angle(B, E, C, lab(th), th)
    xv = (90 + th) // 2
    assert (90 + th) % 2 == 0
    f.angle(A, B, E, "x", xv)
    for P, n in ((A, "A"), (B, "B"), (C, "C"), (Dp, "D")):
        f.label(P, n)
    f.label(E, "E", 90 + th + 180 - 40)
    if L >= 4:
        yv = (180 - th) // 2
        f.angle(C, E, B, "y", yv)
    q.instr = rng.choice(INSTR_FIND)
    q.p("ABCD is a square. E is a point inside the square such that BE = BC.")
    if L >= 4:
        q.fig(f, "Square ABCD with point E inside, joined to A, B and C, where BE = BC. Angle EBC is %s; "
              "angle BAE is marked x and angle BCE is marked y." % alt_deg(th))
        q.part("Find the value of y.")
        q.part("Find the value of x.")
        q.N(yv)
        q.N(xv, 2)
    else:
        q.fig(f, "Square ABCD with point E inside, joined to A, B and C, where BE = BC. Angle EBC is %s and "
              "angle BAE is marked x." % alt_deg(th))
        q.p(rng.choice(FIND_X))
        q.N(xv, 2)


def t_iso_inside(rng, L, q):
    """Triangle ABC with D on BC and AD = DC."""
    f = Fig()
    while True:
        b = pick(rng, 40, 75)
        bad = pick(rng, 25, 60)
        adb = 180 - b - bad
        if (b + bad) % 2 == 0 and 45 <= adb <= 100:
            break
    x = (180 - (b + bad)) // 2
    B = (-150.0, 0.0)
    Dp = (0.0, 0.0)
    A = meet(B, b, Dp, 180 - adb)
    C = (dist(A, Dp), 0.0)
    f.poly([A, B, C])
    f.line(A, Dp)
    f.ticks(A, Dp)
    f.ticks(Dp, C)
    f.angle(B, C, A, lab(b), b)
    f.angle(A, B, Dp, lab(bad), bad)
    f.angle(C, A, Dp, "x", x)
    for P, n in ((A, "A"), (B, "B"), (C, "C")):
        f.label(P, n)
    f.label(Dp, "D", 270)
    q.instr = rng.choice(INSTR_FIND)
    q.p("In triangle ABC, D is a point on BC such that AD = DC.")
    q.fig(f, "Triangle ABC with D on BC joined to A, where AD = DC. Angle ABC is %s, angle BAD is %s and angle ACD is marked x."
          % (alt_deg(b), alt_deg(bad)))
    q.p(rng.choice(FIND_X))
    q.N(x, 2)


def t_two_ext(rng, L, q):
    f = Fig(300, 190)
    while True:
        a, b, c = tri_angles(rng, 2, 40, 95)
        if a >= 40:
            break
    A, B, C = tri_from(b, c, 150)
    P = (-90.0, 0.0)
    Qp = (C[0] + 90, 0.0)
    f.line(P, Qp)
    f.line(A, B)
    f.line(A, C)
    f.angle(B, A, P, lab(180 - b), 180 - b)
    f.angle(C, Qp, A, lab(180 - c), 180 - c)
    f.angle(A, B, C, "x", a)
    for Pt, n in ((A, "A"), (P, "P"), (Qp, "Q")):
        f.label(Pt, n)
    f.label(B, "B", 270)
    f.label(C, "C", 270)
    q.instr = rng.choice(INSTR_FIND)
    q.p("PBCQ is a straight line.")
    q.fig(f, "Triangle ABC on the straight line PBCQ. Angle ABP is %s, angle ACQ is %s and angle BAC is marked x."
          % (alt_deg(180 - b), alt_deg(180 - c)))
    q.p(rng.choice(FIND_X))
    q.N(a, 2)


def t_quad_ext(rng, L, q):
    """Quadrilateral with one side extended; find an interior angle."""
    f = Fig(290, 200)
    while True:
        angs = spread(rng, 360, 4, 60, 1, 130)
        if angs[1] < 120 and angs[1] > 60:
            pts = quad_from_angles(rng, angs)
            if pts:
                break
    A, B, C, Dp = pts
    E = (B[0] + 90, 0.0)
    f.poly(pts)
    f.line(B, E)
    f.angle(B, E, C, lab(180 - angs[1]), 180 - angs[1])
    f.angle(C, Dp, B, lab(angs[2]), angs[2])
    f.angle(Dp, A, C, lab(angs[3]), angs[3])
    f.angle(A, B, Dp, "x", angs[0])
    for P, n in ((A, "A"), (C, "C"), (Dp, "D"), (E, "E")):
        f.label(P, n)
    f.label(B, "B", 270)
    q.instr = rng.choice(INSTR_FIND)
    q.p("ABCD is a quadrilateral. ABE is a straight line.")
    q.fig(f, "Quadrilateral ABCD with side AB extended to E. Angle CBE is %s, angle BCD is %s, angle CDA is %s "
          "and angle DAB is marked x." % (alt_deg(180 - angs[1]), alt_deg(angs[2]), alt_deg(angs[3])))
    q.p(rng.choice(FIND_X))
    q.N(angs[0], 2)


ANGLE_TYPES = ["an acute angle", "a right angle", "an obtuse angle", "a reflex angle"]


def angle_type(v):
    if v < 90:
        return 0
    if v == 90:
        return 1
    if v < 180:
        return 2
    assert 180 < v < 360
    return 3


def t_type(rng, L, q):
    v = rng.choice(["word", "which", "fig"] if L < 2 else ["word", "which", "fig", "count"])
    if v == "word":
        val = rng.choice([pick(rng, 5, 85), pick(rng, 95, 175), pick(rng, 185, 355), 90 if L == 0 else 179])
        q.instr = "Choose the correct answer."
        q.p("An angle measures %s. What type of angle is it?" % D(val))
        q.options(["It is %s." % t for t in ANGLE_TYPES])
        q.key("Q", str(angle_type(val) + 1))
    elif v == "which":
        target = rng.choice([0, 2, 3])
        names = {0: "acute", 2: "obtuse", 3: "reflex"}
        while True:
            vals = [pick(rng, 5, 88), pick(rng, 92, 178), pick(rng, 182, 355),
                    rng.choice([pick(rng, 5, 88), pick(rng, 92, 178), pick(rng, 182, 355)])]
            kinds = [angle_type(x) for x in vals]
            if kinds.count(target) == 1 and len(set(vals)) == 4:
                break
        rng.shuffle(vals)
        q.instr = "Choose the correct answer."
        q.p("Which one of these angles is <b>%s</b>?" % names[target])
        q.options([D(x) for x in vals])
        q.key("Q", str([angle_type(x) for x in vals].index(target) + 1))
    elif v == "fig":
        val = rng.choice([pick(rng, 25, 80), pick(rng, 100, 170), pick(rng, 195, 330)])
        f = Fig(220, 180)
        O = (0.0, 0.0)
        d0 = rng.randint(0, 359)
        P = polar(O, 110, d0)
        R = polar(O, 110, d0 + val)
        f.line(O, P)
        f.line(O, R)
        f.angle(O, P, R, "p", val, reflex=val > 180)
        q.instr = "Choose the correct answer."
        q.fig(f, "Two lines meeting at a point with the angle between them marked p.")
        q.p("What type of angle is angle p?")
        q.options(["It is %s." % t for t in ANGLE_TYPES])
        q.key("Q", str(angle_type(val) + 1))
    else:
        target = rng.choice([0, 2, 3])
        names = {0: "acute", 2: "obtuse", 3: "reflex"}
        vals = rng.sample(list(range(5, 356)), 7)
        vals = [x for x in vals if x not in (90, 180)]
        vals += [90]
        rng.shuffle(vals)
        n = sum(1 for x in vals if angle_type(x) == target)
        q.instr = "Count carefully."
        q.p("Here is a list of angles.")
        q.p(", &nbsp; ".join(D(x) for x in vals))
        q.p("How many of these angles are <b>%s</b> angles?" % names[target])
        q.N(n)


def t_estimate(rng, L, q):
    val = rng.choice([pick(rng, 25, 65), pick(rng, 110, 160), pick(rng, 200, 250), pick(rng, 280, 330)])
    f = Fig(220, 180)
    O = (0.0, 0.0)
    d0 = rng.randint(0, 359)
    P = polar(O, 110, d0)
    R = polar(O, 110, d0 + val)
    f.line(O, P)
    f.line(O, R)
    f.angle(O, P, R, "a", val, reflex=val > 180)
    # options from different bands, far apart
    bands = [(20, 70), (105, 165), (195, 255), (285, 335)]
    k = [i for i, (lo, hi) in enumerate(bands) if lo <= val <= hi][0]
    opts = []
    for i, (lo, hi) in enumerate(bands):
        if i == k:
            opts.append(val - val % 5 if val % 5 < 3 else val + 5 - val % 5)
        else:
            opts.append(pick(rng, lo, hi, 5))
    q.instr = "Estimate. Do not measure."
    q.fig(f, "Two lines meeting at a point with the angle between them marked a.")
    q.p("Which of these is the best estimate of the size of angle a?")
    q.options([D(o) for o in opts])
    q.key("Q", str(k + 1))


TURN_FRACS = {0: [(1, 4), (1, 2), (3, 4)],
              1: [(1, 4), (3, 4), (1, 3), (2, 3), (1, 8)],
              2: [(1, 3), (2, 3), (1, 6), (5, 6), (3, 8), (1, 10), (1, 12)],
              3: [(5, 6), (3, 8), (5, 8), (7, 12), (5, 12), (3, 10), (2, 9), (7, 10)],
              4: [(5, 8), (7, 12), (5, 12), (11, 12), (4, 9), (7, 8), (3, 5), (7, 20)]}


def frac_html(n, d):
    return '<span class="frac"><sup>%d</sup>&frasl;<sub>%d</sub></span>' % (n, d)


def t_turn(rng, L, q):
    v = rng.choice(["deg", "frac", "right"] if L < 3 else ["deg", "frac", "mixed"])
    n, d = fresh(rng, "turn", TURN_FRACS[L])
    deg = Fr(360 * n, d)
    assert deg.denominator == 1
    if v == "deg" and L <= 1:
        n2, d2 = fresh(rng, "turn", [fr for fr in TURN_FRACS[L] if fr != (n, d)])
        q.instr = "A complete turn is 360&deg;."
        q.p("How many degrees are there in")
        q.part("%s of a complete turn?" % frac_html(n, d))
        q.part("%s of a complete turn?" % frac_html(n2, d2))
        q.N(int(deg))
        q.N(360 * n2 // d2)
    elif v == "deg":
        q.instr = "A complete turn is 360&deg;."
        q.p("How many degrees are there in %s of a complete turn?" % frac_html(n, d))
        q.p("Give your answer in degrees.")
        q.N(int(deg))
    elif v == "frac":
        q.instr = "Give the fraction in its simplest form."
        q.p("What fraction of a complete turn is %s?" % D(int(deg)))
        q.p("Give your answer as a fraction in its simplest form.")
        fr = Fr(int(deg), 360)
        assert (fr.numerator, fr.denominator) == (n, d)
        q.key("F", "%d/%d" % (n, d))
    elif v == "right":
        k = rng.choice([2, 3, 5, 6, 7])
        if rng.random() < 0.5:
            q.instr = "A right angle is 90&deg;."
            q.p("How many degrees are there in %d right angles?" % k)
            q.N(90 * k)
        else:
            t = rng.choice([2, 3])
            q.instr = "A complete turn is 360&deg;."
            q.p("How many right angles make %d complete turns?" % t)
            q.N(4 * t)
    else:
        w = rng.choice([1, 2])
        q.instr = "A complete turn is 360&deg;."
        q.p("A wheel turns through %d %s turns. How many degrees is this?" % (w, frac_html(n, d)))
        q.p("Give your answer in degrees.")
        q.N(360 * w + int(deg))


COMPASS = ["North", "North-east", "East", "South-east", "South", "South-west", "West", "North-west"]


def compass_fig():
    f = Fig(210, 210)
    O = (0.0, 0.0)
    short = {"North": "N", "North-east": "NE", "East": "E", "South-east": "SE", "South": "S",
             "South-west": "SW", "West": "W", "North-west": "NW"}
    for i, name in enumerate(COMPASS):
        bearing = 45 * i
        m = 90 - bearing
        r = 80 if i % 2 == 0 else 58
        f.line(O, polar(O, r, m), 2.0 if i % 2 == 0 else 1.4)
        f.text(polar(O, r + 16, m), short[name], 14, bold=(i % 2 == 0))
    f.dot(O, 3)
    return f


def t_compass(rng, L, q):
    v = rng.choice(["dir", "deg"] if L < 3 else ["dir", "deg", "deg"])
    start = rng.randrange(8)
    if v == "dir":
        if L == 0:
            t = rng.choice([90, 180, 270])
        elif L <= 2:
            t = rng.choice([45, 90, 135, 180, 270])
        else:
            t = rng.choice([135, 225, 315, 405, 450])
        cw = rng.random() < 0.5
        end = (start + (t // 45) * (1 if cw else -1)) % 8
        wrong = (start - (t // 45) * (1 if cw else -1)) % 8
        opts = {end}
        if wrong != end:
            opts.add(wrong)
        while len(opts) < 4:
            opts.add(rng.randrange(8))
        opts = sorted(opts, key=lambda i: rng.random())
        name = rng.choice(["Amir", "Bella", "Chen", "Dana", "Eli", "Farah", "Gus", "Hana"])
        amount = "%s" % D(t)
        if t == 90 and rng.random() < 0.5:
            amount = "a quarter turn (%s)" % D(90)
        if t == 180 and rng.random() < 0.5:
            amount = "a half turn (%s)" % D(180)
        q.instr = "Choose the correct direction."
        if L <= 2:
            q.fig(compass_fig(), "A compass rose showing the eight directions N, NE, E, SE, S, SW, W and NW.")
        q.p("%s is facing <b>%s</b>. %s turns %s through %s." %
            (name, COMPASS[start], "He" if name in ("Amir", "Chen", "Eli", "Gus") else "She",
             "clockwise" if cw else "anticlockwise", amount))
        q.p("Which direction is %s facing now?" % name)
        q.options([COMPASS[i] for i in opts])
        q.key("Q", str(opts.index(end) + 1))
    else:
        while True:
            end = rng.randrange(8)
            if end != start and (end - start) % 8 != 4:
                break
        cw = rng.random() < 0.5
        steps = (end - start) % 8 if cw else (start - end) % 8
        if L >= 2 and rng.random() < 0.5:
            small = min(steps, 8 - steps) * 45
            q.instr = "Use the compass points."
            if L <= 2:
                q.fig(compass_fig(), "A compass rose showing the eight directions N, NE, E, SE, S, SW, W and NW.")
            q.p("What is the smaller angle between the directions <b>%s</b> and <b>%s</b>?" % (COMPASS[start], COMPASS[end]))
            q.p("Give your answer in degrees.")
            q.N(small)
        else:
            q.instr = "Use the compass points."
            if L <= 2:
                q.fig(compass_fig(), "A compass rose showing the eight directions N, NE, E, SE, S, SW, W and NW.")
            who = rng.choice(["A ship", "A robot", "A weather vane", "A scout"])
            q.p("%s is pointing <b>%s</b>. It turns <b>%s</b> until it points <b>%s</b>." %
                (who, COMPASS[start], "clockwise" if cw else "anticlockwise", COMPASS[end]))
            q.p("Through how many degrees does it turn?")
            q.N(steps * 45)


def clock_fig(hand_h, hand_m, mark=True):
    """hand_h, hand_m: clockwise angles from 12 in degrees."""
    f = Fig(200, 200)
    O = (0.0, 0.0)
    f.circle(O, 100, 2.0)
    for i in range(60):
        m = 90 - 6 * i
        if i % 5 == 0:
            f.line(polar(O, 90, m), polar(O, 100, m), 2.0)
        else:
            f.line(polar(O, 96, m), polar(O, 100, m), 1.0)
    for h in range(1, 13):
        f.text(polar(O, 78, 90 - 30 * h), str(h), 13)
    H = polar(O, 45, 90 - hand_h)
    M = polar(O, 64, 90 - hand_m)
    f.line(O, H, 4.0)
    f.line(O, M, 2.5)
    f.dot(O, 4)
    if mark:
        diff = (hand_m - hand_h) % 360
        small = min(diff, 360 - diff)
        f.angle(O, H, M, "x", small, radius=18)
    return f


def t_clock(rng, L, q):
    if L <= 1:
        while True:
            h = rng.randint(1, 12)
            m = 0
            if h not in (3, 6, 9, 12):
                break
    elif L == 2:
        h = rng.choice([1, 2, 3, 4, 7, 8, 9, 10, 11])
        m = 30
    else:
        while True:
            h = rng.randint(1, 11)
            m = rng.choice([10, 20, 40, 50, 30])
            hh = (h % 12) * 30 + m / 2
            mm = m * 6
            diff = (mm - hh) % 360
            sm = min(diff, 360 - diff)
            if 30 <= sm < 175 and sm == int(sm):
                break
    hh = (h % 12) * 30 + Fr(m, 2)
    mm = m * 6
    diff = (mm - hh) % 360
    small = min(diff, 360 - diff)
    assert small.denominator == 1 and 0 < small < 180
    f = clock_fig(float(hh), float(mm))
    q.instr = rng.choice(["Look at the clock.", "Find the angle between the hands."])
    tstr = "%d o'clock" % h if m == 0 else "%d:%02d" % (h, m)
    q.fig(f, "A clock face showing %s. The smaller angle between the hour hand and the minute hand is marked x." % tstr)
    q.p("The clock shows %s. Find the size of the smaller angle, x, between the two hands." % tstr)
    q.p("Give your answer in degrees.")
    if m != 0:
        q.p("Remember that the hour hand moves between the numbers as the minutes pass.")
    q.N(int(small), 1 if L <= 2 else 2)


def t_clock_word(rng, L, q):
    v = rng.choice(["min", "hour"] if L < 3 else ["min", "hour", "back"])
    q.instr = rng.choice(["Think about how the hands of a clock move.", "Answer the question about the clock."])
    if L <= 1 and rng.random() < 0.6:
        k = rng.randint(2, 5)
        a, b = sorted(rng.sample(range(1, 12), 2))
        q.instr = "Answer both parts."
        q.p("Think about the hands of a clock.")
        q.part("How many degrees does the hour hand turn in %d hours?" % k)
        q.part("The minute hand moves clockwise from pointing at %d to pointing at %d. "
               "Through how many degrees does it turn?" % (a, b))
        q.N(30 * k)
        q.N((b - a) * 30)
    elif v == "min":
        if L <= 1:
            a, b = sorted(rng.sample(range(1, 12), 2))
            q.p("The minute hand of a clock moves clockwise from pointing at %d to pointing at %d." % (a, b))
            q.p("Through how many degrees does it turn?")
            q.N((b - a) * 30)
        else:
            h = rng.randint(1, 10)
            m1 = rng.choice([0, 5, 10, 15])
            m2 = m1 + rng.choice([20, 25, 35, 40, 45, 50])
            q.p("A clock shows %d:%02d. How many degrees does the minute hand turn until the clock shows %d:%02d?"
                % (h, m1, h, m2))
            q.N((m2 - m1) * 6)
    elif v == "hour":
        k = rng.randint(2, 5) if L <= 2 else rng.randint(5, 9)
        q.p("How many degrees does the hour hand of a clock turn in %d hours?" % k)
        q.N(30 * k)
    else:
        deg = rng.choice([45, 75, 105, 135, 165])
        q.p("The hour hand of a clock turns through %s. How many minutes have passed?" % D(deg))
        q.p("Give your answer in minutes.")
        q.N(deg * 2, 2)


def t_word(rng, L, q):
    kinds = {0: ["tri", "quad", "right"], 1: ["tri", "quad", "right", "iso_apex"],
             2: ["iso_apex", "iso_base", "para", "quad", "right"],
             3: ["iso_base", "para", "ratio", "diff", "equal3"],
             4: ["ratio", "diff", "equal3", "iso_base", "rhombus"]}[L]
    v = fresh(rng, "tword", kinds)
    step = 5 if L == 0 else 1
    if v == "tri":
        a, b, c = tri_angles(rng, L, 25, 110, step)
        q.instr = "Angles in a triangle add up to 180&deg;."
        q.p("Two angles of a triangle are %s and %s. What is the size of the third angle?" % (D(a), D(b)))
        q.p("Give your answer in degrees.")
        q.N(c)
    elif v == "quad":
        angs = spread(rng, 360, 4, 50, step, 160)
        q.instr = "Angles in a quadrilateral add up to 360&deg;."
        q.p("Three angles of a quadrilateral are %s, %s and %s. Find the size of the fourth angle."
            % (D(angs[0]), D(angs[1]), D(angs[2])))
        q.p("Give your answer in degrees.")
        q.N(angs[3])
    elif v == "right":
        a = pick(rng, 20, 70, step, avoid=(45,))
        q.instr = "Find the missing angle."
        q.p("A triangle has a right angle. One of its other angles is %s. What is the size of the third angle?" % D(a))
        q.p("Give your answer in degrees.")
        q.N(90 - a)
    elif v == "iso_apex":
        apex = pick(rng, 20, 140, 2)
        q.instr = "Think about the equal angles."
        q.p("An isosceles triangle has an angle of %s between its two equal sides. "
            "What is the size of each of the other two angles?" % D(apex))
        q.p("Give your answer in degrees.")
        q.N((180 - apex) // 2)
    elif v == "iso_base":
        base = pick(rng, 25, 80)
        q.instr = "Think about the equal angles."
        q.p("In an isosceles triangle, the two equal angles are each %s. What is the size of the third angle?" % D(base))
        q.p("Give your answer in degrees.")
        q.N(180 - 2 * base)
    elif v == "para":
        a = pick(rng, 40, 85)
        q.instr = "Answer both parts."
        q.p("One angle of a parallelogram is %s." % D(a))
        q.part("What is the size of the angle opposite it?")
        q.part("What is the size of each of the other two angles?")
        q.N(a)
        q.N(180 - a)
    elif v == "ratio":
        while True:
            r = sorted(rng.sample(range(1, 8), 3))
            if 180 % sum(r) == 0 and r[0] * 180 // sum(r) >= 10:
                break
        unit = 180 // sum(r)
        q.instr = "Use ratio."
        q.p("The three angles of a triangle are in the ratio %d : %d : %d. Find the size of the largest angle."
            % tuple(r))
        q.p("Give your answer in degrees.")
        q.N(r[2] * unit, 2)
    elif v == "diff":
        while True:
            d = pick(rng, 10, 70)
            if (180 - d) % 2 == 0:
                break
        small = (180 - d) // 2
        q.instr = "Angles on a straight line add up to 180&deg;."
        q.p("Two angles lie on a straight line. One angle is %s larger than the other. "
            "What is the size of the smaller angle?" % D(d))
        q.p("Give your answer in degrees.")
        q.N(small, 2)
    elif v == "equal3":
        while True:
            a = pick(rng, 60, 200)
            if (360 - a) % 3 == 0:
                break
        q.instr = "Angles at a point add up to 360&deg;."
        q.p("Four angles meet at a point. One of them is %s and the other three are equal. "
            "What is the size of each of the equal angles?" % D(a))
        q.p("Give your answer in degrees.")
        q.N((360 - a) // 3, 2)
    elif v == "rhombus":
        a = pick(rng, 50, 80)
        q.instr = "Use the properties of a rhombus."
        q.p("One angle of a rhombus is %s. What is the size of each obtuse angle of the rhombus?" % D(a))
        q.p("Give your answer in degrees.")
        q.N(180 - a)


# ---------------------------------------------------------------------------
# Topic 4: Decimals
# ---------------------------------------------------------------------------

def rdec(rng, lo, hi, dp, tidy=True):
    """A random number between lo and hi with exactly dp decimal places
    (last decimal digit not zero when tidy)."""
    while True:
        n = rng.randint(int(lo * 10 ** dp), int(hi * 10 ** dp))
        if dp == 0 or not tidy or n % 10 != 0:
            return Fr(n, 10 ** dp)


def places(v):
    v = Fr(v)
    k = 0
    while (v * 10 ** k).denominator != 1:
        k += 1
    return k


def money(v):
    return "&pound;" + dec(v, 2)


def fh(n, d):
    return frac_html(n, d)


def mixed_html(v):
    v = Fr(v)
    w = v.numerator // v.denominator
    r = v - w
    if w == 0:
        return fh(r.numerator, r.denominator)
    if r == 0:
        return str(w)
    return "%d %s" % (w, fh(r.numerator, r.denominator))


PLACE_NAMES = {1: "tenths", 2: "hundredths", 3: "thousandths", 0: "ones", -1: "tens"}


def digits_of(v, dp):
    """Digits of v as a dict place -> digit (place 1 = tenths, 0 = ones, -1 = tens)."""
    n = int(v * 10 ** dp)
    s = str(n).rjust(dp + 1, "0")
    out = {}
    for i, ch in enumerate(reversed(s)):
        out[dp - i] = int(ch)
    return out


def distinct_digit_number(rng, whole_lo, whole_hi, dp):
    while True:
        w = rng.randint(whole_lo, whole_hi)
        fr = [rng.randint(1, 9) for _ in range(dp)]
        ds = [int(c) for c in str(w)] + fr
        if len(set(ds)) == len(ds) and 0 not in ds[1:]:
            v = w + Fr(int("".join(map(str, fr))), 10 ** dp)
            return v


def d_value(rng, L, q):
    dp = 2 if L <= 1 else 3
    v = distinct_digit_number(rng, 1 if L < 2 else 10, 9 if L < 2 else 99, dp)
    dg = digits_of(v, dp)
    if L <= 2:
        pos = rng.randint(1, dp)
        d = dg[pos]
        q.instr = "Give your answer as a decimal."
        q.p("What is the value of the digit <b>%d</b> in <b>%s</b>?" % (d, dec(v)))
        q.N(Fr(d, 10 ** pos))
    else:
        p1, p2 = rng.sample(range(1, dp + 1), 2)
        q.instr = "Give your answers as decimals."
        q.p("Look at the number <b>%s</b>." % dec(v))
        q.part("What is the value of the digit %d?" % dg[p1])
        q.part("What is the value of the digit %d?" % dg[p2])
        q.N(Fr(dg[p1], 10 ** p1))
        q.N(Fr(dg[p2], 10 ** p2))


def d_place_mc(rng, L, q):
    dp = 2 if L == 0 else 3
    v = distinct_digit_number(rng, 10, 99, dp)
    dg = digits_of(v, dp)
    pos = rng.randint(1, dp)
    d = dg[pos]
    opts = ["the tens place", "the tenths place", "the hundredths place", "the thousandths place"]
    key = {1: 2, 2: 3, 3: 4}[pos]
    if dp == 2:
        opts[3] = "the ones place"
        key = {1: 2, 2: 3}[pos]
    q.instr = "Choose the correct answer."
    q.p("In the number <b>%s</b>, in which place is the digit <b>%d</b>?" % (dec(v), d))
    q.options(opts)
    q.key("Q", str(key))


def d_compose(rng, L, q):
    kinds = {0: ["sum", "words"], 1: ["sum", "words", "hund"], 2: ["fracs", "words", "thou"],
             3: ["fracs", "thou", "words2"], 4: ["fracs", "thou", "words2", "mixed"]}[L]
    v = rng.choice(kinds)
    q.instr = "Write the number as a decimal."
    if v == "sum":
        w = rng.randint(1, 19)
        a = rng.randint(1, 9)
        b = rng.randint(1, 9)
        if L == 0:
            terms = [str(w), dec(Fr(a, 10)), dec(Fr(b, 100))]
            val = w + Fr(a, 10) + Fr(b, 100)
        else:
            terms = [str(w), dec(Fr(a, 10)), dec(Fr(b, 1000))]
            val = w + Fr(a, 10) + Fr(b, 1000)
        rng.shuffle(terms) if L >= 1 else None
        q.p("Write <b>%s</b> as a single decimal number." % " + ".join(terms))
    elif v == "words":
        o, t, h = rng.randint(1, 9), rng.randint(0 if L else 1, 9), rng.randint(1, 9)
        val = o + Fr(t, 10) + Fr(h, 100)
        parts = ["%d one%s" % (o, "" if o == 1 else "s")]
        if t:
            parts.append("%d tenth%s" % (t, "" if t == 1 else "s"))
        parts.append("%d hundredth%s" % (h, "" if h == 1 else "s"))
        q.p("Write the number that has %s." % and_list(parts))
    elif v == "hund":
        n = rng.randint(11, 99)
        val = Fr(n, 100)
        q.p("Write <b>%d hundredths</b> as a decimal." % n)
    elif v == "thou":
        n = rng.choice([rng.randint(11, 99), rng.randint(101, 999)])
        if n % 10 == 0:
            n += 1
        val = Fr(n, 1000)
        q.p("Write <b>%d thousandths</b> as a decimal." % n)
    elif v == "fracs":
        w = rng.randint(2, 60)
        a, b = rng.randint(1, 9), rng.randint(1, 9)
        if rng.random() < 0.5:
            val = w + Fr(a, 10) + Fr(b, 1000)
            q.p("Write <b>%d + %s + %s</b> as a decimal." % (w, fh(a, 10), fh(b, 1000)))
        else:
            val = w + Fr(a, 100) + Fr(b, 1000)
            q.p("Write <b>%d + %s + %s</b> as a decimal." % (w, fh(a, 100), fh(b, 1000)))
    elif v == "words2":
        t, th, hu = rng.randint(1, 9), rng.randint(1, 9), rng.randint(1, 9)
        val = 10 * t + Fr(th, 10) + Fr(hu, 1000)
        q.p("Write the number that has %d tens, %d tenth%s and %d thousandth%s." %
            (t, th, "" if th == 1 else "s", hu, "" if hu == 1 else "s"))
    else:
        w = rng.randint(2, 30)
        n = rng.randint(11, 99)
        val = w + Fr(n, 1000)
        q.p("Write <b>%d and %d thousandths</b> as a decimal." % (w, n))
    q.N(val)


def d_count_parts(rng, L, q):
    v = rng.choice(["tenths", "hundredths", "thousandths"] if L >= 2 else ["tenths", "hundredths"])
    if v == "tenths":
        x = rdec(rng, 1, 20, 1)
        n = x * 10
    elif v == "hundredths":
        x = rdec(rng, 0.1, 9, rng.choice([1, 2]))
        n = x * 100
    else:
        x = rdec(rng, 0.01, 3, rng.choice([1, 2]))
        n = x * 1000
    assert n.denominator == 1
    q.instr = "Think about place value."
    q.p("How many <b>%s</b> are there in <b>%s</b>?" % (v, dec(x)))
    q.N(int(n))


def close_decimals(rng, L, count):
    """Numbers that are easy to muddle: same digits in different places."""
    while True:
        a, b = rng.sample(range(1, 10), 2)
        w = 0 if L <= 1 else rng.randint(1, 9)
        cands = [Fr(a, 10), Fr(10 * a + b, 100), Fr(10 * b + a, 100), Fr(a, 100),
                 Fr(100 * a + b, 1000), Fr(b, 10), Fr(10 * a + b, 1000), Fr(100 * b + a, 1000)]
        if L >= 3:
            cands += [Fr(100 * a + 10 * b, 1000) + Fr(1, 1000), Fr(10 * a + b, 100) + Fr(5, 1000)]
        cands = sorted(set(w + c for c in cands))
        if len(cands) >= count:
            return rng.sample(cands, count)


def d_compare(rng, L, q):
    vals = close_decimals(rng, L, 4)
    big = rng.random() < 0.5
    target = max(vals) if big else min(vals)
    q.instr = "Choose the correct answer."
    q.p("Which of these numbers is the <b>%s</b>?" % ("largest" if big else "smallest"))
    q.options([dec(v) for v in vals])
    q.key("Q", str(vals.index(target) + 1))


def d_order(rng, L, q):
    vals = close_decimals(rng, L, 5)
    srt = sorted(vals)
    q.instr = "Answer both parts."
    q.p("Here are five numbers: <b>%s</b>." % ", &nbsp;".join(dec(v) for v in vals))
    q.p("Put them in order from the smallest to the largest.")
    q.part("Which number comes first?")
    q.part("Which number comes third?")
    q.N(srt[0])
    q.N(srt[2])


def round_to(v, k):
    d = Decimal(v.numerator) / Decimal(v.denominator)
    r = d.quantize(Decimal(1).scaleb(-k), rounding=ROUND_HALF_UP)
    return Fr(r)


def d_round(rng, L, q):
    if L == 0 and rng.random() < 0.4:
        v = rdec(rng, 1, 30, 2)
        k = rng.choice([0, 1])
        names = {0: "the nearest whole number", 1: "1 decimal place"}
        q.instr = "Round the number."
        q.p("Round <b>%s</b> to %s." % (dec(v), names[k]))
        q.key("N", dec(round_to(v, k), k))
        return
    if L <= 1:
        v = rdec(rng, 1, 50, rng.choice([2, 3]) if L else 2)
        k1, k2 = 0, 1
        if places(v) == 3:
            k2 = rng.choice([1, 2])
        q.instr = "Round the number."
        q.p("Look at the number <b>%s</b>." % dec(v))
        q.part("Round it to the nearest whole number.")
        q.part("Round it to %d decimal place%s." % (k2, "" if k2 == 1 else "s"))
        q.key("N", dec(round_to(v, k1), 0))
        q.key("N", dec(round_to(v, k2), k2))
        return
    while True:
        v = rdec(rng, 2, 90, 3)
        if L >= 3 and rng.random() < 0.6:
            # make a nine carry over
            w = rng.randint(2, 60)
            v = w + Fr(rng.choice([96, 97, 98, 99]), 100) + Fr(rng.randint(5, 9), 1000)
        r = [round_to(v, k) for k in (0, 1, 2)]
        if len(set(r)) >= 2:
            break
    q.instr = "Round the number."
    q.p("Round <b>%s</b> to" % dec(v))
    q.part("the nearest whole number,")
    q.part("1 decimal place,")
    q.part("2 decimal places.")
    for k in (0, 1, 2):
        q.key("N", dec(r[k], k))


ROUND_CONTEXTS = [
    ("A parcel has a mass of %s kg.", "kg", "the nearest tenth of a kilogram", 1, "kilograms"),
    ("A pencil is %s cm long.", "cm", "the nearest centimetre", 0, "cm"),
    ("Leo ran 100 m in %s seconds.", "s", "the nearest tenth of a second", 1, "seconds"),
    ("A bottle holds %s litres of water.", "l", "1 decimal place", 1, "litres"),
    ("A garden path is %s m long.", "m", "the nearest metre", 0, "metres"),
    ("A bag of apples has a mass of %s kg.", "kg", "2 decimal places", 2, "kilograms"),
]


def d_round_ctx(rng, L, q):
    text, unit, how, k, uname = fresh(rng, "round", [c for c in ROUND_CONTEXTS if L > 0 or c[3] < 2])
    dp = 3 if k == 2 else (2 if L == 0 else rng.choice([2, 3]))
    v = rdec(rng, 1, 20, dp)
    q.instr = "Round the measurement."
    q.p(text % dec(v))
    q.p("Round this to %s. Give your answer in %s." % (how, uname))
    q.key("N", dec(round_to(v, k), k))


FRACS_BY_LEVEL = {
    0: [(1, 2), (1, 4), (3, 4), (1, 5), (2, 5), (3, 5), (4, 5), (3, 10), (7, 10), (9, 10)],
    1: [(3, 4), (2, 5), (4, 5), (7, 10), (3, 20), (7, 20), (11, 20), (9, 25), (12, 25), (17, 50)],
    2: [(1, 8), (3, 8), (5, 8), (7, 20), (13, 20), (21, 25), (23, 50), (37, 50), (3, 25)],
    3: [(7, 8), (3, 40), (9, 40), (17, 20), (19, 25), (13, 200), (21, 200), (3, 125), (31, 50)],
    4: [(11, 40), (27, 40), (9, 125), (33, 200), (21, 40), (49, 250), (37, 40), (17, 125)],
}


def d_frac2dec(rng, L, q):
    n, d = fresh(rng, "frac", FRACS_BY_LEVEL[L])
    val = Fr(n, d)
    q.instr = "Write the fraction as a decimal."
    if L >= 2 and rng.random() < 0.5:
        w = rng.randint(1, 9)
        val += w
        q.p("Write %d %s as a decimal." % (w, fh(n, d)))
    else:
        q.p("Write %s as a decimal." % fh(n, d))
    q.N(val)


def d_dec2frac(rng, L, q):
    while True:
        dp = 1 if L == 0 else (2 if L <= 2 else rng.choice([2, 3]))
        x = rdec(rng, 0.01, 0.99, dp)
        if L == 0:
            x = Fr(rng.choice(["0.5", "0.2", "0.4", "0.6", "0.8", "0.25", "0.75"]))
        fr = Fr(x)
        if fr.denominator < 10 ** places(x) and fr.denominator <= 200:
            break
    if L >= 2 and rng.random() < 0.5:
        w = rng.randint(1, 9)
        x = w + x
        q.instr = "Write the answer in its simplest form."
        q.p("Write <b>%s</b> as a mixed number in its simplest form." % dec(x))
        q.key("X", "%d %d/%d" % (w, fr.numerator, fr.denominator))
    else:
        q.instr = "Write the answer in its simplest form."
        q.p("Write <b>%s</b> as a fraction in its simplest form." % dec(x))
        q.key("F", "%d/%d" % (fr.numerator, fr.denominator))


def d_equiv_mc(rng, L, q):
    n, d = fresh(rng, "frac", FRACS_BY_LEVEL[min(L, 3)])
    val = Fr(n, d)
    k = places(val)
    digits = int(val * 10 ** k)
    # misreadings: the digits over the wrong power of ten, "one over the digits",
    # the digits split into a fraction, the fraction with its parts swapped
    cands = [(digits, 10 ** (k + 1)), (1, digits) if 1 < digits <= 30 else (digits, 10 ** (k - 1)),
             (digits // 10, digits % 10) if digits >= 10 and 0 < digits % 10 and digits // 10 < digits % 10 else (n, d * 10),
             (n, d * 10), (digits, 10 ** (k + 2)), (n + 1, d)]
    opts = [(n, d)]
    for c in cands:
        if c[1] > 1 and Fr(c[0], c[1]) != val and c not in opts and Fr(c[0], c[1]) not in [Fr(*o) for o in opts]:
            opts.append(c)
        if len(opts) == 4:
            break
    rng.shuffle(opts)
    assert sum(1 for a, b in opts if Fr(a, b) == val) == 1
    q.instr = "Choose the correct answer."
    q.p("Which of these fractions is equal to <b>%s</b>?" % dec(val))
    q.options([fh(a, b) for a, b in opts])
    q.key("Q", str([Fr(a, b) for a, b in opts].index(val) + 1))


CALC = ["Work out", "Calculate", "Find the value of", "Work out"]


def d_add(rng, L, q):
    if L == 0:
        a, b = rdec(rng, 1, 30, 1), rdec(rng, 1, 30, rng.choice([1, 2]))
    elif L == 1:
        a, b = rdec(rng, 2, 60, 2), rdec(rng, 1, 30, rng.choice([1, 2]))
    elif L == 2:
        a, b = rdec(rng, 10, 200, rng.choice([1, 2])), rdec(rng, 1, 90, 2)
    else:
        a, b = rdec(rng, 10, 400, rng.choice([1, 3])), rdec(rng, 1, 90, rng.choice([2, 3]))
    if L <= 1:
        c, d = rdec(rng, 1, 40, 1 + L), rdec(rng, 1, 20, rng.choice([1, 2]))
        q.instr = "Answer both parts."
        q.part("<b>%s + %s</b> =" % (dec(a), dec(b)))
        q.part("<b>%s + %s</b> =" % (dec(c), dec(d)))
        q.N(a + b)
        q.N(c + d)
    elif L >= 3 and rng.random() < 0.5:
        c = rdec(rng, 1, 9, 2)
        q.p("%s <b>%s + %s + %s</b>." % (rng.choice(CALC), dec(a), dec(b), dec(c)))
        q.N(a + b + c)
    else:
        q.p("%s <b>%s + %s</b>." % (rng.choice(CALC), dec(a), dec(b)))
        q.N(a + b)


def d_sub(rng, L, q):
    while True:
        if L == 0:
            a, b = rdec(rng, 5, 40, 1), rdec(rng, 1, 20, 1)
        elif L == 1:
            a, b = rdec(rng, 5, 60, 2), rdec(rng, 1, 40, rng.choice([1, 2]))
        elif L == 2:
            a, b = Fr(rng.randint(5, 50)), rdec(rng, 1, 40, rng.choice([1, 2]))
        else:
            a, b = rdec(rng, 10, 100, rng.choice([1, 2])), rdec(rng, 1, 60, rng.choice([2, 3]))
        if a - b >= Fr(1, 2):
            break
    if L <= 1:
        c = Fr(rng.randint(3, 20))
        d = rdec(rng, 0.1, float(c) - 0.5, 1 + L)
        q.instr = "Answer both parts."
        q.part("<b>%s &minus; %s</b> =" % (dec(a), dec(b)))
        q.part("<b>%s &minus; %s</b> =" % (dec(c), dec(d)))
        q.N(a - b)
        q.N(c - d)
        return
    q.p("%s <b>%s &minus; %s</b>." % (rng.choice(CALC), dec(a), dec(b)))
    q.N(a - b)


def d_pow10(rng, L, q):
    def one():
        p = rng.choice([10, 100, 1000] if L >= 1 else [10, 100])
        mul = rng.random() < 0.5
        if mul:
            x = rdec(rng, 0.01, 50, rng.choice([1, 2, 3] if L >= 2 else [1, 2]))
            return "%s &times; %d" % (dec(x), p), x * p
        while True:
            x = rdec(rng, 0.1, 900, rng.choice([0, 1, 2] if L >= 2 else [0, 1]))
            if places(x / p) <= 3:
                return "%s &divide; %d" % (dec(x), p), x / p
    if L <= 1:
        e, v = one()
        q.p("%s <b>%s</b>." % (rng.choice(CALC), e))
        q.N(v)
    else:
        (e1, v1), (e2, v2) = one(), one()
        q.instr = "Answer both parts."
        q.part("<b>%s</b> =" % e1)
        q.part("<b>%s</b> =" % e2)
        q.N(v1)
        q.N(v2)


def d_missing(rng, L, q):
    p = rng.choice([10, 100, 1000])
    x = rdec(rng, 0.01, 20, rng.choice([1, 2, 3]))
    v = rng.choice(["mul", "div", "start"] if L >= 2 else ["mul", "div"])
    q.instr = "Find the missing number."
    blank = '<span class="blank">&nbsp;</span>'
    if v == "mul":
        q.p("Fill in the missing number: &nbsp; <b>%s &times; %s = %s</b>" % (dec(x), blank, dec(x * p)))
        q.N(p)
    elif v == "div":
        q.p("Fill in the missing number: &nbsp; <b>%s &divide; %s = %s</b>" % (dec(x * p), blank, dec(x)))
        q.N(p)
    else:
        q.p("Fill in the missing number: &nbsp; <b>%s &divide; %d = %s</b>" % (blank, p, dec(x)))
        q.N(x * p)


def d_mul(rng, L, q):
    if L == 0:
        a, b = rdec(rng, 0.2, 9, 1), rng.randint(2, 9)
    elif L == 1:
        a, b = rdec(rng, 0.1, 9, 2), rng.randint(3, 9)
    elif L == 2:
        a, b = rdec(rng, 1, 30, rng.choice([1, 2])), rng.randint(6, 12)
    elif L == 3:
        a, b = rdec(rng, 0.1, 20, 2), rng.choice([20, 30, 40, 50, 60, 70, 80, 12, 15])
    else:
        a, b = rdec(rng, 0.01, 10, rng.choice([2, 3])), rng.choice([13, 24, 25, 30, 40, 60, 300, 400])
    q.p("%s <b>%s &times; %d</b>." % (rng.choice(CALC), dec(a), b))
    q.N(a * b)


def d_div(rng, L, q):
    if L == 0:
        d = rng.randint(2, 5)
        ans = rdec(rng, 0.2, 9, 1)
    elif L == 1:
        d = rng.randint(3, 9)
        ans = rdec(rng, 0.2, 12, rng.choice([1, 2]))
    elif L == 2:
        d = rng.randint(4, 9)
        ans = rdec(rng, 1, 30, 2)
    elif L == 3:
        d = rng.choice([6, 7, 8, 9, 11, 12, 20, 30, 40])
        ans = rdec(rng, 0.05, 9, 2)
    else:
        d = rng.choice([8, 12, 15, 25, 40, 50, 60, 300])
        ans = rdec(rng, 0.01, 5, rng.choice([2, 3]))
    x = ans * d
    q.p("%s <b>%s &divide; %d</b>." % (rng.choice(CALC), dec(x), d))
    q.N(ans)


# (big unit, small unit, factor, big unit name, small unit name)
UNITS = [("kg", "g", 1000, "kilograms", "grams"),
         ("m", "cm", 100, "metres", "centimetres"),
         ("km", "m", 1000, "kilometres", "metres"),
         ("l", "ml", 1000, "litres", "millilitres"),
         ("cm", "mm", 10, "centimetres", "millimetres")]


def d_measure(rng, L, q):
    big, small, f, bn, sn = fresh(rng, "unit", UNITS)
    if big == "l":
        big = "litres"
    v = rng.choice(["down", "up"] if L < 2 else ["down", "up", "compound"])
    if v == "down":
        x = rdec(rng, 0.1, 9, min(places(Fr(1, f)), rng.choice([1, 2, 3] if L else [1, 2])))
        q.instr = "Convert the measurement."
        q.p("Write <b>%s %s</b> in %s." % (dec(x), big, sn))
        q.N(x * f)
    elif v == "up":
        n = rng.randint(1, 9 * f)
        if L == 0:
            n = rng.randint(1, 9) * f // 10 if f >= 100 else rng.randint(11, 99)
        x = Fr(n)
        q.instr = "Convert the measurement."
        q.p("Write <b>%d %s</b> in %s." % (n, small, bn))
        q.N(x / f)
    else:
        a = rng.randint(1, 12)
        b = rng.randint(1, f - 1)
        if f >= 100 and rng.random() < 0.5:
            b = rng.randint(1, 9) if f == 100 else rng.randint(5, 95)
        q.instr = "Convert the measurement."
        q.p("Write <b>%d %s %d %s</b> in %s." % (a, big, b, small, bn))
        q.N(a + Fr(b, f))


NAMES = ["Ava", "Ben", "Chloe", "Dev", "Ella", "Finn", "Grace", "Hari", "Isla", "Jack", "Kiran", "Lily",
         "Max", "Nia", "Omar", "Priya", "Ravi", "Sofia", "Tom", "Zara"]
HE = {"Ben", "Dev", "Finn", "Hari", "Jack", "Kiran", "Max", "Omar", "Ravi", "Tom"}


def pron(name):
    return "he" if name in HE else "she"


SHOP = [("pen", "pens", (0.6, 2)), ("notebook", "notebooks", (1, 3.5)), ("ruler", "rulers", (0.5, 1.5)),
        ("sandwich", "sandwiches", (2, 4)), ("bottle of juice", "bottles of juice", (0.7, 1.8)),
        ("apple", "apples", (0.3, 0.7)), ("comic", "comics", (2, 5)), ("pack of stickers", "packs of stickers", (1, 3)),
        ("muffin", "muffins", (1, 2.5)), ("birthday card", "birthday cards", (1.5, 3.5))]


def d_money(rng, L, q):
    name = fresh(rng, "name", NAMES)
    (s1, p1, r1) = fresh(rng, "shop", SHOP)
    (s2, p2, r2) = fresh(rng, "shop", SHOP)
    a = rdec(rng, r1[0], r1[1], 2, tidy=False)
    b = rdec(rng, r2[0], r2[1], 2, tidy=False)
    if L <= 1:
        a, b = a - a % Fr(5, 100), b - b % Fr(5, 100)
    if L == 0:
        total = a + b
        pay = 5 if total < 5 else 10
        q.instr = "Work out the change."
        q.p("%s buys a %s for %s and a %s for %s. %s pays with a %s note." %
            (name, s1, money(a), s2, money(b), pron(name).capitalize(), money(pay).replace(".00", "")))
        q.p("How much change does %s get? Give your answer in pounds." % name)
        q.N(pay - total, 2)
        return
    n1 = rng.randint(2, 4 + L)
    n2 = rng.randint(1, 3)
    total = n1 * a + n2 * b
    pay = 10 if total < 10 else (20 if total < 20 else 50)
    q.instr = "Show your working on paper."
    q.p("A shop sells %s at %s each and %s at %s each." % (p1, money(a), p2, money(b)))
    q.p("%s buys %d %s and %d %s. %s pays with a %s note." %
        (name, n1, p1, n2, p2 if n2 > 1 else s2, pron(name).capitalize(), money(pay).replace(".00", "")))
    if L >= 3:
        q.part("How much does %s spend? Give your answer in pounds." % name)
        q.part("How much change does %s get? Give your answer in pounds." % name)
        q.N(total, 2)
        q.N(pay - total)
    else:
        q.p("How much change does %s get? Give your answer in pounds." % name)
        q.N(pay - total, 2)


def d_word_mul(rng, L, q):
    v = fresh(rng, "wmul", range(5))
    n = rng.randint(3, 9) if L < 3 else rng.randint(11, 25)
    if v == 0:
        x = rdec(rng, 0.25, 2.5, 2)
        q.p("A bottle holds %s litres of water. How many litres of water are there in %d such bottles?" % (dec(x), n))
        q.p("Give your answer in litres.")
    elif v == 1:
        x = rdec(rng, 0.2, 1.6, rng.choice([1, 2])) if n < 10 else rdec(rng, 0.2, 0.6, 2)
        q.p("One lap of a cycling track is %s km. Nadia cycles %d laps. How far does she cycle altogether?" % (dec(x), n))
        q.p("Give your answer in km.")
    elif v == 2:
        x = rdec(rng, 0.8, 4.5, 2, tidy=False)
        q.p("A bus ticket costs %s. How much do %d tickets cost?" % (money(x), n))
        q.p("Give your answer in pounds.")
    elif v == 3:
        x = rdec(rng, 0.15, 3, 2)
        q.p("A tin of beans has a mass of %s kg. What is the mass of %d tins?" % (dec(x), n))
        q.p("Give your answer in kg.")
    else:
        x = rdec(rng, 1.2, 9, 1)
        q.p("A plank of wood is %s m long. %d planks are laid end to end. How long is the row of planks?" % (dec(x), n))
        q.p("Give your answer in metres.")
    q.instr = "Solve the problem."
    q.N(x * n, 1 if L < 3 else 2)


def d_word_div(rng, L, q):
    v = fresh(rng, "wdiv", range(4))
    n = rng.randint(3, 9) if L < 3 else rng.choice([6, 8, 12, 15, 20, 25])
    q.instr = "Solve the problem."
    if v == 0:
        each = rdec(rng, 0.15, 2, 2)
        tot = each * n
        q.p("A ribbon %s m long is cut into %d equal pieces. How long is each piece?" % (dec(tot), n))
        if L >= 2:
            q.p("Give your answer in centimetres.")
            q.N(each * 100, 2)
        else:
            q.p("Give your answer in metres.")
            q.N(each)
    elif v == 1:
        each = rdec(rng, 1.5, 12, 2, tidy=False)
        tot = each * n
        n = min(n, 12)
        tot = each * n
        q.p("%d friends share the cost of a meal equally. The meal costs %s. How much does each friend pay?"
            % (n, money(tot)))
        q.p("Give your answer in pounds.")
        q.N(each)
    elif v == 2:
        each = rdec(rng, 0.1, 0.9, 2 if L < 3 else 3)
        tot = each * n
        q.p("%s kg of rice is shared equally between %d bags. What is the mass of rice in each bag?" % (dec(tot), n))
        if L >= 2:
            q.p("Give your answer in grams.")
            q.N(each * 1000, 2)
        else:
            q.p("Give your answer in kg.")
            q.N(each)
    else:
        each = rdec(rng, 0.15, 0.6, 2)
        tot = each * n
        q.p("A drinks dispenser holds %s litres of lemonade. It fills %d glasses exactly, each with the same amount. "
            "How much lemonade is in each glass?" % (dec(tot), n))
        if L >= 2:
            q.p("Give your answer in millilitres.")
            q.N(each * 1000, 2)
        else:
            q.p("Give your answer in litres.")
            q.N(each)


def d_word_multi(rng, L, q):
    v = fresh(rng, "wmulti", range(4))
    q.instr = "Show your working on paper."
    name = fresh(rng, "name", NAMES)
    if v == 0:
        have = rng.choice([1, 1.5, 2, 2.5, 3])
        have = Fr(str(have))
        n = rng.randint(2, 5)
        g = rdec(rng, 0.15, 0.35, 2)
        while n * g >= have:
            n -= 1
        left = have - n * g
        q.p("%s has a jug with %s litre%s of juice. %s pours %d glasses of %s litres each." %
            (name, dec(have), "" if have == 1 else "s", pron(name).capitalize(), n, dec(g)))
        q.p("How much juice is left in the jug? Give your answer in millilitres.")
        q.N(left * 1000, 2)
    elif v == 1:
        a = rdec(rng, 2.5, 4.5, 2)
        b = a - rdec(rng, 0.05, 0.9, 2)
        other = rng.choice([n for n in NAMES if n != name])
        q.p("In the long jump, %s jumped %s m and %s jumped %s m." % (name, dec(a), other, dec(b)))
        q.p("How much further did %s jump than %s? Give your answer in centimetres." % (name, other))
        q.N((a - b) * 100, 2)
    elif v == 2:
        per = rdec(rng, 0.15, 0.45, 2)
        people = rng.choice([4, 6, 8])
        mult = rng.choice([2, 3])
        q.p("A recipe for %d people uses %s kg of flour." % (people, dec(per)))
        q.p("How many grams of flour are needed for %d people?" % (people * mult))
        q.N(per * mult * 1000, 2)
    else:
        whole = rdec(rng, 3, 8, 1)
        n = rng.randint(2, 4)
        piece = rdec(rng, 0.35, 1.2, 2)
        while n * piece >= whole:
            n -= 1
        q.p("A rope is %s m long. %s cuts off %d pieces, each %s m long." % (dec(whole), name, n, dec(piece)))
        q.p("How long is the rope that is left? Give your answer in metres.")
        q.N(whole - n * piece, 2)


def d_race(rng, L, q):
    names = rng.sample(NAMES, 4)
    base = rdec(rng, 12, 16, 1)
    times = set()
    while len(times) < 4:
        times.add(base + Fr(rng.randint(-60, 60), 100))
    times = list(times)
    rng.shuffle(times)
    q.instr = "Use the table."
    q.p("The table shows the times, in seconds, of four children in a 100 m race.")
    q.body.append('<table class="data"><tr><th>Name</th><th>Time (seconds)</th></tr>' +
                  "".join("<tr><td>%s</td><td>%s</td></tr>" % (n, dec(t, 2)) for n, t in zip(names, times)) +
                  "</table>")
    q.part("What was the fastest time? Give your answer in seconds.")
    q.part("How much faster was the fastest child than the slowest child? Give your answer in seconds.")
    q.N(min(times))
    q.N(max(times) - min(times))


def d_numberline(rng, L, q):
    f = Fig(300, 100)
    if L == 0:
        a = Fr(rng.randint(0, 8))
        step = Fr(1, 10)
    elif L == 1:
        a = Fr(rng.randint(10, 80), 10)
        step = Fr(1, 100)
    elif L == 2:
        a = Fr(rng.randint(1, 9))
        step = Fr(1, 10)
    elif L == 3:
        a = Fr(rng.randint(10, 90), 10)
        step = Fr(1, 100)
    else:
        a = Fr(rng.randint(10, 40), 10)
        step = Fr(2, 100)
    n = 10
    W = 280.0
    f.line((0, 0), (W, 0), 2)
    for i in range(n + 1):
        x = W * i / n
        big = i in (0, n) or (i == 5 and L >= 2)
        f.line((x, -7 if big else -4), (x, 7 if big else 4), 2 if big else 1.4)
        if i in (0, n):
            f.text((x, -22), dec(a + i * step), 14)
    ks = rng.sample([i for i in range(1, n) if i != 5], 2 if L >= 2 else 1)
    names = ["A", "B"]
    for j, k in enumerate(ks):
        x = W * k / n
        f.arrow((x, 42), (x, 8))
        if L >= 2:
            f.text((x, 54), names[j], 14, bold=True)
    vals = [a + k * step for k in ks]
    q.instr = "Read the number line."
    if L >= 2:
        q.fig(f, "A number line from %s to %s divided into 10 equal steps, with arrows A and B pointing to two of the marks."
              % (dec(a), dec(a + n * step)))
        q.part("What number is arrow A pointing to?")
        q.part("What number is arrow B pointing to?")
        q.N(vals[0])
        q.N(vals[1])
    else:
        q.fig(f, "A number line from %s to %s divided into 10 equal steps, with an arrow pointing to one of the marks."
              % (dec(a), dec(a + n * step)))
        q.p("What number is the arrow pointing to?")
        q.N(vals[0])


def d_calc_mc(rng, L, q):
    p = rng.choice([10, 100, 1000])
    x = rdec(rng, 0.1, 60, rng.choice([1, 2]))
    if rng.random() < 0.5:
        val = x * p
        expr = "%s &times; %d" % (dec(x), p)
    else:
        val = x / p
        expr = "%s &divide; %d" % (dec(x), p)
    opts = {val}
    for m in (10, 100, Fr(1, 10), Fr(1, 100), 1000, Fr(1, 1000)):
        if len(opts) == 4:
            break
        opts.add(val * m)
    opts = sorted(opts)
    rng.shuffle(opts)
    q.instr = "Choose the correct answer."
    q.p("What is the value of <b>%s</b>?" % expr)
    q.options([dec(o) for o in opts])
    q.key("Q", str(opts.index(val) + 1))


def d_frac_compare(rng, L, q):
    n, d = fresh(rng, "frac", [(3, 8), (5, 8), (7, 8), (7, 40), (9, 20), (13, 25), (11, 40), (3, 40)])
    v = Fr(n, d)
    k = places(v)
    # a decimal close to the fraction
    other = v + Fr(rng.choice([-1, 1]) * rng.randint(1, 9), 10 ** (k))
    if places(other) < 2:
        other += Fr(1, 100)
    bigger = max(v, other)
    q.instr = "Answer both parts."
    q.p("Look at %s and %s." % (fh(n, d), dec(other)))
    q.part("Write %s as a decimal." % fh(n, d))
    q.part("Find the difference between the two numbers. Give your answer as a decimal.")
    q.N(v)
    q.N(abs(other - v))


T4_PLANS = {
    0: [d_value, d_value, d_place_mc, d_compose, d_compose, d_count_parts, d_numberline, d_compare, d_compare,
        d_order, d_round, d_round, d_round_ctx, d_frac2dec, d_frac2dec, d_dec2frac, d_equiv_mc,
        d_add, d_add, d_sub, d_sub, d_pow10, d_pow10, d_missing, d_mul, d_mul, d_div,
        d_measure, d_measure, d_money, d_word_mul, d_word_div],
    1: [d_value, d_place_mc, d_compose, d_compose, d_count_parts, d_numberline, d_compare,
        d_order, d_round, d_round_ctx, d_frac2dec, d_frac2dec, d_dec2frac, d_dec2frac, d_equiv_mc,
        d_add, d_add, d_sub, d_sub, d_pow10, d_calc_mc, d_missing, d_mul, d_mul, d_div, d_div,
        d_measure, d_measure, d_money, d_word_mul, d_word_div, d_race],
    2: [d_value, d_place_mc, d_compose, d_count_parts, d_numberline, d_compare, d_order,
        d_round, d_round_ctx, d_frac2dec, d_frac2dec, d_dec2frac, d_dec2frac, d_equiv_mc,
        d_add, d_sub, d_sub, d_pow10, d_calc_mc, d_missing, d_mul, d_mul, d_div, d_div,
        d_measure, d_measure, d_money, d_word_mul, d_word_div, d_word_multi, d_race, d_word_multi],
    3: [d_value, d_compose, d_count_parts, d_numberline, d_compare, d_order,
        d_round, d_round_ctx, d_frac2dec, d_frac2dec, d_dec2frac, d_dec2frac, d_equiv_mc,
        d_add, d_sub, d_pow10, d_calc_mc, d_missing, d_mul, d_mul, d_div, d_div,
        d_measure, d_measure, d_money, d_word_mul, d_word_div, d_word_div, d_word_multi, d_word_multi,
        d_race, d_frac_compare],
    4: [d_value, d_compose, d_numberline, d_compare, d_order,
        d_round, d_round_ctx, d_frac2dec, d_frac2dec, d_dec2frac, d_dec2frac,
        d_add, d_sub, d_pow10, d_missing, d_mul, d_mul, d_div, d_div,
        d_measure, d_measure, d_money, d_money, d_word_mul, d_word_div, d_word_div, d_word_multi, d_word_multi,
        d_word_multi, d_race, d_frac_compare, d_frac_compare],
}


# ---------------------------------------------------------------------------
# Papers
# ---------------------------------------------------------------------------

T3_PLANS = {
    0: [t_type, t_type, t_estimate, t_turn, t_turn, t_compass, t_compass, t_clock, t_clock_word,
        t_line, t_line, t_point, t_point, t_reflex, t_vopp, t_vopp, t_vopp,
        t_tri, t_tri, t_tri, t_right_tri, t_iso, t_iso, t_equi, t_ext,
        t_quad, t_quad, t_rect, t_para, t_trap, t_word, t_word],
    1: [t_type, t_estimate, t_turn, t_turn, t_compass, t_compass, t_clock, t_clock_word,
        t_line, t_line, t_line, t_point, t_point, t_reflex, t_vopp, t_vopp,
        t_tri, t_tri, t_tri, t_right_tri, t_iso, t_iso, t_equi, t_ext,
        t_quad, t_quad, t_rect, t_para, t_trap, t_rhombus, t_word, t_word],
    2: [t_type, t_estimate, t_turn, t_turn, t_compass, t_compass, t_clock, t_clock_word,
        t_line, t_line, t_point, t_point, t_reflex, t_vopp, t_vopp,
        t_tri, t_tri, t_right_tri, t_iso, t_iso, t_ext, t_ext,
        t_quad, t_quad, t_rect, t_para, t_trap, t_iso_ext, t_para_ext, t_two_ext, t_word, t_word],
    3: [t_type, t_turn, t_compass, t_compass, t_clock, t_clock, t_clock_word,
        t_line, t_line, t_point, t_point, t_vopp, t_vopp,
        t_tri, t_iso, t_iso, t_ext, t_ext, t_quad, t_rect, t_para, t_trap, t_rhombus,
        t_iso_ext, t_para_ext, t_bowtie, t_two_ext, t_quad_ext, t_square_iso, t_word, t_word, t_word],
    4: [t_type, t_turn, t_compass, t_clock, t_clock, t_clock_word,
        t_line, t_line, t_point, t_point, t_vopp,
        t_tri, t_iso, t_iso, t_ext, t_quad, t_rect, t_trap, t_rhombus,
        t_iso_ext, t_para_ext, t_bowtie, t_two_ext, t_quad_ext, t_square_iso, t_square_iso,
        t_iso_inside, t_iso_inside, t_word, t_word, t_word, t_word],
}

TOPICS = []  # filled below: (topic number, name, first paper, first id, plans, seed)


FRAC_RE = re.compile(r"^([1-9][0-9]*)/([1-9][0-9]*)$")


def check_key(typ, key):
    assert "\t" not in key and "\n" not in key and "#" not in key and ">" not in key, key
    if typ == "N":
        assert re.fullmatch(r"-?[0-9]+(\.[0-9]+)?", key), key
        assert "," not in key
    elif typ == "Q":
        assert key in ("1", "2", "3", "4"), key
    elif typ == "F":
        m = FRAC_RE.match(key)
        assert m, key
        n, d = int(m.group(1)), int(m.group(2))
        assert math.gcd(n, d) == 1 and d > 1, key
    elif typ == "X":
        m = re.fullmatch(r"([1-9][0-9]*) ([1-9][0-9]*)/([1-9][0-9]*)", key)
        assert m, key
        n, d = int(m.group(2)), int(m.group(3))
        assert n < d and math.gcd(n, d) == 1, key
    elif typ == "R":
        parts = key.split(":")
        assert len(parts) >= 2 and all(p.isdigit() for p in parts), key
        g = 0
        for p in parts:
            g = math.gcd(g, int(p))
        assert g == 1, key
    elif typ in ("M", "G"):
        assert key.startswith(";") and len(key) > 1, key
    else:
        raise AssertionError("type " + typ)


def check_html(line):
    assert "\t" not in line
    # well-formed enough: tags balanced for p, b, i, ol, li, div, span, sup, sub, table rows
    for tag in ("p", "b", "i", "ol", "li", "div", "span", "sup", "sub", "table", "tr", "td", "th"):
        opens = len(re.findall(r"<%s[ >]" % tag, line))
        closes = len(re.findall(r"</%s>" % tag, line))
        assert opens == closes, (tag, line)
    # no bare ampersands
    for m in re.finditer(r"&", line):
        assert re.match(r"&(#[0-9]+|[a-zA-Z]+);", line[m.start():]), line
    assert "<script" not in line and "style=" not in line and "http" not in line
    for cls in re.findall(r'class="([^"]*)"', line):
        assert cls in ("part", "options", "data", "passage", "figure", "blank", "frac"), cls
    text = re.sub(r"<[^>]*>", "", line)
    assert "<" not in text and ">" not in text, line


def build_topic(name, papers, first_id, plans, seed, fig_prefix):
    seen = set()
    qid = first_id
    out = {}
    figs = {}
    assert len(papers) == len(plans) == 5
    for k, paper in enumerate(papers):
        assert 30 <= len(plans[k]) <= 34
        rng = random.Random(seed * 1000 + paper)
        rng.used = {}
        qs = []
        for gen in plans[k]:
            for attempt in range(40):
                q = Q()
                q.qid = qid
                gen(rng, k, q)
                sig = re.sub(r'src="[^"]*"', "", "\n".join(q.body)) + repr(q.ans)
                if sig not in seen:
                    break
            else:
                raise RuntimeError("could not make a fresh question for %d" % qid)
            seen.add(sig)
            if name == "Decimals":
                for typ, m, key in q.ans:
                    if typ == "N":
                        assert places(Fr(key)) <= 3, (q.qid, key)
            qs.append(q)
            qid += 1
        out[paper] = qs
        for q in qs:
            figs.update(q.figs)
    return out, figs, qid


def paper_text(title, k, qs):
    lines = ["# %s, paper %d" % (title, k + 1),
             "# Written by tools/gen_math_t3_t4.py; edit the script, not this file."]
    nslots = 0
    marks = 0
    prev = None
    for q in qs:
        assert prev is None or q.qid > prev
        prev = q.qid
        assert 1 <= len(q.ans) <= 20
        nparts = len([b for b in q.body if b.startswith('<p class="part">')])
        if len(q.ans) > 1:
            assert nparts == len(q.ans), (q.qid, nparts, len(q.ans))
        else:
            assert nparts == 0, q.qid
        lines.append("")
        lines.append("== %05d" % q.qid)
        if q.instr:
            assert "\n" not in q.instr
            check_html(q.instr)
            lines.append("instruction: " + q.instr)
        for b in q.body:
            assert "\n" not in b
            assert not b.startswith(("answer:", "instruction:", "==", "#"))
            check_html(b)
            for src in re.findall(r'src="([^"]*)"', b):
                assert src.startswith("figures/") and src[8:] in q.figs, src
            lines.append(b)
        for typ, m, key in q.ans:
            assert m in (1, 2)
            check_key(typ, key)
            lines.append("answer: %s %d %s" % (typ, m, key))
            nslots += 1
            marks += m
    assert nslots <= 80
    assert 20 <= marks <= 100, marks
    return "\n".join(lines) + "\n", len(qs), nslots, marks


def main():
    os.makedirs(FIGS, exist_ok=True)
    topics = [("Angles", [111, 112, 113, 114, 115], 23001, T3_PLANS, 3, "q23")]
    if "T4_PLANS" in globals():
        topics.append(("Decimals", [116, 117, 118, 119, 120], 24001, T4_PLANS, 4, "q24"))
    for title, papers, first_id, plans, seed, prefix in topics:
        out, figs, last = build_topic(title, papers, first_id, plans, seed, prefix)
        for name in os.listdir(FIGS):
            if name.startswith(prefix) and name.endswith(".svg") and name not in figs:
                os.remove(os.path.join(FIGS, name))
        for name, svg in figs.items():
            assert name.startswith(prefix)
            with open(os.path.join(FIGS, name), "w", encoding="utf-8", newline="\n") as fh:
                fh.write(svg)
        for k, paper in enumerate(papers):
            text, nq, ns, mk = paper_text(title, k, out[paper])
            with open(os.path.join(MATHS, "%d.txt" % paper), "w", encoding="utf-8", newline="\n") as fh:
                fh.write(text)
            print("%d %-9s questions %2d  slots %2d  marks %2d  ids %05d-%05d" %
                  (paper, title, nq, ns, mk, out[paper][0].qid, out[paper][-1].qid))
        assert last - first_id < 1000
        print("%s: %d figures" % (title, len(figs)))


if __name__ == "__main__":
    main()
