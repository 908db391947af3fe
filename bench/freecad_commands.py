"""How long each Quenmoor command takes in FreeCAD on the example part: from the menu pick
to the task panel or window shown, and from OK to the change made. Run from the repository folder
after building the freecad preset:

    python3 tests/freecadhost/run_in_freecad.py build/freecad freecad_commands:timings

Each figure is the median of several runs, printed as an "info" line.
"""

import statistics
import time

import FreeCADGui as Gui
from freecad_harness import _lines, close_all, host, open_document, settle, task_button, window
from PySide import QtGui

RUNS = 7


def _time(action):
    start = time.perf_counter()
    action()
    QtGui.QApplication.processEvents()
    return time.perf_counter() - start


def _press(which):
    """OK or Cancel of the task view, without the harness's wait for the window to settle."""
    standard = QtGui.QDialogButtonBox.Ok if which == "ok" else QtGui.QDialogButtonBox.Cancel
    for box in Gui.getMainWindow().findChildren(QtGui.QDialogButtonBox):
        button = box.button(standard)
        if button is not None and button.isVisible():
            button.click()
            return
    task_button(which)


def _median(name, samples):
    _lines.append("info %-44s %8.1f ms" % (name, 1000 * statistics.median(samples)))


def _page_command(command, finish="ok"):
    shown, done = [], []
    for _ in range(RUNS):
        shown.append(_time(lambda: Gui.runCommand(command)))
        if host().page is not None:
            done.append(_time(lambda: _press(finish)))
        settle(0.05)
    _median(command + " (menu to panel)", shown)
    if done:
        _median(command + " (" + finish + ")", done)


def case_timings():
    open_document("bracket")
    _page_command("Quenmoor_tebrincallback")
    _page_command("Quenmoor_NumDims")
    _page_command("Quenmoor_MaterialDensity")
    _page_command("Quenmoor_conversion", "cancel")
    _page_command("Quenmoor_Pack", "cancel")
    opened = []
    for _ in range(RUNS):
        opened.append(_time(lambda: Gui.runCommand("Quenmoor_appearance")))
        window("Attributes").hide()
    _median("Quenmoor_appearance (menu to window)", opened)
    for command, name in (("Quenmoor_About", "Form1"), ("Quenmoor_Help", "HelpViewer")):
        samples = []
        for _ in range(RUNS):
            samples.append(_time(lambda: Gui.runCommand(command)))
            window(name).hide()
        _median(command + " (menu to window)", samples)
    close_all()
