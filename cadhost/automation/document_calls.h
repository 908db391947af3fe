#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "cadhost/automation/journal.h"
#include "cadhost/model/document.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

// What the objects of one document share: the journal their calls go to, and the document,
// which the user may close while an add-in still holds a feature or dimension of it. A
// call is recorded first, then refused naming the document once it is closed.
class DocumentCalls {
public:
    DocumentCalls(JournalPtr journal, std::shared_ptr<const Document> document)
        : journal_(std::move(journal)), document_(std::move(document)) {}

    template <class... Arguments>
    void record(std::string_view method, const Arguments&... arguments) const {
        journal_->record(method, arguments...);
        if (!document_->isOpen()) {
            throw com::ComError(com::E_UNEXPECTED, std::string(method) + ": document \"" +
                                                       document_->title() + "\" is closed");
        }
    }

    const std::string& title() const { return document_->title(); }

private:
    JournalPtr journal_;
    std::shared_ptr<const Document> document_;
};

}  // namespace quenmoor::cadhost
