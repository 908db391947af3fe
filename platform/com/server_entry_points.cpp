// The entry points of a component library, over the ServerModule table that the library's
// thisServer() returns. Built into each library that serves classes, so that the factories
// and their locks count against that library.

#include "platform/com/server_module.h"

using quenmoor::com::Guid;
using quenmoor::com::HRESULT;
using quenmoor::com::thisServer;

extern "C" {

QUENMOOR_EXPORT HRESULT DllGetClassObject(const Guid& clsid, const Guid& riid, void** object) {
    return quenmoor::com::getClassObject(thisServer(), clsid, riid, object);
}

QUENMOOR_EXPORT HRESULT DllCanUnloadNow() {
    return quenmoor::com::canUnloadNow();
}

// The table lies inside the library, so its address finds the library's path.
QUENMOOR_EXPORT HRESULT DllRegisterServer() {
    return quenmoor::com::registerServer(thisServer(), &thisServer());
}

QUENMOOR_EXPORT HRESULT DllUnregisterServer() {
    return quenmoor::com::unregisterServer(thisServer());
}

QUENMOOR_EXPORT const quenmoor::com::VersionEntry* DllGetVersionInfo() {
    return thisServer().versionInfo;
}
}
