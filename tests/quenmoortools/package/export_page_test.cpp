// The export page on the host's real page model, with the add-in's own event routing
// answering the page: the Location button opens the real location window, whose folder is
// typed, and OK runs the package.

#include <gtest/gtest.h>

#include <QLineEdit>

#include "quenmoortools/package/package_path.h"
#include "quenmoortools/ui/addin_windows.h"
#include "tests/support/addin_on_host.h"
#include "tests/support/com_error_of.h"
#include "tests/support/host_model.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_windows.h"

namespace quenmoor::package {
namespace {

using Strings = std::vector<std::string>;
using quenmoor::testsupport::failsNaming;

class PackageExportTest : public quenmoor::testsupport::AddinOnHost {
protected:
    static void SetUpTestSuite() {
        AddinOnHost::SetUpTestSuite();
        quenmoor::testsupport::offscreenApplication();
    }
    void TearDown() override {
        ui::closeAddinWindows();
        AddinOnHost::TearDown();
    }

    // Builds the page on a new document of that type and title, as the menu item does.
    cadhost::PropertyPage& pack(host::DocumentType type, const std::string& title) {
        host_->model().newDocument(type, title);
        addin_->pack();
        return openPage();
    }
    void typeFolder(cadhost::PropertyPage& page, const std::string& folder) {
        page.pressButton(0);
        ASSERT_NE(locationWindow(), nullptr);
        locationWindow()->Text1->setText(QString::fromStdString(folder));
    }
    // The calls of that method since `from`, an earlier length of the journal.
    Strings entries(std::string_view method, std::size_t from = 0) const {
        return quenmoor::testsupport::journalCalls(*host_, method, from);
    }
};

struct Package {
    const char* name;
    host::DocumentType type;
    Strings boxes;  // the captions of the check boxes the page offers
    std::vector<std::int32_t> checked;
    Strings saves;
};

class PackageRowTest : public PackageExportTest, public ::testing::WithParamInterface<Package> {};

TEST_P(PackageRowTest, OffersTheFormatsOfTheDocumentTypeAndSavesTheCheckedInTheirOrder) {
    cadhost::PropertyPage& page = pack(GetParam().type, "P");
    EXPECT_EQ(page.title(), "Quenmoor");
    Strings boxes;
    for (const auto& group : page.groups()) {
        for (const auto& control : group->controls()) {
            if (control->info().type == host::ControlCheckbox) {
                boxes.push_back(control->info().caption);
            }
        }
    }
    EXPECT_EQ(boxes, GetParam().boxes);

    typeFolder(page, "F");
    for (std::int32_t id : GetParam().checked) {
        page.setCheckbox(id, true);
    }
    const std::size_t from = host_->journal()->entries().size();
    page.close(host::CloseOkay);
    Strings expected;
    for (const std::string& name : GetParam().saves) {
        expected.push_back("SaveAs2 \"P\" \"" + name + "\" 0 False True");
    }
    EXPECT_EQ(entries("SaveAs2", from), expected);
    EXPECT_EQ(
        entries("SetUserPreference", from),
        (Strings{"SetUserPreferenceIntegerValue 6 1", "SetUserPreferenceIntegerValue 10 12",
                 "SetUserPreferenceDoubleValue 8 0.215", "SetUserPreferenceDoubleValue 9 0.28"}));
}

const Strings ModelFormats = {"IGES", "STEP", "ACIS", "STL", "TIFF"};

INSTANTIATE_TEST_SUITE_P(
    Documents, PackageRowTest,
    ::testing::Values(Package{"PartEveryFormat",
                              host::DocumentPart,
                              ModelFormats,
                              {16, 15, 14, 13, 17},
                              {"F/P.tif", "F/P.igs", "F/P.step", "F/P.stl", "F/P.sat"}},
                      Package{"Drawing",
                              host::DocumentDrawing,
                              {"TIFF", "DXF", "DWG"},
                              {19, 18},
                              {"F/P.dxf", "F/P.dwg"}},
                      Package{
                          "AssemblyNothingChecked", host::DocumentAssembly, ModelFormats, {}, {}}),
    quenmoor::testsupport::RowName());

TEST_F(PackageExportTest, ADrawingAfterAPartSavesOnlyTheDrawingsFormats) {
    cadhost::PropertyPage& part = pack(host::DocumentPart, "Bracket");
    typeFolder(part, "out");
    part.setCheckbox(13, true);
    part.setCheckbox(17, true);
    part.close(host::CloseOkay);

    cadhost::PropertyPage& drawing = pack(host::DocumentDrawing, "Sheet");
    drawing.setCheckbox(18, true);
    drawing.close(host::CloseOkay);
    EXPECT_EQ(entries("SaveAs2"), (Strings{"SaveAs2 \"Bracket\" \"out/Bracket.tif\" 0 False True",
                                           "SaveAs2 \"Bracket\" \"out/Bracket.igs\" 0 False True",
                                           "SaveAs2 \"Sheet\" \"out/Sheet.dxf\" 0 False True"}));
}

TEST_F(PackageExportTest, WithoutALocationTheNameStartsAtTheRoot) {
    cadhost::PropertyPage& page = pack(host::DocumentPart, "P");
    page.setCheckbox(16, true);
    page.close(host::CloseOkay);
    EXPECT_EQ(entries("SaveAs2"), Strings{"SaveAs2 \"P\" \"/P.stl\" 0 False True"});
    ASSERT_NE(locationWindow(), nullptr);
    EXPECT_FALSE(locationWindow()->isVisible());
}

// The page's own refusal without a document is shown to the user by script_test.
TEST_F(PackageExportTest, OkWithoutADocumentNamesWhatIsMissing) {
    EXPECT_TRUE(failsNaming([&] { addin_->packagefile(); }, "no document is open to export"));
}

}  // namespace
}  // namespace quenmoor::package
