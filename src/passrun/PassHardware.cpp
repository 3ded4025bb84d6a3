#include "passrun/PassHardware.h"

#include "platform/Event.h"
#include "platform/Sounds.h"

namespace tarvon {

void PassHardware::SetModemMode(const std::string&, Event& modemReady) { modemReady.Set(); }

void PassHardware::StartTracking(const std::string&) {}

void PassHardware::StopTracking() {}

void PassHardware::SelectSatelliteOnMap(const std::string&) {}

void PassHardware::PlayErrorSound() { sounds_.Beep(BeepKind::Exclamation); }

void PassHardware::PlayPrePassSound(const SchedulePass&) { sounds_.Beep(BeepKind::Question); }

}  // namespace tarvon
