#include "quenmoortools/addin/application.h"

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
    HostApp->SetAddinCallbackInfo(moduleHandle(), pageHandler(), AddinCookie);
    for (std::int32_t documentType : MenuAddOrder) {
        HostApp->AddMenu(documentType, std::string(MenuTitle), MenuPosition);
        for (const toolkit::MenuRow& row : ToolTable::menu(documentType)) {
            HostApp->AddMenuItem2(documentType, AddinCookie, std::string(row.text),
                                  MenuItemPosition, std::string(row.callback), "", "");
        }
    }
    // The connection sets no result, so the host always hears False.
    return com::VariantFalse;
}

VariantBool Application::SwAddin_DisconnectFromSW() {
    if (HostApp) {
        // A menu the host no longer has (False) is as good as removed.
        for (std::int32_t documentType : MenuRemoveOrder) {
            HostApp->RemoveMenu(documentType, std::string(MenuTitle), "");
        }
    }
    // HostApp is kept until the object goes, as the host may still call a command.
    return com::VariantFalse;
}

void Application::closeAllWorkbooks() {
    spreadsheet().Workbooks()->Close();
}

}  // namespace quenmoor::addin
