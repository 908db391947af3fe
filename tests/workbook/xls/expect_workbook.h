#pragma once

#include <functional>
#include <string>

#include "workbook/xls/workbook_data.h"

namespace quenmoor::workbook::testsupport {

// How another reader sees a value that it stores differently, e.g. FreeXL's numbers for
// Booleans.
using ValueView = std::function<CellValue(const CellValue&)>;

// Fails unless actual holds the sheets of expected, in order, with the same names and
// exactly the same cells, each seen through view, which may drop a cell by making it
// empty. Names the sheet and cell of the first mismatches.
void expectSameWorkbook(const WorkbookData& expected, const WorkbookData& actual,
                        const ValueView& view = {});

// `unit` written `count` times: long strings of multi-byte characters.
inline std::string repeated(const std::string& unit, std::size_t count) {
    std::string out;
    out.reserve(unit.size() * count);
    for (std::size_t i = 0; i < count; ++i) {
        out += unit;
    }
    return out;
}

// FreeXL has no Booleans: it reads them as the numbers 0 and 1.
CellValue asFreeXlSeesIt(const CellValue& value);

}  // namespace quenmoor::workbook::testsupport
