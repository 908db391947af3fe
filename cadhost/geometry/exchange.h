#pragma once

#include <filesystem>

#include "cadhost/geometry/drawing.h"
#include "cadhost/geometry/shape.h"

namespace quenmoor::geometry {

// What steers the writers; the host sets these from its user preferences.
struct ExportOptions {
    bool binaryStl = true;
    double chordTolerance = 0.05;  // mm: how far an STL facet may stray from the surface
    double angleTolerance = 0.35;  // radians between neighbouring STL facets on a curve
    int pictureWidth = 1600;       // pixels of a shaded TIFF picture
    int pictureHeight = 1200;
};

// Writes a part or an assembly in the format its file name's extension names: ".step" or
// ".stp" (STEP AP214), ".igs" or ".iges" (IGES), ".stl" (STL), ".tif" or ".tiff" (a shaded
// picture). Writes a drawing's sheet as ".dxf" (its views' outlines) or ".tif".
//
// A write goes to a temporary file in the target's folder that is renamed over the target
// once complete, so the folder never holds a partial file. Throws ComError naming the file
// and the reason when the format has no writer, the model is empty, or writing fails.
void exportScene(const Scene& scene, const std::filesystem::path& path,
                 const ExportOptions& options);
void exportSheet(const Sheet& sheet, const std::filesystem::path& path,
                 const ExportOptions& options);

}  // namespace quenmoor::geometry
