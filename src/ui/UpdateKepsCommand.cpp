#include "ui/UpdateKepsCommand.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "core/PublicIds.h"
#include "core/Utf8Path.h"
#include "orbit/ElementImport.h"
#include "orbit/ImportTexts.h"
#include "orbit/KepsImportSettings.h"
#include "ui/Help.h"
#include "ui/KepsDialogIds.h"
#include "ui/UiBarrier.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

struct ImportRun {
    std::filesystem::path elementFile;
    ElementFormat format;
    std::filesystem::path kepsFile;
};

// The file dialog's Help button, taken where it is pressed: Wine's dialog
// tells nobody of it, Windows' dialog would tell the hook (CDN_HELP).
LRESULT CALLBACK HelpButtonSubclass(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_COMMAND && LOWORD(wParam) == pshHelp) {
        ShowHelp(dialog, IDH_UPDATE_KEPS);
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(dialog, HelpButtonSubclass, id);
    return DefSubclassProc(dialog, message, wParam, lParam);
}

UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) SetWindowSubclass(GetParent(hook), HelpButtonSubclass, 1, 0);
    return 0;
}

// The file chosen, or nothing on Cancel; `type` is the filter chosen, 1 or 2.
std::optional<std::wstring> ChooseElementFile(HWND owner, const KepsImportSettings& settings, DWORD& type) {
    std::wstring filter = Widen(texts::kTwoLineFilter) + L'\0' + L"*.*" + L'\0' + Widen(texts::kVerboseFilter) +
                          L'\0' + L"*.*" + L'\0';
    const std::wstring title = Widen(texts::kUpdateKepsFileTitle);
    const std::wstring folder = Widen(settings.kepsDir);
    wchar_t file[4096] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = settings.kepsType == 1 ? 1 : 2;
    ofn.lpstrFile = file;
    ofn.nMaxFile = static_cast<DWORD>(std::size(file));
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.c_str();
    // No default extension: element files are often named without one, and
    // one appended to a typed name would make it a file that is not there.
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_SHOWHELP |
                OFN_ENABLEHOOK | OFN_ENABLESIZING;
    ofn.lpfnHook = FileDialogHook;
    if (!GetOpenFileNameW(&ofn)) return std::nullopt;
    type = ofn.nFilterIndex == 1 ? 1 : 2;
    return std::wstring(file);
}

bool CanBeOpened(const std::wstring& file) {
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

// The format's two "%s" filled in turn (the texts may hold a "%" themselves).
std::string FormatLine(std::string_view format, const std::string& a, const std::string& b) {
    const size_t first = format.find("%s");
    const size_t second = format.find("%s", first + 2);
    std::string line(format.substr(0, first));
    line += a;
    line += format.substr(first + 2, second - first - 2);
    line += b;
    line += format.substr(second + 2);
    return line;
}

// The import runs while the report opens, under the wait cursor. A damaged
// Kova.KEP is moved aside rather than refused: the user asked for new
// elements, and the sound slots and the old file are both kept.
ImportReport RunImport(const ImportRun& run) {
    ImportReport report;
    KepsDatabase db;
    const ImportResult result =
        ImportElementFile(run.elementFile, run.format, db, run.kepsFile, report, DamagedDatabase::SetAside);
    if (result.outcome == ImportOutcome::ElementFileUnreadable) {
        report.push_back(texts::kKepsFileUnopened);
    } else if (result.outcome == ImportOutcome::KepsFileUnwritable) {
        report.push_back(texts::kKepsNotWritten);
    } else if (result.database.Damaged()) {
        report.push_back(FormatLine(texts::kDamagedKepsSetAside, DescribeKepsDamage(result.database),
                                    Utf8FromPath(DamagedKepsPath(run.kepsFile))));
    }
    return report;
}

// Lines wider than the list can be scrolled to, and only then.
void FillReport(HWND dialog, const ImportReport& report) {
    HWND list = GetDlgItem(dialog, IDC_UPDATE_REPORT);
    HDC dc = GetDC(list);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& line : report) {
        const std::wstring text = Widen(line);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, size.cx);
    }
    SelectObject(dc, font);
    ReleaseDC(list, dc);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

INT_PTR CALLBACK ReportProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG: {
            HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            FillReport(dialog, RunImport(*reinterpret_cast<const ImportRun*>(lParam)));
            SetCursor(previous);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDOK);
            return TRUE;
        case WM_HELP:
            return AnswerHelpRequest(dialog, IDH_UPDATE_KEPS, lParam);
        default:
            return FALSE;
        }
    } catch (...) {
        RecordCaughtInWindow("update keps report");
        EndDialog(dialog, IDCANCEL);
        return FALSE;
    }
}

}  // namespace

void UpdateKepsCommand(MainWindowState& state) {
    const std::string& suite = state.settings->general.kovaDirectory;
    const KepsImportSettings settings = LoadKepsImportSettings(*state.registry, suite);
    DWORD type = 1;
    const std::optional<std::wstring> file = ChooseElementFile(state.window, settings, type);
    if (!file) return;
    SaveKepsImportSettings(*state.registry, Narrow(*file), type);
    if (!CanBeOpened(*file)) {
        MessageBoxW(state.window, Widen(texts::kKepsFileUnopened).c_str(), L"Tarvon Error", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ImportRun run{PathFromUtf8(Narrow(*file)), type == 1 ? ElementFormat::TwoLine : ElementFormat::Verbose,
                  KepsFilePath(suite)};
    DialogBoxParamW(state.instance, MAKEINTRESOURCEW(IDD_UPDATE_KEPS), state.window, ReportProc,
                    reinterpret_cast<LPARAM>(&run));
    // The station takes the file as it now is, as for message 2037.
    if (state.hooks.refreshElements) state.hooks.refreshElements();
}

}  // namespace tarvon
