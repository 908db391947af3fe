#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace quenmoor::geometry {

struct ShapeData;

// A solid or a compound of solids, shared and never changed once built. The modelling
// kernel stays behind this handle, so that the host's model and its window need none of
// its headers.
class Shape {
public:
    struct Bounds {
        std::array<double, 3> min{};
        std::array<double, 3> max{};
    };

    Shape() = default;
    explicit Shape(std::shared_ptr<const ShapeData> data) : data_(std::move(data)) {}

    bool empty() const;
    double volume() const;  // cubic millimetres
    Bounds bounds() const;
    const ShapeData& data() const { return *data_; }

private:
    std::shared_ptr<const ShapeData> data_;
};

// One feature of a part's tree as the solid builder reads it: the kind says what the
// dimension values mean, in order. Every length is in millimetres.
//   "extrude"  length, width, thickness: a rectangular plate centred on the origin, or a
//              boss standing on the top face when a plate exists already
//   "cut"      length, width: a slot with round ends through the whole part
//   "hole"     diameter: a round hole through the whole part
//   "fillet"   radius: rounds the four corner edges of the plate
// `position` is the centre in the plate's plane (x, y), (0, 0) when left out. Features of
// any other kind (sketches, planes) carry no solid of their own.
struct FeatureDefinition {
    std::string name;
    std::string kind;
    std::vector<double> values;
    std::vector<double> position;
};

// Builds the part's solid, feature by feature. Throws ComError naming the part, the
// feature and what is wrong (a missing or impossible dimension). A part without a solid
// feature gives an empty shape. The same tree gives the same shape, built once.
Shape buildPart(const std::string& title, const std::vector<FeatureDefinition>& features);

// The shape moved by `offset` (mm) after turning it by `degrees` about the z axis.
Shape placed(const Shape& shape, const std::array<double, 3>& offset, double degrees);

// A body to show or export: a solid with the nine appearance values of its document or
// component (red, green, blue, ambient, diffuse, specular, shininess, transparency,
// emission, each 0 to 1).
struct Body {
    std::string name;
    Shape shape;
    std::vector<double> appearance;
};

// What a part or an assembly exports: its bodies, already placed.
struct Scene {
    std::string title;
    std::vector<Body> bodies;

    bool empty() const;
};

}  // namespace quenmoor::geometry
