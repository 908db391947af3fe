#include <string>

#include "platform/com/dispatch_table.h"

namespace quenmoor::com {

DispId idOfName(IDispatch* object, std::string_view name) {
    if (object == nullptr) {
        throw ComError(CTL_E_OBJECTNOTSET,
                       std::string(name) + ": object variable not set (no object to call it on)");
    }
    DispId id = 0;
    HRESULT hr = object->GetIDsOfNames(name, &id);
    if (failed(hr)) {
        takeErrorInfo();
        throw ComError(hr, "object has no member named \"" + std::string(name) + "\"");
    }
    return id;
}

Variant invokeById(IDispatch* object, DispId id, std::string_view name, std::uint16_t kind,
                   std::span<Variant> arguments) {
    Variant result;
    check(object->Invoke(id, kind, arguments, &result), name);
    return result;
}

Variant invokeByName(IDispatch* object, std::string_view name, std::uint16_t kind,
                     std::span<Variant> arguments) {
    return invokeById(object, idOfName(object, name), name, kind, arguments);
}

}  // namespace quenmoor::com
