#pragma once

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "platform/com/com_error.h"
#include "tests/support/register_library.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor::bench {

// The main of a benchmark that drives the spreadsheet engine: a scratch folder holds a
// registry of the run's own, so the user's is left alone, with workbook.so registered in
// it; `prepare` gets the folder before the benchmarks run, `report` prints what they
// measured after.
inline int runWithWorkbook(int argc, char** argv,
                           const std::function<void(const std::filesystem::path&)>& prepare = {},
                           const std::function<void()>& report = {}) {
    const testsupport::ScratchFolder folder;
    ::setenv("QUENMOOR_REGISTRY", (folder / "registry.json").c_str(), 1);
    try {
        testsupport::registerLibrary(WORKBOOK_LIBRARY);
        if (prepare) {
            prepare(folder.path());
        }
    } catch (const com::ComError& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.description().c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (report) {
        report();
    }
    benchmark::Shutdown();
    return 0;
}

}  // namespace quenmoor::bench
