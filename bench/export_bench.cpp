// The host's geometry on the example part: building the solid from its feature tree,
// drawing the shaded picture at the TIFF writer's size and at a window's size, projecting
// the drawing's views, and writing each exchange format.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "cadhost/geometry/render.h"
#include "cadhost/model/document_geometry.h"
#include "cadhost/model/host_model.h"

namespace {

using namespace quenmoor;
namespace fs = std::filesystem;

struct Example {
    cadhost::HostModel host;
    cadhost::Document& part = host.openDocument(fs::path(QUENMOOR_EXAMPLES) / "bracket.json");
    cadhost::Document& drawing =
        host.openDocument(fs::path(QUENMOOR_EXAMPLES) / "bracket-drawing.json");
    cadhost::DocumentSource source = host.documentSource();
};

void buildPart(benchmark::State& state) {
    Example example;
    // A new length each time, so that no solid is taken from those already built.
    cadhost::Dimension& length = *example.part.features()[0]->dimensions()[0];
    double value = 120;
    for (auto _ : state) {
        value += 1e-6;
        length.setValue(value);
        benchmark::DoNotOptimize(cadhost::partShape(example.part));
    }
}
BENCHMARK(buildPart)->Unit(benchmark::kMillisecond);

void renderPart(benchmark::State& state) {
    Example example;
    geometry::Scene scene = cadhost::sceneOf(example.part, example.source);
    const int width = static_cast<int>(state.range(0)), height = width * 3 / 4;
    for (auto _ : state) {
        benchmark::DoNotOptimize(geometry::renderScene(scene, width, height));
    }
}
BENCHMARK(renderPart)->Arg(800)->Arg(1600)->Unit(benchmark::kMillisecond);

void projectDrawing(benchmark::State& state) {
    Example example;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cadhost::sheetOf(example.drawing, example.source));
    }
}
BENCHMARK(projectDrawing)->Unit(benchmark::kMillisecond);

void exportFormat(benchmark::State& state, const char* extension) {
    Example example;
    std::string folder = (fs::temp_directory_path() / "export_bench.XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("cannot make a scratch folder");
        return;
    }
    cadhost::Document& document = std::string(extension) == ".dxf" ? example.drawing : example.part;
    const std::string file = folder + "/out" + extension;
    for (auto _ : state) {
        if (example.host.saveAs(document, file) != 0) {
            state.SkipWithError(example.host.saveFailures().back().c_str());
            break;
        }
    }
    fs::remove_all(folder);
}
BENCHMARK_CAPTURE(exportFormat, step, ".step")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportFormat, iges, ".igs")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportFormat, stl, ".stl")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportFormat, tiff, ".tif")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportFormat, dxf, ".dxf")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
