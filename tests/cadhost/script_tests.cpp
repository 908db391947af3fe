// cadhost scripts end to end: the real host program, the real registry file of the test
// and the real add-in library.

#include <gtest/gtest.h>

#include "tests/addin/menu_expectations.h"
#include "tests/support/run_process.h"

namespace quenmoor {
namespace {

using testing::lines;
using testing::runProcess;

class ScriptTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto registered = runProcess({QUENMOOR_REGSVR, QUENMOOR_ADDIN_LIBRARY});
        ASSERT_EQ(registered.exitCode, 0) << registered.err;
    }

    static testing::ProcessResult script(const std::string& text) {
        return runProcess({QUENMOOR_CADHOST, "--script", "-"}, text);
    }
};

TEST_F(ScriptTest, TheLoadedAddInShowsItsMenusAndLeavesNoneWhenDisconnected) {
    auto result = script(
        "addin Quenmoor_Systems.Application\n"
        "menus\n"
        "disconnect\n"
        "menus\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> expected = {"connected Quenmoor_Systems.Application returned False"};
    for (const auto& item : testing::expectedMenuItems()) {
        expected.push_back("menu " + std::to_string(item.documentType) + " \"" + item.text + "\" " +
                           item.callback);
    }
    expected.insert(expected.end(), {"removed menu 1 \"Quenmoor\"", "removed menu 2 \"Quenmoor\"",
                                     "removed menu 3 \"Quenmoor\"",
                                     "disconnected Quenmoor_Systems.Application returned False"});
    EXPECT_EQ(lines(result.out), expected);
}

TEST_F(ScriptTest, MenuPicksReachTheirMethodsAndFailuresLetTheScriptGoOn) {
    auto result = script(
        "addin quenmoor_systems.application\n"
        "doctype 1\n"
        "menu \"Numerate Dimension Names\"\n"
        "menu Help\n"
        "doctype 2\n"
        "menu help\n"
        "menu \"Export Packagel\"\n"
        "addin No.Such.Addin\n"
        "echo \"still running\"\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto out = lines(result.out);
    ASSERT_EQ(out.size(), 7u) << result.out;
    EXPECT_EQ(out[1], "picked \"Numerate Dimension Names\"");
    EXPECT_EQ(out[4], "picked \"Export Packagel\"");
    EXPECT_TRUE(out[5].starts_with("error 0x800401F3 add-in No.Such.Addin:")) << out[5];
    EXPECT_EQ(out[6], "still running");
}

TEST_F(ScriptTest, AHostThatRefusesAnItemKeepsTheEarlierItemsAndReportsIt) {
    auto result = script(
        "fail AddMenuItem2 8\n"
        "addin Quenmoor_Systems.Application\n"
        "menus\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto out = lines(result.out);
    ASSERT_EQ(out.size(), 8u) << result.out;
    EXPECT_EQ(out[0], "error 0x80004005 AddMenuItem2: the host refused the call");
    EXPECT_EQ(out[7], "menu 1 \"Assign Material@Quenmoor\" MaterialDensity");
}

TEST_F(ScriptTest, ALineThatCannotRunStopsTheScriptNamingIt) {
    struct Case {
        const char* script;
        const char* message;
    };
    const Case cases[] = {
        {"echo ok\nfrobnicate\necho never\n", "<stdin>:2: unknown command \"frobnicate\""},
        {"menus extra\n", "<stdin>:1: menus: takes 0 argument(s), got 1"},
        {"echo \"open\n", "<stdin>:1: unterminated quote"},
        {"doctype 9\n",
         "<stdin>:1: document type must be 1 (part), 2 (assembly) or 3 (drawing), not 9"},
        {"doctype 1\nmenu \"No Such Tool\"\n",
         "<stdin>:2: no menu item \"No Such Tool\" for document type 1"},
        {"fail AddMenu x\n", "<stdin>:1: call number must be a whole number, not \"x\""},
    };
    for (const Case& c : cases) {
        auto result = script(c.script);
        EXPECT_EQ(result.exitCode, 2) << c.script;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(result.out.find("never"), std::string::npos);
    }
    auto missing = runProcess({QUENMOOR_CADHOST, "--script", "/nonexistent/tour.qms"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("/nonexistent/tour.qms"), std::string::npos);
}

}  // namespace
}  // namespace quenmoor
