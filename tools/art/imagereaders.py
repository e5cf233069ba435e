"""Independent readers for the files the generators write, used by the tests.

They follow the formats' own rules (all PNG filters, CRC checks, the full GIF
code stream) rather than the writers' habits, so a writer bug cannot hide
behind a matching reader bug.
"""

import struct
import zlib


class FormatError(ValueError):
    pass


def read_png(data):
    """Return dict with width, height, bit_depth, colour_type, palette and
    rgba: rows of (r, g, b, a). Handles palette (3) and RGBA (6) pictures."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise FormatError("not a PNG signature")
    pos, chunks = 8, []
    while pos < len(data):
        length, = struct.unpack(">I", data[pos:pos + 4])
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
        crc, = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(kind + body) != crc:
            raise FormatError("bad CRC in %r" % kind)
        chunks.append((kind, body))
        pos += 12 + length
    if chunks[0][0] != b"IHDR" or chunks[-1][0] != b"IEND":
        raise FormatError("IHDR must come first and IEND last")
    width, height, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if interlace:
        raise FormatError("interlaced PNG not supported here")
    plte = b"".join(body for kind, body in chunks if kind == b"PLTE")
    trns = b"".join(body for kind, body in chunks if kind == b"tRNS")
    palette = [tuple(plte[i:i + 3]) + ((trns[i // 3],) if i // 3 < len(trns) else (255,))
               for i in range(0, len(plte), 3)]
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    channels = {3: 1, 6: 4}[ctype]
    bits_per_pixel = channels * depth
    stride = (width * bits_per_pixel + 7) // 8
    bpp = max(1, bits_per_pixel // 8)
    if len(raw) != height * (stride + 1):
        raise FormatError("image data has the wrong length")
    previous = bytearray(stride)
    rgba = []
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = previous[i]
            up_left = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - up_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - up_left)
                pred = left if pa <= pb and pa <= pc else up if pb <= pc else up_left
                line[i] = (line[i] + pred) & 0xFF
            elif kind != 0:
                raise FormatError("unknown filter %d" % kind)
        previous = line
        if ctype == 6:
            rgba.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        else:
            per_byte = 8 // depth
            row = []
            for x in range(width):
                shift = 8 - depth * (x % per_byte + 1)
                index = (line[x // per_byte] >> shift) & ((1 << depth) - 1)
                if index >= len(palette):
                    raise FormatError("pixel index outside the palette")
                row.append(palette[index])
            rgba.append(row)
    return {"width": width, "height": height, "bit_depth": depth, "colour_type": ctype,
            "palette": palette, "rgba": rgba}


def read_bmp24(data):
    """Return (width, height, rows of (r, g, b)) of an uncompressed 24-bit BMP."""
    magic, size, _, _, offset = struct.unpack("<2sIHHI", data[:14])
    if magic != b"BM" or size != len(data):
        raise FormatError("bad BMP file header")
    header_size, width, height, planes, bits, compression = struct.unpack("<IiiHHI", data[14:34])
    if header_size != 40 or planes != 1 or bits != 24 or compression != 0:
        raise FormatError("not a plain 24-bit BITMAPINFOHEADER bitmap")
    stride = (width * 3 + 3) & ~3
    if len(data) != offset + stride * abs(height):
        raise FormatError("pixel data has the wrong length")
    rows = []
    for y in range(abs(height)):
        start = offset + y * stride
        line = data[start:start + width * 3]
        rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, width * 3, 3)])
    if height > 0:  # positive height: stored bottom-up
        rows.reverse()
    return width, height, rows


def lzw_decode(stream, min_code_size):
    """Decode a GIF LZW code stream into a list of indices; also return the
    number of clear codes met, so tests can see a table reset happen."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, clears = [], 0
    pos_bits, total_bits = 0, len(stream) * 8
    width = min_code_size + 1
    table, previous = None, None
    while True:
        if pos_bits + width > total_bits:
            raise FormatError("code stream ends without an end code")
        code = 0
        for i in range(width):
            bit = (stream[(pos_bits + i) // 8] >> ((pos_bits + i) % 8)) & 1
            code |= bit << i
        pos_bits += width
        if code == clear:
            clears += 1
            table = [[i] for i in range(clear)] + [None, None]
            width, previous = min_code_size + 1, None
            continue
        if code == end:
            return out, clears
        if table is None:
            raise FormatError("code stream must start with a clear code")
        if previous is None:
            if code >= clear:
                raise FormatError("first code after a clear must be a plain index")
            entry = table[code]
        elif code < len(table):
            entry = table[code]
            table.append(previous + entry[:1])
        elif code == len(table):
            entry = previous + previous[:1]
            table.append(entry)
        else:
            raise FormatError("code %d beyond the table" % code)
        out.extend(entry)
        previous = entry
        if len(table) == 1 << width and width < 12:
            width += 1
        if len(table) > 4096:
            raise FormatError("table overflow: a clear code was missing")


def read_gif(data):
    """Return dict with width, height, palette and indices (rows) of a
    single-frame GIF with a global colour table."""
    if data[:6] not in (b"GIF87a", b"GIF89a"):
        raise FormatError("not a GIF signature")
    width, height, flags, _, _ = struct.unpack("<HHBBB", data[6:13])
    if not flags & 0x80:
        raise FormatError("no global colour table")
    entries = 2 << (flags & 7)
    table = data[13:13 + 3 * entries]
    palette = [tuple(table[i:i + 3]) for i in range(0, len(table), 3)]
    pos = 13 + 3 * entries
    while data[pos] == 0x21:  # skip extensions
        pos += 2
        while data[pos]:
            pos += data[pos] + 1
        pos += 1
    if data[pos] != 0x2C:
        raise FormatError("image descriptor expected")
    left, top, w, h, image_flags = struct.unpack("<HHHHB", data[pos + 1:pos + 10])
    if (left, top, w, h) != (0, 0, width, height) or image_flags & 0xC0:
        raise FormatError("expected one full, non-interlaced frame without a local table")
    min_code_size = data[pos + 10]
    pos += 11
    stream = bytearray()
    while data[pos]:
        stream += data[pos + 1:pos + 1 + data[pos]]
        pos += data[pos] + 1
    if data[pos + 1:] != b";":
        raise FormatError("trailer expected after the image")
    indices, _ = lzw_decode(bytes(stream), min_code_size)
    if len(indices) != width * height:
        raise FormatError("decoded %d pixels for %d x %d" % (len(indices), width, height))
    rows = [indices[y * width:(y + 1) * width] for y in range(height)]
    return {"width": width, "height": height, "palette": palette, "indices": rows}
