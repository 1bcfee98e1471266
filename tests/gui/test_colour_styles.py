"""The colour styles (MenuColor) on the real exe, checked by screenshot pixels."""
from collections import Counter

import pytest

from main_window_support import by_id, grab, hex_colour, running, settings_ini

# MenuColor: PanelBack, WindowBack, FieldBack, GridLine, FieldText.
STYLES = {
    1: ("#C0C0C0", "#A7A7A7", "#E0E0E0", "#A0A0A0", "#000000"),
    2: ("#7F7F7F", "#5F5F5F", "#9F9F9F", "#BFBFBF", "#000000"),
    3: ("#62B0FF", "#4290DF", "#82D0FF", "#52A0EE", "#000000"),
    4: ("#0000CA", "#0000AA", "#0648EF", "#000090", "#FFFFFF"),
    5: ("#5EFFAE", "#3EDF8E", "#7EFFCE", "#00B000", "#000000"),
    6: ("#00BF60", "#009F40", "#20DF80", "#40FFA0", "#000000"),
    7: ("#FF4A4A", "#DF2A2A", "#FF6A6A", "#FF8A8A", "#FFFFFF"),
    8: ("#A60000", "#860000", "#E64040", "#FF6060", "#FFFFFF"),
    9: ("#1E7B7B", "#005B5B", "#3E9B9B", "#5EBBBB", "#000000"),
    10: ("#FF7B3C", "#DF5B1C", "#FF9B5C", "#FFBB7C", "#000000"),
    11: ("#B700B7", "#970097", "#F740F7", "#970097", "#FFFFFF"),
    12: ("#000000", "#000000", "#000000", "#000000", "#000000"),
}
BLACK, BLUE = (0, 0, 0), (0, 0, 255)


def colours_in(image, rect):
    x, y, w, h = rect
    return Counter(image.getpixel((i, j)) for i in range(x, x + w) for j in range(y, y + h))


def samples(image, controls):
    """The colours the styles set, read where nothing else is drawn."""
    px, py, pw, ph = controls[0]["screen"]
    lx, ly, lw, lh = controls[1]["screen"]
    fx, fy, fw, fh = controls[11]["screen"]
    list_column = Counter(image.getpixel((lx + lw // 2, y)) for y in range(ly + lh // 4, ly + lh - 8))
    ranked = [c for c, _ in list_column.most_common()]
    return {
        "window": image.getpixel((px - 4, py + ph // 2)),
        "panel": image.getpixel((px + 3 + 8, py + ph // 2)),
        "list": ranked[0],
        "grid": ranked[1] if len(ranked) > 1 else None,
        "field": image.getpixel((fx + fw - 12, fy + fh // 2)),
    }


def shot_of(wine, display, path, menu_color):
    with settings_ini(wine, MenuColor=menu_color), running(wine, display):
        controls = by_id(wine.dump("Start"))
        image = grab(display, path)
    return image, controls


@pytest.mark.parametrize("menu_color", sorted(STYLES))
def test_style_colours_the_window_panel_list_field_and_links(wine, display, tmp_path, menu_color):
    panel, window, field, grid, field_text = (hex_colour(c) for c in STYLES[menu_color])
    image, controls = shot_of(wine, display, tmp_path / "style.png", menu_color)
    got = samples(image, controls)
    assert got["window"] == window
    assert got["panel"] == panel
    assert got["list"] == field
    assert got["field"] == field
    if grid != field:
        assert got["grid"] == grid
    for link in (2, 28, 26):  # black text on the panel colour, whatever FieldText is
        seen = colours_in(image, controls[link]["screen"])
        assert seen.most_common(1)[0][0] == panel, link
        assert seen[BLACK] > 0, link
    info = colours_in(image, controls[25]["screen"])
    assert info.most_common(1)[0][0] == panel and info[BLUE] > 0
    if field_text != field:
        # The field's placeholder is drawn in FieldText.
        assert colours_in(image, controls[11]["screen"])[field_text] > 0


def test_no_style_keeps_system_colours_and_sets_only_blue_and_grey(wine, display, tmp_path):
    image, controls = shot_of(wine, display, tmp_path / "plain.png", 0)
    got = samples(image, controls)
    assert got["window"] == got["panel"]
    assert got["list"] == got["field"]
    assert got["window"] != got["list"]
    assert got["grid"] == (0xCC, 0xCC, 0xCC)
    assert colours_in(image, controls[25]["screen"])[BLUE] > 0
    assert colours_in(image, controls[2]["screen"])[BLACK] > 0
    schemes = {hex_colour(c) for row in STYLES.values() for c in row[:3]}
    assert not {got["window"], got["list"]} & schemes


@pytest.mark.parametrize("menu_color", [13, -1, 99])
def test_values_outside_the_table_look_like_no_style(wine, display, tmp_path, menu_color):
    plain, controls = shot_of(wine, display, tmp_path / "plain.png", 0)
    other, again = shot_of(wine, display, tmp_path / "other.png", menu_color)
    assert again[-1]["screen"] == controls[-1]["screen"]
    box = controls[-1]["screen"]
    crop = (box[0], box[1], box[0] + box[2], box[1] + box[3])
    assert list(plain.crop(crop).getdata()) == list(other.crop(crop).getdata())
