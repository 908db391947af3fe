#include "quenmoortools/addin/application.h"

#include "platform/com/activation.h"
#include "platform/com/com_error.h"
#include "quenmoortools/addin/commands.h"
#include "quenmoortools/appearance/attributes.h"
#include "quenmoortools/toolkit/host_access.h"
#include "quenmoortools/ui/about_box.h"
#include "quenmoortools/ui/module1.h"

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
    HostApp->SetAddinCallbackInfo(moduleHandle(),
                                  ComPtr<com::IDispatch>(static_cast<ApplicationInterface*>(this)),
                                  AddinCookie);
    for (std::int32_t documentType : MenuAddOrder) {
        HostApp->AddMenu(documentType, std::string(MenuTitle), MenuPosition);
        for (const MenuItem& item : menuItems()) {
            if (item.documentType == documentType) {
                HostApp->AddMenuItem2(documentType, AddinCookie, std::string(item.text),
                                      MenuItemPosition, std::string(item.callback), "", "");
            }
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

void Application::tebrincallback() {
    MarkedPageBuild build(*this, PropertiesMark);
    Properties.build(*HostApp, self(), CurrentPage, spreadsheet(),
                     ui::addinFile(properties::OptionsWorkbook), RowCounter);
    build.shown();
}

void Application::writeBackCustomProperties(const ComPtr<host::IModelDoc2>& document) {
    Properties.writeBack(properties::requireDocument(document));
}

void Application::Appearance() {
    appearance::showAppearance();
}

void Application::pack() {
    MarkedPageBuild build(*this, ExportMark);
    Export.build(*HostApp, self(), CurrentPage);
    build.shown();
}

Variant Application::packagefile() {
    Export.packagefile(HostApp);
    return {};
}

void Application::numdims() {
    MarkedPageBuild build(*this, NumberingMark);
    Numbering.build(*HostApp, self(), CurrentPage);
    build.shown();
}

Variant Application::NumberDims() {
    ComPtr<host::IModelDoc2> document = toolkit::runningHost()->ActiveDoc();
    if (!document) {
        throw com::ComError(com::CTL_E_OBJECTNOTSET,
                            "Numerate Dimension Names: no document is open");
    }
    dimensions::numberDimensions(*document, RowCounter);
    return {};
}

void Application::MaterialDensity() {
    MarkedPageBuild build(*this, DensityMark);
    Density.build(*HostApp, self(), CurrentPage, spreadsheet(),
                  ui::addinFile(density::MaterialWorkbook), RowCounter);
    build.shown();
}

Variant Application::applydensity() {
    Density.apply(spreadsheet(), ui::addinFile(density::MaterialWorkbook));
    return {};
}

void Application::help() {
    ui::ShowHelpTopic(ui::addinFile(ui::HelpFileName), ui::HelpContentsTopic);
}

void Application::about() {
    ui::showAbout();
}

void Application::conversion() {
    Converter.build(*HostApp, self(), CurrentPage);
}

spreadsheet::Global& Application::spreadsheet() {
    if (!SpreadsheetApplication) {
        SpreadsheetApplication =
            com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass);
    }
    return *SpreadsheetApplication;
}

void Application::closeAllWorkbooks() {
    spreadsheet().Workbooks()->Close();
}

Application::MarkedPageBuild::MarkedPageBuild(Application& application, VariantBool& mark)
    : application_(application), mark_(mark) {
    mark_ = com::VariantTrue;
    application_.markInBuild_ = &mark_;
}

Application::MarkedPageBuild::~MarkedPageBuild() {
    application_.markInBuild_ = nullptr;
    if (!shown_) {
        mark_ = com::VariantFalse;
    }
}

}  // namespace quenmoor::addin
