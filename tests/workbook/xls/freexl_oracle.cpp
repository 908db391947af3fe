#include "xls_test_support.h"

#include <freexl.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace quenmoor::workbook::testsupport {

namespace {

void check(int rc, const std::string& what) {
    if (rc != FREEXL_OK) {
        throw std::runtime_error("FreeXL: " + what + " failed with " + std::to_string(rc));
    }
}

}  // namespace

WorkbookData readWithFreeXl(const std::filesystem::path& file) {
    const void* handle = nullptr;
    check(freexl_open(file.c_str(), &handle), "opening " + file.string());
    if (handle == nullptr) {
        // FreeXL 1.0.6 answers some files it cannot parse this way, e.g. empty shared strings.
        throw std::runtime_error("FreeXL: opening " + file.string() + " gave no workbook");
    }
    std::unique_ptr<const void, int (*)(const void*)> closer(handle, freexl_close);

    unsigned int sheetCount = 0;
    check(freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheetCount), "counting sheets");
    WorkbookData workbook;
    for (unsigned short s = 0; s < sheetCount; ++s) {
        const char* name = nullptr;
        check(freexl_get_worksheet_name(handle, s, &name), "naming a sheet");
        Sheet& sheet = workbook.addSheet(name);
        check(freexl_select_active_worksheet(handle, s), "selecting " + sheet.name());
        unsigned int rows = 0;
        unsigned short columns = 0;
        check(freexl_worksheet_dimensions(handle, &rows, &columns), "sizing " + sheet.name());
        for (unsigned int r = 0; r < rows; ++r) {
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue value;
                check(freexl_get_cell_value(handle, r, c, &value), "reading a cell");
                const int row = static_cast<int>(r) + 1;
                const int column = c + 1;
                switch (value.type) {
                    case FREEXL_CELL_INT:
                        sheet.set(row, column, static_cast<double>(value.value.int_value));
                        break;
                    case FREEXL_CELL_DOUBLE:
                        sheet.set(row, column, value.value.double_value);
                        break;
                    case FREEXL_CELL_TEXT:
                    case FREEXL_CELL_SST_TEXT:
                        sheet.set(row, column, std::string(value.value.text_value));
                        break;
                    default:
                        break;
                }
            }
        }
    }
    return workbook;
}

}  // namespace quenmoor::workbook::testsupport
