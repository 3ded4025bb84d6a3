#pragma once
// What the pass runner asks of the station's hardware and map: the modem
// set-up, antenna and radio tracking, the map's satellite and the sounds.
// The defaults stand in until the real controllers are wired in: the modem
// is ready at once, tracking and the map are left alone; the sounds are the
// station's own, as the user set them up.
#include <string>

namespace tarvon {

class Event;
class Registry;
class Sounds;
struct SchedulePass;
struct Settings;

class PassHardware {
public:
    PassHardware(Registry& registry, Sounds& sounds, const Settings& settings)
        : registry_(registry), sounds_(sounds), settings_(settings) {}
    virtual ~PassHardware() = default;

    // Prepares the modem for the satellite and sets `modemReady` when done.
    virtual void SetModemMode(const std::string& satName, Event& modemReady);
    virtual void StartTracking(const std::string& satName);
    virtual void StopTracking();
    virtual void SelectSatelliteOnMap(const std::string& satName);
    virtual void PlayErrorSound();
    virtual void PlayPrePassSound(const SchedulePass& pass);

private:
    Registry& registry_;
    Sounds& sounds_;
    const Settings& settings_;
};

}  // namespace tarvon
