#include "quenmoortools/density/density_tool.h"

#include "quenmoortools/ui/module1.h"

namespace quenmoor::density {

void DensityTool::MaterialDensity(toolkit::AddinState& addin) {
    toolkit::AddinState::MarkedPageBuild build(addin, DensityMark);
    Density.build(*addin.HostApp, addin.pageHandler(), addin.CurrentPage, addin.spreadsheet(),
                  ui::addinFile(MaterialWorkbook), addin.RowCounter);
    build.shown();
}

void DensityTool::applydensity(toolkit::AddinState& addin) {
    Density.apply(addin.spreadsheet(), ui::addinFile(MaterialWorkbook));
}

void DensityTool::complete(toolkit::AddinState& addin, const com::ComPtr<host::IModelDoc2>&) {
    applydensity(addin);
}

}  // namespace quenmoor::density
