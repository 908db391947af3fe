#include "cadhost/automation/addin_manager.h"

#include "platform/com/registry.h"

namespace quenmoor::cadhost {

namespace {

constexpr std::string_view StartupKey = "Software\\Quenmoor\\cadhost\\Addins";

}  // namespace

AddinManager::AddinManager(ComPtr<HostApplication> application)
    : application_(std::move(application)) {}

AddinManager::~AddinManager() {
    unloadAll();
}

AddinManager::Result AddinManager::load(std::string_view progId) {
    host::AddinConnection addin(std::string(progId), nextCookie_);
    ++nextCookie_;
    addins_.push_back(std::move(addin));
    return addins_.back().connect(*application_);
}

std::vector<std::pair<std::string, AddinManager::Result>> AddinManager::unloadAll() {
    std::vector<std::pair<std::string, Result>> results;
    for (host::AddinConnection& addin : addins_) {
        results.emplace_back(addin.progId(), addin.disconnect());
    }
    addins_.clear();
    application_->releaseCallbacks();
    host::AddinConnection::unloadUnused();
    return results;
}

std::vector<std::string> AddinManager::loaded() const {
    std::vector<std::string> names;
    for (const host::AddinConnection& addin : addins_) {
        names.push_back(addin.progId());
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
