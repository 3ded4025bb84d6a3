#pragma once
// The Position page of the station setup as texts, and the station they
// describe. The page shows latitude and longitude as amounts with a side
// (North/South, West/East); the station keeps them signed, North and West
// positive.
#include <optional>
#include <string>

#include "core/FieldChecks.h"
#include "core/Settings.h"

namespace tarvon {

struct PositionFields {
    std::string callsign;
    std::string latitude, longitude, altitude;  // degrees, degrees, metres
    bool south = false;  // else North
    bool east = false;   // else West
    bool limitHours = false;
    std::string stopHour;   // "Don't run passes between" this hour ...
    std::string startHour;  // ... and this one (UTC)
};

enum class PositionField { Callsign, Latitude, Longitude, Altitude, StopHour, StartHour };

// The page's input limits, in characters.
namespace position_limits {
constexpr size_t kCallsign = 9;
constexpr size_t kDegrees = 10;
constexpr size_t kHour = 2;
}  // namespace position_limits

// "%lf" of the absolute values; North for a latitude of 0 or more, West for
// a longitude of 0 or more.
PositionFields PositionFieldsFor(const StationConfig& station);

// The station the fields describe, in `station` (its listen hours and any
// value the page does not show are kept); the problem otherwise. A number
// whose text is still what the page showed keeps its stored value, so that
// OK never rounds a position to the six decimals shown. The hours are
// checked while "Don't run passes between" is ticked; else they keep their
// stored values when they are not hours.
std::optional<FieldProblem> StationFromPositionFields(const PositionFields& fields, StationConfig& station);

// The operating hours changed: the schedule must be redone to follow them.
bool OperatingHoursChanged(const StationConfig& before, const StationConfig& after);
// The position (latitude, longitude or altitude) changed.
bool PositionChanged(const StationConfig& before, const StationConfig& after);

constexpr const char* kOperatingHoursChanged =
    "You have changed the station operating hours.  Before this change will take effect you must redo the schedule.";

}  // namespace tarvon
