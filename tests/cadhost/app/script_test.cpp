// cadhost scripts end to end: the real host program, the real registry file of the test
// and the real add-in library.

#include <gtest/gtest.h>

#include "tests/support/named_rows.h"
#include "tests/support/run_process.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor {
namespace {

using testsupport::lines;
using testsupport::runProcess;
using testsupport::ScratchFolder;

const std::string Examples = QUENMOOR_EXAMPLES;

testsupport::ProcessResult script(const std::string& text) {
    return runProcess({QUENMOOR_CADHOST, "--script", "-"}, text);
}

// Scripts that load the add-in, registered once for them all.
class ScriptTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto registered = runProcess({QUENMOOR_REGSVR, QUENMOOR_ADDIN_LIBRARY});
        ASSERT_EQ(registered.exitCode, 0) << registered.err;
    }
};

// The one check of the menus' texts and order: what the user finds in each document type.
TEST_F(ScriptTest, TheLoadedAddInShowsItsMenusAndLeavesNoneWhenDisconnected) {
    auto result = script("addin Quenmoor_Systems.Application\nmenus\ndisconnect\nmenus\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(lines(result.out), (std::vector<std::string>{
                                     "connected Quenmoor_Systems.Application returned False",
                                     "menu 2 \"Custom Properties@Quenmoor\" tebrincallback",
                                     "menu 2 \"Appearance Panel@Quenmoor\" Appearance",
                                     "menu 2 \"Export Packagel@Quenmoor\" Pack",
                                     "menu 2 \"Unit Converter@Quenmoor\" conversion",
                                     "menu 2 \"help@Quenmoor\" help",
                                     "menu 2 \"About@Quenmoor\" About",
                                     "menu 1 \"Assign Material@Quenmoor\" MaterialDensity",
                                     "menu 1 \"Custom Properties@Quenmoor\" tebrincallback",
                                     "menu 1 \"Numerate Dimension Names@Quenmoor\" NumDims",
                                     "menu 1 \"Appearance Panel@Quenmoor\" appearance",
                                     "menu 1 \"Export Package@Quenmoor\" Pack",
                                     "menu 1 \"Unit Converter@Quenmoor\" conversion",
                                     "menu 1 \"About@Quenmoor\" About",
                                     "menu 1 \"Help@Quenmoor\" Help",
                                     "menu 3 \"Custom Properties@Quenmoor\" tebrincallback",
                                     "menu 3 \"Export Package@Quenmoor\" Pack",
                                     "menu 3 \"Unit Converter@Quenmoor\" conversion",
                                     "menu 3 \"About@Quenmoor\" About",
                                     "menu 3 \"Help@Quenmoor\" Help",
                                     "removed menu 1 \"Quenmoor\"",
                                     "removed menu 2 \"Quenmoor\"",
                                     "removed menu 3 \"Quenmoor\"",
                                     "disconnected Quenmoor_Systems.Application returned False",
                                 }));
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
    EXPECT_EQ(out[4], "error 0x800A005B Export Package: no document is open to offer formats for");
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

TEST(HostScriptTest, AScriptFileThatCannotBeReadIsNamed) {
    auto missing = runProcess({QUENMOOR_CADHOST, "--script", "/nonexistent/tour.qms"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("/nonexistent/tour.qms"), std::string::npos) << missing.err;
}

// The texts each command prints, and `doc`'s of a saved document. That a document reads
// back as it was saved is the document loader fuzzer's round trip.
TEST(HostScriptTest, CommandsAndDocumentsArePrintedAsHeld) {
    const ScratchFolder folder;
    const std::string saved = (folder / "plate.json").string();
    auto result = script(
        "new part plate\nfeature Base-Extrude D1=100 D2=50\nfeature Hole \"Hole Dia\"\n"
        "property Material \"Steel, S355\"\nvalues 0.1 0.2 0.3 1 1 0.5 0.3 0 0\nsave " +
        saved + "\nclose\ndoc\nopen " + saved +
        "\ndoc\nnew assembly frame\ncomponent plate-2\nvalues plate-2 1 0 0 1 1 0.5 0.3 0 0\n"
        "select plate-2\nactivate plate\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "new part \"plate\"\nfeature \"Base-Extrude\" \"D1\" \"D2\"\n"
              "feature \"Hole\" \"Hole Dia\"\nproperty \"Material\" \"Steel, S355\"\n"
              "values \"plate\" 0.1 0.2 0.3 1 1 0.5 0.3 0 0\nsaved \"plate\" to \"" +
                  saved +
                  "\"\nclosed \"plate\"\ndocument none\nopened part \"plate\"\n"
                  "document part \"plate\" file \"" +
                  saved +
                  "\"\ndensity 1000\nvalues 0.1 0.2 0.3 1 1 0.5 0.3 0 0\n"
                  "property \"Material\" 30 \"Steel, S355\"\nfeature \"Base-Extrude\" feature\n"
                  "dimension \"D1\" 100\ndimension \"D2\" 50\nfeature \"Hole\" feature\n"
                  "dimension \"Hole Dia\" 10\nredraws 0\nnew assembly \"frame\"\n"
                  "component \"plate-2\"\nvalues \"plate-2\" 1 0 0 1 1 0.5 0.3 0 0\n"
                  "selected \"plate-2\"\nactive \"plate\"\n");
}

TEST(HostScriptTest, WindowsAreFoundByNameAndPhotographed) {
    const ScratchFolder folder;
    const std::string picture = (folder / "main.png").string();
    auto result = script("open " + Examples + "/bracket.json\nwindow CadHostWindow\nscreenshot " +
                         picture + "\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\nwindow CadHostWindow \"bracket - cadhost\" visible"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("control FeatureTree QTreeWidget"), std::string::npos);
    EXPECT_EQ(testsupport::fileBytes(picture).substr(0, 8), "\x89PNG\r\n\x1a\n");
}

// A line that cannot run stops the script with exit code 2, naming the line and what is
// wrong, and runs nothing after it.
struct StoppingLine {
    const char* name;
    std::string script;
    std::string message;
};

class StoppingLineTest : public ::testing::TestWithParam<StoppingLine> {};

TEST_P(StoppingLineTest, StopsTheScriptNamingTheLine) {
    auto result = script(GetParam().script + "echo never\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_EQ(result.out.find("never"), std::string::npos) << result.out;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StoppingLineTest,
    ::testing::Values(
        StoppingLine{"UnknownCommand", "echo ok\nfrobnicate\n",
                     "<stdin>:2: unknown command \"frobnicate\""},
        StoppingLine{"ArgumentCount", "menus extra\n",
                     "<stdin>:1: menus: takes 0 argument(s), got 1"},
        StoppingLine{"OpenQuote", "echo \"open\n", "<stdin>:1: unterminated quote"},
        StoppingLine{"DocumentType", "doctype 9\n",
                     "<stdin>:1: document type must be 1 (part), 2 (assembly) or 3 (drawing), "
                     "not 9"},
        StoppingLine{"NoMenuItem", "doctype 1\nmenu \"No Such Tool\"\n",
                     "<stdin>:2: no menu item \"No Such Tool\" for document type 1"},
        StoppingLine{"CallNumber", "fail AddMenu x\n",
                     "<stdin>:1: call number must be a whole number, not \"x\""},
        StoppingLine{"MissingDocument", "open /nonexistent/missing.json\n",
                     "/nonexistent/missing.json: cannot open the document file"},
        StoppingLine{"NewSketch", "new sketch s\n",
                     "new: document type must be part, assembly or drawing, not \"sketch\""},
        StoppingLine{"NoDocument", "feature F\n", "feature: no document is open"},
        StoppingLine{"NotAnAssembly", "new part p\ncomponent c\n",
                     "component: \"p\" is not an assembly"},
        StoppingLine{"ValueOutOfRange", "new part p\nvalues 1 1 1 1 1 1 1 2 0\n",
                     "values: document: MaterialPropertyValues value 7 is 2"},
        StoppingLine{"NoComponent", "new assembly a\nselect ghost\n",
                     "select: \"a\" has no component \"ghost\""},
        StoppingLine{"NoTitle", "activate nothing\n", "no open document titled \"nothing\""},
        StoppingLine{"NoPage", "press 2\n", "press: no property page is open"},
        StoppingLine{"NoWindow", "window Nowhere\n", "no window named \"Nowhere\""},
        StoppingLine{"NoControl", "click CadHostWindow.NoSuchButton\n",
                     "window \"CadHostWindow\" has no control \"NoSuchButton\""},
        StoppingLine{"SaveWithoutFile", "new part p\nsave\n",
                     "save: document \"p\" has no file yet; name one"},
        StoppingLine{"SaveIntoNoFolder", "new part p\nsave /nonexistent/folder/p.json\n",
                     "/nonexistent/folder/p.json"}),
    testsupport::RowName());

}  // namespace
}  // namespace quenmoor
