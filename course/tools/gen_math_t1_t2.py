#!/usr/bin/env python3
"""Writes the Mathematics papers for topic 1, Whole Numbers (papers 101-105,
ids 21001..) and topic 2, Fractions and Ratio (papers 106-110, ids 22001..),
together with their diagrams in course/mathematics/figures/.

    python3 course/tools/gen_math_t1_t2.py

Standard library only. Every paper has its own fixed random seed, so running
the script twice writes identical files. Every answer key is worked out here
from the very numbers printed on the page.
"""

import itertools
import math
import os
import random
import re
from fractions import Fraction
from html.parser import HTMLParser

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
MATHS = os.path.join(COURSE, 'mathematics')
FIGS = os.path.join(MATHS, 'figures')

TIMES = '&times;'
DIVIDE = '&divide;'
MINUS = '&minus;'
POUND = '&pound;'
BLANK = '<span class="blank">&nbsp;</span>'
FIG = '{FIGURE}'   # replaced by figures/q<id>.svg when the paper is put together

NAMES = ['Aisha', 'Ben', 'Chloe', 'Daniel', 'Ella', 'Femi', 'Grace', 'Harry',
         'Isla', 'Jack', 'Kiran', 'Leo', 'Maya', 'Noah', 'Olivia', 'Priya',
         'Ravi', 'Sofia', 'Tom', 'Zara', 'Omar', 'Lucy', 'Sam', 'Mei']


# ---------------------------------------------------------------- helpers

class Question:
    """One question: its body lines, its answer slots and an optional diagram."""

    def __init__(self, lines, answers, instruction=None, figure=None):
        self.lines = lines            # HTML lines of the body
        self.answers = answers        # list of (type, marks, key)
        self.instruction = instruction
        self.figure = figure          # SVG text, or None


# How many times the current plan item has already appeared in this paper
# (0 for the first), and the kinds of context already used in this topic.
OCC = [0]
USED_KINDS = set()


def fresh_kind(rng, family, count):
    """A context number for `family` not yet used in this topic, if one is left."""
    left = [k for k in range(count) if (family, k) not in USED_KINDS]
    k = rng.choice(left or list(range(count)))
    USED_KINDS.add((family, k))
    return k


def fmt(n):
    """A whole number as printed on the page: 4500, 24&nbsp;075, 3&nbsp;250&nbsp;000."""
    return group_digits(n, '&nbsp;')


def fmt_plain(n):
    """The same with ordinary spaces, for SVG text."""
    return group_digits(n, ' ')


def group_digits(n, sep):
    if isinstance(n, Fraction):
        assert n.denominator == 1
        n = n.numerator
    assert isinstance(n, int) and n >= 0
    s = str(n)
    if n < 10000:
        return s
    out = []
    while s:
        out.append(s[-3:])
        s = s[:-3]
    return sep.join(reversed(out))


def money(n):
    return POUND + fmt(n)


def P(text):
    return '<p>%s</p>' % text


def part(i, text):
    return '<p class="part">(%s) %s</p>' % ('abcdefghijklmnopqrst'[i], text)


def fh(a, b):
    """A written fraction a/b (not simplified)."""
    return '<span class="frac"><sup>%s</sup>&frasl;<sub>%s</sub></span>' % (a, b)


def mh(w, a, b):
    """A written mixed number."""
    return '%d%s' % (w, fh(a, b))


def fv(f):
    """A Fraction written as a whole number, proper fraction or mixed number."""
    f = Fraction(f)
    if f.denominator == 1:
        return str(f.numerator)
    if f < 1:
        return fh(f.numerator, f.denominator)
    w = f.numerator // f.denominator
    r = f - w
    return mh(w, r.numerator, r.denominator)


def fv_improper(f):
    f = Fraction(f)
    return fh(f.numerator, f.denominator)


def key_f(f):
    f = Fraction(f)
    assert f.denominator > 1 and f > 0
    return '%d/%d' % (f.numerator, f.denominator)


def key_x(f):
    f = Fraction(f)
    assert f > 1 and f.denominator > 1
    w = f.numerator // f.denominator
    r = f - w
    return '%d %d/%d' % (w, r.numerator, r.denominator)


def ans_frac(f, marks=1):
    """The slot for a fraction answer asked for in its simplest form: a whole
    number, a proper fraction, or a mixed number (accepted also improper)."""
    f = Fraction(f)
    assert f > 0
    if f.denominator == 1:
        return ('N', marks, str(f.numerator))
    if f < 1:
        return ('F', marks, key_f(f))
    return ('M', marks, ';%s;%s' % (key_x(f), key_f(f)))


def ans_n(n, marks=1):
    if isinstance(n, Fraction):
        assert n.denominator == 1
        n = n.numerator
    assert isinstance(n, int) and n >= 0
    return ('N', marks, str(n))


def ans_r(parts, marks=1):
    g = 0
    for p in parts:
        g = math.gcd(g, p)
    return ('R', marks, ':'.join(str(p // g) for p in parts))


def group(alternatives, slots, marks=1):
    """A "name any ..." group: head slot with every alternative, then followers."""
    alts = sorted(set(alternatives))
    assert len(alts) >= slots
    out = [('G', marks, ';' + ';'.join(str(a) for a in alts))]
    out += [('G', marks, '[space]')] * (slots - 1)
    return out


def mcq(rng, correct, wrong):
    """Four options in a shuffled order; returns (html line, answer slot)."""
    opts = [correct] + list(wrong)
    assert len(opts) == 4 and len(set(opts)) == 4, opts
    rng.shuffle(opts)
    html = '<ol class="options">' + ''.join('<li>%s</li>' % o for o in opts) + '</ol>'
    return html, ('Q', 1, str(opts.index(correct) + 1))


def lcm(a, b):
    return a * b // math.gcd(a, b)


def is_prime(n):
    if n < 2:
        return False
    return all(n % k for k in range(2, int(math.isqrt(n)) + 1))


def factors(n):
    return [k for k in range(1, n + 1) if n % k == 0]


def ceil_div(a, b):
    return -(-a // b)


def plural(n, word, many=None):
    return '%s %s' % (fmt(n), word if n == 1 else (many or word + 's'))


PLACE_NAMES = {1: 'one', 10: 'ten', 100: 'hundred', 1000: 'thousand', 10000: 'ten thousand',
               100000: 'hundred thousand', 1000000: 'million'}

UNITS = ['zero', 'one', 'two', 'three', 'four', 'five', 'six', 'seven', 'eight', 'nine',
         'ten', 'eleven', 'twelve', 'thirteen', 'fourteen', 'fifteen', 'sixteen',
         'seventeen', 'eighteen', 'nineteen']
TENS = ['', '', 'twenty', 'thirty', 'forty', 'fifty', 'sixty', 'seventy', 'eighty', 'ninety']


def words_below_100(n):
    if n < 20:
        return UNITS[n]
    return TENS[n // 10] + ('-' + UNITS[n % 10] if n % 10 else '')


def words_below_1000(n):
    h, r = divmod(n, 100)
    if h and r:
        return '%s hundred and %s' % (UNITS[h], words_below_100(r))
    if h:
        return '%s hundred' % UNITS[h]
    return words_below_100(r)


def words(n):
    """A whole number in words, British style: 2 040 006 is
    "two million forty thousand and six"."""
    assert 0 < n < 10 ** 9
    m, rest = divmod(n, 10 ** 6)
    t, u = divmod(rest, 1000)
    parts = []
    if m:
        parts.append(words_below_1000(m) + ' million')
    if t:
        parts.append(words_below_1000(t) + ' thousand')
    if u:
        if parts and u < 100:
            parts.append('and ' + words_below_100(u))
        else:
            parts.append(words_below_1000(u))
    return ' '.join(parts)


def number_with_zeros(rng, ndigits, nzeros):
    while True:
        digits = [rng.randint(1, 9) for _ in range(ndigits)]
        for p in rng.sample(range(1, ndigits), nzeros):
            digits[p] = 0
        n = int(''.join(map(str, digits)))
        if n % 10 or rng.random() < 0.4:
            return n


def random_number(rng, ndigits):
    return rng.randint(10 ** (ndigits - 1), 10 ** ndigits - 1)


def rfrac(rng, dens, lo=Fraction(0), hi=Fraction(1)):
    """A random fraction in simplest form, lo < f < hi, denominator from dens."""
    while True:
        d = rng.choice(dens)
        n = rng.randint(1, 3 * d)
        f = Fraction(n, d)
        if f.denominator == d and lo < f < hi:
            return f


# ---------------------------------------------------------------- arithmetic expressions

class ExprError(Exception):
    pass


def tokens(expr):
    return re.findall(r'\d+|[-+*/()^]', expr)


def evaluate(expr):
    """Evaluates + - * / ^ and brackets with the usual order; refuses a
    negative difference or a division that is not exact."""
    toks = tokens(expr)
    pos = [0]

    def peek():
        return toks[pos[0]] if pos[0] < len(toks) else None

    def take():
        pos[0] += 1
        return toks[pos[0] - 1]

    def atom():
        t = take()
        if t == '(':
            v = add()
            assert take() == ')'
        else:
            v = Fraction(int(t))
        if peek() == '^':
            take()
            v = v ** int(take())
        return v

    def mul():
        v = atom()
        while peek() in ('*', '/'):
            op = take()
            w = atom()
            if op == '*':
                v = v * w
            else:
                if w == 0 or (v / w).denominator != 1:
                    raise ExprError()
                v = v / w
        return v

    def add():
        v = mul()
        while peek() in ('+', '-'):
            op = take()
            w = mul()
            v = v + w if op == '+' else v - w
            if v < 0:
                raise ExprError()
        return v

    v = add()
    assert pos[0] == len(toks)
    return v


def render(expr):
    out = []
    toks = tokens(expr)
    i = 0
    while i < len(toks):
        t = toks[i]
        if t == '^':
            out[-1] += '<sup>%s</sup>' % toks[i + 1]
            i += 2
            continue
        if t == '*':
            out.append(TIMES)
        elif t == '/':
            out.append(DIVIDE)
        elif t == '-':
            out.append(MINUS)
        elif t == '(':
            out.append('(')
        elif t == ')':
            out[-1] += ')'
        elif t.isdigit():
            if out and out[-1] == '(':
                out[-1] = '(' + fmt(int(t))
            else:
                out.append(fmt(int(t)))
        else:
            out.append(t)
        i += 1
    return ' '.join(out)


def fill(template, values):
    return re.sub(r'[a-e]', lambda m: str(values[m.group(0)]), template)


# ---------------------------------------------------------------- diagrams

SHADE = '#b8b8b8'


def svg_open(w, h):
    return ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" '
            'font-family="sans-serif" font-size="14">' % (w, h, w, h),
            '<rect x="0" y="0" width="%d" height="%d" fill="white"/>' % (w, h)]


def svg_close(lines):
    return '\n'.join(lines + ['</svg>']) + '\n'


def svg_bar(n, shaded):
    w, h = 340, 100
    s = svg_open(w, h)
    x0, y0, bw, bh = 20, 20, 300, 60
    cw = bw / n
    for i in range(n):
        s.append('<rect x="%.2f" y="%d" width="%.2f" height="%d" fill="%s" stroke="black" stroke-width="2"/>'
                 % (x0 + i * cw, y0, cw, bh, SHADE if i in shaded else 'white'))
    return svg_close(s)


def svg_grid(rows, cols, shaded):
    c = 40
    w, h = cols * c + 40, rows * c + 40
    w = max(w, 240)
    x0 = (w - cols * c) / 2
    s = svg_open(w, h)
    for r in range(rows):
        for k in range(cols):
            s.append('<rect x="%.1f" y="%d" width="%d" height="%d" fill="%s" stroke="black" stroke-width="2"/>'
                     % (x0 + k * c, 20 + r * c, c, c, SHADE if (r, k) in shaded else 'white'))
    return svg_close(s)


def svg_circle(n, shaded):
    w, h = 260, 200
    cx, cy, r = 130, 100, 85
    s = svg_open(w, h)
    for i in range(n):
        a1 = -math.pi / 2 + 2 * math.pi * i / n
        a2 = -math.pi / 2 + 2 * math.pi * (i + 1) / n
        x1, y1 = cx + r * math.cos(a1), cy + r * math.sin(a1)
        x2, y2 = cx + r * math.cos(a2), cy + r * math.sin(a2)
        s.append('<path d="M %d %d L %.2f %.2f A %d %d 0 0 1 %.2f %.2f Z" fill="%s" stroke="black" '
                 'stroke-width="2"/>' % (cx, cy, x1, y1, r, r, x2, y2, SHADE if i in shaded else 'white'))
    return svg_close(s)


def svg_shapes(kinds, cols):
    """A grid of small shapes; kinds is a list of 'circle', 'triangle', 'square'."""
    c = 44
    rows = ceil_div(len(kinds), cols)
    w, h = max(cols * c + 40, 240), rows * c + 30
    x0 = (w - cols * c) / 2
    s = svg_open(w, h)
    for i, kind in enumerate(kinds):
        r, k = divmod(i, cols)
        x, y = x0 + k * c + c / 2, 15 + r * c + c / 2
        if kind == 'circle':
            s.append('<circle cx="%.1f" cy="%.1f" r="15" fill="white" stroke="black" stroke-width="2"/>' % (x, y))
        elif kind == 'triangle':
            s.append('<polygon points="%.1f,%.1f %.1f,%.1f %.1f,%.1f" fill="%s" stroke="black" stroke-width="2"/>'
                     % (x, y - 15, x - 16, y + 13, x + 16, y + 13, SHADE))
        else:
            s.append('<rect x="%.1f" y="%.1f" width="28" height="28" fill="black" stroke="black"/>'
                     % (x - 14, y - 14))
    return svg_close(s)


def svg_number_line(start, step, intervals, at):
    w, h = 340, 100
    x0, x1, y = 30, 310, 62
    s = svg_open(w, h)
    s.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="black" stroke-width="2"/>' % (x0 - 10, y, x1 + 10, y))
    dx = (x1 - x0) / intervals
    for i in range(intervals + 1):
        big = i in (0, intervals)
        s.append('<line x1="%.1f" y1="%d" x2="%.1f" y2="%d" stroke="black" stroke-width="2"/>'
                 % (x0 + i * dx, y - (9 if big else 6), x0 + i * dx, y + (9 if big else 6)))
    for i in (0, intervals):
        s.append('<text x="%.1f" y="%d" text-anchor="middle">%s</text>'
                 % (x0 + i * dx, y + 28, fmt_plain(start + i * step)))
    ax = x0 + at * dx
    s.append('<line x1="%.1f" y1="14" x2="%.1f" y2="%d" stroke="black" stroke-width="2"/>' % (ax, ax, y - 16))
    s.append('<polygon points="%.1f,%d %.1f,%d %.1f,%d" fill="black"/>'
             % (ax - 6, y - 20, ax + 6, y - 20, ax, y - 10))
    return svg_close(s)


def figure_line(alt):
    return '<div class="figure"><img src="%s" alt="%s"></div>' % (FIG, alt)


# ================================================================ topic 1: Whole Numbers

def t1_digit_value(rng, L):
    nd = {1: 6, 2: 6, 3: 7, 4: 7, 5: 7}[L]
    while True:
        digits = [rng.randint(1, 9)] + [rng.randint(0, 9) for _ in range(nd - 1)]
        p = rng.randint(1 if L < 3 else 3, nd - 1)
        d = digits[nd - 1 - p]
        if d != 0 and digits.count(d) == 1:
            break
    n = int(''.join(map(str, digits)))
    text = rng.choice(['What is the value of the digit <b>%d</b> in %s?' % (d, fmt(n)),
                       'In the number %s, what is the digit <b>%d</b> worth?' % (fmt(n), d),
                       'Write down the value of the digit <b>%d</b> in the number %s.' % (d, fmt(n))])
    return Question([P(text)], [ans_n(d * 10 ** p)], 'Write the value as a number.')


def t1_words_to_figures(rng, L):
    nd, nz = {1: (5, 1), 2: (6, 2), 3: (7, 2), 4: (7, 3), 5: (7, 3)}[L]
    n = number_with_zeros(rng, nd, nz)
    w = words(n)
    frames = [[P('Write <b>%s</b> in figures.' % w)],
              [P('A car has travelled <b>%s</b> kilometres.' % w), P('Write this distance in figures.')],
              [P('A company sold <b>%s</b> bottles of water last year.' % w), P('Write this number in figures.')]]
    if nd >= 6:
        frames.append([P('The population of a city is <b>%s</b>.' % w), P('Write this number in figures.')])
        frames.append([P('A house was sold for <b>%s</b> pounds.' % w), P('Write the price in figures.')])
    return Question(rng.choice(frames), [ans_n(n)], 'Write the number in figures.')


def near_numbers(n):
    """Numbers a pupil might confuse with n: a zero moved, dropped or added."""
    s = str(n)
    out = set()
    for i in range(len(s) - 1):
        if (s[i] == '0') != (s[i + 1] == '0') and not (i == 0 and s[i + 1] == '0'):
            out.add(s[:i] + s[i + 1] + s[i] + s[i + 2:])
    for i in range(1, len(s)):
        if s[i] == '0':
            out.add(s[:i] + s[i + 1:])
    for i in range(1, len(s)):
        out.add(s[:i] + '0' + s[i:])
    return sorted(int(t) for t in out if int(t) != n and t[0] != '0' and len(t) <= 8)


def t1_words_q(rng, L):
    nd, nz = {1: (5, 1), 2: (6, 2), 3: (7, 2), 4: (7, 3), 5: (7, 3)}[L]
    n = number_with_zeros(rng, nd, nz)
    wrong = rng.sample(near_numbers(n), 3)
    if rng.random() < 0.5:
        html, slot = mcq(rng, words(n), [words(m) for m in wrong])
        lines = [P('Which of these is <b>%s</b> written in words?' % fmt(n)), html]
    else:
        html, slot = mcq(rng, fmt(n), [fmt(m) for m in wrong])
        lines = [P('Which number is <b>%s</b>?' % words(n)), html]
    return Question(lines, [slot], 'Choose the correct answer.')


def t1_expanded(rng, L):
    nd, nz = {1: (5, 1), 2: (6, 2), 3: (7, 2), 4: (7, 3), 5: (7, 2)}[L]
    n = number_with_zeros(rng, nd, nz)
    s = str(n)
    terms = [int(c) * 10 ** (len(s) - 1 - i) for i, c in enumerate(s) if c != '0']
    if L <= 2:
        shown = terms[:]
        rng.shuffle(shown) if L == 2 else None
        lines = [P('What number is %s?' % ' + '.join(fmt(t) for t in shown))]
        return Question(lines, [ans_n(n)], 'Write the number in figures.')
    miss = rng.randrange(1, len(terms))
    shown = [fmt(t) if i != miss else BLANK for i, t in enumerate(terms)]
    lines = [P('Find the missing number.'), P('%s = %s' % (fmt(n), ' + '.join(shown)))]
    return Question(lines, [ans_n(terms[miss])], 'Fill in the missing number.')


def round_to(n, place):
    return (n + place // 2) // place * place


def round_number(rng, nd, place):
    while True:
        n = random_number(rng, nd)
        r = n % place
        if r and r != place // 2:
            return n


ROUND_PLACES = {1: [10, 100, 1000], 2: [100, 1000, 10000], 3: [1000, 10000, 100000],
                4: [10000, 100000, 1000000], 5: [1000, 100000, 1000000]}
ROUND_DIGITS = {1: 4, 2: 5, 3: 6, 4: 7, 5: 7}


def round_text(rng, n, place):
    return rng.choice(['Round %s to the nearest %s.',
                       'Write %s correct to the nearest %s.',
                       'What is %s rounded to the nearest %s?']) % (fmt(n), PLACE_NAMES[place])


def t1_round(rng, L):
    place = rng.choice(ROUND_PLACES[L])
    nd = max(ROUND_DIGITS[L], len(str(place)))
    n = round_number(rng, nd, place)
    if L == 1 and rng.random() < 0.3:
        # a number that rolls over into the next place
        n = (n // (place * 10)) * place * 10 + place * 10 - rng.randint(1, place // 2 - 1 if place > 10 else 4)
    return Question([P(round_text(rng, n, place))], [ans_n(round_to(n, place))], 'Round the number.')


def t1_round2(rng, L):
    places = sorted(rng.sample(ROUND_PLACES[L] + ([100] if L >= 3 else []), 2))
    nd = max(ROUND_DIGITS[L] + (1 if L <= 3 else 0), len(str(places[1])))
    while True:
        n = round_number(rng, nd, places[0])
        if n % places[1] not in (0, places[1] // 2):
            break
    ctx = rng.choice(['Look at the number %s.' % fmt(n),
                      'A stadium sold %s tickets in one season.' % fmt(n) if L < 4 else
                      'A country has %s people.' % fmt(n),
                      'A lottery prize was %s.' % money(n)])
    lines = [P(ctx)]
    unit = ' Give your answer in pounds.' if POUND in ctx else ''
    for i, pl in enumerate(places):
        lines.append(part(i, 'Round it to the nearest %s.%s' % (PLACE_NAMES[pl], unit)))
    return Question(lines, [ans_n(round_to(n, pl)) for pl in places], 'Answer each part.')


def t1_round_reverse(rng, L):
    place = rng.choice([10, 100, 1000] if L < 5 else [100, 1000, 10000])
    r = rng.randint(3 + 4 * L, 99) * place * (10 if place == 10 else 1)
    kind = rng.randrange(3)
    if kind == 0:
        lines = [P('A whole number rounded to the nearest %s is %s.' % (PLACE_NAMES[place], fmt(r)))]
        what = 'number it could be'
    elif kind == 1:
        lines = [P('The number of people at a concert was %s, rounded to the nearest %s.'
                   % (fmt(r), PLACE_NAMES[place]))]
        what = 'number of people there could have been'
    else:
        lines = [P('A school says that it has collected %s stamps for charity, to the nearest %s.'
                   % (fmt(r), PLACE_NAMES[place]))]
        what = 'number of stamps it could have collected'
    lines.append(part(0, 'What is the smallest %s?' % what))
    lines.append(part(1, 'What is the greatest %s?' % what))
    return Question(lines, [ans_n(r - place // 2), ans_n(r + place // 2 - 1)], 'Answer each part.')


def t1_compare_q(rng, L):
    nd = {1: 5, 2: 6, 3: 7, 4: 7, 5: 7}[L]
    while True:
        base = random_number(rng, nd)
        s = list(str(base))
        nums = {base}
        while len(nums) < 4:
            t = s[:]
            i, j = sorted(rng.sample(range(1, nd), 2))
            t[i], t[j] = t[j], t[i]
            nums.add(int(''.join(t)))
        if len(nums) == 4:
            break
    nums = sorted(nums)
    big = rng.random() < 0.5
    correct = nums[-1] if big else nums[0]
    html, slot = mcq(rng, fmt(correct), [fmt(m) for m in nums if m != correct])
    lines = [P('Which of these numbers is the %s?' % ('greatest' if big else 'smallest')), html]
    return Question(lines, [slot], 'Choose the correct answer.')


def t1_more_less(rng, L):
    step = rng.choice({1: [10, 100, 1000], 2: [1000, 10000], 3: [10000, 100000],
                       4: [10000, 100000, 1000000], 5: [100000, 1000000, 10000]}[L])
    nd = {1: 5, 2: 6, 3: 6, 4: 7, 5: 7}[L]
    more = rng.random() < 0.5
    while True:
        d = [rng.randint(0, 9) for _ in range(nd)]
        d[0] = rng.randint(1, 8) if more else rng.randint(2, 9)
        p = nd - len(str(step))        # index of the digit that changes
        if L >= 2 and p > 0:             # make the change carry or borrow
            d[p] = 9 if more else 0
            if p - 1 > 0 and rng.random() < 0.5:
                d[p - 1] = 9 if more else 0
        n = int(''.join(map(str, d)))
        if n > step:
            break
    ans = n + step if more else n - step
    text = rng.choice(['What is %s %s than %s?', 'Write down the number that is %s %s than %s.'])
    return Question([P(text % (fmt(step), 'more' if more else 'less', fmt(n)))], [ans_n(ans)],
                    'Work out the answer.')


def t1_number_line(rng, L):
    start_unit, step = {1: (1000, 100), 2: (10000, 1000), 3: (100000, 10000), 4: (10000, 500),
                        5: (100000, 5000)}[L]
    intervals = 10
    start = rng.randint(1, 9) * start_unit
    at = rng.choice([k for k in range(1, intervals) if k != 5])
    value = start + at * step
    svg = svg_number_line(start, step, intervals, at)
    alt = ('A number line from %s to %s divided into %d equal parts, with an arrow pointing to one mark'
           % (fmt_plain(start), fmt_plain(start + intervals * step), intervals))
    lines = [P('What number is the arrow pointing to?'), figure_line(alt)]
    return Question(lines, [ans_n(value)], 'Read the number line.', svg)


def t1_add(rng, L):
    sizes = {1: [4, 4], 2: [5, 4], 3: [5, 5, 4], 4: [6, 6], 5: [7, 6, 5]}[L]
    nums = [random_number(rng, k) for k in sizes]
    total = sum(nums)
    if len(nums) == 2 and rng.random() < 0.4:
        text = 'Find the sum of %s and %s.' % (fmt(nums[0]), fmt(nums[1]))
    else:
        text = 'Work out %s.' % ' + '.join(fmt(m) for m in nums)
    return Question([P(text)], [ans_n(total)], 'Work out the answer.')


def t1_sub(rng, L):
    nd = {1: 4, 2: 5, 3: 6, 4: 7, 5: 7}[L]
    if L == 1:
        a = random_number(rng, 4)
        b = rng.randint(100, a - 100)
    else:
        a = number_with_zeros(rng, nd, min(nd - 2, L))
        b = rng.randint(a // 10, a - a // 10)
    text = rng.choice(['Work out %s %s %s.' % (fmt(a), MINUS, fmt(b)),
                       'Subtract %s from %s.' % (fmt(b), fmt(a)),
                       'Find the difference between %s and %s.' % (fmt(a), fmt(b))])
    return Question([P(text)], [ans_n(a - b)], 'Work out the answer.')


def t1_mul(rng, L):
    da, db = rng.choice({1: [(3, 1)], 2: [(4, 1), (2, 2)], 3: [(3, 2)], 4: [(4, 2)], 5: [(4, 2), (3, 3)]}[L])
    while True:
        a, b = random_number(rng, da), random_number(rng, db)
        if b % 10 and a % 10 and b > 2:
            break
    text = rng.choice(['Work out %s %s %s.' % (fmt(a), TIMES, fmt(b)),
                       'Find the product of %s and %s.' % (fmt(a), fmt(b)) if L >= 3 else
                       'Multiply %s by %s.' % (fmt(a), fmt(b))])
    return Question([P(text)], [ans_n(a * b)], 'Work out the answer.')


def t1_div(rng, L):
    divisors, qd = {1: (range(3, 10), 3), 2: (range(3, 10), 4), 3: (range(11, 20), 3),
                    4: (range(12, 40), 3), 5: (range(21, 60), 3)}[L]
    d = rng.choice(list(divisors))
    q = random_number(rng, qd)
    if L == 5:
        q = rng.randint(300, 999)
    n = d * q
    text = rng.choice(['Work out %s %s %s.' % (fmt(n), DIVIDE, d),
                       'Divide %s by %d.' % (fmt(n), d)])
    return Question([P(text)], [ans_n(q)], 'Work out the answer.')


def t1_div_rem(rng, L):
    d = rng.randint(3, 9) if L <= 3 else rng.randint(11, 25)
    n = rng.randint(500, 9999)
    if n % d == 0:
        n += rng.randint(1, d - 1)
    q, r = divmod(n, d)
    lines = [P('%s is divided by %d.' % (fmt(n), d)),
             part(0, 'What is the quotient?'),
             part(1, 'What is the remainder?')]
    return Question(lines, [ans_n(q), ans_n(r)], 'Answer each part.')


def t1_pow10(rng, L):
    kind = rng.randrange(2)
    if L == 1:
        n = rng.randint(12, 999)
        k = rng.choice([10, 100])
        if kind:
            text, ans = 'Work out %s %s %s.' % (fmt(n), TIMES, fmt(k)), n * k
        else:
            n *= k
            text, ans = 'Work out %s %s %s.' % (fmt(n), DIVIDE, fmt(k)), n // k
    elif L == 2:
        n = rng.randint(21, 999)
        if kind:
            text, ans = 'Work out %s %s 1000.' % (fmt(n), TIMES), n * 1000
        else:
            text, ans = 'Work out %s %s 1000.' % (fmt(n * 1000), DIVIDE), n
    elif L == 3:
        a, b = rng.randint(12, 95) * 10, rng.choice([20, 30, 40, 50, 60, 70, 80, 90, 200, 300])
        if kind:
            text, ans = 'Work out %s %s %s.' % (fmt(a), TIMES, fmt(b)), a * b
        else:
            text, ans = 'Work out %s %s %s.' % (fmt(a * b), DIVIDE, fmt(b)), a
    elif L == 4:
        n = rng.randint(23, 987)
        k = rng.choice([100, 1000])
        if kind:
            lines = [P('Find the missing number.'), P('%s %s %s = %s' % (BLANK, TIMES, fmt(k), fmt(n * k)))]
        else:
            lines = [P('Find the missing number.'), P('%s %s %s = %s' % (fmt(n * k), DIVIDE, BLANK, fmt(n)))]
        return Question(lines, [ans_n(n if kind else k)], 'Fill in the missing number.')
    else:
        a = rng.randint(12, 60) * 100
        b = rng.choice([40, 50, 60, 80, 400, 500, 800])
        if (a * 10) % b == 0 and kind:
            text, ans = 'Work out %s %s %s.' % (fmt(a * 10), DIVIDE, fmt(b)), a * 10 // b
        else:
            text, ans = 'Work out %s %s %s.' % (fmt(a), TIMES, fmt(b)), a * b
    return Question([P(text)], [ans_n(ans)], 'Work out the answer.')


ORDER_TEMPLATES = {
    1: ['a+b*c', 'a-b*c', 'a*b+c', '(a+b)*c', 'a+b/c', 'a-b/c', '(a-b)*c'],
    2: ['a*b-c*d', 'a+b*c-d', '(a+b)/c', 'a/b+c*d', 'a*(b-c)', 'a-(b+c)'],
    3: ['a*(b+c)-d', '(a+b)/c+d', 'a-(b+c)/d', '(a-b)*(c+d)', 'a+b*c/d'],
    4: ['a+b*(c-d)/e', '(a*b-c)/d', 'a-b*c+d*e', '(a+b*c)/d', 'a*b-(c+d)*e'],
    5: ['a*(b+c*d)-e', '(a-b)*(c+d)/e', 'a/(b-c)+d*e', 'a^2-b*c', 'a^2+b^3-c*d', '(a+b)^2/c'],
}
ORDER_RANGES = {1: (2, 20, 60), 2: (2, 15, 80), 3: (2, 15, 100), 4: (2, 12, 120), 5: (2, 12, 100)}


def t1_order_ops(rng, L):
    template = rng.choice(ORDER_TEMPLATES[L])
    lo, hi, big = ORDER_RANGES[L]
    for _ in range(100000):
        vals = {}
        for ch in 'abcde':
            vals[ch] = rng.randint(lo, hi)
        if '^' not in template:
            vals['a'] = rng.randint(lo, big)
        expr = fill(template, vals)
        try:
            v = evaluate(expr)
        except ExprError:
            continue
        if v.denominator == 1 and 0 < v <= 1000 and expr.count('/') <= 1:
            break
    else:
        raise RuntimeError(template)
    text = rng.choice(['Work out %s.', 'Calculate %s.', 'Find the value of %s.'])
    return Question([P(text % render(expr))], [ans_n(int(v))], 'Work out the answer.')


def t1_brackets_q(rng, L):
    forms = ['(a+b)*c-d', 'a+b*(c-d)', '(a+b)*(c-d)', 'a+b*c-d']
    if L >= 5 and rng.random() < 0.5:
        forms = ['(a-b)*c+d', 'a-b*(c+d)', '(a-b)*(c+d)', 'a-b*c+d']
    while True:
        vals = dict(zip('abcd', rng.sample(range(2, 13), 4)))
        if forms[0].startswith('(a-b)'):
            vals['a'] = rng.randint(20, 70)
        if abs(vals['c'] - vals['d']) < 2:
            continue
        exprs = [fill(f, vals) for f in forms]
        try:
            results = [evaluate(e) for e in exprs]
        except ExprError:
            continue
        if len(set(results)) == 4:
            break
    i = rng.randrange(3)       # never the version without brackets
    target = int(results[i])
    html, slot = mcq(rng, render(exprs[i]), [render(e) for k, e in enumerate(exprs) if k != i])
    lines = [P('Which calculation has the answer <b>%d</b>?' % target), html]
    return Question(lines, [slot], 'Choose the correct answer.')


def t1_missing(rng, L):
    if L == 1:
        b = rng.randint(1200, 4800)
        total = rng.choice([5000, 6000, 10000, 8000])
        a = total - b
        lines = [P('%s + %s = %s' % (BLANK, fmt(b), fmt(total)))]
        ans = a
    elif L == 2:
        b = rng.randint(3, 9)
        a = rng.randint(120, 999)
        lines = [P('%s %s %d = %s' % (BLANK, TIMES, b, fmt(a * b)))]
        ans = a
    elif L == 3:
        q = rng.randint(12, 60)
        d = rng.randint(12, 99)
        lines = [P('%s %s %s = %d' % (fmt(q * d), DIVIDE, BLANK, q))]
        ans = d
    elif L == 4:
        d = rng.randint(12, 25)
        q = rng.randint(120, 480)
        lines = [P('%s %s %d = %d' % (BLANK, DIVIDE, d, q))]
        ans = d * q
    else:
        a = rng.randint(12, 40)
        b = rng.randint(3, 9)
        c = rng.randint(100, 500)
        lines = [P('%d %s %s + %s = %s' % (a, TIMES, BLANK, fmt(c), fmt(a * b * 10 + c)))]
        ans = b * 10
    return Question([P('Find the missing number.')] + lines, [ans_n(ans)], 'Fill in the missing number.')


FACTOR_CHOICES = {1: [24, 30, 36, 40, 20, 28], 2: [42, 48, 45, 54, 60], 3: [56, 63, 72, 80, 84],
                  4: [90, 96, 100, 126, 72], 5: [120, 144, 132, 150, 108]}


def t1_factors_g(rng, L):
    n = rng.choice(FACTOR_CHOICES[L])
    slots = 2 if L <= 2 else 3
    alts = [f for f in factors(n) if 1 < f < n]
    word = {2: 'two', 3: 'three'}[slots]
    text = rng.choice(['Write down any %s factors of %d that are greater than 1 and less than %d.',
                       'Name any %s factors of %d, other than 1 and %d.'])
    lines = [P(text % (word, n, n))]
    return Question(lines, group(alts, slots), 'Write one answer in each box.')


def t1_num_factors(rng, L):
    n = rng.choice(FACTOR_CHOICES[min(L + 1, 5)])
    return Question([P('How many factors does %d have?' % n)], [ans_n(len(factors(n)))],
                    'Work out the answer.')


def t1_factor_q(rng, L):
    n = rng.choice(FACTOR_CHOICES[min(L + 1, 5)])
    fs = [f for f in factors(n) if 2 < f < n]
    non = [k for k in range(3, max(fs) + 1) if n % k]
    if rng.random() < 0.5:
        correct = rng.choice(non)
        wrong = rng.sample(fs, 3)
        text = 'Which of these is <b>not</b> a factor of %d?' % n
    else:
        correct = rng.choice(fs)
        near = [k for k in non if abs(k - correct) < 12]
        wrong = rng.sample(near if len(near) >= 3 else non, 3)
        text = 'Which of these is a factor of %d?' % n
    html, slot = mcq(rng, str(correct), [str(w) for w in wrong])
    return Question([P(text), html], [slot], 'Choose the correct answer.')


def t1_multiples_g(rng, L):
    k = rng.choice({1: [6, 7, 8, 9], 2: [7, 8, 9, 11], 3: [12, 13, 14, 15], 4: [13, 17, 18, 19],
                    5: [23, 24, 25, 27]}[L])
    slots = 2 if L <= 2 else 3
    while True:
        lo = rng.randint(3, 12) * k - rng.randint(1, k - 1)
        hi = lo + k * (slots + rng.randint(1, 2)) + rng.randint(0, k - 1)
        lo, hi = round(lo, -1), round(hi, -1)
        alts = [m for m in range(lo + 1, hi) if m % k == 0]
        if len(alts) >= slots + 1 and lo % k and hi % k:
            break
    word = {2: 'two', 3: 'three'}[slots]
    lines = [P('Write down any %s multiples of %d that are between %d and %d.' % (word, k, lo, hi))]
    return Question(lines, group(alts, slots), 'Write one answer in each box.')


def t1_multiple_n(rng, L):
    k = rng.choice({1: [6, 7, 8, 9], 2: [11, 12, 13], 3: [13, 14, 15, 17], 4: [17, 19, 23],
                    5: [23, 29, 31]}[L])
    kind = rng.randrange(3)
    lo = rng.randint(10, 30) * 10 if L >= 2 else rng.randint(5, 9) * 10
    if kind == 0:
        ans = (lo // k + 1) * k
        text = 'What is the smallest multiple of %d that is greater than %d?' % (k, lo)
    elif kind == 1:
        ans = ((lo - 1) // k) * k
        text = 'What is the greatest multiple of %d that is less than %d?' % (k, lo)
    else:
        hi = lo + rng.randint(4, 8) * 10
        while lo % k == 0 or hi % k == 0:
            lo, hi = lo + 10, hi + 10
        ans = len([m for m in range(lo + 1, hi) if m % k == 0])
        text = 'How many multiples of %d are there between %d and %d?' % (k, lo, hi)
    return Question([P(text)], [ans_n(ans)], 'Work out the answer.')


def hcf_pair(rng, L):
    while True:
        g = rng.choice({1: [2, 3, 4, 5, 6], 2: [4, 6, 8, 9], 3: [6, 8, 12, 9], 4: [12, 14, 15, 16, 18],
                        5: [12, 16, 18, 24]}[L])
        p, q = rng.sample(range(2, 9 if L < 4 else 8), 2)
        if math.gcd(p, q) == 1:
            return g * p, g * q


def t1_hcf(rng, L):
    a, b = hcf_pair(rng, L)
    text = rng.choice(['What is the highest common factor of %d and %d?',
                       'Find the greatest number that is a factor of both %d and %d.'])
    return Question([P(text % (a, b))], [ans_n(math.gcd(a, b))], 'Work out the answer.')


def t1_common_factors_g(rng, L):
    while True:
        a, b = hcf_pair(rng, L)
        alts = [f for f in factors(math.gcd(a, b)) if f > 1]
        if len(alts) >= 3:
            break
    lines = [P('Write down any two common factors of %d and %d that are greater than 1.' % (a, b))]
    return Question(lines, group(alts, 2), 'Write one answer in each box.')


def t1_lcm(rng, L):
    pairs = {1: [(4, 6), (6, 8), (6, 9), (4, 10), (3, 5), (6, 10)],
             2: [(8, 12), (6, 15), (9, 12), (10, 15), (4, 14)],
             3: [(12, 18), (8, 14), (10, 12), (15, 20), (9, 15)],
             4: [(12, 16), (14, 21), (16, 20), (18, 24), (15, 25)],
             5: [(18, 30), (16, 24), (20, 35), (24, 36), (21, 28)]}[L]
    a, b = rng.choice(pairs)
    text = rng.choice(['What is the lowest common multiple of %d and %d?',
                       'What is the smallest number that is a multiple of both %d and %d?'])
    return Question([P(text % (a, b))], [ans_n(lcm(a, b))], 'Work out the answer.')


def t1_common_multiple_q(rng, L):
    a, b = rng.choice([(6, 9), (4, 6), (6, 8), (8, 12), (9, 12), (10, 15), (12, 18)])
    m = lcm(a, b)
    correct = m * rng.randint(1, 3)
    pool = [k for k in range(correct - 30, correct + 30) if k > 0 and (k % a == 0) != (k % b == 0)]
    wrong = rng.sample(pool, 3)
    html, slot = mcq(rng, str(correct), [str(w) for w in wrong])
    return Question([P('Which of these is a common multiple of %d and %d?' % (a, b)), html], [slot],
                    'Choose the correct answer.')


PRIME_RANGES = {1: [(10, 30), (1, 20)], 2: [(20, 40), (30, 50)], 3: [(40, 60), (50, 80)],
                4: [(60, 90), (70, 100)], 5: [(80, 120), (100, 140)]}


def t1_prime_g(rng, L):
    lo, hi = rng.choice(PRIME_RANGES[L])
    slots = 2 if L <= 3 else 3
    alts = [p for p in range(lo + 1, hi) if is_prime(p)]
    word = {2: 'two', 3: 'three'}[slots]
    text = rng.choice(['Write down any %s prime numbers between %d and %d.',
                       'Name any %s prime numbers that are greater than %d and less than %d.'])
    return Question([P(text % (word, lo, hi))], group(alts, slots), 'Write one answer in each box.')


TRICKY_COMPOSITES = [21, 27, 33, 39, 49, 51, 57, 63, 69, 77, 81, 87, 91, 93, 99, 111, 117, 119, 121, 133]


def t1_prime_q(rng, L):
    if rng.random() < 0.6 or L <= 2:
        correct = rng.choice([p for p in range(20, 20 + 30 * L) if is_prime(p)])
        wrong = rng.sample([c for c in TRICKY_COMPOSITES if c < 30 + 30 * L], 3)
        text = 'Which of these is a prime number?'
    else:
        correct = rng.choice([c for c in TRICKY_COMPOSITES if c > 45])
        wrong = rng.sample([p for p in range(40, 140) if is_prime(p)], 3)
        text = 'Which of these is <b>not</b> a prime number?'
    html, slot = mcq(rng, str(correct), [str(w) for w in sorted(wrong)])
    return Question([P(text), html], [slot], 'Choose the correct answer.')


def t1_prime_count(rng, L):
    lo, hi = rng.choice(PRIME_RANGES[L])
    if rng.random() < 0.5:
        ans = len([p for p in range(lo + 1, hi) if is_prime(p)])
        text = 'How many prime numbers are there between %d and %d?' % (lo, hi)
    else:
        lo, hi = rng.choice([(10, 20), (20, 30), (30, 45), (40, 55), (1, 12)])
        ans = sum(p for p in range(lo + 1, hi) if is_prime(p))
        text = 'Find the sum of all the prime numbers between %d and %d.' % (lo, hi)
    return Question([P(text)], [ans_n(ans)], 'Work out the answer.')


def t1_prime_next(rng, L):
    n = rng.randint(30, 60) if L < 4 else rng.randint(80, 130)
    while is_prime(n + 1):
        n += 1
    if rng.random() < 0.5:
        ans = next(p for p in range(n + 1, 1000) if is_prime(p))
        text = 'What is the smallest prime number greater than %d?' % n
    else:
        ans = next(p for p in range(n - 1, 1, -1) if is_prime(p))
        text = 'What is the greatest prime number less than %d?' % n
    return Question([P(text)], [ans_n(ans)], 'Work out the answer.')


def prime_factor_text(fs):
    return (' %s ' % TIMES).join(str(f) for f in fs)


def t1_prime_factors_q(rng, L):
    while True:
        fs = sorted(rng.choice([2, 2, 3, 3, 5, 7]) for _ in range(rng.choice([3, 4])))
        n = math.prod(fs)
        if 20 + 20 * L <= n <= 250 and len(set(fs)) >= 2:
            break
    wrong = set()
    # a product that still has a composite number in it
    composite_forms = []
    for i in range(len(fs) - 1):
        rest = fs[:i] + [fs[i] * fs[i + 1]] + fs[i + 2:]
        composite_forms.append(sorted(rest))
    for form in composite_forms:
        wrong.add(prime_factor_text(form))
    # primes, but the wrong product
    for i in range(len(fs)):
        for q in (2, 3, 5):
            other = sorted(fs[:i] + [q] + fs[i + 1:])
            if math.prod(other) != n:
                wrong.add(prime_factor_text(other))
    wrong = sorted(wrong)
    rng.shuffle(wrong)
    wrong_pick = []
    for w in wrong:
        if w not in wrong_pick:
            wrong_pick.append(w)
    # at least one composite form and at least one wrong product
    comp = [w for w in wrong_pick if w in {prime_factor_text(f) for f in composite_forms}]
    prod = [w for w in wrong_pick if w not in comp]
    choice3 = [comp[0], prod[0], (comp[1:] + prod[1:])[0]]
    html, slot = mcq(rng, prime_factor_text(fs), choice3)
    return Question([P('Which of these shows %d written as a product of prime numbers?' % n), html], [slot],
                    'Choose the correct answer.')


def t1_square_cube(rng, L):
    if L == 1:
        kind = rng.randrange(3)
        if kind == 0:
            n = rng.randint(6, 12)
            return Question([P('What is %d<sup>2</sup>?' % n)], [ans_n(n * n)], 'Work out the answer.')
        if kind == 1:
            n = rng.randint(2, 5)
            return Question([P('What is the value of %d<sup>3</sup>?' % n)], [ans_n(n ** 3)], 'Work out the answer.')
        n = rng.randint(3, 6)
        return Question([P('What is the cube of %d?' % n)], [ans_n(n ** 3)], 'Work out the answer.')
    if L == 2:
        a, b = rng.randint(5, 12), rng.randint(2, 5)
        return Question([P('Work out %d<sup>2</sup> + %d<sup>3</sup>.' % (a, b))], [ans_n(a * a + b ** 3)],
                        'Work out the answer.')
    if L == 3:
        a, b = rng.randint(8, 15), rng.randint(2, 4)
        if a * a > b ** 3:
            return Question([P('Work out %d<sup>2</sup> %s %d<sup>3</sup>.' % (a, MINUS, b))],
                            [ans_n(a * a - b ** 3)], 'Work out the answer.')
        return Question([P('Work out %d<sup>3</sup> + %d<sup>2</sup>.' % (b, a))], [ans_n(a * a + b ** 3)],
                        'Work out the answer.')
    if L == 4:
        lo = rng.choice([100, 130, 150, 180, 200, 250])
        sq = [k * k for k in range(1, 30) if lo < k * k < lo + 30]
        if len(sq) == 1:
            return Question([P('Which number between %d and %d is a square number?' % (lo, lo + 30))],
                            [ans_n(sq[0])], 'Work out the answer.')
        a, b = rng.randint(3, 5), rng.randint(5, 11)
        v = a ** 3 - b * b
        if v > 0:
            return Question([P('Work out %d<sup>3</sup> %s %d<sup>2</sup>.' % (a, MINUS, b))], [ans_n(v)],
                            'Work out the answer.')
        return Question([P('Work out %d<sup>2</sup> %s %d<sup>3</sup>.' % (b, MINUS, a))], [ans_n(-v)],
                        'Work out the answer.')
    a, b = rng.randint(11, 20), rng.randint(2, 6)
    c = rng.randint(2, 9)
    text = 'Work out %d<sup>2</sup> + %d<sup>3</sup> %s %d.' % (a, b, TIMES, c)
    return Question([P(text)], [ans_n(a * a + b ** 3 * c)], 'Work out the answer.')


def t1_square_g(rng, L):
    if rng.random() < 0.6:
        lo = rng.choice({1: [10, 20, 30], 2: [40, 50, 60], 3: [60, 80, 100], 4: [100, 120, 150],
                         5: [150, 200, 250]}[L])
        hi = lo + rng.choice([60, 70, 80]) + 20 * L
        while math.isqrt(lo) ** 2 == lo:
            lo += 10
        while math.isqrt(hi) ** 2 == hi:
            hi += 10
        alts = [k * k for k in range(1, 40) if lo < k * k < hi]
        slots = 2 if len(alts) < 4 or L < 3 else 3
        word = {2: 'two', 3: 'three'}[slots]
        text = 'Write down any %s square numbers between %d and %d.' % (word, lo, hi)
    else:
        hi = rng.choice([100, 150, 200, 300]) if L < 4 else rng.choice([400, 600, 1000])
        alts = [k ** 3 for k in range(1, 12) if k ** 3 < hi]
        slots = 2 if L < 4 else 3
        word = {2: 'two', 3: 'three'}[slots]
        text = 'Write down any %s cube numbers that are less than %d.' % (word, hi)
    return Question([P(text)], group(alts, slots), 'Write one answer in each box.')


def t1_square_q(rng, L):
    kind = rng.randrange(3)
    if kind == 0:
        correct = 64
        wrong = rng.sample([16, 27, 36, 8, 100, 125, 49], 3)
        text = 'Which of these numbers is both a square number and a cube number?'
    elif kind == 1:
        correct = rng.choice([k * k for k in range(6, 15)])
        wrong = rng.sample([k * k + d for k in range(6, 15) for d in (-2, 2, 10) if k * k + d != correct
                            and not math.isqrt(k * k + d) ** 2 == k * k + d], 3)
        text = 'Which of these is a square number?'
    else:
        correct = rng.choice([27, 64, 125, 216])
        wrong = rng.sample([9, 16, 36, 24, 81, 100, 12, 60, 150], 3)
        text = 'Which of these is a cube number?'
    html, slot = mcq(rng, str(correct), [str(w) for w in wrong])
    return Question([P(text), html], [slot], 'Choose the correct answer.')


def t1_sqrt(rng, L):
    s = rng.randint(11, 16) if L < 5 else rng.randint(15, 25)
    kind = rng.randrange(2)
    if kind:
        lines = [P('A square garden has an area of %s m<sup>2</sup>.' % fmt(s * s)),
                 P('What is the length of one side of the garden? Give your answer in m.')]
    else:
        lines = [P('A number multiplied by itself gives %s. What is the number?' % fmt(s * s))]
    return Question(lines, [ans_n(s)], 'Work out the answer.')


def round_1sf(n):
    p = 10 ** (len(str(n)) - 1)
    return round_to(n, p)


def t1_estimate_q(rng, L):
    while True:
        a = rng.randint(1100, 9800) if L < 4 else rng.randint(11000, 98000)
        b = rng.randint(12, 98)
        est = round_1sf(a) * round_1sf(b)
        if abs(math.log10(a * b / est)) < 0.3 and len(str(round_1sf(a))) == len(str(a)):
            break
    op = rng.choice(['*', '/']) if L >= 4 else '*'
    if op == '*':
        opts = [est // 10, est, est * 10, est * 100]
        text = 'Which is the best estimate of %s %s %d?' % (fmt(a), TIMES, b)
        correct = est
    else:
        # a dividend close to a round product
        q = rng.randint(2, 9) * 10 ** rng.randint(1, 2)
        d = round_1sf(b)
        n = q * d + rng.randint(-d // 3, d // 3)
        b2 = d + rng.choice([-2, -1, 1, 2])
        correct = q
        opts = [q // 10, q, q * 10, q * 100]
        if q // 10 == 0 or q % 10:
            opts = [q, q * 10, q * 100, q * 1000]
        text = 'Which is the best estimate of %s %s %d?' % (fmt(n), DIVIDE, b2)
        assert abs(math.log10(n / b2 / q)) < 0.3
    html, slot = mcq(rng, fmt(correct), [fmt(o) for o in opts if o != correct])
    return Question([P(text), html], [slot], 'Choose the correct answer.')


def t1_digits_puzzle(rng, L):
    count = {1: 4, 2: 5, 3: 5, 4: 6, 5: 6}[L]
    while True:
        ds = rng.sample(range(10), count)
        if L >= 2 and 0 not in ds:
            ds[rng.randrange(count)] = 0
        if len(set(ds)) == count and any(d % 2 for d in ds) and any(d % 2 == 0 for d in ds):
            break
    nums = [int(''.join(map(str, p))) for p in itertools.permutations(ds) if p[0] != 0]
    tasks = [('largest', lambda v: True, max), ('smallest', lambda v: True, min),
             ('largest even', lambda v: v % 2 == 0, max), ('smallest odd', lambda v: v % 2 == 1, min),
             ('largest odd', lambda v: v % 2 == 1, max), ('smallest even', lambda v: v % 2 == 0, min)]
    if L >= 4:
        target = 5 * 10 ** (count - 1)
        best = min(abs(v - target) for v in nums)
        if [abs(v - target) for v in nums].count(best) == 1:
            tasks.append(('closest to %s' % fmt(target), None, None))
    name, keep, pick = rng.choice(tasks[:4] if L <= 2 else tasks)
    if keep is None:
        ans = min(nums, key=lambda v: abs(v - target))
        what = 'the %d-digit number that is %s' % (count, name)
    else:
        ans = pick(v for v in nums if keep(v))
        what = 'the %s %d-digit number' % (name, count)
    digits_text = ', '.join(str(d) for d in ds[:-1]) + ' and %d' % ds[-1]
    lines = [P('Use each of the digits %s once only.' % digits_text),
             P('Write down %s that you can make.' % what)]
    return Question(lines, [ans_n(ans)], 'Write the number in figures.')


def t1_digit_diff(rng, L):
    while True:
        nd = 7
        digits = [rng.randint(0, 9) for _ in range(nd)]
        digits[0] = rng.randint(1, 9)
        d = rng.randint(1, 9)
        i, j = sorted(rng.sample(range(nd - 1), 2))
        digits[i] = digits[j] = d
        if digits.count(d) == 2:
            break
    n = int(''.join(map(str, digits)))
    pi, pj = nd - 1 - i, nd - 1 - j
    if rng.random() < 0.5:
        ans = d * (10 ** pi - 10 ** pj)
        text = 'In the number %s, what is the difference between the values of the two %ds?' % (fmt(n), d)
    else:
        ans = 10 ** (pi - pj)
        text = ('In the number %s, how many times greater is the value of the first digit %d than the value '
                'of the second digit %d?' % (fmt(n), d, d))
    return Question([P(text)], [ans_n(ans)], 'Work out the answer.')


def t1_remainder_puzzle(rng, L):
    if rng.random() < 0.5:
        a, b, c = rng.choice([(2, 3, 4), (3, 4, 5), (4, 5, 6), (2, 5, 6), (3, 5, 6), (4, 6, 9)])
        r = 1 if rng.random() < 0.5 else rng.randint(1, min(a, b, c) - 1)
        lo = rng.randint(5, 15) * 10
        m = lcm(lcm(a, b), c)
        ans = next(k for k in range(lo + 1, lo + 10 * m) if k % m == r)
        text = ('What is the smallest number greater than %d that leaves a remainder of %d when it is divided '
                'by %d, by %d and by %d?' % (lo, r, a, b, c))
        return Question([P(text)], [ans_n(ans)], 'Work out the answer.')
    while True:
        lo = rng.randint(3, 9) * 10
        hi = lo + 20
        k = rng.randint(6, 9)
        q, r = rng.choice([(5, 1), (5, 2), (4, 1), (6, 1), (10, 3), (5, 3)])
        cands = [v for v in range(lo + 1, hi) if v % k == 0 and v % q == r]
        if len(cands) == 1:
            break
    text = ('I am a number between %d and %d. I am a multiple of %d. When I am divided by %d, the remainder is '
            '%d. What number am I?' % (lo, hi, k, q, r))
    return Question([P(text)], [ans_n(cands[0])], 'Work out the answer.')


TOWNS = ['Ashby', 'Barford', 'Colton', 'Dunmore', 'Eastwick', 'Fairley', 'Greyhill', 'Holbrook']


def t1_table(rng, L):
    nd = {1: 5, 2: 6, 3: 6, 4: 7, 5: 7}[L]
    towns = sorted(rng.sample(TOWNS, 4))
    top = 10 ** nd - 1 if nd < 7 else 4999999
    pops = [rng.randint(10 ** (nd - 1), top) for _ in towns]
    while len(set(pops)) < 4 or any(p % 10000 in (0, 5000) for p in pops):
        pops = [rng.randint(10 ** (nd - 1), top) for _ in towns]
    lines = [P('The table shows the number of people living in four %s.' % ('towns' if nd < 6 else 'cities')),
             '<table class="data">',
             '<tr><th>%s</th><th>Number of people</th></tr>' % ('Town' if nd < 6 else 'City')]
    for t, p in zip(towns, pops):
        lines.append('<tr><td>%s</td><td>%s</td></tr>' % (t, fmt(p)))
    lines.append('</table>')
    i, j = rng.sample(range(4), 2)
    if pops[i] < pops[j]:
        i, j = j, i
    k = rng.choice([x for x in range(4) if x not in (i, j)])
    place = 1000 if nd == 5 else 10000
    if L >= 4 and rng.random() < 0.5:
        place = 100000
    while pops[k] % place in (0, place // 2):
        place //= 10
    kinds = [('How many more people live in %s than in %s?' % (towns[i], towns[j]), pops[i] - pops[j]),
             ('Round the number of people in %s to the nearest %s.' % (towns[k], PLACE_NAMES[place]),
              round_to(pops[k], place))]
    if L >= 3:
        a, b = rng.sample(range(4), 2)
        kinds.append(('How many people live in %s and %s altogether?' % (towns[a], towns[b]), pops[a] + pops[b]))
        kinds = [kinds[0], rng.choice(kinds[1:])]
    for n, (text, _) in enumerate(kinds):
        lines.append(part(n, text))
    return Question(lines, [ans_n(v) for _, v in kinds], 'Use the table to answer each part.')


# ---------------------------------------------------------------- topic 1 word problems
# Each returns a Question; a one-answer problem with two steps is worth 2 marks.

WORKING = 'Show your working on rough paper.'


def w1_stadium(rng, L):
    cap = rng.randint(300, 600) * 100 + rng.choice([0, 50])
    home = rng.randint(cap // 3, cap // 2)
    away = rng.randint(cap // 10, cap // 5)
    lines = [P('A football stadium has %s seats. At a match there were %s home fans and %s away fans, '
               'each in a seat.' % (fmt(cap), fmt(home), fmt(away))),
             P('How many seats were empty?')]
    return Question(lines, [ans_n(cap - home - away, 2)], WORKING)


def w1_coaches(rng, L):
    s = rng.choice([45, 48, 52, 53, 57])
    while True:
        pupils, adults = rng.randint(150, 330), rng.randint(12, 30)
        if (pupils + adults) % s:
            break
    lines = [P('%s pupils and %d adults are going on a school trip by coach. Each coach can carry %d '
               'people.' % (fmt(pupils), adults, s)),
             P('What is the smallest number of coaches they need?')]
    return Question(lines, [ans_n(ceil_div(pupils + adults, s), 2)], WORKING)


def w1_eggs(rng, L):
    box = rng.choice([6, 12]) if L < 3 else rng.choice([12, 15, 18])
    while True:
        eggs = rng.randint(400, 1500)
        if eggs % box:
            break
    lines = [P('A farm collects %s eggs. The eggs are packed into boxes of %d.' % (fmt(eggs), box)),
             part(0, 'How many boxes can be filled completely?'),
             part(1, 'How many eggs are left over?')]
    return Question(lines, [ans_n(eggs // box), ans_n(eggs % box)], 'Answer each part.')


def w1_pencils(rng, L):
    per, classes = rng.choice([12, 24, 36, 48]), rng.choice([6, 8, 9, 12])
    while True:
        boxes = rng.randint(12, 60)
        if boxes * per % classes == 0:
            break
    lines = [P('A school orders %d boxes of pencils. Each box holds %d pencils.' % (boxes, per)),
             P('The pencils are shared equally among %d classes. How many pencils does each class get?' % classes)]
    return Question(lines, [ans_n(boxes * per // classes, 2)], WORKING)


def w1_savings(rng, L):
    name = rng.choice(NAMES)
    weekly, weeks = rng.randint(12, 45), rng.randint(12, 30)
    cost = rng.randint(weekly * weeks // 2, weekly * weeks - 10)
    lines = [P('%s saves %s every week for %d weeks. Then %s buys a bike for %s.'
               % (name, money(weekly), weeks, he(name), money(cost))),
             P('How much money is left? Give your answer in pounds.')]
    return Question(lines, [ans_n(weekly * weeks - cost, 2)], WORKING)


FEMALE = {'Aisha', 'Chloe', 'Ella', 'Grace', 'Isla', 'Maya', 'Olivia', 'Priya', 'Sofia', 'Zara', 'Lucy', 'Mei'}


def he(name):
    return 'she' if name in FEMALE else 'he'


def w1_tickets(rng, L):
    pa, pc = rng.randint(12, 25), rng.randint(6, 11)
    na, nc = rng.randint(2, 5), rng.randint(3, 8)
    total = pa * na + pc * nc
    pay = ceil_div(total + 1, 50) * 50 if total % 50 else total + 50
    lines = [P('A theme park charges %s for an adult ticket and %s for a child ticket.' % (money(pa), money(pc))),
             P('A group of %d adults and %d children pays with %s. How much change do they get? '
               'Give your answer in pounds.' % (na, nc, money(pay)))]
    return Question(lines, [ans_n(pay - total, 2)], WORKING)


def w1_factory(rng, L):
    per = rng.randint(11, 39) * 50
    hours, days = rng.choice([8, 12, 16, 24]), rng.randint(5, 7)
    lines = [P('A factory makes %s bottles every hour. It works for %d hours each day.' % (fmt(per), hours)),
             P('How many bottles does it make in %d days?' % days)]
    return Question(lines, [ans_n(per * hours * days, 2)], WORKING)


def w1_shelves(rng, L):
    per = rng.randint(24, 48)
    while True:
        books = rng.randint(2500, 9000)
        if books % per:
            break
    lines = [P('A library has %s books. Each shelf holds %d books.' % (fmt(books), per)),
             P('What is the smallest number of shelves needed to hold all the books?')]
    return Question(lines, [ans_n(ceil_div(books, per), 2)], WORKING)


def w1_charity(rng, L):
    target = rng.choice([5000, 8000, 10000, 12000])
    days = [rng.randint(target // 6, target // 4) for _ in range(3)]
    lines = [P('A charity wants to raise %s. It raised %s on Friday, %s on Saturday and %s on Sunday.'
               % (money(target), money(days[0]), money(days[1]), money(days[2]))),
             P('How much more money does it need to raise? Give your answer in pounds.')]
    return Question(lines, [ans_n(target - sum(days), 2)], WORKING)


def w1_lift(rng, L):
    limit = rng.choice([630, 750, 800, 900, 1000])
    man = rng.randint(65, 95)
    box = rng.randint(18, 35)
    while (limit - man) % box == 0:
        box += 1
    lines = [P('A lift can carry %d kg. A man who weighs %d kg is taking some boxes up in the lift. '
               'Each box weighs %d kg.' % (limit, man, box)),
             P('What is the greatest number of boxes he can take with him in one trip?')]
    return Question(lines, [ans_n((limit - man) // box, 2)], WORKING)


def w1_cinema(rng, L):
    rows, seats = rng.randint(15, 32), rng.randint(18, 36)
    sold = rng.randint(rows * seats // 2 + 5, rows * seats - 20)
    lines = [P('A cinema has %d rows of seats with %d seats in each row. %s tickets were sold for a film.'
               % (rows, seats, fmt(sold))),
             P('How many seats were empty?')]
    return Question(lines, [ans_n(rows * seats - sold, 2)], WORKING)


def w1_fair(rng, L):
    while True:
        cakes, cp = rng.randint(80, 240), rng.randint(2, 4)
        drinks, dp = rng.randint(100, 300), rng.randint(1, 2)
        k = rng.choice([3, 4, 5, 6])
        if (cakes * cp + drinks * dp) % k == 0:
            break
    lines = [P('At a school fair, %d cakes were sold at %s each and %d drinks were sold at %s each.'
               % (cakes, money(cp), drinks, money(dp))),
             P('All the money was shared equally among %d charities. How much did each charity get? '
               'Give your answer in pounds.' % k)]
    return Question(lines, [ans_n((cakes * cp + drinks * dp) // k, 2)], WORKING)


def w1_pilot(rng, L):
    per, days = rng.randint(1200, 2900), rng.randint(5, 9)
    last = rng.randint(600, 1500)
    lines = [P('A pilot flies %s km every day for %d days. On the next day she flies %s km.'
               % (fmt(per), days, fmt(last))),
             P('How far does she fly altogether? Give your answer in km.')]
    return Question(lines, [ans_n(per * days + last, 2)], WORKING)


def w1_book(rng, L):
    name = rng.choice(NAMES)
    per = rng.randint(12, 25)
    left_days = rng.randint(9, 20)
    read = rng.randint(3, 8) * per
    pages = read + left_days * per
    lines = [P('A book has %d pages. %s has already read %d pages. %s reads %d pages each day.'
               % (pages, name, read, he(name).capitalize(), per)),
             P('How many more days will it take %s to finish the book?' % name)]
    return Question(lines, [ans_n(left_days, 2)], WORKING)


def w1_pens(rng, L):
    price = rng.choice([35, 45, 55, 65, 75])
    budget = rng.choice([10, 15, 20])
    while budget * 100 % price == 0:
        price += 5
    n, change = divmod(budget * 100, price)
    lines = [P('Pens cost %dp each. Mr Khan buys as many pens as he can with %s.' % (price, money(budget))),
             part(0, 'How many pens does he buy?'),
             part(1, 'How much change does he get? Give your answer in pence.')]
    return Question(lines, [ans_n(n), ans_n(change)], 'Answer each part.')


def w1_population(rng, L):
    start = rng.randint(1100, 1400) * 1000 + rng.randint(1, 999)
    grow = rng.randint(40, 95) * 1000 + rng.randint(1, 999)
    fall = rng.randint(5, 30) * 1000 + rng.randint(1, 999)
    lines = [P('In 2000 a city had %s people. By 2010 the number had grown by %s. Between 2010 and 2020 '
               'the number fell by %s.' % (fmt(start), fmt(grow), fmt(fall))),
             P('How many people lived in the city in 2020?')]
    return Question(lines, [ans_n(start + grow - fall, 2)], WORKING)


def w1_orchard(rng, L):
    rows, per = rng.randint(24, 60), rng.randint(35, 125)
    sold = rng.randint(rows * per // 4, rows * per // 2)
    lines = [P('A farmer plants %d rows of trees with %d trees in each row. Later she sells %s of the trees.'
               % (rows, per, fmt(sold))),
             P('How many trees does she have left?')]
    return Question(lines, [ans_n(rows * per - sold, 2)], WORKING)


def w1_sumdiff(rng, L):
    a = rng.randint(300, 900)
    b = rng.randint(100, a - 50)
    ask_larger = rng.random() < 0.5
    lines = [P('Two numbers add up to %s. Their difference is %d.' % (fmt(a + b), a - b)),
             P('What is the %s number?' % ('larger' if ask_larger else 'smaller'))]
    return Question(lines, [ans_n(a if ask_larger else b, 2)], WORKING)


def w1_shopping(rng, L):
    n, price = rng.randint(2, 4), rng.randint(1049, 1899)
    other = rng.randint(450, 999)
    lines = [P('Mrs Lee buys %d televisions costing %s each and a sofa costing %s.'
               % (n, money(price), money(other))),
             P('How much does she spend altogether? Give your answer in pounds.')]
    return Question(lines, [ans_n(n * price + other, 2)], WORKING)


def w1_exercise_books(rng, L):
    pack = rng.choice([20, 25, 30])
    while True:
        pupils, each = rng.randint(400, 1400), rng.randint(3, 6)
        if pupils * each % pack:
            break
    lines = [P('A school has %s pupils. Each pupil needs %d exercise books. Exercise books are sold in packs '
               'of %d.' % (fmt(pupils), each, pack)),
             P('What is the smallest number of packs the school must buy?')]
    return Question(lines, [ans_n(ceil_div(pupils * each, pack), 2)], WORKING)


def w1_cupcakes(rng, L):
    box, price = rng.choice([(6, 4), (4, 3), (8, 5), (12, 7)])
    while True:
        cakes = rng.randint(500, 1200)
        if cakes % box:
            break
    lines = [P('A baker makes %s cupcakes. She packs them in boxes of %d and sells each full box for %s. '
               'The cupcakes that are left over are not sold.' % (fmt(cakes), box, money(price))),
             P('How much money does she get for the full boxes? Give your answer in pounds.')]
    return Question(lines, [ans_n(cakes // box * price, 2)], WORKING)


def w1_marathon(rng, L):
    start = rng.randint(1500, 9800)
    a, b = rng.randint(40, 300), rng.randint(40, 300)
    lines = [P('%s runners started a race. %d runners stopped before halfway and %d more stopped after '
               'halfway. All the others finished.' % (fmt(start), a, b)),
             P('How many runners finished the race?')]
    return Question(lines, [ans_n(start - a - b, 2)], WORKING)


def w1_tank(rng, L):
    per, days = rng.randint(12, 35) * 5, rng.randint(8, 15)
    full = rng.choice([3000, 4500, 5000, 6000])
    lines = [P('A water tank holds %s litres when it is full. A family uses %d litres of water each day.'
               % (fmt(full), per)),
             P('The tank starts full. How many litres are left after %d days?' % days)]
    return Question(lines, [ans_n(full - per * days, 2)], WORKING)


def w1_trip_cost(rng, L):
    while True:
        pupils, entry = rng.randint(24, 40), rng.randint(5, 12)
        coach = rng.randint(30, 90) * 10
        if (coach + entry * pupils) % pupils == 0:
            break
    lines = [P('A class of %d pupils visits a museum. The coach costs %s altogether and each pupil pays %s '
               'to go in.' % (pupils, money(coach), money(entry))),
             P('The total cost is shared equally among the pupils. How much does each pupil pay? '
               'Give your answer in pounds.')]
    return Question(lines, [ans_n((coach + entry * pupils) // pupils, 2)], WORKING)


def w1_stamps(rng, L):
    a, b = rng.choice(NAMES), None
    b = rng.choice([n for n in NAMES if n != a])
    x, more = rng.randint(800, 2500), rng.randint(120, 700)
    lines = [P('%s has %s stamps. %s has %d more stamps than %s.' % (a, fmt(x), b, more, a)),
             P('How many stamps do they have altogether?')]
    return Question(lines, [ans_n(2 * x + more, 2)], WORKING)


T1_WORDS = [  # (minimum paper level, function)
    (1, w1_stadium), (1, w1_coaches), (1, w1_eggs), (1, w1_book), (1, w1_marathon), (1, w1_stamps),
    (2, w1_pencils), (2, w1_savings), (2, w1_tickets), (2, w1_charity), (2, w1_cinema),
    (3, w1_factory), (3, w1_shelves), (3, w1_lift), (3, w1_fair), (3, w1_pilot), (3, w1_shopping),
    (4, w1_pens), (4, w1_population), (4, w1_orchard), (4, w1_tank),
    (5, w1_sumdiff), (5, w1_exercise_books), (5, w1_cupcakes), (5, w1_trip_cost),
]


def t1_lcm_word(rng, L):
    a, b = rng.choice([(12, 18), (10, 15), (8, 12), (15, 20), (6, 9), (12, 16), (20, 30), (9, 12)])
    kind = fresh_kind(rng, 'lcm', 4)
    if kind == 0:
        lines = [P('Two buses leave a bus station at 8 am. One bus leaves every %d minutes and the other every '
                   '%d minutes.' % (a, b)),
                 P('How many minutes later will both buses next leave at the same time? Give your answer in minutes.')]
        ans = lcm(a, b)
    elif kind == 1:
        lines = [P('Two lights are switched on together. One light flashes every %d seconds and the other '
                   'flashes every %d seconds.' % (a, b)),
                 P('After how many seconds will they next flash together? Give your answer in seconds.')]
        ans = lcm(a, b)
    elif kind == 2:
        a, b = rng.choice([(8, 6), (10, 8), (12, 8), (6, 4), (10, 6)])
        lines = [P('Sausages are sold in packs of %d. Bread rolls are sold in packs of %d.' % (a, b)),
                 P('Tom wants exactly the same number of sausages and rolls. What is the smallest number of '
                   'sausages he can buy?')]
        ans = lcm(a, b)
    else:
        lines = [P('Two runners start together at the same point on a track. One runner takes %d seconds to go '
                   'round once and the other takes %d seconds.' % (a * 5, b * 5)),
                 P('After how many seconds will they next pass the starting point together? '
                   'Give your answer in seconds.')]
        ans = lcm(a * 5, b * 5)
    return Question(lines, [ans_n(ans, 2)], WORKING)


def t1_hcf_word(rng, L):
    kind = fresh_kind(rng, 'hcf', 3)
    a, b = hcf_pair(rng, max(L, 3))
    g = math.gcd(a, b)
    if kind == 0:
        lines = [P('A red ribbon is %d cm long and a blue ribbon is %d cm long. Both ribbons are cut into pieces '
                   'that are all the same length, with nothing left over.' % (a, b)),
                 P('What is the greatest possible length of each piece? Give your answer in cm.')]
        ans = g
    elif kind == 1:
        lines = [P('A teacher has %d pencils and %d rubbers. She puts them into party bags so that every bag has '
                   'the same number of pencils and the same number of rubbers, with none left over.' % (a, b)),
                 P('What is the greatest number of party bags she can make?')]
        ans = g
    else:
        lines = [P('A club has %d boys and %d girls. They are split into teams. Every team has the same number '
                   'of boys and the same number of girls, and everyone is in a team.' % (a, b)),
                 P('What is the greatest number of teams there can be?')]
        ans = g
    if L >= 5 and kind == 0:
        lines[-1] = P('The pieces are as long as possible.')
        lines += [part(0, 'How long is each piece? Give your answer in cm.'),
                  part(1, 'How many pieces are there altogether?')]
        return Question(lines, [ans_n(g), ans_n(a // g + b // g)], 'Answer each part.')
    return Question(lines, [ans_n(ans, 2)], WORKING)


# ================================================================ topic 2: Fractions and Ratio

SIMPLEST = 'Give your answer in its simplest form.'


def reducible(rng, n):
    return rng.choice([k for k in range(1, n) if math.gcd(k, n) > 1])


def t2_shaded(rng, L):
    kind = ['bar', 'grid', 'circle'][fresh_kind(rng, 'shape', 3)]
    if kind == 'bar':
        n = rng.choice([6, 8, 10, 12])
        k = reducible(rng, n)
        shaded = set(rng.sample(range(n), k)) if L >= 2 else set(range(k))
        svg = svg_bar(n, shaded)
        alt = 'A rectangle divided into %d equal parts, %d of them shaded' % (n, k)
    elif kind == 'grid':
        rows, cols = rng.choice([(2, 4), (3, 4), (2, 6), (4, 4)] if L < 2 else [(3, 6), (4, 5), (3, 5), (4, 6)])
        n = rows * cols
        k = reducible(rng, n)
        cells = [(r, c) for r in range(rows) for c in range(cols)]
        shaded = set(rng.sample(cells, k))
        svg = svg_grid(rows, cols, shaded)
        alt = 'A grid of %d equal squares in %d rows, %d of the squares shaded' % (n, rows, k)
    else:
        n = rng.choice([6, 8, 10, 12])
        k = reducible(rng, n)
        start = rng.randrange(n)
        shaded = set((start + i) % n for i in range(k))
        svg = svg_circle(n, shaded)
        alt = 'A circle divided into %d equal parts, %d of them shaded' % (n, k)
    unshaded = L >= 2 and rng.random() < 0.4
    frac = Fraction(n - k if unshaded else k, n)
    lines = [P('What fraction of the shape is %s?' % ('<b>not</b> shaded' if unshaded else 'shaded')),
             figure_line(alt), P(SIMPLEST)]
    return Question(lines, [('F', 1, key_f(frac))], 'Look at the diagram.', svg)


def t2_equiv_missing(rng, L):
    f = rfrac(rng, [3, 4, 5, 6, 7, 8, 9, 10] if L < 4 else [7, 8, 9, 11, 12])
    a, b = f.numerator, f.denominator
    if L <= 2:
        m = rng.randint(2, 5 + 2 * L)
        if rng.random() < 0.5:
            shown = fh('?', b * m)
            ans = a * m
        else:
            shown = fh(a * m, '?')
            ans = b * m
        lines = [P('What number should go in place of <b>?</b>'), P('%s = %s' % (fh(a, b), shown))]
        return Question(lines, [ans_n(ans)], 'Find the missing number.')
    m1, m2 = sorted(rng.sample(range(2, 10), 2))
    while b * m1 == a * m2:
        m1, m2 = sorted(rng.sample(range(2, 10), 2))
    lines = [P('These fractions are equivalent.'),
             P('%s = %s = %s' % (fh(a, b), fh(a * m1, 'A'), fh('B', b * m2))),
             part(0, 'What is the value of A?'), part(1, 'What is the value of B?')]
    return Question(lines, [ans_n(b * m1), ans_n(a * m2)], 'Find the missing numbers.')


def t2_simplify(rng, L):
    dens, mult = {1: ([3, 4, 5, 6], (2, 5)), 2: ([5, 6, 7, 8, 9], (3, 8)), 3: ([7, 8, 9, 10, 12], (4, 9)),
                  4: ([9, 11, 12, 13, 15], (6, 12)), 5: ([12, 13, 15, 16, 18], (7, 15))}[L]
    if L >= 3 and rng.random() < 0.4:
        f = rfrac(rng, dens[:3], Fraction(1), Fraction(4))
    else:
        f = rfrac(rng, dens)
    m = rng.randint(*mult)
    a, b = f.numerator * m, f.denominator * m
    text = rng.choice(['Write %s in its simplest form.', 'Simplify %s fully.', 'What is %s in its simplest form?'])
    lines = [P(text % fh(a, b))]
    if 'simplest' not in text:
        lines.append(P(SIMPLEST))
    if f > 1:
        lines.append(P('You may give your answer as a mixed number or as an improper fraction.'))
    return Question(lines, [ans_frac(f)], 'Simplify the fraction.')


def t2_improper_to_mixed(rng, L):
    d = rng.choice([3, 4, 5, 7, 8] if L < 3 else [6, 8, 9, 10, 12])
    w = rng.randint(1, 3 + L)
    r = rng.randint(1, d - 1)
    if L < 3:
        while math.gcd(r, d) > 1:
            r = rng.randint(1, d - 1)
    n = w * d + r
    f = Fraction(n, d)
    lines = [P('Write %s as a mixed number in its simplest form.' % fh(n, d))]
    return Question(lines, [('X', 1, key_x(f))], 'Write the mixed number.')


def t2_mixed_to_improper(rng, L):
    f = rfrac(rng, [3, 4, 5, 6, 7, 8, 9, 10, 12], Fraction(1), Fraction(3 + L))
    w = f.numerator // f.denominator
    r = f - w
    lines = [P('Write %s as an improper fraction.' % mh(w, r.numerator, r.denominator)), P(SIMPLEST)]
    return Question(lines, [('F', 1, key_f(f))], 'Write the improper fraction.')


def distinct_fractions(rng, count, make):
    while True:
        fs = [make() for _ in range(count)]
        if len(set(fs)) == count:
            return fs


def compare_maker(rng, L):
    """A maker of random fractions for comparing and ordering at level L."""
    if L <= 2:
        return lambda: rfrac(rng, [2, 4, 8]) if rng.random() < 0.5 else rfrac(rng, [3, 6, 12])
    if L == 3:
        return lambda: rfrac(rng, [3, 4, 5, 6, 8, 10, 12])
    if L == 4:
        return lambda: rfrac(rng, [3, 4, 5, 6, 8], Fraction(1, 2), Fraction(3))
    return lambda: rfrac(rng, [5, 6, 7, 8, 9, 10, 12], Fraction(1, 2), Fraction(1))


def t2_compare_q(rng, L):
    if L == 1 and rng.random() < 0.5:
        d = rng.choice([7, 9, 11, 12, 10])
        nums = rng.sample([k for k in range(1, d)], 4)
        shown = [(k, d) for k in nums]
        vals = [Fraction(k, d) for k in nums]
    elif L == 1:
        n = rng.choice([1, 2, 3])
        dens = rng.sample([k for k in range(n + 1, 13)], 4)
        shown = [(n, k) for k in dens]
        vals = [Fraction(n, k) for k in dens]
    else:
        make = compare_maker(rng, L)
        vals = distinct_fractions(rng, 4, make)
        shown = None
    big = rng.random() < 0.5
    best = max(vals) if big else min(vals)
    show = (lambda i: fh(*shown[i])) if shown else (lambda i: fv(vals[i]))
    texts = [show(i) for i in range(4)]
    correct = texts[vals.index(best)]
    html, slot = mcq(rng, correct, [t for t in texts if t != correct])
    word = 'largest' if big else 'smallest'
    return Question([P('Which of these is the %s?' % word), html], [slot], 'Choose the correct answer.')


def t2_order_q(rng, L):
    make = compare_maker(rng, max(L, 3))
    vals = distinct_fractions(rng, 4 if L >= 4 else 3, make)
    up = rng.random() < 0.6
    right = sorted(vals, reverse=not up)
    perms = [list(p) for p in itertools.permutations(right)]
    perms = [p for p in perms if p != right]
    wrong = rng.sample(perms, 3)
    text = lambda seq: ', '.join(fv(f) for f in seq)
    html, slot = mcq(rng, text(right), [text(p) for p in wrong])
    lines = [P('Which list shows these numbers in order from %s?' % ('smallest to largest' if up else
                                                                      'largest to smallest')),
             P(', '.join(fv(f) for f in sorted(vals, key=lambda _: rng.random()))), html]
    return Question(lines, [slot], 'Choose the correct answer.')


def t2_equiv_q(rng, L):
    f = rfrac(rng, [3, 4, 5, 6, 7, 8])
    a, b = f.numerator, f.denominator
    m = rng.randint(2, 3 + L)
    correct = (a * m, b * m)
    cands = [(a + m, b + m), (a * m, b * (m + 1)), (a * m + 1, b * m), (a * (m + 1), b * m),
             (b * m - a * m, b * m), (a + 1, b + 1), (a * m, b + m)]
    wrong = []
    for c in cands:
        if 0 < c[0] < c[1] and Fraction(*c) != f and c not in wrong:
            wrong.append(c)
    wrong = rng.sample(wrong, 3)
    html, slot = mcq(rng, fh(*correct), [fh(*w) for w in wrong])
    return Question([P('Which fraction is equivalent to %s?' % fh(a, b)), html], [slot],
                    'Choose the correct answer.')


def t2_between_q(rng, L):
    lo, hi = [(Fraction(1, 3), Fraction(1, 2)), (Fraction(1, 2), Fraction(3, 4)),
              (Fraction(2, 3), Fraction(5, 6)), (Fraction(1, 4), Fraction(2, 5)),
              (Fraction(3, 5), Fraction(3, 4))][fresh_kind(rng, 'between', 5)]
    pool = sorted({Fraction(n, d) for d in range(3, 13) for n in range(1, d)})
    inside = [f for f in pool if lo < f < hi]
    outside = [f for f in pool if not lo <= f <= hi and (abs(f - lo) < Fraction(1, 4) or abs(f - hi) < Fraction(1, 4))]
    correct = rng.choice(inside)
    wrong = rng.sample(outside, 3)
    html, slot = mcq(rng, fv(correct), [fv(w) for w in wrong])
    return Question([P('Which fraction lies between %s and %s?' % (fv(lo), fv(hi))), html], [slot],
                    'Choose the correct answer.')


def t2_add_sub(rng, L):
    while True:
        if L == 1:
            if rng.random() < 0.5:
                d = rng.choice([5, 7, 8, 9, 10, 12])
                x, y = Fraction(rng.randint(1, d - 1), d), Fraction(rng.randint(1, d - 1), d)
                show = lambda f, d=d: fh(f.numerator * (d // f.denominator), d)
            else:
                d1 = rng.choice([2, 3, 4, 5])
                d2 = d1 * rng.choice([2, 3])
                x, y = rfrac(rng, [d1]), rfrac(rng, [d2])
                show = fv
            op = '+-'[OCC[0] % 2]
        elif L == 2:
            d1, d2 = rng.sample([2, 3, 4, 5, 6, 8, 9, 10], 2)
            if lcm(d1, d2) > 40 or lcm(d1, d2) in (d1, d2):
                continue
            x, y = rfrac(rng, [d1]), rfrac(rng, [d2])
            show, op = fv, '+-'[OCC[0] % 2]
        elif L == 3:
            x = rfrac(rng, [2, 3, 4, 5, 6, 8], Fraction(1), Fraction(4))
            y = rfrac(rng, [2, 3, 4, 5, 6, 8, 10, 12], Fraction(0), Fraction(3))
            show, op = fv, '+-+'[OCC[0] % 3]
        elif L == 4:
            x = rfrac(rng, [3, 4, 5, 6, 8, 9, 10, 12], Fraction(2), Fraction(6))
            y = rfrac(rng, [2, 3, 4, 5, 6, 8, 12], Fraction(1), Fraction(3))
            if rng.random() < 0.3:
                x = Fraction(rng.randint(3, 6))
            show, op = fv, '-'
            if x.denominator > 1 and (x - int(x)) > (y - int(y)):
                continue     # make the subtraction need renaming
        else:
            x = rfrac(rng, [2, 3, 4, 5, 6, 8], Fraction(1), Fraction(4))
            y = rfrac(rng, [3, 4, 5, 6, 8, 10, 12], Fraction(1), Fraction(3))
            z = rfrac(rng, [2, 3, 4, 6, 8, 12], Fraction(0), Fraction(2))
            ops = rng.choice(['+-', '-+'])
            v = x + y - z if ops == '+-' else x - y + z
            if v <= 0 or v.denominator == 1 or (ops == '-+' and x <= y):
                continue
            denoms = {x.denominator, y.denominator, z.denominator}
            if len(denoms) < 2:
                continue
            text = 'Work out %s %s %s %s %s.' % (fv(x), '+' if ops[0] == '+' else MINUS, fv(y),
                                                '+' if ops[1] == '+' else MINUS, fv(z))
            return Question([P(text), P(SIMPLEST)], [ans_frac(v)], 'Work out the answer.')
        v = x + y if op == '+' else x - y
        if v <= 0 or v.denominator == 1 or x == y:
            continue
        if L == 1 and v > 1 and rng.random() < 0.7:
            continue
        break
    kind = rng.randrange(3)
    if L == 5:
        text = 'Work out %s %s %s.' % (show(x), '+' if op == '+' else MINUS, show(y))
    elif kind == 1:
        text = ('Find the sum of %s and %s.' if op == '+' else 'Find the difference between %s and %s.') \
            % (show(x), show(y))
    else:
        text = 'Calculate %s %s %s.' % (show(x), '+' if op == '+' else MINUS, show(y))
    return Question([P(text), P(SIMPLEST)], [ans_frac(v)], 'Work out the answer.')


def t2_mul_whole(rng, L):
    while True:
        if L == 1:
            f = rfrac(rng, [2, 3, 4, 5, 6, 8, 10])
            n = f.denominator * rng.randint(2, 6)
        elif L == 2:
            f = rfrac(rng, [3, 4, 5, 6, 7, 8, 9])
            n = rng.randint(2, 9)
        else:
            f = rfrac(rng, [3, 4, 5, 6, 8], Fraction(1), Fraction(L))
            n = rng.randint(2, 6)
        v = f * n
        if L >= 2 and v.denominator == 1:
            continue
        break
    expr = ('%s %s %d' % (fv(f), TIMES, n)) if rng.random() < 0.6 else ('%d %s %s' % (n, TIMES, fv(f)))
    lines = [P('Work out %s.' % expr)]
    if v.denominator > 1:
        lines.append(P(SIMPLEST))
    return Question(lines, [ans_frac(v)], 'Work out the answer.')


def t2_mul_frac(rng, L):
    while True:
        if L == 1:
            x, y = Fraction(1, rng.randint(2, 6)), Fraction(1, rng.randint(2, 6))
        elif L == 2:
            x, y = rfrac(rng, [2, 3, 4, 5]), rfrac(rng, [3, 4, 5, 6, 8])
        elif L == 3:
            x, y = rfrac(rng, [3, 4, 5, 6, 8, 9]), rfrac(rng, [4, 5, 6, 7, 8, 9, 10])
            if math.gcd(x.numerator, y.denominator) == 1 and math.gcd(y.numerator, x.denominator) == 1:
                continue
        elif L == 4:
            x, y = rfrac(rng, [2, 3, 4, 5], Fraction(1), Fraction(3)), rfrac(rng, [3, 4, 5, 6, 8, 9])
        else:
            x, y = rfrac(rng, [2, 3, 4, 5], Fraction(1), Fraction(3)), rfrac(rng, [2, 3, 4, 5, 6],
                                                                              Fraction(1), Fraction(3))
        v = x * y
        if v.denominator == 1 or x == y:
            continue
        break
    text = rng.choice(['Work out %s %s %s.' % (fv(x), TIMES, fv(y)),
                       'Find the product of %s and %s.' % (fv(x), fv(y))])
    if L == 1 and rng.random() < 0.5:
        text = 'What is %s of %s?' % (fv(x), fv(y))
    return Question([P(text), P(SIMPLEST)], [ans_frac(v)], 'Work out the answer.')


def t2_div_whole(rng, L):
    while True:
        if L == 1:
            x, n = Fraction(1, rng.randint(2, 5)), rng.randint(2, 4)
        elif L == 2:
            x, n = rfrac(rng, [3, 4, 5, 7]), rng.randint(2, 5)
        elif L == 3:
            n = rng.randint(2, 4)
            x = Fraction(n * rng.randint(1, 3), rng.choice([5, 7, 9, 11]))
        else:
            x, n = rfrac(rng, [2, 3, 4, 5], Fraction(1), Fraction(4)), rng.randint(2, 6)
        if not 0 < x < (4 if L >= 4 else 1) or x.denominator == 1:
            continue
        v = x / n
        if v.denominator > 1:
            break
    text = 'Work out %s %s %d.' % (fv(x), DIVIDE, n)
    if L == 1 and rng.random() < 0.5:
        text = 'What is %s %s %d?' % (fv(x), DIVIDE, n)
    return Question([P(text), P(SIMPLEST)], [ans_frac(v)], 'Work out the answer.')


def t2_div_frac(rng, L):
    if L <= 3:
        k = rng.randint(3, 8)
        n = rng.randint(2, 6)
        names = {3: 'thirds', 4: 'quarters', 5: 'fifths', 6: 'sixths', 7: 'sevenths', 8: 'eighths'}
        if rng.random() < 0.5:
            lines = [P('How many %s are there in %d?' % (names[k], n))]
        else:
            lines = [P('Work out %d %s %s.' % (n, DIVIDE, fh(1, k)))]
        return Question(lines, [ans_n(n * k)], 'Work out the answer.')
    while True:
        if L == 4 and OCC[0] == 0:
            x = Fraction(rng.randint(2, 9))
            y = rfrac(rng, [3, 4, 5, 6, 8])
        elif L == 5 and OCC[0] == 1:
            x = rfrac(rng, [2, 3, 4, 5], Fraction(1), Fraction(4))
            y = rfrac(rng, [2, 3, 4, 5, 6, 8, 9])
        else:
            x = rfrac(rng, [2, 3, 4, 5, 6, 8, 9, 10, 12], Fraction(0), Fraction(3))
            y = rfrac(rng, [2, 3, 4, 5, 6, 8, 9])
        if y.numerator == 1 or x == y:
            continue
        v = x / y
        break
    lines = [P('Work out %s %s %s.' % (fv(x), DIVIDE, fv(y)))]
    if v.denominator > 1:
        lines.append(P(SIMPLEST))
    return Question(lines, [ans_frac(v)], 'Work out the answer.')


QTY_UNITS = [  # (whole described, amount in small units, small unit name)
    ('1 hour', 60, 'minutes'), ('1 kg', 1000, 'g'), ('1 km', 1000, 'm'), ('1 m', 100, 'cm'),
    ('1 litre', 1000, 'ml'), ('1 day', 24, 'hours'), ('1 year', 12, 'months'), ('' + POUND + '1', 100, 'pence'),
    ('2 hours', 120, 'minutes'), ('3 kg', 3000, 'g'), ('2 km', 2000, 'm'), ('4 litres', 4000, 'ml'),
    ('3 hours', 180, 'minutes'), ('5 m', 500, 'cm'), ('2 days', 48, 'hours')]


def t2_frac_of_qty(rng, L):
    occ = OCC[0] % 2
    if L <= 2 or L == 3 and occ == 1:
        while True:
            f = rfrac(rng, [2, 3, 4, 5, 6, 8, 10] if L == 1 else [3, 5, 6, 7, 8, 9, 12])
            q = f.denominator * rng.randint(3, 8 if L == 1 else 20)
            if 12 <= q <= 60 * L:
                break
        kind = fresh_kind(rng, 'qty', 3)
        if kind == 0:
            return Question([P('Find %s of %d.' % (fv(f), q))], [ans_n(f * q)], 'Work out the answer.')
        if kind == 1:
            return Question([P('What is %s of %s? Give your answer in pounds.' % (fv(f), money(q)))],
                            [ans_n(f * q)], 'Work out the answer.')
        return Question([P('What is %s of %d kg? Give your answer in kg.' % (fv(f), q))],
                        [ans_n(f * q)], 'Work out the answer.')
    if L == 3 or L == 4 and occ == 1 or L == 5 and occ == 0:
        while True:
            whole, amount, unit = rng.choice(QTY_UNITS[:8] if L == 3 else QTY_UNITS[8:])
            f = rfrac(rng, [3, 4, 5, 6, 8, 10, 12])
            if (f * amount).denominator == 1:
                break
        return Question([P('What is %s of %s? Give your answer in %s.' % (fv(f), whole, unit))],
                        [ans_n(f * amount)], 'Work out the answer.')
    while True:
        f, g = rfrac(rng, [2, 3, 4, 5]), rfrac(rng, [3, 4, 5, 6, 8])
        q = f.denominator * g.denominator * rng.randint(2, 6)
        if (f * g * q).denominator == 1 and f != g:
            break
    return Question([P('Find %s of %s of %d.' % (fv(f), fv(g), q))], [ans_n(f * g * q)], 'Work out the answer.')


def t2_what_fraction(rng, L):
    kind = fresh_kind(rng, 'part of', 5)
    while True:
        if kind == 0:
            whole, amount, unit = rng.choice(QTY_UNITS[:8])
            part_amount = rng.randint(1, amount - 1)
            if amount >= 100:
                part_amount = rng.randint(1, amount // 10 - 1) * 10 if amount == 100 else \
                    rng.randint(1, amount // 50 - 1) * 50
            f = Fraction(part_amount, amount)
            text = 'What fraction of %s is %s %s?' % (whole, fmt(part_amount),
                                                       unit if unit != 'pence' else 'p')
            if unit == 'pence':
                text = 'What fraction of %s is %dp?' % (whole, part_amount)
        elif kind == 1:
            total = rng.randint(24, 36)
            boys = rng.randint(8, total - 8)
            f = Fraction(total - boys, total)
            text = 'There are %d pupils in a class. %d of them are boys. What fraction of the class are girls?' \
                   % (total, boys)
        elif kind == 2:
            total = rng.choice([20, 24, 30, 36, 40, 48])
            red = rng.randint(4, total - 4)
            f = Fraction(red, total)
            text = 'A bag holds %d marbles. %d of them are red. What fraction of the marbles are red?' % (total, red)
        elif kind == 3:
            played = rng.choice([12, 15, 18, 20, 24])
            won = rng.randint(3, played - 2)
            f = Fraction(played - won, played)
            text = ('A hockey team played %d matches and won %d of them. It did not win any of the others. '
                    'What fraction of its matches did it not win?' % (played, won))
        else:
            a, b = rng.randint(2, 9) * 5, rng.randint(4, 10) * 10
            if a >= b:
                continue
            f = Fraction(a, b)
            text = 'What fraction of %d is %d?' % (b, a)
        if f.denominator > 1 and (kind == 4 or f != Fraction(1, 2)):
            break
    return Question([P(text), P(SIMPLEST)], [('F', 1, key_f(f))], 'Write the fraction.')


RATIO_CONTEXTS = [  # (sentence with two counts, first, second, whole group, first as "are ...", second)
    ('In a class there are %d boys and %d girls.', 'boys', 'girls', 'pupils', 'boys', 'girls'),
    ('A bag holds %d red counters and %d blue counters.', 'red counters', 'blue counters', 'counters',
     'red', 'blue'),
    ('An animal rescue centre has %d cats and %d dogs.', 'cats', 'dogs', 'animals', 'cats', 'dogs'),
    ('A bookshelf holds %d story books and %d information books.', 'story books', 'information books', 'books',
     'story books', 'information books'),
    ('A florist has %d roses and %d tulips.', 'roses', 'tulips', 'flowers', 'roses', 'tulips'),
    ('A car park has %d cars and %d vans.', 'cars', 'vans', 'vehicles', 'cars', 'vans'),
    ('A fruit bowl has %d apples and %d oranges.', 'apples', 'oranges', 'pieces of fruit', 'apples', 'oranges'),
]


def ratio_pair(rng, L):
    while True:
        a, b = rng.randint(1, 7), rng.randint(1, 9)
        if math.gcd(a, b) == 1 and a != b:
            k = rng.randint(2, {1: 5, 2: 7, 3: 9, 4: 12, 5: 15}[L])
            return a * k, b * k


def t2_ratio_simplify(rng, L):
    if L >= 3 and OCC[0] == 1 and (L == 3 or rng.random() < 0.5):
        while True:
            base = [rng.randint(1, 6) for _ in range(3)]
            g = math.gcd(math.gcd(*base[:2]), base[2])
            if g == 1 and len(set(base)) == 3:
                break
        k = rng.randint(2, 4 + L)
        nums = [x * k for x in base]
    elif L >= 4 and OCC[0] == 1:
        big, small, bigname, smallname = rng.choice([(100, 1, 'm', 'cm'), (1000, 1, 'kg', 'g'),
                                                    (60, 1, 'hour', 'minutes'), (100, 1, POUND, 'p'),
                                                    (1000, 1, 'litre', 'ml')])
        while True:
            x = rng.randint(1, 3)
            y = rng.choice([5, 10, 20, 25, 30, 40, 50, 75, 15, 45]) * (10 if big == 1000 else 1)
            if y < big * x and y % 5 == 0:
                break
        if bigname == POUND:
            shown = '%dp : %s' % (y, money(x))
        elif bigname == 'hour':
            shown = '%d minutes : %s' % (y, '1 hour' if x == 1 else '%d hours' % x)
        elif bigname == 'litre':
            shown = '%d ml : %s' % (y, '1 litre' if x == 1 else '%d litres' % x)
        else:
            shown = '%d %s : %d %s' % (y, smallname, x, bigname)
        return Question([P('Write the ratio %s in its simplest form.' % shown)], [ans_r([y, x * big])],
                        'Write the ratio.')
    else:
        nums = list(ratio_pair(rng, L))
    shown = ' : '.join(str(x) for x in nums)
    text = rng.choice(['Write %s in its simplest form.', 'Write the ratio %s in its simplest form.'])
    return Question([P(text % shown)], [ans_r(nums)], 'Write the ratio.')


def t2_ratio_context(rng, L):
    sentence, first, second, whole, _, _ = rng.choice(RATIO_CONTEXTS)
    a, b = ratio_pair(rng, L)
    order = rng.random() < 0.5
    if first == 'boys' and a + b > 34:
        sentence = 'At a sports camp there are %d boys and %d girls.'
        whole = 'children'
    if L >= 2 and rng.random() < 0.5 and first == 'boys' and a + b <= 34:
        lines = [P('There are %d pupils in a class. %d of them are boys and the rest are girls.' % (a + b, a))]
    else:
        lines = [P(sentence % (a, b))]
    if L >= 3 and rng.random() < 0.4:
        lines.append(P('Write the ratio of the number of %s to the total number of %s in its simplest form.'
                       % (first, whole)))
        return Question(lines, [ans_r([a, a + b])], 'Write the ratio.')
    x, y = (first, second) if order else (second, first)
    lines.append(P('Write the ratio of %s to %s in its simplest form.' % (x, y)))
    return Question(lines, [ans_r([a, b] if order else [b, a])], 'Write the ratio.')


def t2_ratio_fig(rng, L):
    while True:
        c, t = rng.randint(2, 12), rng.randint(2, 12)
        if math.gcd(c, t) > 1 and c != t and c + t <= 18:
            break
    kinds = ['circle'] * c + ['triangle'] * t
    rng.shuffle(kinds)
    cols = 6 if c + t > 10 else 5
    svg = svg_shapes(kinds, cols)
    alt = 'A group of %d white circles and %d grey triangles' % (c, t)
    first_circles = rng.random() < 0.5
    if first_circles:
        q = 'Write the ratio of circles to triangles in its simplest form.'
        key = ans_r([c, t])
    else:
        q = 'Write the ratio of triangles to circles in its simplest form.'
        key = ans_r([t, c])
    return Question([P('Look at the shapes.'), figure_line(alt), P(q)], [key], 'Look at the diagram.', svg)


def t2_ratio_missing(rng, L):
    while True:
        a, b = ratio_pair(rng, 1)
        g = math.gcd(a, b)
        a, b = a // g, b // g
        if L < 2 or min(a, b) > 1:
            break
    k = rng.randint(1 + L, 4 + 2 * L)
    pos = rng.randrange(2)
    if pos == 0:
        shown = '%d : %d = %s : %d' % (a, b, '?', b * k)
        ans = a * k
    else:
        shown = '%d : %d = %d : %s' % (a, b, a * k, '?')
        ans = b * k
    if L >= 3 and (L >= 4 or rng.random() < 0.5):
        m = rng.randint(2, 4)
        while m == k:
            k += 1
        shown = '%d : %d = %s : %d' % (a * m, b * m, '?', b * k)
        ans = a * k
    return Question([P('What number should go in place of <b>?</b>'), P(shown)], [ans_n(ans)],
                    'Find the missing number.')


SHARE_CONTEXTS = [
    ('%s and %s share %s in the ratio %d : %d.', 'money'),
    ('%s and %s share %d sweets in the ratio %d : %d.', 'sweets'),
    ('%s and %s share %d stickers in the ratio %d : %d.', 'stickers'),
    ('%s and %s share %d marbles in the ratio %d : %d.', 'marbles'),
]


def t2_ratio_share(rng, L):
    a, b = ratio_pair(rng, 1)
    g = math.gcd(a, b)
    a, b = a // g, b // g
    k = rng.randint(3, 6 + 3 * L)
    total = (a + b) * k
    x, y = rng.sample(NAMES, 2)
    sentence, what = rng.choice(SHARE_CONTEXTS)
    if what == 'money':
        lines = [P(sentence % (x, y, money(total), a, b))]
        unit = ' Give your answer in pounds.'
    else:
        lines = [P(sentence % (x, y, total, a, b))]
        unit = ''
    noun = 'money' if what == 'money' else what
    if L <= 2:
        lines += [part(0, 'How much does %s get?%s' % (x, unit) if what == 'money' else
                       'How many %s does %s get?' % (what, x)),
                  part(1, 'How much does %s get?%s' % (y, unit) if what == 'money' else
                       'How many %s does %s get?' % (what, y))]
        return Question(lines, [ans_n(a * k), ans_n(b * k)], 'Answer each part.')
    who = rng.randrange(2)
    name, share = (x, a * k) if who == 0 else (y, b * k)
    lines.append(P('How much does %s get?%s' % (name, unit) if what == 'money' else
                   'How many %s does %s get?' % (noun, name)))
    return Question(lines, [ans_n(share, 2 if L >= 3 else 1)], WORKING if L >= 3 else 'Work out the answer.')


def t2_ratio_one_part(rng, L):
    sentence, first, second, _, _, _ = rng.choice(RATIO_CONTEXTS[1:])
    a, b = ratio_pair(rng, 1)
    g = math.gcd(a, b)
    a, b = a // g, b // g
    while L >= 3 and min(a, b) == 1:
        a, b = ratio_pair(rng, 1)
        g = math.gcd(a, b)
        a, b = a // g, b // g
    k = rng.randint(2 + L, 4 + 2 * L)
    lines = [P('The ratio of %s to %s is %d : %d.' % (first, second, a, b))]
    if rng.random() < 0.5:
        lines.append(P('There are %d %s. How many %s are there?' % (a * k, first, second)))
        ans = b * k
    else:
        lines.append(P('There are %d %s. How many %s and %s are there altogether?' % (b * k, second, first, second)))
        ans = (a + b) * k
    marks = 2 if L >= 3 else 1
    return Question(lines, [ans_n(ans, marks)], WORKING if marks == 2 else 'Work out the answer.')


def t2_ratio_to_fraction(rng, L):
    sentence, first, second, whole, pred1, pred2 = rng.choice(RATIO_CONTEXTS)
    a, b = ratio_pair(rng, 1)
    g = math.gcd(a, b)
    a, b = a // g, b // g
    if L >= 3:
        m = rng.randint(2, 4)
        a, b = a * m, b * m
    which = rng.randrange(2)
    lines = [P('The ratio of %s to %s is %d : %d.' % (first, second, a, b)),
             P('What fraction of the %s are %s? %s' % (whole, (pred1, pred2)[which], SIMPLEST))]
    return Question(lines, [('F', 1, key_f(Fraction((a, b)[which], a + b)))], 'Write the fraction.')


def t2_fraction_to_ratio(rng, L):
    f = rfrac(rng, [3, 4, 5, 7, 8, 9] if L < 4 else [6, 8, 10, 12])
    ctx = rng.choice([('of the pupils in a club are boys. The rest are girls.', 'boys', 'girls'),
                      ('of the cars in a car park are white. The rest are not white.', 'white cars',
                       'cars that are not white'),
                      ('of the sweets in a jar are mints. The rest are toffees.', 'mints', 'toffees')])
    lines = [P('%s %s' % (fv(f), ctx[0]))]
    if rng.random() < 0.5:
        lines.append(P('Write the ratio of %s to %s in its simplest form.' % (ctx[1], ctx[2])))
        key = ans_r([f.numerator, f.denominator - f.numerator])
    else:
        lines.append(P('Write the ratio of %s to %s in its simplest form.' % (ctx[2], ctx[1])))
        key = ans_r([f.denominator - f.numerator, f.numerator])
    return Question(lines, [key], 'Write the ratio.')


RECIPES = [  # (what is made, ingredient, unit, amount for one, batch sizes)
    ('pancakes', 'flour', 'g', [20, 25, 30], [4, 6, 8, 12]),
    ('biscuits', 'butter', 'g', [8, 10, 12, 15], [12, 16, 20, 24]),
    ('cupcakes', 'sugar', 'g', [15, 20, 25], [6, 12]),
    ('bread rolls', 'flour', 'g', [50, 60, 70, 80], [6, 8, 10, 12]),
    ('people', 'orange juice', 'ml', [100, 125, 150, 200], [4, 6, 8, 10]),
    ('people', 'milk', 'ml', [150, 200, 250], [2, 4, 5]),
]


def t2_recipe(rng, L):
    item, ingredient, unit, ones, bases = RECIPES[fresh_kind(rng, 'recipe', len(RECIPES))]
    one = rng.choice(ones)
    base = rng.choice(bases)
    while True:
        new = base * rng.randint(2, 4) if L == 1 else rng.randint(base // 2 + 1, base * 3)
        if L == 1 or new % base:
            break
    if ingredient == 'orange juice':
        lines = [P('A recipe for fruit punch for %d people uses %s ml of orange juice.' % (base, fmt(one * base))),
                 P('How much orange juice is needed to make fruit punch for %d people? Give your answer in ml.'
                   % new)]
    elif ingredient == 'milk':
        lines = [P('A recipe for milkshakes for %d people uses %s ml of milk.' % (base, fmt(one * base))),
                 P('How much milk is needed to make milkshakes for %d people? Give your answer in ml.' % new)]
    else:
        lines = [P('A recipe for %d %s uses %s %s of %s.' % (base, item, fmt(one * base), unit, ingredient)),
                 P('How much %s is needed for %d %s? Give your answer in %s.' % (ingredient, new, item, unit))]
    marks = 1 if new % base == 0 else 2
    return Question(lines, [ans_n(one * new, marks)], WORKING if marks == 2 else 'Work out the answer.')


def t2_ops_parts(rng, L):
    """The four operations (two at the start) on one pair of fractions."""
    while True:
        if L == 1:
            d = rng.choice([2, 3, 4, 5])
            x, y = rfrac(rng, [d * rng.choice([2, 3])]), rfrac(rng, [d])
        elif L == 2:
            x, y = rfrac(rng, [2, 3, 4, 5, 6]), rfrac(rng, [3, 4, 5, 6, 8])
        elif L <= 4:
            x, y = rfrac(rng, [3, 4, 5, 6, 8]), rfrac(rng, [2, 3, 4, 5, 6, 9])
        else:
            x, y = rfrac(rng, [2, 3, 4, 5], Fraction(1), Fraction(3)), rfrac(rng, [3, 4, 5, 6, 8])
        if x < y:
            x, y = y, x
        if x == y or x.denominator == y.denominator:
            continue
        results = [x + y, x - y] + ([x * y, x / y] if L >= 3 else [])
        if all(r.denominator > 1 for r in results):
            break
    ops = ['+', MINUS, TIMES, DIVIDE][:len(results)]
    lines = [P('Work out each of these. Give each answer in its simplest form.')]
    for i, op in enumerate(ops):
        lines.append(part(i, '%s %s %s' % (fv(x), op, fv(y))))
    return Question(lines, [ans_frac(r) for r in results], 'Answer each part.')


# ---------------------------------------------------------------- topic 2 word problems

def fw_pizza(rng, L):
    x, y = rng.sample(NAMES, 2)
    while True:
        d1 = rng.choice([2, 3, 4])
        d2 = d1 * rng.choice([2, 3]) if L == 1 else rng.choice([3, 5, 6, 8, 10, 12])
        a, b = rfrac(rng, [d1]), rfrac(rng, [d2])
        if a + b < 1 and a != b:
            break
    lines = [P('%s ate %s of a pizza and %s ate %s of the same pizza.' % (x, fv(a), y, fv(b))),
             P('What fraction of the pizza was left? %s' % SIMPLEST)]
    return Question(lines, [ans_frac(1 - a - b, 2)], WORKING)


def fw_class_walk(rng, L):
    f = rfrac(rng, [3, 4, 5, 8])
    n = f.denominator * rng.randint(4, 8)
    how = rng.choice(['walk to school', 'have a pet', 'play a musical instrument'])
    neg = {'walk to school': 'do not walk to school', 'have a pet': 'do not have a pet',
           'play a musical instrument': 'do not play a musical instrument'}[how]
    lines = [P('There are %d pupils in a year group. %s of them %s.' % (n, fv(f), how)),
             P('How many pupils %s?' % neg)]
    return Question(lines, [ans_n(n - f * n, 2)], WORKING)


def fw_money_left(rng, L):
    name = rng.choice(NAMES)
    f = rfrac(rng, [3, 4, 5, 6, 8, 12])
    m = f.denominator * rng.randint(3, 8)
    thing = rng.choice(['a book', 'a football', 'a computer game', 'a pair of trainers'])
    lines = [P('%s had %s. %s spent %s of the money on %s.' % (name, money(m), he(name).capitalize(), fv(f), thing)),
             P('How much money did %s have left? Give your answer in pounds.' % name)]
    return Question(lines, [ans_n(m - f * m, 2)], WORKING)


def fw_minutes(rng, L):
    name = rng.choice(NAMES)
    f = rfrac(rng, [3, 4, 5, 6, 10, 12])
    days = rng.randint(3, 7)
    task = rng.choice(['practising the piano', 'reading', 'doing homework', 'swimming'])
    lines = [P('%s spends %s of an hour %s each day.' % (name, fv(f), task)),
             P('How many minutes does %s spend %s in %d days? Give your answer in minutes.' % (he(name), task, days))]
    return Question(lines, [ans_n(f * 60 * days, 2)], WORKING)


def fw_cake(rng, L):
    x, y = rng.sample(NAMES, 2)
    while True:
        slices = rng.choice([8, 10, 12, 16, 20, 24])
        f, g = rfrac(rng, [2, 3, 4, 5, 6, 8]), rfrac(rng, [3, 4, 5, 6, 8])
        if f + g < 1 and (f * slices).denominator == 1 and (g * slices).denominator == 1 and f != g:
            break
    lines = [P('A cake is cut into %d equal slices. %s eats %s of the cake and %s eats %s of the cake.'
               % (slices, x, fv(f), y, fv(g))),
             P('How many slices of cake are left?')]
    return Question(lines, [ans_n(slices - (f + g) * slices, 2)], WORKING)


def fw_jar(rng, L):
    while True:
        f, g = rfrac(rng, [3, 4, 5, 8]), rfrac(rng, [2, 3, 4, 6, 8])
        n = lcm(f.denominator, g.denominator) * rng.randint(2, 6)
        if f + g < 1 and f != g and n <= 120:
            break
    lines = [P('A jar holds %d sweets. %s of the sweets are red, %s of them are green and the rest are yellow.'
               % (n, fv(f), fv(g))),
             P('How many yellow sweets are there?')]
    return Question(lines, [ans_n(n - (f + g) * n, 2)], WORKING)


def fw_bus(rng, L):
    while True:
        f, g = rfrac(rng, [3, 4, 5]), rfrac(rng, [2, 3, 4, 5])
        n = rng.randint(20, 60)
        after = n - f * n
        if after.denominator == 1 and (g * after).denominator == 1 and after > 0:
            break
    lines = [P('There were %d passengers on a bus. At the first stop, %s of the passengers got off. At the '
               'second stop, %s of the passengers who were still on the bus got off. No one got on.' % (n, fv(f), fv(g))),
             P('How many passengers were still on the bus after the second stop?')]
    return Question(lines, [ans_n(after - g * after, 2)], WORKING)


def fw_walk(rng, L):
    name = rng.choice(NAMES)
    f = rfrac(rng, [3, 4, 5, 8])
    days = rng.randint(3, 5)
    v = f * 2 * days
    lines = [P('%s walks %s km to school every morning and the same distance home every afternoon.'
               % (name, fv(f))),
             P('How far does %s walk to school and back in %d days? Give your answer in km%s.'
               % (he(name), days, ', in its simplest form' if v.denominator > 1 else ''))]
    return Question(lines, [ans_frac(v, 2)], WORKING)


def fw_sports(rng, L):
    while True:
        a, b = rfrac(rng, [2, 3, 4, 5]), rfrac(rng, [3, 4, 5, 6, 8])
        if a + b < 1 and a.denominator != b.denominator:
            break
    rest = 1 - a - b
    lines = [P('In a survey, %s of the children chose football as their favourite sport and %s chose tennis. '
               'All the other children chose swimming.' % (fv(a), fv(b)))]
    if L >= 3:
        n = lcm(a.denominator, b.denominator) * rng.randint(2, 5)
        lines[0] = lines[0].replace('In a survey,', 'In a survey of %d children,' % n)
        lines += [part(0, 'What fraction of the children chose swimming? %s' % SIMPLEST),
                  part(1, 'How many children chose swimming?')]
        return Question(lines, [ans_frac(rest), ans_n(rest * n)], 'Answer each part.')
    lines.append(P('What fraction of the children chose swimming? %s' % SIMPLEST))
    return Question(lines, [ans_frac(rest, 2)], WORKING)


def fw_ribbon(rng, L):
    while True:
        x = rfrac(rng, [2, 3, 4, 5, 8], Fraction(2), Fraction(6))
        y = rfrac(rng, [2, 4, 8, 3, 6], Fraction(1), Fraction(3))
        v = x - y
        if v > 0 and v.denominator > 1 and (x - int(x)) < (y - int(y)):
            break
    thing, unit, unitname = rng.choice([('ribbon', 'm', 'm'), ('plank of wood', 'm', 'm'),
                                        ('bag of rice', 'kg', 'kg')])
    verb = 'is cut off' if thing != 'bag of rice' else 'is used'
    lines = [P('A %s %s %s %s%s. Then %s %s %s.' % (thing, 'weighs' if unit == 'kg' else 'is', fv(x), unit,
                                                    '' if unit == 'kg' else ' long', fv(y), unit, verb)),
             P('How much is left? Give your answer in %s, in its simplest form.' % unitname)]
    return Question(lines, [ans_frac(v, 2)], WORKING)


def fw_glasses(rng, L):
    k = rng.choice([4, 5, 8, 10])
    while True:
        jug = rfrac(rng, [2, 4, 5], Fraction(1), Fraction(4))
        if (jug * k).denominator == 1 and jug.denominator > 1:
            break
    lines = [P('A jug holds %s litres of juice. Each glass holds %s litre.' % (fv(jug), fh(1, k))),
             P('How many glasses can be filled from the jug?')]
    return Question(lines, [ans_n(jug * k, 2)], WORKING)


def fw_remainder(rng, L):
    name = rng.choice(NAMES)
    while True:
        f, g = rfrac(rng, [3, 4, 5]), rfrac(rng, [3, 4, 5])
        m = rng.randint(4, 30) * 10
        left = (1 - f) * m
        if (f * m).denominator == 1 and left.denominator == 1 and (g * left).denominator == 1:
            break
    lines = [P('%s had %s. %s spent %s of it on a book and then %s of the money that was left on a game.'
               % (name, money(m), he(name).capitalize(), fv(f), fv(g))),
             P('How much money did %s have left after buying the game? Give your answer in pounds.' % he(name))]
    return Question(lines, [ans_n(left - g * left, 2)], WORKING)


def fw_reverse(rng, L):
    name = rng.choice(NAMES)
    f = rfrac(rng, [3, 4, 5, 7, 8, 9])
    m = f.denominator * rng.randint(3, 12)
    lines = [P('%s spent %s of %s pocket money and had %s left.' % (name, fv(f), 'her' if name in FEMALE else 'his',
                                                                   money(m - f * m))),
             P('How much pocket money did %s have at first? Give your answer in pounds.' % he(name))]
    return Question(lines, [ans_n(m, 2)], WORKING)


def fw_tank(rng, L):
    while True:
        cap = rng.randint(4, 20) * 10
        full, used = rfrac(rng, [2, 3, 4, 5]), rfrac(rng, [3, 4, 5])
        water = full * cap
        if water.denominator == 1 and (used * water).denominator == 1:
            break
    lines = [P('A water tank holds %d litres when it is full. The tank is %s full. Then %s of the water in the '
               'tank is used.' % (cap, fv(full), fv(used))),
             P('How many litres of water are left in the tank? Give your answer in litres.')]
    return Question(lines, [ans_n(water - used * water, 2)], WORKING)


def fw_rope(rng, L):
    while True:
        piece = rfrac(rng, [3, 4, 5, 8])
        n = rng.randint(5, 16)
        length = piece * n
        if length.denominator > 1 and length > 2:
            break
    lines = [P('A rope is %s m long. It is cut into pieces that are each %s m long.' % (fv(length), fv(piece))),
             P('How many pieces are there?')]
    return Question(lines, [ans_n(n, 2)], WORKING)


def fw_choir(rng, L):
    f, g = rfrac(rng, [3, 4, 5]), rfrac(rng, [3, 4, 5, 6])
    club = rng.choice(['choir', 'chess club', 'football club'])
    lines = [P('%s of the pupils in a school are in the %s. %s of the pupils in the %s are girls.'
               % (fv(f), club, fv(g), club)),
             P('What fraction of all the pupils in the school are girls in the %s? %s' % (club, SIMPLEST))]
    return Question(lines, [ans_frac(f * g, 2)], WORKING)


def fw_two_step_reverse(rng, L):
    name = rng.choice(NAMES)
    while True:
        f, g = rfrac(rng, [3, 4, 5]), rfrac(rng, [3, 4, 5])
        left = rng.randint(3, 20) * 6
        m = left / (1 - g) / (1 - f)
        if m.denominator == 1 and ((1 - f) * m).denominator == 1 and m <= 600:
            break
    lines = [P('%s spent %s of %s money on some shoes. %s then spent %s of the money that was left on a bag. '
               '%s had %s left.' % (name, fv(f), 'her' if name in FEMALE else 'his', he(name).capitalize(), fv(g),
                                   he(name).capitalize(), money(left))),
             P('How much money did %s have at first? Give your answer in pounds.' % name)]
    return Question(lines, [ans_n(m, 2)], WORKING)


def fw_flour(rng, L):
    while True:
        bag = rfrac(rng, [2, 3, 4], Fraction(2), Fraction(5))
        each = rfrac(rng, [3, 4, 8], Fraction(1, 3), Fraction(1))
        n = int(bag // each)
        rest = bag - n * each
        if 2 <= n <= 8 and rest > 0:
            break
    lines = [P('Mrs Shah has %s kg of flour. Each cake she bakes uses %s kg of flour.' % (fv(bag), fv(each))),
             part(0, 'What is the greatest number of cakes she can bake?'),
             part(1, 'How much flour is left over then? Give your answer in kg, in its simplest form.')]
    return Question(lines, [ans_n(n), ans_frac(rest)], 'Answer each part.')


def fw_more_boys(rng, L):
    while True:
        f = rfrac(rng, [5, 7, 8, 9], Fraction(1, 5), Fraction(1, 2))
        diff = 1 - 2 * f
        k = rng.randint(2, 8) * 4
        total = Fraction(k) / diff
        if total.denominator == 1 and (f * total).denominator == 1 and total <= 500:
            break
    lines = [P('%s of the pupils at a school are girls and the rest are boys. There are %d more boys than girls.'
               % (fv(f), k)),
             P('How many pupils are there at the school altogether?')]
    return Question(lines, [ans_n(total, 2)], WORKING)


def rw_paint(rng, L):
    a, b = rng.choice([(2, 3), (1, 4), (3, 2), (3, 5), (2, 5), (1, 3)])
    k = rng.randint(2, 6)
    lines = [P('Blue paint and yellow paint are mixed in the ratio %d : %d to make green paint.' % (a, b)),
             P('How many litres of yellow paint are in %d litres of green paint? Give your answer in litres.'
               % ((a + b) * k))]
    return Question(lines, [ans_n(b * k, 2)], WORKING)


def rw_beads(rng, L):
    a, b = rng.choice([(2, 5), (3, 7), (1, 4), (3, 5), (4, 7), (2, 9)])
    k = rng.randint(3, 8)
    lines = [P('A necklace has only red beads and white beads. The ratio of red beads to white beads is %d : %d. '
               'There are %d beads altogether.' % (a, b, (a + b) * k)),
             P('How many more white beads than red beads are there?')]
    return Question(lines, [ans_n((b - a) * k, 2)], WORKING)


def rw_ages(rng, L):
    name = rng.choice(NAMES)
    while True:
        age, mum = rng.randint(8, 14), rng.randint(32, 48)
        if math.gcd(age, mum) > 1:
            break
    her = 'her' if name in FEMALE else 'his'
    lines = [P('%s is %d years old. %s mother is %d years old.' % (name, age, her.capitalize(), mum)),
             P("Write the ratio of %s's age to %s mother's age in its simplest form." % (name, her))]
    return Question(lines, [ans_r([age, mum])], 'Write the ratio.')


def rw_squash(rng, L):
    a, b = rng.choice([(1, 4), (1, 5), (1, 6), (2, 7), (1, 3)])
    k = rng.randint(2, 12) * 10
    lines = [P('Orange squash and water are mixed in the ratio %d : %d to make a drink.' % (a, b)),
             P('How much water is needed to mix with %d ml of orange squash? Give your answer in ml.' % (a * k))]
    return Question(lines, [ans_n(b * k, 2)], WORKING)


def rw_team(rng, L):
    a, b = rng.choice([(5, 3), (3, 2), (7, 3), (4, 1), (5, 2)])
    k = rng.randint(3, 8)
    team = rng.choice(['netball', 'football', 'cricket', 'basketball'])
    lines = [P('A %s team played %d matches last season. It won or lost every match, and the ratio of matches '
               'won to matches lost was %d : %d.' % (team, (a + b) * k, a, b)),
             P('How many matches did the team win?')]
    return Question(lines, [ans_n(a * k, 2)], WORKING)


def rw_three_share(rng, L):
    while True:
        parts = [rng.randint(1, 6) for _ in range(3)]
        if len(set(parts)) == 3 and math.gcd(math.gcd(parts[0], parts[1]), parts[2]) == 1:
            break
    k = rng.randint(5, 30)
    names = rng.sample(NAMES, 3)
    who = rng.randrange(3)
    lines = [P('%s, %s and %s share %s in the ratio %d : %d : %d.' % (names[0], names[1], names[2],
                                                                  money(sum(parts) * k), *parts)),
             P('How much does %s get? Give your answer in pounds.' % names[who])]
    return Question(lines, [ans_n(parts[who] * k, 2)], WORKING)


def rw_diff_total(rng, L):
    a, b = rng.choice([(5, 4), (7, 5), (4, 3), (9, 7), (5, 3), (8, 5)])
    k = rng.randint(3, 9)
    club = rng.choice(['a swimming club', 'a drama club', 'a summer camp'])
    lines = [P('The ratio of boys to girls in %s is %d : %d. There are %d more boys than girls.'
               % (club, a, b, (a - b) * k)),
             P('How many children are there altogether?')]
    return Question(lines, [ans_n((a + b) * k, 2)], WORKING)


def rw_change(rng, L):
    while True:
        a, b = rng.choice([(3, 4), (2, 3), (4, 5), (3, 5), (5, 6)])
        k = rng.randint(3, 8)
        join = rng.randint(2, 12)
        boys, girls = a * k + join, b * k
        if math.gcd(boys, girls) > 1 and boys != girls:
            break
    lines = [P('In a club, the ratio of boys to girls is %d : %d. There are %d children in the club.'
               % (a, b, (a + b) * k)),
             P('Then %d more boys join the club. Write the new ratio of boys to girls in its simplest form.' % join)]
    return Question(lines, [ans_r([boys, girls], 2)], WORKING)


def rw_transfer(rng, L):
    while True:
        a, b = rng.choice([(3, 5), (2, 4), (1, 3), (3, 7), (5, 7), (2, 5)])
        k = rng.randint(2, 12) * 2
        if (b - a) * k % 2 == 0 and math.gcd(a, b) == 1:
            break
    give = (b - a) * k // 2
    x, y = rng.sample(NAMES, 2)
    lines = [P('The ratio of the money %s has to the money %s has is %d : %d. %s gives %s %s. Now they both '
               'have the same amount of money.' % (x, y, a, b, y, x, money(give))),
             P('How much money did %s have at first? Give your answer in pounds.' % x)]
    return Question(lines, [ans_n(a * k, 2)], WORKING)


def rw_recipe_limit(rng, L):
    while True:
        base = rng.choice([10, 12, 16, 20])
        butter, flour = rng.randint(4, 10) * 25, rng.randint(6, 14) * 25
        have_b, have_f = rng.randint(10, 30) * 50, rng.randint(12, 40) * 50
        nb, nf = have_b // butter, have_f // flour
        if nb != nf and 2 <= min(nb, nf) <= 8 and have_b % butter and have_f % flour:
            break
    lines = [P('A recipe for %d biscuits uses %d g of butter and %d g of flour. Only whole batches of the recipe '
               'are made.' % (base, butter, flour)),
             P('Sam has %s g of butter and %s g of flour. What is the greatest number of biscuits he can make?'
               % (fmt(have_b), fmt(have_f)))]
    return Question(lines, [ans_n(min(nb, nf) * base, 2)], WORKING)


def rw_stickers(rng, L):
    x, y = rng.sample(NAMES, 2)
    a, b = rng.choice([(5, 3), (4, 7), (2, 5), (7, 4), (3, 8)])
    k = rng.randint(4, 12)
    lines = [P('The ratio of the number of stickers %s has to the number %s has is %d : %d. %s has %d stickers.'
               % (x, y, a, b, x, a * k)),
             P('How many stickers do they have altogether?')]
    return Question(lines, [ans_n((a + b) * k, 2)], WORKING)


T2_FWORDS = [(1, fw_pizza), (1, fw_class_walk), (1, fw_money_left), (1, fw_minutes), (1, fw_cake),
             (2, fw_walk), (2, fw_sports), (2, fw_jar), (2, fw_bus), (3, fw_ribbon), (3, fw_glasses), (3, fw_remainder),
             (4, fw_reverse), (4, fw_tank), (4, fw_rope), (4, fw_choir),
             (5, fw_two_step_reverse), (5, fw_flour), (5, fw_more_boys)]
T2_RWORDS = [(1, rw_paint), (1, rw_ages), (1, rw_squash), (2, rw_stickers), (2, rw_team), (3, rw_beads),
             (4, rw_three_share),
             (4, rw_diff_total), (5, rw_change), (5, rw_transfer), (5, rw_recipe_limit)]


# ================================================================ the papers

T1_PLAN = {
    1: ['digit_value', 'words_to_figures', 'words_q', 'expanded', 'round', 'round2', 'compare_q', 'more_less',
        'number_line', 'add', 'sub', 'mul', 'div', 'pow10', 'order_ops', 'order_ops', 'missing', 'factors_g',
        'multiples_g', 'multiple_n', 'prime_q', 'prime_g', 'square_cube', 'square_g', 'hcf', 'lcm',
        'digits_puzzle', 'table', 'word', 'word', 'word', 'lcm_word'],
    2: ['digit_value', 'words_to_figures', 'words_q', 'expanded', 'round2', 'compare_q', 'more_less',
        'number_line', 'add', 'sub', 'mul', 'div', 'div_rem', 'pow10', 'order_ops', 'order_ops', 'missing',
        'estimate_q', 'factors_g', 'num_factors', 'multiples_g', 'common_factors_g', 'lcm', 'prime_q', 'prime_g',
        'square_cube', 'square_q', 'digits_puzzle', 'word', 'word', 'word', 'hcf_word'],
    3: ['digit_value', 'words_to_figures', 'words_q', 'expanded', 'round2', 'round_reverse', 'compare_q',
        'more_less', 'add', 'sub', 'mul', 'div', 'div_rem', 'pow10', 'order_ops', 'order_ops', 'brackets_q',
        'missing', 'estimate_q', 'factor_q', 'factors_g', 'common_multiple_q', 'hcf', 'prime_count', 'prime_g',
        'square_cube', 'sqrt', 'digit_diff', 'table', 'word', 'word', 'lcm_word'],
    4: ['digit_value', 'words_to_figures', 'words_q', 'round2', 'round_reverse', 'number_line', 'more_less',
        'add', 'sub', 'mul', 'div', 'div_rem', 'pow10', 'order_ops', 'order_ops', 'brackets_q', 'missing',
        'estimate_q', 'num_factors', 'factors_g', 'multiples_g', 'common_factors_g', 'lcm', 'prime_factors_q',
        'prime_next', 'prime_g', 'square_cube', 'square_g', 'digits_puzzle', 'word', 'word', 'hcf_word'],
    5: ['digit_diff', 'words_to_figures', 'words_q', 'expanded', 'round_reverse', 'round2', 'compare_q',
        'more_less', 'add', 'sub', 'mul', 'div', 'pow10', 'order_ops', 'order_ops', 'brackets_q', 'missing',
        'factor_q', 'multiple_n', 'hcf', 'lcm', 'prime_factors_q', 'prime_count', 'prime_g', 'square_cube',
        'sqrt', 'remainder_puzzle', 'table', 'word', 'word', 'lcm_word', 'hcf_word', 'word'],
}

T2_PLAN = {
    1: ['shaded', 'shaded', 'equiv_missing', 'simplify', 'simplify', 'improper_to_mixed', 'mixed_to_improper',
        'compare_q', 'equiv_q', 'add_sub', 'add_sub', 'add_sub', 'ops_parts', 'mul_whole', 'mul_whole',
        'mul_frac', 'div_whole', 'frac_of_qty', 'frac_of_qty', 'what_fraction', 'ratio_simplify',
        'ratio_context', 'ratio_fig', 'ratio_missing', 'ratio_share', 'ratio_one_part', 'ratio_to_fraction',
        'recipe', 'fword', 'fword', 'fword', 'fword', 'rword', 'rword'],
    2: ['shaded', 'equiv_missing', 'simplify', 'simplify', 'improper_to_mixed', 'mixed_to_improper', 'compare_q',
        'order_q', 'equiv_q', 'add_sub', 'add_sub', 'add_sub', 'ops_parts', 'mul_whole', 'mul_frac', 'mul_frac', 'div_whole',
        'frac_of_qty', 'frac_of_qty', 'what_fraction', 'ratio_simplify', 'ratio_context', 'ratio_fig',
        'ratio_missing', 'ratio_share', 'ratio_one_part', 'fraction_to_ratio', 'recipe', 'fword', 'fword',
        'fword', 'rword', 'rword'],
    3: ['shaded', 'equiv_missing', 'simplify', 'improper_to_mixed', 'compare_q', 'order_q', 'between_q',
        'add_sub', 'add_sub', 'add_sub', 'ops_parts', 'mul_whole', 'mul_frac', 'mul_frac', 'div_whole', 'div_frac',
        'frac_of_qty', 'frac_of_qty', 'what_fraction', 'ratio_simplify', 'ratio_simplify', 'ratio_context',
        'ratio_missing', 'ratio_share', 'ratio_one_part', 'ratio_to_fraction', 'fraction_to_ratio', 'recipe',
        'fword', 'fword', 'fword', 'rword', 'rword'],
    4: ['equiv_missing', 'simplify', 'mixed_to_improper', 'compare_q', 'order_q', 'between_q', 'add_sub',
        'add_sub', 'add_sub', 'ops_parts', 'mul_whole', 'mul_frac', 'mul_frac', 'div_whole', 'div_frac', 'div_frac',
        'frac_of_qty', 'frac_of_qty', 'what_fraction', 'ratio_simplify', 'ratio_simplify', 'ratio_context',
        'ratio_missing', 'ratio_share', 'ratio_one_part', 'ratio_to_fraction', 'fraction_to_ratio', 'recipe',
        'fword', 'fword', 'fword', 'rword', 'rword'],
    5: ['simplify', 'improper_to_mixed', 'compare_q', 'order_q', 'add_sub', 'add_sub', 'add_sub', 'ops_parts',
        'mul_whole',
        'mul_frac', 'mul_frac', 'div_whole', 'div_frac', 'div_frac', 'frac_of_qty', 'frac_of_qty',
        'what_fraction', 'ratio_simplify', 'ratio_simplify', 'ratio_context', 'ratio_missing', 'ratio_share',
        'ratio_to_fraction', 'fraction_to_ratio', 'recipe', 'fword', 'fword', 'fword', 'fword', 'rword', 'rword',
        'rword', 'ratio_fig'],
}

TOPICS = [
    # (topic number, name, first paper, prefix of generator names, plan, word pools)
    (1, 'Whole Numbers', 101, 't1_', T1_PLAN, {'word': T1_WORDS}),
    (2, 'Fractions and Ratio', 106, 't2_', T2_PLAN, {'fword': T2_FWORDS, 'rword': T2_RWORDS}),
]


def pick_scenario(rng, pool, used, L):
    fresh = [(lv, f) for lv, f in pool if lv <= L and f.__name__ not in used]
    assert fresh, 'word problems ran out at level %d' % L
    near = [(lv, f) for lv, f in fresh if lv >= L - 1]
    lv, f = rng.choice(near or fresh)
    used.add(f.__name__)
    return f


def build_topic(topic, name, first_paper, prefix, plan, pools):
    first_id = 20000 + topic * 1000 + 1
    qid = first_id
    seen = set()
    used = set()
    USED_KINDS.clear()
    papers = []
    for i in range(5):
        L = i + 1
        paper = first_paper + i
        rng = random.Random(1000003 * paper + 17)
        questions = []
        for index, item in enumerate(plan[L]):
            OCC[0] = plan[L][:index].count(item)
            for attempt in range(500):
                if item in pools:
                    gen = pick_scenario(rng, pools[item], used, L)
                else:
                    gen = globals()[prefix + item]
                q = gen(rng, L)
                sig = '\n'.join(q.lines)
                numbers = (gen.__name__, tuple(sorted(re.findall(r'\d+', re.sub(r'<[^>]*>|&\w+;', ' ', sig)))) or sig)
                if sig not in seen and numbers not in seen:
                    break
                if item in pools:
                    used.discard(gen.__name__)
            else:
                raise RuntimeError('no new question for %s' % item)
            seen.add(sig)
            seen.add(numbers)
            if q.figure:
                q.lines = [l.replace(FIG, 'figures/q%d.svg' % qid) for l in q.lines]
            questions.append((qid, q))
            qid += 1
        papers.append((paper, '%s, paper %d' % (name, L), questions))
    return papers


# ---------------------------------------------------------------- checks

ALLOWED_TAGS = {'p', 'b', 'i', 'sup', 'sub', 'span', 'ol', 'li', 'table', 'tr', 'th', 'td', 'div', 'img'}
VOID_TAGS = {'img', 'br'}
ALLOWED_CLASSES = {'part', 'options', 'data', 'passage', 'figure', 'blank', 'frac'}


class BodyChecker(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=False)
        self.stack = []
        self.images = []
        self.options = 0
        self.in_options = False

    def handle_starttag(self, tag, attrs):
        assert tag in ALLOWED_TAGS, tag
        for k, v in attrs:
            assert k in ('class', 'src', 'alt'), k
            if k == 'class':
                assert v in ALLOWED_CLASSES, v
        if tag == 'img':
            d = dict(attrs)
            assert d.get('alt') and d.get('src'), attrs
            self.images.append(d['src'])
        if tag == 'ol':
            assert dict(attrs).get('class') == 'options'
            self.in_options = True
        if tag == 'li' and self.in_options:
            self.options += 1
        if tag not in VOID_TAGS:
            self.stack.append(tag)

    def handle_endtag(self, tag):
        assert self.stack and self.stack[-1] == tag, (self.stack, tag)
        self.stack.pop()
        if tag == 'ol':
            self.in_options = False

    def handle_data(self, data):
        assert '<' not in data and '>' not in data, data

    def handle_entityref(self, name):
        assert name in ('nbsp', 'times', 'divide', 'minus', 'pound', 'frasl', 'amp', 'lt', 'gt'), name


def check_key(t, key):
    assert key and not any(c in key for c in '>#\t\n\r'), key
    if t == 'N':
        assert re.fullmatch(r'\d+(\.\d+)?', key), key
    elif t == 'Q':
        assert key in ('1', '2', '3', '4'), key
    elif t == 'F':
        m = re.fullmatch(r'(\d+)/(\d+)', key)
        assert m and math.gcd(int(m[1]), int(m[2])) == 1 and int(m[2]) > 1 and int(m[1]) > 0, key
    elif t == 'X':
        m = re.fullmatch(r'(\d+) (\d+)/(\d+)', key)
        assert m and int(m[1]) >= 1 and 0 < int(m[2]) < int(m[3]) and math.gcd(int(m[2]), int(m[3])) == 1, key
    elif t == 'R':
        parts = [int(x) for x in key.split(':')] if re.fullmatch(r'\d+(:\d+)+', key) else None
        assert parts and all(parts), key
        g = 0
        for x in parts:
            g = math.gcd(g, x)
        assert g == 1, key
    elif t in ('M', 'G'):
        if t == 'G' and key == '[space]':
            return
        assert key.startswith(';'), key
        alts = key[1:].split(';')
        assert all(a.strip() == a and a for a in alts) and len(set(a.lower() for a in alts)) == len(alts), key
        if t == 'M':
            for a in alts:   # each alternative must itself be a well-formed form
                assert re.fullmatch(r'\d+( \d+/\d+|/\d+)?', a), key
    else:
        raise AssertionError('type %s' % t)


def check_question(qid, q):
    assert q.answers and 1 <= len(q.answers) <= 20
    for line in q.lines:
        assert line.strip() and '\n' not in line
        assert not line.startswith(('#', '==', 'answer:', 'instruction:')), line
        assert not re.search(r'&(?!(?:[a-zA-Z]+|#\d+);)', line), line
        assert 'style=' not in line and 'script' not in line.lower() and 'http' not in line, line
    checker = BodyChecker()
    checker.feed(''.join(q.lines))
    checker.close()
    assert not checker.stack, checker.stack
    for src in checker.images:
        assert src == 'figures/q%d.svg' % qid and q.figure, src
    if q.figure:
        assert checker.images
    types = [t for t, _, _ in q.answers]
    if 'Q' in types:
        assert types == ['Q'] and checker.options == 4, qid
    else:
        assert checker.options == 0
    if len(q.answers) > 1:
        parts = re.findall(r'<p class="part">\(([a-t])\)', ''.join(q.lines))
        assert parts == list('abcdefghijklmnopqrst'[:len(q.answers)]) or \
            all(t == 'G' for t in types), (qid, parts)
    # groups: a head, then followers; enough alternatives for every slot
    i = 0
    while i < len(q.answers):
        t, marks, key = q.answers[i]
        assert marks in (1, 2)
        check_key(t, key)
        if t == 'G':
            assert key != '[space]', qid
            j = i + 1
            while j < len(q.answers) and q.answers[j][2] == '[space]':
                assert q.answers[j][0] == 'G'
                j += 1
            assert j - i <= 21 and len(key[1:].split(';')) >= j - i, qid
            i = j
        else:
            assert key != '[space]'
            i += 1
    if q.instruction:
        assert '\n' not in q.instruction and '#' not in q.instruction


def check_svg(text):
    import xml.dom.minidom
    doc = xml.dom.minidom.parseString(text)
    root = doc.documentElement
    assert root.tagName == 'svg' and root.getAttribute('width') and root.getAttribute('height')
    assert 200 <= int(root.getAttribute('width')) <= 400


def check_papers(papers, first_id):
    expected = first_id
    for paper, title, questions in papers:
        assert 28 <= len(questions) <= 36, (paper, len(questions))
        slots = sum(len(q.answers) for _, q in questions)
        marks = sum(m for _, q in questions for _, m, _ in q.answers)
        assert slots <= 80 and 20 <= marks <= 100, (paper, slots, marks)
        for qid, q in questions:
            assert qid == expected, (qid, expected)
            expected += 1
            check_question(qid, q)
            if q.figure:
                check_svg(q.figure)


# ---------------------------------------------------------------- output

def paper_text(title, questions):
    out = ['# %s' % title]
    for qid, q in questions:
        out.append('')
        out.append('== %d' % qid)
        if q.instruction:
            out.append('instruction: %s' % q.instruction)
        out.extend(q.lines)
        for t, m, k in q.answers:
            out.append('answer: %s %d %s' % (t, m, k))
    return '\n'.join(out) + '\n'


def main():
    os.makedirs(FIGS, exist_ok=True)
    for old in sorted(os.listdir(FIGS)):
        if re.fullmatch(r'q2[12]\d{3}\.svg', old):
            os.remove(os.path.join(FIGS, old))
    summary = []
    for topic, name, first_paper, prefix, plan, pools in TOPICS:
        papers = build_topic(topic, name, first_paper, prefix, plan, pools)
        check_papers(papers, 20000 + topic * 1000 + 1)
        for paper, title, questions in papers:
            with open(os.path.join(MATHS, '%d.txt' % paper), 'w', encoding='utf-8', newline='\n') as f:
                f.write(paper_text(title, questions))
            for qid, q in questions:
                if q.figure:
                    with open(os.path.join(FIGS, 'q%d.svg' % qid), 'w', encoding='utf-8', newline='\n') as f:
                        f.write(q.figure)
            slots = sum(len(q.answers) for _, q in questions)
            marks = sum(m for _, q in questions for _, m, _ in q.answers)
            summary.append('%d: %d questions (%d-%d), %d slots, %d marks'
                           % (paper, len(questions), questions[0][0], questions[-1][0], slots, marks))
    print('\n'.join(summary))


if __name__ == '__main__':
    main()
