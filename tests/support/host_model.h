#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cadhost/automation/host_application.h"
#include "cadhost/automation/page_object.h"

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

// The host's model of a page an add-in holds; null for an object this host did not make.
inline const cadhost::PropertyPage* modelOf(const com::ComPtr<host::IPropertyManagerPage2>& page) {
    const auto* object = dynamic_cast<const cadhost::PageObject*>(page.get());
    return object != nullptr ? object->page().get() : nullptr;
}

// A page as the pane lays it out: "<group id> <caption>" for each group, then
// "| <control id> <type> <caption>" for each of its controls. Every group must have the
// options of a visible expanded box, and every control be left-aligned and visible with no
// tip and, for a checkbox, unchecked.
inline std::vector<std::string> pageLayout(const cadhost::PropertyPage& page) {
    std::vector<std::string> layout;
    for (const auto& group : page.groups()) {
        EXPECT_EQ(group->options(), 12) << group->caption();
        layout.push_back(std::to_string(group->id()) + " " + group->caption());
        for (const auto& control : group->controls()) {
            const cadhost::ControlInfo& info = control->info();
            layout.push_back("| " + std::to_string(info.id) + " " + std::to_string(info.type) +
                             " " + info.caption);
            EXPECT_TRUE(info.leftAlign == 2 && info.options == 3 && info.tip.empty()) << info.id;
            if (info.type == host::ControlCheckbox) {
                EXPECT_FALSE(static_cast<cadhost::CheckboxControl&>(*control).checked()) << info.id;
            }
        }
    }
    return layout;
}

}  // namespace quenmoor::testsupport
