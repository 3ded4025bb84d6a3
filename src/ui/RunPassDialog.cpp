#include "ui/RunPassDialog.h"

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "platform/Notices.h"
#include "schedule/PassEdits.h"
#include "ui/Help.h"
#include "ui/PassDialogIds.h"
#include "ui/SatelliteChoice.h"
#include "ui/UiBarrier.h"

namespace tarvon {
namespace {


struct ChoiceState {
    const std::vector<std::string>& names;
    const wchar_t* title;
    DWORD helpContext;
    std::string chosen;
};

ChoiceState& StateOf(HWND dialog) { return *reinterpret_cast<ChoiceState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA)); }

void OnInit(HWND dialog, ChoiceState& state) {
    SetWindowTextW(dialog, state.title);
    FillSatelliteChoice(dialog, IDC_CHOICE_LIST, state.names);
}

void Choose(HWND dialog, ChoiceState& state) {
    state.chosen = ChosenSatellite(dialog, IDC_CHOICE_LIST);
    if (state.chosen.empty()) return;
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    ChoiceState& state = StateOf(dialog);
    switch (LOWORD(wParam)) {
    case IDOK: return Choose(dialog, state);
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    case IDC_CHOICE_HELP: ShowHelp(dialog, state.helpContext); return;
    case IDC_CHOICE_LIST:
        if (HIWORD(wParam) == LBN_SELCHANGE) EnableWindow(GetDlgItem(dialog, IDOK), TRUE);
        if (HIWORD(wParam) == LBN_DBLCLK) Choose(dialog, state);
        return;
    default: return;
    }
}

INT_PTR CALLBACK ChoiceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
            OnInit(dialog, *reinterpret_cast<ChoiceState*>(lParam));
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, wParam);
            return TRUE;
        case WM_HELP:
            return AnswerHelpRequest(dialog, StateOf(dialog).helpContext, lParam);
        default:
            return FALSE;
        }
    } catch (...) {
        RecordCaughtInWindow("satellite choice dialog");
        return FALSE;
    }
}

}  // namespace

std::optional<std::string> ChooseFromList(HWND owner, const std::vector<std::string>& names, const wchar_t* title,
                                          DWORD helpContext) {
    ChoiceState state{names, title, helpContext, {}};
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    if (DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SATELLITE_CHOICE), owner, ChoiceProc,
                        reinterpret_cast<LPARAM>(&state)) != IDOK) {
        return std::nullopt;
    }
    return state.chosen;
}

std::optional<std::string> ChooseSatellite(HWND owner, ScheduleState& schedule, const wchar_t* title,
                                           DWORD helpContext) {
    return ChooseFromList(owner, SatelliteNames(schedule.services.platform.registry), title, helpContext);
}

void RunPassDialog(HWND owner, ScheduleState& schedule) {
    if (HasUnfinishedManualPass(schedule)) {
        schedule.services.platform.notices.Show(kSecondManualPassMessage, "Tarvon", NoticeIcon::Exclamation);
        return;
    }
    if (auto name = ChooseSatellite(owner, schedule, L"Run Pass", IDH_RUN_PASS)) StartManualPass(schedule, *name);
}

}  // namespace tarvon
