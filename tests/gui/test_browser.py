"""The Start Menu list, its folders, shortcuts, context menu and the run line, on the real exe."""
import shutil
import time
from pathlib import Path

import pytest

from harness import RECORDER, controls_by_id

LIST, RUN_FIELD, RUN_BUTTON, THIS_PC_LINK = 1, 11, 12, 2
PLACEHOLDER = "<Bitte Dateinamen eingeben!>"
HEADER_HEIGHT, ROW_HEIGHT = 25, 23  # list rows at 96 DPI under Wine
LNK = Path(__file__).resolve().parents[1] / "data" / "real" / "lnk" / "ez_winxp_wordpad.lnk"
WORDPAD = "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe"


class Tree:
    """Files made in the prefix for one test, removed again at its end."""

    def __init__(self, wine):
        self.wine = wine
        self.made = []
        self.saved = []

    def file(self, windows_path, data=b"L"):
        path = self.wine.unix_path(windows_path)
        path.parent.mkdir(parents=True, exist_ok=True)
        if path.exists() and path not in self.made:
            backup = path.with_name(path.name + ".orvsave")
            shutil.move(path, backup)
            self.saved.append((path, backup))
        path.write_bytes(data)
        self.made.append(path)
        return path

    def folder(self, windows_path):
        path = self.wine.unix_path(windows_path)
        if not path.exists():
            path.mkdir(parents=True)
            self.made.append(path)
        return path

    def remove(self):
        for path in reversed(self.made):
            if path.is_dir():
                shutil.rmtree(path, ignore_errors=True)
            elif path.exists():
                path.unlink()
        for path, backup in self.saved:
            shutil.move(backup, path)


@pytest.fixture
def tree(desktop):
    t = Tree(desktop)
    yield t
    t.remove()


def user_root(wine):
    return wine.profile + "AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\"


COMMON_ROOT = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\"


def write_settings(tree, wine, roots=None, **values):
    lines = ["[MenuSettings]", "PlayMenuPopupSound = 0"]
    lines += ["%s = %s" % kv for kv in values.items()]
    roots = roots or [user_root(wine), COMMON_ROOT]
    lines += ["StartMenuFolder%d = %s" % (n, root) for n, root in enumerate(roots)]
    tree.file(wine.profile + "AppData\\Roaming\\Orvanto\\Settings.ini", ("\r\n".join(lines) + "\r\n").encode())


def shortcut_list(wine):
    return controls_by_id(wine.dump("Start"))[LIST]


def row_texts(wine):
    return [row["text"] for row in shortcut_list(wine)["rows"]]


def row_point(wine, n):
    x, y, _, _ = shortcut_list(wine)["screen"]
    return x + 60, y + 2 + HEADER_HEIGHT + ROW_HEIGHT * n + ROW_HEIGHT // 2


def click_row(wine, display, text, button=1):
    rows = row_texts(wine)
    assert text in rows, rows
    display.click(*row_point(wine, rows.index(text)), button=button)
    time.sleep(0.6)


def click_control(wine, display, control):
    x, y, w, h = controls_by_id(wine.dump("Start"))[control]["screen"]
    display.click(x + min(w // 2, 30), y + h // 2)
    time.sleep(0.5)


def read_record(wine, path, timeout=10):
    unix = wine.unix_path(path)
    end = time.time() + timeout
    while time.time() < end:
        if unix.exists() and unix.read_bytes():
            return unix.read_text(encoding="utf-8")
        time.sleep(0.2)
    return ""


def test_merged_listing_filters_sort_and_names(start, desktop, display, tree):
    user, common = user_root(desktop), COMMON_ROOT
    tree.file(user + "Both.lnk")
    tree.file(common + "Both.lnk")
    tree.file(common + "alpha.url")
    tree.file(common + "Beta.htm")
    tree.file(user + "gamma.html")
    tree.file(common + "Tools 1.5\\x.lnk")
    tree.folder(user + "Programme")
    tree.folder(common + "PROGRAMME")
    for hidden in ("desktop.ini", "tool.exe", "notes.txt", ".dot.lnk", "other.ini"):
        tree.file(common + hidden)
    tree.file(common + "Programs\\Accessories\\Zz Editor.lnk")
    tree.file(common + "Programs\\Accessories\\Ünïcode \U0001F600.lnk")

    write_settings(tree, desktop, StartMode=0, SortMode=0, RenameFolders=1)
    app = start()
    assert row_texts(desktop) == ["..", "Programme", "Tools 1", "alpha", "Beta", "Both", "gamma"]
    app.kill()

    write_settings(tree, desktop, StartMode=0, SortMode=1, RenameFolders=0)
    app = start()
    assert row_texts(desktop) == ["..", "alpha", "Beta", "Both", "gamma", "Programs", "Tools 1"]
    app.kill()

    # StartMode 1 opens in Programs\; Zubehör is Accessories, ".." goes back.
    write_settings(tree, desktop, StartMode=1, SortMode=0, RenameFolders=1)
    app = start()
    programs = row_texts(desktop)
    assert programs[0] == ".." and "Zubehör" in programs and "Autostart" in programs
    click_row(desktop, display, "Zubehör")
    assert row_texts(desktop) == ["..", "Zz Editor", "Ünïcode \U0001F600"]
    click_row(desktop, display, "..")
    assert row_texts(desktop) == programs
    click_row(desktop, display, "..")
    assert row_texts(desktop)[:2] == ["..", "Programme"]
    assert app.running()


@pytest.fixture
def wordpad_shortcut(desktop, tree):
    """A real shortcut to WordPad in the common Programs folder; WordPad is the recorder."""
    tree.file(WORDPAD, RECORDER.read_bytes())
    tree.file(COMMON_ROOT + "Programs\\OrvTest\\Zz WordPad.lnk", LNK.read_bytes())
    tree.file(COMMON_ROOT + "Programs\\OrvTest\\Sub\\a.lnk")
    write_settings(tree, desktop, StartMode=1, SortMode=0, RenameFolders=1)
    record = "C:\\orvgui-record.txt"
    tree.made.append(desktop.unix_path(record))
    return record


def test_clicking_a_shortcut_starts_its_target_and_ends(start, desktop, display, wordpad_shortcut):
    app = start(env={"ORVANTO_RECORD": wordpad_shortcut})
    click_row(desktop, display, "OrvTest")
    assert row_texts(desktop) == ["..", "Sub", "Zz WordPad"]
    click_row(desktop, display, "Zz WordPad")
    assert app.wait(timeout=15) == 0
    assert "wordpad.exe" in read_record(desktop, wordpad_shortcut).lower()


def test_keyboard_selected_shortcut_wins_over_a_link(start, desktop, display, wordpad_shortcut):
    app = start(env={"ORVANTO_RECORD": wordpad_shortcut})
    click_row(desktop, display, "OrvTest")
    display.key("End")
    time.sleep(0.4)
    assert shortcut_list(desktop)["selected"] == 2
    click_control(desktop, display, THIS_PC_LINK)
    assert app.wait(timeout=15) == 0
    record = read_record(desktop, wordpad_shortcut)
    assert "wordpad.exe" in record.lower() and record.count("\n") == 1


def test_context_menu_opens_the_target_folder_and_keeps_running(start, desktop, display, wordpad_shortcut):
    app = start()
    click_row(desktop, display, "OrvTest")
    before = {w["text"] for w in desktop.probe("windows")[1]}
    click_row(desktop, display, "Zz WordPad", button=3)
    display.key("Down")
    display.key("Return")
    end = time.time() + 20
    opened = set()
    while time.time() < end and not opened:
        time.sleep(0.5)
        opened = {w["text"] for w in desktop.probe("windows")[1]} - before
    assert any("Accessories" in title for title in opened), opened
    time.sleep(1.0)
    assert desktop.foreground().get("text") != "Start"
    assert app.running()


def test_search_narrows_restores_and_runs_a_typed_command(start, desktop, display, tree):
    tree.file("C:\\windows\\orvrec.exe", RECORDER.read_bytes())
    record = "C:\\orvgui-run.txt"
    tree.made.append(desktop.unix_path(record))
    write_settings(tree, desktop, StartMode=1, SortMode=0, RenameFolders=1)
    app = start(env={"ORVANTO_RECORD": record})
    folder_rows = row_texts(desktop)
    assert controls_by_id(desktop.dump("Start"))[RUN_FIELD]["text"] == PLACEHOLDER

    click_control(desktop, display, RUN_FIELD)
    assert controls_by_id(desktop.dump("Start"))[RUN_FIELD]["text"] == ""
    display.type("n")
    time.sleep(0.5)
    n_rows = row_texts(desktop)
    assert n_rows and ".." not in n_rows and "notepad.exe" in [r.lower() for r in n_rows]
    assert all(r[0] in "nN" and r.lower().endswith(".exe") for r in n_rows)
    display.type("ot")
    time.sleep(0.5)
    not_rows = row_texts(desktop)
    assert not_rows and set(not_rows) <= set(n_rows) and len(not_rows) < len(n_rows)
    assert all(r.lower().startswith("not") for r in not_rows)
    display.key("BackSpace", "BackSpace", "BackSpace")
    time.sleep(0.6)
    assert row_texts(desktop) == folder_rows

    # Another control clicked with the field empty: the placeholder is back.
    x, y, w, h = shortcut_list(desktop)["screen"]
    display.click(x + 60, y + h - 10)
    time.sleep(0.5)
    assert controls_by_id(desktop.dump("Start"))[RUN_FIELD]["text"] == PLACEHOLDER
    assert app.running()

    click_control(desktop, display, RUN_FIELD)
    display.type("orvrec c:\\x.txt")
    display.key("Return")
    assert app.wait(timeout=15) == 0
    line = read_record(desktop, record)
    assert "orvrec" in line.lower() and line.split("\t")[0].endswith(" c:\\x.txt"), line


def test_bad_roots_and_odd_shortcuts_in_original_icon_mode(start, desktop, display, tree):
    good = "C:\\orvgui-bad\\good\\"
    tree.folder("C:\\orvgui-bad\\")
    tree.file("C:\\orvgui-bad\\plain.txt")
    long_name = "L" * 250
    tree.file(good + "empty.lnk", b"")
    tree.file(good + "huge.lnk", b"\x01" * (50 << 20))
    tree.file(good + "nowhere.lnk", b"\0\0C:\\no\\such\\folder\\app.exe\0")
    tree.file(good + long_name + ".lnk")
    tree.file(good + "Größe \U0001F600.url")
    roots = ["C:\\orvgui-bad\\missing\\", "C:\\orvgui-bad\\plain.txt\\", good]
    write_settings(tree, desktop, roots=roots, StartMode=0, SortMode=0, RenameFolders=1, UseOriginalIcon=1)
    app = start()
    assert row_texts(desktop) == ["..", "empty", "Größe \U0001F600", "huge", long_name, "nowhere"]
    assert app.running()

    # The RunButton with the placeholder, and Enter with the focus on the list, do nothing.
    click_control(desktop, display, RUN_BUTTON)
    assert app.running()
    click_control(desktop, display, RUN_FIELD)
    display.type("orvrec")
    x, y, w, h = shortcut_list(desktop)["screen"]
    display.click(x + 60, y + h - 10)
    time.sleep(0.4)
    display.key("Return")
    time.sleep(0.8)
    assert app.running()
    assert controls_by_id(desktop.dump("Start"))[RUN_FIELD]["text"] == "orvrec"


def test_clicking_a_search_result_starts_it_by_name(start, desktop, display, tree):
    tree.file("C:\\windows\\system32\\orvrec.exe", RECORDER.read_bytes())
    record = "C:\\orvgui-search.txt"
    tree.made.append(desktop.unix_path(record))
    write_settings(tree, desktop, StartMode=1, SortMode=0, RenameFolders=1)
    app = start(env={"ORVANTO_RECORD": record})
    click_control(desktop, display, RUN_FIELD)
    display.type("ORVR")
    time.sleep(0.5)
    assert row_texts(desktop) == ["orvrec.exe"]
    click_row(desktop, display, "orvrec.exe")
    assert app.wait(timeout=15) == 0
    assert read_record(desktop, record).split("\t")[0].strip('"').lower().endswith("orvrec.exe")
