#pragma once

#include <filesystem>

#include "workbook/xls/workbook_data.h"

namespace quenmoor::workbook::testsupport {

// The sheets and cell values of file as FreeXL, an independent reader, sees them. FreeXL
// has no booleans (it gives 0 or 1) and no distinction between integers and doubles, so
// every number comes back as a double. Throws std::runtime_error when FreeXL refuses the file.
WorkbookData readWithFreeXl(const std::filesystem::path& file);

}  // namespace quenmoor::workbook::testsupport
