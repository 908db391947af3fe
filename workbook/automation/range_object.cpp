#include "workbook/automation/engine_calls.h"
#include "workbook/automation/spreadsheet_objects.h"

#include <string>
#include <utility>

namespace quenmoor::workbook::automation {

using com::Variant;

CellSource::CellSource() = default;
CellSource::~CellSource() = default;

com::ComPtr<spreadsheet::Range> CellSource::cell(const std::shared_ptr<OpenWorkbook>& workbook,
                                                 std::size_t sheet, std::int32_t row,
                                                 std::int32_t column) {
    workbook->requireOpen(sheet);
    workbook->checkCell(sheet, row, column);
    if (spare_ && spare_->soleReference()) {
        spare_->moveTo(workbook, sheet, row, column);
    } else {
        spare_ = RangeObject::create(workbook, sheet, row, column);
    }
    return spare_;
}

Variant RangeObject::Value() {
    EngineCalls::instance().call(Operation::RangeValue);
    workbook_->requireOpen(sheet_, row_, column_);
    const CellRef cell = workbook_->sheet(sheet_).cell(row_, column_);
    switch (cell.kind) {
        case CellRef::Kind::text:
            // The value shares the sheet's characters, which outlive a change of the cell.
            return Variant::sharedText(com::ComPtr<com::IUnknown>(cell.owner), cell.text);
        case CellRef::Kind::number:
            return Variant(cell.number);
        case CellRef::Kind::boolean:
            return Variant::boolean(cell.boolean);
        case CellRef::Kind::empty:
            break;
    }
    return Variant();
}

void RangeObject::SetValue(Variant value) {
    EngineCalls::instance().call(Operation::RangeSetValue);
    workbook_->requireOpen(sheet_, row_, column_);
    CellValue cell;
    switch (value.type()) {
        case Variant::Type::Empty:
            break;
        case Variant::Type::Text:
            cell = value.toText();
            break;
        case Variant::Type::Int16:
        case Variant::Type::Int32:
        case Variant::Type::Double:
            cell = value.toDouble();
            break;
        case Variant::Type::Bool:
            cell = value.toBool();
            break;
        case Variant::Type::Object:
        case Variant::Type::DoubleArray:
            throw com::ComError(com::DISP_E_TYPEMISMATCH,
                                workbook_->name() + ", sheet \"" + workbook_->sheetName(sheet_) +
                                    "\": a cell cannot hold a value of type " + value.typeName());
    }
    workbook_->sheet(sheet_).set(row_, column_, std::move(cell));
}

}  // namespace quenmoor::workbook::automation
