// The add-in's shell windows, as the user sees them: the About box laid out in its form's
// twips, windows kept on top where they stand, and help that never fails a command.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "quenmoortools/toolkit/tool_window.h"
#include "quenmoortools/ui/about_box.h"
#include "quenmoortools/ui/addin_windows.h"
#include "quenmoortools/ui/module1.h"
#include "tests/support/qt_windows.h"

namespace quenmoor::ui {
namespace {

class UiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { application = testsupport::offscreenApplication(); }
    static void TearDownTestSuite() {
        closeAddinWindows();
        delete application;
    }
    void TearDown() override { closeAddinWindows(); }

    static QWidget* topLevel(const QString& name) {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget* found = nullptr;
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == name) {
                found = widget;
                ++count;
            }
        }
        EXPECT_LE(count, 1) << "more than one " << name.toStdString();
        return found;
    }

    static inline QApplication* application = nullptr;
};

TEST_F(UiTest, TheAboutBoxHasTheLayoutOfItsForm) {
    showAbout();
    auto* form = qobject_cast<Form1*>(topLevel("Form1"));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "About Quenmoor Tools");
    EXPECT_EQ(form->size(), QSize(427, 251));  // 6405 x 3765 twips

    const std::pair<QWidget*, QRect> layout[] = {
        {form->Label1, testsupport::twips(240, 240, 2775, 495)},
        {form->Label2, testsupport::twips(120, 960, 3255, 855)},
        {form->Image1, testsupport::twips(4080, 120, 2250, 1560)},
        {form->Command1, testsupport::twips(4320, 1800, 1575, 495)},
        {form->Label3, testsupport::twips(1440, 2760, 3495, 855)},
    };
    for (const auto& [control, geometry] : layout) {
        EXPECT_EQ(control->geometry(), geometry) << control->objectName().toStdString();
    }
    EXPECT_EQ(form->Label1->text(), "Quenmoor Tools");
    EXPECT_DOUBLE_EQ(form->Label1->font().pointSizeF(), 13.5);
    EXPECT_EQ(form->Label1->font().weight(), QFont::Normal);
    EXPECT_FALSE(form->Label2->text().isEmpty());
    EXPECT_FALSE(form->Label3->text().isEmpty());
    EXPECT_EQ(form->Command1->text(), "OK");

    const QImage picture = aboutPicture();
    EXPECT_EQ(picture.size(), QSize(150, 120));
    EXPECT_EQ(picture.format(), QImage::Format_RGB888);
    EXPECT_FALSE(form->windowFlags() &
                 Qt::WindowStaysOnTopHint);  // the About box is not kept on top
}

TEST_F(UiTest, ASecondAboutLeavesOneBoxAndOkUnloadsIt) {
    showAbout();
    QWidget* first = topLevel("Form1");
    showAbout();
    EXPECT_EQ(topLevel("Form1"), first);

    qobject_cast<Form1*>(first)->Command1->click();
    EXPECT_EQ(topLevel("Form1"), nullptr);

    showAbout();
    auto* again = qobject_cast<Form1*>(topLevel("Form1"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Label1->text(), "Quenmoor Tools");
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

TEST_F(UiTest, HelpWithAMissingFileOrTopicReturnsAndShowsNothing) {
    ShowHelpTopic("/nonexistent/quenmoorhelp.chm", HelpContentsTopic);
    EXPECT_EQ(topLevel("HelpViewer"), nullptr);
    ShowHelpTopic(QUENMOOR_HELP_FILE, "NoSuchTopic.html");
    EXPECT_EQ(topLevel("HelpViewer"), nullptr);
    ShowHelpTopic(QUENMOOR_HELP_FILE, HelpContentsTopic);
    QWidget* viewer = topLevel("HelpViewer");
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    closeAddinWindows();
    EXPECT_EQ(topLevel("HelpViewer"), nullptr);
}

}  // namespace
}  // namespace quenmoor::ui
