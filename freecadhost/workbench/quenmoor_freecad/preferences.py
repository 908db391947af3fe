"""The workbench's settings, in FreeCAD's parameter store under Preferences/Mod/Quenmoor,
and their page in Edit > Preferences."""

import FreeCAD as App

from quenmoor_freecad import commands, registry

PARAMETERS = "User parameter:BaseApp/Preferences/Mod/Quenmoor"
TEAM_FOLDER = "TeamFolder"
REGISTRY_FILE = "RegistryFile"


def registry_file():
    """The component registry FreeCAD uses: the one set here, else FreeCAD's own."""
    return App.ParamGet(PARAMETERS).GetString(REGISTRY_FILE, "") or registry.freecad_registry()


def set_registry_file(file):
    App.ParamGet(PARAMETERS).SetString(REGISTRY_FILE, file.strip())


def team_folder():
    """The folder of the team's shared lists as the user set it; empty for none."""
    return App.ParamGet(PARAMETERS).GetString(TEAM_FOLDER, "")


def set_team_folder(folder):
    App.ParamGet(PARAMETERS).SetString(TEAM_FOLDER, folder.strip())


class PreferencePage:
    """Edit > Preferences > Quenmoor: where the team's shared lists are, and which component
    registry FreeCAD loads the add-in from."""

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

        components = QtGui.QGroupBox("Components", self.form)
        grid = QtGui.QGridLayout(components)
        grid.addWidget(QtGui.QLabel("Registry file:", components), 0, 0)
        self.registry = QtGui.QLineEdit(components)
        self.registry.setObjectName("RegistryFile")
        self.registry.setPlaceholderText(registry.freecad_registry())
        self.registry.setToolTip(
            "The registry that tells where the add-in and the spreadsheet engine are; empty "
            "for FreeCAD's own. Takes effect at FreeCAD's next start."
        )
        grid.addWidget(self.registry, 0, 1)
        layout.addWidget(components)
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
        self.registry.setText(App.ParamGet(PARAMETERS).GetString(REGISTRY_FILE, ""))

    def saveSettings(self):
        set_team_folder(self.folder.text())
        set_registry_file(self.registry.text())


def add_page():
    import FreeCADGui as Gui

    # FreeCAD shows a group's icon by the name preferences-<group> from its icon paths.
    Gui.addIconPath(commands.ICONS)
    Gui.addPreferencePage(PreferencePage, "Quenmoor")
