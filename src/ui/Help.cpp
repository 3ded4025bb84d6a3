#include "ui/Help.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <string>

#include "core/HelpTopics.h"
#include "win32/Utf8.h"

namespace tarvon {
namespace {

constexpr const wchar_t* kCaption = L"Tarvon Help";

std::wstring HelpFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    const size_t slash = folder.find_last_of(L"\\/");
    folder = slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
    return folder + Widen(kHelpFolderName);
}

// The program that opens web addresses, when one is registered.
std::wstring BrowserProgram() {
    wchar_t program[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, L"http", L"open", program, &size) != S_OK) return {};
    return program;
}

bool Launched(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

// A browser given the page's address goes straight to the control's place.
// Wine's launcher turns an address with a place into a path no browser can
// open, so it, and a system without a browser for web addresses, is given
// the page's file, which opens at the top.
bool OpenPage(HWND owner, const std::wstring& page, const std::wstring& url) {
    const std::wstring browser = BrowserProgram();
    const std::wstring launcher = browser.substr(browser.find_last_of(L"\\/") + 1);
    if (!browser.empty() && lstrcmpiW(launcher.c_str(), L"winebrowser.exe") != 0) {
        const std::wstring argument = L"\"" + url + L"\"";
        if (Launched(ShellExecuteW(owner, L"open", browser.c_str(), argument.c_str(), nullptr, SW_SHOWNORMAL))) {
            return true;
        }
    }
    if (Launched(ShellExecuteW(owner, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL))) return true;
    // Nothing is registered for .html files on some systems (Wine's own
    // prefix among them); the launcher of web addresses opens them all the same.
    return !browser.empty() &&
           Launched(ShellExecuteW(owner, L"open", browser.c_str(), (L"\"" + page + L"\"").c_str(), nullptr,
                                  SW_SHOWNORMAL));
}

}  // namespace

void ShowHelp(HWND owner, unsigned context, int controlId) {
    const std::string target = HelpTarget(FindHelpTopic(context), controlId);
    const std::wstring folder = HelpFolder();
    const std::wstring page = folder + L"\\" + Widen(target.substr(0, target.find('#')));
    if (GetFileAttributesW(page.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const std::wstring text = L"The help page \"" + page + L"\" is not installed.";
        MessageBoxW(owner, text.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (OpenPage(owner, page, Widen(HelpFileUrl(Narrow(folder), target)))) return;
    const std::wstring text =
        L"Tarvon could not open the help page \"" + page + L"\": no web browser is set up to show it.";
    MessageBoxW(owner, text.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
}

INT_PTR AnswerHelpRequest(HWND owner, unsigned context, LPARAM helpInfo) {
    const auto* info = reinterpret_cast<const HELPINFO*>(helpInfo);
    const bool control = info && info->iContextType == HELPINFO_WINDOW && info->iCtrlId > 0 &&
                         info->iCtrlId != IDOK && info->iCtrlId != IDCANCEL;
    ShowHelp(owner, context, control ? info->iCtrlId : 0);
    return TRUE;
}

}  // namespace tarvon
