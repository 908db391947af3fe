"""The Quenmoor workbench: its entry in FreeCAD's workbench selector and its toolbar. The
Quenmoor menu does not depend on it; it stays in every workbench."""

import FreeCADGui as Gui

from quenmoor_freecad import commands, startup

TOOLBAR = "Quenmoor"


class QuenmoorWorkbench(Gui.Workbench):
    MenuText = "Quenmoor"
    ToolTip = "Quenmoor Tools: custom properties, material, dimension names, export packages"
    Icon = commands.WORKBENCH_ICON

    def Initialize(self):
        host = startup.start()
        if host is not None:
            self.appendToolbar(TOOLBAR, host.menus.command_names())

    def Activated(self):
        host = startup.host()
        if host is not None:
            host.menus.refresh_commands()

    def GetClassName(self):
        return "Gui::PythonWorkbench"
