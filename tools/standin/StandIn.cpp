// standin: plays the satellite program's part of the pass protocol. Its main
// window has the companion program's class and title; it writes every pass
// message (2041 listen only, 2042 LOS) and WM_CLOSE it receives, with the
// time, to its log and ends on WM_CLOSE. See StandInOptions.h for options.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "StandInOptions.h"
#include "core/PublicIds.h"

namespace {

constexpr UINT_PTR kExitTimer = 1;
FILE* g_log = nullptr;

void Log(const char* what, WPARAM wParam, LPARAM lParam) {
    if (!g_log) return;
    std::fprintf(g_log, "%lld %s %llu %lld\n", static_cast<long long>(std::time(nullptr)), what,
                 static_cast<unsigned long long>(wParam), static_cast<long long>(lParam));
    std::fflush(g_log);
}

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_VANT_LISTEN_ONLY:
            Log("2041", wParam, lParam);
            return 0;
        case WM_VANT_LOS:
            Log("2042", wParam, lParam);
            return 0;
        case WM_CLOSE:
            Log("WM_CLOSE", wParam, lParam);
            DestroyWindow(window);
            return 0;
        case WM_TIMER:
            if (wParam == kExitTimer) {
                Log("EXIT_BY_ITSELF", 0, 0);
                DestroyWindow(window);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < count; ++i) args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    StandInOptions options;
    if (!ParseStandInOptions(Arguments(), options)) return 2;
    g_log = _wfopen(options.logPath.c_str(), L"a");
    std::string name(options.satellite.begin(), options.satellite.end());
    if (g_log) {
        std::fprintf(g_log, "%lld START %s\n", static_cast<long long>(std::time(nullptr)),
                     name.c_str());
        // How it was started: the show state it was given and its whole command line.
        std::fprintf(g_log, "%lld ARGS %d %ls\n", static_cast<long long>(std::time(nullptr)), showCommand,
                     GetCommandLineW());
        std::fflush(g_log);
    }

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = StandInProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"VANT:MAIN";
    if (!RegisterClassW(&windowClass)) return 3;
    HWND window = CreateWindowW(L"VANT:MAIN", options.title.c_str(), WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 320, 160, nullptr, nullptr, instance,
                                nullptr);
    if (!window) return 3;
    if (options.showWindow) ShowWindow(window, showCommand);
    if (options.exitAfterSeconds > 0) {
        SetTimer(window, kExitTimer, static_cast<UINT>(options.exitAfterSeconds) * 1000u, nullptr);
    }

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    Log("EXIT", 0, 0);
    if (g_log) std::fclose(g_log);
    return 0;
}
