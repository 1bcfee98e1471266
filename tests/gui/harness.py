"""Drives the real Orvanto.exe under Wine on a virtual X display.

Everything a GUI test needs: a Wine prefix made once per run, Xvfb displays of
chosen sizes, starting the program, xdotool input, the probe program that
reports windows and controls across processes, and screenshots.
"""
import json
import os
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ.get("ORVANTO_BUILD", REPO / "build"))
EXE = BUILD / "Orvanto.exe"
PROBE = BUILD / "OrvantoProbe.exe"
RECORDER = BUILD / "OrvantoRecorder.exe"

BASE_ENV = dict(os.environ, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="C.UTF-8")

SETUP_REG = (REPO / "scripts" / "wine-prefix.reg").read_text()


class Wine:
    """One Wine prefix for the whole GUI run."""

    def __init__(self, prefix):
        self.prefix = Path(prefix)
        self.env = dict(BASE_ENV, WINEPREFIX=str(self.prefix))
        self.display = None

    def create(self):
        shutil.rmtree(self.prefix, ignore_errors=True)
        self.prefix.mkdir(parents=True)
        self.run(["wineboot", "-i"], check=False)
        self.wait_server()
        self.import_reg(SETUP_REG)

    def run(self, args, check=True, timeout=120, env=None):
        return subprocess.run(args, env=env or self.env_for_display(), stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout, check=check)

    def env_for_display(self):
        env = dict(self.env)
        if self.display:
            env["DISPLAY"] = self.display.name
        return env

    def use_display(self, display):
        """Programs started from now on show on this display (the wineserver
        and its desktop process keep the display they were started with)."""
        self.kill_server()
        self.display = display

    def wait_server(self):
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=120)

    def kill_server(self):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=60, stderr=subprocess.DEVNULL)
        self.wait_server()

    def import_reg(self, text):
        with tempfile.NamedTemporaryFile("w", suffix=".reg", delete=False, dir=self.prefix) as f:
            f.write(text)
            name = f.name
        self.run(["wine", "regedit", "/S", self.windows_path(name)], check=False)
        os.unlink(name)

    def set_dword(self, key, name, value):
        self.import_reg('REGEDIT4\n\n[%s]\n"%s"=dword:%08x\n' % (key, name, value & 0xFFFFFFFF))

    def delete_value(self, key, name):
        self.import_reg('REGEDIT4\n\n[%s]\n"%s"=-\n' % (key, name))

    def set_string(self, key, name, value):
        escaped = value.replace("\\", "\\\\").replace('"', '\\"')
        label = "@" if name is None else '"%s"' % name
        self.import_reg('REGEDIT4\n\n[%s]\n%s="%s"\n' % (key, label, escaped))

    def set_dpi(self, dpi):
        """LogPixels takes effect after the wineserver restarts."""
        self.set_dword(r"HKEY_CURRENT_USER\Control Panel\Desktop", "LogPixels", dpi)
        self.kill_server()

    def set_windows_version(self, version):
        self.run(["wine", "winecfg", "/v", version], check=False)
        self.wait_server()

    def windows_path(self, unix_path):
        return "Z:" + str(Path(unix_path).resolve()).replace("/", "\\")

    def unix_path(self, windows_path):
        """C:\\... inside the prefix as a Unix path."""
        drive, rest = windows_path[0].lower(), windows_path[2:].replace("\\", "/").lstrip("/")
        if drive == "c":
            return self.prefix / "drive_c" / rest
        if drive == "z":
            return Path("/") / rest
        raise ValueError(windows_path)

    @property
    def user(self):
        users = self.prefix / "drive_c" / "users"
        names = [p.name for p in users.iterdir() if p.name not in ("Public", "public")]
        return names[0]

    @property
    def profile(self):
        return "C:\\users\\%s\\" % self.user

    def appdata_unix(self):
        return self.unix_path(self.profile + "AppData\\Roaming")

    # -- probe ---------------------------------------------------------------
    def probe(self, *args, timeout=60):
        with tempfile.NamedTemporaryFile(suffix=".json", delete=False) as f:
            out = f.name
        try:
            proc = subprocess.run(["wine", str(PROBE), self.windows_path(out)] + [str(a) for a in args],
                                  env=self.env_for_display(), stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout)
            with open(out, encoding="utf-8") as f:
                rows = [json.loads(line) for line in f if line.strip()]
            return proc.returncode, rows
        finally:
            os.unlink(out)

    def wait_window(self, title, timeout_ms=45000):
        rc, _ = self.probe("wait", title, timeout_ms)
        return rc == 0

    def wait_window_gone(self, title, timeout_ms=10000):
        rc, _ = self.probe("gone", title, timeout_ms)
        return rc == 0

    def dump(self, title):
        rc, rows = self.probe("dump", title)
        return rows if rc == 0 else None

    def foreground(self):
        _, rows = self.probe("foreground")
        return rows[0] if rows else {}


class Display:
    """An Xvfb display of a given size, started and stopped by its PID."""

    def __init__(self, width=1920, height=1080):
        self.width, self.height = width, height
        self.proc = None
        self.name = None

    def start(self):
        for n in range(150, 250):
            if os.path.exists("/tmp/.X%d-lock" % n) or os.path.exists("/tmp/.X11-unix/X%d" % n):
                continue
            self.name = ":%d" % n
            self.proc = subprocess.Popen(["Xvfb", self.name, "-screen", "0", "%dx%dx24" % (self.width, self.height),
                                          "-nolisten", "tcp", "-ac"], stdin=subprocess.DEVNULL,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if self.proc.poll() is not None:
                    break
                if subprocess.run(["xdpyinfo", "-display", self.name], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL).returncode == 0:
                    return self
                time.sleep(0.1)
            self.stop()
        raise RuntimeError("could not start Xvfb")

    def stop(self):
        if self.proc:
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
            self.proc = None

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=dict(os.environ, DISPLAY=self.name),
                       check=True, timeout=30, stdin=subprocess.DEVNULL)

    def move(self, x, y):
        self.xdotool("mousemove", "--sync", int(x), int(y))

    def click(self, x, y, button=1):
        self.move(x, y)
        time.sleep(0.15)
        self.xdotool("click", button)

    def key(self, *keys):
        self.xdotool("key", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", 40, text)

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.name, "-window", "root", str(path)], check=True, timeout=60)
        return Path(path)


class Orvanto:
    """One running Orvanto.exe; its exit code is what wine returns."""

    def __init__(self, wine, env=None, via_cmd_env=None):
        self.wine = wine
        self.log = tempfile.NamedTemporaryFile(suffix=".log", delete=False)
        args = ["wine", str(EXE)]
        if via_cmd_env:
            # Variables the Windows side must see exactly, set by cmd before the start.
            sets = " && ".join("set %s=%s" % kv for kv in via_cmd_env.items())
            args = ["wine", "cmd", "/c", "%s && %s" % (sets, wine.windows_path(EXE))]
        self.proc = subprocess.Popen(args, env=dict(wine.env_for_display(), **(env or {})),
                                     stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log)

    def wait(self, timeout=20):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def running(self):
        return self.proc.poll() is None

    def kill(self):
        if self.running():
            self.proc.kill()
            self.proc.wait(10)


def controls_by_id(rows):
    """Controls of a dump keyed by their id (the top-level window under -1)."""
    return {row["id"]: row for row in rows}
