"""The add-in's menus in FreeCAD's menu bar.

The add-in adds one menu ("Quenmoor") per document type, each with its items. FreeCAD shows
one "Quenmoor" menu whatever workbench is active, holding the items of the active
document's type in the order they were added (a part's when no document is open). Each
item runs a FreeCAD command named "Quenmoor_" + its callback name, so that it can be put
on a toolbar, given a shortcut or run from a macro.
"""

import FreeCAD as App
import FreeCADGui as Gui
from PySide import QtCore, QtGui
from quenmoorhost import codes

from quenmoor_freecad import contents

COMMAND_PREFIX = "Quenmoor_"


def command_name(callback):
    return COMMAND_PREFIX + callback


class MenuCommand:
    """A FreeCAD command that calls one of the add-in's menu callbacks."""

    def __init__(self, host, callback, caption, hint):
        self.host, self.callback, self.caption, self.hint = host, callback, caption, hint

    def GetResources(self):
        return {"MenuText": self.caption, "ToolTip": self.hint or self.caption}

    def IsActive(self):
        return self.host.connected()

    def Activated(self):
        self.host.run(self.callback, self.caption)


class Item:
    def __init__(self, caption, callback, hint):
        self.caption, self.callback, self.hint = caption, callback, hint


class MenuBar:
    def __init__(self, host):
        self.host = host
        self.menus = {}  # document type -> {title: [Item]}
        self.widgets = {}  # title -> QMenu in the menu bar
        self.commands = set()
        Gui.getMainWindow().workbenchActivated.connect(self._workbench_activated)

    def add_menu(self, document_type, title, position):
        self.menus.setdefault(document_type, {}).setdefault(title, [])
        self._show(title)
        return 1

    def add_menu_item(self, document_type, item, position, callback, hint):
        caption, _, title = item.partition("@")
        items = self.menus.setdefault(document_type, {}).setdefault(title, [])
        if position < 0 or position >= len(items):
            items.append(Item(caption, callback, hint))
        else:
            items.insert(position, Item(caption, callback, hint))
        name = command_name(callback)
        if name not in self.commands:
            Gui.addCommand(name, MenuCommand(self.host, callback, caption, hint))
            self.commands.add(name)
        self._show(title)
        return 1

    def remove_menu(self, document_type, title, callback):
        removed = self.menus.get(document_type, {}).pop(title, None) is not None
        if not any(title in menus for menus in self.menus.values()):
            self._hide(title)
        return removed

    def items(self, title):
        """The items the menu shows now: those of the active document's type."""
        document = App.ActiveDocument
        document_type = contents.document_type(document) if document else codes.DOCUMENT_PART
        return self.menus.get(document_type, {}).get(title, [])

    def widget(self, title):
        return self.widgets.get(title)

    def _show(self, title):
        if title in self.widgets:
            return
        bar = Gui.getMainWindow().menuBar()
        menu = QtGui.QMenu(title, bar)
        menu.setObjectName(title + "_Menu")
        menu.aboutToShow.connect(lambda: self._fill(title))
        self.widgets[title] = menu
        self._place(menu)
        self._fill(title)

    def _place(self, menu):
        bar = Gui.getMainWindow().menuBar()
        actions = bar.actions()
        help_action = next((a for a in actions if a.menu() and a.menu().objectName() == "&Help"), None)
        if help_action is None:
            help_action = next((a for a in actions if a.text().replace("&", "") == "Help"), None)
        if menu.menuAction() in actions:
            bar.removeAction(menu.menuAction())
        if help_action is not None:
            bar.insertMenu(help_action, menu)
        else:
            bar.addMenu(menu)
        menu.menuAction().setVisible(True)

    def _fill(self, title):
        menu = self.widgets[title]
        menu.clear()
        for item in self.items(title):
            action = menu.addAction(item.caption)
            action.setObjectName(command_name(item.callback))
            if item.hint:
                action.setStatusTip(item.hint)
            name = command_name(item.callback)
            action.triggered.connect(lambda checked=False, name=name: Gui.runCommand(name))

    def _hide(self, title):
        menu = self.widgets.pop(title, None)
        if menu is not None:
            Gui.getMainWindow().menuBar().removeAction(menu.menuAction())
            menu.deleteLater()

    def _workbench_activated(self, name):
        # A workbench rebuilds the menu bar and hides the menus it does not know: bring
        # the add-in's back once it is done.
        QtCore.QTimer.singleShot(0, self._reinstate)

    def _reinstate(self):
        for menu in self.widgets.values():
            self._place(menu)
