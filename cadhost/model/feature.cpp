#include "cadhost/model/feature.h"

#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

void DocumentOwner::enter(std::string_view method, std::string record) const {
    journal->enter(method, std::move(record));
    if (!open) {
        throw com::ComError(com::E_UNEXPECTED,
                            std::string(method) + ": document \"" + title + "\" is closed");
    }
}

std::string Dimension::Name() {
    owner_->enter("Dimension.Name", "Dimension.Name " + quote(name_));
    return name_;
}

void Dimension::SetName(std::string name) {
    owner_->enter("Dimension.SetName", "Dimension.SetName " + quote(name_) + " " + quote(name));
    name_ = std::move(name);
}

ComPtr<host::IDimension> DisplayDimension::GetDimension() {
    owner_->enter("GetDimension", "GetDimension " + quote(dimension_->name()));
    return dimension_;
}

std::string Feature::Name() {
    owner_->enter("Feature.Name", "Feature.Name " + quote(name_));
    return name_;
}

ComPtr<host::IDisplayDimension> Feature::GetFirstDisplayDimension() {
    owner_->enter("GetFirstDisplayDimension", "GetFirstDisplayDimension " + quote(name_));
    if (dimensions_.empty()) {
        return {};
    }
    return dimensions_.front();
}

ComPtr<host::IDisplayDimension> Feature::GetNextDisplayDimension(
    ComPtr<host::IDisplayDimension> previous) {
    owner_->enter("GetNextDisplayDimension", "GetNextDisplayDimension " + quote(name_));
    for (std::size_t i = 0; i < dimensions_.size(); ++i) {
        if (com::sameObject(dimensions_[i], previous)) {
            if (i + 1 < dimensions_.size()) {
                return dimensions_[i + 1];
            }
            return {};
        }
    }
    throw com::ComError(com::E_INVALIDARG,
                        "GetNextDisplayDimension: the dimension given is not one of "
                        "feature \"" +
                            name_ + "\"");
}

void Feature::addDimension(std::string name, double value) {
    dimensions_.push_back(
        DisplayDimension::create(owner_, Dimension::create(owner_, std::move(name), value)));
}

}  // namespace quenmoor::cadhost
