#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com_error.h"
#include "platform/com/com_object.h"
#include "platform/com/com_ptr.h"
#include "platform/com/export.h"
#include "platform/com/guid.h"
#include "platform/com/unknown.h"

// The entry points every in-process server library exports, with C linkage:
//
//     HRESULT DllGetClassObject(const Guid& clsid, const Guid& riid, void** object);
//     HRESULT DllCanUnloadNow();
//     HRESULT DllRegisterServer();
//     HRESULT DllUnregisterServer();
//     const VersionEntry* DllGetVersionInfo();   // ends with {nullptr, nullptr}
//
// A library states its classes once, in a ServerModule table, and returns it from its
// thisServer(); server_entry_points.cpp, built into the library (quenmoor_component's
// SERVER option), defines the five entry points over that table.

namespace quenmoor::com {

using CreateFunction = ComPtr<IUnknown> (*)();

struct ClassEntry {
    Guid clsid;
    std::string_view name;            // the class's description, e.g. "Application"
    std::string_view progId;          // e.g. "Quenmoor_Systems.Application"
    std::string_view threadingModel;  // "Apartment"
    CreateFunction create;            // a new object for each call
};

struct InterfaceEntry {
    Guid id;
    std::string_view name;
};

struct TypeLibraryEntry {
    Guid id;
    std::string_view name;
    std::string_view version;  // "1.0"
    std::string_view locale;   // "0"
};

struct VersionEntry {
    const char* key;
    const char* value;
};

struct ServerModule {
    std::span<const ClassEntry> classes;
    std::span<const InterfaceEntry> interfaces;
    const TypeLibraryEntry* typeLibrary = nullptr;  // may be null
    const VersionEntry* versionInfo = nullptr;      // ends with {nullptr, nullptr}
};

// The table of the library being built; each server library defines it.
const ServerModule& thisServer();

// The bodies of the entry points, for a library to call from its own exports.
// `self` is any address inside the library, from which its path is found.
QUENMOOR_EXPORT HRESULT registerServer(const ServerModule& module, const void* self) noexcept;
QUENMOOR_EXPORT HRESULT unregisterServer(const ServerModule& module) noexcept;
// CLASS_E_CLASSNOTAVAILABLE for a class the table does not hold. Inline, so that the
// factory and its locks count against the library that calls it.
inline HRESULT getClassObject(const ServerModule& module, const Guid& clsid, const Guid& riid,
                              void** object) noexcept;
// Answers by the library's live objects and server locks alone and changes nothing: the
// runtime may ask at any time, and the answer only permits an unload.
inline HRESULT canUnloadNow() noexcept {
    return ModuleLifetime::canUnload() ? S_OK : S_FALSE;
}

// Signatures of the entry points, as the loader looks them up.
using DllGetClassObjectFunction = HRESULT (*)(const Guid&, const Guid&, void**);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();
using DllGetVersionInfoFunction = const VersionEntry* (*)();

// A factory that makes objects of one class of the table.
class ClassFactory final : public ComObject<ClassFactory, IClassFactory> {
public:
    explicit ClassFactory(const ClassEntry& entry) : entry_(entry) {}

    HRESULT CreateInstance(IUnknown* outer, const Guid& riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        return boundary([&] {
            ComPtr<IUnknown> created = entry_.create();
            check(created->QueryInterface(riid, object), std::string(entry_.name));
        });
    }

    HRESULT LockServer(bool lock) override {
        lock ? ++ModuleLifetime::locks : --ModuleLifetime::locks;
        return S_OK;
    }

private:
    const ClassEntry& entry_;
};

inline HRESULT getClassObject(const ServerModule& module, const Guid& clsid, const Guid& riid,
                              void** object) noexcept {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    for (const ClassEntry& entry : module.classes) {
        if (entry.clsid == clsid) {
            return boundary([&] {
                ComPtr<ClassFactory> factory = ClassFactory::create(entry);
                check(factory->QueryInterface(riid, object), std::string(entry.name));
            });
        }
    }
    setErrorInfo("class " + clsid.toString() + " is not served by this library");
    return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace quenmoor::com
