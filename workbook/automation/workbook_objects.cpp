// A workbook and its sheets, as handed out for one OpenWorkbook.

#include "workbook/automation/application_state.h"
#include "workbook/automation/spreadsheet_objects.h"

namespace quenmoor::workbook::automation {

std::string WorkbookObject::Name() {
    workbook_->requireOpen("Name");
    return workbook_->name();
}

std::string WorkbookObject::FullName() {
    workbook_->requireOpen("FullName");
    return workbook_->file().string();
}

com::ComPtr<spreadsheet::Worksheet> WorkbookObject::Worksheets(std::string name) {
    return WorksheetObject::create(workbook_, workbook_->findSheet(name));
}

void WorkbookObject::Save() {
    workbook_->save();
}

void WorkbookObject::Close(bool saveChanges) {
    if (saveChanges) {
        workbook_->save();
    }
    workbook_->requireOpen("Close");
    ApplicationState::instance().close(workbook_);
}

std::string WorksheetObject::Name() {
    workbook_->requireOpen(sheet_);
    return workbook_->sheetName(sheet_);
}

void WorksheetObject::Activate() {
    workbook_->requireOpen(sheet_);
    workbook_->setActiveSheet(sheet_);
    ApplicationState::instance().activate(workbook_);
}

com::ComPtr<spreadsheet::Range> WorksheetObject::Cells(std::int32_t row, std::int32_t column) {
    return cells_.cell(workbook_, sheet_, row, column);
}

}  // namespace quenmoor::workbook::automation
