#!/usr/bin/env python3
"""Prints the colours of points of an X window dump (xwd), one "x,y r,g,b" line
per point, so that a shell test can check a screenshot without an image
library. Handles the ZPixmap dumps of a 24-bit screen: true colour, and the
direct colour that xwd writes when windows of several visuals are on screen
(channels looked up in the dump's colour map).

Usage: xwd_pixels.py DUMP X,Y [X,Y...]
"""
import struct
import sys

HEADER_FIELDS = (
    "header_size file_version pixmap_format pixmap_depth pixmap_width pixmap_height "
    "xoffset byte_order bitmap_unit bitmap_bit_order bitmap_pad bits_per_pixel "
    "bytes_per_line visual_class red_mask green_mask blue_mask bits_per_rgb "
    "colormap_entries ncolors window_width window_height window_x window_y window_bdrwidth"
).split()
XWD_COLOR_SIZE = 12
Z_PIXMAP = 2
TRUE_COLOR = 4
DIRECT_COLOR = 5


def read_dump(path):
    with open(path, "rb") as f:
        data = f.read()
    header = dict(zip(HEADER_FIELDS, struct.unpack(">25I", data[:100])))
    if header["file_version"] != 7 or header["pixmap_format"] != Z_PIXMAP:
        raise ValueError(f"{path}: not a ZPixmap X window dump of version 7")
    if header["visual_class"] not in (TRUE_COLOR, DIRECT_COLOR) or header["bits_per_pixel"] not in (24, 32):
        raise ValueError(f"{path}: only true- or direct-colour dumps of 24 or 32 bits per pixel are read")
    colours = header["header_size"]
    pixels = colours + header["ncolors"] * XWD_COLOR_SIZE
    # Entry i of a direct-colour map holds what channel value i shows as.
    colour_map = [struct.unpack(">IHHHBB", data[at:at + XWD_COLOR_SIZE])[1:4]
                  for at in range(colours, pixels, XWD_COLOR_SIZE)]
    header["colour_map"] = colour_map if header["visual_class"] == DIRECT_COLOR else None
    return header, data[pixels:]


def colour_at(header, pixels, x, y):
    if not (0 <= x < header["pixmap_width"] and 0 <= y < header["pixmap_height"]):
        raise ValueError(f"point {x},{y} lies outside the dump")
    size = header["bits_per_pixel"] // 8
    offset = y * header["bytes_per_line"] + x * size
    order = "little" if header["byte_order"] == 0 else "big"
    value = int.from_bytes(pixels[offset:offset + size], order)

    def channel(mask):
        shift = (mask & -mask).bit_length() - 1
        return (value & mask) >> shift

    rgb = [channel(header[mask]) for mask in ("red_mask", "green_mask", "blue_mask")]
    if header["colour_map"] is not None:
        rgb = [header["colour_map"][value][i] >> 8 for i, value in enumerate(rgb)]
    return tuple(rgb)


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    try:
        header, pixels = read_dump(argv[1])
        for point in argv[2:]:
            x, y = (int(v) for v in point.split(","))
            r, g, b = colour_at(header, pixels, x, y)
            print(f"{x},{y} {r},{g},{b}")
    except (OSError, ValueError, IndexError, struct.error) as error:
        print(f"xwd_pixels: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
