#pragma once

#include "cadhost/model/document.h"
#include "contracts/host/document.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

// The selection of a document as the add-in reads it: index 1 is the first selected item.
class SelectionManager final
    : public com::ComObject<SelectionManager, com::DualInterface<host::ISelectionMgr>> {
public:
    explicit SelectionManager(ComPtr<Document> document) : document_(std::move(document)) {}

    std::int32_t GetSelectedObjectType2(std::int32_t index) override;
    ComPtr<com::IDispatch> GetSelectedObject3(std::int32_t index) override;

private:
    Component* selected(std::int32_t index) const;

    ComPtr<Document> document_;
};

}  // namespace quenmoor::cadhost
