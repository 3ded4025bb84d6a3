#include "ui/SoundsDialog.h"

#include "core/PublicIds.h"
#include "hardware/SoundSettings.h"
#include "resource.h"
#include "ui/Help.h"
#include "ui/SoundsDialogIds.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

struct SoundsState {
    Registry& registry;
    SoundSettings settings;
};

SoundsState& StateOf(HWND dialog) { return *reinterpret_cast<SoundsState*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

uint32_t CheckedType(HWND dialog) {
    return SoundTypeFromButtons(Checked(dialog, IDC_SOUND_WAVE), Checked(dialog, IDC_SOUND_BEEPS));
}

void ApplyEnabling(HWND dialog, uint32_t type) {
    const SoundControls c = SoundControlsFor(type);
    for (int i = 0; i < static_cast<int>(kSoundEvents); ++i) {
        EnableWindow(GetDlgItem(dialog, IDC_SOUND_CHECK_FIRST + i), c.eventChecks);
        EnableWindow(GetDlgItem(dialog, IDC_SOUND_FILE_FIRST + i), c.waveFiles);
    }
    EnableWindow(GetDlgItem(dialog, IDC_SOUND_PER_SATELLITE), c.perSatelliteWave);
}

void OnInit(HWND dialog, SoundsState& state) {
    const SoundSettings& s = state.settings;
    const int typeButton = s.type == kSoundTypeWave    ? IDC_SOUND_WAVE
                           : s.type == kSoundTypeBeeps ? IDC_SOUND_BEEPS
                                                       : IDC_SOUND_NONE;
    CheckRadioButton(dialog, IDC_SOUND_NONE, IDC_SOUND_WAVE, typeButton);
    for (int i = 0; i < static_cast<int>(kSoundEvents); ++i) {
        CheckDlgButton(dialog, IDC_SOUND_CHECK_FIRST + i, s.enabled[i] ? BST_CHECKED : BST_UNCHECKED);
        SendDlgItemMessageW(dialog, IDC_SOUND_FILE_FIRST + i, EM_LIMITTEXT, kWaveFileChars, 0);
        SetDlgItemTextW(dialog, IDC_SOUND_FILE_FIRST + i, Widen(s.waveFiles[i]).c_str());
    }
    CheckDlgButton(dialog, IDC_SOUND_PER_SATELLITE, s.perSatelliteWave ? BST_CHECKED : BST_UNCHECKED);
    ApplyEnabling(dialog, s.type);
}

void OnOk(HWND dialog, SoundsState& state) {
    SoundSettings& s = state.settings;
    s.type = CheckedType(dialog);
    for (int i = 0; i < static_cast<int>(kSoundEvents); ++i) {
        s.enabled[i] = Checked(dialog, IDC_SOUND_CHECK_FIRST + i);
        wchar_t text[kWaveFileChars + 1] = {};
        GetDlgItemTextW(dialog, IDC_SOUND_FILE_FIRST + i, text, kWaveFileChars + 1);
        s.waveFiles[i] = Narrow(text);
    }
    s.perSatelliteWave = Checked(dialog, IDC_SOUND_PER_SATELLITE);
    SaveSoundSettings(state.registry, s);
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
        case IDC_SOUND_NONE:
        case IDC_SOUND_BEEPS:
        case IDC_SOUND_WAVE: ApplyEnabling(dialog, CheckedType(dialog)); return;
        case IDOK: OnOk(dialog, StateOf(dialog)); return;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
        case IDC_SOUND_HELP: ShowHelp(dialog, IDH_SOUNDS); return;
        default: return;
    }
}

INT_PTR CALLBACK SoundsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
            case WM_INITDIALOG:
                SetWindowLongPtrW(dialog, DWLP_USER, lParam);
                OnInit(dialog, *reinterpret_cast<SoundsState*>(lParam));
                return TRUE;
            case WM_COMMAND: OnCommand(dialog, LOWORD(wParam)); return TRUE;
            case WM_HELP: return AnswerHelpRequest(dialog, IDH_SOUNDS, lParam);
            default: return FALSE;
        }
    } catch (...) {
        // A dialog that cannot go on closes without writing anything.
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
}

}  // namespace

void SoundsDialog(HWND owner, Registry& registry) {
    SoundsState state{registry, LoadSoundSettings(registry)};
    DialogBoxParamW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
                    MAKEINTRESOURCEW(IDD_SOUNDS), owner, SoundsProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace tarvon
