#pragma once

#include <array>
#include <string>

#include "contracts/host/host_application.h"
#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/com_ptr.h"
#include "platform/com/variant.h"
#include "quenmoortools/properties/options_workbook.h"
#include "quenmoortools/toolkit/int16_counter.h"

namespace quenmoor::properties {

// The page's "Options" button; its press is routed to showOptionListEditor().
inline constexpr std::int32_t OptionsButtonId = 2;

// "Custom Properties": a page of nine document custom properties named in the options
// workbook, the first seven offered as choices from their lists, the last two as free
// text, with an "Options" button that opens the list editor. Everything here is replaced
// each time the page is built and read again by the write-back on OK.
struct CustomPropertiesPage {
    std::array<std::string, PropertyCount> PropertyNames;
    std::array<std::string, PropertyCount> PropertyValues;

    com::ComPtr<host::IPropertyManagerPageGroup> OptionsGroup;
    com::ComPtr<host::IPropertyManagerPageButton> OptionsButton;
    std::array<com::ComPtr<host::IPropertyManagerPageGroup>, PropertyCount> PropertyGroups;
    std::array<com::ComPtr<host::IPropertyManagerPageCombobox>, ChoiceListCount> PropertyChoices;
    std::array<com::ComPtr<host::IPropertyManagerPageTextbox>, PropertyCount - ChoiceListCount>
        PropertyTexts;

    // `tebrincallback` after its mark is set: creates the page into currentPage, reads the
    // names, the active document's values and the seven lists from the workbook at
    // workbookPath, shows the page and closes all workbooks. `row` is the add-in's row
    // counter. A failure ends it there with a ComError naming what is missing (no document,
    // the workbook, a sheet); the workbook then stays open until the next close of all.
    void build(host::ISldWorks& hostApp, com::ComPtr<com::IDispatch> handler,
               com::ComPtr<host::IPropertyManagerPage2>& currentPage,
               spreadsheet::Global& spreadsheet, const std::string& workbookPath,
               toolkit::Int16Counter& row);

    // The write-back on OK: deletes the nine properties from `document` and adds each
    // again as text (type 30) with the page's value. If any call fails, every property
    // it touched is put back as it was, with its old value and type, and the failure is
    // raised again.
    void writeBack(host::IModelDoc2& document);
};

// The active document the write-back works on, or a ComError saying none is open.
host::IModelDoc2& requireDocument(const com::ComPtr<host::IModelDoc2>& document);

}  // namespace quenmoor::properties
