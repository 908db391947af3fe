#include "cadhost/automation/addin_manager.h"

#include "platform/com/activation.h"
#include "platform/com/registry.h"

namespace quenmoor::cadhost {

namespace {

constexpr std::string_view StartupKey = "Software\\Quenmoor\\cadhost\\Addins";

AddinManager::Result resultOf(com::HRESULT hr, com::VariantBool returned) {
    return {hr, com::failed(hr) ? com::takeErrorInfo() : std::string(), returned};
}

}  // namespace

AddinManager::AddinManager(ComPtr<HostApplication> application)
    : application_(std::move(application)) {}

AddinManager::~AddinManager() {
    unloadAll();
}

AddinManager::Result AddinManager::load(std::string_view progId) {
    ComPtr<host::SwAddin> addin;
    try {
        ComPtr<com::IUnknown> object =
            com::CoCreateInstance(com::CLSIDFromProgID(progId), host::SwAddin::iid);
        addin = ComPtr<host::SwAddin>::adopt(
            static_cast<host::SwAddin*>(static_cast<void*>(object.detach())));
    } catch (const com::ComError& e) {
        throw com::ComError(e.code(), "add-in " + std::string(progId) + ": " + e.description());
    }
    const std::int32_t cookie = nextCookie_++;
    addins_.push_back({std::string(progId), cookie, addin});
    com::VariantBool returned = com::VariantFalse;
    com::HRESULT hr =
        addin->ConnectToSW(static_cast<host::ISldWorks*>(application_.get()), cookie, &returned);
    return resultOf(hr, returned);
}

std::vector<std::pair<std::string, AddinManager::Result>> AddinManager::unloadAll() {
    std::vector<std::pair<std::string, Result>> results;
    for (Addin& addin : addins_) {
        com::VariantBool returned = com::VariantFalse;
        com::HRESULT hr = addin.object->DisconnectFromSW(&returned);
        results.emplace_back(addin.progId, resultOf(hr, returned));
    }
    addins_.clear();
    application_->releaseCallbacks();
    com::CoFreeUnusedLibraries();
    return results;
}

std::vector<std::string> AddinManager::loaded() const {
    std::vector<std::string> names;
    for (const Addin& addin : addins_) {
        names.push_back(addin.progId);
    }
    return names;
}

std::vector<std::string> AddinManager::startupList() {
    auto& registry = com::Registry::instance();
    std::vector<std::string> list;
    if (!registry.keyExists(StartupKey)) {
        return list;
    }
    // Value names are not listed by the registry; each add-in is a subkey with its flag.
    for (const std::string& progId : registry.subkeys(StartupKey)) {
        auto flag = registry.value(std::string(StartupKey) + "\\" + progId, "Load");
        if (flag && *flag == "1") {
            list.push_back(progId);
        }
    }
    return list;
}

void AddinManager::setStartup(std::string_view progId, bool load) {
    com::Registry::instance().setValue(std::string(StartupKey) + "\\" + std::string(progId), "Load",
                                       load ? "1" : "0");
}

}  // namespace quenmoor::cadhost
