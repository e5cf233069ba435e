#!/usr/bin/env python3
"""Compares two screenshots of the main window, one at a device pixel ratio of
1 and one at 2, for the real-window test of high-resolution screens:

- the "Таблица рекордов" button outside its caption shows the 1x pixels in
  2 x 2 blocks;
- its caption carries detail finer than 2 x 2 (drawn at the screen's own
  resolution, not blown up);
- both column outlines have all four sides, two device pixels wide.

Usage: ratio_check.py DUMP1 X1,Y1 DUMP2 X2,Y2 (each window's top-left corner
on its screen). Prints what fails and exits 1, or exits 0.
"""
import sys

from xwd_pixels import colour_at, read_dump

# The button and the outlines, in the window's pixels at a ratio of 1.
BUTTON = (37, 301, 119, 29)
OUTLINES = {"Shape2": (21, 49, 200, 211), "Shape3": (224, 49, 200, 211)}
WHITE = (255, 255, 255)


class Shot:
    def __init__(self, path, corner):
        self.header, self.pixels = read_dump(path)
        self.x, self.y = (int(v) for v in corner.split(","))

    def at(self, x, y):
        return colour_at(self.header, self.pixels, self.x + x, self.y + y)


def cut_corner(x, y, w, h):
    """The three pixels the button's window shape cuts at each corner."""
    cx = min(x, w - 1 - x)
    cy = min(y, h - 1 - y)
    return (cx, cy) in ((0, 0), (1, 0), (0, 1))


def caption_area(one):
    """The caption's ink inside the content rectangle at ratio 1, widened by a pixel."""
    left, top, w, h = BUTTON
    ink = [(x, y) for y in range(4, h - 4) for x in range(4, w - 4) if sum(one.at(left + x, top + y)) < 300]
    if not ink:
        return None
    xs = [x for x, _ in ink]
    ys = [y for _, y in ink]
    return min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1


def check(one, two):
    failures = []
    left, top, w, h = BUTTON
    area = caption_area(one)
    if area is None:
        return ["no caption found on the button at ratio 1"]
    finer = 0
    for y in range(h):
        for x in range(w):
            if cut_corner(x, y, w, h):
                continue
            block = {two.at(2 * (left + x) + dx, 2 * (top + y) + dy) for dx in (0, 1) for dy in (0, 1)}
            if area[0] <= x <= area[2] and area[1] <= y <= area[3]:
                finer += len(block) > 1
            elif block != {one.at(left + x, top + y)}:
                failures.append(f"button pixel ({x}, {y}) is {one.at(left + x, top + y)}, its 2 x 2 block {block}")
    if finer == 0:
        failures.append("the caption at ratio 2 is only 2 x 2 blocks: it was enlarged, not drawn at the screen's resolution")
    for name, (sx, sy, sw, sh) in OUTLINES.items():
        mx, my = 2 * (sx + sw // 2), 2 * (sy + sh // 2)
        sides = {
            "top": [(mx, 2 * sy), (mx, 2 * sy + 1)],
            "bottom": [(mx, 2 * (sy + sh) - 1), (mx, 2 * (sy + sh) - 2)],
            "left": [(2 * sx, my), (2 * sx + 1, my)],
            "right": [(2 * (sx + sw) - 1, my), (2 * (sx + sw) - 2, my)],
        }
        for side, points in sides.items():
            colours = [two.at(px, py) for px, py in points]
            if any(c != WHITE for c in colours):
                failures.append(f"{name}: the {side} side at ratio 2 is {colours}, not white two pixels deep")
    return failures


def main(argv):
    if len(argv) != 5:
        print(__doc__.strip().splitlines()[-3], file=sys.stderr)
        return 2
    try:
        failures = check(Shot(argv[1], argv[2]), Shot(argv[3], argv[4]))
    except (OSError, ValueError) as error:
        print(f"ratio_check: {error}", file=sys.stderr)
        return 1
    for failure in failures[:20]:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
