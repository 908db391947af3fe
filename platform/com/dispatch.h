#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/com/unknown.h"

namespace quenmoor::com {

class Variant;

using DispId = std::int32_t;

// How a member is invoked. A caller may combine Method and PropertyGet, as a script
// engine does for `object.Name`, and the object picks whichever the member is.
enum InvokeKind : std::uint16_t {
    InvokeMethod = 1,
    InvokePropertyGet = 2,
    InvokePropertyPut = 4,
};

// Late binding: members found by name, without regard to letter case, and invoked with
// arguments in their natural order, the first argument first. A
// failure returns its HRESULT and leaves its description as error info.
class IDispatch : public IUnknown {
public:
    static constexpr Guid iid = guid("{00020400-0000-0000-C000-000000000046}");
    using Base = IUnknown;

    // DISP_E_UNKNOWNNAME for a name the object does not have.
    virtual HRESULT GetIDsOfNames(std::string_view name, DispId* id) = 0;
    virtual HRESULT Invoke(DispId id, std::uint16_t kind, std::span<Variant> arguments,
                           Variant* result) = 0;

protected:
    ~IDispatch() = default;
};

}  // namespace quenmoor::com
