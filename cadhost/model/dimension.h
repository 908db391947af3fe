#pragma once

#include <string>
#include <utility>

namespace quenmoor::cadhost {

// A driving dimension of a feature: its name ("D1") and its value in millimetres or
// degrees. The value shapes the solid; the name is only what the user and add-ins read.
class Dimension {
public:
    Dimension(std::string name, double value) : name_(std::move(name)), value_(value) {}

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    double value() const { return value_; }
    void setValue(double value) { value_ = value; }

private:
    std::string name_;
    double value_;
};

}  // namespace quenmoor::cadhost
