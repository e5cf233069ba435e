"""The main window's background picture.

Most of it lies under the window's opaque panel; what shows is a margin of
about 14 pixels around the panel and the dark title band along the top, on
which the window writes its name in white bold letters at the left.
"""

import math
import random

WIDTH, HEIGHT = 445, 349
BAND_HEIGHT = 15

PAPER_TOP = (255, 226, 192)
PAPER_BOTTOM = (247, 206, 162)
BAND_TOP = (112, 46, 18)
BAND_BOTTOM = (150, 68, 28)
BAND_EDGE = (236, 170, 104)

# The ornament keeps clear of the title on the left and of the two small
# window buttons on the right.
ORNAMENT_FROM, ORNAMENT_TO = 96, 396
ORNAMENT_STEP = 12


def _lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def _smooth_noise(rng, spacing, width, height):
    """Bilinear value noise in -1..1, one random value per grid point."""
    cols, rows = width // spacing + 2, height // spacing + 2
    grid = [[rng.uniform(-1, 1) for _ in range(cols)] for _ in range(rows)]

    def at(x, y):
        gx, gy = x / spacing, y / spacing
        ix, iy = int(gx), int(gy)
        fx, fy = gx - ix, gy - iy
        # Smoothstep hides the grid's straight seams.
        fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        top = grid[iy][ix] + (grid[iy][ix + 1] - grid[iy][ix]) * fx
        bottom = grid[iy + 1][ix] + (grid[iy + 1][ix + 1] - grid[iy + 1][ix]) * fx
        return top + (bottom - top) * fy
    return at


def _in_ornament(x, y):
    """Small diamonds along the middle of the band, like a stitched braid."""
    if not ORNAMENT_FROM <= x < ORNAMENT_TO:
        return False
    dx = abs((x - ORNAMENT_FROM) % ORNAMENT_STEP - ORNAMENT_STEP // 2)
    dy = abs(y - 7)
    return dx + dy == 3 or (dx == 0 and dy == 0)


def _band_pixel(x, y, grain):
    colour = _lerp(BAND_TOP, BAND_BOTTOM, y / (BAND_HEIGHT - 1))
    if _in_ornament(x, y):
        colour = _lerp(colour, BAND_EDGE, 0.22)
    return tuple(c + grain * 2 for c in colour)


def _paper_pixel(x, y, grain, cloud):
    colour = _lerp(PAPER_TOP, PAPER_BOTTOM, y / (HEIGHT - 1))
    # A faint diagonal weave, just enough to keep the margins from looking flat.
    weave = math.sin((x + y) * math.pi / 4) * math.sin((x - y) * math.pi / 4)
    shade = 3.5 * cloud + 1.5 * weave + 2 * grain
    # The band casts a short soft shadow onto the paper.
    shade -= 16 * math.exp(-(y - BAND_HEIGHT - 1) / 2.0)
    # Darken towards the outer edges to frame the panel.
    edge = min(x, WIDTH - 1 - x, HEIGHT - 1 - y)
    shade -= 10 * max(0.0, 1 - edge / 12) ** 2
    return tuple(c + shade * k for c, k in zip(colour, (0.6, 1.0, 1.3)))


def background():
    """Rows of (r, g, b) for the whole 445 x 349 picture."""
    rng = random.Random(1957)
    cloud = _smooth_noise(rng, 23, WIDTH, HEIGHT)
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            grain = rng.uniform(-1, 1)
            if y < BAND_HEIGHT:
                colour = _band_pixel(x, y, grain)
            elif y == BAND_HEIGHT:
                colour = _lerp(BAND_EDGE, PAPER_TOP, 0.25)
            else:
                colour = _paper_pixel(x, y, grain, cloud(x, y))
            row.append(tuple(min(255, max(0, round(c))) for c in colour))
        rows.append(row)
    return rows
