#include "cadhost/geometry/drawing.h"

#include <BRepAdaptor_Curve.hxx>
#include <GCPnts_QuasiUniformDeflection.hxx>
#include <HLRAlgo_Projector.hxx>
#include <HLRBRep_Algo.hxx>
#include <HLRBRep_HLRToShape.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "cadhost/geometry/shape_data.h"
#include "platform/com/com_error.h"
#include "platform/com/text_case.h"

namespace quenmoor::geometry {

namespace {

constexpr double Gap = 25.0;     // between views, mm
constexpr double Margin = 15.0;  // around the sheet's views, mm

struct Projection {
    const char* name;
    gp_Dir towardViewer;
    gp_Dir right;
    int column;  // place in the layout grid
    int row;
};

const Projection Projections[] = {
    {"Front", gp_Dir(0, 0, 1), gp_Dir(1, 0, 0), 1, 1},
    {"Top", gp_Dir(0, 1, 0), gp_Dir(1, 0, 0), 1, 2},
    {"Bottom", gp_Dir(0, -1, 0), gp_Dir(1, 0, 0), 1, 0},
    {"Right", gp_Dir(1, 0, 0), gp_Dir(0, 0, -1), 2, 1},
    {"Left", gp_Dir(-1, 0, 0), gp_Dir(0, 0, 1), 0, 1},
    {"Back", gp_Dir(0, 0, -1), gp_Dir(-1, 0, 0), 3, 1},
    {"Isometric", gp_Dir(1, 1, 1), gp_Dir(1, 0, -1), 2, 2},
};

const Projection* findProjection(const std::string& name) {
    for (const Projection& p : Projections) {
        if (com::equalsIgnoringCase(name, p.name)) {
            return &p;
        }
    }
    return nullptr;
}

double degrees(double x, double y) {
    double a = std::atan2(y, x) * 180.0 / std::numbers::pi;
    return a < 0 ? a + 360.0 : a;
}

// Turns one projected edge (lying in the z = 0 plane) into a sheet curve.
SheetCurve curveOf(const TopoDS_Edge& edge) {
    BRepAdaptor_Curve curve(edge);
    double u0 = curve.FirstParameter(), u1 = curve.LastParameter();
    SheetCurve result;
    auto point = [](const gp_Pnt& p) { return Point2{p.X(), p.Y()}; };
    switch (curve.GetType()) {
        case GeomAbs_Line:
            result.points = {point(curve.Value(u0)), point(curve.Value(u1))};
            return result;
        case GeomAbs_Circle: {
            gp_Circ circle = curve.Circle();
            result.centre = point(circle.Location());
            result.radius = circle.Radius();
            if (u1 - u0 >= 2 * std::numbers::pi - 1e-9) {
                result.kind = SheetCurve::Kind::Circle;
                return result;
            }
            result.kind = SheetCurve::Kind::Arc;
            gp_Pnt a = curve.Value(u0), b = curve.Value(u1);
            double from = degrees(a.X() - result.centre.x, a.Y() - result.centre.y);
            double to = degrees(b.X() - result.centre.x, b.Y() - result.centre.y);
            // A circle whose axis points away from the viewer runs clockwise on the sheet.
            bool counterClockwise = circle.Axis().Direction().Z() > 0;
            result.start = counterClockwise ? from : to;
            result.end = counterClockwise ? to : from;
            return result;
        }
        default: {
            result.kind = SheetCurve::Kind::Polyline;
            GCPnts_QuasiUniformDeflection points(curve, 0.02);
            if (!points.IsDone()) {
                result.points = {point(curve.Value(u0)), point(curve.Value(u1))};
                return result;
            }
            for (int i = 1; i <= points.NbPoints(); ++i) {
                result.points.push_back(point(points.Value(i)));
            }
            return result;
        }
    }
}

void grow(Point2& low, Point2& high, Point2 p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
}

void extent(SheetView& view) {
    constexpr double Inf = std::numeric_limits<double>::infinity();
    view.min = {Inf, Inf};
    view.max = {-Inf, -Inf};
    for (const SheetCurve& c : view.curves) {
        if (c.kind == SheetCurve::Kind::Circle || c.kind == SheetCurve::Kind::Arc) {
            grow(view.min, view.max, {c.centre.x - c.radius, c.centre.y - c.radius});
            grow(view.min, view.max, {c.centre.x + c.radius, c.centre.y + c.radius});
        }
        for (Point2 p : c.points) {
            grow(view.min, view.max, p);
        }
    }
    if (view.curves.empty()) {
        view.min = view.max = {0, 0};
    }
}

SheetView project(const std::string& title, const ViewDefinition& definition,
                  const Projection& projection) {
    SheetView view{definition.name, {}, {}, {}};
    if (definition.scene.empty()) {
        return view;
    }
    try {
        Handle(HLRBRep_Algo) hider = new HLRBRep_Algo();
        hider->Add(compoundOf(definition.scene));
        hider->Projector(
            HLRAlgo_Projector(gp_Ax2(gp::Origin(), projection.towardViewer, projection.right)));
        hider->Update();
        hider->Hide();
        HLRBRep_HLRToShape edges(hider);
        for (const TopoDS_Shape& compound : {edges.VCompound(), edges.OutLineVCompound()}) {
            if (compound.IsNull()) {
                continue;
            }
            for (TopExp_Explorer it(compound, TopAbs_EDGE); it.More(); it.Next()) {
                view.curves.push_back(curveOf(TopoDS::Edge(it.Current())));
            }
        }
    } catch (const Standard_Failure& e) {
        throw com::ComError(com::E_FAIL, title + ": view \"" + definition.name +
                                             "\" cannot be projected (" + e.GetMessageString() +
                                             ")");
    }
    extent(view);
    return view;
}

void shift(SheetView& view, double dx, double dy) {
    auto move = [&](Point2& p) { p = {p.x + dx, p.y + dy}; };
    for (SheetCurve& c : view.curves) {
        move(c.centre);
        std::for_each(c.points.begin(), c.points.end(), move);
    }
    move(view.min);
    move(view.max);
}

}  // namespace

bool Sheet::empty() const {
    return std::all_of(views.begin(), views.end(),
                       [](const SheetView& v) { return v.curves.empty(); });
}

Sheet projectDrawing(const std::string& title, const std::vector<ViewDefinition>& definitions) {
    Sheet sheet{title, {}, {}, {}};
    std::vector<const Projection*> placements;
    for (const ViewDefinition& definition : definitions) {
        const Projection* projection = findProjection(definition.name);
        if (projection == nullptr) {
            throw com::ComError(com::E_INVALIDARG,
                                title + ": view \"" + definition.name +
                                    "\" is not one of Front, Top, Right, Left, Bottom, Back "
                                    "and Isometric");
        }
        sheet.views.push_back(project(title, definition, *projection));
        placements.push_back(projection);
    }
    // Each grid column is as wide as its widest view, each row as tall as its tallest;
    // views sit centred in their cells.
    std::array<double, 4> widths{}, heights{};
    for (std::size_t i = 0; i < sheet.views.size(); ++i) {
        const SheetView& v = sheet.views[i];
        auto& w = widths[static_cast<std::size_t>(placements[i]->column)];
        auto& h = heights[static_cast<std::size_t>(placements[i]->row)];
        w = std::max(w, v.max.x - v.min.x);
        h = std::max(h, v.max.y - v.min.y);
    }
    auto start = [](const std::array<double, 4>& sizes, int index) {
        double at = Margin;
        for (int i = 0; i < index; ++i) {
            at += sizes[static_cast<std::size_t>(i)] +
                  (sizes[static_cast<std::size_t>(i)] > 0 ? Gap : 0);
        }
        return at;
    };
    sheet.min = {0, 0};
    sheet.max = {0, 0};
    for (std::size_t i = 0; i < sheet.views.size(); ++i) {
        SheetView& v = sheet.views[i];
        auto column = placements[i]->column, row = placements[i]->row;
        double cellX = start(widths, column), cellY = start(heights, row);
        double dx = cellX + (widths[static_cast<std::size_t>(column)] - (v.max.x - v.min.x)) / 2;
        double dy = cellY + (heights[static_cast<std::size_t>(row)] - (v.max.y - v.min.y)) / 2;
        shift(v, dx - v.min.x, dy - v.min.y);
        grow(sheet.min, sheet.max, {v.max.x + Margin, v.max.y + Margin});
    }
    return sheet;
}

}  // namespace quenmoor::geometry
