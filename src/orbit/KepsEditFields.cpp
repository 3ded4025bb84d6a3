#include "orbit/KepsEditFields.h"

#include <cstdio>
#include <cstring>

#include "orbit/ElementFields.h"

namespace tarvon {
namespace {

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char text[96];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// The stored value when the text is unchanged, else the text's value.
double RealOf(const std::string& text, const std::string& shown, double stored) {
    return text == shown ? stored : RealValue(text.c_str());
}

long IntegerOf(const std::string& text, const std::string& shown, long stored) {
    return text == shown ? stored : IntegerValue(text.c_str());
}

}  // namespace

KepsEditFields FormatKepsFields(const KepsRecord& r) {
    KepsEditFields f;
    f.name = r.name;
    f.catalogNumber = Format("%u", static_cast<unsigned>(r.catalogNumber));
    f.elementSet = Format("%li", static_cast<long>(r.elementSet));
    f.epoch = Format("%2d %12.8f", static_cast<int>(r.epochYear), r.epochDay);
    f.meanAnomaly = Format("%f", r.meanAnomaly);
    f.meanMotion = Format("%f", r.meanMotion);
    f.inclination = Format("%f", r.inclination);
    f.eccentricity = Format("%f", r.eccentricity);
    f.argPerigee = Format("%f", r.argPerigee);
    f.raan = Format("%f", r.raan);
    f.decay = Format("%f", r.decay);
    f.orbitNumber = Format("%ld", static_cast<long>(r.epochOrbit));
    if (r.blon != kAttitudeNotSet) {
        f.blon = Format("%d", static_cast<int>(r.blon));
        f.blat = Format("%d", static_cast<int>(r.blat));
    }
    f.beaconMhz = Format("%11.6f", r.beaconMhz);
    f.modeSchedule = r.modeSchedule;
    return f;
}

KepsRecord ApplyKepsFields(const KepsRecord& shown, const KepsEditFields& f) {
    const KepsEditFields was = FormatKepsFields(shown);
    KepsRecord r = shown;
    CopyKepsName(r, f.name.c_str());
    r.catalogNumber = static_cast<uint16_t>(
        f.catalogNumber == was.catalogNumber ? shown.catalogNumber : UnsignedValue(f.catalogNumber.c_str()));
    r.elementSet = static_cast<int32_t>(IntegerOf(f.elementSet, was.elementSet, shown.elementSet));
    if (f.epoch != was.epoch) {
        r.epochYear = static_cast<int16_t>(IntegerValue(f.epoch.c_str()));
        r.epochDay = f.epoch.size() > 2 ? RealValue(f.epoch.c_str() + 2) : 0.0;
    }
    r.meanAnomaly = RealOf(f.meanAnomaly, was.meanAnomaly, shown.meanAnomaly);
    r.meanMotion = RealOf(f.meanMotion, was.meanMotion, shown.meanMotion);
    r.inclination = RealOf(f.inclination, was.inclination, shown.inclination);
    r.eccentricity = RealOf(f.eccentricity, was.eccentricity, shown.eccentricity);
    r.argPerigee = RealOf(f.argPerigee, was.argPerigee, shown.argPerigee);
    r.raan = RealOf(f.raan, was.raan, shown.raan);
    r.decay = RealOf(f.decay, was.decay, shown.decay);
    r.epochOrbit = static_cast<int32_t>(IntegerOf(f.orbitNumber, was.orbitNumber, shown.epochOrbit));
    if (f.blon.empty() || f.blat.empty()) {
        r.blon = r.blat = kAttitudeNotSet;
    } else {
        r.blon = static_cast<int16_t>(IntegerOf(f.blon, was.blon, shown.blon));
        r.blat = static_cast<int16_t>(IntegerOf(f.blat, was.blat, shown.blat));
    }
    r.beaconMhz = RealOf(f.beaconMhz, was.beaconMhz, shown.beaconMhz);
    std::memset(r.modeSchedule, 0, sizeof r.modeSchedule);
    std::strncpy(r.modeSchedule, f.modeSchedule.c_str(), edit_limits::kModeSchedule);
    return r;
}

}  // namespace tarvon
