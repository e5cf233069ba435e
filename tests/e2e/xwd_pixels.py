#!/usr/bin/env python3
"""Prints the colours of points of an X window dump (xwd), one "x,y r,g,b" line
per point, so that a shell test can check a screenshot without an image
library. Handles the true-colour ZPixmap dumps of a 24- or 32-bit screen.

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


def read_dump(path):
    with open(path, "rb") as f:
        data = f.read()
    header = dict(zip(HEADER_FIELDS, struct.unpack(">25I", data[:100])))
    if header["file_version"] != 7 or header["pixmap_format"] != Z_PIXMAP:
        raise ValueError(f"{path}: not a ZPixmap X window dump of version 7")
    if header["visual_class"] != TRUE_COLOR or header["bits_per_pixel"] not in (24, 32):
        raise ValueError(f"{path}: only true-colour dumps of 24 or 32 bits per pixel are read")
    pixels = header["header_size"] + header["ncolors"] * XWD_COLOR_SIZE
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

    return channel(header["red_mask"]), channel(header["green_mask"]), channel(header["blue_mask"])


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
    except (OSError, ValueError, struct.error) as error:
        print(f"xwd_pixels: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
