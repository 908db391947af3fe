"""FreeCAD's start-up time with the Quenmoor workbench installed and without it.

    python3 bench/freecad_startup.py BUILD_DIR [RUNS]

Starts FreeCAD's GUI under one Xvfb server RUNS times (default 5) with a home folder that
has the build's workbench installed, and as many times with an empty one, in turns, each
time until its event loop has run once (the workbench connects the add-in then) and
FreeCAD has quit again. Prints each run and the medians.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)
QUIT = """
from PySide import QtCore, QtGui
QtCore.QTimer.singleShot(0, QtGui.QApplication.instance().quit)
"""


def start(home, registry, macro):
    environment = dict(os.environ, HOME=home, QTWEBENGINE_DISABLE_SANDBOX="1",
                       QUENMOOR_REGISTRY=registry)
    began = time.perf_counter()
    subprocess.run(["freecad", macro], env=environment, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=300, check=False)
    return time.perf_counter() - began


def measure(build, runs):
    sys.path.insert(0, os.path.join(SOURCE, "freecadhost"))
    import install

    scratch = tempfile.mkdtemp(prefix="quenmoor-startup-")
    try:
        with_home, without_home = os.path.join(scratch, "with"), os.path.join(scratch, "without")
        mod = os.path.join(with_home, ".local", "share", "FreeCAD", "Mod", "Quenmoor")
        os.makedirs(os.path.dirname(mod))
        os.makedirs(without_home)
        registry = os.path.join(scratch, "registry.json")
        install.install(build, mod, registry)
        macro = os.path.join(scratch, "quit.py")
        with open(macro, "w") as out:
            out.write(QUIT)
        # A first start of each fills FreeCAD's caches and the user's parameter files.
        start(with_home, registry, macro)
        start(without_home, registry, macro)
        timings = {"with the workbench": [], "without it": []}
        for run in range(runs):
            for name, home in (("with the workbench", with_home), ("without it", without_home)):
                seconds = start(home, registry, macro)
                timings[name].append(seconds)
                print("run %d %-20s %.2f s" % (run + 1, name, seconds), flush=True)
        medians = {name: statistics.median(values) for name, values in timings.items()}
        for name, value in medians.items():
            print("median %-20s %.2f s" % (name, value))
        print("with / without: %.3f" % (medians["with the workbench"] / medians["without it"]))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    build, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 5
    if os.environ.get("QUENMOOR_STARTUP_INNER"):
        measure(build, runs)
        return 0
    environment = dict(os.environ, QUENMOOR_STARTUP_INNER="1")
    environment.pop("DISPLAY", None)
    return subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1600x1000x24", sys.executable,
                           os.path.abspath(__file__), build, str(runs)], env=environment).returncode


if __name__ == "__main__":
    sys.exit(main())
