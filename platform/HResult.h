#pragma once
// Result codes of the component interfaces. Every interface operation returns
// one; negative values are failures.

#include <cstdint>

using HRESULT = std::int32_t;

namespace gb {

constexpr HRESULT MakeFailure(std::uint32_t code) {
    return static_cast<HRESULT>(code);
}

constexpr bool Succeeded(HRESULT result) {
    return result >= 0;
}
constexpr bool Failed(HRESULT result) {
    return result < 0;
}

}  // namespace gb

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;

inline constexpr HRESULT E_NOTIMPL = gb::MakeFailure(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = gb::MakeFailure(0x80004002);
inline constexpr HRESULT E_POINTER = gb::MakeFailure(0x80004003);
inline constexpr HRESULT E_FAIL = gb::MakeFailure(0x80004005);
inline constexpr HRESULT E_ACCESSDENIED = gb::MakeFailure(0x80070005);
inline constexpr HRESULT E_OUTOFMEMORY = gb::MakeFailure(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = gb::MakeFailure(0x80070057);

// Class objects and the component registry.
inline constexpr HRESULT CLASS_E_NOAGGREGATION = gb::MakeFailure(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = gb::MakeFailure(0x80040111);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = gb::MakeFailure(0x80040154);
inline constexpr HRESULT CO_E_CLASSSTRING = gb::MakeFailure(0x800401F3);
inline constexpr HRESULT CO_E_DLLNOTFOUND = gb::MakeFailure(0x800401F8);
inline constexpr HRESULT CO_E_ERRORINDLL = gb::MakeFailure(0x800401F9);
inline constexpr HRESULT SELFREG_E_CLASS = gb::MakeFailure(0x80040201);

// Connection points.
inline constexpr HRESULT CONNECT_E_NOCONNECTION = gb::MakeFailure(0x80040200);
inline constexpr HRESULT CONNECT_E_CANNOTCONNECT = gb::MakeFailure(0x80040202);
