#pragma once

#include <memory>

#include "cadhost/automation/component_object.h"
#include "cadhost/model/document.h"
#include "contracts/host/host_codes.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// The selection of a document as the add-in reads it: index 1 is the first selected item.
// It reads the selection as it stands at each call.
class SelectionObject final
    : public com::ComObject<SelectionObject, com::DualInterface<host::ISelectionMgr>> {
public:
    SelectionObject(DocumentCalls calls, std::shared_ptr<const Document> document)
        : calls_(std::move(calls)), document_(std::move(document)) {}

    std::int32_t GetSelectedObjectType2(std::int32_t index) override {
        calls_.record("GetSelectedObjectType2", calls_.title(), index);
        return selected(index) ? host::SelectionComponent : host::SelectionNothing;
    }
    ComPtr<com::IDispatch> GetSelectedObject3(std::int32_t index) override {
        calls_.record("GetSelectedObject3", calls_.title(), index);
        std::shared_ptr<Component> component = selected(index);
        if (!component) {
            return {};
        }
        return ComPtr<com::IDispatch>(ComponentObject::create(calls_, std::move(component)));
    }

private:
    std::shared_ptr<Component> selected(std::int32_t index) const {
        const auto& selection = document_->selection();
        if (index < 1 || static_cast<std::size_t>(index) > selection.size()) {
            return nullptr;
        }
        return selection[static_cast<std::size_t>(index - 1)];
    }

    DocumentCalls calls_;
    std::shared_ptr<const Document> document_;
};

}  // namespace quenmoor::cadhost
