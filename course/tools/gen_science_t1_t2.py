#!/usr/bin/env python3
"""Writes the Science papers for two topics:

  topic 1  Diversity of Living Things   papers 101..105
  topic 2  Cycles                       papers 106..110

with question ids 17001..17200 (twenty a paper, in paper order), and their
diagrams and graphs (course/science/figures/q17xxx.svg).

The questions are written out by hand below, one paper at a time. Helper
functions only build the HTML and the answer lines, draw the pictures and
check the result. Nothing is random, so running the script again writes the
same files.

Usage:  python3 course/tools/gen_science_t1_t2.py
"""

import math
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
SCIENCE = os.path.join(COURSE, 'science')
FIGS = os.path.join(SCIENCE, 'figures')

FIRST_ID = 17001
LAST_ID = 17200
PER_PAPER = 20


# ---------------------------------------------------------------------------
# Questions
# ---------------------------------------------------------------------------

class Question:
    def __init__(self, instruction, body, answers, fig=None):
        self.instruction = instruction
        self.body = body            # list of HTML lines; '@FIG@' marks the figure
        self.answers = answers      # list of (type, marks, key)
        self.fig = fig              # (svg text, alt text) or None
        self.qid = None


def P(text):
    return '<p>%s</p>' % text


def part(letter, text):
    return '<p class="part">(%s) %s</p>' % (letter, text)


def letters():
    return 'abcdefghijklmnopqrst'


def options(opts):
    return '<ol class="options">%s</ol>' % ''.join('<li>%s</li>' % o for o in opts)


def table(head, rows):
    """A results table: head is a list of headings, rows a list of lists."""
    out = ['<table class="data">']
    out.append('<tr>%s</tr>' % ''.join('<th>%s</th>' % h for h in head))
    for r in rows:
        out.append('<tr>%s</tr>' % ''.join('<td>%s</td>' % c for c in r))
    out.append('</table>')
    return ''.join(out)


def boxed(words):
    """Words offered in a box to choose from."""
    return '<div class="passage"><p>%s</p></div>' % ' &nbsp;&nbsp;&nbsp; '.join(
        '<b>%s</b>' % w for w in words)


FIGURE = '@FIG@'

MC_INSTRUCTION = 'Write the number of the correct answer.'


def mc(stem, opts, instruction=MC_INSTRUCTION, marks=1, fig=None):
    """Multiple choice. stem: list of HTML lines (or one string); the correct
    option is written with a leading '*'."""
    if isinstance(stem, str):
        stem = [P(stem)]
    right = [i for i, o in enumerate(opts) if o.startswith('*')]
    assert len(opts) == 4 and len(right) == 1, opts
    clean = [o[1:] if o.startswith('*') else o for o in opts]
    return Question(instruction, list(stem) + [options(clean)],
                    [('Q', marks, str(right[0] + 1))], fig)


def one(instruction, stem, kind, key, marks=1, fig=None):
    """A question with a single answer slot."""
    if isinstance(stem, str):
        stem = [P(stem)]
    return Question(instruction, list(stem), [(kind, marks, key)], fig)


def parts(instruction, stem, items, fig=None):
    """A question in parts: items is a list of (text, kind, marks, key)."""
    if isinstance(stem, str):
        stem = [P(stem)] if stem else []
    body = list(stem)
    answers = []
    for letter, (text, kind, marks, key) in zip(letters(), items):
        body.append(part(letter, text))
        answers.append((kind, marks, key))
    return Question(instruction, body, answers, fig)


def group(instruction, stem, alternatives, count, marks=1, fig=None):
    """'Name any two/three ...': one G slot holding every alternative, then
    one follower slot per further answer."""
    if isinstance(stem, str):
        stem = [P(stem)]
    body = list(stem)
    for letter in letters()[:count]:
        body.append(part(letter, '<span class="blank">&nbsp;</span>'))
    answers = [('G', marks, alt_key(alternatives))]
    answers += [('G', marks, '[space]')] * (count - 1)
    return Question(instruction, body, answers, fig)


def alt_key(alternatives):
    seen = []
    for a in alternatives:
        if a.lower() not in [s.lower() for s in seen]:
            seen.append(a)
    return ''.join(';' + a for a in seen)


def M(*alternatives):
    return alt_key(alternatives)


def named(*alternatives):
    """M key for the name of a part or stage: each name with or without 'the'."""
    return alt_key(list(alternatives) + ['the ' + a for a in alternatives])


# Accepted spellings that come up again and again.
FERTILISATION = M('fertilisation', 'fertilization')
LIVING = M('living', 'living thing')
NONLIVING = M('non-living', 'nonliving', 'non living', 'non-living thing', 'nonliving thing',
              'non living thing')


# ---------------------------------------------------------------------------
# Drawing
# ---------------------------------------------------------------------------

FONT = 14
WATER = '#dbe9f6'
LIGHT = '#f0f0f0'


def xesc(s):
    return s.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')


def text_width(s, size=FONT):
    return 0.58 * size * len(s) + 2


class Svg:
    def __init__(self, w, h):
        assert 240 <= w <= 420, w
        self.w = int(w)
        self.h = int(h)
        self.el = []
        self.labels = []

    def add(self, s):
        self.el.append(s)

    def line(self, x1, y1, x2, y2, width=2, dash=False, stroke='black'):
        self.add('<line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" stroke="%s" stroke-width="%s"%s/>'
                 % (x1, y1, x2, y2, stroke, width, ' stroke-dasharray="5,4"' if dash else ''))

    def path(self, d, fill='none', width=2, stroke='black', dash=False):
        self.add('<path d="%s" fill="%s" stroke="%s" stroke-width="%s"%s/>'
                 % (d, fill, stroke, width, ' stroke-dasharray="5,4"' if dash else ''))

    def rect(self, x, y, w, h, fill='white', width=2, rx=0, stroke='black'):
        self.add('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" rx="%s" fill="%s" '
                 'stroke="%s" stroke-width="%s"/>' % (x, y, w, h, rx, fill, stroke, width))

    def circle(self, cx, cy, r, fill='white', width=2, stroke='black'):
        self.add('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" stroke="%s" stroke-width="%s"/>'
                 % (cx, cy, r, fill, stroke, width))

    def ellipse(self, cx, cy, rx, ry, fill='white', width=2, rotate=0, stroke='black'):
        rot = ' transform="rotate(%s %.1f %.1f)"' % (rotate, cx, cy) if rotate else ''
        self.add('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="%s" stroke="%s" '
                 'stroke-width="%s"%s/>' % (cx, cy, rx, ry, fill, stroke, width, rot))

    def polygon(self, pts, fill='white', width=2, stroke='black'):
        p = ' '.join('%.1f,%.1f' % (x, y) for x, y in pts)
        self.add('<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s"/>'
                 % (p, fill, stroke, width))

    def polyline(self, pts, width=2, stroke='black'):
        p = ' '.join('%.1f,%.1f' % (x, y) for x, y in pts)
        self.add('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s"/>'
                 % (p, stroke, width))

    def text(self, x, y, s, anchor='middle', size=FONT, bold=False):
        self.add('<text x="%.1f" y="%.1f" font-family="sans-serif" font-size="%d" '
                 'text-anchor="%s"%s fill="black">%s</text>'
                 % (x, y, size, anchor, ' font-weight="bold"' if bold else '', xesc(s)))
        w = text_width(s, size) * (1.1 if bold else 1)
        x0 = {'start': x, 'middle': x - w / 2, 'end': x - w}[anchor]
        self.labels.append((x0, y - 0.75 * size, x0 + w, y + 0.25 * size, s))

    def arrow(self, x1, y1, x2, y2, width=2, head=9, stroke='black'):
        """A straight arrow from (x1, y1) to (x2, y2)."""
        a = math.atan2(y2 - y1, x2 - x1)
        bx, by = x2 - head * math.cos(a), y2 - head * math.sin(a)
        self.line(x1, y1, bx, by, width, stroke=stroke)
        self.arrowhead(x2, y2, a, head, stroke)

    def arrowhead(self, x, y, angle, head=9, stroke='black'):
        pts = [(x, y)]
        for s in (1, -1):
            pts.append((x - head * math.cos(angle) + s * head * 0.5 * math.sin(angle),
                        y - head * math.sin(angle) - s * head * 0.5 * math.cos(angle)))
        self.polygon(pts, fill=stroke, width=1, stroke=stroke)

    def render(self):
        for i, a in enumerate(self.labels):
            assert a[0] >= -1 and a[1] >= -1 and a[2] <= self.w + 1 and a[3] <= self.h + 1, \
                ('label outside the picture', a, self.w, self.h)
            for b in self.labels[i + 1:]:
                overlap = a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]
                assert not overlap, ('labels overlap', a, b)
        head = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
                'viewBox="0 0 %d %d" font-family="sans-serif" font-size="%d">'
                % (self.w, self.h, self.w, self.h, FONT))
        bg = '<rect x="0" y="0" width="%d" height="%d" fill="white"/>' % (self.w, self.h)
        return '\n'.join([head, bg] + self.el + ['</svg>']) + '\n'


def num_text(v):
    if abs(v - round(v)) < 1e-9:
        return str(int(round(v)))
    return ('%.2f' % v).rstrip('0').rstrip('.')


def axes(svg, x0, y0, x1, y1, ymax, ystep, ylabel, xlabel):
    """Draws the y axis with gridlines from 0 to ymax; returns a y mapping."""
    def Y(v):
        return y1 - (y1 - y0) * v / ymax
    v = 0
    while v <= ymax + 1e-9:
        y = Y(v)
        if v > 0:
            svg.line(x0, y, x1, y, width=1, stroke='#c8c8c8')
        svg.line(x0 - 5, y, x0, y, width=1.5)
        svg.text(x0 - 8, y + 5, num_text(v), anchor='end', size=13)
        v += ystep
    svg.line(x0, y0 - 4, x0, y1, width=2)
    svg.line(x0, y1, x1, y1, width=2)
    svg.text(x0 - 2, y0 - 12, ylabel, anchor='start', size=13)
    svg.text((x0 + x1) / 2, y1 + 38, xlabel, size=13)
    return Y


def bar_graph(categories, values, ylabel, xlabel, ymax, ystep, width=400, height=290,
              cat_lines=None):
    """A bar graph drawn from the data. cat_lines: optional two-line category labels."""
    svg = Svg(width, height)
    x0, y0, x1, y1 = 54, 34, width - 14, height - 58
    Y = axes(svg, x0, y0, x1, y1, ymax, ystep, ylabel, xlabel)
    n = len(values)
    slot = (x1 - x0) / n
    bw = min(46, slot * 0.55)
    for i, (c, v) in enumerate(zip(categories, values)):
        cx = x0 + slot * (i + 0.5)
        svg.rect(cx - bw / 2, Y(v), bw, y1 - Y(v), fill='#9db4d0', width=1.5)
        svg.text(cx, y1 + 18, c, size=13)
    return svg.render()


def line_graph(xs, ys, ylabel, xlabel, xmax, xstep, ymax, ystep, width=400, height=290,
               ymin=0):
    svg = Svg(width, height)
    x0, y0, x1, y1 = 54, 34, width - 18, height - 58

    def X(v):
        return x0 + (x1 - x0) * v / xmax

    def Y(v):
        return y1 - (y1 - y0) * (v - ymin) / (ymax - ymin)
    v = ymin
    while v <= ymax + 1e-9:
        y = Y(v)
        if v > ymin:
            svg.line(x0, y, x1, y, width=1, stroke='#c8c8c8')
        svg.line(x0 - 5, y, x0, y, width=1.5)
        svg.text(x0 - 8, y + 5, num_text(v), anchor='end', size=13)
        v += ystep
    v = 0
    while v <= xmax + 1e-9:
        x = X(v)
        if v > 0:
            svg.line(x, y0, x, y1, width=1, stroke='#c8c8c8')
        svg.line(x, y1, x, y1 + 5, width=1.5)
        svg.text(x, y1 + 19, num_text(v), size=13)
        v += xstep
    svg.line(x0, y0 - 4, x0, y1, width=2)
    svg.line(x0, y1, x1 + 4, y1, width=2)
    svg.text(x0 - 2, y0 - 12, ylabel, anchor='start', size=13)
    svg.text((x0 + x1) / 2, y1 + 40, xlabel, size=13)
    pts = [(X(a), Y(b)) for a, b in zip(xs, ys)]
    svg.polyline(pts, width=2.5)
    for x, y in pts:
        svg.circle(x, y, 3.5, fill='black', width=1)
    return svg.render()


def node(lines, *children, edge=None):
    """A box of a classification chart: lines of text (a string or a list),
    its children, and the label written on the line that leads to it."""
    return {'lines': [lines] if isinstance(lines, str) else list(lines),
            'kids': list(children), 'edge': edge}


def tree_chart(tree, width=400, level_h=78):
    """A classification chart or key drawn top down from node()s."""
    leaves = []

    def collect(n):
        if not n['kids']:
            leaves.append(n)
        for k in n['kids']:
            collect(k)
    collect(tree)

    def depth_of(n):
        return 1 + max([depth_of(k) for k in n['kids']] or [0])
    depth = depth_of(tree)
    slot = (width - 8) / len(leaves)
    counter = [0]
    maxlines = [1]

    def place(n, d):
        maxlines[0] = max(maxlines[0], len(n['lines']))
        if not n['kids']:
            n['x'] = 4 + slot * (counter[0] + 0.5)
            counter[0] += 1
        else:
            xs = [place(k, d + 1) for k in n['kids']]
            n['x'] = (xs[0] + xs[-1]) / 2
        n['d'] = d
        return n['x']
    place(tree, 0)
    bh = 10 + 17 * maxlines[0]
    height = 10 + (depth - 1) * level_h + bh + 10
    svg = Svg(width, height)

    def top(d):
        return 10 + d * level_h

    def draw(n):
        x, d = n['x'], n['d']
        bw = max(38, max(text_width(s) for s in n['lines']) + 14)
        assert bw <= slot * (len(leaves) if d == 0 else 1) + 200, n['lines']
        ymid = top(d) + bh + (level_h - bh) * 0.4
        for k in n['kids']:
            svg.polyline([(x, top(d) + bh), (x, ymid), (k['x'], ymid), (k['x'], top(k['d']))],
                         width=1.8)
            if k['edge']:
                svg.text(k['x'] + 5, top(k['d']) - 6, k['edge'], anchor='start', size=13)
        svg.rect(x - bw / 2, top(d), bw, bh, fill='white' if n['kids'] else LIGHT, width=1.8, rx=5)
        first = top(d) + bh / 2 - 17 * (len(n['lines']) - 1) / 2 + 5
        for i, s in enumerate(n['lines']):
            svg.text(x, first + 17 * i, s, bold=len(s) == 1)
        for k in n['kids']:
            draw(k)
    draw(tree)
    return svg.render()


# ---------------------------------------------------------------------------
# Small pictures of living things for the life-cycle diagrams. Each draws
# itself centred on (cx, cy) inside roughly 80 x 56 pixels.
# ---------------------------------------------------------------------------

GREEN = '#cfe3bf'
BROWN = '#e3cfae'


def leaf(svg, cx, cy, w=70, h=26):
    svg.path('M %.1f %.1f Q %.1f %.1f %.1f %.1f Q %.1f %.1f %.1f %.1f Z'
             % (cx - w / 2, cy, cx, cy - h, cx + w / 2, cy, cx, cy + h, cx - w / 2, cy),
             fill=GREEN, width=1.5)
    svg.line(cx - w / 2, cy, cx + w / 2 - 6, cy, width=1)


def draw_butterfly_eggs(svg, cx, cy):
    leaf(svg, cx, cy + 4)
    for dx in (-14, -3, 8):
        svg.ellipse(cx + dx, cy - 1, 4, 5.5, fill='white', width=1.5)


def draw_caterpillar(svg, cx, cy):
    n = 7
    for i in range(n):
        x = cx - 27 + i * 9
        y = cy + 2 - 5 * math.sin(i * 0.9)
        svg.circle(x, y, 6.5, fill=GREEN if i < n - 1 else '#8fb276', width=1.5)
        if i < n - 1:
            svg.line(x, y + 6, x, y + 11, width=1.5)
    svg.circle(cx + 28, cy - 6, 1.5, fill='black', width=0.5)


def draw_pupa(svg, cx, cy):
    svg.line(cx - 30, cy - 22, cx + 30, cy - 22, width=4, stroke='#8a6a3a')
    svg.line(cx, cy - 22, cx, cy - 16, width=1.5)
    svg.path('M %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f Z'
             % (cx, cy - 16, cx + 13, cy - 10, cx + 11, cy + 14, cx, cy + 24,
                cx - 11, cy + 14, cx - 13, cy - 10, cx, cy - 16), fill=BROWN, width=1.8)
    svg.line(cx - 7, cy, cx + 7, cy, width=1)
    svg.line(cx - 6, cy + 8, cx + 6, cy + 8, width=1)


def draw_butterfly(svg, cx, cy):
    for s in (1, -1):
        svg.ellipse(cx + s * 15, cy - 8, 15, 11, fill='#f3d28a', width=1.5, rotate=-s * 25)
        svg.ellipse(cx + s * 12, cy + 11, 10, 8, fill='#f3d28a', width=1.5, rotate=s * 25)
        svg.line(cx, cy - 14, cx + s * 8, cy - 26, width=1.2)
        svg.circle(cx + s * 8, cy - 26, 1.8, fill='black', width=1)
    svg.ellipse(cx, cy, 3, 17, fill='#555555', width=1)


def draw_frogspawn(svg, cx, cy):
    for dx, dy in ((-18, -6), (-6, -10), (6, -6), (18, -10), (-12, 6), (0, 4), (12, 6), (24, 2),
                   (-24, 4), (-4, 16), (8, 16)):
        svg.circle(cx + dx, cy + dy, 6.5, fill='#eef4f8', width=1.2)
        svg.circle(cx + dx, cy + dy, 2, fill='black', width=0.5)


def draw_tadpole(svg, cx, cy, legs=False):
    svg.path('M %.1f %.1f Q %.1f %.1f %.1f %.1f Q %.1f %.1f %.1f %.1f'
             % (cx + 4, cy, cx + 16, cy - 8, cx + 26, cy + 1, cx + 33, cy + 8, cx + 38, cy - 2),
             width=3)
    if legs:
        svg.polyline([(cx + 2, cy + 5), (cx + 10, cy + 14), (cx + 4, cy + 18)], width=2)
        svg.polyline([(cx + 2, cy - 5), (cx + 10, cy - 14), (cx + 4, cy - 18)], width=2)
    svg.ellipse(cx - 6, cy, 13, 10, fill='#555555', width=1.5)
    svg.circle(cx - 12, cy - 4, 2, fill='white', width=0.5)


def draw_frog(svg, cx, cy, tail=False, size=1.0):
    k = size
    if tail:
        svg.path('M %.1f %.1f Q %.1f %.1f %.1f %.1f' % (cx + 4 * k, cy + 12 * k, cx + 14 * k,
                                                        cy + 30 * k, cx + 34 * k, cy + 26 * k),
                 width=3.5)
    for s in (-1, 1):
        svg.polyline([(cx + s * 12 * k, cy + 8 * k), (cx + s * 24 * k, cy + 2 * k),
                      (cx + s * 20 * k, cy + 16 * k), (cx + s * 28 * k, cy + 18 * k)], width=2.5)
        svg.polyline([(cx + s * 6 * k, cy + 10 * k), (cx + s * 9 * k, cy + 18 * k),
                      (cx + s * 13 * k, cy + 19 * k)], width=2)
    svg.ellipse(cx, cy + 4 * k, 15 * k, 12 * k, fill='#9ec58a', width=1.8)
    svg.ellipse(cx, cy - 6 * k, 11 * k, 8 * k, fill='#9ec58a', width=1.8)
    for s in (-1, 1):
        svg.circle(cx + s * 7 * k, cy - 13 * k, 4 * k, fill='white', width=1.5)
        svg.circle(cx + s * 7 * k, cy - 13 * k, 1.6 * k, fill='black', width=0.5)


def draw_hen_egg(svg, cx, cy):
    svg.ellipse(cx, cy + 2, 16, 21, fill='#f6ead8', width=2)


def draw_chick(svg, cx, cy, size=1.0):
    k = size
    for s in (-1, 1):
        svg.polyline([(cx + s * 5 * k, cy + 14 * k), (cx + s * 5 * k, cy + 22 * k),
                      (cx + s * 9 * k, cy + 24 * k)], width=2, stroke='#b07020')
    svg.ellipse(cx, cy + 4 * k, 15 * k, 12 * k, fill='#fbe48a', width=1.8)
    svg.circle(cx + 12 * k, cy - 10 * k, 8 * k, fill='#fbe48a', width=1.8)
    svg.polygon([(cx + 19 * k, cy - 12 * k), (cx + 27 * k, cy - 9 * k), (cx + 19 * k, cy - 7 * k)],
                fill='#e0902a', width=1)
    svg.circle(cx + 14 * k, cy - 12 * k, 1.6 * k, fill='black', width=0.5)


def draw_hen(svg, cx, cy):
    for s in (-1, 1):
        svg.polyline([(cx + s * 6, cy + 14), (cx + s * 6, cy + 26), (cx + s * 11, cy + 28)],
                     width=2, stroke='#b07020')
    svg.polygon([(cx - 20, cy - 2), (cx - 34, cy - 20), (cx - 30, cy + 4)], fill='#c9a77a', width=1.5)
    svg.ellipse(cx - 2, cy + 2, 22, 15, fill='#e7cfa8', width=1.8)
    svg.ellipse(cx + 18, cy - 14, 8, 11, fill='#e7cfa8', width=1.8)
    svg.path('M %.1f %.1f q 3 -8 6 0 q 3 -8 6 0' % (cx + 12, cy - 24), fill='#d9534f', width=1)
    svg.polygon([(cx + 25, cy - 16), (cx + 33, cy - 13), (cx + 25, cy - 10)], fill='#e0902a', width=1)
    svg.circle(cx + 20, cy - 17, 1.7, fill='black', width=0.5)
    svg.path('M %.1f %.1f q 5 6 0 10' % (cx + 24, cy - 9), fill='#d9534f', width=1)


def water_surface(svg, cx, cy, w=72):
    svg.rect(cx - w / 2, cy, w, 30, fill=WATER, width=0)
    svg.path('M %.1f %.1f q 6 -4 12 0 t 12 0 t 12 0 t 12 0 t 12 0 t 12 0' % (cx - w / 2, cy),
             width=1.5)


def draw_mosquito_eggs(svg, cx, cy):
    water_surface(svg, cx, cy + 2)
    for i in range(8):
        svg.ellipse(cx - 21 + i * 6, cy - 2, 2.6, 5, fill='#555555', width=0.8)


def draw_mosquito_larva(svg, cx, cy):
    water_surface(svg, cx, cy - 14)
    svg.line(cx + 4, cy - 14, cx + 2, cy - 4, width=2)
    pts = [(cx + 2, cy - 4)]
    for i in range(1, 7):
        pts.append((cx - i * 1.5, cy - 4 + i * 4.5))
    svg.polyline(pts, width=4)
    svg.circle(cx - 10, cy + 25, 3.5, fill='#555555', width=1)
    for i in range(1, 6):
        x, y = pts[i]
        svg.line(x - 3, y, x + 3, y, width=1)


def draw_mosquito_pupa(svg, cx, cy):
    water_surface(svg, cx, cy - 14)
    svg.line(cx - 4, cy - 14, cx - 2, cy - 8, width=1.5)
    svg.line(cx + 2, cy - 14, cx + 1, cy - 8, width=1.5)
    svg.path('M %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f Q %.1f %.1f %.1f %.1f'
             % (cx - 8, cy - 6, cx + 14, cy - 12, cx + 14, cy + 10, cx + 2, cy + 6,
                cx + 6, cy + 16, cx - 2, cy + 22), fill='#777777', width=1.5)
    svg.path('M %.1f %.1f Q %.1f %.1f %.1f %.1f' % (cx - 8, cy - 6, cx - 14, cy + 4, cx + 2, cy + 6),
             fill='#777777', width=1.5)


def draw_mosquito(svg, cx, cy):
    # Side view: head on the left, long legs below, two narrow wings above.
    for dx, fx in ((-8, -30), (-3, -8), (2, 26)):
        knee = (cx + dx + (fx - dx) * 0.35, cy - 2)
        svg.polyline([(cx + dx, cy + 4), knee, (cx + fx, cy + 22)], width=1.3)
    svg.ellipse(cx + 4, cy - 12, 16, 4.5, fill='#eeeeee', width=1.2, rotate=-28)
    svg.ellipse(cx + 8, cy - 9, 16, 4.5, fill='#eeeeee', width=1.2, rotate=-12)
    svg.ellipse(cx + 19, cy + 3, 15, 3.5, fill='#555555', width=1, rotate=8)
    svg.ellipse(cx - 3, cy + 1, 6.5, 5, fill='#555555', width=1)
    svg.circle(cx - 13, cy + 1, 3.5, fill='#555555', width=1)
    svg.line(cx - 16, cy + 3, cx - 30, cy + 10, width=1.3)
    svg.line(cx - 15, cy - 1, cx - 24, cy - 9, width=1)


def draw_seed(svg, cx, cy):
    svg.path('M %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f Z'
             % (cx - 16, cy, cx - 16, cy - 18, cx + 16, cy - 18, cx + 16, cy,
                cx + 16, cy + 14, cx + 3, cy + 8, cx, cy + 12), fill=BROWN, width=1.8)
    svg.path('M %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f'
             % (cx, cy + 12, cx - 3, cy + 8, cx - 16, cy + 14, cx - 16, cy), fill=BROWN, width=1.8)
    svg.ellipse(cx, cy + 8, 3, 2, fill='#8a6a3a', width=1)


def soil(svg, cx, cy, w=76, h=10):
    svg.rect(cx - w / 2, cy, w, h, fill='#cdb38f', width=1.2)


def draw_germinating(svg, cx, cy):
    soil(svg, cx, cy + 8)
    svg.ellipse(cx, cy + 2, 12, 8, fill=BROWN, width=1.5)
    svg.path('M %.1f %.1f q 2 10 -2 18' % (cx + 2, cy + 8), width=2)
    svg.path('M %.1f %.1f q 4 -12 0 -22' % (cx + 2, cy - 4), width=2)


def draw_seedling(svg, cx, cy):
    soil(svg, cx, cy + 16)
    svg.line(cx, cy + 16, cx, cy - 12, width=2.2, stroke='#3d7a2a')
    svg.ellipse(cx - 11, cy - 16, 11, 5, fill=GREEN, width=1.5, rotate=-20)
    svg.ellipse(cx + 11, cy - 16, 11, 5, fill=GREEN, width=1.5, rotate=20)
    svg.polyline([(cx, cy + 16), (cx - 6, cy + 26)], width=1.5)
    svg.polyline([(cx, cy + 16), (cx + 5, cy + 27)], width=1.5)


def draw_plant(svg, cx, cy, flowers=False, fruits=False):
    soil(svg, cx, cy + 16, h=8)
    svg.line(cx, cy + 16, cx, cy - 16, width=2.5, stroke='#3d7a2a')
    for y, side in ((cy + 8, -1), (cy, 1), (cy - 8, -1)):
        svg.ellipse(cx + side * 11, y, 11, 4.5, fill=GREEN, width=1.5, rotate=-side * 20)
    if flowers:
        for a in range(0, 360, 72):
            r = math.radians(a)
            svg.circle(cx + 6 * math.cos(r), cy - 21 + 6 * math.sin(r), 5, fill='#f5b5c8', width=1.2)
        svg.circle(cx, cy - 21, 3.5, fill='#f3d28a', width=1)
    if fruits:
        svg.circle(cx + 1, cy - 21, 6.5, fill='#e06a4a', width=1.5)
        svg.circle(cx + 15, cy + 6, 5.5, fill='#e06a4a', width=1.5)


PICTURES = {
    'butterfly eggs': draw_butterfly_eggs, 'caterpillar': draw_caterpillar, 'pupa': draw_pupa,
    'butterfly': draw_butterfly, 'frogspawn': draw_frogspawn, 'tadpole': draw_tadpole,
    'legs tadpole': lambda s, x, y: draw_tadpole(s, x, y, legs=True),
    'froglet': lambda s, x, y: draw_frog(s, x, y, tail=True, size=0.8), 'frog': draw_frog,
    'hen egg': draw_hen_egg, 'chick': draw_chick, 'hen': draw_hen,
    'mosquito eggs': draw_mosquito_eggs, 'mosquito larva': draw_mosquito_larva,
    'mosquito pupa': draw_mosquito_pupa, 'mosquito': draw_mosquito, 'seed': draw_seed,
    'germinating': draw_germinating, 'seedling': draw_seedling, 'plant': draw_plant,
    'flowering plant': lambda s, x, y: draw_plant(s, x, y, flowers=True),
    'fruiting plant': lambda s, x, y: draw_plant(s, x, y, fruits=True),
}


def cycle_diagram(stages, width=400):
    """stages: list of (picture name, label) drawn clockwise in a loop of
    boxes, with arrows from each stage to the next. 3, 4 or 5 stages."""
    n = len(stages)
    bw, bh = 116, 96
    if n == 3:
        height = 300
        centres = [(width / 2, 58), (width - 72, 236), (72, 236)]
    elif n == 4:
        height = 276
        centres = [(70, 60), (width - 70, 60), (width - 70, 216), (70, 216)]
    else:
        height = 360
        cx, cy, r = width / 2, 186, 130
        centres = [(cx + (width / 2 - 58) * math.sin(2 * math.pi * i / n) / math.sin(0.4 * math.pi),
                    cy - r * math.cos(2 * math.pi * i / n)) for i in range(n)]
        bw, bh = 104, 92
    svg = Svg(width, height)
    for i in range(n):
        (x1, y1), (x2, y2) = centres[i], centres[(i + 1) % n]
        # Arrow from the edge of box i to the edge of box i+1.
        sx, sy = clip_box(x1, y1, x2, y2, bw / 2 + 6, bh / 2 + 6)
        ex, ey = clip_box(x2, y2, x1, y1, bw / 2 + 6, bh / 2 + 6)
        svg.arrow(sx, sy, ex, ey, width=2.2, head=11)
    for (x, y), (pic, label) in zip(centres, stages):
        svg.rect(x - bw / 2, y - bh / 2, bw, bh, fill='white', width=1.8, rx=8)
        if pic:
            PICTURES[pic](svg, x, y - 12)
        svg.text(x, y + bh / 2 - 9, label, bold=len(label) == 1)
    return svg.render()


def clip_box(x1, y1, x2, y2, hw, hh):
    """The point where the line from the box centre (x1, y1) towards (x2, y2)
    leaves a box of half-size hw x hh."""
    dx, dy = x2 - x1, y2 - y1
    t = min(hw / abs(dx) if dx else 1e9, hh / abs(dy) if dy else 1e9)
    return x1 + dx * t, y1 + dy * t



# ---------------------------------------------------------------------------
# Larger labelled diagrams
# ---------------------------------------------------------------------------

def pointer(svg, x1, y1, x2, y2, label, anchor='start', dy=5):
    """A label at (x1, y1) with a thin line to the part at (x2, y2)."""
    svg.line(x1, y1, x2, y2, width=1.2)
    svg.circle(x2, y2, 2, fill='black', width=0.5)
    off = {'start': 4, 'end': -4, 'middle': 0}[anchor]
    svg.text(x1 + off, y1 + dy, label, anchor=anchor, bold=len(label) == 1)


def insect_figure(labels=('A', 'B', 'C')):
    """An insect seen from above, head at the top; labels name head, thorax, abdomen."""
    svg = Svg(320, 270)
    cx = 150
    # legs: three pairs, all from the thorax
    for s in (-1, 1):
        svg.polyline([(cx + s * 10, 112), (cx + s * 44, 92), (cx + s * 62, 66)], width=2.2)
        svg.polyline([(cx + s * 12, 124), (cx + s * 52, 128), (cx + s * 72, 150)], width=2.2)
        svg.polyline([(cx + s * 10, 136), (cx + s * 42, 170), (cx + s * 50, 214)], width=2.2)
        svg.path('M %.1f %.1f Q %.1f %.1f %.1f %.1f' % (cx + s * 6, 60, cx + s * 20, 24, cx + s * 44, 16),
                 width=1.8)
    svg.ellipse(cx, 200, 24, 56, fill='#c9b07a', width=2)
    for y in (172, 192, 212, 232):
        svg.line(cx - 21, y, cx + 21, y, width=1)
    svg.ellipse(cx, 124, 19, 22, fill='#b89a5e', width=2)
    svg.ellipse(cx, 74, 16, 17, fill='#a5884e', width=2)
    svg.circle(cx - 9, 68, 4, fill='black', width=0.5)
    svg.circle(cx + 9, 68, 4, fill='black', width=0.5)
    for (y, lab) in zip((78, 124, 210), labels):
        pointer(svg, 268, y - 14 if y < 100 else y, cx + 12, y, lab)
    return svg.render()


def bezier(pts, t):
    """A point on a cubic Bezier curve."""
    (x0, y0), (x1, y1), (x2, y2), (x3, y3) = pts
    u = 1 - t
    return (u ** 3 * x0 + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t ** 3 * x3,
            u ** 3 * y0 + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t ** 3 * y3)


def mid(a, b, side, cx):
    return (cx + side * (a[0] + b[0]) / 2, (a[1] + b[1]) / 2)


def flower_figure(labels):
    """Half a flower cut down the middle. labels maps part names to the
    letters (or words) written beside them; parts not in labels are not labelled."""
    svg = Svg(400, 330)
    cx = 200
    # stalk and sepals
    svg.path('M %.1f 330 L %.1f 262' % (cx, cx), width=5, stroke='#3d7a2a')
    outer = [(22, 246), (80, 240), (140, 150), (122, 74)]
    inner = [(122, 74), (90, 120), (50, 190), (26, 238)]
    for s in (-1, 1):
        svg.path('M %.1f 252 Q %.1f 262 %.1f 232' % (cx + s * 6, cx + s * 40, cx + s * 58),
                 fill=GREEN, width=1.8)
        pts = [(cx + s * x, y) for x, y in outer] + [(cx + s * x, y) for x, y in inner[1:]]
        svg.path('M %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f Z'
                 % tuple(v for pt in pts for v in pt), fill='#f7c6d4', width=1.8)
    # receptacle and ovary with ovules, style and stigma
    svg.path('M %.1f 262 Q %.1f 238 %.1f 250 Q %.1f 238 %.1f 262 Z' % (cx - 8, cx - 34, cx, cx + 34, cx + 8),
             fill=GREEN, width=1.5)
    svg.ellipse(cx, 222, 22, 28, fill='#d8ecc8', width=2)
    for y in (206, 222, 238):
        svg.ellipse(cx, y, 5, 4, fill='white', width=1.3)
    svg.path('M %.1f 196 L %.1f 110 L %.1f 110 L %.1f 196' % (cx - 5, cx - 3, cx + 3, cx + 5),
             fill='#d8ecc8', width=1.8)
    svg.ellipse(cx, 104, 11, 7, fill='#b5d89a', width=1.8)
    # stamens
    for s in (-1, 1):
        for top_x, top_y in ((cx + s * 34, 128), (cx + s * 52, 150)):
            svg.path('M %.1f 246 Q %.1f 200 %.1f %.1f' % (cx + s * 14, cx + s * 22, top_x, top_y + 8),
                     width=1.6)
            svg.ellipse(top_x, top_y, 5, 9, fill='#f3c94a', width=1.5, rotate=s * 15)
    where = {
        'stigma': ((cx + 11, 104), (cx + 150, 38)),
        'style': ((cx + 3, 160), (cx + 150, 96)),
        'anther': ((cx - 34, 124), (cx - 150, 60)),
        'filament': ((cx - 27.5, 201), (cx - 150, 164)),
        'petal': (mid(bezier(outer, 0.55), bezier(inner, 0.45), -1, cx), (cx - 150, 104)),
        'ovary': ((cx + 20, 212), (cx + 150, 182)),
        'ovule': ((cx + 4, 238), (cx + 150, 244)),
        'sepal': ((cx - 44, 252), (cx - 150, 262)),
    }
    for name, lab in labels.items():
        (px, py), (lx, ly) = where[name]
        pointer(svg, lx, ly, px, py, lab, anchor='start' if lx > cx else 'end')
    return svg.render()


def cloud(svg, x, y, k=1.0):
    d = ('M %.1f %.1f ' % (x - 40 * k, y + 12 * k) +
         'a %.1f %.1f 0 0 1 %.1f %.1f ' % (14 * k, 14 * k, 10 * k, -22 * k) +
         'a %.1f %.1f 0 0 1 %.1f %.1f ' % (20 * k, 20 * k, 34 * k, -10 * k) +
         'a %.1f %.1f 0 0 1 %.1f %.1f ' % (18 * k, 18 * k, 30 * k, 10 * k) +
         'a %.1f %.1f 0 0 1 %.1f %.1f Z' % (13 * k, 13 * k, 6 * k, 22 * k))
    svg.path(d, fill='#eeeeee', width=1.8)


def water_cycle_figure(labels):
    """Sea, sun, cloud, rain, mountain and river; labels maps the processes
    'evaporation', 'condensation', 'rain', 'flow' to the letters shown."""
    svg = Svg(420, 300)
    # sun
    svg.circle(46, 46, 20, fill='#f6d55c', width=1.8)
    for a in range(0, 360, 45):
        r = math.radians(a)
        svg.line(46 + 26 * math.cos(r), 46 + 26 * math.sin(r), 46 + 34 * math.cos(r),
                 46 + 34 * math.sin(r), width=2)
    # sea on the left, land and a mountain on the right
    svg.path('M 0 238 L 190 238 L 190 300 L 0 300 Z', fill=WATER, width=0)
    svg.path('M 0 238 q 10 -5 20 0 t 20 0 t 20 0 t 20 0 t 20 0 t 20 0 t 20 0 t 20 0 t 20 0 t 10 0',
             width=1.5)
    svg.text(70, 278, 'sea')
    svg.path('M 190 300 L 190 238 L 250 228 L 330 110 L 420 200 L 420 300 Z', fill='#e3d6bf', width=1.8)
    # river from the mountain to the sea
    svg.path('M 320 132 Q 300 190 262 206 Q 220 224 192 240', width=5, stroke='#6a9ccc')
    # evaporation arrows from the sea
    for x in (60, 100, 140):
        svg.path('M %.1f 228 q -6 -10 0 -20 t 0 -20 t 0 -20 t 0 -20 t 0 -20' % x, width=1.6, dash=True)
        svg.arrowhead(x, 124, -math.pi / 2, 8)
    # cloud formed above the sea; the wind carries a cloud over the mountain, where it rains
    cloud(svg, 104, 96, 1.05)
    cloud(svg, 318, 46, 1.0)
    svg.arrow(170, 62, 266, 48, width=2, head=9)
    for x in (294, 312, 330, 348):
        svg.line(x, 72, x - 10, 102, width=1.5, stroke='#3a6ea5')
    tags = {
        'evaporation': (166, 198),
        'condensation': (170, 120),
        'rain': (374, 92),
        'flow': (282, 232),
    }
    for name, lab in labels.items():
        x, y = tags[name]
        svg.text(x, y, lab, bold=True, size=15)
    return svg.render()


def bean_seed_figure(labels):
    """A bean seed opened along its two halves: seed coat, seed leaf, young plant."""
    svg = Svg(360, 196)
    cx, cy = 150, 104
    svg.path('M %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f '
             'C %.1f %.1f %.1f %.1f %.1f %.1f Z'
             % (cx - 90, cy, cx - 90, cy - 80, cx + 90, cy - 80, cx + 90, cy,
                cx + 90, cy + 60, cx + 20, cy + 70, cx, cy + 40,
                cx - 20, cy + 70, cx - 90, cy + 60, cx - 90, cy), fill=BROWN, width=2.5)
    svg.path('M %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f C %.1f %.1f %.1f %.1f %.1f %.1f '
             'C %.1f %.1f %.1f %.1f %.1f %.1f Z'
             % (cx - 80, cy, cx - 80, cy - 70, cx + 80, cy - 70, cx + 80, cy,
                cx + 80, cy + 50, cx + 18, cy + 58, cx, cy + 32,
                cx - 18, cy + 58, cx - 80, cy + 50, cx - 80, cy), fill='#f4ecd0', width=1.5)
    # young plant (root and shoot) near the scar
    svg.path('M %.1f %.1f q 10 -6 20 -22 q 4 -8 14 -10' % (cx - 4, cy + 34), width=4, stroke='#8a9a3a')
    svg.ellipse(cx + 36, cy - 1, 7, 4, fill='#cfe3bf', width=1.3, rotate=-30)
    svg.ellipse(cx + 30, cy - 6, 7, 4, fill='#cfe3bf', width=1.3, rotate=-70)
    where = {
        'seed coat': ((cx + 58, cy - 42), (cx + 130, cy - 78)),
        'seed leaf': ((cx - 30, cy - 10), (cx + 130, cy - 30)),
        'young plant': ((cx + 16, cy + 18), (cx + 130, cy + 30)),
    }
    for name, lab in labels.items():
        (px, py), (lx, ly) = where[name]
        pointer(svg, lx, ly, px, py, lab)
    return svg.render()



# ---------------------------------------------------------------------------
# The papers
# ---------------------------------------------------------------------------

PAPERS = []     # (paper number, topic name, paper within topic, function)


def paper(number, topic, index):
    def register(fn):
        PAPERS.append((number, topic, index, fn))
        return fn
    return register

@paper(101, 'Diversity of Living Things', 1)
def paper101():
    Q = []
    Q.append(mc('Which of these is a living thing?',
                ['a pebble', 'a cloud', '*a mushroom', 'a bicycle']))
    Q.append(parts('Write the missing words. The first letter of each word is given.',
                   'All living things need three things to stay alive.',
                   [('f <span class="blank">&nbsp;</span>', 'T', 1, 'food'),
                    ('w <span class="blank">&nbsp;</span>', 'T', 1, 'water'),
                    ('a <span class="blank">&nbsp;</span>', 'T', 1, 'air')]))
    Q.append(parts('Write living or non-living for each thing.',
                   'Ravi made a list of things he saw in the school garden.',
                   [('a sunflower plant', 'M', 1, LIVING),
                    ('a plastic watering can', 'M', 1, NONLIVING),
                    ('an earthworm', 'M', 1, LIVING),
                    ('a rock', 'M', 1, NONLIVING),
                    ('a butterfly', 'M', 1, LIVING)]))
    Q.append(mc('A puppy becomes a dog. A seed becomes a tall tree. Which characteristic of '
                'living things do both of these show?',
                ['Living things can move from place to place.', '*Living things can grow.',
                 'Living things need air.', 'Living things make their own food.']))
    Q.append(mc('A toy car can move by itself when it is switched on. Which of these shows that '
                'the toy car is a non-living thing?',
                ['It is made of plastic.', 'It moves on wheels.',
                 '*It cannot grow or reproduce.', 'It is smaller than a real car.']))
    Q.append(mc('Mei touched the leaves of a touch-me-not plant and the leaves folded up at once. '
                'What does this show about living things?',
                ['They need water.', 'They can reproduce.', 'They need sunlight.',
                 '*They respond to changes around them.']))
    Q.append(mc('A bean seed was kept in a dry packet for a year and did not change at all. '
                'When it was placed on moist cotton wool, it grew into a young plant. Which '
                'statement is correct?',
                ['*The seed was living all the time, even though it showed few signs of life in the packet.',
                 'The seed was non-living in the packet and became living when it was watered.',
                 'The seed is non-living because it could not move.',
                 'The seed is non-living because it did not need food in the packet.']))
    Q.append(mc([P('Aisha observed a living thing, X, and recorded what she found.'),
                 table(['Observation', 'Yes or no'],
                       [['Does it need food?', 'yes'], ['Does it grow?', 'yes'],
                        ['Does it make its own food?', 'no'],
                        ['Does it move from place to place by itself?', 'yes']]),
                 P('Which of these could be X?')],
                ['a fern', '*a cat', 'a mango tree', 'a robot']))
    Q.append(one('Give your answer in cm. Write the number only.',
                 [P('Jun measured the height of a seedling every two days.'),
                  table(['Day', '0', '2', '4', '6', '8'],
                        [['Height (cm)', '0', '1.5', '4', '6.5', '9']]),
                  P('By how many centimetres did the seedling grow from day 2 to day 8?')],
                 'N', '7.5'))
    Q.append(mc('Which group contains only living things?',
                ['grass, sand, ant', 'cloud, goldfish, rock', 'paper, snail, rain',
                 '*fern, sparrow, mould']))
    Q.append(one('Write the missing word.',
                 '<p>A hen lays eggs and the eggs hatch into chicks. Living things produce young of '
                 'their own kind. This is called <span class="blank">&nbsp;</span>.</p>',
                 'M', M('reproduction', 'reproducing')))
    Q.append(one('Write the name of the group.',
                 [P('The chart shows four groups of living things.'), FIGURE,
                  P('Mushrooms, moulds and yeast all belong to group X. What is the name of group X?')],
                 'M', M('fungi', 'fungus', 'funguses'),
                 fig=(tree_chart(node('Living things', node('plants'), node('animals'), node('X'),
                                      node('bacteria'))),
                      'A chart: living things are divided into plants, animals, a group marked X, '
                      'and bacteria.')))
    Q.append(mc('Which living things are so small that they can only be seen with a microscope?',
                ['mushrooms', '*bacteria', 'ferns', 'ants']))
    Q.append(parts('Write plant or animal for each living thing.', '',
                   [('a jellyfish', 'M', 1, M('animal', 'an animal')),
                    ('a fern', 'M', 1, M('plant', 'a plant')),
                    ('a starfish', 'M', 1, M('animal', 'an animal')),
                    ('a cactus', 'M', 1, M('plant', 'a plant'))]))
    Q.append(mc('How do green plants get their food?',
                ['They take in food from the soil through their roots.',
                 'They catch small insects.', 'They take in food from the air.',
                 '*They make their own food, using light.']))
    Q.append(mc('Which of these was once part of a living thing?',
                ['a plastic bottle', 'a glass marble', '*a wooden chair', 'an iron nail']))
    Q.append(one('Write the number only.',
                 [P('These things were found in a flower bed.'),
                  boxed(['earthworm', 'soil', 'snail', 'pebble', 'hibiscus plant', 'rainwater',
                         'mushroom', 'flowerpot']),
                  P('How many of them are living things?')],
                 'N', '4'))
    Q.append(mc('Which of these is <b>not</b> true of all living things?',
                ['They can grow.', '*They can move from place to place.',
                 'They can reproduce.', 'They need food, water and air.']))
    Q.append(mc([P('Ben tested four things, P, Q, R and S, and wrote down what he found.'),
                 table(['', 'P', 'Q', 'R', 'S'],
                       [['Grows', 'yes', 'no', 'yes', 'no'],
                        ['Reproduces', 'yes', 'no', 'yes', 'no'],
                        ['Needs food, water and air', 'yes', 'no', 'yes', 'no'],
                        ['Moves from place to place by itself', 'no', 'yes', 'yes', 'no']]),
                 P('Which of them are living things?')],
                ['*P and R only', 'R only', 'P, Q and R only', 'Q and R only'], marks=2))
    Q.append(group('Write one word on each line.',
                   [P('Look at the things in the box.'),
                    boxed(['rock', 'guppy', 'rain', 'fern', 'sand', 'mushroom', 'clock']),
                    P('Name any <b>two</b> things from the box that can reproduce.')],
                   ['guppy', 'fern', 'mushroom'], 2))
    return Q


GROUPS = ['mammal', 'bird', 'fish', 'reptile', 'amphibian', 'insect']


def group_key(name):
    plural = {'fish': 'fishes', 'mammal': 'mammals', 'bird': 'birds', 'reptile': 'reptiles',
              'amphibian': 'amphibians', 'insect': 'insects'}[name]
    return M(name, plural, 'a ' + name if name[0] not in 'aeiou' else 'an ' + name)


@paper(102, 'Diversity of Living Things', 2)
def paper102():
    Q = []
    Q.append(mc('Which of these animals is a mammal?',
                ['shark', '*whale', 'penguin', 'crocodile']))
    Q.append(mc('Which feature is found <b>only</b> in birds?',
                ['They lay eggs.', 'They have wings.', '*They have feathers.', 'They breathe air.']))
    Q.append(parts('Answer each part.',
                   [P('The diagram shows an insect seen from above.'), FIGURE],
                   [('Name part A.', 'M', 1, named('head')),
                    ('Name part B.', 'M', 1, named('thorax')),
                    ('Name part C.', 'M', 1, named('abdomen')),
                    ('How many legs does the insect have? Write the number only.', 'N', 1, '6'),
                    ('Write the letter of the part that the legs are joined to.', 'T', 1, 'B')],
                   fig=(insect_figure(),
                        'An insect seen from above, with two feelers, three pairs of legs and '
                        'three body parts labelled A, B and C from front to back.')))
    Q.append(mc('A spider is not an insect. Which of these is the reason?',
                ['*It has eight legs and two main body parts.', 'It cannot fly.',
                 'It spins webs.', 'It eats other small animals.']))
    Q.append(parts('Write the animal group from the box for each animal.',
                   [boxed(GROUPS)],
                   [('bat', 'M', 1, group_key('mammal')),
                    ('penguin', 'M', 1, group_key('bird')),
                    ('toad', 'M', 1, group_key('amphibian')),
                    ('gecko', 'M', 1, group_key('reptile')),
                    ('beetle', 'M', 1, group_key('insect')),
                    ('shark', 'M', 1, group_key('fish'))]))
    Q.append(mc('Which statement about fish is correct?',
                ['They breathe with lungs.', 'They all live in the sea.',
                 '*They take in oxygen from the water through their gills.',
                 'They have dry skin without scales.']))
    Q.append(mc('Animal K has moist skin. It lays its eggs in water. Its young live in water, but the '
                'adult can live on land and in water. Which of these could animal K be?',
                ['lizard', '*toad', 'snake', 'crocodile']))
    Q.append(mc('In which group are <b>all</b> the animals reptiles?',
                ['frog, lizard, snake', 'crocodile, salamander, gecko', 'turtle, newt, tortoise',
                 '*snake, crocodile, tortoise']))
    Q.append(group('Write one animal on each line.',
                   [boxed(['dolphin', 'shark', 'bat', 'eagle', 'goat', 'octopus', 'frog']),
                    P('Name any <b>two</b> mammals from the box.')],
                   ['dolphin', 'bat', 'goat'], 2))
    Q.append(mc('Which of these animals gives birth to live young?',
                ['hen', 'turtle', 'frog', '*goat']))
    Q.append(mc('A dolphin lives in the sea and has fins, but it is a mammal, not a fish. '
                'Which fact shows that it is a mammal?',
                ['It swims very fast.', 'It eats fish.', '*It feeds its young on milk.',
                 'It has a tail.']))
    Q.append(parts('Write the animal group of each animal: mammal, bird, reptile or amphibian.',
                   [P('The table describes four animals, P, Q, R and S.'),
                    table(['Animal', 'Body covering', 'How the young are produced'],
                          [['P', 'feathers', 'lays eggs with hard shells'],
                           ['Q', 'hair', 'gives birth to young that feed on milk'],
                           ['R', 'dry scales', 'lays eggs with leathery shells on land'],
                           ['S', 'moist skin', 'lays eggs covered in jelly in a pond']])],
                   [('P', 'M', 1, group_key('bird')),
                    ('Q', 'M', 1, group_key('mammal')),
                    ('R', 'M', 1, group_key('reptile')),
                    ('S', 'M', 1, group_key('amphibian'))]))
    Q.append(one('Write the number only.',
                 'A spider has 8 legs and an ant has 6 legs. A jar holds 3 spiders and 4 ants. '
                 'How many legs are there in the jar altogether?', 'N', '48', marks=2))
    Q.append(mc('Which of these animals is an insect?',
                ['spider', 'centipede', '*butterfly', 'earthworm']))
    Q.append(one('Write the name.',
                 'Insects have a pair of feelers on their heads, which they use to feel and smell. '
                 'What is another name for these feelers?',
                 'M', M('antennae', 'antenna', 'antennas')))
    Q.append(mc('Which of these is a bird that cannot fly?',
                ['bat', 'butterfly', 'flying fish', '*ostrich']))
    Q.append(parts('Write true or false for each statement.', '',
                   [('A whale breathes with lungs.', 'T', 1, 'true'),
                    ('Every insect has wings.', 'T', 1, 'false'),
                    ('Birds lay eggs with hard shells.', 'T', 1, 'true'),
                    ('A bat is a bird because it can fly.', 'T', 1, 'false')]))
    Q.append(mc([P('Sam sorted some animals into two groups.'),
                 table(['Group A', 'Group B'], [['cow, bat, whale', 'hen, goldfish, crocodile']]),
                 P('Which heading is correct for Group A?')],
                ['*They feed their young on milk.', 'They can fly.', 'They live on land.',
                 'They lay eggs.']))
    Q.append(mc('Which animal is matched with the correct group?',
                ['crocodile &ndash; amphibian', '*salamander &ndash; amphibian',
                 'whale &ndash; fish', 'spider &ndash; insect']))
    Q.append(parts('Write the numbers only.',
                   [P('Pupils counted the animals they saw in a park. The bar graph shows their '
                      'results.'), FIGURE],
                   [('How many animals did they count altogether?', 'N', 1, '60'),
                    ('How many more insects than birds did they count?', 'N', 1, '15')],
                   fig=(bar_graph(['insects', 'birds', 'mammals', 'reptiles'], [30, 15, 5, 10],
                                  'Number of animals', 'Animal group', 35, 5),
                        'A bar graph of the number of animals counted in each group: insects 30, '
                        'birds 15, mammals 5, reptiles 10.')))
    return Q


FLOWERING = M('flowering', 'flowering plant', 'a flowering plant')
NONFLOWERING = M('non-flowering', 'nonflowering', 'non flowering', 'non-flowering plant',
                 'nonflowering plant', 'non flowering plant', 'a non-flowering plant')


@paper(103, 'Diversity of Living Things', 3)
def paper103():
    Q = []
    Q.append(mc('Which of these is a flowering plant?',
                ['fern', 'moss', '*hibiscus', 'pine tree']))
    Q.append(mc('How does a fern reproduce?',
                ['from seeds', '*from spores', 'from fruits', 'from flowers']))
    Q.append(parts('Write flowering or non-flowering for each plant.', '',
                   [('mango tree', 'M', 1, FLOWERING),
                    ('fern', 'M', 1, NONFLOWERING),
                    ('moss', 'M', 1, NONFLOWERING),
                    ('sunflower', 'M', 1, FLOWERING),
                    ('pine tree', 'M', 1, NONFLOWERING)]))
    Q.append(one('Write the missing word.',
                 '<p>Small brown dots can be seen on the underside of some fern leaves. They hold '
                 'tiny <span class="blank">&nbsp;</span> from which new fern plants can grow.</p>',
                 'M', M('spores', 'spore')))
    Q.append(mc('How does a mushroom get its food?',
                ['*It feeds on dead and decaying matter.', 'It makes its own food using sunlight.',
                 'It catches small insects.', 'It takes in food from the air.']))
    Q.append(mc('Fungi such as mushrooms are not plants. Which of these is the reason?',
                ['They are too small.', 'They grow in dark places.',
                 '*They cannot make their own food.', 'They do not need water.']))
    Q.append(mc('Yeast is a fungus. Which of these foods is made with the help of yeast?',
                ['yoghurt', 'salt', 'sugar', '*bread']))
    Q.append(mc('Which statement about bacteria is correct?',
                ['*Some bacteria help to break down dead plants and animals.',
                 'All bacteria cause diseases.',
                 'Bacteria can easily be seen without a microscope.',
                 'Bacteria are a kind of fungus.']))
    Q.append(group('Write one word on each line.',
                   [boxed(['mushroom', 'moss', 'yeast', 'fern', 'mould', 'grass']),
                    P('Name any <b>two</b> fungi from the box.')],
                   ['mushroom', 'yeast', 'mould', 'mold'], 2))
    Q.append(mc('Mushrooms often grow on rotting logs on the forest floor. Which of these is the '
                'best reason?',
                ['*The rotting logs give the mushrooms food and moisture.',
                 'The rotting logs give the mushrooms sunlight.',
                 'The mushrooms use the logs to make food from light.',
                 'The mushrooms need hard wood to stand on.']))
    Q.append(parts('Write the name of a plant from the box for each letter.',
                   [P('The chart shows how some plants are grouped.'), FIGURE,
                    boxed(['fern', 'pine tree', 'hibiscus'])],
                   [('Which plant is X?', 'M', 1, M('pine tree', 'pine', 'pine trees')),
                    ('Which plant is Y?', 'M', 1, M('fern', 'ferns')),
                    ('Which plant is Z?', 'M', 1, M('hibiscus'))],
                   fig=(tree_chart(node('Plants',
                                        node(['have', 'flowers'], node('Z')),
                                        node(['do not have', 'flowers'],
                                             node(['seeds found', 'in cones'], node('X')),
                                             node(['reproduce', 'by spores'], node('Y'))))),
                        'A chart: plants that have flowers lead to Z. Plants that do not have '
                        'flowers are split into those with seeds found in cones, X, and those that '
                        'reproduce by spores, Y.')))
    bread = table(['Slice', 'Where it was kept', 'The bread was', 'Mould after 5 days'],
                  [['A', 'warm cupboard', 'dry', 'a few small patches'],
                   ['B', 'warm cupboard', 'sprinkled with water', 'many large patches'],
                   ['C', 'refrigerator', 'sprinkled with water', 'one tiny patch'],
                   ['D', 'refrigerator', 'dry', 'none']])
    Q.append(mc([P('Priya kept four slices of the same bread in different places for 5 days.'),
                 bread, P('In which conditions did the mould grow best?')],
                ['warm and dry', 'cold and damp', '*warm and damp', 'cold and dry']))
    Q.append(mc([P('Look again at Priya\'s experiment.'), bread,
                 P('Which two slices should she compare to find out whether warmth affects '
                   'the growth of mould?')],
                ['A and B', '*B and C', 'A and C', 'B and D']))
    Q.append(parts('Write the numbers only.',
                   [P('Daniel left a piece of damp bread on a plate and counted the spots of mould '
                      'on it every day. The graph shows his results.'), FIGURE],
                   [('How many spots of mould were there on day 4?', 'N', 1, '10'),
                    ('How many more spots were there on day 6 than on day 3?', 'N', 1, '18')],
                   fig=(line_graph([0, 1, 2, 3, 4, 5, 6], [0, 0, 2, 6, 10, 18, 24],
                                   'Number of spots', 'Day', 6, 1, 24, 2),
                        'A line graph of the number of mould spots on each day: 0 on days 0 and 1, '
                        'then 2, 6, 10, 18 and 24 on days 2 to 6.')))
    Q.append(mc('Which statement about mosses is correct?',
                ['They produce flowers.', '*They reproduce by spores.',
                 'They produce seeds in cones.', 'They cannot make their own food.']))
    Q.append(one('Write the missing word.',
                 '<p>Bacteria are living things that are too small to be seen with our eyes alone. '
                 'Living things like these are called <span class="blank">&nbsp;</span>.</p>',
                 'M', M('microorganisms', 'micro-organisms', 'microorganism', 'micro-organism',
                        'microbes', 'microbe', 'germs')))
    Q.append(mc('Why should we wash our hands with soap before eating?',
                ['to make our hands warm', 'to help bacteria grow on our hands',
                 '*to remove harmful bacteria that can make us ill', 'to feed the bacteria on our hands']))
    Q.append(mc('Which of these is true of <b>all</b> plants?',
                ['They have flowers.', 'They reproduce by seeds.', 'They have woody stems.',
                 '*They make their own food.']))
    Q.append(parts('Write plant, animal, fungus or bacteria for each living thing.', '',
                   [('yeast', 'M', 1, M('fungus', 'fungi', 'a fungus')),
                    ('moss', 'M', 1, M('plant', 'a plant')),
                    ('bread mould', 'M', 1, M('fungus', 'fungi', 'a fungus')),
                    ('the tiny living things that turn milk into yoghurt', 'M', 1,
                     M('bacteria', 'bacterium')),
                    ('earthworm', 'M', 1, M('animal', 'an animal'))]))
    Q.append(group('Write one word on each line.',
                   [boxed(['sunlight', 'moisture', 'warmth', 'food', 'soil', 'salt']),
                    P('Name any <b>two</b> things from the box that bread mould needs to grow well.')],
                   ['moisture', 'warmth', 'food'], 2))
    return Q


def key_table(rows):
    """A written key: rows of (step, description, result)."""
    return table(['Step', 'Description', ''], [[a, b, c] for a, b, c in rows])


@paper(104, 'Diversity of Living Things', 4)
def paper104():
    Q = []
    Q.append(parts('Write the letter for each animal.',
                   [P('Use the key to identify the animals A, B, C and D.'), FIGURE],
                   [('pigeon', 'T', 1, 'A'), ('grasshopper', 'T', 1, 'B'),
                    ('rabbit', 'T', 1, 'C'), ('goldfish', 'T', 1, 'D')],
                   fig=(tree_chart(node(['Does it have', 'feathers?'], node('A', edge='yes'),
                                        node(['Does it have', 'six legs?'], node('B', edge='yes'),
                                             node(['Does it have', 'fur?'], node('C', edge='yes'),
                                                  node('D', edge='no')),
                                             edge='no'))),
                        'A key. Does it have feathers? Yes: A. No: does it have six legs? '
                        'Yes: B. No: does it have fur? Yes: C. No: D.')))
    Q.append(parts('Write the letter for each animal.',
                   [P('This key sorts some small animals that have legs.'),
                    key_table([['1', 'has six legs', 'go to 2'],
                               ['', 'does not have six legs', 'go to 3'],
                               ['2', 'has wings', 'P'],
                               ['', 'does not have wings', 'Q'],
                               ['3', 'has eight legs', 'R'],
                               ['', 'has more than eight legs', 'S']])],
                   [('spider', 'T', 1, 'R'), ('centipede', 'T', 1, 'S'),
                    ('housefly', 'T', 1, 'P')]))
    Q.append(mc('Bats and birds can both fly. Which of these could be used to sort bats and birds '
                'into two different groups?',
                ['whether they can fly', 'whether they have wings',
                 '*whether their bodies are covered with fur or with feathers',
                 'whether they breathe air']))
    Q.append(mc([P('Chen sorted seven animals into two groups.'),
                 table(['Group 1', 'Group 2'], [['whale, goldfish, shark, dolphin',
                                                 'eagle, bat, butterfly']]),
                 P('Which headings did he use?')],
                ['Group 1: are fish &nbsp; Group 2: are birds',
                 '*Group 1: live in water &nbsp; Group 2: can fly',
                 'Group 1: breathe with gills &nbsp; Group 2: have feathers',
                 'Group 1: lay eggs &nbsp; Group 2: have wings']))
    Q.append(parts('Write the name of each plant.',
                   [P('Use the key to name each plant.'),
                    key_table([['1', 'produces flowers', 'go to 2'],
                               ['', 'does not produce flowers', 'go to 3'],
                               ['2', 'has a woody stem', 'mango tree'],
                               ['', 'has a soft stem', 'balsam'],
                               ['3', 'reproduces by spores', 'fern'],
                               ['', 'produces seeds in cones', 'pine tree']])],
                   [('Plant V has flowers and a soft stem.', 'M', 1, M('balsam')),
                    ('Plant W has no flowers. Its seeds are found in cones.', 'M', 1,
                     M('pine tree', 'pine')),
                    ('Plant X has no flowers. It reproduces by spores.', 'M', 1, M('fern'))]))
    Q.append(parts('Write the letter of the box for each animal.',
                   [P('Animals can be placed in the boxes of this table.'),
                    table(['', 'Lays eggs', 'Gives birth to live young'],
                          [['<b>Has fur</b>', 'P', 'Q'], ['<b>Has no fur</b>', 'R', 'S']])],
                   [('rabbit', 'T', 1, 'Q'), ('sparrow', 'T', 1, 'R'),
                    ('platypus (a mammal with fur that lays eggs)', 'T', 1, 'P')]))
    Q.append(mc('Which of these would <b>not</b> be a good question to use in a key for sorting '
                'animals?',
                ['How many legs does it have?', 'Does it have wings?',
                 '*Is it a beautiful animal?', 'Is its body covered with scales?']))
    Q.append(mc('Which pair of living things both reproduce by spores?',
                ['*fern and mushroom', 'moss and rose', 'mango tree and pine tree',
                 'mushroom and balsam']))
    Q.append(mc('Three of these animals belong to the same group. Which one does not?',
                ['bat', 'whale', 'cow', '*penguin']))
    Q.append(parts('Write the numbers only.',
                   [P('The table gives some facts about six animals.'),
                    table(['Animal', 'Body covering', 'How the young are produced'],
                          [['goldfish', 'scales', 'lays eggs'],
                           ['cat', 'fur', 'gives birth'],
                           ['lizard', 'scales', 'lays eggs'],
                           ['pigeon', 'feathers', 'lays eggs'],
                           ['cow', 'hair', 'gives birth'],
                           ['crocodile', 'scales', 'lays eggs']])],
                   [('How many of these animals have scales and lay eggs?', 'N', 1, '3'),
                    ('How many of these animals lay eggs?', 'N', 1, '4')]))
    Q.append(parts('Write the letter for each living thing.',
                   [P('Use the key to identify the living things J, K, L and M.'), FIGURE],
                   [('mushroom', 'T', 1, 'L'), ('rose plant', 'T', 1, 'J'),
                    ('fern', 'T', 1, 'K'), ('tiger', 'T', 1, 'M')],
                   fig=(tree_chart(node(['Can it make', 'its own food?'],
                                        node(['Does it have', 'flowers?'], node('J', edge='yes'),
                                             node('K', edge='no'), edge='yes'),
                                        node(['Does it grow', 'from spores?'], node('L', edge='yes'),
                                             node('M', edge='no'), edge='no'))),
                        'A key. Can it make its own food? Yes: does it have flowers? Yes: J, no: K. '
                        'No: does it grow from spores? Yes: L, no: M.')))
    Q.append(mc('Mrs Tan found a small animal with three body parts, six legs and two pairs of '
                'wings. To which group does it belong?',
                ['spiders', '*insects', 'birds', 'reptiles']))
    Q.append(group('Write one feature from the box on each line.',
                   [boxed(['six legs', 'eight legs', 'three body parts', 'two body parts',
                           'a pair of feelers', 'fur']),
                    P('Name any <b>two</b> features from the box that all insects have.')],
                   ['six legs', 'three body parts', 'a pair of feelers', 'pair of feelers'], 2))
    Q.append(mc('Which statement about a bat, a whale and a cat is correct?',
                ['They can all fly.', '*They all feed their young on milk.',
                 'They all live on land.', 'They all lay eggs.']))
    Q.append(parts('Write the letter for each animal.',
                   [P('Use this key to identify animals E, F, G and H.'),
                    key_table([['1', 'lives mainly in water', 'go to 2'],
                               ['', 'lives mainly on land', 'go to 3'],
                               ['2', 'breathes through gills', 'E'],
                               ['', 'breathes through lungs', 'F'],
                               ['3', 'has feathers', 'G'],
                               ['', 'has dry, scaly skin', 'H']])],
                   [('tortoise', 'T', 1, 'H'), ('whale', 'T', 1, 'F'),
                    ('hen', 'T', 1, 'G'), ('guppy', 'T', 1, 'E')]))
    Q.append(mc('Which of these is true of both fungi and bacteria?',
                ['*Some of them help to break down dead plants and animals.',
                 'They make their own food.', 'They reproduce from seeds.',
                 'They can only live in water.']))
    Q.append(mc('Which animal has <b>both</b> of these features: a body covered with scales, '
                '<b>and</b> it breathes through gills?',
                ['snake', '*tuna', 'frog', 'crocodile']))
    Q.append(mc([P('Look at these four living things.'),
                 boxed(['mushroom', 'bread mould', 'fern', 'mango tree']),
                 P('Which question sorts them into two groups of two?')],
                ['Does it grow from spores?', 'Does it have flowers?',
                 '*Can it make its own food?', 'Is it a living thing?']))
    Q.append(one('Write the number only.',
                 [P('Kofi kept these animals as class pets.'),
                  table(['Animal', 'Number of animals'],
                        [['stick insect', '3'], ['tortoise', '2'], ['hamster', '4'],
                         ['goldfish', '5']]),
                  P('A stick insect is an insect. How many legs do all the animals have together?')],
                 'N', '42', marks=2))
    Q.append(mc('Which living things are all non-flowering plants?',
                ['fern, moss, mushroom', '*fern, moss, pine tree', 'moss, rice, pine tree',
                 'fern, hibiscus, moss']))
    return Q


DEG = '&deg;C'


@paper(105, 'Diversity of Living Things', 5)
def paper105():
    Q = []
    yeast = [P('Zara set up four bottles with a balloon over the neck of each. At the start, '
               'each balloon measured 14 cm around. She measured each balloon again after 30 '
               'minutes.'),
             table(['Bottle', 'What was in the bottle', 'Distance around the balloon after 30 minutes (cm)'],
                   [['A', 'yeast, sugar and warm water', '32'],
                    ['B', 'yeast and warm water', '14'],
                    ['C', 'sugar and warm water', '14'],
                    ['D', 'yeast, sugar and cold water', '18']])]
    Q.append(mc(yeast + [P('Why did balloon A become bigger?')],
                ['*The yeast fed on the sugar and gave off a gas.',
                 'The sugar gave off a gas by itself.',
                 'Air from the room went into the bottle.',
                 'The warm water alone made the balloon stretch.']))
    Q.append(mc([P('Look again at Zara\'s experiment.')] + yeast[1:] +
                [P('Which two bottles show that yeast is more active when it is warm?')],
                ['A and B', 'A and C', '*A and D', 'B and C'], marks=2))
    Q.append(one('Give your answer in cm. Write the number only.',
                 [P('Look again at Zara\'s experiment.')] + yeast[1:] +
                 [P('At the start each balloon measured 14 cm around. By how many centimetres did '
                    'the distance around balloon A increase?')],
                 'N', '18'))
    temps = ['5 \u00b0C', '15 \u00b0C', '25 \u00b0C', '35 \u00b0C']
    Q.append(parts('Write the numbers only.',
                   [P('Hari kept four pieces of damp bread at different temperatures. After 6 days '
                      'he counted the patches of mould on each piece.'), FIGURE],
                   [('At which temperature did the most patches of mould grow? Give your answer '
                     'in ' + DEG + '.', 'N', 1, '25'),
                    ('How many more patches grew at 25 ' + DEG + ' than at 5 ' + DEG + '?',
                     'N', 1, '8')],
                   fig=(bar_graph(temps, [2, 6, 10, 8], 'Number of mould patches',
                                  'Temperature', 12, 2),
                        'A bar graph of mould patches after 6 days: 2 at 5 degrees, 6 at 15 '
                        'degrees, 10 at 25 degrees and 8 at 35 degrees Celsius.')))
    Q.append(mc([P('Look again at Hari\'s results: 2 patches at 5 ' + DEG + ', 6 at 15 ' + DEG +
                   ', 10 at 25 ' + DEG + ' and 8 at 35 ' + DEG + '.'),
                 P('Which conclusion is correct?')],
                ['The hotter it is, the faster mould grows.',
                 'Mould cannot grow at 5 ' + DEG + '.',
                 '*Of the four temperatures, mould grew best at 25 ' + DEG + '.',
                 'Temperature does not affect how fast mould grows.'], marks=2))
    Q.append(mc('In Hari\'s experiment, which of these must be kept the same for every piece of '
                'bread to make it a fair test?',
                ['the temperature',
                 '*the type and size of the bread and the amount of water on it',
                 'the number of mould patches',
                 'the place where each piece was kept']))
    milk = table(['Where the milk was kept', 'Temperature (' + DEG + ')',
                  'Time until the milk turned sour (days)'],
                 [['refrigerator', '4', '8'], ['air-conditioned room', '22', '3'],
                  ['kitchen', '30', '1']])
    Q.append(mc([P('Three cartons of the same fresh milk were opened and kept in different places.'),
                 milk, P('Why did the milk in the kitchen turn sour the fastest?')],
                ['*Bacteria in the milk grow and multiply faster when it is warm.',
                 'Bacteria are killed by warmth.',
                 'Warm milk makes its own bacteria from sugar.',
                 'Cold milk has more bacteria in it.'], marks=2))
    Q.append(one('Write the number only.',
                 [P('Look again at the milk experiment.'), milk,
                  P('How many days longer did the milk stay fresh in the refrigerator than in the '
                    'air-conditioned room?')],
                 'N', '5'))
    Q.append(mc('Aliya says that a whale is a fish because it lives in water and has fins. '
                'Which facts show that she is wrong?',
                ['It is very large and eats small sea animals.', 'It has a tail and fins.',
                 'It swims in the sea and has no legs.',
                 '*It breathes with lungs and feeds its young on milk.'], marks=2))
    Q.append(mc([P('Look at the key.'), FIGURE, P('Which animal could be X?')],
                ['penguin', '*bat', 'goldfish', 'snake'],
                fig=(tree_chart(node(['Does it have', 'wings?'],
                                     node(['Does it have', 'feathers?'], node('eagle', edge='yes'),
                                          node('X', edge='no'), edge='yes'),
                                     node(['Does it live', 'in water?'], node('Y', edge='yes'),
                                          node('cat', edge='no'), edge='no'))),
                     'A key. Does it have wings? Yes: does it have feathers? Yes: eagle, no: X. '
                     'No: does it live in water? Yes: Y, no: cat.')))
    Q.append(mc('Which living thing has all three of these characteristics? It cannot make its '
                'own food. It reproduces by spores. It grows on dead or decaying matter.',
                ['moss', 'fern', '*bread mould', 'sunflower']))
    Q.append(parts('Write yes or no.', '',
                   [('Does a fern produce seeds?', 'T', 1, 'no'),
                    ('Does a pine tree produce flowers?', 'T', 1, 'no'),
                    ('Does a pine tree produce seeds?', 'T', 1, 'yes'),
                    ('Can a mushroom make its own food?', 'T', 1, 'no')]))
    Q.append(group('Write one food on each line.',
                   [boxed(['bread', 'rice', 'yoghurt', 'salt', 'cheese', 'apple']),
                    P('Name any <b>two</b> foods from the box that are made with the help of '
                      'microorganisms such as yeast or bacteria.')],
                   ['bread', 'yoghurt', 'yogurt', 'cheese'], 2))
    Q.append(mc('Mina said, "All plants reproduce from seeds." Which plant shows that she is wrong?',
                ['mango tree', 'pine tree', '*fern', 'hibiscus']))
    Q.append(mc('Which statement about a frog and a crocodile is correct?',
                ['Both have dry, scaly skin.', '*Both lay eggs.', 'Both are reptiles.',
                 'Both breathe through gills as adults.']))
    Q.append(parts('Write the animal group of each animal.',
                   [P('Scientists found three animals, and wrote down their features.')],
                   [('Animal X has scales and fins, and breathes through gills.', 'M', 1,
                     group_key('fish')),
                    ('Animal Y has fur and feeds its young on milk. It can fly.', 'M', 1,
                     group_key('mammal')),
                    ('Animal Z has three body parts and six legs, but no wings.', 'M', 1,
                     group_key('insect'))]))
    Q.append(parts('Write the numbers only.',
                   [P('Pupils counted the animals in a pond.'),
                    table(['Animal', 'fish', 'frogs', 'insects', 'snails'],
                          [['Number counted', '12', '8', '20', '5']])],
                   [('How many animals did they count altogether?', 'N', 1, '45'),
                    ('How many of the animals they counted were <b>not</b> insects?', 'N', 1, '25')]))
    Q.append(mc('Fungi and many bacteria break down dead plants and animals. What would happen if '
                'there were no fungi or bacteria to do this?',
                ['Plants would grow faster.', 'Animals would never die.',
                 'There would be more rain.',
                 '*Dead plants and animals would pile up and not rot away.']))
    Q.append(parts('Write the letter.',
                   [P('The table shows some features of four living things, W, X, Y and Z.'),
                    table(['', 'W', 'X', 'Y', 'Z'],
                          [['Makes its own food', 'yes', 'yes', 'no', 'no'],
                           ['Has flowers', 'no', 'yes', 'no', 'no'],
                           ['Reproduces by spores', 'yes', 'no', 'yes', 'no']])],
                   [('Which living thing could be a fern?', 'T', 1, 'W'),
                    ('Which living thing could be a mushroom?', 'T', 1, 'Y')]))
    Q.append(mc('Why do scientists sort living things into groups?',
                ['to make living things grow faster', 'to give every living thing the same name',
                 '*to make it easier to study and identify living things',
                 'to find out which living things are the biggest']))
    return Q


LARVA = M('larva', 'larvae', 'caterpillar', 'a larva', 'a caterpillar', 'the larva',
          'the caterpillar')
PUPA = M('pupa', 'pupae', 'chrysalis', 'a pupa', 'a chrysalis', 'the pupa', 'the chrysalis')


@paper(106, 'Cycles', 1)
def paper106():
    Q = []
    Q.append(parts('Write the name of each stage.',
                   [P('The diagram shows the life cycle of a butterfly.'), FIGURE],
                   [('Name stage A.', 'M', 1, LARVA), ('Name stage B.', 'M', 1, PUPA)],
                   fig=(cycle_diagram([('butterfly eggs', 'egg'), ('caterpillar', 'A'),
                                       ('pupa', 'B'), ('butterfly', 'adult')]),
                        'The life cycle of a butterfly in four boxes joined by arrows: egg on a '
                        'leaf, then stage A, then stage B hanging from a twig, then the adult '
                        'butterfly, which leads back to the egg.')))
    Q.append(one('Write the number only.',
                 'How many stages are there in the life cycle of a butterfly?', 'N', '4'))
    Q.append(mc('In which stage of its life cycle does a butterfly eat the most leaves and grow '
                'the fastest?',
                ['egg', '*larva', 'pupa', 'adult']))
    Q.append(mc([P('The diagram shows the life cycle of a frog.'), FIGURE,
                 P('Which of these describes stage A?')],
                ['*a tadpole that has grown its back legs', 'a clump of eggs covered in jelly',
                 'a young frog that has lost its tail', 'an adult frog laying eggs'],
                fig=(cycle_diagram([('frogspawn', 'eggs'), ('tadpole', 'tadpole'),
                                    ('legs tadpole', 'A'), ('froglet', 'froglet'),
                                    ('frog', 'adult frog')]),
                     'The life cycle of a frog in five boxes joined by arrows: eggs, tadpole, '
                     'stage A, froglet, adult frog, and back to eggs.')))
    Q.append(mc('How does a young tadpole breathe?',
                ['through its lungs', 'through its tail', '*through its gills',
                 'it does not need to breathe']))
    Q.append(parts('Answer each part.',
                   [P('The diagram shows the life cycle of a chicken.'), FIGURE],
                   [('How many stages are there in this life cycle? Write the number only.',
                     'N', 1, '3'),
                    ('Does the chick look similar to the adult hen? Write yes or no.',
                     'T', 1, 'yes')],
                   fig=(cycle_diagram([('hen egg', 'egg'), ('chick', 'chick'), ('hen', 'adult')]),
                        'The life cycle of a chicken in three boxes joined by arrows: egg, chick '
                        'and adult hen, and back to egg.')))
    Q.append(mc([P('The diagram shows the life cycle of a mosquito.'), FIGURE,
                 P('Where does a female mosquito lay her eggs?')],
                ['on the leaves of plants', 'in dry soil', '*on the surface of still water',
                 'on the skin of animals'],
                fig=(cycle_diagram([('mosquito eggs', 'egg'), ('mosquito larva', 'larva'),
                                    ('mosquito pupa', 'pupa'), ('mosquito', 'adult')]),
                     'The life cycle of a mosquito in four boxes joined by arrows: eggs floating '
                     'on water, a larva hanging below the water surface, a pupa just below the '
                     'surface, and the flying adult.')))
    Q.append(parts('Write the name of the young of each animal.',
                   [P('Choose from the box.'), boxed(['chick', 'tadpole', 'caterpillar', 'nymph'])],
                   [('frog', 'M', 1, M('tadpole', 'tadpoles')),
                    ('butterfly', 'M', 1, M('caterpillar', 'caterpillars', 'larva')),
                    ('chicken', 'M', 1, M('chick', 'chicks')),
                    ('cockroach', 'M', 1, M('nymph', 'nymphs'))]))
    Q.append(mc('In which animal does the young look most like the adult?',
                ['butterfly', 'frog', 'mosquito', '*chicken']))
    Q.append(mc('A female butterfly lays her eggs on the leaves of one kind of plant. Why?',
                ['The leaves keep the eggs cold.',
                 '*The larvae can eat the leaves as soon as they hatch.',
                 'The adult butterflies feed on the leaves.',
                 'The eggs make their own food from the leaves.']))
    Q.append(parts('Write the numbers only.',
                   [P('Lena measured the length of a caterpillar every two days. The graph shows '
                      'her results.'), FIGURE],
                   [('How long was the caterpillar on day 6? Give your answer in mm.', 'N', 1, '35'),
                    ('By how many millimetres did it grow from day 0 to day 4?', 'N', 1, '15')],
                   fig=(line_graph([0, 2, 4, 6, 8], [5, 10, 20, 35, 45], 'Length (mm)', 'Day',
                                   8, 2, 50, 5),
                        'A line graph of the length of a caterpillar: 5 mm on day 0, 10 mm on '
                        'day 2, 20 mm on day 4, 35 mm on day 6 and 45 mm on day 8.')))
    Q.append(mc('Mosquito larvae are often seen hanging just below the surface of the water. Why?',
                ['*to take in air through their breathing tubes', 'to get sunlight to make food',
                 'to catch flying insects', 'to lay their eggs']))
    Q.append(group('Write one stage on each line.',
                   'Name the <b>two</b> stages of the life cycle of a mosquito, other than the egg, '
                   'that live in water.',
                   ['larva', 'pupa', 'larvae', 'pupae'], 2))
    Q.append(mc('Which shows the stages in the life cycle of a frog in the correct order?',
                ['tadpole &rarr; egg &rarr; froglet &rarr; adult frog',
                 '*egg &rarr; tadpole &rarr; froglet &rarr; adult frog',
                 'egg &rarr; froglet &rarr; tadpole &rarr; adult frog',
                 'froglet &rarr; tadpole &rarr; egg &rarr; adult frog']))
    Q.append(mc('A hen sits on her eggs for about three weeks. Why does she do this?',
                ['to hide the eggs from other hens', 'to make the shells harder',
                 '*to keep the eggs warm so that the chicks can develop', 'to feed the chicks']))
    Q.append(parts('Write true or false for each statement.', '',
                   [('A tadpole lives in water.', 'T', 1, 'true'),
                    ('An adult butterfly lays eggs.', 'T', 1, 'true'),
                    ('A butterfly pupa eats a lot of leaves.', 'T', 1, 'false'),
                    ('A chick hatches from an egg.', 'T', 1, 'true')]))
    Q.append(one('Give your answer in days. Write the number only.',
                 [P('The table shows how long each stage of a mosquito\'s life cycle lasted in a '
                    'warm room.'),
                  table(['Stage', 'egg', 'larva', 'pupa'],
                        [['Number of days', '2', '7', '2']]),
                  P('How many days did it take for an egg to become an adult mosquito?')],
                 'N', '11'))
    Q.append(mc('Ali found many small wriggling animals in the water that had collected in a '
                'flowerpot tray. What are these animals likely to grow into?',
                ['frogs', 'fish', 'butterflies', '*mosquitoes']))
    Q.append(mc('Which animal has a life cycle with three stages: egg, nymph and adult?',
                ['butterfly', 'mosquito', '*cockroach', 'frog']))
    Q.append(mc('Which stage of a butterfly\'s life cycle can fly?',
                ['egg', 'larva', 'pupa', '*adult']))
    return Q


GERMINATION = M('germination', 'germinating', 'germinate', 'germinates')
SPLITTING = M('splitting', 'splitting open', 'explosive action', 'explosion', 'bursting',
              'by splitting', 'split')


@paper(107, 'Cycles', 2)
def paper107():
    Q = []
    Q.append(parts('Write one word for each answer.',
                   [P('The diagram shows the life cycle of a flowering plant.'), FIGURE],
                   [('What is the name of the process shown at P, when the seed starts to grow?',
                     'M', 1, GERMINATION),
                    ('At stage Q the plant has grown parts that contain its seeds. What are these '
                     'parts called?', 'M', 1, M('fruits', 'fruit')),
                    ],
                   fig=(cycle_diagram([('seed', 'seed'), ('germinating', 'P'),
                                       ('seedling', 'seedling'), ('flowering plant', 'adult plant'),
                                       ('fruiting plant', 'Q')]),
                        'The life cycle of a flowering plant in five boxes joined by arrows: seed, '
                        'stage P with a root and shoot coming out of the seed, seedling, adult '
                        'plant with a flower, and stage Q with round red parts on the plant.')))
    Q.append(mc('Which three things does a seed need in order to germinate?',
                ['*water, air and warmth', 'soil, light and water', 'light, air and fertiliser',
                 'soil, light and warmth']))
    Q.append(parts('Answer each part.',
                   [P('The diagram shows a bean seed that has been soaked and opened.'), FIGURE],
                   [('Name part P.', 'M', 1, named('seed coat', 'testa', 'seedcoat')),
                    ('Name part Q.', 'M', 1, named('seed leaf', 'seed leaves', 'cotyledon',
                                                   'cotyledons')),
                    ('What does part Q give the young plant until it grows green leaves?',
                     'M', 1, M('food', 'stored food', 'nutrients', 'energy'))],
                   fig=(bean_seed_figure({'seed coat': 'P', 'seed leaf': 'Q', 'young plant': 'R'}),
                        'A bean seed opened into halves. P points to the thin outer covering, Q to '
                        'the large pale part inside, and R to the tiny young plant near the scar.')))
    Q.append(mc([P('Grace placed 10 green bean seeds in each of four dishes and left them for 5 days.'),
                 table(['Dish', 'Cotton wool', 'Where it was kept', 'Seeds that germinated'],
                       [['A', 'dry', 'warm, bright classroom', '0'],
                        ['B', 'moist', 'warm, bright classroom', '9'],
                        ['C', 'moist', 'warm, dark cupboard', '9'],
                        ['D', 'moist', 'refrigerator (cold and dark)', '0']]),
                 P('Which conclusion can she draw from her results?')],
                ['Seeds need light, water and warmth to germinate.',
                 '*Seeds need water and warmth to germinate, but not light.',
                 'Seeds need light but not water to germinate.',
                 'Seeds germinate best in the cold.'], marks=2))
    Q.append(mc('When a bean seed germinates, which part grows out of the seed first?',
                ['the shoot', '*the root', 'the green leaves', 'the flower']))
    Q.append(parts('Write how each fruit or seed is dispersed: wind, water, animals or splitting.', '',
                   [('coconut', 'M', 1, M('water', 'by water')),
                    ('dandelion', 'M', 1, M('wind', 'by wind')),
                    ('balsam (its ripe fruit bursts open when touched)', 'M', 1, SPLITTING),
                    ('rambutan (a sweet, juicy fruit)', 'M', 1, M('animals', 'animal', 'by animals'))]))
    Q.append(mc('Why is it important for seeds to be dispersed away from the parent plant?',
                ['so that the seeds can make food for the parent plant',
                 'so that the parent plant grows taller',
                 'so that the seeds do not need water',
                 '*so that the young plants do not compete with the parent plant for light, '
                 'water and space']))
    Q.append(mc('The fruit of the angsana tree is flat and has a thin, wing-like edge. How is it '
                'most likely dispersed?',
                ['*by wind', 'by water', 'by splitting', 'by animals that eat it']))
    Q.append(mc('A coconut has a thick, fibrous husk with many air spaces. How does this help the '
                'coconut to be dispersed?',
                ['It makes the coconut sticky.', 'It makes the coconut burst open.',
                 '*It helps the coconut to float on water.', 'It makes the coconut tasty to animals.']))
    Q.append(mc('Some fruits have tiny hooks on them. How are these fruits dispersed?',
                ['by wind, which blows the hooks', '*by animals, as the hooks catch on their fur',
                 'by water, as the hooks help them float', 'by splitting, as the hooks tear the fruit open']))
    temps = ['5 \u00b0C', '15 \u00b0C', '25 \u00b0C', '35 \u00b0C']
    Q.append(parts('Write the numbers only.',
                   [P('Omar placed 20 seeds on moist cotton wool at each of four temperatures. The '
                      'graph shows how many seeds germinated after a week.'), FIGURE],
                   [('How many seeds germinated at 15 &deg;C?', 'N', 1, '8'),
                    ('How many of the 20 seeds at 25 &deg;C did <b>not</b> germinate?', 'N', 1, '2')],
                   fig=(bar_graph(temps, [0, 8, 18, 12], 'Seeds that germinated', 'Temperature',
                                  20, 2),
                        'A bar graph of seeds that germinated: 0 at 5 degrees, 8 at 15 degrees, '
                        '18 at 25 degrees and 12 at 35 degrees Celsius.')))
    Q.append(mc('Which of these is usually true of fruits that are dispersed by animals?',
                ['*They are juicy and brightly coloured.', 'They are light and have wings.',
                 'They have a waterproof, fibrous husk.', 'They are dry pods that burst open.']))
    Q.append(mc('Which shows the life cycle of a flowering plant in the correct order?',
                ['seed &rarr; adult plant &rarr; seedling &rarr; fruit',
                 'seedling &rarr; seed &rarr; fruit &rarr; adult plant',
                 'seed &rarr; seedling &rarr; fruit &rarr; adult plant',
                 '*seed &rarr; seedling &rarr; adult plant &rarr; fruit']))
    Q.append(group('Write one word from the box on each line.',
                   [boxed(['water', 'light', 'air', 'soil', 'warmth', 'fertiliser']),
                    P('Name any <b>two</b> things from the box that a seed needs to germinate.')],
                   ['water', 'air', 'warmth'], 2))
    Q.append(mc('Some seedlings were kept in a dark cupboard. They grew well for a few days but '
                'then began to die. Why?',
                ['They had no soil.',
                 '*They used up the food stored in the seed leaves and could not make more without light.',
                 'The cupboard was too warm.',
                 'They had too much air.'], marks=2))
    Q.append(mc('Which of these plants disperses its seeds by splitting?',
                ['coconut', 'dandelion', '*pea', 'mango']))
    Q.append(parts('Write the numbers only.',
                   [P('Jun measured the height of a young plant at the end of each week. The graph '
                      'shows his results.'), FIGURE],
                   [('How tall was the plant at the end of week 4? Give your answer in cm.',
                     'N', 1, '14'),
                    ('By how many centimetres did the plant grow from the end of week 2 to the end '
                     'of week 5?', 'N', 1, '12')],
                   fig=(line_graph([0, 1, 2, 3, 4, 5], [0, 2, 4, 10, 14, 16], 'Height (cm)', 'Week',
                                   5, 1, 18, 2),
                        'A line graph of plant height: 0 cm at week 0, 2 cm at week 1, 4 cm at '
                        'week 2, 10 cm at week 3, 14 cm at week 4 and 16 cm at week 5.')))
    Q.append(mc('A potato left in a dark cupboard grew shoots. When it was planted, it grew into a '
                'new potato plant. What does this show?',
                ['A potato is a seed.', 'Potato plants reproduce by spores.',
                 '*Some plants can grow new plants from parts other than seeds.',
                 'Potatoes need light to grow shoots.']))
    Q.append(mc('Which of these seeds is most likely to be dispersed by the wind?',
                ['a large, heavy seed with a hard shell', '*a small, light seed with fine hairs',
                 'a seed inside a sweet, juicy fruit', 'a seed inside a fibrous husk']))
    Q.append(one('Write the missing word.',
                 '<p>The young plant that grows from a seed, before it becomes an adult plant, is '
                 'called a <span class="blank">&nbsp;</span>.</p>',
                 'M', M('seedling', 'seedlings')))
    return Q


FLOWER_LABELS = {'stigma': 'A', 'style': 'B', 'anther': 'C', 'filament': 'D', 'petal': 'E',
                 'ovary': 'F', 'ovule': 'G', 'sepal': 'H'}


@paper(108, 'Cycles', 3)
def paper108():
    Q = []
    Q.append(parts('Write the letter of the part.',
                   [P('The diagram shows a flower cut in half.'), FIGURE],
                   [('Which part makes the pollen grains?', 'T', 1, 'C'),
                    ('Which part is sticky, so that pollen grains land on it and stay there?',
                     'T', 1, 'A'),
                    ('Which part grows into the fruit after fertilisation?', 'T', 1, 'F'),
                    ('Which part grows into a seed after fertilisation?', 'T', 1, 'G')],
                   fig=(flower_figure(FLOWER_LABELS),
                        'A flower cut in half, with eight parts labelled A to H: the top of the '
                        'central stalk, the stalk itself, the tips of the thin stalks around it, '
                        'those thin stalks, a petal, the swollen base in the centre, the small '
                        'round bodies inside it, and a small green leaf under the flower.')))
    Q.append(mc('What is pollination?',
                ['the joining of a male cell with an egg cell',
                 '*the transfer of pollen grains from an anther to a stigma',
                 'the growth of a seed into a young plant',
                 'the spreading of seeds away from the parent plant']))
    Q.append(mc('A fruit grows from the ovary of a flower and contains seeds. Which of these is a '
                'fruit?',
                ['a carrot', 'a potato', 'a lettuce leaf', '*a tomato']))
    Q.append(mc('Which feature helps a flower to be pollinated by the wind?',
                ['large, brightly coloured petals', 'a sweet scent', 'sweet nectar',
                 '*large amounts of light, dry pollen grains'], marks=2))
    Q.append(one('Write the missing word.',
                 '<p>After pollination, a male reproductive cell from the pollen grain joins with '
                 'the egg cell in the ovule. This joining is called '
                 '<span class="blank">&nbsp;</span>.</p>', 'M', FERTILISATION))
    Q.append(parts('Write the missing words.',
                   'After fertilisation, some parts of the flower change.',
                   [('The ovary grows into the <span class="blank">&nbsp;</span>.', 'M', 1,
                     M('fruit', 'fruits')),
                    ('Each fertilised ovule grows into a <span class="blank">&nbsp;</span>.', 'M', 1,
                     M('seed', 'seeds'))]))
    Q.append(mc('Which parts of a flower together make up its female part?',
                ['*stigma, style and ovary', 'anther and filament', 'petal and sepal',
                 'stigma and anther']))
    Q.append(one('Write the number only.',
                 'A pea pod is a fruit. Lisa opened a pea pod and found 7 peas (seeds) inside. '
                 'How many ovules were fertilised to form these seeds?', 'N', '7'))
    Q.append(mc('Bees often move from flower to flower. How does this help the plants?',
                ['The bees eat the pests on the flowers.', 'The bees give the flowers nectar.',
                 '*The bees carry pollen grains from one flower to another.',
                 'The bees make the petals grow bigger.']))
    tomato = table(['Group', 'How the plants were grown', 'Number of tomatoes formed'],
                   [['A', 'left in the open', '86'],
                    ['B', 'covered with fine nets that insects could not pass through', '12']])
    Q.append(parts('Answer each part.',
                   [P('Siti grew two groups of 10 tomato plants in the same garden.'), tomato],
                   [('How many more tomatoes did group A form than group B? Write the number only.',
                     'N', 1, '74'),
                    ('Which living things helped more flowers in group A to be pollinated? Write one '
                     'word.', 'M', 1, M('insects', 'insect', 'bees', 'bee'))]))
    Q.append(mc('In a man, where are the sperms made?',
                ['*in the testes', 'in the ovaries', 'in the womb', 'in the stomach']))
    Q.append(mc('In a woman, where are the eggs made?',
                ['in the womb', '*in the ovaries', 'in the testes', 'in the lungs']))
    Q.append(one('Write the missing word.',
                 '<p>After a sperm joins with an egg, the fertilised egg grows into a baby inside the '
                 'mother\'s <span class="blank">&nbsp;</span>.</p>',
                 'M', M('womb', 'uterus')))
    Q.append(mc('How does a baby get food and oxygen while it grows inside its mother?',
                ['It eats food through its mouth.', 'It breathes air through its nose.',
                 'It makes its own food.',
                 '*It gets them from the mother\'s blood, through the umbilical cord.']))
    Q.append(mc('Nadia has her father\'s curly hair and her mother\'s brown eyes. Which of these '
                'explains this?',
                ['She copied the way her parents look.',
                 '*She grew from a fertilised egg that had features from both the sperm and the egg.',
                 'She grew only from her mother\'s egg.',
                 'She grew only from her father\'s sperm.'], marks=2))
    Q.append(parts('Write the name of the part of the flower.',
                   [boxed(['stigma', 'filament', 'sepal', 'petal'])],
                   [('It holds up the anther.', 'M', 1, named('filament', 'filaments')),
                    ('It protects the flower while it is still a bud.', 'M', 1,
                     named('sepal', 'sepals')),
                    ('It is often brightly coloured to attract insects.', 'M', 1,
                     named('petal', 'petals'))]))
    Q.append(mc('Which shows the correct order of these stages in the life of a flowering plant?',
                ['fertilisation &rarr; pollination &rarr; fruit forms &rarr; seeds dispersed',
                 'pollination &rarr; seeds dispersed &rarr; fertilisation &rarr; fruit forms',
                 '*pollination &rarr; fertilisation &rarr; fruit forms &rarr; seeds dispersed',
                 'fruit forms &rarr; pollination &rarr; fertilisation &rarr; seeds dispersed'],
                marks=2))
    Q.append(group('Write one letter on each line.',
                   [P('Look at these features of flowers.'),
                    table(['', 'Feature'],
                          [['A', 'large, brightly coloured petals'], ['B', 'feathery stigmas'],
                           ['C', 'a sweet scent'], ['D', 'sweet nectar'],
                           ['E', 'light, dry pollen']]),
                    P('Write the letters of any <b>two</b> features that attract insects to a flower.')],
                   ['A', 'C', 'D'], 2))
    Q.append(mc('Which of these is the male part of a flower?',
                ['the ovary', 'the petal', '*the stamen', 'the stigma']))
    Q.append(mc('Which statement about reproduction in humans is correct?',
                ['A baby grows from a sperm only.',
                 'The egg is made by the father.',
                 '*A new life begins when a sperm joins with an egg.',
                 'A baby grows in the mother\'s stomach.']))
    return Q


EVAPORATION = M('evaporation', 'evaporating', 'evaporate', 'evaporates')
CONDENSATION = M('condensation', 'condensing', 'condense', 'condenses')
MELTING = M('melting', 'melt', 'melts')
FREEZING = M('freezing', 'freeze', 'freezes')
GAINS = M('gains', 'gain', 'gains heat', 'gain heat')
LOSES = M('loses', 'lose', 'loses heat', 'lose heat')


@paper(109, 'Cycles', 4)
def paper109():
    Q = []
    Q.append(parts('Answer each part.',
                   [P('The diagram shows the water cycle.'), FIGURE],
                   [('Name the process at A, where water from the sea changes into water vapour.',
                     'M', 1, EVAPORATION),
                    ('Name the process at B, where water vapour cools and changes into tiny water '
                     'droplets that form clouds.', 'M', 1, CONDENSATION),
                    ('What is falling from the cloud at C? Write one word.', 'M', 1,
                     M('rain', 'rainwater', 'water', 'precipitation', 'raindrops', 'rainfall')),
                    ('Where does the river at D carry the water to? Write one word.', 'M', 1,
                     M('sea', 'the sea', 'ocean', 'the ocean'))],
                   fig=(water_cycle_figure({'evaporation': 'A', 'condensation': 'B', 'rain': 'C',
                                            'flow': 'D'}),
                        'The water cycle: the sun shines on the sea; wavy arrows marked A rise from '
                        'the sea to a cloud; B is beside the bottom of the cloud; the wind carries a '
                        'cloud to a mountain, where rain marked C falls; a river marked D flows down '
                        'the mountain into the sea.')))
    Q.append(mc('Which state of matter has a fixed volume but no fixed shape?',
                ['a solid', '*a liquid', 'a gas', 'both a solid and a gas']))
    Q.append(parts('Write the name of each change.',
                   [boxed(['melting', 'freezing', 'evaporation', 'condensation'])],
                   [('Ice changes into water.', 'M', 1, MELTING),
                    ('Water changes into ice.', 'M', 1, FREEZING),
                    ('Water in a puddle slowly changes into water vapour.', 'M', 1, EVAPORATION),
                    ('Water vapour changes into water droplets.', 'M', 1, CONDENSATION)]))
    Q.append(mc('At what temperature does pure water boil?',
                ['0 &deg;C', '50 &deg;C', '*100 &deg;C', '200 &deg;C']))
    Q.append(one('Give your answer in degrees Celsius. Write the number only.',
                 'At what temperature does pure water freeze?', 'N', '0'))
    Q.append(mc('Kofi took a can of drink out of the refrigerator. After a few minutes, water '
                'droplets formed on the outside of the can. Where did the water come from?',
                ['The drink leaked through the can.',
                 '*Water vapour in the air touched the cold can and condensed.',
                 'The can was melting.',
                 'The cold can made water out of nothing.']))
    Q.append(mc('Wet clothes dry fastest on a day that is',
                ['cool and still', 'cool and windy', 'warm and still', '*warm and windy']))
    Q.append(parts('Answer each part.',
                   [P('Mei heated some crushed ice in a beaker and measured its temperature every '
                      'two minutes. The graph shows her results.'), FIGURE],
                   [('For how many minutes did the temperature stay at 0 &deg;C? Write the number '
                     'only.', 'N', 1, '4'),
                    ('What was happening to the ice while the temperature stayed at 0 &deg;C? '
                     'Write one word.', 'M', 1, MELTING),
                    ('At what temperature did the water boil? Give your answer in &deg;C. Write the '
                     'number only.', 'N', 1, '100')],
                   fig=(line_graph([0, 2, 6, 16, 20], [-10, 0, 0, 100, 100],
                                   'Temperature (\u00b0C)', 'Time (minutes)', 20, 2, 100, 10,
                                   ymin=-10),
                        'A line graph of temperature against time: -10 degrees at 0 minutes, rising '
                        'to 0 degrees at 2 minutes, staying at 0 degrees until 6 minutes, rising to '
                        '100 degrees at 16 minutes and staying at 100 degrees until 20 minutes.')))
    Q.append(mc('After the rain, there was a puddle in the playground. In the afternoon the puddle '
                'had disappeared. What happened to the water?',
                ['*It evaporated into the air.', 'It froze.', 'It condensed.',
                 'It turned into ice and melted.']))
    Q.append(mc('What are clouds made of?',
                ['smoke', '*tiny water droplets', 'dust only', 'oxygen']))
    Q.append(one('Write the missing word.',
                 '<p>Water vapour is water in the <span class="blank">&nbsp;</span> state.</p>',
                 'M', M('gas', 'gaseous', 'gas state')))
    Q.append(mc('Why is the water cycle important to living things?',
                ['It makes the sea saltier.', 'It stops rain from falling.',
                 '*It brings fresh water back to the land again and again.',
                 'It makes the water on Earth disappear.']))
    Q.append(parts('Write gains or loses for each change.',
                   'Does the water gain heat or lose heat in each change?',
                   [('melting', 'M', 1, GAINS), ('freezing', 'M', 1, LOSES),
                    ('condensation', 'M', 1, LOSES), ('evaporation', 'M', 1, GAINS)]))
    Q.append(one('Give your answer in g. Write the number only.',
                 [P('Tom left a dish of water by a sunny window and weighed it each day.'),
                  table(['Day', '0', '1', '2', '3'], [['Mass of dish and water (g)', '200', '185',
                                                       '170', '155']]),
                  P('What mass of water evaporated from the dish from day 0 to day 3?')],
                 'N', '45'))
    Q.append(mc('Which of these is an example of freezing?',
                ['An ice-cream melts in the sun.', 'A bathroom mirror mists up.',
                 '*Water in an ice-cube tray turns solid in the freezer.',
                 'A wet towel dries on the line.']))
    Q.append(mc('Most of the water that evaporates in the water cycle comes from',
                ['*the seas and oceans', 'the clouds', 'the mountains', 'the ice in our freezers']))
    Q.append(group('Write one word on each line.',
                   'Matter can be found in three states. Name all three states.',
                   ['solid', 'liquid', 'gas'], 3))
    Q.append(mc('Which statement about evaporation and boiling is correct?',
                ['Evaporation only happens at 100 &deg;C.',
                 '*Evaporation can happen at any temperature, but pure water boils only at 100 &deg;C.',
                 'Boiling happens only at the surface of the water.',
                 'Water must boil before it can change into water vapour.'], marks=2))
    Q.append(mc('Which of these has a fixed shape <b>and</b> a fixed volume?',
                ['steam', 'milk', '*an ice cube', 'air in a balloon']))
    Q.append(mc('Water in a pot was boiled until half of it was gone. Where did the water go?',
                ['It soaked into the pot.', '*It changed into water vapour and went into the air.',
                 'It changed into ice.', 'It was destroyed by the heat.']))
    return Q


@paper(110, 'Cycles', 5)
def paper110():
    Q = []
    dishes = [P('Wei poured 100 ml of water into each of three dishes, X, Y and Z. The dishes had '
                'openings of different sizes: X was the smallest and Z the largest. He put them '
                'side by side on a table for two days, then measured how much water had been lost.')]
    Q.append(parts('Write the numbers only.',
                   dishes + [FIGURE],
                   [('How much water was lost from dish Y? Give your answer in ml.', 'N', 1, '25'),
                    ('How much water was left in dish Z after two days? Give your answer in ml.',
                     'N', 1, '60')],
                   fig=(bar_graph(['X (small)', 'Y (medium)', 'Z (large)'], [10, 25, 40],
                                  'Water lost (ml)', 'Dish', 45, 5),
                        'A bar graph of water lost in two days: 10 ml from dish X, 25 ml from dish '
                        'Y and 40 ml from dish Z.')))
    Q.append(mc(dishes + [P('Dish X lost 10 ml, dish Y lost 25 ml and dish Z lost 40 ml. Which '
                            'conclusion can Wei draw?')],
                ['Water evaporates faster when it is warmer.',
                 '*The larger the area of water exposed to the air, the faster it evaporates.',
                 'The smaller the dish, the faster the water evaporates.',
                 'The size of the dish does not affect how fast water evaporates.'], marks=2))
    Q.append(mc('To make Wei\'s experiment a fair test, which of these had to be kept the same '
                'for all three dishes?',
                ['the size of the opening of each dish',
                 '*the amount of water at the start and where the dishes were placed',
                 'the amount of water lost',
                 'the shape of each dish']))
    Q.append(mc('On a hot afternoon Mr Tan drove his air-conditioned car. Small water droplets '
                'formed on the <b>outside</b> of the windscreen. Why?',
                ['Water vapour inside the car went through the glass.',
                 'The air-conditioner sprayed water onto the windscreen.',
                 '*Warm water vapour in the air outside touched the cool glass, lost heat and '
                 'condensed.',
                 'The glass melted slightly in the heat.'], marks=2))
    Q.append(mc('When water boils in a kettle, a white mist can be seen a short distance from the '
                'spout. What is this white mist?',
                ['water vapour, which is a gas', 'smoke from the hot kettle',
                 'tiny drops of water that froze in the air',
                 '*tiny water droplets formed when the water vapour cooled and condensed'], marks=2))
    Q.append(parts('Write the numbers only.',
                   [P('Hana put a cup of water into a freezer and measured its temperature every 10 '
                      'minutes. The graph shows her results.'), FIGURE],
                   [('After how many minutes did the water start to freeze?', 'N', 1, '20'),
                    ('For how many minutes did the temperature stay at 0 &deg;C?', 'N', 1, '30')],
                   fig=(line_graph([0, 10, 20, 50, 60, 70], [20, 10, 0, 0, -5, -10],
                                   'Temperature (\u00b0C)', 'Time (minutes)', 70, 10, 20, 5, ymin=-10),
                        'A line graph of temperature against time: 20 degrees at 0 minutes, 10 '
                        'degrees at 10 minutes, 0 degrees from 20 to 50 minutes, then -5 degrees at '
                        '60 minutes and -10 degrees at 70 minutes.')))
    Q.append(mc('A thin layer of oil on the surface of still water kills mosquito larvae and pupae. '
                'Why?',
                ['The oil is a poison that the larvae eat.',
                 'The oil makes the water too hot.',
                 'The oil gives the larvae too much food.',
                 '*The oil stops them taking in air through their breathing tubes.'], marks=2))
    Q.append(group('Write one letter on each line.',
                   [P('The table shows some things people do at home.'),
                    table(['', 'Action'],
                          [['A', 'turn over empty flowerpot trays so that water cannot collect'],
                           ['B', 'leave open buckets of water outside'],
                           ['C', 'change the water in flower vases every few days'],
                           ['D', 'clear leaves that block the roof gutters'],
                           ['E', 'keep the lights on at night']]),
                    P('Write the letters of any <b>two</b> actions that help to stop mosquitoes '
                      'from breeding.')],
                   ['A', 'C', 'D'], 2))
    Q.append(parts('Answer each part.',
                   [P('The table shows how long each stage of the life cycle of a mealworm beetle '
                      'lasted.'),
                    table(['Stage', 'egg', 'larva', 'pupa'],
                          [['Number of days', '10', '60', '15']])],
                   [('How many days did it take for an egg to become an adult beetle? Write the '
                     'number only.', 'N', 1, '85'),
                    ('Which stage lasted the longest? Write its name.', 'M', 1,
                     named('larva', 'larvae', 'mealworm'))]))
    Q.append(mc('Which statement is true of the life cycles of <b>both</b> the butterfly and the '
                'mosquito?',
                ['*Both have four stages: egg, larva, pupa and adult.',
                 'The young of both live in water.',
                 'The pupae of both feed on leaves.',
                 'Both lay their eggs on water.']))
    Q.append(mc([P('Ravi set up two dishes of bean seeds.'),
                 table(['Dish', 'Set-up', 'After 5 days'],
                       [['A', 'seeds covered with water that had been boiled and cooled, with a '
                              'layer of oil on top', 'no seeds germinated'],
                        ['B', 'seeds on moist cotton wool in an open dish', 'most seeds germinated']]),
                 P('Both dishes were kept in the same warm room. Boiling removes the air from '
                   'water, and the oil stops air from getting back in. What does the experiment '
                   'show?')],
                ['Seeds need light to germinate.', 'Seeds need oil to germinate.',
                 'Seeds need warmth to germinate.', '*Seeds need air to germinate.'], marks=2))
    Q.append(mc([P('Ling made four paper models of a winged seed with wings of different lengths. '
                   'She dropped each one from the same height and timed how long it took to reach '
                   'the floor.'),
                 table(['Length of each wing (cm)', '0', '2', '4', '6'],
                       [['Time to reach the floor (s)', '1.0', '1.8', '2.6', '3.4']]),
                 P('Which conclusion is correct?')],
                ['Seeds with longer wings fall faster.',
                 'The length of the wings does not affect how long the seed stays in the air.',
                 '*Seeds with longer wings stay in the air longer, so the wind can carry them '
                 'further.',
                 'Seeds without wings are carried furthest by the wind.'], marks=2))
    Q.append(mc('A grass flower has long stalks that let its anthers hang outside the flower, and '
                'large feathery stigmas. How is it pollinated?',
                ['by birds', 'by insects', '*by wind', 'by water']))
    Q.append(mc('Which part of the human body is matched with its job?',
                ['ovary &ndash; where the baby grows', 'womb &ndash; makes the eggs',
                 '*testes &ndash; make the sperms', 'umbilical cord &ndash; makes the sperms']))
    Q.append(parts('Write solid, liquid or gas for each substance.',
                   [P('The table shows the melting and boiling points of three substances.'),
                    table(['Substance', 'Melting point (&deg;C)', 'Boiling point (&deg;C)'],
                          [['P', '&minus;5', '60'], ['Q', '40', '300'],
                           ['R', '&minus;100', '&minus;20']]),
                    P('In what state is each substance in a room at 30 &deg;C?')],
                   [('P', 'M', 1, M('liquid', 'a liquid')),
                    ('Q', 'M', 1, M('solid', 'a solid')),
                    ('R', 'M', 1, M('gas', 'a gas'))]))
    Q.append(parts('Write the numbers only.',
                   [P('A school measured the rain that fell each day from Monday to Friday.'), FIGURE],
                   [('How much rain fell in the five days altogether? Give your answer in mm.',
                     'N', 1, '46'),
                    ('How many more millimetres of rain fell on Thursday than on Monday?',
                     'N', 1, '8')],
                   fig=(bar_graph(['Mon', 'Tue', 'Wed', 'Thu', 'Fri'], [12, 0, 6, 20, 8],
                                  'Rainfall (mm)', 'Day', 22, 2),
                        'A bar graph of rainfall: 12 mm on Monday, none on Tuesday, 6 mm on '
                        'Wednesday, 20 mm on Thursday and 8 mm on Friday.')))
    Q.append(mc('Some ice cubes were sealed in a plastic bag and weighed. After all the ice had '
                'melted, the bag was weighed again. What happened to the mass?',
                ['It became greater.', 'It became smaller.', '*It stayed the same.',
                 'It became zero.']))
    Q.append(mc('Birds eat the fruit of a fig tree. How does this help the fig tree?',
                ['The birds water the tree.',
                 '*The seeds pass out in the birds\' droppings, often far from the parent tree.',
                 'The birds pollinate the fruit.', 'The birds make the fruit grow bigger.']))
    Q.append(one('Write the name of the process.',
                 'When Ali lifted the lid of a pot of boiling soup, he saw water droplets on the '
                 'inside of the lid. Which process formed these droplets?',
                 'M', CONDENSATION))
    Q.append(mc([P('A farmer kept some hen\'s eggs in three incubators at different temperatures. '
                   'There were 20 eggs in each incubator.'),
                 table(['Temperature (&deg;C)', '30', '37.5', '42'],
                       [['Number of eggs that hatched', '2', '18', '0']]),
                 P('Which conclusion is correct?')],
                ['The higher the temperature, the more eggs hatch.',
                 'Temperature does not affect how many eggs hatch.',
                 'Eggs hatch best when they are kept cool.',
                 '*Of these three temperatures, most eggs hatched at 37.5 &deg;C.'], marks=2))
    return Q


# @@PAPERS@@



# ---------------------------------------------------------------------------
# Checking and writing
# ---------------------------------------------------------------------------

ENTITY = re.compile(r'&(?:[a-z]+|frasl);')


def check_html(text, where):
    assert '#' not in text and '\t' not in text, where
    bare = re.sub(r'<[^<>]*>', '', text)
    assert '<' not in bare and '>' not in bare, (where, text)
    assert '&' not in ENTITY.sub('', bare), (where, text)
    for tag in re.findall(r'<([a-z]+)[ >]', text):
        assert tag in ('p', 'b', 'i', 'u', 'ol', 'li', 'table', 'tr', 'th', 'td', 'div', 'img',
                       'span', 'sup', 'sub', 'br'), (where, tag)
    for cls in re.findall(r'class="([^"]*)"', text):
        assert cls in ('part', 'options', 'data', 'passage', 'figure', 'blank', 'frac'), (where, cls)
    assert 'style=' not in text and 'href' not in text and '<script' not in text.lower(), where


def check_key(kind, key, where):
    assert key and key == key.strip() and '>' not in key and '#' not in key, (where, key)
    assert '\t' not in key and '\n' not in key, where
    if kind == 'Q':
        assert key in ('1', '2', '3', '4'), (where, key)
    elif kind == 'N':
        float(key)
    elif kind in ('M', 'G'):
        if kind == 'G' and key == '[space]':
            return
        assert key.startswith(';'), (where, key)
        alts = key[1:].split(';')
        assert all(a and a == a.strip() for a in alts), (where, key)
        low = [a.lower() for a in alts]
        assert len(set(low)) == len(low), (where, key)
    elif kind in ('T', 'L'):
        assert not key.startswith(';'), (where, key)
    else:
        raise AssertionError((where, kind))


def check_question(q, figures):
    where = q.qid
    assert 1 <= len(q.answers) <= 20, where
    if q.instruction:
        assert not re.search(r'[<>&#]', q.instruction), where
    html = '\n'.join(q.body)
    check_html(html, where)
    for kind, marks, key in q.answers:
        assert marks in (1, 2), where
        check_key(kind, key, where)
    kinds = [k for k, _, _ in q.answers]
    labels = re.findall(r'<p class="part">\(([a-t])\)', html)
    if len(q.answers) > 1:
        assert labels == list(letters()[:len(q.answers)]), (where, labels)
    else:
        assert not labels, where
    if 'Q' in kinds:
        assert kinds == ['Q'], where
        assert html.count('<ol class="options">') == 1 and html.count('<li>') == 4, where
    else:
        assert 'class="options"' not in html, where
    # groups: a G head with its alternatives, then [space] followers
    i = 0
    while i < len(q.answers):
        kind, marks, key = q.answers[i]
        if kind == 'G':
            assert key != '[space]', where
            j = i + 1
            while j < len(q.answers) and q.answers[j][0] == 'G' and q.answers[j][2] == '[space]':
                j += 1
            assert j - i >= 2 and len(key[1:].split(';')) >= j - i, where
            i = j
        else:
            i += 1
    for src in re.findall(r'<img src="([^"]+)"', html):
        assert src in figures, (where, src)
        assert re.search(r'<img src="%s" alt="[^"]{10,}">' % re.escape(src), html), where


def build():
    assert [p[0] for p in PAPERS] == list(range(101, 111))
    qid = FIRST_ID
    out = []
    figures = {}
    for number, topic, index, fn in PAPERS:
        questions = fn()
        assert len(questions) == PER_PAPER, (number, len(questions))
        for q in questions:
            q.qid = qid
            qid += 1
            if q.fig:
                svg_text, alt = q.fig
                name = 'figures/q%d.svg' % q.qid
                assert svg_text.startswith('<svg') and 'width="' in svg_text
                assert FIGURE in q.body, q.qid
                figures[name] = svg_text
                q.body = [('<div class="figure"><img src="%s" alt="%s"></div>' % (name, xesc(alt))
                           if line == FIGURE else line) for line in q.body]
            assert FIGURE not in q.body, q.qid
        out.append((number, topic, index, questions))
    assert qid - 1 == LAST_ID, qid
    for number, topic, index, questions in out:
        slots = sum(len(q.answers) for q in questions)
        marks = sum(m for q in questions for _, m, _ in q.answers)
        assert slots <= 80, (number, slots)
        assert 30 <= marks <= 60, (number, marks)
        for q in questions:
            check_question(q, figures)
    ids = [q.qid for _, _, _, qs in out for q in qs]
    assert ids == list(range(FIRST_ID, LAST_ID + 1))
    return out, figures


def paper_text(number, topic, index, questions):
    lines = ['# %s, paper %d' % (topic, index),
             '# Written by course/tools/gen_science_t1_t2.py; edit the script, not this file.', '']
    for q in questions:
        lines.append('== %d' % q.qid)
        if q.instruction:
            lines.append('instruction: ' + q.instruction)
        lines.extend(q.body)
        for kind, marks, key in q.answers:
            lines.append('answer: %s %d %s' % (kind, marks, key))
        lines.append('')
    return '\n'.join(lines)


def main():
    out, figures = build()
    os.makedirs(FIGS, exist_ok=True)
    for number, topic, index, questions in out:
        with open(os.path.join(SCIENCE, '%d.txt' % number), 'w', encoding='utf-8',
                  newline='\n') as fh:
            fh.write(paper_text(number, topic, index, questions))
    mine = re.compile(r'^q(170\d\d|171\d\d|17200)\.svg$')
    for name in os.listdir(FIGS):
        if mine.match(name) and 'figures/' + name not in figures:
            os.remove(os.path.join(FIGS, name))
    for name, text in sorted(figures.items()):
        with open(os.path.join(SCIENCE, name), 'w', encoding='utf-8', newline='\n') as fh:
            fh.write(text)
    for number, topic, index, questions in out:
        slots = sum(len(q.answers) for q in questions)
        marks = sum(m for q in questions for _, m, _ in q.answers)
        keys = ''.join(q.answers[0][2] for q in questions if q.answers[0][0] == 'Q')
        print('%d  %s %d: %d questions, %d slots, %d marks, ids %d-%d, choice keys %s'
              % (number, topic, index, len(questions), slots, marks, questions[0].qid,
                 questions[-1].qid, keys))


if __name__ == '__main__':
    main()
