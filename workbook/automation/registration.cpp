// The library's identity and entry points: the spreadsheet application's global object,
// under the class id and ProgID the add-in creates it by.

#include "platform/com/server_module.h"
#include "workbook/automation/spreadsheet_objects.h"

namespace quenmoor::workbook::automation {
namespace {

using com::ClassEntry;
using com::InterfaceEntry;

com::ComPtr<com::IUnknown> createGlobal() {
    return GlobalObject::create().as<com::IUnknown>("Spreadsheet application global object");
}

const ClassEntry classes[] = {
    {spreadsheet::SpreadsheetGlobalClass, "Spreadsheet application global object", "Excel.Global",
     "Apartment", &createGlobal},
};

const InterfaceEntry interfaces[] = {
    {spreadsheet::Global::iid, "Global"},     {spreadsheet::Workbooks::iid, "Workbooks"},
    {spreadsheet::Workbook::iid, "Workbook"}, {spreadsheet::Worksheet::iid, "Worksheet"},
    {spreadsheet::Range::iid, "Range"},
};

const com::ServerModule serverModule{classes, interfaces, nullptr};

constexpr com::VersionEntry versionInfo[] = {
    {"CompanyName", "Quenmoor Systems"},
    {"FileDescription", "Spreadsheet application for the Quenmoor Tools add-in"},
    {"FileVersion", "1.0.0.0"},
    {"InternalName", "workbook"},
    {"OriginalFilename", "workbook.so"},
    {"OLESelfRegister", ""},
    {nullptr, nullptr},
};

}  // namespace
}  // namespace quenmoor::workbook::automation

using quenmoor::com::Guid;
using quenmoor::com::HRESULT;

extern "C" {

QUENMOOR_EXPORT HRESULT DllGetClassObject(const Guid& clsid, const Guid& riid, void** object) {
    return quenmoor::com::getClassObject(quenmoor::workbook::automation::serverModule, clsid, riid,
                                         object);
}

QUENMOOR_EXPORT HRESULT DllCanUnloadNow() {
    return quenmoor::com::canUnloadNow();
}

QUENMOOR_EXPORT HRESULT DllRegisterServer() {
    return quenmoor::com::registerServer(quenmoor::workbook::automation::serverModule,
                                         reinterpret_cast<const void*>(&DllRegisterServer));
}

QUENMOOR_EXPORT HRESULT DllUnregisterServer() {
    return quenmoor::com::unregisterServer(quenmoor::workbook::automation::serverModule);
}

QUENMOOR_EXPORT const quenmoor::com::VersionEntry* DllGetVersionInfo() {
    return quenmoor::workbook::automation::versionInfo;
}
}
