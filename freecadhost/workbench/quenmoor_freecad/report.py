"""Failures in FreeCAD's report view, one line each, starting with "Quenmoor: "."""

import FreeCAD as App


def error(text):
    App.Console.PrintError("Quenmoor: %s\n" % text)


def failure(exception):
    """An exception of any kind, by its message, or its type's name when it has none."""
    error(str(exception) or type(exception).__name__)


class HostError(RuntimeError):
    """A host call FreeCAD cannot carry out; the add-in receives its text as the failure."""
