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

// The members of a type. Objects that give the same ITypeInfo have the same ids for the same
// names, so a caller that calls one member on many objects of a type, as `Value` on each
// cell of a list, resolves the name once. A type's description lives as long as the program.
class ITypeInfo {
public:
    // DISP_E_UNKNOWNNAME for a name the type does not have.
    virtual HRESULT GetIDsOfNames(std::string_view name, DispId* id) const = 0;

protected:
    ~ITypeInfo() = default;
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
    // The object's type, or nullptr when its ids are its own.
    virtual const ITypeInfo* GetTypeInfo() = 0;

protected:
    ~IDispatch() = default;
};

}  // namespace quenmoor::com
