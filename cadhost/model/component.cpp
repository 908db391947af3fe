#include "cadhost/model/component.h"

#include <cmath>

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"

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

std::string Component::Name2() {
    owner_->enter("Component.Name2", "Component.Name2 " + quote(name_));
    return name_;
}

std::vector<double> Component::MaterialPropertyValues() {
    owner_->enter("Component.MaterialPropertyValues",
                  "Component.MaterialPropertyValues " + quote(name_));
    return values_;
}

void Component::SetMaterialPropertyValues(std::vector<double> values) {
    std::string record = "Component.SetMaterialPropertyValues " + quote(name_);
    for (double v : values) {
        record += " " + com::formatDouble(v);
    }
    owner_->enter("Component.SetMaterialPropertyValues", std::move(record));
    checkMaterialValues(values, "component \"" + name_ + "\"");
    values_ = std::move(values);
}

}  // namespace quenmoor::cadhost
