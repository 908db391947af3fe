#pragma once

#include <memory>

#include "cadhost/automation/dimension_object.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// A dimension as a feature shows it; the add-in walks a feature's dimensions through these
// and reaches each dimension itself through GetDimension.
class DisplayDimensionObject final
    : public com::ComObject<DisplayDimensionObject, com::DualInterface<host::IDisplayDimension>> {
public:
    DisplayDimensionObject(DocumentCalls calls, std::shared_ptr<Dimension> dimension)
        : calls_(std::move(calls)), dimension_(std::move(dimension)) {}

    ComPtr<host::IDimension> GetDimension() override {
        calls_.record("GetDimension", dimension_->name());
        return DimensionObject::create(calls_, dimension_);
    }

    const std::shared_ptr<Dimension>& dimension() const { return dimension_; }

private:
    DocumentCalls calls_;
    std::shared_ptr<Dimension> dimension_;
};

}  // namespace quenmoor::cadhost
