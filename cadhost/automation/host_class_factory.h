#pragma once

#include "cadhost/automation/host_application.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

// Hands out the one running application object.
class HostClassFactory final : public com::ComObject<HostClassFactory, com::IClassFactory> {
public:
    explicit HostClassFactory(ComPtr<HostApplication> application)
        : application_(std::move(application)) {}

    com::HRESULT CreateInstance(com::IUnknown* outer, const com::Guid& riid,
                                void** object) override {
        if (outer != nullptr) {
            return com::CLASS_E_NOAGGREGATION;
        }
        return application_->QueryInterface(riid, object);
    }
    com::HRESULT LockServer(bool) override { return com::S_OK; }

private:
    ComPtr<HostApplication> application_;
};

}  // namespace quenmoor::cadhost
