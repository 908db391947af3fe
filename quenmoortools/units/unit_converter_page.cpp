#include "quenmoortools/units/unit_converter_page.h"

#include <algorithm>
#include <string>

#include "platform/com/com_error.h"
#include "quenmoortools/toolkit/property_page_builder.h"

namespace quenmoor::units {

namespace {

constexpr const char* PageTitle = "Unit Conversion";

constexpr std::int32_t UnitsGroupId = 80;
constexpr std::int32_t ConvertFromGroupId = 81;
constexpr std::int32_t CalculationGroupId = 82;
constexpr std::int32_t ConvertToGroupId = 83;

constexpr std::int32_t FromUnitListId = 43;
constexpr std::int32_t ToUnitListId = 44;
constexpr std::int32_t ValueBoxId = 25;
constexpr std::int32_t ResultBoxId = 26;

using Combobox = host::IPropertyManagerPageCombobox;
using Textbox = host::IPropertyManagerPageTextbox;

}  // namespace

void UnitConverterPage::build(host::ISldWorks& host, com::ComPtr<com::IDispatch> handler,
                              com::ComPtr<host::IPropertyManagerPage2>& currentPage) {
    UnitQuantities = buildUnitQuantities();
    const toolkit::PageBuilder page("Unit Converter", host, PageTitle, std::move(handler),
                                    currentPage);

    // The groups go in before any control, and "Convert To Conversion" (83) before
    // "calculation" (82), so the host shows them in this order.
    UnitsGroup = page.addGroup(UnitsGroupId, "Units");
    ConvertFromGroup = page.addGroup(ConvertFromGroupId, "Convert From");
    ConvertToGroup = page.addGroup(ConvertToGroupId, "Convert To Conversion");
    CalculationGroup = page.addGroup(CalculationGroupId, "calculation");

    for (std::size_t i = 0; i < QuantityOptions.size(); ++i) {
        const UnitQuantity& quantity = UnitQuantities[i];
        QuantityOptions[i] = page.addControl<host::IPropertyManagerPageOption>(
            *UnitsGroup, quantity.optionId, quantity.caption,
            "Unit Converter: the option \"" + quantity.caption + "\"");
    }
    FromUnitList = page.addControl<Combobox>(*ConvertFromGroup, FromUnitListId, "From",
                                             "Unit Converter: the From list");
    ToUnitList = page.addControl<Combobox>(*ConvertToGroup, ToUnitListId, "To",
                                           "Unit Converter: the To list");
    ValueBox = page.addControl<Textbox>(*CalculationGroup, ValueBoxId, "",
                                        "Unit Converter: the value box");
    ResultBox = page.addControl<Textbox>(*CalculationGroup, ResultBoxId, "",
                                         "Unit Converter: the result box");
    CalculateButton = page.addControl<host::IPropertyManagerPageButton>(
        *CalculationGroup, CalculateButtonId, "Calculate", "Unit Converter: the Calculate button");

    page.show();
}

void UnitConverterPage::checkQuantity(std::int32_t id, toolkit::Int16Counter& row) {
    const bool known = std::any_of(UnitQuantities.begin(), UnitQuantities.end(),
                                   [id](const UnitQuantity& q) { return q.optionId == id; });
    if (!known) {
        return;
    }
    requireBuilt("a quantity check");
    ActiveFactors.fill(0);
    FromUnitList->Clear();
    ToUnitList->Clear();
    SelectQuantity(UnitQuantities, ActiveFactors, id, row, [this](const std::string& label) {
        FromUnitList->AddItems(label);
        ToUnitList->AddItems(label);
    });
}

void UnitConverterPage::calculate() {
    requireBuilt("Calculate");
    const std::int16_t from = FromUnitList->CurrentSelection();
    const std::int16_t to = ToUnitList->CurrentSelection();
    const double ratio = factorRatio(ActiveFactors, from, to);
    const std::string result = convertValue(ValueBox->Text(), ratio);
    ResultBox->SetText(result);
}

void UnitConverterPage::requireBuilt(std::string_view action) const {
    if (!FromUnitList || !ToUnitList || !ValueBox || !ResultBox) {
        throw com::ComError(com::E_UNEXPECTED, "Unit Converter: " + std::string(action) +
                                                   " came before the page was opened");
    }
}

}  // namespace quenmoor::units
