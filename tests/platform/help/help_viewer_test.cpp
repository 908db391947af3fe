#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <memory>
#include <string>

#include "platform/help/help_browser.h"
#include "platform/help/help_viewer.h"
#include "platform/help/show_help.h"
#include "tests/support/qt_windows.h"

namespace quenmoor::help {
namespace {

const std::string kHelpFile = QUENMOOR_HELP_FILE;

TEST(ShowHelpWithoutGui, ReturnsFalseAndCreatesNoWindow) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_FALSE(showHelpTopic(kHelpFile, "Contents.html"));
    int argc = 1;
    char name[] = "help_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication console(argc, argv);
    EXPECT_FALSE(showHelpTopic(kHelpFile, "Contents.html"));
    EXPECT_EQ(HelpViewer::existing(), nullptr);
}

class HelpViewerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app_ = quenmoor::testsupport::offscreenApplication(); }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }
    void SetUp() override { delete HelpViewer::existing(); }

    static QList<QWidget*> viewerWindows() {
        QList<QWidget*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("HelpViewer")) {
                found.append(widget);
            }
        }
        return found;
    }

    static QString page(const HelpViewer* viewer) { return viewer->browser()->source().path(); }

    // Where on screen the browser shows the link to href, after scrolling it into view.
    static QPoint linkPosition(ChmBrowser* browser, const QString& href) {
        for (QTextBlock block = browser->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().anchorHref() == href) {
                    QTextCursor cursor(browser->document());
                    cursor.setPosition(it.fragment().position() + 1);
                    browser->setTextCursor(cursor);
                    browser->ensureCursorVisible();
                    return browser->cursorRect(cursor).center();
                }
            }
        }
        return {-1, -1};
    }

private:
    static inline QApplication* app_ = nullptr;
};

TEST_F(HelpViewerTest, ShowsTheTopicInOneTopLevelWindowThatEveryCallReuses) {
    EXPECT_FALSE(showHelpTopic("/no/such/folder/quenmoorhelp.chm", "Contents.html"));
    EXPECT_FALSE(showHelpTopic(kHelpFile, "NoSuchTopic.html"));
    EXPECT_FALSE(showHelpTopic(kHelpFile, ""));
    EXPECT_TRUE(viewerWindows().isEmpty());

    ASSERT_TRUE(showHelpTopic(kHelpFile, "Contents.html"));
    HelpViewer* viewer = HelpViewer::existing();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->parentWidget(), nullptr);
    EXPECT_EQ(viewer->windowTitle(), "Quenmoor Tools Help");
    EXPECT_EQ(page(viewer), "/Contents.html");
    EXPECT_FALSE(showHelpTopic(kHelpFile, "NoSuchTopic.html"));  // the page stays
    EXPECT_EQ(page(viewer), "/Contents.html");

    viewer->hide();
    ASSERT_TRUE(showHelpTopic(kHelpFile, "unitconverter.html"));
    EXPECT_EQ(viewerWindows(), QList<QWidget*>{viewer});
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), "Unit Converter");
    EXPECT_EQ(page(viewer), "/UnitConverter.html");
}

TEST_F(HelpViewerTest, FollowingALinkAndGoingBackReturnsToThePreviousPage) {
    ASSERT_TRUE(showHelpTopic(kHelpFile, "Contents.html"));
    HelpViewer* viewer = HelpViewer::existing();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    auto* back = viewer->findChild<QAction*>("back");
    auto* forward = viewer->findChild<QAction*>("forward");
    auto* home = viewer->findChild<QAction*>("home");
    ASSERT_TRUE(back && forward && home);
    EXPECT_FALSE(back->isEnabled());

    ChmBrowser* browser = viewer->browser();
    const QPoint link = linkPosition(browser, "UnitConverter.html");
    ASSERT_EQ(browser->anchorAt(link), "UnitConverter.html");
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, link);
    EXPECT_EQ(page(viewer), "/UnitConverter.html");
    EXPECT_EQ(viewer->windowTitle(), "Unit Converter");
    EXPECT_TRUE(back->isEnabled());

    back->trigger();
    EXPECT_EQ(page(viewer), "/Contents.html");
    EXPECT_EQ(viewer->windowTitle(), "Quenmoor Tools Help");
    EXPECT_TRUE(forward->isEnabled());
    forward->trigger();
    EXPECT_EQ(page(viewer), "/UnitConverter.html");
    home->trigger();
    EXPECT_EQ(page(viewer), "/Contents.html");
}

TEST_F(HelpViewerTest, PagesGetTheirImagesAndStyleSheetFromTheFile) {
    ASSERT_TRUE(showHelpTopic(kHelpFile, "Contents.html"));
    ChmBrowser* browser = HelpViewer::existing()->browser();

    const QImage logo = QImage::fromData(
        browser->loadResource(QTextDocument::ImageResource, QUrl("images/logo.png")).toByteArray());
    EXPECT_EQ(logo.size(), QSize(48, 48));
    EXPECT_TRUE(
        browser->loadResource(QTextDocument::ImageResource, QUrl("images/none.png")).isNull());

    // help.css colours headings; Qt's default would leave them black.
    QTextBlock heading = browser->document()->begin();
    while (heading.isValid() && heading.blockFormat().headingLevel() != 1) {
        heading = heading.next();
    }
    ASSERT_TRUE(heading.isValid());
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor("#2f5f8f"));

    const QString missing =
        browser->loadResource(QTextDocument::HtmlResource, QUrl("Tutorial.html")).toString();
    EXPECT_TRUE(missing.contains("/Tutorial.html")) << missing.toStdString();
    EXPECT_TRUE(missing.contains(QString::fromStdString(kHelpFile))) << missing.toStdString();
}

}  // namespace
}  // namespace quenmoor::help
