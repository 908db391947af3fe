// The custom-properties tools at the row limit: the page built from seven lists of 32766
// choices (the file read, every cell read by name, every item added to the host's choice
// boxes), and one Add in the list editor on a list of 32765 choices, which writes the whole
// list of 32766 back by name. A 32767th choice is refused by the row limit, so 32765 is the
// longest list an Add can grow.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bench/bench_main.h"
#include "cadhost/automation/application_object.h"
#include "contracts/host/running_host.h"
#include "platform/com/activation.h"
#include "quenmoortools/addin/application.h"
#include "quenmoortools/properties/custom_properties_page.h"
#include "quenmoortools/properties/set_options.h"
#include "quenmoortools/toolkit/addin_windows.h"
#include "workbook/xls/xls_file.h"

namespace {

namespace fs = std::filesystem;
using namespace quenmoor;

fs::path optionsFile;

void writeOptions(int entries) {
    workbook::WorkbookData data;
    workbook::Sheet& names = data.addSheet("properties");
    for (int i = 1; i <= properties::PropertyCount; ++i) {
        names.set(i, 1, "Property " + std::to_string(i));
    }
    for (int k = 1; k <= properties::ChoiceListCount; ++k) {
        workbook::Sheet& list = data.addSheet(properties::listSheetName(k));
        list.reserve(static_cast<std::size_t>(entries));
        for (int r = 1; r <= entries; ++r) {
            list.set(r, 1, "Choice " + std::to_string(k) + "." + std::to_string(r));
        }
    }
    workbook::writeXls(data, optionsFile);
}

struct Host {
    Host()
        : app(cadhost::HostApplication::create()),
          registration(app),
          addin(addin::Application::create()),
          spreadsheet(
              com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass)) {
        app->journal()->setRecording(false);
        app->model().newDocument(host::DocumentPart, "Bracket");
    }
    ~Host() { app->releaseCallbacks(); }

    com::ComPtr<cadhost::HostApplication> app;
    host::RunningHost registration;
    com::ComPtr<addin::Application> addin;
    com::ComPtr<spreadsheet::Global> spreadsheet;
};

void buildPageOfSevenFullLists(benchmark::State& state) {
    writeOptions(properties::MaxListEntries);
    Host host;
    const com::ComPtr<com::IDispatch> handler(
        static_cast<addin::ApplicationInterface*>(host.addin.get()));
    com::ComPtr<host::IPropertyManagerPage2> currentPage;
    toolkit::Int16Counter row;
    for (auto _ : state) {
        properties::CustomPropertiesPage page;
        page.build(*host.app, handler, currentPage, *host.spreadsheet, optionsFile.string(), row);
        benchmark::DoNotOptimize(page.PropertyChoices);
    }
}
BENCHMARK(buildPageOfSevenFullLists)->Unit(benchmark::kMillisecond);

void addToTheLongestList(benchmark::State& state) {
    writeOptions(properties::MaxListEntries - 1);
    Host host;
    auto& editor = properties::showOptionListEditor(*host.spreadsheet, optionsFile.string());
    // Only a click chooses a property, as a user's does.
    editor.List1->setCurrentRow(0);
    emit editor.List1->itemClicked(editor.List1->item(0));
    for (auto _ : state) {
        editor.AddText->setText("One more");
        editor.AddItem->click();
        state.PauseTiming();
        if (editor.List2->count() != properties::MaxListEntries) {
            state.SkipWithError("the choice was not added");
            break;
        }
        editor.List2->setCurrentRow(editor.List2->count() - 1);
        editor.RemoveItem->click();
        state.ResumeTiming();
    }
    editor.Cancel->click();
    toolkit::closeAddinWindows();
}
BENCHMARK(addToTheLongestList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    return quenmoor::bench::runWithWorkbook(
        argc, argv, [](const fs::path& folder) { optionsFile = folder / "Options.xls"; });
}
