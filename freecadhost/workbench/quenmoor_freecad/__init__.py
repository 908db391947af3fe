"""FreeCAD as the Quenmoor add-in's CAD host.

The add-in (quenmoortools.so) sees its host only through the host contract; the
quenmoorhost module implements that contract's component objects over the Python
objects of this package, which act on FreeCAD's documents, menus and task panels.
"""
