#include "quenmoortools/units/unit_converter_page.h"

#include <algorithm>
#include <string>

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"

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
constexpr std::int32_t CalculateButtonId = 55;

com::ComPtr<host::IPropertyManagerPageGroup> addGroup(host::IPropertyManagerPage2& page,
                                                      std::int32_t id, const std::string& caption) {
    auto group = page.AddGroupBox(id, caption, host::GroupOptionsVisibleExpanded);
    if (!group) {
        throw com::ComError(com::E_FAIL,
                            "Unit Converter: the host gave no group \"" + caption + "\"");
    }
    return group;
}

com::ComPtr<com::IDispatch> addControl(host::IPropertyManagerPageGroup& group, std::int32_t id,
                                       std::int32_t type, std::string caption) {
    return group.AddControl(id, type, std::move(caption), host::ControlAlignLeft,
                            host::ControlOptionsVisibleEnabled, "");
}

}  // namespace

void UnitConverterPage::build(host::ISldWorks& host, com::ComPtr<com::IDispatch> handler,
                              com::ComPtr<host::IPropertyManagerPage2>& currentPage) {
    UnitQuantities = buildUnitQuantities();
    // The host's error code is not examined; a page it could not make comes back empty.
    currentPage =
        host.CreatePropertyManagerPage(PageTitle, host::PageOptionsOkayCancel, std::move(handler));
    if (!currentPage) {
        throw com::ComError(com::E_FAIL, std::string("Unit Converter: the host gave no page \"") +
                                             PageTitle + "\"");
    }

    // The groups go in before any control, and "Convert To Conversion" (83) before
    // "calculation" (82), so the host shows them in this order.
    UnitsGroup = addGroup(*currentPage, UnitsGroupId, "Units");
    ConvertFromGroup = addGroup(*currentPage, ConvertFromGroupId, "Convert From");
    ConvertToGroup = addGroup(*currentPage, ConvertToGroupId, "Convert To Conversion");
    CalculationGroup = addGroup(*currentPage, CalculationGroupId, "calculation");

    for (std::size_t i = 0; i < QuantityOptions.size(); ++i) {
        const UnitQuantity& quantity = UnitQuantities[i];
        QuantityOptions[i] =
            addControl(*UnitsGroup, quantity.optionId, host::ControlOption, quantity.caption)
                .as<host::IPropertyManagerPageOption>("Unit Converter: the option \"" +
                                                      quantity.caption + "\"");
    }
    FromUnitList = addControl(*ConvertFromGroup, FromUnitListId, host::ControlCombobox, "From")
                       .as<host::IPropertyManagerPageCombobox>("Unit Converter: the From list");
    ToUnitList = addControl(*ConvertToGroup, ToUnitListId, host::ControlCombobox, "To")
                     .as<host::IPropertyManagerPageCombobox>("Unit Converter: the To list");
    ValueBox = addControl(*CalculationGroup, ValueBoxId, host::ControlTextbox, "")
                   .as<host::IPropertyManagerPageTextbox>("Unit Converter: the value box");
    ResultBox = addControl(*CalculationGroup, ResultBoxId, host::ControlTextbox, "")
                    .as<host::IPropertyManagerPageTextbox>("Unit Converter: the result box");
    CalculateButton =
        addControl(*CalculationGroup, CalculateButtonId, host::ControlButton, "Calculate")
            .as<host::IPropertyManagerPageButton>("Unit Converter: the Calculate button");

    currentPage->Show();
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
