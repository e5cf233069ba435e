#!/usr/bin/env python3
"""Write the game's pictures into the assets folder.

fontvl.gif (main window background), the two 9 x 9 window-button glyphs, the
hand cursor, the program icon in six sizes and the best-results window's icon.
"""

import argparse
from pathlib import Path

import art_background
import art_cursor
import art_glyphs
import art_icons
import art_records
import imagecodec
import quantize


def pictures():
    """Yield (path inside the assets folder, file bytes) for every picture."""
    rows = art_background.background()
    palette = quantize.median_cut(rows, 256)
    yield "fontvl.gif", imagecodec.encode_gif(quantize.map_to_palette(rows, palette), palette)
    yield "images/glyph_minimise.bmp", imagecodec.encode_bmp24(art_glyphs.minimise_glyph())
    yield "images/glyph_close.bmp", imagecodec.encode_bmp24(art_glyphs.close_glyph())
    yield "images/hand_cursor.png", imagecodec.encode_png_palette(*art_cursor.hand_cursor())
    for size in art_icons.SIZES:
        yield ("images/torvel_icon_%d.png" % size,
               imagecodec.encode_png_rgba(art_icons.program_icon(size)))
    for size in (32, 16):
        yield ("images/records_icon_%d.png" % size,
               imagecodec.encode_png_palette(*art_records.records_icon(size)))


def main():
    default = Path(__file__).resolve().parents[2] / "assets"
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=Path, default=default, help="assets folder to write into")
    out = parser.parse_args().out
    for name, data in pictures():
        path = out / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        print("wrote %s (%d bytes)" % (path, len(data)))


if __name__ == "__main__":
    main()
