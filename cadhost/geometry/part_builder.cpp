#include <BRepAdaptor_Curve.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepFilletAPI_MakeFillet.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRep_Builder.hxx>
#include <Bnd_Box.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GC_MakeSegment.hxx>
#include <GProp_GProps.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "cadhost/geometry/shape_data.h"
#include "platform/com/com_error.h"
#include "platform/com/text_case.h"

namespace quenmoor::geometry {

namespace {

// How far a through-cut reaches past the part, so that its faces never coincide with
// the part's own.
constexpr double Overreach = 1.0;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

class PartBuilder {
public:
    explicit PartBuilder(const std::string& title) : title_(title) {}

    void add(const FeatureDefinition& feature) {
        feature_ = &feature;
        try {
            if (equals(feature.kind, "extrude")) {
                extrude();
            } else if (equals(feature.kind, "cut")) {
                cut();
            } else if (equals(feature.kind, "hole")) {
                hole();
            } else if (equals(feature.kind, "fillet")) {
                fillet();
            }
        } catch (const Standard_Failure& e) {
            fail(std::string("the modelling kernel refused it (") + e.GetMessageString() + ")");
        }
        if (!solid_.IsNull() && !BRepCheck_Analyzer(solid_).IsValid()) {
            fail("the result is not a valid solid");
        }
    }

    Shape result() const { return solid_.IsNull() ? Shape() : makeShape(solid_); }

private:
    static bool equals(const std::string& kind, const char* word) {
        return com::equalsIgnoringCase(kind, word);
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw com::ComError(com::E_INVALIDARG,
                            title_ + ": feature \"" + feature_->name + "\": " + what);
    }

    // The n-th dimension (from 0), which must exist and be positive.
    double length(std::size_t n, const char* meaning) const {
        if (n >= feature_->values.size()) {
            fail("needs a " + std::string(meaning) + " as dimension " + std::to_string(n + 1));
        }
        double value = feature_->values[n];
        if (!(value > 0) || !std::isfinite(value)) {
            fail("its " + std::string(meaning) + " must be above 0, not " + number(value));
        }
        return value;
    }

    gp_Pnt2d centre() const {
        const auto& p = feature_->position;
        if (!p.empty() && (p.size() != 2 || !std::isfinite(p[0]) || !std::isfinite(p[1]))) {
            fail("a position is two numbers, x and y");
        }
        return p.empty() ? gp_Pnt2d(0, 0) : gp_Pnt2d(p[0], p[1]);
    }

    void requireSolid() const {
        if (solid_.IsNull()) {
            fail("there is no solid to work on yet; the tree must start with an extrude");
        }
    }

    double top() const {
        Bnd_Box box;
        BRepBndLib::AddOptimal(solid_, box, false, false);
        return box.CornerMax().Z();
    }

    void extrude() {
        double x = length(0, "length"), y = length(1, "width"), z = length(2, "thickness");
        gp_Pnt2d c = centre();
        double base = solid_.IsNull() ? 0.0 : top();
        TopoDS_Shape block =
            BRepPrimAPI_MakeBox(gp_Pnt(c.X() - x / 2, c.Y() - y / 2, base), x, y, z).Shape();
        if (solid_.IsNull()) {
            solid_ = block;
            plate_ = {x, y, z};
            plateCentre_ = c;
            return;
        }
        BRepAlgoAPI_Fuse fuse(solid_, block);
        if (!fuse.IsDone()) {
            fail("the boss cannot be joined to the part");
        }
        solid_ = fuse.Shape();
    }

    void subtract(const TopoDS_Shape& tool, const std::string& what) {
        double before = volumeOf(solid_);
        BRepAlgoAPI_Cut cut(solid_, tool);
        if (!cut.IsDone()) {
            fail("the " + what + " cannot be cut from the part");
        }
        TopoDS_Shape result = cut.Shape();
        const double after = volumeOf(result);
        if (std::abs(after - before) < 1e-9 * before) {
            fail("the " + what + " at (" + number(centre().X()) + ", " + number(centre().Y()) +
                 ") misses the part");
        }
        if (after < 1e-9 * before) {
            fail("the " + what + " removes the whole part");
        }
        solid_ = result;
    }

    void cut() {
        requireSolid();
        double l = length(0, "length"), w = length(1, "width");
        if (l < w) {
            fail("a slot's length (" + number(l) + ") must be at least its width (" + number(w) +
                 ")");
        }
        gp_Pnt2d c = centre();
        double r = w / 2, half = l / 2 - r, z0 = -Overreach, depth = top() + 2 * Overreach;
        auto at = [&](double x, double y) { return gp_Pnt(c.X() + x, c.Y() + y, z0); };
        BRepBuilderAPI_MakeWire wire;
        if (half > 0) {
            wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeSegment(at(-half, -r), at(half, -r)).Value()));
            wire.Add(BRepBuilderAPI_MakeEdge(
                GC_MakeArcOfCircle(at(half, -r), at(half + r, 0), at(half, r)).Value()));
            wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeSegment(at(half, r), at(-half, r)).Value()));
            wire.Add(BRepBuilderAPI_MakeEdge(
                GC_MakeArcOfCircle(at(-half, r), at(-half - r, 0), at(-half, -r)).Value()));
        } else {
            gp_Circ circle(gp_Ax2(at(0, 0), gp::DZ()), r);
            wire.Add(BRepBuilderAPI_MakeEdge(circle));
        }
        TopoDS_Face face = BRepBuilderAPI_MakeFace(wire.Wire());
        subtract(BRepPrimAPI_MakePrism(face, gp_Vec(0, 0, depth)).Shape(), "slot");
    }

    void hole() {
        requireSolid();
        double d = length(0, "diameter");
        gp_Pnt2d c = centre();
        gp_Ax2 axis(gp_Pnt(c.X(), c.Y(), -Overreach), gp::DZ());
        subtract(BRepPrimAPI_MakeCylinder(axis, d / 2, top() + 2 * Overreach).Shape(), "hole");
    }

    void fillet() {
        requireSolid();
        double r = length(0, "radius");
        double limit = std::min(plate_[0], plate_[1]) / 2;
        if (r >= limit) {
            fail("a radius of " + number(r) +
                 " does not fit the plate's corners (it must be below " + number(limit) + ")");
        }
        BRepFilletAPI_MakeFillet rounding(solid_);
        int corners = 0;
        for (TopExp_Explorer it(solid_, TopAbs_EDGE); it.More(); it.Next()) {
            const TopoDS_Edge& edge = TopoDS::Edge(it.Current());
            BRepAdaptor_Curve curve(edge);
            if (curve.GetType() != GeomAbs_Line ||
                !curve.Line().Direction().IsParallel(gp::DZ(), 1e-9)) {
                continue;
            }
            gp_Pnt p = curve.Value(curve.FirstParameter());
            double dx = std::abs(p.X() - plateCentre_.X()) - plate_[0] / 2;
            double dy = std::abs(p.Y() - plateCentre_.Y()) - plate_[1] / 2;
            if (std::abs(dx) < 1e-7 && std::abs(dy) < 1e-7 && p.Z() < plate_[2]) {
                rounding.Add(r, edge);
                ++corners;
            }
        }
        if (corners == 0) {
            fail("the plate has no square corner left to round");
        }
        rounding.Build();
        if (!rounding.IsDone()) {
            fail("a radius of " + number(r) + " cannot round the plate's corners");
        }
        solid_ = rounding.Shape();
    }

    static double volumeOf(const TopoDS_Shape& shape) {
        GProp_GProps props;
        BRepGProp::VolumeProperties(shape, props);
        return props.Mass();
    }

    const std::string& title_;
    const FeatureDefinition* feature_ = nullptr;
    TopoDS_Shape solid_;
    std::array<double, 3> plate_{};
    gp_Pnt2d plateCentre_;
};

}  // namespace

bool Shape::empty() const {
    return !data_ || data_->shape.IsNull();
}

double Shape::volume() const {
    if (empty()) {
        return 0.0;
    }
    GProp_GProps props;
    BRepGProp::VolumeProperties(data_->shape, props);
    return props.Mass();
}

Shape::Bounds Shape::bounds() const {
    Bounds bounds;
    if (empty()) {
        return bounds;
    }
    Bnd_Box box;
    BRepBndLib::AddOptimal(data_->shape, box, false, false);
    gp_Pnt low = box.CornerMin(), high = box.CornerMax();
    bounds.min = {low.X(), low.Y(), low.Z()};
    bounds.max = {high.X(), high.Y(), high.Z()};
    return bounds;
}

bool Scene::empty() const {
    return std::all_of(bodies.begin(), bodies.end(), [](const Body& b) { return b.shape.empty(); });
}

Shape buildPart(const std::string& title, const std::vector<FeatureDefinition>& features) {
    // The window redraws often and an assembly repeats its parts; the solids of the last
    // few feature trees are kept, with their meshes, by what shapes them: kinds, values and
    // positions, not names.
    constexpr std::size_t Kept = 16;
    static std::vector<std::pair<std::string, Shape>> recent;
    std::string key;
    auto append = [&key](const std::vector<double>& numbers) {
        key.append(reinterpret_cast<const char*>(numbers.data()), numbers.size() * sizeof(double));
        key += '\n';
    };
    for (const FeatureDefinition& feature : features) {
        key += feature.kind + '\n';
        append(feature.values);
        append(feature.position);
    }
    for (const auto& [known, shape] : recent) {
        if (known == key) {
            return shape;
        }
    }
    PartBuilder builder(title);
    for (const FeatureDefinition& feature : features) {
        builder.add(feature);
    }
    Shape shape = builder.result();
    if (recent.size() == Kept) {
        recent.erase(recent.begin());
    }
    recent.emplace_back(std::move(key), shape);
    return shape;
}

Shape placed(const Shape& shape, const std::array<double, 3>& offset, double degrees) {
    if (shape.empty()) {
        return shape;
    }
    gp_Trsf turn, move;
    turn.SetRotation(gp::OZ(), degrees * std::numbers::pi / 180.0);
    move.SetTranslation(gp_Vec(offset[0], offset[1], offset[2]));
    // A located copy shares the part's geometry, as an assembly's instances do.
    return makeShape(shape.data().shape.Moved(TopLoc_Location(move * turn)));
}

TopoDS_Shape compoundOf(const Scene& scene) {
    TopoDS_Compound compound;
    BRep_Builder builder;
    builder.MakeCompound(compound);
    for (const Body& body : scene.bodies) {
        if (!body.shape.empty()) {
            builder.Add(compound, body.shape.data().shape);
        }
    }
    return compound;
}

}  // namespace quenmoor::geometry
