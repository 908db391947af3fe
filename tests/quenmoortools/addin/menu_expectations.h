#pragma once

#include <string>
#include <vector>

// The menus as the user must see them, in the order the add-in adds them.
namespace quenmoor::testsupport {

struct ExpectedItem {
    int documentType;
    std::string text;
    std::string callback;
};

inline const std::vector<ExpectedItem>& expectedMenuItems() {
    static const std::vector<ExpectedItem> items = {
        {2, "Custom Properties@Quenmoor", "tebrincallback"},
        {2, "Appearance Panel@Quenmoor", "Appearance"},
        {2, "Export Packagel@Quenmoor", "Pack"},
        {2, "Unit Converter@Quenmoor", "conversion"},
        {2, "help@Quenmoor", "help"},
        {2, "About@Quenmoor", "About"},
        {1, "Assign Material@Quenmoor", "MaterialDensity"},
        {1, "Custom Properties@Quenmoor", "tebrincallback"},
        {1, "Numerate Dimension Names@Quenmoor", "NumDims"},
        {1, "Appearance Panel@Quenmoor", "appearance"},
        {1, "Export Package@Quenmoor", "Pack"},
        {1, "Unit Converter@Quenmoor", "conversion"},
        {1, "About@Quenmoor", "About"},
        {1, "Help@Quenmoor", "Help"},
        {3, "Custom Properties@Quenmoor", "tebrincallback"},
        {3, "Export Package@Quenmoor", "Pack"},
        {3, "Unit Converter@Quenmoor", "conversion"},
        {3, "About@Quenmoor", "About"},
        {3, "Help@Quenmoor", "Help"},
    };
    return items;
}

}  // namespace quenmoor::testsupport
