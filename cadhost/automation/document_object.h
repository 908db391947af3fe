#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cadhost/automation/document_calls.h"
#include "cadhost/model/host_model.h"
#include "contracts/host/document.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// A document as the add-in reaches it: custom properties, density, appearance values,
// the feature tree, the selection, and saving in the formats the host writes. Calls on it
// fail naming the document once the user has closed it.
class DocumentObject final
    : public com::ComObject<DocumentObject, com::DualInterface<host::IModelDoc2>> {
public:
    DocumentObject(std::shared_ptr<HostModel> host, JournalPtr journal,
                   std::shared_ptr<Document> document)
        : host_(std::move(host)), calls_(std::move(journal), document), document_(document) {}

    std::int32_t GetType() override;
    std::string GetTitle() override;
    // 0, or the host's error number; the reason goes to the host's list of save failures.
    std::int32_t SaveAs2(std::string name, std::int32_t version, bool saveAsCopy,
                         bool silent) override;
    // This host keeps no properties of a configuration: a named one has none.
    std::string CustomInfo2(std::string configuration, std::string field) override;
    bool DeleteCustomInfo2(std::string configuration, std::string field) override;
    bool AddCustomInfo3(std::string configuration, std::string field, std::int32_t fieldType,
                        std::string value) override;
    // Only the material density (preference 7) is a document's own; others answer False.
    bool SetUserPreferenceDoubleValue(std::int32_t preference, double value) override;
    std::vector<double> MaterialPropertyValues() override;
    void SetMaterialPropertyValues(std::vector<double> values) override;
    void GraphicsRedraw2() override;
    ComPtr<host::ISelectionMgr> SelectionManager() override;
    std::int32_t GetFeatureCount() override;
    // Position 0 is the last feature of the tree.
    ComPtr<host::IFeature> FeatureByPositionReverse(std::int32_t position) override;

private:
    std::shared_ptr<HostModel> host_;
    DocumentCalls calls_;
    std::shared_ptr<Document> document_;
};

}  // namespace quenmoor::cadhost
