#include "quenmoortools/addin/application.h"

#include "platform/com/activation.h"
#include "quenmoortools/addin/commands.h"

namespace quenmoor::addin {

namespace {

// The add-in library's load address: the module handle the host is given with the
// callback target.
std::int64_t moduleHandle() {
    static const int anchor = 0;
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&anchor));
}

}  // namespace

VariantBool Application::SwAddin_ConnectToSW(com::IDispatch* ThisSW, std::int32_t Cookie) {
    HostApp = ComPtr<com::IDispatch>(ThisSW).as<host::ISldWorks>("the host application object");
    AddinCookie = Cookie;

    // The results of these calls are not examined: a host that accepts a call but reports
    // False leaves the add-in connected as if all had succeeded.
    HostApp->SetAddinCallbackInfo(
        moduleHandle(), ComPtr<com::IDispatch>(static_cast<_Application*>(this)), AddinCookie);
    for (std::int32_t documentType : MenuAddOrder) {
        HostApp->AddMenu(documentType, std::string(MenuTitle), MenuPosition);
        for (const MenuItem& item : menuItems()) {
            if (item.documentType == documentType) {
                HostApp->AddMenuItem2(documentType, AddinCookie, std::string(item.text),
                                      MenuItemPosition, std::string(item.callback), "", "");
            }
        }
    }
    // The original never set its result, so the host always hears False.
    return com::VariantFalse;
}

VariantBool Application::SwAddin_DisconnectFromSW() {
    if (HostApp) {
        for (std::int32_t documentType : MenuRemoveOrder) {
            HostApp->RemoveMenu(documentType, std::string(MenuTitle), "");
        }
    }
    // HostApp is kept until the object goes, as the host may still call a command.
    return com::VariantFalse;
}

// The tools fill these in; until then a command does nothing.
void Application::MaterialDensity() {}
void Application::tebrincallback() {}
void Application::numdims() {}
void Application::help() {}
void Application::Appearance() {}
void Application::pack() {}
void Application::about() {}
void Application::conversion() {}
Variant Application::NumberDims() {
    return {};
}
Variant Application::packagefile() {
    return {};
}
Variant Application::applydensity() {
    return {};
}

void Application::PropertyManagerPage2Handler_OnClose(std::int32_t) {}
void Application::PropertyManagerPage2Handler_AfterClose() {}
VariantBool Application::PropertyManagerPage2Handler_OnHelp() {
    return com::VariantFalse;
}
void Application::PropertyManagerPage2Handler_OnGroupExpand(std::int32_t, VariantBool) {}
void Application::PropertyManagerPage2Handler_OnGroupCheck(std::int32_t, VariantBool) {}
void Application::PropertyManagerPage2Handler_OnCheckboxCheck(std::int32_t, VariantBool) {}
void Application::PropertyManagerPage2Handler_OnOptionCheck(std::int32_t) {}
void Application::PropertyManagerPage2Handler_OnButtonPress(std::int32_t) {}
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
