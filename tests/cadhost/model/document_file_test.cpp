// The host's document files read as a user may have left them: whatever is wrong is
// refused naming the file, and nothing is opened.

#include <gtest/gtest.h>

#include <fstream>

#include "cadhost/model/document_file.h"
#include "tests/support/com_error_of.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor::cadhost {
namespace {

using quenmoor::testsupport::failsNaming;
using quenmoor::testsupport::ScratchFolder;

TEST(DocumentFileTest, AMissingOrMalformedFileIsRefusedNamingIt) {
    const ScratchFolder folder;
    struct Case {
        const char* name;
        const char* contents;
        const char* message;
    };
    const Case cases[] = {
        {"text.json", "not json at all", "not a document file"},
        {"array.json", "[1, 2]", "expected a JSON object"},
        {"type.json", R"({"type": "sketch"})", "\"type\" must be"},
        {"values.json", R"({"type": "part", "materialValues": [1, 2]})", "needs 9 values"},
        {"feature.json", R"({"type": "part", "features": [{"kind": "cut"}]})",
         "malformed document"},
        {"selection.json", R"({"type": "assembly", "selection": ["x-1"]})", "no component \"x-1\""},
    };
    for (const Case& c : cases) {
        std::ofstream(folder / c.name) << c.contents;
        const auto load = [&] { loadDocument(folder / c.name); };
        EXPECT_TRUE(failsNaming(load, (folder / c.name).string()));
        EXPECT_TRUE(failsNaming(load, c.message));
    }
    EXPECT_THROW(loadDocument(folder / "none.json"), com::ComError);
}

}  // namespace
}  // namespace quenmoor::cadhost
