"""Checks on the committed assets, read back with the independent readers."""

import math
import re
import struct
import subprocess
import sys
import tempfile
import unittest
import wave
from pathlib import Path

import imagereaders

TOOLS = Path(__file__).resolve().parent
ASSETS = TOOLS.parents[1] / "assets"


def luminance(rgb):
    """Relative luminance as used for text contrast ratios."""
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast_with_white(rgb):
    return 1.05 / (luminance(rgb) + 0.05)


class GeneratorsTest(unittest.TestCase):
    def test_committed_assets_match_a_fresh_run(self):
        with tempfile.TemporaryDirectory() as out:
            for script in ("make_images.py", "make_sounds.py", "make_results.py"):
                subprocess.run([sys.executable, str(TOOLS / script), "--out", out],
                               check=True, stdout=subprocess.DEVNULL)
            made = sorted(p.relative_to(out) for p in Path(out).rglob("*") if p.is_file())
            self.assertGreaterEqual(len(made), 15)
            for name in made:
                with self.subTest(file=str(name)):
                    self.assertEqual((Path(out) / name).read_bytes(), (ASSETS / name).read_bytes())


class BackgroundTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        data = (ASSETS / "fontvl.gif").read_bytes()
        cls.header = data[:13]
        gif = imagereaders.read_gif(data)
        cls.size = (gif["width"], gif["height"])
        cls.pixels = [[gif["palette"][i] for i in row] for row in gif["indices"]]

    def test_fills_the_client_area_with_a_full_colour_table(self):
        self.assertEqual(self.header[:6], b"GIF89a")
        self.assertEqual(self.size, (445, 349))
        self.assertEqual(self.header[10] & 0x87, 0x87)  # global table of 256 entries

    def test_white_title_reads_on_the_band_and_margins_stay_warm_and_light(self):
        # The window's bold white name sits at x 21..70 over the top rows.
        for y in range(0, 14):
            for x in range(21, 71):
                self.assertGreaterEqual(contrast_with_white(self.pixels[y][x]), 4.5, (x, y))
        margins = [self.pixels[y][x] for y in range(20, 330) for x in (2, 8, 436, 442)]
        margins += [self.pixels[y][x] for y in (340, 346) for x in range(20, 425)]
        for r, g, b in margins:
            self.assertTrue(r >= 225 and 180 <= g <= 235 and 130 <= b <= 205 and r > g > b,
                            (r, g, b))


class GlyphTest(unittest.TestCase):
    def read(self, name):
        width, height, rows = imagereaders.read_bmp24((ASSETS / "images" / name).read_bytes())
        self.assertEqual((width, height), (9, 9))
        border = rows[0] + rows[8] + [row[0] for row in rows] + [row[8] for row in rows]
        for r, g, b in border:
            self.assertTrue(240 <= min(r, g, b) and max(r, g, b) <= 250, (r, g, b))
        # Pure black is the button's transparent colour: none may appear.
        self.assertNotIn((0, 0, 0), [p for row in rows for p in row])
        return rows

    def test_minimise_is_blue_with_a_low_white_bar(self):
        rows = self.read("glyph_minimise.bmp")
        white = {(x, y) for y in range(9) for x in range(9) if rows[y][x] == (255, 255, 255)}
        self.assertTrue(white and all(y >= 5 for _, y in white), white)
        self.assertEqual(len({y for _, y in white}), 1)  # one horizontal bar
        r, g, b = rows[3][4]
        self.assertGreater(b, r + 100)

    def test_close_is_orange_red_with_a_white_cross(self):
        rows = self.read("glyph_close.bmp")
        for x, y in ((4, 4), (2, 2), (6, 6), (2, 6), (6, 2)):
            self.assertEqual(rows[y][x], (255, 255, 255), (x, y))
        for x, y in ((4, 1), (1, 4), (4, 2)):
            r, g, b = rows[y][x]
            self.assertTrue(r > 180 and r > g + 80 and g > b, (x, y, rows[y][x]))


class PngIconsTest(unittest.TestCase):
    def read(self, name, size, max_colours=None):
        png = imagereaders.read_png((ASSETS / "images" / name).read_bytes())
        self.assertEqual((png["width"], png["height"]), (size, size), name)
        if max_colours:
            self.assertEqual(png["colour_type"], 3, name)
            self.assertLessEqual(len(png["palette"]), max_colours, name)
        return png["rgba"]

    def test_hand_cursor_points_from_the_hot_spot(self):
        rgba = self.read("hand_cursor.png", 32, 16)
        opaque = {(x, y) for y in range(32) for x in range(32) if rgba[y][x][3] == 255}
        self.assertTrue(all(rgba[y][x][3] in (0, 255) for y in range(32) for x in range(32)))
        self.assertEqual(min(x for x, _ in opaque), 0)
        self.assertEqual(min(y for _, y in opaque), 0)
        self.assertTrue({(0, 0), (1, 0), (0, 1), (1, 1)} & opaque)
        self.assertEqual(rgba[0][1][:3], (0, 0, 0))  # outlined fingertip
        # The finger is a white column under the tip, as wide as a finger.
        for y in range(2, 8):
            self.assertEqual([rgba[y][x][:3] for x in range(6)],
                             [(0, 0, 0)] + [(255, 255, 255)] * 4 + [(0, 0, 0)], y)
        self.assertEqual(rgba[31][31][3], 0)
        self.assertEqual(rgba[3][20][3], 0)  # nothing beside the raised finger

    def test_program_icon_is_a_tile_with_a_dark_t_at_every_size(self):
        for size in (16, 32, 48, 64, 128, 256):
            rgba = self.read("torvel_icon_%d.png" % size, size)
            for x, y in ((0, 0), (size - 1, 0), (0, size - 1), (size - 1, size - 1)):
                self.assertLess(rgba[y][x][3], 96, (size, x, y))  # rounded corners
            stem = rgba[size * 6 // 10][size // 2]
            bar = rgba[size // 4][size * 3 // 10]
            beside_stem = rgba[size * 6 // 10][size * 3 // 10]
            for pixel in (stem, bar, beside_stem):
                self.assertEqual(pixel[3], 255, size)
            self.assertLess(luminance(stem), 0.05, size)
            self.assertLess(luminance(bar), 0.05, size)
            self.assertGreater(luminance(beside_stem), 0.4, size)

    def test_records_icon_is_a_small_palette_picture_with_a_clear_outline(self):
        for size in (32, 16):
            rgba = self.read("records_icon_%d.png" % size, size, 16)
            self.assertEqual(rgba[0][0][3], 0)
            self.assertEqual(rgba[0][size - 1][3], 0)
            self.assertEqual(rgba[size // 3][size // 2][3], 255)  # the cup's body


class SoundTest(unittest.TestCase):
    def check(self, name, shortest, longest):
        with wave.open(str(ASSETS / "resources" / name)) as sound:
            self.assertEqual((sound.getnchannels(), sound.getsampwidth(), sound.getframerate(),
                              sound.getcomptype()), (1, 2, 44100, "NONE"))
            frames = sound.getnframes()
            samples = struct.unpack("<%dh" % frames, sound.readframes(frames))
        self.assertTrue(shortest <= frames / 44100 <= longest, frames)
        peak = max(abs(s) for s in samples)
        self.assertLess(peak, 32767)
        self.assertTrue(-13 <= 20 * math.log10(peak / 32768) <= -11, peak)
        # No pop at either edge: the sound fades in from and out to silence.
        self.assertLessEqual(abs(samples[0]), 16)
        self.assertLessEqual(abs(samples[-1]), 16)
        for edge in (samples[:22], samples[-22:]):
            self.assertLess(max(abs(s) for s in edge), peak / 4)
        # Soft means no sharp transient: no jump between neighbouring samples
        # comes near the full swing of the sound.
        steps = [abs(b - a) for a, b in zip(samples, samples[1:])]
        self.assertLess(max(steps), peak / 2)

    def test_over_sound_is_a_short_tick(self):
        self.check("over.wav", 0.040, 0.060)

    def test_click_sound_is_a_soft_pluck(self):
        self.check("click.wav", 0.060, 0.100)


class ResultsTableTest(unittest.TestCase):
    def test_twenty_cp1251_lines_of_names_then_descending_scores(self):
        data = (ASSETS / "results.tvl").read_bytes()
        self.assertTrue(data.endswith(b"\r\n"))
        lines = data[:-2].split(b"\r\n")
        self.assertEqual(len(lines), 20)
        for line in lines:
            self.assertNotIn(b"\r", line)
            self.assertNotIn(b"\n", line)
        text = [line.decode("cp1251") for line in lines]
        for name in text[:10]:
            self.assertRegex(name, r"^[А-ЯЁ][а-яё]+$")
        self.assertEqual(len(set(text[:10])), 10)
        for score in text[10:]:
            self.assertRegex(score, r"^[1-9][0-9]*$")
        scores = [int(s) for s in text[10:]]
        self.assertEqual(scores, sorted(set(scores), reverse=True))


if __name__ == "__main__":
    unittest.main()
