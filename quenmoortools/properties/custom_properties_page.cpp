#include "quenmoortools/properties/custom_properties_page.h"

#include <optional>
#include <vector>

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "quenmoortools/toolkit/host_access.h"
#include "quenmoortools/toolkit/property_page_builder.h"
#include "quenmoortools/toolkit/spreadsheet_calls.h"

namespace quenmoor::properties {

namespace {

constexpr std::int32_t OptionsGroupId = 99;
constexpr std::int32_t FirstPropertyGroupId = 100;
constexpr const char* ControlTip = "First property";

// What a property was before the write-back deleted it. Its type comes from the host's
// GetCustomInfoType3 where the document offers it; otherwise the value was text.
struct SavedProperty {
    std::string name;
    std::string value;
    std::int32_t type = host::CustomInfoText;
    bool touched = false;  // its delete went through
    bool existed = false;  // and removed it
};

std::int32_t propertyType(const com::ComPtr<com::IDispatch>& document, const std::string& name) {
    try {
        return com::call(document, "GetCustomInfoType3", "", name).toInt32();
    } catch (const com::ComError&) {
        return host::CustomInfoText;
    }
}

void restore(host::IModelDoc2& document, const std::vector<SavedProperty>& saved) {
    // Each property is put back on its own, so one that fails does not keep the others
    // from their old values. Backwards, because a name given twice was only removed by its
    // first delete: the later entry must not delete what the earlier one puts back.
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
        const SavedProperty& property = *it;
        if (!property.touched) {
            continue;
        }
        try {
            // Whether there was one to delete does not matter: the saved one goes back.
            document.DeleteCustomInfo2("", property.name);
            if (property.existed) {
                document.AddCustomInfo3("", property.name, property.type, property.value);
            }
        } catch (const com::ComError&) {
        }
    }
}

}  // namespace

host::IModelDoc2& requireDocument(const com::ComPtr<host::IModelDoc2>& document) {
    if (!document) {
        throw com::ComError(com::CTL_E_OBJECTNOTSET,
                            "Custom Properties: no document is open to hold the properties");
    }
    return *document;
}

void CustomPropertiesPage::build(host::ISldWorks& hostApp, com::ComPtr<com::IDispatch> handler,
                                 com::ComPtr<host::IPropertyManagerPage2>& currentPage,
                                 spreadsheet::Global& spreadsheet, const std::string& workbookPath,
                                 toolkit::Int16Counter& row) {
    const toolkit::PageBuilder page("Custom Properties", hostApp, "Quenmoor", std::move(handler),
                                    currentPage);
    auto document = toolkit::runningHost()->ActiveDoc();

    spreadsheet.Workbooks()->Open(workbookPath);
    spreadsheet.Worksheets(PropertiesSheet)->Activate();
    const auto cells = com::lateBound(spreadsheet);
    for (int i = 0; i < PropertyCount; ++i) {
        PropertyNames[i] = toolkit::cellValue(cells, i + 1, ListColumn).toText();
    }
    if (!document) {
        throw com::ComError(com::CTL_E_OBJECTNOTSET,
                            "Custom Properties: no document is open to read the properties of");
    }
    const auto documentByName = com::lateBound(*document);
    for (int i = 0; i < PropertyCount; ++i) {
        PropertyValues[i] = com::call(documentByName, "CustomInfo2", "", PropertyNames[i]).toText();
    }

    OptionsGroup = page.addGroup(OptionsGroupId, "Options");
    OptionsButton = page.addControl<host::IPropertyManagerPageButton>(
        *OptionsGroup, OptionsButtonId, "Options", "the Options button");

    for (int i = 0; i < PropertyCount; ++i) {
        PropertyGroups[i] = page.addGroup(FirstPropertyGroupId + i, PropertyNames[i]);
        const std::string number = std::to_string(i + 1);
        if (i < ChoiceListCount) {
            PropertyChoices[i] = page.addControl<host::IPropertyManagerPageCombobox>(
                *PropertyGroups[i], i, "", "the choice box of property " + number, ControlTip);
            if (!PropertyValues[i].empty()) {
                PropertyChoices[i]->AddItems(PropertyValues[i]);
            }
        } else {
            auto& text = PropertyTexts[i - ChoiceListCount];
            text = page.addControl<host::IPropertyManagerPageTextbox>(
                *PropertyGroups[i], i, "", "the text box of property " + number, ControlTip);
            if (!PropertyValues[i].empty()) {
                text->SetText(PropertyValues[i]);
            }
        }
    }

    for (int k = 1; k <= ChoiceListCount; ++k) {
        const std::string sheet = listSheetName(k);
        spreadsheet.Worksheets(sheet)->Activate();
        auto& choices = *PropertyChoices[k - 1];
        readList(cells, row, workbookPath + ", sheet " + sheet,
                 [&](const com::Variant& value) { choices.AddItems(value.toText()); });
    }

    row.set(1);
    page.show();
    spreadsheet.Workbooks()->Close();
}

void CustomPropertiesPage::writeBack(host::IModelDoc2& document) {
    for (int i = 0; i < ChoiceListCount; ++i) {
        if (!PropertyChoices[i]) {
            throw com::ComError(com::E_UNEXPECTED,
                                "Custom Properties: the properties page was never built");
        }
    }
    const auto documentByName = com::lateBound(document);
    std::vector<SavedProperty> saved;
    saved.reserve(PropertyCount);
    try {
        for (const std::string& name : PropertyNames) {
            SavedProperty& property = saved.emplace_back();
            property.name = name;
            property.value = com::call(documentByName, "CustomInfo2", "", name).toText();
            property.type = propertyType(documentByName, name);
        }
        for (SavedProperty& property : saved) {
            property.existed = document.DeleteCustomInfo2("", property.name);
            property.touched = true;
        }
        for (int i = 0; i < PropertyCount; ++i) {
            std::string value;
            if (i < ChoiceListCount) {
                auto& choices = *PropertyChoices[i];
                value = choices.ItemText(choices.CurrentSelection());
            } else {
                value = PropertyTexts[i - ChoiceListCount]->Text();
            }
            // False comes only for a name listed twice, already added: its first value stands.
            document.AddCustomInfo3("", PropertyNames[i], host::CustomInfoText, value);
        }
    } catch (...) {
        restore(document, saved);
        throw;
    }
}

}  // namespace quenmoor::properties
