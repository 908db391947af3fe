// The export location window as the user works it: keeping its folder text while hidden,
// walking through real folders.

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
#include "quenmoortools/ui/addin_windows.h"
#include "tests/support/qt_windows.h"

namespace quenmoor::package {
namespace {

class PackagePathTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::offscreenApplication(); }
    void SetUp() override {
        showLocation();
        window_ = locationWindow();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { ui::closeAddinWindows(); }

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
