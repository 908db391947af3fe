#include "quenmoortools/properties/custom_properties_tool.h"

#include "quenmoortools/properties/set_options.h"
#include "quenmoortools/ui/module1.h"

namespace quenmoor::properties {

void CustomPropertiesTool::tebrincallback(toolkit::AddinState& addin) {
    toolkit::AddinState::MarkedPageBuild build(addin, PropertiesMark);
    Properties.build(*addin.HostApp, addin.pageHandler(), addin.CurrentPage, addin.spreadsheet(),
                     ui::addinFile(OptionsWorkbook), addin.RowCounter);
    build.shown();
}

void CustomPropertiesTool::showOptions(toolkit::AddinState& addin) {
    showOptionListEditor(addin.spreadsheet(), ui::addinFile(OptionsWorkbookForEditor));
}

void CustomPropertiesTool::complete(toolkit::AddinState&,
                                    const com::ComPtr<host::IModelDoc2>& document) {
    Properties.writeBack(requireDocument(document));
}

}  // namespace quenmoor::properties
