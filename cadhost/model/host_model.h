#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cadhost/model/document.h"
#include "cadhost/model/document_geometry.h"
#include "cadhost/model/menu_bar.h"
#include "cadhost/model/property_page.h"

namespace quenmoor::cadhost {

// Everything the host holds while it runs: the open documents and the active one, the
// add-ins' menus, the property pages they built and the one in the pane, the user
// preferences the writers read, and why saves failed. The window, the script runner and
// the automation objects all work on this one model.
class HostModel {
public:
    // Documents. Each throws ComError naming the document or file concerned.
    Document& newDocument(host::DocumentType type, std::string title);
    // Makes the document read from `path` active, reading it unless it is open already.
    Document& openDocument(const std::filesystem::path& path);
    void activate(std::string_view title);
    // Saves the active document to its file, or to `path`, which it then keeps.
    void saveActive(const std::optional<std::filesystem::path>& path);
    // Closes the active document. A page shown for it closes first, with Cancel; its
    // add-in's failure is raised once the document is closed.
    void closeActive();
    Document* activeDocument() const { return active_.get(); }
    const std::shared_ptr<Document>& active() const { return active_; }
    // The document an add-in works on: while a page's event is handled, the page's own
    // (null when it was shown with none open), whatever document the user made active
    // since; else the active one.
    std::shared_ptr<Document> addinDocument() const;
    const std::vector<std::shared_ptr<Document>>& documents() const { return documents_; }

    // The document type whose menus the user sees: the active document's, or the type
    // chosen with setActiveDocumentType while no document is open.
    std::int32_t activeDocumentType() const;
    void setActiveDocumentType(std::int32_t documentType) { menuType_ = documentType; }
    MenuBar& menuBar() { return menus_; }
    const MenuBar& menuBar() const { return menus_; }

    void setIntegerPreference(std::int32_t preference, std::int32_t value) {
        integerPreferences_[preference] = value;
    }
    void setDoublePreference(std::int32_t preference, double value) {
        doublePreferences_[preference] = value;
    }
    // The user's string preferences, kept in the host's settings; empty for one not set.
    void setStringPreference(std::int32_t preference, std::string value) {
        stringPreferences_[preference] = std::move(value);
    }
    std::string stringPreference(std::int32_t preference) const {
        const auto found = stringPreferences_.find(preference);
        return found == stringPreferences_.end() ? std::string() : found->second;
    }
    const std::map<std::int32_t, std::int32_t>& integerPreferences() const {
        return integerPreferences_;
    }
    const std::map<std::int32_t, double>& doublePreferences() const { return doublePreferences_; }

    // A new page, not shown yet, whose user actions go to `events`.
    std::shared_ptr<PropertyPage> addPage(std::string title, std::int32_t options,
                                          std::unique_ptr<PageEvents> events);
    // Puts the page in the pane. One page at a time: a page still open is cancelled, as
    // the user would; its add-in's failure does not stop the new page.
    void showPage(const std::shared_ptr<PropertyPage>& page);
    // The page in the property pane; null when none is open.
    PropertyPage* openPage() const { return page_ && !page_->isClosed() ? page_.get() : nullptr; }
    // The open page, or ComError naming the action when there is none.
    PropertyPage& requirePage(std::string_view action) const;
    // Cancels the open page and lets every page built go of its events, so that the
    // add-ins, which keep their pages, can be released when the host closes.
    void releasePages();

    // Writes a document in the format its extension selects: 0, or the host's error number
    // for an extension no writer serves or a write that fails (nothing is written then).
    std::int32_t saveAs(const Document& document, const std::filesystem::path& path);
    // Why each failed saveAs failed, oldest first, as the host reports them to the user.
    const std::vector<std::string>& saveFailures() const { return saveFailures_; }

    // Finds the document at a path: the open one when it is open, else read from its file.
    // Assemblies and drawings find their parts through this. Throws ComError naming the file.
    DocumentSource documentSource() const;

private:
    Document& adopt(std::shared_ptr<Document> document);
    // The open document read from `path`, if any.
    std::shared_ptr<Document> findOpen(const std::filesystem::path& path) const;

    MenuBar menus_;
    std::map<std::int32_t, std::int32_t> integerPreferences_;
    std::map<std::int32_t, double> doublePreferences_;
    std::map<std::int32_t, std::string> stringPreferences_;
    std::vector<std::shared_ptr<Document>> documents_;
    std::shared_ptr<Document> active_;
    std::shared_ptr<PropertyPage> page_;
    std::vector<std::shared_ptr<PropertyPage>> pages_;  // every page built, shown or not
    std::int32_t menuType_ = 0;
    std::vector<std::string> saveFailures_;
};

}  // namespace quenmoor::cadhost
