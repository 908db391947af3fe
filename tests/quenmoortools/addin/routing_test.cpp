// The routing of page events, in-process: the add-in's object built from its logic, the
// host's real application object registered as the running host, and the real spreadsheet
// engine, whose open workbooks show whether a close closed them.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "tests/support/host_model.h"
#include "tests/support/register_library.h"

#include "cadhost/automation/host_application.h"
#include "contracts/host/running_host.h"
#include "platform/com/activation.h"
#include "platform/com/server_module.h"
#include "quenmoortools/addin/application.h"

namespace quenmoor::addin {
namespace {

using com::ComPtr;
using quenmoor::testsupport::journalCalls;

class RoutingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        quenmoor::testsupport::registerLibrary(QUENMOOR_WORKBOOK_LIBRARY);
    }

    void SetUp() override {
        host_ = cadhost::HostApplication::create();
        registration_ = std::make_unique<host::RunningHost>(host_);
        addin_ = Application::create();
        com::VariantBool result;
        ASSERT_EQ(static_cast<host::SwAddin*>(addin_.get())
                      ->ConnectToSW(static_cast<host::ISldWorks*>(host_.get()), 1, &result),
                  com::S_OK);
        spreadsheet_ =
            com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass);
        host_->model().openDocument(std::filesystem::path(QUENMOOR_EXAMPLES) / "bracket.json");
    }

    void TearDown() override {
        spreadsheet_->Workbooks()->Close();
        host_->releaseCallbacks();
        registration_.reset();
    }

    // A workbook left open, as a tool's failure or the option list editor leaves one.
    void openWorkbook() { spreadsheet_->Workbooks()->Open(QUENMOOR_BIN "/material.xls"); }
    std::int32_t openWorkbooks() { return spreadsheet_->Workbooks()->Count(); }

    com::HRESULT close(std::int32_t reason) {
        return static_cast<host::PropertyManagerPage2Handler*>(addin_.get())->OnClose(reason);
    }

    ComPtr<cadhost::HostApplication> host_;
    std::unique_ptr<host::RunningHost> registration_;
    ComPtr<Application> addin_;
    ComPtr<spreadsheet::Global> spreadsheet_;
};

TEST_F(RoutingTest, WithNoMarkEveryCloseRunsNothingAndClosesAllWorkbooks) {
    for (std::int32_t reason : {1, 2}) {
        openWorkbook();
        ASSERT_EQ(openWorkbooks(), 1);
        const auto before = host_->journal()->entries().size();
        EXPECT_EQ(close(reason), com::S_OK) << com::takeErrorInfo();
        EXPECT_EQ(openWorkbooks(), 0) << reason;
        // Only the look at the active document: no completion touched the host.
        EXPECT_EQ(journalCalls(*host_, "", before), std::vector<std::string>{"ActiveDoc"})
            << reason;
    }
}

TEST_F(RoutingTest, NumberingOkRunsOnceAndClearsItsMarkWhileCancelRunsNothing) {
    addin_->numdims();
    EXPECT_EQ(addin_->NumberingMark, com::VariantTrue);
    EXPECT_EQ(close(2), com::S_OK);
    EXPECT_EQ(addin_->NumberingMark, com::VariantFalse);
    EXPECT_EQ(host_->model().activeDocument()->features()[0]->dimensions()[0]->name(), "D1");

    addin_->numdims();
    EXPECT_EQ(close(1), com::S_OK) << com::takeErrorInfo();
    EXPECT_EQ(addin_->NumberingMark, com::VariantFalse);
    EXPECT_EQ(host_->model().activeDocument()->features()[0]->dimensions()[0]->name(), "6");
    EXPECT_EQ(close(1), com::S_OK);  // a second OK has no mark to act on
    EXPECT_EQ(host_->model().activeDocument()->features()[0]->dimensions()[0]->name(), "6");
}

TEST_F(RoutingTest, TheFirstSetMarkDecidesAndAFailedCompletionLeavesNoMark) {
    addin_->NumberingMark = com::VariantTrue;
    addin_->DensityMark = com::VariantTrue;
    EXPECT_EQ(close(1), com::S_OK) << com::takeErrorInfo();
    EXPECT_EQ(addin_->NumberingMark, com::VariantFalse);
    EXPECT_EQ(addin_->DensityMark, com::VariantTrue);

    // The density page was never built: its completion fails, and its mark goes with it.
    EXPECT_NE(close(1), com::S_OK);
    EXPECT_NE(com::takeErrorInfo().find("Assign Material"), std::string::npos);
    EXPECT_EQ(addin_->DensityMark, com::VariantFalse);
}

TEST_F(RoutingTest, TwoExportsThenADensityPageRunTheirOwnCompletions) {
    auto saves = [&] { return journalCalls(*host_, "SaveAs2 ").size(); };
    for (int run = 1; run <= 2; ++run) {
        addin_->pack();
        host_->model().requirePage("test").setCheckbox(13, true);  // IGES
        EXPECT_EQ(close(1), com::S_OK) << com::takeErrorInfo();
        EXPECT_EQ(addin_->ExportMark, com::VariantFalse);
        EXPECT_EQ(saves(), static_cast<std::size_t>(run));
    }
    addin_->MaterialDensity();
    host_->model().requirePage("test").chooseItem(223,
                                                  9);  // the tenth material of the default table
    EXPECT_EQ(close(1), com::S_OK) << com::takeErrorInfo();
    EXPECT_EQ(saves(), 2u);
    EXPECT_NE(host_->model().activeDocument()->density(), 7850);
    EXPECT_EQ(addin_->DensityMark, com::VariantFalse);
}

TEST_F(RoutingTest, AFailedPageBuildLeavesNoMarkBehind) {
    host_->journal()->failCall("CreatePropertyManagerPage", 1);
    EXPECT_THROW(addin_->numdims(), com::ComError);
    EXPECT_EQ(addin_->NumberingMark, com::VariantFalse);

    host_->journal()->failCall("AddGroupBox", 1);
    EXPECT_THROW(addin_->MaterialDensity(), com::ComError);
    EXPECT_EQ(addin_->DensityMark, com::VariantFalse);
    EXPECT_EQ(close(2), com::S_OK);
    EXPECT_EQ(close(1), com::S_OK);
    EXPECT_DOUBLE_EQ(host_->model().activeDocument()->density(), 7850);
}

TEST_F(RoutingTest, ShowingAnotherPageCancelsTheOpenOneWithoutTakingTheNewMark) {
    addin_->MaterialDensity();
    addin_->numdims();  // the host cancels the density page as the numbering page shows
    EXPECT_EQ(addin_->DensityMark, com::VariantFalse);
    EXPECT_EQ(addin_->NumberingMark, com::VariantTrue);
}

TEST_F(RoutingTest, UnknownButtonsAndOptionsDoNothingAndHelpReturnsFalse) {
    auto* handler = static_cast<host::PropertyManagerPage2Handler*>(addin_.get());
    for (std::int32_t id : {1, 7, -1}) {
        EXPECT_EQ(handler->OnButtonPress(id), com::S_OK) << id;
    }
    for (std::int32_t id : {0, 7}) {
        EXPECT_EQ(handler->OnOptionCheck(id), com::S_OK) << id;
    }
    com::VariantBool result = com::VariantTrue;
    EXPECT_EQ(handler->OnHelp(&result), com::S_OK);
    EXPECT_EQ(result, com::VariantFalse);
    EXPECT_TRUE(host_->journal()->entries().back().starts_with(
        "AddMenuItem2"));  // nothing reached the host
}

}  // namespace
}  // namespace quenmoor::addin
