#include "ui/StationStartup.h"

#include <commctrl.h>

#include <memory>

#include "core/ProcessState.h"
#include "core/PublicIds.h"
#include "core/SettingsStore.h"
#include "platform/Waits.h"
#include "ui/MainWindow.h"
#include "win32/Utf8.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Notices.h"
#include "win32/Win32Registry.h"

namespace tarvon {
namespace {

constexpr const char* kSetupIncomplete =
    "Kova setup has not been completed.  You must run the setup program before you can use Kova.";
constexpr const char* kSetupIncompleteCaption = "Kova Initialisation Error";

// Everything the process owns from start-up to shutdown.
struct Station {
    Win32Registry registry;
    Win32Clock clock;
    RealWaits waits;
    Win32Notices notices;
    PlatformServices services{registry, clock, waits, notices};
    Settings settings;
    std::unique_ptr<SyncObjects> sync;
    RunFlags flags;
    MainWindowState main;
};

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
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
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
    s.main.settings = &s.settings;
    s.main.sync = s.sync.get();
    s.main.flags = &s.flags;
    HWND window = CreateMainWindow(s.main, static_cast<int>(w.xLeft), static_cast<int>(w.yTop),
                                   static_cast<int>(w.cxWidth), static_cast<int>(w.cyHeight));
    if (!window) return -1;
    s.notices.SetOwner(window);
    if (!haveTarvonKey) return 0;

    CreateDisplayFont(window, s.settings.window, s.main.display);
    CreateDrawingObjects(s.main.display);

    const bool rotatorConfigured = s.settings.general.rotatorType != 0;
    EnableMenuItem(s.main.menu, IDM_ENABLE_ROTATOR, MF_BYCOMMAND | (rotatorConfigured ? MF_ENABLED : MF_GRAYED));
    SendMessageW(s.main.toolbar, TB_ENABLEBUTTON, IDM_ENABLE_ROTATOR, MAKELPARAM(rotatorConfigured, 0));

    ShowWindow(window, showCommand);
    LayoutMainWindow(s.main);
    UpdateWindow(window);

    return RunMessageLoop();
}

}  // namespace tarvon
