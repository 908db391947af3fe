// Dimension numbering on a large part: 10,000 features with 10 dimensions each. The working
// lists grow with every run, so the tenth run filters ten times the names of the first.
// Each run numbers a fresh part: a second run over the same part would collect numbers
// past 32767 and fail with an overflow, as the 16-bit limits require.

#include <benchmark/benchmark.h>

#include "cadhost/automation/host_application.h"
#include "quenmoortools/dimensions/dimension_numbering.h"

namespace {

using namespace quenmoor;

cadhost::Document& largePart(cadhost::HostApplication& app) {
    cadhost::Document& part = app.model().newDocument(host::DocumentPart, "large");
    for (int f = 0; f < 10000; ++f) {
        cadhost::Feature& feature = part.addFeature("Feature" + std::to_string(f), "extrude");
        for (int d = 0; d < 10; ++d) {
            feature.addDimension("D" + std::to_string(d), 10);
        }
    }
    return part;
}

// Runs `earlierRuns` numberings first (not timed), then times one more.
void numberLargePart(benchmark::State& state) {
    const int earlierRuns = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        dimensions::workingLists() = {};
        auto app = cadhost::HostApplication::create();
        app->journal()->setRecording(false);
        toolkit::Int16Counter counter;
        for (int run = 0; run < earlierRuns; ++run) {
            dimensions::numberDimensions(*app->documentObject(largePart(*app)), counter);
        }
        auto part = app->documentObject(largePart(*app));
        state.ResumeTiming();
        dimensions::numberDimensions(*part, counter);
    }
}
BENCHMARK(numberLargePart)
    ->Arg(0)
    ->Name("NumberDims/first run")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(numberLargePart)
    ->Arg(9)
    ->Name("NumberDims/tenth run")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
