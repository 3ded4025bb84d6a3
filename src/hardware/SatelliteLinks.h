#pragma once
// A satellite's uplink and downlink as its registry key gives them, with the
// transverter in front of each, in Hz.
#include "hardware/TrackingStep.h"
#include "platform/Registry.h"

namespace tarvon {

// The default links ("Default Uplink" and "Default Downlink" name which of
// "Uplink 1".."Uplink 4" and "Downlink 1".."Downlink 4") and both modes.
// Missing values track with 0 Hz; the fine offset is left as it is.
void LoadSatelliteLinks(Registry& registry, RegKey& satellite, RadioLinks& links);

// Switches to "Uplink <c>" (or "Downlink <c>"), a value missing giving 0 Hz.
void SelectSatelliteLink(Registry& registry, RegKey& satellite, char which, bool uplink, RadioLinks& links);

}  // namespace tarvon
