// The option list editor as the user meets it: the SetOptions window under an offscreen
// Qt, its clicks read back from the engine's cells and from the .xls file on disk.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "quenmoortools/properties/set_options.h"
#include "quenmoortools/ui/addin_windows.h"
#include "tests/quenmoortools/properties/properties_fixture.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_windows.h"

namespace quenmoor::properties::testsupport {
namespace {

using Strings = std::vector<std::string>;

const List Names = {"Material", "Finish",  "Supplier",    "Department", "Project",
                    "Drawn By", "Checked", "Description", "Revision",   "Tenth"};

class SetOptionsTest : public PropertiesTest {
protected:
    static void SetUpTestSuite() {
        PropertiesTest::SetUpTestSuite();
        application = quenmoor::testsupport::offscreenApplication();
    }
    static void TearDownTestSuite() {
        ui::closeAddinWindows();
        delete application;
    }
    void TearDown() override {
        ui::closeAddinWindows();
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

    static inline QApplication* application = nullptr;
    std::string path_;
};

TEST_F(SetOptionsTest, LoadListsEveryNameAndAClickShowsThatPropertysChoices) {
    SetOptions& w = open({{"a"}, {"", "Painted", "Zinc"}});
    EXPECT_EQ(entries(w.List1),
              (Strings{"Material", "Finish", "Supplier", "Department", "Project", "Drawn By",
                       "Checked", "Description", "Revision", "Tenth"}));
    EXPECT_EQ(spreadsheet_->Workbooks()->Count(), 1);
    click(w.List1, 1);
    EXPECT_EQ(w.ModifyProperty->text(), "Finish");
    EXPECT_EQ(w.selectedListSheet(), "list2");
    EXPECT_EQ(entries(w.List2), (Strings{"", "Painted", "Zinc"}));
    EXPECT_EQ(w.List2->currentRow(), 0);

    // Opening it again while it is open reads nothing afresh.
    showOptionListEditor(*spreadsheet_, path_);
    EXPECT_EQ(w.List2->count(), 3);
    EXPECT_EQ(w.List1->count(), 10);
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
    EXPECT_EQ(loaded.List1->count(), 10);
    EXPECT_EQ(loaded.StatusLine->text(), "");
}

}  // namespace
}  // namespace quenmoor::properties::testsupport
