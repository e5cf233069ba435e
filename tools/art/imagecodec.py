"""Minimal writers for the picture formats the game ships: PNG, GIF89a and BMP.

Only the standard library is used, so the assets can be rebuilt anywhere with
plain python3. Pixels are passed as lists of rows.
"""

import struct
import zlib


def _png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def _png_file(width, height, bit_depth, colour_type, raw_rows, extra_chunks=()):
    ihdr = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0)
    # Filter type 0 on every row: the pictures are tiny, simplicity wins.
    raw = b"".join(b"\x00" + row for row in raw_rows)
    chunks = [_png_chunk(b"IHDR", ihdr)]
    chunks += [_png_chunk(kind, data) for kind, data in extra_chunks]
    chunks.append(_png_chunk(b"IDAT", zlib.compress(raw, 9)))
    chunks.append(_png_chunk(b"IEND", b""))
    return b"\x89PNG\r\n\x1a\n" + b"".join(chunks)


def encode_png_rgba(rows):
    """rows: lists of (r, g, b, a) tuples, 0..255 each."""
    height, width = len(rows), len(rows[0])
    raw_rows = [bytes(channel for pixel in row for channel in pixel) for row in rows]
    return _png_file(width, height, 8, 6, raw_rows)


def encode_png_palette(rows, palette):
    """rows: lists of palette indices; palette: up to 256 (r, g, b, a) entries.

    Small palettes are packed at 1, 2 or 4 bits per pixel. Alpha goes into a
    tRNS chunk, trimmed after the last entry that is not fully opaque.
    """
    if not 1 <= len(palette) <= 256:
        raise ValueError("palette must have 1 to 256 entries")
    height, width = len(rows), len(rows[0])
    depth = next(d for d in (1, 2, 4, 8) if len(palette) <= 1 << d)
    per_byte = 8 // depth
    raw_rows = []
    for row in rows:
        if any(not 0 <= i < len(palette) for i in row):
            raise ValueError("pixel index outside the palette")
        packed = bytearray()
        for start in range(0, width, per_byte):
            group = row[start:start + per_byte]
            byte = 0
            for slot in range(per_byte):
                value = group[slot] if slot < len(group) else 0
                byte = (byte << depth) | value
            packed.append(byte)
        raw_rows.append(bytes(packed))
    plte = bytes(c for r, g, b, _ in palette for c in (r, g, b))
    alphas = [a for *_, a in palette]
    while alphas and alphas[-1] == 255:
        alphas.pop()
    extra = [(b"PLTE", plte)]
    if alphas:
        extra.append((b"tRNS", bytes(alphas)))
    return _png_file(width, height, depth, 3, raw_rows, extra)


def encode_bmp24(rows):
    """rows: lists of (r, g, b); written as an uncompressed bottom-up BMP."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixel_bytes = bytearray()
    for row in reversed(rows):
        line = bytes(c for r, g, b in row for c in (b, g, r))
        pixel_bytes += line + b"\x00" * (stride - len(line))
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixel_bytes), 0, 0, offset)
    # 3780 pixels per metre is 96 dpi, the screen resolution the window
    # layouts assume, so a reader that goes by physical size sees 1:1 pixels.
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0,
                              len(pixel_bytes), 3780, 3780, 0, 0)
    return file_header + info_header + bytes(pixel_bytes)


def lzw_encode(indices, min_code_size):
    """GIF flavour of LZW: variable-width codes, least significant bit first.

    Returns the packed code stream (without the sub-block framing).
    """
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def fresh_table():
        return {(-1, i): i for i in range(clear)}

    width = min_code_size + 1
    table = fresh_table()
    next_code = end + 1
    emit(clear, width)
    prefix = -1
    for value in indices:
        if (prefix, value) in table:
            prefix = table[(prefix, value)]
            continue
        emit(prefix, width)
        if next_code < 4096:
            table[(prefix, value)] = next_code
            next_code += 1
            # The decoder learns each entry one code later than we do, so it
            # widens its codes only once the entry after this one exists.
            if next_code > 1 << width and width < 12:
                width += 1
        else:
            # Table full: start over so the rest of the picture still compresses.
            emit(clear, width)
            table = fresh_table()
            next_code = end + 1
            width = min_code_size + 1
        prefix = table[(-1, value)]
    if prefix != -1:
        emit(prefix, width)
        # Reading that last code, the decoder still adds its pending entry and
        # may widen its codes for the end code; keep in step with it.
        if next_code == 1 << width and width < 12:
            width += 1
    emit(end, width)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def encode_gif(rows, palette):
    """rows: lists of palette indices; palette: up to 256 (r, g, b) entries.

    One frame, no transparency, the palette padded to 256 entries as the
    global colour table.
    """
    if not 1 <= len(palette) <= 256:
        raise ValueError("palette must have 1 to 256 entries")
    height, width = len(rows), len(rows[0])
    table = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    header = b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF7, 0, 0)
    colour_table = bytes(c for rgb in table for c in rgb)
    descriptor = b"," + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data = lzw_encode([i for row in rows for i in row], 8)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    return header + colour_table + descriptor + b"\x08" + blocks + b"\x00;"
