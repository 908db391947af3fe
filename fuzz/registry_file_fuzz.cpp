// The component registry on the bytes of its file. Whatever it reads, looking keys up and
// walking the tree fail by ComError only, and a value set is read back as written.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/com/com_error.h"
#include "platform/com/registry.h"

namespace {

void walk(quenmoor::com::Registry& registry, const std::string& key, int depth) {
    (void)registry.value(key);
    if (depth == 4) {
        return;
    }
    for (const std::string& name : registry.subkeys(key)) {
        walk(registry, key.empty() ? name : key + "\\" + name, depth + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const auto file = quenmoor::fuzz::scratchFolder() / "registry.json";
    setenv("QUENMOOR_REGISTRY", file.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quenmoor;
    // A new file renamed over the old one, as another process writes it, so that the
    // registry notices the change whatever the timestamp's granularity.
    const auto written = fuzz::writeScratchFile("registry.new", data, size);
    std::filesystem::rename(written, fuzz::scratchFolder() / "registry.json");
    auto& registry = com::Registry::instance();
    try {
        walk(registry, "", 0);
        (void)registry.keyExists("CLSID\\{00000000-0000-0000-0000-000000000000}\\InprocServer32");
        registry.setValue("Fuzz\\Key", "name", "value");
        if (registry.value("Fuzz\\Key", "name") != "value") {
            std::abort();
        }
        registry.deleteTree("Fuzz");
    } catch (const com::ComError&) {
    }
    return 0;
}
