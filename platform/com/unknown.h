#pragma once

#include <cstdint>

#include "platform/com/guid.h"
#include "platform/com/hresult.h"

namespace quenmoor::com {

// The root of every interface. Interfaces are abstract classes that name their identity
// in `iid` and the interface they extend in `Base`; objects are reached only through them.
class IUnknown {
public:
    static constexpr Guid iid = guid("{00000000-0000-0000-C000-000000000046}");

    virtual HRESULT QueryInterface(const Guid& riid, void** object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

class IClassFactory : public IUnknown {
public:
    static constexpr Guid iid = guid("{00000001-0000-0000-C000-000000000046}");
    using Base = IUnknown;

    virtual HRESULT CreateInstance(IUnknown* outer, const Guid& riid, void** object) = 0;
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

}  // namespace quenmoor::com
