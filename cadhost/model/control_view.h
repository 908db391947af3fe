#pragma once

#include <string>
#include <vector>

namespace quenmoor::cadhost {

// What a page control looks like to the user, as each kind of control tells it: the
// property pane makes the matching widget, captioned and named from the control, and sends
// the widget's user action to the page.
class ControlView {
public:
    virtual ~ControlView() = default;

    // A drop-down list of items with one chosen (-1 for none); choosing sends the index.
    virtual void dropDownList(const std::vector<std::string>& items, int selection) = 0;
    // A line of text; finishing an edit sends the text.
    virtual void textLine(const std::string& text) = 0;
    // A check box and an option button, sending their new state.
    virtual void checkBox(bool checked) = 0;
    virtual void optionButton(bool checked) = 0;
    virtual void pushButton() = 0;
};

}  // namespace quenmoor::cadhost
