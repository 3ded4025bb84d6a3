#include "core/StationFields.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace tarvon {
namespace {

std::string Degrees(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%lf", std::fabs(value));
    return text;
}

std::optional<FieldProblem> At(PositionField field, std::optional<std::string> message) {
    if (!message) return std::nullopt;
    return FieldProblem{static_cast<int>(field), *message};
}

// The amount typed, or the stored one while the text is what was shown.
std::optional<std::string> CheckAmount(const char* label, const std::string& text, const std::string& shown,
                                       double stored, double max, const char* detail, double& amount) {
    if (text == shown) {
        amount = std::fabs(stored);
        return std::nullopt;
    }
    return CheckDecimal(label, text, 0.0, max, amount, detail);
}

}  // namespace

PositionFields PositionFieldsFor(const StationConfig& s) {
    PositionFields f;
    f.callsign = s.callsign;
    f.latitude = Degrees(s.latitude);
    f.longitude = Degrees(s.longitude);
    char altitude[48];
    std::snprintf(altitude, sizeof altitude, "%lf", s.altitude);
    f.altitude = altitude;
    f.south = s.latitude < 0.0;
    f.east = s.longitude < 0.0;
    f.limitHours = s.limitHours == 1;
    f.stopHour = std::to_string(s.stopHour);
    f.startHour = std::to_string(s.startHour);
    return f;
}

std::optional<FieldProblem> StationFromPositionFields(const PositionFields& f, StationConfig& station) {
    const PositionFields shown = PositionFieldsFor(station);
    using F = PositionField;
    double latitude = 0.0, longitude = 0.0, altitude = 0.0;
    uint32_t stopHour = station.stopHour, startHour = station.startHour;
    constexpr const char* kHours = "The hours of \"Don't run passes between\"";
    auto hour = [&](F field, const std::string& text, uint32_t& value) -> std::optional<FieldProblem> {
        uint32_t typed = 0;
        auto message = CheckWholeNumber(kHours, text, 0, 23, typed);
        if (!message) value = typed;
        return f.limitHours ? At(field, message) : std::nullopt;
    };
    auto problem = FirstProblem(
        [&] { return At(F::Callsign, CheckText("Callsign", f.callsign, position_limits::kCallsign, true)); },
        [&] {
            return At(F::Latitude, CheckAmount("Latitude", f.latitude, shown.latitude, station.latitude, 90.0,
                                               " degrees, with North or South chosen beside it", latitude));
        },
        [&] {
            return At(F::Longitude, CheckAmount("Longitude", f.longitude, shown.longitude, station.longitude, 180.0,
                                                " degrees, with East or West chosen beside it", longitude));
        },
        [&] {
            if (f.altitude == shown.altitude) {
                altitude = station.altitude;
                return std::optional<FieldProblem>();
            }
            return At(F::Altitude, CheckDecimal("Altitude", f.altitude, -500.0, 9000.0, altitude, " meters"));
        },
        [&] { return hour(F::StopHour, f.stopHour, stopHour); },
        [&] { return hour(F::StartHour, f.startHour, startHour); });
    if (problem) return problem;
    station.callsign.clear();
    for (char c : f.callsign) station.callsign += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    station.latitude = f.south ? -latitude : latitude;
    station.longitude = f.east ? -longitude : longitude;
    station.altitude = altitude;
    station.limitHours = f.limitHours ? 1 : 0;
    station.stopHour = stopHour;
    station.startHour = startHour;
    return std::nullopt;
}

bool OperatingHoursChanged(const StationConfig& a, const StationConfig& b) {
    return a.limitHours != b.limitHours || a.startHour != b.startHour || a.stopHour != b.stopHour;
}

bool PositionChanged(const StationConfig& a, const StationConfig& b) {
    return a.latitude != b.latitude || a.longitude != b.longitude || a.altitude != b.altitude;
}

}  // namespace tarvon
