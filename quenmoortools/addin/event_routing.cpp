// The events of every page the add-in opens arrive here. The pages are told apart only by
// the ids of their controls and by the marks their commands set.

#include "contracts/host/host_codes.h"
#include "platform/com/activation.h"
#include "quenmoortools/addin/application.h"
#include "quenmoortools/package/package_path.h"
#include "quenmoortools/properties/set_options.h"
#include "quenmoortools/ui/module1.h"

namespace quenmoor::addin {

namespace {

// Controls the routing knows by id; the ids are unique among the add-in's pages.
constexpr std::int32_t LocationButton = 0;
constexpr std::int32_t OptionsButton = 2;
constexpr std::int32_t CalculateButton = 55;
constexpr std::int32_t FirstQuantityOption = 1;
constexpr std::int32_t LastQuantityOption = 6;

}  // namespace

void Application::complete(VariantBool& mark, const std::function<void()>& completion) {
    try {
        completion();
    } catch (...) {
        // A failed completion must not run again at the next OK of another page.
        mark = com::VariantFalse;
        throw;
    }
    mark = com::VariantFalse;
}

void Application::clearMarksOfClosedPage() {
    for (VariantBool* mark : {&PropertiesMark, &NumberingMark, &ExportMark, &DensityMark}) {
        if (mark != markInBuild_) {
            *mark = com::VariantFalse;
        }
    }
}

void Application::PropertyManagerPage2Handler_OnClose(std::int32_t Reason) {
    auto running = com::getRunningObject<host::ISldWorks>(host::HostClassName);
    ComPtr<host::IModelDoc2> document = running->ActiveDoc();
    if (Reason == host::CloseOkay) {
        // At most one completion: the first mark set, in this order.
        if (PropertiesMark != 0) {
            complete(PropertiesMark, [&] { writeBackCustomProperties(document); });
        } else if (NumberingMark != 0) {
            complete(NumberingMark, [&] { NumberDims(); });
        } else if (ExportMark != 0) {
            complete(ExportMark, [&] { packagefile(); });
        } else if (DensityMark != 0) {
            complete(DensityMark, [&] { applydensity(); });
        }
    } else {
        clearMarksOfClosedPage();
    }
    // Whatever the reason and whichever page, the unit converter's included.
    closeAllWorkbooks();
}

void Application::PropertyManagerPage2Handler_OnButtonPress(std::int32_t Id) {
    switch (Id) {
        case CalculateButton:
            Converter.calculate();
            break;
        case OptionsButton:
            properties::showOptionListEditor(spreadsheet(),
                                             ui::addinFile(properties::OptionsWorkbookForEditor));
            break;
        case LocationButton:
            package::showLocation();
            break;
        default:
            break;  // any other button, 1 included, does nothing
    }
}

void Application::PropertyManagerPage2Handler_OnOptionCheck(std::int32_t Id) {
    if (Id >= FirstQuantityOption && Id <= LastQuantityOption) {
        Converter.checkQuantity(Id, RowCounter);
    }
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
