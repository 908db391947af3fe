# Starts the Quenmoor host once FreeCAD's window is up: it registers FreeCAD as the running
# CAD host, loads and connects the Quenmoor add-in, and gives FreeCAD a "Quenmoor" menu
# that stays in the menu bar whatever workbench is active. The Quenmoor workbench adds its
# entry to the workbench selector and its toolbar. FreeCAD runs this file with separate
# global and local names, so everything it needs is in quenmoor_freecad.
import FreeCADGui
import quenmoor_freecad.startup
import quenmoor_freecad.workbench

FreeCADGui.addWorkbench(quenmoor_freecad.workbench.QuenmoorWorkbench())
quenmoor_freecad.startup.start_when_ready()
