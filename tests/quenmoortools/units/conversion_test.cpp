// The unit tables and the arithmetic of one conversion, checked by the exact result texts a
// user sees.

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <utility>

#include "quenmoortools/units/unit_conversion.h"
#include "tests/support/com_error_of.h"

namespace quenmoor::units {
namespace {

using quenmoor::testsupport::comErrorOf;

FactorSlots selected(std::int32_t optionId) {
    FactorSlots slots{};
    toolkit::Int16Counter index;
    SelectQuantity(buildUnitQuantities(), slots, optionId, index, [](const std::string&) {});
    return slots;
}

struct Conversion {
    std::int32_t quantity;
    const char* value;
    std::int16_t from;
    std::int16_t to;
    const char* result;
};

TEST(UnitConversion, GivesTheExactTextOfEachConversion) {
    const Conversion cases[] = {
        {1, "1", 0, 3, "39.37"},  // meter to inch
        {1, "1", 0, 5, "0.001"},
        {1, "1", 5, 0, "1000"},
        {1, "1", 3, 1, "25.4000508001016"},  // inch to mm
        {1, "2", 3, 1, "50.8001016002032"},
        {1, "3", 4, 0, "0.914634146341463"},  // ft to meter
        {1, "1", 6, 0, "1609.26939169617"},
        // The quotient first: value x to / from would end in ...464 and ...746.
        {1, "3", 4, 1, "914.634146341463"},
        {1, "6", 3, 4, "0.499872999745999"},
        {6, "1", 4, 0, "6896.55172413793"},  // psi to pa
        {6, "1", 3, 4, "1"},
        {6, "1", 5, 6, "0.987"},  // bar to atm
        {4, "1", 4, 0, "746.268656716418"},
        {5, "1", 5, 4, "3.78544119317106"},
        {1, "12.5", 3, 3, "12.5"},
        {1, "007", 2, 2, "7"},
        {3, "12.5", 0, 1, "12.5"},  // Joule to N.m
        {1, "-2", 5, 0, "-2000"},
        {1, " \t1.5 ", 0, 0, "1.5"},
        {1, "+3", 0, 0, "3"},
        {1, "2.5E+2", 0, 0, "250"},
        {1, "-0", 0, 0, "0"},
        // Plain form from 1E-04 up to, not including, 1E+15, after rounding to 15 digits.
        {1, "999999999999999", 0, 0, "999999999999999"},
        {1, "1E12", 0, 1, "1E+15"},
        {1, "0.1", 0, 5, "0.0001"},
        {1, "0.01", 0, 5, "1E-05"},
        {1, "0.00009999999999999999", 0, 0, "0.0001"},
    };
    for (const Conversion& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " from " + std::to_string(c.from) + " to " +
                     std::to_string(c.to));
        EXPECT_EQ(ConvertValueText(selected(c.quantity), c.value, c.from, c.to), c.result);
    }
}

struct Failure {
    std::int32_t quantity;
    const char* value;
    std::int16_t from;
    std::int16_t to;
    com::HRESULT code;
    const char* named;
};

TEST(UnitConversion, FailsWithAnErrorThatSaysWhy) {
    const Failure cases[] = {
        {1, "abc", 0, 1, com::CTL_E_TYPEMISMATCH, "the value \"abc\" is not a number"},
        {1, "", 0, 1, com::CTL_E_TYPEMISMATCH, "the value \"\" is not a number"},
        {1, "1,5", 0, 1, com::CTL_E_TYPEMISMATCH, "\"1,5\""},  // the C locale's point only
        {1, "1E999", 0, 1, com::CTL_E_TYPEMISMATCH, "\"1E999\" is not a number within"},
        {1, "1", -1, 0, SubscriptOutOfRange, "no unit is chosen in the \"From\" list"},
        {1, "1", 51, 0, SubscriptOutOfRange, "index 51 is outside 0 to 50"},
        {1, "1", 8, 0, DivisionByZero, "index 8 has factor 0"},
        {5, "1E300", 0, 1, com::CTL_E_OVERFLOW, "\"1E300\" times the factor ratio 1000000000"},
    };
    for (const Failure& c : cases) {
        SCOPED_TRACE(c.value);
        const com::ComError e =
            comErrorOf([&] { ConvertValueText(selected(c.quantity), c.value, c.from, c.to); });
        EXPECT_EQ(e.code(), c.code);
        EXPECT_NE(e.description().find(c.named), std::string::npos) << e.description();
    }
}

TEST(UnitConversion, SlotsPastTheLastUnitOfTheQuantitySelectedLastHoldZero) {
    const auto quantities = buildUnitQuantities();
    FactorSlots slots{};
    toolkit::Int16Counter index;
    std::vector<std::string> labels;
    auto collect = [&](const std::string& label) { labels.push_back(label); };
    SelectQuantity(quantities, slots, 6, index, collect);
    ASSERT_NE(SelectQuantity(quantities, slots, 4, index, collect), nullptr);
    EXPECT_EQ(index.value(), 7);
    EXPECT_EQ(labels.size(), 17u);
    for (std::size_t i = 0; i < FactorSlotCount; ++i) {
        EXPECT_EQ(slots[i], i < 7 ? quantities[3].factors[i] : 0.0) << "slot " << i;
    }
    EXPECT_THROW(ConvertValueText(slots, "1", 8, 0), com::ComError);
    EXPECT_EQ(ConvertValueText(slots, "-2", 0, 8), "0");

    const FactorSlots before = slots;
    for (std::int32_t unknown : {0, 7}) {
        EXPECT_EQ(SelectQuantity(quantities, slots, unknown, index, collect), nullptr);
    }
    EXPECT_EQ(slots, before);
    EXPECT_EQ(labels.size(), 17u);
    EXPECT_EQ(index.value(), 7);
}

TEST(UnitTables, HoldSixQuantitiesWithOneFactorPerLabel) {
    const std::pair<const char*, std::size_t> expected[] = {{"Length", 8}, {"Acceleration", 9},
                                                            {"Energy", 9}, {"Power", 7},
                                                            {"Volume", 8}, {"Pressure", 10}};
    const auto quantities = buildUnitQuantities();
    ASSERT_EQ(quantities.size(), 6u);
    for (std::size_t q = 0; q < quantities.size(); ++q) {
        EXPECT_EQ(quantities[q].caption, expected[q].first);
        EXPECT_EQ(quantities[q].optionId, static_cast<std::int32_t>(q + 1));
        EXPECT_EQ(quantities[q].labels.size(), expected[q].second) << expected[q].first;
        EXPECT_EQ(quantities[q].factors.size(), expected[q].second) << expected[q].first;
    }
}

// Reading and writing follow the user's locale; only a locale the system has can show it.
TEST(UnitConversion, UsesTheDecimalCommaOfACommaLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool found = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        found = found ||
                (std::setlocale(LC_NUMERIC, name) != nullptr && com::decimalSeparator() == ',');
    }
    if (!found) {
        std::setlocale(LC_NUMERIC, previous.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed (see locale -a)";
    }
    const FactorSlots length = selected(1);
    EXPECT_EQ(ConvertValueText(length, " 0,5 ", 3, 1), "12,7000254000508");
    EXPECT_EQ(ConvertValueText(length, "1,5E-1", 0, 5), "0,00015");
    EXPECT_THROW(ConvertValueText(length, "1.5", 0, 1), com::ComError);
    std::setlocale(LC_NUMERIC, previous.c_str());
}

}  // namespace
}  // namespace quenmoor::units
