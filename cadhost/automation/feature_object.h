#pragma once

#include <memory>
#include <string>

#include "cadhost/automation/document_calls.h"
#include "cadhost/model/feature.h"
#include "contracts/host/document.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// A feature of a part's tree as the add-in walks it: its name and its dimensions in order.
class FeatureObject final
    : public com::ComObject<FeatureObject, com::DualInterface<host::IFeature>> {
public:
    FeatureObject(DocumentCalls calls, std::shared_ptr<Feature> feature)
        : calls_(std::move(calls)), feature_(std::move(feature)) {}

    std::string Name() override;
    ComPtr<host::IDisplayDimension> GetFirstDisplayDimension() override;
    // Null after the last; ComError when `previous` is no dimension of this feature.
    ComPtr<host::IDisplayDimension> GetNextDisplayDimension(
        ComPtr<host::IDisplayDimension> previous) override;

private:
    DocumentCalls calls_;
    std::shared_ptr<Feature> feature_;
};

}  // namespace quenmoor::cadhost
