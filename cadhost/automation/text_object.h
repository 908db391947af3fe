#pragma once

#include <memory>
#include <string>

#include "cadhost/automation/control_calls.h"
#include "cadhost/model/text_control.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

// A text box as the add-in fills and reads it.
class TextObject final
    : public com::ComObject<TextObject, com::DualInterface<host::IPropertyManagerPageTextbox>> {
public:
    TextObject(JournalPtr journal, std::shared_ptr<TextControl> control)
        : calls_(std::move(journal), *control), control_(std::move(control)) {}

    std::string Text() override {
        calls_.record("Text");
        return control_->text();
    }
    void SetText(std::string text) override {
        calls_.record("SetText", text);
        control_->type(std::move(text));
    }

private:
    ControlCalls calls_;
    std::shared_ptr<TextControl> control_;
};

}  // namespace quenmoor::cadhost
