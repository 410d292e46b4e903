#!/usr/bin/env python3
"""Write the Mathematics "Mock Examination" papers (131..135).

Every paper mixes the six topics of the year like an end-of-year paper:
Section A  short one-mark questions (some multiple choice),
Section B  short-answer questions,
Section C  two-mark word problems and multi-part questions.

Run from anywhere:  python3 course/tools/gen_math_t7.py
The output is deterministic (fixed seed).  Standard library only.
"""

import math
import os
import random
import re
from decimal import Decimal as D, ROUND_HALF_UP
from fractions import Fraction as Fr

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
OUT = os.path.join(COURSE, 'mathematics')
FIGDIR = os.path.join(OUT, 'figures')

SEED = 27131
FIRST_ID = 27001
LAST_ID = 27124
PAPERS = [131, 132, 133, 134, 135]

# ---------------------------------------------------------------------------
# formatting helpers
# ---------------------------------------------------------------------------

GIRLS = ['Bella', 'Devi', 'Farah', 'Grace', 'Hui Min', 'Jia Hui', 'Leila', 'Nadia',
         'Priya', 'Sofia', 'Wei Ling', 'Zara', 'Aisha', 'Mei', 'Hannah']
BOYS = ['Amir', 'Chen', 'Ethan', 'Isaac', 'Kumar', 'Marcus', 'Omar', 'Ravi', 'Tom',
        'Ben', 'Daniel', 'Sam', 'Jun Jie', 'Ahmad']
NAMES = GIRLS + BOYS


def num(n):
    """Whole number with a space between groups of three from 10 000 up."""
    n = int(n)
    s = str(n)
    if n < 10000:
        return s
    groups = []
    while s:
        groups.insert(0, s[-3:])
        s = s[:-3]
    return ' '.join(groups)


def dstr(x):
    """Decimal (or int) as plain text without trailing zeros."""
    x = D(str(x))
    s = format(x.normalize(), 'f')
    if '.' in s:
        s = s.rstrip('0').rstrip('.')
    return s


def dnum(x):
    """Decimal for the page: whole part grouped like num()."""
    s = dstr(x)
    if '.' in s:
        w, f = s.split('.')
        return num(int(w)) + '.' + f
    return num(int(s))


POUND = '&pound;'


def money(x):
    x = D(str(x)).quantize(D('0.01'))
    w, f = str(x).split('.')
    return POUND + num(int(w)) + '.' + f


def money_short(x):
    """&pound;45 for whole pounds, &pound;4.50 otherwise."""
    x = D(str(x))
    if x == x.to_integral_value():
        return POUND + num(int(x))
    return money(x)


def nkey(x):
    if isinstance(x, Fr):
        assert x.denominator == 1 or D(x.numerator) / D(x.denominator) * x.denominator == x.numerator
        x = D(x.numerator) / D(x.denominator)
    return dstr(x)


def fkey(f):
    f = Fr(f)
    assert f.denominator != 1
    return '%d/%d' % (f.numerator, f.denominator)


def xkey(f):
    f = Fr(f)
    w = f.numerator // f.denominator
    r = f - w
    assert w >= 1 and r > 0
    return '%d %d/%d' % (w, r.numerator, r.denominator)


def frac_answer(f):
    """(type, key) for a fraction result asked 'in its simplest form'."""
    f = Fr(f)
    assert f > 0
    if f.denominator == 1:
        return 'N', str(f.numerator)
    if f < 1:
        return 'F', fkey(f)
    return 'M', ';%s;%d/%d' % (xkey(f), f.numerator, f.denominator)


def pct_key(x):
    s = dstr(x)
    return ';%s;%s%%;%s %%' % (s, s, s)


def fh(n, d=None):
    """A written fraction; fh(Fraction) prints mixed numbers as such."""
    if d is None:
        f = Fr(n)
        if f.denominator == 1:
            return str(f.numerator)
        w = f.numerator // f.denominator
        r = f - w
        head = str(w) if w else ''
        return head + '<span class="frac"><sup>%d</sup>&frasl;<sub>%d</sub></span>' % (
            r.numerator, r.denominator)
    return '<span class="frac"><sup>%d</sup>&frasl;<sub>%d</sub></span>' % (n, d)


def mixed_h(w, n, d):
    return '%d<span class="frac"><sup>%d</sup>&frasl;<sub>%d</sub></span>' % (w, n, d)


def P(text, cls=None):
    if cls:
        return '<p class="%s">%s</p>' % (cls, text)
    return '<p>%s</p>' % text


def part(i, text):
    return '<p class="part">(%s) %s</p>' % ('abcdefghij'[i], text)


def options(items):
    return '<ol class="options">' + ''.join('<li>%s</li>' % s for s in items) + '</ol>'


def table(head, rows):
    out = ['<table class="data">',
           '<tr>' + ''.join('<th>%s</th>' % h for h in head) + '</tr>']
    for r in rows:
        out.append('<tr>' + ''.join('<td>%s</td>' % c for c in r) + '</tr>')
    out.append('</table>')
    return out


def shuffle_options(rng, correct, wrong):
    assert len(wrong) == 3
    opts = [correct] + list(wrong)
    assert len(set(opts)) == 4, opts
    rng.shuffle(opts)
    return opts, opts.index(correct) + 1


TIMES = '&times;'
DIV = '&divide;'
MINUS = '&minus;'
DEG = '&deg;'
CM2 = 'cm<sup>2</sup>'
CM3 = 'cm<sup>3</sup>'
M2 = 'm<sup>2</sup>'


def clock(minutes):
    """Minutes after midnight -> '8:15 a.m.'"""
    h, m = divmod(minutes, 60)
    suf = 'a.m.' if h < 12 else 'p.m.'
    h12 = h % 12 or 12
    return '%d:%02d %s' % (h12, m, suf)


ONES = ['zero', 'one', 'two', 'three', 'four', 'five', 'six', 'seven', 'eight',
        'nine', 'ten', 'eleven', 'twelve', 'thirteen', 'fourteen', 'fifteen',
        'sixteen', 'seventeen', 'eighteen', 'nineteen']
TENS = ['', '', 'twenty', 'thirty', 'forty', 'fifty', 'sixty', 'seventy',
        'eighty', 'ninety']


def words_99(n):
    if n < 20:
        return ONES[n]
    t, o = divmod(n, 10)
    return TENS[t] + ('-' + ONES[o] if o else '')


def words_999(n):
    h, r = divmod(n, 100)
    out = []
    if h:
        out.append(ONES[h] + ' hundred')
    if r:
        if h:
            out.append('and')
        out.append(words_99(r))
    return ' '.join(out)


def words(n):
    assert 0 < n < 10 ** 9
    m, rest = divmod(n, 10 ** 6)
    t, u = divmod(rest, 1000)
    groups = []
    if m:
        groups.append(words_999(m) + ' million')
    if t:
        groups.append(words_999(t) + ' thousand')
    text = ', '.join(groups)
    if u:
        if not groups:
            text = words_999(u)
        elif u < 100:
            text += ' and ' + words_99(u)
        else:
            text += ', ' + words_999(u)
    return text


# ---------------------------------------------------------------------------
# diagrams
# ---------------------------------------------------------------------------

def dirn(v, p):
    return math.degrees(math.atan2(p[1] - v[1], p[0] - v[0])) % 360


def ccw(d1, d2):
    return (d2 - d1) % 360


def pol(v, deg, r):
    a = math.radians(deg)
    return (v[0] + r * math.cos(a), v[1] + r * math.sin(a))


def dist(p, q):
    return math.hypot(p[0] - q[0], p[1] - q[1])


def esc(s):
    return s.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')


class Fig:
    """A diagram built in model units (y up) and drawn to fit a pixel box.

    Arc radii, label offsets and marks are in pixels, so they look the
    same whatever the scale.  Every marked angle is measured from the
    coordinates and checked against the number printed beside it.
    """

    def __init__(self, width=320, maxh=240, margin=34):
        self.width = width
        self.maxh = maxh
        self.margin = margin
        self.items = []
        self.pts = []
        self.notes = []
        self.checked = []          # (label, measured, expected)

    def _use(self, *pts):
        self.pts.extend(pts)

    def seg(self, p, q, dash=False, w=1.6):
        self._use(p, q)
        self.items.append(('seg', p, q, dash, w))

    def poly(self, pts, fill='none', w=1.6, stroke=True, dash=False):
        self._use(*pts)
        self.items.append(('poly', list(pts), fill, w, stroke, dash))

    def arc(self, v, p1, p2, text, expect, r=24):
        """Mark the angle turning anticlockwise from ray v->p1 to ray v->p2."""
        d1, d2 = dirn(v, p1), dirn(v, p2)
        span = ccw(d1, d2)
        assert abs(span - expect) < 1e-6, (text, span, expect)
        self.checked.append((text, span, expect))
        self._use(v)
        self.items.append(('arc', v, d1, span, text, r))

    def label(self, p, text, dx=0, dy=0, anchor='middle', italic=False):
        self._use(p)
        self.items.append(('text', p, text, dx, dy, anchor, italic))

    def vlabel(self, p, text, centre, off=13):
        """A vertex letter placed away from the centre of the shape."""
        self._use(p)
        self.items.append(('vlabel', p, text, centre, off))

    def side(self, p, q, text, centre, off=14):
        """A length written beside side pq, on the side away from centre."""
        self._use(p, q)
        self.items.append(('side', p, q, text, centre, off))

    def ticks(self, p, q, n=1):
        self.items.append(('ticks', p, q, n))

    def arrows(self, p, q, n=1):
        self.items.append(('arrows', p, q, n))

    def note(self, text):
        self.notes.append(text)

    # -- drawing -----------------------------------------------------------
    def _layout(self, s):
        """Pixel primitives and their extents at scale s (before shifting)."""
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        minx, maxy = min(xs), max(ys)

        def T(p):
            return ((p[0] - minx) * s, (maxy - p[1]) * s)

        prims, boxes = [], []

        def text(x, y, t, anchor='middle', italic=False):
            w = text_width(t)
            x0 = {'middle': x - w / 2, 'start': x, 'end': x - w}[anchor]
            boxes.append((x0, y - 9, x0 + w, y + 6))
            prims.append(('text', x, y, t, anchor, italic))

        def pt(*ps):
            for p in ps:
                boxes.append((p[0], p[1], p[0], p[1]))

        for it in self.items:
            k = it[0]
            if k == 'seg':
                _, p, q, dash, w = it
                a, b = T(p), T(q)
                pt(a, b)
                prims.append(('line', a, b, dash, w))
            elif k == 'poly':
                _, pts, fill, w, stroke, dash = it
                tp = [T(p) for p in pts]
                pt(*tp)
                prims.append(('polygon', tp, fill, w, stroke, dash))
            elif k == 'arc':
                _, v, d1, span, t, r = it
                c = T(v)
                if abs(span - 90) < 1e-6:
                    u1 = (math.cos(math.radians(d1)), -math.sin(math.radians(d1)))
                    u2 = (math.cos(math.radians(d1 + 90)), -math.sin(math.radians(d1 + 90)))
                    q = 12
                    p1 = (c[0] + q * u1[0], c[1] + q * u1[1])
                    p2 = (p1[0] + q * u2[0], p1[1] + q * u2[1])
                    p3 = (c[0] + q * u2[0], c[1] + q * u2[1])
                    prims.append(('polyline', [p1, p2, p3], 1.2))
                    lab_r = 30
                else:
                    a1 = math.radians(d1)
                    a2 = math.radians(d1 + span)
                    p1 = (c[0] + r * math.cos(a1), c[1] - r * math.sin(a1))
                    p2 = (c[0] + r * math.cos(a2), c[1] - r * math.sin(a2))
                    prims.append(('arc', p1, p2, r, 1 if span > 180 else 0))
                    lab_r = r + 15
                    if t:
                        half = text_width(t) / 2 + 5
                        lab_r = max(lab_r, min(85, half / math.sin(math.radians(min(span, 180) / 2))))
                if t:
                    mid = math.radians(d1 + span / 2)
                    text(c[0] + lab_r * math.cos(mid), c[1] - lab_r * math.sin(mid), t,
                         italic=not t.endswith('\u00b0'))
            elif k == 'text':
                _, p, t, dx, dy, anchor, italic = it
                a = T(p)
                text(a[0] + dx, a[1] + dy, t, anchor, italic)
            elif k == 'vlabel':
                _, p, t, centre, off = it
                a, c = T(p), T(centre)
                dx, dy = a[0] - c[0], a[1] - c[1]
                L = math.hypot(dx, dy) or 1
                text(a[0] + dx / L * off, a[1] + dy / L * off, t)
            elif k == 'side':
                _, p, q, t, centre, off = it
                a, b, c = T(p), T(q), T(centre)
                mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
                nx, ny = -(b[1] - a[1]), b[0] - a[0]
                L = math.hypot(nx, ny) or 1
                nx, ny = nx / L, ny / L
                if (mx + nx - c[0]) ** 2 + (my + ny - c[1]) ** 2 < (mx - nx - c[0]) ** 2 + (my - ny - c[1]) ** 2:
                    nx, ny = -nx, -ny
                # keep the whole text clear of the side
                d = off - 8 + abs(nx) * (text_width(t) / 2 + 2) + abs(ny) * 8
                text(mx + nx * d, my + ny * d, t)
            elif k in ('ticks', 'arrows'):
                _, p, q, n = it
                a, b = T(p), T(q)
                mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
                ux, uy = b[0] - a[0], b[1] - a[1]
                L = math.hypot(ux, uy)
                ux, uy = ux / L, uy / L
                nx, ny = -uy, ux
                for i in range(n):
                    if k == 'ticks':
                        o = (i - (n - 1) / 2) * 5
                        cx, cy = mx + ux * o, my + uy * o
                        prims.append(('line', (cx - nx * 6, cy - ny * 6), (cx + nx * 6, cy + ny * 6), False, 1.4))
                    else:
                        o = (i - (n - 1) / 2) * 7 + 3
                        tx, ty = mx + ux * o, my + uy * o
                        b1 = (tx - ux * 7 + nx * 5, ty - uy * 7 + ny * 5)
                        b2 = (tx - ux * 7 - nx * 5, ty - uy * 7 - ny * 5)
                        prims.append(('polyline', [b1, (tx, ty), b2], 1.4))
        return prims, boxes

    def render(self):
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        bw, bh = max(max(xs) - min(xs), 1e-9), max(max(ys) - min(ys), 1e-9)
        m = self.margin
        s = min((self.width - 2 * m) / bw, (self.maxh - 2 * m) / bh)
        pad = 8
        for _ in range(60):
            prims, boxes = self._layout(s)
            x0 = min(b[0] for b in boxes)
            x1 = max(b[2] for b in boxes)
            y0 = min(b[1] for b in boxes)
            y1 = max(b[3] for b in boxes)
            if x1 - x0 <= self.width - 2 * pad and y1 - y0 <= self.maxh - 2 * pad:
                break
            s *= 0.96
        else:
            raise AssertionError('figure does not fit')
        dx = (self.width - (x1 - x0)) / 2 - x0
        dy = pad + 4 - y0
        height = int(math.ceil(y1 - y0 + 2 * pad + 4 + 18 * len(self.notes)))
        self.text_boxes = [(b[0] + dx, b[1] + dy, b[2] + dx, b[3] + dy) for b in boxes]

        def f(x):
            return ('%.1f' % x).rstrip('0').rstrip('.')

        def P_(p):
            return (p[0] + dx, p[1] + dy)

        fills, lines, texts = [], [], []
        for pr in prims:
            k = pr[0]
            if k == 'line':
                _, a, b, dash, w = pr
                a, b = P_(a), P_(b)
                extra = ' stroke-dasharray="6,4"' if dash else ''
                lines.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="black" stroke-width="%s"%s/>'
                             % (f(a[0]), f(a[1]), f(b[0]), f(b[1]), w, extra))
            elif k == 'polygon':
                _, pts, fill, w, stroke, dash = pr
                d = ' '.join('%s,%s' % (f(P_(p)[0]), f(P_(p)[1])) for p in pts)
                extra = ' stroke-dasharray="6,4"' if dash else ''
                if stroke:
                    el = ('<polygon points="%s" fill="%s" stroke="black" stroke-width="%s"%s/>'
                          % (d, fill, w, extra))
                else:
                    el = '<polygon points="%s" fill="%s" stroke="none"/>' % (d, fill)
                (fills if fill != 'none' else lines).append(el)
            elif k == 'polyline':
                _, pts, w = pr
                d = ' '.join('%s,%s' % (f(P_(p)[0]), f(P_(p)[1])) for p in pts)
                lines.append('<polyline points="%s" fill="none" stroke="black" stroke-width="%s"/>' % (d, w))
            elif k == 'arc':
                _, p1, p2, r, large = pr
                p1, p2 = P_(p1), P_(p2)
                lines.append('<path d="M %s %s A %s %s 0 %d 0 %s %s" fill="none" stroke="black" '
                             'stroke-width="1.2"/>' % (f(p1[0]), f(p1[1]), r, r, large, f(p2[0]), f(p2[1])))
            elif k == 'text':
                _, x, y, t, anchor, italic = pr
                style = ' font-style="italic"' if italic else ''
                texts.append('<text x="%s" y="%s" font-family="sans-serif" font-size="14" '
                             'text-anchor="%s" fill="black"%s>%s</text>'
                             % (f(x + dx), f(y + dy + 5), anchor, style, esc(t)))
        for i, t in enumerate(self.notes):
            texts.append('<text x="6" y="%s" font-family="sans-serif" font-size="12" '
                         'font-style="italic" fill="black">%s</text>' % (
                             f(height - 8 - 18 * (len(self.notes) - 1 - i)), esc(t)))
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
               % (self.width, height, self.width, height),
               '<rect x="0" y="0" width="%d" height="%d" fill="white"/>' % (self.width, height)]
        out += fills + lines + texts
        out.append('</svg>')
        self.height = height
        return '\n'.join(out) + '\n'


def text_width(t):
    """Rough width in pixels of t in a 14px sans-serif font."""
    w = 0.0
    for ch in t:
        if ch in ' .,:':
            w += 4.0
        elif ch in 'il|':
            w += 3.5
        elif ch == '\u00b0':
            w += 5.5
        elif ch in 'mMW':
            w += 12.0
        elif ch.isupper():
            w += 9.5
        else:
            w += 8.0
    return w


def deg(x):
    return '%s\u00b0' % dstr(x)


def centroid(pts):
    return (sum(p[0] for p in pts) / len(pts), sum(p[1] for p in pts) / len(pts))


def signed_area(pts):
    s = 0
    for i in range(len(pts)):
        x1, y1 = pts[i]
        x2, y2 = pts[(i + 1) % len(pts)]
        s += x1 * y2 - x2 * y1
    return s / 2


def interior(fig, pts, i, text, expect, r=24):
    """Mark the interior angle at vertex i of a convex polygon."""
    assert signed_area(pts) > 0          # anticlockwise
    n = len(pts)
    v, nxt, prv = pts[i], pts[(i + 1) % n], pts[(i - 1) % n]
    fig.arc(v, nxt, prv, text, expect, r)


def tri_from_angles(A, B, base=100.0):
    """Triangle with angle A at (0,0), B at (base,0), C above: anticlockwise."""
    C = 180 - A - B
    assert C > 0
    b = base * math.sin(math.radians(B)) / math.sin(math.radians(C))
    return (0.0, 0.0), (base, 0.0), pol((0, 0), A, b)


def check_polygon_angles(pts, angles):
    n = len(pts)
    for i in range(n):
        v, nxt, prv = pts[i], pts[(i + 1) % n], pts[(i - 1) % n]
        assert abs(ccw(dirn(v, nxt), dirn(v, prv)) - angles[i]) < 1e-6


# ---------------------------------------------------------------------------
# question container
# ---------------------------------------------------------------------------

class Q:
    def __init__(self, html, answers, instruction=None, fig=None, alt=None):
        self.html = list(html)
        self.answers = list(answers)     # (type, marks, key)
        self.instruction = instruction
        self.fig = fig
        self.alt = alt


def figure_html(qid, alt):
    return '<div class="figure"><img src="figures/q%d.svg" alt="%s"></div>' % (qid, esc(alt))


# ---------------------------------------------------------------------------
# Section A: one-mark questions
# ---------------------------------------------------------------------------

def a_digit_value(rng, qid, v):
    while True:
        n = rng.randint(1000000, 9999999)
        s = str(n)
        pos = rng.choice([1, 2, 3, 4])
        d = s[pos]
        if d != '0' and s.count(d) == 1:
            break
    power = len(s) - 1 - pos
    value = int(d) * 10 ** power
    if v % 2 == 0:
        return Q([P('What is the value of the digit <b>%s</b> in %s?' % (d, num(n)))],
                 [('N', 1, str(value))], 'Write your answer in figures.')
    places = ['ones', 'tens', 'hundreds', 'thousands', 'ten thousands',
              'hundred thousands', 'millions']
    wrong = [places[k] for k in (power - 1, power + 1, power + 2 if power + 2 <= 6 else power - 2)]
    opts, key = shuffle_options(rng, places[power], wrong)
    return Q([P('In the number %s, in which place is the digit <b>%s</b>?' % (num(n), d)),
              options(['the %s place' % o for o in opts])],
             [('Q', 1, str(key))], 'Choose the correct answer.')


def a_prime_q(rng, qid, v):
    if v % 2 == 0:
        primes = [p for p in range(23, 98) if all(p % k for k in range(2, p))]
        comp = [21, 27, 33, 39, 49, 51, 57, 63, 69, 77, 81, 87, 91, 93]
        correct = rng.choice(primes)
        wrong = rng.sample(comp, 3)
        opts, key = shuffle_options(rng, correct, wrong)
        return Q([P('Which one of these numbers is a prime number?'),
                  options([str(o) for o in opts])],
                 [('Q', 1, str(key))], 'Choose the correct answer.')
    a, b = rng.choice([(6, 9), (4, 6), (6, 8), (4, 10), (8, 12), (6, 10)])
    l = a * b // math.gcd(a, b)
    correct = l * rng.choice([2, 3])
    pool_a = [k for k in range(a * 2, 100, a) if k % b]
    pool_b = [k for k in range(b * 2, 100, b) if k % a]
    wrong = [rng.choice(pool_a), rng.choice(pool_b)]
    other = [k for k in range(20, 100) if k % a and k % b and k not in wrong and k % 2 == 0]
    wrong.append(rng.choice(other))
    opts, key = shuffle_options(rng, correct, wrong)
    return Q([P('Which one of these numbers is a common multiple of %d and %d?' % (a, b)),
              options([str(o) for o in opts])],
             [('Q', 1, str(key))], 'Choose the correct answer.')


def a_round_q(rng, qid, v):
    if v % 2 == 0:
        unit, uname = 1000, 'thousand'
        n = rng.randint(100, 999) * 1000 + rng.choice([rng.randint(501, 999), rng.randint(1, 499)])
    else:
        unit, uname = 10000, 'ten thousand'
        n = rng.randint(10, 99) * 10000 + rng.choice([rng.randint(5001, 9999), rng.randint(1, 4999)])
    r = (n + unit // 2) // unit * unit
    down = n // unit * unit
    wrong = {down if r != down else down + unit, r - unit if r - unit != down else r + unit,
             (n + 50) // 100 * 100}
    wrong.discard(r)
    wrong = sorted(wrong)[:3]
    while len(wrong) < 3:
        wrong.append(r + 10 * unit)
    opts, key = shuffle_options(rng, r, wrong)
    return Q([P('Round %s to the nearest %s.' % (num(n), uname)),
              options([num(o) for o in opts])],
             [('Q', 1, str(key))], 'Choose the correct answer.')


def a_order_ops(rng, qid, v):
    forms = [
        lambda a, b, c, d, e: ('%d + %d %s %d %s %d %s %d' % (a, b, TIMES, c, MINUS, d, DIV, e),
                               a + b * c - d // e, d % e == 0),
        lambda a, b, c, d, e: ('%d %s %d %s %d + %d' % (a, MINUS, b, TIMES, c, d),
                               a - b * c + d, True),
        lambda a, b, c, d, e: ('%d %s %d + %d %s %d' % (a, DIV, b, c, TIMES, d),
                               a // b + c * d, a % b == 0),
        lambda a, b, c, d, e: ('%d %s %d %s %d %s %d' % (a, MINUS, b, DIV, c, TIMES, d),
                               a - (b // c) * d, b % c == 0),
    ]
    form = forms[v % len(forms)]
    while True:
        a = rng.randint(20, 90)
        b = rng.randint(3, 60)
        c = rng.randint(2, 9)
        d = rng.randint(3, 48)
        e = rng.randint(2, 8)
        text, val, ok = form(a, b, c, d, e)
        if ok and 5 <= val <= 200:
            break
    return Q([P('Work out the value of %s.' % text)], [('N', 1, str(val))],
             'Do the operations in the correct order.')


def a_figures(rng, qid, v):
    if v % 2 == 0:
        n = rng.randint(1, 9) * 10 ** 6 + rng.choice([0, rng.randint(1, 9) * 10 ** 4]) \
            + rng.randint(10, 99) * 1000 + rng.choice([rng.randint(1, 9), rng.randint(1, 9) * 100 + rng.randint(0, 9)])
    else:
        n = rng.randint(1, 9) * 10 ** 5 + rng.randint(0, 9) * 10 ** 3 + rng.randint(1, 99)
    return Q([P('Write <b>%s</b> in figures.' % words(n))], [('N', 1, str(n))],
             'Write your answer in figures.')


def factors(n):
    return [k for k in range(1, n + 1) if n % k == 0]


def a_common_factor_q(rng, qid, v):
    while True:
        g = rng.choice([6, 8, 9, 10, 12, 14, 15])
        p, q = rng.sample([2, 3, 4, 5, 7], 2)
        if math.gcd(p, q) != 1:
            continue
        a, b = g * p, g * q
        Fa, Fb = set(factors(a)), set(factors(b))
        common = [k for k in Fa & Fb if k > 3]
        only_a = [k for k in Fa - Fb if k > 3 and k < a]
        only_b = [k for k in Fb - Fa if k > 3 and k < b]
        neither = [k for k in range(4, 30) if k not in Fa | Fb]
        if common and only_a and only_b and neither:
            break
    correct = rng.choice(common)
    opts, key = shuffle_options(rng, correct, [rng.choice(only_a), rng.choice(only_b), rng.choice(neither)])
    return Q([P('Which one of these is a common factor of %d and %d?' % (a, b)),
              options([str(o) for o in opts])],
             [('Q', 1, str(key))], 'Choose the correct answer.')


def a_frac_simplest(rng, qid, v):
    while True:
        q = rng.randint(3, 12)
        p = rng.randint(1, q - 1)
        if math.gcd(p, q) == 1:
            break
    k = rng.randint(3, 9)
    return Q([P('Express %s in its simplest form.' % fh(p * k, q * k))],
             [('F', 1, fkey(Fr(p, q)))], 'Write the fraction in its simplest form.')


def a_frac_compare_q(rng, qid, v):
    while True:
        dens = rng.sample([3, 4, 5, 6, 8, 9, 10, 12], 4)
        fr = []
        for d in dens:
            n = rng.randint(1, d - 1)
            while math.gcd(n, d) != 1:
                n = rng.randint(1, d - 1)
            fr.append(Fr(n, d))
        if len(set(fr)) == 4 and min(abs(x - y) for x in fr for y in fr if x != y) >= Fr(1, 30):
            break
    big = v % 2 == 0
    correct = max(fr) if big else min(fr)
    opts = fr[:]
    rng.shuffle(opts)
    key = opts.index(correct) + 1
    word = 'greatest' if big else 'smallest'
    return Q([P('Which one of these fractions is the <b>%s</b>?' % word),
              options([fh(o) for o in opts])],
             [('Q', 1, str(key))], 'Choose the correct answer.')


def a_improper_mixed(rng, qid, v):
    while True:
        d = rng.randint(3, 9)
        w = rng.randint(2, 7)
        n = rng.randint(1, d - 1)
        if math.gcd(n, d) == 1:
            break
    f = Fr(w * d + n, d)
    if v % 2 == 0:
        return Q([P('Write %s as a mixed number in its simplest form.' % fh(f.numerator, f.denominator))],
                 [('X', 1, xkey(f))], 'Write your answer as a mixed number.')
    return Q([P('Write %s as an improper fraction.' % mixed_h(w, n, d))],
             [('F', 1, '%d/%d' % (f.numerator, f.denominator))], 'Write your answer as a fraction.')


def a_ratio_simplest(rng, qid, v):
    while True:
        a, b = rng.randint(1, 9), rng.randint(1, 9)
        if a != b and math.gcd(a, b) == 1:
            break
    if v % 2 == 0:
        k = rng.choice([25, 50, 75, 100, 150])
        item1, item2 = rng.choice([('flour', 'sugar'), ('rice', 'beans'), ('oats', 'raisins')])
        return Q([P('A recipe uses %d g of %s and %d g of %s. Find the ratio of the mass of %s to the mass '
                    'of %s. Give your answer in its simplest form.' % (a * k, item1, b * k, item2, item1, item2))],
                 [('R', 1, '%d:%d' % (a, b))], 'Give the ratio in its simplest form.')
    k = rng.choice([20, 30, 40])
    la, lb = a * k, b * k
    # first length in metres, second in centimetres
    ma = D(la) / 100
    return Q([P('A red ribbon is %s m long and a blue ribbon is %d cm long. Find the ratio of the length of '
                'the red ribbon to the length of the blue ribbon in its simplest form.' % (dstr(ma), lb))],
             [('R', 1, '%d:%d' % (a, b))], 'Give the ratio in its simplest form.')


def a_dec_round(rng, qid, v):
    while True:
        x = D(rng.randint(1000, 99999)) / 1000
        if x % 1 and str(x)[-1] != '0':
            break
    if v % 3 == 0:
        places, pname = D('0.01'), '2 decimal places'
    elif v % 3 == 1:
        places, pname = D('0.1'), '1 decimal place'
    else:
        places, pname = D('1'), 'the nearest whole number'
    r = x.quantize(places, rounding=ROUND_HALF_UP)
    return Q([P('Round %s to %s.' % (dstr(x), pname))], [('N', 1, dstr(r))], None)


def a_dec_compare_q(rng, qid, v):
    p, q, r = rng.sample(range(1, 10), 3)
    vals = [D('0.%d0%d' % (p, q)), D('0.%d%d' % (p, q)), D('0.0%d%d' % (p, q)), D('0.%d%d' % (q, r))]
    assert len(set(vals)) == 4
    big = v % 2 == 1
    correct = max(vals) if big else min(vals)
    opts = vals[:]
    rng.shuffle(opts)
    key = opts.index(correct) + 1
    return Q([P('Which one of these decimals is the <b>%s</b>?' % ('greatest' if big else 'smallest')),
              options([dstr(o) for o in opts])],
             [('Q', 1, str(key))], 'Choose the correct answer.')


def a_frac_to_dec(rng, qid, v):
    while True:
        d = rng.choice([8, 20, 40])
        n = rng.randint(1, d - 1)
        if math.gcd(n, d) == 1:
            break
    w = rng.choice([0, 0, rng.randint(1, 5)])
    val = D(w) + D(n) / D(d)
    shown = mixed_h(w, n, d) if w else fh(n, d)
    return Q([P('Write %s as a decimal.' % shown)], [('N', 1, dstr(val))], None)


def a_dec_digit_value(rng, qid, v):
    while True:
        digits = rng.sample(range(0, 10), 5)
        if digits[0] == 0:
            continue
        pos = rng.choice([2, 3, 4])     # tenths, hundredths, thousandths
        if digits[pos] == 0 or digits[4] == 0:
            continue
        break
    s = '%d%d.%d%d%d' % tuple(digits)
    d = digits[pos]
    value = D(d) / D(10) ** (pos - 1)
    return Q([P('What is the value of the digit <b>%d</b> in %s? Give your answer as a decimal.' % (d, s))],
             [('N', 1, dstr(value))], None)


def a_dec_mult10(rng, qid, v):
    x = D(rng.randint(101, 9999)) / D(rng.choice([10, 100, 1000]))
    if str(x)[-1] == '0':
        x = x + D('0.003')
    if v % 2 == 0:
        k = rng.choice([10, 100, 1000])
        return Q([P('Work out %s %s %d.' % (dstr(x), TIMES, k))], [('N', 1, dstr(x * k))], None)
    k = rng.choice([10, 100, 1000])
    return Q([P('Work out %s %s %d.' % (dstr(x), DIV, k))], [('N', 1, dstr(x / k))], None)


def a_percent_of(rng, qid, v):
    while True:
        p = rng.choice([5, 15, 20, 25, 35, 40, 45, 60, 75, 12, 30])
        base = rng.choice([40, 60, 80, 120, 160, 240, 300, 360, 450, 500])
        val = D(p) * base / 100
        if val == val.to_integral_value():
            break
    if v % 2 == 0:
        return Q([P('Find %d%% of %d.' % (p, base))], [('N', 1, dstr(val))], None)
    return Q([P('A farmer has %d kg of potatoes. He sells %d%% of them. How many kilograms of potatoes does '
                'he sell?' % (base, p))], [('N', 1, dstr(val))], 'Give your answer in kg.')


def a_to_percent(rng, qid, v):
    if v % 2 == 0:
        while True:
            d = rng.choice([4, 5, 25, 50])
            n = rng.randint(1, d - 1)
            if math.gcd(n, d) == 1:
                break
        pct = D(n) * 100 / D(d)
        return Q([P('Express %s as a percentage.' % fh(n, d))], [('M', 1, pct_key(pct))],
                 'Give your answer as a percentage.')
    x = D(rng.randint(1, 99)) / 100
    if x * 10 == (x * 10).to_integral_value():
        x += D('0.03')
    return Q([P('Express %s as a percentage.' % dstr(x))], [('M', 1, pct_key(x * 100))],
             'Give your answer as a percentage.')


def a_percent_to_frac(rng, qid, v):
    while True:
        p = rng.choice([4, 8, 12, 15, 16, 24, 28, 35, 45, 55, 64, 65, 85, 36, 44])
        f = Fr(p, 100)
        if f.denominator != 1:
            break
    return Q([P('Express %d%% as a fraction in its simplest form.' % p)], [('F', 1, fkey(f))],
             'Write the fraction in its simplest form.')


def a_angle_type_q(rng, qid, v):
    kind = v % 3
    if kind == 0:
        correct = rng.choice([95, 112, 128, 146, 163])
        wrong = [rng.choice([38, 64, 81, 89]), 90, rng.choice([184, 205, 250, 310])]
        opts, key = shuffle_options(rng, correct, wrong)
        return Q([P('Which one of these angles is an <b>obtuse</b> angle?'),
                  options([deg(o) for o in opts])], [('Q', 1, str(key))], 'Choose the correct answer.')
    if kind == 1:
        correct = rng.choice([192, 215, 247, 290, 325])
        wrong = [rng.choice([98, 135, 170]), 180, rng.choice([45, 72, 88])]
        opts, key = shuffle_options(rng, correct, wrong)
        return Q([P('Which one of these angles is a <b>reflex</b> angle?'),
                  options([deg(o) for o in opts])], [('Q', 1, str(key))], 'Choose the correct answer.')
    while True:
        a, b = rng.randint(25, 80), rng.randint(25, 80)
        c = 180 - a - b
        if c > 15:
            break
    right = (a, b, c)
    wrong = [(a, b, c + 10), (a + 5, b + 15, c), (a, b - 10, c)]
    opts, key = shuffle_options(rng, right, wrong)
    return Q([P('Which one of these sets of angles could be the three angles of a triangle?'),
              options([', '.join(deg(t) for t in o) for o in opts])],
             [('Q', 1, str(key))], 'Choose the correct answer.')


def fig_straight_line(vals, xname, right=None):
    """AOB straight line with rays from O making angles vals (one is None = x)."""
    assert sum(t for t in vals if t is not None) < 180
    vals = list(vals)
    unknown = 180 - sum(t for t in vals if t is not None)
    full = [unknown if t is None else t for t in vals]
    assert abs(sum(full) - 180) < 1e-9
    fig = Fig(320, 200)
    O = (0.0, 0.0)
    A, B = (-100.0, 0.0), (100.0, 0.0)
    fig.seg(A, B)
    # rays start from the B side (direction 0) and turn anticlockwise
    dirs = [0.0]
    for t in full:
        dirs.append(dirs[-1] + t)
    rays = [B]
    for d in dirs[1:-1]:
        p = pol(O, d, 90)
        fig.seg(O, p)
        rays.append(p)
    rays.append(A)
    for i, t in enumerate(full):
        text = xname if vals[i] is None else deg(t)
        fig.arc(O, rays[i], rays[i + 1], text, t, r=22 + 6 * (i % 2))
    fig.label(A, 'A', dx=-10, dy=0)
    fig.label(B, 'B', dx=10, dy=0)
    fig.label(O, 'O', dx=0, dy=14)
    # the y-extent: keep some space below the line
    fig._use((0, -25))
    return fig, unknown


def a_angle_straight(rng, qid, v):
    if v % 2 == 0:
        a = rng.randint(28, 70)
        b = rng.randint(30, 75)
        vals = [a, None, b]
        fig, x = fig_straight_line(vals, 'x')
        alt = 'A straight line AOB with two lines from O. The three angles at O are %d degrees, x and %d degrees.' % (a, b)
        return Q([P('In the figure, AOB is a straight line.'), figure_html(qid, alt),
                  P('Find the size of angle <i>x</i>. Give your answer in degrees.')],
                 [('N', 1, str(x))], None, fig)
    # angles at a point: three known, one unknown
    while True:
        a, b, c = rng.randint(60, 130), rng.randint(50, 120), rng.randint(45, 110)
        x = 360 - a - b - c
        if 40 <= x <= 140 and x not in (a, b, c):
            break
    fig = Fig(300, 240)
    O = (0.0, 0.0)
    start = rng.randint(5, 40)
    dirs = [start, start + a, start + a + b, start + a + b + c]
    pts = [pol(O, d, 90) for d in dirs]
    for p in pts:
        fig.seg(O, p)
    vals = [(a, deg(a)), (b, deg(b)), (c, deg(c)), (x, 'x')]
    for i in range(4):
        fig.arc(O, pts[i], pts[(i + 1) % 4], vals[i][1], vals[i][0], r=24 + 8 * (i % 2))
    alt = 'Four lines meeting at a point, making angles of %d, %d and %d degrees and an angle x.' % (a, b, c)
    return Q([P('The figure shows four angles at a point.'), figure_html(qid, alt),
              P('Find the size of angle <i>x</i>. Give your answer in degrees.')],
             [('N', 1, str(x))], None, fig)


def a_turn(rng, qid, v):
    if v % 2 == 0:
        h = rng.choice([1, 2, 4, 5, 7, 8, 10, 11])
        ang = (h % 12) * 30
        ang = min(ang, 360 - ang)
        return Q([P('What is the size of the smaller angle between the hour hand and the minute hand of a clock '
                    'at exactly %d o\'clock? Give your answer in degrees.' % h)],
                 [('N', 1, str(ang))], None)
    dirs = ['north', 'north-east', 'east', 'south-east', 'south', 'south-west', 'west', 'north-west']
    i = rng.randint(0, 7)
    steps = rng.choice([3, 5, 6, 7])
    j = (i + steps) % 8
    if v % 4 == 1:
        text = ('%s is facing %s. She turns <b>clockwise</b> until she is facing %s. Through how many degrees '
                'does she turn?' % (rng.choice(GIRLS), dirs[i], dirs[j]))
    else:
        text = ('A robot is facing %s. It turns <b>clockwise</b> until it is facing %s. Through how many degrees '
                'does it turn?' % (dirs[i], dirs[j]))
    return Q([P(text)],
             [('N', 1, str(steps * 45))], 'Give your answer in degrees.')


def a_cube_volume(rng, qid, v):
    e = rng.randint(4, 12)
    if v % 2 == 0:
        return Q([P('A cube has edges of %d cm. Find its volume.' % e)], [('N', 1, str(e ** 3))],
                 'Give your answer in %s.' % CM3)
    return Q([P('A cube has a volume of %d %s. What is the length of one edge of the cube?' % (e ** 3, CM3))],
             [('N', 1, str(e))], 'Give your answer in cm.')


def a_square_perimeter(rng, qid, v):
    s = rng.randint(5, 15)
    if v % 2 == 0:
        return Q([P('A square has an area of %d %s. What is its perimeter?' % (s * s, CM2))],
                 [('N', 1, str(4 * s))], 'Give your answer in cm.')
    return Q([P('A square has a perimeter of %d cm. What is its area?' % (4 * s))],
             [('N', 1, str(s * s))], 'Give your answer in %s.' % CM2)


def a_units_volume(rng, qid, v):
    if v % 2 == 0:
        x = D(rng.randint(105, 985)) / 100
        return Q([P('How many millilitres are there in %s litres?' % dstr(x))],
                 [('N', 1, dstr(x * 1000))], 'Give your answer in ml.')
    c = rng.randint(11, 95) * 100
    return Q([P('A jug holds %d %s of water. How many litres of water is this?' % (c, CM3))],
             [('N', 1, dstr(D(c) / 1000))], 'Give your answer in litres.')


def a_mean_simple(rng, qid, v):
    n = rng.choice([4, 5])
    while True:
        vals = [rng.randint(8, 40) for _ in range(n)]
        if sum(vals) % n == 0 and len(set(vals)) == n:
            break
    if v % 2 == 0:
        return Q([P('Find the mean of these numbers: %s.' % ', '.join(map(str, vals)))],
                 [('N', 1, str(sum(vals) // n))], None)
    name = rng.choice(NAMES)
    return Q([P('%s scored %s goals in %d netball matches. What was the mean number of goals per match?'
                % (name, ', '.join(map(str, vals[:-1])) + ' and ' + str(vals[-1]), n))],
             [('N', 1, str(sum(vals) // n))], None)


def a_speed_simple(rng, qid, v):
    if v % 2 == 0:
        who, sp = rng.choice([('A cyclist', 12), ('A cyclist', 15), ('A cyclist', 18), ('A coach', 65),
                              ('A coach', 72), ('A car', 80), ('A lorry', 60), ('A lorry', 56)])
        t = rng.randint(2, 5)
        return Q([P('%s travels %d km in %d hours at a steady speed. What is the speed?' % (who, sp * t, t))],
                 [('N', 1, str(sp))], 'Give your answer in km/h.')
    sp = rng.choice([40, 60, 80, 90, 120])
    h = rng.randint(1, 3)
    return Q([P('A train travels at a steady speed of %d km/h. How far does it travel in %d hours 30 minutes?'
                % (sp, h))], [('N', 1, dstr(D(sp) * (h + D('0.5'))))], 'Give your answer in km.')


def a_rect_q(rng, qid, v):
    while True:
        L = rng.randint(6, 15)
        B = rng.randint(3, L - 1)
        Pm = 2 * (L + B)
        right = L * B
        wrong = [L * (Pm // 2), L * (Pm - 2 * L), (L + B) * 2 + L]
        if len(set(wrong + [right])) == 4:
            break
    opts, key = shuffle_options(rng, right, wrong)
    return Q([P('A rectangle has a perimeter of %d cm. Its length is %d cm. What is its area?' % (Pm, L)),
              options(['%d %s' % (o, CM2) for o in opts])],
             [('Q', 1, str(key))], 'Choose the correct answer.')


# ---------------------------------------------------------------------------
# Section B: short-answer questions
# ---------------------------------------------------------------------------

def is_prime(n):
    return n > 1 and all(n % k for k in range(2, int(n ** 0.5) + 1))


def b_group(rng, qid, v):
    slots = 3 if v % 2 == 1 else 2
    while True:
        kind = v % 4
        if kind == 0:
            n = rng.choice([36, 48, 60, 72, 84, 90])
            k = rng.choice([5, 6, 8])
            alts = [f for f in factors(n) if f > k]
            text = 'Write down any two factors of %d that are greater than %d.' % (n, k)
        elif kind == 1:
            a = rng.choice([20, 30, 40, 50, 60])
            b = a + 20
            alts = [p for p in range(a + 1, b) if is_prime(p)]
            text = 'Write down any two prime numbers between %d and %d.' % (a, b)
        elif kind == 2:
            a, b = rng.choice([(4, 6), (6, 8), (6, 9), (4, 10), (3, 4)])
            l = a * b // math.gcd(a, b)
            c = l * rng.randint(4, 5) + rng.randint(1, l - 1)
            alts = list(range(l, c, l))
            text = 'Write down any two common multiples of %d and %d that are less than %d.' % (a, b, c)
        else:
            a, b = rng.choice([(36, 54), (48, 72), (60, 90), (42, 70), (72, 96), (45, 75)])
            alts = [f for f in factors(a) if b % f == 0 and f > 1]
            text = 'Write down any two common factors of %d and %d, other than 1.' % (a, b)
        if len(alts) >= slots + 1:
            break
    assert len(alts) >= 3
    key = ';' + ';'.join(str(t) for t in alts)
    if slots == 3:
        text = text.replace('any two', 'any three')
    assert len(alts) >= slots + 1
    html = [P(text), P('Write one number in each answer box.')]
    html += [part(i, '<span class="blank">&nbsp;</span>') for i in range(slots)]
    return Q(html, [('G', 1, key)] + [('G', 1, '[space]')] * (slots - 1), 'Each answer must be different.')


def b_missing_number(rng, qid, v):
    if v % 2 == 0:
        a = rng.randint(6, 13)
        m = rng.randint(12, 29)
        c = rng.randint(15, 60)
        return Q([P('Find the missing number in the box.'),
                  P('%d %s &#9633; + %d = %d' % (a, TIMES, c, a * m + c))], [('N', 2, str(m))],
                 'Find the number that makes the statement true.')
    d = rng.randint(4, 9)
    q = rng.randint(11, 25)
    s = rng.randint(15, 60)
    m = q * d + s
    return Q([P('Find the missing number in the box.'),
              P('(&#9633; %s %d) %s %d = %d' % (MINUS, s, DIV, d, q))], [('N', 2, str(m))],
             'Find the number that makes the statement true.')


def b_hcf_lcm(rng, qid, v):
    kind = v % 3
    if kind == 0:
        g = rng.choice([12, 14, 16, 18, 24])
        p, q = rng.choice([(2, 3), (3, 4), (2, 5), (3, 5), (4, 5)])
        a, b = g * p, g * q
        return Q([P('What is the largest number that is a factor of both %d and %d?' % (a, b))],
                 [('N', 1, str(g))], None)
    if kind == 1:
        a, b = rng.choice([(6, 8), (8, 12), (9, 12), (10, 15), (6, 15), (12, 18)])
        l = a * b // math.gcd(a, b)
        lo = l * rng.randint(2, 4) - rng.randint(1, l - 1)
        ans = (lo // l + 1) * l
        return Q([P('What is the smallest number greater than %d that is a multiple of both %d and %d?' % (lo, a, b))],
                 [('N', 1, str(ans))], None)
    a, b = rng.choice([(12, 18), (15, 20), (10, 25), (20, 30), (18, 24)])
    l = a * b // math.gcd(a, b)
    h = rng.choice([7, 8, 9])
    return Q([P('At a bus station, the number 5 bus leaves every %d minutes and the number 9 bus leaves every '
                '%d minutes. Both buses leave together at %d:00 a.m. After how many minutes will they next '
                'leave together?' % (a, b, h))], [('N', 2, str(l))], 'Give your answer in minutes.')


def b_order_ops_brackets(rng, qid, v):
    while True:
        a, b, c, d = rng.randint(3, 9), rng.randint(30, 90), rng.randint(5, 29), rng.randint(2, 6)
        if v % 2 == 0:
            if (a * (b - c)) % d:
                continue
            val = a * (b - c) // d
            text = '%d %s (%d %s %d) %s %d' % (a, TIMES, b, MINUS, c, DIV, d)
        else:
            val = b - (c + d) * a // 1
            if val < 5:
                continue
            text = '%d %s (%d + %d) %s %d' % (b, MINUS, c, d, TIMES, a)
            val = b - (c + d) * a
            if val < 5:
                continue
        break
    return Q([P('Work out the value of %s.' % text)], [('N', 2, str(val))], None)


def rand_frac(rng, lo=2, hi=12):
    while True:
        d = rng.randint(lo, hi)
        n = rng.randint(1, d - 1)
        if math.gcd(n, d) == 1:
            return Fr(n, d)


def friendly(*fracs):
    """True when the denominators have a small common multiple."""
    l = 1
    for f in fracs:
        l = l * f.denominator // math.gcd(l, f.denominator)
    return l <= 24


def b_frac_add(rng, qid, v):
    while True:
        a, b = rand_frac(rng, 3, 9), rand_frac(rng, 3, 12)
        if a.denominator != b.denominator and (a + b).denominator > 1 and friendly(a, b):
            break
    while True:
        c, d = rand_frac(rng, 3, 9), rand_frac(rng, 3, 12)
        w1, w2 = rng.randint(3, 6), rng.randint(1, 2)
        res2 = (w1 + c) - (w2 + d)
        if c < d and c.denominator != d.denominator and res2.denominator > 1 and friendly(c, d):
            break
    t1, k1 = frac_answer(a + b)
    t2, k2 = frac_answer(res2)
    return Q([P('Work out each of these. Give each answer in its simplest form.'),
              part(0, '%s + %s' % (fh(a), fh(b))),
              part(1, '%s %s %s' % (fh(w1 + c), MINUS, fh(w2 + d)))],
             [(t1, 1, k1), (t2, 2, k2)], None)


def b_frac_mult(rng, qid, v):
    while True:
        a, b = rand_frac(rng, 3, 10), rand_frac(rng, 3, 16)
        res = a * b
        if res.denominator > 1 and a.numerator * b.numerator != res.numerator and a != b:
            break
    while True:
        c = rand_frac(rng, 3, 9)
        k = rng.randint(2, 6)
        whole = rng.choice([2, 3])
        second = c / k if v % 2 == 0 else c * (whole + b)
        if c.numerator > 1 and second.denominator <= 16 and second.denominator != (c.denominator * k):
            break
    html = [P('Work out each of these. Give each answer in its simplest form.'),
            part(0, '%s %s %s' % (fh(a), TIMES, fh(b)))]
    if v % 2 == 0:
        html.append(part(1, '%s %s %d' % (fh(c), DIV, k)))
    else:
        html.append(part(1, '%s of %s' % (fh(c), fh(whole + b))))
    t, key = frac_answer(second)
    return Q(html, [('F', 1, fkey(res)), (t, 1, key)], None)


def b_frac_div(rng, qid, v):
    if v % 2 == 0:
        while True:
            a = rand_frac(rng, 3, 9)
            k = rng.randint(2, 6)
            res = a / k
            if a.numerator > 1 and math.gcd(a.numerator, k) > 1:
                break
        return Q([P('Work out %s %s %d. Give your answer in its simplest form.' % (fh(a), DIV, k))],
                 [('F', 1, fkey(res))], None)
    while True:
        f = rand_frac(rng, 3, 5)
        total = rng.randint(3, 15)
        n = Fr(total) / f
        if n.denominator == 1 and n > 4:
            break
    return Q([P('A container holds %d litres of juice. The juice is poured into bottles. Each bottle holds %s litre. '
                'How many bottles can be filled?' % (total, fh(f)))],
             [('N', 2, str(n.numerator))], None)


def b_frac_of_qty(rng, qid, v):
    if v % 2 == 0:
        while True:
            f = rand_frac(rng, 3, 8)
            m = rng.choice([2, 3, 4])
            res = f * m * 100
            if res.denominator == 1:
                break
        return Q([P('A ribbon is %d m long. %s of the ribbon is used to wrap a present. How many centimetres of '
                    'ribbon are used?' % (m, fh(f)))],
                 [('N', 2, str(res.numerator))], 'Give your answer in cm.')
    while True:
        f = rand_frac(rng, 3, 10)
        h = rng.randint(2, 4)
        res = f * h * 60
        if res.denominator == 1:
            break
    return Q([P('A concert lasted %d hours. The interval took up %s of this time. How many minutes did the '
                'interval last?' % (h, fh(f)))], [('N', 2, str(res.numerator))], 'Give your answer in minutes.')


def b_ratio_share(rng, qid, v):
    while True:
        a, b = rng.randint(2, 7), rng.randint(2, 9)
        if a != b and math.gcd(a, b) == 1:
            break
    u = rng.randint(6, 25)
    total = (a + b) * u
    n1, n2 = rng.sample(NAMES, 2)
    if v % 2 == 0:
        return Q([P('%s and %s share %s in the ratio %d : %d. How much money does %s receive?'
                    % (n1, n2, money_short(total), a, b, n2))], [('N', 2, str(b * u))],
                 'Give your answer in pounds.')
    return Q([P('A bag contains red and green marbles in the ratio %d : %d. There are %d marbles altogether. How many '
                'more %s marbles than %s marbles are there?' % (a, b, total, 'red' if a > b else 'green',
                                                                   'green' if a > b else 'red'))],
             [('N', 2, str(abs(a - b) * u))], None)


def b_ratio_from_fraction(rng, qid, v):
    f = rand_frac(rng, 3, 9)
    n, d = f.numerator, f.denominator
    if v % 2 == 0:
        return Q([P('In a class, %s of the pupils are boys and the rest are girls.' % fh(n, d)),
                  part(0, 'Find the ratio of the number of boys to the number of girls.'),
                  part(1, 'Find the ratio of the number of girls to the number of pupils in the class.')],
                 [('R', 1, '%d:%d' % (n, d - n)), ('R', 1, '%d:%d' % (d - n, d))],
                 'Give each ratio in its simplest form.')
    return Q([P('In a car park, %s of the vehicles are vans and the rest are cars. Find the ratio of the number of '
                'cars to the total number of vehicles. Give your answer in its simplest form.' % fh(n, d))],
             [('R', 1, '%d:%d' % (d - n, d))], None)


def fig_triangle(A, B, marks, names=('A', 'B', 'C'), mirror=False, base=100.0):
    """marks: dict vertex index -> (text, value) for the arcs to draw."""
    pa, pb, pc = tri_from_angles(A, B, base)
    pts = [pa, pb, pc]
    if mirror:
        pts = [(base - p[0], p[1]) for p in pts]
        pts = [pts[0], pts[2], pts[1]]           # keep anticlockwise order
        names = (names[0], names[2], names[1])
        angs = [A, 180 - A - B, B]
        marks = {({0: 0, 1: 2, 2: 1}[k]): t for k, t in marks.items()}
    else:
        angs = [A, B, 180 - A - B]
    check_polygon_angles(pts, angs)
    fig = Fig(320, 220)
    fig.poly(pts)
    c = centroid(pts)
    for i, (text, val) in marks.items():
        interior(fig, pts, i, text, val, r=22)
    for i in range(3):
        fig.vlabel(pts[i], names[i], c)
    return fig, pts


def b_angle_triangle(rng, qid, v):
    if v % 2 == 0:
        while True:
            A, B = rng.randint(35, 80), rng.randint(35, 80)
            C = 180 - A - B
            if 30 <= C <= 100:
                break
        fig, pts = fig_triangle(A, B, {0: (deg(A), A), 1: (deg(B), B), 2: ('x', C)},
                                mirror=rng.random() < 0.5)
        alt = 'Triangle ABC with angle A %d degrees, angle B %d degrees and angle C marked x.' % (A, B)
        return Q([P('The figure shows triangle ABC.'), figure_html(qid, alt),
                  P('Find the size of angle <i>x</i>. Give your answer in degrees.')],
                 [('N', 2, str(C))], None, fig)
    # exterior angle of a triangle: BCD is a straight line
    while True:
        A, B = rng.randint(40, 75), rng.randint(35, 65)
        C = 180 - A - B
        if 35 <= C <= 85:
            break
    ext = 180 - C
    pb, pc = (0.0, 0.0), (100.0, 0.0)
    pa = pol(pb, B, 100.0 * math.sin(math.radians(C)) / math.sin(math.radians(A)))
    pts = [pb, pc, pa]
    check_polygon_angles(pts, [B, C, A])
    pd = (165.0, 0.0)
    fig = Fig(330, 220)
    fig.poly(pts)
    fig.seg(pc, pd)
    interior(fig, pts, 0, deg(B), B)
    interior(fig, pts, 2, 'x', A)
    fig.arc(pc, pd, pa, deg(ext), ext, r=26)
    c = centroid(pts)
    for p, nm in zip(pts, 'BCA'):
        fig.vlabel(p, nm, c)
    fig.label(pd, 'D', dx=10)
    alt = ('Triangle ABC with BC extended to D. Angle ABC is %d degrees, angle ACD is %d degrees and angle BAC is '
           'marked x.' % (B, ext))
    return Q([P('In the figure, ABC is a triangle and BCD is a straight line.'), figure_html(qid, alt),
              P('Find the size of angle <i>x</i>. Give your answer in degrees.')],
             [('N', 2, str(A))], None, fig)


def fig_isosceles(apex, names=('P', 'Q', 'R'), marks=None):
    """Isosceles triangle with PQ = PR, apex P at top."""
    base_ang = Fr(180 - apex, 2)
    bv = float(base_ang)
    Qp = (0.0, 0.0)
    Rp = (100.0, 0.0)
    Pp = (50.0, 50.0 * math.tan(math.radians(bv)))
    pts = [Qp, Rp, Pp]
    check_polygon_angles(pts, [bv, bv, apex])
    fig = Fig(300, 230)
    fig.poly(pts)
    fig.ticks(Pp, Qp)
    fig.ticks(Pp, Rp)
    c = centroid(pts)
    for i, (t, val) in (marks or {}).items():
        interior(fig, pts, i, t, val, r=22)
    fig.vlabel(Pp, names[0], c)
    fig.vlabel(Qp, names[1], c)
    fig.vlabel(Rp, names[2], c)
    return fig, pts


def b_angle_isosceles(rng, qid, v):
    if v % 2 == 0:
        apex = rng.choice([t for t in range(30, 110, 2) if t != 60])
        x = (180 - apex) // 2
        fig, _ = fig_isosceles(apex, marks={2: (deg(apex), apex), 1: ('x', x)})
        alt = 'Isosceles triangle PQR with PQ equal to PR. Angle P is %d degrees and angle R is marked x.' % apex
        return Q([P('PQR is an isosceles triangle with PQ = PR.'), figure_html(qid, alt),
                  P('Find the size of angle <i>x</i>. Give your answer in degrees.')],
                 [('N', 2, str(x))], None, fig)
    base = rng.choice([t for t in range(40, 76) if t != 60])
    apex = 180 - 2 * base
    fig, _ = fig_isosceles(apex, marks={0: (deg(base), base), 2: ('y', apex)})
    alt = 'Isosceles triangle PQR with PQ equal to PR. Angle Q is %d degrees and angle P is marked y.' % base
    return Q([P('PQR is an isosceles triangle with PQ = PR.'), figure_html(qid, alt),
              P('Find the size of angle <i>y</i>. Give your answer in degrees.')],
             [('N', 2, str(apex))], None, fig)


def b_angle_point(rng, qid, v):
    # two equal angles x, plus known angles, at a point
    while True:
        a, b = rng.randint(70, 150), rng.randint(60, 130)
        rest = 360 - a - b
        if rest % 2 == 0 and 40 <= rest // 2 <= 110 and rest // 2 not in (a, b):
            break
    x = rest // 2
    fig = Fig(300, 240)
    O = (0.0, 0.0)
    start = rng.randint(0, 50)
    angs = [(a, deg(a)), (x, 'x'), (b, deg(b)), (x, 'x')]
    dirs = [start]
    for t, _ in angs[:-1]:
        dirs.append(dirs[-1] + t)
    pts = [pol(O, d, 90) for d in dirs]
    for p in pts:
        fig.seg(O, p)
    for i in range(4):
        fig.arc(O, pts[i], pts[(i + 1) % 4], angs[i][1], angs[i][0], r=24 + 8 * (i % 2))
    alt = 'Four lines meeting at a point. The angles are %d degrees, x, %d degrees and x.' % (a, b)
    return Q([P('The figure shows four angles at a point. Two of the angles are each marked <i>x</i>.'),
              figure_html(qid, alt), P('Find the size of angle <i>x</i>. Give your answer in degrees.')],
             [('N', 2, str(x))], None, fig)


def fig_parallelogram(a_len, b_len, theta, names='ABCD'):
    A = (0.0, 0.0)
    B = (a_len, 0.0)
    C = (a_len + b_len * math.cos(math.radians(theta)), b_len * math.sin(math.radians(theta)))
    Dp = (b_len * math.cos(math.radians(theta)), b_len * math.sin(math.radians(theta)))
    pts = [A, B, C, Dp]
    check_polygon_angles(pts, [theta, 180 - theta, theta, 180 - theta])
    return pts


def b_angle_quad(rng, qid, v):
    kind = (v + 2) % 3
    if kind == 0:
        theta = rng.randint(50, 80)
        pts = fig_parallelogram(110, 70, theta)
        fig = Fig(320, 200)
        fig.poly(pts)
        fig.arrows(pts[0], pts[1])
        fig.arrows(pts[3], pts[2])
        fig.arrows(pts[0], pts[3], 2)
        fig.arrows(pts[1], pts[2], 2)
        c = centroid(pts)
        interior(fig, pts, 0, deg(theta), theta)
        which = rng.choice([1, 3])
        interior(fig, pts, which, 'x', 180 - theta)
        for p, nm in zip(pts, 'ABCD'):
            fig.vlabel(p, nm, c)
        alt = 'Parallelogram ABCD with angle A %d degrees and angle %s marked x.' % (theta, 'ABCD'[which])
        return Q([P('ABCD is a parallelogram.'), figure_html(qid, alt),
                  part(0, 'Find the size of angle <i>x</i>.'), part(1, 'Find the size of angle BCD.')],
                 [('N', 1, str(180 - theta)), ('N', 1, str(theta))], 'Give your answers in degrees.', fig)
    if kind == 1:
        # trapezium ABCD with AB parallel to DC: angles at A and D add to 180
        dA = rng.randint(55, 80)
        dB = rng.randint(60, 85)
        h = 70.0
        A = (0.0, 0.0)
        B = (170.0, 0.0)
        Dp = (h / math.tan(math.radians(dA)), h)
        C = (170.0 - h / math.tan(math.radians(dB)), h)
        pts = [A, B, C, Dp]
        check_polygon_angles(pts, [dA, dB, 180 - dB, 180 - dA])
        fig = Fig(320, 190)
        fig.poly(pts)
        fig.arrows(A, B)
        fig.arrows(Dp, C)
        interior(fig, pts, 0, deg(dA), dA)
        interior(fig, pts, 3, 'x', 180 - dA)
        c = centroid(pts)
        for p, nm in zip(pts, 'ABCD'):
            fig.vlabel(p, nm, c)
        alt = 'Trapezium ABCD with AB parallel to DC. Angle A is %d degrees and angle D is marked x.' % dA
        return Q([P('ABCD is a trapezium in which AB is parallel to DC.'), figure_html(qid, alt),
                  P('Find the size of angle <i>x</i>. Give your answer in degrees.')],
                 [('N', 1, str(180 - dA))], None, fig)
    # general quadrilateral: three angles given
    while True:
        a, b, c = rng.randint(65, 120), rng.randint(60, 115), rng.randint(70, 125)
        d = 360 - a - b - c
        if not (55 <= d <= 130 and len({a, b, c, d}) == 4 and d != 90):
            continue
        # A at the origin, AB along the x axis; D is where the rays from A and C meet
        A = (0.0, 0.0)
        B = (130.0, 0.0)
        C = pol(B, 180 - b, 90.0)
        dirA = a
        dirC = (dirn(C, B) - c) % 360         # CD turned clockwise from CB by c
        u = (math.cos(math.radians(dirA)), math.sin(math.radians(dirA)))
        w = (math.cos(math.radians(dirC)), math.sin(math.radians(dirC)))
        det = u[0] * (-w[1]) - u[1] * (-w[0])
        s = ((C[0] - A[0]) * (-w[1]) - (C[1] - A[1]) * (-w[0])) / det
        t = (u[0] * (C[1] - A[1]) - u[1] * (C[0] - A[0])) / det
        Dp = (A[0] + s * u[0], A[1] + s * u[1])
        if s > 50 and t > 50 and s < 260 and t < 260:
            break
    pts = [A, B, C, Dp]
    check_polygon_angles(pts, [a, b, c, d])
    fig = Fig(300, 230)
    fig.poly(pts)
    vals = [(a, deg(a)), (b, deg(b)), (c, deg(c)), (d, 'x')]
    for i in range(4):
        interior(fig, pts, i, vals[i][1], vals[i][0])
    cc = centroid(pts)
    for p, nm in zip(pts, 'ABCD'):
        fig.vlabel(p, nm, cc)
    alt = 'Quadrilateral ABCD with angles A %d, B %d and C %d degrees and angle D marked x.' % (a, b, c)
    return Q([P('The figure shows a quadrilateral ABCD.'), figure_html(qid, alt),
              P('Find the size of angle <i>x</i>. Give your answer in degrees.')],
             [('N', 2, str(d))], None, fig)


def b_dec_mult(rng, qid, v):
    x = D(rng.randint(101, 999)) / 100
    while str(x)[-1] == '0':
        x = D(rng.randint(101, 999)) / 100
    k = rng.randint(3, 9)
    y = D(rng.randint(11, 99)) / 10
    z = D(rng.randint(11, 49)) / 10
    while str(y)[-1] == '0' or str(z)[-1] == '0':
        y, z = D(rng.randint(11, 99)) / 10, D(rng.randint(11, 49)) / 10
    return Q([P('Work out each of these.'),
              part(0, '%s %s %d' % (dstr(x), TIMES, k)),
              part(1, '%s %s %s' % (dstr(y), TIMES, dstr(z)))],
             [('N', 1, dstr(x * k)), ('N', 1, dstr(y * z))], None)


def b_dec_div(rng, qid, v):
    k = rng.randint(3, 9)
    q = D(rng.randint(101, 999)) / 100
    while str(q)[-1] == '0':
        q = D(rng.randint(101, 999)) / 100
    a = D(rng.randint(11, 99)) / 10
    while str(a)[-1] == '0':
        a = D(rng.randint(11, 99)) / 10
    b = rng.randint(3, 9)
    if v % 2 == 0:
        second = ('%s %s %s' % (dnum(a * b * 100), DIV, '100'), a * b)
    else:
        second = ('%s %s %d' % (dstr(a * b), DIV, b), a)
    return Q([P('Work out each of these.'),
              part(0, '%s %s %d' % (dstr(q * k), DIV, k)),
              part(1, second[0])],
             [('N', 1, dstr(q)), ('N', 1, dstr(second[1]))], None)


def b_dec_measure(rng, qid, v):
    km, m = rng.randint(2, 9), rng.choice([rng.randint(5, 95), rng.randint(105, 990)])
    kg, g = rng.randint(1, 9), rng.choice([rng.randint(10, 95), rng.randint(105, 990)])
    x = D(rng.randint(105, 995)) / 100
    first = ('%d km %d m = <span class="blank">&nbsp;</span> km' % (km, m), dstr(km + D(m) / 1000))
    if v % 2 == 0:
        second = ('%d kg %d g = <span class="blank">&nbsp;</span> kg' % (kg, g), dstr(kg + D(g) / 1000))
    else:
        second = ('%s m = <span class="blank">&nbsp;</span> cm' % dstr(x), dstr(x * 100))
    return Q([P('Fill in the blanks.'), part(0, first[0]), part(1, second[0])],
             [('N', 1, first[1]), ('N', 1, second[1])], 'Write each answer as a number.')


def b_dec_money(rng, qid, v):
    name = rng.choice(GIRLS)
    item, lo, hi = rng.choice([('pencils', 45, 95), ('notebooks', 120, 260), ('bottles of water', 85, 150),
                               ('muffins', 110, 190)])
    price = D(rng.randint(lo // 5, hi // 5) * 5) / 100
    n = rng.randint(3, 8)
    note = 10 if price * n < 10 else 20
    change = note - price * n
    return Q([P('%s buys %d %s at %s each. She pays with a &pound;%d note. How much change should she receive?'
                % (name, n, item, money(price), note) if v % 2 == 0 else
                'A shopkeeper sells %s at %s each. Mr Lee buys %d of them and pays with a &pound;%d note. How much change '
                'does he receive?' % (item, money(price), n, note))],
             [('N', 2, dstr(change))], 'Give your answer in pounds.')


def b_pct_discount(rng, qid, v):
    while True:
        price = rng.choice([40, 60, 80, 120, 150, 180, 240, 250, 320])
        p = rng.choice([10, 15, 20, 25, 30, 35])
        sale = D(price) * (100 - p) / 100
        if sale * 100 == (sale * 100).to_integral_value():
            break
    item = rng.choice(['pair of trainers', 'school bag', 'rice cooker', 'scooter', 'jacket', 'desk lamp'])
    if v % 2 == 0:
        return Q([P('A %s usually costs %s. In a sale, its price is reduced by %d%%. What is the sale price?'
                    % (item, money_short(price), p))], [('N', 2, dstr(sale))], 'Give your answer in pounds.')
    return Q([P('A shop gives a discount of %d%% on a %s that usually costs %s.' % (p, item, money_short(price))),
              part(0, 'How much money is saved?'), part(1, 'How much does the %s cost after the discount?' % item)],
             [('N', 1, dstr(D(price) * p / 100)), ('N', 1, dstr(sale))], 'Give your answers in pounds.')


def b_pct_of(rng, qid, v):
    while True:
        total = rng.choice([20, 25, 40, 50, 60, 80, 200, 400])
        part_ = rng.randint(1, total - 1)
        pct = D(part_) * 100 / total
        if pct == pct.to_integral_value() and 10 <= pct <= 90:
            break
    if v % 2 == 0:
        return Q([P('There are %d pupils in a class. %d of them walk to school.' % (total, part_)),
                  part(0, 'What percentage of the pupils walk to school?'),
                  part(1, 'What percentage of the pupils do not walk to school?')],
                 [('M', 1, pct_key(pct)), ('M', 1, pct_key(100 - pct))], 'Give your answers as percentages.')
    return Q([P('A test has %d marks. %s scored %d marks. What percentage of the marks did %s score?'
                % (total, 'Omar', part_, 'he'))], [('M', 1, pct_key(pct))], 'Give your answer as a percentage.')


def b_mean_missing(rng, qid, v):
    n = 5
    while True:
        m = rng.randint(20, 60)
        known = [rng.randint(m - 15, m + 15) for _ in range(n - 1)]
        last = m * n - sum(known)
        if 5 <= last <= 90 and last not in known:
            break
    if v % 2 == 0:
        return Q([P('The mean of five numbers is %d. Four of the numbers are %s. What is the fifth number?'
                    % (m, ', '.join(map(str, known[:-1])) + ' and ' + str(known[-1])))],
                 [('N', 2, str(last))], None)
    name = rng.choice(GIRLS)
    return Q([P('%s took five spelling tests. Her mean score was %d. Her scores in the first four tests were %s. '
                'What was her score in the fifth test?' % (name, m, ', '.join(map(str, known[:-1])) + ' and '
                                                         + str(known[-1])))], [('N', 2, str(last))], None)


def b_speed(rng, qid, v):
    if v % 2 == 0:
        sp = rng.choice([12, 16, 20, 24, 36, 48])
        mins = rng.choice([15, 30, 45, 20, 40])
        d = D(sp) * mins / 60
        if d != d.to_integral_value():
            mins = 30
            d = D(sp) / 2
        return Q([P('Ahmad cycled %s km in %d minutes. What was his average speed in km/h?' % (dstr(d), mins))],
                 [('N', 2, str(sp))], 'Give your answer in km/h.')
    sp = rng.choice([50, 60, 75, 80, 90])
    d = sp * rng.choice([2, 3]) + sp // 2 if sp % 2 == 0 else sp * 2
    mins = D(d) / sp * 60
    return Q([P('A coach travels %d km at an average speed of %d km/h. How many minutes does the journey take?'
                % (d, sp))], [('N', 2, dstr(mins))], 'Give your answer in minutes.')


def b_rate(rng, qid, v):
    if v % 2 == 0:
        rate = rng.randint(15, 60)
        t1 = rng.randint(4, 9)
        t2 = rng.randint(12, 25)
        return Q([P('A machine prints %d labels in %d minutes. At the same rate, how many labels does it print in '
                    '%d minutes?' % (rate * t1, t1, t2))], [('N', 2, str(rate * t2))], None)
    each = D(rng.randint(35, 95)) / 100
    n1, n2 = rng.randint(3, 6), rng.randint(8, 15)
    return Q([P('%d identical erasers cost %s. What is the cost of %d of these erasers?'
                % (n1, money(each * n1), n2))], [('N', 2, dstr(each * n2))], 'Give your answer in pounds.')


def fig_triangle_area(base, height, off):
    """Triangle with base on the x axis and apex above x = off."""
    A = (0.0, 0.0)
    B = (float(base), 0.0)
    C = (float(off), float(height))
    fig = Fig(320, 220)
    pts = [A, B, C]
    fig.poly(pts)
    foot = (float(off), 0.0)
    if off < 0 or off > base:
        end = A if off < 0 else B
        fig.seg(foot, end, dash=True)
    fig.seg(C, foot, dash=True)
    # right angle at the foot
    fig.arc(foot, (foot[0] + 10, 0.0), C, None, 90) if off <= base * 0.5 or off > base else \
        fig.arc(foot, C, (foot[0] - 10, 0.0), None, 90)
    fig.side(A, B, '%s cm' % dstr(base), C)
    fig.label(((C[0] + foot[0]) / 2, height / 2), '%s cm' % dstr(height), dx=8, anchor='start')
    return fig


def b_area_triangle(rng, qid, v):
    while True:
        base = rng.randint(6, 18)
        h = rng.randint(5, 14)
        if (base * h) % 2 == 0:
            break
    if v % 2 == 0:
        off = round(base * rng.choice([0.3, 0.6]))
    else:
        off = base + rng.randint(3, 6)
    fig = fig_triangle_area(base, h, off)
    area = base * h // 2
    alt = 'A triangle with base %d cm and height %d cm shown by a dashed line.' % (base, h)
    return Q([P('Find the area of the triangle.'), figure_html(qid, alt)],
             [('N', 2 if off > base else 1, str(area))], 'Give your answer in %s.' % CM2, fig)


def fig_lshape(W, H, w, h, unit='cm', shade=False):
    """W by H rectangle with a w by h rectangle cut from the top right corner."""
    pts = [(0.0, 0.0), (W, 0.0), (W, H - h), (W - w, H - h), (W - w, H), (0.0, H)]
    fig = Fig(320, 230)
    fig.poly([(float(a), float(b)) for a, b in pts], fill='#d9d9d9' if shade else 'none')
    c = (W * 0.3, H * 0.3)
    fig.side(pts[0], pts[1], '%s %s' % (dstr(W), unit), c)
    fig.side(pts[5], pts[0], '%s %s' % (dstr(H), unit), c)
    fig.side(pts[4], pts[5], '%s %s' % (dstr(W - w), unit), c)
    fig.side(pts[1], pts[2], '%s %s' % (dstr(H - h), unit), c)
    return fig


def b_composite(rng, qid, v):
    while True:
        W = rng.randint(10, 20)
        H = rng.randint(8, 16)
        w = rng.randint(3, W - 4)
        h = rng.randint(3, H - 3)
        if abs(W - 2 * w) > 1 and abs(H - 2 * h) > 1:
            break
    fig = fig_lshape(W, H, w, h)
    fig.note('Not drawn to scale')
    alt = ('An L-shaped figure. The bottom side is %d cm, the left side is %d cm, the top side is %d cm and '
           'the short right side is %d cm.' % (W, H, W - w, H - h))
    if v % 2 == 0:
        return Q([P('The figure is made up of rectangles. All its corners are right angles.'),
                  figure_html(qid, alt), P('Find the area of the figure.')],
                 [('N', 2, str(W * H - w * h))], 'Give your answer in %s.' % CM2, fig)
    return Q([P('The figure is made up of rectangles. All its corners are right angles.'),
              figure_html(qid, alt), P('Find the perimeter of the figure.')],
             [('N', 2, str(2 * (W + H)))], 'Give your answer in cm.', fig)


def fig_cuboid(L, B, H, labels=True, water=None, unit='cm', open_top=False):
    """Oblique drawing of an L x B x H cuboid; water = height of water."""
    k = 0.5
    ang = math.radians(35)
    sc = max(L, B, H)
    dx, dy = B * k * math.cos(ang), B * k * math.sin(ang)
    f0, f1, f2, f3 = (0.0, 0.0), (L, 0.0), (L, H), (0.0, H)
    b0, b1, b2, b3 = (dx, dy), (L + dx, dy), (L + dx, H + dy), (dx, H + dy)
    fig = Fig(320, 230)
    if water is not None:
        w = water
        fig.poly([f0, f1, (L, w), (0.0, w)], fill='#d9d9d9', stroke=False)
        fig.poly([f1, b1, (L + dx, w + dy), (L, w)], fill='#d9d9d9', stroke=False)
        fig.poly([(0.0, w), (L, w), (L + dx, w + dy), (dx, w + dy)], fill='#c4c4c4', stroke=False)
        fig.seg((0.0, w), (L, w), w=1)
        fig.seg((L, w), (L + dx, w + dy), w=1)
    # visible edges
    for p, q in [(f0, f1), (f1, f2), (f2, f3), (f3, f0), (f1, b1), (b1, b2), (f2, b2), (b2, b3), (f3, b3)]:
        fig.seg(p, q)
    # hidden edges
    for p, q in [(f0, b0), (b0, b1), (b0, b3)]:
        fig.seg(p, q, dash=True)
    if labels:
        cen = (L / 2 + dx / 2, H / 2 + dy / 2)
        fig.side(f0, f1, '%s %s' % (dstr(L), unit), cen)
        fig.side(f1, b1, '%s %s' % (dstr(B), unit), cen, off=16)
        fig.side(f3, f0, '%s %s' % (dstr(H), unit), cen)
    return fig


def b_cuboid(rng, qid, v):
    L, B, H = rng.randint(8, 20), rng.randint(4, 10), rng.randint(3, 12)
    if v % 2 == 0:
        fig = fig_cuboid(L, B, H)
        fig.note('Not drawn to scale')
        alt = 'A cuboid measuring %d cm by %d cm by %d cm.' % (L, B, H)
        return Q([P('The figure shows a container in the shape of a cuboid. (1 litre = 1000 %s)' % CM3),
                  figure_html(qid, alt),
                  part(0, 'Find the volume of the container. Give your answer in %s.' % CM3),
                  part(1, 'How many litres of water can the container hold when it is full?')],
                 [('N', 1, str(L * B * H)), ('N', 1, dstr(D(L * B * H) / 1000))], None, fig)
    return Q([P('A cuboid has a volume of %d %s. Its length is %d cm and its breadth is %d cm. What is its height?'
                % (L * B * H, CM3, L, B))], [('N', 2, str(H))], 'Give your answer in cm.')


# ---------------------------------------------------------------------------
# Section C: word problems (2 marks) and multi-part questions
# ---------------------------------------------------------------------------

def c_wn_word(rng, qid, v):
    kind = v % 3
    name = rng.choice(NAMES)
    if kind == 0:
        pa, pb = rng.choice([(3, 5), (2, 7), (4, 9), (6, 11)])
        na, nb = rng.randint(3, 8), rng.randint(3, 9)
        total = pa * na + pb * nb
        return Q([P('At a stationery shop, pens cost &pound;%d each and files cost &pound;%d each. %s bought %d pens and some '
                    'files. %s paid &pound;%d altogether. How many files did %s buy?' % (pa, pb, name, na, name, total, name))],
                 [('N', 2, str(nb))], 'Show your working on paper.')
    if kind == 1:
        per = rng.choice([24, 30, 36])
        total = rng.randint(30, 60) * per + rng.randint(1, per - 1)
        need = -(-total // per)
        return Q([P('A farmer collected %s eggs. He packs them into trays. Each tray holds %d eggs. How many trays '
                    'does he need to pack <b>all</b> the eggs?' % (num(total), per))],
                 [('N', 2, str(need))], 'Show your working on paper.')
    a = rng.randint(25, 90)
    diff = rng.randint(10, 40)
    item1, item2 = rng.choice([('bag', 'pair of shoes'), ('watch', 'calculator'), ('helmet', 'bicycle lock')])
    return Q([P('A %s and a %s cost &pound;%d altogether. The %s costs &pound;%d more than the %s. How much does the %s cost?'
                % (item1, item2, 2 * a + diff, item2, diff, item1, item1))],
             [('N', 2, str(a))], 'Give your answer in pounds.')


def c_frac_remainder(rng, qid, v):
    while True:
        a, b = rand_frac(rng, 2, 6), rand_frac(rng, 2, 6)
        if a > Fr(1, 2) or b > Fr(2, 3):
            continue
        # choose the total so every amount is whole
        den = a.denominator * b.denominator
        total = den * rng.randint(2, 12) * (5 if v % 2 == 0 else 1)
        spent1 = total * a
        spent2 = (total - spent1) * b
        rest = total - spent1 - spent2
        if spent1.denominator == 1 and spent2.denominator == 1 and rest > 0 and 40 <= total <= 600:
            break
    if v % 2 == 0:
        return Q([P('Mrs Tan had some money. She spent %s of it on a dress and %s of the remainder on a pair of '
                    'shoes. She had &pound;%d left. How much money did she have at first?'
                    % (fh(a), fh(b), rest))], [('N', 2, str(total))], 'Give your answer in pounds.')
    return Q([P('A baker made some buns. She sold %s of them in the morning and %s of the remaining buns in the '
                'afternoon. She had %d buns left at the end of the day. How many buns did she make?'
                % (fh(a), fh(b), rest))], [('N', 2, str(total))], None)


def c_ratio_diff(rng, qid, v):
    while True:
        a, b = rng.randint(2, 7), rng.randint(3, 9)
        if a < b and math.gcd(a, b) == 1:
            break
    u = rng.randint(4, 16)
    n1, n2 = rng.sample(NAMES, 2)
    if v % 2 == 0:
        return Q([P('The ratio of the number of stickers %s has to the number of stickers %s has is %d : %d. %s has '
                    '%d more stickers than %s. How many stickers do they have altogether?'
                    % (n1, n2, a, b, n2, (b - a) * u, n1))], [('N', 2, str((a + b) * u))], None)
    return Q([P('A box contains blue beads and red beads in the ratio %d : %d. There are %d fewer blue beads than '
                'red beads. How many red beads are there?' % (a, b, (b - a) * u))], [('N', 2, str(b * u))], None)


def c_mean_change(rng, qid, v):
    n = rng.randint(4, 6)
    m1 = rng.randint(35, 48)
    inc = rng.randint(1, 3)
    new = (m1 + inc) * (n + 1) - m1 * n
    if v % 2 == 0:
        return Q([P('The mean mass of %d boys is %d kg. When another boy joins them, the mean mass of the %d boys '
                    'becomes %d kg. What is the mass of the boy who joined?' % (n, m1, n + 1, m1 + inc))],
                 [('N', 2, str(new))], 'Give your answer in kg.')
    m1 = rng.randint(60, 76)
    inc = rng.randint(2, 3)
    new = (m1 + inc) * (n + 1) - m1 * n
    return Q([P('%s\'s mean score in %d tests was %d marks. After one more test, the mean score became %d marks. '
                'What did %s score in the last test?' % ('Kumar', n, m1, m1 + inc, 'Kumar'))],
             [('N', 2, str(new))], None)


def c_pct_word(rng, qid, v):
    kind = v % 3
    if kind == 0:
        while True:
            old = rng.choice([40, 50, 60, 80, 120, 200, 250])
            p = rng.choice([5, 10, 15, 20, 25, 30])
            new = D(old) * (100 + p) / 100
            if new == new.to_integral_value():
                break
        return Q([P('The price of a bicycle was increased from %s to %s. Find the percentage increase in the price.'
                    % (money_short(old), money_short(new)))], [('M', 2, pct_key(p))],
                 'Give your answer as a percentage.')
    if kind == 1:
        while True:
            orig = rng.choice([80, 120, 150, 160, 200, 240, 300])
            p = rng.choice([10, 20, 25, 40])
            sale = D(orig) * (100 - p) / 100
            if sale == sale.to_integral_value():
                break
        return Q([P('After a discount of %d%%, a jacket costs %s. What was the price of the jacket before the '
                    'discount?' % (p, money_short(sale)))], [('N', 2, str(orig))], 'Give your answer in pounds.')
    total = rng.choice([400, 500, 600, 800])
    p1 = rng.choice([30, 35, 40, 45])
    p2 = rng.choice([20, 25, 15])
    rest = total - total * p1 // 100 - total * p2 // 100
    return Q([P('A school has %d pupils. %d%% of them travel by bus and %d%% of them travel by car. The rest walk. '
                'How many pupils walk?' % (total, p1, p2))], [('N', 2, str(rest))], None)


def c_dec_word(rng, qid, v):
    if v % 2 == 0:
        n1, n2 = rng.randint(3, 6), rng.randint(7, 12)
        each = D(rng.randint(35, 95)) / 100
        return Q([P('%d identical books have a total mass of %s kg. What is the total mass of %d of these books?'
                    % (n1, dstr(each * n1), n2))], [('N', 2, dstr(each * n2))], 'Give your answer in kg.')
    total = D(rng.randint(40, 90)) / 10
    pieces = rng.choice([4, 5, 6, 8])
    while (total * 100) % pieces:
        total += D('0.1')
    return Q([P('A rope %s m long is cut into %d pieces of equal length. How long is each piece in centimetres?'
                % (dstr(total), pieces))], [('N', 2, dstr(total * 100 / pieces))], 'Give your answer in cm.')


def c_rate_word(rng, qid, v):
    if v % 2 == 0:
        rate = rng.choice([30, 40, 45, 48, 60])
        while True:
            pages = rng.randint(8, 24)
            copies = rng.randint(10, 40)
            if (pages * copies) % rate == 0 and pages * copies // rate >= 5:
                break
        return Q([P('A photocopier prints %d pages per minute. A booklet has %d pages. How many minutes will it take '
                    'to print %d copies of the booklet?' % (rate, pages, copies))], [('N', 2, str(pages * copies // rate))],
                 'Give your answer in minutes.')
    per = rng.choice([6, 8, 12])
    cost = D(rng.randint(150, 400)) / 100
    n = rng.randint(5, 9) * per
    return Q([P('Yoghurt is sold in packs of %d. Each pack costs %s. How much does it cost to buy %d yoghurts?'
                % (per, money(cost), n))], [('N', 2, dstr(cost * n / per))], 'Give your answer in pounds.')


def c_shaded(rng, qid, v):
    if v % 2 == 0:
        # rectangle with an unshaded triangle cut from it
        L, W = rng.randint(12, 20), rng.randint(8, 14)
        t = rng.randint(4, L - 5)
        while (t * W) % 2:
            t = rng.randint(4, L - 5)
        # triangle with base t on the top side and apex on the bottom side
        fig = Fig(320, 220)
        A, B, C, Dp = (0.0, 0.0), (float(L), 0.0), (float(L), float(W)), (0.0, float(W))
        fig.poly([A, B, C, Dp], fill='#d9d9d9')
        x0 = (L - t) / 2
        apex = (x0 + t / 2 + rng.choice([-2, 2]), 0.0)
        tri = [(x0, float(W)), (x0 + t, float(W)), apex]
        fig.poly(tri, fill='white')
        cen = (L / 2, W / 2)
        fig.side(A, B, '%d cm' % L, cen)
        fig.side(Dp, A, '%d cm' % W, cen)
        fig.side(tri[0], tri[1], '%d cm' % t, (cen[0], 2 * W), off=10)
        fig.note('Not drawn to scale')
        alt = ('A shaded rectangle %d cm by %d cm. An unshaded triangle has a %d cm side along the top of the '
               'rectangle and its third corner on the bottom side.' % (L, W, t))
        area = L * W - t * W // 2
        return Q([P('The figure shows a rectangle. The white triangle has one side on the top of the rectangle and '
                    'one corner on the bottom of the rectangle.'), figure_html(qid, alt),
                  P('Find the area of the shaded part.')], [('N', 2, str(area))], 'Give your answer in %s.' % CM2, fig)
    # path around a lawn
    L, W = rng.randint(12, 24), rng.randint(8, 16)
    pw = rng.choice([1, 2])
    fig = Fig(320, 220)
    A, B, C, Dp = (0.0, 0.0), (float(L), 0.0), (float(L), float(W)), (0.0, float(W))
    fig.poly([A, B, C, Dp], fill='#d9d9d9')
    inner = [(pw, pw), (L - pw, pw), (L - pw, W - pw), (pw, W - pw)]
    fig.poly([(float(a), float(b)) for a, b in inner], fill='white')
    cen = (L / 2, W / 2)
    fig.side(A, B, '%d m' % L, cen)
    fig.side(Dp, A, '%d m' % W, cen)
    fig.label((L / 2, W / 2), 'lawn')
    fig.note('Not drawn to scale')
    alt = 'A rectangular garden %d m by %d m with a shaded path %d m wide around a rectangular lawn.' % (L, W, pw)
    area = L * W - (L - 2 * pw) * (W - 2 * pw)
    return Q([P('A rectangular garden measures %d m by %d m. A path %d m wide runs all the way round the inside edge '
                'of the garden, around a rectangular lawn. The path is shaded.' % (L, W, pw)),
              figure_html(qid, alt), P('Find the area of the path.')],
             [('N', 2, str(area))], 'Give your answer in %s.' % M2, fig)


# ---- multi-part ------------------------------------------------------------

def m_angle(rng, qid, v):
    kind = v % 5
    if kind == 0:
        # triangle ABC with BCD straight: given angle A and exterior angle ACD
        while True:
            A = rng.randint(40, 75)
            B = rng.randint(35, 70)
            C = 180 - A - B
            if 35 <= C <= 90:
                break
        ext = 180 - C
        # B at origin, C on the x axis, A above
        pb = (0.0, 0.0)
        pc = (100.0, 0.0)
        b_side = 100.0 * math.sin(math.radians(C)) / math.sin(math.radians(A))   # length BA
        pa = pol(pb, B, b_side)
        pts = [pb, pc, pa]
        check_polygon_angles(pts, [B, C, A])
        pd = (160.0, 0.0)
        fig = Fig(330, 220)
        fig.poly(pts)
        fig.seg(pc, pd)
        interior(fig, pts, 2, deg(A), A)
        interior(fig, pts, 1, 'x', C, r=18)
        interior(fig, pts, 0, 'y', B)
        fig.arc(pc, pd, pa, deg(ext), ext, r=30)
        c = centroid(pts)
        for p, nm in zip(pts, 'BCA'):
            fig.vlabel(p, nm, c)
        fig.label(pd, 'D', dx=10)
        alt = ('Triangle ABC with BC extended to D. Angle BAC is %d degrees, angle ACD is %d degrees, angle ACB is '
               'marked x and angle ABC is marked y.' % (A, ext))
        return Q([P('In the figure, ABC is a triangle and BCD is a straight line.'), figure_html(qid, alt),
                  part(0, 'Find the size of angle <i>x</i>.'), part(1, 'Find the size of angle <i>y</i>.'),
                  part(2, 'Find the size of the reflex angle ACB.')],
                 [('N', 1, str(C)), ('N', 2, str(B)), ('N', 1, str(360 - C))], 'Give your answers in degrees.', fig)
    if kind == 1:
        # AB and CD straight lines meet at O; OE is perpendicular to AB
        c = rng.randint(25, 60)
        x = 90 - c
        O = (0.0, 0.0)
        A, B = (-100.0, 0.0), (100.0, 0.0)
        E = (0.0, 95.0)
        C = pol(O, 90 + c, 100)
        Dp = pol(O, 270 + c, 100)
        fig = Fig(300, 240)
        fig.seg(A, B)
        fig.seg(C, Dp)
        fig.seg(O, E)
        fig.arc(O, B, E, None, 90)
        fig.arc(O, E, C, deg(c), c, r=30)
        fig.arc(O, C, A, 'x', x, r=22)
        fig.arc(O, A, Dp, 'y', 180 - x, r=22)
        for p, nm, dx, dy in [(A, 'A', -10, 0), (B, 'B', 10, 0), (C, 'C', -8, -8), (Dp, 'D', 8, 8), (E, 'E', 0, -10)]:
            fig.label(p, nm, dx=dx, dy=dy)
        ob = math.radians((270 + c + 360) / 2)
        fig.label(O, 'O', dx=21 * math.cos(ob), dy=-21 * math.sin(ob))
        alt = ('Straight lines AB and CD cross at O. OE is perpendicular to AB. Angle COE is %d degrees, angle AOC '
               'is marked x and angle AOD is marked y.' % c)
        return Q([P('In the figure, AB and CD are straight lines that meet at O. OE is perpendicular to AB.'),
                  figure_html(qid, alt),
                  part(0, 'Find the size of angle <i>x</i>.'), part(1, 'Find the size of angle <i>y</i>.'),
                  part(2, 'Find the size of angle DOE.')],
                 [('N', 2, str(x)), ('N', 1, str(180 - x)), ('N', 2, str(180 - c))], 'Give your answers in degrees.',
                 fig)
    if kind == 2:
        # parallelogram ABCD with diagonal AC
        while True:
            p = rng.randint(55, 80)
            q = rng.randint(20, p - 20)
            pts = fig_parallelogram(120, 75, p)
            A, B, C, Dp = pts
            if abs(dirn(A, C) - q) < 1e-9:
                break
            # choose the side lengths so the diagonal makes angle q with AB
            # AC direction depends on shape: solve for the length of AB
            th, qq = math.radians(p), math.radians(q)
            bl = 75.0
            # C = (a + b cos th, b sin th); tan q = b sin th / (a + b cos th)
            a = bl * math.sin(th) / math.tan(qq) - bl * math.cos(th)
            if 60 <= a <= 260:
                pts = fig_parallelogram(a, bl, p)
                A, B, C, Dp = pts
                break
        assert abs(dirn(A, C) - q) < 1e-6
        fig = Fig(330, 210)
        fig.poly(pts)
        fig.seg(A, C)
        fig.arrows(A, B)
        fig.arrows(Dp, C)
        fig.arrows(A, Dp, 2)
        fig.arrows(B, C, 2)
        fig.arc(A, C, Dp, deg(p - q), p - q, r=34)
        fig.arc(A, B, C, deg(q), q, r=44)
        interior(fig, pts, 1, 'x', 180 - p)
        fig.arc(C, A, B, 'y', p - q, r=24)
        cc = centroid(pts)
        for pt, nm in zip(pts, 'ABCD'):
            fig.vlabel(pt, nm, cc)
        alt = ('Parallelogram ABCD with diagonal AC. Angle CAD is %d degrees, angle BAC is %d degrees, angle ABC '
               'is marked x and angle ACB is marked y.' % (p - q, q))
        return Q([P('ABCD is a parallelogram. AC is a straight line.'), figure_html(qid, alt),
                  part(0, 'Find the size of angle <i>x</i>.'), part(1, 'Find the size of angle <i>y</i>.'),
                  part(2, 'Find the size of angle BCD.')],
                 [('N', 2, str(180 - p)), ('N', 2, str(p - q)), ('N', 1, str(p))], 'Give your answers in degrees.',
                 fig)
    if kind == 3:
        # isosceles triangle PQR, PQ = PR, QRS straight
        apex = rng.choice([t for t in range(34, 100, 2) if t != 60])
        x = (180 - apex) // 2
        Qp, Rp = (0.0, 0.0), (100.0, 0.0)
        Pp = (50.0, 50.0 * math.tan(math.radians(x)))
        Sp = (155.0, 0.0)
        pts = [Qp, Rp, Pp]
        check_polygon_angles(pts, [x, x, apex])
        fig = Fig(330, 220)
        fig.poly(pts)
        fig.seg(Rp, Sp)
        fig.ticks(Pp, Qp)
        fig.ticks(Pp, Rp)
        interior(fig, pts, 2, deg(apex), apex)
        interior(fig, pts, 0, 'x', x)
        fig.arc(Rp, Sp, Pp, 'y', 180 - x, r=26)
        c = centroid(pts)
        for pt, nm in zip(pts, 'QRP'):
            fig.vlabel(pt, nm, c)
        fig.label(Sp, 'S', dx=10)
        alt = ('Isosceles triangle PQR with PQ equal to PR and QR extended to S. Angle QPR is %d degrees, angle PQR '
               'is marked x and angle PRS is marked y.' % apex)
        return Q([P('PQR is an isosceles triangle with PQ = PR. QRS is a straight line.'), figure_html(qid, alt),
                  part(0, 'Find the size of angle <i>x</i>.'), part(1, 'Find the size of angle <i>y</i>.'),
                  part(2, 'Find the size of the reflex angle QPR.')],
                 [('N', 2, str(x)), ('N', 1, str(180 - x)), ('N', 1, str(360 - apex))],
                 'Give your answers in degrees.', fig)
    # trapezium with the two lower angles given
    dA = rng.randint(55, 80)
    dB = rng.randint(60, 85)
    h = 75.0
    A = (0.0, 0.0)
    B = (180.0, 0.0)
    Dp = (h / math.tan(math.radians(dA)), h)
    C = (180.0 - h / math.tan(math.radians(dB)), h)
    pts = [A, B, C, Dp]
    check_polygon_angles(pts, [dA, dB, 180 - dB, 180 - dA])
    fig = Fig(330, 190)
    fig.poly(pts)
    fig.arrows(A, B)
    fig.arrows(Dp, C)
    interior(fig, pts, 0, deg(dA), dA)
    interior(fig, pts, 1, deg(dB), dB)
    interior(fig, pts, 2, 'y', 180 - dB)
    interior(fig, pts, 3, 'x', 180 - dA)
    c = centroid(pts)
    for pt, nm in zip(pts, 'ABCD'):
        fig.vlabel(pt, nm, c)
    alt = ('Trapezium ABCD with AB parallel to DC. Angle A is %d degrees, angle B is %d degrees, angle D is marked x '
           'and angle C is marked y.' % (dA, dB))
    return Q([P('ABCD is a trapezium in which AB is parallel to DC.'), figure_html(qid, alt),
              part(0, 'Find the size of angle <i>x</i>.'), part(1, 'Find the size of angle <i>y</i>.'),
              part(2, 'Find the sum of angle <i>x</i> and angle <i>y</i>.')],
             [('N', 1, str(180 - dA)), ('N', 1, str(180 - dB)), ('N', 1, str(360 - dA - dB))],
             'Give your answers in degrees.', fig)


def m_tank(rng, qid, v):
    kind = v % 3
    L = rng.choice([40, 50, 60, 80])
    B = rng.choice([20, 25, 30, 40])
    H = rng.choice([30, 40, 45, 50])
    cap = D(L * B * H) / 1000
    if kind == 0:
        while True:
            w = rng.choice([h for h in range(10, H - 5, 5)])
            vol = D(L * B * w) / 1000
            rate = rng.choice([4, 5, 6, 8, 10, 12, 15])
            t_fill = (cap - vol) / rate
            if t_fill == t_fill.to_integral_value():
                break
        fig = fig_cuboid(L, B, H, water=w)
        fig.note('Not drawn to scale')
        alt = 'A rectangular tank %d cm long, %d cm wide and %d cm high, partly filled with water.' % (L, B, H)
        return Q([P('A rectangular tank measures %d cm by %d cm by %d cm. It contains water to a height of %d cm. '
                    '(1 litre = 1000 %s)' % (L, B, H, w, CM3)), figure_html(qid, alt),
                  part(0, 'How many litres of water are in the tank?'),
                  part(1, 'How many more litres of water are needed to fill the tank to the brim?'),
                  part(2, 'A tap fills the rest of the tank at %d litres per minute. How many minutes does it take?'
                       % rate)],
                 [('N', 2, dstr(vol)), ('N', 2, dstr(cap - vol)), ('N', 1, dstr(t_fill))],
                 'Give your answers to (a) and (b) in litres.', fig)
    if kind == 1:
        while True:
            rate = rng.choice([4, 5, 6, 8, 10, 12])
            frac = rng.choice([Fr(1, 2), Fr(3, 4), Fr(2, 5), Fr(3, 5)])
            t_frac = cap * frac.numerator / frac.denominator / rate
            mins = rng.choice([3, 4, 5])
            h_after = D(rate * mins * 1000) / (L * B)
            if t_frac == t_frac.to_integral_value() and h_after < H and \
                    (h_after * 10) == (h_after * 10).to_integral_value():
                break
        fig = fig_cuboid(L, B, H)
        fig.note('Not drawn to scale')
        alt = 'An empty rectangular tank %d cm long, %d cm wide and %d cm high.' % (L, B, H)
        return Q([P('An empty rectangular tank measures %d cm by %d cm by %d cm. Water flows into it from a tap at '
                    '%d litres per minute. (1 litre = 1000 %s)' % (L, B, H, rate, CM3)), figure_html(qid, alt),
                  part(0, 'What is the capacity of the tank in litres?'),
                  part(1, 'How many minutes will it take to fill %s of the tank?' % fh(frac)),
                  part(2, 'What will be the height of the water after %d minutes? Give your answer in cm.' % mins)],
                 [('N', 1, dstr(cap)), ('N', 2, dstr(t_frac)), ('N', 2, dstr(h_after))],
                 'Show your working on paper.', fig)
    while True:
        frac = rng.choice([Fr(1, 4), Fr(2, 5), Fr(1, 2), Fr(3, 5), Fr(1, 3)])
        w = H * frac
        add = rng.choice([6, 8, 9, 12, 15, 18, 24])
        rise = D(add * 1000) / (L * B)
        if w.denominator == 1 and D(int(w)) + rise <= H and (rise * 10) == (rise * 10).to_integral_value():
            break
    vol = D(L * B * int(w)) / 1000
    fig = fig_cuboid(L, B, H, water=int(w))
    fig.note('Not drawn to scale')
    alt = 'A rectangular tank %d cm long, %d cm wide and %d cm high, %s full of water.' % (L, B, H, str(frac))
    return Q([P('A rectangular tank measures %d cm by %d cm by %d cm. It is %s full of water. '
                '(1 litre = 1000 %s)' % (L, B, H, fh(frac), CM3)), figure_html(qid, alt),
              part(0, 'What is the height of the water in the tank? Give your answer in cm.'),
              part(1, 'How many litres of water are in the tank?'),
              part(2, '%d litres of water are poured into the tank. By how many centimetres does the water level '
                      'rise?' % add),
              part(3, 'How many more litres of water are then needed to fill the tank to the brim?')],
             [('N', 1, str(int(w))), ('N', 2, dstr(vol)), ('N', 2, dstr(rise)), ('N', 2, dstr(cap - vol - add))],
             'Show your working on paper.', fig)


def m_pct(rng, qid, v):
    kind = v % 3
    if kind == 0:
        while True:
            price = rng.choice([360, 480, 560, 640, 720, 850, 960, 1200])
            p = rng.choice([10, 15, 20, 25, 30])
            disc = D(price) * p / 100
            sale = price - disc
            inst = rng.choice([3, 4, 6])
            each = sale / inst
            if each * 100 == (each * 100).to_integral_value():
                break
        item = rng.choice(['television', 'washing machine', 'laptop', 'sofa'])
        return Q([P('A %s costs %s. During a sale, a discount of %d%% is given.' % (item, money_short(price), p)),
                  part(0, 'How much is the discount?'),
                  part(1, 'What is the sale price of the %s?' % item),
                  part(2, 'Mr Wong buys the %s at the sale price and pays in %d equal monthly payments. How much is '
                          'each payment?' % (item, inst))],
                 [('N', 1, dstr(disc)), ('N', 2, dstr(sale)), ('N', 2, dstr(each))],
                 'Give your answers in pounds.')
    if kind == 1:
        while True:
            total = rng.choice([600, 720, 800, 900, 1000, 1200])
            pb = rng.choice([40, 45, 55, 60, 35])
            boys = total * pb // 100
            girls = total - boys
            pg = rng.choice([20, 25, 30, 40])
            glasses = girls * pg // 100
            pct = D(glasses) * 100 / total
            if (total * pb) % 100 == 0 and (girls * pg) % 100 == 0 and pct * 2 == (pct * 2).to_integral_value():
                break
        return Q([P('A school has %d pupils. %d%% of the pupils are boys and the rest are girls. %d%% of the girls '
                    'wear glasses.' % (total, pb, pg)),
                  part(0, 'How many girls are there in the school?'),
                  part(1, 'How many girls wear glasses?'),
                  part(2, 'What percentage of all the pupils in the school are girls who wear glasses?')],
                 [('N', 1, str(girls)), ('N', 2, str(glasses)), ('M', 2, pct_key(pct))],
                 'Show your working on paper.')
    while True:
        saved = rng.choice([240, 320, 360, 400, 480, 500])
        p1 = rng.choice([15, 20, 25, 30, 35])
        spent = saved * p1 // 100
        rest = saved - spent
        f = rng.choice([Fr(1, 4), Fr(1, 5), Fr(3, 8), Fr(2, 5), Fr(1, 3)])
        given = rest * f
        if (saved * p1) % 100 == 0 and given.denominator == 1:
            break
    name = rng.choice(NAMES)
    return Q([P('%s saved %s. %s spent %d%% of the savings on a bicycle helmet and gave %s of the remaining money '
                'to charity.' % (name, money_short(saved), name, p1, fh(f))),
              part(0, 'How much did the helmet cost?'),
              part(1, 'How much money was given to charity?'),
              part(2, 'How much money was left after that?')],
             [('N', 1, str(spent)), ('N', 2, str(given.numerator)), ('N', 2, str(rest - given.numerator))],
             'Give your answers in pounds.')


def m_speed(rng, qid, v):
    kind = v % 3
    if kind == 0:
        sp = rng.choice([48, 54, 60, 64, 72])
        start = rng.choice([7 * 60 + 15, 8 * 60 + 30, 9 * 60 + 45, 13 * 60 + 20])
        dur = rng.choice([90, 150, 105, 135])
        dist_ = D(sp) * dur / 60
        if dist_ != dist_.to_integral_value():
            dur = 150
            dist_ = D(sp) * dur / 60
        back = rng.choice([s for s in (40, 45, 50, 60, 75, 80, 90) if s != sp and (dist_ * 60 / s) ==
                           (dist_ * 60 / s).to_integral_value()])
        return Q([P('A van left Town A at %s and arrived at Town B at %s It travelled at an average speed of %d km/h.'
                    % (clock(start), clock(start + dur), sp)),
                  part(0, 'How many minutes did the journey take?'),
                  part(1, 'What is the distance between Town A and Town B? Give your answer in km.'),
                  part(2, 'On the way back, the van travelled at an average speed of %d km/h. How many minutes did the '
                          'journey back take?' % back)],
                 [('N', 1, str(dur)), ('N', 2, dstr(dist_)), ('N', 2, dstr(dist_ * 60 / back))],
                 'Show your working on paper.')
    if kind == 1:
        while True:
            s1 = rng.choice([12, 15, 16, 18, 20])
            t1 = rng.choice([30, 45, 60, 90, 120])
            d1 = D(s1) * t1 / 60
            s2 = rng.choice([4, 5, 6])
            t2 = rng.choice([20, 30, 40])
            d2 = D(s2) * t2 / 60
            tot_t = t1 + t2
            avg = (d1 + d2) * 60 / tot_t
            if d1 == d1.to_integral_value() and d2 == d2.to_integral_value() and \
                    avg * 10 == (avg * 10).to_integral_value():
                break
        name = rng.choice(NAMES)
        return Q([P('%s cycled %s km at an average speed of %d km/h. Then %s walked %s km at an average speed of '
                    '%d km/h.' % (name, dstr(d1), s1, name, dstr(d2), s2)),
                  part(0, 'How many minutes did %s spend cycling?' % name),
                  part(1, 'How many minutes did the whole journey take?'),
                  part(2, 'What was the average speed for the whole journey? Give your answer in km/h.')],
                 [('N', 1, str(t1)), ('N', 2, str(tot_t)), ('N', 2, dstr(avg))],
                 'Show your working on paper.')
    while True:
        per100 = rng.choice([6, 7, 8, 9])
        dist_ = rng.choice([250, 350, 450, 150, 400])
        used = D(per100) * dist_ / 100
        price = D(rng.randint(180, 260)) / 100
        cost = used * price
        tank = per100 * rng.choice([5, 6, 7, 8])
        if cost * 100 == (cost * 100).to_integral_value():
            break
    return Q([P('Mrs Kaur\'s car uses %d litres of petrol for every 100 km it travels. Petrol costs %s per litre.'
                % (per100, money(price))),
              part(0, 'How many litres of petrol does the car use on a journey of %d km?' % dist_),
              part(1, 'How much does the petrol for this journey cost? Give your answer in pounds.'),
              part(2, 'The petrol tank of the car holds %d litres when it is full. How many kilometres can the car '
                      'travel on a full tank?' % tank)],
             [('N', 2, dstr(used)), ('N', 2, dstr(cost)), ('N', 2, dstr(D(tank) * 100 / per100))],
             'Show your working on paper.')


def m_data(rng, qid, v):
    kind = v % 3
    if kind == 0:
        days = ['Monday', 'Tuesday', 'Wednesday', 'Thursday', 'Friday']
        while True:
            vals = [rng.randint(12, 45) for _ in days]
            if sum(vals) % 5 == 0:
                break
        m = sum(vals) // 5
        new_m = m + rng.randint(1, 3)
        sat = new_m * 6 - sum(vals)
        html = [P('The table shows the number of books borrowed from a class library on five days.')]
        html += table(['Day', 'Number of books'], [[d, str(x)] for d, x in zip(days, vals)])
        html += [part(0, 'How many books were borrowed altogether on the five days?'),
                 part(1, 'What was the mean number of books borrowed per day?'),
                 part(2, 'The library also opened on Saturday. The mean number of books borrowed per day for the six '
                         'days was %d. How many books were borrowed on Saturday?' % new_m)]
        return Q(html, [('N', 1, str(sum(vals))), ('N', 2, str(m)), ('N', 2, str(sat))], 'Answer each part.')
    if kind == 1:
        names = rng.sample(NAMES, 4)
        while True:
            vals = [D(rng.randint(125, 165)) / 100 for _ in names]
            tot = sum(vals)
            mean = tot / 4
            if mean * 100 == (mean * 100).to_integral_value() and len(set(vals)) == 4:
                break
        tall = max(vals)
        short = min(vals)
        html = [P('The table shows the heights of four children.')]
        html += table(['Name', 'Height (m)'], [[n, dstr(x) if len(dstr(x)) > 3 else dstr(x) + '0'] for n, x in zip(names, vals)])
        tn = names[vals.index(tall)]
        sn = names[vals.index(short)]
        fifth = rng.choice([n for n in GIRLS + BOYS if n not in names])
        while True:
            h5 = D(rng.randint(125, 165)) / 100
            m5 = (tot + h5) / 5
            if m5 * 100 == (m5 * 100).to_integral_value() and h5 not in vals:
                break
        html += [part(0, 'How much taller is %s than %s? Give your answer in cm.' % (tn, sn)),
                 part(1, 'What is the mean height of the four children? Give your answer in metres.'),
                 part(2, '%s joins the group. The mean height of the five children is %s m. What is %s\'s height? '
                         'Give your answer in metres.' % (fifth, dstr(m5), fifth))]
        return Q(html, [('N', 1, dstr((tall - short) * 100)), ('N', 2, dstr(mean)), ('N', 2, dstr(h5))],
                 'Answer each part.')
    flavours = ['Orange', 'Apple', 'Mango', 'Lime']
    while True:
        cups = [rng.randint(20, 80) for _ in flavours]
        if sum(cups) % 4 == 0 and len(set(cups)) == 4:
            break
    price = D(rng.choice([80, 90, 120, 150])) / 100
    html = [P('A stall sold cups of juice at a school fair. The table shows how many cups of each flavour were sold. '
              'Every cup cost %s.' % money(price))]
    html += table(['Flavour', 'Cups sold'], [[f_, str(c)] for f_, c in zip(flavours, cups)])
    most = flavours[cups.index(max(cups))]
    least = flavours[cups.index(min(cups))]
    html += [part(0, 'How many more cups of %s juice than %s juice were sold?' % (most.lower(), least.lower())),
             part(1, 'What was the mean number of cups sold per flavour?'),
             part(2, 'How much money did the stall collect altogether? Give your answer in pounds.')]
    return Q(html, [('N', 1, str(max(cups) - min(cups))), ('N', 2, str(sum(cups) // 4)),
                    ('N', 2, dstr(price * sum(cups)))], 'Answer each part.')


def m_ratio(rng, qid, v):
    kind = v % 3
    if kind == 0:
        while True:
            a, b = rng.randint(2, 7), rng.randint(3, 8)
            if a < b and math.gcd(a, b) == 1:
                break
        u = rng.randint(4, 9)
        girls = b * u
        boys = a * u
        join = rng.choice([j for j in range(2, 13) if boys + j != girls])
        g = math.gcd(boys + join, girls)
        return Q([P('In a chess club, the ratio of the number of boys to the number of girls is %d : %d. There are %d '
                    'girls in the club.' % (a, b, girls)),
                  part(0, 'How many boys are there in the club?'),
                  part(1, 'Then %d more boys join the club. What is the new ratio of the number of boys to the number '
                          'of girls? Give your answer in its simplest form.' % join),
                  part(2, 'After the new boys join, what fraction of the members of the club are girls? Give your '
                          'answer in its simplest form.')],
                 [('N', 1, str(boys)), ('R', 2, '%d:%d' % ((boys + join) // g, girls // g)),
                  ('F', 2, fkey(Fr(girls, girls + boys + join)))],
                 'Answer each part.')
    if kind == 1:
        while True:
            r = sorted(rng.sample(range(1, 8), 3))
            if math.gcd(math.gcd(r[0], r[1]), r[2]) == 1 and math.gcd(r[0], r[2]) > 1 or \
                    math.gcd(math.gcd(r[0], r[1]), r[2]) == 1:
                break
        rng.shuffle(r)
        u = rng.randint(5, 20)
        total = sum(r) * u
        n = rng.sample(NAMES, 3)
        g = math.gcd(r[0], r[2])
        fb = Fr(r[1], sum(r))
        while True:
            gift = rng.randint(1, r[2] * u - 1)
            g2 = math.gcd(r[0] * u + gift, r[2] * u - gift)
            if g2 > 1 and gift != (r[2] - r[0]) * u / 2:
                break
        return Q([P('%s, %s and %s share %s in the ratio %d : %d : %d.' % (n[0], n[1], n[2], money_short(total),
                                                                           r[0], r[1], r[2])),
                  part(0, 'How much money does %s receive?' % n[2]),
                  part(1, 'What is the ratio of %s\'s share to %s\'s share? Give your answer in its simplest form.'
                       % (n[0], n[2])),
                  part(2, 'What fraction of the money does %s receive? Give your answer in its simplest form.' % n[1]),
                  part(3, '%s then gives %s to %s. What is the ratio of %s\'s money to %s\'s money now? Give your '
                          'answer in its simplest form.' % (n[2], money_short(gift), n[0], n[0], n[2]))],
                 [('N', 2, str(r[2] * u)), ('R', 1, '%d:%d' % (r[0] // g, r[2] // g)), ('F', 1, fkey(fb)),
                  ('R', 2, '%d:%d' % ((r[0] * u + gift) // g2, (r[2] * u - gift) // g2))],
                 'Answer each part.')
    a, b = rng.choice([(1, 4), (2, 7), (1, 5), (2, 5), (3, 7), (1, 3)])
    conc = a * rng.choice([50, 100, 150])
    drink_total = D((a + b) * rng.choice([100, 200, 300])) / 1000
    water2 = drink_total * 1000 * b / (a + b)
    drink3 = (a + b) * rng.choice([30, 40, 50, 60])
    return Q([P('A fruit drink is made by mixing concentrate and water in the ratio %d : %d.' % (a, b)),
              part(0, 'How many millilitres of drink can be made with %d ml of concentrate?' % conc),
              part(1, 'How many millilitres of water are needed to make %s litres of drink?' % dstr(drink_total)),
              part(2, 'In %d ml of the drink, how many more millilitres of water than concentrate are there?'
                   % drink3)],
             [('N', 1, str(conc * (a + b) // a)), ('N', 2, dstr(water2)), ('N', 2, str(drink3 * (b - a) // (a + b)))],
             'Answer each part.')


def m_fraction(rng, qid, v):
    kind = v % 3
    if kind == 0:
        while True:
            a, b = rand_frac(rng, 3, 8), rand_frac(rng, 3, 10)
            spent = a + b
            if spent < 1 and a.denominator != b.denominator:
                break
        left = 1 - spent
        while True:
            amt = left.numerator * rng.randint(3, 12)
            total = Fr(amt) / left
            if (abs(a - b) * total).denominator == 1:
                break
        more, less = ('book', 'bag') if a > b else ('bag', 'book')
        name = rng.choice(BOYS)
        return Q([P('%s spent %s of his money on a book and %s of his money on a bag.' % (name, fh(a), fh(b))),
                  part(0, 'What fraction of his money did he spend altogether? Give your answer in its simplest form.'),
                  part(1, 'He had &pound;%d left. How much money did he have at first?' % amt),
                  part(2, 'How much more did he spend on the %s than on the %s?' % (more, less))],
                 [('F', 1, fkey(spent)), ('N', 2, str(total.numerator)), ('N', 2, nkey(abs(a - b) * total))],
                 'Give your answers to (b) and (c) in pounds.')
    if kind == 1:
        while True:
            a, b = rand_frac(rng, 3, 8), rand_frac(rng, 2, 5)
            total = a.denominator * b.denominator * rng.randint(3, 10)
            morn = total * a
            aft = (total - morn) * b
            rest = total - morn - aft
            if morn.denominator == 1 and aft.denominator == 1 and rest > 0 and 100 <= total <= 720:
                break
        return Q([P('A school canteen had %d sandwiches. %s of them were sold at break time. %s of the remaining '
                    'sandwiches were sold at lunch time.' % (total, fh(a), fh(b))),
                  part(0, 'How many sandwiches were sold at break time?'),
                  part(1, 'How many sandwiches were left at the end of lunch time?'),
                  part(2, 'What fraction of the sandwiches were left? Give your answer in its simplest form.')],
                 [('N', 1, str(morn)), ('N', 2, str(rest)), ('F', 1, fkey(Fr(rest, total)))],
                 'Answer each part.')
    while True:
        full = rng.choice([12, 15, 18, 20, 24, 30])
        f1 = rand_frac(rng, 2, 6)
        used = rand_frac(rng, 3, 5)
        water = full * f1
        use_amt = water * used
        if water.denominator == 1 and use_amt.denominator == 1 or (use_amt * 10).denominator == 1:
            if (water * 10).denominator == 1:
                break
    left = water - use_amt
    return Q([P('A water container holds %d litres when it is full. It is %s full. Then %s of the water in it is '
                'used to water some plants.' % (full, fh(f1), fh(used))),
              part(0, 'How many litres of water were in the container before the plants were watered?'),
              part(1, 'How many litres of water are left in the container?'),
              part(2, 'What fraction of the full container is filled with water now? Give your answer in its simplest '
                      'form.')],
             [('N', 1, nkey(water)), ('N', 2, nkey(left)), ('F', 1, fkey(left / full))],
             'Give your answers to (a) and (b) in litres.')


def m_dec(rng, qid, v):
    kind = v % 2
    if kind == 0:
        items = [('Exercise book', rng.randint(17, 32)), ('Pen', rng.randint(9, 24)),
                 ('Ruler', rng.randint(12, 26)), ('Glue stick', rng.randint(19, 48))]
        items = [(n, D(p * 5) / 100) for n, p in items]
        i, j = rng.sample(range(4), 2)
        ni, nj = rng.randint(2, 5), rng.randint(2, 4)
        cost = items[i][1] * ni + items[j][1] * nj
        note = 20 if cost < 20 else 50
        k = rng.choice([t for t in range(4) if t not in (i, j)])
        budget = rng.choice([5, 10])
        can = int(D(budget) // items[k][1])
        html = [P('The table shows the prices of some items in a school shop.')]
        html += table(['Item', 'Price'], [[n, money(p)] for n, p in items])
        name = rng.choice(NAMES)
        html += [part(0, '%s buys %d %ss and %d %ss. How much does %s pay altogether?'
                      % (name, ni, items[i][0].lower(), nj, items[j][0].lower(), name)),
                 part(1, '%s pays with a &pound;%d note. How much change does %s receive?' % (name, note, name)),
                 part(2, 'What is the greatest number of %ss that can be bought with &pound;%d?'
                      % (items[k][0].lower(), budget))]
        return Q(html, [('N', 2, dstr(cost)), ('N', 1, dstr(note - cost)), ('N', 2, str(can))],
                 'Give your answers to (a) and (b) in pounds.')
    while True:
        roll = rng.choice([20, 25, 30])
        piece = D(rng.randint(21, 39) * 5) / 100
        n = rng.randint(6, 12)
        used = piece * n
        left = roll - used
        small = D(rng.choice([25, 30, 40, 45, 50])) / 100
        if left > 2:
            break
    count = int(left // small)
    return Q([P('A roll of ribbon is %d m long. Mrs Ong cuts %d pieces, each %s m long, from the roll.'
                % (roll, n, dstr(piece))),
              part(0, 'What length of ribbon does she cut off altogether? Give your answer in metres.'),
              part(1, 'What length of ribbon is left on the roll? Give your answer in metres.'),
              part(2, 'She cuts the ribbon that is left into pieces, each %s m long. What is the greatest number of '
                      'these pieces she can cut?' % dstr(small))],
             [('N', 1, dstr(used)), ('N', 1, dstr(left)), ('N', 2, str(count))], 'Answer each part.')


def m_whole(rng, qid, v):
    kind = v % 4
    if kind == 0:
        rows, seats = rng.randint(18, 32), rng.randint(24, 40)
        total = rows * seats
        sold = total - rng.randint(40, 150)
        price = rng.choice([8, 12, 15, 18, 25])
        return Q([P('A concert hall has %d rows of seats. There are %d seats in each row.' % (rows, seats)),
                  part(0, 'How many seats are there in the hall?'),
                  part(1, 'For one concert, %s tickets were sold. How many seats were empty?' % num(sold)),
                  part(2, 'Each ticket cost &pound;%d. How much money was collected from the tickets sold? Give your answer '
                          'in pounds.' % price)],
                 [('N', 1, str(total)), ('N', 1, str(total - sold)), ('N', 2, str(sold * price))],
                 'Show your working on paper.')
    if kind == 1:
        per = rng.choice([12, 24, 36])
        boxes = rng.randint(35, 80)
        toys = per * boxes
        days = rng.randint(5, 6)
        price = rng.choice([45, 60, 75, 90])
        return Q([P('A factory makes %s toys every day. The toys are packed in boxes of %d.' % (num(toys), per)),
                  part(0, 'How many boxes of toys does the factory pack each day?'),
                  part(1, 'How many toys does the factory make in %d days?' % days),
                  part(2, 'Each box is sold for &pound;%d. How much money does the factory receive for one day\'s boxes? '
                          'Give your answer in pounds.' % price)],
                 [('N', 1, str(boxes)), ('N', 2, str(toys * days)), ('N', 2, str(boxes * price))],
                 'Show your working on paper.')
    if kind == 3:
        while True:
            pupils, teachers = rng.randint(180, 360), rng.randint(12, 30)
            seats = rng.choice([40, 45, 48, 50])
            people = pupils + teachers
            if people % seats:
                break
        coaches = -(-people // seats)
        hire = rng.choice([280, 320, 350, 380, 420])
        ticket = rng.choice([6, 8, 12, 15])
        return Q([P('%d pupils and %d teachers are going on a school trip by coach. Each coach has %d seats.'
                    % (pupils, teachers, seats)),
                  part(0, 'How many people are going on the trip?'),
                  part(1, 'What is the smallest number of coaches needed to take everyone?'),
                  part(2, 'It costs &pound;%d to hire each coach. What is the total cost of hiring the coaches? Give your '
                          'answer in pounds.' % hire),
                  part(3, 'Each pupil pays &pound;%d for a museum ticket. Teachers go in free. How much do the pupils pay '
                          'altogether for their tickets? Give your answer in pounds.' % ticket)],
                 [('N', 1, str(people)), ('N', 2, str(coaches)), ('N', 1, str(coaches * hire)),
                  ('N', 2, str(pupils * ticket))],
                 'Show your working on paper.')
    n = rng.randint(120, 480)
    k = rng.choice([3, 5])
    n1, n2 = rng.sample(NAMES, 2)
    return Q([P('%s has %d stamps. %s has %d times as many stamps as %s.' % (n1, n, n2, k, n1)),
              part(0, 'How many stamps does %s have?' % n2),
              part(1, 'How many stamps do they have altogether?'),
              part(2, 'How many stamps must %s give to %s so that they both have the same number of stamps?'
                   % (n2, n1))],
             [('N', 1, str(k * n)), ('N', 1, str((k + 1) * n)), ('N', 2, str((k - 1) * n // 2))],
             'Show your working on paper.')


def m_volume(rng, qid, v):
    kind = v % 2
    if kind == 0:
        e = rng.choice([2, 3, 4])
        L, B, H = (e * rng.randint(3, 7) for _ in range(3))
        ncubes = (L // e) * (B // e) * (H // e)
        cube_mass = rng.choice([15, 20, 24, 25, 40])
        fig = fig_cuboid(L, B, H)
        fig.note('Not drawn to scale')
        alt = 'A box in the shape of a cuboid %d cm by %d cm by %d cm.' % (L, B, H)
        return Q([P('A box in the shape of a cuboid measures %d cm by %d cm by %d cm.' % (L, B, H)),
                  figure_html(qid, alt),
                  part(0, 'What is the volume of the box? Give your answer in %s.' % CM3),
                  part(1, 'How many cubes of edge %d cm can be packed into the box so that it is completely full?'
                       % e),
                  part(2, 'Each of these cubes has a mass of %d g. What is the total mass of the cubes that fill the '
                          'box? Give your answer in kg.' % cube_mass)],
                 [('N', 1, str(L * B * H)), ('N', 2, str(ncubes)), ('N', 2, dstr(D(ncubes * cube_mass) / 1000))],
                 'Answer each part.', fig)
    a, b, c = rng.randint(3, 6), rng.randint(2, 5), rng.randint(2, 4)
    big = max(a, b, c) + rng.randint(1, 2)
    cube_g = rng.choice([2, 3, 5, 8])
    fig = fig_cuboid(a, b, c, unit='cm')
    fig.note('Not drawn to scale')
    alt = 'A cuboid built from 1-centimetre cubes, %d cm by %d cm by %d cm.' % (a, b, c)
    return Q([P('Leila builds a solid cuboid %d cm long, %d cm wide and %d cm high from 1-cm cubes.' % (a, b, c)),
              figure_html(qid, alt),
              part(0, 'How many 1-cm cubes does she use?'),
              part(1, 'She wants to add more 1-cm cubes to make a solid cube of edge %d cm. How many more 1-cm cubes '
                      'does she need?' % big),
              part(2, 'Each 1-cm cube has a mass of %d g. What is the mass of the solid cube of edge %d cm? Give your '
                      'answer in grams.' % (cube_g, big))],
             [('N', 1, str(a * b * c)), ('N', 2, str(big ** 3 - a * b * c)), ('N', 1, str(cube_g * big ** 3))],
             'Answer each part.', fig)


def m_area(rng, qid, v):
    kind = v % 2
    if kind == 0:
        while True:
            W = rng.randint(14, 30)
            H = rng.randint(10, 22)
            w = rng.randint(4, W - 6)
            h = rng.randint(4, H - 4)
            if abs(W - 2 * w) > 1 and abs(H - 2 * h) > 1:
                break
        fig = fig_lshape(W, H, w, h, unit='m', shade=True)
        fig.note('Not drawn to scale')
        price = rng.choice([5, 6, 8, 12, 15])
        alt = ('An L-shaped garden. The bottom side is %d m, the left side is %d m, the top side is %d m and the short '
               'right side is %d m.' % (W, H, W - w, H - h))
        return Q([P('The figure shows an L-shaped garden. All its corners are right angles.'), figure_html(qid, alt),
                  part(0, 'Find the perimeter of the garden. Give your answer in m.'),
                  part(1, 'Find the area of the garden. Give your answer in %s.' % M2),
                  part(2, 'Turf for the garden costs &pound;%d per %s. How much does it cost to cover the whole garden with '
                          'turf? Give your answer in pounds.' % (price, M2))],
                 [('N', 1, str(2 * (W + H))), ('N', 2, str(W * H - w * h)), ('N', 2, str(price * (W * H - w * h)))],
                 'Show your working on paper.', fig)
    # square cut from a rectangle card
    L, W = rng.randint(16, 30), rng.randint(12, 20)
    s = rng.randint(4, min(L, W) - 6)
    fig = Fig(320, 220)
    A, B, C, Dp = (0.0, 0.0), (float(L), 0.0), (float(L), float(W)), (0.0, float(W))
    fig.poly([A, B, C, Dp], fill='#d9d9d9')
    x0, y0 = (L - s) / 2, (W - s) / 2
    sq = [(x0, y0), (x0 + s, y0), (x0 + s, y0 + s), (x0, y0 + s)]
    fig.poly(sq, fill='white')
    cen = (L / 2, W / 2)
    fig.side(A, B, '%d cm' % L, cen)
    fig.side(Dp, A, '%d cm' % W, cen)
    fig.side(sq[0], sq[1], '%d cm' % s, (cen[0], cen[1] + s), off=12)
    fig.note('Not drawn to scale')
    alt = 'A shaded rectangular card %d cm by %d cm with a square hole of side %d cm.' % (L, W, s)
    return Q([P('A square hole of side %d cm is cut from a rectangular card measuring %d cm by %d cm. The card that '
                'is left is shaded.' % (s, L, W)), figure_html(qid, alt),
              part(0, 'Find the area of the shaded card. Give your answer in %s.' % CM2),
              part(1, 'Find the total length of all the edges of the shaded card, including the edges of the hole. '
                      'Give your answer in cm.'),
              part(2, 'What fraction of the whole rectangle is cut out as the hole? Give your answer in its simplest '
                      'form.')],
             [('N', 2, str(L * W - s * s)), ('N', 2, str(2 * (L + W) + 4 * s)), ('F', 1, fkey(Fr(s * s, L * W)))],
             'Answer each part.', fig)


# ---------------------------------------------------------------------------
# paper plans
# ---------------------------------------------------------------------------

PLANS = {
    131: [
        a_digit_value, a_prime_q, a_frac_simplest, a_dec_compare_q, a_percent_of, a_angle_straight,
        a_cube_volume, a_ratio_simplest,
        b_group, b_frac_add, b_dec_mult, b_angle_triangle, b_pct_of, b_composite, b_mean_missing,
        c_wn_word, c_frac_remainder, c_ratio_diff,
        m_angle, m_pct, m_tank, m_data, m_speed, m_whole, m_fraction,
    ],
    132: [
        a_figures, a_common_factor_q, a_improper_mixed, a_dec_round, a_to_percent, a_angle_type_q,
        a_square_perimeter, a_frac_to_dec,
        b_hcf_lcm, b_frac_mult, b_dec_div, b_angle_isosceles, b_pct_discount, b_area_triangle, b_group,
        c_pct_word, c_dec_word, c_mean_change,
        m_angle, m_fraction, m_volume, m_dec, m_ratio, m_data, m_whole,
    ],
    133: [
        a_order_ops, a_round_q, a_frac_compare_q, a_dec_digit_value, a_percent_to_frac, a_angle_straight,
        a_units_volume, a_speed_simple,
        b_order_ops_brackets, b_frac_div, b_dec_measure, b_angle_quad, b_rate, b_cuboid, b_group,
        c_shaded, c_wn_word, c_frac_remainder,
        m_angle, m_tank, m_speed, m_pct, m_whole, m_ratio, m_dec,
    ],
    134: [
        a_digit_value, a_prime_q, a_improper_mixed, a_dec_mult10, a_mean_simple, a_turn,
        a_rect_q, a_ratio_simplest,
        b_missing_number, b_frac_of_qty, b_dec_money, b_angle_point, b_speed, b_composite, b_ratio_from_fraction,
        c_ratio_diff, c_rate_word, c_pct_word,
        m_angle, m_area, m_data, m_fraction, m_dec, m_volume, m_speed,
    ],
    135: [
        a_figures, a_order_ops, a_frac_simplest, a_dec_compare_q, a_to_percent, a_angle_type_q,
        a_cube_volume, a_frac_to_dec,
        b_group, b_frac_mult, b_dec_div, b_angle_quad, b_pct_discount, b_angle_triangle, b_cuboid,
        c_shaded, c_dec_word, c_mean_change,
        m_angle, m_tank, m_pct, m_ratio, m_area, m_whole,
    ],
}


# ---------------------------------------------------------------------------
# checks and output
# ---------------------------------------------------------------------------

KEY_RES = {
    'N': re.compile(r'^\d+(\.\d+)?$'),
    'Q': re.compile(r'^[1-4]$'),
    'F': re.compile(r'^[1-9]\d*/[1-9]\d*$'),
    'X': re.compile(r'^[1-9]\d* [1-9]\d*/[1-9]\d*$'),
    'R': re.compile(r'^[1-9]\d*(:[1-9]\d*)+$'),
}


def check_key(t, key, slots_in_group=None):
    assert '\t' not in key and '\n' not in key and '#' not in key and '>' not in key, key
    if t == 'N':
        assert KEY_RES['N'].match(key), key
        float(key)
        if '.' in key:
            assert not key.endswith('0'), key
    elif t == 'Q':
        assert KEY_RES['Q'].match(key), key
    elif t == 'F':
        assert KEY_RES['F'].match(key), key
        n, d = map(int, key.split('/'))
        assert math.gcd(n, d) == 1 and d > 1, key
    elif t == 'X':
        assert KEY_RES['X'].match(key), key
        w, fr = key.split(' ')
        n, d = map(int, fr.split('/'))
        assert n < d and math.gcd(n, d) == 1, key
    elif t == 'R':
        assert KEY_RES['R'].match(key), key
        parts = list(map(int, key.split(':')))
        g = 0
        for p_ in parts:
            g = math.gcd(g, p_)
        assert g == 1, key
    elif t in ('M', 'G'):
        assert key.startswith(';') and len(key) > 1, key
        alts = key[1:].split(';')
        assert all(a.strip() for a in alts), key
        assert len(set(a.lower() for a in alts)) == len(alts), key
    else:
        raise AssertionError(t)


def check_html(lines):
    text = '\n'.join(lines)
    # only the classes the stylesheet knows
    for cls in re.findall(r'class="([^"]*)"', text):
        assert cls in ('part', 'options', 'data', 'passage', 'figure', 'blank', 'frac'), cls
    assert 'style=' not in text and '<script' not in text.lower() and 'http' not in text
    # bare ampersands and angle brackets
    for m in re.finditer(r'&', text):
        assert re.match(r'&(#\d+|[a-zA-Z]+);', text[m.start():]), text[m.start():m.start() + 20]
    stripped = re.sub(r'<[^<>]*>', '', text)
    assert '<' not in stripped and '>' not in stripped, stripped
    # tags balance
    stack = []
    for m in re.finditer(r'<(/?)([a-zA-Z0-9]+)([^<>]*)>', text):
        close, tag, rest = m.group(1), m.group(2).lower(), m.group(3)
        if tag in ('img', 'br'):
            continue
        if close:
            assert stack and stack[-1] == tag, (stack, tag, text)
            stack.pop()
        else:
            stack.append(tag)
    assert not stack, stack
    for ln in lines:
        assert not ln.startswith('#') and not ln.startswith('answer:') and not ln.startswith('instruction:') \
            and not ln.startswith('==')


def check_svg(svg):
    assert svg.count('<svg') == 1 and '</svg>' in svg
    assert 'nan' not in svg.lower().replace('font', '')
    w = int(re.search(r'<svg[^>]* width="(\d+)"', svg).group(1))
    h = int(re.search(r'<svg[^>]* height="(\d+)"', svg).group(1))
    assert 240 <= w <= 360 and 80 <= h <= 320, (w, h)
    for x, y in re.findall(r'<text x="([-\d.]+)" y="([-\d.]+)"', svg):
        assert 0 <= float(x) <= w and 0 <= float(y) <= h, (x, y, w, h)


def build():
    rng = random.Random(SEED)
    uses = {}
    qid = FIRST_ID
    papers = {}
    figures = {}
    for paper in PAPERS:
        qs = []
        for gen in PLANS[paper]:
            v = uses.get(gen.__name__, 0)
            uses[gen.__name__] = v + 1
            for _ in range(50):
                q = gen(rng, qid, v)
                nkeys = [k for t, _, k in q.answers if t != 'G']
                if len(set(nkeys)) == len(nkeys):
                    break
            else:
                raise AssertionError('parts share an answer: %d' % qid)
            if q.fig is not None:
                figures[qid] = q.fig.render()
                tb = q.fig.text_boxes
                for i1 in range(len(tb)):
                    for i2 in range(i1 + 1, len(tb)):
                        a_, b_ = tb[i1], tb[i2]
                        ox = min(a_[2], b_[2]) - max(a_[0], b_[0])
                        oy = min(a_[3], b_[3]) - max(a_[1], b_[1])
                        assert not (ox > 1 and oy > 1), ('labels overlap', qid, a_, b_)
                assert any('figures/q%d.svg' % qid in ln for ln in q.html)
            else:
                assert not any('<img' in ln for ln in q.html)
            qs.append((qid, q))
            qid += 1
        papers[paper] = qs
    assert qid - 1 == LAST_ID, qid - 1
    return papers, figures


def write_all():
    papers, figures = build()
    os.makedirs(FIGDIR, exist_ok=True)
    seen = set()
    last = 0
    summary = []
    topic_of = {}
    for paper in PAPERS:
        qs = papers[paper]
        out = ['# Mock Examination, paper %d' % (paper - 130),
               '# Section A: questions 1-8 (1 mark each). Section B: questions 9-%d. '
               'Section C: questions %d-%d.' % (8 + sum(1 for g in PLANS[paper] if g.__name__.startswith('b_')),
                                               9 + sum(1 for g in PLANS[paper] if g.__name__.startswith('b_')),
                                               len(qs)),
               '']
        slots = marks = 0
        for qid, q in qs:
            assert qid > last and qid not in seen
            seen.add(qid)
            last = qid
            assert 1 <= len(q.answers) <= 20
            check_html(q.html)
            n_parts = sum(1 for ln in q.html if ln.startswith('<p class="part">'))
            if len(q.answers) > 1:
                assert n_parts == len(q.answers), (qid, n_parts, len(q.answers))
                for i in range(n_parts):
                    assert any(ln.startswith('<p class="part">(%s)' % 'abcdefghij'[i]) for ln in q.html), qid
            else:
                assert n_parts == 0, qid
            opts = [ln for ln in q.html if 'class="options"' in ln]
            has_q = any(t == 'Q' for t, _, _ in q.answers)
            if has_q:
                assert len(opts) == 1 and opts[0].count('<li>') == 4
            else:
                assert not opts
            i = 0
            while i < len(q.answers):
                t, mk, key = q.answers[i]
                assert mk in (1, 2)
                if t == 'G':
                    j = i + 1
                    while j < len(q.answers) and q.answers[j][2] == '[space]':
                        assert q.answers[j][0] == 'G'
                        j += 1
                    n_alts = len(key[1:].split(';'))
                    assert n_alts >= j - i, (qid, key)
                    check_key('G', key)
                    i = j
                    continue
                assert key != '[space]'
                check_key(t, key)
                i += 1
            for ln in q.html:
                for src in re.findall(r'src="([^"]+)"', ln):
                    assert src == 'figures/q%d.svg' % qid
            out.append('== %d' % qid)
            if q.instruction:
                assert '\n' not in q.instruction
                out.append('instruction: %s' % q.instruction)
            out.extend(q.html)
            for t, mk, key in q.answers:
                out.append('answer: %s %d %s' % (t, mk, key))
            out.append('')
            slots += len(q.answers)
            marks += sum(mk for _, mk, _ in q.answers)
        assert slots <= 80 and 50 <= marks <= 100, (paper, slots, marks)
        summary.append((paper, len(qs), slots, marks))
        with open(os.path.join(OUT, '%d.txt' % paper), 'w', encoding='utf-8', newline='\n') as fh_:
            fh_.write('\n'.join(out).rstrip('\n') + '\n')
    # figures: remove stale ones of this topic, then write
    for name in os.listdir(FIGDIR):
        if re.match(r'^q27\d{3}\.svg$', name) and int(name[1:6]) not in figures:
            os.remove(os.path.join(FIGDIR, name))
    for qid, svg in sorted(figures.items()):
        check_svg(svg)
        with open(os.path.join(FIGDIR, 'q%d.svg' % qid), 'w', encoding='utf-8', newline='\n') as fh_:
            fh_.write(svg)
    for qid in figures:
        assert os.path.exists(os.path.join(FIGDIR, 'q%d.svg' % qid))
    for paper, n, slots, marks in summary:
        print('paper %d: %d questions, %d slots, %d marks' % (paper, n, slots, marks))
    print('figures: %d' % len(figures))


if __name__ == '__main__':
    write_all()
