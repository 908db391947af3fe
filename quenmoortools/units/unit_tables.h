#pragma once

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

// The six quantities in option-id order: Length, Acceleration, Energy, Power, Volume and
// Pressure, with ids 1 to 6. Labels keep the spellings the tool's users know, such as
// "kkcal/h" and "kfg/m2".
std::vector<UnitQuantity> buildUnitQuantities();

}  // namespace quenmoor::units
