#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/com/com_ptr.h"
#include "platform/com/export.h"
#include "platform/com/guid.h"
#include "platform/com/unknown.h"

namespace quenmoor::com {

// The class id registered for a ProgID, read from the registry key "<ProgID>\CLSID";
// the ProgID compares without regard to case ("Sldworks.application" reaches
// "SldWorks.Application"). Throws ComError(CO_E_CLASSSTRING) naming an unknown ProgID.
QUENMOOR_EXPORT Guid CLSIDFromProgID(std::string_view progId);

// Creates an object of a class and asks it for iid. A class object registered in this
// process with CoRegisterClassObject comes first; otherwise the in-process server library
// named by "CLSID\{clsid}\InprocServer32" is loaded (once), and its DllGetClassObject
// hands out the class factory. Throws ComError naming the class and what failed:
// REGDB_E_CLASSNOTREG, CO_E_DLLNOTFOUND (a missing library, with the loader's message),
// CO_E_ERRORINDLL (no DllGetClassObject), or the factory's own failure.
QUENMOOR_EXPORT ComPtr<IUnknown> CoCreateInstance(const Guid& clsid, const Guid& iid);

template <class I>
ComPtr<I> createInstance(const Guid& clsid) {
    ComPtr<IUnknown> object = CoCreateInstance(clsid, I::iid);
    return ComPtr<I>::adopt(static_cast<I*>(static_cast<void*>(object.detach())));
}

// The factory of a class, as CoCreateInstance finds it.
QUENMOOR_EXPORT ComPtr<IClassFactory> CoGetClassObject(const Guid& clsid);

// Makes a class object of this process reachable by CoCreateInstance. Returns a cookie.
QUENMOOR_EXPORT std::uint32_t CoRegisterClassObject(const Guid& clsid, IUnknown* factory);
// Throws ComError(E_INVALIDARG) for a cookie that is not registered.
QUENMOOR_EXPORT void CoRevokeClassObject(std::uint32_t cookie);

// Unloads every library loaded by CoCreateInstance whose DllCanUnloadNow answers S_OK.
QUENMOOR_EXPORT void CoFreeUnusedLibraries();
// The libraries loaded now, for tests and diagnostics.
QUENMOOR_EXPORT std::size_t loadedLibraryCount();

// The running-object table: an application object registered under its class id, found by
// GetActiveObject. RegisterActiveObject returns a cookie; revoking an unknown or already
// revoked cookie throws ComError(E_INVALIDARG). GetActiveObject throws
// ComError(MK_E_UNAVAILABLE) naming the class when nothing is registered for it.
QUENMOOR_EXPORT std::uint32_t RegisterActiveObject(IUnknown* object, const Guid& clsid);
QUENMOOR_EXPORT void RevokeActiveObject(std::uint32_t cookie);
QUENMOOR_EXPORT ComPtr<IUnknown> GetActiveObject(const Guid& clsid);

// The automation language's GetObject(, "ProgID"): the running object of that class,
// asked for I. Throws ComError naming the ProgID.
template <class I>
ComPtr<I> getRunningObject(std::string_view progId) {
    return GetActiveObject(CLSIDFromProgID(progId)).template as<I>(progId);
}

// The folder that holds the library or executable containing `address`, without a
// trailing separator (dladdr). Used as the add-in folder.
QUENMOOR_EXPORT std::filesystem::path moduleFolder(const void* address);
QUENMOOR_EXPORT std::filesystem::path modulePath(const void* address);

}  // namespace quenmoor::com
