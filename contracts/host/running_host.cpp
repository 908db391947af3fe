#include "contracts/host/running_host.h"

#include "platform/com/activation.h"
#include "platform/com/com_object.h"
#include "platform/com/registry.h"

namespace quenmoor::host {

namespace {

// Hands out the one running application object.
class RunningHostFactory final : public com::ComObject<RunningHostFactory, com::IClassFactory> {
public:
    explicit RunningHostFactory(ComPtr<ISldWorks> application)
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
    ComPtr<ISldWorks> application_;
};

// Writes the ProgID entries only when they differ, so that starting a host does not
// rewrite the registry file each time.
void registerProgId(std::string_view progId) {
    auto& registry = com::Registry::instance();
    const std::string clsid = RunningHostClass.toString();
    const std::string key = std::string(progId) + "\\CLSID";
    if (registry.value(key) != clsid) {
        registry.setValue(progId, "", "Host application");
        registry.setValue(key, "", clsid);
    }
    const std::string classKey = "CLSID\\" + clsid + "\\ProgID";
    if (registry.value(classKey) != std::string(progId)) {
        registry.setValue(classKey, "", progId);
    }
}

}  // namespace

RunningHost::RunningHost(ComPtr<ISldWorks> application) {
    registerProgId(HostProgId);
    auto factory = RunningHostFactory::create(application);
    classCookie_ = com::CoRegisterClassObject(RunningHostClass,
                                              static_cast<com::IClassFactory*>(factory.get()));
    runningCookie_ = com::RegisterActiveObject(application.get(), RunningHostClass);
}

RunningHost::~RunningHost() {
    try {
        com::RevokeActiveObject(runningCookie_);
        com::CoRevokeClassObject(classCookie_);
    } catch (const com::ComError&) {
        // Already revoked: nothing is left to undo.
    }
}

}  // namespace quenmoor::host
