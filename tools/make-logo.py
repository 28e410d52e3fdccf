#!/usr/bin/env python3
"""Draws the Brassmith logo: a brass hammer over an anvil in a brass ring.

Writes 24-bit BMP files (standard library only):
    tools/make-logo.py [OUTDIR]      default OUTDIR: generator/res
gives logo.bmp (128 x 128, main form and launcher) and logo57.bmp (57 x 57,
about box; drawn at that size, so it stays crisp instead of being scaled).

The scene lives in unit coordinates (0..1, y down) and is sampled on a
regular sub-pixel grid, which is all the anti-aliasing needed. Outside the
badge every pixel has exactly the background colour, so a picture shown as
transparent (keyed on its bottom-left pixel) loses precisely that area.
"""

import math
import os
import struct
import sys

BACKGROUND = (240, 240, 240)  # the usual button-face grey; edges blend into it

LIGHT = (-0.45, -0.60, 0.66)  # from the upper left, towards the viewer
_l = math.sqrt(sum(c * c for c in LIGHT))
LIGHT = tuple(c / _l for c in LIGHT)

# Brass ramp from shadow to highlight.
BRASS = [
    (0.00, (58, 34, 10)),
    (0.30, (128, 84, 28)),
    (0.55, (196, 146, 56)),
    (0.75, (232, 190, 92)),
    (0.90, (252, 228, 150)),
    (1.00, (255, 248, 214)),
]
STEEL = [
    (0.00, (30, 32, 36)),
    (0.40, (84, 88, 96)),
    (0.70, (150, 154, 162)),
    (0.90, (206, 210, 216)),
    (1.00, (244, 246, 250)),
]
WOOD = [
    (0.00, (46, 22, 10)),
    (0.45, (104, 56, 26)),
    (0.80, (150, 92, 48)),
    (1.00, (190, 128, 74)),
]


def clamp(x, lo=0.0, hi=1.0):
    return lo if x < lo else hi if x > hi else x


def ramp(stops, t):
    t = clamp(t)
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            f = (t - t0) / (t1 - t0) if t1 > t0 else 0.0
            return tuple(a + (b - a) * f for a, b in zip(c0, c1))
    return stops[-1][1]


def lit(nx, ny, nz=None, spec_power=24.0, spec=0.55):
    """Brightness 0..1 of a surface with normal (nx, ny, nz)."""
    if nz is None:
        nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
    d = nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2]
    # Reflection of the light about the normal, seen from straight ahead.
    rz = 2.0 * d * nz - LIGHT[2]
    s = clamp(rz) ** spec_power
    return clamp(0.18 + 0.62 * clamp(d) + spec * s)


def point_in_polygon(x, y, pts):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def polygon_edge_distance(x, y, pts):
    best = 1e9
    j = len(pts) - 1
    for i in range(len(pts)):
        ax, ay = pts[j]
        bx, by = pts[i]
        dx, dy = bx - ax, by - ay
        t = clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy))
        ex, ey = ax + t * dx - x, ay + t * dy - y
        best = min(best, math.hypot(ex, ey))
        j = i
    return best


CX, CY = 0.5, 0.5
R_OUT = 0.47     # outer edge of the ring
R_IN = 0.395     # inner edge of the ring
OUTLINE = 0.012  # dark line around the ring and the silhouettes

ANVIL = [
    (0.13, 0.560), (0.84, 0.560), (0.84, 0.630), (0.67, 0.630),
    (0.605, 0.668), (0.605, 0.718), (0.715, 0.750), (0.735, 0.800),
    (0.295, 0.800), (0.315, 0.750), (0.425, 0.718), (0.425, 0.668),
    (0.355, 0.630), (0.290, 0.618), (0.205, 0.592),
]
ANVIL_TOP = 0.560

# Hammer: the head just struck the anvil's face; the handle rises to the right.
HEAD_CENTRE = (0.352, 0.458)
HAMMER_ANGLE = math.radians(-45.0)  # handle direction, head to grip
HANDLE_LEN = 0.40
HANDLE_HALF = 0.026
GRIP_LEN = 0.13
HEAD_HALF_LEN = 0.135
HEAD_HALF_THICK = 0.058

SPARK_ORIGIN = (0.452, 0.556)
SPARKS = [(-6, 0.13), (-22, 0.18), (-40, 0.14), (-60, 0.17),
          (-82, 0.11), (-174, 0.09), (-160, 0.06)]


def hammer_frame(x, y):
    """Coordinates of (x, y) along the handle axis and across it."""
    ux, uy = math.cos(HAMMER_ANGLE), math.sin(HAMMER_ANGLE)
    px, py = x - HEAD_CENTRE[0], y - HEAD_CENTRE[1]
    along = px * ux + py * uy
    across = -px * uy + py * ux
    return along, across


def shade_ring(x, y, r):
    s = (r - R_IN) / (R_OUT - R_IN) * 2.0 - 1.0  # -1 inner edge, 1 outer
    rx, ry = (x - CX) / r, (y - CY) / r
    n = 0.92
    b = lit(rx * s * n, ry * s * n)
    # Rivets at the four diagonals.
    mid = (R_IN + R_OUT) / 2.0
    for a in (45, 135, 225, 315):
        ax = CX + mid * math.cos(math.radians(a))
        ay = CY + mid * math.sin(math.radians(a))
        d = math.hypot(x - ax, y - ay)
        if d < 0.021:
            if d > 0.016:
                return ramp(BRASS, 0.12)
            k = d / 0.016
            return ramp(BRASS, lit((x - ax) / 0.016 * 0.9, (y - ay) / 0.016 * 0.9) * (1.0 - 0.1 * k))
    return ramp(BRASS, b)


def shade_face(x, y, r):
    # Dark enamel, a little lighter towards the upper left, with a faint sight.
    t = r / R_IN
    g = 34 - 18 * t * t + 8 * clamp(-(x - CX) - (y - CY))
    col = [g, g, g + 3]
    on_sight = False
    if abs(x - CX) < 0.004 and 0.06 < abs(y - CY) < 0.36:
        on_sight = True
    if abs(y - CY) < 0.004 and 0.06 < abs(x - CX) < 0.36:
        on_sight = True
    if abs(r - 0.29) < 0.004:
        on_sight = True
    if on_sight:
        col = [c + 22 for c in col]
    # Warm glow where the sparks fly.
    d = math.hypot(x - SPARK_ORIGIN[0], y - SPARK_ORIGIN[1])
    glow = clamp(1.0 - d / 0.16) ** 2
    col = [col[0] + 120 * glow, col[1] + 60 * glow, col[2] + 10 * glow]
    return tuple(col)


def shade_anvil(x, y):
    if y < ANVIL_TOP + 0.014:
        return ramp(STEEL, 0.96 - 0.25 * clamp((x - 0.13) / 0.71))
    # Body: rounded front faces, lit from the left, darker towards the foot.
    t = (y - ANVIL_TOP) / (0.800 - ANVIL_TOP)
    side = clamp((x - 0.30) / 0.50)
    b = lit(-0.55 + 1.1 * side, 0.15 + 0.3 * t, spec=0.35)
    return ramp(STEEL, b * (1.0 - 0.35 * t))


def shade_hammer(x, y):
    along, across = hammer_frame(x, y)
    ux, uy = math.cos(HAMMER_ANGLE), math.sin(HAMMER_ANGLE)
    vx, vy = -uy, ux
    if abs(along) <= HEAD_HALF_THICK and abs(across) <= HEAD_HALF_LEN:
        # Head: a brass bar with bevelled edges and steel striking faces.
        bevel = 0.016
        a = b = 0.0
        if HEAD_HALF_THICK - abs(along) < bevel:
            a = math.copysign(0.7, along)
        if HEAD_HALF_LEN - abs(across) < bevel:
            b = math.copysign(0.7, across)
        face = HEAD_HALF_LEN - abs(across) < 0.034
        light = lit(ux * a + vx * b, uy * a + vy * b, spec=0.5)
        light *= 1.0 - 0.18 * (across / HEAD_HALF_LEN + along / HEAD_HALF_THICK * 0.5)
        return ramp(STEEL if face else BRASS, light)
    if 0.0 <= along <= HANDLE_LEN and abs(across) <= HANDLE_HALF:
        k = across / HANDLE_HALF
        b = lit(vx * k * 0.9, vy * k * 0.9, spec=0.25)
        if along > HANDLE_LEN - GRIP_LEN:  # wrapped grip
            band = (along * 90.0) % 1.0
            return ramp(WOOD, b * (0.55 if band < 0.22 else 0.8))
        return ramp(WOOD, b)
    return None


def in_hammer(x, y, grow=0.0):
    along, across = hammer_frame(x, y)
    if abs(along) <= HEAD_HALF_THICK + grow and abs(across) <= HEAD_HALF_LEN + grow:
        return True
    return 0.0 <= along <= HANDLE_LEN + grow and abs(across) <= HANDLE_HALF + grow


def spark_light(x, y):
    total = 0.0
    for ang, length in SPARKS:
        a = math.radians(ang)
        dx, dy = math.cos(a), math.sin(a)
        px, py = x - SPARK_ORIGIN[0], y - SPARK_ORIGIN[1]
        t = px * dx + py * dy
        start = 0.03
        if start <= t <= start + length:
            off = abs(-px * dy + py * dx)
            w = 0.012 * (1.0 - (t - start) / length) + 0.003
            if off < w:
                total = max(total, 1.0 - (t - start) / length * 0.6)
    return total


def sample(x, y):
    r = math.hypot(x - CX, y - CY)
    if r > R_OUT + OUTLINE:
        return BACKGROUND
    if r > R_OUT:
        return (40, 26, 10)
    if r >= R_IN:
        return shade_ring(x, y, r)
    if r > R_IN - OUTLINE * 0.7:
        return (22, 14, 6)
    if in_hammer(x, y):
        return shade_hammer(x, y)
    if in_hammer(x, y, OUTLINE * 0.8):
        return (14, 10, 6)
    if point_in_polygon(x, y, ANVIL):
        return shade_anvil(x, y)
    if polygon_edge_distance(x, y, ANVIL) < OUTLINE * 0.8:
        return (10, 10, 12)
    col = shade_face(x, y, r)
    s = spark_light(x, y)
    if s > 0.0:
        col = tuple(c + (h - c) * s for c, h in zip(col, (255, 226, 120)))
    return col


def render(size, grid):
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            for sy in range(grid):
                for sx in range(grid):
                    x = (px + (sx + 0.5) / grid) / size
                    y = (py + (sy + 0.5) / grid) / size
                    c = sample(x, y)
                    acc[0] += c[0]
                    acc[1] += c[1]
                    acc[2] += c[2]
            n = grid * grid
            row.append(tuple(int(round(clamp(v / n, 0, 255))) for v in acc))
        rows.append(row)
    return rows


def write_bmp(path, rows):
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        image += line
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(image), 0, 0, header_size)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(file_header + info + bytes(image))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "generator", "res")
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "logo.bmp"), render(128, 5))
    write_bmp(os.path.join(out, "logo57.bmp"), render(57, 7))


if __name__ == "__main__":
    main()
