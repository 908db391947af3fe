// The global object and the workbooks collection: the calls that reach the application
// state rather than one workbook.

#include "workbook/automation/application_state.h"
#include "workbook/automation/engine_calls.h"
#include "workbook/automation/spreadsheet_objects.h"

namespace quenmoor::workbook::automation {

void GlobalObject::FailCall(std::string operation, std::int32_t nth) {
    EngineCalls::instance().failCall(operation, nth);
}

std::string GlobalObject::CallCounts() {
    return EngineCalls::instance().counts();
}

com::ComPtr<spreadsheet::Workbooks> GlobalObject::Workbooks() {
    EngineCalls::instance().call(Operation::GlobalWorkbooks);
    return WorkbooksObject::create();
}

com::ComPtr<spreadsheet::Workbook> GlobalObject::ActiveWorkbook() {
    EngineCalls::instance().call(Operation::GlobalActiveWorkbook);
    std::shared_ptr<OpenWorkbook> active = ApplicationState::instance().active();
    if (!active) {
        return nullptr;
    }
    return WorkbookObject::create(std::move(active));
}

com::ComPtr<spreadsheet::Worksheet> GlobalObject::Worksheets(std::string name) {
    EngineCalls::instance().call(Operation::GlobalWorksheets);
    std::shared_ptr<OpenWorkbook> active =
        ApplicationState::instance().requireActive("Worksheets(\"" + name + "\")");
    const std::size_t sheet = active->findSheet(name);
    return WorksheetObject::create(std::move(active), sheet);
}

com::ComPtr<spreadsheet::Worksheet> GlobalObject::ActiveSheet() {
    EngineCalls::instance().call(Operation::GlobalActiveSheet);
    std::shared_ptr<OpenWorkbook> active = ApplicationState::instance().active();
    if (!active) {
        return nullptr;
    }
    const std::size_t sheet = active->activeSheet();
    return WorksheetObject::create(std::move(active), sheet);
}

com::ComPtr<spreadsheet::Range> GlobalObject::Cells(std::int32_t row, std::int32_t column) {
    EngineCalls::instance().call(Operation::GlobalCells);
    const std::shared_ptr<OpenWorkbook>& active =
        ApplicationState::instance().requireActive("Cells");
    return cells_.cell(active, active->activeSheet(), row, column);
}

com::ComPtr<spreadsheet::Workbook> WorkbooksObject::Open(std::string fileName) {
    EngineCalls::instance().call(Operation::WorkbooksOpen);
    return WorkbookObject::create(ApplicationState::instance().open(fileName));
}

void WorkbooksObject::Close() {
    EngineCalls::instance().call(Operation::WorkbooksClose);
    ApplicationState::instance().closeAll();
}

std::int32_t WorkbooksObject::Count() {
    EngineCalls::instance().call(Operation::WorkbooksCount);
    return static_cast<std::int32_t>(ApplicationState::instance().count());
}

}  // namespace quenmoor::workbook::automation
