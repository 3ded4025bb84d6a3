#pragma once
// The main window: class registration, creation, and its window procedure.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "core/ProcessState.h"
#include "core/Settings.h"
#include "ui/DisplayObjects.h"
#include "ui/MainLayout.h"

namespace tarvon {

class Registry;
class TrackingController;
struct KepsDatabase;
struct ScheduleState;
struct EventLists;
struct SchedulePass;
struct MapWindowState;

// What the station's subsystems contribute to the main window's life. Each
// hook is optional; start-up fills those whose subsystem exists.
struct MainWindowHooks {
    std::function<void()> runScheduler;       // message 2043, WM_TIMECHANGE, the Scheduling toggle
    std::function<void()> stopServices;       // WM_CLOSE, after the stop flags and events
    std::function<void()> saveAndRelease;     // WM_DESTROY, before the drawing objects go
    std::function<void(std::shared_ptr<SchedulePass>)> openNotification;  // message 2044
};

struct MainWindowState {
    HINSTANCE instance = nullptr;
    Registry* registry = nullptr;
    Settings* settings = nullptr;
    SyncObjects* sync = nullptr;
    RunFlags* flags = nullptr;
    ScheduleState* schedule = nullptr;  // once the schedule is built
    EventLists* events = nullptr;       // once the scheduled events are loaded
    TrackingController* tracking = nullptr;  // once the rotator is set up
    const KepsDatabase* keps = nullptr;
    MapWindowState* map = nullptr;      // the map window's state, once created
    MainWindowHooks hooks;

    HWND window = nullptr;
    HWND scrollBar = nullptr;
    HWND toolbar = nullptr;
    HMENU menu = nullptr;
    DisplayObjects display;
    MainLayout layout;
    int trackingCount = 2;
    int scheduleTop = 0;
    std::atomic<int> iconic{0};
    std::atomic<bool> popupMenuOpen{false};
    std::mutex textMutex;  // guards the clock and date texts, which the clock thread writes
    std::mutex rotorMutex;  // guards the rotor box's position, which the tracking threads write
    double rotorAzimuth = 0.0;
    double rotorElevation = 0.0;
    std::wstring clockText = L"  :  :   UTC";
    std::wstring dateText;
};

constexpr const wchar_t* kMainWindowClass = L"Tarvon";
constexpr const wchar_t* kMapWindowClass = L"Tarvon:Map";

bool RegisterStationClasses(HINSTANCE instance);

// Creates the window (hidden), its scroll bar and toolbar.
HWND CreateMainWindow(MainWindowState& state, int x, int y, int width, int height);

// Recomputes the layout from the font and client size and resizes the window.
void LayoutMainWindow(MainWindowState& state);

}  // namespace tarvon
