#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
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

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XlsFixture::removeFile();
    return 0;
}
