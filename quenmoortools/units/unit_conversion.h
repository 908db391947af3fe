#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/hresult.h"
#include "platform/com/variant.h"
#include "quenmoortools/toolkit/int16_counter.h"
#include "quenmoortools/units/unit_tables.h"

namespace quenmoor::units {

// The factors of the quantity selected last, by unit index; the slots past its last unit
// hold 0. There are 51 slots, 0 to 50, so a quantity has at most 51 units.
inline constexpr std::size_t FactorSlotCount = 51;
using FactorSlots = std::array<double, FactorSlotCount>;

// Run-time errors 9 and 11 of the automation language, which the converter's arithmetic
// raises; the host shows these numbers to the user.
inline constexpr com::HRESULT SubscriptOutOfRange = com::CTL_E_SUBSCRIPTOUTOFRANGE;
inline constexpr com::HRESULT DivisionByZero = com::CTL_E_DIVISIONBYZERO;

// Called with each unit label of a selected quantity, in list order.
using LabelSink = std::function<void(const std::string&)>;

// For an option id from 1 to 6: clears every slot of ActiveFactors, then for each unit in
// order hands its label to yieldLabel and sets its slot to its factor, counting the units in
// `index` (the add-in's row counter), which ends at the unit count. Returns the quantity, or
// null for any other id, which changes nothing. A unit past slot 50 fails with
// SubscriptOutOfRange after its label was handed on.
const UnitQuantity* SelectQuantity(const std::vector<UnitQuantity>& UnitQuantities,
                                   FactorSlots& ActiveFactors, std::int32_t optionId,
                                   toolkit::Int16Counter& index, const LabelSink& yieldLabel);

// The ratio of the to-factor to the from-factor, rounded to a double on its own. Each
// ComError names the unit concerned: SubscriptOutOfRange for an index outside 0 to 50
// (-1 is "no unit chosen"), DivisionByZero for a from-factor of 0, CTL_E_OVERFLOW for a
// ratio beyond the range of a double.
double factorRatio(const FactorSlots& ActiveFactors, std::int16_t fromIndex, std::int16_t toIndex);

// Reads valueText by the locale's conventions, multiplies it by ratio (one rounding) and
// gives the product as the automation runtime writes a double. CTL_E_TYPEMISMATCH quoting
// the text when it is not a number or lies beyond the range of a double; CTL_E_OVERFLOW
// naming the value when the product does.
std::string convertValue(std::string_view valueText, double ratio);

// The whole calculation: the quotient of the factors first, then its product with the value,
// never value x to-factor / from-factor, whose roundings differ.
std::string ConvertValueText(const FactorSlots& ActiveFactors, std::string_view valueText,
                             std::int16_t fromIndex, std::int16_t toIndex);

}  // namespace quenmoor::units
