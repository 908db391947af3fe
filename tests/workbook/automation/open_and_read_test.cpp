#include <gmock/gmock.h>

#include "tests/workbook/automation/spreadsheet_fixture.h"

namespace quenmoor::workbook::testsupport {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;
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

TEST_F(WorkbookReading, ReadsTheDefaultOptionsListsToTheirFirstEmptyCell) {
    com::call(com::call(late_, "Workbooks").toObject(), "Open",
              copyDefault("Options.xls").string());
    const std::vector<std::string> properties = readList("properties");
    ASSERT_THAT(properties, SizeIs(9));
    EXPECT_THAT(properties, Each(Not(IsEmpty())));
    for (int list = 1; list <= 9; ++list) {
        SCOPED_TRACE(list);
        const std::vector<std::string> entries = readList("list" + std::to_string(list));
        EXPECT_GE(entries.size(), list <= 7 ? 5U : 2U);
        EXPECT_LE(entries.size(), 15U);
        EXPECT_THAT(entries, Each(Not(IsEmpty())));
    }
}

TEST_F(WorkbookReading, AListEndsAtItsFirstGapButRowOneIsAlwaysAnEntry) {
    WorkbookData data;
    Sheet& gap = data.addSheet("gap");
    for (int row : {1, 2, 3, 5}) {
        gap.set(row, 1, "entry " + std::to_string(row));
    }
    data.addSheet("late start").set(2, 1, std::string("second"));
    data.addSheet("empty");
    writeXls(data, folder_ / "gaps.xls");
    global_->Workbooks()->Open((folder_ / "gaps.xls").string());

    EXPECT_THAT(readList("gap"), ElementsAre("entry 1", "entry 2", "entry 3"));
    EXPECT_THAT(readList("late start"), ElementsAre("", "second"));
    EXPECT_THAT(readList("empty"), ElementsAre(""));
}

TEST_F(WorkbookReading, FindsSheetsWithoutRegardToCase) {
    global_->Workbooks()->Open(copyDefault("Options.xls").string());
    for (const char* name : {"properties", "Properties", "PROPERTIES"}) {
        ComPtr<spreadsheet::Worksheet> sheet = global_->Worksheets(name);
        EXPECT_EQ(sheet->Name(), "properties");
        sheet->Activate();
        EXPECT_EQ(cellByName(1, 1), Variant("Material")) << name;
    }
}

TEST_F(WorkbookReading, ValuesKeepTheirTypeAndEmptyCellsEqualEmptyText) {
    const struct {
        CellValue stored;
        Variant::Type type;
        std::string text;
    } cases[] = {
        {std::string("Steel"), Variant::Type::Text, "Steel"},
        {7850.0, Variant::Type::Double, "7850"},
        {2.5, Variant::Type::Double, "2.5"},
        {true, Variant::Type::Bool, "True"},
        {false, Variant::Type::Bool, "False"},
        {CellValue{}, Variant::Type::Empty, ""},
    };
    std::vector<CellValue> rows;
    for (const auto& c : cases) {
        rows.push_back(c.stored);
    }
    global_->Workbooks()->Open(writeList("types.xls", "values", rows).string());
    for (std::int32_t row = 1; row <= static_cast<std::int32_t>(std::size(cases)); ++row) {
        SCOPED_TRACE(row);
        const auto& c = cases[row - 1];
        const Variant typed = global_->Cells(row, 1)->Value();
        EXPECT_EQ(typed.type(), c.type);
        EXPECT_EQ(typed.toText(), c.text);
        EXPECT_EQ(cellByName(row, 1).type(), c.type);
    }
    const Variant empty = cellByName(6, 1);
    EXPECT_EQ(empty, Variant(""));
    EXPECT_EQ(empty.toDouble(), 0.0);
    EXPECT_EQ(cellByName(2, 1).toDouble(), 7850.0);
}

// A workbook LibreOffice made (tests/workbook/fixtures/lists.fods) read the add-in's way.
TEST_F(WorkbookReading, ReadsListsAndValuesOfAWorkbookLibreOfficeMade) {
    global_->Workbooks()->Open(LIBREOFFICE_FIXTURES "/lists.xls");
    EXPECT_THAT(readList("list1"), ElementsAre("M12x1.5", "M8"));
    // Names compare without regard to ASCII case only.
    EXPECT_THAT(readList("MAßE Ø"), ElementsAre("Ø 12 H7", "Größe", "漢字テスト", "Ω 😀 mixed",
                                                "plain bold plain", "two  spaces"));
    const struct {
        const char* sheet;
        std::int32_t row;
        Variant value;
    } cases[] = {
        {"list1", 8, Variant(42.0)},           {"list1", 11, Variant("12")},
        {"list1", 12, Variant::boolean(true)}, {"formulas", 1, Variant(3.0)},
        {"formulas", 2, Variant("abcd")},      {"formulas", 3, Variant::boolean(true)},
        {"formulas", 4, Variant("#DIV/0!")},   {"formulas", 5, Variant()},
    };
    for (const auto& c : cases) {
        const Variant value = global_->Worksheets(c.sheet)->Cells(c.row, 1)->Value();
        EXPECT_EQ(value.type(), c.value.type()) << c.sheet << " row " << c.row;
        EXPECT_EQ(value, c.value) << c.sheet << " row " << c.row;
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
