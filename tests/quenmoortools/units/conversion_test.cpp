// The unit tables and the arithmetic of one conversion, checked by the exact result texts a
// user sees, and the converter page on the host's real page model, driven as a user drives
// it with the add-in's own event routing answering the page. The results a user reads on
// the page are checked through the real host in tests/quenmoortools/addin/tool_script_test.cpp.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "quenmoortools/units/unit_conversion.h"
#include "tests/support/addin_on_host.h"
#include "tests/support/com_error_of.h"
#include "tests/support/host_model.h"
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

// One conversion of a quantity (its option id) from one unit index to another: the exact
// text the user reads or, where `code` is an error, what the error's description names.
struct Conversion {
    const char* name;
    std::int32_t quantity;
    const char* value;
    std::int16_t from;
    std::int16_t to;
    const char* result;
    com::HRESULT code = com::S_OK;
};

class ConversionTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConversionTest, GivesTheExactTextTheUserReadsOrAnErrorThatSaysWhy) {
    const Conversion& c = GetParam();
    const auto convert = [&] {
        return ConvertValueText(selected(c.quantity), c.value, c.from, c.to);
    };
    if (c.code == com::S_OK) {
        EXPECT_EQ(convert(), c.result);
        return;
    }
    const com::ComError e = comErrorOf(convert);
    EXPECT_EQ(e.code(), c.code);
    EXPECT_NE(e.description().find(c.result), std::string::npos) << e.description();
}

// The quotient of the factors first, since value x to / from would end in ...464 and
// ...746. The result's text is Variant's of a Double (com_runtime_test's rows). The C locale
// reads a decimal point only. A value that is no number and a unit not chosen are shown to
// the user by tool_script_test.
INSTANTIATE_TEST_SUITE_P(
    UnitConversion, ConversionTest,
    ::testing::Values(
        Conversion{"InchToMillimeter", 1, "1", 3, 1, "25.4000508001016"},
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
        Conversion{"Blanks", 1, " \t1.5 ", 0, 0, "1.5"}, Conversion{"PlusSign", 1, "+3", 0, 0, "3"},
        Conversion{"Exponent", 1, "2.5E+2", 0, 0, "250"},
        Conversion{"DecimalComma", 1, "1,5", 0, 1, "\"1,5\"", com::CTL_E_TYPEMISMATCH},
        Conversion{"BeyondDouble", 1, "1E999", 0, 1, "\"1E999\" is not a number within",
                   com::CTL_E_TYPEMISMATCH},
        Conversion{"IndexPastTheSlots", 1, "1", 51, 0, "index 51 is outside 0 to 50",
                   SubscriptOutOfRange},
        Conversion{"ZeroFactor", 1, "1", 8, 0, "index 8 has factor 0", DivisionByZero},
        Conversion{"Overflow", 5, "1E300", 0, 1, "\"1E300\" times the factor ratio 1000000000",
                   com::CTL_E_OVERFLOW}),
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

const std::vector<std::string> LengthLabels = {"meter", "mm", "cm",   "inch",
                                               "ft",    "km", "mile", "yard"};

class UnitConverterPageTest : public quenmoor::testsupport::AddinOnHost {
protected:
    void SetUp() override {
        AddinOnHost::SetUp();
        call("conversion");
        page_ = &openPage();
    }

    cadhost::ComboControl& list(std::int32_t id) const {
        return static_cast<cadhost::ComboControl&>(
            *page_->findControl(id, {host::ControlCombobox}));
    }

    cadhost::PropertyPage* page_ = nullptr;
};

TEST_F(UnitConverterPageTest, CheckingAQuantityRefillsBothListsAndDropsTheChoices) {
    EXPECT_TRUE(list(43).items().empty() && list(44).items().empty());
    page_->checkOption(1);
    EXPECT_EQ(list(43).items(), LengthLabels);
    EXPECT_EQ(list(44).items(), LengthLabels);
    EXPECT_EQ(addin_->RowCounter.value(), 8);
    page_->chooseItem(43, 3);
    page_->chooseItem(44, 7);

    page_->checkOption(6);
    EXPECT_EQ(list(43).items().size(), 10u);
    EXPECT_EQ(list(43).items().front(), "pa");
    EXPECT_EQ(list(44).items(), list(43).items());
    EXPECT_EQ(list(43).selection() + list(44).selection(), 0);
    EXPECT_EQ(addin_->RowCounter.value(), 10);

    // A new build replaces the controls: its options fill its own lists.
    call("conversion");
    page_ = &openPage();
    EXPECT_TRUE(list(43).items().empty());
    page_->checkOption(5);
    EXPECT_EQ(list(43).items().front(), "m3");
}

}  // namespace
}  // namespace quenmoor::units
