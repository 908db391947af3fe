// Property pages as the host renders and drives them: what the add-in builds is what the
// user sees, and every user action reaches the page's handler in the right order.

#include <gtest/gtest.h>

#include "cadhost/model/host_application.h"
#include "contracts/host/addin_events.h"
#include "platform/com/dispatch_table.h"
#include "tests/support/com_error_of.h"
#include "tests/support/page_handler.h"

namespace quenmoor::cadhost {
namespace {

using com::ComPtr;
using com::HRESULT;
using quenmoor::testing::comErrorOf;
using quenmoor::testing::failsNaming;

// Stands where an add-in stands: records each event the host sends, and fails one on request.
class RecordingHandler final : public quenmoor::testing::PageHandler<RecordingHandler> {
public:
    std::vector<std::string> events;
    std::string failOn;

    HRESULT OnClose(std::int32_t reason) override {
        return record("OnClose " + std::to_string(reason));
    }
    HRESULT AfterClose() override { return record("AfterClose"); }
    HRESULT OnHelp(com::VariantBool* result) override {
        *result = com::VariantFalse;
        return record("OnHelp");
    }
    HRESULT OnCheckboxCheck(std::int32_t id, com::VariantBool checked) override {
        return record("OnCheckboxCheck " + std::to_string(id) + " " + std::to_string(checked));
    }
    HRESULT OnOptionCheck(std::int32_t id) override {
        return record("OnOptionCheck " + std::to_string(id));
    }
    HRESULT OnButtonPress(std::int32_t id) override {
        return record("OnButtonPress " + std::to_string(id));
    }
    HRESULT OnTextboxChanged(std::int32_t id, const std::string& text) override {
        return record("OnTextboxChanged " + std::to_string(id) + " " + text);
    }
    HRESULT OnComboboxSelectionChanged(std::int32_t id, std::int32_t item) override {
        return record("OnComboboxSelectionChanged " + std::to_string(id) + " " +
                      std::to_string(item));
    }

private:
    HRESULT record(std::string event) {
        bool fail = !failOn.empty() && event.starts_with(failOn);
        events.push_back(std::move(event));
        if (fail) {
            com::setErrorInfo("the add-in could not finish " + failOn);
            return com::E_FAIL;
        }
        return com::S_OK;
    }
};

class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = HostApplication::create();
        handler_ = RecordingHandler::create();
        // The host asks the handler object for the event interface, as it does of an add-in
        // passing itself.
        page_ = app_->CreatePropertyManagerPage("Package", 3, ComPtr<com::IDispatch>(handler_));
        auto group = page_->AddGroupBox(99, "Formats", 12);
        combo_ = group->AddControl(0, 7, "", 2, 3, "First property")
                     .as<host::IPropertyManagerPageCombobox>("combo");
        group->AddControl(2, 3, "Options", 2, 3, "");
        group->AddControl(7, 5, "", 2, 3, "");
        group->AddControl(17, 2, "TIFF", 2, 3, "");
        group->AddControl(1, 4, "Length", 2, 3, "");
        group->AddControl(2, 4, "Area", 2, 3, "");
    }

    ComPtr<HostApplication> app_;
    ComPtr<RecordingHandler> handler_;
    ComPtr<host::IPropertyManagerPage2> page_;
    ComPtr<host::IPropertyManagerPageCombobox> combo_;
};

TEST_F(PageTest, AComboBoxReportsItsFirstItemUntilTheUserChoosesAndMinusOneWhenEmpty) {
    EXPECT_EQ(combo_->CurrentSelection(), -1);
    combo_->AddItems("Steel");
    combo_->AddItems("Aluminium");
    EXPECT_EQ(combo_->CurrentSelection(), 0);
    EXPECT_EQ(combo_->ItemText(1), "Aluminium");
    EXPECT_THROW(combo_->ItemText(2), com::ComError);
    page_->Show();
    app_->requirePage("test").chooseItem(0, 1);
    EXPECT_EQ(combo_->CurrentSelection(), 1);
    combo_->Clear();
    EXPECT_EQ(combo_->CurrentSelection(), -1);
    EXPECT_EQ(handler_->events, (std::vector<std::string>{"OnComboboxSelectionChanged 0 1"}));
}

TEST_F(PageTest, UserActionsReachTheHandlerAndControlsKeepTheirState) {
    page_->Show();
    PropertyPage& page = app_->requirePage("test");
    page.pressButton(2);  // the button, not the option button that shares its id
    page.checkOption(1);
    page.checkOption(2);
    page.setCheckbox(17, true);
    page.typeText(7, "/tmp/out");
    EXPECT_FALSE(page.help());
    EXPECT_EQ(handler_->events,
              (std::vector<std::string>{"OnButtonPress 2", "OnOptionCheck 1", "OnOptionCheck 2",
                                        "OnCheckboxCheck 17 -1", "OnTextboxChanged 7 /tmp/out",
                                        "OnHelp"}));
    EXPECT_FALSE(static_cast<OptionControl*>(page.findControl(1, {4}))->checked());
    EXPECT_TRUE(static_cast<OptionControl*>(page.findControl(2, {4}))->checked());
    EXPECT_TRUE(static_cast<CheckboxControl*>(page.findControl(17, {2}))->checked());
    EXPECT_THROW(page.pressButton(55), com::ComError);
    EXPECT_THROW(page.chooseItem(0, 0), com::ComError);  // the combo box is empty
}

TEST_F(PageTest, ClosingSendsOnCloseThenAfterCloseEvenWhenTheHandlerFails) {
    page_->Show();
    handler_->failOn = "OnClose";
    EXPECT_EQ(comErrorOf([&] { app_->requirePage("test").close(1); }).description(),
              "the add-in could not finish OnClose");
    EXPECT_EQ(handler_->events, (std::vector<std::string>{"OnClose 1", "AfterClose"}));
    EXPECT_EQ(app_->openPage(), nullptr);
    EXPECT_THROW(page_->Show(), com::ComError);
}

TEST_F(PageTest, ShowingASecondPageCancelsTheFirst) {
    page_->Show();
    auto second =
        app_->CreatePropertyManagerPage("Unit Conversion", 3, ComPtr<com::IDispatch>(handler_));
    second->Show();
    EXPECT_EQ(handler_->events, (std::vector<std::string>{"OnClose 2", "AfterClose"}));
    EXPECT_EQ(app_->openPage()->title(), "Unit Conversion");
}

TEST_F(PageTest, AHandlerWithoutTheEventInterfaceOrAnUnknownControlTypeIsRefused) {
    auto notAHandler = app_.as<com::IDispatch>("host");
    EXPECT_THROW(app_->CreatePropertyManagerPage("x", 3, notAHandler), com::ComError);
    auto group = page_->AddGroupBox(100, "More", 12);
    EXPECT_TRUE(failsNaming([&] { group->AddControl(9, 11, "Slider", 2, 3, ""); },
                            "control 9 has type 11"));
}

}  // namespace
}  // namespace quenmoor::cadhost
