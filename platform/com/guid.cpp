#include "platform/com/guid.h"

#include <cstdio>

#include "platform/com/com_error.h"

namespace quenmoor::com {

Guid Guid::parse(std::string_view text) {
    if (auto parsed = tryParse(text)) {
        return *parsed;
    }
    throw ComError(CO_E_CLASSSTRING, "malformed GUID \"" + std::string(text) +
                                         "\": expected {8-4-4-4-12} hex digits");
}

std::string Guid::toString() const {
    char buffer[39];
    std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  data1, data2, data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5],
                  data4[6], data4[7]);
    return buffer;
}

}  // namespace quenmoor::com
