#include "passrun/PassHardware.h"

#include "core/Settings.h"
#include "hardware/StationSounds.h"
#include "platform/Event.h"
#include "schedule/SchedulePass.h"

namespace tarvon {

void PassHardware::SetModemMode(const std::string&, Event& modemReady) { modemReady.Set(); }

void PassHardware::StartTracking(const std::string&) {}

void PassHardware::StopTracking() {}

void PassHardware::SelectSatelliteOnMap(const std::string&) {}

void PassHardware::PlayErrorSound() {
    PlayStationSound(registry_, sounds_, StationSound::Error, "", settings_.general.kovaDirectory);
}

void PassHardware::PlayPrePassSound(const SchedulePass& pass) {
    PlayStationSound(registry_, sounds_, StationSound::PrePass, pass.satName,
                     settings_.general.kovaDirectory);
}

}  // namespace tarvon
