# Makes the FreeCAD example documents of this folder. Run it in FreeCAD's window, so that
# the documents keep what the window shows (the solid visible, the sketches hidden), from
# the repository folder:
#
#     QTWEBENGINE_DISABLE_SANDBOX=1 xvfb-run -a freecad examples/freecad/make_examples.py
#
# bracket.FCStd           a body: a base sketch padded into a plate, a pocket sketch and a
#                         hole sketch, their dimensional constraints named D1, D2, ...
# frame.FCStd             an assembly: two links to the bracket's body, one turned
# bracket-drawing.FCStd   a TechDraw page with the front, top and right views of the bracket,
#                         drawn from a hidden copy of its solid kept in the drawing itself
#                         (a view of another document's body cannot be restored)

import os

import FreeCAD as App
import Part
import Sketcher

Vector = App.Vector
here = os.path.abspath("examples/freecad")


def name_dimensions(sketch, first):
    """Names every dimensional constraint of the sketch D<first>, D<first + 1>, ..."""
    number = first
    for index, constraint in enumerate(sketch.Constraints):
        if constraint.Type in ("Distance", "DistanceX", "DistanceY", "Radius", "Diameter", "Angle"):
            sketch.renameConstraint(index, "D%d" % number)
            number += 1
    return number


def show_only(doc, shown):
    """What the window shows of the document: the given objects, nothing else."""
    if not App.GuiUp:
        return
    import FreeCADGui as Gui

    for obj in doc.Objects:
        if obj.ViewObject is not None:
            obj.ViewObject.Visibility = obj in shown
    view = Gui.getDocument(doc.Name).ActiveView
    if view is not None and hasattr(view, "viewIsometric"):
        view.viewIsometric()
        view.fitAll()


def rectangle(sketch, width, height):
    corners = [Vector(0, 0, 0), Vector(width, 0, 0), Vector(width, height, 0), Vector(0, height, 0)]
    for i in range(4):
        sketch.addGeometry(Part.LineSegment(corners[i], corners[(i + 1) % 4]), False)
    for i in range(4):
        sketch.addConstraint(Sketcher.Constraint("Coincident", i, 2, (i + 1) % 4, 1))
    sketch.addConstraint(Sketcher.Constraint("Horizontal", 0))
    sketch.addConstraint(Sketcher.Constraint("Horizontal", 2))
    sketch.addConstraint(Sketcher.Constraint("Vertical", 1))
    sketch.addConstraint(Sketcher.Constraint("Vertical", 3))
    sketch.addConstraint(Sketcher.Constraint("Coincident", 0, 1, -1, 1))
    sketch.addConstraint(Sketcher.Constraint("DistanceX", 0, 1, 0, 2, width))
    sketch.addConstraint(Sketcher.Constraint("DistanceY", 1, 1, 1, 2, height))


def circle_sketch(body, name, face_of, centre, kind, size):
    """A sketch on the top face of `face_of` holding one circle, dimensioned by its radius
    or diameter and its distances from the origin."""
    sketch = body.newObject("Sketcher::SketchObject", name)
    sketch.Support = (face_of, ["Face6"])
    sketch.MapMode = "FlatFace"
    radius = size if kind == "Radius" else size / 2
    sketch.addGeometry(Part.Circle(Vector(centre[0], centre[1], 0), Vector(0, 0, 1), radius), False)
    sketch.addConstraint(Sketcher.Constraint(kind, 0, size))
    sketch.addConstraint(Sketcher.Constraint("DistanceX", -1, 1, 0, 3, centre[0]))
    sketch.addConstraint(Sketcher.Constraint("DistanceY", -1, 1, 0, 3, centre[1]))
    return sketch


def make_bracket(path):
    doc = App.newDocument("bracket")
    body = doc.addObject("PartDesign::Body", "Body")
    body.Label = "Bracket"

    base = body.newObject("Sketcher::SketchObject", "BaseSketch")
    base.Support = (doc.getObject("XY_Plane"), [""])
    base.MapMode = "FlatFace"
    rectangle(base, 120.0, 60.0)
    number = name_dimensions(base, 1)
    pad = body.newObject("PartDesign::Pad", "Pad")
    pad.Profile = base
    pad.Length = 10.0
    doc.recompute()

    slot = circle_sketch(body, "PocketSketch", pad, (30.0, 30.0), "Radius", 8.0)
    number = name_dimensions(slot, number)
    pocket = body.newObject("PartDesign::Pocket", "Pocket")
    pocket.Profile = slot
    pocket.Length = 5.0
    doc.recompute()

    drill = circle_sketch(body, "HoleSketch", pad, (90.0, 30.0), "Diameter", 10.0)
    name_dimensions(drill, number)
    doc.recompute()
    hole = body.newObject("PartDesign::Hole", "Hole")
    hole.Profile = drill
    doc.recompute()
    hole.Diameter = 10.0
    hole.Depth = 10.0
    hole.DepthType = "ThroughAll"
    doc.recompute()

    doc.Meta = {"Description": "Bracket", "Material": "Steel"}
    show_only(doc, [body, hole])
    doc.saveAs(path)
    return doc


def make_frame(path, bracket):
    doc = App.newDocument("frame")
    doc.saveAs(path)  # a link to another document needs a file to be relative to
    body = bracket.getObject("Body")
    first = doc.addObject("App::Link", "Bracket001")
    first.LinkedObject = body
    second = doc.addObject("App::Link", "Bracket002")
    second.LinkedObject = body
    second.Placement = App.Placement(Vector(200, 0, 0), App.Rotation(Vector(0, 0, 1), 90))
    doc.recompute()
    show_only(doc, [first, second])
    doc.save()
    App.closeDocument(doc.Name)


def make_drawing(path, bracket):
    import TechDraw  # noqa: F401  (registers the TechDraw types)

    doc = App.newDocument("bracket_drawing")
    page = doc.addObject("TechDraw::DrawPage", "Page")
    template = doc.addObject("TechDraw::DrawSVGTemplate", "Template")
    template.Template = os.path.join(App.getResourceDir(), "Mod", "TechDraw", "Templates",
                                     "A4_LandscapeTD.svg")
    page.Template = template
    solid = doc.addObject("Part::Feature", "Bracket")
    solid.Shape = bracket.getObject("Body").Shape.copy()
    for name, direction, x in (("Front", Vector(0, -1, 0), 90), ("Top", Vector(0, 0, 1), 90),
                               ("Right", Vector(1, 0, 0), 220)):
        view = doc.addObject("TechDraw::DrawViewPart", name)
        page.addView(view)
        view.Source = [solid]
        view.Direction = direction
        view.ScaleType = "Custom"
        view.Scale = 0.5
        view.X = x
        view.Y = 150 if name != "Top" else 70
    doc.recompute()
    if App.GuiUp:
        solid.ViewObject.Visibility = False
    solid.Visibility = False
    doc.saveAs(path)
    App.closeDocument(doc.Name)


for name in ("bracket", "frame", "bracket-drawing"):
    for suffix in (".FCStd", ".FCStd1"):
        if os.path.exists(os.path.join(here, name + suffix)):
            os.remove(os.path.join(here, name + suffix))

bracket = make_bracket(os.path.join(here, "bracket.FCStd"))
make_frame(os.path.join(here, "frame.FCStd"), bracket)
make_drawing(os.path.join(here, "bracket-drawing.FCStd"), bracket)
App.closeDocument(bracket.Name)
for name in ("bracket", "frame", "bracket-drawing"):
    if os.path.exists(os.path.join(here, name + ".FCStd1")):  # FreeCAD's backup of a resave
        os.remove(os.path.join(here, name + ".FCStd1"))
if App.GuiUp:
    import FreeCADGui

    FreeCADGui.getMainWindow().close()
