import os
import time

import pytest

from harness import BUILD, Display, Orvanto, Wine


@pytest.fixture(scope="session")
def display():
    d = Display(1920, 1080).start()
    yield d
    d.stop()


@pytest.fixture(scope="session")
def wine(display):
    # The wineserver keeps the display it was first started with.
    w = Wine(os.environ.get("ORVANTO_GUI_PREFIX", BUILD / "prefix-gui"))
    w.display = display
    w.create()
    # The first program started in a new prefix pays for setting it up.
    w.probe("windows")
    yield w
    w.kill_server()


@pytest.fixture
def desktop(wine, display):
    """The prefix on the default display, with no copy of Orvanto left over."""
    wine.display = display
    yield wine
    wine.kill_server()


@pytest.fixture
def start(desktop):
    """Starts Orvanto and waits for its window; ended at the test's end."""
    started = []

    def run(wait=True, **kwargs):
        app = Orvanto(desktop, **kwargs)
        started.append(app)
        if wait:
            assert desktop.wait_window("Start"), "no window titled Start appeared"
            time.sleep(0.3)
        return app

    yield run
    for app in started:
        app.kill()
