// The host's documents as an add-in reaches them: through the typed interfaces and by name,
// with failures that name the document.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cadhost/automation/host_application.h"
#include "cadhost/model/document_file.h"
#include "platform/com/dispatch_table.h"
#include "tests/support/com_error_of.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor::cadhost {
namespace {

using com::ComPtr;
using quenmoor::testsupport::failsNaming;
using quenmoor::testsupport::ScratchFolder;

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = HostApplication::create();
        part_ =
            &app_->model().openDocument(std::filesystem::path(QUENMOOR_EXAMPLES) / "bracket.json");
    }

    ComPtr<host::IModelDoc2> activeDoc() { return app_->ActiveDoc(); }

    ComPtr<HostApplication> app_;
    Document* part_ = nullptr;
};

TEST_F(DocumentTest, FeaturesCountFromTheEndAndDimensionsWalkInOrder) {
    auto doc = activeDoc();
    ASSERT_EQ(doc->GetFeatureCount(), 4);
    EXPECT_EQ(doc->FeatureByPositionReverse(0)->Name(), "Fillet-1");
    auto first = doc->FeatureByPositionReverse(3);
    EXPECT_EQ(first->Name(), "Base-Extrude");

    std::vector<std::string> names;
    for (auto display = first->GetFirstDisplayDimension(); display;
         display = first->GetNextDisplayDimension(display)) {
        names.push_back(display->GetDimension()->Name());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"D1", "D2", "D3"}));

    // Renaming through late binding, as a script engine would, reaches the same dimension.
    com::putProperty(
        first->GetFirstDisplayDimension()->GetDimension().as<com::IDispatch>("dimension"), "NAME",
        "7");
    EXPECT_EQ(part_->features()[0]->dimensions()[0]->name(), "7");
    EXPECT_DOUBLE_EQ(part_->features()[0]->dimensions()[0]->value(), 120.0);

    EXPECT_FALSE(doc->FeatureByPositionReverse(0)->GetNextDisplayDimension(
        doc->FeatureByPositionReverse(0)->GetFirstDisplayDimension()));
    EXPECT_TRUE(failsNaming([&] { doc->FeatureByPositionReverse(4); },
                            "position 4 is outside the 4 features of \"bracket\""));
}

TEST_F(DocumentTest, PropertiesMatchWithoutCaseAreNotAddedTwiceAndHaveNoConfigurations) {
    auto doc = activeDoc();
    ComPtr<com::IDispatch> late = doc.as<com::IDispatch>("document");
    EXPECT_EQ(com::call(late, "CustomInfo2", "", "material").toText(), "S235JR");
    EXPECT_EQ(doc->CustomInfo2("", "Nothing"), "");
    EXPECT_EQ(doc->CustomInfo2("Default", "Material"), "");

    EXPECT_FALSE(doc->AddCustomInfo3("", "MATERIAL", 30, "Steel"));  // exists already
    EXPECT_TRUE(doc->DeleteCustomInfo2("", "MATERIAL"));
    EXPECT_FALSE(doc->DeleteCustomInfo2("", "Material"));
    EXPECT_TRUE(doc->AddCustomInfo3("", "Material", 30, "Steel"));
    EXPECT_EQ(part_->findProperty("material")->value, "Steel");
    EXPECT_EQ(part_->customProperties().back().type, 30);
}

TEST_F(DocumentTest, AppearanceValuesDensityAndSelectionOfAnAssembly) {
    auto doc = activeDoc();
    EXPECT_TRUE(doc->SetUserPreferenceDoubleValue(7, 2700));
    EXPECT_DOUBLE_EQ(part_->density(), 2700);
    EXPECT_FALSE(doc->SetUserPreferenceDoubleValue(8, 1));
    EXPECT_THROW(doc->SetMaterialPropertyValues({0.5, 0.5}), com::ComError);
    EXPECT_THROW(doc->SetMaterialPropertyValues({0.5, 0.5, 0.5, 1, 1, 0.5, 0.3, 1.5, 0}),
                 com::ComError);
    doc->SetMaterialPropertyValues({0.1, 0.2, 0.3, 1, 1, 0.5, 0.3, 0, 0});
    doc->GraphicsRedraw2();
    EXPECT_EQ(part_->redrawCount(), 1);

    app_->model().openDocument(std::filesystem::path(QUENMOOR_EXAMPLES) / "frame.json");
    auto assembly = activeDoc();
    EXPECT_EQ(assembly->GetType(), 2);
    auto selection = assembly->SelectionManager();
    ASSERT_EQ(selection->GetSelectedObjectType2(1), 20);
    EXPECT_EQ(selection->GetSelectedObjectType2(2), 0);
    auto component = selection->GetSelectedObject3(1).as<host::IComponent2>("selected object");
    EXPECT_EQ(component->Name2(), "bracket-2");
    component->SetMaterialPropertyValues({1, 0, 0, 1, 1, 0.5, 0.3, 0, 0});
    EXPECT_DOUBLE_EQ(app_->model().activeDocument()->findComponent("bracket-2")->values()[0], 1.0);
    app_->model().activeDocument()->select(nullptr);
    EXPECT_EQ(selection->GetSelectedObjectType2(1), 0);
    EXPECT_FALSE(selection->GetSelectedObject3(1));
}

TEST_F(DocumentTest, ACallOnAClosedDocumentFailsNamingIt) {
    auto doc = activeDoc();
    auto feature = doc->FeatureByPositionReverse(0);
    app_->model().closeActive();
    EXPECT_FALSE(app_->ActiveDoc());
    for (auto call :
         std::vector<std::function<void()>>{[&] { doc->GetTitle(); }, [&] { feature->Name(); },
                                            [&] { doc->CustomInfo2("", "Material"); }}) {
        EXPECT_TRUE(failsNaming(call, "document \"bracket\" is closed"));
    }
}

TEST_F(DocumentTest, SaveAsWritesOnlyFormatsItHasAWriterForAndRoundTrips) {
    namespace fs = std::filesystem;
    const ScratchFolder folder;
    auto doc = activeDoc();
    EXPECT_NE(doc->SaveAs2((folder / "bracket.sat").string(), 0, false, true), 0);
    EXPECT_FALSE(fs::exists(folder / "bracket.sat"));
    EXPECT_NE(doc->SaveAs2((folder / "missing" / "bracket.json").string(), 0, false, true), 0);
    ASSERT_EQ(doc->SaveAs2((folder / "copy.json").string(), 0, false, true), 0);

    auto copy = loadDocument(folder / "copy.json");
    EXPECT_EQ(copy->title(), "bracket");
    EXPECT_EQ(copy->features().size(), 4u);
    EXPECT_EQ(copy->features()[1]->dimensions()[1]->name(), "5");
    EXPECT_EQ(copy->findProperty("Description")->value, "Mounting bracket");
    EXPECT_EQ(copy->materialValues(), part_->materialValues());
}

}  // namespace
}  // namespace quenmoor::cadhost
