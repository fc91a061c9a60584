"""Tiny formula typesetter that writes SVG Tiny 1.2 for Qt's SVG renderer.

Glyphs are written as outlines (shared <path> definitions placed with <use>), so
every picture looks the same whatever fonts the user's machine has installed,
and sub- and superscripts sit exactly where the layout put them.

Formulas are written in a small TeX-like markup; see parse().
"""
import subprocess
from fontTools.ttLib import TTFont
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.boundsPen import BoundsPen


def font_file(pattern):
    return subprocess.check_output(["fc-match", "-f", "%{file}", pattern]).decode()


class Font:
    def __init__(self, key, pattern):
        self.key = key
        self.tt = TTFont(font_file(pattern))
        self.upm = self.tt["head"].unitsPerEm
        self.cmap = self.tt.getBestCmap()
        self.glyphs = self.tt.getGlyphSet()
        self.hmtx = self.tt["hmtx"]
        self._bounds = {}

    def glyph(self, ch):
        return self.cmap[ord(ch)]

    def advance(self, ch):
        return self.hmtx[self.glyph(ch)][0] / self.upm

    def bounds(self, ch):
        name = self.glyph(ch)
        if name not in self._bounds:
            pen = BoundsPen(self.glyphs)
            self.glyphs[name].draw(pen)
            b = pen.bounds
            self._bounds[name] = None if b is None else tuple(v / self.upm for v in b)
        return self._bounds[name]

    def path(self, ch):
        pen = SVGPathPen(self.glyphs, ntos=lambda v: ("%.0f" % v) if v == int(v) else ("%.1f" % v))
        self.glyphs[self.glyph(ch)].draw(pen)
        return pen.getCommands()


FONTS = {}


def font(key):
    patterns = {
        "rm": "DejaVu Serif",
        "it": "DejaVu Serif:italic",
        "bf": "DejaVu Serif:bold",
        "sans": "DejaVu Sans",
        "sansbf": "DejaVu Sans:bold",
    }
    if key not in FONTS:
        FONTS[key] = Font(key, patterns[key])
    return FONTS[key]


class Canvas:
    """Collects SVG elements; glyph outlines are defined once per file."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.defs = {}
        self.body = []

    def glyph(self, fnt, ch, x, y, size, sx=1.0, sy=1.0, fill="#000"):
        key = (fnt.key, ch)
        if key not in self.defs:
            self.defs[key] = ("g%d" % len(self.defs), fnt.path(ch))
        gid = self.defs[key][0]
        s = size / fnt.upm
        fill_attr = "" if fill == "#000" else ' fill="%s"' % fill
        self.body.append('<use xlink:href="#%s" transform="matrix(%s 0 0 %s %s %s)"%s/>'
                         % (gid, num(s * sx, 6), num(-s * sy, 6), num(x), num(y), fill_attr))

    def rect(self, x, y, w, h, fill="#000"):
        self.body.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                         % (num(x), num(y), num(w), num(h), fill))

    def polyline(self, points, width, color="#000"):
        d = "M" + " L".join("%s %s" % (num(px), num(py)) for px, py in points)
        self.body.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" '
                         'stroke-linejoin="miter" stroke-linecap="butt"/>' % (d, color, num(width)))

    def circle(self, cx, cy, r, fill="#000"):
        self.body.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (num(cx), num(cy), num(r), fill))

    def raw(self, element):
        self.body.append(element)

    def svg(self, title):
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
               'version="1.2" baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">'
               % (self.width, self.height, self.width, self.height),
               "<title>%s</title>" % title]
        if self.defs:
            out.append("<defs>")
            for (fkey, ch), (gid, d) in sorted(self.defs.items(), key=lambda kv: int(kv[1][0][1:])):
                out.append('<path id="%s" d="%s"/>' % (gid, d))
            out.append("</defs>")
        out.extend(self.body)
        out.append("</svg>")
        return "\n".join(out) + "\n"


def num(v, digits=2):
    s = ("%." + str(digits) + "f") % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


# ---------------------------------------------------------------- boxes
class Box:
    w = h = d = 0.0
    kind = "ord"  # ord, bin, rel, open, close, op, punct

    def draw(self, cv, x, y):
        pass


class Glyphs(Box):
    def __init__(self, text, fontkey, size, kind="ord"):
        self.text, self.fnt, self.size, self.kind = text, font(fontkey), size, kind
        self.w = sum(self.fnt.advance(c) for c in text) * size
        hs, ds = [0.0], [0.0]
        for c in text:
            b = self.fnt.bounds(c)
            if b:
                hs.append(b[3] * size)
                ds.append(-b[1] * size)
        self.h, self.d = max(hs), max(ds)
        self.italic = fontkey == "it"

    def draw(self, cv, x, y):
        for c in self.text:
            if c != " ":
                cv.glyph(self.fnt, c, x, y, self.size)
            x += self.fnt.advance(c) * self.size


class Space(Box):
    def __init__(self, w):
        self.w = w


class HBox(Box):
    def __init__(self, items):
        self.items = items
        self.w = sum(i.w for i in items)
        self.h = max([i.h for i in items] + [0])
        self.d = max([i.d for i in items] + [0])

    def draw(self, cv, x, y):
        for i in self.items:
            i.draw(cv, x, y)
            x += i.w


def axis(size):
    b = font("rm").bounds("\u2212")
    return (b[1] + b[3]) / 2 * size


def rule_thickness(size):
    return max(1.0, round(size * 0.066 * 2) / 2)


class Frac(Box):
    def __init__(self, num_box, den_box, size):
        self.n, self.dn, self.size = num_box, den_box, size
        self.t = rule_thickness(size)
        gap = max(2.0, size * 0.16)
        self.pad = size * 0.12
        self.w = max(num_box.w, den_box.w) + 2 * self.pad
        a = axis(size)
        self.num_up = a + self.t / 2 + gap + num_box.d
        self.den_down = -a + self.t / 2 + gap + den_box.h
        self.h = self.num_up + num_box.h
        self.d = self.den_down + den_box.d
        self.a = a

    def draw(self, cv, x, y):
        self.n.draw(cv, x + (self.w - self.n.w) / 2, y - self.num_up)
        self.dn.draw(cv, x + (self.w - self.dn.w) / 2, y + self.den_down)
        bar_top = round(y - self.a - self.t / 2)
        cv.rect(x + self.pad * 0.4, bar_top, self.w - self.pad * 0.8, self.t)


class Sqrt(Box):
    def __init__(self, body, size):
        self.body, self.size = body, size
        self.t = rule_thickness(size)
        self.gap = max(1.5, size * 0.12)
        self.sign_w = size * 0.62
        self.w = self.sign_w + body.w + size * 0.08
        self.h = body.h + self.gap + self.t + 1
        self.d = body.d + 1

    def draw(self, cv, x, y):
        s = self.size
        top = round(y - self.body.h - self.gap - self.t) + self.t / 2
        bottom = y + self.body.d + 0.5
        mid = y - axis(s) * 0.6
        pts = [(x + s * 0.03, mid + s * 0.06), (x + s * 0.15, mid - s * 0.02),
               (x + s * 0.33, bottom), (x + self.sign_w - s * 0.05, top), (x + self.w, top)]
        cv.polyline(pts[:2], self.t * 1.0)
        cv.polyline(pts[1:3], self.t * 1.6)
        cv.polyline(pts[2:], self.t)
        self.body.draw(cv, x + self.sign_w, y)


class Delim(Box):
    """A parenthesis or bracket stretched around a box, centred on the maths axis."""

    def __init__(self, ch, extent_h, extent_d, size):
        self.ch, self.size = ch, size
        self.kind = "open" if ch in "([" else "close"
        f = font("rm")
        b = f.bounds(ch)
        self.nat_top, self.nat_bot = b[3] * size, -b[1] * size
        a = axis(size)
        need = max(extent_h - a, extent_d + a) + size * 0.08
        nat_half = (self.nat_top + self.nat_bot) / 2
        self.sy = max(1.0, need / nat_half)
        self.sx = 1.0 + min(0.35, (self.sy - 1.0) * 0.25)
        self.w = f.advance(ch) * size * self.sx
        self.h = a + nat_half * self.sy
        self.d = nat_half * self.sy - a
        self.a = a

    def draw(self, cv, x, y):
        # Scale about the glyph's own vertical centre, then put that centre on the axis.
        centre = (self.nat_top - self.nat_bot) / 2
        base = y - self.a + centre * self.sy
        cv.glyph(font("rm"), self.ch, x, base, self.size, self.sx, self.sy)


class Bar(Box):
    """A vertical bar of a determinant."""

    def __init__(self, h, d, size):
        self.h, self.d, self.size = h, d, size
        self.w = size * 0.35
        self.t = rule_thickness(size)

    def draw(self, cv, x, y):
        cv.rect(round(x + self.w / 2 - self.t / 2), y - self.h, self.t, self.h + self.d)


class Dots(Box):
    """Ellipses drawn as dots: direction 'h' (⋯), 'v' (⋮) or 'd' (⋱)."""

    def __init__(self, direction, size):
        self.dir, self.size = direction, size
        self.r = max(0.75, size * 0.06)
        self.step = size * 0.28
        if direction == "h":
            self.w, self.h, self.d = self.step * 2 + size * 0.3, axis(size) + self.r, 0
        else:
            self.w = size * 0.9 if direction == "d" else size * 0.5
            self.h, self.d = size * 0.75, size * 0.1

    def draw(self, cv, x, y):
        s, st = self.size, self.step
        a = axis(s)
        for k in range(3):
            if self.dir == "h":
                cv.circle(x + s * 0.15 + k * st, y - a, self.r)
            elif self.dir == "v":
                cv.circle(x + self.w / 2, y - a + (k - 1) * st * 1.15, self.r)
            else:
                cv.circle(x + self.w / 2 + (k - 1) * st, y - a + (k - 1) * st * 0.9, self.r)


class BigOp(Box):
    """A summation sign with limits above and below."""

    def __init__(self, ch, lower, upper, size):
        self.sign = Glyphs(ch, "rm", size * 1.3, "op")
        self.lower, self.upper, self.size = lower, upper, size
        a = axis(size)
        sb = font("rm").bounds(ch)
        self.sign_mid = (sb[1] + sb[3]) / 2 * size * 1.3
        self.shift = a - self.sign_mid  # raise the sign so that it is centred on the axis
        self.w = max(self.sign.w, lower.w if lower else 0, upper.w if upper else 0)
        gap = size * 0.12
        self.low_down = self.sign.d - self.shift + gap + (lower.h if lower else 0)
        self.up_up = self.sign.h + self.shift + gap + (upper.d if upper else 0)
        self.h = self.up_up + upper.h if upper else self.sign.h + self.shift
        self.d = self.low_down + lower.d if lower else self.sign.d - self.shift
        self.kind = "op"

    def draw(self, cv, x, y):
        self.sign.draw(cv, x + (self.w - self.sign.w) / 2, y - self.shift)
        if self.lower:
            self.lower.draw(cv, x + (self.w - self.lower.w) / 2, y + self.low_down)
        if self.upper:
            self.upper.draw(cv, x + (self.w - self.upper.w) / 2, y - self.up_up)


class Scripts(Box):
    def __init__(self, base, sub, sup, size):
        self.base, self.sub, self.sup = base, sub, sup
        self.kind = base.kind
        italic_gap = size * 0.06 if getattr(base, "italic", False) else size * 0.02
        simple = isinstance(base, Glyphs)
        sup_up = size * 0.40
        sub_down = size * 0.20
        if not simple:
            if sup:
                sup_up = max(sup_up, base.h - sup.h * 0.7)
            sub_down = max(sub_down, base.d - (sub.h * 0.3 if sub else 0))
        if sub and sup:
            sub_down = max(sub_down, size * 0.26)
            # Keep a clear gap between the two scripts.
            clash = (sup_up - sup.d) - (sub.h - sub_down)
            if clash < size * 0.2:
                sup_up += (size * 0.2 - clash) / 2
                sub_down += (size * 0.2 - clash) / 2
        self.sup_up, self.sub_down = sup_up, sub_down
        self.sup_x = base.w + (italic_gap if sup else 0)
        self.sub_x = base.w - (size * 0.04 if getattr(base, "italic", False) else 0) + size * 0.01
        sw = self.sub_x + sub.w if sub else 0
        pw = self.sup_x + sup.w if sup else 0
        self.w = max(base.w, sw, pw) + size * 0.04
        self.h = max(base.h, sup_up + sup.h if sup else 0, sub.h - sub_down if sub else 0)
        self.d = max(base.d, sub_down + sub.d if sub else 0)

    def draw(self, cv, x, y):
        self.base.draw(cv, x, y)
        if self.sup:
            self.sup.draw(cv, x + self.sup_x, y - self.sup_up)
        if self.sub:
            self.sub.draw(cv, x + self.sub_x, y + self.sub_down)


class Matrix(Box):
    def __init__(self, rows, size, col_gap=None, row_gap=None):
        self.rows = rows
        ncol = max(len(r) for r in rows)
        self.col_w = [max(r[c].w for r in rows if c < len(r)) for c in range(ncol)]
        self.col_gap = size * 0.8 if col_gap is None else col_gap
        row_gap = size * 0.35 if row_gap is None else row_gap
        self.row_h = [max(c.h for c in r) for r in rows]
        self.row_d = [max(c.d for c in r) for r in rows]
        total = sum(self.row_h) + sum(self.row_d) + row_gap * (len(rows) - 1)
        self.baselines = []
        yy = 0.0
        for k in range(len(rows)):
            yy += self.row_h[k]
            self.baselines.append(yy)
            yy += self.row_d[k] + row_gap
        a = axis(size)
        self.top = total / 2 + a  # distance from the baseline up to the top
        self.h = self.top
        self.d = total - self.top
        self.w = sum(self.col_w) + self.col_gap * (ncol - 1)

    def draw(self, cv, x, y):
        for r, row in enumerate(self.rows):
            by = y - self.top + self.baselines[r]
            cx = x
            for c, cell in enumerate(row):
                cell.draw(cv, cx + (self.col_w[c] - cell.w) / 2, by)
                cx += self.col_w[c] + self.col_gap


# ---------------------------------------------------------------- markup
GREEK = {"Omega": "\u03a9", "omega": "\u03c9", "mu": "\u03bc", "Sigma": "\u03a3",
         "partial": "\u2202", "Delta": "\u0394", "alpha": "\u03b1"}
BIN = {"+": "+", "-": "\u2212", "cdot": "\u00b7", "times": "\u00d7"}
REL = {"=": "=", "neq": "\u2260", "ne": "\u2260"}


class Parser:
    """TeX-like markup: letters italic, digits roman; ^ _ {} \\frac \\sqrt \\left( \\right)
    \\rm{...} (roman) \\text{...} (roman, spaces kept) \\sum_{..}^{..} \\, \\; \\! and Greek names."""

    def __init__(self, src, size, min_size=7.0):
        self.s, self.i, self.size, self.min_size = src, 0, size, min_size

    def peek(self):
        return self.s[self.i] if self.i < len(self.s) else None

    def group_src(self):
        """Source of the next argument: a {...} group or one character / command."""
        self.skip_ws()
        c = self.peek()
        if c == "{":
            depth, start = 0, self.i
            while True:
                ch = self.s[self.i]
                if ch == "{":
                    depth += 1
                elif ch == "}":
                    depth -= 1
                    if depth == 0:
                        self.i += 1
                        return self.s[start + 1:self.i - 1]
                self.i += 1
        if c == "\\":
            start = self.i
            self.i += 1
            if self.i < len(self.s) and not self.s[self.i].isalpha():
                self.i += 1  # a one-character command such as \, or \;
                return self.s[start:self.i]
            while self.i < len(self.s) and self.s[self.i].isalpha():
                self.i += 1
            return self.s[start:self.i]
        self.i += 1
        return c

    def skip_ws(self):
        while self.peek() == " ":
            self.i += 1

    def sub_size(self, size):
        return max(self.min_size, size * 0.72)

    def parse(self, src=None, size=None, roman=False):
        if src is not None:
            saved = (self.s, self.i)
            self.s, self.i = src, 0
        size = size or self.size
        atoms = []
        while True:
            self.skip_ws()
            c = self.peek()
            if c is None or c == "}":
                break
            if c in "^_":
                self.i += 1
                arg = self.group_src()
                base = atoms.pop() if atoms else Space(0)
                sub = sup = None
                if isinstance(base, Scripts) and not base.sup and c == "^":
                    base, sub = base.base, base.sub
                if c == "_":
                    sub = self.parse(arg, self.sub_size(size), roman)
                else:
                    sup = self.parse(arg, self.sub_size(size), roman)
                self.skip_ws()
                nxt = self.peek()
                if nxt in ("^", "_") and nxt != c:
                    self.i += 1
                    arg2 = self.group_src()
                    if nxt == "_":
                        sub = self.parse(arg2, self.sub_size(size), roman)
                    else:
                        sup = self.parse(arg2, self.sub_size(size), roman)
                atoms.append(Scripts(base, sub, sup, size))
                continue
            atoms.append(self.atom(size, roman))
        box = self.spaced(atoms, size)
        if src is not None:
            self.s, self.i = saved
        return box

    def atom(self, size, roman):
        c = self.peek()
        if c == "{":
            return self.parse(self.group_src(), size, roman)
        if c == "\\":
            cmd = self.group_src()[1:]
            if cmd == "frac":
                n = self.parse(self.group_src(), size, roman)
                d = self.parse(self.group_src(), size, roman)
                return Frac(n, d, size)
            if cmd == "sqrt":
                return Sqrt(self.parse(self.group_src(), size, roman), size)
            if cmd in ("rm", "text"):
                arg = self.group_src()
                if cmd == "text":
                    return Glyphs(arg, "rm", size)
                return self.parse(arg, size, True)
            if cmd == "left":
                open_ch = self.group_src()
                start = self.i
                depth = 1
                while depth:
                    if self.s.startswith("\\left", self.i):
                        depth += 1
                        self.i += 5
                    elif self.s.startswith("\\right", self.i):
                        depth -= 1
                        self.i += 6
                    else:
                        self.i += 1
                inner_src = self.s[start:self.i - 6]
                close_ch = self.group_src()
                inner = self.parse(inner_src, size, roman)
                items = []
                if open_ch != ".":
                    items.append(Delim(open_ch, inner.h, inner.d, size))
                items.append(inner)
                if close_ch != ".":
                    items.append(Delim(close_ch, inner.h, inner.d, size))
                return HBox(items)
            if cmd == "sum":
                lower = upper = None
                self.skip_ws()
                while self.peek() in ("_", "^"):
                    which = self.peek()
                    self.i += 1
                    b = self.parse(self.group_src(), self.sub_size(size), roman)
                    if which == "_":
                        lower = b
                    else:
                        upper = b
                    self.skip_ws()
                return BigOp("\u2211", lower, upper, size)
            if cmd == ",":
                return Space(size * 0.17)
            if cmd == ";":
                return Space(size * 0.28)
            if cmd == "quad":
                return Space(size)
            if cmd == "!":
                return Space(-size * 0.17)
            if cmd == "cdots":
                return Dots("h", size)
            if cmd in BIN:
                return Glyphs(BIN[cmd], "rm", size, "bin")
            if cmd in REL:
                return Glyphs(REL[cmd], "rm", size, "rel")
            if cmd in GREEK:
                ch = GREEK[cmd]
                upright = ch.isupper() or cmd in ("partial", "Sigma") or roman
                return Glyphs(ch, "rm" if upright else "it", size)
            if cmd == "\\":
                return Glyphs("\\", "rm", size)
            raise ValueError("unknown command \\" + cmd)
        self.i += 1
        if c in BIN:
            return Glyphs(BIN[c], "rm", size, "bin")
        if c in REL:
            return Glyphs(REL[c], "rm", size, "rel")
        if c in "([":
            return Glyphs(c, "rm", size, "open")
        if c in ")]":
            return Glyphs(c, "rm", size, "close")
        if c == ",":
            return Glyphs(c, "rm", size, "punct")
        if c.isalpha() and not roman:
            # Join a run of italic letters in one box so their advances stay natural.
            return Glyphs(c, "it", size)
        return Glyphs(c, "rm", size)

    def spaced(self, atoms, size):
        """TeX-like spacing between atoms: relations and binary operators get room."""
        items = []
        prev = None
        for k, a in enumerate(atoms):
            kind = a.kind
            if kind == "bin" and (prev is None or prev in ("bin", "rel", "open", "punct", "op")):
                kind = "ord"  # a unary sign
            if prev is not None:
                gap = 0.0
                if kind == "rel" or prev == "rel":
                    gap = size * 0.28
                elif kind == "bin" or prev == "bin":
                    gap = size * 0.22
                elif prev == "punct":
                    gap = size * (0.17 if size >= 12 else 0.06)
                elif prev == "op":
                    gap = size * 0.12
                items.append(Space(gap))
            items.append(a)
            prev = kind if not (isinstance(a, Space)) else prev
        box = HBox(items)
        if len(atoms) == 1:
            box.kind = atoms[0].kind
        return box


def formula(src, size, min_size=7.0):
    return Parser(src, size, min_size).parse()


def place(cv, box, x=None, y=None, align="left", margin=3):
    """Draws `box` on the canvas: vertically centred unless `y` (the baseline) is given."""
    if y is None:
        y = (cv.height - (box.h + box.d)) / 2 + box.h
    if x is None:
        x = margin if align == "left" else (cv.width - box.w) / 2
    box.draw(cv, x, y)
    return x, y


def fits(cv, box, x, y, margin_x=2.0, margin_y=1.0):
    return (x >= margin_x and x + box.w <= cv.width - margin_x
            and y - box.h >= margin_y and y + box.d <= cv.height - margin_y)
