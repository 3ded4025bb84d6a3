#pragma once
// The main window: class registration, creation, and its window procedure.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/ProcessState.h"
#include "core/Settings.h"
#include "ui/DisplayObjects.h"
#include "ui/MainLayout.h"

namespace tarvon {

class Registry;
class Clock;
class RrLibrary;
class TrackingController;
class Win32Notices;
class StationLog;
struct KepsDatabase;
class Clock;
class Processes;
struct ScheduleState;
struct EventLists;
struct SchedulePass;
struct MapWindowState;
class StationHardware;

// What the station's subsystems contribute to the main window's life. Each
// hook is optional; start-up fills those whose subsystem exists.
struct MainWindowHooks {
    std::function<void()> runScheduler;       // message 2043, WM_TIMECHANGE, the Scheduling toggle
    std::function<void()> runShutdownEvents;  // WM_CLOSE, before ShutdownEvent is set
    std::function<void()> stopServices;       // WM_CLOSE, after the stop flags and events
    std::function<void()> saveAndRelease;     // WM_DESTROY, before the drawing objects go
    std::function<void(std::shared_ptr<SchedulePass>)> openNotification;  // message 2044
    std::function<void()> refreshElements;    // message 2037: Kova.KEP changed
    std::function<void()> reloadEvents;       // the Schedule Events dialog changed an event
    // The station setup's OK: the running station follows the new station
    // and rotator values (written to the registry already).
    std::function<void(const StationConfig&, const GeneralSettings&)> applyStationSetup;
};

// Threads: the window thread owns this state. Values other threads touch
// say how, next to them; everything else is the window thread's alone.
struct MainWindowState {
    HINSTANCE instance = nullptr;
    Registry* registry = nullptr;
    Clock* clock = nullptr;
    Processes* processes = nullptr;
    Settings* settings = nullptr;
    SyncObjects* sync = nullptr;
    RunFlags* flags = nullptr;
    ScheduleState* schedule = nullptr;  // once the schedule is built
    EventLists* events = nullptr;       // once the scheduled events are loaded
    TrackingController* tracking = nullptr;  // once the rotator is set up
    const KepsDatabase* keps = nullptr;
    MapWindowState* map = nullptr;      // the map window's state, once created
    Win32Notices* notices = nullptr;         // shows the boxes other threads queue
    StationLog* log = nullptr;               // what the window's exception barrier caught
    StationHardware* hardware = nullptr;  // the serial rotator and modem
    RrLibrary* driverLibrary = nullptr;   // "Level1"'s rr.dll, for its set-up dialog
    MainWindowHooks hooks;

    // Set before the clock thread starts, constant afterwards.
    HWND window = nullptr;
    HWND scrollBar = nullptr;
    HWND toolbar = nullptr;
    HMENU menu = nullptr;

    // The window thread writes these under layoutMutex (data only, never
    // around a call that sends the window messages); the clock thread draws
    // while holding it, so a font or layout change never happens mid-line.
    std::mutex layoutMutex;
    DisplayObjects display;
    MainLayout layout;

    int trackingCount = 2;  // window thread
    int editKepsSlot = 0;   // window thread: the slot "Edit Satellite Data" shows, kept between openings
    int scheduleTop = 0;    // window thread; the clock thread posts WM_TARVON_SCROLL_HOME
    std::atomic<int> iconic{0};
    std::atomic<bool> popupMenuOpen{false};
    std::mutex textMutex;  // guards the texts below, which the clock thread writes
    std::wstring clockText = L"  :  :   UTC";
    std::wstring dateText;
    std::wstring nextPassName;       // empty while nothing is counted down
    std::wstring nextPassCountdown;
    std::wstring titleText;  // taken by the window on WM_TARVON_SET_TITLE
    // The tracking lines last drawn, so that a repaint shows them at once.
    std::vector<std::pair<std::wstring, bool>> trackingLineTexts;  // text, above the horizon
    std::mutex rotorMutex;  // guards the rotor box's position, which the tracking threads write
    double rotorAzimuth = 0.0;
    double rotorElevation = 0.0;
    // What the rotor box shows, and when it was last drawn whole (window thread).
    double drawnAzimuth = 0.0;
    double drawnElevation = 0.0;
    int64_t rotorWholeDrawnAt = 0;
};

constexpr const wchar_t* kMainWindowClass = L"Tarvon";
constexpr const wchar_t* kMapWindowClass = L"Tarvon:Map";

bool RegisterStationClasses(HINSTANCE instance);

// Creates the window (hidden), its scroll bar and toolbar.
HWND CreateMainWindow(MainWindowState& state, int x, int y, int width, int height);

// Recomputes the layout from the font and client size and resizes the window.
void LayoutMainWindow(MainWindowState& state);

}  // namespace tarvon
