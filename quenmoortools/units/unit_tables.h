#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quenmoor::units {

// One physical quantity of the converter. A factor says how many of its unit make one base
// unit, the unit at index 0, whose factor is 1; labels and factors have the same length.
struct UnitQuantity {
    std::string caption;
    std::int32_t optionId;
    std::vector<std::string> labels;
    std::vector<double> factors;
};

// The ids of the quantities' option buttons on the converter page, in the order of the
// quantities below.
inline constexpr std::array<std::int32_t, 6> QuantityOptionIds = {1, 2, 3, 4, 5, 6};

// The six quantities in option-id order: Length, Acceleration, Energy, Power, Volume and
// Pressure, with ids 1 to 6. Labels keep the spellings the tool's users know, such as
// "kkcal/h" and "kfg/m2".
std::vector<UnitQuantity> buildUnitQuantities();

}  // namespace quenmoor::units
