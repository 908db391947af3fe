#include "quenmoortools/density/material_density.h"

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "quenmoortools/toolkit/host_access.h"
#include "quenmoortools/toolkit/property_page_builder.h"
#include "quenmoortools/toolkit/spreadsheet_calls.h"

namespace quenmoor::density {

namespace {

constexpr std::int32_t DensityGroupId = 222;
constexpr std::int32_t MaterialListId = 223;
constexpr std::int32_t NameColumn = 1;
constexpr std::int32_t DensityColumn = 3;

}  // namespace

void DensityPage::build(host::ISldWorks& hostApp, com::ComPtr<com::IDispatch> handler,
                        com::ComPtr<host::IPropertyManagerPage2>& currentPage,
                        spreadsheet::Global& spreadsheet, const std::string& workbookPath,
                        toolkit::Int16Counter& row) {
    spreadsheet.Workbooks()->Open(workbookPath);
    const toolkit::PageBuilder page("Assign Material", hostApp, "Quenmoor", std::move(handler),
                                    currentPage);
    // The document is not needed to fill the page; asking the running host for it stops the
    // build early when no host is registered as running.
    toolkit::runningHost()->ActiveDoc();
    DensityGroup = page.addGroup(DensityGroupId, "Materials");
    MaterialList = page.addControl<host::IPropertyManagerPageCombobox>(
        *DensityGroup, MaterialListId, "", "the material list");
    spreadsheet.Worksheets("Density")->Activate();

    // Row 1 is always a material, even when empty; the first empty cell below ends the list.
    toolkit::CellReader cell(com::lateBound(spreadsheet));
    const com::Variant empty("");
    row.set(1);
    do {
        MaterialList->AddItems(cell(row.value(), NameColumn).toText());
        row.increment("material.xls, sheet Density: row");
    } while (!(cell(row.value(), NameColumn) == empty));

    row.set(1);
    page.show();
    spreadsheet.Workbooks()->Close();
}

void DensityPage::apply(spreadsheet::Global& spreadsheet, const std::string& workbookPath) {
    if (!MaterialList) {
        throw com::ComError(com::E_UNEXPECTED,
                            "Assign Material: the material page was never opened");
    }
    // Nothing chosen names no row: nothing is read and nothing is written.
    const std::int16_t chosen = MaterialList->CurrentSelection();
    if (chosen < 0) {
        throw com::ComError(com::E_INVALIDARG,
                            "Assign Material: no material is chosen, so no density was written");
    }
    auto hostApp = toolkit::hostByProgId();
    spreadsheet.Workbooks()->Open(workbookPath);
    try {
        auto document = hostApp->ActiveDoc();
        if (!document) {
            throw com::ComError(com::CTL_E_OBJECTNOTSET,
                                "Assign Material: no document is open to take the density");
        }
        spreadsheet.Worksheets("density")->Activate();
        const std::int32_t row = chosen + 1;
        const com::Variant cell =
            toolkit::cellValue(com::lateBound(spreadsheet), row, DensityColumn);
        double density = 0;
        try {
            density = cell.toDouble();
        } catch (const com::ComError& e) {
            throw com::ComError(e.code(), workbookPath + ", sheet Density, row " +
                                              std::to_string(row) + ": the density \"" +
                                              cell.toText() + "\" in column C is not a number");
        }
        // The host answers False only for a preference it does not keep; density it keeps.
        document->SetUserPreferenceDoubleValue(host::PreferenceMaterialDensity, density);
    } catch (...) {
        // Nothing was written; the workbook is not left open behind the failure.
        spreadsheet.Workbooks()->Close();
        throw;
    }
    spreadsheet.Workbooks()->Close();
}

}  // namespace quenmoor::density
