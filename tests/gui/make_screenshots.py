"""Writes docs/main-window.png (default settings) and docs/styles.png (the
eleven colour styles side by side) from the real exe under Wine.

    ORVANTO_BUILD=build-x /usr/bin/python3 tests/gui/make_screenshots.py

Wine has no "Microsoft Sans Serif" or Calibri. When Wine's own fonts are at
hand (ORVANTO_WINE_FONTS, default /usr/share/wine/fonts, e.g. from the
fonts-wine package) Tahoma is copied into the prefix and stands in for
"Microsoft Sans Serif", so the links keep about the width they have on
Windows; otherwise the host's fallback font is used.
"""
import os
import shutil
import sys
import tempfile
from pathlib import Path

from PIL import Image, ImageDraw

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import BUILD, REPO, Display, Wine  # noqa: E402
from main_window_support import by_id, grab, running, settings_ini  # noqa: E402

FONT_REPLACEMENT = r"""REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Microsoft Sans Serif"="Tahoma"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]
"Tahoma (TrueType)"="tahoma.ttf"
"Tahoma Bold (TrueType)"="tahomabd.ttf"
"""


def window_shot(wine, display, folder, menu_color):
    with settings_ini(wine, MenuColor=menu_color), running(wine, display):
        window = by_id(wine.dump("Start"))[-1]
        image = grab(display, folder / ("style-%d.png" % menu_color))
    x, y, w, h = window["screen"]
    return image.crop((x, y, x + w, y + h))


def styles_sheet(shots, columns=4, scale=0.5):
    w, h = (int(v * scale) for v in shots[0][1].size)
    label = 18
    rows = (len(shots) + columns - 1) // columns
    sheet = Image.new("RGB", (columns * (w + 8) + 8, rows * (h + label + 8) + 8), (255, 255, 255))
    draw = ImageDraw.Draw(sheet)
    for n, (menu_color, shot) in enumerate(shots):
        x = 8 + (n % columns) * (w + 8)
        y = 8 + (n // columns) * (h + label + 8)
        draw.text((x, y), "MenuColor = %d" % menu_color, fill=(0, 0, 0))
        sheet.paste(shot.resize((w, h), Image.LANCZOS), (x, y + label))
    return sheet


def main():
    docs = REPO / "docs"
    docs.mkdir(exist_ok=True)
    wine = Wine(BUILD / "prefix-shots")
    wine.create()
    fonts = Path(os.environ.get("ORVANTO_WINE_FONTS", "/usr/share/wine/fonts"))
    if (fonts / "tahoma.ttf").exists():
        target = wine.prefix / "drive_c" / "windows" / "Fonts"
        for name in ("tahoma.ttf", "tahomabd.ttf"):
            if (fonts / name).exists():
                shutil.copy(fonts / name, target / name)
        wine.import_reg(FONT_REPLACEMENT)
        wine.wait_server()
    display = Display(1920, 1080).start()
    try:
        with tempfile.TemporaryDirectory() as tmp:
            folder = Path(tmp)
            window_shot(wine, display, folder, 0).save(docs / "main-window.png")
            shots = [(n, window_shot(wine, display, folder, n)) for n in range(1, 12)]
            styles_sheet(shots).save(docs / "styles.png")
    finally:
        display.stop()
        wine.kill_server()
    print("wrote", docs / "main-window.png", "and", docs / "styles.png")


if __name__ == "__main__":
    main()
