// The export page on the host's real page model, with the add-in's own event routing
// answering the page: the Location button opens the real location window, whose folder is
// typed, and OK runs the package. The location window as the user works it: keeping its
// folder text while hidden, walking through real folders.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "quenmoortools/package/package_path.h"
#include "quenmoortools/toolkit/addin_windows.h"
#include "tests/support/addin_on_host.h"
#include "tests/support/com_error_of.h"
#include "tests/support/host_model.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_windows.h"

namespace quenmoor::package {
namespace {

using Strings = std::vector<std::string>;
using quenmoor::testsupport::failsNaming;

class PackageExportTest : public quenmoor::testsupport::AddinOnHost {
protected:
    static void SetUpTestSuite() {
        AddinOnHost::SetUpTestSuite();
        quenmoor::testsupport::offscreenApplication();
    }
    void TearDown() override {
        toolkit::closeAddinWindows();
        AddinOnHost::TearDown();
    }

    // Builds the page on a new document of that type and title, as the menu item does.
    cadhost::PropertyPage& pack(host::DocumentType type, const std::string& title) {
        host_->model().newDocument(type, title);
        call("pack");
        return openPage();
    }
    void typeFolder(cadhost::PropertyPage& page, const std::string& folder) {
        page.pressButton(0);
        ASSERT_NE(locationWindow(), nullptr);
        locationWindow()->Text1->setText(QString::fromStdString(folder));
    }
    // The calls of that method since `from`, an earlier length of the journal.
    Strings entries(std::string_view method, std::size_t from = 0) const {
        return quenmoor::testsupport::journalCalls(*host_, method, from);
    }
};

struct Package {
    const char* name;
    host::DocumentType type;
    Strings boxes;  // the captions of the check boxes the page offers
    std::vector<std::int32_t> checked;
    Strings saves;
};

class PackageRowTest : public PackageExportTest, public ::testing::WithParamInterface<Package> {};

TEST_P(PackageRowTest, OffersTheFormatsOfTheDocumentTypeAndSavesTheCheckedInTheirOrder) {
    cadhost::PropertyPage& page = pack(GetParam().type, "P");
    EXPECT_EQ(page.title(), "Quenmoor");
    Strings boxes;
    for (const auto& group : page.groups()) {
        for (const auto& control : group->controls()) {
            if (control->info().type == host::ControlCheckbox) {
                boxes.push_back(control->info().caption);
            }
        }
    }
    EXPECT_EQ(boxes, GetParam().boxes);

    typeFolder(page, "F");
    for (std::int32_t id : GetParam().checked) {
        page.setCheckbox(id, true);
    }
    const std::size_t from = host_->journal()->entries().size();
    page.close(host::CloseOkay);
    Strings expected;
    for (const std::string& name : GetParam().saves) {
        expected.push_back("SaveAs2 \"P\" \"" + name + "\" 0 False True");
    }
    EXPECT_EQ(entries("SaveAs2", from), expected);
    EXPECT_EQ(
        entries("SetUserPreference", from),
        (Strings{"SetUserPreferenceIntegerValue 6 1", "SetUserPreferenceIntegerValue 10 12",
                 "SetUserPreferenceDoubleValue 8 0.215", "SetUserPreferenceDoubleValue 9 0.28"}));
}

const Strings ModelFormats = {"IGES", "STEP", "ACIS", "STL", "TIFF"};

INSTANTIATE_TEST_SUITE_P(
    Documents, PackageRowTest,
    ::testing::Values(Package{"PartEveryFormat",
                              host::DocumentPart,
                              ModelFormats,
                              {16, 15, 14, 13, 17},
                              {"F/P.tif", "F/P.igs", "F/P.step", "F/P.stl", "F/P.sat"}},
                      Package{"Drawing",
                              host::DocumentDrawing,
                              {"TIFF", "DXF", "DWG"},
                              {19, 18},
                              {"F/P.dxf", "F/P.dwg"}},
                      Package{
                          "AssemblyNothingChecked", host::DocumentAssembly, ModelFormats, {}, {}}),
    quenmoor::testsupport::RowName());

TEST_F(PackageExportTest, ADrawingAfterAPartSavesOnlyTheDrawingsFormats) {
    cadhost::PropertyPage& part = pack(host::DocumentPart, "Bracket");
    typeFolder(part, "out");
    part.setCheckbox(13, true);
    part.setCheckbox(17, true);
    part.close(host::CloseOkay);

    cadhost::PropertyPage& drawing = pack(host::DocumentDrawing, "Sheet");
    drawing.setCheckbox(18, true);
    drawing.close(host::CloseOkay);
    EXPECT_EQ(entries("SaveAs2"), (Strings{"SaveAs2 \"Bracket\" \"out/Bracket.tif\" 0 False True",
                                           "SaveAs2 \"Bracket\" \"out/Bracket.igs\" 0 False True",
                                           "SaveAs2 \"Sheet\" \"out/Sheet.dxf\" 0 False True"}));
}

TEST_F(PackageExportTest, WithoutALocationTheNameStartsAtTheRoot) {
    cadhost::PropertyPage& page = pack(host::DocumentPart, "P");
    page.setCheckbox(16, true);
    page.close(host::CloseOkay);
    EXPECT_EQ(entries("SaveAs2"), Strings{"SaveAs2 \"P\" \"/P.stl\" 0 False True"});
    ASSERT_NE(locationWindow(), nullptr);
    EXPECT_FALSE(locationWindow()->isVisible());
}

// The page's own refusal without a document is shown to the user by script_test.
TEST_F(PackageExportTest, OkWithoutADocumentNamesWhatIsMissing) {
    EXPECT_TRUE(failsNaming([&] { call("packagefile"); }, "no document is open to export"));
}

class PackagePathTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::offscreenApplication(); }
    void SetUp() override {
        showLocation();
        window_ = locationWindow();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { toolkit::closeAddinWindows(); }

    QStringList entries() const {
        QStringList names;
        for (int i = 0; i < window_->Dir1->count(); ++i) {
            names << window_->Dir1->item(i)->text();
        }
        return names;
    }
    QListWidgetItem* entry(const QString& name) const {
        const auto found = window_->Dir1->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
    // Enter on a folder, as the user opens it from the keyboard.
    void open(const QString& name) {
        QListWidgetItem* item = entry(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        window_->Dir1->setCurrentItem(item);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(window_->Dir1, &enter);
    }

    packagepath* window_ = nullptr;
};

TEST_F(PackagePathTest, TheDrivesAreTheHomeFolderAndTheMountedFileSystems) {
    ASSERT_GE(window_->Drive1->count(), 2);
    EXPECT_EQ(window_->Drive1->itemData(0).toString(), QDir::homePath());
    EXPECT_EQ(window_->path(), QDir::cleanPath(QDir::homePath()));
    const int root = window_->Drive1->findData("/");
    ASSERT_GE(root, 0);
    window_->Drive1->setCurrentIndex(root);
    EXPECT_EQ(window_->path(), "/");
    EXPECT_EQ(entry(".."), nullptr);  // nothing above a root
}

TEST_F(PackagePathTest, WalksIntoAndOutOfFoldersAndOkTakesTheFolder) {
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    QDir(base.path()).mkpath("beta/inner");
    QDir(base.path()).mkpath("Alpha");
    QDir(base.path()).mkpath(".hidden");
    const QString root = QDir::cleanPath(base.path());

    window_->setPath(root);
    EXPECT_EQ(entries(), (QStringList{"..", "Alpha", "beta"}));

    open("beta");
    EXPECT_EQ(window_->path(), root + "/beta");
    EXPECT_EQ(entries(), (QStringList{"..", "inner"}));
    EXPECT_TRUE(window_->PathLabel->text().contains(root + "/beta"));
    // OK with nothing selected takes the open folder.
    window_->Command1->click();
    EXPECT_EQ(window_->Text1->text(), root + "/beta");

    open("..");
    EXPECT_EQ(window_->path(), root);
    window_->Dir1->setCurrentItem(entry("Alpha"));
    window_->Command1->click();
    EXPECT_EQ(window_->Text1->text(), root + "/Alpha");
    EXPECT_EQ(window_->path(), root);  // selecting does not open
    window_->Dir1->setCurrentItem(entry(".."));
    window_->Command1->click();
    EXPECT_EQ(window_->Text1->text(), root);
}

TEST_F(PackagePathTest, CloseHidesTheWindowAndKeepsTheFolderText) {
    EXPECT_EQ(window_->windowTitle(), "Package Path");
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window_->Text1->setText("/srv/exports");
    EXPECT_EQ(window_->Command2->text(), "Close");
    window_->Command2->click();
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(locationText(), "/srv/exports");

    showLocation();
    EXPECT_EQ(locationWindow(), window_);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->Text1->text(), "/srv/exports");

    window_->close();  // the window frame hides it too
    showLocation();
    EXPECT_EQ(locationWindow(), window_);
    EXPECT_EQ(locationText(), "/srv/exports");
}

}  // namespace
}  // namespace quenmoor::package
