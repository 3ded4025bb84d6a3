#include "hardware/RotatorSetup.h"

#include <iterator>

#include "hardware/RotatorProtocol.h"

namespace tarvon {
namespace {

constexpr uint32_t kMaxPacingDelay = 500;

std::optional<FieldProblem> At(RotatorField field, std::optional<std::string> message) {
    if (!message) return std::nullopt;
    return FieldProblem{static_cast<int>(field), *message};
}

}  // namespace

RotatorControls RotatorControlsFor(uint32_t type) {
    RotatorControls c{};
    switch (type) {
    case kRotatorTrakBox: case kRotatorSatTrak: case kRotatorEasyComm1: case kRotatorEasyComm2: case kRotatorTarrik:
    case kRotatorGs232:
        c.portSpeedPacing = true;
        break;
    default: break;
    }
    c.driverSetup = type == kRotatorLevel1;
    c.park = type == kRotatorLevel1 || type >= kRotatorEasyComm1;
    return c;
}

RotatorFields RotatorFieldsFor(const GeneralSettings& g) {
    RotatorFields f;
    f.type = g.rotatorType < std::size(kRotatorTypeNames) ? g.rotatorType : kRotatorNone;
    f.port = g.rotatorPort == 0 || g.rotatorPort > kRotatorPorts ? 1 : g.rotatorPort;
    f.speed = g.rotatorSpeed > 19200 ? 9600 : g.rotatorSpeed;
    f.pacingDelay = std::to_string(g.pacingDelay);
    f.southStop = g.stopPosition == 1;
    f.flip = g.flip == 1;
    f.park = g.park == 1;
    f.parkAz = std::to_string(g.parkAz);
    f.parkEl = std::to_string(g.parkEl);
    f.displayActual = g.rotorDisplay == 0;
    return f;
}

std::optional<FieldProblem> RotatorFromFields(const RotatorFields& f, GeneralSettings& g) {
    const RotatorControls c = RotatorControlsFor(f.type);
    uint32_t pacing = g.pacingDelay, parkAz = g.parkAz, parkEl = g.parkEl;
    auto problem = FirstProblem(
        [&] {
            return c.portSpeedPacing ? At(RotatorField::PacingDelay,
                                          CheckWholeNumber("Pacing Delay", f.pacingDelay, 0, 9999, pacing))
                                     : std::nullopt;
        },
        [&] { return c.park ? At(RotatorField::ParkAz, CheckWholeNumber("Park Az", f.parkAz, 0, 360, parkAz)) : std::nullopt; },
        [&] { return c.park ? At(RotatorField::ParkEl, CheckWholeNumber("Park El", f.parkEl, 0, 180, parkEl)) : std::nullopt; });
    if (problem) return problem;
    g.rotatorType = f.type;
    g.flip = f.flip ? 1 : 0;
    g.stopPosition = f.southStop ? 1 : 0;
    g.pacingDelay = pacing > kMaxPacingDelay ? kMaxPacingDelay : pacing;
    g.park = f.park ? 1 : 0;
    g.parkAz = parkAz;
    g.parkEl = parkEl;
    g.rotatorPort = f.port;
    g.rotatorSpeed = f.speed;
    g.rotorDisplay = f.type == kRotatorLevel1 && f.displayActual ? 0 : 1;
    return std::nullopt;
}

void TakeRotatorSettings(GeneralSettings& to, const GeneralSettings& from) {
    to.rotatorType = from.rotatorType;
    to.flip = from.flip;
    to.stopPosition = from.stopPosition;
    to.pacingDelay = from.pacingDelay;
    to.park = from.park;
    to.parkAz = from.parkAz;
    to.parkEl = from.parkEl;
    to.rotatorPort = from.rotatorPort;
    to.rotatorSpeed = from.rotatorSpeed;
    to.rotorDisplay = from.rotorDisplay;
}

bool RotatorSettingsChanged(const GeneralSettings& a, const GeneralSettings& b) {
    return a.rotatorType != b.rotatorType || a.flip != b.flip || a.stopPosition != b.stopPosition ||
           a.pacingDelay != b.pacingDelay || a.park != b.park || a.parkAz != b.parkAz || a.parkEl != b.parkEl ||
           a.rotatorPort != b.rotatorPort || a.rotatorSpeed != b.rotatorSpeed || a.rotorDisplay != b.rotorDisplay;
}

}  // namespace tarvon
