// The export page on the host's real page model, with the running host registered as the
// add-in finds it. The handler routes the Location button and an accepted close the way the
// add-in's event routing does; the folder is typed into the real location window.

#include <gtest/gtest.h>

#include <QLineEdit>

#include "cadhost/automation/host_application.h"
#include "contracts/host/running_host.h"
#include "quenmoortools/package/export_page.h"
#include "quenmoortools/package/package_path.h"
#include "quenmoortools/ui/addin_windows.h"
#include "tests/support/com_error_of.h"
#include "tests/support/host_model.h"
#include "tests/support/page_handler.h"
#include "tests/support/qt_windows.h"

namespace quenmoor::package {
namespace {

using com::ComPtr;
using com::HRESULT;
using quenmoor::testsupport::failsNaming;

class ExportHandler final : public quenmoor::testsupport::PageHandler<ExportHandler> {
public:
    ExportHandler(ExportPage& page, ComPtr<host::ISldWorks>& hostApp)
        : page_(page), hostApp_(hostApp) {}

    HRESULT OnButtonPress(std::int32_t id) override {
        return com::boundary([&] {
            if (id == 0) {
                showLocation();
            }
        });
    }
    HRESULT OnClose(std::int32_t reason) override {
        return com::boundary([&] {
            if (reason == host::CloseOkay) {
                page_.packagefile(hostApp_);
            }
        });
    }

private:
    ExportPage& page_;
    ComPtr<host::ISldWorks>& hostApp_;
};

class PackageExportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { quenmoor::testsupport::offscreenApplication(); }
    void TearDown() override { ui::closeAddinWindows(); }

    // Builds the page on a new document of that type and title, as `pack` does.
    cadhost::PropertyPage& pack(host::DocumentType type, const std::string& title) {
        app_->model().newDocument(type, title);
        exportPage_.build(*app_, ComPtr<com::IDispatch>(handler_), currentPage_);
        cadhost::PropertyPage* page = app_->model().openPage();
        EXPECT_NE(page, nullptr);
        return *page;
    }
    void typeFolder(cadhost::PropertyPage& page, const std::string& folder) {
        page.pressButton(0);
        ASSERT_NE(locationWindow(), nullptr);
        locationWindow()->Text1->setText(QString::fromStdString(folder));
    }
    // The calls of that method since `from`, an earlier length of the journal.
    std::vector<std::string> entries(std::string_view method, std::size_t from = 0) const {
        return quenmoor::testsupport::journalCalls(*app_, method, from);
    }

    ComPtr<cadhost::HostApplication> app_ = cadhost::HostApplication::create();
    host::RunningHost registration_{app_};
    ExportPage exportPage_;
    ComPtr<host::ISldWorks> hostApp_;
    ComPtr<ExportHandler> handler_ = ExportHandler::create(exportPage_, hostApp_);
    ComPtr<host::IPropertyManagerPage2> currentPage_;
};

TEST_F(PackageExportTest, OffersTheBoxesOfTheDocumentType) {
    struct Case {
        host::DocumentType type;
        std::vector<std::string> layout;
    };
    const std::vector<std::string> model = {"90 Package Export", "| 0 3 Location", "| 13 2 IGES",
                                            "| 14 2 STEP",       "| 15 2 ACIS",    "| 16 2 STL",
                                            "| 17 2 TIFF"};
    const Case cases[] = {
        {host::DocumentPart, model},
        {host::DocumentAssembly, model},
        {host::DocumentDrawing,
         {"90 Package Export", "| 0 3 Location", "| 17 2 TIFF", "| 18 2 DXF", "| 19 2 DWG"}},
    };
    for (const Case& c : cases) {
        cadhost::PropertyPage& page = pack(c.type, "Doc" + std::to_string(c.type));
        EXPECT_EQ(page.title(), "Quenmoor");
        EXPECT_EQ(page.options(), 3);
        EXPECT_TRUE(page.isShown());
        EXPECT_EQ(quenmoor::testsupport::modelOf(currentPage_), &page);
        EXPECT_EQ(quenmoor::testsupport::pageLayout(page), c.layout) << "document type " << c.type;
    }
}

TEST_F(PackageExportTest, SavesTheCheckedFormatsInTheirOrderIntoTheFolder) {
    struct Case {
        host::DocumentType type;
        std::vector<std::int32_t> checked;
        std::vector<std::string> saves;
    };
    const Case cases[] = {
        {host::DocumentPart, {13, 16}, {"F/P.igs", "F/P.stl"}},
        {host::DocumentPart,
         {16, 15, 14, 13, 17},
         {"F/P.tif", "F/P.igs", "F/P.step", "F/P.stl", "F/P.sat"}},
        {host::DocumentDrawing, {19, 18}, {"F/P.dxf", "F/P.dwg"}},
        {host::DocumentAssembly, {}, {}},
    };
    for (const Case& c : cases) {
        cadhost::PropertyPage& page = pack(c.type, "P");
        typeFolder(page, "F");
        for (std::int32_t id : c.checked) {
            page.setCheckbox(id, true);
        }
        const std::size_t from = app_->journal()->entries().size();
        page.close(host::CloseOkay);

        std::vector<std::string> expected;
        for (const std::string& name : c.saves) {
            expected.push_back("SaveAs2 \"P\" \"" + name + "\" 0 False True");
        }
        EXPECT_EQ(entries("SaveAs2", from), expected) << c.saves.size() << " formats";
        EXPECT_EQ(
            entries("SetUserPreference", from),
            (std::vector<std::string>{
                "SetUserPreferenceIntegerValue 6 1", "SetUserPreferenceIntegerValue 10 12",
                "SetUserPreferenceDoubleValue 8 0.215", "SetUserPreferenceDoubleValue 9 0.28"}));
        EXPECT_TRUE(com::sameObject(hostApp_, app_));
    }
}

TEST_F(PackageExportTest, ADrawingAfterAPartSavesOnlyTheDrawingsFormats) {
    cadhost::PropertyPage& part = pack(host::DocumentPart, "Bracket");
    typeFolder(part, "out");
    part.setCheckbox(13, true);
    part.setCheckbox(17, true);
    part.close(host::CloseOkay);

    cadhost::PropertyPage& drawing = pack(host::DocumentDrawing, "Sheet");
    drawing.setCheckbox(18, true);
    drawing.close(host::CloseOkay);
    EXPECT_EQ(entries("SaveAs2"),
              (std::vector<std::string>{"SaveAs2 \"Bracket\" \"out/Bracket.tif\" 0 False True",
                                        "SaveAs2 \"Bracket\" \"out/Bracket.igs\" 0 False True",
                                        "SaveAs2 \"Sheet\" \"out/Sheet.dxf\" 0 False True"}));
}

TEST_F(PackageExportTest, WithoutALocationTheNameStartsAtTheRoot) {
    cadhost::PropertyPage& page = pack(host::DocumentPart, "P");
    page.setCheckbox(16, true);
    page.close(host::CloseOkay);
    EXPECT_EQ(entries("SaveAs2"),
              (std::vector<std::string>{"SaveAs2 \"P\" \"/P.stl\" 0 False True"}));
    ASSERT_NE(locationWindow(), nullptr);
    EXPECT_FALSE(locationWindow()->isVisible());
}

TEST_F(PackageExportTest, CancellingSavesNothingAndSetsNoOption) {
    cadhost::PropertyPage& page = pack(host::DocumentPart, "P");
    typeFolder(page, "F");
    page.setCheckbox(13, true);
    page.close(host::CloseCancel);
    EXPECT_TRUE(entries("SaveAs2").empty());
    EXPECT_TRUE(entries("SetUserPreference").empty());
}

TEST_F(PackageExportTest, FailuresNameWhatIsMissing) {
    // No document: the page is created, then the look-up of the document fails.
    EXPECT_TRUE(failsNaming(
        [&] { exportPage_.build(*app_, ComPtr<com::IDispatch>(handler_), currentPage_); },
        "no document is open"));
    EXPECT_TRUE(entries("Show").empty());
    EXPECT_TRUE(
        failsNaming([&] { exportPage_.packagefile(hostApp_); }, "no document is open to export"));
}

}  // namespace
}  // namespace quenmoor::package
