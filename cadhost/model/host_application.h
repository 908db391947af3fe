#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cadhost/model/document.h"
#include "cadhost/model/document_geometry.h"
#include "cadhost/model/journal.h"
#include "cadhost/model/menu_bar.h"
#include "cadhost/model/property_page.h"
#include "contracts/host/host_application.h"
#include "platform/com/com_object.h"
#include "platform/com/dispatch_table.h"

namespace quenmoor::cadhost {

using com::ComPtr;

inline constexpr com::Guid HostApplicationClass =
    com::guid("{4A1B7C30-9D2E-4F65-8B1A-52C7E0D39F14}");

// The host's application object: what every add-in is connected with and calls. It holds
// the open documents and the active one, the add-ins' menus and callback targets, the
// open property page, the host options, and the journal of every call an add-in made.
class HostApplication final
    : public com::ComObject<HostApplication, com::DualInterface<host::ISldWorks>> {
public:
    // ISldWorks
    bool SetAddinCallbackInfo(std::int64_t module, ComPtr<com::IDispatch> callbacks,
                              std::int32_t cookie) override;
    std::int32_t AddMenu(std::int32_t documentType, std::string menu,
                         std::int32_t position) override;
    std::int32_t AddMenuItem2(std::int32_t documentType, std::int32_t cookie, std::string item,
                              std::int32_t position, std::string callback, std::string enableMethod,
                              std::string hint) override;
    bool RemoveMenu(std::int32_t documentType, std::string menu, std::string callback) override;
    ComPtr<host::IPropertyManagerPage2> CreatePropertyManagerPage(
        std::string title, std::int32_t options, ComPtr<com::IDispatch> handler) override;
    ComPtr<host::IModelDoc2> ActiveDoc() override;
    bool SetUserPreferenceIntegerValue(std::int32_t preference, std::int32_t value) override;
    bool SetUserPreferenceDoubleValue(std::int32_t preference, double value) override;

    const JournalPtr& journal() const { return journal_; }
    const MenuBar& menuBar() const { return menus_; }
    const std::map<std::int32_t, std::int32_t>& integerPreferences() const {
        return integerPreferences_;
    }
    const std::map<std::int32_t, double>& doublePreferences() const { return doublePreferences_; }

    // Documents. Each throws ComError naming the document or file concerned.
    Document& newDocument(host::DocumentType type, std::string title);
    Document& openDocument(const std::filesystem::path& path);
    void activate(std::string_view title);
    // Saves the active document to its file, or to `path`, which it then keeps.
    void saveActive(const std::optional<std::filesystem::path>& path);
    void closeActive();
    Document* activeDocument() const { return active_.get(); }
    const std::vector<ComPtr<Document>>& documents() const { return documents_; }

    // The document type whose menus the user sees: the active document's, or the type
    // chosen with setActiveDocumentType while no document is open.
    std::int32_t activeDocumentType() const;
    void setActiveDocumentType(std::int32_t documentType) { menuType_ = documentType; }

    // Calls the method behind a menu item of the active document type, as a pick of that
    // item does. Throws ComError naming the caption when there is no such item, and
    // raises the add-in's failure, with its description, as a ComError too.
    void pickMenuItem(std::string_view caption);

    // The page in the property pane; null when none is open.
    PropertyPage* openPage() const { return page_ && !page_->isClosed() ? page_.get() : nullptr; }
    // The open page, or ComError naming the action when there is none.
    PropertyPage& requirePage(std::string_view action) const;

    // Writes a document in the format its extension selects: 0, or the host's error number
    // for an extension no writer serves or a write that fails (nothing is written then).
    std::int32_t saveAs(Document& document, const std::filesystem::path& path);
    // Why each failed saveAs failed, oldest first, as the host reports them to the user.
    const std::vector<std::string>& saveFailures() const { return saveFailures_; }

    // Finds the document at a path: the open one when it is open, else read from its file.
    // Assemblies and drawings find their parts through this. Throws ComError naming the file.
    DocumentSource documentSource() const;

    // Forgets the callback targets and closes every page the add-ins built, so that the
    // add-ins, which keep their pages, can be released when the host closes.
    void releaseCallbacks();

private:
    friend class com::ComObject<HostApplication, com::DualInterface<host::ISldWorks>>;
    HostApplication() = default;

    Document& adopt(ComPtr<Document> document);
    // The open document read from `path`, if any.
    ComPtr<Document> findOpen(const std::filesystem::path& path) const;
    void showPage(PropertyPage& page);

    JournalPtr journal_ = std::make_shared<Journal>();
    MenuBar menus_;
    std::map<std::int32_t, ComPtr<com::IDispatch>> callbacks_;
    std::map<std::int32_t, std::int32_t> integerPreferences_;
    std::map<std::int32_t, double> doublePreferences_;
    std::vector<ComPtr<Document>> documents_;
    ComPtr<Document> active_;
    ComPtr<PropertyPage> page_;
    std::vector<ComPtr<PropertyPage>> pages_;  // every page built, shown or not
    std::int32_t menuType_ = 0;
    std::vector<std::string> saveFailures_;
};

}  // namespace quenmoor::cadhost
