#pragma once
// rr.dll, the rotor and radio driver library, loaded by name from the
// program's folder and called through its nine exports.
#include <windows.h>

#include "hardware/RotorRadioDriver.h"

namespace tarvon {

class RrLibrary final : public RotorRadioDriver {
public:
    RrLibrary();
    ~RrLibrary() override;
    RrLibrary(const RrLibrary&) = delete;
    RrLibrary& operator=(const RrLibrary&) = delete;

    // False when the library or one of its calls is missing; the open calls
    // then fail and the others do nothing.
    bool Loaded() const { return loaded_; }

    uint32_t RotorOpen() override;
    void RotorClose() override;
    void RotorSetPosition(int32_t azimuth, int32_t elevation) override;
    void RotorGetPosition(int16_t& azimuth, int16_t& elevation) override;
    uint32_t RadioOpen(uint32_t bandMask) override;
    void RadioClose() override;
    void RadioSetFrequency(uint32_t downlinkHz, uint32_t uplinkHz) override;
    void RadioSetMode(uint32_t downlinkCode, uint32_t uplinkCode) override;
    // The library's own set-up dialog (the Rotator page's "Setup").
    void Configure(HWND owner, HINSTANCE instance);

private:
    using NoArgs = DWORD(WINAPI*)();
    using OneArg = DWORD(WINAPI*)(DWORD);
    using ThreeArgs = DWORD(WINAPI*)(DWORD, DWORD, DWORD);
    using GetPosition = DWORD(WINAPI*)(SHORT*, SHORT*);

    HMODULE module_ = nullptr;
    bool loaded_ = false;
    NoArgs rotorOpen_ = nullptr;
    OneArg rotorClose_ = nullptr;
    ThreeArgs rotorSetPosition_ = nullptr;
    GetPosition rotorGetPosition_ = nullptr;
    OneArg radioOpen_ = nullptr;
    NoArgs radioClose_ = nullptr;
    ThreeArgs radioSetFrequency_ = nullptr;
    ThreeArgs radioSetMode_ = nullptr;
    using ConfigureCall = DWORD(WINAPI*)(HWND, HINSTANCE);
    ConfigureCall configure_ = nullptr;
};

}  // namespace tarvon
