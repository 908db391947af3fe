#include "platform/com/activation.h"

#include <dlfcn.h>
#include <link.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/com/com_error.h"
#include "platform/com/registry.h"
#include "platform/com/server_module.h"

// The runtime serves one thread, the host's GUI thread, which makes every call, so its
// tables take no lock.

namespace quenmoor::com {

namespace {

namespace fs = std::filesystem;

struct Library {
    void* handle = nullptr;
    DllGetClassObjectFunction getClassObject = nullptr;
};

struct Registration {
    std::uint32_t cookie;
    Guid clsid;
    ComPtr<IUnknown> object;
};

struct CookieTable {
    std::vector<Registration> entries;
    std::uint32_t next = 1;

    std::uint32_t add(const Guid& clsid, IUnknown* object) {
        std::uint32_t cookie = next++;
        if (next == 0) {
            next = 1;
        }
        entries.push_back({cookie, clsid, ComPtr<IUnknown>(object)});
        return cookie;
    }

    bool remove(std::uint32_t cookie) {
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (it->cookie == cookie) {
                // Released after the entry is gone, should its destructor call back in.
                ComPtr<IUnknown> object = std::move(it->object);
                entries.erase(it);
                return true;
            }
        }
        return false;
    }

    // The latest registration wins.
    const Registration* find(const Guid& clsid) const {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
            if (it->clsid == clsid) {
                return &*it;
            }
        }
        return nullptr;
    }
};

// Never destroyed: at exit the registered objects may belong to libraries whose own
// destructors have already run, so releasing them then could call into torn-down code.
struct Runtime {
    std::map<std::string, Library> libraries;  // by the path as loaded
    CookieTable classObjects;
    CookieTable runningObjects;
};

Runtime& runtime() {
    static Runtime* state = new Runtime;
    return *state;
}

// dlsym hands out function addresses as object pointers; a copy avoids a cast that ISO C++
// only conditionally supports.
template <class Function>
Function symbol(void* handle, const char* name) {
    void* address = ::dlsym(handle, name);
    Function function = nullptr;
    static_assert(sizeof function == sizeof address);
    std::memcpy(&function, &address, sizeof function);
    return function;
}

std::string loaderMessage() {
    const char* message = ::dlerror();
    return message != nullptr ? message : "unknown loader error";
}

std::string classText(const Guid& clsid) {
    return "class " + clsid.toString();
}

// What the callee left as error info, else the text of its code.
std::string calleeText(HRESULT hr) {
    std::string info = takeErrorInfo();
    return info.empty() ? describeCode(hr) : info;
}

// A path with a slash is made absolute, so that one library is loaded once however the
// registry spells it; a bare file name is left for the loader's search path.
std::string libraryKey(const std::string& text) {
    if (text.find('/') == std::string::npos) {
        return text;
    }
    std::error_code error;
    fs::path absolute = fs::absolute(text, error);
    return error ? text : absolute.lexically_normal().string();
}

std::pair<const std::string, Library>& loadLibrary(const std::string& text, const Guid& clsid) {
    auto& libraries = runtime().libraries;
    std::string path = libraryKey(text);
    if (auto it = libraries.find(path); it != libraries.end()) {
        return *it;
    }
    if (path.empty()) {
        throw ComError(CO_E_DLLNOTFOUND,
                       classText(clsid) + ": its InprocServer32 key names no library");
    }
    ::dlerror();
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        throw ComError(CO_E_DLLNOTFOUND,
                       classText(clsid) + ": cannot load " + path + ": " + loaderMessage());
    }
    auto getClassObject = symbol<DllGetClassObjectFunction>(handle, "DllGetClassObject");
    if (getClassObject == nullptr) {
        ::dlclose(handle);
        throw ComError(CO_E_ERRORINDLL,
                       classText(clsid) + ": " + path + " has no DllGetClassObject entry point");
    }
    return *libraries.emplace(path, Library{handle, getClassObject}).first;
}

struct ClassObject {
    ComPtr<IClassFactory> factory;
    std::string source;  // where it came from, for messages
};

ClassObject findClassObject(const Guid& clsid) {
    if (const Registration* registered = runtime().classObjects.find(clsid)) {
        ComPtr<IClassFactory> factory = registered->object.tryAs<IClassFactory>();
        if (!factory) {
            throw ComError(E_NOINTERFACE,
                           classText(clsid) + ": its registered class object is no class factory");
        }
        return {std::move(factory), "this process"};
    }
    std::optional<std::string> server =
        Registry::instance().value("CLSID\\" + clsid.toString() + "\\InprocServer32");
    if (!server) {
        throw ComError(REGDB_E_CLASSNOTREG, classText(clsid) + " is not registered");
    }
    auto& [path, library] = loadLibrary(*server, clsid);
    void* factory = nullptr;
    takeErrorInfo();
    HRESULT hr = library.getClassObject(clsid, IClassFactory::iid, &factory);
    if (failed(hr)) {
        throw ComError(hr, classText(clsid) + " from " + path + ": " + calleeText(hr));
    }
    if (factory == nullptr) {
        throw ComError(CO_E_ERRORINDLL, classText(clsid) + ": DllGetClassObject of " + path +
                                            " returned no factory");
    }
    return {ComPtr<IClassFactory>::adopt(static_cast<IClassFactory*>(factory)), path};
}

}  // namespace

Guid CLSIDFromProgID(std::string_view progId) {
    std::optional<std::string> text;
    // A backslash would reach into another key.
    if (!progId.empty() && progId.find('\\') == std::string_view::npos) {
        text = Registry::instance().value(std::string(progId) + "\\CLSID");
    }
    if (!text) {
        throw ComError(CO_E_CLASSSTRING,
                       "no class registered under ProgID \"" + std::string(progId) + "\"");
    }
    std::optional<Guid> clsid = Guid::tryParse(*text);
    if (!clsid) {
        throw ComError(CO_E_CLASSSTRING, "ProgID \"" + std::string(progId) +
                                             "\" is registered with a malformed class id \"" +
                                             *text + "\"");
    }
    return *clsid;
}

ComPtr<IClassFactory> CoGetClassObject(const Guid& clsid) {
    return findClassObject(clsid).factory;
}

ComPtr<IUnknown> CoCreateInstance(const Guid& clsid, const Guid& iid) {
    ClassObject found = findClassObject(clsid);
    void* object = nullptr;
    takeErrorInfo();
    HRESULT hr = found.factory->CreateInstance(nullptr, iid, &object);
    if (failed(hr)) {
        throw ComError(hr, "cannot create " + classText(clsid) + " from " + found.source + ": " +
                               calleeText(hr));
    }
    if (object == nullptr) {
        throw ComError(E_NOINTERFACE, "cannot create " + classText(clsid) + " from " +
                                          found.source + ": its factory returned no object");
    }
    // Every interface starts with IUnknown's functions at its own address.
    return ComPtr<IUnknown>::adopt(static_cast<IUnknown*>(object));
}

std::uint32_t CoRegisterClassObject(const Guid& clsid, IUnknown* factory) {
    if (factory == nullptr) {
        throw ComError(E_INVALIDARG, "no class object given for " + classText(clsid));
    }
    return runtime().classObjects.add(clsid, factory);
}

void CoRevokeClassObject(std::uint32_t cookie) {
    if (!runtime().classObjects.remove(cookie)) {
        throw ComError(E_INVALIDARG,
                       "no class object is registered under cookie " + std::to_string(cookie));
    }
}

void CoFreeUnusedLibraries() {
    auto& libraries = runtime().libraries;
    for (auto it = libraries.begin(); it != libraries.end();) {
        auto canUnloadNow = symbol<DllCanUnloadNowFunction>(it->second.handle, "DllCanUnloadNow");
        if (canUnloadNow != nullptr && canUnloadNow() == S_OK) {
            ::dlclose(it->second.handle);
            it = libraries.erase(it);
        } else {
            ++it;
        }
    }
}

std::size_t loadedLibraryCount() {
    return runtime().libraries.size();
}

std::uint32_t RegisterActiveObject(IUnknown* object, const Guid& clsid) {
    if (object == nullptr) {
        throw ComError(E_INVALIDARG, "no object given to register as running " + classText(clsid));
    }
    return runtime().runningObjects.add(clsid, object);
}

void RevokeActiveObject(std::uint32_t cookie) {
    if (!runtime().runningObjects.remove(cookie)) {
        throw ComError(E_INVALIDARG,
                       "no running object is registered under cookie " + std::to_string(cookie));
    }
}

ComPtr<IUnknown> GetActiveObject(const Guid& clsid) {
    if (const Registration* registered = runtime().runningObjects.find(clsid)) {
        return registered->object;
    }
    throw ComError(MK_E_UNAVAILABLE, "no running object of " + classText(clsid));
}

fs::path modulePath(const void* address) {
    Dl_info info{};
    link_map* map = nullptr;
    if (address == nullptr ||
        ::dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0) {
        char text[32];
        std::snprintf(text, sizeof text, "%p", address);
        throw ComError(E_INVALIDARG, std::string("no loaded library contains address ") + text);
    }
    // The program itself has an empty name in the loader's list, and dladdr reports its
    // argv[0], which is relative to a folder the program may have left.
    fs::path file = (map != nullptr && map->l_name != nullptr && map->l_name[0] != '\0')
                        ? fs::path(map->l_name)
                        : fs::path("/proc/self/exe");
    std::error_code error;
    fs::path resolved = fs::canonical(file, error);
    return error ? fs::absolute(file, error) : resolved;
}

fs::path moduleFolder(const void* address) {
    return modulePath(address).parent_path();
}

}  // namespace quenmoor::com
