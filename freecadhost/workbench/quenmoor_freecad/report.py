"""Failures in FreeCAD's report view, one line each, starting with "Quenmoor: "."""

import FreeCAD as App


def error(text):
    App.Console.PrintError("Quenmoor: %s\n" % text)


class HostError(RuntimeError):
    """A host call FreeCAD cannot carry out; the add-in receives its text as the failure."""
