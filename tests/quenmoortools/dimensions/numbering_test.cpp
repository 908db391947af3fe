// Dimension numbering on the host's real document model. The working lists live as long as
// the library; each test starts with them empty, as right after the add-in is loaded.

#include <gtest/gtest.h>

#include "cadhost/automation/application_object.h"
#include "quenmoortools/dimensions/dimension_numbering.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"

namespace quenmoor::dimensions {
namespace {

using cadhost::Document;
using cadhost::HostApplication;

class NumberingTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = HostApplication::create();
        workingLists() = {};
    }

    // A part whose features hold the given names, one feature per inner list, in tree order.
    Document& part(const std::string& title,
                   const std::vector<std::vector<std::string>>& features) {
        Document& document = app_->model().newDocument(host::DocumentPart, title);
        int n = 0;
        for (const auto& names : features) {
            cadhost::Feature& feature =
                document.addFeature("Feature" + std::to_string(++n), "extrude");
            for (const auto& name : names) {
                feature.addDimension(name, 10);
            }
        }
        return document;
    }

    static std::vector<std::string> names(const Document& document) {
        std::vector<std::string> result;
        for (const auto& feature : document.features()) {
            for (const auto& dimension : feature->dimensions()) {
                result.push_back(dimension->name());
            }
        }
        return result;
    }

    std::vector<std::string> number(Document& document) {
        numberDimensions(*app_->documentObject(document), counter_);
        return names(document);
    }

    com::ComPtr<HostApplication> app_;
    toolkit::Int16Counter counter_;
};

struct Tree {
    const char* name;
    std::vector<std::vector<std::string>> features;
    std::vector<std::string> numbered;
};

class NumberingRowTest : public NumberingTest, public ::testing::WithParamInterface<Tree> {};

TEST_P(NumberingRowTest, NamesThatAreNotNumbersGetTheNextNumbersAboveTheLargestInTreeOrder) {
    Document& document = part("p", GetParam().features);
    EXPECT_EQ(number(document), GetParam().numbered);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, NumberingRowTest,
    ::testing::Values(
        Tree{"InTreeOrder", {{"D1", "D2"}, {}, {"D3"}}, {"1", "2", "3"}},
        Tree{"NumericNamesStayAndRaiseTheStart",
             {{"3", "D1"}, {" 7 ", "D2"}},
             {"3", "8", " 7 ", "9"}},
        Tree{"ASmallerFractionAloneMakesTheLargest7", {{"7.4", "A"}}, {"7.4", "8"}},
        Tree{"ALargerFractionFirstMakesTheLargest8", {{"7.6", "7.4", "A"}}, {"7.6", "7.4", "9"}},
        Tree{"NegativeAndEmptyNames",
             {{"-4", "", "2E1", "12a", "RD3"}},
             {"-4", "21", "2E1", "22", "23"}}),
    quenmoor::testsupport::RowName());

TEST_F(NumberingTest, ASecondRunAndALaterPartContinueAboveEarlierNumbers) {
    Document& first = part("first", {{"D1", "D2"}});
    EXPECT_EQ(number(first), (std::vector<std::string>{"1", "2"}));
    first.features()[0]->addDimension("D9", 5);
    EXPECT_EQ(number(first), (std::vector<std::string>{"1", "2", "3"}));

    // A run collects the names before it gives new ones, so the largest number is the
    // largest seen by a collection: the second run saw 1 and 2, not the 3 it gave D9.
    Document& second = part("second", {{"A", "B"}});
    EXPECT_EQ(number(second), (std::vector<std::string>{"3", "4"}));
}

class SixteenBitTest : public NumberingTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SixteenBitTest, ANumberPastTheLimitFailsBeforeAnyNameIsWritten) {
    Document& document = part("big", {{"D1"}, {GetParam()}, {"D2"}});
    const com::ComError e = quenmoor::testsupport::comErrorOf(
        [&] { numberDimensions(*app_->documentObject(document), counter_); });
    EXPECT_EQ(e.code(), com::CTL_E_OVERFLOW);
    EXPECT_NE(e.description().find("Overflow"), std::string::npos) << e.description();
    EXPECT_EQ(names(document), (std::vector<std::string>{"D1", GetParam(), "D2"}));
}

// 32767 itself is a name, but the next number would pass the limit.
INSTANTIATE_TEST_SUITE_P(Names, SixteenBitTest, ::testing::Values("40000", "32767"),
                         [](const auto& row) { return std::string("Name") + row.param; });

}  // namespace
}  // namespace quenmoor::dimensions
