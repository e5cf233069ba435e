"""The program icon: a warm letter tile carrying a bold Cyrillic "Т".

Every size is drawn afresh rather than scaled, and the letter's bars are
snapped to whole pixels so that even the 16-pixel icon stays sharp.
"""

from raster import Canvas, rect, rounded_rect, vertical_gradient

SIZES = (16, 32, 48, 64, 128, 256)

EDGE = (142, 62, 26, 255)
LETTER = (104, 40, 14, 255)
TILE_TOP = (255, 218, 168, 255)
TILE_BOTTOM = (246, 172, 104, 255)


def _letter_t(size):
    """The "Т" as two pixel-aligned rectangles: crossbar and stem."""
    left = round(size * 0.22)
    top = round(size * 0.2)
    bar = max(2, round(size * 0.15))
    # An even stem on an even icon centres it exactly on the tile.
    stem = 2 * max(1, round(size * 0.085))
    bottom = size - round(size * 0.17)
    stem_left = (size - stem) // 2
    return (rect(left, top, size - left, top + bar),
            rect(stem_left, top, stem_left + stem, bottom))


def _tile_value(size):
    """A small "1" in the lower right corner, as on a letter tile."""
    height = round(size * 0.17)
    width = max(2, round(size * 0.04))
    right = size - round(size * 0.17)
    bottom = size - round(size * 0.14)
    x0, y0 = right - width, bottom - height
    flag = round(size * 0.05)

    def flag_shape(x, y):
        # A short stroke rising to the top of the stem, as a written "1" has.
        t = x - (x0 - flag)
        return 0 <= t <= flag + width and y0 + flag - t <= y <= y0 + flag - t + width * 0.9
    return lambda x, y: rect(x0, y0, right, bottom)(x, y) or flag_shape(x, y)


def program_icon(size):
    """Rows of (r, g, b, a) for the program icon at `size` x `size`."""
    canvas = Canvas(size, size)
    margin = round(size * 0.03)
    border = max(1, round(size / 24))
    radius = size * 0.19
    outer = (margin, margin, size - margin, size - margin)
    canvas.paint(rounded_rect(*outer, radius), EDGE)
    inner = tuple(v + d for v, d in zip(outer, (border, border, -border, -border)))
    canvas.paint(rounded_rect(*inner, radius - border),
                 vertical_gradient(TILE_TOP, TILE_BOTTOM, inner[1], inner[3]))
    if size >= 32:
        # A soft sheen on the upper half makes the tile read as raised.
        sheen = rounded_rect(inner[0] + border, inner[1] + border,
                             inner[2] - border, inner[3] - border, radius - 2 * border)
        canvas.paint(sheen, vertical_gradient((255, 255, 255, 90), (255, 255, 255, 0),
                                              inner[1], size * 0.6))
    shapes = _letter_t(size)
    if size >= 48:
        shift = max(1, round(size / 64))
        for shape in shapes:
            canvas.paint(lambda x, y, s=shape: s(x - shift, y - shift), (196, 104, 48, 150))
        canvas.paint(_tile_value(size), LETTER)
    for shape in shapes:
        canvas.paint(shape, LETTER, samples=1)
    return canvas.rgba_rows()
