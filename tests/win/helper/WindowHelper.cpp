// A stand-in for the programs the station starts, driven by its command line:
//   exit N              ends at once with exit code N
//   sleep MS            ends with 0 after MS milliseconds, without a window
//   showstate           ends with the show command it was started with
//   cwd                 makes cwd.txt in its working directory, ends with 0
//   window CLASS TITLE  shows a window; ends with 0 when it is closed
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

LRESULT CALLBACK HelperWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

int RunWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HelperWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    if (!RegisterClassW(&windowClass)) return 101;
    // The main window, then an owned popup and a hidden window above it in
    // the thread's window order: only the first is the program's main window.
    HWND main = CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 120, nullptr,
                                nullptr, instance, nullptr);
    HWND owned = CreateWindowExW(0, className, L"Owned popup", WS_POPUP | WS_CAPTION, 30, 30, 100, 60, main,
                                 nullptr, instance, nullptr);
    HWND hidden = CreateWindowExW(0, className, L"Hidden", WS_OVERLAPPEDWINDOW, 50, 50, 100, 60, nullptr,
                                  nullptr, instance, nullptr);
    if (!main || !owned || !hidden) return 102;
    ShowWindow(main, SW_SHOWNORMAL);
    ShowWindow(owned, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 2) return 100;
    std::wstring mode = args[1];
    if (mode == L"exit" && count == 3) return _wtoi(args[2]);
    if (mode == L"sleep" && count == 3) {
        Sleep(static_cast<DWORD>(_wtoi(args[2])));
        return 0;
    }
    if (mode == L"showstate") {
        STARTUPINFOW startup{};
        GetStartupInfoW(&startup);
        return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : 100;
    }
    if (mode == L"cwd") {
        FILE* file = _wfopen(L"cwd.txt", L"wb");
        return file && std::fclose(file) == 0 ? 0 : 103;
    }
    if (mode == L"window" && count == 4) return RunWindow(instance, args[2], args[3]);
    return 100;
}
