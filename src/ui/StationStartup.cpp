#include "ui/StationStartup.h"

#include <commctrl.h>

#include <filesystem>
#include <memory>
#include <system_error>

#include "core/ExceptionBarrier.h"
#include "core/LoggedNotices.h"
#include "core/ProcessState.h"
#include "core/PublicIds.h"
#include "core/SettingsStore.h"
#include "core/StationLogFile.h"
#include "core/Utf8Path.h"
#include "core/StationFields.h"
#include "hardware/RotatorSetup.h"
#include "hardware/StationSounds.h"
#include "hardware/TrackingController.h"
#include "orbit/KepsDatabase.h"
#include "orbit/ObserverGeometry.h"
#include "orbit/SatStateLists.h"
#include "passrun/PassExecution.h"
#include "passrun/PassHardware.h"
#include "hardware/TrackingData.h"
#include "platform/Waits.h"
#include "schedule/OrbitPassSource.h"
#include "schedule/ScheduleBuilder.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleSatStates.h"
#include "schedule/SchedulerEngine.h"
#include "schedule/TrackingList.h"
#include "ui/MainWindow.h"
#include "ui/MapState.h"
#include "ui/MapWindow.h"
#include "ui/MenuPrograms.h"
#include "ui/NotificationDialog.h"
#include "ui/StationHardware.h"
#include "ui/TrackingWindow.h"
#include "ui/WindowSchedulerPorts.h"
#include "win32/DdeService.h"
#include "win32/Utf8.h"
#include "win32/RrLibrary.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Notices.h"
#include "win32/Win32Processes.h"
#include "win32/Win32Registry.h"
#include "win32/Win32Sounds.h"

namespace tarvon {
namespace {

constexpr const char* kSetupIncomplete =
    "Kova setup has not been completed.  You must run the setup program before you can use Kova.";
constexpr const char* kSetupIncompleteCaption = "Kova Initialisation Error";
constexpr DWORD kClockThreadStack = 8192;
constexpr uint32_t kThreadJoinLimitMs = 10000;
// How long closing waits for the user's "Tarvon Shutdown" programs to end.
constexpr uint32_t kShutdownEventsLimitMs = 10000;

// The pass runner's modem, tracking, map and sounds as the user set them up.
class StationPassHardware final : public PassHardware {
public:
    StationPassHardware(Registry& registry, Sounds& sounds, const Settings& settings, ModemControl& modem)
        : PassHardware(sounds), registry_(registry), sounds_(sounds), settings_(settings), modem_(modem) {}
    void SetModemMode(const std::string& satName, Event& modemReady) override {
        modem_.SetModemMode(satName, modemReady);
    }
    void StartTracking(const std::string& satName) override { tracking->StartTracking(false, false, satName); }
    void StopTracking() override { tracking->StartTracking(true, true, ""); }
    void PlayErrorSound() override { Play(StationSound::Error, ""); }
    void PlayPrePassSound(const SchedulePass& pass) override { Play(StationSound::PrePass, pass.satName); }
    void SelectSatelliteOnMap(const std::string& satName) override {
        if (map) PostShowSatelliteOnMap(*map, satName);
    }
    void Play(StationSound sound, const std::string& satName) {
        PlayStationSound(registry_, sounds_, sound, satName, settings_.general.kovaDirectory);
    }

    TrackingController* tracking = nullptr;  // set once it exists, before any pass can run
    MapWindowState* map = nullptr;  // once the main window exists

private:
    Registry& registry_;
    Sounds& sounds_;
    const Settings& settings_;
    ModemControl& modem_;
};

// Everything the process owns from start-up to shutdown. Members that use
// others come after them, so they are destroyed first.
struct Station {
    Win32Registry registry;
    Win32Clock clock;
    RealWaits waits;
    Win32Notices notices;
    Win32Processes processes;
    Win32Sounds sounds;
    StationLogFile log{clock};
    // Every message box of the station is also on record in the log.
    LoggedNotices loggedNotices{notices, log};
    PlatformServices services{registry, clock, waits, loggedNotices, log};
    Settings settings;
    std::unique_ptr<SyncObjects> sync;
    RunFlags flags;
    KepsDatabase keps;
    MainWindowState main;
    std::unique_ptr<MapWindowState> map;
    TrackingDataBuffers trackingData;
    RrLibrary rr;
    WindowRotorDisplay rotorDisplay{main};
    // The hardware's messages never hold start-up or a pass: boxes that need no
    // answer are queued for the window's thread.
    StationHardware serial{{main, registry, waits, loggedNotices, sounds, settings, rotorDisplay}};
    StationPassHardware hardware{registry, sounds, settings, serial.modem};
    std::unique_ptr<TrackingController> tracking;
    std::unique_ptr<DdeService> dde;
    std::unique_ptr<OrbitPassSource> passSource;
    WindowSchedulerUi schedulerUi{main};
    std::unique_ptr<PassExecution> execution;
    std::unique_ptr<ScheduleState> schedule;
    // The orbit states a changed element database reaches (message 2037).
    SatStateLists satStates;
    std::unique_ptr<ScheduledSatStates> scheduledStates;
    std::unique_ptr<TrackingSatStates> trackedStates;
    std::unique_ptr<WindowClockDisplay> clockDisplay;
    HANDLE clockThread = nullptr;
};

// The log lives in the suite directory; without one, in the directory the
// station started in (a file dialog may change the current one later).
void OpenStationLog(Station& s) {
    std::error_code ec;
    std::filesystem::path folder = PathFromUtf8(s.settings.general.kovaDirectory);
    if (folder.empty()) folder = std::filesystem::current_path(ec);
    s.log.Open(folder);
}

// Told without holding anybody up: the box waits for the window.
void TellKepsDamage(Station& s, const KepsFileCheck& check) {
    if (!check.Damaged()) return;
    const std::string& dir = s.settings.general.kovaDirectory;
    s.loggedNotices.Show(KepsDamageNotice((dir.empty() ? "" : dir + "\\") + kKepsFileName, check), "Tarvon Error",
                         NoticeIcon::Exclamation);
}

// Message 2037: Kova.KEP was changed by another program (an import by the
// command-line tool) or a dialog. The table's other readers hold ScheduleLock.
// The station does not watch the file by itself: whoever changes it says so,
// and a program that writes it in place would be read half-way.
void RefreshElements(Station& s) {
    KepsFileCheck check;
    {
        std::lock_guard<std::recursive_mutex> lock(s.sync->scheduleLock);
        check = RefreshSatStatesFromKeps(s.keps, KepsFilePath(s.settings.general.kovaDirectory), s.satStates, 0.0);
    }
    s.log.Record("Elements taken from Kova.KEP");
    TellKepsDamage(s, check);
}

// A second copy of the program only brings the first one forward.
bool ActivateRunningInstance() {
    HWND running = FindWindowW(kMainWindowClass, nullptr);
    if (!running) return false;
    SetFocus(running);
    ShowWindow(running, SW_SHOWNORMAL);
    BringWindowToTop(running);
    SetForegroundWindow(running);
    return true;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsNotificationDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

DWORD WINAPI ClockThreadEntry(LPVOID parameter) {
    auto* s = static_cast<Station*>(parameter);
    RunGuarded(s->log, "clock thread", [s] { ClockThread(*s->schedule, *s->clockDisplay); });
    return 0;
}

// The map shows the Sun until a stored satellite is found.
void CreateMap(Station& s) {
    s.map = CreateMapState(MapServices{s.main.instance, s.main.window, s.settings, s.registry, s.keps, s.clock,
                                       [&s](bool stop, const std::string& name) -> uint32_t {
                                           return s.tracking ? s.tracking->StartTracking(stop, true, name) : 0;
                                       }});
    s.main.map = s.map.get();
    s.hardware.map = s.map.get();
    if (!s.settings.general.mapSat.empty()) ShowSatelliteOnMap(*s.map, s.settings.general.mapSat);
}

void CreateSubsystems(Station& s) {
    s.passSource = std::make_unique<OrbitPassSource>(s.keps, ObserverFromStation(s.settings.station),
                                                     PassSettingsFromRotator(s.settings.general), s.clock);
    s.execution = std::make_unique<PassExecution>(s.services, s.processes, *s.sync, s.settings, s.hardware);
    s.schedule = std::make_unique<ScheduleState>(
        ScheduleServices{s.services, *s.sync, s.flags, s.settings, *s.passSource, s.schedulerUi, *s.execution});
    s.execution->AttachSchedule(*s.schedule);
    s.clockDisplay = std::make_unique<WindowClockDisplay>(
        s.main, [&s] { s.hardware.Play(StationSound::TrackAos, ""); });
    s.main.schedule = s.schedule.get();
    s.main.events = &s.execution->Events();
    s.dde = std::make_unique<DdeService>(s.trackingData, s.loggedNotices);
    s.tracking = std::make_unique<TrackingController>(TrackingServices{
        s.services, *s.sync, s.settings, s.keps, ObserverFromStation(s.settings.station), s.trackingData,
        s.rotorDisplay, &s.rr, [&s] { s.hardware.Play(StationSound::Error, ""); }, &s.serial.rotator,
        [&s](uint32_t start) { PostMessageW(s.main.window, WM_TARVON_TRACKING_STARTED, start, 0); }});
    s.hardware.tracking = s.tracking.get();
    s.main.tracking = s.tracking.get();
    s.main.keps = &s.keps;
    s.scheduledStates = std::make_unique<ScheduledSatStates>(*s.schedule);
    s.trackedStates = std::make_unique<TrackingSatStates>(*s.schedule);
    s.satStates.Add(*s.scheduledStates);
    s.satStates.Add(*s.trackedStates);
    s.satStates.Add(MapSatStateList(*s.map));
}

// The station setup's OK. Readers of the station's values on other threads
// hold ScheduleLock; the rotator's are changed with nothing tracking and the
// serial rotator closed, and set up again as at start-up. Passes found for
// the old place would be worked at the wrong times: a move searches afresh.
void ApplyStationSetup(Station& s, const StationConfig& station, const GeneralSettings& rotator) {
    const StationConfig before = s.settings.station;
    const bool rotatorChanged = RotatorSettingsChanged(s.settings.general, rotator);
    const bool searchChanged = PositionChanged(before, station) || rotator.flip != s.settings.general.flip ||
                               rotator.stopPosition != s.settings.general.stopPosition;
    const ObserverGeo observer = ObserverFromStation(station);
    {
        std::lock_guard<std::recursive_mutex> lock(s.sync->scheduleLock);
        s.settings.station = station;
        s.passSource->SetStation(observer, PassSettingsFromRotator(rotator));
    }
    s.tracking->SetStation(observer);
    if (rotatorChanged) {
        s.serial.Close();
        s.tracking->ReconfigureRotator([&] { TakeRotatorSettings(s.settings.general, rotator); });
        s.serial.InitRotator(*s.tracking);
    }
    SetMapStation(*s.map, observer);
    s.trackedStates->AfterRefresh();
    if (searchChanged) RedoSchedule(*s.schedule);
    s.log.Record("Station setup changed");
}

void ConnectWindowHooks(Station& s) {
    s.main.hooks.applyStationSetup = [&s](const StationConfig& station, const GeneralSettings& rotator) {
        ApplyStationSetup(s, station, rotator);
    };
    s.main.hooks.runScheduler = [&s] { RunScheduler(*s.schedule); };
    s.main.hooks.refreshElements = [&s] { RefreshElements(s); };
    s.main.hooks.reloadEvents = [&s] { s.execution->LoadScheduledEvents(); };
    s.main.hooks.openNotification = [&s](std::shared_ptr<SchedulePass> pass) {
        NotificationDialog(s.main.instance, *s.schedule, pass);
    };
    s.main.hooks.runShutdownEvents = [&s] {
        if (!s.execution->RunShutdownEvents(kShutdownEventsLimitMs)) {
            s.log.Record("Closing without waiting longer for a \"Tarvon Shutdown\" program");
        }
    };
    s.main.hooks.stopServices = [&s] { s.dde->Stop(); };
    s.main.hooks.saveAndRelease = [&s] {
        // The clock thread draws with the window's font and brushes.
        if (s.clockThread) WaitForSingleObject(s.clockThread, kThreadJoinLimitMs);
        SaveScheduleFile(*s.schedule, ScheduleFilePath(s.settings));
        s.settings.general.mapOpen = IsMapWindowOpen(*s.map) ? 1 : 0;
        CloseMapWindow(*s.map);
        s.tracking->StartTracking(true, true, "");
        s.tracking->Shutdown();
        s.serial.Close();
    };
}

// Waits for the worker threads after the window is gone. When one of them
// cannot finish, the process ends here: everything worth keeping is saved.
void FinishThreads(Station& s, int exitCode) {
    bool finished = !s.clockThread || WaitForSingleObject(s.clockThread, kThreadJoinLimitMs) == WAIT_OBJECT_0;
    finished = s.execution->JoinThreadsWithin(kThreadJoinLimitMs) && finished;
    if (!finished) {
        s.log.Record("Tarvon ended without waiting for a thread that did not finish");
        ExitProcess(static_cast<UINT>(exitCode));
    }
    if (s.clockThread) CloseHandle(s.clockThread);
    s.schedule.reset();
}

}  // namespace

int RunStation(HINSTANCE instance, int showCommand) {
    if (ActivateRunningInstance()) return 0;

    auto station = std::make_unique<Station>();
    Station& s = *station;
    if (!LoadSettings(s.registry, s.clock, s.settings)) {
        s.notices.Show(kSetupIncomplete, kSetupIncompleteCaption, NoticeIcon::Exclamation);
        return -1;
    }
    OpenStationLog(s);
    s.log.Record("Tarvon started");
    const KepsFileCheck kepsCheck = LoadKepsDatabase(s.keps, KepsFilePath(s.settings.general.kovaDirectory));

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    s.sync = std::make_unique<SyncObjects>();
    s.sync->shutdown.Reset();

    if (!s.settings.general.kovaDirectory.empty()) {
        SetCurrentDirectoryW(Widen(s.settings.general.kovaDirectory).c_str());
    }
    if (!RegisterStationClasses(instance)) return -1;

    const bool haveTarvonKey = LoadWindowSettings(s.registry, s.settings.window);
    ApplyPlacementRule(s.settings.window, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const WindowSettings& w = s.settings.window;

    s.main.instance = instance;
    s.main.registry = &s.registry;
    s.main.clock = &s.clock;
    s.main.processes = &s.processes;
    s.main.settings = &s.settings;
    s.main.sync = s.sync.get();
    s.main.flags = &s.flags;
    s.main.log = &s.log;
    HWND window = CreateMainWindow(s.main, static_cast<int>(w.xLeft), static_cast<int>(w.yTop),
                                   static_cast<int>(w.cxWidth), static_cast<int>(w.cyHeight));
    if (!window) return -1;
    // From here on a worker's notice waits for the window instead of holding the worker up.
    s.notices.Attach(window, WM_TARVON_SHOW_NOTICES, WM_TARVON_REDRAW);
    s.main.notices = &s.notices;
    if (!haveTarvonKey) return 0;

    CreateDisplayFont(window, s.settings.window, s.main.display);
    CreateDrawingObjects(s.main.display);
    CreateMap(s);
    CreateSubsystems(s);
    ConnectWindowHooks(s);

    UpdateRotatorCommand(s.main, s.settings.general.rotatorType);
    s.main.hardware = &s.serial;
    s.main.driverLibrary = &s.rr;
    s.tracking->InitRotator();
    s.serial.InitRotator(*s.tracking);
    s.dde->Start();
    s.execution->LoadScheduledEvents();
    {
        std::lock_guard<std::recursive_mutex> lock(s.sync->scheduleLock);
        LoadTrackingList(s.schedule->tracking, s.registry, s.keps, ObserverFromStation(s.settings.station),
                         s.clock.NowUnix());
        s.main.trackingCount = s.schedule->tracking.count;
    }
    BuildSchedule(*s.schedule);
    ShowWindow(window, showCommand);
    BuildProgramsMenu(s.main);
    RunScheduler(*s.schedule);
    LayoutMainWindow(s.main);
    UpdateWindow(window);
    if (s.settings.general.mapOpen) OpenMapWindow(*s.map, false);
    s.clockThread = CreateThread(nullptr, kClockThreadStack, ClockThreadEntry, &s, 0, nullptr);
    s.execution->RunStartupEvents();
    TellKepsDamage(s, kepsCheck);

    const int exitCode = RunMessageLoop();
    FinishThreads(s, exitCode);
    s.log.Record("Tarvon ended");
    return exitCode;
}

}  // namespace tarvon
