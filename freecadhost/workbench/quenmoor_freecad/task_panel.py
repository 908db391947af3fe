"""The add-in's property pages as FreeCAD task panels.

A page is shown in FreeCAD's task view with OK, Cancel and Help buttons, its message above
its groups. The add-in's page handler hears every event a user causes: OK closes the page
with reason 1, Cancel and any other close with reason 2, Help asks for help; typing,
choosing, checking and pressing reach it as on any host. The add-in's own changes to a
control send no event. One page is open at a time: showing another cancels it.

A page belongs to the document that was active when it was shown: its events act on that
document, with the type it had then, and it closes as Cancel does when that document goes.
What OK changes is one undo step named after the tool that built the page.
"""

import FreeCAD as App
import FreeCADGui as Gui
from PySide import QtCore, QtGui
from quenmoorhost import codes

from quenmoor_freecad import contents, documents, report
from quenmoor_freecad.report import HostError
from quenmoor_freecad.report import translate

SEVERITY_STYLES = {
    1: "",
    2: "color: #8a5a00;",
    3: "color: #b00020;",
}


def _report_failure(action):
    """Runs an event of the add-in; a failure goes to the report view, as FreeCAD's own do."""
    try:
        return action()
    except Exception as failure:
        report.failure(failure)
        return None


class ComboBox:
    """A choice box whose items are one list of texts: a list of tens of thousands is made,
    shown and let go of as one, where an item model would make an object of each."""

    def __init__(self, page, id, widget):
        self.page, self.id, self.widget = page, id, widget
        self.model = QtCore.QStringListModel(widget)
        widget.setModel(self.model)
        # Sized by the panel, not by measuring every item; the open list is as uniform.
        widget.setSizeAdjustPolicy(QtGui.QComboBox.AdjustToMinimumContentsLengthWithIcon)
        widget.setMinimumContentsLength(16)
        widget.view().setUniformItemSizes(True)
        widget.activated.connect(self._chosen)

    def _chosen(self, index):
        self.page.event(lambda events: events.on_combobox_selection_changed(self.id, index))

    def add_items(self, texts):
        selected = self.widget.currentIndex()
        self.model.setStringList(self.model.stringList() + list(texts))
        self.widget.setCurrentIndex(max(selected, 0))

    def clear(self):
        self.model.setStringList([])

    def selection(self):
        return self.widget.currentIndex()

    def set_selection(self, index):
        if index < 0 or index >= self.widget.count():
            raise HostError(
                translate("combo box %d of page \"%s\" has no item %d") % (self.id, self.page.title, index)
            )
        self.widget.setCurrentIndex(index)

    def item_text(self, index):
        if index < 0 or index >= self.widget.count():
            raise HostError(
                translate("combo box %d of page \"%s\" has no item %d") % (self.id, self.page.title, index)
            )
        return self.widget.itemText(index)


class TextBox:
    def __init__(self, page, id, widget):
        self.page, self.id, self.widget = page, id, widget
        widget.textEdited.connect(self._typed)

    def _typed(self, text):
        self.page.event(lambda events: events.on_textbox_changed(self.id, text))

    def text(self):
        return self.widget.text()

    def set_text(self, text):
        self.widget.setText(text)


class CheckBox:
    def __init__(self, page, id, widget):
        self.page, self.id, self.widget = page, id, widget
        widget.clicked.connect(self._clicked)

    def _clicked(self, checked):
        self.page.event(lambda events: events.on_checkbox_check(self.id, checked))

    def checked(self):
        return self.widget.isChecked()

    def set_checked(self, checked):
        self.widget.setChecked(bool(checked))


class OptionButton(CheckBox):
    def _clicked(self, checked):
        if checked:
            self.page.event(lambda events: events.on_option_check(self.id))


class Button:
    def __init__(self, page, id, widget):
        self.page, self.id, self.widget = page, id, widget
        widget.clicked.connect(self._pressed)

    def _pressed(self):
        self.page.event(lambda events: events.on_button_press(self.id))

    def caption(self):
        return self.widget.text()


class Group:
    def __init__(self, page, id, caption):
        self.page, self.id = page, id
        self.box = QtGui.QGroupBox(caption)
        self.box.setObjectName("group%d" % id)
        self.layout = QtGui.QVBoxLayout(self.box)

    def _captioned(self, caption, widget):
        if caption:
            label = QtGui.QLabel(caption)
            label.setBuddy(widget)
            self.layout.addWidget(label)
        self.layout.addWidget(widget)

    def add_control(self, id, control_type, caption, align, options, tip):
        if control_type == codes.CONTROL_COMBOBOX:
            widget = QtGui.QComboBox()
            self._captioned(caption, widget)
            control = ComboBox(self.page, id, widget)
        elif control_type == codes.CONTROL_TEXTBOX:
            widget = QtGui.QLineEdit()
            self._captioned(caption, widget)
            control = TextBox(self.page, id, widget)
        elif control_type == codes.CONTROL_CHECKBOX:
            widget = QtGui.QCheckBox(caption)
            self.layout.addWidget(widget)
            control = CheckBox(self.page, id, widget)
        elif control_type == codes.CONTROL_OPTION:
            widget = QtGui.QRadioButton(caption)
            self.layout.addWidget(widget)
            control = OptionButton(self.page, id, widget)
        elif control_type == codes.CONTROL_BUTTON:
            widget = QtGui.QPushButton(caption)
            self.layout.addWidget(widget)
            control = Button(self.page, id, widget)
        else:
            raise HostError(
                translate('page "%s": control %d: type %d is not one FreeCAD pages offer')
                % (self.page.title, id, control_type)
            )
        widget.setObjectName("control%d" % id)
        if tip:
            widget.setToolTip(tip)
        self.page.controls[id] = control
        return control


class Page:
    """The FreeCAD side of one property page, and the task panel that shows it."""

    def __init__(self, host, title, options, events, tool):
        self.host, self.title, self.options, self.events = host, title, options, events
        self.tool = tool
        self.document = None
        self.document_name = None
        self.document_type = None
        self.controls = {}
        self.shown = False
        self.closed = False
        self.form = QtGui.QWidget()
        self.form.setObjectName("QuenmoorPage")
        self.form.setWindowTitle(title)
        self.layout = QtGui.QVBoxLayout(self.form)
        self.message = QtGui.QLabel()
        self.message.setObjectName("message")
        self.message.setWordWrap(True)
        self.message.hide()
        self.layout.addWidget(self.message)
        self.form.destroyed.connect(self._destroyed)

    # What the add-in calls.
    def add_group(self, id, caption, options):
        group = Group(self, id, caption)
        self.layout.addWidget(group.box)
        return group

    def set_message(self, text, severity):
        self.message.setText(text)
        self.message.setStyleSheet(SEVERITY_STYLES.get(severity, ""))
        self.message.setVisible(bool(text))
        return True

    def show(self):
        if self.closed:
            raise HostError(translate('Show: page "%s" is closed already') % self.title)
        self.layout.addStretch(1)
        document = App.ActiveDocument
        if document is not None:
            # The task view's header tells the user which document the page acts on.
            self.form.setWindowTitle("%s: %s" % (self.title, document.Label))
        self.host.show_page(self)
        self.shown = True
        self.document = document
        if document is not None:
            self.document_name = document.Name
            self.document_type = contents.document_type(document)
        return 0

    # The page's document.
    def _document_open(self):
        return self.document is not None and contents.is_open(self.document_name, self.document)

    def belongs_to(self, document):
        return self._document_open() and self.document is document

    def lose_document(self):
        self.document = None

    def host_document(self):
        """The page's document as the add-in sees it, or None when it has none."""
        if not self._document_open():
            return None
        return documents.Document(self.host, self.document, self.document_type)

    def activate_document(self):
        if not self._document_open() or App.ActiveDocument is self.document:
            return
        Gui.setActiveDocument(self.document.Name)
        App.setActiveDocument(self.document.Name)

    # What FreeCAD's task view calls.
    def getStandardButtons(self):
        buttons = QtGui.QDialogButtonBox
        return int(buttons.Ok | buttons.Cancel | buttons.Help)

    def accept(self):
        self.close(codes.CLOSE_OKAY)
        return True

    def reject(self):
        self.close(codes.CLOSE_CANCEL)
        return True

    def helpRequested(self):
        self.event(lambda events: events.on_help())

    def isAllowedAlterDocument(self):
        return True

    def isAllowedAlterSelection(self):
        return True

    def isAllowedAlterView(self):
        return True

    # Events and closing.
    def event(self, send):
        if self.closed or not self.events.attached():
            return None
        with self.host.acting_for(self):
            return _report_failure(lambda: send(self.events))

    def close(self, reason):
        """Sends the close and after-close events once, then lets go of the handler. What
        OK changes is one undo step, or nothing when it fails."""
        if self.closed:
            return
        self.closed = True
        events = self.events
        try:
            with self.host.acting_for(self):
                if reason == codes.CLOSE_OKAY:
                    self.host.run_step(self.tool, lambda: events.on_close(reason))
                else:
                    _report_failure(lambda: events.on_close(reason))
                _report_failure(events.after_close)
        finally:
            events.detach()
            self.host.page_closed(self)

    def _destroyed(self):
        # The task view went without OK or Cancel: another task, or FreeCAD closing.
        if self.shown and not self.closed:
            self.close(codes.CLOSE_CANCEL)
