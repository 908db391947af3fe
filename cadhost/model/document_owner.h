#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "cadhost/model/journal.h"

namespace quenmoor::cadhost {

// What the objects of one document share: the journal of add-in calls, and whether the
// document is still open. An add-in may keep a feature or a dimension after the user has
// closed its document; a call on it then fails naming the document.
struct DocumentOwner {
    JournalPtr journal;
    std::string title;
    bool open = true;

    // Records the call and fails when the document is closed or the call is refused.
    void enter(std::string_view method, std::string record) const;
};

using OwnerPtr = std::shared_ptr<DocumentOwner>;

}  // namespace quenmoor::cadhost
