#include "ui/ScrivetSetupDialog.h"

#include "core/Directories.h"
#include "core/PublicIds.h"
#include "core/SuiteSetupForms.h"
#include "ui/DialogControls.h"
#include "ui/ModalDialog.h"
#include "ui/SuiteDialogIds.h"

namespace tarvon {
namespace {

const int kFieldControls[] = {IDC_SCR_SIGNATURE, IDC_SCR_GREETING,  IDC_SCR_EDITOR,
                              IDC_SCR_SOURCE_DIR, IDC_SCR_EXPIRY,    IDC_SCR_THRESHOLD};

struct ScrivetState {
    Registry& registry;
    ScrivetSettings settings;
};

void OnInit(HWND dialog, ScrivetState& state) {
    state.settings = LoadScrivetSettings(state.registry);
    const ScrivetSetupForm form = ScrivetSetupFormFor(state.settings);
    SetEditText(dialog, IDC_SCR_SIGNATURE, form.signature, 12);
    SetEditText(dialog, IDC_SCR_GREETING, form.greeting, 29);
    SetEditText(dialog, IDC_SCR_EDITOR, form.editor, 259);
    SetEditText(dialog, IDC_SCR_SOURCE_DIR, form.sourceSaveDirectory, 259);
    SetEditText(dialog, IDC_SCR_EXPIRY, form.messageExpiryDays, 2);
    SetEditText(dialog, IDC_SCR_THRESHOLD, form.compressionThreshold, 6);
    FillComboBox(dialog, IDC_SCR_COMPRESSION, {"None", "PKZIP", "LHArc"});
    SetComboIndex(dialog, IDC_SCR_COMPRESSION, form.compressionIndex);
    SetChecked(dialog, IDC_SCR_REMOVE_SOURCE, form.removeSource);
    SetChecked(dialog, IDC_SCR_COPY_ORIGINAL, form.copyOriginal);
}

ScrivetSetupForm ReadForm(HWND dialog) {
    ScrivetSetupForm form;
    form.signature = ControlText(dialog, IDC_SCR_SIGNATURE);
    form.greeting = ControlText(dialog, IDC_SCR_GREETING);
    form.editor = ControlText(dialog, IDC_SCR_EDITOR);
    form.sourceSaveDirectory = ControlText(dialog, IDC_SCR_SOURCE_DIR);
    form.messageExpiryDays = ControlText(dialog, IDC_SCR_EXPIRY);
    form.compressionThreshold = ControlText(dialog, IDC_SCR_THRESHOLD);
    form.compressionIndex = ComboIndex(dialog, IDC_SCR_COMPRESSION);
    form.removeSource = IsChecked(dialog, IDC_SCR_REMOVE_SOURCE);
    form.copyOriginal = IsChecked(dialog, IDC_SCR_COPY_ORIGINAL);
    return form;
}

void OnOk(HWND dialog, ScrivetState& state) {
    if (auto problem = ReadScrivetSetupForm(ReadForm(dialog), state.settings)) {
        ShowFieldProblem(dialog, *problem, kFieldControls[problem->field], "Tarvon");
        return;
    }
    if (!state.settings.sourceSaveDirectory.empty()) {
        DialogNotices notices(dialog);
        EnsureDirectory(state.settings.sourceSaveDirectory, notices);
    }
    SaveScrivetSettings(state.registry, state.settings);
    EndDialog(dialog, IDOK);
}

}  // namespace

void ScrivetSetupDialog(HWND owner, Registry& registry) {
    static const DialogHandlers<ScrivetState> handlers{
        .place = "Scrivet setup dialog",
        .init = OnInit,
        .helpButton = IDC_SCR_HELP,
        .helpContext = FixedHelp<ScrivetState, IDH_SCRIVET_SETUP>,
        .ok = OnOk};
    ScrivetState state{registry, {}};
    RunModalDialog(owner, IDD_SCRIVET_SETUP, state, handlers);
}

}  // namespace tarvon
