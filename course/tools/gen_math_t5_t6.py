#!/usr/bin/env python3
"""Writes the Mathematics papers for two topics:

  topic 5  Percentage, Rate and Average   papers 121..125, ids 25001..
  topic 6  Area and Volume                papers 126..130, ids 26001..

and the diagrams of topic 6 (course/mathematics/figures/q26xxx.svg).

Standard library only. The random seed is fixed, so running the script again
writes the same files. Every key is computed from the numbers printed on the
page, with exact arithmetic (fractions.Fraction), never typed by hand.

Usage:  python3 course/tools/gen_math_t5_t6.py
"""

import math
import os
import random
import re
import xml.etree.ElementTree as ET
from fractions import Fraction as Fr

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
MATHS = os.path.join(COURSE, 'mathematics')
FIGS = os.path.join(MATHS, 'figures')


# ---------------------------------------------------------------------------
# Numbers and text
# ---------------------------------------------------------------------------

def fmt(x):
    """Exact decimal text of a terminating decimal (int or Fraction)."""
    x = Fr(x)
    if x.denominator == 1:
        return str(x.numerator)
    d = x.denominator
    while d % 2 == 0:
        d //= 2
    while d % 5 == 0:
        d //= 5
    assert d == 1, 'not a terminating decimal: %s' % x
    k = 0
    while (x * 10 ** k).denominator != 1:
        k += 1
    n = abs(x.numerator * 10 ** k // x.denominator)
    s = str(n).rjust(k + 1, '0')
    return ('-' if x < 0 else '') + s[:-k] + '.' + s[-k:]


def dp(x):
    """Number of decimal places of a terminating decimal."""
    x = Fr(x)
    k = 0
    while (x * 10 ** k).denominator != 1:
        k += 1
        assert k < 12
    return k


def num(x):
    """A number for the page: thousands separated by commas from 10 000 up."""
    s = fmt(x)
    whole, _, frac = s.partition('.')
    if len(whole) > 4:
        groups = []
        while len(whole) > 3:
            groups.insert(0, whole[-3:])
            whole = whole[:-3]
        groups.insert(0, whole)
        whole = ','.join(groups)
    return whole + ('.' + frac if frac else '')


POUND = '&pound;'


def money(x):
    """Pounds: &pound;12, &pound;12.50 (never more than two decimal places)."""
    x = Fr(x)
    assert (x * 100).denominator == 1, x
    if x.denominator == 1:
        return POUND + num(x)
    c = int(x * 100)
    return POUND + num(c // 100) + '.%02d' % (c % 100)


def pc(x):
    return fmt(x) + '%'


def pkey(x):
    """M key for an answer that is a percentage: the number, with or without the % sign."""
    t = fmt(x)
    return ';%s;%s%%;%s %%' % (t, t, t)


def frac(n, d):
    return '<span class="frac"><sup>%d</sup>&frasl;<sub>%d</sub></span>' % (n, d)


def frac_html(x):
    """A fraction as written on the page (mixed number when greater than 1)."""
    x = Fr(x)
    if x.denominator == 1:
        return str(x.numerator)
    w, r = divmod(x.numerator, x.denominator)
    if w:
        return '%d %s' % (w, frac(r, x.denominator))
    return frac(r, x.denominator)


def fkey(x):
    """F key of a proper fraction in lowest terms."""
    x = Fr(x)
    assert 0 < x < 1
    return '%d/%d' % (x.numerator, x.denominator)


def mixed_key(x):
    """M key for a fraction greater than 1: the mixed number and the improper form."""
    x = Fr(x)
    assert x > 1 and x.denominator > 1
    w, r = divmod(x.numerator, x.denominator)
    return ';%d %d/%d;%d/%d' % (w, r, x.denominator, x.numerator, x.denominator)


SQ = 'cm<sup>2</sup>'
CU = 'cm<sup>3</sup>'


def sq(unit):
    return unit + '<sup>2</sup>'


def cu(unit):
    return unit + '<sup>3</sup>'


PEOPLE = [('Aisha', 'she'), ('Ben', 'he'), ('Chen', 'he'), ('Deepa', 'she'), ('Ethan', 'he'),
          ('Farah', 'she'), ('Grace', 'she'), ('Hari', 'he'), ('Isla', 'she'), ('Jun', 'he'),
          ('Kofi', 'he'), ('Lena', 'she'), ('Mei', 'she'), ('Noah', 'he'), ('Omar', 'he'),
          ('Priya', 'she'), ('Ravi', 'he'), ('Sofia', 'she'), ('Tom', 'he'), ('Wei', 'he'),
          ('Yusuf', 'he'), ('Zara', 'she'), ('Mrs Lim', 'she'), ('Mr Patel', 'he'),
          ('Nadia', 'she'), ('Sam', 'he'), ('Ling', 'she'), ('Daniel', 'he')]


def person(rng):
    return rng.choice(PEOPLE)


def his(pron):
    return 'his' if pron == 'he' else 'her'


def cap(s):
    return s[0].upper() + s[1:]


def options(opts):
    return ['<ol class="options">'] + ['<li>%s</li>' % o for o in opts] + ['</ol>']


def mc(rng, correct, wrong):
    """Shuffles one correct option among three wrong ones; returns (html lines, key)."""
    assert len(wrong) == 3
    opts = [correct] + list(wrong)
    assert len(set(opts)) == 4, opts
    order = list(range(4))
    rng.shuffle(order)
    shown = [opts[i] for i in order]
    return options(shown), str(order.index(0) + 1)


class Question:
    def __init__(self, body, answers, instruction=None, figs=None, kind=None):
        self.body = body            # list of HTML lines
        self.answers = answers      # list of (type, marks, key)
        self.instruction = instruction
        self.figs = figs or {}      # file name -> SVG text
        self.kind = kind            # what sort of question: one of each sort per paper
        self.qid = None


def P(text):
    return '<p>%s</p>' % text


def part(letter, text):
    return '<p class="part">(%s) %s</p>' % (letter, text)


# ---------------------------------------------------------------------------
# SVG drawing
# ---------------------------------------------------------------------------

def xesc(s):
    return s.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;').replace('"', '&quot;')


FONT = 14
GREY = '#d4d4d4'
LIGHT = '#eeeeee'


def text_width(s, size=FONT):
    return 0.6 * size * len(s) + 2


class Svg:
    def __init__(self, w, h):
        self.w = int(math.ceil(w))
        self.h = int(math.ceil(h))
        self.el = []
        self.boxes = []   # label boxes, to check that no two overlap
        self.segments = []   # drawn lines, to check that no label sits on one

    def line(self, x1, y1, x2, y2, dash=False, width=2):
        self.segments.append((x1, y1, x2, y2))
        self.el.append('<line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" stroke="black" '
                       'stroke-width="%s"%s/>' % (x1, y1, x2, y2, width,
                                                  ' stroke-dasharray="6,4"' if dash else ''))

    def polygon(self, pts, fill='none', width=2, dash=False, stroke='black'):
        if stroke != 'none':
            self.segments += [(pts[i][0], pts[i][1], pts[(i + 1) % len(pts)][0], pts[(i + 1) % len(pts)][1])
                              for i in range(len(pts))]
        p = ' '.join('%.1f,%.1f' % (x, y) for x, y in pts)
        self.el.append('<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s"%s/>'
                       % (p, fill, stroke, width, ' stroke-dasharray="6,4"' if dash else ''))

    def polyline(self, pts, width=1.5):
        p = ' '.join('%.1f,%.1f' % (x, y) for x, y in pts)
        self.el.append('<polyline points="%s" fill="none" stroke="black" stroke-width="%s"/>'
                       % (p, width))

    def rect(self, x, y, w, h, fill='none', width=2, stroke='black'):
        self.el.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="%s" '
                       'stroke="%s" stroke-width="%s"/>' % (x, y, w, h, fill, stroke, width))

    def text(self, x, y, s, anchor='middle', size=FONT, italic=None, check=True):
        if italic is None:
            italic = len(s) == 1 and s.islower()     # a letter standing for an unknown length
        self.el.append('<text x="%.1f" y="%.1f" font-family="sans-serif" font-size="%d" '
                       'text-anchor="%s"%s fill="black">%s</text>'
                       % (x, y, size, anchor, ' font-style="italic"' if italic else '', xesc(s)))
        if check:
            w = text_width(s, size)
            x0 = {'start': x, 'middle': x - w / 2, 'end': x - w}[anchor]
            self.boxes.append((x0, y - 0.75 * size, x0 + w, y + 0.25 * size, s))

    def right_angle(self, x, y, dx, dy, size=10):
        """Small square at corner (x, y); dx, dy (each +1 or -1) point into the angle."""
        self.polyline([(x + dx * size, y), (x + dx * size, y + dy * size), (x, y + dy * size)],
                      width=1.2)

    def render(self):
        for i, a in enumerate(self.boxes):
            assert a[0] >= 0 and a[1] >= 0 and a[2] <= self.w and a[3] <= self.h, \
                ('label outside the picture', a, self.w, self.h)
            for b in self.boxes[i + 1:]:
                g = 5   # labels keep a little space between them
                overlap = a[0] - g < b[2] and b[0] < a[2] + g and a[1] - g < b[3] and b[1] < a[3] + g
                assert not overlap, ('labels overlap', a, b)
            for seg in self.segments:
                assert not seg_hits_box(seg, (a[0] + 1, a[1] + 1, a[2] - 1, a[3] - 1)), \
                    ('labels overlap a line', a, seg)
        head = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
                'viewBox="0 0 %d %d">' % (self.w, self.h, self.w, self.h))
        bg = '<rect x="0" y="0" width="%d" height="%d" fill="white"/>' % (self.w, self.h)
        return '\n'.join([head, bg] + self.el + ['</svg>']) + '\n'


def seg_hits_box(seg, box):
    """Whether the segment crosses the rectangle (Liang-Barsky clipping)."""
    x1, y1, x2, y2 = seg
    bx0, by0, bx1, by1 = box
    dx, dy = x2 - x1, y2 - y1
    t0, t1 = 0.0, 1.0
    for p, q in ((-dx, x1 - bx0), (dx, bx1 - x1), (-dy, y1 - by0), (dy, by1 - y1)):
        if p == 0:
            if q < 0:
                return False
            continue
        t = q / p
        if p < 0:
            t0 = max(t0, t)
        else:
            t1 = min(t1, t)
        if t0 > t1:
            return False
    return True


def length_label(v, unit):
    return '%s %s' % (fmt(v), unit)


def poly_figure(pts, labels, unit, fill=LIGHT, maxw=220, maxh=180, holes=()):
    """A rectilinear (or any) polygon drawn to scale.

    pts: vertices in drawing units, anticlockwise with y upwards.
    labels: {edge index: text or None}; None writes the edge's own length.
    holes: polygons drawn white on top (their labels are not written here).
    Returns the SVG text.
    """
    xs = [Fr(p[0]) for p in pts]
    ys = [Fr(p[1]) for p in pts]
    area2 = sum(xs[i] * ys[(i + 1) % len(pts)] - xs[(i + 1) % len(pts)] * ys[i]
                for i in range(len(pts)))
    assert area2 > 0, 'vertices must run anticlockwise'
    W = float(max(xs) - min(xs))
    H = float(max(ys) - min(ys))
    s = min(maxw / W, maxh / H)
    ml, mr, mt, mb = 70, 70, 28, 34
    svg = Svg(ml + W * s + mr, mt + H * s + mb)
    minx, maxy = float(min(xs)), float(max(ys))

    def px(p):
        return (ml + (float(p[0]) - minx) * s, mt + (maxy - float(p[1])) * s)

    svg.px = px      # drawing units -> pixels, for anything drawn on top later
    svg.polygon([px(p) for p in pts], fill=fill)
    for h in holes:
        svg.polygon([px(p) for p in h], fill='white')
    n = len(pts)
    for i, txt in labels.items():
        a, b = pts[i], pts[(i + 1) % n]
        dx, dy = Fr(b[0]) - Fr(a[0]), Fr(b[1]) - Fr(a[1])
        length = Fr(abs(dx) + abs(dy)) if (dx == 0 or dy == 0) else None
        if txt is None:
            assert length is not None
            txt = length_label(length, unit)
        edge_label(svg, px(a), px(b), txt)
    return svg


def edge_label(svg, pa, pb, txt, off=8):
    """Writes txt beside the edge pa->pb of an anticlockwise (y-up) polygon, outside it."""
    (x1, y1), (x2, y2) = pa, pb
    mx, my = (x1 + x2) / 2, (y1 + y2) / 2
    # outward normal: for anticlockwise in y-up coordinates it is (dy, -dx);
    # in pixel coordinates (y down) the same edge gives (-dyp, dxp).
    dxp, dyp = x2 - x1, y2 - y1
    L = math.hypot(dxp, dyp)
    nx, ny = -dyp / L, dxp / L
    if abs(ny) > 0.9:                       # horizontal edge
        svg.text(mx, my + (off + 11 if ny > 0 else -off), txt)
    elif abs(nx) > 0.9:                     # vertical edge
        svg.text(mx + (off if nx > 0 else -off), my + 5, txt, anchor='start' if nx > 0 else 'end')
    else:
        lx, ly = mx + nx * (off + 6), my + ny * (off + 6) + 5
        svg.text(lx, ly, txt, anchor='start' if nx > 0 else 'end')


def rect_points(w, h, x=0, y=0):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]


def shoelace(pts):
    n = len(pts)
    return abs(sum(Fr(pts[i][0]) * Fr(pts[(i + 1) % n][1]) - Fr(pts[(i + 1) % n][0]) * Fr(pts[i][1])
                   for i in range(n))) / 2


def perimeter(pts):
    n = len(pts)
    tot = Fr(0)
    for i in range(n):
        a, b = pts[i], pts[(i + 1) % n]
        dx, dy = Fr(b[0]) - Fr(a[0]), Fr(b[1]) - Fr(a[1])
        assert dx == 0 or dy == 0
        tot += abs(dx) + abs(dy)
    return tot


def cuboid_svg(L, W, H, labels, water=None, grid=False, unit='cm', maxw=200, maxh=165):
    """Cuboid in cabinet (oblique) projection: length L across, height H up, W going back.

    labels: dict with keys 'L', 'W', 'H' (text or None for no label).
    water: depth of water (drawn shaded, with its depth labelled on the right).
    grid: draw the unit cubes on the three visible faces.
    """
    Lf, Wf, Hf = float(L), float(W), float(H)
    c = 0.5 * math.cos(math.pi / 4)
    s = min(maxw / (Lf + Wf * c), maxh / (Hf + Wf * c))
    ml, mr, mt, mb = 72, 86, 16, 34
    dxp, dyp = Wf * c * s, Wf * c * s
    svg = Svg(ml + Lf * s + dxp + mr, mt + Hf * s + dyp + mb)
    ox, oy = ml, mt + Hf * s + dyp
    FBL, FBR = (ox, oy), (ox + Lf * s, oy)
    FTR, FTL = (ox + Lf * s, oy - Hf * s), (ox, oy - Hf * s)

    def back(p):
        return (p[0] + dxp, p[1] - dyp)

    BBL, BBR, BTR, BTL = back(FBL), back(FBR), back(FTR), back(FTL)
    if water is not None:
        hw = float(water) * s
        svg.polygon([FBL, FBR, (FBR[0], FBR[1] - hw), (FBL[0], FBL[1] - hw)], fill=GREY, width=0,
                    stroke='none')
        svg.polygon([FBR, BBR, (BBR[0], BBR[1] - hw), (FBR[0], FBR[1] - hw)], fill=GREY, width=0,
                     stroke='none')
        svg.line(FBL[0], FBL[1] - hw, FBR[0], FBR[1] - hw, width=1.5)
        svg.line(FBR[0], FBR[1] - hw, BBR[0], BBR[1] - hw, width=1.5)
        svg.line(BBL[0], BBL[1] - hw, BBR[0], BBR[1] - hw, dash=True, width=1.2)
        svg.line(FBL[0], FBL[1] - hw, BBL[0], BBL[1] - hw, dash=True, width=1.2)
        # depth of the water, measured up the back right edge
        x = BBR[0] + 12
        svg.line(x, BBR[1], x, BBR[1] - hw, width=1)
        svg.line(x - 4, BBR[1], x + 4, BBR[1], width=1)
        svg.line(x - 4, BBR[1] - hw, x + 4, BBR[1] - hw, width=1)
        svg.text(x + 7, BBR[1] - hw / 2 + 5, labels['water'], anchor='start')
    if grid:
        for i in range(1, int(L)):
            x = ox + i * s
            svg.line(x, oy, x, oy - Hf * s, width=1)
            svg.line(x, oy - Hf * s, x + dxp, oy - Hf * s - dyp, width=1)
        for j in range(1, int(H)):
            y = oy - j * s
            svg.line(ox, y, ox + Lf * s, y, width=1)
            svg.line(ox + Lf * s, y, ox + Lf * s + dxp, y - dyp, width=1)
        for k in range(1, int(W)):
            t = k / Wf
            svg.line(FTL[0] + t * dxp, FTL[1] - t * dyp, FTR[0] + t * dxp, FTR[1] - t * dyp, width=1)
            svg.line(FBR[0] + t * dxp, FBR[1] - t * dyp, FTR[0] + t * dxp, FTR[1] - t * dyp, width=1)
    # hidden edges
    if not grid:
        svg.line(*BBL, *BBR, dash=True, width=1.2)
        svg.line(*BBL, *BTL, dash=True, width=1.2)
        svg.line(*FBL, *BBL, dash=True, width=1.2)
    svg.polygon([FBL, FBR, FTR, FTL], width=2)
    svg.polygon([FTL, FTR, BTR, BTL], width=2)
    svg.polygon([FBR, BBR, BTR, FTR], width=2)
    if labels.get('L'):
        svg.text(ox + Lf * s / 2, oy + 20, labels['L'])
    if labels.get('H'):
        svg.text(ox - 8, oy - Hf * s / 2 + 5, labels['H'], anchor='end')
    if labels.get('W'):
        mx, my = (FBR[0] + BBR[0]) / 2, (FBR[1] + BBR[1]) / 2
        svg.text(mx + 10, my + 14, labels['W'], anchor='start')
    return svg.render()


# ---------------------------------------------------------------------------
# Cube nets
# ---------------------------------------------------------------------------

def _transforms(cells):
    out = []
    for t in range(8):
        cs = []
        for x, y in cells:
            if t & 4:
                x, y = y, x
            if t & 1:
                x = -x
            if t & 2:
                y = -y
            cs.append((x, y))
        mx, my = min(c[0] for c in cs), min(c[1] for c in cs)
        out.append(tuple(sorted((x - mx, y - my) for x, y in cs)))
    return out


def _canon(cells):
    return min(_transforms(cells))


def hexominoes():
    shapes = {_canon([(0, 0)])}
    for _ in range(5):
        grown = set()
        for sh in shapes:
            st = set(sh)
            for x, y in sh:
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    c = (x + dx, y + dy)
                    if c not in st:
                        grown.add(_canon(list(st | {c})))
        shapes = grown
    return sorted(shapes)


ROLL = {
    # cube rolls one square in a direction: new position -> old position of each face
    (1, 0): {'D': 'E', 'W': 'D', 'U': 'W', 'E': 'U', 'N': 'N', 'S': 'S'},
    (-1, 0): {'D': 'W', 'E': 'D', 'U': 'E', 'W': 'U', 'N': 'N', 'S': 'S'},
    (0, 1): {'D': 'S', 'N': 'D', 'U': 'N', 'S': 'U', 'E': 'E', 'W': 'W'},
    (0, -1): {'D': 'N', 'S': 'D', 'U': 'S', 'N': 'U', 'E': 'E', 'W': 'W'},
}
OPPOSITE = {'D': 'U', 'U': 'D', 'N': 'S', 'S': 'N', 'E': 'W', 'W': 'E'}


def fold(cells):
    """Rolls a cube over the squares; returns {square: face} (faces named by where they start)."""
    cells = set(cells)
    start = min(cells)
    got = {start: 'D'}
    state = {start: {f: f for f in 'DUNSEW'}}   # position -> face label
    todo = [start]
    while todo:
        c = todo.pop(0)
        for step, rule in ROLL.items():
            n = (c[0] + step[0], c[1] + step[1])
            if n in cells and n not in state:
                st = {pos: state[c][rule[pos]] for pos in 'DUNSEW'}
                state[n] = st
                got[n] = st['D']
                todo.append(n)
    return got


def is_net(cells):
    return len(set(fold(cells).values())) == 6


def has_block(cells):
    st = set(cells)
    return any({(x + 1, y), (x, y + 1), (x + 1, y + 1)} <= st for x, y in st)


HEXOMINOES = hexominoes()
NETS = [h for h in HEXOMINOES if is_net(h)]
NON_NETS = [h for h in HEXOMINOES if not is_net(h)]
assert len(HEXOMINOES) == 35 and len(NETS) == 11


def random_orientation(rng, cells):
    return rng.choice(_transforms(cells))


def net_panel(svg, cells, x0, y0, cell, letters=None):
    for (x, y) in cells:
        svg.rect(x0 + x * cell, y0 + y * cell, cell, cell, fill='white', width=2)
        if letters:
            svg.text(x0 + (x + 0.5) * cell, y0 + (y + 0.5) * cell + 6, letters[(x, y)], size=16)


def nets_svg(shapes):
    cell = 22
    pw, ph = 175, 150
    svg = Svg(2 * pw, 2 * ph)
    for i, cells in enumerate(shapes):
        gx, gy = (i % 2) * pw, (i // 2) * ph
        w = max(c[0] for c in cells) + 1
        h = max(c[1] for c in cells) + 1
        svg.text(gx + 18, gy + 20, '(%d)' % (i + 1))
        x0 = gx + (pw - w * cell) / 2 + 8
        y0 = gy + 28 + (ph - 34 - h * cell) / 2
        assert w * cell <= pw - 30 and h * cell <= ph - 34
        net_panel(svg, cells, x0, y0, cell)
    svg.line(pw, 8, pw, 2 * ph - 8, width=1)
    svg.line(8, ph, 2 * pw - 8, ph, width=1)
    return svg.render()


# ---------------------------------------------------------------------------
# Topic 5: Percentage, Rate and Average
# ---------------------------------------------------------------------------

T5_PCTS = {1: [10, 20, 25, 50, 75],
           2: [5, 15, 30, 40, 60, 80],
           3: [12, 35, 45, 65, 85, 8, 24],
           4: [Fr(25, 2), Fr(5, 2), Fr(35, 2), 32, 150, Fr(15, 2)],
           5: [Fr(75, 2), Fr(125, 2), Fr(45, 2), 115, 135, Fr(1, 2)]}

WORK = ['Work out the answer.', 'Answer the question.', 'Calculate the answer.']


def t5_pct_of(rng, d):
    forms = ['plain', 'plain', 'unit'] if d <= 2 else ['plain', 'unit', 'conv']
    form = rng.choice(forms)
    while True:
        p = Fr(rng.choice(T5_PCTS[d]))
        if form == 'conv':
            big, small, f = rng.choice([('m', 'cm', 100), ('kg', 'g', 1000), ('litres', 'ml', 1000),
                                        ('km', 'm', 1000)])
            X = Fr(rng.choice([1, 2, 3, 4, 5, 6, Fr(3, 2), Fr(5, 2), Fr(12, 5)]))
            base = X * f
            ans = p * base / 100
            if ans.denominator != 1 or ans == 0:
                continue
            if X == 1 and big == 'litres':
                big = 'litre'
            text = 'Find %s of %s %s. Give your answer in %s.' % (pc(p), fmt(X), big, small)
            break
        if d == 1:
            base = rng.randrange(2, 41) * 10
        elif d == 2:
            base = rng.randrange(4, 100) * 5
        elif d == 3:
            base = rng.randrange(10, 100) * rng.choice([2, 5, 10])
        else:
            base = rng.randrange(4, 100) * rng.choice([2, 4, 5, 8, 10])
        ans = p * base / 100
        if d <= 3 and ans.denominator != 1:
            continue
        if d >= 4 and (ans * 100).denominator != 1:
            continue
        if form == 'plain':
            text = rng.choice(['Find %s of %s.', 'What is %s of %s?', 'Work out %s of %s.']) \
                % (pc(p), num(base))
        else:
            u = rng.choice(['kg', 'm', 'litres', POUND])
            if u == POUND:
                if (ans * 100).denominator != 1:
                    continue
                text = 'Find %s of %s. Give your answer in pounds.' % (pc(p), money(base))
            else:
                text = 'Find %s of %s %s. Give your answer in %s.' % (pc(p), num(base), u, u)
        break
    return Question([P(text)], [('N', 1, fmt(ans))], 'Work out the percentage of the amount.')


PCT_CONTEXTS = [
    ('There are {n} pupils in a school. {p} of them sing in the choir. How many pupils sing in '
     'the choir?', 'How many pupils do not sing in the choir?', 200, 1500),
    ('A library has {n} books. {p} of them are non-fiction. How many non-fiction books does the '
     'library have?', 'How many of the books are not non-fiction?', 400, 6000),
    ('A farmer planted {n} trees. {p} of them were apple trees. How many apple trees did the '
     'farmer plant?', 'How many of the trees were not apple trees?', 40, 600),
    ('A stadium has {n} seats. At a football match, {p} of the seats were filled. How many '
     'seats were filled?', 'How many seats were empty?', 5000, 40000),
    ('A crate holds {n} eggs. {p} of the eggs are brown. How many brown eggs are in the crate?',
     'How many of the eggs are not brown?', 60, 400),
    ('{n} people took part in a fun run. {p} of them were children. How many children took '
     'part?', 'How many adults took part?', 100, 3000),
    ('A baker made {n} buns. {p} of them had raisins in them. How many buns had raisins?',
     'How many buns had no raisins?', 40, 400),
    ('There were {n} passengers on a train. {p} of them got off at the first station. How many '
     'passengers got off there?', 'How many passengers stayed on the train?', 40, 600),
]


def t5_pct_ctx(rng, d, complement=None):
    if complement is None:
        complement = d >= 3 and rng.random() < 0.5
    ci = rng.randrange(len(PCT_CONTEXTS))
    ctx = PCT_CONTEXTS[ci]
    lo, hi = ctx[2], ctx[3]
    step = 10 if hi <= 1000 else 100
    for _ in range(100000):
        p = Fr(rng.choice(T5_PCTS[min(d, 4)]))
        if p >= 100:
            continue
        n = rng.randrange(lo // step, hi // step + 1) * step
        if d >= 3 and hi <= 1000 and rng.random() < 0.5:
            n = rng.randrange(lo, hi + 1)
        k = p * n / 100
        if k.denominator == 1 and k > 0:
            break
    first = ctx[0].format(n=num(n), p=pc(p))
    if complement:
        sentences = first.split('. ')
        text = '. '.join(sentences[:-1]) + '. ' + ctx[1]
        return Question([P(text)], [('N', 2, fmt(n - k))], rng.choice(WORK), kind='ctx%d' % ci)
    return Question([P(first)], [('N', 1, fmt(k))], rng.choice(WORK), kind='ctx%d' % ci)


def pick_as_pct(rng, d):
    pools = {1: ([10, 20, 25, 50, 100, 200, 40], range(5, 100, 5)),
             2: ([20, 25, 40, 50, 80, 200, 300, 250], range(2, 100, 2)),
             3: ([40, 60, 75, 80, 120, 150, 250, 400, 500], range(1, 100)),
             4: ([16, 40, 80, 120, 160, 240, 400, 800], [Fr(k, 2) for k in range(1, 200)]),
             5: ([16, 32, 40, 80, 160, 200, 240, 320, 400, 64], [Fr(k, 4) for k in range(1, 400)])}
    bases, ps = pools[d]
    while True:
        b = rng.choice(bases)
        p = Fr(rng.choice(list(ps)))
        a = p * b / 100
        if a.denominator == 1 and 2 <= a < b and (d <= 3 or p.denominator > 1 or rng.random() < 0.3):
            return a, b, p


def t5_as_pct(rng, d, ctx=False):
    if not ctx:
        a, b, p = pick_as_pct(rng, d)
        text = rng.choice(['Express %s as a percentage of %s.', 'What percentage of {b} is {a}?'])
        text = text % (num(a), num(b)) if '%s' in text else text.format(a=num(a), b=num(b))
        return Question([P(text)], [('M', 1, pkey(p))], 'Give the answer as a percentage.')
    nm, pr = person(rng)
    if d >= 3 and rng.random() < 0.4:
        # with a change of units
        big, small, f = rng.choice([('kg', 'g', 1000), ('m', 'cm', 100), ('litres', 'ml', 1000),
                                    ('km', 'm', 1000)])
        while True:
            X = Fr(rng.choice([1, 2, 3, 4, 5, Fr(3, 2), Fr(5, 2)]))
            base = X * f
            p = Fr(rng.choice(range(2, 96)))
            if d >= 4:
                p = Fr(rng.choice(range(3, 190)), 2)
            a = p * base / 100
            if a.denominator == 1:
                break
        if X == 1 and big == 'litres':
            big = 'litre'
        text = 'What percentage of %s %s is %s %s?' % (fmt(X), big, num(a), small)
        return Question([P(text)], [('M', 1, pkey(p))], 'Give the answer as a percentage.', kind='units')
    forms = [
        ('{nm} scored {a} marks out of {b} in a test. What was {his} score as a percentage?', 10, 200),
        ('In a class of {b} pupils, {a} are left-handed. What percentage of the class is '
         'left-handed?', 20, 40),
        ('A packet holds {b} sweets. {a} of the sweets are red. What percentage of the sweets '
         'are red?', 10, 100),
        ('{nm} had {b} stickers. {Pr} gave {a} of them to a friend. What percentage of the '
         'stickers did {pr} give away?', 10, 400),
        ('A netball team played {b} matches and won {a} of them. What percentage of the matches '
         'did the team win?', 8, 40),
        ('Out of {b} seeds planted, {a} grew into plants. What percentage of the seeds grew?', 10, 400),
        ('{b} people were asked if they liked a new film. {a} of them said yes. What percentage '
         'said yes?', 20, 1000),
    ]
    for _ in range(1000):
        a, b, p = pick_as_pct(rng, d)
        fi = rng.randrange(len(forms))
        form, lo, hi = forms[fi]
        if lo <= b <= hi:
            break
    text = form.format(nm=nm, a=num(a), b=num(b), his=his(pr), pr=pr, Pr=cap(pr))
    return Question([P(text)], [('M', 1, pkey(p))], 'Give the answer as a percentage.', kind='form%d' % fi)


def t5_frac_to_pct(rng, d):
    dens = {1: [2, 4, 5, 10], 2: [4, 5, 20, 25, 50], 3: [20, 25, 50, 40],
            4: [8, 40, 200, 16], 5: [8, 16, 40, 80]}[d]
    while True:
        b = rng.choice(dens)
        a = rng.randrange(1, b)
        if d == 5 and rng.random() < 0.4:
            a += b * rng.randrange(1, 3)
        x = Fr(a, b)
        if x.denominator != b:
            continue
        p = x * 100
        if d <= 3 and p.denominator != 1:
            continue
        if d >= 4 and p.denominator == 1 and rng.random() < 0.7:
            continue
        break
    text = 'Write %s as a percentage.' % frac_html(x)
    return Question([P(text)], [('M', 1, pkey(p))], 'Change the fraction to a percentage.')


def t5_pct_to_frac(rng, d):
    pool = {1: [10, 20, 25, 50, 75, 40, 60, 80, 30, 70, 90],
            2: [5, 15, 35, 45, 55, 65, 85, 95, 2, 4],
            3: [12, 24, 36, 44, 28, 64, 8, 16, 48, 72],
            4: [Fr(25, 2), Fr(5, 2), Fr(15, 2), Fr(75, 2), Fr(125, 2), Fr(35, 2)],
            5: [120, 125, 150, 175, 140, 105, 160, Fr(1, 2), Fr(3, 2), 112]}[d]
    p = Fr(rng.choice(pool))
    x = p / 100
    text = 'Write %s as a fraction in its simplest form.' % pc(p)
    if x > 1:
        key = ('M', mixed_key(x))
        text = 'Write %s as a fraction in its simplest form. You may give a mixed number.' % pc(p)
    else:
        key = ('F', fkey(x))
    return Question([P(text)], [(key[0], 1, key[1])], 'Change the percentage to a fraction.')


def t5_dec_pct(rng, d):
    to_pct = rng.random() < 0.5
    pool = {1: [Fr(k, 100) for k in range(11, 100) if k % 10] + [Fr(k, 10) for k in range(1, 10)],
            2: [Fr(k, 100) for k in range(1, 10)] + [Fr(k, 10) for k in range(1, 10)],
            3: [Fr(k, 1000) for k in range(101, 999, 5) if k % 10] + [Fr(k, 10) for k in range(11, 30)],
            4: [Fr(k, 1000) for k in range(11, 99) if k % 10] + [Fr(k, 100) for k in range(101, 300)],
            5: [Fr(k, 10000) for k in range(101, 999, 3) if k % 10] + [Fr(k, 100) for k in range(201, 401)]}[d]
    x = rng.choice(pool)
    p = x * 100
    if to_pct:
        return Question([P('Write %s as a percentage.' % fmt(x))], [('M', 1, pkey(p))],
                        'Change the decimal to a percentage.')
    return Question([P('Write %s as a decimal.' % pc(p))], [('N', 1, fmt(x))],
                    'Change the percentage to a decimal.')


def t5_convert_parts(rng, d):
    dens_a = {1: [2, 4, 5], 2: [4, 5, 20], 3: [8, 20, 25], 4: [8, 40, 16], 5: [8, 16, 40, 80]}[d]
    while True:
        b = rng.choice(dens_a)
        a = rng.randrange(1, b)
        fa = Fr(a, b)
        if fa.denominator == b:
            break
    dens_b = {1: [4, 5, 10], 2: [4, 5, 20, 25], 3: [8, 20, 25, 50], 4: [8, 40, 50, 20],
              5: [8, 40, 25, 200]}[d]
    while True:
        b = rng.choice(dens_b)
        db = Fr(rng.randrange(1, b), b)
        if db.denominator == b and db != fa:
            break
    while True:
        c = rng.choice([2, 4, 5, 10, 20, 25, 8, 40] if d >= 3 else [2, 4, 5, 10, 20, 25])
        cn = rng.randrange(1, c)
        fc = Fr(cn, c)
        if fc.denominator == c and fc not in (fa, db):
            break
    body = [P('Answer each part.'),
            part('a', 'Write %s as a decimal.' % frac_html(fa)),
            part('b', 'Write %s as a fraction in its simplest form.' % fmt(db)),
            part('c', 'Write %s as a percentage.' % frac_html(fc))]
    return Question(body, [('N', 1, fmt(fa)), ('F', 1, fkey(db)), ('M', 1, pkey(fc * 100))],
                    'Fractions, decimals and percentages.')


def show_value(x, form):
    if form == 'frac':
        return frac_html(x)
    if form == 'dec':
        return fmt(x)
    return pc(x * 100)


def t5_compare_mc(rng, d):
    kind = rng.choice(['greatest', 'smallest', 'equal'])
    if kind == 'equal':
        while True:
            b = rng.choice([4, 5, 8, 20, 25] if d >= 3 else [4, 5, 20, 25])
            a = rng.randrange(1, b)
            x = Fr(a, b)
            if x.denominator != b or (x * 100).denominator != 1:
                continue
            correct_form = rng.choice(['dec', 'pct'])
            ab = '%d%d' % (a, b)
            cands = [fmt(Fr(int(ab), 10 ** len(ab))),      # 3/5 -> 0.35
                     pc(Fr(int(ab))),                       # 3/5 -> 35%
                     fmt(x / 10), pc(x * 10), pc(x),
                     fmt(Fr(b * 10 + a, 10 ** (len(ab)))),  # 3/5 -> 0.53
                     pc(Fr(b))]                             # 3/5 -> 5%
            vals = {}
            good = show_value(x, correct_form)
            for t in cands:
                v = Fr(t[:-1]) / 100 if t.endswith('%') else Fr(t)
                if v != x and t not in vals and t != good:
                    vals[t] = v
            if len(vals) >= 3:
                wrong = rng.sample(sorted(vals), 3)
                if len(set(vals[w] for w in wrong)) == 3:
                    break
        html, key = mc(rng, good, wrong)
        return Question([P('Which of these is equal to %s?' % frac_html(x))] + html,
                        [('Q', 1, key)], 'Choose the correct answer.')
    while True:
        dens = [2, 4, 5, 10, 20, 25] if d <= 2 else [4, 5, 8, 20, 25, 40]
        vals = set()
        while len(vals) < 4:
            b = rng.choice(dens)
            vals.add(Fr(rng.randrange(1, b), b))
        vals = sorted(vals)
        width = {1: Fr(1, 2), 2: Fr(2, 5), 3: Fr(3, 10), 4: Fr(1, 5), 5: Fr(3, 20)}[d]
        if vals[-1] - vals[0] <= width and vals[-1] - vals[0] > Fr(1, 50):
            break
    forms = ['frac', 'dec', 'pct', rng.choice(['frac', 'dec', 'pct'])]
    rng.shuffle(forms)
    shown = [show_value(v, f) for v, f in zip(vals, forms)]
    target = 3 if kind == 'greatest' else 0
    html, key = mc(rng, shown[target], [s for i, s in enumerate(shown) if i != target])
    return Question([P('Which of these is the %s?' % kind)] + html, [('Q', 1, key)],
                    'Choose the correct answer.')


ITEMS = [('bicycle', 120, 600), ('jacket', 40, 160), ('pair of trainers', 50, 150),
         ('watch', 60, 300), ('school bag', 20, 80), ('lamp', 30, 120), ('tennis racket', 40, 200),
         ('tablet computer', 200, 800), ('guitar', 80, 400), ('sofa', 400, 1200),
         ('football', 16, 40), ('camera', 150, 600), ('rice cooker', 40, 160),
         ('pair of headphones', 30, 150), ('desk', 80, 300)]


def an(word):
    return ('an ' if word[0] in 'aeiou' else 'a ') + word


def pick_price(rng, d, p, lo, hi, pence=False):
    """A price between lo and hi for which p% of it is a whole number of pounds (or of pence)."""
    for _ in range(1000):
        P_ = Fr(rng.randrange(lo, hi + 1))
        if d <= 2 and P_ % 5:
            continue
        disc = P_ * p / 100
        if (disc.denominator == 1) or (pence and (disc * 100).denominator == 1):
            return P_, disc
    raise RuntimeError('no price')


def t5_discount(rng, d, two_part=None, twice=False):
    pools = {1: [10, 20, 25, 50], 2: [5, 15, 30, 40], 3: [12, 15, 35, 45],
             4: [15, 35, 8, 12, 18], 5: [12, 15, 35, 8, 6]}
    p = Fr(rng.choice(pools[d]))
    item, lo, hi = rng.choice(ITEMS)
    price, disc = pick_price(rng, d, p, lo, hi, pence=d >= 3)
    sale = price - disc
    nm, pr = person(rng)
    if two_part is None:
        two_part = d >= 4
    if twice:
        q = Fr(rng.choice([5, 10, 20]))
        for _ in range(1000):
            price = Fr(rng.randrange(lo, hi + 1))
            sale = price * (100 - p) / 100
            final = sale * (100 - q) / 100
            if (final * 100).denominator == 1 and (sale * 100).denominator == 1:
                break
        text = ('%s was marked at %s. In a sale its price was reduced by %s. Club members get a '
                'further %s off the sale price. How much does a club member pay for the %s? Give your '
                'answer in pounds.' % (cap(an(item)), money(price), pc(p), pc(q), item))
        return Question([P(text)], [('N', 2, fmt(final))], rng.choice(WORK), kind='twice')
    if two_part:
        text = ('A shop is selling %s for %s. It gives a discount of %s.' % (an(item), money(price), pc(p)))
        body = [P(text), part('a', 'How much is the discount? Give your answer in pounds.'),
                part('b', 'What is the price after the discount? Give your answer in pounds.')]
        return Question(body, [('N', 1, fmt(disc)), ('N', 1, fmt(sale))], 'Answer each part.')
    ask_saved = rng.random() < 0.3
    forms = [
        '%s costs %s. In a sale, the price is reduced by %s.' % (cap(an(item)), money(price), pc(p)),
        'A shop sells %s for %s. Today there is %s off everything in the shop.' % (an(item), money(price), pc(p)),
        '%s wants to buy %s marked at %s. The shop gives %s a discount of %s.' % (nm, an(item), money(price),
                                                                               'him' if pr == 'he' else 'her', pc(p)),
    ]
    text = rng.choice(forms)
    if ask_saved:
        text += ' How much money is saved? Give your answer in pounds.'
        return Question([P(text)], [('N', 1, fmt(disc))], rng.choice(WORK))
    text += ' What is the new price? Give your answer in pounds.'
    return Question([P(text)], [('N', 2 if d >= 2 else 1, fmt(sale))], rng.choice(WORK))


PRICED = [('a concert ticket', 20, 90), ('a monthly bus pass', 40, 120), ('a box of cereal', 4, 9),
          ('a bag of rice', 10, 30), ('a course of swimming lessons', 60, 200),
          ('a bicycle', 120, 400), ('a pair of school shoes', 30, 80)]


BILLS = [('a family meal at a restaurant', 40, 240), ('a new pair of glasses', 100, 400),
         ('a night in a hotel room', 100, 300), ('a set of books', 20, 90),
         ('a haircut', 20, 60), ('a new school uniform', 40, 120)]


def t5_increase(rng, d):
    kind = rng.choice(['tax', 'price', 'people', 'pay'] if d < 5 else ['tax', 'service', 'pay', 'people'])
    if kind == 'tax':
        what, lo, hi = rng.choice(BILLS)
        if d <= 2:
            g = 10
            bill = Fr(rng.randrange(lo // 10, hi // 10 + 1) * 10)
            tax = 'a sales tax of 10%'
        else:
            g = rng.choice([7, 8, 9])
            bill = Fr(rng.randrange(lo, hi + 1))
            tax = 'a sales tax of %d%%' % g
        total = bill * (100 + g) / 100
        text = ('The price of %s is %s before tax. %s is added to the price. How much must be paid '
                'altogether? Give your answer in pounds.') % (what, money(bill), cap(tax))
        return Question([P(text)], [('N', 2, fmt(total))], rng.choice(WORK), kind='increase')
    if kind == 'service':
        bill = Fr(rng.randrange(4, 30) * 10)
        with_service = bill * Fr(110, 100)
        total = with_service * Fr(109, 100)
        text = ('A restaurant bill is %s. A service charge of 10%% is added, and then a sales tax of 9%% '
                'is added to that total. How much is paid in all? Give your answer in pounds.') % money(bill)
        assert (total * 100).denominator == 1
        return Question([P(text)], [('N', 2, fmt(total))], rng.choice(WORK), kind='increase')
    if kind == 'people':
        p = Fr(rng.choice(T5_PCTS[min(d, 3)] if d < 4 else [15, 12, 35, 8, Fr(25, 2)]))
        for _ in range(1000):
            n = rng.randrange(8, 90) * 10 * (10 if d >= 3 else 1)
            k = n * p / 100
            if k.denominator == 1:
                break
        where = rng.choice(['A town had a population of {n} people. Over five years the population '
                            'grew by {p}. What is the population now?',
                            'A sports club had {n} members. The number of members increased by '
                            '{p}. How many members does the club have now?',
                            'Last year {n} people visited a museum. This year the number of '
                            'visitors went up by {p}. How many people visited this year?'])
        return Question([P(where.format(n=num(n), p=pc(p)))], [('N', 2, fmt(n + k))], rng.choice(WORK),
                        kind='increase')
    if kind == 'pay':
        nm, pr = person(rng)
        p = Fr(rng.choice([5, 10, 4, 3, 6, 8] if d >= 3 else [5, 10]))
        for _ in range(1000):
            pay = Fr(rng.randrange(16, 60) * 100)
            k = pay * p / 100
            if (k * 100).denominator == 1:
                break
        text = ('%s earns %s a month. %s gets a pay rise of %s. How much does %s earn a month '
                'now? Give your answer in pounds.') % (nm, money(pay), cap(pr), pc(p), pr)
        return Question([P(text)], [('N', 2, fmt(pay + k))], rng.choice(WORK), kind='increase')
    item, lo, hi = rng.choice(PRICED)
    p = Fr(rng.choice([10, 20, 25] if d <= 2 else [5, 15, 12, 8, 6]))
    for _ in range(1000):
        price = Fr(rng.randrange(lo, hi + 1))
        k = price * p / 100
        if (k * 100).denominator == 1 and (d >= 3 or k.denominator == 1):
            break
    text = ('The price of %s was %s. The price went up by %s. What is the new price? Give your '
            'answer in pounds.') % (item, money(price), pc(p))
    return Question([P(text)], [('N', 2, fmt(price + k))], rng.choice(WORK), kind='increase')


def t5_pct_change(rng, d):
    while True:
        p = Fr(rng.choice([5, 10, 15, 20, 25, 30, 40, 12, 8, 35, 60] if d <= 4 else
                          [Fr(25, 2), Fr(15, 2), 18, 24, 32, 35, 45]))
        a = Fr(rng.randrange(4, 100) * rng.choice([2, 4, 5, 10]))
        k = a * p / 100
        if k.denominator == 1:
            break
    kind = rng.choice(['down', 'up', 'up_people', 'down_mass'])
    if kind == 'down':
        item, lo, hi = rng.choice(ITEMS)
        for _ in range(1000):
            a = Fr(rng.randrange(lo, hi + 1))
            k = a * p / 100
            if k.denominator == 1:
                break
        else:
            return t5_pct_change(rng, d)
        text = ('The price of %s fell from %s to %s. Find the percentage decrease in the price.'
                % (an(item), money(a), money(a - k)))
    elif kind == 'up':
        text = ('The number of pupils in a chess club rose from %s to %s. Find the percentage '
                'increase.' % (num(a), num(a + k)))
    elif kind == 'up_people':
        text = ('A cinema sold %s tickets on Friday and %s tickets on Saturday. By what percentage '
                'did the number of tickets sold increase?' % (num(a), num(a + k)))
    else:
        text = ('There were %s litres of water in a tank. After some was used, %s litres were left. '
                'By what percentage did the amount of water decrease?' % (num(a), num(a - k)))
    return Question([P(text + ' Give your answer as a percentage.')], [('M', 2, pkey(p))],
                    rng.choice(WORK))


def t5_reverse(rng, d):
    kind = rng.choice(['sale', 'pupils', 'spent'])
    if kind == 'sale':
        item, lo, hi = rng.choice(ITEMS)
        for _ in range(1000):
            p = Fr(rng.choice([10, 20, 25, 30, 40, 15, 35]))
            price = Fr(rng.randrange(lo // 5, hi // 5 + 1) * 5)
            sale = price * (100 - p) / 100
            if sale.denominator == 1:
                break
        text = ('In a sale, all prices are cut by %s. %s now costs %s. What was its price before '
                'the sale? Give your answer in pounds.' % (pc(p), cap(an(item)), money(sale)))
        return Question([P(text)], [('N', 2, fmt(price))], rng.choice(WORK))
    if kind == 'pupils':
        for _ in range(1000):
            p = Fr(rng.choice([15, 24, 35, 45, 55, 60, 65, 75, 12, 8]))
            n = Fr(rng.randrange(20, 120) * 10)
            k = n * p / 100
            if k.denominator == 1:
                break
        text = ('%s of the pupils in a school walk to school. %s pupils walk to school. How many '
                'pupils are there in the school?' % (pc(p), num(k)))
        return Question([P(text)], [('N', 2, fmt(n))], rng.choice(WORK))
    nm, pr = person(rng)
    for _ in range(1000):
        p = Fr(rng.choice([20, 25, 40, 60, 30, 35, 45, 15]))
        total = Fr(rng.randrange(4, 60) * 10)
        spent = total * p / 100
        if spent.denominator == 1:
            break
    text = ('%s spent %s of %s savings on a present. The present cost %s. How much were %s savings '
            'before buying the present? Give your answer in pounds.'
            % (nm, pc(p), his(pr), money(spent), his(pr)))
    return Question([P(text)], [('N', 2, fmt(total))], rng.choice(WORK))


def t5_pct_remaining(rng, d):
    nm, pr = person(rng)
    if d == 1:
        for _ in range(1000):
            p = Fr(rng.choice([10, 20, 25, 40, 50, 60, 75]))
            m = Fr(rng.randrange(2, 30) * 10)
            if (m * p / 100).denominator == 1:
                break
        text = ('%s had %s. %s spent %s of it on a book. How much money did %s have left? Give your '
                'answer in pounds.' % (nm, money(m), cap(pr), pc(p), pr))
        return Question([P(text)], [('N', 2, fmt(m - m * p / 100))], rng.choice(WORK))
    if d >= 4 and rng.random() < 0.6:
        for _ in range(1000):
            p1 = Fr(rng.choice([20, 25, 40, 30, 60, 15]))
            p2 = Fr(rng.choice([20, 25, 50, 10, 40]))
            m = Fr(rng.randrange(5, 80) * 10)
            left1 = m * (100 - p1) / 100
            left2 = left1 * (100 - p2) / 100
            if left1.denominator == 1 and (left2 * 100).denominator == 1:
                break
        a, b = rng.choice([('a pair of shoes', 'a bag'), ('a coat', 'a scarf'),
                           ('a game', 'a book'), ('a bicycle helmet', 'a water bottle')])
        text = ('%s had %s. %s spent %s of it on %s and then %s of the money that was left on %s. '
                'How much money did %s have left at the end? Give your answer in pounds.'
                % (nm, money(m), cap(pr), pc(p1), a, pc(p2), b, pr))
        return Question([P(text)], [('N', 2, fmt(left2))], rng.choice(WORK))
    for _ in range(1000):
        p1 = Fr(rng.choice([10, 15, 20, 25, 30, 35, 40, 45]))
        p2 = Fr(rng.choice([10, 15, 20, 25, 30, 35, 40, 5]))
        if p1 == p2 or p1 + p2 >= 90:
            continue
        n = Fr(rng.randrange(2, 40) * 20)
        a, b = n * p1 / 100, n * p2 / 100
        if a.denominator == 1 and b.denominator == 1:
            break
    forms = [('In a school of {n} pupils, {p1} walk to school and {p2} come by car. The rest come '
              'by bus. How many pupils come by bus?'),
             ('A bakery baked {n} cakes. {p1} were chocolate cakes and {p2} were lemon cakes. The '
              'rest were fruit cakes. How many fruit cakes were there?'),
             ('There are {n} flowers in a park. {p1} of them are red and {p2} of them are yellow. '
              'The rest are white. How many white flowers are there?')]
    text = rng.choice(forms).format(n=num(n), p1=pc(p1), p2=pc(p2))
    return Question([P(text)], [('N', 2, fmt(n - a - b))], rng.choice(WORK))


def t5_savings(rng, d):
    nm, pr = person(rng)
    kind = rng.choice(['pocket', 'wage'])
    for _ in range(1000):
        p = Fr(rng.choice([10, 20, 25, 15, 30, 12, 5]))
        if kind == 'pocket':
            pay = Fr(rng.randrange(6, 30) * (10 if d <= 2 else 5))
        else:
            pay = Fr(rng.randrange(16, 60) * 100)
        k = rng.choice([3, 4, 5, 6, 12])
        save = pay * p / 100
        if (save * 100).denominator == 1 and (d >= 2 or save.denominator == 1):
            break
    if kind == 'pocket':
        text = ('%s gets %s pocket money each month. %s saves %s of it. How much does %s save in '
                '%d months? Give your answer in pounds.' % (nm, money(pay), cap(pr), pc(p), pr, k))
    else:
        text = ('%s earns %s a month and saves %s of it. How much does %s save in %d months? Give '
                'your answer in pounds.' % (nm, money(pay), pc(p), pr, k))
    return Question([P(text)], [('N', 2, fmt(save * k))], rng.choice(WORK), kind='savings')


def t5_pct_of_pct(rng, d):
    kind = rng.choice(['pct', 'count'])
    for _ in range(1000):
        a = Fr(rng.choice([40, 45, 55, 60, 65, 75, 80, 35]))
        b = Fr(rng.choice([20, 25, 40, 60, 30, 50, 10]))
        n = Fr(rng.randrange(2, 30) * 40)
        g = n * a / 100
        k = g * b / 100
        if g.denominator == 1 and k.denominator == 1:
            break
    grp, sub = rng.choice([('girls', 'wear glasses'), ('boys', 'play in the football team'),
                           ('girls', 'play the piano'), ('boys', 'are in the swimming club')])
    if kind == 'pct':
        text = ('In a school, %s of the pupils are %s. %s of the %s %s. What percentage of all the '
                'pupils are %s who %s?' % (pc(a), grp, pc(b), grp, sub, grp, sub))
        return Question([P(text)], [('M', 2, pkey(a * b / 100))], rng.choice(WORK))
    text = ('There are %s pupils in a school. %s of them are %s, and %s of the %s %s. How many '
            '%s %s?' % (num(n), pc(a), grp, pc(b), grp, sub, grp, sub))
    return Question([P(text)], [('N', 2, fmt(k))], rng.choice(WORK))


UNIT_ITEMS = [('pencils', 'pencil', 20, 90), ('exercise books', 'exercise book', 60, 250),
              ('apples', 'apple', 30, 90), ('bottles of water', 'bottle of water', 50, 180),
              ('cinema tickets', 'cinema ticket', 600, 1500), ('muffins', 'muffin', 80, 300),
              ('metres of ribbon', 'metre of ribbon', 40, 150), ('erasers', 'eraser', 20, 80),
              ('packets of crisps', 'packet of crisps', 50, 150), ('bus tickets', 'bus ticket', 120, 300)]


def t5_unit_cost(rng, d):
    plural, single, lo, hi = rng.choice(UNIT_ITEMS)
    for _ in range(1000):
        u = Fr(rng.randrange(lo, hi), 100)
        if d <= 2 and (u * 10).denominator != 1:
            continue
        k = rng.randrange(2, 10)
        m = rng.randrange(2, 13)
        if m == k:
            continue
        break
    C = u * k
    if d == 1:
        text = '%d %s cost %s. How much does one %s cost? Give your answer in pounds.' % (
            k, plural, money(C), single)
        return Question([P(text)], [('N', 1, fmt(u))], rng.choice(WORK))
    text = rng.choice(['%d %s cost %s. How much do %d %s cost? Give your answer in pounds.',
                       '%d %s cost %s altogether. What is the cost of %d %s at the same price? '
                       'Give your answer in pounds.']) % (k, plural, money(C), m, plural)
    return Question([P(text)], [('N', 2, fmt(u * m))], rng.choice(WORK))


def t5_better_value(rng, d):
    thing = rng.choice(['yoghurts', 'batteries', 'juice boxes', 'tennis balls', 'bread rolls',
                        'notebooks', 'bars of soap'])
    for _ in range(10000):
        packs = []
        sizes = rng.sample([2, 3, 4, 5, 6, 8, 10, 12] if d >= 3 else [2, 3, 4, 5, 6, 10], 4)
        base = Fr(rng.randrange(30, 150), 100)
        for k in sizes:
            if d <= 3:
                u = Fr(rng.randrange(6, 30) * 5, 100)     # a whole number of pence per item
                C = u * k
            else:
                u = base * Fr(rng.randrange(85, 116), 100)
                C = Fr(round(u * k * 20), 20)   # prices in steps of 5p
            packs.append((k, C, C / k))
        units = sorted(p[2] for p in packs)
        gap = {1: Fr(10, 100), 2: Fr(8, 100), 3: Fr(6, 100), 4: Fr(4, 100), 5: Fr(3, 100)}[d]
        if len(set(units)) == 4 and units[1] - units[0] >= gap * units[0] \
                and units[3] - units[0] <= units[0] * Fr(2, 5) \
                and min(packs, key=lambda p: p[2]) != min(packs, key=lambda p: p[1]):
            break
    best = min(packs, key=lambda p: p[2])
    shown = ['a pack of %d for %s' % (k, money(C)) for k, C, _ in packs]
    correct = shown[packs.index(best)]
    html, key = mc(rng, correct, [s for s in shown if s != correct])
    text = 'A shop sells %s in packs of different sizes. Which pack gives the best value for money?' % thing
    return Question([P(text)] + html, [('Q', 2 if d >= 3 else 1, key)], 'Choose the correct answer.')


MOVERS = [('A cyclist rides', 'does the cyclist ride', [12, 15, 18, 20, 24]),
          ('A bus travels', 'does the bus travel', [30, 36, 40, 45, 48, 60]),
          ('A runner runs', 'does the runner run', [6, 8, 9, 10, 12]),
          ('A ferry sails', 'does the ferry sail', [20, 24, 30, 36, 40])]


def t5_speed(rng, d):
    nm, pr = person(rng)
    kind = rng.choice({1: ['speed', 'dist', 'time'], 2: ['speed', 'dist', 'time', 'ms'],
                       3: ['dist_min', 'time_min', 'speed', 'mmin'],
                       4: ['speed_hm', 'clock', 'dist_min', 'time_min'],
                       5: ['legs', 'clock', 'speed_hm', 'time_min']}[d])
    vehicle = rng.choice([('car', 40, 100), ('coach', 50, 90), ('train', 60, 150), ('lorry', 40, 80)])
    K = 'speed:' + kind
    if kind in ('speed', 'dist', 'time'):
        v = rng.randrange(vehicle[1] // 5, vehicle[2] // 5 + 1) * 5
        t = rng.randrange(2, 6)
        D = v * t
        if kind == 'speed':
            text = ('A %s travels %s km in %d hours. What is its average speed? Give your answer in '
                    'km/h.' % (vehicle[0], num(D), t))
            return Question([P(text)], [('N', 1, fmt(v))], rng.choice(WORK), kind=K)
        if kind == 'dist':
            text = ('A %s travels at an average speed of %d km/h for %d hours. How far does it '
                    'travel? Give your answer in km.' % (vehicle[0], v, t))
            return Question([P(text)], [('N', 1, fmt(D))], rng.choice(WORK), kind=K)
        text = ('A %s travels %s km at an average speed of %d km/h. How many hours does the '
                'journey take?' % (vehicle[0], num(D), v))
        return Question([P(text)], [('N', 1, fmt(t))], rng.choice(WORK), kind=K)
    if kind == 'ms':
        v = rng.randrange(3, 9)
        t = rng.randrange(5, 40) * 2
        text = ('%s runs %d m in %d seconds. What is %s average speed? Give your answer in metres '
                'per second.' % (nm, v * t, t, his(pr)))
        return Question([P(text)], [('N', 1, fmt(v))], rng.choice(WORK), kind=K)
    if kind == 'mmin':
        v = rng.randrange(6, 15) * 10
        t = rng.choice([10, 12, 15, 20, 25, 30])
        text = ('%s walks %s km in %d minutes. What is %s average speed? Give your answer in '
                'metres per minute.' % (nm, fmt(Fr(v * t, 1000)), t, his(pr)))
        return Question([P(text)], [('N', 1, fmt(v))], rng.choice(WORK), kind=K)
    if kind in ('dist_min', 'time_min'):
        who, ask, speeds = rng.choice(MOVERS)
        for _ in range(1000):
            v = rng.choice(speeds)
            m = rng.choice([10, 15, 20, 30, 40, 45, 50, 12, 24, 36])
            D = Fr(v * m, 60)
            if D.denominator == 1 or (d >= 4 and (D * 10).denominator == 1):
                break
        if kind == 'dist_min':
            text = ('%s at an average speed of %d km/h for %d minutes. How far %s? Give your answer '
                    'in km.' % (who, v, m, ask))
            return Question([P(text)], [('N', 2, fmt(D))], rng.choice(WORK), kind=K)
        text = ('%s %s km at an average speed of %d km/h. How many minutes does this take?'
                % (who, fmt(D), v))
        return Question([P(text)], [('N', 2, fmt(m))], rng.choice(WORK), kind=K)
    if kind == 'speed_hm':
        for _ in range(1000):
            h = rng.randrange(1, 4)
            m = rng.choice([15, 20, 30, 40, 45])
            v = rng.randrange(8, 20) * 5
            D = v * Fr(h * 60 + m, 60)
            if D.denominator == 1:
                break
        text = ('A %s travels %s km in %d h %d min. Find its average speed. Give your answer in '
                'km/h.' % (vehicle[0], num(D), h, m))
        return Question([P(text)], [('N', 2, fmt(v))], rng.choice(WORK), kind=K)
    if kind == 'clock':
        for _ in range(1000):
            start = rng.randrange(7 * 4, 11 * 4) * 15
            dur = rng.choice([90, 120, 150, 135, 105, 75, 165, 180, 210])
            v = rng.randrange(8, 19) * 5
            D = v * Fr(dur, 60)
            if D.denominator == 1:
                break
        end = start + dur

        def clock(mins):
            h, mm = divmod(mins, 60)
            suffix = 'a.m.' if h < 12 else 'p.m.'
            h12 = h if h <= 12 else h - 12
            return '%d.%02d %s' % (h12, mm, suffix)
        # the time at the end of the sentence ends in "a.m." or "p.m.", which closes the sentence
        text = ('A %s left a town at %s and arrived at a city %s km away at %s What was its average '
                'speed? Give your answer in km/h.' % (vehicle[0], clock(start), num(D), clock(end)))
        return Question([P(text)], [('N', 2, fmt(v))], rng.choice(WORK), kind=K)
    # two stages of a journey
    for _ in range(1000):
        v1, t1 = rng.choice([40, 50, 60, 80, 90]), rng.choice([1, 2, 3, Fr(3, 2), Fr(1, 2)])
        v2, t2 = rng.choice([30, 45, 60, 70, 100]), rng.choice([1, 2, Fr(1, 2), Fr(3, 2)])
        if v1 == v2:
            continue
        D1, D2 = Fr(v1) * t1, Fr(v2) * t2
        avg = (D1 + D2) / (Fr(t1) + t2)
        if D1.denominator == 1 and D2.denominator == 1 and (avg * 10).denominator == 1:
            break

    def hours(t):
        t = Fr(t)
        if t.denominator == 1:
            return '%d hour%s' % (t, '' if t == 1 else 's')
        return '%d minutes' % (t * 60) if t < 1 else '%d h %d min' % (t, (t - int(t)) * 60)
    text = ('A %s travelled %s km in %s. It then travelled another %s km in %s. What was its '
            'average speed for the whole journey? Give your answer in km/h.'
            % (vehicle[0], num(D1), hours(t1), num(D2), hours(t2)))
    return Question([P(text)], [('N', 2, fmt(avg))], rng.choice(WORK), kind=K)


def t5_flow(rng, d):
    if d == 1:
        r = rng.randrange(3, 16)
        t = rng.randrange(4, 13)
        text = ('Water flows from a tap at %d litres per minute. How much water flows out in %d '
                'minutes? Give your answer in litres.' % (r, t))
        return Question([P(text)], [('N', 1, fmt(r * t))], rng.choice(WORK), kind='flow1')
    if d == 2 or (d == 3 and rng.random() < 0.5):
        r = rng.randrange(4, 25)
        t = rng.randrange(5, 26)
        text = rng.choice(['An empty tank holds %s litres. A tap fills it at %d litres per minute. '
                           'How many minutes does it take to fill the tank?',
                           'A pump empties a pond of %s litres at a rate of %d litres per minute. '
                           'How many minutes does it take to empty the pond?']) % (num(r * t), r)
        return Question([P(text)], [('N', 1, fmt(t))], rng.choice(WORK), kind='flow2')
    if d == 3:
        r = rng.randrange(150, 600, 50)
        t = rng.randrange(4, 20)
        text = ('A hose lets out %d ml of water every second. How many litres of water does it let '
                'out in %d seconds? Give your answer in litres.' % (r, t))
        return Question([P(text)], [('N', 2, fmt(Fr(r * t, 1000)))], rng.choice(WORK), kind='flow3')
    if d == 4:
        r1, r2 = rng.sample(range(4, 19), 2)
        t = rng.randrange(6, 21)
        text = ('Two taps are used to fill an empty tank. Tap A lets in %d litres per minute and '
                'tap B lets in %d litres per minute. The tank holds %s litres. How many minutes '
                'does it take to fill the tank when both taps are turned on together?'
                % (r1, r2, num((r1 + r2) * t)))
        return Question([P(text)], [('N', 2, fmt(t))], rng.choice(WORK), kind='flow4')
    for _ in range(1000):
        V = rng.randrange(12, 60) * 10
        f = Fr(rng.randrange(1, 4), 4) if rng.random() < 0.5 else Fr(rng.randrange(1, 5), 5)
        r = rng.randrange(5, 25)
        left = V * (1 - f)
        t = left / r
        if t.denominator == 1 and (V * f).denominator == 1:
            break
    text = ('A tank holds %s litres when full. It is %s full. Water is added at %d litres per '
            'minute. How many minutes will it take to fill the tank?' % (num(V), frac_html(f), r))
    return Question([P(text)], [('N', 2, fmt(t))], rng.choice(WORK), kind='flow5')


def t5_work_rate(rng, d):
    if d == 1:
        what = rng.choice([('A machine fills {r} bottles every minute. How many bottles does it fill '
                            'in {t} minutes?'),
                           ('A printer prints {r} pages a minute. How many pages does it print in '
                            '{t} minutes?'),
                           ('{nm} reads {r} pages of a book every day. How many pages does {pr} '
                            'read in {t} days?')])
        r, t = rng.randrange(6, 40), rng.randrange(3, 12)
        nm, pr = person(rng)
        return Question([P(what.format(r=r, t=t, nm=nm, pr=pr))], [('N', 1, fmt(r * t))],
                        rng.choice(WORK), kind='work1')
    if d == 2:
        r, t = rng.randrange(6, 40), rng.randrange(3, 12)
        text = rng.choice(['A printer prints %s pages in %d minutes. How many pages does it print '
                           'in one minute?',
                           'A factory machine makes %s buttons in %d hours. How many buttons does '
                           'it make in one hour?']) % (num(r * t), t)
        return Question([P(text)], [('N', 1, fmt(r))], rng.choice(WORK), kind='work2')
    if d == 3 or (d == 4 and rng.random() < 0.5):
        r = rng.randrange(4, 30)
        t1, t2 = rng.sample(range(2, 10), 2)
        text = rng.choice(['A baker makes %d loaves in %d hours. At the same rate, how many loaves '
                           'does the baker make in %d hours?',
                           'A machine packs %d boxes in %d minutes. Working at the same rate, how '
                           'many boxes does it pack in %d minutes?',
                           'A team of workers paints %d metres of fence in %d hours. At the same '
                           'rate, how many metres do they paint in %d hours?']) % (r * t1, t1, t2)
        return Question([P(text)], [('N', 2, fmt(r * t2))], rng.choice(WORK), kind='work3')
    if d == 4:
        nm, pr = person(rng)
        r = rng.randrange(25, 60)
        t = rng.randrange(8, 40)
        text = ('%s types %d words per minute. How many minutes does it take %s to type a story of '
                '%s words?' % (nm, r, 'him' if pr == 'he' else 'her', num(r * t)))
        return Question([P(text)], [('N', 2, fmt(t))], rng.choice(WORK), kind='work4')
    a, b = rng.sample(range(15, 60), 2)
    t = rng.randrange(3, 12)
    text = ('Machine A makes %d toys an hour and machine B makes %d toys an hour. Working '
            'together, how many hours do the two machines take to make %s toys?' % (a, b, num((a + b) * t)))
    return Question([P(text)], [('N', 2, fmt(t))], rng.choice(WORK), kind='work5')


MEAN_CTX = [
    # (introduction, question, smallest value, largest value, decimal places)
    ('The numbers of goals a hockey team scored in its last few matches were:',
     'What was the mean number of goals per match?', 0, 9, 0),
    ('The numbers of pages {nm} read each day for {n} days were:',
     'Find the mean number of pages read per day.', 8, 60, 0),
    ('The ages of some cousins, in years, were:', 'What is their mean age? Give your answer in years.',
     2, 16, 0),
    ('The numbers of cars in a car park at different times of the day were:',
     'What was the mean number of cars?', 15, 120, 0),
    ('The scores of some pupils in a quiz were:', 'What was the mean score?', 5, 50, 0),
    ('The numbers of visitors to a small museum each day for {n} days were:',
     'Find the mean number of visitors per day.', 20, 150, 0),
    ('The masses of some parcels, in kg, were:', 'Find the mean mass of the parcels. Give your '
     'answer in kg.', Fr(5, 10), Fr(9), 1),
    ('The rainfall each day for a few days, in cm, was:', 'Find the mean daily rainfall. Give your '
     'answer in cm.', Fr(1, 10), Fr(5), 1),
    ('The lengths of some pieces of string, in m, were:', 'What is the mean length? Give your '
     'answer in m.', Fr(1), Fr(4), 2),
    ('The times taken by some runners to finish a race, in minutes, were:', 'Find the mean time. '
     'Give your answer in minutes.', Fr(10), Fr(25), 1),
    ('The heights of some seedlings, in cm, were:', 'Find their mean height. Give your answer in cm.',
     Fr(2), Fr(9), 2),
]


def data_set(rng, n, lo, hi, places, mean_places, exact_mean=None):
    """n distinct-ish values between lo and hi with the given decimal places whose mean has at most
    mean_places decimal places (exactly that many when exact_mean is True)."""
    step = Fr(1, 10 ** places)
    a, b = int(Fr(lo) / step), int(Fr(hi) / step)
    for _ in range(100000):
        vals = [rng.randrange(a, b + 1) * step for _ in range(n)]
        if len(set(vals)) < n - 1:
            continue
        m = sum(vals, Fr(0)) / n
        k = dp(m) if (m * 10 ** mean_places).denominator == 1 else 99
        if k > mean_places:
            continue
        if exact_mean is True and k != mean_places:
            continue
        return vals, m
    raise RuntimeError('no data set')


def t5_mean(rng, d, ctx=None):
    if ctx is None:
        ctx = rng.random() < 0.5
    n = rng.randrange(4, 7) if d <= 2 else rng.randrange(5, 9)
    if not ctx:
        lo, hi, places, mp = {1: (2, 20, 0, 0), 2: (10, 99, 0, 0), 3: (5, 60, 0, 1),
                              4: (1, 6, 1, 1), 5: (1, 4, 2, 2)}[d]
        vals, m = data_set(rng, n, lo, hi, places, mp, exact_mean=d >= 3)
        text = rng.choice(['Find the mean of these numbers:', 'Work out the mean (average) of:',
                           'What is the average of these numbers?'])
        return Question([P(text), P('<b>%s</b>' % ', '.join(fmt(v) for v in vals))], [('N', 1, fmt(m))],
                        'Find the mean.', kind='mean_plain')
    nm, pr = person(rng)
    for _ in range(1000):
        ci = rng.randrange(len(MEAN_CTX))
        intro, ask, lo, hi, places = MEAN_CTX[ci]
        if d <= 2 and places == 0:
            break
        if d == 3 and places <= 1:
            break
        if d >= 4 and places >= 1:
            break
    mp = {1: 0, 2: 0, 3: 1, 4: places + 1, 5: places + 1}[d] if places or d >= 3 else 0
    mp = min(mp, 2)
    vals, m = data_set(rng, n, lo, hi, places, mp)
    return Question([P(intro.format(nm=nm, n=number_word(n))), P('<b>%s</b>' % ', '.join(fmt(v) for v in vals)), P(ask)],
                    [('N', 1, fmt(m))], 'Find the mean.', kind='mean%d' % ci)


def t5_missing_from_mean(rng, d):
    n = rng.randrange(4, 7) if d <= 3 else rng.randrange(5, 8)
    kind = rng.choice({1: ['numbers', 'tests'], 2: ['numbers', 'tests', 'jumps'],
                       3: ['tests', 'jumps', 'numbers'], 4: ['jumps', 'masses', 'tests'],
                       5: ['jumps', 'masses']}[d])
    nm, pr = person(rng)
    if kind == 'numbers':
        lo, hi = {1: (2, 20), 2: (10, 60), 3: (10, 99)}[d]
        vals, m = data_set(rng, n, lo, hi, 0, 0)
        known, missing = vals[:-1], vals[-1]
        text = ('The mean of %d numbers is %s. %s of the numbers are %s. What is the other '
                'number?' % (n, fmt(m), cap(number_word(n - 1)), ', '.join(fmt(v) for v in known)))
    elif kind == 'tests':
        vals, m = data_set(rng, n, 40 if d <= 3 else 55, 100, 0, 0 if d <= 3 else 1)
        known, missing = vals[:-1], vals[-1]
        text = ('%s took %d spelling tests, each marked out of 100. %s mean score was %s. %s scores in '
                'the first %d tests were %s. What did %s score in the last test?'
                % (nm, n, cap(his(pr)), fmt(m), cap(his(pr)), n - 1, ', '.join(fmt(v) for v in known), pr))
    elif kind == 'masses':
        vals, m = data_set(rng, n, Fr(12, 10), Fr(6), 1, 2)
        known, missing = vals[:-1], vals[-1]
        text = ('The mean mass of %d bags of fruit is %s kg. The masses of %s of the bags are %s kg. '
                'Find the mass of the last bag. Give your answer in kg.'
                % (n, fmt(m), number_word(n - 1), ', '.join(fmt(v) for v in known)))
    else:
        if d <= 3:
            vals, m = data_set(rng, n, 250, 420, 0, 0 if d <= 2 else 1)
            unit = 'cm'
        else:
            vals, m = data_set(rng, n, Fr(25, 10), Fr(42, 10), 2, 2)
            unit = 'm'
        known, missing = vals[:-1], vals[-1]
        text = ('%s had %d jumps in a long-jump competition. The mean length of %s jumps was %s %s. '
                'The first %d jumps measured %s %s. How long was %s last jump? Give your answer in %s.'
                % (nm, n, his(pr), fmt(m), unit, n - 1, ', '.join(fmt(v) for v in known), unit,
                   his(pr), unit))
    assert sum(known, Fr(0)) + missing == n * m
    return Question([P(text)], [('N', 2, fmt(missing))], rng.choice(WORK))


def number_word(n):
    return ['zero', 'one', 'two', 'three', 'four', 'five', 'six', 'seven', 'eight', 'nine',
            'ten'][n]


def t5_total_from_mean(rng, d):
    n = rng.randrange(3, 10)
    kind = rng.choice(['parcels', 'score', 'height', 'spend'])
    if kind == 'parcels':
        m = Fr(rng.randrange(2, 20)) if d <= 2 else Fr(rng.randrange(12, 99), 10 if d <= 4 else 100) * (1 if d <= 4 else 10)
        text = ('The average mass of %d parcels is %s kg. What is the total mass of the parcels? '
                'Give your answer in kg.' % (n, fmt(m)))
    elif kind == 'score':
        m = Fr(rng.randrange(20, 150)) if d <= 3 else Fr(rng.randrange(40, 300), 2)
        text = ('A cricket team played %d matches. It scored a mean of %s runs a match. How many runs '
                'did the team score altogether?' % (n, fmt(m)))
        if (n * m).denominator != 1:
            return t5_total_from_mean(rng, d)
    elif kind == 'height':
        m = Fr(rng.randrange(20, 90)) if d <= 2 else Fr(rng.randrange(200, 900), 10)
        text = ('%d tomato plants have a mean height of %s cm. What is their total height? Give your '
                'answer in cm.' % (n, fmt(m)))
    else:
        m = Fr(rng.randrange(15, 60)) if d <= 2 else Fr(rng.randrange(150, 600) * 5, 100)
        text = ('A family spent an average of %s a day on food for %d days. How much did they spend '
                'altogether on food in those days? Give your answer in pounds.' % (money(m), n))
    return Question([P(text)], [('N', 1 if d <= 2 else 2, fmt(n * m))], rng.choice(WORK))


def t5_new_mean(rng, d):
    kind = rng.choice(['next_test', 'joins'])
    nm, pr = person(rng)
    if kind == 'next_test':
        for _ in range(1000):
            n = rng.randrange(3, 7)
            m1 = rng.randrange(55, 85)
            m2 = m1 + rng.randrange(1, 5) * rng.choice([1, -1])
            x = (n + 1) * m2 - n * m1
            if 40 <= x <= 100:
                break
        text = ('The mean of %s first %d test scores was %d. After the next test, the mean of all '
                '%d scores was %d. What did %s score in the next test?' % (his(pr), n, m1, n + 1, m2, pr))
        text = nm + ': ' + text if False else text
        text = ('%s sat some tests. ' % nm) + cap(text)
        return Question([P(text)], [('N', 2, fmt(x))], rng.choice(WORK))
    for _ in range(1000):
        n = rng.randrange(4, 9)
        m1 = Fr(rng.randrange(130, 150))
        h = Fr(rng.randrange(125, 165))
        m2 = (n * m1 + h) / (n + 1)
        if (m2 * 10).denominator == 1 and h != m1:
            break
    text = ('The mean height of %d children is %s cm. Another child, who is %s cm tall, joins the '
            'group. What is the mean height of the group now? Give your answer in cm.'
            % (n, fmt(m1), fmt(h)))
    return Question([P(text)], [('N', 2, fmt(m2))], rng.choice(WORK))


def t5_mean_mc(rng, d):
    for _ in range(10000):
        m = rng.randrange(5, 15) if d <= 3 else rng.randrange(10, 30)
        k = 4 if d <= 3 else 5
        sets = []
        # correct set
        vals = [rng.randrange(max(1, m - 8), m + 9) for _ in range(k - 1)]
        last = k * m - sum(vals)
        if last < 1 or last in vals:
            continue
        good = sorted(vals + [last])
        sets.append(good)
        while len(sets) < 4:
            vs = [rng.randrange(max(1, m - 8), m + 9) for _ in range(k)]
            if sum(vs) == k * m or sorted(vs) in sets:
                continue
            if abs(sum(vs) - k * m) > 6:
                continue
            sets.append(sorted(vs))
        break
    shown = [', '.join(str(v) for v in s) for s in sets]
    html, key = mc(rng, shown[0], shown[1:])
    return Question([P('Which set of numbers has a mean of %d?' % m)] + html, [('Q', 1, key)],
                    'Choose the correct answer.')


DAYS = ['Monday', 'Tuesday', 'Wednesday', 'Thursday', 'Friday']


def t5_table(rng, d):
    kind = rng.choice(['cakes', 'books', 'visitors', 'runs'])
    heads = {'cakes': ('Day', 'Cakes sold', DAYS, 'cakes were sold', 'cakes sold'),
             'books': ('Day', 'Books borrowed', DAYS, 'books were borrowed', 'books borrowed'),
             'visitors': ('Day', 'Visitors', DAYS, 'people visited', 'visitors'),
             'runs': ('Player', 'Runs scored', ['Ali', 'Bea', 'Cal', 'Dev', 'Eve'],
                      'runs were scored', 'runs scored')}[kind]
    for _ in range(100000):
        n = 5
        scale = {1: (5, 40), 2: (10, 80), 3: (20, 120), 4: (40, 200), 5: (50, 300)}[d]
        vals = [rng.randrange(*scale) for _ in range(n)]
        tot = sum(vals)
        mean = Fr(tot, n)
        if d <= 3 and mean.denominator != 1:
            continue
        if len(set(vals)) < n:
            continue
        # part (c): a percentage of the total that is exact to one decimal place
        cands = [i for i in range(n) if (Fr(vals[i] * 100, tot) * (10 if d >= 4 else 1)).denominator == 1]
        if d >= 2 and not cands:
            continue
        break
    rows = ['<table class="data">', '<tr><th>%s</th><th>%s</th></tr>' % heads[:2]]
    for lab, v in zip(heads[2], vals):
        rows.append('<tr><td>%s</td><td>%d</td></tr>' % (lab, v))
    rows.append('</table>')
    what = heads[1].lower()
    body = [P('The table shows the number of %s.' % ('runs scored by five players in a cricket match'
                                                     if kind == 'runs' else
                                                     {'cakes': 'cakes a bakery sold each day',
                                                      'books': 'books borrowed from a library each day',
                                                      'visitors': 'people who visited a gallery each day'}[kind]))]
    body += rows
    body.append(part('a', 'How many %s altogether?' % heads[3]))
    body.append(part('b', 'What was the mean number of %s per %s?' % (heads[4], 'player' if kind == 'runs' else 'day')))
    answers = [('N', 1, fmt(tot)), ('N', 1, fmt(mean))]
    if d == 1:
        i, j = rng.sample(range(n), 2)
        if vals[i] < vals[j]:
            i, j = j, i
        if kind == 'runs':
            body.append(part('c', 'How many more runs did %s score than %s?' % (heads[2][i], heads[2][j])))
        else:
            body.append(part('c', 'How many more %s on %s than on %s?' % (heads[3], heads[2][i], heads[2][j])))
        answers.append(('N', 1, fmt(vals[i] - vals[j])))
    else:
        i = rng.choice(cands)
        if kind == 'runs':
            body.append(part('c', 'What percentage of all the runs did %s score?' % heads[2][i]))
        else:
            body.append(part('c', 'What percentage of all the %s were on %s?' % (heads[4], heads[2][i])))
        answers.append(('M', 1, pkey(Fr(vals[i] * 100, tot))))
    return Question(body, answers, 'Use the table to answer each part.')


SURVEYS = [('Favourite fruit', ['Apple', 'Banana', 'Mango', 'Orange', 'Grapes']),
           ('Favourite sport', ['Football', 'Swimming', 'Netball', 'Badminton', 'Tennis']),
           ('Way to travel to school', ['Walk', 'Bus', 'Car', 'Bicycle', 'Train']),
           ('Favourite colour', ['Blue', 'Red', 'Green', 'Purple', 'Yellow'])]


def t5_table_pct(rng, d):
    head, cats = rng.choice(SURVEYS)
    k = 4 if d <= 2 else 5
    cats = cats[:k]
    N = rng.choice({1: [20, 50], 2: [20, 25, 50], 3: [25, 40, 50, 80], 4: [40, 80, 120, 160],
                    5: [40, 80, 120, 160, 200]}[d])
    for _ in range(100000):
        cuts = sorted(rng.sample(range(1, N), k - 1))
        vals = [b - a for a, b in zip([0] + cuts, cuts + [N])]
        if min(vals) < 2 or len(set(vals)) < k:
            continue
        pcts = [Fr(v * 100, N) for v in vals]
        ok_pct = [i for i in range(k) if (pcts[i] * (2 if d >= 4 else 1)).denominator == 1]
        ok_frac = [i for i in range(k) if Fr(vals[i], N).denominator < N]
        if ok_pct and ok_frac and set(ok_pct) | set(ok_frac) and len(set(ok_pct + ok_frac)) >= 2:
            i = rng.choice(ok_pct)
            js = [j for j in ok_frac if j != i]
            if js:
                j = rng.choice(js)
                break
    topic = head.lower()
    body = [P('%d pupils were asked about their %s. The table shows the results.' % (
        N, topic.replace('favourite', 'favourite') if 'Way' not in head else 'way of travelling to school'))]
    if 'Way' in head:
        body = [P('%d pupils were asked how they travel to school. The table shows the results.' % N)]
    body += ['<table class="data">', '<tr><th>%s</th><th>Number of pupils</th></tr>' % head]
    for c, v in zip(cats, vals):
        body.append('<tr><td>%s</td><td>%d</td></tr>' % (c, v))
    body.append('</table>')
    verb = 'chose' if 'Way' not in head else 'travel by'
    def who(c):
        if 'Way' in head:
            return 'walk' if c == 'Walk' else 'travel by %s' % c.lower()
        return 'chose %s' % c.lower() if head != 'Favourite colour' else 'chose %s' % c.lower()
    body.append(part('a', 'What percentage of the pupils %s?' % who(cats[i])))
    body.append(part('b', 'What fraction of the pupils %s? Give your answer in its simplest form.' % who(cats[j])))
    answers = [('M', 1, pkey(pcts[i])), ('F', 1, fkey(Fr(vals[j], N)))]
    if d >= 3:
        rest = [c for c in range(k) if c not in (i, j)]
        c = rng.choice(rest)
        p_not = 100 - pcts[c]
        if (p_not * 10).denominator == 1:
            body.append(part('c', 'What percentage of the pupils did not %s?' % who(cats[c]).replace('chose', 'choose')))
            answers.append(('M', 1, pkey(p_not)))
    return Question(body, answers, 'Use the table to answer each part.')


def t5_mixed_rate(rng, d):
    pick = rng.choice([t5_speed, t5_flow, t5_work_rate])
    return pick(rng, d)


def t5_plan(d):
    plan = ['pct_of', 'frac_to_pct', 'pct_to_frac', 'dec_pct', 'as_pct', 'pct_ctx', 'compare_mc',
            'convert_parts', 'as_pct_ctx', 'discount', 'increase', 'pct_remaining',
            'pct_ctx_c' if d <= 2 else 'pct_change',
            'savings' if d <= 3 else 'reverse',
            'unit_cost', 'work_rate', 'better_value', 'speed', 'speed', 'flow',
            'mean', 'mean_ctx', 'total_from_mean', 'missing_from_mean', 'mean_mc', 'table',
            'table_pct', 'mean_ctx' if d <= 2 else 'new_mean', 'discount2',
            'pct_ctx' if d <= 3 else ('savings' if d == 4 else 'pct_of_pct'),
            'dec_pct', 'mixed_rate']
    return plan


T5_BUILDERS = {
    'pct_of': t5_pct_of,
    'frac_to_pct': t5_frac_to_pct,
    'pct_to_frac': t5_pct_to_frac,
    'dec_pct': t5_dec_pct,
    'as_pct': t5_as_pct,
    'as_pct_ctx': lambda rng, d: t5_as_pct(rng, d, ctx=True),
    'pct_ctx': lambda rng, d: t5_pct_ctx(rng, d, complement=False),
    'pct_ctx_c': lambda rng, d: t5_pct_ctx(rng, d, complement=True),
    'compare_mc': t5_compare_mc,
    'convert_parts': t5_convert_parts,
    'discount': lambda rng, d: t5_discount(rng, d, two_part=False),
    'discount2': lambda rng, d: t5_discount(rng, d, two_part=d <= 4, twice=d == 5),
    'increase': t5_increase,
    'pct_change': t5_pct_change,
    'reverse': t5_reverse,
    'pct_remaining': t5_pct_remaining,
    'savings': t5_savings,
    'pct_of_pct': t5_pct_of_pct,
    'unit_cost': t5_unit_cost,
    'better_value': t5_better_value,
    'speed': t5_speed,
    'flow': t5_flow,
    'work_rate': t5_work_rate,
    'mean': lambda rng, d: t5_mean(rng, d, ctx=False),
    'mean_ctx': lambda rng, d: t5_mean(rng, d, ctx=True),
    'missing_from_mean': t5_missing_from_mean,
    'total_from_mean': t5_total_from_mean,
    'new_mean': t5_new_mean,
    'mean_mc': t5_mean_mc,
    'table': t5_table,
    'table_pct': t5_table_pct,
    'mixed_rate': t5_mixed_rate,
}


# ---------------------------------------------------------------------------
# Topic 6: Area and Volume
# ---------------------------------------------------------------------------

def fig(qid, alt, suffix=''):
    return '<div class="figure"><img src="figures/q%d%s.svg" alt="%s"></div>' % (qid, suffix, xesc(alt))


def retry(builder):
    """Figures whose labels would collide raise AssertionError; such questions are drawn again."""
    def run(rng, d, qid, **kw):
        for _ in range(500):
            try:
                return builder(rng, d, qid, **kw)
            except AssertionError as e:
                if 'labels overlap' not in str(e) and 'outside the picture' not in str(e):
                    raise
        raise RuntimeError('could not place labels for %s' % builder.__name__)
    run.__name__ = builder.__name__
    return run


def q_fig(qid, svg_text, alt, text_lines, answers, instruction):
    body = [P(t) if not t.startswith('<') else t for t in text_lines[:1]]
    body.append(fig(qid, alt))
    body += [P(t) if not t.startswith('<') else t for t in text_lines[1:]]
    return Question(body, answers, instruction, {'q%d.svg' % qid: svg_text})


def grid_svg(cells, gw, gh, cell=24):
    m = 12
    svg = Svg(gw * cell + 2 * m, gh * cell + 2 * m)
    for (x, y) in cells:
        svg.rect(m + x * cell, m + y * cell, cell, cell, fill=GREY, width=0, stroke='none')
    for i in range(gw + 1):
        svg.line(m + i * cell, m, m + i * cell, m + gh * cell, width=0.8)
    for j in range(gh + 1):
        svg.line(m, m + j * cell, m + gw * cell, m + j * cell, width=0.8)
    st = set(cells)
    for (x, y) in cells:
        X, Y = m + x * cell, m + y * cell
        if (x, y - 1) not in st:
            svg.line(X, Y, X + cell, Y, width=2.5)
        if (x, y + 1) not in st:
            svg.line(X, Y + cell, X + cell, Y + cell, width=2.5)
        if (x - 1, y) not in st:
            svg.line(X, Y, X, Y + cell, width=2.5)
        if (x + 1, y) not in st:
            svg.line(X + cell, Y, X + cell, Y + cell, width=2.5)
    return svg.render()


def connected(cells):
    st = set(cells)
    start = next(iter(st))
    seen = {start}
    todo = [start]
    while todo:
        x, y = todo.pop()
        for c in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if c in st and c not in seen:
                seen.add(c)
                todo.append(c)
    return len(seen) == len(st)


def no_holes(cells, gw, gh):
    st = set(cells)
    outside = {(-1, -1)}
    todo = [(-1, -1)]
    while todo:
        x, y = todo.pop()
        for c in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if -1 <= c[0] <= gw and -1 <= c[1] <= gh and c not in st and c not in outside:
                outside.add(c)
                todo.append(c)
    return len(outside) + len(st) == (gw + 2) * (gh + 2)


def t6_grid(rng, d, qid):
    gw, gh = 12, 7
    for _ in range(100000):
        cells = set()
        for k in range(2 if d == 1 else 3):
            w, h = rng.randrange(2, 6), rng.randrange(1 if k else 2, 5)
            x, y = rng.randrange(0, gw - w + 1), rng.randrange(0, gh - h + 1)
            cells |= {(x + i, y + j) for i in range(w) for j in range(h)}
        if not (12 <= len(cells) <= 26) or not connected(cells) or not no_holes(cells, gw, gh):
            continue
        xs = [c[0] for c in cells]
        ys = [c[1] for c in cells]
        # keep a border of empty squares and a shape that is not just a rectangle
        if min(xs) < 1 or min(ys) < 1 or max(xs) > gw - 2 or max(ys) > gh - 2:
            continue
        if len(cells) == (max(xs) - min(xs) + 1) * (max(ys) - min(ys) + 1):
            continue
        break
    area = len(cells)
    st = cells
    per = sum(1 for (x, y) in st for c in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)) if c not in st)
    body = [P('The shaded shape is drawn on a grid of 1 cm squares.'),
            fig(qid, 'A shaded shape made of whole squares on a square grid'),
            part('a', 'What is the area of the shape? Give your answer in %s.' % SQ),
            part('b', 'What is the perimeter of the shape? Give your answer in cm.')]
    return Question(body, [('N', 1, str(area)), ('N', 1, str(per))], 'Answer each part.',
                    {'q%d.svg' % qid: grid_svg(cells, gw, gh)})


RECT_THINGS = ['a rectangular rug', 'a rectangular photograph', 'a rectangular flower bed',
               'a rectangular table top', 'a rectangular poster', 'a rectangular playground',
               'a rectangular swimming pool', 'a rectangular sheet of paper']


def rect_dims(rng, d):
    """(length, width, unit, label texts, value in answer unit, answer unit)."""
    if d == 1:
        L, W = rng.randrange(5, 13), rng.randrange(2, 9)
        u = 'cm'
    elif d == 2:
        L, W = rng.randrange(8, 26), rng.randrange(3, 16)
        u = rng.choice(['cm', 'm'])
    elif d == 3:
        L, W = Fr(rng.randrange(9, 31), 2), rng.randrange(3, 13)
        if L.denominator == 1:
            L += Fr(1, 2)
        u = rng.choice(['cm', 'm'])
    elif d == 4:
        # one side given in metres, the other in centimetres
        L = Fr(rng.randrange(11, 30), 10) * 100
        W = rng.randrange(3, 10) * 10 + rng.choice([0, 5])
        return L, Fr(W), 'cm', ['%s m' % fmt(L / 100), '%s cm' % fmt(W)], 'cm'
    else:
        L, W = Fr(rng.randrange(21, 90), 10), Fr(rng.randrange(12, 40), 10)
        u = 'm'
    L, W = Fr(L), Fr(W)
    if W > L:
        L, W = W, L
    if L == W:
        L += 1
    return L, W, u, ['%s %s' % (fmt(L), u), '%s %s' % (fmt(W), u)], u


def rect_svg(L, W, lab_l, lab_w, fill=LIGHT):
    return poly_figure(rect_points(L, W), {0: lab_l, 3: lab_w}, '', fill=fill).render()


def t6_rect_area(rng, d, qid):
    L, W, u, labs, au = rect_dims(rng, d)
    area = L * W
    thing = rng.choice(RECT_THINGS)
    if rng.random() < 0.5:
        first = 'The diagram shows %s.' % thing
    else:
        first = 'The diagram shows a rectangle.'
    lines = [first, 'Find its area. Give your answer in %s.' % sq(au)]
    return q_fig(qid, rect_svg(L, W, labs[0], labs[1]), 'A rectangle %s long and %s wide' % (labs[0], labs[1]),
                 lines, [('N', 2 if d == 4 else 1, fmt(area))], 'Find the area.')


def t6_rect_words(rng, d, qid):
    things = [('swimming pool', 'the bottom of the pool'), ('playground', 'the playground'),
              ('carpet', 'the carpet'), ('vegetable patch', 'the vegetable patch'),
              ('tablecloth', 'the tablecloth'), ('car park', 'the car park')]
    thing, what = rng.choice(things)
    if d == 3:
        L, W = Fr(rng.randrange(12, 40)), Fr(rng.randrange(5, 24), 2)
        if W.denominator == 1:
            W += Fr(1, 2)
    elif d == 4:
        L, W = Fr(rng.randrange(15, 60), 10), Fr(rng.randrange(8, 30), 10)
    else:
        L, W = Fr(rng.randrange(50, 200), 10), Fr(rng.randrange(25, 90), 10)
    if W > L:
        L, W = W, L
    text = ('A rectangular %s is %s m long and %s m wide. What is the area of %s? Give your answer in '
            'm<sup>2</sup>.' % (thing, fmt(L), fmt(W), what))
    return Question([P(text)], [('N', 1, fmt(L * W))], rng.choice(WORK))


def t6_rect_perim(rng, d, qid):
    if d >= 3 and rng.random() < 0.4:
        s = Fr(rng.randrange(7, 40), 2) if d >= 4 else Fr(rng.randrange(4, 20))
        u = rng.choice(['cm', 'm'])
        lab = '%s %s' % (fmt(s), u)
        svg = poly_figure(rect_points(s, s), {0: lab}, u).render()
        lines = ['The diagram shows a square.', 'Find its perimeter. Give your answer in %s.' % u]
        return q_fig(qid, svg, 'A square with sides of %s' % lab, lines, [('N', 1, fmt(4 * s))],
                     'Find the perimeter.')
    L, W, u, labs, au = rect_dims(rng, d)
    per = 2 * (L + W)
    thing = rng.choice(RECT_THINGS)
    lines = ['The diagram shows %s.' % thing,
             'Find its perimeter. Give your answer in %s.' % au]
    return q_fig(qid, rect_svg(L, W, labs[0], labs[1]), 'A rectangle %s long and %s wide' % (labs[0], labs[1]),
                 lines, [('N', 2 if d == 4 else 1, fmt(per))], 'Find the perimeter.')


def t6_square(rng, d, qid):
    u = rng.choice(['cm', 'm'])
    s = Fr(rng.randrange(3, 13 if d <= 3 else 21))
    if d == 5 and rng.random() < 0.5:
        s = Fr(rng.randrange(5, 30), 2)
        if s.denominator == 1:
            s += Fr(1, 2)
    kind = {1: ['side_area', 'side_per'], 2: ['per_area', 'area_side'], 3: ['per_area', 'area_per'],
            4: ['per_area', 'area_per'], 5: ['per_area', 'area_per']}[d]
    kind = rng.choice(kind)
    if kind == 'side_area':
        text = 'A square has sides of %s %s. What is its area? Give your answer in %s.' % (fmt(s), u, sq(u))
        return Question([P(text)], [('N', 1, fmt(s * s))], rng.choice(WORK))
    if kind == 'side_per':
        text = 'A square has sides of %s %s. What is its perimeter? Give your answer in %s.' % (fmt(s), u, u)
        return Question([P(text)], [('N', 1, fmt(4 * s))], rng.choice(WORK))
    if kind == 'area_side':
        text = 'A square has an area of %s %s. How long is each side? Give your answer in %s.' % (fmt(s * s), sq(u), u)
        return Question([P(text)], [('N', 1, fmt(s))], rng.choice(WORK))
    if kind == 'per_area':
        text = rng.choice(['A square has a perimeter of %s %s. Find its area. Give your answer in %s.',
                           'The perimeter of a square garden is %s %s. What is the area of the garden? '
                           'Give your answer in %s.']) % (fmt(4 * s), u, sq(u))
        return Question([P(text)], [('N', 2, fmt(s * s))], rng.choice(WORK))
    text = rng.choice(['A square has an area of %s %s. Find its perimeter. Give your answer in %s.',
                       'A square tile has an area of %s %s. What is the perimeter of the tile? '
                       'Give your answer in %s.']) % (fmt(s * s), sq(u), u)
    return Question([P(text)], [('N', 2, fmt(4 * s))], rng.choice(WORK))


def t6_rect_missing(rng, d, qid):
    letter = rng.choice(['w', 'x', 'y', 'p'])
    u = rng.choice(['cm', 'm'])
    use_per = d >= 3 and rng.random() < 0.5
    while True:
        L = Fr(rng.randrange(6, 16 if d <= 2 else 25))
        W = Fr(rng.randrange(3, 12))
        if d == 5:
            W = Fr(rng.randrange(5, 25), 2)
        if W < L:
            break
    svg = rect_svg(L, W, '%s %s' % (fmt(L), u), letter)
    if use_per:
        text = 'The perimeter of the rectangle is %s %s.' % (fmt(2 * (L + W)), u)
    else:
        text = 'The area of the rectangle is %s %s.' % (fmt(L * W), sq(u))
    lines = [text, 'Find the length marked <i>%s</i>. Give your answer in %s.' % (letter, u)]
    return q_fig(qid, svg, 'A rectangle %s %s long; its width is marked %s' % (fmt(L), u, letter),
                 lines, [('N', 2 if (use_per or d >= 4) else 1, fmt(W))], 'Find the missing length.')


def composite_shape(rng, kind, d):
    """Returns (points, labels for an area question, labels for a perimeter question, area)."""
    big = d >= 4
    if kind == 'L':
        W = rng.randrange(7, 16 if not big else 24)
        H = rng.randrange(6, 13 if not big else 20)
        c = rng.randrange(2, W - 2)
        r = rng.randrange(2, H - 2)
        pts = [(0, 0), (W, 0), (W, r), (c, r), (c, H), (0, H)]
        lab_area = {0: None, 1: None, 4: None, 5: None}
        lab_per = {0: None, 1: None, 4: None, 5: None}
        if d == 1:
            lab_area = {i: None for i in range(6)}
            lab_per = dict(lab_area)
        area = c * H + (W - c) * r
        assert 2 * (W + H) == perimeter(pts)
    elif kind == 'U':
        W = rng.randrange(10, 18 if not big else 26)
        H = rng.randrange(7, 13 if not big else 18)
        x1 = rng.randrange(3, max(4, min(W // 2, W - 6)))
        c = rng.randrange(4, W - x1 - 2)
        e = rng.randrange(3, H - 2)
        x2 = x1 + c
        pts = [(0, 0), (W, 0), (W, H), (x2, H), (x2, H - e), (x1, H - e), (x1, H), (0, H)]
        lab_area = {0: None, 7: None, 4: None, 5: None}
        lab_per = {0: None, 7: None, 5: None, 4: None}
        area = W * H - c * e
        assert perimeter(pts) == 2 * (W + H) + 2 * e
    elif kind == 'T':
        W = rng.randrange(10, 18 if not big else 26)
        h1 = rng.randrange(2, 6)
        s = rng.randrange(3, W - 5)
        a = rng.randrange(2, W - s - 1)
        h2 = rng.randrange(4, 10 if not big else 14)
        pts = [(a, 0), (a + s, 0), (a + s, h2), (W, h2), (W, h2 + h1), (0, h2 + h1), (0, h2), (a, h2)]
        lab_area = {4: None, 3: None, 0: None, 1: None}
        lab_per = {4: None, 5: None, 7: None, 0: None, 6: None}
        area = W * h1 + s * h2
        assert perimeter(pts) == 2 * W + 2 * h1 + 2 * h2
    else:   # two corners cut away
        W = rng.randrange(12, 26)
        H = rng.randrange(9, 18)
        r1 = rng.randrange(2, H - 4)
        c1 = rng.randrange(2, W // 2 - 1)
        r2 = rng.randrange(2, H - 4)
        c2 = rng.randrange(2, W // 2 - 1)
        pts = [(0, 0), (W, 0), (W, r1), (W - c1, r1), (W - c1, H), (c2, H), (c2, H - r2), (0, H - r2)]
        # the step on the left is left unlabelled: its lengths follow from the others
        lab_area = {0: None, 1: None, 2: None, 3: None, 4: None, 7: None}
        lab_per = dict(lab_area)
        area = W * H - c1 * (H - r1) - c2 * r2
        assert perimeter(pts) == 2 * (W + H)
    assert shoelace(pts) == area
    return pts, lab_area, lab_per, Fr(area)


def comp_kind(d, second=False):
    if d == 1:
        return 'L'
    if d == 2:
        return 'U' if second else 'L'
    if d == 3:
        return 'T' if second else 'U'
    if d == 4:
        return 'step' if second else 'T'
    return 'U' if second else 'step'


@retry
def t6_comp_area(rng, d, qid, second=False):
    kind = comp_kind(d, second)
    pts, lab_area, _, area = composite_shape(rng, kind, d)
    u = 'm' if (d >= 2 and rng.random() < 0.5) else 'cm'
    svg = poly_figure(pts, lab_area, u).render()
    ctx = rng.choice(['The diagram shows a shape made from rectangles.',
                      'The diagram shows the plan of a room.' if u == 'm' else
                      'The diagram shows a shape cut from a sheet of card.',
                      'The diagram shows a garden.' if u == 'm' else 'The diagram shows a shape.'])
    lines = [ctx + ' All the corners are right angles.',
             'Find the area of the shape. Give your answer in %s.' % sq(u)]
    return q_fig(qid, svg, 'A shape with right-angled corners made from rectangles, with its lengths marked',
                 lines, [('N', 1 if d == 1 else 2, fmt(area))], 'Find the area.')


@retry
def t6_comp_perim(rng, d, qid):
    kind = {1: 'L', 2: 'L', 3: 'U', 4: 'T', 5: 'step'}[d]
    pts, _, lab_per, _ = composite_shape(rng, kind, d)
    u = 'm' if (d >= 3 and rng.random() < 0.5) else 'cm'
    svg = poly_figure(pts, lab_per, u).render()
    lines = ['The diagram shows a shape made from rectangles. All the corners are right angles.',
             'Find the perimeter of the shape. Give your answer in %s.' % u]
    return q_fig(qid, svg, 'A shape with right-angled corners made from rectangles, with its lengths marked',
                 lines, [('N', 1 if d == 1 else 2, fmt(perimeter(pts)))], 'Find the perimeter.')


def _triples():
    out = []
    for a in range(1, 41):
        for h in range(1, 41):
            c = math.isqrt(a * a + h * h)
            if c * c == a * a + h * h:
                out.append((a, h, c))
    return out


TRIPLES = _triples()


def triangle_svg(b, h, p, unit, lab_b, lab_h, side_labels=(), maxw=220, maxh=165):
    """Triangle with base (0,0)-(b,0) and apex (p,h); the height is drawn dashed.

    side_labels: list of ('left' | 'right', text) for the sloping sides.
    """
    b, h, p = float(b), float(h), float(p)
    x_lo, x_hi = min(0.0, p), max(b, p)
    s = min(maxw / (x_hi - x_lo), maxh / h)
    ml, mr, mt, mb = 70, 70, 20, 34
    svg = Svg(ml + (x_hi - x_lo) * s + mr, mt + h * s + mb)

    def px(x, y):
        return (ml + (x - x_lo) * s, mt + (h - y) * s)
    A, B, C = px(0, 0), px(b, 0), px(p, h)
    F = px(p, 0)
    svg.polygon([A, B, C], fill=LIGHT)
    if p < 0:
        svg.line(*F, *A, dash=True, width=1.2)
    if p > b:
        svg.line(*B, *F, dash=True, width=1.2)
    if 0 < p < b or p < 0 or p > b:
        svg.line(*C, *F, dash=True, width=1.5)
    # right-angle mark at the foot of the height
    if p <= 0:
        svg.right_angle(F[0], F[1], 1, -1)
    elif p >= b:
        svg.right_angle(F[0], F[1], -1, -1)
    else:
        svg.right_angle(F[0], F[1], 1 if p < b / 2 else -1, -1)
    svg.text((A[0] + B[0]) / 2, A[1] + 20, lab_b)
    # height label
    my = (C[1] + F[1]) / 2 + 5
    w = text_width(lab_h)
    if p <= 0:
        svg.text(F[0] - 8, my, lab_h, anchor='end')
    elif p >= b:
        svg.text(F[0] + 8, my, lab_h, anchor='start')
    else:
        left_room = (p / 2) * s      # distance from the left side to the height line at mid-height
        if left_room > w + 16:
            svg.text(F[0] - 6, my, lab_h, anchor='end')
        else:
            assert ((b - p) / 2) * s > w + 16, 'labels overlap'
            svg.text(F[0] + 6, my, lab_h, anchor='start')
    for side, txt in side_labels:
        if side == 'left':
            edge_label(svg, C, A, txt)
        else:
            edge_label(svg, B, C, txt)
    return svg


@retry
def t6_triangle(rng, d, qid, style=None):
    u = 'cm' if d <= 3 or rng.random() < 0.5 else 'm'
    if style is None:
        style = {1: 'right', 2: 'acute', 3: rng.choice(['acute_sides', 'obtuse']),
                 4: 'obtuse_sides', 5: rng.choice(['obtuse_sides', 'acute_sides'])}[d]
    sides = []
    if style == 'right':
        b, h = rng.randrange(4, 15), rng.randrange(3, 13)
        p = 0
    elif style == 'acute':
        b, h = rng.randrange(6, 17), rng.randrange(4, 13)
        p = rng.randrange(2, b - 1)
    elif style == 'obtuse':
        b, h = rng.randrange(5, 13), rng.randrange(4, 11)
        p = b + rng.randrange(2, 6)
    elif style == 'acute_sides':
        hs = sorted(set(t[1] for t in TRIPLES if t[1] <= 24 and
                        len([u_ for u_ in TRIPLES if u_[1] == t[1] and u_[0] <= 24]) >= 2))
        h = rng.choice(hs)
        choices = [t for t in TRIPLES if t[1] == h and t[0] <= 24]
        t1, t2 = rng.sample(choices, 2)
        p, b = t1[0], t1[0] + t2[0]
        sides = [('left', '%d %s' % (t1[2], u)), ('right', '%d %s' % (t2[2], u))]
    else:
        combos = [(t1, t2) for t1 in TRIPLES for t2 in TRIPLES
                  if t1[1] == t2[1] and t1[0] > t2[0] + 2 and t1[0] <= 30 and t1[1] <= 24]
        t1, t2 = rng.choice(combos)
        h, p, b = t1[1], t1[0], t1[0] - t2[0]
        sides = [('left', '%d %s' % (t1[2], u))]
    if d <= 2 and (b * h) % 2:
        b += 1
    area = Fr(b * h, 2)
    svg = triangle_svg(b, h, p, u, '%d %s' % (b, u), '%d %s' % (h, u), sides)
    # check the drawn sloping sides against the numbers written beside them
    for side, txt in sides:
        n = int(txt.split()[0])
        dx = p if side == 'left' else p - b
        assert dx * dx + h * h == n * n
    svg_text = svg.render()
    ask = rng.choice(['Find the area of the triangle.', 'What is the area of this triangle?',
                      'Work out the area of the triangle.'])
    body = [fig(qid, 'A triangle with base %d %s and height %d %s drawn as a dashed line' % (b, u, h, u)),
            P('%s Give your answer in %s.' % (ask, sq(u)))]
    return Question(body, [('N', 1 if d <= 2 else 2, fmt(area))], 'Find the area of the triangle.',
                    {'q%d.svg' % qid: svg_text})


@retry
def t6_tri_missing(rng, d, qid):
    u = rng.choice(['cm', 'm'])
    letter = rng.choice(['h', 'k'])
    b, h = rng.randrange(5, 17), rng.randrange(4, 14)
    if d <= 3 and (b * h) % 2:
        b += 1
    p = rng.randrange(2, b - 1) if rng.random() < 0.6 else 0
    svg = triangle_svg(b, h, p, u, '%d %s' % (b, u), letter)
    area = Fr(b * h, 2)
    lines = ['The area of the triangle is %s %s.' % (fmt(area), sq(u)),
             'Find the height marked <i>%s</i>. Give your answer in %s.' % (letter, u)]
    return q_fig(qid, svg.render(), 'A triangle with base %d %s; its height is marked %s' % (b, u, letter),
                 lines, [('N', 2, fmt(h))], 'Find the missing length.')


@retry
def t6_tri_in_rect(rng, d, qid):
    u = rng.choice(['cm', 'm'])
    if d <= 3:
        W, H = rng.randrange(6, 19), rng.randrange(4, 13)
        if d <= 2 and (W * H) % 2:
            W += 1
        p = Fr(rng.randrange(2 * W // 5, 8 * W // 5 + 1), 2)
        tri = [(0, 0), (W, 0), (p, H)]
        sv = poly_figure(rect_points(W, H), {0: None, 3: None}, u, fill='white')
        # shade the triangle: redraw it on the picture
        pts = [sv.px(q) for q in tri]
        sv.el.insert(1, '<polygon points="%s" fill="%s" stroke="black" stroke-width="2"/>'
                     % (' '.join('%.1f,%.1f' % q for q in pts), GREY))
        sv.el.append('<polygon points="%s" fill="none" stroke="black" stroke-width="2"/>'
                     % ' '.join('%.1f,%.1f' % q for q in pts))
        area = Fr(W * H, 2)
        lines = ['The diagram shows a rectangle. One corner of the shaded triangle lies on the top side '
                 'of the rectangle.', 'Find the area of the shaded triangle. Give your answer in %s.' % sq(u)]
        return q_fig(qid, sv.render(), 'A rectangle %d %s by %d %s with a shaded triangle on its bottom side'
                     % (W, u, H, u), lines, [('N', 2, fmt(area))], 'Find the shaded area.')
    W, H = rng.randrange(14, 21), rng.randrange(7, 14)
    a, b = rng.randrange(3, W - 4), rng.randrange(2, H - 3)
    if d == 4 and (a * b) % 2:
        a += 1
    pent = [(0, 0), (W, 0), (W, H - b), (W - a, H), (0, H)]
    sv = poly_figure(pent, {0: None, 4: None}, u, fill=GREY)
    def px(x, y):
        return sv.px((x, y))
    sv.line(*px(W, H - b), *px(W, H), dash=True, width=1.5)
    sv.line(*px(W - a, H), *px(W, H), dash=True, width=1.5)
    edge_label(sv, px(W, H), px(W - a, H), '%d %s' % (a, u))
    edge_label(sv, px(W, H - b), px(W, H), '%d %s' % (b, u))
    area = Fr(W * H) - Fr(a * b, 2)
    assert shoelace(pent) == area
    lines = ['A right-angled triangle is cut from one corner of a rectangle, as shown by the dashed '
             'lines. The shaded part is left.',
             'Find the area of the shaded part. Give your answer in %s.' % sq(u)]
    return q_fig(qid, sv.render(), 'A rectangle %d %s by %d %s with a triangle cut from its top right corner'
                 % (W, u, H, u), lines, [('N', 2, fmt(area))], 'Find the shaded area.')


@retry
def t6_shaded_rect(rng, d, qid):
    u = rng.choice(['cm', 'm'])
    W, H = rng.randrange(10, 25), rng.randrange(7, 16)
    w, h = rng.randrange(4, W - 3), rng.randrange(3, H - 2)
    x, y = rng.randrange(1, W - w), rng.randrange(1, H - h)
    if d >= 4:
        W, w = W + Fr(1, 2), w + Fr(1, 2)
    hole = rect_points(w, h, x, y)
    sv = poly_figure(rect_points(W, H), {0: None, 3: None}, u, fill=GREY, holes=[hole])
    px = sv.px
    # labels of the white rectangle, written inside it
    edge_label(sv, px((x + w, y)), px((x, y)), '%s %s' % (fmt(w), u))
    edge_label(sv, px((x, y)), px((x, y + h)), '%s %s' % (fmt(h), u))
    area = W * H - w * h
    ctx = rng.choice([('A rectangular hole is cut out of a rectangular piece of card. The card that is '
                       'left is shaded.', 'Find the area of the shaded card.'),
                      ('A rectangular garden has a rectangular pond in it. The lawn around the pond is '
                       'shaded.', 'Find the area of the lawn.'),
                      ('A white rectangle is drawn inside a larger rectangle. The rest of the large '
                       'rectangle is shaded.', 'Find the shaded area.')])
    if u == 'cm' and 'garden' in ctx[0]:
        u = 'm'
        return t6_shaded_rect(rng, d, qid)
    lines = [ctx[0], '%s Give your answer in %s.' % (ctx[1], sq(u))]
    return q_fig(qid, sv.render(), 'A shaded rectangle %s %s by %s %s with a white rectangle %s %s by %s %s inside it'
                 % (fmt(W), u, fmt(H), u, fmt(w), u, fmt(h), u), lines, [('N', 2, fmt(area))],
                 'Find the shaded area.')


@retry
def t6_path(rng, d, qid):
    inside = d >= 4 and rng.random() < 0.5
    if d <= 2:
        u = 'cm'
        L, W = rng.randrange(10, 31), rng.randrange(8, 21)
        p = rng.choice([1, 2, 3])
    else:
        u = 'm'
        L, W = rng.randrange(8, 25), rng.randrange(5, 16)
        p = rng.choice([1, 2]) if d < 5 else rng.choice([1, 2, Fr(3, 2)])
        if p == Fr(3, 2):
            L, W = L + Fr(1, 2) * 0, W
    L, W, p = Fr(L), Fr(W), Fr(p)
    if inside:
        OW, OH = L, W
        IW, IH = L - 2 * p, W - 2 * p
    else:
        OW, OH = L + 2 * p, W + 2 * p
        IW, IH = L, W
    hole = rect_points(IW, IH, p, p)
    if inside:
        sv = poly_figure(rect_points(OW, OH), {0: None, 3: None}, u, fill=GREY, holes=[hole])
    else:
        sv = poly_figure(rect_points(OW, OH), {}, u, fill=GREY, holes=[hole])
    px = sv.px
    if not inside:
        edge_label(sv, px((p + IW, p)), px((p, p)), '%s %s' % (fmt(IW), u))
        edge_label(sv, px((p, p)), px((p, p + IH)), '%s %s' % (fmt(IH), u))
    # the width of the path, marked across the top strip
    xm = float(OW) * 0.75
    a, b = px((xm, OH)), px((xm, OH - p))
    sv.line(a[0], a[1], b[0], b[1], width=1.2)
    sv.line(b[0] - 4, b[1], b[0] + 4, b[1], width=1.2)
    sv.text(a[0], a[1] - 6, '%s %s' % (fmt(p), u))
    path_area = OW * OH - IW * IH
    if d <= 2:
        lines = ['A picture %s %s by %s %s has a frame %s %s wide all the way round it. The frame is shaded.'
                 % (fmt(IW), u, fmt(IH), u, fmt(p), u),
                 'Find the area of the frame. Give your answer in %s.' % sq(u)]
        alt = 'A picture with a shaded frame around it'
    elif inside:
        lines = ['A rectangular field measures %s m by %s m. A path %s m wide runs along the inside of '
                 'its edges. The path is shaded.' % (fmt(OW), fmt(OH), fmt(p)),
                 'Find the area of the path. Give your answer in %s.' % sq(u)]
        alt = 'A rectangular field with a shaded path along the inside of its edges'
    else:
        lines = ['A rectangular lawn measures %s m by %s m. A path %s m wide goes all the way round the '
                 'outside of the lawn. The path is shaded.' % (fmt(IW), fmt(IH), fmt(p)),
                 'Find the area of the path. Give your answer in %s.' % sq(u)]
        alt = 'A rectangular lawn with a shaded path all the way round it'
    return q_fig(qid, sv.render(), alt, lines, [('N', 2, fmt(path_area))], 'Find the shaded area.')


def t6_area_perim_word(rng, d, qid):
    u = rng.choice(['cm', 'm'])
    L = Fr(rng.randrange(6, 20 + 5 * d))
    W = Fr(rng.randrange(3, int(L)))
    if d == 1:
        thing = rng.choice(['garden', 'playground', 'car park', 'field'])
        if rng.random() < 0.5:
            text = ('A rectangular %s is %s m long and %s m wide. What is its perimeter? Give your '
                    'answer in m.' % (thing, fmt(L), fmt(W)))
            return Question([P(text)], [('N', 1, fmt(2 * (L + W)))], rng.choice(WORK))
        text = ('A rectangular %s is %s m long and %s m wide. What is its area? Give your answer in '
                'm<sup>2</sup>.' % (thing, fmt(L), fmt(W)))
        return Question([P(text)], [('N', 1, fmt(L * W))], rng.choice(WORK))
    if d == 2:
        text = ('A rectangle has a perimeter of %s %s. Its length is %s %s. How wide is it? Give your '
                'answer in %s.' % (fmt(2 * (L + W)), u, fmt(L), u, u))
        return Question([P(text)], [('N', 2, fmt(W))], rng.choice(WORK))
    if d == 3:
        text = ('A rectangle has a perimeter of %s %s. Its length is %s %s. Find its area. Give your '
                'answer in %s.' % (fmt(2 * (L + W)), u, fmt(L), u, sq(u)))
        return Question([P(text)], [('N', 2, fmt(L * W))], rng.choice(WORK))
    if d == 4:
        thing = 'card' if u == 'cm' else rng.choice(['field', 'garden', 'car park'])
        text = ('A rectangular %s has an area of %s %s. It is %s %s wide. What is its perimeter? '
                'Give your answer in %s.' % (thing, fmt(L * W), sq(u), fmt(W), u, u))
        return Question([P(text)], [('N', 2, fmt(2 * (L + W)))], rng.choice(WORK))
    while (L + W) % 2:
        W = Fr(rng.randrange(3, int(L)))
    side = (L + W) / 2
    text = ('A square has the same perimeter as a rectangle that measures %s %s by %s %s. What is the '
            'area of the square? Give your answer in %s.' % (fmt(L), u, fmt(W), u, sq(u)))
    return Question([P(text)], [('N', 2, fmt(side * side))], rng.choice(WORK))


def t6_tiles(rng, d, qid):
    if d == 1:
        t = rng.choice([2, 3, 4])
        a, b = rng.randrange(2, 7) * t, rng.randrange(2, 6) * t
        text = ('How many squares with sides of %d cm are needed to cover a rectangle %d cm long and '
                '%d cm wide with no gaps or overlaps?' % (t, a, b))
        return Question([P(text)], [('N', 2, fmt((a // t) * (b // t)))], rng.choice(WORK))
    if d == 2:
        a, b = rng.randrange(4, 9), rng.randrange(2, 5)
        c = rng.randrange(8, 30)
        text = ('A room has a rectangular floor %d m long and %d m wide. Carpet costs %s per square '
                'metre. How much does it cost to carpet the whole floor? Give your answer in pounds.'
                % (a, b, money(c)))
        return Question([P(text)], [('N', 2, fmt(a * b * c))], rng.choice(WORK))
    if d == 3:
        t = rng.choice([20, 25, 50])
        a, b = rng.randrange(2, 7) * 100, rng.randrange(2, 6) * 100
        if rng.random() < 0.5:
            a += 50 if t in (25, 50) else 40
        text = ('A floor is %s m long and %s m wide. It is covered with square tiles with sides of %d '
                'cm. How many tiles are needed?' % (fmt(Fr(a, 100)), fmt(Fr(b, 100)), t))
        assert a % t == 0 and b % t == 0
        return Question([P(text)], [('N', 2, fmt((a // t) * (b // t)))], rng.choice(WORK))
    if d == 4:
        for _ in range(1000):
            t = rng.choice([20, 25, 30, 40])
            a, b = rng.randrange(10, 40) * 10, rng.randrange(10, 30) * 10
            if a % t or b % t:
                continue
            n = (a // t) * (b // t)
            if n % 10 == 0:
                break
        price = Fr(rng.randrange(40, 200) * 5, 100)
        text = ('A wall %s m wide and %s m high is covered with square tiles with sides of %d cm. The '
                'tiles are sold in boxes of 10, and a box costs %s. How much do the tiles for the wall '
                'cost? Give your answer in pounds.' % (fmt(Fr(a, 100)), fmt(Fr(b, 100)), t, money(price)))
        return Question([P(text)], [('N', 2, fmt(n // 10 * price))], rng.choice(WORK))
    for _ in range(1000):
        t = rng.choice([30, 40, 50, 60])
        a, b = rng.randrange(10, 70) * 10, rng.randrange(10, 50) * 10
        if a % t == 0 and b % t == 0:
            break
    price = Fr(rng.randrange(100, 400, 5), 100)
    n = (a // t) * (b // t)
    text = ('A rectangular floor measures %s m by %s m. It is covered with square tiles with sides of '
            '%d cm. Each tile costs %s. What is the total cost of the tiles? Give your answer in pounds.'
            % (fmt(Fr(a, 100)), fmt(Fr(b, 100)), t, money(price)))
    return Question([P(text)], [('N', 2, fmt(n * price))], rng.choice(WORK))


def t6_fence_paint(rng, d, qid):
    if d == 1:
        a, b = rng.randrange(12, 60), rng.randrange(8, 40)
        text = ('A rectangular field is %d m long and %d m wide. How many metres of fencing are needed '
                'to go all the way round it? Give your answer in m.' % (a, b))
        return Question([P(text)], [('N', 1, fmt(2 * (a + b)))], rng.choice(WORK))
    if d == 2:
        a, b = rng.randrange(8, 30), rng.randrange(5, 20)
        c = rng.randrange(3, 16)
        text = ('A farmer puts a fence around a rectangular pen %d m long and %d m wide. The fence '
                'costs %s per metre. How much does the fence cost? Give your answer in pounds.'
                % (a, b, money(c)))
        return Question([P(text)], [('N', 2, fmt(2 * (a + b) * c))], rng.choice(WORK))
    if d == 3:
        a, b = rng.randrange(4, 9), rng.randrange(3, 5)
        dw, dh = 1, 2
        text = ('A wall is %d m long and %d m high. It has a door %d m wide and %d m high. The wall is '
                'painted but the door is not. What area is painted? Give your answer in m<sup>2</sup>.'
                % (a, b, dw, dh))
        return Question([P(text)], [('N', 2, fmt(a * b - dw * dh))], rng.choice(WORK))
    if d == 4:
        for _ in range(1000):
            a, b = rng.randrange(4, 13), rng.randrange(3, 6)
            cover = rng.choice([5, 6, 8, 10, 12])
            if (a * b) % cover == 0:
                break
        text = ('One litre of paint covers %d m<sup>2</sup>. How many litres of paint are needed to '
                'paint a wall %d m long and %d m high once?' % (cover, a, b))
        return Question([P(text)], [('N', 2, fmt(Fr(a * b, cover)))], rng.choice(WORK))
    a, b = rng.randrange(6, 20), rng.randrange(4, 12)
    g = rng.choice([25, 30, 40, 45, 50, 60])
    text = ('A rectangular lawn is %d m long and %d m wide. A gardener spreads %d g of grass seed on '
            'each square metre. How many kilograms of seed does the gardener use? Give your answer in kg.'
            % (a, b, g))
    return Question([P(text)], [('N', 2, fmt(Fr(a * b * g, 1000)))], rng.choice(WORK))


def t6_compare_mc(rng, d, qid):
    kind = rng.choice(['area', 'perimeter'])
    for _ in range(10000):
        shapes = []
        seen = set()
        while len(shapes) < 4:
            t = rng.choice(['rect', 'square', 'tri'] if kind == 'area' else ['rect', 'square'])
            if t == 'rect':
                a, b = rng.randrange(3, 13), rng.randrange(2, 10)
                if a == b:
                    continue
                desc = 'a rectangle %d cm long and %d cm wide' % (max(a, b), min(a, b))
                val = a * b if kind == 'area' else 2 * (a + b)
            elif t == 'square':
                a = rng.randrange(3, 11)
                desc = 'a square with sides of %d cm' % a
                val = a * a if kind == 'area' else 4 * a
            else:
                a, b = rng.randrange(4, 15), rng.randrange(3, 12)
                if (a * b) % 2:
                    continue
                desc = 'a triangle with a base of %d cm and a height of %d cm' % (a, b)
                val = Fr(a * b, 2)
            if desc in seen:
                continue
            seen.add(desc)
            shapes.append((val, desc))
        vals = sorted(v for v, _ in shapes)
        if len(set(vals)) < 4 or vals[-1] - vals[-2] > (6 if d <= 2 else 3):
            continue
        if kind == 'area' and d >= 3 and not any('triangle' in s for _, s in shapes):
            continue
        break
    best = max(shapes)
    html, key = mc(rng, best[1], [s for v, s in shapes if s != best[1]])
    q = 'Which of these shapes has the greatest %s?' % kind
    return Question([P(q)] + html, [('Q', 1, key)], 'Choose the correct answer.')


def t6_vol_mc(rng, d, qid):
    for _ in range(10000):
        boxes = []
        seen = set()
        while len(boxes) < 4:
            if rng.random() < 0.25:
                a = rng.randrange(3, 9)
                dims = (a, a, a)
                desc = 'a cube with edges of %d cm' % a
            else:
                dims = tuple(sorted((rng.randrange(2, 13) for _ in range(3)), reverse=True))
                if len(set(dims)) == 1:
                    continue
                desc = 'a cuboid %d cm by %d cm by %d cm' % dims
            if desc in seen:
                continue
            seen.add(desc)
            boxes.append((dims[0] * dims[1] * dims[2], desc))
        vals = sorted(v for v, _ in boxes)
        if len(set(vals)) == 4 and vals[-1] - vals[-2] <= (40 if d <= 2 else 15) \
                and vals[-1] - vals[-2] >= 2:
            break
    kind = rng.choice(['greatest', 'smallest'])
    target = max(boxes) if kind == 'greatest' else min(boxes)
    if kind == 'smallest' and vals[1] - vals[0] > 30:
        kind = 'greatest'
        target = max(boxes)
    html, key = mc(rng, target[1], [s for v, s in boxes if s != target[1]])
    return Question([P('Which of these boxes has the %s volume?' % kind)] + html, [('Q', 1, key)],
                    'Choose the correct answer.')


def t6_unit_cubes(rng, d, qid):
    if d <= 2:
        L, W, H = rng.randrange(2, 6), rng.randrange(2, 5), rng.randrange(2, 5)
        svg = cuboid_svg(L, W, H, {}, grid=True, maxw=200, maxh=150)
        body = [P('This cuboid is built from 1 cm cubes.'),
                fig(qid, 'A cuboid built from small cubes, %d long, %d deep and %d high' % (L, W, H)),
                P('What is the volume of the cuboid? Give your answer in %s.' % CU)]
        return Question(body, [('N', 1, str(L * W * H))], 'Find the volume.', {'q%d.svg' % qid: svg})
    if d == 3 or rng.random() < 0.5:
        e = rng.randrange(3, 13)
        text = ('One face of a cube has an area of %d %s. What is the volume of the cube? Give your '
                'answer in %s.' % (e * e, SQ, CU))
        return Question([P(text)], [('N', 2, fmt(e ** 3))], rng.choice(WORK))
    e = rng.randrange(3, 13)
    text = ('The total length of all the edges of a cube is %d cm. What is the volume of the cube? Give '
            'your answer in %s.' % (12 * e, CU))
    return Question([P(text)], [('N', 2, fmt(e ** 3))], rng.choice(WORK))


def t6_cube_volume(rng, d, qid):
    if d == 5:
        e = rng.choice([10, 20, 30, 40, 50])
        svg = cuboid_svg(e, e, e, {'L': '%d cm' % e})
        lines = ['The diagram shows a cube-shaped tank. It is full of water.',
                 'How many litres of water does it hold? (1 litre = 1000 %s)' % CU]
        return q_fig(qid, svg, 'A cube with edges of %d cm' % e, lines,
                     [('N', 2, fmt(Fr(e ** 3, 1000)))], 'Find the volume.')
    e = rng.randrange(*{1: (2, 7), 2: (5, 11), 3: (7, 13), 4: (11, 16)}[d])
    u = 'cm'
    svg = cuboid_svg(e, e, e, {'L': '%d %s' % (e, u)})
    lines = ['The diagram shows a cube.', 'Find its volume. Give your answer in %s.' % cu(u)]
    return q_fig(qid, svg, 'A cube with edges of %d %s' % (e, u), lines, [('N', 1, fmt(e ** 3))],
                 'Find the volume.')


def cuboid_dims(rng, d):
    if d == 1:
        return [Fr(rng.randrange(3, 10)), Fr(rng.randrange(2, 7)), Fr(rng.randrange(2, 8))], 'cm', None
    if d == 2:
        return [Fr(rng.randrange(6, 16)), Fr(rng.randrange(3, 10)), Fr(rng.randrange(3, 12))], 'cm', None
    if d == 3:
        dims = [Fr(rng.randrange(6, 16)), Fr(rng.randrange(4, 10)), Fr(rng.randrange(5, 25), 2)]
        if dims[2].denominator == 1:
            dims[2] += Fr(1, 2)
        if (dims[0] * dims[1] * dims[2]).denominator != 1:
            dims[0] += 1
        return dims, 'cm', None
    if d == 4:
        L = Fr(rng.randrange(10, 17), 10)
        return [L * 100, Fr(rng.randrange(4, 9) * 10), Fr(rng.randrange(3, 8) * 10)], 'cm', 'm'
    dims = [Fr(rng.randrange(15, 40), 10), Fr(rng.randrange(8, 20), 10), Fr(rng.randrange(5, 15), 10)]
    return dims, 'm', None


def cuboid_labels(dims, u, mixed):
    L, W, H = dims
    lab = {'L': '%s %s' % (fmt(L), u), 'W': '%s %s' % (fmt(W), u), 'H': '%s %s' % (fmt(H), u)}
    if mixed:
        lab['L'] = '%s m' % fmt(L / 100)
    return lab


def t6_cuboid_volume(rng, d, qid):
    dims, u, mixed = cuboid_dims(rng, d)
    L, W, H = dims
    if H > 2 * L:
        H, L = L, H
        dims = [L, W, H]
    lab = cuboid_labels(dims, u, mixed)
    svg = cuboid_svg(L, W, H, lab)
    lines = ['The diagram shows a cuboid.',
             'Find its volume. Give your answer in %s.' % cu(u)]
    if mixed:
        lines[0] = 'The diagram shows a cuboid. Be careful with the units.'
    return q_fig(qid, svg, 'A cuboid %s long, %s wide and %s high' % (lab['L'], lab['W'], lab['H']),
                 lines, [('N', 2 if d >= 4 else 1, fmt(L * W * H))], 'Find the volume.')


def t6_cuboid_text(rng, d, qid):
    things = [('A brick', (18, 25), (8, 13), (5, 9)), ('A shoe box', (25, 36), (14, 22), (9, 14)),
              ('A block of wood', (10, 30), (5, 12), (3, 8)), ('A box of tissues', (20, 26), (10, 13), (6, 12)),
              ('A cereal box', (18, 26), (5, 9), (25, 33))]
    name, a, b, c = rng.choice(things)
    dims = [rng.randrange(*a), rng.randrange(*b), rng.randrange(*c)]
    if d <= 2:
        text = ('%s is a cuboid %d cm long, %d cm wide and %d cm high. What is its volume? Give your '
                'answer in %s.' % (name, dims[0], dims[1], dims[2], CU))
        return Question([P(text)], [('N', 1, fmt(dims[0] * dims[1] * dims[2]))], rng.choice(WORK))
    # fish tank in litres
    for _ in range(1000):
        L = rng.randrange(3, 13) * 10
        W = rng.randrange(2, 7) * 10 if d < 5 else rng.randrange(15, 50)
        H = rng.randrange(2, 7) * 10 if d < 5 else rng.randrange(15, 50)
        V = Fr(L * W * H, 1000)
        if d <= 3 and V.denominator == 1:
            break
        if d >= 4 and (V * 10).denominator == 1 and V.denominator != 1:
            break
    text = ('A fish tank is a cuboid %d cm long, %d cm wide and %d cm high. How many litres of water '
            'does it hold when it is full? (1 litre = 1000 %s)' % (L, W, H, CU))
    return Question([P(text)], [('N', 2, fmt(V))], rng.choice(WORK))


def t6_cube_edge(rng, d, qid):
    if d <= 2:
        e = rng.randrange(2, 11)
        text = 'A cube has a volume of %d %s. How long is each edge? Give your answer in cm.' % (e ** 3, CU)
        return Question([P(text)], [('N', 1, str(e))], rng.choice(WORK))
    if d == 3:
        small = rng.choice([1, 2, 3])
        k = rng.randrange(2, 6)
        big = small * k
        text = ('How many cubes with edges of %d cm are needed to build a solid cube with edges of %d cm?'
                % (small, big))
        return Question([P(text)], [('N', 2, str(k ** 3))], rng.choice(WORK))
    for _ in range(1000):
        e = rng.randrange(3, 11)
        V = e ** 3
        divs = [(a, b) for a in range(2, 30) for b in range(2, 30) if V % (a * b) == 0
                and a > b and V // (a * b) < b and V // (a * b) >= 2 and a != e]
        if divs:
            a, b = rng.choice(divs)
            c = V // (a * b)
            break
    text = ('A block of clay is a cuboid %d cm long, %d cm wide and %d cm high. It is reshaped into a '
            'cube, with no clay left over. How long is each edge of the cube? Give your answer in cm.'
            % (a, b, c))
    return Question([P(text)], [('N', 2, str(e))], rng.choice(WORK))


def t6_cuboid_missing(rng, d, qid):
    letter = rng.choice(['h', 'x', 'y'])
    dims, u, _ = cuboid_dims(rng, min(d, 3))
    L, W, H = dims
    if d >= 4:
        H = Fr(rng.randrange(3, 20))
        L, W = Fr(rng.randrange(5, 16)), Fr(rng.randrange(3, 11))
    lab = {'L': '%s %s' % (fmt(L), u), 'W': '%s %s' % (fmt(W), u), 'H': letter}
    V = L * W * H
    if d >= 4 and rng.random() < 0.5:
        lab = {'L': None, 'W': None, 'H': letter}
        lines = ['The volume of the cuboid is %s %s. The area of its base is %s %s.'
                 % (fmt(V), CU, fmt(L * W), SQ),
                 'Find the height marked <i>%s</i>. Give your answer in cm.' % letter]
        svg = cuboid_svg(L, W, H, lab)
        return q_fig(qid, svg, 'A cuboid with its height marked %s' % letter, lines,
                     [('N', 2, fmt(H))], 'Find the missing length.')
    svg = cuboid_svg(L, W, H, lab)
    lines = ['The volume of the cuboid is %s %s.' % (fmt(V), cu(u)),
             'Find the height marked <i>%s</i>. Give your answer in %s.' % (letter, u)]
    return q_fig(qid, svg, 'A cuboid %s long and %s wide; its height is marked %s' % (lab['L'], lab['W'], letter),
                 lines, [('N', 2 if d >= 3 else 1, fmt(H))], 'Find the missing length.')


def tank_dims(rng, d, step=1000):
    for _ in range(10000):
        L = rng.randrange(3, 11) * 10
        W = rng.randrange(2, 7) * 10 if d <= 3 else rng.randrange(4, 13) * 5
        H = rng.randrange(3, 9) * 10 if d <= 3 else rng.randrange(6, 17) * 5
        if H > 1.3 * L:
            continue
        hw = rng.randrange(2, H // 5) * 5 if d <= 3 else rng.randrange(3, H - 2)
        if not 0 < hw < H:
            continue
        if (L * W * hw) % step == 0 and (L * W * H) % step == 0:
            return L, W, H, hw
    raise RuntimeError('tank')


def t6_tank(rng, d, qid):
    step = 1000 if d <= 3 else 100
    L, W, H, hw = tank_dims(rng, d, step)
    lab = {'L': '%d cm' % L, 'W': '%d cm' % W, 'H': '%d cm' % H, 'water': '%d cm' % hw}
    svg = cuboid_svg(L, W, H, lab, water=hw)
    head = ('A tank in the shape of a cuboid is %d cm long, %d cm wide and %d cm high. It contains '
            'water to a depth of %d cm. (1 litre = 1000 %s)' % (L, W, H, hw, CU))
    vol = Fr(L * W * hw)
    full = Fr(L * W * H)
    body = [P(head), fig(qid, 'A cuboid tank %d cm long, %d cm wide and %d cm high with water %d cm deep'
                         % (L, W, H, hw))]
    if d == 1:
        body += [part('a', 'What is the volume of the water? Give your answer in %s.' % CU),
                 part('b', 'How many litres of water are in the tank?')]
        ans = [('N', 1, fmt(vol)), ('N', 1, fmt(vol / 1000))]
    elif d == 2:
        body += [part('a', 'How many litres of water are in the tank?'),
                 part('b', 'How many litres of water does the tank hold when it is full?')]
        ans = [('N', 1, fmt(vol / 1000)), ('N', 1, fmt(full / 1000))]
    else:
        body += [part('a', 'How many litres of water are in the tank?'),
                 part('b', 'How many more litres of water are needed to fill the tank to the top?')]
        ans = [('N', 1, fmt(vol / 1000)), ('N', 2 if d >= 4 else 1, fmt((full - vol) / 1000))]
    return Question(body, ans, 'Answer each part.', {'q%d.svg' % qid: svg})


def t6_tank_level(rng, d, qid):
    for _ in range(10000):
        L = rng.randrange(2, 9) * 10
        W = rng.randrange(2, 7) * 10 if d <= 3 else rng.randrange(4, 13) * 5
        H = rng.randrange(3, 9) * 10
        depth = Fr(rng.randrange(3, H - 2)) if d <= 3 else Fr(rng.randrange(6, 2 * H - 4), 2)
        V = L * W * depth
        litres = V / 1000
        if d <= 3 and litres.denominator != 1:
            continue
        if (litres * 10).denominator != 1:
            continue
        break
    if d >= 4 and rng.random() < 0.5:
        # the water is then poured out partly
        start = depth + Fr(rng.randrange(4, 12))
        if start >= H:
            start = Fr(H - 1)
        out = L * W * (start - depth) / 1000
        if (out * 10).denominator != 1:
            return t6_tank_level(rng, d, qid)
        text = ('A tank in the shape of a cuboid has a base %d cm long and %d cm wide. The water in it '
                'is %s cm deep. %s litres of water are then drained out. How deep is the water now? '
                'Give your answer in cm. (1 litre = 1000 %s)' % (L, W, fmt(start), fmt(out), CU))
        return Question([P(text)], [('N', 2, fmt(depth))], rng.choice(WORK))
    text = ('An empty tank in the shape of a cuboid is %d cm long, %d cm wide and %d cm high. %s litres '
            'of water are poured into it. How deep is the water? Give your answer in cm. '
            '(1 litre = 1000 %s)' % (L, W, H, fmt(litres), CU))
    return Question([P(text)], [('N', 2, fmt(depth))], rng.choice(WORK))


def t6_stone(rng, d, qid):
    if d <= 3:
        for _ in range(1000):
            L, W, H = rng.randrange(10, 31), rng.randrange(8, 21), rng.randrange(8, 21)
            g = rng.choice([100, 125, 150, 200, 250, 300])
            if (L * W * H) % g == 0:
                break
        drink = rng.choice(['juice', 'milk', 'lemonade', 'soup'])
        cont = 'glasses' if drink != 'soup' else 'bowls'
        text = ('A container in the shape of a cuboid, %d cm by %d cm by %d cm, is full of %s. The %s is '
                'poured into %s that each hold %d ml. How many %s can be filled? (1 ml = 1 %s)'
                % (L, W, H, drink, drink, cont, g, cont, CU))
        return Question([P(text)], [('N', 2, fmt(Fr(L * W * H, g)))], rng.choice(WORK))
    L, W = rng.randrange(2, 9) * 5, rng.randrange(2, 7) * 5
    h1 = rng.randrange(6, 20)
    rise = Fr(rng.randrange(1, 9), 2)
    text = ('A tank in the shape of a cuboid has a base %d cm long and %d cm wide. It contains water to '
            'a depth of %d cm. A stone is dropped into the tank and sinks to the bottom. The water level '
            'rises to %s cm. What is the volume of the stone? Give your answer in %s.'
            % (L, W, h1, fmt(h1 + rise), CU))
    return Question([P(text)], [('N', 2, fmt(L * W * rise))], rng.choice(WORK))


def t6_pack(rng, d, qid):
    if d == 1:
        t = 2
        k = [rng.randrange(2, 6) for _ in range(3)]
    elif d <= 3:
        t = rng.choice([2, 3, 4, 5])
        k = [rng.randrange(2, 7) for _ in range(3)]
    else:
        t = rng.choice([3, 4, 5])
        k = [rng.randrange(2, 7) for _ in range(3)]
    dims = [t * x for x in k]
    extra = [0, 0, 0]
    if d >= 4:
        extra = [rng.randrange(0, t) for _ in range(3)]
        if not any(extra):
            extra[0] = 1
    box = [a + b for a, b in zip(dims, extra)]
    n = k[0] * k[1] * k[2]
    if d >= 4:
        text = ('What is the greatest number of cubes with edges of %d cm that can be packed into a box '
                '%d cm long, %d cm wide and %d cm high?' % (t, box[0], box[1], box[2]))
    else:
        text = ('Cubes with edges of %d cm are packed into a box %d cm long, %d cm wide and %d cm high. '
                'How many cubes are needed to fill the box exactly?' % (t, box[0], box[1], box[2]))
    assert n == (box[0] // t) * (box[1] // t) * (box[2] // t)
    return Question([P(text)], [('N', 2, fmt(n))], rng.choice(WORK))


def t6_net_mc(rng, d, qid, kind='is'):
    if kind == 'is':
        good = [random_orientation(rng, rng.choice(NETS))]
        pool = NON_NETS if d <= 2 else [h for h in NON_NETS if not has_block(h)]
        bad = [random_orientation(rng, h) for h in rng.sample(pool, 3)]
        question = 'Which of these could be folded to make a cube?'
    else:
        good = [random_orientation(rng, rng.choice([h for h in NON_NETS if not has_block(h)]))]
        bad = [random_orientation(rng, h) for h in rng.sample(NETS, 3)]
        question = 'Three of these are nets of a cube. Which one is <b>not</b> a net of a cube?'
    for c in good + bad:
        assert len(c) == 6 and connected(c)
    assert (is_net(good[0]) == (kind == 'is')) and all(is_net(b) != (kind == 'is') for b in bad)
    order = list(range(4))
    rng.shuffle(order)
    shapes = [(good + bad)[i] for i in order]
    key = str(order.index(0) + 1)
    body = [P('Each diagram below is made of six squares.'), fig(qid, 'Four shapes, numbered 1 to 4, each made of six squares'),
            P(question)]
    body += options(['Shape (%d)' % i for i in range(1, 5)])
    return Question(body, [('Q', 1, key)], 'Choose the correct answer.', {'q%d.svg' % qid: nets_svg(shapes)})


def t6_net_opp(rng, d, qid):
    cells = random_orientation(rng, rng.choice(NETS))
    faces = fold(cells)
    letters = list('ABCDEF')
    rng.shuffle(letters)
    lab = {c: letters[i] for i, c in enumerate(sorted(cells))}
    by_face = {faces[c]: lab[c] for c in cells}
    ask_cell = rng.choice(sorted(cells))
    opp = by_face[OPPOSITE[faces[ask_cell]]]
    cell = 38
    w = max(c[0] for c in cells) + 1
    h = max(c[1] for c in cells) + 1
    width = max(240, w * cell + 40)
    svg = Svg(width, h * cell + 40)
    net_panel(svg, cells, (width - w * cell) / 2, 20, cell, lab)
    body = [P('The net below is folded to make a cube.'),
            fig(qid, 'The net of a cube with its six squares lettered A to F'),
            P('Which letter is on the face opposite the face marked <b>%s</b>? Write the letter.' % lab[ask_cell])]
    return Question(body, [('T', 1 if d <= 3 else 2, opp)], 'Think about folding the net.',
                    {'q%d.svg' % qid: svg.render()})


def t6_mixed(rng, d, qid):
    if d == 1:
        a, b = rng.randrange(8, 21), rng.randrange(5, 13)
        c = rng.randrange(2, min(a, b) - 2)
        text = ('A rectangular garden is %d m long and %d m wide. In the middle of it there is a square '
                'pond with sides of %d m. The rest of the garden is grass. What is the area of the grass? '
                'Give your answer in m<sup>2</sup>.' % (a, b, c))
        return Question([P(text)], [('N', 2, fmt(a * b - c * c))], rng.choice(WORK))
    if d == 2:
        for _ in range(1000):
            a, b = rng.randrange(6, 19), rng.randrange(3, 10)
            w = rng.choice([x for x in range(2, 13) if x not in (a, b)])
            if (a * b) % w == 0 and a * b // w != w:
                break
        text = ('Rectangle A is %d cm long and %d cm wide. Rectangle B has the same area as rectangle A '
                'and is %d cm wide. How long is rectangle B? Give your answer in cm.' % (a, b, w))
        return Question([P(text)], [('N', 2, fmt(Fr(a * b, w)))], rng.choice(WORK))
    if d == 3:
        for _ in range(1000):
            L, W, H = rng.randrange(3, 11) * 10, rng.randrange(2, 7) * 10, rng.randrange(2, 7) * 10
            r = rng.choice([2, 3, 4, 5, 6, 8, 10])
            t = Fr(L * W * H, 1000 * r)
            if t.denominator == 1:
                break
        text = ('An empty fish tank is %d cm long, %d cm wide and %d cm high. Water flows into it from a '
                'tap at %d litres per minute. How many minutes does it take to fill the tank? '
                '(1 litre = 1000 %s)' % (L, W, H, r, CU))
        return Question([P(text)], [('N', 2, fmt(t))], rng.choice(WORK))
    for _ in range(1000):
        L, W = rng.randrange(3, 9) * 10, rng.randrange(2, 6) * 10
        H = rng.randrange(4, 9) * 10
        h0 = rng.randrange(5, H // 2)
        r = rng.choice([2, 3, 4, 5, 6])
        t = rng.randrange(3, 15)
        rise = Fr(r * t * 1000, L * W)
        if (rise * 10).denominator == 1 and h0 + rise < H:
            break
    text = ('A tank %d cm long, %d cm wide and %d cm high has water %d cm deep in it. A tap pours in %d '
            'litres of water per minute for %d minutes. How deep is the water then? Give your answer in '
            'cm. (1 litre = 1000 %s)' % (L, W, H, h0, r, t, CU))
    return Question([P(text)], [('N', 2, fmt(h0 + rise))], rng.choice(WORK))


def t6_plan(d):
    return ['grid' if d <= 2 else 'rect_words', 'rect_area', 'rect_perim', 'square', 'rect_missing',
            'comp_area', 'comp_perim', 'comp_area2', 'triangle_easy', 'triangle', 'tri_in_rect',
            'shaded_rect', 'path', 'area_perim_word', 'tiles', 'fence_paint', 'compare_mc',
            'unit_cubes', 'cube_volume', 'cuboid_volume', 'cuboid_text', 'cube_edge', 'cuboid_missing',
            'tank', 'tank_level', 'stone', 'pack', 'net_is', 'net_not' if d <= 2 else 'net_opp',
            'tri_missing' if d >= 3 else 'triangle_acute', 'vol_mc', 'mixed']


T6_BUILDERS = {
    'grid': t6_grid,
    'rect_area': retry(t6_rect_area),
    'rect_words': t6_rect_words,
    'rect_perim': retry(t6_rect_perim),
    'square': t6_square,
    'rect_missing': retry(t6_rect_missing),
    'comp_area': t6_comp_area,
    'comp_area2': lambda rng, d, qid: t6_comp_area(rng, d, qid, second=True),
    'comp_perim': t6_comp_perim,
    'triangle_easy': lambda rng, d, qid: t6_triangle(rng, d, qid, style='right' if d <= 3 else 'acute'),
    'triangle_acute': lambda rng, d, qid: t6_triangle(rng, d, qid, style='acute'),
    'triangle': t6_triangle,
    'tri_missing': t6_tri_missing,
    'tri_in_rect': t6_tri_in_rect,
    'shaded_rect': t6_shaded_rect,
    'path': t6_path,
    'area_perim_word': t6_area_perim_word,
    'tiles': t6_tiles,
    'fence_paint': t6_fence_paint,
    'compare_mc': t6_compare_mc,
    'vol_mc': t6_vol_mc,
    'unit_cubes': retry(t6_unit_cubes),
    'cube_volume': retry(t6_cube_volume),
    'cuboid_volume': retry(t6_cuboid_volume),
    'cuboid_text': t6_cuboid_text,
    'cube_edge': t6_cube_edge,
    'cuboid_missing': retry(t6_cuboid_missing),
    'tank': retry(t6_tank),
    'tank_level': t6_tank_level,
    'stone': t6_stone,
    'pack': t6_pack,
    'net_is': lambda rng, d, qid: t6_net_mc(rng, d, qid, 'is'),
    'net_not': lambda rng, d, qid: t6_net_mc(rng, d, qid, 'not'),
    'net_opp': t6_net_opp,
    'mixed': t6_mixed,
}


# ---------------------------------------------------------------------------
# Checks and output
# ---------------------------------------------------------------------------

ENTITIES = {'&nbsp;': '&#160;', '&frasl;': '&#8260;', '&times;': '&#215;', '&divide;': '&#247;',
            '&pound;': '&#163;'}


def check_html(lines):
    text = '\n'.join(lines)
    for line in lines:
        assert not line.startswith(('#', '==', 'answer:', 'instruction:')), line
        assert '\t' not in line
        assert 'style=' not in line and '<script' not in line and 'http' not in line, line
    for a, b in ENTITIES.items():
        text = text.replace(a, b)
    assert not re.search(r'&(?!#\d+;|amp;|lt;|gt;|quot;)', text), text
    text = re.sub(r'<img ([^>]*[^/])>', r'<img \1/>', text)
    ET.fromstring('<div>' + text + '</div>')
    for cls in re.findall(r'class="([^"]*)"', text):
        assert cls in ('part', 'options', 'data', 'passage', 'figure', 'blank', 'frac'), cls


def check_key(t, key):
    assert key and '\t' not in key and '\n' not in key and '#' not in key and '>' not in key, key
    if t == 'N':
        assert re.fullmatch(r'\d+(\.\d+)?', key), key
        assert not (key.startswith('0') and len(key) > 1 and key[1] != '.'), key
        if '.' in key:
            assert not key.endswith('0'), key
    elif t == 'Q':
        assert key in ('1', '2', '3', '4'), key
    elif t == 'F':
        m = re.fullmatch(r'(\d+)/(\d+)', key)
        assert m, key
        a, b = int(m.group(1)), int(m.group(2))
        assert 0 < a < b and math.gcd(a, b) == 1, key
    elif t == 'X':
        m = re.fullmatch(r'(\d+) (\d+)/(\d+)', key)
        assert m, key
        a, b = int(m.group(2)), int(m.group(3))
        assert 0 < a < b and math.gcd(a, b) == 1, key
    elif t == 'R':
        parts = [int(p) for p in key.split(':')]
        assert len(parts) >= 2 and math.gcd(*parts) == 1, key
    elif t in ('M', 'G'):
        assert key.startswith(';') and len(key) > 1, key
        alts = key[1:].split(';')
        assert all(a.strip() for a in alts), key
        for a in alts:
            if '/' in a:
                if ' ' in a:
                    check_key('X', a)
                else:
                    m = re.fullmatch(r'(\d+)/(\d+)', a)
                    assert m and math.gcd(int(m.group(1)), int(m.group(2))) == 1, key
    elif t == 'T':
        assert re.fullmatch(r'[A-Za-z][A-Za-z -]*', key), key
    else:
        raise AssertionError('type ' + t)


def check_paper(qs, title):
    slots = sum(len(q.answers) for q in qs)
    marks = sum(m for q in qs for _, m, _ in q.answers)
    assert 30 <= len(qs) <= 34, (title, len(qs))
    assert slots <= 80, (title, slots)
    assert 20 <= marks <= 100, (title, marks)
    for q in qs:
        assert 1 <= len(q.answers) <= 20
        check_html(q.body)
        if len(q.answers) > 1:
            letters = re.findall(r'<p class="part">\((\w)\)', '\n'.join(q.body))
            assert letters == [chr(ord('a') + i) for i in range(len(q.answers))], (q.qid, letters)
        for t, m, key in q.answers:
            assert m in (1, 2)
            check_key(t, key)
            if t == 'Q':
                body = '\n'.join(q.body)
                assert body.count('<ol class="options">') == 1 and body.count('<li>') == 4, q.qid
        for src in re.findall(r'<img src="figures/([^"]+)"', '\n'.join(q.body)):
            assert src in q.figs, (q.qid, src)
        if q.instruction:
            assert '\n' not in q.instruction and '<' not in q.instruction
    return slots, marks


def build_topic(name, first_paper, first_id, plan, builders, seed, takes_qid):
    rng = random.Random(seed)
    qid = first_id
    seen = set()
    papers = []
    for i in range(5):
        d = i + 1
        qs = []
        kinds = set()
        for pos, slot in enumerate(plan(d)):
            for attempt in range(400):
                q = builders[slot](rng, d, qid) if takes_qid else builders[slot](rng, d)
                sig = re.sub(r'<div class="figure">.*?</div>', '', '\n'.join(q.body))
                if q.figs:
                    sig += ''.join(sorted(q.figs.values()))
                # the same sentence frame with other numbers counts as the same kind
                kind = q.kind or (pos if takes_qid else re.sub(r'\d+(\.\d+)?', '#', sig))
                if sig not in seen and kind not in kinds:
                    break
            else:
                raise RuntimeError('no fresh question for ' + slot)
            seen.add(sig)
            kinds.add(kind)
            q.qid = qid
            qid += 1
            qs.append(q)
        papers.append((first_paper + i, '%s, paper %d' % (name, d), qs))
    return papers


def render_paper(title, qs):
    out = ['# %s' % title,
           '# Written by course/tools/gen_math_t5_t6.py; edit the script, not this file.', '']
    for q in qs:
        out.append('== %05d' % q.qid)
        if q.instruction:
            out.append('instruction: ' + q.instruction)
        out += q.body
        for t, m, key in q.answers:
            out.append('answer: %s %d %s' % (t, m, key))
        out.append('')
    return '\n'.join(out)


def main():
    topic5 = build_topic('Percentage, Rate and Average', 121, 25001, t5_plan, T5_BUILDERS, 5121, False)
    topic6 = build_topic('Area and Volume', 126, 26001, t6_plan, T6_BUILDERS, 6126, True)
    os.makedirs(FIGS, exist_ok=True)
    last = 0
    report = []
    for first_id, papers in ((25001, topic5), (26001, topic6)):
        expect = first_id
        for number, title, qs in papers:
            for q in qs:
                assert q.qid == expect, (q.qid, expect)
                assert q.qid > last
                last = q.qid
                expect += 1
            slots, marks = check_paper(qs, title)
            report.append('%d  %-40s questions %2d  slots %2d  marks %2d  ids %05d-%05d'
                          % (number, title, len(qs), slots, marks, qs[0].qid, qs[-1].qid))
    # remove figures this script wrote before, then write the new set
    for f in os.listdir(FIGS):
        if re.fullmatch(r'q2[56]\d{3}[a-z]?\.svg', f):
            os.remove(os.path.join(FIGS, f))
    for papers in (topic5, topic6):
        for number, title, qs in papers:
            with open(os.path.join(MATHS, '%d.txt' % number), 'w', encoding='utf-8', newline='\n') as fh:
                fh.write(render_paper(title, qs))
            for q in qs:
                for fname, svg in q.figs.items():
                    assert fname.startswith('q%d' % q.qid)
                    ET.fromstring(svg)
                    with open(os.path.join(FIGS, fname), 'w', encoding='utf-8', newline='\n') as fh:
                        fh.write(svg)
    print('\n'.join(report))


if __name__ == '__main__':
    main()
