#include "quenmoortools/properties/options_workbook.h"

#include "platform/com/com_error.h"
#include "quenmoortools/toolkit/spreadsheet_calls.h"

namespace quenmoor::properties {

std::string listSheetName(int row) {
    return "list" + std::to_string(row);
}

void readList(const com::ComPtr<com::IDispatch>& cells, toolkit::Int16Counter& row,
              std::string_view where, const std::function<void(const com::Variant&)>& add) {
    const std::string counter = std::string(where) + ": row";
    const com::Variant empty("");
    toolkit::CellReader cell(cells);
    row.set(1);
    // Each cell is read once: the value that ends the loop test is the next entry.
    com::Variant value = cell(row.value(), ListColumn);
    for (;;) {
        add(value);
        row.increment(counter);
        value = cell(row.value(), ListColumn);
        if (value == empty) {
            return;
        }
    }
}

std::vector<std::string> readTextList(const com::ComPtr<com::IDispatch>& cells,
                                      toolkit::Int16Counter& row, std::string_view where) {
    std::vector<std::string> entries;
    readList(cells, row, where,
             [&](const com::Variant& value) { entries.push_back(value.toText()); });
    return entries;
}

void writeList(const com::ComPtr<com::IDispatch>& sheet, const std::vector<std::string>& entries,
               toolkit::Int16Counter& row, std::string_view where) {
    // Checked first, so a list too long for the sheet leaves every cell as it was.
    if (entries.size() > static_cast<std::size_t>(MaxListEntries)) {
        throw com::ComError(com::CTL_E_OVERFLOW, std::string(where) + ": a list holds at most " +
                                                     std::to_string(MaxListEntries) + " entries");
    }
    const std::string counter = std::string(where) + ": row";
    row.set(1);
    for (const std::string& entry : entries) {
        toolkit::setCellValue(sheet, row.value(), ListColumn, com::Variant(entry));
        row.increment(counter);
    }
    toolkit::setCellValue(sheet, row.value(), ListColumn, com::Variant(""));
}

void renameProperty(const com::ComPtr<com::IDispatch>& propertiesSheet, std::int16_t row,
                    const std::string& name) {
    toolkit::setCellValue(propertiesSheet, row, ListColumn, com::Variant(name));
}

}  // namespace quenmoor::properties
