// A combo box over a Python object gathers the add-in's items and hands them to the host
// in one call before anything reads or changes the box, in an interpreter of the test's own.

#include <gtest/gtest.h>
#include <pybind11/embed.h>
#include <pybind11/stl.h>

#include "freecadhost/bridge/page_objects.h"

namespace quenmoor::pythonhost {
namespace {

// A combo box of a host's Python side that records what it is asked.
constexpr const char* RecordingCombo = R"(
class Combo:
    def __init__(self):
        self.calls, self.items, self.index = [], [], -1

    def add_items(self, items):
        self.calls.append("add_items %s" % ",".join(items))
        self.items += items
        self.index = max(self.index, 0)

    def clear(self):
        self.calls.append("clear")
        self.items, self.index = [], -1

    def selection(self):
        self.calls.append("selection")
        return self.index

    def set_selection(self, index):
        self.calls.append("set_selection %d" % index)
        self.index = index

    def item_text(self, index):
        self.calls.append("item_text %d" % index)
        return self.items[index]
)";

class PythonComboboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        py::exec(RecordingCombo);
        side_ = py::module_::import("__main__").attr("Combo")();
        combo_ = PythonCombobox::create(side_);
    }

    std::vector<std::string> calls() const {
        return side_.attr("calls").cast<std::vector<std::string>>();
    }

    py::object side_;
    com::ComPtr<PythonCombobox> combo_;
};

TEST_F(PythonComboboxTest, EveryReadFindsTheItemsAddedBeforeItInOneCall) {
    combo_->AddItems("M6");
    combo_->AddItems("M8");
    EXPECT_TRUE(calls().empty()) << "nothing handed over while the add-in adds";
    EXPECT_EQ(combo_->ItemText(1), "M8");
    combo_->AddItems("M10");
    EXPECT_EQ(combo_->CurrentSelection(), 0);
    combo_->SetCurrentSelection(2);
    EXPECT_EQ(calls(), (std::vector<std::string>{"add_items M6,M8", "item_text 1", "add_items M10",
                                                 "selection", "set_selection 2"}));
}

TEST_F(PythonComboboxTest, ClearDropsWhatWasNotHandedOverAndAnEventsEndHandsTheRest) {
    combo_->AddItems("gone");
    combo_->Clear();
    combo_->AddItems("kept");
    handOverPendingItems();
    handOverPendingItems();
    EXPECT_EQ(calls(), (std::vector<std::string>{"clear", "add_items kept"}));
}

}  // namespace
}  // namespace quenmoor::pythonhost

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    pybind11::scoped_interpreter python;
    return RUN_ALL_TESTS();
}
