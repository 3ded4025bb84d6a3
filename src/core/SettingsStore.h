#pragma once
// Loading and saving the settings of SOFTWARE\Kova\General, \Station,
// \Tarvon and \Rotator. Each value is declared once, in SettingsStore.cpp.
#include <string>
#include <string_view>

#include "core/Settings.h"
#include "platform/Clock.h"
#include "platform/Registry.h"

namespace tarvon {

// Fills everything but the window and font values. False when
// SOFTWARE\Kova\General cannot be opened: the suite was never set up.
bool LoadSettings(Registry& registry, Clock& clock, Settings& settings);

// The window position and font values. False when SOFTWARE\Kova\Tarvon
// cannot be opened; the defaults stay in place then.
bool LoadWindowSettings(Registry& registry, WindowSettings& window);

// Written at shutdown: both windows' positions, the main window's size,
// whether the map was open and, when one is chosen, the map's satellite.
void SaveWindowPlacement(Registry& registry, const GeneralSettings& general,
                         const WindowSettings& window);

// Written by the General Setup dialog: its values of SOFTWARE\Kova\Tarvon
// and the suite directory.
void SaveGeneralSetup(Registry& registry, const GeneralSettings& general, const std::string& kovaDirectory);
// The running station takes the dialog's values at once, each a single
// store that the threads reading it see whole.
void TakeGeneralSetup(GeneralSettings& running, const GeneralSettings& edited);
// The suite directory as stored now, which may differ from the one the
// station runs in.
std::string StoredKovaDirectory(Registry& registry);

// Written by the map's options dialog: the drawing options, speed and origin.
void SaveMapOptions(Registry& registry, const GeneralSettings& general);
// "Map Speed" as the map uses it: 0 or above 10000 means 100.
uint32_t MapSpeedOrDefault(uint32_t speed);

// Written by the station setup's Position page: the callsign, the position
// and the operating hours (the listen hours are not the page's).
void SaveStationPosition(Registry& registry, const StationConfig& station);

// Written by the station setup's Rotator page: the rotator values and
// "Rotor Display" (in SOFTWARE\Kova\Tarvon).
void SaveRotatorSettings(Registry& registry, const GeneralSettings& general);
// The rotator values as the station uses them, whether loaded or just set:
// the pacing delay at most 50 ms, a speed the port offers, and the rotor
// display showing the commanded position unless the driver reads it back.
void ApplyRotatorRules(GeneralSettings& general);

// Written by the font selection.
void SaveFontSettings(Registry& registry, const WindowSettings& window);

// The date part of `kDefaultDateTimeFormat` in the order of a short-date
// setting such as "MM/dd/yyyy"; the default format when the setting is not
// three known letters separated by "/".
std::string DateTimeFormatForShortDate(std::string_view shortDate);

// A stored window position is kept only when it lies on the screen and is of
// a usable size; otherwise all four values become the system's default.
void ApplyPlacementRule(WindowSettings& window, int screenWidth, int screenHeight);

// The longest schedule horizon taken from "Schedule Days".
constexpr uint32_t kMaxScheduleDays = 366;

}  // namespace tarvon
