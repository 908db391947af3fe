#pragma once

#include "quenmoortools/dimensions/dimension_numbering.h"
#include "quenmoortools/toolkit/tool.h"

namespace quenmoor::dimensions {

// "Numerate Dimension Names" as the add-in offers it: `numdims` shows the page, and OK on
// it runs `NumberDims` on the active document.
struct NumberingTool {
    static constexpr toolkit::MenuRow Menu[] = {
        {1, 3, "Numerate Dimension Names@Quenmoor", "NumDims"},
    };

    NumberingPage Numbering;
    com::VariantBool NumberingMark = com::VariantFalse;
    static constexpr auto Mark = &NumberingTool::NumberingMark;

    void numdims(toolkit::AddinState& addin);
    void NumberDims(toolkit::AddinState& addin);
    void complete(toolkit::AddinState& addin, const com::ComPtr<host::IModelDoc2>& document);

    static constexpr toolkit::Callback<NumberingTool> Callbacks[] = {
        {"numdims", &NumberingTool::numdims},
        {"NumberDims", &NumberingTool::NumberDims},
    };
};

}  // namespace quenmoor::dimensions
