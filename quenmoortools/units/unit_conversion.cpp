#include "quenmoortools/units/unit_conversion.h"

#include <cmath>
#include <optional>

#include "platform/com/com_error.h"

namespace quenmoor::units {

namespace {

constexpr std::string_view Context = "Unit Converter: ";

double factorAt(const FactorSlots& ActiveFactors, std::int16_t index, std::string_view list) {
    if (index < 0) {
        throw com::ComError(SubscriptOutOfRange,
                            std::string(Context) + "no unit is chosen in the \"" +
                                std::string(list) + "\" list (index " + std::to_string(index) +
                                " is outside 0 to 50)");
    }
    if (static_cast<std::size_t>(index) >= FactorSlotCount) {
        throw com::ComError(SubscriptOutOfRange, std::string(Context) + "the \"" +
                                                     std::string(list) + "\" unit index " +
                                                     std::to_string(index) + " is outside 0 to 50");
    }
    return ActiveFactors[static_cast<std::size_t>(index)];
}

}  // namespace

const UnitQuantity* SelectQuantity(const std::vector<UnitQuantity>& UnitQuantities,
                                   FactorSlots& ActiveFactors, std::int32_t optionId,
                                   toolkit::Int16Counter& index, const LabelSink& yieldLabel) {
    const UnitQuantity* selected = nullptr;
    for (const UnitQuantity& quantity : UnitQuantities) {
        if (quantity.optionId == optionId) {
            selected = &quantity;
            break;
        }
    }
    if (selected == nullptr) {
        return nullptr;
    }
    ActiveFactors.fill(0);
    const auto count = static_cast<std::int32_t>(selected->labels.size());
    for (index.set(0); index.value() < count; index.increment("unit index")) {
        const auto i = static_cast<std::size_t>(index.value());
        yieldLabel(selected->labels[i]);
        if (i >= FactorSlotCount) {
            throw com::ComError(SubscriptOutOfRange,
                                std::string(Context) + selected->caption + " has more than " +
                                    std::to_string(FactorSlotCount) + " units; \"" +
                                    selected->labels[i] + "\" has no factor slot");
        }
        ActiveFactors[i] = selected->factors[i];
    }
    return selected;
}

double factorRatio(const FactorSlots& ActiveFactors, std::int16_t fromIndex, std::int16_t toIndex) {
    const double from = factorAt(ActiveFactors, fromIndex, "From");
    const double to = factorAt(ActiveFactors, toIndex, "To");
    if (from == 0) {
        throw com::ComError(DivisionByZero, std::string(Context) +
                                                "division by zero: the \"From\" unit at index " +
                                                std::to_string(fromIndex) +
                                                " has factor 0 (the quantity checked last has "
                                                "no unit there)");
    }
    const double ratio = to / from;
    if (!std::isfinite(ratio)) {
        throw com::ComError(com::CTL_E_OVERFLOW,
                            std::string(Context) + "overflow: the factor ratio of unit " +
                                std::to_string(toIndex) + " to unit " + std::to_string(fromIndex) +
                                " is beyond the range of a Double");
    }
    return ratio;
}

std::string convertValue(std::string_view valueText, double ratio) {
    const std::optional<double> value = com::parseDouble(valueText);
    if (!value) {
        throw com::ComError(
            com::CTL_E_TYPEMISMATCH,
            std::string(Context) + "the value \"" + std::string(valueText) + "\" is not a number");
    }
    if (!std::isfinite(*value)) {
        throw com::ComError(com::CTL_E_TYPEMISMATCH,
                            std::string(Context) + "the value \"" + std::string(valueText) +
                                "\" is not a number within the range of a Double");
    }
    // An infinite product fails rather than become text, so the result box never shows a
    // value that is not one.
    const double product = *value * ratio;
    if (!std::isfinite(product)) {
        throw com::ComError(com::CTL_E_OVERFLOW,
                            std::string(Context) + "overflow: the value \"" +
                                std::string(valueText) + "\" times the factor ratio " +
                                com::formatDouble(ratio) + " is beyond the range of a Double");
    }
    return com::formatDouble(product);
}

std::string ConvertValueText(const FactorSlots& ActiveFactors, std::string_view valueText,
                             std::int16_t fromIndex, std::int16_t toIndex) {
    return convertValue(valueText, factorRatio(ActiveFactors, fromIndex, toIndex));
}

}  // namespace quenmoor::units
