"""Shared pieces of the main window GUI tests: the layout as the window must
show it, the logical-to-pixel rule, Settings.ini, screens and DPI."""
import contextlib
import time

from PIL import Image

from harness import Display, Orvanto

# id: (class, x, y, width, height, text, parent); pictures take their picture's size.
LAYOUT = {
    14: ("OrvantoPicture", 0, 10, None, None, "", "window"),
    0: ("OrvantoPanel", 41, 10, 680, 656, "", "window"),
    1: ("SysListView32", 20, 13, 425, 593, "", "panel"),
    7: ("OrvantoPicture", 537, 20, None, None, "", "panel"),
    25: ("Static", 465, 80, 185, 75, None, "panel"),
    2: ("Static", 511, 167, 100, 25, "Dieser PC", "panel"),
    3: ("Static", 477, 193, 170, 25, "Systemsteuerung", "panel"),
    4: ("Static", 486, 219, 157, 25, "Eigene Dateien", "panel"),
    8: ("Static", 481, 245, 163, 25, "Geräte Manager", "panel"),
    21: ("Static", 477, 271, 171, 25, "Geräte & Drucker", "panel"),
    22: ("Static", 507, 297, 113, 25, "Netzwerke", "panel"),
    23: ("Static", 474, 323, 178, 25, "App Deinstallieren", "panel"),
    24: ("Static", 480, 349, 166, 25, "Windows Update", "panel"),
    27: ("Static", 452, 375, 215, 25, "Datenträgerverwaltung", "panel"),
    28: ("Static", 478, 401, 170, 25, "PC-Einstellungen", "panel"),
    9: ("Static", 493, 427, 148, 25, "Einstellungen", "panel"),
    26: ("Static", 500, 453, 125, 25, "SystemInfos", "panel"),
    29: ("Button", 460, 490, 200, 35, "<Benutzerdefiniert>", "panel"),
    10: ("Static", 18, 617, 85, 22, "Ausführen", "panel"),
    11: ("Edit", 105, 615, 465, 26, "<Bitte Dateinamen eingeben!>", "panel"),
    12: ("Button", 571, 614, 33, 28, ">>", "panel"),
}
LINKS = [2, 3, 4, 8, 21, 22, 23, 24, 27, 28, 9, 26]


def muldiv(value, dpi):
    """value * dpi / 96 rounded to nearest, halves away from zero (MulDiv)."""
    n = value * dpi
    q, r = divmod(abs(n), 96)
    if 2 * r >= 96:
        q += 1
    return q if n >= 0 else -q


@contextlib.contextmanager
def settings_ini(wine, **values):
    """Settings.ini in %APPDATA%\\Orvanto\\ for the time of the block."""
    folder = wine.appdata_unix() / "Orvanto"
    folder.mkdir(parents=True, exist_ok=True)
    path = folder / "Settings.ini"
    lines = ["[MenuSettings]"] + ["%s = %s" % kv for kv in values.items()]
    path.write_bytes(b"\xef\xbb\xbf" + "\r\n".join(lines).encode("utf-8") + b"\r\n")
    try:
        yield path
    finally:
        path.unlink(missing_ok=True)


@contextlib.contextmanager
def dpi(wine, value):
    wine.set_dpi(value)
    try:
        yield value
    finally:
        wine.set_dpi(96)


@contextlib.contextmanager
def running(wine, display):
    """Orvanto on display, its window up; killed and the server stopped after."""
    wine.display = display
    app = Orvanto(wine)
    try:
        assert wine.wait_window("Start"), "no window titled Start appeared"
        time.sleep(0.5)
        rest_mouse(wine, display)
        yield app
    finally:
        app.kill()
        wine.kill_server()


@contextlib.contextmanager
def other_display(width, height):
    d = Display(width, height).start()
    try:
        yield d
    finally:
        d.stop()


def rest_mouse(wine, display):
    """The mouse into the gap between the banner and the panel, over no link."""
    rows = wine.dump("Start")
    panel = [r for r in rows if r["id"] == 0 and r["class"] == "OrvantoPanel"][0]
    x, y, w, h = panel["screen"]
    display.move(x - 4, y + h // 2)
    time.sleep(0.4)


def by_id(rows):
    """The window (id -1) and its controls; the list's header is left out."""
    out = {}
    for row in rows:
        if row["class"] == "SysHeader32":
            continue
        out[row["id"]] = row
    return out


def panel_client_origin(controls):
    """MainPanel's client area in the window's client coordinates."""
    x, y, w, h = controls[0]["rect"]
    cw, ch = controls[0]["client"][2:]
    return x + (w - cw) // 2, y + (h - ch) // 2


def grab(display, path):
    display.screenshot(path)
    return Image.open(path).convert("RGB")


def hex_colour(text):
    v = int(text.lstrip("#"), 16)
    return (v >> 16, (v >> 8) & 255, v & 255)
