#include "workbook/automation/engine_calls.h"
#include "workbook/automation/spreadsheet_objects.h"

#include <string>
#include <utility>

namespace quenmoor::workbook::automation {

using com::Variant;

Variant RangeObject::Value() {
    EngineCalls::instance().call(Operation::RangeValue);
    workbook_->requireOpen(sheet_, row_, column_);
    const CellValue& value = workbook_->sheet(sheet_).get(row_, column_);
    if (const std::string* text = textOf(value)) {
        return Variant(*text);
    }
    if (const double* number = numberOf(value)) {
        return Variant(*number);
    }
    if (const bool* boolean = booleanOf(value)) {
        return Variant::boolean(*boolean);
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
