#include "ui/BriskoErrorsDialog.h"

#include <filesystem>
#include <vector>

#include "core/Utf8Path.h"
#include "maint/BriskoErrorLog.h"
#include "maint/MaintTexts.h"
#include "ui/ListPrinting.h"
#include "ui/MaintDialogIds.h"
#include "ui/TextListView.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr DWORD kHelpContext = 409;

struct BriskoErrorsState {
    std::filesystem::path log;
    std::vector<std::string> lines;
};

BriskoErrorsState& StateOf(HWND dialog) {
    return *reinterpret_cast<BriskoErrorsState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

void OnCommand(HWND dialog, WPARAM wParam) {
    BriskoErrorsState& state = StateOf(dialog);
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL: EndDialog(dialog, IDOK); return;
    case IDC_BERR_PRINT:
        PrintList(dialog, {kBriskoErrorsDocument, kBriskoErrorsPrintTitle, std::nullopt, &state.lines, {}});
        return;
    case IDC_BERR_CLEAR: {
        std::error_code ignored;
        std::filesystem::remove(state.log, ignored);
        EndDialog(dialog, IDOK);
        return;
    }
    case IDC_BERR_HELP: WinHelpW(dialog, L"KOVA.HLP", HELP_CONTEXT, kHelpContext); return;
    default: return;
    }
}

INT_PTR CALLBACK BriskoErrorsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
            PrepareTextList(dialog, IDC_BERR_LIST, IDC_BERR_HEADER, kBriskoErrorsHeader);
            ShowTextRows(dialog, IDC_BERR_LIST, reinterpret_cast<BriskoErrorsState*>(lParam)->lines.size());
            return TRUE;
        case WM_COMMAND: OnCommand(dialog, wParam); return TRUE;
        case WM_NOTIFY:
            AnswerTextRow(reinterpret_cast<NMHDR*>(lParam), IDC_BERR_LIST, StateOf(dialog).lines);
            return TRUE;
        default: return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

void BriskoErrorsDialog(HWND owner, const std::string& kovaDirectory) {
    BriskoErrorsState state{PathFromUtf8(kovaDirectory) / kBriskoErrorLogName, {}};
    if (!ReadBriskoErrorLog(kovaDirectory, state.lines)) {
        MessageBoxW(owner, Widen(kNoBriskoErrors).c_str(), Widen(kMaintCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_BRISKO_ERRORS), owner, BriskoErrorsProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace tarvon
