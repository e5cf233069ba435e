"""Pixel maps drawn as text: one character per pixel, one line per row."""


def parse_grid(text, legend, width, height):
    """Turn a text grid into rows of palette indices.

    legend maps each character to an index. Lines shorter than `width` and
    missing lines at the bottom are filled with the index of '.', so a picture
    only needs to spell out its drawn part.
    """
    lines = text.strip("\n").split("\n")
    if len(lines) > height or any(len(line) > width for line in lines):
        raise ValueError("pixel map larger than %d x %d" % (width, height))
    blank = legend["."]
    rows = []
    for line in lines + [""] * (height - len(lines)):
        try:
            rows.append([legend[ch] for ch in line] + [blank] * (width - len(line)))
        except KeyError as error:
            raise ValueError("character %r not in the legend" % error.args[0]) from None
    return rows
