#include "cadhost/model/text_control.h"

#include "cadhost/model/control_view.h"
#include "cadhost/model/property_page.h"
#include "cadhost/model/quote.h"

namespace quenmoor::cadhost {

std::string TextControl::stateText() const {
    return " text " + quote(text_);
}

ControlEntry TextControl::entry(std::string_view value) const {
    const std::int32_t id = info().id;
    return {quote(value),
            [id, text = std::string(value)](PropertyPage& page) { page.typeText(id, text); }};
}

void TextControl::present(ControlView& view) const {
    view.textLine(text_);
}

}  // namespace quenmoor::cadhost
