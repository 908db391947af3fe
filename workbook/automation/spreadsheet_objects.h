#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/com_object.h"
#include "workbook/automation/open_workbook.h"

// The application's objects as the add-in reaches them: thin handles on the one
// ApplicationState and on the OpenWorkbook models it holds, answering typed and
// late-bound calls alike through DualInterface.
namespace quenmoor::workbook::automation {

class RangeObject;

// Hands out the cells of one global object or worksheet. The add-in reads lists through late
// binding, one Range per cell read, and lets go of each before the next: a Range that no one
// else holds any more is pointed at the next cell rather than made anew.
class CellSource {
public:
    CellSource();
    ~CellSource();

    // A cell of a sheet of an open workbook, its address checked.
    com::ComPtr<spreadsheet::Range> cell(const std::shared_ptr<OpenWorkbook>& workbook,
                                         std::size_t sheet, std::int32_t row, std::int32_t column);

private:
    com::ComPtr<RangeObject> spare_;
};

// The global object. Every instance reaches the one ApplicationState, and the engine's
// one EngineCalls.
class GlobalObject final
    : public com::ComObject<GlobalObject, com::DualInterface<spreadsheet::Global>,
                            spreadsheet::CallFailures> {
public:
    void FailCall(std::string operation, std::int32_t nth) override;
    std::string CallCounts() override;

    com::ComPtr<spreadsheet::Workbooks> Workbooks() override;
    com::ComPtr<spreadsheet::Workbook> ActiveWorkbook() override;
    com::ComPtr<spreadsheet::Worksheet> Worksheets(std::string name) override;
    com::ComPtr<spreadsheet::Worksheet> ActiveSheet() override;
    com::ComPtr<spreadsheet::Range> Cells(std::int32_t row, std::int32_t column) override;

private:
    CellSource cells_;
};

class WorkbooksObject final
    : public com::ComObject<WorkbooksObject, com::DualInterface<spreadsheet::Workbooks>> {
public:
    com::ComPtr<spreadsheet::Workbook> Open(std::string fileName) override;
    void Close() override;
    std::int32_t Count() override;
};

class WorkbookObject final
    : public com::ComObject<WorkbookObject, com::DualInterface<spreadsheet::Workbook>> {
public:
    explicit WorkbookObject(std::shared_ptr<OpenWorkbook> workbook)
        : workbook_(std::move(workbook)) {}

    // The file's name as found on disk, which may differ in case from the name opened.
    std::string Name() override;
    std::string FullName() override;
    com::ComPtr<spreadsheet::Worksheet> Worksheets(std::string name) override;
    void Save() override;
    void SaveAs(std::string fileName) override;
    // With saveChanges, a failed save leaves the workbook open.
    void Close(bool saveChanges) override;

private:
    std::shared_ptr<OpenWorkbook> workbook_;
};

class WorksheetObject final
    : public com::ComObject<WorksheetObject, com::DualInterface<spreadsheet::Worksheet>> {
public:
    WorksheetObject(std::shared_ptr<OpenWorkbook> workbook, std::size_t sheet)
        : workbook_(std::move(workbook)), sheet_(sheet) {}

    std::string Name() override;
    // Makes this the active sheet and its workbook the active workbook.
    void Activate() override;
    com::ComPtr<spreadsheet::Range> Cells(std::int32_t row, std::int32_t column) override;

private:
    std::shared_ptr<OpenWorkbook> workbook_;
    std::size_t sheet_;
    CellSource cells_;
};

// One cell of a sheet. The add-in reads lists cell by cell through late binding, one
// Range per read, so this is a small handle on the shared model, never a copy of it.
class RangeObject final
    : public com::ComObject<RangeObject, com::DualInterface<spreadsheet::Range>> {
public:
    // The class is registered apartment-threaded; a read takes and lets go of a Range
    // several times, and atomic counting would cost more than the read.
    static constexpr bool apartmentThreaded = true;

    // The address must have passed OpenWorkbook::checkCell.
    RangeObject(std::shared_ptr<OpenWorkbook> workbook, std::size_t sheet, std::int32_t row,
                std::int32_t column)
        : workbook_(std::move(workbook)), sheet_(sheet), row_(row), column_(column) {}

    com::Variant Value() override;
    // Text, a number, a Boolean or Empty; Empty and "" clear the cell. Throws
    // ComError(DISP_E_TYPEMISMATCH) for an object or an array.
    void SetValue(com::Variant value) override;

    // Makes this the handle of another cell; only for a Range no one else holds.
    void moveTo(const std::shared_ptr<OpenWorkbook>& workbook, std::size_t sheet, std::int32_t row,
                std::int32_t column) {
        if (workbook_ != workbook) {
            workbook_ = workbook;
        }
        sheet_ = sheet;
        row_ = row;
        column_ = column;
    }

private:
    std::shared_ptr<OpenWorkbook> workbook_;
    std::size_t sheet_;
    std::int32_t row_;
    std::int32_t column_;
};

}  // namespace quenmoor::workbook::automation
