#include "ui/MapOptionsDialog.h"

#include <cstdlib>
#include <string>

#include "core/PublicIds.h"
#include "core/SettingsStore.h"
#include "orbit/MapProjection.h"
#include "ui/DialogControls.h"
#include "ui/MapDialogIds.h"
#include "ui/ModalDialog.h"

namespace tarvon {
namespace {


struct OptionsState {
    Registry& registry;
    GeneralSettings& general;
};

struct Box {
    int id;
    uint32_t GeneralSettings::*value;
};

constexpr Box kBoxes[] = {
    {IDC_MAPOPT_TRACK_NORM, &GeneralSettings::mapGroundTrackNorm},
    {IDC_MAPOPT_TRACK_FAST, &GeneralSettings::mapGroundTrackFast},
    {IDC_MAPOPT_TERMINATOR_NORM, &GeneralSettings::mapTerminatorNorm},
    {IDC_MAPOPT_TERMINATOR_FAST, &GeneralSettings::mapTerminatorFast},
    {IDC_MAPOPT_CIRCLE_NORM, &GeneralSettings::mapCircleNorm},
    {IDC_MAPOPT_CIRCLE_FAST, &GeneralSettings::mapCircleFast},
};

void OnInit(HWND dialog, OptionsState& state) {
    for (const Box& b : kBoxes) CheckDlgButton(dialog, b.id, state.general.*b.value ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageW(dialog, IDC_MAPOPT_SPEED, EM_LIMITTEXT, 4, 0);
    SetDlgItemTextW(dialog, IDC_MAPOPT_SPEED, std::to_wstring(static_cast<int>(state.general.mapSpeed)).c_str());
    for (uint32_t i = 0; i < kMapOriginCount; ++i) {
        AddListText(dialog, IDC_MAPOPT_ORIGIN, MapOriginAt(i).label);
    }
    SendDlgItemMessageW(dialog, IDC_MAPOPT_ORIGIN, LB_SETCURSEL, state.general.mapOrigin, 0);
}

void OnOk(HWND dialog, OptionsState& state) {
    GeneralSettings& g = state.general;
    for (const Box& b : kBoxes) g.*b.value = IsDlgButtonChecked(dialog, b.id) == BST_CHECKED ? 1 : 0;
    wchar_t speed[8] = {};
    GetDlgItemTextW(dialog, IDC_MAPOPT_SPEED, speed, 8);
    g.mapSpeed = MapSpeedOrDefault(static_cast<uint32_t>(std::wcstoul(speed, nullptr, 10)));
    const LRESULT origin = SendDlgItemMessageW(dialog, IDC_MAPOPT_ORIGIN, LB_GETCURSEL, 0, 0);
    g.mapOrigin = origin == LB_ERR ? 0 : static_cast<uint32_t>(origin);
    SaveMapOptions(state.registry, g);
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, OptionsState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: OnOk(dialog, state); return;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    default: return;
    }
}

constexpr DialogHandlers<OptionsState> kHandlers{
    .place = "map options dialog",
    .init = OnInit,
    .command = OnCommand,
    .helpButton = IDC_MAPOPT_HELP,
    .helpContext = FixedHelp<OptionsState, IDH_MAP_OPTIONS>,
};

}  // namespace

bool MapOptionsDialog(HWND owner, Registry& registry, GeneralSettings& general) {
    OptionsState state{registry, general};
    return RunModalDialog(owner, IDD_MAP_OPTIONS, state, kHandlers) == IDOK;
}

}  // namespace tarvon
