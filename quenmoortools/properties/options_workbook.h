#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/variant.h"
#include "quenmoortools/toolkit/int16_counter.h"

// The options workbook: sheet "properties" names the custom properties in column A, and
// sheet "list<k>" holds the choices of the property in row k, one per row of column A.
// Only column A of any sheet is used, and rows count from 1 without a header.
namespace quenmoor::properties {

inline constexpr const char* OptionsWorkbook = "Options.xls";
// The editor's spelling of the same file; the engine finds files without regard to case.
inline constexpr const char* OptionsWorkbookForEditor = "options.xls";
inline constexpr const char* PropertiesSheet = "properties";

// The page shows the first nine rows of "properties"; the first seven have choice lists.
inline constexpr int PropertyCount = 9;
inline constexpr int ChoiceListCount = 7;
inline constexpr std::int32_t ListColumn = 1;

// Rows are counted in 16 bits, and the row after the last entry must stay addressable to
// end the list: at most 32766 entries.
inline constexpr int MaxListEntries = 32766;

// "list" and k in decimal: the choices of the property in row k of "properties".
std::string listSheetName(int row);

// Reads column A of `cells` (a sheet, or the application for its active sheet) by the
// end-of-list rule: row 1 is always an entry, even when empty; the list then goes on
// until the first empty cell. Each entry goes to `add` as the engine returns it. `row`
// ends on the empty row; a list that reaches row 32767 fails with an overflow naming
// `where`.
void readList(const com::ComPtr<com::IDispatch>& cells, toolkit::Int16Counter& row,
              std::string_view where, const std::function<void(const com::Variant&)>& add);

// The same, collecting each entry as text.
std::vector<std::string> readTextList(const com::ComPtr<com::IDispatch>& cells,
                                      toolkit::Int16Counter& row, std::string_view where);

// Writes entries 0 to n - 1 into rows 1 to n of column A of `sheet`, then the empty text
// into row n + 1, so that reading the sheet back gives exactly `entries`; rows below are
// left as they are. More than MaxListEntries entries fail before any cell is written.
void writeList(const com::ComPtr<com::IDispatch>& sheet, const std::vector<std::string>& entries,
               toolkit::Int16Counter& row, std::string_view where);

// Writes a property's new name into its row of "properties"; its list sheet keeps its
// name, since the choices belong to the row.
void renameProperty(const com::ComPtr<com::IDispatch>& propertiesSheet, std::int16_t row,
                    const std::string& name);

}  // namespace quenmoor::properties
