// The spreadsheet application as the add-in uses it: workbook.so created through the
// registry and the loader, lists read cell by cell by name through late binding; and, where
// soffice and python3-uno are installed, LibreOffice doing the same work through its own
// automation interface (libreoffice_read.py), once cell by cell and once in bulk.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "bench/bench_main.h"
#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/activation.h"
#include "quenmoortools/toolkit/spreadsheet_calls.h"
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
        quenmoor::com::createInstance<IDispatch>(quenmoor::spreadsheet::SpreadsheetGlobalClass);
    return global;
}

// Reads a list as the add-in does: row 1, then rows until the first empty cell, each by
// Cells(row, 1).Value through the add-in's own cell reader.
std::size_t readList(const ComPtr<IDispatch>& global, const std::string& sheet) {
    call(call(global, "Worksheets", sheet).toObject(), "Activate");
    quenmoor::toolkit::CellReader cell(global);
    const Variant empty("");
    std::size_t entries = 1;
    benchmark::DoNotOptimize(cell(1, 1));
    for (std::int32_t row = 2;; ++row) {
        if (cell(row, 1) == empty) {
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

// Seconds per iteration of the last run of a benchmark, for the comparison with LibreOffice.
std::optional<double> oursCellByCell;
std::optional<double> oursDefaultOptions;
std::optional<double> oursChangeAndSave;

template <class Body>
void timed(benchmark::State& state, std::optional<double>& seconds, Body&& body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        body();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    seconds = elapsed.count() / static_cast<double>(state.iterations());
}

void largestOptionsCellByCell(benchmark::State& state) {
    timed(state, oursCellByCell,
          [] { benchmark::DoNotOptimize(openReadClose(largestFile, 7, false)); });
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
    timed(state, oursChangeAndSave,
          [] { benchmark::DoNotOptimize(openReadClose(largestFile, 7, true)); });
}
BENCHMARK(largestOptionsChangeOneCellAndSave)->Unit(benchmark::kMillisecond);

void defaultOptionsCellByCell(benchmark::State& state) {
    timed(state, oursDefaultOptions,
          [] { benchmark::DoNotOptimize(openReadClose(DEFAULT_OPTIONS, 9, false)); });
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

// Memory to open the largest workbook, measured once in a child process of its own, so
// that no earlier allocation of the benchmark hides or adds to it: the high-water mark of
// resident memory above what the process held before, and what the heap still holds for
// the open workbook.
struct OpenMemory {
    double peakBytes = 0;
    double heldBytes = 0;
};
std::optional<OpenMemory> openMemory;

double residentKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(std::string(field).size()));
        }
    }
    return 0;
}

void measureOpenMemory() {
    int fds[2];
    if (::pipe(fds) != 0) {
        return;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        const ComPtr<IDispatch> workbooks = call(globalObject(), "Workbooks").toObject();
        std::ofstream("/proc/self/clear_refs") << "5";  // the high-water mark starts here
        const double before = residentKilobytes("VmRSS:");
        const struct mallinfo2 heapBefore = ::mallinfo2();
        call(workbooks, "Open", largestFile.string());
        const struct mallinfo2 heapOpen = ::mallinfo2();
        const OpenMemory measured{(residentKilobytes("VmHWM:") - before) * 1024,
                                  static_cast<double>((heapOpen.uordblks + heapOpen.hblkhd) -
                                                      (heapBefore.uordblks + heapBefore.hblkhd))};
        const bool written = ::write(fds[1], &measured, sizeof measured) == sizeof measured;
        ::_exit(written ? 0 : 1);
    }
    ::close(fds[1]);
    OpenMemory measured;
    if (child > 0 && ::read(fds[0], &measured, sizeof measured) == sizeof measured) {
        openMemory = measured;
    }
    ::close(fds[0]);
    if (child > 0) {
        ::waitpid(child, nullptr, 0);
    }
}

// LibreOffice's times for the largest workbook, from one run of libreoffice_read.py, or why
// there are none.
struct LibreOfficeTimes {
    nlohmann::json times;
    std::string missing;
};

std::optional<LibreOfficeTimes> libreOffice;

const LibreOfficeTimes& libreOfficeTimes() {
    if (!libreOffice) {
        LibreOfficeTimes& result = libreOffice.emplace();
        if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
            result.missing = "soffice is not installed (libreoffice-calc-nogui)";
            return result;
        }
        const std::string command = "/usr/bin/python3 " LIBREOFFICE_READ_SCRIPT " '" +
                                    largestFile.string() + "' --sample 500";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
        std::string out;
        char buffer[4096];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) {
            out += buffer;
        }
        result.times = nlohmann::json::parse(out, nullptr, false);
        if (result.times.is_discarded() || !result.times.is_object()) {
            result.missing = "libreoffice_read.py failed (is python3-uno installed?)";
        }
    }
    return *libreOffice;
}

// Reports LibreOffice's seconds for the work of one benchmark, measured once, and how many
// times faster ours is.
void reportLibreOffice(benchmark::State& state, const char* phase,
                       const std::optional<double>& ours) {
    const LibreOfficeTimes& lo = libreOfficeTimes();
    if (!lo.missing.empty()) {
        state.SkipWithError(lo.missing.c_str());
        return;
    }
    const double seconds = phase == nullptr ? lo.times["startup_s"].get<double>()
                                            : lo.times[phase]["total_s"].get<double>();
    for (auto _ : state) {
        state.SetIterationTime(seconds);
    }
    if (ours) {
        state.counters["ours_faster"] = seconds / *ours;
    }
}

void libreOfficeStartUp(benchmark::State& state) {
    reportLibreOffice(state, nullptr, std::nullopt);
}
BENCHMARK(libreOfficeStartUp)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Load, the cells of a sample of rows scaled up to all the add-in reads, close.
void libreOfficeCellByCell(benchmark::State& state) {
    reportLibreOffice(state, "cell_by_cell", oursCellByCell);
}
BENCHMARK(libreOfficeCellByCell)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Load, getDataArray of column A's used range of each sheet, close.
void libreOfficeBulk(benchmark::State& state) {
    reportLibreOffice(state, "bulk", oursCellByCell);
}
BENCHMARK(libreOfficeBulk)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The comparison in words, on standard error so that a JSON report stays clean.
void printSummary() {
    if (oursDefaultOptions) {
        std::fprintf(stderr,
                     "default Options.xls open, read, close: %.1f us (target: under 50 us)\n",
                     *oursDefaultOptions * 1e6);
    }
    if (oursChangeAndSave) {
        std::fprintf(stderr,
                     "largest options workbook, one cell changed and saved: %.1f ms "
                     "(target: at most 50 ms)\n",
                     *oursChangeAndSave * 1e3);
    }
    if (openMemory) {
        const double fileBytes = static_cast<double>(fs::file_size(largestFile));
        std::fprintf(stderr,
                     "largest options workbook open: peak %.1f MB, %.2fx the file's %.1f MB "
                     "(target: at most 2x); %.1f MB held while open\n",
                     openMemory->peakBytes / 1e6, openMemory->peakBytes / fileBytes,
                     fileBytes / 1e6, openMemory->heldBytes / 1e6);
    }
    if (oursCellByCell) {
        std::fprintf(stderr,
                     "largest options workbook, column A of every sheet cell by cell, open to "
                     "close: %.1f ms (target: at most 15 ms)\n",
                     *oursCellByCell * 1e3);
    }
    if (!oursCellByCell || !libreOffice || !libreOffice->missing.empty()) {
        return;
    }
    const LibreOfficeTimes& lo = *libreOffice;
    const double cells = lo.times["cell_by_cell"]["total_s"].get<double>();
    const double bulk = lo.times["bulk"]["total_s"].get<double>();
    std::fprintf(
        stderr,
        "largest options workbook, column A of every sheet, open to close:\n"
        "  ours, cell by cell:               %10.1f ms\n"
        "  LibreOffice, cell by cell:        %10.1f ms (%d of %d cells read, scaled)\n"
        "  LibreOffice, bulk getDataArray:   %10.1f ms\n"
        "  LibreOffice start-up (excluded):  %10.1f ms\n"
        "  ours faster than cell by cell: %.0fx (target 5000x); than bulk: %.1fx "
        "(target 30x)\n",
        *oursCellByCell * 1e3, cells * 1e3, lo.times["cell_by_cell"]["sampled_cells"].get<int>(),
        lo.times["cell_by_cell"]["cells"].get<int>(), bulk * 1e3,
        lo.times["startup_s"].get<double>() * 1e3, cells / *oursCellByCell, bulk / *oursCellByCell);
}

}  // namespace

int main(int argc, char** argv) {
    return quenmoor::bench::runWithWorkbook(
        argc, argv,
        [](const fs::path& folder) {
            largestFile = folder / "Options.xls";
            quenmoor::workbook::writeXls(largestOptions(), largestFile);
            // Everything but the workbook itself loaded and made once, before memory is
            // measured.
            call(call(globalObject(), "Workbooks").toObject(), "Open",
                 std::string(DEFAULT_OPTIONS));
            call(call(globalObject(), "Workbooks").toObject(), "Close");
            measureOpenMemory();
        },
        printSummary);
}
