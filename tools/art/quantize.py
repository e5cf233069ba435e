"""Reduce a true-colour picture to a palette for the GIF background.

Median cut chooses the palette from the picture's own colours, weighted by how
often they occur; every pixel then takes its nearest palette entry.
"""

from collections import Counter


def _channel_spans(box):
    return [max(c[ch] for c, _ in box) - min(c[ch] for c, _ in box) for ch in range(3)]


def _weight(box):
    # Split first the box whose widest channel spans most, weighted by its
    # pixel count, so large smooth areas get as many steps as sharp details.
    return max(_channel_spans(box)) * sum(n for _, n in box)


def median_cut(rows, size=256):
    """Return up to `size` (r, g, b) colours that represent the picture well."""
    counts = Counter(pixel for row in rows for pixel in row)
    first = list(counts.items())
    boxes = [(_weight(first), first)]
    while len(boxes) < size:
        index = max(range(len(boxes)), key=lambda i: boxes[i][0])
        weight, box = boxes[index]
        if weight == 0:
            break
        del boxes[index]
        spans = _channel_spans(box)
        channel = spans.index(max(spans))
        box.sort(key=lambda item: item[0][channel])
        half = sum(n for _, n in box) / 2
        running = 0
        cut = 1
        for cut, (_, n) in enumerate(box, start=1):
            running += n
            if running >= half:
                break
        cut = min(cut, len(box) - 1)
        boxes += [(_weight(part), part) for part in (box[:cut], box[cut:])]
    palette = []
    for _, box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[ch] * n for c, n in box) / total) for ch in range(3)))
    return sorted(set(palette))


def map_to_palette(rows, palette):
    """Replace every pixel by the index of its nearest palette colour."""
    cache = {}

    def nearest(colour):
        if colour not in cache:
            cache[colour] = min(range(len(palette)), key=lambda i: sum(
                (a - b) ** 2 for a, b in zip(colour, palette[i])))
        return cache[colour]

    return [[nearest(pixel) for pixel in row] for row in rows]
