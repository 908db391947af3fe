"""The workbench's settings, in FreeCAD's parameter store under Preferences/Mod/Quenmoor,
and their page in Edit > Preferences."""

import FreeCAD as App

PARAMETERS = "User parameter:BaseApp/Preferences/Mod/Quenmoor"
TEAM_FOLDER = "TeamFolder"


def team_folder():
    """The folder of the team's shared lists as the user set it; empty for none."""
    return App.ParamGet(PARAMETERS).GetString(TEAM_FOLDER, "")


def set_team_folder(folder):
    App.ParamGet(PARAMETERS).SetString(TEAM_FOLDER, folder.strip())


class PreferencePage:
    """Edit > Preferences > Quenmoor: where the team's shared lists are."""

    def __init__(self, parent=None):
        from PySide import QtGui

        self.form = QtGui.QWidget(parent)
        self.form.setObjectName("QuenmoorPreferences")
        self.form.setWindowTitle("Lists")
        layout = QtGui.QVBoxLayout(self.form)
        box = QtGui.QGroupBox("Shared lists", self.form)
        inner = QtGui.QGridLayout(box)
        inner.addWidget(QtGui.QLabel("Team folder:", box), 0, 0)
        self.folder = QtGui.QLineEdit(box)
        self.folder.setObjectName("TeamFolder")
        self.folder.setToolTip(
            "The folder that holds the team's Options.xls and material.xls. Your own lists "
            "in ~/.config/quenmoor come first; the lists shipped with the add-in come last."
        )
        inner.addWidget(self.folder, 0, 1)
        browse = QtGui.QPushButton("...", box)
        browse.clicked.connect(self._browse)
        inner.addWidget(browse, 0, 2)
        layout.addWidget(box)
        layout.addStretch(1)

    def _browse(self):
        from PySide import QtGui

        chosen = QtGui.QFileDialog.getExistingDirectory(
            self.form, "Team folder", self.folder.text()
        )
        if chosen:
            self.folder.setText(chosen)

    def loadSettings(self):
        self.folder.setText(team_folder())

    def saveSettings(self):
        set_team_folder(self.folder.text())


def add_page():
    import FreeCADGui as Gui

    Gui.addPreferencePage(PreferencePage, "Quenmoor")
