#include "ProbeMainWindow.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "ProbeWindows.h"
#include "win32/Utf8.h"

namespace probe {
namespace {

constexpr const wchar_t* kPopupMenuClass = L"#32768";
constexpr DWORD kPollMs = 100;
// After the first window of a command, a little longer for the rest.
constexpr DWORD kSettleMs = 700;
constexpr DWORD kCloseMs = 5000;
// How long a command's window may take to show on a loaded machine.
constexpr DWORD kLongestCommandMs = 30000;

// The number of the last walked command whose handler has returned. A
// handler that shows a modal dialog returns only once the dialog is closed.
int lastHandled = -1;

VOID CALLBACK MarkHandled(HWND, UINT, ULONG_PTR number, LRESULT) {
    lastHandled = std::max(lastHandled, static_cast<int>(number));
}

// The handlers' completion reaches the probe through its own queue.
void PumpOwnQueue() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

void PostKey(HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    Sleep(150);
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM found) {
    if (IsWindowVisible(window)) reinterpret_cast<std::set<HWND>*>(found)->insert(window);
    return TRUE;
}

std::set<HWND> VisibleWindows() {
    std::set<HWND> windows;
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::set<HWND> NewWindows(const std::set<HWND>& before) {
    std::set<HWND> added;
    for (HWND w : VisibleWindows()) {
        if (!before.count(w)) added.insert(w);
    }
    return added;
}

void Print(const std::wstring& text) { std::fputs((tarvon::Narrow(text) + "\n").c_str(), stdout); }

// A dialog is left by its way out; any other window is asked to close.
void Close(HWND window) {
    if (ClassOf(window) == L"#32770") {
        for (const wchar_t* caption : {L"Cancel", L"Close", L"No", L"OK"}) {
            if (HWND button = FindButton(window, caption)) {
                PostMessageW(button, BM_CLICK, 0, 0);
                break;
            }
        }
    } else {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window) && GetTickCount() - start < kCloseMs) Sleep(kPollMs);
}

}  // namespace

int ChoosePopupItem(int index, DWORD timeoutMs) {
    HWND popup = WaitForWindow(kPopupMenuClass, L"", timeoutMs);
    if (!popup) return 1;
    if (index < 0) {
        RECT r;
        GetWindowRect(popup, &r);
        SetWindowPos(popup, nullptr, r.left + 1, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Sleep(300);
        return 0;
    }
    for (int i = 0; i <= index; ++i) PostKey(popup, VK_DOWN);
    PostKey(popup, VK_RETURN);
    return 0;
}

int WalkCommands(HWND window, const std::vector<int>& ids, DWORD waitMs) {
    for (int number = 0; number < static_cast<int>(ids.size()); ++number) {
        const int id = ids[static_cast<size_t>(number)];
        const std::set<HWND> before = VisibleWindows();
        SendMessageCallbackW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0, MarkHandled, static_cast<ULONG_PTR>(number));
        // A dialog may be slow to show while its command is still being
        // handled; once the handler has returned, a window it left to another
        // thread gets waitMs more.
        std::set<HWND> added;
        const DWORD start = GetTickCount();
        DWORD handledAt = 0;
        while (added.empty()) {
            Sleep(kPollMs);
            PumpOwnQueue();
            added = NewWindows(before);
            const DWORD now = GetTickCount();
            if (lastHandled >= number && handledAt == 0) handledAt = now;
            if (handledAt != 0 ? now - handledAt >= waitMs : now - start >= kLongestCommandMs) break;
        }
        if (!added.empty()) {
            Sleep(kSettleMs);
            added = NewWindows(before);
        }
        if (added.empty()) std::printf("%d none\n", id);
        for (HWND w : added) {
            std::wstring line = std::to_wstring(id) + L" " + ClassOf(w) + L" [" + TitleOf(w) + L"]";
            if (ClassOf(w) == L"#32770") line += L" | " + MessageBoxText(w);
            Print(line);
        }
        std::fflush(stdout);
        // Message boxes first: a dialog's own box must go before the dialog can.
        for (HWND w : added) {
            if (ClassOf(w) == L"#32770" && FindButton(w, L"OK") && !FindButton(w, L"Cancel")) Close(w);
        }
        for (HWND w : added) {
            if (IsWindow(w) && IsWindowVisible(w)) Close(w);
        }
    }
    return 0;
}

int ResizeWindow(HWND window, int width, int height) {
    RECT r;
    GetWindowRect(window, &r);
    return SetWindowPos(window, nullptr, r.left, r.top, width, height, SWP_NOZORDER) ? 0 : 1;
}

int ChildRect(HWND parent, const std::wstring& childClass) {
    HWND child = FindWindowExW(parent, nullptr, childClass.c_str(), nullptr);
    if (!child) return 1;
    RECT r;
    GetWindowRect(child, &r);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    MapWindowPoints(nullptr, parent, corners, 2);
    std::printf("%ld %ld %ld %ld\n", corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    return 0;
}

int ScrollPosition(HWND parent) {
    HWND bar = FindWindowExW(parent, nullptr, L"ScrollBar", nullptr);
    if (!bar) return 1;
    DWORD_PTR position = 0;
    if (!SendMessageTimeoutW(bar, SBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &position)) return 1;
    std::printf("%ld\n", static_cast<long>(position));
    return 0;
}

}  // namespace probe
