"""The system tool links: each starts its tool through the real start paths and
the program ends with code 0."""
import shutil
import subprocess
import time

import pytest

from harness import EXE, RECORDER

# Links whose tool is a program found by the process search order: the
# program's own folder comes first, so recorder copies there stand in for them.
PROCESS_LAUNCHERS = [
    (2, "explorer.exe", '"explorer.exe" /e,'),
    (3, "control.exe", '"control.exe"'),
    (8, "control.exe", '"control.exe" hdwwiz.cpl'),
    (21, "control.exe", '"control.exe" printers'),
    (22, "control.exe", '"control.exe" netconnections'),
    (23, "control.exe", '"control.exe" /name Microsoft.ProgramsAndFeatures'),
    (24, "control.exe", '"control.exe" /name Microsoft.WindowsUpdate'),
]
# Links that go to the shell: a console file and a shell address.
SHELL_LAUNCHERS = [27, 28]


@pytest.fixture
def launch_folder(desktop):
    folder = desktop.unix_path("C:\\orvanto-launch")
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    shutil.copy(EXE, folder / "Orvanto.exe")
    for name in ("explorer.exe", "control.exe"):
        shutil.copy(RECORDER, folder / name)
    yield folder
    shutil.rmtree(folder, ignore_errors=True)


def start_copy(desktop, folder, record):
    """Orvanto from the launch folder, its own current folder where the record goes."""
    env = dict(desktop.env_for_display(), ORVANTO_RECORD=desktop.windows_path(record))
    proc = subprocess.Popen(["wine", "C:\\orvanto-launch\\Orvanto.exe"], env=env, cwd=record.parent,
                            stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    assert desktop.wait_window("Start"), "no window titled Start appeared"
    time.sleep(0.5)
    return proc


def click_link(desktop, display, control):
    rows = desktop.dump("Start")
    link = [r for r in rows if r["id"] == control and r["class"] == "Static"][0]
    x, y, w, h = link["screen"]
    display.click(x + w // 2, y + h // 2)


@pytest.mark.parametrize("control,program,command", PROCESS_LAUNCHERS)
def test_link_starts_its_tool_and_ends(desktop, display, launch_folder, tmp_path, control, program, command):
    record = tmp_path / "record.txt"
    proc = start_copy(desktop, launch_folder, record)
    try:
        click_link(desktop, display, control)
        assert proc.wait(20) == 0
        for _ in range(50):
            if record.exists() and record.read_text(encoding="utf-8").strip():
                break
            time.sleep(0.2)
        line = record.read_text(encoding="utf-8").splitlines()[0]
        command_line, working_folder = line.split("\t")
        assert command_line == command
        # No working folder given: the tool inherits the start menu's own.
        assert working_folder.lower().rstrip("\\") == desktop.windows_path(tmp_path).lower().rstrip("\\")
    finally:
        if proc.poll() is None:
            proc.kill()


@pytest.mark.parametrize("control", SHELL_LAUNCHERS)
def test_shell_link_ends_the_program(desktop, display, launch_folder, tmp_path, control):
    record = tmp_path / "record.txt"
    proc = start_copy(desktop, launch_folder, record)
    try:
        click_link(desktop, display, control)
        assert proc.wait(20) == 0
        # None of these is started as a process from the program's folder.
        assert not record.exists() or record.read_text(encoding="utf-8").strip() == ""
    finally:
        if proc.poll() is None:
            proc.kill()


def test_documents_link_opens_the_profile_folder_through_the_shell(desktop, display, launch_folder, tmp_path):
    record = tmp_path / "record.txt"
    proc = start_copy(desktop, launch_folder, record)
    try:
        click_link(desktop, display, 4)
        assert proc.wait(20) == 0
        for _ in range(50):
            if record.exists() and record.read_text(encoding="utf-8").strip():
                break
            time.sleep(0.2)
        # The folder is no process; the shell opens it with the explorer it
        # finds, in the folder derived from the path.
        command_line, working_folder = record.read_text(encoding="utf-8").splitlines()[0].split("\t")
        assert command_line.lower().endswith('"%s"' % desktop.profile.lower())
        assert working_folder.lower().rstrip("\\") == desktop.profile.lower().rstrip("\\")
    finally:
        if proc.poll() is None:
            proc.kill()


def test_enter_in_the_list_does_nothing(start, desktop, display):
    app = start()
    rows = desktop.dump("Start")
    lst = [r for r in rows if r["class"] == "SysListView32"][0]
    assert lst["focus"] == 1
    display.key("Return")
    time.sleep(1.0)
    assert app.running()
