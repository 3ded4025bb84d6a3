#include "hardware/SatelliteLinks.h"

#include <string>

#include "hardware/Transverters.h"

namespace tarvon {
namespace {

constexpr double kHzPerMHz = 1000000.0;

// The link's nominal frequency and its transverter offset, both in Hz.
void ReadLink(Registry& registry, RegKey& satellite, const std::string& value, bool uplink, RadioLinks& links) {
    double mhz = 0.0;
    RegReadDouble(satellite, value, mhz);
    const double offset = TransverterOffset(registry, mhz, uplink);
    (uplink ? links.uplinkHz : links.downlinkHz) = mhz * kHzPerMHz;
    (uplink ? links.uplinkOffsetHz : links.downlinkOffsetHz) = offset * kHzPerMHz;
}

}  // namespace

void LoadSatelliteLinks(Registry& registry, RegKey& satellite, RadioLinks& links) {
    uint32_t downlink = 1, uplink = 1;
    RegReadDword(satellite, "Default Downlink", downlink);
    RegReadDword(satellite, "Default Uplink", uplink);
    ReadLink(registry, satellite, "Downlink " + std::to_string(downlink), false, links);
    ReadLink(registry, satellite, "Uplink " + std::to_string(uplink), true, links);
    links.uplinkMode = links.downlinkMode = 2;
    RegReadDword(satellite, "Uplink Mode", links.uplinkMode);
    RegReadDword(satellite, "Downlink Mode", links.downlinkMode);
}

void SelectSatelliteLink(Registry& registry, RegKey& satellite, char which, bool uplink, RadioLinks& links) {
    ReadLink(registry, satellite, std::string(uplink ? "Uplink " : "Downlink ") + which, uplink, links);
}

}  // namespace tarvon
