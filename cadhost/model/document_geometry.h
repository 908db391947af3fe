#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "cadhost/geometry/drawing.h"
#include "cadhost/geometry/exchange.h"
#include "cadhost/geometry/shape.h"
#include "cadhost/model/document.h"

namespace quenmoor::cadhost {

// Finds the document that an assembly's component or a drawing's view refers to, by a
// path relative to the referring document's folder. Throws ComError naming the file.
using DocumentSource = std::function<std::shared_ptr<Document>(const std::filesystem::path&)>;

// The geometry of the host's documents, built from their feature trees as they stand: a
// dimension's value shapes the solid, its name does not. Each throws ComError naming the
// document and the feature, component or view that cannot be built.
geometry::Shape partShape(const Document& part);
geometry::Scene sceneOf(const Document& document, const DocumentSource& source);
geometry::Sheet sheetOf(const Document& drawing, const DocumentSource& source);

// The writers' settings from the host's user preferences, as the export package sets them:
// integer 6 selects binary (1) or text (0) STL; double 8 is the STL chord tolerance and
// double 9 its angle tolerance in radians. Other preferences are kept but steer nothing.
geometry::ExportOptions exportOptions(const std::map<std::int32_t, std::int32_t>& integers,
                                      const std::map<std::int32_t, double>& doubles);

// Writes the document as a STEP, IGES, STL, TIFF or DXF file by the path's extension.
void exportDocument(const Document& document, const std::filesystem::path& path,
                    const DocumentSource& source, const geometry::ExportOptions& options);

}  // namespace quenmoor::cadhost
