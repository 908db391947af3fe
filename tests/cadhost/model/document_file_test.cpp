// The host's document files read as a user may have left them: whatever is wrong is
// refused naming the file, and nothing is opened.

#include <gtest/gtest.h>

#include <fstream>

#include "cadhost/model/document_file.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor::cadhost {
namespace {

using quenmoor::testsupport::failsNaming;

struct BadFile {
    const char* name;
    const char* contents;  // null: no file at all
    const char* message;
};

class BadDocumentFileTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadDocumentFileTest, IsRefusedNamingTheFileAndWhatIsWrong) {
    const quenmoor::testsupport::ScratchFolder folder;
    const auto file = folder / "document.json";
    if (GetParam().contents != nullptr) {
        std::ofstream(file) << GetParam().contents;
    }
    EXPECT_TRUE(failsNaming([&] { loadDocument(file); }, file.string()));
    EXPECT_TRUE(failsNaming([&] { loadDocument(file); }, GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadDocumentFileTest,
    ::testing::Values(
        BadFile{"Missing", nullptr, "cannot open the document file"},
        BadFile{"NotJson", "not json at all", "not a document file"},
        BadFile{"Array", "[1, 2]", "expected a JSON object"},
        BadFile{"UnknownType", R"({"type": "sketch"})", "\"type\" must be"},
        BadFile{"TwoValues", R"({"type": "part", "materialValues": [1, 2]})", "needs 9 values"},
        BadFile{"FeatureWithoutName", R"({"type": "part", "features": [{"kind": "cut"}]})",
                "malformed document"},
        BadFile{"SelectionOfNothing", R"({"type": "assembly", "selection": ["x-1"]})",
                "no component \"x-1\""}),
    quenmoor::testsupport::RowName());

}  // namespace
}  // namespace quenmoor::cadhost
