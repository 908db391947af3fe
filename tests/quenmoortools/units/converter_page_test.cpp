// The converter page on the host's real page model, driven as a user drives it. The handler
// routes the page's two events to the converter as the add-in's event routing does.

#include <gtest/gtest.h>

#include "cadhost/automation/host_application.h"
#include "quenmoortools/units/unit_converter_page.h"
#include "tests/support/com_error_of.h"
#include "tests/support/host_model.h"
#include "tests/support/page_handler.h"

namespace quenmoor::units {
namespace {

using cadhost::ComboControl;
using cadhost::TextControl;
using com::ComPtr;
using com::HRESULT;
using quenmoor::testsupport::comErrorOf;
using quenmoor::testsupport::failsNaming;

class ConverterHandler final : public quenmoor::testsupport::PageHandler<ConverterHandler> {
public:
    ConverterHandler(UnitConverterPage& converter, toolkit::Int16Counter& row)
        : converter_(converter), row_(row) {}

    HRESULT OnOptionCheck(std::int32_t id) override {
        return com::boundary([&] {
            if (id >= 1 && id <= 6) {
                converter_.checkQuantity(id, row_);
            }
        });
    }
    HRESULT OnButtonPress(std::int32_t id) override {
        return com::boundary([&] {
            if (id == 55) {
                converter_.calculate();
            }
        });
    }

private:
    UnitConverterPage& converter_;
    toolkit::Int16Counter& row_;
};

class UnitConverterPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = cadhost::HostApplication::create();
        handler_ = ConverterHandler::create(converter_, row_);
        open();
    }

    void open() {
        converter_.build(*app_, ComPtr<com::IDispatch>(handler_), currentPage_);
        page_ = app_->model().openPage();
        ASSERT_NE(page_, nullptr);
    }
    ComboControl& list(std::int32_t id) const {
        return static_cast<ComboControl&>(*page_->findControl(id, {host::ControlCombobox}));
    }
    TextControl& box(std::int32_t id) const {
        return static_cast<TextControl&>(*page_->findControl(id, {host::ControlTextbox}));
    }

    UnitConverterPage converter_;
    toolkit::Int16Counter row_;
    ComPtr<cadhost::HostApplication> app_;
    ComPtr<ConverterHandler> handler_;
    ComPtr<host::IPropertyManagerPage2> currentPage_;
    cadhost::PropertyPage* page_ = nullptr;
};

const std::vector<std::string> LengthLabels = {"meter", "mm", "cm",   "inch",
                                               "ft",    "km", "mile", "yard"};

TEST_F(UnitConverterPageTest, BuildsTheGroupsAndControlsInOrder) {
    EXPECT_EQ(page_->title(), "Unit Conversion");
    EXPECT_EQ(page_->options(), 3);
    EXPECT_EQ(quenmoor::testsupport::modelOf(currentPage_), page_);
    EXPECT_EQ(quenmoor::testsupport::pageLayout(*page_),
              (std::vector<std::string>{"80 Units", "| 1 4 Length", "| 2 4 Acceleration",
                                        "| 3 4 Energy", "| 4 4 Power", "| 5 4 Volume",
                                        "| 6 4 Pressure", "81 Convert From", "| 43 7 From",
                                        "83 Convert To Conversion", "| 44 7 To", "82 calculation",
                                        "| 25 5 ", "| 26 5 ", "| 55 3 Calculate"}));
    EXPECT_TRUE(list(43).items().empty() && list(44).items().empty());
    EXPECT_EQ(box(25).text() + box(26).text(), "");
}

TEST_F(UnitConverterPageTest, CheckingAQuantityRefillsBothListsAndDropsTheChoices) {
    page_->checkOption(1);
    EXPECT_EQ(list(43).items(), LengthLabels);
    EXPECT_EQ(list(44).items(), LengthLabels);
    EXPECT_EQ(row_.value(), 8);
    page_->chooseItem(43, 3);
    page_->chooseItem(44, 7);

    page_->checkOption(6);
    EXPECT_EQ(list(43).items().size(), 10u);
    EXPECT_EQ(list(43).items().front(), "pa");
    EXPECT_EQ(list(44).items(), list(43).items());
    EXPECT_EQ(list(43).selection() + list(44).selection(), 0);
    EXPECT_EQ(row_.value(), 10);
}

TEST_F(UnitConverterPageTest, CalculateWritesTheResultAndAFailureKeepsIt) {
    // No quantity checked: both lists are empty.
    EXPECT_TRUE(failsNaming([&] { page_->pressButton(55); }, "no unit is chosen"));
    EXPECT_EQ(box(26).text(), "");

    page_->checkOption(1);
    page_->chooseItem(43, 3);  // inch
    page_->chooseItem(44, 1);  // mm
    page_->typeText(25, "1");
    page_->pressButton(55);
    EXPECT_EQ(box(26).text(), "25.4000508001016");
    EXPECT_EQ(box(25).text(), "1");
    for (const char* value : {"abc", ""}) {
        page_->typeText(25, value);
        const com::ComError e = comErrorOf([&] { page_->pressButton(55); });
        EXPECT_EQ(e.code(), com::CTL_E_TYPEMISMATCH);
        EXPECT_NE(e.description().find("\"" + std::string(value) + "\" is not a number"),
                  std::string::npos)
            << e.description();
        EXPECT_EQ(box(26).text(), "25.4000508001016");
    }
}

TEST_F(UnitConverterPageTest, ABuildReplacesTheControlsAndKeepsTheFactors) {
    page_->checkOption(1);
    const auto first = currentPage_;  // the host lets go of it
    open();
    EXPECT_NE(page_, quenmoor::testsupport::modelOf(first));
    EXPECT_TRUE(list(43).items().empty());
    EXPECT_EQ(converter_.ActiveFactors[3], 39.37);

    page_->checkOption(5);
    EXPECT_EQ(list(43).items().front(), "m3");
    EXPECT_EQ(static_cast<const ComboControl&>(
                  *quenmoor::testsupport::modelOf(first)->findControl(43, {7}))
                  .items(),
              LengthLabels);
}

}  // namespace
}  // namespace quenmoor::units
