#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cadhost/model/page_control.h"

namespace quenmoor::cadhost {

// A group box of a property page and its controls, in the order the add-in added them.
class PageGroup {
public:
    PageGroup(std::int32_t id, std::string caption, std::int32_t options)
        : id_(id), caption_(std::move(caption)), options_(options) {}

    std::int32_t id() const { return id_; }
    const std::string& caption() const { return caption_; }
    std::int32_t options() const { return options_; }

    void addControl(std::shared_ptr<PageControl> control) {
        controls_.push_back(std::move(control));
    }
    const std::vector<std::shared_ptr<PageControl>>& controls() const { return controls_; }
    bool contains(const PageControl& control) const {
        for (const auto& c : controls_) {
            if (c.get() == &control) {
                return true;
            }
        }
        return false;
    }

private:
    std::int32_t id_;
    std::string caption_;
    std::int32_t options_;
    std::vector<std::shared_ptr<PageControl>> controls_;
};

}  // namespace quenmoor::cadhost
