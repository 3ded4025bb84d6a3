#include "orbit/ObserverFields.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tarvon {
namespace {

constexpr const char* kNoName = "Please enter a name for the observer.";
constexpr const char* kBadLatitude = "The latitude must be a number of degrees from 0 to 90.";
constexpr const char* kBadLongitude = "The longitude must be a number of degrees from 0 to 180.";
constexpr const char* kBadElevation = "The elevation must be a number of metres from -12000 to 100000.";

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The whole text as one number (blanks around it allowed).
bool ParseNumber(const std::string& text, double& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    value = std::strtod(begin, &end);
    if (end == begin) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0' && std::isfinite(value);
}

bool HasPrintableName(const std::string& name) {
    if (name.find_first_not_of(' ') == std::string::npos) return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) return false;
    }
    return true;
}

}  // namespace

ObserverFieldTexts FieldsFromObserverRecord(const ObserverRecord& r) {
    ObserverFieldTexts f;
    f.name = r.name;
    f.latitude = Format("%6.3f", std::fabs(r.latitude));
    f.south = r.latitude < 0.0;
    f.longitude = Format("%7.3f", std::fabs(r.longitude));
    f.west = r.longitude < 0.0;
    f.elevation = Format("%5.1f", r.elevation);
    return f;
}

std::string ObserverRecordFromFields(const ObserverFieldTexts& f, ObserverRecord& out) {
    if (!HasPrintableName(f.name)) return kNoName;
    double latitude = 0.0, longitude = 0.0, elevation = 0.0;
    if (!ParseNumber(f.latitude, latitude) || std::fabs(latitude) > 90.0) return kBadLatitude;
    if (!ParseNumber(f.longitude, longitude) || std::fabs(longitude) > 180.0) return kBadLongitude;
    if (!ParseNumber(f.elevation, elevation) || !IsUsableObserver(ObserverRecord{"x", 0.0, 0.0, elevation})) {
        return kBadElevation;
    }
    out = ObserverRecord{};
    std::strncpy(out.name, f.name.c_str(), kObserverNameFieldChars);
    out.latitude = f.south ? -std::fabs(latitude) : std::fabs(latitude);
    out.longitude = f.west ? -std::fabs(longitude) : std::fabs(longitude);
    out.elevation = elevation;
    return {};
}

}  // namespace tarvon
