"""Writes Windows icon files whose entries have exactly the depths asked for.

Each entry is a BITMAPINFOHEADER bitmap (height doubled for the AND mask),
bottom-up rows padded to four bytes. 4- and 8-bit entries carry a palette,
every entry carries an AND mask (bit set = transparent), 32-bit entries also
carry their alpha.
"""

import struct

from PIL import Image

OPAQUE_ALPHA = 128  # at and above this alpha a pixel counts as opaque in the mask


def _row_stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def _and_mask(image):
    width, height = image.size
    stride = _row_stride(width, 1)
    alpha = image.getchannel("A").load()
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            if alpha[x, y] < OPAQUE_ALPHA:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def _palette_entry(image, colours):
    """Indexed bitmap for 4 or 8 bits: opaque pixels quantised to the palette."""
    width, height = image.size
    bits = 4 if colours == 16 else 8
    rgb = Image.new("RGB", image.size, (0, 0, 0))
    rgb.paste(image.convert("RGB"), mask=image.getchannel("A").point(lambda a: 255 if a >= OPAQUE_ALPHA else 0))
    quantised = rgb.quantize(colors=colours, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = quantised.getpalette()[: colours * 3]
    palette += [0] * (colours * 3 - len(palette))
    indices = quantised.load()
    alpha = image.getchannel("A").load()
    # the index of the darkest palette colour holds the transparent pixels
    darkest = min(range(colours), key=lambda i: sum(palette[i * 3 : i * 3 + 3]))
    stride = _row_stride(width, bits)
    pixels = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            index = indices[x, y] if alpha[x, y] >= OPAQUE_ALPHA else darkest
            if bits == 8:
                row[x] = index
            else:
                row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += row
    table = bytearray()
    for i in range(colours):
        r, g, b = palette[i * 3 : i * 3 + 3]
        table += bytes((b, g, r, 0))
    return bytes(table), bytes(pixels)


def _direct_entry(image, bits):
    width, height = image.size
    stride = _row_stride(width, bits)
    px = image.load()
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b, a = px[x, y]
            if bits == 32:
                row += bytes((b, g, r, a))
            elif a >= OPAQUE_ALPHA:
                row += bytes((b, g, r))
            else:
                row += b"\0\0\0"
        row += bytes(stride - len(row))
        out += row
    return bytes(out)


def entry_bytes(image, bits):
    image = image.convert("RGBA")
    width, height = image.size
    if bits in (4, 8):
        table, pixels = _palette_entry(image, 1 << bits)
        colours_used = 1 << bits
    elif bits in (24, 32):
        table, pixels = b"", _direct_entry(image, bits)
        colours_used = 0
    else:
        raise ValueError("unsupported depth %d" % bits)
    mask = _and_mask(image)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, len(pixels) + len(mask), 0, 0, colours_used, 0)
    return header + table + pixels + mask


def icon_file(entries):
    """entries: list of (RGBA image, bits per pixel), in directory order."""
    blobs = [entry_bytes(image, bits) for image, bits in entries]
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for (image, bits), blob in zip(entries, blobs):
        width, height = image.size
        colour_count = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colour_count, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)
