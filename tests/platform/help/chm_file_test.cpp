#include "platform/help/chm_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/support/com_error_of.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor::help {
namespace {

using quenmoor::testsupport::comErrorOf;

const std::string kHelpFile = QUENMOOR_HELP_FILE;

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
