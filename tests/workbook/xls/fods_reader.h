#pragma once

#include <filesystem>

#include "workbook/xls/workbook_data.h"

namespace quenmoor::workbook::testsupport {

// The sheets and cell values of a flat OpenDocument spreadsheet (.fods), such as LibreOffice
// saves and the fixtures' sources are: numbers, Booleans and text, formulas by their cached
// results, the text of several paragraphs joined by line ends. Throws std::runtime_error naming the
// file, and the sheet and cell where it applies, for other kinds of value, for cells beyond row
// 65536 or column 256, and for malformed XML.
WorkbookData readFods(const std::filesystem::path& file);

}  // namespace quenmoor::workbook::testsupport
