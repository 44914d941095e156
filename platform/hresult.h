// HRESULTs, the 32-bit results that cross every COM boundary of the system, and the COM error
// object that the framework throws for them.
//
// Negative values are failures. A message number n of a module's message file travels as
// 0x80040000 | n (FACILITY_ITF). ComError is thrown by value and carries only its HRESULT.
#pragma once

#include <cstdint>
#include <exception>

namespace platform {

using HRESULT = std::int32_t;

constexpr HRESULT MakeHResult(std::uint32_t bits) { return static_cast<HRESULT>(bits); }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = MakeHResult(0x80004001);
constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002);
constexpr HRESULT E_POINTER = MakeHResult(0x80004003);
constexpr HRESULT E_ABORT = MakeHResult(0x80004004);
constexpr HRESULT E_FAIL = MakeHResult(0x80004005);
constexpr HRESULT E_UNEXPECTED = MakeHResult(0x8000FFFF);
constexpr HRESULT E_ACCESSDENIED = MakeHResult(0x80070005);
constexpr HRESULT E_OUTOFMEMORY = MakeHResult(0x8007000E);
constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057);

// Activation and transport results of the COM layer, with their values on the original platform.
constexpr HRESULT CO_S_NOTALLINTERFACES = MakeHResult(0x00080012);
constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHResult(0x80040154);
constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHResult(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeHResult(0x80040111);
constexpr HRESULT CO_E_OBJNOTREG = MakeHResult(0x800401FB);
constexpr HRESULT CO_E_OBJISREG = MakeHResult(0x800401FC);
constexpr HRESULT CO_E_SERVER_EXEC_FAILURE = MakeHResult(0x80080005);
constexpr HRESULT RPC_E_INVALID_DATAPACKET = MakeHResult(0x80010009);
constexpr HRESULT RPC_E_CLIENT_CANTMARSHAL_DATA = MakeHResult(0x8001000B);
constexpr HRESULT RPC_E_SERVER_CANTMARSHAL_DATA = MakeHResult(0x8001000D);
constexpr HRESULT RPC_E_SERVERFAULT = MakeHResult(0x80010105);
constexpr HRESULT RPC_E_INVALIDMETHOD = MakeHResult(0x80010107);
constexpr HRESULT RPC_E_DISCONNECTED = MakeHResult(0x80010108);
constexpr HRESULT RPC_E_INVALID_OBJECT = MakeHResult(0x80010114);
// The marshalling's failures: a message that does not decode, a null pointer where a value is
// required, a method number the interface does not have.
constexpr HRESULT RPC_X_BAD_STUB_DATA = MakeHResult(0x800706F7);
constexpr HRESULT RPC_X_NULL_REF_POINTER = MakeHResult(0x800706F4);
constexpr HRESULT RPC_S_PROCNUM_OUT_OF_RANGE = MakeHResult(0x800706D1);
// RPC_S_SERVER_UNAVAILABLE (Win32 error 1722) as an HRESULT: nobody answers at the endpoint.
constexpr HRESULT HR_RPC_S_SERVER_UNAVAILABLE = MakeHResult(0x800706BA);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// A Win32 error number as an HRESULT of FACILITY_WIN32 (0 stays S_OK).
constexpr HRESULT HResultFromWin32(std::uint32_t error) {
    return error == 0 ? S_OK : MakeHResult(0x80070000u | (error & 0xFFFFu));
}

// A message number of a message file as the HRESULT that carries it across COM.
constexpr HRESULT HResultFromMessage(std::uint32_t message) { return MakeHResult(0x80040000u | message); }

class ComError : public std::exception {
public:
    explicit ComError(HRESULT hr) : hr_(hr) {}
    [[nodiscard]] HRESULT Error() const { return hr_; }
    [[nodiscard]] const char* what() const noexcept override { return "COM error"; }

private:
    HRESULT hr_;
};

}  // namespace platform
