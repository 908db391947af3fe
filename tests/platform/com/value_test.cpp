#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/com/guid.h"
#include "platform/com/text_case.h"
#include "platform/com/variant.h"
#include "tests/platform/com/test_support.h"
#include "tests/support/named_rows.h"

namespace {

using namespace quenmoor::com;
using quenmoor::comtests::comErrorOf;
using testing::HasSubstr;

TEST(Guid, FormatsInUpperCaseBracesAndParsesBack) {
    const Guid id = guid("99aece5c-eb77-4944-a5b1-60b5ca6dc0b4");
    EXPECT_EQ(id.data1, 0x99AECE5Cu);
    EXPECT_EQ(id.data4[0], 0xA5);
    EXPECT_EQ(id.data4[7], 0xB4);
    EXPECT_EQ(id.toString(), "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4}");
    EXPECT_EQ(Guid::parse(id.toString()), id);
}

struct Malformed {
    const char* name;
    const char* text;
};

class MalformedGuidTest : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedGuidTest, ThrowsClassStringQuotingIt) {
    const std::string text = GetParam().text;
    EXPECT_FALSE(Guid::tryParse(text));
    ComError error = comErrorOf([&] { Guid::parse(text); });
    EXPECT_EQ(error.code(), CO_E_CLASSSTRING);
    EXPECT_THAT(error.description(), HasSubstr("\"" + text + "\""));
}

INSTANTIATE_TEST_SUITE_P(
    Guid, MalformedGuidTest,
    ::testing::Values(Malformed{"Empty", ""},
                      Malformed{"ADigitShort", "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B}"},
                      Malformed{"TwoDigitsLong", "99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4AA"},
                      Malformed{"BracesMismatch", "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4)"},
                      Malformed{"DashMisplaced", "{99AECE5CE-B77-4944-A5B1-60B5CA6DC0B4}"},
                      Malformed{"NotAHexDigit", "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0BG}"}),
    quenmoor::testsupport::RowName());

TEST(TextCase, OnlyAsciiLettersFoldAndEveryOtherByteMustMatch) {
    EXPECT_TRUE(equalsIgnoringCase("Options.XLS", "options.xls"));
    EXPECT_FALSE(equalsIgnoringCase("list1", "list10"));
    // The neighbours of A..Z and a..z are not letters.
    EXPECT_FALSE(equalsIgnoringCase("@[", "`{"));
    // Capitals beyond ASCII stay as they are, in Latin-1 bytes and in UTF-8 alike.
    EXPECT_FALSE(equalsIgnoringCase("\xC9", "\xE9"));
    EXPECT_FALSE(equalsIgnoringCase("\xC3\x89T\xC3\xA9", "\xC3\xA9t\xC3\xA9"));
    EXPECT_TRUE(equalsIgnoringCase("\xC3\x89T\xC3\xA9", "\xC3\x89t\xC3\xA9"));
    EXPECT_EQ(toLowerAscii("PART.STEP \xC9\xFF"), "part.step \xC9\xFF");
    EXPECT_EQ(CaseInsensitiveHash{}("Sheet1"), CaseInsensitiveHash{}("SHEET1"));
}

struct DoubleText {
    const char* name;
    double value;
    const char* text;
};

class DoubleTextTest : public ::testing::TestWithParam<DoubleText> {};

TEST_P(DoubleTextTest, HasFifteenSignificantDigits) {
    EXPECT_EQ(Variant(GetParam().value).toText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Variant, DoubleTextTest,
    ::testing::Values(DoubleText{"InchInMillimeters", 1 / 0.03937, "25.4000508001016"},
                      DoubleText{"TenToTheFifteenth", 1e15, "1E+15"},
                      DoubleText{"BelowTenThousandth", 1e-5, "1E-05"},
                      DoubleText{"TenThousandth", 0.0001, "0.0001"},
                      DoubleText{"RoundsUpToPlain", 0.00009999999999999999, "0.0001"},
                      DoubleText{"FifteenDigits", 123456789012345.0, "123456789012345"},
                      DoubleText{"SixteenDigits", 1234567890123456.0, "1.23456789012346E+15"},
                      DoubleText{"RoundsUpToTheExponent", 999999999999999.9, "1E+15"},
                      DoubleText{"NegativeZero", -0.0, "0"},
                      DoubleText{"BinaryFraction", 0.1 + 0.2, "0.3"},
                      DoubleText{"Negative", -2.5, "-2.5"}),
    quenmoor::testsupport::RowName());

// A value as 16- and 32-bit integers; nullopt where the conversion overflows.
struct Integers {
    const char* name;
    Variant value;
    std::optional<std::int16_t> int16;
    std::optional<std::int32_t> int32;
};

class IntegerTest : public ::testing::TestWithParam<Integers> {};

TEST_P(IntegerTest, RoundsHalfToEvenAndOverflowsPastItsRange) {
    const Integers& c = GetParam();
    if (c.int16) {
        EXPECT_EQ(c.value.toInt16(), *c.int16);
    } else {
        EXPECT_EQ(comErrorOf([&] { c.value.toInt16(); }).code(), CTL_E_OVERFLOW);
    }
    if (c.int32) {
        EXPECT_EQ(c.value.toInt32(), *c.int32);
    } else {
        EXPECT_EQ(comErrorOf([&] { c.value.toInt32(); }).code(), CTL_E_OVERFLOW);
    }
}

constexpr std::nullopt_t overflow = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Variant, IntegerTest,
    ::testing::Values(Integers{"Half", 0.5, 0, 0}, Integers{"OneAndAHalf", 1.5, 2, 2},
                      Integers{"TwoAndAHalf", 2.5, 2, 2}, Integers{"NegativeHalf", -2.5, -2, -2},
                      Integers{"BelowInt16Limit", 32767.4, 32767, 32767},
                      Integers{"RoundsPastInt16", 32767.5, overflow, 32768},
                      Integers{"Int16Minimum", -32768.5, -32768, -32768},
                      Integers{"PastInt16", 40000, overflow, 40000},
                      Integers{"Int32Maximum", 2147483647.0, overflow, 2147483647},
                      Integers{"RoundsPastInt32", 2147483647.5, overflow, overflow},
                      Integers{"Int32Minimum", -2147483648.5, overflow, -2147483647 - 1},
                      Integers{"TextWithBlanks", " 12 ", 12, 12},
                      Integers{"True", Variant::boolean(true), -1, -1},
                      Integers{"Empty", Variant(), 0, 0}),
    quenmoor::testsupport::RowName());

TEST(Variant, EmptyBooleanAndTextFollowTheLanguagesRules) {
    EXPECT_EQ(Variant::boolean(true).toText(), "True");
    EXPECT_TRUE(Variant("TRUE").toBool());
    EXPECT_EQ(Variant(std::int16_t{-1}).toVariantBool(), VariantTrue);
    EXPECT_EQ(Variant(), Variant(""));
    EXPECT_EQ(Variant(), Variant(0));
    EXPECT_EQ(Variant(2), Variant(2.0));
    EXPECT_FALSE(Variant("1") == Variant(1));
    EXPECT_EQ(Variant().toText(), "");
    EXPECT_EQ(comErrorOf([] { Variant("1,5").toDouble(); }).code(), CTL_E_TYPEMISMATCH);
}

}  // namespace
