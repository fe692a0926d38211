#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws the game's artwork and writes it as XPM files into game/pictures/.

Every picture is built from simple shapes, so the art can be tweaked and
regenerated: python3 tools/draw_pictures.py
"""

import math
import os

OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "game", "pictures")

# One character per colour, the same in every file, so the files stay readable.
GAME_KEY = [
    (" ", "#E0E0E0"),  # background grey
    (".", "#000000"),  # black
    ("w", "#FFFFFF"),  # white
    ("r", "#FF0000"),  # red
    ("g", "#00FF00"),  # green
    ("G", "#008000"),  # dark green
    ("b", "#0000FF"),  # blue
    ("y", "#FFFF00"),  # yellow
    ("m", "#FF00FF"),  # magenta
    ("c", "#00FFFF"),  # cyan
    ("o", "#FF8040"),  # orange
]

# The icon carries the classic 16-colour palette even though it uses three.
ICON_KEY = GAME_KEY[1:10] + [("1", "#800000"), ("2", "#808000"), ("3", "#000080"),
                             ("4", "#800080"), ("5", "#008080"), ("6", "#C0C0C0"),
                             ("7", "#808080")]

TRANSPARENT = "-"


# ---------------------------------------------------------------- raster

class Picture:
    def __init__(self, w, h, ground=" "):
        self.w, self.h = w, h
        self.px = [[ground] * w for _ in range(h)]

    def inside(self, x, y):
        return 0 <= x < self.w and 0 <= y < self.h

    def put(self, x, y, ch):
        if self.inside(x, y):
            self.px[y][x] = ch

    def fill(self, m, ch):
        for x, y in m:
            self.put(x, y, ch)

    def shape(self, m, ch, outline="."):
        """Fills a mask and rings it with a 1-px outline on its own edge.

        The outline uses 8-neighbours so that slanted edges stay unbroken
        when the picture is shrunk on the board.
        """
        self.fill(m, ch)
        if outline:
            self.fill(edge(m, self.w, self.h), outline)


def edge(m, w, h):
    """Pixels of a mask that touch (8-way) a pixel outside it or the border."""
    out = set()
    for x, y in m:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < w and 0 <= ny < h) or (nx, ny) not in m:
                    out.add((x, y))
    return out


def mask(w, h, test):
    """All pixels whose centre satisfies test(x, y) (continuous coordinates)."""
    return {(x, y) for y in range(h) for x in range(w) if test(x + 0.5, y + 0.5)}


# ---------------------------------------------------------------- shapes
# Each returns a test(x, y) on continuous coordinates; pixel (i, j) covers
# [i, i+1) x [j, j+1).

def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry, angle=0.0):
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def test(x, y):
        dx, dy = x - cx, y - cy
        u, v = dx * c + dy * s, -dx * s + dy * c
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0
    return test


def polygon(pts):
    def test(x, y):
        hit = False
        j = len(pts) - 1
        for i in range(len(pts)):
            (xi, yi), (xj, yj) = pts[i], pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return test


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def stadium(x0, y0, x1, y1):
    """Horizontal capsule: a rectangle with fully rounded ends."""
    r = (y1 - y0) / 2.0
    cy = (y0 + y1) / 2.0

    def test(x, y):
        if abs(y - cy) > r:
            return False
        if x0 + r <= x <= x1 - r:
            return True
        ex = x0 + r if x < x0 + r else x1 - r
        return (x - ex) ** 2 + (y - cy) ** 2 <= r * r
    return test


def segment(x0, y0, x1, y1, width):
    half = width / 2.0

    def test(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)
        t = max(0.0, min(1.0, t))
        return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= half
    return test


def bezier(p0, p1, p2, t):
    a, b, c = (1 - t) ** 2, 2 * (1 - t) * t, t * t
    return (a * p0[0] + b * p1[0] + c * p2[0], a * p0[1] + b * p1[1] + c * p2[1])


def tube(p0, p1, p2, width_at, steps=48):
    """Polygon around a quadratic curve, its width a function of t in 0..1."""
    left, right = [], []
    for i in range(steps + 1):
        t = i / steps
        x, y = bezier(p0, p1, p2, t)
        ax, ay = bezier(p0, p1, p2, max(0.0, t - 0.01))
        bx, by = bezier(p0, p1, p2, min(1.0, t + 0.01))
        tx, ty = bx - ax, by - ay
        n = math.hypot(tx, ty)
        nx, ny = -ty / n, tx / n
        hw = width_at(t) / 2.0
        left.append((x + nx * hw, y + ny * hw))
        right.append((x - nx * hw, y - ny * hw))
    return polygon(left + right[::-1])


def curve(p0, p1, p2, width):
    return tube(p0, p1, p2, lambda t: width)


def union(*tests):
    return lambda x, y: any(t(x, y) for t in tests)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def speckle(x, y):
    """Deterministic pseudo-random value in 0..1 for a pixel."""
    n = (x * 374761393 + y * 668265263) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65535.0


# ---------------------------------------------------------------- guess pictures
S = 40  # guess pictures are S x S


def new40():
    return Picture(S, S)


def M(test, w=S, h=S):
    return mask(w, h, test)


def draw_disc():
    p = new40()
    p.shape(M(circle(20, 20, 20)), "r")
    return p


def draw_square():
    p = Picture(S, S, ".")
    p.fill(M(rect(2, 2, 38, 38)), "y")
    return p


def draw_triangle():
    p = new40()
    p.shape(M(polygon([(20, -1.5), (40.5, 40), (-0.5, 40)])), "g")
    return p


def draw_rhombus():
    p = new40()
    p.shape(M(polygon([(20, -1.5), (35, 20), (20, 41.5), (5, 20)])), "b")
    return p


def draw_trapezoid():
    p = new40()
    p.shape(M(polygon([(9, 4), (31, 4), (40, 36), (0, 36)])), "m")
    return p


def draw_block_pyramid():
    p = new40()
    # Neighbouring blocks share their frame line; rows step by half a block.
    rows = [(0, [(13, "b")]), (13, [(6.5, "m"), (19.5, "y")]),
            (26, [(0, "g"), (13, "r"), (26, "c")])]
    for top, blocks in rows:
        for left, ch in blocks:
            p.shape(M(rect(left, top, left + 14, top + 14)), ch)
    return p


def draw_ball():
    p = new40()
    ball = circle(20, 20, 20)
    p.shape(M(ball), "b")
    # A slightly bent stripe and a small shine make it round, not a flat sign.
    stripe = lambda x, y: 45 <= math.hypot(x + 16, y + 16) <= 56.5
    p.shape(M(both(ball, stripe)), "w")
    p.fill(M(ellipse(11, 11, 3.5, 2, -45)), "w")
    return p


def draw_ring_pyramid():
    p = new40()
    p.shape(M(stadium(0, 29, 40, 40)), "G")
    p.shape(M(stadium(5, 20, 35, 30)), "m")
    p.shape(M(stadium(10, 11, 30, 21)), "b")
    p.shape(M(circle(20, 6.5, 6.5)), "r")
    return p


def pawn(cx, top):
    """Ball head, collar, cone body and round foot, standing on the bottom edge."""
    head = top + 6
    return union(circle(cx, head, 6),
                 ellipse(cx, head + 6.5, 5.5, 2),
                 polygon([(cx - 2.8, head + 6), (cx + 2.8, head + 6), (cx + 6.5, 35), (cx - 6.5, 35)]),
                 stadium(cx - 7, 33, cx + 7, 40))


def draw_pawns():
    p = new40()
    # The middle piece stands in front, a little overlapping its neighbours.
    for cx, top, ch in ((7, 3, "y"), (33, 3, "c"), (20, 0, "g")):
        p.shape(M(pawn(cx, top)), ch)
    return p


def draw_drum():
    p = new40()
    top_y, bottom_y, ry = 8.5, 31, 8.5
    top = ellipse(20, top_y, 20, ry)
    body = union(top, rect(0, top_y, 40, bottom_y), ellipse(20, bottom_y, 20, ry))
    p.shape(M(body), "y")

    def lower_edge(x, cy):
        u = (x - 20) / 20.0
        return cy + ry * math.sqrt(max(0.0, 1 - u * u))

    # Between the two hoops a zigzag splits the side into red teeth
    # pointing up and magenta ones pointing down.
    hoop = 3.5

    def band(x, y):
        return lower_edge(x, top_y) + hoop <= y <= lower_edge(x, bottom_y) - hoop

    def red(x, y):
        f = abs(((x - 20) / 6.67 + 1) % 2 - 1)  # 0 at the tips of the teeth
        y0, y1 = lower_edge(x, top_y) + hoop, lower_edge(x, bottom_y) - hoop
        return y >= y0 + (y1 - y0) * f
    p.shape(M(both(body, band)), "m")
    p.shape(M(both(both(body, band), red)), "r")
    p.shape(M(top), "y")
    return p


def draw_banana():
    p = new40()
    body = tube((2, 6), (15, 48), (36, 8), lambda t: 13 * math.sin(math.pi * t) ** 0.6 + 1.0)
    p.shape(M(body), "y")
    p.shape(M(segment(35, 10, 38, 2, 3.2)), ".", None)  # stem
    p.shape(M(circle(2.6, 6.5, 1.6)), ".", None)  # flower end
    return p


def draw_cherries():
    p = new40()
    for p0, p1 in (((10, 22), (12, 10)), ((30, 21), (27, 11))):
        p.shape(M(curve(p0, p1, (21, 2), 2.2)), "G", None)
    p.shape(M(ellipse(29, 5, 7.5, 3.2, -20)), "G")
    p.shape(M(circle(9.5, 30.5, 9.5)), "r")
    p.shape(M(circle(30.5, 30, 9.5)), "r")
    p.fill(M(circle(6.5, 27, 1.5)), "w")
    p.fill(M(circle(26, 26.5, 1.5)), "w")
    return p


def draw_mushroom():
    p = new40()
    stem = union(polygon([(14, 18), (26, 18), (28.5, 37), (11.5, 37)]), ellipse(20, 36.5, 8.5, 3.5))
    p.shape(M(stem), "w")
    cap = both(ellipse(20, 22, 20, 22), lambda x, y: y <= 25 - 7 * ((x - 20) / 20.0) ** 2)
    p.shape(M(cap), "o")
    for cx, cy, r in ((10, 13, 3), (21, 6.5, 3.2), (30, 13, 2.8), (19, 17, 2.3)):
        p.fill(M(both(cap, circle(cx, cy, r))), "w")
    return p


def draw_cheese():
    p = new40()
    tip, back_l, back_r = (0, 20), (21, 1), (40, 8)
    top = polygon([tip, back_l, back_r])
    # A bitten notch in the lower edge shows it is cheese, not a box.
    front = minus(polygon([tip, back_r, (40, 31), (0, 40)]), circle(24, 36, 3.2))
    p.shape(M(top), "y")
    p.shape(M(front), "y")
    # Rind: a band along the round back edge and the cut end on the right.
    ex, ey = back_r[0] - back_l[0], back_r[1] - back_l[1]
    along_back = lambda x, y: ((y - back_l[1]) * ex - (x - back_l[0]) * ey) / math.hypot(ex, ey) < 5
    p.shape(M(both(top, along_back)), "o")
    p.shape(M(both(front, lambda x, y: x >= 35.5)), "o")
    for cx, cy, rx, ry in ((8, 29, 3.2, 2.6), (19, 25.5, 4, 3.2), (29, 20, 2.8, 2.4), (28.5, 29.5, 2.6, 2.2),
                           (13, 33.5, 2.2, 1.8)):
        p.shape(M(both(front, ellipse(cx, cy, rx, ry))), "o")
    p.shape(M(ellipse(13, 15, 3, 1.8)), "o")
    return p


def draw_pear():
    p = new40()
    body = union(circle(20, 12.5, 7.5), circle(20, 19.5, 9.2), circle(20, 27, 13))
    p.shape(M(body), "y")

    # Blush on the right cheek, dots thinning out away from its middle.
    def blush(x, y):
        d = math.hypot(x - 26, y - 27) / 11.0
        return d < 1 and speckle(int(x), int(y)) < 1.15 - d
    inner = M(body) - edge(M(body), S, S)
    p.fill(M(blush) & inner, "o")
    p.shape(M(segment(20, 6, 22, 0.5, 2.4)), ".", None)
    p.shape(M(ellipse(27, 3.5, 5.5, 2.3, -15)), "G")
    return p


GUESS_PICTURES = [
    ("disc", draw_disc), ("square", draw_square), ("triangle", draw_triangle),
    ("rhombus", draw_rhombus), ("trapezoid", draw_trapezoid),
    ("block_pyramid", draw_block_pyramid), ("ball", draw_ball),
    ("ring_pyramid", draw_ring_pyramid), ("pawns", draw_pawns), ("drum", draw_drum),
    ("banana", draw_banana), ("cherries", draw_cherries), ("mushroom", draw_mushroom),
    ("cheese", draw_cheese), ("pear", draw_pear),
]


# ---------------------------------------------------------------- marks

def draw_x_mark():
    # Two 5-px strokes stepping one column per row: columns 3..26, rows 5..24.
    p = Picture(30, 30)
    for i in range(20):
        for k in range(5):
            p.put(3 + i + k, 5 + i, "b")
            p.put(26 - i - k, 5 + i, "b")
    return p


def question_hook(cx, cy, r_out, stroke):
    """Ring of a question mark with its lower left quarter left open."""
    ring = lambda x, y: (r_out - stroke) ** 2 < (x - cx) ** 2 + (y - cy) ** 2 <= r_out ** 2
    return lambda x, y: ring(x, y) and not (x < cx - 1.5 and y > cy + 0.5)


def draw_question_mark():
    # Hook over columns 8..22 from row 3, stem down to row 19, dot at rows 23..25.
    p = Picture(30, 30)
    p.fill(M(question_hook(15.5, 10.5, 7.5, 3), 30, 30), "r")
    p.fill(M(rect(14, 17, 17, 20), 30, 30), "r")
    p.fill(M(rect(14, 23, 17, 26), 30, 30), "r")
    return p


# ---------------------------------------------------------------- other pictures

def draw_board_background():
    p = Picture(335, 130)
    for row_y in (0, 67):
        for j in range(5):
            x0 = 68 * j
            for off in (0, 31, 62):
                for t in range(63):
                    p.put(x0 + t, row_y + off, ".")
                    p.put(x0 + off, row_y + t, ".")
    return p


def draw_window_icon():
    p = Picture(32, 32, "w")
    # Blue X: 3-px strokes across columns 0..15, rows 0..13.
    for i in range(14):
        for k in range(3):
            p.put(i + k, i, "b")
            p.put(15 - i - k, i, "b")
    # Red question mark: columns 17..30, rows 14..31.
    ring = minus(ellipse(24, 19.5, 7, 5.5), ellipse(24, 19.5, 4, 2.5))
    p.fill(M(minus(ring, lambda x, y: x < 22 and y > 20), 32, 32), "r")
    p.fill(M(rect(22, 24, 25, 27), 32, 32), "r")
    p.fill(M(rect(22, 29, 25, 32), 32, 32), "r")
    return p


def limb(x0, y0, x1, y1, w0, w1):
    """Tapered segment with rounded ends, w0 wide at the first point."""
    n = math.hypot(x1 - x0, y1 - y0)
    nx, ny = (y0 - y1) / n, (x1 - x0) / n
    side = polygon([(x0 + nx * w0 / 2, y0 + ny * w0 / 2), (x1 + nx * w1 / 2, y1 + ny * w1 / 2),
                    (x1 - nx * w1 / 2, y1 - ny * w1 / 2), (x0 - nx * w0 / 2, y0 - ny * w0 / 2)])
    return union(side, circle(x0, y0, w0 / 2), circle(x1, y1, w1 / 2))


def draw_about_emblem():
    # A person in profile, facing right: one hand raised to the brow in
    # thought, elbow forward, the other on the hip. The gaps the two arms
    # leave against the body are what make the pose readable.
    w, h = 71, 126
    p = Picture(w, h)
    figure = union(
        ellipse(35, 15, 9, 10.5),                           # head
        ellipse(31, 13, 7.5, 8.5, 20),                      # back of the head
        polygon([(42, 11), (48.5, 17.5), (42, 19)]),        # nose
        polygon([(40, 19), (44.5, 21), (44, 23.5), (38, 26)]),  # lips and chin
        limb(34, 22, 33, 32, 9, 10),                        # neck
        polygon([(23, 32), (43, 31), (46.5, 42), (44, 56), (43, 68), (27, 68), (24, 48)]),  # torso
        polygon([(26, 66), (44, 66), (45, 76), (25, 76)]),  # hips
        limb(39, 37, 63, 27, 10, 8),                        # upper arm, elbow forward
        limb(63, 27, 48, 7, 8, 6),                          # forearm up to the brow
        ellipse(44, 6.5, 5.5, 3.5, 10),                     # hand on the forehead
        limb(27, 36, 14, 53, 9, 7),                         # other upper arm, elbow back
        limb(14, 53, 27, 64, 7, 6),                         # forearm to the hip
        circle(28, 64, 4),                                  # hand on the hip
        limb(30.5, 72, 30, 95, 12, 9),                      # back thigh
        limb(31, 95, 27, 117, 9, 7),                        # back shin
        limb(39.5, 72, 43, 95, 12, 9),                      # front thigh
        limb(42, 95, 45, 117, 9, 7),                        # front shin
        polygon([(23, 114), (31, 114), (37, 121), (37, 125), (22, 125)]),  # back foot
        polygon([(41, 114), (49, 114), (57, 120), (57, 125), (41, 125)]),  # front foot
    )
    p.fill(M(figure, w, h), ".")
    return p


# Hand pointer, 17 x 22, index finger up at the left edge (hot spot 0,0).
HAND = """\
 ...
.www.
.www.
.www.
.www.
.www.
.www.
.www....
.www.www.
.www.www....
.www.www.www.
.www.www.www...
.www.www.www.ww.
.www.www.www.ww.
.wwwwwwwwwwwwww.
.wwwwwwwwwwwwww.
.wwwwwwwwwwwwww.
 .wwwwwwwwwwwww.
  .wwwwwwwwwww.
  .wwwwwwwwwww.
  .wwwwwwwwwww.
  .............
"""


def draw_link_pointer():
    p = Picture(32, 32, TRANSPARENT)
    for y, line in enumerate(HAND.splitlines()):
        for x, ch in enumerate(line):
            if ch != " ":
                p.put(x, y, ch)
    return p


# ---------------------------------------------------------------- output

def write_xpm(name, pic, key=GAME_KEY, declare_all=False):
    used = {ch for row in pic.px for ch in row}
    entries = [(ch, rgb) for ch, rgb in key if declare_all or ch in used]
    if TRANSPARENT in used:
        entries.append((TRANSPARENT, "None"))
    known = {ch for ch, _ in entries}
    assert used <= known, (name, used - known)
    lines = ["/* XPM */", "static const char *const %s_xpm[] = {" % name,
             '"%d %d %d 1",' % (pic.w, pic.h, len(entries))]
    lines += ['"%s c %s",' % e for e in entries]
    lines += ['"%s",' % "".join(row) for row in pic.px]
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    with open(os.path.join(OUT_DIR, name + ".xpm"), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, draw in GUESS_PICTURES:
        write_xpm(name, draw())
    write_xpm("x_mark", draw_x_mark())
    write_xpm("question_mark", draw_question_mark())
    write_xpm("board_background", draw_board_background())
    write_xpm("window_icon", draw_window_icon(), ICON_KEY, declare_all=True)
    write_xpm("about_emblem", draw_about_emblem())
    write_xpm("link_pointer", draw_link_pointer(), [(".", "#000000"), ("w", "#FFFFFF")])


if __name__ == "__main__":
    main()
