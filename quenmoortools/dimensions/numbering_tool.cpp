#include "quenmoortools/dimensions/numbering_tool.h"

#include "quenmoortools/toolkit/host_access.h"

namespace quenmoor::dimensions {

void NumberingTool::numdims(toolkit::AddinState& addin) {
    toolkit::AddinState::MarkedPageBuild build(addin, NumberingMark);
    Numbering.build(*addin.HostApp, addin.pageHandler(), addin.CurrentPage);
    build.shown();
}

// Works on the document active now, which it asks the running host for: a script may call
// it with no page open.
void NumberingTool::NumberDims(toolkit::AddinState& addin) {
    com::ComPtr<host::IModelDoc2> document = toolkit::runningHost()->ActiveDoc();
    if (!document) {
        throw com::ComError(com::CTL_E_OBJECTNOTSET,
                            "Numerate Dimension Names: no document is open");
    }
    numberDimensions(*document, addin.RowCounter);
}

void NumberingTool::complete(toolkit::AddinState& addin, const com::ComPtr<host::IModelDoc2>&) {
    NumberDims(addin);
}

}  // namespace quenmoor::dimensions
