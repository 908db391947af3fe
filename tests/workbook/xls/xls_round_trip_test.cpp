// The sheet model, and what the writer makes of it: read back by our reader and by FreeXL.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/com_error.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"
#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"
#include "xls_test_support.h"

namespace quenmoor::workbook {
namespace {

using quenmoor::testsupport::ScratchFolder;
using testsupport::asFreeXlSeesIt;
using testsupport::expectSameWorkbook;
using testsupport::readWithFreeXl;
using testsupport::repeated;

// Every kind of value, with every other row empty and a copy two columns apart. Text in
// Latin-1 is stored 8-bit; text beyond it, or mixed, goes UTF-16 as a whole.
WorkbookData values() {
    std::vector<CellValue> values = {0.0, 42.0, -17.0, 0.1, -2.75, 1e300, -4.5e-300, true, false};
    for (const char* text : {"M12x1.5", "Ø 12 mm", "Stahl ß", "Ω 漢字 テスト", "Ø then Ω",
                             "emoji \xF0\x9F\x98\x80 pair"}) {
        values.emplace_back(std::string(text));
    }
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

TEST(SheetModel, KeepsCellsSortedWhateverTheOrderTheyAreSetIn) {
    Sheet sheet("s");
    sheet.set(5, 3, 1.0);
    sheet.set(5, 1, std::string("a"));
    sheet.set(2, 200, true);
    sheet.set(5, 2, 2.0);
    sheet.set(5, 2, 3.0);  // overwrites

    std::vector<std::pair<int, int>> order;
    sheet.forEachCell(
        [&](int row, int column, const CellValue&) { order.emplace_back(row, column); });
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{2, 200}, {5, 1}, {5, 2}, {5, 3}}));
    EXPECT_EQ(sheet.get(5, 2), CellValue(3.0));
    EXPECT_TRUE(isEmpty(sheet.get(4, 2)));
    EXPECT_TRUE(isEmpty(sheet.get(65536, 256)));
    EXPECT_EQ(sheet.usedRange(), (CellRange{2, 1, 5, 200}));

    // Empty values and empty text remove cells.
    sheet.set(2, 200, CellValue{});
    sheet.set(5, 1, std::string());
    sheet.set(9, 9, std::string());
    EXPECT_EQ(sheet.cellCount(), 2u);
    EXPECT_EQ(sheet.usedRange(), (CellRange{5, 2, 5, 3}));
}

struct Outside {
    const char* name;
    int row;
    int column;
    const char* message;
};

class OutsideTest : public ::testing::TestWithParam<Outside> {};

TEST_P(OutsideTest, IsRefusedForReadingAndWritingNamingTheSheet) {
    Sheet sheet("list3");
    const Outside& c = GetParam();
    for (const auto& access : {std::function<void()>([&] { sheet.set(c.row, c.column, 1.0); }),
                               std::function<void()>([&] { sheet.get(c.row, c.column); })}) {
        const com::ComError e = quenmoor::testsupport::comErrorOf(access);
        EXPECT_EQ(e.code(), com::E_INVALIDARG);
        EXPECT_NE(e.description().find(c.message), std::string::npos) << e.description();
    }
    EXPECT_EQ(sheet.cellCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    SheetModel, OutsideTest,
    ::testing::Values(Outside{"RowPastTheSheet", 70000, 1,
                              "sheet \"list3\": row 70000 is beyond the 65536 rows of a sheet"},
                      Outside{"RowZero", 0, 1, "row 0 is not a row"},
                      Outside{"ColumnPastTheSheet", 1, 257, "column 257 is beyond the 256 columns"},
                      Outside{"NegativeColumn", 1, -1, "column -1 is not a column"}),
    quenmoor::testsupport::RowName());

}  // namespace
}  // namespace quenmoor::workbook
