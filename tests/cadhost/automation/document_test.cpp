// The host's documents as an add-in reaches them: through the typed interfaces and by name,
// with failures that name the document.

#include <gtest/gtest.h>

#include <filesystem>

#include "cadhost/automation/host_application.h"
#include "platform/com/dispatch_table.h"
#include "tests/support/com_error_of.h"

namespace quenmoor::cadhost {
namespace {

using com::ComPtr;
using quenmoor::testsupport::failsNaming;

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

}  // namespace
}  // namespace quenmoor::cadhost
