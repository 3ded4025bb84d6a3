#include "ui/UploadStatusDialog.h"

#include <filesystem>
#include <string>
#include <vector>

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "core/Utf8Path.h"
#include "maint/MaintTexts.h"
#include "maint/UploadQueue.h"
#include "ui/MaintDialogIds.h"
#include "ui/ModalDialog.h"
#include "ui/SatelliteChoice.h"
#include "ui/TextListView.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

struct UploadStatusState {
    Registry& registry;
    std::string directory;  // of the satellite shown
    std::vector<QueuedUpload> queue;
    std::vector<std::string> rows;
    bool copying = false;
};

void Enable(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE); }

void Show(HWND dialog, int id, bool on) { ShowWindow(GetDlgItem(dialog, id), on ? SW_SHOW : SW_HIDE); }

void Tell(HWND dialog, const char* text) {
    MessageBoxW(dialog, Widen(text).c_str(), Widen(kMaintCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ShowQueue(HWND dialog, UploadStatusState& state) {
    state.rows.clear();
    for (const QueuedUpload& upload : state.queue) state.rows.push_back(upload.row);
    ShowTextRows(dialog, IDC_USTAT_LIST, state.rows.size());
    Enable(dialog, IDC_USTAT_DELETE, false);
    Enable(dialog, IDC_USTAT_COPY, false);
}

void LoadQueue(HWND dialog, UploadStatusState& state) {
    state.queue.clear();
    state.directory = SatelliteDirectoryOf(state.registry, ChosenSatellite(dialog, IDC_USTAT_SATELLITE));
    if (!state.directory.empty()) {
        HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        state.queue = ListUploadQueue(state.directory);
        SetCursor(previous);
    }
    ShowQueue(dialog, state);
}

const QueuedUpload* Selected(HWND dialog, UploadStatusState& state) {
    const int row = SelectedTextRow(dialog, IDC_USTAT_LIST);
    if (row < 0 || static_cast<size_t>(row) >= state.queue.size()) return nullptr;
    return &state.queue[static_cast<size_t>(row)];
}

void OnDelete(HWND dialog, UploadStatusState& state) {
    const QueuedUpload* upload = Selected(dialog, state);
    if (!upload || !DeleteQueuedUpload(state.directory, upload->name)) return;
    state.queue.erase(state.queue.begin() + (upload - state.queue.data()));
    ShowQueue(dialog, state);
}

void SetCopyMode(HWND dialog, UploadStatusState& state, bool copying, const wchar_t* closeLabel) {
    state.copying = copying;
    Show(dialog, IDC_USTAT_DEST_LABEL, copying);
    Show(dialog, IDC_USTAT_DEST, copying);
    for (int id : {IDC_USTAT_SATELLITE, IDC_USTAT_LIST, IDC_USTAT_COPY, IDC_USTAT_DELETE}) Enable(dialog, id, !copying);
    SetDlgItemTextW(dialog, IDC_USTAT_CLOSE, closeLabel);
    if (copying) SetFocus(GetDlgItem(dialog, IDC_USTAT_DEST));
}

void OnCopy(HWND dialog, UploadStatusState& state) {
    const QueuedUpload* upload = Selected(dialog, state);
    std::error_code error;
    if (!upload || !std::filesystem::exists(PathFromUtf8(state.directory) / PathFromUtf8(upload->name), error)) return;
    SetCopyMode(dialog, state, true, L"OK");
}

void CopyToDestination(HWND dialog, UploadStatusState& state) {
    const QueuedUpload* upload = Selected(dialog, state);
    SetCopyMode(dialog, state, false, L"Cancel");
    const std::string destination = SatelliteDirectoryOf(state.registry, ChosenSatellite(dialog, IDC_USTAT_DEST));
    if (!upload || destination.empty()) return;
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const UploadCopy result = CopyQueuedUpload(state.directory, upload->name, destination);
    SetCursor(previous);
    switch (result) {
    case UploadCopy::NameTooLong: return Tell(dialog, kOutgoingNameTooLong);
    case UploadCopy::NoSource: return Tell(dialog, kNoSourceFile);
    case UploadCopy::NoDestination: return Tell(dialog, kNoDestinationFile);
    case UploadCopy::Copied: break;
    }
    std::error_code error;
    if (std::filesystem::equivalent(PathFromUtf8(destination), PathFromUtf8(state.directory), error)) {
        LoadQueue(dialog, state);
    }
}

void OnInit(HWND dialog, UploadStatusState& state) {
    const std::vector<std::string> names = PacsatSatelliteNames(state.registry);
    FillSatelliteChoice(dialog, IDC_USTAT_SATELLITE, names);
    FillSatelliteChoice(dialog, IDC_USTAT_DEST, names);
    PrepareTextList(dialog, IDC_USTAT_LIST, IDC_USTAT_HEADER, kUploadStatusHeader);
}

void OnCommand(HWND dialog, UploadStatusState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDC_USTAT_CLOSE:
        if (state.copying) return CopyToDestination(dialog, state);
        EndDialog(dialog, IDOK);
        return;
    case IDCANCEL:
        // Escape or the close box only leaves a copy being set up.
        if (state.copying) return SetCopyMode(dialog, state, false, L"Close");
        EndDialog(dialog, IDCANCEL);
        return;
    case IDC_USTAT_DELETE: return OnDelete(dialog, state);
    case IDC_USTAT_COPY: return OnCopy(dialog, state);
    case IDC_USTAT_SATELLITE:
        if (HIWORD(wParam) == CBN_SELCHANGE) LoadQueue(dialog, state);
        return;
    default: return;
    }
}

// While a copy is being set up, the help tells how the copy is named.
unsigned HelpContext(const UploadStatusState& state) { return state.copying ? IDH_UPLOAD_COPY : IDH_UPLOAD_STATUS; }

void OnNotify(HWND dialog, UploadStatusState& state, NMHDR* notify) {
    if (AnswerTextRow(notify, IDC_USTAT_LIST, state.rows)) return;
    if (IsRowSelected(notify, IDC_USTAT_LIST) && !state.copying) {
        Enable(dialog, IDC_USTAT_DELETE, true);
        Enable(dialog, IDC_USTAT_COPY, true);
    }
}

}  // namespace

void UploadStatusDialog(HWND owner, Registry& registry) {
    UploadStatusState state{registry, {}, {}, {}, false};
    RunModalDialog(owner, IDD_UPLOAD_STATUS, state, {.place = "upload file status dialog",
                    .init = OnInit,
                    .command = OnCommand,
                    .notify = OnNotify,
                    .helpButton = IDC_USTAT_HELP,
                    .helpContext = HelpContext});
}

}  // namespace tarvon
