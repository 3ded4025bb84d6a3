#include "ui/UploadLogDialog.h"

#include <cstdio>

#include "core/SatelliteConfig.h"
#include "maint/MaintTexts.h"
#include "maint/VantLog.h"
#include "ui/ListPrinting.h"
#include "ui/MaintDialogIds.h"
#include "ui/TextListView.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr DWORD kHelpContext = 414;

struct UploadLogState {
    const std::string& satellite;
    VantLogReport report;
};

UploadLogState& StateOf(HWND dialog) {
    return *reinterpret_cast<UploadLogState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

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

INT_PTR CALLBACK UploadLogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
            OnInit(dialog, *reinterpret_cast<UploadLogState*>(lParam));
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
            case IDOK:
            case IDCANCEL: EndDialog(dialog, IDOK); break;
            case IDC_ULOG_PRINT: OnPrint(dialog, StateOf(dialog)); break;
            case IDC_ULOG_HELP: WinHelpW(dialog, L"KOVA.HLP", HELP_CONTEXT, kHelpContext); break;
            default: break;
            }
            return TRUE;
        case WM_NOTIFY:
            AnswerTextRow(reinterpret_cast<NMHDR*>(lParam), IDC_ULOG_LIST, StateOf(dialog).report.uploadRows);
            return TRUE;
        default: return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

void UploadLogDialog(HWND owner, Registry& registry, const std::string& satellite) {
    UploadLogState state{satellite, {}};
    const std::string directory = SatelliteDirectoryOf(registry, satellite);
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const bool read = !directory.empty() && ReadVantLogFile(directory, state.report);
    SetCursor(previous);
    if (!read) return;
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_UPLOAD_LOG), owner, UploadLogProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace tarvon
