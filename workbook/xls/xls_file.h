#pragma once

#include <filesystem>

#include "workbook/xls/workbook_data.h"

namespace quenmoor::workbook {

// Reads the worksheets of an Excel 97-2003 (BIFF8) workbook: their names, order and cell
// values. Formulas give their cached results; formatting, charts and macro sheets are
// skipped. Throws ComError naming the file and what failed.
WorkbookData readXls(const std::filesystem::path& file);

// Writes every sheet, in order, with its name and cell values as an Excel 97-2003 workbook.
// The file is replaced atomically: on failure the previous file is left untouched. Throws
// ComError naming the file and what failed, e.g. an invalid or duplicate sheet name.
void writeXls(const WorkbookData& workbook, const std::filesystem::path& file);

}  // namespace quenmoor::workbook
