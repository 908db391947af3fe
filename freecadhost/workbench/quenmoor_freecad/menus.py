"""The add-in's menus in FreeCAD's menu bar.

The add-in adds one menu ("Quenmoor") per document type, each with its items. FreeCAD shows
one "Quenmoor" menu whatever workbench is active, holding the items of the active
document's type in the order they were added (a part's when no document is open). Each
item runs its tool's FreeCAD command (commands.py), which the Quenmoor workbench's toolbar
holds too.
"""

import FreeCAD as App
import FreeCADGui as Gui
from PySide import QtCore, QtGui
from quenmoorhost import codes

from quenmoor_freecad import commands, contents

# The menus whose spelling a command takes when the active document's menu lacks its tool.
CAPTION_ORDER = (codes.DOCUMENT_PART, codes.DOCUMENT_DRAWING, codes.DOCUMENT_ASSEMBLY)

class Item:
    def __init__(self, caption, callback, hint):
        self.caption, self.callback, self.hint = caption, callback, hint


class MenuBar:
    def __init__(self, host):
        self.host = host
        self.menus = {}  # document type -> {title: [Item]}
        self.widgets = {}  # title -> QMenu in the menu bar
        self.commands = {}  # command name -> commands.ToolCommand
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
        name = commands.command_name(callback)
        if name not in self.commands:
            self.commands[name] = commands.ToolCommand(self.host, callback)
            Gui.addCommand(name, self.commands[name])
        self._show(title)
        return 1

    def remove_menu(self, document_type, title, callback):
        removed = self.menus.get(document_type, {}).pop(title, None) is not None
        if not any(title in menus for menus in self.menus.values()):
            self._hide(title)
        return removed

    @staticmethod
    def active_type():
        document = App.ActiveDocument
        return contents.document_type(document) if document else codes.DOCUMENT_PART

    def items(self, title, document_type=None):
        """The items the menu shows for the document type, by default the active one's."""
        document_type = self.active_type() if document_type is None else document_type
        return self.menus.get(document_type, {}).get(title, [])

    def _item(self, callback, document_type):
        key = callback.lower()
        for items in self.menus.get(document_type, {}).values():
            for item in items:
                if item.callback.lower() == key:
                    return item
        return None

    def offers(self, callback):
        """Whether the active document's menu holds the tool of this callback."""
        return self._item(callback, self.active_type()) is not None

    def caption(self, callback):
        """The tool's caption as the active document's menu spells it, else as the part's,
        the drawing's or the assembly's does."""
        for document_type in (self.active_type(),) + CAPTION_ORDER:
            item = self._item(callback, document_type)
            if item is not None:
                return item.caption
        return callback

    def callback(self, callback):
        """The callback as the active document's menu spells it."""
        item = self._item(callback, self.active_type())
        return item.callback if item is not None else callback

    def command_names(self):
        """Every tool's command, in the order of the part's menu, then the others'."""
        names = []
        for document_type in CAPTION_ORDER:
            for items in self.menus.get(document_type, {}).values():
                for item in items:
                    name = commands.command_name(item.callback)
                    if name not in names:
                        names.append(name)
        return names

    def refresh_commands(self):
        """Gives the commands' actions (on the toolbar, in Tools > Customize) the active
        document type's captions, and shows only the tools its menu offers."""
        for name, command in self.commands.items():
            try:
                actions = Gui.Command.get(name).getAction()
            except (AttributeError, RuntimeError):
                continue
            for action in actions:
                action.setText(self.caption(command.callback))
                action.setVisible(self.offers(command.callback))

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
            name = commands.command_name(item.callback)
            action = menu.addAction(QtGui.QIcon(commands.icon(item.callback)), item.caption)
            action.setObjectName(name)
            command = self.commands.get(name)
            resources = command.GetResources() if command else {}
            action.setStatusTip(item.hint or resources.get("StatusTip", ""))
            action.setToolTip(resources.get("ToolTip", item.caption))
            action.setEnabled(command is None or command.IsActive())
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
