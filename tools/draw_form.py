#!/usr/bin/env python3
"""Draws our own artwork of the two pages of the paper form.

    tools/draw_form.py            writes resources/form_page1.svg and form_page2.svg

The drawing is built around the text boxes of the printed pages: the box
tables are read from src/printing/lorqa_str1.cpp and lorqa_str2.cpp and the
captions from src/declaration/positions.cpp, so neither is written twice.
Coordinates below are layout points (1/96 inch) from the band's corner; the
SVG is written in units of 1/1000 inch. Every field that holds a box gets the
id "field_<box>", every character cell "cell_<box>_<n>" (n from 0).
"""

import os
import re
import struct
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
UNITS = 1000.0 / 96.0          # SVG units per layout point
FONT_DIR = '/usr/share/fonts/truetype/liberation'
MM = 96.0 / 25.4               # layout points per millimetre


# --- font metrics, so that captions can be wrapped to their fields ---------

class Metrics:
    def __init__(self, path):
        data = open(path, 'rb').read()
        num_tables = struct.unpack('>H', data[4:6])[0]
        tables = {}
        for i in range(num_tables):
            tag, _, off, length = struct.unpack('>4sIII', data[12 + 16 * i:28 + 16 * i])
            tables[tag.decode()] = (off, length)
        head = tables['head'][0]
        self.em = struct.unpack('>H', data[head + 18:head + 20])[0]
        hhea = tables['hhea'][0]
        n_metrics = struct.unpack('>H', data[hhea + 34:hhea + 36])[0]
        hmtx = tables['hmtx'][0]
        self.advances = [struct.unpack('>H', data[hmtx + 4 * i:hmtx + 4 * i + 2])[0]
                         for i in range(n_metrics)]
        self.cmap = {}
        cmap = tables['cmap'][0]
        count = struct.unpack('>H', data[cmap + 2:cmap + 4])[0]
        for i in range(count):
            pid, eid, off = struct.unpack('>HHI', data[cmap + 4 + 8 * i:cmap + 12 + 8 * i])
            sub = cmap + off
            if pid == 3 and eid == 1 and struct.unpack('>H', data[sub:sub + 2])[0] == 4:
                self._format4(data, sub)

    def _format4(self, data, sub):
        seg2 = struct.unpack('>H', data[sub + 6:sub + 8])[0]
        ends = sub + 14
        starts = ends + seg2 + 2
        deltas = starts + seg2
        ranges = deltas + seg2
        for s in range(seg2 // 2):
            end, start = (struct.unpack('>H', data[ends + 2 * s:ends + 2 * s + 2])[0],
                          struct.unpack('>H', data[starts + 2 * s:starts + 2 * s + 2])[0])
            delta = struct.unpack('>h', data[deltas + 2 * s:deltas + 2 * s + 2])[0]
            roff = struct.unpack('>H', data[ranges + 2 * s:ranges + 2 * s + 2])[0]
            for c in range(start, min(end, 0xFFFE) + 1):
                if roff == 0:
                    g = (c + delta) & 0xFFFF
                else:
                    at = ranges + 2 * s + roff + 2 * (c - start)
                    g = struct.unpack('>H', data[at:at + 2])[0]
                    if g:
                        g = (g + delta) & 0xFFFF
                self.cmap[c] = g

    def width(self, text, size):
        total = 0
        for ch in text:
            g = self.cmap.get(ord(ch), 0)
            total += self.advances[min(g, len(self.advances) - 1)]
        return total * size / self.em


SANS = Metrics(os.path.join(FONT_DIR, 'LiberationSans-Regular.ttf'))
SANS_BOLD = Metrics(os.path.join(FONT_DIR, 'LiberationSans-Bold.ttf'))
MONO = Metrics(os.path.join(FONT_DIR, 'LiberationMono-Regular.ttf'))
MONO_PITCH = MONO.width('0', 16.0)   # Courier New 12 pt = 16 layout points


def wrap(text, width, size, bold=False):
    metrics = SANS_BOLD if bold else SANS
    lines = []
    for paragraph in text.split('\n'):
        line = ''
        for word in paragraph.split():
            candidate = (line + ' ' + word) if line else word
            if line and metrics.width(candidate, size) > width:
                lines.append(line)
                line = word
            else:
                line = candidate
        lines.append(line)
    return lines


# --- the tables this drawing is built from -----------------------------------

def read_boxes(page):
    source = open(os.path.join(ROOT, 'src/printing/lorqa_str%d.cpp' % page), encoding='utf-8').read()
    pattern = re.compile(r'\{u"(p_\w+)"_s, (Band|Page), \{(-?\d+), (-?\d+)\}, (\d+), (\d+), '
                         r'(Left|Right), (Sans11|Mono12)\}')
    boxes = {}
    for m in pattern.finditer(source):
        name, anchor, left, top, width, height, align, font = m.groups()
        left, top, width, height = float(left), float(top), float(width), float(height)
        if anchor == 'Page':      # to band coordinates: less the page's margins
            left -= (10 if page == 1 else 9) * MM
            top -= 8 * MM
        boxes[name] = dict(x=left, y=top, w=width, h=height, align=align, font=font)
    if not boxes:
        sys.exit('no boxes found in lorqa_str%d.cpp' % page)
    return boxes


def read_captions():
    source = open(os.path.join(ROOT, 'src/declaration/positions.cpp'), encoding='utf-8').read()
    lit = r'u"((?:[^"\\]|\\.)*)"_s'
    unescape = lambda s: s.replace('\\n', '\n')
    captions, items, rows = {}, {}, {}
    variables = {m.group(1): unescape(m.group(2))
                 for m in re.finditer(r'const QString (\w+) = ' + lit + ';', source)}
    for m in re.finditer(r'\btext\((\d+), ' + lit, source):
        captions[int(m.group(1))] = unescape(m.group(2))
    for m in re.finditer(r'\{u"p_(\d+)"_s, \d+, PositionKind::\w+, \d, ' + lit, source):
        captions[int(m.group(1))] = unescape(m.group(2))
    for m in re.finditer(r'\{u"p_(\d+)"_s, \d+, PositionKind::Choice[^{]*\{' + lit + ', ' + lit + r'\}', source):
        items[int(m.group(1))] = [unescape(m.group(2)), unescape(m.group(3))]
    for m in re.finditer(r'\brow\(t, (\d+), (\d+), ' + lit, source):
        for n in (int(m.group(1)), int(m.group(2))):
            if n:
                rows[n] = unescape(m.group(3))
    for m in re.finditer(r'\bamount\((\d+), \d, \w+, (?:' + lit + r'|(\w+))', source):
        rows[int(m.group(1))] = unescape(m.group(2)) if m.group(2) is not None else variables[m.group(3)]
    for m in re.finditer(r'\bpair\((\d+), ' + lit, source):
        captions[int(m.group(1))] = unescape(m.group(2))
    group = re.search(r'p62\.groupCaption = ' + lit, source)
    needed = [1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
              66, 67, 68, 69, 70, 71, 72, 73, 75, 76]
    missing = [n for n in needed if n not in captions] + [n for n in range(20, 66) if n not in rows]
    if missing or 7 not in items or 8 not in items or not group:
        sys.exit('captions not found in positions.cpp: %s' % missing)
    return captions, items, rows, unescape(group.group(1))


# --- SVG output ----------------------------------------------------------------

def esc(text):
    return text.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;').replace('"', '&quot;')


def u(v):
    return '%.1f' % (v * UNITS)


class Svg:
    def __init__(self, extent):
        self.extent = extent
        self.parts = []

    def rect(self, x0, y0, x1, y1, fill='none', stroke='#000000', width=0.6, ident=None):
        attrs = ' id="%s"' % ident if ident else ''
        self.parts.append('<rect%s x="%s" y="%s" width="%s" height="%s" fill="%s" stroke="%s" stroke-width="%s"/>'
                          % (attrs, u(x0), u(y0), u(x1 - x0), u(y1 - y0), fill,
                             stroke, u(width) if stroke != 'none' else '0'))

    def line(self, x0, y0, x1, y1, width=0.6):
        self.parts.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#000000" stroke-width="%s"/>'
                          % (u(x0), u(y0), u(x1), u(y1), u(width)))

    def text(self, x, y, text, size, bold=False, anchor='start'):
        weight = ' font-weight="bold"' if bold else ''
        align = ' text-anchor="%s"' % anchor if anchor != 'start' else ''
        self.parts.append('<text x="%s" y="%s" font-family="Liberation Sans" font-size="%s"%s%s>%s</text>'
                          % (u(x), u(y), u(size), weight, align, esc(text)))

    def lines(self, x, y, lines, size, bold=False, anchor='start', leading=1.15):
        for i, line in enumerate(lines):
            self.text(x, y + i * size * leading, line, size, bold, anchor)

    def write(self, path):
        w, h = self.extent
        with open(path, 'w', encoding='utf-8') as out:
            out.write('<?xml version="1.0" encoding="UTF-8"?>\n')
            out.write('<!-- Generated by tools/draw_form.py; edit the script, not this file. -->\n')
            out.write('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                      'width="%.2fmm" height="%.2fmm" viewBox="0 0 %d %d">\n' % (w * 0.0254, h * 0.0254, w, h))
            out.write('<rect x="0" y="0" width="%d" height="%d" fill="#ffffff" stroke="none"/>\n' % (w, h))
            for part in self.parts:
                out.write(part + '\n')
            out.write('</svg>\n')


PAPER = '#e9ecef'     # the form's ground
SHADE = '#c9ced4'     # headings and fields the taxpayer does not fill
WHITE = '#ffffff'
CAPTION = 7.5         # size of captions, layout points
LEFT, RIGHT = 30.0, 716.0
COL1, COL2 = 354.0, 546.0   # the two columns of amounts


class Form:
    def __init__(self, page, extent):
        self.svg = Svg(extent)
        self.boxes = read_boxes(page)
        self.captions, self.items, self.rows, self.group62 = read_captions()

    def box(self, name):
        return self.boxes[name]

    def check_inside(self, name, x0, y0, x1, y1):
        b = self.boxes[name]
        if not (x0 <= b['x'] and b['x'] + b['w'] <= x1 and y0 <= b['y'] and b['y'] + b['h'] <= y1):
            sys.exit('box %s (%.1f, %.1f, %.1f x %.1f) does not fit its field (%.1f, %.1f)-(%.1f, %.1f)'
                     % (name, b['x'], b['y'], b['w'], b['h'], x0, y0, x1, y1))

    def heading(self, y0, y1, text, sub=False):
        self.svg.rect(6, y0, RIGHT, y1, fill=SHADE if not sub else '#dde1e5')
        self.svg.text(10, y1 - (y1 - y0 - 8.5) / 2 - 1, text, 9.5 if not sub else 9, bold=True)

    def field(self, name, x0, y0, x1, y1, caption, shaded=False, caption_width=None):
        """A white field with its caption at the top left; `name` is the box it holds."""
        if name:
            self.check_inside(name, x0, y0, x1, y1)
        self.svg.rect(x0, y0, x1, y1, fill=SHADE if shaded else WHITE,
                      ident=('field_' + name) if name else None)
        if caption:
            lines = wrap(caption, caption_width or (x1 - x0 - 5), CAPTION)
            self.svg.lines(x0 + 2.5, y0 + 7.5, lines, CAPTION)

    def tick(self, name, label=None, label_left=None):
        """The square of a choice or check box, centred on the box's mark."""
        b = self.boxes[name]
        # centred on the printed "x" (half an em wide, from the box's left edge)
        cx, cy = b['x'] + SANS.width('x', 11 * 96 / 72) / 2, b['y'] + b['h'] / 2
        x0, y0, x1, y1 = cx - 10, cy - 10, cx + 10, cy + 10
        self.check_inside(name, x0, y0, x1, y1)
        self.svg.rect(x0, y0, x1, y1, fill=WHITE, width=0.9, ident='field_' + name)
        if label:
            self.svg.text(x1 + 4, cy + 3, label, 8.5)
        if label_left:
            self.svg.text(x0 - 3, cy + 3, label_left, 8.5, anchor='end')

    def cells(self, name, digits_at, y0, y1):
        """Character cells: one per printed character, at its glyph's place."""
        b = self.boxes[name]
        for n, x in enumerate(digits_at):
            self.svg.rect(x - MONO_PITCH / 2, y0, x + 1.5 * MONO_PITCH, y1, fill=WHITE, width=0.6,
                          ident='cell_%s_%d' % (name, n))

    def spaced_left(self, name, count):
        b = self.boxes[name]
        return [b['x'] + 2 * i * MONO_PITCH for i in range(count)]

    def amount_row(self, y0, y1, base, tax, caption, caption_x1=COL1):
        """A row of section C, D or E: caption on the left, then the two columns."""
        self.svg.rect(LEFT, y0, caption_x1, y1, fill=PAPER)
        lines = wrap(caption, caption_x1 - LEFT - 6, CAPTION)
        if len(lines) * CAPTION * 1.15 > y1 - y0:
            sys.exit('caption of the row at %s does not fit: %s' % (y0, caption))
        top = y0 + (y1 - y0 - len(lines) * CAPTION * 1.15) / 2 + CAPTION * 0.9
        self.svg.lines(LEFT + 3, top, lines, CAPTION)
        for n, x0, x1 in ((base, COL1, COL2), (tax, COL2, RIGHT)):
            if n is None:
                continue
            if n == 0:
                self.svg.rect(x0, y0, x1, y1, fill=SHADE)
            else:
                self.field('p_%d' % n, x0, y0, x1, y1, '%d.' % n)

    def footer(self, page, y):
        self.svg.text(RIGHT, y, 'LorqaK(6)', 10, bold=True, anchor='end')
        self.svg.text(RIGHT - 60, y, '%d/2' % page, 8.5, anchor='end')


# --- page 1 ---------------------------------------------------------------------

def page1():
    f = Form(1, (7509, 11072))
    s, c = f.svg, f.captions
    s.rect(6, 4, RIGHT, 1040, fill=PAPER, width=1.0)

    # NIP and the office's own fields
    f.field('p_1', LEFT, 8, 318, 60, c[1])
    f.cells('p_1', f.spaced_left('p_1', 10), 31, 57)
    f.field(None, 318, 8, 520, 60, '2. Nr dokumentu', shaded=True)
    f.field(None, 520, 8, RIGHT, 60, '3. Status', shaded=True)

    # designation, period and title
    s.text(LEFT + 4, 114, 'LorqaK(6)', 24, bold=True)
    s.text(202, 115, 'za', 12, bold=True)
    f.field('p_4', 222, 86, 292, 124, c[4])
    f.cells('p_4', f.spaced_left('p_4', 2), 97, 120)
    f.field('p_5', 296, 86, 430, 124, c[5])
    f.cells('p_5', f.spaced_left('p_5', 4), 97, 120)
    s.text(373, 148, 'DEKLARACJA DLA PODATKU OD TOWARÓW I USŁUG', 15, bold=True, anchor='middle')

    # A
    f.heading(158, 174, 'A. MIEJSCE l CEL SKŁADANIA DEKLARACJI ')
    f.field('p_6', LEFT, 174, 440, 222, c[6])
    f.field(None, 440, 174, RIGHT, 222, c[7])
    f.tick('p_7_1', f.items[7][0])
    f.tick('p_7_2', f.items[7][1])

    # B
    f.heading(224, 240, 'B. DANE PODATNIKA')
    f.heading(240, 254, 'B.1. DANE IDENTYFIKACYJNE ', sub=True)
    f.field(None, LEFT, 254, RIGHT, 310, c[8])
    f.tick('p_8_1', f.items[8][0])
    f.tick('p_8_2', f.items[8][1])
    f.field('p_9', LEFT, 310, RIGHT, 346, c[9])
    f.heading(348, 364, 'B.2. ADRES SIEDZIBY */ ADRES ZAMIESZKANIA **', sub=True)
    for n, x0, x1 in ((10, LEFT, 176), (11, 176, 484), (12, 484, RIGHT)):
        f.field('p_%d' % n, x0, 364, x1, 406, c[n])
    for n, x0, x1 in ((13, LEFT, 212), (14, 212, 566), (15, 566, 639), (16, 639, RIGHT)):
        f.field('p_%d' % n, x0, 406, x1, 438, c[n])
    for n, x0, x1 in ((17, LEFT, 326), (18, 326, 438), (19, 438, RIGHT)):
        f.field('p_%d' % n, x0, 438, x1, 470, c[n])

    # C
    f.heading(472, 488, 'C. ROZLICZENIE TRANSAKCJI PODLEGAJĄCYCH OPODATKOWANIU ORAZ PODATKU NALEŻNEGO ')
    s.rect(LEFT, 488, COL1, 503, fill='#dde1e5')
    s.text(LEFT + 3, 499, 'C.1. DOSTAWA TOWARÓW ORAZ ŚWIADCZENIE USŁUG', 8.5, bold=True)
    s.rect(COL1, 488, COL2, 503, fill='#dde1e5')
    s.text((COL1 + COL2) / 2, 499, 'Podstawa opodatkowania w zł', 8.5, bold=True, anchor='middle')
    s.rect(COL2, 488, RIGHT, 503, fill='#dde1e5')
    s.text((COL2 + RIGHT) / 2, 499, 'Podatek należny w zł ', 8.5, bold=True, anchor='middle')
    rows = [(503, 20, 0), (535, 21, 0), (567, 22, 0), (599, 23, 0), (629, 24, 0), (661, 25, 26),
            (693, 27, 28), (725, 29, 30), (757, 31, 0), (791, 32, 0), (821, 33, 34), (853, 35, 36),
            (883, 37, 38), (913, 39, 40), (943, 41, 42), (975, 0, 43), (1007, 0, 44), (1039, None, None)]
    for (y0, base, tax), (y1, _, _) in zip(rows, rows[1:]):
        f.amount_row(y0, y1, base, tax, f.rows[base or tax])

    s.text(LEFT, 1049, '* - dotyczy podmiotów niebędących osobami fizycznymi', 7.5)
    s.text(LEFT, 1058, '**- dotyczy podmiotów będących osobami fizycznymi', 7.5)
    f.footer(1, 1056)
    return s


# --- page 2 ---------------------------------------------------------------------

def page2():
    f = Form(2, (7552, 11072))
    s, c, r = f.svg, f.captions, f.rows
    s.rect(6, 4, RIGHT, 926, fill=PAPER, width=1.0)

    # end of C: the totals
    f.heading(4, 16, 'C. ROZLICZENIE TRANSAKCJI PODLEGAJĄCYCH OPODATKOWANIU ORAZ PODATKU NALEŻNEGO (cd.)')
    s.rect(COL1, 16, COL2, 28, fill='#dde1e5')
    s.text((COL1 + COL2) / 2, 25, 'Podstawa opodatkowania w zł', 8, bold=True, anchor='middle')
    s.rect(COL2, 16, RIGHT, 28, fill='#dde1e5')
    s.text((COL2 + RIGHT) / 2, 25, 'Podatek należny w zł ', 8, bold=True, anchor='middle')
    s.rect(LEFT, 28, COL1, 60, fill=PAPER)
    s.text(COL1 - 6, 47, r[45], 10, bold=True, anchor='end')
    f.field('p_45', COL1, 28, COL2, 60, '45.')
    f.field('p_46', COL2, 28, RIGHT, 60, '46.')

    # D
    f.heading(64, 80, 'D. ROZLICZENIE PODATKU NALICZONEGO')
    f.heading(80, 96, 'D.1. PRZENIESIENIA', sub=True)
    s.rect(COL2, 96, RIGHT, 122, fill='#dde1e5')
    s.text((COL2 + RIGHT) / 2, 112, 'Podatek do odliczenia w zł', 8.5, bold=True, anchor='middle')
    f.amount_row(122, 152, None, 47, r[47], caption_x1=COL2)
    f.amount_row(152, 184, None, 48, r[48], caption_x1=COL2)
    f.heading(186, 202, 'D.2. NABYCIE TOWARÓW l USŁUG ORAZ PODATEK NALICZONY Z UWZGLĘDNIENIEM KOREKT', sub=True)
    s.rect(COL1, 202, COL2, 220, fill='#dde1e5')
    s.text((COL1 + COL2) / 2, 214, 'Wartość netto w zł', 8.5, bold=True, anchor='middle')
    s.rect(COL2, 202, RIGHT, 220, fill='#dde1e5')
    s.text((COL2 + RIGHT) / 2, 214, 'Podatek naliczony w zł', 8.5, bold=True, anchor='middle')
    f.amount_row(220, 251, 49, 50, r[49])
    f.amount_row(251, 283, 51, 52, r[51])
    f.heading(286, 302, 'D.3. PODATEK NALICZONY - DO ODLICZENIA (w zł)', sub=True)
    f.amount_row(304, 344, None, 53, r[53], caption_x1=COL2)
    f.amount_row(344, 377, None, 54, r[54], caption_x1=COL2)
    f.amount_row(377, 409, None, 55, r[55], caption_x1=COL2)

    # E
    f.heading(416, 432, 'E. OBLICZENIE WYSOKOŚCI ZOBOWIĄZANIA PODATKOWEGO LUB KWOTY ZWROTU (w zł)')
    e_rows = [(436, 56), (476, 57), (508, 58), (539, 59), (569, 60), (601, 61)]
    for (y0, n), (y1, _) in zip(e_rows, e_rows[1:] + [(633, None)]):
        f.amount_row(y0, y1, None, n, r[n], caption_x1=COL2)
    s.rect(LEFT, 633, 182, 663, fill=PAPER)
    f.svg.lines(LEFT + 3, 651, [f.group62], CAPTION)
    f.field('p_62', 182, 633, COL1, 663, '62. ' + r[62])
    f.field('p_63', COL1, 633, COL2, 663, '63. ' + r[63])
    f.field('p_64', COL2, 633, RIGHT, 663, '64. ' + r[64])
    f.amount_row(663, 695, None, 65, r[65], caption_x1=COL2)

    # F
    f.heading(697, 713, 'F. INFORMACJE DODATKOWE')
    s.text(LEFT + 3, 724, 'Podatnik wykonywał w okresie rozliczeniowym czynności, o których mowa w '
           '(zaznaczyć właściwy kwadrat):', CAPTION + 0.5)
    s.rect(LEFT, 729, RIGHT, 763, fill=WHITE)
    for n in (66, 67, 68, 69):
        number, text = c[n].split(None, 1)
        f.tick('p_%d' % n, text.strip(), label_left=number)

    # G
    f.heading(765, 781, 'G. INFORMACJA O ZAŁĄCZNIKACH')
    s.text(LEFT + 3, 789, 'Do niniejszej deklaracji dołączono', CAPTION + 0.5)
    f.field(None, LEFT, 792, 372, 826, c[70])
    f.field(None, 372, 792, RIGHT, 826, c[71], caption_width=120)
    for n in (70, 71):
        f.tick('p_%d_1' % n, 'Tak')
        f.tick('p_%d_2' % n, 'Nie')

    # H
    f.heading(828, 843, 'H. OŚWlADCZENIE PODATNIKA LUB OSOBY REPREZENTUJĄCEJ PODATNIKA')
    s.text(LEFT + 3, 853, 'Oświadczam, że są mi znane przepisy Kodeksu karnego skarbowego o odpowiedzialności '
           'za podanie danych niezgodnych z rzeczywistością.', CAPTION + 0.5)
    f.field('p_72', LEFT, 856, 206, 889, c[72])
    f.field('p_73', 206, 856, 480, 889, c[73])
    f.field('p_75', LEFT, 889, 206, 922, c[75])
    b = f.box('p_76')
    chars = 17   # dd-mm-yyyy, spaced with the dashes as gaps
    start = b['x'] + b['w'] - chars * MONO_PITCH
    digits = [start + k * MONO_PITCH for k in (0, 2, 5, 7, 10, 12, 14, 16)]
    f.field('p_76', 206, 889, 480, 922, c[76], caption_width=digits[0] - MONO_PITCH / 2 - 212)
    f.cells('p_76', digits, 895, 919)
    for k in (4, 9):   # the dashes between day, month and year
        x = start + k * MONO_PITCH
        s.line(x - 2.5, 906, x + 2.5, 906, width=0.9)
    f.field(None, 480, 856, RIGHT, 922, 'Podpis')

    f.footer(2, 1056)
    return s


if __name__ == '__main__':
    page1().write(os.path.join(ROOT, 'resources/form_page1.svg'))
    page2().write(os.path.join(ROOT, 'resources/form_page2.svg'))
