// The density page built from the largest material table the row counter allows: 32766
// materials read cell by cell through the spreadsheet engine, each added to the list.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/bench_main.h"
#include "cadhost/automation/application_object.h"
#include "contracts/host/running_host.h"
#include "platform/com/activation.h"
#include "quenmoortools/addin/application.h"
#include "quenmoortools/density/material_density.h"
#include "workbook/xls/xls_file.h"

namespace {

namespace fs = std::filesystem;
using namespace quenmoor;

fs::path largestMaterialTable(const fs::path& folder) {
    workbook::WorkbookData data;
    auto& sheet = data.addSheet("Density");
    for (int row = 1; row <= 32766; ++row) {
        sheet.set(row, 1, "Material " + std::to_string(row));
        sheet.set(row, 3, 1000.0 + row);
    }
    const fs::path path = folder / "material.xls";
    workbook::writeXls(data, path);
    return path;
}

void buildDensityPage(benchmark::State& state) {
    const fs::path folder = fs::path(std::getenv("QUENMOOR_REGISTRY")).parent_path();
    const std::string workbookPath = largestMaterialTable(folder).string();
    auto host = cadhost::HostApplication::create();
    host->journal()->setRecording(false);
    host::RunningHost registration(host);
    host->model().newDocument(host::DocumentPart, "part");
    auto spreadsheet =
        com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass);
    // The add-in object stands as the page's handler, as in the product.
    auto addin = addin::Application::create();
    auto handler =
        com::ComPtr<com::IDispatch>(static_cast<addin::ApplicationInterface*>(addin.get()));
    toolkit::Int16Counter row;
    for (auto _ : state) {
        density::DensityPage page;
        com::ComPtr<host::IPropertyManagerPage2> current;
        page.build(*host, handler, current, *spreadsheet, workbookPath, row);
        benchmark::DoNotOptimize(page.MaterialList->ItemText(32765));
    }
    host->releaseCallbacks();
}
BENCHMARK(buildDensityPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return quenmoor::bench::runWithWorkbook(argc, argv);
}
