#!/usr/bin/env python3
"""Writes the Science papers for two topics, with their diagrams:

  topic 3  Systems   papers 111..115, ids 17201..17300
  topic 4  Energy    papers 116..120, ids 17301..17400

Standard library only, no randomness: running the script again writes the
same files.  Every question is written out by hand below; the helpers only
turn it into page HTML and answer lines, draw the diagrams (circuits, body
systems, cells, thermometers, graphs) from the numbers in this script, and
check everything before a file is written.

Keys:
  * a named part or a word is a T key, or an M key listing every name a
    teacher would accept (windpipe or trachea, British and American
    spellings, singular and plural where either is right);
  * "name any two/three" answers are G groups;
  * readings and calculations are N keys; the question gives the unit and
    asks for the number only.

Usage:  python3 course/tools/gen_science_t3_t4.py
"""

import math
import xml.etree.ElementTree as ET
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
SCIENCE = os.path.join(COURSE, 'science')
FIGURES = os.path.join(SCIENCE, 'figures')

FIRST_ID = 17201
LAST_ID = 17400
PER_PAPER = 20

LETTERS = 'abcdefghijklmnopqrst'
BLANK = '<span class="blank">&nbsp;</span>'
CHOOSE = 'Write the number of the correct answer.'


# ---------------------------------------------------------------------------
# SVG drawing
# ---------------------------------------------------------------------------

def f(v):
    """A coordinate written the same way on every run."""
    s = '%.2f' % v
    s = s.rstrip('0').rstrip('.')
    return '0' if s == '-0' else s


def esc(s):
    return s.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')


LIGHT = '#e6e6e6'     # light grey fill
MID = '#bdbdbd'       # mid grey fill
DARK = '#7a7a7a'      # dark grey fill
GRID = '#c8c8c8'      # graph grid lines


class Svg:
    def __init__(self, w, h):
        assert 240 <= w <= 420, w
        self.w, self.h = w, h
        self.items = []

    def add(self, s):
        self.items.append(s)

    def line(self, x1, y1, x2, y2, width=2, colour='black', dash=None, cap=None):
        extra = ''
        if dash:
            extra += ' stroke-dasharray="%s"' % dash
        if cap:
            extra += ' stroke-linecap="%s"' % cap
        self.add('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"%s/>'
                 % (f(x1), f(y1), f(x2), f(y2), colour, f(width), extra))

    def poly(self, pts, width=2, fill='none', closed=False, colour='black', dash=None, join='round'):
        d = 'M ' + ' L '.join('%s %s' % (f(x), f(y)) for x, y in pts)
        if closed:
            d += ' Z'
        self.path(d, width=width, fill=fill, colour=colour, dash=dash, join=join)

    def path(self, d, width=2, fill='none', colour='black', dash=None, join='round', cap=None):
        extra = ''
        if dash:
            extra += ' stroke-dasharray="%s"' % dash
        if join:
            extra += ' stroke-linejoin="%s"' % join
        if cap:
            extra += ' stroke-linecap="%s"' % cap
        self.add('<path d="%s" fill="%s" stroke="%s" stroke-width="%s"%s/>'
                 % (d, fill, colour, f(width), extra))

    def rect(self, x, y, w, h, width=2, fill='none', rx=0, colour='black', dash=None):
        extra = ' rx="%s"' % f(rx) if rx else ''
        if dash:
            extra += ' stroke-dasharray="%s"' % dash
        self.add('<rect x="%s" y="%s" width="%s" height="%s" fill="%s" stroke="%s" stroke-width="%s"%s/>'
                 % (f(x), f(y), f(w), f(h), fill, colour, f(width), extra))

    def circle(self, cx, cy, r, width=2, fill='none', colour='black'):
        self.add('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="%s"/>'
                 % (f(cx), f(cy), f(r), fill, colour, f(width)))

    def ellipse(self, cx, cy, rx, ry, width=2, fill='none', angle=0, colour='black'):
        tr = ' transform="rotate(%s %s %s)"' % (f(angle), f(cx), f(cy)) if angle else ''
        self.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="%s" stroke-width="%s"%s/>'
                 % (f(cx), f(cy), f(rx), f(ry), fill, colour, f(width), tr))

    def text(self, x, y, s, anchor='middle', size=14, bold=False, italic=False):
        extra = ''
        if anchor != 'start':
            extra += ' text-anchor="%s"' % anchor
        if size != 14:
            extra += ' font-size="%s"' % f(size)
        if bold:
            extra += ' font-weight="bold"'
        if italic:
            extra += ' font-style="italic"'
        self.add('<text x="%s" y="%s"%s>%s</text>' % (f(x), f(y), extra, esc(s)))

    def arrowhead(self, x1, y1, x2, y2, size=9, fill='black'):
        """A filled arrowhead with its point at (x2, y2), pointing along x1,y1 -> x2,y2."""
        a = math.atan2(y2 - y1, x2 - x1)
        p1 = (x2 - size * math.cos(a - 0.4), y2 - size * math.sin(a - 0.4))
        p2 = (x2 - size * math.cos(a + 0.4), y2 - size * math.sin(a + 0.4))
        self.poly([(x2, y2), p1, p2], width=1, fill=fill, closed=True, colour=fill)

    def arrow(self, x1, y1, x2, y2, width=2, dash=None, size=9, mid=False):
        """A line with an arrowhead at its end (or at its middle)."""
        self.line(x1, y1, x2, y2, width=width, dash=dash)
        if mid:
            mx, my = (x1 + x2) / 2, (y1 + y2) / 2
            dx, dy = x2 - x1, y2 - y1
            n = math.hypot(dx, dy)
            self.arrowhead(x1, y1, mx + 5 * dx / n, my + 5 * dy / n, size)
        else:
            self.arrowhead(x1, y1, x2, y2, size)

    def label(self, px, py, lx, ly, letter, side=None, size=15):
        """A leader line from the point (px, py) of a part to (lx, ly), and
        the letter just beyond that end."""
        self.line(px, py, lx, ly, width=1.2)
        self.circle(px, py, 1.8, width=1, fill='black')
        if side is None:
            side = 'right' if lx >= px else 'left'
        if side == 'right':
            self.text(lx + 4, ly + 5, letter, anchor='start', size=size, bold=True)
        elif side == 'left':
            self.text(lx - 4, ly + 5, letter, anchor='end', size=size, bold=True)
        elif side == 'above':
            self.text(lx, ly - 5, letter, size=size, bold=True)
        else:
            self.text(lx, ly + 16, letter, size=size, bold=True)

    def tube(self, d, outer=14, inner=10, fill=LIGHT):
        """A hollow tube along the path d: a black edge and a light inside."""
        self.path(d, width=outer, colour='black', join='round', cap='round')
        self.path(d, width=inner, colour=fill, join='round', cap='round')

    def svg(self):
        out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" '
               'font-family="Liberation Sans, DejaVu Sans, Arial, sans-serif" font-size="14">'
               % (self.w, self.h, self.w, self.h),
               '<rect x="0" y="0" width="%d" height="%d" fill="white"/>' % (self.w, self.h)]
        out.extend(self.items)
        out.append('</svg>')
        return '\n'.join(out) + '\n'


# --- the flowering plant ----------------------------------------------------

def leaf_path(x, y, length, width, angle):
    """A pointed leaf growing from (x, y) at `angle` degrees (0 = right,
    counted upwards), as a path and its tip."""
    a = math.radians(angle)
    ux, uy = math.cos(a), -math.sin(a)      # along the leaf (SVG y down)
    vx, vy = -uy, ux                         # across the leaf
    tip = (x + ux * length, y + uy * length)
    c1 = (x + ux * length * 0.35 + vx * width, y + uy * length * 0.35 + vy * width)
    c2 = (x + ux * length * 0.75 + vx * width * 0.9, y + uy * length * 0.75 + vy * width * 0.9)
    c3 = (x + ux * length * 0.75 - vx * width * 0.9, y + uy * length * 0.75 - vy * width * 0.9)
    c4 = (x + ux * length * 0.35 - vx * width, y + uy * length * 0.35 - vy * width)
    d = 'M %s %s C %s %s %s %s %s %s C %s %s %s %s %s %s Z' % (
        f(x), f(y), f(c1[0]), f(c1[1]), f(c2[0]), f(c2[1]), f(tip[0]), f(tip[1]),
        f(c3[0]), f(c3[1]), f(c4[0]), f(c4[1]), f(x), f(y))
    return d, tip


def fig_plant(labels):
    """A flowering plant in the soil.  labels: part -> letter, parts from
    flower, leaf, stem, root, fruit."""
    s = Svg(320, 360)
    ground = 230
    # soil
    s.rect(20, ground, 280, 120, width=0, fill='#efe7dc', colour='none')
    s.line(20, ground, 300, ground, width=2)
    for i in range(9):
        x = 34 + 30 * i
        s.line(x, ground + 14, x + 8, ground + 8, width=1, colour=DARK)
        s.line(x + 14, ground + 60, x + 22, ground + 54, width=1, colour=DARK)
        s.line(x + 4, ground + 104, x + 12, ground + 98, width=1, colour=DARK)
    # roots
    s.path('M 160 230 C 158 260 163 290 158 335', width=3)
    for (x0, y0, x1, y1, x2, y2) in ((159, 250, 130, 262, 104, 290), (160, 262, 190, 275, 214, 305),
                                     (160, 290, 138, 302, 122, 326), (159, 300, 180, 312, 196, 334),
                                     (159, 242, 180, 248, 204, 262)):
        s.path('M %d %d Q %d %d %d %d' % (x0, y0, x1, y1, x2, y2), width=2)
    for (x0, y0, x1, y1) in ((118, 273, 112, 284), (136, 267, 138, 280), (198, 288, 206, 286),
                             (132, 314, 124, 318), (186, 322, 194, 320), (190, 254, 193, 244)):
        s.line(x0, y0, x1, y1, width=1.2)
    # stem
    s.path('M 160 230 C 157 180 163 130 160 82', width=5)
    # leaves
    d1, t1 = leaf_path(159, 178, 78, 18, 200)
    d2, t2 = leaf_path(161, 132, 74, 17, -15)
    d3, t3 = leaf_path(160, 208, 56, 13, -25)
    for d, (x0, y0), tip in ((d1, (159, 178), t1), (d2, (161, 132), t2), (d3, (160, 208), t3)):
        s.path(d, width=2, fill='#cfe5c3')
        s.line(x0, y0, tip[0], tip[1], width=1)
    # fruit hanging on a short stalk
    if 'fruit' in labels:
        s.path('M 159 160 Q 135 150 125 132', width=2)
        s.circle(120, 120, 13, width=2, fill=MID)
    # flower
    cx, cy = 160, 62
    for k in range(6):
        a = math.radians(90 + 60 * k)
        s.ellipse(cx + 19 * math.cos(a), cy - 19 * math.sin(a), 15, 8, width=2, fill='white',
                  angle=-(90 + 60 * k))
    s.circle(cx, cy, 10, width=2, fill='#f2d15c')
    anchors = {
        'flower': ((176, 50), (250, 42)),
        'leaf': ((205, 141), (262, 120)),
        'stem': ((161, 105), (250, 150)),
        'fruit': ((108, 120), (56, 112)),
        'root': ((191, 300), (256, 296)),
    }
    if 'leaf' in labels and 'stem' in labels:
        anchors['stem'] = ((159, 222), (56, 226))
    for part, letter in labels.items():
        (px, py), (lx, ly) = anchors[part]
        s.label(px, py, lx, ly, letter)
    return s.svg()


# --- the human body: outline, digestive, respiratory -------------------------

def body_outline(s, cx=150, top=18):
    """Faint outline of a head and body."""
    s.ellipse(cx, top + 36, 30, 36, width=1.5, colour=DARK)
    s.path('M %s %s L %s %s C %s %s %s %s %s %s L %s %s C %s %s %s %s %s %s L %s %s'
           % (f(cx - 14), f(top + 70), f(cx - 14), f(top + 84),
              f(cx - 80), f(top + 92), f(cx - 96), f(top + 104), f(cx - 96), f(top + 140),
              f(cx - 90), f(top + 330),
              f(cx - 90), f(top + 348), f(cx - 40), f(top + 356), f(cx), f(top + 356),
              f(cx), f(top + 356)), width=1.5, colour=DARK)
    s.path('M %s %s L %s %s C %s %s %s %s %s %s L %s %s C %s %s %s %s %s %s'
           % (f(cx + 14), f(top + 70), f(cx + 14), f(top + 84),
              f(cx + 80), f(top + 92), f(cx + 96), f(top + 104), f(cx + 96), f(top + 140),
              f(cx + 90), f(top + 330),
              f(cx + 90), f(top + 348), f(cx + 40), f(top + 356), f(cx), f(top + 356)),
           width=1.5, colour=DARK)


def fig_digestive(labels):
    """The digestive system.  labels: part -> letter, parts from mouth,
    gullet, stomach, liver, small, large, anus."""
    s = Svg(340, 400)
    cx = 170
    body_outline(s, cx, 14)
    # mouth
    s.path('M %d 70 Q %d 78 %d 70' % (cx - 11, cx, cx + 11), width=2)
    # gullet: from the back of the mouth down to the stomach
    s.tube('M %d 80 L %d 150 Q %d 165 %d 172' % (cx, cx, cx + 2, cx + 10), outer=11, inner=6)
    # liver (the body's right, so the viewer's left)
    s.path('M %d 150 C %d 138 %d 140 %d 152 C %d 168 %d 186 %d 196 C %d 196 %d 186 %d 150 Z'
           % (cx - 82, cx - 40, cx - 6, cx + 4, cx - 6, cx - 30, cx - 60, cx - 76, cx - 86, cx - 82),
           width=2, fill=MID)
    # stomach (the viewer's right)
    s.path('M %d 170 C %d 160 %d 158 %d 172 C %d 196 %d 226 %d 232 C %d 238 %d 232 %d 222 '
           'C %d 214 %d 214 %d 216 C %d 206 %d 190 %d 170 Z'
           % (cx + 6, cx + 20, cx + 52, cx + 60, cx + 66, cx + 56, cx + 34,
              cx + 18, cx + 2, cx - 6,
              cx - 2, cx + 10, cx + 20, cx + 26, cx + 14, cx + 6),
           width=2, fill=LIGHT)
    # large intestine: up the viewer's left, across, down the right, to the anus
    s.tube('M %d 330 L %d 250 Q %d 240 %d 240 L %d 240 Q %d 240 %d 250 L %d 324 Q %d 340 %d 346 L %d 362'
           % (cx - 60, cx - 60, cx - 60, cx - 50, cx + 50, cx + 60, cx + 60, cx + 60, cx + 56, cx + 10,
              cx + 6), outer=20, inner=15, fill=MID)
    # small intestine: a coiled tube inside the frame
    d = ('M %d 222 Q %d 236 %d 254 L %d 258 Q %d 268 %d 278 L %d 278 Q %d 288 %d 298 L %d 298 '
         'Q %d 308 %d 318 L %d 318 Q %d 326 %d 330'
         % (cx + 6, cx + 6, cx - 4, cx - 32, cx - 42, cx - 32, cx + 30, cx + 40, cx + 30,
            cx - 30, cx - 40, cx - 30, cx + 24, cx - 20, cx - 58))
    s.tube(d, outer=11, inner=7, fill='white')
    anchors = {
        'mouth': ((cx + 8, 72), (cx + 96, 60)),
        'gullet': ((cx + 2, 120), (cx + 96, 110)),
        'stomach': ((cx + 44, 190), (cx + 130, 176)),
        'liver': ((cx - 56, 166), (cx - 130, 152)),
        'large': ((cx + 62, 290), (cx + 130, 286)),
        'small': ((cx - 20, 298), (cx - 130, 298)),
        'anus': ((cx + 6, 362), (cx - 96, 376)),
    }
    for part, letter in labels.items():
        (px, py), (lx, ly) = anchors[part]
        s.label(px, py, lx, ly, letter)
    return s.svg()


def fig_respiratory(labels, heart=False):
    """Windpipe, lungs and diaphragm.  labels: part -> letter, parts from
    windpipe, lung, lungleft, airtubes, diaphragm, heart."""
    s = Svg(340, 340)
    cx = 170
    s.add('<g transform="translate(0,10)">')
    # air comes in from the nose and mouth
    s.text(cx - 36, 28, 'air from the', anchor='end', size=13)
    s.text(cx - 36, 44, 'nose and mouth', anchor='end', size=13)
    s.arrow(cx - 26, 22, cx - 26, 62, width=1.5)
    # windpipe with rings
    s.tube('M %d 12 L %d 140' % (cx, cx), outer=16, inner=11)
    for y in range(20, 136, 9):
        s.line(cx - 7, y, cx + 7, y, width=1.2)
    # lungs
    left = ('M %d 120 C %d 108 %d 118 %d 150 C %d 190 %d 250 %d 262 C %d 270 %d 266 %d 254 '
            'C %d 230 %d 160 %d 120 Z' % (cx - 30, cx - 60, cx - 88, cx - 98, cx - 108, cx - 104,
                                          cx - 90, cx - 70, cx - 40, cx - 26, cx - 18, cx - 20, cx - 30))
    right = ('M %d 120 C %d 108 %d 118 %d 150 C %d 190 %d 250 %d 262 C %d 270 %d 266 %d 254 '
             'C %d 230 %d 160 %d 120 Z' % (cx + 30, cx + 60, cx + 88, cx + 98, cx + 108, cx + 104,
                                           cx + 90, cx + 70, cx + 40, cx + 26, cx + 18, cx + 20, cx + 30))
    s.path(left, width=2, fill='#f3d6d6')
    s.path(right, width=2, fill='#f3d6d6')
    if heart:
        s.path('M %d 200 C %d 186 %d 190 %d 206 C %d 226 %d 244 %d 252 C %d 240 %d 224 %d 206 '
               'C %d 192 %d 186 %d 200 Z' % (cx + 4, cx + 20, cx + 36, cx + 34, cx + 32, cx + 16, cx + 2,
                                             cx - 10, cx - 26, cx - 26, cx - 26, cx - 10, cx + 4),
               width=2, fill=DARK)
    # air tubes branching into each lung
    s.tube('M %d 140 Q %d 150 %d 162 L %d 196' % (cx, cx - 20, cx - 44, cx - 60), outer=11, inner=7)
    s.tube('M %d 140 Q %d 150 %d 162 L %d 196' % (cx, cx + 20, cx + 44, cx + 60), outer=11, inner=7)
    for sx in (-1, 1):
        for (a, b, c, d) in ((44, 162, 70, 172), (54, 180, 80, 206), (60, 196, 58, 230),
                             (60, 196, 84, 236), (70, 172, 86, 166), (80, 206, 94, 212)):
            s.line(cx + sx * a, b, cx + sx * c, d, width=2)
    # diaphragm
    s.path('M %d 290 Q %d 250 %d 282 Q %d 250 %d 290' % (cx - 116, cx - 60, cx, cx + 60, cx + 116),
           width=3)
    anchors = {
        'windpipe': ((cx + 7, 100), (cx + 100, 92)),
        'lung': ((cx + 66, 250), (cx + 140, 244)),
        'lungleft': ((cx - 86, 170), (cx - 140, 156)),
        'airtubes': ((cx - 52, 180), (cx - 140, 206)),
        'diaphragm': ((cx - 90, 272), (cx - 140, 304)),
        'heart': ((cx + 18, 230), (cx + 140, 262)),
    }
    for part, letter in labels.items():
        (px, py), (lx, ly) = anchors[part]
        s.label(px, py, lx, ly, letter)
    s.add('</g>')
    return s.svg()


# --- skeleton and muscles ----------------------------------------------------

def bone(s, x1, y1, x2, y2, w=8):
    """A long bone: a light shaft with a knob at each end."""
    s.path('M %s %s L %s %s' % (f(x1), f(y1), f(x2), f(y2)), width=w + 4, cap='round')
    s.path('M %s %s L %s %s' % (f(x1), f(y1), f(x2), f(y2)), width=w, colour='white', cap='round')
    for x, y in ((x1, y1), (x2, y2)):
        s.circle(x, y, w * 0.75, width=2, fill='white')


def fig_skeleton(labels):
    """The human skeleton, seen from the front.  labels: part -> letter, parts
    from skull, ribcage, backbone, pelvis, armbone, thighbone, kneecap."""
    s = Svg(300, 430)
    cx = 150
    # legs
    bone(s, cx - 20, 272, cx - 24, 350, 9)
    bone(s, cx + 20, 272, cx + 24, 350, 9)
    bone(s, cx - 24, 362, cx - 24, 404, 7)
    bone(s, cx + 24, 362, cx + 24, 404, 7)
    s.circle(cx - 24, 355, 6, width=2, fill=LIGHT)
    s.circle(cx + 24, 355, 6, width=2, fill=LIGHT)
    s.path('M %d 408 L %d 418 L %d 418' % (cx - 24, cx - 30, cx - 50), width=3, cap='round')
    s.path('M %d 408 L %d 418 L %d 418' % (cx + 24, cx + 30, cx + 50), width=3, cap='round')
    # arms
    bone(s, cx - 46, 98, cx - 66, 176, 8)
    bone(s, cx + 46, 98, cx + 66, 176, 8)
    bone(s, cx - 68, 186, cx - 84, 246, 6)
    bone(s, cx + 68, 186, cx + 84, 246, 6)
    for sx in (-1, 1):
        for k in range(4):
            s.line(cx + sx * (82 + 3 * k), 252, cx + sx * (84 + 5 * k), 268, width=2.5, cap='round')
    # backbone
    for k in range(15):
        y = 76 + 11 * k
        s.rect(cx - 6, y, 12, 9, width=1.5, fill='white', rx=2)
    # pelvis
    s.path('M %d 236 C %d 228 %d 238 %d 256 C %d 274 %d 276 %d 266 C %d 276 %d 274 %d 256 '
           'C %d 238 %d 228 %d 236 Z' % (cx, cx - 34, cx - 48, cx - 44, cx - 40, cx - 16, cx,
                                         cx + 16, cx + 40, cx + 44, cx + 48, cx + 34, cx),
           width=2, fill='white')
    s.circle(cx - 14, 256, 5, width=1.5, fill='white')
    s.circle(cx + 14, 256, 5, width=1.5, fill='white')
    # ribcage
    for k in range(6):
        y = 96 + 13 * k
        wdt = 36 + 6 * min(k, 3) - 3 * max(0, k - 3)
        for sx in (-1, 1):
            s.path('M %s %s C %s %s %s %s %s %s' % (f(cx + sx * 7), f(y), f(cx + sx * (wdt + 8)), f(y - 8),
                                                    f(cx + sx * (wdt + 10)), f(y + 22),
                                                    f(cx + sx * 12), f(y + 30)),
                   width=2)
    # collarbones
    s.path('M %d 86 Q %d 80 %d 94' % (cx - 6, cx - 30, cx - 48), width=4, cap='round')
    s.path('M %d 86 Q %d 80 %d 94' % (cx + 6, cx + 30, cx + 48), width=4, cap='round')
    # skull
    s.path('M %d 60 C %d 64 %d 52 %d 40 C %d 14 %d 8 %d 8 C %d 8 %d 14 %d 40 C %d 52 %d 64 %d 60 Z'
           % (cx - 12, cx - 20, cx - 26, cx - 26, cx - 26, cx - 14, cx, cx + 14, cx + 26, cx + 26,
              cx + 26, cx + 20, cx + 12), width=2, fill='white')
    s.path('M %d 58 L %d 72 L %d 72 L %d 58' % (cx - 12, cx - 8, cx + 8, cx + 12), width=2, fill='white')
    s.ellipse(cx - 10, 38, 6, 7, width=1.5, fill=DARK)
    s.ellipse(cx + 10, 38, 6, 7, width=1.5, fill=DARK)
    s.path('M %d 46 L %d 54 L %d 54 Z' % (cx, cx - 4, cx + 4), width=1.5, fill=DARK)
    anchors = {
        'skull': ((cx + 20, 24), (cx + 110, 22)),
        'ribcage': ((cx + 40, 130), (cx + 116, 116)),
        'backbone': ((cx + 6, 214), (cx + 116, 206)),
        'pelvis': ((cx - 34, 250), (cx - 116, 262)),
        'armbone': ((cx - 56, 137), (cx - 116, 130)),
        'thighbone': ((cx + 22, 312), (cx + 116, 306)),
        'kneecap': ((cx - 30, 355), (cx - 116, 366)),
    }
    for part, letter in labels.items():
        (px, py), (lx, ly) = anchors[part]
        s.label(px, py, lx, ly, letter)
    return s.svg()


def fig_arm(labels, straight=False):
    """Bones and muscles of the upper arm, the elbow bent (forearm held out
    level).  labels: part -> letter, parts from biceps, triceps, upperbone,
    forearm, elbow."""
    s = Svg(340, 280)
    sx, sy = 110, 24          # shoulder
    ex, ey = 110, 200         # elbow
    # shoulder and upper arm bone
    s.ellipse(sx - 30, sy + 8, 34, 16, width=2, fill=LIGHT)
    bone(s, sx, sy + 8, ex, ey, 12)
    # forearm: two bones held out level to the right
    bone(s, ex + 10, ey + 6, 300, ey - 4, 8)
    bone(s, ex + 10, ey + 22, 300, ey + 14, 7)
    s.circle(ex, ey + 6, 13, width=2, fill='white')
    # hand
    s.path('M 300 %d C 322 %d 332 %d 326 %d C 320 %d 306 %d 300 %d Z'
           % (ey - 14, ey - 20, ey + 2, ey + 20, ey + 30, ey + 28, ey + 22), width=2, fill='white')
    # biceps: in front of the upper arm, joined to the forearm past the elbow
    s.path('M %d %d C %d %d %d %d %d %d L %d %d C %d %d %d %d %d %d Z'
           % (sx + 6, sy + 26, sx + 60, sy + 60, sx + 64, ey - 40, ex + 36, ey - 6,
              ex + 28, ey - 2, ex + 22, ey - 60, sx + 20, sy + 70, sx + 6, sy + 36),
           width=2, fill='#e8b4b4')
    # triceps: behind the upper arm, joined to the point of the elbow
    s.path('M %d %d C %d %d %d %d %d %d L %d %d C %d %d %d %d %d %d Z'
           % (sx - 6, sy + 26, sx - 44, sy + 60, sx - 44, ey - 40, ex - 14, ey + 8,
              ex - 8, ey - 4, ex - 20, ey - 60, sx - 18, sy + 70, sx - 6, sy + 36),
           width=2, fill='#e8b4b4')
    anchors = {
        'biceps': ((sx + 40, 110), (236, 90)),
        'triceps': ((sx - 28, 120), (26, 130)),
        'upperbone': ((sx, 70), (236, 50)),
        'forearm': ((230, ey), (236, 256)),
        'elbow': ((ex - 8, ey + 14), (40, 244)),
    }
    for part, letter in labels.items():
        (px, py), (lx, ly) = anchors[part]
        s.label(px, py, lx, ly, letter)
    return s.svg()


# --- cells -----------------------------------------------------------------

def fig_cells(labels, names=('plant cell', 'animal cell'), show=('plant', 'animal')):
    """A plant cell and an animal cell side by side.  labels: part -> letter;
    plant parts wall, membrane, cytoplasm, nucleus, chloroplast, vacuole;
    animal parts amembrane, acytoplasm, anucleus.  names: captions under the
    two cells (None for none)."""
    both = len(show) == 2
    s = Svg(420 if both else 300, 250)
    pa, pa_an = {}, {}
    if 'plant' in show:
        k = 0.84 if both else 1.0           # drawing scale
        x, y = (46, 44) if both else (70, 40)

        def P(u, v):
            return x + u * k, y + v * k
        w, h = 150 * k, 170 * k
        s.rect(x, y, w, h, width=2, fill='#dcebd2', rx=8)
        s.rect(x + 6, y + 6, w - 12, h - 12, width=1.2, fill='#f4f8ef', rx=5)
        # dots of cytoplasm
        for i in range(8):
            for j in range(10):
                u, v = 14 + 17 * i, 14 + 16 * j
                if not (32 <= u <= 118 and 48 <= v <= 132):
                    s.circle(*P(u, v), 0.8, width=0, fill=DARK)
        vx, vy = P(32, 48)
        s.rect(vx, vy, 86 * k, 84 * k, width=1.5, fill='#e9f1f8', rx=18 * k)
        s.circle(*P(118, 28), 15 * k, width=2, fill=DARK)
        s.circle(*P(121, 25), 4 * k, width=1, fill='black')
        for (u, v, a) in ((20, 40, 70), (22, 110, 100), (40, 152, 10), (96, 150, -10), (130, 118, 80),
                          (130, 70, 100), (60, 22, 0)):
            s.ellipse(*P(u, v), 10 * k, 5.5 * k, width=1.5, fill='#5f9e4f', angle=a)
        if names and names[0]:
            s.text(x + w / 2, y + h + 24, names[0])
        right = x + w + 28
        pa = {
            'wall': (P(96, 0), (right, y - 14)),
            'membrane': ((x + 6, P(0, 70)[1]), (x - 26, P(0, 62)[1])),
            'cytoplasm': (P(14, 139), (x - 26, P(0, 150)[1])),
            'nucleus': (P(125, 36), (right, P(0, 46)[1])),
            'chloroplast': (P(130, 118), (right, P(0, 130)[1])),
            'vacuole': (P(90, 100), (right, P(0, 96)[1])),
        }
    if 'animal' in show:
        k = 0.9 if both else 1.0
        x = 312 if both else 150
        y = 125

        def A(u, v):
            return '%s %s' % (f(x + u * k), f(y + v * k))
        pts = [(-70, 0), (-72, -50), (-20, -70), (20, -62), (62, -54), (76, -10), (66, 30),
               (56, 66), (10, 76), (-26, 66), (-60, 56), (-68, 30), (-70, 0)]
        d = 'M ' + A(*pts[0])
        for i in range(1, len(pts), 3):
            d += ' C ' + ' '.join(A(*q) for q in pts[i:i + 3])
        s.path(d + ' Z', width=1.6, fill='#f7ecdf')
        for i in range(9):
            for j in range(9):
                du, dv = -64 + 16 * i, -64 + 16 * j
                if (du / 58.0) ** 2 + (dv / 56.0) ** 2 < 0.85 and du * du + dv * dv > 26 * 26:
                    s.circle(x + du * k, y + dv * k, 0.8, width=0, fill=DARK)
        s.circle(x - 4 * k, y - 6 * k, 17 * k, width=2, fill=DARK)
        s.circle(x - 1 * k, y - 9 * k, 4.5 * k, width=1, fill='black')
        if names and names[1]:
            s.text(x, y + 97 if both else y + 109, names[1])
        right = x + (88 if both else 100)
        pa_an = {
            'amembrane': ((x + 66 * k, y + 30 * k), (right, y + 56)),
            'acytoplasm': ((x + 34 * k, y - 30 * k), (right, y - 50)),
            'anucleus': ((x + 4 * k, y + 6 * k), (right, y + 14)),
        }
    for part, letter in labels.items():
        (px, py), (lx, ly) = (pa if not part.startswith('a') else pa_an)[part]
        s.label(px, py, lx, ly, letter)
    return s.svg()


# --- blood flow, and the ring of bark ----------------------------------------

def fig_bloodflow(labels):
    """Heart, lungs and the rest of the body with the four main blood vessels.
    labels: vessel -> letter, vessels bodyin, lungout, lungin, bodyout."""
    s = Svg(360, 330)
    s.rect(90, 20, 180, 46, width=2, fill='#f3d6d6', rx=10)
    s.text(180, 48, 'lungs')
    s.rect(90, 254, 180, 50, width=2, fill=LIGHT, rx=10)
    s.text(180, 284, 'other parts of the body')
    s.rect(110, 132, 140, 60, width=2, fill='#e8b4b4', rx=12)
    s.text(180, 167, 'heart')
    # right side of the heart: from the body, to the lungs
    s.arrow(130, 254, 130, 194, mid=True, size=12)
    s.arrow(130, 132, 130, 68, mid=True, size=12)
    # left side: from the lungs, to the body
    s.arrow(230, 66, 230, 130, mid=True, size=12)
    s.arrow(230, 192, 230, 252, mid=True, size=12)
    anchors = {
        'bodyin': ((130, 240), (60, 240)),
        'lungout': ((130, 84), (60, 84)),
        'lungin': ((230, 84), (300, 84)),
        'bodyout': ((230, 240), (300, 240)),
    }
    for part, letter in labels.items():
        (px, py), (lx, ly) = anchors[part]
        s.label(px, py, lx, ly, letter)
    return s.svg()


def fig_bark_ring():
    """A woody stem with a ring of bark removed and a swelling above it."""
    s = Svg(360, 340)
    cx = 180
    L, R = cx - 22, cx + 22
    top, bottom = 34, 300
    s.path('M %d %d L %d 120 C %d 132 %d 140 %d 150 L %d 176 L %d 176 L %d 150 '
           'C %d 140 %d 132 %d 120 L %d %d'
           % (L, top, L, L - 12, L - 12, L - 4, L - 4, R + 4, R + 4, R + 12, R + 12, R, R, top),
           width=2, fill='#d9c3a5')
    s.rect(cx - 15, 176, 30, 30, width=2, fill='#f2ead7')
    s.rect(L, 206, 44, bottom - 206, width=2, fill='#d9c3a5')
    s.line(L - 4, 176, cx - 15, 176, width=2)
    s.line(R + 4, 176, cx + 15, 176, width=2)
    for y in (50, 80, 110, 236, 266):
        s.path('M %d %d q 4 -6 8 0' % (cx - 4, y), width=1, colour=DARK)
    s.line(cx + 15, 191, 256, 191, width=1.2)
    s.circle(cx + 15, 191, 1.8, width=1, fill='black')
    s.text(260, 186, 'ring of bark', anchor='start', size=13)
    s.text(260, 202, 'removed', anchor='start', size=13)
    s.line(L - 12, 140, 128, 140, width=1.2)
    s.circle(L - 12, 140, 1.8, width=1, fill='black')
    s.text(124, 136, "swelling", anchor="end", size=13)
    s.text(124, 152, "after some weeks", anchor="end", size=13)
    s.text(cx, 18, 'towards the leaves', size=13)
    s.text(cx, 326, 'towards the roots', size=13)
    return s.svg()


# --- electric circuits ---------------------------------------------------------

COMPONENT_LENGTH = {'cell': 8, 'bulb': 24, 'switch': 36, 'gap': 30, 'object': 64}


def component_length(c):
    kind = c[0]
    if kind == 'cells':
        return 8 * c[1] + 14 * (c[1] - 1)
    return COMPONENT_LENGTH[kind]


def draw_component(s, c, x, y, angle, outward):
    """Draws component c centred on (x, y) along a wire at `angle` degrees.
    `outward` is a unit vector pointing away from the middle of the circuit
    (for labels)."""
    kind = c[0]
    s.add('<g transform="translate(%s %s) rotate(%s)">' % (f(x), f(y), f(angle)))
    if kind in ('cell', 'cells'):
        n = 1 if kind == 'cell' else c[1]
        flip = len(c) > 2 and c[2] == 'flip' if kind == 'cells' else (len(c) > 1 and c[1] == 'flip')
        total = component_length(c)
        start = -total / 2
        for k in range(n):
            a = start + k * 22
            longx, shortx = (a, a + 8) if not flip else (a + 8, a)
            s.line(longx, -15, longx, 15, width=2)
            s.line(shortx, -7, shortx, 7, width=5)
            if k + 1 < n:
                s.line(a + 8, 0, a + 22, 0, width=2)
    elif kind == 'bulb':
        fused = len(c) > 2 and c[2] == 'fused'
        s.circle(0, 0, 12, width=2, fill='white')
        if fused:
            s.line(-8.5, -8.5, -2, -2, width=2)
            s.line(8.5, 8.5, 2, 2, width=2)
            s.line(-8.5, 8.5, -2, 2, width=2)
            s.line(8.5, -8.5, 2, -2, width=2)
        else:
            s.line(-8.5, -8.5, 8.5, 8.5, width=2)
            s.line(-8.5, 8.5, 8.5, -8.5, width=2)
    elif kind == 'switch':
        closed = c[1]
        if closed:
            s.line(-18, 0, 18, 0, width=2)
        else:
            s.line(-18, 0, 13, -15, width=2)
        s.circle(-18, 0, 3.5, width=1.5, fill='white')
        s.circle(18, 0, 3.5, width=1.5, fill='white')
    elif kind == 'gap':
        s.circle(-15, 0, 2.5, width=1, fill='black')
        s.circle(15, 0, 2.5, width=1, fill='black')
    elif kind == 'object':
        s.rect(-22, -9, 44, 18, width=1.5, fill=LIGHT)
        s.rect(-32, -5, 10, 10, width=1.5, fill=DARK)
        s.rect(22, -5, 10, 10, width=1.5, fill=DARK)
    s.add('</g>')
    text = None
    if kind == 'bulb' and len(c) > 1 and c[1]:
        text = c[1]
    elif kind == 'switch' and len(c) > 2 and c[2]:
        text = c[2]
    elif kind == 'object' and len(c) > 1 and c[1]:
        text = c[1]
    elif kind in ('cell', 'cells') and c[-1] not in ('flip',) and isinstance(c[-1], str) and c[-1] != kind:
        text = c[-1]
    if text:
        ox, oy = outward
        dist = 28 if kind != 'switch' else 26
        tx, ty = x + ox * dist, y + oy * dist
        if oy > 0.5:
            ty += 8
        elif oy < -0.5:
            ty += 2
        else:
            ty += 5
        anchor = 'middle' if abs(ox) < 0.5 else ('start' if ox > 0 else 'end')
        if abs(ox) >= 0.5:
            tx -= ox * 12
        s.text(tx, ty, text, anchor=anchor, bold=True)


def draw_circuit(s, x0, y0, x1, y1, sides):
    """A rectangular loop of wire with components on its sides.  sides:
    dict from 'top', 'bottom', 'left', 'right' to a list of components, each
    a tuple such as ('cell',), ('cells', 2), ('bulb', 'X'), ('switch', True),
    ('gap',), ('object', 'P')."""
    corners = {'top': ((x0, y0), (x1, y0), (0, -1)), 'right': ((x1, y0), (x1, y1), (1, 0)),
               'bottom': ((x0, y1), (x1, y1), (0, 1)), 'left': ((x0, y0), (x0, y1), (-1, 0))}
    for side in ('top', 'right', 'bottom', 'left'):
        (ax, ay), (bx, by), outward = corners[side]
        comps = sides.get(side, [])
        n = len(comps)
        length = math.hypot(bx - ax, by - ay)
        ux, uy = (bx - ax) / length, (by - ay) / length
        angle = math.degrees(math.atan2(uy, ux))
        pos = 0.0
        for k, c in enumerate(comps):
            centre = length * (k + 1) / (n + 1)
            half = component_length(c) / 2
            assert centre - half > pos + 6, ('crowded circuit side', side)
            s.line(ax + ux * pos, ay + uy * pos, ax + ux * (centre - half), ay + uy * (centre - half))
            draw_component(s, c, ax + ux * centre, ay + uy * centre, angle, outward)
            pos = centre + half
        s.line(ax + ux * pos, ay + uy * pos, bx, by)


def fig_circuit(sides, w=300, h=200, box=None):
    s = Svg(w, h)
    x0, y0, x1, y1 = box or (50, 40, w - 50, h - 40)
    draw_circuit(s, x0, y0, x1, y1, sides)
    return s.svg()


def fig_circuits(panels, cols=2, pw=190, ph=150, w=None):
    """Several small circuits side by side, each captioned (P, Q, ...).
    panels: list of (caption, sides)."""
    rows = (len(panels) + cols - 1) // cols
    width = w or cols * pw + 20
    s = Svg(width, rows * ph + 10)
    for i, (caption, sides) in enumerate(panels):
        r, c = divmod(i, cols)
        ox = 10 + c * ((width - 20) / cols)
        oy = r * ph + 10
        draw_circuit(s, ox + 34, oy + 28, ox + (width - 20) / cols - 34, oy + ph - 40, sides)
        s.text(ox + (width - 20) / cols / 2, oy + ph - 8, caption, bold=True, size=15)
    return s.svg()


def fig_symbols(items):
    """Circuit symbols in a row, each captioned.  items: (caption, component)."""
    n = len(items)
    w = max(300, min(420, 100 * n + 20))
    s = Svg(w, 110)
    step = (w - 20) / n
    for i, (caption, c) in enumerate(items):
        x = 10 + step * (i + 0.5)
        half = component_length(c) / 2
        s.line(x - half - 14, 45, x - half, 45)
        s.line(x + half, 45, x + half + 14, 45)
        draw_component(s, c, x, 45, 0, (0, -1))
        s.text(x, 96, caption, bold=True, size=15)
    return s.svg()


# --- light -------------------------------------------------------------------------

def mirror(s, x0, x1, y):
    s.line(x0, y, x1, y, width=3)
    k = x0
    while k + 10 <= x1:
        s.line(k + 10, y + 2, k, y + 12, width=1.2)
        k += 12


def fig_mirror(incident_deg, candidates, w=380):
    """A ray hitting a flat mirror at O, with candidate reflected rays.
    incident_deg: angle between the incoming ray and the normal (coming from
    the left).  candidates: list of (letter, angle from the normal on the
    right side, in degrees; negative = on the left side; 'through' = straight
    on through the mirror)."""
    through = any(a == 'through' for _, a in candidates)
    h = 290 if through else 250
    s = Svg(w, h)
    ox, oy = w / 2, 206
    mirror(s, 30, w - 30, oy)
    s.line(ox, oy, ox, 24, width=1.2, dash='6 4')
    s.text(ox - 6, 22, 'normal', anchor='end', size=12)
    L = 170
    a = math.radians(incident_deg)
    sx, sy = ox - L * math.sin(a), oy - L * math.cos(a)
    s.arrow(sx, sy, ox, oy, mid=True)
    s.text(sx, sy - 8, 'ray of light', size=13)
    for letter, ang in candidates:
        if ang == 'through':
            ex, ey = ox + 0.42 * L * math.sin(a), oy + 0.42 * L * math.cos(a)
            s.arrow(ox, oy, ex, ey, mid=True)
            s.text(ex + 6, ey + 4, letter, anchor='start', bold=True, size=15)
            continue
        r = math.radians(ang)
        ex, ey = ox + L * math.sin(r), oy - L * math.cos(r)
        s.arrow(ox, oy, ex, ey, mid=True)
        s.text(ex + 8 * math.sin(r) + (5 if ang >= 0 else -5), ey - 8 * math.cos(r) + 4, letter,
               anchor='start' if ang >= 0 else 'end', bold=True, size=15)
    s.text(ox, oy + 30, 'O', bold=True)
    s.text(w - 34, oy - 8, 'mirror', anchor='end', size=13)
    return s.svg()


def torch(s, x, y):
    """A torch pointing right, its lamp at (x, y)."""
    s.rect(x - 56, y - 10, 40, 20, width=2, fill=DARK, rx=3)
    s.path('M %s %s L %s %s L %s %s L %s %s Z' % (f(x - 16), f(y - 10), f(x), f(y - 18), f(x), f(y + 18),
                                                   f(x - 16), f(y + 10)), width=2, fill=LIGHT)


def fig_shadow(object_x, object_half, screen_x=330, w=380, h=260, caption_object='card',
               ruler=False):
    """A torch, an upright card and a screen, with the rays that pass the
    edges of the card and the shadow they mark on the screen."""
    s = Svg(w, h)
    lx, ly = 70, h / 2 - 10
    torch(s, lx, ly)
    top = ly - object_half
    bot = ly + object_half
    k = (screen_x - lx) / (object_x - lx)
    st, sb = ly - object_half * k, ly + object_half * k
    assert st > 8 and sb < h - 30, 'shadow does not fit on the screen'
    s.rect(screen_x, 10, 12, h - 50, width=2, fill='white')
    s.rect(screen_x, st, 12, sb - st, width=0, fill='#4d4d4d', colour='none')
    s.line(lx, ly, screen_x, st, width=1.2, dash='6 4')
    s.line(lx, ly, screen_x, sb, width=1.2, dash='6 4')
    s.line(object_x, top, object_x, bot, width=5)
    s.text(object_x, bot + 22, caption_object, size=13)
    s.text(screen_x + 6, h - 20, 'screen', size=13)
    s.text(lx - 34, ly + 36, 'torch', size=13)
    s.text(screen_x - 6, (st + sb) / 2 + 5, 'shadow', anchor='end', size=12)
    return s.svg()


def lamp(s, x, y):
    s.circle(x, y, 14, width=2, fill='#f7e58a')
    s.rect(x - 7, y + 12, 14, 10, width=2, fill=DARK)
    for k in range(8):
        a = math.radians(45 * k)
        s.line(x + 19 * math.cos(a), y + 19 * math.sin(a), x + 25 * math.cos(a), y + 25 * math.sin(a),
               width=1.5)


def eye(s, x, y, facing=-1):
    """An eye looking left (facing=-1) or right (facing=1)."""
    s.path('M %s %s Q %s %s %s %s Q %s %s %s %s' % (f(x - 14), f(y), f(x), f(y - 14), f(x + 14), f(y),
                                                 f(x), f(y + 14), f(x - 14), f(y)), width=2, fill='white')
    s.circle(x + facing * 5, y, 5.5, width=1.5, fill='black')


def fig_seeing(panels):
    """Four small pictures of a lamp, a book and an eye with arrows for the
    light.  panels: list of (caption, [(from, to), ...]) where from/to are
    'lamp', 'book', 'eye'."""
    s = Svg(420, 290)
    for i, (caption, arrows) in enumerate(panels):
        r, c = divmod(i, 2)
        ox, oy = 10 + 205 * c, 8 + 140 * r
        s.rect(ox, oy, 195, 130, width=1, colour=MID)
        pts = {'lamp': (ox + 38, oy + 34), 'book': (ox + 98, oy + 96), 'eye': (ox + 164, oy + 40)}
        lamp(s, *pts['lamp'])
        bx, by = pts['book']
        s.rect(bx - 18, by - 8, 36, 16, width=2, fill='#b9cde0')
        s.line(bx, by - 8, bx, by + 8, width=1.5)
        eye(s, *pts['eye'], facing=-1)
        for a, b in arrows:
            (x1, y1), (x2, y2) = pts[a], pts[b]
            dx, dy = x2 - x1, y2 - y1
            n = math.hypot(dx, dy)
            gap1 = {'lamp': 28, 'book': 20, 'eye': 20}[a]
            gap2 = {'lamp': 28, 'book': 20, 'eye': 20}[b]
            s.arrow(x1 + dx * gap1 / n, y1 + dy * gap1 / n, x2 - dx * gap2 / n, y2 - dy * gap2 / n, width=1.8)
        s.text(ox + 14, oy + 122, caption, bold=True, size=15)
    return s.svg()


# --- heat: thermometers and a heated rod --------------------------------------------

def draw_thermometer(s, x, top, bottom, lo, hi, value, minor=1, major=10, caption=None):
    """A liquid thermometer: the scale runs from lo (at `bottom`) to hi (at
    `top`), ticks every `minor` degrees and numbers every `major`."""
    span = bottom - top
    def ypos(v):
        return bottom - (v - lo) / float(hi - lo) * span
    s.rect(x - 7, top - 14, 14, span + 30, width=2, fill='white', rx=7)
    s.circle(x, bottom + 26, 12, width=2, fill='#c0392b')
    s.rect(x - 3, ypos(value), 6, bottom + 16 - ypos(value), width=0, fill='#c0392b', colour='none')
    v = lo
    while v <= hi + 1e-9:
        y = ypos(v)
        is_major = abs(round(v / major) * major - v) < 1e-9
        is_half = abs(round(v / (major / 2.0)) * (major / 2.0) - v) < 1e-9
        length = 14 if is_major else (10 if is_half else 6)
        s.line(x + 9, y, x + 9 + length, y, width=1.2 if not is_major else 1.6)
        if is_major:
            s.text(x + 28, y + 5, '%d' % round(v), anchor='start', size=13)
        v += minor
    s.text(x + 28, top - 20, '\u00b0C', anchor='start', size=13)
    if caption:
        s.text(x + 10, bottom + 60, caption, bold=True)


def fig_thermometers(readings, lo, hi, minor=1, major=10, h=330):
    """Thermometers side by side.  readings: list of (caption or None, value)."""
    n = len(readings)
    w = max(240, 130 * n + 20)
    s = Svg(w, h + (20 if any(c for c, _ in readings) else 0))
    for i, (caption, value) in enumerate(readings):
        assert lo <= value <= hi
        draw_thermometer(s, 70 + 130 * i + (w - 130 * n - 20) / 2, 40, h - 50, lo, hi, value, minor, major,
                         caption)
    return s.svg()


def flame(s, x, y):
    """A small flame with its base at (x, y)."""
    s.path('M %s %s C %s %s %s %s %s %s C %s %s %s %s %s %s Z'
           % (f(x), f(y), f(x - 14), f(y - 6), f(x - 6), f(y - 26), f(x), f(y - 40),
              f(x + 6), f(y - 26), f(x + 14), f(y - 6), f(x), f(y)), width=2, fill='#f5b041')
    s.path('M %s %s C %s %s %s %s %s %s C %s %s %s %s %s %s Z'
           % (f(x), f(y - 2), f(x - 6), f(y - 6), f(x - 3), f(y - 16), f(x), f(y - 22),
              f(x + 3), f(y - 16), f(x + 6), f(y - 6), f(x), f(y - 2)), width=1, fill='#fff3b0')


def fig_rod_pins(letters):
    """A metal rod held over a flame at its left end, with pins stuck under it
    with wax at equal spaces."""
    s = Svg(400, 220)
    s.rect(40, 70, 330, 14, width=2, fill=MID)
    s.rect(356, 60, 24, 80, width=2, fill=DARK)
    s.text(368, 160, 'stand', size=13)
    flame(s, 62, 120)
    s.line(62, 120, 62, 112, width=1.5)
    s.rect(50, 120, 24, 60, width=2, fill='#f4f1e8')
    s.text(62, 200, 'candle', size=13)
    for i, letter in enumerate(letters):
        x = 130 + 60 * i
        s.ellipse(x, 89, 7, 5, width=1.5, fill='#f2e8c9')
        s.line(x, 92, x, 138, width=2)
        s.circle(x, 92, 2.5, width=1, fill='black')
        s.text(x, 158, letter, bold=True, size=15)
    s.text(200, 52, 'metal rod', size=13)
    s.text(236, 200, 'pins stuck on with wax', size=13)
    return s.svg()


# --- energy: a swinging pendulum, a ball on a track -------------------------------

def fig_pendulum(letters=('P', 'Q', 'R'), swing=40):
    s = Svg(320, 260)
    px, py, L = 160, 30, 170
    s.line(90, py, 230, py, width=4)
    for k in range(7):
        s.line(96 + 20 * k, py - 12, 106 + 20 * k, py - 2, width=1.2)
    a0 = math.radians(swing)
    pts = []
    for k in range(41):
        a = -a0 + 2 * a0 * k / 40
        pts.append((px + L * math.sin(a), py + L * math.cos(a)))
    s.poly(pts, width=1.2, dash='5 4')
    for letter, deg in zip(letters, (-swing, 0, swing)):
        a = math.radians(deg)
        bx, by = px + L * math.sin(a), py + L * math.cos(a)
        s.line(px, py, bx, by, width=1.5, colour='black' if deg == -swing else DARK,
               dash=None if deg == -swing else '4 3')
        s.circle(bx, by, 13, width=2, fill=MID if deg == -swing else 'white')
        s.text(bx + (0 if deg == 0 else (24 if deg > 0 else -24)), by + (34 if deg == 0 else 5), letter,
               bold=True, size=15)
    return s.svg()


def track_y(x):
    """Height profile of the roller-coaster track (SVG y, down)."""
    # a smooth curve through (30, 50), (130, 220), (250, 120), (330, 200), (390, 150)
    knots = [(20, 40), (130, 220), (245, 120), (325, 196), (400, 150)]
    for (xa, ya), (xb, yb) in zip(knots, knots[1:]):
        if xa <= x <= xb:
            t = (x - xa) / float(xb - xa)
            return ya + (yb - ya) * (1 - math.cos(math.pi * t)) / 2
    raise ValueError(x)


def fig_track(points):
    """A ball rolling on a track; points: list of (letter, x)."""
    s = Svg(420, 260)
    xs = [20 + k for k in range(0, 381, 4)]
    pts = [(x, track_y(x)) for x in xs]
    s.poly(pts + [(400, 240), (20, 240)], width=0, fill=LIGHT, closed=True, colour='none')
    s.poly(pts, width=3)
    s.line(10, 240, 410, 240, width=2)
    for letter, x in points:
        y = track_y(x)
        # the ball sits on the track: offset along the normal
        d = (track_y(x + 1) - track_y(x - 1)) / 2.0
        n = math.hypot(1, d)
        nx, ny = d / n, -1 / n
        bx, by = x + 11 * nx, y + 11 * ny
        s.circle(bx, by, 10, width=2, fill='white')
        s.text(bx + 18 * nx, by + 18 * ny - 4, letter, bold=True, size=15)
    return s.svg()


# --- graphs ----------------------------------------------------------------------------

def nice(v):
    return ('%d' % v) if abs(v - round(v)) < 1e-9 else ('%g' % v)


def fig_line_graph(series, xlabel, ylabel, xticks, ymin, ymax, ystep, w=400, h=300, legend=None,
                   ygrid=None):
    """A line graph drawn to scale.  series: list of (name, [(x, y), ...],
    style) with style 'solid' or 'dashed'.  xticks: the x values to number."""
    s = Svg(w, h)
    left, right, top, bottom = 62, w - 18, 18, h - 56
    xmin, xmax = xticks[0], xticks[-1]

    def X(x):
        return left + (x - xmin) / float(xmax - xmin) * (right - left)

    def Y(y):
        return bottom - (y - ymin) / float(ymax - ymin) * (bottom - top)

    grid = ygrid or ystep
    v = ymin
    while v <= ymax + 1e-9:
        s.line(left, Y(v), right, Y(v), width=1, colour=GRID)
        v += grid
    for x in xticks:
        s.line(X(x), top, X(x), bottom, width=1, colour=GRID)
        s.line(X(x), bottom, X(x), bottom + 5, width=1.5)
        s.text(X(x), bottom + 20, nice(x), size=13)
    v = ymin
    while v <= ymax + 1e-9:
        s.line(left - 5, Y(v), left, Y(v), width=1.5)
        s.text(left - 9, Y(v) + 5, nice(v), anchor='end', size=13)
        v += ystep
    s.line(left, top, left, bottom, width=2)
    s.line(left, bottom, right, bottom, width=2)
    s.text((left + right) / 2, h - 12, xlabel, size=13)
    s.add('<text x="16" y="%s" text-anchor="middle" font-size="13" transform="rotate(-90 16 %s)">%s</text>'
          % (f((top + bottom) / 2), f((top + bottom) / 2), esc(ylabel)))
    for name, data, style in series:
        pts = [(X(x), Y(y)) for x, y in data]
        s.poly(pts, width=2.2, dash='8 5' if style == 'dashed' else None)
        for px, py in pts:
            if style == 'dashed':
                s.rect(px - 3.5, py - 3.5, 7, 7, width=1.5, fill='white')
            else:
                s.circle(px, py, 3.5, width=1.5, fill='black')
    if legend:
        lx, ly = legend
        for i, (name, data, style) in enumerate(series):
            y = ly + 20 * i
            s.rect(lx - 6, y - 12, 150, 20, width=0, fill='white', colour='none')
            s.line(lx, y - 4, lx + 30, y - 4, width=2.2, dash='8 5' if style == 'dashed' else None)
            s.text(lx + 38, y + 1, name, anchor='start', size=13)
    return s.svg()


def fig_bar_chart(bars, xlabel, ylabel, ymax, ystep, w=400, h=290, ygrid=None):
    """A bar chart drawn to scale.  bars: list of (name, value)."""
    s = Svg(w, h)
    left, right, top, bottom = 62, w - 14, 18, h - 56
    ymin = 0

    def Y(y):
        return bottom - (y - ymin) / float(ymax - ymin) * (bottom - top)

    grid = ygrid or ystep
    v = ymin
    while v <= ymax + 1e-9:
        s.line(left, Y(v), right, Y(v), width=1, colour=GRID)
        v += grid
    v = ymin
    while v <= ymax + 1e-9:
        s.line(left - 5, Y(v), left, Y(v), width=1.5)
        s.text(left - 9, Y(v) + 5, nice(v), anchor='end', size=13)
        v += ystep
    n = len(bars)
    slot = (right - left) / float(n)
    bw = min(44, slot * 0.6)
    for i, (name, value) in enumerate(bars):
        cx = left + slot * (i + 0.5)
        s.rect(cx - bw / 2, Y(value), bw, bottom - Y(value), width=1.5, fill=MID)
        s.text(cx, bottom + 20, name, size=13)
    s.line(left, top, left, bottom, width=2)
    s.line(left, bottom, right, bottom, width=2)
    s.text((left + right) / 2, h - 12, xlabel, size=13)
    s.add('<text x="16" y="%s" text-anchor="middle" font-size="13" transform="rotate(-90 16 %s)">%s</text>'
          % (f((top + bottom) / 2), f((top + bottom) / 2), esc(ylabel)))
    return s.svg()


def fig_cylinders(readings, lo=0, hi=100, minor=2, major=10, shoot=True, oil=True):
    """Measuring cylinders side by side, each with a leafy shoot standing in
    water under a thin layer of oil.  readings: list of (caption, ml)."""
    n = len(readings)
    w = max(260, 150 * n + 20)
    s = Svg(w, 390)
    top, bottom = 110, 350
    for i, (caption, value) in enumerate(readings):
        x = (w - 150 * n) / 2 + 150 * i + 90
        span = bottom - top

        def Y(v):
            return bottom - (v - lo) / float(hi - lo) * span
        left, right = x - 24, x + 24
        level = Y(value)
        s.rect(left, level, 48, bottom - level, width=0, fill='#cfe3f3', colour='none')
        if oil:
            s.rect(left, level - 6, 48, 6, width=0, fill='#e9c46a', colour='none')
            s.line(left, level - 6, right, level - 6, width=1)
        s.line(left, level, right, level, width=1.5)
        if shoot:
            s.path('M %s %s C %s %s %s %s %s %s' % (f(x + 6), f(bottom - 20), f(x + 2), f(top), f(x + 8), f(70),
                                                    f(x + 4), f(40)), width=3)
            for (ly, ang, ln) in ((70, 30, 40), (86, 160, 36), (52, 150, 30), (44, 20, 28)):
                d, tip = leaf_path(x + 5, ly, ln, 9, ang)
                s.path(d, width=1.5, fill='#cfe5c3')
        s.path('M %s %s L %s %s L %s %s L %s %s' % (f(left), f(top - 20), f(left), f(bottom), f(right), f(bottom),
                                                   f(right), f(top - 20)), width=2)
        s.rect(left - 16, bottom, 80, 8, width=2, fill=LIGHT)
        v = lo
        while v <= hi + 1e-9:
            y = Y(v)
            is_major = abs(round(v / major) * major - v) < 1e-9
            s.line(left, y, left + (14 if is_major else 7), y, width=1.2)
            if is_major and v > lo:
                s.text(left - 5, y + 5, '%d' % round(v), anchor='end', size=12)
            v += minor
        s.text(x, bottom + 30, caption, bold=True)
        s.text(x + 30, top - 8, 'ml', anchor='start', size=12)
    return s.svg()


def fig_lung_model(labels):
    """A bell jar model of the chest: a Y-tube, two balloons, a rubber sheet.
    labels: part -> letter, parts tube, balloon, sheet, jar."""
    s = Svg(340, 330)
    cx = 170
    # the jar
    s.path('M %d 290 L %d 110 C %d 70 %d 60 %d 56 L %d 56 C %d 60 %d 70 %d 110 L %d 290'
           % (cx - 90, cx - 90, cx - 86, cx - 50, cx - 20, cx + 20, cx + 50, cx + 86, cx + 90, cx + 90),
           width=2, fill='#f2f7fb')
    s.rect(cx - 22, 42, 44, 20, width=2, fill=DARK, rx=3)
    # Y-tube
    s.tube('M %d 20 L %d 120' % (cx, cx), outer=9, inner=5, fill='white')
    s.tube('M %d 120 L %d 150' % (cx, cx - 34), outer=9, inner=5, fill='white')
    s.tube('M %d 120 L %d 150' % (cx, cx + 34), outer=9, inner=5, fill='white')
    # balloons
    s.ellipse(cx - 44, 182, 26, 36, width=2, fill='#f3d6d6')
    s.ellipse(cx + 44, 182, 26, 36, width=2, fill='#f3d6d6')
    # rubber sheet with a knob, pulled down a little
    s.path('M %d 290 Q %d 318 %d 290' % (cx - 92, cx, cx + 92), width=3)
    s.rect(cx - 6, 302, 12, 12, width=2, fill=DARK)
    s.line(cx, 314, cx, 326, width=2)
    anchors = {
        'tube': ((cx + 3, 90), (cx + 120, 70)),
        'balloon': ((cx + 62, 190), (cx + 126, 196)),
        'sheet': ((cx - 60, 300), (cx - 126, 312)),
        'jar': ((cx - 90, 230), (cx - 126, 230)),
    }
    for part, letter in labels.items():
        (px, py), (lx, ly) = anchors[part]
        s.label(px, py, lx, ly, letter)
    return s.svg()


# ---------------------------------------------------------------------------
# Building questions
# ---------------------------------------------------------------------------

class Fig:
    """A diagram of a question: its SVG text and its alt text.  The file is
    named after the question id (q17205.svg, or q17205b.svg for a second
    diagram)."""
    def __init__(self, svg, alt, suffix=''):
        self.svg = svg
        self.alt = alt
        self.suffix = suffix

    def name(self, qid):
        return 'q%d%s.svg' % (qid, self.suffix)


class Question:
    def __init__(self, instruction, lines, answers):
        self.instruction = instruction
        self.lines = lines          # body HTML lines and Fig objects
        self.answers = answers      # list of (type, marks, key)
        self.qid = None

    def figures(self):
        return [l for l in self.lines if isinstance(l, Fig)]

    def html_lines(self):
        out = []
        for l in self.lines:
            if isinstance(l, Fig):
                out.append('<div class="figure"><img src="figures/%s" alt="%s"></div>'
                           % (l.name(self.qid), l.alt))
            else:
                out.append(l)
        return out


def p(text):
    return '<p>%s</p>' % text


def b(text):
    return '<b>%s</b>' % text


def options(items):
    assert len(items) == 4
    return '<ol class="options">%s</ol>' % ''.join('<li>%s</li>' % i for i in items)


def word_box(words):
    return '<div class="passage"><p>%s</p></div>' % ' &nbsp;&nbsp;&nbsp; '.join(b(w) for w in words)


def table(head, rows):
    """A table of results: head is a list of headings, rows a list of rows."""
    out = ['<table class="data">', '<tr>%s</tr>' % ''.join('<th>%s</th>' % h for h in head)]
    for r in rows:
        out.append('<tr>%s</tr>' % ''.join('<td>%s</td>' % c for c in r))
    out.append('</table>')
    return ''.join(out)


def alts(words):
    seen = []
    for w in words:
        if w.lower() not in [s.lower() for s in seen]:
            seen.append(w)
    return ';' + ';'.join(seen)


def key_of(answer):
    """An answer as (type, key): a number is N, a string T, a list M (the
    first entry is the model answer), ('L', text) a phrase."""
    if isinstance(answer, tuple):
        kind, key = answer
        return kind, key
    if isinstance(answer, (int, float)):
        return 'N', ('%g' % answer)
    if isinstance(answer, str):
        if "'" in answer:
            return 'M', alts([answer, answer.replace("'", '\u2019')])
        return 'T', answer
    words = []
    for w in answer:
        words.append(w)
        if "'" in w:
            words.append(w.replace("'", '\u2019'))
    if len(words) == 1:
        return 'T', words[0]
    return 'M', alts(words)


def choice(lines, opts, correct, marks=1, instruction=None):
    """Multiple choice: `correct` is the option number, 1 to 4."""
    assert 1 <= correct <= 4
    return Question(instruction or CHOOSE, list(lines) + [options(opts)], [('Q', marks, str(correct))])


def single(instruction, lines, answer, marks=1):
    kind, key = key_of(answer)
    return Question(instruction, list(lines), [(kind, marks, key)])


def number(lines, value, marks=1, instruction='Write the number only.'):
    return Question(instruction, list(lines), [('N', marks, '%g' % value)])


def parts(instruction, lines, items, marks=1):
    """items: (part HTML, answer) or (part HTML, answer, marks); one slot
    each, labelled (a), (b), ..."""
    body = list(lines)
    answers = []
    for i, item in enumerate(items):
        text, answer = item[0], item[1]
        m = item[2] if len(item) > 2 else marks
        body.append('<p class="part">(%s) %s</p>' % (LETTERS[i], text))
        kind, key = key_of(answer)
        answers.append((kind, m, key))
    return Question(instruction, body, answers)


def group(instruction, lines, words, slots, marks=1):
    """'Name any two ...': a G head and single-space followers."""
    assert slots >= 2 and len(words) >= slots
    body = list(lines)
    answers = [('G', marks, alts(words))] + [('G', marks, ' ')] * (slots - 1)
    for i in range(slots):
        body.append('<p class="part">(%s) %s</p>' % (LETTERS[i], BLANK))
    return Question(instruction, body, answers)


def arrows(*items):
    return ' &rarr; '.join(items)


# Names a teacher accepts for the parts and the forms of energy.
GULLET = ['gullet', 'oesophagus', 'esophagus', 'food pipe', 'foodpipe', 'gullet (oesophagus)']
WINDPIPE = ['windpipe', 'trachea', 'wind pipe']
SMALL = ['small intestine', 'small intestines', 'the small intestine']
LARGE = ['large intestine', 'large intestines', 'the large intestine', 'colon']
E_LIGHT = ['light energy', 'light']
E_HEAT = ['heat energy', 'heat', 'thermal energy', 'thermal']
E_SOUND = ['sound energy', 'sound']
E_KINETIC = ['kinetic energy', 'kinetic', 'movement energy', 'movement', 'motion energy']
E_ELECTRICAL = ['electrical energy', 'electrical', 'electric energy', 'electricity', 'electric']
E_CHEMICAL = ['chemical potential energy', 'chemical potential', 'chemical energy', 'chemical']
E_GPE = ['gravitational potential energy', 'gravitational potential', 'potential energy', 'potential',
         'gravitational energy']
NUMBER_ONLY = 'Write the number only.'
RENEWABLE = ['R', 'renewable']
NONRENEWABLE = ['N', 'non-renewable', 'nonrenewable', 'non renewable']


# ---------------------------------------------------------------------------
# Topic 3: Systems
# ---------------------------------------------------------------------------

def paper_111():
    return [
        parts('Write the name of each labelled part of the plant.', [
            p('The diagram shows a flowering plant.'),
            Fig(fig_plant({'flower': 'A', 'leaf': 'B', 'stem': 'C', 'root': 'D'}),
                'A flowering plant growing in soil, with four parts labelled A, B, C and D'),
        ], [
            ('Part A', ['flower', 'flowers', 'petals', 'petal', 'bloom']),
            ('Part B', ['leaf', 'leaves']),
            ('Part C', ['stem', 'stalk', 'stems']),
            ('Part D', ['roots', 'root', 'root system']),
        ]),
        choice([p('Which part of a plant takes in water from the soil?')],
               ['the leaf', 'the stem', 'the root', 'the flower'], 3),
        choice([p('Which part of a plant makes food for the whole plant?')],
               ['the leaves', 'the roots', 'the flowers', 'the stem'], 1),
        choice([p('What is the main job of the stem of a plant?')],
               ['to take in water from the soil',
                'to make seeds',
                'to attract insects with its colour',
                'to hold the plant up and carry water and food to other parts'], 4),
        choice([p('Which part of a flowering plant is mainly for making seeds, so that new plants can grow?')],
               ['the root', 'the flower', 'the stem', 'the leaf'], 2),
        parts('Look at the diagram of the digestive system. Write the letter of each part.', [
            Fig(fig_digestive({'mouth': 'A', 'gullet': 'B', 'stomach': 'C', 'small': 'D', 'large': 'E'}),
                'The human digestive system with five parts labelled A to E'),
        ], [
            ('Which letter shows the stomach?', 'C'),
            ('Which letter shows the gullet?', 'B'),
            ('Which letter shows the small intestine?', 'D'),
        ]),
        single('Write the missing word.', [
            p('Our bodies cannot use food the way we eat it. Food must be broken down into simpler '
              'substances that can pass into the blood. This process is called %s.' % BLANK),
        ], 'digestion'),
        choice([p('In which order does food pass through these parts of the digestive system?')],
               [arrows('mouth', 'stomach', 'gullet', 'small intestine', 'large intestine'),
                arrows('mouth', 'gullet', 'stomach', 'small intestine', 'large intestine'),
                arrows('mouth', 'gullet', 'stomach', 'large intestine', 'small intestine'),
                arrows('mouth', 'gullet', 'small intestine', 'stomach', 'large intestine')], 2, marks=2),
        choice([p('In which part of the digestive system is most of the water taken back into the body '
                  'from undigested food?')],
               ['the mouth', 'the stomach', 'the small intestine', 'the large intestine'], 4),
        group('Write two different answers, one on each line.', [
            p('Digestion takes place in several parts of the digestive system.'),
            p('Name any <b>two</b> parts of the digestive system where food is digested.'),
        ], ['mouth', 'stomach', 'small intestine', 'small intestines'], 2),
        choice([p('Which organ takes in oxygen from the air we breathe in?')],
               ['the lungs', 'the heart', 'the stomach', 'the brain'], 1),
        parts('Write the missing word or words.', [], [
            ('The heart pumps %s to all parts of the body.' % BLANK, 'blood'),
            ('Blood flows around the body through tubes called %s.' % BLANK,
             ['blood vessels', 'blood vessel', 'vessels', 'arteries and veins', 'veins and arteries']),
        ]),
        choice([p('Which of these is <b>not</b> a job of the skeleton?')],
               ['It gives the body its shape.',
                'It protects soft organs such as the brain.',
                'It works with the muscles to help us move.',
                'It breaks down the food we eat.'], 4),
        parts('Look at the skeleton. Write the letter of the correct part.', [
            Fig(fig_skeleton({'skull': 'A', 'ribcage': 'B', 'backbone': 'C', 'thighbone': 'D'}),
                'A human skeleton with four parts labelled A, B, C and D'),
        ], [
            ('Which part protects the brain?', 'A'),
            ('Which part protects the heart and the lungs?', 'B'),
        ]),
        choice([p('All living things, such as plants, animals and people, are made up of very small units. '
                  'What are these units called?')],
               ['organs', 'cells', 'systems', 'bones'], 2),
        choice([
            p('The diagram shows a plant cell.'),
            Fig(fig_cells({'wall': 'A', 'membrane': 'B', 'nucleus': 'C', 'chloroplast': 'D'}, names=None,
                          show=('plant',)),
                'A plant cell with four parts labelled A, B, C and D'),
            p('Which part controls all the activities of the cell?'),
        ], ['A', 'B', 'C', 'D'], 3),
        choice([
            p('Four circuits, P, Q, R and S, were set up with the same kind of cells and bulbs.'),
            Fig(fig_circuits([
                ('P', {'top': [('cell',)], 'right': [('switch', False)], 'bottom': [('bulb',)]}),
                ('Q', {'top': [('cell',)], 'right': [('switch', True)], 'bottom': [('bulb',)]}),
                ('R', {'top': [('cell',)], 'left': [('gap',)], 'bottom': [('bulb',)]}),
                ('S', {'top': [('switch', True)], 'bottom': [('bulb',)]}),
            ]), 'Four circuit diagrams labelled P, Q, R and S'),
            p('In which circuit will the bulb light up?'),
        ], ['P', 'Q', 'R', 'S'], 2),
        parts('Write the name of each circuit symbol.', [
            Fig(fig_symbols([('X', ('cell',)), ('Y', ('bulb',)), ('Z', ('switch', False))]),
                'Three circuit symbols labelled X, Y and Z'),
        ], [
            ('Symbol X', ['cell', 'battery', 'dry cell', 'electric cell', 'a cell']),
            ('Symbol Y', ['bulb', 'light bulb', 'lamp', 'electric bulb', 'a bulb']),
            ('Symbol Z', ['switch', 'open switch', 'a switch', 'switch (open)']),
        ]),
        choice([p('Which of these objects is a conductor of electricity?')],
               ['a rubber band', 'a plastic ruler', 'an iron nail', 'a wooden spoon'], 3),
        choice([
            p('Aisha used a circuit with a cell and a bulb to test some objects. She put each object in a '
              'gap in the circuit and watched the bulb.'),
            table(['Object', 'Did the bulb light up?'], [
                ['steel spoon', 'yes'], ['plastic straw', 'no'], ['aluminium foil', 'yes'],
                ['rubber eraser', 'no'], ['copper wire', 'yes'], ['glass marble', 'no']]),
            p('Which statement is supported by her results?'),
        ], ['Shiny objects are conductors of electricity.',
            'Hard objects are conductors of electricity.',
            'Objects that bend easily are conductors of electricity.',
            'Objects made of metal are conductors of electricity.'], 4),
    ]


def paper_112():
    return [
        choice([p('A plant has two kinds of tubes in its stem. Which tubes carry water from the roots to '
                  'the leaves?')],
               ['food-carrying tubes', 'water-carrying tubes', 'air tubes', 'blood vessels'], 2),
        choice([
            p('Amir put a stalk of celery with its leaves into a beaker of water coloured with red ink. '
              'After six hours, he saw red lines in the stalk and red patches in the leaves.'),
            p('What does this show?'),
        ], ['The leaves make red ink.',
            'Water is carried up the stalk to the leaves.',
            'Food is carried down from the leaves to the roots.',
            'The celery needs sunlight to take in water.'], 2, marks=2),
        number([
            p('Mei Ling stood a leafy shoot in a measuring cylinder of water. She poured a thin layer of oil on '
              'top of the water.'),
            table(['Day', 'Reading on the measuring cylinder (ml)'], [['Monday', '100'], ['Thursday', '76']]),
            p('How much water did the shoot take in from Monday to Thursday? Give your answer in ml.'),
        ], 24, instruction=NUMBER_ONLY),
        choice([
            p('In the same experiment, why did Mei Ling pour a layer of oil on top of the water?'),
        ], ['to give the shoot food',
            'to make the water warmer',
            'to stop water escaping from the surface into the air, so that only the shoot could remove water',
            'to make the shoot grow faster'], 3, marks=2),
        choice([
            Fig(fig_digestive({'gullet': 'A', 'liver': 'B', 'stomach': 'C', 'small': 'D', 'large': 'E'}),
                'The human digestive system with five parts labelled A to E'),
            p('Food does <b>not</b> pass through one of the labelled parts. Which part is it?'),
        ], ['A', 'B', 'D', 'E'], 2),
        parts('Write the missing word.', [], [
            ('In the mouth, food is mixed with %s, a digestive juice.' % BLANK, ['saliva', 'spit']),
            ('Food is cut and crushed into smaller pieces by the %s.' % BLANK, ['teeth', 'tooth']),
        ]),
        choice([p('Why should we chew our food well before we swallow it?')],
               ['It makes the food colder.',
                'It takes the water out of the food.',
                'It stops saliva from mixing with the food.',
                'Small pieces of food are easier to swallow and are digested faster.'], 4),
        parts('Write the name of each labelled part.', [
            p('The diagram shows the human respiratory system.'),
            Fig(fig_respiratory({'windpipe': 'A', 'lung': 'B'}),
                'The human respiratory system with two parts labelled A and B'),
        ], [
            ('Part A', WINDPIPE),
            ('Part B', ['lung', 'lungs', 'left lung']),
        ]),
        choice([p('Compared with the air we breathe in, the air we breathe out has &hellip;')],
               ['more oxygen and less carbon dioxide.',
                'more oxygen and more carbon dioxide.',
                'less oxygen and more carbon dioxide.',
                'less oxygen and less carbon dioxide.'], 3, marks=2),
        parts('Use the table to answer the questions. Write the number only.', [
            p('Sam counted how many times he breathed in one minute.'),
            table(['Activity', 'Number of breaths in one minute'], [
                ['sitting still', '16'], ['after walking for 5 minutes', '22'], ['after running for 5 minutes', '40']]),
        ], [
            ('How many breaths did Sam take in one minute after walking?', 22),
            ('How many more breaths in one minute did he take after running than when sitting still?', 24, 2),
        ]),
        choice([p('Why did Sam breathe faster after running?')],
               ['His muscles needed more oxygen to release the energy for running.',
                'His lungs became smaller.',
                'He needed to take in more carbon dioxide.',
                'His stomach needed more air.'], 1),
        group('Write two different answers, one on each line.', [
            p('Name any <b>two</b> things that the blood carries around the body.'),
        ], ['oxygen', 'digested food', 'food', 'carbon dioxide', 'water', 'waste', 'waste products', 'nutrients',
            'heat', 'mineral salts'], 2),
        single('Write the missing word.', [
            p('Each time the heart beats, you can feel a beat at your wrist. The number of beats in one '
              'minute is called your %s rate.' % BLANK),
        ], ['pulse', 'heart']),
        single('Write the missing word.', [
            p('Bones cannot move on their own. They are pulled by %s.' % BLANK),
        ], ['muscles', 'muscle', 'the muscles']),
        parts('Write the name of each labelled part of the animal cell.', [
            Fig(fig_cells({'amembrane': 'A', 'acytoplasm': 'B', 'anucleus': 'C'}, names=None, show=('animal',)),
                'An animal cell with three parts labelled A, B and C'),
        ], [
            ('Part A', ['cell membrane', 'membrane', 'the cell membrane']),
            ('Part B', ['cytoplasm', 'the cytoplasm']),
            ('Part C', ['nucleus', 'the nucleus']),
        ]),
        choice([p('Which part is found in a plant cell but <b>not</b> in an animal cell?')],
               ['the nucleus', 'the cytoplasm', 'the cell membrane', 'the cell wall'], 4),
        choice([
            p('Look at the circuit. The switch is closed and both bulbs are lit.'),
            Fig(fig_circuit({'top': [('cell',)], 'right': [('switch', True)],
                             'bottom': [('bulb', 'X'), ('bulb', 'Y')]}),
                'A circuit with one cell, a closed switch and two bulbs X and Y in a single loop'),
            p('The wire inside bulb X breaks, so bulb X goes out. What happens to bulb Y?'),
        ], ['It becomes brighter.', 'It stays just as bright.', 'It goes out too.',
            'It becomes dimmer but stays lit.'], 3, marks=2),
        choice([p('Why are the copper wires in electrical cables covered with plastic?')],
               ['Plastic is an electrical insulator, so the cable is safe to touch.',
                'Plastic is a good conductor of electricity.',
                'Plastic makes the electricity flow faster.',
                'Plastic makes the wire heavier so it does not move.'], 1),
        choice([
            p('Circuits A and B use the same kind of bulbs and cells.'),
            Fig(fig_circuits([
                ('A', {'top': [('cell',)], 'bottom': [('bulb',)]}),
                ('B', {'top': [('cells', 2)], 'bottom': [('bulb',)]}),
            ]), 'Circuit A has one cell and one bulb. Circuit B has two cells and one bulb.'),
            p('Which statement is correct?'),
        ], ['The bulb in A is brighter than the bulb in B.',
            'The bulb in B is brighter than the bulb in A.',
            'Both bulbs are equally bright.',
            'Neither bulb lights up.'], 2),
        parts('Write the missing word.', [], [
            ('A circuit with a gap in it is called an %s circuit.' % BLANK, 'open'),
            ('A circuit with no gaps, in which the bulb lights up, is called a %s circuit.' % BLANK,
             ['closed', 'complete']),
        ]),
    ]


def paper_113():
    return [
        choice([
            p('A ring of bark was removed from the stem of a young tree. The food-carrying tubes are just under '
              'the bark, so they were removed too. After some weeks, a swelling grew just above the ring.'),
            Fig(fig_bark_ring(), 'A tree stem with a ring of bark removed and a swelling just above the ring'),
            p('Why did the swelling form just above the ring?'),
        ], ['Water from the roots collected there.',
            'Food made in the leaves could not move down past the ring, so it collected above it.',
            'Air collected under the bark above the ring.',
            'The ring let in more sunlight, so the stem grew faster there.'], 2, marks=2),
        choice([
            p('If the ring of bark stays removed for a long time, the roots of the tree may die. Why?'),
        ], ['The roots take in too much water.',
            'The roots get too much sunlight.',
            'The roots cannot take in mineral salts from the soil.',
            'Food made in the leaves can no longer reach the roots.'], 4),
        choice([p('Roots have many tiny root hairs. How do the root hairs help the plant?')],
               ['They give the root a much larger surface, so it can take in more water and mineral salts.',
                'They make food for the plant.',
                'They protect the roots from insects.',
                'They store water for dry days.'], 1),
        group('Write two different answers, one on each line.', [
            p('The water-carrying tubes carry two things from the roots up to the leaves.'),
            p('Name <b>both</b> of them.'),
        ], ['water', 'mineral salts', 'minerals', 'mineral', 'dissolved minerals', 'nutrients'], 2),
        number([
            p('Three leafy shoots of the same plant were stood in water. Each shoot had a different number of '
              'leaves. The table shows how much water each shoot took up in one day.'),
            table(['Number of leaves', 'Water taken up in one day (ml)'], [['10', '18'], ['5', '9'], ['0', '1']]),
            p('How much more water did the shoot with 10 leaves take up than the shoot with 5 leaves? '
              'Give your answer in ml.'),
        ], 9, marks=2),
        choice([p('Digestive juices help to break food down. In which part of the digestive system are '
                  '<b>no</b> digestive juices made?')],
               ['the mouth', 'the stomach', 'the small intestine', 'the large intestine'], 4),
        parts('Look at the diagram of the digestive system. Write the letter of the correct part.', [
            Fig(fig_digestive({'mouth': 'P', 'liver': 'Q', 'stomach': 'R', 'large': 'S', 'small': 'T'}),
                'The human digestive system with five parts labelled P, Q, R, S and T'),
        ], [
            ('In which part is the digestion of food completed?', 'T'),
            ('In which part is water taken back into the body from undigested food?', 'S'),
            ('Which part makes a digestive juice, although food does not pass through it?', 'Q'),
        ]),
        choice([p('Which statement about the stomach is correct?')],
               ['Most digested food is taken into the blood in the stomach.',
                'Digestion of food begins in the stomach.',
                'The stomach makes digestive juices and churns the food.',
                'The stomach takes water back from undigested food.'], 3),
        choice([
            Fig(fig_respiratory({'windpipe': 'P', 'airtubes': 'Q', 'lung': 'R', 'diaphragm': 'S'}),
                'The human respiratory system with four parts labelled P, Q, R and S'),
            p('In which labelled part does oxygen pass from the air into the blood?'),
        ], ['P', 'Q', 'R', 'S'], 3, marks=2),
        choice([p('The lungs contain millions of tiny air sacs. Each air sac has a very thin wall and is '
                  'covered with many tiny blood vessels. How does this help the body?')],
               ['Digested food can be taken into the blood quickly.',
                'Oxygen can pass easily from the air into the blood.',
                'The air sacs can pump blood around the body.',
                'The air sacs can stop dust from entering the lungs.'], 2),
        parts('The diagram shows how blood flows between the heart, the lungs and the other parts of the body. '
              'Write the letter of the correct blood vessel.', [
            Fig(fig_bloodflow({'bodyin': 'W', 'lungout': 'X', 'lungin': 'Y', 'bodyout': 'Z'}),
                'The heart joined to the lungs and to the other parts of the body by four blood vessels W, X, Y and Z, '
                'with arrows showing which way the blood flows'),
        ], [
            ('Which blood vessel carries blood from the lungs to the heart?', 'Y'),
            ('Which blood vessel carries blood from the heart to the other parts of the body?', 'Z'),
        ]),
        choice([
            Fig(fig_bloodflow({'bodyin': 'W', 'lungout': 'X', 'lungin': 'Y', 'bodyout': 'Z'}),
                'The heart joined to the lungs and to the other parts of the body by four blood vessels W, X, Y and Z, '
                'with arrows showing which way the blood flows'),
            p('Blood takes in oxygen in the lungs. Which two blood vessels carry blood that is rich in oxygen?'),
        ], ['W and X', 'X and Y', 'Y and Z', 'W and Z'], 3),
        parts('Write the name of each labelled part of the skeleton.', [
            Fig(fig_skeleton({'skull': 'A', 'ribcage': 'B', 'backbone': 'C', 'pelvis': 'D'}),
                'A human skeleton with four parts labelled A, B, C and D'),
        ], [
            ('Part B', ['ribcage', 'rib cage', 'ribs', 'rib']),
            ('Part C', ['backbone', 'spine', 'back bone', 'spinal column', 'vertebral column', 'vertebrae']),
        ]),
        choice([p('The backbone is made of many small bones instead of one long bone. Why is this useful?')],
               ['It makes the backbone lighter than the skull.',
                'It helps the backbone to make blood.',
                'It lets the backbone digest food.',
                'It lets us bend and twist our body.'], 4),
        parts('Look at the plant cell and the animal cell. Write the letter of the correct part.', [
            Fig(fig_cells({'wall': 'P', 'chloroplast': 'Q', 'vacuole': 'R', 'anucleus': 'S', 'amembrane': 'T'}),
                'A plant cell and an animal cell with parts labelled P, Q, R, S and T'),
        ], [
            ('Which part traps light so that the plant cell can make food?', 'Q'),
            ('Which part gives the plant cell its fixed, regular shape?', 'P'),
            ('Which part controls all the activities of the animal cell?', 'S'),
        ]),
        choice([p('Ken looked at cells from the inside of his cheek under a microscope. Which part would he '
                  '<b>not</b> see in these cells?')],
               ['the nucleus', 'the cell membrane', 'chloroplasts', 'the cytoplasm'], 3, marks=2),
        parts('Look at the four circuits. Write the letter of the correct circuit.', [
            p('All the cells are the same and all the bulbs are the same.'),
            Fig(fig_circuits([
                ('P', {'top': [('cell',)], 'bottom': [('bulb',)]}),
                ('Q', {'top': [('cells', 2)], 'bottom': [('bulb',)]}),
                ('R', {'top': [('cell',)], 'bottom': [('bulb',), ('bulb',)]}),
                ('S', {'top': [('cells', 2)], 'bottom': [('bulb',), ('bulb',)]}),
            ]), 'Four circuits: P has one cell and one bulb, Q two cells and one bulb, R one cell and two bulbs, '
                'S two cells and two bulbs'),
        ], [
            ('In which circuit is the bulb the brightest?', 'Q'),
            ('In which circuit are the bulbs the dimmest?', 'R'),
        ]),
        single('Complete the sentence. Write only the missing words.', [
            Fig(fig_circuit({'top': [('cells', 2)], 'right': [('switch', False)], 'bottom': [('bulb',)]}),
                'A circuit with two cells, a bulb and a switch that is open'),
            p('The bulb in this circuit does not light up. Choose the correct reason from the box and join it to '
              'the sentence with the word <b>because</b>.'),
            word_box(['there are two cells', 'the switch is open', 'the wires are made of copper']),
            p('The bulb does not light up %s.' % BLANK),
        ], ('L', 'because the switch is open'), marks=2),
        number([
            p('Farid tested some objects by placing each one in the gap of this circuit.'),
            Fig(fig_circuit({'top': [('cell',)], 'left': [('bulb',)], 'bottom': [('object', 'object')]}),
                'A circuit with a cell, a bulb and an object held between two clips'),
            table(['Object', 'Did the bulb light up?'], [
                ['aluminium lid', 'yes'], ['cotton thread', 'no'], ['steel paper clip', 'yes'],
                ['glass rod', 'no'], ['plastic comb', 'no'], ['brass key', 'yes']]),
            p('How many of the objects are electrical insulators?'),
        ], 3, instruction=NUMBER_ONLY),
        group('Write two different answers, one on each line.', [
            p('Name any <b>two</b> materials that are electrical insulators.'),
        ], ['plastic', 'rubber', 'wood', 'glass', 'paper', 'cardboard', 'cloth', 'fabric', 'cotton', 'wool',
            'ceramic', 'porcelain', 'cork', 'leather', 'polystyrene', 'styrofoam', 'silk', 'nylon', 'clay',
            'stone', 'air', 'pottery', 'rock', 'pure water', 'distilled water'], 2),
    ]


def paper_114():
    return [
        choice([
            Fig(fig_plant({'flower': 'A', 'fruit': 'B', 'leaf': 'C', 'stem': 'D', 'root': 'E'}),
                'A flowering plant with a fruit, with five parts labelled A to E'),
            p('Food made in part C is carried to the fruit, B. Through which part does the food travel on its way '
              'to the fruit?'),
        ], ['A', 'C', 'D', 'E'], 3),
        choice([p('Which statement about the tubes in a plant is correct?')],
               ['Food-carrying tubes carry food from the leaves to the other parts of the plant.',
                'Water-carrying tubes carry water from the leaves down to the roots.',
                'Both kinds of tubes are found only in the roots.',
                'Food-carrying tubes carry water and mineral salts to the leaves.'], 1),
        choice([p('On a hot, dry afternoon, the leaves of a potted plant drooped. When the soil was watered, the '
                  'leaves stood up again. Why did the leaves droop?')],
               ['The leaves had made too much food.',
                'The roots had taken in too much water.',
                'The leaves were losing water faster than the roots could take it in.',
                'The stem had grown too heavy for the leaves.'], 3, marks=2),
        choice([p('Digested food is taken into the blood in the small intestine. Which system then carries the '
                  'digested food to all the cells of the body?')],
               ['the circulatory system', 'the respiratory system', 'the skeletal system', 'the muscular system'], 1),
        parts('Use the table to answer the questions.', [
            p('The table shows roughly how long a meal stays in each part of the digestive system.'),
            table(['Part of the digestive system', 'Time the food stays there'], [
                ['mouth', 'less than 1 minute'], ['gullet', 'about 10 seconds'], ['stomach', '3 hours'],
                ['small intestine', '5 hours'], ['large intestine', '20 hours']]),
        ], [
            ('In which part does the food stay the longest? Write its name.', LARGE),
            ('How many hours does the food spend in the stomach and the small intestine altogether? '
             'Write the number only.', 8, 2),
        ]),
        choice([p('The inner wall of one part of the digestive system has many tiny finger-like folds. These '
                  'folds help digested food to pass quickly into the blood. Which part is it?')],
               ['the gullet', 'the stomach', 'the mouth', 'the small intestine'], 4),
        choice([p('Which shows the path taken by air when we breathe in?')],
               [arrows('nose', 'gullet', 'lungs'),
                arrows('nose', 'lungs', 'windpipe'),
                arrows('windpipe', 'nose', 'air sacs in the lungs'),
                arrows('nose', 'windpipe', 'air tubes', 'air sacs in the lungs')], 4, marks=2),
        choice([p('A fish takes in oxygen that is dissolved in the water. Which part of the fish does this?')],
               ['its fins', 'its gills', 'its scales', 'its tail'], 2),
        parts('Use the graph to answer the questions. Write the number only.', [
            p('Jia Hui measured her heart rate every 2 minutes. She skipped from the start until the 4th minute, '
              'then she sat down to rest.'),
            Fig(fig_line_graph([('heart rate', [(0, 70), (2, 110), (4, 125), (6, 95), (8, 80), (10, 75)], 'solid')],
                               'Time (minutes)', 'Heart rate (beats per minute)', [0, 2, 4, 6, 8, 10],
                               60, 140, 10, ygrid=5, h=320),
                'A line graph of heart rate against time from 0 to 10 minutes'),
        ], [
            ('What was her heart rate, in beats per minute, at 4 minutes?', 125),
            ('How many beats per minute higher was her heart rate at 4 minutes than at the start?', 55, 2),
            ('She stopped skipping at 4 minutes. How many minutes after she stopped skipping had her heart rate '
             'fallen to 80 beats per minute?', 4),
        ]),
        choice([p('Why did Jia Hui&rsquo;s heart beat faster while she was skipping?')],
               ['Her heart had to pump blood faster to carry more oxygen and digested food to her muscles.',
                'Her heart needed to rest.',
                'Her lungs stopped working, so the heart had to work instead.',
                'Her blood became thicker.'], 1),
        parts('The diagram shows the bones and muscles of an arm. Answer each part.', [
            Fig(fig_arm({'biceps': 'P', 'triceps': 'Q', 'upperbone': 'R', 'elbow': 'S'}),
                'The bones and muscles of a bent arm, with parts labelled P, Q, R and S'),
        ], [
            ('Which muscle contracts (becomes shorter) to bend the arm? Write the letter.', 'P'),
            ('Which muscle contracts to straighten the arm? Write the letter.', 'Q'),
            ('Name the joint labelled S.', ['elbow', 'elbow joint', 'the elbow']),
        ]),
        choice([p('What is a joint?')],
               ['a muscle that pulls a bone',
                'a bone that protects the heart',
                'a tube that carries blood',
                'a place where two or more bones meet'], 4),
        choice([p('Which part of a cell lets substances such as water and oxygen move into and out of the cell?')],
               ['the cell membrane', 'the nucleus', 'the chloroplast', 'the vacuole'], 1),
        parts('Write the name of each labelled part of the plant cell.', [
            Fig(fig_cells({'cytoplasm': 'X', 'vacuole': 'Y', 'chloroplast': 'Z'}, names=None, show=('plant',)),
                'A plant cell with three parts labelled X, Y and Z'),
        ], [
            ('Part X', ['cytoplasm', 'the cytoplasm']),
            ('Part Y', ['vacuole', 'large vacuole', 'central vacuole', 'sap vacuole', 'the vacuole']),
            ('Part Z', ['chloroplast', 'chloroplasts', 'a chloroplast']),
        ]),
        choice([p('Cells from the skin of an onion bulb are plant cells, but they have no chloroplasts. '
                  'Which is the best reason for this?')],
               ['Onion cells are really animal cells.',
                'The onion bulb grows under the ground, away from light, so it does not make food.',
                'The chloroplasts are hidden inside the cell wall.',
                'Onion cells have no nucleus.'], 2, marks=2),
        choice([
            Fig(fig_circuit({'top': [('cells', 2)], 'right': [('switch', True, 'S')],
                             'bottom': [('bulb', 'X'), ('bulb', 'Y')]}),
                'A circuit with two cells, a closed switch S and two bulbs X and Y in a single loop'),
            p('Ali unscrewed bulb X from its holder. What happened to bulb Y?'),
        ], ['It became brighter.', 'It stayed lit.', 'It went out.', 'It became dimmer but stayed lit.'], 3,
            marks=2),
        choice([
            Fig(fig_circuit({'top': [('cell',)], 'right': [('switch', True)],
                             'bottom': [('bulb',), ('bulb',)]}),
                'A circuit with one cell, a closed switch and two bulbs in a single loop'),
            p('Which change would make the bulbs in this circuit brighter?'),
        ], ['Add another bulb next to the two bulbs.',
            'Add another cell, facing the same way as the first cell.',
            'Open the switch.',
            'Use longer wires.'], 2, marks=2),
        choice([p('Ravi made a switch from two drawing pins pressed into a block of wood and a paper clip. Why must '
                  'the paper clip be made of metal?')],
               ['so that it does not rust',
                'so that it is heavy enough to stay in place',
                'so that it conducts electricity and closes the gap when it touches both pins',
                'so that it keeps the wood dry'], 3),
        group('Write two different answers, one on each line.', [
            p('Name any <b>two</b> parts of the human respiratory system.'),
        ], ['nose', 'windpipe', 'trachea', 'lungs', 'lung', 'air sacs', 'air tubes', 'bronchi', 'mouth',
            'nasal passage', 'nostrils', 'diaphragm', 'bronchus', 'alveoli'], 2),
        choice([p('In a plant, water and food are carried in tubes. Which system of the human body does a '
                  'similar job?')],
               ['the circulatory system', 'the digestive system', 'the respiratory system',
                'the skeletal system'], 1, marks=2),
    ]


def paper_115():
    return [
        choice([p('The water-carrying tubes in the stem of a potted plant became blocked. What would you expect '
                  'to happen to the leaves first?')],
               ['They would droop, because water could no longer reach them.',
                'They would grow bigger.',
                'They would make more food.',
                'They would turn red.'], 1),
        choice([
            p('Lina split the stem of a white flower along its length into two halves. She stood one half in '
              'blue water and the other half in red water. The next day she looked at the petals.'),
            p('What did she most likely see?'),
        ], ['All the petals were blue.',
            'All the petals were red.',
            'Some petals had turned blue and others had turned red.',
            'The petals were still white.'], 3, marks=2),
        parts('Read the measuring cylinders. Write the number only.', [
            p('A leafy shoot was stood in a measuring cylinder of water with a thin layer of oil on top. The '
              'readings were taken on Monday and on Friday.'),
            Fig(fig_cylinders([('Monday', 86), ('Friday', 58)]),
                'Two measuring cylinders with a leafy shoot in water. The scales go from 0 to 100 ml.'),
        ], [
            ('What was the level of the water (just under the oil) on Monday, in ml?', 86),
            ('What was the level of the water (just under the oil) on Friday, in ml?', 58),
            ('How much water, in ml, did the shoot take up from Monday to Friday?', 28, 2),
        ]),
        choice([p('After an operation, a man had a large part of his small intestine removed. Which of these is '
                  'most likely to happen?')],
               ['He cannot swallow his food.',
                'Less digested food passes into his blood.',
                'He cannot breathe properly.',
                'His mouth makes more saliva.'], 2, marks=2),
        choice([p('When you chew a piece of plain bread for a long time, it starts to taste sweet. Why?')],
               ['The teeth add sugar to the bread.',
                'The bread takes in water and becomes sugar.',
                'The gullet makes sugar from the bread.',
                'Saliva starts to break down the starch in the bread into sugar.'], 4, marks=2),
        parts('Look at the diagram of the digestive system. Answer each part.', [
            Fig(fig_digestive({'mouth': 'A', 'gullet': 'B', 'liver': 'C', 'stomach': 'D', 'small': 'E',
                               'large': 'F'}),
                'The human digestive system with six parts labelled A to F'),
        ], [
            ('Name the part labelled B.', GULLET),
            ('Write the letter of the part where most digested food passes into the blood.', 'E'),
            ('Write the letter of the part that food does not pass through.', 'C'),
        ]),
        parts('The diagram shows a model of the chest. Which part of the body does each labelled part stand for? '
              'Write its name.', [
            Fig(fig_lung_model({'tube': 'A', 'balloon': 'B', 'sheet': 'C'}),
                'A bell jar with a Y-shaped tube through the stopper, two balloons on the ends of the tube and a '
                'rubber sheet across the bottom, labelled A, B and C'),
        ], [
            ('the tube, A', WINDPIPE + ['windpipe and air tubes', 'air tubes', 'air tube']),
            ('the balloons, B', ['lungs', 'lung']),
            ('the rubber sheet, C', ['diaphragm', 'the diaphragm']),
        ]),
        choice([p('In the model of the chest, the rubber sheet at the bottom of the bell jar is pulled down. '
                  'What happens to the balloons?')],
               ['They become smaller as air is pushed out of them.',
                'They become bigger as air enters them.',
                'They do not change.',
                'They burst.'], 2, marks=2),
        parts('The diagram shows how blood flows between the heart, the lungs and the other parts of the body. '
              'Write the letter of the correct blood vessel.', [
            Fig(fig_bloodflow({'bodyin': 'P', 'lungout': 'Q', 'lungin': 'R', 'bodyout': 'S'}),
                'The heart joined to the lungs and to the other parts of the body by four blood vessels P, Q, R and S, '
                'with arrows showing which way the blood flows'),
        ], [
            ('Which vessel carries blood that is rich in carbon dioxide to the lungs?', 'Q'),
            ('In which vessel has the blood just taken in oxygen?', 'R'),
        ]),
        choice([p('During a race, a runner&rsquo;s muscles need more oxygen and digested food. Which systems work '
                  'together to supply them?')],
               ['the skeletal and digestive systems only',
                'the respiratory and skeletal systems only',
                'the circulatory system only',
                'the digestive, respiratory and circulatory systems'], 4, marks=2),
        choice([
            Fig(fig_skeleton({'skull': 'A', 'ribcage': 'B', 'armbone': 'C', 'thighbone': 'D', 'kneecap': 'E'}),
                'A human skeleton with five parts labelled A to E'),
            p('Which two labelled parts are mainly for protecting soft organs of the body?'),
        ], ['A and B', 'B and C', 'C and D', 'D and E'], 1),
        choice([
            Fig(fig_arm({'biceps': 'P', 'triceps': 'Q'}),
                'The bones and muscles of a bent arm, with two muscles labelled P and Q'),
            p('What happens to muscles P and Q when the arm is straightened?'),
        ], ['P contracts and Q relaxes.',
            'Both P and Q contract.',
            'Both P and Q relax.',
            'P relaxes and Q contracts.'], 4, marks=2),
        choice([p('Which of these parts are found in <b>both</b> plant cells and animal cells?')],
               ['cell wall, nucleus, cytoplasm',
                'cell membrane, nucleus, cytoplasm',
                'chloroplasts, cell membrane, nucleus',
                'cell wall, chloroplasts, vacuole'], 2),
        choice([p('A cell seen under a microscope had a cell wall, a nucleus and cytoplasm, but no chloroplasts. '
                  'Where did the cell most likely come from?')],
               ['the inside of a person&rsquo;s cheek',
                'a green leaf growing in sunlight',
                'the root of a plant',
                'a drop of human blood'], 3, marks=2),
        group('Write two different answers, one on each line.', [
            p('Name any <b>two</b> parts that are found in a plant cell but not in an animal cell.'),
        ], ['cell wall', 'chloroplasts', 'chloroplast', 'large vacuole', 'vacuole', 'central vacuole'], 2),
        choice([
            Fig(fig_circuit({'top': [('cells', 2)], 'right': [('switch', True)],
                             'bottom': [('bulb', 'X'), ('bulb', 'Y'), ('bulb', 'Z')]}, w=340),
                'A circuit with two cells, a closed switch and three bulbs X, Y and Z in a single loop'),
            p('Which change would make the bulbs that are still in the circuit brighter?'),
        ], ['Take out one of the cells and join the wires.',
            'Add one more bulb next to bulb Z.',
            'Take out bulb Z and join the wires.',
            'Open the switch.'], 3, marks=2),
        choice([
            p('Mei tested four rods, P, Q, R and S, by placing each one between the clips of this circuit.'),
            Fig(fig_circuit({'top': [('cell',)], 'left': [('bulb',)], 'bottom': [('object', 'rod')]}),
                'A circuit with a cell, a bulb and a rod held between two clips'),
            table(['Rod', 'P', 'Q', 'R', 'S'], [['Did the bulb light up?', 'yes', 'no', 'yes', 'no']]),
            p('Which of these could rods P and R be made of?'),
        ], ['plastic and glass', 'copper and rubber', 'wood and iron', 'copper and steel'], 4),
        number([
            p('All the cells are the same and all the bulbs are the same.'),
            Fig(fig_circuits([
                ('P', {'top': [('cell',)], 'right': [('switch', True)], 'bottom': [('bulb',)]}),
                ('Q', {'top': [('cell',)], 'right': [('switch', False)], 'bottom': [('bulb',)]}),
                ('R', {'top': [('cell',)], 'right': [('switch', True)], 'left': [('gap',)], 'bottom': [('bulb',)]}),
                ('S', {'top': [('cells', 2)], 'right': [('switch', True)], 'bottom': [('bulb',), ('bulb',)]}),
            ]), 'Four circuits labelled P, Q, R and S with cells, switches and bulbs'),
            p('In how many of the circuits will the bulbs light up?'),
        ], 2, marks=2, instruction=NUMBER_ONLY),
        choice([p('Why should you never touch a switch or a plug with wet hands?')],
               ['Water is an electrical insulator.',
                'Tap water can conduct electricity, so you could get an electric shock.',
                'Water makes the switch rusty at once.',
                'Wet hands make the bulb too bright.'], 2),
        single('Write the missing word.', [
            p('The skeletal system and the muscular system work together so that we can %s.' % BLANK),
        ], ['move', 'walk', 'run', 'move about', 'move around']),
    ]


# ---------------------------------------------------------------------------
# Topic 4: Energy
# ---------------------------------------------------------------------------

def paper_116():
    return [
        choice([p('What is the main source of energy for living things on Earth?')],
               ['the Moon', 'the Sun', 'the wind', 'the soil'], 2),
        parts('Use a word from the box. Write the main form of energy that each thing gives out.', [
            word_box(['light', 'heat', 'sound', 'kinetic']),
        ], [
            ('a ringing bell', E_SOUND),
            ('a glowing torch', E_LIGHT + ['light and heat']),
            ('a moving car', E_KINETIC),
            ('a hot iron', E_HEAT),
        ]),
        choice([p('Which of these gives out its own light?')],
               ['the Moon', 'a mirror', 'a lit candle', 'a glass window'], 3),
        choice([
            p('Each picture shows a lamp, a book and an eye. The arrows show the path of light.'),
            Fig(fig_seeing([('P', [('eye', 'book')]),
                            ('Q', [('lamp', 'eye')]),
                            ('R', [('book', 'lamp'), ('eye', 'book')]),
                            ('S', [('lamp', 'book'), ('book', 'eye')])]),
                'Four pictures P, Q, R and S of a lamp, a book and an eye with arrows'),
            p('Which picture shows how we see the book?'),
        ], ['P', 'Q', 'R', 'S'], 4, marks=2),
        parts('Use a word from the box. Write whether each material is transparent, translucent or opaque.', [
            word_box(['transparent', 'translucent', 'opaque']),
        ], [
            ('clear glass', 'transparent'),
            ('frosted glass', 'translucent'),
            ('a wooden board', 'opaque'),
            ('tracing paper', 'translucent'),
        ]),
        choice([p('How is a shadow formed?')],
               ['Light passes through a transparent object.',
                'A mirror reflects light onto a screen.',
                'An opaque object blocks light, so light cannot reach the area behind it.',
                'A shiny object gives out dark light.'], 3),
        choice([
            p('A card was held between a torch and a screen. It made a shadow on the screen.'),
            Fig(fig_shadow(170, 24), 'A torch shining on a card in front of a screen, with the shadow of the card '
                'on the screen'),
            p('What happens to the shadow if the card is moved closer to the torch?'),
        ], ['It becomes smaller.', 'It becomes bigger.', 'It stays the same size.', 'It disappears.'], 2),
        number([
            p('The thermometer shows the temperature of a glass of warm water.'),
            Fig(fig_thermometers([(None, 37)], 20, 50, minor=1, major=10),
                'A thermometer with a scale from 20 to 50 degrees Celsius'),
            p('What temperature does the thermometer show? Give your answer in &deg;C.'),
        ], 37, instruction=NUMBER_ONLY),
        single('Complete the sentence. Write only the missing words.', [
            p('An ice cream melts quickly on a hot day. Choose the correct reason from the box and join it to the '
              'sentence with the word <b>because</b>.'),
            word_box(['it loses heat to the warm air', 'it gains heat from the warm air',
                      'the warm air gives it coldness']),
            p('The ice cream melts %s.' % BLANK),
        ], ('L', 'because it gains heat from the warm air'), marks=2),
        choice([p('Which material is the best conductor of heat?')],
               ['copper', 'wood', 'plastic', 'cloth'], 1),
        group('Write two different answers, one on each line.', [
            p('Name any <b>two</b> things that give out their own light.'),
        ], ['Sun', 'the Sun', 'star', 'stars', 'lamp', 'bulb', 'light bulb', 'candle', 'lit candle', 'torch',
            'flashlight', 'fire', 'firefly', 'fireflies', 'lightning', 'lit bulb', 'glowing bulb', 'campfire',
            'television screen', 'TV screen', 'traffic light', 'street lamp', 'street light', 'glow-worm',
            'glow worm', 'lighthouse', 'lantern', 'fireworks', 'neon sign'], 2),
        choice([p('Which of these is a renewable source of energy?')],
               ['coal', 'natural gas', 'wind', 'petrol'], 3),
        choice([p('Which of these is the best way to save electricity at home?')],
               ['Switch off the lights and the fan when you leave a room.',
                'Leave the television on when no one is watching.',
                'Keep the fridge door open while you decide what to eat.',
                'Charge your phone all day and all night.'], 1),
        single('Write the missing word.', [
            p('Green plants use light energy to make their own food. This process is called %s.' % BLANK),
        ], 'photosynthesis'),
        parts('Use the table to answer the questions.', [
            p('Hot water at 70 &deg;C was poured into three cups made of different materials. After 15 minutes, '
              'the temperature of the water in each cup was measured.'),
            table(['Cup', 'Temperature after 15 minutes (&deg;C)'], [
                ['metal cup', '40'], ['plastic cup', '52'], ['polystyrene cup', '60']]),
        ], [
            ('Which cup kept the water hot for the longest? Write the material it is made of.',
             ['polystyrene', 'polystyrene cup', 'the polystyrene cup', 'styrofoam', 'styrofoam cup']),
            ('By how many degrees did the water in the metal cup cool down? Write the number only.', 30),
        ]),
        choice([p('What energy changes take place in a lit electric bulb?')],
               ['light energy to electrical energy',
                'heat energy to electrical energy',
                'sound energy to light energy',
                'electrical energy to light energy and heat energy'], 4),
        choice([p('Why do metal cooking pots often have handles made of plastic or wood?')],
               ['Plastic and wood are good conductors of heat.',
                'Plastic and wood are poor conductors of heat, so the handles stay cool enough to hold.',
                'Plastic and wood make the pot heat up faster.',
                'Plastic and wood are shiny.'], 2),
        number([
            p('Thermometer P shows the temperature of a bowl of water at the start. Thermometer Q shows the '
              'temperature of the same water after it had been left in the sun for one hour.'),
            Fig(fig_thermometers([('P', 24), ('Q', 31)], 20, 40, minor=1, major=5),
                'Two thermometers, P and Q, each with a scale from 20 to 40 degrees Celsius'),
            p('By how many degrees Celsius did the temperature of the water rise?'),
        ], 7, marks=2, instruction=NUMBER_ONLY),
        choice([p('Which of these is translucent?')],
               ['a clear plastic bottle', 'a brick', 'a sheet of tracing paper', 'aluminium foil'], 3),
        single('Write the missing word.', [
            p('Materials that do not let heat pass through them easily, such as wool and plastic, are called heat '
              '%s.' % BLANK),
        ], ['insulators', 'insulator']),
    ]


def paper_117():
    return [
        parts('Use a word from the box to complete each energy change. You may use a word more than once.', [
            word_box(['kinetic', 'sound', 'heat', 'light']),
        ], [
            ('An electric fan: electrical energy &rarr; %s energy' % BLANK, E_KINETIC),
            ('A radio: electrical energy &rarr; %s energy' % BLANK, E_SOUND),
            ('An electric kettle: electrical energy &rarr; %s energy' % BLANK, E_HEAT),
            ('A desk lamp: electrical energy &rarr; %s energy and heat energy' % BLANK, E_LIGHT),
        ]),
        choice([
            p('A ray of light hits a flat mirror at O.'),
            Fig(fig_mirror(40, [('A', 15), ('B', 68), ('C', 40), ('D', 'through')]),
                'A ray of light hitting a mirror at point O, with four possible rays A, B, C and D leaving O'),
            p('Which ray shows the path of the light after it is reflected?'),
        ], ['A', 'B', 'C', 'D'], 3, marks=2),
        choice([p('Which of these shows that light travels in straight lines?')],
               ['We can hear a radio in the next room.',
                'We cannot see around a corner.',
                'A metal spoon gets hot in hot soup.',
                'Ice melts in the sun.'], 2),
        parts('Use the table to answer the questions.', [
            p('Ahmad shone a torch at a card 10 cm tall. The wall was 120 cm from the torch. He moved the card to '
              'different distances from the torch and measured the height of its shadow on the wall.'),
            table(['Distance of the card from the torch (cm)', 'Height of the shadow (cm)'], [
                ['20', '60'], ['40', '30'], ['60', '20'], ['80', '15']]),
        ], [
            ('What was the height of the shadow, in cm, when the card was 60 cm from the torch? '
             'Write the number only.', 20),
            ('Write <b>taller</b> or <b>shorter</b>. As the card was moved further away from the torch, the shadow '
             'became %s.' % BLANK, 'shorter'),
        ]),
        choice([p('Which of these objects would make the darkest shadow?')],
               ['a wooden block', 'a sheet of clear glass', 'a sheet of tracing paper', 'a sheet of frosted glass'], 1),
        number([
            p('The thermometer shows the temperature of some water that was being heated.'),
            Fig(fig_thermometers([(None, 64)], 30, 90, minor=2, major=10, h=380),
                'A thermometer with a scale from 30 to 90 degrees Celsius, marked every 2 degrees'),
            p('What temperature does it show? Give your answer in &deg;C.'),
        ], 64, instruction=NUMBER_ONLY),
        choice([p('Some ice cubes were put into a glass of water. After a while, the ice cubes melted. Which '
                  'statement is correct?')],
               ['The ice gave out coldness to the water.',
                'The water gained heat from the ice.',
                'The ice gained heat from the water.',
                'No heat moved between the ice and the water.'], 3),
        choice([p('Small gaps are left between the sections of a railway track. Why?')],
               ['so that rain water can drain away',
                'so that the rails have room to expand when they get hot',
                'so that the train makes less noise',
                'so that the rails can be lifted easily'], 2),
        choice([p('A dented ping-pong ball was put into hot water. The dent popped out. Why?')],
               ['The air inside the ball gained heat and expanded.',
                'The water pushed the dent out from outside.',
                'The ball lost heat and contracted.',
                'The air inside the ball lost heat and contracted.'], 1),
        parts('Use words from the box to complete the sentences.', [
            word_box(['light', 'carbon dioxide', 'oxygen', 'water', 'sugar']),
            p('Green plants make food by photosynthesis.'),
        ], [
            ('They need %s energy to make food.' % BLANK, ['light', 'sunlight']),
            ('They take in the gas %s from the air.' % BLANK, 'carbon dioxide'),
            ('They give out the gas %s.' % BLANK, 'oxygen'),
        ]),
        choice([p('In which part of a leaf cell does photosynthesis take place?')],
               ['the nucleus', 'the cell wall', 'the cell membrane', 'the chloroplasts'], 4),
        choice([p('Which energy change takes place when a green plant makes food?')],
               ['heat energy to light energy',
                'light energy to chemical potential energy',
                'chemical potential energy to light energy',
                'kinetic energy to chemical potential energy'], 2, marks=2),
        group('Write two different answers, one on each line.', [
            p('Name any <b>two</b> renewable sources of energy.'),
        ], ['sun', 'solar energy', 'solar', 'sunlight', 'wind', 'wind energy', 'moving water', 'water',
            'hydroelectric', 'hydroelectricity', 'hydro', 'waves', 'wave energy', 'tides', 'tidal energy', 'tidal',
            'geothermal', 'geothermal energy', 'biomass', 'wood', 'plants', 'biofuel', 'biogas'], 2),
        choice([p('Coal, oil and natural gas are called non-renewable sources of energy. Why?')],
               ['They are found only in hot countries.',
                'They are very cheap.',
                'They can be used only once and take millions of years to form, so they will run out.',
                'They do not give out any heat when burnt.'], 3),
        choice([p('What energy changes take place in a battery-powered toy car as it moves?')],
               [arrows('electrical energy', 'chemical potential energy', 'kinetic energy'),
                arrows('kinetic energy', 'electrical energy', 'chemical potential energy'),
                arrows('chemical potential energy', 'electrical energy', 'kinetic energy'),
                arrows('light energy', 'electrical energy', 'kinetic energy')], 3, marks=2),
        parts('Use the table to answer the questions.', [
            p('Rods of the same size made of different materials were heated at one end. A blob of wax was stuck '
              'at the other end of each rod. The table shows how long each blob took to melt.'),
            table(['Material of rod', 'Time for the wax to melt (seconds)'], [
                ['copper', '40'], ['aluminium', '60'], ['steel', '150'], ['glass', 'did not melt in 10 minutes']]),
        ], [
            ('Which material is the best conductor of heat?', 'copper'),
            ('How many seconds longer did the wax on the steel rod take to melt than the wax on the copper rod? '
             'Write the number only.', 110, 2),
        ]),
        choice([p('Which of these would keep a cold drink cold for the longest time?')],
               ['a thin metal can with no lid',
                'a glass with no lid',
                'a thin plastic cup with no lid',
                'a thick polystyrene cup with a lid'], 4),
        choice([p('Which of these does <b>not</b> save energy?')],
               ['walking up one floor instead of taking the lift',
                'leaving the television on standby all night',
                'using energy-saving light bulbs',
                'drying clothes in the sun instead of in a dryer'], 2),
        number([
            p('An ordinary light bulb uses 45 units of electricity in a week. An energy-saving bulb that gives the '
              'same amount of light uses 10 units in a week.'),
            p('How many units of electricity are saved in <b>4 weeks</b> by using the energy-saving bulb?'),
        ], 140, marks=2, instruction=NUMBER_ONLY),
        choice([p('A cow eats grass and gives milk. Where did the energy in the milk come from in the first place?')],
               ['the Sun', 'the soil', 'the water the cow drinks', 'the cow&rsquo;s bones'], 1),
    ]


def paper_118():
    return [
        choice([
            p('A pendulum bob is pulled to P and let go. It swings from P through Q to R and back again.'),
            Fig(fig_pendulum(), 'A pendulum bob swinging between P and R, with Q at the lowest point'),
            p('At which position does the bob have the most kinetic energy?'),
        ], ['P', 'Q', 'R', 'It is the same at P, Q and R.'], 2),
        choice([p('Four identical balls are at rest in different places. Which ball has the most gravitational '
                  'potential energy?')],
               ['a ball on the floor', 'a ball on a chair', 'a ball on a table', 'a ball on the top shelf of a cupboard'],
               4),
        parts('Use words from the box to complete the sentences.', [
            word_box(['kinetic', 'chemical potential', 'light', 'sound']),
            p('Ben winds up a toy car with his hand and lets it go. The car moves along the floor and makes a '
              'whirring noise.'),
        ], [
            ('The food that gives Ben&rsquo;s muscles energy stores %s energy.' % BLANK, E_CHEMICAL),
            ('The moving car has %s energy.' % BLANK, E_KINETIC),
            ('The whirring noise is %s energy.' % BLANK, E_SOUND),
        ]),
        choice([p('A solar panel on a roof is used to make electricity. What energy change takes place in the '
                  'solar panel?')],
               ['light energy to electrical energy',
                'electrical energy to light energy',
                'heat energy to light energy',
                'kinetic energy to light energy'], 1),
        choice([p('At a hydroelectric power station, water stored high up behind a dam flows down through '
                  'pipes and turns a turbine to make electricity. Which shows the energy changes?')],
               [arrows('kinetic energy', 'gravitational potential energy', 'electrical energy'),
                arrows('electrical energy', 'kinetic energy', 'gravitational potential energy'),
                arrows('gravitational potential energy', 'kinetic energy', 'electrical energy'),
                arrows('chemical potential energy', 'heat energy', 'electrical energy')], 3, marks=2),
        number([
            p('Thermometer P shows the temperature of some water before it was heated. Thermometer Q shows the '
              'temperature of the water after it was heated for 5 minutes.'),
            Fig(fig_thermometers([('P', 26), ('Q', 72)], 20, 80, minor=2, major=10, h=380),
                'Two thermometers, P and Q, each with a scale from 20 to 80 degrees Celsius, marked every 2 degrees'),
            p('By how many degrees Celsius did the temperature of the water rise?'),
        ], 46, marks=2, instruction=NUMBER_ONLY),
        parts('Use the graph to answer the questions. Write the number only.', [
            p('Two identical cans were filled with hot water at 80 &deg;C. One can was wrapped in wool and the other '
              'was not covered. The temperature of the water in each can was measured every 5 minutes.'),
            Fig(fig_line_graph([('wrapped in wool', [(0, 80), (5, 72), (10, 66), (15, 60), (20, 56)], 'solid'),
                                ('not covered', [(0, 80), (5, 66), (10, 56), (15, 48), (20, 42)], 'dashed')],
                               'Time (minutes)', 'Temperature (\u00b0C)', [0, 5, 10, 15, 20], 30, 80, 10,
                               ygrid=2, h=320, legend=(236, 40)),
                'A line graph of temperature against time for a can wrapped in wool (solid line) and a can that was '
                'not covered (dashed line)'),
        ], [
            ('What was the temperature, in &deg;C, of the water in the can that was not covered after 10 minutes?',
             56),
            ('After 20 minutes, how many degrees Celsius warmer was the water in the wrapped can than the water in '
             'the can that was not covered?', 14, 2),
        ]),
        choice([p('In the experiment with the two cans, why did the water in the can wrapped in wool cool down '
                  'more slowly?')],
               ['Wool gives out heat to the water.',
                'Wool is a good conductor of heat.',
                'Wool makes the water heavier.',
                'Wool is a poor conductor of heat, so heat was lost to the air more slowly.'], 4),
        choice([p('Workers do not pull overhead electric cables tight when they put them up on a hot day. Why?')],
               ['The cables would give out more light.',
                'The cables contract in cold weather and could snap if they were already tight.',
                'Tight cables let more electricity through.',
                'The cables expand in cold weather.'], 2),
        choice([p('The metal lid of a glass jar was stuck. After hot water was run over the lid for a short time, '
                  'the lid was easy to open. Why?')],
               ['The glass expanded more than the metal lid.',
                'The hot water made the lid slippery.',
                'The metal lid expanded more than the glass.',
                'The metal lid contracted.'], 3, marks=2),
        choice([p('Two identical potted plants were watered the same amount every day. Plant A was kept near a '
                  'sunny window. Plant B was kept in a dark cupboard. After two weeks, plant B had pale yellow '
                  'leaves and looked weak. What does this show?')],
               ['Plants need light to make food.',
                'Plants need water to make food.',
                'Plants grow better in the dark.',
                'Plants need soil to make food.'], 1),
        choice([p('A leaf on a plant was partly covered with black paper on both sides and left in sunlight for a '
                  'day. The leaf was then tested for starch with iodine. Only the part that had <b>not</b> been '
                  'covered turned dark blue. What does this show?')],
               ['Black paper makes starch.',
                'Iodine is needed for photosynthesis.',
                'Light is needed for the leaf to make starch (food).',
                'The covered part of the leaf had more chlorophyll.'], 3, marks=2),
        parts('Use the graph to answer the questions. Write the number only.', [
            p('A water plant gives off bubbles of oxygen when it makes food. Priya placed a lamp at different '
              'distances from the plant and counted the bubbles given off in one minute.'),
            Fig(fig_line_graph([('bubbles', [(10, 40), (20, 26), (30, 16), (40, 10), (50, 6)], 'solid')],
                               'Distance of the lamp from the plant (cm)', 'Number of bubbles in one minute',
                               [10, 20, 30, 40, 50], 0, 40, 10, ygrid=2, h=320),
                'A line graph of the number of bubbles in one minute against the distance of the lamp from 10 cm '
                'to 50 cm'),
        ], [
            ('How many bubbles were given off in one minute when the lamp was 30 cm away?', 16),
            ('How many more bubbles were given off in one minute when the lamp was 10 cm away than when it was '
             '40 cm away?', 30, 2),
        ]),
        choice([p('In Priya&rsquo;s experiment, why did the plant give off more bubbles when the lamp was '
                  'closer?')],
               ['The plant received more light, so it made food faster.',
                'The plant received less light, so it made food faster.',
                'The lamp gave the plant more water.',
                'The lamp gave out oxygen into the water.'], 1),
        choice([p('How were coal, oil and natural gas formed?')],
               ['from rocks that melted inside volcanoes',
                'from sea water that dried up last century',
                'from the remains of plants and animals that died millions of years ago',
                'from rubbish buried in the ground by people'], 3),
        choice([p('Energy from the Sun is stored in coal. Which statement best explains this?')],
               ['Coal is black, so it soaks up sunlight when it lies in the sun.',
                'Coal was formed from plants that used light energy from the Sun to make food millions of years ago.',
                'Coal is made in factories that use solar panels.',
                'Coal gives out light when it burns, so it must come from the Sun.'], 2, marks=2),
        group('Write three different answers, one on each line.', [
            p('Name any <b>three</b> forms of energy.'),
        ], ['light', 'heat', 'sound', 'kinetic', 'electrical', 'chemical potential', 'gravitational potential',
            'elastic potential', 'light energy', 'heat energy', 'sound energy', 'kinetic energy',
            'electrical energy', 'electric energy', 'chemical energy', 'chemical potential energy',
            'gravitational potential energy', 'elastic potential energy', 'potential energy', 'thermal energy',
            'nuclear energy', 'magnetic energy'], 3),
        parts('Use the bar chart to answer the questions.', [
            p('The bar chart shows how many units of electricity some things in a flat used in one week.'),
            Fig(fig_bar_chart([('air-conditioner', 42), ('fridge', 14), ('television', 7), ('lights', 7)],
                              'Things that use electricity', 'Units of electricity used', 50, 10, w=420,
                              ygrid=2),
                'A bar chart of the units of electricity used in one week by an air-conditioner, a fridge, a '
                'television and the lights'),
        ], [
            ('Which thing used the most electricity?',
             ['air-conditioner', 'air conditioner', 'aircon', 'air-con', 'air con', 'the air-conditioner',
              'air-conditioning', 'air conditioning', 'airconditioner']),
            ('How many units of electricity did the four things use altogether? Write the number only.', 70, 2),
        ]),
        choice([p('A periscope lets a person see over a high wall. How does it work?')],
               ['Light bends around the top of the wall.',
                'Two mirrors inside reflect the light into the person&rsquo;s eyes.',
                'The person&rsquo;s eyes send light through the tube.',
                'The mirrors inside give out their own light.'], 2),
        choice([p('Which material would be best for curtains that keep a bedroom dark during the day?')],
               ['thin lace', 'clear plastic', 'tracing paper', 'thick, dark cloth'], 4),
    ]


def paper_119():
    return [
        parts('Look at the diagram. Write the letter of the correct position.', [
            p('A ball is held still at P on a track and then let go. It rolls down through Q and up over R '
              'towards S.'),
            Fig(fig_track([('P', 40), ('Q', 130), ('R', 245), ('S', 325)]),
                'A curved track with a ball at four positions P, Q, R and S at different heights'),
        ], [
            ('At which position does the ball have the most gravitational potential energy?', 'P'),
            ('At which position does the ball have the most kinetic energy?', 'Q'),
        ]),
        choice([p('On the same track, the ball can never roll higher than the point it was let go from. Why?')],
               ['The ball gains energy as it rolls.',
                'The ball loses its mass as it rolls.',
                'Some of the ball&rsquo;s energy is changed into heat and sound as it rubs against the track and '
                'the air.',
                'The track pushes the ball back down.'], 3),
        choice([p('Dan rides his bicycle at night. A dynamo on the wheel powers his bicycle lamp. Which shows the '
                  'energy changes, starting from the food Dan ate?')],
               [arrows('kinetic energy', 'chemical potential energy', 'electrical energy', 'light energy'),
                arrows('chemical potential energy', 'kinetic energy', 'electrical energy', 'light energy'),
                arrows('chemical potential energy', 'electrical energy', 'kinetic energy', 'light energy'),
                arrows('light energy', 'electrical energy', 'kinetic energy', 'chemical potential energy')], 2,
               marks=2),
        single('Write the missing words.', [
            p('The batteries in a torch store energy. When the torch is switched on, this stored energy is changed '
              'into electrical energy, and then into light energy and heat energy in the bulb.'),
            p('What form of energy is stored in the batteries? %s energy' % BLANK),
        ], E_CHEMICAL),
        parts('Read the thermometers. Write the number only. Use a minus sign for a temperature below zero.', [
            p('Thermometer X shows the temperature inside a freezer. Thermometer Y shows the temperature inside a '
              'fridge.'),
            Fig(fig_thermometers([('X', -18), ('Y', 4)], -30, 10, minor=1, major=10, h=380),
                'Two thermometers, X and Y, each with a scale from minus 30 to 10 degrees Celsius'),
        ], [
            ('What is the temperature inside the freezer, in &deg;C?', -18),
            ('What is the temperature inside the fridge, in &deg;C?', 4),
            ('How many degrees Celsius colder is the freezer than the fridge?', 22, 2),
        ]),
        number([
            p('A cup of water at 90 &deg;C was left on a table in a room. The air in the room stayed at 30 &deg;C. '
              'The temperature of the water was measured every 10 minutes.'),
            table(['Time (minutes)', '0', '10', '20', '30', '40'], [
                ['Temperature of the water (&deg;C)', '90', '68', '54', '45', '39']]),
            p('The water was left for a whole day. What temperature, in &deg;C, would it most likely reach in the '
              'end?'),
        ], 30, marks=2, instruction=NUMBER_ONLY),
        choice([p('A bucket of water and a cup of water are both at 40 &deg;C. Which statement is correct?')],
               ['The cup of water has more heat because it is smaller.',
                'The bucket of water is hotter than the cup of water.',
                'The bucket of water has more heat, although both are at the same temperature.',
                'Both have the same amount of heat.'], 3, marks=2),
        choice([p('On a cool morning, a metal bench and a wooden bench in a park are at the same temperature. '
                  'The metal bench feels colder to sit on. Why?')],
               ['Metal gives out coldness.',
                'Wood gives out heat to your body.',
                'The metal bench is really at a lower temperature.',
                'Metal is a better conductor of heat, so it takes heat away from your body faster.'], 4, marks=2),
        choice([p('A torch has a curved, shiny surface behind its bulb. What is it for?')],
               ['It reflects light forward, so the beam is brighter.',
                'It changes electrical energy into light energy.',
                'It keeps the bulb cool.',
                'It stores energy for later.'], 1),
        choice([
            p('A ray of light hits a flat mirror at O.'),
            Fig(fig_mirror(30, [('A', 60), ('B', 30), ('C', 10), ('D', -62)]),
                'A ray of light hitting a mirror at point O, with four possible rays A, B, C and D leaving O'),
            p('Which ray shows the path of the light after it is reflected?'),
        ], ['A', 'B', 'C', 'D'], 2),
        parts('Use the bar chart to answer the questions.', [
            p('Nadia measured the length of the shadow of a pole at different times on a sunny day.'),
            Fig(fig_bar_chart([('8 am', 120), ('10 am', 60), ('12 noon', 15), ('2 pm', 55), ('4 pm', 110)],
                              'Time of day', 'Length of shadow (cm)', 140, 20, ygrid=5),
                'A bar chart of the length of the shadow of a pole at 8 am, 10 am, 12 noon, 2 pm and 4 pm'),
        ], [
            ('At which time was the shadow the shortest?',
             ['12 noon', 'noon', '12 pm', '12', '12:00', '12.00', 'midday', '12 p.m.', '12 midday', '12.00 pm',
              '12:00 pm', '12 o\'clock', '12 o\u2019clock']),
            ('How many centimetres longer was the shadow at 8 am than at 10 am? Write the number only.', 60, 2),
        ]),
        choice([p('Why is the shadow of the pole shortest at about noon?')],
               ['The Sun is lowest in the sky at noon.',
                'The pole is shortest at noon.',
                'There is less sunlight at noon.',
                'The Sun is highest in the sky at noon.'], 4),
        choice([p('Some leaves have green parts and white parts. Such a leaf was kept in sunlight and then tested '
                  'with iodine. Only the green parts turned dark blue, showing that starch had been made there. '
                  'What does this show?')],
               ['Chlorophyll is needed for a leaf to make food.',
                'Iodine is needed for a leaf to make food.',
                'White parts of a leaf make more food.',
                'Leaves do not need light to make food.'], 1, marks=2),
        choice([p('A green plant was kept in a sealed glass box in bright light for several hours. Which gas '
                  'increased in the box?')],
               ['carbon dioxide', 'nitrogen', 'oxygen', 'hydrogen'], 3),
        parts('Write R if the source of energy is renewable or N if it is non-renewable.', [], [
            ('coal', NONRENEWABLE),
            ('wind', RENEWABLE),
            ('natural gas', NONRENEWABLE),
            ('sunlight', RENEWABLE),
            ('petrol', NONRENEWABLE),
        ]),
        choice([p('Which is an advantage of using solar energy instead of burning coal to make electricity?')],
               ['Solar energy will not run out and does not pollute the air when it is used.',
                'Solar panels work best at night.',
                'Solar energy can be used only on cloudy days.',
                'Solar panels give out smoke.'], 1),
        number([
            p('A family used 20 units of electricity each day. They started to switch off lights they were not '
              'using and to use a fan instead of the air-conditioner. Now they use 15 units each day.'),
            p('How many units of electricity do they save in 30 days?'),
        ], 150, marks=2, instruction=NUMBER_ONLY),
        choice([p('Which of these changes kinetic energy into electrical energy?')],
               ['an electric fan', 'a wind turbine', 'a light bulb', 'an electric heater'], 2),
        group('Write two different answers, one on each line.', [
            p('Coal is a fossil fuel. Name any <b>two</b> other fossil fuels.'),
        ], ['oil', 'natural gas', 'petroleum', 'crude oil', 'petrol', 'diesel', 'kerosene', 'gas', 'gasoline',
            'peat', 'paraffin'], 2),
        choice([p('Why are greenhouses for growing plants made of glass?')],
               ['Glass is opaque, so it keeps the plants in the dark.',
                'Glass is transparent, so light can reach the plants for photosynthesis.',
                'Glass gives out its own light.',
                'Glass is a good conductor of electricity.'], 2),
    ]


def paper_120():
    return [
        choice([p('A girl sits at the top of a slide and then slides down to the bottom. Which shows the main '
                  'energy changes as she slides down?')],
               ['kinetic energy to gravitational potential energy',
                'gravitational potential energy to kinetic energy, with some heat and sound',
                'heat energy to kinetic energy',
                'chemical potential energy to light energy'], 2, marks=2),
        choice([
            p('A pendulum bob is pulled to P and let go. It swings from P through Q to R.'),
            Fig(fig_pendulum(), 'A pendulum bob swinging between P and R, with Q at the lowest point'),
            p('Which statement about the bob is correct?'),
        ], ['Its kinetic energy is greatest at P.',
            'Its gravitational potential energy is greatest at Q.',
            'As it swings from P to Q, gravitational potential energy is changed into kinetic energy.',
            'It has no energy at all at Q.'], 3),
        choice([p('A swinging pendulum slowly swings less and less high, and in the end it stops. What has happened '
                  'to its energy?')],
               ['The energy has been destroyed.',
                'The energy has gone back into the string.',
                'The energy has been changed into light.',
                'The energy has been changed into heat and sound as the pendulum pushes through the air and rubs '
                'at the pivot.'], 4, marks=2),
        parts('Use the table to answer the questions.', [
            p('Three identical beakers were filled with 200 ml of water at 80 &deg;C. Each beaker was wrapped in a '
              'layer of a different material, X, Y or Z. The temperature was measured after 30 minutes.'),
            table(['Material', 'Temperature at the start (&deg;C)', 'Temperature after 30 minutes (&deg;C)'], [
                ['X', '80', '62'], ['Y', '80', '45'], ['Z', '80', '70']]),
        ], [
            ('By how many degrees Celsius did the water wrapped in material Y cool down? Write the number only.', 35,
             2),
            ('Which material is the best heat insulator? Write its letter.', 'Z'),
        ]),
        choice([p('In the experiment with materials X, Y and Z, which things had to be kept the same to make it a '
                  'fair test?')],
               ['the material used to wrap each beaker',
                'the temperature of the water after 30 minutes',
                'the amount of water and its starting temperature',
                'the colour of each material'], 3, marks=2),
        choice([p('A cooler box keeps ice from melting for a long time. Why?')],
               ['Its walls give out coldness to the ice.',
                'Its walls are good conductors of heat.',
                'Its walls let light in to keep the ice frozen.',
                'Its walls are poor conductors of heat, so heat from the surroundings enters only slowly.'], 4),
        choice([
            p('Pins were stuck with wax at equal spaces under a metal rod. The left end of the rod was heated.'),
            Fig(fig_rod_pins('ABCD'), 'A metal rod heated by a candle flame at its left end, with four pins A, B, C '
                'and D stuck under it with wax'),
            p('In what order will the pins drop off?'),
        ], ['D, C, B, A', 'A, B, C, D', 'All at the same time', 'B, A, C, D'], 2),
        choice([p('In the same experiment, the metal rod is replaced by a glass rod of the same size. What will '
                  'happen to the pins?')],
               ['They will drop off sooner, because glass is a better conductor of heat.',
                'They will drop off in the order D, C, B, A.',
                'They will drop off much later, if at all, because glass is a poor conductor of heat.',
                'They will all drop off at once.'], 3, marks=2),
        parts('Read the thermometers. Write the number only.', [
            p('Thermometer P shows the temperature of a beaker of water. Some ice was added and the water was '
              'stirred. Thermometer Q shows the temperature a few minutes later.'),
            Fig(fig_thermometers([('P', 34), ('Q', 12)], 0, 40, minor=1, major=10),
                'Two thermometers, P and Q, each with a scale from 0 to 40 degrees Celsius'),
        ], [
            ('What temperature, in &deg;C, does thermometer P show?', 34),
            ('What temperature, in &deg;C, does thermometer Q show?', 12),
            ('By how many degrees Celsius did the temperature of the water fall?', 22, 2),
        ]),
        choice([p('We can see our reflection clearly in a mirror, but not in a sheet of white paper. Why?')],
               ['Paper does not reflect any light.',
                'A mirror gives out its own light.',
                'The smooth, shiny surface of the mirror reflects light evenly, but the rough surface of paper '
                'scatters it.',
                'Paper lets all light pass through it.'], 3, marks=2),
        parts('Use the table to answer the questions.', [
            p('A lamp was shone through sheets of four different materials, A, B, C and D, one at a time. A light '
              'meter on the other side measured how much light passed through.'),
            table(['Sheet', 'none', 'A', 'B', 'C', 'D'], [['Light meter reading (units)', '500', '480', '250', '0',
                                                           '120']]),
        ], [
            ('Which material is opaque? Write its letter.', 'C'),
            ('Which material is transparent? Write its letter.', 'A'),
            ('How many units of light did sheet B stop? Write the number only.', 250, 2),
        ]),
        parts('Use the graph to answer the questions. Write the number only.', [
            p('A green plant was kept in a sealed glass box in a garden for one day. The amount of carbon dioxide '
              'in the box was measured every 4 hours, starting at midnight (0 hours).'),
            Fig(fig_line_graph([('carbon dioxide', [(0, 50), (4, 56), (8, 52), (12, 40), (16, 32), (20, 40),
                                                    (24, 50)], 'solid')],
                               'Time (hours after midnight)', 'Carbon dioxide (units)', [0, 4, 8, 12, 16, 20, 24],
                               20, 60, 10, ygrid=2, h=320),
                'A line graph of the amount of carbon dioxide in the box against time from 0 to 24 hours'),
        ], [
            ('How many units of carbon dioxide were in the box at 12 hours (noon)?', 40),
            ('At how many hours after midnight was the amount of carbon dioxide the lowest?', 16),
        ]),
        choice([p('In the same experiment, why did the amount of carbon dioxide fall between 8 hours (8 am) and '
                  '16 hours (4 pm)?')],
               ['The plant gave out carbon dioxide in the dark.',
                'The plant used carbon dioxide to make food in the light.',
                'Carbon dioxide escaped from the sealed box.',
                'The plant stopped taking in carbon dioxide.'], 2, marks=2),
        choice([p('A solar garden lamp charges its battery during the day and lights up at night. Which shows the '
                  'energy changes, from the sunlight to the light at night?')],
               [arrows('light', 'electrical', 'chemical potential (in the battery)', 'electrical', 'light'),
                arrows('light', 'chemical potential (in the battery)', 'light'),
                arrows('heat', 'electrical', 'light'),
                arrows('electrical', 'light', 'chemical potential (in the battery)', 'heat')], 1, marks=2),
        number([
            p('An ordinary bulb uses 6 units of electricity for every 100 hours it is on. An LED bulb that gives the '
              'same light uses 1 unit for every 100 hours.'),
            p('How many units of electricity are saved by using the LED bulb instead of the ordinary bulb for '
              '500 hours?'),
        ], 25, marks=2, instruction=NUMBER_ONLY),
        group('Write two different answers, one on each line.', [
            p('A lit candle gives out two main forms of energy. Name <b>both</b> of them.'),
        ], ['light', 'heat', 'light energy', 'heat energy', 'thermal energy'], 2),
        choice([p('Which material is transparent and is also a poor conductor of both heat and electricity?')],
               ['aluminium foil', 'wood', 'steel', 'glass'], 4),
        parts('Complete the sentences about a circuit with two cells and a lit bulb.', [], [
            ('The cells store %s energy.' % BLANK, E_CHEMICAL),
            ('In the bulb, electrical energy is changed into light energy and %s energy.' % BLANK, E_HEAT),
        ]),
        choice([p('In hot, sunny countries, many people wear light-coloured clothes. Why?')],
               ['Light colours reflect more of the Sun&rsquo;s light, so the clothes take in less heat.',
                'Light colours take in more of the Sun&rsquo;s heat.',
                'Light colours give out cold.',
                'Light colours are better conductors of heat.'], 1, marks=2),
        choice([p('A metal spoon and a plastic spoon were left standing in a bowl of hot soup. After a minute, the '
                  'handle of the metal spoon felt much hotter than the handle of the plastic spoon. Why?')],
               ['Metal is a better conductor of heat than plastic.',
                'Plastic is a better conductor of heat than metal.',
                'The metal spoon was heavier.',
                'The plastic spoon was in the soup for a shorter time.'], 1),
    ]


PAPERS = [
    (111, 'Systems, paper 1', paper_111),
    (112, 'Systems, paper 2', paper_112),
    (113, 'Systems, paper 3', paper_113),
    (114, 'Systems, paper 4', paper_114),
    (115, 'Systems, paper 5', paper_115),
    (116, 'Energy, paper 1', paper_116),
    (117, 'Energy, paper 2', paper_117),
    (118, 'Energy, paper 3', paper_118),
    (119, 'Energy, paper 4', paper_119),
    (120, 'Energy, paper 5', paper_120),
]


# ---------------------------------------------------------------------------
# Checks
# ---------------------------------------------------------------------------

ALLOWED_TAGS = {'p', 'b', 'i', 'u', 'ol', 'li', 'div', 'span', 'img', 'table', 'tr', 'th', 'td', 'sup', 'sub'}
ALLOWED_CLASSES = {'part', 'options', 'data', 'passage', 'figure', 'blank', 'frac'}
ENTITIES = {'nbsp', 'amp', 'lt', 'gt', 'rarr', 'ndash', 'mdash', 'deg', 'hellip', 'rsquo', 'minus', 'times'}


def check_key(kind, key):
    assert '\t' not in key and '\n' not in key and '\r' not in key, key
    assert '>' not in key and '#' not in key, key
    if kind == 'Q':
        assert re.fullmatch(r'[1-4]', key), key
    elif kind == 'N':
        float(key)
        assert re.fullmatch(r'-?\d+(\.\d+)?', key), key
    elif kind in ('T', 'L'):
        assert key.strip() and key == key.strip() and ';' not in key, key
        if kind == 'T':
            assert len(key.split()) <= 3, key
    elif kind in ('M', 'G'):
        assert key.startswith(';') and len(key) > 1, key
        words = key[1:].split(';')
        assert all(w.strip() and w == w.strip() for w in words), key
        low = [w.lower() for w in words]
        assert len(set(low)) == len(low), key
    else:
        raise AssertionError('unexpected type %s' % kind)


def check_html(q):
    lines = q.html_lines()
    body = '\n'.join(lines)
    for line in lines:
        assert line and not line.startswith(('#', '==', 'answer:', 'instruction:')), line
        assert '\n' not in line and '\t' not in line, q.qid
    for m in re.finditer(r'<(/?)([a-z]+)([^<>]*)>', body):
        assert m.group(2) in ALLOWED_TAGS, (q.qid, m.group(0))
        for cls in re.findall(r'class="([^"]*)"', m.group(3)):
            assert cls in ALLOWED_CLASSES, (q.qid, cls)
        assert 'style' not in m.group(3) and 'href' not in m.group(3), m.group(0)
        if m.group(2) == 'img':
            assert re.fullmatch(r' src="figures/q\d{5}[a-z]?\.svg" alt="[^"<>&]+"', m.group(3)), m.group(0)
        else:
            assert 'src' not in m.group(3), m.group(0)
    stripped = re.sub(r'<[^<>]*>', '', body)
    assert '<' not in stripped and '>' not in stripped, q.qid
    for m in re.finditer('&', stripped):
        e = re.match(r'&([a-z]+);', stripped[m.start():])
        assert e and e.group(1) in ENTITIES, (q.qid, stripped[m.start():m.start() + 12])
    for tag in ('p', 'b', 'ol', 'li', 'div', 'span', 'table', 'tr', 'th', 'td'):
        assert len(re.findall(r'<%s[ >]' % tag, body)) == body.count('</%s>' % tag), (q.qid, tag)
    assert q.instruction and '<' not in q.instruction and '&' not in q.instruction, q.qid
    assert "'" not in stripped.replace("o'clock", ''), (q.qid, 'use &rsquo; for an apostrophe')


def svg_letters(svg):
    return set(re.findall(r'font-weight="bold">([A-Z])</text>', svg))


def check_question(q):
    check_html(q)
    slots = len(q.answers)
    assert 1 <= slots <= 20, q.qid
    for kind, marks, key in q.answers:
        assert marks in (1, 2), q.qid
        if key != ' ':
            check_key(kind, key)
    body = '\n'.join(q.html_lines())
    labels = re.findall(r'<p class="part">\((\w)\)', body)
    if slots > 1:
        assert labels == list(LETTERS[:slots]), (q.qid, labels)
    else:
        assert not labels, q.qid
    kinds = [a[0] for a in q.answers]
    if 'Q' in kinds:
        assert kinds == ['Q'] and body.count('<ol class="options">') == 1, q.qid
        opts = re.findall(r'<li>(.*?)</li>', body)
        assert len(opts) == 4 and len(set(o.lower() for o in opts)) == 4, q.qid
    else:
        assert '<ol' not in body, q.qid
    # groups: a G head with single-space followers and enough alternatives
    i = 0
    while i < slots:
        kind, _, key = q.answers[i]
        assert key != ' ', q.qid
        size = 1
        while i + size < slots and q.answers[i + size][2] == ' ':
            assert q.answers[i + size][0] == 'G', q.qid
            size += 1
        if kind == 'G':
            assert size >= 2 and len(key[1:].split(';')) >= size, q.qid
        i += size
    # every letter asked for, or offered as an option, is drawn in the diagram
    figs = q.figures()
    letters = set()
    for f_ in figs:
        letters |= svg_letters(f_.svg)
    for kind, _, key in q.answers:
        if kind == 'T' and re.fullmatch(r'[A-Z]', key) and figs:
            assert key in letters, (q.qid, key)
    if 'Q' in kinds and figs:
        for o in re.findall(r'<li>(.*?)</li>', body):
            for letter in re.findall(r'\b([A-Z])\b', o):
                if len(o) < 12:
                    assert letter in letters, (q.qid, o)
    for f_ in figs:
        root = ET.fromstring(f_.svg)
        w, h = int(root.get('width')), int(root.get('height'))
        assert 240 <= w <= 420 and 60 <= h <= 440, (q.qid, w, h)
        assert f_.alt and '"' not in f_.alt


def check_paper(number, questions):
    slots = sum(len(q.answers) for q in questions)
    marks = sum(a[1] for q in questions for a in q.answers)
    assert slots <= 80, (number, slots)
    assert 30 <= marks <= 60, (number, marks)
    names = [f_.name(q.qid) for q in questions for f_ in q.figures()]
    assert len(names) == len(set(names)), number
    return slots, marks


# ---------------------------------------------------------------------------
# Writing
# ---------------------------------------------------------------------------

def render(title, questions):
    out = ['# %s' % title,
           '# Written by course/tools/gen_science_t3_t4.py; edit the script, not this file.',
           '']
    for q in questions:
        out.append('== %d' % q.qid)
        out.append('instruction: %s' % q.instruction)
        out.extend(q.html_lines())
        for kind, marks, key in q.answers:
            out.append('answer: %s %d %s' % (kind, marks, '[space]' if key == ' ' else key))
        out.append('')
    return '\n'.join(out)


def mine(name):
    """Is this figure file one of the files this script writes?"""
    return re.fullmatch(r'q(17[23]\d\d|17400)[a-z]?\.svg', name) is not None and \
        FIRST_ID <= int(re.match(r'q(\d{5})', name).group(1)) <= LAST_ID


def main():
    next_id = FIRST_ID
    built = []
    for number, title, make in PAPERS:
        questions = make()
        assert len(questions) == PER_PAPER, (number, len(questions))
        for q in questions:
            q.qid = next_id
            next_id += 1
            check_question(q)
        built.append((number, title, questions, check_paper(number, questions)))
    assert next_id - 1 == LAST_ID, next_id
    ids = [q.qid for _, _, qs, _ in built for q in qs]
    assert ids == list(range(FIRST_ID, LAST_ID + 1))

    os.makedirs(FIGURES, exist_ok=True)
    for name in sorted(os.listdir(FIGURES)):
        if mine(name):
            os.remove(os.path.join(FIGURES, name))
    for number, title, questions, (slots, marks) in built:
        for q in questions:
            for fig in q.figures():
                assert mine(fig.name(q.qid)), fig.name(q.qid)
                with open(os.path.join(FIGURES, fig.name(q.qid)), 'w', encoding='utf-8', newline='\n') as fh:
                    fh.write(fig.svg)
        text = render(title, questions)
        for src in re.findall(r'src="([^"]+)"', text):
            assert os.path.isfile(os.path.join(SCIENCE, src)), src
        with open(os.path.join(SCIENCE, '%d.txt' % number), 'w', encoding='utf-8', newline='\n') as fh:
            fh.write(text)
        spread = [0, 0, 0, 0]
        for q in questions:
            if q.answers[0][0] == 'Q':
                spread[int(q.answers[0][2]) - 1] += 1
        kinds = {}
        for q in questions:
            for a in q.answers:
                kinds[a[0]] = kinds.get(a[0], 0) + 1
        print('%d.txt  %2d questions  %2d slots  %2d marks  ids %d-%d  Q keys %s  types %s'
              % (number, len(questions), slots, marks, questions[0].qid, questions[-1].qid, spread,
                 ' '.join('%s%d' % kv for kv in sorted(kinds.items()))))


if __name__ == '__main__':
    main()
