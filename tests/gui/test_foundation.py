"""Start-up, single instance and the ways the main loop ends, on the real exe."""
import subprocess
import time

from harness import EXE, Orvanto



def test_second_copy_exits_at_once_and_leaves_one_window(start, desktop):
    first = start()
    second = Orvanto(desktop)
    assert second.wait(timeout=15) == 0
    assert first.running()
    _, windows = desktop.probe("windows")
    assert [w["text"] for w in windows].count("Start") == 1


def test_losing_the_foreground_ends_the_program(start, desktop):
    app = start()
    assert desktop.foreground().get("text") == "Start"
    rc, rows = desktop.probe("steal", 1500)
    assert rows and rows[0]["foreground"] == 1
    assert app.wait(timeout=15) == 0


def test_alt_f4_ends_the_program(start, desktop, display):
    app = start()
    display.key("alt+F4")
    assert app.wait(timeout=15) == 0


def test_close_box_ends_the_program(start, desktop, display):
    app = start()
    rows = desktop.dump("Start")
    window = rows[0]
    x, y, w, h = window["screen"]
    cx, cy, cw, ch = window["client"]
    border = (w - cw) // 2
    caption_bottom = y + h - ch - border
    display.click(x + w - border - 9, (y + caption_bottom) // 2 + 1)
    assert app.wait(timeout=15) == 0


def test_first_start_creates_the_settings_folder(start, desktop):
    folder = desktop.appdata_unix() / "Orvanto"
    if folder.exists():
        for p in sorted(folder.rglob("*"), reverse=True):
            p.unlink() if p.is_file() else p.rmdir()
        folder.rmdir()
    app = start()
    assert folder.is_dir()
    app.kill()


def test_runs_when_appdata_points_into_a_missing_folder(start, desktop):
    missing = "C:\\does-not-exist\\Roaming"
    app = start(via_cmd_env={"APPDATA": missing})
    time.sleep(0.5)
    assert app.running()
    assert not desktop.unix_path("C:\\does-not-exist").exists()


def test_exe_is_a_static_pe32_plus_gui_program():
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(EXE)], capture_output=True, text=True,
                          check=True).stdout
    assert "Magic\t\t\t020b" in dump  # PE32+
    assert "Subsystem\t\t00000002" in dump  # Windows GUI
    imported = {line.split(":", 1)[1].strip().lower() for line in dump.splitlines() if "DLL Name:" in line}
    assert imported, "the import table was read"
    runtime = [d for d in imported if d.startswith(("libstdc++", "libgcc", "libwinpthread", "libpng", "libjpeg", "zlib"))]
    assert runtime == []
    assert "comctl32.dll" in imported
