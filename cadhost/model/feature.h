#pragma once

#include <string>
#include <vector>

#include "cadhost/model/document_owner.h"
#include "contracts/host/document.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// A driving dimension: its name ("D1") and its value in millimetres or degrees.
class Dimension final : public com::ComObject<Dimension, com::DualInterface<host::IDimension>> {
public:
    Dimension(OwnerPtr owner, std::string name, double value)
        : owner_(std::move(owner)), name_(std::move(name)), value_(value) {}

    std::string Name() override;
    void SetName(std::string name) override;

    const std::string& name() const { return name_; }
    double value() const { return value_; }
    void setValue(double value) { value_ = value; }

private:
    OwnerPtr owner_;
    std::string name_;
    double value_;
};

class DisplayDimension final
    : public com::ComObject<DisplayDimension, com::DualInterface<host::IDisplayDimension>> {
public:
    DisplayDimension(OwnerPtr owner, ComPtr<Dimension> dimension)
        : owner_(std::move(owner)), dimension_(std::move(dimension)) {}

    ComPtr<host::IDimension> GetDimension() override;
    Dimension& dimension() const { return *dimension_; }

private:
    OwnerPtr owner_;
    ComPtr<Dimension> dimension_;
};

// A feature of the tree and the dimensions shown with it, in order.
class Feature final : public com::ComObject<Feature, com::DualInterface<host::IFeature>> {
public:
    Feature(OwnerPtr owner, std::string name, std::string kind)
        : owner_(std::move(owner)), name_(std::move(name)), kind_(std::move(kind)) {}

    std::string Name() override;
    ComPtr<host::IDisplayDimension> GetFirstDisplayDimension() override;
    ComPtr<host::IDisplayDimension> GetNextDisplayDimension(
        ComPtr<host::IDisplayDimension> previous) override;

    const std::string& name() const { return name_; }
    const std::string& kind() const { return kind_; }
    void addDimension(std::string name, double value);
    const std::vector<ComPtr<DisplayDimension>>& dimensions() const { return dimensions_; }
    // Where the feature sits in the plate's plane (x, y in mm); empty for the centre.
    const std::vector<double>& position() const { return position_; }
    void setPosition(std::vector<double> position) { position_ = std::move(position); }

private:
    OwnerPtr owner_;
    std::string name_;
    std::string kind_;
    std::vector<ComPtr<DisplayDimension>> dimensions_;
    std::vector<double> position_;
};

}  // namespace quenmoor::cadhost
