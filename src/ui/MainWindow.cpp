#include "ui/MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include "core/ExceptionBarrier.h"
#include "core/PublicIds.h"
#include "core/SettingsStore.h"
#include "resource.h"
#include "schedule/ScheduleBuilder.h"
#include "schedule/SchedulerEngine.h"
#include "orbit/ObserverDatabase.h"
#include "ui/AboutDialog.h"
#include "ui/AddPassDialog.h"
#include "ui/BriskoErrorsDialog.h"
#include "ui/EditDirectoryDialog.h"
#include "ui/BriskoSetupDialog.h"
#include "ui/FileHousekeepingDialog.h"
#include "ui/GeneralSetupDialog.h"
#include "ui/PevrinSetupDialog.h"
#include "ui/ScheduleEventsDialog.h"
#include "ui/ScrivetSetupDialog.h"
#include "ui/VantSetupDialog.h"
#include "ui/EnableRotatorDialog.h"
#include "ui/EditKepsDialog.h"
#include "ui/EditObserversDialog.h"
#include "ui/FontSelection.h"
#include "ui/Help.h"
#include "ui/MainPaint.h"
#include "ui/MapWindow.h"
#include "ui/MenuPrograms.h"
#include "ui/PanePopups.h"
#include "ui/PostedRequests.h"
#include "ui/RunBriskoDialog.h"
#include "ui/RunPassDialog.h"
#include "ui/SchedulePane.h"
#include "ui/SchedulePrinting.h"
#include "ui/SetupProgramsDialog.h"
#include "ui/SoundsDialog.h"
#include "ui/StationHardware.h"
#include "ui/SatellitesDialog.h"
#include "ui/StationSetupDialog.h"
#include "ui/Toolbar.h"
#include "ui/TrackingDialog.h"
#include "ui/TrackingWindow.h"
#include "ui/UpdateKepsCommand.h"
#include "ui/UploadStatusDialog.h"
#include "ui/VantLogDialog.h"
#include "ui/WindowSchedulerPorts.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Notices.h"

namespace tarvon {
namespace {

MainWindowState* StateOf(HWND window) {
    return reinterpret_cast<MainWindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

FrameMetrics CurrentFrameMetrics() {
    return FrameMetrics{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CXFRAME),
                        GetSystemMetrics(SM_CYFRAME), GetSystemMetrics(SM_CYCAPTION),
                        GetSystemMetrics(SM_CYMENU)};
}

int ToolbarHeight(const MainWindowState& state) {
    if (!state.toolbar) return 0;
    RECT r;
    GetWindowRect(state.toolbar, &r);
    return r.bottom - r.top;
}

void PlaceScrollBar(MainWindowState& state) {
    const Box& b = state.layout.scrollBar;
    MoveWindow(state.scrollBar, b.left, b.top, b.right - b.left, b.bottom - b.top, TRUE);
}

// Recomputes the vertical positions after a size change; the line counts stay.
void RepositionForSize(MainWindowState& state) {
    SendMessageW(state.toolbar, TB_AUTOSIZE, 0, 0);
    const int toolbarHeight = ToolbarHeight(state);
    {
        std::lock_guard<std::mutex> lock(state.layoutMutex);
        state.layout.toolbarHeight = toolbarHeight;
        PlaceBoxes(state.layout, state.display.charWidth, state.display.lineHeight, CurrentFrameMetrics());
    }
    PlaceScrollBar(state);
}

void OnSize(MainWindowState& state, WPARAM kind, int clientWidth, int clientHeight) {
    if (kind == SIZE_MINIMIZED) state.iconic = 1;
    if (kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED) state.iconic = 0;
    if (!IsZoomed(state.window) && !IsIconic(state.window)) {
        const FrameMetrics f = CurrentFrameMetrics();
        state.settings->window.cxWidth = static_cast<uint32_t>(clientWidth + 2 * f.frameX);
        state.settings->window.cyHeight =
            static_cast<uint32_t>(clientHeight + 2 * f.frameY + f.caption + f.menu);
    }
    RepositionForSize(state);
}

void OnMove(MainWindowState& state, int clientX, int clientY) {
    if (IsZoomed(state.window) || IsIconic(state.window)) return;
    const FrameMetrics f = CurrentFrameMetrics();
    state.settings->window.xLeft = static_cast<uint32_t>(clientX - f.frameX);
    state.settings->window.yTop = static_cast<uint32_t>(clientY - f.caption - f.frameY - f.menu);
}

// The window grows and shrinks by whole lines only, and never in width; the
// panes take the lines it is given (WM_SIZE then places them).
void SnapToLines(MainWindowState& state, int& width, int& height) {
    const FrameMetrics f = CurrentFrameMetrics();
    const SnappedHeight snapped =
        SnapWindowHeight(height, state.layout.toolbarHeight, state.display.lineHeight, state.trackingCount, f);
    {
        std::lock_guard<std::mutex> lock(state.layoutMutex);
        state.layout.scheduleLines = snapped.scheduleLines;
        state.layout.trackingLines = snapped.trackingLines;
    }
    height = snapped.height;
    width = FixedWindowWidth(state.display.charWidth, f);
}

void OnSizing(MainWindowState& state, RECT* proposed) {
    int width = proposed->right - proposed->left;
    int height = proposed->bottom - proposed->top;
    SnapToLines(state, width, height);
    proposed->right = proposed->left + width;
    proposed->bottom = proposed->top + height;
}

void OnWindowPosChanging(MainWindowState& state, WINDOWPOS* pos) {
    if (pos->flags & (SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE)) return;
    SnapToLines(state, pos->cx, pos->cy);
}

void ToggleScheduling(MainWindowState& state) {
    const bool enable = state.flags->schedulingEnabled == 0;
    CheckMenuItem(state.menu, IDM_SCHEDULING, MF_BYCOMMAND | (enable ? MF_CHECKED : MF_UNCHECKED));
    if (!enable) {
        {
            std::lock_guard<std::mutex> lock(state.textMutex);
            state.nextPassName.clear();
            state.nextPassCountdown.clear();
        }
        const Box& b = state.layout.nextPassBox;
        RECT r{b.left, b.top, b.right, b.bottom};
        InvalidateRect(state.window, &r, TRUE);
    }
    if (state.schedule) {
        SetSchedulingEnabled(*state.schedule, enable);
    } else {
        state.flags->schedulingEnabled = enable ? 1 : 0;
    }
}

void OnCommand(MainWindowState& state, int id) {
    if (id >= IDM_USER_PROGRAM_FIRST && id <= IDM_USER_PROGRAM_LAST) return RunProgramCommand(state, id);
    switch (id) {
        case IDM_SELECT_FONT: SelectDisplayFont(state); return;
        case IDM_PROGRAMS_SETUP: SetupProgramsDialog(state); return;
        case IDM_EDIT_VANT_EQUATIONS: EditSuiteFile(state, "VANT Equations.TXT"); return;
        case IDM_EDIT_PEVRIN_EQUATIONS: EditSuiteFile(state, "Pevrin Equations.TXT"); return;
        case IDM_EDIT_SIGNATURE: EditSignatureFile(state); return;
        case IDM_RUN_SCRIVET: RunSuiteProgram(state, "SCRIVET.EXE"); return;
        case IDM_RUN_PEVRIN: RunSuiteProgram(state, "PEVRIN.EXE"); return;
        case IDM_TRACK: TrackingDialog(state); return;
        case IDM_SCHEDULING: ToggleScheduling(state); return;
        case IDM_ENABLE_ROTATOR: EnableRotatorDialog(state); return;
        case IDM_GRAPHIC_TRACK: if (state.map) OpenMapWindow(*state.map); return;
        case IDM_EDIT_OBSERVERS: EditObserversDialog(state.window, ObserverFilePath(state.settings->general.kovaDirectory)); return;
        case IDM_SOUNDS: SoundsDialog(state.window, *state.registry); return;
        case IDM_STATION_SETUP: StationSetupDialog(state); return;
        case IDM_SATELLITE_SETUP: SatellitesDialog(state); return;
        case IDM_UPDATE_DATABASE: UpdateKepsCommand(state); return;
        case IDM_EDIT_SATELLITE_DATA: EditKepsDialog(state); return;
        case IDM_HELP_INDEX: ShowHelp(state.window, IDH_CONTENTS); return;
        case IDM_HELP_USING: ShowHelp(state.window, IDH_USING_HELP); return;
        case IDM_DIRECTORY_MAINTENANCE: EditDirectoryDialog(state.window, *state.registry, *state.clock); return;
        case IDM_VIEW_VANT_LOG: VantLogDialog(state.window, *state.registry); return;
        case IDM_VIEW_UPLOAD_STATUS: UploadStatusDialog(state.window, *state.registry); return;
        case IDM_VIEW_BRISKO_ERRORS: BriskoErrorsDialog(state.window, state.settings->general.kovaDirectory); return;
        case IDM_RUN_BRISKO:
            RunBriskoDialog(state.window, *state.registry, *state.processes, state.settings->general.kovaDirectory);
            return;
        case IDM_GENERAL_SETUP: GeneralSetupDialog(state); return;
        case IDM_SCHEDULE_EVENTS: ScheduleEventsDialog(state); return;
        case IDM_VANT_SETUP: VantSetupDialog(state.window, *state.registry); return;
        case IDM_PEVRIN_SETUP: PevrinSetupDialog(state.window, *state.registry); return;
        case IDM_SCRIVET_SETUP: ScrivetSetupDialog(state.window, *state.registry); return;
        case IDM_BRISKO_SETUP: BriskoSetupDialog(state.window, *state.registry); return;
        case IDM_FILE_HOUSEKEEPING: FileHousekeepingDialog(state.window, *state.registry, *state.clock); return;
        case IDM_ABOUT: AboutDialog(state.window, state.settings->general.kovaDirectory); return;
        default: break;
    }
    if (!state.schedule) return;
    switch (id) {
        case IDM_RUN_PASS: RunPassDialog(state.window, *state.schedule); return;
        case IDM_ADD_PASS: AddPassDialog(state.window, *state.schedule); return;
        case IDM_REDO_SCHEDULE: RedoSchedule(*state.schedule); return;
        case IDM_PRINT_SCHEDULE: PrintSchedule(state); return;
        default: break;
    }
    // A command of the menu never does nothing, even before its dialog exists.
    if (GetMenuState(state.menu, static_cast<UINT>(id), MF_BYCOMMAND) != static_cast<UINT>(-1)) {
        ShowNotAvailableYet(state, id);
    }
}

void OnNotifyPass(MainWindowState& state, LPARAM lParam) {
    std::shared_ptr<SchedulePass> pass = TakeNotifiedPass(lParam);
    if (pass && state.hooks.openNotification) state.hooks.openNotification(std::move(pass));
}

void OnTimeChange(MainWindowState& state) {
    state.settings->timeZoneBiasSeconds = Win32Clock().TimeZoneBiasSeconds();
    if (state.hooks.runScheduler) state.hooks.runScheduler();
}

// Closing, step by step; each step relies on the ones before it.
void OnClose(MainWindowState& state) {
    // Nothing new is searched from here on.
    state.flags->programRunning = 0;
    state.flags->passCalcKeepGoing = 0;
    // The user's "Tarvon Shutdown" programs run while the station still
    // stands, so that their ends are recorded (for a bounded time).
    if (state.hooks.runShutdownEvents) state.hooks.runShutdownEvents();
    // Every worker is told to stop; the threads are waited for once the
    // message loop has ended.
    state.sync->idle.Set();
    state.sync->passEnd.Set();
    state.sync->shutdown.Set();
    // Other programs stop talking to the station.
    if (state.hooks.stopServices) state.hooks.stopServices();
    DestroyWindow(state.window);
}

void OnDestroy(MainWindowState& state) {
    // The threads that draw into the window end before its drawing objects
    // go; the schedule is saved and the hardware let go.
    if (state.hooks.saveAndRelease) state.hooks.saveAndRelease();
    DeleteDisplayObjects(state.display);
    SaveWindowPlacement(*state.registry, state.settings->general, state.settings->window);
    PostQuitMessage(0);
}

// Ends the paint however the drawing ends, so that a failed paint is not
// asked for again and again.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~PaintScope() { EndPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_;
    HDC dc_;
};

void OnPaint(MainWindowState& state) {
    PaintScope paint(state.window);
    PaintMainWindow(paint.dc(), state);
}

// A message the station's own handling failed on gets the system's default
// handling, so that a failed close still closes and a failed destroy still
// ends the message loop.
LRESULT AfterFailure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Dispatch(MainWindowState* state, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: OnPaint(*state); return 0;
        case WM_SIZE: OnSize(*state, wParam, LOWORD(lParam), HIWORD(lParam)); return 0;
        case WM_MOVE: OnMove(*state, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); return 0;
        case WM_SIZING: OnSizing(*state, reinterpret_cast<RECT*>(lParam)); return TRUE;
        case WM_WINDOWPOSCHANGING: OnWindowPosChanging(*state, reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
        case WM_COMMAND: OnCommand(*state, LOWORD(wParam)); return 0;
        case WM_VSCROLL: OnScheduleScroll(*state, LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_RBUTTONDOWN: OnPaneRightButton(*state, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
        case WM_NOTIFY:
            if (AnswerToolbarTooltip(reinterpret_cast<NMHDR*>(lParam), state->instance)) return 0;
            break;
        case WM_TIMECHANGE: OnTimeChange(*state); return 0;
        case WM_HELP: ShowHelp(window, IDH_MAIN_WINDOW); return TRUE;
        case WM_TARVON_RUN_SCHEDULER:
            if (state->hooks.runScheduler) state->hooks.runScheduler();
            return 0;
        case WM_TARVON_NOTIFY_PASS: OnNotifyPass(*state, lParam); return 0;
        case WM_TARVON_SHOW_ON_MAP: if (state->map) TakePostedMapSatellite(*state->map); return 0;
        case WM_TARVON_TRACKING_STARTED: if (state->map) OnTrackingStarted(*state->map, static_cast<uint32_t>(wParam)); return 0;
        case WM_TARVON_REFRESH_KEPS:
            if (state->hooks.refreshElements) state->hooks.refreshElements();
            return 0;
        case WM_TARVON_SHOW_NOTICES:
            if (state->notices) state->notices->ShowQueuedNotices();
            return 0;
        case WM_TARVON_REDRAW: OnRedrawRequests(*state); return 0;
        case WM_TARVON_SCROLL_HOME: OnScrollHome(*state); return 0;
        case WM_TARVON_SET_TITLE: OnSetTitle(*state); return 0;
        case WM_CLOSE: OnClose(*state); return 0;
        case WM_DESTROY: OnDestroy(*state); return 0;
        default:
            if (HandleTrackingMessage(*state, message, wParam, lParam)) return 0;
            if (HandleHardwareMessage(*state, message, wParam, lParam)) return 0;
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    MainWindowState* state = StateOf(window);
    if (!state || !state->window || !state->log) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    if (RunGuarded(*state->log, "main window", [&] { result = Dispatch(state, window, message, wParam, lParam); })) {
        return result;
    }
    return AfterFailure(window, message, wParam, lParam);
}

bool RegisterClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int menu) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TARVON));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszMenuName = MAKEINTRESOURCEW(menu);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

bool RegisterStationClasses(HINSTANCE instance) {
    return RegisterClass(instance, kMainWindowClass, MainWindowProc, IDM_MAIN) &&
           RegisterClass(instance, kMapWindowClass, MapWindowProc, IDM_MAP);
}

HWND CreateMainWindow(MainWindowState& state, int x, int y, int width, int height) {
    HWND window = CreateWindowExW(0, kMainWindowClass, L"Tarvon",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX,
                                  x, y, width, height, nullptr, nullptr, state.instance, &state);
    if (!window) return nullptr;
    state.scrollBar = CreateWindowExW(0, L"scrollbar", nullptr, WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 0,
                                      0, window, nullptr, state.instance, nullptr);
    state.toolbar = CreateMainToolbar(window, state.instance);
    state.menu = GetMenu(window);
    state.window = window;
    return window;
}

void LayoutMainWindow(MainWindowState& state) {
    SendMessageW(state.toolbar, TB_AUTOSIZE, 0, 0);
    const int toolbarHeight = ToolbarHeight(state);
    RECT client;
    GetClientRect(state.window, &client);
    {
        std::lock_guard<std::mutex> lock(state.layoutMutex);
        state.layout.toolbarHeight = toolbarHeight;
        LinesForClientHeight(client.bottom, toolbarHeight, state.display.lineHeight, state.trackingCount,
                             state.layout.scheduleLines, state.layout.trackingLines);
        PlaceBoxes(state.layout, state.display.charWidth, state.display.lineHeight, CurrentFrameMetrics());
    }
    PlaceScrollBar(state);
    RECT r;
    GetWindowRect(state.window, &r);
    SetWindowPos(state.window, nullptr, r.left, r.top, state.layout.windowWidth, state.layout.windowHeight,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    InvalidateRect(state.window, nullptr, TRUE);
}

}  // namespace tarvon
