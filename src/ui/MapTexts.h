#pragma once
// The texts of the map window's panel and boxes. Plain formatting, kept
// apart from the drawing so it is tested natively.
#include <cstdint>
#include <string>

namespace tarvon {

// "%-15s" of the name and "%H:%M:%S %d %b %Y" of the shown time; blanks
// for a time that cannot be broken down.
std::string MapTimeLine(const char* name, int32_t shownTime);
// Degrees, west longitude positive; phase in 256ths.
std::string MapPositionLine(double latitude, double westLongitude, double heightKm, double phase,
                            const std::string& mode);
// "Next AOS 01:02:03" while the event lies ahead of the map time, else empty.
std::string MapCountdownLine(int32_t eventTime, bool isAos, int32_t mapTime);

constexpr const char* kMapTableHeader = "Observer                   Azm  Ele  Range   Doppler  Ofp";
// Degrees and km; the Doppler and off-pointing texts are left empty when the
// satellite has no beacon frequency or no antenna attitude.
std::string MapObserverRow(const char* name, double azimuth, double elevation, double rangeKm, bool hasBeacon,
                           double dopplerHz, bool hasAttitude, int squint);

// The name of a place added by double-clicking the map, "%2d%c %3d%c".
std::string MapPlaceName(double latitude, double westLongitude);
// "%H:%M %a %d %b" of the time of day at a longitude (whole hours per 15
// degrees east of Greenwich).
std::string LocalTimeBoxText(int32_t mapTime, double westLongitude);

}  // namespace tarvon
