#include "workbook/xls/workbook_data.h"

#include <algorithm>
#include <utility>

#include "platform/com/text_case.h"

namespace quenmoor::workbook {

Sheet& WorkbookData::addSheet(std::string name) {
    return sheets.emplace_back(std::move(name));
}

Sheet* WorkbookData::findSheet(std::string_view name) {
    auto it = std::find_if(sheets.begin(), sheets.end(), [name](const Sheet& sheet) {
        return com::equalsIgnoringCase(sheet.name(), name);
    });
    return it == sheets.end() ? nullptr : &*it;
}

const Sheet* WorkbookData::findSheet(std::string_view name) const {
    return const_cast<WorkbookData*>(this)->findSheet(name);
}

}  // namespace quenmoor::workbook
