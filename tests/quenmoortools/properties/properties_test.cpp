// The custom-properties tools on the running host with the real spreadsheet engine and real
// .xls files. The custom-properties page and its write-back: the page built by the host
// model from an options workbook on disk, read back as the host's pane holds it, and the
// document's properties after OK. The option list editor as the user meets it: the
// SetOptions window under an offscreen Qt, its clicks read back from the engine's cells and
// from the .xls file on disk.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "cadhost/automation/page_object.h"
#include "quenmoortools/properties/custom_properties_page.h"
#include "quenmoortools/properties/options_workbook.h"
#include "quenmoortools/properties/set_options.h"
#include "quenmoortools/toolkit/addin_windows.h"
#include "tests/support/addin_on_host.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_windows.h"
#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::properties {
namespace {

using com::ComPtr;
using quenmoor::testsupport::comErrorOf;
using workbook::CellValue;
using List = std::vector<CellValue>;
using Strings = std::vector<std::string>;
using Property = cadhost::Document::CustomProperty;

const List Names = {"Material", "Finish",      "Supplier", "Department", "Project", "Drawn By",
                    "Checked",  "Description", "Revision", "Tenth",      "Eleventh"};

// The add-in on the running host with one part open, and an options workbook of the
// test's own in a scratch folder.
class PropertiesTest : public quenmoor::testsupport::AddinOnHost {
protected:
    void SetUp() override {
        AddinOnHost::SetUp();
        document_ = &host_->model().newDocument(host::DocumentPart, "Bracket");
    }

    // Options.xls: "properties" holds `names`, and "list<k>" holds lists[k - 1].
    // A missing cell is an empty one.
    std::string writeOptions(const List& names, const std::vector<List>& lists) {
        workbook::WorkbookData data;
        fill(data.addSheet("properties"), names);
        for (std::size_t k = 0; k < lists.size(); ++k) {
            fill(data.addSheet(listSheetName(static_cast<int>(k) + 1)), lists[k]);
        }
        workbook::writeXls(data, folder_ / "Options.xls");
        return (folder_ / "Options.xls").string();
    }

    // Column A of a sheet of the file as it is on disk, down to its last filled row; a cell
    // that holds no text reads as empty.
    std::vector<std::string> columnOnDisk(const std::string& sheet) {
        auto data = workbook::readXls(folder_ / "Options.xls");
        const workbook::Sheet* found = data.findSheet(sheet);
        EXPECT_NE(found, nullptr) << sheet;
        std::vector<std::string> cells;
        if (found != nullptr) {
            found->forEachCell([&](int row, int column, const CellValue& value) {
                if (column == 1) {
                    cells.resize(static_cast<std::size_t>(row));
                    const std::string* text = workbook::textOf(value);
                    cells[static_cast<std::size_t>(row) - 1] = text != nullptr ? *text : "";
                }
            });
        }
        return cells;
    }

    static void fill(workbook::Sheet& sheet, const List& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            sheet.set(static_cast<int>(i) + 1, 1, rows[i]);
        }
    }

    cadhost::Document* document_ = nullptr;
    toolkit::Int16Counter row_;
    quenmoor::testsupport::ScratchFolder folder_;
};

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
    EXPECT_EQ(dynamic_cast<const cadhost::PageObject&>(*currentPage_).page().get(), page);
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

class SetOptionsTest : public PropertiesTest {
protected:
    static void SetUpTestSuite() {
        PropertiesTest::SetUpTestSuite();
        quenmoor::testsupport::offscreenApplication();
    }
    void TearDown() override {
        toolkit::closeAddinWindows();
        PropertiesTest::TearDown();
    }

    SetOptions& open(const std::vector<List>& lists) {
        path_ = writeOptions(Names, lists);
        return showOptionListEditor(*spreadsheet_, path_);
    }
    static Strings entries(const QListWidget* list) {
        Strings texts;
        for (int i = 0; i < list->count(); ++i) {
            texts.push_back(list->item(i)->text().toStdString());
        }
        return texts;
    }
    static void type(QLineEdit* box, const char* text) { box->setText(text); }
    // A mouse click on entry `row`, as the user makes it.
    static void click(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    std::string path_;
};

TEST_F(SetOptionsTest, LoadListsEveryNameAndAClickShowsThatPropertysChoices) {
    SetOptions& w = open({{"a"}, {"", "Painted", "Zinc"}});
    EXPECT_EQ(entries(w.List1),
              (Strings{"Material", "Finish", "Supplier", "Department", "Project", "Drawn By",
                       "Checked", "Description", "Revision", "Tenth", "Eleventh"}));
    EXPECT_EQ(spreadsheet_->Workbooks()->Count(), 1);
    click(w.List1, 1);
    EXPECT_EQ(w.ModifyProperty->text(), "Finish");
    EXPECT_EQ(w.selectedListSheet(), "list2");
    EXPECT_EQ(entries(w.List2), (Strings{"", "Painted", "Zinc"}));
    EXPECT_EQ(w.List2->currentRow(), 0);

    // Opening it again while it is open reads nothing afresh.
    showOptionListEditor(*spreadsheet_, path_);
    EXPECT_EQ(w.List2->count(), 3);
    EXPECT_EQ(w.List1->count(), 11);
}

TEST_F(SetOptionsTest, AddAndModifyGoIntoTheCellsAtOnceAndIntoTheFileOnlyOnSave) {
    SetOptions& w = open({{"a", "b", "c"}, {"", "Painted"}});
    click(w.List1, 1);
    w.AddItem->click();  // nothing typed: nothing happens
    EXPECT_EQ(w.List2->count(), 2);
    type(w.AddText, "Anodized");
    w.AddItem->click();
    EXPECT_EQ(entries(w.List2), (Strings{"", "Painted", "Anodized"}));
    EXPECT_EQ(w.AddText->text(), "");
    type(w.ModifyProperty, "Surface");
    w.Modify->click();
    EXPECT_EQ(w.List1->item(1)->text(), "Surface");
    EXPECT_EQ(columnOnDisk("list2"), (Strings{"", "Painted"}));
    EXPECT_EQ(columnOnDisk("properties")[1], "Finish");

    // The renamed property keeps its sheet.
    w.Save->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(spreadsheet_->Workbooks()->Count(), 0);
    EXPECT_EQ(columnOnDisk("list2"), (Strings{"", "Painted", "Anodized"}));
    EXPECT_EQ(columnOnDisk("list1"), (Strings{"a", "b", "c"}));
    EXPECT_EQ(columnOnDisk("properties")[1], "Surface");
    EXPECT_EQ(showOptionListEditor(*spreadsheet_, path_).List1->item(1)->text(), "Surface");
}

struct Removal {
    const char* name;
    List list;
    int remove;
    Strings left;
    int selected;  // -1: nothing is selected
};

class RemoveTest : public SetOptionsTest, public ::testing::WithParamInterface<Removal> {};

TEST_P(RemoveTest, RewritesTheListAndSelectsTheLastOfTwoOrMore) {
    const Removal& c = GetParam();
    SetOptions& w = open({{"x"}, {"y"}, c.list});
    click(w.List1, 2);
    w.List2->setCurrentRow(c.remove);
    w.RemoveItem->click();
    EXPECT_EQ(entries(w.List2), c.left);
    EXPECT_EQ(w.List2->selectedItems().size(), c.selected < 0 ? 0 : 1);
    if (c.selected >= 0) {
        EXPECT_EQ(w.List2->currentRow(), c.selected);
    } else {
        w.RemoveItem->click();  // nothing is selected, so this changes nothing
        EXPECT_EQ(entries(w.List2), c.left);
    }
    w.Save->click();
    // The old last row is emptied: the file holds exactly what the window showed.
    Strings onDisk = columnOnDisk("list3");
    while (!onDisk.empty() && onDisk.back().empty()) {
        onDisk.pop_back();
    }
    EXPECT_EQ(onDisk, c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RemoveTest,
    ::testing::Values(Removal{"FirstOfThree", {"a", "b", "c"}, 0, {"b", "c"}, 1},
                      Removal{"LastOfThree", {"a", "b", "c"}, 2, {"a", "b"}, 1},
                      Removal{"FirstOfTwo", {"a", "b"}, 0, {"b"}, -1},
                      Removal{"OnlyOne", {"a"}, 0, {}, -1}),
    quenmoor::testsupport::RowName());

class DiscardTest : public SetOptionsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DiscardTest, LeavesTheFileAsItWas) {
    SetOptions& w = open({{"a", "b"}});
    click(w.List1, 0);
    type(w.AddText, "c");
    w.AddItem->click();
    w.List2->setCurrentRow(0);
    w.RemoveItem->click();
    type(w.ModifyProperty, "Renamed");
    w.Modify->click();
    GetParam() ? static_cast<void>(w.close()) : w.Cancel->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(spreadsheet_->Workbooks()->Count(), 0);
    EXPECT_EQ(columnOnDisk("list1"), (Strings{"a", "b"}));
    EXPECT_EQ(columnOnDisk("properties")[0], "Material");
    EXPECT_EQ(w.List1->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, DiscardTest, ::testing::Bool(), [](const auto& row) {
    return std::string(row.param ? "CloseBox" : "Cancel");
});

TEST_F(SetOptionsTest, WhatCannotBeDoneIsSaidInTheStatusLine) {
    SetOptions& w = open({{"a"}, {"b"}});
    const auto status = [&] { return w.StatusLine->text().toStdString(); };

    type(w.AddText, "c");
    for (QPushButton* button : {w.AddItem, w.RemoveItem, w.Modify}) {
        button->click();
        EXPECT_NE(status().find("choose a property"), std::string::npos) << status();
    }

    click(w.List1, 4);  // there is no sheet list5
    EXPECT_NE(status().find("list5"), std::string::npos) << status();
    EXPECT_EQ(w.List2->count(), 0);

    click(w.List1, 0);
    EXPECT_EQ(status(), "");
    spreadsheet_->Workbooks()->Close();  // as a page close does under the window
    w.AddItem->click();
    EXPECT_NE(status().find("closed"), std::string::npos) << status();
    EXPECT_EQ(entries(w.List2), Strings{"a"});
    EXPECT_EQ(w.AddText->text(), "c");
    w.Save->click();
    EXPECT_NE(status().find("closed"), std::string::npos) << status();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(columnOnDisk("list1"), Strings{"a"});

    // A click on the chosen property reads it again, and finds the workbook closed.
    w.StatusLine->clear();
    click(w.List1, 0);
    EXPECT_EQ(w.List2->count(), 0);
    EXPECT_NE(status().find("closed"), std::string::npos) << status();
    w.Cancel->click();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(SetOptionsTest, ALoadThatFailsTwiceLeavesAUsableWindowSayingWhy) {
    SetOptions& w = showOptionListEditor(*spreadsheet_, (folder_ / "Gone.xls").string());
    EXPECT_TRUE(w.isVisible());
    EXPECT_NE(w.StatusLine->text().toStdString().find("Gone.xls"), std::string::npos);
    EXPECT_EQ(w.List1->count(), 0);
    w.Cancel->click();

    // Opened again once the workbook is there, it loads afresh.
    const std::string path = writeOptions(Names, {{"a"}});
    SetOptions& loaded = showOptionListEditor(*spreadsheet_, path);
    EXPECT_EQ(loaded.List1->count(), 11);
    EXPECT_EQ(loaded.StatusLine->text(), "");
}

}  // namespace
}  // namespace quenmoor::properties
