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

// "26 130.51782528": the year (two digits, or four) and the day of the year.
std::optional<std::string> CheckEpoch(const std::string& text) {
    const std::string message =
        "Epoch Time must be the year and the day of the year, such as \"26 130.51782528\" (day 1 to 366.99999999).";
    const size_t first = text.find_first_not_of(' ');
    const size_t gap = first == std::string::npos ? first : text.find(' ', first);
    uint32_t year = 0;
    double day = 0.0;
    if (gap == std::string::npos || CheckWholeNumber("", text.substr(first, gap - first), 0, 2099, year) ||
        (year > 99 && year < 1901) || CheckDecimal("", text.substr(gap), 1.0, 366.99999999, day)) {
        return message;
    }
    return std::nullopt;
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

std::optional<FieldProblem> CheckKepsFields(const KepsRecord& shown, const KepsEditFields& f) {
    if (f == FormatKepsFields(KepsRecord{})) return std::nullopt;
    using F = KepsField;
    auto at = [](F field, std::optional<std::string> message) -> std::optional<FieldProblem> {
        if (!message) return std::nullopt;
        return FieldProblem{static_cast<int>(field), *message};
    };
    uint32_t whole = 0;
    int32_t attitude = 0;
    double real = 0.0;
    auto decimal = [&](F field, const char* label, const std::string& text, double low, double high) {
        return [=, &real] { return at(field, CheckDecimal(label, text, low, high, real)); };
    };
    auto problem = FirstProblem(
        [&] { return at(F::Name, CheckText("Name", f.name, edit_limits::kName, true)); },
        [&] { return at(F::CatalogNumber, CheckWholeNumber("Catalogue Number", f.catalogNumber, 1, 65535, whole)); },
        [&] { return at(F::ElementSet, CheckWholeNumber("Element Set", f.elementSet, 0, 999999999, whole)); },
        [&] { return at(F::Epoch, CheckEpoch(f.epoch)); },
        decimal(F::MeanAnomaly, "Mean Anomaly", f.meanAnomaly, 0.0, 360.0),
        decimal(F::MeanMotion, "Mean Motion", f.meanMotion, 0.01, 20.0),
        decimal(F::Inclination, "Inclination", f.inclination, 0.0, 180.0),
        decimal(F::Eccentricity, "Eccentricity", f.eccentricity, 0.0, 0.999999),
        decimal(F::ArgPerigee, "Arg. of Perigee", f.argPerigee, 0.0, 360.0),
        decimal(F::Raan, "R.A.A.N.", f.raan, 0.0, 360.0),
        decimal(F::Decay, "Decay", f.decay, -0.999999, 0.999999),
        [&] { return at(F::OrbitNumber, CheckWholeNumber("Orbit Number", f.orbitNumber, 0, 9999999, whole)); },
        [&] {
            return f.blon.empty() ? std::nullopt : at(F::Blon, CheckSignedNumber("Blon", f.blon, -180, 180, attitude));
        },
        [&] {
            return f.blat.empty() ? std::nullopt : at(F::Blat, CheckSignedNumber("Blat", f.blat, -90, 90, attitude));
        },
        decimal(F::Beacon, "Beacon Freq", f.beaconMhz, 0.0, 300000.0),
        [&] { return at(F::Schedule, CheckText("Schedule", f.modeSchedule, edit_limits::kModeSchedule, false)); });
    if (problem) return problem;
    if (!ElementsCanBeAnOrbit(ApplyKepsFields(shown, f))) {
        return FieldProblem{static_cast<int>(F::MeanMotion),
                            "These elements cannot be an orbit around the Earth: with this Mean Motion and "
                            "Eccentricity the perigee lies below the ground."};
    }
    return std::nullopt;
}

KepsRecord ApplyKepsFields(const KepsRecord& shown, const KepsEditFields& f) {
    const KepsEditFields was = FormatKepsFields(shown);
    KepsRecord r = shown;
    CopyKepsName(r, f.name.c_str());
    r.catalogNumber = static_cast<uint16_t>(
        f.catalogNumber == was.catalogNumber ? shown.catalogNumber : UnsignedValue(f.catalogNumber.c_str()));
    r.elementSet = static_cast<int32_t>(IntegerOf(f.elementSet, was.elementSet, shown.elementSet));
    if (f.epoch != was.epoch) {
        // The day follows the year, whether the year has two digits or four.
        const size_t first = f.epoch.find_first_not_of(' ');
        const size_t gap = first == std::string::npos ? first : f.epoch.find(' ', first);
        r.epochYear = static_cast<int16_t>(IntegerValue(f.epoch.c_str()));
        r.epochDay = gap == std::string::npos ? 0.0 : RealValue(f.epoch.c_str() + gap);
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
