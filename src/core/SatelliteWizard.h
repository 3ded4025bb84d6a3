#pragma once
// The pages of the satellite property sheet and the buttons each shows while
// the sheet runs as the wizard of a new satellite: a satellite's type (and,
// for a PacSat, whether the station is its SatGate) decides where it ends.
#include "core/SatelliteConfig.h"

namespace tarvon {

// In the sheet's order.
enum class SatellitePageId { General, Scheduling, Frequencies, Tnc, Directories, Vant, SatGate };

struct WizardStep {
    bool back = false;    // "Back" is offered
    bool finish = false;  // "Finish" in place of "Next"
};

WizardStep WizardStepFor(SatellitePageId page, const SatelliteConfig& config);

}  // namespace tarvon
