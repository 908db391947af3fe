// Property pages and the other host objects as an add-in calls them: what they refuse, and
// every call going into the journal by the name that makes it fail.

#include <gtest/gtest.h>

#include "cadhost/automation/host_application.h"
#include "contracts/host/addin_events.h"
#include "tests/support/com_error_of.h"
#include "tests/support/page_handler.h"

namespace quenmoor::cadhost {
namespace {

using com::ComPtr;
using quenmoor::testsupport::comErrorOf;
using quenmoor::testsupport::failsNaming;

// Stands where an add-in stands; what a handler hears through its interface is checked by
// every tool test, whose add-in is the handler of its pages.
class Handler final : public quenmoor::testsupport::PageHandler<Handler> {};

class PageObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = HostApplication::create();
        handler_ = Handler::create();
        // The host asks the handler object for the event interface, as it does of an add-in
        // passing itself.
        page_ = app_->CreatePropertyManagerPage("Package", 3, ComPtr<com::IDispatch>(handler_));
        group_ = page_->AddGroupBox(99, "Formats", 12);
        combo_ = group_->AddControl(0, 7, "", 2, 3, "First property")
                     .as<host::IPropertyManagerPageCombobox>("combo");
        checkbox_ = group_->AddControl(17, 2, "TIFF", 2, 3, "")
                        .as<host::IPropertyManagerPageCheckbox>("checkbox");
    }

    ComPtr<HostApplication> app_;
    ComPtr<Handler> handler_;
    ComPtr<host::IPropertyManagerPage2> page_;
    ComPtr<host::IPropertyManagerPageGroup> group_;
    ComPtr<host::IPropertyManagerPageCombobox> combo_;
    ComPtr<host::IPropertyManagerPageCheckbox> checkbox_;
};

TEST_F(PageObjectTest, AHandlerWithoutTheEventInterfaceOrAnUnknownControlTypeIsRefused) {
    auto notAHandler = app_.as<com::IDispatch>("host");
    EXPECT_THROW(app_->CreatePropertyManagerPage("x", 3, notAHandler), com::ComError);
    EXPECT_TRUE(failsNaming([&] { group_->AddControl(9, 11, "Slider", 2, 3, ""); },
                            "control 9 has type 11"));
    EXPECT_TRUE(failsNaming([&] { combo_->ItemText(0); }, "combo box 0 has no item 0"));
}

// `fail` takes a call by the name its journal line starts with, for every kind of object.
TEST_F(PageObjectTest, EveryCallFailsByTheNameItsJournalLineStartsWith) {
    Document& part = app_->model().newDocument(host::DocumentPart, "P");
    part.addFeature("Base", "extrude").addDimension("D1", 10);
    auto document = app_->ActiveDoc();
    const std::vector<std::pair<std::string, std::function<void()>>> calls = {
        {"AddMenu 1 \"Quenmoor\" 5", [&] { app_->AddMenu(1, "Quenmoor", 5); }},
        {"AddCustomInfo3 \"P\" \"\" \"Material\" 30 \"Steel\"",
         [&] { document->AddCustomInfo3("", "Material", 30, "Steel"); }},
        {"Feature.Name \"Base\"", [&] { document->FeatureByPositionReverse(0)->Name(); }},
        {"combo.AddItems 0 \"Steel\"", [&] { combo_->AddItems("Steel"); }},
        {"checkbox.SetChecked 17 True", [&] { checkbox_->SetChecked(true); }},
    };
    for (const auto& [line, call] : calls) {
        SCOPED_TRACE(line);
        call();
        ASSERT_EQ(app_->journal()->entries().back(), line);
        const std::string name = line.substr(0, line.find(' '));
        app_->journal()->failCall(name, 1);
        EXPECT_EQ(comErrorOf(call).description(), name + ": the host refused the call");
        EXPECT_EQ(app_->journal()->entries().back(), line);  // a refused call is recorded too
    }
}

}  // namespace
}  // namespace quenmoor::cadhost
