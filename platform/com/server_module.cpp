#include "platform/com/server_module.h"

#include <optional>
#include <string>

#include "platform/com/activation.h"
#include "platform/com/registry.h"

// Registration writes these keys, where activation, the type library lookup and anyone
// reading the registry file look for a class:
//
//     CLSID\{clsid}                  = name
//     CLSID\{clsid}\InprocServer32   = library path, ThreadingModel = model
//     CLSID\{clsid}\ProgID           = ProgID
//     CLSID\{clsid}\TypeLib          = type library id        (with a type library)
//     CLSID\{clsid}\Version          = type library version   (with a type library)
//     <ProgID>                       = name
//     <ProgID>\CLSID                 = clsid
//     TypeLib\{id}\<version>         = type library name
//     TypeLib\{id}\<version>\<locale>\linux = library path
//     Interface\{iid}                = name
//     Interface\{iid}\TypeLib        = type library id
//
// The type library's file is the library itself, under the platform key "linux".

namespace quenmoor::com {

namespace {

std::string text(std::string_view value) {
    return std::string(value);
}

bool validKeyName(std::string_view name) {
    return !name.empty() && name.find('\\') == std::string_view::npos;
}

// Checks the whole table before anything is written, so that a mistake in it leaves the
// registry as it was.
void validate(const ServerModule& module) {
    for (const ClassEntry& entry : module.classes) {
        std::string problem;
        if (entry.name.empty()) {
            problem = "no name";
        } else if (entry.create == nullptr) {
            problem = "no create function";
        } else if (entry.threadingModel.empty()) {
            problem = "no threading model";
        } else if (!entry.progId.empty() && !validKeyName(entry.progId)) {
            problem = "a ProgID with a backslash, \"" + text(entry.progId) + "\"";
        }
        if (!problem.empty()) {
            throw ComError(SELFREG_E_CLASS, "cannot register class " + entry.clsid.toString() +
                                                ": its entry has " + problem);
        }
    }
    if (const TypeLibraryEntry* library = module.typeLibrary) {
        if (library->name.empty() || !validKeyName(library->version) ||
            !validKeyName(library->locale)) {
            throw ComError(SELFREG_E_TYPELIB,
                           "cannot register type library " + library->id.toString() +
                               ": it needs a name, a version and a locale without backslashes");
        }
    }
}

void registerClass(Registry& registry, const ClassEntry& entry, const std::string& library,
                   const TypeLibraryEntry* typeLibrary) {
    const std::string clsid = entry.clsid.toString();
    const std::string key = "CLSID\\" + clsid;
    registry.setValue(key, "", entry.name);
    registry.setValue(key + "\\InprocServer32", "", library);
    registry.setValue(key + "\\InprocServer32", "ThreadingModel", entry.threadingModel);
    if (!entry.progId.empty()) {
        registry.setValue(key + "\\ProgID", "", entry.progId);
    }
    if (typeLibrary != nullptr) {
        registry.setValue(key + "\\TypeLib", "", typeLibrary->id.toString());
        registry.setValue(key + "\\Version", "", typeLibrary->version);
    }
    if (!entry.progId.empty()) {
        registry.setValue(entry.progId, "", entry.name);
        registry.setValue(text(entry.progId) + "\\CLSID", "", clsid);
    }
}

void registerTypeLibrary(Registry& registry, const TypeLibraryEntry& typeLibrary,
                         const std::string& library) {
    const std::string key =
        "TypeLib\\" + typeLibrary.id.toString() + "\\" + text(typeLibrary.version);
    registry.setValue(key, "", typeLibrary.name);
    registry.setValue(key + "\\" + text(typeLibrary.locale) + "\\linux", "", library);
}

}  // namespace

HRESULT registerServer(const ServerModule& module, const void* self) noexcept {
    return boundary([&] {
        validate(module);
        const std::string library = modulePath(self).string();
        Registry& registry = Registry::instance();
        for (const ClassEntry& entry : module.classes) {
            registerClass(registry, entry, library, module.typeLibrary);
        }
        if (module.typeLibrary != nullptr) {
            registerTypeLibrary(registry, *module.typeLibrary, library);
        }
        for (const InterfaceEntry& entry : module.interfaces) {
            const std::string key = "Interface\\" + entry.id.toString();
            registry.setValue(key, "", entry.name);
            if (module.typeLibrary != nullptr) {
                registry.setValue(key + "\\TypeLib", "", module.typeLibrary->id.toString());
            }
        }
    });
}

HRESULT unregisterServer(const ServerModule& module) noexcept {
    return boundary([&] {
        Registry& registry = Registry::instance();
        for (const ClassEntry& entry : module.classes) {
            registry.deleteTree("CLSID\\" + entry.clsid.toString());
            // A ProgID since taken over by another class stays with that class.
            if (validKeyName(entry.progId)) {
                std::optional<std::string> owner = registry.value(text(entry.progId) + "\\CLSID");
                if (!owner || Guid::tryParse(*owner) == entry.clsid) {
                    registry.deleteTree(entry.progId);
                }
            }
        }
        if (module.typeLibrary != nullptr) {
            registry.deleteTree("TypeLib\\" + module.typeLibrary->id.toString());
        }
        for (const InterfaceEntry& entry : module.interfaces) {
            registry.deleteTree("Interface\\" + entry.id.toString());
        }
    });
}

}  // namespace quenmoor::com
