// The custom-properties page and its write-back: the page built by the host model from an
// options workbook on disk, read back as the host's pane holds it, and the document's
// properties after OK.

#include <gtest/gtest.h>

#include <algorithm>

#include "quenmoortools/properties/custom_properties_page.h"
#include "tests/quenmoortools/properties/properties_fixture.h"
#include "tests/support/host_model.h"
#include "tests/support/named_rows.h"

namespace quenmoor::properties::testsupport {
namespace {

using Strings = std::vector<std::string>;
using Property = cadhost::Document::CustomProperty;

const List Names = {"Material", "Finish",      "Supplier", "Department", "Project", "Drawn By",
                    "Checked",  "Description", "Revision", "Tenth",      "Eleventh"};

// Seven lists and an eighth that the page must not read.
std::vector<List> lists() {
    return {{"Steel S235", "Aluminium 6082", "Steel S355"},
            {"", "Painted", "Zinc plated"},  // an empty first cell is still an entry
            {"Harbour Metals", "", "after the end"},
            {42.0, "Alder Plastics"},
            {"P-1001"},
            {"A. Smith", "B. Jones"},
            {"G. Thomas"},
            {"never read"}};
}

class CustomPropertiesTest : public PropertiesTest {
protected:
    void build(const std::string& workbookPath) {
        page_.build(*host_, handler(), currentPage_, *spreadsheet_, workbookPath, row_);
    }

    cadhost::ComboControl& combo(int i) {
        return dynamic_cast<cadhost::ComboControl&>(
            *host_->model().openPage()->findControl(i, {host::ControlCombobox}));
    }
    cadhost::TextControl& textBox(int i) {
        return dynamic_cast<cadhost::TextControl&>(
            *host_->model().openPage()->findControl(i, {host::ControlTextbox}));
    }

    CustomPropertiesPage page_;
    ComPtr<host::IPropertyManagerPage2> currentPage_;
};

TEST_F(CustomPropertiesTest, ThePageOffersTheNineNamedPropertiesWithCurrentValuesFirst) {
    document_->setProperty("material", 30, "Steel S355");  // names match without case
    document_->setProperty("Description", 30, "Mounting bracket");
    document_->setProperty("Finish", 30, "");
    build(writeOptions(Names, lists()));

    cadhost::PropertyPage* page = host_->model().openPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(quenmoor::testsupport::modelOf(currentPage_), page);
    Strings captions;
    for (const auto& g : page->groups()) {
        captions.push_back(g->caption());
    }
    EXPECT_EQ(captions, (Strings{"Options", "Material", "Finish", "Supplier", "Department",
                                 "Project", "Drawn By", "Checked", "Description", "Revision"}));
    // The current value first and again in its place; an empty value adds nothing.
    EXPECT_EQ(combo(0).items(),
              (Strings{"Steel S355", "Steel S235", "Aluminium 6082", "Steel S355"}));
    EXPECT_EQ(combo(1).items(), (Strings{"", "Painted", "Zinc plated"}));
    EXPECT_EQ(combo(2).items(), Strings{"Harbour Metals"});
    EXPECT_EQ(combo(3).items(), (Strings{"42", "Alder Plastics"}));
    EXPECT_EQ(combo(6).items(), Strings{"G. Thomas"});
    EXPECT_EQ(textBox(7).text(), "Mounting bracket");
    EXPECT_EQ(textBox(8).text(), "");

    EXPECT_EQ(spreadsheet_->Workbooks()->Count(), 0);
    EXPECT_EQ(row_.value(), 1);
}

TEST_F(CustomPropertiesTest, FewerThanNineNamesGiveEmptyCaptions) {
    build(writeOptions({"Material", "", "Supplier"}, lists()));
    const auto& groups = host_->model().openPage()->groups();  // after the Options group
    EXPECT_EQ(groups[2]->caption(), "");
    EXPECT_EQ(groups[3]->caption(), "Supplier");
    EXPECT_EQ(groups[9]->caption(), "");
    EXPECT_EQ(page_.PropertyNames[8], "");
}

TEST_F(CustomPropertiesTest, OkWritesAllNineAsTextFromThePage) {
    document_->setProperty("Material", 3, "7850");  // a number property comes back as text
    document_->setProperty("Revision", 30, "B");
    document_->setProperty("Weight", 3, "1.2");  // not on the page: untouched
    build(writeOptions(Names, lists()));
    combo(0).choose(2);
    combo(3).choose(0);
    textBox(7).type("Bracket, welded");
    textBox(8).type("");

    page_.writeBack(*host_->documentObject(*document_));

    // Every property, "=" before a text and "#" before a number.
    Strings written;
    for (const Property& p : document_->customProperties()) {
        written.push_back(p.name + (p.type == host::CustomInfoText ? "=" : "#") + p.value);
    }
    std::ranges::sort(written);
    EXPECT_EQ(written,
              (Strings{"Checked=G. Thomas", "Department=42", "Description=Bracket, welded",
                       "Drawn By=A. Smith", "Finish=", "Material=Aluminium 6082", "Project=P-1001",
                       "Revision=", "Supplier=Harbour Metals", "Weight#1.2"}));
}

struct MissingInput {
    const char* name;
    const char* named;
};

class MissingInputTest : public CustomPropertiesTest,
                         public ::testing::WithParamInterface<MissingInput> {};

TEST_P(MissingInputTest, FailsNamingItAndShowsNothing) {
    const std::string what = GetParam().name;
    auto options = lists();
    if (what == "NoListSheet") {
        options.resize(3);
    }
    std::string path = writeOptions(Names, options);
    if (what == "NoWorkbook") {
        path = (folder_ / "Missing.xls").string();
    } else if (what == "NoDocument") {
        host_->model().closeActive();
    }
    EXPECT_TRUE(quenmoor::testsupport::failsNaming([&] { build(path); }, GetParam().named));
    EXPECT_EQ(host_->model().openPage(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Inputs, MissingInputTest,
                         ::testing::Values(MissingInput{"NoWorkbook", "Missing.xls"},
                                           MissingInput{"NoListSheet", "list4"},
                                           MissingInput{"NoDocument", "no document"}),
                         quenmoor::testsupport::RowName());

// A list may fill row 32766 but not row 32767, read by the page or written by the editor,
// which refuses one past the limit before any cell changes.
TEST_F(CustomPropertiesTest, AListMayFillRow32766ButNotRow32767) {
    auto seven = lists();
    seven[4] = List(32766, CellValue("x"));
    build(writeOptions(Names, seven));
    EXPECT_EQ(combo(4).items().size(), 32766u);
    host_->model().openPage()->close(host::CloseCancel);

    seven[4].push_back(CellValue("one too many"));
    const com::ComError error = comErrorOf([&] { build(writeOptions(Names, seven)); });
    EXPECT_EQ(error.code(), com::CTL_E_OVERFLOW);
    EXPECT_NE(error.description().find("list5"), std::string::npos) << error.what();

    spreadsheet_->Workbooks()->Close();  // the failed build leaves its workbook open
    spreadsheet_->Workbooks()->Open(writeOptions(Names, {{"a", "b", "c", "d"}}));
    auto sheet = spreadsheet_->Worksheets("list1").as<com::IDispatch>("list1");
    EXPECT_THROW(writeList(sheet, Strings(32767, "y"), row_, "list1"), com::ComError);
    EXPECT_EQ(readTextList(sheet, row_, "list1"), (Strings{"a", "b", "c", "d"}));
}

}  // namespace
}  // namespace quenmoor::properties::testsupport
