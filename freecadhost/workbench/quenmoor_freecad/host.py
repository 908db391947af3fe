"""FreeCAD as the add-in's host application: menus, property pages, the active document
and the preferences the add-in sets."""

import contextlib

import FreeCAD as App
import FreeCADGui as Gui
from quenmoorhost import codes

from quenmoor_freecad import documents, preferences, report, task_panel
from quenmoor_freecad.menus import MenuBar
from quenmoor_freecad.report import HostError
from quenmoor_freecad.transaction import Transaction
from quenmoor_freecad.report import translate


class Host:
    def __init__(self):
        self.menus = MenuBar(self)
        self.integer_preferences = {}
        self.double_preferences = {}
        self.page = None
        self.addin = None  # quenmoorhost.AddinHost, while the add-in is hosted
        self.tool = None  # the caption of the menu command running now
        self.step = None  # the Transaction of the command or OK running now
        self.acting_page = None  # the page whose event runs now
        App.addDocumentObserver(self)

    # What the add-in calls, through the host application object.
    def add_menu(self, document_type, title, position):
        return self.menus.add_menu(document_type, title, position)

    def add_menu_item(self, document_type, item, position, callback, hint):
        return self.menus.add_menu_item(document_type, item, position, callback, hint)

    def remove_menu(self, document_type, title, callback):
        return self.menus.remove_menu(document_type, title, callback)

    def create_page(self, title, options, events):
        return task_panel.Page(self, title, options, events, self.tool or title)

    def active_document(self):
        """FreeCAD's active document; while a page's event runs, the page's own."""
        if self.acting_page is not None:
            return self.acting_page.host_document()
        document = App.ActiveDocument
        return documents.Document(self, document) if document is not None else None

    def set_integer_preference(self, preference, value):
        self.integer_preferences[preference] = value
        return True

    def set_double_preference(self, preference, value):
        self.double_preferences[preference] = value
        return True

    def string_preference(self, preference):
        if preference == codes.PREFERENCE_TEAM_FOLDER:
            return preferences.team_folder()
        return ""

    # Pages.
    def show_page(self, page):
        if self.page is not None and not self.page.closed and self.page is not page:
            self._cancel(self.page)
        if Gui.Control.activeDialog():
            raise HostError(
                translate('Show: page "%s": FreeCAD has another task open; finish or cancel it first')
                % page.title
            )
        Gui.Control.showDialog(page)
        self.page = page

    def page_closed(self, page):
        if self.page is page:
            self.page = None

    def close_page(self):
        """Cancels the open page, if any, as the user would."""
        if self.page is not None and not self.page.closed:
            self._cancel(self.page)

    @staticmethod
    def _cancel(page):
        page.close(codes.CLOSE_CANCEL)
        Gui.Control.closeDialog()

    @contextlib.contextmanager
    def acting_for(self, page):
        """While a page's event runs, the page's document is the one the add-in works on,
        and FreeCAD's active one, whatever window the user clicked since."""
        previous, self.acting_page = self.acting_page, page
        try:
            page.activate_document()
            yield
        finally:
            self.acting_page = previous

    def slotDeletedDocument(self, document):
        # A page goes with its document, as Cancel closes it: nothing is written anywhere.
        page = self.page
        if page is not None and not page.closed and page.belongs_to(document):
            page.lose_document()
            self._cancel(page)

    def slotActivateDocument(self, document):
        # The toolbar's commands follow the active document's type; the menu is filled
        # afresh each time it opens.
        self.menus.refresh_commands()

    # Menu picks and undo.
    def connected(self):
        return self.addin is not None and self.addin.connected()

    def run_step(self, name, action):
        """Runs action as one undo step named after the tool: it is committed when the
        action succeeds, undone whole when it fails, and never left open. A failure of any
        kind goes to the report view."""
        step = Transaction(name)
        outer, self.step = self.step, step
        step.open()
        try:
            action()
            step.apply()
        except Exception as failure:
            step.abort()
            report.failure(failure)
        else:
            step.commit()
        finally:
            self.step = outer

    def run(self, callback, caption):
        """Calls a menu item's callback; a failure goes to the report view."""
        if not self.connected():
            report.error(translate("%s: the Quenmoor add-in is not connected") % caption)
            return
        outer, self.tool = self.tool, caption
        try:
            self.run_step(caption, lambda: self.addin.call(callback))
        finally:
            self.tool = outer
