"""The committed picture files of assets/ have the format, size and entries of the image set.

Run: /usr/bin/python3 -m pytest tests/ui/test_image_assets.py   (needs python3-pil)
"""

import os
import struct

import pytest
from PIL import Image

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")

# number: ("png", (w, h), mode) | ("jpg", (w, h)) | ("ico", [(size, bits), ...])
IMAGE_SET = {
    0: ("ico", [(16, 24)]),
    1: ("ico", [(16, 24), (16, 32)]),
    2: ("png", (128, 128), "RGBA"),
    3: ("ico", [(32, 8)]),
    4: ("ico", [(32, 4)]),
    5: ("jpg", (420, 77)),
    6: ("png", (42, 42), "RGB"),
    7: ("png", (42, 42), "RGB"),
    8: ("png", (42, 42), "RGB"),
    9: ("png", (50, 45), "RGBA"),
    10: ("jpg", (134, 31)),
    11: ("jpg", (134, 31)),
    12: ("ico", [(16, 4), (16, 24), (16, 32)]),
    13: ("ico", [(16, 24)]),
    14: ("ico", [(16, 24)]),
    15: ("png", (16, 16), "RGBA"),
    16: ("ico", [(16, 24)]),
    17: ("ico", [(16, 24)]),
    18: ("ico", [(32, 8)]),
    19: ("png", (40, 40), "RGBA"),
    20: ("ico", [(48, 4)]),
    21: ("ico", [(48, 8), (32, 8), (16, 8), (48, 32), (32, 32)]),
    22: ("ico", [(48, 32)]),
    23: ("ico", [(48, 32), (32, 32), (16, 32)]),
    24: ("ico", [(48, 8), (32, 8), (16, 8), (48, 32), (32, 32), (16, 32)]),
    25: ("png", (64, 64), "RGBA"),
    26: ("png", (64, 64), "RGBA"),
    27: ("ico", [(48, 32)]),
    28: ("ico", [(48, 32)]),
    29: ("ico", [(48, 32)]),
    30: ("ico", [(48, 32)]),
    31: ("ico", [(48, 32)]),
    32: ("ico", [(48, 32)]),
    33: ("ico", [(16, 4), (16, 24), (16, 32)]),
    34: ("ico", [(16, 4), (16, 24), (16, 32)]),
}


def stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def icon_entries(data):
    """(width, height, bits, palette colours, has full AND mask) per entry, read from the bytes."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1)
    entries = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        assert offset + size <= len(data)
        header = struct.unpack_from("<IiiHHIIiiII", data, offset)
        hsize, bw, bh, bplanes, bbits, compression = header[:6]
        used = header[9]
        assert (hsize, bw, bh, bplanes, bbits, compression) == (40, w, 2 * h, 1, bits, 0)
        palette = (used or (1 << bits)) if bits <= 8 else 0
        whole = 40 + palette * 4 + stride(w, bits) * h + stride(w, 1) * h
        assert size == whole, "entry %d has colour bitmap, palette and AND mask" % i
        entries.append((w, h, bits, palette, colours))
    return entries


@pytest.mark.parametrize("number", sorted(IMAGE_SET))
def test_asset_matches_the_table(number):
    expected = IMAGE_SET[number]
    path = os.path.join(ASSETS, "%02d.%s" % (number, expected[0]))
    with open(path, "rb") as f:
        data = f.read()
    if expected[0] == "ico":
        entries = icon_entries(data)
        assert [(w, bits) for w, h, bits, _, _ in entries] == expected[1]
        for w, h, bits, palette, colours in entries:
            assert w == h
            assert palette == ({4: 16, 8: 256}.get(bits, 0))
            assert colours == (16 if bits == 4 else 0)
    elif expected[0] == "png":
        image = Image.open(path)
        assert image.format == "PNG"
        assert image.size == expected[1]
        assert image.mode == expected[2]
        if expected[2] == "RGBA":
            alpha = image.getchannel("A").getextrema()
            assert alpha[0] == 0 and alpha[1] == 255, "transparent and opaque parts"
    else:
        image = Image.open(path)
        assert image.format == "JPEG"
        assert image.size == expected[1]
        assert image.mode == "RGB" and len(image.getbands()) == 3
        assert not image.info.get("progressive") and not image.info.get("progression")


def test_32_bit_entries_carry_graded_alpha():
    with open(os.path.join(ASSETS, "21.ico"), "rb") as f:
        data = f.read()
    _, _, _, _, _, _, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * 3)
    pixels = data[offset + 40 : offset + 40 + 48 * 48 * 4]
    alphas = set(pixels[3::4])
    assert 0 in alphas and 255 in alphas and len(alphas) > 10


def test_application_icon():
    with open(os.path.join(ASSETS, "orvanto.ico"), "rb") as f:
        data = f.read()
    assert [(w, bits) for w, _, bits, _, _ in icon_entries(data)] == [(16, 32), (32, 32), (48, 32)]


def test_generator_reproduces_the_committed_files(tmp_path, monkeypatch):
    import importlib.util

    module = importlib.util.spec_from_file_location("generate", os.path.join(ASSETS, "generator", "generate.py"))
    generate = importlib.util.module_from_spec(module)
    module.loader.exec_module(generate)
    monkeypatch.setattr(generate, "ASSETS", str(tmp_path))
    generate.main()
    for name in sorted(os.listdir(tmp_path)):
        with open(tmp_path / name, "rb") as new, open(os.path.join(ASSETS, name), "rb") as old:
            assert new.read() == old.read(), name
