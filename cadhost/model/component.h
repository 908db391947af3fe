#pragma once

#include <string>
#include <vector>

#include "cadhost/model/document_owner.h"
#include "contracts/host/document.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// A component of an assembly: a placed part with appearance values of its own.
class Component final : public com::ComObject<Component, com::DualInterface<host::IComponent2>> {
public:
    Component(OwnerPtr owner, std::string name, std::string partPath, std::vector<double> values)
        : owner_(std::move(owner)),
          name_(std::move(name)),
          partPath_(std::move(partPath)),
          values_(std::move(values)) {}

    std::string Name2() override;
    std::vector<double> MaterialPropertyValues() override;
    void SetMaterialPropertyValues(std::vector<double> values) override;

    const std::string& name() const { return name_; }
    const std::string& partPath() const { return partPath_; }
    const std::vector<double>& values() const { return values_; }
    void setValues(std::vector<double> values) { values_ = std::move(values); }
    // Where the part sits in the assembly: x, y, z in mm and a turn about z in degrees;
    // empty to line the components up along x.
    const std::vector<double>& placement() const { return placement_; }
    void setPlacement(std::vector<double> placement) { placement_ = std::move(placement); }

private:
    OwnerPtr owner_;
    std::string name_;
    std::string partPath_;
    std::vector<double> values_;
    std::vector<double> placement_;
};

// The nine appearance values a new document or component starts with: a light steel grey.
std::vector<double> defaultMaterialValues();

// Checks that `values` holds nine numbers, each from 0 to 1; throws ComError naming
// `what` and the offending index otherwise.
void checkMaterialValues(const std::vector<double>& values, std::string_view what);

}  // namespace quenmoor::cadhost
