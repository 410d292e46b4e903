#!/usr/bin/env python3
"""Writes the Science papers for two topics:

  topic 5  Interactions            papers 121..125, ids 17401..17490
  topic 6  Matter and Materials    papers 126..130, ids 17491..17580

and their diagrams (course/science/figures/q174xx.svg and q175xx.svg).

Standard library only, no randomness: running the script again writes the
same files. Every question is written out by hand below; the helpers only
turn it into page HTML and answer lines, draw the diagrams from the numbers
given with the question, and check everything before a file is written.

Keys:
  * open one-word answers are M keys listing every form a teacher would
    accept, the best answer first (it is shown as the model answer);
  * "name any two/three" answers are G groups;
  * readings and calculations are N keys; the question names the unit and
    asks for the number only;
  * multiple-choice questions list the correct option first in this file;
    the script places it so that the keys of a paper are spread over the
    four option numbers (options in a natural order stay in that order).

Usage:  python3 course/tools/gen_science_t5_t6.py
"""

import math
import os
import re
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
SCIENCE = os.path.join(COURSE, 'science')
FIGS = os.path.join(SCIENCE, 'figures')

FIRST_ID = 17401
LAST_ID = 17580
PER_PAPER = 18


# ---------------------------------------------------------------------------
# Questions and answer slots
# ---------------------------------------------------------------------------

MC = 'Write the number of the correct answer.'


class Question:
    def __init__(self, body, answers, instruction, figs=(), options=None, fixed=None):
        self.body = list(body)          # HTML lines; '{fig}' / '{fig:b}' stand for diagrams
        self.answers = list(answers)    # (type, marks, key)
        self.instruction = instruction
        self.figs = list(figs)          # (suffix, svg text, alt text)
        self.options = options          # multiple choice: options, correct one first
        self.fixed = fixed              # key of options that keep their order
        self.qid = None


def P(text):
    return '<p>%s</p>' % text


def part(letter, text):
    return '<p class="part">(%s) %s</p>' % (letter, text)


def blank():
    return '<span class="blank">&nbsp;</span>'


def table(head, rows):
    out = ['<table class="data">', '<tr>' + ''.join('<th>%s</th>' % h for h in head) + '</tr>']
    for r in rows:
        out.append('<tr>' + ''.join('<td>%s</td>' % c for c in r) + '</tr>')
    out.append('</table>')
    return out


def box(words):
    """A box of words to choose from."""
    return ['<div class="passage"><p>' + ' &nbsp;&nbsp;&nbsp; '.join('<b>%s</b>' % w for w in words)
            + '</p></div>']


def fig(suffix=''):
    return '{fig%s}' % (':' + suffix if suffix else '')


def N(value, marks=1):
    return ('N', marks, value if isinstance(value, str) else fmt(value))


def T(word, marks=1):
    return ('T', marks, word)


def M(*alts, marks=1):
    seen = []
    for a in alts:
        if a.lower() not in [s.lower() for s in seen]:
            seen.append(a)
    if len(seen) == 1 and re.fullmatch(r'[a-z]+', seen[0]):
        return ('T', marks, seen[0])     # a single word with no other form
    return ('M', marks, ';' + ';'.join(seen))


def the(*alts):
    """Each answer, also with 'the' in front."""
    out = []
    for a in alts:
        out.append(a)
        if not re.match(r'(a|an|the) ', a):
            out.append('the ' + a)
    return out


def G(alts, slots, marks=1):
    assert len(alts) >= slots
    return [('G', marks, ';' + ';'.join(alts))] + [('G', marks, '[space]')] * (slots - 1)


def fmt(x):
    if isinstance(x, int):
        return str(x)
    s = ('%.3f' % x).rstrip('0').rstrip('.')
    return s


def mcq(stem, options, instruction=MC, marks=1, figs=(), fixed=None):
    """stem: HTML lines; options: correct option first, unless fixed gives the key of an
    ordered list (1..4)."""
    if isinstance(stem, str):
        stem = [P(stem)]
    assert len(options) == 4 and len(set(options)) == 4, options
    return Question(stem, [('Q', marks, None)], instruction, figs, options=list(options), fixed=fixed)


def written(stem, answers, instruction, figs=()):
    if isinstance(stem, str):
        stem = [P(stem)]
    if not isinstance(answers, list):
        answers = [answers]
    return Question(stem, answers, instruction, figs)


# ---------------------------------------------------------------------------
# SVG drawing
# ---------------------------------------------------------------------------

FONT = 14
GREY = '#d9d9d9'
LIGHT = '#f0f0f0'
WATER = '#cfe6f7'


def xesc(s):
    return s.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;').replace('"', '&quot;')


def text_width(s, size=FONT):
    return 0.58 * size * len(s) + 2


class Svg:
    def __init__(self, w, h):
        self.w = int(math.ceil(w))
        self.h = int(math.ceil(h))
        self.el = []
        self.boxes = []      # label boxes: no two may overlap, none may leave the picture
        self.segments = []   # lines that no label may sit on
        self.obstacles = []  # boxes (of food web names) that no arrow may cross

    def line(self, x1, y1, x2, y2, width=2, dash=False, colour='black', guard=True):
        if guard:
            self.segments.append((x1, y1, x2, y2))
        self.el.append('<line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" stroke="%s" stroke-width="%s"%s/>'
                       % (x1, y1, x2, y2, colour, width, ' stroke-dasharray="7,5"' if dash else ''))

    def polyline(self, pts, width=2, dash=False, guard=True):
        if guard:
            self.segments += [(pts[i][0], pts[i][1], pts[i + 1][0], pts[i + 1][1])
                              for i in range(len(pts) - 1)]
        self.el.append('<polyline points="%s" fill="none" stroke="black" stroke-width="%s"%s/>'
                       % (' '.join('%.1f,%.1f' % p for p in pts), width,
                          ' stroke-dasharray="7,5"' if dash else ''))

    def polygon(self, pts, fill='none', width=2, stroke='black', guard=True):
        if guard and stroke != 'none':
            n = len(pts)
            self.segments += [(pts[i][0], pts[i][1], pts[(i + 1) % n][0], pts[(i + 1) % n][1])
                              for i in range(n)]
        self.el.append('<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s"/>'
                       % (' '.join('%.1f,%.1f' % p for p in pts), fill, stroke, width))

    def rect(self, x, y, w, h, fill='none', width=2, rx=0, stroke='black', guard=True):
        if guard and stroke != 'none':
            self.segments += [(x, y, x + w, y), (x + w, y, x + w, y + h),
                              (x + w, y + h, x, y + h), (x, y + h, x, y)]
        self.el.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f"%s fill="%s" stroke="%s" '
                       'stroke-width="%s"/>' % (x, y, w, h, ' rx="%d"' % rx if rx else '', fill,
                                                stroke, width))

    def circle(self, cx, cy, r, fill='none', width=2):
        self.el.append('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" stroke="black" '
                       'stroke-width="%s"/>' % (cx, cy, r, fill, width))

    def ellipse(self, cx, cy, rx, ry, fill='none', width=2):
        self.el.append('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="%s" stroke="black" '
                       'stroke-width="%s"/>' % (cx, cy, rx, ry, fill, width))

    def path(self, d, fill='none', width=2):
        self.el.append('<path d="%s" fill="%s" stroke="black" stroke-width="%s"/>' % (d, fill, width))

    def text(self, x, y, s, anchor='middle', size=FONT, bold=False, check=True):
        self.el.append('<text x="%.1f" y="%.1f" font-family="sans-serif" font-size="%d" '
                       'text-anchor="%s"%s fill="black">%s</text>'
                       % (x, y, size, anchor, ' font-weight="bold"' if bold else '', xesc(s)))
        w = text_width(s, size) * (1.08 if bold else 1)
        x0 = {'start': x, 'middle': x - w / 2, 'end': x - w}[anchor]
        b = (x0, y - 0.75 * size, x0 + w, y + 0.25 * size, s)
        assert b[0] >= 0 and b[1] >= 0 and b[2] <= self.w and b[3] <= self.h, \
            ('label outside the picture', b, self.w, self.h)
        if check:
            self.boxes.append(b)
        return b

    def arrow(self, x1, y1, x2, y2, width=2, head=11, guard=True):
        """A straight arrow from (x1, y1) to (x2, y2), its head at the end."""
        L = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / L, (y2 - y1) / L
        bx, by = x2 - ux * head, y2 - uy * head
        self.line(x1, y1, bx, by, width=width, guard=guard)
        hw = head * 0.45
        self.polygon([(x2, y2), (bx - uy * hw, by + ux * hw), (bx + uy * hw, by - ux * hw)],
                     fill='black', width=1, guard=guard)

    def render(self):
        for i, a in enumerate(self.boxes):
            for b in self.boxes[i + 1:]:
                g = 3
                overlap = a[0] - g < b[2] and b[0] < a[2] + g and a[1] - g < b[3] and b[1] < a[3] + g
                assert not overlap, ('labels overlap', a, b)
            for seg in self.segments:
                assert not seg_hits_box(seg, (a[0] + 1, a[1] + 1, a[2] - 1, a[3] - 1)), \
                    ('label sits on a line', a, seg)
        head = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
                'viewBox="0 0 %d %d">' % (self.w, self.h, self.w, self.h))
        bg = '<rect x="0" y="0" width="%d" height="%d" fill="white"/>' % (self.w, self.h)
        assert 240 <= self.w <= 420, ('picture width', self.w)
        return '\n'.join([head, bg] + self.el + ['</svg>']) + '\n'


def seg_hits_box(seg, box):
    """Whether the segment crosses the rectangle (Liang-Barsky clipping)."""
    x1, y1, x2, y2 = seg
    bx0, by0, bx1, by1 = box[:4]
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


def segments_cross(s, t):
    """Whether two segments cross at a point inside both."""
    (x1, y1, x2, y2), (x3, y3, x4, y4) = s, t

    def orient(ax, ay, bx, by, cx, cy):
        return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax)
    d1 = orient(x3, y3, x4, y4, x1, y1)
    d2 = orient(x3, y3, x4, y4, x2, y2)
    d3 = orient(x1, y1, x2, y2, x3, y3)
    d4 = orient(x1, y1, x2, y2, x4, y4)
    return d1 * d2 < 0 and d3 * d4 < 0


# --- food chains and food webs ----------------------------------------------

def food_web(nodes, edges, w, h):
    """nodes: {name: (centre x, centre y)}; edges: (food, eater) pairs. Each arrow points
    from the food to the organism that eats it. No arrow may cross another or pass
    through a name."""
    svg = Svg(w, h)
    rects = {}
    for name, (cx, cy) in nodes.items():
        bw, bh = text_width(name) + 16, 28
        r = (cx - bw / 2, cy - bh / 2, cx + bw / 2, cy + bh / 2)
        rects[name] = r
        svg.rect(r[0], r[1], bw, bh, fill=LIGHT, width=1.5, rx=7, guard=False)
        svg.text(cx, cy + 5, name)
        assert r[0] >= 2 and r[1] >= 2 and r[2] <= w - 2 and r[3] <= h - 2, name

    def exit_point(r, tx, ty, gap=4):
        cx, cy = (r[0] + r[2]) / 2, (r[1] + r[3]) / 2
        dx, dy = tx - cx, ty - cy
        hw, hh = (r[2] - r[0]) / 2 + gap, (r[3] - r[1]) / 2 + gap
        t = min(hw / abs(dx) if dx else 1e9, hh / abs(dy) if dy else 1e9)
        return cx + dx * t, cy + dy * t

    drawn = []
    for a, b in edges:
        ca, cb = nodes[a], nodes[b]
        p = exit_point(rects[a], *cb)
        q = exit_point(rects[b], *ca)
        seg = (p[0], p[1], q[0], q[1])
        for name, r in rects.items():
            if name not in (a, b):
                assert not seg_hits_box(seg, (r[0] - 3, r[1] - 3, r[2] + 3, r[3] + 3)), \
                    ('arrow through a name', a, b, name)
        for other in drawn:
            assert not segments_cross(seg, other), ('arrows cross', a, b)
        drawn.append(seg)
        svg.arrow(p[0], p[1], q[0], q[1], width=1.8)
    return svg.render()


# --- spring balances ---------------------------------------------------------

def spring_balance(svg, x, top, reading, maxv, major, minor, length, obj, caption=None):
    """A spring balance hanging from a ring at (x, top); zero at the top of the scale.
    length: pixels from 0 to maxv."""
    steps = round(maxv / minor)
    assert abs(steps * minor - maxv) < 1e-9
    ppu = length / maxv
    y0 = top + 34                      # the 0 mark
    cx0, cx1 = x - 22, x + 22          # casing
    svg.circle(x, top + 8, 7, width=2)
    svg.line(x, top + 15, x, top + 20, width=2, guard=False)
    svg.rect(cx0, top + 20, cx1 - cx0, length + 40, fill='white', width=2, rx=5, guard=False)
    for i in range(steps + 1):
        v = i * minor
        y = y0 + v * ppu
        is_major = abs(v / major - round(v / major)) < 1e-9
        svg.line(cx0, y, cx0 + (14 if is_major else 8), y, width=1.2, guard=False)
        if is_major:
            svg.text(cx0 - 6, y + 5, fmt(v), anchor='end')
    svg.text(cx1 + 6, y0 + 5, 'N', anchor='start')
    # the spring, from the top of the casing down to the pointer
    yp = y0 + reading * ppu
    sx = x + 7
    ys, ye = top + 24, yp - 3
    coils = 8
    pts = [(sx, ys)]
    for k in range(coils):
        pts.append((sx + (6 if k % 2 == 0 else -6), ys + (k + 0.5) * (ye - ys) / coils))
    pts.append((sx, ye))
    svg.polyline(pts, width=1.3, guard=False)
    # pointer
    svg.rect(cx0 + 16, yp - 2, sx - cx0 - 14, 4, fill='black', width=1, guard=False)
    svg.polygon([(cx0 + 9, yp), (cx0 + 17, yp - 5), (cx0 + 17, yp + 5)], fill='black', width=1,
                guard=False)
    # rod and hook
    bottom = top + 20 + length + 40
    svg.line(sx, yp, sx, bottom + 14, width=2, guard=False)
    svg.path('M %.1f %.1f q 0 8 -7 8 q -7 0 -7 -7' % (sx, bottom + 14), width=2)
    oy = bottom + 26
    ow = max(64, text_width(obj) + 14)
    svg.line(sx - 14, bottom + 15, sx - 14, oy, width=1.5, guard=False)
    svg.rect(sx - 14 - ow / 2, oy, ow, 32, fill=GREY, width=2, rx=3, guard=False)
    svg.text(sx - 14, oy + 21, obj)
    if caption:
        svg.text(x, oy + 56, caption, bold=True)
    return oy + 32


def balance_figure(reading, maxv, major, minor, length, obj):
    h = 20 + 34 + length + 6 + 20 + 26 + 32 + 12
    svg = Svg(260, h)
    spring_balance(svg, 130, 6, reading, maxv, major, minor, length, obj)
    return svg.render()


def balances_figure(items, maxv, major, minor, length):
    """items: (reading, object, caption) for each balance, side by side."""
    n = len(items)
    w = 150 * n + 40
    h = 20 + 34 + length + 6 + 20 + 26 + 32 + 40
    svg = Svg(w, h)
    for i, (reading, obj, caption) in enumerate(items):
        spring_balance(svg, 95 + 150 * i, 6, reading, maxv, major, minor, length, obj, caption)
    return svg.render()


# --- measuring cylinders -----------------------------------------------------

def cylinder(svg, x, ybase, volume, cap, major, minor, unit, height, stones=0, caption=None,
             marbles=0):
    """A measuring cylinder whose inside runs from x to x + 56; the 0 mark is at ybase and
    cap at ybase - height. volume: the level of the water."""
    ppu = height / cap
    top = ybase - height - 22
    xl, xr = x, x + 56
    lev = ybase - volume * ppu
    svg.rect(xl, lev, xr - xl, ybase - lev, fill=WATER, width=0, stroke='none', guard=False)
    if isinstance(stones, int):
        stones = [1.0] * stones
    sx = xl + 4
    for s in stones:            # s: size of the stone, 1 for the usual one
        sx += 12 * s
        svg.polygon([(sx + s * dx, ybase - s * dy) for dx, dy in
                     ((-10, 0), (-12, 9), (-4, 17), (7, 15), (11, 6), (8, 0))],
                    fill='#9a9a9a', width=1.5, guard=False)
        sx += 12 * s
    for k in range(marbles):
        row, col = divmod(k, 3)
        svg.circle(xl + 10 + 18 * col + (9 if row % 2 else 0), ybase - 8 - 15 * row, 7.5,
                   fill='#9a9a9a', width=1.2)
    svg.line(xl, lev, xr, lev, width=1.5, guard=False)
    svg.polyline([(xl - 6, top - 4), (xl, top), (xl, ybase)], width=2, guard=False)
    svg.polyline([(xr, ybase), (xr, top), (xr + 4, top - 3)], width=2, guard=False)
    svg.rect(xl - 16, ybase, xr - xl + 32, 8, fill=GREY, width=2, guard=False)
    steps = round(cap / minor)
    assert abs(steps * minor - cap) < 1e-9
    for i in range(1, steps + 1):
        v = i * minor
        y = ybase - v * ppu
        is_major = abs(v / major - round(v / major)) < 1e-9
        is_half = abs(2 * v / major - round(2 * v / major)) < 1e-9 and round(major / minor) == 10
        svg.line(xl, y, xl + (20 if is_major else 15 if is_half else 9), y, width=1.2, guard=False)
        if is_major:
            svg.text(xl - 7, y + 5, fmt(v), anchor='end')
    svg.text(xr + 8, top + 14, unit, anchor='start')
    if caption:
        svg.text((xl + xr) / 2, ybase + 28, caption, bold=True)


def cylinder_figure(volume, cap, major, minor, unit, height=220):
    svg = Svg(240, height + 22 + 12 + 14)
    cylinder(svg, 100, height + 34, volume, cap, major, minor, unit, height)
    return svg.render()


def cylinders_figure(items, cap, major, minor, unit, height=200):
    """items: dicts with volume, caption and optional stones / marbles."""
    n = len(items)
    svg = Svg(max(240, 150 * n + 20), height + 22 + 14 + 36)
    for i, it in enumerate(items):
        cylinder(svg, 70 + 150 * i, height + 36, it['volume'], cap, major, minor, unit, height,
                 stones=it.get('stones', 0), marbles=it.get('marbles', 0), caption=it['caption'])
    return svg.render()


# --- graphs --------------------------------------------------------------------

def graph(series, xvals, xlabel, ylabel, ymax, ystep, ylab_every, w=400, h=290, xnames=None,
          legend=None, bars=False, xmin=None, xmax=None, ymin=0):
    """A line graph (or bar chart) drawn to scale.

    series: list of (name, values) with one value per x value; the first series is drawn
    with round points and a full line, a second with square points and a dashed line.
    ystep: gap between grid lines; ylab_every: label every n-th grid line.
    legend: (x, y) of the top-left of the key, or None for one series.
    """
    ml, mr, mt, mb = 56, 18, 34, 50
    svg = Svg(w, h)
    X0, Y0 = ml, h - mb
    PW, PH = w - ml - mr, h - mt - mb
    if bars:
        slot = PW / len(xvals)
        xpos = [X0 + slot * (i + 0.5) for i in range(len(xvals))]
    else:
        lo = xvals[0] if xmin is None else xmin
        hi = xvals[-1] if xmax is None else xmax
        xpos = [X0 + 14 + (v - lo) / (hi - lo) * (PW - 28) for v in xvals]

    def ypix(v):
        assert ymin <= v <= ymax, v
        return Y0 - (v - ymin) / (ymax - ymin) * PH

    n = round((ymax - ymin) / ystep)
    assert abs(n * ystep - (ymax - ymin)) < 1e-9
    for i in range(n + 1):
        v = ymin + i * ystep
        y = ypix(v)
        if i:
            svg.line(X0, y, X0 + PW, y, width=1, colour='#c8c8c8', guard=False)
        if i % ylab_every == 0:
            svg.line(X0 - 5, y, X0, y, width=1.5, guard=False)
            svg.text(X0 - 8, y + 5, fmt(v), anchor='end')
    svg.line(X0, Y0, X0 + PW, Y0, width=2, guard=False)
    svg.line(X0, Y0, X0, Y0 - PH - 6, width=2, guard=False)
    names = xnames or [fmt(v) for v in xvals]
    for xp, name in zip(xpos, names):
        svg.line(xp, Y0, xp, Y0 + 5, width=1.5, guard=False)
        svg.text(xp, Y0 + 20, name)
    svg.text(X0 + PW / 2, h - 8, xlabel, bold=True)
    svg.text(8, 20, ylabel, anchor='start', bold=True)
    for k, (name, values) in enumerate(series):
        assert len(values) == len(xvals)
        pts = [(xp, ypix(v)) for xp, v in zip(xpos, values)]
        if bars:
            bw = min(56, PW / len(xvals) * 0.55)
            for (xp, yp) in pts:
                svg.rect(xp - bw / 2, yp, bw, Y0 - yp, fill=GREY, width=1.5, guard=False)
            continue
        svg.polyline(pts, width=2, dash=(k == 1))
        for (xp, yp) in pts:
            if k == 0:
                svg.circle(xp, yp, 4, fill='black', width=1)
            else:
                svg.rect(xp - 4, yp - 4, 8, 8, fill='white', width=1.5, guard=False)
    if legend:
        lx, ly = legend
        for k, (name, _) in enumerate(series):
            y = ly + 10 + 22 * k
            svg.line(lx, y, lx + 30, y, width=2, dash=(k == 1))
            if k == 0:
                svg.circle(lx + 15, y, 4, fill='black', width=1)
            else:
                svg.rect(lx + 11, y - 4, 8, 8, fill='white', width=1.5, guard=False)
            svg.text(lx + 38, y + 5, name, anchor='start')
    return svg.render()


# --- magnets ---------------------------------------------------------------------

def bar_magnet(svg, x, y, left, right, w=96, h=28):
    """The N half of a magnet is shaded, the S half white."""
    svg.rect(x, y, w / 2, h, fill=GREY if left == 'N' else 'white', width=2, guard=False)
    svg.rect(x + w / 2, y, w / 2, h, fill=GREY if right == 'N' else 'white', width=2, guard=False)
    svg.text(x + w / 4, y + h / 2 + 5, left, bold=True)
    svg.text(x + 3 * w / 4, y + h / 2 + 5, right, bold=True)


def plain_bar(svg, x, y, label, w=96, h=28):
    svg.rect(x, y, w, h, fill='#a8a8a8', width=2, guard=False)
    svg.text(x + w / 2, y + h / 2 + 5, label)


def magnet_rows(rows, w=None):
    """rows: (row label, [item, item]) with item 'NS', 'SN' or a plain bar's name."""
    longest = max(len(items) for _, items in rows)
    svg = Svg(w or 60 + 132 * longest - 36 + 20, 24 + 52 * len(rows))
    for i, (label, items) in enumerate(rows):
        y = 18 + 52 * i
        svg.text(18, y + 19, label, bold=True)
        x = 60
        for it in items:
            if it in ('NS', 'SN'):
                bar_magnet(svg, x, y, it[0], it[1])
            else:
                plain_bar(svg, x, y, it)
            x += 96 + 36
    return svg.render()


# --- forces on an object ---------------------------------------------------------

def forces_figure(obj, left=None, right=None, up=None, down=None, w=380):
    """An object with arrows for the forces on it; each force is (size text, name or None)."""
    h = 210 if (up or down) else 120
    svg = Svg(w, h)
    cx, cy = w / 2, h / 2
    bw, bh = 96, 56
    svg.rect(cx - bw / 2, cy - bh / 2, bw, bh, fill=GREY, width=2, guard=False)
    svg.text(cx, cy + 5, obj)
    if left:
        svg.arrow(cx - bw / 2, cy, cx - bw / 2 - 90, cy, width=3, head=14)
        svg.text(cx - bw / 2 - 48, cy - 12, left)
    if right:
        svg.arrow(cx + bw / 2, cy, cx + bw / 2 + 90, cy, width=3, head=14)
        svg.text(cx + bw / 2 + 48, cy - 12, right)
    if up:
        svg.arrow(cx, cy - bh / 2, cx, cy - bh / 2 - 56, width=3, head=14)
        svg.text(cx + 10, cy - bh / 2 - 34, up, anchor='start')
    if down:
        svg.arrow(cx, cy + bh / 2, cx, cy + bh / 2 + 56, width=3, head=14)
        svg.text(cx + 10, cy + bh / 2 + 38, down, anchor='start')
    return svg.render()


def tug_of_war(left_label, left_force, right_label, right_force, w=420):
    svg = Svg(w, 150)
    y = 70
    svg.line(60, y, w - 60, y, width=4, guard=False)
    mid = w / 2
    svg.line(mid, y - 14, mid, y + 14, width=3, guard=False)          # the ribbon
    svg.line(mid, 30, mid, 118, width=1, dash=True, guard=False)     # centre line on the ground
    svg.text(mid, 136, 'centre line')
    for sx, label, force, d in ((60, left_label, left_force, -1), (w - 60, right_label, right_force, 1)):
        svg.rect(sx - 20 if d < 0 else sx - 20, y - 24, 40, 48, fill=GREY, width=2, rx=6, guard=False)
        svg.text(sx, y + 44, label, bold=True)
        ax = sx + d * 26
        svg.arrow(mid + d * 40, 34, mid + d * 120, 34, width=3, head=14)
        svg.text(mid + d * 80, 24, force)
    return svg.render()


# --- particles in solids, liquids and gases ----------------------------------------

def particle_boxes(arrangement):
    """arrangement: list of (label, kind) with kind 'solid', 'liquid' or 'gas'."""
    n = len(arrangement)
    bw, gap = 100, 26
    w = 20 + n * bw + (n - 1) * gap + 20
    svg = Svg(max(w, 240), 150)
    for i, (label, kind) in enumerate(arrangement):
        x0 = 20 + i * (bw + gap)
        y0 = 14
        svg.rect(x0, y0, bw, bw, fill='white', width=2, guard=False)
        r = 7
        if kind == 'solid':
            pts = [(x0 + 22 + 14 * c, y0 + 22 + 14 * rr) for rr in range(5) for c in range(5)]
        elif kind == 'liquid':
            base = [(12, 88), (26, 86), (40, 88), (54, 87), (68, 88), (82, 86), (19, 74), (33, 73),
                    (47, 75), (61, 72), (75, 74), (88, 75), (27, 60), (42, 61), (56, 60), (70, 59),
                    (85, 62)]
            pts = [(x0 + a, y0 + b) for a, b in base]
        else:
            base = [(20, 22), (70, 16), (46, 48), (84, 60), (18, 76), (58, 86)]
            pts = [(x0 + a, y0 + b) for a, b in base]
        for px, py in pts:
            svg.circle(px, py, r, fill='#8a8a8a', width=1)
        svg.text(x0 + bw / 2, y0 + bw + 26, label, bold=True)
    return svg.render()


def food_chain(names, w=420):
    """A food chain in a row, the arrows pointing from the food to the eater."""
    widths = [text_width(n) + 16 for n in names]
    gap = (w - 8 - sum(widths)) / (len(names) - 1)
    assert gap >= 34, ('food chain too long', names)
    nodes = {}
    x = 4
    for n, bw in zip(names, widths):
        nodes[n] = (x + bw / 2, 24)
        x += bw + gap
    return food_web(nodes, list(zip(names, names[1:])), w, 48)


# --- more apparatus ----------------------------------------------------------------

def ring_magnets(labels=('A', 'B', 'C')):
    """Three ring magnets on a pencil; the top two float above the ones below."""
    svg = Svg(260, 250)
    cx = 120
    svg.rect(cx - 60, 222, 120, 14, fill=GREY, width=2, guard=False)      # stand
    svg.rect(cx - 5, 40, 10, 182, fill='#f6e2a8', width=2, guard=False)   # pencil
    svg.polygon([(cx - 5, 40), (cx + 5, 40), (cx, 22)], fill='#f6e2a8', width=2, guard=False)
    ys = [60, 130, 200]
    for y, lab in zip(ys, labels):
        svg.rect(cx - 46, y, 92, 20, fill='#bdbdbd', width=2, rx=3, guard=False)
        svg.rect(cx - 6, y - 1, 12, 22, fill='#f6e2a8', width=1, guard=False)
        svg.text(cx + 62, y + 15, 'magnet ' + lab, anchor='start')
    svg.text(cx - 66, 32, 'pencil', anchor='end')
    svg.line(cx - 64, 30, cx - 8, 46, width=1, guard=False)
    return svg.render()


def balloon_balance(left, right, tilt):
    """A stick hung at its middle with a balloon at each end. left/right: 'full' or 'empty';
    tilt > 0 lowers the left end."""
    svg = Svg(400, 260)
    cx, cy = 200, 60
    svg.line(cx, 8, cx, cy, width=2, guard=False)
    svg.rect(cx - 60, 2, 120, 6, fill=GREY, width=1.5, guard=False)
    L = 150
    ang = math.radians(tilt)
    lx, ly = cx - L * math.cos(ang), cy + L * math.sin(ang)
    rx, ry = cx + L * math.cos(ang), cy - L * math.sin(ang)
    svg.line(lx, ly, rx, ry, width=4, guard=False)
    svg.circle(cx, cy, 4, fill='black', width=1)
    for (x, y, kind, name) in ((lx, ly, left, 'A'), (rx, ry, right, 'B')):
        svg.line(x, y, x, y + 30, width=1.5, guard=False)
        if kind == 'full':
            svg.ellipse(x, y + 80, 38, 50, fill=LIGHT)
            svg.polygon([(x - 5, y + 30), (x + 5, y + 30), (x, y + 34)], fill='black', width=1, guard=False)
            ty = y + 85
        else:
            svg.path('M %.1f %.1f q -14 10 -10 34 q 10 10 20 0 q 4 -24 -10 -34 z' % (x, y + 30),
                     fill=LIGHT, width=2)
            ty = y + 85
        svg.text(x, ty + 60 if kind == 'full' else ty + 20, 'balloon ' + name, bold=True)
    return svg.render()


def filter_setup(top_label, bottom_label, side_text='filter paper'):
    """A filter funnel with filter paper over a beaker; labels point to what stays in the
    paper (A) and what runs through (B)."""
    svg = Svg(360, 270)
    cx = 150
    # beaker
    svg.polyline([(cx - 60, 150), (cx - 60, 250), (cx + 60, 250), (cx + 60, 150)], width=2)
    svg.rect(cx - 58, 212, 116, 37, fill=WATER, width=0, stroke='none', guard=False)
    svg.line(cx - 58, 212, cx + 58, 212, width=1.2, guard=False)
    # funnel
    svg.polyline([(cx - 70, 30), (cx - 8, 110), (cx - 8, 175)], width=2)
    svg.polyline([(cx + 70, 30), (cx + 8, 110), (cx + 8, 175)], width=2)
    # filter paper just inside
    svg.polyline([(cx - 62, 34), (cx, 104), (cx + 62, 34)], width=1.2, guard=False)
    # what stays on the paper
    svg.polygon([(cx - 26, 76), (cx, 104), (cx + 26, 76)], fill='#b89b6a', width=1, guard=False)
    svg.line(cx, 178, cx, 200, width=1.2, dash=True, guard=False)
    svg.text(cx + 120, 82, 'A', anchor='start', bold=True)
    svg.line(cx + 116, 78, cx + 12, 86, width=1)
    svg.circle(cx + 12, 86, 2, fill='black', width=1)
    svg.text(cx + 120, 236, 'B', anchor='start', bold=True)
    svg.line(cx + 116, 232, cx + 40, 228, width=1)
    svg.circle(cx + 40, 228, 2, fill='black', width=1)
    svg.text(cx + 100, 26, side_text, anchor='start')
    svg.line(cx + 98, 22, cx + 50, 48, width=1)
    svg.circle(cx + 50, 48, 2, fill='black', width=1)
    return svg.render()


def syringe(content_label, fill):
    """A syringe with its end sealed and the plunger being pushed in."""
    svg = Svg(400, 130)
    y0, y1 = 40, 80
    bx0, bx1, head = 80, 300, 190
    svg.rect(bx0, y0, head - bx0, y1 - y0, fill=fill, width=0, stroke='none', guard=False)
    svg.rect(bx0, y0, bx1 - bx0, y1 - y0, fill='none', width=2, guard=False)
    svg.rect(head, y0 + 2, 10, y1 - y0 - 4, fill='#555555', width=1, guard=False)
    svg.line(head + 10, 60, 360, 60, width=5, guard=False)
    svg.rect(360, 42, 10, 36, fill='#555555', width=1, guard=False)
    svg.rect(62, 55, 18, 10, fill=fill, width=2, guard=False)
    svg.rect(50, 50, 12, 20, fill='#555555', width=1, guard=False)
    svg.text(56, 100, 'sealed end')
    svg.text(135, 30, content_label)
    svg.text(290, 112, 'plunger')
    svg.arrow(340, 20, 262, 20, width=2)
    svg.text(348, 25, 'push', anchor='start')
    return svg.render()


# ---------------------------------------------------------------------------
# Answers used more than once
# ---------------------------------------------------------------------------

GRAVITY = ['gravity', 'gravitational force', 'force of gravity', 'gravitational pull', 'pull of gravity',
           "Earth's gravity", 'the force of gravity', 'the pull of gravity', 'the gravitational force',
           'gravitational']
FRICTION = ['friction', 'frictional force', 'force of friction', 'friction force', 'the force of friction',
            'the frictional force', 'frictional']
MAGNETIC = ['magnetic force', 'magnetism', 'magnetic', 'the magnetic force', 'magnetic attraction',
            'force of magnetism', 'magnetic pull']
ELASTIC = ['elastic spring force', 'elastic force', 'spring force', 'elastic', 'elasticity',
           'the elastic spring force', 'the elastic force', 'the spring force', 'elastic spring']
ATTRACT = ['attract', 'they attract', 'attraction', 'attracts', 'attract each other',
           'they attract each other', 'they will attract']
REPEL = ['repel', 'they repel', 'repulsion', 'repels', 'repel each other', 'they repel each other',
         'they will repel']
MAG_METALS = ['iron', 'steel', 'nickel', 'cobalt']
INCREASE = ['increase', 'increases', 'it will increase', 'it increases', 'go up', 'goes up',
            'increase in number', 'rise', 'rises']
DECREASE = ['decrease', 'decreases', 'it will decrease', 'it decreases', 'go down', 'goes down',
            'decrease in number', 'fall', 'falls', 'drop', 'drops']


# ---------------------------------------------------------------------------
# Topic 5: Interactions
# ---------------------------------------------------------------------------

def paper121():
    qs = []
    # 1
    qs.append(mcq([P('Look at the food chain below. Each arrow points from the food to the '
                     'organism that eats it.'), fig(),
                   P('Which organism in this food chain is a <b>producer</b>?')],
                  ['grass', 'grasshopper', 'frog', 'snake'], fixed=1,
                  instruction='Study the food chain. ' + MC,
                  figs=[('', food_chain(['grass', 'grasshopper', 'frog', 'snake']),
                         'A food chain: grass, then grasshopper, then frog, then snake, joined by arrows')]))
    # 2
    qs.append(written([P('Study this food chain.'),
                       P('<b>rice plant &rarr; rat &rarr; owl</b>'),
                       part('a', 'Which organism is eaten by the owl?'),
                       part('b', 'Which organism makes its own food?'),
                       part('c', 'Which organism is a predator?')],
                      [M(*the('rat', 'rats', 'a rat')),
                       M(*the('rice plant', 'rice plants', 'rice', 'a rice plant')),
                       M(*the('owl', 'owls', 'an owl'))],
                      'Write the name of one organism from the food chain for each part.'))
    # 3
    qs.append(mcq('In a food chain, what does each arrow show?',
                  ['It points from the food to the organism that eats it.',
                   'It points from the eater to the food that it eats.',
                   'It points from the bigger animal to the smaller animal.',
                   'It points from each animal to the place where it lives.']))
    # 4
    qs.append(mcq('Which of these objects will be attracted by a magnet?',
                  ['a steel paper clip', 'a plastic ruler', 'a wooden pencil', 'a rubber eraser']))
    # 5
    qs.append(written(box(['push', 'pull']) +
                      [P('Each sentence describes a force. Is the force a push or a pull?'),
                       part('a', 'Dev opens a drawer by its handle. ' + blank()),
                       part('b', 'Lina kicks a football across the field. ' + blank()),
                       part('c', 'Mum shuts the door by pressing on it with her hand. ' + blank()),
                       part('d', 'A girl drags her suitcase along behind her. ' + blank())],
                      [M('pull', 'a pull'), M('push', 'a push'), M('push', 'a push'),
                       M('pull', 'a pull')],
                      'Write push or pull for each part.'))
    # 6
    qs.append(written([P('A stone hangs from a spring balance.'), fig(),
                       P('What is the reading on the spring balance, in newtons (N)?')],
                      N(6), 'Read the scale. Write only the number.',
                      figs=[('', balance_figure(6, 10, 2, 1, 200, 'stone'),
                             'A spring balance with a scale from 0 to 10 newtons; a stone hangs from its hook')]))
    # 7
    qs.append(mcq('Which of these is the most likely habitat of a water lily?',
                  ['a pond', 'a desert', 'a rocky mountain top', 'a dry grassy field']))
    # 8
    qs.append(written([P('Name any two materials that are attracted by a magnet.'),
                       part('a', blank()), part('b', blank())],
                      G(MAG_METALS, 2), 'Write one material on each line.'))
    # 9
    rows = [('(a)', ['NS', 'SN']), ('(b)', ['SN', 'NS']), ('(c)', ['NS', 'NS'])]
    qs.append(written([P('Pairs of bar magnets are placed with their ends close together.'), fig(),
                       P('Will the magnets in each pair attract or repel each other?'),
                       part('a', blank()), part('b', blank()), part('c', blank())],
                      [M(*REPEL), M(*REPEL), M(*ATTRACT)],
                      'Write attract or repel for each pair.',
                      figs=[('', magnet_rows(rows), 'Three pairs of bar magnets. Pair (a): N S then S N, so '
                             'two S poles face each other. Pair (b): S N then N S, so two N poles face each '
                             'other. Pair (c): N S then N S, so an S pole faces an N pole.')]))
    # 10
    qs.append(written([P('Amir let a toy car run down the same ramp onto four different floor surfaces. '
                         'He measured how far the car travelled on each surface.')] +
                      table(['Surface', 'Distance travelled (cm)'],
                            [['carpet', '35'], ['wooden floor', '110'], ['sandpaper', '20'],
                             ['glass', '160']]) +
                      [part('a', 'On which surface did the car travel the furthest?'),
                       part('b', 'Which surface produced the most friction on the car?'),
                       part('c', 'How many centimetres further did the car travel on the wooden floor '
                                 'than on the carpet? Write only the number.')],
                      [M(*the('glass')), M(*the('sandpaper', 'sand paper')), N(75, 2)],
                      'Use the table to answer each part.'))
    # 11
    qs.append(mcq('An animal that hunts and eats other animals is called a',
                  ['predator.', 'prey.', 'producer.', 'habitat.']))
    # 12
    qs.append(mcq('A cactus lives in the desert. It has spines instead of broad leaves. '
                  'How do the spines help the cactus to survive?',
                  ['It loses less water than it would through broad leaves.',
                   'It can take in more sunlight to make food.',
                   'It can soak up water from the air through its spines.',
                   'It can grow more flowers and seeds.']))
    # 13
    qs.append(written('Siti throws a ball up into the air. The ball slows down, stops and then falls '
                      'back to the ground. Which force pulls the ball back down to the ground?',
                      M(*GRAVITY), 'Write the name of the force.'))
    # 14
    qs.append(mcq('All the frogs of one kind living in a pond make up a',
                  ['population.', 'community.', 'habitat.', 'food chain.']))
    # 15
    qs.append(mcq('Which of these human activities harms a river habitat?',
                  ['dumping rubbish into the river',
                   'planting trees along the river banks',
                   'picking up litter from the river banks',
                   'keeping factory waste out of the river']))
    # 16
    qs.append(written([P('Jia Hui hung different loads on a spring and measured the length of the '
                         'spring each time.')] +
                      table(['Load (N)', '0', '1', '2', '3', '4'],
                            [['Length of spring (cm)', '10', '12', '14', '16', '18']]) +
                      [part('a', 'What is the length of the spring with no load, in cm?'),
                       part('b', 'By how many centimetres does the spring stretch each time 1 N is added?'),
                       part('c', 'If the pattern continues, what will the length of the spring be with a '
                                 '5 N load, in cm?')],
                      [N(10), N(2), N(20, 2)],
                      'Use the table. Write only the number for each part.'))
    # 17
    rows = [('A', ['NS', 'NS']), ('B', ['SN', 'SN']), ('C', ['SN', 'NS']), ('D', ['NS', 'iron bar'])]
    qs.append(mcq([P('Four pairs of objects are placed close together. The shaded half of each magnet '
                     'is its N pole.'), fig(),
                   P('Which pair will <b>repel</b> each other?')],
                  ['A', 'B', 'C', 'D'], fixed=3,
                  figs=[('', magnet_rows(rows), 'Pair A: N S then N S. Pair B: S N then S N. '
                         'Pair C: S N then N S. Pair D: a magnet N S then a bar of iron.')]))
    # 18
    qs.append(mcq([P('Study this food chain.'),
                   P('<b>leaves &rarr; caterpillar &rarr; bird</b>'),
                   P('All the birds in the area are caught and taken away. What will most likely '
                     'happen to the number of caterpillars at first?')],
                  ['It will increase.', 'It will decrease.', 'It will stay the same.',
                   'All the caterpillars will die.'], fixed=1))
    return qs


FIELD_WEB = ({'grass': (200, 250), 'rabbit': (90, 170), 'grasshopper': (300, 170), 'frog': (320, 90),
              'snake': (200, 110), 'hawk': (100, 30)},
             [('grass', 'rabbit'), ('grass', 'grasshopper'), ('grasshopper', 'frog'), ('frog', 'snake'),
              ('rabbit', 'snake'), ('rabbit', 'hawk'), ('snake', 'hawk')])
FIELD_WEB_ALT = ('A food web. Grass is eaten by the rabbit and the grasshopper. The grasshopper is eaten '
                 'by the frog. The frog and the rabbit are eaten by the snake. The rabbit and the snake '
                 'are eaten by the hawk.')

MAGNETIC_ANS = ['magnetic', 'it is magnetic', 'attracted', 'magnetic material']
NON_MAGNETIC_ANS = ['non-magnetic', 'nonmagnetic', 'non magnetic', 'not magnetic', 'it is not magnetic',
                    'not attracted', 'non-magnetic material']


def paper122():
    qs = []
    web = food_web(FIELD_WEB[0], FIELD_WEB[1], 400, 280)
    # 1
    qs.append(written([P('Study the food web below. Each arrow points from the food to the animal that '
                         'eats it.'), fig(),
                       part('a', 'Name the producer in this food web.'),
                       part('b', 'How many food chains are there in this food web? Write only the number.'),
                       part('c', 'Name the animal that eats both rabbits and snakes.')],
                      [M(*the('grass')), N(3, 2), M(*the('hawk', 'hawks'))],
                      'Study the food web. Answer each part.',
                      figs=[('', web, FIELD_WEB_ALT)]))
    # 2
    qs.append(mcq([P('Look again at the same food web.'), fig(),
                   P('A disease kills most of the rabbits. Which animals will have less food at first?')],
                  ['the snake and the hawk', 'the grasshopper and the frog', 'the frog only',
                   'the grasshopper only'],
                  instruction='Study the food web. ' + MC,
                  figs=[('', web, FIELD_WEB_ALT)]))
    # 3
    qs.append(mcq('A polar bear lives in the icy Arctic. It has thick fur and a thick layer of fat under '
                  'its skin. How do these help the polar bear to survive?',
                  ['They keep the bear warm in its cold habitat.',
                   'They help the bear to see in the dark.',
                   'They help the bear to smell food from far away.',
                   'They let the bear breathe under water.']))
    # 4
    qs.append(mcq('In which of these is friction <b>useful</b> to us?',
                  ['The soles of our shoes grip the ground so that we do not slip.',
                   'The moving parts of a machine rub and wear away.',
                   'A door hinge squeaks and is hard to turn.',
                   'A sledge is slowed down when we want it to go fast.']))
    # 5
    qs.append(mcq('A wooden drawer is hard to pull open because it rubs against its runners. '
                  'What could be done to make it slide open more easily?',
                  ['Rub wax or soap on the runners.',
                   'Stick sandpaper on the runners.',
                   'Put more things into the drawer.',
                   'Glue rubber strips on the runners.']))
    # 6
    qs.append(written([P('An apple hangs from a spring balance.'), fig(),
                       P('What is the reading on the spring balance, in newtons (N)?')],
                      N(3.5), 'Read the scale. Write only the number.',
                      figs=[('', balance_figure(3.5, 5, 1, 0.5, 200, 'apple'),
                             'A spring balance with a scale from 0 to 5 newtons, marked every half '
                             'newton; an apple hangs from its hook')]))
    # 7
    qs.append(mcq('Ben stops pedalling his bicycle on a flat road. The bicycle slows down and stops. '
                  'Which force makes it slow down?',
                  ['friction', 'magnetic force', 'elastic spring force', 'the push of his feet']))
    # 8
    qs.append(written([P('Grace held a magnet close to some objects.'),
                       P('Is each object made of a magnetic or a non-magnetic material?'),
                       part('a', 'an iron nail ' + blank()),
                       part('b', 'a piece of copper wire ' + blank()),
                       part('c', 'a glass marble ' + blank()),
                       part('d', 'a steel spoon ' + blank())],
                      [M(*MAGNETIC_ANS), M(*NON_MAGNETIC_ANS), M(*NON_MAGNETIC_ANS), M(*MAGNETIC_ANS)],
                      'Write magnetic or non-magnetic for each object.'))
    # 9
    qs.append(mcq('All the plants and animals living together in a pond make up a',
                  ['community.', 'population.', 'habitat.', 'food chain.']))
    # 10
    qs.append(mcq('Which of these best describes a desert habitat?',
                  ['very little rain and hot days',
                   'plenty of rain and tall trees',
                   'cool, shady and damp all year',
                   'covered with salty water']))
    # 11
    qs.append(mcq('In which of these is a magnet used?',
                  ['the seal around a refrigerator door', 'a glass window', 'a rubber band',
                   'a wooden spoon']))
    # 12
    qs.append(written([P('Hari hung loads on a spring and measured its length each time.')] +
                      table(['Load (N)', '0', '2', '4', '6'],
                            [['Length of spring (cm)', '8', '11', '14', '17']]) +
                      [part('a', 'By how many centimetres did the spring stretch when the 4 N load was '
                                 'hung on it?'),
                       part('b', 'If the pattern continues, what load would make the spring 20 cm long? '
                                 'Give your answer in newtons.')],
                      [N(6, 2), N(8, 2)],
                      'Use the table. Write only the number for each part.'))
    # 13
    qs.append(written([P('The table shows what some animals eat.')] +
                      table(['Animal', 'What it eats'],
                            [['cow', 'grass'], ['eagle', 'snakes and rats'], ['caterpillar', 'leaves'],
                             ['frog', 'insects'], ['snake', 'frogs and rats']]) +
                      [part('a', 'Name the animal that is a predator of snakes.'),
                       part('b', 'Name one animal in the table that eats only plants.'),
                       part('c', 'Name one animal that is prey of the snake.')],
                      [M(*the('eagle', 'eagles', 'an eagle')),
                       M(*the('cow', 'caterpillar', 'cows', 'caterpillars', 'a cow', 'a caterpillar')),
                       M(*the('frog', 'frogs', 'rat', 'rats', 'a frog', 'a rat'))],
                      'Use the table. Write the name of one animal for each part.'))
    # 14
    qs.append(mcq('In which direction does gravity pull objects on Earth?',
                  ['downwards, towards the centre of the Earth', 'upwards, away from the Earth',
                   'sideways, in the direction of the wind', 'in any direction the object is moving']))
    # 15
    qs.append(mcq('A large area of forest is cut down to build a new town. What is most likely to happen '
                  'to the animals that lived there?',
                  ['Many of them lose their habitat and food.',
                   'They will all find more food than before.',
                   'More kinds of animals will come to live there.',
                   'Nothing will change for them.']))
    # 16
    qs.append(written([P('Chen tested four magnets, A, B, C and D. He counted how many paper clips of the '
                         'same size each magnet could hold in a chain.')] +
                      table(['Magnet', 'A', 'B', 'C', 'D'],
                            [['Number of paper clips held', '12', '5', '20', '8']]) +
                      [part('a', 'Which magnet was the strongest? Write its letter.'),
                       part('b', 'How many more paper clips did magnet C hold than magnet A? '
                                 'Write only the number.'),
                       part('c', 'Why did Chen use paper clips of the same size for every magnet? '
                                 'Write the number of the correct answer.'),
                       '<ol class="options"><li>to make the magnets stronger</li><li>so that the '
                       'paper clips would not rust</li><li>to make it a fair test</li><li>so that he '
                       'could use fewer paper clips</li></ol>'],
                      [M('C', 'magnet C'), N(8), ('Q', 1, '3')],
                      'Use the table to answer each part.'))
    # 17
    qs.append(written([P('Read these sentences about some living things.'),
                       P('The owl eats shrews. The caterpillar eats cabbage leaves. '
                         'The shrew eats caterpillars.'),
                       P('Write the food chain in order, starting with the producer.'),
                       part('a', blank() + ' (the producer)'),
                       part('b', blank()), part('c', blank()), part('d', blank())],
                      [M(*the('cabbage', 'cabbage leaves', 'cabbages', 'cabbage plant')),
                       M(*the('caterpillar', 'caterpillars')), M(*the('shrew', 'shrews')),
                       M(*the('owl', 'owls'))],
                      'Write one living thing on each line, in order.'))
    # 18
    qs.append(mcq('Zara stretches a rubber band and then lets go of one end. Which force makes the rubber '
                  'band go back to its original shape?',
                  ['elastic spring force', 'gravity', 'friction', 'magnetic force']))
    return qs


POND_WEB = ({'water plants': (200, 252), 'tadpole': (310, 180), 'water snail': (86, 180),
             'water beetle': (320, 100), 'small fish': (160, 100), 'heron': (160, 24)},
            [('water plants', 'tadpole'), ('water plants', 'water snail'), ('tadpole', 'water beetle'),
             ('water beetle', 'small fish'), ('water snail', 'small fish'), ('tadpole', 'small fish'),
             ('small fish', 'heron')])
POND_WEB_ALT = ('A pond food web. Water plants are eaten by the tadpole and the water snail. The tadpole '
                'is eaten by the water beetle and the small fish. The water beetle and the water snail '
                'are eaten by the small fish. The small fish is eaten by the heron.')


def paper123():
    qs = []
    # 1
    qs.append(mcq('Which living things break down dead plants and animals, returning useful materials '
                  'to the soil?',
                  ['bacteria and fungi', 'grass and trees', 'hawks and eagles', 'rabbits and deer']))
    # 2
    qs.append(written([P('Ladybirds eat aphids. The graph shows the number of aphids on a rose bush over '
                         'six weeks. Some ladybirds were put on the rose bush at the end of week 3.'),
                       fig(),
                       part('a', 'How many aphids were on the rose bush in week 2?'),
                       part('b', 'By how many did the number of aphids fall from week 3 to week 6?'),
                       part('c', 'Which is the best explanation for the fall in the number of aphids '
                                 'after week 3? Write the number of the correct answer.'),
                       '<ol class="options"><li>The aphids ate all the ladybirds.</li>'
                       '<li>The rose bush grew more leaves.</li>'
                       '<li>The ladybirds ate many of the aphids.</li>'
                       '<li>The aphids were too cold.</li></ol>'],
                      [N(60), N(60, 2), ('Q', 1, '3')],
                      'Use the graph. For (a) and (b) write only the number.',
                      figs=[('', graph([('aphids', [40, 60, 80, 50, 30, 20])], [1, 2, 3, 4, 5, 6], 'Week',
                                       'Number of aphids', 100, 10, 2),
                             'A line graph of the number of aphids in weeks 1 to 6: 40, 60, 80, 50, 30, '
                             'and 20')]))
    # 3
    qs.append(written([P('Mei pulled the same wooden block across four different surfaces with a spring '
                         'balance. She wrote down the force needed to make the block move.')] +
                      table(['Surface', 'glass', 'wood', 'carpet', 'sandpaper'],
                            [['Force needed (N)', '2', '4', '6', '9']]) +
                      [part('a', 'On which surface was the friction the greatest?'),
                       part('b', 'How many newtons more force was needed on carpet than on glass? '
                                 'Write only the number.'),
                       part('c', 'Why did Mei use the same block each time? Write the number of the '
                                 'correct answer.'),
                       '<ol class="options"><li>so that the spring balance would not break</li>'
                       '<li>so that only the surface was changed, making it a fair test</li>'
                       '<li>because the block was the lightest one she had</li>'
                       '<li>so that the block would move faster</li></ol>'],
                      [M('sandpaper', 'sand paper'), N(4), ('Q', 1, '2')],
                      'Use the table to answer each part.'))
    # 4
    qs.append(written([P('A bag of sand hangs from a spring balance.'), fig(),
                       P('What is the reading on the spring balance, in newtons (N)?')],
                      N(13), 'Read the scale carefully. Write only the number.',
                      figs=[('', balance_figure(13, 20, 5, 1, 220, 'bag of sand'),
                             'A spring balance with a scale from 0 to 20 newtons, numbered every 5 newtons '
                             'and marked every newton; a bag of sand hangs from its hook')]))
    # 5
    qs.append(mcq([P('Three ring magnets are put on a pencil. Magnets A and B float in the air, above the '
                     'magnets below them.'), fig(),
                   P('Why does magnet A float above magnet B?')],
                  ['The sides of A and B that face each other are like poles, so they repel.',
                   'The sides of A and B that face each other are unlike poles, so they attract.',
                   'Gravity pushes magnet A upwards.',
                   'The pencil holds magnet A up by friction.'], marks=2,
                  figs=[('', ring_magnets(), 'Three ring magnets, A at the top, then B, then C, on an upright '
                         'pencil; there are gaps between A and B and between B and C')]))
    # 6
    qs.append(mcq('Some adaptations are ways in which an animal behaves. Which of these is an adaptation '
                  'of <b>behaviour</b>?',
                  ['A bear sleeps through the cold winter.',
                   'A duck has webbed feet.',
                   'A polar bear has white fur.',
                   'A fish has gills.']))
    # 7
    qs.append(mcq('A finch eats seeds. It has a short, thick, strong beak. What is this beak best '
                  'suited for?',
                  ['cracking open hard seeds', 'tearing meat', 'sucking nectar from flowers',
                   'catching fish under water']))
    # 8
    qs.append(written(box(['gravity', 'friction', 'magnetic force', 'elastic spring force']) +
                      [P('Which force is at work in each of these?'),
                       part('a', 'A ball rolling on the grass slows down and stops.'),
                       part('b', 'A catapult flings a paper ball when the stretched rubber is let go.'),
                       part('c', 'A pin jumps up to a magnet held just above it.'),
                       part('d', 'A leaf falls from a tree to the ground.')],
                      [M(*FRICTION), M(*ELASTIC), M(*MAGNETIC), M(*GRAVITY)],
                      'Write a force from the box for each part. Use each force once.'))
    # 9
    qs.append(mcq('Which action helps to protect the plants and animals living in a river?',
                  ['keeping rubbish and chemicals out of the river',
                   'washing cars on the river bank with soap',
                   'letting waste water from factories flow into the river',
                   'catching as many fish as possible']))
    # 10
    qs.append(written([P('Study this pond food web. Each arrow points from the food to the animal that '
                         'eats it.'), fig(),
                       part('a', 'How many food chains are there in this food web? Write only the '
                                 'number.'),
                       part('b', 'Name one animal that is both a predator and prey.'),
                       part('c', 'Name the animal in this food web that is not eaten by any other animal.')],
                      [N(3, 2),
                       M(*the('water beetle', 'small fish', 'beetle', 'fish', 'water beetles', 'beetles')),
                       M(*the('heron', 'herons', 'a heron'))],
                      'Study the food web. Answer each part.',
                      figs=[('', food_web(POND_WEB[0], POND_WEB[1], 400, 280), POND_WEB_ALT)]))
    # 11
    qs.append(mcq([P('Omar dropped paper parachutes of different sizes from the same height, each carrying '
                     'the same toy. He timed how long each took to reach the ground.')] +
                  table(['Area of parachute (cm<sup>2</sup>)', 'Time to fall (s)'],
                        [['100', '1.2'], ['400', '2.0'], ['900', '3.1']]) +
                  [P('What do his results show?')],
                  ['The bigger the parachute, the longer it took to fall.',
                   'The bigger the parachute, the faster it fell.',
                   'The size of the parachute made no difference.',
                   'The smallest parachute took the longest time to fall.'], marks=2))
    # 12
    qs.append(written('A pond has 30 goldfish, 12 frogs, 200 water lilies and many water snails living in '
                      'it. How many different populations of living things are named in this sentence?',
                      N(4, 2), 'Write only the number.'))
    # 13
    qs.append(mcq('Wei stroked an iron nail many times with one end of a magnet, always in the same '
                  'direction. Afterwards, the nail could pick up some pins. What had happened?',
                  ['The nail had become a magnet.',
                   'The nail had turned into copper.',
                   'The magnet had lost all of its magnetism.',
                   'The pins had become magnets before they were touched.']))
    # 14
    qs.append(mcq('Ali gives a ball a push up a slope. The ball slows down, stops, and then rolls back down '
                  'the slope. Which force makes the ball roll back down?',
                  ['gravity', 'magnetic force', 'elastic spring force', 'the push from Ali']))
    # 15
    qs.append(mcq('Which of these living things can make its own food?',
                  ['a mango tree', 'a mushroom', 'an earthworm', 'a caterpillar']))
    # 16
    qs.append(mcq('Which of these uses elastic spring force to work?',
                  ['a trampoline', 'a glass jar', 'a wooden table', 'a fridge magnet']))
    # 17
    qs.append(mcq('A bar magnet hangs from a thread. Ravi brings one end of another bar magnet close to it. '
                  'The end of the hanging magnet moves away. What can Ravi say about the two ends that '
                  'face each other?',
                  ['They are like poles.', 'They are unlike poles.',
                   'One of them is not magnetic.', 'Both of them have lost their magnetism.'], marks=2))
    # 18
    qs.append(mcq('Mynah birds and sparrows in a park both eat the same kind of seeds. When there are not '
                  'enough seeds for all of them, what is this interaction called?',
                  ['competition', 'pollination', 'decomposition', 'adaptation']))
    return qs


MEADOW_WEB = ({'grass': (200, 252), 'rabbit': (80, 175), 'grasshopper': (270, 175), 'lizard': (200, 100),
               'bird': (340, 100), 'snake': (270, 24), 'fox': (80, 60)},
              [('grass', 'rabbit'), ('grass', 'grasshopper'), ('grasshopper', 'lizard'),
               ('grasshopper', 'bird'), ('lizard', 'snake'), ('bird', 'snake'), ('rabbit', 'fox')])
MEADOW_WEB_ALT = ('A food web. Grass is eaten by the rabbit and the grasshopper. The grasshopper is eaten '
                  'by the lizard and the bird. The lizard and the bird are eaten by the snake. The rabbit '
                  'is eaten by the fox.')


def paper124():
    qs = []
    # 1
    qs.append(written([P('Farah put 20 woodlice into a tray with four sections. After 10 minutes she '
                         'counted the woodlice in each section.')] +
                      table(['Section', 'Number of woodlice'],
                            [['damp and dark', '14'], ['damp and bright', '4'], ['dry and dark', '2'],
                             ['dry and bright', '0']]) +
                      [part('a', 'How many woodlice were in the two dark sections altogether?'),
                       part('b', 'How many woodlice were in the two damp sections altogether?'),
                       part('c', 'What can Farah conclude? Write the number of the correct answer.'),
                       '<ol class="options"><li>Woodlice prefer dry, bright places.</li>'
                       '<li>Woodlice do not mind where they live.</li>'
                       '<li>Woodlice prefer dry, dark places.</li>'
                       '<li>Woodlice prefer damp, dark places.</li></ol>'],
                      [N(16), N(18), ('Q', 2, '4')],
                      'Use the table. For (a) and (b) write only the number.'))
    # 2
    qs.append(written([P('Study the food web. Each arrow points from the food to the animal that eats it.'),
                       fig(),
                       part('a', 'How many kinds of animals in this food web eat grasshoppers? '
                                 'Write only the number.'),
                       part('b', 'All the grasshoppers are killed. What will happen to the number of '
                                 'birds at first?'),
                       part('c', 'All the foxes are caught and taken away. What will happen to the number '
                                 'of rabbits at first?')],
                      [N(2), M(*DECREASE, marks=2), M(*INCREASE, marks=2)],
                      'Study the food web. For (b) and (c) write increase or decrease.',
                      figs=[('', food_web(MEADOW_WEB[0], MEADOW_WEB[1], 400, 280), MEADOW_WEB_ALT)]))
    # 3
    qs.append(written([P('Two teams play tug of war. Team A pulls the rope with a force of 300 N. Team B '
                         'pulls the other way with a force of 250 N.'), fig(),
                       part('a', 'Which team will pull the rope towards itself?'),
                       part('b', 'What is the difference between the two forces, in newtons? '
                                 'Write only the number.')],
                      [M('Team A', 'A', 'Team A will win'), N(50)],
                      'Look at the forces. Answer each part.',
                      figs=[('', tug_of_war('Team A', '300 N', 'Team B', '250 N'),
                             'A rope across a centre line. Team A pulls to the left with 300 N; Team B '
                             'pulls to the right with 250 N.')]))
    # 4
    qs.append(written([P('Kofi hung different loads on a spring and measured its length. The graph shows '
                         'his results.'), fig(),
                       part('a', 'What was the length of the spring with a load of 3 N, in cm?'),
                       part('b', 'What load made the spring 14 cm long, in newtons?'),
                       part('c', 'By how many centimetres did the spring stretch for each 1 N of load?')],
                      [N(12), N(4), N(2, 2)],
                      'Use the graph. Write only the number for each part.',
                      figs=[('', graph([('length', [6, 8, 10, 12, 14, 16])], [0, 1, 2, 3, 4, 5], 'Load (N)',
                                       'Length of spring (cm)', 20, 1, 2),
                             'A line graph of the length of a spring against the load: 6 cm at 0 N, '
                             '8 cm at 1 N, 10 cm at 2 N, 12 cm at 3 N, 14 cm at 4 N and 16 cm at 5 N')]))
    # 5
    qs.append(mcq([P('Lena put a sheet of each material between a magnet and a steel paper clip. She '
                     'checked whether the magnet still attracted the paper clip through the sheet.')] +
                  table(['Material of sheet', 'Paper clip still attracted?'],
                        [['paper', 'yes'], ['plastic', 'yes'], ['cloth', 'yes'], ['thin wood', 'yes']]) +
                  [P('Which statement do her results support?')],
                  ['Magnetic force can act through some non-magnetic materials.',
                   'Magnets attract paper, plastic, cloth and wood.',
                   'Magnetic force cannot pass through any material.',
                   'The paper clip is made of a non-magnetic material.'], marks=2))
    # 6
    qs.append(mcq('A water lily has large, flat leaves and stalks with many air spaces inside. '
                  'How do the air spaces help the plant?',
                  ['They help the leaves to float on the water so that they get sunlight.',
                   'They help the roots to hold the plant firmly in the soil.',
                   'They stop fish from eating the leaves.',
                   'They let the plant store water for the dry season.']))
    # 7
    qs.append(mcq('Factories near a town let out a lot of smoke into the air. Which of these is the most '
                  'likely result?',
                  ['More people in the town have breathing problems.',
                   'The river near the town becomes cleaner.',
                   'More birds come to nest in the town.',
                   'The trees in the town grow faster.']))
    # 8
    qs.append(written('A cyclist squeezes the brakes. The brake pads press against the turning wheels and '
                      'the bicycle slows down. Which force between the brake pads and the wheels slows '
                      'the bicycle down?',
                      M(*FRICTION), 'Write the name of the force.'))
    # 9
    qs.append(mcq('The tyres of a car have deep grooves in them. Why?',
                  ['to give more friction, so that the tyres grip the road',
                   'to make the tyres lighter, so that the car goes faster',
                   'to reduce friction, so that the car uses less fuel',
                   'to make the tyres look more attractive']))
    # 10
    qs.append(written(box(['water', 'frog', 'sunlight', 'fern', 'soil', 'mushroom']) +
                      [P('A habitat has living and non-living things. Name any two <b>non-living</b> '
                         'things from the box.'),
                       part('a', blank()), part('b', blank())],
                      G(['water', 'sunlight', 'soil'], 2),
                      'Write one thing from the box on each line.'))
    # 11
    qs.append(mcq('A bar magnet hangs freely from a thread, far away from other magnets. When it stops '
                  'turning, in which directions do its ends point?',
                  ['north and south', 'east and west', 'up and down', 'towards the nearest wall']))
    # 12
    qs.append(mcq('Where does the energy in almost every food chain first come from?',
                  ['the Sun', 'the soil', 'the water', 'the air']))
    # 13
    qs.append(mcq('Bees visit flowers to feed on nectar. How do the flowering plants benefit from the '
                  'visits of the bees?',
                  ['The bees carry pollen from flower to flower, so the plants can make seeds.',
                   'The bees eat the pests that feed on the plants.',
                   'The bees give the plants water.',
                   'The bees make the flowers grow bigger petals.'], marks=2))
    # 14
    qs.append(written('Complete the sentence: An animal that is hunted and eaten by another animal is '
                      'called its ' + blank() + '.',
                      M('prey', 'a prey'), 'Write the missing word.'))
    # 15
    qs.append(written([P('Pupils counted the different kinds of birds seen in three areas of the same '
                         'size.'), fig(),
                       part('a', 'How many more kinds of birds were seen in the forest than on the '
                                 'farmland? Write only the number.'),
                       part('b', 'What do the results suggest? Write the number of the correct answer.'),
                       '<ol class="options"><li>Farmland is the best habitat for most kinds of birds.</li>'
                       '<li>Clearing forest leaves fewer kinds of birds.</li>'
                       '<li>Birds do not need trees at all.</li>'
                       '<li>The number of kinds of birds is the same everywhere.</li></ol>'],
                      [N(34), ('Q', 2, '2')],
                      'Use the bar chart to answer each part.',
                      figs=[('', graph([('kinds', [46, 28, 12])], [1, 2, 3], 'Area', 'Kinds of birds seen',
                                       50, 2, 5, bars=True, xnames=['forest', 'partly cleared', 'farmland']),
                             'A bar chart of the kinds of birds seen: forest 46, partly cleared 28, '
                             'farmland 12')]))
    # 16
    qs.append(mcq('Ahmad pulls a wooden block slowly along a table with a spring balance. The reading is '
                  '4 N. He puts a second, identical block on top of the first and pulls again in the same '
                  'way. What will the reading most likely be?',
                  ['less than 4 N', 'exactly 4 N', 'more than 4 N', '0 N'], fixed=3, marks=2))
    # 17
    qs.append(mcq('Why are some areas of forest and coast made into nature reserves?',
                  ['to protect the habitats of the plants and animals that live there',
                   'to make space for new roads and factories',
                   'so that more trees can be cut down for wood',
                   'so that people can hunt the animals there']))
    # 18
    qs.append(mcq('Which force acts on every object on Earth, even when nothing is touching it?',
                  ['gravity', 'friction', 'elastic spring force', 'the push of the wind']))
    return qs


OAK_WEB = ({'oak tree': (200, 252), 'caterpillar': (90, 175), 'aphid': (310, 175), 'ladybird': (310, 100),
            'blue tit': (170, 100), 'sparrowhawk': (170, 24)},
           [('oak tree', 'caterpillar'), ('oak tree', 'aphid'), ('aphid', 'ladybird'),
            ('caterpillar', 'blue tit'), ('ladybird', 'blue tit'), ('blue tit', 'sparrowhawk')])
OAK_WEB_ALT = ('A food web. The oak tree is eaten by the caterpillar and the aphid. The aphid is eaten by '
               'the ladybird. The caterpillar and the ladybird are eaten by the blue tit. The blue tit is '
               'eaten by the sparrowhawk.')


def paper125():
    qs = []
    # 1
    rabbits = [60, 90, 120, 100, 70, 50, 60, 80]
    foxes = [10, 15, 25, 40, 35, 20, 15, 20]
    qs.append(written([P('Foxes hunt rabbits. The graph shows the numbers of rabbits and foxes on an island '
                         'over eight years.'), fig(),
                       part('a', 'In which year was the number of rabbits the greatest? Write only the '
                                 'number of the year.'),
                       part('b', 'How many foxes were there in year 4? Write only the number.'),
                       part('c', 'Why did the number of rabbits fall from year 3 to year 6? Write the '
                                 'number of the correct answer.'),
                       '<ol class="options"><li>There was more grass for the rabbits to eat.</li>'
                       '<li>The foxes ran out of food.</li>'
                       '<li>There were more foxes eating the rabbits.</li>'
                       '<li>The rabbits ate the foxes.</li></ol>'],
                      [N(3), N(40), ('Q', 2, '3')],
                      'Use the graph to answer each part.',
                      figs=[('', graph([('rabbits', rabbits), ('foxes', foxes)], list(range(1, 9)), 'Year',
                                       'Number of animals', 140, 10, 2, legend=(300, 34)),
                             'A line graph over years 1 to 8. Rabbits: 60, 90, 120, 100, 70, 50, 60, 80. '
                             'Foxes: 10, 15, 25, 40, 35, 20, 15, 20.')]))
    # 2
    qs.append(written([P('Study the food web. Each arrow points from the food to the animal that eats it.'),
                       fig(),
                       part('a', 'How many food chains are there in this food web? Write only the number.'),
                       part('b', 'A disease kills most of the ladybirds. What is most likely to happen at '
                                 'first? Write the number of the correct answer.'),
                       '<ol class="options"><li>The number of aphids will decrease.</li>'
                       '<li>The number of sparrowhawks will increase.</li>'
                       '<li>The number of aphids will increase.</li>'
                       '<li>The oak tree will grow more leaves.</li></ol>'],
                      [N(2), ('Q', 2, '3')],
                      'Study the food web. Answer each part.',
                      figs=[('', food_web(OAK_WEB[0], OAK_WEB[1], 400, 280), OAK_WEB_ALT)]))
    # 3
    qs.append(written([P('Rina wanted to find out which shoe sole grips the floor best. She put sand into '
                         'each shoe so that all four shoes had the same mass. Then she pulled each shoe '
                         'across the same floor with a spring balance and recorded the force needed to '
                         'make it start to slide.')] +
                      table(['Shoe', 'A', 'B', 'C', 'D'],
                            [['Force needed (N)', '8', '14', '5', '11']]) +
                      [part('a', 'Which shoe has the sole with the best grip? Write its letter.'),
                       part('b', 'Why did Rina make all the shoes the same mass? Write the number of the '
                                 'correct answer.'),
                       '<ol class="options"><li>to make the shoes easier to pull</li>'
                       '<li>so that the shoes would not be damaged</li>'
                       '<li>so that the spring balance would give a larger reading</li>'
                       '<li>because the mass of a shoe also changes the friction, so it must be kept the '
                       'same for a fair test</li></ol>'],
                      [M('B', 'shoe B'), ('Q', 2, '4')],
                      'Use the table to answer each part.'))
    # 4
    qs.append(written([P('Yusuf stuck bar magnets together in a stack and counted how many steel paper clips '
                         'the stack could hold in a chain.'), fig(),
                       part('a', 'How many paper clips did a stack of 3 magnets hold?'),
                       part('b', 'How many more paper clips did 4 magnets hold than 2 magnets?'),
                       part('c', 'What is the smallest number of magnets that held 12 or more paper clips?')],
                      [N(11), N(5), N(4, 2)],
                      'Use the graph. Write only the number for each part.',
                      figs=[('', graph([('clips', [4, 8, 11, 13, 14])], [1, 2, 3, 4, 5], 'Number of magnets',
                                       'Number of paper clips held', 16, 1, 2),
                             'A line graph of paper clips held against the number of magnets: 1 magnet 4, '
                             '2 magnets 8, 3 magnets 11, 4 magnets 13, 5 magnets 14')]))
    # 5
    qs.append(written([P('A spring is 12 cm long when nothing hangs from it. It stretches by 1.5 cm for every '
                         '1 N of load hung on it.'),
                       part('a', 'How long will the spring be with a load of 4 N, in cm?'),
                       part('b', 'What load will make the spring 21 cm long, in newtons?')],
                      [N(18, 2), N(6, 2)],
                      'Work out each answer. Write only the number.'))
    # 6
    qs.append(mcq('Rain washed fertiliser from a farm into a pond. Tiny green algae grew very quickly and '
                  'covered the surface of the pond. After some weeks, many of the water plants growing under '
                  'the surface died. What is the most likely reason?',
                  ['The layer of algae stopped sunlight from reaching the water plants, so they could not '
                   'make enough food.',
                   'The fertiliser made the water too cold for the water plants.',
                   'The algae ate the roots of the water plants.',
                   'The fish in the pond ate all of the water plants.'], marks=2))
    # 7
    qs.append(mcq('A camel lives in the desert. Which of its features helps it to walk on soft sand '
                  'without sinking in?',
                  ['wide, flat feet', 'long eyelashes', 'a hump of fat', 'a short tail']))
    # 8
    qs.append(written([P('Pupils counted the dandelion plants inside a square frame placed at five different '
                         'spots on the school field.')] +
                      table(['Spot', '1', '2', '3', '4', '5'],
                            [['Number of dandelions', '3', '5', '2', '6', '4']]) +
                      [part('a', 'How many dandelions did they count altogether?'),
                       part('b', 'What was the average number of dandelions in one square?')],
                      [N(20), N(4)],
                      'Use the table. Write only the number for each part.'))
    # 9
    qs.append(mcq('Sea turtles sometimes swallow plastic bags, mistaking them for jellyfish. Which action '
                  'would best help to protect sea turtles?',
                  ['using fewer plastic bags and never throwing rubbish into the sea',
                   'catching more jellyfish',
                   'building more hotels on the beaches where turtles lay their eggs',
                   'feeding plastic-free bread to the turtles']))
    # 10
    qs.append(mcq([P('Priya has three bars, X, Y and Z, that look the same. Two of them are magnets and one '
                     'is a plain iron bar. She brings the ends of the bars together, two at a time.')] +
                  table(['Bars tested', 'What happened'],
                        [['X and Y', 'They attracted one way round and repelled the other way round.'],
                         ['X and Z', 'They attracted whichever ends were put together.'],
                         ['Y and Z', 'They attracted whichever ends were put together.']]) +
                  [P('Which bar is the plain iron bar?')],
                  ['Z', 'X', 'Y', 'It is not possible to tell.'], marks=2))
    # 11
    qs.append(mcq('Gymnasts rub chalk powder on their hands before swinging on the bars. Why?',
                  ['The chalk dries their hands, increasing friction so they do not slip.',
                   'The chalk makes their hands slippery so they swing faster.',
                   'The chalk makes the bars magnetic.',
                   'The chalk makes their hands lighter.']))
    # 12
    qs.append(written([P('Daniel fired a paper ball from a catapult. He pulled the rubber band back by '
                         'different amounts and measured how far the ball flew.')] +
                      table(['Amount pulled back (cm)', 'Distance flown (m)'],
                            [['5', '1.2'], ['10', '2.5'], ['15', '3.7']]) +
                      [part('a', 'How much further, in metres, did the ball fly when the band was pulled '
                                 'back 15 cm than when it was pulled back 5 cm? Write only the number.'),
                       part('b', 'What do the results show? Write the number of the correct answer.'),
                       '<ol class="options"><li>The further the band was pulled back, the shorter the '
                       'distance flown.</li>'
                       '<li>The further the band was pulled back, the further the ball flew.</li>'
                       '<li>The distance flown did not depend on how far the band was pulled back.</li>'
                       '<li>The ball flew furthest when the band was pulled back 5 cm.</li></ol>'],
                      [N(2.5, 2), ('Q', 1, '2')],
                      'Use the table to answer each part.'))
    # 13
    qs.append(mcq('A new kind of predator is brought to an island where it has no natural enemies. It '
                  'hunts small birds and lizards. What is most likely to happen?',
                  ['The numbers of small birds and lizards on the island may fall sharply.',
                   'The numbers of small birds and lizards will grow quickly.',
                   'The new predator will soon die out because there is no food for it.',
                   'The plants on the island will have less space to grow.']))
    # 14
    qs.append(written('Complete the sentence: A community of living things together with its non-living '
                      'surroundings, such as water, soil and air, is called an ' + blank() + '.',
                      M('ecosystem', 'eco-system', 'eco system'), 'Write the missing word.'))
    # 15
    qs.append(written([P('An apple hangs from spring balance A and a book hangs from spring balance B.'),
                       fig(),
                       part('a', 'What is the reading on spring balance A, in newtons?'),
                       part('b', 'What is the reading on spring balance B, in newtons?'),
                       part('c', 'How many newtons heavier is the book than the apple?')],
                      [N(2.5), N(4), N(1.5)],
                      'Read the scales. Write only the number for each part.',
                      figs=[('', balances_figure([(2.5, 'apple', 'A'), (4, 'book', 'B')], 5, 1, 0.5, 180),
                             'Two spring balances, each with a scale from 0 to 5 newtons marked every half '
                             'newton. An apple hangs from balance A and a book from balance B.')]))
    # 16
    qs.append(mcq('A skydiver jumps from a plane and then opens a parachute. The skydiver falls much more '
                  'slowly. Which force on the skydiver becomes much larger when the parachute opens?',
                  ['air resistance', 'gravity', 'magnetic force', 'elastic spring force']))
    # 17
    qs.append(mcq('An owl hunts mice at night. Which of its features helps it most to find its prey in '
                  'the dark?',
                  ['large eyes that can see in dim light', 'brightly coloured feathers',
                   'a long, thin beak for sucking nectar', 'short, weak claws']))
    # 18
    qs.append(written([P('Isla let a toy car roll down a ramp onto the floor. She changed the height of the '
                         'ramp and measured how far the car travelled along the floor.')] +
                      table(['Height of ramp (cm)', 'Distance travelled (cm)'],
                            [['10', '50'], ['20', '95'], ['30', '140']]) +
                      [part('a', 'What did Isla change in her experiment? Write the number of the correct '
                                 'answer.'),
                       '<ol class="options"><li>the toy car</li><li>the floor surface</li>'
                       '<li>the length of the ramp</li><li>the height of the ramp</li></ol>',
                       part('b', 'How many centimetres further did the car travel when the ramp was raised '
                                 'from 10 cm to 30 cm? Write only the number.')],
                      [('Q', 1, '4'), N(90)],
                      'Use the table to answer each part.'))
    return qs


# ---------------------------------------------------------------------------
# Topic 6: Matter and Materials
# ---------------------------------------------------------------------------

WATERPROOF = ['waterproof', 'water-proof', 'water proof']
TRANSPARENT = ['transparent', 'see-through', 'see through']
FLEXIBLE = ['flexible', 'bendy', 'bendable']
SOLID = ['solid', 'a solid', 'solids']
LIQUID = ['liquid', 'a liquid', 'liquids']
GAS = ['gas', 'a gas', 'gases', 'gasses']


def letter(x, what='box'):
    return M(x, '%s %s' % (what, x))


def paper126():
    qs = []
    # 1
    qs.append(mcq('Which material is <b>transparent</b>, so that we can see clearly through it?',
                  ['clear glass', 'wood', 'steel', 'cardboard']))
    # 2
    qs.append(written(box(['hard', 'flexible', 'waterproof', 'transparent']) +
                      [part('a', 'A window lets light through because glass is ' + blank() + '.'),
                       part('b', 'A raincoat keeps us dry because its plastic is ' + blank() + '.'),
                       part('c', 'A rubber hose bends easily around corners because rubber is '
                                 + blank() + '.'),
                       part('d', 'A diamond can scratch glass because it is very ' + blank() + '.')],
                      [M(*TRANSPARENT), M(*WATERPROOF), M(*FLEXIBLE), M('hard')],
                      'Write a word from the box for each part. Use each word once.'))
    # 3
    qs.append(mcq('Which of these is a solid?',
                  ['an ice cube', 'milk', 'steam', 'oxygen']))
    # 4
    qs.append(written([P('The boxes show how the particles are arranged in a solid, a liquid and a gas.'),
                       fig(),
                       part('a', 'Which box shows a solid?'),
                       part('b', 'Which box shows a liquid?'),
                       part('c', 'Which box shows a gas?')],
                      [letter('B'), letter('C'), letter('A')],
                      'Write the letter of the box for each part.',
                      figs=[('', particle_boxes([('A', 'gas'), ('B', 'solid'), ('C', 'liquid')]),
                             'Box A: a few particles spread far apart. Box B: particles packed close together '
                             'in neat rows. Box C: particles close together but not in rows, in the bottom '
                             'part of the box.')]))
    # 5
    qs.append(mcq('Which state of matter has a fixed shape <b>and</b> a fixed volume?',
                  ['solid', 'liquid', 'gas', 'all three states'], fixed=1))
    # 6
    qs.append(written([P('Some water is poured into a measuring cylinder.'), fig(),
                       P('What is the volume of the water, in ml?')],
                      N(35), 'Read the scale. Write only the number.',
                      figs=[('', cylinder_figure(35, 100, 10, 5, 'ml'),
                             'A measuring cylinder marked from 0 to 100 ml, with a mark every 5 ml; '
                             'the water reaches the mark halfway between 30 and 40')]))
    # 7
    qs.append(mcq('Which material is the best choice for the pot of a saucepan that is heated on a stove?',
                  ['steel', 'paper', 'plastic', 'wax']))
    # 8
    qs.append(written(box(['stone', 'milk', 'steam', 'honey', 'sugar', 'wood']) +
                      [P('Name the two <b>liquids</b> in the box.'),
                       part('a', blank()), part('b', blank())],
                      G(['milk', 'honey'], 2),
                      'Write one liquid from the box on each line.'))
    # 9
    qs.append(mcq('Sam pushes an "empty" glass straight down, upside down, into a bowl of water. The water '
                  'does not fill the glass. What does this show?',
                  ['Air takes up space.', 'Water has no mass.', 'Glass is waterproof.',
                   'Water takes the shape of its container.'], marks=2))
    # 10
    qs.append(written('An empty beaker has a mass of 120 g. When it is filled with water, its mass is 270 g. '
                      'What is the mass of the water, in grams?',
                      N(150, 2), 'Work out the answer. Write only the number.'))
    # 11
    qs.append(written([P('Aisha dropped 10 drops of water onto pieces of four materials. She timed how long '
                         'the water took to soak through each one.')] +
                      table(['Material', 'Time for water to soak through'],
                            [['cotton', '5 seconds'], ['wool', '20 seconds'],
                             ['plastic sheet', 'had not soaked through after 10 minutes'],
                             ['paper towel', '2 seconds']]) +
                      [part('a', 'Which material is waterproof?'),
                       part('b', 'How many seconds longer did the water take to soak through the wool than '
                                 'through the cotton? Write only the number.')],
                      [M(*the('plastic sheet', 'plastic')), N(15, 2)],
                      'Use the table to answer each part.'))
    # 12
    qs.append(mcq('Matter is anything that has mass and takes up space. Which of these is <b>not</b> matter?',
                  ['light', 'air', 'water', 'a stone']))
    # 13
    qs.append(mcq('Jun blocks the end of a syringe full of air with his finger. He pushes the plunger in. '
                  'What happens to the air inside?',
                  ['It is squashed into a smaller space.', 'It disappears.',
                   'It turns into water.', 'It becomes heavier.'], marks=2))
    # 14
    qs.append(mcq('Which method is best for separating a mixture of sand and small stones?',
                  ['using a sieve', 'using a magnet', 'evaporation', 'dissolving in oil']))
    # 15
    qs.append(mcq('Which method is best for separating iron filings from sand?',
                  ['using a magnet', 'using a sieve with large holes', 'adding water and stirring',
                   'heating the mixture']))
    # 16
    qs.append(mcq('Which of these dissolves in water?',
                  ['salt', 'sand', 'pebbles', 'cooking oil']))
    # 17
    qs.append(written(box(['dissolves', 'soluble', 'insoluble', 'solution']) +
                      [part('a', 'When salt is stirred into water it ' + blank() + ' and we cannot see it.'),
                       part('b', 'Sand does not dissolve in water. Sand is ' + blank() + '.'),
                       part('c', 'Sugar can dissolve in water. Sugar is ' + blank() + '.'),
                       part('d', 'The clear liquid made when sugar dissolves in water is called a '
                                 + blank() + '.')],
                      [M('dissolves', 'dissolve'), M('insoluble'), M('soluble'), M('solution')],
                      'Write a word from the box for each part. Use each word once.'))
    # 18
    qs.append(written('A measuring cylinder contains 50 ml of water. Tom drops a stone into it and the water '
                      'level rises to 65 ml. What is the volume of the stone, in cm<sup>3</sup>? '
                      '(1 ml is the same as 1 cm<sup>3</sup>.)',
                      N(15, 2), 'Work out the answer. Write only the number.'))
    return qs


def paper127():
    qs = []
    # 1
    qs.append(written([P('The table shows some properties of four materials.')] +
                      table(['Material', 'Hard?', 'Flexible?', 'Waterproof?', 'Transparent?'],
                            [['glass', 'yes', 'no', 'yes', 'yes'], ['rubber', 'no', 'yes', 'yes', 'no'],
                             ['cotton cloth', 'no', 'yes', 'no', 'no'], ['steel', 'yes', 'no', 'yes', 'no']]) +
                      [part('a', 'Which material is both flexible and waterproof?'),
                       part('b', 'Which material is hard but not transparent?'),
                       part('c', 'Which material is neither hard nor waterproof?')],
                      [M(*the('rubber')), M(*the('steel')), M(*the('cotton cloth', 'cotton', 'cloth'))],
                      'Use the table. Write the name of one material for each part.'))
    # 2
    qs.append(written([P('Some cooking oil is poured into a measuring cylinder.'), fig(),
                       P('What is the volume of the oil, in ml?')],
                      N(64), 'Read the scale carefully. Write only the number.',
                      figs=[('', cylinder_figure(64, 100, 10, 2, 'ml'),
                             'A measuring cylinder marked from 0 to 100 ml, with a mark every 2 ml; '
                             'the oil reaches the second mark above 60')]))
    # 3
    qs.append(mcq('In which state of matter are the particles packed closely together in fixed positions, '
                  'only vibrating on the spot?',
                  ['solid', 'liquid', 'gas', 'both liquid and gas'], fixed=1))
    # 4
    qs.append(written('Lisa pours 200 ml of water from a tall, narrow glass into a wide, shallow bowl. No water '
                      'is spilled. What is the volume of the water in the bowl, in ml?',
                      N(200), 'Write only the number.'))
    # 5
    qs.append(mcq([P('Noah hung a stick by its middle so that it balanced. He tied two balloons of the same '
                     'kind to its ends. Then he blew up balloon A and tied it back in the same place.'),
                   fig(),
                   P('Why did the end with balloon A go down?')],
                  ['The air blown into balloon A has mass.',
                   'Balloon A is smaller than balloon B.',
                   'Air pushes balloon A downwards from above.',
                   'Balloon B has more air in it than balloon A.'], marks=2,
                  figs=[('', balloon_balance('full', 'empty', 12),
                         'A stick hanging from its middle. Blown-up balloon A hangs from the left end, which '
                         'is lower. Empty balloon B hangs from the right end, which is higher.')]))
    # 6
    qs.append(written([P('Ethan tested threads made of four materials. He hung 100 g masses on each thread, '
                         'one at a time, until it broke.')] +
                      table(['Thread', 'nylon', 'cotton', 'wool', 'silk'],
                            [['Number of masses held before breaking', '12', '5', '3', '8']]) +
                      [part('a', 'Which thread was the strongest?'),
                       part('b', 'To make the test fair, what should Ethan keep the same? Write the number '
                                 'of the correct answer.'),
                       '<ol class="options"><li>the colour of the threads</li>'
                       '<li>the material of the threads</li>'
                       '<li>the length and thickness of the threads</li>'
                       '<li>the number of masses each thread held</li></ol>'],
                      [M(*the('nylon', 'nylon thread')), ('Q', 2, '3')],
                      'Use the table to answer each part.'))
    # 7
    qs.append(mcq('The handle of a frying pan is made of plastic or wood, not metal. Why?',
                  ['Plastic and wood do not let heat pass through easily, so the handle stays cool.',
                   'Plastic and wood are stronger than metal.',
                   'Plastic and wood are transparent.',
                   'Plastic and wood are magnetic.']))
    # 8
    qs.append(written([P('Muddy water, a mixture of sand and water, is poured through filter paper in a '
                         'funnel.'), fig(),
                       part('a', 'What is left on the filter paper at A?'),
                       part('b', 'What collects in the beaker at B?'),
                       part('c', 'Why does the sand stay on the filter paper? Write the number of the '
                                 'correct answer.'),
                       '<ol class="options"><li>The sand dissolves in the water.</li>'
                       '<li>The sand is pulled up by the filter paper.</li>'
                       '<li>The sand is lighter than the water.</li>'
                       '<li>The grains of sand are too big to pass through the tiny holes in the paper.'
                       '</li></ol>'],
                      [M(*the('sand', 'wet sand', 'mud')), M(*the('water', 'clean water', 'clear water')),
                       ('Q', 2, '4')],
                      'Look at the diagram. For (a) and (b) write one word.',
                      figs=[('', filter_setup('A', 'B'),
                             'A funnel lined with filter paper standing in a beaker. A points to the solid '
                             'left in the filter paper. B points to the liquid in the beaker.')]))
    # 9
    qs.append(mcq('How can Ravi get back the salt from some salt water?',
                  ['by heating the salt water until all the water evaporates',
                   'by pouring the salt water through filter paper',
                   'by putting the salt water in a fridge overnight',
                   'by holding a magnet over the salt water'], marks=2))
    # 10
    qs.append(written('A basketball has a mass of 600 g. Wei pumps more air into it. Its mass is now 606 g. '
                      'What is the mass of the air that Wei pumped in, in grams?',
                      N(6, 2), 'Work out the answer. Write only the number.'))
    # 11
    qs.append(written(box(['oxygen', 'ice', 'carbon dioxide', 'sand', 'wood', 'milk']) +
                      [P('Name the two <b>gases</b> in the box.'),
                       part('a', blank()), part('b', blank())],
                      G(['oxygen', 'carbon dioxide'], 2),
                      'Write one gas from the box on each line.'))
    # 12
    qs.append(mcq('Which of these is true of <b>every</b> gas?',
                  ['It spreads out to fill the whole of any container it is in.',
                   'It has a fixed shape.',
                   'It cannot be squashed into a smaller space.',
                   'It has no mass.'], marks=2))
    # 13
    qs.append(written([P('Deepa put the same mass of sugar into three beakers holding the same amount of water '
                         'at the same temperature. She timed how long the sugar took to dissolve.')] +
                      table(['Type of sugar', 'Time to dissolve (s)'],
                            [['one sugar cube', '120'], ['granulated sugar', '60'], ['icing sugar (powder)', '25']]) +
                      [part('a', 'How many seconds faster did the granulated sugar dissolve than the sugar '
                                 'cube? Write only the number.'),
                       part('b', 'What do the results show? Write the number of the correct answer.'),
                       '<ol class="options"><li>Large pieces of sugar dissolve faster.</li>'
                       '<li>Sugar dissolves only in hot water.</li>'
                       '<li>The smaller the pieces of sugar, the faster they dissolve.</li>'
                       '<li>The size of the pieces makes no difference.</li></ol>'],
                      [N(60, 2), ('Q', 2, '3')],
                      'Use the table to answer each part.'))
    # 14
    qs.append(mcq('Which material would be best for the lenses of a pair of swimming goggles?',
                  ['clear plastic', 'wood', 'cotton cloth', 'aluminium foil']))
    # 15
    qs.append(written([P('Hari put a small stone into a measuring cylinder of water.'), fig(),
                       P('What is the volume of the stone, in cm<sup>3</sup>?')],
                      N(18, 2), 'Read both scales and work out the answer. Write only the number.',
                      figs=[('', cylinders_figure([{'volume': 40, 'caption': 'Before'},
                                                   {'volume': 58, 'caption': 'After', 'stones': 1}],
                                                  100, 10, 2, 'cm³'),
                             'Two measuring cylinders marked in cm3 every 2 cm3. Before: the water is at 40. '
                             'After the stone is added: the water is at 58.')]))
    # 16
    qs.append(mcq('Which unit is used for measuring mass?',
                  ['kilogram (kg)', 'litre (l)', 'centimetre (cm)', 'cubic centimetre (cm<sup>3</sup>)']))
    # 17
    qs.append(written('Complete the sentence: The amount of space that an object takes up is called its '
                      + blank() + '.',
                      M('volume'), 'Write the missing word.'))
    # 18
    qs.append(mcq('Which of these is a <b>mixture</b> of different substances?',
                  ['sea water', 'an ice cube', 'oxygen', 'pure gold']))
    return qs


def paper128():
    qs = []
    # 1
    qs.append(written([P('Kofi found the greatest mass of sugar that would dissolve in 100 ml of water at '
                         'different temperatures. The graph shows his results.'), fig(),
                       part('a', 'What mass of sugar dissolved in the water at 40 &deg;C, in grams?'),
                       part('b', 'How many more grams of sugar dissolved at 80 &deg;C than at 20 &deg;C?'),
                       part('c', 'What do the results show? Write the number of the correct answer.'),
                       '<ol class="options"><li>Less sugar dissolves in hotter water.</li>'
                       '<li>More sugar dissolves in hotter water.</li>'
                       '<li>The temperature of the water makes no difference.</li>'
                       '<li>Sugar dissolves only in water hotter than 40 &deg;C.</li></ol>'],
                      [N(240), N(160, 2), ('Q', 1, '2')],
                      'Use the graph. For (a) and (b) write only the number.',
                      figs=[('', graph([('sugar', [200, 240, 280, 360])], [20, 40, 60, 80],
                                       'Temperature of water (°C)', 'Mass of sugar dissolved (g)', 400, 20, 2),
                             'A line graph of the mass of sugar dissolved against the temperature of the '
                             'water: 200 g at 20 degrees C, 240 g at 40, 280 g at 60 and 360 g at 80')]))
    # 2
    qs.append(written([P('Juice is poured into a large measuring cylinder.'), fig(),
                       P('What is the volume of the juice, in ml?')],
                      N(170), 'Read the scale carefully. Write only the number.',
                      figs=[('', cylinder_figure(170, 250, 50, 10, 'ml', height=250),
                             'A measuring cylinder marked from 0 to 250 ml, numbered every 50 ml with a mark '
                             'every 10 ml; the juice is two marks above 150')]))
    # 3
    qs.append(mcq('Mei pushed some dry cotton wool into the bottom of a glass. She turned the glass upside '
                  'down and pushed it straight down into a tank of water. When she took it out, the cotton '
                  'wool was still dry. Why?',
                  ['The air trapped in the glass took up space and kept the water out.',
                   'Cotton wool is waterproof.',
                   'The water was too cold to wet the cotton wool.',
                   'Glass soaks up water before it reaches the cotton wool.'], marks=2))
    # 4
    qs.append(mcq([P('Two syringes have their ends sealed. One is filled with air and the other with water. '
                     'Jun pushes each plunger as hard as he can.'), fig(),
                   P('He can push the plunger in a long way when the syringe holds air, but hardly at all '
                     'when it holds water. Why?')],
                  ['The particles of a gas have large spaces between them, so a gas can be squashed.',
                   'Water is lighter than air.',
                   'Air has no mass, so it gets out of the way.',
                   'The particles of water are far apart.'], marks=2,
                  figs=[('', syringe('air or water', LIGHT),
                         'A syringe with its end sealed; the plunger is being pushed in towards the sealed end')]))
    # 5
    qs.append(mcq('Sofia tested the hardness of three materials, P, Q and R, by trying to scratch each one '
                  'with the others. P scratched Q. Q scratched R. R could not scratch P or Q. Which material '
                  'is the hardest?',
                  ['P', 'Q', 'R', 'They are all as hard as each other.'], fixed=1, marks=2))
    # 6
    qs.append(mcq('Electrical wires are usually made of copper. Which property of copper makes it suitable '
                  'for this?',
                  ['It lets electricity pass through it easily.', 'It is transparent.',
                   'It is attracted by magnets.', 'It floats on water.']))
    # 7
    qs.append(written(box(['magnet', 'dissolves', 'filtering', 'evaporating']) +
                      [P('Nadia has a mixture of iron filings, salt and sand. Complete the steps to separate '
                         'them.'),
                       part('a', 'Take out the iron filings with a ' + blank() + '.'),
                       part('b', 'Add water to the rest and stir it until the salt ' + blank() + '.'),
                       part('c', 'Take out the sand by ' + blank() + ' the mixture through filter paper.'),
                       part('d', 'Get the salt back by ' + blank() + ' the water.')],
                      [M('magnet', 'a magnet'), M('dissolves', 'dissolve'),
                       M('filtering', 'filter', 'pouring'),
                       M('evaporating', 'evaporation', 'heating', 'boiling', 'boiling away')],
                      'Write a word from the box for each part. Use each word once.'))
    # 8
    qs.append(written('An empty beaker has a mass of 150 g. Some cooking oil is poured in. The beaker and oil '
                      'now have a mass of 330 g. What is the mass of the oil, in grams?',
                      N(180), 'Work out the answer. Write only the number.'))
    # 9
    qs.append(mcq('A bar of chocolate is left in a hot car. It becomes soft and runny. How has it changed?',
                  ['from a solid to a liquid', 'from a liquid to a solid', 'from a liquid to a gas',
                   'from a gas to a liquid'], fixed=1))
    # 10
    qs.append(written([P('Ling clamped strips of four materials, all the same size, to the edge of a table. She '
                         'hung a 100 g mass on the end of each strip and measured how far the end bent '
                         'down.')] +
                      table(['Material', 'plastic', 'wood', 'rubber', 'cardboard'],
                            [['How far the end bent down (cm)', '4', '1', '9', '6']]) +
                      [part('a', 'Which material was the most flexible?'),
                       part('b', 'How many centimetres further did the rubber strip bend than the wooden '
                                 'strip? Write only the number.'),
                       part('c', 'Which material would be best for a ruler that must stay straight? Write the '
                                 'number of the correct answer.'),
                       '<ol class="options"><li>plastic</li><li>wood</li><li>rubber</li><li>cardboard</li></ol>'],
                      [M(*the('rubber')), N(8), ('Q', 1, '2')],
                      'Use the table to answer each part.'))
    # 11
    qs.append(mcq('Grace opens a bottle of perfume at the front of the classroom. Soon the pupils at the '
                  'back can smell it. What does this show about gases?',
                  ['A gas spreads out to fill the space it is in.',
                   'A gas has a fixed shape.',
                   'A gas cannot move through air.',
                   'A gas has a fixed volume.']))
    # 12
    qs.append(mcq([P('The table shows some properties of four materials, P, Q, R and S.')] +
                  table(['Material', 'Strong?', 'Waterproof?', 'Transparent?'],
                        [['P', 'yes', 'yes', 'no'], ['Q', 'no', 'yes', 'yes'], ['R', 'yes', 'yes', 'yes'],
                         ['S', 'yes', 'no', 'yes']]) +
                  [P('Which material would be best for making the sides of a fish tank?')],
                  ['P', 'Q', 'R', 'S'], fixed=3, marks=2))
    # 13
    qs.append(written(box(['glass', 'wood', 'cling film', 'brick', 'clear plastic', 'aluminium foil']) +
                      [P('Three of the materials in the box are transparent. Name them.'),
                       part('a', blank()), part('b', blank()), part('c', blank())],
                      G(['glass', 'cling film', 'clear plastic'], 3),
                      'Write one material from the box on each line.'))
    # 14
    qs.append(written('A block of wood is a cuboid 5 cm long, 4 cm wide and 3 cm high. What is its volume, '
                      'in cm<sup>3</sup>?',
                      N(60), 'Work out the answer. Write only the number.'))
    # 15
    qs.append(mcq('Noah wants to show that air has mass. He will hang a balloon at each end of a balanced '
                  'stick and then blow up one of them. Why must the two balloons be of the same kind and '
                  'size before he starts?',
                  ['so that any change in the balance is caused only by the air blown in',
                   'so that both balloons can be blown up',
                   'so that the stick does not break',
                   'so that the balloons look the same']))
    # 16
    qs.append(written([P('Kiran put a spoonful of sugar into each of two glasses of water. He stirred one glass '
                         'and left the other alone.')] +
                      table(['Glass', 'Time for the sugar to dissolve (s)'],
                            [['stirred', '30'], ['not stirred', '150']]) +
                      [part('a', 'How many seconds longer did the sugar take to dissolve when it was not '
                                 'stirred? Write only the number.'),
                       part('b', 'What does this show? Write the number of the correct answer.'),
                       '<ol class="options"><li>Stirring stops sugar from dissolving.</li>'
                       '<li>Stirring makes no difference.</li>'
                       '<li>Sugar dissolves only when it is stirred.</li>'
                       '<li>Stirring makes sugar dissolve faster.</li></ol>'],
                      [N(120), ('Q', 1, '4')],
                      'Use the table to answer each part.'))
    # 17
    qs.append(mcq('Which of these mixtures can be separated by filtering?',
                  ['chalk powder and water', 'salt and water', 'sugar and water', 'air and water vapour']))
    # 18
    qs.append(mcq('Dry sand can be poured from one container into another, like a liquid. Yet sand is a '
                  'solid. Why?',
                  ['Each grain of sand has its own fixed shape and volume.',
                   'Sand can be squashed into a smaller space.',
                   'Sand takes the shape of its container.',
                   'Sand has no mass.'], marks=2))
    return qs


def paper129():
    qs = []
    # 1
    qs.append(written([P('Mrs Lim put 50 ml of water into a measuring cylinder. She dropped in identical marbles '
                         'one at a time and read the water level after each one.'), fig(),
                       part('a', 'What was the water level with 3 marbles in the cylinder, in ml?'),
                       part('b', 'What is the volume of one marble, in cm<sup>3</sup>?'),
                       part('c', 'If the pattern continues, what will the water level be with 6 marbles, '
                                 'in ml?')],
                      [N(68), N(6, 2), N(86, 2)],
                      'Use the graph. Write only the number for each part.',
                      figs=[('', graph([('level', [50, 56, 62, 68, 74, 80])], [0, 1, 2, 3, 4, 5],
                                       'Number of marbles', 'Water level (ml)', 90, 2, 5, ymin=40),
                             'A line graph of the water level against the number of marbles: 50 ml with no '
                             'marbles, then 56, 62, 68, 74 and 80 ml with 1 to 5 marbles. The level axis '
                             'starts at 40 ml.')]))
    # 2
    qs.append(written([P('Five identical steel balls are dropped into a measuring cylinder of water.'), fig(),
                       part('a', 'What is the total volume of the five balls, in cm<sup>3</sup>?'),
                       part('b', 'What is the volume of one ball, in cm<sup>3</sup>?')],
                      [N(15), N(3, 2)],
                      'Read both scales. Write only the number for each part.',
                      figs=[('', cylinders_figure([{'volume': 30, 'caption': 'Before'},
                                                   {'volume': 45, 'caption': 'After', 'marbles': 5}],
                                                  50, 10, 1, 'cm³', height=220),
                             'Two measuring cylinders marked in cm3 from 0 to 50, with a mark every 1 cm3. '
                             'Before: the water is at 30. After five balls are added: the water is at 45.')]))
    # 3
    qs.append(mcq('Omar pushes a balloon into an empty bottle and stretches its neck over the mouth of the '
                  'bottle. When he blows into the balloon, it hardly gets any bigger. Why?',
                  ['The bottle is full of air, which takes up space and has no way out.',
                   'The balloon has a hole in it.',
                   'Air has no mass.',
                   'The glass of the bottle pulls the balloon in.'], marks=2))
    # 4
    qs.append(mcq([P('The table gives the volume and the mass of two blocks.')] +
                  table(['Block', 'Volume (cm<sup>3</sup>)', 'Mass (g)'],
                        [['wood', '100', '60'], ['iron', '20', '158']]) +
                  [P('Which statement do these results support?')],
                  ['An object with a bigger volume does not always have a bigger mass.',
                   'The bigger an object is, the greater its mass.',
                   'All objects with the same volume have the same mass.',
                   'Wood always has a greater mass than iron.'], marks=2))
    # 5
    qs.append(mcq('Car tyres are made of rubber. Which set of properties makes rubber a good choice?',
                  ['strong, flexible, waterproof and grips the road well',
                   'transparent, brittle and waterproof',
                   'magnetic, hard and shiny',
                   'soft, absorbs water and tears easily']))
    # 6
    qs.append(mcq('Objects of two kinds are mixed together. For which mixture can the objects <b>not</b> be '
                  'separated with a magnet?',
                  ['aluminium cans and copper wire', 'steel cans and aluminium cans',
                   'iron nails and wooden beads', 'steel pins and plastic buttons'], marks=2))
    # 7
    qs.append(written([P('Yusuf added level spoonfuls of sugar, one at a time, to 100 ml of water, stirring '
                         'each time, until no more would dissolve. He did this with water at three '
                         'temperatures.')] +
                      table(['Temperature of water (&deg;C)', 'Spoonfuls of sugar dissolved'],
                            [['20', '8'], ['40', '11'], ['60', '15']]) +
                      [part('a', 'How many more spoonfuls dissolved at 60 &deg;C than at 20 &deg;C? Write only '
                                 'the number.'),
                       part('b', 'Which of these did Yusuf keep the same to make the test fair? Write the '
                                 'number of the correct answer.'),
                       '<ol class="options"><li>the temperature of the water</li>'
                       '<li>the number of spoonfuls dissolved</li>'
                       '<li>the amount of water</li>'
                       '<li>the time of day</li></ol>'],
                      [N(7), ('Q', 2, '3')],
                      'Use the table to answer each part.'))
    # 8
    qs.append(mcq('A sealed bottle of fizzy drink is weighed. It is then opened and left for a day, and the '
                  'drink goes flat. No drink is spilled. When it is weighed again, its mass is a little less. '
                  'Why?',
                  ['Gas (carbon dioxide) escaped from the drink, and gas has mass.',
                   'The drink became colder, and cold things weigh less.',
                   'The bottle lost some of its plastic.',
                   'Air got into the bottle and made it lighter.'], marks=2))
    # 9
    qs.append(mcq('Air can be squashed into a smaller space, but a block of wood cannot. Why?',
                  ['The particles in air are far apart, with a lot of space between them.',
                   'The particles in wood are far apart.',
                   'Air has no particles.',
                   'The particles in air are bigger than those in wood.'], marks=2))
    # 10
    qs.append(mcq('Pupils are testing which fabric is the most waterproof by dripping water onto pieces of '
                  'fabric. Which of these must they keep the same for a fair test?',
                  ['the amount of water dripped onto each piece',
                   'the kind of fabric',
                   'how much water soaks through',
                   'the colour of each pupil\'s shirt']))
    # 11
    qs.append(written('Ten identical marbles are put into a container. The container and marbles have a mass of '
                      '270 g. The empty container has a mass of 20 g. What is the mass of one marble, in '
                      'grams?',
                      N(25, 2), 'Work out the answer. Write only the number.'))
    # 12
    qs.append(mcq('Electrical wires are covered in plastic. Why?',
                  ['Plastic does not let electricity pass through, so the wires are safe to touch.',
                   'Plastic makes the electricity flow faster.',
                   'Plastic is attracted by magnets.',
                   'Plastic is transparent, so we can see the wire.']))
    # 13
    qs.append(written([P('A mixture contains marbles, dried peas and sand.')] +
                      table(['Part of the mixture', 'Size'],
                            [['marbles', '15 mm across'], ['dried peas', '7 mm across'],
                             ['sand grains', 'less than 1 mm across']]) +
                      [P('Sieve Y has holes 10 mm wide. Sieve X has holes 3 mm wide.'),
                       part('a', 'The whole mixture is shaken in sieve Y. What is left in sieve Y?'),
                       part('b', 'What falls through sieve Y is then shaken in sieve X. What is left in '
                                 'sieve X?'),
                       part('c', 'What falls through sieve X?')],
                      [M(*the('marbles', 'marble')), M(*the('dried peas', 'peas', 'dried pea', 'pea')),
                       M(*the('sand', 'sand grains', 'sand grain', 'grains of sand'))],
                      'Use the table. Write the name of one part of the mixture for each part.'))
    # 14
    qs.append(mcq('Which order of steps will separate a mixture of sand and salt, getting back both the sand '
                  'and the salt?',
                  ['add water and stir, filter, then evaporate the water',
                   'filter, then add water, then use a magnet',
                   'evaporate, then add water and stir, then filter',
                   'use a magnet, then sieve, then filter'], marks=2))
    # 15
    qs.append(mcq([P('Substance X has these properties:'),
                   P('It has a fixed volume. It takes the shape of any container it is poured into. It '
                     'cannot easily be squashed into a smaller space.'),
                   P('What is substance X?')],
                  ['a liquid', 'a solid', 'a gas', 'a mixture of gases']))
    # 16
    qs.append(written('A closed cardboard box measures 20 cm by 10 cm by 5 cm on the inside. It looks empty, '
                      'but it is full of air. What is the volume of the air inside the box, in '
                      'cm<sup>3</sup>?',
                      N(1000, 2), 'Work out the answer. Write only the number.'))
    # 17
    qs.append(mcq('Tracing paper lets some light through, but we cannot see clearly through it. What word '
                  'describes this material?',
                  ['translucent', 'transparent', 'opaque', 'waterproof']))
    # 18
    qs.append(mcq('Which experiment would show that air has mass?',
                  ['weighing a football before and after pumping more air into it',
                   'blowing up a balloon and watching it get bigger',
                   'fanning a piece of paper and watching it move',
                   'smelling perfume from across a room']))
    return qs


def paper130():
    qs = []
    # 1
    qs.append(written([P('Sofia weighed a football. Then she pumped air into it, weighing it again after every '
                         '10 pumps. The graph shows her results.'), fig(),
                       part('a', 'What was the mass of the football after 20 pumps, in grams?'),
                       part('b', 'What mass of air did 40 pumps add to the football, in grams?'),
                       part('c', 'What do her results show? Write the number of the correct answer.'),
                       '<ol class="options"><li>Air has no mass.</li>'
                       '<li>The football became lighter as air was pumped in.</li>'
                       '<li>Air has mass.</li>'
                       '<li>Air cannot be squashed into a smaller space.</li></ol>'],
                      [N(428), N(16, 2), ('Q', 1, '3')],
                      'Use the graph. For (a) and (b) write only the number.',
                      figs=[('', graph([('mass', [420, 424, 428, 432, 436])], [0, 10, 20, 30, 40],
                                       'Number of pumps', 'Mass of football (g)', 440, 1, 5, ymin=410),
                             'A line graph of the mass of a football against the number of pumps: 420 g at 0 '
                             'pumps, 424 g at 10, 428 g at 20, 432 g at 30 and 436 g at 40. The mass axis '
                             'starts at 410 g.')]))
    # 2
    qs.append(written([P('A measuring cylinder held 45 cm<sup>3</sup> of water. Ravi dropped in stone A and read '
                         'the level. Then he dropped in stone B as well and read the level again.'), fig(),
                       part('a', 'What is the volume of stone A, in cm<sup>3</sup>?'),
                       part('b', 'What is the volume of stone B, in cm<sup>3</sup>?')],
                      [N(15, 2), N(22, 2)],
                      'Read the scales and work out each answer. Write only the number.',
                      figs=[('', cylinders_figure([{'volume': 60, 'caption': 'With A', 'stones': [1.0]},
                                                   {'volume': 82, 'caption': 'With A and B',
                                                    'stones': [1.0, 1.15]}],
                                                  100, 10, 2, 'cm³'),
                             'Two measuring cylinders marked in cm3 every 2 cm3. With stone A in, the water '
                             'is at 60. With stones A and B in, the water is at 82.')]))
    # 3
    qs.append(written([P('Priya timed how long a sugar cube took to dissolve in the same amount of water at '
                         'different temperatures. The graph shows her results.'), fig(),
                       part('a', 'How long did the sugar cube take to dissolve at 40 &deg;C, in seconds?'),
                       part('b', 'How many seconds faster did it dissolve at 80 &deg;C than at 20 &deg;C?'),
                       part('c', 'What do the results show? Write the number of the correct answer.'),
                       '<ol class="options"><li>Sugar dissolves faster in colder water.</li>'
                       '<li>Sugar dissolves faster in hotter water.</li>'
                       '<li>Sugar dissolves only at 80 &deg;C.</li>'
                       '<li>The temperature of the water makes no difference.</li></ol>'],
                      [N(110), N(150, 2), ('Q', 1, '2')],
                      'Use the graph. For (a) and (b) write only the number.',
                      figs=[('', graph([('time', [180, 110, 60, 30])], [20, 40, 60, 80],
                                       'Temperature of water (°C)', 'Time to dissolve (s)', 200, 10, 2),
                             'A line graph of the time for a sugar cube to dissolve against the temperature '
                             'of the water: 180 s at 20 degrees C, 110 s at 40, 60 s at 60 and 30 s at 80')]))
    # 4
    qs.append(written([P('The table shows some properties of four materials, W, X, Y and Z.')] +
                      table(['Material', 'Transparent?', 'Waterproof?', 'Flexible?', 'Strong?'],
                            [['W', 'yes', 'yes', 'no', 'yes'], ['X', 'no', 'yes', 'yes', 'no'],
                             ['Y', 'no', 'no', 'yes', 'yes'], ['Z', 'no', 'no', 'no', 'no']]) +
                      [P('Which material is the only suitable one for each object?'),
                       part('a', 'a raincoat, which must keep out rain and bend as the wearer moves'),
                       part('b', 'the window of a boat, which must let light in, keep water out and not '
                                 'break easily'),
                       part('c', 'a rope for pulling a boat, which must be strong and bend easily')],
                      [letter('X', 'material'), letter('W', 'material'), letter('Y', 'material')],
                      'Use the table. Write the letter of one material for each part.'))
    # 5
    qs.append(mcq('A mixture contains small stones, iron filings, sand and salt. Which order of steps will '
                  'separate all four?',
                  ['sieve out the stones; take out the iron filings with a magnet; add water, stir and '
                   'filter out the sand; evaporate the water to get the salt',
                   'add water and stir; evaporate the water; sieve out the stones; filter out the sand',
                   'filter out the salt; sieve out the iron filings; use a magnet to take out the sand; '
                   'evaporate the stones',
                   'evaporate the mixture; take out the salt with a magnet; sieve out the sand; filter '
                   'out the stones'], marks=2))
    # 6
    qs.append(written([P('Three syringes each held 20 ml: one held air, one water and one cooking oil. Their '
                         'ends were sealed and each plunger was pushed in as hard as possible.')] +
                      table(['Syringe contains', 'Volume before pushing (ml)', 'Volume after pushing (ml)'],
                            [['air', '20', '12'], ['water', '20', '20'], ['cooking oil', '20', '20']]) +
                      [part('a', 'By how many ml did the volume of the air decrease? Write only the number.'),
                       part('b', 'What do the results show? Write the number of the correct answer.'),
                       '<ol class="options"><li>Liquids can be squashed more easily than gases.</li>'
                       '<li>Air, water and cooking oil all have a fixed volume.</li>'
                       '<li>A gas can be squashed into a smaller space, but these liquids cannot.</li>'
                       '<li>Cooking oil is a gas.</li></ol>'],
                      [N(8), ('Q', 2, '3')],
                      'Use the table to answer each part.'))
    # 7
    qs.append(mcq('Many large bridges are built with steel. Which property of steel is most important for '
                  'this use?',
                  ['It is very strong and can hold up heavy loads.', 'It is transparent.',
                   'It is very flexible, like rubber.', 'It soaks up water.']))
    # 8
    qs.append(written([P('Zara put 50 g of water in a beaker on a balance. She added 10 g of salt and stirred '
                         'until all the salt dissolved. The salt could no longer be seen.'),
                       part('a', 'What was the mass of the salt water, in grams? Do not count the beaker. '
                                 'Write only the number.'),
                       part('b', 'Why is that the mass? Write the number of the correct answer.'),
                       '<ol class="options"><li>The salt disappeared, so it has no mass.</li>'
                       '<li>The salt is still there, mixed into the water, so its mass still counts.</li>'
                       '<li>The water lost mass when the salt dissolved.</li>'
                       '<li>Dissolving always makes things heavier.</li></ol>'],
                      [N(60), ('Q', 2, '2')],
                      'Answer each part.'))
    # 9
    qs.append(mcq('Kiran put a funnel into the neck of an empty bottle and sealed the gap around it tightly '
                  'with modelling clay. When he poured water into the funnel, the water stayed in the funnel '
                  'and hardly any went into the bottle. Why?',
                  ['The air in the bottle could not escape, so there was no space for the water.',
                   'The funnel was too narrow for water to flow through.',
                   'Water cannot flow downwards into a bottle.',
                   'The clay soaked up the water.'], marks=2))
    # 10
    qs.append(written([P('Some water is poured into a small measuring cylinder.'), fig(),
                       P('What is the volume of the water, in cm<sup>3</sup>?')],
                      N(37), 'Read the scale carefully. Write only the number.',
                      figs=[('', cylinder_figure(37, 50, 10, 1, 'cm³', height=240),
                             'A measuring cylinder marked from 0 to 50 cm3, numbered every 10 with a mark '
                             'every 1 cm3; the water is at the seventh mark above 30')]))
    # 11
    qs.append(mcq('Ben tries to scratch pieces of different materials with an iron nail. Which property is he '
                  'testing?',
                  ['hardness', 'flexibility', 'transparency', 'waterproofness']))
    # 12
    qs.append(written(box(['stirring', 'using cold water', 'using hot water', 'crushing the sugar',
                           'putting a lid on the glass']) +
                      [P('Three of the things in the box make sugar dissolve faster in water. Name them.'),
                       part('a', blank()), part('b', blank()), part('c', blank())],
                      G(['stirring', 'using hot water', 'crushing the sugar'], 3),
                      'Write one thing from the box on each line.'))
    # 13
    qs.append(mcq('Which of these describes every liquid?',
                  ['It has a fixed volume but takes the shape of its container.',
                   'It has a fixed shape and a fixed volume.',
                   'It has no fixed volume and spreads out to fill its container.',
                   'It can easily be squashed into a smaller space.']))
    # 14
    qs.append(mcq('Hot water is poured onto a tea bag in a cup. Which statement is correct?',
                  ['The tea bag acts as a filter: the tea leaves stay inside and the tea liquid passes '
                   'out through it.',
                   'The tea leaves dissolve completely in the water.',
                   'The tea bag acts as a magnet for the tea leaves.',
                   'The water evaporates through the tea bag.']))
    # 15
    qs.append(written('A sealed bottle of fizzy drink has a mass of 520 g. It is opened and shaken, and bubbles '
                      'of gas escape. No liquid is spilled. Its mass is now 514 g. What mass of gas escaped, '
                      'in grams?',
                      N(6, 2), 'Work out the answer. Write only the number.'))
    # 16
    qs.append(mcq('Climbing ropes are made of nylon. Why is nylon a good material for a climbing rope?',
                  ['It is strong and flexible.', 'It is hard and brittle.', 'It is transparent and stiff.',
                   'It is magnetic and heavy.']))
    # 17
    qs.append(mcq('Which of these is <b>not</b> a property of a gas?',
                  ['It has a fixed volume.', 'It has mass.', 'It can be squashed into a smaller space.',
                   'It takes up space.']))
    # 18
    qs.append(written('Mei heated 100 g of salt water in a dish until all the water had evaporated. There were '
                      '3.5 g of salt left in the dish. What mass of water evaporated, in grams?',
                      N(96.5, 2), 'Work out the answer. Write only the number.'))
    return qs


# ---------------------------------------------------------------------------
# Putting the papers together, checking them and writing them out
# ---------------------------------------------------------------------------

TOPICS = [('Interactions', 121, [paper121, paper122, paper123, paper124, paper125]),
          ('Matter and Materials', 126, [paper126, paper127, paper128, paper129, paper130])]

# where the correct option goes, in turn, for the questions whose options may be arranged
KEY_ORDER = [2, 4, 1, 3, 3, 1, 4, 2, 4, 2, 3, 1, 1, 3, 2, 4]

ENTITIES = {'&nbsp;': '&#160;', '&rarr;': '&#8594;', '&ndash;': '&#8211;', '&mdash;': '&#8212;',
            '&deg;': '&#176;', '&times;': '&#215;', '&divide;': '&#247;', '&frasl;': '&#8260;',
            '&rsquo;': '&#8217;', '&lsquo;': '&#8216;', '&larr;': '&#8592;', '&uarr;': '&#8593;',
            '&darr;': '&#8595;'}
CLASSES = ('part', 'options', 'data', 'passage', 'figure', 'blank', 'frac')


def place_options(qs, paper_no):
    turn = (paper_no * 5) % len(KEY_ORDER)
    for q in qs:
        if q.options is None:
            continue
        opts = q.options
        if q.fixed:
            key = q.fixed
            shown = opts
        else:
            key = KEY_ORDER[turn % len(KEY_ORDER)]
            turn += 1
            shown = opts[1:]
            shown.insert(key - 1, opts[0])
        q.body = q.body + ['<ol class="options">'] + ['<li>%s</li>' % o for o in shown] + ['</ol>']
        q.answers = [('Q', m, str(key)) if t == 'Q' else (t, m, k) for t, m, k in q.answers]


def place_figures(q):
    names = {}
    for suffix, svg, alt in q.figs:
        name = 'q%d%s.svg' % (q.qid, suffix)
        names[suffix] = name
        token = fig(suffix)
        html = '<div class="figure"><img src="figures/%s" alt="%s"></div>' % (name, xesc(alt))
        assert sum(line.count(token) for line in q.body) == 1, (q.qid, token)
        q.body = [html if line == token else line for line in q.body]
    assert not any('{fig' in line for line in q.body), q.qid
    return names


def check_html(lines):
    text = '\n'.join(lines)
    for ent, rep in ENTITIES.items():
        text = text.replace(ent, rep)
    assert not re.search(r'&[a-z]+;', text), re.findall(r'&[a-z]+;', text)
    assert '<script' not in text.lower() and 'style=' not in text and 'http' not in text
    text = re.sub(r'<img ([^>]*[^/])>', r'<img \1/>', text)
    ET.fromstring('<div>' + text + '</div>')
    for cls in re.findall(r'class="([^"]*)"', text):
        assert cls in CLASSES, cls


def check_key(t, key):
    assert key and '\t' not in key and '\n' not in key and '#' not in key and '>' not in key, key
    if t == 'N':
        assert re.fullmatch(r'\d+(\.\d+)?', key), key
        assert not (key.startswith('0') and len(key) > 1 and key[1] != '.'), key
        assert not ('.' in key and key.endswith('0')), key
    elif t == 'Q':
        assert key in ('1', '2', '3', '4'), key
    elif t == 'T':
        assert re.fullmatch(r'[A-Za-z][A-Za-z -]*[A-Za-z]|[A-Za-z]', key), key
    elif t == 'L':
        assert key == key.strip() and '  ' not in key, key
    elif t in ('M', 'G'):
        if key == '[space]':
            return
        assert key.startswith(';') and len(key) > 1, key
        alts = key[1:].split(';')
        assert all(a.strip() == a and a for a in alts), key
        low = [a.lower() for a in alts]
        assert len(set(low)) == len(low), ('repeated alternative', key)
    else:
        raise AssertionError('type ' + t)


def check_question(q):
    assert 1 <= len(q.answers) <= 20, q.qid
    assert q.instruction and '\n' not in q.instruction and '<' not in q.instruction, q.qid
    check_html(q.body)
    body = '\n'.join(q.body)
    if len(q.answers) > 1:
        letters = re.findall(r'<p class="part">\((\w)\)', body)
        assert letters == [chr(ord('a') + i) for i in range(len(q.answers))], (q.qid, letters)
    types = [t for t, _, _ in q.answers]
    for i, (t, m, key) in enumerate(q.answers):
        assert m in (1, 2), q.qid
        check_key(t, key)
        if key == '[space]':
            assert t == 'G' and i > 0 and types[i - 1] == 'G', q.qid
    # each G group has at least as many alternatives as slots
    i = 0
    while i < len(q.answers):
        t, _, key = q.answers[i]
        if t == 'G':
            assert key != '[space]', q.qid
            j = i + 1
            while j < len(q.answers) and q.answers[j][2] == '[space]':
                j += 1
            assert j - i >= 2 and len(key[1:].split(';')) >= j - i, q.qid
            i = j
        else:
            i += 1
    if 'Q' in types:
        assert types.count('Q') == 1, q.qid
        assert body.count('<ol class="options">') == 1 and body.count('<li>') == 4, q.qid
    else:
        assert '<ol' not in body, q.qid
    if 'N' in types:
        assert 'number' in (q.instruction + body).lower(), q.qid
    for src in re.findall(r'<img src="figures/([^"]+)"', body):
        assert src in [('q%d%s.svg' % (q.qid, s)) for s, _, _ in q.figs], (q.qid, src)


def render_paper(title, qs):
    out = ['# %s' % title,
           '# Written by course/tools/gen_science_t5_t6.py; edit the script, not this file.', '']
    for q in qs:
        out.append('== %05d' % q.qid)
        out.append('instruction: ' + q.instruction)
        out += q.body
        for t, m, key in q.answers:
            out.append('answer: %s %d %s' % (t, m, key))
        out.append('')
    return '\n'.join(out)


def main():
    qid = FIRST_ID
    papers = []
    report = []
    for name, first, makers in TOPICS:
        prev = 0
        for i, make in enumerate(makers):
            number = first + i
            qs = make()
            assert len(qs) == PER_PAPER, (number, len(qs))
            place_options(qs, number)
            figures = {}
            for q in qs:
                q.qid = qid
                qid += 1
                place_figures(q)
                check_question(q)
                for suffix, svg, _ in q.figs:
                    figures['q%d%s.svg' % (q.qid, suffix)] = svg
            slots = sum(len(q.answers) for q in qs)
            marks = sum(m for q in qs for _, m, _ in q.answers)
            assert slots <= 80 and 30 <= marks <= 60, (number, slots, marks)
            keys = [k for q in qs for t, _, k in q.answers if t == 'Q']
            assert all(keys.count(k) >= 1 for k in '1234'), (number, keys)
            assert max(keys.count(k) for k in '1234') - min(keys.count(k) for k in '1234') <= 3, \
                (number, keys)
            title = '%s, paper %d' % (name, i + 1)
            papers.append((number, title, qs, figures))
            report.append('%d  %-32s questions %2d  slots %2d  marks %2d  ids %05d-%05d  keys %s'
                          % (number, title, len(qs), slots, marks, qs[0].qid, qs[-1].qid,
                             ''.join(keys)))
    assert qid == LAST_ID + 1, qid
    ids = [q.qid for _, _, qs, _ in papers for q in qs]
    assert ids == list(range(FIRST_ID, LAST_ID + 1))
    sigs = ['\n'.join(q.body) for _, _, qs, _ in papers for q in qs]
    assert len(set(sigs)) == len(sigs), 'two questions are the same'
    os.makedirs(FIGS, exist_ok=True)
    # remove the figures this script wrote before, then write the new set
    for f in os.listdir(FIGS):
        m = re.fullmatch(r'q(\d{5})[a-z]?\.svg', f)
        if m and FIRST_ID <= int(m.group(1)) <= LAST_ID:
            os.remove(os.path.join(FIGS, f))
    for number, title, qs, figures in papers:
        with open(os.path.join(SCIENCE, '%d.txt' % number), 'w', encoding='utf-8', newline='\n') as fh:
            fh.write(render_paper(title, qs))
        for fname, svg in sorted(figures.items()):
            ET.fromstring(svg)
            with open(os.path.join(FIGS, fname), 'w', encoding='utf-8', newline='\n') as fh:
                fh.write(svg)
    print('\n'.join(report))


if __name__ == '__main__':
    main()
