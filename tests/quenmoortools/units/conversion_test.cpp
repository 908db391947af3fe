// The unit tables and the arithmetic of one conversion, checked by the exact result texts a
// user sees.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "quenmoortools/units/unit_conversion.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"

namespace quenmoor::units {
namespace {

using quenmoor::testsupport::comErrorOf;

FactorSlots selected(std::int32_t optionId) {
    FactorSlots slots{};
    toolkit::Int16Counter index;
    SelectQuantity(buildUnitQuantities(), slots, optionId, index, [](const std::string&) {});
    return slots;
}

// One conversion of a quantity (its option id) from one unit index to another.
struct Conversion {
    const char* name;
    std::int32_t quantity;
    const char* value;
    std::int16_t from;
    std::int16_t to;
    const char* result;
};

class ConversionTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConversionTest, GivesTheExactTextTheUserReads) {
    const Conversion& c = GetParam();
    EXPECT_EQ(ConvertValueText(selected(c.quantity), c.value, c.from, c.to), c.result);
}

// The quotient of the factors first, since value x to / from would end in ...464 and
// ...746. The result's text is Variant's of a Double (value_test's rows).
INSTANTIATE_TEST_SUITE_P(
    UnitConversion, ConversionTest,
    ::testing::Values(Conversion{"InchToMillimeter", 1, "1", 3, 1, "25.4000508001016"},
                      Conversion{"FeetToMeter", 1, "3", 4, 0, "0.914634146341463"},
                      Conversion{"MileToMeter", 1, "1", 6, 0, "1609.26939169617"},
                      Conversion{"FeetToMillimeterQuotientFirst", 1, "3", 4, 1, "914.634146341463"},
                      Conversion{"InchToFeetQuotientFirst", 1, "6", 3, 4, "0.499872999745999"},
                      Conversion{"PsiToPascal", 6, "1", 4, 0, "6896.55172413793"},
                      Conversion{"BarToAtmosphere", 6, "1", 5, 6, "0.987"},
                      Conversion{"Power", 4, "1", 4, 0, "746.268656716418"},
                      Conversion{"Volume", 5, "1", 5, 4, "3.78544119317106"},
                      Conversion{"LeadingZeros", 1, "007", 2, 2, "7"},
                      Conversion{"Negative", 1, "-2", 5, 0, "-2000"},
                      Conversion{"Blanks", 1, " \t1.5 ", 0, 0, "1.5"},
                      Conversion{"PlusSign", 1, "+3", 0, 0, "3"},
                      Conversion{"Exponent", 1, "2.5E+2", 0, 0, "250"}),
    quenmoor::testsupport::RowName());

struct Failure {
    const char* name;
    std::int32_t quantity;
    const char* value;
    std::int16_t from;
    std::int16_t to;
    com::HRESULT code;
    const char* named;
};

class ConversionFailureTest : public ::testing::TestWithParam<Failure> {};

TEST_P(ConversionFailureTest, FailsWithAnErrorThatSaysWhy) {
    const Failure& c = GetParam();
    const com::ComError e =
        comErrorOf([&] { ConvertValueText(selected(c.quantity), c.value, c.from, c.to); });
    EXPECT_EQ(e.code(), c.code);
    EXPECT_NE(e.description().find(c.named), std::string::npos) << e.description();
}

// The C locale reads a decimal point only. A value that is no number and a unit not
// chosen are shown to the user by tool_script_test.
INSTANTIATE_TEST_SUITE_P(
    UnitConversion, ConversionFailureTest,
    ::testing::Values(Failure{"DecimalComma", 1, "1,5", 0, 1, com::CTL_E_TYPEMISMATCH, "\"1,5\""},
                      Failure{"BeyondDouble", 1, "1E999", 0, 1, com::CTL_E_TYPEMISMATCH,
                              "\"1E999\" is not a number within"},
                      Failure{"IndexPastTheSlots", 1, "1", 51, 0, SubscriptOutOfRange,
                              "index 51 is outside 0 to 50"},
                      Failure{"ZeroFactor", 1, "1", 8, 0, DivisionByZero, "index 8 has factor 0"},
                      Failure{"Overflow", 5, "1E300", 0, 1, com::CTL_E_OVERFLOW,
                              "\"1E300\" times the factor ratio 1000000000"}),
    quenmoor::testsupport::RowName());

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
