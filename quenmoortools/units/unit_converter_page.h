#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "contracts/host/host_application.h"
#include "platform/com/com_ptr.h"
#include "platform/com/variant.h"
#include "quenmoortools/toolkit/int16_counter.h"
#include "quenmoortools/units/unit_conversion.h"
#include "quenmoortools/units/unit_tables.h"

namespace quenmoor::units {

// The page's "Calculate" button; its press is routed to calculate().
inline constexpr std::int32_t CalculateButtonId = 55;

// "Unit Converter": a page of six quantity options, a "From" and a "To" list of units, a
// value box, a result box and a "Calculate" button. The page only calculates; it reads and
// writes nothing in any document. Every reference is replaced each time the page is built
// and kept after the page has closed; the factors live as long as the object.
class UnitConverterPage {
public:
    // `conversion`: builds the tables afresh, creates the page with `handler` as its event
    // handler, stores it in currentPage, adds the groups and controls and shows the page.
    // Checks no quantity and chooses no unit; ActiveFactors keeps what it held.
    void build(host::ISldWorks& host, com::ComPtr<com::IDispatch> handler,
               com::ComPtr<host::IPropertyManagerPage2>& currentPage);

    // The check of quantity option 1 to 6: empties both lists and fills them, and
    // ActiveFactors, with that quantity's units, counting them in `row` (the add-in's row
    // counter). Other ids do nothing.
    void checkQuantity(std::int32_t id, toolkit::Int16Counter& row);

    // The "Calculate" press: converts the value box from the chosen "From" unit to the
    // chosen "To" unit into the result box. A failure leaves the result box as it was.
    void calculate();

    std::vector<UnitQuantity> UnitQuantities = buildUnitQuantities();
    FactorSlots ActiveFactors{};

    com::ComPtr<host::IPropertyManagerPageGroup> UnitsGroup;
    com::ComPtr<host::IPropertyManagerPageGroup> ConvertFromGroup;
    com::ComPtr<host::IPropertyManagerPageGroup> ConvertToGroup;
    com::ComPtr<host::IPropertyManagerPageGroup> CalculationGroup;
    std::array<com::ComPtr<host::IPropertyManagerPageOption>, QuantityOptionIds.size()>
        QuantityOptions;
    com::ComPtr<host::IPropertyManagerPageCombobox> FromUnitList;
    com::ComPtr<host::IPropertyManagerPageCombobox> ToUnitList;
    com::ComPtr<host::IPropertyManagerPageTextbox> ValueBox;
    com::ComPtr<host::IPropertyManagerPageTextbox> ResultBox;
    com::ComPtr<host::IPropertyManagerPageButton> CalculateButton;

private:
    void requireBuilt(std::string_view action) const;
};

}  // namespace quenmoor::units
