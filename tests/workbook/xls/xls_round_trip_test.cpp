#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect_workbook.h"
#include "freexl_oracle.h"
#include "tests/support/named_rows.h"
#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::workbook {
namespace {

using quenmoor::testsupport::ScratchFolder;
using testsupport::asFreeXlSeesIt;
using testsupport::expectSameWorkbook;
using testsupport::readWithFreeXl;
using testsupport::repeated;

// Every kind of value, with every other row empty and a copy two columns apart.
WorkbookData values() {
    const std::vector<CellValue> values = {
        std::string("M12x1.5"),
        std::string("Ø 12 mm"),  // Latin-1: stored 8-bit
        std::string("Stahl ß"),
        std::string("Ω 漢字 テスト"),  // beyond Latin-1: stored UTF-16
        std::string("Ø then Ω"),       // mixed: the whole string goes UTF-16
        std::string("emoji \xF0\x9F\x98\x80 pair"),
        0.0,
        42.0,
        -17.0,
        0.1,
        -2.75,
        1e300,
        -4.5e-300,
        true,
        false,
    };
    WorkbookData workbook;
    Sheet& sheet = workbook.addSheet("values");
    for (std::size_t i = 0; i < values.size(); ++i) {
        sheet.set(static_cast<int>(2 * i + 1), 1, values[i]);
        sheet.set(static_cast<int>(2 * i + 1), 3, values[i]);
    }
    return workbook;
}

// Sheets in an order that is not alphabetical, one of them empty.
WorkbookData sheets() {
    WorkbookData workbook;
    for (const char* name : {"properties", "list1", "Maße", "empty", "z last"}) {
        Sheet& sheet = workbook.addSheet(name);
        if (std::string(name) != "empty") {
            sheet.set(1, 1, std::string("in ") + name);
            sheet.set(3, 256, 3.5);
        }
    }
    return workbook;
}

// Strings longer than a record, split over CONTINUE records.
WorkbookData longStrings() {
    WorkbookData workbook;
    Sheet& sheet = workbook.addSheet("long");
    sheet.set(1, 1, std::string(20000, 'a'));
    std::string wide;
    for (int i = 0; i < 7000; ++i) {
        wide += i % 3 == 0 ? "Ω" : (i % 3 == 1 ? "x" : "漢");
    }
    sheet.set(2, 1, wide);                           // 14000 bytes of UTF-16
    sheet.set(3, 1, std::string(32767, 'b'));        // Excel's longest cell text
    sheet.set(4, 1, std::string(25001, 'c') + "Ω");  // odd length, UTF-16
    sheet.set(5, 1, std::string(8213, 'd'));         // ends right at a record's end
    sheet.set(6, 1, std::string("after"));
    return workbook;
}

// Strings of every length from 1 to 300, 8-bit and UTF-16, so that record boundaries of
// the shared string table fall at every place inside and between strings; one repeated.
WorkbookData sharedStrings() {
    WorkbookData workbook;
    Sheet& sheet = workbook.addSheet("many");
    int row = 1;
    for (int length = 1; length <= 300; ++length, ++row) {
        sheet.set(row, 1, std::string(static_cast<std::size_t>(length), 'k'));
        sheet.set(row, 2, repeated("ж", static_cast<std::size_t>(length)));
        sheet.set(row, 3, std::string("repeated"));
    }
    for (int i = 0; i < 5000; ++i) {
        sheet.set(row++, 1, "distinct " + std::to_string(i));
    }
    return workbook;
}

// The most rows a list of the add-in holds.
WorkbookData longestList() {
    WorkbookData workbook;
    workbook.addSheet("properties").set(1, 1, std::string("name"));
    Sheet& list = workbook.addSheet("list1");
    for (int row = 1; row <= 32766; ++row) {
        list.set(row, 1, "value " + std::to_string(row % 5000));
        list.set(row, 2, static_cast<double>(row));
    }
    return workbook;
}

struct Written {
    const char* name;
    WorkbookData (*build)();
    bool freeXlReads;  // FreeXL reads no strings over CONTINUE records
};

class XlsRoundTrip : public ::testing::TestWithParam<Written> {};

TEST_P(XlsRoundTrip, ReadsBackWhatItWroteAndFreeXlAgrees) {
    const WorkbookData workbook = GetParam().build();
    ScratchFolder folder;
    writeXls(workbook, folder / "book.xls");
    expectSameWorkbook(workbook, readXls(folder / "book.xls"));
    if (GetParam().freeXlReads) {
        expectSameWorkbook(workbook, readWithFreeXl(folder / "book.xls"), asFreeXlSeesIt);
    }
}

INSTANTIATE_TEST_SUITE_P(Workbooks, XlsRoundTrip,
                         ::testing::Values(Written{"EveryKindOfValue", &values, true},
                                           Written{"SheetsInOrder", &sheets, true},
                                           Written{"LongStrings", &longStrings, false},
                                           Written{"SharedStrings", &sharedStrings, true},
                                           Written{"LongestList", &longestList, true}),
                         quenmoor::testsupport::RowName());

TEST(XlsSheetNames, AreFoundWithoutRegardToCaseAndKeepTheirSpelling) {
    ScratchFolder folder;
    writeXls(sheets(), folder / "book.xls");
    const WorkbookData read = readXls(folder / "book.xls");
    ASSERT_NE(read.findSheet("LIST1"), nullptr);
    EXPECT_EQ(read.findSheet("LIST1")->name(), "list1");
    EXPECT_EQ(read.findSheet("Properties"), &read.sheets[0]);
    EXPECT_EQ(read.findSheet("list"), nullptr);
    EXPECT_FALSE(read.findSheet("empty")->usedRange().has_value());
}

}  // namespace
}  // namespace quenmoor::workbook
