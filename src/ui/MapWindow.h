#pragma once
// The "Graphic Tracking" window: one satellite or the Sun over a world map,
// in real time or fast motion, with the look angles of up to five observers.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace tarvon {

class Clock;
class Registry;
struct KepsDatabase;
struct MapWindowState;
struct ObserverGeo;
struct Settings;

struct MapServices {
    HINSTANCE instance;
    HWND mainWindow;
    Settings& settings;
    Registry& registry;
    const KepsDatabase& keps;
    Clock& clock;
    // Starts rotator tracking of the named satellite, or stops it.
    std::function<uint32_t(bool stop, const std::string& name)> track;  // returns the start's number
};

// The map's state for the program's life; the map shows the Sun until a
// satellite is chosen.
std::unique_ptr<MapWindowState> CreateMapState(const MapServices& services);

LRESULT CALLBACK MapWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the window, or brings it forward when it is open. With
// `activate` false a new window appears without taking the focus.
void OpenMapWindow(MapWindowState& state, bool activate = true);
bool IsMapWindowOpen(const MapWindowState& state);
// Closes the window and stops its thread; nothing happens when it is shut.
void CloseMapWindow(MapWindowState& state);

// Makes the named database satellite, or "The Sun", the map's body. An
// unknown name changes nothing (false). Window thread only.
bool ShowSatelliteOnMap(MapWindowState& state, const std::string& name);

// Lets the rotator follow the map's satellite, as the map's own Enable
// Rotator does. Window thread only.
void StartMapRotatorTracking(MapWindowState& state);

// Start number `start` of the rotator tracking was announced: when another
// than the map started or stopped it, the map's Enable Rotator is no longer
// checked. Window thread only.
void OnTrackingStarted(MapWindowState& state, uint32_t start);

// The panel's text in the display font the user just chose. Window thread only.
void FollowDisplayFont(MapWindowState& state);

// For worker threads: asks the main window (message
// WM_TARVON_SHOW_ON_MAP) to open the map and show the satellite.
void PostShowSatelliteOnMap(MapWindowState& state, const std::string& name);
// The main window's handler of that message.
void TakePostedMapSatellite(MapWindowState& state);

// Window thread: the station moved; its row of the observer table, the
// countdown and the look angles follow at once.
void SetMapStation(MapWindowState& state, const ObserverGeo& station);

// The element-refresh lists reach the map satellite through this.
class SatStateList;
SatStateList& MapSatStateList(MapWindowState& state);

}  // namespace tarvon
