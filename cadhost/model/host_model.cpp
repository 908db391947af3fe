#include "cadhost/model/host_model.h"

#include <algorithm>
#include <optional>

#include "cadhost/model/document_file.h"
#include "platform/com/com_error.h"
#include "platform/com/text_case.h"

namespace quenmoor::cadhost {

Document& HostModel::adopt(std::shared_ptr<Document> document) {
    documents_.push_back(document);
    active_ = std::move(document);
    return *active_;
}

Document& HostModel::newDocument(host::DocumentType type, std::string title) {
    if (title.empty()) {
        throw com::ComError(com::E_INVALIDARG, "a new document needs a title");
    }
    return adopt(std::make_shared<Document>(type, std::move(title)));
}

std::shared_ptr<Document> HostModel::findOpen(const std::filesystem::path& path) const {
    std::error_code error;
    for (const auto& document : documents_) {
        if (!document->path().empty() &&
            std::filesystem::equivalent(document->path(), path, error)) {
            return document;
        }
    }
    return {};
}

Document& HostModel::openDocument(const std::filesystem::path& path) {
    if (std::shared_ptr<Document> open = findOpen(path)) {
        active_ = std::move(open);
        return *active_;
    }
    return adopt(loadDocument(path));
}

void HostModel::activate(std::string_view title) {
    auto it = std::find_if(documents_.begin(), documents_.end(),
                           [&](const auto& d) { return d->title() == title; });
    if (it == documents_.end()) {
        throw com::ComError(com::E_INVALIDARG,
                            "no open document titled \"" + std::string(title) + "\"");
    }
    active_ = *it;
}

void HostModel::saveActive(const std::optional<std::filesystem::path>& path) {
    if (!active_) {
        throw com::ComError(com::E_UNEXPECTED, "save: no document is open");
    }
    std::filesystem::path target = path.value_or(active_->path());
    if (target.empty()) {
        throw com::ComError(com::E_INVALIDARG, "save: document \"" + active_->title() +
                                                   "\" has no file yet; name one");
    }
    saveDocument(*active_, target);
    active_->setPath(target);
}

void HostModel::closeActive() {
    if (!active_) {
        throw com::ComError(com::E_UNEXPECTED, "close: no document is open");
    }
    std::optional<com::ComError> failure;
    if (PropertyPage* page = openPage(); page != nullptr && page->document() == active_) {
        try {
            page->close(host::CloseCancel);
        } catch (const com::ComError& e) {
            failure = e;
        }
    }
    active_->markClosed();
    std::erase(documents_, active_);
    active_ = documents_.empty() ? nullptr : documents_.back();
    if (failure) {
        throw *failure;
    }
}

std::shared_ptr<Document> HostModel::addinDocument() const {
    for (const auto& page : pages_) {
        if (page->handlingEvent()) {
            return page->document();
        }
    }
    return active_;
}

std::int32_t HostModel::activeDocumentType() const {
    return active_ ? active_->type() : menuType_;
}

std::shared_ptr<PropertyPage> HostModel::addPage(std::string title, std::int32_t options,
                                                 std::unique_ptr<PageEvents> events) {
    std::erase_if(pages_, [](const auto& p) { return p->isClosed(); });
    pages_.push_back(std::make_shared<PropertyPage>(std::move(title), options, std::move(events)));
    return pages_.back();
}

void HostModel::showPage(const std::shared_ptr<PropertyPage>& page) {
    page->markShown(active_);
    if (PropertyPage* open = openPage(); open != nullptr && open != page.get()) {
        try {
            open->close(host::CloseCancel);
        } catch (const com::ComError&) {
            // That page's add-in has been told; its failure does not stop the new page.
        }
    }
    page_ = page;
}

PropertyPage& HostModel::requirePage(std::string_view action) const {
    PropertyPage* page = openPage();
    if (page == nullptr) {
        throw com::ComError(com::E_UNEXPECTED, std::string(action) + ": no property page is open");
    }
    return *page;
}

void HostModel::releasePages() {
    if (PropertyPage* open = openPage()) {
        try {
            open->close(host::CloseCancel);
        } catch (const com::ComError&) {
            // The host is closing: the add-in's failure has nobody left to tell.
        }
    }
    for (const auto& page : pages_) {
        page->detachEvents();
    }
    pages_.clear();
    page_.reset();
}

std::int32_t HostModel::saveAs(const Document& document, const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), com::lowerAscii);
    try {
        if (extension == ".json") {
            saveDocument(document, path);
        } else {
            exportDocument(document, path, documentSource(),
                           exportOptions(integerPreferences_, doublePreferences_));
        }
        return 0;
    } catch (const com::ComError& e) {
        saveFailures_.push_back(e.description());
        return host::SaveFailed;
    }
}

DocumentSource HostModel::documentSource() const {
    return [this](const std::filesystem::path& path) {
        if (std::shared_ptr<Document> open = findOpen(path)) {
            return open;
        }
        return loadDocument(path);
    };
}

}  // namespace quenmoor::cadhost
