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

constexpr com::VersionEntry versionInfo[] = {
    {"CompanyName", "Quenmoor Systems"},
    {"FileDescription", "Spreadsheet application for the Quenmoor Tools add-in"},
    {"FileVersion", "1.0.0.0"},
    {"InternalName", "workbook"},
    {"OriginalFilename", "workbook.so"},
    {"OLESelfRegister", ""},
    {nullptr, nullptr},
};

const com::ServerModule serverModule{classes, interfaces, nullptr, versionInfo};

}  // namespace
}  // namespace quenmoor::workbook::automation

const quenmoor::com::ServerModule& quenmoor::com::thisServer() {
    return quenmoor::workbook::automation::serverModule;
}
