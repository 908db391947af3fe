#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workbook/xls/sheet.h"

namespace quenmoor::workbook {

// The sheets of a workbook, in tab order.
struct WorkbookData {
    std::vector<Sheet> sheets;

    Sheet& addSheet(std::string name);

    // The first sheet whose name equals name without regard to ASCII case, or nullptr.
    Sheet* findSheet(std::string_view name);
    const Sheet* findSheet(std::string_view name) const;
};

}  // namespace quenmoor::workbook
