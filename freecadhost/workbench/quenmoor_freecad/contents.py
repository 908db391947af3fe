"""What a FreeCAD document holds, as the add-in's host reads it: its type, its TechDraw
page, its solids, its body and the links to other documents' parts.

Document type: a drawing (3) when the active window is a TechDraw page (or the document
holds pages and no visible solid), an assembly (2) when its parts come from other documents
through App::Link (a link whose file is missing included), else a part (1).

The solids of a part are those the user sees: bodies and Part workbench solids at the top
of the tree or inside App::Part containers and groups, each visible with its containers;
never a body's own features, whose solid the body shows.
"""

import FreeCAD as App
import FreeCADGui as Gui
from quenmoorhost import codes
from quenmoor_freecad.report import translate


def is_open(name, document):
    """Whether `document`, opened under `name`, is still open: a closed one's object
    answers nothing any more, so it is told by the name it had."""
    return App.listDocuments().get(name) is document


def active_window_class():
    window = Gui.getMainWindow().centralWidget().currentSubWindow()
    if window is None or window.widget() is None:
        return ""
    return window.widget().metaObject().className()


def active_page(document):
    """The TechDraw page shown in the active window, or None."""
    if active_window_class() != "TechDrawGui::MDIViewPage":
        return None
    view = Gui.activeView()
    page = view.getPage() if hasattr(view, "getPage") else None
    if page is not None and page.Document == document:
        return page
    return None


CONTAINERS = ("App::Part", "App::DocumentObjectGroup")


def linked_components(document):
    """The document's top-level App::Link objects whose part lives in another document."""
    components = []
    for obj in document.RootObjects:
        if obj.TypeId == "App::Link" and obj.LinkedObject is not None:
            if obj.LinkedObject.Document != document:
                components.append(obj)
    return components


def broken_links(document):
    """The top-level App::Link objects whose part FreeCAD could not load (its file is
    missing or damaged)."""
    return [obj for obj in document.RootObjects
            if obj.TypeId == "App::Link" and obj.LinkedObject is None]


def _has_solid(obj):
    shape = getattr(obj, "Shape", None)
    return shape is not None and not shape.isNull() and len(shape.Solids) > 0


def _visible_solids(objects):
    for obj in objects:
        if not getattr(obj, "Visibility", True):
            continue
        if obj.TypeId in CONTAINERS:
            yield from _visible_solids(obj.Group)
        elif obj.TypeId != "App::Link" and _has_solid(obj):
            yield obj


def solid_objects(document):
    """The bodies and Part solids the user sees, in tree order (see above)."""
    return list(_visible_solids(document.RootObjects))


def global_shape(obj):
    """A copy of the object's shape where the 3D view shows it: with the placements of the
    containers it is in."""
    shape = obj.Shape.copy()
    if hasattr(obj, "getGlobalPlacement"):
        moved = obj.getGlobalPlacement().multiply(obj.Placement.inverse())
        shape.Placement = moved.multiply(shape.Placement)
    return shape


def document_type(document):
    if active_page(document) is not None:
        return codes.DOCUMENT_DRAWING
    if linked_components(document) or broken_links(document):
        return codes.DOCUMENT_ASSEMBLY
    # Asked whenever FreeCAD updates its commands: one visible solid is enough to know.
    if any(obj.TypeId == "TechDraw::DrawPage" for obj in document.Objects) and (
        next(_visible_solids(document.RootObjects), None) is None
    ):
        return codes.DOCUMENT_DRAWING
    return codes.DOCUMENT_PART


def edited_body(document):
    """The body PartDesign edits in the document's view (its active body), or None."""
    gui_document = Gui.getDocument(document.Name)
    view = gui_document.ActiveView if gui_document else None
    if view is not None and hasattr(view, "getActiveObject"):
        return view.getActiveObject("pdbody")
    return None


def active_body(document):
    """The body being edited, else the document's only body, else None."""
    body = edited_body(document)
    if body is not None:
        return body
    bodies = [obj for obj in document.Objects if obj.TypeId == "PartDesign::Body"]
    return bodies[0] if len(bodies) == 1 else None


def _describe(objects):
    bodies = sum(1 for obj in objects if obj.TypeId == "PartDesign::Body")
    others = len(objects) - bodies
    words = []
    for count, one, many in ((bodies, "a body", "bodies"), (others, "a Part solid", "Part solids")):
        if count == 1:
            words.append(one)
        elif count > 1:
            words.append("%d %s" % (count, many))
    return " and ".join(words)


def solid_target(document, what):
    """The one solid a document-wide value goes on (the density): the body being edited,
    else the one solid selected, else the document's only visible solid. Raises ValueError naming
    what was found when none or several could take it; `what` names the value."""
    body = edited_body(document)
    if body is not None:
        return body
    solids = solid_objects(document)
    selected = []
    for picked in Gui.Selection.getSelection(document.Name):
        owner = picked
        while owner is not None and owner not in solids:
            parent = owner.getParentGeoFeatureGroup() if hasattr(
                owner, "getParentGeoFeatureGroup") else None
            owner = parent if parent is not owner else None
        if owner is not None and owner not in selected:
            selected.append(owner)
    if len(selected) == 1:
        return selected[0]
    if len(solids) == 1:
        return solids[0]
    if not solids:
        raise ValueError(
            translate('document "%s" has no solid to take %s; make a body or a Part solid')
            % (document.Label, what))
    raise ValueError(
        translate('document "%s": %s, none active or selected: activate one or select one '
                  "to take %s") % (document.Label, _describe(solids), what))
