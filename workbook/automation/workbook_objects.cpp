// A workbook and its sheets, as handed out for one OpenWorkbook.

#include "workbook/automation/application_state.h"
#include "workbook/automation/engine_calls.h"
#include "workbook/automation/spreadsheet_objects.h"

namespace quenmoor::workbook::automation {

std::string WorkbookObject::Name() {
    EngineCalls::instance().call(Operation::WorkbookName);
    workbook_->requireOpen("Name");
    return workbook_->name();
}

std::string WorkbookObject::FullName() {
    EngineCalls::instance().call(Operation::WorkbookFullName);
    workbook_->requireOpen("FullName");
    return workbook_->file().string();
}

com::ComPtr<spreadsheet::Worksheet> WorkbookObject::Worksheets(std::string name) {
    EngineCalls::instance().call(Operation::WorkbookWorksheets);
    return WorksheetObject::create(workbook_, workbook_->findSheet(name));
}

void WorkbookObject::Save() {
    EngineCalls::instance().call(Operation::WorkbookSave);
    workbook_->save();
}

void WorkbookObject::SaveAs(std::string fileName) {
    EngineCalls::instance().call(Operation::WorkbookSaveAs);
    workbook_->saveAs(fileName);
}

void WorkbookObject::Close(bool saveChanges) {
    EngineCalls::instance().call(Operation::WorkbookClose);
    if (saveChanges) {
        workbook_->save();
    }
    workbook_->requireOpen("Close");
    ApplicationState::instance().close(workbook_);
}

std::string WorksheetObject::Name() {
    EngineCalls::instance().call(Operation::WorksheetName);
    workbook_->requireOpen(sheet_);
    return workbook_->sheetName(sheet_);
}

void WorksheetObject::Activate() {
    EngineCalls::instance().call(Operation::WorksheetActivate);
    workbook_->requireOpen(sheet_);
    workbook_->setActiveSheet(sheet_);
    ApplicationState::instance().activate(workbook_);
}

com::ComPtr<spreadsheet::Range> WorksheetObject::Cells(std::int32_t row, std::int32_t column) {
    EngineCalls::instance().call(Operation::WorksheetCells);
    return cells_.cell(workbook_, sheet_, row, column);
}

}  // namespace quenmoor::workbook::automation
