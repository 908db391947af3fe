// The plain model alone. Property pages as the user drives them in the host's pane: what was
// built is what the user sees, and every user action reaches the page's events in the right
// order. Document files read as a user may have left them: whatever is wrong is refused
// naming the file, and nothing is opened.

#include <gtest/gtest.h>

#include <fstream>

#include "cadhost/model/button_control.h"
#include "cadhost/model/checkbox_control.h"
#include "cadhost/model/combo_control.h"
#include "cadhost/model/document_file.h"
#include "cadhost/model/host_model.h"
#include "cadhost/model/option_control.h"
#include "cadhost/model/text_control.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor::cadhost {
namespace {

using quenmoor::testsupport::failsNaming;

// What the page's events heard, and the event to fail, as an add-in's handler may.
struct EventLog {
    std::vector<std::string> events;
    std::string failOn;
};

class RecordingEvents final : public PageEvents {
public:
    explicit RecordingEvents(EventLog& log) : log_(log) {}

    void closing(std::int32_t reason) override { record("closing " + std::to_string(reason)); }
    void closed() override { record("closed"); }
    bool help() override {
        record("help");
        return false;
    }
    void checkboxChecked(std::int32_t id, bool checked) override {
        record("checkboxChecked " + std::to_string(id) + (checked ? " on" : " off"));
    }
    void optionChecked(std::int32_t id) override { record("optionChecked " + std::to_string(id)); }
    void buttonPressed(std::int32_t id) override { record("buttonPressed " + std::to_string(id)); }
    void textChanged(std::int32_t id, const std::string& text) override {
        record("textChanged " + std::to_string(id) + " " + text);
    }
    void selectionChanged(std::int32_t id, std::int32_t index) override {
        record("selectionChanged " + std::to_string(id) + " " + std::to_string(index));
    }

private:
    void record(std::string event) {
        const bool fail = !log_.failOn.empty() && event.starts_with(log_.failOn);
        log_.events.push_back(std::move(event));
        if (fail) {
            throw com::ComError(com::E_FAIL, "the add-in could not finish " + log_.failOn);
        }
    }

    EventLog& log_;
};

class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        page_ = addPage("Package");
        PageGroup& group = *page_->addGroup(99, "Formats", 12);
        combo_ = add<ComboControl>(group, 0, host::ControlCombobox, "");
        add<ButtonControl>(group, 2, host::ControlButton, "Options");
        add<TextControl>(group, 7, host::ControlTextbox, "");
        add<CheckboxControl>(group, 17, host::ControlCheckbox, "TIFF");
        add<OptionControl>(group, 1, host::ControlOption, "Length");
        add<OptionControl>(group, 2, host::ControlOption, "Area");
    }

    std::shared_ptr<PropertyPage> addPage(std::string title) {
        return host_.addPage(std::move(title), 3, std::make_unique<RecordingEvents>(log_));
    }
    template <class Kind>
    std::shared_ptr<Kind> add(PageGroup& group, std::int32_t id, std::int32_t type,
                              std::string caption) {
        auto control = std::make_shared<Kind>(ControlInfo{id, type, std::move(caption), 2, 3, ""});
        group.addControl(control);
        return control;
    }
    template <class Kind>
    const Kind& control(std::int32_t id, std::int32_t type) const {
        return dynamic_cast<const Kind&>(*page_->findControl(id, {type}));
    }

    EventLog log_;
    HostModel host_;
    std::shared_ptr<PropertyPage> page_;
    std::shared_ptr<ComboControl> combo_;
};

// A combo box shows its first item until the user chooses, and -1 when empty.
TEST_F(PageTest, UserActionsReachTheEventsAndControlsKeepTheirState) {
    EXPECT_EQ(combo_->selection(), -1);
    EXPECT_THROW(page_->pressButton(2), com::ComError);  // not shown yet
    host_.showPage(page_);
    EXPECT_THROW(page_->chooseItem(0, 0), com::ComError);  // the combo box is empty
    combo_->addItem("Steel");
    combo_->addItem("Aluminium");
    EXPECT_EQ(combo_->selection(), 0);
    page_->chooseItem(0, 1);
    EXPECT_THROW(page_->chooseItem(0, 2), com::ComError);
    page_->pressButton(2);  // the button, not the option button that shares its id
    page_->checkOption(1);
    page_->checkOption(2);
    page_->setCheckbox(17, true);
    page_->typeText(7, "/tmp/out");
    EXPECT_FALSE(page_->help());
    EXPECT_EQ(log_.events,
              (std::vector<std::string>{
                  "selectionChanged 0 1", "buttonPressed 2", "optionChecked 1", "optionChecked 2",
                  "checkboxChecked 17 on", "textChanged 7 /tmp/out", "help"}));
    EXPECT_EQ(combo_->selection(), 1);
    EXPECT_FALSE((control<OptionControl>(1, host::ControlOption).checked()));
    EXPECT_TRUE((control<OptionControl>(2, host::ControlOption).checked()));
    EXPECT_TRUE((control<CheckboxControl>(17, host::ControlCheckbox).checked()));
    EXPECT_EQ((control<TextControl>(7, host::ControlTextbox).text()), "/tmp/out");
    EXPECT_THROW(page_->pressButton(55), com::ComError);
    combo_->clear();
    EXPECT_EQ(combo_->selection(), -1);
}

TEST_F(PageTest, ShowingASecondPageCancelsTheFirstAndReleasingCancelsTheLast) {
    host_.showPage(page_);
    auto second = addPage("Unit Conversion");
    host_.showPage(second);
    EXPECT_EQ(log_.events, (std::vector<std::string>{"closing 2", "closed"}));
    EXPECT_EQ(host_.openPage()->title(), "Unit Conversion");
    auto unshown = addPage("Density");
    log_.failOn = "closing";  // a closing host has nobody left to tell
    host_.releasePages();
    EXPECT_EQ(host_.openPage(), nullptr);
    EXPECT_EQ(log_.events.size(), 4u);
    // Every page built lets go of its events, shown or not.
    host_.showPage(unshown);
    EXPECT_THROW(unshown->help(), com::ComError);
}

struct BadFile {
    const char* name;
    const char* contents;  // null: no file at all
    const char* message;
};

class BadDocumentFileTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadDocumentFileTest, IsRefusedNamingTheFileAndWhatIsWrong) {
    const quenmoor::testsupport::ScratchFolder folder;
    const auto file = folder / "document.json";
    if (GetParam().contents != nullptr) {
        std::ofstream(file) << GetParam().contents;
    }
    EXPECT_TRUE(failsNaming([&] { loadDocument(file); }, file.string()));
    EXPECT_TRUE(failsNaming([&] { loadDocument(file); }, GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadDocumentFileTest,
    ::testing::Values(BadFile{"Missing", nullptr, "cannot open the document file"},
                      BadFile{"NotJson", "not json at all", "not a document file"},
                      BadFile{"Array", "[1, 2]", "expected a JSON object"},
                      BadFile{"UnknownType", R"({"type": "sketch"})", "\"type\" must be"},
                      BadFile{"TwoValues", R"({"type": "part", "materialValues": [1, 2]})",
                              "needs 9 values"},
                      BadFile{"SelectionOfNothing", R"({"type": "assembly", "selection": ["x-1"]})",
                              "no component \"x-1\""}),
    quenmoor::testsupport::RowName());

}  // namespace
}  // namespace quenmoor::cadhost
