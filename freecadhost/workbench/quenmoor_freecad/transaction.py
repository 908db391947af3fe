"""One tool's change to FreeCAD's documents: one undo step named after the tool, or nothing.

FreeCAD's undo records what happens to a document's objects, not to the document's own
properties: the Meta entries, where custom properties live, are kept aside when the step
opens and put back if it fails. Files the step writes replace older ones only for good
when it succeeds; a failed step removes them and puts the older files back. Constraint
renames are gathered and applied to each sketch at once when the step ends: one
assignment of a sketch's constraints costs what one rename does.
"""

import os

import FreeCAD as App

from quenmoor_freecad import report
from quenmoor_freecad.report import HostError
from quenmoor_freecad.report import translate


class Transaction:
    def __init__(self, name):
        self.name = "Quenmoor: " + name
        self.meta = {}
        self.files = []  # (path, the older file moved aside or None)
        self.renames = {}  # (document, sketch) -> (sketch, its label, {index: new name})
        self.id = 0

    def open(self):
        self.meta = {name: dict(document.Meta) for name, document in App.listDocuments().items()}
        # Zero when another command's transaction is open: its owner closes it.
        self.id = App.setActiveTransaction(self.name)

    def keep_aside(self, path):
        """Called before a file is written to path: the older file, if any, is moved aside
        until the step ends."""
        if any(path == written for written, _ in self.files):
            return
        aside = None
        if os.path.exists(path):
            folder, name = os.path.split(path)
            aside = os.path.join(folder, ".%s.quenmoor-older" % name)
            os.replace(path, aside)
        self.files.append((path, aside))

    def rename(self, sketch, key, index, name):
        """Gives constraint `index` of the sketch (whose key is its document's and its own
        name) a new name when the step ends."""
        if key not in self.renames:
            self.renames[key] = (sketch, sketch.Label, {})
        self.renames[key][2][index] = name

    def pending_name(self, key, index):
        """The name the step gives the constraint, or None."""
        renames = self.renames.get(key)
        return renames[2].get(index) if renames else None

    def apply(self):
        """Renames each sketch's constraints at once; FreeCAD renames what reaches them."""
        for sketch, label, names in self.renames.values():
            try:
                constraints = sketch.Constraints
                for index, name in names.items():
                    constraints[index].Name = name
                sketch.Constraints = constraints
            except Exception as failure:
                raise HostError(translate('sketch "%s": its constraints cannot be renamed: %s')
                                % (label, failure))
        self.renames = {}

    def commit(self):
        if self.id:
            App.closeActiveTransaction(False, self.id)
        for _, aside in self.files:
            if aside is not None and os.path.exists(aside):
                os.remove(aside)

    def abort(self):
        if self.id:
            App.closeActiveTransaction(True, self.id)
        documents = App.listDocuments()
        for name, meta in self.meta.items():
            document = documents.get(name)
            if document is not None and dict(document.Meta) != meta:
                document.Meta = meta
        for path, aside in reversed(self.files):
            try:
                if os.path.exists(path):
                    os.remove(path)
                if aside is not None:
                    os.replace(aside, path)
            except OSError as failure:
                report.error(translate("%s: the older file could not be put back: %s") % (path, failure))
