#include "workbook/automation/open_workbook.h"

#include <utility>

#include "platform/com/text_case.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::workbook::automation {

OpenWorkbook::OpenWorkbook(std::filesystem::path file, WorkbookData data)
    : file_(std::move(file)), name_(file_.filename().string()), data_(std::move(data)) {
    sheetNames_.reserve(data_.sheets.size());
    for (const Sheet& sheet : data_.sheets) {
        sheetNames_.push_back(sheet.name());
    }
}

std::size_t OpenWorkbook::findSheet(std::string_view name) const {
    requireOpen("Worksheets(\"" + std::string(name) + "\")");
    for (std::size_t i = 0; i < sheetNames_.size(); ++i) {
        if (com::equalsIgnoringCase(sheetNames_[i], name)) {
            return i;
        }
    }
    throw com::ComError(com::DISP_E_BADINDEX,
                        file_.string() + ": no sheet named " + std::string(name));
}

void OpenWorkbook::failOutside(std::size_t sheet, std::int32_t row, std::int32_t column) const {
    throw com::ComError(com::E_INVALIDARG,
                        name_ + ", sheet \"" + sheetNames_[sheet] + "\": " + cellText(row, column) +
                            " is outside the sheet (rows 1 to " + std::to_string(kMaxRows) +
                            ", columns 1 to " + std::to_string(kMaxColumns) + ")");
}

void OpenWorkbook::save() {
    requireOpen("Save");
    writeXls(data_, file_);
}

void OpenWorkbook::saveAs(std::filesystem::path file) {
    requireOpen("SaveAs");
    writeXls(data_, file);
    file_ = std::move(file);
    name_ = file_.filename().string();
}

void OpenWorkbook::close() {
    requireOpen("Close");
    open_ = false;
    data_ = WorkbookData{};
}

void OpenWorkbook::failClosed(std::string_view what) const {
    throw com::ComError(RPC_E_DISCONNECTED, name_ + " has been closed: " + std::string(what) +
                                                " is no longer available");
}

std::string OpenWorkbook::cellText(std::int32_t row, std::int32_t column) {
    return "cell (" + std::to_string(row) + ", " + std::to_string(column) + ")";
}

}  // namespace quenmoor::workbook::automation
