#pragma once

#include "quenmoortools/toolkit/tool.h"
#include "quenmoortools/units/unit_converter_page.h"

namespace quenmoor::units {

// "Unit Converter" as the add-in offers it: a page that only calculates, so OK completes
// nothing and the tool sets no mark.
struct UnitConverterTool {
    static constexpr toolkit::MenuRow Menu[] = {
        {2, 4, "Unit Converter@Quenmoor", "conversion"},
        {1, 6, "Unit Converter@Quenmoor", "conversion"},
        {3, 3, "Unit Converter@Quenmoor", "conversion"},
    };

    UnitConverterPage Converter;

    void conversion(toolkit::AddinState& addin);
    void calculate(toolkit::AddinState& addin);
    void checkQuantity(toolkit::AddinState& addin, std::int32_t id);

    static constexpr toolkit::Callback<UnitConverterTool> Callbacks[] = {
        {"conversion", &UnitConverterTool::conversion},
    };
    static constexpr toolkit::ButtonRoute<UnitConverterTool> Buttons[] = {
        {CalculateButtonId, &UnitConverterTool::calculate},
    };
    static constexpr toolkit::OptionRoute<UnitConverterTool> Options[] = {
        {QuantityOptionIds, &UnitConverterTool::checkQuantity},
    };
};

}  // namespace quenmoor::units
