#pragma once

#include <string>

#include "cadhost/model/page_control.h"

namespace quenmoor::cadhost {

// A one-line text box.
class TextControl final : public PageControl {
public:
    using PageControl::PageControl;

    const std::string& text() const { return text_; }
    void type(std::string text) { text_ = std::move(text); }

    std::string_view kindName() const override { return "text"; }
    std::string stateText() const override;
    bool takesEntry() const override { return true; }
    ControlEntry entry(std::string_view value) const override;
    void present(ControlView& view) const override;

private:
    std::string text_;
};

}  // namespace quenmoor::cadhost
