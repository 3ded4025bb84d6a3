#pragma once
// The Rotator page of the station setup: which controls each interface type
// uses, the page's fields as texts, and the settings they describe.
#include <optional>
#include <string>
#include <string_view>

#include "core/FieldChecks.h"
#include "core/Settings.h"

namespace tarvon {

struct RotatorControls {
    bool portSpeedPacing;  // "Port", "Speed", "Pacing Delay": the serial types that pace their bytes
    bool driverSetup;      // "Setup", "Display actual position": the driver library
    bool park;             // "Park Antenna" with "Az" and "El"
};
RotatorControls RotatorControlsFor(uint32_t type);

// The ports offered, "COM1" to "COM4".
constexpr uint32_t kRotatorPorts = 4;

struct RotatorFields {
    uint32_t type = 0;
    uint32_t port = 1;  // 1 to 4
    uint32_t speed = 9600;
    std::string pacingDelay;  // ms
    bool southStop = true;
    bool flip = false;
    bool park = false;
    std::string parkAz, parkEl;  // whole degrees
    bool displayActual = false;
};

enum class RotatorField { PacingDelay, ParkAz, ParkEl };

namespace rotator_limits {
constexpr size_t kPacingDelay = 4;
constexpr size_t kParkAngle = 3;
}  // namespace rotator_limits

// The page as it opens: a port that is missing, 0 or above 4 shows as 1, a
// speed above 19200 as 9600.
RotatorFields RotatorFieldsFor(const GeneralSettings& general);

// The settings the fields describe, in `general`; the problem otherwise. A
// field whose control the type leaves disabled keeps its stored value. A
// pacing delay above 500 ms is stored as 500.
std::optional<FieldProblem> RotatorFromFields(const RotatorFields& fields, GeneralSettings& general);

// Copies the rotator values (those of the Rotator page and "Rotor Display").
void TakeRotatorSettings(GeneralSettings& to, const GeneralSettings& from);

// Whether anything the rotator and the tracking controller use differs.
bool RotatorSettingsChanged(const GeneralSettings& a, const GeneralSettings& b);

}  // namespace tarvon
