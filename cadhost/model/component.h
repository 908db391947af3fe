#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quenmoor::cadhost {

// A component of an assembly: a placed part with appearance values of its own.
class Component {
public:
    Component(std::string name, std::string partPath, std::vector<double> values)
        : name_(std::move(name)), partPath_(std::move(partPath)), values_(std::move(values)) {}

    const std::string& name() const { return name_; }
    const std::string& partPath() const { return partPath_; }
    const std::vector<double>& values() const { return values_; }
    void setValues(std::vector<double> values) { values_ = std::move(values); }
    // Where the part sits in the assembly: x, y, z in mm and a turn about z in degrees;
    // empty to line the components up along x.
    const std::vector<double>& placement() const { return placement_; }
    void setPlacement(std::vector<double> placement) { placement_ = std::move(placement); }

private:
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
