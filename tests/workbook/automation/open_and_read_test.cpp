#include <gmock/gmock.h>

#include "tests/workbook/automation/spreadsheet_fixture.h"

namespace quenmoor::workbook::testsupport {
namespace {

namespace fs = std::filesystem;

using WorkbookFileNames = SpreadsheetTest;

TEST_F(WorkbookFileNames, FindsTheFileWithoutRegardToCasePreferringTheExactName) {
    fs::create_directory(folder_ / "Lists");
    writeList("Lists/Options.xls", "list1", {std::string("upper")});
    writeList("Lists/options.xls", "list1", {std::string("lower")});
    writeList("Lists/Material.xls", "list1", {std::string("only")});
    const struct {
        std::string requested;
        std::string name;
        std::string firstEntry;
    } cases[] = {
        {"Lists/Options.xls", "Options.xls", "upper"},
        {"Lists/options.xls", "options.xls", "lower"},
        // No exact match: the first in byte order, so the choice is stable.
        {"lists/OPTIONS.XLS", "Options.xls", "upper"},
        {"LISTS/material.XLS", "Material.xls", "only"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requested);
        ComPtr<spreadsheet::Workbook> book =
            global_->Workbooks()->Open((folder_.path() / c.requested).string());
        EXPECT_EQ(book->Name(), c.name);
        EXPECT_EQ(book->FullName(), (folder_.path() / "Lists" / c.name).string());
        EXPECT_EQ(global_->Worksheets("list1")->Cells(1, 1)->Value(), Variant(c.firstEntry));
        global_->Workbooks()->Close();
    }
}

TEST_F(WorkbookFileNames, OpeningAnOpenWorkbookAgainActivatesIt) {
    const fs::path options = copyDefault("Options.xls");
    const fs::path material = copyDefault("material.xls");
    ComPtr<spreadsheet::Workbook> first = global_->Workbooks()->Open(options.string());
    global_->Workbooks()->Open(material.string());
    global_->Workbooks()->Open((folder_.path() / "OPTIONS.xls").string());
    EXPECT_EQ(global_->Workbooks()->Count(), 2);
    EXPECT_EQ(global_->ActiveWorkbook()->Name(), "Options.xls");
}

using WorkbookReading = SpreadsheetTest;

TEST_F(WorkbookReading, FindsSheetsWithoutRegardToCase) {
    global_->Workbooks()->Open(copyDefault("Options.xls").string());
    for (const char* name : {"properties", "Properties", "PROPERTIES"}) {
        ComPtr<spreadsheet::Worksheet> sheet = global_->Worksheets(name);
        EXPECT_EQ(sheet->Name(), "properties");
        sheet->Activate();
        EXPECT_EQ(cellByName(1, 1), Variant("Material")) << name;
    }
}

TEST_F(WorkbookReading, TheDefaultMaterialListHasADensityOnEveryRowWithoutAGap) {
    const fs::path material = copyDefault("material.xls");
    global_->Workbooks()->Open(material.string());
    global_->Worksheets("density")->Activate();
    std::int32_t rows = 0;
    while (!(cellByName(rows + 1, 1) == Variant(""))) {
        ++rows;
        SCOPED_TRACE(rows);
        EXPECT_EQ(cellByName(rows, 1).type(), Variant::Type::Text);
        EXPECT_EQ(cellByName(rows, 2).type(), Variant::Type::Text);
        const Variant density = cellByName(rows, 3);
        ASSERT_EQ(density.type(), Variant::Type::Double);
        EXPECT_GT(density.toDouble(), 800.0);
        EXPECT_LT(density.toDouble(), 20000.0);
    }
    EXPECT_GE(rows, 20);
    // Nothing below the first empty row: the reader would never reach it.
    EXPECT_EQ(readXls(material).sheets.at(0).usedRange()->lastRow, rows);
}

}  // namespace
}  // namespace quenmoor::workbook::testsupport
