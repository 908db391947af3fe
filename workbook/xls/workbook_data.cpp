#include "workbook/xls/workbook_data.h"

#include <algorithm>
#include <utility>

namespace quenmoor::workbook {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool sameSheetName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

Sheet& WorkbookData::addSheet(std::string name) {
    return sheets.emplace_back(std::move(name));
}

Sheet* WorkbookData::findSheet(std::string_view name) {
    auto it = std::find_if(sheets.begin(), sheets.end(), [name](const Sheet& sheet) {
        return sameSheetName(sheet.name(), name);
    });
    return it == sheets.end() ? nullptr : &*it;
}

const Sheet* WorkbookData::findSheet(std::string_view name) const {
    return const_cast<WorkbookData*>(this)->findSheet(name);
}

}  // namespace quenmoor::workbook
