#pragma once
// What the pass runner asks of the station's hardware and map: the modem
// set-up, antenna and radio tracking, the map's satellite and the sounds.
// The defaults stand in until the real controllers are wired in: the modem
// is ready at once, tracking and the map are left alone, and the sounds are
// the system's beeps.
#include <string>

namespace tarvon {

class Event;
class Sounds;
struct SchedulePass;

class PassHardware {
public:
    explicit PassHardware(Sounds& sounds) : sounds_(sounds) {}
    virtual ~PassHardware() = default;

    // Prepares the modem for the satellite and sets `modemReady` when done.
    virtual void SetModemMode(const std::string& satName, Event& modemReady);
    virtual void StartTracking(const std::string& satName);
    virtual void StopTracking();
    virtual void SelectSatelliteOnMap(const std::string& satName);
    virtual void PlayErrorSound();
    virtual void PlayPrePassSound(const SchedulePass& pass);

private:
    Sounds& sounds_;
};

}  // namespace tarvon
