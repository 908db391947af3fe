// The spreadsheet application as the add-in uses it: workbook.so created through the
// registry and the loader, lists read cell by cell by name through late binding.

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/com/activation.h"
#include "platform/com/server_module.h"
#include "quenmoortools/host/spreadsheet.h"
#include "workbook/xls/xls_file.h"

namespace {

namespace fs = std::filesystem;
using quenmoor::com::call;
using quenmoor::com::ComPtr;
using quenmoor::com::IDispatch;
using quenmoor::com::Variant;
using quenmoor::workbook::WorkbookData;

constexpr int kListRows = 32766;

// A properties sheet and seven lists of 32766 rows each, the largest options workbook in use.
WorkbookData largestOptions() {
    WorkbookData workbook;
    auto& properties = workbook.addSheet("properties");
    for (int row = 1; row <= 9; ++row) {
        properties.set(row, 1, "property " + std::to_string(row));
    }
    for (int list = 1; list <= 7; ++list) {
        auto& sheet = workbook.addSheet("list" + std::to_string(list));
        for (int row = 1; row <= kListRows; ++row) {
            sheet.set(row, 1, "M" + std::to_string(row % 97) + "x1.5 item " + std::to_string(row));
        }
    }
    return workbook;
}

ComPtr<IDispatch> globalObject() {
    static ComPtr<IDispatch> global =
        quenmoor::com::createInstance<IDispatch>(quenmoor::host::SpreadsheetGlobalClass);
    return global;
}

// Reads a list as the add-in does: row 1, then rows until the first empty cell.
std::size_t readList(const ComPtr<IDispatch>& global, const std::string& sheet) {
    call(call(global, "Worksheets", sheet).toObject(), "Activate");
    std::size_t entries = 1;
    benchmark::DoNotOptimize(call(call(global, "Cells", 1, 1).toObject(), "Value"));
    for (std::int32_t row = 2;; ++row) {
        Variant value = call(call(global, "Cells", row, 1).toObject(), "Value");
        if (value == Variant("")) {
            return entries;
        }
        ++entries;
    }
}

std::size_t openReadClose(const fs::path& file, int lists, bool change) {
    const ComPtr<IDispatch> global = globalObject();
    const ComPtr<IDispatch> workbooks = call(global, "Workbooks").toObject();
    call(workbooks, "Open", file.string());
    std::size_t entries = readList(global, "properties");
    for (int list = 1; list <= lists; ++list) {
        entries += readList(global, "list" + std::to_string(list));
    }
    if (change) {
        static bool flip = false;
        flip = !flip;
        ComPtr<IDispatch> cell = call(global, "Cells", 2, 1).toObject();
        quenmoor::com::putProperty(cell, "Value", flip ? "changed" : "changed again");
        call(call(global, "ActiveWorkbook").toObject(), "Save");
    }
    call(workbooks, "Close");
    return entries;
}

fs::path largestFile;

void largestOptionsCellByCell(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(openReadClose(largestFile, 7, false));
    }
    state.counters["cells"] = 9 + 7 * (kListRows + 1);
}
BENCHMARK(largestOptionsCellByCell)->Unit(benchmark::kMillisecond);

// Opening and closing alone: what reading the file costs, apart from the cell reads.
void largestOptionsOpenClose(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(openReadClose(largestFile, 0, false));
    }
}
BENCHMARK(largestOptionsOpenClose)->Unit(benchmark::kMillisecond);

void largestOptionsChangeOneCellAndSave(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(openReadClose(largestFile, 7, true));
    }
}
BENCHMARK(largestOptionsChangeOneCellAndSave)->Unit(benchmark::kMillisecond);

void defaultOptionsCellByCell(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(openReadClose(DEFAULT_OPTIONS, 9, false));
    }
}
BENCHMARK(defaultOptionsCellByCell)->Unit(benchmark::kMicrosecond);

// One Cells(row, 1).Value read by name on an open workbook: the add-in's inner loop.
void oneCellByName(benchmark::State& state) {
    const ComPtr<IDispatch> global = globalObject();
    const ComPtr<IDispatch> workbooks = call(global, "Workbooks").toObject();
    call(workbooks, "Open", largestFile.string());
    call(call(global, "Worksheets", "list1").toObject(), "Activate");
    std::int32_t row = 0;
    for (auto _ : state) {
        row = row % kListRows + 1;
        benchmark::DoNotOptimize(call(call(global, "Cells", row, 1).toObject(), "Value"));
    }
    call(workbooks, "Close");
}
BENCHMARK(oneCellByName);

}  // namespace

// Registers workbook.so in a registry file of the benchmark's own, so that the user's
// registry is left alone.
int main(int argc, char** argv) {
    const fs::path folder =
        fs::temp_directory_path() / ("workbook_bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    ::setenv("QUENMOOR_REGISTRY", (folder / "registry.json").c_str(), 1);
    void* library = ::dlopen(WORKBOOK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    auto registerServer = library != nullptr
                              ? reinterpret_cast<quenmoor::com::DllRegisterServerFunction>(
                                    ::dlsym(library, "DllRegisterServer"))
                              : nullptr;
    if (registerServer == nullptr || registerServer() != quenmoor::com::S_OK) {
        std::fprintf(stderr, "workbook_bench: cannot register %s\n", WORKBOOK_LIBRARY);
        return 1;
    }
    largestFile = folder / "Options.xls";
    quenmoor::workbook::writeXls(largestOptions(), largestFile);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return 0;
}
