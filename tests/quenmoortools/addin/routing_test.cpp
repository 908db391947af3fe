// The routing of page events, in-process: the add-in's object built from its logic, the
// host's real application object registered as the running host, and the real spreadsheet
// engine, whose open workbooks show whether a close closed them.

#include <gtest/gtest.h>

#include "tests/support/addin_on_host.h"
#include "tests/support/host_model.h"

namespace quenmoor::addin {
namespace {

using quenmoor::testsupport::journalCalls;

class RoutingTest : public quenmoor::testsupport::AddinOnHost {
protected:
    void SetUp() override {
        AddinOnHost::SetUp();
        host_->model().openDocument(std::filesystem::path(QUENMOOR_EXAMPLES) / "bracket.json");
    }

    // A workbook left open, as a tool's failure or the option list editor leaves one.
    void openWorkbook() { spreadsheet_->Workbooks()->Open(QUENMOOR_BIN "/material.xls"); }
    std::int32_t openWorkbooks() { return spreadsheet_->Workbooks()->Count(); }

    com::VariantBool& numberingMark() {
        return addin_->tool<dimensions::NumberingTool>().NumberingMark;
    }
    com::VariantBool& densityMark() { return addin_->tool<density::DensityTool>().DensityMark; }
};

TEST_F(RoutingTest, WithNoMarkOkOrCancelRunsNothingAndClosesAllWorkbooks) {
    for (const std::int32_t reason : {1, 2}) {
        SCOPED_TRACE(reason);
        openWorkbook();
        ASSERT_EQ(openWorkbooks(), 1);
        const auto before = host_->journal()->entries().size();
        EXPECT_EQ(close(reason), com::S_OK) << com::takeErrorInfo();
        EXPECT_EQ(openWorkbooks(), 0);
        // Only the look at the active document: no completion touched the host.
        EXPECT_EQ(journalCalls(*host_, "", before), std::vector<std::string>{"ActiveDoc"});
    }
}

TEST_F(RoutingTest, NumberingOkRunsOnceAndClearsItsMarkWhileCancelRunsNothing) {
    call("numdims");
    EXPECT_EQ(numberingMark(), com::VariantTrue);
    EXPECT_EQ(close(2), com::S_OK);
    EXPECT_EQ(numberingMark(), com::VariantFalse);
    EXPECT_EQ(host_->model().activeDocument()->features()[0]->dimensions()[0]->name(), "D1");

    call("numdims");
    EXPECT_EQ(close(1), com::S_OK) << com::takeErrorInfo();
    EXPECT_EQ(numberingMark(), com::VariantFalse);
    EXPECT_EQ(host_->model().activeDocument()->features()[0]->dimensions()[0]->name(), "6");
    EXPECT_EQ(close(1), com::S_OK);  // a second OK has no mark to act on
    EXPECT_EQ(host_->model().activeDocument()->features()[0]->dimensions()[0]->name(), "6");
}

TEST_F(RoutingTest, TheFirstSetMarkDecidesAndAFailedCompletionLeavesNoMark) {
    numberingMark() = com::VariantTrue;
    densityMark() = com::VariantTrue;
    EXPECT_EQ(close(1), com::S_OK) << com::takeErrorInfo();
    EXPECT_EQ(numberingMark(), com::VariantFalse);
    EXPECT_EQ(densityMark(), com::VariantTrue);

    // The density page was never built: its completion fails, and its mark goes with it.
    EXPECT_NE(close(1), com::S_OK);
    EXPECT_NE(com::takeErrorInfo().find("Assign Material"), std::string::npos);
    EXPECT_EQ(densityMark(), com::VariantFalse);
}

TEST_F(RoutingTest, AFailedPageBuildLeavesNoMarkBehind) {
    host_->journal()->failCall("CreatePropertyManagerPage", 1);
    EXPECT_THROW(call("numdims"), com::ComError);
    EXPECT_EQ(numberingMark(), com::VariantFalse);

    host_->journal()->failCall("AddGroupBox", 1);
    EXPECT_THROW(call("MaterialDensity"), com::ComError);
    EXPECT_EQ(densityMark(), com::VariantFalse);
    EXPECT_EQ(close(2), com::S_OK);
    EXPECT_EQ(close(1), com::S_OK);
    EXPECT_DOUBLE_EQ(host_->model().activeDocument()->density(), 7850);
}

TEST_F(RoutingTest, ShowingAnotherPageCancelsTheOpenOneWithoutTakingTheNewMark) {
    call("MaterialDensity");
    call("numdims");  // the host cancels the density page as the numbering page shows
    EXPECT_EQ(densityMark(), com::VariantFalse);
    EXPECT_EQ(numberingMark(), com::VariantTrue);
}

// The page's Help button shows the help; the host always hears False.
TEST_F(RoutingTest, HelpReturnsFalse) {
    com::VariantBool result = com::VariantTrue;
    EXPECT_EQ(static_cast<host::PropertyManagerPage2Handler*>(addin_.get())->OnHelp(&result),
              com::S_OK);
    EXPECT_EQ(result, com::VariantFalse);
}

}  // namespace
}  // namespace quenmoor::addin
