#include "schedule/ScheduleState.h"

#include "schedule/PassCalculation.h"

namespace tarvon {

ScheduleState::~ScheduleState() { StopPassCalculation(*this); }

SatelliteRef FindSatStateByName(ScheduleState& s, const std::string& name) {
    for (const SatelliteRef& satellite : s.satellites) {
        if (satellite->name == name) return satellite;
    }
    return nullptr;
}

}  // namespace tarvon
