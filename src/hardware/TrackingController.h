#pragma once
// Antenna and radio tracking of one satellite at a time. While a satellite is
// tracked, a thread of its own works one step every 2 s: look angles, Doppler,
// the rotor display, the tracking data served to other programs, and the
// rotator and radio output of the configured interface. The "Level1" type
// also keeps a read-back thread that shows the rotator's own position.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "core/ProcessState.h"
#include "core/Settings.h"
#include "hardware/RotatorProtocol.h"
#include "hardware/TrackingStep.h"
#include "orbit/KepsDatabase.h"
#include "platform/Event.h"

namespace tarvon {

class RotatorLink;
class RotorRadioDriver;
class TrackingDataBuffers;

constexpr uint32_t kTrackingStepMs = 2000;
constexpr uint32_t kReadBackMs = 2000;

// Where the main window's rotor box learns the antenna's position. Called
// from the tracking threads: it must only store and ask for a redraw.
class RotorDisplayPort {
public:
    virtual ~RotorDisplayPort() = default;
    virtual void ShowRotorPosition(double azimuth, double elevation) = 0;
};

struct TrackingServices {
    PlatformServices& platform;
    SyncObjects& sync;
    const Settings& settings;
    const KepsDatabase& keps;  // read under ScheduleLock
    ObserverGeo station;
    TrackingDataBuffers& data;
    RotorDisplayPort& display;
    RotorRadioDriver* driver;  // "Level1"; null when the library could not be loaded
    std::function<void()> playErrorSound;
    RotatorLink* serial = nullptr;  // the serial types' output; none without one
    // Told the number of every start or stop, from the caller's thread: it
    // must only post. Whoever started tracking learns that another took over.
    std::function<void(uint32_t start)> announceStart;
};

class TrackingController {
public:
    explicit TrackingController(TrackingServices services);
    ~TrackingController();
    TrackingController(const TrackingController&) = delete;
    TrackingController& operator=(const TrackingController&) = delete;

    // Start-up: "Level1" opens the driver and starts the read-back.
    void InitRotator();
    // Starts tracking `name` (stop = false) or stops tracking; noRadio leaves
    // the radio alone. Replaces whatever was tracked. Returns the number of
    // this start; every later start or stop has a higher one.
    uint32_t StartTracking(bool stop, bool noRadio, const std::string& name);
    // Messages 2031 and 2040: the satellite's uplink or downlink `which`.
    void SelectLink(char which, bool uplink);
    // Message 2039.
    void SetFineOffset(int32_t hz);
    // The rotator gave up (time-out, a satellite the box does not know): the
    // loop stops; what was tracked stays until the next start.
    void StopTrackingLoop();
    // The driver library's radio is open for a tracking that tunes it.
    bool RadioInUse() const { return radioOpen_; }
    // The station moved: tracking started from now on looks from `station`.
    void SetStation(const ObserverGeo& station);
    // The rotator settings are changing: tracking in progress stops, `write`
    // changes them while nothing here reads them, and the rotator is set up
    // again for its (perhaps new) type, as at start-up.
    void ReconfigureRotator(const std::function<void()>& write);
    // After ShutdownEvent, once tracking is stopped: ends the read-back and
    // closes the driver.
    void Shutdown();

    // One tracking step at the clock's time; the tracking thread's work.
    void Step();

private:
    struct RotatorSnapshot {
        uint32_t type, flip, stopPosition, park, parkAz, parkEl, rotorDisplay;
    };

    RotatorSnapshot Snapshot() const;
    void StopTrackingThread();
    bool CreateTrackingState(const std::string& name);
    void LoadLinks();
    bool StartLevel1(bool stop, bool noRadio, const std::string& name);
    void OpenRadio();
    void Park();
    void StartTrackingThread();
    void EnsureReadBack();
    void ReadBackLoop();
    void DriveLevel1(const TrackingPoint& point);
    void Tell(const char* text, const char* caption);

    TrackingServices s_;
    std::mutex control_;  // one start, stop or link change at a time

    // Guarded by sync.trackingLock: what the tracking step works on.
    std::unique_ptr<SatState> orbit_;
    ObserverGeo observer_;
    RadioLinks links_;
    bool flipOverhead_ = false;
    double lastElevation_ = 0.0;  // the previous step's, degrees; NaN before the first
    std::string keyPath_;
    RotatorSnapshot rotator_{};  // written under control_ as well

    uint32_t starts_ = 0;  // under control_
    std::atomic<bool> rotorOpen_{false};
    std::atomic<bool> radioOpen_{false};
    Event stopTracking_{false};
    std::thread tracker_;
    std::thread readBack_;
};

}  // namespace tarvon
