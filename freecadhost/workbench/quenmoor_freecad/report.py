"""Messages in FreeCAD's report view, one line each, starting with "Quenmoor: "."""

import collections

import FreeCAD as App

# The latest lines, for a macro that checks what the user was told.
recent = collections.deque(maxlen=200)


def error(text):
    recent.append("error: " + text)
    App.Console.PrintError("Quenmoor: %s\n" % text)


def warning(text):
    recent.append("warning: " + text)
    App.Console.PrintWarning("Quenmoor: %s\n" % text)


def message(text):
    recent.append(text)
    App.Console.PrintMessage("Quenmoor: %s\n" % text)


class HostError(RuntimeError):
    """A host call FreeCAD cannot carry out; the add-in receives its text as the failure."""
