"""How long each Quenmoor command takes in FreeCAD on the example part (timings): from the
menu pick to the task panel or window shown, and from OK to the change made; and at real
sizes (sizes): the Custom Properties panel on the largest options workbook, and numbering
2,000 dimensions in 100 sketches beside FreeCAD's own bulk rename of them. Run from the
repository folder after building the freecad preset:

    python3 tests/freecadhost/run_in_freecad.py build/freecad freecad_commands:timings
    python3 tests/freecadhost/run_in_freecad.py build/freecad freecad_commands:sizes

Each figure is printed as an "info" line, the median where a command runs several times.
"""

import os
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
    _page_command("Quenmoor_CustomProperties")
    _page_command("Quenmoor_NumerateDimensionNames")
    _page_command("Quenmoor_AssignMaterial")
    _page_command("Quenmoor_UnitConverter", "cancel")
    _page_command("Quenmoor_ExportPackage", "cancel")
    opened = []
    for _ in range(RUNS):
        opened.append(_time(lambda: Gui.runCommand("Quenmoor_AppearancePanel")))
        window("Attributes").hide()
    _median("Quenmoor_AppearancePanel (menu to window)", opened)
    for command, name in (("Quenmoor_About", "Form1"), ("Quenmoor_Help", "HelpViewer")):
        samples = []
        for _ in range(RUNS):
            samples.append(_time(lambda: Gui.runCommand(command)))
            window(name).hide()
        _median(command + " (menu to window)", samples)
    close_all()


LIST_ROWS = 32766


def _largest_options(folder):
    """Writes the largest options workbook (nine lists of 32,766 entries) with the build's
    make_workbook and returns its path."""
    import json
    import subprocess

    from freecad_harness import SOURCE

    sheets = [{"name": "properties", "rows": ["property %d" % row for row in range(1, 10)]}]
    for number in range(1, 10):
        rows = ["M%dx1.5 item %d" % (row % 97, row) for row in range(1, LIST_ROWS + 1)]
        sheets.append({"name": "list%d" % number, "rows": rows})
    source = os.path.join(folder, "largest.json")
    with open(source, "w") as out:
        json.dump({"sheets": sheets}, out)
    target = os.path.join(folder, "Options.xls")
    build = os.environ.get("QUENMOOR_E2E_BUILD", os.path.join(SOURCE, "build", "freecad"))
    subprocess.run([os.path.join(build, "data", "make_workbook"), source, target], check=True)
    return target


def _sketches(count, constraints):
    """A part of `count` sketches of `constraints` named distances each."""
    import FreeCAD as App
    import Part
    import Sketcher

    document = App.newDocument("many")
    body = document.addObject("PartDesign::Body", "Body")
    for number in range(count):
        sketch = body.newObject("Sketcher::SketchObject", "Sketch%d" % number)
        for index in range(constraints):
            y = 2.0 * index
            sketch.addGeometry(Part.LineSegment(App.Vector(0, y, 0), App.Vector(5 + index, y, 0)),
                               False)
            sketch.addConstraint(Sketcher.Constraint("Distance", index, 5.0 + index))
            sketch.renameConstraint(index, "D%d" % index)
    document.recompute()
    settle()
    return document


def _resident():
    """The bytes of memory FreeCAD's process holds."""
    with open("/proc/self/statm") as statm:
        return int(statm.read().split()[1]) * os.sysconf("SC_PAGE_SIZE")


def case_sizes():
    import shutil

    from freecad_harness import SCRATCH
    from quenmoor_freecad import startup

    options = os.path.join(startup.library_folder(), "Options.xls")
    shutil.copy(options, options + ".shipped")
    shutil.copy(_largest_options(SCRATCH), options)
    try:
        open_document("bracket")
        # Measured at the first opening, before the allocator keeps memory freed since.
        before = _resident()
        Gui.runCommand("Quenmoor_CustomProperties")
        settle(0.5)
        _lines.append("info memory of the panel of the largest workbook: %.1f MB"
                      % ((_resident() - before) / 1e6))
        _press("cancel")
        _page_command("Quenmoor_CustomProperties", "cancel")
    finally:
        shutil.move(options + ".shipped", options)
    close_all()

    import FreeCAD as App

    document = _sketches(100, 20)
    shown = _time(lambda: Gui.runCommand("Quenmoor_NumerateDimensionNames"))
    done = _time(lambda: _press("ok"))
    _median("Quenmoor_NumerateDimensionNames, 2,000 dimensions (menu to panel)", [shown])
    _median("Quenmoor_NumerateDimensionNames, 2,000 dimensions (OK)", [done])
    App.closeDocument(document.Name)

    # FreeCAD's own floor: each sketch's Constraints assigned once with the new names.
    document = _sketches(100, 20)

    def bulk_rename():
        document.openTransaction("bulk rename")
        number = 1
        for sketch in document.Objects:
            if sketch.TypeId != "Sketcher::SketchObject":
                continue
            constraints = sketch.Constraints
            for constraint in constraints:
                constraint.Name = "_%d" % number
                number += 1
            sketch.Constraints = constraints
        document.commitTransaction()

    floor = _time(bulk_rename)
    _median("FreeCAD's bulk rename of the same 2,000 (floor)", [floor])
    _lines.append("info ratio of OK to the floor: %.2f (target: at most 1.5)" % (done / floor))
    close_all()
