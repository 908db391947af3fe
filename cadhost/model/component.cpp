#include "cadhost/model/component.h"

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "platform/com/variant.h"

namespace quenmoor::cadhost {

std::vector<double> defaultMaterialValues() {
    // red, green, blue, ambient, diffuse, specular, shininess, transparency, emission
    return {0.79, 0.82, 0.93, 1.0, 1.0, 0.5, 0.3125, 0.0, 0.0};
}

void checkMaterialValues(const std::vector<double>& values, std::string_view what) {
    if (values.size() != static_cast<std::size_t>(host::MaterialValueCount)) {
        throw com::ComError(com::E_INVALIDARG, std::string(what) +
                                                   ": MaterialPropertyValues needs 9 values, got " +
                                                   std::to_string(values.size()));
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!(values[i] >= 0.0 && values[i] <= 1.0)) {
            throw com::ComError(com::E_INVALIDARG,
                                std::string(what) + ": MaterialPropertyValues value " +
                                    std::to_string(i) + " is " + com::formatDouble(values[i]) +
                                    ", not from 0 to 1");
        }
    }
}

}  // namespace quenmoor::cadhost
