#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace quenmoor::cadhost {

class ControlView;
class PropertyPage;

// What every control of a page has, whatever its kind.
struct ControlInfo {
    std::int32_t id;
    std::int32_t type;  // host::ControlType: 2 check box, 3 button, 4 option, 5 text, 7 combo
    std::string caption;
    std::int32_t leftAlign;
    std::int32_t options;
    std::string tip;
};

// A value typed for a control, as a script's `set` enters it: the value as the script
// echoes it, and the user action that enters it on the page and reaches its handler.
struct ControlEntry {
    std::string shown;
    std::function<void(PropertyPage&)> enter;
};

// A control of a property page and its state as the user sees it. Each kind knows its own
// word, how the `page` command prints its state, what a typed value does to it and how the
// property pane shows it.
class PageControl {
public:
    explicit PageControl(ControlInfo info) : info_(std::move(info)) {}
    virtual ~PageControl() = default;
    PageControl(const PageControl&) = delete;
    PageControl& operator=(const PageControl&) = delete;

    const ControlInfo& info() const { return info_; }

    // The word for the kind in scripts, in the journal and in the pane's widget names:
    // "checkbox", "button", "option", "text" or "combo".
    virtual std::string_view kindName() const = 0;
    // The state as `page` prints it after the control's description, starting with a
    // blank; empty for a kind without state.
    virtual std::string stateText() const { return {}; }
    // Whether a typed value reaches this kind of control, and what it makes of one. entry
    // throws ComError(E_INVALIDARG) naming the control for a value it cannot take.
    virtual bool takesEntry() const { return false; }
    virtual ControlEntry entry(std::string_view value) const;
    virtual void present(ControlView& view) const = 0;
    // An option button of the control's group was checked, possibly this one.
    virtual void optionChecked(const PageControl& /*checked*/) {}

private:
    ControlInfo info_;
};

}  // namespace quenmoor::cadhost
