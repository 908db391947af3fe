"""SaveAs2 on FreeCAD: the writer is chosen by the file name's extension.

Every write goes to a temporary file in the target folder that is renamed into place once
complete, so a failed save leaves nothing behind and an older file as it was. A failure
returns 1 to the add-in and shows its reason in the report view.
"""

import os
import tempfile

import FreeCADGui as Gui
from PySide import QtCore, QtGui
from quenmoorhost import codes

from quenmoor_freecad import contents, report
from quenmoor_freecad.report import translate

PICTURE_SIZE = (1600, 1200)


class SaveFailure(Exception):
    pass


def _shapes(document):
    """What the package writes of a part or an assembly: every solid the user sees, each
    where the 3D view shows it."""
    import Part

    broken = contents.broken_links(document)
    if broken:
        raise SaveFailure(
            translate('assembly "%s": the link "%s" points to a part whose file is missing '
                      "or cannot be read") % (document.Label, broken[0].Label))
    components = contents.linked_components(document)
    if components:
        return [Part.getShape(link) for link in components if link.Visibility]
    shapes = [contents.global_shape(obj) for obj in contents.solid_objects(document)]
    if not shapes:
        raise SaveFailure(translate('document "%s" has no visible solid to write') % document.Label)
    return shapes


def _compound(document):
    import Part

    shapes = _shapes(document)
    return shapes[0] if len(shapes) == 1 else Part.makeCompound(shapes)


def _page(document):
    pages = [obj for obj in document.Objects if obj.TypeId == "TechDraw::DrawPage"]
    if not pages:
        raise SaveFailure(translate('document "%s" has no TechDraw page') % document.Label)
    return pages[0]


# FreeCAD's exporters are imported where they write, so that the workbench's start does
# not load them.
# FreeCAD's exporters of objects write a body without its placement; the shapes carry it.
def _write_exchange(document, path):
    compound = _compound(document)
    if path.lower().endswith((".step", ".stp")):
        compound.exportStep(path)
    else:
        compound.exportIges(path)


def _write_stl(host, document, path):
    import MeshPart

    compound = _compound(document)
    mesh = MeshPart.meshFromShape(
        Shape=compound,
        LinearDeflection=host.double_preferences.get(codes.PREFERENCE_STL_CHORD_TOLERANCE, 0.1),
        AngularDeflection=host.double_preferences.get(codes.PREFERENCE_STL_ANGLE_TOLERANCE, 0.5236),
        Relative=False,
    )
    binary = host.integer_preferences.get(codes.PREFERENCE_STL_BINARY, 1) != 0
    mesh.write(path, "STL" if binary else "AST")


def _page_view(page):
    """The window that shows the page: the current one when it is a page's, else the one
    titled with the page's label, opened if need be."""

    def page_window():
        area = Gui.getMainWindow().centralWidget()
        windows = [area.currentSubWindow()] + area.subWindowList()
        for window in windows:
            widget = window.widget() if window is not None else None
            if widget is None or widget.metaObject().className() != "TechDrawGui::MDIViewPage":
                continue
            if window is windows[0] and contents.active_page(page.Document) is page:
                return widget
            if window.windowTitle().replace("[*]", "") == page.Label:
                return widget
        return None

    widget = page_window()
    if widget is None:
        page.ViewObject.show()
        QtGui.QApplication.processEvents()
        widget = page_window()
    return widget


def _write_sheet(document, path):
    """The whole sheet as TechDraw renders it, PICTURE_SIZE[0] pixels wide whatever the
    page window's zoom: TechDraw writes the page as SVG, which is drawn onto a white
    picture."""
    import TechDrawGui
    from PySide import QtSvg

    page = _page(document)
    if _page_view(page) is None:
        raise SaveFailure(
            translate('the page of "%s" cannot be opened in a window') % document.Label)
    svg = path + ".svg"
    try:
        TechDrawGui.exportPageAsSvg(page, svg)
        renderer = QtSvg.QSvgRenderer(svg)
        size = renderer.defaultSize()
        if not renderer.isValid() or size.width() <= 0 or size.height() <= 0:
            raise SaveFailure(
                translate('TechDraw rendered no sheet for the page of "%s"') % document.Label)
        width = PICTURE_SIZE[0]
        height = max(1, round(width * size.height() / size.width()))
        image = QtGui.QImage(width, height, QtGui.QImage.Format_RGB32)
        image.fill(QtCore.Qt.white)
        painter = QtGui.QPainter(image)
        painter.setRenderHint(QtGui.QPainter.Antialiasing)
        renderer.render(painter)
        painter.end()
        if not image.save(path, "TIFF"):
            raise SaveFailure(translate("the picture could not be written as TIFF"))
    finally:
        if os.path.exists(svg):
            os.remove(svg)


def _write_picture(document, path):
    if contents.document_type(document) == codes.DOCUMENT_DRAWING:
        _write_sheet(document, path)
        return
    gui_document = Gui.getDocument(document.Name)
    view = gui_document.ActiveView if gui_document else None
    if view is None or not hasattr(view, "saveImage"):
        for candidate in gui_document.mdiViewsOfType("Gui::View3DInventor") if gui_document else []:
            view = candidate
            break
    if view is None or not hasattr(view, "saveImage"):
        raise SaveFailure(
            translate('document "%s" has no 3D view to take a picture of') % document.Label)
    view.saveImage(path, PICTURE_SIZE[0], PICTURE_SIZE[1], "Current")


def _write_dxf(document, path):
    import TechDraw

    TechDraw.writeDXFPage(_page(document), path)


def _write_own(document, path):
    document.saveCopy(path)


def _writer(host, document, extension):
    kind = contents.document_type(document)
    if extension in (".sat", ".dwg"):
        raise SaveFailure(translate("FreeCAD has no free writer for %s files") % extension)
    if extension == ".fcstd":
        return _write_own
    if extension in (".tif", ".tiff"):
        return _write_picture
    if kind == codes.DOCUMENT_DRAWING:
        if extension == ".dxf":
            return _write_dxf
        raise SaveFailure(translate("a drawing is written as .dxf or .tif, not %s") % extension)
    if extension in (".step", ".stp", ".igs", ".iges"):
        return _write_exchange
    if extension == ".stl":
        return lambda doc, path: _write_stl(host, doc, path)
    raise SaveFailure(translate("no writer for %s files") % (extension or "extension-less"))


def save_as(host, document, path):
    """Writes the document to path; 0 on success, else 1 with the reason reported."""
    path = os.path.abspath(path)
    folder, name = os.path.split(path)
    extension = os.path.splitext(name)[1].lower()
    temporary = None
    try:
        writer = _writer(host, document, extension)
        if os.path.exists(folder) and not os.path.isdir(folder):
            raise SaveFailure(translate("%s is a file, not a folder") % folder)
        if not os.path.isdir(folder):
            raise SaveFailure(translate("the folder %s does not exist") % folder)
        # The writers choose the format by the extension, so the temporary name keeps it.
        handle, temporary = tempfile.mkstemp(
            prefix="." + os.path.splitext(name)[0] + ".", suffix=os.path.splitext(name)[1], dir=folder
        )
        os.close(handle)
        os.remove(temporary)
        writer(document, temporary)
        if not os.path.isfile(temporary) or os.path.getsize(temporary) == 0:
            raise SaveFailure(translate("the writer wrote nothing"))
        if os.path.exists(path):
            os.chmod(temporary, os.stat(path).st_mode & 0o7777)
        else:
            os.chmod(temporary, 0o644)
        if host.step is not None:
            host.step.keep_aside(path)  # the older file comes back if the tool fails
        os.replace(temporary, path)
        temporary = None
        return 0
    except Exception as failure:
        report.error(translate("%s: %s") % (path, failure))
        return codes.SAVE_FAILED
    finally:
        if temporary is not None and os.path.exists(temporary):
            os.remove(temporary)
