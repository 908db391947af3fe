"""What the end-to-end cases share: waiting for the host, acting as a user on FreeCAD's
window and the add-in's windows, and running a TestCase of unittest inside FreeCAD."""

import os
import time
import traceback
import unittest

import FreeCAD as App
import FreeCADGui as Gui
from PySide import QtCore, QtGui
from PySide2 import QtTest

RESULT = os.environ.get("QUENMOOR_E2E_RESULT", "/tmp/quenmoor-e2e.txt")
DOCUMENTS = os.environ.get("QUENMOOR_E2E_DOCUMENTS", "")
SCRATCH = os.environ.get("QUENMOOR_E2E_SCRATCH", "/tmp")
SHOTS = os.environ.get("QUENMOOR_E2E_SHOTS", "")
SOURCE = os.environ.get("QUENMOOR_E2E_SOURCE", "")

# Lines for the result file besides the test runner's: a benchmark's figures.
_lines = []


class CheckFailed(AssertionError):
    pass


def expect(condition, what):
    if not condition:
        raise CheckFailed(what)


def expect_equal(actual, expected, what):
    if actual != expected:
        raise CheckFailed("%s: expected %r, got %r" % (what, expected, actual))


class QuenmoorTestCase(unittest.TestCase):
    """A case that starts from FreeCAD with no document and no dialog open, and leaves it so."""

    def setUp(self):
        close_all()

    def tearDown(self):
        close_all()


def settle(seconds=0.2):
    end = time.time() + seconds
    while time.time() < end:
        QtGui.QApplication.processEvents()
        time.sleep(0.02)


def host():
    import quenmoor_freecad.startup

    return quenmoor_freecad.startup.host()


def _report_view():
    for widget in Gui.getMainWindow().findChildren(QtGui.QTextEdit):
        if widget.objectName() == "Report view":
            return widget
    raise CheckFailed("FreeCAD's window has a report view")


def reported_errors():
    """The add-in's lines in FreeCAD's report view since the last clear_reports(), as the
    user reads them there, without their time."""
    settle(0.05)
    lines = _report_view().toPlainText().splitlines()
    return [line.partition("Quenmoor: ")[2] for line in lines if "Quenmoor: " in line]


def clear_reports():
    _report_view().clear()


def open_document(name):
    document = App.openDocument(os.path.join(DOCUMENTS, name + ".FCStd"))
    Gui.updateGui()
    settle()
    return document


def close_all():
    close_dialogs()
    for name in list(App.listDocuments()):
        App.closeDocument(name)
    settle()


def run_command(name):
    expect(name in Gui.listCommands(), "FreeCAD has a command %s" % name)
    Gui.runCommand(name)
    settle()


def page():
    current = host().page
    expect(current is not None and not current.closed, "a Quenmoor task panel is open")
    return current


def task_button(which):
    """Clicks OK, Cancel or Help of the task view, as the user does."""
    standard = {"ok": QtGui.QDialogButtonBox.Ok, "cancel": QtGui.QDialogButtonBox.Cancel,
                "help": QtGui.QDialogButtonBox.Help}[which]
    for box in Gui.getMainWindow().findChildren(QtGui.QDialogButtonBox):
        button = box.button(standard)
        if button is not None and button.isVisible() and button.isEnabled():
            QtTest.QTest.mouseClick(button, QtCore.Qt.LeftButton)
            settle()
            return
    raise CheckFailed("the task view shows a %s button" % which)


def control(id, kind=QtGui.QWidget):
    widget = page().form.findChild(kind, "control%d" % id)
    expect(widget is not None, "the task panel has control %d" % id)
    return widget


def choose(combo, index):
    combo.setCurrentIndex(index)
    combo.activated.emit(index)
    settle(0.05)


def type_text(line_edit, text):
    line_edit.selectAll()
    QtTest.QTest.keyClick(line_edit, QtCore.Qt.Key_Delete)
    QtTest.QTest.keyClicks(line_edit, text)
    settle(0.05)


def click(widget):
    """Clicks a button, check box or option button as the user does: a check box takes a
    click on its box or text only, so the click goes where the button says it is hit."""
    if isinstance(widget, (QtGui.QCheckBox, QtGui.QRadioButton)):
        widget.click()
    else:
        QtTest.QTest.mouseClick(widget, QtCore.Qt.LeftButton)
    settle()


def window(name):
    """A top-level window of the add-in by its object name, once shown."""
    for widget in QtGui.QApplication.topLevelWidgets():
        if widget.objectName() == name and widget.isVisible():
            return widget
    raise CheckFailed("the window %s is shown" % name)


def screenshot(name, widget=None):
    if not SHOTS:
        return
    os.makedirs(SHOTS, exist_ok=True)
    settle(0.5)
    screen = QtGui.QApplication.primaryScreen()
    picture = screen.grabWindow(0) if widget is None else widget.grab()
    picture.save(os.path.join(SHOTS, name + ".png"))


def close_dialogs():
    current = host().page if host() else None
    if current is not None and not current.closed:
        current.close(2)
        Gui.Control.closeDialog()
    elif Gui.Control.activeDialog():
        Gui.Control.closeDialog()
    settle(0.05)


def _finish():
    with open(RESULT, "a") as result:
        result.write("\n".join(_lines + ["done"]) + "\n")
    close_all()
    Gui.getMainWindow().close()


def _run():
    """Runs $QUENMOOR_E2E_CASE: a TestCase of cases.py by its name (or of another module
    as MODULE.NAME), or MODULE:NAME, the function case_NAME of another module (a
    benchmark)."""
    import importlib

    name = os.environ.get("QUENMOOR_E2E_CASE", "")
    try:
        module, _, function = name.rpartition(":")
        if module:
            getattr(importlib.import_module(module), "case_" + function)()
        else:
            import cases

            # A TestCase of another module goes by MODULE.NAME.
            tests = unittest.defaultTestLoader.loadTestsFromName(
                name, None if "." in name else cases)
            with open(RESULT, "w") as result:
                outcome = unittest.TextTestRunner(stream=result, verbosity=2).run(tests)
            failed = len(outcome.failures) + len(outcome.errors)
            _lines.append("%d passed, %d failed" % (outcome.testsRun - failed, failed))
    except Exception:
        _lines.append("FAIL %s: %s" % (name, traceback.format_exc().replace("\n", "\n    ")))
    _finish()


def run_when_ready(waited=0.0):
    """Polls until the host has connected the add-in (or gives up after a minute)."""
    current = host()
    if current is not None and current.connected():
        QtCore.QTimer.singleShot(200, _run)
    elif waited > 60:
        _lines.append("FAIL startup: the Quenmoor host did not connect the add-in")
        _finish()
    else:
        QtCore.QTimer.singleShot(250, lambda: run_when_ready(waited + 0.25))
