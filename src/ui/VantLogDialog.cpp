#include "ui/VantLogDialog.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/PublicIds.h"
#include "core/SatelliteConfig.h"
#include "core/Utf8Path.h"
#include "maint/MaintTexts.h"
#include "maint/VantLog.h"
#include "ui/ListPrinting.h"
#include "ui/MaintDialogIds.h"
#include "ui/ModalDialog.h"
#include "ui/SatelliteChoice.h"
#include "ui/TextListView.h"
#include "ui/UploadLogDialog.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

struct VantLogState {
    Registry& registry;
    std::string satellite;
    std::vector<std::string> rows;
    std::string average;
};

void Enable(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE); }

void ShowRows(HWND dialog, VantLogState& state) {
    ShowTextRows(dialog, IDC_VLOG_LIST, state.rows.size());
    SetDlgItemTextW(dialog, IDC_VLOG_AVERAGE, Widen(state.average).c_str());
}

void OnSatelliteChosen(HWND dialog, VantLogState& state) {
    state.satellite = ChosenSatellite(dialog, IDC_VLOG_SATELLITE);
    state.rows.clear();
    state.average.clear();
    ShowRows(dialog, state);
    const std::string directory = SatelliteDirectoryOf(state.registry, state.satellite);
    if (directory.empty()) return;
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    Enable(dialog, IDC_VLOG_UPLOADS, false);
    VantLogReport report;
    if (!ReadVantLogFile(directory, report)) {
        SetCursor(previous);
        MessageBoxW(dialog, Widen(kNoVantLog).c_str(), Widen(kMaintCaption).c_str(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    state.rows = std::move(report.sessionRows);
    state.average = AverageText(report.efficiencySum, report.efficiencyCount);
    ShowRows(dialog, state);
    Enable(dialog, IDC_VLOG_UPLOADS, report.anyUploads);
    Enable(dialog, IDC_VLOG_PRINT, true);
    Enable(dialog, IDC_VLOG_CLEAR, true);
    SetCursor(previous);
}

void OnClear(HWND dialog, VantLogState& state) {
    const std::string directory = SatelliteDirectoryOf(state.registry, state.satellite);
    if (directory.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(PathFromUtf8(directory) / kVantLogFileName, ignored);
    state.rows.clear();
    state.average.clear();
    ShowRows(dialog, state);
}

std::string Format(const char* format, const std::string& a, const std::string& b = {}) {
    char text[256];
    std::snprintf(text, sizeof text, format, a.c_str(), b.c_str());
    return text;
}

void OnPrint(HWND dialog, VantLogState& state) {
    ListPrint print{kVantLogDocument, Format(kVantLogPrintTitle, state.satellite), kVantLogPrintHeader, &state.rows,
                    {"", "", Format(kVantLogPrintAverage, state.satellite, state.average)}};
    PrintList(dialog, print);
}

void OnInit(HWND dialog, VantLogState& state) {
    FillSatelliteChoice(dialog, IDC_VLOG_SATELLITE, PacsatSatelliteNames(state.registry));
    PrepareTextList(dialog, IDC_VLOG_LIST, IDC_VLOG_HEADER, kVantLogHeader);
}

void OnCommand(HWND dialog, VantLogState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL: EndDialog(dialog, IDOK); return;
    case IDC_VLOG_CLEAR: return OnClear(dialog, state);
    case IDC_VLOG_PRINT: return OnPrint(dialog, state);
    case IDC_VLOG_UPLOADS: return UploadLogDialog(dialog, state.registry, state.satellite);
    case IDC_VLOG_SATELLITE:
        if (HIWORD(wParam) == CBN_SELCHANGE) OnSatelliteChosen(dialog, state);
        return;
    default: return;
    }
}

void OnNotify(HWND, VantLogState& state, NMHDR* notify) {
    AnswerTextRow(notify, IDC_VLOG_LIST, state.rows);
}

}  // namespace

void VantLogDialog(HWND owner, Registry& registry) {
    VantLogState state{registry, {}, {}, {}};
    RunModalDialog(owner, IDD_VANT_LOG, state, {.place = "VANT log dialog",
                    .init = OnInit,
                    .command = OnCommand,
                    .notify = OnNotify,
                    .helpButton = IDC_VLOG_HELP,
                    .helpContext = [](const VantLogState&) -> unsigned { return IDH_VANT_LOG; }});
}

}  // namespace tarvon
