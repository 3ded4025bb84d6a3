#pragma once
// The station's transverters under SOFTWARE\Kova\Transverters: which local
// oscillator lies between the radio and a satellite frequency.
#include <functional>
#include <string>

#include "core/RegistryKeys.h"
#include "platform/Registry.h"

namespace tarvon {

// The offset (MHz) of the first transverter covering `mhz`: its "TX IF" for
// transmitting when "TX" is set, its "RX IF" for receiving when "RX" is
// set; 0 when none covers the frequency.
double TransverterOffset(Registry& registry, double mhz, bool transmit);

// Visits the transverters' keys with their paths until `visit` returns true.
void ForEachTransverter(Registry& registry, const std::function<bool(RegKey& key, const std::string& path)>& visit);

// Whether a transverter's 4-byte flag ("TX", "RX") is set.
bool TransverterFlagSet(RegKey& key, const char* name);

// The key of the transverter whose "Name" is exactly `name`.
int FindTransverterKey(Registry& registry, const std::string& name, std::string& path);

}  // namespace tarvon
