#include "platform/com/registry.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "platform/com/com_error.h"
#include "platform/com/text_case.h"
#include "platform/files/replacement_file.h"

// The file holds one JSON object, the root key. In a key, a member whose value is an object
// is a subkey and a member whose value is a string is a named value; the default value is
// the member with the empty name "", so no other name is reserved. Since values and
// subkeys share the members of one object, a value cannot take the name of a subkey of the
// same key; nothing registered here needs both.
//
//     {"CLSID": {"{5E1B...}": {"": "Counter", "InprocServer32": {"": "/opt/x.so"}}}}
//
// The runtime is used from the host's one apartment thread, so the cache takes no lock.

namespace quenmoor::com {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// What identifies the file's content as last read or written. Every write renames a new
// file over the old one, so the inode changes even when the timestamp's granularity hides
// a change made by another process.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long seconds = 0;
    long nanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    return {true,         info.st_dev,         info.st_ino,
            info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

[[noreturn]] void fail(HRESULT hr, const fs::path& path, const std::string& what) {
    throw ComError(hr, path.string() + ": " + what);
}

template <class J>
auto findMember(J& object, std::string_view name) {
    auto it = object.begin();
    for (; it != object.end(); ++it) {
        if (equalsIgnoringCase(it.key(), name)) {
            break;
        }
    }
    return it;
}

// "A\\B\\C" as its names; a leading or trailing backslash is tolerated, an empty name in
// between is not.
std::vector<std::string> splitKey(std::string_view key) {
    std::string_view rest = key;
    if (!rest.empty() && rest.front() == '\\') {
        rest.remove_prefix(1);
    }
    if (!rest.empty() && rest.back() == '\\') {
        rest.remove_suffix(1);
    }
    std::vector<std::string> names;
    std::size_t begin = 0;
    while (begin < rest.size()) {
        std::size_t end = std::min(rest.find('\\', begin), rest.size());
        if (end == begin || end + 1 == rest.size()) {
            throw ComError(E_INVALIDARG, "malformed registry key \"" + std::string(key) + "\"");
        }
        names.emplace_back(rest.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

// The key, or null when it does not exist; J is Json or const Json.
template <class J>
J* findKey(J& root, const std::vector<std::string>& names) {
    J* key = &root;
    for (const std::string& name : names) {
        auto it = findMember(*key, name);
        if (it == key->end() || !it->is_object()) {
            return nullptr;
        }
        key = &*it;
    }
    return key;
}

void validate(const Json& key, const fs::path& path, const std::string& keyName) {
    if (!key.is_object()) {
        fail(REGDB_E_READREGDB, path, "the registry must be a JSON object");
    }
    for (auto it = key.begin(); it != key.end(); ++it) {
        std::string name = keyName.empty() ? it.key() : keyName + "\\" + it.key();
        if (it->is_object()) {
            validate(*it, path, name);
        } else if (!it->is_string()) {
            fail(REGDB_E_READREGDB, path, "\"" + name + "\" is neither a key nor a text value");
        }
    }
}

Json readFile(const fs::path& path, const FileStamp& stamp) {
    if (!stamp.exists) {
        return Json::object();
    }
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        fail(REGDB_E_READREGDB, path, "not a regular file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail(REGDB_E_READREGDB, path, std::string("cannot open: ") + std::strerror(errno));
    }
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        fail(REGDB_E_READREGDB, path, "cannot read");
    }
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return Json::object();  // an empty file, as `touch` leaves it
    }
    Json root;
    try {
        root = Json::parse(text);
    } catch (const Json::exception& e) {
        fail(REGDB_E_READREGDB, path, e.what());
    }
    validate(root, path, "");
    return root;
}

// Writes a temporary file beside the registry and renames it over, so that a reader never
// sees half a file.
void writeFile(fs::path path, const std::string& text) {
    std::error_code status;
    if (fs::is_symlink(path, status)) {
        path = fs::weakly_canonical(path, status);  // replace the file, keep the link
    }
    const fs::path folder = path.parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, status);
        if (status) {
            fail(REGDB_E_WRITEREGDB, path,
                 "cannot create " + folder.string() + ": " + status.message());
        }
    }
    try {
        files::replaceFile(path, text);
    } catch (const std::system_error& e) {
        throw ComError(REGDB_E_WRITEREGDB, e.what());
    }
}

fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr) {
        return found->pw_dir;
    }
    throw ComError(REGDB_E_READREGDB,
                   "cannot locate the registry: neither QUENMOOR_REGISTRY nor HOME is set");
}

}  // namespace

struct Registry::State {
    fs::path chosen;  // by usePath(); empty for the rule of defaultPath()
    fs::path path;
    FileStamp stamp;
    bool loaded = false;
    Json root = Json::object();

    // The registry as the file holds it now.
    Json& current() {
        fs::path now = chosen.empty() ? defaultPath() : chosen;
        FileStamp stampNow = stampOf(now);
        if (!loaded || now != path || stampNow != stamp) {
            loaded = false;
            root = readFile(now, stampNow);
            path = std::move(now);
            stamp = stampNow;
            loaded = true;
        }
        return root;
    }

    void store(Json updated) {
        writeFile(path, updated.dump(4) + "\n");
        root = std::move(updated);
        stamp = stampOf(path);
    }
};

Registry& Registry::instance() {
    static Registry registry;
    return registry;
}

Registry::State& Registry::state() {
    static State state;
    return state;
}

fs::path Registry::defaultPath() {
    if (const char* file = std::getenv("QUENMOOR_REGISTRY"); file != nullptr && *file != '\0') {
        return fs::absolute(file);
    }
    // The XDG base directory rules ignore a relative XDG_CONFIG_HOME.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    fs::path folder =
        (config != nullptr && *config == '/') ? fs::path(config) : homeFolder() / ".config";
    return folder / "quenmoor" / "registry.json";
}

fs::path Registry::path() const {
    const fs::path& chosen = state().chosen;
    return chosen.empty() ? defaultPath() : chosen;
}

void Registry::usePath(fs::path file) {
    state().chosen = file.empty() ? fs::path() : fs::absolute(file);
}

std::optional<std::string> Registry::value(std::string_view key, std::string_view name) {
    const Json* found = findKey(state().current(), splitKey(key));
    if (found == nullptr) {
        return std::nullopt;
    }
    auto it = findMember(*found, name);
    if (it == found->end() || !it->is_string()) {
        return std::nullopt;
    }
    return it->get<std::string>();
}

bool Registry::keyExists(std::string_view key) {
    return findKey(state().current(), splitKey(key)) != nullptr;
}

std::vector<std::string> Registry::subkeys(std::string_view key) {
    std::vector<std::string> names;
    if (const Json* found = findKey(state().current(), splitKey(key))) {
        for (auto it = found->begin(); it != found->end(); ++it) {
            if (it->is_object()) {
                names.push_back(it.key());
            }
        }
    }
    return names;
}

void Registry::setValue(std::string_view key, std::string_view name, std::string_view value) {
    State& s = state();
    std::vector<std::string> names = splitKey(key);
    Json updated = s.current();
    Json* node = &updated;
    for (const std::string& keyName : names) {
        auto it = findMember(*node, keyName);
        if (it == node->end()) {
            node = &((*node)[keyName] = Json::object());
        } else if (it->is_object()) {
            node = &*it;
        } else {
            fail(REGDB_E_WRITEREGDB, s.path,
                 "cannot create key \"" + std::string(key) + "\": \"" + it.key() + "\" is a value");
        }
    }
    auto it = findMember(*node, name);
    if (it == node->end()) {
        (*node)[std::string(name)] = std::string(value);
    } else if (it->is_object()) {
        fail(REGDB_E_WRITEREGDB, s.path,
             "cannot set value \"" + std::string(name) + "\" of \"" + std::string(key) +
                 "\": a subkey has that name");
    } else if (it->get_ref<const std::string&>() == value) {
        return;
    } else {
        *it = std::string(value);
    }
    s.store(std::move(updated));
}

bool Registry::deleteTree(std::string_view key) {
    State& s = state();
    std::vector<std::string> names = splitKey(key);
    if (names.empty()) {
        throw ComError(E_INVALIDARG, "the registry's root key cannot be deleted");
    }
    std::string last = std::move(names.back());
    names.pop_back();
    const Json* parent = findKey(s.current(), names);
    if (parent == nullptr) {
        return false;
    }
    auto it = findMember(*parent, last);
    if (it == parent->end() || !it->is_object()) {
        return false;
    }
    std::string member = it.key();
    Json updated = s.root;
    findKey(updated, names)->erase(member);
    s.store(std::move(updated));
    return true;
}

void Registry::deleteValue(std::string_view key, std::string_view name) {
    State& s = state();
    std::vector<std::string> names = splitKey(key);
    const Json* found = findKey(s.current(), names);
    if (found == nullptr) {
        return;
    }
    auto it = findMember(*found, name);
    if (it == found->end() || !it->is_string()) {
        return;
    }
    std::string member = it.key();
    Json updated = s.root;
    findKey(updated, names)->erase(member);
    s.store(std::move(updated));
}

}  // namespace quenmoor::com
