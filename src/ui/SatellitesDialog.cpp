#include "ui/SatellitesDialog.h"

#include <new>

#include "core/PublicIds.h"
#include "schedule/SatelliteEdits.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/SatelliteSetupIds.h"
#include "ui/SatelliteSheet.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

struct ListState {
    MainWindowState& main;
};

void EnableChoiceButtons(HWND dialog) {
    const bool chosen = SendDlgItemMessageW(dialog, IDC_SATS_LIST, LB_GETCURSEL, 0, 0) != LB_ERR;
    EnableWindow(GetDlgItem(dialog, IDC_SATS_EDIT), chosen);
    EnableWindow(GetDlgItem(dialog, IDC_SATS_DELETE), chosen);
}

std::string ChosenName(HWND dialog) {
    const LRESULT index = SendDlgItemMessageW(dialog, IDC_SATS_LIST, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? std::string() : ListText(dialog, IDC_SATS_LIST, index);
}

// The list as the registry has it now; the chosen satellite stays chosen
// while it is there.
void Refill(HWND dialog, ListState& state) {
    const std::wstring chosen = Widen(ChosenName(dialog));
    SendDlgItemMessageW(dialog, IDC_SATS_LIST, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : SatelliteNames(*state.main.registry)) AddListText(dialog, IDC_SATS_LIST, name);
    if (!chosen.empty()) {
        const LRESULT at = SendDlgItemMessageW(dialog, IDC_SATS_LIST, LB_FINDSTRINGEXACT, WPARAM(-1),
                                               reinterpret_cast<LPARAM>(chosen.c_str()));
        SendDlgItemMessageW(dialog, IDC_SATS_LIST, LB_SETCURSEL, at == LB_ERR ? WPARAM(-1) : WPARAM(at), 0);
    }
    EnableChoiceButtons(dialog);
}

void Tell(HWND dialog, const char* text) { ShowDialogMessage(dialog, text, "Tarvon", MB_OK | MB_ICONEXCLAMATION); }

// Runs the sheet until the record is saved or the user gives up; a refused
// name brings the sheet back with the record as it was entered.
template <typename Save>
void EditUntilSaved(HWND dialog, ListState& state, SatelliteConfig& config, bool isNew, Save save) {
    while (RunSatelliteSheet(state.main, config, isNew)) {
        switch (save(config)) {
        case SatelliteSave::DuplicateName: Tell(dialog, kDuplicateSatelliteName); continue;
        case SatelliteSave::Failed: Tell(dialog, kSatelliteNotSaved); return;
        case SatelliteSave::Saved: return;
        }
    }
}

void OnNew(HWND dialog, ListState& state, const SatelliteStore& store) {
    std::unique_ptr<SatelliteConfig> config = NewSatelliteConfig();
    if (!config) throw std::bad_alloc();
    EditUntilSaved(dialog, state, *config, true, [&](SatelliteConfig& c) { return CreateSatellite(store, c); });
}

void OnEdit(HWND dialog, ListState& state, const SatelliteStore& store) {
    const std::string name = ChosenName(dialog);
    std::string path;
    if (name.empty() || !FindSatelliteKey(store.registry, name, path)) return;
    std::unique_ptr<SatelliteConfig> config;
    if (auto key = store.registry.Open(RegRoot::LocalMachine, path)) config = LoadSatelliteConfig(*key);
    if (!config) return;
    EditUntilSaved(dialog, state, *config, false,
                   [&](SatelliteConfig& c) { return SaveEditedSatellite(store, path, name, c); });
}

void OnDelete(HWND dialog, const SatelliteStore& store) {
    const std::string name = ChosenName(dialog);
    if (name.empty()) return;
    const std::string question =
        "Delete the satellite " + name + "?  Its settings are removed and its passes leave the schedule.";
    if (ShowDialogMessage(dialog, question, "Tarvon", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    RemoveSatellite(store, name);
}

void OnCommand(HWND dialog, ListState& state, WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return;
    }
    if (id == IDC_SATS_LIST && HIWORD(wParam) == LBN_SELCHANGE) return EnableChoiceButtons(dialog);
    const bool edit = id == IDC_SATS_EDIT || (id == IDC_SATS_LIST && HIWORD(wParam) == LBN_DBLCLK);
    if (!edit && id != IDC_SATS_NEW && id != IDC_SATS_DELETE) return;
    DialogNotices notices(dialog);
    const SatelliteStore store{*state.main.registry, notices, state.main.schedule};
    try {
        if (edit) OnEdit(dialog, state, store);
        if (id == IDC_SATS_NEW) OnNew(dialog, state, store);
        if (id == IDC_SATS_DELETE) OnDelete(dialog, store);
    } catch (const std::bad_alloc&) {
        Tell(dialog, kSatelliteMemory);
    }
    Refill(dialog, state);
}

}  // namespace

void SatellitesDialog(MainWindowState& state) {
    static constexpr DialogHandlers<ListState> kHandlers{
        "satellites dialog", Refill, OnCommand, nullptr, IDC_SATS_HELP, FixedHelp<ListState, IDH_SATELLITES>};
    ListState list{state};
    RunModalDialog(state.window, IDD_SATELLITES, list, kHandlers);
}

}  // namespace tarvon
