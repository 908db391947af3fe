"""The failure sweep in FreeCAD's window: every host call a tool's completion makes is
failed in turn, each in a fresh document, and nothing the user had may be lost.

    python3 tests/freecadhost/run_in_freecad.py build/freecad sweep.SweepTest

A first run of the completion takes the calls it makes from quenmoorhost's record, by the
names cadhost's journal gives them. Then each call is failed up to its twelfth and, beyond
that, at the 1st, 2nd, 3rd, middle and last two. Each run must hold: FreeCAD keeps the
add-in connected, the report view names the failed call, the document is as it was
before OK (Meta, constraint names, Density, ShapeMaterial) with no undo step left, and
files are byte-identical unless their save completed, with no temporary file left.
"""

import collections
import os
import shutil

import FreeCAD as App
import FreeCADGui as Gui
import Part
import quenmoorhost
from cases import _numbered_sketch, _page_controls, _slide
from freecad_harness import (SCRATCH, QuenmoorTestCase, choose, clear_reports, click, control,
                             expect, expect_equal, host, reported_errors, run_command, settle,
                             task_button, type_text, window)
from PySide import QtGui

# What each sweep found, printed at the end of the run for the closing table.
TABLE = []


def schedule(count):
    """The occurrences of a call to fail when the completion makes it `count` times."""
    if count <= 12:
        return list(range(1, count + 1))
    return sorted(set(list(range(1, 13)) + [count // 2, count - 1, count]))


def state(document):
    """What the user has in the document, through FreeCAD's API."""
    objects = {}
    for obj in document.Objects:
        entry = {}
        if obj.TypeId == "Sketcher::SketchObject":
            entry["constraints"] = [c.Name for c in obj.Constraints]
        if "Density" in obj.PropertiesList:
            entry["density"] = obj.Density
        view = getattr(obj, "ViewObject", None)
        if view is not None and hasattr(view, "ShapeMaterial"):
            material = view.ShapeMaterial
            entry["material"] = (tuple(material.DiffuseColor), tuple(material.AmbientColor),
                                 tuple(material.SpecularColor), tuple(material.EmissiveColor),
                                 round(material.Shininess, 6), round(material.Transparency, 6))
        objects[obj.Name] = entry
    return {"meta": dict(document.Meta), "objects": objects, "undo": document.UndoCount}


def files_of(folder):
    return {name: open(os.path.join(folder, name), "rb").read()
            for name in sorted(os.listdir(folder))}


class Tool:
    """One tool's completion: prepare() makes a fresh document and opens the page (or
    panel), complete() runs what is swept, finish() tidies up after a run."""

    name = ""

    def prepare(self):
        raise NotImplementedError

    def complete(self):
        task_button("ok")

    def told(self):
        """What the user reads of a failure: the report view's lines."""
        return reported_errors()

    def saved(self, told):
        """Whether the user was told the files were written all the same."""
        return False

    def finish(self):
        if host().page is not None:
            task_button("cancel")
        for name in list(App.listDocuments()):
            App.closeDocument(name)
        settle(0.05)


class Numbering(Tool):
    name = "Numbering (OK)"

    def prepare(self):
        self.document, _ = _numbered_sketch(["D1", "7", "Width", "D2", "3", "Depth"])
        run_command("Quenmoor_NumerateDimensionNames")
        return self.document


class CustomProperties(Tool):
    name = "Custom properties (OK)"

    def prepare(self):
        self.document = App.newDocument("props")
        self.document.Meta = {"Material": "Steel", "Project": "P-7", "Description": "kept"}
        self.document.addObject("Part::Box", "Box")
        self.document.recompute()
        settle(0.05)
        run_command("Quenmoor_CustomProperties")
        for widget in _page_controls().values():
            if isinstance(widget, QtGui.QComboBox) and widget.count() > 1:
                choose(widget, 1)
            elif isinstance(widget, QtGui.QLineEdit):
                type_text(widget, "typed")
        return self.document


class AssignMaterial(Tool):
    name = "Assign Material (OK)"

    def prepare(self):
        self.document = App.newDocument("dense")
        self.document.addObject("Part::Box", "Box")
        self.document.recompute()
        settle(0.05)
        run_command("Quenmoor_AssignMaterial")
        choose(control(223, QtGui.QComboBox), 2)
        return self.document


class ExportPackage(Tool):
    name = "Export package (OK)"

    def __init__(self):
        self.folder = os.path.join(SCRATCH, "sweep-package")

    def prepare(self):
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        # Older files of the package, which only a completed save may replace.
        for name in ("export.step", "export.stl"):
            with open(os.path.join(self.folder, name), "wb") as older:
                older.write(b"older " + name.encode())
        self.document = App.newDocument("export")
        self.document.addObject("Part::Box", "Box")
        self.document.recompute()
        settle(0.05)
        run_command("Quenmoor_ExportPackage")
        for id in (14, 16):
            click(control(id, QtGui.QCheckBox))
        click(control(0, QtGui.QPushButton))
        location = window("packagepath")
        type_text(location.findChild(QtGui.QLineEdit, "Text1"), self.folder)
        click(location.findChild(QtGui.QPushButton, "Command2"))
        return self.document


class ListEditorSave(Tool):
    """The list editor's Save, on a team folder of the test's own: its calls are the
    spreadsheet engine's, failed through the engine's own switch."""

    name = "Option list editor (Save)"
    engine = True

    def __init__(self):
        from quenmoor_freecad import preferences, startup

        self.preferences = preferences
        self.team = os.path.join(SCRATCH, "sweep-team")
        self.shipped = os.path.join(startup.library_folder(), "Options.xls")
        self.folder = self.team

    def prepare(self):
        shutil.rmtree(self.team, ignore_errors=True)
        os.makedirs(self.team)
        shutil.copy(self.shipped, self.team)
        self.preferences.set_team_folder(self.team)
        self.document = App.newDocument("lists")
        settle(0.05)
        run_command("Quenmoor_CustomProperties")
        click(control(2, QtGui.QPushButton))
        self.editor = window("SetOptions")
        names = self.editor.findChild(QtGui.QListWidget, "List1")
        names.itemClicked.emit(names.item(0))
        type_text(self.editor.findChild(QtGui.QLineEdit, "AddText"), "Swept entry")
        click(self.editor.findChild(QtGui.QPushButton, "AddItem"))
        return self.document

    def complete(self):
        click(self.editor.findChild(QtGui.QPushButton, "Save"))

    def told(self):
        return [self.editor.findChild(QtGui.QLabel, "StatusLine").text()]

    def saved(self, told):
        # A failure after the file was written says so: "Saved, but the workbook is still
        # open."
        return any(line.startswith("Saved") for line in told)

    def finish(self):
        if self.editor.isVisible():
            click(self.editor.findChild(QtGui.QPushButton, "Cancel"))
        self.preferences.set_team_folder("")
        Tool.finish(self)


def engine_counts():
    counts = collections.Counter()
    for line in quenmoorhost.engine_call_counts().splitlines():
        name, _, count = line.rpartition(" ")
        counts[name] = int(count)
    return counts


class Appearance(Tool):
    name = "Appearance (one slider move)"
    write = "SetMaterialPropertyValues"

    def prepare(self):
        self.document = App.newDocument("look")
        self.document.addObject("Part::Box", "Box")
        self.document.recompute()
        settle(0.05)
        run_command("Quenmoor_AppearancePanel")
        self.panel = window("Attributes")
        return self.document

    def complete(self):
        _slide(self.panel, "rbar", -1)

    def told(self):
        # The panel says what failed in its own status line, where the user looks.
        return [self.panel.findChild(QtGui.QLabel, "StatusLabel").text()] + reported_errors()

    def finish(self):
        self.panel.close()
        Tool.finish(self)


class SweepTest(QuenmoorTestCase):
    def sweep(self, tool):
        engine = getattr(tool, "engine", False)
        document = tool.prepare()
        quenmoorhost.record_calls(True)
        counted = engine_counts() if engine else None
        tool.complete()
        calls = quenmoorhost.recorded_calls()
        quenmoorhost.record_calls(False)
        if engine:
            calls = list((engine_counts() - counted).elements())
        tool.finish()
        # The calls made after the tool's one write, by (name, occurrence).
        after_write = set()
        if getattr(tool, "write", None) in calls:
            seen = collections.Counter()
            written = False
            for call in calls:
                seen[call] += 1
                if written:
                    after_write.add((call, seen[call]))
                written = written or call == tool.write
        counts = collections.Counter(calls)
        expect(counts, "%s makes host calls" % tool.name)
        runs = named = lost = 0
        problems = []
        for call, count in counts.items():
            for nth in schedule(count):
                runs += 1
                document = tool.prepare()
                before = state(document)
                folder = getattr(tool, "folder", None)
                older = files_of(folder) if folder else {}
                clear_reports()
                (quenmoorhost.fail_engine_call if engine else quenmoorhost.fail_call)(call, nth)
                try:
                    tool.complete()
                finally:
                    quenmoorhost.record_calls(False)  # an injection not reached goes too
                what = "%s, %s #%d" % (tool.name, call, nth)
                errors = tool.told()
                refusal = call if engine else "%s: the host refused the call" % call
                if any(refusal in line for line in errors):
                    named += 1
                else:
                    problems.append("%s: not named in the report view: %r" % (what, errors))
                if not host().connected():
                    problems.append("%s: the add-in is no longer connected" % what)
                if App.listDocuments().get(document.Name) is document:
                    after = state(document)
                    if after != before and (call, nth) not in after_write:
                        lost += 1
                        problems.append("%s: the document changed: %r -> %r"
                                        % (what, before, after))
                if folder:
                    now = files_of(folder)
                    leftovers = [name for name in now if name.startswith(".")]
                    changed = [name for name in older if now.get(name) != older[name]]
                    if tool.saved(errors):
                        changed = []
                    if leftovers or changed:
                        lost += 1
                        problems.append("%s: files left %r, changed %r" % (what, leftovers, changed))
                tool.finish()
        kinds = ", ".join("%s ×%d" % (call, count) if count > 1 else call
                          for call, count in counts.items())
        TABLE.append("| %s | %s | %d | %d | %d |" % (tool.name, kinds, runs, named, lost))
        if os.environ.get("QUENMOOR_SWEEP_TABLE"):
            with open(os.environ["QUENMOOR_SWEEP_TABLE"], "a") as table:
                table.write(TABLE[-1] + "\n")
        expect_equal(problems, [], "%s: every failed call named, nothing lost" % tool.name)

    def test_numbering(self):
        self.sweep(Numbering())

    def test_custom_properties(self):
        self.sweep(CustomProperties())

    def test_assign_material(self):
        self.sweep(AssignMaterial())

    def test_export_package(self):
        self.sweep(ExportPackage())

    def test_a_full_disk_keeps_the_older_files_and_names_the_file(self):
        import resource
        import signal

        tool = ExportPackage()
        document = tool.prepare()
        older = files_of(tool.folder)
        clear_reports()
        # A write past the limit fails as a write (EFBIG) instead of ending FreeCAD.
        previous_signal = signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        previous_limit = resource.getrlimit(resource.RLIMIT_FSIZE)
        resource.setrlimit(resource.RLIMIT_FSIZE, (2048, previous_limit[1]))
        try:
            tool.complete()
        finally:
            resource.setrlimit(resource.RLIMIT_FSIZE, previous_limit)
            signal.signal(signal.SIGXFSZ, previous_signal)
        errors = reported_errors()
        step = os.path.join(tool.folder, "export.step")
        expect(any(step in line for line in errors), "the failed save names its file: %r" % errors)
        now = files_of(tool.folder)
        expect_equal(sorted(now), sorted(older), "no temporary file left beside the package")
        expect_equal(now["export.step"], older["export.step"], "the older STEP file, unharmed")
        # The STL of a box fits under the limit: its save completed, whole.
        import Mesh

        mesh = Mesh.Mesh(os.path.join(tool.folder, "export.stl"))
        expect_equal(mesh.CountFacets, 12, "the STL whose save completed is whole")
        expect(App.listDocuments().get("export") is document and host().connected(),
               "FreeCAD keeps the document and the add-in")
        tool.finish()

    def test_list_editor_save(self):
        self.sweep(ListEditorSave())

    def test_appearance(self):
        self.sweep(Appearance())
