#include "cadhost/automation/feature_object.h"

#include "cadhost/automation/display_dimension_object.h"

namespace quenmoor::cadhost {

std::string FeatureObject::Name() {
    calls_.record("Feature.Name", feature_->name());
    return feature_->name();
}

ComPtr<host::IDisplayDimension> FeatureObject::GetFirstDisplayDimension() {
    calls_.record("GetFirstDisplayDimension", feature_->name());
    const auto& dimensions = feature_->dimensions();
    if (dimensions.empty()) {
        return {};
    }
    return DisplayDimensionObject::create(calls_, dimensions.front());
}

ComPtr<host::IDisplayDimension> FeatureObject::GetNextDisplayDimension(
    ComPtr<host::IDisplayDimension> previous) {
    calls_.record("GetNextDisplayDimension", feature_->name());
    // The add-in hands back an object this host made; which dimension it shows is what counts.
    const auto* given = dynamic_cast<const DisplayDimensionObject*>(previous.get());
    const auto& dimensions = feature_->dimensions();
    for (std::size_t i = 0; given != nullptr && i < dimensions.size(); ++i) {
        if (dimensions[i] == given->dimension()) {
            if (i + 1 < dimensions.size()) {
                return DisplayDimensionObject::create(calls_, dimensions[i + 1]);
            }
            return {};
        }
    }
    throw com::ComError(com::E_INVALIDARG,
                        "GetNextDisplayDimension: the dimension given is not one of feature \"" +
                            feature_->name() + "\"");
}

}  // namespace quenmoor::cadhost
