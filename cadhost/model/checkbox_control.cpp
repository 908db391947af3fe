#include "cadhost/model/checkbox_control.h"

#include "cadhost/model/control_view.h"
#include "cadhost/model/property_page.h"
#include "cadhost/model/quote.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

ControlEntry CheckboxControl::entry(std::string_view value) const {
    if (value != "on" && value != "off") {
        throw com::ComError(com::E_INVALIDARG, "check box " + std::to_string(info().id) +
                                                   " takes on or off, not " + quote(value));
    }
    const std::int32_t id = info().id;
    const bool on = value == "on";
    return {std::string(value), [id, on](PropertyPage& page) { page.setCheckbox(id, on); }};
}

void CheckboxControl::present(ControlView& view) const {
    view.checkBox(checked());
}

}  // namespace quenmoor::cadhost
