#include "workbook/automation/application_state.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/com/com_error.h"
#include "workbook/automation/file_lookup.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::workbook::automation {

namespace fs = std::filesystem;

ApplicationState& ApplicationState::instance() {
    static ApplicationState state;
    return state;
}

std::shared_ptr<OpenWorkbook> ApplicationState::open(std::string_view fileName) {
    if (fileName.empty()) {
        throw com::ComError(com::E_INVALIDARG, "Workbooks.Open: no file name given");
    }
    std::error_code error;
    const fs::path requested = fs::absolute(fs::path(fileName), error);
    if (error) {
        throw com::ComError(com::E_INVALIDARG,
                            std::string(fileName) + ": not a usable file name: " + error.message());
    }
    const std::optional<fs::path> found = findIgnoringCase(requested);
    if (!found) {
        throw com::ComError(com::E_FILE_NOT_FOUND, requested.string() + ": no such file");
    }
    if (fs::is_directory(*found, error)) {
        throw com::ComError(com::E_FAIL, found->string() + ": is a folder, not a workbook");
    }
    for (const std::shared_ptr<OpenWorkbook>& workbook : workbooks_) {
        if (fs::equivalent(workbook->file(), *found, error)) {
            activate(workbook);
            return workbook;
        }
    }
    WorkbookData data = readXls(*found);
    if (data.sheets.empty()) {
        throw com::ComError(com::E_FAIL, found->string() + ": the workbook has no worksheet");
    }
    auto workbook = std::make_shared<OpenWorkbook>(*found, std::move(data));
    workbooks_.push_back(workbook);
    return workbook;
}

void ApplicationState::close(const std::shared_ptr<OpenWorkbook>& workbook) {
    workbook->close();
    std::erase(workbooks_, workbook);
}

void ApplicationState::closeAll() {
    for (const std::shared_ptr<OpenWorkbook>& workbook : workbooks_) {
        workbook->close();
    }
    workbooks_.clear();
}

void ApplicationState::activate(const std::shared_ptr<OpenWorkbook>& workbook) {
    auto it = std::find(workbooks_.begin(), workbooks_.end(), workbook);
    if (it != workbooks_.end()) {
        std::rotate(it, it + 1, workbooks_.end());
    }
}

std::shared_ptr<OpenWorkbook> ApplicationState::active() const {
    return workbooks_.empty() ? nullptr : workbooks_.back();
}

const std::shared_ptr<OpenWorkbook>& ApplicationState::requireActive(std::string_view what) const {
    if (workbooks_.empty()) {
        throw com::ComError(com::E_FAIL, std::string(what) + ": no workbook is open");
    }
    return workbooks_.back();
}

}  // namespace quenmoor::workbook::automation
