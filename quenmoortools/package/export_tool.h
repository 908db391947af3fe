#pragma once

#include "quenmoortools/package/export_page.h"
#include "quenmoortools/toolkit/tool.h"

namespace quenmoor::package {

// "Export Package" as the add-in offers it: `pack` shows the page, its "Location" button
// opens the location window, and OK on it runs `packagefile`. The assembly menu spells it
// "Export Packagel"; scripts pick the item by that text.
struct ExportTool {
    static constexpr toolkit::MenuRow Menu[] = {
        {2, 3, "Export Packagel@Quenmoor", "Pack"},
        {1, 5, "Export Package@Quenmoor", "Pack"},
        {3, 2, "Export Package@Quenmoor", "Pack"},
    };

    ExportPage Export;
    com::VariantBool ExportMark = com::VariantFalse;
    static constexpr auto Mark = &ExportTool::ExportMark;

    void pack(toolkit::AddinState& addin);
    void packagefile(toolkit::AddinState& addin);
    void showLocation(toolkit::AddinState& addin);
    void complete(toolkit::AddinState& addin, const com::ComPtr<host::IModelDoc2>& document);

    static constexpr toolkit::Callback<ExportTool> Callbacks[] = {
        {"pack", &ExportTool::pack},
        {"packagefile", &ExportTool::packagefile},
    };
    static constexpr toolkit::ButtonRoute<ExportTool> Buttons[] = {
        {LocationButtonId, &ExportTool::showLocation},
    };
};

}  // namespace quenmoor::package
