"""Writes the application's 49 pictures, <resource number>.svg, each exactly the size
of the control that shows it.

Run:  python3 make_pictures.py [output folder]   (needs python3-fonttools and DejaVu fonts)
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from mathsvg import (Bar, Canvas, Dots, Glyphs, HBox, Matrix, Space, fits,  # noqa: E402
                     formula, place)



def formula_picture(src, beside_text=None):
    """A formula, left-aligned, at the size its page chose.

    Vertically centred, unless it stands on the line of a label that starts at the top of
    its canvas: then its baseline goes as near as it can to the label's, `beside_text`
    pixels below the canvas's top.
    """
    def draw(cv, size):
        box = formula(src, size)
        y = None
        if beside_text is not None:
            y = round(max(beside_text, 2 + box.h))
        x, y = place(cv, box, y=y, margin=3)
        return [(box, x, y)]
    return draw


# Baselines of the labels beside the pictures, measured from the canvas's top: a 12-pixel
# label at the canvas's top, and an 18-pixel heading at the canvas's top.
LABEL_BASELINE = 11
HEADING_BASELINE = 17


def chemical(name):
    """A component's formula: digits as subscripts, the isomer prefix in italics."""
    prefix, body = ("", name)
    if name[0] in "in" and name[1] == "C":
        prefix, body = name[0], name[1:]
    src = ""
    for ch in body:
        src += "_%s" % ch if ch.isdigit() else ch
    src = src.replace("_1_0", "_{10}").replace("_1_2", "_{12}").replace("_1_4", "_{14}") \
             .replace("_1_6", "_{16}").replace("_1_8", "_{18}")
    src = r"\rm{%s}" % src
    if prefix:
        src = prefix + r"\text{-}" + src
    return src


def component_picture(name):
    """A component's formula, left-aligned so that the column of formulas has one edge."""
    def draw(cv, size):
        box = formula(chemical(name), size)
        x = 2.0
        y = round((cv.height + Glyphs("H", "rm", size).h) / 2)
        box.draw(cv, x, y)
        return [(box, x, y)]
    draw.component = True
    return draw


ALL_COMPONENTS = ["H2O", "CO2", "N2", "H2S", "NH3", "H2", "O2", "CO", "He", "Ne", "Ar",
                  "CH4", "C2H6", "C3H8", "iC4H10", "nC4H10", "iC5H12", "nC5H12",
                  "nC6H14", "nC7H16", "nC8H18"]


SEPARATOR = r"\text{, }"


def system_lines(size, width):
    """The 21 components as a list, broken into lines."""
    lines, current = [], []
    for k, name in enumerate(ALL_COMPONENTS):
        trial = current + [name]
        src = SEPARATOR.join(chemical(n) for n in trial) + SEPARATOR
        if current and formula(src, size).w > width:
            lines.append(current)
            trial = [name]
        current = trial
    lines.append(current)
    return lines


def gases_picture(cv, size):
    line_gap = round(size * 1.55)
    lines = system_lines(size, cv.width - 6)
    cap = Glyphs("H", "rm", size).h
    top = max(LABEL_BASELINE, round(cap) + 2)  # the first line on the line of "Fluid system:"
    placed = []
    for k, names in enumerate(lines):
        last = k == len(lines) - 1
        src = SEPARATOR.join(chemical(n) for n in names) + ("" if last else SEPARATOR)
        box = formula(src, size)
        x, y = 3, top + k * line_gap
        box.draw(cv, x, y)
        placed.append((box, x, y))
    if len(lines) > 3:
        placed.append((HBox([Space(1e4)]), 0, 0))  # more than three lines: too small to read
    return placed


def entry(row, col):
    """Element of the stability matrix: A with the variables V and n_2 … n_N as subscripts."""
    names = ["V", "n_2", "n_N"]
    return r"A_{%s%s}" % (names[row], names[col])


def spinodal_picture(cv, size):
    cells = []
    for r in (0, 1, None, 2):
        row = []
        for c in (0, 1, None, 2):
            if r is None and c is None:
                row.append(Dots("d", size))
            elif r is None:
                row.append(Dots("v", size))
            elif c is None:
                row.append(Dots("h", size))
            else:
                row.append(formula(entry(r, c), size))
        cells.append(row)
    m = Matrix(cells, size, col_gap=size * 0.75, row_gap=size * 0.38)
    bar = Bar(m.h + 1, m.d + 1, size)
    box = HBox([bar, Space(size * 0.1), m, Space(size * 0.1), bar, Space(size * 0.3),
                formula("= 0", size)])
    x, y = place(cv, box, margin=4)
    return [(box, x, y)]


def logo_picture(cv, size):
    # The icon: three Redlich–Kwong isotherms in reduced units (below, at and above the
    # critical temperature), the critical point marked.
    x0, y0, w, h = 12, 9, 70, 69
    cv.rect(x0, y0, 1.5, h)
    cv.rect(x0, y0 + h - 1.5, w, 1.5)
    k = 2 ** (1 / 3) - 1
    a, b = 1 / (9 * k), k / 3  # R = 1, Tc = 1, Pc = 1

    def pressure(t, v):
        return t / (v - b) - a / (math.sqrt(t) * v * (v + b))

    v_min, v_max, p_max = 0.17, 1.5, 2.4
    for t, colour, width in ((0.9, "#6b8db3", 1.3), (1.0, "#12355b", 2.0), (1.15, "#6b8db3", 1.3)):
        pts = []
        steps = 160
        for n in range(steps + 1):
            v = v_min + (v_max - v_min) * n / steps
            p = pressure(t, v)
            if p > p_max:
                pts = []
                continue
            pts.append((x0 + 5 + (v - v_min) / (v_max - v_min) * (w - 8),
                        y0 + h - 4 - p / p_max * (h - 8)))
        cv.polyline(pts, width, colour)
    cx = x0 + 5 + (1 / 3 - v_min) / (v_max - v_min) * (w - 8)
    cy = y0 + h - 4 - 1.0 / p_max * (h - 8)
    cv.circle(cx, cy, 3.3, "#c0392b")
    title = Glyphs("Vestrel CP", "bf", 36)
    title.draw(cv, 100, 48)
    sub = formula(r"\text{gas mixtures · Redlich–Kwong equation}", 13)
    sub.draw(cv, 102, 72)
    return [(title, 100, 48), (sub, 102, 72)]


def capsule(cv, fill):
    cv.raw('<rect x="4" y="4" width="112" height="37" rx="17" ry="17" fill="%s" '
           'stroke="#000" stroke-width="1.5"/>' % fill)


def liquid_picture(cv, size):
    """A liquid phase at its bubble point: a filled cell with one small vapour bubble."""
    capsule(cv, "#8fc1ea")
    cv.raw('<circle cx="88" cy="20" r="8" fill="#ffffff" stroke="#000" stroke-width="1.2"/>')
    return []


def vapour_picture(cv, size):
    """A vapour phase at its dew point: scattered molecules and one small droplet."""
    capsule(cv, "#f4f8fc")
    dots = [(18, 14), (30, 28), (42, 12), (52, 24), (63, 34), (70, 15), (80, 27), (93, 13),
            (101, 26), (24, 34), (46, 33), (86, 35), (60, 9)]
    for x, y in dots:
        cv.circle(x, y, 1.6, "#4a6f96")
    cv.raw('<circle cx="34" cy="19" r="4" fill="#8fc1ea" stroke="#000" stroke-width="1"/>')
    return []


PICTURES = [
    (168, "eos_223", 223, 55, formula_picture(
        r"P = \frac{RT}{V - b} - \frac{a}{\sqrt{T}\,V(V + b)}", beside_text=LABEL_BASELINE)),
    (169, "amix_173", 173, 50, formula_picture(
        r"a = \sum_{i} \sum_{j} x_i x_j a_{ij}")),
    (170, "bmix_134", 134, 50, formula_picture(r"b = \sum_{i} x_i b_i")),
    (171, "H2O_42", 42, 25, component_picture("H2O")),
    (172, "CO2_42", 42, 25, component_picture("CO2")),
    (173, "CH4_42", 42, 25, component_picture("CH4")),
    (174, "N2_27", 27, 25, component_picture("N2")),
    (175, "C2H6_48", 48, 25, component_picture("C2H6")),
    (176, "H2S_39", 39, 25, component_picture("H2S")),
    (177, "NH3_41", 41, 25, component_picture("NH3")),
    (178, "H2_27", 27, 25, component_picture("H2")),
    (179, "O2_29", 29, 25, component_picture("O2")),
    (180, "CO_35", 35, 25, component_picture("CO")),
    (181, "spinodal_295", 295, 100, spinodal_picture),
    (182, "ANV_166", 166, 60, formula_picture(
        r"A_{n_iV} = \left(\frac{\partial^2 A}{\partial n_i\,\partial V}\right)_{\!T,\,n_{j\neq i}}",
            beside_text=LABEL_BASELINE)),
    (183, "AVV_161", 161, 60, formula_picture(
        r"A_{VV} = \left(\frac{\partial^2 A}{\partial V^2}\right)_{\!T,\,n}",
            beside_text=LABEL_BASELINE)),
    (184, "dpdv_323", 323, 60, formula_picture(
        r"\left(\frac{\partial P}{\partial V}\right)_{\!T} = "
        r"-\frac{RT}{(V - b)^2} + \frac{a(2V + b)}{\sqrt{T}\,V^2(V + b)^2} = 0")),
    (185, "dpdv2_346", 346, 60, formula_picture(
        r"\left(\frac{\partial^2 P}{\partial V^2}\right)_{\!T} = "
        r"\frac{2RT}{(V - b)^3} - \frac{2a(3V^2 + 3Vb + b^2)}{\sqrt{T}\,V^3(V + b)^3} = 0")),
    (186, "Vc_113", 113, 50, formula_picture(r"V_{\rm{c}} = \frac{b}{2^{1/3} - 1}",
        beside_text=LABEL_BASELINE)),
    (189, "Entropy_148", 148, 55, formula_picture(
        r"\left(\frac{\partial S}{\partial V}\right)_{\!T} = "
        r"\left(\frac{\partial P}{\partial T}\right)_{\!V}", beside_text=HEADING_BASELINE)),
    (190, "Helmholtz_127", 127, 55, formula_picture(r"dA = -S\,dT - P\,dV",
        beside_text=HEADING_BASELINE)),
    (191, "Energy_215", 215, 55, formula_picture(r"dU = T\,dS - P\,dV",
        beside_text=HEADING_BASELINE)),
    (192, "Enthalpy_161", 161, 25, formula_picture(r"H = U + PV", beside_text=HEADING_BASELINE)),
    (193, "Gibbs_214", 214, 25, formula_picture(r"G = H - TS = A + PV",
        beside_text=HEADING_BASELINE)),
    (194, "chem_129", 129, 60, formula_picture(
        r"\mu_i = \left(\frac{\partial G}{\partial n_i}\right)_{\!T,P,n_{j\neq i}}",
            beside_text=HEADING_BASELINE)),
    (195, "Logo10", 368, 87, logo_picture),
    (196, "Liquid", 120, 45, liquid_picture),
    (197, "Vapour", 120, 45, vapour_picture),
    (198, "C3H8_48", 48, 25, component_picture("C3H8")),
    (199, "iC4H10_66", 66, 25, component_picture("iC4H10")),
    (200, "nC4H10_72", 72, 25, component_picture("nC4H10")),
    (201, "Ar_31", 31, 25, component_picture("Ar")),
    (202, "Tc_203", 203, 60, formula_picture(
        r"T_{\rm{c}} = \left(2^{1/3} - 1\right)^{4/3} \left(\frac{3a}{bR}\right)^{2/3}")),
    (203, "ai_150", 130, 50, formula_picture(
        r"a_i = \frac{\Omega_{a,i} R^2 T_{\rm{c}i}^{2.5}}{P_{\rm{c}i}}")),
    (204, "bi_126", 126, 50, formula_picture(
        r"b_i = \frac{\Omega_{b,i} R\, T_{\rm{c}i}}{P_{\rm{c}i}}")),
    (205, "aij_208", 208, 50, formula_picture(
        r"a_{ij} = \frac{(\Omega_{a,i} + \Omega_{a,j}) R^2 T_{\rm{c}ij}^{2.5}}{2 P_{\rm{c}ij}}")),
    (206, "pc_146", 146, 50, formula_picture(
        r"P_{\rm{c}ij} = \frac{z_{\rm{c}ij} R\, T_{\rm{c}ij}}{V_{\rm{c}ij}}")),
    (207, "Tcij_179", 179, 30, formula_picture(
        r"T_{\rm{c}ij} = (1 - k_{ij})\sqrt{T_{\rm{c}i} T_{\rm{c}j}}")),
    (208, "Vcij_179", 179, 50, formula_picture(
        r"V_{\rm{c}ij} = \left[(V_{\rm{c}i}^{1/3} + V_{\rm{c}j}^{1/3})/\,2\right]^3")),
    (209, "iC5H12_66", 66, 25, component_picture("iC5H12")),
    (210, "nC5H12_72", 72, 25, component_picture("nC5H12")),
    (211, "nC6H14_72", 72, 25, component_picture("nC6H14")),
    (212, "nC7H16_72", 72, 25, component_picture("nC7H16")),
    (213, "nC8H18_72", 72, 25, component_picture("nC8H18")),
    (214, "gases_293", 293, 70, gases_picture),
    (215, "He_34", 34, 25, component_picture("He")),
    (216, "Ne_34", 34, 25, component_picture("Ne")),
    (217, "pc_210", 210, 60, formula_picture(
        r"P_{\rm{c}} = \left(2^{1/3} - 1\right)^{7/3} \left(\frac{R a^2}{3 b^5}\right)^{1/3}")),
    (218, "zcij_228", 228, 50, formula_picture(
        r"z_{\rm{c}ij} = 0.291 - 0.08\,\frac{\omega_i + \omega_j}{2}")),
]


# Pictures shown together on one page share one formula size, the largest at which all
# of them fit; pictures alone in their window get the largest size that fits them.
PAGES = {
    "mixing": ["ai_150", "bi_126", "amix_173", "bmix_134", "aij_208", "pc_146", "Tcij_179",
               "Vcij_179", "zcij_228"],
    "spinodal": ["ANV_166", "AVV_161"],
    "explain": ["dpdv_323", "dpdv2_346", "Vc_113", "Tc_203", "pc_210"],
    "components": [row[1] for row in PICTURES if getattr(row[4], "component", False)],
}
LARGEST, SMALLEST = 16.0, 11.0
FIXED = {"Logo10": 0, "Liquid": 0, "Vapour": 0}
# The six thermodynamic windows are siblings: keep their formulas near one size.
LARGEST_FOR = {"components": 15.0, "gases_293": 13.5, "spinodal_295": 15.0, "mixing": 15.0,
               "Entropy_148": 15.0, "Helmholtz_127": 15.0, "Energy_215": 15.0,
               "Enthalpy_161": 15.0, "Gibbs_214": 15.0, "chem_129": 15.0}


def render(draw, width, height, size):
    cv = Canvas(width, height)
    placed = draw(cv, size)
    return cv, all(fits(cv, box, x, y) for box, x, y in placed)


def largest_fitting_size(rows, largest):
    size = largest
    while size >= SMALLEST:
        if all(render(draw, w, h, size)[1] for _, _, w, h, draw in rows):
            return size
        size -= 0.5
    raise SystemExit("does not fit at any readable size: " + ", ".join(r[1] for r in rows))


def chosen_sizes():
    sizes = {}
    grouped = set()
    for page, names in PAGES.items():
        rows = [r for r in PICTURES if r[1] in names]
        size = largest_fitting_size(rows, LARGEST_FOR.get(page, LARGEST))
        for r in rows:
            sizes[r[1]] = size
        grouped.update(names)
    for r in PICTURES:
        if r[1] in FIXED:
            sizes[r[1]] = FIXED[r[1]]
        elif r[1] not in grouped:
            sizes[r[1]] = largest_fitting_size([r], LARGEST_FOR.get(r[1], LARGEST))
    return sizes


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    sizes = chosen_sizes()
    for number, name, width, height, draw in PICTURES:
        cv, _ = render(draw, width, height, sizes[name])
        with open(os.path.join(out, "%d.svg" % number), "w", encoding="utf-8") as f:
            f.write(cv.svg(name))
        print("%d %-14s %gpx" % (number, name, sizes[name]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
