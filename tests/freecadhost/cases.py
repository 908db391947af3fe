"""The end-to-end cases: the add-in in FreeCAD, driven through its menu commands, task
panels and windows, checked through FreeCAD's own API."""

import FreeCADGui as Gui

from freecad_harness import (check, close_all, expect, expect_equal, host, open_document,
                             screenshot, settle)

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


def menu_visible():
    bar = Gui.getMainWindow().menuBar()
    return any(a.text() == "Quenmoor" and a.isVisible() for a in bar.actions())


def case_menus():
    def part_items():
        open_document("bracket")
        expect(menu_visible(), "the Quenmoor menu is in the menu bar")
        expect_equal(shown_items(), PART_ITEMS, "a part's Quenmoor menu")
        menu = host().menus.widget("Quenmoor")
        for action in menu.actions():
            expect(action.objectName() in Gui.listCommands(),
                   "the item %s runs FreeCAD command %s" % (action.text(), action.objectName()))

    def every_workbench():
        for workbench in ("PartDesignWorkbench", "TechDrawWorkbench", "SketcherWorkbench",
                          "PartWorkbench"):
            Gui.activateWorkbench(workbench)
            settle(0.3)
            expect(menu_visible(), "the Quenmoor menu stays in the %s" % workbench)

    def assembly_items():
        close_all()
        open_document("frame")
        expect_equal(shown_items(), ASSEMBLY_ITEMS, "an assembly's Quenmoor menu")

    def drawing_items():
        close_all()
        document = open_document("bracket-drawing")
        document.getObject("Page").ViewObject.show()
        settle(1.0)
        expect_equal(shown_items(), DRAWING_ITEMS, "a drawing's Quenmoor menu")

    def screenshot_of_menu():
        close_all()
        open_document("bracket")
        Gui.activateWorkbench("PartDesignWorkbench")
        Gui.SendMsgToActiveView("ViewFit")
        menu = host().menus.widget("Quenmoor")
        bar = Gui.getMainWindow().menuBar()
        bar.setActiveAction(menu.menuAction())
        settle(0.5)
        screenshot("freecad-quenmoor-menu")
        menu.hide()

    def disconnecting_removes_the_menu():
        import quenmoor_freecad.startup

        quenmoor_freecad.startup.stop()
        settle()
        expect(not menu_visible(), "no Quenmoor menu once the add-in is disconnected")

    check("part menu", part_items)
    check("menu in every workbench", every_workbench)
    check("assembly menu", assembly_items)
    check("drawing menu", drawing_items)
    check("menu screenshot", screenshot_of_menu)
    check("disconnect", disconnecting_removes_the_menu)
