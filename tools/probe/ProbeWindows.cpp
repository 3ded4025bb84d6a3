#include "ProbeWindows.h"

namespace probe {

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TitleOf(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

namespace {

struct Search {
    const std::wstring* className;
    const std::wstring* title;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (!IsWindowVisible(window)) return TRUE;
    if (!search->className->empty() && ClassOf(window) != *search->className) return TRUE;
    if (!search->title->empty() && TitleOf(window) != *search->title) return TRUE;
    search->found = window;
    return FALSE;
}

struct Longest {
    std::wstring text;
};

BOOL CALLBACK LongestStatic(HWND child, LPARAM param) {
    auto* longest = reinterpret_cast<Longest*>(param);
    if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0) {
        std::wstring text = TitleOf(child);
        if (text.size() > longest->text.size()) longest->text = text;
    }
    return TRUE;
}

struct ButtonSearch {
    const std::wstring* caption;
    HWND found;
};

std::wstring WithoutAmpersand(std::wstring text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c != L'&') out += c;
    }
    return out;
}

BOOL CALLBACK MatchButton(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ButtonSearch*>(param);
    // A wizard swaps buttons by hiding one under another.
    if (_wcsicmp(ClassOf(child).c_str(), L"Button") != 0 || !IsWindowVisible(child)) return TRUE;
    if (_wcsicmp(WithoutAmpersand(TitleOf(child)).c_str(), search->caption->c_str()) != 0) return TRUE;
    search->found = child;
    return FALSE;
}

}  // namespace

HWND FindVisibleWindow(const std::wstring& className, const std::wstring& title) {
    Search search{&className, &title, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const std::wstring& className, const std::wstring& title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND w = FindVisibleWindow(className, title)) return w;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(100);
    }
}

std::wstring MessageBoxText(HWND box) {
    Longest longest;
    EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&longest));
    return longest.text;
}

HWND FindButton(HWND dialog, const std::wstring& caption) {
    ButtonSearch search{&caption, nullptr};
    EnumChildWindows(dialog, MatchButton, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace probe
