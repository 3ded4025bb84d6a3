// probe: finds, reads and drives the windows of other programs and reads the
// registry, so that end-to-end scripts can check what a person would see.
//
//   probe find --class C [--title T] [--timeout S]       handle and title of a window
//   probe gone --class C [--timeout S]                   waits until no such window
//   probe msgbox [--title CAPTION] [--timeout S] [--press BUTTON]
//                                                        caption and text of a message box
//   probe rect --class C [--title T]                     left top right bottom
//   probe move --class C --x N --y N                      moves a window (keeps its size)
//   probe nudge --title T                                moves a dialog one pixel to the right:
//                                                        Wine's desktop can leave a new dialog
//                                                        black on screen until it has moved
//   probe foreground                                     class and title of the foreground window
//   probe post --class C [--title T] --msg N [--wparam N] [--lparam N | --atom TEXT]
//                                                        (--atom: lParam is a global atom of TEXT,
//                                                        which the receiver deletes)
//   probe press --title T --button CAPTION [--wait MS]   clicks a dialog's button (with --wait: and
//                                                        waits until the click is handled, or MS)
//   probe text --title T --id N                          a dialog control's text
//   probe f1 --title T --id N                            presses F1 on a dialog's control, as a
//                                                        person would with the control focused
//   probe menu --class C --id N                          "checked"/"unchecked", "grayed"/"enabled"
//   probe set-text --title T --id N --text S             types S into a dialog's edit control
//   probe list --title T --id N [--count 1]              the items of a list box, drop-down or
//                                                        list view, one a line (or their number)
//   probe list --title T --id N --select S [--double 1]  selects (or double-clicks) the item S
//   probe select --title T --id N (--item TEXT | --index N) [--post 1]
//                                                        chooses an item as a click would; prints
//                                                        the milliseconds the dialog took to answer
//   probe popup --item N [--timeout S]                   chooses item N (0 = first) of a popup menu
//                                                        (--item -1: shows it, see ProbeMainWindow.h)
//   probe walk --class C --ids N,N,... [--wait S]        each menu command in turn: what it opened
//                                                        (see ProbeMainWindow.h); all of it closed again
//   probe resize --class C --width N --height N          a new size, as a drag of the border would
//   probe child-rect --class C --child CLASS             a child's rectangle in client coordinates
//   probe scroll-pos --class C                           the position of its scroll bar control
//   probe state --title T --id N                         "enabled|disabled visible|hidden" and
//                                                        "checked|unchecked" or a drop-down's choice
//   probe reg-dword KEY VALUE / probe reg-string KEY VALUE  (HKLM)
//   probe reg-binary KEY VALUE                           a binary value's bytes in hex
//   probe check --title T --id N [--set 0|1]             "checked"/"unchecked" (--set clicks it
//                                                        into that state, as a user would)
//   probe enabled --title T --id N                       "enabled"/"disabled"
//   probe focus --title T [--timeout S]                  the id of the control that has the focus,
//                                                        once no message box is open over T
//   probe sleep --ms N                                   waits (between the steps of a batch)
//   probe batch                                          runs the commands of standard input, one a
//                                                        line (words as a shell splits them), in one
//                                                        process; stops at the first that fails
//   probe reg-type KEY VALUE                             the value's type and size: "REG_SZ 12"
//
// Controls (--id) are also found on the visible pages of a property sheet.
// Exit code 0 on success, 1 when the thing looked for is not there, 2 on bad usage.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "ProbeControls.h"
#include "ProbeLists.h"
#include "ProbeMainWindow.h"
#include "ProbeWindows.h"
#include "win32/Utf8.h"

using probe::FindVisibleWindow;
using tarvon::Narrow;
using tarvon::Widen;

namespace {

struct Args {
    std::string command;
    std::map<std::string, std::string> options;
    std::string positional[2];

    std::wstring Wide(const std::string& name) const {
        auto it = options.find(name);
        return it == options.end() ? std::wstring() : Widen(it->second);
    }
    long long Number(const std::string& name, long long fallback) const {
        auto it = options.find(name);
        return it == options.end() ? fallback : std::strtoll(it->second.c_str(), nullptr, 0);
    }
    DWORD TimeoutMs() const { return static_cast<DWORD>(Number("--timeout", 0) * 1000); }
};

void Print(const std::wstring& text) { std::fputs((Narrow(text) + "\n").c_str(), stdout); }

HWND Target(const Args& a) {
    return probe::WaitForWindow(a.Wide("--class"), a.Wide("--title"), a.TimeoutMs());
}

int Find(const Args& a) {
    HWND w = Target(a);
    if (!w) return 1;
    std::printf("%p ", static_cast<void*>(w));
    Print(probe::TitleOf(w));
    return 0;
}

int Gone(const Args& a) {
    const DWORD start = GetTickCount();
    while (FindVisibleWindow(a.Wide("--class"), a.Wide("--title"))) {
        if (GetTickCount() - start >= a.TimeoutMs()) return 1;
        Sleep(100);
    }
    return 0;
}

int MessageBoxCommand(const Args& a) {
    HWND box = probe::WaitForWindow(L"#32770", a.Wide("--title"), a.TimeoutMs());
    if (!box) return 1;
    Print(probe::TitleOf(box));
    Print(probe::MessageBoxText(box));
    std::wstring press = a.Wide("--press");
    if (!press.empty()) {
        HWND button = probe::FindButton(box, press);
        if (!button) return 1;
        PostMessageW(button, BM_CLICK, 0, 0);
    }
    return 0;
}

int Rect(const Args& a) {
    HWND w = Target(a);
    if (!w) return 1;
    RECT r;
    GetWindowRect(w, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
}

int Move(const Args& a) {
    HWND w = Target(a);
    if (!w) return 1;
    return SetWindowPos(w, nullptr, static_cast<int>(a.Number("--x", 0)), static_cast<int>(a.Number("--y", 0)), 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER)
               ? 0
               : 1;
}

int Nudge(const Args& a) {
    HWND dialog = probe::WaitForWindow(L"#32770", a.Wide("--title"), a.TimeoutMs());
    if (!dialog) return 1;
    RECT r;
    GetWindowRect(dialog, &r);
    SetWindowPos(dialog, nullptr, r.left + 1, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(300);
    return 0;
}

int Foreground() {
    HWND w = GetForegroundWindow();
    if (!w) return 1;
    Print(probe::ClassOf(w) + L" " + probe::TitleOf(w));
    return 0;
}

int Post(const Args& a) {
    HWND w = Target(a);
    if (!w) return 1;
    LPARAM lParam = static_cast<LPARAM>(a.Number("--lparam", 0));
    if (a.options.count("--atom")) lParam = GlobalAddAtomW(a.Wide("--atom").c_str());
    return PostMessageW(w, static_cast<UINT>(a.Number("--msg", 0)), static_cast<WPARAM>(a.Number("--wparam", 0)),
                        lParam)
               ? 0
               : 1;
}

// A dialog opened or retitled by the step before can take seconds to show on
// a busy machine: without --timeout a dialog is awaited for 10 s.
DWORD DialogWaitMs(const Args& a) { return a.options.count("--timeout") ? a.TimeoutMs() : 10000; }

int Press(const Args& a) {
    HWND dialog = probe::WaitForWindow(L"#32770", a.Wide("--title"), DialogWaitMs(a));
    if (!dialog) return 1;
    HWND button = probe::FindButton(dialog, a.Wide("--button"));
    if (!button) return 1;
    if (const DWORD waitMs = static_cast<DWORD>(a.Number("--wait", 0))) {
        // Returns once the click is handled, or when what it opened is still up.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, waitMs, &ignored);
        return 0;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    return 0;
}

int Text(const Args& a) {
    HWND dialog = probe::WaitForWindow(L"#32770", a.Wide("--title"), a.TimeoutMs());
    if (!dialog) return 1;
    HWND control = probe::FindControl(dialog, static_cast<int>(a.Number("--id", 0)));
    if (!control) return 1;
    // The text an edit control of another program holds comes only by asking it.
    wchar_t text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
    Print(text);
    return 0;
}

HWND DialogControl(const Args& a) {
    HWND dialog = probe::WaitForWindow(L"#32770", a.Wide("--title"), DialogWaitMs(a));
    return dialog ? probe::FindControl(dialog, static_cast<int>(a.Number("--id", 0))) : nullptr;
}

// What the system posts when F1 goes down on a focused control; the control's
// default handling turns it into the help request its dialog answers. (A
// posted WM_KEYDOWN would not do: only keys from the keyboard are turned
// into WM_KEYF1.)
int PressF1(const Args& a) {
    constexpr UINT kKeyF1 = 0x004D;  // WM_KEYF1, which the headers leave out
    HWND control = DialogControl(a);
    return control && PostMessageW(control, kKeyF1, 0, 0) ? 0 : 1;
}

int Check(const Args& a) {
    HWND box = DialogControl(a);
    if (!box) return 1;
    const bool checked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (a.options.count("--set")) {
        if (checked != (a.Number("--set", 0) != 0)) SendMessageW(box, BM_CLICK, 0, 0);
        return 0;
    }
    std::puts(checked ? "checked" : "unchecked");
    return 0;
}

int Enabled(const Args& a) {
    HWND control = DialogControl(a);
    if (!control) return 1;
    std::puts(IsWindowEnabled(control) ? "enabled" : "disabled");
    return 0;
}

int Focus(const Args& a) {
    HWND dialog = probe::WaitForWindow(L"#32770", a.Wide("--title"), a.TimeoutMs());
    HWND focus = dialog ? probe::FocusedControl(dialog, std::max<DWORD>(a.TimeoutMs(), 3000)) : nullptr;
    if (!focus) return 1;
    // An edit control inside a combo box answers for its box.
    if (GetDlgCtrlID(focus) == 1001 && GetParent(focus) != dialog) focus = GetParent(focus);
    std::printf("%d\n", GetDlgCtrlID(focus));
    return 0;
}

int SetText(const Args& a) {
    HWND control = DialogControl(a);
    return control && SetWindowTextW(control, a.Wide("--text").c_str()) ? 0 : 1;
}

// Without --select: the items of a list box, drop-down or list view, one a
// line, or their number with --count 1. With --select S: the item S chosen
// (double-clicked with --double 1) as a user's click would, without waiting.
int List(const Args& a) {
    HWND control = DialogControl(a);
    if (!control) return 1;
    const std::wstring wanted = a.Wide("--select");
    if (!wanted.empty()) {
        DWORD ignored = 0;
        return probe::SelectItem(control, wanted, -1, true, a.Number("--double", 0) != 0, ignored) ? 0 : 1;
    }
    if (a.Number("--count", 0)) {
        const long count = probe::ItemCount(control);
        if (count < 0) return 1;
        std::printf("%ld\n", count);
        return 0;
    }
    std::vector<std::wstring> items;
    if (!probe::ListItems(control, items)) return 1;
    for (const std::wstring& item : items) Print(item);
    return 0;
}

int Select(const Args& a) {
    HWND control = DialogControl(a);
    DWORD elapsedMs = 0;
    if (!control || !probe::SelectItem(control, a.Wide("--item"), static_cast<int>(a.Number("--index", -1)),
                                       a.Number("--post", 0) != 0, false, elapsedMs)) {
        return 1;
    }
    std::printf("%lu\n", elapsedMs);
    return 0;
}

int State(const Args& a) {
    HWND control = DialogControl(a);
    if (!control) return 1;
    Print(probe::ControlState(control));
    return 0;
}

int Menu(const Args& a) {
    HWND w = Target(a);
    if (!w) return 1;
    UINT state = GetMenuState(GetMenu(w), static_cast<UINT>(a.Number("--id", 0)), MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1)) return 1;
    std::printf("%s %s\n", (state & MF_CHECKED) ? "checked" : "unchecked",
                (state & (MF_GRAYED | MF_DISABLED)) ? "grayed" : "enabled");
    return 0;
}

const wchar_t* TypeName(DWORD type) {
    switch (type) {
        case REG_SZ: return L"REG_SZ";
        case REG_DWORD: return L"REG_DWORD";
        case REG_BINARY: return L"REG_BINARY";
        default: return L"other";
    }
}

int RegistryType(const Args& a) {
    DWORD type = 0, size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, Widen(a.positional[0]).c_str(), Widen(a.positional[1]).c_str(),
                     RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size) != ERROR_SUCCESS) {
        return 1;
    }
    Print(std::wstring(TypeName(type)) + L" " + std::to_wstring(size));
    return 0;
}

int RegistryRead(const Args& a, bool dword, bool binary = false) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Widen(a.positional[0]).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 1;
    BYTE data[4096];
    DWORD size = sizeof data - 2, type = 0;
    LONG rc = RegQueryValueExW(key, Widen(a.positional[1]).c_str(), nullptr, &type, data, &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return 1;
    if (type == REG_BINARY) {
        if (!binary) return 1;
        for (DWORD i = 0; i < size; ++i) std::printf("%02x", data[i]);
        std::printf("\n");
    } else if (binary) {
        return 1;
    } else if (dword) {
        if (type != REG_DWORD) return 1;
        DWORD value;
        memcpy(&value, data, 4);
        std::printf("%lu\n", value);
    } else {
        data[size] = data[size + 1] = 0;
        Print(reinterpret_cast<const wchar_t*>(data));
    }
    return 0;
}

int Walk(const Args& a) {
    HWND w = Target(a);
    if (!w) return 1;
    std::vector<int> ids;
    const std::string list = a.options.count("--ids") ? a.options.at("--ids") : "";
    for (size_t at = 0; at < list.size();) {
        const size_t comma = list.find(',', at);
        ids.push_back(std::atoi(list.substr(at, comma - at).c_str()));
        at = comma == std::string::npos ? list.size() : comma + 1;
    }
    return probe::WalkCommands(w, ids, static_cast<DWORD>(a.Number("--wait", 3) * 1000));
}

int Resize(const Args& a) {
    HWND w = Target(a);
    return w ? probe::ResizeWindow(w, static_cast<int>(a.Number("--width", 0)), static_cast<int>(a.Number("--height", 0)))
             : 1;
}

int ChildRect(const Args& a) {
    HWND w = Target(a);
    return w ? probe::ChildRect(w, a.Wide("--child")) : 1;
}

int ScrollPosition(const Args& a) {
    HWND w = Target(a);
    return w ? probe::ScrollPosition(w) : 1;
}

bool Parse(int argc, wchar_t** argv, Args& a) {
    if (argc < 2) return false;
    a.command = Narrow(argv[1]);
    int positional = 0;
    for (int i = 2; i < argc; ++i) {
        std::string arg = Narrow(argv[i]);
        if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= argc) return false;
            a.options[arg] = Narrow(argv[++i]);
        } else if (positional < 2) {
            a.positional[positional++] = arg;
        } else {
            return false;
        }
    }
    return true;
}

int Run(const Args& a) {
    if (a.command == "find") return Find(a);
    if (a.command == "gone") return Gone(a);
    if (a.command == "msgbox") return MessageBoxCommand(a);
    if (a.command == "rect") return Rect(a);
    if (a.command == "move") return Move(a);
    if (a.command == "foreground") return Foreground();
    if (a.command == "nudge") return Nudge(a);
    if (a.command == "post") return Post(a);
    if (a.command == "press") return Press(a);
    if (a.command == "text") return Text(a);
    if (a.command == "f1") return PressF1(a);
    if (a.command == "menu") return Menu(a);
    if (a.command == "set-text") return SetText(a);
    if (a.command == "list") return List(a);
    if (a.command == "select") return Select(a);
    if (a.command == "popup") return probe::ChoosePopupItem(static_cast<int>(a.Number("--item", 0)), a.TimeoutMs());
    if (a.command == "walk") return Walk(a);
    if (a.command == "resize") return Resize(a);
    if (a.command == "child-rect") return ChildRect(a);
    if (a.command == "scroll-pos") return ScrollPosition(a);
    if (a.command == "state") return State(a);
    if (a.command == "reg-type") return RegistryType(a);
    if (a.command == "reg-dword") return RegistryRead(a, true);
    if (a.command == "reg-string") return RegistryRead(a, false);
    if (a.command == "reg-binary") return RegistryRead(a, false, true);
    if (a.command == "check") return Check(a);
    if (a.command == "enabled") return Enabled(a);
    if (a.command == "focus") return Focus(a);
    if (a.command == "sleep") return Sleep(static_cast<DWORD>(a.Number("--ms", 0))), 0;
    std::fputs("probe: unknown command\n", stderr);
    return 2;
}

// Many steps in one process: every Wine program started costs a second or more.
int Batch() {
    char line[8192];
    while (std::fgets(line, sizeof line, stdin)) {
        std::vector<std::wstring> words = probe::SplitWords(Widen(line));
        if (words.empty()) continue;
        std::vector<wchar_t*> argv{nullptr};
        for (std::wstring& word : words) argv.push_back(word.data());
        Args a;
        const int rc = Parse(static_cast<int>(argv.size()), argv.data(), a) ? Run(a) : 2;
        std::fflush(stdout);
        if (rc != 0) {
            std::fprintf(stderr, "probe: failed (%d): %s", rc, line);
            return rc;
        }
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    Args a;
    if (!Parse(argc, argv, a)) {
        std::fputs("usage: probe COMMAND [options]; see the comment at the top of Probe.cpp\n", stderr);
        return 2;
    }
    return a.command == "batch" ? Batch() : Run(a);
}

