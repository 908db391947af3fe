#include "cadhost/model/host_application.h"

#include <algorithm>

#include "cadhost/model/document_file.h"
#include "cadhost/model/document_geometry.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

namespace {

// The error number SaveAs2 gives for a save that fails, as the original host's generic
// save error.
constexpr std::int32_t SaveFailed = 1;

}  // namespace

bool HostApplication::SetAddinCallbackInfo(std::int64_t, ComPtr<com::IDispatch> callbacks,
                                           std::int32_t cookie) {
    journal_->enter("SetAddinCallbackInfo", "SetAddinCallbackInfo " + std::to_string(cookie));
    if (!callbacks) {
        return false;
    }
    callbacks_[cookie] = std::move(callbacks);
    return true;
}

std::int32_t HostApplication::AddMenu(std::int32_t documentType, std::string menu,
                                      std::int32_t position) {
    journal_->enter("AddMenu", "AddMenu " + std::to_string(documentType) + " " + quote(menu) + " " +
                                   std::to_string(position));
    menus_.addMenu(documentType, std::move(menu), position);
    return static_cast<std::int32_t>(menus_.menus().size() - 1);
}

std::int32_t HostApplication::AddMenuItem2(std::int32_t documentType, std::int32_t cookie,
                                           std::string item, std::int32_t position,
                                           std::string callback, std::string, std::string) {
    journal_->enter("AddMenuItem2", "AddMenuItem2 " + std::to_string(documentType) + " " +
                                        std::to_string(cookie) + " " + quote(item) + " " +
                                        std::to_string(position) + " " + callback);
    menus_.addItem({documentType, cookie, std::move(item), std::move(callback)});
    return static_cast<std::int32_t>(menus_.items().size() - 1);
}

bool HostApplication::RemoveMenu(std::int32_t documentType, std::string menu, std::string) {
    journal_->enter("RemoveMenu", "RemoveMenu " + std::to_string(documentType) + " " + quote(menu));
    return menus_.removeMenu(documentType, menu);
}

ComPtr<host::IPropertyManagerPage2> HostApplication::CreatePropertyManagerPage(
    std::string title, std::int32_t options, ComPtr<com::IDispatch> handler) {
    journal_->enter("CreatePropertyManagerPage",
                    "CreatePropertyManagerPage " + quote(title) + " " + std::to_string(options));
    auto events = handler.as<host::PropertyManagerPage2Handler>("CreatePropertyManagerPage \"" +
                                                                title + "\": the handler");
    auto page = PropertyPage::create(journal_, std::move(title), options, std::move(events),
                                     [this](PropertyPage& shown) { showPage(shown); });
    std::erase_if(pages_, [](const ComPtr<PropertyPage>& p) { return p->isClosed(); });
    pages_.push_back(page);
    return page;
}

void HostApplication::releaseCallbacks() {
    callbacks_.clear();
    if (PropertyPage* open = openPage()) {
        try {
            open->close(host::CloseCancel);
        } catch (const com::ComError&) {
            // The host is closing: the add-in's failure has nobody left to tell.
        }
    }
    for (const auto& page : pages_) {
        page->detachHandler();
    }
    pages_.clear();
    page_.reset();
}

void HostApplication::showPage(PropertyPage& page) {
    // One page at a time: a page still open is cancelled, as the user would.
    if (PropertyPage* open = openPage(); open != nullptr && open != &page) {
        try {
            open->close(host::CloseCancel);
        } catch (const com::ComError&) {
            // That page's add-in has been told; its failure does not stop the new page.
        }
    }
    page_ = ComPtr<PropertyPage>(&page);
}

PropertyPage& HostApplication::requirePage(std::string_view action) const {
    PropertyPage* page = openPage();
    if (page == nullptr) {
        throw com::ComError(com::E_UNEXPECTED, std::string(action) + ": no property page is open");
    }
    return *page;
}

ComPtr<host::IModelDoc2> HostApplication::ActiveDoc() {
    journal_->enter("ActiveDoc", "ActiveDoc");
    return active_;
}

bool HostApplication::SetUserPreferenceIntegerValue(std::int32_t preference, std::int32_t value) {
    journal_->enter("SetUserPreferenceIntegerValue", "SetUserPreferenceIntegerValue " +
                                                         std::to_string(preference) + " " +
                                                         std::to_string(value));
    integerPreferences_[preference] = value;
    return true;
}

bool HostApplication::SetUserPreferenceDoubleValue(std::int32_t preference, double value) {
    journal_->enter("SetUserPreferenceDoubleValue", "SetUserPreferenceDoubleValue " +
                                                        std::to_string(preference) + " " +
                                                        com::formatDouble(value));
    doublePreferences_[preference] = value;
    return true;
}

std::int32_t HostApplication::activeDocumentType() const {
    return active_ ? active_->type() : menuType_;
}

void HostApplication::pickMenuItem(std::string_view caption) {
    auto item = menus_.find(activeDocumentType(), caption);
    if (!item) {
        throw com::ComError(com::E_INVALIDARG, "no menu item \"" + std::string(caption) +
                                                   "\" for document type " +
                                                   std::to_string(activeDocumentType()));
    }
    auto target = callbacks_.find(item->cookie);
    if (target == callbacks_.end()) {
        throw com::ComError(com::E_UNEXPECTED, "menu item \"" + std::string(caption) +
                                                   "\": its add-in registered no callback target");
    }
    com::call(target->second, item->callback);
}

Document& HostApplication::adopt(ComPtr<Document> document) {
    document->setSaveFunction(
        [this](Document& d, const std::filesystem::path& path) { return saveAs(d, path); });
    documents_.push_back(document);
    active_ = std::move(document);
    return *active_;
}

Document& HostApplication::newDocument(host::DocumentType type, std::string title) {
    if (title.empty()) {
        throw com::ComError(com::E_INVALIDARG, "a new document needs a title");
    }
    return adopt(Document::create(journal_, type, std::move(title)));
}

ComPtr<Document> HostApplication::findOpen(const std::filesystem::path& path) const {
    std::error_code error;
    for (const auto& document : documents_) {
        if (!document->path().empty() &&
            std::filesystem::equivalent(document->path(), path, error)) {
            return document;
        }
    }
    return {};
}

Document& HostApplication::openDocument(const std::filesystem::path& path) {
    if (ComPtr<Document> open = findOpen(path)) {
        active_ = std::move(open);
        return *active_;
    }
    return adopt(loadDocument(path, journal_));
}

void HostApplication::activate(std::string_view title) {
    auto it = std::find_if(documents_.begin(), documents_.end(),
                           [&](const auto& d) { return d->title() == title; });
    if (it == documents_.end()) {
        throw com::ComError(com::E_INVALIDARG,
                            "no open document titled \"" + std::string(title) + "\"");
    }
    active_ = *it;
}

void HostApplication::saveActive(const std::optional<std::filesystem::path>& path) {
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

void HostApplication::closeActive() {
    if (!active_) {
        throw com::ComError(com::E_UNEXPECTED, "close: no document is open");
    }
    active_->markClosed();
    std::erase(documents_, active_);
    active_ = documents_.empty() ? ComPtr<Document>() : documents_.back();
}

std::int32_t HostApplication::saveAs(Document& document, const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
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
        return SaveFailed;
    }
}

DocumentSource HostApplication::documentSource() const {
    return [this](const std::filesystem::path& path) {
        if (ComPtr<Document> open = findOpen(path)) {
            return open;
        }
        // Read for its geometry only; the add-ins never see it, so nothing is recorded.
        return loadDocument(path, std::make_shared<Journal>());
    };
}

}  // namespace quenmoor::cadhost
