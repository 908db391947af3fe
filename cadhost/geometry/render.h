#pragma once

#include <cstdint>
#include <vector>

#include "cadhost/geometry/drawing.h"
#include "cadhost/geometry/shape.h"

namespace quenmoor::geometry {

// An 8-bit RGB picture, rows from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    std::uint8_t* pixel(int x, int y) {
        return rgb.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                             static_cast<std::size_t>(x)) *
                                3;
    }
};

// A shaded picture of the scene, seen from the front, right and above, fitted to the
// picture: each body in its appearance colour with its edges drawn dark, on the host's
// graded background. Renders in software; no graphics device is needed.
Image renderScene(const Scene& scene, int width, int height);

// The sheet's views as black lines on white, fitted to the picture.
Image renderSheet(const Sheet& sheet, int width, int height);

}  // namespace quenmoor::geometry
