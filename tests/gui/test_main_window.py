"""The main window of the real exe: position, controls, banner, hover, Enter."""
import time

import pytest

from main_window_support import (LAYOUT, LINKS, by_id, dpi, grab, muldiv, other_display, panel_client_origin,
                                 running, settings_ini)

PRODUCT = "Microsoft Windows 7"  # the fresh prefix's ProductName

# (screen, dpi, MenuMode) -> logical (x, y) of the window.
POSITIONS = [
    ((1920, 1080), 96, 1, (0, 329)),
    ((1920, 1080), 96, 2, (595, 329)),
    ((1920, 1080), 120, 2, (403, 112)),
    ((1920, 1080), 144, 1, (0, -34)),
    ((2560, 1440), 144, 2, (488, 326)),
]


@pytest.fixture(scope="module")
def large_display():
    with other_display(2560, 1440) as d:
        yield d


@pytest.fixture
def screens(wine, display, large_display):
    yield {(1920, 1080): display, (2560, 1440): large_display}
    wine.kill_server()


@pytest.mark.parametrize("screen,dots,mode,logical", POSITIONS)
def test_window_opens_at_the_position_rule(wine, screens, screen, dots, mode, logical):
    with dpi(wine, dots), settings_ini(wine, MenuMode=mode), running(wine, screens[screen]):
        window = by_id(wine.dump("Start"))[-1]
    x, y, _, _ = window["screen"]
    assert (x, y) == (muldiv(logical[0], dots), muldiv(logical[1], dots))
    assert window["client"][2:] == [muldiv(730, dots), muldiv(676, dots)]


def expected_rect(control_id, controls, dots):
    cls, x, y, w, h, _, parent = LAYOUT[control_id]
    ox, oy = (0, 0) if parent == "window" else panel_client_origin(controls)
    size = [muldiv(w, dots), muldiv(h, dots)] if w is not None else [None, None]
    return [ox + muldiv(x, dots), oy + muldiv(y, dots)] + size


@pytest.mark.parametrize("dots", [96, 120, 144])
def test_every_control_has_its_id_class_text_and_scaled_rectangle(wine, display, dots):
    with dpi(wine, dots), running(wine, display):
        controls = by_id(wine.dump("Start"))
    assert set(controls) == set(LAYOUT) | {-1}
    banner = round(dots / 96 * 32), round(dots / 96 * 656)
    sizes = {14: banner, 7: (50, 45)}  # pictures: the drawn banner, image 9
    for control_id, (cls, x, y, w, h, text, parent) in LAYOUT.items():
        c = controls[control_id]
        assert c["class"] == cls, control_id
        assert c["text"] == (PRODUCT if text is None else text), control_id
        rect = expected_rect(control_id, controls, dots)
        if control_id in sizes:
            rect[2:] = sizes[control_id]
        assert c["rect"] == rect, control_id
        assert c["visible"] == 1
    # The panel's raised frame is 3 pixels wide.
    assert panel_client_origin(controls) == (muldiv(41, dots) + 3, muldiv(10, dots) + 3)
    assert controls[1]["columns"] == [muldiv(402, dots)]
    assert controls[1]["lvexstyle"] & 0x800 and controls[1]["lvexstyle"] & 0x40  # underline hot, one click
    assert controls[1]["focus"] == 1


def column(image, x, top, bottom):
    return [image.getpixel((x, y)) for y in range(top, bottom)]


@pytest.mark.parametrize("dots", [96, 120])
def test_banner_gradient_and_upward_text(wine, display, tmp_path, dots):
    with dpi(wine, dots), running(wine, display):
        controls = by_id(wine.dump("Start"))
        shot = grab(display, tmp_path / "banner.png")
    bx, by, bw, bh = controls[14]["screen"]
    assert (bw, bh) == (round(dots / 96 * 32), round(dots / 96 * 656))
    edge = column(shot, bx + bw - 1, by, by + bh)  # the text keeps off the right edge
    assert edge[0] == (0, 230, 0)
    assert edge[-1] == (0, 0, 255)
    if dots == 96:
        assert edge[327] == (0, 115, 127)
    assert all(r == 0 for r, _, _ in edge)
    assert all(a[1] >= b[1] and a[2] <= b[2] for a, b in zip(edge, edge[1:]))  # green falls, blue rises
    # The text starts near round(ScaleY * 523) and runs upward: white ink above
    # that row, none below it.
    start = round(dots / 96 * 523)
    white_rows = {y for y in range(bh) for x in range(bw) if shot.getpixel((bx + x, by + y)) == (255, 255, 255)}
    assert white_rows, "no white text on the banner"
    assert max(white_rows) <= start + 2
    assert min(white_rows) < start - 200
    black_rows = {y for y in range(bh) for x in range(bw) if shot.getpixel((bx + x, by + y)) == (0, 0, 0)}
    assert black_rows and max(black_rows) < max(white_rows)  # the shadow sits 3 rows higher


def centre_of(c):
    x, y, w, h = c["screen"]
    return x + w // 2, y + h // 2


def hover_state(wine):
    controls = by_id(wine.dump("Start"))
    return controls[7]["rect"][2:], controls[25]["text"]


def blue_pixels(image, rect):
    x, y, w, h = rect
    return sum(1 for i in range(x, x + w) for j in range(y, y + h) if image.getpixel((i, j)) == (0, 0, 255))


def test_hover_shows_the_links_picture_and_text(wine, display, tmp_path):
    with running(wine, display):
        controls = by_id(wine.dump("Start"))
        rest = controls[0]["screen"][0] + muldiv(660, 96), controls[0]["screen"][1] + muldiv(580, 96)
        cases = [(28, [48, 48], "PC Settings"), (3, [48, 48], "System Steuerung"),
                 (26, [48, 48], "SystemInfos"), (24, [64, 64], "Windows Update")]
        for link, size, text in cases:
            display.move(*centre_of(controls[link]))
            time.sleep(0.4)
            assert hover_state(wine) == (size, text), link
        shot = grab(display, tmp_path / "hot.png")
        assert blue_pixels(shot, controls[24]["screen"]) > 20  # the hovered link is drawn in #0000FF
        assert blue_pixels(shot, controls[28]["screen"]) == 0
        display.move(*rest)
        time.sleep(0.4)
        assert hover_state(wine) == ([50, 45], PRODUCT)


def test_a_point_on_the_links_left_edge_is_not_over_it(wine, display):
    with running(wine, display):
        controls = by_id(wine.dump("Start"))
        x, y, w, h = controls[28]["screen"]
        display.move(x, y + h // 2)
        time.sleep(0.4)
        assert hover_state(wine) == ([50, 45], PRODUCT)
        display.move(x + 1, y + h // 2)
        time.sleep(0.4)
        assert hover_state(wine) == ([48, 48], "PC Settings")


def test_enter_in_the_list_does_nothing(wine, display):
    with running(wine, display) as app:
        before = by_id(wine.dump("Start"))
        assert before[1]["focus"] == 1
        display.key("Return")
        time.sleep(1.0)
        assert app.running()
        after = by_id(wine.dump("Start"))
        assert after[11]["text"] == "<Bitte Dateinamen eingeben!>"
        assert after[1]["rows"] == before[1]["rows"]
        assert after[1]["focus"] == 1
