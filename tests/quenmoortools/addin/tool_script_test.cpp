// The tools and their windows as a user meets them: the real host program with the real
// add-in and spreadsheet engine, driven by scripts. A test that needs workbooks of its own gets an
// add-in folder of its own: a copy of the library beside the workbooks it writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "tests/support/named_rows.h"
#include "tests/support/run_process.h"
#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor {
namespace {

namespace fs = std::filesystem;
using testsupport::lines;
using testsupport::runProcess;
using workbook::CellValue;

const std::string Bin = QUENMOOR_BIN;
const std::string Examples = QUENMOOR_EXAMPLES;

class ToolScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(runProcess({Bin + "/regsvr", Bin + "/workbook.so"}).exitCode, 0);
        ASSERT_EQ(runProcess({Bin + "/regsvr", Bin + "/quenmoortools.so"}).exitCode, 0);
    }

    // Registers a copy of the add-in in a folder of its own, beside a material.xls whose
    // sheet "Density" holds `rows` of name, grade and density: "" leaves a cell empty, a
    // text that reads as a number is stored as a number.
    void addinWithMaterials(const std::vector<std::array<std::string, 3>>& rows) {
        fs::copy_file(Bin + "/quenmoortools.so", folder_ / "quenmoortools.so");
        workbook::WorkbookData data;
        workbook::Sheet& sheet = data.addSheet("Density");
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < 3; ++c) {
                const std::string& text = rows[r][static_cast<std::size_t>(c)];
                char* end = nullptr;
                const double number = std::strtod(text.c_str(), &end);
                CellValue value = text.empty()
                                      ? CellValue()
                                      : (*end == '\0' ? CellValue(number) : CellValue(text));
                sheet.set(static_cast<int>(r) + 1, c + 1, value);
            }
        }
        workbook::writeXls(data, folder_ / "material.xls");
        ASSERT_EQ(runProcess({Bin + "/regsvr", (folder_ / "quenmoortools.so").string()}).exitCode,
                  0);
    }

    static testsupport::ProcessResult script(const std::string& text) {
        return runProcess(
            {Bin + "/cadhost", "--addin", "Quenmoor_Systems.Application", "--script", "-"}, text);
    }

    // The lines of `out` that start with `prefix`.
    static std::vector<std::string> facts(const std::string& out, const std::string& prefix) {
        std::vector<std::string> found;
        for (const auto& line : lines(out)) {
            if (line.starts_with(prefix)) {
                found.push_back(line);
            }
        }
        return found;
    }

    testsupport::ScratchFolder folder_;
};

// The material list ends at the first row whose column A is empty, except that row 1 is
// always an entry; a list filled to its last row is OkWritesColumnCOfTheChosenRowUnconverted's.
struct MaterialRows {
    const char* name;
    std::vector<std::array<std::string, 3>> rows;
    std::string items;
};

class MaterialListTest : public ToolScriptTest,
                         public ::testing::WithParamInterface<MaterialRows> {};

TEST_P(MaterialListTest, OffersTheRowsUpToTheEndOfTheList) {
    addinWithMaterials(GetParam().rows);
    auto result = script("new part p\nmenu \"Assign Material\"\npage\ncancel\ndoc\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto control = facts(result.out, "control 223 combo");
    ASSERT_EQ(control.size(), 1u) << result.out;
    EXPECT_TRUE(control[0].ends_with(GetParam().items)) << control[0];
    EXPECT_EQ(facts(result.out, "density "), std::vector<std::string>{"density 1000"})
        << "Cancel wrote a density";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MaterialListTest,
    ::testing::Values(
        MaterialRows{"FirstRowEmpty",
                     {{{"", "", "1"}}, {{"Brass", "", "8500"}}, {{"Copper", "", "8960"}}},
                     "items \"\" \"Brass\" \"Copper\" selection 0"},
        MaterialRows{"RowsAfterAGap",
                     {{{"Steel", "", "7850"}},
                      {{"Brass", "", "8500"}},
                      {{"", "", ""}},
                      {{"Hidden", "", "1"}}},
                     "items \"Steel\" \"Brass\" selection 0"}),
    testsupport::RowName());

TEST_F(ToolScriptTest, OkWritesColumnCOfTheChosenRowUnconverted) {
    addinWithMaterials(
        {{{"Steel", "ignored", "7850"}}, {{"Oak", "wood", "heavy"}}, {{"Foam", "", ""}}});
    auto result = script(
        "new part p\n"
        "menu \"Assign Material\"\nok\ndoc\n"
        "menu \"Assign Material\"\nset 223 Foam\nok\ndoc\n"
        "menu \"Assign Material\"\nset 223 Oak\nok\ndoc\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(facts(result.out, "density "),
              (std::vector<std::string>{"density 7850", "density 0", "density 0"}));
    auto errors = facts(result.out, "error ");
    ASSERT_EQ(errors.size(), 1u) << result.out;
    EXPECT_NE(errors[0].find("row 2: the density \"heavy\" in column C is not a number"),
              std::string::npos)
        << errors[0];
}

TEST_F(ToolScriptTest, AMissingWorkbookOrSheetIsNamed) {
    addinWithMaterials({{{"Steel", "", "7850"}}});
    fs::remove(folder_ / "material.xls");
    auto missing = script("new part p\nmenu \"Assign Material\"\npage\n");
    ASSERT_EQ(missing.exitCode, 0) << missing.err;
    EXPECT_NE(missing.out.find((folder_ / "material.xls").string()), std::string::npos)
        << missing.out;
    EXPECT_NE(missing.out.find("page none"), std::string::npos);

    workbook::WorkbookData data;
    data.addSheet("Materials").set(1, 1, CellValue(std::string("Steel")));
    workbook::writeXls(data, folder_ / "material.xls");
    auto noSheet = script("new part p\nmenu \"Assign Material\"\n");
    EXPECT_NE(noSheet.out.find("no sheet named Density"), std::string::npos) << noSheet.out;
}

TEST_F(ToolScriptTest, TheConverterWritesItsResultAndKeepsItWhenTheValueIsNoNumber) {
    auto result = script(
        "new part p\nmenu \"Unit Converter\"\npress 55\noption 1\nset 43 inch\nset 44 mm\n"
        "set 25 1\npress 55\nset 25 abc\npress 55\nset 25 \"\"\npress 55\npage\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto errors = facts(result.out, "error ");
    ASSERT_EQ(errors.size(), 3u) << result.out;
    EXPECT_NE(errors[0].find("no unit is chosen"), std::string::npos) << errors[0];
    EXPECT_NE(errors[1].find("the value \"abc\" is not a number"), std::string::npos) << errors[1];
    EXPECT_NE(errors[2].find("the value \"\" is not a number"), std::string::npos) << errors[2];
    EXPECT_EQ(facts(result.out, "control 26 text"),
              std::vector<std::string>{
                  "control 26 text \"\" align 2 options 3 tip \"\" text \"25.4000508001016\""});
}

// A page acts on the document it was shown for, whichever the user made active since, and
// goes with that document.
TEST_F(ToolScriptTest, APageWritesOnlyIntoItsOwnDocument) {
    const auto result = script(
        "new part A\nfeature Base D1\nmenu \"Custom Properties\"\nset 7 \"from A's page\"\n"
        "new part B\nfeature Base D7\nproperty Revision C\npage\nok\ndoc\nactivate A\ndoc\n"
        "menu \"Numerate Dimension Names\"\nactivate B\nok\ndoc\nactivate A\ndoc\n");
    ASSERT_EQ(result.exitCode, 0) << result.err << result.out;
    EXPECT_EQ(facts(result.out, "page "),
              std::vector<std::string>{"page \"Quenmoor\" options 3 document \"A\""});
    // B keeps its own property alone; A's page wrote into A.
    const auto properties = facts(result.out, "property ");
    EXPECT_EQ(std::count(properties.begin(), properties.end(), "property \"Revision\" 30 \"C\""), 2)
        << result.out;
    EXPECT_EQ(std::count_if(properties.begin(), properties.end(),
                            [](const std::string& p) { return p.ends_with("\"from A's page\""); }),
              2)
        << result.out;
    EXPECT_EQ(properties.size(), 21u) << result.out;
    EXPECT_EQ(facts(result.out, "dimension "),
              (std::vector<std::string>{"dimension \"D7\" 10", "dimension \"D1\" 10",
                                        "dimension \"D7\" 10", "dimension \"1\" 10"}));
    EXPECT_TRUE(facts(result.out, "error ").empty()) << result.out;
}

TEST_F(ToolScriptTest, ClosingItsDocumentCancelsThePageAndOthersLeaveItOpen) {
    const auto result = script(
        "new part A\nfeature Base D1\nnew part B\nfeature Base D2\nactivate A\n"
        "menu \"Numerate Dimension Names\"\nactivate B\nclose\npage\nclose\npage\n"
        "new part C\nfeature Base D3\nmenu \"Unit Converter\"\nok\ndoc\n");
    ASSERT_EQ(result.exitCode, 0) << result.err << result.out;
    EXPECT_EQ(
        facts(result.out, "closed "),
        (std::vector<std::string>{"closed \"B\"", "closed page \"Quenmoor\" with cancel",
                                  "closed \"A\"", "closed page \"Unit Conversion\" with ok"}));
    const auto pages = facts(result.out, "page ");
    ASSERT_EQ(pages.size(), 2u) << result.out;
    EXPECT_EQ(pages[0], "page \"Quenmoor\" options 3 document \"A\"");
    EXPECT_EQ(pages[1], "page none");
    // The numbering page went with Cancel: a later OK of another page numbers nothing.
    EXPECT_EQ(facts(result.out, "dimension "), std::vector<std::string>{"dimension \"D3\" 10"});
}

TEST_F(ToolScriptTest, APageShownWithNoDocumentActsOnNoneOpenedLater) {
    const auto result = script(
        "doctype 1\nmenu \"Numerate Dimension Names\"\npage\nnew part B\nfeature Base D1\n"
        "ok\ndoc\n");
    ASSERT_EQ(result.exitCode, 0) << result.err << result.out;
    EXPECT_TRUE(facts(result.out, "page ")[0].ends_with(" document none")) << result.out;
    EXPECT_EQ(facts(result.out, "dimension "), std::vector<std::string>{"dimension \"D1\" 10"});
    EXPECT_EQ(facts(result.out, "error ").size(), 1u) << result.out;
}

TEST_F(ToolScriptTest, TheExportPackageLeavesOneFilePerFormatTheHostCanWrite) {
    const std::string location = "type packagepath.Text1 " + folder_.path().string() + "\n";
    auto result =
        script("open " + Examples + "/bracket.json\nmenu \"Export Package\"\n" +
               "set 13 on\nset 14 on\nset 15 on\nset 16 on\nset 17 on\npress 0\n" + location +
               "ok\nopen " + Examples + "/bracket-drawing.json\nmenu \"Export Package\"\n" +
               "set 18 on\nset 19 on\nok\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // ACIS and DWG have no writer here: they fail, leave nothing, and the package goes on.
    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(folder_.path())) {
        written.insert(entry.path().filename().string());
        EXPECT_GT(entry.file_size(), 1000U) << entry.path();
    }
    EXPECT_EQ(written, (std::set<std::string>{"bracket-drawing.dxf", "bracket.igs", "bracket.step",
                                              "bracket.stl", "bracket.tif"}));
}

// What the user sees of the add-in's windows: the option list editor as it first opens, the
// appearance panel's scroll bars, and the windows that stay open after a disconnect.
TEST_F(ToolScriptTest, TheAddinsWindowsAsTheUserSeesThem) {
    const auto result = script(
        "new part p\nmenu \"Custom Properties\"\npress 2\nwindow SetOptions\n"
        "menu \"Appearance Panel\"\nwindow Attributes\nmenu About\nmenu Help\n"
        "disconnect\nwindow Form1\nwindow HelpViewer\nwindow SetOptions\n"
        "choose SetOptions.List1 1\nwindow SetOptions\nclick SetOptions.Cancel\n");
    ASSERT_EQ(result.exitCode, 0) << result.err << result.out;
    const std::string& out = result.out;
    const auto first = [&](const std::string& prefix) {
        const auto found = facts(out, prefix);
        return found.empty() ? std::string() : found.front();
    };

    // The editor opens active, with no property chosen until the user clicks one.
    EXPECT_TRUE(first("window SetOptions").ends_with(" active")) << out;
    EXPECT_TRUE(first("control List1 ").ends_with(" selection -1")) << out;
    EXPECT_EQ(first("control List2 "),
              "control List2 QListWidget 256 32 185 134 items selection -1");
    for (const std::string bar :
         {"rbar", "Gbar", "bbar", "ambient", "specular", "shine", "transparent"}) {
        EXPECT_TRUE(first("control " + bar + " ").starts_with("control " + bar + " QScrollBar "));
    }

    // Disconnecting leaves the windows and the help viewer open, and they still work.
    EXPECT_TRUE(
        first("window Form1 ").starts_with("window Form1 \"About Quenmoor Tools\" visible"));
    EXPECT_NE(first("window HelpViewer ").find(" visible "), std::string::npos) << out;
    std::vector<std::string> modify;
    for (const auto& line : facts(out, "control ModifyProperty ")) {
        modify.push_back(line.substr(line.rfind(" text ")));
    }
    EXPECT_EQ(modify, (std::vector<std::string>{" text \"\"", " text \"\"", " text \"Finish\""}));
}

}  // namespace
}  // namespace quenmoor
