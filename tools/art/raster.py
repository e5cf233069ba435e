"""A tiny anti-aliased painter for the generated icons.

Shapes are predicates on continuous coordinates (pixel (x, y) spans x..x+1,
y..y+1); painting samples each pixel on a regular grid and blends the colour
over what is there in proportion to the covered samples.
"""


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        # Distance into the corner square decides; elsewhere the box is enough.
        dx = max(x0 + radius - x, x - (x1 - radius), 0)
        dy = max(y0 + radius - y, y - (y1 - radius), 0)
        return dx * dx + dy * dy <= radius * radius
    return inside


class Canvas:
    """RGBA picture held premultiplied in floats 0..1."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def paint(self, shape, colour, samples=4):
        """Blend `colour` over the pixels covered by `shape`.

        colour: (r, g, b, a) in 0..255, or a function of the pixel centre
        giving one, for gradients. samples: grid points per pixel side.
        """
        offsets = [(i + 0.5) / samples for i in range(samples)]
        total = samples * samples
        for py in range(self.height):
            row = self.pixels[py]
            for px in range(self.width):
                hits = sum(shape(px + ox, py + oy) for oy in offsets for ox in offsets)
                if not hits:
                    continue
                r, g, b, a = colour(px + 0.5, py + 0.5) if callable(colour) else colour
                alpha = a / 255 * hits / total
                old = row[px]
                row[px] = (r / 255 * alpha + old[0] * (1 - alpha),
                           g / 255 * alpha + old[1] * (1 - alpha),
                           b / 255 * alpha + old[2] * (1 - alpha),
                           alpha + old[3] * (1 - alpha))

    def rgba_rows(self):
        """The picture as rows of straight-alpha (r, g, b, a) byte tuples."""
        rows = []
        for row in self.pixels:
            out = []
            for r, g, b, a in row:
                if a <= 0:
                    out.append((0, 0, 0, 0))
                else:
                    out.append(tuple(min(255, round(c / a * 255)) for c in (r, g, b))
                               + (round(a * 255),))
            rows.append(out)
        return rows


def vertical_gradient(top, bottom, y0, y1):
    """Colour function blending `top` at y0 to `bottom` at y1 (clamped)."""
    def colour(_x, y):
        t = min(max((y - y0) / (y1 - y0), 0.0), 1.0)
        return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
    return colour
