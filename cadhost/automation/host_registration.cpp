#include "cadhost/automation/host_registration.h"

#include "cadhost/automation/host_class_factory.h"
#include "platform/com/activation.h"
#include "platform/com/registry.h"

namespace quenmoor::cadhost {

namespace {

// Writes the ProgID entries only when they differ, so that starting the host does not
// rewrite the registry file each time.
void registerProgId(std::string_view progId) {
    auto& registry = com::Registry::instance();
    const std::string clsid = HostApplicationClass.toString();
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

HostRegistration::HostRegistration(ComPtr<HostApplication> application) {
    registerProgId(host::HostProgId);
    auto factory = HostClassFactory::create(application);
    classCookie_ = com::CoRegisterClassObject(HostApplicationClass,
                                              static_cast<com::IClassFactory*>(factory.get()));
    runningCookie_ = com::RegisterActiveObject(static_cast<host::ISldWorks*>(application.get()),
                                               HostApplicationClass);
}

HostRegistration::~HostRegistration() {
    try {
        com::RevokeActiveObject(runningCookie_);
        com::CoRevokeClassObject(classCookie_);
    } catch (const com::ComError&) {
        // Already revoked: nothing is left to undo.
    }
}

}  // namespace quenmoor::cadhost
