#include "cadhost/automation/application_object.h"

#include <algorithm>

#include "cadhost/automation/document_object.h"
#include "cadhost/automation/handler_events.h"
#include "cadhost/automation/page_object.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

bool HostApplication::SetAddinCallbackInfo(std::int64_t, ComPtr<com::IDispatch> callbacks,
                                           std::int32_t cookie) {
    journal_->record("SetAddinCallbackInfo", cookie);
    if (!callbacks) {
        return false;
    }
    callbacks_[cookie] = std::move(callbacks);
    return true;
}

std::int32_t HostApplication::AddMenu(std::int32_t documentType, std::string menu,
                                      std::int32_t position) {
    journal_->record("AddMenu", documentType, menu, position);
    MenuBar& menus = model_->menuBar();
    menus.addMenu(documentType, std::move(menu), position);
    return static_cast<std::int32_t>(menus.menus().size() - 1);
}

std::int32_t HostApplication::AddMenuItem2(std::int32_t documentType, std::int32_t cookie,
                                           std::string item, std::int32_t position,
                                           std::string callback, std::string, std::string) {
    journal_->record("AddMenuItem2", documentType, cookie, item, position, Journal::Word{callback});
    MenuBar& menus = model_->menuBar();
    menus.addItem({documentType, cookie, std::move(item), std::move(callback)});
    return static_cast<std::int32_t>(menus.items().size() - 1);
}

bool HostApplication::RemoveMenu(std::int32_t documentType, std::string menu, std::string) {
    journal_->record("RemoveMenu", documentType, menu);
    return model_->menuBar().removeMenu(documentType, menu);
}

ComPtr<host::IPropertyManagerPage2> HostApplication::CreatePropertyManagerPage(
    std::string title, std::int32_t options, ComPtr<com::IDispatch> handler) {
    journal_->record("CreatePropertyManagerPage", title, options);
    auto events = handler.as<host::PropertyManagerPage2Handler>("CreatePropertyManagerPage \"" +
                                                                title + "\": the handler");
    auto page = model_->addPage(std::move(title), options,
                                std::make_unique<HandlerEvents>(std::move(events)));
    return PageObject::create(journal_, model_, std::move(page));
}

ComPtr<host::IModelDoc2> HostApplication::ActiveDoc() {
    journal_->record("ActiveDoc");
    std::shared_ptr<Document> document = model_->addinDocument();
    if (!document) {
        return {};
    }
    return DocumentObject::create(model_, journal_, std::move(document));
}

bool HostApplication::SetUserPreferenceIntegerValue(std::int32_t preference, std::int32_t value) {
    journal_->record("SetUserPreferenceIntegerValue", preference, value);
    model_->setIntegerPreference(preference, value);
    return true;
}

std::string HostApplication::GetUserPreferenceStringValue(std::int32_t preference) {
    journal_->record("GetUserPreferenceStringValue", preference);
    return model_->stringPreference(preference);
}

bool HostApplication::SetUserPreferenceDoubleValue(std::int32_t preference, double value) {
    journal_->record("SetUserPreferenceDoubleValue", preference, value);
    model_->setDoublePreference(preference, value);
    return true;
}

ComPtr<host::IModelDoc2> HostApplication::documentObject(const Document& document) const {
    const auto& documents = model_->documents();
    auto it = std::find_if(documents.begin(), documents.end(),
                           [&](const auto& d) { return d.get() == &document; });
    if (it == documents.end()) {
        throw com::ComError(com::E_INVALIDARG,
                            "document \"" + document.title() + "\" is not open in this host");
    }
    return DocumentObject::create(model_, journal_, *it);
}

void HostApplication::pickMenuItem(std::string_view caption) {
    const std::int32_t type = model_->activeDocumentType();
    auto item = model_->menuBar().find(type, caption);
    if (!item) {
        throw com::ComError(com::E_INVALIDARG, "no menu item \"" + std::string(caption) +
                                                   "\" for document type " + std::to_string(type));
    }
    auto target = callbacks_.find(item->cookie);
    if (target == callbacks_.end()) {
        throw com::ComError(com::E_UNEXPECTED, "menu item \"" + std::string(caption) +
                                                   "\": its add-in registered no callback target");
    }
    com::call(target->second, item->callback);
}

void HostApplication::releaseCallbacks() {
    callbacks_.clear();
    model_->releasePages();
}

}  // namespace quenmoor::cadhost
