#pragma once

#include "quenmoortools/density/material_density.h"
#include "quenmoortools/toolkit/tool.h"

namespace quenmoor::density {

// "Assign Material" as the add-in offers it: `MaterialDensity` shows the page, and OK on it
// runs `applydensity`.
struct DensityTool {
    static constexpr toolkit::MenuRow Menu[] = {
        {1, 1, "Assign Material@Quenmoor", "MaterialDensity"},
    };

    DensityPage Density;
    com::VariantBool DensityMark = com::VariantFalse;
    static constexpr auto Mark = &DensityTool::DensityMark;

    void MaterialDensity(toolkit::AddinState& addin);
    void applydensity(toolkit::AddinState& addin);
    void complete(toolkit::AddinState& addin, const com::ComPtr<host::IModelDoc2>& document);

    static constexpr toolkit::Callback<DensityTool> Callbacks[] = {
        {"MaterialDensity", &DensityTool::MaterialDensity},
        {"applydensity", &DensityTool::applydensity},
    };
};

}  // namespace quenmoor::density
