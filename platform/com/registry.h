#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/export.h"

namespace quenmoor::com {

// The component registry: a tree of keys, each with named text values, kept in one JSON
// file. Key paths are written with backslashes, the registry's own separator,
// "CLSID\{7F2D3665-...}\InprocServer32"; key and value names compare without regard to
// case. The value named "" is the key's default value.
//
// The file is the one the host chose with usePath(), else `$QUENMOOR_REGISTRY`, else
// registry.json under the user's configuration folder ($XDG_CONFIG_HOME/quenmoor, else
// ~/.config/quenmoor). It is read once per
// process and again when another process has changed it; every change is written at once,
// atomically (a temporary file beside it, then rename).
class QUENMOOR_EXPORT Registry {
public:
    // The registry of this process.
    static Registry& instance();
    static std::filesystem::path defaultPath();

    // Throws ComError(REGDB_E_READREGDB) naming the file when it exists but cannot be read
    // or parsed; a missing file is an empty registry.
    std::optional<std::string> value(std::string_view key, std::string_view name = "");
    bool keyExists(std::string_view key);
    std::vector<std::string> subkeys(std::string_view key);

    // Creates the key and its parents as needed. Throws ComError(REGDB_E_WRITEREGDB)
    // naming the file when it cannot be written.
    void setValue(std::string_view key, std::string_view name, std::string_view value);
    // Removes the key with all below it; false when it did not exist.
    bool deleteTree(std::string_view key);
    void deleteValue(std::string_view key, std::string_view name);

    // The file this registry reads and writes (follows $QUENMOOR_REGISTRY as it is now,
    // unless a file was chosen).
    std::filesystem::path path() const;
    // Makes `file` the registry of this process from now on, whatever the environment
    // says; an empty path goes back to the rule above. For a host that keeps its setting
    // elsewhere than in its process's environment.
    void usePath(std::filesystem::path file);

private:
    Registry() = default;
    struct State;
    static State& state();
};

}  // namespace quenmoor::com
