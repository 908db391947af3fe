#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "cadhost/automation/journal.h"
#include "cadhost/model/host_model.h"
#include "contracts/host/host_application.h"
#include "platform/com/com_object.h"
#include "platform/com/dispatch_table.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// The host's application object: what every add-in is connected with and calls. It works
// on the host's model, keeps the add-ins' callback targets for their menu items, and
// records every call an add-in makes in the journal.
class HostApplication final
    : public com::ComObject<HostApplication, com::DualInterface<host::ISldWorks>> {
public:
    // ISldWorks
    bool SetAddinCallbackInfo(std::int64_t module, ComPtr<com::IDispatch> callbacks,
                              std::int32_t cookie) override;
    std::int32_t AddMenu(std::int32_t documentType, std::string menu,
                         std::int32_t position) override;
    std::int32_t AddMenuItem2(std::int32_t documentType, std::int32_t cookie, std::string item,
                              std::int32_t position, std::string callback, std::string enableMethod,
                              std::string hint) override;
    bool RemoveMenu(std::int32_t documentType, std::string menu, std::string callback) override;
    ComPtr<host::IPropertyManagerPage2> CreatePropertyManagerPage(
        std::string title, std::int32_t options, ComPtr<com::IDispatch> handler) override;
    // Null while no document is open. While a page's event is handled, the page's own
    // document, whatever the user made active since.
    ComPtr<host::IModelDoc2> ActiveDoc() override;
    bool SetUserPreferenceIntegerValue(std::int32_t preference, std::int32_t value) override;
    bool SetUserPreferenceDoubleValue(std::int32_t preference, double value) override;
    std::string GetUserPreferenceStringValue(std::int32_t preference) override;

    HostModel& model() const { return *model_; }
    const JournalPtr& journal() const { return journal_; }

    // The object an add-in gets for an open document of the model. Throws ComError when
    // the document is not open.
    ComPtr<host::IModelDoc2> documentObject(const Document& document) const;

    // Calls the method behind a menu item of the active document type, as a pick of that
    // item does. Throws ComError naming the caption when there is no such item, and
    // raises the add-in's failure, with its description, as a ComError too.
    void pickMenuItem(std::string_view caption);

    // Forgets the callback targets and closes every page the add-ins built, so that the
    // add-ins, which keep their pages, can be released when the host closes.
    void releaseCallbacks();

private:
    friend class com::ComObject<HostApplication, com::DualInterface<host::ISldWorks>>;
    HostApplication() = default;

    std::shared_ptr<HostModel> model_ = std::make_shared<HostModel>();
    JournalPtr journal_ = std::make_shared<Journal>();
    std::map<std::int32_t, ComPtr<com::IDispatch>> callbacks_;
};

}  // namespace quenmoor::cadhost
