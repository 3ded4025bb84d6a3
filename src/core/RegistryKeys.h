#pragma once
// The registry keys the station reads and writes, each named once. All lie
// under HKEY_LOCAL_MACHINE except the user's international settings
// (HKEY_CURRENT_USER).
namespace tarvon {

inline constexpr const char* kGeneralKeyPath = "SOFTWARE\\Kova\\General";
inline constexpr const char* kStationKeyPath = "SOFTWARE\\Kova\\Station";
inline constexpr const char* kTarvonKeyPath = "SOFTWARE\\Kova\\Tarvon";
inline constexpr const char* kRotatorKeyPath = "SOFTWARE\\Kova\\Rotator";
inline constexpr const char* kSatellitesKeyPath = "SOFTWARE\\Kova\\Satellites";
// Every reader of the satellite list gives up after this many subkeys.
inline constexpr unsigned kMaxSatelliteKeys = 10000;
inline constexpr const char* kTransvertersKeyPath = "SOFTWARE\\Kova\\Transverters";
inline constexpr const char* kEventsKeyPath = "SOFTWARE\\Kova\\Tarvon\\Events";
// The companion programs' own keys.
inline constexpr const char* kVantKeyPath = "SOFTWARE\\Kova\\VANT";
inline constexpr const char* kPevrinKeyPath = "SOFTWARE\\Kova\\Pevrin";
inline constexpr const char* kScrivetKeyPath = "SOFTWARE\\Kova\\Scrivet";
inline constexpr const char* kBriskoKeyPath = "SOFTWARE\\Kova\\Brisko";
inline constexpr const char* kInternationalKeyPath = "Control Panel\\International";

}  // namespace tarvon
