"""The 9 x 9 pictures of the main window's minimise and close buttons.

The button treats pure black as transparent, so no pixel here is black; the
border is near-white rather than white so it still reads as a frame.
"""

from pixelart import parse_grid

BORDER = (248, 248, 248)
WHITE = (255, 255, 255)

MINIMISE = """
bbbbbbbbb
bBBBBBBBb
bBBBBBBBb
bBBBBBBBb
bBBBBBBBb
bBBBBBBBb
bBwwwwwBb
bBBBBBBBb
bbbbbbbbb
"""

CLOSE = """
bbbbbbbbb
bRRRRRRRb
bRwRRRwRb
bRRwRwRRb
bRRRwRRRb
bRRwRwRRb
bRwRRRwRb
bRRRRRRRb
bbbbbbbbb
"""


def _glyph(text, fill):
    colours = [BORDER, fill, WHITE]
    legend = {".": 0, "b": 0, "B": 1, "R": 1, "w": 2}
    return [[colours[i] for i in row] for row in parse_grid(text, legend, 9, 9)]


def minimise_glyph():
    """Blue square with a "_" bar, as rows of (r, g, b)."""
    return _glyph(MINIMISE, (38, 92, 196))


def close_glyph():
    """Orange-red square with an "x", as rows of (r, g, b)."""
    return _glyph(CLOSE, (222, 78, 38))
