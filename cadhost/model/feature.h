#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cadhost/model/dimension.h"

namespace quenmoor::cadhost {

// A feature of a part's tree: its name, its kind ("extrude", "cut", "hole", "fillet"), the
// dimensions shown with it in order, and where it sits in the plate's plane. Dimensions are
// shared, so that an add-in's handle on one outlives a rebuilt tree.
class Feature {
public:
    Feature(std::string name, std::string kind) : name_(std::move(name)), kind_(std::move(kind)) {}

    const std::string& name() const { return name_; }
    const std::string& kind() const { return kind_; }

    Dimension& addDimension(std::string name, double value) {
        dimensions_.push_back(std::make_shared<Dimension>(std::move(name), value));
        return *dimensions_.back();
    }
    const std::vector<std::shared_ptr<Dimension>>& dimensions() const { return dimensions_; }

    // Where the feature sits in the plate's plane (x, y in mm); empty for the centre.
    const std::vector<double>& position() const { return position_; }
    void setPosition(std::vector<double> position) { position_ = std::move(position); }

private:
    std::string name_;
    std::string kind_;
    std::vector<std::shared_ptr<Dimension>> dimensions_;
    std::vector<double> position_;
};

}  // namespace quenmoor::cadhost
