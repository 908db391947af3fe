#include "quenmoortools/package/export_tool.h"

#include "quenmoortools/package/package_path.h"

namespace quenmoor::package {

void ExportTool::pack(toolkit::AddinState& addin) {
    toolkit::AddinState::MarkedPageBuild build(addin, ExportMark);
    Export.build(*addin.HostApp, addin.pageHandler(), addin.CurrentPage);
    build.shown();
}

void ExportTool::packagefile(toolkit::AddinState& addin) {
    Export.packagefile(addin.HostApp);
}

void ExportTool::showLocation(toolkit::AddinState&) {
    package::showLocation();
}

void ExportTool::complete(toolkit::AddinState& addin, const com::ComPtr<host::IModelDoc2>&) {
    packagefile(addin);
}

}  // namespace quenmoor::package
