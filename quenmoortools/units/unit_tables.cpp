#include "quenmoortools/units/unit_tables.h"

#include <utility>

namespace quenmoor::units {

namespace {

struct Unit {
    const char* label;
    double factor;
};

UnitQuantity quantity(const char* caption, std::int32_t optionId,
                      std::initializer_list<Unit> units) {
    UnitQuantity result{caption, optionId, {}, {}};
    result.labels.reserve(units.size());
    result.factors.reserve(units.size());
    for (const Unit& unit : units) {
        result.labels.emplace_back(unit.label);
        result.factors.push_back(unit.factor);
    }
    return result;
}

}  // namespace

// The factors are written as the published unit tables give them, so each is the double
// nearest to that decimal; the results users compare against depend on exactly these roundings.
// Two labels of one unit ("Joule" and "N.m", "psi" and "lbf/in2", ...) stay separate entries.
std::vector<UnitQuantity> buildUnitQuantities() {
    std::vector<UnitQuantity> quantities;
    quantities.reserve(6);
    quantities.push_back(quantity("Length", QuantityOptionIds[0],
                                  {{"meter", 1},
                                   {"mm", 1000},
                                   {"cm", 100},
                                   {"inch", 39.37},
                                   {"ft", 3.28},
                                   {"km", 0.001},
                                   {"mile", 0.0006214},
                                   {"yard", 1.094}}));
    quantities.push_back(quantity("Acceleration", QuantityOptionIds[1],
                                  {{"m/s2", 1},
                                   {"celo", 3.28084},
                                   {"in/s2", 39.370079},
                                   {"grav", 0.101972},
                                   {"leo", 0.1},
                                   {"gn", 0.101972},
                                   {"galileo", 100},
                                   {"centigal", 10000},
                                   {"mile/s2", 0.000621}}));
    quantities.push_back(quantity("Energy", QuantityOptionIds[2],
                                  {{"Joule", 1},
                                   {"N.m", 1},
                                   {"kWh", 0.000000278},
                                   {"cal", 0.2388},
                                   {"PS.h", 0.000000378},
                                   {"erg", 10000000},
                                   {"Btu", 0.000948},
                                   {"lbf.in", 8.85},
                                   {"kgf.m", 0.101972}}));
    quantities.push_back(quantity("Power", QuantityOptionIds[3],
                                  {{"W", 1},
                                   {"kw", 0.001},
                                   {"kkcal/h", 0.86},
                                   {"VA", 1},
                                   {"Hp", 0.00134},
                                   {"Btu/h", 3.414425},
                                   {"erg/sec", 10000000}}));
    quantities.push_back(quantity("Volume", QuantityOptionIds[4],
                                  {{"m3", 1},
                                   {"mm3", 1000000000},
                                   {"in3", 61023.6},
                                   {"ft3", 35.31},
                                   {"liter", 1000},
                                   {"gal(US)", 264.17},
                                   {"ounce(US)", 33814},
                                   {"barrel", 8.386}}));
    quantities.push_back(quantity("Pressure", QuantityOptionIds[5],
                                  {{"pa", 1},
                                   {"N/m2", 1},
                                   {"kfg/m2", 0.102},
                                   {"lbf/in2", 0.000145},
                                   {"psi", 0.000145},
                                   {"bar", 0.00001},
                                   {"atm", 0.00000987},
                                   {"mmHg", 0.0075},
                                   {"lb/ft2", 0.0208},
                                   {"dyne/cm2", 10}}));
    return quantities;
}

}  // namespace quenmoor::units
