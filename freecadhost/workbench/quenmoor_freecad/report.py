"""Failures in FreeCAD's report view, one line each, starting with "Quenmoor: ". The
workbench's own texts go through FreeCAD's translation function; English is the source."""

import FreeCAD as App

CONTEXT = "Quenmoor"


def translate(text):
    return App.Qt.translate(CONTEXT, text)


def error(text):
    App.Console.PrintError("Quenmoor: %s\n" % text)


def failure(exception):
    """An exception of any kind, by its message, or its type's name when it has none."""
    error(str(exception) or type(exception).__name__)


class HostError(RuntimeError):
    """A host call FreeCAD cannot carry out; the add-in receives its text as the failure."""
