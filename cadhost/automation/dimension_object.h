#pragma once

#include <memory>
#include <string>

#include "cadhost/automation/document_calls.h"
#include "cadhost/model/dimension.h"
#include "contracts/host/document.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

// A dimension as the add-in reads and renames it.
class DimensionObject final
    : public com::ComObject<DimensionObject, com::DualInterface<host::IDimension>> {
public:
    DimensionObject(DocumentCalls calls, std::shared_ptr<Dimension> dimension)
        : calls_(std::move(calls)), dimension_(std::move(dimension)) {}

    std::string Name() override {
        calls_.record("Dimension.Name", dimension_->name());
        return dimension_->name();
    }
    void SetName(std::string name) override {
        calls_.record("Dimension.SetName", dimension_->name(), name);
        dimension_->setName(std::move(name));
    }

private:
    DocumentCalls calls_;
    std::shared_ptr<Dimension> dimension_;
};

}  // namespace quenmoor::cadhost
