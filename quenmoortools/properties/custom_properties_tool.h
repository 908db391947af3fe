#pragma once

#include "quenmoortools/properties/custom_properties_page.h"
#include "quenmoortools/toolkit/tool.h"

namespace quenmoor::properties {

// "Custom Properties" as the add-in offers it: `tebrincallback` shows the page, its
// "Options" button opens the list editor, and OK on it writes the values back into the
// document the page closed on.
struct CustomPropertiesTool {
    static constexpr toolkit::MenuRow Menu[] = {
        {2, 1, "Custom Properties@Quenmoor", "tebrincallback"},
        {1, 2, "Custom Properties@Quenmoor", "tebrincallback"},
        {3, 1, "Custom Properties@Quenmoor", "tebrincallback"},
    };

    CustomPropertiesPage Properties;
    com::VariantBool PropertiesMark = com::VariantFalse;
    static constexpr auto Mark = &CustomPropertiesTool::PropertiesMark;

    void tebrincallback(toolkit::AddinState& addin);
    void showOptions(toolkit::AddinState& addin);
    // The write-back.
    void complete(toolkit::AddinState& addin, const com::ComPtr<host::IModelDoc2>& document);

    static constexpr toolkit::Callback<CustomPropertiesTool> Callbacks[] = {
        {"tebrincallback", &CustomPropertiesTool::tebrincallback},
    };
    static constexpr toolkit::ButtonRoute<CustomPropertiesTool> Buttons[] = {
        {OptionsButtonId, &CustomPropertiesTool::showOptions},
    };
};

}  // namespace quenmoor::properties
