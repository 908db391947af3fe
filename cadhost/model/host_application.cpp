#include "cadhost/model/host_application.h"

#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

void HostApplication::enter(std::string_view method, std::string record) {
    journal_.push_back(std::move(record));
    auto it = injectedFailures_.find(std::string(method));
    if (it != injectedFailures_.end() && --it->second == 0) {
        injectedFailures_.erase(it);
        throw com::ComError(com::E_FAIL, std::string(method) + ": the host refused the call");
    }
}

void HostApplication::failCall(std::string method, int nth) {
    if (nth < 1) {
        throw com::ComError(com::E_INVALIDARG, "failCall: the call number must be 1 or more");
    }
    injectedFailures_[std::move(method)] = nth;
}

bool HostApplication::SetAddinCallbackInfo(std::int64_t, ComPtr<com::IDispatch> callbacks,
                                           std::int32_t cookie) {
    enter("SetAddinCallbackInfo", "SetAddinCallbackInfo " + std::to_string(cookie));
    if (!callbacks) {
        return false;
    }
    callbacks_[cookie] = std::move(callbacks);
    return true;
}

std::int32_t HostApplication::AddMenu(std::int32_t documentType, std::string menu,
                                      std::int32_t position) {
    enter("AddMenu", "AddMenu " + std::to_string(documentType) + " " + quoted(menu) + " " +
                         std::to_string(position));
    menus_.addMenu(documentType, std::move(menu), position);
    return static_cast<std::int32_t>(menus_.menus().size() - 1);
}

std::int32_t HostApplication::AddMenuItem2(std::int32_t documentType, std::int32_t cookie,
                                           std::string item, std::int32_t position,
                                           std::string callback, std::string, std::string) {
    enter("AddMenuItem2", "AddMenuItem2 " + std::to_string(documentType) + " " +
                              std::to_string(cookie) + " " + quoted(item) + " " +
                              std::to_string(position) + " " + callback);
    menus_.addItem({documentType, cookie, std::move(item), std::move(callback)});
    return static_cast<std::int32_t>(menus_.items().size() - 1);
}

bool HostApplication::RemoveMenu(std::int32_t documentType, std::string menu, std::string) {
    enter("RemoveMenu", "RemoveMenu " + std::to_string(documentType) + " " + quoted(menu));
    return menus_.removeMenu(documentType, menu);
}

ComPtr<host::IPropertyManagerPage2> HostApplication::CreatePropertyManagerPage(
    std::string title, std::int32_t, ComPtr<com::IDispatch>) {
    enter("CreatePropertyManagerPage", "CreatePropertyManagerPage " + quoted(title));
    throw com::ComError(
        com::E_NOTIMPL,
        "CreatePropertyManagerPage: this host has no property pane for \"" + title + "\"");
}

ComPtr<host::IModelDoc2> HostApplication::ActiveDoc() {
    enter("ActiveDoc", "ActiveDoc");
    return {};
}

bool HostApplication::SetUserPreferenceIntegerValue(std::int32_t preference, std::int32_t value) {
    enter("SetUserPreferenceIntegerValue", "SetUserPreferenceIntegerValue " +
                                               std::to_string(preference) + " " +
                                               std::to_string(value));
    integerPreferences_[preference] = value;
    return true;
}

bool HostApplication::SetUserPreferenceDoubleValue(std::int32_t preference, double value) {
    enter("SetUserPreferenceDoubleValue", "SetUserPreferenceDoubleValue " +
                                              std::to_string(preference) + " " +
                                              com::formatDouble(value));
    doublePreferences_[preference] = value;
    return true;
}

void HostApplication::pickMenuItem(std::string_view caption) {
    auto item = menus_.find(activeDocumentType_, caption);
    if (!item) {
        throw com::ComError(com::E_INVALIDARG, "no menu item \"" + std::string(caption) +
                                                   "\" for document type " +
                                                   std::to_string(activeDocumentType_));
    }
    auto target = callbacks_.find(item->cookie);
    if (target == callbacks_.end()) {
        throw com::ComError(com::E_UNEXPECTED, "menu item \"" + std::string(caption) +
                                                   "\": its add-in registered no callback target");
    }
    com::call(target->second, item->callback);
}

}  // namespace quenmoor::cadhost
