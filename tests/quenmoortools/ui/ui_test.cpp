// The add-in's shell windows, as the user sees them: one About box at a time, windows kept
// on top where they stand, and a help viewer that closes with them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "quenmoortools/toolkit/addin_windows.h"
#include "quenmoortools/toolkit/tool_window.h"
#include "quenmoortools/ui/about_box.h"
#include "quenmoortools/ui/module1.h"
#include "tests/support/qt_windows.h"

namespace quenmoor::ui {
namespace {

class UiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::offscreenApplication(); }
    void TearDown() override { toolkit::closeAddinWindows(); }

    static QWidget* topLevel(const QString& name) {
        const QList<QWidget*> found = testsupport::topLevelWindows(name);
        EXPECT_LE(found.size(), 1) << "more than one " << name.toStdString();
        return found.isEmpty() ? nullptr : found.front();
    }
};

TEST_F(UiTest, OneAboutBoxShowsAtATimeAndOkUnloadsIt) {
    showAbout();
    auto* form = qobject_cast<Form1*>(topLevel("Form1"));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "About Quenmoor Tools");
    EXPECT_EQ(form->Label1->text(), "Quenmoor Tools");
    EXPECT_EQ(form->Command1->text(), "OK");
    EXPECT_FALSE(form->windowFlags() & Qt::WindowStaysOnTopHint);  // not kept on top
    showAbout();
    EXPECT_EQ(topLevel("Form1"), form);

    form->Command1->click();
    EXPECT_EQ(topLevel("Form1"), nullptr);
    showAbout();
    EXPECT_NE(topLevel("Form1"), nullptr);
}

TEST_F(UiTest, KeepingAWindowOnTopLeavesItWhereItWas) {
    QWidget window;
    window.setGeometry(120, 80, 300, 200);
    window.show();
    toolkit::keepOnTop(&window);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(120, 80, 300, 200));

    constexpr unsigned KeepPlaceAndSize = window::SWP_NOMOVE | window::SWP_NOSIZE;
    EXPECT_TRUE(
        window::SetWindowPos(&window, window::HWND_NOTOPMOST, 0, 0, 0, 0, KeepPlaceAndSize));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.geometry(), QRect(120, 80, 300, 200));
    EXPECT_FALSE(window::SetWindowPos(nullptr, window::HWND_TOPMOST, 0, 0, 0, 0, KeepPlaceAndSize));
}

// The viewer itself, and that a help file it cannot show opens nothing, are tested in
// tests/platform/help; here, that the add-in's windows include it when they close.
TEST_F(UiTest, HelpShowsTheViewerAndClosingTheAddinsWindowsClosesIt) {
    ShowHelpTopic(QUENMOOR_HELP_FILE, HelpContentsTopic);
    ASSERT_NE(topLevel("HelpViewer"), nullptr);
    EXPECT_TRUE(topLevel("HelpViewer")->isVisible());
    toolkit::closeAddinWindows();
    EXPECT_EQ(topLevel("HelpViewer"), nullptr);
}

}  // namespace
}  // namespace quenmoor::ui
