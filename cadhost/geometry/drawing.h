#pragma once

#include <string>
#include <vector>

#include "cadhost/geometry/shape.h"

namespace quenmoor::geometry {

struct Point2 {
    double x = 0;
    double y = 0;
};

// One visible edge of a view on the sheet, in sheet millimetres: a straight line, a circle
// or an arc (counter-clockwise from `start` to `end` degrees), or a polyline for any other
// curve.
struct SheetCurve {
    enum class Kind { Line, Circle, Arc, Polyline };
    Kind kind = Kind::Line;
    std::vector<Point2> points;  // the two ends of a line, the vertices of a polyline
    Point2 centre;
    double radius = 0;
    double start = 0;
    double end = 0;
};

struct SheetView {
    std::string name;
    std::vector<SheetCurve> curves;
    Point2 min, max;  // the view's extent on the sheet
};

// A drawing sheet at 1:1: the views laid out in third-angle projection (the top view above
// the front view, the right view beside it, the isometric view up on the right).
struct Sheet {
    std::string title;
    std::vector<SheetView> views;
    Point2 min, max;

    bool empty() const;
};

// A named view of a part or assembly: "Front", "Top", "Right", "Left", "Bottom", "Back"
// or "Isometric", without regard to case.
struct ViewDefinition {
    std::string name;
    Scene scene;
};

// Projects each view's scene with its hidden lines removed and lays the views out.
// Throws ComError naming the drawing and the view when a view has an unknown name.
Sheet projectDrawing(const std::string& title, const std::vector<ViewDefinition>& views);

}  // namespace quenmoor::geometry
