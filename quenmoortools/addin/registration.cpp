// The library's identity and its entry points: the class the host creates, the interfaces
// and type library it lists, and the version entries `regsvr --info` shows.

#include "platform/com/server_module.h"
#include "quenmoortools/addin/application.h"

namespace quenmoor::addin {
namespace {

using com::ClassEntry;
using com::InterfaceEntry;
using com::TypeLibraryEntry;

com::ComPtr<com::IUnknown> createApplication() {
    return Application::create().as<com::IUnknown>("Application");
}

constexpr TypeLibraryEntry typeLibrary{com::guid("{26C42415-1BCE-49D3-A221-FE10B009CF94}"),
                                       "Quenmoor_Systems", "1.0", "0"};

const ClassEntry classes[] = {
    {ApplicationClass, "Application", ApplicationProgId, "Apartment", &createApplication},
};

// Only the library's own interface: SwAddin and PropertyManagerPage2Handler, which the
// Application class also implements, are the host's, and their keys are the host's to
// write and to remove.
const InterfaceEntry interfaces[] = {
    {ApplicationInterface::iid, "_Application"},
};

// The library's version resource, field by field; installers and `regsvr --info` read it.
constexpr com::VersionEntry versionInfo[] = {
    {"CompanyName", "Solidworks"},     {"ProductName", "tebrin"},
    {"FileVersion", "1.00"},           {"ProductVersion", "1.00"},
    {"InternalName", "quenmoortools"}, {"OriginalFilename", "quenmoortools.dll"},
    {"OLESelfRegister", ""},           {nullptr, nullptr},
};

const com::ServerModule serverModule{classes, interfaces, &typeLibrary, versionInfo};

}  // namespace
}  // namespace quenmoor::addin

const quenmoor::com::ServerModule& quenmoor::com::thisServer() {
    return quenmoor::addin::serverModule;
}
