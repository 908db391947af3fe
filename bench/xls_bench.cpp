#include <benchmark/benchmark.h>
#include <freexl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "workbook/xls/xls_file.h"

namespace {

using quenmoor::workbook::readXls;
using quenmoor::workbook::WorkbookData;
using quenmoor::workbook::writeXls;

// A properties sheet and seven lists of 32766 text rows, the largest options workbook in
// use: most rows distinct, some repeated, a few beyond Latin-1.
WorkbookData optionsWorkbook() {
    WorkbookData workbook;
    auto& properties = workbook.addSheet("properties");
    for (int row = 1; row <= 40; ++row) {
        properties.set(row, 1, "property " + std::to_string(row));
        properties.set(row, 2, row % 2 == 0 ? std::string("Stahl ß") : std::string("Ø 12 mm"));
        properties.set(row, 3, row * 1.25);
    }
    for (int list = 1; list <= 7; ++list) {
        auto& sheet = workbook.addSheet("list" + std::to_string(list));
        for (int row = 1; row <= 32766; ++row) {
            std::string text =
                row % 10 == 0 ? "Standard"
                              : "M" + std::to_string(row % 97) + "x1.5 item " + std::to_string(row);
            if (row % 1000 == 0) {
                text += " 漢字";
            }
            sheet.set(row, 1, std::move(text));
        }
    }
    return workbook;
}

class XlsFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        if (file_.empty()) {
            file_ = std::filesystem::temp_directory_path() /
                    ("xls_bench_" + std::to_string(::getpid()) + ".xls");
            workbook_ = optionsWorkbook();
            writeXls(workbook_, file_);
        }
    }

    static void removeFile() {
        if (!file_.empty()) {
            std::filesystem::remove(file_);
        }
    }

protected:
    static inline std::filesystem::path file_;
    static inline WorkbookData workbook_;
};

BENCHMARK_F(XlsFixture, ReadOptionsWorkbook)(benchmark::State& state) {
    for (auto _ : state) {
        WorkbookData read = readXls(file_);
        benchmark::DoNotOptimize(read);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file_));
}

BENCHMARK_F(XlsFixture, WriteOptionsWorkbook)(benchmark::State& state) {
    for (auto _ : state) {
        writeXls(workbook_, file_);
    }
}

// Workbooks another program wrote: xlwt's, about 295,000 cells (made by xlwt_workbook.py
// with Debian's python3-xlwt), half of them text, or all numbers; each read by us and by
// FreeXL in the same run.
enum XlwtKind { MixedCells, NumbersOnly };

const std::filesystem::path& xlwtFile(XlwtKind kind) {
    static std::filesystem::path files[2];
    static bool made[2] = {false, false};
    if (!made[kind]) {
        made[kind] = true;
        const std::filesystem::path file =
            std::filesystem::temp_directory_path() /
            ("xls_bench_xlwt_" + std::to_string(kind) + "_" + std::to_string(::getpid()) + ".xls");
        const std::string command = "/usr/bin/python3 " XLWT_WORKBOOK_SCRIPT " " + file.string() +
                                    (kind == NumbersOnly ? " numbers" : "");
        if (std::system(command.c_str()) == 0) {
            files[kind] = file;
        }
    }
    return files[kind];
}

std::optional<double> fastest[2][2];  // [kind][0 ours, 1 FreeXL], seconds

template <class Read>
void timedRead(benchmark::State& state, XlwtKind kind, int reader, Read read) {
    const std::filesystem::path& file = xlwtFile(kind);
    if (file.empty()) {
        state.SkipWithError("python3-xlwt is not installed: apt-get install python3-xlwt");
        return;
    }
    std::optional<double>& seconds = fastest[kind][reader];
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        read(file);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        seconds = seconds ? std::min(*seconds, took.count()) : took.count();
    }
}

// Every cell's value visited, as FreeXL's reader below gives each.
void readXlwtWorkbook(benchmark::State& state) {
    timedRead(state, static_cast<XlwtKind>(state.range(0)), 0, [](const auto& file) {
        const WorkbookData read = readXls(file);
        std::size_t cells = 0;
        for (const auto& sheet : read.sheets) {
            sheet.forEachCellRef([&](int, int, const quenmoor::workbook::CellRef& cell) {
                cells += cell.kind != quenmoor::workbook::CellRef::Kind::empty;
            });
        }
        benchmark::DoNotOptimize(cells);
    });
}
BENCHMARK(readXlwtWorkbook)->Arg(MixedCells)->Arg(NumbersOnly)->Unit(benchmark::kMillisecond);

// FreeXL reading every cell of every sheet, as a caller who wants the values does.
void readXlwtWorkbookWithFreeXl(benchmark::State& state) {
    timedRead(state, static_cast<XlwtKind>(state.range(0)), 1, [](const auto& file) {
        const void* handle = nullptr;
        if (freexl_open(file.c_str(), &handle) != FREEXL_OK) {
            std::abort();
        }
        unsigned int sheets = 0;
        freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets);
        std::size_t cells = 0;
        for (unsigned short s = 0; s < sheets; ++s) {
            freexl_select_active_worksheet(handle, s);
            unsigned int rows = 0;
            unsigned short columns = 0;
            freexl_worksheet_dimensions(handle, &rows, &columns);
            for (unsigned int r = 0; r < rows; ++r) {
                for (unsigned short c = 0; c < columns; ++c) {
                    FreeXL_CellValue value;
                    freexl_get_cell_value(handle, r, c, &value);
                    cells += value.type != FREEXL_CELL_NULL;
                }
            }
        }
        freexl_close(handle);
        benchmark::DoNotOptimize(cells);
    });
}
BENCHMARK(readXlwtWorkbookWithFreeXl)
    ->Arg(MixedCells)
    ->Arg(NumbersOnly)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XlsFixture::removeFile();
    const char* names[2] = {"half text", "all numbers"};
    for (int kind : {MixedCells, NumbersOnly}) {
        const auto& [ours, freeXl] = fastest[kind];
        if (!xlwtFile(static_cast<XlwtKind>(kind)).empty()) {
            std::filesystem::remove(xlwtFile(static_cast<XlwtKind>(kind)));
        }
        if (ours && freeXl) {
            std::fprintf(stderr,
                         "xlwt's workbook, %s: ours %.1f ms, FreeXL %.1f ms: %.2fx faster "
                         "(target: at least 4x)\n",
                         names[kind], *ours * 1e3, *freeXl * 1e3, *freeXl / *ours);
        }
    }
    return 0;
}
