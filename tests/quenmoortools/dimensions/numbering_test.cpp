// Dimension numbering on the host's real document model. Every test runs in a process of
// its own, so the working lists start empty, as right after the add-in is loaded; a test
// of several runs that must each start afresh empties them itself.

#include <gtest/gtest.h>

#include "cadhost/automation/host_application.h"
#include "quenmoortools/dimensions/dimension_numbering.h"
#include "tests/support/com_error_of.h"

namespace quenmoor::dimensions {
namespace {

using cadhost::Document;
using cadhost::HostApplication;

class NumberingTest : public ::testing::Test {
protected:
    void SetUp() override { app_ = HostApplication::create(); }

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

TEST_F(NumberingTest, NamesThatAreNotNumbersGetTheNextNumbersAboveTheLargestInTreeOrder) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> features;
        std::vector<std::string> numbered;
    };
    const Case cases[] = {
        {"in tree order", {{"D1", "D2"}, {}, {"D3"}}, {"1", "2", "3"}},
        {"numeric names stay and raise the start",
         {{"3", "D1"}, {" 7 ", "D2"}},
         {"3", "8", " 7 ", "9"}},
        {"a smaller fraction alone makes the largest 7", {{"7.4", "A"}}, {"7.4", "8"}},
        {"a larger fraction first makes the largest 8", {{"7.6", "7.4", "A"}}, {"7.6", "7.4", "9"}},
        {"negative and empty names",
         {{"-4", "", "2E1", "12a", "RD3"}},
         {"-4", "21", "2E1", "22", "23"}},
    };
    for (const Case& c : cases) {
        Document& document = part(c.name, c.features);
        EXPECT_EQ(number(document), c.numbered) << c.name;
        // As in a process of its own: the lists start empty.
        workingLists().List1.clear();
        workingLists().List2.clear();
    }
}

TEST_F(NumberingTest, ASecondRunAndALaterPartContinueAboveEarlierNumbers) {
    Document& first = part("first", {{"D1", "D2"}});
    EXPECT_EQ(number(first), (std::vector<std::string>{"1", "2"}));
    first.features()[0]->addDimension("D9", 5);
    EXPECT_EQ(number(first), (std::vector<std::string>{"1", "2", "3"}));

    // A run collects the names before it gives new ones, so the largest number is the
    // largest seen by a collection: the second run saw 1 and 2, not the 3 it gave D9.
    Document& second = part("second", {{"A", "B"}});
    EXPECT_EQ(number(second), (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(workingLists().List1,
              (std::vector<std::string>{"D1", "D2", "1", "2", "D9", "A", "B"}));
    EXPECT_EQ(workingLists().List2, (std::vector<std::string>{"1", "2", "1", "2"}));
}

TEST_F(NumberingTest, TheSixteenBitLimitsFailBeforeAnyNameIsWritten) {
    for (const char* big : {"40000", "32767"}) {
        Document& document = part(std::string("big") + big, {{"D1"}, {big}, {"D2"}});
        const com::ComError e = quenmoor::testsupport::comErrorOf(
            [&] { numberDimensions(*app_->documentObject(document), counter_); });
        EXPECT_EQ(e.code(), com::CTL_E_OVERFLOW) << big;
        EXPECT_NE(e.description().find("Overflow"), std::string::npos);
        EXPECT_EQ(names(document)[0], "D1") << big;
        EXPECT_EQ(names(document)[2], "D2") << big;
        // The lists keep the name, so every later run fails the same way.
        workingLists().List1.clear();
        workingLists().List2.clear();
    }
}

}  // namespace
}  // namespace quenmoor::dimensions
