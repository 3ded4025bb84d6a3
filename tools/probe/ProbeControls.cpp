#include "ProbeControls.h"

#include "ProbeWindows.h"

namespace probe {
namespace {

bool IsComboBox(HWND control) { return _wcsicmp(ClassOf(control).c_str(), L"ComboBox") == 0; }

std::wstring ComboItem(HWND combo, LRESULT index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchVisibleId(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(child) != search->id || !IsWindowVisible(child)) return TRUE;
    search->found = child;
    return FALSE;
}

struct BoxSearch {
    HWND owner;
    bool found;
};

// A message box (or any dialog) the dialog opened over itself.
BOOL CALLBACK MatchOwnedDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == search->owner && lstrcmpW(name, L"#32770") == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindControl(HWND dialog, int id) {
    if (HWND control = GetDlgItem(dialog, id)) {
        if (IsWindowVisible(control)) return control;
    }
    ControlSearch search{id, nullptr};
    EnumChildWindows(dialog, MatchVisibleId, reinterpret_cast<LPARAM>(&search));
    return search.found ? search.found : GetDlgItem(dialog, id);
}

HWND FocusedControl(HWND dialog, DWORD timeoutMs) {
    const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    const DWORD start = GetTickCount();
    // The box gives the focus back to where it was, and the dialog then
    // moves it on: the answer is the focus once it has stayed put a while.
    HWND last = nullptr;
    int steady = 0;
    for (;;) {
        BoxSearch box{dialog, false};
        EnumWindows(MatchOwnedDialog, reinterpret_cast<LPARAM>(&box));
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        HWND focus = nullptr;
        if (!box.found && GetGUIThreadInfo(thread, &info) && info.hwndFocus && IsChild(dialog, info.hwndFocus)) {
            focus = info.hwndFocus;
        }
        steady = focus && focus == last ? steady + 1 : 0;
        last = focus;
        if (steady == 4) return focus;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

std::vector<std::wstring> SplitWords(const std::wstring& line) {
    std::vector<std::wstring> words;
    std::wstring word;
    bool inWord = false, quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const wchar_t c = line[i];
        if (c == L'\\' && i + 1 < line.size() && (line[i + 1] == L'"' || line[i + 1] == L'\\')) {
            word += line[++i];
            inWord = true;
        } else if (c == L'"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == L' ' || c == L'\t' || c == L'\r' || c == L'\n') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

std::wstring ControlState(HWND control) {
    std::wstring state = IsWindowEnabled(control) ? L"enabled" : L"disabled";
    state += IsWindowVisible(control) ? L" visible" : L" hidden";
    if (IsComboBox(control)) {
        const LRESULT index = SendMessageW(control, CB_GETCURSEL, 0, 0);
        return state + L" " + (index == CB_ERR ? std::wstring(L"(none)") : ComboItem(control, index));
    }
    return state + (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? L" checked" : L" unchecked");
}

}  // namespace probe
