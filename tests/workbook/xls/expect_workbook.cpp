#include "xls_test_support.h"

#include <gtest/gtest.h>

#include "workbook/xls/cell_name.h"

namespace quenmoor::workbook::testsupport {

namespace {

::testing::Message describe(const CellValue& value) {
    ::testing::Message out;
    if (const std::string* text = textOf(value)) {
        out << "text of " << text->size() << " bytes \"" << text->substr(0, 40)
            << (text->size() > 40 ? "...\"" : "\"");
    } else if (const double* number = numberOf(value)) {
        out << "number " << *number;
    } else if (const bool* boolean = booleanOf(value)) {
        out << (*boolean ? "TRUE" : "FALSE");
    } else {
        out << "empty";
    }
    return out;
}

}  // namespace

void expectSameWorkbook(const WorkbookData& expected, const WorkbookData& actual,
                        const ValueView& view) {
    ASSERT_EQ(expected.sheets.size(), actual.sheets.size());
    for (std::size_t i = 0; i < expected.sheets.size(); ++i) {
        const Sheet& want = expected.sheets[i];
        const Sheet& got = actual.sheets[i];
        EXPECT_EQ(want.name(), got.name()) << "sheet " << i + 1;
        std::size_t wanted = 0;
        int mismatches = 0;
        want.forEachCell([&](int row, int column, const CellValue& value) {
            const CellValue seen = view ? view(value) : value;
            wanted += isEmpty(seen) ? 0 : 1;
            const CellValue& found = got.get(row, column);
            if (found != seen && ++mismatches <= 5) {
                ADD_FAILURE() << "sheet \"" << want.name() << "\" cell " << cellName(row, column)
                              << ": expected " << describe(seen) << ", found " << describe(found);
            }
        });
        EXPECT_EQ(wanted, got.cellCount()) << "cells of sheet \"" << want.name() << "\"";
    }
}

CellValue asFreeXlSeesIt(const CellValue& value) {
    if (const bool* b = booleanOf(value)) {
        return *b ? 1.0 : 0.0;
    }
    return value;
}

}  // namespace quenmoor::workbook::testsupport
