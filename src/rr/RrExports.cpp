// rr.dll: the rotor and radio driver library of the "Level1" rotator type.
// Its nine calls keep the documented form (standard calling convention,
// 32-bit arguments, 0 = opened); behind them the rotator and the radio are
// reached through the hamlib daemons, so that every device hamlib knows is
// one interface type for the station. No exception leaves the library.
#include <windows.h>

#include "hardware/HamlibDriver.h"
#include "rr/DriverSetupDialog.h"
#include "rr/WinsockConnector.h"
#include "win32/Win32Registry.h"

namespace tarvon {
namespace {

// The library's state for the life of the process that loaded it.
struct Library {
    Win32Registry registry;
    WinsockConnector connector;
    HamlibDriver driver{connector, [this] { return LoadDaemonEndpoints(registry); }};
};

Library& TheLibrary() {
    static Library library;
    return library;
}

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

template <typename Call>
DWORD Guarded(Call call, DWORD onFailure = kDriverNotOpened) {
    try {
        return call(TheLibrary().driver);
    } catch (...) {
        return onFailure;
    }
}

}  // namespace
}  // namespace tarvon

using tarvon::Guarded;
using tarvon::HamlibDriver;

#define RR_EXPORT extern "C" __declspec(dllexport)

RR_EXPORT DWORD WINAPI RotorOpen() {
    return Guarded([](HamlibDriver& d) { return d.RotorOpen(); });
}

RR_EXPORT DWORD WINAPI RotorClose(DWORD) {
    return Guarded([](HamlibDriver& d) { return d.RotorClose(), 0u; });
}

RR_EXPORT DWORD WINAPI RotorSetPosition(LONG azimuth, LONG elevation, DWORD) {
    return Guarded([=](HamlibDriver& d) { return d.RotorSetPosition(azimuth, elevation), 0u; });
}

RR_EXPORT DWORD WINAPI RotorGetPosition(SHORT* azimuth, SHORT* elevation) {
    if (!azimuth || !elevation) return tarvon::kDriverNotOpened;
    return Guarded([=](HamlibDriver& d) { return d.RotorGetPosition(*azimuth, *elevation), 0u; });
}

RR_EXPORT DWORD WINAPI RadioOpen(DWORD bandMask) {
    return Guarded([=](HamlibDriver& d) { return d.RadioOpen(bandMask); });
}

RR_EXPORT DWORD WINAPI RadioClose() {
    return Guarded([](HamlibDriver& d) { return d.RadioClose(), 0u; });
}

RR_EXPORT DWORD WINAPI RadioSetFrequency(DWORD downlinkHz, DWORD uplinkHz, DWORD) {
    return Guarded([=](HamlibDriver& d) { return d.RadioSetFrequency(downlinkHz, uplinkHz), 0u; });
}

RR_EXPORT DWORD WINAPI RadioSetMode(DWORD downlinkCode, DWORD uplinkCode, DWORD) {
    return Guarded([=](HamlibDriver& d) { return d.RadioSetMode(downlinkCode, uplinkCode), 0u; });
}

RR_EXPORT DWORD WINAPI RotorRadioConfigure(HWND owner, HINSTANCE) {
    try {
        tarvon::Library& library = tarvon::TheLibrary();
        tarvon::ShowDriverSetupDialog(tarvon::ThisModule(), owner, library.registry, library.connector);
        return 0;
    } catch (...) {
        return tarvon::kDriverNotOpened;
    }
}
