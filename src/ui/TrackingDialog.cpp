#include "ui/TrackingDialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/PublicIds.h"
#include "orbit/KepsDatabase.h"
#include "orbit/ObserverGeometry.h"
#include "schedule/ListCommands.h"
#include "ui/DialogControls.h"
#include "ui/Help.h"
#include "ui/MainDialogIds.h"
#include "ui/ModalDialog.h"

namespace tarvon {
namespace {

// Moves the selected name, or every name, from one list to the other.
void MoveNames(HWND dialog, int from, int to, bool all) {
    for (;;) {
        const LRESULT index = all ? 0 : SendDlgItemMessageW(dialog, from, LB_GETCURSEL, 0, 0);
        if (index == LB_ERR || SendDlgItemMessageW(dialog, from, LB_GETCOUNT, 0, 0) <= index) return;
        AddListText(dialog, to, ListText(dialog, from, index));
        SendDlgItemMessageW(dialog, from, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        if (!all) return;
    }
}

void OnInit(HWND dialog, MainWindowState& state) {
    std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
    const std::vector<std::string> tracked = TrackingListNames(state.schedule->tracking);
    for (const std::string& name : tracked) AddListText(dialog, IDC_TRACK_TRACKING, name);
    if (!state.keps) return;
    for (const KepsRecord& record : state.keps->slots) {
        const std::string name(record.name, strnlen(record.name, sizeof record.name));
        if (name.empty() || std::find(tracked.begin(), tracked.end(), name) != tracked.end()) continue;
        AddListText(dialog, IDC_TRACK_SATELLITES, name);
    }
}

void OnOk(HWND dialog, MainWindowState& state) {
    std::vector<std::string> names;
    const LRESULT count = SendDlgItemMessageW(dialog, IDC_TRACK_TRACKING, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) names.push_back(ListText(dialog, IDC_TRACK_TRACKING, i));
    {
        std::lock_guard<std::recursive_mutex> lock(state.sync->scheduleLock);
        ReplaceTrackingList(state.schedule->tracking, names, *state.registry, *state.keps,
                            ObserverFromStation(state.settings->station), state.schedule->Now());
        state.trackingCount = state.schedule->tracking.count;
    }
    {
        std::lock_guard<std::mutex> lock(state.textMutex);
        state.trackingLineTexts.clear();
    }
    EndDialog(dialog, IDOK);
    LayoutMainWindow(state);
}

void OnCommand(HWND dialog, MainWindowState& state, WPARAM wParam) {
    const WORD code = HIWORD(wParam);
    switch (LOWORD(wParam)) {
        case IDC_TRACK_ADD: MoveNames(dialog, IDC_TRACK_SATELLITES, IDC_TRACK_TRACKING, false); return;
        case IDC_TRACK_REMOVE: MoveNames(dialog, IDC_TRACK_TRACKING, IDC_TRACK_SATELLITES, false); return;
        case IDC_TRACK_CLEAR: MoveNames(dialog, IDC_TRACK_TRACKING, IDC_TRACK_SATELLITES, true); return;
        case IDC_TRACK_SATELLITES:
            if (code == LBN_DBLCLK) MoveNames(dialog, IDC_TRACK_SATELLITES, IDC_TRACK_TRACKING, false);
            return;
        case IDC_TRACK_TRACKING:
            if (code == LBN_DBLCLK) MoveNames(dialog, IDC_TRACK_TRACKING, IDC_TRACK_SATELLITES, false);
            return;
        case IDOK: OnOk(dialog, state); return;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
        case IDC_TRACK_HELP: ShowHelp(dialog, IDH_TRACKING); return;
        default: return;
    }
}

constexpr DialogHandlers<MainWindowState> kHandlers{
    .place = "tracking dialog",
    .init = OnInit,
    .command = OnCommand,
};

}  // namespace

void TrackingDialog(MainWindowState& state) {
    if (!state.schedule) return;
    RunModalDialog(state.window, IDD_TRACKING, state, kHandlers);
}

}  // namespace tarvon
