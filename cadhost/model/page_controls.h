#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cadhost/model/journal.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// What every control of a page has, whatever its kind.
struct ControlInfo {
    std::int32_t id;
    std::int32_t type;  // 2 check box, 3 button, 4 option button, 5 text box, 7 combo box
    std::string caption;
    std::int32_t leftAlign;
    std::int32_t options;
    std::string tip;
};

// The host's side of a control: its description and its state as the pane shows it.
class PageControl {
public:
    virtual ~PageControl() = default;

    const ControlInfo& info() const { return info_; }
    // The control as the add-in holds it.
    virtual ComPtr<com::IDispatch> object() = 0;
    // "checkbox", "button", "option", "text", "combo".
    std::string_view kindName() const;

protected:
    PageControl(ControlInfo info, JournalPtr journal)
        : info_(std::move(info)), journal_(std::move(journal)) {}
    void enter(std::string_view method, const std::string& arguments = {}) const;

    ControlInfo info_;
    JournalPtr journal_;
};

class ComboControl final
    : public com::ComObject<ComboControl, com::DualInterface<host::IPropertyManagerPageCombobox>>,
      public PageControl {
public:
    ComboControl(ControlInfo info, JournalPtr journal)
        : PageControl(std::move(info), std::move(journal)) {}

    void AddItems(std::string item) override;
    void Clear() override;
    std::int16_t CurrentSelection() override;
    void SetCurrentSelection(std::int16_t index) override;
    std::string ItemText(std::int16_t index) override;

    ComPtr<com::IDispatch> object() override { return ComPtr<com::IDispatch>(this); }
    const std::vector<std::string>& items() const { return items_; }
    // A drop-down list with items and no choice made shows, and reports, its first item.
    std::int16_t selection() const;
    // The user's choice; throws ComError naming the control for an index out of range.
    void choose(std::int32_t index);

private:
    std::vector<std::string> items_;
    std::optional<std::int16_t> chosen_;
};

class TextControl final
    : public com::ComObject<TextControl, com::DualInterface<host::IPropertyManagerPageTextbox>>,
      public PageControl {
public:
    TextControl(ControlInfo info, JournalPtr journal)
        : PageControl(std::move(info), std::move(journal)) {}

    std::string Text() override;
    void SetText(std::string text) override;

    ComPtr<com::IDispatch> object() override { return ComPtr<com::IDispatch>(this); }
    const std::string& text() const { return text_; }
    void type(std::string text) { text_ = std::move(text); }

private:
    std::string text_;
};

// Check boxes and option buttons differ only in what checking one does to the others.
template <class Interface>
class CheckableControl final
    : public com::ComObject<CheckableControl<Interface>, com::DualInterface<Interface>>,
      public PageControl {
public:
    CheckableControl(ControlInfo info, JournalPtr journal)
        : PageControl(std::move(info), std::move(journal)) {}

    bool Checked() override {
        enter("Checked");
        return checked_;
    }
    void SetChecked(bool checked) override {
        enter("SetChecked", checked ? "True" : "False");
        checked_ = checked;
    }

    ComPtr<com::IDispatch> object() override { return ComPtr<com::IDispatch>(this); }
    bool checked() const { return checked_; }
    void check(bool checked) { checked_ = checked; }

private:
    bool checked_ = false;
};

using CheckboxControl = CheckableControl<host::IPropertyManagerPageCheckbox>;
using OptionControl = CheckableControl<host::IPropertyManagerPageOption>;

class ButtonControl final
    : public com::ComObject<ButtonControl, com::DualInterface<host::IPropertyManagerPageButton>>,
      public PageControl {
public:
    ButtonControl(ControlInfo info, JournalPtr journal)
        : PageControl(std::move(info), std::move(journal)) {}

    std::string Caption() override { return info_.caption; }
    ComPtr<com::IDispatch> object() override { return ComPtr<com::IDispatch>(this); }
};

}  // namespace quenmoor::cadhost
