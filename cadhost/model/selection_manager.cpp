#include "cadhost/model/selection_manager.h"

#include "contracts/host/host_codes.h"

namespace quenmoor::cadhost {

Component* SelectionManager::selected(std::int32_t index) const {
    const auto& selection = document_->selection();
    if (index < 1 || static_cast<std::size_t>(index) > selection.size()) {
        return nullptr;
    }
    return selection[static_cast<std::size_t>(index - 1)].get();
}

std::int32_t SelectionManager::GetSelectedObjectType2(std::int32_t index) {
    document_->owner()->enter(
        "GetSelectedObjectType2",
        "GetSelectedObjectType2 " + quote(document_->title()) + " " + std::to_string(index));
    return selected(index) != nullptr ? host::SelectionComponent : host::SelectionNothing;
}

ComPtr<com::IDispatch> SelectionManager::GetSelectedObject3(std::int32_t index) {
    document_->owner()->enter(
        "GetSelectedObject3",
        "GetSelectedObject3 " + quote(document_->title()) + " " + std::to_string(index));
    Component* component = selected(index);
    if (component == nullptr) {
        return {};
    }
    return ComPtr<com::IDispatch>(static_cast<host::IComponent2*>(component));
}

}  // namespace quenmoor::cadhost
