#include "ui/EnableRotatorDialog.h"

#include <memory>
#include <mutex>
#include <string>

#include "core/PublicIds.h"
#include "hardware/TrackingController.h"
#include "orbit/KepsDatabase.h"
#include "ui/DialogControls.h"
#include "ui/EnableRotatorIds.h"
#include "ui/Help.h"
#include "ui/StationHardware.h"
#include "ui/UiBarrier.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr const char* kStopLine = "[STOP]";

MainWindowState& StateOf(HWND dialog) {
    return *reinterpret_cast<MainWindowState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

void AddLine(HWND dialog, const std::wstring& line) {
    SendDlgItemMessageW(dialog, IDC_ROTATOR_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

// The TrakBox tracks by its own list, which it is asked for; the names
// arrive from the reader's thread one by one.
void AskTrakBox(HWND dialog, MainWindowState& state) {
    if (!state.hardware) return;
    state.hardware->rotator.ListTrakBoxSatellites([dialog](const std::string& name) {
        auto carried = std::make_unique<std::wstring>(Widen(name));
        if (PostMessageW(dialog, WM_TARVON_TRAKBOX_NAME, 0, reinterpret_cast<LPARAM>(carried.get()))) carried.release();
    });
}

// Every type that tracks by the station's own predictions offers the
// satellites of the element database.
void OnInit(HWND dialog, MainWindowState& state) {
    AddLine(dialog, Widen(kStopLine));
    const uint32_t type = state.settings->general.rotatorType;
    if (type == kRotatorTrakBox) AskTrakBox(dialog, state);
    if (type < kRotatorLevel1 || !state.keps) return;
    std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
    for (const KepsRecord& record : state.keps->slots) {
        const std::string name(record.name, strnlen(record.name, sizeof record.name));
        if (!name.empty()) AddLine(dialog, Widen(name));
    }
}

void Choose(HWND dialog, MainWindowState& state) {
    const LRESULT index = SendDlgItemMessageW(dialog, IDC_ROTATOR_LIST, LB_GETCURSEL, 0, 0);
    if (index != LB_ERR && state.tracking) {
        const std::string line = ListText(dialog, IDC_ROTATOR_LIST, index);
        if (line == kStopLine) {
            state.tracking->StartTracking(true, true, "");
        } else {
            state.tracking->StartTracking(false, true, line);
        }
    }
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    MainWindowState& state = StateOf(dialog);
    switch (LOWORD(wParam)) {
        case IDOK: Choose(dialog, state); return;
        case IDCANCEL:
            if (state.settings->general.rotatorType == kRotatorTrakBox && state.hardware) {
                state.hardware->rotator.CloseRotatorPort();
            }
            EndDialog(dialog, IDCANCEL);
            return;
        case IDC_ROTATOR_HELP: ShowHelp(dialog, IDH_ENABLE_ROTATOR); return;
        case IDC_ROTATOR_LIST:
            if (HIWORD(wParam) == LBN_DBLCLK) Choose(dialog, state);
            return;
        default: return;
    }
}

INT_PTR CALLBACK EnableRotatorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
            case WM_INITDIALOG:
                SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
                OnInit(dialog, *reinterpret_cast<MainWindowState*>(lParam));
                return TRUE;
            case WM_COMMAND: OnCommand(dialog, wParam); return TRUE;
            case WM_TARVON_TRAKBOX_NAME: {
                std::unique_ptr<std::wstring> name(reinterpret_cast<std::wstring*>(lParam));
                AddLine(dialog, *name);
                return TRUE;
            }
            case WM_HELP: return AnswerHelpRequest(dialog, IDH_ENABLE_ROTATOR, lParam);
            default: return FALSE;
        }
    } catch (...) {
        RecordCaughtInWindow("enable rotator dialog");
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
}

}  // namespace

void EnableRotatorDialog(MainWindowState& state) {
    DialogBoxParamW(state.instance, MAKEINTRESOURCEW(IDD_ENABLE_ROTATOR), state.window, EnableRotatorProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace tarvon
