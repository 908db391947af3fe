// The appearance panel on the host's real documents, with the running host registered as
// the panel finds it, and the sliders moved the ways a user moves them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "cadhost/automation/application_object.h"
#include "contracts/host/running_host.h"
#include "quenmoortools/appearance/attributes.h"
#include "quenmoortools/toolkit/addin_windows.h"
#include "tests/support/com_error_of.h"
#include "tests/support/host_model.h"
#include "tests/support/named_rows.h"
#include "tests/support/qt_windows.h"

namespace quenmoor::appearance {
namespace {

using com::ComPtr;
using Values = std::vector<double>;

class AppearancePanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { quenmoor::testsupport::offscreenApplication(); }
    void TearDown() override { toolkit::closeAddinWindows(); }

    cadhost::Document& part(const Values& values) {
        cadhost::Document& document = app_->model().newDocument(host::DocumentPart, "P");
        document.setMaterialValues(values);
        return document;
    }
    Attributes& show() {
        showAppearance();
        Attributes* window = appearanceWindow();
        EXPECT_NE(window, nullptr);
        return *window;
    }
    std::size_t count(std::string_view method) const {
        return quenmoor::testsupport::journalCalls(*app_, method).size();
    }
    static std::vector<int> positions(const Attributes& w) {
        return {w.rbar->value(),     w.Gbar->value(),  w.bbar->value(),       w.ambient->value(),
                w.specular->value(), w.shine->value(), w.transparent->value()};
    }

    ComPtr<cadhost::HostApplication> app_ = cadhost::HostApplication::create();
    std::unique_ptr<host::RunningHost> registration_ = std::make_unique<host::RunningHost>(app_);
};

struct Loading {
    const char* name;
    Values loaded;
    std::vector<int> positions;
    Values stored;
    std::size_t writes;
};

class LoadingTest : public AppearancePanelTest, public ::testing::WithParamInterface<Loading> {};

TEST_P(LoadingTest, SetsTheSlidersAndWritesOncePerMovedSlider) {
    cadhost::Document& document = part(GetParam().loaded);
    Attributes& window = show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Attribute");
    EXPECT_EQ(positions(window), GetParam().positions);
    EXPECT_EQ(document.materialValues(), GetParam().stored);
    EXPECT_EQ(count("SetMaterialPropertyValues"), GetParam().writes);
    EXPECT_EQ(static_cast<std::size_t>(document.redrawCount()), GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P(Values, LoadingTest,
                         ::testing::Values(Loading{"SixSlidersMove",
                                                   {0.2, 0.4, 0.6, 0.5, 0.9, 0.3, 0.1, 0.5, 0},
                                                   {20, 40, 60, 50, 30, 10, 0},
                                                   {0.2, 0.4, 0.6, 0.5, 0.75, 0.3, 0.1, 0, 0.25},
                                                   6},
                                           // Only the two moved sliders write.
                                           Loading{"HalvesGoToTheEvenNeighbour",
                                                   {0.125, 0, 0.375, 0, 1, 0, 0, 1, 1},
                                                   {12, 0, 38, 0, 0, 0, 0},
                                                   {0.12, 0, 0.38, 0, 0.75, 0, 0, 0, 0.25},
                                                   2},
                                           Loading{"OutsideZeroToOneStopsAtTheEnds",
                                                   {1.5, -0.2, 0.004, 0.006, 0, 1, 0, 0, 0},
                                                   {100, 0, 0, 1, 100, 0, 0},
                                                   {1, 0, 0, 0.01, 0.75, 1, 0, 0, 0.25},
                                                   3},
                                           Loading{"NothingMovesNothingIsWritten",
                                                   {0, 0, 0, 0, 0.3, 0, 0, 0.7, 0.2},
                                                   {0, 0, 0, 0, 0, 0, 0},
                                                   {0, 0, 0, 0, 0.3, 0, 0, 0.7, 0.2},
                                                   0}),
                         quenmoor::testsupport::RowName());

TEST_F(AppearancePanelTest, ClicksArrowsAndKeysWriteAtOnceADragWritesOnRelease) {
    cadhost::Document& document = part({0.2, 0.4, 0.6, 0.5, 0.9, 0.3, 0.1, 0.5, 0});
    Attributes& window = show();

    window.rbar->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click on the track
    EXPECT_EQ(document.materialValues(), (Values{0.21, 0.4, 0.6, 0.5, 0.75, 0.3, 0.1, 0, 0.25}));

    // Transparency is a vertical scroll bar, 0 at the top: Down raises it.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(window.transparent, &down);
    EXPECT_DOUBLE_EQ(document.materialValues()[7], 0.01);

    const std::size_t before = count("SetMaterialPropertyValues");
    window.Gbar->setSliderDown(true);
    window.Gbar->setSliderPosition(70);
    window.Gbar->setSliderPosition(80);
    EXPECT_EQ(count("SetMaterialPropertyValues"), before);
    window.Gbar->setSliderDown(false);
    EXPECT_EQ(count("SetMaterialPropertyValues"), before + 1);
    EXPECT_EQ(document.materialValues(), (Values{0.21, 0.8, 0.6, 0.5, 0.75, 0.3, 0.1, 0.01, 0.25}));

    // A click on the arrow at the far end, then on the one at the near end: a write each.
    QScrollBar* red = window.rbar;
    QTest::mouseClick(red, Qt::LeftButton, {}, QPoint(red->width() - 3, red->height() / 2));
    EXPECT_EQ(red->value(), 22);
    EXPECT_DOUBLE_EQ(document.materialValues()[0], 0.22);
    QTest::mouseClick(red, Qt::LeftButton, {}, QPoint(3, red->height() / 2));
    EXPECT_EQ(red->value(), 21);
    EXPECT_EQ(count("SetMaterialPropertyValues"), before + 3);
}

class AssemblyTest : public AppearancePanelTest, public ::testing::WithParamInterface<bool> {};

TEST_P(AssemblyTest, TheSelectedComponentOrElseTheAssemblyTakesTheWrites) {
    const bool selected = GetParam();
    const Values assemblyValues = {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0, 0};
    const Values componentValues = {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0, 0};
    cadhost::Document& assembly = app_->model().newDocument(host::DocumentAssembly, "A");
    assembly.setMaterialValues(assemblyValues);
    cadhost::Component& component = assembly.addComponent("C-1", "c.sldprt", componentValues);
    assembly.select(selected ? &component : nullptr);

    Attributes& window = show();
    // Loading reads the assembly's own values either way.
    EXPECT_EQ(positions(window), (std::vector<int>{50, 50, 50, 50, 50, 50, 0}));
    const Values written = {0.5, 0.5, 0.5, 0.5, 0.75, 0.5, 0.5, 0, 0.25};
    EXPECT_EQ(component.values(), selected ? written : componentValues);
    EXPECT_EQ(assembly.materialValues(), selected ? assemblyValues : written);
    EXPECT_EQ(assembly.redrawCount(), 6);
}

INSTANTIATE_TEST_SUITE_P(Selection, AssemblyTest, ::testing::Bool(), [](const auto& row) {
    return std::string(row.param ? "ComponentSelected" : "NothingSelected");
});

TEST_F(AppearancePanelTest, ShowingAgainKeepsThePositionsAndClosingUnloads) {
    cadhost::Document& document = part({0.2, 0, 0, 0, 0, 0, 0, 0, 0});
    Attributes& window = show();
    window.shine->setValue(40);
    document.setMaterialValues({0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9});
    const std::size_t writes = count("SetMaterialPropertyValues");

    EXPECT_EQ(&show(), &window);
    EXPECT_EQ(positions(window), (std::vector<int>{20, 0, 0, 0, 0, 40, 0}));
    EXPECT_EQ(count("SetMaterialPropertyValues"), writes);

    window.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(appearanceWindow(), nullptr);
    EXPECT_EQ(positions(show()), (std::vector<int>{90, 90, 90, 90, 90, 90, 0}));
}

TEST_F(AppearancePanelTest, WithoutAPartOrAssemblyNothingIsShownOrWritten) {
    EXPECT_TRUE(
        quenmoor::testsupport::failsNaming([] { showAppearance(); }, "no document is open"));
    app_->model().newDocument(host::DocumentDrawing, "Sheet1").setMaterialValues(Values(9, 0.5));
    EXPECT_TRUE(quenmoor::testsupport::failsNaming(
        [] { showAppearance(); }, "document \"Sheet1\" is neither a part nor an assembly"));
    EXPECT_EQ(appearanceWindow(), nullptr);
    EXPECT_EQ(count("SetMaterialPropertyValues"), 0u);
}

}  // namespace
}  // namespace quenmoor::appearance
