// The events of every page the add-in opens arrive here. The pages are told apart only by
// the ids of their controls and by the marks their commands set, as the tools declare them.

#include "contracts/host/host_codes.h"
#include "quenmoortools/addin/application.h"
#include "quenmoortools/toolkit/host_access.h"
#include "quenmoortools/ui/module1.h"

namespace quenmoor::addin {

void Application::PropertyManagerPage2Handler_OnClose(std::int32_t Reason) {
    ComPtr<host::IModelDoc2> document = toolkit::runningHost()->ActiveDoc();
    if (Reason == host::CloseOkay) {
        Tools.complete(*this, document);
    } else {
        Tools.clearMarksOfClosedPage(*this);
    }
    // Whatever the reason and whichever page, the unit converter's included.
    closeAllWorkbooks();
}

void Application::PropertyManagerPage2Handler_OnButtonPress(std::int32_t Id) {
    Tools.pressButton(*this, Id);
}

void Application::PropertyManagerPage2Handler_OnOptionCheck(std::int32_t Id) {
    Tools.checkOption(*this, Id);
}

VariantBool Application::PropertyManagerPage2Handler_OnHelp() {
    ui::ShowHelpTopic(ui::addinFile(ui::HelpFileName), ui::HelpContentsTopic);
    return com::VariantFalse;
}

// Change events are not acted on: the tools read their controls when they need the values.
void Application::PropertyManagerPage2Handler_AfterClose() {}
void Application::PropertyManagerPage2Handler_OnGroupExpand(std::int32_t, VariantBool) {}
void Application::PropertyManagerPage2Handler_OnGroupCheck(std::int32_t, VariantBool) {}
void Application::PropertyManagerPage2Handler_OnCheckboxCheck(std::int32_t, VariantBool) {}
void Application::PropertyManagerPage2Handler_OnTextboxChanged(std::int32_t, const std::string&) {}
void Application::PropertyManagerPage2Handler_OnNumberboxChanged(std::int32_t, double) {}
void Application::PropertyManagerPage2Handler_OnComboboxSelectionChanged(std::int32_t,
                                                                         std::int32_t) {}
void Application::PropertyManagerPage2Handler_OnListboxSelectionChanged(std::int32_t,
                                                                        std::int32_t) {}
void Application::PropertyManagerPage2Handler_OnSelectionboxFocusChanged(std::int32_t) {}
void Application::PropertyManagerPage2Handler_OnSelectionboxListChanged(std::int32_t,
                                                                        std::int32_t) {}

}  // namespace quenmoor::addin
