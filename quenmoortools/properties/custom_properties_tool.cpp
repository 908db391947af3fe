#include "quenmoortools/properties/custom_properties_tool.h"

#include "quenmoortools/properties/set_options.h"
#include "quenmoortools/ui/workbooks.h"

namespace quenmoor::properties {

void CustomPropertiesTool::tebrincallback(toolkit::AddinState& addin) {
    toolkit::AddinState::MarkedPageBuild build(addin, PropertiesMark);
    Properties.build(*addin.HostApp, addin.pageHandler(), addin.CurrentPage, addin.spreadsheet(),
                     ui::findWorkbook(*addin.HostApp, OptionsWorkbook), addin.RowCounter);
    build.shown();
}

void CustomPropertiesTool::showOptions(toolkit::AddinState& addin) {
    showOptionListEditor(addin.spreadsheet(),
                         ui::findWorkbook(*addin.HostApp, OptionsWorkbookForEditor));
}

void CustomPropertiesTool::complete(toolkit::AddinState&,
                                    const com::ComPtr<host::IModelDoc2>& document) {
    Properties.writeBack(requireDocument(document));
}

}  // namespace quenmoor::properties
