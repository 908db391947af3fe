#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect_workbook.h"
#include "freexl_oracle.h"
#include "workbook/xls/xls_file.h"

// Workbooks that LibreOffice made from fixtures/*.fods (see fixtures/make_fixtures.py):
// what another writer puts in a real file, rather than records built by hand.
namespace quenmoor::workbook {
namespace {

using testing::expectSameWorkbook;

struct Cell {
    int row;
    int column;
    CellValue value;
};

struct SheetCells {
    std::string name;
    std::vector<Cell> cells;
};

WorkbookData workbookOf(const std::vector<SheetCells>& sheets) {
    WorkbookData workbook;
    for (const SheetCells& sheet : sheets) {
        Sheet& added = workbook.addSheet(sheet.name);
        for (const Cell& cell : sheet.cells) {
            added.set(cell.row, cell.column, cell.value);
        }
    }
    return workbook;
}

std::string text(const char* value) {
    return value;
}

std::string repeated(const std::string& unit, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        out += unit;
    }
    return out;
}

// lists.fods, cell by cell; the formula ="" has an empty result.
WorkbookData lists() {
    return workbookOf({
        {"properties",
         {{1, 1, text("Material")},
          {1, 2, 7850.0},
          {2, 1, text("Finish")},
          {2, 2, 0.5},
          {3, 1, text("Weight")},
          {3, 2, -12.25},
          {4, 1, text("Part number")},
          {4, 2, 1234567890.0},
          {5, 1, text("Tolerance")},
          {5, 2, 0.1},
          {6, 1, text("Revision")},
          {6, 2, text("A")}}},
        {"list1",
         {{1, 1, text("M12x1.5")},
          {2, 1, text("M8")},
          {4, 1, text("M10")},
          {7, 1, text("M16")},
          {7, 2, text("beside")},
          {8, 1, 42.0},
          {9, 1, 3.5},
          {10, 2, text("beside a gap")},
          {11, 1, text("12")},
          {12, 1, true}}},
        {"empty", {}},
        {"Maße Ø",
         {{1, 1, text("Ø 12 H7")},
          {2, 1, text("Größe")},
          {3, 1, text("漢字テスト")},
          {4, 1, text("Ω 😀 mixed")},
          {5, 1, text("plain bold plain")},
          {6, 1, text("two  spaces")}}},
        {"formulas",
         {{1, 1, 3.0},
          {1, 2, 1.5},
          {2, 1, text("abcd")},
          {2, 2, 2.25},
          {3, 1, true},
          {4, 1, text("#DIV/0!")},
          {6, 1, 3.75},
          {7, 1, text("ÖL")}}},
    });
}

// strings.fods: strings over one and over two BIFF records, 8-bit and UTF-16, a formula's
// long cached result, and an empty text cell, which LibreOffice writes as a shared string
// of length 0 and which reads as an empty cell.
WorkbookData strings() {
    const std::vector<std::string> column = {
        "short",
        std::string(9000, 'a'),
        std::string(20000, 'b'),
        repeated("漢", 9000),
        std::string(8200, 'x') + repeated("漢", 300),
        repeated("ß", 17000),
        "after",
        std::string(9000, 'y'),
    };
    SheetCells sheet{"long", {}};
    for (std::size_t i = 0; i < column.size(); ++i) {
        sheet.cells.push_back({static_cast<int>(i) + 1, 1, column[i]});
    }
    return workbookOf({sheet, {"empty text", {{1, 1, text("before")}, {3, 1, text("after")}}}});
}

struct Fixture {
    const char* name;
    WorkbookData (*expected)();
    bool freeXlReads;
};

class LibreOfficeFiles : public ::testing::TestWithParam<Fixture> {};

TEST_P(LibreOfficeFiles, ReadEveryValueAsFreeXlDoes) {
    const std::filesystem::path file =
        std::filesystem::path(LIBREOFFICE_FIXTURES) / (std::string(GetParam().name) + ".xls");
    const WorkbookData expected = GetParam().expected();
    expectSameWorkbook(expected, readXls(file));

    if (GetParam().freeXlReads) {
        // FreeXL skips formula cells, which are column A of "formulas".
        WorkbookData seen = expected;
        if (Sheet* formulas = seen.findSheet("formulas")) {
            for (int row = 1; row <= kMaxRows; ++row) {
                formulas->set(row, 1, CellValue{});
            }
        }
        expectSameWorkbook(seen, testing::readWithFreeXl(file), testing::asFreeXlSeesIt);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LibreOfficeFiles,
                         ::testing::Values(Fixture{"lists", &lists, true},
                                           Fixture{"strings", &strings, false}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quenmoor::workbook
