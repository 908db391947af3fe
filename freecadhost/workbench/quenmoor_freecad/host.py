"""FreeCAD as the add-in's host application: menus, property pages, the active document
and the preferences the add-in sets."""

import contextlib

import FreeCAD as App
import FreeCADGui as Gui

from quenmoor_freecad import documents, report, task_panel
from quenmoor_freecad.menus import MenuBar
from quenmoor_freecad.report import HostError


class Host:
    def __init__(self):
        self.menus = MenuBar(self)
        self.integer_preferences = {}
        self.double_preferences = {}
        self.save_failures = []
        self.page = None
        self.bridge = None

    # What the add-in calls, through the host application object.
    def add_menu(self, document_type, title, position):
        return self.menus.add_menu(document_type, title, position)

    def add_menu_item(self, document_type, item, position, callback, hint):
        return self.menus.add_menu_item(document_type, item, position, callback, hint)

    def remove_menu(self, document_type, title, callback):
        return self.menus.remove_menu(document_type, title, callback)

    def create_page(self, title, options, events):
        return task_panel.Page(self, title, options, events)

    def active_document(self):
        document = App.ActiveDocument
        return documents.Document(self, document) if document is not None else None

    def set_integer_preference(self, preference, value):
        self.integer_preferences[preference] = value
        return True

    def set_double_preference(self, preference, value):
        self.double_preferences[preference] = value
        return True

    # Pages.
    def show_page(self, page):
        if self.page is not None and not self.page.closed and self.page is not page:
            self.page.close(task_panel.CLOSE_CANCEL)
            Gui.Control.closeDialog()
        if Gui.Control.activeDialog():
            raise HostError(
                'Show: page "%s": FreeCAD has another task open; finish or cancel it first'
                % page.title
            )
        Gui.Control.showDialog(page)
        self.page = page

    def page_closed(self, page):
        if self.page is page:
            self.page = None

    def close_page(self):
        """Cancels the open page, if any, as the user would."""
        page = self.page
        if page is not None and not page.closed:
            page.close(task_panel.CLOSE_CANCEL)
            Gui.Control.closeDialog()

    # Menu picks and undo.
    def connected(self):
        return self.bridge is not None and self.bridge.connected()

    @contextlib.contextmanager
    def transaction(self, name):
        """What the add-in changes in the active document under `name` is one undo step."""
        document = App.ActiveDocument if name else None
        if document is not None:
            document.openTransaction("Quenmoor: " + name)
        try:
            yield
        finally:
            if document is not None and document.Name in App.listDocuments():
                document.commitTransaction()

    def run(self, callback, caption):
        """Calls a menu item's callback; a failure goes to the report view."""
        if not self.connected():
            report.error("%s: the Quenmoor add-in is not connected" % caption)
            return
        try:
            with self.transaction(caption):
                self.bridge.call(callback)
        except RuntimeError as failure:
            report.error(str(failure))
