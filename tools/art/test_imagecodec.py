"""Round trips through the picture writers and the independent readers."""

import random
import unittest

import imagecodec
import imagereaders


class LzwTest(unittest.TestCase):
    def test_matches_the_well_known_ten_by_ten_example(self):
        # The classic four-colour 10 x 10 sample from GIF tutorials and its
        # published code stream, so the bit packing is checked against
        # something other than our own reader.
        picture = ("1111122222" "1111122222" "1111122222" "1110000222" "1110000222"
                   "2220000111" "2220000111" "2222211111" "2222211111" "2222211111")
        expected = bytes.fromhex("8c2d99872a1cdc33a00275ec95faa8de608c04914c01")
        self.assertEqual(imagecodec.lzw_encode([int(c) for c in picture], 2), expected)

    def test_round_trip_across_code_width_changes_and_table_resets(self):
        rng = random.Random(7)
        cases = [([], 8), ([5], 8), ([0] * 20000, 8), ([3, 3, 3, 0] * 500, 2)]
        # Every length across the 9->10 and 10->11 bit steps, so the stream
        # also ends right at, before and after a width change.
        noise8 = [rng.randrange(256) for _ in range(1100)]
        cases += [(noise8[:n], 8) for n in range(230, 1100)]
        noise2 = [rng.randrange(4) for _ in range(200)]
        cases += [(noise2[:n], 2) for n in range(200)]
        for data, size in cases:
            decoded, _ = imagereaders.lzw_decode(imagecodec.lzw_encode(data, size), size)
            self.assertEqual(decoded, data, "length %d, code size %d" % (len(data), size))

    def test_full_table_is_reset_with_clear_codes(self):
        rng = random.Random(11)
        data = [rng.randrange(256) for _ in range(30000)]
        decoded, clears = imagereaders.lzw_decode(imagecodec.lzw_encode(data, 8), 8)
        self.assertEqual(decoded, data)
        self.assertGreater(clears, 2)  # the initial clear plus resets of a full table


class WriterRoundTripTest(unittest.TestCase):
    def test_palette_png_packs_every_bit_depth_and_odd_width(self):
        rng = random.Random(3)
        for colours, depth in ((2, 1), (3, 2), (16, 4), (17, 8)):
            palette = [(i * 13 % 256, i * 29 % 256, i * 47 % 256, 255 if i else 0)
                       for i in range(colours)]
            for width in (1, 3, 5, 7, 9):
                rows = [[rng.randrange(colours) for _ in range(width)] for _ in range(4)]
                png = imagereaders.read_png(imagecodec.encode_png_palette(rows, palette))
                self.assertEqual((png["width"], png["height"], png["bit_depth"]), (width, 4, depth))
                self.assertEqual(png["rgba"], [[palette[i] for i in row] for row in rows])

    def test_rgba_png_keeps_every_channel(self):
        rows = [[(x * 40, y * 60, 255 - x * 40, (x + y) * 30) for x in range(5)] for y in range(3)]
        png = imagereaders.read_png(imagecodec.encode_png_rgba(rows))
        self.assertEqual((png["colour_type"], png["rgba"]), (6, rows))

    def test_bmp_rows_are_bottom_up_bgr_and_padded(self):
        for width in range(1, 6):
            rows = [[(10 * x + 1, 20 * y + 2, 3 + x + y) for x in range(width)] for y in range(3)]
            data = imagecodec.encode_bmp24(rows)
            self.assertEqual(len(data), 54 + 3 * ((width * 3 + 3) // 4 * 4))
            self.assertEqual(imagereaders.read_bmp24(data), (width, 3, rows))

    def test_gif_keeps_size_palette_and_pixels(self):
        rows = [[(x * y) % 5 for x in range(7)] for y in range(4)]
        palette = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (9, 9, 9), (200, 100, 50)]
        gif = imagereaders.read_gif(imagecodec.encode_gif(rows, palette))
        self.assertEqual((gif["width"], gif["height"], gif["indices"]), (7, 4, rows))
        self.assertEqual(gif["palette"][:5], palette)
        self.assertEqual(len(gif["palette"]), 256)

    def test_palette_writers_refuse_what_they_cannot_store(self):
        with self.assertRaises(ValueError):
            imagecodec.encode_png_palette([[2]], [(0, 0, 0, 255), (1, 1, 1, 255)])
        with self.assertRaises(ValueError):
            imagecodec.encode_gif([[0]], [(0, 0, 0)] * 257)


if __name__ == "__main__":
    unittest.main()
