"""Reads the first image of an icon file holding palette images (1, 4 or 8 bits per pixel):
the picture as the window and the desktop should show it, as 0xAARRGGBB numbers, top row
first, alpha 0 where the mask is set and 255 elsewhere."""

import struct


def read_icon(path):
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count < 1:
        raise ValueError("not an icon file")
    width, height, _, _, _, _, _, offset = struct.unpack_from("<BBBBHHII", data, 6)
    width = width or 256
    height = height or 256
    header_size, _, double_height, _, bits, _, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, offset)
    if bits not in (1, 4, 8) or double_height != 2 * height:
        raise ValueError("only palette icons are read here")
    colours = used or (1 << bits)
    palette_at = offset + header_size
    palette = [struct.unpack_from("<BBBB", data, palette_at + 4 * i)[:3] for i in range(colours)]
    pixels_at = palette_at + 4 * colours
    row_bytes = ((width * bits + 31) // 32) * 4
    mask_at = pixels_at + row_bytes * height
    mask_row_bytes = ((width + 31) // 32) * 4
    image = []
    for y in range(height):
        stored_row = height - 1 - y  # rows are stored bottom up
        for x in range(width):
            bit_offset = x * bits
            byte = data[pixels_at + stored_row * row_bytes + bit_offset // 8]
            index = (byte >> (8 - bits - bit_offset % 8)) & ((1 << bits) - 1)
            blue, green, red = palette[index]
            masked = data[mask_at + stored_row * mask_row_bytes + x // 8] & (0x80 >> (x % 8))
            alpha = 0 if masked else 255
            image.append((alpha << 24) | (red << 16) | (green << 8) | blue)
    return width, height, image
