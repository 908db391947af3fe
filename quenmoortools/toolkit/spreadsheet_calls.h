#pragma once

#include <cstdint>
#include <string>

#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/dispatch_table.h"

// The spreadsheet calls the tools make by name, late-bound as every tool reaches the
// spreadsheet: `Cells` of the application's active sheet or of a sheet, and the cell's `Value`.
namespace quenmoor::toolkit {

inline com::Variant cellValue(const com::ComPtr<com::IDispatch>& sheetOrApplication,
                              std::int32_t row, std::int32_t column) {
    return com::call(com::call(sheetOrApplication, "Cells", row, column).toObject(), "Value");
}

// Reads cells of one sheet, or of the application's active sheet, one after another, as
// lists are read: `Cells` is resolved once, `Value` once for each type of cell met.
class CellReader {
public:
    explicit CellReader(com::ComPtr<com::IDispatch> sheetOrApplication)
        : cells_(std::move(sheetOrApplication), "Cells") {}

    com::Variant operator()(std::int32_t row, std::int32_t column) {
        const com::ComPtr<com::IDispatch> cell = cells_(row, column).toObject();
        return value_(cell.get());
    }

private:
    com::LateBoundMember cells_;
    com::MemberOfEachObject value_{"Value"};
};

inline void setCellValue(const com::ComPtr<com::IDispatch>& sheet, std::int32_t row,
                         std::int32_t column, const com::Variant& value) {
    com::putProperty(com::call(sheet, "Cells", row, column).toObject(), "Value", value);
}

}  // namespace quenmoor::toolkit
