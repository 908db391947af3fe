// The converter page on the host's real page model, driven as a user drives it, with the
// add-in's own event routing answering the page. The results a user reads are checked
// through the real host in tests/quenmoortools/addin/tool_script_test.cpp.

#include <gtest/gtest.h>

#include "tests/support/addin_on_host.h"
#include "tests/support/host_model.h"

namespace quenmoor::units {
namespace {

using cadhost::ComboControl;

const std::vector<std::string> LengthLabels = {"meter", "mm", "cm",   "inch",
                                               "ft",    "km", "mile", "yard"};

class UnitConverterPageTest : public quenmoor::testsupport::AddinOnHost {
protected:
    void SetUp() override {
        AddinOnHost::SetUp();
        addin_->conversion();
        page_ = &openPage();
    }

    ComboControl& list(std::int32_t id) const {
        return static_cast<ComboControl&>(*page_->findControl(id, {host::ControlCombobox}));
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
    addin_->conversion();
    page_ = &openPage();
    EXPECT_TRUE(list(43).items().empty());
    page_->checkOption(5);
    EXPECT_EQ(list(43).items().front(), "m3");
}

}  // namespace
}  // namespace quenmoor::units
