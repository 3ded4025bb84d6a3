#include "ui/MapWindow.h"

#include <cstdlib>
#include <cstring>

#include "core/PublicIds.h"
#include "core/Settings.h"
#include "core/TimeScales.h"
#include "orbit/KepsDatabase.h"
#include "orbit/ObserverDatabase.h"
#include "orbit/ObserverGeometry.h"
#include "ui/ChangeObserversDialog.h"
#include "ui/DisplayObjects.h"
#include "ui/Help.h"
#include "ui/MainWindow.h"
#include "ui/MapDraw.h"
#include "ui/MapMotion.h"
#include "ui/MapOptionsDialog.h"
#include "ui/MapTexts.h"
#include "ui/RunPassDialog.h"
#include "win32/Utf8.h"
#include "ui/UiBarrier.h"

namespace tarvon {
namespace {

constexpr const wchar_t* kMapTitle = L"Tarvon - Graphic Tracking";
constexpr DWORD kMapStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr const wchar_t* kNothingToTrack = L"The Sun cannot be tracked by the rotator.  Select a satellite first.";

MapWindowState* StateOf(HWND window) {
    return reinterpret_cast<MapWindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The window size that holds the map and the panel exactly.
SIZE WindowSizeFor(const MapWindowState& s) {
    RECT r{0, 0, kMapWidth, MapClientHeight(s.frame, s.observerCount)};
    AdjustWindowRectEx(&r, kMapStyle, TRUE, 0);
    return {r.right - r.left, r.bottom - r.top};
}

void FitWindow(MapWindowState& s) {
    const SIZE size = WindowSizeFor(s);
    SetWindowPos(s.window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(s.window, nullptr, FALSE);
}

// A stored position far off the screen gives the system's default.
POINT StartPosition(const GeneralSettings& g) {
    const int x = static_cast<int>(g.mapXLeft), y = static_cast<int>(g.mapYTop);
    if (x >= -420 && y >= 0 && x <= GetSystemMetrics(SM_CXSCREEN) - 40 && y <= GetSystemMetrics(SM_CYSCREEN) - 40) {
        return {x, y};
    }
    return {CW_USEDEFAULT, CW_USEDEFAULT};
}

void SetTimeNow(MapWindowState& s) {
    std::lock_guard<std::mutex> guard(s.lock);
    s.scene.unixTime = CurrentUnixTime(*s.clock);
    s.scene.time = DayNumberFromUnixTime(s.scene.unixTime);
}

void AddPlace(MapWindowState& s, int x, int y) {
    const MapPosition p = MapReadout(x, y, s.settings->general.mapOrigin);
    {
        std::lock_guard<std::mutex> guard(s.lock);
        const int slot = s.observerCount < kMapObserverLimit ? s.observerCount++ : kMapObserverLimit - 1;
        ObserverGeo o;
        std::strncpy(o.name, MapPlaceName(p.latitude, p.westLongitude).c_str(), sizeof o.name - 1);
        o.latitude = p.latitude * 0.017453292519943295;
        o.longitude = p.westLongitude * 0.017453292519943295;
        s.observers[slot] = o;
    }
    FitWindow(s);
}

void ShowLocalTime(MapWindowState& s, int x, int y) {
    const MapPosition p = MapReadout(x, y, s.settings->general.mapOrigin);
    int32_t mapTime;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        mapTime = s.scene.unixTime;
    }
    const std::wstring text = Widen(LocalTimeBoxText(mapTime, p.westLongitude));
    POINT at{x + 8, y + 8};
    ClientToScreen(s.window, &at);
    s.timeBox = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", text.c_str(),
                                WS_POPUP | WS_BORDER | SS_CENTER, at.x, at.y, 130, 18, s.window, nullptr,
                                s.instance, nullptr);
    SendMessageW(s.timeBox, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ShowWindow(s.timeBox, SW_SHOWNOACTIVATE);
    SetCapture(s.window);
}

void HideLocalTime(MapWindowState& s) {
    if (!s.timeBox) return;
    DestroyWindow(s.timeBox);
    s.timeBox = nullptr;
    ReleaseCapture();
    InvalidateRect(s.window, nullptr, FALSE);
}

void SelectSatellite(MapWindowState& s) {
    std::vector<std::string> names{kSunName};
    for (const KepsRecord& r : s.keps->slots) {
        if (!IsFreeSlot(r)) names.emplace_back(r.name);
    }
    if (auto chosen = ChooseFromList(s.window, names, L"Select Satellite", IDH_MAP_SELECT_SATELLITE)) {
        ShowSatelliteOnMap(s, *chosen);
    }
}

void ChooseOptions(MapWindowState& s) {
    if (!MapOptionsDialog(s.window, *s.registry, s.settings->general)) return;
    ApplyDrawingOptions(s);
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.trackValid = false;
        s.terminatorValid = false;
    }
    InvalidateRect(s.window, nullptr, FALSE);
    WakeMap(s);
}

void ChooseObservers(MapWindowState& s) {
    std::vector<std::string> shown;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        for (int i = 0; i < s.observerCount; ++i) shown.emplace_back(s.observers[i].name);
    }
    std::vector<ObserverGeo> chosen;
    if (!ChangeObserversDialog(s.window, s.observerFile, shown, chosen)) return;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.observerCount = 1;
        for (const ObserverGeo& o : chosen) {
            if (s.observerCount == kMapObserverLimit) break;
            s.observers[s.observerCount++] = o;
        }
    }
    FitWindow(s);
}

// The rotator follows the map's satellite until this is toggled off, the
// window closes or the satellite changes.
void SetRotatorTracking(MapWindowState& s, bool on) {
    if (on == s.rotatorTracking) return;
    std::string name;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (on && s.scene.bodyIsSun) {
            MessageBoxW(s.window, kNothingToTrack, L"Tarvon", MB_OK | MB_ICONINFORMATION);
            return;
        }
        name = s.scene.body.name;
    }
    s.rotatorTracking = on;
    if (s.trackRotator) s.ownTrackingStart = s.trackRotator(!on, on ? name : std::string());
    if (s.window) CheckMenuItem(GetMenu(s.window), IDM_MAP_ENABLE_ROTATOR, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void OnCommand(MapWindowState& s, int id) {
    switch (id) {
    case IDM_MAP_EXIT: CloseMapWindow(s); return;
    case IDM_MAP_SELECT_SATELLITE: SelectSatellite(s); return;
    case IDM_MAP_ENABLE_ROTATOR: SetRotatorTracking(s, !s.rotatorTracking); return;
    case IDM_MAP_FAST_FORWARD: ToggleFastMotion(s); return;
    case IDM_MAP_CHANGE_DIRECTION: ChangeMapDirection(s); return;
    case IDM_MAP_PAUSE: ToggleMapPause(s); return;
    case IDM_MAP_OPTIONS: ChooseOptions(s); return;
    case IDM_MAP_CHANGE_OBSERVERS: ChooseObservers(s); return;
    case IDM_MAP_HELP: ShowHelp(s.window, IDH_MAP_WINDOW); return;
    case IDM_MAP_HELP_INDEX: ShowHelp(s.window, IDH_CONTENTS); return;
    default: return;
    }
}

void OnChar(MapWindowState& s, wchar_t c) {
    switch (c) {
    case L'f': case L'F': ToggleFastMotion(s); return;
    case L'd': case L'D': ChangeMapDirection(s); return;
    case L'p': case L'P': case L' ': ToggleMapPause(s); return;
    default: return;
    }
}

void OnMove(MapWindowState& s) {
    if (IsIconic(s.window)) return;
    RECT r;
    GetWindowRect(s.window, &r);
    s.settings->general.mapXLeft = static_cast<uint32_t>(r.left);
    s.settings->general.mapYTop = static_cast<uint32_t>(r.top);
}

void OnPaint(MapWindowState& s) {
    PAINTSTRUCT ps;
    BeginPaint(s.window, &ps);
    EndPaint(s.window, &ps);
    MapDraw(s, true);
}

LRESULT Dispatch(MapWindowState& s, UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (message) {
    case WM_PAINT: OnPaint(s); return 0;
    case WM_COMMAND: OnCommand(s, LOWORD(wParam)); return 0;
    case WM_CHAR: OnChar(s, static_cast<wchar_t>(wParam)); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN) ChangeFastStep(s, wParam == VK_UP);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (y < kMapHeight) AddPlace(s, x, y);
        return 0;
    case WM_RBUTTONDOWN:
        if (y < kMapHeight && !s.timeBox) ShowLocalTime(s, x, y);
        return 0;
    case WM_RBUTTONUP: HideLocalTime(s); return 0;
    case WM_MOVE: OnMove(s); return 0;
    case WM_CLOSE: CloseMapWindow(s); return 0;
    case WM_HELP: ShowHelp(s.window, IDH_MAP_WINDOW); return TRUE;
    default: return DefWindowProcW(s.window, message, wParam, lParam);
    }
}

// The drawing surface with the display font, everything on it to be drawn anew.
void MakeFrame(MapWindowState& s) {
    DisplayObjects font;
    CreateDisplayFont(s.window, s.settings->window, font);
    s.frame.font = font.font;
    s.frame.charWidth = font.charWidth;
    s.frame.lineHeight = font.lineHeight;
    CreateMapFrame(s);
    std::lock_guard<std::mutex> guard(s.lock);
    s.trackValid = false;
    s.terminatorValid = false;
    s.lastMarker = LastMarker{};
}

}  // namespace

void MapWindowState::ForEachSatState(const std::function<void(SatState&)>& visit) {
    std::lock_guard<std::mutex> guard(lock);
    if (!scene.bodyIsSun) visit(scene.body);
    trackValid = false;
}

void MapWindowState::AfterRefresh() {
    if (window) InvalidateRect(window, nullptr, FALSE);
}

std::unique_ptr<MapWindowState> CreateMapState(const MapServices& services) {
    auto s = std::make_unique<MapWindowState>();
    s->instance = services.instance;
    s->mainWindow = services.mainWindow;
    s->settings = &services.settings;
    s->registry = &services.registry;
    s->keps = &services.keps;
    s->clock = &services.clock;
    s->trackRotator = services.track;
    s->station = ObserverFromStation(services.settings.station);
    s->observers[0] = s->station;
    s->observerFile = ObserverFilePath(services.settings.general.kovaDirectory);
    ShowSunInScene(s->scene);
    if (const char* log = std::getenv("TARVON_MAP_LOG")) s->debugLog = std::fopen(log, "a");
    ApplyDrawingOptions(*s);
    return s;
}

LRESULT CALLBACK MapWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    MapWindowState* s = StateOf(window);
    if (!s || s->window != window) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return Dispatch(*s, message, wParam, lParam);
    } catch (...) {
        RecordCaughtInWindow("map window");
        return 0;
    }
}

void SetMapStation(MapWindowState& s, const ObserverGeo& station) {
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.station = station;
        s.observers[0] = station;
        s.nextEventWanted = true;
    }
    if (s.window) InvalidateRect(s.window, nullptr, FALSE);
}

bool IsMapWindowOpen(const MapWindowState& s) { return s.window != nullptr; }

void OpenMapWindow(MapWindowState& s, bool activate) {
    if (s.window) {
        if (activate) {
            if (IsIconic(s.window)) ShowWindow(s.window, SW_RESTORE);
            SetForegroundWindow(s.window);
        }
        return;
    }
    s.wake = CreateEventW(nullptr, FALSE, TRUE, nullptr);
    s.waitMs = kRealTimeWaitMs;
    const POINT at = StartPosition(s.settings->general);
    HWND window = CreateWindowExW(0, kMapWindowClass, kMapTitle, kMapStyle, at.x, at.y, 522, 400, nullptr, nullptr,
                                  s.instance, &s);
    if (!window) {
        CloseHandle(s.wake);
        s.wake = nullptr;
        return;
    }
    s.window = window;
    MakeFrame(s);
    ResetToRealTime(s);
    SetTimeNow(s);
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.nextEventWanted = true;
    }
    const SIZE size = WindowSizeFor(s);
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    OnMove(s);
    EnableMenuItem(GetMenu(window), IDM_MAP_ENABLE_ROTATOR,
                   MF_BYCOMMAND | (s.settings->general.rotatorType != 0 ? MF_ENABLED : MF_GRAYED));
    StartMapThread(s);
    ShowWindow(window, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
    UpdateWindow(window);
}

void CloseMapWindow(MapWindowState& s) {
    if (!s.window) return;
    StopMapThread(s);
    HideLocalTime(s);
    SetRotatorTracking(s, false);
    HWND window = s.window;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        FreeMapFrame(s.frame);
        s.window = nullptr;
    }
    DestroyWindow(window);
    CloseHandle(s.wake);
    s.wake = nullptr;
    if (s.mainWindow && IsWindow(s.mainWindow)) SetFocus(s.mainWindow);
}

bool ShowSatelliteOnMap(MapWindowState& s, const std::string& name) {
    const bool sun = _stricmp(name.c_str(), kSunName) == 0;
    const int slot = sun ? -1 : FindKepsByName(*s.keps, name.c_str());
    if (!sun && slot < 0) return false;
    SetRotatorTracking(s, false);
    ResetToRealTime(s);
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.scene.unixTime = CurrentUnixTime(*s.clock);
        s.scene.time = DayNumberFromUnixTime(s.scene.unixTime);
        if (sun) {
            ShowSunInScene(s.scene);
            s.modes.clear();
        } else {
            ShowSatelliteInScene(s.scene, s.keps->slots[slot], s.scene.time);
            s.modes = ParseModeSchedule(s.keps->slots[slot].modeSchedule);
        }
        s.nextEventWanted = true;
        s.trackValid = false;
        s.terminatorValid = false;
        s.settings->general.mapSat = s.scene.body.name;
    }
    if (s.window) InvalidateRect(s.window, nullptr, FALSE);
    WakeMap(s);
    return true;
}

void StartMapRotatorTracking(MapWindowState& s) { SetRotatorTracking(s, true); }

void OnTrackingStarted(MapWindowState& s, uint32_t start) {
    // Announcements of starts made before the map's own are stale.
    if (!s.rotatorTracking || start <= s.ownTrackingStart) return;
    s.rotatorTracking = false;
    if (s.window) CheckMenuItem(GetMenu(s.window), IDM_MAP_ENABLE_ROTATOR, MF_BYCOMMAND | MF_UNCHECKED);
}

void FollowDisplayFont(MapWindowState& s) {
    if (!s.window) return;
    StopMapThread(s);
    {
        std::lock_guard<std::mutex> guard(s.lock);
        FreeMapFrame(s.frame);
    }
    MakeFrame(s);
    FitWindow(s);
    StartMapThread(s);
}

void PostShowSatelliteOnMap(MapWindowState& s, const std::string& name) {
    {
        std::lock_guard<std::mutex> guard(s.pendingLock);
        s.pendingSatellite = name;
    }
    PostMessageW(s.mainWindow, WM_TARVON_SHOW_ON_MAP, 0, 0);
}

void TakePostedMapSatellite(MapWindowState& s) {
    std::string name;
    {
        std::lock_guard<std::mutex> guard(s.pendingLock);
        name.swap(s.pendingSatellite);
    }
    if (name.empty()) return;
    if (ShowSatelliteOnMap(s, name)) OpenMapWindow(s, false);
}

SatStateList& MapSatStateList(MapWindowState& s) { return s; }

}  // namespace tarvon
