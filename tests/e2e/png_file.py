"""Reads an 8-bit RGBA or RGB PNG file (not interlaced) into 0xAARRGGBB numbers, top row first."""

import struct
import zlib


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    at = 8
    header = None
    compressed = b""
    while at < len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        elif kind == b"IEND":
            break
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        raise ValueError("only 8-bit RGB or RGBA PNG files are read here")
    bpp = 4 if colour == 6 else 3
    raw = zlib.decompress(compressed)
    stride = width * bpp
    previous = bytearray(stride)
    pixels = []
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = row[i - bpp] if i >= bpp else 0
            up = previous[i]
            upper_left = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                row[i] = (row[i] + _paeth(left, up, upper_left)) & 0xFF
        for x in range(width):
            r, g, b = row[x * bpp:x * bpp + 3]
            alpha = row[x * bpp + 3] if bpp == 4 else 255
            pixels.append((alpha << 24) | (r << 16) | (g << 8) | b)
        previous = row
    return width, height, pixels
