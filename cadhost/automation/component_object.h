#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cadhost/automation/document_calls.h"
#include "cadhost/model/component.h"
#include "contracts/host/document.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

// A component of an assembly as the add-in reaches it through the selection: its name and
// its own appearance values.
class ComponentObject final
    : public com::ComObject<ComponentObject, com::DualInterface<host::IComponent2>> {
public:
    ComponentObject(DocumentCalls calls, std::shared_ptr<Component> component)
        : calls_(std::move(calls)), component_(std::move(component)) {}

    std::string Name2() override {
        calls_.record("Component.Name2", component_->name());
        return component_->name();
    }
    std::vector<double> MaterialPropertyValues() override {
        calls_.record("Component.MaterialPropertyValues", component_->name());
        return component_->values();
    }
    // Nine values from 0 to 1, else ComError naming the component.
    void SetMaterialPropertyValues(std::vector<double> values) override {
        calls_.record("Component.SetMaterialPropertyValues", component_->name(), values);
        checkMaterialValues(values, "component \"" + component_->name() + "\"");
        component_->setValues(std::move(values));
    }

private:
    DocumentCalls calls_;
    std::shared_ptr<Component> component_;
};

}  // namespace quenmoor::cadhost
