#include "ui/NotificationDialog.h"

#include <cstdlib>
#include <mutex>
#include <set>

#include "core/PublicIds.h"
#include "schedule/PassEdits.h"
#include "ui/Help.h"
#include "ui/PassDialogIds.h"
#include "win32/Utf8.h"
#include "ui/UiBarrier.h"

namespace tarvon {
namespace {


// Open dialogs, for the message loop; only the main thread touches it.
std::set<HWND>& OpenDialogs() {
    static std::set<HWND> dialogs;
    return dialogs;
}

ScheduleState* ScheduleOf(HWND dialog) {
    return reinterpret_cast<ScheduleState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

std::string ControlText(HWND dialog, int id) {
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, id, text, 64);
    return Narrow(text);
}

void Fill(HWND dialog, ScheduleState& schedule, const SchedulePass& pass) {
    const Settings& settings = schedule.services.settings;
    const NotificationTexts t = NotificationTextsFor(pass, settings.general.displayTime, settings.timeZoneBiasSeconds);
    SetDlgItemTextW(dialog, IDC_NOTIFY_SATELLITE, Widen(t.satellite).c_str());
    SetDlgItemTextW(dialog, IDC_NOTIFY_AOS, Widen(t.aos).c_str());
    SetDlgItemTextW(dialog, IDC_NOTIFY_LOS, Widen(t.los).c_str());
    SetDlgItemTextW(dialog, IDC_NOTIFY_MAXEL, Widen(t.maxElevation).c_str());
    SetDlgItemTextW(dialog, IDC_NOTIFY_HIDDEN_AOS, Widen(t.hiddenAos).c_str());
}

void Close(HWND dialog, NotificationButton button) {
    ScheduleState* schedule = ScheduleOf(dialog);
    const std::string satName = ControlText(dialog, IDC_NOTIFY_SATELLITE);
    const int32_t aos = static_cast<int32_t>(std::strtol(ControlText(dialog, IDC_NOTIFY_HIDDEN_AOS).c_str(), nullptr, 10));
    if (schedule) ApplyNotificationButton(*schedule, satName, aos, button);
    DestroyWindow(dialog);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:  // pressed by the engine
    case IDC_NOTIFY_OK: return Close(dialog, NotificationButton::Ok);
    case IDC_NOTIFY_RUN: return Close(dialog, NotificationButton::Run);
    case IDC_NOTIFY_CANCEL: return Close(dialog, NotificationButton::Cancel);
    case IDC_NOTIFY_HELP: ShowHelp(dialog, IDH_NOTIFICATION); return;
    default: return;
    }
}

INT_PTR CALLBACK NotificationProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
            OpenDialogs().insert(dialog);
            return TRUE;
        case WM_HELP:
            return AnswerHelpRequest(dialog, IDH_NOTIFICATION, lParam);
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            Close(dialog, NotificationButton::Ok);
            return TRUE;
        case WM_DESTROY:
            OpenDialogs().erase(dialog);
            return TRUE;
        default:
            return FALSE;
        }
    } catch (...) {
        RecordCaughtInWindow("notification dialog");
        return FALSE;
    }
}

}  // namespace

HWND NotificationDialog(HINSTANCE instance, ScheduleState& schedule, const PassRef& pass) {
    HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_NOTIFICATION), nullptr, NotificationProc,
                                     reinterpret_cast<LPARAM>(&schedule));
    if (!dialog) return nullptr;
    {
        std::lock_guard<std::recursive_mutex> lock(schedule.services.sync.scheduleLock);
        Fill(dialog, schedule, *pass);
        pass->notifyWindow = reinterpret_cast<uintptr_t>(dialog);
    }
    ShowWindow(dialog, SW_SHOW);
    SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(dialog);
    return dialog;
}

bool IsNotificationDialogMessage(MSG& message) {
    const std::set<HWND> open = OpenDialogs();  // a dialog may close while handling the message
    for (HWND dialog : open) {
        if (IsDialogMessageW(dialog, &message)) return true;
    }
    return false;
}

}  // namespace tarvon
