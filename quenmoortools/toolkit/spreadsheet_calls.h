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
    com::Variant cell = com::call(sheetOrApplication, "Cells", row, column);
    return com::call(cell.toObject(), "Value");
}

inline void setCellValue(const com::ComPtr<com::IDispatch>& sheet, std::int32_t row,
                         std::int32_t column, const com::Variant& value) {
    com::Variant cell = com::call(sheet, "Cells", row, column);
    com::putProperty(cell.toObject(), "Value", value);
}

}  // namespace quenmoor::toolkit
