// goodcomponent.so: an in-process server with one class, as a real add-in library is built.

#include <limits>

#include "platform/com/server_module.h"
#include "platform/com/variant.h"
#include "tests/components/counter.h"

namespace {

using namespace quenmoor::com;
using quenmoor::testcomponents::ICounter;

class Counter final : public ComObject<Counter, DualInterface<ICounter>> {
public:
    std::int16_t Increment() override {
        if (value_ == std::numeric_limits<std::int16_t>::max()) {
            throw ComError(CTL_E_OVERFLOW, "Overflow: Counter.Value cannot go past 32767");
        }
        return ++value_;
    }
    std::int16_t Value() override { return value_; }
    void SetValue(std::int16_t value) override { value_ = value; }
    std::string Name() override { return name_; }
    void SetName(std::string name) override { name_ = std::move(name); }

private:
    std::int16_t value_ = 0;
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
constexpr VersionEntry versionInfo[] = {
    {"CompanyName", "Quenmoor Systems"},
    {"FileDescription", "Counter component for the runtime's tests"},
    {"FileVersion", "1.0.0.1"},
    {nullptr, nullptr},
};

const ServerModule server{classes, interfaces, &typeLibrary, versionInfo};

}  // namespace

const ServerModule& quenmoor::com::thisServer() {
    return server;
}
