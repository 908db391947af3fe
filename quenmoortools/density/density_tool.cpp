#include "quenmoortools/density/density_tool.h"

#include "quenmoortools/ui/workbooks.h"

namespace quenmoor::density {

void DensityTool::MaterialDensity(toolkit::AddinState& addin) {
    toolkit::AddinState::MarkedPageBuild build(addin, DensityMark);
    Density.build(*addin.HostApp, addin.pageHandler(), addin.CurrentPage, addin.spreadsheet(),
                  ui::findWorkbook(*addin.HostApp, MaterialWorkbook), addin.RowCounter);
    build.shown();
}

void DensityTool::applydensity(toolkit::AddinState& addin) {
    Density.apply(addin.spreadsheet(), ui::findWorkbook(*addin.HostApp, MaterialWorkbook));
}

void DensityTool::complete(toolkit::AddinState& addin, const com::ComPtr<host::IModelDoc2>&) {
    applydensity(addin);
}

}  // namespace quenmoor::density
