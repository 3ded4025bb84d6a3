#include "ui/UploadLogDialog.h"

#include <cstdio>

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "maint/MaintTexts.h"
#include "maint/VantLog.h"
#include "ui/ListPrinting.h"
#include "ui/MaintDialogIds.h"
#include "ui/ModalDialog.h"
#include "ui/TextListView.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

struct UploadLogState {
    const std::string& satellite;
    VantLogReport report;
};

void OnInit(HWND dialog, UploadLogState& state) {
    PrepareTextList(dialog, IDC_ULOG_LIST, IDC_ULOG_HEADER, kUploadLogHeader);
    const size_t count = state.report.uploadRows.size();
    ShowTextRows(dialog, IDC_ULOG_LIST, count);
    SetDlgItemTextW(dialog, IDC_ULOG_COUNT, std::to_wstring(count).c_str());
    SetDlgItemTextW(dialog, IDC_ULOG_SPEED, Widen(AverageText(state.report.uploadSpeedSum, count)).c_str());
}

void OnPrint(HWND dialog, UploadLogState& state) {
    char title[64];
    std::snprintf(title, sizeof title, kUploadLogPrintTitle, state.satellite.c_str());
    PrintList(dialog, {kUploadLogDocument, title, kUploadLogHeader, &state.report.uploadRows, {}});
}

void OnCommand(HWND dialog, UploadLogState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL: EndDialog(dialog, IDOK); return;
    case IDC_ULOG_PRINT: return OnPrint(dialog, state);
    default: return;
    }
}

void OnNotify(HWND, UploadLogState& state, NMHDR* notify) {
    AnswerTextRow(notify, IDC_ULOG_LIST, state.report.uploadRows);
}

}  // namespace

void UploadLogDialog(HWND owner, Registry& registry, const std::string& satellite) {
    UploadLogState state{satellite, {}};
    const std::string directory = SatelliteDirectoryOf(registry, satellite);
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const bool read = !directory.empty() && ReadVantLogFile(directory, state.report);
    SetCursor(previous);
    if (!read) return;
    RunModalDialog(owner, IDD_UPLOAD_LOG, state, {.place = "upload logging dialog",
                    .init = OnInit,
                    .command = OnCommand,
                    .notify = OnNotify,
                    .helpButton = IDC_ULOG_HELP,
                    .helpContext = [](const UploadLogState&) -> unsigned { return IDH_UPLOAD_LOG; }});
}

}  // namespace tarvon
