#!/usr/bin/env python3
"""Write the Science "Mock Examination" papers (131..135).

Each paper is set out like an end-of-year primary science paper and mixes
the six topics of the year (Diversity of Living Things, Cycles, Systems,
Energy, Interactions, Matter and Materials):

Booklet A  multiple-choice questions, two marks each;
Booklet B  open-ended questions in parts, most of them built round an
           experiment with a table of results, a graph or a diagram.

Every question below is written out by hand.  The helpers only build the
HTML, the answer lines and the diagrams; graphs and bar charts are drawn
from the same numbers that the questions and keys are worked out from.

Run from anywhere:  python3 course/tools/gen_science_t7.py
Standard library only; the output is the same on every run.
"""

import math
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
OUT = os.path.join(COURSE, 'science')
FIGDIR = os.path.join(OUT, 'figures')

FIRST_ID = 17581
LAST_ID = 17659
PAPERS = [131, 132, 133, 134, 135]
QUESTIONS_PER_PAPER = {131: 16, 132: 16, 133: 16, 134: 16, 135: 15}
LETTERS = 'abcdefghijklmnopqrst'

MCQ = 'Write the number of the correct answer (1, 2, 3 or 4).'
OPEN = 'Answer each part. Where the answer is a number, type only the number, without the unit.'
OPEN_WORDS = 'Answer each part.'

BL = '<span class="blank">&nbsp;</span>'
DEG = '&deg;C'
CM3 = 'cm<sup>3</sup>'
CM2 = 'cm<sup>2</sup>'
TO = ' &rarr; '

# ---------------------------------------------------------------------------
# HTML and answer helpers
# ---------------------------------------------------------------------------


def P(text):
    return '<p>%s</p>' % text


def part(i, text):
    return '<p class="part">(%s) %s</p>' % (LETTERS[i], text)


def options(items):
    assert len(items) == 4
    return '<ol class="options">' + ''.join('<li>%s</li>' % s for s in items) + '</ol>'


def table(head, rows):
    out = '<table class="data"><tr>' + ''.join('<th>%s</th>' % h for h in head) + '</tr>'
    for r in rows:
        assert len(r) == len(head)
        out += '<tr>' + ''.join('<td>%s</td>' % c for c in r) + '</tr>'
    return out + '</table>'


def alts(*words):
    return ';' + ';'.join(words)


def num(x):
    """A number as the key and the page show it: no trailing zeros."""
    s = ('%.6f' % x).rstrip('0').rstrip('.')
    return '0' if s == '-0' else s


FIGURE = object()      # where a question's diagram goes in its HTML


class Q:
    def __init__(self, instr, html, answers, fig=None, alt=None):
        self.instr = instr
        self.html = list(html)
        self.answers = list(answers)      # (type, marks, key)
        self.fig = fig                    # SVG text or None
        self.alt = alt
        assert (fig is None) == (FIGURE not in self.html)


def mcq(stem, opts, key, before=(), fig=None, alt=None, marks=2):
    """A multiple-choice question.  `stem` is a list of paragraphs (or one);
    `key` is the number (1-4) of the right option."""
    if isinstance(stem, str):
        stem = [stem]
    html = list(before) + [P(s) for s in stem] + [options(opts)]
    return Q(MCQ, html, [('Q', marks, str(key))], fig, alt)


def multi(intro, parts, instr=OPEN, after=(), fig=None, alt=None):
    """A question in parts: `parts` is a list of (text, type, marks, key).
    A 'G' part followed by parts of type None makes one group."""
    html = list(intro)
    answers = []
    for i, (text, t, mk, key) in enumerate(parts):
        # a sentence to complete has its gap where the missing word goes
        assert text.count('______') <= 1, text
        if '______' in text:
            html.append(part(i, text.replace('______', BL)))
        else:
            html.append(part(i, text + ' ' + BL))
        if t is None:
            answers.append(('G', mk, '[space]'))
        else:
            answers.append((t, mk, key))
    html.extend(after)
    return Q(instr, html, answers, fig, alt)


# ---------------------------------------------------------------------------
# SVG drawing
# ---------------------------------------------------------------------------

FONT = 'font-family="sans-serif"'


def f1(x):
    s = ('%.1f' % x).rstrip('0').rstrip('.')
    return '0' if s == '-0' else s


def esc(t):
    return t.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;').replace('"', '&quot;')


def text_width(t, size=14):
    """Rough width in pixels of t in a sans-serif font."""
    w = 0.0
    for ch in t:
        if ch in ' .,:;\'()':
            w += 4.0
        elif ch in 'iljtfr|':
            w += 4.5
        elif ch in 'mwMW':
            w += 12.0
        elif ch.isupper():
            w += 9.5
        else:
            w += 7.8
    return w * size / 14.0


class Fig:
    def __init__(self, width, height, dy=0):
        assert 240 <= width <= 420, width
        self.w = width
        self.h = height
        self.dy = dy       # everything drawn is moved down by dy
        self.back = []     # fills
        self.mid = []      # lines
        self.front = []    # text
        self.boxes = []    # text boxes, for the bounds check

    def line(self, x1, y1, x2, y2, w=1.5, colour='black', dash=None):
        extra = ' stroke-dasharray="%s"' % dash if dash else ''
        self.mid.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"%s/>'
                        % (f1(x1), f1(y1), f1(x2), f1(y2), colour, w, extra))

    def grid(self, x1, y1, x2, y2, w, colour):
        self.back.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"/>'
                         % (f1(x1), f1(y1), f1(x2), f1(y2), colour, w))

    def poly(self, pts, fill='none', w=1.5, closed=False, dash=None, layer=None):
        d = ' '.join('%s,%s' % (f1(x), f1(y)) for x, y in pts)
        tag = 'polygon' if closed else 'polyline'
        extra = ' stroke-dasharray="%s"' % dash if dash else ''
        el = '<%s points="%s" fill="%s" stroke="black" stroke-width="%s"%s/>' % (tag, d, fill, w, extra)
        (layer if layer is not None else self.mid).append(el)

    def rect(self, x, y, w, h, fill='white', sw=1.5, rx=0, layer=None):
        extra = ' rx="%s"' % rx if rx else ''
        el = ('<rect x="%s" y="%s" width="%s" height="%s"%s fill="%s" stroke="black" stroke-width="%s"/>'
              % (f1(x), f1(y), f1(w), f1(h), extra, fill, sw))
        (layer if layer is not None else self.mid).append(el)

    def circle(self, cx, cy, r, fill='white', sw=1.5, layer=None):
        el = ('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="black" stroke-width="%s"/>'
              % (f1(cx), f1(cy), f1(r), fill, sw))
        (layer if layer is not None else self.mid).append(el)

    def ellipse(self, cx, cy, rx, ry, fill='white', sw=1.5, layer=None):
        el = ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="black" stroke-width="%s"/>'
              % (f1(cx), f1(cy), f1(rx), f1(ry), fill, sw))
        (layer if layer is not None else self.mid).append(el)

    def path(self, d, fill='none', sw=1.5, layer=None):
        el = '<path d="%s" fill="%s" stroke="black" stroke-width="%s"/>' % (d, fill, sw)
        (layer if layer is not None else self.mid).append(el)

    def text(self, x, y, t, anchor='middle', size=14, bold=False, italic=False, rotate=False):
        """Text whose middle (vertically) is at y."""
        base = y + size * 0.35
        extra = ''
        if bold:
            extra += ' font-weight="bold"'
        if italic:
            extra += ' font-style="italic"'
        if rotate:
            extra += ' transform="rotate(-90 %s %s)"' % (f1(x), f1(base))
        self.front.append('<text x="%s" y="%s" %s font-size="%d" text-anchor="%s" fill="black"%s>%s</text>'
                          % (f1(x), f1(base), FONT, size, anchor, extra, esc(t)))
        tw = text_width(t, size) * (1.08 if bold else 1.0)
        if rotate:
            self.boxes.append((x - size / 2, y - tw / 2, x + size / 2, y + tw / 2))
        else:
            x0 = {'start': x, 'middle': x - tw / 2, 'end': x - tw}[anchor]
            self.boxes.append((x0, y - size / 2, x0 + tw, y + size / 2))

    def arrow(self, x1, y1, x2, y2, w=1.5, head=8, dash=None):
        """A line from (x1, y1) with an arrowhead at (x2, y2)."""
        L = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / L, (y2 - y1) / L
        bx, by = x2 - ux * head, y2 - uy * head
        self.line(x1, y1, bx, by, w, dash=dash)
        nx, ny = -uy, ux
        pts = [(x2, y2), (bx + nx * head * 0.45, by + ny * head * 0.45),
               (bx - nx * head * 0.45, by - ny * head * 0.45)]
        self.poly(pts, fill='black', w=1, closed=True)

    def svg(self):
        for x0, y0, x1, y1 in self.boxes:
            y0 += self.dy
            y1 += self.dy
            assert x0 >= 1 and y0 >= 1 and x1 <= self.w - 1 and y1 <= self.h - 1, \
                ('text outside the figure', x0, y0, x1, y1, self.w, self.h)
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
               % (self.w, self.h, self.w, self.h),
               '<rect x="0" y="0" width="%d" height="%d" fill="white"/>' % (self.w, self.h)]
        body = self.back + self.mid + self.front
        if self.dy:
            body = ['<g transform="translate(0 %s)">' % f1(self.dy)] + body + ['</g>']
        out += body
        out.append('</svg>')
        return '\n'.join(out) + '\n'


GRID_MINOR = '#c8c8c8'
GRID_MAJOR = '#8c8c8c'


def line_graph(series, xs, xlabels, x_title, y_title, ymin, ymax, ymajor, yminor,
               xmin=None, xmax=None, xminor=None, width=400, height=300, legend=None):
    """A line graph.  `series` is a list of y-value lists, one value for every
    x in `xs`; `xlabels` maps an x value to its tick label.  Grid lines are
    drawn every `yminor` (and `xminor`) and labelled every `ymajor`."""
    left, top, bottom = 62, 14, 52
    right = max(18, text_width(xlabels[-1][1], 13) / 2 + 6)
    fig = Fig(width, height)
    pw, ph = width - left - right, height - top - bottom
    xmin = xs[0] if xmin is None else xmin
    xmax = xs[-1] if xmax is None else xmax

    def X(x):
        return left + (x - xmin) / (xmax - xmin) * pw

    def Y(y):
        return top + ph - (y - ymin) / (ymax - ymin) * ph

    # horizontal grid lines and y labels
    n = int(round((ymax - ymin) / yminor))
    assert abs(n * yminor - (ymax - ymin)) < 1e-9
    per = int(round(ymajor / yminor))
    for i in range(n + 1):
        y = ymin + i * yminor
        major = i % per == 0
        fig.grid(left, Y(y), left + pw, Y(y), 0.8 if major else 0.5, GRID_MAJOR if major else GRID_MINOR)
        if major:
            fig.line(left - 5, Y(y), left, Y(y), 1.2)
            fig.text(left - 8, Y(y), num(y).replace('-', '\u2212'), anchor='end', size=13)
    # vertical grid lines
    if xminor:
        m = int(round((xmax - xmin) / xminor))
        for i in range(m + 1):
            x = xmin + i * xminor
            fig.grid(X(x), top, X(x), top + ph, 0.5, GRID_MINOR)
    for x, lab in xlabels:
        fig.grid(X(x), top, X(x), top + ph, 0.8, GRID_MAJOR)
        fig.line(X(x), top + ph, X(x), top + ph + 5, 1.2)
        fig.text(X(x), top + ph + 15, lab, size=13)
    # axes
    fig.line(left, top, left, top + ph, 1.6)
    fig.line(left, top + ph, left + pw, top + ph, 1.6)
    fig.text((left + left + pw) / 2, height - 13, x_title, size=14)
    fig.text(15, top + ph / 2, y_title, size=14, rotate=True)
    # the data
    styles = [(None, 'black'), ('6,4', 'white')]
    for k, ys in enumerate(series):
        assert len(ys) == len(xs)
        dash, fill = styles[k]
        pts = [(X(x), Y(y)) for x, y in zip(xs, ys)]
        fig.poly(pts, w=1.8, dash=dash)
        for px, py in pts:
            fig.circle(px, py, 3.6, fill=fill, sw=1.4, layer=fig.front)
    if legend:
        lx, ly = legend[0]
        fig.rect(lx, ly, 118, 12 + 20 * len(series), fill='white', sw=1, layer=fig.front)
        for k, name in enumerate(legend[1]):
            dash, fill = styles[k]
            yy = ly + 16 + 20 * k
            extra = ' stroke-dasharray="%s"' % dash if dash else ''
            fig.front.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="black" stroke-width="1.8"%s/>'
                             % (f1(lx + 8), f1(yy), f1(lx + 38), f1(yy), extra))
            fig.circle(lx + 23, yy, 3.6, fill=fill, sw=1.4, layer=fig.front)
            fig.text(lx + 46, yy, name, anchor='start', size=13)
    return fig.svg()


def bar_chart(labels, values, x_title, y_title, ymax, ymajor, yminor, width=400, height=290,
              label_size=13):
    """A bar chart with one bar for each label; grid lines every `yminor`."""
    left, right, top, bottom = 62, 14, 14, 52
    fig = Fig(width, height)
    pw, ph = width - left - right, height - top - bottom

    def Y(y):
        return top + ph - y / ymax * ph

    n = int(round(ymax / yminor))
    assert abs(n * yminor - ymax) < 1e-9
    per = int(round(ymajor / yminor))
    for i in range(n + 1):
        y = i * yminor
        major = i % per == 0
        fig.grid(left, Y(y), left + pw, Y(y), 0.8 if major else 0.5, GRID_MAJOR if major else GRID_MINOR)
        if major:
            fig.line(left - 5, Y(y), left, Y(y), 1.2)
            fig.text(left - 8, Y(y), num(y), anchor='end', size=13)
    slot = pw / len(labels)
    bw = min(44, slot * 0.55)
    for i, (lab, v) in enumerate(zip(labels, values)):
        assert 0 < v <= ymax
        cx = left + slot * (i + 0.5)
        fig.rect(cx - bw / 2, Y(v), bw, Y(0) - Y(v), fill='#a9a9a9', sw=1.2)
        fig.text(cx, top + ph + 15, lab, size=label_size)
    fig.line(left, top, left, top + ph, 1.6)
    fig.line(left, top + ph, left + pw, top + ph, 1.6)
    fig.text((left + left + pw) / 2, height - 13, x_title, size=14)
    fig.text(15, top + ph / 2, y_title, size=14, rotate=True)
    return fig.svg()


# --- circuits ---------------------------------------------------------------

def wire_with(fig, p1, p2, kind, label=None, closed=False, label_side=1):
    """A straight wire from p1 to p2 with a component in its middle.
    kind: 'bulb', 'switch', 'cell' (long plate towards p1) or None."""
    (x1, y1), (x2, y2) = p1, p2
    L = math.hypot(x2 - x1, y2 - y1)
    ux, uy = (x2 - x1) / L, (y2 - y1) / L
    nx, ny = -uy, ux
    mx, my = (x1 + x2) / 2, (y1 + y2) / 2
    if kind is None:
        fig.line(x1, y1, x2, y2)
        return
    half = {'bulb': 13, 'switch': 20, 'cell': 5}[kind]
    a = (mx - ux * half, my - uy * half)
    b = (mx + ux * half, my + uy * half)
    fig.line(x1, y1, a[0], a[1])
    fig.line(b[0], b[1], x2, y2)
    lab_off = 0
    if kind == 'bulb':
        r = 13
        fig.circle(mx, my, r, fill='white', sw=1.6)
        d = r * 0.7071
        fig.line(mx - d, my - d, mx + d, my + d, 1.4)
        fig.line(mx - d, my + d, mx + d, my - d, 1.4)
        lab_off = 26
    elif kind == 'switch':
        fig.circle(a[0], a[1], 3, fill='black', sw=1)
        fig.circle(b[0], b[1], 3, fill='black', sw=1)
        if closed:
            fig.line(a[0], a[1], b[0], b[1], 1.8)
        else:
            # the lever rises from a, away from the side the label is on
            ang = math.radians(28)
            lx = a[0] + (ux * math.cos(ang) - nx * label_side * math.sin(ang)) * 2 * half
            ly = a[1] + (uy * math.cos(ang) - ny * label_side * math.sin(ang)) * 2 * half
            fig.line(a[0], a[1], lx, ly, 1.8)
        lab_off = 20
    elif kind == 'cell':
        # long thin plate at a (positive), short thick plate at b
        fig.line(a[0] + nx * 16, a[1] + ny * 16, a[0] - nx * 16, a[1] - ny * 16, 1.8)
        fig.line(b[0] + nx * 8, b[1] + ny * 8, b[0] - nx * 8, b[1] - ny * 8, 4)
        lab_off = 28
    if label:
        fig.text(mx + nx * lab_off * label_side, my + ny * lab_off * label_side, label, bold=True)


# --- boxes and arrows -------------------------------------------------------

def box_edge(cx, cy, hw, hh, tx, ty):
    """Point where the line from the box centre towards (tx, ty) leaves the box."""
    dx, dy = tx - cx, ty - cy
    s = min(hw / abs(dx) if dx else 1e9, hh / abs(dy) if dy else 1e9)
    return cx + dx * s, cy + dy * s


def box_arrow(fig, a, b, gap=3):
    """Arrow between two boxes given as (cx, cy, hw, hh)."""
    x1, y1 = box_edge(a[0], a[1], a[2] + gap, a[3] + gap, b[0], b[1])
    x2, y2 = box_edge(b[0], b[1], b[2] + gap, b[3] + gap, a[0], a[1])
    fig.arrow(x1, y1, x2, y2)


def name_box(fig, cx, cy, t, size=14, bold=False, pad=10, hh=13, rx=4, hw=None):
    if hw is None:
        hw = text_width(t, size) * (1.08 if bold else 1.0) / 2 + pad
    fig.rect(cx - hw, cy - hh, 2 * hw, 2 * hh, fill='white', sw=1.4, rx=rx)
    fig.text(cx, cy, t, size=size, bold=bold)
    return (cx, cy, hw, hh)


def flow_chain(fig, boxes):
    for a, b in zip(boxes, boxes[1:]):
        box_arrow(fig, a, b)


# ---------------------------------------------------------------------------
# Diagrams drawn for particular questions
# ---------------------------------------------------------------------------

def fig_circuit_131():
    """Battery, switch S1 and bulb A in the main wire; bulb B and (switch S2
    with bulb C) in two parallel branches."""
    fig = Fig(400, 250)
    xl, xb, xc, yt, yb = 50, 240, 340, 50, 215
    wire_with(fig, (xl, yb), (xl, yt), 'cell')
    wire_with(fig, (xl, yt), (145, yt), 'switch', 'S1', label_side=1)
    wire_with(fig, (145, yt), (xb, yt), 'bulb', 'A', label_side=-1)
    wire_with(fig, (xb, yt), (xc, yt), None)
    wire_with(fig, (xb, yt), (xb, yb), 'bulb', 'B', label_side=1)
    wire_with(fig, (xc, yt), (xc, 132), 'switch', 'S2', label_side=-1)
    wire_with(fig, (xc, 132), (xc, yb), 'bulb', 'C', label_side=-1)
    wire_with(fig, (xl, yb), (xc, yb), None)
    for x, y in ((xb, yt), (xb, yb)):
        fig.circle(x, y, 3.5, fill='black', sw=1)
    return fig.svg()


def fig_food_web_131():
    fig = Fig(400, 285)
    pos = {'eagle': (200, 24), 'snake': (200, 84), 'frog': (85, 148), 'bird': (310, 148),
           'grasshopper': (120, 205), 'caterpillar': (295, 205), 'grass': (205, 262)}
    boxes = {k: name_box(fig, x, y, k) for k, (x, y) in pos.items()}
    for a, b in (('grass', 'grasshopper'), ('grass', 'caterpillar'), ('grasshopper', 'frog'),
                 ('grasshopper', 'bird'), ('caterpillar', 'bird'), ('frog', 'snake'),
                 ('bird', 'snake'), ('snake', 'eagle')):
        box_arrow(fig, boxes[a], boxes[b])
    return fig.svg()


FOOD_WEB_131 = [('grass', 'grasshopper'), ('grass', 'caterpillar'), ('grasshopper', 'frog'),
                ('grasshopper', 'bird'), ('caterpillar', 'bird'), ('frog', 'snake'),
                ('bird', 'snake'), ('snake', 'eagle')]


def count_chains(edges):
    eaters = {}
    for a, b in edges:
        eaters.setdefault(a, []).append(b)
    eaten = {b for _, b in edges}
    producers = {a for a, _ in edges if a not in eaten}

    def walk(n):
        return 1 if n not in eaters else sum(walk(m) for m in eaters[n])
    return sum(walk(p) for p in producers)


def fig_cycle(names, width=400, height=215):
    """Four stages in a ring, joined by arrows going clockwise."""
    fig = Fig(width, height)
    cx, cy = width / 2, height / 2
    pos = [(cx, 26), (cx + 130, cy), (cx, height - 26), (cx - 130, cy)]
    boxes = [name_box(fig, x, y, t, bold=len(t) == 1, pad=14 if len(t) == 1 else 10, hh=15)
             for (x, y), t in zip(pos, names)]
    for i in range(4):
        box_arrow(fig, boxes[i], boxes[(i + 1) % 4], gap=6)
    return fig.svg()


def fig_water_cycle():
    fig = Fig(400, 260)
    # sea and land
    fig.poly([(0, 205), (235, 205), (235, 259), (0, 259)], fill='#dcdcdc', w=0, closed=True,
             layer=fig.back)
    fig.path('M 0 205 Q 10 199 20 205' + ''.join(' T %d 205' % x for x in range(40, 240, 20))
             + ' L 235 205', sw=1.4)
    fig.poly([(235, 259), (235, 205), (300, 140), (335, 165), (399, 118), (399, 259)],
             fill='#efefef', w=1.5, closed=True, layer=fig.back)
    fig.text(60, 232, 'sea')
    fig.text(330, 225, 'land')
    # sun
    fig.circle(48, 44, 20, fill='white', sw=1.6)
    for k in range(8):
        a = math.radians(45 * k)
        fig.line(48 + 25 * math.cos(a), 44 + 25 * math.sin(a), 48 + 34 * math.cos(a),
                 44 + 34 * math.sin(a), 1.4)
    fig.text(48, 44, 'Sun', size=12)
    # cloud
    for x, y, r in ((268, 52, 20), (292, 40, 24), (318, 50, 20), (300, 60, 18), (280, 62, 16)):
        fig.circle(x, y, r, fill='white', sw=1.4, layer=fig.back)
    fig.path('M 250 60 A 20 20 0 0 1 268 32 A 24 24 0 0 1 314 31 A 20 20 0 0 1 336 58 '
             'A 18 18 0 0 1 300 78 A 16 16 0 0 1 266 74 A 20 20 0 0 1 250 60 Z',
             fill='white', sw=1.6)
    fig.text(294, 55, 'cloud', size=13)
    # P: water rising from the sea
    for x in (95, 135, 175):
        fig.arrow(x, 196, x, 126, dash='5,4')
    fig.text(115, 160, 'P', bold=True)
    # Q: water vapour cooling to form the cloud
    fig.arrow(185, 112, 246, 70)
    fig.text(204, 80, 'Q', bold=True)
    # R: rain falling on the land
    for x in (270, 290, 310, 330):
        fig.line(x, 86, x - 8, 118, 1.4, dash='5,4')
    fig.arrow(350, 86, 342, 116)
    fig.text(368, 100, 'R', bold=True)
    return fig.svg()


def fig_flower():
    fig = Fig(400, 230, dy=-64)
    cx = 200
    L = fig.back
    # petals (one each side), drawn first so the stamens lie over them
    fig.path('M 190 226 C 150 215, 95 160, 98 92 C 125 100, 168 160, 192 214 Z', fill='#f0f0f0',
             sw=1.5, layer=L)
    fig.path('M 210 226 C 250 215, 305 160, 302 92 C 275 100, 232 160, 208 214 Z', fill='#f0f0f0',
             sw=1.5, layer=L)
    # sepals
    fig.path('M 186 236 C 170 236, 150 230, 140 220 C 160 222, 176 226, 190 230 Z', fill='white',
             sw=1.4, layer=L)
    fig.path('M 214 236 C 230 236, 250 230, 260 220 C 240 222, 224 226, 210 230 Z', fill='white',
             sw=1.4, layer=L)
    # stalk and receptacle
    fig.path('M 194 292 L 194 240 L 206 240 L 206 292', fill='white', sw=1.5)
    fig.path('M 176 232 Q 200 246 224 232 L 224 228 L 176 228 Z', fill='white', sw=1.5)
    # stamens
    fig.path('M 188 226 C 176 190, 160 160, 157 124', sw=1.6)
    fig.path('M 212 226 C 224 190, 240 160, 243 124', sw=1.6)
    fig.ellipse(156, 114, 7, 12, fill='#bdbdbd', sw=1.5)
    fig.ellipse(244, 114, 7, 12, fill='#bdbdbd', sw=1.5)
    # carpel: ovary, style, stigma
    fig.ellipse(cx, 204, 19, 24, fill='white', sw=1.6)
    for y in (195, 212):
        fig.ellipse(cx, y, 5, 4, fill='#bdbdbd', sw=1.1)
    fig.line(cx, 180, cx, 100, 1.6)
    fig.ellipse(cx, 95, 12, 6, fill='#bdbdbd', sw=1.5)
    # labels
    def lab(x1, y1, x2, y2, t):
        fig.line(x1, y1, x2, y2, 1.1)
        fig.text(x2 + (12 if x2 > x1 else -12), y2, t, bold=True)
    lab(212, 95, 355, 80, 'P')
    lab(148, 112, 45, 112, 'Q')
    lab(219, 206, 355, 206, 'R')
    lab(118, 140, 45, 165, 'S')
    return fig.svg()


def fig_key_133():
    fig = Fig(400, 275)
    n1 = name_box(fig, 140, 28, 'Does it have feathers?')
    n2 = name_box(fig, 140, 100, 'Does it have fur?')
    n3 = name_box(fig, 140, 172, 'Does it have gills all its life?')
    leaves = {}
    for t, y in (('W', 28), ('X', 100), ('Y', 172)):
        leaves[t] = name_box(fig, 340, y, t, bold=True, pad=14, hh=15)
    leaves['Z'] = name_box(fig, 140, 246, 'Z', bold=True, pad=14, hh=15)
    for n, t in ((n1, 'W'), (n2, 'X'), (n3, 'Y')):
        box_arrow(fig, n, leaves[t])
        fig.text((n[0] + n[2] + leaves[t][0] - leaves[t][2]) / 2, n[1] - 10, 'yes', size=13)
    for a, b in ((n1, n2), (n2, n3), (n3, leaves['Z'])):
        box_arrow(fig, a, b)
        fig.text(a[0] + 18, (a[1] + a[3] + b[1] - b[3]) / 2, 'no', size=13)
    return fig.svg()


def fig_plant_cell():
    fig = Fig(400, 216)
    fig.rect(90, 20, 210, 180, fill='white', sw=3.2, rx=12)          # cell wall
    fig.rect(98, 28, 194, 164, fill='#f7f7f7', sw=1.1, rx=8)          # membrane
    fig.rect(140, 58, 120, 100, fill='#e2e2e2', sw=1.3, rx=28)        # vacuole
    fig.circle(118, 172, 13, fill='#9e9e9e', sw=1.4)                 # nucleus
    for x, y in ((120, 48), (122, 108), (278, 62), (276, 128), (205, 180), (240, 44), (165, 178)):
        fig.ellipse(x, y, 9, 5, fill='#c4c4c4', sw=1.2)              # chloroplasts

    def lab(x1, y1, x2, y2, t):
        fig.line(x1, y1, x2, y2, 1.1)
        fig.text(x2 + (12 if x2 > x1 else -12), y2, t, bold=True)
    lab(300, 40, 350, 40, 'A')
    lab(285, 128, 350, 140, 'B')
    lab(108, 180, 50, 190, 'C')
    lab(140, 100, 50, 100, 'D')
    return fig.svg()


def fig_digestive_flow():
    fig = Fig(300, 290)
    names = ['mouth', 'gullet', 'P', 'small intestine', 'Q', 'anus']
    boxes = []
    for i, t in enumerate(names):
        y = 20 + i * 50
        boxes.append(name_box(fig, 150, y, t, bold=len(t) == 1, hw=72, hh=14))
    flow_chain(fig, boxes)
    return fig.svg()


# ---------------------------------------------------------------------------
# Paper 131
# ---------------------------------------------------------------------------

def paper131():
    qs = []
    # --- Booklet A ---------------------------------------------------------
    qs.append(mcq('Which of the following is true of <b>all</b> living things?', [
        'They can move from place to place on their own.',
        'They need air, food and water to survive.',
        'They make their own food.',
        'They grow from seeds.'], 2))
    qs.append(mcq('Mushrooms and bread mould are fungi. Which statement about fungi is correct?', [
        'They make their own food using sunlight.',
        'They reproduce by seeds.',
        'They have roots, stems and leaves.',
        'They reproduce by spores.'], 4))
    qs.append(mcq('Which one of these animals has a life cycle with only <b>three</b> stages?', [
        'mosquito', 'cockroach', 'butterfly', 'beetle'], 2))
    qs.append(mcq('In which part of the digestive system is the digestion of food completed and '
                  'most of the digested food taken into the blood?', [
                      'stomach', 'gullet', 'small intestine', 'large intestine'], 3))
    qs.append(mcq('Sara stood a white flower on its stalk in a glass of red-coloured water. A few '
                  'hours later, the petals had red streaks. Which part of the stem carried the '
                  'coloured water up to the petals?', [
                      'the water-carrying tubes', 'the food-carrying tubes', 'the root hairs',
                      'the stomata'], 1))
    qs.append(mcq('A torch shines on a toy that stands in front of a screen, and the toy casts a '
                  'shadow on the screen. Tom moves the toy closer to the torch. The torch and the '
                  'screen do not move. What happens to the shadow?', [
                      'It becomes smaller.', 'It becomes larger.', 'It stays the same size.',
                      'It disappears.'], 2))
    qs.append(mcq('Ben winds up a toy car and lets it go. The car moves along the floor. Which '
                  'energy change takes place as the car starts to move?', [
                      'kinetic energy' + TO + 'elastic potential energy',
                      'electrical energy' + TO + 'kinetic energy',
                      'chemical potential energy' + TO + 'light energy',
                      'elastic potential energy' + TO + 'kinetic energy'], 4))
    qs.append(mcq('Which one of these objects will be attracted by a magnet?', [
        'a copper coin', 'an aluminium can', 'a steel paper clip', 'a glass marble'], 3))
    qs.append(mcq(['Look at this food chain.',
                   'grass' + TO + 'grasshopper' + TO + 'frog' + TO + 'snake',
                   'All the frogs in the area are killed by a disease. What will most likely '
                   'happen to the numbers of grasshoppers and snakes at first?'], [
        'The grasshoppers will increase and the snakes will decrease.',
        'The grasshoppers and the snakes will both increase.',
        'The grasshoppers will decrease and the snakes will increase.',
        'The grasshoppers and the snakes will both decrease.'], 1))
    qs.append(mcq('Which one of these has a definite volume but <b>no</b> definite shape?', [
        'the air inside a balloon', 'an ice cube', 'the water in a glass', 'a wooden block'], 3))

    # --- Booklet B ---------------------------------------------------------
    cups = [('A', 'steel', 52), ('B', 'plastic', 61), ('C', 'glass', 57), ('D', 'foam', 70)]
    start = 80
    best = max(cups, key=lambda c: c[2])
    worst = min(cups, key=lambda c: c[2])
    qs.append(multi([
        P('Ali poured 200 mL of hot water at %d %s into each of four cups, A, B, C and D. The '
          'cups had the same size and shape, but each was made of a different material. He put '
          'the same kind of lid on each cup and measured the temperature of the water after '
          '15 minutes.' % (start, DEG)),
        table(['Cup', 'Material', 'Temperature after 15 minutes (%s)' % DEG],
              [(c, m, t) for c, m, t in cups])], [
        ('Which cup would be the best for keeping soup hot? Write its letter.', 'M', 1,
         alts(best[0], 'cup ' + best[0])),
        ('By how many degrees Celsius did the temperature of the water in cup A fall in the '
         '15 minutes?', 'N', 2, num(start - cups[0][2])),
        ('Which material in the table is the best conductor of heat?', 'M', 1,
         alts(worst[1], 'stainless steel')),
        ('Complete the sentence. Heat flows from a hotter object to a ______ object.', 'M', 1,
         alts('colder', 'cooler'))]))

    days = [0, 2, 4, 6, 8, 10, 12]
    height = [0, 1, 3, 6, 10, 13, 15]
    h = dict(zip(days, height))
    qs.append(multi([
        P('Hui Min planted a bean seed. After it germinated, she measured the height of the '
          'seedling every two days. The graph shows her results.'),
        FIGURE], [
        ('What was the height of the seedling on day 8? Give your answer in cm.', 'N', 1, num(h[8])),
        ('How many centimetres did the seedling grow from day 6 to day 12?', 'N', 2,
         num(h[12] - h[6])),
        ('On which day was the seedling 3 cm tall?', 'N', 1, '4'),
        ('The seedling now has green leaves. Write the name of the process by which its leaves '
         'make food.', 'M', 1, alts('photosynthesis'))],
        fig=line_graph([height], days, [(d, str(d)) for d in days], 'Time (days)', 'Height (cm)',
                       0, 16, 2, 1, xminor=1),
        alt='Line graph of the height of the seedling in centimetres against time in days, '
            'from day 0 to day 12'))
    assert [d for d in days if h[d] == 3] == [4]

    qs.append(multi([
        P('Study the circuit below. All the bulbs are working at the start.'),
        FIGURE], [
        ('Switch S1 is closed and switch S2 is open. How many bulbs light up?', 'N', 1, '2'),
        ('Switch S1 is open and switch S2 is closed. How many bulbs light up?', 'N', 1, '0'),
        ('Both switches are closed and all three bulbs light up. Then bulb B fuses. Does bulb C '
         'stay lit? Write yes or no.', 'M', 1, alts('yes')),
        ('Complete the sentence. A lit bulb changes electrical energy into light energy and '
         '______ energy.', 'M', 1, alts('heat', 'thermal'))],
        fig=fig_circuit_131(),
        alt='Circuit: a battery, switch S1 and bulb A in the main wire; then two branches side '
            'by side, one with bulb B and the other with switch S2 and bulb C'))

    stages = [('egg', 2), ('P', 8), ('Q', 2)]
    qs.append(multi([
        P('The diagram shows the life cycle of a mosquito. The table shows how many days each '
          'stage lasted in a laboratory.'),
        FIGURE,
        table(['Stage'] + [s for s, _ in stages], [['Number of days'] + [d for _, d in stages]])], [
        ('Write the name of stage P.', 'M', 1, alts('larva', 'larvae', 'wriggler')),
        ('Write the name of stage Q.', 'M', 1, alts('pupa', 'pupae', 'tumbler')),
        ('How many days after the egg was laid did the adult mosquito come out?', 'N', 2,
         num(sum(d for _, d in stages)))],
        fig=fig_cycle(['egg', 'P', 'Q', 'adult']),
        alt='Life cycle diagram: egg, then stage P, then stage Q, then adult, and back to egg'))

    qs.append(multi([
        P('Mei Ling drew 60 %s of air into a syringe and sealed the tip. She pushed the plunger in '
          'as far as she could. The reading on the syringe fell to 35 %s.' % (CM3, CM3)),
        P('She then did the same with 60 %s of water in a second syringe.' % CM3)], [
        ('By how many %s did the volume of the air decrease?' % CM3, 'N', 2, '25'),
        ('What was the reading on the syringe of water after she pushed the plunger in as far as '
         'she could? Give your answer in %s.' % CM3, 'N', 1, '60'),
        ('Complete the sentence. The air could be squashed into a smaller space because a gas '
         'has no definite ______.', 'M', 1, alts('volume')),
        ('What happened to the mass of the air in the first syringe when she pushed the plunger '
         'in? Write increased, decreased or stayed the same.', 'M', 1,
         alts('stayed the same', 'stays the same', 'remained the same', 'the same', 'same',
              'unchanged', 'no change'))]))

    bird_food = sorted(a for a, b in FOOD_WEB_131 if b == 'bird')
    qs.append(multi([
        P('The diagram shows a food web in a field. Write the names as they appear in the '
          'diagram.'),
        FIGURE], [
        ('Which organism is the producer?', 'M', 1, alts('grass')),
        ('How many food chains are there in this food web?', 'N', 1,
         str(count_chains(FOOD_WEB_131))),
        ('Name the two animals that the bird eats. First animal:', 'G', 1, alts(*bird_food)),
        ('Second animal:', None, 1, None),
        ('Which animal is a predator but is not eaten by any other animal in this food web?',
         'M', 1, alts('eagle'))],
        fig=fig_food_web_131(),
        alt='Food web: grass is eaten by the grasshopper and the caterpillar; the grasshopper is '
            'eaten by the frog and the bird; the caterpillar by the bird; the frog and the bird '
            'by the snake; the snake by the eagle'))
    return qs


# ---------------------------------------------------------------------------
# Paper 132
# ---------------------------------------------------------------------------

def paper132():
    qs = []
    # --- Booklet A ---------------------------------------------------------
    qs.append(mcq('Which group contains <b>only</b> animals that lay eggs?', [
        'chicken, frog, turtle', 'cat, hen, lizard', 'dog, duck, snake', 'whale, crocodile, bat'], 1))
    qs.append(mcq('Which one of these plants reproduces by spores?', [
        'balsam', 'sunflower', 'mango tree', 'fern'], 4))
    qs.append(mcq('Water droplets form on the outside of a glass of iced water. What is this '
                  'process called?', [
                      'evaporation', 'boiling', 'condensation', 'melting'], 3))
    qs.append(mcq('After fertilisation, which part of a flower develops into a fruit?', [
        'petal', 'ovary', 'anther', 'stigma'], 2))
    qs.append(mcq('In which part of the respiratory system does oxygen pass into the blood?', [
        'the windpipe', 'the nose', 'the air sacs in the lungs', 'the gullet'], 3))
    qs.append(mcq('Which part of a plant cell is <b>not</b> found in an animal cell?', [
        'nucleus', 'cell wall', 'cytoplasm', 'cell membrane'], 2))
    qs.append(mcq('The metal lid of a glass jar is stuck. Priya holds the lid under hot running '
                  'water for a minute, and then the lid is easier to open. Why?', [
                      'The metal lid expands when it is heated.',
                      'The glass jar expands more than the lid when it is heated.',
                      'The metal lid loses heat to the hot water.',
                      'The air inside the jar becomes cooler.'], 1))
    qs.append(mcq('Which form of energy do green plants use to make food?', [
        'heat energy', 'sound energy', 'kinetic energy', 'light energy'], 4))
    qs.append(mcq('Ravi pushes a heavy box across a rough floor. Which force acts against the '
                  'movement of the box?', [
                      'magnetic force', 'friction', 'elastic spring force', 'no force at all'], 2))
    qs.append(mcq('A flat football had a mass of 410 g. After Chen pumped air into it, the ball '
                  'had a mass of 415 g. What does this show?', [
                      'Air has a definite shape.', 'Air has a definite volume.',
                      'Air cannot be compressed.', 'Air has mass.'], 4))

    # --- Booklet B ---------------------------------------------------------
    coils = [10, 20, 30, 40, 50]
    clips = [3, 7, 11, 14, 18]
    c = dict(zip(coils, clips))
    qs.append(multi([
        P('Ravi made an electromagnet by winding wire round an iron nail and connecting the wire '
          'to a battery. He counted how many paper clips the electromagnet could pick up when the '
          'wire had different numbers of coils. The bar chart shows his results.'),
        FIGURE], [
        ('How many paper clips did the electromagnet pick up when it had 40 coils?', 'N', 1,
         num(c[40])),
        ('How many more paper clips did it pick up with 50 coils than with 20 coils?', 'N', 2,
         num(c[50] - c[20])),
        ('As the number of coils increases, the number of paper clips picked up ______. '
         'Write increases or decreases.', 'M', 1, alts('increases', 'increase')),
        ('When Ravi disconnected the battery, the paper clips dropped off. Complete the '
         'sentence. An electromagnet is a magnet only while an electric ______ flows '
         'through the wire.', 'M', 1, alts('current'))],
        fig=bar_chart([str(x) for x in coils], clips, 'Number of coils', 'Number of paper clips',
                      20, 2, 1),
        alt='Bar chart of the number of paper clips picked up for 10, 20, 30, 40 and 50 coils'))
    assert all(a < b for a, b in zip(clips, clips[1:]))

    hours = list(range(8, 17))
    shadow = [6, 4, 2.5, 1.5, 1, 1.5, 2.5, 4, 6]
    sh = dict(zip(hours, shadow))
    labels = [(8, '8 a.m.'), (10, '10 a.m.'), (12, '12 noon'), (14, '2 p.m.'), (16, '4 p.m.')]
    qs.append(multi([
        P('On a sunny day, Mei measured the length of the shadow of a flagpole every hour from '
          '8 a.m. to 4 p.m. The graph shows her results.'),
        FIGURE], [
        ('How long was the shadow at 10 a.m.? Give your answer in m.', 'N', 1, num(sh[10])),
        ('By how many metres did the shadow become shorter from 8 a.m. to 12 noon?', 'N', 2,
         num(sh[8] - sh[12])),
        ('Complete the sentence. The flagpole casts a shadow because it does not let light pass '
         'through it. It is ______.', 'M', 1, alts('opaque')),
        ('Shadows are shortest when the Sun is high in the sky. Is the Sun highest in the morning '
         'or at noon? Write morning or noon.', 'M', 1, alts('noon', 'at noon', '12 noon'))],
        fig=line_graph([shadow], hours, labels, 'Time of day', 'Length of shadow (m)', 0, 7, 1,
                       0.5, xminor=1),
        alt='Line graph of the length of the shadow in metres against the time of day, '
            'from 8 a.m. to 4 p.m.'))
    assert min(shadow) == sh[12]

    dist = [10, 20, 30, 40]
    bubbles = [48, 30, 17, 8]
    b = dict(zip(dist, bubbles))
    qs.append(multi([
        P('Sam put a water plant in a beaker of water and placed a lamp at different distances '
          'from it. At each distance, he counted the bubbles of gas given off by the plant in '
          'one minute.'),
        table(['Distance of lamp from plant (cm)'] + [str(d) for d in dist],
              [['Number of bubbles in one minute'] + [str(x) for x in bubbles]])], [
        ('Write the name of the gas in the bubbles.', 'M', 1, alts('oxygen', 'oxygen gas')),
        ('How many fewer bubbles were given off in one minute with the lamp 40 cm away than '
         'with the lamp 10 cm away?', 'N', 2, num(b[10] - b[40])),
        ('Complete the sentence. The variable that Sam changed was the ______ between the lamp '
         'and the plant.', 'M', 1, alts('distance')),
        ('Complete the sentence. The nearer the lamp, the more ______ the plant receives, so the '
         'faster it makes food.', 'M', 1, alts('light', 'light energy'))]))

    qs.append(multi([
        P('The diagram shows part of the water cycle.'),
        FIGURE], [
        ('Write the name of process P.', 'M', 1, alts('evaporation', 'evaporating')),
        ('Write the name of process Q, in which the cloud forms.', 'M', 1,
         alts('condensation', 'condensing')),
        ('During process Q, does the water vapour gain heat or lose heat? Write gain or lose.',
         'M', 1, alts('lose', 'loses', 'lose heat', 'loses heat')),
        ('In process R, water falls on the land as rain. In which state is rain? Write solid, '
         'liquid or gas.', 'M', 1, alts('liquid'))],
        instr=OPEN_WORDS,
        fig=fig_water_cycle(),
        alt='Water cycle: the Sun shines on the sea; arrows P rise from the sea; arrow Q leads '
            'up to a cloud; rain R falls from the cloud on to the land'))

    acts = ['rest', 'walk', 'run', 'rest again']
    pulse = [70, 100, 140, 80]
    pr = dict(zip(acts, pulse))
    qs.append(multi([
        P('Aisha took her pulse rate at rest, just after walking for 5 minutes, just after '
          'running for 5 minutes and again after resting for 5 minutes. The bar chart shows her '
          'results.'),
        FIGURE], [
        ('What was her pulse rate just after running? Give your answer in beats per minute.',
         'N', 1, num(pr['run'])),
        ('By how many beats per minute did her pulse rate increase from rest to just after '
         'running?', 'N', 2, num(pr['run'] - pr['rest'])),
        ('Complete the sentence. The pulse rate shows how fast the ______ is beating.', 'M', 1,
         alts('heart')),
        ('Complete the sentence. During exercise the heart beats faster, so the blood carries '
         'more of the gas ______ to the muscles.', 'M', 1, alts('oxygen'))],
        fig=bar_chart(acts, pulse, 'Activity', 'Pulse rate (beats per minute)', 160, 20, 10,
                      height=300),
        alt='Bar chart of pulse rate in beats per minute after rest, walk, run and rest again'))

    qs.append(multi([
        P('The diagram shows the parts of a flower, cut in half from top to bottom.'),
        FIGURE], [
        ('Which part produces pollen grains? Write its letter.', 'M', 1, alts('Q')),
        ('Which part receives pollen grains during pollination? Write its letter.', 'M', 1,
         alts('P')),
        ('Write the name of part R.', 'M', 1, alts('ovary')),
        ('After fertilisation, part R develops into the ______. Write the missing word.', 'M', 1,
         alts('fruit', 'a fruit')),
        ('The transfer of pollen grains from the anther to the stigma is called ______. Write '
         'the missing word.', 'M', 1, alts('pollination'))],
        instr=OPEN_WORDS,
        fig=fig_flower(),
        alt='A flower cut in half: P is the tip of the central stalk, Q is the top of a '
            'stalk at the side, R is the swollen base in the middle, S is a petal'))
    return qs


# ---------------------------------------------------------------------------
# Paper 133
# ---------------------------------------------------------------------------

def paper133():
    qs = []
    # --- Booklet A ---------------------------------------------------------
    qs.append(mcq('Which one of these is a <b>useful</b> effect of bacteria?', [
        'They make cooked food go bad.', 'They cause tooth decay.',
        'They are used to make yoghurt.', 'They cause food poisoning.'], 3))
    qs.append(mcq('Farah wants to buy a frying pan. Which material is the best for its handle?', [
        'plastic', 'copper', 'steel', 'aluminium'], 1))
    qs.append(mcq('Sam placed some bean seeds on damp cotton wool in a warm, dark cupboard. After '
                  'a few days the seeds had germinated. What does this show?', [
                      'Seeds need light to germinate.', 'Seeds need soil to germinate.',
                      'Seeds need darkness to germinate.',
                      'Seeds do not need light to germinate.'], 4))
    qs.append(mcq('Which one of these happens when water freezes into ice?', [
        'The water gains heat.', 'The water loses heat.', 'The mass of the water decreases.',
        'The mass of the water increases.'], 2))
    qs.append(mcq('Which system of the human body supports the body and protects organs such as '
                  'the heart and the brain?', [
                      'the digestive system', 'the circulatory system', 'the respiratory system',
                      'the skeletal system'], 4))
    qs.append(mcq('A circuit has a gap in it. Which object, placed across the gap, will let the '
                  'bulb light up?', [
                      'a rubber band', 'a wooden chopstick', 'a steel spoon', 'a plastic ruler'], 3))
    qs.append(mcq('Why can Omar see a book on his desk when the lamp in his room is switched on?', [
        'Light from his eyes reaches the book.',
        'Light from the lamp is reflected by the book into his eyes.',
        'The book gives out its own light.',
        'Light from the book travels to the lamp.'], 2))
    qs.append(mcq('Which one of these is <b>not</b> a source of light?', [
        'the Moon', 'the Sun', 'a burning candle', 'a firefly'], 1))
    qs.append(mcq('A cactus has spines instead of broad, flat leaves. How does this help the '
                  'cactus to survive in the desert?', [
                      'It helps the cactus to make more food.',
                      'It helps the cactus to take in more water.',
                      'It helps the cactus to attract insects.',
                      'It helps the cactus to lose less water.'], 4))
    qs.append(mcq('Which one of these is a <b>community</b>?', [
        'all the guppies in a pond', 'all the water in a pond',
        'all the living things in a pond', 'all the rocks and soil at the bottom of a pond'], 3))

    # --- Booklet B ---------------------------------------------------------
    runs = [('carpet', (44, 47, 44)), ('wood', (118, 123, 119)), ('tiles', (158, 163, 159)),
            ('sandpaper', (31, 28, 31))]
    avg = {s: sum(t) / 3 for s, t in runs}
    assert all(v == int(v) for v in avg.values())
    most = min(avg, key=avg.get)
    qs.append(multi([
        P('Siti let a toy car roll down a ramp from the same height on to floors covered with '
          'different materials. She measured how far the car travelled along the floor. She did '
          'each test three times.'),
        table(['Floor covering', 'Test 1 (cm)', 'Test 2 (cm)', 'Test 3 (cm)'],
              [(s, t[0], t[1], t[2]) for s, t in runs])], [
        ('On which floor covering was the friction greatest?', 'M', 1,
         alts(most, 'sand paper')),
        ('What was the average distance travelled on wood? Give your answer in cm.', 'N', 2,
         num(avg['wood'])),
        ('On average, how many centimetres farther did the car travel on tiles than on '
         'carpet?', 'N', 2, num(avg['tiles'] - avg['carpet']))]))

    mins = list(range(0, 17, 2))
    temp = [-20, 0, 0, 0, 0, 10, 20, 30, 40]
    t = dict(zip(mins, temp))
    flat = [m for m in mins if t[m] == 0]
    qs.append(multi([
        P('Jia Hui took some crushed ice from a freezer and heated it steadily in a beaker, '
          'stirring all the time. She recorded the temperature every 2 minutes. The graph shows '
          'her results.'),
        FIGURE], [
        ('How many degrees Celsius below 0 %s was the temperature of the ice at the start?' % DEG,
         'N', 1, num(-t[0])),
        ('At what temperature did the ice melt? Give your answer in %s.' % DEG, 'N', 1, '0'),
        ('For how many minutes did the temperature stay the same while the ice was melting?',
         'N', 1, num(flat[-1] - flat[0])),
        ('In which state was the water at 12 minutes? Write solid, liquid or gas.', 'M', 1,
         alts('liquid')),
        ('By how many degrees Celsius did the temperature rise from 10 minutes to 16 minutes?',
         'N', 2, num(t[16] - t[10]))],
        fig=line_graph([temp], mins, [(m, str(m)) for m in mins], 'Time (min)',
                       'Temperature (\u00b0C)', -20, 50, 10, 5, xminor=1),
        alt='Line graph of temperature in degrees Celsius against time in minutes, from '
            '0 to 16 minutes'))

    qs.append(multi([
        P('Ahmad used the key below to sort four animals: a frog, a goldfish, a rabbit and a '
          'sparrow.'),
        FIGURE], [
        ('Which animal is W?', 'M', 1, alts('sparrow', 'a sparrow')),
        ('Which animal is X?', 'M', 1, alts('rabbit', 'a rabbit')),
        ('Which animal is Y?', 'M', 1, alts('goldfish', 'a goldfish')),
        ('Which animal is Z?', 'M', 1, alts('frog', 'a frog')),
        ('Animal Z belongs to a group of animals that live both in water and on land. Write the '
         'name of this group.', 'M', 1, alts('amphibians', 'amphibian'))],
        instr=OPEN_WORDS,
        fig=fig_key_133(),
        alt='Key: does it have feathers? yes W. If not, does it have fur? yes X. If not, does it '
            'have gills all its life? yes Y, no Z'))

    qs.append(multi([
        P('Zara set up four dishes, A, B, C and D, each with ten bean seeds on cotton wool. '
          'After five days she counted the seeds that had germinated.'),
        table(['Dish', 'Cotton wool', 'Where the dish was kept', 'Seeds germinated'], [
            ('A', 'damp', 'warm, dark cupboard', '9'),
            ('B', 'dry', 'warm, dark cupboard', '0'),
            ('C', 'damp', 'cold, dark refrigerator', '0'),
            ('D', 'damp', 'warm, sunny windowsill', '9')])], [
        ('Zara wants to find out whether seeds need water to germinate. Which two dishes should '
         'she compare? First dish:', 'G', 1, alts('A', 'B')),
        ('Second dish:', None, 1, None),
        ('Complete the sentence. Dishes A and C show that seeds need ______ to germinate.',
         'M', 1, alts('warmth', 'heat', 'a warm place', 'a suitable temperature',
                      'suitable temperature', 'the right temperature', 'right temperature',
                      'a warm temperature', 'warm temperature', 'warm conditions')),
        ('Do dishes A and D show that seeds need light to germinate? Write yes or no.', 'M', 1,
         alts('no'))],
        instr=OPEN_WORDS))

    mass = [0, 100, 200, 300, 400, 500]
    length = [10, 12, 14, 16, 18, 20]
    ln = dict(zip(mass, length))
    qs.append(multi([
        P('Omar hung different masses on a spring and measured the length of the spring each '
          'time. The graph shows his results.'),
        FIGURE], [
        ('How long was the spring with no mass hanging on it? Give your answer in cm.', 'N', 1,
         num(ln[0])),
        ('How long was the spring with a 300 g mass? Give your answer in cm.', 'N', 1,
         num(ln[300])),
        ('By how many centimetres did the spring stretch when a 400 g mass was hung on it?',
         'N', 2, num(ln[400] - ln[0])),
        ('Use the graph to find the length of the spring with a 250 g mass. Give your answer in '
         'cm.', 'N', 1, num((ln[200] + ln[300]) / 2)),
        ('Complete the sentence. The masses pull the spring down because of ______ force.',
         'M', 1, alts('gravitational', 'gravity', 'gravitational force'))],
        fig=line_graph([length], mass, [(m, str(m)) for m in mass], 'Mass (g)', 'Length (cm)',
                       0, 24, 2, 1, xminor=50),
        alt='Line graph of the length of the spring in centimetres against the mass hung on it '
            'in grams, from 0 to 500 g'))

    qs.append(multi([
        P('The diagram shows a cell from a plant.'),
        FIGURE], [
        ('Write the name of part A.', 'M', 1, alts('cell wall', 'the cell wall')),
        ('Which part traps light so that the plant can make food? Write its letter.', 'M', 1,
         alts('B')),
        ('Which part controls all the activities of the cell? Write its letter.', 'M', 1,
         alts('C')),
        ('Was this cell taken from a leaf or from a root? Write leaf or root.', 'M', 1,
         alts('leaf', 'a leaf', 'from a leaf'))],
        instr=OPEN_WORDS,
        fig=fig_plant_cell(),
        alt='A plant cell: A is the thick outer layer, B is one of several small oval bodies, '
            'C is a round dark body near the edge, D is the large space in the middle'))
    return qs


# ---------------------------------------------------------------------------
# Paper 134
# ---------------------------------------------------------------------------

def paper134():
    qs = []
    # --- Booklet A ---------------------------------------------------------
    qs.append(mcq('Which characteristic do birds and bats share?', [
        'They have feathers.', 'They have fur.', 'They have wings.', 'They lay eggs.'], 3))
    qs.append(mcq('Nadia is choosing a material for a raincoat. Which two properties are the '
                  'most important?', [
                      'flexible and waterproof', 'hard and strong', 'transparent and hard',
                      'attracted by magnets and waterproof'], 1))
    qs.append(mcq(['The life cycle of a frog has these stages:',
                   'egg' + TO + 'tadpole' + TO + 'young frog' + TO + 'adult frog',
                   'Which stage lives only in water and breathes through gills?'], [
        'egg', 'adult frog', 'young frog', 'tadpole'], 4))
    qs.append(mcq('Which organ of the human female reproductive system produces egg cells?', [
        'the womb', 'the ovary', 'the testis', 'the stomach'], 2))
    qs.append(mcq('Which part of a plant takes in water and mineral salts from the soil?', [
        'the leaves', 'the flowers', 'the roots', 'the fruits'], 3))
    qs.append(mcq('Which shows the correct path taken by oxygen as it goes from the air into the '
                  'blood?', [
                      'nose' + TO + 'windpipe' + TO + 'lungs' + TO + 'blood',
                      'windpipe' + TO + 'nose' + TO + 'lungs' + TO + 'blood',
                      'nose' + TO + 'lungs' + TO + 'windpipe' + TO + 'blood',
                      'nose' + TO + 'windpipe' + TO + 'blood' + TO + 'lungs'], 1))
    qs.append(mcq('A metal spoon and a wooden spoon have been lying on the same table for a long '
                  'time. The metal spoon feels colder to touch. Why?', [
                      'The metal spoon is at a lower temperature than the wooden spoon.',
                      'Metal is a better conductor of heat, so heat flows quickly from the hand '
                      'into the metal spoon.',
                      'The metal spoon gives out coldness to the hand.',
                      'Wood is a better conductor of heat than metal.'], 2))
    qs.append(mcq('Which is the main energy change in an electric fan that is switched on?', [
        'kinetic energy' + TO + 'electrical energy',
        'light energy' + TO + 'heat energy',
        'chemical potential energy' + TO + 'light energy',
        'electrical energy' + TO + 'kinetic energy'], 4))
    qs.append(mcq('Grace holds the north pole of a bar magnet near end P of another bar magnet. '
                  'The two magnets push each other away. What is end P?', [
                      'a north pole', 'a south pole', 'it could be either pole',
                      'it is not a magnetic pole'], 1))
    qs.append(mcq('Many trees on a hillside are cut down. Which one of these is most likely to '
                  'happen?', [
                      'More soil is washed away by rain.',
                      'More oxygen is released into the air.',
                      'More animals find shelter on the hillside.',
                      'Less carbon dioxide is found in the air.'], 1))

    # --- Booklet B ---------------------------------------------------------
    dishes = [('P', 20, 88), ('Q', 40, 76), ('R', 80, 52)]
    qs.append(multi([
        P('Kumar poured 100 mL of water into each of three dishes, P, Q and R. The dishes had '
          'different exposed surface areas. He left them side by side in the same room and '
          'measured the water left after 2 days.'),
        table(['Dish', 'Exposed surface area (%s)' % CM2, 'Water at the start (mL)',
               'Water after 2 days (mL)'], [(d, a, 100, w) for d, a, w in dishes])], [
        ('How much water evaporated from dish R in the 2 days? Give your answer in mL.', 'N', 1,
         num(100 - dishes[2][2])),
        ('The larger the exposed surface area, the ______ the water evaporates. Write faster or '
         'slower.', 'M', 1, alts('faster')),
        ('Dish Q was left for one more day and lost water at the same rate as before. How much '
         'water was left in it at the end of the third day? Give your answer in mL.', 'N', 2,
         num(dishes[1][2] - (100 - dishes[1][2]) / 2)),
        ('When water evaporates, it changes from a liquid into a ______. Write the missing word.',
         'M', 1, alts('gas', 'water vapour', 'water vapor', 'vapour', 'vapor'))]))

    tested = [('nail', 'iron', 'yes'), ('straw', 'plastic', 'no'), ('wire', 'copper', 'yes'),
              ('band', 'rubber', 'no'), ('paper clip', 'steel', 'yes'), ('chopstick', 'wood', 'no'),
              ('marble', 'glass', 'no')]
    conductors = [m for _, m, r in tested if r == 'yes']
    qs.append(multi([
        P('Hannah placed different objects, one at a time, across a gap in a circuit with a '
          'bulb. She recorded whether the bulb lit up.'),
        table(['Object', 'Material', 'Did the bulb light up?'], tested)], [
        ('Name two <b>materials</b> in the table that are conductors of electricity. Write the '
         'names of the materials, not the objects. First material:', 'G', 1, alts(*conductors)),
        ('Second material:', None, 1, None),
        ('Complete the sentence. Materials that do not let electricity pass through them are '
         'called electrical ______.', 'M', 1, alts('insulators', 'insulator')),
        ('How many of the objects did <b>not</b> let the bulb light up?', 'N', 1,
         str(sum(1 for _, _, r in tested if r == 'no')))]))

    qs.append(multi([
        P('Isaac put an iron nail in each of four test tubes and left them for a week.'),
        table(['Test tube', 'What was in the test tube', 'Rust after one week'], [
            ('A', 'dry air only', 'none'),
            ('B', 'boiled water under a layer of oil, with no air', 'none'),
            ('C', 'tap water and air', 'some'),
            ('D', 'salty water and air', 'a lot')])], [
        ('In which test tube did the nail rust the most? Write its letter.', 'M', 1, alts('D')),
        ('Complete the sentence. Test tubes A and C show that iron needs ______ to rust.', 'M', 1,
         alts('water', 'moisture')),
        ('Complete the sentence. Test tubes B and C show that iron needs ______ to rust.', 'M', 1,
         alts('air', 'oxygen')),
        ('Does salt speed up rusting or slow it down? Write speed up or slow down.', 'M', 1,
         alts('speed up', 'speeds up', 'it speeds up'))],
        instr=OPEN_WORDS))

    mins = list(range(0, 15, 2))
    rate = [16, 16, 16, 30, 38, 28, 20, 16]
    r = dict(zip(mins, rate))
    qs.append(multi([
        P('Amir sat still for 4 minutes, ran on the spot from the 4th minute to the 8th minute, '
          'and then sat still again. His teacher counted his breathing rate every 2 minutes. The '
          'graph shows the results.'),
        FIGURE], [
        ('What was his breathing rate while he was sitting still at the start? Give your answer '
         'in breaths per minute.', 'N', 1, num(r[0])),
        ('What was his highest breathing rate? Give your answer in breaths per minute.', 'N', 1,
         num(max(rate))),
        ('By how many breaths per minute did his breathing rate go up from the start to its '
         'highest?', 'N', 2, num(max(rate) - r[0])),
        ('He stopped running at the 8th minute. How many minutes after that did his breathing '
         'rate return to what it was at the start?', 'N', 1,
         num(min(m for m in mins if m > 8 and r[m] == r[0]) - 8)),
        ('Complete the sentence. Breathing faster helps the body to take in more oxygen and to '
         'get rid of more ______.', 'M', 1,
         alts('carbon dioxide', 'carbon dioxide gas', 'CO2'))],
        fig=line_graph([rate], mins, [(m, str(m)) for m in mins], 'Time (min)',
                       'Breaths per minute', 0, 40, 4, 2, xminor=1),
        alt='Line graph of breaths per minute against time in minutes, from 0 to 14 minutes'))

    t5 = list(range(0, 31, 5))
    black = [28, 32, 36, 40, 42, 44, 46]
    white = [28, 30, 30, 32, 34, 34, 36]
    bk = dict(zip(t5, black))
    wt = dict(zip(t5, white))
    qs.append(multi([
        P('Leila filled a black can and a white can with the same volume of water at the same '
          'temperature. She placed them side by side in the sun and measured the temperature of '
          'the water every 5 minutes. The graph shows her results.'),
        FIGURE], [
        ('What was the temperature of the water in the black can after 15 minutes? Give your '
         'answer in %s.' % DEG, 'N', 1, num(bk[15])),
        ('After 30 minutes, how many degrees Celsius hotter was the water in the black can than '
         'the water in the white can?', 'N', 2, num(bk[30] - wt[30])),
        ('Which colour of can absorbed heat better? Write black or white.', 'M', 1,
         alts('black')),
        ('Leila used the same volume of water in both cans so that her test would be ______. '
         'Write the missing word.', 'M', 1, alts('fair'))],
        fig=line_graph([black, white], t5, [(m, str(m)) for m in t5], 'Time (min)',
                       'Temperature (\u00b0C)', 24, 48, 4, 2, xminor=None,
                       legend=((72, 22), ['black can', 'white can'])),
        alt='Line graph of the temperature of the water in degrees Celsius against time in '
            'minutes for the black can (solid line) and the white can (dashed line)'))

    yes, no = 'yes', 'no'
    qs.append(multi([
        P('The table shows some characteristics of four organisms, A, B, C and D.'),
        table(['Organism', 'Makes its own food', 'Reproduces by spores', 'Has flowers'], [
            ('A', yes, yes, no), ('B', no, yes, no), ('C', yes, no, yes), ('D', no, no, no)])], [
        ('Which organism could be a mushroom? Write its letter.', 'M', 1, alts('B')),
        ('Which organism could be a hibiscus plant? Write its letter.', 'M', 1, alts('C')),
        ('Which organism could be a fern? Write its letter.', 'M', 1, alts('A')),
        ('Which organism could be a grasshopper? Write its letter.', 'M', 1, alts('D'))],
        instr=OPEN_WORDS))
    return qs


# ---------------------------------------------------------------------------
# Paper 135
# ---------------------------------------------------------------------------

def paper135():
    qs = []
    # --- Booklet A ---------------------------------------------------------
    qs.append(mcq('Which one of these is a non-flowering plant?', [
        'hibiscus', 'rice', 'moss', 'rose'], 3))
    qs.append(mcq('A fruit is very light and has wing-like parts. How is it most likely to be '
                  'dispersed?', [
                      'by animals', 'by wind', 'by water', 'by splitting open'], 2))
    qs.append(mcq('Which one of these is an example of condensation?', [
        'A puddle dries up after the rain.',
        'Wet clothes dry on a clothes line.',
        'An ice cream melts in the sun.',
        'A bathroom mirror mists up during a hot shower.'], 4))
    qs.append(mcq('Which organ is matched with the correct system of the human body?', [
        'heart &ndash; respiratory system', 'stomach &ndash; digestive system',
        'lungs &ndash; circulatory system', 'brain &ndash; skeletal system'], 2))
    qs.append(mcq('Two bulbs are connected one after the other in a single loop with a battery, '
                  'and both bulbs light up. One bulb is then unscrewed and taken out. What happens '
                  'to the other bulb?', [
                      'It goes out.', 'It becomes brighter.', 'It stays as bright as before.',
                      'It becomes dimmer but stays lit.'], 1))
    qs.append(mcq('What is the main source of energy for almost all living things on Earth?', [
        'food', 'water', 'the Sun', 'the soil'], 3))
    qs.append(mcq('Why are small gaps left between the sections of a railway track?', [
        'to let rainwater drain away',
        'to make the train run more quietly',
        'to use less metal',
        'to leave room for the metal to expand on hot days'], 4))
    qs.append(mcq('Which one of these is a <b>behavioural</b> adaptation?', [
        'Some birds fly to warmer places when winter comes.',
        'A duck has webbed feet.',
        'A polar bear has thick fur.',
        'A cactus has a thick stem that stores water.'], 1))
    qs.append(mcq('Bella lowered a stone into a measuring cylinder containing 50 %s of water. The '
                  'water level rose to 65 %s. What is the volume of the stone?' % (CM3, CM3), [
                      '50 ' + CM3, '15 ' + CM3, '65 ' + CM3, '115 ' + CM3], 2))

    # --- Booklet B ---------------------------------------------------------
    wings = [2, 4, 6, 8]
    secs = [1.2, 1.8, 2.5, 3.1]
    w = dict(zip(wings, secs))
    qs.append(multi([
        P('Devi made four paper models of winged fruits. The models were the same except for the '
          'length of their wings. She dropped each model from a height of 2 m and timed its fall.'),
        table(['Length of wings (cm)'] + [str(x) for x in wings],
              [['Time taken to reach the floor (s)'] + [num(x) for x in secs]])], [
        ('Which model took the longest time to fall? Write the length of its wings in cm.', 'N',
         1, num(wings[secs.index(max(secs))])),
        ('How many seconds longer did the model with 8 cm wings take to fall than the model with '
         '2 cm wings?', 'N', 2, num(round(w[8] - w[2], 2))),
        ('Complete the sentence. Fruits that fall more slowly can be carried ______ away from '
         'the parent plant by the wind. Write farther or nearer.', 'M', 1,
         alts('farther', 'further'))]))

    hrs = [7, 9, 11, 13, 15, 17, 19]
    temp = [25, 27, 30, 32, 31, 29, 27]
    tt = dict(zip(hrs, temp))
    labels = [(7, '7 a.m.'), (9, '9 a.m.'), (11, '11 a.m.'), (13, '1 p.m.'), (15, '3 p.m.'),
              (17, '5 p.m.'), (19, '7 p.m.')]
    qs.append(multi([
        P('The graph shows the temperature of the air in a school garden, measured every two '
          'hours on a sunny day.'),
        FIGURE], [
        ('What was the highest temperature recorded? Give your answer in %s.' % DEG, 'N', 1,
         num(max(temp))),
        ('By how many degrees Celsius did the temperature rise from 7 a.m. to 1 p.m.?', 'N', 2,
         num(tt[13] - tt[7])),
        ('What was the temperature at 5 p.m.? Give your answer in %s.' % DEG, 'N', 1,
         num(tt[17])),
        ('Complete the sentence. During the day, the air is warmed mainly by heat from the '
         '______.', 'M', 1, alts('Sun', 'the Sun', 'sunlight'))],
        fig=line_graph([temp], hrs, labels, 'Time of day', 'Temperature (\u00b0C)', 20, 34, 2, 1,
                       xminor=1, width=420),
        alt='Line graph of air temperature in degrees Celsius against the time of day, from '
            '7 a.m. to 7 p.m.'))

    qs.append(multi([
        P('The flow chart shows the path that food takes through the human digestive system.'),
        FIGURE], [
        ('Write the name of part P.', 'M', 1, alts('stomach', 'the stomach')),
        ('Write the name of part Q.', 'M', 1, alts('large intestine', 'the large intestine')),
        ('Name two parts in the flow chart where food is digested. First part:', 'G', 1,
         alts('mouth', 'stomach', 'small intestine')),
        ('Second part:', None, 1, None),
        ('Complete the sentence. Digested food passes from the small intestine into the ______, '
         'which carries it around the body.', 'M', 1,
         alts('blood', 'bloodstream', 'blood stream'))],
        instr=OPEN_WORDS,
        fig=fig_digestive_flow(),
        alt='Flow chart: mouth, then gullet, then P, then small intestine, then Q, then anus'))

    mags = ['A', 'B', 'C', 'D']
    held = [12, 5, 20, 8]
    hd = dict(zip(mags, held))
    qs.append(multi([
        P('Ethan tested four magnets, A, B, C and D. He counted how many steel paper clips each '
          'magnet could hold in a chain. The bar chart shows his results.'),
        FIGURE], [
        ('Which magnet is the strongest? Write its letter.', 'M', 1,
         alts(max(hd, key=hd.get))),
        ('How many more paper clips did magnet C hold than magnet D?', 'N', 2,
         num(hd['C'] - hd['D'])),
        ('Complete the sentence. Magnets attract objects made of iron, steel, cobalt and '
         '______.', 'M', 1, alts('nickel')),
        ('Complete the sentence. A bar magnet that hangs freely comes to rest pointing in the '
         '______-south direction.', 'M', 1, alts('north'))],
        fig=bar_chart(mags, held, 'Magnet', 'Number of paper clips held', 24, 4, 1),
        alt='Bar chart of the number of paper clips held by magnets A, B, C and D'))

    qs.append(multi([
        P('Wei Ling stretched a balloon over the mouth of an empty glass flask. When she stood '
          'the flask in a bowl of hot water, the balloon slowly became bigger.'),
        ], [
        ('Does the air in the flask gain heat or lose heat when it is in the hot water? Write '
         'gain or lose.', 'M', 1, alts('gain', 'gains', 'gain heat', 'gains heat')),
        ('Complete the sentence. The balloon became bigger because the air inside the flask '
         '______ when it was heated.', 'M', 1, alts('expanded', 'expands')),
        ('She then moved the flask into a bowl of ice water. Did the balloon become bigger or '
         'smaller? Write bigger or smaller.', 'M', 1, alts('smaller')),
        ('While the balloon was growing bigger, did the mass of the air inside the flask and the '
         'balloon increase, decrease or stay the same?', 'M', 1,
         alts('stay the same', 'stayed the same', 'stays the same', 'the same', 'same',
              'unchanged'))],
        instr=OPEN_WORDS))

    shoots = [('A', 'all its leaves', 38), ('B', 'half of its leaves removed', 44),
              ('C', 'all of its leaves removed', 49)]
    lost = {s: 50 - v for s, _, v in shoots}
    qs.append(multi([
        P('Marcus put three similar leafy shoots, A, B and C, into three measuring cylinders, '
          'each with 50 %s of water. He poured a thin layer of oil on top of the water in each '
          'cylinder and left them side by side for two days.' % CM3),
        table(['Shoot', 'Leaves', 'Volume of water at the start (%s)' % CM3,
               'Volume of water after 2 days (%s)' % CM3],
              [(s, l, 50, v) for s, l, v in shoots])], [
        ('How much water did shoot A take in during the two days? Give your answer in %s.' % CM3,
         'N', 1, num(lost['A'])),
        ('How much more water did shoot A take in than shoot C? Give your answer in %s.' % CM3,
         'N', 2, num(lost['A'] - lost['C'])),
        ('Complete the sentence. The layer of oil stops the water in the cylinders from '
         '______.', 'M', 1, alts('evaporating', 'evaporation')),
        ('Water is lost from the leaves through tiny openings. What are these openings called?',
         'M', 1, alts('stomata', 'stoma', 'stomates', 'pores')),
        ('The more leaves a shoot has, the ______ water it takes in. Write more or less.', 'M',
         1, alts('more'))]))
    return qs


# ---------------------------------------------------------------------------
# checks and output
# ---------------------------------------------------------------------------

ALLOWED_CLASSES = ('part', 'options', 'data', 'blank', 'figure')


def check_key(t, key):
    assert key and '>' not in key and '#' not in key and '\t' not in key and '\n' not in key, key
    assert key == key.strip(), key
    if t == 'Q':
        assert key in ('1', '2', '3', '4'), key
    elif t == 'N':
        # the course compiler takes plain decimals only: no sign
        assert re.match(r'^\d+(\.\d+)?$', key), key
    elif t in ('M', 'G'):
        assert key.startswith(';') and len(key) > 1, key
        a = key[1:].split(';')
        assert all(x.strip() == x and x for x in a), key
        assert len(set(x.lower() for x in a)) == len(a), key
    else:
        raise AssertionError(t)


def check_html(lines):
    text = '\n'.join(lines)
    for cls in re.findall(r'class="([^"]+)"', text):
        assert cls in ALLOWED_CLASSES, cls
    low = text.lower()
    assert 'style=' not in low and '<script' not in low and 'http' not in low
    assert '#' not in text.replace('&#', '')
    for m in re.finditer(r'&', text):
        assert re.match(r'&(#\d+|[a-zA-Z]+);', text[m.start():]), text[m.start():m.start() + 20]
    stripped = re.sub(r'<[^<>]*>', '', text)
    assert '<' not in stripped and '>' not in stripped, stripped
    stack = []
    for m in re.finditer(r'<(/?)([a-z0-9]+)[^>]*>', text):
        closing, tag = m.group(1), m.group(2)
        if tag in ('br', 'img'):
            continue
        if closing:
            assert stack and stack[-1] == tag, (stack, tag, text)
            stack.pop()
        else:
            stack.append(tag)
    assert not stack, stack
    for ln in lines:
        assert not ln.startswith('#') and not ln.startswith('answer:') \
            and not ln.startswith('instruction:') and not ln.startswith('==') and ln.strip()


def check_svg(svg):
    assert svg.count('<svg') == 1 and svg.rstrip().endswith('</svg>')
    assert 'nan' not in svg.lower().replace('font', '').replace('translate', '')
    w = int(re.search(r'<svg[^>]* width="(\d+)"', svg).group(1))
    h = int(re.search(r'<svg[^>]* height="(\d+)"', svg).group(1))
    assert 240 <= w <= 420 and 100 <= h <= 320, (w, h)


def build():
    makers = {131: paper131, 132: paper132, 133: paper133, 134: paper134, 135: paper135}
    papers = {}
    qid = FIRST_ID
    for paper in PAPERS:
        qs = []
        for q in makers[paper]():
            if q.fig is not None:
                i = q.html.index(FIGURE)
                q.html[i] = '<div class="figure"><img src="figures/q%d.svg" alt="%s"></div>' % (
                    qid, esc(q.alt))
            qs.append((qid, q))
            qid += 1
        assert len(qs) == QUESTIONS_PER_PAPER[paper], (paper, len(qs))
        papers[paper] = qs
    assert qid - 1 == LAST_ID, qid - 1
    return papers


def check_question(qid, q):
    ans = q.answers
    assert 1 <= len(ans) <= 20, qid
    check_html(q.html)
    n_parts = sum(1 for ln in q.html if ln.startswith('<p class="part">'))
    if len(ans) > 1:
        assert n_parts == len(ans), (qid, n_parts, len(ans))
        for i in range(n_parts):
            assert sum(1 for ln in q.html
                       if ln.startswith('<p class="part">(%s) ' % LETTERS[i])) == 1, qid
    else:
        assert n_parts == 0, qid
    opts = [ln for ln in q.html if 'class="options"' in ln]
    if any(t == 'Q' for t, _, _ in ans):
        assert len(ans) == 1 and len(opts) == 1 and opts[0].count('<li>') == 4, qid
        items = re.findall(r'<li>(.*?)</li>', opts[0])
        assert len(set(items)) == 4, qid
    else:
        assert not opts, qid
        assert '\n'.join(q.html).count('<span class="blank">') == len(ans), qid
        has_number = any(t == 'N' for t, _, _ in ans)
        assert q.instr == (OPEN if has_number else OPEN_WORDS), qid
    i = 0
    while i < len(ans):
        t, mk, key = ans[i]
        assert mk in (1, 2), qid
        if t == 'G':
            j = i + 1
            while j < len(ans) and ans[j][2] == '[space]':
                assert ans[j][0] == 'G'
                j += 1
            assert j - i >= 2, qid
            assert len(key[1:].split(';')) >= j - i, (qid, key)
            check_key('G', key)
            i = j
            continue
        assert key != '[space]', qid
        check_key(t, key)
        i += 1
    # the instruction is printed as plain text: no markup, no entities
    assert q.instr and not re.search(r'[<>&#\n]', q.instr), q.instr
    # every image on the page is this question's own diagram
    srcs = re.findall(r'<img src="([^"]+)"', '\n'.join(q.html))
    assert srcs == (['figures/q%d.svg' % qid] if q.fig else []), (qid, srcs)


def write_all():
    papers = build()
    os.makedirs(FIGDIR, exist_ok=True)
    seen = set()
    last = FIRST_ID - 1
    summary = []
    figures = {}
    for paper in PAPERS:
        qs = papers[paper]
        out = ['# Mock Examination, paper %d' % (paper - 130),
               '# Written by tools/gen_science_t7.py; edit the script, not this file.',
               '']
        slots = marks = 0
        qans = []
        in_booklet_b = False
        for qid, q in qs:
            assert qid == last + 1 and qid not in seen
            seen.add(qid)
            last = qid
            check_question(qid, q)
            is_mcq = q.answers[0][0] == 'Q'
            if is_mcq:
                assert not in_booklet_b, qid      # multiple choice comes first
                qans.append(q.answers[0][2])
            else:
                in_booklet_b = True
            if q.fig:
                check_svg(q.fig)
                figures[qid] = q.fig
            out.append('== %d' % qid)
            out.append('instruction: %s' % q.instr)
            out.extend(q.html)
            for t, mk, key in q.answers:
                out.append('answer: %s %d %s' % (t, mk, key))
            out.append('')
            slots += len(q.answers)
            marks += sum(mk for _, mk, _ in q.answers)
        assert slots <= 80 and 40 <= marks <= 70, (paper, slots, marks)
        # every option position is the right answer at least twice in every paper
        assert all(qans.count(str(k)) >= 2 for k in range(1, 5)), (paper, qans)
        summary.append((paper, len(qs), slots, marks, ''.join(qans)))
        with open(os.path.join(OUT, '%d.txt' % paper), 'w', encoding='utf-8', newline='\n') as f:
            f.write('\n'.join(out).rstrip('\n') + '\n')
    # stale diagrams of this range are removed; the others are not ours
    for name in sorted(os.listdir(FIGDIR)):
        m = re.match(r'^q(\d{5})\.svg$', name)
        if m and FIRST_ID <= int(m.group(1)) <= LAST_ID and int(m.group(1)) not in figures:
            os.remove(os.path.join(FIGDIR, name))
    for qid, svg in sorted(figures.items()):
        with open(os.path.join(FIGDIR, 'q%d.svg' % qid), 'w', encoding='utf-8', newline='\n') as f:
            f.write(svg)
    for paper in PAPERS:
        for ln in open(os.path.join(OUT, '%d.txt' % paper), encoding='utf-8'):
            for src in re.findall(r'<img src="([^"]+)"', ln):
                assert os.path.exists(os.path.join(OUT, src)), src
    for paper, n, slots, marks, qans in summary:
        print('paper %d: %d questions, %d slots, %d marks; choices %s'
              % (paper, n, slots, marks, qans))
    print('%d diagrams' % len(figures))


if __name__ == '__main__':
    write_all()
