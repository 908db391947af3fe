// The events of every page the add-in opens arrive here. The pages are told apart only by
// the ids of their controls and by the marks their commands set.

#include <algorithm>

#include "contracts/host/host_codes.h"
#include "quenmoortools/addin/application.h"
#include "quenmoortools/package/package_path.h"
#include "quenmoortools/properties/set_options.h"
#include "quenmoortools/toolkit/host_access.h"
#include "quenmoortools/ui/module1.h"

namespace quenmoor::addin {

namespace {

// The buttons of the add-in's pages, by the id their tool gives them; the ids are unique
// among the pages. Any other button, 1 included, does nothing.
struct ButtonRoute {
    std::int32_t id;
    void (*press)(Application& application);
};

constexpr ButtonRoute ButtonRoutes[] = {
    {package::LocationButtonId, [](Application&) { package::showLocation(); }},
    {properties::OptionsButtonId,
     [](Application& application) {
         properties::showOptionListEditor(application.spreadsheet(),
                                          ui::addinFile(properties::OptionsWorkbookForEditor));
     }},
    {units::CalculateButtonId, [](Application& application) { application.Converter.calculate(); }},
};

// The option buttons of the add-in's pages: only the converter's quantities have any.
struct OptionRoute {
    std::span<const std::int32_t> ids;
    void (*check)(Application& application, std::int32_t id);
};

constexpr OptionRoute OptionRoutes[] = {
    {units::QuantityOptionIds,
     [](Application& application, std::int32_t id) {
         application.Converter.checkQuantity(id, application.RowCounter);
     }},
};

}  // namespace

// At most one completion runs on OK: that of the first mark set, in this order.
std::span<const Application::Completion> Application::completions() {
    static constexpr Completion table[] = {
        {&Application::PropertiesMark,
         [](Application& application, const ComPtr<host::IModelDoc2>& document) {
             application.writeBackCustomProperties(document);
         }},
        {&Application::NumberingMark,
         [](Application& application, const ComPtr<host::IModelDoc2>&) {
             application.NumberDims();
         }},
        {&Application::ExportMark,
         [](Application& application, const ComPtr<host::IModelDoc2>&) {
             application.packagefile();
         }},
        {&Application::DensityMark,
         [](Application& application, const ComPtr<host::IModelDoc2>&) {
             application.applydensity();
         }},
    };
    return table;
}

void Application::complete(const Completion& completion, const ComPtr<host::IModelDoc2>& document) {
    VariantBool& mark = this->*completion.mark;
    try {
        completion.run(*this, document);
    } catch (...) {
        // A failed completion must not run again at the next OK of another page.
        mark = com::VariantFalse;
        throw;
    }
    mark = com::VariantFalse;
}

void Application::clearMarksOfClosedPage() {
    for (const Completion& completion : completions()) {
        VariantBool& mark = this->*completion.mark;
        if (&mark != markInBuild_) {
            mark = com::VariantFalse;
        }
    }
}

void Application::PropertyManagerPage2Handler_OnClose(std::int32_t Reason) {
    ComPtr<host::IModelDoc2> document = toolkit::runningHost()->ActiveDoc();
    if (Reason == host::CloseOkay) {
        const auto marked = completions();
        const auto first = std::ranges::find_if(
            marked, [this](const Completion& completion) { return this->*completion.mark != 0; });
        if (first != marked.end()) {
            complete(*first, document);
        }
    } else {
        clearMarksOfClosedPage();
    }
    // Whatever the reason and whichever page, the unit converter's included.
    closeAllWorkbooks();
}

void Application::PropertyManagerPage2Handler_OnButtonPress(std::int32_t Id) {
    const auto route = std::ranges::find(ButtonRoutes, Id, &ButtonRoute::id);
    if (route != std::ranges::end(ButtonRoutes)) {
        route->press(*this);
    }
}

void Application::PropertyManagerPage2Handler_OnOptionCheck(std::int32_t Id) {
    for (const OptionRoute& route : OptionRoutes) {
        if (std::ranges::find(route.ids, Id) != route.ids.end()) {
            route.check(*this, Id);
        }
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
