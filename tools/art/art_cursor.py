"""The buttons' hand cursor: a white hand pointing up, outlined in black.

The cursor's hot spot is its top-left pixel, so the tip of the index finger
sits in the corner; with no room left of the finger, the thumb is folded
against the palm, shown by its edge, instead of sticking out.
"""

from pixelart import parse_grid

PALETTE = [
    (0, 0, 0, 0),          # . transparent
    (0, 0, 0, 255),        # # outline
    (255, 255, 255, 255),  # o skin
    (196, 196, 196, 255),  # + shade
]

HAND = """
.####.
#oooo#
#oooo#
#oooo#
#oooo#
#oooo#
#oooo#
#oooo#
#oooo####
#oooo#ooo#
#oooo#ooo####
#oooo#ooo#ooo###
#oooo#ooo#ooo#oo#
#oooo#ooo#ooo#oo#
#oooo#oo+#oo+#o+#
#oooooooooooooo+#
#oooooooooooooo+#
#oooooooooooooo+#
#oo###ooooooooo+#
#ooooo#oooooooo+#
#oooooo#ooooooo+#
.#ooooo#ooooooo+#
.#ooooo#oooooo++#
..#oooo#ooooo++#
..##############
"""


def hand_cursor():
    """Return (rows of palette indices, palette) for the 32 x 32 cursor."""
    legend = {".": 0, "#": 1, "o": 2, "+": 3}
    return parse_grid(HAND, legend, 32, 32), PALETTE
