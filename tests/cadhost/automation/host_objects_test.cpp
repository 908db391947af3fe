// The host's objects as an add-in calls them. Documents, through the typed interfaces and by
// name, with failures that name the document; property pages and the other objects: what
// they refuse, and every call going into the journal by the name that makes it fail.

#include <gtest/gtest.h>

#include <filesystem>

#include "cadhost/automation/application_object.h"
#include "platform/com/dispatch_table.h"
#include "quenmoortools/addin/application.h"
#include "tests/support/com_error_of.h"

namespace quenmoor::cadhost {
namespace {

using com::ComPtr;
using quenmoor::testsupport::comErrorOf;
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

class PageObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = HostApplication::create();
        // The add-in passes itself as the handler, and the host asks it for the event
        // interface; what a handler hears is checked by every tool test.
        page_ = app_->CreatePropertyManagerPage(
            "Package", 3,
            ComPtr<com::IDispatch>(static_cast<addin::ApplicationInterface*>(addin_.get())));
        group_ = page_->AddGroupBox(99, "Formats", 12);
        combo_ = group_->AddControl(0, 7, "", 2, 3, "First property")
                     .as<host::IPropertyManagerPageCombobox>("combo");
        checkbox_ = group_->AddControl(17, 2, "TIFF", 2, 3, "")
                        .as<host::IPropertyManagerPageCheckbox>("checkbox");
    }

    ComPtr<HostApplication> app_;
    ComPtr<addin::Application> addin_ = addin::Application::create();
    ComPtr<host::IPropertyManagerPage2> page_;
    ComPtr<host::IPropertyManagerPageGroup> group_;
    ComPtr<host::IPropertyManagerPageCombobox> combo_;
    ComPtr<host::IPropertyManagerPageCheckbox> checkbox_;
};

TEST_F(PageObjectTest, AHandlerWithoutTheEventInterfaceOrAnUnknownControlTypeIsRefused) {
    auto notAHandler = app_.as<com::IDispatch>("host");
    EXPECT_THROW(app_->CreatePropertyManagerPage("x", 3, notAHandler), com::ComError);
    EXPECT_TRUE(failsNaming([&] { group_->AddControl(9, 11, "Slider", 2, 3, ""); },
                            "control 9 has type 11"));
    EXPECT_TRUE(failsNaming([&] { combo_->ItemText(0); }, "combo box 0 has no item 0"));
}

// `fail` takes a call by the name its journal line starts with, for every kind of object.
TEST_F(PageObjectTest, EveryCallFailsByTheNameItsJournalLineStartsWith) {
    Document& part = app_->model().newDocument(host::DocumentPart, "P");
    part.addFeature("Base", "extrude").addDimension("D1", 10);
    auto document = app_->ActiveDoc();
    const std::vector<std::pair<std::string, std::function<void()>>> calls = {
        {"AddMenu 1 \"Quenmoor\" 5", [&] { app_->AddMenu(1, "Quenmoor", 5); }},
        {"AddCustomInfo3 \"P\" \"\" \"Material\" 30 \"Steel\"",
         [&] { document->AddCustomInfo3("", "Material", 30, "Steel"); }},
        {"Feature.Name \"Base\"", [&] { document->FeatureByPositionReverse(0)->Name(); }},
        {"combo.AddItems 0 \"Steel\"", [&] { combo_->AddItems("Steel"); }},
        {"checkbox.SetChecked 17 True", [&] { checkbox_->SetChecked(true); }},
    };
    for (const auto& [line, call] : calls) {
        SCOPED_TRACE(line);
        call();
        ASSERT_EQ(app_->journal()->entries().back(), line);
        const std::string name = line.substr(0, line.find(' '));
        app_->journal()->failCall(name, 1);
        EXPECT_EQ(comErrorOf(call).description(), name + ": the host refused the call");
        EXPECT_EQ(app_->journal()->entries().back(), line);  // a refused call is recorded too
    }
}

}  // namespace
}  // namespace quenmoor::cadhost
