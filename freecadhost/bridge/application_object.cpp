#include "freecadhost/bridge/application_object.h"

#include "freecadhost/bridge/document_objects.h"
#include "freecadhost/bridge/page_events.h"
#include "freecadhost/bridge/page_objects.h"

namespace quenmoor::pythonhost {

bool PythonApplication::SetAddinCallbackInfo(std::int64_t, ComPtr<com::IDispatch> callbacks,
                                             std::int32_t) {
    callbacks_ = std::move(callbacks);
    return true;
}

std::int32_t PythonApplication::AddMenu(std::int32_t documentType, std::string menu,
                                        std::int32_t position) {
    return host_.call<std::int32_t>("AddMenu", "add_menu", documentType, menu, position);
}

std::int32_t PythonApplication::AddMenuItem2(std::int32_t documentType, std::int32_t,
                                             std::string item, std::int32_t position,
                                             std::string callback, std::string, std::string hint) {
    return host_.call<std::int32_t>("AddMenuItem2", "add_menu_item", documentType, item, position,
                                    callback, hint);
}

bool PythonApplication::RemoveMenu(std::int32_t documentType, std::string menu,
                                   std::string callback) {
    return host_.call<bool>("RemoveMenu", "remove_menu", documentType, menu, callback);
}

ComPtr<host::IPropertyManagerPage2> PythonApplication::CreatePropertyManagerPage(
    std::string title, std::int32_t options, ComPtr<com::IDispatch> handler) {
    auto events = handler.as<host::PropertyManagerPage2Handler>("CreatePropertyManagerPage \"" +
                                                                title + "\": the handler");
    return host_.make<PythonPage>("CreatePropertyManagerPage", "create_page", title, options,
                                  PageEvents(std::move(events)));
}

ComPtr<host::IModelDoc2> PythonApplication::ActiveDoc() {
    return host_.make<PythonDocument>("ActiveDoc", "active_document");
}

bool PythonApplication::SetUserPreferenceIntegerValue(std::int32_t preference, std::int32_t value) {
    return host_.call<bool>("SetUserPreferenceIntegerValue", "set_integer_preference", preference,
                            value);
}

bool PythonApplication::SetUserPreferenceDoubleValue(std::int32_t preference, double value) {
    return host_.call<bool>("SetUserPreferenceDoubleValue", "set_double_preference", preference,
                            value);
}

std::string PythonApplication::GetUserPreferenceStringValue(std::int32_t preference) {
    return host_.call<std::string>("GetUserPreferenceStringValue", "string_preference", preference);
}

void PythonApplication::callBack(const std::string& name) {
    if (!callbacks_) {
        throw com::ComError(com::E_UNEXPECTED,
                            "menu " + name + ": no add-in is connected to take the call");
    }
    com::call(callbacks_, name);
}

}  // namespace quenmoor::pythonhost
