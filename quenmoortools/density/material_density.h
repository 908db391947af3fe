#pragma once

#include <string>

#include "contracts/host/host_application.h"
#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/com_ptr.h"
#include "platform/com/variant.h"
#include "quenmoortools/toolkit/int16_counter.h"

namespace quenmoor::density {

inline constexpr const char* MaterialWorkbook = "material.xls";

// "Assign Material": a page with the materials of material.xls, and the density of the
// chosen one written into the part. Item i of the list stands for row i + 1 of the sheet.
struct DensityPage {
    com::ComPtr<host::IPropertyManagerPageGroup> DensityGroup;
    com::ComPtr<host::IPropertyManagerPageCombobox> MaterialList;

    // `MaterialDensity` after its mark is set: reads the names under the end-of-list rule
    // and shows the page. `row` is the add-in's row counter.
    void build(host::ISldWorks& hostApp, com::ComPtr<com::IDispatch> handler,
               com::ComPtr<host::IPropertyManagerPage2>& currentPage,
               spreadsheet::Global& spreadsheet, const std::string& workbookPath,
               toolkit::Int16Counter& row);

    // `applydensity`: writes column C of the chosen row, unconverted, as the part's density.
    // With nothing chosen it writes nothing and says so; a density that is text fails
    // naming the row.
    void apply(spreadsheet::Global& spreadsheet, const std::string& workbookPath);
};

}  // namespace quenmoor::density
