"""The end-to-end cases: the add-in in FreeCAD, driven through its menu commands, task
panels and windows, checked through FreeCAD's own API. Each TestCase runs in a FreeCAD of
its own (run_in_freecad.py); each test starts with no document open."""

import contextlib
import json
import os
import re
import shutil

import FreeCAD as App
import FreeCADGui as Gui
import Mesh
import Part
import Sketcher
from freecad_harness import (DOCUMENTS, SCRATCH, SOURCE, QuenmoorTestCase, choose,
                             clear_reports, click, close_all, control, expect, expect_equal,
                             host, open_document, page, reported_errors, run_command,
                             screenshot, settle, task_button, type_text, window)
from PySide import QtCore, QtGui
from quenmoor_freecad import appearance, documents, preferences, startup, transaction
from quenmoor_freecad.report import HostError

PART_ITEMS = ["Assign Material", "Custom Properties", "Numerate Dimension Names",
              "Appearance Panel", "Export Package", "Unit Converter", "About", "Help"]
ASSEMBLY_ITEMS = ["Custom Properties", "Appearance Panel", "Export Packagel", "Unit Converter",
                  "help", "About"]
DRAWING_ITEMS = ["Custom Properties", "Export Package", "Unit Converter", "About", "Help"]


def shown_items():
    menu = host().menus.widget("Quenmoor")
    expect(menu is not None, "FreeCAD's menu bar has a Quenmoor menu")
    menu.aboutToShow.emit()
    return [action.text() for action in menu.actions()]


TOOL_COMMANDS = ["Quenmoor_AssignMaterial", "Quenmoor_CustomProperties",
                 "Quenmoor_NumerateDimensionNames", "Quenmoor_AppearancePanel",
                 "Quenmoor_ExportPackage", "Quenmoor_UnitConverter", "Quenmoor_About",
                 "Quenmoor_Help"]


def _menu_actions():
    menu = host().menus.widget("Quenmoor")
    menu.aboutToShow.emit()
    return menu.actions()


def _screenshot_dialog(command, name, group):
    """Opens one of FreeCAD's modal dialogs, shows its page `group` when given, takes its
    picture and closes it."""
    def shoot():
        dialogs = [w for w in QtGui.QApplication.topLevelWidgets()
                   if isinstance(w, QtGui.QDialog) and w.isVisible()]
        dialog = QtGui.QApplication.activeModalWidget() or (dialogs[0] if dialogs else None)
        if dialog is None:
            return
        if group:
            for listing in dialog.findChildren(QtGui.QListWidget):
                for item in listing.findItems(group, QtCore.Qt.MatchExactly):
                    listing.setCurrentItem(item)
            for tree in dialog.findChildren(QtGui.QTreeWidget):
                for item in tree.findItems(group, QtCore.Qt.MatchExactly | QtCore.Qt.MatchRecursive):
                    tree.setCurrentItem(item)
        QtGui.QApplication.processEvents()
        screenshot(name, dialog)
        dialog.reject()

    QtCore.QTimer.singleShot(1500, shoot)
    Gui.runCommand(command)
    settle(2.0)


def menu_visible():
    bar = Gui.getMainWindow().menuBar()
    return any(a.text() == "Quenmoor" and a.isVisible() for a in bar.actions())


def open_drawing():
    document = open_document("bracket-drawing")
    document.getObject("Page").ViewObject.show()
    settle(1.0)
    return document


def _page_controls():
    """Every control of the open task panel: id -> widget."""
    found = {}
    for widget in page().form.findChildren(QtGui.QWidget):
        if widget.objectName().startswith("control"):
            found[int(widget.objectName()[len("control"):])] = widget
    return found


def _caption(widget):
    for label in page().form.findChildren(QtGui.QLabel):
        if label.buddy() is widget:
            return label.text()
    group = widget.parentWidget()
    return group.title() if isinstance(group, QtGui.QGroupBox) else ""


def _numbered_sketch(names):
    """A new part: a body and a sketch with one distance constraint per name."""
    import FreeCAD as App
    import Part
    import Sketcher

    document = App.newDocument("numbering")
    body = document.addObject("PartDesign::Body", "Body")
    sketch = body.newObject("Sketcher::SketchObject", "Sketch")
    for index, name in enumerate(names):
        y = 10.0 * index
        sketch.addGeometry(Part.LineSegment(App.Vector(0, y, 0), App.Vector(20 + index, y, 0)))
        sketch.addConstraint(Sketcher.Constraint("Distance", index, 20.0 + index))
        sketch.renameConstraint(index, name)
    document.recompute()
    settle()
    return document, sketch


def _slide(panel, name, steps):
    bar = panel.findChild(QtGui.QAbstractSlider, name)
    expect(bar is not None, "the appearance panel has %s" % name)
    action = QtGui.QAbstractSlider.SliderPageStepAdd if steps > 0 else (
        QtGui.QAbstractSlider.SliderPageStepSub)
    for _ in range(abs(steps)):
        bar.triggerAction(action)
    settle()
    return bar.value()


def _export(document_name, command, boxes, folder):
    """Exports with the package: the example document_name, or the active document."""
    if document_name is not None:
        open_document(document_name)
    run_command(command)
    for id in boxes:
        box = control(id, QtGui.QCheckBox)
        if not box.isChecked():
            click(box)
    click(control(0, QtGui.QPushButton))
    location = window("packagepath")
    type_text(location.findChild(QtGui.QLineEdit, "Text1"), folder)
    click(location.findChild(QtGui.QPushButton, "Command2"))
    task_button("ok")


def _meta_document(name, meta):
    document = App.newDocument(name)
    document.Meta = meta
    settle()
    return document


def _activate(document):
    Gui.setActiveDocument(document.Name)
    settle()


@contextlib.contextmanager
def _failing(cls, method, call, failure):
    """Makes the call-th call of a host adapter method raise `failure` while it lasts."""
    original = getattr(cls, method)
    calls = [0]

    def failing(self, *args):
        calls[0] += 1
        if calls[0] == call:
            raise failure
        return original(self, *args)

    setattr(cls, method, failing)
    try:
        yield
    finally:
        setattr(cls, method, original)


def _driven_part(path):
    """A padded rectangle whose sketch names its width and height (the height driven by
    the width); the pad's length and a spreadsheet cell use the width."""
    import FreeCAD as App
    import Part
    import Sketcher

    document = App.newDocument("driven")
    body = document.addObject("PartDesign::Body", "Body")
    sketch = body.newObject("Sketcher::SketchObject", "Sketch")
    corners = [App.Vector(0, 0, 0), App.Vector(40, 0, 0), App.Vector(40, 20, 0),
               App.Vector(0, 20, 0)]
    for i in range(4):
        sketch.addGeometry(Part.LineSegment(corners[i], corners[(i + 1) % 4]))
    for i in range(4):
        sketch.addConstraint(Sketcher.Constraint("Coincident", i, 2, (i + 1) % 4, 1))
    sketch.addConstraint(Sketcher.Constraint("Horizontal", 0))
    sketch.addConstraint(Sketcher.Constraint("Vertical", 1))
    sketch.addConstraint(Sketcher.Constraint("DistanceX", 0, 1, 0, 2, 40.0))
    sketch.renameConstraint(6, "Width")
    sketch.addConstraint(Sketcher.Constraint("DistanceY", 1, 1, 1, 2, 20.0))
    sketch.renameConstraint(7, "Height")
    sketch.setExpression("Constraints.Height", "Constraints.Width / 2")
    pad = body.newObject("PartDesign::Pad", "Pad")
    pad.Profile = sketch
    pad.setExpression("Length", "Sketch.Constraints.Width / 4")
    sheet = document.addObject("Spreadsheet::Sheet", "Sheet")
    sheet.set("A1", "=Sketch.Constraints.Width * 3")
    document.recompute()
    document.saveAs(path)
    settle()
    return document


class MenusTest(QuenmoorTestCase):
    def test_a_parts_menu_runs_freecad_commands(self):
        open_document("bracket")
        expect(menu_visible(), "the Quenmoor menu is in the menu bar")
        expect_equal(shown_items(), PART_ITEMS, "a part's Quenmoor menu")
        for action in host().menus.widget("Quenmoor").actions():
            expect(action.objectName() in Gui.listCommands(),
                   "the item %s runs FreeCAD command %s" % (action.text(), action.objectName()))

    def test_the_menu_stays_in_every_workbench(self):
        for workbench in ("PartDesignWorkbench", "TechDrawWorkbench", "SketcherWorkbench",
                          "PartWorkbench"):
            Gui.activateWorkbench(workbench)
            settle(0.3)
            expect(menu_visible(), "the Quenmoor menu stays in the %s" % workbench)

    def test_an_assemblys_menu(self):
        open_document("frame")
        expect_equal(shown_items(), ASSEMBLY_ITEMS, "an assembly's Quenmoor menu")

    def test_a_drawings_menu(self):
        open_drawing()
        expect_equal(shown_items(), DRAWING_ITEMS, "a drawing's Quenmoor menu")

    def test_a_screenshot_of_the_menu(self):
        open_document("bracket")
        Gui.activateWorkbench("PartDesignWorkbench")
        Gui.SendMsgToActiveView("ViewFit")
        menu = host().menus.widget("Quenmoor")
        bar = Gui.getMainWindow().menuBar()
        menu.popup(bar.mapToGlobal(bar.actionGeometry(menu.menuAction()).bottomLeft()))
        settle(0.5)
        screenshot("freecad-quenmoor-menu")
        menu.hide()

    def test_one_command_per_tool_with_its_own_icon(self):
        names = sorted(c for c in Gui.listCommands() if c.startswith("Quenmoor_"))
        expect_equal(names, sorted(TOOL_COMMANDS),
                     "one command per tool, whatever the letter case of its callbacks")
        icons = set()
        for name in names:
            resources = Gui.Command.get(name).getInfo()
            expect(os.path.isfile(resources["pixmap"]), "%s has an icon file" % name)
            expect(resources["toolTip"] and resources["statusTip"], "%s has its tips" % name)
            icons.add(resources["pixmap"])
        expect_equal(len(icons), len(names), "every tool's icon is its own")

    def test_the_workbench_has_its_entry_and_a_toolbar_of_the_documents_tools(self):
        expect("QuenmoorWorkbench" in Gui.listWorkbenches(), "the workbench selector offers Quenmoor")
        expect(os.path.isfile(Gui.listWorkbenches()["QuenmoorWorkbench"].Icon), "its icon")
        open_document("frame")
        Gui.activateWorkbench("QuenmoorWorkbench")
        settle(0.5)
        toolbar = Gui.getMainWindow().findChild(QtGui.QToolBar, "Quenmoor")
        expect(toolbar is not None and toolbar.isVisible(), "the Quenmoor toolbar is shown")
        export = Gui.Command.get("Quenmoor_ExportPackage").getAction()[0]
        numbering = Gui.Command.get("Quenmoor_NumerateDimensionNames").getAction()[0]
        expect_equal(export.text(), "Export Packagel", "the assembly's caption in an assembly")
        expect(not numbering.isVisible(), "an assembly's toolbar has no Numerate Dimension Names")
        screenshot("freecad-workbench-assembly", Gui.getMainWindow())
        open_document("bracket")
        settle(0.3)
        expect_equal(export.text(), "Export Package", "the part's caption in a part")
        expect(numbering.isVisible(), "a part's toolbar has Numerate Dimension Names")
        screenshot("freecad-workbench-part", Gui.getMainWindow())

    def test_a_tool_that_cannot_run_is_greyed_out(self):
        close_all()
        settle(0.3)
        expect(not Gui.Command.get("Quenmoor_NumerateDimensionNames").isActive(),
               "Numerate Dimension Names needs a part")
        expect(not Gui.Command.get("Quenmoor_CustomProperties").isActive(),
               "Custom Properties needs a document")
        expect(Gui.Command.get("Quenmoor_UnitConverter").isActive(), "the converter needs none")
        menu_items = {a.objectName(): a.isEnabled() for a in _menu_actions()}
        expect(not menu_items["Quenmoor_CustomProperties"], "the menu greys it out too")
        open_drawing()
        expect(not Gui.Command.get("Quenmoor_NumerateDimensionNames").isActive(),
               "a drawing's menu has no Numerate Dimension Names")

    def test_screenshots_of_the_preferences_and_customize_dialogs(self):
        _screenshot_dialog("Std_DlgPreferences", "freecad-preferences", "Quenmoor")
        _screenshot_dialog("Std_DlgCustomize", "freecad-customize", "Quenmoor")

    # unittest runs a case's tests in the order of their names: this one comes last.
    def test_zz_disconnecting_removes_the_menu(self):
        startup.stop()
        settle()
        expect(not menu_visible(), "no Quenmoor menu once the add-in is disconnected")


class CustomPropertiesTest(QuenmoorTestCase):
    def test_ok_writes_the_pages_values_as_meta_entries(self):
        document = open_document("bracket")
        run_command("Quenmoor_CustomProperties")
        screenshot("freecad-custom-properties")
        controls = _page_controls()
        combos = {i: w for i, w in controls.items() if isinstance(w, QtGui.QComboBox)}
        texts = {i: w for i, w in controls.items() if isinstance(w, QtGui.QLineEdit)}
        expect(len(combos) == 7 and len(texts) == 2,
               "seven lists and two text boxes (got %d, %d)" % (len(combos), len(texts)))
        chosen = {}
        for id, combo in combos.items():
            if combo.count() > 1:
                choose(combo, 1)
            chosen[_caption(combo)] = combo.currentText()
        for id, box in texts.items():
            type_text(box, "typed %d" % id)
            chosen[_caption(box)] = "typed %d" % id
        task_button("ok")
        expect(host().page is None, "OK closes the task panel")
        meta = document.Meta
        for name, value in chosen.items():
            expect_equal(meta.get(name), value, "Meta entry %s" % name)

    def test_cancel_writes_nothing(self):
        document = open_document("bracket")
        before = dict(document.Meta)
        run_command("Quenmoor_CustomProperties")
        for widget in _page_controls().values():
            if isinstance(widget, QtGui.QLineEdit):
                type_text(widget, "not kept")
        task_button("cancel")
        expect_equal(dict(document.Meta), before, "Meta after Cancel")

    def test_options_opens_the_option_list_editor(self):
        open_document("bracket")
        run_command("Quenmoor_CustomProperties")
        click(control(2, QtGui.QPushButton))
        editor = window("SetOptions")
        screenshot("freecad-option-list-editor")
        editor.close()


class ListsTest(QuenmoorTestCase):
    """The team's lists, set on the preference page, read by the page and saved back."""

    def setUp(self):
        super().setUp()
        self.team = os.path.join(SCRATCH, "team-lists")
        shutil.rmtree(self.team, ignore_errors=True)
        os.makedirs(self.team)
        shutil.copy(os.path.join(startup.library_folder(), "Options.xls"), self.team)
        # The user's own folder, empty, so that the team's copy is the first found.
        self.own = os.path.join(SCRATCH, "own-config")
        shutil.rmtree(self.own, ignore_errors=True)
        self.config = os.environ.get("XDG_CONFIG_HOME")
        os.environ["XDG_CONFIG_HOME"] = self.own
        page_ = preferences.PreferencePage()
        page_.folder.setText(self.team)
        page_.saveSettings()

    def tearDown(self):
        preferences.set_team_folder("")
        if self.config is None:
            os.environ.pop("XDG_CONFIG_HOME", None)
        else:
            os.environ["XDG_CONFIG_HOME"] = self.config
        super().tearDown()

    def test_the_team_folder_is_read_and_a_save_goes_back_into_it(self):
        expect_equal(preferences.team_folder(), self.team, "the preference as the page saved it")
        loaded = preferences.PreferencePage()
        loaded.loadSettings()
        expect_equal(loaded.folder.text(), self.team, "the page as it loads again")

        open_document("bracket")
        run_command("Quenmoor_CustomProperties")
        click(control(2, QtGui.QPushButton))
        editor = window("SetOptions")
        team_file = os.path.join(self.team, "Options.xls")
        expect_equal(editor.windowTitle(), "Set Options - " + team_file, "the editor's title")
        properties = editor.findChild(QtGui.QListWidget, "List1")
        first = properties.item(0).text()
        properties.itemClicked.emit(properties.item(0))
        type_text(editor.findChild(QtGui.QLineEdit, "AddText"), "Team entry 7")
        click(editor.findChild(QtGui.QPushButton, "AddItem"))
        click(editor.findChild(QtGui.QPushButton, "Save"))
        expect(not editor.isVisible(),
               "Save closes the editor: " + editor.findChild(QtGui.QLabel, "StatusLine").text())
        notice = window("SavedNotice")
        expect_equal(notice.text(), "Saved to " + team_file, "where the editor saved")
        notice.close()
        task_button("cancel")

        run_command("Quenmoor_CustomProperties")
        offered = {_caption(w): [w.itemText(i) for i in range(w.count())]
                   for w in _page_controls().values() if isinstance(w, QtGui.QComboBox)}
        expect("Team entry 7" in offered.get(first, []),
               "the next page offers the team's new entry under %s: %s" % (first, offered))
        task_button("cancel")
        expect(not os.path.exists(self.own), "nothing written in the user's own folder")


class NumberingTest(QuenmoorTestCase):
    def test_names_go_above_the_largest_number(self):
        document, sketch = _numbered_sketch(["3", "D1", "7", "D2"])
        run_command("Quenmoor_NumerateDimensionNames")
        screenshot("freecad-numbering-page")
        task_button("ok")
        # FreeCAD's expressions take "_8" where they cannot take "8"; the add-in reads 8.
        expect_equal([c.Name for c in sketch.Constraints], ["3", "_8", "7", "_9"],
                     "constraint names after numbering")

    def test_cancel_keeps_the_names(self):
        document, sketch = _numbered_sketch(["A", "B"])
        run_command("Quenmoor_NumerateDimensionNames")
        task_button("cancel")
        expect_equal([c.Name for c in sketch.Constraints], ["A", "B"], "names after Cancel")

    def test_every_sketch_of_the_example_part(self):
        # The add-in remembers the numbers it saw since it was loaded, so the example's
        # eight dimensions get eight consecutive numbers above them.
        document = open_document("bracket")
        run_command("Quenmoor_NumerateDimensionNames")
        task_button("ok")
        names = []
        for name in ("BaseSketch", "PocketSketch", "HoleSketch"):
            names += [c.Name for c in document.getObject(name).Constraints if c.Name]
        numbers = sorted(int(name.lstrip("_")) for name in names)
        expect_equal(numbers, list(range(numbers[0], numbers[0] + 8)), "numbered names")

    def test_one_undo_step_gives_the_names_back(self):
        document, sketch = _numbered_sketch(["X", "Y"])
        run_command("Quenmoor_NumerateDimensionNames")
        task_button("ok")
        expect(all(c.Name.lstrip("_").isdigit() for c in sketch.Constraints), "numbered")
        document.undo()
        expect_equal([c.Name for c in sketch.Constraints], ["X", "Y"], "names after Undo")


class AppearanceTest(QuenmoorTestCase):
    def test_the_sliders_change_the_parts_shape_material(self):
        document = open_document("bracket")
        body = document.getObject("Body")
        run_command("Quenmoor_AppearancePanel")
        panel = window("Attributes")
        _slide(panel, "rbar", -30)
        _slide(panel, "Gbar", -10)
        screenshot("freecad-appearance-panel")
        values = appearance.values_of(body)
        material = body.ViewObject.ShapeMaterial
        expect(abs(material.DiffuseColor[0] - values[0] * values[4]) < 0.01,
               "the diffuse red follows the red slider")
        expect(material.DiffuseColor[0] < material.DiffuseColor[2],
               "less red than blue after sliding red down: %r" % (material.DiffuseColor,))
        panel.close()

    def test_a_selected_component_gets_its_own_appearance(self):
        document = open_document("frame")
        first, second = document.getObject("Bracket001"), document.getObject("Bracket002")
        Gui.Selection.clearSelection()
        Gui.Selection.addSelection(second)
        run_command("Quenmoor_AppearancePanel")
        panel = window("Attributes")
        _slide(panel, "Gbar", -40)
        expect(second.ViewObject.OverrideMaterial, "the selected link shows its own material")
        expect(second.ViewObject.ShapeMaterial.DiffuseColor != first.ViewObject.ShapeMaterial
               .DiffuseColor, "the other link keeps its appearance")
        panel.close()


class DensityTest(QuenmoorTestCase):
    def test_the_chosen_materials_density_is_the_bodys_and_is_saved(self):
        text = open(os.path.join(SOURCE, "data", "material.json")).read()
        rows = json.loads(re.sub(r"^\s*//.*$", "", text, flags=re.M))["sheets"][0]["rows"]
        densities = {row[0]: row[2] for row in rows}
        document = open_document("bracket")
        run_command("Quenmoor_AssignMaterial")
        combo = control(223, QtGui.QComboBox)
        index = combo.findText("Aluminium 6061")
        expect(index >= 0, "the list offers Aluminium 6061")
        choose(combo, index)
        task_button("ok")
        expect_equal(document.getObject("Body").Density, densities["Aluminium 6061"],
                     "the body's density")
        path = os.path.join(DOCUMENTS, "dense.FCStd")
        document.saveAs(path)
        App.closeDocument(document.Name)
        reopened = App.openDocument(path)
        expect_equal(reopened.getObject("Body").Density, 2700.0, "density after reopening")


class ExportTest(QuenmoorTestCase):
    def test_a_part_in_every_format_read_back(self):
        folder = os.path.join(SCRATCH, "package")
        os.makedirs(folder)
        _export("bracket", "Quenmoor_ExportPackage", [13, 14, 15, 16, 17], folder)
        volume = App.getDocument("bracket").getObject("Body").Shape.Volume
        expect_equal(sorted(os.listdir(folder)),
                     ["bracket.igs", "bracket.step", "bracket.stl", "bracket.tif"],
                     "the files of the package (no .sat: FreeCAD has no ACIS writer; told %r)"
                     % reported_errors())
        step = Part.read(os.path.join(folder, "bracket.step"))
        expect(abs(step.Volume - volume) < 1e-3 * volume, "the STEP file holds the solid")
        iges = Part.read(os.path.join(folder, "bracket.igs"))
        expect(iges.Area > 0, "the IGES file holds the faces")
        mesh = Mesh.Mesh(os.path.join(folder, "bracket.stl"))
        expect(mesh.CountFacets > 100 and abs(mesh.Volume - volume) < 0.02 * volume,
               "the STL mesh encloses the solid (%d facets)" % mesh.CountFacets)
        with open(os.path.join(folder, "bracket.tif"), "rb") as picture:
            expect(picture.read(4) in (b"II*\0", b"MM\0*"), "the picture is a TIFF file")

    def test_a_drawing_as_dxf_and_tiff(self):
        folder = os.path.join(SCRATCH, "drawing")
        os.makedirs(folder)
        open_drawing()
        _export("bracket-drawing", "Quenmoor_ExportPackage", [17, 18, 19], folder)
        expect_equal(sorted(os.listdir(folder)), ["bracket-drawing.dxf", "bracket-drawing.tif"],
                     "the drawing's files (no .dwg: FreeCAD has no DWG writer; told %r)"
                     % reported_errors())
        with open(os.path.join(folder, "bracket-drawing.dxf")) as dxf:
            entities = [line.strip() for line in dxf.read().splitlines()]
        # Front and right: the plate's outline; top: the outline and the two holes.
        expect(entities.count("LINE") >= 12 and entities.count("CIRCLE") >= 2,
               "the DXF holds the views' geometry (%d lines, %d circles)"
               % (entities.count("LINE"), entities.count("CIRCLE")))
        first = QtGui.QImage(os.path.join(folder, "bracket-drawing.tif"))
        expect_equal((first.width(), first.isNull()), (1600, False), "the sheet's picture")
        expect(_dark_fraction(first) > 0.002, "the sheet's picture shows lines, not a blank")

        # The picture is the whole sheet whatever the page window's zoom.
        view = Gui.activeView()
        if hasattr(view, "getGraphicsView"):
            view.getGraphicsView().scale(4, 4)
        os.remove(os.path.join(folder, "bracket-drawing.tif"))
        _export(None, "Quenmoor_ExportPackage", [17], folder)
        second = QtGui.QImage(os.path.join(folder, "bracket-drawing.tif"))
        expect(second == first, "the same picture at another zoom")


def _dark_fraction(image):
    small = image.scaled(200, 200 * image.height() // max(1, image.width()))
    dark = sum(1 for y in range(small.height()) for x in range(small.width())
               if QtGui.QColor(small.pixel(x, y)).lightness() < 128)
    return dark / float(small.width() * small.height())


def _bounds(box):
    return [round(v, 1) for v in (box.XMin, box.YMin, box.ZMin, box.XMax, box.YMax, box.ZMax)]


def _saved(document):
    """Saves a document made by a test where the examples are, so that a package of it is
    named after it, and keeps it open."""
    document.saveAs(os.path.join(DOCUMENTS, document.Name + ".FCStd"))
    Gui.updateGui()
    settle()
    return document


class DocumentsTest(QuenmoorTestCase):
    """Documents as FreeCAD users make them: several bodies, Part solids, App::Part
    containers with placements, pages beside solids, missing links, odd labels."""

    def _several_solids(self, name):
        document = App.newDocument(name)
        first = document.addObject("PartDesign::Body", "Body")
        box = first.newObject("PartDesign::AdditiveBox", "Box")
        box.Length, box.Width, box.Height = 10, 20, 30
        second = document.addObject("PartDesign::Body", "Body001")
        cube = second.newObject("PartDesign::AdditiveBox", "Cube")
        cube.Length = cube.Width = cube.Height = 10
        second.Placement.Base = App.Vector(100, 0, 0)
        container = document.addObject("App::Part", "Assembly")
        container.Placement.Base = App.Vector(0, 200, 0)
        cylinder = document.addObject("Part::Cylinder", "Cylinder")
        cylinder.Radius, cylinder.Height = 5, 10
        container.addObject(cylinder)
        hidden = document.addObject("Part::Box", "Hidden")
        hidden.Placement.Base = App.Vector(-500, 0, 0)
        document.recompute()
        hidden.ViewObject.Visibility = False
        return _saved(document)

    def test_a_package_holds_every_visible_solid_where_the_view_shows_it(self):
        document = self._several_solids("solids")
        shown = [document.getObject(n) for n in ("Body", "Body001", "Cylinder")]
        volume = sum(obj.Shape.Volume for obj in shown)
        moved = document.getObject("Cylinder").Shape.copy()
        moved.Placement = document.getObject("Assembly").Placement.multiply(moved.Placement)
        expected = Part.makeCompound([obj.Shape.copy() for obj in shown[:2]] + [moved]).BoundBox
        folder = os.path.join(SCRATCH, "solids")
        os.makedirs(folder)
        _export(None, "Quenmoor_ExportPackage", [13, 14, 15, 16, 17], folder)
        step = Part.read(os.path.join(folder, "solids.step"))
        iges = Part.read(os.path.join(folder, "solids.igs"))
        mesh = Mesh.Mesh(os.path.join(folder, "solids.stl"))
        expect(abs(step.Volume - volume) < 1e-3 * volume,
               "STEP: every visible solid (%.0f of %.0f mm³)" % (step.Volume, volume))
        expect(abs(mesh.Volume - volume) < 0.02 * volume, "STL: every visible solid")
        for name, box in (("STEP", step.BoundBox), ("IGES", iges.BoundBox),
                          ("STL", mesh.BoundBox)):
            expect_equal(_bounds(box), _bounds(expected), "%s: the solids at their places" % name)
        picture = QtGui.QImage(os.path.join(folder, "solids.tif"))
        expect(not picture.isNull() and _dark_fraction(picture) < 0.99, "the TIFF shows a view")

    def test_an_assemblys_package_holds_every_link_at_its_place(self):
        folder = os.path.join(SCRATCH, "frame")
        os.makedirs(folder)
        frame = open_document("frame")
        links = [obj for obj in frame.RootObjects if obj.TypeId == "App::Link"]
        placed = []
        for link in links:
            shape = link.LinkedObject.Shape.copy()
            shape.Placement = link.Placement.multiply(shape.Placement)
            placed.append(shape)
        expected = Part.makeCompound(placed)
        _export(None, "Quenmoor_ExportPackage", [13, 14, 16], folder)
        for name in ("frame.step", "frame.igs"):
            written = Part.read(os.path.join(folder, name))
            expect_equal(_bounds(written.BoundBox), _bounds(expected.BoundBox),
                         "%s: both brackets at their places" % name)
        step = Part.read(os.path.join(folder, "frame.step"))
        expect(abs(step.Volume - expected.Volume) < 1e-3 * expected.Volume,
               "STEP: both brackets (%.0f of %.0f mm³)" % (step.Volume, expected.Volume))
        mesh = Mesh.Mesh(os.path.join(folder, "frame.stl"))
        expect_equal(_bounds(mesh.BoundBox), _bounds(expected.BoundBox), "STL: the same places")

    def test_the_density_goes_on_the_one_solid_the_user_means(self):
        document = self._several_solids("density")
        body, other = document.getObject("Body"), document.getObject("Body001")
        clear_reports()
        run_command("Quenmoor_AssignMaterial")
        choose(control(223, QtGui.QComboBox), 1)
        task_button("ok")
        errors = reported_errors()
        expect(any("2 bodies and a Part solid, none active or selected" in e for e in errors),
               "several solids and none chosen are named: %r" % errors)
        expect("Density" not in body.PropertiesList, "no density written")

        Gui.Selection.clearSelection()
        Gui.Selection.addSelection(document.Name, other.Name)
        run_command("Quenmoor_AssignMaterial")
        choose(control(223, QtGui.QComboBox), 1)
        task_button("ok")
        expect("Density" in other.PropertiesList and other.Density > 0,
               "the selected body takes the density")
        expect("Density" not in body.PropertiesList, "the other body does not")

        lone = App.newDocument("lone")
        box = lone.addObject("Part::Box", "Box")
        lone.recompute()
        Gui.Selection.clearSelection()
        run_command("Quenmoor_AssignMaterial")
        choose(control(223, QtGui.QComboBox), 1)
        task_button("ok")
        expect("Density" in box.PropertiesList, "a Part solid without a body takes it")

    def test_a_page_beside_solids_and_a_label_with_a_slash(self):
        document = App.newDocument("sheet_and_solid")
        document.Label = "Plate 10/20"
        box = document.addObject("Part::Box", "Box")
        document.addObject("TechDraw::DrawPage", "Page")
        document.recompute()
        Gui.updateGui()
        folder = os.path.join(SCRATCH, "slash")
        os.makedirs(folder)
        _export(None, "Quenmoor_ExportPackage", [14], folder)
        expect_equal(os.listdir(folder), ["Plate 10\u221520.step"],
                     "a part's package in the 3D view, named as the label reads: %r"
                     % reported_errors())
        expect(abs(Part.read(os.path.join(folder, os.listdir(folder)[0])).Volume
                   - box.Shape.Volume) < 1e-6, "the box is written")

    def test_an_assembly_whose_part_file_is_missing_is_refused_by_name(self):
        part = App.newDocument("gone_part")
        box = part.addObject("Part::Box", "Box")
        part.recompute()
        part_file = os.path.join(SCRATCH, "gone_part.FCStd")
        part.saveAs(part_file)
        assembly = App.newDocument("orphan")
        assembly.saveAs(os.path.join(SCRATCH, "orphan.FCStd"))
        link = assembly.addObject("App::Link", "Link")
        link.LinkedObject = box
        assembly.recompute()
        assembly.save()
        App.closeDocument("orphan")
        App.closeDocument("gone_part")
        os.remove(part_file)
        App.openDocument(os.path.join(SCRATCH, "orphan.FCStd"))
        Gui.updateGui()
        settle()
        expect_equal(shown_items(), ASSEMBLY_ITEMS, "it is still an assembly")
        folder = os.path.join(SCRATCH, "orphan-package")
        os.makedirs(folder)
        clear_reports()
        _export(None, "Quenmoor_ExportPackage", [14], folder)
        expect_equal(os.listdir(folder), [], "nothing written")
        expect(any('the link "Link" points to a part whose file is missing' in e
                   for e in reported_errors()), "the refusal names the link: %r" % reported_errors())


class ToolsTest(QuenmoorTestCase):
    def test_the_unit_converter_converts(self):
        open_document("bracket")
        run_command("Quenmoor_UnitConverter")
        click(control(1, QtGui.QRadioButton))
        source, target = control(43, QtGui.QComboBox), control(44, QtGui.QComboBox)
        choose(source, source.findText("inch"))
        choose(target, target.findText("mm"))
        type_text(control(25, QtGui.QLineEdit), "1")
        click(control(55, QtGui.QPushButton))
        screenshot("freecad-unit-converter")
        results = [w.text() for w in page().form.findChildren(QtGui.QLineEdit)]
        expect(any(text.startswith("25.4") for text in results),
               "1 inch shows as 25.4 mm (text boxes: %r, told %r)" % (results, reported_errors()))

    def test_about_and_help(self):
        open_document("bracket")
        run_command("Quenmoor_About")
        about = window("Form1")
        screenshot("freecad-about", about)
        about.close()
        run_command("Quenmoor_Help")
        viewer = window("HelpViewer")
        expect_equal(viewer.windowTitle(), "Quenmoor Tools Help", "the help viewer's title")
        viewer.close()

    def test_the_task_panels_help_button_opens_the_help(self):
        open_document("bracket")
        run_command("Quenmoor_UnitConverter")
        task_button("help")
        window("HelpViewer").close()
        expect(host().page is not None, "Help leaves the task panel open")


class BadInputTest(QuenmoorTestCase):
    def test_numbering_without_a_document_names_what_is_missing(self):
        clear_reports()
        expect(not Gui.Command.get("Quenmoor_NumerateDimensionNames").isActive(),
               "the command is greyed out without a document")
        # A macro reaches the add-in all the same: its refusal names what is missing.
        host().run("numdims", "Numerate Dimension Names")
        settle()
        if host().page is not None:
            task_button("ok")
        errors = reported_errors()
        expect(any("Numerate Dimension Names: no document is open" in line for line in errors),
               "numbering without a document says so: %r" % errors)
        expect(host().connected(), "FreeCAD keeps the add-in connected")

    def test_a_density_without_a_solid_names_what_is_missing(self):
        document = App.newDocument("empty")
        settle()
        clear_reports()
        run_command("Quenmoor_AssignMaterial")
        if host().page is not None:
            task_button("ok")
        errors = reported_errors()
        expect(any('document "empty" has no solid to take the density' in line for line in errors),
               "a density without a solid names what is missing: %r" % errors)
        expect("Density" not in document.PropertiesList, "nothing was written")

    def test_a_sketch_without_dimensions_keeps_its_constraints_unnamed(self):
        document, sketch = _numbered_sketch([])
        sketch.addGeometry(Part.LineSegment(App.Vector(0, 0, 0), App.Vector(10, 1, 0)))
        sketch.addConstraint(Sketcher.Constraint("Horizontal", 0))
        document.recompute()
        undo_steps = document.UndoCount
        clear_reports()
        run_command("Quenmoor_NumerateDimensionNames")
        task_button("ok")
        expect_equal([c.Name for c in sketch.Constraints], [""], "the horizontal constraint")
        expect_equal(document.UndoCount, undo_steps, "undo steps after numbering nothing")
        expect_equal(reported_errors(), [], "what the user was told")

    def test_an_export_folder_that_is_a_file_is_named(self):
        folder = os.path.join(SCRATCH, "not-a-folder")
        with open(folder, "w") as placeholder:
            placeholder.write("kept")
        clear_reports()
        _export("bracket", "Quenmoor_ExportPackage", [14], folder)
        expect_equal(open(folder).read(), "kept", "the file in the folder's place")
        expect(any("%s is a file, not a folder" % folder in line for line in reported_errors()),
               "the report view names the file: %r" % reported_errors())

    def test_a_missing_options_workbook_is_named(self):
        options = os.path.join(startup.library_folder(), "Options.xls")
        shutil.move(options, options + ".away")
        try:
            document = open_document("bracket")
            before = dict(document.Meta)
            clear_reports()
            run_command("Quenmoor_CustomProperties")
            errors = reported_errors()
            expect(any("Options.xls" in line for line in errors),
                   "the error names Options.xls: %r" % errors)
            expect_equal(dict(document.Meta), before, "the document's Meta entries")
        finally:
            shutil.move(options + ".away", options)


class PagesTest(QuenmoorTestCase):
    def test_ok_after_switching_documents_acts_on_the_pages_own(self):
        first = open_document("bracket")
        other = _meta_document("other", {"Revision": "C", "Description": "the other's"})
        before = dict(other.Meta)
        _activate(first)
        run_command("Quenmoor_CustomProperties")
        choose(control(0, QtGui.QComboBox), 1)
        _activate(other)
        screenshot("freecad-page-over-another-document")
        task_button("ok")
        expect_equal(dict(other.Meta), before, "the other document's Meta entries")
        expect(len(first.Meta) >= 9, "the page's document took the page: %r" % first.Meta)
        expect_equal(App.ActiveDocument, first, "the page's document became the active one")

        a, sketch_a = _numbered_sketch(["A1", "A2"])
        b, sketch_b = _numbered_sketch(["B1", "B2"])
        _activate(a)
        run_command("Quenmoor_NumerateDimensionNames")
        _activate(b)
        task_button("ok")
        expect_equal([c.Name for c in sketch_b.Constraints], ["B1", "B2"], "the other's names")
        expect(all(c.Name.startswith("_") for c in sketch_a.Constraints),
               "the page's sketch is numbered: %r" % [c.Name for c in sketch_a.Constraints])

    def test_closing_a_pages_document_cancels_the_page(self):
        clear_reports()
        a, sketch_a = _numbered_sketch(["A1"])
        b, sketch_b = _numbered_sketch(["B1"])
        _activate(a)
        run_command("Quenmoor_NumerateDimensionNames")
        App.closeDocument(a.Name)
        settle()
        expect(host().page is None, "the page went with its document")
        expect(not Gui.Control.activeDialog(), "no task panel is left open")
        # The numbering page was cancelled: the next page's OK numbers nothing.
        _activate(b)
        run_command("Quenmoor_UnitConverter")
        task_button("ok")
        expect_equal([c.Name for c in sketch_b.Constraints], ["B1"], "the other's names")
        expect_equal(reported_errors(), [], "what the user was told")

    def test_ok_twice_numbers_once_and_a_sketch_deleted_before_ok_is_left_out(self):
        clear_reports()
        document, sketch = _numbered_sketch(["N1", "N2"])
        gone = document.getObject("Body").newObject("Sketcher::SketchObject", "Gone")
        document.recompute()
        undo_steps = document.UndoCount
        run_command("Quenmoor_NumerateDimensionNames")
        document.getObject("Body").removeObject(gone)
        document.removeObject("Gone")
        current = host().page
        current.accept()
        current.accept()
        settle()
        names = [c.Name for c in sketch.Constraints]
        expect(len(set(names)) == 2 and all(n.lstrip("_").isdigit() for n in names),
               "two numbered names after two OKs: %r" % names)
        expect_equal(document.UndoCount, undo_steps + 1, "undo steps after two OKs")
        expect_equal(reported_errors(), [], "what the user was told")


class TransactionsTest(QuenmoorTestCase):
    def test_a_failed_completion_changes_nothing(self):
        document, sketch = _numbered_sketch(["W", "X", "Y", "Z"])
        undo_steps = document.UndoCount
        clear_reports()
        with _failing(documents.Dimension, "set_name", 3, AttributeError("the sketch went away")):
            run_command("Quenmoor_NumerateDimensionNames")
            task_button("ok")
        expect_equal([c.Name for c in sketch.Constraints], ["W", "X", "Y", "Z"], "names")
        expect_equal(document.UndoCount, undo_steps, "undo steps")
        expect(any("Dimension.SetName: AttributeError: the sketch went away" in line
                   for line in reported_errors()),
               "the report view names the failed call and the failure: %r" % reported_errors())

        part = open_document("bracket")
        before = dict(part.Meta)
        with _failing(documents.Document, "add_custom_info", 5,
                      RuntimeError("FreeCAD refused the entry")):
            run_command("Quenmoor_CustomProperties")
            task_button("ok")
        expect_equal(dict(part.Meta), before, "Meta after a failed write")

    def test_a_failed_package_leaves_the_older_files(self):
        folder = os.path.join(SCRATCH, "older")
        os.makedirs(folder)
        for name in ("bracket.step", "bracket.igs"):
            with open(os.path.join(folder, name), "w") as older:
                older.write("older " + name)
        clear_reports()
        # IGES and STEP are written, then the host fails the STL save.
        with _failing(documents.Document, "save_as", 3, OSError("the disk is full")):
            _export("bracket", "Quenmoor_ExportPackage", [13, 14, 16], folder)
        expect_equal(sorted(os.listdir(folder)), ["bracket.igs", "bracket.step"], "the folder")
        for name in ("bracket.step", "bracket.igs"):
            expect_equal(open(os.path.join(folder, name)).read(20), "older " + name, name)
        expect(any("SaveAs2: OSError: the disk is full" in line for line in reported_errors()),
               "the report view names the failed call and the failure: %r" % reported_errors())

    def test_no_transaction_is_left_open_after_any_of_the_19_items(self):
        left = []
        for document_name, items in (("bracket", PART_ITEMS), ("frame", ASSEMBLY_ITEMS),
                                     ("bracket-drawing", DRAWING_ITEMS)):
            for ending in ("ok", "cancel"):
                close_all()
                if document_name == "bracket-drawing":
                    open_drawing()
                else:
                    open_document(document_name)
                for caption in items:
                    shown_items()
                    action = next(a for a in host().menus.widget("Quenmoor").actions()
                                  if a.text() == caption)
                    run_command(action.objectName())
                    if host().page is not None:
                        task_button(ending)
                    for name in ("Attributes", "Form1", "HelpViewer"):
                        for widget in QtGui.QApplication.topLevelWidgets():
                            if widget.objectName() == name:
                                widget.close()
                    if App.getActiveTransaction() is not None:
                        left.append("%s %s %s: %r" % (document_name, caption, ending,
                                                      App.getActiveTransaction()))
        expect_equal(left, [], "transactions left open")

    def test_a_name_reads_back_as_given_before_the_step_renames_the_sketch(self):
        document, sketch = _numbered_sketch(["A", "B"])
        step = transaction.Transaction("a test's step")
        host().step = step
        try:
            step.open()
            dimension = documents.Feature(host(), sketch).dimensions()[1]
            dimension.set_name("12")
            expect_equal(dimension.name(), "12", "the name read back")
            expect_equal(documents.Feature(host(), sketch).dimensions()[1].name(), "12",
                         "the name read back through a new feature")
            expect_equal([c.Name for c in sketch.Constraints], ["A", "B"], "the sketch before")
            step.apply()
            step.commit()
        finally:
            host().step = None
        expect_equal([c.Name for c in sketch.Constraints], ["A", "_12"], "the sketch after")

    def test_a_failure_while_the_sketches_are_renamed_leaves_them_as_they_were(self):
        part = _driven_part(os.path.join(SCRATCH, "failing.FCStd"))
        second = part.getObject("Body").newObject("Sketcher::SketchObject", "Second")
        second.addGeometry(Part.LineSegment(App.Vector(0, 0, 0), App.Vector(7, 0, 0)))
        second.addConstraint(Sketcher.Constraint("Distance", 0, 7.0))
        second.renameConstraint(0, "Seven")
        part.recompute()
        undo_steps = part.UndoCount
        apply = transaction.Transaction.apply

        def failing_at_the_second(step):
            renames = step.renames
            step.renames = {key: renames[key] for key in renames if key[1] == "Sketch"}
            apply(step)
            raise HostError('sketch "Second": its constraints cannot be renamed: refused')

        clear_reports()
        transaction.Transaction.apply = failing_at_the_second
        try:
            run_command("Quenmoor_NumerateDimensionNames")
            task_button("ok")
        finally:
            transaction.Transaction.apply = apply
        sketch = part.getObject("Sketch")
        expect_equal([sketch.Constraints[6].Name, sketch.Constraints[7].Name],
                     ["Width", "Height"], "the first sketch's names")
        expect_equal(part.getObject("Pad").ExpressionEngine[0][1],
                     "Sketch.Constraints.Width / 4", "the pad's expression")
        expect_equal([c.Name for c in second.Constraints], ["Seven"], "the second sketch")
        expect_equal(part.UndoCount, undo_steps, "undo steps")
        expect(any('"Second"' in line for line in reported_errors()),
               "the report view names the sketch: %r" % reported_errors())

    def test_undo_steps_are_named_after_the_tool(self):
        document, sketch = _numbered_sketch(["P", "Q"])
        run_command("Quenmoor_NumerateDimensionNames")
        task_button("ok")
        expect_equal(document.UndoNames[0], "Quenmoor: Numerate Dimension Names", "undo name")


class ExpressionsTest(QuenmoorTestCase):
    def setUp(self):
        super().setUp()
        self.part_path = os.path.join(SCRATCH, "driven.FCStd")
        self.other_path = os.path.join(SCRATCH, "reaching.FCStd")
        for path in (self.part_path, self.other_path):
            if os.path.exists(path):
                os.remove(path)

    @staticmethod
    def values(part, other):
        part.recompute()
        other.recompute()
        return (part.getObject("Sketch").Constraints[7].Value,
                float(part.getObject("Pad").Length), float(part.getObject("Sheet").A1),
                float(other.getObject("Box").Length))

    def test_expressions_compute_after_numbering_saving_and_reopening(self):
        part = _driven_part(self.part_path)
        other = App.newDocument("reaching")
        other.saveAs(self.other_path)
        box = other.addObject("Part::Box", "Box")
        box.setExpression("Length", "driven#Sketch.Constraints.Width + 1 mm")
        other.save()
        expected = self.values(part, other)
        expect_equal(expected, (20.0, 10.0, 120.0, 41.0), "the values before numbering")

        _activate(part)
        run_command("Quenmoor_NumerateDimensionNames")
        task_button("ok")
        names = sorted(c.Name for c in part.getObject("Sketch").Constraints if c.Name)
        expect(len(names) == 2 and all(n.startswith("_") for n in names),
               "numbered names: %r" % names)
        expect_equal(self.values(part, other), expected, "the values after numbering")

        # The add-in reads its numbers back: numbering again renames nothing.
        run_command("Quenmoor_NumerateDimensionNames")
        task_button("ok")
        expect_equal(sorted(c.Name for c in part.getObject("Sketch").Constraints if c.Name),
                     names, "names after numbering again")

        part.save()
        other.save()
        close_all()
        other = App.openDocument(self.other_path)
        part = App.openDocument(self.part_path)
        settle()
        expect(part.getObject("Pad").ExpressionEngine, "the pad keeps its expression")
        expect(part.getObject("Sketch").ExpressionEngine, "the sketch keeps its expression")
        expect(other.getObject("Box").ExpressionEngine, "the other document keeps its expression")
        part.getObject("Sketch").setDatum(6, App.Units.Quantity("60 mm"))
        expect_equal(self.values(part, other), (30.0, 15.0, 180.0, 61.0),
                     "the values follow the width after reopening")

    def test_undo_gives_the_names_and_expressions_back(self):
        part = _driven_part(self.part_path)
        run_command("Quenmoor_NumerateDimensionNames")
        task_button("ok")
        part.undo()
        settle()
        sketch = part.getObject("Sketch")
        expect_equal([sketch.Constraints[6].Name, sketch.Constraints[7].Name],
                     ["Width", "Height"], "names after undo")
        expect_equal(part.getObject("Pad").ExpressionEngine[0][1],
                     "Sketch.Constraints.Width / 4", "the pad's expression after undo")
        part.recompute()
        expect_equal(float(part.getObject("Pad").Length), 10.0, "the pad's length after undo")
