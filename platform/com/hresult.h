#pragma once

#include <cstdint>

namespace quenmoor::com {

using HRESULT = std::int32_t;

constexpr bool succeeded(HRESULT hr) {
    return hr >= 0;
}
constexpr bool failed(HRESULT hr) {
    return hr < 0;
}

namespace detail {
constexpr HRESULT code(std::uint32_t value) {
    return static_cast<HRESULT>(value);
}
}  // namespace detail

// Each code has its published COM value, so that a number shown to the user can be looked
// up in the platform's documentation.
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = detail::code(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = detail::code(0x80004002);
inline constexpr HRESULT E_POINTER = detail::code(0x80004003);
inline constexpr HRESULT E_FAIL = detail::code(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = detail::code(0x8000FFFF);
inline constexpr HRESULT E_OUTOFMEMORY = detail::code(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = detail::code(0x80070057);
inline constexpr HRESULT E_ACCESSDENIED = detail::code(0x80070005);
inline constexpr HRESULT E_FILE_NOT_FOUND = detail::code(0x80070002);

inline constexpr HRESULT DISP_E_UNKNOWNINTERFACE = detail::code(0x80020001);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = detail::code(0x80020003);
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = detail::code(0x80020004);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = detail::code(0x80020005);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = detail::code(0x80020006);
inline constexpr HRESULT DISP_E_EXCEPTION = detail::code(0x80020009);
inline constexpr HRESULT DISP_E_OVERFLOW = detail::code(0x8002000A);
inline constexpr HRESULT DISP_E_BADINDEX = detail::code(0x8002000B);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = detail::code(0x8002000E);

inline constexpr HRESULT CLASS_E_NOAGGREGATION = detail::code(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = detail::code(0x80040111);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = detail::code(0x80040154);
inline constexpr HRESULT REGDB_E_READREGDB = detail::code(0x80040150);
inline constexpr HRESULT REGDB_E_WRITEREGDB = detail::code(0x80040151);
inline constexpr HRESULT CO_E_CLASSSTRING = detail::code(0x800401F3);
inline constexpr HRESULT CO_E_DLLNOTFOUND = detail::code(0x800401F8);
inline constexpr HRESULT CO_E_ERRORINDLL = detail::code(0x800401F9);
inline constexpr HRESULT MK_E_UNAVAILABLE = detail::code(0x800401E3);
inline constexpr HRESULT SELFREG_E_CLASS = detail::code(0x80040201);
inline constexpr HRESULT SELFREG_E_TYPELIB = detail::code(0x80040200);

// Run-time errors of the automation language, as its objects report them.
inline constexpr HRESULT CTL_E_OVERFLOW = detail::code(0x800A0006);
inline constexpr HRESULT CTL_E_SUBSCRIPTOUTOFRANGE = detail::code(0x800A0009);
inline constexpr HRESULT CTL_E_DIVISIONBYZERO = detail::code(0x800A000B);
inline constexpr HRESULT CTL_E_TYPEMISMATCH = detail::code(0x800A000D);
inline constexpr HRESULT CTL_E_OBJECTNOTSET = detail::code(0x800A005B);

}  // namespace quenmoor::com
