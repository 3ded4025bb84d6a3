#include "core/SettingsStore.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "core/RegistryKeys.h"
#include "core/SettingsTable.h"

namespace tarvon {
namespace {

const DwordValue<StationConfig> kOperatingHourDwords[] = {
    {"Limit Hours", &StationConfig::limitHours},
    {"Start Hour", &StationConfig::startHour},
    {"Stop Hour", &StationConfig::stopHour},
};

const DwordValue<StationConfig> kListenHourDwords[] = {
    {"Listen Hours", &StationConfig::listenHours},
    {"Listen Start", &StationConfig::listenStart},
    {"Listen Stop", &StationConfig::listenStop},
};

const DoubleValue<StationConfig> kStationDoubles[] = {
    {"Longitude", &StationConfig::longitude},
    {"Latitude", &StationConfig::latitude},
    {"Altitude", &StationConfig::altitude},
};

// The values of the General Setup dialog ("Schedule Days" is kept apart:
// the station holds it in seconds).
const DwordValue<GeneralSettings, SharedNumber<uint32_t>> kGeneralSetupDwords[] = {
    {"Message Pop Ups", &GeneralSettings::messagePopUps},
    {"Pop Up Time", &GeneralSettings::popUpTime},
    {"Pass End Time", &GeneralSettings::passEndTime},
    {"Map Display", &GeneralSettings::mapDisplay},
    {"Display Time", &GeneralSettings::displayTime},
};
constexpr const char* kScheduleDaysName = "Schedule Days";
constexpr const char* kKovaDirectoryName = "Kova Directory";
constexpr uint32_t kDirectoryBuffer = 260;

const DwordValue<GeneralSettings> kTarvonDwords[] = {
    {"Rotor Display", &GeneralSettings::rotorDisplay},
    {"Map xLeft", &GeneralSettings::mapXLeft},
    {"Map yTop", &GeneralSettings::mapYTop},
    {"Map Open", &GeneralSettings::mapOpen},
};

const DwordValue<GeneralSettings> kMapOptionDwords[] = {
    {"Map Terminator Norm", &GeneralSettings::mapTerminatorNorm},
    {"Map Terminator Fast", &GeneralSettings::mapTerminatorFast},
    {"Map GroundTrack Norm", &GeneralSettings::mapGroundTrackNorm},
    {"Map GroundTrack Fast", &GeneralSettings::mapGroundTrackFast},
    {"Map Circle Norm", &GeneralSettings::mapCircleNorm},
    {"Map Circle Fast", &GeneralSettings::mapCircleFast},
    {"Map Origin", &GeneralSettings::mapOrigin},
    {"Map Speed", &GeneralSettings::mapSpeed},
};

const DwordValue<GeneralSettings> kRotatorDwords[] = {
    {"Rotator Type", &GeneralSettings::rotatorType},
    {"Stop Position", &GeneralSettings::stopPosition},
    {"Flip", &GeneralSettings::flip},
    {"Pacing Delay", &GeneralSettings::pacingDelay},
    {"Park", &GeneralSettings::park},
    {"Park El", &GeneralSettings::parkEl},
    {"Park Az", &GeneralSettings::parkAz},
    {"Port", &GeneralSettings::rotatorPort},
    {"Speed", &GeneralSettings::rotatorSpeed},
};

const DwordValue<WindowSettings> kPlacementDwords[] = {
    {"xLeft", &WindowSettings::xLeft},
    {"yTop", &WindowSettings::yTop},
    {"cxWidth", &WindowSettings::cxWidth},
    {"cyHeight", &WindowSettings::cyHeight},
};

const DwordValue<WindowSettings> kFontDwords[] = {
    {"Font Size", &WindowSettings::fontSize},
    {"Font Type", &WindowSettings::fontType},
};

const StringValue<WindowSettings> kFontName = {"Font Name", &WindowSettings::fontName, 32};

void LoadStation(Registry& registry, StationConfig& station) {
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, kStationKeyPath);
    if (!key) return;
    RegReadString(*key, "Callsign", station.callsign, 12);
    for (const auto& v : kStationDoubles) RegReadDouble(*key, v.name, station.*v.member);
    ReadDwords(*key, kOperatingHourDwords, station);
    ReadDwords(*key, kListenHourDwords, station);
}

void LoadTarvonValues(Registry& registry, GeneralSettings& general) {
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, kTarvonKeyPath);
    if (!key) return;
    ReadDwords(*key, kGeneralSetupDwords, general);
    ReadDwords(*key, kTarvonDwords, general);
    ReadDwords(*key, kMapOptionDwords, general);
    uint32_t days = general.scheduleSeconds / 86400;
    RegReadDword(*key, kScheduleDaysName, days);
    // A wrapped product would turn a huge day count into a negative or tiny
    // horizon; a year is far beyond any station's use.
    if (days > kMaxScheduleDays) days = kMaxScheduleDays;
    general.scheduleSeconds = days * 86400;
    general.mapSpeed = MapSpeedOrDefault(general.mapSpeed);
    if (general.mapOrigin >= 3) general.mapOrigin = 0;
    RegReadString(*key, "Map Sat", general.mapSat, 20);
}

void LoadRotatorValues(Registry& registry, GeneralSettings& general) {
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, kRotatorKeyPath);
    if (key) ReadDwords(*key, kRotatorDwords, general);
    ApplyRotatorRules(general);
}

std::string ReadShortDate(Registry& registry) {
    std::string shortDate = "dd/MM/yy";
    if (std::unique_ptr<RegKey> key = registry.Open(RegRoot::CurrentUser, kInternationalKeyPath)) {
        RegReadString(*key, "sShortDate", shortDate, 30);
    }
    return shortDate;
}

char DateLetter(char c) {
    switch (c) {
        case 'd': case 'D': return 'd';
        case 'M': case 'm': return 'm';
        case 'y': case 'Y': return 'y';
        default: return 0;
    }
}

}  // namespace

bool LoadSettings(Registry& registry, Clock& clock, Settings& settings) {
    {
        std::unique_ptr<RegKey> general = registry.Open(RegRoot::LocalMachine, kGeneralKeyPath);
        if (!general) return false;
        RegReadString(*general, kKovaDirectoryName, settings.general.kovaDirectory, kDirectoryBuffer);
    }
    LoadStation(registry, settings.station);
    LoadTarvonValues(registry, settings.general);
    LoadRotatorValues(registry, settings.general);
    settings.dateTimeFormat = DateTimeFormatForShortDate(ReadShortDate(registry));
    settings.timeZoneBiasSeconds = clock.TimeZoneBiasSeconds();
    return true;
}

bool LoadWindowSettings(Registry& registry, WindowSettings& window) {
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, kTarvonKeyPath);
    if (!key) return false;
    ReadDwords(*key, kPlacementDwords, window);
    ReadDwords(*key, kFontDwords, window);
    RegReadString(*key, kFontName.name, window.*kFontName.member, kFontName.bufferSize);
    RegReadByte(*key, "Font Pitch", window.fontPitch);
    return true;
}

void SaveWindowPlacement(Registry& registry, const GeneralSettings& general,
                         const WindowSettings& window) {
    std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kTarvonKeyPath);
    if (!key) return;
    RegWriteDword(*key, "Map xLeft", general.mapXLeft);
    RegWriteDword(*key, "Map yTop", general.mapYTop);
    RegWriteDword(*key, "Map Open", general.mapOpen);
    WriteDwords(*key, kPlacementDwords, window);
    if (!general.mapSat.empty()) RegWriteString(*key, "Map Sat", general.mapSat);
}

void SaveGeneralSetup(Registry& registry, const GeneralSettings& general, const std::string& kovaDirectory) {
    if (std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kTarvonKeyPath)) {
        WriteDwords(*key, kGeneralSetupDwords, general);
        RegWriteDword(*key, kScheduleDaysName, general.scheduleSeconds / 86400);
    }
    if (std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kGeneralKeyPath)) {
        RegWriteString(*key, kKovaDirectoryName, kovaDirectory);
    }
}

void TakeGeneralSetup(GeneralSettings& running, const GeneralSettings& edited) {
    for (const auto& v : kGeneralSetupDwords) running.*v.member = static_cast<uint32_t>(edited.*v.member);
    running.scheduleSeconds = static_cast<uint32_t>(edited.scheduleSeconds);
}

std::string StoredKovaDirectory(Registry& registry) {
    std::string directory;
    if (std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, kGeneralKeyPath)) {
        RegReadString(*key, kKovaDirectoryName, directory, kDirectoryBuffer);
    }
    return directory;
}

void SaveMapOptions(Registry& registry, const GeneralSettings& general) {
    std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kTarvonKeyPath);
    if (key) WriteDwords(*key, kMapOptionDwords, general);
}

uint32_t MapSpeedOrDefault(uint32_t speed) { return speed == 0 || speed > 10000 ? 100 : speed; }

void SaveStationPosition(Registry& registry, const StationConfig& station) {
    std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kStationKeyPath);
    if (!key) return;
    RegWriteString(*key, "Callsign", station.callsign);
    for (const auto& v : kStationDoubles) RegWriteDouble(*key, v.name, station.*v.member);
    WriteDwords(*key, kOperatingHourDwords, station);
}

void SaveRotatorSettings(Registry& registry, const GeneralSettings& general) {
    if (std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kRotatorKeyPath)) {
        WriteDwords(*key, kRotatorDwords, general);
    }
    if (std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kTarvonKeyPath)) {
        RegWriteDword(*key, "Rotor Display", general.rotorDisplay);
    }
}

void ApplyRotatorRules(GeneralSettings& general) {
    if (general.pacingDelay > 50) general.pacingDelay = 50;
    // A speed the port cannot be set to would only fail later, at a pass.
    if (std::find(std::begin(kRotatorSpeeds), std::end(kRotatorSpeeds), general.rotatorSpeed) ==
        std::end(kRotatorSpeeds)) {
        general.rotatorSpeed = 9600;
    }
    if (general.rotatorType != 2) general.rotorDisplay = 1;
}

void SaveFontSettings(Registry& registry, const WindowSettings& window) {
    std::unique_ptr<RegKey> key = registry.Create(RegRoot::LocalMachine, kTarvonKeyPath);
    if (!key) return;
    WriteDwords(*key, kFontDwords, window);
    RegWriteByte(*key, "Font Pitch", window.fontPitch);
    RegWriteString(*key, kFontName.name, window.*kFontName.member);
}

std::string DateTimeFormatForShortDate(std::string_view shortDate) {
    size_t firstSlash = shortDate.find('/');
    if (shortDate.empty() || firstSlash == std::string_view::npos) return kDefaultDateTimeFormat;
    size_t secondSlash = shortDate.find('/', firstSlash + 1);
    if (secondSlash == std::string_view::npos) return kDefaultDateTimeFormat;
    // A slash at the very end leaves no third letter.
    char picked[3] = {DateLetter(shortDate[0]),
                      firstSlash + 1 < shortDate.size() ? DateLetter(shortDate[firstSlash + 1]) : '\0',
                      secondSlash + 1 < shortDate.size() ? DateLetter(shortDate[secondSlash + 1]) : '\0'};
    if (!picked[0] || !picked[1] || !picked[2]) return kDefaultDateTimeFormat;
    std::string format = kDefaultDateTimeFormat;  // "%d-%m-%y %H:%M:%S"
    format[1] = picked[0];
    format[4] = picked[1];
    format[7] = picked[2];
    return format;
}

void ApplyPlacementRule(WindowSettings& window, int screenWidth, int screenHeight) {
    const int x = static_cast<int32_t>(window.xLeft);
    const int y = static_cast<int32_t>(window.yTop);
    const int w = static_cast<int32_t>(window.cxWidth);
    const int h = static_cast<int32_t>(window.cyHeight);
    const bool usable = x >= 0 && y >= 0 && w >= 50 && h >= 50 && x <= screenWidth - 10 &&
                        w <= screenWidth && y <= screenHeight - 10 && h <= screenHeight;
    if (usable) return;
    window.xLeft = window.yTop = window.cxWidth = window.cyHeight = kUseDefaultPosition;
}

}  // namespace tarvon
