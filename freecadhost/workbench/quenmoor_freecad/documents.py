"""A FreeCAD document as the add-in's host document.

Its type is contents.document_type. Custom properties are the document's Meta entries;
features are the objects of the active body (else of the document) in tree order, and a
sketch's display dimensions are its dimensional constraints.

FreeCAD's expressions reach a constraint by its name only when the name reads as an
identifier: `Sketch.Constraints.12` does not parse, so a document that holds it loses the
expression when it is reopened. A dimension the add-in names with a number is therefore
named "_" and the number, which FreeCAD renames in every expression that reached it and
restores; the add-in reads such a name back as the number.
"""

import re

import FreeCADGui as Gui
from quenmoorhost import codes

from quenmoor_freecad import appearance, contents, exchange
from quenmoor_freecad.report import HostError
from quenmoor_freecad.report import translate

DIMENSION_TYPES = ("Distance", "DistanceX", "DistanceY", "Radius", "Diameter", "Angle")


NUMBERED_NAME = re.compile(r"_([0-9]+)")


def name_for_addin(constraint_name):
    numbered = NUMBERED_NAME.fullmatch(constraint_name)
    return numbered.group(1) if numbered else constraint_name


def constraint_name(name):
    return "_" + name if name.isdigit() and name.isascii() else name


class Dimension:
    """A dimensional constraint of a sketch; its name is the constraint's name, a number
    given by the add-in kept with "_" before it. Within a tool's step a new name is kept
    by the step, which renames each sketch's constraints at once when it ends."""

    def __init__(self, host, sketch, key, index, name):
        self.host = host
        self.sketch = sketch
        self.key = key
        self.index = index
        self.current = name

    def name(self):
        step = self.host.step
        pending = step.pending_name(self.key, self.index) if step is not None else None
        return name_for_addin(self.current if pending is None else pending)

    def set_name(self, name):
        if self.host.step is not None:
            self.host.step.rename(self.sketch, self.key, self.index, constraint_name(name))
            return
        try:
            self.sketch.renameConstraint(self.index, constraint_name(name))
        except Exception as failure:
            raise HostError(
                translate('sketch "%s": constraint %d cannot be named "%s": %s')
                % (self.sketch.Label, self.index + 1, name, failure)
            )
        self.current = constraint_name(name)


class Feature:
    def __init__(self, host, obj):
        self.host = host
        self.obj = obj

    def name(self):
        return self.obj.Label

    def dimensions(self):
        if not self.obj.isDerivedFrom("Sketcher::SketchObject"):
            return []
        key = (self.obj.Document.Name, self.obj.Name)
        return [
            Dimension(self.host, self.obj, key, index, constraint.Name)
            for index, constraint in enumerate(self.obj.Constraints)
            if constraint.Type in DIMENSION_TYPES
        ]


class Component:
    """A part of an assembly: a link to a body in another document."""

    def __init__(self, link):
        self.link = link

    def name(self):
        return self.link.Label

    def material_values(self):
        return appearance.values_of(self.link)

    def set_material_values(self, values):
        appearance.apply(self.link, values)


class Selection:
    def __init__(self, document):
        self.document = document

    def _selected(self, index):
        selected = Gui.Selection.getSelection(self.document.Name)
        if index < 1 or index > len(selected):
            return None
        return selected[index - 1]

    def selected_type(self, index):
        obj = self._selected(index)
        if obj is None:
            return codes.SELECTION_NOTHING
        if obj in contents.linked_components(self.document):
            return codes.SELECTION_COMPONENT
        return codes.SELECTION_OTHER

    def selected_object(self, index):
        obj = self._selected(index)
        if obj is not None and obj in contents.linked_components(self.document):
            return Component(obj)
        return None


class Document:
    """A document as the add-in reaches it; `document_type`, when given, is the type it
    keeps whatever window is active (a page's document keeps the type it was opened with)."""

    def __init__(self, host, document, document_type=None):
        self.host = host
        self.document = document
        self.name = document.Name
        self.label = document.Label
        self.document_type = document_type
        self._features_of, self._feature_list = None, []

    def _check_open(self):
        if not contents.is_open(self.name, self.document):
            raise HostError(translate('document "%s" is closed') % self.label)

    def _configuration(self, configuration):
        if configuration != "":
            raise HostError(
                translate('document "%s" has no configuration "%s"; FreeCAD keeps one set of properties')
                % (self.document.Label, configuration)
            )

    def type(self):
        self._check_open()
        if self.document_type is not None:
            return self.document_type
        return contents.document_type(self.document)

    def title(self):
        """The label; the export package names its files by it, so a "/" in it comes as the
        division slash, which looks the same and is no folder."""
        self._check_open()
        return self.document.Label.replace("/", "\u2215")

    def save_as(self, path):
        self._check_open()
        return exchange.save_as(self.host, self.document, path)

    def custom_info(self, configuration, field):
        self._check_open()
        self._configuration(configuration)
        return self.document.Meta.get(field, "")

    def delete_custom_info(self, configuration, field):
        self._check_open()
        self._configuration(configuration)
        meta = self.document.Meta
        if field not in meta:
            return False
        del meta[field]
        self.document.Meta = meta
        return True

    def add_custom_info(self, configuration, field, field_type, value):
        self._check_open()
        self._configuration(configuration)
        if field_type != codes.CUSTOM_INFO_TEXT:
            raise HostError(
                translate('document "%s": property "%s": FreeCAD keeps text properties only (type %d given)')
                % (self.document.Label, field, field_type)
            )
        meta = self.document.Meta
        if field in meta:
            return False
        meta[field] = value
        self.document.Meta = meta
        return True

    def set_double_preference(self, preference, value):
        self._check_open()
        if preference != codes.PREFERENCE_MATERIAL_DENSITY:
            return False
        try:
            target = contents.solid_target(self.document, "the density")
        except ValueError as refusal:
            raise HostError(str(refusal)) from None
        if "Density" not in target.PropertiesList:
            target.addProperty("App::PropertyFloat", "Density", "Material", "Density in kg/m³")
        target.Density = value
        return True

    def _appearance_targets(self):
        if self.type() == codes.DOCUMENT_ASSEMBLY:
            return contents.linked_components(self.document)
        body = contents.active_body(self.document)
        if body is not None:
            return [body]
        return contents.solid_objects(self.document)

    def material_values(self):
        self._check_open()
        targets = self._appearance_targets()
        if not targets:
            raise HostError(
                translate('document "%s" has no shape to take an appearance') % self.document.Label)
        return appearance.values_of(targets[0])

    def set_material_values(self, values):
        self._check_open()
        targets = self._appearance_targets()
        if not targets:
            raise HostError(
                translate('document "%s" has no shape to take an appearance') % self.document.Label)
        for target in targets:
            appearance.apply(target, values)

    def redraw(self):
        Gui.updateGui()

    def selection(self):
        self._check_open()
        return Selection(self.document)

    def _features(self):
        # The add-in walks the tree position by position: within one tool's step the
        # tree is read once.
        step = self.host.step
        if step is not None and self._features_of is step:
            return self._feature_list
        body = contents.active_body(self.document)
        if body is not None:
            features = list(body.Group)
        else:
            features = [
                obj for obj in self.document.Objects if not obj.TypeId.startswith("App::Origin")
            ]
        self._features_of, self._feature_list = step, features
        return features

    def feature_count(self):
        self._check_open()
        return len(self._features())

    def feature_from_end(self, position):
        self._check_open()
        features = self._features()
        if position < 0 or position >= len(features):
            return None
        return Feature(self.host, features[len(features) - 1 - position])
