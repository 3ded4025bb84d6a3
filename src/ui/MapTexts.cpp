#include "ui/MapTexts.h"

#include <cmath>
#include <cstdio>

#include "core/TimeFormat.h"
#include "schedule/ClockTexts.h"

namespace tarvon {
namespace {

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

}  // namespace

std::string MapTimeLine(const char* name, int32_t shownTime) {
    std::string time = FormatUnixTime(shownTime, "%H:%M:%S %d %b %Y");
    if (time.empty()) time.assign(20, ' ');
    return Format("%-15s", name) + time;
}

std::string MapPositionLine(double latitude, double westLongitude, double heightKm, double phase,
                            const std::string& mode) {
    return Format("Lat:%6.3f%c Lon:%7.3f%c  Hght:%9.3fkm  MA:%5.1f  Mode:%s", std::fabs(latitude),
                  latitude > 0.0 ? 'N' : 'S', std::fabs(westLongitude), westLongitude > 0.0 ? 'W' : 'E', heightKm,
                  phase, mode.c_str());
}

std::string MapCountdownLine(int32_t eventTime, bool isAos, int32_t mapTime) {
    if (eventTime <= mapTime) return {};
    return std::string("Next ") + (isAos ? "AOS" : "LOS") + " " + TrackingCountdownText(eventTime - mapTime);
}

std::string MapObserverRow(const char* name, double azimuth, double elevation, double rangeKm, bool hasBeacon,
                           double dopplerHz, bool hasAttitude, int squint) {
    const std::string doppler = hasBeacon ? Format("% 6.0fHz", dopplerHz) : std::string();
    const std::string ofp = hasAttitude ? Format("%3d", squint) : std::string();
    return Format("%-25s  %3.0f  %3.0f  %5.0f %9s  %s", name, azimuth, elevation, rangeKm, doppler.c_str(),
                  ofp.c_str());
}

std::string MapPlaceName(double latitude, double westLongitude) {
    return Format("%2d%c %3d%c", static_cast<int>(std::fabs(latitude)), latitude >= 0.0 ? 'N' : 'S',
                  static_cast<int>(std::fabs(westLongitude)), westLongitude > 0.0 ? 'W' : 'E');
}

std::string LocalTimeBoxText(int32_t mapTime, double westLongitude) {
    const int hours = static_cast<int>(std::trunc(-westLongitude / 15.0));
    return FormatUnixTime(mapTime + hours * 3600, "%H:%M %a %d %b");
}

}  // namespace tarvon
