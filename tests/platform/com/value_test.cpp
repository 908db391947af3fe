#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/com/guid.h"
#include "platform/com/text_case.h"
#include "platform/com/variant.h"
#include "tests/platform/com/test_support.h"

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

TEST(Guid, MalformedTextThrowsClassStringQuotingIt) {
    const char* texts[] = {
        "",
        "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B}",   // a digit short
        "99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4AA",  // two digits long
        "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4",   // brace missing
        "(99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4)",  // other brackets
        "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4)",  // braces mismatch
        "{99AECE5C+EB77-4944-A5B1-60B5CA6DC0B4}",  // dash missing
        "{99AECE5CE-B77-4944-A5B1-60B5CA6DC0B4}",  // dash misplaced
        "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0BG}",  // not a hex digit
        "{99AECE5C-EB77-4944-A5B1- 0B5CA6DC0B4}",  // blank
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Guid::tryParse(text));
        ComError error = comErrorOf([&] { Guid::parse(text); });
        EXPECT_EQ(error.code(), CO_E_CLASSSTRING);
        EXPECT_THAT(error.description(), HasSubstr("\"" + std::string(text) + "\""));
    }
}

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

TEST(Variant, DoubleBecomesTextWithFifteenSignificantDigits) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {1 / 0.03937, "25.4000508001016"},
        {1e15, "1E+15"},
        {1e-5, "1E-05"},
        {0.0001, "0.0001"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {999999999999999.9, "1E+15"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {-2.5, "-2.5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Variant(c.value).toText(), c.text) << c.text;
    }
}

TEST(Variant, IntegerConversionsRoundHalfToEvenAndOverflowPastTheirRange) {
    constexpr std::nullopt_t overflow = std::nullopt;
    struct Case {
        Variant value;
        std::optional<std::int16_t> int16;
        std::optional<std::int32_t> int32;
    } cases[] = {
        {0.5, 0, 0},
        {1.5, 2, 2},
        {2.5, 2, 2},
        {-2.5, -2, -2},
        {32767.4, 32767, 32767},
        {32767.5, overflow, 32768},
        {-32768.5, -32768, -32768},
        {40000, overflow, 40000},
        {2147483647.0, overflow, 2147483647},
        {2147483647.5, overflow, overflow},
        {-2147483648.5, overflow, -2147483647 - 1},
        {" 12 ", 12, 12},
        {Variant::boolean(true), -1, -1},
        {Variant(), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toText());
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
}

TEST(Variant, EmptyBooleanAndTextFollowTheLanguagesRules) {
    EXPECT_EQ(Variant::boolean(true).toText(), "True");
    EXPECT_TRUE(Variant("TRUE").toBool());
    EXPECT_EQ(Variant(std::int16_t{-1}).toVariantBool(), VariantTrue);
    EXPECT_EQ(Variant(), Variant(""));
    EXPECT_EQ(Variant(), Variant(0));
    EXPECT_EQ(Variant(2), Variant(2.0));
    EXPECT_FALSE(Variant("1") == Variant(1));
    EXPECT_EQ(Variant().toText(), "");

    for (const char* text : {"abc", "", "1,5", "1e"}) {
        SCOPED_TRACE(text);
        ComError error = comErrorOf([&] { Variant(text).toDouble(); });
        EXPECT_EQ(error.code(), CTL_E_TYPEMISMATCH);
    }
}

}  // namespace
