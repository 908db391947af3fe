// goodcomponent.so: an in-process server with one class, as a real add-in library is built.

#include "platform/com/server_module.h"
#include "platform/com/variant.h"
#include "tests/components/counter.h"

namespace {

using namespace quenmoor::com;
using quenmoor::testcomponents::ICounter;

class Counter final : public ComObject<Counter, DualInterface<ICounter>> {
public:
    std::int16_t Increment() override { return counter_.increment("Counter.Value").value(); }
    std::int16_t Value() override { return counter_.value(); }
    void SetValue(std::int16_t value) override { counter_.set(value); }
    std::string Name() override { return name_; }
    void SetName(std::string name) override { name_ = std::move(name); }

private:
    Int16Counter counter_;
    std::string name_ = "Counter";
};

ComPtr<IUnknown> createCounter() {
    return Counter::create();
}

constexpr ClassEntry classes[] = {
    {quenmoor::testcomponents::CLSID_TestCounter, "Quenmoor Test Counter",
     quenmoor::testcomponents::TestCounterProgId, "Apartment", &createCounter},
};
constexpr InterfaceEntry interfaces[] = {{ICounter::iid, "ICounter"}};
constexpr TypeLibraryEntry typeLibrary{quenmoor::testcomponents::LIBID_TestCounter,
                                       "Quenmoor Test Counter 1.0 Type Library", "1.0", "0"};
const ServerModule server{classes, interfaces, &typeLibrary};

constexpr VersionEntry versionInfo[] = {
    {"CompanyName", "Quenmoor Systems"},
    {"FileDescription", "Counter component for the runtime's tests"},
    {"FileVersion", "1.0.0.1"},
    {nullptr, nullptr},
};

}  // namespace

extern "C" {

QUENMOOR_EXPORT HRESULT DllGetClassObject(const Guid& clsid, const Guid& riid, void** object) {
    return getClassObject(server, clsid, riid, object);
}

QUENMOOR_EXPORT HRESULT DllCanUnloadNow() {
    return canUnloadNow();
}

QUENMOOR_EXPORT HRESULT DllRegisterServer() {
    return registerServer(server, &server);
}

QUENMOOR_EXPORT HRESULT DllUnregisterServer() {
    return unregisterServer(server);
}

QUENMOOR_EXPORT const VersionEntry* DllGetVersionInfo() {
    return versionInfo;
}
}
