#include "ui/BriskoErrorsDialog.h"

#include <filesystem>
#include <vector>

#include "core/PublicIds.h"
#include "core/Utf8Path.h"
#include "maint/BriskoErrorLog.h"
#include "maint/MaintTexts.h"
#include "ui/ListPrinting.h"
#include "ui/MaintDialogIds.h"
#include "ui/ModalDialog.h"
#include "ui/TextListView.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

struct BriskoErrorsState {
    std::filesystem::path log;
    std::vector<std::string> lines;
};

void OnInit(HWND dialog, BriskoErrorsState& state) {
    PrepareTextList(dialog, IDC_BERR_LIST, IDC_BERR_HEADER, kBriskoErrorsHeader);
    ShowTextRows(dialog, IDC_BERR_LIST, state.lines.size());
}

void OnCommand(HWND dialog, BriskoErrorsState& state, WPARAM wParam) {
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
    default: return;
    }
}

void OnNotify(HWND, BriskoErrorsState& state, NMHDR* notify) {
    AnswerTextRow(notify, IDC_BERR_LIST, state.lines);
}

}  // namespace

void BriskoErrorsDialog(HWND owner, const std::string& kovaDirectory) {
    BriskoErrorsState state{SuiteFilePath(kovaDirectory, kBriskoErrorLogName), {}};
    if (!ReadBriskoErrorLog(kovaDirectory, state.lines)) {
        MessageBoxW(owner, Widen(kNoBriskoErrors).c_str(), Widen(kMaintCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    RunModalDialog(owner, IDD_BRISKO_ERRORS, state, {.place = "Brisko errors dialog",
                    .init = OnInit,
                    .command = OnCommand,
                    .notify = OnNotify,
                    .helpButton = IDC_BERR_HELP,
                    .helpContext = [](const BriskoErrorsState&) -> unsigned { return IDH_BRISKO_ERRORS; }});
}

}  // namespace tarvon
