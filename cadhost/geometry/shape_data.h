#pragma once

#include <TopoDS_Shape.hxx>

#include "cadhost/geometry/shape.h"

namespace quenmoor::geometry {

// What a Shape holds; only the geometry library and its tests look inside.
struct ShapeData {
    TopoDS_Shape shape;
};

inline Shape makeShape(TopoDS_Shape shape) {
    return Shape(std::make_shared<const ShapeData>(ShapeData{std::move(shape)}));
}

// The bodies of a scene as one compound, each in its place.
TopoDS_Shape compoundOf(const Scene& scene);

}  // namespace quenmoor::geometry
