#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect_workbook.h"
#include "fods_reader.h"
#include "freexl_oracle.h"
#include "workbook/xls/xls_file.h"

// Workbooks that LibreOffice made from fixtures/*.fods (see fixtures/make_fixtures.py):
// what another writer puts in a real file, rather than records built by hand. Every value
// must be read as its source has it.
namespace quenmoor::workbook {
namespace {

namespace fs = std::filesystem;
using testsupport::expectSameWorkbook;
using testsupport::repeated;

const fs::path kFixtures = LIBREOFFICE_FIXTURES;

// The values of lists.fods, the source LibreOffice made lists.xls from. Its formula =1/0
// caches 0 with the text #DIV/0!, while the .xls file keeps the error.
WorkbookData lists() {
    WorkbookData workbook = testsupport::readFods(kFixtures / "lists.fods");
    workbook.findSheet("formulas")->set(4, 1, std::string("#DIV/0!"));
    return workbook;
}

// strings.fods, which make_fixtures.py generates: strings over one and over two BIFF
// records, 8-bit and UTF-16, a formula's long cached result, and an empty text cell, which
// LibreOffice writes as a shared string of length 0 and which reads as an empty cell.
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
    WorkbookData workbook;
    Sheet& sheet = workbook.addSheet("long");
    for (std::size_t i = 0; i < column.size(); ++i) {
        sheet.set(static_cast<int>(i) + 1, 1, column[i]);
    }
    Sheet& empty = workbook.addSheet("empty text");
    empty.set(1, 1, std::string("before"));
    empty.set(3, 1, std::string("after"));
    return workbook;
}

struct Fixture {
    const char* name;
    WorkbookData (*expected)();
    bool freeXlReads;
};

class LibreOfficeFiles : public ::testing::TestWithParam<Fixture> {};

TEST_P(LibreOfficeFiles, ReadEveryValueAsFreeXlDoes) {
    const fs::path file = kFixtures / (std::string(GetParam().name) + ".xls");
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
        expectSameWorkbook(seen, testsupport::readWithFreeXl(file), testsupport::asFreeXlSeesIt);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LibreOfficeFiles,
                         ::testing::Values(Fixture{"lists", &lists, true},
                                           Fixture{"strings", &strings, false}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quenmoor::workbook
