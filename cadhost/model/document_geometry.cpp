#include "cadhost/model/document_geometry.h"

#include <algorithm>

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

namespace {

// The gap between components that the assembly does not place itself, mm.
constexpr double ComponentGap = 20.0;

std::shared_ptr<Document> referenced(const Document& from, const std::string& reference,
                                     const DocumentSource& source, const std::string& what) {
    if (reference.empty()) {
        throw com::ComError(com::E_INVALIDARG, from.title() + ": " + what + " names no document");
    }
    std::filesystem::path path(reference);
    if (path.is_relative() && !from.path().empty()) {
        path = from.path().parent_path() / path;
    }
    try {
        return source(path);
    } catch (const com::ComError& e) {
        throw com::ComError(e.code(), from.title() + ": " + what + ": " + e.description());
    }
}

}  // namespace

geometry::Shape partShape(const Document& part) {
    std::vector<geometry::FeatureDefinition> features;
    for (const auto& feature : part.features()) {
        geometry::FeatureDefinition definition{
            feature->name(), feature->kind(), {}, feature->position()};
        for (const auto& dimension : feature->dimensions()) {
            definition.values.push_back(dimension->value());
        }
        features.push_back(std::move(definition));
    }
    return geometry::buildPart(part.title(), features);
}

geometry::Scene sceneOf(const Document& document, const DocumentSource& source) {
    geometry::Scene scene{document.title(), {}};
    if (document.type() == host::DocumentPart) {
        scene.bodies.push_back({document.title(), partShape(document), document.materialValues()});
        return scene;
    }
    if (document.type() != host::DocumentAssembly) {
        throw com::ComError(com::E_INVALIDARG,
                            document.title() + ": a drawing has no solid of its own");
    }
    double nextX = 0;  // where the next unplaced component starts
    for (const auto& component : document.components()) {
        const std::string what = "component \"" + component->name() + "\"";
        std::shared_ptr<Document> part = referenced(document, component->partPath(), source, what);
        if (part->type() != host::DocumentPart) {
            throw com::ComError(com::E_INVALIDARG,
                                document.title() + ": " + what + " is not a part");
        }
        geometry::Shape shape = partShape(*part);
        const auto& p = component->placement();
        if (!p.empty()) {
            shape = geometry::placed(shape, {p[0], p[1], p[2]}, p.size() > 3 ? p[3] : 0.0);
        } else if (!shape.empty()) {
            geometry::Shape::Bounds b = shape.bounds();
            shape = geometry::placed(shape, {nextX - b.min[0], 0, 0}, 0);
            nextX += b.max[0] - b.min[0] + ComponentGap;
        }
        scene.bodies.push_back({component->name(), shape, component->values()});
    }
    return scene;
}

geometry::Sheet sheetOf(const Document& drawing, const DocumentSource& source) {
    std::vector<geometry::ViewDefinition> views;
    for (const auto& view : drawing.views()) {
        std::shared_ptr<Document> shown =
            referenced(drawing, view.source, source, "view \"" + view.name + "\"");
        views.push_back({view.name, sceneOf(*shown, source)});
    }
    return geometry::projectDrawing(drawing.title(), views);
}

geometry::ExportOptions exportOptions(const std::map<std::int32_t, std::int32_t>& integers,
                                      const std::map<std::int32_t, double>& doubles) {
    geometry::ExportOptions options;
    if (auto it = integers.find(host::PreferenceStlBinary); it != integers.end()) {
        options.binaryStl = it->second != 0;
    }
    // A tolerance must be positive to mean anything; others keep the default.
    if (auto it = doubles.find(host::PreferenceStlChordTolerance);
        it != doubles.end() && it->second > 0) {
        options.chordTolerance = it->second;
    }
    if (auto it = doubles.find(host::PreferenceStlAngleTolerance);
        it != doubles.end() && it->second > 0) {
        options.angleTolerance = it->second;
    }
    return options;
}

void exportDocument(const Document& document, const std::filesystem::path& path,
                    const DocumentSource& source, const geometry::ExportOptions& options) {
    if (document.type() == host::DocumentDrawing) {
        geometry::exportSheet(sheetOf(document, source), path, options);
    } else {
        geometry::exportScene(sceneOf(document, source), path, options);
    }
}

}  // namespace quenmoor::cadhost
