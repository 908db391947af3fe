"""Starts and stops FreeCAD's hosting of the Quenmoor add-in.

The add-in and the libraries it runs with live in the workbench's lib folder; the component
registry tells the runtime where the add-in's library is; FreeCAD keeps a registry of its
own (see registry.py). quenmoorhost registers the components the registry lacks from the
lib folder at start, so that every user of a system-wide workbench gets the add-in without
a registration step.
"""

import os
import sys

import FreeCAD as App
from PySide import QtGui

from quenmoor_freecad import report
from quenmoor_freecad.report import translate

_host = None


def library_folder():
    return os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "lib")


def host():
    """The running host, or None before start()."""
    return _host


def start():
    global _host
    if _host is not None:
        return _host
    folder = library_folder()
    if folder not in sys.path:
        sys.path.insert(0, folder)
    try:
        import quenmoorhost
    except ImportError as failure:
        report.error(translate("quenmoorhost cannot be loaded from %s: %s") % (folder, failure))
        return None
    from quenmoor_freecad import preferences

    quenmoorhost.use_registry(preferences.registry_file())
    try:
        quenmoorhost.register_components(folder)
    except (OSError, RuntimeError) as failure:
        report.error(translate("registering the components of %s: %s") % (folder, failure))

    from quenmoor_freecad.host import Host

    preferences.add_page()

    _host = Host()
    # The host keeps the add-in's host while FreeCAD runs; stop() drops it.
    _host.addin = quenmoorhost.AddinHost(_host)
    QtGui.QApplication.instance().aboutToQuit.connect(stop)
    try:
        _host.addin.connect(quenmoorhost.ADDIN_PROG_ID)
    except RuntimeError as failure:
        report.error(str(failure))
    return _host


def start_when_ready():
    """Starts once FreeCAD's event loop runs, when its window and workbenches are set up."""
    from PySide import QtCore

    QtCore.QTimer.singleShot(0, start)


def stop():
    """Disconnects the add-in; its menus go, its windows stay while FreeCAD runs."""
    if _host is None or not _host.connected():
        return
    _host.close_page()
    App.removeDocumentObserver(_host)
    try:
        _host.addin.disconnect()
    except RuntimeError as failure:
        report.error(str(failure))
    # The add-in's host holds this host in turn: dropping it lets both go.
    _host.addin = None
