"""What a FreeCAD document holds, as the add-in's host reads it: its type, its TechDraw
page, its body and the links to other documents' parts.

Document type: a drawing (3) when the active window is a TechDraw page (or the document
holds pages and no body), an assembly (2) when its parts come from other documents
through App::Link, else a part (1).
"""

import FreeCAD as App
import FreeCADGui as Gui
from quenmoorhost import codes


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


def linked_components(document):
    """The document's top-level App::Link objects whose part lives in another document."""
    components = []
    for obj in document.RootObjects:
        if obj.TypeId == "App::Link" and obj.LinkedObject is not None:
            if obj.LinkedObject.Document != document:
                components.append(obj)
    return components


def document_type(document):
    if active_page(document) is not None:
        return codes.DOCUMENT_DRAWING
    if any(obj.TypeId == "TechDraw::DrawPage" for obj in document.Objects) and not any(
        obj.TypeId == "PartDesign::Body" for obj in document.Objects
    ):
        return codes.DOCUMENT_DRAWING
    if linked_components(document):
        return codes.DOCUMENT_ASSEMBLY
    return codes.DOCUMENT_PART


def active_body(document):
    """The body being edited, else the document's only body, else None."""
    gui_document = Gui.getDocument(document.Name)
    view = gui_document.ActiveView if gui_document else None
    if view is not None and hasattr(view, "getActiveObject"):
        body = view.getActiveObject("pdbody")
        if body is not None:
            return body
    bodies = [obj for obj in document.Objects if obj.TypeId == "PartDesign::Body"]
    return bodies[0] if len(bodies) == 1 else None
