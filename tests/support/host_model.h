#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cadhost/automation/application_object.h"

namespace quenmoor::testsupport {

// The calls in the host's journal from the `from`-th on that start with `prefix`.
inline std::vector<std::string> journalCalls(const cadhost::HostApplication& host,
                                             std::string_view prefix = {}, std::size_t from = 0) {
    const auto& all = host.journal()->entries();
    std::vector<std::string> found;
    for (std::size_t i = from; i < all.size(); ++i) {
        if (all[i].starts_with(prefix)) {
            found.push_back(all[i]);
        }
    }
    return found;
}

}  // namespace quenmoor::testsupport
