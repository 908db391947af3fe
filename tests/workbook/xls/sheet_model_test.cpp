#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <utility>
#include <vector>

#include "platform/com/com_error.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"
#include "workbook/xls/sheet.h"

namespace quenmoor::workbook {
namespace {

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
