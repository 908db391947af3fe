#include <string>

#include "platform/com/dispatch_table.h"

namespace quenmoor::com {

Variant invokeByName(IDispatch* object, std::string_view name, std::uint16_t kind,
                     std::span<Variant> arguments) {
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
    Variant result;
    check(object->Invoke(id, kind, arguments, &result), name);
    return result;
}

}  // namespace quenmoor::com
