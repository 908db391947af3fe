# The Quenmoor workbench has nothing to add to FreeCAD without its GUI: the add-in's tools
# act on the documents a user has open in FreeCAD's window (see InitGui.py).
