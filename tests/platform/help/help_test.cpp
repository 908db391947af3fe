// The help file as compiled, read by the help reader, and the viewer that shows it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/help/chm_file.h"
#include "platform/help/help_browser.h"
#include "platform/help/help_viewer.h"
#include "platform/help/show_help.h"
#include "tests/support/com_error_of.h"
#include "tests/support/qt_windows.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor::help {
namespace {

using quenmoor::testsupport::comErrorOf;

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
    static void SetUpTestSuite() { quenmoor::testsupport::offscreenApplication(); }
    void SetUp() override { delete HelpViewer::existing(); }

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
};

TEST_F(HelpViewerTest, ShowsTheTopicInOneTopLevelWindowThatEveryCallReuses) {
    EXPECT_FALSE(showHelpTopic("/no/such/folder/quenmoorhelp.chm", "Contents.html"));
    EXPECT_FALSE(showHelpTopic(kHelpFile, "NoSuchTopic.html"));
    EXPECT_FALSE(showHelpTopic(kHelpFile, ""));
    EXPECT_TRUE(quenmoor::testsupport::topLevelWindows("HelpViewer").isEmpty());

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
    EXPECT_EQ(quenmoor::testsupport::topLevelWindows("HelpViewer"), QList<QWidget*>{viewer});
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

// The addresses a page refers to: href and src attributes, and the "Local" parameters of
// the table of contents and the index.
std::vector<std::string> referencesIn(const std::string& page) {
    static const std::regex attribute(R"re((?:href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
    static const std::regex local(R"re(name="Local"\s+value="([^"]*)")re", std::regex::icase);
    std::vector<std::string> found;
    for (const auto* pattern : {&attribute, &local}) {
        for (std::sregex_iterator it(page.begin(), page.end(), *pattern), end; it != end; ++it) {
            found.push_back((*it)[1]);
        }
    }
    return found;
}

bool hasAnchor(const std::string& page, const std::string& name) {
    return page.find("name=\"" + name + "\"") != std::string::npos ||
           page.find("id=\"" + name + "\"") != std::string::npos;
}

class HelpFileTest : public ::testing::Test {
protected:
    ChmFile chm{kHelpFile};
};

TEST_F(HelpFileTest, ContentsPageIsTheTopicTheAddinOpensAndLinksEveryTool) {
    EXPECT_EQ(chm.resolveTopic("Contents.html"), "/Contents.html");
    EXPECT_EQ(chm.resolveTopic("contents.HTML"), "/Contents.html");
    EXPECT_EQ(chm.resolveTopic("/Contents.html#top"), "/Contents.html");

    std::set<std::string> linked;
    for (const auto& href : referencesIn(chm.read("/Contents.html"))) {
        linked.insert(resolveLink("/Contents.html", href));
    }
    for (const char* page :
         {"/CustomProperties.html", "/OptionListEditor.html", "/UnitConverter.html",
          "/AssignMaterial.html", "/AppearancePanel.html", "/NumerateDimensions.html",
          "/ExportPackage.html", "/HelpAndAbout.html"}) {
        EXPECT_TRUE(linked.count(page)) << "Contents.html does not link " << page;
    }
}

TEST_F(HelpFileTest, EveryReferenceOfEveryPageResolvesInsideTheFile) {
    std::vector<std::string> broken;
    int checked = 0;
    for (const auto& entry : chm.entries()) {
        if (!entry.ends_with(".html") && !entry.ends_with(".hhc") && !entry.ends_with(".hhk")) {
            continue;
        }
        const std::string page = chm.read(entry);
        for (const auto& href : referencesIn(page)) {
            ++checked;
            if (href.rfind("http:", 0) == 0 || href.rfind("https:", 0) == 0) {
                continue;
            }
            const std::string target = resolveLink(entry, href);
            const auto hash = href.find('#');
            const std::string anchor = hash == std::string::npos ? "" : href.substr(hash + 1);
            const std::string stored = target.empty() ? entry : chm.find(target);
            if (stored.empty() || (!anchor.empty() && !hasAnchor(chm.read(stored), anchor))) {
                broken.push_back(entry + " -> " + href);
            }
        }
    }
    EXPECT_GT(checked, 50);
    EXPECT_EQ(broken, std::vector<std::string>{});
}

TEST(ChmFileErrors, NameTheFileAndTheTopic) {
    const std::string missing = ::testing::TempDir() + "no-such-folder/quenmoorhelp.chm";
    const com::ComError notFound = comErrorOf([&] { ChmFile chm(missing); });
    EXPECT_EQ(notFound.code(), com::E_FILE_NOT_FOUND);
    EXPECT_NE(notFound.description().find(missing), std::string::npos) << notFound.what();

    EXPECT_THROW(ChmFile{::testing::TempDir()}, com::ComError);  // a folder

    const ChmFile chm(kHelpFile);
    const com::ComError noTopic = comErrorOf([&] { chm.resolveTopic("Tutorial.html"); });
    EXPECT_NE(noTopic.description().find(kHelpFile), std::string::npos) << noTopic.what();
    EXPECT_NE(noTopic.description().find("Tutorial.html"), std::string::npos) << noTopic.what();
    EXPECT_THROW(chm.read("/images/missing.png"), com::ComError);
    EXPECT_THROW(chm.resolveTopic(""), com::ComError);
}

// A help file cut short, as by an interrupted copy: every entry reads whole or fails naming
// the file and the entry; none comes back short.
TEST(ChmFileErrors, ATruncatedFileNeverGivesAShortEntry) {
    const ChmFile whole(kHelpFile);
    const std::string bytes = testsupport::fileBytes(kHelpFile);
    const testsupport::ScratchFolder scratch;
    for (const std::size_t kept : {bytes.size() / 2, bytes.size() - 1}) {
        const std::string cut = (scratch / ("cut" + std::to_string(kept) + ".chm")).string();
        std::ofstream(cut, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(kept));
        int failed = 0;
        try {
            const ChmFile chm(cut);
            for (const auto& entry : chm.entries()) {
                try {
                    EXPECT_EQ(chm.read(entry), whole.read(entry)) << entry;
                } catch (const com::ComError& error) {
                    ++failed;
                    EXPECT_NE(error.description().find(cut + ": entry " + entry), std::string::npos)
                        << error.what();
                }
            }
        } catch (const com::ComError& error) {
            ++failed;
            EXPECT_NE(error.description().find(cut), std::string::npos) << error.what();
        }
        EXPECT_GT(failed, 0) << "nothing was missed in " << cut;
    }
}

TEST(ResolveLink, FollowsTheRulesOfRelativeAddresses) {
    EXPECT_EQ(resolveLink("/Contents.html", "UnitConverter.html#units"), "/UnitConverter.html");
    EXPECT_EQ(resolveLink("/tools/a.html", "../help.css"), "/help.css");
    EXPECT_EQ(resolveLink("/tools/a.html", "./b.html?x=1"), "/tools/b.html");
    EXPECT_EQ(resolveLink("/tools/a.html", "/Contents.html"), "/Contents.html");
    EXPECT_EQ(resolveLink("/a.html", "../../b.html"), "/b.html");
    EXPECT_EQ(resolveLink("/a.html", "my%20page.html"), "/my page.html");
    EXPECT_EQ(resolveLink("/a.html", "#about"), "");
    EXPECT_EQ(resolveLink("/a.html", "https://example.org/x.html"), "");
    EXPECT_EQ(resolveLink("/a.html", "mailto:support@example.org"), "");
    EXPECT_EQ(resolveLink("/a.html", "ms-its:other.chm::/x.html"), "");
}

}  // namespace
}  // namespace quenmoor::help
