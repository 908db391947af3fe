#include "cadhost/model/page_control.h"

#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

ControlEntry PageControl::entry(std::string_view) const {
    throw com::ComError(com::E_INVALIDARG, std::string(kindName()) + " " +
                                               std::to_string(info_.id) + " takes no value");
}

}  // namespace quenmoor::cadhost
