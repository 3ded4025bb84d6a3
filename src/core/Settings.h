#pragma once
// The process-wide settings read at start-up from SOFTWARE\Kova.
#include <atomic>
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace tarvon {

// CW_USEDEFAULT as the registry stores it.
constexpr uint32_t kUseDefaultPosition = 0x80000000u;

// A number one thread changes while others read it: atomic, yet copyable, so
// that the settings stay a plain value for the loaders and the tests.
template <typename T>
class SharedNumber {
public:
    SharedNumber(T value = T{}) : value_(value) {}
    SharedNumber(const SharedNumber& other) : value_(other.value_.load()) {}
    SharedNumber& operator=(const SharedNumber& other) {
        value_.store(other.value_.load());
        return *this;
    }
    SharedNumber& operator=(T value) {
        value_.store(value);
        return *this;
    }
    operator T() const { return value_.load(); }

private:
    std::atomic<T> value_;
};

struct StationConfig {
    std::string callsign;  // at most 11 characters
    double longitude = 0.0;
    double latitude = 0.0;
    double altitude = 0.0;  // metres
    uint32_t limitHours = 0;
    uint32_t startHour = 0;
    uint32_t stopHour = 0;
    uint32_t listenHours = 0;
    uint32_t listenStart = 0;
    uint32_t listenStop = 0;
};

struct GeneralSettings {
    // The suite directory the station started in. Its files (Kova.KEP, the
    // schedule, the log) stay where they are while it runs: a new directory
    // from General Setup is taken at the next start.
    std::string kovaDirectory;
    // SOFTWARE\Kova\Tarvon. The General Setup dialog changes these on the
    // window thread while the clock, engine, calculation and runner threads
    // read them: each is atomic, and read once per decision.
    SharedNumber<uint32_t> displayTime = 1;
    SharedNumber<uint32_t> popUpTime = 180;
    SharedNumber<uint32_t> passEndTime = 10;
    SharedNumber<uint32_t> scheduleSeconds = 86400;  // "Schedule Days" x 86400
    SharedNumber<uint32_t> messagePopUps = 1;
    SharedNumber<uint32_t> mapDisplay = 1;
    uint32_t rotorDisplay = 1;
    uint32_t mapTerminatorNorm = 1;
    uint32_t mapTerminatorFast = 1;
    uint32_t mapGroundTrackNorm = 1;
    uint32_t mapGroundTrackFast = 1;
    uint32_t mapCircleNorm = 1;
    uint32_t mapCircleFast = 1;
    uint32_t mapOrigin = 0;
    uint32_t mapXLeft = kUseDefaultPosition;
    uint32_t mapYTop = kUseDefaultPosition;
    std::string mapSat;  // empty when none is stored
    uint32_t mapOpen = 0;  // the map was open when the program last closed
    uint32_t mapSpeed = 100;
    // SOFTWARE\Kova\Rotator
    uint32_t rotatorType = 0;
    uint32_t stopPosition = 1;
    uint32_t flip = 0;
    uint32_t pacingDelay = 0;
    uint32_t park = 0;
    uint32_t parkEl = 0;
    uint32_t parkAz = 0;
    uint32_t rotatorPort = 1;     // "Port": COM port number
    uint32_t rotatorSpeed = 9600; // "Speed": one of kRotatorSpeeds
};

// The speeds a rotator port offers; any other stored speed is read as 9600.
constexpr uint32_t kRotatorSpeeds[] = {1200, 2400, 4800, 9600, 19200};

struct WindowSettings {
    uint32_t xLeft = kUseDefaultPosition;
    uint32_t yTop = kUseDefaultPosition;
    uint32_t cxWidth = 580;
    uint32_t cyHeight = 270;
    uint32_t fontSize = 12;
    uint32_t fontType = 400;
    std::string fontName = "Terminal";
    uint8_t fontPitch = 1;
};

constexpr const char* kDefaultDateTimeFormat = "%d-%m-%y %H:%M:%S";

struct Settings {
    StationConfig station;
    GeneralSettings general;
    WindowSettings window;
    std::string dateTimeFormat = kDefaultDateTimeFormat;
    // Re-read by the window thread on WM_TIMECHANGE while the clock thread,
    // the dialogs and the schedule pane read it.
    SharedNumber<int32_t> timeZoneBiasSeconds = 0;
};

}  // namespace tarvon
