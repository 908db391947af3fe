#include "quenmoortools/toolkit/tool.h"

#include "platform/com/activation.h"

namespace quenmoor::toolkit {

spreadsheet::Global& AddinState::spreadsheet() {
    if (!SpreadsheetApplication) {
        SpreadsheetApplication =
            com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass);
    }
    return *SpreadsheetApplication;
}

AddinState::MarkedPageBuild::MarkedPageBuild(AddinState& addin, com::VariantBool& mark)
    : addin_(addin), mark_(mark) {
    mark_ = com::VariantTrue;
    addin_.markInBuild_ = &mark_;
}

AddinState::MarkedPageBuild::~MarkedPageBuild() {
    addin_.markInBuild_ = nullptr;
    if (!shown_) {
        mark_ = com::VariantFalse;
    }
}

}  // namespace quenmoor::toolkit
